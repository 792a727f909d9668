// A picture shown unscaled at one of nine anchor positions, the rest of the
// control filled by continuing the picture's edge pixels outwards.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "foundation/types.h"

struct TStretchImageOptions {
  TOrientationHorizontal OrientationHorizontal = ohLeft;
  TOrientationVertical OrientationVertical = ovTop;
  bool DrawBorderTop = false, DrawBorderLeft = false, DrawBorderRight = false, DrawBorderBottom = false;
  QColor BorderColor;
};

// Paints picture into a width x height area at (0, 0); an empty picture paints nothing.
void PaintStretchImage(QPainter& painter, int width, int height, const QImage& picture,
                       const TStretchImageOptions& options);

class TStretchImage : public QWidget {
  Q_OBJECT
 public:
  explicit TStretchImage(QWidget* parent = nullptr);

  const QImage& Picture() const { return FPicture; }
  void SetPicture(const QImage& picture);
  int OriginalImageWidth() const { return FPicture.isNull() ? 0 : FPicture.width(); }
  int OriginalImageHeight() const { return FPicture.isNull() ? 0 : FPicture.height(); }
  TStretchImageOptions Options;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage FPicture;
};
