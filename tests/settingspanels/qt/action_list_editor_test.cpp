// The action-list editor window, opened from a settings container's
// action-list control: creating, editing, renaming and saving lists, the
// default list, the views, copy and paste, closing, and screenshots.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "action_list_fixture.h"
#include "controls/advanced_edit.h"
#include "controls/caption_panels.h"
#include "controls/id_combo_box.h"
#include "controls/list_view.h"
#include "controls/multiline_check.h"
#include "controls/padding_button.h"
#include "controls/splitter_panel.h"
#include "controls/tab_panel.h"
#include "controls/zoom_memo.h"
#include "failing_folders.h"
#include "foundation/qt/qt_strings.h"
#include "frame/qt/widget_tags.h"
#include "settingspanels/qt/action_list_list_view.h"
#include "settingspanels/qt/action_list_platform.h"
#include "text/language_constants.h"
#include "text/program_texts.h"

namespace {

using TEditor = TSettingsContainerActionListEditorSpr;

class ActionListEditor : public ActionListWindows {
 protected:
  // Clicks button number (1 new action, 2 new list, 3 edit, 4 delete).
  void Click(int32_t number, int32_t record = -1) {
    TSettingsContainerActionListWrapper& w = Wrapper(record);
    TPaddingButton* buttons[] = {w.Button1, w.Button2, w.Button3, w.Button4};
    buttons[number - 1]->click();
  }
  TEditor* OpenEditor(int32_t number) {
    const size_t before = Open<TEditor>().size();
    Click(number);
    EXPECT_EQ(Open<TEditor>().size(), before + 1);
    // The window list has no order; the register has.
    return C->ActionListEditors().empty() ? nullptr : C->ActionListEditors().back().data();
  }
  // Composes an action in the editor's panel and adds it.
  static void Compose(TEditor* e, int32_t definition, const std::string& p1, const std::string& p2 = "",
                      bool all = true) {
    e->TypeChooser()->SetSelectedAction(definition);
    e->TypeChooser()->Choose(definition);
    auto* panel = e->ConfigPanel();
    panel->ResetAllFields();
    if (all) {
      panel->Scope(1).All->setChecked(true);
      panel->Scope(2).All->setChecked(true);
    }
    if (!p1.empty()) {
      panel->Param(1).Edit->setText(ToQString(p1));
      panel->Param(1).Memo->SetText(p1);
    }
    if (!p2.empty()) {
      panel->Param(2).Edit->setText(ToQString(p2));
      panel->Param(2).Memo->SetText(p2);
    }
    e->ProcCommand(TEditor::cmdAdd);
  }
  // An editor for the list file name, opened as the Edit button does.
  TEditor* EditFile(const std::string& name) {
    const int32_t index =
        C->ActionListEditorDialogShow(Record, &Vocabulary, "lists", "al", alListFile, ListFile(name), 0, 0);
    return C->ActionListEditors().at(static_cast<size_t>(index));
  }
  std::string RowsText(TEditor* e) {
    std::string text;
    GetActionListFromListView(text, *e->ListView(), Vocabulary, false);
    return text;
  }
};

TEST_F(ActionListEditor, ANewListIsSavedAsAFileByteForByte) {
  MakeContainer();
  TEditor* e = OpenEditor(2);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->ActionListType(), alListNew);
  EXPECT_EQ(FromQString(e->NameEdit()->text()), "New Action List");
  EXPECT_EQ(FromQString(e->windowTitle()), "New Action List");
  EXPECT_EQ(C->ActionListEditors().size(), 1u);

