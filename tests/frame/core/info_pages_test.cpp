#include <gtest/gtest.h>

#include "frame/core/info_page_texts.h"
#include "text/language_setters.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

// With the translations installed, so that the pages read in each language.
class InfoPages : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTranslations(); }
  void TearDown() override {
    for (uint32_t l = 1; l <= 14; ++l) SprRegisterLibrarySetter(l, nullptr);
    for (uint32_t l = 1; l <= 13; ++l) SprRegisterProgramSetter(l, nullptr);
    SetSprResGlobal(0);
  }
};

TEST_F(InfoPages, HelpPage) {
  SetSprResGlobal(0);
  TInfoPageParams p;
  const std::string concerns = "<b>" + SprText(850) + "</b><p2>" + SprText(851) + "<p>" + SprText(852);
  EXPECT_EQ(GetInfoDialogText(kInfoPageHelp, p), concerns);
  p.HelpTexts = {11, 12};
  EXPECT_EQ(GetInfoDialogText(kInfoPageHelp, p), "<b>Introduction</b><p2>Settings<p>Language<p>" + concerns);
  p.HasBatchVersion = true;
  p.ProgWebsite = "www.pellwick.com/prog";
  const std::string text = GetInfoDialogText(kInfoPageHelp, p);
  EXPECT_NE(text.find("<b>Script Control</b><p2>"), std::string::npos);
  EXPECT_NE(text.find("available on <a=www.pellwick.com/prog-batch-version>www.pellwick.com/prog-batch-version</a>."),
            std::string::npos);
  EXPECT_EQ(text.find("<X>"), std::string::npos);
}

TEST_F(InfoPages, EveryPageInEveryLanguage) {
  for (int32_t language = 0; language < 15; ++language) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    TInfoPageParams p;
    p.Language = language;
    p.ProgVersion = "24.01";
    EXPECT_EQ(GetInfoDialogText(kInfoPageBugReport, p),
              "<b>" + SprText(853) + "</b><p2>" + SprText(854) + "<p>" + SprText(855))
        << language;
    EXPECT_EQ(GetInfoDialogText(kInfoPageOtherSoftware, p), "");
    EXPECT_EQ(GetInfoDialogText(kInfoPageIndividual, p), "");
    EXPECT_EQ(GetInfoDialogText(4999, p), "");
    const std::string donate = GetInfoDialogText(kInfoPageDonate, p);
    EXPECT_EQ(donate.rfind("<b>" + SprText(824) + "</b><p2><img=", 0), 0u) << language;
    const std::string about = GetInfoDialogText(kInfoPageAbout, p);
    EXPECT_EQ(about, "<b>" + SprText(826) + "</b><p2><p>" + SprText(859) + " 24.01<p>") << language;
    EXPECT_GT(InfoPageCaptionSlot(5000 + language % 6), 0);
  }
  SetSprResGlobal(1);
  TInfoPageParams german;
  german.Language = 1;
  EXPECT_EQ(GetInfoDialogText(kInfoPageDonate, german),
            "<b>" + SprText(824) + "</b><p2><img=donde><p><a=www.pellwick.de/spenden>www.pellwick.de/spenden</a>");
  EXPECT_NE(GetInfoDialogText(kInfoPageBugReport, german).find(SprText(853)), std::string::npos);
}

TEST_F(InfoPages, ThanksOnlyWithLines) {
  SetSprResGlobal(0);
  TInfoPageParams p;
  p.ProgVersion = "1";
  EXPECT_EQ(GetInfoDialogText(kInfoPageAbout, p).find("Thanks"), std::string::npos);
  p.InfoThanks = {"Ann", "Bo"};
  EXPECT_EQ(GetInfoDialogText(kInfoPageAbout, p),
            "<b>Licence/About</b><p2><p>Version 1<p><br><b>Thanks</b><p2>Ann<br>Bo<br>");
  // The version's word and the heading come from the store of the language.
  const struct {
    int32_t Language;
    std::string Version, Heading;
  } words[] = {
      {1, "<p>Version 1<p>", "<b>Danksagungen</b>"},
      {4, "<p>Versi\xC3\xB3n 1<p>", "<b>Agradecimientos</b>"},
      {6, "<p>Version 1<p>", "<b>Remerciements</b>"},
      {10, "<p>\xE3\x83\x90\xE3\x83\xBC\xE3\x82\xB8\xE3\x83\xA7\xE3\x83\xB3 1<p>",
       "<b>\xE8\xAC\x9D\xE8\xBE\x9E</b>"},  // バージョン, 謝辞
      {13, "<p>\xD8\xA7\xD9\x84\xD8\xA5\xD8\xB5\xD8\xAF\xD8\xA7\xD8\xB1 1<p>",
       "<b>\xD8\xB4\xD9\x83\xD8\xB1 \xD9\x88\xD8\xAA\xD9\x82\xD8\xAF\xD9\x8A\xD8\xB1</b>"}};  // الإصدار, شكر وتقدير
  for (const auto& w : words) {
    SetSprResGlobal(static_cast<uint32_t>(w.Language));
    p.Language = w.Language;
    const std::string page = GetInfoDialogText(kInfoPageAbout, p);
    EXPECT_NE(page.find(w.Version), std::string::npos) << w.Language;
    EXPECT_NE(page.find(w.Heading), std::string::npos) << w.Language;
  }
  EXPECT_EQ(InfoDonationPictureName(4), "dones");
  EXPECT_EQ(InfoDonationPictureName(6), "donfr");
  EXPECT_EQ(InfoDonationPictureName(9), "donen");
}

}  // namespace
