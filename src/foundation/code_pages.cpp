#include "foundation/code_pages.h"

#include <iconv.h>

#include <array>
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

// --- Single-byte code pages -----------------------------------------------------

constexpr char32_t kNoChar = 0xFFFFFFFF;

// The byte/character mapping of a single-byte code page, taken from iconv
// once per code page, so that bulk conversion is a table lookup.
struct SingleByteTable {
  std::array<char32_t, 256> toUnicode{};
  std::array<std::string, 256> toUTF8;
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
    case 1250: { static const SingleByteTable t = BuildTable("CP1250"); return t; }
    case 1251: { static const SingleByteTable t = BuildTable("CP1251"); return t; }
    case 1252: { static const SingleByteTable t = BuildTable("CP1252"); return t; }
    case 1253: { static const SingleByteTable t = BuildTable("CP1253"); return t; }
    case 88592: { static const SingleByteTable t = BuildTable("ISO-8859-2"); return t; }
    default: { static const SingleByteTable t = BuildTable("ISO-8859-1"); return t; }
  }
}

bool IsSingleByteCodePage(int32_t cp) { return IconvNameOf(cp) != nullptr; }

std::string SingleByteToUTF8(std::string_view bytes, const SingleByteTable& t) {
  // Exact size first: the result of a 100 MB file is allocated once.
  size_t len = 0;
  for (unsigned char b : bytes) len += t.toUTF8[b].size();
  std::string out;
  out.resize(len);
  char* o = out.data();
  for (unsigned char b : bytes) {
    if (b < 0x80 && t.asciiIdentity) {
      *o++ = static_cast<char>(b);
    } else {
      const std::string& s = t.toUTF8[b];
      std::memcpy(o, s.data(), s.size());
      o += s.size();
    }
  }
  return out;
}

std::string UTF8ToSingleByte(std::string_view text, const SingleByteTable& t) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  const size_t n = text.size();
  while (pos < n) {
    auto b = static_cast<unsigned char>(text[pos]);
    if (b < 0x80 && t.asciiIdentity) {
      out.push_back(static_cast<char>(b));
      ++pos;
      continue;
    }
    char32_t cp = UTF8DecodeAt(text, pos);
    int16_t mapped = cp < 0x10000 ? t.fromUnicode[cp] : -1;
    out.push_back(mapped < 0 ? '?' : static_cast<char>(mapped));
  }
  return out;
}

// --- UTF-16 and UTF-32 --------------------------------------------------------

// Length-driven throughout: a U+0000 in the text is one unit like any other.
std::string UTF16BytesToUTF8(std::string_view bytes, bool bigEndian) {
  const size_t units = bytes.size() / 2;
  auto unitAt = [&](size_t i) -> char16_t {
    auto a = static_cast<unsigned char>(bytes[2 * i]);
    auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
    return bigEndian ? static_cast<char16_t>((a << 8) | b) : static_cast<char16_t>((b << 8) | a);
  };
  // Two passes over the units, counting and then writing, keep the peak
  // memory at the input plus the exact result.
  auto walk = [&](auto&& emit) {
    for (size_t i = 0; i < units; ++i) {
      char32_t c = unitAt(i);
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units) {
        char32_t lo = unitAt(i + 1);
        if (lo >= 0xDC00 && lo <= 0xDFFF) {
          emit(0x10000 + ((c - 0xD800) << 10) + (lo - 0xDC00));
          ++i;
          continue;
        }
      }
      emit(c);  // an unpaired surrogate becomes U+FFFD in UTF8Append
    }
  };
  size_t len = 0;
  walk([&](char32_t c) {
    if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
    len += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  });
  std::string out;
  out.reserve(len);
  walk([&](char32_t c) {
    if (c < 0x80) out.push_back(static_cast<char>(c));
    else UTF8Append(out, c);
  });
  return out;
}

std::string UTF32BytesToUTF8(std::string_view bytes, bool bigEndian) {
  const size_t units = bytes.size() / 4;
  std::string out;
  out.reserve(units);
  for (size_t i = 0; i < units; ++i) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + 4 * i);
    uint32_t v = bigEndian ? (uint32_t{p[0]} << 24) | (p[1] << 16) | (p[2] << 8) | p[3]
                           : (uint32_t{p[3]} << 24) | (p[2] << 16) | (p[1] << 8) | p[0];
    if (v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) out.push_back('?');
    else UTF8Append(out, v);
  }
  return out;
}

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

TIntArray CodePagesAvailable() { return {0, 88591, 88592, 1250, 1251, 1252, 1253, 65000, 65001, 1200, 1201, 12000, 12001}; }

