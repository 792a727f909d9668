// The Italian texts as the user sees them: the captions built out of Italian
// parts, library texts that are all Italian, and the typographic apostrophe.
#include <gtest/gtest.h>

#include "translation_fixture.h"

#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

TEST_F(ItalianTexts, EveryTextIsItalian) {
  SetSprResGlobal(kItalian);
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      {17, "Aggiorna anteprima"}, {309, "Separatore di percorso finale"}, {544, "Elaborato"},
      {705, "Elenco di azioni"},  {946, "Caratteri da <X> a <Y>"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
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
    // These two name the XML characters themselves, the plain apostrophe among them.
    if (t.Slot == 938 || t.Slot == 939) continue;
    EXPECT_EQ(t.Text.find('\''), std::string_view::npos) << "slot " << t.Slot << ": " << t.Text;
    if (t.Text.find("’") != std::string_view::npos) ++elisions;
  }
  for (const TSprProgramText& t : SprProgramTexts_IT()) {
    EXPECT_EQ(t.Text.find('\''), std::string_view::npos) << "program text " << t.Index << ": " << t.Text;
    if (t.Text.find("’") != std::string_view::npos) ++elisions;
  }
  EXPECT_GE(elisions, 20);
}

// Italian writes captions and sentences in sentence case: a word inside a
// sentence takes a capital only as a name. Quoted captions and examples in
// parentheses are skipped; the two texts whose given wording capitalises a
// common noun stay as they are.
TEST_F(ItalianTexts, WordsInsideASentenceAreNotCapitalised) {
  const std::set<std::string> names = {"Byte", "Order", "Mark", "Pellwick", "Windows", "Linux"};
  const std::set<int32_t> keptAsGiven = {762, 974};
  const std::regex quotedOrExample(R"("[^"]*"|\([^)]*\))");
  const std::regex sentenceEnd(R"([.:?!\n])");
  const std::regex word(R"((^|[\s/])([A-Z][a-z]+)\b)");
  std::vector<std::pair<int32_t, std::string>> texts;
  for (const TSprSlotText& t : SprLibraryTexts_IT()) texts.emplace_back(t.Slot, std::string(t.Text));
  for (const TSprProgramText& t : SprProgramTexts_IT())
    texts.emplace_back(SprFirstProgramSlot + t.Index, std::string(t.Text));
  for (const auto& [slot, text] : texts) {
    if (keptAsGiven.count(slot)) continue;
    const std::string plain = std::regex_replace(text, quotedOrExample, "");
    for (std::sregex_token_iterator s(plain.begin(), plain.end(), sentenceEnd, -1), end; s != end; ++s) {
      const std::string sentence = s->str();
      const size_t first = sentence.find_first_not_of(' ');
      for (std::sregex_iterator m(sentence.begin(), sentence.end(), word), none; m != none; ++m) {
        if (static_cast<size_t>(m->position(2)) == first) continue;  // the sentence's first word
        EXPECT_TRUE(names.count((*m)[2].str())) << "slot " << slot << ": " << text;
      }
    }
  }
}

}  // namespace
