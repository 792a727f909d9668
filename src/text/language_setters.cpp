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

// Indexed by language constant - 1.
const std::array<LibraryContractRow, kLibrarySetterCount> kLibraryContracts = {{
    {"SetSprResGlobal_DE", {}},
    {"SetSprResGlobal_DA", {}},
    {"SetSprResGlobal_PTBR", {}},
    {"SetSprResGlobal_ES", {}},
    {"SetSprResGlobal_ZHSIMP", {}},
    {"SetSprResGlobal_FR", {}},
    {"SetSprResGlobal_RU", {}},
    {"SetSprResGlobal_NL", {}},
    {"SetSprResGlobal_IT", {}},
    {"SetSprResGlobal_JA", {}},
    {"SetSprResGlobal_SR", {}},
    {"SetSprResGlobal_PL", {}},
    {"SetSprResGlobal_AR", {}},
    {"SetSprResGlobal_KO", {}},
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
