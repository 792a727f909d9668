#include "wordgen/engine/list_builders.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"
#include "foundation/letter_case.h"
#include "syllables/syllable_lists.h"
#include "wordgen/engine/syllable_list.h"

namespace {

using enginetest::CountingRandom;

// The frequency and the text of a list line.
std::pair<int, std::string> SplitLine(const std::string& line) {
  const size_t blank = line.find(' ');
  EXPECT_NE(blank, std::string::npos) << line;
  return {std::stoi(line.substr(0, blank)), line.substr(blank + 1)};
}

TEST(RandomList, DrawCountsForTheBuiltInAlphabets) {
  const struct {
    const char* Chars;
    int N, Digrams, Trigrams;
  } cases[] = {
      {"0123456789", 10, 14, 19},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 26, 34, 47},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F", 30, 40, 55},
      {"\xD0\x90\xD0\x91\xD0\x92\xD0\x93\xD0\x94\xD0\x95\xD0\x81\xD0\x96\xD0\x97\xD0\x98\xD0\x99\xD0\x9A\xD0\x9B"
       "\xD0\x9C\xD0\x9D\xD0\x9E\xD0\x9F\xD0\xA0\xD0\xA1\xD0\xA2\xD0\xA3\xD0\xA4\xD0\xA5\xD0\xA6\xD0\xA7\xD0\xA8"
       "\xD0\xA9\xD0\xAA\xD0\xAB\xD0\xAC\xD0\xAD\xD0\xAE\xD0\xAF",
       33, 43, 60},
      {"\xCE\x91\xCE\x92\xCE\x93\xCE\x94\xCE\x95\xCE\x96\xCE\x97\xCE\x98\xCE\x99\xCE\x9A\xCE\x9B\xCE\x9C\xCE\x9D"
       "\xCE\x9E\xCE\x9F\xCE\xA0\xCE\xA1\xCE\xA3\xCE\xA4\xCE\xA5\xCE\xA6\xCE\xA7\xCE\xA8\xCE\xA9",
       24, 32, 44},
      {"\xE1\x83\x90\xE1\x83\x91\xE1\x83\x92\xE1\x83\x93\xE1\x83\x94\xE1\x83\x95\xE1\x83\x96\xE1\x83\x97\xE1\x83"
       "\x98\xE1\x83\x99\xE1\x83\x9A\xE1\x83\x9B\xE1\x83\x9C\xE1\x83\x9D\xE1\x83\x9E\xE1\x83\x9F\xE1\x83\xA0\xE1"
       "\x83\xA1\xE1\x83\xA2\xE1\x83\xA3\xE1\x83\xA4\xE1\x83\xA5\xE1\x83\xA6\xE1\x83\xA7\xE1\x83\xA8\xE1\x83\xA9"
       "\xE1\x83\xAA\xE1\x83\xAB\xE1\x83\xAC\xE1\x83\xAD\xE1\x83\xAE\xE1\x83\xAF\xE1\x83\xB0",
       33, 43, 60},
      {"ABCDEF", 6, 8, 11},
  };
  for (const auto& c : cases) {
    CountingRandom single(1);
    EXPECT_EQ(RandomList(c.Chars, true, false, false, single).size(), static_cast<size_t>(c.N)) << c.N;
    EXPECT_EQ(single.Draws(), static_cast<uint64_t>(c.N));

    CountingRandom di(2);
    const TStrArray digrams = RandomList(c.Chars, false, true, false, di);
    EXPECT_EQ(di.Draws(), static_cast<uint64_t>(c.Digrams) * 3) << c.N;  // frequency and two letters
    EXPECT_LE(digrams.size(), static_cast<size_t>(c.Digrams));

    CountingRandom tri(3);
    const TStrArray trigrams = RandomList(c.Chars, false, false, true, tri);
    EXPECT_EQ(tri.Draws(), static_cast<uint64_t>(c.Trigrams) * 4) << c.N;
    EXPECT_LE(trigrams.size(), static_cast<size_t>(c.Trigrams));

    // Each block is merged by group and sorted by the upper-cased group.
    for (const TStrArray* block : {&digrams, &trigrams}) {
      for (size_t i = 0; i + 1 < block->size(); ++i) {
        const std::string a = SplitLine((*block)[i]).second;
        const std::string b = SplitLine((*block)[i + 1]).second;
        EXPECT_LT(UpperCaseNarrow(a), UpperCaseNarrow(b)) << a << " / " << b;
      }
    }
  }
}

