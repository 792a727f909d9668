#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <filesystem>

#include "foundation/letter_case.h"
#include "frame_core_fixture.h"

namespace {

namespace fs = std::filesystem;

class SettingsProfiles : public TSettingsFixture {
 protected:
  void Touch(const std::string& path) {
    fs::create_directories(fs::path(path).parent_path());
    testsupport::WriteFileBytes(path, "[t]\nk=v\n");
  }
  std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(folder, ec)) names.push_back(e.path().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(SettingsProfiles, Listing) {
  // Both folders under one base, so that the configuration folder's paths sort first.
  const std::string app = ConfigHome.str() + "/zz-app/";
  SO.SetApplicationFolder(app);
  Touch(ConfigDir() + "Work.sxs");
  Touch(ConfigDir() + "start.sxs");
  Touch(ConfigDir() + "Start.sxs");
  Touch(ConfigDir() + "notes.txt");
  Touch(ConfigDir() + "sub/deep.sxs");
  fs::create_directories(ConfigDir() + "folder.sxs");
  Touch(app + "work.sxs");
  Touch(app + "alpha.SXS");
  Touch(app + "start.sxs");
  EXPECT_EQ(SO.GetSavedProfileNames(true, true), (TStrArray{"alpha", "Start", "Work"}));
  EXPECT_EQ(SO.GetSavedProfileNames(true, false), (TStrArray{"alpha", "work"}));
  EXPECT_EQ(SO.GetSavedProfileNames(false, true), (TStrArray{"Start", "Work"}));
  const TStrArray files = SO.GetSavedProfileFiles(true, true);
  ASSERT_EQ(files.size(), 4u);
  EXPECT_TRUE(std::is_sorted(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
    return UTF8LowerCase(a) < UTF8LowerCase(b);
  }));
  EXPECT_TRUE(SO.GetSavedProfileNames(false, false).empty());
}

TEST_F(SettingsProfiles, SaveProfileCancelEmptyAndNamed) {
  int changes = 0;
  SO.OnProfilesChange = [&] { ++changes; };
  Dialogs.Answers = {NulMarker(), "", "  "};
  for (int i = 0; i < 3; ++i) SO.SaveTabButtonClickSaveSettings("bt_save_save_profile");
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(Dialogs.Messages.empty());
  EXPECT_EQ(Dialogs.Asked, (std::vector<std::string>(3, "Select Name")));
  EXPECT_TRUE(FilesIn(ConfigHome.str()).empty());
  EXPECT_TRUE(FilesIn(AppDir.str()).empty());
  // The cancel marker never becomes a file name.
  EXPECT_FALSE(fs::exists(ConfigDir() + std::string(1, '\0') + ".sxs"));

  Dialogs.Answers = {"Work"};
  SO.SaveTabButtonClickSaveSettings("bt_save_save_profile");
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(fs::is_regular_file(ConfigDir() + "Work.sxs"));
  EXPECT_EQ(SO.GetSavedProfileNames(true, true), (TStrArray{"Work"}));
  SO.SetSaveToAppDir(true);
  Dialogs.Answers = {"Home"};
  SO.SaveTabButtonClickSaveSettings("bt_save_save_profile");
  EXPECT_TRUE(fs::is_regular_file(AppPath("Home.sxs")));
}

TEST_F(SettingsProfiles, ProfileNamesThatWouldLeaveTheFolderAreRefused) {
  int changes = 0;
  SO.OnProfilesChange = [&] { ++changes; };
  testsupport::TempDir outside;
  Touch(ConfigDir() + "keep.txt");
  const std::string refused[] = {"../escape", "a/b", "a\\b", "..", outside.str() + "/x", "start"};
  for (const std::string& name : refused) {
    Dialogs.Messages.clear();
    Dialogs.Answers = {name};
    SO.SaveTabButtonClickSaveSettings("bt_save_save_profile");
    ASSERT_EQ(Dialogs.Messages.size(), 1u) << name;
    EXPECT_EQ(Dialogs.Messages[0].Kind, TSOMessageKind::Error) << name;
    EXPECT_EQ(Dialogs.Messages[0].Text, "File could not be created.\n\n" + name) << name;
  }
  EXPECT_EQ(FilesIn(ConfigHome.str()),
            (std::vector<std::string>{ConfigHome.str() + "/Pellwick", ConfigHome.str() + "/Pellwick/SyllabrixTest",
                                      ConfigDir() + "keep.txt"}));
  EXPECT_TRUE(FilesIn(outside.str()).empty());
  EXPECT_FALSE(fs::exists(SO.ConfigFolder() + "start.sxs"));
  // "Start" is another file than the start file.
  Dialogs.Answers = {"Start"};
  SO.SaveTabButtonClickSaveSettings("bt_save_save_profile");
  EXPECT_TRUE(fs::is_regular_file(ConfigDir() + "Start.sxs"));
}

TEST_F(SettingsProfiles, LoadProfile) {
  SO.SaveTabButtonClickLoadSettings("bt_save_load_profile");
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "At the moment, you do not have any stored settings.");
  EXPECT_TRUE(Dialogs.Asked.empty());

