// UTF-8 primitives shared by the whole program: decoding and encoding of code
// points, character counts, validation and repair.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Byte length of the sequence a lead byte announces (1 for ASCII and for bytes
// that cannot start a sequence).
size_t UTF8SeqLen(unsigned char lead);

// Decodes the code point that starts at s[pos] and moves pos past it. A
// malformed or truncated sequence yields U+FFFD and consumes its maximal
// invalid prefix (at least one byte), so every call makes progress.
char32_t UTF8DecodeAt(std::string_view s, size_t& pos);

// Writes the UTF-8 form of cp at out (room for four bytes) and returns the
// end; surrogates and values beyond U+10FFFF become U+FFFD.
char* UTF8Put(char* out, char32_t cp);
// Appends the UTF-8 form of cp; surrogates and values beyond U+10FFFF become U+FFFD.
void UTF8Append(std::string& out, char32_t cp);
std::string UTF8Encode(char32_t cp);

// Number of characters (code points; an invalid byte counts as one).
size_t UTF8Length(std::string_view s);

// Byte offset of the character with the given 0-based index (s.size() when past the end).
size_t UTF8CharToByteIndex(std::string_view s, size_t charIndex);

// The first or last character as text ("" for an empty text).
std::string UTF8FirstChar(std::string_view s);
std::string UTF8LastChar(std::string_view s);

// Byte offset of every character: offsets[k] is where character k starts, and
// the end of the text is appended, so the result has UTF8Length(s) + 1 entries.
std::vector<size_t> UTF8CharOffsets(std::string_view s);

bool UTF8IsValid(std::string_view s);
// A copy in which every invalid byte sequence is replaced by U+FFFD.
std::string UTF8Repair(std::string_view s);

std::u32string UTF8ToUTF32(std::string_view s);
std::string UTF32ToUTF8(std::u32string_view s);
std::u16string UTF8ToUTF16(std::string_view s);
// Unpaired surrogates become U+FFFD.
std::string UTF16ToUTF8(std::u16string_view s);

// True when the text holds a byte of 128 or more.
bool HasNonASCII(std::string_view s);
// Index of the first byte of 128 or more at or after from (s.size() when none).
size_t UTF8SkipASCII(std::string_view s, size_t from);

// The loop of every per-character text function: onASCII(c) for each byte
// below 128, onOther(cp, bytes) for every other character, decoded as
// UTF8DecodeAt does (bytes is the sequence it took, cp U+FFFD for an invalid
// one). ASCII costs no decoding.
template <typename OnASCII, typename OnOther>
void UTF8ForEachCodePoint(std::string_view s, OnASCII&& onASCII, OnOther&& onOther) {
  size_t pos = 0;
  const size_t n = s.size();
  while (pos < n) {
    const char c = s[pos];
    if (static_cast<unsigned char>(c) < 0x80) {
      onASCII(c);
      ++pos;
      continue;
    }
    const size_t start = pos;
    const char32_t cp = UTF8DecodeAt(s, pos);
    onOther(cp, s.substr(start, pos - start));
  }
}
