#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <random>

#include "foundation/number_format.h"
#include "foundation/sort_adversary.h"
#include "foundation/str_arrays.h"

namespace {

const NumberFormat kDotFormat{".", ","};
const NumberFormat kCommaFormat{",", "."};

TEST(StrToFloatAllSeparators, ReadsBothSeparatorsUnderEitherFormat) {
  struct Case {
    const char* text;
    double def;
    bool fraction;
    double expected;
  } cases[] = {
      {" 2,5 ", 7, false, 2.5}, {"2.5", 7, false, 2.5},  {"3/4", 0, true, 0.75},     {"3/0", 9, true, 9},
      {"3/4", 0, false, 0},     {"abc", 1.5, true, 1.5}, {" 3 / 4 ", 0, true, 0.75}, {"-1,25", 0, false, -1.25},
      {"1.234,5", 3, false, 3}, {"", 4, true, 4},        {"\t10\n", 0, false, 10},   {"1/2/3", 8, true, 8},
      {"x/2", 8, true, 8},      {"2e3", 0, false, 2000},
  };
  for (const NumberFormat* fmt : {&kDotFormat, &kCommaFormat}) {
    for (const auto& c : cases) {
      EXPECT_DOUBLE_EQ(StrToFloat_AllSeparators(c.text, c.def, c.fraction, *fmt), c.expected)
          << "'" << c.text << "' under '" << fmt->DecimalSeparator << "'";
    }
  }
}

TEST(StrToFloatAllSeparators, UsesTheProgramFormatByDefault) {
  const NumberFormat saved = GlobalNumberFormat();
  SetGlobalNumberFormat(kCommaFormat);
  EXPECT_DOUBLE_EQ(StrToFloat_AllSeparators("0.5", 1), 0.5);
  double v = -1;
  EXPECT_TRUE(StrToFloat_AllSeparatorsCheck("0.5", v));
  EXPECT_DOUBLE_EQ(v, 0.5);
  SetGlobalNumberFormat(saved);
}

TEST(StrToFloatAllSeparators, CheckReportsFailureAsFalseAndZero) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {" 2,5 ", true, 2.5}, {"2.5", true, 2.5}, {"1,2.5", false, 0}, {"1,2,5", false, 0},
      {"3/4", false, 0},    {"abc", false, 0},  {"", false, 0},      {"-7", true, -7},
  };
  for (const NumberFormat* fmt : {&kDotFormat, &kCommaFormat}) {
    for (const auto& c : cases) {
      double v = 99;
      EXPECT_EQ(StrToFloat_AllSeparatorsCheck(c.text, v, *fmt), c.ok) << c.text;
      EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
  }
}

TEST(EnumTexts, SizeAndFontStyleForms) {
  const std::pair<TSizeType, const char*> sizes[] = {{sizeTypeBestUnit, "BestUnit"},
                                                     {sizeTypeByte, "Byte"},
                                                     {sizeTypeKB, "KB"},
                                                     {sizeTypeMB, "MB"},
                                                     {sizeTypeGB, "GB"},
                                                     {sizeTypeTB, "TB"}};
  for (auto [value, text] : sizes) {
    EXPECT_EQ(SizeTypeToStr(value), text);
    EXPECT_EQ(StrToSizeType(text, sizeTypeTB == value ? sizeTypeByte : sizeTypeTB), value);
  }
  EXPECT_EQ(StrToSizeType("kb", sizeTypeMB), sizeTypeMB);
  EXPECT_EQ(StrToSizeType("", sizeTypeGB), sizeTypeGB);

  const std::pair<TFontStyleType, const char*> styles[] = {
      {fstRegular, "regular"}, {fstBold, "bold"}, {fstItalic, "italic"}, {fstBoldItalic, "bold-italic"}};
  for (auto [value, text] : styles) {
    EXPECT_EQ(FontStyleTypeToStr(value), text);
    EXPECT_EQ(StrToFontStyleType(text), value);
  }
  EXPECT_EQ(StrToFontStyleType("Bold"), fstRegular);
  EXPECT_EQ(StrToFontStyleType("bold italic"), fstRegular);
  EXPECT_EQ(FontStyleTypeToInt(fstRegular), 0);
  EXPECT_EQ(FontStyleTypeToInt(fstBoldItalic), 3);
  EXPECT_EQ(BoolToInt(true), 1);
  EXPECT_EQ(BoolToInt(false), 0);
  EXPECT_EQ(BoolToIntStr(true), "1");
  EXPECT_EQ(BoolToIntStr(false), "0");
}

