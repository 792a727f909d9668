#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "controls/column_labels.h"
#include "controls/options_panel.h"
#include "controls/tab_panel.h"
#include "controls_test_app.h"

namespace {

// Every byte 6 pixels wide, so that widths are easy to reckon.
class TFixedMeasurer : public TTextMeasurer {
 public:
  int32_t TextWidth(std::string_view text) const override { return static_cast<int32_t>(text.size()) * 6; }
  int32_t TextHeight(std::string_view) const override { return 12; }
};

TEST(TabStripGeometryTest, TextsEdgesHitsAndPreferredWidth) {
  TTabStripGeometry g = TabStripGeometry({30, 40, 50}, 0, -1, 15, false, 0);
  EXPECT_EQ(g.TextX, (std::vector<int32_t>{0, 60, 130}));
  EXPECT_EQ(g.RightEdges, (std::vector<int32_t>{45, 115, 195}));
  EXPECT_EQ(TabAtPosition(g, 44), 0);
  EXPECT_EQ(TabAtPosition(g, 45), 1);
  EXPECT_EQ(TabAtPosition(g, 195), -1);
  TTabStripGeometry fixed = TabStripGeometry({30, 40, 50}, 50, -1, 15, false, 100);
  EXPECT_EQ(fixed.RightEdges, (std::vector<int32_t>{100, 200, 300}));
  EXPECT_EQ(TabAtPosition(fixed, 20), -1);
  EXPECT_EQ(TabAtPosition(fixed, 60), 0);
  EXPECT_EQ(TabStripPreferredWidth({30, 40, 50}, 50, 15, false, 100), 350);
  EXPECT_EQ(TabStripPreferredWidth({30, 40}, 0, 15, true, 0), 70 + 60 - 15);
}

class TabPanelTest : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
};

TEST_F(TabPanelTest, AddMoveRemoveNotificationsAndPositions) {
  TTabPanel panel;
  std::vector<int32_t> changes;
  panel.OnTabChange = [&](QObject*, int32_t i) { changes.push_back(i); };
  TTabPanelTab* t1 = panel.AddTab("");
  EXPECT_EQ(t1->Caption(), "Tab1");
  EXPECT_EQ(panel.TabIndex(), 0);
  TTabPanelTab* t2 = panel.AddTab("");
  EXPECT_EQ(t2->Caption(), "Tab2");
  EXPECT_EQ(panel.TabIndex(), 0);
  EXPECT_EQ(changes, std::vector<int32_t>{0});
  EXPECT_EQ(panel.GetTab(2), nullptr);
  EXPECT_EQ(panel.GetTab(-1), nullptr);
  panel.SetTabIndex(5);
  EXPECT_EQ(panel.TabIndex(), 0);
  panel.SetTabIndex(-1);
  EXPECT_EQ(panel.GetActiveTab(), nullptr);
  EXPECT_EQ(changes.size(), 1u);
  panel.SetTabIndex(1);
  EXPECT_EQ(changes.back(), 1);
  EXPECT_FALSE(t1->isVisibleTo(&panel));
  EXPECT_TRUE(t2->isVisibleTo(&panel));
  t2->SetCaption("Words");
  EXPECT_EQ(panel.TabStrip()->Tabs()[1], "Words");

  // A page moved to another panel leaves the first; a deleted one too.
  TTabPanel other;
  t1->setParent(&other);
  EXPECT_EQ(panel.TabCount(), 1);
  EXPECT_EQ(other.TabCount(), 1);
  EXPECT_EQ(t1->Index(), 0);
  EXPECT_EQ(panel.GetIndexOfTab(t2), 0);
  EXPECT_EQ(panel.TabIndex(), 0);
  EXPECT_EQ(panel.TabStrip()->Tabs(), TStrArray{"Words"});
  delete t2;
  EXPECT_EQ(panel.TabCount(), 0);
  EXPECT_EQ(panel.TabIndex(), -1);

  // Strip presses switch pages: the strip reports first, then the page shows.
  TTabPanel shown;
  shown.resize(300, 150);
  shown.AddTab("Creator");
  shown.AddTab("Counter");
  new QLabel("Counter page", shown.GetTab(1));
  shown.show();
  shown.TabStrip()->grab();
  std::vector<std::string> order;
  shown.TabStrip()->OnTabClick = [&](QObject*, int32_t i) {
    order.push_back("click " + std::to_string(i));
    shown.SetTabIndex(i);
  };
  shown.OnTabChange = [&](QObject*, int32_t i) { order.push_back("change " + std::to_string(i)); };
  int x = shown.TabStrip()->Geometry().RightEdges[0] + 5;
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, 5), QPointF(x, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(shown.TabStrip(), &press);
  EXPECT_EQ(order, (std::vector<std::string>{"click 1", "change 1"}));
  EXPECT_EQ(shown.TabIndex(), 1);
  EXPECT_EQ(shown.TabStrip()->y(), 0);
  shown.SetTabsPosition(tpBottom);
  EXPECT_EQ(shown.TabStrip()->y() + shown.TabStrip()->height(), shown.height());
  shown.SetTabsPosition(tpLeft);
  EXPECT_EQ(shown.TabStrip()->y() + shown.TabStrip()->height(), shown.height());
  shown.SetTabsPosition(tpTop);
  shown.SetTabsDrawRects(true);
  SaveScreenshot(&shown, "tab_panel");
}

