// Writer of a document as one HTML page: a head with the character set, the
// title and a style sheet made from the document's styles, and a body made
// from the page section.
#pragma once

#include <cstdint>
#include <string>

#include "documents/document_model.h"

class TDocHTML : public TBaseDocument {
 public:
  TDocHTML();

  // A byte-order mark for UTF-8 when set; UTF-16 and UTF-32 always get theirs.
  bool WriteBOM = false;
  int32_t Encoding = 65001;
  // Written at fixed places between the parts; empty keeps the page on one line.
  std::string LineEndingHTML;

  // false when the file could not be written (the old file then stays).
  bool SaveToFile(const std::string& fileName) const;
  std::string GetPlainText() const;
  std::string GetHeadAsString() const;
  std::string GetCSSAsString() const;
  std::string GetParagraphStyleAsString(const TDocParagraphStyle& style) const;
  std::string GetBodyAsString() const;
  std::string GetSectionAsString(const TDocumentSection& section) const;
  std::string GetTableAsString(const TDocTable& table) const;
};

// The charset label a browser knows for a code page ("UTF-8", "windows-1252",
// "iso-8859-2", "utf-16le", "gb18030", …); code pages that are written as
// UTF-8 are labelled so.
std::string HtmlCharsetName(int32_t codePage);
// The bytes of the page text in a code page, with the byte-order mark where
// one is written.
std::string HtmlFileBytes(const std::string& text, int32_t codePage, bool writeBOM);
