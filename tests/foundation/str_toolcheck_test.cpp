// Checks of the split, replace and quote-aware split functions against
// python3's str.split, str.replace and csv module on random texts.
#include <gtest/gtest.h>

#include <random>

#include "foundation/str_split.h"
#include "foundation/str_transform.h"
#include "support/test_support.h"

namespace {

using testsupport::Python3;
using testsupport::RunCommand;
using testsupport::ShellQuote;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

std::string Hex(std::string_view s) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : s) {
    out.push_back(digits[c >> 4]);
    out.push_back(digits[c & 15]);
  }
  return out;
}

// Random valid UTF-8 text from pieces that make many near-misses of the
// delimiters used below.
std::string RandomText(std::mt19937& rng, size_t maxPieces) {
  static const std::string pieces[] = {"a",  "b", ",", ",,", "||",   "|",  "€",  "\xE2\x82\xAC\xE2\x82\xAC",
                                       "ä",  "😀", " ", "\t", "\r\n", "\n", "ab", "ba",
                                       "aa", "x"};
  std::string s;
  size_t n = rng() % (maxPieces + 1);
  for (size_t k = 0; k < n; ++k) s += pieces[rng() % std::size(pieces)];
  return s;
}

// Runs a python script over a file of records and returns its output lines.
TStrArray RunPython(const TempDir& dir, const std::string& script, const std::string& input) {
  WriteFileBytes(dir.file("check.py"), script);
  WriteFileBytes(dir.file("input.txt"), input);
  auto result =
      RunCommand(Python3() + " " + ShellQuote(dir.file("check.py")) + " " + ShellQuote(dir.file("input.txt")));
  EXPECT_EQ(result.exitCode, 0) << result.out;
  TStrArray lines;
  ExplodeAtChar(lines, '\n', result.out);
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

TEST(ToolCheckStrings, ExplodeEqualsPythonSplit) {
  const std::string script = R"(import sys
for line in open(sys.argv[1]):
    d, t = line.rstrip('\n').split(' ')
    delim = bytes.fromhex(d).decode('utf-8')
    text = bytes.fromhex(t).decode('utf-8')
    print(','.join(p.encode('utf-8').hex() for p in text.split(delim)))
)";
  const std::string delimiters[] = {",", "||", "€", "€€", "aa", "\r\n", "ab,", "😀", "a"};
  std::mt19937 rng(2024);
  std::string input;
  std::vector<std::string> expected;
  for (int i = 0; i < 600; ++i) {
    const std::string& d = delimiters[i % std::size(delimiters)];
    // Every tenth text passes the size at which Explode changes strategy.
    std::string text = RandomText(rng, i % 10 == 0 ? 12000 : 30);
    input += Hex(d) + " " + Hex(text) + "\n";
    TStrArray parts;
    Explode(parts, d, text);
    std::string joined;
    for (size_t k = 0; k < parts.size(); ++k) joined += (k ? "," : "") + Hex(parts[k]);
    expected.push_back(joined);
  }
  TempDir dir;
  TStrArray got = RunPython(dir, script, input);
  ASSERT_EQ(got.size(), expected.size());
  for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], expected[i]) << "record " << i;
}

TEST(ToolCheckStrings, StringReplaceFastEqualsPythonReplace) {
  const std::string script = R"(import sys
for line in open(sys.argv[1]):
    o, n, t = [bytes.fromhex(x).decode('utf-8') for x in line.rstrip('\n').split(' ')]
    print(t.replace(o, n).encode('utf-8').hex())
)";
  // Same length, one byte, and longer or shorter replacements.
  const std::pair<std::string, std::string> pairs[] = {{"a", "b"},  {"aa", "b"},    {"ab", "ba"}, {",", ""},
                                                       {",", ";;"}, {"€", "E"},     {"€", "$"},   {"||", "|"},
                                                       {"a", "aa"}, {"\r\n", "\n"}, {"ä", "ae"},  {"x", "😀"}};
  std::mt19937 rng(77);
  std::string input;
  std::vector<std::string> expected;
  for (int i = 0; i < 600; ++i) {
    const auto& [o, n] = pairs[i % std::size(pairs)];
    std::string text = RandomText(rng, i % 25 == 0 ? 5000 : 30);
    input += Hex(o) + " " + Hex(n) + " " + Hex(text) + "\n";
    expected.push_back(Hex(StringReplaceFast(text, o, n)));
  }
  TempDir dir;
  TStrArray got = RunPython(dir, script, input);
  ASSERT_EQ(got.size(), expected.size());
  for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], expected[i]) << "record " << i;
}

TEST(ToolCheckStrings, ExplodeWithQuotesEqualsPythonCsv) {
  const std::string script = R"(import csv, sys
with open(sys.argv[1], newline='', encoding='utf-8') as f:
    for row in csv.reader(f, delimiter=',', quotechar='"'):
        print(','.join(c.encode('utf-8').hex() for c in row))
)";
  const std::string cellPieces[] = {"a", "b", " ", ",", "\"", "ä", "€", "x y", "'", "\t"};
  std::mt19937 rng(31);
  std::string input;
  std::vector<std::string> expected;
  for (int i = 0; i < 800; ++i) {
    // A well-formed one-line record: a cell holding a separator or a quote is
    // quoted with its quotes doubled; others are quoted now and then.
    size_t cells = 1 + rng() % 6;
    std::string record;
    for (size_t c = 0; c < cells; ++c) {
      std::string cell;
      size_t len = rng() % 5;
      for (size_t k = 0; k < len; ++k) cell += cellPieces[rng() % std::size(cellPieces)];
      bool quote = cell.find_first_of(",\"") != std::string::npos || rng() % 4 == 0;
      // csv reads an empty line as no record at all; quote a lone empty cell.
      if (cells == 1 && cell.empty()) quote = true;
      if (c) record += ",";
      record += quote ? "\"" + StringReplaceFast(cell, "\"", "\"\"") + "\"" : cell;
    }
    input += record + "\n";
    TStrArray fields;
    ExplodeWithQuotes(fields, record, ",", "\"");
    std::string joined;
    for (size_t k = 0; k < fields.size(); ++k) joined += (k ? "," : "") + Hex(fields[k]);
    expected.push_back(joined);
  }
  TempDir dir;
  TStrArray got = RunPython(dir, script, input);
  ASSERT_EQ(got.size(), expected.size());
  for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], expected[i]) << "record " << i;
}

}  // namespace