  e->NameEdit()->setText("My list");
  Compose(e, taReplace, "a \"b\"", "c");
  e->ConfigPanel()->Letter(0)->setChecked(true);
  Compose(e, taReplace, "x");
  Compose(e, taReplaceLines, "one\ntwo", "");
  Compose(e, taRepeat, "3", "", false);
  Compose(e, taInsert, "", "text", false);
  Compose(e, taComment, "a note", "", false);
  EXPECT_TRUE(e->Modified());
  ASSERT_TRUE(e->SaveCurrentList());
  const std::string expected =
      "replace ALL \"a \"\"b\"\"\" c\n"
      "replace ALL x \"\" -c\n"
      "replacelines ALL one\\ntwo \"\" -c\n"
      "repeat 3\n"
      "insert text \"\" -c\n"
      "# \"a note\"\n";
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("My list.al")), expected);
  EXPECT_FALSE(e->Modified());
  EXPECT_EQ(e->ActionListType(), alListFile);
  EXPECT_EQ(e->ActionListFile(), ListFile("My list.al"));
  // Saving leaves the window speaking of a new list.
  EXPECT_EQ(FromQString(e->windowTitle()), "New Action List");
  // The chooser has the list, selected, and the control shows it.
  EXPECT_EQ(Chooser()->SelectedStrId(), "My list.al");
  EXPECT_EQ(C->ControlRecords[Record].StrValue, "My list.al");
  EXPECT_EQ(Wrapper().ListType, alListFile);
  EXPECT_EQ(Wrapper().ListView->GetItemCount(), 6);
  EXPECT_TRUE(Dialogs.Questions.empty());
  e->close();
  EXPECT_TRUE(Dialogs.Questions.empty());
}

TEST_F(ActionListEditor, SavingOverAnExistingListAsksFirst) {
  WriteList("x.al", "clear\n");
  MakeContainer();
  TEditor* e = OpenEditor(2);
  e->NameEdit()->setText("x");
  Compose(e, taRepeat, "2", "", false);
  Dialogs.Answers = {kModalResultCancel};
  EXPECT_FALSE(e->SaveCurrentList());
  ASSERT_EQ(Dialogs.Questions.size(), 1u);
  EXPECT_EQ(Dialogs.Questions[0].Text,
            "An Action List with your chosen name already exists.\n\nWould you like to overwrite this Action List?");
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("x.al")), "clear\n");
  EXPECT_TRUE(e->Modified());
  Dialogs.Answers = {kModalResultYes};
  ASSERT_TRUE(e->SaveCurrentList());
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("x.al")), "repeat 2\n");
  // The chooser keeps one entry for the list.
  int32_t entries = 0;
  for (const TIDComboBoxItem& item : Chooser()->Items()) entries += item.StrId == "x.al";
  EXPECT_EQ(entries, 1);
}

TEST_F(ActionListEditor, RenamingReplacesTheListOrKeepsBoth) {
  WriteList("old.al", "repeat 1\n");
  MakeContainer();
  Pick("old.al");
  TEditor* e = OpenEditor(3);
  EXPECT_EQ(FromQString(e->NameEdit()->text()), "old");
  EXPECT_EQ(FromQString(e->windowTitle()), "Edit Action List: old");
  e->NameEdit()->setText("new");
  Dialogs.Answers = {kModalResultYes};  // Rename
  ASSERT_TRUE(e->SaveCurrentList());
  EXPECT_EQ(Dialogs.Questions.at(0).Text,
            "You have changed the name of the Action List.\n\nWould you like to rename the existing Action List or "
            "should the Action List be stored as a new Action List under the new name?");
  EXPECT_FALSE(std::filesystem::exists(ListFile("old.al")));
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("new.al")), "repeat 1\n");
  EXPECT_LT(Chooser()->GetIndexOfStrId("old.al"), 0);
  EXPECT_EQ(Chooser()->SelectedStrId(), "new.al");
  EXPECT_EQ(Wrapper().ListFile, ListFile("new.al"));

  e->NameEdit()->setText("copy");
  Dialogs.Answers = {kModalResultNo};  // Save as new Action List
  ASSERT_TRUE(e->SaveCurrentList());
  EXPECT_TRUE(std::filesystem::exists(ListFile("new.al")));
  EXPECT_TRUE(std::filesystem::exists(ListFile("copy.al")));
  EXPECT_GE(Chooser()->GetIndexOfStrId("new.al"), 0);
  EXPECT_EQ(Chooser()->SelectedStrId(), "copy.al");

  // Cancel stores nothing.
  e->NameEdit()->setText("third");
  Dialogs.Answers = {kModalResultCancel};
  EXPECT_FALSE(e->SaveCurrentList());
  EXPECT_FALSE(std::filesystem::exists(ListFile("third.al")));
}

