// The row editor of the list view and the memo dialog, opened from the
// container as the user opens them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "controls/caption_panels.h"
#include "controls/list_view.h"
#include "controls/padding_button.h"
#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"
#include "settingspanels/qt/settings_container_dialogs.h"
#include "settingspanels/qt/settings_container_memo_dialog.h"
#include "settingspanels/qt/settings_container_spr.h"
#include "settingspanels_test_app.h"
#include "text/text_store.h"

namespace {

class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    PanelsTestApp();
    SetSprResGlobal(0);
    Window = std::make_unique<QWidget>();
    Window->resize(460, 600);
    C = new TSettingsContainerSpr(Window.get());
    K = DeclareEveryKind(*C);
    C->Initialize();
    C->SetLanguage(0);
    C->resize(460, 600);
    Window->show();
  }
  // The dialogs the container opened, newest last.
  template <class T>
  QList<T*> Open() {
    QList<T*> open;
    for (T* d : Window->findChildren<T*>())
      if (d->isVisible()) open.push_back(d);
    return open;
  }
  TPaddingButton* ListButton(int32_t number) {
    for (auto* b : C->GetControlRef(K[sckVirtualListViewButtonPanel])->findChildren<TPaddingButton*>())
      if (b->property("Tag").toInt() == number) return b;
    return nullptr;
  }
  std::unique_ptr<QWidget> Window;
  TSettingsContainerSpr* C = nullptr;
  TEveryKind K;
};

// The row editor keeps what the user typed: confirming adds it as a row.
TEST_F(Dialogs, RowEditorConfirmAddsTheTypedRowCancelAddsNothing) {
  auto* view = qobject_cast<TVirtualListView*>(C->GetControlRef(K[sckVirtualListView]));
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(ListButton(1)->text(), "Add...");
  EXPECT_EQ(ListButton(3)->text(), "Remove Selected");

  ListButton(1)->click();
  ASSERT_EQ(Open<QDialog>().size(), 1);
  QDialog* editor = Open<QDialog>().back();
  EXPECT_EQ(editor->windowTitle(), "Add");
  EXPECT_GE(editor->width(), 400);
  const auto labels = editor->findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 3);
  EXPECT_EQ(labels[0]->text(), "Name");
  EXPECT_EQ(labels[1]->text(), "Comment");
  EXPECT_EQ(labels[2]->text(), "Options");
  auto* edit = editor->findChild<QLineEdit*>();
  auto* memo = editor->findChild<TAdvancedMemo*>();
  auto* flag = editor->findChild<QCheckBox*>();
  ASSERT_TRUE(edit && memo && flag);
  EXPECT_EQ(flag->text(), "Active");
  EXPECT_TRUE(flag->isChecked());
  edit->setText("Alpha");
  memo->SetText("line 1\nline 2");
  flag->setChecked(false);
  SaveScreenshot(editor, "row_editor");
  QPushButton* ok = nullptr;
  for (auto* b : editor->findChildren<QPushButton*>())
    if (b->text() == "OK") ok = b;
  ASSERT_NE(ok, nullptr);
  ok->click();
  QApplication::processEvents();
  EXPECT_TRUE(Open<QDialog>().empty());
  ASSERT_EQ(view->GetItemCount(), 1);
  EXPECT_EQ(view->VirtualItems[0].StrValues, (TStrArray{"Alpha", "line 1\nline 2", "0"}));

  ListButton(1)->click();
  QDialog* second = Open<QDialog>().back();
  second->findChild<QLineEdit*>()->setText("Beta");
  for (auto* b : second->findChildren<QPushButton*>())
    if (b->text() == "Cancel") b->click();
  QApplication::processEvents();
  EXPECT_TRUE(Open<QDialog>().empty());
  EXPECT_EQ(view->GetItemCount(), 1);

  // Enter presses OK, the default button.
  ListButton(1)->click();
  QTest::keyClick(Open<QDialog>().back(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(view->GetItemCount(), 2);

  // Edit does nothing; remove selected and remove all do what they say.
  ListButton(2)->click();
  EXPECT_TRUE(Open<QDialog>().empty());
  view->SetSelectedRows({0});
  ListButton(3)->click();
  ASSERT_EQ(view->GetItemCount(), 1);
  EXPECT_EQ(view->VirtualItems[0].StrValues[0], "1");
  ListButton(4)->click();
  EXPECT_EQ(view->GetItemCount(), 0);
}

TEST_F(Dialogs, RowEditorFieldsStackInOrder) {
  TSettingsContainerVirtualListViewDialog dialog;
  EXPECT_EQ(dialog.AddControl(scdFlag, "First & flag", "1"), 0);
  dialog.AddControl(scdOneLine, "Line", "text");
  dialog.AddControl(scdFlag, "Second", "0");
  dialog.AddControl(5, "Nothing", "x");
  EXPECT_TRUE(dialog.Show(Window.get()));
  QDialog* form = dialog.Form();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "");
  EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
  QStringList shown;
  for (QObject* child : dialog.FieldPanel()->children()) {
    if (auto* label = qobject_cast<QLabel*>(child)) shown << "label:" + label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(child)) shown << "edit:" + edit->text();
    if (auto* box = qobject_cast<QCheckBox*>(child))
      shown << QStringLiteral("check:%1:%2").arg(box->text()).arg(box->isChecked());
  }
  EXPECT_EQ(shown,
            (QStringList{"label:Options", "check:First && flag:1", "label:Line", "edit:text", "check:Second:0"}));
  EXPECT_EQ(dialog.ButtonCancel()->text(), "Cancel");
  // A second Show brings back the same window without new inputs.
  form->hide();
  EXPECT_TRUE(dialog.Show(Window.get()));
  EXPECT_EQ(dialog.Form(), form);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(dialog.FieldPanel()->findChildren<QCheckBox*>().size(), 2);
  form->close();
}

