// The main window as a user relies on it every day: any file opens, no single
// keystroke throws work away, clearing can be undone, and a save says what it
// replaced or why it failed.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>

#include "controls/application_language.h"
#include "controls/dialogs.h"
#include "controls/zoom_memo.h"
#include "failing_folders.h"
#include "foundation/code_pages.h"
#include "foundation/str_transform.h"
#include "foundation/text_files.h"
#include "frame/qt/settings_user_dialogs_qt.h"
#include "qt_test_support.h"
#include "text/text_store.h"
#include "wordgen/counter/counter.h"
#include "wordgen/gui/settings_ids.h"
#include "wordgen_gui_test_app.h"

namespace {

namespace fs = std::filesystem;

std::string Text(const QPlainTextEdit* memo) { return memo->toPlainText().toStdString(); }

class EverydaySafety : public TWordGenFixture {
 protected:
  static void Set(Tprog& w, int32_t id, int32_t value) {
    w.SP().SettingsObj().Controls()[id].Value = std::to_string(value);
    w.SP().SettingsObj().Controls()[id].ValueInt = value;
  }
  // Escape in the field, as a user presses it; true when the window closed.
  static bool PressEscapeIn(Tprog& w, QWidget* field) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    QApplication::processEvents();
    return !w.isVisible();
  }
  std::string CloseQuestion() const { return SprLocalText(123); }
};

// --- Any file opens ------------------------------------------------------------

TEST_F(EverydaySafety, FilesWithoutExtensionOpenThroughTheScriptedDialogs) {
  Tprog w(Options());
  testsupport::TempDir dir;
  testsupport::WriteFileBytes(dir.file("README"), "0100 KA\n0100 TI\n");
  Dialogs.OpenAnswers = {dir.file("README")};
  w.Item("m_silbenliste_load")->trigger();
  EXPECT_EQ(Text(w.m_silben()), "0100 KA\n0100 TI\n");
  const std::string licence = "/usr/share/common-licenses/GPL-3";
  if (fs::is_regular_file(licence)) {
    Dialogs.OpenAnswers = {licence};
    w.Item("pm_counter_in_load")->trigger();
    EXPECT_EQ(Text(w.m_counter_in()), LoadString(licence));
    EXPECT_NE(Text(w.m_counter_in()).find("GNU GENERAL PUBLIC LICENSE"), std::string::npos);
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
  // A file that is not there: the path and the reason, and the field keeps its text.
  Dialogs.OpenAnswers = {dir.file("gone")};
  w.Item("m_silbenliste_load")->trigger();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Caption, SprText(7));
  EXPECT_EQ(Dialogs.Messages[0].Text, "File not found.\n\n" + dir.file("gone") + "\n" + std::strerror(ENOENT));
  EXPECT_EQ(Text(w.m_silben()), "0100 KA\n0100 TI\n");
  // A name that is a folder cannot be read: the path and why.
  Dialogs.OpenAnswers = {dir.str()};
  w.Item("m_silbenliste_load")->trigger();
  ASSERT_EQ(Dialogs.Messages.size(), 2u);
  EXPECT_EQ(Dialogs.Messages[1].Text, dir.str() + "\n" + std::strerror(EISDIR));
  EXPECT_EQ(Text(w.m_silben()), "0100 KA\n0100 TI\n");
}

// Drives the next file dialog as a user does: chooses the filter entry,
// types the name into the name field and presses Return. A window the
// dialog opens over itself ("File not found") counts as a refusal; it is
// closed and the dialog cancelled.
class TFileDialogDriver {
 public:
  TFileDialogDriver(QString name, int filterEntry) : FName(std::move(name)), FFilterEntry(filterEntry) {
    FTimer.setInterval(20);
    QObject::connect(&FTimer, &QTimer::timeout, [this] { Step(); });
    FTimer.start();
  }
  bool Refused = false;
  QStringList Filters;

