#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "controls/collapsible_splitter_panel.h"
#include "controls/splitter_layout.h"
#include "controls/splitter_panel.h"
#include "controls_test_app.h"

namespace {

struct TCandidateCase {
  TSplitterPanelResizeBehavior Behavior;
  int32_t S, T;
  double R;
  int32_t F;
  bool Ok;
  int32_t Want;
};

TEST(SplitterLayout, CandidatesRoundHalvesToEvenAndNeedTheirInput) {
  const TCandidateCase cases[] = {
      {rbProportional, 400, 5, 0.25, -1, true, 98},      // 97.5 -> 98
      {rbProportional, 800, 5, 0.25125, -1, true, 198},  // 198.5 -> 198
      {rbProportional, 400, 5, -1, -1, false, 0},
      {rbFixedSideA, 400, 5, -1, 120, true, 120},
      {rbFixedSideA, 400, 5, -1, -1, false, 0},
      {rbFixedSideB, 400, 5, -1, 100, true, 295},
      {rbMiddle, 200, 5, -1, -1, true, 98},
      {rbThirdOne, 300, 5, -1, -1, true, 98},  // 97.5 -> 98
      {rbThirdTwo, 300, 4, -1, -1, true, 198},
  };
  for (const auto& c : cases) {
    int32_t got = 0;
    EXPECT_EQ(SplitterCandidatePosition(c.Behavior, c.S, c.T, c.R, c.F, got), c.Ok) << c.Behavior;
    if (c.Ok) {
      EXPECT_EQ(got, c.Want) << c.Behavior;
    }
  }
  int32_t v = 10;
  EXPECT_TRUE(ValidateSplitterPosition(v, 400, 50, 50));
  EXPECT_EQ(v, 50);
  v = 390;
  EXPECT_TRUE(ValidateSplitterPosition(v, 400, 50, 50));
  EXPECT_EQ(v, 350);
  v = 70;
  EXPECT_FALSE(ValidateSplitterPosition(v, 100, 50, 50));
}

class SplitterPanelTest : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
};

TEST_F(SplitterPanelTest, NewPanelBeforeItsWindowExists) {
  TSplitterPanel panel;
  EXPECT_NE(panel.GetSide(0), nullptr);
  EXPECT_NE(panel.GetSide(1), nullptr);
  EXPECT_EQ(panel.GetSide(2), nullptr);
  EXPECT_EQ(panel.GetSide(-1), nullptr);
  EXPECT_EQ(panel.Splitter(), nullptr);
  EXPECT_EQ(panel.SplitterPosition(), 98);
  EXPECT_EQ(panel.GetSplitterPositionRelative(), -1.0);
  EXPECT_EQ(panel.GetSplitterPositionRelativeAsInt(), -10000);
  panel.SetSplitterPositionProperty(-7);
  EXPECT_EQ(panel.SplitterPosition(), 0);
}

TEST_F(SplitterPanelTest, RelativePositionFollowsResizeProportionally) {
  TSplitterPanel panel;
  panel.resize(400, 100);
  panel.show();
  ASSERT_NE(panel.Splitter(), nullptr);
  EXPECT_FALSE(panel.SetSplitterPositionRelativeFromInt(10000));
  EXPECT_FALSE(panel.SetSplitterPositionRelativeFromInt(-1));
  EXPECT_TRUE(panel.SetSplitterPositionRelative(0.25));
  EXPECT_EQ(panel.GetSide(0)->width(), 98);
  EXPECT_DOUBLE_EQ(panel.GetSplitterPositionRelative(), 0.25125);
  panel.resize(800, 100);
  EXPECT_EQ(panel.GetSide(0)->width(), 198);
  EXPECT_TRUE(panel.SetSplitterPositionRelativeFromInt(0));
  EXPECT_EQ(panel.GetSide(0)->width(), 50);
}

TEST_F(SplitterPanelTest, SizesAfterResizeForEachBehaviour) {
  struct TCase {
    TSplitterPanelResizeBehavior Behavior;
    int32_t AfterWidth;
    int32_t WantSideA;
  };
  // Start: 400 wide, side A 150 (side B 245).
  const TCase cases[] = {
      {rbFixedSideA, 600, 150}, {rbFixedSideB, 300, 50}, {rbFixedSideB, 500, 250},
      {rbMiddle, 600, 298},     {rbThirdOne, 600, 198},  {rbThirdTwo, 600, 398},
  };
  for (const auto& c : cases) {
    TSplitterPanel panel;
    panel.resize(400, 100);
    panel.show();
    panel.SetSplitterPositionProperty(150);
    ASSERT_EQ(panel.GetSide(0)->width(), 150);
    panel.SetResizeBehavior(c.Behavior);
    panel.resize(c.AfterWidth, 100);
    EXPECT_EQ(panel.GetSide(0)->width(), c.WantSideA) << c.Behavior << " " << c.AfterWidth;
  }
  // Too small for both minima: the splitter is not re-placed.
  TSplitterPanel small;
  small.resize(400, 100);
  small.show();
  small.SetResizeBehavior(rbMiddle);
  int32_t before = small.GetSide(0)->width();
  small.resize(90, 100);
  EXPECT_LE(small.GetSide(0)->width(), before);
}

