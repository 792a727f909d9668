#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "controls/dialog_layout.h"
#include "controls/dialogs.h"
#include "controls/zoom_memo.h"
#include "controls_test_app.h"
#include "foundation/qt/qt_strings.h"

namespace {

// Every character 7 pixels wide, every line 15 high.
class TFixedMeasurer : public TTextMeasurer {
 public:
  int32_t TextWidth(std::string_view text) const override { return 7 * static_cast<int32_t>(text.size()); }
  int32_t TextHeight(std::string_view) const override { return 15; }
};

struct TRecordingHandler : TDialogHandler {
  struct TCall {
    std::string what, caption, text, button1, button2, button3, defaultText;
    int32_t kind = 0;
    bool flag = false;
  };
  std::vector<TCall> calls;
  int32_t confirmationAnswer = kModalResultYes;
  std::string inputAnswer = "typed";

  void Notification(const std::string& caption, const std::string& message, const std::string& button) override {
    calls.push_back({"notification", caption, message, button, "", "", "", 0, false});
  }
  int32_t Confirmation(const std::string& caption, const std::string& question, const std::string& yes,
                       const std::string& no, const std::string& cancel, bool system) override {
    calls.push_back({"confirmation", caption, question, yes, no, cancel, "", 0, system});
    return confirmationAnswer;
  }
  std::string Input(const std::string& caption, const std::string& prompt, const std::string& ok,
                    const std::string& cancel, const std::string& defaultText, const TStrArray& items, int32_t kind,
                    bool password) override {
    calls.push_back({"input", caption, prompt, ok, cancel, items.empty() ? "" : items[0], defaultText, kind, password});
    return inputAnswer;
  }
};

QPushButton* Button(QWidget* modal, const char* name) { return modal->findChild<QPushButton*>(QLatin1String(name)); }

}  // namespace

TEST(DialogsHeadless, NotificationOrMemoSwitchesAtTheLimit) {
  TRecordingHandler handler;
  TScopedDialogHandler scope(&handler);
  NotificationDialogOrMemo("Cap", std::string(399, 'a'), 400);
  NotificationDialogOrMemo("Cap", std::string(400, 'b'), 400);
  SV("value");
  ASSERT_EQ(handler.calls.size(), 3u);
  EXPECT_EQ(handler.calls[0].what, "notification");
  EXPECT_EQ(handler.calls[0].text, "\"" + std::string(399, 'a') + "\"");
  EXPECT_EQ(handler.calls[0].button1, "OK");
  EXPECT_EQ(handler.calls[1].what, "input");
  EXPECT_EQ(handler.calls[1].kind, kInputKindMemo);
  EXPECT_EQ(handler.calls[1].defaultText, std::string(400, 'b'));
  EXPECT_EQ(handler.calls[1].button1, "");
  EXPECT_EQ(handler.calls[1].button2, "");
  EXPECT_EQ(handler.calls[2].caption, "String");
  EXPECT_EQ(handler.calls[2].text, "\"value\"");
}

TEST(DialogsHeadless, ConfirmationFormsChooseTheWindowAndTheCancelButton) {
  TRecordingHandler handler;
  TScopedDialogHandler scope(&handler);
  struct TCase {
    int32_t answer;
    bool ownWindow;
    bool expected;
  } cases[] = {{kModalResultYes, true, true},  {kModalResultNo, true, false},  {kModalResultCancel, true, false},
               {kModalResultYes, false, true}, {kModalResultNo, false, false}, {kModalResultCancel, false, false}};
  for (const TCase& c : cases) {
    handler.calls.clear();
    handler.confirmationAnswer = c.answer;
    EXPECT_EQ(ConfirmationDialog("C", "Q?", "Y", "N", c.ownWindow), c.expected);
    ASSERT_EQ(handler.calls.size(), 1u);
    EXPECT_TRUE(IsNulMarker(handler.calls[0].button3));
    EXPECT_EQ(handler.calls[0].flag, !c.ownWindow);
  }
  handler.calls.clear();
  handler.confirmationAnswer = kModalResultCancel;
  EXPECT_EQ(ConfirmationDialog("C", "Q?", "Y", "N", "", true), kModalResultCancel);
  EXPECT_EQ(handler.calls[0].button3, "");  // an empty caption still asks for a cancel button
  EXPECT_FALSE(handler.calls[0].flag);
}

