#include "text/language_setters.h"

#include <array>
#include <utility>

#include "text/english_texts.h"
#include "text/language_constants.h"

namespace {

// clang-format off
constexpr uint32_t kLibrarySetterCount = 14;  // languages 1..14
constexpr uint32_t kProgramSetterCount = 13;  // languages 1..13

// Inclusive slot ranges a language's table leaves in English.
using Ranges = std::vector<std::pair<int, int>>;

struct LibraryContractRow {
  const char* Name;
  Ranges Untranslated;
};

// Spanish and French leave the same texts in English.
const Ranges kLibraryUntranslatedESAndFR = {{123, 123}, {309, 309}, {319, 319}, {353, 353}};

// Indexed by language constant - 1.
const std::array<LibraryContractRow, kLibrarySetterCount> kLibraryContracts = {{
    {"SetSprResGlobal_DE", {{309, 309}}},
    {"SetSprResGlobal_DA", {}},
    {"SetSprResGlobal_PTBR", {}},
    {"SetSprResGlobal_ES", kLibraryUntranslatedESAndFR},
    {"SetSprResGlobal_ZHSIMP",
     {{17, 24},   {45, 45},   {51, 52},   {60, 60},   {67, 67},   {69, 70},   {75, 81},
      {92, 92},   {97, 97},   {101, 101}, {103, 105}, {113, 114}, {119, 120}, {123, 123},
      {136, 136}, {138, 138}, {141, 151}, {153, 153}, {160, 160}, {165, 165}, {191, 191},
      {201, 201}, {211, 211}, {221, 221}, {226, 226}, {243, 244}, {250, 254},
      {263, 264}, {266, 269}, {294, 295}, {297, 298}, {303, 303}, {309, 309}, {312, 312},
      {317, 319}, {323, 333}, {336, 336}, {338, 338}, {353, 353}, {376, 376},
      {409, 410}, {439, 445}, {464, 468}, {474, 474}, {514, 514}, {517, 517}, {544, 544},
      {546, 547}, {560, 560}, {562, 563}, {605, 605}, {607, 607}, {628, 628}, {655, 655},
      {665, 665}, {684, 684}, {691, 692}, {698, 700}, {704, 704}, {708, 708}, {711, 719},
      {723, 727}, {736, 736}, {770, 770}, {829, 829}, {832, 832}, {834, 834},
      {848, 849}, {938, 946}}},
    {"SetSprResGlobal_FR", kLibraryUntranslatedESAndFR},
    {"SetSprResGlobal_RU",
     {{17, 24},   {45, 45},   {51, 52},   {59, 60},   {67, 67},   {69, 70},   {75, 81},
      {92, 92},   {97, 97},   {101, 101}, {103, 105}, {113, 114}, {119, 120}, {123, 123},
      {136, 136}, {138, 138}, {141, 151}, {153, 153}, {160, 160}, {165, 165}, {191, 191},
      {201, 201}, {211, 211}, {221, 221}, {226, 226}, {243, 244}, {250, 254},
      {263, 264}, {266, 269}, {294, 295}, {297, 298}, {303, 303}, {309, 309}, {312, 312},
      {317, 319}, {323, 333}, {336, 336}, {338, 338}, {353, 353}, {376, 376},
      {409, 410}, {439, 445}, {464, 468}, {474, 474}, {514, 514}, {517, 517}, {544, 544},
      {546, 547}, {560, 560}, {562, 563}, {605, 605}, {607, 607}, {628, 628}, {655, 655},
      {665, 665}, {684, 684}, {691, 692}, {698, 700}, {704, 704}, {708, 708}, {711, 711},
      {713, 719}, {723, 727}, {736, 736}, {770, 770}, {829, 829}, {832, 832},
      {848, 849}, {938, 946}}},
    {"SetSprResGlobal_NL", {}},
    {"SetSprResGlobal_IT", {}},
    {"SetSprResGlobal_JA",
     {{17, 24},   {45, 45},   {67, 67},   {75, 81},   {86, 87},   {100, 100}, {102, 105},
      {113, 114}, {123, 123}, {136, 136}, {138, 138}, {141, 151}, {153, 153}, {157, 157},
      {201, 201}, {211, 211}, {226, 226}, {254, 254}, {332, 333}, {338, 338}, {364, 365},
      {376, 376}, {432, 436}, {439, 445}, {464, 464}, {466, 468}, {474, 474}, {514, 514},
      {562, 562}, {605, 605}, {628, 628}, {665, 665}, {691, 692}, {704, 704}, {708, 708},
      {711, 718}, {936, 939}, {941, 943}}},
    {"SetSprResGlobal_SR", {}},
    {"SetSprResGlobal_PL",
     {{17, 23},   {45, 45},   {51, 52},   {59, 60},   {67, 67},   {69, 70},   {76, 81},
      {92, 92},   {97, 97},   {101, 101}, {103, 105}, {113, 114}, {119, 120}, {123, 123},
      {136, 136}, {138, 138}, {141, 151}, {153, 153}, {160, 160}, {165, 165}, {191, 191},
      {201, 201}, {211, 211}, {221, 221}, {226, 226}, {243, 244}, {250, 253},
      {263, 264}, {266, 269}, {294, 295}, {297, 298}, {303, 303}, {309, 309}, {312, 312},
      {317, 319}, {323, 333}, {336, 336}, {353, 353}, {409, 410}, {439, 445},
      {464, 468}, {474, 474}, {514, 514}, {517, 517}, {544, 544}, {546, 547}, {560, 560},
      {562, 563}, {605, 605}, {607, 607}, {628, 628}, {655, 655}, {665, 665}, {684, 684},
      {691, 692}, {698, 700}, {704, 704}, {708, 708}, {711, 711}, {713, 719}, {723, 727},
      {736, 736}, {770, 770}, {829, 829}, {832, 832}, {848, 849}, {940, 946}}},
    {"SetSprResGlobal_AR",
     {{17, 23},   {51, 52},   {60, 60},   {69, 70},   {76, 81},   {92, 92},   {97, 97},
      {104, 105}, {113, 114}, {119, 120}, {123, 123}, {136, 136}, {141, 151}, {153, 153},
      {160, 160}, {165, 165}, {191, 191}, {221, 221}, {226, 226}, {243, 244},
      {250, 251}, {263, 263}, {268, 269}, {294, 295}, {303, 303}, {312, 312}, {323, 333},
      {336, 336}, {409, 410}, {439, 445}, {465, 468}, {474, 474}, {514, 514},
      {517, 517}, {546, 547}, {560, 560}, {562, 563}, {605, 605}, {607, 607}, {628, 628},
      {655, 655}, {665, 665}, {684, 684}, {699, 700}, {704, 704}, {708, 708}, {711, 719},
      {723, 727}, {770, 770}, {829, 829}, {832, 832}, {834, 834}, {848, 849},
      {943, 943}}},
    {"SetSprResGlobal_KO",
     {{5, 6},     {13, 13},   {15, 24},   {27, 28},   {31, 39},   {42, 45},   {48, 52},
      {54, 54},   {56, 65},   {67, 81},   {86, 92},   {94, 94},   {96, 98},   {101, 101},
      {104, 107}, {109, 110}, {112, 114}, {117, 156}, {160, 163}, {165, 165}, {168, 168},
      {179, 180}, {184, 184}, {187, 191}, {195, 199}, {201, 203}, {206, 207}, {209, 212},
      {214, 223}, {226, 226}, {230, 230}, {233, 234}, {237, 240}, {243, 245}, {248, 254},
      {256, 273}, {276, 281}, {283, 295}, {297, 303}, {305, 306}, {309, 319}, {322, 356},
      {358, 363}, {368, 369}, {371, 424}, {432, 476}, {481, 494}, {504, 506}, {508, 508},
      {513, 519}, {526, 528}, {531, 532}, {534, 552}, {554, 573}, {579, 581}, {583, 584},
      {586, 589}, {592, 595}, {599, 600}, {603, 620}, {622, 622}, {627, 632}, {635, 645},
      {648, 669}, {671, 701}, {704, 704}, {708, 708}, {711, 711}, {713, 719}, {723, 750},
      {752, 752}, {755, 755}, {771, 772}, {786, 786}, {789, 789}, {793, 793}, {811, 811},
      {822, 822}, {829, 832}, {834, 834}, {839, 841}, {858, 858}, {936, 946}}},
}};

// Every program table holds every translatable program text.
const Ranges kProgramComplete;

struct ProgramContractRow {
  const char* Name;
  Ranges Untranslated;
};

const std::array<ProgramContractRow, kProgramSetterCount> kProgramContracts = {{
    {"SetSprResLocal_DE", kProgramComplete},
    {"SetSprResLocal_DA", kProgramComplete},
    {"SetSprResLocal_PTBR", kProgramComplete},
    {"SetSprResLocal_ES", kProgramComplete},
    {"SetSprResLocal_ZHSIMP", kProgramComplete},
    {"SetSprResLocal_FR", kProgramComplete},
    {"SetSprResLocal_RU", kProgramComplete},
    {"SetSprResLocal_NL", kProgramComplete},
    {"SetSprResLocal_IT", kProgramComplete},
    {"SetSprResLocal_JA", kProgramComplete},
    {"SetSprResLocal_SR", kProgramComplete},
    {"SetSprResLocal_PL", kProgramComplete},
    {"SetSprResLocal_AR", kProgramComplete},
}};
// clang-format on

std::array<TSprLibrarySetter, kLibrarySetterCount>& LibrarySetters() {
  static std::array<TSprLibrarySetter, kLibrarySetterCount> setters;
  return setters;
}

std::array<TSprProgramSetter, kProgramSetterCount>& ProgramSetters() {
  static std::array<TSprProgramSetter, kProgramSetterCount> setters;
  return setters;
}

bool HasLibrarySetter(uint32_t language) { return language >= 1 && language <= kLibrarySetterCount; }
bool HasProgramSetter(uint32_t language) { return language >= 1 && language <= kProgramSetterCount; }

bool InRanges(int value, const Ranges& ranges) {
  for (const auto& [lo, hi] : ranges)
    if (value >= lo && value <= hi) return true;
  return false;
}

// The slots whose text differs from the marker after `run`; the store is restored.
template <typename RunFn>
std::vector<StrResGlobal> ChangedSlots(size_t length, RunFn run) {
  static const std::string kMarker("\x01unwritten\x01");
  TStrArray saved;
  saved.swap(SprResGlobalArr);
  SprResGlobalArr.assign(length, kMarker);
  run();
  std::vector<StrResGlobal> changed;
  for (size_t i = 0; i < SprResGlobalArr.size(); ++i)
    if (SprResGlobalArr[i] != kMarker) changed.push_back(static_cast<StrResGlobal>(i));
  // A setter that shortened the store has dropped slots; those count as written.
  for (size_t i = SprResGlobalArr.size(); i < length; ++i) changed.push_back(static_cast<StrResGlobal>(i));
  SprResGlobalArr.swap(saved);
  return changed;
}

}  // namespace

