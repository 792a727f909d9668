// A splitter whose handles paint one of four looks: nothing, five dots, a
// short mark across the bar, or the style's own handle.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSplitter>
#include <QSplitterHandle>
#include <vector>

enum TStyleSplitterStyle { ssStyleNone, ssStyleDots, ssStyleOrthLine, ssStyleDefault };

// The top-left corners of the five 2 x 2 dots for a handle rectangle. A bar
// between side-by-side panes (a vertical bar) gets a column, any other a row.
std::vector<QPoint> StyleSplitterDotPositions(const QRect& client, bool verticalBar);
// The short mark across the bar, 45 pixels from its start.
struct TStyleSplitterLine {
  QPoint From;
  QPoint To;
};
TStyleSplitterLine StyleSplitterOrthLine(const QRect& client, bool verticalBar);

class TStyleSplitter : public QSplitter {
  Q_OBJECT
 public:
  explicit TStyleSplitter(QWidget* parent = nullptr);
  explicit TStyleSplitter(Qt::Orientation orientation, QWidget* parent = nullptr);

  // A plain field: setting it does not repaint by itself.
  TStyleSplitterStyle Style = ssStyleNone;

 protected:
  QSplitterHandle* createHandle() override;
};

class TStyleSplitterHandle : public QSplitterHandle {
  Q_OBJECT
 public:
  TStyleSplitterHandle(Qt::Orientation orientation, TStyleSplitter* parent);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  TStyleSplitter* FSplitter;
};
