#include "controls/style_splitter.h"

#include <QPainter>
#include <QPalette>

std::vector<QPoint> StyleSplitterDotPositions(const QRect& client, bool verticalBar) {
  int cx = (client.left() + client.left() + client.width()) / 2;
  int cy = (client.top() + client.top() + client.height()) / 2;
  int dx = verticalBar ? 0 : 3;
  int dy = verticalBar ? 3 : 0;
  std::vector<QPoint> dots;
  for (int i = -2; i <= 2; ++i) dots.emplace_back(cx + i * dx, cy + i * dy);
  return dots;
}

TStyleSplitterLine StyleSplitterOrthLine(const QRect& client, bool verticalBar) {
  if (verticalBar) return {QPoint(0, 45), QPoint(client.width(), 45)};
  return {QPoint(45, 0), QPoint(45, client.height())};
}

TStyleSplitter::TStyleSplitter(QWidget* parent) : QSplitter(parent) {}

TStyleSplitter::TStyleSplitter(Qt::Orientation orientation, QWidget* parent) : QSplitter(orientation, parent) {}

QSplitterHandle* TStyleSplitter::createHandle() { return new TStyleSplitterHandle(orientation(), this); }

TStyleSplitterHandle::TStyleSplitterHandle(Qt::Orientation orientation, TStyleSplitter* parent)
    : QSplitterHandle(orientation, parent), FSplitter(parent) {}

void TStyleSplitterHandle::paintEvent(QPaintEvent* e) {
  // Panes side by side have a vertical bar between them.
  bool verticalBar = orientation() == Qt::Horizontal;
  QPalette pal = palette();
  switch (FSplitter->Style) {
    case ssStyleNone: return;
    case ssStyleDots: {
      QPainter painter(this);
      painter.fillRect(rect(), pal.color(QPalette::Window));
      for (const QPoint& dot : StyleSplitterDotPositions(rect(), verticalBar)) {
        painter.fillRect(QRect(dot, QSize(2, 2)), pal.color(QPalette::Light));
        painter.fillRect(QRect(dot, QSize(1, 1)), pal.color(QPalette::Dark));
      }
      return;
    }
    case ssStyleOrthLine: {
      QPainter painter(this);
      painter.setPen(pal.color(QPalette::Dark));
      TStyleSplitterLine line = StyleSplitterOrthLine(rect(), verticalBar);
      painter.drawLine(line.From, line.To);
      return;
    }
    case ssStyleDefault: QSplitterHandle::paintEvent(e); return;
  }
}
