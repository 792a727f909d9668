#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <map>
#include <set>

#include "controls/font_classification.h"
#include "controls/font_manager.h"
#include "controls_test_app.h"
#include "support/test_support.h"

namespace {

// Classification by name, without rendering.
TFontInfo FakeInfo(const std::string& name) {
  TFontInfo info;
  info.FixedPitch = name.find("Mono") != std::string::npos;
  info.FontClass = name.find("Serif") != std::string::npos ? kFontClassSerif : kFontClassSansSerif;
  info.FontWidth = name.find("Light") != std::string::npos ? kFontWidthThin : kFontWidthAverage;
  return info;
}

std::vector<std::string> VisibleNames(const TFontManager& fm) {
  std::vector<std::string> names;
  for (int32_t i = 0; i < fm.GetFMFontCountVisible(); ++i) names.push_back(fm.GetFMFontRecFromVisibleFonts(i).Name);
  return names;
}

TStrArray SampleFamilies() {
  return {"Times New Roman", "Arial",       "Liberation Mono", "Courier New", "Times",
          "DejaVu Serif",    "Arial Black", "Noto-Sans",       "Light Sans"};
}

}  // namespace

TEST(FontManager, SortedAndNameFilterTerms) {
  TFontManager fm(FakeInfo);
  fm.AddSystemFonts(SampleFamilies());
  EXPECT_EQ(VisibleNames(fm),
            (std::vector<std::string>{"Arial", "Arial Black", "Courier New", "DejaVu Serif", "Liberation Mono",
                                      "Light Sans", "Noto-Sans", "Times", "Times New Roman"}));
  struct TCase {
    std::string filter;
    std::vector<std::string> expected;
  } cases[] = {
      {"", VisibleNames(fm)},
      {"-arial",
       {"Courier New", "DejaVu Serif", "Liberation Mono", "Light Sans", "Noto-Sans", "Times", "Times New Roman"}},
      {"-", {"Noto-Sans"}},
      {" arial", {}},
      {"times, -new", {"Times"}},
      {"-sans;-mono", {"Arial", "Arial Black", "Courier New", "DejaVu Serif", "Times", "Times New Roman"}},
      {";", VisibleNames(fm)},
      {", ;", VisibleNames(fm)},
      {"arial;courier", {"Arial", "Arial Black", "Courier New"}},
  };
  for (const TCase& c : cases) {
    fm.SetFilterName(c.filter);
    EXPECT_EQ(VisibleNames(fm), c.expected) << c.filter;
  }
  fm.SetFilterName("ARIAL");
  EXPECT_EQ(fm.Filter(), "ARIAL");
}

TEST(FontManager, ClassificationTypeAndOrigin) {
  TFontManager fm(FakeInfo);
  fm.AddSystemFonts(SampleFamilies());
  fm.AddInternal("File Font", fmitFileProcess, "/fonts/file.otf");
  fm.RefreshFontVisibility();
  EXPECT_EQ(fm.GetFMFontCountVisible(), 10);
  fm.SetShowWidthFixedFonts(false);
  EXPECT_EQ(fm.GetFMFontCountVisible(), 9);
  fm.SetFilterClassification(false, true, true, true, true, true, true, true);
  EXPECT_EQ(fm.GetFMFontCountVisible(), 9);  // DejaVu Serif gone, Liberation Mono back
  fm.SetFilterClassification(true, true, true, false, true, true, true, true);
  EXPECT_EQ(fm.GetFMFontCountVisible(), 9);  // the thin one gone
  fm.SetFilterClassification(true, true, true, true, true, true, true, true);

  fm.SetFilterFontType(false, false, false, false, false, true);
  EXPECT_EQ(fm.TypeFilter(), "?;");
  EXPECT_EQ(fm.GetFMFontCountVisible(), 9);  // only system fonts
  fm.SetFilterFontType(true, false, false, false, false, false);
  EXPECT_EQ(fm.TypeFilter(), "OTF;");
  EXPECT_EQ(VisibleNames(fm), std::vector<std::string>{"File Font"});
  fm.SetFilterFontType(true, true, true, true, true, true);
  EXPECT_EQ(fm.TypeFilter(), "");

  // Hiding system fonts keeps the name filter's result for later.
  fm.SetFilterName("times");
  fm.SetVisibleSystemFonts(false);
  EXPECT_EQ(fm.GetFMFontCountVisible(), 0);
  fm.SetVisibleSystemFonts(true);
  EXPECT_EQ(VisibleNames(fm), (std::vector<std::string>{"Times", "Times New Roman"}));

  EXPECT_EQ(fm.GetFMStyleFontCountVisible(), 2);
  fm.SetStyles(true, true, true, true);
  EXPECT_EQ(fm.GetFMStyleFontCountVisible(), 8);
  EXPECT_EQ(fm.GetFMFontRecFromVisibleFonts(99).Name, "");
}

