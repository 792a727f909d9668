#include "controls/dialog_layout.h"

#include <algorithm>

#include "controls/dialogs.h"
#include "foundation/str_arrays.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"

namespace {

TStrArray SplitLines(const std::string& text) {
  TStrArray lines;
  ExplodeAtCRLF_CR_LF_LineBreaks(lines, text);
  if (lines.empty()) lines.emplace_back();
  return lines;
}

// Fills the width, line height and line count from the lines.
void MeasureLines(TDialogLayout& layout, const TStrArray& lines, int32_t minWidth, const TTextMeasurer& canvas) {
  layout.ClientWidth = minWidth;
  layout.LineHeight = 0;
  for (const std::string& line : lines) {
    layout.ClientWidth = std::max(layout.ClientWidth, canvas.TextWidth(line) + 50);
    layout.LineHeight = std::max(layout.LineHeight, canvas.TextHeight(line));
  }
  layout.LineCount = static_cast<int32_t>(lines.size());
}

// A row of buttons must never be pushed past the left edge by wide captions.
void FitButtonRow(TDialogLayout& layout, int32_t buttonCount, int32_t buttonWidth) {
  int32_t needed = 2 * kDialogMargin + buttonCount * buttonWidth + (buttonCount - 1) * kDialogButtonGap;
  layout.ClientWidth = std::max(layout.ClientWidth, needed);
}

}  // namespace

TDialogLayout LayoutNotificationDialog(const std::string& message, const std::string& buttonCaption,
                                       const TTextMeasurer& canvas) {
  TDialogLayout layout;
  MeasureLines(layout, SplitLines(message), kNotificationMinWidth, canvas);
  int32_t buttonWidth = canvas.TextWidth(buttonCaption) + 40;
  FitButtonRow(layout, 1, buttonWidth);
  int32_t top = kDialogMargin + layout.LineCount * layout.LineHeight + kDialogSpacing;
  layout.MessageText = message;
  layout.Message = {kDialogMargin, kDialogMargin, layout.ClientWidth - 2 * kDialogMargin,
                    layout.LineCount * layout.LineHeight};
  layout.ConfirmButton = {layout.ClientWidth - kDialogMargin - buttonWidth, top, buttonWidth, kDialogButtonHeight};
  layout.ClientHeight = top + kDialogButtonHeight + kDialogMargin;
  return layout;
}

TDialogLayout LayoutConfirmationDialog(const std::string& question, const std::string& yesCaption,
                                       const std::string& noCaption, const std::string& cancelCaption,
                                       const TTextMeasurer& canvas) {
  TDialogLayout layout;
  bool hasCancel = !IsNulMarker(cancelCaption);
  TStrArray wrapped =
      WrapTextAfterNumberOfCharacters_StrArrToStrArr(SplitLines(question), kConfirmationWrapChars, CharSet(" "));
  if (wrapped.empty()) wrapped.emplace_back();
  MeasureLines(layout, wrapped, kConfirmationMinWidth, canvas);
  int32_t captionWidth = std::max(canvas.TextWidth(yesCaption), canvas.TextWidth(noCaption));
  if (hasCancel) captionWidth = std::max(captionWidth, canvas.TextWidth(cancelCaption));
  int32_t buttonWidth = captionWidth + 40;
  FitButtonRow(layout, hasCancel ? 3 : 2, buttonWidth);
  int32_t top = kDialogMargin + layout.LineCount * layout.LineHeight + kDialogSpacing + kDialogSpacing;
  int32_t cw = layout.ClientWidth;
  layout.MessageText = Implode(wrapped, "\n");
  layout.Message = {kDialogMargin, kDialogMargin, cw - 2 * kDialogMargin, layout.LineCount * layout.LineHeight};
  layout.ConfirmButton = {cw - kDialogMargin - 2 * buttonWidth - kDialogButtonGap, top, buttonWidth,
                          kDialogButtonHeight};
  layout.NoButton = {cw - kDialogMargin - buttonWidth, top, buttonWidth, kDialogButtonHeight};
  if (hasCancel) {
    layout.ConfirmButton.Left -= buttonWidth + kDialogButtonGap;
    layout.NoButton.Left -= buttonWidth + kDialogButtonGap;
    layout.CancelButton = {cw - kDialogMargin - buttonWidth, top, buttonWidth, kDialogButtonHeight};
  }
  layout.ClientHeight = top + kDialogButtonHeight + kDialogMargin;
  return layout;
}

TDialogLayout LayoutInputDialog(const std::string& prompt, const std::string& okCaption,
                                const std::string& cancelCaption, const TStrArray& items, int32_t kind,
                                int32_t inputHeight, const TTextMeasurer& canvas) {
  TDialogLayout layout;
  MeasureLines(layout, SplitLines(Trim(prompt)), kInputMinWidth, canvas);
  if (kind == kInputKindComboBox) {
    for (const std::string& item : items)
      layout.ClientWidth = std::max(layout.ClientWidth, canvas.TextWidth(item) + 80);
  }
  bool hasCancel = !cancelCaption.empty();
  int32_t buttonWidth =
      std::max(std::max(canvas.TextWidth(okCaption), canvas.TextWidth(cancelCaption)) + 40, kInputMinButtonWidth);
  FitButtonRow(layout, hasCancel ? 2 : 1, buttonWidth);
  int32_t cw = layout.ClientWidth;
  int32_t inputTop = kDialogMargin + layout.LineCount * layout.LineHeight + kDialogSpacing;
  layout.MessageText = prompt;
  layout.Message = {kDialogMargin, kDialogMargin, cw - 2 * kDialogMargin, layout.LineCount * layout.LineHeight};
  layout.Input = {kDialogMargin, inputTop, cw - 2 * kDialogMargin,
                  kind == kInputKindMemo ? kInputMemoHeight : inputHeight};
  int32_t top = layout.Input.Bottom() + (kind == kInputKindMemo ? kDialogSpacing + 2 : kDialogMargin);
  if (hasCancel) {
    layout.ConfirmButton = {cw - kDialogMargin - 2 * buttonWidth - kDialogButtonGap, top, buttonWidth,
                            kDialogButtonHeight};
    layout.CancelButton = {cw - kDialogMargin - buttonWidth, top, buttonWidth, kDialogButtonHeight};
  } else {
    layout.ConfirmButton = {cw - kDialogMargin - buttonWidth, top, buttonWidth, kDialogButtonHeight};
  }
  layout.ClientHeight = top + kDialogButtonHeight + 12;
  return layout;
}