bool SprRegisterLibrarySetter(uint32_t language, TSprLibrarySetter setter) {
  if (!HasLibrarySetter(language)) return false;
  LibrarySetters()[language - 1] = std::move(setter);
  return true;
}

bool SprRegisterProgramSetter(uint32_t language, TSprProgramSetter setter) {
  if (!HasProgramSetter(language)) return false;
  ProgramSetters()[language - 1] = std::move(setter);
  return true;
}

void SprRunLibrarySetter(uint32_t language) {
  if (!HasLibrarySetter(language)) return;
  const TSprLibrarySetter& setter = LibrarySetters()[language - 1];
  if (setter) setter();
}

void SprRunProgramSetter(uint32_t language, int32_t baseSlot) {
  if (!HasProgramSetter(language)) return;
  const TSprProgramSetter& setter = ProgramSetters()[language - 1];
  if (setter) setter(baseSlot);
}

std::vector<StrResGlobal> SprEnglishLibrarySlots() {
  std::vector<StrResGlobal> slots;
  for (const TSprSlotText& t : SprEnglishLibraryTexts()) slots.push_back(t.Slot);
  return slots;
}

std::vector<StrResGlobal> SprEnglishProgramSlots() {
  std::vector<StrResGlobal> slots;
  int32_t index = 0;
  for (std::string_view text : SprEnglishProgramTexts()) {
    if (!text.empty()) slots.push_back(static_cast<StrResGlobal>(SprFirstProgramSlot + index));
    ++index;
  }
  return slots;
}

