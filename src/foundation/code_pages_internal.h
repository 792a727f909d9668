// What the code-page sources share among themselves: iconv, the word-at-a-time
// byte scans and the single-byte tables. Not for use outside them.
#pragma once

#include <iconv.h>

#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace code_pages_detail {

// --- iconv ------------------------------------------------------------------

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

inline IconvHandle OpenIconv(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
  return IconvHandle(cd);
}

// Converts with iconv, chunk by chunk. An invalid or incomplete input
// sequence is replaced: onInvalid appends the replacement and says how many
// input bytes to skip (at least one). Returns false when iconv lacks the pair.
template <typename OnInvalid>
inline bool IconvConvert(const char* to, const char* from, std::string_view in, std::string& out, OnInvalid onInvalid) {
  IconvHandle h = OpenIconv(to, from);
  if (!h) return false;
  auto cd = static_cast<iconv_t>(h.get());
  char buf[65536];
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  while (inLeft > 0) {
    char* outPtr = buf;
    size_t outLeft = sizeof buf;
    size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buf, static_cast<size_t>(outPtr - buf));
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: skip the offending input and carry on from a clean state.
    size_t skip = onInvalid(std::string_view(inPtr, inLeft), out);
    if (skip == 0) skip = 1;
    if (skip > inLeft) skip = inLeft;
    inPtr += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  char* outPtr = buf;
  size_t outLeft = sizeof buf;
  iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
  out.append(buf, static_cast<size_t>(outPtr - buf));
  return true;
}

// --- Scanning ---------------------------------------------------------------------

constexpr uint64_t kOnes = 0x0101010101010101ULL;
constexpr uint64_t kHighBits = 0x8080808080808080ULL;

// The word-at-a-time scans below find byte positions by bit position.
static_assert(std::endian::native == std::endian::little, "the byte scans assume a little-endian machine");

inline uint64_t Load8(const char* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

// --- Single-byte code pages -----------------------------------------------------

// The byte/character mapping of a single-byte code page, taken from iconv
// once per code page, so that bulk conversion is a table lookup.
struct SingleByteTable {
  std::array<char32_t, 256> toUnicode{};
  std::array<std::string, 256> toUTF8;
  // The same packed for copying four bytes at once; the length apart.
  std::array<std::array<char, 4>, 256> utf8Packed{};
  std::array<uint8_t, 256> utf8Len{};
  // Byte for each BMP character; -1 where the code page has none.
  std::vector<int16_t> fromUnicode = std::vector<int16_t>(0x10000, -1);
  bool asciiIdentity = true;
};

const SingleByteTable& TableOf(int32_t cp);
bool IsSingleByteCodePage(int32_t cp);
// Appends the UTF-8 form of single-byte text.
void AppendSingleByteAsUTF8(std::string_view bytes, const SingleByteTable& t, std::string& out);
std::string UTF8ToSingleByte(std::string_view text, const SingleByteTable& t);

}  // namespace code_pages_detail
