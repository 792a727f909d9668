// A localised save-target panel hosted by the program frame: loaded from the
// start settings file, translated, saved and reset with the program's
// settings, and given the command line's save options in batch mode.
//
// This file stays apart from the controls' headers: the frame and the
// controls each name a notification type TNotifyEvent.
#include <gtest/gtest.h>

#include <QLabel>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/config_files.h"
#include "foundation/program_args.h"
#include "frame/core/frame_core_fixture.h"
#include "frame/qt/pwk_prog_obj.h"
#include "settingspanels/qt/save_target_hosting.h"
#include "settingspanels_test_app.h"
#include "test_support.h"
#include "text/language_constants.h"

namespace {

std::string Flag(bool value) { return value ? "1" : "0"; }

// Records every call that reaches the panel, in order, and passes it on.
class TRecordingSaveTarget : public TSaveSettingsContainerSpr {
 public:
  using TSaveSettingsContainerSpr::TSaveSettingsContainerSpr;
  std::vector<std::string> Calls;

  void SetLanguage(uint32_t language) override {
    Calls.push_back("lang" + std::to_string(language));
    TSaveSettingsContainerSpr::SetLanguage(language);
  }
  void SettingsLoad(const TDocINI& document, const std::string& section, bool useDefaults) override {
    Calls.push_back("load[" + section + "]" + Flag(useDefaults));
    TSaveSettingsContainerSpr::SettingsLoad(document, section, useDefaults);
  }
  void SettingsSave(TDocINI& document, const std::string& section, bool skipDefaultValues) override {
    Calls.push_back("save[" + section + "]" + Flag(skipDefaultValues));
    TSaveSettingsContainerSpr::SettingsSave(document, section, skipDefaultValues);
  }
  void ResetValuesToDefault() override {
    Calls.push_back("reset");
    TSaveSettingsContainerSpr::ResetValuesToDefault();
  }
  bool ValsFromFilePath(const std::string& path) override {
    Calls.push_back("path:" + path);
    return TSaveSettingsContainerSpr::ValsFromFilePath(path);
  }
  void SetValFolder(const std::string& text) override {
    Calls.push_back("folder:" + text);
    TSaveSettingsContainerSpr::SetValFolder(text);
  }
  void SetValName(const std::string& text) override {
    Calls.push_back("name:" + text);
    TSaveSettingsContainerSpr::SetValName(text);
  }
  void SetValFormat(const std::string& text) override {
    Calls.push_back("format:" + text);
    TSaveSettingsContainerSpr::SetValFormat(text);
  }
  void SetOptOverwriteFile(bool flag) override {
    Calls.push_back("overwrite" + Flag(flag));
    TSaveSettingsContainerSpr::SetOptOverwriteFile(flag);
  }
  void SetOptDeleteOriginalFile(bool flag) override {
    Calls.push_back("delete" + Flag(flag));
    TSaveSettingsContainerSpr::SetOptDeleteOriginalFile(flag);
  }
  void SetOptOpenFileAfterCreating(bool flag) override {
    Calls.push_back("open" + Flag(flag));
    TSaveSettingsContainerSpr::SetOptOpenFileAfterCreating(flag);
  }
  void SetOptSaveOnlyInCaseOfChange(bool flag) override {
    Calls.push_back("onlychange" + Flag(flag));
    TSaveSettingsContainerSpr::SetOptSaveOnlyInCaseOfChange(flag);
  }
  void SetOptKeepDateOfOriginalFile(bool flag) override {
    Calls.push_back("keepdate" + Flag(flag));
    TSaveSettingsContainerSpr::SetOptKeepDateOfOriginalFile(flag);
  }
};

// The five option setters a load with defaults or a reset calls, in the order of their keys.
std::vector<std::string> OptionCalls(const std::string& values) {
  const char* names[] = {"overwrite", "delete", "open", "onlychange", "keepdate"};
  std::vector<std::string> calls;
  for (size_t i = 0; i < 5; ++i) calls.push_back(names[i] + values.substr(i, 1));
  return calls;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

class SaveTargetHosting : public TSettingsFixture {
 protected:
  void SetUp() override {
    PanelsTestApp();
    TSettingsFixture::SetUp();
    SetArguments({});
    ConfigDir = GetConfigPwqConfigDir("SyllabrixPanelsTest");
    std::filesystem::create_directories(ConfigDir);
  }
  void TearDown() override {
    SetArguments({});
    TSettingsFixture::TearDown();
    SetSprResGlobal(0);
  }
  void SetArguments(const std::vector<std::string>& arguments) {
    Arguments = {"settingspanels_qt_tests"};
    Arguments.insert(Arguments.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : Arguments) argv.push_back(a.data());
    CaptureProgramArguments(static_cast<int>(argv.size()), argv.data());
  }
  void Prepare(TPwkProgObj& frame) {
    frame.SetProgName("SyllabrixPanelsTest");
    frame.SetProgFileExtSettings("sxs");
    frame.SettingsObj().SetApplicationFolder(AppDir.str());
    frame.SetUserDialogs(&Dialogs);
    frame.SplashScreenAutoShow = false;
    frame.SetLanguages(TLanguageSet::AllLanguages());
  }
  std::vector<std::string> Arguments;
  std::string ConfigDir;
};

TEST_F(SaveTargetHosting, TheSettingsObjectsCallsComeInTheirOrder) {
  testsupport::WriteFileBytes(ConfigDir + "start.sxs",
                              "[target]\nfolder=/from/the file\nname=%num%\nformat=PNG\ndelete_original_file=1\n");
  testsupport::WriteFileBytes(AppDir.file("lang.cfg"), "lang=de");

  QWidget main;
  TPwkProgObj frame(&main);
  Prepare(frame);
  auto* panel = new TRecordingSaveTarget(&main);
  panel->SetStorageProfile(spImgDefFromFile);
  panel->DefaultOptKeepDateOfOriginalFile = true;
  EXPECT_EQ(AddSaveSettingsContainerToFrame(frame, panel, "target"), 0);
  ASSERT_TRUE(frame.Initialize());

  // The start language, the start file (missing options take their
  // defaults), and the language again once the menus exist.
  EXPECT_EQ(panel->Calls, Join({{"lang1", "load[target]1", "folder:/from/the file", "name:%num%", "format:PNG"},
                                OptionCalls("01001"),
                                {"lang1"}}));
  EXPECT_EQ(panel->Language(), static_cast<uint32_t>(SprLangGerman));
  EXPECT_EQ(panel->CaptionFolder(), "Ordner:");
  EXPECT_EQ(panel->ValFolder(), "/from/the file");
  EXPECT_TRUE(panel->OptDeleteOriginalFile());
  EXPECT_TRUE(panel->OptKeepDateOfOriginalFile());
  EXPECT_EQ(panel->ValFormat(), "PNG");

  panel->Calls.clear();
  const std::string saved = AppDir.file("profile.sxs");
  ASSERT_TRUE(frame.SettingsObj().SaveSettings(cslFileName, saved, false));
  frame.SettingsObj().ResetSettings();
  frame.SetLanguage(SprLangFrench);
  panel->SetValName("changed");
  frame.SettingsObj().LoadDefaultValueIfNoKey = false;
  ASSERT_TRUE(frame.SettingsObj().LoadSettings(saved, false));
  EXPECT_EQ(panel->Calls, Join({{"save[target]1", "reset"},
                                OptionCalls("00001"),
                                {"lang6", "name:changed", "load[target]0"},
                                {"folder:/from/the file", "name:%num%", "format:PNG", "delete1"}}));
  EXPECT_EQ(panel->ValName(), "%num%");
  EXPECT_EQ(panel->Label(stlFolder)->text(), "Dossier:");

  TConfigSaver doc;
  ASSERT_TRUE(doc.LoadFromFile(saved));
  EXPECT_EQ(doc.ReadString("target", "folder", ""), "/from/the file");
  EXPECT_EQ(doc.ReadString("target", "delete_original_file", ""), "1");
  std::string keepDate;
  EXPECT_FALSE(doc.ReadStringIfKeyExists("target", "keep_file_date", keepDate));  // at its default

  // A panel gone before the frame is simply skipped.
  delete panel;
  frame.SettingsObj().ResetSettings();
  frame.SetLanguage(SprLangEnglish);
  EXPECT_TRUE(frame.SettingsObj().SaveSettings(cslFileName, saved, false));
  EXPECT_TRUE(frame.SettingsObj().LoadSettings(saved, false));
}

TEST_F(SaveTargetHosting, BatchModeHandsTheSaveOptionsToThePanel) {
  testsupport::WriteFileBytes(AppDir.file("lang.cfg"), "lang=en");
  SetArguments({"-batch", "save-folder=/out", "save-name= %num% ", "save-ext=jpg", "openfile=1", "date=keep",
                "keep-subdirs=1", "save=/x/y.tif"});
  QWidget main;
  TPwkProgObj frame(&main);
  Prepare(frame);
  frame.EnableBatchProcessor = true;
  int batches = 0;
  frame.OnBatchProcess = [&](const TStrArray&, const TStrArray&, const TStrArray&, const TKeyValueArrayObj&) {
    ++batches;
  };
  auto* panel = new TRecordingSaveTarget(&main);
  AddSaveSettingsContainerToFrame(frame, panel, "target");
  EXPECT_FALSE(frame.Initialize());  // a batch run never shows the window
  EXPECT_EQ(batches, 1);
  // No start file: nothing is loaded. Then the options in their fixed
  // order, the whole path last, so that it decides.
  EXPECT_EQ(panel->Calls,
            (std::vector<std::string>{"lang0", "folder:/out", "name:%num%", "format:jpg", "keepdate1", "open1",
                                      "delete0", "path:/x/y.tif", "folder:/x", "name:y", "format:tif"}));
  EXPECT_EQ(panel->ValFolder(), "/x");
  EXPECT_EQ(panel->ValName(), "y");
  EXPECT_EQ(panel->ValFormat(), "tif");
  EXPECT_TRUE(panel->OptOpenFileAfterCreating());
  EXPECT_TRUE(panel->OptKeepDateOfOriginalFile());
  EXPECT_FALSE(panel->OptDeleteOriginalFile());
  EXPECT_TRUE(panel->OptKeepSubDirs);
}

TEST_F(SaveTargetHosting, ASettingsFileOnTheCommandLineKeepsItsOptions) {
  const std::string profile = AppDir.file("job.sxs");
  testsupport::WriteFileBytes(profile, "[target]\nfolder=/job\nname=%date%\nformat=TXT\nopen_file_after_creating=1\n");
  SetArguments({"-batch", profile, "save-format=csv"});
  QWidget main;
  TPwkProgObj frame(&main);
  Prepare(frame);
  frame.EnableBatchProcessor = true;
  auto* panel = new TRecordingSaveTarget(&main);
  AddSaveSettingsContainerToFrame(frame, panel, "target");
  EXPECT_FALSE(frame.Initialize());
  EXPECT_EQ(panel->ValFolder(), "/job");
  EXPECT_EQ(panel->ValName(), "%date%");
  EXPECT_EQ(panel->ValFormat(), "csv");  // given again on the command line
  EXPECT_TRUE(panel->OptOpenFileAfterCreating());
}

class ToolCheckSaveTargetHosting : public SaveTargetHosting {};

TEST_F(ToolCheckSaveTargetHosting, ConfigParserReadsThePanelsSection) {
  QWidget main;
  TPwkProgObj frame(&main);
  Prepare(frame);
  auto* panel = new TSaveSettingsContainerSpr(&main);
  AddSaveSettingsContainerToFrame(frame, panel, "save target");
  ASSERT_TRUE(frame.Initialize());
  panel->SetValFolder("/home/u/Bilder = neu; #1");
  panel->SetValName("%name%_%date%");
  panel->SetValFormat("JPG");
  panel->SetOptOverwriteFile(true);
  panel->SetOptSaveOnlyInCaseOfChange(true);
  const std::string saved = AppDir.file("p.sxs");
  ASSERT_TRUE(frame.SettingsObj().SaveSettings(cslFileName, saved, false));
  const testsupport::CommandResult r = testsupport::ReadWithConfigParser(saved);
  ASSERT_EQ(r.exitCode, 0) << r.out;
  const std::string section =
      "save target|folder=/home/u/Bilder = neu; #1\nsave target|name=%name%_%date%\nsave target|format=JPG\n"
      "save target|overwrite_file=1\nsave target|save_only_in_case_of_change=1\n";
  EXPECT_NE(r.out.find(section), std::string::npos) << r.out;
}

}  // namespace
