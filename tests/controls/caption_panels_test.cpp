#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/caption_panels.h"
#include "controls_test_app.h"

namespace {

void Press(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), w->mapToGlobal(QPointF(at)), button, button, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

void Move(QWidget* w, QPoint at, Qt::MouseButtons buttons) {
  QMouseEvent e(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

void Release(QWidget* w, QPoint at) {
  QMouseEvent e(QEvent::MouseButtonRelease, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::NoButton,
                Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

class Panels : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
};

}  // namespace

TEST(MarkerRows, ArrowPointsDownClosedAndUpOpen) {
  auto rows = ImageCheckBoxArrowRows(25, 25, 11, false);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0], (TMarkerRow{12 - 2, 7, 11}));
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].Length, 11 - 2 * static_cast<int32_t>(i));
    EXPECT_EQ(rows[i].Row, 10 + static_cast<int32_t>(i));
    EXPECT_EQ(rows[i].Left, 7 + static_cast<int32_t>(i));
  }
  rows = ImageCheckBoxArrowRows(25, 25, 11, true);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0], (TMarkerRow{15, 7, 11}));
  EXPECT_EQ(rows[5], (TMarkerRow{10, 12, 1}));
  EXPECT_EQ(ImageCheckBoxArrowRows(12, 12, 10, false).size(), 5u);
}

TEST_F(Panels, ImageCheckBoxPaintsItsRowsAndTogglesOnLeftClickOnly) {
  TImageCheckBox box;
  int changes = 0;
  box.OnChange = [&](QObject*) { ++changes; };
  QImage closed = box.grab().toImage();
  for (const TMarkerRow& r : ImageCheckBoxArrowRows(25, 25, 11, false)) {
    EXPECT_EQ(closed.pixel(r.Left, r.Row), qRgb(0, 0, 0)) << r.Row;
    EXPECT_EQ(closed.pixel(r.Left + r.Length - 1, r.Row), qRgb(0, 0, 0)) << r.Row;
    EXPECT_NE(closed.pixel(r.Left - 1, r.Row), qRgb(0, 0, 0)) << r.Row;
    EXPECT_NE(closed.pixel(r.Left + r.Length, r.Row), qRgb(0, 0, 0)) << r.Row;
  }
  Press(&box, QPoint(5, 5), Qt::RightButton);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(changes, 0);
  Press(&box, QPoint(5, 5));
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(changes, 1);
  box.SetChecked(true);
  EXPECT_EQ(changes, 1);
  QImage open = box.grab().toImage();
  EXPECT_EQ(open.pixel(12, 10), qRgb(0, 0, 0));  // the tip of the upward arrow
  EXPECT_NE(open.pixel(7, 10), qRgb(0, 0, 0));
  box.SetIconType(itSquare);
  EXPECT_EQ(box.grab().toImage().pixel(12, 12), qRgb(0, 0, 0));
  box.SetChecked(false);
  EXPECT_NE(box.grab().toImage().pixel(12, 12), qRgb(0, 0, 0));
  box.SetAutoSize(true);
  box.SetIconSize(10);
  EXPECT_EQ(box.size(), QSize(12, 12));
}

