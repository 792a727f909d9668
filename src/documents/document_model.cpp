#include "documents/document_model.h"

#include <cmath>
#include <ctime>

#include "foundation/letter_case.h"

std::string DocumentMakerText() { return std::string("Pellwick - ") + kDocumentMakerWebDomain; }

TDateTime DocumentNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  TDateTime date = 0, time = 0;
  TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date);
  // A leap second (tm_sec 60) is shown as the last second of its minute.
  TryEncodeTime(local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec, 0, time);
  return ComposeDateTime(date, time);
}

// --- Font table -------------------------------------------------------------

int32_t TDocumentFontTable::AddFont(const std::string& AName) {
  const int32_t index = GetFontIndex(AName);
  if (index >= 0) return index;
  FItems.push_back({AName});
  return Count() - 1;
}

int32_t TDocumentFontTable::GetFontIndex(const std::string& AName) const {
  const std::string upper = UTF8UpperCase(AName);
  for (size_t i = 0; i < FItems.size(); ++i)
    if (UTF8UpperCase(FItems[i].FontName) == upper) return static_cast<int32_t>(i);
  return -1;
}

std::string TDocumentFontTable::GetFontNameFromID(int32_t AID) const {
  if (AID < 0 || AID >= Count()) return {};
  return FItems[static_cast<size_t>(AID)].FontName;
}

void TDocumentFontTable::SetFontNameOfID(int32_t AID, const std::string& AName) {
  if (AID >= 0 && AID < Count()) FItems[static_cast<size_t>(AID)].FontName = AName;
}

// --- Colour table -----------------------------------------------------------

TDocumentColorTable::TDocumentColorTable() : FItems{0x000000, 0xFFFFFF} {}

int32_t TDocumentColorTable::AddColor(TGraphicsColor AColor) {
  const int32_t index = GetColorIndex(AColor);
  if (index >= 0) return index;
  FItems.push_back(AColor);
  return Count() - 1;
}

int32_t TDocumentColorTable::AddColor(const std::string& AHex) {
  return AddColor(HexToTColorIfStringIsHexColor(AHex, 0x000000));
}

int32_t TDocumentColorTable::GetColorIndex(TGraphicsColor AColor) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i] == AColor) return static_cast<int32_t>(i);
  return -1;
}

TGraphicsColor TDocumentColorTable::GetColorFromID(int32_t AID) const {
  if (AID < 0 || AID >= Count()) return 0;
  return FItems[static_cast<size_t>(AID)];
}

TRGBColor TDocumentColorTable::GetColorRGBFromID(int32_t AID) const { return TColorToRGB(GetColorFromID(AID)); }

std::string TDocumentColorTable::GetColorHexFromID(int32_t AID) const { return TColorToHex(GetColorFromID(AID)); }

// --- Paragraph style --------------------------------------------------------

TDocParagraphStyle::TDocParagraphStyle(TBaseDocument& ADocument)
    : FDocument(ADocument), FFontName(ADocument.Fonts().GetFontNameFromID(0)) {}

void TDocParagraphStyle::SetFontID(int32_t AID) {
  if (AID < 0 || AID >= FDocument.Fonts().Count()) return;
  FFontID = AID;
  FFontName = FDocument.Fonts().GetFontNameFromID(AID);
}

void TDocParagraphStyle::SetFontName(const std::string& AName) {
  FFontID = FDocument.Fonts().AddFont(AName);
  FFontName = AName;
}

namespace {
void SetColorID(int32_t& field, int32_t id, const TDocumentColorTable& colors) {
  if (id >= 0 && id < colors.Count()) field = id;
}
}  // namespace

