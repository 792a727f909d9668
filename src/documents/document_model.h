// The in-memory text document that the document writers render: three
// sections (page, header, footer) of ordered content items, paragraph styles,
// a colour table, a font table and linked content (hyperlinks, images).
//
// Units: lengths in centimetres, font sizes in points, LineSpacing as a factor.
// Colours and fonts are referred to by their index in the document's tables.
// A writer class derives from TBaseDocument: the writer is the document.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/colours.h"
#include "foundation/dates.h"
#include "foundation/types.h"

// The maker's web domain that ends every writer's generator text.
inline constexpr const char* kDocumentMakerWebDomain = "www.pellwick.example";
// "Pellwick - " and the domain: the default creator, editor and company.
std::string DocumentMakerText();

enum TDocAlignmentHorizontal : int32_t { docAlignHorzLeft, docAlignHorzRight, docAlignHorzCenter, docAlignHorzJustify };
enum TDocAlignmentVertical : int32_t { docAlignVertTop, docAlignVertCenter, docAlignVertBottom };
enum TDocStrikeType : int32_t {
  docStrikeTypeSingle,
  docStrikeTypeDouble,
  docStrikeTypeBold,
  docStrikeTypeWithX,
  docStrikeTypeWithSlash
};
enum TDocUnderlineType : int32_t {
  docUnderlineTypeSingle,
  docUnderlineTypeDouble,
  docUnderlineTypeDash,
  docUnderlineTypeDotted,
  docUnderlineTypeWave
};
enum TDocEmbeddedContentType : int32_t { docEmbeddedContentHyperlink = 0, docEmbeddedContentImage = 1 };

// The numbers are part of the model: writers switch on them.
enum TDocContentType : int32_t {
  docContentText = 0,
  docContentRawCode = 1,
  docContentParagraph = 2,
  docContentHeading1 = 3,
  docContentHeading2 = 4,
  docContentHeading3 = 5,
  docContentHeading4 = 6,
  docContentHeading5 = 7,
  docContentHeading6 = 8,
  docContentLineBreak = 9,
  docContentPageBreak = 10,
  docContentColumnBreak = 11,
  docContentParagraphStart = 12,
  docContentParagraphEnd = 13,
  docContentBold = 14,
  docContentItalic = 15,
  docContentUnderline = 16,
  docContentStrikeThrough = 17,
  docContentFontSize = 18,
  docContentAlignLeft = 19,
  docContentAlignRight = 20,
  docContentAlignCenter = 21,
  docContentAlignJustify = 22,
  docContentPageNumber = 23,
  docContentPageCount = 24,
  docContentHyperlink = 25,
  docContentImage = 26,
  docContentTextBox = 27,
  docContentTable = 28
};

struct TDocContent {
  TDocContentType ContentType = docContentText;
  int32_t Param = 0;
  std::string Value;
};
using TDocContents = std::vector<TDocContent>;

struct TDocEmbeddedContentRec {
  TDocEmbeddedContentType ContentType = docEmbeddedContentHyperlink;
  std::string Source;    // hyperlink target or image path
  int32_t RelID = 0;     // relationship number (DOCX)
  std::string FileName;  // the image's name inside a package
  int32_t Width = 0;     // pixels
  int32_t Height = 0;
  int32_t StyleID = -1;  // paragraph style of the image's paragraph; -1 = none
};
using TDocLinkedContentArray = std::vector<TDocEmbeddedContentRec>;

class TBaseDocument;
class TDocumentSection;
class TDocTableObj;
class TDocTextBoxObj;

struct TDocumentFontTableRec {
  std::string FontName;
};
using TDocumentFontTableArray = std::vector<TDocumentFontTableRec>;

class TDocumentFontTable {
 public:
  // The index of the name (ignoring case), appending it when missing.
  int32_t AddFont(const std::string& AName);
  // Index of the first entry equal ignoring case, else -1.
  int32_t GetFontIndex(const std::string& AName) const;
  // "" for an ID that is no index of the table.
  std::string GetFontNameFromID(int32_t AID) const;
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  TDocumentFontTableRec GetItem(int32_t AIndex) const { return FItems[static_cast<size_t>(AIndex)]; }
  void SetFontNameOfID(int32_t AID, const std::string& AName);

 private:
  TDocumentFontTableArray FItems;
};

class TDocumentColorTable {
 public:
  TDocumentColorTable();  // black (ID 0) and white (ID 1)
  int32_t AddColor(TGraphicsColor AColor);
  // Text that is no hex colour adds (finds) black.
  int32_t AddColor(const std::string& AHex);
  int32_t GetColorIndex(TGraphicsColor AColor) const;
  // Black for an ID that is no index of the table.
  TGraphicsColor GetColorFromID(int32_t AID) const;
  TRGBColor GetColorRGBFromID(int32_t AID) const;
  // Six upper-case hex digits, red first.
  std::string GetColorHexFromID(int32_t AID) const;
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }

 private:
  std::vector<TGraphicsColor> FItems;
};