std::string Latin1BytesToUTF8(std::string_view bytes) {
  // Windows-1252 for 0x80..0x9F; 0 marks the five unassigned positions.
  static constexpr char16_t kCP1252High[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
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
      if (c == u'+') out += "+-";
      else out.push_back(static_cast<char>(c));
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

int32_t DetectCodePage(std::string_view bytes, bool& hasBOM) {
  hasBOM = false;
  const size_t n = bytes.size();
  if (n < 2) return 0;
  unsigned char b[5] = {0, 0, 0, 0, 0};
  for (size_t i = 0; i < 5 && i < n; ++i) b[i] = static_cast<unsigned char>(bytes[i]);
  auto starts = [&](std::initializer_list<unsigned char> m) {
    size_t i = 0;
    for (unsigned char c : m)
      if (b[i++] != c) return false;
    return true;
  };
  int32_t marked = -1;
  if (starts({0xEF, 0xBB, 0xBF})) marked = 65001;
  else if (starts({0x2B, 0x2F, 0x76}) && (b[3] == 0x2B || b[3] == 0x2F || b[3] == 0x38 || b[3] == 0x39)) marked = 65000;
  else if (starts({0xFF, 0xFE, 0x00, 0x00}) && n >= 4) marked = 12000;
  else if (starts({0x00, 0x00, 0xFE, 0xFF})) marked = 12001;
  else if (starts({0xFF, 0xFE})) marked = 1200;
  else if (starts({0xFE, 0xFF})) marked = 1201;
  else if (starts({0xF7, 0x64, 0x4C})) marked = 100;
  else if (starts({0x0E, 0xFE, 0xFF})) marked = 101;
  else if (starts({0xFB, 0xEE, 0x28})) marked = 102;
  else if (starts({0xDD, 0x73, 0x66, 0x73})) marked = 103;
  else if (starts({0x84, 0x31, 0x95, 0x33})) marked = 54936;
  if (marked >= 0) {
    hasBOM = true;
    return marked;
  }

  bool pureASCII = true;
  size_t z[4] = {0, 0, 0, 0};
  for (size_t i = 0; i < n; ++i) {
    auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x80) {
      pureASCII = false;
      if (i > 750) break;
    } else if (c == 0) {
      ++z[i % 4];
    }
  }
  if (z[0] == 0 && z[1] > 0 && z[2] == 0 && z[3] > 0) return 1200;
  if (z[0] > 0 && z[1] == 0 && z[2] > 0 && z[3] == 0) return 1201;
  if (z[0] == 0 && z[1] > 0 && z[2] > 0 && z[3] > 0) return 12000;
  if (z[0] > 0 && z[1] > 0 && z[2] > 0 && z[3] == 0) return 12001;
  if (pureASCII) return 0;

  size_t i = 0;
  while (i < n) {
    auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t follow = (c >= 0xC0 && c <= 0xDF) ? 1 : (c >= 0xE0 && c <= 0xEF) ? 2 : (c >= 0xF0 && c <= 0xF7) ? 3 : 0;
    if (follow == 0 || i + follow >= n) return 88591;
    for (size_t k = 1; k <= follow; ++k) {
      auto d = static_cast<unsigned char>(bytes[i + k]);
      if (d < 0x80 || d > 0xBF) return 88591;
    }
    i += follow + 1;
  }
  return 65001;
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

std::string UTF8ToGB18030(std::string_view text) {
  std::string repaired = UTF8Repair(text);
  std::string out;
  out.reserve(repaired.size());
  bool ok = IconvConvert("GB18030", "UTF-8", repaired, out, [](std::string_view rest, std::string& o) -> size_t {
    o.push_back('?');
    size_t pos = 0;
    UTF8DecodeAt(rest, pos);
    return pos;
  });
  if (!ok) return repaired;
  return out;
}

}  // namespace

std::string CodePageBytesToUTF8(std::string bytes, int32_t codePage) {
  std::string_view v(bytes);
  switch (codePage) {
    case 1200:
    case 1201: {
      std::string_view mark = codePage == 1200 ? "\xFF\xFE" : "\xFE\xFF";
      if (StartsWith(v, mark)) v.remove_prefix(2);
      if (v.size() < 2) return "";
      return UTF16BytesToUTF8(v, codePage == 1201);
    }
    case 12000:
    case 12001: {
      std::string mark = CodePageBOM(codePage);
      if (v.size() > 3 && StartsWith(v, mark)) v.remove_prefix(4);
      return UTF32BytesToUTF8(v, codePage == 12001);
    }
    case 64999:
    case 65000: {
      // The mark is U+FEFF encoded with the text; its last base64 digit may
      // carry bits of the first character, so it is dropped after decoding.
      bool hasMark = v.size() >= 4 && StartsWith(v, "+/v") &&
                     (v[3] == '8' || v[3] == '9' || v[3] == '+' || v[3] == '/');
      std::u16string units = UTF7ToWideString(v);
      if (hasMark && !units.empty() && units[0] == 0xFEFF) units.erase(0, 1);
      return UTF16ToUTF8(units);
    }
    case 65001:
    case 65002: {
      size_t skip = StartsWith(v, "\xEF\xBB\xBF") ? 3 : 0;
      if (!UTF8IsValid(v.substr(skip))) return UTF8Repair(v.substr(skip));
      bytes.erase(0, skip);
      return bytes;
    }
    case 0: return SingleByteToUTF8(v, TableOf(88591));
    case 54936:
      if (StartsWith(v, "\x84\x31\x95\x33")) v.remove_prefix(4);
      return GB18030ToUTF8(v);
    default:
      if (IsSingleByteCodePage(codePage)) return SingleByteToUTF8(v, TableOf(codePage));
      return bytes;
  }
}

std::string UTF8ToCodePageBytes(std::string_view text, int32_t codePage) {
  switch (codePage) {
    case 0: {
      // One "?" per character that ASCII cannot hold, not one per byte.
      std::string out;
      out.reserve(text.size());
      size_t pos = 0;
      while (pos < text.size()) {
        auto b = static_cast<unsigned char>(text[pos]);
        if (b < 0x80) {
          out.push_back(static_cast<char>(b));
          ++pos;
        } else {
          UTF8DecodeAt(text, pos);
          out.push_back('?');
        }
      }
      return out;
    }
    case 1200: return UTF8ToUTF16Bytes(text, false);
    case 1201: return UTF8ToUTF16Bytes(text, true);
    case 12000: return UTF8ToUTF32Bytes(text, false);
    case 12001: return UTF8ToUTF32Bytes(text, true);
    case 64999:
    case 65000: return WideStringToUTF7(UTF8ToUTF16(text));
    case 54936: return UTF8ToGB18030(text);
    default:
      if (IsSingleByteCodePage(codePage)) return UTF8ToSingleByte(text, TableOf(codePage));
      return std::string(text);
  }
}
