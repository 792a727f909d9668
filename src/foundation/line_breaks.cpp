#include "foundation/line_breaks.h"

#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"

namespace {

struct LineBreakInfo {
  uint32_t kind;
  const char* chars;  // nullptr: LF, the line break of this platform
  const char* word;   // nullptr: no parameter word
  const char* longName;
  const char* shortName;
};

constexpr LineBreakInfo kKinds[] = {
    {0, nullptr, nullptr, "Unknown", "UNKOWN"},
    {1, nullptr, "auto", "Auto Detect", "AUTO"},
    {2, nullptr, "keep", "Keep", "KEEP"},
    {3, nullptr, "system", "System", "SYSTEM"},
    {4, nullptr, nullptr, "BINARY", "BINARY"},
    {7, "", "nochar", "No Linebreak Character", "NO LINEBREAK"},
    {9, "\t", "tab", "TAB - Horizontal Tab (U+0009)", nullptr},
    {10, "\n", "lf", "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)", nullptr},
    {11, "\x0B", "vt", "VT - Vertical Tab (U+000B)", nullptr},
    {12, "\x0C", "ff", "FF - Unicode Form Feed (U+000C)", nullptr},
    {13, "\r", "cr", "CR - Classic Mac OS, Apple II, Commodore (U+000D)", nullptr},
    {21, "\x15", "nl", "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)", nullptr},
    {85, "\xC2\x85", "nel", "NEL - Unicode New Line (U+0085)", nullptr},
    {110, nullptr, "customstr-", "Unknown", "UNKOWN"},
    {111, nullptr, "customstrs-", "Unknown", "UNKOWN"},
    {120, nullptr, "customcp-", "Unknown", "UNKOWN"},
    {121, nullptr, "customcps-", "Unknown", "UNKOWN"},
    {130, "", "fixedlength-", "Unknown", "UNKOWN"},
    {1310, "\r\n", "crlf", "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)", nullptr},
    {2028, "\xE2\x80\xA8", "ls", "LS - Unicode Line Separator (U+2028)", nullptr},
    {2029, "\xE2\x80\xA9", "ps", "PS - Unicode Paragraph Separator (U+2029)", nullptr},
};

const LineBreakInfo* Find(uint32_t kind) {
  for (const auto& k : kKinds)
    if (k.kind == kind) return &k;
  return nullptr;
}

// The kinds in the order detection looks for them.
constexpr uint32_t kDetectionOrder[] = {1310, 10, 13, 21, 12, 85, 2028, 2029, 11};

}  // namespace

TIntArray LineBreaksAvailable(bool extended) {
  TIntArray a = {10, 1310, 13};
  if (extended) a.insert(a.end(), {21, 12, 85, 2028, 2029, 11});
  return a;
}

uint32_t LineBreakTypeOfString(std::string_view text) {
  for (uint32_t kind : kDetectionOrder)
    if (text.find(Find(kind)->chars) != std::string_view::npos) return kind;
  return 0;
}

std::string LineBreakCharactersForLineBreakType(uint32_t lineBreakType) {
  const LineBreakInfo* k = Find(lineBreakType);
  return k && k->chars ? k->chars : "\n";
}

std::string GetNewLineCharFromStr(std::string_view text) {
  return LineBreakCharactersForLineBreakType(LineBreakTypeOfString(text));
}

std::string LineBreakToStr(uint32_t lineBreakType, bool longForm) {
  const LineBreakInfo* k = Find(lineBreakType);
  if (!k) return longForm ? "Unknown" : "UNKOWN";
  if (longForm || !k->shortName) return k->longName;
  return k->shortName;
}

uint32_t StrToLineBreak(std::string_view word) {
  static constexpr struct {
    const char* word;
    uint32_t kind;
  } kWords[] = {{"autodetect", 1}, {"auto", 1},  {"keep", 2},  {"system", 3}, {"binary", 4},
                {"crlf", 1310},    {"lf", 10},   {"cr", 13},   {"nl", 21},    {"ff", 12},
                {"nel", 85},       {"ls", 2028}, {"ps", 2029}, {"vt", 11},    {"tab", 9}};
  std::string w = ASCIILowerCase(Trim(word));
  for (const auto& e : kWords)
    if (w == e.word) return e.kind;
  return 3;
}

