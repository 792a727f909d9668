#include <iconv.h>

#include <algorithm>
#include <cstring>

#include "foundation/code_pages.h"
#include "foundation/code_pages_internal.h"
#include "foundation/utf8.h"

namespace code_pages_detail {

namespace {

constexpr char32_t kNoChar = 0xFFFFFFFF;

SingleByteTable BuildTable(const char* iconvName) {
  SingleByteTable t;
  IconvHandle h = OpenIconv("UTF-32LE", iconvName);
  for (int b = 0; b < 256; ++b) {
    char32_t cp = kNoChar;
    if (h) {
      auto cd = static_cast<iconv_t>(h.get());
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      char in = static_cast<char>(b);
      char* inPtr = &in;
      size_t inLeft = 1;
      unsigned char out[8];
      char* outPtr = reinterpret_cast<char*>(out);
      size_t outLeft = sizeof out;
      if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && outLeft == 4)
        cp = out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
    } else if (b < 128 || std::strcmp(iconvName, "ISO-8859-1") == 0) {
      // Without iconv's modules only what needs no table is known.
      cp = static_cast<char32_t>(b);
    }
    t.toUnicode[b] = cp;
    // A byte that the code page leaves undefined reads as U+FFFD.
    t.toUTF8[b] = UTF8Encode(cp == kNoChar ? 0xFFFD : cp);
    t.utf8Len[b] = static_cast<uint8_t>(t.toUTF8[b].size());
    std::copy(t.toUTF8[b].begin(), t.toUTF8[b].end(), t.utf8Packed[b].begin());
    if (cp != kNoChar && cp < 0x10000 && t.fromUnicode[cp] < 0) t.fromUnicode[cp] = static_cast<int16_t>(b);
    if (b < 128 && cp != static_cast<char32_t>(b)) t.asciiIdentity = false;
  }
  return t;
}

const char* IconvNameOf(int32_t cp) {
  switch (cp) {
    case cpWindows1250: return "CP1250";
    case cpWindows1251: return "CP1251";
    case cpWindows1252: return "CP1252";
    case cpWindows1253: return "CP1253";
    case cpISO88591: return "ISO-8859-1";
    case cpISO88592: return "ISO-8859-2";
    default: return nullptr;
  }
}

}  // namespace

namespace {

// A function-local static per code page: built once, safe for first use from
// several threads.
template <int32_t CodePage>
const SingleByteTable& StaticTable() {
  static const SingleByteTable t = BuildTable(IconvNameOf(CodePage));
  return t;
}

}  // namespace

const SingleByteTable& TableOf(int32_t cp) {
  switch (cp) {
    case cpWindows1250: return StaticTable<cpWindows1250>();
    case cpWindows1251: return StaticTable<cpWindows1251>();
    case cpWindows1252: return StaticTable<cpWindows1252>();
    case cpWindows1253: return StaticTable<cpWindows1253>();
    case cpISO88592: return StaticTable<cpISO88592>();
    default: return StaticTable<cpISO88591>();
  }
}

bool IsSingleByteCodePage(int32_t cp) { return IconvNameOf(cp) != nullptr; }

// Appends the UTF-8 form of single-byte text in one pass through a block on
// the stack; where the code page keeps ASCII as it is, eight ASCII bytes go
// at a time. Room for at least the input's size is made first, so that the
// result of a large file rarely grows by copying.
void AppendSingleByteAsUTF8(std::string_view bytes, const SingleByteTable& t, std::string& out) {
  constexpr size_t kBlock = 4096;
  char block[kBlock * 4];
  const size_t n = bytes.size();
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  if (out.capacity() - out.size() < n) ReserveLargeText(out, std::max(out.size() + n + n / 4, out.capacity() * 3 / 2));
  size_t i = 0;
  while (i < n) {
    const size_t end = std::min(n, i + kBlock);
    char* o = block;
    while (i < end) {
      if (t.asciiIdentity && end - i >= 8) {
        const uint64_t v = Load8(bytes.data() + i);
        if ((v & kHighBits) == 0) {
          std::memcpy(o, &v, 8);
          o += 8;
          i += 8;
          continue;
        }
      }
      const unsigned char b = p[i++];
      std::memcpy(o, t.utf8Packed[b].data(), 4);
      o += t.utf8Len[b];
    }
    out.append(block, static_cast<size_t>(o - block));
  }
}

std::string UTF8ToSingleByte(std::string_view text, const SingleByteTable& t) {
  std::string out;
  ReserveLargeText(out, text.size());
  auto put = [&](char32_t cp) {
    const int16_t mapped = cp < 0x10000 ? t.fromUnicode[cp] : -1;
    out.push_back(mapped < 0 ? '?' : static_cast<char>(mapped));
  };
  UTF8ForEachCodePoint(
      text,
      [&](char c) {
        if (t.asciiIdentity) {
          out.push_back(c);
        } else {
          put(static_cast<unsigned char>(c));
        }
      },
      [&](char32_t cp, std::string_view) { put(cp); });
  return out;
}

}  // namespace code_pages_detail

using code_pages_detail::UTF8ToSingleByte;

std::string Latin1BytesToUTF8(std::string_view bytes) {
  // Windows-1252 for 0x80..0x9F; 0 marks the five unassigned positions.
  static constexpr char16_t kCP1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                               0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) {
    if (b == 0) continue;
    char32_t cp = b;
    if (b >= 0x80 && b <= 0x9F && kCP1252High[b - 0x80] != 0) cp = kCP1252High[b - 0x80];
    UTF8Append(out, cp);
  }
  return out;
}
