// The Simplified Chinese texts as the user sees them: the captions built out of
// Chinese parts, the program texts, and the full-width punctuation.
#include <gtest/gtest.h>

#include "cjk_punctuation.h"
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

constexpr uint32_t kChinese = 5;

class ChineseTexts : public TTranslationFixture {};

TEST_F(ChineseTexts, DerivedCaptionsAreBuiltFromChineseParts) {
  SetSprResGlobal(kChinese);
  ASSERT_EQ(SprResGlobalArr.size(), static_cast<size_t>(SprStoreLength));
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      {425, "单词首字母大写 (Abc)"},
      {533, "配置列..."},
      // The Chinese name of German follows the native name, since the two differ.
      {928, "Deutsch (德语)"},
      {SprFirstProgramSlot + 116, "字母，升序"},
      {SprFirstProgramSlot + 119, "频率，降序"},
      {SprFirstProgramSlot + 120, "计数器：字符"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
  // Chinese has no site of its own on the maker's pages, so the main site is named.
  EXPECT_EQ(SprLocalText(122).rfind("更多信息：www.pellwick.example/syllabrix/", 0), 0u) << SprLocalText(122);
}

// The window's program texts are all the language's own.
TEST_F(ChineseTexts, ProgramTextsAreChinese) {
  SetSprResGlobal(kChinese);
  const auto englishProgram = SprEnglishProgramTexts();
  for (const int n : {3, 43, 109}) EXPECT_NE(SprLocalText(n), englishProgram[n]) << "program text " << n;
  // The creator's tab and its button are told apart, as the counter's are.
  EXPECT_EQ(SprLocalText(1), "生成器");
  EXPECT_EQ(SprResGlobalArr.at(202), "生成");
}

TEST_F(ChineseTexts, MessagesNameFieldsAndTabsAsTheyAreCaptioned) {
  SetSprResGlobal(kChinese);
  const auto quoted = [](const std::string& caption) { return "“" + caption + "”"; };
  EXPECT_NE(SprLocalText(39).find(quoted(SprLocalText(30))), std::string::npos) << SprLocalText(39);
  EXPECT_NE(SprLocalText(40).find(quoted(SprLocalText(29))), std::string::npos) << SprLocalText(40);
  EXPECT_NE(SprLocalText(43).find(quoted(SprResGlobalArr.at(668))), std::string::npos) << SprLocalText(43);
  const std::string creatorSettings = quoted(SprResGlobalArr.at(11) + " > " + SprLocalText(1));
  for (const int n : {32, 33}) {
    EXPECT_NE(SprLocalText(n).find(creatorSettings), std::string::npos) << SprLocalText(n);
    EXPECT_NE(SprLocalText(n).find(quoted(SprLocalText(52))), std::string::npos) << SprLocalText(n);
  }
}

TEST_F(ChineseTexts, MissingPositionsFollowTheColonAfterABlank) {
  SetSprResGlobal(kChinese);
  const std::string shown = SprLocalText(34) + "1, 3";
  EXPECT_NE(shown.find("缺少的位置： 1, 3"), std::string::npos) << shown;
}

// Chinese sentences close with full-width marks; a trailing ASCII mark means a
// text was left half translated. An ellipsis ("...") is the menu convention.
void ExpectFullWidthEnding(std::string_view text, const std::string& where) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty() || text.ends_with("...")) return;
  EXPECT_EQ(std::string_view(".:?!;").find(text.back()), std::string_view::npos) << where << ": " << text;
  EXPECT_EQ(text.find('?'), std::string_view::npos) << where << ": " << text;
}

TEST(ChineseTables, SentencesEndWithFullWidthPunctuation) {
  for (const TSprSlotText& t : SprLibraryTexts_ZHSIMP())
    ExpectFullWidthEnding(t.Text, "slot " + std::to_string(t.Slot));
  for (const TSprProgramText& t : SprProgramTexts_ZHSIMP())
    ExpectFullWidthEnding(t.Text, "program text " + std::to_string(t.Index));
}

TEST(ChineseTables, PunctuationBesideChineseIsFullWidth) {
  ExpectFullWidthPunctuationInTables(SprLibraryTexts_ZHSIMP(), SprProgramTexts_ZHSIMP());
}

}  // namespace
