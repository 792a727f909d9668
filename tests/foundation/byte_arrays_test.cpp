#include <gtest/gtest.h>

#include <sstream>

#include "foundation/byte_arrays.h"

TEST(ByteArrays, HexText) {
  struct Case {
    const char* hex;
    const char* separator;
    TByteArr bytes;
  } cases[] = {
      {"0aFF10", "", {0x0A, 0xFF, 0x10}},
      {"0aF", "", {0x0A}},
      {"0", "", {}},
      {"", "", {}},
      {"", ",", {}},
      {"zz0g41", "", {0x00, 0x00, 0x41}},
      {"0a zz 1", " ", {0x0A, 0x00, 0x01}},
      {"1FF", ",", {0xFF}},
      {"0a,,ff,", ",", {0x0A, 0x00, 0xFF, 0x00}},
      {"12::34", "::", {0x12, 0x34}},
      {"123456789ABCDEF0ab", ";", {0xAB}},  // any length: the lowest 8 bits
      {" 1", ",", {0x00}},                  // no blanks inside a number
      {"$10", ",", {0x00}},                 // no prefix
  };
  for (const auto& c : cases) EXPECT_EQ(HexStringToByteArray(c.hex, c.separator), c.bytes) << c.hex;
}

TEST(ByteArrays, Strings) {
  EXPECT_EQ(StringToByteArray("\u00E9"), (TByteArr{0xC3, 0xA9}));
  EXPECT_EQ(ByteArrayToString(TByteArr{0xC3, 0xA9}), "\u00E9");
  EXPECT_TRUE(StringToByteArray("").empty());
  EXPECT_EQ(ByteArrayToString(StringToByteArray(std::string("a\0b", 3))), std::string("a\0b", 3));
}

TEST(ByteArrays, StringEncoded) {
  struct Case {
    TByteArr bytes;
    std::string text;
  } cases[] = {
      {{0xFF, 0xFE, 0x41, 0x00}, "\uFEFFA"},
      {{0xFE, 0xFF, 0x00, 0x41}, "\uFEFFA"},
      {{0xFF, 0xFE}, ""},
      {{0xFE, 0xFF}, ""},
      {{0x41, 0x42}, "AB"},
      {{0xFF}, "\xFF"},
      {{0xFF, 0xFE, 0x41, 0x00, 0x42}, "\uFEFFA"},  // odd last byte is not text
      {{0xFE, 0xFF, 0xD8, 0x3D, 0xDE, 0x0A}, "\uFEFF\U0001F60A"},
      {{0xEF, 0xBB, 0xBF, 0x41},
       "\xEF\xBB\xBF"
       "A"},
      {{}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ByteArrayToStringEncoded(c.bytes), c.text);
}

TEST(ByteArrays, Stream) {
  std::stringstream s(std::string("ab\0c", 4));
  s.seekg(0, std::ios::end);
  EXPECT_EQ(StreamToByteArray(s), (TByteArr{'a', 'b', 0, 'c'}));
  EXPECT_EQ(s.tellg(), 0);
  std::stringstream empty;
  EXPECT_TRUE(StreamToByteArray(empty).empty());
}