TEST(DialogsHeadless, InputFunctionsPassTheirKind) {
  TRecordingHandler handler;
  TScopedDialogHandler scope(&handler);
  EXPECT_EQ(InputEdit("C", "P", "OK", "Cancel", "d", true), "typed");
  EXPECT_EQ(InputComboBox("C", "P", "OK", "Cancel", "d", {"one", "two"}), "typed");
  EXPECT_EQ(InputMemo("C", "P", "OK", "Cancel", "d"), "typed");
  ASSERT_EQ(handler.calls.size(), 3u);
  EXPECT_EQ(handler.calls[0].kind, kInputKindEdit);
  EXPECT_TRUE(handler.calls[0].flag);
  EXPECT_EQ(handler.calls[1].kind, kInputKindComboBox);
  EXPECT_EQ(handler.calls[1].button3, "one");
  EXPECT_FALSE(handler.calls[1].flag);
  EXPECT_EQ(handler.calls[2].kind, kInputKindMemo);
}

TEST(DialogLayout, TwoLinePromptPlacesTheEditTwoLinesBelow) {
  TFixedMeasurer m;
  TDialogLayout layout = LayoutInputDialog("first\r\nsecond", "OK", "Cancel", {}, kInputKindEdit, 23, m);
  EXPECT_EQ(layout.LineCount, 2);
  EXPECT_EQ(layout.Input, (TDialogRect{14, 14 + 2 * 15 + 8, 300 - 28, 23}));
  // Buttons 85 wide (the minimum), cancel at the right edge, OK 10 left of it.
  EXPECT_EQ(layout.CancelButton, (TDialogRect{300 - 14 - 85, layout.Input.Bottom() + 14, 85, 27}));
  EXPECT_EQ(layout.ConfirmButton.Left, 300 - 14 - 2 * 85 - 10);
  EXPECT_EQ(layout.ClientHeight, layout.CancelButton.Top + 27 + 12);
  // Without a cancel caption only OK, at the right edge.
  layout = LayoutInputDialog("p", "OK", "", {}, kInputKindEdit, 23, m);
  EXPECT_EQ(layout.CancelButton.Width, 0);
  EXPECT_EQ(layout.ConfirmButton.Left, 300 - 14 - 85);
}

TEST(DialogLayout, PromptIsMeasuredTrimmedAndItemsWidenTheList) {
  TFixedMeasurer m;
  TDialogLayout layout =
      LayoutInputDialog("\r\n  prompt  \r\n", "OK", "Cancel", {std::string(40, 'x')}, kInputKindComboBox, 25, m);
  EXPECT_EQ(layout.LineCount, 1);
  EXPECT_EQ(layout.ClientWidth, 40 * 7 + 80);
  EXPECT_EQ(layout.MessageText, "\r\n  prompt  \r\n");
  layout = LayoutInputDialog("p", "OK", "", {}, kInputKindMemo, 25, m);
  EXPECT_EQ(layout.Input.Height, 140);
  EXPECT_EQ(layout.ConfirmButton.Top, layout.Input.Bottom() + 10);
}