 private:
  void Step() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      Refused = true;
      box->done(QMessageBox::Ok);
      if (FDialog) FDialog->reject();
      return;
    }
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (dialog != nullptr && dialog == FDialog) {
      // A dialog that keeps ignoring the typed name would keep the test in exec().
      if (FTyped.elapsed() < kModalBoundMs) return;
      ADD_FAILURE() << "The file dialog \"" << dialog->windowTitle().toStdString() << "\" did not take \""
                    << FName.toStdString() << "\"; closing it";
      dialog->reject();
      return;
    }
    if (dialog == nullptr) return;
    FDialog = dialog;
    FTyped.start();
    Filters = dialog->nameFilters();
    if (FFilterEntry < Filters.size()) dialog->selectNameFilter(Filters.at(FFilterEntry));
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(FName);
    // The name's completion list would take the Return key.
    if (edit->completer() && edit->completer()->popup()) edit->completer()->popup()->hide();
    // Pressed after this step returns: the "File not found" window the key may
    // open runs its own loop, in which this timer must fire again.
    QMetaObject::invokeMethod(
        edit, [edit] { QTest::keyClick(edit, Qt::Key_Return); }, Qt::QueuedConnection);
  }

  QString FName;
  int FFilterEntry;
  QTimer FTimer;
  QFileDialog* FDialog = nullptr;
  QElapsedTimer FTyped;
};

TEST_F(EverydaySafety, TheRealOpenDialogsOpenATypedNameAsItExists) {
  WordGenTestApp();
  testsupport::TempDir dir;
  testsupport::WriteFileBytes(dir.file("README"), "a");
  testsupport::WriteFileBytes(dir.file("notes.txt"), "b");
  testsupport::WriteFileBytes(dir.file("profile"), "[s]\n");
  testsupport::WriteFileBytes(dir.file("work.sxs"), "[s]\n");
  TQtProgDialogs prog(nullptr);
  const std::string filter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
  const struct {
    std::string Typed;
    std::string Opened;
  } kProgCases[] = {
      {dir.file("README"), dir.file("README")},
      // A name that does not exist as typed still finds the file with the default extension.
      {dir.file("notes"), dir.file("notes.txt")},
      {"/usr/share/common-licenses/GPL-3", "/usr/share/common-licenses/GPL-3"},
  };
  for (const auto& c : kProgCases) {
    if (!fs::exists(c.Opened)) continue;
    TFileDialogDriver driver(QString::fromStdString(c.Typed), 1);
    EXPECT_EQ(prog.OpenFile("Open", filter), c.Opened) << c.Typed;
    EXPECT_FALSE(driver.Refused) << c.Typed;
    // "All Files" shows every file, those without a dot too.
    EXPECT_EQ(driver.Filters, (QStringList{"Text Files (*.txt)", "All Files (*)"}));
  }
  // The frame's open dialog for settings files and profiles.
  TQtSettingsUserDialogs frame(nullptr);
  const std::string settingsFilter = "Syllabrix Settings (*.sxs)|*.sxs";
  for (const auto& [typed, opened] :
       {std::pair{dir.file("profile"), dir.file("profile")}, std::pair{dir.file("work"), dir.file("work.sxs")}}) {
    TFileDialogDriver driver(QString::fromStdString(typed), 0);
    EXPECT_EQ(frame.OpenFileDialog("Load", "sxs", settingsFilter), opened) << typed;
    EXPECT_FALSE(driver.Refused) << typed;
  }
  // A name that exists in neither form is refused by the dialog.
  TFileDialogDriver driver(QString::fromStdString(dir.file("nothing")), 1);
  EXPECT_EQ(prog.OpenFile("Open", filter), "");
  EXPECT_TRUE(driver.Refused);
}

// --- No keystroke throws work away ---------------------------------------------