TEST_F(Panels, CollapsiblePanelStates) {
  TCollapsiblePanel panel;
  auto* inside = new QLabel(QStringLiteral("content"), panel.GetContentPanel());
  (void)inside;
  panel.show();
  int changes = 0;
  panel.OnChange = [&](QObject*) { ++changes; };
  EXPECT_EQ(panel.GetState(), 1);
  panel.SetState(2);  // only 1 opens
  EXPECT_FALSE(panel.Open());
  EXPECT_EQ(panel.GetState(), 0);
  EXPECT_FALSE(panel.GetContentPanel()->isVisible());
  EXPECT_FALSE(panel.Marker()->Checked());
  EXPECT_EQ(changes, 1);
  panel.SetOpen(false);
  EXPECT_EQ(changes, 1);

  // The bar, a press on the caption text and the marker all toggle.
  Press(panel.CaptionBar(), QPoint(1, 1));
  EXPECT_TRUE(panel.Open());
  Press(panel.CaptionLabel(), QPoint(2, 2));
  EXPECT_FALSE(panel.Open());
  Press(panel.Marker(), QPoint(2, 2));
  EXPECT_TRUE(panel.Open());
  EXPECT_TRUE(panel.GetContentPanel()->isVisible());
  EXPECT_EQ(changes, 4);

  // Shrinking takes the caption's bottom spacing away while closed.
  panel.SetCaptionBorderSpacingBottom(6);
  panel.CollapseBehaviorCaptionBorderSpacing = cbcbsShrink;
  panel.SetOpen(false);
  EXPECT_EQ(panel.CurrentCaptionBottomSpacing(), 0);
  EXPECT_EQ(panel.CaptionLabel()->contentsMargins().bottom(), 0);
  panel.SetOpen(true);
  EXPECT_EQ(panel.CaptionLabel()->contentsMargins().bottom(), 6);
  panel.CollapseBehaviorCaptionBorderSpacing = cbcbsNoChange;
  panel.SetOpen(false);
  EXPECT_EQ(panel.CaptionLabel()->contentsMargins().bottom(), 6);

  // A bound menu item toggles and follows from the next change on.
  QAction item(QStringLiteral("Panel"));
  panel.AssignMenuItem(&item);
  item.trigger();
  EXPECT_TRUE(panel.Open());
  EXPECT_TRUE(item.isChecked());
  panel.SetOpen(false);
  EXPECT_FALSE(item.isChecked());
}

TEST_F(Panels, CheckPanelStates) {
  TCheckPanel panel;
  panel.show();
  int changes = 0;
  panel.OnChange = [&](QObject*) { ++changes; };
  EXPECT_TRUE(panel.Open());
  EXPECT_FALSE(panel.Checked());
  panel.CheckBox()->click();  // tick: already open, one event
  EXPECT_TRUE(panel.Checked());
  EXPECT_EQ(changes, 1);
  panel.CheckBox()->click();  // untick: closes, two events
  EXPECT_FALSE(panel.Open());
  EXPECT_FALSE(panel.GetContentPanel()->isVisible());
  EXPECT_EQ(changes, 3);

  panel.SetChecked(true);
  EXPECT_TRUE(panel.Open());
  EXPECT_TRUE(panel.CheckBox()->isChecked());
  // The marker of a ticked, open panel closes it and keeps the tick.
  changes = 0;
  Press(panel.Marker(), QPoint(2, 2));
  EXPECT_FALSE(panel.Open());
  EXPECT_TRUE(panel.Checked());
  EXPECT_EQ(changes, 1);
  Press(panel.CaptionBar(), QPoint(panel.CaptionBar()->width() / 2, 1));
  EXPECT_TRUE(panel.Open());
  EXPECT_TRUE(panel.Checked());
}

TEST_F(Panels, ExpandablePanelDragAndPlusButton) {
  EXPECT_EQ(ExpandablePanelZoneAt(150, 150, 10, 145, 10, false), TExpandablePanelZone::ResizeStrip);
  EXPECT_EQ(ExpandablePanelZoneAt(150, 150, 10, 140, 10, false), TExpandablePanelZone::None);
  EXPECT_EQ(ExpandablePanelZoneAt(150, 150, 10, 149, 0, false), TExpandablePanelZone::None);
  EXPECT_EQ(ExpandablePanelZoneAt(150, 150, 139, 139, 10, true), TExpandablePanelZone::ButtonPlus);
  EXPECT_EQ(ExpandablePanelZoneAt(150, 150, 138, 145, 10, true), TExpandablePanelZone::ResizeStrip);

  TExpandablePanel panel;
  EXPECT_EQ(panel.size(), QSize(150, 150));
  Press(&panel, QPoint(20, 145));
  Move(&panel, QPoint(20, 185), Qt::LeftButton);
  EXPECT_EQ(panel.height(), 190);
  Release(&panel, QPoint(20, 185));
  Move(&panel, QPoint(20, 100), Qt::NoButton);
  EXPECT_EQ(panel.height(), 190);

  // A drag upwards stops at the panel's minimum height.
  TExpandablePanel bounded;
  bounded.ConstraintsMinHeight = 60;
  Press(&bounded, QPoint(20, 145));
  Move(&bounded, QPoint(20, 5), Qt::LeftButton);
  EXPECT_EQ(bounded.height(), 60);
  Release(&bounded, QPoint(20, 5));

  TExpandablePanel fixed;
  fixed.ResizeAreaBottom = 0;
  Press(&fixed, QPoint(20, 149));
  Move(&fixed, QPoint(20, 200), Qt::LeftButton);
  EXPECT_EQ(fixed.height(), 150);
  EXPECT_FALSE(fixed.Dragging());

  TExpandablePanel plus;
  plus.SetShowButtonPlus(true);
  plus.HintButtonPlus = "Add a line";
  int clicks = 0;
  plus.OnButtonPlusClick = [&](QObject*) { ++clicks; };
  Press(&plus, QPoint(150 - 11, 150 - 11));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(plus.Dragging());
  Move(&plus, QPoint(145, 145), Qt::NoButton);
  EXPECT_EQ(plus.toolTip(), QStringLiteral("Add a line"));
  EXPECT_EQ(plus.cursor().shape(), Qt::PointingHandCursor);
  Move(&plus, QPoint(20, 145), Qt::NoButton);
  EXPECT_EQ(plus.cursor().shape(), Qt::SizeVerCursor);
  EXPECT_TRUE(plus.toolTip().isEmpty());

  QImage image = plus.grab().toImage();
  QRgb grey = qRgb(112, 112, 112);
  EXPECT_EQ(image.pixel(140, 140), grey);  // box corner
  EXPECT_EQ(image.pixel(149, 149), grey);
  EXPECT_EQ(image.pixel(144, 142), grey);  // plus, two pixels thick
  EXPECT_EQ(image.pixel(145, 147), grey);
  EXPECT_EQ(image.pixel(142, 144), grey);
  EXPECT_NE(image.pixel(142, 142), grey);
  EXPECT_NE(image.pixel(144, 141), grey);
}

