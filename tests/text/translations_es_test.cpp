// The Spanish texts as the user sees them: the captions built out of Spanish
// parts and the opening question mark.
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

constexpr uint32_t kSpanish = 4;

class SpanishTexts : public TTranslationFixture {};

TEST_F(SpanishTexts, DerivedCaptionsAreBuiltFromSpanishParts) {
  SetSprResGlobal(kSpanish);
  ASSERT_EQ(SprResGlobalArr.size(), static_cast<size_t>(SprStoreLength));
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      // The Spanish name of Spanish is its native name, so no English-style
      // "(Spanish)" follows it.
      {931, "Español"},
      {SprFirstProgramSlot + 116, "Letras, ascendente"},
      {SprFirstProgramSlot + 119, "Frecuencia, descendente"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
  EXPECT_EQ(SprLocalText(122).rfind("Más información en: www.pellwick.example/es/", 0), 0u) << SprLocalText(122);
}

TEST_F(SpanishTexts, MissingPositionsFollowTheColonAfterABlank) {
  SetSprResGlobal(kSpanish);
  const std::string shown = SprLocalText(34) + "1, 3";
  EXPECT_NE(shown.find("Posiciones que faltan: 1, 3"), std::string::npos) << shown;
}

// Every question opens with an inverted question mark before it closes.
void ExpectOpenedQuestions(std::string_view text, const std::string& where) {
  size_t from = 0;
  for (size_t close = text.find('?'); close != std::string_view::npos; close = text.find('?', close + 1)) {
    const size_t open = text.find("¿", from);
    EXPECT_TRUE(open != std::string_view::npos && open < close) << where << ": " << text;
    from = close + 1;
  }
}

TEST_F(SpanishTexts, QuestionsOpenWithInvertedQuestionMark) {
  int questions = 0;
  for (const TSprSlotText& t : SprLibraryTexts_ES()) {
    ExpectOpenedQuestions(t.Text, "slot " + std::to_string(t.Slot));
    if (t.Text.find('?') != std::string_view::npos) ++questions;
  }
  for (const TSprProgramText& t : SprProgramTexts_ES()) {
    ExpectOpenedQuestions(t.Text, "program text " + std::to_string(t.Index));
    if (t.Text.find('?') != std::string_view::npos) ++questions;
  }
  EXPECT_GE(questions, 19);
}

}  // namespace