// Columns of the image that hold dark (text) pixels.
std::vector<int> InkedColumns(const QImage& img) {
  std::vector<int> cols;
  for (int x = 0; x < img.width(); ++x)
    for (int y = 0; y < img.height(); ++y)
      if (qGray(img.pixel(x, y)) < 100) {
        cols.push_back(x);
        break;
      }
  return cols;
}

TEST_F(TabPanelTest, AMirroredStripStartsAtTheRightAndHitsTheTabUnderTheMouse) {
  for (bool rtl : {false, true}) {
    TTabbedLabel strip;
    strip.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    strip.resize(400, 30);
    strip.SetCaption("Shown as");
    strip.SetTabs({"List", "Text"});
    strip.SetDrawTabBorders(false);
    const QImage img = strip.grab().toImage();
    const std::vector<int> inked = InkedColumns(img);
    ASSERT_FALSE(inked.empty());
    // The caption and tabs stand at the leading edge: the left one, or the right one when mirrored.
    if (rtl) {
      EXPECT_GT(inked.front(), 150) << "mirrored strip drawn from the left";
      EXPECT_GE(inked.back(), 400 - 1 - strip.TabStartPosition() - 4);
    } else {
      EXPECT_LT(inked.back(), 250) << "strip drawn from the right";
    }
    // The middle of the second tab, measured from the leading edge, is where the mouse finds it.
    const TTabStripGeometry& g = strip.Geometry();
    const int leading = (g.TextX[1] + g.RightEdges[1]) / 2;
    const int x = rtl ? 400 - 1 - leading : leading;
    EXPECT_EQ(strip.GetTabAtPosition(x, 5), 1) << rtl;
    EXPECT_EQ(strip.GetTabAtPosition(rtl ? 399 : 0, 5), -1) << rtl;
  }
}

TEST_F(TabPanelTest, StripCaptionsAndTabsList) {
  TTabbedLabel strip;
  strip.SetTabs({"a", "b"});
  EXPECT_EQ(strip.TabIndex(), 0);
  strip.SetTabCaption(3, "x");
  EXPECT_EQ(strip.Tabs(), (TStrArray{"a", "b", "", "x"}));
  strip.SetTabCaption(-1, "y");
  EXPECT_EQ(strip.TabCount(), 4);
}

class OptionsPanelTest : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
};

TEST(OptionsPanelCellsTest, RowsForColumnCounts) {
  auto rows = [](int32_t count, int32_t columns) {
    std::vector<int32_t> r;
    for (const auto& c : OptionsPanelCells(count, columns)) r.push_back(c.Row);
    return r;
  };
  EXPECT_EQ(rows(3, 1), (std::vector<int32_t>{0, 1, 2}));
  EXPECT_EQ(rows(4, 2), (std::vector<int32_t>{0, 0, 1, 1}));
  EXPECT_EQ(rows(7, 3), (std::vector<int32_t>{0, 0, 0, 1, 1, 1, 2}));
  EXPECT_EQ(rows(3, 0), (std::vector<int32_t>{0, 1, 2}));  // 0 counts as 1
  EXPECT_EQ(rows(3, -2), (std::vector<int32_t>{0, 1, 2}));
}

