// The Arabic texts as the user sees them: the captions built out of Arabic
// parts, the program texts, and the placeholders
// that keep their place in the right-to-left texts.
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

constexpr uint32_t kArabic = 13;

class ArabicTexts : public TTranslationFixture {};

TEST_F(ArabicTexts, DerivedCaptionsAreBuiltFromArabicParts) {
  SetSprResGlobal(kArabic);
  ASSERT_EQ(SprResGlobalArr.size(), static_cast<size_t>(SprStoreLength));
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      {425, "تكبير أول حرف من كل كلمة (Abc)"},
      {533, "تكوين الأعمدة..."},
      {928, "Deutsch (الألمانية)"},
      {933, "Русский (الروسية)"},
      {SprFirstProgramSlot + 116, "الأحرف، تصاعدي"},
      {SprFirstProgramSlot + 119, "التكرار، تنازلي"},
      {SprFirstProgramSlot + 120, "العداد: الرموز"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
  EXPECT_EQ(SprLocalText(122).rfind("مزيد من المعلومات على: www.pellwick.example/", 0), 0u) << SprLocalText(122);
}

// The window's program texts are all the language's own.
TEST_F(ArabicTexts, ProgramTextsAreArabic) {
  SetSprResGlobal(kArabic);
  const auto englishProgram = SprEnglishProgramTexts();
  for (const int32_t n : {3, 22, 43, 109}) EXPECT_NE(SprLocalText(n), englishProgram[n]) << "program text " << n;
  EXPECT_EQ(SprLocalText(1), "المولّد");
}

TEST_F(ArabicTexts, PlaceholdersAreFilledWhereTheArabicWordOrderPutsThem) {
  SetSprResGlobal(kArabic);
  std::string page = SprResGlobalArr.at(639);
  page.replace(page.find("<X>"), 3, "2");
  page.replace(page.find("<Y>"), 3, "7");
  EXPECT_EQ(page, "7 من 2 الصفحة");
  const std::string shown = SprLocalText(34) + "1, 3";
  EXPECT_NE(shown.find("المواضع الناقصة: 1, 3"), std::string::npos) << shown;
}

// The window is mirrored in Arabic: the syllable list and the counter's input
// stand on the right, and the help paragraphs say so.
TEST_F(ArabicTexts, HelpParagraphsPlaceTheFieldsOnTheRight) {
  SetSprResGlobal(kArabic);
  const std::string syllables = SprLocalText(111);
  EXPECT_NE(syllables.find("على اليمين"), std::string::npos) << syllables;
  EXPECT_EQ(syllables.find("اليسار"), std::string::npos) << syllables;
  const std::string counter = SprLocalText(112);
  EXPECT_NE(counter.find("المربع الأيمن"), std::string::npos) << counter;
  EXPECT_EQ(counter.find("الأيسر"), std::string::npos) << counter;
}

}  // namespace
