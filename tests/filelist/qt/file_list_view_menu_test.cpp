// The file list view's popup menu, keys, header clicks and host controls,
// the file limit, list files through the view, and the list properties
// window, with screenshots for review.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "controls/list_view.h"
#include "filelist/core/file_list_popup_menu.h"
#include "filelist/core/file_list_test_items.h"
#include "filelist/qt/file_list_properties_window.h"
#include "filelist/qt/file_list_view.h"
#include "filelist_qt_test_app.h"
#include "foundation/qt/qt_strings.h"
#include "test_support.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

using testsupport::TempDir;

void Flush() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// The shown top-level entries' captions, separators as "-".
std::string ShownEntries(QMenu* menu) {
  std::string text;
  for (QAction* a : menu->actions()) {
    if (!a->isVisible()) continue;
    if (!text.empty()) text += " | ";
    text += a->isSeparator() ? std::string("-") : FromQString(a->text());
  }
  return text;
}

QAction* EntryByTag(QMenu* menu, int32_t tag) {
  for (QAction* a : menu->actions()) {
    if (a->property("flvTag").toInt() == tag) return a;
  }
  return nullptr;
}

// Types the name into the file dialog's name field, as a user does.
// selectFile() is no stand-in: it leaves the field alone once the field has
// the focus, which the shown dialog gives it whenever its window becomes
// active, before or after the test looks at it.
void TypeFileName(QFileDialog* dialog, const std::string& name) {
  auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(edit, nullptr);
  edit->setText(ToQString(name));
}

class FileListViewMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    view.resize(600, 300);
    for (int i = 0; i < 5; ++i) view.AppendItem(MakeFileItem("/files/f" + std::to_string(i) + ".txt", 100 + i));
    view.RefreshItemCount();
    view.OnDeletionDone = [this](TFileListView*) { ++deletionsDone; };
  }
  void TearDown() override { SetSprResGlobal(0); }

  void Key(int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&view, &press);
  }

  QApplication& app = FileListQtTestApp();
  TFileListViewSpr view;
  int deletionsDone = 0;
};

TEST_F(FileListViewMenu, MenuEntriesFollowTheStateWhenTheMenuOpens) {
  EXPECT_EQ(view.StandardPopUpMenu(), nullptr);
  view.SetShowStandardPopupMenu(true);
  QMenu* menu = view.StandardPopUpMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->actions().size(), 24);
  view.SetSelectedRows({1});
  emit menu->aboutToShow();
  EXPECT_EQ(ShownEntries(menu),
            "Open... | - | Add Files... | Search Folder... | - | Remove selected | Remove not selected | Remove "
            "nonexistent Files | Remove all | - | Import File List... | Export File List... | - | Copy Files to "
            "Clipboard | Copy File Paths to Clipboard | Open containing Folder | - | File Properties... | List "
            "Properties... | ...");
  view.SetSelectedRows({0, 1, 2, 3, 4});
  emit menu->aboutToShow();
  EXPECT_FALSE(EntryByTag(menu, kPopupRemoveSelected)->isVisible());
  EXPECT_FALSE(EntryByTag(menu, kPopupRemoveNotSelected)->isVisible());
  EXPECT_TRUE(EntryByTag(menu, kPopupRemoveAll)->isVisible());

  // A status column offers the statuses present in both sub-menus.
  for (int i = 0; i < 5; ++i) {
    TFileListViewItem item = view.GetItem(i);
    item.Status = i < 2 ? 0 : 4;
    view.SetItem(i, item);
  }
  view.SetColumns(flvColName, flvColStatus);
  emit menu->aboutToShow();
  for (int32_t tag : {kPopupRemoveFilesWithStatus, kPopupRemoveFilesWithNotStatus}) {
    QAction* entry = EntryByTag(menu, tag);
    ASSERT_TRUE(entry && entry->isVisible() && entry->menu());
    std::string shown;
    for (QAction* a : entry->menu()->actions()) {
      if (a->isVisible()) shown += FromQString(a->text()) + ";";
    }
    EXPECT_EQ(shown, "New;Error;");
  }
  // "Remove files with status Error" through its sub-entry.
  EntryByTag(menu, kPopupRemoveFilesWithStatus)->menu()->actions()[4]->trigger();
  EXPECT_EQ(ItemNames(view), (TStrArray{"f0.txt", "f1.txt"}));
  EntryByTag(menu, kPopupRemoveFilesWithNotStatus)->menu()->actions()[4]->trigger();
  EXPECT_EQ(view.GetFileCount(), 0);
  EXPECT_EQ(deletionsDone, 2);

  view.SetShowStandardPopupMenu(false);
  EXPECT_EQ(view.StandardPopUpMenu(), nullptr);
}

