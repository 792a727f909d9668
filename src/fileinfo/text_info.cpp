#include "fileinfo/text_info.h"

#include <sys/stat.h>

#include "fileinfo/buffered_stream.h"
#include "foundation/code_pages.h"
#include "foundation/line_breaks.h"
#include "foundation/str_transform.h"
#include "foundation/text_files.h"
#include "foundation/utf8.h"

namespace {

constexpr uint32_t kEncodingBinary = 5;
constexpr uint32_t kLineBreakBinary = 4;
constexpr size_t kFirstCharsCount = 150;

// Only regular files are read: a folder has no text, and reading a pipe or a
// device could wait for ever or never end.
bool IsRegularFile(const std::string& fileName) {
  struct stat st {};
  return !fileName.empty() && ::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

TTextInfo::TTextInfo(const std::string& fileName) {
  Tag = 0;
  Reset();
  if (!fileName.empty()) GetData(fileName);
}

void TTextInfo::Reset() {
  Encoding = 0;
  LineBreak = 0;
  FileName.clear();
  Lines = Chars = Words = 0;
  BOM = false;
  FirstChars.clear();
}

bool TTextInfo::GetData(const std::string& fileName) {
  if (!IsRegularFile(fileName)) return false;
  Reset();
  FileName = fileName;
  int32_t codePage = 0;
  bool bom = false;
  const std::string text = LoadTextForReading(fileName, codePage, bom);
  Encoding = static_cast<uint32_t>(codePage);
  BOM = bom;
  if (IsBinaryStr(text)) {
    Encoding = kEncodingBinary;
    LineBreak = kLineBreakBinary;
    return false;
  }
  // Counting all of a large text takes long; a worker told to stop meanwhile
  // drops the result anyway.
  if (ReadStopRequestedOnThisThread()) return false;
  return GetDataFromString(text);
}

bool TTextInfo::GetDataFromString(const std::string& text) {
  Chars = static_cast<int32_t>(UTF8Length(text));
  Words = CountWordsInString(text);
  LineBreak = LineBreakTypeOfString(text);
  Lines = text.empty() ? 0 : LineBreakCount(text, LineBreak) + 1;
  FirstChars = Trim(text.substr(0, UTF8CharToByteIndex(text, kFirstCharsCount)));
  return true;
}

std::string TTextInfo::GetEncodingAsStr() const { return CodePageToStr(static_cast<int32_t>(Encoding), false); }

namespace {

struct TLineBreakText {
  uint32_t Kind;
  const char* Display;
  const char* Iso;
};

const TLineBreakText kLineBreakTexts[] = {
    {1, "AUTO", "auto"},
    {2, "KEEP", "keep"},
    {3, "SYSTEM", "system"},
    {4, "BINARY", "binary"},
    {7, "NO LINEBREAK", "nochar"},
    {9, "TAB - Horizontal Tab (U+0009)", "tab"},
    {10, "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)", "lf"},
    {11, "VT - Vertical Tab (U+000B)", "vt"},
    {12, "FF - Unicode Form Feed (U+000C)", "ff"},
    {13, "CR - Classic Mac OS, Apple II, Commodore (U+000D)", "cr"},
    {21, "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)", "nl"},
    {85, "NEL - Unicode New Line (U+0085)", "nel"},
    {1310, "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)", "crlf"},
    {2028, "LS - Unicode Line Separator (U+2028)", "ls"},
    {2029, "PS - Unicode Paragraph Separator (U+2029)", "ps"},
};

const TLineBreakText* FindLineBreakText(uint32_t kind) {
  for (const auto& t : kLineBreakTexts)
    if (t.Kind == kind) return &t;
  return nullptr;
}

}  // namespace

std::string TTextInfo::GetLineBreakAsStr() const {
  const TLineBreakText* t = FindLineBreakText(LineBreak);
  return t ? t->Display : "UNKOWN";
}

std::string TTextInfo::GetLineBreakAsISOStr() const {
  const TLineBreakText* t = FindLineBreakText(LineBreak);
  return t ? t->Iso : "unknown";
}