TEST(BuildArrays, CreateAndAppend) {
  EXPECT_EQ(CreateStrArray("a", "", "b"), (TStrArray{"a", "", "b"}));
  // Arguments still at the NUL marker are left out.
  EXPECT_EQ(CreateStrArray("a", NulMarker(), std::string("c"), NulMarker()), (TStrArray{"a", "c"}));
  EXPECT_TRUE(CreateStrArray().empty());
  EXPECT_EQ(CreateIntArray(-4), (TIntArray{-4}));
  EXPECT_EQ(CreateBooleanArrayFill(3, true), (TBooleanArray{1, 1, 1}));
  EXPECT_EQ(CreateBooleanArrayFill(2, false), (TBooleanArray{0, 0}));
  EXPECT_TRUE(CreateBooleanArrayFill(-5, true).empty());

  TStrArray s;
  EXPECT_EQ(AddArrayElement(s, "x"), 0);
  s = {"a", "b", "c"};
  EXPECT_EQ(AddArrayElement(s, "d"), 3);
  EXPECT_EQ(s.back(), "d");
  TIntArray n;
  EXPECT_EQ(AddArrayElement(n, 5), 0);
  EXPECT_EQ(AddArrayElement(n, 6), 1);

  TStrArray2D table;
  TStrArray row{"p", "q"};
  EXPECT_TRUE(AddArrayElementsAsNewLine(table, row));
  row[0] = "changed";
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0], (TStrArray{"p", "q"}));
}

TEST(NumberAndRangeList, EntriesRangesAndFinishingSteps) {
  struct Case {
    const char* text;
    bool sort, dedupe;
    int32_t pos, neg;
    TIntArray expected;
  } cases[] = {
      {"3;1, 7-5,x", false, false, 0, 0, {3, 1, 5, 6, 7}},
      {"3;1, 7-5,x", true, false, 0, 0, {1, 3, 5, 6, 7}},
      {"", true, true, 5, 5, {}},
      {"4", false, false, 0, 0, {4}},
      {" 9 - 7 ", false, false, 0, 0, {7, 8, 9}},
      {"1,2,-2", false, false, 10, -1, {11, 12, -3}},
      {"-3", false, false, 0, 0, {-3}},
      {"-3-5", false, false, 0, 0, {}},
      {"3,1,3,2-3", false, true, 0, 0, {3, 1, 2}},
      {"3,1,3,2-3", true, true, 0, 0, {1, 2, 3}},
      {"0,-1,1", false, false, 100, -100, {0, -101, 101}},
      // The positive offset can push an element below 0; the negative offset
      // then applies to it as well.
      {"2", false, false, -5, -10, {-13}},
      {"2147483646-2147483647", false, false, 0, 0, {2147483646, 2147483647}},
      {"$10,0x3,1e2", false, false, 0, 0, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CreateIntArrayFromNumberAndRangeStr(c.text, c.sort, c.dedupe, c.pos, c.neg), c.expected) << c.text;
  }
}

TEST(NumberAndRangeList, CapsTheNumberOfValues) {
  EXPECT_EQ(CreateIntArrayFromNumberAndRangeStr("1-1000000", false, false, 0, 0).size(), 1000000u);
  // A range that would pass the cap is skipped whole; the other entries stay.
  EXPECT_EQ(CreateIntArrayFromNumberAndRangeStr("5,1-2000000000,6", false, false, 0, 0), (TIntArray{5, 6}));
  EXPECT_TRUE(CreateIntArrayFromNumberAndRangeStr("0 - 2147483647", false, false, 0, 0).empty());
  TIntArray full = CreateIntArrayFromNumberAndRangeStr("1-999999,7,8", false, false, 0, 0);
  ASSERT_EQ(full.size(), 1000000u);
  EXPECT_EQ(full.back(), 7);
}

TEST(ChangeArrays, OffsetsReplaceAndTrim) {
  TIntArray a{0, 5, -5, INT32_MAX};
  EXPECT_TRUE(IncArrayElementsPos(a, 1));
  EXPECT_EQ(a, (TIntArray{0, 6, -5, INT32_MIN}));  // wraps like 32-bit arithmetic
  EXPECT_TRUE(IncArrayElementsNeg(a, -2));
  EXPECT_EQ(a, (TIntArray{0, 6, -7, INT32_MAX - 1}));

  TStrArray s{"aXbX", "", "XX"};
  ReplaceInAllArrayElements(s, "X", "yy");
  EXPECT_EQ(s, (TStrArray{"ayybyy", "", "yyyy"}));
  ReplaceInAllArrayElements(s, "", "z");
  EXPECT_EQ(s, (TStrArray{"ayybyy", "", "yyyy"}));

  TStrArray t{" a\t",
              "\x01"
              "b\r\n",
              "  ", "c d", "ä "};
  TrimAllArrayElements(t);
  EXPECT_EQ(t, (TStrArray{"a", "b", "", "c d", "ä"}));

  EXPECT_EQ(SumOfAllArrayElements({}), 0);
  EXPECT_EQ(SumOfAllArrayElements({1, 2, -4}), -1);
  EXPECT_EQ(SumOfAllArrayElements({INT32_MAX, 1}), INT32_MIN);
}

