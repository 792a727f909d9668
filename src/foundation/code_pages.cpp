#include "foundation/code_pages.h"

#include "foundation/code_pages_internal.h"

#include <iconv.h>
#include <sys/mman.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "foundation/str_transform.h"
#include "foundation/utf8.h"

using code_pages_detail::AppendSingleByteAsUTF8;
using code_pages_detail::IconvConvert;
using code_pages_detail::IsSingleByteCodePage;
using code_pages_detail::SingleByteTable;
using code_pages_detail::TableOf;
using code_pages_detail::UTF8ToSingleByte;

namespace {

// --- UTF-16 and UTF-32 --------------------------------------------------------

// Length-driven throughout: a U+0000 in the text is one unit like any other.

void PutUnit16(std::string& out, char16_t u, bool bigEndian) {
  char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
  if (bigEndian) {
    out.push_back(hi);
    out.push_back(lo);
  } else {
    out.push_back(lo);
    out.push_back(hi);
  }
}

std::string UTF8ToUTF16Bytes(std::string_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t cp = UTF8DecodeAt(text, pos);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      PutUnit16(out, static_cast<char16_t>(0xD800 + (cp >> 10)), bigEndian);
      PutUnit16(out, static_cast<char16_t>(0xDC00 + (cp & 0x3FF)), bigEndian);
    } else {
      PutUnit16(out, static_cast<char16_t>(cp), bigEndian);
    }
  }
  return out;
}

std::string UTF8ToUTF32Bytes(std::string_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 4);
  size_t pos = 0;
  while (pos < text.size()) {
    uint32_t cp = UTF8DecodeAt(text, pos);
    unsigned char b[4] = {static_cast<unsigned char>(cp & 0xFF), static_cast<unsigned char>((cp >> 8) & 0xFF),
                          static_cast<unsigned char>((cp >> 16) & 0xFF), static_cast<unsigned char>(cp >> 24)};
    if (bigEndian)
      for (int k = 3; k >= 0; --k) out.push_back(static_cast<char>(b[k]));
    else
      for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>(b[k]));
  }
  return out;
}

}  // namespace

void ReserveLargeText(std::string& s, size_t n) {
  s.reserve(n);
#if defined(MADV_HUGEPAGE)
  // From 32 MB on, glibc's malloc always gives a buffer a mapping of its own
  // (its mmap threshold never grows past that), so the advice covers this
  // buffer alone and ends when it is freed; it never reaches heap memory that
  // small allocations reuse later.
  if (n < (size_t{32} << 20)) return;
  const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
  auto first = reinterpret_cast<uintptr_t>(s.data() + s.size());
  auto last = reinterpret_cast<uintptr_t>(s.data() + s.capacity());
  first = (first + page - 1) & ~(page - 1);
  last &= ~(page - 1);
  if (last <= first) return;
  // A hint: a kernel without transparent huge pages refuses it and just takes
  // the faults page by page.
  ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

bool TCodePageDecoder::DecodesInPieces(int32_t codePage) {
  return codePage == cpASCII || codePage == cpUTF16LE || codePage == cpUTF16BE || codePage == cpUTF32LE ||
         codePage == cpUTF32BE || IsSingleByteCodePage(codePage);
}

TCodePageDecoder::TCodePageDecoder(int32_t codePage)
    : FCodePage(codePage == cpASCII ? cpISO88591 : codePage),
      FUnitSize(codePage == cpUTF32LE || codePage == cpUTF32BE   ? 4
                : codePage == cpUTF16LE || codePage == cpUTF16BE ? 2
                                                                 : 1),
      FBigEndian(codePage == cpUTF16BE || codePage == cpUTF32BE) {}

size_t TCodePageDecoder::MaxOutputSize(size_t byteCount) const {
  // UTF-16: three bytes per unit at most (a pair gives four for two units);
  // UTF-32: four bytes per unit at most; a single byte: its longest character.
  if (FUnitSize == 1) {
    size_t longest = 1;
    for (const auto& u : TableOf(FCodePage).toUTF8) longest = std::max(longest, u.size());
    return byteCount * longest;
  }
  return FUnitSize == 2 ? byteCount / 2 * 3 + 4 : byteCount + 4;
}

void TCodePageDecoder::Emit(char32_t c, std::string& out) {
  if (FPendingHigh != 0) {
    if (c >= 0xDC00 && c <= 0xDFFF) {
      char buf[4];
      out.append(buf,
                 static_cast<size_t>(UTF8Put(buf, 0x10000 + ((FPendingHigh - 0xD800) << 10) + (c - 0xDC00)) - buf));
      FPendingHigh = 0;
      return;
    }
    FPendingHigh = 0;
    out += "\xEF\xBF\xBD";
  }
  if (FUnitSize == 2 && c >= 0xD800 && c <= 0xDBFF) {
    FPendingHigh = c;
    return;
  }
  if (c >= 0xD800 && c <= 0xDFFF) {
    out += FUnitSize == 2 ? "\xEF\xBF\xBD" : "?";
    return;
  }
  if (c > 0x10FFFF) {
    out.push_back('?');
    return;
  }
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
    return;
  }
  char buf[4];
  out.append(buf, static_cast<size_t>(UTF8Put(buf, c) - buf));
}

