#include "controls/padding_button.h"

#include <QEvent>
#include <QFontMetrics>
#include <algorithm>

QSize PaddingButtonPreferredSize(int32_t textWidth, int32_t textHeight, int32_t paddingHorizontal,
                                 int32_t paddingVertical, bool autoSize) {
  int32_t height = textHeight + 2 * paddingVertical;
  if (autoSize) height = std::min(height, kPaddingButtonMaxAutoHeight);
  return QSize(textWidth + 2 * paddingHorizontal, height);
}

TPaddingButton::TPaddingButton(QWidget* parent) : QPushButton(parent) { ApplyAutoSize(); }

TPaddingButton::TPaddingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  ApplyAutoSize();
}

void TPaddingButton::SetCaption(const QString& caption) {
  setText(caption);
  updateGeometry();
  ApplyAutoSize();
}

void TPaddingButton::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  updateGeometry();
  ApplyAutoSize();
}

void TPaddingButton::SetPaddingHorizontal(int32_t value) {
  if (value == FPaddingHorizontal) return;
  FPaddingHorizontal = value;
  updateGeometry();
  ApplyAutoSize();
}

void TPaddingButton::SetPaddingVertical(int32_t value) {
  if (value == FPaddingVertical) return;
  FPaddingVertical = value;
  updateGeometry();
  ApplyAutoSize();
}

QSize TPaddingButton::sizeHint() const {
  QFontMetrics metrics(font());
  int32_t captionWidth = metrics.horizontalAdvance(text());
  return PaddingButtonPreferredSize(captionWidth, metrics.height(), FPaddingHorizontal, FPaddingVertical, FAutoSize);
}

QSize TPaddingButton::minimumSizeHint() const { return sizeHint(); }

bool TPaddingButton::event(QEvent* e) {
  bool result = QPushButton::event(e);
  if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) ApplyAutoSize();
  return result;
}

void TPaddingButton::ApplyAutoSize() {
  if (FAutoSize) resize(sizeHint());
}
