#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "counter_test_support.h"
#include "foundation/letter_case.h"
#include "foundation/random.h"
#include "foundation/utf8.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "wordgen/counter/counter.h"
#include "wordgen/counter/text_statistics.h"

using countertest::Pairs;

namespace {

using TKind = TPieceCounter::TKind;

TEST(CountPieceEnd, Table) {
  struct Case {
    const char* name;
    std::string text;
    size_t want;
    size_t expected;
  };
  const std::vector<Case> cases = {
      {"short text is one piece", "ab\ncd", 10, 5},
      {"after the last line break within", "ab\ncd\nef", 7, 6},
      {"tab and carriage return break too", "ab\tcd\ref", 7, 6},
      {"blank does not break", "ab cd ef", 4, 8},
      {"first break beyond", "abcdef\ngh", 3, 7},
      {"no break at all", "abcdefgh", 3, 8},
      {"break as the first byte", "\nabcdef", 3, 1},
      {"NUL does not break", std::string("ab\0cd\nef", 8), 4, 6},
  };
  for (const auto& c : cases) EXPECT_EQ(CountPieceEnd(c.text, c.want), c.expected) << c.name;
}

// Counting a text in the pieces CountPieceEnd gives equals counting it whole,
// whatever the piece size, for every kind and option.
TEST(PieceCounter, PiecesCountAsTheWholeText) {
  TSeededRandom rnd(17);
  const std::vector<std::string> parts = {"a", "b", "E",  "ab", "Ä",    "ö",    "ß",
                                          "Ж", "ж", "中", " ",  "\n",   "\t",   "\r",
                                          "-", ",", "1",  "@",  "\xff", "\xC3", std::string(1, '\0')};
  const std::vector<std::string> lists = {"", "a", "ab", "Äö", "Ж", "\xff", "1,"};
  for (int round = 0; round < 400; ++round) {
    std::string text;
    const size_t len = rnd.Random(80);
    for (size_t i = 0; i < len; ++i) text += parts[rnd.Random(parts.size())];
    const std::string excluded = lists[rnd.Random(lists.size())];
    const std::string only = lists[rnd.Random(lists.size())];
    const bool blanks = rnd.Random(2) == 1;
    const int32_t n = static_cast<int32_t>(rnd.Random(8));
    const size_t want = 1 + rnd.Random(12);
    auto inPieces = [&](TKind kind, bool preFill) {
      TPieceCounter counter(kind, n, excluded, only, blanks);
      if (preFill) counter.PreFill();
      std::string_view rest = text;
      while (!rest.empty()) {
        const size_t end = CountPieceEnd(rest, want);
        counter.Feed(rest.substr(0, end));
        rest.remove_prefix(end);
      }
      return counter.Finish().Items.Vector();
    };
    ASSERT_EQ(inPieces(TKind::Words, false), CountWords(text, excluded, only).Items.Vector()) << round;
    ASSERT_EQ(inPieces(TKind::Groups, false), CountCharacters(text, n, excluded, only, blanks, false).Items.Vector())
        << round;
    ASSERT_EQ(inPieces(TKind::Groups, true), CountCharacters(text, n, excluded, only, blanks, true).Items.Vector())
        << round;
    ASSERT_EQ(inPieces(TKind::GroupPositions, false),
              CountCharacterPositions(text, n, excluded, only, blanks).Items.Vector())
        << round;
  }
}

// Many distinct items, long ones among them that differ only after their
// eighth byte, keep their counts and their order of first occurrence.
TEST(PieceCounter, LargeVocabularyKeepsFirstOccurrenceOrder) {
  TSeededRandom rnd(5);
  std::vector<std::string> vocabulary;
  for (int i = 0; i < 30000; ++i) {
    std::string w = i % 3 == 0 ? "Verbindungs" : "";
    const size_t len = 1 + rnd.Random(12);
    for (size_t k = 0; k < len; ++k) w += static_cast<char>('a' + rnd.Random(26));
    vocabulary.push_back(w);
  }
  std::string text;
  std::vector<std::string> order;
  std::map<std::string, int32_t> counts;
  for (int i = 0; i < 200000; ++i) {
    const std::string& w = vocabulary[rnd.Random(vocabulary.size())];
    text += w;
    text += i % 9 == 0 ? "\n" : " ";
    if (counts[w]++ == 0) order.push_back(w);
  }
  TIntStrArray expected;
  for (const std::string& w : order) expected.push_back({counts[w], w});
  EXPECT_EQ(CountWords(text, "", "").Items.Vector(), expected);
}

// Words counted by the plain rule, character by character: runs of letters,
// a run dropped when it holds a letter of the excluded list.
TIntStrArray ReferenceWords(std::string_view text, std::string_view excluded) {
  TIntStrArray out;
  std::map<std::string, size_t> at;
  std::string word;
  bool valid = true;
  auto finish = [&] {
    if (!word.empty() && valid) {
      const auto [it, added] = at.emplace(word, out.size());
      if (added) out.push_back({0, word});
      ++out[it->second].Int;
    }
    word.clear();
    valid = true;
  };
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    const char32_t cp = UTF8DecodeAt(text, pos);
    const std::string_view ch = text.substr(start, pos - start);
    if (!IsLetterCodePoint(cp)) {
      finish();
      continue;
    }
    if (!excluded.empty() && excluded.find(ch) != std::string_view::npos) valid = false;
    word += ch;
  }
  finish();
  return out;
}

