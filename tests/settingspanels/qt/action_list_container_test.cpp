// The action-list control of the localised settings container: its list
// selector and files, the shared context menu, live change tracking, copy
// and paste, deleting, the stored default list and panel height, the
// new-action dialog, the texts of every language, and screenshots.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <csignal>
#include <cstdio>

#include "action_list_fixture.h"
#include "controls/advanced_edit.h"
#include "controls/caption_panels.h"
#include "controls/id_combo_box.h"
#include "controls/list_view.h"
#include "controls/multiline_check.h"
#include "controls/padding_button.h"
#include "controls/zoom_memo.h"
#include "failing_folders.h"
#include "foundation/doc_ini.h"
#include "foundation/qt/qt_strings.h"
#include "frame/qt/widget_tags.h"
#include "settingspanels/qt/action_list_list_view.h"
#include "settingspanels/qt/action_list_platform.h"
#include "text/language_constants.h"

namespace {

using TNewAction = TSettingsContainerActionListNewActionDialogSpr;

class ActionListControl : public ActionListWindows {
 protected:
  QAction* Item(int32_t tag) {
    for (QAction* item : C->ActionListPopupMenu->actions())
      if (!item->isSeparator() && GetTag(item) == tag) return item;
    return nullptr;
  }
  std::vector<int32_t> VisibleItems() {
    std::vector<int32_t> tags;
    for (QAction* item : C->ActionListPopupMenu->actions())
      if (!item->isSeparator() && item->isVisible()) tags.push_back(GetTag(item));
    return tags;
  }
  std::string Rows(int32_t record = -1) {
    std::string text;
    GetActionListFromListView(text, *Wrapper(record).ListView, Vocabulary, false);
    return text;
  }
  TNewAction* OpenNewAction() {
    Wrapper().Button1->click();
    return C->ActionListNewActionDialogs().empty() ? nullptr : C->ActionListNewActionDialogs().back().data();
  }
};

TEST_F(ActionListControl, SelectorsListTheFilesOfTheirOwnExtension) {
  WriteList("b.al", "clear\n");
  WriteList("a.b.al", "clear\n");
  WriteList("x.al.al", "clear\n");
  WriteList("y.lst", "clear\n");
  WriteList("notes.txt", "clear\n");
  MakeContainer(true);
  auto entries = [this](int32_t record) {
    std::vector<std::string> shown;
    for (int32_t i = 0; i < Chooser(record)->GetCount(); ++i)
      shown.push_back(FromQString(Chooser(record)->itemText(i)) + "=" + Chooser(record)->Items()[i].StrId);
    return shown;
  };
  EXPECT_EQ(entries(Record), std::vector<std::string>({"a.b=a.b.al", "b=b.al", "Default List=default", "x=x.al.al"}));
  EXPECT_EQ(entries(Second), std::vector<std::string>({"Default List=default", "y=y.lst"}));
  EXPECT_EQ(Chooser()->Items()[0].IntId, alListFile);
  EXPECT_EQ(Chooser()->SelectedStrId(), "default");
  EXPECT_EQ(Wrapper().ListType, alListDefault);
}

TEST_F(ActionListControl, PickingAListShowsItAndReportsTheChoice) {
  WriteList("x.al", "replace ALL a b\nrepeat 2\n");
  MakeContainer();
  Pick("x.al");
  EXPECT_EQ(C->ControlRecords[Record].StrValue, "x.al");
  EXPECT_EQ(C->ControlRecords[Record].IntValue, alListFile);
  EXPECT_EQ(Wrapper().ListFile, ListFile("x.al"));
  EXPECT_EQ(Rows(), "replace ALL a b\nrepeat 2\n");
  EXPECT_FALSE(Wrapper().Modified);
  ASSERT_FALSE(Changes.empty());
  EXPECT_EQ(Changes.back(), std::make_pair(Record, std::string("x.al")));
  EXPECT_EQ(C->GetCurrentActionListViewControlRef(Record), Wrapper().ListView.data());
  EXPECT_EQ(C->GetCurrentActionListViewControlRef(Record + 1), nullptr);
}

TEST_F(ActionListControl, EditedRowsAreWrittenWhenTheSettingsAreSaved) {
  WriteList("x.al", "replace ALL a b\n");
  MakeContainer();
  Pick("x.al");
  Changes.clear();
  SetActionListClipboardText("repeat 2\nclear\n");
  Wrapper().ListView->OnPaste(Wrapper().ListView);
  EXPECT_TRUE(Wrapper().Modified);
  EXPECT_TRUE(Changes.empty());  // a paste raises no event
  EXPECT_EQ(Wrapper().PendingText, "replace ALL a b\nrepeat 2\nclear\n");
  TDocINI doc;
  C->SettingsSave(doc, true);
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("x.al")), "replace ALL a b\nrepeat 2\nclear\n");
  EXPECT_FALSE(Wrapper().Modified);

  // Removing rows is a change the host hears about.
  Wrapper().ListView->SetSelectedRows({1});
  Wrapper().ListView->RemoveSelected();
  EXPECT_TRUE(Wrapper().Modified);
  ASSERT_FALSE(Changes.empty());
  EXPECT_EQ(Changes.back(), std::make_pair(Record, std::string()));
  // Picking another list saves the changes of this one first.
  Pick("default");
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("x.al")), "replace ALL a b\nclear\n");
}

