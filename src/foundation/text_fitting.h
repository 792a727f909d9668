// Fitting text into a pixel width: cutting at the end, cutting in the middle
// and wrapping into lines. The algorithms measure through a small interface,
// so the GUI layer passes its font metrics and tests pass a fake.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/types.h"

// Measures text drawn with one font, in pixels.
class TTextMeasurer {
 public:
  virtual ~TTextMeasurer() = default;
  virtual int32_t TextWidth(std::string_view text) const = 0;
  virtual int32_t TextHeight(std::string_view text) const = 0;
};

// The text when it fits maxWidth; otherwise the longest start of it (trimmed)
// followed by suffix that fits, or the one-character form when none does.
// Texts of fewer than two characters stay as they are.
std::string CutText(std::string_view text, int32_t maxWidth, const TTextMeasurer& canvas, std::string_view suffix);
// Like CutText, but keeps as many characters of the start as of the end and
// puts suffix between them. Texts of fewer than four characters stay.
std::string CutTextMiddle(std::string_view text, int32_t maxWidth, const TTextMeasurer& canvas,
                          std::string_view suffix);
// Lines made of the blank-separated words, each line as long as fits; a word
// wider than maxWidth gets a line of its own and is never broken.
TStrArray ExplodeForWidth(std::string_view text, int32_t maxWidth, const TTextMeasurer& canvas);
// The width of the text drawn with the measurer's font.
int32_t GetWidthForFont(const TTextMeasurer& font, std::string_view text);
