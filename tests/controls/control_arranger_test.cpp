#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

#include "controls/control_arranger.h"
#include "controls/control_helpers.h"
#include "controls_test_app.h"

namespace {

// Every character 10 pixels wide.
class TTenPixels : public TTextMeasurer {
 public:
  int32_t TextWidth(std::string_view text) const override { return 10 * static_cast<int32_t>(text.size()); }
  int32_t TextHeight(std::string_view) const override { return 16; }
};

class Arranger : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
  QWidget* Sized(int w, int h) {
    auto* c = new QWidget(&parent);
    c->resize(w, h);
    return c;
  }
  QApplication& app = ControlsTestApp();
  QWidget parent;
};

}  // namespace

TEST_F(Arranger, StartPointAndAddBelowWithSpaces) {
  struct TCase {
    void (TControlArranger::*space)();
    int expectedTop;
  } cases[] = {{nullptr, 40},
               {&TControlArranger::AddSpaceVertical, 58},
               {&TControlArranger::AddSpaceVertical_SizeHalf, 49},
               {&TControlArranger::AddSpaceVertical_SizeThird, 46}};
  for (const TCase& c : cases) {
    TControlArranger arranger;
    arranger.SetStartPointPosition(12, 12);
    arranger.SetPositionToStartPoint();
    QWidget* label = Sized(100, 21);
    QWidget* edit = Sized(100, 25);
    arranger.AddBelow(label);
    if (c.space != nullptr) (arranger.*c.space)();
    arranger.AddBelow(edit);
    EXPECT_EQ(label->pos(), QPoint(12, 12));
    EXPECT_EQ(edit->pos(), QPoint(12, c.expectedTop));
  }
}

TEST_F(Arranger, CenteredLineAndWhatFollowsIt) {
  TControlArranger arranger;
  arranger.SetPosition(10, 20);
  QWidget* label = Sized(50, 21);
  QWidget* button = Sized(80, 27);
  QWidget* after = Sized(60, 20);
  arranger.AddBelowOnCenteredLine(label, button);
  EXPECT_EQ(label->pos(), QPoint(10, 23));
  EXPECT_EQ(button->pos(), QPoint(10 + 50 + 7, 20));
  EXPECT_EQ(arranger.LastWidth, 10 + 50 + 7 + 80 + 7);
  arranger.AddBelow(after);
  EXPECT_EQ(after->pos(), QPoint(10, 20 + 27 + 7));

  // Beside a centred line, the next line starts right of it.
  TControlArranger beside;
  beside.SetPosition(0, 0);
  QWidget* first = Sized(40, 20);
  beside.AddBelow(first);
  QWidget* a = Sized(30, 10);
  QWidget* b = Sized(30, 30);
  beside.AddBesideOnCenteredLine(a, b);
  EXPECT_EQ(a->pos(), QPoint(47, 10));
  EXPECT_EQ(b->pos(), QPoint(47 + 37, 0));
}

TEST_F(Arranger, BesideKeepsTheRowAndTopAfterLastControl) {
  TControlArranger arranger;
  arranger.SetPosition(5, 5);
  EXPECT_EQ(arranger.GetPositionTopAfterLastControl(), 5 + 7);
  QWidget* a = Sized(40, 20);
  QWidget* b = Sized(30, 25);
  QWidget* c = Sized(30, 10);
  arranger.AddBelow(a);
  arranger.AddBeside(b);
  EXPECT_EQ(b->pos(), QPoint(52, 5));
  EXPECT_EQ(arranger.GetPositionTopAfterLastControl(), 5 + 25 + 7);
  arranger.AddBelow(c);  // moves down by the height of the control placed last
  EXPECT_EQ(c->pos(), QPoint(52, 37));
  arranger.SetPositionLeftToStartPoint();
  EXPECT_EQ(arranger.PositionLeft, 0);
  EXPECT_EQ(arranger.LastHeight, 10);
}

TEST_F(Arranger, AdjustControlHorizontal) {
  TTenPixels m;
  QPushButton ok(QStringLiteral("OK"));
  EXPECT_EQ(CHAdjustControlHorizontal(&ok, m, 75, 13), 75);
  EXPECT_EQ(ok.width(), 75);
  QPushButton wide(QStringLiteral("12345678"));  // 80 pixels of caption
  EXPECT_EQ(CHAdjustControlHorizontal(&wide, m, 75, 13), 106);
  EXPECT_EQ(wide.width(), 106);
  QCheckBox box(QStringLiteral("1234567890"));
  box.resize(33, 20);
  EXPECT_EQ(CHAdjustControlHorizontal(&box, m, 75, 13), 125);
  EXPECT_EQ(box.width(), 33);
  QLabel label(QStringLiteral("123456789"));
  EXPECT_EQ(CHAdjustControlHorizontal(&label, m, 75, 13), 116);
  EXPECT_EQ(label.width(), 116);
}

TEST_F(Arranger, ArrangeHorizontalAndCentredVertically) {
  QWidget* a = Sized(10, 20);
  QWidget* b = Sized(10, 30);
  a->move(0, 10);
  b->move(0, 14);
  CHArrangeControlsVerticallyOnCenteredLine({a, nullptr, b});
  EXPECT_EQ(a->y(), 15);
  EXPECT_EQ(b->y(), 14);
  EXPECT_EQ(GetHeightOfHighestControl(nullptr, a, b), 30);
  EXPECT_EQ(GetHeightOfHighestControl(TControlArray{}), 0);
  EXPECT_EQ(GetTopPositionOfHighestControl({nullptr}), 2147483647);

  auto* l1 = new QLabel(QStringLiteral("x"), &parent);
  auto* l2 = new QLabel(QStringLiteral("y"), &parent);
  l1->move(20, 3);
  l2->move(0, 9);
  TControlArranger arranger;
  arranger.AdjustControlSizeAndArrangeControlsHorizontal(l1, nullptr, l2);
  EXPECT_EQ(l1->pos(), QPoint(20, 3));
  EXPECT_EQ(l2->pos(), QPoint(20 + 75 + 7, 9));
}