int32_t ExplodeAtAllTypesOfLineBreaks(TStrArray& arr, std::string_view text) {
  return Explode(arr, GetNewLineCharFromStr(text), text);
}

int32_t LineBreakCount(std::string_view text, uint32_t lineBreakType) {
  std::string chars = LineBreakCharactersForLineBreakType(lineBreakType);
  if (chars.empty()) return 0;
  int32_t count = 0;
  size_t pos = text.find(chars);
  while (pos != std::string_view::npos) {
    ++count;
    pos = text.find(chars, pos + 1);
  }
  return count;
}

void LineBreakGetParams(TLineBreakParamArray& params, bool autoDetect, bool keep, bool system, bool commonBreaks,
                        bool furtherBreaks, bool tab, bool customStr, bool customStrs, bool customCodePoint,
                        bool customCodePoints, bool fixedLength, bool noChar) {
  params.clear();
  auto add = [&](uint32_t kind, const char* word, std::string caption, bool needsValue = false) {
    params.push_back({kind, word, std::move(caption), needsValue});
  };
  auto named = [&](uint32_t kind, const char* word) { add(kind, word, LineBreakToStr(kind, true)); };
  if (autoDetect) add(1, "auto", "AUTO");
  if (keep) add(2, "keep", "KEEP");
  if (system) add(3, "system", "SYSTEM");
  if (commonBreaks) {
    named(10, "lf");
    named(1310, "crlf");
    named(13, "cr");
  }
  if (furtherBreaks) {
    named(21, "nl");
    named(12, "ff");
    named(85, "nel");
    named(2028, "ls");
    named(2029, "ps");
    named(11, "vt");
  }
  if (tab) add(9, "tab", "Tab");
  if (customStr) add(110, "customstr-", "Custom String", true);
  if (customCodePoint) add(120, "customcp-", "Code Point(s)", true);
  if (customStrs) add(111, "customstrs-", "Custom Strings", true);
  if (customCodePoints) add(121, "customcps-", "Code Points", true);
  if (fixedLength) add(130, "fixedlength-", "Fixed Line Length", true);
  if (noChar) add(7, "nochar", "No Linebreak Character");
}

bool LineBreakParamStrEncode(std::string_view paramStr, uint32_t& lineBreakType, std::string& customStr,
                             int32_t& customInt) {
  lineBreakType = 0;
  customStr.clear();
  customInt = 0;
  static constexpr struct {
    const char* word;
    uint32_t kind;
  } kWords[] = {{"auto", 1},  {"keep", 2}, {"system", 3}, {"crlf", 1310}, {"lf", 10},
                {"cr", 13},   {"nl", 21},  {"ff", 12},    {"nel", 85},    {"ls", 2028},
                {"ps", 2029}, {"vt", 11},  {"tab", 9},    {"%tab%", 9},   {"nochar", 7}};
  std::string w = ASCIILowerCase(Trim(paramStr));
  for (const auto& e : kWords) {
    if (w == e.word) {
      lineBreakType = e.kind;
      return true;
    }
  }
  static constexpr struct {
    const char* prefix;
    uint32_t kind;
  } kPrefixes[] = {
      {"customstr-", 110}, {"customstrs-", 111}, {"customcp-", 120}, {"customcps-", 121}, {"fixedlength-", 130}};
  size_t dash = paramStr.find('-');
  if (dash == std::string_view::npos) return false;
  std::string prefix = ASCIILowerCase(paramStr.substr(0, dash)) + "-";
  std::string_view value = paramStr.substr(dash + 1);
  for (const auto& e : kPrefixes) {
    if (prefix == e.prefix) {
      lineBreakType = e.kind;
      if (e.kind == 130)
        customInt = StrToIntDef(value, 0);
      else
        customStr = std::string(value);
      return true;
    }
  }
  return false;
}

bool LineBreakParamStrDecode(uint32_t lineBreakType, std::string_view customStr, int32_t customInt,
                             std::string& paramStr) {
  paramStr.clear();
  const LineBreakInfo* k = Find(lineBreakType);
  if (!k || !k->word) return false;
  paramStr = k->word;
  if (lineBreakType == 130)
    paramStr += IntToStr(customInt);
  else if (lineBreakType >= 110 && lineBreakType <= 121)
    paramStr += customStr;
  return true;
}
