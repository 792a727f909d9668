#include <gtest/gtest.h>

#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "controls/zoom_memo.h"
#include "controls_test_app.h"

TEST(MemoCaret, LinesAndColumnsInCharacters) {
  struct TCase {
    std::string text;
    int32_t caret;
    TCaretLineColumn expected;
  } cases[] = {
      {"ab\r\ncd", 6, {1, 2}},
      {"ab\ncd", 5, {1, 2}},
      {"ab\rcd", 5, {1, 2}},
      {"ab\r\ncd", 4, {1, 0}},
      {"ab\ncd", 3, {1, 0}},
      {"abcdef", 3, {0, 3}},
      {"ab\n\xC3\xA4"
       "cd",
       5,
       {1, 2}},  // after "äc"
      {"ab\ncä", 5, {1, 2}},
      {"", 0, {0, 0}},
      {"x\r\ny\r\nz", 7, {2, 1}},
      {"x\ny\nz", 5, {2, 1}},
      {"x\ry\rz", 5, {2, 1}},
      {"abc", 99, {0, 3}},
  };
  for (const TCase& c : cases) EXPECT_EQ(MemoCaretLineAndColumn(c.text, c.caret), c.expected) << c.text;
}

TEST(WheelSteps, SmallDeltasAddUpToOneStep) {
  TWheelStepAccumulator acc;
  EXPECT_EQ(acc.Add(40), 0);
  EXPECT_EQ(acc.Add(40), 0);
  EXPECT_EQ(acc.Add(40), 1);
  EXPECT_EQ(acc.Add(120), 1);
  EXPECT_EQ(acc.Add(-60), 0);
  EXPECT_EQ(acc.Add(-60), -1);
  EXPECT_EQ(acc.Add(60), 0);  // turning back drops what was gathered
  EXPECT_EQ(acc.Add(-119), 0);
  EXPECT_EQ(acc.Add(-1), -1);
}

class ZoomMemo : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
  // Wheel events reach a memo through its viewport, as on screen.
  static void Wheel(TAdvancedMemo* memo, int delta, Qt::KeyboardModifiers mods) {
    QWidget* w = memo->viewport();
    QPointF pos(10, 10);
    QWheelEvent e(pos, w->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, mods, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
  }
  static void Key(QWidget* w, int key, Qt::KeyboardModifiers mods, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
  }
};

TEST_F(ZoomMemo, CaretIsReportedOnKeyReleaseForEveryLineBreakKind) {
  for (const char* text : {"ab\r\ncd", "ab\ncd", "ab\rcd"}) {
    TAdvancedMemo memo;
    int32_t line = -1, column = -1;
    memo.OnCaretChange = [&](QObject*, int32_t l, int32_t c) {
      line = l;
      column = c;
    };
    memo.SetText(text);
    memo.moveCursor(QTextCursor::End);
    Key(&memo, Qt::Key_Shift, Qt::NoModifier);
    EXPECT_EQ(line, 1) << text;
    EXPECT_EQ(column, 2) << text;
  }
  TAdvancedMemo memo;
  int32_t column = -1;
  memo.OnCaretChange = [&](QObject*, int32_t, int32_t c) { column = c; };
  memo.SetText("x\xF0\x9F\x98\x80y");  // a character outside the BMP counts once
  memo.moveCursor(QTextCursor::End);
  memo.DoCaretChange();
  EXPECT_EQ(column, 3);
  EXPECT_EQ(memo.SelStart(), 3);
}