TEST_F(Panels, RawPanelClicksAndShrinksWhenEmpty) {
  TRawPanel panel;
  EXPECT_EQ(panel.size(), QSize(100, 100));
  std::vector<std::string> events;
  panel.OnMouseDown = [&](QObject*, QMouseEvent*) { events.push_back("down"); };
  panel.OnClick = [&](QObject*) { events.push_back("click"); };
  Press(&panel, QPoint(3, 3), Qt::RightButton);
  EXPECT_EQ(events, (std::vector<std::string>{"down", "click"}));
  EXPECT_EQ(panel.focusPolicy(), Qt::NoFocus);
  panel.SetAutoSize(true);
  EXPECT_EQ(panel.size(), QSize(0, 0));
}

TEST_F(Panels, RightToLeftSwapsMarkerAndText) {
  TCollapsiblePanel panel;
  panel.resize(200, 120);
  panel.show();
  QApplication::processEvents();
  EXPECT_LT(panel.CaptionLabel()->x(), panel.Marker()->x());
  panel.setLayoutDirection(Qt::RightToLeft);
  QApplication::processEvents();
  EXPECT_GT(panel.CaptionLabel()->x(), panel.Marker()->x());
  EXPECT_EQ(panel.Marker()->x(), 0);
}

TEST_F(Panels, Screenshot) {
  QWidget window;
  auto* column = new QVBoxLayout(&window);
  auto* collapsible = new TCollapsiblePanel;
  collapsible->SetCaption("Word lengths");
  auto* inner = new QVBoxLayout(collapsible->GetContentPanel());
  inner->addWidget(new QLabel(QStringLiteral("From 2 to 4 syllables")));
  auto* closed = new TCollapsiblePanel;
  closed->SetCaption("Closed group");
  closed->SetOpen(false);
  auto* check = new TCheckPanel;
  check->SetCaption("Use readability rules");
  check->SetChecked(true);
  auto* checkInner = new QVBoxLayout(check->GetContentPanel());
  checkInner->addWidget(new QPushButton(QStringLiteral("Edit rules")));
  auto* expandable = new TExpandablePanel;
  expandable->SetShowButtonPlus(true);
  expandable->setAutoFillBackground(true);
  expandable->setFixedHeight(60);
  column->addWidget(collapsible);
  column->addWidget(closed);
  column->addWidget(check);
  column->addWidget(expandable);
  window.resize(260, 320);
  window.show();
  QApplication::processEvents();
  SaveScreenshot(&window, "caption_panels");
  window.setLayoutDirection(Qt::RightToLeft);
  QApplication::processEvents();
  SaveScreenshot(&window, "caption_panels_rtl");
}