TEST(RandomList, DrawOrderAndMergedGroups) {
  TScriptedRandom single({7, 999, 0});
  EXPECT_EQ(RandomList("ABC", true, false, false, single), (TStrArray{"0007 A", "0999 B", "0000 C"}));

  // Two-letter groups: frequency first, then the letters.
  TScriptedRandom di({5, 1, 2, 7, 1, 2, 999, 0, 0, 999, 0, 0, 3, 5, 4, 0, 4, 5, 10, 3, 3, 1, 0, 1});
  EXPECT_EQ(RandomList("ABCDEF", false, true, false, di),
            (TStrArray{"1998 AA", "0001 AB", "0012 BC", "0010 DD", "0000 EF", "0003 FE"}));
  EXPECT_EQ(di.Draws(), 24u);

  // Three-letter groups: the letters first, then the frequency (the script's
  // last value 42 repeats: ten more draws of AAA with 42 each).
  TScriptedRandom tri({0, 1, 2, 42});
  EXPECT_EQ(RandomList("ABCDEF", false, false, true, tri), (TStrArray{"0420 AAA", "0042 ABC"}));

  // Blocks in the order single letters, two-letter, three-letter groups.
  CountingRandom gen(9);
  const TStrArray all = RandomList("AB", true, true, true, gen);
  ASSERT_GE(all.size(), 4u);
  EXPECT_EQ(SplitLine(all[0]).second, "A");
  EXPECT_EQ(SplitLine(all[1]).second, "B");
  size_t i = 2;
  while (i < all.size() && SplitLine(all[i]).second.size() == 2) ++i;
  EXPECT_GT(i, 2u);
  for (; i < all.size(); ++i) EXPECT_EQ(SplitLine(all[i]).second.size(), 3u) << all[i];
}

TEST(RandomList, GroupSumsPassingThirtyTwoBitsAreWrittenWhole) {
  // 1.2 million copies of one letter make 2160001 three-letter draws, all of
  // the group AAA; with 999 each the sum passes 2^31.
  const std::string chars(1200000, 'A');
  TScriptedRandom gen({999});
  EXPECT_EQ(RandomList(chars, false, false, true, gen), (TStrArray{"2157840999 AAA"}));
  EXPECT_EQ(gen.Draws(), 2160001u * 4);
}

TEST(RandomList, LetterSet) {
  TScriptedRandom gen({1});
  EXPECT_EQ(RandomList("AAB", true, false, false, gen), (TStrArray{"0001 A", "0001 A", "0001 B"}));
  EXPECT_EQ(RandomList(" A\tB \r\n", true, false, false, gen), (TStrArray{"0001 A", "0001 B"}));
  EXPECT_EQ(RandomList(std::string("A\0B", 3), true, false, false, gen), (TStrArray{"0001 A"}));
  EXPECT_EQ(RandomList("a\xC3\x9F", true, false, false, gen), (TStrArray{"0001 a", "0001 \xC3\x9F"}));

  // No letters: every block is empty and nothing is drawn.
  CountingRandom none(1);
  EXPECT_TRUE(RandomList(" \t\n", true, true, true, none).empty());
  EXPECT_TRUE(RandomList("", true, true, true, none).empty());
  EXPECT_EQ(none.Draws(), 0u);
  EXPECT_TRUE(RandomList("ABC", false, false, false, none).empty());
}

TEST(RandomList, LinesAreSyllableListLines) {
  CountingRandom gen(4);
  const TStrArray lines = RandomList("ABCDEFGHIJKLMNOPQRSTUVWXYZ", true, true, true, gen);
  TSyllableHead head;
  std::string syllable;
  for (const std::string& l : lines) {
    ASSERT_TRUE(ParseSyllableLine(l, head, syllable)) << l;
    EXPECT_GE(l.find(' '), 4u) << l;
    EXPECT_EQ(head.PositionType, kPosAnywhere);
  }
}

