#include "controls/control_arranger.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>

TControlArranger::TControlArranger() : FMeasurer(QApplication::font()) {}

void TControlArranger::SetPosition(int32_t left, int32_t top) {
  PositionLeft = left;
  PositionTop = top;
  LastWidth = 0;
  LastHeight = 0;
}

void TControlArranger::SetStartPointPosition(int32_t left, int32_t top) {
  StartPointLeft = left;
  StartPointTop = top;
  LastWidth = 0;
  LastHeight = 0;
}

void TControlArranger::SetPositionToStartPoint() { SetPosition(StartPointLeft, StartPointTop); }

void TControlArranger::SetPositionLeftToStartPoint() {
  PositionLeft = StartPointLeft;
  LastWidth = 0;
}

void TControlArranger::SetControlPosition(QWidget* control, int32_t left, int32_t top) {
  control->move(left, top);
  LastWidth = control->width();
  LastHeight = control->height();
}

int32_t TControlArranger::GetPositionTopAfterLastControl() const { return PositionTop + LastHeight + GapVertical; }

void TControlArranger::AddOneBelow(QWidget* control) {
  if (control == nullptr) return;
  if (LastHeight > 0) PositionTop += LastHeight + GapVertical;
  SetControlPosition(control, PositionLeft, PositionTop);
}

void TControlArranger::AddBelow(QWidget* c1, QWidget* c2, QWidget* c3, QWidget* c4, QWidget* c5, QWidget* c6,
                                QWidget* c7, QWidget* c8, QWidget* c9, QWidget* c10, QWidget* c11) {
  for (QWidget* c : {c1, c2, c3, c4, c5, c6, c7, c8, c9, c10, c11}) AddOneBelow(c);
}

void TControlArranger::AddBelowAndAdjustControlSize(QWidget* control) {
  AdjustControlSize(control);
  AddOneBelow(control);
}

void TControlArranger::AddBeside(QWidget* control) {
  if (control == nullptr) return;
  if (LastWidth > 0) PositionLeft += LastWidth + GapHorizontal;
  SetControlPosition(control, PositionLeft, PositionTop);
}

void TControlArranger::PlaceCenteredLine(const TControlArray& controls) {
  int32_t h = GetHeightOfHighestControl(controls);
  int32_t x = PositionLeft;
  for (QWidget* c : controls) {
    if (c == nullptr) continue;
    SetControlPosition(c, x, PositionTop + (h - c->height()) / 2);
    x += c->width() + GapHorizontal;
  }
  LastHeight = h;
  // An absolute position, just right of the line plus one gap.
  LastWidth = x;
}

void TControlArranger::AddBelowOnCenteredLine(QWidget* c1, QWidget* c2, QWidget* c3, QWidget* c4, QWidget* c5) {
  if (LastHeight > 0) PositionTop += LastHeight + GapVertical;
  PlaceCenteredLine({c1, c2, c3, c4, c5});
}

void TControlArranger::AddBelowOnCenteredLineAndAdjustControlSize(QWidget* c1, QWidget* c2, QWidget* c3, QWidget* c4,
                                                                  QWidget* c5) {
  for (QWidget* c : {c1, c2, c3, c4, c5}) {
    if (c != nullptr) AdjustControlSize(c);
  }
  AddBelowOnCenteredLine(c1, c2, c3, c4, c5);
}

void TControlArranger::AddBesideOnCenteredLine(QWidget* c1, QWidget* c2, QWidget* c3, QWidget* c4, QWidget* c5) {
  if (LastWidth > 0) PositionLeft += LastWidth + GapHorizontal;
  PlaceCenteredLine({c1, c2, c3, c4, c5});
}

void TControlArranger::AddSpaceVertical() { PositionTop += SpaceVertical; }
void TControlArranger::AddSpaceVertical_SizeHalf() { PositionTop += SpaceVertical / 2; }
void TControlArranger::AddSpaceVertical_SizeThird() { PositionTop += SpaceVertical / 3; }

int32_t TControlArranger::AdjustControlSize(QWidget* control) {
  return CHAdjustControlHorizontal(control, FMeasurer, MinWidth, TextPadding);
}

void TControlArranger::AdjustControlSizeAndArrangeControlsHorizontal(QWidget* c1, QWidget* c2, QWidget* c3, QWidget* c4,
                                                                     QWidget* c5) {
  bool first = true;
  int32_t x = 0;
  for (QWidget* c : {c1, c2, c3, c4, c5}) {
    if (c == nullptr) continue;
    AdjustControlSize(c);
    if (!first) c->move(x, c->y());
    first = false;
    x = c->x() + c->width() + GapHorizontal;
  }
}

void TControlArranger::AdjustControlWidthToParentWidth(QWidget* control, bool withMargin) {
  if (control == nullptr || control->parentWidget() == nullptr) return;
  QWidget* parent = control->parentWidget();
  int32_t available = parent->width();
  // Content of a scroll area: the width the area shows without its
  // vertical bar.
  for (QWidget* w = parent->parentWidget(); w != nullptr; w = w->parentWidget()) {
    if (auto* area = qobject_cast<QScrollArea*>(w)) {
      if (area->widget() == parent) available = area->width() - 2 * area->frameWidth();
      break;
    }
  }
  if (withMargin) {
    control->setGeometry(PositionLeft, control->y(), available - 2 * PositionLeft, control->height());
  } else {
    control->setGeometry(0, control->y(), available, control->height());
  }
}
