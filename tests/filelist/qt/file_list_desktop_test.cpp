// The file list's operations that reach the desktop: opening the selected
// entries and their folders, the clipboard, and the properties window; on a
// temporary tree with the desktop's handlers replaced.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <filesystem>

#include "filelist/qt/file_list_view.h"
#include "filelist_qt_test_app.h"
#include "foundation/qt/desktop.h"
#include "foundation/qt/qt_strings.h"
#include "test_support.h"

namespace {

using testsupport::TempDir;
using testsupport::WriteFileBytes;

struct TDesktopRecorder {
  QStringList Opened;
  QStringList Started;
  TDesktopRecorder() {
    SetUrlOpener([this](const QUrl& url) {
      Opened << url.toLocalFile();
      return true;
    });
    SetProgramStarter([this](const QString& program, const QStringList& args) {
      Started << program + " " + args.join(' ');
      return true;
    });
  }
  ~TDesktopRecorder() {
    SetUrlOpener(nullptr);
    SetProgramStarter(nullptr);
  }
};

TEST(FileListDesktop, OpeningCopyingAndProperties) {
  FileListQtTestApp();
  TempDir dir;
  std::filesystem::create_directory(dir.file("sub"));
  for (const char* n : {"a.txt", "b.txt", "c.txt", "sub/d.txt"}) WriteFileBytes(dir.file(n), "x");
  TFileListView view;
  view.ShowFileSearchProgressDialog = false;
  view.AddFolders = true;
  view.AddFilesFromFolders = false;
  view.SetMultiSelect(true);
  for (const char* n : {"a.txt", "b.txt", "c.txt", "sub/d.txt", "sub"}) view.AddFile(dir.file(n));
  TDesktopRecorder desktop;
  // Three files in one folder: the folder opens once.
  view.SetSelectedRows({0, 1, 2, 3});
  view.OpenContainingFolderOfSelected();
  EXPECT_EQ(desktop.Opened, (QStringList{ToQString(dir.str()), ToQString(dir.file("sub"))}));
  // Files and folders open; one gone from the disk is passed over.
  desktop.Opened.clear();
  std::filesystem::remove(dir.file("b.txt"));
  view.SetSelectedRows({0, 1, 4});
  view.OpenSelected();
  EXPECT_EQ(desktop.Opened, (QStringList{ToQString(dir.file("a.txt")), ToQString(dir.file("sub"))}));
  view.CopyToClipboardSelected_Paths();
  EXPECT_EQ(FromQString(QApplication::clipboard()->text()),
            dir.file("a.txt") + "\n" + dir.file("b.txt") + "\n" + dir.file("sub"));
  view.SetSelectedRows({});
  view.CopyToClipboardSelected_Paths();
  EXPECT_EQ(QApplication::clipboard()->text(), QString());
  view.ShowSystemPropertiesDialogOfFile(7);
  EXPECT_TRUE(desktop.Started.isEmpty());
  view.ShowSystemPropertiesDialogOfFile(0);
  EXPECT_EQ(desktop.Started.size(), 1);
}

}  // namespace