TEST(LoadList, ExactCodesOnly) {
  using Loader = TStrArray (*)(bool, bool, bool);
  const std::pair<const char*, Loader> codes[] = {
      {"af", LoadListAF}, {"ba", LoadListBA}, {"be", LoadListBE}, {"ca", LoadListCA}, {"ce", LoadListCE},
      {"cy", LoadListCY}, {"da", LoadListDA}, {"de", LoadListDE}, {"ee", LoadListEE}, {"en", LoadListEN},
      {"es", LoadListES}, {"fi", LoadListFI}, {"fj", LoadListFJ}, {"fr", LoadListFR}, {"ga", LoadListGA},
      {"gr", LoadListGR}, {"he", LoadListHE}, {"hi", LoadListHI}, {"hr", LoadListHR}, {"id", LoadListID},
      {"ir", LoadListIR}, {"is", LoadListIS}, {"it", LoadListIT}, {"ki", LoadListKI}, {"la", LoadListLA},
      {"lv", LoadListLV}, {"ma", LoadListMA}, {"mk", LoadListMK}, {"mn", LoadListMN}, {"nl", LoadListNL},
      {"no", LoadListNO}, {"pl", LoadListPL}, {"po", LoadListPO}, {"ru", LoadListRU}, {"se", LoadListSE},
      {"sp", LoadListSP}, {"sq", LoadListSQ}, {"ta", LoadListTA}, {"tu", LoadListTU}, {"uk", LoadListUK},
      {"vi", LoadListVI},
  };
  for (const auto& [code, load] : codes) {
    const TStrArray list = LoadList(code, true, false, true);
    EXPECT_FALSE(list.empty()) << code;
    EXPECT_EQ(list, load(true, false, true)) << code;
  }
  const TStrArray de = LoadList("de", true, true, true);
  EXPECT_EQ(de, LoadListDE(true, true, true));
  EXPECT_GT(de.size(), LoadList("de", true, false, false).size());
  EXPECT_TRUE(LoadList("de", false, false, false).empty());
  for (const char* bad : {"DE", "De", "xx", "", "d", "deu", " de"})
    EXPECT_TRUE(LoadList(bad, true, true, true).empty()) << bad;
}

TEST(NumberRange, AcceptedAndRefusedTexts) {
  TScriptedRandom gen({0, 999, 7});
  TStrArray lines;
  ASSERT_TRUE(NumberRangeList(" 3 - 5 ", lines, gen));
  EXPECT_EQ(lines, (TStrArray{"0000 3", "0999 4", "0007 5"}));

  CountingRandom counted(1);
  ASSERT_TRUE(NumberRangeList("1-20", lines, counted));
  ASSERT_EQ(lines.size(), 20u);
  for (int i = 0; i < 20; ++i) {
    const auto [f, text] = SplitLine(lines[i]);
    EXPECT_EQ(text, std::to_string(i + 1));
    EXPECT_GE(f, 0);
    EXPECT_LE(f, 999);
    EXPECT_EQ(lines[i].find(' '), 4u);
  }
  EXPECT_EQ(counted.Draws(), 20u);

  // Y below X: accepted, no line.
  lines = {"stale"};
  EXPECT_TRUE(NumberRangeList("5-3", lines, gen));
  EXPECT_TRUE(lines.empty());
  EXPECT_TRUE(NumberRangeList("5--3", lines, gen));
  EXPECT_TRUE(lines.empty());
  ASSERT_TRUE(NumberRangeList("+2--2147483648", lines, gen));
  EXPECT_TRUE(lines.empty());
  ASSERT_TRUE(NumberRangeList("2147483646-2147483647", lines, gen));
  EXPECT_EQ(lines.size(), 2u);

  for (const char* bad :
       {"10", "a-b", "-5", "1-", "-", "", "1-x", "1.5-3", "1-2147483648", "0-1000000", "0-2147483647"}) {
    lines = {"stale"};
    CountingRandom none(1);
    EXPECT_FALSE(NumberRangeList(bad, lines, none)) << bad;
    EXPECT_TRUE(lines.empty()) << bad;
    EXPECT_EQ(none.Draws(), 0u) << bad;
  }
}

