// The counts compared with those of standard tools on the same ASCII text:
// tr, sort and uniq -c for words, gawk for letters, and python3's
// collections.Counter for sliding letter groups.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "foundation/random.h"
#include "support/test_support.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "wordgen/counter/counter.h"
#include "wordgen/counter/text_statistics.h"

using testsupport::Python3;
using testsupport::RunCommand;
using testsupport::ShellQuote;

namespace {

using CountMap = std::map<std::string, int64_t>;

// Words from a small alphabet (so that they repeat) in mixed case, separated by
// blanks, line breaks, punctuation and digits.
std::string MakeText(uint64_t seed, size_t words) {
  TSeededRandom rnd(seed);
  const std::string letters = "aaeeiioubcdfghklmnrstAEBCDSTxyzQ";
  const std::vector<std::string> separators = {" ", " ",  " ", "\n", ", ", ". ", "! ", "? ", "-",
                                               "'", "; ", "7", "42", "\"", " (", ") ", ":",  "  "};
  std::string text;
  for (size_t w = 0; w < words; ++w) {
    const size_t len = 1 + rnd.Random(9);
    for (size_t i = 0; i < len; ++i) text += letters[rnd.Random(letters.size())];
    text += separators[rnd.Random(separators.size())];
  }
  return text;
}

// Lines of "count item" (leading blanks allowed) as a map; empty items are skipped.
CountMap ParseCountLines(const std::string& out) {
  CountMap m;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) {
    size_t p = line.find_first_not_of(' ');
    if (p == std::string::npos) continue;
    size_t blank = line.find(' ', p);
    if (blank == std::string::npos) continue;  // a count without item
    m[line.substr(blank + 1)] += std::stoll(line.substr(p, blank - p));
  }
  return m;
}

CountMap ToMap(const TIntStrArrayObj& table) {
  CountMap m;
  for (const auto& p : table.Items) m[p.Str] += p.Int;
  return m;
}

class ToolCheckCounter : public ::testing::Test {
 protected:
  void SetUp() override {
    InitSprResLocal();
    SetSprResGlobal(0);
    text = MakeText(20240611, 20000);
    path = dir.file("text.txt");
    testsupport::WriteFileBytes(path, text);
  }

  testsupport::TempDir dir;
  std::string text;
  std::string path;
};

TEST_F(ToolCheckCounter, WordsEqualTrSortUniq) {
  auto r = RunCommand("LC_ALL=C tr -cs 'A-Za-z' '\\n' < " + ShellQuote(path) + " | LC_ALL=C sort | uniq -c");
  ASSERT_EQ(r.exitCode, 0);
  const CountMap expected = ParseCountLines(r.out);
  ASSERT_GT(expected.size(), 1000u);
  EXPECT_EQ(ToMap(CountWords(text, "", "")), expected);

  // Through the command with its defaults for words: case combined.
  r = RunCommand("LC_ALL=C tr 'a-z' 'A-Z' < " + ShellQuote(path) +
                 " | LC_ALL=C tr -cs 'A-Z' '\\n' | LC_ALL=C sort | uniq -c");
  ASSERT_EQ(r.exitCode, 0);
  TCounterObj counter;
  TCounterSettings s;
  s.CountType = ctWords;
  ASSERT_TRUE(counter.Count(text, s, NumberFormat{}).Counted);
  EXPECT_EQ(ToMap(counter.GlobalErg), ParseCountLines(r.out));
}

TEST_F(ToolCheckCounter, LettersEqualGawk) {
  const std::string script =
      "{ s = toupper($0); n = length(s); for (i = 1; i <= n; i++) { c = substr(s, i, 1); "
      "if (c ~ /[A-Z]/) k[c]++ } } END { for (c in k) print k[c], c }";
  auto r = RunCommand("LC_ALL=C gawk " + ShellQuote(script) + " " + ShellQuote(path));
  ASSERT_EQ(r.exitCode, 0);
  const CountMap expected = ParseCountLines(r.out);
  ASSERT_GE(expected.size(), 20u);

  TCounterObj counter;
  ASSERT_TRUE(counter.Count(text, TCounterSettings{}, NumberFormat{}).Counted);
  EXPECT_EQ(ToMap(counter.GlobalErg), expected);
  int64_t total = 0;
  for (const auto& [item, n] : expected) total += n;
  EXPECT_EQ(counter.GlobalErgCount, total);
}

TEST_F(ToolCheckCounter, LetterGroupsEqualPythonCounter) {
  const std::string script = dir.file("groups.py");
  testsupport::WriteFileBytes(script,
                              "import collections, re, sys\n"
                              "text = open(sys.argv[1], encoding='ascii').read()\n"
                              "n = int(sys.argv[2])\n"
                              "mode = sys.argv[3]\n"
                              "if mode == 'words':\n"
                              "    runs = re.split(r'[^A-Z]+', text.upper())\n"
                              "else:\n"
                              "    runs = re.split(r'[\\x00-\\x1f]+', text)\n"
                              "c = collections.Counter(r[i:i + n] for r in runs for i in range(len(r) - n + 1))\n"
                              "for item, count in c.items():\n"
                              "    print(count, item)\n");
  for (int32_t n = 2; n <= 6; ++n) {
    auto r =
        RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(path) + " " + std::to_string(n) + " words");
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const CountMap expected = ParseCountLines(r.out);
    ASSERT_FALSE(expected.empty());

    TCounterObj counter;
    TCounterSettings s;
    s.CountType = static_cast<TCountType>(n);
    ASSERT_TRUE(counter.Count(text, s, NumberFormat{}).Counted);
    EXPECT_EQ(ToMap(counter.GlobalErg), expected) << "n = " << n;
  }

  // With blanks counted, groups run across words and stop only at line breaks.
  auto r = RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(path) + " 3 blanks");
  ASSERT_EQ(r.exitCode, 0) << r.out;
  const CountMap expected = ParseCountLines(r.out);
  ASSERT_TRUE(expected.count(" AE") || expected.count("e, ") || expected.size() > 1000);
  EXPECT_EQ(ToMap(CountCharacters(text, 3, "", "", true, false)), expected);
}

}  // namespace