TEST(ArraySorts, TieOrderOfTheMiddlePivotQuicksort) {
  // Traced by hand: pivot "A" (index 1); the first pass swaps "b" and "a",
  // which leaves "a" before "A". A stable sort keeps "A" first.
  TStrArray s{"b", "A", "a"};
  auto byKey = [](const std::string& x, const std::string& y) { return std::toupper(x[0]) < std::toupper(y[0]); };
  TStrArray viaStdSort = s, viaStableSort = s;
  std::sort(viaStdSort.begin(), viaStdSort.end(), byKey);
  std::stable_sort(viaStableSort.begin(), viaStableSort.end(), byKey);
  SortStrArrayUp(s);
  EXPECT_EQ(s, (TStrArray{"a", "A", "b"}));
  EXPECT_NE(s, viaStdSort);
  EXPECT_NE(s, viaStableSort);

  TIntStrArray r{{1, "b"}, {2, "a"}, {3, "A"}};
  SortIntStrArrayStrUp(r);
  EXPECT_EQ(r, (TIntStrArray{{3, "A"}, {2, "a"}, {1, "b"}}));
  // Two partition levels, traced by hand.
  TIntStrArray five{{1, "b"}, {2, "a"}, {3, "B"}, {4, "A"}, {5, "b"}};
  SortIntStrArrayStrUp(five);
  EXPECT_EQ(five, (TIntStrArray{{4, "A"}, {2, "a"}, {5, "b"}, {1, "b"}, {3, "B"}}));

  // Keys are the upper-case forms compared byte by byte: letters outside
  // ASCII come after "Z", "ß" sorts as "SS".
  TStrArray u{"é", "z", "Ä", "a", "straße", "STRASSE1", "Straßd"};
  SortStrArrayUp(u);
  EXPECT_EQ(u, (TStrArray{"a", "Straßd", "straße", "STRASSE1", "z", "Ä", "é"}));
}

TEST(ArraySorts, SortsLargeAndDegenerateInputs) {
  std::mt19937 rng(7);
  TIntArray ints(20000);
  for (auto& v : ints) v = static_cast<int32_t>(rng());
  TIntArray expected = ints;
  std::sort(expected.begin(), expected.end());
  SortIntArrayUp(ints);
  EXPECT_EQ(ints, expected);

  TIntArray one{5};
  SortIntArrayUp(one);
  EXPECT_EQ(one, TIntArray{5});

  // Already sorted, reversed and all-equal inputs stay fast and shallow.
  TStrArray asc, desc, same(50000, "x");
  for (int i = 0; i < 50000; ++i) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06d", i);
    asc.push_back(buf);
  }
  desc.assign(asc.rbegin(), asc.rend());
  TStrArray sortedAsc = asc;
  SortStrArrayUp(asc);
  SortStrArrayUp(desc);
  SortStrArrayUp(same);
  EXPECT_EQ(asc, sortedAsc);
  EXPECT_EQ(desc, sortedAsc);
  EXPECT_EQ(same, TStrArray(50000, "x"));
}

