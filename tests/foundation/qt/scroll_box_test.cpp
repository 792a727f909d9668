#include <gtest/gtest.h>

#include <QScrollBar>
#include <QWidget>

#include "foundation/qt/scroll_box.h"
#include "qt_test_app.h"

TEST(ScrollBox, PageIsTheVisibleExtent) {
  TestApp();
  TScrollBox box;
  box.setFrameShape(QFrame::NoFrame);
  auto* content = new QWidget;
  content->resize(100, 2000);
  box.setWidget(content);
  box.resize(200, 300);
  box.show();
  QApplication::processEvents();
  EXPECT_EQ(box.viewport()->height(), 300);
  EXPECT_EQ(box.verticalScrollBar()->pageStep(), 300);
  EXPECT_EQ(box.horizontalScrollBar()->pageStep(), 0);  // no horizontal bar

  content->resize(1000, 2000);
  QApplication::processEvents();
  EXPECT_EQ(box.horizontalScrollBar()->pageStep(), box.viewport()->width());
  EXPECT_EQ(box.verticalScrollBar()->pageStep(), box.viewport()->height());

  box.resize(200, 40000);
  QApplication::processEvents();
  EXPECT_EQ(box.verticalScrollBar()->pageStep(), TScrollBox::kMaxPage);
}
