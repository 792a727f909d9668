#include "foundation/str_arrays.h"

#include <algorithm>
#include <utility>

#include "foundation/hoare_quicksort.h"
#include "foundation/letter_case.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"
#include "foundation/wildcard.h"

namespace {

// 32-bit addition that wraps around instead of overflowing.
int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

// Sorts values by keys (compared with <) with the library's quicksort; the values
// move with their keys.
template <typename Key, typename Value>
void QuickSortByKeys(std::vector<Key>& keys, std::vector<Value>& values) {
  if (keys.size() < 2) return;
  Key pivot{};
  auto finishKeepingOrder = [&](ptrdiff_t lo, ptrdiff_t hi) {
    std::vector<size_t> order(static_cast<size_t>(hi - lo + 1));
    for (size_t k = 0; k < order.size(); ++k) order[k] = static_cast<size_t>(lo) + k;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<Key> sortedKeys;
    std::vector<Value> sortedValues;
    sortedKeys.reserve(order.size());
    sortedValues.reserve(order.size());
    for (size_t at : order) {
      sortedKeys.push_back(std::move(keys[at]));
      sortedValues.push_back(std::move(values[at]));
    }
    std::move(sortedKeys.begin(), sortedKeys.end(), keys.begin() + lo);
    std::move(sortedValues.begin(), sortedValues.end(), values.begin() + lo);
  };
  HoareQuickSort(
      keys.size(), [&](ptrdiff_t m) { pivot = keys[m]; }, [&](ptrdiff_t i) { return keys[i] < pivot; },
      [&](ptrdiff_t j) { return pivot < keys[j]; },
      [&](ptrdiff_t i, ptrdiff_t j) {
        std::swap(keys[i], keys[j]);
        std::swap(values[i], values[j]);
      },
      finishKeepingOrder);
}

}  // namespace

// --- Conversions -----------------------------------------------------------

bool StrToFloat_AllSeparatorsCheck(std::string_view text, double& value, const NumberFormat& fmt) {
  value = 0;
  std::string t = Trim(text);
  const bool commaFormat = fmt.DecimalSeparator == ",";
  const char foreign = commaFormat ? '.' : ',';
  if (size_t at = t.find(foreign); at != std::string::npos) t[at] = commaFormat ? ',' : '.';
  // A format whose separator is neither "." nor "," still reads ".".
  const NumberFormat readAs{commaFormat ? "," : ".", ""};
  double v;
  if (!TryStrToFloat(t, readAs, v)) return false;
  value = v;
  return true;
}

bool StrToFloat_AllSeparatorsCheck(std::string_view text, double& value) {
  return StrToFloat_AllSeparatorsCheck(text, value, GlobalNumberFormat());
}

double StrToFloat_AllSeparators(std::string_view text, double def, bool allowFraction, const NumberFormat& fmt) {
  std::string t = Trim(text);
  const bool commaFormat = fmt.DecimalSeparator == ",";
  std::replace(t.begin(), t.end(), commaFormat ? '.' : ',', commaFormat ? ',' : '.');
  const NumberFormat readAs{commaFormat ? "," : ".", ""};
  double v;
  if (TryStrToFloat(t, readAs, v)) return v;
  int32_t numerator, denominator;
  if (allowFraction && DivideStringAndIsInt(text, "/", numerator, denominator) && denominator != 0)
    return static_cast<double>(numerator) / static_cast<double>(denominator);
  return def;
}

double StrToFloat_AllSeparators(std::string_view text, double def, bool allowFraction) {
  return StrToFloat_AllSeparators(text, def, allowFraction, GlobalNumberFormat());
}

int32_t BoolToInt(bool b) { return b ? 1 : 0; }

std::string BoolToIntStr(bool b) { return b ? "1" : "0"; }

namespace {
constexpr const char* kSizeTypeTexts[] = {"BestUnit", "Byte", "KB", "MB", "GB", "TB"};
constexpr const char* kFontStyleTexts[] = {"regular", "bold", "italic", "bold-italic"};
}  // namespace

std::string SizeTypeToStr(TSizeType t) {
  auto i = static_cast<size_t>(t);
  return i < std::size(kSizeTypeTexts) ? kSizeTypeTexts[i] : kSizeTypeTexts[0];
}

TSizeType StrToSizeType(std::string_view text, TSizeType def) {
  for (size_t i = 0; i < std::size(kSizeTypeTexts); ++i)
    if (text == kSizeTypeTexts[i]) return static_cast<TSizeType>(i);
  return def;
}

