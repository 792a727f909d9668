#include <gtest/gtest.h>

#include "frame/core/info_page_texts.h"
#include "text/text_store.h"

namespace {

class InfoPages : public ::testing::Test {
 protected:
  void TearDown() override { SetSprResGlobal(0); }
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
    EXPECT_EQ(about, "<b>" + SprText(826) + "</b><p2>" + (language == 4 ? "<p>Versión " : "<p>Version ") + "24.01<p>")
        << language;
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
  const std::pair<int32_t, std::string> headings[] = {
      {1, "<b>Danke</b>"}, {4, "<b>Agradecimientos</b>"}, {6, "<b>Remerciements</b>"}, {13, "<b>Thanks</b>"}};
  for (const auto& [language, heading] : headings) {
    p.Language = language;
    EXPECT_NE(GetInfoDialogText(kInfoPageAbout, p).find(heading), std::string::npos) << language;
  }
  EXPECT_EQ(InfoDonationPictureName(4), "dones");
  EXPECT_EQ(InfoDonationPictureName(6), "donfr");
  EXPECT_EQ(InfoDonationPictureName(9), "donen");
}

}  // namespace
