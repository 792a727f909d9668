// The Italian texts as the user sees them: the captions built out of Italian
// parts, the slots that stay English, and the typographic apostrophe.
#include <gtest/gtest.h>

#include "translation_fixture.h"

#include <map>
#include <string>
#include <string_view>

#include "text/english_texts.h"
#include "text/language_setters.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

constexpr uint32_t kItalian = 9;

class ItalianTexts : public TTranslationFixture {};

TEST_F(ItalianTexts, DerivedCaptionsAreBuiltFromItalianParts) {
  SetSprResGlobal(kItalian);
  ASSERT_EQ(SprResGlobalArr.size(), static_cast<size_t>(SprStoreLength));
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      {425, "Iniziali maiuscole (Abc)"},
      {431, "Maiuscole/minuscole casuali (aBc)"},
      {495, "Cifre (0-9)"},
      {533, "Configura colonne..."},
      {928, "Deutsch (Tedesco)"},
      {931, "Español (Spagnolo)"},
      {SprFirstProgramSlot + 116, "Lettere, crescente"},
      {SprFirstProgramSlot + 119, "Frequenza, decrescente"},
      {SprFirstProgramSlot + 120, "Contatore: caratteri"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
  // Italian has no syllable-list page of its own, so the main site is named.
  EXPECT_EQ(SprLocalText(122), "Ulteriori informazioni su: www.pellwick.example/syllabrix/syllable-lists");
}

TEST_F(ItalianTexts, LeftOutTextsShowEnglish) {
  std::map<StrResGlobal, std::string_view> english;
  for (const TSprSlotText& t : SprEnglishLibraryTexts()) english[t.Slot] = t.Text;
  SetSprResGlobal(kItalian);
  for (const StrResGlobal s : {StrResGlobal{17}, StrResGlobal{309}, StrResGlobal{544}, StrResGlobal{946}})
    EXPECT_EQ(SprResGlobalArr.at(s), english[s]) << "slot " << s;
  const auto program = SprEnglishProgramTexts();
  // The window's program texts are all the language's own.
  for (const int32_t n : {3, 22, 47, 101, 109}) EXPECT_NE(SprLocalText(n), program[static_cast<size_t>(n)]) << n;
}

TEST_F(ItalianTexts, MissingPositionsFollowTheColonAfterABlank) {
  SetSprResGlobal(kItalian);
  const std::string shown = SprLocalText(34) + "1, 3";
  EXPECT_NE(shown.find("Posizioni mancanti: 1, 3"), std::string::npos) << shown;
}

TEST_F(ItalianTexts, ApostrophesAreTypographic) {
  int elisions = 0;
  for (const TSprSlotText& t : SprLibraryTexts_IT()) {
    EXPECT_EQ(t.Text.find('\''), std::string_view::npos) << "slot " << t.Slot << ": " << t.Text;
    if (t.Text.find("’") != std::string_view::npos) ++elisions;
  }
  for (const TSprProgramText& t : SprProgramTexts_IT()) {
    EXPECT_EQ(t.Text.find('\''), std::string_view::npos) << "program text " << t.Index << ": " << t.Text;
    if (t.Text.find("’") != std::string_view::npos) ++elisions;
  }
  EXPECT_GE(elisions, 20);
}

}  // namespace