void TDocParagraphStyle::SetTextColorID(int32_t AID) { SetColorID(FTextColorID, AID, FDocument.Colors()); }
void TDocParagraphStyle::SetBackgroundColorID(int32_t AID) { SetColorID(FBackgroundColorID, AID, FDocument.Colors()); }
void TDocParagraphStyle::SetTextBackgroundColorID(int32_t AID) {
  SetColorID(FTextBackgroundColorID, AID, FDocument.Colors());
}
void TDocParagraphStyle::SetTextColorFromTColor(TGraphicsColor AColor) {
  FTextColorID = FDocument.Colors().AddColor(AColor);
}
void TDocParagraphStyle::SetBackgroundColorFromTColor(TGraphicsColor AColor) {
  FBackgroundColorID = FDocument.Colors().AddColor(AColor);
}
void TDocParagraphStyle::SetTextBackgroundColorFromTColor(TGraphicsColor AColor) {
  FTextBackgroundColorID = FDocument.Colors().AddColor(AColor);
}
void TDocParagraphStyle::SetTextColorFromHex(const std::string& AHex) {
  FTextColorID = FDocument.Colors().AddColor(AHex);
}
void TDocParagraphStyle::SetBackgroundColorFromHex(const std::string& AHex) {
  FBackgroundColorID = FDocument.Colors().AddColor(AHex);
}
void TDocParagraphStyle::SetTextBackgroundColorFromHex(const std::string& AHex) {
  FTextBackgroundColorID = FDocument.Colors().AddColor(AHex);
}
TGraphicsColor TDocParagraphStyle::GetTextColorAsTColor() const {
  return FDocument.Colors().GetColorFromID(FTextColorID);
}
TGraphicsColor TDocParagraphStyle::GetBackgroundColorAsTColor() const {
  return FDocument.Colors().GetColorFromID(FBackgroundColorID);
}
TGraphicsColor TDocParagraphStyle::GetTextBackgroundColorAsTColor() const {
  return FDocument.Colors().GetColorFromID(FTextBackgroundColorID);
}
std::string TDocParagraphStyle::GetTextColorAsHex() const { return FDocument.Colors().GetColorHexFromID(FTextColorID); }
std::string TDocParagraphStyle::GetBackgroundColorAsHex() const {
  return FDocument.Colors().GetColorHexFromID(FBackgroundColorID);
}
std::string TDocParagraphStyle::GetTextBackgroundColorAsHex() const {
  return FDocument.Colors().GetColorHexFromID(FTextBackgroundColorID);
}

void TDocParagraphStyle::Apply(const TDocParagraphStyle& AStyle) {
  SetFontName(AStyle.FontName());
  FontSize = AStyle.FontSize;
  TextAlignmentHorz = AStyle.TextAlignmentHorz;
  TextAlignmentVert = AStyle.TextAlignmentVert;
  FontBold = AStyle.FontBold;
  FontItalic = AStyle.FontItalic;
  FontStrikeThrough = AStyle.FontStrikeThrough;
  FontUnderline = AStyle.FontUnderline;
  SetTextColorID(AStyle.TextColorID());
  SetTextBackgroundColorID(AStyle.TextBackgroundColorID());
  SetBackgroundColorID(AStyle.BackgroundColorID());
}

// --- Style table ------------------------------------------------------------

int32_t TDocumentStyleTable::Add() {
  const int32_t n = Count();
  FItems.push_back(std::make_unique<TDocParagraphStyle>(FDocument));
  TDocParagraphStyle& style = *FItems.back();
  style.StyleName = "Style" + std::to_string(n);
  style.Apply(FDocument.Page().Style());
  return n;
}

// --- Section ----------------------------------------------------------------

TDocumentSection::TDocumentSection(TBaseDocument& ADocument) : FDocument(ADocument) {
  FStyle = std::make_unique<TDocParagraphStyle>(ADocument);
  static constexpr float kHeadingSizes[6] = {24, 22, 20, 18, 16, 14};
  for (int i = 0; i < 6; ++i) {
    FHeadings[i] = std::make_unique<TDocParagraphStyle>(ADocument);
    FHeadings[i]->FontSize = kHeadingSizes[i];
  }
  FTextBoxes = std::make_unique<TDocTextBoxObj>(ADocument);
  FTables = std::make_unique<TDocTableObj>(ADocument, *this);
  FTables->ParentWidth =
      static_cast<float>(ADocument.PageWidth() - ADocument.PageMarginLeft() - ADocument.PageMarginRight());
}

TDocumentSection::~TDocumentSection() = default;