TEST_F(ZoomMemo, MousePressReportsLineThenCaret) {
  TAdvancedMemo memo;
  memo.SetText("first\nsecond");
  memo.resize(200, 100);
  memo.show();
  memo.SetSelStart(8);
  std::vector<std::string> order;
  memo.OnFirstVisibleLineChange = [&](QObject*, int32_t) { order.push_back("line"); };
  memo.OnCaretChange = [&](QObject*, int32_t l, int32_t c) {
    order.push_back("caret " + std::to_string(l) + ":" + std::to_string(c));
  };
  QPointF at(150, 80);
  QMouseEvent press(QEvent::MouseButtonPress, at, memo.viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(memo.viewport(), &press);
  ASSERT_GE(order.size(), 2u);
  EXPECT_EQ(order[0], "line");
  EXPECT_EQ(order[1], "caret 1:2");  // the caret before the press moved it
  memo.DoFirstVisibleLineChangeNotificationOnMouseDown = false;
  order.clear();
  QApplication::sendEvent(memo.viewport(), &press);
  EXPECT_EQ(order.size(), 1u);
}

TEST_F(ZoomMemo, FirstVisibleLineIsReportedOnlyWhenItChanges) {
  TAdvancedMemo memo;
  std::vector<int32_t> reported;
  memo.OnFirstVisibleLineChange = [&](QObject*, int32_t line) { reported.push_back(line); };
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line\n";
  memo.SetText(text);
  memo.resize(200, 100);
  memo.show();
  memo.DoFirstVisibleLineChange();
  memo.DoFirstVisibleLineChange();
  memo.verticalScrollBar()->setValue(10);
  memo.DoFirstVisibleLineChange();
  EXPECT_EQ(reported, (std::vector<int32_t>{0, 10}));
}

TEST_F(ZoomMemo, CtrlWheelZoomsWithinBounds) {
  TAdvancedMemo memo;
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line\n";
  memo.SetText(text);
  memo.resize(200, 100);
  memo.show();
  QFont f = memo.font();
  f.setPointSize(10);
  memo.setFont(f);
  std::vector<int32_t> zooms;
  memo.OnZoom = [&](QObject*, int32_t size) { zooms.push_back(size); };
  Wheel(&memo, 120, Qt::ControlModifier);
  EXPECT_EQ(memo.font().pointSize(), 11);
  Wheel(&memo, -60, Qt::ControlModifier);
  Wheel(&memo, -60, Qt::ControlModifier);
  EXPECT_EQ(memo.font().pointSize(), 10);
  EXPECT_EQ(zooms, (std::vector<int32_t>{11, 10}));

  f.setPointSize(1);
  memo.setFont(f);
  zooms.clear();
  Wheel(&memo, -120, Qt::ControlModifier);
  EXPECT_EQ(memo.font().pointSize(), 1);
  EXPECT_TRUE(zooms.empty());
  EXPECT_EQ(memo.verticalScrollBar()->value(), 0);  // consumed, no scrolling

  // Without Ctrl, or with zooming off, the wheel scrolls.
  Wheel(&memo, -120, Qt::NoModifier);
  EXPECT_GT(memo.verticalScrollBar()->value(), 0);
  memo.verticalScrollBar()->setValue(0);
  memo.AllowFontSizeChangeWithMouseWheel = false;
  Wheel(&memo, -120, Qt::ControlModifier);
  EXPECT_EQ(memo.font().pointSize(), 1);
  EXPECT_GT(memo.verticalScrollBar()->value(), 0);
}

TEST_F(ZoomMemo, CopyHookVetoesOrSuppliesTheText) {
  QClipboard* clipboard = QApplication::clipboard();
  TAdvancedMemo memo;
  memo.SetText("hello world");
  auto selectHello = [&] {
    QTextCursor c = memo.textCursor();
    c.setPosition(0);
    c.setPosition(5, QTextCursor::KeepAnchor);
    memo.setTextCursor(c);
  };

  // No handler: the usual copy.
  selectHello();
  Key(&memo, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("hello"));

  // Veto: neither copy nor cut touch clipboard or text.
  clipboard->setText(QStringLiteral("before"));
  memo.OnCopyToClipboard = [](QObject*, std::string&, bool& canCopy) { canCopy = false; };
  Key(&memo, Qt::Key_C, Qt::ControlModifier);
  Key(&memo, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("before"));
  EXPECT_EQ(memo.Text(), "hello world");
  EXPECT_TRUE(memo.textCursor().hasSelection());

  // The handler's own text is what the clipboard keeps; a cut still deletes.
  memo.OnCopyToClipboard = [](QObject*, std::string& text, bool&) { text = "own text"; };
  Key(&memo, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("own text"));
  clipboard->setText(QStringLiteral("before"));
  Key(&memo, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("own text"));
  EXPECT_EQ(memo.Text(), " world");

  // A handler that allows and supplies nothing leaves the usual cut.
  memo.OnCopyToClipboard = [](QObject*, std::string&, bool&) {};
  QTextCursor c = memo.textCursor();
  c.setPosition(1);
  c.setPosition(6, QTextCursor::KeepAnchor);
  memo.setTextCursor(c);
  Key(&memo, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("world"));
  EXPECT_EQ(memo.Text(), " ");
}
