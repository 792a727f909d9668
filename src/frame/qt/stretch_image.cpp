#include "frame/qt/stretch_image.h"

void PaintStretchImage(QPainter& painter, int w, int h, const QImage& picture, const TStretchImageOptions& o) {
  if (picture.isNull() || picture.width() < 1 || picture.height() < 1) return;
  const int pw = picture.width(), ph = picture.height();
  const int ox = o.OrientationHorizontal == ohLeft ? 0 : o.OrientationHorizontal == ohCenter ? (w - pw) / 2 : w - pw;
  const int oy = o.OrientationVertical == ovTop ? 0 : o.OrientationVertical == ovMiddle ? (h - ph) / 2 : h - ph;
  auto pixel = [&](int a, int b) { return QColor::fromRgba(picture.pixel(a, b)); };
  painter.drawImage(ox, oy, picture);
  // Strips are filled as rectangles one pixel thick, so each row or column
  // ends exactly at the control's edge.
  if (ox + pw < w)
    for (int i = 0; i < ph; ++i) painter.fillRect(ox + pw, oy + i, w - (ox + pw), 1, pixel(pw - 1, i));
  if (oy + ph < h)
    for (int i = 0; i < pw; ++i) painter.fillRect(ox + i, oy + ph, 1, h - (oy + ph), pixel(i, ph - 1));
  if (ox > 0)
    for (int i = 0; i < ph; ++i) painter.fillRect(0, oy + i, ox, 1, pixel(0, i));
  if (oy > 0)
    for (int i = 0; i < pw; ++i) painter.fillRect(ox + i, 0, 1, oy, pixel(i, 0));
  if (ox + pw < w && oy + ph < h)
    painter.fillRect(QRect(QPoint(ox + pw, oy + ph), QPoint(w - 1, h - 1)), pixel(pw - 1, ph - 1));
  if (ox > 0 && oy > 0) painter.fillRect(0, 0, ox, oy, pixel(0, 0));
  if (ox + pw < w && oy > 0) painter.fillRect(ox + pw, 0, w - (ox + pw), oy, pixel(pw - 1, 0));
  if (ox > 0 && oy + ph < h) painter.fillRect(0, oy + ph, ox, h - (oy + ph), pixel(0, ph - 1));
  painter.setPen(o.BorderColor);
  if (o.DrawBorderTop) painter.drawLine(0, 0, w - 1, 0);
  if (o.DrawBorderLeft) painter.drawLine(0, 0, 0, h - 1);
  if (o.DrawBorderRight) painter.drawLine(w - 1, 0, w - 1, h - 1);
  if (o.DrawBorderBottom) painter.drawLine(0, h - 1, w - 1, h - 1);
}

TStretchImage::TStretchImage(QWidget* parent) : QWidget(parent) {
  resize(100, 100);
  Options.BorderColor = palette().color(QPalette::Dark);
}

void TStretchImage::SetPicture(const QImage& picture) {
  FPicture = picture.convertToFormat(QImage::Format_ARGB32);
  update();
}

void TStretchImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintStretchImage(painter, width(), height(), FPicture, Options);
}