std::string FontStyleTypeToStr(TFontStyleType t) {
  auto i = static_cast<size_t>(t);
  return i < std::size(kFontStyleTexts) ? kFontStyleTexts[i] : kFontStyleTexts[0];
}

TFontStyleType StrToFontStyleType(std::string_view text) {
  for (size_t i = 0; i < std::size(kFontStyleTexts); ++i)
    if (text == kFontStyleTexts[i]) return static_cast<TFontStyleType>(i);
  return fstRegular;
}

int32_t FontStyleTypeToInt(TFontStyleType t) { return static_cast<int32_t>(t); }

// --- Building arrays -------------------------------------------------------

TIntArray CreateIntArray(int32_t value) { return TIntArray{value}; }

TIntArray CreateIntArrayFromNumberAndRangeStr(std::string_view text, bool sort, bool removeDuplicates,
                                              int32_t offsetPositive, int32_t offsetNegative) {
  return CreateIntArrayFromNumberAndRangeStr(text, sort, removeDuplicates, offsetPositive, offsetNegative,
                                             kMaxRangeListNumbers);
}

TIntArray CreateIntArrayFromNumberAndRangeStr(std::string_view text, bool sort, bool removeDuplicates,
                                              int32_t offsetPositive, int32_t offsetNegative, size_t maxNumbers) {
  maxNumbers = std::min(maxNumbers, kMaxRangeListNumbers);
  TIntArray result;
  // ";" separates like ",". One entry at a time: a text of many separators
  // must not become as many strings.
  auto read = [&result, maxNumbers](std::string_view raw) {
    const std::string entry = Trim(raw);
    int32_t value, a, b;
    if (!entry.empty() && TryStrToInt(entry, value)) {
      if (result.size() < maxNumbers) result.push_back(value);
    } else if (DivideStringAndIsInt(entry, "-", a, b)) {
      const int64_t lo = std::min(a, b), hi = std::max(a, b);
      // A typed "1-2000000000" must not ask for billions of numbers.
      if (static_cast<int64_t>(result.size()) + (hi - lo + 1) > static_cast<int64_t>(maxNumbers)) return;
      for (int64_t v = lo; v <= hi; ++v) result.push_back(static_cast<int32_t>(v));
    }
  };
  size_t start = 0;
  for (size_t comma; (comma = text.find_first_of(",;", start)) != std::string_view::npos; start = comma + 1)
    read(text.substr(start, comma - start));
  read(text.substr(start));
  if (!text.empty()) {
    if (sort) SortIntArrayUp(result);
    if (removeDuplicates) result = DeleteDoubleElementsFromArray(result);
    if (offsetPositive != 0) IncArrayElementsPos(result, offsetPositive);
    if (offsetNegative != 0) IncArrayElementsNeg(result, offsetNegative);
  }
  return result;
}

TBooleanArray CreateBooleanArrayFill(int32_t count, bool value) {
  if (count <= 0) return {};
  return TBooleanArray(static_cast<size_t>(count), value ? 1 : 0);
}

int32_t AddArrayElement(TStrArray& arr, std::string value) {
  arr.push_back(std::move(value));
  return static_cast<int32_t>(arr.size()) - 1;
}

int32_t AddArrayElement(TIntArray& arr, int32_t value) {
  arr.push_back(value);
  return static_cast<int32_t>(arr.size()) - 1;
}

bool AddArrayElementsAsNewLine(TStrArray2D& table, const TStrArray& row) {
  table.push_back(row);
  return true;
}

// --- Changing arrays in place ----------------------------------------------

bool IncArrayElementsPos(TIntArray& arr, int32_t number) {
  for (auto& v : arr)
    if (v > 0) v = WrapAdd(v, number);
  return true;
}

bool IncArrayElementsNeg(TIntArray& arr, int32_t number) {
  for (auto& v : arr)
    if (v < 0) v = WrapAdd(v, number);
  return true;
}

void ReplaceInAllArrayElements(TStrArray& arr, std::string_view oldText, std::string_view newText) {
  if (oldText.empty()) return;
  for (auto& s : arr) s = StringReplaceFast(s, oldText, newText);
}

void TrimAllArrayElements(TStrArray& arr) {
  for (auto& s : arr) s = Trim(s);
}

void SortStrArrayUp(TStrArray& arr) {
  if (arr.size() < 2) return;
  std::vector<std::string> keys;
  keys.reserve(arr.size());
  for (const auto& s : arr) keys.push_back(UTF8UpperCase(s));
  QuickSortByKeys(keys, arr);
}

