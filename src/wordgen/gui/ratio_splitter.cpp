#include "wordgen/gui/ratio_splitter.h"

#include <QList>
#include <cmath>

TRatioSplitter::TRatioSplitter(QWidget* parent) : TStyleSplitter(Qt::Horizontal, parent) {
  connect(this, &QSplitter::splitterMoved, this, &TRatioSplitter::StoreRatio);
}

void TRatioSplitter::StoreRatio() {
  if (width() <= 0) return;
  Tag = static_cast<int32_t>(std::trunc(static_cast<double>(BarLeft()) / width() * 10000.0));
}

int32_t TRatioSplitter::BarLeft() const {
  const QList<int> s = sizes();
  return s.isEmpty() ? 0 : s.first();
}

void TRatioSplitter::SetBarLeft(int32_t left) {
  if (count() < 2) return;
  const int total = width() - handleWidth();
  const int first = qMax(0, qMin(left, total));
  setSizes({first, qMax(0, total - first)});
}

void TRatioSplitter::resizeEvent(QResizeEvent* e) {
  TStyleSplitter::resizeEvent(e);
  emit Resized();
}

void TRatioSplitter::showEvent(QShowEvent* e) {
  TStyleSplitter::showEvent(e);
  emit Resized();
}

void TRatioSplitter::changeEvent(QEvent* e) {
  TStyleSplitter::changeEvent(e);
  if (e->type() == QEvent::LayoutDirectionChange) setContentsMargins(0, 0, isRightToLeft() ? 1 : 0, 0);
}