TEST(NumberRange, AMillionLinesIsTheLimit) {
  TScriptedRandom gen({5});
  TStrArray lines;
  ASSERT_TRUE(NumberRangeList("1-1000000", lines, gen));
  ASSERT_EQ(lines.size(), 1000000u);
  EXPECT_EQ(lines.back(), "0005 1000000");
  EXPECT_FALSE(NumberRangeList("1-1000001", lines, gen));
  EXPECT_TRUE(lines.empty());
}

TIntStrArrayObj Result(std::initializer_list<std::pair<int32_t, const char*>> items) {
  TIntStrArrayObj r;
  for (const auto& [count, text] : items) r.Add(count, text);
  return r;
}

TEST(CounterResultAsList, SharesOfTenThousand) {
  TStrArray lines;
  EXPECT_EQ(CounterResultAsList(Result({{1, "a"}, {1, "b"}, {2, "c"}}), false, lines), TResultAsListStatus::Built);
  EXPECT_EQ(lines, (TStrArray{"2500 a", "2500 b", "5000 c"}));
  // 1 of 32 is 312.5, rounded to the even 312.
  EXPECT_EQ(CounterResultAsList(Result({{1, "a"}, {31, "b"}}), false, lines), TResultAsListStatus::Built);
  EXPECT_EQ(lines, (TStrArray{"0312 a", "9688 b"}));
  EXPECT_EQ(CounterResultAsList(Result({{5, "x"}}), false, lines), TResultAsListStatus::Built);
  EXPECT_EQ(lines, (TStrArray{"10000 x"}));
  EXPECT_EQ(CounterResultAsList(Result({{0, "z"}, {4, "y"}}), false, lines), TResultAsListStatus::Built);
  EXPECT_EQ(lines, (TStrArray{"0000 z", "10000 y"}));
  // Counts whose sum passes the 32-bit range.
  EXPECT_EQ(CounterResultAsList(Result({{2147483647, "a"}, {2147483647, "b"}}), false, lines),
            TResultAsListStatus::Built);
  EXPECT_EQ(lines, (TStrArray{"5000 a", "5000 b"}));
}

TEST(CounterResultAsList, PositionCodes) {
  TStrArray lines;
  ASSERT_EQ(CounterResultAsList(Result({{30, "AB_2"}, {170, "C"}}), true, lines), TResultAsListStatus::Built);
  EXPECT_EQ(lines, (TStrArray{"01500P2 AB", "8500 C"}));
  ASSERT_EQ(CounterResultAsList(Result({{1, "A_10"}, {2, "B_1"}}), true, lines), TResultAsListStatus::Built);
  EXPECT_EQ(lines, (TStrArray{"3333P10 A", "06667P1 B"}));
  // An item without a position after its last "_" has none.
  ASSERT_EQ(CounterResultAsList(Result({{1, "x_y_z"}}), true, lines), TResultAsListStatus::Built);
  EXPECT_EQ(lines, (TStrArray{"10000 x_y_z"}));
  // Without the setting the underscore stays in the syllable.
  ASSERT_EQ(CounterResultAsList(Result({{30, "AB_2"}, {170, "C"}}), false, lines), TResultAsListStatus::Built);
  EXPECT_EQ(lines, (TStrArray{"1500 AB_2", "8500 C"}));
  // The list reads back with its positions.
  ASSERT_EQ(CounterResultAsList(Result({{30, "AB_2"}}), true, lines), TResultAsListStatus::Built);
  TSyllableHead head;
  std::string syllable;
  ASSERT_TRUE(ParseSyllableLine(lines[0], head, syllable));
  EXPECT_EQ(head, (TSyllableHead{10000, kPosExact, 2}));
  EXPECT_EQ(syllable, "AB");
}

