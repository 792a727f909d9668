// The folder search dialog, its progress window and the follow-up of a
// filter change: the dialog's values taken over, a folder searched, a missing
// folder reported, and the question about entries that no longer match.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

#include "controls/dialogs.h"
#include "controls/directory_chooser.h"
#include "controls/progress_dialog.h"
#include "filelist/qt/file_filter_options_dialog.h"
#include "filelist/qt/file_list_view.h"
#include "filelist_qt_test_app.h"
#include "foundation/qt/qt_strings.h"
#include "test_support.h"

namespace {

using testsupport::TempDir;
using testsupport::WriteFileBytes;

struct TRecordingDialogs : TDialogHandler {
  std::vector<std::string> Seen;
  int32_t Answer = kModalResultYes;
  void Notification(const std::string& caption, const std::string& message, const std::string&) override {
    Seen.push_back(caption + ": " + message);
  }
  int32_t Confirmation(const std::string& caption, const std::string& question, const std::string&, const std::string&,
                       const std::string&, bool) override {
    Seen.push_back(caption + ": " + question);
    return Answer;
  }
  std::string Input(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&,
                    const TStrArray&, int32_t, bool) override {
    return std::string(1, '\0');
  }
};

// Types the folder into the open chooser and presses OK.
void ChooseFolder(const std::string& folder, const std::string& screenshot = "") {
  OnNextModal([folder, screenshot](QWidget* modal) {
    auto* edit = modal->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText(ToQString(folder));
    if (!screenshot.empty()) SaveScreenshot(modal, screenshot);
    for (QPushButton* b : modal->findChildren<QPushButton*>()) {
      if (b->text() == "OK") b->click();
    }
  });
}

TEST(FileListSearchDialog, SearchesTheChosenFolderWithItsProgressWindow) {
  FileListQtTestApp();
  TempDir dir;
  for (int i = 0; i < 30; ++i) WriteFileBytes(dir.file("file" + std::to_string(i) + ".txt"), "x");
  WriteFileBytes(dir.file(".hidden.txt"), "x");
  TFileListView view;
  view.AddHiddenFiles = true;
  int filterChanges = 0;
  view.OnFilterChange = [&](TFileListView*, int32_t) { ++filterChanges; };
  bool shot = false;
  uint32_t tick = 0;
  view.OnCanAdd = [&](TFileListView* v, const std::string&, int32_t count, bool, bool&) {
    TFileSearchProgressObj* p = v->FileSearchProgress();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(v->FileSearchProgressAdding);
    // Every refresh shows the window as it stands.
    if (count == 0) p->SetTickSource([&tick] { return tick += 1000; });
    if (count == 20 && p->Form()) {
      SaveScreenshot(p->Form(), "search_progress");
      EXPECT_EQ(p->SearchedFiles(), 20);
      shot = true;
    }
  };
  ChooseFolder(dir.str(), "folder_search_dialog");
  view.ExecuteFileFinderDialog();
  EXPECT_TRUE(shot);
  EXPECT_EQ(view.GetFileCount(), 31);
  EXPECT_EQ(view.RowCount(), 31);
  EXPECT_EQ(view.LastDir, dir.str());
  EXPECT_EQ(filterChanges, 1);
  EXPECT_FALSE(view.FileSearchProgressAdding);
  EXPECT_EQ(view.FileSearchProgress(), nullptr);
}

TEST(FileListSearchDialog, CancelInTheProgressWindowEndsTheSearch) {
  FileListQtTestApp();
  TempDir dir;
  for (int i = 0; i < 50; ++i) WriteFileBytes(dir.file("f" + std::to_string(i)), "x");
  TFileListView view;
  view.OnCanAdd = [&](TFileListView* v, const std::string&, int32_t count, bool, bool&) {
    if (count == 4) v->FileSearchProgress()->Canceled = true;
  };
  view.FileFinderProgressDialogBeginAdding();
  view.AddFilesAndFoldersFromFolder(dir.str());
  // The next folder of the same run is not searched at all.
  view.AddFilesAndFoldersFromFolder(dir.str());
  view.FileFinderProgressDialogEndAdding();
  EXPECT_EQ(view.GetFileCount(), 5);
}

TEST(FileListSearchDialog, MissingFolderIsReportedAndNothingSearched) {
  FileListQtTestApp();
  TRecordingDialogs dialogs;
  TScopedDialogHandler scoped(&dialogs);
  TFileListView view;
  ChooseFolder("/no/such/folder");
  view.ExecuteFileFinderDialog();
  EXPECT_EQ(dialogs.Seen, (std::vector<std::string>{"Error: Directory not found."}));
  EXPECT_EQ(view.GetFileCount(), 0);
  EXPECT_EQ(view.LastDir, "/no/such/folder");
}

TEST(FileListSearchDialog, FilterChangeAsksOnlyWhenEntriesNoLongerMatch) {
  FileListQtTestApp();
  TempDir dir;
  WriteFileBytes(dir.file("a.txt"), "a");
  WriteFileBytes(dir.file("b.jpg"), "b");
  TRecordingDialogs dialogs;
  TScopedDialogHandler scoped(&dialogs);
  TFileListView view;
  view.ShowFileSearchProgressDialog = false;
  view.StrRes.StrFilesNotMatchingFilter = "Not matching.";
  view.StrRes.StrRemoveThoseFiles = "Remove?";
  view.AddFile(dir.file("a.txt"));
  view.AddFile(dir.file("b.jpg"));
  view.ShowFilesNotMatchingAnymoreDialogIfContainsFilesNotMatchingCurrentFileFilter();
  EXPECT_TRUE(dialogs.Seen.empty());
  view.FileExtensionFilter->SetFilter("TXT", "", "");
  dialogs.Answer = kModalResultNo;
  view.ShowFilesNotMatchingAnymoreDialogIfContainsFilesNotMatchingCurrentFileFilter();
  EXPECT_EQ(dialogs.Seen, (std::vector<std::string>{"Note: Not matching.\n\nRemove?"}));
  EXPECT_EQ(view.GetFileCount(), 2);
  dialogs.Answer = kModalResultYes;
  view.ShowFilesNotMatchingAnymoreDialogIfContainsFilesNotMatchingCurrentFileFilter();
  EXPECT_EQ(view.GetFileCount(), 1);
  EXPECT_EQ(view.GetFilterCount(), 1);
}

TEST(FileListSearchDialog, FilterOptionsDialogChangesNothingOnCancel) {
  FileListQtTestApp();
  TFileListView view;
  view.FileNameFilter->SetFilter("keep", false, true);
  OnNextModal<QDialog>([](QDialog* modal) {
    if (auto* edit = modal->findChild<QLineEdit*>()) edit->setText("changed");
    modal->reject();
  });
  view.ShowFileFilterOptionsDialog();
  EXPECT_EQ(view.FileNameFilter->FilterStr, "keep");
}

}  // namespace