class TDocParagraphStyle {
 public:
  explicit TDocParagraphStyle(TBaseDocument& ADocument);

  float FontSize = 12.0f;
  bool FontBold = false;
  bool FontItalic = false;
  bool FontStrikeThrough = false;
  TDocStrikeType FontStrikeType = docStrikeTypeSingle;
  bool FontUnderline = false;
  TDocUnderlineType FontUnderlineType = docUnderlineTypeSingle;
  TDocAlignmentHorizontal TextAlignmentHorz = docAlignHorzLeft;
  TDocAlignmentVertical TextAlignmentVert = docAlignVertTop;
  float MarginLeft = 0;
  float MarginRight = 0;
  float MarginTop = 0;
  float MarginBottom = 0;
  float LineSpacing = 1.0f;
  float FirstLineIndent = 0;
  bool KeepTogether = false;
  bool KeepWithNext = false;
  std::string StyleName = "Style";

  int32_t FontID() const { return FFontID; }
  // Ignored unless AID is an index of the font table.
  void SetFontID(int32_t AID);
  const std::string& FontName() const { return FFontName; }
  // Registers the font and keeps the name in its own letter case.
  void SetFontName(const std::string& AName);

  int32_t TextColorID() const { return FTextColorID; }
  int32_t BackgroundColorID() const { return FBackgroundColorID; }
  int32_t TextBackgroundColorID() const { return FTextBackgroundColorID; }
  // Ignored unless AID is an index of the colour table.
  void SetTextColorID(int32_t AID);
  void SetBackgroundColorID(int32_t AID);
  void SetTextBackgroundColorID(int32_t AID);
  void SetTextColorFromTColor(TGraphicsColor AColor);
  void SetBackgroundColorFromTColor(TGraphicsColor AColor);
  void SetTextBackgroundColorFromTColor(TGraphicsColor AColor);
  void SetTextColorFromHex(const std::string& AHex);
  void SetBackgroundColorFromHex(const std::string& AHex);
  void SetTextBackgroundColorFromHex(const std::string& AHex);
  TGraphicsColor GetTextColorAsTColor() const;
  TGraphicsColor GetBackgroundColorAsTColor() const;
  TGraphicsColor GetTextBackgroundColorAsTColor() const;
  std::string GetTextColorAsHex() const;
  std::string GetBackgroundColorAsHex() const;
  std::string GetTextBackgroundColorAsHex() const;

  // Copies font, size, alignments, the four flags and the colours (not the
  // strike and underline types, margins, spacing, indent, keep flags, name).
  void Apply(const TDocParagraphStyle& AStyle);

 private:
  TBaseDocument& FDocument;
  int32_t FFontID = 0;
  std::string FFontName;
  int32_t FTextColorID = 0;
  int32_t FBackgroundColorID = 1;
  int32_t FTextBackgroundColorID = 1;
};

class TDocumentStyleTable {
 public:
  explicit TDocumentStyleTable(TBaseDocument& ADocument) : FDocument(ADocument) {}
  // A new style "Style<n>" with the page style applied; returns its index.
  int32_t Add();
  TDocParagraphStyle& GetStyle(int32_t AIndex) const { return *FItems[static_cast<size_t>(AIndex)]; }
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  void Clear() { FItems.clear(); }

 private:
  TBaseDocument& FDocument;
  std::vector<std::unique_ptr<TDocParagraphStyle>> FItems;
};

class TDocBorders {
 public:
  TDocBorders() {
    SetAll(false);
    SetAllWidths(0.02f);
    SetAllColorIDs(0);
  }
  bool Left, Right, Top, Bottom;
  float WidthLeft, WidthRight, WidthTop, WidthBottom;
  int32_t ColorLeftID, ColorRightID, ColorTopID, ColorBottomID;
  void SetAll(bool AValue) { Left = Right = Top = Bottom = AValue; }
  void SetAllWidths(float AWidth) { WidthLeft = WidthRight = WidthTop = WidthBottom = AWidth; }
  void SetAllColorIDs(int32_t AID) { ColorLeftID = ColorRightID = ColorTopID = ColorBottomID = AID; }
};

// One flow of content: page body, header, footer, a table cell or a text box.
class TDocumentSection {
 public:
  explicit TDocumentSection(TBaseDocument& ADocument);
  ~TDocumentSection();
  TDocumentSection(const TDocumentSection&) = delete;
  TDocumentSection& operator=(const TDocumentSection&) = delete;