TEST_F(ActionListControl, CopyNeedsSelectedRowsAndPasteNeedsActions) {
  WriteList("x.al", "replace ALL a b\nrepeat 2\n");
  MakeContainer();
  Pick("x.al");
  SetActionListClipboardText("kept");
  Wrapper().ListView->OnCopy(Wrapper().ListView);
  EXPECT_EQ(ActionListClipboardText(), "kept");
  Wrapper().ListView->SetSelectedRows({1});
  Wrapper().ListView->OnCopy(Wrapper().ListView);
  EXPECT_EQ(ActionListClipboardText(), "repeat 2\n");
  SetActionListClipboardText("\n");
  Wrapper().ListView->OnPaste(Wrapper().ListView);
  EXPECT_FALSE(Wrapper().Modified);
}

TEST_F(ActionListControl, TheSharedMenuOffersWhatTheViewAllows) {
  WriteList("x.al", "replace ALL a b\nrepeat 2\n# note\n");
  MakeContainer();
  Pick("x.al");
  TVirtualListView* view = Wrapper().ListView;
  ASSERT_TRUE(C->ProcActionListWrapperPopup(view));
  EXPECT_EQ(VisibleItems(), std::vector<int32_t>({1, 12, 14, 15, 16, 17, 7, 9}));
  view->SetSelectedRows({0});
  C->ProcActionListWrapperPopup(view);
  EXPECT_EQ(VisibleItems(), std::vector<int32_t>({1, 10, 12, 14, 15, 16, 17, 5, 6, 7, 9}));
  view->SelectAll();
  C->ProcActionListWrapperPopup(view);
  EXPECT_FALSE(Item(5)->isVisible());
  EXPECT_FALSE(Item(6)->isVisible());

  // Adding an option through the menu marks the list as changed.
  view->SetSelectedRows({0});
  Item(15)->trigger();
  EXPECT_EQ(view->VirtualItems[0].StrValues[alCellOptions], "-r");
  EXPECT_TRUE(Wrapper().Modified);
  C->ProcActionListWrapperPopup(view);
  EXPECT_TRUE(Item(20)->isVisible());
  EXPECT_TRUE(Item(13)->isVisible());

  // The text view offers the new action, the table and discarding.
  Item(9)->trigger();
  EXPECT_EQ(Wrapper().ViewMode, 1);
  EXPECT_EQ(Wrapper().Memo->Text(), "replace ALL a b -r\nrepeat 2\n# note\n");
  EXPECT_EQ(C->GetCurrentActionListViewControlRef(Record), Wrapper().Memo.data());
  EXPECT_TRUE(Wrapper().Modified);
  EXPECT_EQ(Wrapper().ListName, "x.al");
  ASSERT_TRUE(C->ProcActionListWrapperPopup(Wrapper().Memo));
  EXPECT_EQ(VisibleItems(), std::vector<int32_t>({1, 8, 13}));
  Item(13)->trigger();
  EXPECT_FALSE(Wrapper().Modified);
  EXPECT_EQ(Wrapper().Memo->Text(), "replace ALL a b\nrepeat 2\n# note\n");
  C->ProcActionListWrapperPopup(Wrapper().Memo);
  EXPECT_EQ(VisibleItems(), std::vector<int32_t>({1, 8}));
  Item(8)->trigger();
  EXPECT_EQ(Wrapper().ViewMode, 0);
  EXPECT_EQ(Rows(), "replace ALL a b\nrepeat 2\n# note\n");
}

