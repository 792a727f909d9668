// A splitter panel whose sides carry caption bars and collapse to that bar.
// While exactly one side is collapsed a side-by-side panel stands stacked, so
// that the collapsed side shows as a full-width bar; the position from before
// the collapse comes back when both sides are open again.
#pragma once

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/caption_panels.h"
#include "controls/splitter_panel.h"

using TCollapsibleSplitterPanelOrientation = TSplitterPanelOrientation;
using TCollapsibleSplitterPanelResizeBehavior = TSplitterPanelResizeBehavior;
enum TCollapsibleSplitterPanelCollapseBehaviorHorizontal { cbhVertical, cbhHorizontal };
using TCollapsibleSplitterPanelCollapseBehaviorCaptionBorderSpacing =
    TCollapsiblePanelCollapseBehaviorCaptionBorderSpacing;
enum TCollapsibleSplitterPanelSideSelector { cspSideA, cspSideB, cspNoSide };

using TCollapsibleSplitterPanelCanCollapseProc =
    std::function<void(QObject* Sender, int32_t ASideIndex, bool AOpen, bool& ACanCollapse)>;

class TCollapsibleSplitterPanel;
class TCollapsibleSplitterPanelSide;

// The content area of a side: the caller's controls go here.
class TCollapsibleSplitterPanelSideTab : public QWidget {
  Q_OBJECT
 public:
  explicit TCollapsibleSplitterPanelSideTab(QWidget* parent = nullptr);
  bool CreatedBySide = false;
  void SetAsAutoSizeSide(bool value);
  void SetOpenOtherSide(bool value);
};

class TCollapsibleSplitterPanelSide : public TSplitterPanelSide {
  Q_OBJECT
 public:
  explicit TCollapsibleSplitterPanelSide(QWidget* parent = nullptr);

  bool Open() const { return FOpen; }
  void SetOpen(bool value);
  std::string Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool CaptionBold() const { return FCaptionBold; }
  void SetCaptionBold(bool value);
  int32_t CaptionBorderSpacingLeft() const { return FSpacingLeft; }
  void SetCaptionBorderSpacingLeft(int32_t value);
  int32_t CaptionBorderSpacingRight() const { return FSpacingRight; }
  void SetCaptionBorderSpacingRight(int32_t value);
  int32_t CaptionBorderSpacingTop() const { return FSpacingTop; }
  void SetCaptionBorderSpacingTop(int32_t value);
  int32_t CaptionBorderSpacingBottom() const { return FSpacingBottom; }
  void SetCaptionBorderSpacingBottom(int32_t value);
  bool ShowTopBar() const { return FShowTopBar; }
  void SetShowTopBar(bool value);
  void AssignMenuItem(QAction* item);
  QAction* MenuItem() const { return FMenuItem; }

  void SetAsAutoSizeSide(bool value);
  TCollapsibleSplitterPanelSide* GetOtherSide() const;
  void SetOpenOtherSide(bool value);
  void RefreshConstraintsFromTab();

  TNotifyEvent OnChange;
  int32_t Index() const { return FIndex; }

  TRawPanel* CaptionBar() const { return FBar; }
  QLabel* CaptionLabel() const { return FLabel; }
  TImageCheckBox* Marker() const { return FMarker; }
  TCollapsibleSplitterPanelSideTab* GetContentPanel() const { return FTab; }
  // The spacing the caption text and marker have now (top, bottom).
  int32_t CurrentCaptionTop() const { return FCurTop; }
  int32_t CurrentCaptionBottom() const { return FCurBottom; }

 protected:
  void changeEvent(QEvent* e) override;

 private:
  friend class TCollapsibleSplitterPanel;
  TCollapsibleSplitterPanel* Panel() const;
  void ApplyCaptionSpacing(int32_t top, int32_t bottom);
  void Toggle() { SetOpen(!FOpen); }