TEST_F(OptionsPanelTest, ListsTicksResultsAndLayout) {
  TOptionsPanel panel;
  panel.SetOptionsFromCSVStringAsCheckBoxes("c", "a, b;c", "A,B");
  ASSERT_EQ(panel.Options().size(), 3u);
  EXPECT_EQ(panel.Options()[0].Control->text().toStdString(), "A");
  EXPECT_EQ(panel.Options()[2].Control->text().toStdString(), "c");
  EXPECT_EQ(panel.GetCheckedStringValuesAsCSVString(","), "c");

  TOptionsPanel exact;
  exact.SetOptionsFromCSVStringAsCheckBoxes("A", "a,b", "");
  EXPECT_EQ(exact.GetCheckedStringValuesAsCSVString(","), "");

  TOptionsPanel all;
  all.UseValueStrAll = true;
  EXPECT_EQ(all.GetCheckedStringValuesAsCSVString(","), "all");
  all.SetOptionsFromCSVStringAsCheckBoxes("all", "a,b,c", "");
  EXPECT_EQ(all.GetCheckedStringValuesAsCSVString(";"), "all");
  all.Options()[1].Control->setChecked(false);
  EXPECT_EQ(all.GetCheckedStringValuesAsCSVString(";"), "a;c");
  all.SetAll(false);
  EXPECT_EQ(all.GetCheckedStringValuesAsCSVString(";"), "");

  TOptionsPanel five;
  int changes = 0;
  five.OnChange = [&](QObject* s) {
    EXPECT_EQ(s, &five);
    ++changes;
  };
  five.SetOptionsFromCSVStringAsCheckBoxes("a,b", "a,b,c,d,e", "");
  five.SetShowPopUpMenuSelectAll(true);
  ASSERT_NE(five.PopupMenu(), nullptr);
  five.PopupMenu()->actions()[0]->trigger();
  EXPECT_EQ(changes, 3);
  int32_t ticked = 0, unticked = 0;
  five.GetNumberOfCheckedCheckBoxes(ticked, unticked);
  EXPECT_EQ(ticked, 5);
  EXPECT_EQ(unticked, 0);
}

TEST_F(OptionsPanelTest, LayoutInOneTwoThreeAndZeroColumns) {
  const std::string values = "audio,text,archive,video,document,executable,image";
  const std::string captions = "Audio Files,Text Files,Archives,Videos,Documents,Executables,Images";
  for (int32_t columns : {1, 2, 3, 0}) {
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    auto* panel = new TOptionsPanel(&host);
    panel->SetColumns(columns);
    panel->SetOptionsFromCSVStringAsCheckBoxes("text,image", values, captions);
    layout->addWidget(panel);
    host.resize(420, 10);
    host.show();
    host.resize(420, host.sizeHint().height());
    QApplication::processEvents();
    std::vector<QRect> rects;
    for (const auto& o : panel->Options())
      rects.push_back(o.Control->geometry().translated(o.Control->mapTo(&host, QPoint(0, 0)) - o.Control->pos()));
    int32_t want = columns == 0 ? 1 : columns;
    int32_t rows = 0, lastTop = -1;
    for (size_t i = 0; i < rects.size(); ++i) {
      if (rects[i].top() != lastTop) {
        ++rows;
        lastTop = rects[i].top();
      }
      // No box overlaps another and none is narrower than its caption.
      for (size_t j = i + 1; j < rects.size(); ++j) EXPECT_FALSE(rects[i].intersects(rects[j])) << columns;
      EXPECT_GE(rects[i].width(), panel->Options()[i].Control->sizeHint().width()) << columns;
      EXPECT_LE(rects[i].right(), host.width()) << columns;
    }
    EXPECT_EQ(rows, (7 + want - 1) / want) << columns;
    if (columns == 3) SaveScreenshot(&host, "options_panel");
  }
}

