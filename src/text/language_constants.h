// How the program names a user-interface language.
//
// Every window, text setter and settings file passes the language as a plain
// 32-bit number, the language constant (0 English ... 14 Korean). TLanguages
// orders the same languages differently and serves where a set of offered
// languages is needed; SprLangToSprConst is the only bridge between the two.
#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <string>

// The language constants.
inline constexpr int32_t SprLangEnglish = 0;
inline constexpr int32_t SprLangGerman = 1;
inline constexpr int32_t SprLangDanish = 2;
inline constexpr int32_t SprLangBrazilianPortuguese = 3;
inline constexpr int32_t SprLangSpanish = 4;
inline constexpr int32_t SprLangSimplifiedChinese = 5;
inline constexpr int32_t SprLangFrench = 6;
inline constexpr int32_t SprLangRussian = 7;
inline constexpr int32_t SprLangDutch = 8;
inline constexpr int32_t SprLangItalian = 9;
inline constexpr int32_t SprLangJapanese = 10;
inline constexpr int32_t SprLangSerbian = 11;
inline constexpr int32_t SprLangPolish = 12;
inline constexpr int32_t SprLangArabic = 13;
inline constexpr int32_t SprLangKorean = 14;
inline constexpr int32_t SprLanguageCount = 15;

// The ordinal is not the language constant (they agree only for EN, DE, DA).
enum TLanguages : uint8_t {
  langEN,
  langDE,
  langDA,
  langES,
  langFR,
  langIT,
  langNL,
  langPL,
  langPTBR,
  langRU,
  langSR,
  langAR,
  langJA,
  langKO,
  langZHSIMP,
};

// One bit per TLanguages value (bit = ordinal).
class TLanguageSet {
 public:
  TLanguageSet() = default;
  TLanguageSet(std::initializer_list<TLanguages> languages) {
    for (TLanguages l : languages) Include(l);
  }
  static TLanguageSet AllLanguages() {
    TLanguageSet s;
    for (int i = 0; i < SprLanguageCount; ++i) s.Include(static_cast<TLanguages>(i));
    return s;
  }
  void Include(TLanguages l) {
    if (l < SprLanguageCount) FBits.set(l);
  }
  void Exclude(TLanguages l) {
    if (l < SprLanguageCount) FBits.reset(l);
  }
  bool Contains(TLanguages l) const { return l < SprLanguageCount && FBits.test(l); }
  bool Empty() const { return FBits.none(); }
  int Count() const { return static_cast<int>(FBits.count()); }
  bool operator==(const TLanguageSet&) const = default;

 private:
  std::bitset<SprLanguageCount> FBits;
};

// Raised after a language switch with the language constant now in force.
using TLanguageChangeNotification = std::function<void(int32_t ANewLanguage)>;

// The widget library's reading directions; this module yields only the first two.
enum TBiDiMode : uint8_t {
  bdLeftToRight,
  bdRightToLeft,
  bdRightToLeftNoAlign,
  bdRightToLeftReadingOnly,
};

// "EN", "DE", "PTBR", "ZHSIMP" ...; empty outside 0..14.
std::string SprConstToString(int32_t language);
// "en", "de", "pt", "zh" ...; "xx" outside 0..14; upper-cased when upperCase.
std::string SprConstTo2CharString(int32_t language, bool upperCase);
// The language constant of a TLanguages value; German (1) for a value outside the enumeration.
int32_t SprLangToSprConst(TLanguages language);
// The language's own name in its own script; "Deutsch" outside the enumeration.
std::string SprLangToSprName(TLanguages language);
// Right to left for Arabic (13) only.
TBiDiMode SprGetBiDiModeOfLanguage(int32_t language);
