// The Japanese texts as the user sees them: words the window shows side by
// side that must not read alike, field names that match their labels, and the
// full-width punctuation.
#include <gtest/gtest.h>

#include "cjk_punctuation.h"
#include "translation_fixture.h"

#include <string>

#include "text/program_texts.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

constexpr uint32_t kJapanese = 10;

class JapaneseTexts : public TTranslationFixture {};

TEST_F(JapaneseTexts, NeighbouringCaptionsAreToldApart) {
  SetSprResGlobal(kJapanese);
  // The creator's tab and the button on it.
  EXPECT_EQ(SprLocalText(1), "ジェネレーター");
  EXPECT_EQ(SprResGlobalArr.at(202), "作成");
  // Letters are one of the things the counter counts; the counter's
  // characters tab chooses which characters it looks at.
  EXPECT_NE(SprResGlobalArr.at(405), SprResGlobalArr.at(407));
  EXPECT_EQ(SprLocalText(116), "字母、昇順");
  EXPECT_EQ(SprLocalText(120), "カウンター：文字");
  // The heading over the letter cases of the created words names the case.
  EXPECT_EQ(SprLocalText(44), "作成する単語の大文字/小文字");
}

TEST_F(JapaneseTexts, MessagesNameFieldsAndTabsAsTheyAreCaptioned) {
  SetSprResGlobal(kJapanese);
  const auto quoted = [](const std::string& caption) { return "「" + caption + "」"; };
  EXPECT_NE(SprLocalText(39).find(quoted(SprLocalText(30))), std::string::npos) << SprLocalText(39);
  EXPECT_NE(SprLocalText(43).find(quoted(SprResGlobalArr.at(668))), std::string::npos) << SprLocalText(43);
  const std::string creatorSettings = quoted(SprResGlobalArr.at(11) + " > " + SprLocalText(1));
  for (const int n : {32, 33}) {
    EXPECT_NE(SprLocalText(n).find(creatorSettings), std::string::npos) << SprLocalText(n);
    EXPECT_NE(SprLocalText(n).find(quoted(SprLocalText(52))), std::string::npos) << SprLocalText(n);
  }
  EXPECT_NE(SprLocalText(111).find(quoted(SprLocalText(1)) + "タブで" + quoted(SprResGlobalArr.at(202))),
            std::string::npos)
      << SprLocalText(111);
}

TEST(JapaneseTables, PunctuationBesideJapaneseIsFullWidth) {
  ExpectFullWidthPunctuationInTables(SprLibraryTexts_JA(), SprProgramTexts_JA());
}

}  // namespace
