// The Polish texts as the user sees them: the captions built out of Polish
// parts and the program texts.
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

constexpr uint32_t kPolish = 12;

class PolishTexts : public TTranslationFixture {};

TEST_F(PolishTexts, DerivedCaptionsAreBuiltFromPolishParts) {
  SetSprResGlobal(kPolish);
  ASSERT_EQ(SprResGlobalArr.size(), static_cast<size_t>(SprStoreLength));
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      {425, "Wielkie pierwsze litery słów (Abc)"},
      {533, "Konfiguruj kolumny..."},
      {928, "Deutsch (Niemiecki)"},
      {SprFirstProgramSlot + 116, "Litery, rosnąco"},
      {SprFirstProgramSlot + 119, "Częstotliwość, malejąco"},
      {SprFirstProgramSlot + 120, "Licznik: znaki"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
  EXPECT_EQ(SprLocalText(122).rfind("Więcej informacji na: www.pellwick.example/", 0), 0u) << SprLocalText(122);
}

// The window's program texts are all the language's own.
TEST_F(PolishTexts, ProgramTextsArePolish) {
  SetSprResGlobal(kPolish);
  const auto englishProgram = SprEnglishProgramTexts();
  for (const int32_t n : {3, 22, 43, 109}) EXPECT_NE(SprLocalText(n), englishProgram[n]) << "program text " << n;
  EXPECT_EQ(SprLocalText(1), "Generator");
}

TEST_F(PolishTexts, MissingPositionsFollowTheColonAfterABlank) {
  SetSprResGlobal(kPolish);
  const std::string shown = SprLocalText(34) + "1, 3";
  EXPECT_NE(shown.find("Brakujące pozycje: 1, 3"), std::string::npos) << shown;
}

}  // namespace