  // Empties the content list only.
  void Clear() { FContents.clear(); }
  int32_t AddContent(TDocContentType AType, int32_t AParam, std::string AValue);
  int32_t AddContent(TDocContentType AType) { return AddContent(AType, 0, {}); }
  int32_t AddContent(TDocContentType AType, std::string AValue) { return AddContent(AType, 0, std::move(AValue)); }
  void AddText(std::string AText) { AddContent(docContentText, std::move(AText)); }
  // AStyleID indexes the document's style table; -1 is the default paragraph.
  void AddParagraph(std::string AText, int32_t AStyleID) {
    AddContent(docContentParagraph, AStyleID, std::move(AText));
  }
  // Copies Style and Heading1 of the other section.
  void ApplyStyle(const TDocumentSection& ASection);

  // Running state: each change appends one item, a repeated value nothing.
  TDocAlignmentHorizontal TextAlignment() const { return FTextAlignment; }
  bool FontBold() const { return FFontBold; }
  bool FontItalic() const { return FFontItalic; }
  bool FontUnderline() const { return FFontUnderline; }
  bool FontStrikeThrough() const { return FFontStrikeThrough; }
  float FontSize() const { return FFontSize; }
  void SetTextAlignmentHorz(TDocAlignmentHorizontal AValue);
  void SetFontBold(bool AValue);
  void SetFontItalic(bool AValue);
  void SetFontUnderline(bool AValue);
  void SetFontStrikeThrough(bool AValue);
  void SetFontSize(float AValue);

  bool HasContent() const { return !FContents.empty(); }
  int32_t ContentCount() const { return static_cast<int32_t>(FContents.size()); }
  const TDocContents& Contents() const { return FContents; }

  TDocParagraphStyle& Style() const { return *FStyle; }
  // Levels 1 to 6.
  TDocParagraphStyle& Heading(int32_t ALevel) const { return *FHeadings[static_cast<size_t>(ALevel - 1)]; }
  TDocParagraphStyle& Heading1() const { return Heading(1); }
  TDocParagraphStyle& Heading2() const { return Heading(2); }
  TDocParagraphStyle& Heading3() const { return Heading(3); }
  TDocParagraphStyle& Heading4() const { return Heading(4); }
  TDocParagraphStyle& Heading5() const { return Heading(5); }
  TDocParagraphStyle& Heading6() const { return Heading(6); }
  TDocTextBoxObj& TextBoxes() const { return *FTextBoxes; }
  TDocTableObj& Tables() const { return *FTables; }

 private:
  TBaseDocument& FDocument;
  TDocContents FContents;
  TDocAlignmentHorizontal FTextAlignment = docAlignHorzLeft;
  bool FFontBold = false;
  bool FFontItalic = false;
  bool FFontUnderline = false;
  bool FFontStrikeThrough = false;
  float FFontSize = 0;
  std::unique_ptr<TDocParagraphStyle> FStyle;
  std::unique_ptr<TDocParagraphStyle> FHeadings[6];
  std::unique_ptr<TDocTextBoxObj> FTextBoxes;
  std::unique_ptr<TDocTableObj> FTables;
};

struct TDocTableColumn {
  double Width = 0;
};
struct TDocTableRow {
  double HeightMin = 0;
  double HeightExact = 0;
};

class TDocTableCell {
 public:
  // The cell's section takes the styles of the table's owning section.
  TDocTableCell(TBaseDocument& ADocument, const TDocumentSection& ASection);
  TDocBorders Borders;
  TDocumentSection Content;
};

class TDocTable {
 public:
  TDocTable(TBaseDocument& ADocument, TDocumentSection& ASection) : FDocument(ADocument), FSection(ASection) {}

  double Width = 0;
  int32_t Index() const { return FIndex; }
  void SetIndex(int32_t AIndex) { FIndex = AIndex; }

  // Columns = longest row; cells past a short row stay empty; empty texts add nothing.
  void SetContent(const TStrArray2D& AContent);
  void SetCellCount(int32_t ARowCount, int32_t AColumnCount);
  void SetColumnCount(int32_t ACount);
  void SetColumnsToEqualWidth();
  void ClearContent();
  void ClearColumns() { FColumns.clear(); }
  void ClearAll() {
    ClearContent();
    ClearColumns();
  }

  int32_t ColumnCount() const { return static_cast<int32_t>(FColumns.size()); }
  int32_t RowCount() const { return static_cast<int32_t>(FRows.size()); }
  TDocTableRow& GetRow(int32_t AIndex) const { return *FRows[static_cast<size_t>(AIndex)]; }
  TDocTableColumn& GetColumn(int32_t AIndex) const { return *FColumns[static_cast<size_t>(AIndex)]; }
  TDocTableCell& GetCell(int32_t ARow, int32_t AColumn) const {
    return *FCells[static_cast<size_t>(ARow)][static_cast<size_t>(AColumn)];
  }