TEST_F(ActionListEditor, AListWhoseNameHoldsADotKeepsItsFile) {
  WriteList("a.b.al", "clear\n");
  MakeContainer();
  EXPECT_EQ(FromQString(Chooser()->itemText(Chooser()->GetIndexOfStrId("a.b.al"))), "a.b");
  TEditor* e = EditFile("a.b.al");
  EXPECT_EQ(FromQString(e->NameEdit()->text()), "a.b");
  Compose(e, taRepeat, "4", "", false);
  ASSERT_TRUE(e->SaveCurrentList());
  EXPECT_TRUE(Dialogs.Questions.empty());
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("a.b.al")), "clear\nrepeat 4\n");
}

TEST_F(ActionListEditor, NamesThatAreNoFileNamesAreRefused) {
  MakeContainer();
  TEditor* e = OpenEditor(2);
  e->NameEdit()->setText("a/b");
  EXPECT_FALSE(e->SaveCurrentList());
  ASSERT_EQ(Dialogs.Notifications.size(), 1u);
  EXPECT_EQ(Dialogs.Notifications[0].Caption, "Note");
  EXPECT_EQ(Dialogs.Notifications[0].Text,
            "The name may not contain any of the following characters:\n/ \\ : * ? \" > < |");
  e->NameEdit()->clear();
  EXPECT_FALSE(e->SaveCurrentList());
  EXPECT_EQ(Dialogs.Notifications.back().Text, "Please specify a name for the Action List.");
  EXPECT_FALSE(std::filesystem::exists(ListFolder()));
}

TEST_F(ActionListEditor, TheDefaultListIsHandedBackWithoutNameChecks) {
  MakeContainer();
  Wrapper().DefaultListText = "clear\n";
  TEditor* e = OpenEditor(3);
  EXPECT_EQ(e->ActionListType(), alListDefault);
  EXPECT_FALSE(e->NamePanel()->isVisibleTo(e));
  EXPECT_TRUE(e->MenuItem(TEditor::cmdSaveAsNew)->isVisible());
  EXPECT_EQ(FromQString(e->windowTitle()), "Action List");
  EXPECT_EQ(e->ListView()->GetItemCount(), 1);
  Compose(e, taRepeat, "2", "", false);
  ASSERT_TRUE(e->SaveCurrentList());
  EXPECT_EQ(Wrapper().DefaultListText, "clear\nrepeat 2\n");
  EXPECT_EQ(Wrapper().ListView->GetItemCount(), 2);
  EXPECT_EQ(FromQString(e->windowTitle()), "Action List");
  TDocINI doc;
  C->SettingsSave(doc, true);
  EXPECT_EQ(doc.ReadString("actions", "default", ""), "clear\nrepeat 2\n");

  // Turned into a new list, it asks for a name and becomes a file.
  e->ProcCommand(TEditor::cmdSaveAsNew);
  EXPECT_TRUE(e->NamePanel()->isVisibleTo(e));
  EXPECT_TRUE(e->Modified());
  EXPECT_EQ(FromQString(e->windowTitle()), "New Action List");
  e->NameEdit()->setText("from default");
  ASSERT_TRUE(e->SaveCurrentList());
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("from default.al")), "clear\nrepeat 2\n");
  EXPECT_EQ(Wrapper().DefaultListText, "clear\nrepeat 2\n");
}

TEST_F(ActionListEditor, SavingTheDefaultListLeavesAnotherShownListAlone) {
  WriteList("shown.al", "repeat 1\n");
  MakeContainer();
  Pick("shown.al");
  ASSERT_EQ(Wrapper().ListName, "shown.al");
  const int32_t index = C->ActionListEditorDialogShow(Record, &Vocabulary, "lists", "al", alListDefault, "", 0, 0);
  TEditor* e = C->ActionListEditors().at(static_cast<size_t>(index));
  Compose(e, taClear, "", "", false);
  ASSERT_TRUE(e->SaveCurrentList());
  EXPECT_EQ(Wrapper().DefaultListText, "clear\n");
  EXPECT_EQ(Wrapper().ListName, "shown.al");
  EXPECT_EQ(Wrapper().ListView->VirtualItems[0].StrValues.at(0), "repeat");
}

