// The one QApplication of the main-window tests, screenshots, and a fixture
// whose program has its own configuration folder.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QWidget>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "test_support.h"
#include "wordgen/gui/prog.h"

QApplication& WordGenTestApp();

// Saves the widget as SYLLABRIX_SCREENSHOT_DIR/wordgen_<name>.png.
void SaveScreenshot(QWidget* widget, const std::string& name);
// The same with one of the window's menus open, drawn where it stands.
void SaveScreenshotWithMenu(QWidget* window, QMenu* menu, const std::string& name);

// Answers the main window's questions from a script and records what it showed.
class TScriptedProgDialogs : public TProgDialogs {
 public:
  struct TMessage {
    TMessageKind Kind;
    std::string Caption;
    std::string Text;
  };
  struct TAsked {
    std::string Caption, Prompt, OkCaption, CancelCaption, Text;
  };
  struct TSaveAsked {
    std::string Title, Folder, FileName, Filter;
    int32_t FilterIndex = 0;
  };
  std::vector<TMessage> Messages;
  std::vector<TAsked> Inputs;
  std::vector<TAsked> Memos;
  std::vector<TSaveAsked> Saves;
  // Title and filter of every open dialog.
  std::vector<std::pair<std::string, std::string>> Opens;
  // The answers, taken in turn; an empty queue answers "cancel".
  std::vector<std::string> InputAnswers;
  std::vector<std::string> OpenAnswers;
  std::vector<std::string> SaveAnswers;
  // The filter entry the user leaves chosen; 0 keeps the preselected one.
  int32_t SaveChosenFilter = 0;
  // What the window put on the clipboard last.
  std::string Clipboard;

  void MessageBox(TMessageKind kind, const std::string& caption, const std::string& text) override {
    Messages.push_back({kind, caption, text});
  }
  std::string InputEdit(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                        const std::string& cancelCaption, const std::string& text) override {
    Inputs.push_back({caption, prompt, okCaption, cancelCaption, text});
    return Take(InputAnswers, NulMarker());
  }
  void InputMemo(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                 const std::string& cancelCaption, const std::string& text) override {
    Memos.push_back({caption, prompt, okCaption, cancelCaption, text});
  }
  std::string OpenFile(const std::string& title, const std::string& filter) override {
    Opens.push_back({title, filter});
    return Take(OpenAnswers, "");
  }
  std::string SaveFile(const std::string& title, const std::string& folder, const std::string& fileName,
                       const std::string& filter, int32_t& filterIndex) override {
    Saves.push_back({title, folder, fileName, filter, filterIndex});
    if (SaveChosenFilter > 0) filterIndex = SaveChosenFilter;
    return Take(SaveAnswers, "");
  }
  void SetClipboardText(const std::string& text) override { Clipboard = text; }
  // Every yes/no question, and the answers taken in turn; an empty queue answers no.
  std::vector<TAsked> Questions;
  std::vector<bool> YesNoAnswers;
  bool AskYesNo(const std::string& caption, const std::string& question, const std::string& yesCaption,
                const std::string& noCaption) override {
    Questions.push_back({caption, question, yesCaption, noCaption, ""});
    if (YesNoAnswers.empty()) return false;
    const bool answer = YesNoAnswers.front();
    YesNoAnswers.erase(YesNoAnswers.begin());
    return answer;
  }

 private:
  static std::string Take(std::vector<std::string>& queue, const std::string& fallback) {
    if (queue.empty()) return fallback;
    std::string first = queue.front();
    queue.erase(queue.begin());
    return first;
  }
};

// Points the per-user configuration folder at a fresh temporary folder for
// the test and brings the English texts back afterwards.
class TWordGenFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The options of a window that keeps to the test's folders and answers from Dialogs.
  TProgOptions Options();
  // Shows the window at the form's size, active.
  static void Show(Tprog& w);
  // The configuration folder of the program's settings files ("start.sxs").
  std::string ConfigDir() const;

  testsupport::TempDir ConfigHome;
  testsupport::TempDir AppDir;
  TScriptedProgDialogs Dialogs;

 private:
  bool FHadConfigHome = false;
  std::string FOldConfigHome;
};
