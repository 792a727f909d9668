// WordprocessingML (DOCX) writer: the document model written as an Office
// Open XML package. The writer is the document: create it, fill its sections,
// call SaveToFile.
#pragma once

#include <cstdint>
#include <string>

#include "documents/document_model.h"

class TXMLNode;
class TTextBuffer;

// The generator texts written as creator, last editor and application.
std::string DocxCreatorText();
std::string DocxApplicationText();

class TDocDOCX : public TBaseDocument {
 public:
  // Default font Calibri for the page styles; the generator text as creator.
  TDocDOCX();
  ~TDocDOCX() override;

  // Writes the package; false when a part or an image cannot be added or the
  // archive cannot be written, and then an existing file is left as it was.
  bool SaveToFile(const std::string& FileName);

  // The text of each part. GetFileStringWordRelsDocumentXMLRels numbers the
  // relationships (header, footer, linked content) that the body and the
  // other parts refer to, so it runs first.
  std::string GetFileStringContentTypesXML() const;
  std::string GetFileStringRelsRels() const;
  std::string GetFileStringDocPropsAppXML() const;
  std::string GetFileStringDocPropsCoreXML() const;
  std::string GetFileStringWordRelsDocumentXMLRels();
  std::string GetFileStringWordDocumentXML() const;
  std::string GetFileStringWordFontTableXML() const;
  std::string GetFileStringWordStylesXML() const;
  std::string GetFileStringWordHeaderXML() const;
  std::string GetFileStringWordFooterXML() const;
  // ARootName is "w:hdr" (the Header section) or "w:ftr" (the Footer section).
  std::string GetFileStringWordHeaderOrFooterXML(const std::string& ARootName) const;

 private:
  // word/document.xml, its paragraphs rendered one at a time.
  void WriteWordDocumentXML(TTextBuffer& out) const;
  void AddBodyContent(TXMLNode& body, const TDocContent& item) const;
  void AddSectionProperties(TXMLNode& body) const;
  int32_t FHeaderRelID = 0;
  int32_t FFooterRelID = 0;

  void AddParagraph(TXMLNode& body, const TDocContent& item) const;
  void AddImage(TXMLNode& body, const TDocContent& item) const;
};

// Dates in core.xml: the local date and time converted to UTC, as
// "yyyy-mm-ddThh:nn:ssZ".
std::string DocxW3CDTFDateTime(TDateTime ALocal);
// Pixels to EMU as Word embeds pictures: pixels / 72 × 361440, half to even.
int64_t DocxPixelsToEMU(int32_t APixels);
