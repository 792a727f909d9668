// Where the code-built dialogs put their message, input and buttons, worked
// out on a text measurer so that the arithmetic is tested without windows.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/text_fitting.h"
#include "foundation/types.h"

inline constexpr int32_t kDialogMargin = 14;
inline constexpr int32_t kDialogSpacing = 8;
inline constexpr int32_t kDialogButtonHeight = 27;
inline constexpr int32_t kDialogButtonGap = 10;
inline constexpr int32_t kNotificationMinWidth = 330;
inline constexpr int32_t kConfirmationMinWidth = 350;
inline constexpr int32_t kInputMinWidth = 300;
inline constexpr int32_t kInputMinButtonWidth = 85;
inline constexpr int32_t kInputMemoHeight = 140;
// Questions are wrapped at blanks after this many characters.
inline constexpr int32_t kConfirmationWrapChars = 80;

struct TDialogRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Right() const { return Left + Width; }
  int32_t Bottom() const { return Top + Height; }
  bool operator==(const TDialogRect&) const = default;
};

struct TDialogLayout {
  int32_t ClientWidth = 0;
  int32_t ClientHeight = 0;
  // The text the message label shows and where.
  std::string MessageText;
  TDialogRect Message;
  int32_t LineCount = 0;
  int32_t LineHeight = 0;
  // The input control of the input dialogs.
  TDialogRect Input;
  // OK or Yes; No; Cancel. A Width of 0 means the button is not there.
  TDialogRect ConfirmButton;
  TDialogRect NoButton;
  TDialogRect CancelButton;
};

TDialogLayout LayoutNotificationDialog(const std::string& message, const std::string& buttonCaption,
                                       const TTextMeasurer& canvas);
// cancelCaption is the NUL marker when there is no cancel button. Its caption
// widens the common button width too, so that it is never cut off.
TDialogLayout LayoutConfirmationDialog(const std::string& question, const std::string& yesCaption,
                                       const std::string& noCaption, const std::string& cancelCaption,
                                       const TTextMeasurer& canvas);
// inputHeight is the one-line edit's or the drop-down list's own height
// (kinds 1 and 2); the memo of kind 4 is kInputMemoHeight high.
TDialogLayout LayoutInputDialog(const std::string& prompt, const std::string& okCaption,
                                const std::string& cancelCaption, const TStrArray& items, int32_t kind,
                                int32_t inputHeight, const TTextMeasurer& canvas);
