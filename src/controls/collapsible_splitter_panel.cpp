#include "controls/collapsible_splitter_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QSplitterHandle>
#include <QVBoxLayout>

#include "foundation/qt/qt_strings.h"

namespace {
constexpr int kNoLimit = QWIDGETSIZE_MAX;
}

TCollapsibleSplitterPanelSideTab::TCollapsibleSplitterPanelSideTab(QWidget* parent) : QWidget(parent) {
  setMinimumSize(50, 50);
}

void TCollapsibleSplitterPanelSideTab::SetAsAutoSizeSide(bool value) {
  if (auto* side = qobject_cast<TCollapsibleSplitterPanelSide*>(parentWidget())) side->SetAsAutoSizeSide(value);
}

void TCollapsibleSplitterPanelSideTab::SetOpenOtherSide(bool value) {
  if (auto* side = qobject_cast<TCollapsibleSplitterPanelSide*>(parentWidget())) side->SetOpenOtherSide(value);
}

TCollapsibleSplitterPanelSide::TCollapsibleSplitterPanelSide(QWidget* parent) : TSplitterPanelSide(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  FBar = new TRawPanel(this);
  FBar->SetAutoSize(true);
  FBar->setAutoFillBackground(true);
  auto* barLayout = new QHBoxLayout(FBar);
  barLayout->setContentsMargins(0, 0, 0, 0);
  FLabel = new QLabel(ToQString(FCaption), FBar);
  FLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QFont f = FLabel->font();
  f.setBold(true);
  FLabel->setFont(f);
  FMarker = new TImageCheckBox(FBar);
  FMarker->SetIconSize(10);
  FMarker->SetAutoSize(true);
  FMarker->SetChecked(true);
  barLayout->addWidget(FLabel, 1);
  barLayout->addWidget(FMarker, 0);
  FBar->OnClick = [this](QObject*) { Toggle(); };
  FMarker->OnChange = [this](QObject*) {
    if (FMarker->Checked() != FOpen) SetOpen(FMarker->Checked());
  };
  FTab = new TCollapsibleSplitterPanelSideTab(this);
  FTab->CreatedBySide = true;
  layout->addWidget(FBar);
  layout->addWidget(FTab, 1);
  ApplyCaptionSpacing(0, 0);
}

TCollapsibleSplitterPanel* TCollapsibleSplitterPanelSide::Panel() const {
  for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget())
    if (auto* p = qobject_cast<TCollapsibleSplitterPanel*>(w)) return p;
  return nullptr;
}

void TCollapsibleSplitterPanelSide::SetOpen(bool value) {
  if (value == FOpen) {
    FMarker->SetChecked(FOpen);
    return;
  }
  TCollapsibleSplitterPanel* panel = Panel();
  if (panel == nullptr || FIndex < 0) {
    if (panel != nullptr && !panel->HandleAllocated()) {
      int32_t index = panel->FSides[0] == this ? 0 : 1;
      panel->CollapseSideInternal(index, value);
    }
    return;
  }
  panel->CollapseSideInternal(FIndex, value);
  // A veto leaves the marker where the side is.
  FMarker->SetChecked(FOpen);
}

void TCollapsibleSplitterPanelSide::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  FLabel->setText(ToQString(value));
}

void TCollapsibleSplitterPanelSide::SetCaptionBold(bool value) {
  if (value == FCaptionBold) return;
  FCaptionBold = value;
  QFont f = FLabel->font();
  f.setBold(value);
  FLabel->setFont(f);
}

void TCollapsibleSplitterPanelSide::ApplyCaptionSpacing(int32_t top, int32_t bottom) {
  FCurTop = top;
  FCurBottom = bottom;
  FBar->layout()->setContentsMargins(FSpacingLeft, top, FSpacingRight, bottom);
  FLabel->setContentsMargins(0, 0, FSpacingLeft, 0);
  FMarker->setContentsMargins(FSpacingRight, 0, 0, 0);
}

