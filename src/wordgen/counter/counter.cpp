#include "wordgen/counter/counter.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <limits>

#include "foundation/doc_txt.h"
#include "foundation/letter_case.h"
#include "foundation/letters.h"
#include "foundation/regex.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"
#include "text/text_store.h"
#include "wordgen/counter/text_statistics.h"

namespace {

constexpr StrResGlobal kSlotInformation = 1;
constexpr StrResGlobal kSlotTotal = 377;
constexpr StrResGlobal kSlotEmptyCounterInput = 990;

constexpr std::string_view kSmallSharpS = "\xC3\x9F";        // ß
constexpr std::string_view kCapitalSharpS = "\xE1\xBA\x9E";  // ẞ

// Combining the cases of one text. An "ß" is first written as the two
// letters "SS" or as the capital "ẞ" (which the upper-casing keeps); with
// alwayscountsmallß every "ẞ" goes back to "ß" afterwards. The excluded and
// only-counted lists take the same way as the text, so that their "ß" still
// names the character the text holds.
// hasSharpS tells whether the whole text holds a "ß" (text may be a piece of it).
std::string CombineCase(std::string_view text, const TCounterSettings& s, bool hasSharpS) {
  std::string out;
  if (hasSharpS) out = StringReplaceFast(text, kSmallSharpS, s.ReplaceCapitalSharpS ? "SS" : kCapitalSharpS);
  out = UpperCaseNarrow(hasSharpS ? std::string_view(out) : text);
  if (hasSharpS && !s.ReplaceCapitalSharpS && s.AlwaysCountSmallSharpS)
    out = StringReplaceFast(out, kCapitalSharpS, kSmallSharpS);
  return out;
}

std::string CombineCase(std::string_view text, const TCounterSettings& s) {
  return CombineCase(text, s, text.find(kSmallSharpS) != std::string_view::npos);
}

// Bytes of the text that are prepared and counted at a time when a count
// goes piece by piece: the text is never copied whole.
constexpr size_t kCountPieceBytes = size_t{1} << 20;

// Words and groups (with or without positions) of a text that is taken as
// it is or only has its cases combined: these are counted piece by piece.
TIntStrArrayObj CountInPieces(std::string_view input, const TCounterSettings& s, std::string_view excluded,
                              std::string_view onlyCounted) {
  using TKind = TPieceCounter::TKind;
  const TKind kind = s.CountType == ctWords ? TKind::Words : s.CountPositions ? TKind::GroupPositions : TKind::Groups;
  TPieceCounter counter(kind, s.CountType, excluded, onlyCounted, s.CountBlanks);
  if (kind == TKind::Groups && s.Sorting == csCharList) counter.PreFill();
  // A "ß" anywhere in the text, even after a NUL, decides how the cases combine.
  const bool hasSharpS = s.CombineLowUp && input.find(kSmallSharpS) != std::string_view::npos;
  // Nothing after a NUL is counted.
  input = input.substr(0, input.find('\0'));
  while (!input.empty()) {
    const size_t end = CountPieceEnd(input, kCountPieceBytes);
    const std::string_view piece = input.substr(0, end);
    if (s.CombineLowUp)
      counter.Feed(CombineCase(piece, s, hasSharpS));
    else
      counter.Feed(piece);
    input.remove_prefix(end);
  }
  return counter.Finish();
}

const std::string& CountExcludeCharsDefaultText() {
  static const std::string chars =
      ".?!:,;-_\u2015\"'\u2019\u2018\u201C\u201D\u201E\u00A7\u20AC$\u00A3%&\u2014/\\\u2044()[]{}+*~#\u00B4`^\u00B0"
      "\u2022\u2026=<>\u00AB\u00BB\u2013|0123456789";
  return chars;
}

}  // namespace

const std::string& CountExcludeCharsDefault() { return CountExcludeCharsDefaultText(); }

