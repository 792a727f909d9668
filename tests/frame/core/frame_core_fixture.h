// Shared pieces of the frame core tests: a user who answers from a script,
// and a fixture with its own application and configuration folders.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "frame/core/settings_obj.h"
#include "test_support.h"
#include "text/text_store.h"

struct TScriptedDialogs : TSettingsUserDialogs {
  struct TMessage {
    TSOMessageKind Kind;
    std::string Caption, Text;
  };
  std::vector<TMessage> Messages;
  std::deque<std::string> Answers;  // for InputEdit, InputComboBox and the file dialogs
  std::vector<std::string> Asked;   // the captions of the dialogs that were opened
  TStrArray LastItems;
  std::vector<std::string> Shown;

  std::string Next(const std::string& caption) {
    Asked.push_back(caption);
    if (Answers.empty()) return NulMarker();
    std::string a = Answers.front();
    Answers.pop_front();
    return a;
  }
  void MessageBox(TSOMessageKind kind, const std::string& caption, const std::string& text) override {
    Messages.push_back({kind, caption, text});
  }
  std::string InputEdit(const std::string& caption, const std::string&, const std::string&, const std::string&,
                        const std::string&) override {
    return Next(caption);
  }
  std::string InputComboBox(const std::string& caption, const std::string&, const std::string&, const std::string&,
                            const std::string&, const TStrArray& items) override {
    LastItems = items;
    return Next(caption);
  }
  std::string SaveFileDialog(const std::string& title, const std::string&, const std::string&,
                             const std::string&) override {
    std::string a = Next(title);
    return a == NulMarker() ? "" : a;
  }
  std::string OpenFileDialog(const std::string& title, const std::string&, const std::string&) override {
    std::string a = Next(title);
    return a == NulMarker() ? "" : a;
  }
  void ShowText(const std::string& text) override { Shown.push_back(text); }
};

// Each test gets an empty application folder and an empty per-user
// configuration home, and the English texts.
class TSettingsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    SetSprResGlobal(0);
    const char* old = std::getenv("XDG_CONFIG_HOME");
    FOldConfigHome = old ? old : "";
    FHadConfigHome = old != nullptr;
    setenv("XDG_CONFIG_HOME", ConfigHome.str().c_str(), 1);
    SO.ProgName = "SyllabrixTest";
    SO.SetProgFileExtSettings("sxs");
    SO.SetApplicationFolder(AppDir.str());
    SO.SetUserDialogs(&Dialogs);
  }
  void TearDown() override {
    if (FHadConfigHome)
      setenv("XDG_CONFIG_HOME", FOldConfigHome.c_str(), 1);
    else
      unsetenv("XDG_CONFIG_HOME");
  }
  std::string ConfigDir() const { return SO.ConfigFolder(); }
  std::string AppPath(const std::string& name) const { return AppDir.file(name); }

  testsupport::TempDir AppDir;
  testsupport::TempDir ConfigHome;
  TScriptedDialogs Dialogs;
  TSettingsObj SO;

 private:
  std::string FOldConfigHome;
  bool FHadConfigHome = false;
};