namespace {

// Decodes UTF-16 units (n bytes, an even number) as UTF-8 into `to`, which
// has room for three bytes per unit, up to the first surrogate, which needs
// the decoder's state. Returns the bytes read; written tells the bytes written.
size_t DecodePlainUTF16(const unsigned char* p, size_t n, bool bigEndian, char* to, size_t& written) {
  const unsigned char* q = p;
  const unsigned char* const end = p + n;
  char* o = to;
  auto unit = [bigEndian](const unsigned char* u) -> char32_t {
    return bigEndian ? (char32_t{u[0]} << 8) | u[1] : (char32_t{u[1]} << 8) | u[0];
  };
  for (;;) {
#if defined(__SSE2__)
    // Eight ASCII units at once: high byte 0, low byte below 0x80 (the lanes
    // hold the bytes in the machine's little-endian order).
    const __m128i notASCII = _mm_set1_epi16(static_cast<int16_t>(bigEndian ? 0x80FF : 0xFF80));
    while (end - q >= 16) {
      __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
      if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(v, notASCII), _mm_setzero_si128())) != 0xFFFF) break;
      if (bigEndian) v = _mm_srli_epi16(v, 8);
      _mm_storel_epi64(reinterpret_cast<__m128i*>(o), _mm_packus_epi16(v, v));
      o += 8;
      q += 16;
    }
#endif
    // Then eight units (or the rest) one by one.
    const unsigned char* const stop = end - q > 16 ? q + 16 : end;
    if (q == stop) break;
    for (; q < stop; q += 2) {
      const char32_t c = unit(q);
      if (c < 0x80) {
        *o++ = static_cast<char>(c);
      } else if (c < 0x800) {
        o[0] = static_cast<char>(0xC0 | (c >> 6));
        o[1] = static_cast<char>(0x80 | (c & 0x3F));
        o += 2;
      } else if (c < 0xD800 || c > 0xDFFF) {
        o[0] = static_cast<char>(0xE0 | (c >> 12));
        o[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        o[2] = static_cast<char>(0x80 | (c & 0x3F));
        o += 3;
      } else {
        written = static_cast<size_t>(o - to);
        return static_cast<size_t>(q - p);
      }
    }
  }
  written = static_cast<size_t>(o - to);
  return static_cast<size_t>(q - p);
}

}  // namespace