TEST_F(EverydaySafety, EscapeAsksOnlyWhileAFieldHoldsUnsavedText) {
  testsupport::TempDir dir;
  testsupport::WriteFileBytes(dir.file("input"), "loaded text");
  const struct {
    const char* Name;
    std::function<void(Tprog&, TScriptedProgDialogs&)> Work;
    bool Asks;
  } kCases[] = {
      {"nothing done", [](Tprog&, TScriptedProgDialogs&) {}, false},
      {"words created", [](Tprog& w, TScriptedProgDialogs&) { w.bt_createClick(nullptr); }, true},
      {"words created and saved",
       [&](Tprog& w, TScriptedProgDialogs& d) {
         w.bt_createClick(nullptr);
         d.SaveAnswers = {dir.file("words.txt")};
         w.Item("m_save_result_general")->trigger();
       },
       false},
      {"words created and copied",
       [](Tprog& w, TScriptedProgDialogs&) {
         w.bt_createClick(nullptr);
         w.Item("m_copy_result_to_clipboard_text")->trigger();
       },
       false},
      {"words copied with Ctrl+A, Ctrl+C",
       [](Tprog& w, TScriptedProgDialogs&) {
         w.bt_createClick(nullptr);
         w.m_creator_out()->setFocus();
         w.m_creator_out()->selectAll();
         QTest::keyClick(w.m_creator_out(), Qt::Key_C, Qt::ControlModifier);
       },
       false},
      {"a part of the words copied",
       [](Tprog& w, TScriptedProgDialogs&) {
         w.bt_createClick(nullptr);
         QTextCursor cursor = w.m_creator_out()->textCursor();
         cursor.setPosition(0);
         cursor.setPosition(2, QTextCursor::KeepAnchor);
         w.m_creator_out()->setTextCursor(cursor);
         QTest::keyClick(w.m_creator_out(), Qt::Key_C, Qt::ControlModifier);
       },
       true},
      {"words created, then cleared",
       [](Tprog& w, TScriptedProgDialogs&) {
         w.bt_createClick(nullptr);
         w.Item("m_clear_result")->trigger();
       },
       false},
      {"input typed",
       [](Tprog& w, TScriptedProgDialogs&) {
         w.pc()->setCurrentWidget(w.tab_counter());
         QTest::keyClicks(w.m_counter_in(), "typed by hand");
       },
       true},
      {"input loaded from a file",
       [&](Tprog& w, TScriptedProgDialogs& d) {
         d.OpenAnswers = {dir.file("input")};
         w.Item("pm_counter_in_load")->trigger();
       },
       false},
      {"input loaded, counted, result and input copied",
       [&](Tprog& w, TScriptedProgDialogs& d) {
         d.OpenAnswers = {dir.file("input")};
         w.Item("pm_counter_in_load")->trigger();
         w.pc()->setCurrentWidget(w.tab_counter());
         w.bt_countClick(nullptr);
         w.Item("m_copy_result_to_clipboard_table")->trigger();
       },
       false},
      {"input loaded and counted",
       [&](Tprog& w, TScriptedProgDialogs& d) {
         d.OpenAnswers = {dir.file("input")};
         w.Item("pm_counter_in_load")->trigger();
         w.bt_countClick(nullptr);
       },
       true},
      {"syllable list typed",
       [](Tprog& w, TScriptedProgDialogs&) {
         QTest::keyClicks(w.m_silben(), "0100 XY");
         QTest::keyClick(w.m_silben(), Qt::Key_Return);
       },
       true},
      {"syllable list typed, then a built-in list chosen",
       [](Tprog& w, TScriptedProgDialogs&) {
         QTest::keyClicks(w.m_silben(), "0100 XY");
         QTest::keyClick(w.m_silben(), Qt::Key_Return);
         w.Item("m_silben_de")->trigger();
       },
       false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.Name);
    Dialogs.Questions.clear();
    Tprog w(Options());
    Show(w);
    c.Work(w, Dialogs);
    const std::string words = Text(w.m_creator_out());
    EXPECT_EQ(w.HoldsUnsavedText(), c.Asks);
    // Escape in a text field: the question, and No keeps the window and its text.
    const bool closed = PressEscapeIn(w, w.m_counter_in());
    if (!c.Asks) {
      EXPECT_TRUE(closed);
      EXPECT_TRUE(Dialogs.Questions.empty());
      continue;
    }
    EXPECT_FALSE(closed);
    ASSERT_EQ(Dialogs.Questions.size(), 1u);
    EXPECT_EQ(Dialogs.Questions[0].Caption, SprText(3));
    EXPECT_EQ(Dialogs.Questions[0].Prompt, CloseQuestion());
    EXPECT_EQ(Dialogs.Questions[0].OkCaption, "Yes");
    EXPECT_EQ(Dialogs.Questions[0].CancelCaption, "No");
    EXPECT_EQ(Text(w.m_creator_out()), words);
    // Yes closes.
    Dialogs.YesNoAnswers = {true};
    EXPECT_TRUE(PressEscapeIn(w, w.m_creator_out()));
    EXPECT_EQ(Dialogs.Questions.size(), 2u);
  }
}