TEST_F(ActionListEditor, OneEditorPerListAndTheRegisterStartsAgain) {
  WriteList("x.al", "clear\n");
  MakeContainer();
  Pick("x.al");
  TEditor* first = OpenEditor(3);
  Click(3);
  EXPECT_EQ(Open<TEditor>().size(), 1u);
  EXPECT_EQ(C->ActionListEditorDialogFindOpen(alListFile, ListFile("x.al")), 0);
  Click(2);
  Click(2);
  EXPECT_EQ(Open<TEditor>().size(), 3u);
  EXPECT_EQ(C->ActionListEditorDialogFindOpen(alListNew, ""), -1);
  ASSERT_EQ(C->ActionListEditors().size(), 3u);
  first->close();
  EXPECT_EQ(C->ActionListEditors().size(), 3u);
  EXPECT_EQ(C->ActionListEditors()[0], nullptr);
  for (TEditor* e : Open<TEditor>()) e->close();
  EXPECT_TRUE(C->ActionListEditors().empty());
  Click(2);
  EXPECT_EQ(C->ActionListEditors().size(), 1u);
}

TEST_F(ActionListEditor, SwitchingTheViewKeepsTheListAndTheModifiedFlag) {
  WriteList("x.al", "replace ALL a b -c\nrepeat 2\n");
  MakeContainer();
  TEditor* e = EditFile("x.al");
  EXPECT_FALSE(e->Modified());
  e->ProcCommand(TEditor::cmdViewText);
  EXPECT_EQ(e->DialogMode(), alDialogModeText);
  EXPECT_EQ(C->ActionListEditorDisplayMode(), alDialogModeText);
  EXPECT_EQ(e->Memo()->Text(), "replace ALL a b -c\nrepeat 2\n");
  EXPECT_FALSE(e->Modified());
  e->Memo()->SetText(e->Memo()->Text() + "clear\n");
  EXPECT_TRUE(e->Modified());
  e->Tabs()->SetTabIndex(alDialogModeRows);
  EXPECT_EQ(e->DialogMode(), alDialogModeRows);
  EXPECT_EQ(e->ListView()->GetItemCount(), 3);
  EXPECT_TRUE(e->Modified());
  // Editors opened later start in the view shown last.
  e->ProcCommand(TEditor::cmdViewText);
  Click(2);
  EXPECT_EQ(C->ActionListEditors().back()->DialogMode(), alDialogModeText);
}

TEST_F(ActionListEditor, SelectingARowFillsThePanelAndUpdateReplacesIt) {
  WriteList("x.al", "replace 2 a b -c\nrepeat 2\n");
  MakeContainer();
  TEditor* e = EditFile("x.al");
  e->ListView()->SetSelectedRows({0});
  e->ProcListSelect(0, true);
  EXPECT_EQ(e->EditedRowID(), 1);
  EXPECT_EQ(e->TypeChooser()->SelectedAction, taReplace);
  EXPECT_EQ(FromQString(e->ConfigPanel()->Scope(1).Edit->text()), "2");
  EXPECT_EQ(FromQString(e->ConfigPanel()->Param(2).Edit->text()), "b");
  EXPECT_TRUE(e->ButtonUpdate()->isVisibleTo(e));
  e->ConfigPanel()->Param(2).Edit->setText("z");
  e->ProcCommand(TEditor::cmdUpdate);
  EXPECT_EQ(RowsText(e), "replace 2 a z -c\nrepeat 2\n");
  e->TypeChooser()->Choose(taClear);
  EXPECT_FALSE(e->ButtonUpdate()->isVisibleTo(e));
  EXPECT_EQ(e->EditedRowID(), -1);
}

