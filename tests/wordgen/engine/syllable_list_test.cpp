#include "wordgen/engine/syllable_list.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"
#include "wordgen/engine/word_generator.h"

namespace {

using enginetest::Load;

struct HeadCase {
  const char* Head;
  bool Ok;
  TSyllableHead Expected;
};

TEST(SyllableHead, EveryFormAndTheHeadsThatFitNone) {
  const HeadCase cases[] = {
      {"10", true, {10, kPosAnywhere, 0}},
      {"10B", true, {10, kPosBegin, 0}},
      {"B10", true, {10, kPosBegin, 0}},
      {"1B0", true, {10, kPosBegin, 0}},
      {"10BB", true, {10, kPosBegin, 0}},
      {"B\t10", true, {10, kPosBegin, 0}},
      {"10E", true, {10, kPosEnd, 0}},
      {"1E2", true, {12, kPosEnd, 0}},
      {"10M", true, {10, kPosMiddle, 0}},
      {"5L2", true, {5, kPosLeft, 2}},
      {"5R2", true, {5, kPosRight, 2}},
      {"0050P3", true, {50, kPosExact, 3}},
      {"5\tL\t2", true, {5, kPosLeft, 2}},
      {"5L-2", true, {5, kPosLeft, -2}},
      {"\t10", true, {10, kPosAnywhere, 0}},
      {"+10", true, {10, kPosAnywhere, 0}},
      {"-5", true, {-5, kPosAnywhere, 0}},
      {"2147483647", true, {2147483647, kPosAnywhere, 0}},
      {"-2147483648", true, {-2147483647 - 1, kPosAnywhere, 0}},
      // Code letters are upper case only.
      {"10b", false, {}},
      {"10e", false, {}},
      {"5l2", false, {}},
      {"5L", false, {}},
      {"L2", false, {}},
      {"5LL2", false, {}},
      {"B", false, {}},
      {"2147483648", false, {}},
      {"-2147483649", false, {}},
      // A trailing tab spoils a whole number, and without a "B" the B form
      // does not apply to rescue it.
      {"10\t", false, {}},
      {"", false, {}},
      {"#", false, {}},
      {"0x10", false, {}},
      {"$10", false, {}},
      {"10BE", false, {}},
  };
  for (const HeadCase& c : cases) {
    TSyllableHead head{-1, -1, -1};
    EXPECT_EQ(ParseSyllableHead(c.Head, head), c.Ok) << "head \"" << c.Head << "\"";
    if (c.Ok) {
      EXPECT_EQ(head, c.Expected) << "head \"" << c.Head << "\"";
    }
  }
}

TEST(SyllableLine, SyllableIsEverythingAfterTheFirstBlank) {
  struct LineCase {
    const char* Line;
    bool Ok;
    const char* Syllable;
  };
  const LineCase cases[] = {
      {"10 ka", true, "ka"},       {"10 ka ", true, "ka "},  // trailing blank kept
      {"10  ka", true, " ka"},                               // two blanks: the syllable begins with one
      {"10 ka ti", true, "ka ti"}, {"10 #", true, "#"},     {" 10 ka", false, ""},  // leading blank: empty head
      {"10", false, ""},           {"10 ", false, ""},      {"# 10 ka", false, ""},
      {"10\tka", false, ""},       {"", false, ""},
  };
  for (const LineCase& c : cases) {
    TSyllableHead head;
    std::string syllable = "unchanged";
    EXPECT_EQ(ParseSyllableLine(c.Line, head, syllable), c.Ok) << "line \"" << c.Line << "\"";
    if (c.Ok) {
      EXPECT_EQ(syllable, c.Syllable) << "line \"" << c.Line << "\"";
    }
  }
}

TEST(FrequencyTable, EntriesInLineOrderWithRunningTotals) {
  TWordGenEngine engine;
  Load(engine, {"3 ka", "# 10 comment", "", "0 ti", " 7 no", "-4 ro", "5P2 ka", "10b no", "2 ka"});
  const TSilbenFrequencyArray& sfa = engine.SFA();
  ASSERT_EQ(sfa.size(), 5u);
  // Duplicates stay separate entries; a negative frequency is kept but adds
  // nothing to the running total.
  const struct {
    const char* Syllable;
    int32_t Frequency;
    int64_t Cumulative;
    int32_t Type;
    int32_t Value;
  } expected[] = {{"ka", 3, 3, kPosAnywhere, 0},
                  {"ti", 0, 3, kPosAnywhere, 0},
                  {"ro", -4, 3, kPosAnywhere, 0},
                  {"ka", 5, 8, kPosExact, 2},
                  {"ka", 2, 10, kPosAnywhere, 0}};
  for (size_t i = 0; i < sfa.size(); ++i) {
    EXPECT_EQ(sfa[i].Syllable, expected[i].Syllable) << i;
    EXPECT_EQ(sfa[i].Frequency, expected[i].Frequency) << i;
    EXPECT_EQ(sfa[i].Cumulative, expected[i].Cumulative) << i;
    EXPECT_EQ(sfa[i].PositionType, expected[i].Type) << i;
    EXPECT_EQ(sfa[i].PositionValue, expected[i].Value) << i;
    EXPECT_FALSE(sfa[i].Used) << i;
  }
  EXPECT_EQ(engine.MaxKum(), 10);

  // Rebuilding starts from scratch.
  Load(engine, {"1 x"});
  ASSERT_EQ(engine.SFA().size(), 1u);
  EXPECT_EQ(engine.MaxKum(), 1);
  Load(engine, {"no entry"});
  EXPECT_TRUE(engine.SFA().empty());
  EXPECT_EQ(engine.MaxKum(), 0);
}

TEST(FrequencyTable, TotalsBeyondThirtyTwoBits) {
  TWordGenEngine engine;
  Load(engine, {"2147483647 a", "2147483647 b", "2147483647 c"});
  EXPECT_EQ(engine.SFA()[2].Cumulative, int64_t{3} * 2147483647);
  EXPECT_EQ(engine.MaxKum(), int64_t{3} * 2147483647);
}

TEST(FrequencyTable, LineBreakCharacter) {
  TWordGenEngine engine;
  const TStrArray lines = {"10 a/nlb", "5 /nl/nl", "1 A/NLB"};
  engine.CreateSilbenFrequencyArray(lines, true, "/nl");
  EXPECT_EQ(engine.SFA()[0].Syllable, "a\nb");
  EXPECT_EQ(engine.SFA()[1].Syllable, "\n\n");
  EXPECT_EQ(engine.SFA()[2].Syllable, "A/NLB");  // case-sensitive
  engine.CreateSilbenFrequencyArray(lines, false, "/nl");
  EXPECT_EQ(engine.SFA()[0].Syllable, "a/nlb");
  engine.CreateSilbenFrequencyArray(lines, true, "");
  EXPECT_EQ(engine.SFA()[0].Syllable, "a/nlb");
  // The replacement runs after the lines were read: a marker made of blanks
  // does not change how a line splits.
  engine.CreateSilbenFrequencyArray({"10 a b"}, true, " ");
  EXPECT_EQ(engine.SFA()[0].Syllable, "a\nb");
}

TEST(FrequencyCheck, FourResults) {
  const struct {
    TStrArray Lines;
    int32_t Result;
  } cases[] = {
      {{}, kFreqCheckNothingUsable},
      {{"", "# 10 ka", "   ", "\t# x"}, kFreqCheckNothingUsable},
      {{"ka"}, kFreqCheckNoFrequencies},
      {{"10b ka", "10\tka"}, kFreqCheckNoFrequencies},
      {{"10 ka", "ka"}, kFreqCheckSomeWithout},
      {{"10 ka", "# c", "", "10"}, kFreqCheckSomeWithout},
      {{"00123P1 A", "5L2 b", "3E c"}, kFreqCheckAllHaveFrequency},
      // The check trims, the table builder does not.
      {{" 10 ka"}, kFreqCheckAllHaveFrequency},
      {{"10\t ka"}, kFreqCheckNoFrequencies},
  };
  for (const auto& c : cases) {
    std::string joined;
    for (const auto& l : c.Lines) joined += "[" + l + "]";
    EXPECT_EQ(CheckSyllableListForFrequencies(c.Lines), c.Result) << joined;
  }
}

TEST(PositionCheck, MissingPositionsText) {
  TWordGenEngine engine;
  std::string missing = "old";
  Load(engine, {"1B a", "1E b"});
  EXPECT_FALSE(engine.CheckSyllableListForPositions(3, missing));
  EXPECT_EQ(missing, "2 ");
  EXPECT_FALSE(engine.CheckSyllableListForPositions(4, missing));
  EXPECT_EQ(missing, "2 3 ");
  EXPECT_TRUE(engine.CheckSyllableListForPositions(2, missing));
  EXPECT_EQ(missing, "");
  EXPECT_TRUE(engine.CheckSyllableListForPositions(1, missing));
  EXPECT_TRUE(engine.CheckSyllableListForPositions(0, missing));
  EXPECT_TRUE(engine.CheckSyllableListForPositions(-3, missing));

  Load(engine, {"1P0 a", "1P9 b", "1M c"});
  EXPECT_FALSE(engine.CheckSyllableListForPositions(3, missing));
  EXPECT_EQ(missing, "1 3 ");
  EXPECT_FALSE(engine.CheckSyllableListForPositions(2, missing));
  EXPECT_EQ(missing, "1 2 ");
  Load(engine, {"1L9 a"});
  EXPECT_TRUE(engine.CheckSyllableListForPositions(3, missing));
  Load(engine, {"1R9 a"});
  EXPECT_TRUE(engine.CheckSyllableListForPositions(3, missing));
  Load(engine, {"1L2 a", "1R1 b"});
  EXPECT_FALSE(engine.CheckSyllableListForPositions(5, missing));
  EXPECT_EQ(missing, "3 4 ");
  Load(engine, {"1L0 a", "1R0 b", "1L-5 c", "1R-2147483648 d", "1P-1 e"});
  EXPECT_FALSE(engine.CheckSyllableListForPositions(2, missing));
  EXPECT_EQ(missing, "1 2 ");
  // Frequencies play no part: entries the draw never picks still cover.
  Load(engine, {"0P1 a", "-3P2 b"});
  EXPECT_TRUE(engine.CheckSyllableListForPositions(2, missing));
}

TEST(PositionCheck, AgreesWithThePositionTableOnEveryLength) {
  // Every single-entry list against every word length, checked position by
  // position with the table the draw uses.
  const char* heads[] = {"1", "1B", "1E", "1M", "1L2", "1R2", "1P2", "1L0", "1R5", "1P5"};
  TWordGenEngine engine;
  for (const char* h : heads) {
    Load(engine, {(std::string(h) + " x").c_str()});
    const TSilbenFrequencyItem& e = engine.SFA()[0];
    for (int32_t length = 1; length <= 6; ++length) {
      std::string expectMissing;
      for (int32_t a = 1; a <= length; ++a)
        if (!IsAllowedAtPosition(e.PositionType, e.PositionValue, a, length)) expectMissing += std::to_string(a) + " ";
      std::string missing;
      EXPECT_EQ(engine.CheckSyllableListForPositions(length, missing), expectMissing.empty())
          << h << " length=" << length;
      EXPECT_EQ(missing, expectMissing) << h << " length=" << length;
    }
  }
}

TEST(PositionTable, AllowedPositions) {
  EXPECT_TRUE(IsAllowedAtPosition(kPosBegin, 0, 1, 1));
  EXPECT_TRUE(IsAllowedAtPosition(kPosEnd, 0, 1, 1));
  EXPECT_FALSE(IsAllowedAtPosition(kPosMiddle, 0, 1, 2));
  EXPECT_FALSE(IsAllowedAtPosition(kPosMiddle, 0, 2, 2));
  EXPECT_TRUE(IsAllowedAtPosition(kPosMiddle, 0, 2, 3));
  EXPECT_TRUE(IsAllowedAtPosition(kPosLeft, 2, 2, 5));
  EXPECT_FALSE(IsAllowedAtPosition(kPosLeft, 2, 3, 5));
  EXPECT_TRUE(IsAllowedAtPosition(kPosRight, 2, 4, 5));
  EXPECT_FALSE(IsAllowedAtPosition(kPosRight, 2, 3, 5));
  EXPECT_FALSE(IsAllowedAtPosition(kPosRight, -2147483647 - 1, 1, 5));
  EXPECT_TRUE(IsAllowedAtPosition(kPosRight, 2147483647, 1, 5));
  EXPECT_TRUE(IsAllowedAtPosition(kPosExact, 3, 3, 5));
  EXPECT_FALSE(IsAllowedAtPosition(kPosExact, 3, 2, 5));
  EXPECT_FALSE(IsAllowedAtPosition(99, 0, 1, 1));
}

TEST(FieldLines, LinesAsTheFieldHoldsThem) {
  EXPECT_EQ(SplitFieldLines(""), TStrArray{});
  EXPECT_EQ(SplitFieldLines("a"), TStrArray{"a"});
  EXPECT_EQ(SplitFieldLines("a\n"), TStrArray{"a"});
  EXPECT_EQ(SplitFieldLines("\n"), TStrArray{""});
  EXPECT_EQ(SplitFieldLines("a\r\nb\rc\n\nd"), (TStrArray{"a", "b", "c", "", "d"}));
}

TEST(LeadingZeros, FourDigitsNeverCut) {
  EXPECT_EQ(IntToStrLeadingZeros(7, 4), "0007");
  EXPECT_EQ(IntToStrLeadingZeros(0, 4), "0000");
  EXPECT_EQ(IntToStrLeadingZeros(1523, 4), "1523");
  EXPECT_EQ(IntToStrLeadingZeros(10412, 4), "10412");
}

}  // namespace