TEST_F(EverydaySafety, EveryWayOfClosingAsksOnceAndNoSavesNoSettings) {
  Tprog w(Options());
  Show(w);
  w.bt_createClick(nullptr);
  // Saving the settings on exit waits for the answer.
  w.SP().SettingsObj().SetAutoSaveOnExit(true);
  w.Item("m_close")->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(w.isVisible());
  w.close();  // the window's close button
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(Dialogs.Questions.size(), 2u);
  EXPECT_FALSE(fs::exists(ConfigDir() + "start.sxs"));
  Dialogs.YesNoAnswers = {true};
  w.close();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(Dialogs.Questions.size(), 3u);
  EXPECT_TRUE(fs::exists(ConfigDir() + "start.sxs"));
}

// --- Clearing can be undone ------------------------------------------------------

TEST_F(EverydaySafety, ClearedFieldsComeBackWithUndo) {
  Tprog w(Options());
  Show(w);
  // Ctrl+W clears the counter's input, Ctrl+Z brings it back.
  w.pc()->setCurrentWidget(w.tab_counter());
  QApplication::processEvents();
  w.m_counter_in()->setFocus();
  QTest::keyClicks(w.m_counter_in(), "Hello, hello!");
  QTest::keyClick(w.m_counter_in(), Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(Text(w.m_counter_in()), "");
  QTest::keyClick(w.m_counter_in(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(w.m_counter_in()), "Hello, hello!");
  // Ctrl+Delete clears the count, Ctrl+Z brings it back.
  w.bt_countClick(nullptr);
  const std::string count = Text(w.m_counter_out());
  ASSERT_FALSE(count.empty());
  w.m_counter_out()->setFocus();
  QTest::keyClick(w.m_counter_out(), Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(Text(w.m_counter_out()), "");
  QTest::keyClick(w.m_counter_out(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(w.m_counter_out()), count);
  // The created words the same way, on the creator tab.
  w.pc()->setCurrentWidget(w.tab_creator());
  QApplication::processEvents();
  w.bt_createClick(nullptr);
  const std::string words = Text(w.m_creator_out());
  ASSERT_FALSE(words.empty());
  w.m_creator_out()->setFocus();
  QTest::keyClick(w.m_creator_out(), Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(Text(w.m_creator_out()), "");
  QTest::keyClick(w.m_creator_out(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(w.m_creator_out()), words);
  // The restored text is unsaved work again.
  EXPECT_TRUE(w.HoldsUnsavedText());
  // The popup's clear of the syllable list too.
  const std::string list = Text(w.m_silben());
  w.Item("pm_silben_clear")->trigger();
  EXPECT_EQ(Text(w.m_silben()), "");
  w.m_silben()->undo();
  EXPECT_EQ(Text(w.m_silben()), list);
}

// --- Saves say what they replaced or why they failed ------------------------------

TEST_F(EverydaySafety, ALossySaveSaysHowManyCharactersWereReplaced) {
  Tprog w(Options());
  testsupport::TempDir dir;
  w.m_creator_out()->setPlainText("k\xC3\xA4\xE6\x97\xA5\xE6\x9C\xACm\xC3\xBC");  // "kä日本mü"
  Set(w, kSettingEncoding, cpISO88591);
  Dialogs.SaveAnswers = {dir.file("latin1.txt")};
  w.Item("pm_creator_out_save_txt")->trigger();
  EXPECT_EQ(testsupport::ReadFileBytes(dir.file("latin1.txt")), "k\xE4??m\xFC");
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  // It warns, as its caption says.
  EXPECT_EQ(Dialogs.Messages[0].Kind, TMessageKind::Warning);
  EXPECT_EQ(Dialogs.Messages[0].Caption, SprText(3));
  std::string expected = StringReplaceFast(SprLocalText(124), "<N>", "2");
  expected = StringReplaceFast(expected, "<E>", CodePageToStr(cpISO88591, true));
  EXPECT_EQ(Dialogs.Messages[0].Text, expected);
  EXPECT_NE(expected.find("UTF-8"), std::string::npos);
  // The file is saved all the same: closing asks nothing.
  EXPECT_FALSE(w.HoldsUnsavedText());

  // In UTF-8 nothing is replaced and nothing is said.
  Dialogs.Messages.clear();
  Set(w, kSettingEncoding, cpUTF8);
  Dialogs.SaveAnswers = {dir.file("utf8.txt")};
  w.Item("pm_creator_out_save_txt")->trigger();
  EXPECT_TRUE(Dialogs.Messages.empty());

  // A count table in CSV: the letters of the counted words that the code page cannot hold.
  Set(w, kSettingEncoding, cpISO88591);
  Set(w, kSettingCountType, ctWords);
  w.pc()->setCurrentWidget(w.tab_counter());
  w.m_counter_in()->setPlainText("\xD0\xB6\xD1\x83\xD0\xBA k\xC3\xA4 \xD0\xB6\xD1\x83\xD0\xBA");  // "жук kä жук"
  w.bt_countClick(nullptr);
  Dialogs.SaveAnswers = {dir.file("table.csv")};
  w.Item("m_counter_out_save_csv")->trigger();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, StringReplaceFast(StringReplaceFast(SprLocalText(124), "<N>", "3"), "<E>",
                                                        CodePageToStr(cpISO88591, true)));
}

TEST_F(EverydaySafety, FailedSavesShowTheFileAndTheReason) {
  Tprog w(Options());
  testsupport::TempDir dir;
  w.bt_createClick(nullptr);
  auto expectFailure = [&](const std::string& file, int reason) {
    for (const char* sender : {"pm_creator_out_save_txt", "m_creator_out_save_docx"}) {
      Dialogs.Messages.clear();
      Dialogs.SaveAnswers = {file};
      w.Item(sender)->trigger();
      ASSERT_EQ(Dialogs.Messages.size(), 1u) << file;
      EXPECT_EQ(Dialogs.Messages[0].Kind, TMessageKind::Error);
      const std::string written = file + (std::string(sender).ends_with("docx") ? ".docx" : ".txt");
      EXPECT_EQ(Dialogs.Messages[0].Text, FileFailureText(SprText(158), written, reason)) << sender;
      EXPECT_NE(Dialogs.Messages[0].Text.find(std::strerror(reason)), std::string::npos);
    }
  };
  expectFailure(dir.file("missing") + "/words", ENOENT);
  {
    testsupport::TReadOnlyFolder locked;
    if (locked.Unavailable().empty()) {
      expectFailure(locked.Folder() + "words", EACCES);
    } else {
      // A path under a file stands in for a folder the user may not write.
      std::cout << "[ SKIPPED ] read-only folder: " << locked.Unavailable() << "\n";
      testsupport::WriteFileBytes(dir.file("file"), "x");
      expectFailure(dir.file("file") + "/words", ENOTDIR);
    }
  }
  testsupport::TFullFileSystem full;
  if (!full.Unavailable().empty()) GTEST_SKIP() << "full file system: " << full.Unavailable();
  w.m_creator_out()->setPlainText(QString(200000, QLatin1Char('x')));
  expectFailure(full.Folder() + "words", ENOSPC);
}

// --- How the two new windows look -------------------------------------------------

// Runs show() while the modal window it opens is photographed and closed with
// the button of the given object name (a message box with its OK button).
void ScreenshotOfModal(const std::string& name, const char* button, const std::function<void()>& show) {
  bool taken = false;
  OnNextModal([&](QWidget* modal) {
    taken = true;
    SaveScreenshot(modal, name);
    if (auto* b = modal->findChild<QPushButton*>(QString::fromLatin1(button)))
      b->click();
    else if (auto* box = qobject_cast<QMessageBox*>(modal))
      box->button(QMessageBox::Ok)->click();
  });
  show();
  EXPECT_TRUE(taken) << name;
}

TEST_F(EverydaySafety, ScreenshotsOfTheCloseQuestionAndTheReplacementNotice) {
  Tprog w(Options());
  Show(w);
  TQtProgDialogs real(&w);
  for (uint32_t language : {0u, 1u, 13u}) {
    SetSprResGlobal(language);
    SetApplicationLanguage(static_cast<int32_t>(language));
    const std::string code = language == 0 ? "en" : language == 1 ? "de" : "ar";
    bool answer = true;
    ScreenshotOfModal("close_question_" + code, kDialogNoButtonName,
                      [&] { answer = real.AskYesNo(SprText(3), SprLocalText(123), SprText(193), SprText(194)); });
    EXPECT_FALSE(answer);
    std::string text = StringReplaceFast(SprLocalText(124), "<N>", "2");
    text = StringReplaceFast(text, "<E>", CodePageToStr(cpISO88591, true));
    ScreenshotOfModal("replaced_characters_" + code, "",
                      [&] { real.MessageBox(TMessageKind::Warning, SprText(3), text); });
  }
  SetApplicationLanguage(0);
}

}  // namespace
