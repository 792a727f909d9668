// The in-place editor of the file list: opening on a double click, host
// vetoes before and after a change, Enter, Tab, Shift+Tab and Esc, option
// columns, and the double click on cells that cannot be edited.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

#include "filelist/core/file_list_test_items.h"
#include "filelist/qt/file_list_view.h"
#include "filelist_qt_test_app.h"
#include "foundation/qt/desktop.h"
#include "foundation/qt/qt_strings.h"

namespace {

class FileListEditing : public ::testing::Test {
 protected:
  void SetUp() override {
    view.resize(600, 300);
    view.SetCustomColumnCounts(1, 1);
    view.SetColumnInfo(flvColCustomStr, 0, "Note", 120, 1, taLeftJustify, flvEditText, flvFormatDefault, {}, false,
                       true);
    view.SetColumnInfo(flvColCustomInt, 0, "Done", 80, 2, taLeftJustify, flvEditDropDownList, flvFormatShowOption,
                       {"no", "yes"}, false, true);
    view.SetColumns(flvColName, flvColCustomStr, flvColCustomInt, flvColSize);
    for (int i = 0; i < 3; ++i) {
      TFileListViewItem item = MakeFileItem("/files/" + std::string(1, static_cast<char>('a' + i)) + ".txt");
      item.ID = 10 + i;
      item.CustomStrValues = {"note " + std::to_string(i)};
      item.CustomIntValues = {i == 1 ? 1 : 0};
      view.AppendItem(item);
    }
    view.RefreshItemCount();
    view.show();
    QApplication::processEvents();
    view.OnCellChange = [this](TFileListView*, const TFileListViewCellInfo& cell, int32_t index, int32_t id,
                               const std::string& oldText, const std::string& newText, bool& can) {
      changes.push_back(std::to_string(index) + ":" + std::to_string(id) + ":" + oldText + ">" + newText);
      can = !vetoChange;
    };
    view.OnCellChangeDone = [this](TFileListView*) { ++done; };
  }
  std::string Note(int i) const { return std::string(view.Items().CustomStr(static_cast<size_t>(i), 0)); }
  int64_t Flag(int i) const { return view.Items().CustomInt(static_cast<size_t>(i), 0); }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (view.EditControl()) target = view.EditControl();
    if (view.EditComboBox()) target = view.EditComboBox();
    QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
    QApplication::processEvents();
  }

  QApplication& app = FileListQtTestApp();
  TFileListView view;
  std::vector<std::string> changes;
  bool vetoChange = false;
  int done = 0;
};

TEST_F(FileListEditing, DoubleClickOpensTheEditorAndEnterCommitsAndMovesDown) {
  int dblClicks = 0;
  int opened = 0;
  SetUrlOpener([&](const QUrl&) { return ++opened > 0; });
  view.OnDblClickItem = [&](TFileListView*, TFileListViewListItem, int32_t, int32_t, const std::string&) {
    ++dblClicks;
  };
  const QRect r = view.GetCellRect(0, 1);
  view.SetSelectedRows({0});
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  ASSERT_TRUE(view.Editing());
  ASSERT_NE(view.EditControl(), nullptr);
  EXPECT_EQ(FromQString(view.EditControl()->text()), "note 0");
  EXPECT_EQ(view.EditCell().Row, 0);
  EXPECT_EQ(view.EditCell().ColumnTag, 1);
  // An editable cell is edited, not opened; the host still hears of it.
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(dblClicks, 1);
  view.EditControl()->setText("changed");
  Key(Qt::Key_Return);
  EXPECT_EQ(Note(0), "changed");
  EXPECT_EQ(changes, (std::vector<std::string>{"0:10:note 0>changed"}));
  ASSERT_TRUE(view.Editing());
  EXPECT_EQ(view.EditCell().Row, 1);
  // Enter in the last row commits and closes.
  Key(Qt::Key_Return);
  ASSERT_TRUE(view.Editing());
  EXPECT_EQ(view.EditCell().Row, 2);
  view.EditControl()->setText("last");
  Key(Qt::Key_Return);
  EXPECT_FALSE(view.Editing());
  EXPECT_EQ(Note(2), "last");
  // Right of the last column there is a row but no column: the file opens.
  const int right = view.header()->length() + 5;
  view.resize(view.header()->length() + 100, 300);
  QApplication::processEvents();
  const TFileListViewCellInfo beyond = view.GetCellAt(right, r.center().y());
  EXPECT_EQ(beyond.Row, 0);
  EXPECT_EQ(beyond.Column, -1);
  SetUrlOpener(nullptr);
}