TEST_F(ActionListEditor, CopyExportsTheSelectedRowsAndPasteImportsText) {
  WriteList("x.al", "replace ALL a b\nrepeat 2\nclear\n");
  MakeContainer();
  TEditor* e = EditFile("x.al");
  // An empty list with an empty clipboard has no context menu.
  TEditor* empty = OpenEditor(2);
  EXPECT_FALSE(empty->PreparePopupMenu());

  e->ProcCopy();  // nothing selected
  EXPECT_EQ(ActionListClipboardText(), "");
  e->ListView()->SetSelectedRows({0, 2});
  e->ProcCopy();
  EXPECT_EQ(ActionListClipboardText(), "replace ALL a b\nclear\n");
  EXPECT_TRUE(empty->PreparePopupMenu());
  EXPECT_TRUE(empty->MenuItem(TEditor::cmdPaste)->isVisible());
  EXPECT_FALSE(empty->MenuItem(TEditor::cmdCopy)->isVisible());
  empty->ProcPaste();
  EXPECT_EQ(RowsText(empty), "replace ALL a b\nclear\n");
  EXPECT_TRUE(empty->Modified());

  ASSERT_TRUE(e->PreparePopupMenu());
  EXPECT_TRUE(e->MenuItem(TEditor::cmdCopy)->isVisible());
  EXPECT_TRUE(e->MenuItem(TEditor::cmdSwap)->isVisible());
  EXPECT_TRUE(e->MenuItem(TEditor::cmdRemoveSelected)->isVisible());
  EXPECT_TRUE(e->MenuItem(TEditor::cmdAddOption)->isVisible());
  EXPECT_FALSE(e->MenuItem(TEditor::cmdRemoveOption)->isVisible());
  e->ProcCommand(TEditor::cmdSwap);
  e->ProcCommand(TEditor::cmdAddOption + 1);
  EXPECT_EQ(RowsText(e), "replace ALL b a -r\nrepeat 2\nclear\n");
  e->ListView()->SelectAll();
  ASSERT_TRUE(e->PreparePopupMenu());
  EXPECT_FALSE(e->MenuItem(TEditor::cmdRemoveSelected)->isVisible());
  EXPECT_TRUE(e->MenuItem(TEditor::cmdRemoveOption + 1)->isVisible());

  // Text that holds no action adds nothing and changes nothing.
  SetActionListClipboardText("\n\n");
  TEditor* third = OpenEditor(2);
  third->ProcPaste();
  EXPECT_FALSE(third->Modified());
}

TEST_F(ActionListEditor, ClosingAsksOnlyAboutUnsavedChanges) {
  WriteList("x.al", "clear\n");
  MakeContainer();
  TEditor* e = OpenEditor(2);
  e->close();
  EXPECT_TRUE(Dialogs.Questions.empty());

  e = OpenEditor(2);
  e->NameEdit()->setText("y");
  Compose(e, taClear, "", "", false);
  Dialogs.Answers = {kModalResultNo};  // Discard Changes
  e->close();
  ASSERT_EQ(Dialogs.Questions.size(), 1u);
  EXPECT_EQ(Dialogs.Questions[0].Text, "Do you want to save the Action List? ");
  EXPECT_TRUE(Open<TEditor>().empty());
  EXPECT_FALSE(std::filesystem::exists(ListFile("y.al")));

  e = EditFile("x.al");
  Compose(e, taRepeat, "7", "", false);
  Dialogs.Answers = {kModalResultYes};  // Save Changes
  e->close();
  EXPECT_EQ(Dialogs.Questions.back().Text, "Do you want to save the changes on the Action List? ");
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("x.al")), "clear\nrepeat 7\n");

  // Discard Changes closes without a question.
  const size_t asked = Dialogs.Questions.size();
  e = OpenEditor(2);
  Compose(e, taClear, "", "", false);
  e->ButtonDiscard()->click();
  EXPECT_EQ(Dialogs.Questions.size(), asked);
  EXPECT_TRUE(Open<TEditor>().empty());
}