void SortIntArrayUp(TIntArray& arr) {
  // Equal numbers cannot be told apart, so any correct sort gives the
  // quicksort's result.
  std::sort(arr.begin(), arr.end());
}

void SortIntStrArrayStrUp(TIntStrArray& arr) {
  if (arr.size() < 2) return;
  std::vector<std::string> keys;
  keys.reserve(arr.size());
  for (const auto& r : arr) keys.push_back(UTF8UpperCase(r.Str));
  QuickSortByKeys(keys, arr);
}

void ShortenDataSetsInStrArray(TStrArray2D& table, bool expand) {
  if (table.size() < 2) return;
  if (!expand) {
    for (size_t r = table.size() - 1; r >= 1; --r) {
      const TStrArray& above = table[r - 1];
      TStrArray& row = table[r];
      for (size_t c = 0; c < row.size() && c < above.size(); ++c)
        if (row[c] == above[c]) row[c].clear();
    }
  } else {
    for (size_t r = 1; r < table.size(); ++r) {
      const TStrArray& above = table[r - 1];
      TStrArray& row = table[r];
      for (size_t c = 0; c < row.size() && c < above.size(); ++c)
        if (row[c].empty()) row[c] = above[c];
    }
  }
}

// --- Searching and reducing ------------------------------------------------

int32_t InStrArray(const TStrArray& arr, std::string_view text, bool exactMatch, bool ignoreCase,
                   bool alsoElementInText) {
  const std::string needle = ignoreCase ? UTF8UpperCase(text) : std::string(text);
  auto form = [&](const std::string& s) { return ignoreCase ? UTF8UpperCase(s) : s; };
  if (exactMatch) {
    for (size_t i = 0; i < arr.size(); ++i)
      if (form(arr[i]) == needle) return static_cast<int32_t>(i);
    return -1;
  }
  if (!needle.empty()) {
    for (size_t i = 0; i < arr.size(); ++i)
      if (form(arr[i]).find(needle) != std::string::npos) return static_cast<int32_t>(i);
  }
  if (alsoElementInText) {
    for (size_t i = 0; i < arr.size(); ++i) {
      const std::string e = form(arr[i]);
      if (!e.empty() && needle.find(e) != std::string::npos) return static_cast<int32_t>(i);
    }
  }
  return -1;
}

int32_t InStrArrayWildcard(const TStrArray& arr, std::string_view text, bool ignoreCase, bool elementsArePatterns) {
  for (size_t i = 0; i < arr.size(); ++i) {
    const bool match =
        elementsArePatterns ? MatchesWildcard(text, arr[i], !ignoreCase) : MatchesWildcard(arr[i], text, !ignoreCase);
    if (match) return static_cast<int32_t>(i);
  }
  return -1;
}

TIntArray DeleteDoubleElementsFromArrayForSmallArrays(const TIntArray& arr) {
  TIntArray result;
  for (int32_t v : arr)
    if (std::find(result.begin(), result.end(), v) == result.end()) result.push_back(v);
  return result;
}

TIntArray DeleteDoubleElementsFromArrayForBigArrays(const TIntArray& arr) {
  TIntArray sorted = arr;
  SortIntArrayUp(sorted);
  TIntArray result;
  for (int32_t v : sorted)
    if (result.empty() || result.back() != v) result.push_back(v);
  return result;
}

TIntArray DeleteDoubleElementsFromArray(const TIntArray& arr) {
  return arr.size() < 75 ? DeleteDoubleElementsFromArrayForSmallArrays(arr)
                         : DeleteDoubleElementsFromArrayForBigArrays(arr);
}

TStrArray CSVStringToStrArray(std::string_view text, bool trimText, bool trimItems, bool skipEmpty,
                              const TCharSet& separators) {
  TStrArray result;
  const std::string t = trimText ? Trim(text) : std::string(text);
  if (t.empty()) return result;
  TStrArray items;
  ExplodeAtMultipleChars(items, separators, t);
  for (auto& item : items) {
    if (trimItems) item = Trim(item);
    if (item.empty() && skipEmpty) continue;
    result.push_back(std::move(item));
  }
  return result;
}

int32_t SumOfAllArrayElements(const TIntArray& arr) {
  int32_t sum = 0;
  for (int32_t v : arr) sum = WrapAdd(sum, v);
  return sum;
}
