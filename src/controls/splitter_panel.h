// A two-sided container: side A and side B hold the caller's controls, a
// draggable style splitter lies between them. The position is kept in pixels
// (the size of side A) and as a fraction of the panel (what settings store,
// times 10000), and a resize re-places the splitter by one of six behaviours.
#pragma once

#include <QWidget>
#include <cstdint>

#include "controls/splitter_layout.h"
#include "controls/style_splitter.h"

class TSplitterPanelSide : public QWidget {
  Q_OBJECT
 public:
  explicit TSplitterPanelSide(QWidget* parent = nullptr);
  bool CreatedByPanel = false;
};

class TSplitterPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TSplitterPanel(QWidget* parent = nullptr);

  // Side A for 0, side B for 1, nothing otherwise.
  TSplitterPanelSide* GetSide(int32_t index) const;

  // Reading refreshes the stored value from the controls once they exist.
  int32_t SplitterPosition();
  void SetSplitterPositionProperty(int32_t value);
  // Moves the splitter to side A size P (when 0 < P < panel size) and gives
  // back the actual size of side A in P.
  virtual bool SetSplitterPosition(int32_t& P, bool updateRelative, bool updateFixed);
  bool SetSplitterPositionRelative(double fraction);
  bool SetSplitterPositionRelativeFromInt(int32_t value);
  double GetSplitterPositionRelative() const;
  int32_t GetSplitterPositionRelativeAsInt() const;
  void UpdateSplitterPosition();

  TSplitterPanelResizeBehavior ResizeBehavior() const { return FResizeBehavior; }
  void SetResizeBehavior(TSplitterPanelResizeBehavior value);
  TSplitterPanelOrientation SplitterOrientation() const { return FOrientation; }
  void SetSplitterOrientation(TSplitterPanelOrientation value);
  TStyleSplitterStyle SplitterStyle() const { return FStyle; }
  void SetSplitterStyle(TStyleSplitterStyle value);

  // The splitter exists once the panel has been shown for the first time.
  TStyleSplitter* Splitter() const { return FSplitter; }
  bool HandleAllocated() const { return FSplitter != nullptr; }
  bool UserDragging() const { return FUserDragging; }

  static constexpr int32_t kSplitterThickness = 5;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

  // Builds the splitter and lays the sides into it.
  virtual void CreateWnd();
  virtual TSplitterPanelSide* NewSide(int32_t index);
  virtual void Resize();
  virtual bool RefreshBlocked() const { return false; }
  void CreateSides();
  void RefreshSplitterPositionAccordingToResizeBehavior();
  void UpdateSplitterPositionRelativeFromGUI();
  void UpdateFixedSideSizesFromGUI();
  bool Validate(int32_t& V) const;

  int32_t PanelSize() const;
  int32_t SideSize(int32_t index) const;
  int32_t Thickness() const;
  int32_t MinSize(int32_t index) const;
  void PlaceSideA(int32_t P);

  TSplitterPanelSide* FSides[2] = {nullptr, nullptr};
  TStyleSplitter* FSplitter = nullptr;
  TStyleSplitterStyle FStyle = ssStyleNone;
  TSplitterPanelOrientation FOrientation = soHorizontal;
  int32_t FPosition = 98;
  double FRelative = -1.0;
  double FPendingRelative = -1.0;
  TSplitterPanelResizeBehavior FResizeBehavior = rbProportional;
  int32_t FFixedSize = -1;
  bool FRefreshAllowed = true;
  bool FUserDragging = false;
};