TEST(FontManager, VerticalVariantsAndFontFiles) {
  TFontManager fm(FakeInfo);
  fm.AddSystemFonts({"@MS Gothic", "MS Gothic", "@Only Vertical"});
  EXPECT_EQ(VisibleNames(fm), (std::vector<std::string>{"@Only Vertical", "MS Gothic"}));
  fm.AddInternal("Type One", fmitFileProcess, "a.pfm|a.pfb");
  EXPECT_EQ(fm.Fonts.back().FontType, "PFB");
  EXPECT_EQ(fm.GetIndexOfInstalledFont("a.pfm"), 2);
  EXPECT_EQ(fm.GetIndexOfInstalledFont("System"), -1);
  EXPECT_FALSE(fm.RemoveAndDeinstallFontFile("a.pfm", fmitFileProcess));
  EXPECT_EQ(fm.GetFMFontCountAll(), 2);
  fm.DeleteFontByIndex(7, false);
  EXPECT_EQ(fm.GetFMFontCountAll(), 2);
}

TEST(FontClassification, RunsAndStrokes) {
  EXPECT_EQ(FontClassFromRuns(2, 2), kFontClassSansSerif);
  EXPECT_EQ(FontClassFromRuns(3, 2), kFontClassSerif);
  EXPECT_EQ(FontClassFromRuns(4, 2), kFontClassOther);
  EXPECT_EQ(FontClassFromRuns(3, 4), kFontClassOther);
  EXPECT_EQ(FontWidthFromStrokePixels(14), kFontWidthThin);
  EXPECT_EQ(FontWidthFromStrokePixels(15), kFontWidthAverage);
  EXPECT_EQ(FontWidthFromStrokePixels(26), kFontWidthAverage);
  EXPECT_EQ(FontWidthFromStrokePixels(27), kFontWidthThick);
}

TEST(FontClassification, DejaVuFamilies) {
  ControlsTestApp();
  TStrArray families = InstalledFontFamilies();
  auto installed = [&](const std::string& name) {
    return std::find(families.begin(), families.end(), name) != families.end();
  };
  if (!installed("DejaVu Sans") || !installed("DejaVu Serif") || !installed("DejaVu Sans Mono")) {
    GTEST_SKIP() << "fonts-dejavu-core is not installed";
  }
  TFontInfo mono = GetFontInfo("DejaVu Sans Mono");
  TFontInfo serif = GetFontInfo("DejaVu Serif");
  TFontInfo sans = GetFontInfo("DejaVu Sans");
  EXPECT_TRUE(mono.FixedPitch);
  EXPECT_FALSE(serif.FixedPitch);
  EXPECT_FALSE(sans.FixedPitch);
  EXPECT_EQ(serif.FontClass, kFontClassSerif);
  EXPECT_EQ(sans.FontClass, kFontClassSansSerif);
  EXPECT_GT(sans.StrokePixels, 0);
  EXPECT_EQ(GetFontInfoCached("DejaVu Serif"), serif);
  EXPECT_EQ(GetFontInfoCached("DejaVu Serif"), serif);
  // A name that is not installed describes the fallback font, without failing.
  GetFontInfo("No Such Font Family 123");
}

TEST(ToolCheckFonts, FixedPitchAgreesWithFontconfig) {
  ControlsTestApp();
  // Monospaced (100) and dual-width (90: CJK fonts whose wide glyphs take two
  // cells) both give every Latin character one width.
  testsupport::CommandResult fc = testsupport::RunCommand("fc-list :spacing=100 family; fc-list :spacing=90 family");
  // Families whose files declare a spacing at all; for the others fontconfig
  // has no opinion, and the advances of a few Latin letters decide.
  testsupport::CommandResult declared = testsupport::RunCommand("fc-list : family spacing | grep ':spacing='");
  ASSERT_NE(declared.exitCode, -1);
  ASSERT_EQ(fc.exitCode, 0);
  std::set<std::string> mono;
  size_t start = 0;
  while (start < fc.out.size()) {
    size_t end = fc.out.find('\n', start);
    if (end == std::string::npos) end = fc.out.size();
    std::string line = fc.out.substr(start, end - start);
    // "Family,Other Name": every name of the family counts.
    size_t from = 0;
    while (from <= line.size()) {
      size_t comma = line.find(',', from);
      if (comma == std::string::npos) comma = line.size();
      if (comma > from) mono.insert(line.substr(from, comma - from));
      from = comma + 1;
    }
    start = end + 1;
  }
  // Every family fontconfig lists (Qt adds aliases such as "Monospace" that
  // are no installed family).
  testsupport::CommandResult all = testsupport::RunCommand("fc-list : family");
  ASSERT_EQ(all.exitCode, 0);
  TStrArray qtFamilies = InstalledFontFamilies();
  int checked = 0;
  start = 0;
  while (start < all.out.size()) {
    size_t end = all.out.find('\n', start);
    if (end == std::string::npos) end = all.out.size();
    std::string family = all.out.substr(start, std::min(all.out.find(',', start), end) - start);
    start = end + 1;
    if (family.empty() || std::find(qtFamilies.begin(), qtFamilies.end(), family) == qtFamilies.end()) continue;
    bool expectFixed = mono.count(family) > 0;
    if (!expectFixed && declared.out.find(family) == std::string::npos) {
      const QFontMetrics metrics{QFont(QString::fromStdString(family), 12)};
      const int width = metrics.horizontalAdvance(QLatin1Char('i'));
      expectFixed = width == metrics.horizontalAdvance(QLatin1Char('W')) &&
                    width == metrics.horizontalAdvance(QLatin1Char('m')) &&
                    width == metrics.horizontalAdvance(QLatin1Char('.'));
    }
    EXPECT_EQ(GetFontInfo(family).FixedPitch, expectFixed) << family;
    ++checked;
  }
  EXPECT_GT(checked, 0);
}
