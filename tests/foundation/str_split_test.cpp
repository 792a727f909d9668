#include <gtest/gtest.h>

#include <random>

#include "foundation/str_split.h"

namespace {

// The parts as the split rule defines them, written plainly for comparison.
TStrArray ReferenceSplit(const std::string& text, const std::string& delimiter) {
  TStrArray parts;
  size_t start = 0;
  for (;;) {
    size_t hit = text.find(delimiter, start);
    if (hit == std::string::npos) break;
    parts.push_back(text.substr(start, hit - start));
    start = hit + delimiter.size();
  }
  parts.push_back(text.substr(start));
  return parts;
}

TEST(Explode, AppendsAndReturnsTheNewLength) {
  TStrArray a{"x"};
  EXPECT_EQ(Explode(a, ",", "a,,b,"), 5);
  EXPECT_EQ(a, (TStrArray{"x", "a", "", "b", ""}));

  // An empty text or delimiter appends the whole text and returns its index.
  TStrArray b;
  EXPECT_EQ(Explode(b, ",", ""), 0);
  EXPECT_EQ(b, TStrArray{""});
  TStrArray c;
  EXPECT_EQ(Explode(c, "", "abc"), 0);
  EXPECT_EQ(c, TStrArray{"abc"});
  TStrArray d;
  EXPECT_EQ(Explode(d, ",", "abc"), 1);
  TStrArray e{"p", "q"};
  EXPECT_EQ(Explode(e, "", "abc"), 2);
  EXPECT_EQ(Explode(e, "::", ""), 3);
}

TEST(Explode, DelimitersOfEveryLength) {
  struct Case {
    const char* delimiter;
    const char* text;
    TStrArray expected;
  } cases[] = {
      {"||", "a||||b", {"a", "", "b"}},
      {"|||", "a|", {"a|"}},
      {"€", "a€€b", {"a", "", "b"}},
      {"aa", "aaa", {"", "a"}},
      {"aba", "ababa", {"", "ba"}},
      {",", ",", {"", ""}},
      {"\r\n", "x\r\n\r\ny\r", {"x", "", "y\r"}},
      {"😀", "😀a😀", {"", "a", ""}},
      {"é!", "xé!yé", {"x", "yé"}},
      {"\xAC", "a€b", {"a\xE2\x82", "b"}},  // byte-exact, even inside a character
  };
  for (const auto& c : cases) {
    TStrArray out;
    EXPECT_EQ(Explode(out, c.delimiter, c.text), static_cast<int32_t>(c.expected.size())) << c.text;
    EXPECT_EQ(out, c.expected) << c.text;
  }
}

TEST(Explode, SameResultOnBothSidesOfTheLongTextSwitch) {
  // Texts just below, at and above the switch, with delimiters of one or two
  // characters of 3+ bytes, partial delimiters and broken UTF-8 in between.
  const std::string delimiters[] = {"€", "😀", "é!", "€€", "abc", "||"};
  const std::string pieces[] = {"a", "€", "\xE2\x82", "😀", "\xF0\x9F", "é", "!", " ", "\xAC", "b", "|", "c"};
  std::mt19937 rng(11);
  for (const auto& delimiter : delimiters) {
    for (size_t size : {kExplodePointerMinTextBytes - 1, kExplodePointerMinTextBytes, kExplodePointerMinTextBytes + 1,
                        size_t{60000}}) {
      std::string text;
      while (text.size() < size) {
        text += (rng() % 7 == 0) ? delimiter : pieces[rng() % std::size(pieces)];
      }
      text.resize(size);
      const TStrArray expected = ReferenceSplit(text, delimiter);
      TStrArray out;
      EXPECT_EQ(Explode(out, delimiter, text), static_cast<int32_t>(expected.size()));
      EXPECT_EQ(out, expected) << delimiter << " at " << size;
      TStrArray viaPointer, viaSearch;
      ExplodePointer(viaPointer, delimiter, text);
      ExplodeCopyDelete(viaSearch, delimiter, text);
      EXPECT_EQ(viaPointer, expected);
      EXPECT_EQ(viaSearch, expected);
    }
  }
}

TEST(Explode, CharVariants) {
  TStrArray a;
  EXPECT_EQ(ExplodeAtChar(a, ';', ""), 0);
  EXPECT_EQ(a, TStrArray{""});
  EXPECT_EQ(ExplodeAtChar(a, ';', ";x;"), 4);
  EXPECT_EQ(a, (TStrArray{"", "", "x", ""}));

  TStrArray b;
  EXPECT_EQ(ExplodeAt2Chars(b, "ab", "xababy"), 3);
  EXPECT_EQ(b, (TStrArray{"x", "", "y"}));
  TStrArray c;
  EXPECT_EQ(ExplodeAt2Chars(c, "abc", "1abc2"), 2);  // other lengths go to Explode
  EXPECT_EQ(c, (TStrArray{"1", "2"}));
  TStrArray d;
  EXPECT_EQ(ExplodeAt2Chars(d, "aa", "aaaaa"), 3);
  EXPECT_EQ(d, (TStrArray{"", "", "a"}));

  TStrArray e;
  EXPECT_EQ(ExplodeAtMultipleChars(e, CharSet(",; "), "a,b;c d,,"), 6);
  EXPECT_EQ(e, (TStrArray{"a", "b", "c", "d", "", ""}));
  TStrArray f{"keep"};
  EXPECT_EQ(ExplodeAtMultipleChars(f, CharSet(","), ""), 1);
  EXPECT_EQ(f, (TStrArray{"keep", ""}));
}

TEST(Explode, LineBreakKinds) {
  struct Case {
    const char* text;
    TStrArray expected;
    int32_t result;
  } cases[] = {
      {"a\r\nb\nc", {"a", "b\nc"}, 2},  // only CR LF splits when present
      {"a\rb", {"a", "b"}, 2},         {"a\nb\rc\n", {"a", "b\rc", ""}, 3}, {"abc", {"abc"}, 0}, {"", {""}, 0},
      {"\r\n", {"", ""}, 2},
  };
  for (const auto& c : cases) {
    TStrArray out;
    EXPECT_EQ(ExplodeAtCRLF_CR_LF_LineBreaks(out, c.text), c.result) << c.text;
    EXPECT_EQ(out, c.expected) << c.text;
  }
  TStrArray withOld{"x"};
  EXPECT_EQ(ExplodeAtCRLF_CR_LF_LineBreaks(withOld, "abc"), 1);
}

TEST(Explode, ToIntArray) {
  TIntArray a{9};
  EXPECT_EQ(ExplodeToIntArray(a, ",", " 1, x ,3,"), 2);
  EXPECT_EQ(a, (TIntArray{9, 1, 3}));
  TIntArray b;
  EXPECT_EQ(ExplodeToIntArray(b, "--", "-1--+2--0x3--2147483648"), 2);
  EXPECT_EQ(b, (TIntArray{-1, 2}));
  EXPECT_EQ(ExplodeToIntArray(b, ",", ""), 0);
}

TEST(Explode, Table) {
  TStrArray2D t;
  EXPECT_EQ(ExplodeTable(t, "", "\r\n", ","), 0);
  EXPECT_EQ(t, (TStrArray2D{{""}}));
  TStrArray2D u{{"old"}};
  EXPECT_EQ(ExplodeTable(u, "a,\"b,c\"\r\n\r\nd", "\r\n", ","), 3);
  EXPECT_EQ(u, (TStrArray2D{{"old"}, {"a", "\"b", "c\""}, {""}, {"d"}}));
}

TEST(ExplodeWithQuotes, QuoteRules) {
  struct Case {
    const char* text;
    TStrArray expected;
  } cases[] = {
      {"#a,b#,c", {"a,b", "c"}},
      {"#a##b#", {"a#b"}},
      {"##", {""}},
      {"a,#b", {"a", "b"}},  // an unclosed opening quote is dropped
      {"x#y,z", {"x#y,z"}},  // a quote inside a field opens quotes too
      {"", {""}},
      {",", {"", ""}},
      {"#a#,,b", {"a", "", "b"}},
      {"#a#,", {"a", ""}},
      {"#a#b,c", {"a#b", "c"}},  // a quote is only dropped before a separator or the end
      {"a#,#b,c", {"a#,#b", "c"}},
      {"####", {"#"}},
      {"#,#,#,#", {",", ","}},
  };
  for (const auto& c : cases) {
    TStrArray viaBytes, viaStrings;
    EXPECT_EQ(ExplodeWithQuotes(viaBytes, c.text, ",", "#"), static_cast<int32_t>(c.expected.size()) - 1);
    EXPECT_EQ(viaBytes, c.expected) << c.text;
    ExplodeWithQuotes_S(viaStrings, c.text, ",", "#");
    EXPECT_EQ(viaStrings, c.expected) << c.text;
  }
  TStrArray two;
  EXPECT_EQ(ExplodeWithQuotes(two, "a,b", ",", "\""), 1);
  TStrArray appended{"x", "y"};
  EXPECT_EQ(ExplodeWithQuotes(appended, "a,b", ",", "\""), 3);
}

TEST(ExplodeWithQuotes, StringSeparatorsAndEmptyOnes) {
  TStrArray a;
  ExplodeWithQuotes(a, "<<a;;b>>;;c;;<<d>>>><<>>", ";;", "<<");
  // "<<" opens and ">>" is no quote here, so the first field runs on.
  EXPECT_EQ(a, (TStrArray{"a;;b>>;;c;;<<d>>>><<>>"}));
  TStrArray b;
  ExplodeWithQuotes(b, "''a;;b'';;c;;''''''", ";;", "''");
  EXPECT_EQ(b, (TStrArray{"a;;b", "c", "''"}));
  TStrArray c;
  ExplodeWithQuotes(c, "a,b", "", "\"");
  EXPECT_EQ(c, TStrArray{"a,b"});
  TStrArray d;
  ExplodeWithQuotes(d, "\"a\",b", ",", "");
  EXPECT_EQ(d, (TStrArray{"\"a\"", "b"}));
}

TEST(ExplodeWithQuotes, ByteAndStringVariantsAgreeOnAnyText) {
  // Including a quote equal to the separator and texts that are not CSV at all.
  const char alphabet[] = {',', '#', '"', 'a', '\n'};
  const std::pair<char, char> settings[] = {{',', '#'}, {',', '"'}, {'#', '#'}, {'a', ','}};
  std::mt19937 rng(8);
  for (int round = 0; round < 4000; ++round) {
    std::string text;
    size_t len = rng() % 12;
    for (size_t k = 0; k < len; ++k) text.push_back(alphabet[rng() % std::size(alphabet)]);
    for (auto [sep, quote] : settings) {
      TStrArray viaBytes, viaStrings;
      const int32_t r1 = ExplodeWithQuotes_C(viaBytes, text, sep, quote);
      const int32_t r2 = ExplodeWithQuotes_S(viaStrings, text, std::string(1, sep), std::string(1, quote));
      ASSERT_EQ(viaBytes, viaStrings) << text << " sep " << sep << " quote " << quote;
      ASSERT_EQ(r1, r2);
      ASSERT_EQ(r1, static_cast<int32_t>(viaBytes.size()) - 1);
    }
  }
}

TEST(Implode, JoinsWhatExplodeSplits) {
  for (const char* text : {"", "a", "a,b", ",a,,b,", ",,"}) {
    TStrArray parts;
    Explode(parts, ",", text);
    EXPECT_EQ(Implode(parts, ","), text);
  }
  EXPECT_EQ(Implode({}, "--"), "");
  EXPECT_EQ(Implode({"x", "y", "z"}, "--"), "x--y--z");
}

TEST(ImplodeWithQuotes, ArrayForm) {
  const TStrArray cells{"a", "b,c", "d#e", ""};
  EXPECT_EQ(ImplodeWithQuotes(cells, ',', '#', true), "a,#b,c#,#d##e#,##");
  EXPECT_EQ(ImplodeWithQuotes(cells, ',', '#', false), "a,#b,c#,#d##e#,");
  EXPECT_EQ(ImplodeWithQuotes(TStrArray{}, ',', '"', true), "");
  // A line break in a cell would end the record for a CSV reader.
  EXPECT_EQ(ImplodeWithQuotes(TStrArray{"a\nb", "c\rd", "e"}, ';', '"', false), "\"a\nb\";\"c\rd\";e");
}

TEST(ImplodeWithQuotes, TableForm) {
  EXPECT_EQ(ImplodeWithQuotes(TStrArray2D{{"a"}, {}, {"b"}}, "\r\n", ",", '"', false), "a\r\nb");
  EXPECT_EQ(ImplodeWithQuotes(TStrArray2D{{"a"}, {}}, "\r\n", ",", '"', false), "a\r\n");
  EXPECT_EQ(ImplodeWithQuotes(TStrArray2D{}, "\r\n", ",", '"', false), "");
  EXPECT_EQ(ImplodeWithQuotes(TStrArray2D{{"x|y", "p;q", "", "\"", "l\nf"}, {"2"}}, "|", ";", '"', true),
            "\"x|y\";\"p;q\";\"\";\"\"\"\";\"l\nf\"|2");
  EXPECT_EQ(ImplodeWithQuotes(TStrArray2D{{"a", "b"}, {"c"}}, "\r\n", "::", '\'', false), "a::b\r\nc");
}

TEST(ImplodeWithQuotes, RoundTripsThroughExplodeWithQuotes) {
  const std::string alphabet[] = {"a", "b", ",", "\"", "\"\"", "\r", "\n", "\r\n", " ", "ä"};
  std::mt19937 rng(5);
  for (int round = 0; round < 3000; ++round) {
    TStrArray cells(1 + rng() % 5);
    for (auto& cell : cells) {
      size_t len = rng() % 5;
      for (size_t k = 0; k < len; ++k) cell += alphabet[rng() % std::size(alphabet)];
    }
    for (bool quoteEmpty : {false, true}) {
      const std::string line = ImplodeWithQuotes(cells, ',', '"', quoteEmpty);
      TStrArray back;
      ExplodeWithQuotes(back, line, ",", "\"");
      ASSERT_EQ(back, cells) << line;
      TStrArray backS;
      ExplodeWithQuotes_S(backS, line, ",", "\"");
      ASSERT_EQ(backS, cells) << line;
    }
  }
}

}  // namespace

TEST(ExplodeAtEveryLineBreak, MixedLineEndsLoseNoLine) {
  struct Case {
    const char* text;
    TStrArray lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"\n", {""}},
      {"a\r\nb\rc\n\nd", {"a", "b", "c", "", "d"}},
      {"a\n\r\nb", {"a", "", "b"}},
      {"\r\r", {"", ""}},
  };
  for (const auto& c : cases) {
    TStrArray lines{"kept"};
    ExplodeAtEveryLineBreak(lines, c.text);
    TStrArray expected{"kept"};
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(lines, expected) << c.text;
  }
}
