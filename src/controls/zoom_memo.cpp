#include "controls/zoom_memo.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "foundation/qt/qt_strings.h"
#include "foundation/utf8.h"

TCaretLineColumn MemoCaretLineAndColumn(std::string_view text, int32_t caretChars) {
  TCaretLineColumn result;
  if (caretChars <= 0) return result;
  int32_t crCount = 0, lfCount = 0, chars = 0, sinceBreak = 0;
  size_t pos = 0;
  while (pos < text.size() && chars < caretChars) {
    char32_t cp = UTF8DecodeAt(text, pos);
    ++chars;
    if (cp == U'\r' || cp == U'\n') {
      (cp == U'\r' ? crCount : lfCount)++;
      sinceBreak = 0;
    } else {
      ++sinceBreak;
    }
  }
  result.Line = std::max(crCount, lfCount);
  result.Column = sinceBreak;
  return result;
}

int32_t TWheelStepAccumulator::Add(int32_t angleDelta) {
  // A change of direction drops what was gathered the other way.
  if ((angleDelta > 0 && FSum < 0) || (angleDelta < 0 && FSum > 0)) FSum = 0;
  FSum += angleDelta;
  if (FSum >= 120) {
    FSum -= 120;
    return 1;
  }
  if (FSum <= -120) {
    FSum += 120;
    return -1;
  }
  return 0;
}

TAdvancedMemo::TAdvancedMemo(QWidget* parent) : QPlainTextEdit(parent) {}

int32_t TAdvancedMemo::GetFirstVisibleLine() const {
  QTextBlock block = firstVisibleBlock();
  return block.isValid() ? block.blockNumber() : 0;
}

void TAdvancedMemo::DoFirstVisibleLineChange() {
  if (!OnFirstVisibleLineChange) return;
  int32_t line = GetFirstVisibleLine();
  if (line == FLastFirstVisibleLine) return;
  FLastFirstVisibleLine = line;
  OnFirstVisibleLineChange(this, line);
}

void TAdvancedMemo::DoCaretChange() {
  if (!OnCaretChange) return;
  TCaretLineColumn lc = MemoCaretLineAndColumn(Text(), SelStart());
  OnCaretChange(this, lc.Line, lc.Column);
}

std::string TAdvancedMemo::Text() const { return FromQString(toPlainText()); }

void TAdvancedMemo::SetText(const std::string& text) { setPlainText(ToQString(text)); }

int32_t TAdvancedMemo::SelStart() const {
  QTextCursor cursor = textCursor();
  QString before = toPlainText().left(cursor.selectionStart());
  return static_cast<int32_t>(before.toUcs4().size());
}

void TAdvancedMemo::SetSelStart(int32_t chars) {
  QString text = toPlainText();
  qsizetype units = 0;
  for (int32_t i = 0; i < chars && units < text.size(); ++i)
    units += (text.at(units).isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
  QTextCursor cursor = textCursor();
  cursor.setPosition(static_cast<int>(units));
  setTextCursor(cursor);
}

bool TAdvancedMemo::AskCopyHook(std::string& text) {
  text.clear();
  if (!OnCopyToClipboard) return true;
  bool canCopy = true;
  OnCopyToClipboard(this, text, canCopy);
  return canCopy;
}

void TAdvancedMemo::CopyToClipboard() {
  std::string own;
  if (!AskCopyHook(own)) return;
  if (own.empty()) {
    copy();
  } else {
    QApplication::clipboard()->setText(ToQString(own));
  }
}

void TAdvancedMemo::CutToClipboard() {
  std::string own;
  if (!AskCopyHook(own)) return;
  if (own.empty()) {
    cut();
    return;
  }
  // The handler's text is what the clipboard keeps; the selection goes
  // without being copied over it.
  QApplication::clipboard()->setText(ToQString(own));
  if (!isReadOnly()) textCursor().removeSelectedText();
}

void TAdvancedMemo::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Copy)) {
    CopyToClipboard();
    e->accept();
    return;
  }
  if (e->matches(QKeySequence::Cut)) {
    CutToClipboard();
    e->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
}

void TAdvancedMemo::keyReleaseEvent(QKeyEvent* e) {
  DoCaretChange();
  if (DoFirstVisibleLineChangeNotificationOnKeyUp) DoFirstVisibleLineChange();
  QPlainTextEdit::keyReleaseEvent(e);
}

void TAdvancedMemo::mousePressEvent(QMouseEvent* e) {
  if (DoFirstVisibleLineChangeNotificationOnMouseDown) DoFirstVisibleLineChange();
  DoCaretChange();
  QPlainTextEdit::mousePressEvent(e);
}

void TAdvancedMemo::wheelEvent(QWheelEvent* e) {
  if (!AllowFontSizeChangeWithMouseWheel || !(e->modifiers() & Qt::ControlModifier)) {
    QPlainTextEdit::wheelEvent(e);
    return;
  }
  e->accept();
  int32_t step = FWheel.Add(e->angleDelta().y());
  if (step == 0) return;
  QFont f = font();
  int32_t size = f.pointSize();
  if (size <= 0) {
    double dpi = logicalDpiY() > 0 ? logicalDpiY() : 96.0;
    size = static_cast<int32_t>(std::lround(QFontInfo(f).pixelSize() * 72.0 / dpi));
  }
  int32_t newSize = size + step;
  if (newSize <= 0) return;
  f.setPointSize(newSize);
  setFont(f);
  if (OnZoom) OnZoom(this, newSize);
}

void TAdvancedMemo::contextMenuEvent(QContextMenuEvent* e) {
  QMenu* menu = createStandardContextMenu(e->pos());
  // The menu's own copy and cut would pass by the copy hook.
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("edit-copy")) {
      QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
      connect(action, &QAction::triggered, this, &TAdvancedMemo::CopyToClipboard);
    } else if (action->objectName() == QLatin1String("edit-cut")) {
      QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
      connect(action, &QAction::triggered, this, &TAdvancedMemo::CutToClipboard);
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(e->globalPos());
}