TEST_F(ActionListControl, ConvertingBetweenTheViewsKeepsTheListsState) {
  WriteList("x.al", "repeat 2\n");
  MakeContainer();
  Pick("x.al");
  Wrapper().Modified = true;
  Wrapper().ViewMode = 1;
  ASSERT_TRUE(C->SetActionList(Record, alListFromRows, "ignored"));
  EXPECT_EQ(Wrapper().Memo->Text(), "repeat 2\n");
  Wrapper().ViewMode = 0;
  Wrapper().Memo->SetText("clear\n");
  Wrapper().Modified = true;
  ASSERT_TRUE(C->SetActionList(Record, alListFromMemo, "ignored"));
  EXPECT_EQ(Rows(), "clear\n");
  EXPECT_EQ(Wrapper().ListName, "x.al");
  EXPECT_EQ(Wrapper().ListType, alListFile);
  EXPECT_EQ(Wrapper().ListFile, ListFile("x.al"));
  EXPECT_TRUE(Wrapper().Modified);
  EXPECT_FALSE(C->SetActionList(Record, 5, "x.al"));
  EXPECT_FALSE(C->SetActionList(Record + 1, alListDefault, "default"));
}

TEST_F(ActionListControl, TheDefaultListAndThePanelHeightAreStoredInTheSettings) {
  MakeContainer();
  TDocINI fresh;
  C->SettingsSave(fresh, true);
  std::string unused;
  EXPECT_FALSE(fresh.ReadStringIfKeyExists("actions", "default", unused));
  SetActionListClipboardText("repeat 3\n");
  Wrapper().ListView->OnPaste(Wrapper().ListView);
  ASSERT_TRUE(C->SaveActionList(0));
  EXPECT_EQ(Wrapper().DefaultListText, "repeat 3\n");
  Wrapper().Panel->setFixedHeight(220);
  TDocINI doc;
  C->SettingsSave(doc, true);
  EXPECT_EQ(doc.ReadString("actions", "default", ""), "repeat 3\n");
  EXPECT_EQ(doc.ReadString("actions", "height", ""), "220");
  EXPECT_EQ(doc.ReadString("actions", "list", "none"), "none");  // still the default value

  MakeContainer();
  C->SettingsLoad(doc, true, true);
  EXPECT_EQ(Wrapper().DefaultListText, "repeat 3\n");
  EXPECT_EQ(Wrapper().Panel->height(), 220);
  EXPECT_EQ(Wrapper().StoredHeight, 0);
  EXPECT_EQ(Rows(), "repeat 3\n");
  Wrapper().Panel->setFixedHeight(140);
  TDocINI again;
  C->SettingsSave(again, false);
  EXPECT_EQ(again.ReadString("actions", "height", "none"), "none");
  EXPECT_EQ(again.ReadString("actions", "list", ""), "default");
}

TEST_F(ActionListControl, AListThatCannotBeWrittenKeepsItsChanges) {
  WriteList("x.al", "repeat 1\n");
  MakeContainer();
  Pick("x.al");
  SetActionListClipboardText("clear\n");
  Wrapper().ListView->OnPaste(Wrapper().ListView);
  std::filesystem::remove(ListFile("x.al"));
  std::filesystem::create_directory(ListFile("x.al"));  // a folder in its place
  EXPECT_FALSE(C->SaveActionList(0));
  EXPECT_TRUE(Wrapper().Modified);
  EXPECT_EQ(Wrapper().PendingText, "repeat 1\nclear\n");
  // The user is told that the list was not stored.
  ASSERT_EQ(Dialogs.Notifications.size(), 1u);
  EXPECT_EQ(Dialogs.Notifications[0].Caption, "Error");
  EXPECT_EQ(Dialogs.Notifications[0].Text, "This file could not be created:\n\n" + ListFile("x.al") +
                                               "\n\nPossibly, the file is blocked by another application.");
  EXPECT_FALSE(C->SaveActionList(1));
  EXPECT_FALSE(C->SaveActionList(-1));
  EXPECT_EQ(Dialogs.Notifications.size(), 1u);
  // Also when the list is saved because another one is picked.
  Pick("default");
  ASSERT_EQ(Dialogs.Notifications.size(), 2u);
  EXPECT_EQ(Dialogs.Notifications[1].Text, Dialogs.Notifications[0].Text);
}

// The ways a save is refused to root as well: a read-only and a full file
// system where this process may mount one, and a folder where the list's file
// should be.
enum class TRefusal { ReadOnly, Full, FolderInPlace };