TEST_F(Arranger, StackVisibleControlsAndWidthToParent) {
  QWidget* a = Sized(10, 20);
  QWidget* b = Sized(10, 30);
  QWidget* c = Sized(10, 5);
  b->hide();
  CHSetTopPositionOfControlsDependingOnVisibilityAndControlOrder(a, nullptr, b, c);
  EXPECT_EQ(a->y(), 0);
  EXPECT_EQ(c->y(), 20);

  parent.resize(300, 200);
  TControlArranger arranger;
  arranger.SetPosition(12, 0);
  arranger.AdjustControlWidthToParentWidth(a, true);
  EXPECT_EQ(a->geometry(), QRect(12, 0, 276, 20));
  arranger.AdjustControlWidthToParentWidth(a, false);
  EXPECT_EQ(a->geometry(), QRect(0, 0, 300, 20));

  QScrollArea area;
  area.resize(250, 100);
  auto* content = new QWidget;
  content->resize(600, 800);
  area.setWidget(content);
  auto* inner = new QWidget(content);
  arranger.AdjustControlWidthToParentWidth(inner, false);
  EXPECT_EQ(inner->width(), 250 - 2 * area.frameWidth());
}

TEST(DividerRule, ExamplesOfTheMenu) {
  using E = TMenuEntryState;
  E d{true, true}, a{false, true}, hidden{false, false};
  EXPECT_EQ(DividerVisibility({d, a, d, d, a, d}), (std::vector<bool>{false, true, true, false, true, false}));
  EXPECT_EQ(DividerVisibility({a, d, hidden, d}), (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(DividerVisibility({}), std::vector<bool>{});
  ControlsTestApp();
  QMenu menu;
  menu.addSeparator();
  QAction* first = menu.addAction(QStringLiteral("A"));
  QAction* sep = menu.addSeparator();
  menu.addSeparator();
  menu.addAction(QStringLiteral("B"))->setVisible(false);
  menu.addSeparator();
  CHSetVisibilityOfDividersFromPopupMenu(&menu);
  int shown = 0;
  for (QAction* action : menu.actions()) shown += action->isSeparator() && action->isVisible();
  EXPECT_EQ(shown, 0);
  EXPECT_TRUE(first->isVisible());
  EXPECT_FALSE(sep->isVisible());
}

TEST(CheckedWithoutEvent, NoHandlerRunsButLaterClicksDo) {
  ControlsTestApp();
  QCheckBox box;
  int clicks = 0, toggles = 0;
  QObject::connect(&box, &QCheckBox::clicked, [&] { ++clicks; });
  QObject::connect(&box, &QCheckBox::toggled, [&] { ++toggles; });
  SetCheckedWithoutEvent(&box, true);
  EXPECT_TRUE(box.isChecked());
  EXPECT_EQ(clicks + toggles, 0);
  box.click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(toggles, 1);
  QRadioButton radio;
  SetCheckedWithoutEvent(&radio, true);
  EXPECT_TRUE(radio.isChecked());
  QPushButton push;
  push.setCheckable(true);
  SetCheckedWithoutEvent(&push, true);
  EXPECT_FALSE(push.isChecked());
}

TEST(FixedWidthFont, NoneInstalledGivesTheMarkerAnd12) {
  ControlsTestApp();
  QLabel label(QStringLiteral("x"));
  std::string name;
  int32_t size = 0;
  CHGetFontFixedWidthAndFontSize(&label, TStrArray{"Some Sans"}, name, size);
  EXPECT_TRUE(IsNulMarker(name));
  EXPECT_EQ(size, 12);
  // With one installed, its size makes "Wg" as high as in the label's font.
  CHGetFontFixedWidthAndFontSize(&label, TStrArray{"Some Sans", "Liberation Mono"}, name, size);
  EXPECT_EQ(name, "Liberation Mono");
  EXPECT_GT(size, 0);
  EXPECT_LT(size, 40);
}

TEST_F(Arranger, Screenshot) {
  parent.resize(320, 130);
  TControlArranger arranger;
  arranger.SetStartPointPosition(12, 12);
  arranger.SetPositionToStartPoint();
  auto* title = new QLabel(QStringLiteral("Name of the list:"), &parent);
  title->adjustSize();
  auto* edit = new QLineEdit(&parent);
  edit->resize(200, edit->sizeHint().height());
  auto* label = new QLabel(QStringLiteral("Count:"), &parent);
  label->adjustSize();
  auto* button = new QPushButton(QStringLiteral("Choose"), &parent);
  button->resize(button->width(), 27);
  auto* box = new QCheckBox(QStringLiteral("Keep the case"), &parent);
  box->adjustSize();
  arranger.AddBelow(title, edit);
  arranger.AddSpaceVertical_SizeHalf();
  arranger.AddBelowOnCenteredLineAndAdjustControlSize(label, button, box);
  SaveScreenshot(&parent, "control_arranger");
  EXPECT_EQ(edit->y(), 12 + title->height() + 7);
}
