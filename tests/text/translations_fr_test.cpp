// The French texts as the user sees them: the captions built out of French
// parts, the typographic apostrophe, and the
// no-break space before a colon, semicolon, question or exclamation mark and
// inside the guillemets.
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

constexpr uint32_t kFrench = 6;

class FrenchTexts : public TTranslationFixture {};

TEST_F(FrenchTexts, DerivedCaptionsAreBuiltFromFrenchParts) {
  SetSprResGlobal(kFrench);
  ASSERT_EQ(SprResGlobalArr.size(), static_cast<size_t>(SprStoreLength));
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      {533, "Configurer les colonnes..."},
      {928, "Deutsch (Allemand)"},
      {SprFirstProgramSlot + 116, "Lettres, croissant"},
      {SprFirstProgramSlot + 119, "Fréquence, décroissant"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
  EXPECT_EQ(SprLocalText(122).rfind("Plus d’informations sur\u00A0: www.pellwick.example/fr/", 0), 0u)
      << SprLocalText(122);
}

TEST_F(FrenchTexts, MissingPositionsFollowTheColonAfterABlank) {
  SetSprResGlobal(kFrench);
  const std::string shown = SprLocalText(34) + "1, 3";
  EXPECT_NE(shown.find("Positions manquantes\u00A0: 1, 3"), std::string::npos) << shown;
}

// French writes the typographic apostrophe; only the literal syntax examples
// of 938 and 939 name the straight quote character itself.
TEST_F(FrenchTexts, ApostrophesAreTypographic) {
  for (const TSprSlotText& t : SprLibraryTexts_FR()) {
    if (t.Slot == 938 || t.Slot == 939) continue;
    EXPECT_EQ(t.Text.find('\''), std::string_view::npos) << "slot " << t.Slot;
  }
  for (const TSprProgramText& t : SprProgramTexts_FR())
    EXPECT_EQ(t.Text.find('\''), std::string_view::npos) << "program text " << t.Index;
}

// The no-break space keeps a mark on the line of its word. The exceptions: the
// literal syntax examples 936-939 (entities end in ";", 938 and 939 name the
// straight quote) and the texts that stand exactly as given (165, 325 and
// program text 55 keep straight quotes and a bare colon).
void ExpectFrenchPunctuation(std::string_view text, const std::string& where) {
  const std::string_view nbsp = "\u00A0";
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ':' || c == ';' || c == '?' || c == '!') {
      EXPECT_TRUE(i >= nbsp.size() && text.substr(i - nbsp.size(), nbsp.size()) == nbsp)
          << where << ": no no-break space before \"" << c << "\" in " << text;
    }
  }
  EXPECT_EQ(text.find('"'), std::string_view::npos) << where << ": straight quotes in " << text;
  for (size_t open = text.find("«"); open != std::string_view::npos; open = text.find("«", open + 1))
    EXPECT_EQ(text.substr(open + std::string_view("«").size(), nbsp.size()), nbsp) << where << ": " << text;
  for (size_t close = text.find("»"); close != std::string_view::npos; close = text.find("»", close + 1))
    EXPECT_TRUE(close >= nbsp.size() && text.substr(close - nbsp.size(), nbsp.size()) == nbsp) << where << ": " << text;
}

TEST_F(FrenchTexts, MarksAndGuillemetsTakeANoBreakSpace) {
  int checked = 0;
  for (const TSprSlotText& t : SprLibraryTexts_FR()) {
    if ((t.Slot >= 936 && t.Slot <= 939) || t.Slot == 165 || t.Slot == 325) continue;
    ExpectFrenchPunctuation(t.Text, "slot " + std::to_string(t.Slot));
    ++checked;
  }
  for (const TSprProgramText& t : SprProgramTexts_FR()) {
    if (t.Index == 55) continue;
    ExpectFrenchPunctuation(t.Text, "program text " + std::to_string(t.Index));
    ++checked;
  }
  EXPECT_GT(checked, 900);
}

}  // namespace