class TRefusedWrites {
 public:
  // The list folder holds x.al and y.al afterwards, with the given texts.
  TRefusedWrites(TRefusal kind, const std::string& folder, const std::string& x, const std::string& y)
      : FKind(kind), FFolder(folder) {
    std::filesystem::create_directories(folder);
    if (kind != TRefusal::FolderInPlace) FSystem = std::make_unique<testsupport::TSmallFileSystem>(folder);
    testsupport::WriteFileBytes(folder + "x.al", x);
    testsupport::WriteFileBytes(folder + "y.al", y);
  }
  // "" when writes of the list name now fail; else why they cannot be made to.
  std::string Refuse(const std::string& name) {
    FName = name;
    switch (FKind) {
      case TRefusal::ReadOnly:
        if (!FSystem->Unavailable().empty() || !FSystem->MakeReadOnly()) return FSystem->Unavailable();
        break;
      case TRefusal::Full:
        if (!FSystem->Unavailable().empty() || !FSystem->Fill()) return FSystem->Unavailable();
        break;
      case TRefusal::FolderInPlace:
        FKept = testsupport::ReadFileBytes(FFolder + name);
        std::filesystem::remove(FFolder + name);
        std::filesystem::create_directory(FFolder + name);
        break;
    }
    return "";
  }
  void Allow() {
    switch (FKind) {
      case TRefusal::ReadOnly: FSystem->MakeWritable(); break;
      case TRefusal::Full: std::filesystem::remove(FFolder + "filler"); break;
      case TRefusal::FolderInPlace:
        std::filesystem::remove(FFolder + FName);
        testsupport::WriteFileBytes(FFolder + FName, FKept);
        break;
    }
  }

 private:
  TRefusal FKind;
  std::string FFolder;
  std::string FName;
  std::string FKept;
  std::unique_ptr<testsupport::TSmallFileSystem> FSystem;
};

TEST_F(ActionListControl, ARefusedSaveKeepsTheChangesUntilTheUserLetsThemGo) {
  const std::pair<TRefusal, const char*> kinds[] = {{TRefusal::ReadOnly, "read-only file system"},
                                                    {TRefusal::Full, "full file system"},
                                                    {TRefusal::FolderInPlace, "a folder in place of the file"}};
  for (const auto& [kind, name] : kinds) {
    SCOPED_TRACE(name);
    Dialogs = {};
    TRefusedWrites writes(kind, ListFolder(), "repeat 1\n", "clear\n");
    MakeContainer();
    Pick("x.al");
    SetActionListClipboardText("clear\n");
    Wrapper().ListView->OnPaste(Wrapper().ListView);
    ASSERT_TRUE(Wrapper().Modified);
    const std::string why = writes.Refuse("x.al");
    if (!why.empty()) {
      std::printf("[ SKIPPED  ] %s: %s\n", name, why.c_str());
      continue;
    }
    Changes.clear();

    // Picking another list tries to store the changes, says that it could
    // not, and asks; Cancel stays on the list with its changes.
    Pick("y.al");
    ASSERT_EQ(Dialogs.Notifications.size(), 1u);
    EXPECT_EQ(Dialogs.Notifications[0].Caption, "Error");
    ASSERT_EQ(Dialogs.Questions.size(), 1u);
    EXPECT_EQ(Dialogs.Questions[0].Caption, "Confirmation");
    EXPECT_EQ(Dialogs.Questions[0].Text, "Do you want to save the changes on the Action List? ");
    auto expectKept = [this] {
      EXPECT_TRUE(Wrapper().Modified);
      EXPECT_EQ(Wrapper().ListName, "x.al");
      EXPECT_EQ(Wrapper().PendingText, "repeat 1\nclear\n");
      EXPECT_EQ(Rows(), "repeat 1\nclear\n");
      EXPECT_EQ(Chooser()->SelectedStrId(), "x.al");
      EXPECT_EQ(C->ControlRecords[Record].StrValue, "x.al");
      EXPECT_TRUE(Changes.empty());
    };
    expectKept();
    // Nor does the editor open on the file without them.
    Wrapper().Button3->click();
    EXPECT_EQ(Dialogs.Notifications.size(), 2u);
    EXPECT_TRUE(C->ActionListEditors().empty());
    expectKept();

    // Picking the list it shows changes nothing; Save tries again, and asks
    // again when that fails too.
    Pick("x.al");
    EXPECT_EQ(Dialogs.Questions.size(), 1u);
    Dialogs.Answers = {kModalResultYes, kModalResultCancel};
    Pick("y.al");
    EXPECT_EQ(Dialogs.Notifications.size(), 4u);
    EXPECT_EQ(Dialogs.Questions.size(), 3u);
    expectKept();

    if (kind == TRefusal::FolderInPlace) {
      // A new list saved in an editor is shown next; the control asks the
      // same, and Cancel keeps it on its list. (Only here may the editor write.)
      const int32_t at = C->ActionListEditorDialogShow(Record, &Vocabulary, "lists", "al", alListNew, "", 0, 0);
      TSettingsContainerActionListEditorSpr* e = C->ActionListEditors().at(static_cast<size_t>(at));
      e->NameEdit()->setText("z");
      SetActionListClipboardText("clear\n");
      e->ProcPaste();
      EXPECT_TRUE(e->SaveCurrentList());
      EXPECT_EQ(testsupport::ReadFileBytes(ListFile("z.al")), "clear\n");
      EXPECT_EQ(Dialogs.Notifications.size(), 5u);
      EXPECT_EQ(Dialogs.Questions.size(), 4u);
      expectKept();
      e->ProcCommand(TSettingsContainerActionListEditorSpr::cmdClose);
    }
    const size_t asked = Dialogs.Questions.size();

    // Once the list can be stored, the switch stores it without asking.
    writes.Allow();
    Pick("y.al");
    EXPECT_EQ(Dialogs.Questions.size(), asked);
    EXPECT_EQ(testsupport::ReadFileBytes(ListFile("x.al")), "repeat 1\nclear\n");
    EXPECT_EQ(Wrapper().ListName, "y.al");
    EXPECT_EQ(Rows(), "clear\n");
    EXPECT_FALSE(Wrapper().Modified);

    // Discard Changes lets them go and shows the list picked.
    Wrapper().ListView->OnPaste(Wrapper().ListView);
    ASSERT_TRUE(Wrapper().Modified);
    ASSERT_EQ(writes.Refuse("y.al"), "");
    Dialogs.Answers = {kModalResultNo};
    Pick("x.al");
    EXPECT_EQ(Dialogs.Questions.size(), asked + 1);
    EXPECT_EQ(Wrapper().ListName, "x.al");
    EXPECT_FALSE(Wrapper().Modified);
    EXPECT_EQ(Rows(), "repeat 1\nclear\n");
    EXPECT_EQ(C->ControlRecords[Record].StrValue, "x.al");
    writes.Allow();
    EXPECT_EQ(testsupport::ReadFileBytes(ListFile("y.al")), "clear\n");
    CloseContainer();
  }
}

