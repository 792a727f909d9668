#include "text/program_texts.h"

#include "text/english_texts.h"
#include "text/language_constants.h"
#include "text/language_setters.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

constexpr int32_t kCsvText = 115;

std::string SlotText(int64_t Slot) {
  if (Slot < 0 || Slot >= static_cast<int64_t>(SprResGlobalArr.size())) return {};
  return SprResGlobalArr[static_cast<size_t>(Slot)];
}

// Writes stay inside the store whatever base a caller passes.
void PutLocal(int64_t BaseSlot, int32_t LocalIndex, std::string Text) {
  const int64_t slot = BaseSlot + LocalIndex;
  if (slot < 0 || slot >= static_cast<int64_t>(SprResGlobalArr.size())) return;
  SprResGlobalArr[static_cast<size_t>(slot)] = std::move(Text);
}

}  // namespace

std::string SprProgramWebPage() { return "www.pellwick.example/syllabrix"; }

std::string SprSyllableListWebPage(uint32_t Language) {
  switch (Language) {
    case SprLangGerman: return "www.pellwick.example/de/syllabrix/silbenlisten";
    case SprLangSpanish: return "www.pellwick.example/es/syllabrix/listas-de-silabas";
    case SprLangFrench: return "www.pellwick.example/fr/syllabrix/listes-de-syllabes";
    default: return "www.pellwick.example/syllabrix/syllable-lists";
  }
}

void SetSprResLocal_All(uint32_t BaseSlot, uint32_t /*Language*/) { PutLocal(BaseSlot, kCsvText, "CSV"); }

void SetSprResLocal_EN(int32_t BaseSlot) {
  int32_t index = 0;
  for (std::string_view text : SprEnglishProgramTexts()) PutLocal(BaseSlot, index++, std::string(text));
}

void SetSprResLocal_Combinations(uint32_t BaseSlot, uint32_t Language) {
  PutLocal(BaseSlot, 116, SlotText(405) + ", " + SlotText(395));
  PutLocal(BaseSlot, 117, SlotText(405) + ", " + SlotText(396));
  PutLocal(BaseSlot, 118, SlotText(394) + ", " + SlotText(395));
  PutLocal(BaseSlot, 119, SlotText(394) + ", " + SlotText(396));
  // Program text 0 at its absolute slot, whatever the base.
  PutLocal(BaseSlot, 120, SlotText(SprFirstProgramSlot) + " " + SlotText(407));
  PutLocal(BaseSlot, 121, SlotText(SprFirstProgramSlot) + " " + SlotText(669));
  PutLocal(BaseSlot, 122, SlotText(827) + ": " + SprSyllableListWebPage(Language));
}

void SetSprResLocal(uint32_t Language) {
  SprResGlobalArr.resize(SprLibrarySlotCount);
  SprResGlobalArr.resize(SprStoreLength);
  SetSprResLocal_All(SprFirstProgramSlot, Language);
  SetSprResLocal_EN(SprFirstProgramSlot);
  SprRunProgramSetter(Language, SprFirstProgramSlot);
  SprResGlobalArr.resize(SprStoreLength);
  SetSprResLocal_Combinations(SprFirstProgramSlot, Language);
}

void InitSprResLocal() {
  SprInitLocalProc = SetSprResLocal;
  RegisterTranslations();
}
