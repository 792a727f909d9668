#include "foundation/line_breaks.h"

#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/param_words.h"
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
    {lbkUnknown, nullptr, nullptr, "Unknown", "UNKOWN"},
    {lbkAutoDetect, nullptr, "auto", "Auto Detect", "AUTO"},
    {lbkKeep, nullptr, "keep", "Keep", "KEEP"},
    {lbkSystem, nullptr, "system", "System", "SYSTEM"},
    {lbkBinary, nullptr, nullptr, "BINARY", "BINARY"},
    {lbkNoChar, "", "nochar", "No Linebreak Character", "NO LINEBREAK"},
    {lbkTab, "\t", "tab", "TAB - Horizontal Tab (U+0009)", nullptr},
    {lbkLF, "\n", "lf", "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)", nullptr},
    {lbkVT, "\x0B", "vt", "VT - Vertical Tab (U+000B)", nullptr},
    {lbkFF, "\x0C", "ff", "FF - Unicode Form Feed (U+000C)", nullptr},
    {lbkCR, "\r", "cr", "CR - Classic Mac OS, Apple II, Commodore (U+000D)", nullptr},
    {lbkNL, "\x15", "nl", "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)", nullptr},
    {lbkNEL, "\xC2\x85", "nel", "NEL - Unicode New Line (U+0085)", nullptr},
    {lbkCustomStr, nullptr, "customstr-", "Unknown", "UNKOWN"},
    {lbkCustomStrs, nullptr, "customstrs-", "Unknown", "UNKOWN"},
    {lbkCustomCodePoint, nullptr, "customcp-", "Unknown", "UNKOWN"},
    {lbkCustomCodePoints, nullptr, "customcps-", "Unknown", "UNKOWN"},
    {lbkFixedLength, "", "fixedlength-", "Unknown", "UNKOWN"},
    {lbkCRLF, "\r\n", "crlf", "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)", nullptr},
    {lbkLS, "\xE2\x80\xA8", "ls", "LS - Unicode Line Separator (U+2028)", nullptr},
    {lbkPS, "\xE2\x80\xA9", "ps", "PS - Unicode Paragraph Separator (U+2029)", nullptr},
};

const LineBreakInfo* Find(uint32_t kind) {
  for (const auto& k : kKinds)
    if (k.kind == kind) return &k;
  return nullptr;
}

// The parameter words; "tab" comes before "%tab%", which is only read.
constexpr TParamWord kWords[] = {{"auto", lbkAutoDetect}, {"keep", lbkKeep}, {"system", lbkSystem}, {"crlf", lbkCRLF},
                                 {"lf", lbkLF},           {"cr", lbkCR},     {"nl", lbkNL},         {"ff", lbkFF},
                                 {"nel", lbkNEL},         {"ls", lbkLS},     {"ps", lbkPS},         {"vt", lbkVT},
                                 {"tab", lbkTab},         {"%tab%", lbkTab}, {"nochar", lbkNoChar}};
constexpr TParamWord kPrefixes[] = {{"customstr-", lbkCustomStr},
                                    {"customstrs-", lbkCustomStrs},
                                    {"customcp-", lbkCustomCodePoint},
                                    {"customcps-", lbkCustomCodePoints},
                                    {"fixedlength-", lbkFixedLength}};

// The kinds in the order detection looks for them.
constexpr uint32_t kDetectionOrder[] = {lbkCRLF, lbkLF, lbkCR, lbkNL, lbkFF, lbkNEL, lbkLS, lbkPS, lbkVT};

}  // namespace

TIntArray LineBreaksAvailable(bool extended) {
  TIntArray a = {lbkLF, lbkCRLF, lbkCR};
  if (extended) a.insert(a.end(), {lbkNL, lbkFF, lbkNEL, lbkLS, lbkPS, lbkVT});
  return a;
}

uint32_t LineBreakTypeOfString(std::string_view text) {
  for (uint32_t kind : kDetectionOrder)
    if (text.find(Find(kind)->chars) != std::string_view::npos) return kind;
  return lbkUnknown;
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
  static constexpr TParamWord kNames[] = {{"autodetect", lbkAutoDetect},
                                          {"auto", lbkAutoDetect},
                                          {"keep", lbkKeep},
                                          {"system", lbkSystem},
                                          {"binary", lbkBinary},
                                          {"crlf", lbkCRLF},
                                          {"lf", lbkLF},
                                          {"cr", lbkCR},
                                          {"nl", lbkNL},
                                          {"ff", lbkFF},
                                          {"nel", lbkNEL},
                                          {"ls", lbkLS},
                                          {"ps", lbkPS},
                                          {"vt", lbkVT},
                                          {"tab", lbkTab}};
  uint32_t kind;
  std::string customStr;
  int32_t customInt;
  return ParseParamWord(word, true, kNames, {}, 0, kind, customStr, customInt) ? kind : lbkSystem;
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
  if (autoDetect) add(lbkAutoDetect, "auto", "AUTO");
  if (keep) add(lbkKeep, "keep", "KEEP");
  if (system) add(lbkSystem, "system", "SYSTEM");
  if (commonBreaks) {
    named(lbkLF, "lf");
    named(lbkCRLF, "crlf");
    named(lbkCR, "cr");
  }
  if (furtherBreaks) {
    named(lbkNL, "nl");
    named(lbkFF, "ff");
    named(lbkNEL, "nel");
    named(lbkLS, "ls");
    named(lbkPS, "ps");
    named(lbkVT, "vt");
  }
  if (tab) add(lbkTab, "tab", "Tab");
  if (customStr) add(lbkCustomStr, "customstr-", "Custom String", true);
  if (customCodePoint) add(lbkCustomCodePoint, "customcp-", "Code Point(s)", true);
  if (customStrs) add(lbkCustomStrs, "customstrs-", "Custom Strings", true);
  if (customCodePoints) add(lbkCustomCodePoints, "customcps-", "Code Points", true);
  if (fixedLength) add(lbkFixedLength, "fixedlength-", "Fixed Line Length", true);
  if (noChar) add(lbkNoChar, "nochar", "No Linebreak Character");
}

bool LineBreakParamStrEncode(std::string_view paramStr, uint32_t& lineBreakType, std::string& customStr,
                             int32_t& customInt) {
  return ParseParamWord(paramStr, true, kWords, kPrefixes, lbkFixedLength, lineBreakType, customStr, customInt);
}

bool LineBreakParamStrDecode(uint32_t lineBreakType, std::string_view customStr, int32_t customInt,
                             std::string& paramStr) {
  return BuildParamWord(lineBreakType, customStr, customInt, kWords, kPrefixes, lbkFixedLength, paramStr);
}
