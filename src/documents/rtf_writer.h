// Writer of a document as Rich Text Format: RTF version 1, ANSI, font 0 as
// the default font, every non-ASCII character as a Unicode control word, so
// that the file holds only ASCII bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "documents/document_model.h"

class TDocRTF : public TBaseDocument {
 public:
  TDocRTF();

  std::string GetPlainText() const;
  // UTF-8 without byte-order mark; false when the file could not be written.
  bool SaveToFile(const std::string& fileName) const;

  std::string GetFontTableAsString() const;
  std::string GetColorTableAsString() const;
  std::string GetStyleTableAsString() const;
  std::string GetInfoGroupAsString() const;
  std::string GetPageAttributesAsString() const;
  std::string GetParagraphStyleAsString(const TDocParagraphStyle& style) const;
  // "\s" and the index, then the words of that entry of the style table.
  std::string GetPageStyleAsString(int32_t index) const;
  std::string GetSectionAsString(const TDocumentSection& section) const;
  std::string GetTableAsString(const TDocTable& table) const;
  std::string GetTextBoxAsString(const TDocTextBox& box) const;
  std::string GetBorderDefinitionAsString(float width, int32_t colorID) const;
};

// Backslash and braces escaped; every character from U+0080 on as "\u" with
// its UTF-16 units as signed 16-bit numbers (a pair above U+FFFF), each
// followed by its fallback: the character in code page 1252 (the code page
// of "\ansi") as a "\'" byte, "\'3f" where that has none. "\uc1" comes before
// the first of them. Every second blank of a run is "\u32" with a blank as its
// fallback; TAB is "\tab", a line break "\line". Bytes that are no UTF-8
// count as U+FFFD; NUL is left out.
std::string RtfUnicodeEscape(std::string_view text);
// The text in code page 936 (GB2312/GBK), every byte as "\'" and two
// lower-case hex digits; characters the code page lacks become "?".
std::string RtfUnicodeEscapeGB2312(std::string_view text);
// "\yr2024\mo03\dy05\hr14\min07\sec09".
std::string RtfDateString(TDateTime dateTime);
std::string RtfAlignmentHorzAsString(TDocAlignmentHorizontal alignment);
std::string RtfAlignmentVertAsString(TDocAlignmentVertical alignment);
