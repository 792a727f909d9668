#include "frame/core/settings_window_rules.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>

#include "frame_core_fixture.h"

namespace {

namespace fs = std::filesystem;

TEST(SettingsWindowRules, TabNames) {
  EXPECT_EQ(SOTabNameFromID(0), "tab0");
  EXPECT_EQ(SOTabNameFromID(12), "tab12");
  EXPECT_EQ(SOTabNameFromID(7000), "tab_codepage");
  EXPECT_EQ(SOTabNameFromID(7001), "tab_lang");
  EXPECT_EQ(SOTabNameFromID(7002), "tab_save");
  EXPECT_EQ(SOTabNameFromID(7003), "tab_systemintegration");
}

TEST(SettingsWindowRules, LanguageColumns) {
  EXPECT_EQ(SOLanguageColumns(14).FirstColumn, 7);
  EXPECT_TRUE(SOLanguageColumns(14).TwoColumns);
  EXPECT_EQ(SOLanguageColumns(5).FirstColumn, 3);
  EXPECT_TRUE(SOLanguageColumns(5).TwoColumns);
  EXPECT_EQ(SOLanguageColumns(4).FirstColumn, 4);
  EXPECT_FALSE(SOLanguageColumns(4).TwoColumns);
  EXPECT_EQ(SOLanguageColumns(15).FirstColumn, 8);
  EXPECT_EQ(SOLanguageSecondColumnLeft(96), 200);
  EXPECT_EQ(SOLanguageSecondColumnLeft(120), 200);
  EXPECT_EQ(SOLanguageSecondColumnLeft(144), 400);  // 1.5 rounds to the even 2
  EXPECT_EQ(SOLanguageSecondColumnLeft(192), 400);
}

TEST(SettingsWindowRules, ValuesOfTypedText) {
  EXPECT_EQ(SOWholeNumberOrDefault("12 ", 5), 12);
  EXPECT_EQ(SOWholeNumberOrDefault(" -3", 5), -3);
  EXPECT_EQ(SOWholeNumberOrDefault("abc", 5), 5);
  EXPECT_EQ(SOWholeNumberOrDefault("", 5), 5);
  EXPECT_EQ(SOWholeNumberOrDefault("99999999999", 5), 5);
  EXPECT_EQ(SOToggleChars("abcä", "äöü", true), "abcäöü");
  EXPECT_EQ(SOToggleChars("abcäöü", "äöü", false), "abc");
  EXPECT_EQ(SOToggleChars("aöbö", "ö", false), "ab");
  EXPECT_TRUE(SOToggleCharsShownChecked("abc", ""));
  EXPECT_TRUE(SOToggleCharsShownChecked("xüöä", "äöü"));
  EXPECT_FALSE(SOToggleCharsShownChecked("abcä", "äöü"));
  EXPECT_EQ(SOLangCfgContent(3), "lang=ptbr");
  EXPECT_EQ(SOLangCfgContent(5), "lang=zhsimp");
  EXPECT_EQ(SOLangCfgContent(0), "lang=en");
  EXPECT_EQ(SOAlignmentText(2), "center");
  EXPECT_EQ(SOAlignmentVerticalText(2), "bottom");
}

std::vector<std::string> Names(const std::vector<TMenuEntrySpec>& entries) {
  std::vector<std::string> names;
  for (const TMenuEntrySpec& e : entries) names.push_back(e.Name);
  return names;
}

TEST(SettingsWindowRules, SettingsMenu) {
  TSettingsMenuOptions o;
  o.CustomTabCount = 2;
  o.TabLanguage = true;
  o.TabSaveSettings = true;
  o.ShowReset = true;
  const auto entries = SettingsMenuEntries(o);
  EXPECT_EQ(Names(entries), (std::vector<std::string>{"m_settings_tab0", "m_settings_tab1", "m_settings_divider1",
                                                      "m_settings_language", "m_settings_divider3", "m_settings_save",
                                                      "m_settings_reset"}));
  EXPECT_EQ(entries[1].Tag, 1);
  EXPECT_EQ(entries[3].Tag, 7001);
  EXPECT_EQ(entries[5].Tag, 7002);
  EXPECT_EQ(entries[6].Action, TMenuEntryAction::ResetSettings);
  // A divider after a program tab counts as an entry.
  o.CustomMenuDivider = [](int32_t tab) { return tab == 1; };
  o.TabCodePage = true;
  EXPECT_EQ(Names(SettingsMenuEntries(o)),
            (std::vector<std::string>{"m_settings_tab0", "m_settings_tab1", "m_settings_tab1_divider",
                                      "m_settings_codepage", "m_settings_divider1", "m_settings_language",
                                      "m_settings_divider3", "m_settings_save", "m_settings_reset"}));
  TSettingsMenuOptions integration;
  integration.TabFileAssociations = true;
  integration.TabContextMenu = true;
  integration.TabLanguage = true;
  EXPECT_EQ(Names(SettingsMenuEntries(integration)),
            (std::vector<std::string>{"m_settings_systemintegeration", "m_settings_filefolderassociations",
                                      "m_settings_divider2", "m_settings_language"}));
  EXPECT_TRUE(SettingsMenuEntries({}).empty());
}

TEST(SettingsWindowRules, InfoAndSoftwareMenus) {
  // The maker's product and service pages are left out, and so are the entries that open them.
  const auto info = InfoMenuEntries();
  ASSERT_EQ(info.size(), 14u);
  const std::pair<const char*, int32_t> pages[] = {
      {"m_info0", 5000}, {"m_info1", 5001}, {"m_info4", 5004}, {"m_info5", 5005}};
  for (size_t i = 0; i < std::size(pages); ++i) {
    EXPECT_EQ(info[i].Name, pages[i].first);
    EXPECT_EQ(info[i].Tag, pages[i].second);
    EXPECT_EQ(info[i].Action, TMenuEntryAction::OpenInfoDialog);
  }
  EXPECT_EQ(info[4].Name, "m_info6");
  EXPECT_EQ(info[4].Action, TMenuEntryAction::Divider);
  EXPECT_EQ(info[5].Name, "m_info9");
  EXPECT_EQ(info[13].Name, "m_info17");
  EXPECT_EQ(info[13].Action, TMenuEntryAction::BrowseToCaptionURL);
  const auto software = SoftwareMenuEntries();
  EXPECT_EQ(Names(software), (std::vector<std::string>{"m_software21", "m_software22"}));
  for (const auto& entry : software) EXPECT_EQ(entry.Action, TMenuEntryAction::BrowseToCaptionURL);
}

class SettingsWindowActions : public TSettingsFixture {};

TEST_F(SettingsWindowActions, LanguageFileBytes) {
  const std::pair<int32_t, std::string> cases[] = {{3, "lang=ptbr"}, {5, "lang=zhsimp"}, {13, "lang=ar"}};
  for (const auto& [language, content] : cases) {
    SO.SetLanguage(language);
    ASSERT_TRUE(SO.LanguageTabButtonClickSaveLanguage());
    EXPECT_EQ(testsupport::ReadFileBytes(ConfigDir() + "lang.cfg"), content);
  }
  SO.SetLanguage(0);
  SO.SetSaveToAppDir(true);
  ASSERT_TRUE(SO.LanguageTabButtonClickSaveLanguage());
  EXPECT_EQ(testsupport::ReadFileBytes(AppPath("lang.cfg")), "lang=en");
  ASSERT_FALSE(Dialogs.Messages.empty());
  EXPECT_EQ(Dialogs.Messages.back().Caption, "Information");
  EXPECT_EQ(Dialogs.Messages.back().Text, "The settings have been saved successfully.");
  // A folder that cannot be written reports the failure.
  SO.SetApplicationFolder(AppPath("file") + "/sub");
  testsupport::WriteFileBytes(AppPath("file"), "x");
  EXPECT_FALSE(SO.LanguageTabButtonClickSaveLanguage());
  EXPECT_EQ(Dialogs.Messages.back().Caption, "Error");
  EXPECT_EQ(Dialogs.Messages.back().Text,
            "File could not be created.\n\n" + AppPath("file") + "/sub/lang.cfg\n" + std::strerror(ENOTDIR));
}

TEST_F(SettingsWindowActions, DeleteSettings) {
  int profiles = 0;
  SO.OnProfilesChange = [&] { ++profiles; };
  EXPECT_TRUE(SO.SaveTabButtonClickDeleteSettings());  // nothing there yet
  EXPECT_EQ(Dialogs.Messages.back().Text, "Deleted successfully.");
  fs::create_directories(ConfigDir());
  testsupport::WriteFileBytes(ConfigDir() + "Work.sxs", "[a]\n");
  testsupport::WriteFileBytes(AppPath("keep.sxs"), "[a]\n");
  EXPECT_TRUE(SO.SaveTabButtonClickDeleteSettings());
  EXPECT_FALSE(fs::exists(ConfigDir()));
  EXPECT_TRUE(fs::exists(AppPath("keep.sxs")));
  EXPECT_EQ(profiles, 2);
}

TEST_F(SettingsWindowActions, SetToDefaultAndActionButtons) {
  SO.AddTab(11, "t");
  const int a = SO.AddInputEditToTab(0, 11, false, "a", "1", -1, false, 0, 0);
  const int b = SO.AddInputEditToTab(0, 11, false, "b", "2", -1, false, 0, 0);
  const int reset = SO.AddActionButtonSetToDefault(0, 11, a, false, 0, -1);
  SO.Controls()[a].Value = "x";
  SO.Controls()[b].Value = "y";
  SO.ActionButtonClickSetToDefault(reset);
  EXPECT_EQ(SO.ReadString(a, ""), "1");
  EXPECT_EQ(SO.ReadString(b, ""), "y");
  SO.Controls()[a].Value = "x";
  SO.Controls()[reset].Value = std::to_string(a) + ", " + std::to_string(b) + ",z";
  SO.ActionButtonClickSetToDefault(reset);
  EXPECT_EQ(SO.ReadString(a, ""), "1");
  EXPECT_EQ(SO.ReadString(b, ""), "2");
  std::vector<int32_t> clicked;
  SO.OnButtonClick = [&](int32_t id) { clicked.push_back(id); };
  SO.ButtonClick(b);
  SO.ButtonClick(-1);
  SO.ButtonClick(99);
  EXPECT_EQ(clicked, (std::vector<int32_t>{b}));
}

}  // namespace