namespace {

TEST(FileListSearchDialog, ReaderResultsWaitWhileASearchLetsEventsThrough) {
  FileListQtTestApp();
  TempDir dir;
  TempDir more;
  for (int i = 0; i < 20; ++i) WriteFileBytes(dir.file("s" + std::to_string(i) + ".mp3"), "x");
  for (int i = 0; i < 20; ++i) WriteFileBytes(more.file("t" + std::to_string(i) + ".txt"), "x");
  TFileListView view;
  view.SetReadOutAudioInfo(true);
  int readingDone = 0;
  view.OnReadingOutDone = [&](TFileListView*) { ++readingDone; };
  view.ShowFileSearchProgressDialog = false;
  view.AddFilesAndFoldersFromFolder(dir.str());
  ASSERT_FALSE(view.GetReadingOutDone());
  // A second search whose window lets events through while the readers end.
  view.ShowFileSearchProgressDialog = true;
  bool sawDoneDuringSearch = false;
  view.OnCanAdd = [&](TFileListView* v, const std::string&, int32_t, bool, bool&) {
    for (int i = 0; i < 20; ++i) {
      QApplication::processEvents();
      QThread::msleep(2);
    }
    sawDoneDuringSearch = sawDoneDuringSearch || readingDone > 0;
  };
  view.FileFinderProgressDialogBeginAdding();
  view.AddFilesAndFoldersFromFolder(more.str());
  view.FileFinderProgressDialogEndAdding();
  EXPECT_FALSE(sawDoneDuringSearch);
  view.OnCanAdd = nullptr;
  EXPECT_TRUE(WaitFor([&] { return view.GetReadingOutDone(); }));
  EXPECT_GE(readingDone, 1);
  EXPECT_EQ(view.GetFileCount(), 40);
}

}  // namespace