TEST_F(ActionListControl, AWriteThatFailsLeavesTheOldFileAsItWas) {
  WriteList("x.al", "repeat 1\n");
  MakeContainer();
  Pick("x.al");
  SetActionListClipboardText("clear\n");
  Wrapper().ListView->OnPaste(Wrapper().ListView);
  // A write-protected list is refused, whoever runs the program.
  std::filesystem::permissions(ListFile("x.al"), std::filesystem::perms::owner_read);
  TDocINI doc;
  C->SettingsSave(doc, true);
  std::filesystem::permissions(ListFile("x.al"),
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("x.al")), "repeat 1\n");
  EXPECT_TRUE(Wrapper().Modified);
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ListFolder())) files += entry.is_regular_file();
  EXPECT_EQ(files, 1u);  // no temporary file stays behind
  C->SettingsSave(doc, true);
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("x.al")), "repeat 1\nclear\n");
  EXPECT_FALSE(Wrapper().Modified);
}

// Files may grow no larger than limit bytes while the object lives; a write
// beyond it fails half way, as on a full disk.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t limit) {
    FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &FSaved);
    rlimit limited = FSaved;
    limited.rlim_cur = limit;
    FActive = setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FSaved);
    std::signal(SIGXFSZ, FOldHandler);
  }
  bool Active() const { return FActive; }

 private:
  rlimit FSaved{};
  void (*FOldHandler)(int) = nullptr;
  bool FActive = false;
};