void TCollapsibleSplitterPanelSide::SetCaptionBorderSpacingLeft(int32_t value) {
  if (value == FSpacingLeft) return;
  FSpacingLeft = value;
  ApplyCaptionSpacing(FCurTop, FCurBottom);
}
void TCollapsibleSplitterPanelSide::SetCaptionBorderSpacingRight(int32_t value) {
  if (value == FSpacingRight) return;
  FSpacingRight = value;
  ApplyCaptionSpacing(FCurTop, FCurBottom);
}
void TCollapsibleSplitterPanelSide::SetCaptionBorderSpacingTop(int32_t value) {
  if (value == FSpacingTop) return;
  FSpacingTop = value;
  ApplyCaptionSpacing(value, FCurBottom);
}
void TCollapsibleSplitterPanelSide::SetCaptionBorderSpacingBottom(int32_t value) {
  if (value == FSpacingBottom) return;
  FSpacingBottom = value;
  ApplyCaptionSpacing(FCurTop, value);
}

void TCollapsibleSplitterPanelSide::SetShowTopBar(bool value) {
  FShowTopBar = value;
  FBar->setVisible(value);
  RefreshConstraintsFromTab();
}

void TCollapsibleSplitterPanelSide::AssignMenuItem(QAction* item) {
  if (FMenuItem) disconnect(FMenuItem, nullptr, this, nullptr);
  FMenuItem = item;
  if (item == nullptr) return;
  item->setCheckable(true);
  connect(item, &QAction::triggered, this, [this] { Toggle(); });
}

void TCollapsibleSplitterPanelSide::SetAsAutoSizeSide(bool value) {
  TCollapsibleSplitterPanel* panel = Panel();
  if (panel == nullptr) return;
  if (!value) {
    panel->SetAutoSizeSide(cspNoSide);
  } else if (FIndex == 0) {
    panel->SetAutoSizeSide(cspSideA);
  } else if (FIndex == 1) {
    panel->SetAutoSizeSide(cspSideB);
  }
}

TCollapsibleSplitterPanelSide* TCollapsibleSplitterPanelSide::GetOtherSide() const {
  TCollapsibleSplitterPanel* panel = Panel();
  if (panel == nullptr || FIndex < 0 || FIndex > 1) return nullptr;
  return panel->GetSide(1 - FIndex);
}

void TCollapsibleSplitterPanelSide::SetOpenOtherSide(bool value) {
  if (TCollapsibleSplitterPanelSide* other = GetOtherSide()) other->SetOpen(value);
}

void TCollapsibleSplitterPanelSide::RefreshConstraintsFromTab() {
  int32_t h = FShowTopBar ? FBar->sizeHint().height() : 0;
  if (FOpen && !FAutoSized) {
    if (FSavedTabMinHeight != -1) {
      FTab->setMinimumHeight(FSavedTabMinHeight);
      FSavedTabMinHeight = -1;
    }
    setMinimumSize(FTab->minimumWidth(), FTab->minimumHeight() + h);
  } else {
    if (FAutoSized && FSavedTabMinHeight == -1) {
      FSavedTabMinHeight = FTab->minimumHeight();
      FTab->setMinimumHeight(0);
    }
    setMinimumSize(0, h);
  }
}

void TCollapsibleSplitterPanelSide::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LayoutDirectionChange) update();
}

TCollapsibleSplitterPanel::TCollapsibleSplitterPanel(QWidget* parent) : TSplitterPanel(parent) {
  // The sides were made by the base constructor, before this class's NewSide
  // could answer, so they are replaced here.
  for (int32_t i = 0; i < 2; ++i) {
    delete FSides[i];
    FSides[i] = nullptr;
  }
  for (int32_t i = 0; i < 2; ++i) {
    FSides[i] = NewSide(i);
    FSides[i]->CreatedByPanel = true;
  }
}

TSplitterPanelSide* TCollapsibleSplitterPanel::NewSide(int32_t) { return new TCollapsibleSplitterPanelSide(this); }

TCollapsibleSplitterPanelSide* TCollapsibleSplitterPanel::GetSide(int32_t index) const {
  return static_cast<TCollapsibleSplitterPanelSide*>(TSplitterPanel::GetSide(index));
}

int32_t TCollapsibleSplitterPanel::GetState() const {
  auto* a = GetSide(0);
  auto* b = GetSide(1);
  if (a == nullptr || b == nullptr) return -1;
  if (a->Open() && b->Open()) return 1;
  if (a->Open()) return 2;
  if (b->Open()) return 3;
  return 0;
}

