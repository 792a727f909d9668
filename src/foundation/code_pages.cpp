#include "foundation/code_pages.h"

#include <iconv.h>
#include <sys/mman.h>
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

namespace {

// --- Names ------------------------------------------------------------------

struct CodePageNames {
  int32_t id;
  const char* longName;
  const char* shortName;
  const char* strID;
  const char* isoName;
};

constexpr CodePageNames kNames[] = {
    {0, "ASCII (7 BIT)", "ASCII", "ascii", "US-ASCII"},
    {2, "Auto Detect", "AUTO", "auto", "AUTO"},
    {3, "Keep", "KEEP", "keep", "KEEP"},
    {5, "BINARY", "BINARY", "binary", "BINARY"},
    {100, "UTF-1", "UTF-1", "utf1", "UTF-1"},
    {101, "SCSU", "SCSU", "scsu", "SCSU"},
    {102, "BOCU-1", "BOCU-1", "bocu1", "BOCU-1"},
    {103, "UTF-EBCDIC", "UTF-EBCDIC", "utf-ebcdic", "UTF-EBCDIC"},
    {1200, "UTF-16 Little Endian", "UTF-16 LE", "utf16le", "UTF-16LE"},
    {1201, "UTF-16 Big Endian", "UTF-16 BE", "utf16be", "UTF-16BE"},
    {1250, "WINDOWS-1250 (Central European)", "WINDOWS-1250", "win1250", "WIN-1250"},
    {1251, "WINDOWS-1251 (Cyrillic)", "WINDOWS-1251", "win1251", "WIN-1251"},
    {1252, "WINDOWS-1252 (Western European)", "WINDOWS-1252", "win1252", "WIN-1252"},
    {1253, "WINDOWS-1253 (Greek)", "WINDOWS-1253", "win1253", "WIN-1253"},
    {12000, "UTF-32 Little Endian", "UTF-32 LE", "utf32le", "UTF-32LE"},
    {12001, "UTF-32 Big Endian", "UTF-32 BE", "utf32be", "UTF-32BE"},
    {54936, "GB-18030", "GB-18030", "gb18030", "GB-18030"},
    {64999, "UTF-7 ANSI", "UTF-7 ANSI", "utf7", "UTF-7"},
    {65000, "UTF-7", "UTF-7", "utf7", "UTF-7"},
    {65001, "UTF-8", "UTF-8", "utf8", "UTF-8"},
    {65002, "UTF-8 BOM", "UTF-8 BOM", "utf8", "UTF-8"},
    {88591, "LATIN-1 (ISO 8859-1)", "LATIN-1", "latin1", "ISO-8859-1"},
    {88592, "LATIN-2 (ISO 8859-2)", "LATIN-2", "latin2", "ISO-8859-2"},
};
constexpr CodePageNames kUnknown = {-1, "Unknown", "UNKOWN", "unknown", "UNKOWN"};

const CodePageNames& NamesOf(int32_t cp) {
  for (const auto& n : kNames)
    if (n.id == cp) return n;
  return kUnknown;
}

// The comparison forms of StrToCodePage; the first equal entry wins.
struct NameToId {
  const char* name;
  int32_t id;
};
constexpr NameToId kNameToId[] = {
    {"UTF8", 65001},
    {"ASCII", 0},
    {"ASCII7BIT", 0},
    {"USASCII", 0},
    {"LATIN1", 88591},
    {"LATIN2", 88592},
    {"LATIN1ISO88591", 88591},
    {"LATIN2ISO88592", 88592},
    {"WINDOWS1250", 1250},
    {"WINDOWS1251", 1251},
    {"WINDOWS1252", 1252},
    {"WINDOWS1253", 1253},
    {"WIN1250", 1250},
    {"WIN1251", 1251},
    {"WIN1252", 1252},
    {"WIN1253", 1253},
    {"ISO88591", 88591},
    {"ISO88592", 88592},
    {"UTF7", 65000},
    {"UTF16LE", 1200},
    {"UTF16BE", 1201},
    {"UTF32LE", 12000},
    {"UTF32BE", 12001},
    {"UTF16LITTLEENDIAN", 1200},
    {"UTF16BIGENDIAN", 1201},
    {"UTF32LITTLEENDIAN", 12000},
    {"UTF32BIGENDIAN", 12001},
    {"UTF7ANSI", 64999},
    {"UTF8BOM", 65002},
    {"WINDOWS1250CENTRALEUROPEAN", 1250},
    {"WINDOWS1251CYRILLIC", 1251},
    {"WINDOWS1252WESTERNEUROPEAN", 1252},
    {"WINDOWS1253GREEK", 1253},
    {"AUTODETECT", 2},
    {"AUTO", 2},
    {"KEEP", 3},
    {"BINARY", 5},
    {"UTF1", 100},
    {"SCSU", 101},
    {"BOCU1", 102},
    {"UTFEBCDIC", 103},
    {"GB18030", 54936},
};

// --- iconv ------------------------------------------------------------------

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle OpenIconv(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
  return IconvHandle(cd);
}

// Converts with iconv, chunk by chunk. An invalid or incomplete input
// sequence is replaced: onInvalid appends the replacement and says how many
// input bytes to skip (at least one). Returns false when iconv lacks the pair.
template <typename OnInvalid>
bool IconvConvert(const char* to, const char* from, std::string_view in, std::string& out, OnInvalid onInvalid) {
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

uint64_t Load8(const char* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

// --- Single-byte code pages -----------------------------------------------------

constexpr char32_t kNoChar = 0xFFFFFFFF;

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
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1252: return "CP1252";
    case 1253: return "CP1253";
    case 88591: return "ISO-8859-1";
    case 88592: return "ISO-8859-2";
    default: return nullptr;
  }
}

const SingleByteTable& TableOf(int32_t cp) {
  // Function-local statics: built once, safe for first use from several threads.
  switch (cp) {
    case 1250: {
      static const SingleByteTable t = BuildTable("CP1250");
      return t;
    }
    case 1251: {
      static const SingleByteTable t = BuildTable("CP1251");
      return t;
    }
    case 1252: {
      static const SingleByteTable t = BuildTable("CP1252");
      return t;
    }
    case 1253: {
      static const SingleByteTable t = BuildTable("CP1253");
      return t;
    }
    case 88592: {
      static const SingleByteTable t = BuildTable("ISO-8859-2");
      return t;
    }
    default: {
      static const SingleByteTable t = BuildTable("ISO-8859-1");
      return t;
    }
  }
}

bool IsSingleByteCodePage(int32_t cp) { return IconvNameOf(cp) != nullptr; }

// Appends the UTF-8 form of single-byte text; the exact size is found first,
// so that the result of a large file grows without copies. Runs of ASCII are
// copied whole where the code page keeps ASCII as it is.
void AppendSingleByteAsUTF8(std::string_view bytes, const SingleByteTable& t, std::string& out) {
  const size_t n = bytes.size();
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  size_t len = 0;
  if (t.asciiIdentity) {
    len = n;
    for (size_t i = UTF8SkipASCII(bytes, 0); i < n; i = UTF8SkipASCII(bytes, i + 1)) len += t.utf8Len[p[i]] - 1u;
  } else {
    for (size_t i = 0; i < n; ++i) len += t.utf8Len[p[i]];
  }
  const size_t old = out.size();
  if (out.capacity() < old + len) ReserveLargeText(out, std::max(old + len, out.capacity() * 3 / 2));
  out.resize(old + len);
  char* o = out.data() + old;
  size_t i = 0;
  while (i < n) {
    if (t.asciiIdentity) {
      const size_t next = UTF8SkipASCII(bytes, i);
      std::memcpy(o, p + i, next - i);
      o += next - i;
      i = next;
      if (i >= n) break;
    }
    const unsigned char b = p[i++];
    if (out.data() + out.size() - o >= 4)
      std::memcpy(o, t.utf8Packed[b].data(), 4);
    else
      std::memcpy(o, t.utf8Packed[b].data(), t.utf8Len[b]);
    o += t.utf8Len[b];
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

// --- UTF-7 ----------------------------------------------------------------------

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

struct UTF7Tables {
  std::array<bool, 128> direct{};   // written as itself: set D, set O and white space
  std::array<int8_t, 256> value{};  // base64 value of a byte, -1 for others
};

// Built at compile time, so no first-use initialisation can race between threads.
constexpr UTF7Tables MakeUTF7Tables() {
  UTF7Tables t;
  for (auto& v : t.value) v = -1;
  for (int i = 0; i < 64; ++i) t.value[static_cast<unsigned char>(kBase64[i])] = static_cast<int8_t>(i);
  const char* setD = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789'(),-./:?";
  const char* setO = "!\"#$%&*;<=>@[]^_`{|}";
  const char* white = " \t\r\n";
  for (const char* s : {setD, setO, white})
    for (; *s; ++s) t.direct[static_cast<unsigned char>(*s)] = true;
  return t;
}
constexpr UTF7Tables kUTF7 = MakeUTF7Tables();

bool IsBase64Char(char32_t c) { return c < 256 && kUTF7.value[c] >= 0; }

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
  return codePage == 0 || codePage == 1200 || codePage == 1201 || codePage == 12000 || codePage == 12001 ||
         IsSingleByteCodePage(codePage);
}

TCodePageDecoder::TCodePageDecoder(int32_t codePage)
    : FCodePage(codePage == 0 ? 88591 : codePage),
      FUnitSize(codePage == 12000 || codePage == 12001 ? 4
                : codePage == 1200 || codePage == 1201 ? 2
                                                       : 1),
      FBigEndian(codePage == 1201 || codePage == 12001) {}

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
  char block[256];
  size_t blockLen = 0;
  auto flushBlock = [&] {
    out.append(block, blockLen);
    blockLen = 0;
  };
  size_t i = 0;
  for (; i + FUnitSize <= n; i += FUnitSize) {
    char32_t c = UnitAt(p + i);
    if (c < 0x80 && FPendingHigh == 0) {
      block[blockLen++] = static_cast<char>(c);
      if (blockLen == sizeof block) flushBlock();
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

// --- Names ----------------------------------------------------------------------

std::string CodePageToStr(int32_t codePage, bool longForm) {
  const auto& n = NamesOf(codePage);
  return longForm ? n.longName : n.shortName;
}

std::string CodePageToStrID(int32_t codePage) { return NamesOf(codePage).strID; }

std::string CodePageToISOStr(int32_t codePage, bool upperCase, bool hyphens) {
  std::string out;
  for (const char* p = NamesOf(codePage).isoName; *p; ++p) {
    char c = *p;
    if (!hyphens && c == '-') continue;
    if (!upperCase && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    out.push_back(c);
  }
  return out;
}

int32_t StrToCodePage(std::string_view name) {
  std::string key;
  for (char c : Trim(name)) {
    if (c == ' ' || c == '-' || c == '_' || c == '(' || c == ')') continue;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    key.push_back(c);
  }
  for (const auto& e : kNameToId)
    if (key == e.name) return e.id;
  return 65001;
}

TIntArray CodePagesAvailable() {
  return {0, 88591, 88592, 1250, 1251, 1252, 1253, 65000, 65001, 1200, 1201, 12000, 12001};
}

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

void StrSwapByteOrder(std::u16string& units) {
  for (auto& u : units) u = static_cast<char16_t>((u << 8) | (u >> 8));
}

std::u16string ConvertFromUTF32(uint32_t codePoint) {
  if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return u"?";
  if (codePoint < 0x10000) return std::u16string(1, static_cast<char16_t>(codePoint));
  uint32_t v = codePoint - 0x10000;
  return {static_cast<char16_t>(0xD800 + (v >> 10)), static_cast<char16_t>(0xDC00 + (v & 0x3FF))};
}

std::string WideStringToUTF7(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  bool inRun = false;
  uint32_t bits = 0;
  int nbits = 0;
  auto flush = [&] {
    if (nbits > 0) out.push_back(kBase64[(bits << (6 - nbits)) & 0x3F]);
    bits = 0;
    nbits = 0;
  };
  for (char16_t c : text) {
    bool direct = c < 128 && kUTF7.direct[c];
    if (direct || c == u'+') {
      if (inRun) {
        flush();
        // The closing "-" is needed only where the next character could be
        // read as part of the run.
        if (IsBase64Char(c) || c == u'-') out.push_back('-');
        inRun = false;
      }
      if (c == u'+')
        out += "+-";
      else
        out.push_back(static_cast<char>(c));
      continue;
    }
    if (!inRun) {
      out.push_back('+');
      inRun = true;
    }
    bits = (bits << 16) | c;
    nbits += 16;
    while (nbits >= 6) {
      nbits -= 6;
      out.push_back(kBase64[(bits >> nbits) & 0x3F]);
    }
    bits &= (1u << nbits) - 1;
  }
  if (inRun) flush();
  return out;
}

std::u16string UTF7ToWideString(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  bool inRun = false;
  uint32_t bits = 0;
  int nbits = 0;
  auto direct = [&](unsigned char b) { out.push_back(b < 0x80 ? static_cast<char16_t>(b) : u'\uFFFD'); };
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<unsigned char>(text[i]);
    if (!inRun) {
      if (b == '+') {
        if (i + 1 < text.size() && text[i + 1] == '-') {
          out.push_back(u'+');
          ++i;
        } else {
          inRun = true;
          bits = 0;
          nbits = 0;
        }
      } else {
        direct(b);
      }
      continue;
    }
    int v = kUTF7.value[b];
    if (v >= 0) {
      bits = ((bits << 6) | static_cast<uint32_t>(v)) & 0x3FFFFF;
      nbits += 6;
      if (nbits >= 16) {
        nbits -= 16;
        out.push_back(static_cast<char16_t>((bits >> nbits) & 0xFFFF));
      }
      continue;
    }
    // Any other character ends the run; leftover bits are padding.
    inRun = false;
    if (b != '-') direct(b);
  }
  return out;
}

bool UTF7EndsInRun(std::string_view text) {
  bool inRun = false;
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<unsigned char>(text[i]);
    if (inRun) {
      inRun = kUTF7.value[b] >= 0;
    } else if (b == '+') {
      if (i + 1 < text.size() && text[i + 1] == '-')
        ++i;
      else
        inRun = true;
    }
  }
  return inRun;
}

// --- Marks and detection --------------------------------------------------------

std::string CodePageBOM(int32_t codePage) {
  switch (codePage) {
    case 65001:
    case 65002: return "\xEF\xBB\xBF";
    case 12000: return std::string("\xFF\xFE\x00\x00", 4);
    case 12001: return std::string("\x00\x00\xFE\xFF", 4);
    case 1200: return "\xFF\xFE";
    case 1201: return "\xFE\xFF";
    default: return "";
  }
}

namespace {

// The code page a byte-order mark at the start announces; -1 for none. The
// head is the first five bytes, zero where the file is shorter.
int32_t MarkOf(const unsigned char* b, size_t n) {
  auto starts = [&](std::initializer_list<unsigned char> m) {
    size_t i = 0;
    for (unsigned char c : m)
      if (b[i++] != c) return false;
    return true;
  };
  if (starts({0xEF, 0xBB, 0xBF})) return 65001;
  if (starts({0x2B, 0x2F, 0x76}) && (b[3] == 0x2B || b[3] == 0x2F || b[3] == 0x38 || b[3] == 0x39)) return 65000;
  if (starts({0xFF, 0xFE, 0x00, 0x00}) && n >= 4) return 12000;
  if (starts({0x00, 0x00, 0xFE, 0xFF})) return 12001;
  if (starts({0xFF, 0xFE})) return 1200;
  if (starts({0xFE, 0xFF})) return 1201;
  if (starts({0xF7, 0x64, 0x4C})) return 100;
  if (starts({0x0E, 0xFE, 0xFF})) return 101;
  if (starts({0xFB, 0xEE, 0x28})) return 102;
  if (starts({0xDD, 0x73, 0x66, 0x73})) return 103;
  if (starts({0x84, 0x31, 0x95, 0x33})) return 54936;
  return -1;
}

}  // namespace

void TCodePageDetector::Feed(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  for (size_t i = 0; i < n && FCount + i < 5; ++i) FHead[FCount + i] = p[i];
  if (!FScanStopped) Scan(p, n);
  if (!FWalkInvalid) Walk(p, n);
  FCount += n;
}

// The zero-byte scan: zeros counted by index modulo 4, up to the first
// non-ASCII byte past index 750.
void TCodePageDetector::Scan(const unsigned char* p, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    // Eight ASCII bytes without a zero among them change nothing.
    while (i + 8 <= n) {
      uint64_t v = Load8(reinterpret_cast<const char*>(p + i));
      if ((v & kHighBits) != 0 || ((v - kOnes) & ~v & kHighBits) != 0) break;
      i += 8;
    }
    if (i >= n) break;
    const size_t g = FCount + i;
    if (p[i] >= 0x80) {
      FPureASCII = false;
      if (g > 750) {
        FScanStopped = true;
        return;
      }
    } else if (p[i] == 0) {
      ++FZeros[g % 4];
    }
  }
}

// The UTF-8 walk: every byte of 0x80 or above must start a sequence whose
// continuation bytes follow (no other check); it may run on into the next piece.
void TCodePageDetector::Walk(const unsigned char* p, size_t n) {
  // Continuation bytes a lead byte announces; 4 marks a byte that starts no sequence.
  static constexpr auto kFollow = [] {
    std::array<uint8_t, 256> t{};
    for (int b = 0x80; b < 0x100; ++b)
      t[b] = b >= 0xC0 && b <= 0xDF ? 1 : b >= 0xE0 && b <= 0xEF ? 2 : b >= 0xF0 && b <= 0xF7 ? 3 : 4;
    return t;
  }();
  // The top two bits of the bytes after the lead, read little endian.
  static constexpr uint32_t kMask[4] = {0, 0x0000C000, 0x00C0C000, 0xC0C0C000};
  size_t i = 0;
  auto fail = [&] {
    FWalkInvalid = true;
    FNeed = 0;
  };
  for (; FNeed > 0 && i < n; ++i, --FNeed) {
    if ((p[i] & 0xC0) != 0x80) return fail();
  }
  while (i < n) {
    // Jump over ASCII to the next byte of 0x80 or above.
    if (i + 8 <= n) {
      const uint64_t high = Load8(reinterpret_cast<const char*>(p + i)) & kHighBits;
      if (high == 0) {
        i += 8;
        continue;
      }
      i += static_cast<size_t>(std::countr_zero(high)) / 8;
    } else if (p[i] < 0x80) {
      ++i;
      continue;
    }
    const unsigned follow = kFollow[p[i]];
    if (follow == 4) return fail();
    if (i + 4 <= n) {
      uint32_t w;
      std::memcpy(&w, p + i, 4);
      if ((w & kMask[follow]) != (kMask[follow] & 0x80808080u)) return fail();
      i += follow + 1;
      continue;
    }
    ++i;
    for (unsigned k = 0; k < follow; ++k, ++i) {
      if (i >= n) {
        FNeed = static_cast<int>(follow - k);
        return;
      }
      if ((p[i] & 0xC0) != 0x80) return fail();
    }
  }
}

bool TCodePageDetector::Decided() const {
  if (FCount >= 5 && MarkOf(FHead, FCount) >= 0) return true;
  return FScanStopped && FWalkInvalid;
}

int32_t TCodePageDetector::Result(bool& hasBOM) const {
  hasBOM = false;
  const size_t n = FCount;
  if (n < 2) return 0;
  int32_t marked = MarkOf(FHead, n);
  if (marked >= 0) {
    hasBOM = true;
    return marked;
  }
  const size_t* z = FZeros;
  if (z[0] == 0 && z[1] > 0 && z[2] == 0 && z[3] > 0) return 1200;
  if (z[0] > 0 && z[1] == 0 && z[2] > 0 && z[3] == 0) return 1201;
  if (z[0] == 0 && z[1] > 0 && z[2] > 0 && z[3] > 0) return 12000;
  if (z[0] > 0 && z[1] > 0 && z[2] > 0 && z[3] == 0) return 12001;
  if (FPureASCII) return 0;
  // A sequence cut off by the end of the file does not count as UTF-8.
  return FWalkInvalid || FNeed > 0 ? 88591 : 65001;
}

int32_t DetectCodePage(std::string_view bytes, bool& hasBOM) {
  TCodePageDetector d;
  d.Feed(bytes);
  return d.Result(hasBOM);
}

// --- Conversion -------------------------------------------------------------------

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

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

}  // namespace

size_t CodePageMarkLength(std::string_view head, int32_t codePage) {
  switch (codePage) {
    case 1200: return StartsWith(head, "\xFF\xFE") ? 2 : 0;
    case 1201: return StartsWith(head, "\xFE\xFF") ? 2 : 0;
    case 12000:
    case 12001: return head.size() > 3 && StartsWith(head, CodePageBOM(codePage)) ? 4 : 0;
    case 65001:
    case 65002: return StartsWith(head, "\xEF\xBB\xBF") ? 3 : 0;
    case 54936: return StartsWith(head, "\x84\x31\x95\x33") ? 4 : 0;
    default: return 0;
  }
}

std::string CodePageBytesToUTF8(std::string bytes, int32_t codePage) {
  std::string_view v(bytes);
  switch (codePage) {
    case 1200:
    case 1201:
    case 12000:
    case 12001: v.remove_prefix(CodePageMarkLength(v, codePage)); return DecodeInOnePiece(v, codePage);
    case 64999:
    case 65000: {
      // The mark is U+FEFF encoded with the text; its last base64 digit may
      // carry bits of the first character, so it is dropped after decoding.
      bool hasMark =
          v.size() >= 4 && StartsWith(v, "+/v") && (v[3] == '8' || v[3] == '9' || v[3] == '+' || v[3] == '/');
      std::u16string units = UTF7ToWideString(v);
      if (hasMark && !units.empty() && units[0] == 0xFEFF) units.erase(0, 1);
      return UTF16ToUTF8(units);
    }
    case 65001:
    case 65002: {
      size_t skip = CodePageMarkLength(v, codePage);
      if (!UTF8IsValid(v.substr(skip))) return UTF8Repair(v.substr(skip));
      bytes.erase(0, skip);
      return bytes;
    }
    case 0: return DecodeInOnePiece(v, 0);
    case 54936: {
      // Only the mark tells that the bytes really are GB 18030; without it
      // they are taken as they stand, as for every id without a conversion
      // (that is also how SaveString writes this id).
      const size_t mark = CodePageMarkLength(v, codePage);
      if (mark == 0) return bytes;
      return GB18030ToUTF8(v.substr(mark));
    }
    default:
      if (IsSingleByteCodePage(codePage)) return DecodeInOnePiece(v, codePage);
      return bytes;
  }
}

std::string UTF8ToCodePageBytes(std::string_view text, int32_t codePage) {
  switch (codePage) {
    case 0: {
      // One "?" per character that ASCII cannot hold, not one per byte.
      std::string out;
      out.reserve(text.size());
      UTF8ForEachCodePoint(
          text, [&](char c) { out.push_back(c); }, [&](char32_t, std::string_view) { out.push_back('?'); });
      return out;
    }
    case 1200: return UTF8ToUTF16Bytes(text, false);
    case 1201: return UTF8ToUTF16Bytes(text, true);
    case 12000: return UTF8ToUTF32Bytes(text, false);
    case 12001: return UTF8ToUTF32Bytes(text, true);
    case 64999:
    case 65000: return WideStringToUTF7(UTF8ToUTF16(text));
    default:
      if (IsSingleByteCodePage(codePage)) return UTF8ToSingleByte(text, TableOf(codePage));
      return std::string(text);
  }
}
