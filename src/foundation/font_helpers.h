// Choosing an installed monospaced font, and the font size that gives a
// wanted text height.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/types.h"

// The monospaced fonts tried, in order of preference.
const TStrArray& FixedWidthFontNames();

// The first font of FixedWidthFontNames that is installed (exact,
// case-sensitive names); defaultName when none is.
std::string FHGetFixedWidthFont(const TStrArray& installedFonts, const std::string& defaultName);

// Height in pixels of a text drawn in a named font at a point size.
class TFontHeightMeasurer {
 public:
  virtual ~TFontHeightMeasurer() = default;
  virtual int32_t TextHeight(std::string_view fontName, int32_t pointSize, std::string_view text) const = 0;
};

// Sizes above this are never tried.
constexpr int32_t kFontSizeSearchCap = 400;

// Tries the sizes 1, 2, ... up to kFontSizeSearchCap and gives the first size
// at which "Wg" is at least height pixels high, minus 2; defaultSize when no
// size up to the cap reaches it.
int32_t FHGetFontSizeForHeight(std::string_view fontName, int32_t height, const TFontHeightMeasurer& measurer,
                               int32_t defaultSize = 12);
