#include <gtest/gtest.h>

#include <filesystem>

#include "frame/core/start_language.h"
#include "frame/core/version_strings.h"
#include "test_support.h"

namespace {

TEST(VersionStrings, DateForms) {
  struct TCase {
    const char *Date, *Year, *Version, *Stamp;
  };
  const TCase cases[] = {
      {"2023/10/30", "2023", "23.10.30", "231030"},
      {"2024/01/05", "2024", "24.1.5", "240105"},
      {"05.01.2024", "2024", "24.1.5", "240105"},
      {"2023/1/05", "2023", "2023/1/05", "2023/1/05"},
      {"abcdefghij", "", "abcdefghij", "abcdefghij"},
      {"2023", "", "2023", "2023"},
      {"", "", "", ""},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(GetProgCompilationYear(c.Date), c.Year) << c.Date;
    EXPECT_EQ(GetProgVersion(c.Date), c.Version) << c.Date;
    EXPECT_EQ(GetProgVersionAsYYMMDD(c.Date), c.Stamp) << c.Date;
  }
}

TEST(VersionStrings, BuildDateFromTheCompiler) {
  EXPECT_EQ(BuildDateFromCompilerDate("Dec 11 2026"), "2026/12/11");
  EXPECT_EQ(BuildDateFromCompilerDate("Jan  5 2024"), "2024/01/05");
  EXPECT_EQ(GetProgVersion(BuildDateFromCompilerDate("Jan  5 2024")), "24.1.5");
  EXPECT_EQ(BuildDateFromCompilerDate("Foo 11 2026"), "Foo 11 2026");
  EXPECT_EQ(BuildDateFromCompilerDate("??? ?? ????"), "??? ?? ????");
  EXPECT_EQ(BuildDateFromCompilerDate(""), "");
}

const TLanguageSet kProgramLanguages = [] {
  TLanguageSet s = TLanguageSet::AllLanguages();
  s.Exclude(langKO);
  return s;
}();

TEST(StartLanguage, Table) {
  struct TCase {
    const char *Cfg, *System, *Fallback;
    TLanguageSet Offered;
    int32_t Expected;
  };
  const TLanguageSet enDe{langEN, langDE};
  const TCase cases[] = {
      {"ptbr", "", "", kProgramLanguages, 3},
      {"zhsimp", "", "", kProgramLanguages, 5},
      {"pt-BR", "", "", kProgramLanguages, 3},
      {"pt_BR", "", "", kProgramLanguages, 3},
      {"de es", "", "", kProgramLanguages, 1},
      {"ar", "", "", kProgramLanguages, 13},
      {" de ", "fr_FR", "fr", kProgramLanguages, 1},
      {"xx", "de_DE", "de", kProgramLanguages, 0},
      {"", "fr_CA", "fr", kProgramLanguages, 6},
      {"", "fr_CA", "fr", enDe, 0},
      {"", "ko_KR", "ko", kProgramLanguages, 0},
      {"", "ko_KR", "ko", TLanguageSet::AllLanguages(), 14},
      {"", "de-AT", "", enDe, 1},
      {"", "", "", kProgramLanguages, 0},
      {"", "sr-Latn-RS", "sr", kProgramLanguages, 11},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(ChooseStartLanguage(c.Cfg, c.System, c.Fallback, c.Offered), c.Expected)
        << "'" << c.Cfg << "' '" << c.System << "' '" << c.Fallback << "'";
}

TEST(StartLanguage, LangCfgLookup) {
  testsupport::TempDir app, config;
  const std::string a = app.str() + "/", c = config.str() + "/";
  EXPECT_EQ(LoadLangCfgValue(a, c), "");
  testsupport::WriteFileBytes(c + "lang.cfg", "lang=fr");
  EXPECT_EQ(LoadLangCfgValue(a, c), "fr");
  testsupport::WriteFileBytes(a + "lang.cfg", "LANG=de\r\n");
  EXPECT_EQ(LoadLangCfgValue(a, c), "fr");
  testsupport::WriteFileBytes(a + "lang.cfg", "x=1\rlang=\nlang=it");
  EXPECT_EQ(LoadLangCfgValue(a, c), "fr");
  testsupport::WriteFileBytes(a + "lang.cfg", "\xEF\xBB\xBFlang=ptbr\nlang=de");
  EXPECT_EQ(LoadLangCfgValue(a, c), "ptbr");
  std::filesystem::remove(a + "lang.cfg");
  std::filesystem::create_directory(a + "lang.cfg");
  EXPECT_EQ(LoadLangCfgValue(a, c), "fr");
}

TEST(StartLanguage, Environment) {
  struct TCase {
    const char *Language, *LcAll, *LcMessages, *Lang, *Preferred, *Fallback;
  };
  const TCase cases[] = {
      {"", "", "", "de_DE.UTF-8", "de_DE", "de"},
      {"fr_CA:fr:en", "de_DE.UTF-8", "", "", "fr_CA", "fr"},
      {"", "C.UTF-8", "it_IT@euro", "es_ES", "it_IT", "it"},
      {"", "", "", "C", "", ""},
      {"C:POSIX", "", "", "pl", "pl", ""},
      {"", "", "", "", "", ""},
  };
  for (const TCase& c : cases) {
    std::string preferred, fallback;
    SystemLanguagesFromEnvironment(c.Language, c.LcAll, c.LcMessages, c.Lang, preferred, fallback);
    EXPECT_EQ(preferred, c.Preferred) << c.Language << "|" << c.LcAll << "|" << c.LcMessages << "|" << c.Lang;
    EXPECT_EQ(fallback, c.Fallback) << c.Language << "|" << c.LcAll << "|" << c.LcMessages << "|" << c.Lang;
  }
}

TEST(StartLanguage, WrittenCodesRestoreTheirLanguage) {
  for (int32_t l = 0; l < SprLanguageCount; ++l) {
    const std::string content = LangCfgContent(l);
    ASSERT_EQ(content.rfind("lang=", 0), 0u);
    EXPECT_EQ(ChooseStartLanguage(content.substr(5), "", "", TLanguageSet::AllLanguages()), l) << content;
  }
  EXPECT_EQ(LangCfgContent(3), "lang=ptbr");
}

}  // namespace
