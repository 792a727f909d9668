// The Serbian texts as the user sees them: the captions built out of Serbian
// parts, and no library or program text left in English.
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

constexpr uint32_t kSerbian = 11;

class SerbianTexts : public TTranslationFixture {};

TEST_F(SerbianTexts, DerivedCaptionsAreBuiltFromSerbianParts) {
  SetSprResGlobal(kSerbian);
  ASSERT_EQ(SprResGlobalArr.size(), static_cast<size_t>(SprStoreLength));
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      {425, "Велико почетно слово сваке речи (Abc)"},
      {431, "Насумично измешано (aBc)"},
      {495, "Цифре (0-9)"},
      {533, "Конфигуриши колоне..."},
      {928, "Deutsch (Немачки)"},
      {929, "Ελληνικά (Грчки)"},
      {933, "Русский (Руски)"},
      {SprFirstProgramSlot + 116, "Слова, растуће"},
      {SprFirstProgramSlot + 119, "Учесталост, опадајуће"},
      {SprFirstProgramSlot + 121, "Бројач: излаз"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
  EXPECT_EQ(SprLocalText(122).rfind("Више информација на: www.pellwick.example/", 0), 0u) << SprLocalText(122);
}

TEST_F(SerbianTexts, NoTextShowsEnglish) {
  std::map<StrResGlobal, std::string_view> english;
  for (const TSprSlotText& t : SprEnglishLibraryTexts()) english[t.Slot] = t.Text;
  SetSprResGlobal(kSerbian);
  // Every library text with a word in it reads otherwise in Serbian.
  for (const auto& [slot, text] : english)
    if (text.find_first_of("abcdefghijklmnopqrstuvwxyz") != std::string_view::npos) {
      EXPECT_NE(SprResGlobalArr.at(slot), text) << "slot " << slot;
    }
  EXPECT_EQ(SprResGlobalArr.at(17), "Освежи преглед");
  EXPECT_EQ(SprResGlobalArr.at(943), "Уклони двоструки бели простор");
  EXPECT_EQ(SprResGlobalArr.at(668), "Улаз");
  const auto englishProgram = SprEnglishProgramTexts();
  // The window's program texts are all the language's own.
  for (const int32_t n : {3, 11, 22, 38, 43, 47, 74, 101, 109})
    EXPECT_NE(SprLocalText(n), englishProgram[n]) << "program text " << n;
  EXPECT_EQ(SprLocalText(1), "Генератор");
}

TEST_F(SerbianTexts, MissingPositionsFollowTheColonAfterABlank) {
  SetSprResGlobal(kSerbian);
  const std::string shown = SprLocalText(34) + "1, 3";
  EXPECT_NE(shown.find("Позиције које недостају: 1, 3"), std::string::npos) << shown;
}

}  // namespace
