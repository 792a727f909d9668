#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <filesystem>

#include "controls/directory_chooser.h"
#include "controls/directory_model.h"
#include "controls/directory_tree.h"
#include "controls_test_app.h"

namespace fs = std::filesystem;

namespace {

TStrArray Names(QTreeWidgetItem* node) {
  TStrArray names;
  for (int i = 0; i < node->childCount(); ++i) names.push_back(node->child(i)->text(0).toStdString());
  std::sort(names.begin(), names.end());
  return names;
}

class DirTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ControlsTestApp();
    ASSERT_TRUE(FDir.isValid());
    Root = FDir.path().toStdString();
    for (const char* d : {"alpha/one/deep", "alpha/two", "beta", ".hidden/inner", "locked/secret"})
      fs::create_directories(Root + "/" + d);
    fs::create_directory_symlink(Root + "/alpha", Root + "/alpha/one/loop");
  }
  void TearDown() override { chmod((Root + "/locked").c_str(), 0755); }
  QTemporaryDir FDir;
  std::string Root;
};

TEST_F(DirTreeTest, ListingSkipsHiddenAndMarksLinkLoops) {
  TDirTreeListing top = ListDirTreeLevel(Root);
  ASSERT_TRUE(top.Readable);
  TStrArray names;
  for (const auto& e : top.Entries) names.push_back(e.Name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (TStrArray{"alpha", "beta", "locked"}));
  TDirTreeListing one = ListDirTreeLevel(Root + "/alpha/one");
  bool sawLoop = false;
  for (const auto& e : one.Entries)
    if (e.Name == "loop") {
      sawLoop = true;
      EXPECT_TRUE(e.LoopLink);
      EXPECT_FALSE(e.HasSubDirs);
    }
  EXPECT_TRUE(sawLoop);
  EXPECT_FALSE(ListDirTreeLevel(Root + "/missing").Readable);
  TStrArray parts;
  EXPECT_TRUE(DirTreePathParts("/r/", "/r/a/b", parts));
  EXPECT_EQ(parts, (TStrArray{"a", "b"}));
  EXPECT_TRUE(DirTreePathParts("/", "/r", parts));
  EXPECT_EQ(parts, TStrArray{"r"});
  EXPECT_FALSE(DirTreePathParts("/r", "/s/a", parts));
}

