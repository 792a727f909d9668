#include "text/program_texts.h"

#include "text/caption_grammar.h"
#include "text/english_texts.h"
#include "text/language_constants.h"
#include "text/language_setters.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

constexpr int32_t kCsvText = 115;

std::string SlotText(int64_t slot) {
  if (slot < 0 || slot >= static_cast<int64_t>(SprResGlobalArr.size())) return {};
  return SprResGlobalArr[static_cast<size_t>(slot)];
}

// Writes stay inside the store whatever base a caller passes.
void PutLocal(int64_t baseSlot, int32_t localIndex, std::string text) {
  const int64_t slot = baseSlot + localIndex;
  if (slot < 0 || slot >= static_cast<int64_t>(SprResGlobalArr.size())) return;
  SprResGlobalArr[static_cast<size_t>(slot)] = std::move(text);
}

}  // namespace

std::string SprProgramWebPage() { return "www.pellwick.example/syllabrix"; }

std::string SprSyllableListWebPage(uint32_t language) {
  switch (language) {
    case SprLangGerman: return "www.pellwick.example/de/syllabrix/silbenlisten";
    case SprLangSpanish: return "www.pellwick.example/es/syllabrix/listas-de-silabas";
    case SprLangFrench: return "www.pellwick.example/fr/syllabrix/listes-de-syllabes";
    default: return "www.pellwick.example/syllabrix/syllable-lists";
  }
}

void SetSprResLocal_All(uint32_t baseSlot, uint32_t /*Language*/) { PutLocal(baseSlot, kCsvText, "CSV"); }

void SetSprResLocal_EN(int32_t baseSlot) {
  int32_t index = 0;
  for (std::string_view text : SprEnglishProgramTexts()) {
    if (!text.empty()) PutLocal(baseSlot, index, std::string(text));
    ++index;
  }
}

void SetSprResLocal_Combinations(uint32_t baseSlot, uint32_t language) {
  PutLocal(baseSlot, 116, SprSortCaption(SlotText(405), SlotText(395), language));
  PutLocal(baseSlot, 117, SprSortCaption(SlotText(405), SlotText(396), language));
  PutLocal(baseSlot, 118, SprSortCaption(SlotText(394), SlotText(395), language));
  PutLocal(baseSlot, 119, SprSortCaption(SlotText(394), SlotText(396), language));
  // Program text 0 at its absolute slot, whatever the base.
  PutLocal(baseSlot, 120, SprQualifiedCaption(SlotText(SprFirstProgramSlot), SlotText(407), language));
  PutLocal(baseSlot, 121, SprQualifiedCaption(SlotText(SprFirstProgramSlot), SlotText(669), language));
  PutLocal(baseSlot, 122, SprColonCaption(SlotText(827), SprSyllableListWebPage(language), language));
}

void SetSprResLocal(uint32_t language) {
  SprResGlobalArr.resize(SprLibrarySlotCount);
  SprResGlobalArr.resize(SprStoreLength);
  SetSprResLocal_All(SprFirstProgramSlot, language);
  SetSprResLocal_EN(SprFirstProgramSlot);
  SprRunProgramSetter(language, SprFirstProgramSlot);
  SprResGlobalArr.resize(SprStoreLength);
  SetSprResLocal_Combinations(SprFirstProgramSlot, language);
}

void InitSprResLocal() {
  SprInitLocalProc = SetSprResLocal;
  RegisterTranslations();
}
