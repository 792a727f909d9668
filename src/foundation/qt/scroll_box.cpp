#include "foundation/qt/scroll_box.h"

#include <QEvent>
#include <QScrollBar>
#include <algorithm>

TScrollBox::TScrollBox(QWidget* parent) : QScrollArea(parent) {}

void TScrollBox::ComputeScrollBars() {
  QSize visible = viewport()->size();
  verticalScrollBar()->setPageStep(std::min(visible.height(), kMaxPage));
  Qt::ScrollBarPolicy policy = horizontalScrollBarPolicy();
  bool horizontalShown =
      policy == Qt::ScrollBarAlwaysOn || (policy == Qt::ScrollBarAsNeeded && horizontalScrollBar()->maximum() > 0);
  horizontalScrollBar()->setPageStep(horizontalShown ? std::min(visible.width(), kMaxPage) : 0);
}

// Each override lets the scroll area compute its ranges first.
bool TScrollBox::event(QEvent* e) {
  bool handled = QScrollArea::event(e);
  if (e->type() == QEvent::LayoutRequest || e->type() == QEvent::StyleChange || e->type() == QEvent::Show)
    ComputeScrollBars();
  return handled;
}

bool TScrollBox::eventFilter(QObject* watched, QEvent* e) {
  bool handled = QScrollArea::eventFilter(watched, e);
  if (watched == widget() && e->type() == QEvent::Resize) ComputeScrollBars();
  return handled;
}

void TScrollBox::resizeEvent(QResizeEvent* e) {
  QScrollArea::resizeEvent(e);
  ComputeScrollBars();
}
