#include "foundation/containers_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/sort_adversary.h"
#include "support/test_support.h"

namespace {

using Strs = std::vector<std::string>;

TIntStrArrayObj MakePairs(const std::vector<TIntStr>& pairs) {
  TIntStrArrayObj list;
  for (const auto& p : pairs) list.Add(p.Int, p.Str);
  return list;
}

Strs StrsOf(const TIntStrArrayObj& list) {
  Strs out;
  for (const auto& p : list.Items) out.push_back(p.Str);
  return out;
}

TEST(IntArrayObj, UpdateIfLargerTreatsZeroAsUnset) {
  TIntArrayObj a;
  a.UpdateIfLarger(3, 5);
  EXPECT_EQ(a.Items, TIntArray({0, 0, 0, 5}));
  a.UpdateIfLarger(3, 2);
  EXPECT_EQ(a.Items[3], 5);
  a.UpdateIfLarger(0, -4);  // 0 counts as not set, so even a negative value goes in
  EXPECT_EQ(a.Items[0], -4);
  a.UpdateIfLarger(0, -9);
  EXPECT_EQ(a.Items[0], -4);
  a.UpdateIfLarger(0, -1);
  EXPECT_EQ(a.Items[0], -1);
  a.UpdateIfLarger(-1, 7);  // outside the list's range: nothing happens
  EXPECT_EQ(a.Count(), 4);
  EXPECT_EQ(a.Sum(), 4);
}

TEST(IntArrayObj, SumWrapsIn32Bits) {
  TIntArrayObj a;
  EXPECT_EQ(a.GetSum(), 0);
  a.Items = {std::numeric_limits<int32_t>::max(), 1};
  EXPECT_EQ(a.Sum(), std::numeric_limits<int32_t>::min());
  a.Items = {std::numeric_limits<int32_t>::min(), -1};
  EXPECT_EQ(a.Sum(), std::numeric_limits<int32_t>::max());
}

TEST(StrArrayObj, CharactersAndContains) {
  TStrArrayObj s;
  s.AddStringAsCharArray("aé€😀");
  EXPECT_EQ(s.Items, Strs({"a", "é", "€", "😀"}));
  s.AddStringAsCharArray(std::string("x\0y", 3));  // stops at the NUL character
  s.AddStringAsCharArray("");
  EXPECT_EQ(s.Count(), 5);
  EXPECT_EQ(s.Items.back(), "x");

  TStrArrayObj words;
  words.Items = {"Weg", "straße", "Ärger", "日本"};
  EXPECT_EQ(words.Contains("STRASSE", true), 1);
  EXPECT_EQ(words.Contains("STRASSE", false), -1);
  EXPECT_EQ(words.Contains("straße", false), 1);
  EXPECT_EQ(words.Contains("ärger", true), 2);
  EXPECT_EQ(words.Contains("WEG", true), 0);
  EXPECT_EQ(words.Contains("日本", true), 3);
  EXPECT_EQ(words.Contains("nope", true), -1);
}

TEST(ContainerArguments, TextsTakenFromTheListItself) {
  // The list grows while the argument, a short text the list holds in its own
  // storage, is still being read.
  TStrArrayObj s;
  s.Items = {"aäb€c"};
  s.AddStringAsCharArray(s.Items[0]);
  EXPECT_EQ(s.Items, Strs({"aäb€c", "a", "ä", "b", "€", "c"}));

  TIntStrArrayObj c;
  c.Add(1, "short");
  c.Insert(40, 2, c.Items[0].Str);
  ASSERT_EQ(c.Count(), 41);
  EXPECT_EQ(c.Items[40], (TIntStr{2, "short"}));
}

TEST(IntStrArrayObj, IncByItemKeepsFirstOccurrenceOrder) {
  TIntStrArrayObj c;
  for (const char* t : {"b", "a", "b", "c", "a", "b"}) c.Inc(t, 1);
  EXPECT_EQ(c.Items, TIntStrArray({{3, "b"}, {2, "a"}, {1, "c"}}));
  c.Inc("A", 1);  // lookups are case-sensitive
  EXPECT_EQ(c.Count(), 4);
  EXPECT_EQ(c.Contains("A"), 3);
  c.Inc("a", -5);
  EXPECT_EQ(c.GetInt("a", 99), -3);
  EXPECT_EQ(c.GetInt("missing", 42), 42);
  EXPECT_EQ(c.Sum(), 3 - 3 + 1 + 1);
  // Counts wrap in 32 bits.
  c.Inc("c", std::numeric_limits<int32_t>::max());
  EXPECT_EQ(c.GetInt(2), std::numeric_limits<int32_t>::min());
}

TEST(IntStrArrayObj, IncScalesToLargeTexts) {
  // 400000 tokens of 100000 distinct items: a scan per token would take
  // billions of comparisons.
  TIntStrArrayObj c;
  for (int k = 0; k < 400000; ++k) c.Inc("item" + std::to_string((k * 7919LL) % 100000), 1);
  ASSERT_EQ(c.Count(), 100000);
  EXPECT_EQ(c.Sum(), 400000);
  for (int k = 0; k < 100000; k += 9973) EXPECT_EQ(c.GetInt("item" + std::to_string(k), 0), 4);
  EXPECT_EQ(c.GetStr(1), "item7919");  // first-occurrence order
}

TEST(IntStrArrayObj, IncByIndexFillsGapPairs) {
  TIntStrArrayObj c = MakePairs({{1, "x"}, {2, "y"}});
  c.Inc(4, 7);
  EXPECT_EQ(c.Items, TIntStrArray({{1, "x"}, {2, "y"}, {0, ""}, {0, ""}, {7, ""}}));
  c.Inc(1, 5);
  EXPECT_EQ(c.GetInt(1), 7);
  // The gap pairs are found by their (empty) text like any other pair.
  EXPECT_EQ(c.Contains(""), 2);
  c.Inc("", 1);
  EXPECT_EQ(c.GetInt(2), 1);
}

TEST(IntStrArrayObj, ReadsOutsideTheListAndTextForms) {
  TIntStrArrayObj c = MakePairs({{-12, "a"}, {3, "b"}});
  EXPECT_EQ(c.GetStr(-1), "");
  EXPECT_EQ(c.GetStr(2), "");
  EXPECT_EQ(c.GetInt(5), 0);
  EXPECT_EQ(c.GetIntAsStr(0), "-12");
  EXPECT_EQ(c.GetIntAsStr(1), "3");
  EXPECT_EQ(c.GetIntAsStr(2), "");
  TIntStrArrayObj empty;
  EXPECT_EQ(empty.GetInt("a", 7), 7);
  EXPECT_EQ(empty.Contains("a"), -1);
}

TEST(IntStrArrayObj, AddingListsAndMerging) {
  TStrArrayObj list;
  list.Items = {"x", "y", "x"};
  TIntStrArrayObj c;
  c.Add(1, list);
  EXPECT_EQ(c.Count(), 3);
  TIntStrArrayObj d;
  d.AddIfStringNotExists(0, list);
  EXPECT_EQ(d.Items, TIntStrArray({{0, "x"}, {0, "y"}}));
  d.AddIfStringNotExists(5, "y");
  d.AddIfStringNotExists(5, "z");
  EXPECT_EQ(d.Items, TIntStrArray({{0, "x"}, {0, "y"}, {5, "z"}}));
  EXPECT_EQ(d.Add(9, "x"), 3);  // Add keeps duplicates
  EXPECT_EQ(d.Contains("x"), 0);

  TIntStrArrayObj a = MakePairs({{1, "a"}, {2, "b"}});
  TIntStrArrayObj b = MakePairs({{10, "b"}, {20, "c"}, {30, "b"}});
  a.AddOrIncreaseIfStringExists(b);
  EXPECT_EQ(a.Items, TIntStrArray({{1, "a"}, {42, "b"}, {20, "c"}}));
  EXPECT_EQ(b.Count(), 3);
  // Merging a list into itself doubles every count once.
  a.AddOrIncreaseIfStringExists(a);
  EXPECT_EQ(a.Items, TIntStrArray({{2, "a"}, {84, "b"}, {40, "c"}}));
}

TEST(IntStrArrayObj, InsertDeleteSwapKeepLookupsRight) {
  TIntStrArrayObj c = MakePairs({{1, "a"}, {2, "b"}, {3, "c"}});
  EXPECT_EQ(c.Contains("c"), 2);
  c.Insert(0, 9, "c");  // a new first occurrence
  EXPECT_EQ(c.Contains("c"), 0);
  EXPECT_EQ(c.Contains("b"), 2);
  c.Delete(0);
  EXPECT_EQ(c.Contains("c"), 2);
  c.Delete(7);
  EXPECT_EQ(c.Count(), 3);
  c.Swap(0, 2);
  EXPECT_EQ(c.Items, TIntStrArray({{3, "c"}, {2, "b"}, {1, "a"}}));
  EXPECT_EQ(c.Contains("a"), 2);
  c.Insert(5, 4, "d");
  EXPECT_EQ(c.Items.size(), 6u);
  EXPECT_EQ(c.Contains("d"), 5);
  EXPECT_EQ(c.Contains(""), 3);
  c.Clear();
  EXPECT_EQ(c.Contains("a"), -1);
  c.Inc("a", 1);
  EXPECT_EQ(c.Items, TIntStrArray({{1, "a"}}));
}

TEST(IntStrArrayObj, DirectChangesOfItems) {
  TIntStrArrayObj c;
  c.Inc("a", 1);
  // Pairs appended directly are found without further ado.
  c.Items.push_back({5, "b"});
  c.Items.push_back({6, "a"});
  EXPECT_EQ(c.Contains("b"), 1);
  EXPECT_EQ(c.Contains("a"), 0);
  c.Inc("b", 1);
  EXPECT_EQ(c.GetInt(1), 6);
  // A shorter list is indexed afresh.
  c.Items.erase(c.Items.begin());
  EXPECT_EQ(c.Contains("a"), 1);
  EXPECT_EQ(c.Contains("b"), 0);
  // Other changes are followed too.
  c.Items[0].Str = "z";
  EXPECT_EQ(c.Contains("z"), 0);
  EXPECT_EQ(c.Contains("b"), -1);
}

TEST(IntStrArrayObj, LookupsFollowEveryDirectChangeOfItems) {
  TIntStrArrayObj c = MakePairs({{1, "a"}, {2, "b"}, {3, "c"}});
  ASSERT_EQ(c.Contains("a"), 0);
  c.Items[0].Str = "z";
  EXPECT_EQ(c.Contains("z"), 0);
  EXPECT_EQ(c.Contains("a"), -1);
  std::reverse(c.Items.begin(), c.Items.end());
  EXPECT_EQ(c.Contains("c"), 0);
  EXPECT_EQ(c.Contains("z"), 2);
  c.Inc("c", 5);  // counts the present pair instead of appending a second one
  EXPECT_EQ(c.Items, TIntStrArray({{8, "c"}, {2, "b"}, {1, "z"}}));
  for (auto& p : c.Items) p.Str += "!";
  EXPECT_EQ(c.GetInt("b!", -1), 2);
  c.Items.front().Str = "first";
  c.Items.back().Str = "last";
  EXPECT_EQ(c.Contains("first"), 0);
  EXPECT_EQ(c.Contains("last"), 2);
  c.Items.pop_back();
  c.Items.push_back({4, "c!"});
  EXPECT_EQ(c.Contains("last"), -1);
  EXPECT_EQ(c.Contains("c!"), 2);
  c.Items.insert(c.Items.begin(), {0, "new"});
  EXPECT_EQ(c.Contains("new"), 0);
  c.Items = TIntStrArray({{7, "x"}, {8, "x"}});
  EXPECT_EQ(c.Contains("x"), 0);
  c.AddIfStringNotExists(1, "x");
  EXPECT_EQ(c.Count(), 2);
  TIntStrArrayObj copy = c;
  copy.Items[1].Str = "y";
  EXPECT_EQ(copy.Contains("y"), 1);
  EXPECT_EQ(c.Contains("y"), -1);
}

TEST(IntStrArrayObj, IndexAgreesWithALinearScan) {
  std::mt19937 rng(7);
  TIntStrArrayObj c;
  TIntStrArray model;
  auto linear = [&](const std::string& s) {
    for (size_t i = 0; i < model.size(); ++i)
      if (model[i].Str == s) return static_cast<int32_t>(i);
    return -1;
  };
  for (int step = 0; step < 4000; ++step) {
    const std::string key = "k" + std::to_string(rng() % 300);
    switch (rng() % 8) {
      case 0: {
        const int32_t at = static_cast<int32_t>(rng() % (model.size() + 3));
        c.Insert(at, 1, key);
        if (static_cast<size_t>(at) < model.size())
          model.insert(model.begin() + at, {1, key});
        else {
          model.resize(at + 1);
          model[at] = {1, key};
        }
        break;
      }
      case 1:
        if (!model.empty()) {
          const int32_t at = static_cast<int32_t>(rng() % model.size());
          c.Delete(at);
          model.erase(model.begin() + at);
        }
        break;
      case 2:
        if (model.size() > 1) {
          const int32_t i = static_cast<int32_t>(rng() % model.size()), j = static_cast<int32_t>(rng() % model.size());
          c.Swap(i, j);
          std::swap(model[i], model[j]);
        }
        break;
      case 3:
        c.Add(2, key);
        model.push_back({2, key});
        break;
      default: {
        c.Inc(key, 1);
        const int32_t i = linear(key);
        if (i >= 0)
          ++model[i].Int;
        else
          model.push_back({1, key});
      }
    }
    ASSERT_EQ(c.Items, model) << "step " << step;
    ASSERT_EQ(c.Contains(key), linear(key)) << "step " << step;
  }
}

TEST(IntStrArrayObj, FiltersKeepOrder) {
  struct Case {
    const char* name;
    void (TIntStrArrayObj::*filter)(std::string_view, bool, bool);
    std::string text;
    bool matchCase, isRegex;
    Strs items, kept;
  } cases[] = {
      {"ending", &TIntStrArrayObj::DeleteAllStringsNotEndingWith, "ab", true, false, {"a", "cab", "abc"}, {"cab"}},
      {"ending case",
       &TIntStrArrayObj::DeleteAllStringsNotEndingWith,
       "AB",
       false,
       false,
       {"cab", "CAb", "abc"},
       {"cab", "CAb"}},
      {"ending ß",
       &TIntStrArrayObj::DeleteAllStringsNotEndingWith,
       "SS",
       false,
       false,
       {"Fuß", "Fus", "FUSS"},
       {"Fuß", "FUSS"}},
      {"starting",
       &TIntStrArrayObj::DeleteAllStringsNotStartingWith,
       "ab",
       false,
       false,
       {"ABc", "cab", "abc"},
       {"ABc", "abc"}},
      {"starting case",
       &TIntStrArrayObj::DeleteAllStringsNotStartingWith,
       "ab",
       true,
       false,
       {"ABc", "cab", "abc"},
       {"abc"}},
      {"containing",
       &TIntStrArrayObj::DeleteAllStringsNotContaining,
       "ÄR",
       false,
       false,
       {"ärger", "Bär", "bar"},
       {"ärger", "Bär"}},
      {"containing empty", &TIntStrArrayObj::DeleteAllStringsNotContaining, "", true, false, {"a", "b"}, {}},
      {"regex digit",
       &TIntStrArrayObj::DeleteAllStringsNotContaining,
       "\\d",
       false,
       true,
       {"a1", "b", "2c", "d"},
       {"a1", "2c"}},
      {"regex starting",
       &TIntStrArrayObj::DeleteAllStringsNotStartingWith,
       "[ab]",
       true,
       true,
       {"ax", "xa", "b", "Ab"},
       {"ax", "b"}},
      {"regex starting caseless",
       &TIntStrArrayObj::DeleteAllStringsNotStartingWith,
       "[ab]",
       false,
       true,
       {"ax", "xa", "b", "Ab"},
       {"ax", "b", "Ab"}},
      {"regex ending",
       &TIntStrArrayObj::DeleteAllStringsNotEndingWith,
       "e.",
       true,
       true,
       {"tee", "tea", "et", "ße"},
       {"tee", "tea", "et"}},
      {"regex ending ß",
       &TIntStrArrayObj::DeleteAllStringsNotEndingWith,
       "ße",
       true,
       true,
       {"Grüße", "Grüsse"},
       {"Grüße"}},
      {"regex caseless non-ASCII",
       &TIntStrArrayObj::DeleteAllStringsNotContaining,
       "ö",
       false,
       true,
       {"Öl", "ol", "Brötchen"},
       {"Öl", "Brötchen"}},
      {"regex caseless turned off inline",
       &TIntStrArrayObj::DeleteAllStringsNotContaining,
       "(?-i)a",
       false,
       true,
       {"A", "a"},
       {"a"}},
      {"regex bad", &TIntStrArrayObj::DeleteAllStringsNotContaining, "a[", false, true, {"a", "a["}, {}},
      // The pattern is matched case-insensitively as written, never upper-cased
      // (which would turn "ß" into "SS" and "\\d" into "\\D").
      {"regex ß caseless",
       &TIntStrArrayObj::DeleteAllStringsNotContaining,
       "ß",
       false,
       true,
       {"Fuß", "FUSS", "fuss"},
       {"Fuß"}},
      {"regex class caseless",
       &TIntStrArrayObj::DeleteAllStringsNotContaining,
       "\\d\\w",
       false,
       true,
       {"1a", "a1", "2B"},
       {"1a", "2B"}},
  };
  for (const auto& c : cases) {
    TIntStrArrayObj list;
    for (size_t i = 0; i < c.items.size(); ++i) list.Add(static_cast<int32_t>(i), c.items[i]);
    (list.*c.filter)(c.text, c.matchCase, c.isRegex);
    EXPECT_EQ(StrsOf(list), c.kept) << c.name;
    for (const auto& s : c.kept) EXPECT_GE(list.Contains(s), 0) << c.name;
  }
}

TEST(IntStrArrayObj, ValueAndLengthFilters) {
  TIntStrArrayObj c = MakePairs({{5, "äöü"}, {1, "ab"}, {7, "abcd"}, {2, "日本語"}, {9, "x"}});
  c.DeleteAllStringsShorterThan(3);  // characters, not bytes
  EXPECT_EQ(StrsOf(c), Strs({"äöü", "abcd", "日本語"}));
  c.DeleteAllValuesSmallerThan(5);
  EXPECT_EQ(StrsOf(c), Strs({"äöü", "abcd"}));
  EXPECT_EQ(c.Contains("abcd"), 1);
  c.DeleteAllStringsShorterThan(0);
  EXPECT_EQ(c.Count(), 2);
}

TEST(IntStrArrayObj, QuicksortTieOrder) {
  // std::stable_sort would give (2,b),(2,d),(1,a),(1,c).
  TIntStrArrayObj c = MakePairs({{1, "a"}, {2, "b"}, {1, "c"}, {2, "d"}});
  c.SortIntDown();
  EXPECT_EQ(c.Items, TIntStrArray({{2, "d"}, {2, "b"}, {1, "a"}, {1, "c"}}));
  EXPECT_EQ(c.Contains("b"), 1);

  TIntStrArrayObj counts = MakePairs({{2, "a"}, {9, "b"}, {9, "c"}, {1, "d"}});
  counts.SortIntDown();
  std::vector<int32_t> values;
  for (const auto& p : counts.Items) values.push_back(p.Int);
  EXPECT_EQ(values, std::vector<int32_t>({9, 9, 2, 1}));

  TIntStrArrayObj words = MakePairs({{0, "cherry"}, {1, "Banana"}, {2, "apple"}, {3, "abc"}, {4, "ab"}});
  words.SortStrUp();
  EXPECT_EQ(StrsOf(words), Strs({"ab", "abc", "apple", "Banana", "cherry"}));
  words.SortStrDown();
  EXPECT_EQ(StrsOf(words), Strs({"cherry", "Banana", "apple", "abc", "ab"}));
  // Upper-cased keys compare bytes: letters beyond ASCII after Z; ß sorts as SS.
  TIntStrArrayObj umlauts = MakePairs({{0, "Ärger"}, {1, "Zoo"}, {2, "apfel"}, {3, "Fuß"}, {4, "Fust"}});
  umlauts.SortStrUp();
  EXPECT_EQ(StrsOf(umlauts), Strs({"apfel", "Fuß", "Fust", "Zoo", "Ärger"}));
}

// The procedure exactly as described, recursion and all, to compare with.
template <typename Before>
void ReferenceQuickSort(TIntStrArray& a, int l, int r, const Before& before) {
  int i;
  do {
    const TIntStr pivot = a[(l + r) / 2];
    i = l;
    int j = r;
    do {
      while (before(a[i], pivot)) ++i;
      while (before(pivot, a[j])) --j;
      if (i <= j) {
        std::swap(a[i], a[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (l < j) ReferenceQuickSort(a, l, j, before);
    l = i;
  } while (i < r);
}

TEST(IntStrArrayObj, SortsFollowTheExactProcedure) {
  std::mt19937 rng(11);
  // Long texts that share their first eight bytes, and NUL bytes, too.
  const std::string pool[] = {"a",
                              "A",
                              "b",
                              "B",
                              "ss",
                              "ß",
                              "SS",
                              "ab",
                              "Ab",
                              "é",
                              "É",
                              "z",
                              "",
                              "日",
                              "abcdefghij",
                              "ABCDEFGHIJK",
                              "abcdefgh",
                              std::string("abc\0", 4),
                              "abc",
                              std::string("\0", 1),
                              "abcdefghiJ",
                              "straßenbahn",
                              "STRASSENBAHN"};
  using Before = bool (*)(const TIntStr&, const TIntStr&);
  struct Sort {
    void (TIntStrArrayObj::*sort)();
    Before before;
  } sorts[] = {
      {&TIntStrArrayObj::SortIntUp, [](const TIntStr& x, const TIntStr& y) { return x.Int < y.Int; }},
      {&TIntStrArrayObj::SortIntDown, [](const TIntStr& x, const TIntStr& y) { return x.Int > y.Int; }},
      {&TIntStrArrayObj::SortStrUp,
       [](const TIntStr& x, const TIntStr& y) { return UpperCaseNarrow(x.Str) < UpperCaseNarrow(y.Str); }},
      {&TIntStrArrayObj::SortStrDown,
       [](const TIntStr& x, const TIntStr& y) { return UpperCaseNarrow(x.Str) > UpperCaseNarrow(y.Str); }},
  };
  for (int round = 0; round < 200; ++round) {
    const size_t n = rng() % 60;
    TIntStrArray items;
    for (size_t k = 0; k < n; ++k)
      items.push_back({static_cast<int32_t>(rng() % 5) - 2, pool[rng() % std::size(pool)] + std::to_string(k % 2)});
    for (const auto& s : sorts) {
      TIntStrArrayObj list;
      list.Items = items;
      (list.*s.sort)();
      TIntStrArray expected = items;
      if (expected.size() >= 2) ReferenceQuickSort(expected, 0, static_cast<int>(expected.size()) - 1, s.before);
      ASSERT_EQ(list.Items, expected) << "round " << round;
      for (size_t k = 0; k < expected.size(); ++k) {
        auto first =
            std::find_if(expected.begin(), expected.end(), [&](const TIntStr& p) { return p.Str == expected[k].Str; });
        ASSERT_EQ(list.Contains(expected[k].Str), first - expected.begin());
      }
    }
  }
}

TEST(IntStrArrayObj, SortsSurviveAdverseInput) {
  // Many equal keys and long sorted runs; the sort must neither recurse
  // deeply nor lose pairs.
  TIntStrArrayObj list;
  for (int k = 0; k < 200000; ++k) list.Add(k % 3 == 0 ? 7 : k, "w" + std::to_string(k));
  list.SortIntDown();
  ASSERT_EQ(list.Count(), 200000);
  for (int k = 1; k < list.Count(); ++k) ASSERT_GE(list.Items[k - 1].Int, list.Items[k].Int);
  list.SortStrUp();
  for (int k = 1; k < list.Count(); ++k) ASSERT_LE(list.Items[k - 1].Str, list.Items[k].Str);
}

TEST(IntStrArrayObj, SortsCraftedInputInNLogN) {
  // A counted text of distinct words in an order built against the middle
  // pivot took seconds to sort alphabetically.
  const std::vector<std::string> words = sortadversary::Words(320000);
  TIntStrArrayObj counted;
  for (const auto& w : words) counted.Inc(w, 1);
  counted.SortStrUp();
  ASSERT_EQ(counted.Count(), 320000);
  for (int k = 1; k < counted.Count(); ++k) ASSERT_LT(counted.Items[k - 1].Str, counted.Items[k].Str);
  EXPECT_EQ(counted.Contains(counted.Items[12345].Str), 12345);

  const std::vector<int32_t> ranks = sortadversary::Ranks(320000);
  TIntStrArrayObj byCount;
  for (size_t k = 0; k < ranks.size(); ++k) byCount.Add(ranks[k], words[k]);
  byCount.SortIntUp();
  for (int k = 0; k < byCount.Count(); ++k) ASSERT_EQ(byCount.Items[k].Int, k);
}

// --- Against sort | uniq -c ---------------------------------------------------------

TEST(ToolCheckContainers, IncCountsLikeSortUniq) {
  std::mt19937 rng(3);
  const char* syllables[] = {"ka", "ri", "mo", "sä", "ße", "日", "lu", "X", "tor", "en"};
  std::string text;
  TIntStrArrayObj counts;
  while (text.size() < 1000000) {
    std::string word;
    const int len = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < len; ++k) word += syllables[rng() % std::size(syllables)];
    text += word + "\n";
    counts.Inc(word, 1);
  }
  testsupport::TempDir dir;
  const std::string file = dir.file("words.txt");
  testsupport::WriteFileBytes(file, text);
  const auto r = testsupport::RunCommand("LC_ALL=C sort " + testsupport::ShellQuote(file) + " | LC_ALL=C uniq -c");
  ASSERT_EQ(r.exitCode, 0);
  std::map<std::string, int32_t> expected;
  size_t start = 0;
  while (start < r.out.size()) {
    size_t nl = r.out.find('\n', start);
    if (nl == std::string::npos) nl = r.out.size();
    const std::string line = r.out.substr(start, nl - start);
    start = nl + 1;
    const size_t digits = line.find_first_not_of(' ');
    const size_t blank = line.find(' ', digits);
    ASSERT_NE(blank, std::string::npos) << line;
    int32_t n = 0;
    ASSERT_TRUE(TryStrToInt(line.substr(digits, blank - digits), n)) << line;
    expected[line.substr(blank + 1)] = n;
  }
  std::map<std::string, int32_t> ours;
  for (const auto& p : counts.Items) {
    ASSERT_TRUE(ours.emplace(p.Str, p.Int).second) << "counted twice: " << p.Str;
  }
  EXPECT_EQ(ours, expected);
  EXPECT_GT(ours.size(), 1000u);
}

}  // namespace