void TCollapsibleSplitterPanel::SetState(int32_t value) {
  auto* a = GetSide(0);
  auto* b = GetSide(1);
  if (a == nullptr || b == nullptr) return;
  switch (value) {
    case 0:
      a->SetOpen(false);
      b->SetOpen(false);
      break;
    case 1:
      a->SetOpen(true);
      b->SetOpen(true);
      break;
    case 2:
      b->SetOpen(false);
      a->SetOpen(true);
      break;
    case 3:
      a->SetOpen(false);
      b->SetOpen(true);
      break;
    default: break;
  }
}

int32_t TCollapsibleSplitterPanel::GetSplitterPositionRelativeCurrentOrLastIfCollapsedAsInt() const {
  double r = FRelativeBeforeCollapse > 0 ? FRelativeBeforeCollapse : GetSplitterPositionRelative();
  return SplitterRound(r * 10000);
}

bool TCollapsibleSplitterPanel::SetSplitterPosition(int32_t& P, bool updateRelative, bool updateFixed) {
  auto* a = GetSide(0);
  auto* b = GetSide(1);
  if (FSplitter == nullptr || a == nullptr || b == nullptr || !a->Open() || !b->Open()) return false;
  if (FAutoSizeSide != cspNoSide) return false;
  if (P == SideSize(0)) return false;
  return TSplitterPanel::SetSplitterPosition(P, updateRelative, updateFixed);
}

void TCollapsibleSplitterPanel::CreateWnd() {
  if (FSplitter != nullptr) return;
  TSplitterPanel::CreateWnd();
  for (int32_t i = 0; i < 2; ++i) {
    GetSide(i)->FIndex = i;
    GetSide(i)->RefreshConstraintsFromTab();
  }
  std::vector<std::pair<int32_t, bool>> pending;
  pending.swap(FPending);
  for (const auto& [index, open] : pending) CollapseSideInternal(index, open);
  if (FPendingAutoSize) {
    FPendingAutoSize = false;
    ApplyAutoSizeSide();
  }
}

void TCollapsibleSplitterPanel::StoreSplitterPositionRelativeBeforeCollapseIfNecessary(int32_t index, bool open) {
  if (FRelativeBeforeCollapse > 0) return;
  if (open && index != -1) return;
  FRelativeBeforeCollapse = GetSplitterPositionRelative();
}

void TCollapsibleSplitterPanel::PrepareGUIForState(TCollapsibleSplitterPanelSide* side, bool open, bool otherOpen) {
  side->FMarker->SetChecked(open);
  side->FTab->setVisible(open);
  if (CollapseBehaviorCaptionBorderSpacing == cbcbsShrink) {
    auto* a = GetSide(0);
    auto* b = GetSide(1);
    bool aOpen = side == a ? open : otherOpen;
    bool bOpen = side == a ? otherOpen : open;
    if (FBothCollapsedSideBySide) {
      a->ApplyCaptionSpacing(a->FSpacingTop, 0);
      b->ApplyCaptionSpacing(b->FSpacingTop, 0);
    } else {
      int32_t aBottom = 0, bTop = 0;
      if (aOpen) {
        aBottom = a->FSpacingBottom;
        bTop = b->FSpacingTop;
      } else {
        aBottom = a->FSpacingTop / 2;
        bTop = aBottom;
      }
      a->ApplyCaptionSpacing(a->FCurTop, aBottom);
      b->ApplyCaptionSpacing(bTop, bOpen ? b->FSpacingBottom : 0);
    }
  }
  if (side->FMenuItem) side->FMenuItem->setChecked(open);
}

void TCollapsibleSplitterPanel::ApplyCollapsedLayout() {
  auto* a = GetSide(0);
  auto* b = GetSide(1);
  Qt::Orientation qo = FOrientation == soHorizontal ? Qt::Horizontal : Qt::Vertical;
  if (FSplitter->orientation() != qo) FSplitter->setOrientation(qo);
  bool bothOpen = a->Open() && b->Open();
  FSplitter->handle(1)->setVisible(bothOpen);
  for (auto* s : {a, b}) {
    s->setMaximumSize(kNoLimit, kNoLimit);
    if (!s->Open()) {
      int32_t h = s->FShowTopBar ? s->FBar->sizeHint().height() : 0;
      if (qo == Qt::Vertical) s->setMaximumHeight(h);
    }
  }
  if (bothOpen) return;
  int32_t S = PanelSize();
  if (FBothCollapsedSideBySide) {
    FSplitter->setSizes({S / 2, S - S / 2});
  } else if (a->Open() != b->Open()) {
    auto* closed = a->Open() ? b : a;
    int32_t h = closed->maximumHeight();
    FSplitter->setSizes(a->Open() ? QList<int>{S - h, h} : QList<int>{h, S - h});
  }
}