  SO.AddTab(11, "t");
  const int id = SO.AddInputEditToTab(0, "k", "default", -1, false, 0, 0);
  Touch(ConfigDir() + "Work.sxs");
  int loads = 0;
  SO.OnLoadSettings = [&](TConfigSaver&) { ++loads; };
  Dialogs.Answers = {NulMarker(), " "};
  SO.SaveTabButtonClickLoadSettings("bt_save_load_profile");
  SO.SaveTabButtonClickLoadSettings("bt_save_load_profile");
  EXPECT_EQ(loads, 0);
  EXPECT_EQ(Dialogs.LastItems, (TStrArray{"Work"}));
  Dialogs.Answers = {"Work"};
  SO.SaveTabButtonClickLoadSettings("bt_save_load_profile");
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(SO.ReadString(id, ""), "v");
  EXPECT_EQ(Dialogs.Messages.back().Text, "The settings have been loaded successfully.");
  fs::remove(ConfigDir() + "Work.sxs");
  Dialogs.Answers = {"Gone"};
  Touch(ConfigDir() + "Other.sxs");
  SO.SaveTabButtonClickLoadSettings("bt_save_load_profile");
  EXPECT_EQ(Dialogs.Messages.back().Text,
            "File not found.\n\n" + SO.ConfigFolder() + "Gone.sxs\n" + std::strerror(ENOENT));
}

TEST_F(SettingsProfiles, StartFileAndChosenFiles) {
  SO.AddTab(11, "t");
  const int id = SO.AddInputEditToTab(0, "k", "a", -1, false, 0, 0);
  SO.Controls()[id].Value = "b";
  SO.SaveTabButtonClickSaveSettings("bt_save_save_start");
  EXPECT_TRUE(fs::is_regular_file(ConfigDir() + "start.sxs"));
  SO.Controls()[id].Value = "c";
  SO.SaveTabButtonClickLoadSettings("bt_save_load_start");
  EXPECT_EQ(SO.ReadString(id, ""), "b");

  Dialogs.Answers = {AppDir.file("chosen/file.sxs"), ""};
  SO.SaveTabButtonClickSaveSettings("bt_save_save_file");
  SO.SaveTabButtonClickSaveSettings("bt_save_save_file");
  EXPECT_TRUE(fs::is_regular_file(AppDir.file("chosen/file.sxs")));
  EXPECT_EQ(Dialogs.Asked.back(), "Save Settings");
  SO.Controls()[id].Value = "d";
  Dialogs.Answers = {AppDir.file("chosen/file.sxs")};
  SO.SaveTabButtonClickLoadSettings("bt_save_load_file");
  EXPECT_EQ(Dialogs.Asked.back(), "Load Settings");
  EXPECT_EQ(SO.ReadString(id, ""), "b");
}