TEST_F(FileListViewMenu, EntriesRunTheirOperations) {
  view.SetShowStandardPopupMenu(true);
  QMenu* menu = view.StandardPopUpMenu();
  view.SetSelectedRows({1, 3});
  EntryByTag(menu, kPopupRemoveSelected)->trigger();
  EXPECT_EQ(ItemNames(view), (TStrArray{"f0.txt", "f2.txt", "f4.txt"}));
  view.SetSelectedRows({0});
  EntryByTag(menu, kPopupRemoveNotSelected)->trigger();
  EXPECT_EQ(ItemNames(view), (TStrArray{"f0.txt"}));
  // The entries only run for a menu entry as sender.
  QPushButton notAnEntry;
  notAnEntry.setProperty("flvTag", kPopupRemoveAll);
  view.PopupItemClickProc(&notAnEntry);
  view.PopupItemClickRemoveWithStatusProc(&notAnEntry);
  EXPECT_EQ(view.GetFileCount(), 1);
  // Nonexistent files go.
  EntryByTag(menu, kPopupRemoveNonexistentFiles)->trigger();
  EXPECT_EQ(view.GetFileCount(), 0);
  EXPECT_EQ(deletionsDone, 3);
}

TEST_F(FileListViewMenu, CopyEntriesAndTheListFileDialogs) {
  RegisterTranslations();
  SetSprResGlobal(0);
  view.SetLanguage();
  view.SetShowStandardPopupMenu(true);
  QMenu* menu = view.StandardPopUpMenu();
  view.SetSelectedRows({1});
  EntryByTag(menu, kPopupCopyFilePathsToClipboard)->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "/files/f1.txt");

  TempDir dir;
  for (const char* name : {"a.txt", "b c.txt"}) testsupport::WriteFileBytes(dir.file(name), name);
  view.RemoveAll();
  view.AddFile(dir.file("a.txt"), false);
  view.AddFile(dir.file("b c.txt"), true);
  ASSERT_EQ(view.GetFileCount(), 2);
  // Export through the popup's save dialog, under the name typed there.
  const std::string list = dir.file("chosen.filelist");
  std::string title;
  OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
    title = FromQString(dialog->windowTitle());
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"File List (*.filelist)", "Text File (*.txt)"}));
    TypeFileName(dialog, list);
    static_cast<QDialog*>(dialog)->accept();
  });
  EntryByTag(menu, kPopupExportFileList)->trigger();
  EXPECT_EQ(title, view.StrRes.StrExportFileList);
  EXPECT_EQ(testsupport::ReadFileBytes(list), dir.file("a.txt") + "\n" + dir.file("b c.txt") + "\n");

  // Import through a host menu item's open dialog.
  view.RemoveAll();
  QAction import(nullptr);
  view.SetMenuItemImport(&import);
  OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
    title = FromQString(dialog->windowTitle());
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
    TypeFileName(dialog, list);
    static_cast<QDialog*>(dialog)->accept();
  });
  import.trigger();
  EXPECT_EQ(title, view.StrRes.StrImportFileList);
  TStrArray names;
  for (size_t i = 0; i < view.Items().size(); ++i) names.emplace_back(view.Items().FileName(i));
  EXPECT_EQ(names, (TStrArray{dir.file("a.txt"), dir.file("b c.txt")}));
  EXPECT_EQ(view.model()->rowCount(), 2);
}