TEST(ColumnLabelLayoutTest, ColumnsSpansAndFormats) {
  TFixedMeasurer m;
  TColumnLabelCells cells = ParseColumnLabelText("ab\tx\nabcd\ty");
  EXPECT_EQ(ColumnLabelColumnStarts(cells, m, 0), (std::vector<int32_t>{0, 24 + 20}));
  TColumnLabelCells spanned = ParseColumnLabelText("#CLS#A very long heading\nab\tx");
  EXPECT_EQ(spanned.Cells[0][0], "A very long heading");
  EXPECT_TRUE(spanned.Marked[0][0]);
  EXPECT_EQ(ColumnLabelColumnStarts(spanned, m, 0), (std::vector<int32_t>{0, 12 + 20}));
  EXPECT_EQ(ColumnLabelColumnStarts(cells, m, 120), (std::vector<int32_t>{0, 120}));
  TColumnLabelCells empty = ParseColumnLabelText("");
  EXPECT_EQ(empty.Cells.size(), 1u);

  TColumnLabelCellFormat f = ParseColumnLabelCellFormat("\\b\\c9B0000 Inactive");
  EXPECT_TRUE(f.Bold);
  EXPECT_EQ(f.Colour, RGBToColor(0x9B, 0, 0));
  EXPECT_EQ(f.Text, "Inactive");
  TColumnLabelCellFormat plain = ParseColumnLabelCellFormat("\\bNoBlank");
  EXPECT_FALSE(plain.Bold);
  EXPECT_EQ(plain.Text, "\\bNoBlank");
}

TEST(MultiLabelLayoutTest, WrapTypesWithLongWordsAndCJK) {
  TFixedMeasurer m;
  using P = std::vector<TMultiLabelPiece>;
  EXPECT_EQ(MultiLabelLayout("Left", mwtNone, "Center", "Right", mwtNone, 200, false, m),
            (P{{"Left", 0}, {"Right", 170}, {"Center", 82}}));
  // A long word cut with dots; CJK text (3 bytes a character) cut on whole characters.
  P dots = MultiLabelLayout("Supercalifragilisticexpialidocious", mwtDotsRight, "", "R", mwtNone, 120, false, m);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_LE(m.TextWidth(dots[0].Text), 120 - 6 - 10);
  EXPECT_EQ(dots[0].Text.substr(dots[0].Text.size() - 3), "...");
  P cjk = MultiLabelLayout("音节列表生成器的输出", mwtDotsRight, "", "", mwtNone, 100, false, m);
  ASSERT_EQ(cjk.size(), 1u);
  EXPECT_EQ(cjk[0].Text.substr(cjk[0].Text.size() - 3), "...");
  EXPECT_EQ((cjk[0].Text.size() - 3) % 3, 0u);
  EXPECT_EQ(MultiLabelLayout("Whatever", mwtDotsRight, "", "RightRight", mwtNone, 70, false, m)[0].Text, "...");
  P hide = MultiLabelLayout("A rather long left caption", mwtDotsRightAndHideOthers, "Mid", "Right side", mwtNone, 150,
                            false, m);
  ASSERT_EQ(hide.size(), 1u);
  EXPECT_EQ(hide[0].X, 0);
  P rtl = MultiLabelLayout("L", mwtNone, "", "R", mwtNone, 100, true, m);
  EXPECT_EQ(rtl, (P{{"R", 0}, {"L", 94}}));
  EXPECT_EQ(MinimizeName("/home/user/documents/file.txt", 100, m), ".../file.txt");
}

TEST_F(OptionsPanelTest, LabelWidgetsMeasureTheirText) {
  TColumnLabel label;
  label.SetCaption("a\tb\nccc\td");
  EXPECT_EQ(label.sizeHint().height(), 2 * QFontMetrics(label.font()).height());
  label.SetFixedColumnWidth(120);
  EXPECT_EQ(label.ColumnStarts(), (std::vector<int32_t>{0, 120}));
  label.SetFixedColumnWidth(-5);
  EXPECT_EQ(label.FixedColumnWidth(), 0);
  TMultiLabel multi;
  ASSERT_EQ(multi.Pieces().size(), 3u);
  EXPECT_EQ(multi.Pieces()[0].Text, "Left");
}

}  // namespace
