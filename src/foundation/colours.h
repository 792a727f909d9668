// Colours as six-digit hexadecimal text, their channels, and two derived
// colours: black or white text for a background, and a selection colour.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The widget library's colour value, laid out 00BBGGRR; the highest byte is
// ignored here.
using TGraphicsColor = uint32_t;

struct TRGBColor {
  uint8_t Red = 0;
  uint8_t Green = 0;
  uint8_t Blue = 0;
  bool operator==(const TRGBColor&) const = default;
};

constexpr TGraphicsColor RGBToColor(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<TGraphicsColor>(red) | (static_cast<TGraphicsColor>(green) << 8) |
         (static_cast<TGraphicsColor>(blue) << 16);
}

// True when the text without every "#" is exactly six hexadecimal digits.
bool IsHexColor(std::string_view text);
TRGBColor TColorToRGB(TGraphicsColor color);
// "RRGGBB", upper-case digits, no "#".
std::string TColorToHex(TGraphicsColor color);
// For text that IsHexColor accepts; anything else gives a colour without
// meaning (never a crash).
TGraphicsColor HexToTColor(std::string_view text);
TGraphicsColor HexToTColorIfStringIsHexColor(std::string_view text, TGraphicsColor defaultColor);
// Black when 0.25 red + 0.625 green + 0.125 blue is above 128, else white.
TGraphicsColor GetContrastColorBlackOrWhite(TGraphicsColor color);
// Each channel plus 50 when it is 50 or less, else minus 50.
TGraphicsColor GetSelectionColorDarkerOrLighter(TGraphicsColor color);
