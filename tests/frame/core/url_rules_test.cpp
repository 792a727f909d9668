#include "frame/core/url_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(URLRules, ReferenceQuery) {
  EXPECT_EQ(GetURLRef("SX", "h", 1, "231030"), "&rf=sxhmde231030");
  EXPECT_EQ(GetURLRef("SX", "e", 13, "240101"), "&rf=sxemar240101");
  EXPECT_EQ(GetURLRef("SX", "m", 99, "240101"), "&rf=sxmmxx240101");
}

TEST(URLRules, AddressAsItIsOpened) {
  struct TCase {
    std::string Address, Expected;
  };
  const std::string ref = "&rf=sxmmen240101";
  const TCase cases[] = {
      {"www.pellwick.com/prog - Website of this Software", "http://www.pellwick.com/prog" + ref},
      {"example.org/page", "http://www.example.org/page"},
      {"https://example.org/x", "https://example.org/x"},
      {"http://www.example.org/x", "http://www.example.org/x"},
      {"de.pellwick-answers.com/x", "http://de.pellwick-answers.com/x" + ref},
      {"fr.example.org", "http://fr.example.org"},
      {"pellwick.com/help#part", "http://www.pellwick.com/help#part"},
      {"www.PELLWICK.com", "http://www.PELLWICK.com/" + ref},
      {"www.pellwick.de", "http://www.pellwick.de/" + ref},
      // A menu caption doubles its ampersands; a query keeps its own.
      {"www.example.org/a&&b - Info && Help", "http://www.example.org/ab"},
      {"www.example.org/s?x=1&y=2", "http://www.example.org/s?x=1&y=2"},
  };
  for (const TCase& c : cases) EXPECT_EQ(FormBrowseURL(c.Address, ref), c.Expected) << c.Address;
  EXPECT_EQ(FormBrowseURL("www.pellwick.com/x", ""), "http://www.pellwick.com/x");
}

TEST(URLRules, PagesPerLanguage) {
  const TProgWebsites sites{"www.pellwick.com/prog", "www.pellwick.de/prog", "www.pellwick.com/es/prog",
                            "www.pellwick.com/fr/prog"};
  EXPECT_EQ(GetURLForLanguage(puDonate, 0, sites), "www.pellwick.com/donate");
  EXPECT_EQ(GetURLForLanguage(puDonate, 1, sites), "www.pellwick.de/spenden");
  EXPECT_EQ(GetURLForLanguage(puDonate, 4, sites), "www.pellwick.com/es/donar");
  EXPECT_EQ(GetURLForLanguage(puDonate, 6, sites), "www.pellwick.com/fr/donner");
  EXPECT_EQ(GetURLForLanguage(puDonate, 10, sites), "www.pellwick.com/donate");
  EXPECT_EQ(GetURLForLanguage(puWebsite, 1, sites), "www.pellwick.de/prog");
  EXPECT_EQ(GetURLForLanguage(puHelp, 4, sites), "www.pellwick.com/es/prog-ayuda");
  EXPECT_EQ(GetURLForLanguage(puFAQ, 6, sites), "www.pellwick.com/fr/prog-faq");
  EXPECT_EQ(GetURLForLanguage(puChangelog, 6, sites), "www.pellwick.com/fr/prog-modifications");
  EXPECT_EQ(GetURLForLanguage(puIndividualAdaption, 1, sites), "www.pellwick.de/individuelle-anpassung");
  EXPECT_EQ(GetURLForLanguage(puMakerWebsite, 12, sites), "www.pellwick.com");
  for (int kind = puDonate; kind <= puPortalForum; ++kind)
    EXPECT_FALSE(GetURLForLanguage(static_cast<TProgObjURL>(kind), 0, sites).empty()) << kind;
}

TEST(URLRules, SettingsHelpLinks) {
  EXPECT_EQ(SettingsHelpLinkMarkup("More information on", "unicode-fileformats", "unicode-dateiformate", "es", "fr", 1),
            "More information on <a=www.pellwick.de/unicode-dateiformate>www.pellwick.de/unicode-dateiformate</a>");
  EXPECT_EQ(SettingsHelpLinkMarkup("", "translation", "translation", "translation", "translation", 10),
            "<a=www.pellwick.com/translation>www.pellwick.com/translation</a>");
}

TEST(URLRules, BrowserCallIsReplaceable) {
  std::vector<std::string> opened;
  TBrowseToURLProc old = SetBrowseToURLProc([&](const std::string& url) {
    opened.push_back(url);
    return true;
  });
  EXPECT_TRUE(OpenURLInBrowser("http://a"));
  SetBrowseToURLProc(nullptr);
  EXPECT_FALSE(OpenURLInBrowser("http://b"));
  SetBrowseToURLProc(std::move(old));
  EXPECT_EQ(opened, (std::vector<std::string>{"http://a"}));
}

}  // namespace
