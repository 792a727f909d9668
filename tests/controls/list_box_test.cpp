// The virtual list box, offscreen, and its drop rule beside the list view's.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <string>
#include <vector>

#include "controls/list_box.h"
#include "controls/list_view.h"
#include "list_view_test_app.h"

namespace {

class ListBox : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ListViewTestApp(); }
  void SetUp() override {
    box.SetMultiSelect(true);
    box.SetItemHeight(20);
    box.AddItem("X", 1, "x", true, 10);
    box.AddItem("Y", 2, "y", true, 11);
    box.AddItem("Z", 3, "z", false, -1);
    box.resize(200, 120);
    box.show();
    QApplication::processEvents();
  }
  std::string Captions() const {
    std::string s;
    for (const auto& item : box.Items) s += item.Caption;
    return s;
  }
  QPoint RowCenter(int row) { return box.visualRect(box.model()->index(row, 0)).center(); }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(&box, &e);
  }
  TVirtualListBox box;
};

TEST_F(ListBox, AddingAndRows) {
  EXPECT_EQ(box.model()->rowCount(), 3);
  EXPECT_EQ(box.Items[2].StrID, "z");
  EXPECT_EQ(box.Items[2].TextSlot, -1);
  EXPECT_FALSE(box.Items[2].Enabled);
  EXPECT_EQ(box.GetItemIndexFromIntID(2), 1);
  EXPECT_EQ(box.GetItemIndexFromIntID(9), -1);
  EXPECT_EQ(box.PreferredHeight(), 80);
  EXPECT_EQ(box.sizeHint().height(), 80);
  box.Items.pop_back();
  box.RefreshItemCount();
  EXPECT_EQ(box.model()->rowCount(), 2);
}