// Long texts, where ASCII stretches are read 64 bytes at a time and the rest
// byte by byte: words across those stretches, long words, words in the last
// bytes of the text, letters beyond ASCII inside words, and an excluded ASCII
// letter (which turns the stretches off) all count as the plain rule does.
TEST(PieceCounter, WordsOfLongTextsCountAsThePlainRule) {
  TSeededRandom rnd(23);
  const std::vector<std::string> parts = {"a",  "Z", "qu", "Verbindungsstellen", "ab", " ", "  ", ".",
                                          "\n", "1", "-",  "\xC3\xA4",           "Ж",  "€", "@",  "x"};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const size_t len = 1 + rnd.Random(600);
    // Mostly ASCII, now and then a stretch of other characters.
    const size_t asciiParts = round % 3 == 0 ? parts.size() : 11;
    for (size_t i = 0; i < len; ++i) text += parts[rnd.Random(asciiParts)];
    for (const std::string excluded : {"", ",.", "x", "\xC3\xA4"}) {
      ASSERT_EQ(CountWords(text, excluded, "").Items.Vector(), ReferenceWords(text, excluded))
          << round << " excluded \"" << excluded << "\"";
    }
  }
}

class CountInPiecesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitSprResLocal();
    SetSprResGlobal(0);
  }
  TCounterObj counter;
};

// A text longer than the pieces the count takes: a "ß" near its end (even
// after a NUL, where nothing is counted) decides how a "ẞ" near its start is
// counted, as it does for a short text.
TEST_F(CountInPiecesTest, SharpSAnywhereDecidesForTheWholeText) {
  TCounterSettings s;
  s.CountType = ctWords;
  s.AlwaysCountSmallSharpS = true;
  const std::string filler = std::string(3u << 20, 'x') + "\n";
  for (const std::string& tail : {std::string("straße\n"), std::string("x\n") + std::string(1, '\0') + "ß"}) {
    const std::string text = "GROẞ\n" + filler + tail;
    counter.Count(text, s, NumberFormat{});
    EXPECT_EQ(counter.GlobalErg.GetInt("GROß", 0), 1);
    EXPECT_EQ(counter.GlobalErg.GetInt("GROẞ", 0), 0);
  }
  counter.Count("GROẞ\n" + filler, s, NumberFormat{});
  EXPECT_EQ(counter.GlobalErg.GetInt("GROẞ", 0), 1);
}

// Items on both sides of a piece boundary: counts add up across pieces, and
// the order of first occurrence holds.
TEST_F(CountInPiecesTest, CountsAddUpAcrossPieces) {
  TCounterSettings s;
  s.CountType = ctWords;
  s.Sorting = csOccurence;
  std::string text;
  while (text.size() < (3u << 20)) text += "zeta alpha\nBeta\n";
  text += "omega alpha";
  counter.Count(text, s, NumberFormat{});
  const int32_t lines = static_cast<int32_t>((text.size() - 11) / 16);
  EXPECT_EQ(counter.GlobalErg.Items.Vector(),
            Pairs({{"ZETA", lines}, {"ALPHA", lines + 1}, {"BETA", lines}, {"OMEGA", 1}}));
}

}  // namespace