TEST_F(ActionListEditor, AFailedWriteIsReportedWithTheSystemsReasonAndKeepsTheChanges) {
  enum class TCause { FileForFolder, LongName, ReadOnlyFileSystem };
  struct TCase {
    TCause Cause;
    const char* Reason;
  };
  const TCase cases[] = {{TCause::FileForFolder, "Not a directory"},
                         {TCause::LongName, "File name too long"},
                         {TCause::ReadOnlyFileSystem, "Read-only file system"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Reason);
    Dialogs = {};
    std::filesystem::remove_all(Root.file("lists"));
    std::string name = "z";
    std::unique_ptr<testsupport::TSmallFileSystem> system;
    if (c.Cause == TCause::FileForFolder) {
      // A file where the list folder should be: nothing can be written there.
      testsupport::WriteFileBytes(Root.file("lists"), "in the way");
    } else if (c.Cause == TCause::LongName) {
      std::filesystem::create_directories(ListFolder());
      name = std::string(300, 'n');
    } else {
      std::filesystem::create_directories(ListFolder());
      system = std::make_unique<testsupport::TSmallFileSystem>(ListFolder());
      if (!system->Unavailable().empty() || !system->MakeReadOnly()) {
        std::printf("[ SKIPPED  ] read-only file system: %s\n", system->Unavailable().c_str());
        continue;
      }
    }
    MakeContainer();
    TEditor* e = OpenEditor(2);
    e->NameEdit()->setText(ToQString(name));
    Compose(e, taClear, "", "", false);
    EXPECT_FALSE(e->SaveCurrentList());
    ASSERT_EQ(Dialogs.Notifications.size(), 1u);
    EXPECT_EQ(Dialogs.Notifications[0].Caption, "Error");
    EXPECT_EQ(Dialogs.Notifications[0].Text,
              "This file could not be created:\n\n" + ListFile(name + ".al") + "\n" + c.Reason);
    EXPECT_TRUE(e->Modified());
    Dialogs.Answers = {kModalResultNo};  // Discard Changes
    e->close();
    if (c.Cause == TCause::FileForFolder) {
      EXPECT_EQ(testsupport::ReadFileBytes(Root.file("lists")), "in the way");
      std::filesystem::remove(Root.file("lists"));
    }
  }
}

TEST_F(ActionListEditor, ZeroBytesInAListComeBackInTheEncodingTheyWereWrittenIn) {
  MakeContainer();
  TEditor* e = OpenEditor(2);
  e->NameEdit()->setText("nul");
  const std::string text = std::string("# \"&\0\0\0\"\n", 9) + "replace 1 a b\n";
  SetActionListClipboardText(text);
  e->ProcPaste();
  ASSERT_TRUE(e->SaveCurrentList());
  const std::string written = testsupport::ReadFileBytes(ListFile("nul.al"));
  EXPECT_EQ(written, "\xEF\xBB\xBF" + RowsText(e));
  e->close();
  TEditor* again = EditFile("nul.al");
  EXPECT_EQ(RowsText(again), written.substr(3));
  EXPECT_EQ(again->ListView()->GetItemCount(), 2);
  again->close();
  // A list without zero bytes is written as it always was, without a mark.
  TEditor* plain = OpenEditor(2);
  plain->NameEdit()->setText("plain");
  SetActionListClipboardText("clear\n");
  plain->ProcPaste();
  ASSERT_TRUE(plain->SaveCurrentList());
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("plain.al")), "clear\n");
  plain->close();
}

TEST_F(ActionListEditor, AListReadWithoutSomeOfItsNumbersSaysSo) {
  // The program's texts hold the notice, as in the running program.
  InitSprResLocal();
  SetSprResGlobal(0);
  MakeContainer();
  WriteList("cut.al", "replace 1-1000001 a b\nreplace 3 a b\n");
  WriteList("whole.al", "replace 1-1000000 a b\n");
  TEditor* whole = EditFile("whole.al");
  EXPECT_TRUE(Dialogs.Notifications.empty());
  whole->close();
  TEditor* e = EditFile("cut.al");
  ASSERT_EQ(Dialogs.Notifications.size(), 1u);
  EXPECT_EQ(Dialogs.Notifications[0].Caption, "Note");
  EXPECT_EQ(Dialogs.Notifications[0].Text,
            "The scopes and number parameters of this list hold more than 1,000,000 numbers in all; the ranges "
            "beyond them were not read.");
  // The rows keep the text as written, so saving loses nothing.
  EXPECT_EQ(RowsText(e), "replace 1-1000001 a b\nreplace 3 a b\n");
  // Switching from the text back to the rows reads the list again.
  e->ChangeDialogMode(alDialogModeText);
  e->ChangeDialogMode(alDialogModeRows);
  EXPECT_EQ(Dialogs.Notifications.size(), 2u);
  e->close();
}