TEST_F(FileListEditing, VetoesBeforeAndAfterTheChange) {
  view.OnCellChangeInit = [](TFileListView*, const TFileListViewCellInfo& cell, int32_t, int32_t, std::string& value,
                             bool& can, bool&) { can = cell.Row != 0; };
  view.BeginCellEdit(view.GetCellInfo(0, 1));
  EXPECT_FALSE(view.Editing());
  view.BeginCellEdit(view.GetCellInfo(1, 1));
  ASSERT_TRUE(view.Editing());
  vetoChange = true;
  view.EditControl()->setText("refused");
  Key(Qt::Key_Return);
  EXPECT_EQ(Note(1), "note 1");
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_EQ(done, 0);
  // The host supplies a value and wants no editor: stored at once.
  vetoChange = false;
  view.FreeEditables();
  view.OnCellChangeInit = [](TFileListView*, const TFileListViewCellInfo&, int32_t, int32_t, std::string& value, bool&,
                             bool& show) {
    value = "from host";
    show = false;
  };
  view.BeginCellEdit(view.GetCellInfo(2, 1));
  EXPECT_FALSE(view.Editing());
  EXPECT_EQ(Note(2), "from host");
  EXPECT_EQ(done, 1);
}

TEST_F(FileListEditing, EscClosesWithoutStoring) {
  view.BeginCellEdit(view.GetCellInfo(0, 1));
  view.EditControl()->setText("dropped");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(view.Editing());
  EXPECT_EQ(Note(0), "note 0");
  EXPECT_TRUE(changes.empty());
}

TEST_F(FileListEditing, TabAndShiftTabWalkTheEditableCells) {
  struct TStep {
    int Key;
    bool Shift;
    int Row, Column;  // -1: editing ended
  };
  // Name and Size cannot be edited; Tab skips them and wraps to the next row.
  const TStep steps[] = {{Qt::Key_Tab, false, 0, 2},
                         {Qt::Key_Tab, false, 1, 1},
                         {Qt::Key_Backtab, true, 0, 2},
                         {Qt::Key_Backtab, true, 0, 1},
                         {Qt::Key_Backtab, true, -1, -1}};
  view.BeginCellEdit(view.GetCellInfo(0, 1));
  for (const TStep& s : steps) {
    Key(s.Key, s.Shift ? Qt::ShiftModifier : Qt::NoModifier);
    if (s.Row < 0) {
      EXPECT_FALSE(view.Editing());
    } else {
      ASSERT_TRUE(view.Editing());
      EXPECT_EQ(view.EditCell().Row, s.Row);
      EXPECT_EQ(view.EditCell().Column, s.Column);
    }
  }
  EXPECT_TRUE(changes.empty());
}

TEST_F(FileListEditing, OptionColumnShowsTheOptionAndStoresItsNumber) {
  view.BeginCellEdit(view.GetCellInfo(1, 2));
  ASSERT_NE(view.EditComboBox(), nullptr);
  EXPECT_FALSE(view.EditComboBox()->isEditable());
  EXPECT_EQ(FromQString(view.EditComboBox()->currentText()), "yes");
  SaveScreenshot(&view, "cell_editor_dropdown");
  view.EditComboBox()->setCurrentIndex(0);
  Key(Qt::Key_Return);
  EXPECT_EQ(Flag(1), 0);
  // A custom integer cell refuses a text that is no whole number, after the host heard of it.
  EXPECT_FALSE(view.SetCellContentFromString(0, 2, "12x"));
  EXPECT_TRUE(view.SetCellContentFromString(0, 2, " 12 "));
  EXPECT_EQ(Flag(0), 12);
  EXPECT_FALSE(view.SetCellContentFromString(0, 0, "name"));
  const int32_t d = view.GetColumnInfoIndex(flvColCustomInt, 0, false);
  EXPECT_EQ(view.GetOptionStr(1, d), "yes");
  EXPECT_EQ(view.GetOptionStr(5, d), "5");
  EXPECT_EQ(view.GetValueFromOptionStr("no", d), 0);
  EXPECT_EQ(view.GetValueFromOptionStr("No", d), -1);
}

TEST_F(FileListEditing, ScrollingAndClickingCloseTheEditor) {
  view.BeginCellEdit(view.GetCellInfo(0, 1));
  ASSERT_TRUE(view.Editing());
  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, view.GetCellRect(2, 0).center());
  EXPECT_FALSE(view.Editing());
  view.BeginCellEdit(view.GetCellInfo(0, 1));
  view.header()->resizeSection(0, view.header()->sectionSize(0) + 20);
  EXPECT_FALSE(view.Editing());
}

}  // namespace