std::optional<int64_t> TCounterObj::MinFrequencyLimit(std::string_view percentText, int32_t sum) {
  const std::string s = Trim(percentText);
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  std::string digits;  // significant digits of the mantissa, no leading zeros
  int64_t fractionDigits = 0;
  bool anyDigit = false, separator = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      anyDigit = true;
      if (!digits.empty() || c != '0') digits.push_back(c);
      if (separator) ++fractionDigits;
    } else if ((c == '.' || c == ',') && !separator) {
      separator = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return std::nullopt;
  int64_t exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    bool expNegative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) expNegative = s[i++] == '-';
    const size_t first = i;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
      exponent = std::min<int64_t>(exponent * 10 + (s[i] - '0'), 1000000);
    if (i == first) return std::nullopt;
    if (expNegative) exponent = -exponent;
  }
  if (i != s.size()) return std::nullopt;
  if (digits.empty() || negative) return std::nullopt;  // p is not above 0
  if (sum == 0) return 0;

  // |sum| × digits as a decimal number; the limit is that number shifted
  // right by `scale` digits, rounded up (or down, for a negative sum).
  const uint64_t factor =
      sum < 0 ? uint64_t{0} - static_cast<uint64_t>(static_cast<int64_t>(sum)) : static_cast<uint64_t>(sum);
  std::string product;  // least significant digit first
  uint64_t carry = 0;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    const uint64_t v = static_cast<uint64_t>(*it - '0') * factor + carry;
    product.push_back(static_cast<char>('0' + v % 10));
    carry = v / 10;
  }
  for (; carry > 0; carry /= 10) product.push_back(static_cast<char>('0' + carry % 10));
  std::reverse(product.begin(), product.end());

  const int64_t scale = fractionDigits - exponent + 2;
  std::string_view whole = product;
  bool fraction = false;
  int64_t trailingZeros = 0;
  if (scale <= 0) {
    trailingZeros = -scale;
  } else if (static_cast<int64_t>(product.size()) <= scale) {
    whole = {};
    fraction = true;  // both factors are above 0
  } else {
    const size_t cut = product.size() - static_cast<size_t>(scale);
    whole = std::string_view(product).substr(0, cut);
    fraction = std::string_view(product).substr(cut).find_first_not_of('0') != std::string_view::npos;
  }
  constexpr int64_t kHuge = std::numeric_limits<int64_t>::max();
  if (static_cast<int64_t>(whole.size()) + trailingZeros > 18) return sum > 0 ? kHuge : -kHuge - 1;
  int64_t value = 0;
  for (char c : whole) value = value * 10 + (c - '0');
  for (int64_t z = 0; z < trailingZeros; ++z) value *= 10;
  if (sum > 0) return value + (fraction ? 1 : 0);
  return -value;
}

TCountOutcome TCounterObj::Count(std::string_view input, const TCounterSettings& settings, const NumberFormat& format) {
  const TCounterSettings& s = settings;
  TCountOutcome outcome;
  if (input.empty()) {
    outcome.MessageCaption = SprText(kSlotInformation);
    outcome.MessageText = SprText(kSlotEmptyCounterInput);
    return outcome;
  }

  const int32_t sorting = s.Sorting;
  const int32_t countType = s.CountType;
  std::string onlyCounted = s.OnlyCount ? s.OnlyChars : std::string();
  std::string excluded = s.Exclude ? s.ExcludeChars : std::string();
  if (s.CombineLowUp) {
    onlyCounted = CombineCase(onlyCounted, s);
    excluded = CombineCase(excluded, s);
  }

  TIntStrArrayObj counted;
  const bool regex = s.UseRegex && !s.RegexExpr.empty();
  if (!regex && !s.ReplaceUmlauts && !s.ReplaceAccents && countType >= ctWords && countType <= ctHexagrams) {
    counted = CountInPieces(input, s, excluded, onlyCounted);
  } else {
    std::string text(input);
    if (regex) {
      text = Implode(s.RegexBrackets ? RegFindTextFromRegexFromBrackets(text, s.RegexExpr, false)
                                     : RegFindTextFromRegex(text, s.RegexExpr),
                     "\n");
      if (s.RegexShowMatches && OnShowMatches) OnShowMatches(text);
    }
    if (s.ReplaceUmlauts) text = DiacriticsToAlternative(text, true);
    if (s.ReplaceAccents) text = DiacriticsToLetters(text);
    if (s.CombineLowUp) text = CombineCase(text, s);

    if (countType == ctWords) {
      counted = CountWords(text, excluded, onlyCounted);
    } else if (countType >= ctLetters && countType <= ctHexagrams) {
      if (s.CountPositions)
        counted = CountCharacterPositions(text, countType, excluded, onlyCounted, s.CountBlanks);
      else
        counted = CountCharacters(text, countType, excluded, onlyCounted, s.CountBlanks, sorting == csCharList);
    } else if (countType == ctSyllables) {
      counted = CountSyllables(text);
    }
  }

  if (s.ResetCounter)
    GlobalErg = std::move(counted);
  else
    GlobalErg.AddOrIncreaseIfStringExists(counted);
  counted.Clear();
  GlobalErgCount = GlobalErg.Sum();

  if (sorting != csCharList && s.AddAllCountedChars) {
    // The character list as typed: the items it adds may differ in case from
    // the counted ones. An invalid byte is added as U+FFFD, as the text reads it.
    TStrArrayObj chars;
    chars.AddStringAsCharArray(UTF8IsValid(s.OnlyChars) ? s.OnlyChars : UTF8Repair(s.OnlyChars));
    const size_t added = PossibleCombinationCount(chars.Items.size(), countType);
    if (added <= kMaxPossibleCombinations) GlobalErg.Items.reserve(GlobalErg.Items.size() + added);
    ForEachPossibleCombination(chars.Items, countType,
                               [&](std::string_view item) { GlobalErg.AddIfStringNotExists(0, item); });
  }

  switch (sorting) {
    case csCharUp: GlobalErg.SortStrUp(); break;
    case csCharDown: GlobalErg.SortStrDown(); break;
    case csFreqUp: GlobalErg.SortIntUp(); break;
    case csFreqDown: GlobalErg.SortIntDown(); break;
    default: break;  // occurrence and character-list order stay
  }

  if (sorting == csCharList && !s.AddAllCountedChars) GlobalErg.DeleteAllValuesSmallerThan(1);

  if (s.MinIsPercent) {
    if (auto limit = MinFrequencyLimit(s.MinFrequence, GlobalErg.Sum())) {
      if (*limit > std::numeric_limits<int32_t>::max())
        GlobalErg.Clear();
      else if (*limit > std::numeric_limits<int32_t>::min())
        GlobalErg.DeleteAllValuesSmallerThan(static_cast<int32_t>(*limit));
    }
  } else if (s.MinFrequenceInt > 0) {
    GlobalErg.DeleteAllValuesSmallerThan(s.MinFrequenceInt);
  }

  if (!s.OnlyElementsStartingWith.empty())
    GlobalErg.DeleteAllStringsNotStartingWith(s.OnlyElementsStartingWith, s.OnlyElementsCase, s.OnlyElementsRegex);
  if (!s.OnlyElementsEndingWith.empty())
    GlobalErg.DeleteAllStringsNotEndingWith(s.OnlyElementsEndingWith, s.OnlyElementsCase, s.OnlyElementsRegex);
  if (!s.OnlyElementsContaining.empty())
    GlobalErg.DeleteAllStringsNotContaining(s.OnlyElementsContaining, s.OnlyElementsCase, s.OnlyElementsRegex);

  if (s.MinLength > 1) GlobalErg.DeleteAllStringsShorterThan(s.MinLength);

  outcome.Counted = true;
  outcome.Output = CountAusgabe(s, format);
  return outcome;
}

