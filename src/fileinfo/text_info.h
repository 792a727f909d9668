// What a text file holds: its code page and byte-order mark, the kind of line
// break, the numbers of lines, characters and words, and its first characters.
#pragma once

#include <cstdint>
#include <string>

class TTextInfo {
 public:
  // Reads fileName at once unless it is empty; the result is dropped.
  explicit TTextInfo(const std::string& fileName = "");

  void Reset();
  // False for a missing file (nothing changed), for a folder, pipe or device
  // (nothing changed) and for binary content (Encoding 5, LineBreak 4).
  bool GetData(const std::string& fileName);
  // Counts a UTF-8 text; sets Chars, Words, LineBreak, Lines and FirstChars
  // only. Always true.
  bool GetDataFromString(const std::string& text);

  std::string GetEncodingAsStr() const;
  std::string GetLineBreakAsStr() const;
  std::string GetLineBreakAsISOStr() const;

  uint32_t Encoding = 0;
  uint32_t LineBreak = 0;
  std::string FileName;
  int32_t Lines = 0;
  int32_t Chars = 0;
  int32_t Words = 0;
  bool BOM = false;
  int32_t Tag = 0;
  std::string FirstChars;
};