TEST_F(Dialogs, MemoDialogFollowsTheTypingAndDiscardsBack) {
  const int32_t memoIndex = K[sckMemoTextTop];
  auto* memo = qobject_cast<TAdvancedMemo*>(C->GetControlRef(memoIndex));
  auto* panel = qobject_cast<TExpandablePanel*>(memo->parentWidget());
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->HintButtonPlus, "Enlarge Input Field");
  C->SetTabActive(K.Replace, true);
  std::vector<std::string> reported;
  C->OnCustomTabValueChange = [&](TSettingsContainerModel*, int32_t id, const std::string& text, int32_t, double) {
    if (id == memoIndex) reported.push_back(text);
  };
  panel->OnButtonPlusClick(panel);
  ASSERT_EQ(Open<TSettingsContainerMemoDialogSpr>().size(), 1);
  TSettingsContainerMemoDialogSpr* dialog = Open<TSettingsContainerMemoDialogSpr>().back();
  EXPECT_EQ(dialog->windowTitle(), "Replace - Replacements");
  EXPECT_EQ(dialog->Memo()->Text(), "Replace with");
  EXPECT_EQ(dialog->ButtonOk()->text(), "OK");
  EXPECT_EQ(dialog->ButtonCancel()->text(), "Discard Changes");
  EXPECT_EQ(dialog->Memo()->font().family(), memo->font().family());
  EXPECT_TRUE(reported.empty());  // opening reports nothing

  dialog->Memo()->moveCursor(QTextCursor::End);
  QTest::keyClicks(dialog->Memo(), "abc");
  ASSERT_EQ(reported.size(), 3u);
  EXPECT_EQ(reported.back(), "Replace withabc");
  EXPECT_EQ(C->ControlRecords[memoIndex].StrValue, "Replace withabc");
  EXPECT_EQ(memo->Text(), "Replace withabc");
  SaveScreenshot(dialog, "memo_dialog");
  dialog->ButtonCancel()->click();
  QApplication::processEvents();
  EXPECT_EQ(reported.back(), "Replace with");
  EXPECT_EQ(memo->Text(), "Replace with");
  EXPECT_TRUE(Open<TSettingsContainerMemoDialogSpr>().empty());

  // Closing by the window's own button keeps what was typed.
  panel->OnButtonPlusClick(panel);
  dialog = Open<TSettingsContainerMemoDialogSpr>().back();
  dialog->Memo()->SetText("kept");
  dialog->close();
  QApplication::processEvents();
  EXPECT_EQ(C->ControlRecords[memoIndex].StrValue, "kept");
  // OK reports the text once more and closes.
  panel->OnButtonPlusClick(panel);
  dialog = Open<TSettingsContainerMemoDialogSpr>().back();
  reported.clear();
  dialog->ButtonOk()->click();
  EXPECT_EQ(reported, (std::vector<std::string>{"kept"}));
}

TEST_F(Dialogs, MemoDialogCaptionAndFontDefaults) {
  std::vector<std::string> texts;
  auto* dialog =
      ShowSettingsContainerMemoDialogSpr(4, "", "start", "", 0, [&](QObject*, int32_t index, const std::string& text) {
        EXPECT_EQ(index, 4);
        texts.push_back(text);
      });
  const int size = dialog->Memo()->font().pointSize();
  EXPECT_EQ(dialog->windowTitle(), "Edit");
  EXPECT_GE(dialog->width(), 400);
  EXPECT_TRUE(texts.empty());
  dialog->Init(4, "Own title", "again", "DejaVu Sans Mono", 0);
  EXPECT_EQ(dialog->windowTitle(), "Own title");
  EXPECT_EQ(dialog->Memo()->font().pointSize(), size);
  EXPECT_EQ(dialog->Memo()->font().family(), "DejaVu Sans Mono");
  EXPECT_EQ(texts, (std::vector<std::string>{"again"}));  // bound now, so filling reports
  dialog->ButtonCancel()->click();
  EXPECT_EQ(texts.back(), "again");
}

// A dialog still open when its container goes has nobody left to tell.
TEST_F(Dialogs, MemoDialogOutlivingItsContainerStopsReporting) {
  auto* memo = qobject_cast<TAdvancedMemo*>(C->GetControlRef(K[sckMemo]));
  auto* panel = qobject_cast<TExpandablePanel*>(memo->parentWidget());
  panel->OnButtonPlusClick(panel);
  QPointer<TSettingsContainerMemoDialogSpr> dialog = Open<TSettingsContainerMemoDialogSpr>().back();
  delete C;
  C = nullptr;
  ASSERT_TRUE(dialog);
  dialog->Memo()->SetText("nobody hears");
  dialog->ButtonOk()->click();
}

TEST_F(Dialogs, PlusButtonWithoutMemoHookDoesNothing) {
  TSettingsContainer plain(Window.get());
  const int32_t tab = plain.AddTab("T", -1, "t", scTabTypeLabel);
  const int32_t memo = plain.AddControl(tab, sckMemo, "", -1, "m", "x");
  plain.Initialize();
  auto* panel = qobject_cast<TExpandablePanel*>(plain.GetControlRef(memo)->parentWidget());
  const int before = Open<QDialog>().size();
  panel->OnButtonPlusClick(panel);
  EXPECT_EQ(Open<QDialog>().size(), before);
}

}  // namespace
