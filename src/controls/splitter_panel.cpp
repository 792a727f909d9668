#include "controls/splitter_panel.h"

#include <QEvent>
#include <QResizeEvent>
#include <QSplitterHandle>

TSplitterPanelSide::TSplitterPanelSide(QWidget* parent) : QWidget(parent) { setMinimumSize(50, 50); }

TSplitterPanel::TSplitterPanel(QWidget* parent) : QWidget(parent) {
  setGeometry(0, 0, 200, 200);
  CreateSides();
}

void TSplitterPanel::CreateSides() {
  for (int32_t i = 0; i < 2; ++i) {
    if (FSides[i] != nullptr) continue;
    FSides[i] = NewSide(i);
    FSides[i]->CreatedByPanel = true;
  }
}

TSplitterPanelSide* TSplitterPanel::NewSide(int32_t) { return new TSplitterPanelSide(this); }

TSplitterPanelSide* TSplitterPanel::GetSide(int32_t index) const {
  return index == 0 || index == 1 ? FSides[index] : nullptr;
}

int32_t TSplitterPanel::PanelSize() const { return FOrientation == soHorizontal ? width() : height(); }

int32_t TSplitterPanel::SideSize(int32_t index) const {
  if (FSides[index] == nullptr) return 0;
  return FOrientation == soHorizontal ? FSides[index]->width() : FSides[index]->height();
}

int32_t TSplitterPanel::Thickness() const { return FSplitter ? FSplitter->handleWidth() : kSplitterThickness; }

int32_t TSplitterPanel::MinSize(int32_t index) const {
  if (FSides[index] == nullptr) return 0;
  return FOrientation == soHorizontal ? FSides[index]->minimumWidth() : FSides[index]->minimumHeight();
}

bool TSplitterPanel::Validate(int32_t& V) const {
  if (FSides[0] == nullptr || FSides[1] == nullptr) return false;
  return ValidateSplitterPosition(V, PanelSize(), MinSize(0), MinSize(1));
}

void TSplitterPanel::CreateWnd() {
  if (FSplitter != nullptr) return;
  CreateSides();
  FSplitter = new TStyleSplitter(FOrientation == soHorizontal ? Qt::Horizontal : Qt::Vertical, this);
  FSplitter->Style = FStyle;
  FSplitter->setHandleWidth(kSplitterThickness);
  FSplitter->setChildrenCollapsible(false);
  FSplitter->addWidget(FSides[0]);
  FSplitter->addWidget(FSides[1]);
  // Side A keeps its size when the panel grows; the behaviours move it.
  FSplitter->setStretchFactor(0, 0);
  FSplitter->setStretchFactor(1, 1);
  FSplitter->setGeometry(rect());
  FSplitter->handle(1)->installEventFilter(this);
  FSplitter->show();
  int32_t p = FPosition;
  SetSplitterPosition(p, false, false);
  FPosition = p;
  if (FRelative < 0) UpdateSplitterPositionRelativeFromGUI();
  if (FFixedSize < 0) UpdateFixedSideSizesFromGUI();
}

void TSplitterPanel::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  CreateWnd();
}

void TSplitterPanel::PlaceSideA(int32_t P) {
  int32_t rest = PanelSize() - P - Thickness();
  FSplitter->setSizes({P, rest < 0 ? 0 : rest});
}

bool TSplitterPanel::SetSplitterPosition(int32_t& P, bool updateRelative, bool updateFixed) {
  if (FSplitter == nullptr || FSides[0] == nullptr || FSides[1] == nullptr) return false;
  FRefreshAllowed = false;
  if (P > 0 && P < PanelSize()) PlaceSideA(P);
  P = SideSize(0);
  if (updateRelative || FResizeBehavior == rbFixedSideA || FResizeBehavior == rbFixedSideB)
    UpdateSplitterPositionRelativeFromGUI();
  if (updateFixed) UpdateFixedSideSizesFromGUI();
  FRefreshAllowed = true;
  return true;
}

int32_t TSplitterPanel::SplitterPosition() {
  if (FSplitter != nullptr) UpdateSplitterPosition();
  return FPosition;
}

void TSplitterPanel::SetSplitterPositionProperty(int32_t value) {
  if (value == FPosition) return;
  FPosition = value < 0 ? 0 : value;
  if (FSplitter != nullptr) {
    int32_t p = FPosition;
    SetSplitterPosition(p, true, true);
  }
}

void TSplitterPanel::UpdateSplitterPosition() {
  if (FSplitter == nullptr) return;
  int32_t p = -1;
  if (SetSplitterPosition(p, true, false)) FPosition = p;
}

void TSplitterPanel::UpdateSplitterPositionRelativeFromGUI() {
  if (FSplitter == nullptr || FSides[0] == nullptr) return;
  double r = SplitterRelativePosition(SideSize(0), PanelSize(), Thickness());
  if (r >= 0) FRelative = r;
}