void TCollapsibleSplitterPanel::CollapseSideInternal(int32_t index, bool open) {
  if (FInCollapse || index < 0 || index > 1) return;
  if (FSplitter == nullptr) {
    // The layout is made when the panel is first shown; until then the
    // request waits and runs there, veto included.
    FPending.emplace_back(index, open);
    return;
  }
  if (OnCanCollapse) {
    bool can = true;
    OnCanCollapse(this, index, open, can);
    if (!can) return;
  }
  auto* S = GetSide(index);
  auto* O = GetSide(1 - index);
  if (S == nullptr || O == nullptr) return;
  // A side shrunk around a nested panel whose sides are all collapsed is about
  // to take the whole room: open the nested sides so that room shows content.
  if (!open && O->FAutoSized) {
    if (TCollapsibleSplitterPanel* nested = SoleNestedPanel(O)) {
      nested->CollapseSideInternal(0, true);
      nested->CollapseSideInternal(1, true);
    }
  }
  if (FAutoSizeSide != cspNoSide) SetAutoSizeSide(cspNoSide);
  // Nothing here would stay open, so the enclosing panel shows its other side.
  if (!OpenSideOnCollapsingOtherSide && !open && !O->Open()) {
    if (TCollapsibleSplitterPanelSide* enclosing = EnclosingSide()) enclosing->SetOpenOtherSide(true);
  }
  FInCollapse = true;
  StoreSplitterPositionRelativeBeforeCollapseIfNecessary(index, open);
  S->FOpen = open;
  PrepareGUIForState(S, open, O->Open());
  bool otherOpened = false;
  if (!open && OpenSideOnCollapsingOtherSide && !O->Open()) {
    O->FOpen = true;
    PrepareGUIForState(O, true, false);
    otherOpened = true;
  } else if (!open && OpenSideOnCollapsingOtherSide) {
    PrepareGUIForState(O, true, false);
  }
  bool sCollapsed = !S->Open(), oCollapsed = !O->Open();
  if (FOrientation == soHorizontal) {
    bool toStacked =
        CollapseBehaviorHorizontal == cbhVertical ? (sCollapsed || oCollapsed) : (sCollapsed != oCollapsed);
    if (toStacked) {
      FOrientation = soVertical;
      FSwitchedToStacked = true;
    }
  }
  FBothCollapsedSideBySide = false;
  if (FSwitchedToStacked && ((CollapseBehaviorHorizontal == cbhVertical && S->Open() && O->Open()) ||
                             (CollapseBehaviorHorizontal == cbhHorizontal && S->Open() == O->Open()))) {
    FOrientation = soHorizontal;
    FSwitchedToStacked = false;
    if (CollapseBehaviorHorizontal == cbhHorizontal && !S->Open() && !O->Open()) {
      FBothCollapsedSideBySide = true;
      if (CollapseBehaviorCaptionBorderSpacing == cbcbsShrink) PrepareGUIForState(GetSide(0), false, false);
    }
  }
  S->RefreshConstraintsFromTab();
  O->RefreshConstraintsFromTab();
  ApplyCollapsedLayout();
  bool bothOpen = S->Open() && O->Open();
  FPosition = bothOpen ? SideSize(0) : -1;
  if (FRelativeBeforeCollapse > 0 && bothOpen) {
    SetSplitterPositionRelative(FRelativeBeforeCollapse);
    FRelativeBeforeCollapse = -1;
  }
  FInCollapse = false;
  // The size this panel asks for changed with the open states.
  updateGeometry();
  UpdateEnclosingAutoSize();
  if (S->OnChange) S->OnChange(S);
  if (otherOpened && O->OnChange) O->OnChange(O);
  if (OnChange) OnChange(this);
}

QSize TCollapsibleSplitterPanel::sizeHint() const {
  return FSplitter != nullptr ? FSplitter->sizeHint() : TSplitterPanel::sizeHint();
}

