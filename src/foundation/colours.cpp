#include "foundation/colours.h"

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string WithoutHash(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '#') out.push_back(c);
  return out;
}

uint8_t Shifted(uint8_t channel) { return static_cast<uint8_t>(channel <= 50 ? channel + 50 : channel - 50); }

}  // namespace

bool IsHexColor(std::string_view text) {
  std::string s = WithoutHash(text);
  if (s.size() != 6) return false;
  for (char c : s)
    if (HexValue(c) < 0) return false;
  return true;
}

TRGBColor TColorToRGB(TGraphicsColor color) {
  return {static_cast<uint8_t>(color & 0xFF), static_cast<uint8_t>((color >> 8) & 0xFF),
          static_cast<uint8_t>((color >> 16) & 0xFF)};
}

std::string TColorToHex(TGraphicsColor color) {
  static const char kDigits[] = "0123456789ABCDEF";
  TRGBColor rgb = TColorToRGB(color);
  std::string out;
  for (uint8_t channel : {rgb.Red, rgb.Green, rgb.Blue}) {
    out.push_back(kDigits[channel >> 4]);
    out.push_back(kDigits[channel & 0xF]);
  }
  return out;
}

TGraphicsColor HexToTColor(std::string_view text) {
  std::string s = WithoutHash(text);
  s.resize(6, '0');
  auto channel = [&s](size_t at) {
    int hi = HexValue(s[at]), lo = HexValue(s[at + 1]);
    return static_cast<uint8_t>((hi < 0 ? 0 : hi) * 16 + (lo < 0 ? 0 : lo));
  };
  return RGBToColor(channel(0), channel(2), channel(4));
}

TGraphicsColor HexToTColorIfStringIsHexColor(std::string_view text, TGraphicsColor defaultColor) {
  return IsHexColor(text) ? HexToTColor(text) : defaultColor;
}

TGraphicsColor GetContrastColorBlackOrWhite(TGraphicsColor color) {
  TRGBColor rgb = TColorToRGB(color);
  float brightness = 0.25f * static_cast<float>(rgb.Red) + 0.625f * static_cast<float>(rgb.Green) +
                     0.125f * static_cast<float>(rgb.Blue);
  return brightness > 128.0f ? 0x000000u : 0xFFFFFFu;
}

TGraphicsColor GetSelectionColorDarkerOrLighter(TGraphicsColor color) {
  TRGBColor rgb = TColorToRGB(color);
  return RGBToColor(Shifted(rgb.Red), Shifted(rgb.Green), Shifted(rgb.Blue));
}
