// Font metrics for the text-fitting and font-size algorithms of the core.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <string>
#include <string_view>

#include "foundation/font_helpers.h"
#include "foundation/text_fitting.h"

// Measures text in one font, as a canvas with that font would.
class TQtTextMeasurer : public TTextMeasurer {
 public:
  explicit TQtTextMeasurer(const QFont& font) : FMetrics(font) {}
  int32_t TextWidth(std::string_view text) const override;
  int32_t TextHeight(std::string_view text) const override;

 private:
  QFontMetrics FMetrics;
};

// Measures text in a font given by family name and point size.
class TQtFontHeightMeasurer : public TFontHeightMeasurer {
 public:
  int32_t TextHeight(std::string_view fontName, int32_t pointSize, std::string_view text) const override;
};

int32_t GetWidthForFont(const QFont& font, std::string_view text);
// The first installed font of the monospaced list; defaultName when none is.
std::string FHGetFixedWidthFont(const std::string& defaultName);
int32_t FHGetFontSizeForHeight(std::string_view fontName, int32_t height);