TCollapsibleSplitterPanelSide* TCollapsibleSplitterPanel::EnclosingSide() const {
  auto* tab = qobject_cast<TCollapsibleSplitterPanelSideTab*>(parentWidget());
  if (tab == nullptr) return nullptr;
  auto* side = qobject_cast<TCollapsibleSplitterPanelSide*>(tab->parentWidget());
  if (side == nullptr || side->Panel() == nullptr) return nullptr;
  return side;
}

TCollapsibleSplitterPanel* TCollapsibleSplitterPanel::SoleNestedPanel(const TCollapsibleSplitterPanelSide* side) {
  const QList<QWidget*> children = side->FTab->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  if (children.size() != 1) return nullptr;
  return qobject_cast<TCollapsibleSplitterPanel*>(children.front());
}

void TCollapsibleSplitterPanel::UpdateEnclosingAutoSize() {
  if (OpenSideOnCollapsingOtherSide) return;
  TCollapsibleSplitterPanelSide* enclosing = EnclosingSide();
  if (enclosing == nullptr) return;
  if (GetState() == 0) {
    // Only caption bars are left here: the enclosing side shrinks to them.
    enclosing->SetAsAutoSizeSide(true);
    FEnclosingAutoSizeSet = true;
  } else if (FEnclosingAutoSizeSet) {
    // Give the room back, but leave an auto-size side the caller chose since.
    TCollapsibleSplitterPanel* outer = enclosing->Panel();
    TCollapsibleSplitterPanelSideSelector mine = enclosing->FIndex == 0 ? cspSideA : cspSideB;
    if (enclosing->FIndex >= 0 && outer->AutoSizeSide() == mine) enclosing->SetAsAutoSizeSide(false);
  }
}

void TCollapsibleSplitterPanel::SetAutoSizeSide(TCollapsibleSplitterPanelSideSelector value) {
  if (value == FAutoSizeSide) return;
  TCollapsibleSplitterPanelSideSelector old = FAutoSizeSide;
  FAutoSizeSide = value;
  if (GetSide(0) == nullptr || GetSide(1) == nullptr) return;
  if (FSplitter == nullptr) {
    FPendingAutoSize = true;
    return;
  }
  if (old == cspNoSide) StoreSplitterPositionRelativeBeforeCollapseIfNecessary(-1, true);
  ApplyAutoSizeSide();
}

void TCollapsibleSplitterPanel::ApplyAutoSizeSide() {
  FInAutoSizeChange = true;
  if (FAutoSizeSide != cspNoSide && FRelativeBeforeCollapse <= 0)
    StoreSplitterPositionRelativeBeforeCollapseIfNecessary(-1, true);
  auto* a = GetSide(0);
  auto* b = GetSide(1);
  a->FAutoSized = FAutoSizeSide == cspSideA;
  b->FAutoSized = FAutoSizeSide == cspSideB;
  FSplitter->handle(1)->setVisible(FAutoSizeSide == cspNoSide && a->Open() && b->Open());
  if (FAutoSizeSide == cspSideB) {
    b->RefreshConstraintsFromTab();
    a->RefreshConstraintsFromTab();
  } else {
    a->RefreshConstraintsFromTab();
    b->RefreshConstraintsFromTab();
  }
  int32_t S = PanelSize();
  if (FAutoSizeSide != cspNoSide) {
    auto* side = FAutoSizeSide == cspSideA ? a : b;
    QSize hint = side->sizeHint();
    int32_t want = FOrientation == soHorizontal ? hint.width() : hint.height();
    FSplitter->setSizes(side == a ? QList<int>{want, S - want} : QList<int>{S - want, want});
  } else if (a->Open() && b->Open() && FRelativeBeforeCollapse > 0) {
    FInAutoSizeChange = false;
    double r = FRelativeBeforeCollapse;
    FRelativeBeforeCollapse = -1;
    SetSplitterPositionRelative(r);
  }
  FInAutoSizeChange = false;
}

void TCollapsibleSplitterPanel::Resize() {
  if (FInCollapse || FInAutoSizeChange || FSplitter == nullptr) return;
  if (FBothCollapsedSideBySide) {
    int32_t W = width();
    FSplitter->setSizes({W / 2, W - W / 2});
    return;
  }
  if (!FSplitter->handle(1)->isVisible() && isVisible()) {
    ApplyCollapsedLayout();
    return;
  }
  TSplitterPanel::Resize();
}
