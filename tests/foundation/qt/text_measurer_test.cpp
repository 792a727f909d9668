#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <algorithm>

#include "foundation/font_helpers.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/qt/text_measurer.h"
#include "foundation/text_fitting.h"
#include "qt_test_app.h"

TEST(QtTextMeasurer, CutTextIsNoWiderThanAsked) {
  TestApp();
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSize(11);
  TQtTextMeasurer m(font);
  const std::string texts[] = {"The quick brown fox jumps over the lazy dog", "Silbengenerator für Wörter – Übersicht",
                               "/home/user/Documents/a rather long folder name/file.txt"};
  for (const auto& text : texts) {
    int32_t full = m.TextWidth(text);
    ASSERT_GT(full, 0);
    EXPECT_EQ(CutText(text, full, m, "..."), text);  // fits exactly: left whole
    for (int32_t width = m.TextWidth("W..."); width < full; width += 7) {
      std::string cut = CutText(text, width, m, "...");
      EXPECT_LE(m.TextWidth(cut), width) << text << " @" << width;
      EXPECT_LT(cut.size(), text.size() + 3);
      // Where not even the shortest form fits, that form is the answer.
      std::string shortest = text.substr(0, 1) + "..." + text.substr(text.size() - 1);
      std::string middle = CutTextMiddle(text, width, m, "...");
      EXPECT_LE(m.TextWidth(middle), std::max(width, m.TextWidth(shortest))) << text << " @" << width;
    }
    for (const auto& line : ExplodeForWidth(text, 120, m)) {
      if (line.find(' ') != std::string::npos) {
        EXPECT_LE(m.TextWidth(line), 120) << line;
      }
    }
  }
  EXPECT_EQ(GetWidthForFont(font, "abc"), m.TextWidth("abc"));
}

TEST(QtTextMeasurer, FixedWidthFontAndSizeForHeight) {
  TestApp();
  std::string fixed = FHGetFixedWidthFont(NulMarker());
  const TStrArray& names = FixedWidthFontNames();
  EXPECT_TRUE(fixed == NulMarker() || std::find(names.begin(), names.end(), fixed) != names.end()) << fixed;

  std::string family = fixed != NulMarker() ? fixed : FromQString(QFont().family());
  TQtFontHeightMeasurer heights;
  int32_t height = heights.TextHeight(family, 14, "Wg");
  ASSERT_GT(height, 0);
  int32_t size = FHGetFontSizeForHeight(family, height);
  EXPECT_GE(heights.TextHeight(family, size + 2, "Wg"), height);
  EXPECT_LT(heights.TextHeight(family, size + 1, "Wg"), height);
  EXPECT_EQ(FHGetFontSizeForHeight(family, 1000000), 12);  // never reached: the default
}