TEST_F(SplitterPanelTest, PendingRelativePositionBecomesFixedSizeOnFirstResize) {
  TSplitterPanel panel;
  panel.SetResizeBehavior(rbFixedSideA);
  EXPECT_FALSE(panel.SetSplitterPositionRelative(0.5));
  panel.resize(405, 100);
  panel.show();
  panel.resize(405, 120);
  panel.resize(605, 120);
  EXPECT_EQ(panel.GetSide(0)->width(), 200);  // (405 - 5) * 0.5 kept fixed
}

class CollapsibleTest : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
  static void Fill(TCollapsibleSplitterPanel& p) {
    for (int i = 0; i < 2; ++i) {
      auto* layout = new QVBoxLayout(p.GetSide(i)->GetContentPanel());
      layout->addWidget(new QLabel(i == 0 ? "Syllable list" : "Output", p.GetSide(i)->GetContentPanel()));
    }
    p.GetSide(0)->SetCaption("Syllables");
    p.GetSide(1)->SetCaption("Words");
  }
};

TEST_F(CollapsibleTest, CollapseStacksAndRestoreBringsBackThePosition) {
  TCollapsibleSplitterPanel panel;
  Fill(panel);
  EXPECT_EQ(panel.GetState(), 1);
  EXPECT_EQ(panel.GetSplitterPositionRelativeCurrentOrLastIfCollapsedAsInt(), -10000);
  panel.resize(400, 300);
  panel.show();
  ASSERT_TRUE(panel.SetSplitterPositionRelative(0.25));
  int32_t rel = panel.GetSplitterPositionRelativeAsInt();
  int changes = 0, sideChanges = 0;
  panel.OnChange = [&](QObject*) { ++changes; };
  panel.GetSide(1)->OnChange = [&](QObject*) { ++sideChanges; };

  panel.GetSide(1)->SetOpen(false);
  EXPECT_EQ(panel.GetState(), 2);
  EXPECT_EQ(panel.SplitterOrientation(), soVertical);
  EXPECT_FALSE(panel.Splitter()->handle(1)->isVisible());
  EXPECT_FALSE(panel.GetSide(1)->GetContentPanel()->isVisible());
  EXPECT_TRUE(panel.GetSide(1)->CaptionBar()->isVisible());
  EXPECT_FALSE(panel.GetSide(1)->Marker()->Checked());
  EXPECT_EQ(panel.GetSide(1)->height(), panel.GetSide(1)->CaptionBar()->sizeHint().height());
  EXPECT_EQ(panel.SplitterPosition(), -1);
  EXPECT_EQ(panel.GetSplitterPositionRelativeCurrentOrLastIfCollapsedAsInt(), rel);
  SaveScreenshot(&panel, "collapsible_splitter_panel_collapsed");

  panel.GetSide(1)->SetOpen(true);
  EXPECT_EQ(panel.GetState(), 1);
  EXPECT_EQ(panel.SplitterOrientation(), soHorizontal);
  EXPECT_TRUE(panel.Splitter()->handle(1)->isVisible());
  EXPECT_EQ(panel.GetSplitterPositionRelativeAsInt(), rel);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(sideChanges, 2);
  SaveScreenshot(&panel, "collapsible_splitter_panel");
}

TEST_F(CollapsibleTest, SetStateWithAndWithoutOpeningTheOtherSide) {
  TCollapsibleSplitterPanel a;
  Fill(a);
  a.resize(400, 300);
  a.show();
  a.SetState(0);
  EXPECT_EQ(a.GetState(), 2);  // collapsing A opened B, then B collapsed and opened A
  a.SetState(7);
  EXPECT_EQ(a.GetState(), 2);

  TCollapsibleSplitterPanel b;
  Fill(b);
  b.OpenSideOnCollapsingOtherSide = false;
  b.resize(400, 300);
  b.show();
  b.SetState(0);
  EXPECT_EQ(b.GetState(), 0);
  EXPECT_TRUE(b.BothCollapsedSideBySide());
  EXPECT_EQ(b.SplitterOrientation(), soHorizontal);
  EXPECT_EQ(b.GetSide(0)->width(), 200);
  b.resize(500, 300);
  EXPECT_EQ(b.GetSide(0)->width(), 250);
  SaveScreenshot(&b, "collapsible_splitter_panel_both_collapsed");
  b.SetState(1);
  EXPECT_EQ(b.GetState(), 1);
}

