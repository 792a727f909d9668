#include "text/text_store.h"

#include "text/english_texts.h"
#include "text/language_constants.h"
#include "text/language_setters.h"

TStrArray SprResGlobalArr;
TSprInitLocalProc SprInitLocalProc;

namespace {

uint32_t gStoreLanguage = 0;

const std::string& EmptyText() {
  static const std::string empty;
  return empty;
}

void Put(StrResGlobal slot, std::string_view text) {
  if (slot < SprResGlobalArr.size()) SprResGlobalArr[slot].assign(text);
}

// slot Base + Suffix
struct SuffixRule {
  StrResGlobal Target;
  StrResGlobal Base;
  const char* Suffix;
};
constexpr SuffixRule kSuffixRules[] = {
    {425, 413, " (Abc)"},
    {426, 414, " (Abc)"},
    {427, 415, " (ABC)"},
    {428, 416, " (abc)"},
    {429, 417, " (ABC)"},
    {430, 418, " (abc)"},
    {431, 421, " (aBc)"},
    {495, 401, " (0-9)"},
    {496, 451, " (A-Z)"},
    {497, 452, " (a-z)"},
    {498, 453, " (\xC3\x84\xC3\x81\xC3\x85...)"},  // (ÄÁÅ...)
    {499, 454, " (\xC3\xA4\xC3\xA1\xC3\xA5...)"},  // (äáå...)
    {500, 455, " (\xD0\x90-\xD0\xAF)"},            // Cyrillic А-Я
    {501, 456, " (\xD0\xB0-\xD1\x8F)"},            // Cyrillic а-я
    {502, 457, " (\xCE\x91-\xCE\xA9)"},            // Greek Α-Ω
    {503, 458, " (\xCE\xB1-\xCF\x89)"},            // Greek α-ω
    {533, 532, "..."},
};

// Own name alone when it equals the current language's name for it, else
// own name + " (" + that name + ")".
struct NameRule {
  StrResGlobal Target;
  StrResGlobal OwnName;
  StrResGlobal LocalName;
};
constexpr NameRule kNameRules[] = {
    {928, 922, 470}, {929, 923, 462}, {930, 924, 469}, {931, 925, 472}, {932, 926, 471}, {933, 927, 473},
};

}  // namespace

const std::string& SprText(StrResGlobal slot) {
  return slot < SprResGlobalArr.size() ? SprResGlobalArr[slot] : EmptyText();
}

const std::string& SprLocalText(int32_t localIndex) {
  if (localIndex < 0 || localIndex >= SprProgramSlotCount) return EmptyText();
  return SprText(static_cast<StrResGlobal>(SprFirstProgramSlot + localIndex));
}

void SetSprResGlobal_All() {
  Put(0, {});
  for (const TSprSlotText& t : SprNeutralLibraryTexts()) Put(t.Slot, t.Text);
}

void SetSprResGlobal_EN() {
  for (const TSprSlotText& t : SprEnglishLibraryTexts()) Put(t.Slot, t.Text);
}

void SetSprResGlobal_Combinations() {
  if (SprResGlobalArr.size() < SprLibrarySlotCount) return;
  for (const SuffixRule& r : kSuffixRules) {
    std::string s = SprResGlobalArr[r.Base];
    s += r.Suffix;
    SprResGlobalArr[r.Target] = std::move(s);
  }
  for (const NameRule& r : kNameRules) {
    const std::string& own = SprResGlobalArr[r.OwnName];
    const std::string& local = SprResGlobalArr[r.LocalName];
    SprResGlobalArr[r.Target] = own == local ? own : own + " (" + local + ")";
  }
}

uint32_t SprStoreLanguage() { return gStoreLanguage; }

void SetSprResGlobal(uint32_t language) {
  gStoreLanguage = language < static_cast<uint32_t>(SprLanguageCount) ? language : 0;
  // Every library slot starts empty, so nothing of the previous language can
  // survive even in a slot that no writer of this fill touches.
  SprResGlobalArr.resize(SprLibrarySlotCount);
  for (std::string& s : SprResGlobalArr) s.clear();
  SetSprResGlobal_All();
  SetSprResGlobal_EN();
  SprRunLibrarySetter(language);
  // A setter must not change the store's length; keep the derived step in bounds anyway.
  SprResGlobalArr.resize(SprLibrarySlotCount);
  SetSprResGlobal_Combinations();
  if (SprInitLocalProc) SprInitLocalProc(language);
}