TEST(DialogLayout, LongQuestionIsWrappedAfterEightyCharacters) {
  TFixedMeasurer m;
  std::string question;
  for (int i = 0; i < 40; ++i) question += "word ";
  question.pop_back();  // 199 characters
  TDialogLayout layout = LayoutConfirmationDialog(question, "Yes", "No", NulMarker(), m);
  ASSERT_EQ(layout.LineCount, 3);
  int32_t widest = 0;
  size_t start = 0;
  while (start <= layout.MessageText.size()) {
    size_t end = layout.MessageText.find('\n', start);
    if (end == std::string::npos) end = layout.MessageText.size();
    EXPECT_LE(end - start, 80u);
    widest = std::max(widest, static_cast<int32_t>(end - start));
    start = end + 1;
  }
  EXPECT_EQ(layout.ClientWidth, std::max(350, widest * 7 + 50));
  EXPECT_EQ(layout.ConfirmButton.Top, 14 + 3 * 15 + 16);
  int32_t w = 3 * 7 + 40;
  EXPECT_EQ(layout.NoButton.Left, layout.ClientWidth - 14 - w);
  EXPECT_EQ(layout.ConfirmButton.Left, layout.ClientWidth - 14 - 2 * w - 10);
  // With a cancel caption the two move one button to the left.
  layout = LayoutConfirmationDialog("Q", "Yes", "No", "", m);
  EXPECT_EQ(layout.ClientWidth, 350);
  EXPECT_EQ(layout.CancelButton.Left, 350 - 14 - w);
  EXPECT_EQ(layout.NoButton.Left, 350 - 14 - 2 * w - 10);
  EXPECT_EQ(layout.ConfirmButton.Left, 350 - 14 - 3 * w - 20);
}

TEST(DialogLayout, WideCaptionsWidenTheWindowInsteadOfLeavingIt) {
  TFixedMeasurer m;
  std::string wide(30, 'W');  // 210 + 40 pixels per button
  TDialogLayout layout = LayoutConfirmationDialog("Q", wide, wide, "Cancel", m);
  EXPECT_EQ(layout.ConfirmButton.Left, 14);
  // A long cancel caption is measured too.
  layout = LayoutConfirmationDialog("Q", "Yes", "No", wide, m);
  EXPECT_EQ(layout.CancelButton.Width, 30 * 7 + 40);
  EXPECT_EQ(layout.ConfirmButton.Left, 14);
  layout = LayoutNotificationDialog("", wide + wide, m);
  EXPECT_EQ(layout.ConfirmButton.Left, 14);
  EXPECT_EQ(layout.ClientHeight, 14 + 15 + 8 + 27 + 14);
}

class DialogWindows : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
};

TEST_F(DialogWindows, InputEditGivesEmptyTextOnOkAndTheMarkerOnCancel) {
  OnNextModal([](QWidget* modal) {
    auto* edit = modal->findChild<QLineEdit*>(QLatin1String(kDialogInputName));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("preset"));
    edit->clear();
    SaveScreenshot(modal, "input_edit");
    Button(modal, kDialogOkButtonName)->click();
  });
  EXPECT_EQ(InputEdit("Name", "Enter a name:", "OK", "Cancel", "preset", false), "");

  OnNextModal([](QWidget* modal) { Button(modal, kDialogCancelButtonName)->click(); });
  std::string cancelled = InputEdit("Name", "Enter a name:", "OK", "Cancel", "preset", false);
  EXPECT_EQ(cancelled, NulMarker());
  EXPECT_EQ(cancelled.size(), 1u);

  // Escape counts as Cancel.
  OnNextModal<QDialog>([](QDialog* modal) { modal->reject(); });
  EXPECT_EQ(InputEdit("Name", "p", "OK", "Cancel", "x", false), NulMarker());
}

// A short prompt does not cut a long title: the window is as wide as its title
// and the title bar's icon and buttons.
TEST_F(DialogWindows, InputWindowIsWideEnoughForItsTitle) {
  const QString title = QStringLiteral("Zufallsliste Zahlen (von X bis Y) – Liste de nombres aléatoires");
  OnNextModal([title](QWidget* modal) {
    QFont bold = modal->font();
    bold.setBold(true);
    EXPECT_GE(modal->width(), QFontMetrics(bold).horizontalAdvance(title) + 100);
    auto* edit = modal->findChild<QLineEdit*>(QLatin1String(kDialogInputName));
    ASSERT_NE(edit, nullptr);
    // The buttons keep to the right edge, the edit spans the window.
    EXPECT_GE(edit->width(), modal->width() - 2 * kDialogMargin - 2);
    EXPECT_LE(Button(modal, kDialogCancelButtonName)->geometry().right(), modal->width() - kDialogMargin + 1);
    Button(modal, kDialogOkButtonName)->click();
  });
  EXPECT_EQ(InputEdit(FromQString(title), "From - to:", "OK", "Cancel", "1-10", false), "1-10");
}

