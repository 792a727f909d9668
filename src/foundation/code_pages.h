// Code-page ids, their names, byte-order marks, detection of a file's code
// page from its bytes, and the conversions between UTF-8 and each code page.
// Everything inside the program is UTF-8; conversion happens only here.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "foundation/types.h"

// The code-page ids that the program gives a meaning of its own, by the
// numbers that settings store.
enum TCodePageId : int32_t {
  cpASCII = 0,
  cpAutoDetect = 2,
  cpKeep = 3,
  cpBinary = 5,
  cpUTF1 = 100,
  cpSCSU = 101,
  cpBOCU1 = 102,
  cpUTFEBCDIC = 103,
  cpUTF16LE = 1200,
  cpUTF16BE = 1201,
  cpWindows1250 = 1250,
  cpWindows1251 = 1251,
  cpWindows1252 = 1252,
  cpWindows1253 = 1253,
  cpUTF32LE = 12000,
  cpUTF32BE = 12001,
  cpGB18030 = 54936,
  cpUTF7ANSI = 64999,
  cpUTF7 = 65000,
  cpUTF8 = 65001,
  cpUTF8BOM = 65002,
  cpISO88591 = 88591,
  cpISO88592 = 88592,
};

// Raised by the settings object and the frame when the output code page changes.
using TCodePageChangeNotification = std::function<void(int32_t ANewCodePage, bool AWriteBOM)>;

// Display name: the long form or the short form ("UNKOWN" for unknown ids).
std::string CodePageToStr(int32_t codePage, bool longForm);
// The form stored in settings files ("utf8", "win1252", …).
std::string CodePageToStrID(int32_t codePage);
// The ISO name; lower-cased without upperCase, without every "-" without hyphens.
std::string CodePageToISOStr(int32_t codePage, bool upperCase, bool hyphens);
// Any name form back to its id; unrecognised text gives 65001.
int32_t StrToCodePage(std::string_view name);
// The ids offered in pickers, in display order.
TIntArray CodePagesAvailable();

// Bytes 0x80..0x9F as Windows-1252 (its unassigned positions keep their own
// value), every other byte as Latin-1; zero bytes are dropped.
std::string Latin1BytesToUTF8(std::string_view bytes);

// Swaps the two bytes of every unit. Works by length, so a zero unit inside
// the text is swapped like any other.
void StrSwapByteOrder(std::u16string& units);
inline uint8_t HiByte(uint16_t v) { return static_cast<uint8_t>(v >> 8); }
inline uint8_t LoByte(uint16_t v) { return static_cast<uint8_t>(v & 0xFF); }

// The UTF-16 form of one code point; "?" above U+10FFFF and for surrogates.
std::u16string ConvertFromUTF32(uint32_t codePoint);

// UTF-7 (RFC 2152) over UTF-16 units; characters beyond U+FFFF travel as
// surrogate pairs. The decoder reports no errors: malformed runs yield nothing.
std::string WideStringToUTF7(std::u16string_view text);
std::u16string UTF7ToWideString(std::string_view text);

// The byte-order mark written for a code page ("" when it has none; 65000
// carries its mark inside the text instead).
std::string CodePageBOM(int32_t codePage);

// Detection on bytes already in memory (the rules of GetCodePage): the
// detected id and whether the bytes begin with a byte-order mark.
int32_t DetectCodePage(std::string_view bytes, bool& hasBOM);

// The same detection fed piece by piece, in order, so that a file need not be
// in memory to be detected.
class TCodePageDetector {
 public:
  void Feed(std::string_view bytes);
  // True once further bytes can no longer change the result.
  bool Decided() const;
  int32_t Result(bool& hasBOM) const;

 private:
  void Scan(const unsigned char* p, size_t n);
  void Walk(const unsigned char* p, size_t n);

  unsigned char FHead[5] = {0, 0, 0, 0, 0};
  size_t FCount = 0;
  size_t FZeros[4] = {0, 0, 0, 0};
  bool FPureASCII = true;
  bool FScanStopped = false;
  bool FWalkInvalid = false;
  int FNeed = 0;  // continuation bytes the UTF-8 walk still expects
};

// How many leading bytes a reader of the code page skips as its mark, given
// the first bytes of a file (at least four where the file has them).
size_t CodePageMarkLength(std::string_view head, int32_t codePage);

// Converts a file's bytes in the given code page to UTF-8, skipping the mark
// where that code page has one. Text taken as UTF-8 is validated: invalid
// bytes become U+FFFD. Ids without a conversion give the bytes unchanged.
// GB 18030 without its mark that is valid UTF-8 is read as UTF-8, as earlier
// versions wrote that id.
std::string CodePageBytesToUTF8(std::string bytes, int32_t codePage);
// Converts UTF-8 text to the bytes of a code page (no mark). A character that
// a single-byte code page cannot hold becomes one "?"; GB 18030 holds every
// character.
std::string UTF8ToCodePageBytes(std::string_view text, int32_t codePage);
// How many characters of UTF-8 text UTF8ToCodePageBytes writes as that "?"
// because the code page cannot hold them; 0 for the Unicode code pages and
// the ids without a conversion.
int64_t CharsNotInCodePage(std::string_view text, int32_t codePage);

// True when UTF-7 text ends inside a base64 run, so that a base64 character or
// "-" written right after it would be read as part of that run.
bool UTF7EndsInRun(std::string_view text);

// Gives s room for n bytes. A very large buffer is asked for in huge pages:
// taking page faults one 4 KB page at a time can cost more than converting a
// 100 MB file. Only a hint to the kernel; room that is never written costs no
// memory either way.
void ReserveLargeText(std::string& s, size_t n);

// Decodes the bytes of a file piece by piece, so that a large file need not
// be held in memory beside its text: single-byte code pages (0 reads as
// Latin-1), UTF-16 and UTF-32, the mark already skipped. Feed takes the bytes
// split anywhere; Finish ends the text (an incomplete last unit is dropped,
// an unpaired surrogate becomes U+FFFD, a UTF-32 value that is no character
// "?", a byte a code page leaves undefined U+FFFD).
class TCodePageDecoder {
 public:
  static bool DecodesInPieces(int32_t codePage);
  explicit TCodePageDecoder(int32_t codePage);
  // An upper bound of the UTF-8 length of byteCount bytes.
  size_t MaxOutputSize(size_t byteCount) const;
  void Feed(std::string_view bytes, std::string& out);
  void Finish(std::string& out);

 private:
  char32_t UnitAt(const unsigned char* u) const;
  void Emit(char32_t unit, std::string& out);

  int32_t FCodePage;
  size_t FUnitSize;
  bool FBigEndian;
  unsigned char FCarry[4] = {0, 0, 0, 0};
  size_t FCarryLen = 0;
  char32_t FPendingHigh = 0;
};