TEST_F(SettingsProfiles, ResetLeavesFilesAlone) {
  SO.AddTab(11, "t");
  const int id = SO.AddInputEditToTab(0, "k", "a", -1, false, 0, 0);
  SO.Controls()[id].Value = "b";
  SO.Controls()[id].ValueInt = 5;
  ASSERT_TRUE(SO.SaveSettings(cslConfigDir, "start.sxs", false));
  const std::string before = testsupport::ReadFileBytes(ConfigDir() + "start.sxs");
  SO.CodePage = 1252;
  SO.SetAutoSaveOnExit(true);
  void* sender = nullptr;
  SO.OnResetSettings = [&](void* s) { sender = s; };
  SO.ResetSettings();
  EXPECT_EQ(SO.ReadString(id, ""), "a");
  EXPECT_EQ(SO.ReadInt(id, 9), 0);
  EXPECT_EQ(SO.CodePage, 65001);
  EXPECT_TRUE(SO.AutoSaveOnExit());
  EXPECT_EQ(sender, &SO);
  EXPECT_EQ(testsupport::ReadFileBytes(ConfigDir() + "start.sxs"), before);
  EXPECT_EQ(FilesIn(ConfigDir()).size(), 1u);
}

TEST_F(SettingsProfiles, SaveOnExitOnlyWhenSwitchedOn) {
  SO.ProgCloseQueryProc();
  EXPECT_FALSE(fs::exists(ConfigDir() + "start.sxs"));
  SO.SetAutoSaveOnExit(true);
  SO.BatchMode = true;
  SO.ProgCloseQueryProc();
  EXPECT_FALSE(fs::exists(ConfigDir() + "start.sxs"));
  SO.BatchMode = false;
  SO.ProgCloseQueryProc();
  EXPECT_TRUE(fs::is_regular_file(ConfigDir() + "start.sxs"));
  EXPECT_TRUE(Dialogs.Messages.empty());
  SO.SetSaveToAppDir(true);
  SO.ProgCloseQueryProc();
  EXPECT_TRUE(fs::is_regular_file(AppPath("start.sxs")));
}

TEST_F(SettingsProfiles, StartAndCommandLineFiles) {
  SO.AddTab(11, "t");
  const int id = SO.AddInputEditToTab(0, "k", "default", -1, false, 0, 0);
  const int other = SO.AddInputEditToTab(0, "o", "default", -1, false, 0, 0);
  fs::create_directories(ConfigDir());
  testsupport::WriteFileBytes(ConfigDir() + "start.sxs", "[t]\nk=start\no=start\n");
  testsupport::WriteFileBytes(AppPath("a.sxs"), "[t]\nk=a\no=a\n");
  testsupport::WriteFileBytes(AppPath("b.SXS"), "[t]\nk=b\n");
  std::vector<std::string> loaded;
  SO.OnLoadSettings = [&](TConfigSaver& d) { loaded.push_back(d.ReadString("t", "k", "")); };
  SO.LoadDefaultValueIfNoKey = false;
  EXPECT_TRUE(SO.LoadStartOrParameterSettings({AppPath("a.sxs"), "notes.txt", AppPath("b.SXS")}));
  EXPECT_EQ(loaded, (std::vector<std::string>{"start", "a", "b"}));
  EXPECT_EQ(SO.ReadString(id, ""), "b");
  EXPECT_EQ(SO.ReadString(other, ""), "a");
  loaded.clear();
  SO.BatchMode = true;
  EXPECT_TRUE(SO.LoadStartOrParameterSettings({AppPath("a.sxs")}));
  EXPECT_EQ(loaded, (std::vector<std::string>{"a"}));
  loaded.clear();
  EXPECT_TRUE(SO.LoadStartOrParameterSettings(TStrArray{}));
  EXPECT_TRUE(loaded.empty());
  SO.BatchLoadStartSettingsInBatchMode = true;
  EXPECT_FALSE(SO.LoadStartOrParameterSettings({AppPath("missing.sxs")}));
  EXPECT_EQ(loaded, (std::vector<std::string>{"start"}));
}

}  // namespace
