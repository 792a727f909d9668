// A multi-line memo whose font the user zooms with Ctrl and the mouse wheel,
// and which reports caret moves, scrolling and copy requests.
#pragma once

#include <QPlainTextEdit>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The caret's line and column (both from 0, in characters) for a caret
// standing caretChars characters into a UTF-8 text. CR and LF are counted
// apart and the larger count wins, so CR LF, LF and CR texts give alike lines.
struct TCaretLineColumn {
  int32_t Line = 0;
  int32_t Column = 0;
  bool operator==(const TCaretLineColumn&) const = default;
};
TCaretLineColumn MemoCaretLineAndColumn(std::string_view text, int32_t caretChars);

// Sums wheel angle deltas until a whole notch (120) is reached, so touchpads
// that send small deltas zoom as a wheel does. Returns +1, -1 or 0 steps.
class TWheelStepAccumulator {
 public:
  int32_t Add(int32_t angleDelta);
  void Reset() { FSum = 0; }

 private:
  int32_t FSum = 0;
};

using TAdvancedMemoCaretChangeNotification = std::function<void(QObject* Sender, int32_t ALine, int32_t APos)>;
using TAdvancedMemoFirstVisibleLineChangeNotification = std::function<void(QObject* Sender, int32_t AFirstVisibleLine)>;
using TAdvancedMemoCopyToClipboardProc =
    std::function<void(QObject* Sender, std::string& AClipboardText, bool& ACanCopy)>;
using TAdvancedMemoZoomNotification = std::function<void(QObject* Sender, int32_t ANewFontSize)>;

class TAdvancedMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TAdvancedMemo(QWidget* parent = nullptr);

  TAdvancedMemoCaretChangeNotification OnCaretChange;
  TAdvancedMemoFirstVisibleLineChangeNotification OnFirstVisibleLineChange;
  TAdvancedMemoCopyToClipboardProc OnCopyToClipboard;
  TAdvancedMemoZoomNotification OnZoom;
  bool DoFirstVisibleLineChangeNotificationOnMouseDown = true;
  bool DoFirstVisibleLineChangeNotificationOnKeyUp = true;
  bool AllowFontSizeChangeWithMouseWheel = true;

  int32_t GetFirstVisibleLine() const;
  void DoFirstVisibleLineChange();
  void DoCaretChange();

  // The memo's text and caret in UTF-8 and characters.
  std::string Text() const;
  void SetText(const std::string& text);
  int32_t SelStart() const;
  void SetSelStart(int32_t chars);

  // Copy and cut as the keyboard and the context menu run them, through the
  // copy hook.
  void CopyToClipboard();
  void CutToClipboard();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  // False when the handler vetoed the copy; text is what the handler put on
  // the clipboard itself (empty when the memo copies as usual).
  bool AskCopyHook(std::string& text);

  int32_t FLastFirstVisibleLine = -1;
  TWheelStepAccumulator FWheel;
};
