// The Russian texts as the user sees them: the captions built out of Russian
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

constexpr uint32_t kRussian = 7;

class RussianTexts : public TTranslationFixture {};

TEST_F(RussianTexts, DerivedCaptionsAreBuiltFromRussianParts) {
  SetSprResGlobal(kRussian);
  ASSERT_EQ(SprResGlobalArr.size(), static_cast<size_t>(SprStoreLength));
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      {425, "Слова с прописной буквы (Abc)"},
      {533, "Настроить столбцы..."},
      {928, "Deutsch (Немецкий)"},
      {933, "Русский"},
      {SprFirstProgramSlot + 116, "Буквы, по возрастанию"},
      {SprFirstProgramSlot + 119, "Частота, по убыванию"},
      {SprFirstProgramSlot + 120, "Счётчик: символы"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
  EXPECT_EQ(SprLocalText(122).rfind("Подробнее на: www.pellwick.example/", 0), 0u) << SprLocalText(122);
}

// The window's program texts are all the language's own.
TEST_F(RussianTexts, ProgramTextsAreRussian) {
  SetSprResGlobal(kRussian);
  const auto englishProgram = SprEnglishProgramTexts();
  for (const int32_t n : {3, 22, 43, 109}) EXPECT_NE(SprLocalText(n), englishProgram[n]) << "program text " << n;
  EXPECT_EQ(SprLocalText(1), "Создание");
}

TEST_F(RussianTexts, MissingPositionsFollowTheColonAfterABlank) {
  SetSprResGlobal(kRussian);
  const std::string shown = SprLocalText(34) + "1, 3";
  EXPECT_NE(shown.find("Отсутствующие позиции: 1, 3"), std::string::npos) << shown;
}

}  // namespace
