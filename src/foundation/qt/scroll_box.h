// The library's scroll box: clicking in a bar's track scrolls by one visible
// screen, and the thumb is as long as the visible part.
#pragma once

#include <QScrollArea>

class TScrollBox : public QScrollArea {
 public:
  explicit TScrollBox(QWidget* parent = nullptr);

  // The largest page the scroll bars accept.
  static constexpr int kMaxPage = 32768;

  // Sets each bar's page to the visible extent along it (the horizontal page
  // is 0 while that bar is not shown).
  void ComputeScrollBars();

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
};