  bool FOpen = true;
  std::string FCaption = "Caption";
  bool FCaptionBold = true;
  int32_t FSpacingLeft = 0, FSpacingRight = 0, FSpacingTop = 0, FSpacingBottom = 0;
  int32_t FCurTop = 0, FCurBottom = 0;
  bool FShowTopBar = true;
  bool FAutoSized = false;
  int32_t FIndex = -1;
  int32_t FSavedTabMinHeight = -1;
  TRawPanel* FBar;
  QLabel* FLabel;
  TImageCheckBox* FMarker;
  TCollapsibleSplitterPanelSideTab* FTab;
  QPointer<QAction> FMenuItem;
};

class TCollapsibleSplitterPanel : public TSplitterPanel {
  Q_OBJECT
 public:
  explicit TCollapsibleSplitterPanel(QWidget* parent = nullptr);

  TCollapsibleSplitterPanelSide* GetSide(int32_t index) const;
  // -1 without both sides; 1 both open, 2 only A open, 3 only B open, 0 none.
  int32_t GetState() const;
  void SetState(int32_t value);
  int32_t GetSplitterPositionRelativeCurrentOrLastIfCollapsedAsInt() const;
  bool SetSplitterPosition(int32_t& P, bool updateRelative, bool updateFixed) override;

  TCollapsibleSplitterPanelSideSelector AutoSizeSide() const { return FAutoSizeSide; }
  void SetAutoSizeSide(TCollapsibleSplitterPanelSideSelector value);
  TCollapsibleSplitterPanelCollapseBehaviorHorizontal CollapseBehaviorHorizontal = cbhHorizontal;
  TCollapsibleSplitterPanelCollapseBehaviorCaptionBorderSpacing CollapseBehaviorCaptionBorderSpacing = cbcbsNoChange;
  bool OpenSideOnCollapsingOtherSide = true;

  TNotifyEvent OnChange;
  TCollapsibleSplitterPanelCanCollapseProc OnCanCollapse;

  void CollapseSideInternal(int32_t index, bool open);
  bool BothCollapsedSideBySide() const { return FBothCollapsedSideBySide; }
  bool SwitchedToStacked() const { return FSwitchedToStacked; }
  // This panel once made the side holding it the enclosing panel's auto-size side.
  bool EnclosingAutoSizeSet() const { return FEnclosingAutoSizeSet; }
  // Requests made before the splitter existed, applied when it is created.
  bool HasPendingRequests() const { return !FPending.empty() || FPendingAutoSize; }
  // What the sides ask for, so that a side shrunk around this panel keeps its caption bars.
  QSize sizeHint() const override;

 protected:
  TSplitterPanelSide* NewSide(int32_t index) override;
  void CreateWnd() override;
  void Resize() override;
  bool RefreshBlocked() const override { return FInCollapse || FInAutoSizeChange; }

 private:
  friend class TCollapsibleSplitterPanelSide;
  void StoreSplitterPositionRelativeBeforeCollapseIfNecessary(int32_t index, bool open);
  void PrepareGUIForState(TCollapsibleSplitterPanelSide* side, bool open, bool otherOpen);
  void ApplyCollapsedLayout();
  void ApplyAutoSizeSide();
  // The side of an enclosing collapsible splitter panel whose content tab holds this panel.
  TCollapsibleSplitterPanelSide* EnclosingSide() const;
  static TCollapsibleSplitterPanel* SoleNestedPanel(const TCollapsibleSplitterPanelSide* side);
  void UpdateEnclosingAutoSize();

  double FRelativeBeforeCollapse = -1.0;
  bool FSwitchedToStacked = false;
  bool FInCollapse = false;
  bool FInAutoSizeChange = false;
  bool FBothCollapsedSideBySide = false;
  bool FEnclosingAutoSizeSet = false;
  TCollapsibleSplitterPanelSideSelector FAutoSizeSide = cspNoSide;
  std::vector<std::pair<int32_t, bool>> FPending;
  bool FPendingAutoSize = false;
};