TEST_F(DialogWindows, PasswordEditMasksWithStarsAndReturnsTheText) {
  OnNextModal([](QWidget* modal) {
    auto* edit = modal->findChild<QLineEdit*>(QLatin1String(kDialogInputName));
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    edit->setText(QStringLiteral("s3cret"));
    EXPECT_EQ(edit->displayText(), QStringLiteral("******"));
    Button(modal, kDialogOkButtonName)->click();
  });
  EXPECT_EQ(InputEdit("Password", "Password:", "OK", "Cancel", "", true), "s3cret");
}

TEST_F(DialogWindows, TwoLinePromptLayout) {
  OnNextModal([](QWidget* modal) {
    auto* label = modal->findChild<QLabel*>(QLatin1String(kDialogMessageName));
    auto* edit = modal->findChild<QLineEdit*>(QLatin1String(kDialogInputName));
    int lineHeight = label->fontMetrics().height();
    EXPECT_EQ(label->pos(), QPoint(14, 14));
    EXPECT_EQ(edit->y(), 14 + 2 * lineHeight + 8);
    EXPECT_EQ(edit->x(), 14);
    EXPECT_EQ(edit->width(), modal->width() - 28);
    auto* ok = Button(modal, kDialogOkButtonName);
    auto* cancel = Button(modal, kDialogCancelButtonName);
    EXPECT_EQ(cancel->geometry().right() + 1, modal->width() - 14);
    EXPECT_EQ(ok->geometry().right() + 1 + 10, cancel->x());
    EXPECT_EQ(ok->y(), edit->geometry().bottom() + 1 + 14);
    EXPECT_EQ(modal->height(), ok->y() + 27 + 12);
    SaveScreenshot(modal, "input_two_lines");
    Button(modal, kDialogOkButtonName)->click();
  });
  EXPECT_EQ(InputEdit("Two lines", "First line of the prompt\r\nsecond line", "OK", "Cancel", "abc", false), "abc");
}

TEST_F(DialogWindows, ComboBoxGivesTheSelectedItem) {
  OnNextModal([](QWidget* modal) {
    auto* combo = modal->findChild<QComboBox*>(QLatin1String(kDialogInputName));
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_FALSE(combo->isEditable());
    combo->setCurrentIndex(1);
    SaveScreenshot(modal, "input_combo");
    Button(modal, kDialogOkButtonName)->click();
  });
  EXPECT_EQ(InputComboBox("Pick", "Choose:", "OK", "Cancel", "ignored", {"alpha", "beta", "gamma"}), "beta");
  OnNextModal([](QWidget* modal) {
    EXPECT_EQ(modal->findChild<QComboBox*>(QLatin1String(kDialogInputName))->count(), 0);
    Button(modal, kDialogOkButtonName)->click();
  });
  EXPECT_EQ(InputComboBox("Pick", "Choose:", "OK", "Cancel", "", {}), "");
}

TEST_F(DialogWindows, MemoWindowIsResizableAndReturnsItsLines) {
  OnNextModal([](QWidget* modal) {
    auto* memo = modal->findChild<TAdvancedMemo*>(QLatin1String(kDialogInputName));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->height(), 140);
    auto* ok = Button(modal, kDialogOkButtonName);
    EXPECT_EQ(Button(modal, kDialogCancelButtonName), nullptr);
    QSize before = modal->size();
    modal->resize(before.width() + 100, before.height() + 50);
    QApplication::processEvents();
    EXPECT_EQ(memo->height(), 190);
    EXPECT_EQ(ok->geometry().right() + 1, modal->width() - 14);
    SaveScreenshot(modal, "memo_viewer");
    ok->click();
  });
  std::string longText;
  for (int i = 0; i < 30; ++i) longText += "line " + std::to_string(i) + "\n";
  InputMemo("Long text", "", "", "", longText);
  OnNextModal([](QWidget* modal) {
    auto* memo = modal->findChild<TAdvancedMemo*>(QLatin1String(kDialogInputName));
    memo->SetText("a\nb");
    Button(modal, kDialogOkButtonName)->click();
  });
  EXPECT_EQ(InputMemo("Memo", "Lines:", "OK", "Cancel", ""), "a\nb");
}

