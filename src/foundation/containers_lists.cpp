#include "foundation/containers_lists.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "foundation/hoare_quicksort.h"
#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/regex.h"
#include "foundation/utf8.h"

namespace {

int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

// --- TIntArrayObj --------------------------------------------------------------

void TIntArrayObj::UpdateIfLarger(int32_t index, int32_t value) {
  if (index < 0) return;
  if (static_cast<size_t>(index) >= Items.size()) Items.resize(static_cast<size_t>(index) + 1, 0);
  int32_t& v = Items[index];
  if (v == 0 || v < value) v = value;
}

int32_t TIntArrayObj::GetSum() const {
  uint32_t sum = 0;
  for (int32_t v : Items) sum += static_cast<uint32_t>(v);
  return static_cast<int32_t>(sum);
}

// --- TStrArrayObj --------------------------------------------------------------

void TStrArrayObj::AddStringAsCharArray(std::string_view text) {
  // text may be one of Items, which growing the list would move.
  TStrArray chars;
  size_t pos = 0;
  while (pos < text.size() && text[pos] != '\0') {
    const size_t start = pos;
    UTF8DecodeAt(text, pos);
    chars.emplace_back(text.substr(start, pos - start));
  }
  Items.insert(Items.end(), std::make_move_iterator(chars.begin()), std::make_move_iterator(chars.end()));
}

int32_t TStrArrayObj::Contains(std::string_view text, bool ignoreCase) const {
  if (!ignoreCase) {
    for (size_t i = 0; i < Items.size(); ++i)
      if (Items[i] == text) return static_cast<int32_t>(i);
    return -1;
  }
  const std::string upper = UpperCaseNarrow(text);
  for (size_t i = 0; i < Items.size(); ++i)
    if (UpperCaseNarrow(Items[i]) == upper) return static_cast<int32_t>(i);
  return -1;
}

// --- TIntStrArrayObj -----------------------------------------------------------

int32_t TIntStrArrayObj::Find(std::string_view str) const { return Items.Find(str); }

int32_t TIntStrArrayObj::GetInt(int32_t index) const {
  if (index < 0 || index >= Count()) return 0;
  return Items[index].Int;
}

int32_t TIntStrArrayObj::GetInt(std::string_view str, int32_t defaultValue) const {
  const int32_t i = Find(str);
  return i < 0 ? defaultValue : Items[i].Int;
}

std::string TIntStrArrayObj::GetStr(int32_t index) const {
  if (index < 0 || index >= Count()) return {};
  return Items[index].Str;
}

std::string TIntStrArrayObj::GetIntAsStr(int32_t index) const {
  if (index < 0 || index >= Count()) return {};
  return IntToStr(Items[index].Int);
}

int32_t TIntStrArrayObj::Add(int32_t value, std::string_view str) {
  Items.push_back(TIntStr{value, std::string(str)});
  return Count() - 1;
}

void TIntStrArrayObj::Add(int32_t value, const TStrArrayObj& list) {
  for (const auto& s : list.Items) Add(value, s);
}

void TIntStrArrayObj::AddIfStringNotExists(int32_t value, std::string_view str) {
  if (Find(str) < 0) Add(value, str);
}

void TIntStrArrayObj::AddIfStringNotExists(int32_t value, const TStrArrayObj& list) {
  for (const auto& s : list.Items) AddIfStringNotExists(value, s);
}

void TIntStrArrayObj::AddOrIncreaseIfStringExists(const TIntStrArrayObj& other) {
  if (&other == this) {
    // Merging a list into itself must read the counts as they were.
    const TIntStrArray snapshot = other.Items.Vector();
    for (const auto& p : snapshot) Inc(std::string_view(p.Str), p.Int);
    return;
  }
  for (const auto& p : other.Items) Inc(std::string_view(p.Str), p.Int);
}

void TIntStrArrayObj::Inc(int32_t index, int32_t by) {
  if (index < 0) return;
  if (index >= Count()) {
    Insert(index, by, "");
    return;
  }
  TIntStr& pair = Items.Keyed()[index];
  pair.Int = WrappingAdd(pair.Int, by);
}

void TIntStrArrayObj::Inc(std::string_view str, int32_t by) {
  const int32_t i = Find(str);
  if (i >= 0) {
    TIntStr& pair = Items.Keyed()[i];
    pair.Int = WrappingAdd(pair.Int, by);
  } else {
    Add(by, str);
  }
}

int32_t TIntStrArrayObj::Contains(std::string_view str) const { return Find(str); }

int32_t TIntStrArrayObj::Sum() const {
  uint32_t sum = 0;
  for (const auto& p : Items) sum += static_cast<uint32_t>(p.Int);
  return static_cast<int32_t>(sum);
}

void TIntStrArrayObj::Clear() { Items.clear(); }

void TIntStrArrayObj::Insert(int32_t index, int32_t value, std::string_view str) {
  if (index < 0) return;
  if (index < Count()) {
    Items.insert(Items.cbegin() + index, TIntStr{value, std::string(str)});
    return;
  }
  // Appending keeps the index valid: the new tail is indexed on the next lookup.
  // The pair is made first: str may be a text of Items, which growing moves.
  TIntStr pair{value, std::string(str)};
  std::vector<TIntStr>& items = Items.Keyed();
  items.resize(static_cast<size_t>(index) + 1);
  items[index] = std::move(pair);
}

void TIntStrArrayObj::Delete(int32_t index) {
  if (index < 0 || index >= Count()) return;
  Items.erase(Items.cbegin() + index);
}

void TIntStrArrayObj::Swap(int32_t index1, int32_t index2) {
  if (index1 < 0 || index2 < 0 || index1 >= Count() || index2 >= Count()) return;
  std::swap(Items[index1], Items[index2]);
}

template <typename Keep>
void TIntStrArrayObj::KeepOnly(Keep keep) {
  // One pass keeps the survivors in their order, as deleting from the end would.
  std::vector<TIntStr>& items = Items.Keyed();
  auto out = items.begin();
  for (auto it = items.begin(); it != items.end(); ++it) {
    if (keep(*it)) {
      if (out != it) *out = std::move(*it);
      ++out;
    }
  }
  if (out != items.end()) Items.erase(out, items.end());
}

void TIntStrArrayObj::DeleteAllValuesSmallerThan(int32_t limit) {
  KeepOnly([limit](const TIntStr& p) { return p.Int >= limit; });
}

void TIntStrArrayObj::DeleteAllStringsShorterThan(int32_t limit) {
  if (limit <= 0) return;
  KeepOnly([limit](const TIntStr& p) {
    // A text has no more characters than bytes.
    if (p.Str.size() < static_cast<size_t>(limit)) return false;
    return UTF8Length(p.Str) >= static_cast<size_t>(limit);
  });
}

void TIntStrArrayObj::KeepText(TTextTest test, std::string_view text, bool matchCase, bool isRegex) {
  if (isRegex) {
    // One compiled pattern serves every pair; without matchCase the pattern
    // stays as written and matches case-insensitively.
    TRegex re(text, !matchCase);
    switch (test) {
      case TTextTest::StartsWith: KeepOnly([&](const TIntStr& p) { return re.Pos(p.Str) == 1; }); break;
      case TTextTest::EndsWith: KeepOnly([&](const TIntStr& p) { return re.EndsWith(p.Str); }); break;
      case TTextTest::Contains: KeepOnly([&](const TIntStr& p) { return re.Pos(p.Str) > 0; }); break;
    }
    return;
  }
  if (text.empty()) {
    KeepOnly([](const TIntStr&) { return false; });
    return;
  }
  auto passes = [test](std::string_view str, std::string_view part) {
    switch (test) {
      case TTextTest::StartsWith: return str.starts_with(part);
      case TTextTest::EndsWith: return str.ends_with(part);
      case TTextTest::Contains: return str.find(part) != std::string_view::npos;
    }
    return false;
  };
  if (matchCase) {
    KeepOnly([&](const TIntStr& p) { return passes(p.Str, text); });
  } else {
    const std::string upperText = UpperCaseNarrow(text);
    KeepOnly([&](const TIntStr& p) { return passes(UpperCaseNarrow(p.Str), upperText); });
  }
}

void TIntStrArrayObj::DeleteAllStringsNotStartingWith(std::string_view text, bool matchCase, bool isRegex) {
  KeepText(TTextTest::StartsWith, text, matchCase, isRegex);
}

void TIntStrArrayObj::DeleteAllStringsNotEndingWith(std::string_view text, bool matchCase, bool isRegex) {
  KeepText(TTextTest::EndsWith, text, matchCase, isRegex);
}

void TIntStrArrayObj::DeleteAllStringsNotContaining(std::string_view text, bool matchCase, bool isRegex) {
  KeepText(TTextTest::Contains, text, matchCase, isRegex);
}

namespace {

template <typename Key>
struct TSortEntry {
  Key key;
  uint32_t pos;
};

template <typename Key, typename Before>
void SortEntries(std::vector<TSortEntry<Key>>& a, const Before& before) {
  Key pivot{};
  HoareQuickSort(
      a.size(), [&](ptrdiff_t m) { pivot = a[m].key; }, [&](ptrdiff_t i) { return before(a[i].key, pivot); },
      [&](ptrdiff_t j) { return before(pivot, a[j].key); }, [&](ptrdiff_t i, ptrdiff_t j) { std::swap(a[i], a[j]); },
      [&](ptrdiff_t lo, ptrdiff_t hi) {
        std::stable_sort(a.begin() + lo, a.begin() + hi + 1,
                         [&](const TSortEntry<Key>& x, const TSortEntry<Key>& y) { return before(x.key, y.key); });
      });
}

// Moves the pairs into the order the sorted entries give.
template <typename Entry>
void ApplyOrder(TIntStrArray& items, const std::vector<Entry>& order) {
  TIntStrArray sorted;
  sorted.reserve(items.size());
  for (const auto& e : order) sorted.push_back(std::move(items[e.pos]));
  items.swap(sorted);
}

void SortByInt(TIntStrArray& items, bool descending) {
  if (items.size() < 2) return;
  std::vector<TSortEntry<int32_t>> order(items.size());
  for (size_t i = 0; i < items.size(); ++i) order[i] = {items[i].Int, static_cast<uint32_t>(i)};
  if (descending)
    SortEntries(order, [](int32_t a, int32_t b) { return a > b; });
  else
    SortEntries(order, [](int32_t a, int32_t b) { return a < b; });
  ApplyOrder(items, order);
}

// An upper-cased key with its first eight bytes as a number (zero-padded,
// most significant first): different numbers order the keys as their bytes
// do, so most comparisons touch neither the key's memory nor memcmp.
struct TStrKey {
  uint64_t head;
  std::string_view text;
};

TStrKey MakeStrKey(std::string_view text) {
  uint64_t head = 0;
  for (size_t k = 0; k < 8; ++k) head = (head << 8) | (k < text.size() ? static_cast<unsigned char>(text[k]) : 0u);
  return {head, text};
}

bool StrKeyLess(const TStrKey& a, const TStrKey& b) {
  if (a.head != b.head) return a.head < b.head;
  return a.text.compare(b.text) < 0;
}

void SortByStr(TIntStrArray& items, bool descending) {
  if (items.size() < 2) return;
  // Each key is upper-cased once; comparing these is the same as upper-casing
  // both texts at every comparison.
  std::vector<std::string> keys(items.size());
  for (size_t i = 0; i < items.size(); ++i) keys[i] = UpperCaseNarrow(items[i].Str);
  std::vector<TSortEntry<TStrKey>> order(items.size());
  for (size_t i = 0; i < items.size(); ++i) order[i] = {MakeStrKey(keys[i]), static_cast<uint32_t>(i)};
  if (descending)
    SortEntries(order, [](const TStrKey& a, const TStrKey& b) { return StrKeyLess(b, a); });
  else
    SortEntries(order, [](const TStrKey& a, const TStrKey& b) { return StrKeyLess(a, b); });
  ApplyOrder(items, order);
}

}  // namespace

void TIntStrArrayObj::SortIntUp() { SortByInt(Items.Changed(), false); }

void TIntStrArrayObj::SortIntDown() { SortByInt(Items.Changed(), true); }

void TIntStrArrayObj::SortStrUp() { SortByStr(Items.Changed(), false); }

void TIntStrArrayObj::SortStrDown() { SortByStr(Items.Changed(), true); }