TEST_F(ActionListEditor, OpensInsideTheScreenWhereverItsHostIs) {
  MakeContainer();
  const QRect area = Window->screen()->availableGeometry();
  const QSize host(260, 180);
  const std::pair<const char*, QPoint> corners[] = {
      {"top left", area.topLeft()},
      {"top right", QPoint(area.right() + 1 - host.width(), area.top())},
      {"bottom left", QPoint(area.left(), area.bottom() + 1 - host.height())},
      {"bottom right", QPoint(area.right() + 1 - host.width(), area.bottom() + 1 - host.height())},
  };
  for (const auto& [name, corner] : corners) {
    SCOPED_TRACE(name);
    Window->resize(host);
    Window->move(corner);
    Window->show();
    TEditor* e = OpenEditor(2);
    ASSERT_TRUE(e);
    const QRect placed = e->frameGeometry();
    // Its title and menu are on the screen; so is all of it where it fits.
    EXPECT_TRUE(area.contains(placed.topLeft()))
        << placed.x() << "," << placed.y() << " in " << area.width() << "x" << area.height();
    if (placed.width() <= area.width()) {
      EXPECT_LE(placed.right(), area.right());
    }
    if (placed.height() <= area.height()) {
      EXPECT_LE(placed.bottom(), area.bottom());
    }
    // It still lies over its host as far as the screen lets it.
    EXPECT_TRUE(e->frameGeometry().intersects(Window->frameGeometry()));
    e->ProcCommand(TEditor::cmdDiscard);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

TEST_F(ActionListEditor, ScreenshotsInSeveralLanguages) {
  WriteList("Cleanup.al",
            "# \"Tidy the text\"\nreplace ALL \"  \" \" \" -w\nreplacelines 1-3:ALL a\\nb c -ci\n"
            "repeat 2\npick SELECTED 1,4-6 0,5\ninsert after \"--\"\nclear\n");
  const std::pair<int32_t, const char*> languages[] = {{SprLangEnglish, "en"},
                                                       {SprLangGerman, "de"},
                                                       {SprLangArabic, "ar"},
                                                       {SprLangItalian, "it"},
                                                       {SprLangDutch, "nl"},
                                                       {SprLangBrazilianPortuguese, "ptbr"},
                                                       {SprLangDanish, "da"},
                                                       {SprLangSerbian, "sr"},
                                                       {SprLangKorean, "ko"},
                                                       {SprLangJapanese, "ja"},
                                                       {SprLangSimplifiedChinese, "zhsimp"},
                                                       {SprLangRussian, "ru"},
                                                       {SprLangPolish, "pl"}};
  for (const auto& [language, suffix] : languages) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    // The program mirrors every window for Arabic.
    QGuiApplication::setLayoutDirection(language == SprLangArabic ? Qt::RightToLeft : Qt::LeftToRight);
    MakeContainer(false, language == SprLangArabic);
    C->SetLanguage(static_cast<uint32_t>(language));
    TEditor* e = EditFile("Cleanup.al");
    e->ListView()->SetSelectedRows({2});
    e->ProcListSelect(2, true);
    QApplication::processEvents();
    SaveScreenshot(e, std::string("action_list_editor_") + suffix);
    if (language == SprLangEnglish) {
      // The test screen is smaller than the window is meant to be; this is
      // how a user with a common screen sees it.
      const QSize fitted = e->size();
      const int composer = e->Splitter()->GetSide(0)->width();
      e->resize(1100, 670);
      QApplication::processEvents();
      SaveScreenshot(e, "action_list_editor_full_en");
      // The room a larger window gains goes to the list.
      EXPECT_EQ(e->Splitter()->GetSide(0)->width(), composer);
      e->resize(fitted);
      QApplication::processEvents();
      e->ProcCommand(TEditor::cmdViewText);
      QApplication::processEvents();
      SaveScreenshot(e, "action_list_editor_text_en");
    }
    e->ProcCommand(TEditor::cmdDiscard);
    CloseContainer();
  }
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace
