#include <gtest/gtest.h>

#include <map>

#include "foundation/font_helpers.h"
#include "foundation/text_fitting.h"
#include "foundation/utf8.h"

namespace {

// Ten pixels per character; remembers every text it measured.
class FakeMeasurer : public TTextMeasurer {
 public:
  int32_t TextWidth(std::string_view text) const override {
    measured.emplace_back(text);
    return static_cast<int32_t>(UTF8Length(text)) * 10;
  }
  int32_t TextHeight(std::string_view) const override { return 12; }
  mutable TStrArray measured;
};

// "Wg" is 1.5 pixels high per point, rounded down.
class FakeFontHeights : public TFontHeightMeasurer {
 public:
  int32_t TextHeight(std::string_view, int32_t pointSize, std::string_view text) const override {
    ++calls;
    return text == "Wg" ? pointSize * 3 / 2 : 0;
  }
  mutable int calls = 0;
};

}  // namespace

TEST(TextFitting, CutText) {
  FakeMeasurer m;
  struct Case {
    const char* text;
    int32_t maxWidth;
    const char* result;
  } cases[] = {
      {"abcdef", 40, "abc…"},    // only 'abc…' fits
      {"abcdef", 60, "abcdef"},  // fits exactly: left whole
      {"abcdef", 59, "abcd…"},   // one pixel short: cut
      {"abcdef", 5, "a…"},       // nothing fits: the one-character form
      {"a", 1, "a"},             // one character is never cut
      {"ab  cdef", 50, "ab…"},   // the start is trimmed before the suffix
      {"äöüßxyz", 50, "äöüß…"},  // characters, not bytes
      {"", 0, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CutText(c.text, c.maxWidth, m, "…"), c.result) << c.text;
}

TEST(TextFitting, CutTextTriesFromTheLongest) {
  FakeMeasurer m;
  EXPECT_EQ(CutText("abcde", 30, m, "."), "ab.");
  EXPECT_EQ(m.measured, (TStrArray{"abcde", "abcd.", "abc.", "ab."}));
}

TEST(TextFitting, CutTextMiddle) {
  FakeMeasurer m;
  EXPECT_EQ(CutTextMiddle("abcdefgh", 10, m, "…"), "a…h");
  EXPECT_EQ(m.measured, (TStrArray{"abcdefgh", "abc…fgh", "ab…gh", "a…h"}));
  m.measured.clear();
  EXPECT_EQ(CutTextMiddle("abcdefgh", 50, m, "…"), "ab…gh");
  EXPECT_EQ(CutTextMiddle("abcdefgh", 80, m, "…"), "abcdefgh");
  EXPECT_EQ(CutTextMiddle("abc", 0, m, "…"), "abc");
  EXPECT_EQ(CutTextMiddle("ab cd ef", 50, m, "…"), "ab…ef");
}

TEST(TextFitting, LongTextsGiveTheSameCutWithFewMeasurements) {
  FakeMeasurer m;
  std::string text;
  for (int i = 0; i < 20000; ++i) text += static_cast<char>('a' + i % 26);
  std::string cut = CutText(text, 1000, m, "…");
  EXPECT_EQ(cut, text.substr(0, 99) + "…");
  EXPECT_LT(m.measured.size(), 64u);
  std::string middle = CutTextMiddle(text, 1000, m, "…");
  EXPECT_EQ(middle, text.substr(0, 49) + "…" + text.substr(text.size() - 49));
  EXPECT_EQ(CutText(text, 1, m, "…"), "a…");
}

TEST(TextFitting, ExplodeForWidth) {
  FakeMeasurer m;
  struct Case {
    const char* text;
    int32_t maxWidth;
    TStrArray lines;
  } cases[] = {
      {"one two three", 70, {"one two", "three"}},
      {"one two three", 130, {"one two three"}},
      {"averyveryverylongword", 30, {"averyveryverylongword"}},
      {"a averyverylongword b", 30, {"a", "averyverylongword", "b"}},
      {"a  b", 40, {"a  b"}},
      {"", 100, {}},
      {" ", 100, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ExplodeForWidth(c.text, c.maxWidth, m), c.lines) << c.text;
  EXPECT_EQ(GetWidthForFont(m, "abc"), 30);
}

TEST(FontHelpers, FixedWidthFont) {
  EXPECT_EQ(FHGetFixedWidthFont({"Menlo", "Arial", "Consolas"}, "x"), "Consolas");
  EXPECT_EQ(FHGetFixedWidthFont({"Arial", "Liberation Mono", "FreeMono"}, "x"), "Liberation Mono");
  EXPECT_EQ(FHGetFixedWidthFont({"consolas", "Arial"}, "fallback"), "fallback");
  EXPECT_EQ(FHGetFixedWidthFont({}, std::string(1, '\0')), std::string(1, '\0'));
  EXPECT_EQ(FixedWidthFontNames().size(), 11u);
}

TEST(FontHelpers, FontSizeForHeight) {
  FakeFontHeights h;
  EXPECT_EQ(FHGetFontSizeForHeight("Mono", 15, h), 8);  // size 10 is the first with height 15
  EXPECT_EQ(FHGetFontSizeForHeight("Mono", 1, h), -1);  // size 1 already reaches it
  EXPECT_EQ(FHGetFontSizeForHeight("Mono", 600, h), 398);
  h.calls = 0;
  // A height no size reaches stops at the cap and gives the default.
  EXPECT_EQ(FHGetFontSizeForHeight("Mono", 601, h), 12);
  EXPECT_EQ(h.calls, kFontSizeSearchCap);
  EXPECT_EQ(FHGetFontSizeForHeight("Mono", 100000, h, 9), 9);
}