TEST_F(FileListViewMenu, CustomEntriesReportTheSelection) {
  view.PopUpCustomItems = {{41, "Top & more", 0, 0, false, false}, {42, "Bottom", 0, 1, true, false}};
  std::vector<std::tuple<int32_t, int32_t, int32_t, std::string>> clicks;
  view.OnPopUpClick = [&](TFileListView*, int32_t id, TFileListViewListItem, int32_t index, int32_t itemID,
                          const std::string& fileName) { clicks.emplace_back(id, index, itemID, fileName); };
  view.SetShowStandardPopupMenu(true);
  QMenu* menu = view.StandardPopUpMenu();
  EXPECT_EQ(menu->actions().front()->text(), "Top && more");
  EXPECT_EQ(menu->actions().back()->text(), "Bottom");
  emit menu->aboutToShow();
  EXPECT_FALSE(menu->actions().back()->isVisible());
  menu->actions().front()->trigger();
  view.SetSelectedRows({2});
  emit menu->aboutToShow();
  EXPECT_TRUE(menu->actions().back()->isVisible());
  menu->actions().back()->trigger();
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0], std::make_tuple(41, -1, 0, std::string()));
  EXPECT_EQ(std::get<0>(clicks[1]), 42);
  EXPECT_EQ(std::get<1>(clicks[1]), 2);
  EXPECT_EQ(std::get<3>(clicks[1]), "/files/f2.txt");
}

TEST_F(FileListViewMenu, CaptionsFollowTheLanguage) {
  view.SetShowStandardPopupMenu(true);
  QMenu* menu = view.StandardPopUpMenu();
  RegisterTranslations();
  SetSprResGlobal(1);
  view.SetLanguage();
  EXPECT_NE(EntryByTag(menu, kPopupRemoveAll)->text(), "Remove all");
  EXPECT_EQ(FromQString(EntryByTag(menu, kPopupListProperties)->text()), view.StrRes.StrListProperties + "...");
  EXPECT_EQ(FromQString(EntryByTag(menu, kPopupRemoveFilesWithStatus)->menu()->actions()[0]->text()),
            view.StatusTexts[0]);
  SetSprResGlobal(0);
  view.SetLanguage();
  EXPECT_EQ(FromQString(EntryByTag(menu, kPopupFilter)->text()), view.StrRes.StrFilter + "...");
  EXPECT_EQ(FromQString(EntryByTag(menu, kPopupRemoveAll)->text()), view.StrRes.StrRemoveAll);
}

TEST_F(FileListViewMenu, Keys) {
  view.SetMultiSelect(true);
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    bool allowDelKey;
    TStrArray left;
    size_t selected;
  } cases[] = {
      {Qt::Key_Delete, Qt::NoModifier, true, {"f0.txt", "f2.txt", "f4.txt"}, 0},
      {Qt::Key_Delete, Qt::AltModifier, true, {"f0.txt", "f2.txt", "f4.txt"}, 0},
      {Qt::Key_Delete, Qt::KeypadModifier, true, {"f0.txt", "f2.txt", "f4.txt"}, 0},
      {Qt::Key_Delete, Qt::ShiftModifier, true, {"f1.txt", "f3.txt"}, 0},
      {Qt::Key_Delete, Qt::ControlModifier, true, {}, 0},
      {Qt::Key_Delete, Qt::NoModifier, false, {"f0.txt", "f1.txt", "f2.txt", "f3.txt", "f4.txt"}, 2},
      {Qt::Key_A, Qt::ControlModifier, true, {"f0.txt", "f1.txt", "f2.txt", "f3.txt", "f4.txt"}, 5},
      {Qt::Key_A, Qt::MetaModifier, true, {"f0.txt", "f1.txt", "f2.txt", "f3.txt", "f4.txt"}, 5},
      {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, true, {"f0.txt", "f1.txt", "f2.txt", "f3.txt", "f4.txt"}, 2},
  };
  for (const auto& c : cases) {
    TFileListViewSpr v;
    for (int i = 0; i < 5; ++i) v.AppendItem(MakeFileItem("/files/f" + std::to_string(i) + ".txt"));
    v.RefreshItemCount();
    v.SetMultiSelect(true);
    v.AllowDelKey = c.allowDelKey;
    v.SetSelectedRows({1, 3});
    QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
    QApplication::sendEvent(&v, &press);
    EXPECT_EQ(ItemNames(v), c.left) << c.key << " " << c.modifiers.toInt();
    EXPECT_EQ(v.GetSelectedRows().size(), c.selected) << c.key << " " << c.modifiers.toInt();
  }
}

