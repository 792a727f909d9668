#include "foundation/code_pages.h"
#include "foundation/str_transform.h"

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

}  // namespace

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
  return cpUTF8;
}

TIntArray CodePagesAvailable() {
  return {cpASCII, cpISO88591, cpISO88592, cpWindows1250, cpWindows1251, cpWindows1252, cpWindows1253,
          cpUTF7,  cpUTF8,     cpUTF16LE,  cpUTF16BE,     cpUTF32LE,     cpUTF32BE};
}