TEST_F(ActionListControl, AWriteCutShortKeepsTheOldFileWhole) {
  WriteList("x.al", "repeat 1\n");
  MakeContainer();
  Pick("x.al");
  std::string many;
  for (int i = 0; i < 4000; ++i) many += "replace ALL \"a longer search text\" \"its replacement\" -cr\n";
  SetActionListClipboardText(many);
  Wrapper().ListView->OnPaste(Wrapper().ListView);
  ASSERT_GT(Wrapper().PendingText.size(), 64u * 1024);
  {
    TFileSizeLimit limit(64 * 1024);
    ASSERT_TRUE(limit.Active());
    EXPECT_FALSE(C->SaveActionList(0));
  }
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("x.al")), "repeat 1\n");
  EXPECT_TRUE(Wrapper().Modified);
  ASSERT_EQ(Dialogs.Notifications.size(), 1u);
  Dialogs.Notifications.clear();

  // The editor's save behaves the same and says so.
  const int32_t at =
      C->ActionListEditorDialogShow(Record, &Vocabulary, "lists", "al", alListFile, ListFile("x.al"), 0, 0);
  TSettingsContainerActionListEditorSpr* e = C->ActionListEditors().at(static_cast<size_t>(at));
  SetActionListClipboardText(many);
  e->ListView()->OnPaste(e->ListView());
  ASSERT_TRUE(e->Modified());
  {
    TFileSizeLimit limit(64 * 1024);
    ASSERT_TRUE(limit.Active());
    EXPECT_FALSE(e->SaveCurrentList());
  }
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("x.al")), "repeat 1\n");
  EXPECT_TRUE(e->Modified());
  ASSERT_EQ(Dialogs.Notifications.size(), 1u);
  EXPECT_EQ(Dialogs.Notifications[0].Text, "This file could not be created:\n\n" + ListFile("x.al") +
                                               "\n\nPossibly, the file is blocked by another application.");
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ListFolder())) files += entry.is_regular_file();
  EXPECT_EQ(files, 1u);  // no temporary file stays behind
}

TEST_F(ActionListControl, MalformedListFilesLoadWithoutHarm) {
  std::string huge;
  for (int i = 0; i < 2000; ++i) huge += "pick 1-999999,5-2000000000 1-999999 x\n";
  static const char binary[] = "clear\0\x01\xff\xfe repeat\n\0";
  WriteList("binary.al", std::string(binary, sizeof binary - 1));
  WriteList("utf8.al", "replace ALL \xC3\x28 \xE2\x82\n");
  WriteList("quotes.al", "replace \"ALL a b\nreplace ALL \"\"\"\" \"x\ny\n\"");
  WriteList("huge.al", huge);
  WriteList("empty.al", "");
  MakeContainer();
  for (const char* name : {"binary.al", "utf8.al", "quotes.al", "huge.al", "empty.al"}) {
    Pick(name);
    EXPECT_EQ(Wrapper().ListName, name);
    EXPECT_FALSE(Wrapper().Modified) << name;
  }
  // Not UTF-8, the text is read in the code page detected for it.
  Pick("utf8.al");
  EXPECT_EQ(Rows(), "replace ALL \xC3\x83( \xC3\xA2\xC2\x82\n");
  // An unclosed quote ends at the line's end; the lines after it stand alone.
  Pick("quotes.al");
  EXPECT_EQ(Rows(), "replace \"ALL a b\"\nreplace ALL \"\"\"\" x\n# y\n#\n");
  Pick("huge.al");
  EXPECT_EQ(Wrapper().ListView->GetItemCount(), 2000);
  // An editor opened on such a file shows what the control shows.
  Wrapper().Button3->click();
  ASSERT_FALSE(C->ActionListEditors().empty());
  EXPECT_EQ(C->ActionListEditors().back()->ListView()->GetItemCount(), 2000);
}

TEST_F(ActionListControl, DeletingTheDefaultListClearsOnlyItsText) {
  MakeContainer();
  Wrapper().DefaultListText = "clear\n";
  C->SetActionList(Record, alListDefault, "default");
  Changes.clear();
  Dialogs.Answers = {kModalResultNo};
  Wrapper().Button4->click();
  ASSERT_EQ(Dialogs.Questions.size(), 1u);
  EXPECT_EQ(Dialogs.Questions[0].Text, "Do you really want to delete the Action List \"Default\"?");
  EXPECT_EQ(Wrapper().DefaultListText, "clear\n");
  Dialogs.Answers = {kModalResultYes};
  Wrapper().Button4->click();
  EXPECT_EQ(Wrapper().DefaultListText, "");
  EXPECT_EQ(Rows(), "clear\n");  // shown until the list is loaded again
  ASSERT_EQ(Changes.size(), 1u);
  EXPECT_EQ(Changes[0], std::make_pair(Record, std::string()));
  ASSERT_EQ(Dialogs.Notifications.size(), 1u);
  EXPECT_EQ(Dialogs.Notifications[0].Caption, "Information");
  EXPECT_EQ(Dialogs.Notifications[0].Text, "Deleted successfully.");
}