TEST_F(FileListViewMenu, HeaderClicksSortUpDownUp) {
  view.show();
  Flush();
  view.SetSelectedRows({2});
  QHeaderView* header = view.header();
  const auto click = [header](int section) { emit header->sectionClicked(section); };
  click(2);  // Size
  EXPECT_TRUE(view.GetSelectedRows().empty());
  EXPECT_EQ(ItemNames(view).front(), "f0.txt");
  click(2);
  EXPECT_EQ(ItemNames(view).front(), "f4.txt");
  click(0);
  EXPECT_EQ(ItemNames(view).front(), "f0.txt");
  view.AllowSortingColumnHeaders = false;
  view.SetSelectedRows({1});
  click(2);
  EXPECT_TRUE(view.GetSelectedRows().empty());
  EXPECT_EQ(ItemNames(view).front(), "f0.txt");
}

TEST_F(FileListViewMenu, HostControlsRunTheViewsOperations) {
  QPushButton removeAll;
  QAction removeSelected(nullptr), removeNotSelected(nullptr);
  view.SetButtonRemoveAll(&removeAll);
  view.SetMenuItemRemoveSelected(&removeSelected);
  view.SetMenuItemRemoveNotSelected(&removeNotSelected);
  EXPECT_EQ(view.ButtonRemoveAll(), &removeAll);
  view.SetSelectedRows({0});
  removeSelected.trigger();
  EXPECT_EQ(view.GetFileCount(), 4);
  view.SetSelectedRows({0});
  removeNotSelected.trigger();
  EXPECT_EQ(ItemNames(view), (TStrArray{"f1.txt"}));
  // Assigning none later leaves the button wired.
  view.SetButtonRemoveAll(nullptr);
  EXPECT_EQ(view.ButtonRemoveAll(), nullptr);
  removeAll.click();
  EXPECT_EQ(view.GetFileCount(), 0);
  EXPECT_EQ(deletionsDone, 3);
  // Assigning the same control twice wires it once.
  view.AppendItem(MakeFileItem("/files/x.txt"));
  view.RefreshItemCount();
  int done = 0;
  view.OnDeletionDone = [&done](TFileListView*) { ++done; };
  view.SetButtonRemoveAll(&removeAll);
  view.SetButtonRemoveAll(&removeAll);
  removeAll.click();
  EXPECT_EQ(done, 2);  // the old wiring and the new one
}

TEST_F(FileListViewMenu, LoweringTheFileLimitRemovesTheSurplusLikeAnyRemoval) {
  for (int i = 5; i < 8; ++i) view.AppendItem(MakeFileItem("/files/f" + std::to_string(i) + ".txt"));
  view.RefreshItemCount();
  std::vector<int32_t> asked;
  view.OnDeleteItem = [&](TFileListView*, TFileListViewListItem, int32_t index, int32_t, bool& canDelete) {
    asked.push_back(index);
    canDelete = view.Items().FileName(static_cast<size_t>(index)) != "/files/f6.txt";  // the host keeps one
  };
  view.SetFileLimit(5);
  EXPECT_EQ(view.FileLimit, 5);
  EXPECT_EQ(asked, (std::vector<int32_t>{5, 6, 7}));
  EXPECT_EQ(ItemNames(view), (TStrArray{"f0.txt", "f1.txt", "f2.txt", "f3.txt", "f4.txt", "f6.txt"}));
  EXPECT_EQ(view.model()->rowCount(), 6);
  EXPECT_EQ(deletionsDone, 1);
  view.SetFileLimit(0);
  view.SetFileLimit(5);  // a change again: the kept one is asked once more
  EXPECT_EQ(asked.size(), 4u);
  EXPECT_EQ(asked.back(), 5);
  view.SetFileLimit(5);
  EXPECT_EQ(asked.size(), 4u);
  view.SetFileLimit(10);
  EXPECT_EQ(view.GetFileCount(), 6);
}