int32_t TDocumentSection::AddContent(TDocContentType AType, int32_t AParam, std::string AValue) {
  FContents.push_back({AType, AParam, std::move(AValue)});
  return ContentCount() - 1;
}

void TDocumentSection::ApplyStyle(const TDocumentSection& ASection) {
  FStyle->Apply(ASection.Style());
  FHeadings[0]->Apply(ASection.Heading1());
}

namespace {
int32_t OnOff(bool value) { return value ? 1 : 0; }
}  // namespace

void TDocumentSection::SetTextAlignmentHorz(TDocAlignmentHorizontal AValue) {
  if (AValue == FTextAlignment) return;
  static constexpr TDocContentType kTypes[4] = {docContentAlignLeft, docContentAlignRight, docContentAlignCenter,
                                                docContentAlignJustify};
  if (AValue >= docAlignHorzLeft && AValue <= docAlignHorzJustify) AddContent(kTypes[AValue]);
  FTextAlignment = AValue;
}

void TDocumentSection::SetFontBold(bool AValue) {
  if (AValue == FFontBold) return;
  AddContent(docContentBold, OnOff(AValue), {});
  FFontBold = AValue;
}

void TDocumentSection::SetFontItalic(bool AValue) {
  if (AValue == FFontItalic) return;
  AddContent(docContentItalic, OnOff(AValue), {});
  FFontItalic = AValue;
}

void TDocumentSection::SetFontUnderline(bool AValue) {
  if (AValue == FFontUnderline) return;
  AddContent(docContentUnderline, OnOff(AValue), {});
  FFontUnderline = AValue;
}

void TDocumentSection::SetFontStrikeThrough(bool AValue) {
  if (AValue == FFontStrikeThrough) return;
  AddContent(docContentStrikeThrough, OnOff(AValue), {});
  FFontStrikeThrough = AValue;
}

void TDocumentSection::SetFontSize(float AValue) {
  if (AValue == FFontSize) return;
  // Thousandths of a point; the product is taken in single precision.
  const float thousandths = AValue * 1000.0f;
  const float rounded = std::nearbyint(thousandths);
  int32_t param = 0;
  if (std::isfinite(rounded) && rounded > -2147483648.0f && rounded < 2147483648.0f)
    param = static_cast<int32_t>(rounded);
  AddContent(docContentFontSize, param, {});
  FFontSize = AValue;
}

// --- Tables -----------------------------------------------------------------

TDocTableCell::TDocTableCell(TBaseDocument& ADocument, const TDocumentSection& ASection) : Content(ADocument) {
  Content.ApplyStyle(ASection);
}

void TDocTable::SetContent(const TStrArray2D& AContent) {
  ClearAll();
  size_t columns = 0;
  for (const TStrArray& row : AContent) columns = std::max(columns, row.size());
  SetCellCount(static_cast<int32_t>(AContent.size()), static_cast<int32_t>(columns));
  SetColumnsToEqualWidth();
  for (size_t r = 0; r < AContent.size(); ++r)
    for (size_t c = 0; c < AContent[r].size(); ++c)
      if (!AContent[r][c].empty())
        GetCell(static_cast<int32_t>(r), static_cast<int32_t>(c)).Content.AddText(AContent[r][c]);
}

void TDocTable::SetCellCount(int32_t ARowCount, int32_t AColumnCount) {
  ClearContent();
  SetColumnCount(AColumnCount);
  for (int32_t r = 0; r < ARowCount; ++r) {
    FRows.push_back(std::make_unique<TDocTableRow>());
    auto& cells = FCells.emplace_back();
    for (int32_t c = 0; c < AColumnCount; ++c) cells.push_back(std::make_unique<TDocTableCell>(FDocument, FSection));
  }
}

void TDocTable::SetColumnCount(int32_t ACount) {
  if (ACount < 0) ACount = 0;
  const size_t count = static_cast<size_t>(ACount);
  if (count < FColumns.size()) FColumns.resize(count);
  while (FColumns.size() < count) FColumns.push_back(std::make_unique<TDocTableColumn>());
}