void TSplitterPanel::UpdateFixedSideSizesFromGUI() {
  if (FSplitter == nullptr) return;
  if (FResizeBehavior == rbFixedSideA) FFixedSize = SideSize(0);
  if (FResizeBehavior == rbFixedSideB) FFixedSize = SideSize(1);
}

double TSplitterPanel::GetSplitterPositionRelative() const {
  if (FSides[0] == nullptr || FSplitter == nullptr) return FRelative;
  double r = SplitterRelativePosition(SideSize(0), PanelSize(), Thickness());
  return r < 0 ? FRelative : r;
}

int32_t TSplitterPanel::GetSplitterPositionRelativeAsInt() const {
  return SplitterRound(GetSplitterPositionRelative() * 10000);
}

bool TSplitterPanel::SetSplitterPositionRelative(double fraction) {
  if (fraction < 0 || fraction >= 1) return false;
  FRelative = fraction;
  if (FSplitter == nullptr) {
    if (FResizeBehavior == rbFixedSideA || FResizeBehavior == rbFixedSideB) FPendingRelative = fraction;
    return false;
  }
  FRefreshAllowed = false;
  int32_t candidate = SplitterRound(PanelSize() * fraction - Thickness() * 0.5);
  bool valid = Validate(candidate);
  if (valid && candidate != FPosition) {
    FPosition = candidate;
    int32_t p = candidate;
    SetSplitterPosition(p, true, true);
  } else if (valid && candidate != SideSize(0)) {
    int32_t p = candidate;
    SetSplitterPosition(p, true, true);
  }
  FRefreshAllowed = true;
  return valid;
}

bool TSplitterPanel::SetSplitterPositionRelativeFromInt(int32_t value) {
  return SetSplitterPositionRelative(value / 10000.0);
}

void TSplitterPanel::RefreshSplitterPositionAccordingToResizeBehavior() {
  if (FUserDragging || RefreshBlocked()) return;
  int32_t candidate = 0;
  if (!SplitterCandidatePosition(FResizeBehavior, PanelSize(), Thickness(), FRelative, FFixedSize, candidate)) return;
  if (!Validate(candidate) || FSplitter == nullptr) return;
  // The stored value can lag behind a splitter that the panel's own growth
  // left in place, so the controls are compared too.
  if (candidate == FPosition && candidate == SideSize(0)) return;
  FPosition = candidate;
  int32_t p = candidate;
  SetSplitterPosition(p, false, false);
}

void TSplitterPanel::SetResizeBehavior(TSplitterPanelResizeBehavior value) {
  if (value == FResizeBehavior) return;
  FResizeBehavior = value;
  UpdateFixedSideSizesFromGUI();
  if (value == rbMiddle) FRelative = 0.5;
  if (value == rbThirdOne) FRelative = 1.0 / 3;
  if (value == rbThirdTwo) FRelative = 2.0 / 3;
  RefreshSplitterPositionAccordingToResizeBehavior();
}

void TSplitterPanel::SetSplitterOrientation(TSplitterPanelOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  if (FSplitter != nullptr) {
    FSplitter->setOrientation(value == soHorizontal ? Qt::Horizontal : Qt::Vertical);
    int32_t p = FPosition;
    SetSplitterPosition(p, false, false);
  }
}

void TSplitterPanel::SetSplitterStyle(TStyleSplitterStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  if (FSplitter != nullptr) {
    FSplitter->Style = value;
    FSplitter->update();
    for (int i = 0; i < FSplitter->count(); ++i) FSplitter->handle(i)->update();
  }
}

void TSplitterPanel::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  if (FSplitter != nullptr) FSplitter->setGeometry(rect());
  Resize();
}

void TSplitterPanel::Resize() {
  if (FSplitter == nullptr) return;
  if (FPendingRelative > 0) {
    FRelative = FPendingRelative;
    int32_t S = PanelSize(), T = Thickness();
    if (FResizeBehavior == rbFixedSideA) FFixedSize = SplitterRound((S - T) * FPendingRelative);
    if (FResizeBehavior == rbFixedSideB) FFixedSize = SplitterRound((1 - FPendingRelative) * (S - T));
    FPendingRelative = -1;
  }
  if (FRefreshAllowed) RefreshSplitterPositionAccordingToResizeBehavior();
}

bool TSplitterPanel::eventFilter(QObject* watched, QEvent* e) {
  if (FSplitter != nullptr && watched == FSplitter->handle(1)) {
    if (e->type() == QEvent::MouseButtonPress) FUserDragging = true;
    if (e->type() == QEvent::MouseButtonRelease) {
      UpdateSplitterPositionRelativeFromGUI();
      UpdateFixedSideSizesFromGUI();
      FUserDragging = false;
    }
  }
  return QWidget::eventFilter(watched, e);
}