TEST_F(DialogWindows, OwnConfirmationWindowResults) {
  struct TCase {
    const char* click;  // nullptr: Escape
    bool withCancel;
    int32_t expected;
  } cases[] = {
      {kDialogYesButtonName, false, kModalResultYes},
      {kDialogNoButtonName, false, kModalResultNo},
      {nullptr, false, kModalResultNo},
      {kDialogYesButtonName, true, kModalResultYes},
      {kDialogNoButtonName, true, kModalResultNo},
      {kDialogCancelButtonName, true, kModalResultCancel},
      {nullptr, true, kModalResultCancel},
  };
  for (const TCase& c : cases) {
    OnNextModal([c](QWidget* modal) {
      EXPECT_EQ(Button(modal, kDialogCancelButtonName) != nullptr, c.withCancel);
      if (c.withCancel) SaveScreenshot(modal, "confirmation_three_buttons");
      if (c.click != nullptr) {
        Button(modal, c.click)->click();
      } else {
        static_cast<QDialog*>(modal)->reject();
      }
    });
    EXPECT_EQ(ConfirmationDialogGeneral("Question", "Delete the file?", "Yes", "No",
                                        c.withCancel ? std::string("Cancel") : NulMarker()),
              c.expected);
  }
  OnNextModal([](QWidget* modal) { Button(modal, kDialogYesButtonName)->click(); });
  EXPECT_TRUE(ConfirmationDialog("Q", "Sure?", "Yes", "No", true));
}

TEST_F(DialogWindows, LongQuestionWindowIsWrapped) {
  std::string question;
  for (int i = 0; i < 40; ++i) question += "word ";
  OnNextModal([](QWidget* modal) {
    auto* label = modal->findChild<QLabel*>(QLatin1String(kDialogMessageName));
    EXPECT_EQ(label->text().count(QLatin1Char('\n')), 2);
    SaveScreenshot(modal, "confirmation_wrapped");
    Button(modal, kDialogNoButtonName)->click();
  });
  EXPECT_FALSE(ConfirmationDialog("Q", question, "Yes", "No", true));
}

TEST_F(DialogWindows, SystemQuestionBoxMapsItsButtonsBack) {
  OnNextModal([](QWidget* modal) {
    EXPECT_EQ(modal->findChildren<QPushButton*>().size(), 2);
    SaveScreenshot(modal, "question_box");
    Button(modal, kDialogNoButtonName)->click();
  });
  EXPECT_EQ(ConfirmationDialogSystem("Q", "Really?", "Yes", "No", NulMarker()), kModalResultNo);
  OnNextModal([](QWidget* modal) { Button(modal, kDialogCancelButtonName)->click(); });
  EXPECT_EQ(ConfirmationDialog("Q", "Really?", "Yes", "No", "Cancel", false), kModalResultCancel);
  OnNextModal([](QWidget* modal) { Button(modal, kDialogYesButtonName)->click(); });
  EXPECT_TRUE(ConfirmationDialog("Q", "Really?", "Yes", "No", false));
}

TEST_F(DialogWindows, NotificationWindow) {
  OnNextModal([](QWidget* modal) {
    auto* ok = Button(modal, kDialogOkButtonName);
    EXPECT_EQ(modal->width(), 330);
    EXPECT_EQ(ok->geometry().right() + 1, 330 - 14);
    EXPECT_EQ(modal->height(), ok->y() + 27 + 14);
    SaveScreenshot(modal, "notification");
    ok->click();
  });
  NotificationDialog("Note", "The file was saved.\nSecond line.", "OK");
}