void TCodePageDecoder::Feed(std::string_view bytes, std::string& out) {
  if (FUnitSize == 1) {
    AppendSingleByteAsUTF8(bytes, TableOf(FCodePage), out);
    return;
  }
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  size_t n = bytes.size();
  // Complete a unit that the previous piece began.
  while (FCarryLen > 0 && n > 0) {
    FCarry[FCarryLen++] = *p++;
    --n;
    if (FCarryLen == FUnitSize) {
      FCarryLen = 0;
      Emit(UnitAt(FCarry), out);
    }
  }
  // Runs of ASCII units are appended in blocks, which is most of a typical text.
  char block[4096];
  size_t blockLen = 0;
  auto flushBlock = [&] {
    out.append(block, blockLen);
    blockLen = 0;
  };
  size_t i = 0;
  if (FUnitSize == 2) {
    // Everything but surrogates in blocks; a surrogate, and the unit after a
    // high one, through Emit.
    constexpr size_t kTake = sizeof block * 2 / 3 & ~size_t{1};  // three bytes a unit at most
    while (i + 2 <= n) {
      if (FPendingHigh == 0) {
        size_t written = 0;
        i += DecodePlainUTF16(p + i, std::min((n - i) & ~size_t{1}, kTake), FBigEndian, block, written);
        out.append(block, written);
        if (i + 2 > n) break;
        const char32_t next = UnitAt(p + i);
        if (next < 0xD800 || next > 0xDFFF) continue;
      }
      Emit(UnitAt(p + i), out);
      i += 2;
    }
  }
  for (; FUnitSize != 2 && i + FUnitSize <= n; i += FUnitSize) {
    char32_t c = UnitAt(p + i);
    if (c < 0x80 && FPendingHigh == 0) {
      if (blockLen == sizeof block) flushBlock();
      block[blockLen++] = static_cast<char>(c);
      continue;
    }
    flushBlock();
    Emit(c, out);
  }
  flushBlock();
  for (; i < n; ++i) FCarry[FCarryLen++] = p[i];
}

void TCodePageDecoder::Finish(std::string& out) {
  // A last incomplete unit is not part of the text.
  FCarryLen = 0;
  if (FPendingHigh != 0) out += "\xEF\xBF\xBD";
  FPendingHigh = 0;
}

char32_t TCodePageDecoder::UnitAt(const unsigned char* u) const {
  if (FUnitSize == 2) return FBigEndian ? (u[0] << 8) | u[1] : (u[1] << 8) | u[0];
  return FBigEndian ? (char32_t{u[0]} << 24) | (u[1] << 16) | (u[2] << 8) | u[3]
                    : (char32_t{u[3]} << 24) | (u[2] << 16) | (u[1] << 8) | u[0];
}

namespace {
std::string DecodeInOnePiece(std::string_view bytes, int32_t codePage) {
  TCodePageDecoder d(codePage);
  std::string out;
  if (d.MaxOutputSize(bytes.size()) < (size_t{1} << 20)) out.reserve(d.MaxOutputSize(bytes.size()));
  d.Feed(bytes, out);
  d.Finish(out);
  return out;
}
}  // namespace

void StrSwapByteOrder(std::u16string& units) {
  for (auto& u : units) u = static_cast<char16_t>((u << 8) | (u >> 8));
}

std::u16string ConvertFromUTF32(uint32_t codePoint) {
  if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return u"?";
  if (codePoint < 0x10000) return std::u16string(1, static_cast<char16_t>(codePoint));
  uint32_t v = codePoint - 0x10000;
  return {static_cast<char16_t>(0xD800 + (v >> 10)), static_cast<char16_t>(0xDC00 + (v & 0x3FF))};
}

// --- Conversion -------------------------------------------------------------------

namespace {

std::string GB18030ToUTF8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  bool ok = IconvConvert("UTF-8", "GB18030", bytes, out, [](std::string_view, std::string& o) -> size_t {
    o += "\xEF\xBF\xBD";
    return 1;
  });
  if (!ok) return UTF8Repair(bytes);
  return out;
}

// GB 18030 holds every character: nothing is replaced (invalid UTF-8 is
// repaired first).
std::string UTF8ToGB18030(std::string_view text) {
  const std::string repaired = UTF8IsValid(text) ? std::string() : UTF8Repair(text);
  const std::string_view in = repaired.empty() ? text : std::string_view(repaired);
  std::string out;
  out.reserve(in.size());
  if (!IconvConvert("GB18030", "UTF-8", in, out, [](std::string_view, std::string& o) -> size_t {
        o += '?';
        return 1;
      }))
    return std::string(in);
  return out;
}

}  // namespace