TEST_F(DirTreeTest, FillsFoldersOnlyWhenExpanded) {
  TDirTreeView tree;
  tree.SetRoot(Root);
  QTreeWidgetItem* top = tree.topLevelItem(0);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(tree.GetPathFromNode(top), Root + "/");
  ASSERT_TRUE(WaitFor([&] { return !tree.IsLoading(); }));
  EXPECT_EQ(Names(top), (TStrArray{"alpha", "beta", "locked"}));
  QTreeWidgetItem* alpha = nullptr;
  QTreeWidgetItem* beta = nullptr;
  for (int i = 0; i < top->childCount(); ++i) {
    if (top->child(i)->text(0) == "alpha") alpha = top->child(i);
    if (top->child(i)->text(0) == "beta") beta = top->child(i);
  }
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(alpha->childCount(), 0);  // not listed before it is expanded
  EXPECT_EQ(alpha->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
  EXPECT_EQ(beta->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
  tree.expandItem(alpha);
  ASSERT_TRUE(WaitFor([&] { return !tree.IsLoading(); }));
  EXPECT_EQ(Names(alpha), (TStrArray{"one", "two"}));
  EXPECT_EQ(tree.GetPathFromNode(alpha->child(0)), Root + "/alpha/" + alpha->child(0)->text(0).toStdString());

  // The loop link is shown but can never be expanded.
  tree.SetPath(Root + "/alpha/one");
  ASSERT_TRUE(WaitFor([&] { return tree.GetPath() == Root + "/alpha/one"; }));
  QTreeWidgetItem* one = tree.selectedItems().first();
  ASSERT_TRUE(WaitFor([&] { return !tree.IsLoading() && one->childCount() == 2; }));
  for (int i = 0; i < one->childCount(); ++i)
    if (one->child(i)->text(0) == "loop") {
      tree.expandItem(one->child(i));
      ASSERT_TRUE(WaitFor([&] { return !tree.IsLoading(); }));
      EXPECT_EQ(one->child(i)->childCount(), 0);
      EXPECT_FALSE(one->child(i)->isExpanded());
    }
  tree.SetPath(Root + "/missing");
  EXPECT_EQ(tree.GetPath(), Root + "/alpha/one");
}

TEST_F(DirTreeTest, UnreadableFolderShowsNoChildrenAndNeverBlocks) {
  TDirTreeView tree;
  tree.SetRoot(Root);
  ASSERT_TRUE(WaitFor([&] { return !tree.IsLoading(); }));
  QTreeWidgetItem* locked = nullptr;
  for (int i = 0; i < tree.topLevelItem(0)->childCount(); ++i)
    if (tree.topLevelItem(0)->child(i)->text(0) == "locked") locked = tree.topLevelItem(0)->child(i);
  ASSERT_NE(locked, nullptr);
  EXPECT_EQ(locked->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
  // Root reads every folder, so there the folder goes away instead: either
  // way its listing fails after the tree has shown it.
  if (geteuid() == 0) {
    fs::remove_all(Root + "/locked");
  } else {
    chmod((Root + "/locked").c_str(), 0);
  }
  tree.expandItem(locked);
  ASSERT_TRUE(WaitFor([&] { return !tree.IsLoading(); }));
  EXPECT_EQ(locked->childCount(), 0);
  EXPECT_FALSE(locked->isExpanded());
  EXPECT_EQ(locked->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
}

TEST_F(DirTreeTest, IconsAreCachedPerExtension) {
  TSysIconsImageList icons;
  int32_t a = icons.GetIndexForFile("report.PDF");
  int32_t requests = icons.PlatformRequests();
  int32_t b = icons.GetIndexForFile("notes.pdf");
  EXPECT_EQ(a, b);
  if (a >= 0) {
    EXPECT_EQ(icons.PlatformRequests(), requests);
  }
  int32_t folder = icons.GetIndexForFolder("/");
  EXPECT_EQ(icons.GetIndexForFolder(Root), folder);
}

TEST_F(DirTreeTest, ChooserReturnsTheChosenFolderAndFalseOnCancel) {
  TDirSelectDialog dialog(false);
  dialog.InitialDir = Root;
  bool checked = false;
  OnNextModal([&](QWidget*) {
    EXPECT_FALSE(dialog.SidePanel()->isVisible());
    EXPECT_FALSE(dialog.FilterButton()->isVisible());
    dialog.PathEdit()->setText(QString::fromStdString(Root + "/beta"));
    WaitFor([&] { return dialog.Tree()->GetPath() == Root + "/beta"; });
    checked = dialog.Tree()->GetPath() == Root + "/beta";
    dialog.OkButton()->click();
  });
  EXPECT_TRUE(dialog.Execute());
  EXPECT_TRUE(checked);
  EXPECT_EQ(dialog.SelectedDir, Root + "/beta");

  TDirSelectDialog cancelled(false);
  cancelled.InitialDir = Root;
  OnNextModal([&](QWidget*) { cancelled.CancelButton()->click(); });
  EXPECT_FALSE(cancelled.Execute());
}

TEST_F(DirTreeTest, FileSearchVariantFiltersAndMultiSelect) {
  TDirSelectDialog dialog(true);
  dialog.InitialDir = Root + "/alpha";
  dialog.FilterOptions = dsfoVisible;
  dialog.ShowFilterFileType = true;
  dialog.ShowOptionOnlyTextFiles = true;
  dialog.FilterExtensionGeneral = "jpg,png,gif";
  dialog.FilterExtensionCurrent = "png";
  dialog.NumberOfFilters = 3;
  dialog.MultiSelect = true;
  OnNextModal([&](QWidget* modal) {
    EXPECT_TRUE(dialog.SidePanel()->isVisible());
    EXPECT_FALSE(dialog.TopSubDirsCheck()->isVisible());
    EXPECT_EQ(dialog.FilterButton()->text(), "Filter (3)");
    EXPECT_EQ(dialog.ExtensionPanel()->GetCheckedStringValuesAsCSVString(","), "png");
    EXPECT_EQ(dialog.FileTypePanel()->GetCheckedStringValuesAsCSVString(","), "all");
    WaitFor([&] { return !dialog.Tree()->IsLoading() && dialog.Tree()->GetPath() == Root + "/alpha"; });
    SaveScreenshot(modal, "directory_chooser");
    int width = modal->width();
    dialog.FilterButton()->click();
    EXPECT_EQ(modal->width(), width + 300);  // widens again, as the button always does
    EXPECT_FALSE(dialog.FilterButton()->isVisible());
    dialog.SideSubDirsCheck()->setChecked(false);
    EXPECT_FALSE(dialog.TopSubDirsCheck()->isChecked());
    dialog.PathEdit()->setText("a||b");
    EXPECT_EQ(dialog.SelectedDirs, (TStrArray{"a", "b"}));
    EXPECT_EQ(dialog.SelectedDir, "a");
    dialog.PathEdit()->setText("| |");
    EXPECT_TRUE(dialog.SelectedDirs.empty());
    dialog.PathEdit()->setText(QString::fromStdString(Root + "/beta"));
    dialog.CancelButton()->click();
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_FALSE(dialog.SearchSubDirs);
  EXPECT_EQ(dialog.SelectedDir, Root + "/beta");
}

}  // namespace
