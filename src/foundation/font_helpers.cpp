#include "foundation/font_helpers.h"

#include <algorithm>

const TStrArray& FixedWidthFontNames() {
  static const TStrArray names = {"Consolas",
                                  "Lucida Console",
                                  "Courier",
                                  "Courier New",
                                  "Menlo",
                                  "Andale Mono",
                                  "Courier 10 Pitch",
                                  "Courier 10 Pitch BT",
                                  "Courier 10 Pitch BT Roman",
                                  "Liberation Mono",
                                  "FreeMono"};
  return names;
}

std::string FHGetFixedWidthFont(const TStrArray& installedFonts, const std::string& defaultName) {
  for (const auto& name : FixedWidthFontNames())
    if (std::find(installedFonts.begin(), installedFonts.end(), name) != installedFonts.end()) return name;
  return defaultName;
}

int32_t FHGetFontSizeForHeight(std::string_view fontName, int32_t height, const TFontHeightMeasurer& measurer,
                               int32_t defaultSize) {
  for (int32_t size = 1; size <= kFontSizeSearchCap; ++size)
    if (measurer.TextHeight(fontName, size, "Wg") >= height) return size - 2;
  return defaultSize;
}
