// The list view widget, offscreen: the model over the item array, keys,
// clipboard requests, in-place editing, drag and the events of a session.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <string>
#include <vector>

#include "controls/list_view.h"
#include "controls/list_view_model.h"
#include "foundation/qt/qt_strings.h"
#include "list_view_test_app.h"

namespace {

void Flush() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

void Key(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, mods);
  QApplication::sendEvent(target, &press);
}

// Name (text editor), Kind (no editor), Flag (drop-down list over No/Yes), Size.
class ListViewWidget : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ListViewTestApp(); }
  void SetUp() override {
    lv.AddColumn(vlvColCustomStr, 0, "Name", 120, 1, taLeftJustify, vlvEditText, vlvFormatDefault, {});
    lv.AddColumn(vlvColCustomStr, 1, "Kind", 80, 2, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
    lv.AddColumn(vlvColCustomInt, 0, "Flag", 70, 3, taLeftJustify, vlvEditDropDownList, vlvFormatShowOption,
                 {"No", "Yes"});
    lv.AddColumn(vlvColCustomInt, 1, "Size", 90, 4, taRightJustify, vlvEditText, vlvFormatFileSize, {});
    lv.BeginUpdate();
    lv.AddItem(1, {"alpha", "fruit"}, {1, 1024});
    lv.AddItem(2, {"beta", "tool"}, {0, 10});
    lv.AddItem(3, {"gamma", "fruit"}, {1, 999});
    lv.EndUpdate();
    lv.resize(500, 300);
    lv.show();
    Flush();
  }
  QPoint CellCenter(int row, int column) { return lv.visualRect(lv.model()->index(row, column)).center(); }
  void DoubleClick(int row, int column) {
    const QPoint p = CellCenter(row, column);
    QMouseEvent e(QEvent::MouseButtonDblClick, p, lv.viewport()->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(lv.viewport(), &e);
  }
  TStrArray Names() {
    TStrArray names;
    for (const auto& item : lv.VirtualItems) names.push_back(item.StrValues[0]);
    return names;
  }
  TVirtualListView lv;
};

TEST_F(ListViewWidget, TheModelReadsTheItemArray) {
  auto* model = qobject_cast<TVirtualListViewModel*>(lv.model());
  ASSERT_NE(model, nullptr);
  EXPECT_EQ(model->rowCount(), 3);
  EXPECT_EQ(model->columnCount(), 4);
  EXPECT_EQ(model->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Size");
  EXPECT_EQ(model->index(0, 2).data().toString(), "Yes");
  EXPECT_EQ(model->index(0, 3).data().toString(), "1.000 KB");
  EXPECT_EQ(model->index(1, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight, Qt::AlignRight);
  // Changes of the array show without any copy to refresh.
  lv.VirtualItems[1].StrValues[0] = "BETA";
  EXPECT_EQ(model->index(1, 0).data().toString(), "BETA");
  EXPECT_FALSE(model->index(0, 0).data(Qt::CheckStateRole).isValid());
  lv.SetCheckboxes(true);
  lv.VirtualItems[0].Checked = true;
  EXPECT_EQ(model->index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_TRUE(model->flags(model->index(0, 0)) & Qt::ItemIsUserCheckable);
  lv.VirtualItems[2].FontColor = RGBToColor(200, 0, 0);
  lv.VirtualItems[2].CellFontColors = {RGBToColor(0, 0, 200)};
  lv.VirtualItems[2].FontStyle = kVlvFontBold | kVlvFontItalic;
  EXPECT_EQ(model->index(2, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 200));
  EXPECT_EQ(model->index(2, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(200, 0, 0));
  EXPECT_TRUE(model->index(2, 1).data(Qt::FontRole).value<QFont>().bold());
  EXPECT_TRUE(model->index(2, 1).data(Qt::FontRole).value<QFont>().italic());
  lv.DefaultDraw = true;
  EXPECT_FALSE(model->index(2, 0).data(Qt::ForegroundRole).isValid());
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::red);
  lv.Images.append(QIcon(pixmap));
  lv.VirtualItems[0].ImageIndex = 0;
  lv.VirtualItems[1].ImageIndex = 5;  // no such image
  EXPECT_FALSE(model->index(0, 0).data(Qt::DecorationRole).isValid());
  lv.SetShowIcons(true);
  EXPECT_TRUE(model->index(0, 0).data(Qt::DecorationRole).isValid());
  EXPECT_FALSE(model->index(1, 0).data(Qt::DecorationRole).isValid());
  // Rows follow the filter.
  TVirtualListViewFilterRec f;
  f.ColumnType = vlvColCustomStr;
  f.ValueIndex = 1;
  f.FilterText = "fruit";
  lv.AddFilter(f);
  lv.SetFilterOn(true);
  EXPECT_EQ(model->rowCount(), 2);
  EXPECT_EQ(model->index(1, 0).data().toString(), "gamma");
}

TEST_F(ListViewWidget, ProportionalWidthsFollowTheControl) {
  lv.ClearDataAndDefinitions();
  lv.AddColumn(vlvColCustomStr, 0, "A", 100, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  lv.AddColumn(vlvColCustomStr, 1, "B", 300, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  lv.resize(430, 200);
  lv.SetColumnAutoSize(true);
  EXPECT_EQ(lv.header()->sectionSize(0), 100);
  EXPECT_EQ(lv.header()->sectionSize(1), 300);
  lv.resize(830, 200);
  Flush();
  EXPECT_EQ(lv.header()->sectionSize(0), 200);
  EXPECT_EQ(lv.header()->sectionSize(1), 600);
  lv.SetColumnCaption(vlvColCustomStr, 1, "Bee");
  EXPECT_EQ(lv.model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Bee");
}

TEST_F(ListViewWidget, KeysAndClipboardRequests) {
  lv.SetMultiSelect(true);
  int copies = 0;
  int pastes = 0;
  QApplication::clipboard()->setText("before");
  Key(&lv, Qt::Key_C, Qt::ControlModifier);  // no handler: the list copies nothing itself
  EXPECT_EQ(QApplication::clipboard()->text(), "before");
  lv.OnCopy = [&](TVirtualListView* sender) {
    ++copies;
    QApplication::clipboard()->setText(ToQString(sender->ExportAsTSV(false, true)));
  };
  lv.OnPaste = [&](TVirtualListView*) { ++pastes; };
  Key(&lv, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(lv.GetSelectedRows(), (TIntArray{0, 1, 2}));
  Key(&lv, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(copies, 0);
  Key(&lv, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(QApplication::clipboard()->text(),
            "alpha\tfruit\tYes\t1.000 KB\nbeta\ttool\tNo\t10 Byte\ngamma\tfruit\tYes\t999 Byte");
  Key(&lv, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(pastes, 1);
  lv.AllowDelKey = false;
  lv.SetSelectedRows({1});
  Key(&lv, Qt::Key_Delete);
  EXPECT_EQ(lv.GetItemCount(), 3);
  lv.AllowDelKey = true;
  Key(&lv, Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(Names(), (TStrArray{"alpha", "gamma"}));
  EXPECT_EQ(lv.model()->rowCount(), 2);
}

TEST_F(ListViewWidget, HeaderClicksSortAndClearTheSelection) {
  lv.SetSelectedRows({0});
  emit lv.header()->sectionClicked(3);  // Size ascending
  EXPECT_EQ(Names(), (TStrArray{"beta", "gamma", "alpha"}));
  EXPECT_TRUE(lv.GetSelectedRows().empty());
  emit lv.header()->sectionClicked(0);  // the next click sorts descending
  EXPECT_EQ(Names(), (TStrArray{"gamma", "beta", "alpha"}));
  // Selection and focus stay with their items when the host sorts.
  lv.SetSelectedRows({0});
  lv.SetFocusedRow(0);
  lv.SortUp(vlvColCustomStr, 0);
  EXPECT_EQ(lv.GetSelectedRows(), (TIntArray{2}));
  EXPECT_EQ(lv.GetFocusedRow(), 2);
  EXPECT_EQ(lv.currentIndex().row(), 2);
}

TEST_F(ListViewWidget, EditingWithTheKeys) {
  DoubleClick(0, 0);
  ASSERT_NE(lv.TextEditor(), nullptr);
  EXPECT_EQ(lv.TextEditor()->text(), "alpha");
  lv.TextEditor()->setText("ALPHA");
  Key(lv.TextEditor(), Qt::Key_Return);  // commits and opens the cell below
  EXPECT_EQ(lv.VirtualItems[0].StrValues[0], "ALPHA");
  ASSERT_NE(lv.TextEditor(), nullptr);
  EXPECT_EQ(lv.EditCell().ItemIndex, 1);
  Key(lv.TextEditor(), Qt::Key_Escape);  // discards
  EXPECT_EQ(lv.TextEditor(), nullptr);
  EXPECT_FALSE(lv.IsEditing());

  // Enter in the last row commits and ends.
  DoubleClick(2, 0);
  ASSERT_NE(lv.TextEditor(), nullptr);
  lv.TextEditor()->setText("GAMMA");
  Key(lv.TextEditor(), Qt::Key_Enter);
  EXPECT_EQ(lv.VirtualItems[2].StrValues[0], "GAMMA");
  EXPECT_FALSE(lv.IsEditing());

  // Tab skips the column without editor; from the last editable cell to the next row.
  DoubleClick(0, 0);
  Key(lv.TextEditor(), Qt::Key_Tab);
  ASSERT_NE(lv.DropDownEditor(), nullptr);
  EXPECT_EQ(lv.EditCell().ColumnPosition, 2);
  EXPECT_EQ(lv.DropDownEditor()->currentText(), "Yes");
  lv.DropDownEditor()->setCurrentIndex(0);  // No
  Key(lv.DropDownEditor(), Qt::Key_Tab);
  EXPECT_EQ(lv.VirtualItems[0].IntValues[0], 0);
  EXPECT_EQ(lv.EditCell().ColumnPosition, 3);
  ASSERT_NE(lv.TextEditor(), nullptr);
  EXPECT_EQ(lv.TextEditor()->text(), "1024");  // the raw value, not the display text
  lv.TextEditor()->setText("not a number");
  Key(lv.TextEditor(), Qt::Key_Tab);
  EXPECT_EQ(lv.VirtualItems[0].IntValues[1], 1024);
  EXPECT_EQ(lv.EditCell().ItemIndex, 1);
  EXPECT_EQ(lv.EditCell().ColumnPosition, 0);
  Key(lv.TextEditor(), Qt::Key_Backtab);  // back to the last editable cell of row 0
  EXPECT_EQ(lv.EditCell().ItemIndex, 0);
  EXPECT_EQ(lv.EditCell().ColumnPosition, 3);
  lv.FreeEditables();
  // Tab in the last editable cell of the last row only commits.
  DoubleClick(2, 3);
  lv.TextEditor()->setText("5");
  Key(lv.TextEditor(), Qt::Key_Tab);
  EXPECT_EQ(lv.VirtualItems[2].IntValues[1], 5);
  EXPECT_FALSE(lv.IsEditing());
  Flush();
}

TEST_F(ListViewWidget, EditorCommitsOnFocusLossAndGoesOnClickOrScroll) {
  for (int i = 0; i < 40; ++i) lv.AddItem(10 + i, {"row " + std::to_string(i), "x"}, {0, 0});
  Flush();
  DoubleClick(1, 0);
  ASSERT_NE(lv.TextEditor(), nullptr);
  lv.TextEditor()->setText("typed");
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(lv.TextEditor(), &out);
  EXPECT_EQ(lv.VirtualItems[1].StrValues[0], "typed");  // committed, the editor stays
  EXPECT_TRUE(lv.IsEditing());
  lv.TextEditor()->setText("lost");
  const QPoint p = CellCenter(0, 1);
  QMouseEvent press(QEvent::MouseButtonPress, p, lv.viewport()->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(lv.viewport(), &press);
  EXPECT_FALSE(lv.IsEditing());
  EXPECT_EQ(lv.VirtualItems[1].StrValues[0], "typed");
  DoubleClick(2, 0);
  ASSERT_TRUE(lv.IsEditing());
  lv.TextEditor()->setText("lost too");
  lv.verticalScrollBar()->setValue(lv.verticalScrollBar()->maximum());
  EXPECT_FALSE(lv.IsEditing());
  EXPECT_EQ(lv.VirtualItems[2].StrValues[0], "gamma");
  Flush();
}

TEST_F(ListViewWidget, EditingVetoes) {
  std::vector<std::string> log;
  lv.OnCellChangeDone = [&](TVirtualListView*) { log.push_back("done"); };
  lv.OnChange = [&](TVirtualListView*) { log.push_back("change"); };
  lv.VirtualItems[1].Editable = false;
  DoubleClick(1, 0);
  EXPECT_FALSE(lv.IsEditing());
  DoubleClick(0, 1);  // a column without editor
  EXPECT_FALSE(lv.IsEditing());

  lv.OnCellChangeInit = [&](TVirtualListView*, const TVirtualListViewCellInfo&, int32_t, int32_t, std::string& value,
                            bool& canChange, bool& showEditInput) { canChange = false; };
  DoubleClick(0, 0);
  EXPECT_FALSE(lv.IsEditing());
  lv.OnCellChangeInit = [&](TVirtualListView*, const TVirtualListViewCellInfo&, int32_t, int32_t, std::string& value,
                            bool&, bool&) { value = NulMarker(); };
  DoubleClick(0, 0);
  EXPECT_FALSE(lv.IsEditing());
  // A value set directly without an editor.
  lv.OnCellChangeInit = [&](TVirtualListView*, const TVirtualListViewCellInfo& cell, int32_t index, int32_t id,
                            std::string& value, bool&, bool& showEditInput) {
    log.push_back("init " + std::to_string(index) + " " + std::to_string(id) + " " + cell.Content);
    value = "direct";
    showEditInput = false;
  };
  lv.OnCellChange = [&](TVirtualListView*, const TVirtualListViewCellInfo&, int32_t index, int32_t id,
                        const std::string& oldText, const std::string& newText, bool&) {
    log.push_back("cell " + std::to_string(index) + " " + std::to_string(id) + " " + oldText + "->" + newText);
  };
  DoubleClick(0, 0);
  EXPECT_FALSE(lv.IsEditing());
  EXPECT_EQ(lv.VirtualItems[0].StrValues[0], "direct");
  DoubleClick(0, 0);  // the same value again: nothing raised after the init
  EXPECT_EQ(
      log, (std::vector<std::string>{"init 0 1 alpha", "cell 0 1 alpha->direct", "done", "change", "init 0 1 direct"}));
  // A refusal in OnCellChange keeps the cell and suppresses done and change.
  log.clear();
  lv.OnCellChangeInit = nullptr;
  lv.OnCellChange = [&](TVirtualListView*, const TVirtualListViewCellInfo&, int32_t, int32_t, const std::string&,
                        const std::string&, bool& canChange) {
    log.push_back("refused");
    canChange = false;
  };
  DoubleClick(2, 0);
  lv.TextEditor()->setText("other");
  Key(lv.TextEditor(), Qt::Key_Return);
  EXPECT_EQ(lv.VirtualItems[2].StrValues[0], "gamma");
  EXPECT_EQ(log, (std::vector<std::string>{"refused"}));
  Flush();
}

TEST_F(ListViewWidget, EditingUnderTheFilterEditsTheShownItem) {
  TVirtualListViewFilterRec f;
  f.ColumnType = vlvColCustomStr;
  f.ValueIndex = 1;
  f.FilterText = "tool";
  lv.AddFilter(f);
  lv.SetFilterOn(true);
  Flush();
  DoubleClick(0, 0);
  ASSERT_NE(lv.TextEditor(), nullptr);
  EXPECT_EQ(lv.TextEditor()->text(), "beta");
  lv.TextEditor()->setText("BETA");
  Key(lv.TextEditor(), Qt::Key_Return);
  EXPECT_EQ(Names(), (TStrArray{"alpha", "BETA", "gamma"}));
  Flush();
}

TEST_F(ListViewWidget, DragIsTakenOnlyFromTheListItself) {
  QWidget other;
  EXPECT_TRUE(lv.DragOverProc(lv.viewport()));
  EXPECT_FALSE(lv.DragOverProc(&other));
  EXPECT_FALSE(lv.DragOverProc(nullptr));
  lv.SetSelectedRows({0});
  lv.DragDropProc(&other, CellCenter(2, 0));
  EXPECT_EQ(Names(), (TStrArray{"alpha", "beta", "gamma"}));
  lv.DragDropProc(lv.viewport(), CellCenter(2, 0));
  EXPECT_EQ(Names(), (TStrArray{"beta", "gamma", "alpha"}));
  lv.SetSelectedRows({0});
  lv.DragDropProc(lv.viewport(), QPoint(5, lv.viewport()->height() - 2));  // below the last row
  EXPECT_EQ(Names(), (TStrArray{"gamma", "alpha", "beta"}));
  lv.SetAllowItemRearranging(false);
  EXPECT_FALSE(lv.DragOverProc(lv.viewport()));
  EXPECT_FALSE(lv.dragEnabled());
}

TEST_F(ListViewWidget, EventsOfOneSession) {
  lv.SetMultiSelect(true);
  lv.SetCheckboxes(true);
  std::vector<std::string> log;
  auto n = [](int v) { return std::to_string(v); };
  lv.OnSelectVirtualListItem = [&](TVirtualListView* sender, TVirtualListViewListItem row, bool selected, int32_t index,
                                   int32_t id) {
    log.push_back("select " + n(sender == &lv) + " " + n(row) + " " + n(selected) + " " + n(index) + " " + n(id));
  };
  lv.OnCheckItem = [&](TVirtualListView*, TVirtualListViewListItem row, bool checked, int32_t index, int32_t id) {
    log.push_back("check " + n(row) + " " + n(checked) + " " + n(index) + " " + n(id));
  };
  lv.OnCellChangeInit = [&](TVirtualListView*, const TVirtualListViewCellInfo& cell, int32_t index, int32_t id,
                            std::string& value, bool&, bool&) {
    log.push_back("init " + n(index) + " " + n(id) + " " + n(cell.ColumnID) + " " + value);
  };
  lv.OnCellChange = [&](TVirtualListView*, const TVirtualListViewCellInfo&, int32_t index, int32_t id,
                        const std::string& oldText, const std::string& newText,
                        bool&) { log.push_back("cell " + n(index) + " " + n(id) + " " + oldText + "->" + newText); };
  lv.OnCellChangeDone = [&](TVirtualListView*) { log.push_back("cell done"); };
  lv.OnDeleteItem = [&](TVirtualListView*, TVirtualListViewListItem row, int32_t index, int32_t id, bool& del,
                        bool& all) {
    log.push_back("delete " + n(row) + " " + n(index) + " " + n(id) + " " + n(del) + " " + n(all));
  };
  lv.OnDeletionDone = [&](TVirtualListView*) { log.push_back("deletion done"); };
  lv.OnRearrangingDone = [&](TVirtualListView*) { log.push_back("rearranged"); };
  lv.OnChange = [&](TVirtualListView*) { log.push_back("change"); };

  lv.selectionModel()->select(lv.model()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  lv.model()->setData(lv.model()->index(2, 0), Qt::Checked, Qt::CheckStateRole);
  DoubleClick(0, 0);
  lv.TextEditor()->setText("A");
  Key(lv.TextEditor(), Qt::Key_Escape);
  DoubleClick(0, 0);
  lv.TextEditor()->setText("A");
  Key(lv.TextEditor(), Qt::Key_Enter);
  lv.FreeEditables();
  lv.selectionModel()->select(lv.model()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  Key(&lv, Qt::Key_Delete);
  lv.selectionModel()->select(lv.model()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  lv.DragDropProc(lv.viewport(), CellCenter(0, 1));
  EXPECT_EQ(log, (std::vector<std::string>{
                     "select 1 1 1 1 2",
                     "check 2 1 2 3",
                     "init 0 1 1 alpha",
                     "init 0 1 1 alpha",
                     "cell 0 1 alpha->A",
                     "cell done",
                     "change",
                     "init 1 2 1 beta",
                     "delete 1 1 2 1 0",
                     "deletion done",
                     "change",
                     "select 1 1 1 1 3",
                     "rearranged",
                     "change",
                 }));
  EXPECT_EQ(Names(), (TStrArray{"gamma", "A"}));
  EXPECT_TRUE(lv.VirtualItems[0].Checked);
  Flush();
}

TEST_F(ListViewWidget, ScreenshotOfTwentyRows) {
  lv.ClearDataAndDefinitions();
  lv.AddColumn(vlvColCustomStr, 0, "Name", 150, 1, taLeftJustify, vlvEditText, vlvFormatDefault, {});
  lv.AddColumn(vlvColCustomStr, 1, "Kind", 90, 2, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  lv.AddColumn(vlvColCustomInt, 0, "Size", 100, 3, taRightJustify, vlvEditNone, vlvFormatFileSize, {});
  lv.AddColumn(vlvColCustomInt, 1, "Length", 80, 4, taRightJustify, vlvEditNone, vlvFormatSecToMSorHMS, {});
  lv.AddColumn(vlvColCustomInt, 2, "Done", 70, 5, taRightJustify, vlvEditNone, vlvFormat100To1Percent, {});
  const QColor colours[] = {QColor(200, 60, 60), QColor(60, 150, 60), QColor(60, 90, 200), QColor(220, 160, 30)};
  for (const QColor& c : colours) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(c);
    painter.setPen(c.darker());
    painter.drawEllipse(2, 2, 12, 12);
    painter.end();
    lv.Images.append(QIcon(pixmap));
  }
  const char* kinds[] = {"Document", "Picture", "Music", "Archive"};
  lv.BeginUpdate();
  for (int i = 0; i < 20; ++i) {
    const int32_t index = lv.AddItem(i + 1, {"File " + std::to_string(i * 7 % 20 + 1) + ".dat", kinds[i % 4]},
                                     {(i * 7919 % 97) * 40000 + i, i * 97 % 5000, i * 503 % 10001});
    auto& item = lv.VirtualItems[index];
    item.ImageIndex = i % 4;
    item.Checked = i % 3 == 0;
    if (i % 5 == 1) item.FontColor = RGBToColor(180, 0, 0);
    if (i % 6 == 2) item.FontStyle = kVlvFontBold;
    if (i % 7 == 3) item.CellFontColors = {RGBToColor(0, 0, 0), RGBToColor(0, 120, 0), RGBToColor(0, 0, 190)};
  }
  lv.EndUpdate();
  lv.SetShowIcons(true);
  lv.SetCheckboxes(true);
  lv.SetMultiSelect(true);
  emit lv.header()->sectionClicked(2);  // sorted by size, ascending
  lv.SetSelectedRows({4, 5});
  lv.resize(560, 520);
  lv.setFocus();
  Flush();
  EXPECT_EQ(lv.model()->rowCount(), 20);
  QDir().mkpath(SYLLABRIX_SCREENSHOT_DIR);
  EXPECT_TRUE(lv.grab().save(QString(SYLLABRIX_SCREENSHOT_DIR) + "/list_view_20_rows.png"));
}

}  // namespace