TEST_F(ActionListControl, ADeletedListWithUnsavedChangesStaysDeleted) {
  WriteList("gone.al", "repeat 1\n");
  WriteList("other.al", "clear\n");
  MakeContainer();
  Pick("gone.al");
  SetActionListClipboardText("repeat 2\n");
  Wrapper().ListView->OnPaste(Wrapper().ListView);
  ASSERT_TRUE(Wrapper().Modified);
  Dialogs.Answers = {kModalResultYes};
  Wrapper().Button4->click();
  EXPECT_EQ(Dialogs.Questions.at(0).Text, "Do you really want to delete the Action List \"gone\"?");
  EXPECT_FALSE(std::filesystem::exists(ListFile("gone.al")));
  EXPECT_LT(Chooser()->GetIndexOfStrId("gone.al"), 0);
  // The chooser moved on to a neighbour, which the control shows now.
  EXPECT_NE(Wrapper().ListName, "gone.al");
  EXPECT_FALSE(Wrapper().Modified);
  TDocINI doc;
  C->SettingsSave(doc, true);
  EXPECT_FALSE(std::filesystem::exists(ListFile("gone.al")));
  EXPECT_EQ(testsupport::ReadFileBytes(ListFile("other.al")), "clear\n");

  // The same holds for the default list: its pasted rows are not saved back.
  Pick("default");
  Wrapper().DefaultListText = "repeat 1\n";
  C->SetActionList(Record, alListDefault, "default");
  SetActionListClipboardText("repeat 2\n");
  Wrapper().ListView->OnPaste(Wrapper().ListView);
  ASSERT_TRUE(Wrapper().Modified);
  Dialogs.Answers = {kModalResultYes};
  Wrapper().Button4->click();
  EXPECT_FALSE(Wrapper().Modified);
  TDocINI after;
  C->SettingsSave(after, true);
  EXPECT_EQ(Wrapper().DefaultListText, "");
  EXPECT_EQ(after.ReadString("actions", "default", "none"), "none");
  // Picking another list does not save the deleted one either.
  Pick("other.al");
  Pick("default");
  EXPECT_EQ(Wrapper().DefaultListText, "");
  EXPECT_EQ(Rows(), "");
}

TEST_F(ActionListControl, DeletingAMissingFileRemovesItsNameAndSaysSo) {
  WriteList("x.al", "repeat 1\n");
  MakeContainer();
  Pick("x.al");
  std::filesystem::remove(ListFile("x.al"));
  Dialogs.Answers = {kModalResultYes};
  Wrapper().Button4->click();
  EXPECT_LT(Chooser()->GetIndexOfStrId("x.al"), 0);
  ASSERT_EQ(Dialogs.Notifications.size(), 1u);
  EXPECT_EQ(Dialogs.Notifications[0].Caption, "Error");
  EXPECT_EQ(Dialogs.Notifications[0].Text,
            "This file could not be deleted:\n\n" + ListFile("x.al") + "\n\nThe File was not found. ");
}

TEST_F(ActionListControl, TheNewActionDialogAddsRowsOrLines) {
  MakeContainer();
  TNewAction* d = OpenNewAction();
  ASSERT_TRUE(d);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(FromQString(d->windowTitle()), "New Action");
  d->TypeChooser()->SetSelectedAction(taRepeat);
  d->TypeChooser()->Choose(taRepeat);
  d->ConfigPanel()->Param(1).Edit->setText("4");
  d->ButtonAdd()->click();
  d->ButtonAdd()->click();
  ASSERT_EQ(Wrapper().ListView->GetItemCount(), 2);
  EXPECT_EQ(Wrapper().ListView->VirtualItems[0].ID, 1);
  EXPECT_EQ(Wrapper().ListView->VirtualItems[1].ID, 2);
  EXPECT_EQ(Rows(), "repeat 4\nrepeat 4\n");
  EXPECT_TRUE(Wrapper().Modified);
  EXPECT_EQ(Wrapper().PendingText, "repeat 4\nrepeat 4\n");

  // Required fields left empty add nothing.
  d->ConfigPanel()->Param(1).Edit->clear();
  d->ButtonAdd()->click();
  EXPECT_EQ(Wrapper().ListView->GetItemCount(), 2);
  ASSERT_EQ(Dialogs.Notifications.size(), 1u);

  // With the text view shown the action becomes a line.
  C->ProcActionListWrapperPopup(Wrapper().ListView);
  Item(9)->trigger();
  d->ConfigPanel()->Param(1).Edit->setText("5");
  d->ButtonAdd()->click();
  EXPECT_EQ(Wrapper().Memo->Text(), "repeat 4\nrepeat 4\nrepeat 5\n");
  EXPECT_EQ(Wrapper().PendingText, "repeat 4\nrepeat 4\nrepeat 5\n");

  // Cancel and the close box both close it and tell the container.
  d->ButtonCancel()->click();
  EXPECT_TRUE(C->ActionListNewActionDialogs().empty());
  TNewAction* second = OpenNewAction();
  TNewAction* third = OpenNewAction();
  EXPECT_EQ(C->ActionListNewActionDialogs().size(), 2u);
  second->close();
  EXPECT_EQ(C->ActionListNewActionDialogs().size(), 2u);
  third->reject();
  EXPECT_TRUE(C->ActionListNewActionDialogs().empty());
  EXPECT_EQ(Wrapper().Memo->Text(), "repeat 4\nrepeat 4\nrepeat 5\n");
}

