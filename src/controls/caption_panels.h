// The bare container every code-built window places its controls on, a small
// painted open/closed marker, and the caption-bar panels made from them: a
// collapsible panel, a check panel and a panel the user drags taller.
#pragma once

#include <QAction>
#include <QLabel>
#include <QLine>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/multiline_check.h"

using TNotifyEvent = std::function<void(QObject* Sender)>;

class TRawPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TRawPanel(QWidget* parent = nullptr);

  // Raised after every mouse press (any button), after OnMouseDown.
  TNotifyEvent OnClick;
  std::function<void(QObject* Sender, QMouseEvent* e)> OnMouseDown;

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  // With AutoSize and no visible child the panel has no size at all.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void mousePressEvent(QMouseEvent* e) override;

 private:
  bool FAutoSize = false;
};

enum TImageCheckBoxIconType { itArrow, itSquare, itCircle };

// One horizontal run of the arrow marker: pixels Left .. Left + Length - 1 of
// row Row.
struct TMarkerRow {
  int32_t Row = 0;
  int32_t Left = 0;
  int32_t Length = 0;
  bool operator==(const TMarkerRow&) const = default;
};
// The rows of the arrow: pointing down when closed, up when open.
std::vector<TMarkerRow> ImageCheckBoxArrowRows(int32_t width, int32_t height, int32_t iconSize, bool checked);

class TImageCheckBox : public QWidget {
  Q_OBJECT
 public:
  explicit TImageCheckBox(QWidget* parent = nullptr);

  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  int32_t IconSize() const { return FIconSize; }
  void SetIconSize(int32_t value);
  TImageCheckBoxIconType IconType() const { return FIconType; }
  void SetIconType(TImageCheckBoxIconType value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);

  TNotifyEvent OnChange;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  bool FChecked = false;
  int32_t FIconSize = 11;
  TImageCheckBoxIconType FIconType = itArrow;
  bool FAutoSize = false;
};

enum TCollapsiblePanelCollapseBehaviorCaptionBorderSpacing { cbcbsNoChange, cbcbsShrink };

// The content areas: they hold the caller's controls below the caption bar.
class TCollapsiblePanelTab : public QWidget {
  Q_OBJECT
 public:
  explicit TCollapsiblePanelTab(QWidget* parent = nullptr) : QWidget(parent) {}
  bool CreatedByPanel = false;
};

class TCheckPanelTab : public QWidget {
  Q_OBJECT
 public:
  explicit TCheckPanelTab(QWidget* parent = nullptr) : QWidget(parent) {}
  bool CreatedByPanel = false;
};

class TCollapsiblePanel : public QWidget {
  Q_OBJECT
 public:
  explicit TCollapsiblePanel(QWidget* parent = nullptr);

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
  TCollapsiblePanelCollapseBehaviorCaptionBorderSpacing CollapseBehaviorCaptionBorderSpacing = cbcbsNoChange;

  bool Open() const { return FOpen; }
  void SetOpen(bool value);
  // 1 open, 0 closed; only 1 opens.
  int32_t GetState() const { return FOpen ? 1 : 0; }
  void SetState(int32_t value) { SetOpen(value == 1); }
  TCollapsiblePanelTab* GetContentPanel() const { return FContent; }
  // Binds the item's click to toggle the panel; its check mark follows from
  // the next change on.
  void AssignMenuItem(QAction* item);
  QAction* MenuItem() const { return FMenuItem; }

  TNotifyEvent OnChange;
  TNotifyEvent OnClick;

  TRawPanel* CaptionBar() const { return FBar; }
  QLabel* CaptionLabel() const { return FLabel; }
  TImageCheckBox* Marker() const { return FMarker; }
  // The bottom spacing the caption text and marker have now.
  int32_t CurrentCaptionBottomSpacing() const { return FCurrentBottom; }

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void ApplySpacing();

  std::string FCaption = "CollapsiblePanel";
  bool FCaptionBold = true;
  int32_t FSpacingLeft = 0, FSpacingRight = 0, FSpacingTop = 0, FSpacingBottom = 0;
  int32_t FCurrentBottom = 0;
  bool FOpen = true;
  TRawPanel* FBar;
  QLabel* FLabel;
  TImageCheckBox* FMarker;
  TCollapsiblePanelTab* FContent;
  QPointer<QAction> FMenuItem;
};

class TCheckPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TCheckPanel(QWidget* parent = nullptr);

  std::string Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  int32_t CaptionBorderSpacingLeft() const { return FSpacingLeft; }
  void SetCaptionBorderSpacingLeft(int32_t value);
  int32_t CaptionBorderSpacingRight() const { return FSpacingRight; }
  void SetCaptionBorderSpacingRight(int32_t value);
  int32_t CaptionBorderSpacingTop() const { return FSpacingTop; }
  void SetCaptionBorderSpacingTop(int32_t value);
  int32_t CaptionBorderSpacingBottom() const { return FSpacingBottom; }
  void SetCaptionBorderSpacingBottom(int32_t value);

  bool Open() const { return FOpen; }
  void SetOpen(bool value);
  bool Checked() const { return FChecked; }
  // Sets the box, whose change then opens or closes the content and raises
  // OnChange.
  void SetChecked(bool value);
  TCheckPanelTab* GetContentPanel() const { return FContent; }

  TNotifyEvent OnChange;
  TNotifyEvent OnClick;

  TRawPanel* CaptionBar() const { return FBar; }
  TCheckBoxML* CheckBox() const { return FCheckBox; }
  TImageCheckBox* Marker() const { return FMarker; }

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void ApplySpacing();
  void CheckBoxChanged();

  std::string FCaption = "CheckPanel";
  int32_t FSpacingLeft = 0, FSpacingRight = 0, FSpacingTop = 0, FSpacingBottom = 0;
  bool FOpen = true;
  bool FChecked = false;
  TRawPanel* FBar;
  TCheckBoxML* FCheckBox;
  TImageCheckBox* FMarker;
  TCheckPanelTab* FContent;
};

enum class TExpandablePanelZone { None, ResizeStrip, ButtonPlus };

// Which part of the panel a point is in: the plus button's 12 x 12 corner
// (when shown) before the strip of resizeAreaBottom pixels at the bottom.
TExpandablePanelZone ExpandablePanelZoneAt(int32_t width, int32_t height, int32_t x, int32_t y,
                                           int32_t resizeAreaBottom, bool showButtonPlus);
// The lines of the plus button, ends included.
std::vector<QLine> ExpandablePanelPlusLines(int32_t width, int32_t height);
// The colour of the plus button (grey 112).
inline constexpr int32_t kExpandablePanelPlusColour = 7368816;

class TExpandablePanel : public QWidget {
  Q_OBJECT
 public:
  explicit TExpandablePanel(QWidget* parent = nullptr);

  int32_t ResizeAreaBottom = 10;
  // Dragging never makes the panel lower than this.
  int32_t ConstraintsMinHeight = 0;
  bool ShowButtonPlus() const { return FShowButtonPlus; }
  void SetShowButtonPlus(bool value);
  std::string HintButtonPlus;
  TNotifyEvent OnButtonPlusClick;

  bool Dragging() const { return FDragging; }

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  bool FDragging = false;
  int32_t FDragStartY = 0;
  int32_t FDragStartHeight = 150;
  bool FShowButtonPlus = false;
};