// The sort procedure in its plain recursive form: middle pivot, Hoare
// partition, recurse on the left part, loop on the right part.
void RecursiveReferenceSort(std::vector<std::string>& keys, TIntStrArray& records, int lo, int hi) {
  int i, j;
  do {
    i = lo;
    j = hi;
    const std::string pivot = keys[static_cast<size_t>((lo + hi) / 2)];
    do {
      while (keys[static_cast<size_t>(i)] < pivot) ++i;
      while (pivot < keys[static_cast<size_t>(j)]) --j;
      if (i <= j) {
        std::swap(keys[static_cast<size_t>(i)], keys[static_cast<size_t>(j)]);
        std::swap(records[static_cast<size_t>(i)], records[static_cast<size_t>(j)]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (lo < j) RecursiveReferenceSort(keys, records, lo, j);
    lo = i;
  } while (i < hi);
}

TEST(ArraySorts, TieOrderEqualsThePlainRecursionOnManyTies) {
  // Few distinct keys in mixed case, so that nearly every comparison is a tie
  // and any change of pivot, partition or order of the sub-ranges shows.
  std::mt19937 rng(17);
  for (int round = 0; round < 400; ++round) {
    const size_t n = 2 + rng() % 300;
    TIntStrArray records;
    std::vector<std::string> keys;
    for (size_t i = 0; i < n; ++i) {
      std::string s(1, "aAbBcC"[rng() % 6]);
      if (rng() % 5 == 0) s += (rng() % 2) ? "x" : "X";
      records.push_back({static_cast<int32_t>(i), s});
      std::string key = s;
      for (auto& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      keys.push_back(key);
    }
    TIntStrArray expected = records;
    RecursiveReferenceSort(keys, expected, 0, static_cast<int>(n) - 1);

    TIntStrArray viaRecords = records;
    SortIntStrArrayStrUp(viaRecords);
    ASSERT_EQ(viaRecords, expected) << "round " << round;

    // Equal keys in different case tell the string sort's moves apart too.
    TStrArray strings;
    for (const auto& r : records) strings.push_back(r.Str);
    SortStrArrayUp(strings);
    for (size_t i = 0; i < n; ++i) ASSERT_EQ(strings[i], expected[i].Str) << "round " << round << " at " << i;
  }
}

TEST(ArraySorts, CraftedInputSortsInNLogN) {
  // Two overlapping ranges used to sort for over a minute.
  const TIntArray numbers = CreateIntArrayFromNumberAndRangeStr("1-500000,1-500000", true, false, 0, 0);
  ASSERT_EQ(numbers.size(), 1000000u);
  for (size_t k = 0; k < numbers.size(); ++k) ASSERT_EQ(numbers[k], static_cast<int32_t>(k / 2 + 1));

  const std::vector<std::string> words = sortadversary::Words(200000);
  TStrArray strings(words.begin(), words.end());
  SortStrArrayUp(strings);
  ASSERT_TRUE(std::is_sorted(strings.begin(), strings.end()));
  TIntStrArray records;
  for (size_t k = 0; k < words.size(); ++k) records.push_back({static_cast<int32_t>(k), words[k]});
  SortIntStrArrayStrUp(records);
  for (size_t k = 0; k < records.size(); ++k) ASSERT_EQ(records[k].Str, strings[k]);
}

TEST(ArraySorts, KeepsRecordsTogether) {
  std::mt19937 rng(3);
  TIntStrArray r;
  for (int i = 0; i < 3000; ++i) {
    std::string s(1 + rng() % 3, 'a');
    for (auto& c : s) c = static_cast<char>((rng() % 2 ? 'a' : 'A') + rng() % 4);
    r.push_back({i, s});
  }
  TIntStrArray original = r;
  SortIntStrArrayStrUp(r);
  for (size_t i = 1; i < r.size(); ++i) {
    std::string a = r[i - 1].Str, b = r[i].Str;
    for (auto& c : a) c = static_cast<char>(std::toupper(c));
    for (auto& c : b) c = static_cast<char>(std::toupper(c));
    EXPECT_LE(a, b);
  }
  for (const auto& rec : r) EXPECT_EQ(original[static_cast<size_t>(rec.Int)].Str, rec.Str);
}

TEST(ShortenDataSets, ShortenAndExpand) {
  TStrArray2D t{{"A", "1"}, {"A", "2"}, {"A", "3"}};
  ShortenDataSetsInStrArray(t, false);
  EXPECT_EQ(t, (TStrArray2D{{"A", "1"}, {"", "2"}, {"", "3"}}));
  ShortenDataSetsInStrArray(t, true);
  EXPECT_EQ(t, (TStrArray2D{{"A", "1"}, {"A", "2"}, {"A", "3"}}));

  // Rows of different lengths: only the shared columns are compared.
  TStrArray2D ragged{{"A", "x", "tail"}, {"A"}, {"A", "x", "more", "extra"}};
  ShortenDataSetsInStrArray(ragged, false);
  EXPECT_EQ(ragged, (TStrArray2D{{"A", "x", "tail"}, {""}, {"", "x", "more", "extra"}}));

  TStrArray2D gaps{{"X", "1"}, {"", ""}, {"", "3"}, {"", "", "z"}};
  ShortenDataSetsInStrArray(gaps, true);
  EXPECT_EQ(gaps, (TStrArray2D{{"X", "1"}, {"X", "1"}, {"X", "3"}, {"X", "3", "z"}}));

  TStrArray2D single{{"a", "a"}};
  ShortenDataSetsInStrArray(single, false);
  EXPECT_EQ(single, (TStrArray2D{{"a", "a"}}));
}

TEST(StrArraySearch, InStrArrayModes) {
  struct Case {
    TStrArray arr;
    const char* text;
    bool exact, ignoreCase, alsoElementInText;
    int32_t expected;
  } cases[] = {
      {{"Alpha", "beta"}, "ALP", false, true, false, 0},
      {{"Alpha", "beta"}, "ALP", true, true, false, -1},
      {{"Alpha", "beta"}, "ALP", false, false, false, -1},
      {{"Alpha", "beta"}, "BETA", true, true, false, 1},
      {{"Alpha", "beta"}, "beta", true, false, false, 1},
      {{"ab", "xyz"}, "xabx", false, false, true, 0},
      {{"ab", "xyz"}, "xabx", false, false, false, -1},
      {{"ab", "xyz"}, "xabx", true, false, true, -1},
      {{"", "b"}, "abc", false, false, true, 1},  // an empty element matches nothing
      {{"a", "b"}, "", false, false, true, -1},   // an empty text is in no element
      {{"a", ""}, "", true, false, false, 1},     // but equals an empty element
      {{"Fuß", "STRASSE"}, "straße", true, true, false, 1},
      {{"xyz", "b"}, "y", false, false, true, 0},  // the first pass wins
      {{}, "a", false, true, true, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InStrArray(c.arr, c.text, c.exact, c.ignoreCase, c.alsoElementInText), c.expected) << c.text;
  }
}

TEST(StrArraySearch, InStrArrayWildcard) {
  TStrArray names{"a.txt", "B.DOC", "b.doc"};
  EXPECT_EQ(InStrArrayWildcard(names, "*.doc", false, false), 2);
  EXPECT_EQ(InStrArrayWildcard(names, "*.doc", true, false), 1);
  EXPECT_EQ(InStrArrayWildcard(names, "?.txt", false, false), 0);
  EXPECT_EQ(InStrArrayWildcard(names, "*.pdf", true, false), -1);
  TStrArray patterns{"*.doc", "*.TXT", "ä?"};
  EXPECT_EQ(InStrArrayWildcard(patterns, "x.txt", true, true), 1);
  EXPECT_EQ(InStrArrayWildcard(patterns, "x.txt", false, true), -1);
  EXPECT_EQ(InStrArrayWildcard(patterns, "äö", false, true), 2);
}

TEST(StrArraySearch, DeleteDoubleElementsBelowAndAboveThreshold) {
  EXPECT_EQ(DeleteDoubleElementsFromArray({3, 1, 3, 2}), (TIntArray{3, 1, 2}));
  EXPECT_TRUE(DeleteDoubleElementsFromArray({}).empty());
  TIntArray big{3, 1, 3, 2};
  big.resize(74, 2);
  EXPECT_EQ(DeleteDoubleElementsFromArray(big), (TIntArray{3, 1, 2}));  // 74: order of first occurrence
  big.push_back(2);
  ASSERT_EQ(big.size(), 75u);
  EXPECT_EQ(DeleteDoubleElementsFromArray(big), (TIntArray{1, 2, 3}));  // 75: ascending
  EXPECT_EQ(DeleteDoubleElementsFromArrayForSmallArrays(big), (TIntArray{3, 1, 2}));
  EXPECT_EQ(DeleteDoubleElementsFromArrayForBigArrays({3, 1, 3, 2}), (TIntArray{1, 2, 3}));
}

TEST(StrArraySearch, CSVStringToStrArray) {
  const TCharSet seps = CharSet(";,");
  struct Case {
    const char* text;
    bool trimText, trimItems, skipEmpty;
    TStrArray expected;
  } cases[] = {
      {" a; b;;c ", true, true, true, {"a", "b", "c"}},
      {" a; b;;c ", true, true, false, {"a", "b", "", "c"}},
      {" a; b;;c ", false, false, false, {" a", " b", "", "c "}},
      {"a,b;", false, false, false, {"a", "b", ""}},
      {"", false, false, false, {}},
      {"   ", true, false, false, {}},
      {"   ", false, false, false, {"   "}},
      {"   ", false, true, true, {}},
      {";", false, false, false, {"", ""}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CSVStringToStrArray(c.text, c.trimText, c.trimItems, c.skipEmpty, seps), c.expected) << c.text;
  }
}

}  // namespace