TEST_F(ActionListControl, WindowsOutlivingTheirContainerNoLongerCallIt) {
  MakeContainer();
  TNewAction* d = OpenNewAction();
  Wrapper().Button2->click();
  TSettingsContainerActionListEditorSpr* e = C->ActionListEditors().back();
  C.reset();
  d->TypeChooser()->Choose(taClear);
  d->ButtonAdd()->click();
  d->close();
  e->NameEdit()->setText("orphan");
  EXPECT_FALSE(e->SaveCurrentList());
  e->ProcCommand(TSettingsContainerActionListEditorSpr::cmdDiscard);
  EXPECT_FALSE(std::filesystem::exists(ListFile("orphan.al")));
}

TEST_F(ActionListControl, TextsFollowTheLanguage) {
  MakeContainer();
  Wrapper().DefaultListText = "repeat 2\n# note\n";
  C->SetActionList(Record, alListDefault, "default");
  TNewAction* d = OpenNewAction();
  struct TCase {
    int32_t Language;
    const char* Scope;
  };
  for (const TCase& c : {TCase{SprLangGerman, "Bereich"}, TCase{SprLangSpanish, "\xC3\x81mbito"},
                         TCase{SprLangFrench, "Domaine"}, TCase{SprLangEnglish, "Scope"}}) {
    SetSprResGlobal(static_cast<uint32_t>(c.Language));
    C->SetLanguage(static_cast<uint32_t>(c.Language));
    EXPECT_EQ(Wrapper().ListView->ColumnInfos()[alCellScope].Caption, c.Scope);
    EXPECT_EQ(FromQString(Wrapper().Button3->text()), SprText(30) + "...");
    EXPECT_EQ(FromQString(Wrapper().Button4->text()), SprText(46));
    EXPECT_EQ(Wrapper().ListView->VirtualItems[1].StrValues[alCellScope], SprText(739));
    EXPECT_EQ(FromQString(Item(1)->text()), SprText(721) + "...");
    EXPECT_EQ(FromQString(d->ButtonAdd()->text()), SprText(720));
  }
  EXPECT_EQ(FromQString(Item(17)->text()), "Add Option -w (repeat)");
  EXPECT_EQ(FromQString(Item(8)->text()), "Show as List");
  EXPECT_EQ(FromQString(Wrapper().Button2->text()), "New Action List...");
}

TEST_F(ActionListControl, TheFolderOfTheListsFollowsTheProgramsRights) {
  EXPECT_EQ(ActionListBaseFolderOf(Root.str(), "/data"), Root.str() + "/");
  EXPECT_EQ(ActionListBaseFolderOf(Root.str() + "/missing", "/data/"), "/data/");
  EXPECT_EQ(ActionListBaseFolderOf("", "/data"), "/data/");
  testsupport::TReadOnlyFolder locked;
  if (!locked.Unavailable().empty()) GTEST_SKIP() << locked.Unavailable();
  EXPECT_EQ(ActionListBaseFolderOf(locked.Folder(), "/data"), "/data/");
}

TEST_F(ActionListControl, ScreenshotsInEnglishAndArabic) {
  WriteList("Cleanup.al", "# \"Tidy the text\"\nreplace ALL \"  \" \" \" -w\nrepeat 2\ninsert after \"--\"\nclear\n");
  for (int32_t language : {SprLangEnglish, SprLangArabic}) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    const bool arabic = language == SprLangArabic;
    QGuiApplication::setLayoutDirection(arabic ? Qt::RightToLeft : Qt::LeftToRight);
    MakeContainer(true, arabic);
    C->SetLanguage(static_cast<uint32_t>(language));
    Pick("Cleanup.al");
    Show(520, 420);
    const std::string suffix = arabic ? "ar" : "en";
    SaveScreenshot(Window, "action_list_control_" + suffix);
    TNewAction* d = OpenNewAction();
    d->TypeChooser()->SetSelectedAction(taInsert);
    d->TypeChooser()->Choose(taInsert);
    QApplication::processEvents();
    SaveScreenshot(d, "action_list_new_action_" + suffix);
    d->close();
    CloseContainer();
  }
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace
