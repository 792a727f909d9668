// Progress windows, offscreen, with a tick source stepped by hand.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <cstdint>
#include <string>

#include "controls/progress_dialog.h"
#include "controls/progress_refresh.h"
#include "list_view_test_app.h"

namespace {

TEST(ProgressRefresh, ThrottleAndWrapAround) {
  struct Case {
    uint32_t last;
    uint32_t now;
    bool due;
    uint32_t lastAfter;
  };
  const Case cases[] = {
      {0, 0, false, 0},                       // nothing yet within the first interval of the clock
      {0, 200, true, 0},                      // the first refresh after creation comes at once on a running clock
      {1000, 1199, false, 1000},              // within 200 ms
      {1000, 1200, true, 1000},               // due
      {4294967000u, 50, false, 4294967146u},  // wrapped, still below the interval: skipped
      {4294967000u, 300, true, 100},          // wrapped: pulled back, refreshing goes on
  };
  for (const auto& c : cases) {
    uint32_t last = c.last;
    EXPECT_EQ(ProgressRefreshDue(c.now, last, 200), c.due) << c.last << " " << c.now;
    EXPECT_EQ(last, c.lastAfter);
  }
}

class Progress : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ListViewTestApp(); }
  // Every refresh that gets past the first checks reads the tick once.
  void UseClock(TBaseProgressDialogObj& dialog) {
    dialog.SetTickSource([this] {
      ++reads;
      return tick;
    });
  }
  uint32_t tick = 100000;
  int reads = 0;
};