 private:
  TBaseDocument& FDocument;
  TDocumentSection& FSection;
  int32_t FIndex = 0;
  std::vector<std::unique_ptr<TDocTableColumn>> FColumns;
  std::vector<std::unique_ptr<TDocTableRow>> FRows;
  std::vector<std::vector<std::unique_ptr<TDocTableCell>>> FCells;
};

class TDocTableObj {
 public:
  TDocTableObj(TBaseDocument& ADocument, TDocumentSection& ASection) : FDocument(ADocument), FSection(ASection) {}
  // Text width that new tables take as their width.
  float ParentWidth = 0;
  // A table as wide as ParentWidth holding the cells; appends a table item
  // to the owning section.
  TDocTable* Add(const TStrArray2D& AContent);
  TDocTable& GetTable(int32_t AIndex) const { return *FItems[static_cast<size_t>(AIndex)]; }
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  void Clear() { FItems.clear(); }

 private:
  TBaseDocument& FDocument;
  TDocumentSection& FSection;
  std::vector<std::unique_ptr<TDocTable>> FItems;
};

class TDocTextBox {
 public:
  explicit TDocTextBox(TBaseDocument& ADocument) : Content(ADocument) {}
  TDocumentSection Content;
  bool AnchorToPage = false;
  float Left = 0;
  float Top = 0;
  float Width = 0;
  float Height = 0;  // 0 or less: automatic
};

class TDocTextBoxObj {
 public:
  explicit TDocTextBoxObj(TBaseDocument& ADocument) : FDocument(ADocument) {}
  TDocTextBox* Add();
  TDocTextBox& GetBox(int32_t AIndex) const { return *FItems[static_cast<size_t>(AIndex)]; }
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  void Clear() { FItems.clear(); }

 private:
  TBaseDocument& FDocument;
  std::vector<std::unique_ptr<TDocTextBox>> FItems;
};

class TBaseDocument {
 public:
  TBaseDocument();
  virtual ~TBaseDocument();
  TBaseDocument(const TBaseDocument&) = delete;
  TBaseDocument& operator=(const TBaseDocument&) = delete;

  double PageHeight = 29.7;
  double PageMarginTop = 2.0;
  double PageMarginBottom = 2.0;
  // Values below 2 mean one column.
  int32_t PageColumnCount = 0;
  std::string DocumentTitle = "Title";
  std::string DocumentSubject = "Subject";
  std::string DocumentKeywords = "Keywords";
  std::string DocumentDescription = "Description";
  std::string DocumentCreator;
  TDateTime DocumentCreationDate = 0;  // local time
  std::string DocumentLastModifiedBy;
  TDateTime DocumentLastModificationDate = 0;  // local time
  int32_t DocumentVersion = 1;
  int32_t DocumentEditingTime = 0;  // seconds
  std::string DocumentCompany;
  TDocLinkedContentArray LinkedContent;

  double PageWidth() const { return FPageWidth; }
  double PageMarginLeft() const { return FPageMarginLeft; }
  double PageMarginRight() const { return FPageMarginRight; }
  // Each updates the tables' parent width when the value changes.
  void SetPageWidth(double AValue);
  void SetPageMarginLeft(double AValue);
  void SetPageMarginRight(double AValue);
  void SetPageMargins(double ATop, double ARight, double ABottom, double ALeft);
  // The text width for new tables of page, header and footer.
  void UpdateParentWidth();

  // Font entry 0.
  std::string GetDefaultFont() const;
  // Replaces font entry 0 and points the styles of the three sections at it.
  void SetDefaultFont(const std::string& AName);

  bool ContainsEmbeddedContentType(TDocEmbeddedContentType AType) const;
  // The entry's RelID, or ADefault when AParam is no index of LinkedContent.
  int32_t GetEmbeddedContentRelIDFromParam(int32_t AParam, int32_t ADefault) const;

  TDocumentSection& Page() const { return *FPage; }
  TDocumentSection& Header() const { return *FHeader; }
  TDocumentSection& Footer() const { return *FFooter; }
  TDocumentStyleTable& Styles() const { return *FStyles; }
  TDocumentColorTable& Colors() const { return *FColors; }
  TDocumentFontTable& Fonts() const { return *FFonts; }

 private:
  double FPageWidth = 21.0;
  double FPageMarginLeft = 2.0;
  double FPageMarginRight = 2.0;
  std::unique_ptr<TDocumentColorTable> FColors;
  std::unique_ptr<TDocumentStyleTable> FStyles;
  std::unique_ptr<TDocumentFontTable> FFonts;
  std::unique_ptr<TDocumentSection> FPage;
  std::unique_ptr<TDocumentSection> FHeader;
  std::unique_ptr<TDocumentSection> FFooter;
};

// The current local date and time.
TDateTime DocumentNow();
