// Writer of a document as one HTML page: a head with the character set, the
// title and a style sheet made from the document's styles, and a body made
// from the page section.
#pragma once

#include <cstdint>
#include <string>

#include "documents/document_model.h"

class TTextBuffer;

class TDocHTML : public TBaseDocument {
 public:
  TDocHTML();

  // A byte-order mark for UTF-8 when set; UTF-16 and UTF-32 always get theirs.
  bool WriteBOM = false;
  int32_t Encoding = 65001;
  // Written at fixed places between the parts; empty keeps the page on one line.
  std::string LineEndingHTML;

  // false when the file could not be written (the old file then stays).
  // The page goes to the file piece by piece.
  bool SaveToFile(const std::string& fileName) const;
  // The page with rows as one more table at the end of the page section,
  // written straight from the caller's rows without copying them into the
  // document: the same file as Page().Tables().Add(rows) and SaveToFile.
  bool SaveToFileWithTable(const TStrArray2D& rows, const std::string& fileName) const;
  // The rows as the table GetTableAsString writes for them.
  static void WriteTableRows(TTextBuffer& out, const TStrArray2D& rows);
  std::string GetPlainText() const;
  std::string GetHeadAsString() const;
  std::string GetCSSAsString() const;
  std::string GetParagraphStyleAsString(const TDocParagraphStyle& style) const;
  std::string GetBodyAsString() const;
  std::string GetSectionAsString(const TDocumentSection& section) const;
  std::string GetTableAsString(const TDocTable& table) const;

 private:
  bool SavePage(const std::string& fileName, const TStrArray2D* rows) const;
};

// The code page a page is written in. The HTML standard lets browsers and
// HTML parsers read UTF-8, UTF-16 and the single-byte pages (and GB 18030),
// but neither UTF-7 nor UTF-32: a page asked for in those is written in
// UTF-8 (with its mark when one is asked for), which every reader takes.
int32_t HtmlCodePage(int32_t codePage);
// The charset label a browser knows for the page's code page ("UTF-8",
// "windows-1252", "iso-8859-2", "utf-16le", "gb18030", …); code pages that are
// written as UTF-8 are labelled so.
std::string HtmlCharsetName(int32_t codePage);
// The bytes of the page text in the page's code page, with the byte-order
// mark where one is written. A character that a single-byte page lacks is
// written as a numeric character reference (&#1513;), inside the style sheet
// as a CSS escape, so that nothing is lost.
std::string HtmlFileBytes(const std::string& text, int32_t codePage, bool writeBOM);