TEST_F(Progress, CountsWithBarAndThrottles) {
  TBaseProgressDialogObj dialog(nullptr, 40);
  UseClock(dialog);
  dialog.ShowLabelStatus = true;
  dialog.ShowLabelCurrentFile = true;
  // Refreshing before the window exists does nothing; the values wait.
  dialog.SetCurrentFile("/a/first.txt");
  dialog.RefreshGUI();
  EXPECT_EQ(reads, 0);
  EXPECT_EQ(dialog.Form(), nullptr);
  dialog.Show();
  ASSERT_NE(dialog.ProgressBar(), nullptr);
  EXPECT_EQ(dialog.ProgressBar()->maximum(), 40);
  for (int i = 2; i <= 10; ++i) {
    tick += 1000;
    dialog.SetCurrentFile("/a/same.txt");  // the same name counts every time
  }
  EXPECT_EQ(dialog.CurrentFileNumber(), 10);
  EXPECT_EQ(dialog.RowValueLabel(TProgressRow::Status)->text(), "10 / 40");
  EXPECT_EQ(dialog.ProgressBar()->value(), 10);
  EXPECT_EQ(dialog.RowNameLabel(TProgressRow::CurrentFile)->text(), "Current File:");
  // Within the interval nothing is redrawn; the next due refresh shows it.
  tick += 100;
  dialog.SetCurrentFile("/a/eleven.txt");
  EXPECT_EQ(dialog.RowValueLabel(TProgressRow::Status)->text(), "10 / 40");
  tick += 100;
  dialog.RefreshGUI();
  EXPECT_EQ(dialog.RowValueLabel(TProgressRow::Status)->text(), "11 / 40");
  EXPECT_EQ(dialog.RowValueLabel(TProgressRow::CurrentFile)->text(), "/a/eleven.txt");
  EXPECT_EQ(dialog.RowValueLabel(TProgressRow::TargetFile), nullptr);
  EXPECT_EQ(dialog.Form()->windowModality(), Qt::ApplicationModal);
  EXPECT_TRUE(dialog.Form()->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(dialog.Form()->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_GE(dialog.Form()->width(), 700);
  QApplication::processEvents();
  QDir().mkpath(SYLLABRIX_SCREENSHOT_DIR);
  EXPECT_TRUE(dialog.Form()->grab().save(QString(SYLLABRIX_SCREENSHOT_DIR) + "/progress_with_bar.png"));
}

TEST_F(Progress, UnchangedValuesDoNotRefresh) {
  TBaseProgressDialogObj dialog(nullptr, 0);
  UseClock(dialog);
  dialog.ShowLabelStatus = true;
  dialog.ShowLabelSearchedFiles = true;
  dialog.ShowLabelCurrentFolder = true;
  dialog.Show();
  EXPECT_EQ(dialog.ProgressBar(), nullptr);
  dialog.SetSearchedFiles(0);
  dialog.SetCurrentFolder("");
  EXPECT_EQ(reads, 0);
  dialog.SetSearchedFiles(5);
  EXPECT_EQ(reads, 1);
  dialog.SetCurrentFolder("/x");
  EXPECT_EQ(reads, 2);
  dialog.SetCurrentFile("f");
  EXPECT_EQ(reads, 3);
  dialog.AutoRefreshGUIOnValueChange = false;
  dialog.SetSearchedFiles(6);
  EXPECT_EQ(reads, 3);
  tick += 1000;
  dialog.RefreshGUI();
  EXPECT_EQ(dialog.RowValueLabel(TProgressRow::Status)->text(), "1");  // the bare count without a bar
  EXPECT_EQ(dialog.RowValueLabel(TProgressRow::SearchedFiles)->text(), "6");
}

TEST_F(Progress, CancelAndNoReentry) {
  TBaseProgressDialogObj dialog(nullptr, 3);
  UseClock(dialog);
  dialog.RefreshGUIInterval = 0;
  dialog.Show();
  EXPECT_FALSE(dialog.Canceled);
  // A handler that runs inside the refresh's event handling and refreshes
  // again does not start a second refresh.
  int readsInside = -1;
  QTimer::singleShot(0, [&] {
    dialog.CancelButton()->click();
    const int before = reads;
    dialog.RefreshGUI();
    readsInside = reads - before;
  });
  tick += 10;
  dialog.RefreshGUI();
  EXPECT_TRUE(dialog.Canceled);
  EXPECT_EQ(readsInside, 0);
  tick += 10;
  dialog.RefreshGUI();
  EXPECT_TRUE(dialog.Canceled);  // never resets itself
}

TEST_F(Progress, FileSearchWindow) {
  TFileSearchProgressObj search(nullptr);
  UseClock(search);
  EXPECT_EQ(search.FileCount(), 0);
  EXPECT_EQ(search.StrStatus, "Found:");
  EXPECT_EQ(search.StrCurrentFile, "Last found:");
  search.StrCaption = "Searching files";
  search.AutoRefreshGUIOnValueChange = false;
  search.Show();
  EXPECT_EQ(search.ProgressBar(), nullptr);
  EXPECT_EQ(search.RowNameLabel(TProgressRow::TargetFile), nullptr);
  // From top to bottom: found, last found, searched files, current folder, searched folders.
  const TProgressRow order[] = {TProgressRow::Status, TProgressRow::CurrentFile, TProgressRow::SearchedFiles,
                                TProgressRow::CurrentFolder, TProgressRow::SearchedFolders};
  const char* names[] = {"Found:", "Last found:", "Searched Files:", "Current Folder:", "Searched Folders:"};
  int lastY = -1;
  for (size_t i = 0; i < 5; ++i) {
    QLabel* name = search.RowNameLabel(order[i]);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), names[i]);
    const int y = name->mapTo(search.Form(), QPoint(0, 0)).y();
    EXPECT_GT(y, lastY);
    lastY = y;
  }
  EXPECT_GT(search.CancelButton()->mapTo(search.Form(), QPoint(0, 0)).y(), lastY);
  const std::string longPath =
      "/home/someone/a very long folder name/another long folder name/yet another folder/and one more level/"
      "deeper still/the file that was found.txt";
  for (int i = 0; i < 12; ++i) search.SetCurrentFile(longPath);
  search.SetSearchedFiles(340);
  search.SetSearchedFolders(27);
  search.SetCurrentFolder("/home/someone/a very long folder name/another long folder name/yet another folder");
  tick += 1000;
  search.RefreshGUI();
  QLabel* file = search.RowValueLabel(TProgressRow::CurrentFile);
  EXPECT_EQ(search.RowValueLabel(TProgressRow::Status)->text(), "12");
  EXPECT_EQ(search.RowValueLabel(TProgressRow::SearchedFiles)->text(), "340");
  EXPECT_EQ(search.RowValueLabel(TProgressRow::SearchedFolders)->text(), "27");
  EXPECT_TRUE(file->text().endsWith("the file that was found.txt"));
  EXPECT_TRUE(file->text().contains("..."));
  EXPECT_LE(file->fontMetrics().horizontalAdvance(file->text()), file->width() - 15);
  EXPECT_FALSE(file->wordWrap());
  QApplication::processEvents();
  QDir().mkpath(SYLLABRIX_SCREENSHOT_DIR);
  EXPECT_TRUE(search.Form()->grab().save(QString(SYLLABRIX_SCREENSHOT_DIR) + "/progress_file_search.png"));
}

TEST(ProgressMinimize, KeepsTheNameAndFits) {
  ListViewTestApp();
  const QFontMetrics metrics(QApplication::font());
  const QString path = "/usr/share/some/deep/folder/structure/file.txt";
  EXPECT_EQ(ProgressMinimizeName(path, metrics, 10000), path);
  const int width = metrics.horizontalAdvance("/usr/.../file.txt") + 2;
  const QString shortened = ProgressMinimizeName(path, metrics, width);
  EXPECT_EQ(shortened, "/usr/.../file.txt");
  const QString tiny = ProgressMinimizeName(path, metrics, 30);
  EXPECT_LE(metrics.horizontalAdvance(tiny), 30);
}

}  // namespace
