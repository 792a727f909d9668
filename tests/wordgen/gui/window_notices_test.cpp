// What the main window tells the user before work is lost: the real close
// question, which a key pressed without looking never answers with Yes, and
// the notice that a table too long for one sheet was saved on several.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>

#include "controls/application_language.h"
#include "controls/dialogs.h"
#include "controls/zoom_memo.h"
#include "foundation/str_transform.h"
#include "qt_test_support.h"
#include "text/english_texts.h"
#include "text/text_store.h"
#include "wordgen_gui_test_app.h"

namespace {

class WindowNotices : public TWordGenFixture {};

TEST_F(WindowNotices, EscapeThenAKeyKeepsTheWindowAndTheWords) {
  TProgOptions options = Options();
  options.Dialogs = nullptr;  // the window's own question
  Tprog w(options);
  Show(w);
  w.bt_createClick(nullptr);
  const QString words = w.m_creator_out()->toPlainText();
  ASSERT_FALSE(words.isEmpty());
  ASSERT_TRUE(w.HoldsUnsavedText());
  // Enter (both keys) answers with the default button, Escape with No.
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    SCOPED_TRACE(key == Qt::Key_Return ? "Return" : key == Qt::Key_Enter ? "Enter" : "Escape");
    bool asked = false;
    OnNextModal([&](QWidget* modal) {
      asked = true;
      EXPECT_EQ(modal->windowTitle().toStdString(), SprText(3));
      QPushButton* defaultButton = nullptr;
      for (QPushButton* button : modal->findChildren<QPushButton*>())
        if (button->isDefault()) defaultButton = button;
      // No assertion returns early here: the question must be answered below.
      EXPECT_EQ(defaultButton != nullptr ? defaultButton->objectName().toStdString() : "none", kDialogNoButtonName);
      EXPECT_EQ(defaultButton != nullptr ? defaultButton->text().toStdString() : "", SprText(194));
      // The caption warns, and so does the icon.
      auto* box = qobject_cast<QMessageBox*>(modal);
      EXPECT_EQ(box != nullptr ? box->icon() : QMessageBox::NoIcon, QMessageBox::Warning);
      EXPECT_EQ(box != nullptr ? box->text().toStdString() : "", SprLocalText(123));
      if (key == Qt::Key_Return) SaveScreenshot(modal, "close_question_warns");
      // The key goes where the user's key would: to the widget with the focus.
      QWidget* target = QApplication::focusWidget();
      if (target == nullptr || target->window() != modal) target = modal;
      QTest::keyClick(target, key);
      if (modal->isVisible()) {
        ADD_FAILURE() << "the key left the question open";
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      }
    });
    // Escape is the window's shortcut: it acts while the window is active,
    // as it is again once the question has gone.
    w.activateWindow();
    ASSERT_TRUE(WaitFor([&] { return w.isActiveWindow(); }));
    w.m_creator_out()->setFocus();
    QTest::keyClick(w.m_creator_out(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.m_creator_out()->toPlainText(), words);
  }
}

TEST_F(WindowNotices, ATableLongerThanASheetIsSavedOnSeveralAndTheWindowSaysSo) {
  Tprog w(Options());
  testsupport::TempDir dir;
  w.pc()->setCurrentWidget(w.tab_counter());
  TCounterObj& counter = w.Counter();
  // A table that fits one sheet says nothing.
  counter.GlobalErg.Add(1, "w0");
  counter.GlobalErgCount = counter.GlobalErg.Count();
  Dialogs.SaveAnswers = {dir.file("fits.ods")};
  w.Item("m_counter_out_save_ods")->trigger();
  EXPECT_TRUE(std::filesystem::exists(dir.file("fits.ods")));
  EXPECT_TRUE(Dialogs.Messages.empty());

  // One item more than a sheet holds rows (counting a text that long would
  // take the test most of its time).
  for (int32_t i = 1; i <= 1048576; ++i) counter.GlobalErg.Add(1, "w" + std::to_string(i));
  counter.GlobalErgCount = counter.GlobalErg.Count();
  Dialogs.SaveAnswers = {dir.file("table.ods")};
  w.Item("m_counter_out_save_ods")->trigger();
  EXPECT_TRUE(std::filesystem::exists(dir.file("table.ods")));
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Kind, TMessageKind::Information);
  EXPECT_EQ(Dialogs.Messages[0].Caption, SprText(1));
  EXPECT_EQ(Dialogs.Messages[0].Text, StringReplaceFast(SprLocalText(127), "<N>", "2"));

  // Every language says how many, in its own words.
  TQtProgDialogs real(&w);
  for (uint32_t language = 0; language <= 13; ++language) {
    SetSprResGlobal(language);
    if (language == 0 || language == 1 || language == 13) {
      // As the program switches: Arabic lays its message boxes out right to left.
      SetApplicationLanguage(static_cast<int32_t>(language));
      bool shown = false;
      OnNextModal([&](QWidget* modal) {
        shown = true;
        SaveScreenshot(modal, "saved_on_sheets_" + std::to_string(language));
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();
      });
      real.MessageBox(TMessageKind::Information, SprText(1), StringReplaceFast(SprLocalText(127), "<N>", "2"));
      EXPECT_TRUE(shown);
    }
    EXPECT_NE(SprLocalText(127).find("<N>"), std::string::npos) << language;
    if (language > 0) {
      EXPECT_NE(SprLocalText(127), SprEnglishProgramTexts()[127]) << language;
    }
  }
  SetApplicationLanguage(0);
}

}  // namespace