TEST_F(CollapsibleTest, VetoCaptionClicksMenuItemAndShrinkSpacing) {
  TCollapsibleSplitterPanel panel;
  Fill(panel);
  panel.resize(400, 300);
  panel.show();
  bool allow = false;
  int asked = 0;
  panel.OnCanCollapse = [&](QObject*, int32_t side, bool open, bool& can) {
    ++asked;
    EXPECT_EQ(side, 0);
    EXPECT_FALSE(open);
    can = allow;
  };
  int changes = 0;
  panel.OnChange = [&](QObject*) { ++changes; };
  panel.GetSide(0)->SetOpen(false);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(panel.GetState(), 1);
  EXPECT_TRUE(panel.GetSide(0)->Marker()->Checked());
  EXPECT_EQ(changes, 0);
  panel.OnCanCollapse = nullptr;

  QAction item("Side A");
  panel.GetSide(0)->AssignMenuItem(&item);
  item.trigger();
  EXPECT_EQ(panel.GetState(), 3);
  EXPECT_FALSE(item.isChecked());
  item.trigger();
  EXPECT_EQ(panel.GetState(), 1);

  // A press on the caption bar toggles once.
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton, Qt::RightButton,
                    Qt::NoModifier);
  QApplication::sendEvent(panel.GetSide(1)->CaptionBar(), &press);
  EXPECT_EQ(panel.GetState(), 2);
  panel.SetState(1);

  panel.CollapseBehaviorCaptionBorderSpacing = cbcbsShrink;
  panel.GetSide(0)->SetCaptionBorderSpacingTop(7);
  panel.GetSide(0)->SetOpen(false);
  EXPECT_EQ(panel.GetSide(0)->CurrentCaptionBottom(), 3);
  EXPECT_EQ(panel.GetSide(1)->CurrentCaptionTop(), 3);
}

TEST_F(CollapsibleTest, CollapseAndAutoSizeBeforeTheSplitterExistAreAppliedOnCreation) {
  TCollapsibleSplitterPanel panel;
  Fill(panel);
  panel.GetSide(1)->SetOpen(false);
  EXPECT_TRUE(panel.HasPendingRequests());
  panel.SetAutoSizeSide(cspSideA);
  EXPECT_EQ(panel.AutoSizeSide(), cspSideA);
  panel.resize(400, 300);
  panel.show();
  EXPECT_FALSE(panel.HasPendingRequests());
  EXPECT_EQ(panel.GetState(), 2);
  EXPECT_EQ(panel.SplitterOrientation(), soVertical);
  panel.SetAutoSizeSide(cspNoSide);
  panel.GetSide(1)->SetOpen(true);
  EXPECT_EQ(panel.GetState(), 1);
  EXPECT_TRUE(panel.Splitter()->handle(1)->isVisible());
}

// An outer stacked panel whose side B holds an inner panel that keeps
// collapsed sides collapsed; optionally a second control beside it.
struct TNestedPanels {
  TCollapsibleSplitterPanel outer;
  TCollapsibleSplitterPanel* inner;
  explicit TNestedPanels(bool secondControl = false) {
    outer.SetSplitterOrientation(soVertical);
    auto* tabA = outer.GetSide(0)->GetContentPanel();
    (new QVBoxLayout(tabA))->addWidget(new QLabel("Syllable list", tabA));
    auto* tabB = outer.GetSide(1)->GetContentPanel();
    auto* layout = new QVBoxLayout(tabB);
    inner = new TCollapsibleSplitterPanel(tabB);
    inner->OpenSideOnCollapsingOtherSide = false;
    layout->addWidget(inner);
    if (secondControl) layout->addWidget(new QLabel("Notes", tabB));
    outer.resize(400, 400);
    outer.show();
  }
};

