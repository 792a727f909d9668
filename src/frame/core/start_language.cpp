#include "frame/core/start_language.h"

#include <filesystem>

#include "foundation/letter_case.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"
#include "foundation/text_files.h"

namespace {

std::string LangLineOf(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::string();
  TStrArray lines;
  ExplodeAtEveryLineBreak(lines, LoadString(path));
  for (const std::string& line : lines)
    if (line.compare(0, 5, "lang=") == 0) return line.substr(5);
  return std::string();
}

// Everything before the first "-" (after "_" became "-"), trimmed.
std::string LanguagePart(std::string s) {
  for (char& c : s)
    if (c == '_') c = '-';
  if (size_t dash = s.find('-'); dash != std::string::npos) s = Trim(s.substr(0, dash));
  return s;
}

struct TCodeRow {
  const char* Code;
  int32_t Constant;
  TLanguages Member;
};

// Later rows override earlier ones, so the order decides between two codes.
constexpr TCodeRow kCodeOrder[] = {
    {"en", SprLangEnglish, langEN},
    {"da", SprLangDanish, langDA},
    {"pt", SprLangBrazilianPortuguese, langPTBR},
    {"es", SprLangSpanish, langES},
    {"de", SprLangGerman, langDE},
    {"fr", SprLangFrench, langFR},
    {"zh", SprLangSimplifiedChinese, langZHSIMP},
    {"ru", SprLangRussian, langRU},
    {"nl", SprLangDutch, langNL},
    {"it", SprLangItalian, langIT},
    {"ja", SprLangJapanese, langJA},
    {"ko", SprLangKorean, langKO},
    {"pl", SprLangPolish, langPL},
    {"sr", SprLangSerbian, langSR},
    {"ar", SprLangArabic, langAR},
};

// "de_DE.UTF-8@euro" -> "de_DE"; "C" and "POSIX" name no language.
std::string LocaleName(std::string s) {
  if (size_t at = s.find_first_of(".@"); at != std::string::npos) s.resize(at);
  if (s == "C" || s == "POSIX") return std::string();
  return s;
}

}  // namespace

std::string LoadLangCfgValue(const std::string& applicationFolder, const std::string& configFolder) {
  std::string value = LangLineOf(applicationFolder + "lang.cfg");
  if (value.empty()) value = LangLineOf(configFolder + "lang.cfg");
  return value;
}

int32_t ChooseStartLanguage(const std::string& langCfgValue, const std::string& systemLanguage,
                            const std::string& systemFallback, const TLanguageSet& offered) {
  std::string s = langCfgValue;
  std::string fallback;
  if (s.empty()) {
    s = systemLanguage;
    fallback = systemFallback;
  }
  const std::string t = ASCIILowerCase(" " + LanguagePart(s) + " " + LanguagePart(fallback) + " ");
  int32_t result = SprLangEnglish;
  for (const TCodeRow& row : kCodeOrder)
    if (t.find(row.Code) != std::string::npos && offered.Contains(row.Member)) result = row.Constant;
  return result;
}

void SystemLanguagesFromEnvironment(const std::string& language, const std::string& lcAll,
                                    const std::string& lcMessages, const std::string& lang, std::string& preferred,
                                    std::string& fallback) {
  preferred.clear();
  fallback.clear();
  TStrArray parts;
  if (!language.empty()) ExplodeAtChar(parts, ':', language);
  for (const std::string& part : parts) {
    std::string name = LocaleName(part);
    if (name.empty()) continue;
    if (preferred.empty())
      preferred = name;
    else if (fallback.empty())
      fallback = name;
  }
  if (preferred.empty()) {
    for (const std::string* v : {&lcAll, &lcMessages, &lang}) {
      preferred = LocaleName(*v);
      if (!preferred.empty()) break;
    }
  }
  if (fallback.empty() && !preferred.empty()) {
    std::string base = preferred.substr(0, preferred.find_first_of("_-"));
    if (base != preferred) fallback = base;
  }
}

std::string LangCfgContent(int32_t language) { return "lang=" + ASCIILowerCase(SprConstToString(language)); }