TEST_F(ListBox, DeletingSelectedItems) {
  int done = 0;
  box.OnDeletionDone = [&](TVirtualListBox*) { ++done; };
  Key(Qt::Key_Delete);  // nothing selected
  EXPECT_EQ(done, 0);
  std::vector<std::string> asked;
  box.OnDeleteItem = [&](TVirtualListBox*, int32_t index, int32_t id, const std::string& strId, bool& canDelete) {
    asked.push_back(std::to_string(index) + " " + std::to_string(id) + " " + strId);
    canDelete = false;
  };
  box.SetSelectedRows({0, 2});
  Key(Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(asked, (std::vector<std::string>{"0 1 x", "2 3 z"}));
  EXPECT_EQ(Captions(), "XYZ");
  EXPECT_EQ(done, 1);  // also when every removal was refused
  EXPECT_TRUE(box.SelectedRows().empty());
  box.OnDeleteItem = [&](TVirtualListBox*, int32_t, int32_t id, const std::string&, bool& canDelete) {
    canDelete = id != 3;
  };
  box.SetSelectedRows({0, 2});
  box.RemoveSelected();
  EXPECT_EQ(Captions(), "YZ");
  EXPECT_EQ(box.model()->rowCount(), 2);
  box.OnDeleteItem = nullptr;
  box.AllowDelKey = false;
  Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(box.SelectedRows(), (TIntArray{0, 1}));
  Key(Qt::Key_Delete);
  EXPECT_EQ(Captions(), "YZ");
  box.AllowDelKey = true;
  done = 0;
  Key(Qt::Key_Delete);  // everything selected, no handler: one emptying
  EXPECT_TRUE(box.Items.empty());
  EXPECT_EQ(done, 1);
}

TEST_F(ListBox, SelectAllOnlyWithMultiSelect) {
  box.SetMultiSelect(false);
  box.SetSelectedRows({1});
  Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(box.SelectedRows(), (TIntArray{1}));
  box.SetMultiSelect(true);
  Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(box.SelectedRows(), (TIntArray{0, 1, 2}));
}

TEST_F(ListBox, OrderFromIds) {
  struct Case {
    TIntArray ids;
    bool ok;
    TIntArray order;
    TIntArray written;
  };
  const Case cases[] = {
      {{3, 1, 2}, true, {3, 1, 2}, {3, 1, 2}},  {{3, 9, 1, 2}, true, {3, 1, 2}, {3, 1, 2}},
      {{3, 1}, true, {3, 1, 2}, {3, 1, 2}},     {{1, 1, 2}, false, {1, 2, 3}, {1, 1, 2}},
      {{7, 8, 9}, false, {1, 2, 3}, {7, 8, 9}}, {{9, 8, 7, 6}, false, {1, 2, 3}, {}},
  };
  for (const auto& c : cases) {
    TIntArray order = {0, 1, 2};
    box.Items.clear();
    box.AddItem("X", 1, "x", true, 0);
    box.AddItem("Y", 2, "y", true, 0);
    box.AddItem("Z", 3, "z", true, 0);
    TIntArray ids = c.ids;
    EXPECT_EQ(box.SetItemOrderFromIntIDs(ids), c.ok);
    EXPECT_EQ(box.GetItemOrderAsIntIDs(), c.order);
    EXPECT_EQ(ids, c.written);
  }
  TIntArray shortOrder = {0, 1};
  EXPECT_FALSE(box.SetItemOrder(shortOrder));
  TIntArray twice = {0, 0, 1};  // no permutation: refused instead of duplicating an item
  EXPECT_FALSE(box.SetItemOrder(twice));
  TIntArray reverse = {2, 1, 0};
  EXPECT_TRUE(box.SetItemOrder(reverse));
  EXPECT_EQ(box.GetItemOrderAsIntIDs(), (TIntArray{3, 2, 1}));
}

TEST_F(ListBox, DragDropsBeforeTheTargetRow) {
  std::vector<std::string> log;
  box.OnRearrangingInit = [&](TVirtualListBox*, const TIntArray& order, bool&) {
    std::string s = "init";
    for (int32_t i : order) s += " " + std::to_string(i);
    log.push_back(s);
  };
  box.OnRearrangingDone = [&](TVirtualListBox*) { log.push_back("done"); };
  box.SetSelectedRows({2});
  box.DragDropProc(box.viewport(), RowCenter(0));
  EXPECT_EQ(Captions(), "ZXY");
  EXPECT_EQ(box.SelectedRows(), (TIntArray{2}));  // the marks stay on the row positions
  EXPECT_EQ(log, (std::vector<std::string>{"init 2 0 1", "done"}));
  box.SetSelectedRows({0});
  box.DragDropProc(box.viewport(), QPoint(5, box.viewport()->height() - 2));  // below the last row
  EXPECT_EQ(Captions(), "XYZ");
  log.clear();
  box.OnRearrangingInit = [&](TVirtualListBox*, const TIntArray&, bool& can) { can = false; };
  box.SetSelectedRows({2});
  box.DragDropProc(box.viewport(), RowCenter(0));
  EXPECT_EQ(Captions(), "XYZ");
  EXPECT_TRUE(log.empty());
  QWidget other;
  EXPECT_FALSE(box.DragOverProc(&other));
  box.SetAllowItemRearranging(false);
  EXPECT_FALSE(box.DragOverProc(box.viewport()));
}

TEST(ListDropRules, ListViewAfterTheTargetListBoxBefore) {
  ListViewTestApp();
  TVirtualListView lv;
  lv.AddColumn(vlvColCustomStr, 0, "Name", 100, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  TVirtualListBox box;
  for (const char* name : {"A", "B", "C", "D"}) {
    lv.AddItem(0, {name}, {});
    box.AddItem(name, name[0], name, true, 0);
  }
  lv.resize(200, 200);
  box.resize(200, 200);
  lv.show();
  box.show();
  QApplication::processEvents();
  // A dragged down onto C.
  lv.SetSelectedRows({0});
  box.SetSelectedRows({0});
  lv.DragDropProc(lv.viewport(), lv.visualRect(lv.model()->index(2, 0)).center());
  box.DragDropProc(box.viewport(), box.visualRect(box.model()->index(2, 0)).center());
  std::string view, list;
  for (const auto& item : lv.VirtualItems) view += item.StrValues[0];
  for (const auto& item : box.Items) list += item.Caption;
  EXPECT_EQ(view, "BCAD");
  EXPECT_EQ(list, "BACD");
  // D dragged up onto B: both land before it.
  lv.SetSelectedRows({3});
  box.SetSelectedRows({3});
  lv.DragDropProc(lv.viewport(), lv.visualRect(lv.model()->index(0, 0)).center());
  box.DragDropProc(box.viewport(), box.visualRect(box.model()->index(0, 0)).center());
  view.clear();
  list.clear();
  for (const auto& item : lv.VirtualItems) view += item.StrValues[0];
  for (const auto& item : box.Items) list += item.Caption;
  EXPECT_EQ(view, "DBCA");
  EXPECT_EQ(list, "DBAC");
}

// The darkest pixel of a row: text is black for enabled and grey for
// disabled items, selected or not.
int DarkestInRow(const QImage& image, const QRect& row, bool rightHalf = false) {
  int darkest = 255 * 3;
  for (int y = row.top(); y <= row.bottom(); ++y) {
    for (int x = rightHalf ? row.center().x() : row.left(); x <= row.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      darkest = std::min(darkest, c.red() + c.green() + c.blue());
    }
  }
  return darkest;
}

TEST_F(ListBox, DrawingColoursAndRightToLeft) {
  box.ColorHighlight = RGBToColor(255, 255, 255);
  box.SetSelectedRows({0, 2});
  QApplication::processEvents();
  QImage image = box.viewport()->grab().toImage();
  const QRect rows[] = {box.visualRect(box.model()->index(0, 0)), box.visualRect(box.model()->index(2, 0))};
  EXPECT_LT(DarkestInRow(image, rows[0]), 3 * 60);   // enabled: black
  EXPECT_GE(DarkestInRow(image, rows[1]), 3 * 100);  // disabled: grey, though selected
  EXPECT_LT(DarkestInRow(image, rows[1]), 3 * 200);
  EXPECT_EQ(DarkestInRow(image, rows[1], true), 3 * 255);  // left-aligned: nothing on the right
  box.setLayoutDirection(Qt::RightToLeft);
  QApplication::processEvents();
  image = box.viewport()->grab().toImage();
  const QRect row = box.visualRect(box.model()->index(1, 0));
  EXPECT_LT(DarkestInRow(image, QRect(row.center().x(), row.top(), row.width() / 2, row.height())), 3 * 60);
  QDir().mkpath(SYLLABRIX_SCREENSHOT_DIR);
  box.setLayoutDirection(Qt::LeftToRight);
  box.ColorHighlight = RGBToColor(0x30, 0x8c, 0xc6);
  box.SetSelectedRows({1, 2});
  QApplication::processEvents();
  EXPECT_TRUE(box.grab().save(QString(SYLLABRIX_SCREENSHOT_DIR) + "/list_box.png"));
}

}  // namespace