TEST_F(CollapsibleTest, InnerPanelWithAllSidesCollapsedShrinksItsOuterSideUntilOneOpens) {
  TNestedPanels n;
  int changes = 0;
  n.inner->OnChange = [&](QObject*) {
    ++changes;
    // The outer layout is settled before anyone hears of the change.
    EXPECT_EQ(n.outer.AutoSizeSide(), n.inner->GetState() == 0 ? cspSideB : cspNoSide);
  };
  n.inner->GetSide(0)->SetOpen(false);
  EXPECT_EQ(n.outer.AutoSizeSide(), cspNoSide);
  EXPECT_FALSE(n.inner->EnclosingAutoSizeSet());
  n.inner->GetSide(1)->SetOpen(false);
  EXPECT_EQ(n.inner->GetState(), 0);
  EXPECT_EQ(n.outer.AutoSizeSide(), cspSideB);
  EXPECT_TRUE(n.inner->EnclosingAutoSizeSet());
  EXPECT_LT(n.outer.GetSide(1)->height(), n.outer.GetSide(0)->height());
  // The inner caption bars stay reachable inside the shrunk side.
  EXPECT_GE(n.inner->height(), n.inner->GetSide(0)->CaptionBar()->sizeHint().height());
  SaveScreenshot(&n.outer, "collapsible_splitter_panel_nested_collapsed");

  n.inner->GetSide(1)->SetOpen(true);
  EXPECT_EQ(n.outer.AutoSizeSide(), cspNoSide);
  EXPECT_TRUE(n.outer.Splitter()->handle(1)->isVisible());
  EXPECT_TRUE(n.inner->EnclosingAutoSizeSet());
  EXPECT_EQ(changes, 3);
  n.inner->OnChange = nullptr;

  // An auto-size side the caller picked since is not the inner panel's to undo.
  n.inner->GetSide(1)->SetOpen(false);
  ASSERT_EQ(n.outer.AutoSizeSide(), cspSideB);
  n.outer.SetAutoSizeSide(cspSideA);
  n.inner->GetSide(0)->SetOpen(true);
  EXPECT_EQ(n.outer.AutoSizeSide(), cspSideA);
}

TEST_F(CollapsibleTest, PanelThatOpensTheOtherSideLeavesItsOuterSideAlone) {
  TNestedPanels n;
  n.inner->OpenSideOnCollapsingOtherSide = true;
  n.outer.GetSide(0)->SetOpen(false);
  n.inner->GetSide(0)->SetOpen(false);
  n.inner->GetSide(1)->SetOpen(false);
  EXPECT_EQ(n.inner->GetState(), 2);
  EXPECT_EQ(n.outer.GetState(), 3);
  EXPECT_EQ(n.outer.AutoSizeSide(), cspNoSide);
}

TEST_F(CollapsibleTest, CollapsingTheLastInnerSideOpensTheOuterOtherSide) {
  TNestedPanels n;
  n.outer.GetSide(0)->SetOpen(false);
  ASSERT_EQ(n.outer.GetState(), 3);
  n.inner->GetSide(0)->SetOpen(false);
  EXPECT_EQ(n.outer.GetState(), 3);  // the inner side B still shows content
  n.inner->GetSide(1)->SetOpen(false);
  EXPECT_EQ(n.inner->GetState(), 0);
  EXPECT_EQ(n.outer.GetState(), 1);
  EXPECT_EQ(n.outer.AutoSizeSide(), cspSideB);
  EXPECT_FALSE(n.outer.Splitter()->handle(1)->isVisible());
  SaveScreenshot(&n.outer, "collapsible_splitter_panel_nested_outer_reopened");
}

TEST_F(CollapsibleTest, CollapsingBesideAShrunkInnerPanelOpensItsSidesFirst) {
  struct TCase {
    const char* name;
    bool secondControl;
    int32_t innerState;  // before the outer side A collapses
    bool innerAsked;
  };
  const TCase cases[] = {
      {"inner sides all collapsed", false, 0, true},
      {"inner sides already open, outer side shrunk by the caller", false, 1, true},
      {"tab holds a second control", true, 0, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TNestedPanels n(c.secondControl);
    n.inner->SetState(c.innerState);
    n.outer.SetAutoSizeSide(cspSideB);
    std::vector<std::pair<int32_t, bool>> asked;
    n.inner->OnCanCollapse = [&](QObject*, int32_t side, bool open, bool&) { asked.emplace_back(side, open); };
    n.outer.GetSide(0)->SetOpen(false);
    EXPECT_EQ(n.outer.GetState(), 3);
    EXPECT_EQ(n.outer.AutoSizeSide(), cspNoSide);
    if (c.innerAsked) {
      EXPECT_EQ(n.inner->GetState(), 1);
      EXPECT_EQ(asked, (std::vector<std::pair<int32_t, bool>>{{0, true}, {1, true}}));
    } else {
      EXPECT_EQ(n.inner->GetState(), c.innerState);
      EXPECT_TRUE(asked.empty());
    }
  }
}

}  // namespace
