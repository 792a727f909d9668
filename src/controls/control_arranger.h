// A cursor that walks down a code-built window: it puts the next control
// below or beside the last one with fixed gaps, lines controls up on one
// centred line, inserts vertical spaces and sizes controls to their captions.
#pragma once

#include <QWidget>
#include <cstdint>

#include "controls/control_helpers.h"
#include "foundation/qt/text_measurer.h"

class TControlArranger {
 public:
  TControlArranger();

  void SetPosition(int32_t left, int32_t top);
  void SetStartPointPosition(int32_t left, int32_t top);
  void SetPositionToStartPoint();
  void SetPositionLeftToStartPoint();
  void SetControlPosition(QWidget* control, int32_t left, int32_t top);
  int32_t GetPositionTopAfterLastControl() const;

  // Nil controls are skipped.
  void AddBelow(QWidget* c1, QWidget* c2 = nullptr, QWidget* c3 = nullptr, QWidget* c4 = nullptr, QWidget* c5 = nullptr,
                QWidget* c6 = nullptr, QWidget* c7 = nullptr, QWidget* c8 = nullptr, QWidget* c9 = nullptr,
                QWidget* c10 = nullptr, QWidget* c11 = nullptr);
  void AddBelowAndAdjustControlSize(QWidget* control);
  void AddBeside(QWidget* control);
  // c1 and c2 are required.
  void AddBelowOnCenteredLine(QWidget* c1, QWidget* c2, QWidget* c3 = nullptr, QWidget* c4 = nullptr,
                              QWidget* c5 = nullptr);
  void AddBelowOnCenteredLineAndAdjustControlSize(QWidget* c1, QWidget* c2, QWidget* c3 = nullptr,
                                                  QWidget* c4 = nullptr, QWidget* c5 = nullptr);
  void AddBesideOnCenteredLine(QWidget* c1, QWidget* c2, QWidget* c3 = nullptr, QWidget* c4 = nullptr,
                               QWidget* c5 = nullptr);
  void AddSpaceVertical();
  void AddSpaceVertical_SizeHalf();
  void AddSpaceVertical_SizeThird();
  int32_t AdjustControlSize(QWidget* control);
  void AdjustControlSizeAndArrangeControlsHorizontal(QWidget* c1, QWidget* c2 = nullptr, QWidget* c3 = nullptr,
                                                     QWidget* c4 = nullptr, QWidget* c5 = nullptr);
  void AdjustControlWidthToParentWidth(QWidget* control, bool withMargin);

  int32_t StartPointLeft = 0;
  int32_t StartPointTop = 0;
  int32_t PositionLeft = 0;
  int32_t PositionTop = 0;
  int32_t GapVertical = 7;
  int32_t GapHorizontal = 7;
  int32_t SpaceVertical = 18;
  int32_t MinWidth = 75;
  int32_t TextPadding = 13;
  int32_t LastWidth = 0;
  int32_t LastHeight = 0;

 private:
  void AddOneBelow(QWidget* control);
  void PlaceCenteredLine(const TControlArray& controls);

  // Measures captions in the application's default font.
  TQtTextMeasurer FMeasurer;
};