std::string CodePageBytesToUTF8(std::string bytes, int32_t codePage) {
  std::string_view v(bytes);
  switch (codePage) {
    case cpUTF16LE:
    case cpUTF16BE:
    case cpUTF32LE:
    case cpUTF32BE: v.remove_prefix(CodePageMarkLength(v, codePage)); return DecodeInOnePiece(v, codePage);
    case cpUTF7ANSI:
    case cpUTF7: {
      // The mark is U+FEFF encoded with the text; its last base64 digit may
      // carry bits of the first character, so it is dropped after decoding.
      bool hasMark =
          v.size() >= 4 && v.starts_with("+/v") && (v[3] == '8' || v[3] == '9' || v[3] == '+' || v[3] == '/');
      std::u16string units = UTF7ToWideString(v);
      if (hasMark && !units.empty() && units[0] == 0xFEFF) units.erase(0, 1);
      return UTF16ToUTF8(units);
    }
    case cpUTF8:
    case cpUTF8BOM: {
      size_t skip = CodePageMarkLength(v, codePage);
      if (!UTF8IsValid(v.substr(skip))) return UTF8Repair(v.substr(skip));
      bytes.erase(0, skip);
      return bytes;
    }
    case cpASCII:
      // Text that is ASCII throughout reads as it stands.
      if (UTF8SkipASCII(v, 0) == v.size()) return bytes;
      return DecodeInOnePiece(v, cpASCII);
    case cpGB18030: {
      // Earlier versions wrote this id as UTF-8: text without the mark that
      // is valid UTF-8 is taken as it stands.
      const size_t mark = CodePageMarkLength(v, codePage);
      if (mark == 0 && UTF8IsValid(v)) return bytes;
      return GB18030ToUTF8(v.substr(mark));
    }
    default:
      if (IsSingleByteCodePage(codePage)) return DecodeInOnePiece(v, codePage);
      return bytes;
  }
}

int64_t CharsNotInCodePage(std::string_view text, int32_t codePage) {
  const bool ascii = codePage == cpASCII;
  if (!ascii && !IsSingleByteCodePage(codePage)) return 0;
  const SingleByteTable* table = ascii ? nullptr : &TableOf(codePage);
  int64_t count = 0;
  // The same rule as UTF8ToSingleByte and the ASCII case below.
  auto notHeld = [&](char32_t cp) { return ascii || cp >= 0x10000 || table->fromUnicode[cp] < 0; };
  UTF8ForEachCodePoint(
      text,
      [&](char c) {
        if (table && !table->asciiIdentity && notHeld(static_cast<unsigned char>(c))) ++count;
      },
      [&](char32_t cp, std::string_view) {
        if (notHeld(cp)) ++count;
      });
  return count;
}

std::string UTF8ToCodePageBytes(std::string_view text, int32_t codePage) {
  switch (codePage) {
    case cpASCII: {
      // One "?" per character that ASCII cannot hold, not one per byte.
      std::string out;
      out.reserve(text.size());
      UTF8ForEachCodePoint(
          text, [&](char c) { out.push_back(c); }, [&](char32_t, std::string_view) { out.push_back('?'); });
      return out;
    }
    case cpUTF16LE: return UTF8ToUTF16Bytes(text, false);
    case cpUTF16BE: return UTF8ToUTF16Bytes(text, true);
    case cpUTF32LE: return UTF8ToUTF32Bytes(text, false);
    case cpUTF32BE: return UTF8ToUTF32Bytes(text, true);
    case cpUTF7ANSI:
    case cpUTF7: return WideStringToUTF7(UTF8ToUTF16(text));
    case cpGB18030: return UTF8ToGB18030(text);
    default:
      if (IsSingleByteCodePage(codePage)) return UTF8ToSingleByte(text, TableOf(codePage));
      return std::string(text);
  }
}
