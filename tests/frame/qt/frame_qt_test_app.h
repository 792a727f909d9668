// The one QApplication of the frame tests, screenshots, and a fixture whose
// frame has its own application and configuration folders.
#pragma once

#include <QApplication>
#include <QMainWindow>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "../core/frame_core_fixture.h"
#include "controls/application_language.h"
#include "foundation/config_files.h"
#include "foundation/program_args.h"
#include "frame/core/url_rules.h"
#include "frame/qt/pwk_prog_obj.h"

QApplication& FrameTestApp();

// Saves the widget as SYLLABRIX_SCREENSHOT_DIR/frame_<name>.png.
void SaveScreenshot(QWidget* widget, const std::string& name);

// The addresses the tests asked the browser to open; no test opens a real one.
std::vector<std::string>& OpenedURLs();

class TFrameFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    FrameTestApp();
    const char* old = std::getenv("XDG_CONFIG_HOME");
    FHadConfigHome = old != nullptr;
    FOldConfigHome = old ? old : "";
    setenv("XDG_CONFIG_HOME", ConfigHome.str().c_str(), 1);
    SetArguments({});
    OpenedURLs().clear();
    SetBrowseToURLProc([](const std::string& url) {
      OpenedURLs().push_back(url);
      return true;
    });
  }
  void TearDown() override {
    SetArguments({});
    if (FHadConfigHome)
      setenv("XDG_CONFIG_HOME", FOldConfigHome.c_str(), 1);
    else
      unsetenv("XDG_CONFIG_HOME");
    SetSprResGlobal(0);
    SetApplicationLanguage(0);
  }
  // The program's command line as the frame reads it.
  static void SetArguments(const std::vector<std::string>& args) {
    static std::vector<std::string> store;
    static std::vector<char*> argv;
    store = args;
    store.insert(store.begin(), "frame_qt_tests");
    argv.clear();
    for (std::string& s : store) argv.push_back(s.data());
    argv.push_back(nullptr);
    CaptureProgramArguments(static_cast<int>(store.size()), argv.data());
  }
  // A frame as the main window sets it up: its own folders, scripted dialogs, no splash.
  void Prepare(TPwkProgObj& frame) {
    frame.SetProgName("SyllabrixFrameTest");
    frame.SetProgFileExtSettings("sxs");
    frame.SettingsObj().SetApplicationFolder(AppDir.str());
    frame.SetUserDialogs(&Dialogs);
    frame.SplashScreenAutoShow = false;
    frame.SetLanguages(TLanguageSet::AllLanguages());
  }
  std::string ConfigDir() const { return GetConfigPwqConfigDir("SyllabrixFrameTest"); }

  testsupport::TempDir AppDir;
  testsupport::TempDir ConfigHome;
  TScriptedDialogs Dialogs;

 private:
  bool FHadConfigHome = false;
  std::string FOldConfigHome;
};