void TCounterObj::ResetCounter() { GlobalErg.Clear(); }

TStrArray2D TCounterObj::GlobalErgAsStrArray2D(const TCounterSettings& settings, const NumberFormat& format) const {
  TStrArray2D table;
  table.reserve(GlobalErg.Items.size());
  const int32_t base = settings.OldBasis ? GlobalErgCount : GlobalErg.Sum();
  for (const TIntStr& pair : GlobalErg.Items) {
    TStrArray row;
    row.reserve(3);
    row.push_back(pair.Str);
    if (settings.ShowNumber) row.push_back(IntToStr(pair.Int));
    if (settings.ShowFrequency) {
      const double percent = base > 0 ? static_cast<double>(pair.Int) / static_cast<double>(base) * 100.0 : 0.0;
      row.push_back(FormatFloatFixed(percent, settings.PercentDecimalPlaces, format) + "%");
    }
    table.push_back(std::move(row));
  }
  return table;
}

namespace {

// A cell between FIRST STRONG ISOLATE and POP DIRECTIONAL ISOLATE; a cell that
// begins with a combining mark shows it on U+25CC DOTTED CIRCLE.
std::string IsolatedCell(const std::string& cell) {
  if (cell.empty()) return cell;
  std::string out = "\xE2\x81\xA8";  // U+2068
  size_t pos = 0;
  const char32_t first = UTF8DecodeAt(cell, pos);
  if ((U_GET_GC_MASK(static_cast<UChar32>(first)) & U_GC_M_MASK) != 0) out += "\xE2\x97\x8C";  // U+25CC
  out += cell;
  out += "\xE2\x81\xA9";  // U+2069
  return out;
}

}  // namespace

std::string TCounterObj::CountAusgabe(const TCounterSettings& settings, const NumberFormat& format) const {
  TStrArray2D table = GlobalErgAsStrArray2D(settings, format);
  if (table.empty()) return {};
  if (settings.ShowTotal) table.push_back({SprText(kSlotTotal), IntToStr(GlobalErg.Sum()), std::string()});
  if (settings.IsolateCells)
    for (TStrArray& row : table)
      for (std::string& cell : row) cell = IsolatedCell(cell);
  TDocTXT doc;
  doc.SetColAlignment(1, TDocTXT::taRightJustify);
  doc.SetColAlignment(2, TDocTXT::taRightJustify);
  doc.AddTable(table);
  return std::move(doc.AsText);
}