TSprSetterContract SprLibrarySetterContract(uint32_t language) {
  TSprSetterContract c;
  if (!HasLibrarySetter(language)) return c;
  const LibraryContractRow& row = kLibraryContracts[language - 1];
  c.Name = row.Name;
  for (StrResGlobal slot : SprEnglishLibrarySlots())
    if (!InRanges(slot, row.Untranslated)) c.Slots.push_back(slot);
  return c;
}

TSprSetterContract SprProgramSetterContract(uint32_t language) {
  TSprSetterContract c;
  if (!HasProgramSetter(language)) return c;
  const ProgramContractRow& row = kProgramContracts[language - 1];
  c.Name = row.Name;
  for (StrResGlobal slot : SprEnglishProgramSlots())
    if (!InRanges(slot - SprFirstProgramSlot, row.Untranslated)) c.Slots.push_back(slot);
  return c;
}

std::vector<StrResGlobal> SprSlotsWrittenByLibrarySetter(uint32_t language) {
  return ChangedSlots(SprLibrarySlotCount, [&] { SprRunLibrarySetter(language); });
}

std::vector<StrResGlobal> SprSlotsWrittenByProgramSetter(uint32_t language) {
  return ChangedSlots(SprStoreLength, [&] { SprRunProgramSetter(language, SprFirstProgramSlot); });
}
