#include "foundation/numeral_systems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>

#include "support/test_support.h"

namespace {

TEST(NumeralSystems, DigitAlphabet) {
  EXPECT_EQ(CharToInt('0'), 0);
  EXPECT_EQ(CharToInt('9'), 9);
  EXPECT_EQ(CharToInt('A'), 10);
  EXPECT_EQ(CharToInt('Z'), 35);
  EXPECT_EQ(CharToInt('a'), 36);
  EXPECT_EQ(CharToInt('z'), 61);
  EXPECT_EQ(CharToInt('#'), 0);
  EXPECT_EQ(CharToInt('\xC3'), 0);
  EXPECT_EQ(IntToChar(0), "0");
  EXPECT_EQ(IntToChar(10), "A");
  EXPECT_EQ(IntToChar(36), "a");
  EXPECT_EQ(IntToChar(61), "z");
  EXPECT_EQ(IntToChar(62), "");
  EXPECT_EQ(IntToChar(-1), "");
  for (int32_t v = 0; v < 62; ++v) EXPECT_EQ(CharToInt(IntToChar(v)[0]), v);
}

TEST(NumeralSystems, ConversionTable) {
  struct Case {
    const char* in;
    int from, to;
    const char* out;
  } cases[] = {
      {"FF", 16, 10, "255"},
      {"ff", 16, 10, "255"},  // bases up to 36 ignore letter case
      {"255", 10, 16, "FF"},
      {"10", 10, 62, "A"},
      {"z", 62, 10, "61"},  // base 62 tells the cases apart
      {"Z", 62, 10, "35"},
      {"z", 36, 10, "35"},
      {"Z", 36, 10, "35"},
      {"0", 16, 10, "0"},
      {"", 16, 10, "0"},
      {"00FF", 16, 10, "255"},
      {"00FF", 16, 16, "FF"},  // same base: leading zeros still go
      {"  1010 \t", 2, 10, "10"},
      {"F#F", 16, 10, "3855"},  // unknown characters are the digit 0
      {"19", 2, 10, "11"},      // a digit above the base keeps its value
      {"61", 10, 62, "z"},
      {"3844", 10, 62, "100"},
      {"4294967295", 10, 16, "FFFFFFFF"},
      {"18446744073709551616", 10, 16, "10000000000000000"},
      {"zzzzzzzzzz", 62, 10, "839299365868340223"},
      {"1", 10, 2, "1"},
      {"1024", 10, 2, "10000000000"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NSNumberToNSNumber(c.in, c.from, c.to), c.out) << c.in << " " << c.from << "->" << c.to;
}

TEST(NumeralSystems, FortyHexDigitsAreExact) {
  EXPECT_EQ(NSNumberToNSNumber(std::string(40, 'F'), 16, 10), "1461501637330902918203684832716283019655932542975");
  EXPECT_EQ(NSNumberToNSNumber("1461501637330902918203684832716283019655932542975", 10, 16), std::string(40, 'F'));
}

TEST(NumeralSystems, InvalidSystemsGiveNoNumber) {
  EXPECT_EQ(NSNumberToNSNumber("10", 0, 10), "");
  EXPECT_EQ(NSNumberToNSNumber("10", 1, 10), "");
  EXPECT_EQ(NSNumberToNSNumber("10", 10, 63), "");
  TBigNumber n(0);  // clamped to base 2
  EXPECT_EQ(n.Base(), 2);
  n.Add(5);
  EXPECT_EQ(n.AsString(), "101");
}

TEST(NumeralSystems, LongNumbersRoundTripInEveryBase) {
  std::mt19937 rng(42);
  for (int base = 2; base <= 62; ++base) {
    std::string digits(300, '0');
    for (auto& c : digits) c = IntToChar(static_cast<int32_t>(rng() % base))[0];
    digits[0] = IntToChar(1 + static_cast<int32_t>(rng() % (base - 1)))[0];
    const std::string dec = NSNumberToNSNumber(digits, static_cast<TNumeralSystem>(base), 10);
    const std::string back = NSNumberToNSNumber(dec, 10, static_cast<TNumeralSystem>(base));
    EXPECT_EQ(back, digits) << "base " << base;
    EXPECT_EQ(NSNumberToNSNumber(digits, static_cast<TNumeralSystem>(base), 62), NSNumberToNSNumber(dec, 10, 62));
  }
}

TEST(NumeralSystems, ManyThousandDigitsFinishQuickly) {
  const std::string digits(5000, 'F');
  const std::string dec = NSNumberToNSNumber(digits, 16, 10);
  EXPECT_EQ(NSNumberToNSNumber(dec, 10, 16), digits);
}

TEST(BigNumber, ArithmeticWithoutOverflow) {
  TBigNumber n(10);
  EXPECT_EQ(n.AsString(), "0");
  EXPECT_TRUE(n.AsIntArray().empty());
  n.Add(std::numeric_limits<int32_t>::max());
  n.Add(std::numeric_limits<int32_t>::max());
  EXPECT_EQ(n.AsString(), "4294967294");
  n.Multiply(std::numeric_limits<int32_t>::max());
  EXPECT_EQ(n.AsString(), "9223372028264841218");
  n.Multiply(0);
  EXPECT_EQ(n.AsString(), "0");

  TBigNumber m(16);
  m.Add(TIntArray{15, 15});  // least significant first
  EXPECT_EQ(m.AsString(), "FF");
  m.Add(TIntArray{1});
  EXPECT_EQ(m.AsString(), "100");
  EXPECT_EQ(m.AsIntArray(), (TIntArray{0, 0, 1}));
  m.Add("ff", 16);
  EXPECT_EQ(m.AsString(), "1FF");
  m.Add("255", 10);
  EXPECT_EQ(m.AsString(), "2FE");
  m.Multiply(16);
  EXPECT_EQ(m.AsString(), "2FE0");
}

TEST(BigNumber, RefreshNumberCarriesUpward) {
  TBigNumber n(10);
  n.Add(TIntArray{9});
  n.Add(TIntArray{9, 9, 9});
  EXPECT_EQ(n.AsIntArray(), (TIntArray{8, 0, 0, 1}));
  EXPECT_EQ(n.AsString(), "1008");
  n.RefreshNumber();
  EXPECT_EQ(n.AsString(), "1008");
}

TEST(UnitStrings, CreateUnitString) {
  EXPECT_EQ(CreateUnitString(0.1 + 0.2, "cm", '.'), "0.3cm");
  EXPECT_EQ(CreateUnitString(2.5, "cm", '.'), "2.5cm");
  EXPECT_EQ(CreateUnitString(2.5, "pt", ','), "2,5pt");
  EXPECT_EQ(CreateUnitString(12, "px", '.'), "12px");
  EXPECT_EQ(CreateUnitString(-0.75, "in", '.'), "-0.75in");
  EXPECT_EQ(CreateUnitString(1234567.5, "pt", '.'), "1234567.5pt");
}

TEST(UnitStrings, CmToTwipsUsesTheFactor566928) {
  struct Case {
    double cm;
    int32_t twips;
  } cases[] = {{1, 567}, {0.5, 283}, {2.54, 1440}, {21, 11905}, {29.7, 16838}, {2, 1134}, {0, 0}, {-1, -567}};
  for (const auto& c : cases) EXPECT_EQ(CmToTwips(c.cm), c.twips) << c.cm;
  EXPECT_EQ(CmToTwipsString(2), "1134");
  EXPECT_EQ(CmToTwipsString(21), "11905");
  // Out-of-range values stay defined.
  EXPECT_EQ(CmToTwips(std::nan("")), 0);
  EXPECT_EQ(CmToTwips(1e300), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(CmToTwips(-1e300), std::numeric_limits<int32_t>::min());
}

// Python's int(x, base) reads bases up to 36; base 62 and the way back to
// text are checked against a few lines of Python over the same alphabet.
TEST(ToolCheckNumeralSystems, ConversionsAgreeWithPython) {
  testsupport::TempDir dir;
  std::mt19937 rng(7);
  std::ostringstream input;
  struct Case {
    std::string digits;
    int from, to;
  };
  std::vector<Case> cases;
  for (int i = 0; i < 300; ++i) {
    int from = 2 + static_cast<int>(rng() % 61);
    int to = 2 + static_cast<int>(rng() % 61);
    size_t len = 1 + rng() % 60;
    std::string digits;
    for (size_t k = 0; k < len; ++k) digits += IntToChar(static_cast<int32_t>(rng() % from));
    // Bases up to 36 also get lower-case letters, which must read like upper case.
    if (from <= 36 && i % 2 == 0)
      for (auto& c : digits)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    cases.push_back({digits, from, to});
    input << digits << ' ' << from << ' ' << to << '\n';
  }
  testsupport::WriteFileBytes(dir.file("cases.txt"), input.str());
  testsupport::WriteFileBytes(dir.file("check.py"), R"PY(
import sys
A = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
def value(s, b):
    if b <= 36:
        return int(s, b)
    v = 0
    for c in s:
        v = v * b + A.index(c)
    return v
def text(v, b):
    if v == 0:
        return "0"
    out = []
    while v:
        v, r = divmod(v, b)
        out.append(A[r])
    return "".join(reversed(out))
for line in open(sys.argv[1]):
    s, f, t = line.split()
    print(text(value(s, int(f)), int(t)))
)PY");
  auto r = testsupport::RunCommand(testsupport::Python3() + " " + testsupport::ShellQuote(dir.file("check.py")) + " " +
                                   testsupport::ShellQuote(dir.file("cases.txt")));
  ASSERT_EQ(r.exitCode, 0);
  std::istringstream out(r.out);
  std::string expected;
  for (const auto& c : cases) {
    ASSERT_TRUE(std::getline(out, expected));
    EXPECT_EQ(NSNumberToNSNumber(c.digits, static_cast<TNumeralSystem>(c.from), static_cast<TNumeralSystem>(c.to)),
              expected)
        << c.digits << " " << c.from << "->" << c.to;
  }
}

}  // namespace
