#include "foundation/number_format.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(NumberFormat, WholeNumbers) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  } cases[] = {
      {"+10", true, 10},
      {" \t-5", true, -5},
      {"10 ", false, 0},
      {"0x10", false, 0},
      {"$1F", false, 0},
      {"2147483648", false, 0},
      {"", false, 0},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, INT32_MIN},
      {"-", false, 0},
      {"1e3", false, 0},
      {"%1", false, 0},
      {"&7", false, 0},
  };
  for (const auto& c : cases) {
    int32_t v = 12345;
    EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
  EXPECT_EQ(StrToIntDef("x", 7), 7);
}

TEST(NumberFormat, FloatsWithSeparators) {
  NumberFormat dot{".", ","}, comma{",", "."};
  double v = 0;
  EXPECT_TRUE(TryStrToFloat(" 2.5 ", dot, v));
  EXPECT_DOUBLE_EQ(v, 2.5);
  EXPECT_TRUE(TryStrToFloat("2,5", comma, v));
  EXPECT_DOUBLE_EQ(v, 2.5);
  EXPECT_FALSE(TryStrToFloat("2.5", comma, v));
  EXPECT_FALSE(TryStrToFloat("inf", dot, v));
  EXPECT_FALSE(TryStrToFloat("+-1", dot, v));
  EXPECT_TRUE(TryStrToFloat("-1e3", dot, v));
  EXPECT_DOUBLE_EQ(v, -1000);
  EXPECT_EQ(FormatFloatFixed(20.0, 2, comma), "20,00");
  EXPECT_EQ(FormatFloatFixed(1234567.891, 1, dot, true), "1,234,567.9");
  EXPECT_EQ(FormatFloatFixed(-0.001, 2, dot), "0.00");
  EXPECT_EQ(FormatFloatGeneral(0.1 + 0.2, dot), "0.3");
  EXPECT_EQ(FormatFloatGeneral(2.5, comma), "2,5");
  EXPECT_EQ(FormatFloatGeneral(1e20, dot), "1E20");
  EXPECT_EQ(IntToStrGrouped(-1234567, dot), "-1,234,567");
}
