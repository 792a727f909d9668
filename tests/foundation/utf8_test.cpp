#include "foundation/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

TEST(UTF8, DecodeEncodeAndCount) {
  EXPECT_EQ(UTF8Length("Grüße"), 5u);
  EXPECT_EQ(UTF8Length(""), 0u);
  EXPECT_EQ(UTF8Length("日本語😀"), 4u);
  EXPECT_EQ(UTF8FirstChar("äb"), "ä");
  EXPECT_EQ(UTF8LastChar("ab😀"), "😀");
  EXPECT_EQ(UTF8LastChar("a"), "a");
  EXPECT_EQ(UTF8LastChar(""), "");
  EXPECT_EQ(UTF8Encode(0x10FFFF), "\xF4\x8F\xBF\xBF");
  EXPECT_EQ(UTF8Encode(0xD800), "\xEF\xBF\xBD");
  EXPECT_EQ(UTF16ToUTF8(UTF8ToUTF16("a😀ä")), "a😀ä");
  EXPECT_EQ(UTF8CharToByteIndex("äbc", 1), 2u);
}

TEST(UTF8, ValidateAndRepair) {
  struct Case {
    std::string in, repaired;
    bool valid;
  } cases[] = {
      {"abc", "abc", true},
      {"\xEF\xBF\xBD", "\xEF\xBF\xBD", true},
      {"a\xE9z", "a\xEF\xBF\xBDz", false},                              // Latin-1 byte
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD", false},                  // overlong
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", false},  // surrogate
      {"\xE6\x97", "\xEF\xBF\xBD", false},                              // truncated at the end
      {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UTF8IsValid(c.in), c.valid) << c.in;
    EXPECT_EQ(UTF8Repair(c.in), c.repaired) << c.in;
    EXPECT_TRUE(UTF8IsValid(UTF8Repair(c.in)));
  }
}

TEST(UTF8, DecodeAtTakesTheMaximalInvalidPrefix) {
  struct Case {
    std::string text;
    std::vector<char32_t> codePoints;
    std::vector<size_t> ends;  // pos after each call
  } cases[] = {
      {"a", {U'a'}, {1}},
      {"\xC3\xA4", {0xE4}, {2}},
      {"\xE2\x82\xAC", {0x20AC}, {3}},
      {"\xF0\x9F\x98\x80", {0x1F600}, {4}},
      {"\x80", {0xFFFD}, {1}},                                // lone continuation byte
      {"\xC0\xAF", {0xFFFD, 0xFFFD}, {1, 2}},                 // overlong lead
      {"\xE0\x80\x80", {0xFFFD, 0xFFFD, 0xFFFD}, {1, 2, 3}},  // overlong: second byte out of range
      {"\xED\xA0\x80", {0xFFFD, 0xFFFD, 0xFFFD}, {1, 2, 3}},  // surrogate
      {"\xE2\x82", {0xFFFD}, {2}},                            // truncated: the whole prefix
      {"\xE2\x82"
       "a",
       {0xFFFD, U'a'},
       {2, 3}},
      {"\xF4\x90\x80\x80", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}, {1, 2, 3, 4}},  // beyond U+10FFFF
      {"\xF5", {0xFFFD}, {1}},
      {std::string("\0", 1), {0}, {1}},
  };
  for (const auto& c : cases) {
    size_t pos = 0;
    std::vector<char32_t> got;
    std::vector<size_t> ends;
    while (pos < c.text.size()) {
      got.push_back(UTF8DecodeAt(c.text, pos));
      ends.push_back(pos);
    }
    EXPECT_EQ(got, c.codePoints) << c.text;
    EXPECT_EQ(ends, c.ends) << c.text;
  }
}

TEST(UTF8, CharOffsetsMatchTheDecoder) {
  EXPECT_EQ(UTF8CharOffsets(""), std::vector<size_t>({0}));
  EXPECT_EQ(UTF8CharOffsets("aä€😀"), std::vector<size_t>({0, 1, 3, 6, 10}));
  EXPECT_EQ(UTF8CharOffsets("\xE2\x82"
                            "a\x80"),
            std::vector<size_t>({0, 2, 3, 4}));
  // Agrees with UTF8Length and UTF8CharToByteIndex on every kind of input.
  for (const std::string text : {"Grüße", "\xF0\x9F\x98",
                                 "a\xC0\xAF"
                                 "b",
                                 "日本語😀x"}) {
    const std::vector<size_t> offsets = UTF8CharOffsets(text);
    ASSERT_EQ(offsets.size(), UTF8Length(text) + 1) << text;
    for (size_t k = 0; k < offsets.size(); ++k) EXPECT_EQ(offsets[k], UTF8CharToByteIndex(text, k)) << text;
  }
}

TEST(UTF8, ForEachCodePointSeesASCIIApartAndEveryByteOnce) {
  const std::string text =
      "a\xC3\xA4\x80"
      "b\xF0\x9F\x98\x80";
  std::string ascii;
  std::vector<char32_t> others;
  std::string rebuilt;
  UTF8ForEachCodePoint(
      text,
      [&](char c) {
        ascii += c;
        rebuilt += c;
      },
      [&](char32_t cp, std::string_view bytes) {
        others.push_back(cp);
        rebuilt += bytes;
      });
  EXPECT_EQ(ascii, "ab");
  EXPECT_EQ(others, std::vector<char32_t>({0xE4, 0xFFFD, 0x1F600}));
  EXPECT_EQ(rebuilt, text);
}