TEST_F(FileListViewMenu, ExportAndImportAThousandAwkwardFilesGiveTheSameList) {
  TempDir dir;
  const char* const shapes[] = {"plain%d.txt",  " lead%d.txt",       "trail%d.txt ",        "quote\"%d\".txt",
                                "apos'%d'.txt", "bad\xff\xfe%d.txt", "nfd e\xcc\x81%d.txt", "in ner %d .md",
                                "%d",           "tab\t%d\t"};
  view.RemoveAll();
  view.AllowDublicates = false;
  TStrArray paths;
  for (int i = 0; i < 1000; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, shapes[i % std::size(shapes)], i);
    paths.push_back(dir.file(name));
    testsupport::WriteFileBytes(paths.back(), "x");
    view.AddFile(paths.back(), false);
  }
  view.RefreshItemCountAndInitAddingDoneIfNotInUpdateState();
  ASSERT_EQ(view.GetFileCount(), 1000);
  const std::string list = dir.file("all.filelist");
  ASSERT_TRUE(view.FileListExportToFile(list));
  std::string expected;
  for (const std::string& p : paths) expected += p + "\n";
  EXPECT_EQ(testsupport::ReadFileBytes(list), expected);

  view.RemoveAll();
  ASSERT_TRUE(view.FileListImportFromFile(list, true));
  TStrArray names;
  for (size_t i = 0; i < view.Items().size(); ++i) names.emplace_back(view.Items().FileName(i));
  EXPECT_EQ(names, paths);
  EXPECT_EQ(view.model()->rowCount(), 1000);

  EXPECT_FALSE(view.FileListImportFromFile(dir.file("none.filelist"), true));
  EXPECT_FALSE(view.FileListImportFromStrings({}, true));
}

TEST_F(FileListViewMenu, AListThatNamesItselfIsReadOnce) {
  TempDir dir;
  view.RemoveAll();
  const std::string a = dir.file("a.txt");
  const std::string list = dir.file("self.filelist");
  testsupport::WriteFileBytes(a, "a");
  testsupport::WriteFileBytes(list, a + "\n" + list + "\n");
  EXPECT_TRUE(view.FileListImportFromStrings({list, dir.file("missing.filelist")}, true));
  TStrArray names;
  for (size_t i = 0; i < view.Items().size(); ++i) names.emplace_back(view.Items().FileName(i));
  // The list names a.txt and itself; the list file is an entry too.
  EXPECT_EQ(names, (TStrArray{a, list}));
}

// --- The list properties window ------------------------------------------------------------

class FileListPropertiesWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTranslations();
    SetSprResGlobal(0);
    view.SetLanguage();
    view.resize(600, 300);
    auto add = [this](const std::string& path, int64_t size, int32_t chars, double seconds) {
      TFileListViewItem item = MakeFileItem(path, size);
      if (chars > 0) {
        TFileListViewTextInfo t;
        t.Lines = chars / 40 + 1;
        t.Chars = chars;
        t.Words = chars / 6;
        item.TextInfoIndex = static_cast<int32_t>(view.TextInfos.Append(t));
      }
      if (seconds > 0) {
        TFileListViewAudioInfo a;
        a.Duration = seconds;
        item.AudioInfoIndex = static_cast<int32_t>(view.AudioInfos.Append(a));
      }
      view.AppendItem(item);
    };
    add("/m/notes.txt", 2048, 1800, 0);
    add("/m/readme.txt", 900, 700, 0);
    add("/m/holiday.jpg", 3500000, 0, 0);
    add("/m/song.mp3", 5200000, 0, 214.4);
    add("/m/talk.mp3", 12000000, 0, 1830.6);
    add("/m/paper.pdf", 480000, 0, 0);
    add("/m/data.bin", 64, 0, 0);
    view.RefreshItemCount();
  }
  void TearDown() override { SetSprResGlobal(0); }

  QApplication& app = FileListQtTestApp();
  TFileListViewSpr view;
};