void TDocTable::SetColumnsToEqualWidth() {
  if (FColumns.empty()) return;
  for (auto& column : FColumns) column->Width = Width / static_cast<double>(FColumns.size());
}

void TDocTable::ClearContent() {
  FCells.clear();
  FRows.clear();
}

TDocTable* TDocTableObj::Add(const TStrArray2D& AContent) {
  const int32_t i = Count();
  FItems.push_back(std::make_unique<TDocTable>(FDocument, FSection));
  TDocTable* table = FItems.back().get();
  table->SetIndex(i);
  table->Width = static_cast<double>(ParentWidth);
  if (!AContent.empty()) table->SetContent(AContent);
  FSection.AddContent(docContentTable, i, {});
  return table;
}

TDocTextBox* TDocTextBoxObj::Add() {
  FItems.push_back(std::make_unique<TDocTextBox>(FDocument));
  return FItems.back().get();
}

// --- Document ---------------------------------------------------------------

TBaseDocument::TBaseDocument()
    : DocumentCreator(DocumentMakerText()),
      DocumentCreationDate(DocumentNow()),
      DocumentLastModifiedBy(DocumentMakerText()),
      DocumentLastModificationDate(DocumentCreationDate),
      DocumentCompany(DocumentMakerText()) {
  FColors = std::make_unique<TDocumentColorTable>();
  FStyles = std::make_unique<TDocumentStyleTable>(*this);
  FFonts = std::make_unique<TDocumentFontTable>();
  // The sections' styles are made while the font table is still empty.
  FPage = std::make_unique<TDocumentSection>(*this);
  FHeader = std::make_unique<TDocumentSection>(*this);
  FFooter = std::make_unique<TDocumentSection>(*this);
  SetDefaultFont("Times New Roman");
  const int32_t standard = FStyles->Add();
  FStyles->GetStyle(standard).StyleName = "Standard";
}

TBaseDocument::~TBaseDocument() = default;

void TBaseDocument::SetPageWidth(double AValue) {
  if (AValue == FPageWidth) return;
  FPageWidth = AValue;
  UpdateParentWidth();
}

void TBaseDocument::SetPageMarginLeft(double AValue) {
  if (AValue == FPageMarginLeft) return;
  FPageMarginLeft = AValue;
  UpdateParentWidth();
}

void TBaseDocument::SetPageMarginRight(double AValue) {
  if (AValue == FPageMarginRight) return;
  FPageMarginRight = AValue;
  UpdateParentWidth();
}

void TBaseDocument::SetPageMargins(double ATop, double ARight, double ABottom, double ALeft) {
  PageMarginTop = ATop;
  FPageMarginRight = ARight;
  PageMarginBottom = ABottom;
  FPageMarginLeft = ALeft;
  UpdateParentWidth();
}

void TBaseDocument::UpdateParentWidth() {
  const float width = static_cast<float>(FPageWidth - FPageMarginLeft - FPageMarginRight);
  for (TDocumentSection* section : {FPage.get(), FHeader.get(), FFooter.get()})
    if (section) section->Tables().ParentWidth = width;
}

std::string TBaseDocument::GetDefaultFont() const { return FFonts->GetFontNameFromID(0); }

void TBaseDocument::SetDefaultFont(const std::string& AName) {
  if (FFonts->Count() > 0)
    FFonts->SetFontNameOfID(0, AName);
  else
    FFonts->AddFont(AName);
  for (TDocumentSection* section : {FPage.get(), FHeader.get(), FFooter.get()}) {
    if (!section) continue;
    section->Style().SetFontID(0);
    for (int32_t level = 1; level <= 6; ++level) section->Heading(level).SetFontID(0);
  }
}

bool TBaseDocument::ContainsEmbeddedContentType(TDocEmbeddedContentType AType) const {
  for (const auto& entry : LinkedContent)
    if (entry.ContentType == AType) return true;
  return false;
}

int32_t TBaseDocument::GetEmbeddedContentRelIDFromParam(int32_t AParam, int32_t ADefault) const {
  if (AParam < 0 || static_cast<size_t>(AParam) >= LinkedContent.size()) return ADefault;
  return LinkedContent[static_cast<size_t>(AParam)].RelID;
}
