// The splitter between the two panes of a main-window tab. It keeps the
// position of the bar as a share of its width (Tag, times 10000, 0 while no
// share is known) and tells the window after every change of its size, once
// the splitter has distributed the new width itself.
#pragma once

#include <QResizeEvent>
#include <QShowEvent>
#include <cstdint>

#include "controls/style_splitter.h"

class TRatioSplitter : public TStyleSplitter {
  Q_OBJECT
 public:
  // A drag of the bar stores the new share at once.
  explicit TRatioSplitter(QWidget* parent = nullptr);

  int32_t Tag = 0;
  // The first layout from the window's rules waits until the splitter is shown.
  bool FirstLayoutPending = false;
  // Tag from where the bar stands now.
  void StoreRatio();
  // The left edge of the bar, in pixels from the splitter's left side.
  int32_t BarLeft() const;
  void SetBarLeft(int32_t left);

 signals:
  void Resized();

 protected:
  void resizeEvent(QResizeEvent* e) override;
  // A splitter on a tab that was hidden gets its width when the tab is shown.
  void showEvent(QShowEvent* e) override;
  // Mirrored, Qt's splitter puts the first pane one pixel past its right
  // edge; a one-pixel margin there keeps the pane's border in view.
  void changeEvent(QEvent* e) override;
};
