// Descriptive metadata of office documents (PDF, RTF, DOCX, ODT, DOC, HTML,
// EPUB): title, author, dates, counts, editing time and revision. The reader
// is chosen by the extension, with the leading bytes as the fallback.
#pragma once

#include <cstdint>
#include <string>

enum TDocumentInfoFormat : int32_t {
  difUnknow = 0,
  difPDF,
  difRTF,
  difDOCX,
  difODT,
  difDOC,
  difHTML,
  difEPUB,
};

// difPDF or difRTF by the first bytes; difUnknow otherwise and for files
// under 10 bytes. Raises for a file that exists but cannot be opened.
TDocumentInfoFormat GuessDocumentInfoFormat(const std::string& FileName);

class TDocumentInfo {
 public:
  explicit TDocumentInfo(const std::string& FileName = "");

  void Reset();
  // True when a format reader read the file; an exception is reported in Error.
  bool GetDocumentData(const std::string& FileName);

  bool GetDocumentDataFromPDF(const std::string& FileName);
  bool GetDocumentDataFromRTF(const std::string& FileName);
  bool GetDocumentDataFromDOCX(const std::string& FileName);
  bool GetDocumentDataFromODT(const std::string& FileName);
  bool GetDocumentDataFromDOC(const std::string& FileName);
  bool GetDocumentDataFromHTML(const std::string& FileName);
  bool GetDocumentDataFromEPUB(const std::string& FileName);

  std::string FileName;
  std::string MetaTitle, MetaAuthor, MetaSubject, MetaDescription, MetaKeywords;
  std::string MetaCreated, MetaModified, MetaPrinted, MetaApplication, MetaCreatedWith, Language;
  int32_t PageCount = 0;
  int32_t ParagraphCount = 0;
  int32_t WordCount = 0;
  int32_t CharCountWithSpaces = 0;
  int32_t CharCountWithoutSpaces = 0;
  int32_t EditingTime = 0;  // seconds
  int32_t Revision = 0;
  std::string PDFVersion;
  int32_t Tag = 0;
  TDocumentInfoFormat Format = difUnknow;
  std::string Error;
};

// The text of an RTF fragment with its escapes decoded: \'hh in the given
// Windows code page, \uN (its replacement character skipped), \\ \{ \}.
std::string DecodeRTFText(const std::string& text, int32_t codePage);