TEST(CounterResultAsList, GroupsHoldingTheUnderscoreKeepItBeforeTheirPosition) {
  // Digrams of "a_b" with their positions, as the counter stores them when "_"
  // is counted, and groups with "_" at either end or twice.
  const struct {
    const char* Item;
    const char* Line;
    const char* Syllable;
    int32_t Position;
  } kCases[] = {
      {"A__1", "05000P1 A_", "A_", 1},
      {"_B_2", "05000P2 _B", "_B", 2},
      {"__3", "05000P3 _", "_", 3},
      {"A_B_12", "5000P12 A_B", "A_B", 12},
  };
  for (const auto& c : kCases) {
    TStrArray lines;
    ASSERT_EQ(CounterResultAsList(Result({{1, c.Item}, {1, "Z_1"}}), true, lines), TResultAsListStatus::Built);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], c.Line) << c.Item;
    // The generator reads the line back as the whole group at its position.
    TSyllableHead head;
    std::string syllable;
    ASSERT_TRUE(ParseSyllableLine(lines[0], head, syllable)) << c.Item;
    EXPECT_EQ(syllable, c.Syllable) << c.Item;
    EXPECT_EQ(head, (TSyllableHead{5000, kPosExact, c.Position})) << c.Item;
  }
}

TEST(CounterResultAsList, EmptyAndZeroResults) {
  enginetest::EnsureEnglishTexts();
  TStrArray lines = {"stale"};
  EXPECT_EQ(CounterResultAsList(TIntStrArrayObj(), false, lines), TResultAsListStatus::EmptyResult);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(ResultEmptyMessage(),
            (TEngineMessage{TMessageKind::Error, "To be able to use this function, you have to count a text before."}));
  lines = {"stale"};
  EXPECT_EQ(CounterResultAsList(Result({{0, "a"}, {0, "b"}}), true, lines), TResultAsListStatus::ZeroSum);
  EXPECT_TRUE(lines.empty());
}

TEST(ChangeFrequencies, EqualFrequenciesKeepWhatEachLineMeans) {
  const TStrArray in = {"0558 A", "A",    "# note", "",       "0100P2 AB", " A",  "10B ka", "B10 ka", "5L2 x",
                        "7R3 y",  "3E z", "2M w",   "10b ka", "10",        "10 ", "\t5 q",  "  "};
  const TStrArray expected = {"0001 A",      "0001 A",   "# note",   "",         "0001P2 AB", "0001  A",
                              "0001B ka",    "0001B ka", "0001L2 x", "0001R3 y", "0001E z",   "0001M w",
                              "0001 10b ka", "0001 10",  "0001 ",    "0001 q",   "0001   "};
  CountingRandom gen(1);
  EXPECT_EQ(ChangeSilbenlistFrequencies(in, 1, gen), expected);
  EXPECT_EQ(gen.Draws(), 0u);
  // Every rewritten line still reads as the same entry.
  TWordGenEngine before;
  TWordGenEngine after;
  before.CreateSilbenFrequencyArray(in, false, "");
  after.CreateSilbenFrequencyArray(expected, false, "");
  size_t j = 0;
  for (const auto& e : before.SFA()) {
    while (j < after.SFA().size() && after.SFA()[j].Syllable != e.Syllable) ++j;
    ASSERT_LT(j, after.SFA().size()) << e.Syllable;
    EXPECT_EQ(after.SFA()[j].PositionType, e.PositionType) << e.Syllable;
    EXPECT_EQ(after.SFA()[j].PositionValue, e.PositionValue) << e.Syllable;
    EXPECT_EQ(after.SFA()[j].Frequency, 1) << e.Syllable;
  }
}

TEST(ChangeFrequencies, RandomFrequenciesDrawnPerRewrittenLine) {
  TScriptedRandom gen({12, 999, 0});
  EXPECT_EQ(ChangeSilbenlistFrequencies({"1 a", "# c", "", "5P1 b", "c"}, 2, gen),
            (TStrArray{"0012 a", "# c", "", "0999P1 b", "0000 c"}));
  EXPECT_EQ(gen.Draws(), 3u);
  for (uint64_t r : gen.Ranges()) EXPECT_EQ(r, 1000u);
  const TStrArray in = {"1 a", "b"};
  EXPECT_EQ(ChangeSilbenlistFrequencies(in, 0, gen), in);
  EXPECT_EQ(ChangeSilbenlistFrequencies(in, 3, gen), in);
}

}  // namespace
