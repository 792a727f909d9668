// OpenDocument text (ODT, ODF 1.2) writer: the document model written as a
// package of mimetype, content, styles, meta data, settings and manifest.
// The writer is the document: create it, fill its sections, call SaveToFile.
#pragma once

#include <memory>
#include <string>

#include "documents/document_model.h"

class TXMLNode;

// The generator text written as creator, last editor and generator.
std::string OdtCreatorText();

class TDocODT : public TBaseDocument {
 public:
  TDocODT();
  ~TDocODT() override;

  // The package gets Thumbnails/thumbnail.png (a blank 128×128 picture).
  bool AddThumbnailImage = false;
  // The package gets manifest.rdf.
  bool AddManifestRDF = false;
  // The roots declare the OpenOffice.org extension namespaces as well.
  bool AddOOOAttributes = false;

  // Writes the package; false when the archive cannot be written, and then
  // an existing file is left as it was.
  bool SaveToFile(const std::string& FileName) const;

  std::string GetFileStringMimetype() const;
  std::string GetFileStringMetaXML() const;
  std::string GetFileStringSettingsXML() const;
  std::string GetFileStringManifestXML() const;
  std::string GetFileStringManifestRDF() const;
  std::string GetFileStringContentXML() const;
  std::string GetFileStringStylesXML() const;
  // Writes the blank thumbnail picture; true when the file was written.
  bool SaveThumbnailPNG(const std::string& FileName) const;

  std::unique_ptr<TXMLNode> CreateNodeFontFaceDecls() const;
  std::unique_ptr<TXMLNode> CreateNodeStylePageLayout() const;
  std::unique_ptr<TXMLNode> CreateNodeStyleOfficeStyles() const;
  std::unique_ptr<TXMLNode> CreateNodeStyleOfficeStyles_Graphic() const;
  std::unique_ptr<TXMLNode> CreateNodeStyleOfficeStyles_Paragraph() const;
  std::unique_ptr<TXMLNode> CreateNodeStyleOfficeStyles_Table() const;
  std::unique_ptr<TXMLNode> CreateNodeStyleOfficeStyles_TableRow() const;
  // AKind "header" or "footer".
  std::unique_ptr<TXMLNode> CreateNodeStyleHeaderOrFooter(const std::string& AKind, const std::string& AStyleName,
                                                          const TDocumentSection& ASection) const;

 private:
  void CreateNodeStyleParagraph(TXMLNode& AParent, const std::string& AName, const std::string& AFamily,
                                const std::string& AParentStyleName, const std::string& ANextStyleName,
                                const std::string& AClass, const TDocParagraphStyle& AStyle) const;
  // The name under which entry AIndex of the style table is defined.
  std::string TableStyleName(int32_t AIndex) const;
  void AddRootNamespaces(TXMLNode& ARoot, bool AContent) const;
};

// The general decimal text of a single-precision value followed by the unit.
std::string FloatToUnitStr(float AValue, const std::string& AUnitText);
// Local date and time as "yyyy-mm-ddThh:nn:ss.00".
std::string OdtDateTime(TDateTime AValue);
// An 8-bit grey 128×128 PNG, all white.
std::string BlankThumbnailPNG();
