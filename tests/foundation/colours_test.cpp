#include <gtest/gtest.h>

#include "foundation/colours.h"

TEST(Colours, HexText) {
  struct Case {
    const char* text;
    bool valid;
  } cases[] = {
      {"#ff00Aa", true},  {"ff#00aa", true}, {"##0a0B0c#", true}, {"#ff00a", false},
      {"#ff00ag", false}, {"", false},       {"ff00aa0", false},  {" ff00aa", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsHexColor(c.text), c.valid) << c.text;

  EXPECT_EQ(TColorToHex(RGBToColor(1, 2, 255)), "0102FF");
  EXPECT_EQ(TColorToHex(0xFF000000u | RGBToColor(0xAB, 0xCD, 0xEF)), "ABCDEF");  // high byte ignored
  EXPECT_EQ(TColorToRGB(RGBToColor(10, 11, 12)), (TRGBColor{10, 11, 12}));
  EXPECT_EQ(HexToTColorIfStringIsHexColor("#0A0B0C", 7), RGBToColor(10, 11, 12));
  EXPECT_EQ(HexToTColorIfStringIsHexColor("xyz", 7), 7u);
  EXPECT_EQ(HexToTColor("ff#00aa"), RGBToColor(255, 0, 170));
  for (TGraphicsColor c : {0x000000u, 0x123456u, 0xFFFFFFu, 0x0000FFu}) EXPECT_EQ(HexToTColor(TColorToHex(c)), c);
  // Unvalidated input gives some colour, never a read past the text.
  HexToTColor("");
  HexToTColor("#");
}

TEST(Colours, ContrastAndSelection) {
  struct Case {
    TRGBColor in;
    TGraphicsColor contrast;
  } cases[] = {
      {{0, 255, 0}, 0x000000u},      // 159.4
      {{255, 0, 0}, 0xFFFFFFu},      // 63.75
      {{128, 128, 128}, 0xFFFFFFu},  // exactly 128 is not above it
      {{129, 128, 128}, 0x000000u}, {{255, 255, 255}, 0x000000u}, {{0, 0, 0}, 0xFFFFFFu},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetContrastColorBlackOrWhite(RGBToColor(c.in.Red, c.in.Green, c.in.Blue)), c.contrast)
        << int(c.in.Red) << "," << int(c.in.Green) << "," << int(c.in.Blue);

  EXPECT_EQ(GetSelectionColorDarkerOrLighter(RGBToColor(50, 51, 200)), RGBToColor(100, 1, 150));
  EXPECT_EQ(GetSelectionColorDarkerOrLighter(RGBToColor(0, 255, 49)), RGBToColor(50, 205, 99));
}