TEST_F(FileListPropertiesWindow, PagesRowsButtonsAndClipboard) {
  TFileListViewListInfoCreator creator(view, 0);
  TFileListViewListInfoWindow window(creator, &view);
  EXPECT_EQ(window.windowTitle(), "List Properties");
  EXPECT_EQ(window.width(), 820);
  ASSERT_EQ(window.Pages()->count(), 2);
  EXPECT_EQ(window.Pages()->tabText(0), "File Types");
  EXPECT_EQ(window.Pages()->tabText(1), "File Formats");
  EXPECT_EQ(creator.ShownListType, kListInfoByFileType);
  TVirtualListView* formats = window.FileFormatsList();
  ASSERT_EQ(formats->GetItemCount(), 6);  // five formats and the totals
  EXPECT_EQ(formats->FixedRowsBottom, 1);
  EXPECT_EQ(window.Button(kListInfoButtonText)->text(), "Copy as Text");
  EXPECT_EQ(window.Button(kListInfoButtonCSV)->text(), "Copy as CSV");
  EXPECT_EQ(window.Button(kListInfoButtonClose)->text(), "Close");

  window.Button(kListInfoButtonTSV)->click();
  const std::string typesTSV = FromQString(QGuiApplication::clipboard()->text());
  EXPECT_EQ(typesTSV.substr(0, typesTSV.find('\n')),
            "Type\tNumber\tSize\tDuration\tLines\tCharacters\tWords\tPercentage");
  EXPECT_NE(typesTSV.find("\nTotal\t7\t"), std::string::npos);

  window.Pages()->setCurrentIndex(1);
  EXPECT_EQ(creator.ShownListType, kListInfoByExtension);
  window.Button(kListInfoButtonCSV)->click();
  const std::string csv = FromQString(QGuiApplication::clipboard()->text());
  EXPECT_EQ(csv, formats->ExportAsCSV(true, true));
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "Format,Number,Size,Duration,Lines,Characters,Words,Percentage");
  EXPECT_NE(csv.find("\nMP3,2,"), std::string::npos);
  EXPECT_NE(csv.find("\nTotal,7,"), std::string::npos);
  window.Button(kListInfoButtonText)->click();
  EXPECT_EQ(FromQString(QGuiApplication::clipboard()->text()), formats->ExportAsTXT(true, true));
  // Anything but a button does nothing.
  QGuiApplication::clipboard()->setText("kept");
  window.ListButtonClickProc(window.Pages());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
}

TEST_F(FileListPropertiesWindow, ThePopupEntryOpensTheWindowForReview) {
  view.SetShowStandardPopupMenu(true);
  view.SetSelectedRows({3});
  view.show();
  QMenu* menu = view.StandardPopUpMenu();
  menu->popup(view.mapToGlobal(QPoint(40, 40)));
  Flush();
  SaveScreenshot(menu, "popup_menu");
  menu->hide();
  bool shown = false;
  OnNextModal([&shown](QWidget* modal) {
    shown = true;
    Flush();
    SaveScreenshot(modal, "list_properties");
    auto* pages = modal->findChild<QTabWidget*>();
    if (pages) pages->setCurrentIndex(1);
    Flush();
    SaveScreenshot(modal, "list_properties_formats");
    modal->close();
  });
  EntryByTag(menu, kPopupListProperties)->trigger();
  EXPECT_TRUE(shown);

  // Mirrored Arabic.
  SetSprResGlobal(13);
  view.SetLanguage();
  view.setLayoutDirection(Qt::RightToLeft);
  menu->popup(view.mapToGlobal(QPoint(300, 40)));
  Flush();
  SaveScreenshot(menu, "popup_menu_ar");
  menu->hide();
  shown = false;
  OnNextModal([&shown](QWidget* modal) {
    shown = true;
    EXPECT_EQ(modal->layoutDirection(), Qt::RightToLeft);
    // Sizes keep reading left to right in the mirrored table.
    auto* table = modal->findChild<TVirtualListView*>();
    EXPECT_TRUE(table && table->model()->index(0, 2).data().toString().startsWith(QChar(0x2068)));
    Flush();
    SaveScreenshot(modal, "list_properties_ar");
    modal->close();
  });
  view.ShowListPropertiesDialog();
  EXPECT_TRUE(shown);
}

}  // namespace
