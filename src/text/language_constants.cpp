#include "text/language_constants.h"

#include <array>

namespace {

struct LanguageRow {
  const char* Code;
  const char* TwoChar;
};

// Indexed by language constant.
constexpr std::array<LanguageRow, SprLanguageCount> kLanguageRows = {{
    {"EN", "en"},
    {"DE", "de"},
    {"DA", "da"},
    {"PTBR", "pt"},
    {"ES", "es"},
    {"ZHSIMP", "zh"},
    {"FR", "fr"},
    {"RU", "ru"},
    {"NL", "nl"},
    {"IT", "it"},
    {"JA", "ja"},
    {"SR", "sr"},
    {"PL", "pl"},
    {"AR", "ar"},
    {"KO", "ko"},
}};

struct EnumRow {
  int32_t Constant;
  const char* OwnName;
};

// Indexed by TLanguages ordinal. Non-ASCII names are spelled as UTF-8 bytes so
// that no editor can normalise them (the Arabic name carries four harakat).
constexpr std::array<EnumRow, SprLanguageCount> kEnumRows = {{
    {SprLangEnglish, "English"},         // langEN
    {SprLangGerman, "Deutsch"},          // langDE
    {SprLangDanish, "Dansk"},            // langDA
    {SprLangSpanish, "Espa\xC3\xB1ol"},  // langES
    {SprLangFrench,
     "Fran\xC3\xA7"
     "ais"},                                                                       // langFR
    {SprLangItalian, "Italiano"},                                                  // langIT
    {SprLangDutch, "Nederlands"},                                                  // langNL
    {SprLangPolish, "Polski"},                                                     // langPL
    {SprLangBrazilianPortuguese, "Portugu\xC3\xAAs do Brasil"},                    // langPTBR
    {SprLangRussian, "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9"},  // langRU
    {SprLangSerbian, "\xD0\xA1\xD1\x80\xD0\xBF\xD1\x81\xD0\xBA\xD0\xB8"},          // langSR
    {SprLangArabic,
     "\xD8\xA7\xD9\x8E\xD9\x84\xD9\x92\xD8\xB9\xD9\x8E\xD8\xB1\xD9\x8E\xD8\xA8\xD9\x90"
     "\xD9\x8A\xD9\x8E\xD9\x91\xD8\xA9"},                                            // langAR
    {SprLangJapanese, "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},                       // langJA
    {SprLangKorean, "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4"},                         // langKO
    {SprLangSimplifiedChinese, "\xE7\xAE\x80\xE4\xBD\x93\xE4\xB8\xAD\xE6\x96\x87"},  // langZHSIMP
}};

bool IsLanguage(int32_t language) { return language >= 0 && language < SprLanguageCount; }

}  // namespace

std::string SprConstToString(int32_t language) {
  if (!IsLanguage(language)) return {};
  return kLanguageRows[static_cast<size_t>(language)].Code;
}

std::string SprConstTo2CharString(int32_t language, bool upperCase) {
  std::string s = IsLanguage(language) ? kLanguageRows[static_cast<size_t>(language)].TwoChar : "xx";
  if (upperCase) {
    for (char& c : s)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return s;
}

int32_t SprLangToSprConst(TLanguages language) {
  if (language >= SprLanguageCount) return SprLangGerman;
  return kEnumRows[language].Constant;
}

std::string SprLangToSprName(TLanguages language) {
  if (language >= SprLanguageCount) return kEnumRows[langDE].OwnName;
  return kEnumRows[language].OwnName;
}

TBiDiMode SprGetBiDiModeOfLanguage(int32_t language) {
  return language == SprLangArabic ? bdRightToLeft : bdLeftToRight;
}
