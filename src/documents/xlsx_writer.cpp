#include "documents/xlsx_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

#include "documents/html_writer_escape.h"
#include "documents/office_package.h"
#include "documents/table_export_buffer.h"
#include "foundation/code_pages.h"
#include "foundation/number_format.h"
#include "foundation/str_transform.h"

namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
constexpr const char* kDeclarationStandalone = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n";
constexpr const char* kNsMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kNsRelationships = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kNsPackageRelationships = "http://schemas.openxmlformats.org/package/2006/relationships";
// Excel refuses wider columns.
constexpr int64_t kMaxColumnWidth = 255;

void AppendInt(std::string& out, int64_t value) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, res.ptr);
}

std::string Escaped(std::string_view text) { return MarkupEscape(text); }

int64_t ColumnWidthChars(TCSWidthType type, double width, int32_t longest) {
  int64_t w = 0;
  if (type == csWidthDynamic) {
    w = std::max<int64_t>((11 * static_cast<int64_t>(longest)) / 10, 12);
  } else {
    const double chars = 5.0 * width;
    w = chars >= 0 && chars < static_cast<double>(kMaxColumnWidth) ? static_cast<int64_t>(chars)
        : chars >= static_cast<double>(kMaxColumnWidth)            ? kMaxColumnWidth
                                                                   : 0;
  }
  return std::min(w, kMaxColumnWidth);
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Spreadsheet programs read "_x" + four hex digits + "_" inside a text as the
// character of that code (Excel's escape for control characters).
bool IsCharacterEscapeAt(std::string_view t, size_t i) {
  return i + 7 <= t.size() && t[i] == '_' && t[i + 1] == 'x' && IsHexDigit(t[i + 2]) && IsHexDigit(t[i + 3]) &&
         IsHexDigit(t[i + 4]) && IsHexDigit(t[i + 5]) && t[i + 6] == '_';
}

bool IsXMLBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// One t element: blanks at its ends are kept by telling the reader so, and a
// carriage return travels as a character reference, which XML readers do not
// turn into a line feed as they do a literal one.
void PutTextElement(TTextBuffer& w, std::string_view text) {
  const bool edges = !text.empty() && (IsXMLBlank(text.front()) || IsXMLBlank(text.back()));
  w.Put(edges ? "<t xml:space=\"preserve\">" : "<t>");
  for (size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r')) {
    w.PutEscaped(text.substr(0, cr));
    w.Put("&#13;");
    text.remove_prefix(cr + 1);
  }
  w.PutEscaped(text);
  w.Put("</t>");
}

// The content of an inline string. A text holding an escape form is cut
// into runs right after each "_x", so that no run holds a whole escape form:
// every reader then takes the characters as written. (The escape of the
// underscore, "_x005F_", would do for Excel and LibreOffice, but openpyxl and
// pandas do not decode it in inline strings and would show it.)
void PutInlineStringText(TTextBuffer& w, std::string_view text) {
  size_t cut = text.find("_x");
  while (cut != std::string_view::npos && !IsCharacterEscapeAt(text, cut)) cut = text.find("_x", cut + 1);
  if (cut == std::string_view::npos) {
    PutTextElement(w, text);
    return;
  }
  size_t start = 0;
  for (; cut != std::string_view::npos; cut = text.find("_x", cut + 1)) {
    if (!IsCharacterEscapeAt(text, cut)) continue;
    w.Put("<r>");
    PutTextElement(w, text.substr(start, cut + 2 - start));
    w.Put("</r>");
    start = cut + 2;
  }
  w.Put("<r>");
  PutTextElement(w, text.substr(start));
  w.Put("</r>");
}

}  // namespace

std::string TDocXLSXMinimal::GetContentTypesAsXML() const {
  std::string s = kDeclaration;
  s += "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">";
  s += "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
  s += "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>";
  for (int32_t sheet = 1; sheet <= SheetCount(); ++sheet) {
    s += "<Override PartName=\"/";
    s += SheetPartName(sheet);
    s += "\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\" />";
  }
  s += "<Override PartName=\"/xl/workbook.xml\" "
       "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";
  s += "<Override PartName=\"/docProps/app.xml\" "
       "ContentType=\"application/vnd.openxmlformats-officedocument.extended-properties+xml\"/>";
  s += "<Override PartName=\"/docProps/core.xml\" "
       "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>";
  if (StyleFileRequired())
    s += "<Override PartName=\"/xl/styles.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>";
  s += "</Types>";
  return s;
}

std::string TDocXLSXMinimal::GetPackageRelsAsXML() const {
  std::string s = kDeclarationStandalone;
  s += "<Relationships xmlns=\"";
  s += kNsPackageRelationships;
  s += "\">";
  s += "<Relationship Id=\"rId1\" "
       "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
       "Target=\"xl/workbook.xml\"/>";
  s += "<Relationship Id=\"rId2\" "
       "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties\" "
       "Target=\"docProps/core.xml\"/>";
  s += "<Relationship Id=\"rId3\" "
       "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties\" "
       "Target=\"docProps/app.xml\"/>";
  s += "</Relationships>";
  return s;
}

std::string TDocXLSXMinimal::GetCorePropertiesAsXML() const {
  std::string s = kDeclarationStandalone;
  s += "<cp:coreProperties "
       "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
       "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
       "xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
       "</cp:coreProperties>";
  return s;
}

std::string TDocXLSXMinimal::GetAppPropertiesAsXML() const {
  std::string s = kDeclarationStandalone;
  s += "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
       "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
       "<TotalTime>0</TotalTime><DocSecurity>0</DocSecurity>"
       "<TitlesOfParts><vt:vector size=\"";
  AppendInt(s, SheetCount());
  s += "\" baseType=\"lpstr\">";
  for (int32_t sheet = 1; sheet <= SheetCount(); ++sheet) {
    // Escaped like any text: a name holding "&" or "<" would break the part.
    s += "<vt:lpstr>";
    s += Escaped(SheetNameForFile(sheet));
    s += "</vt:lpstr>";
  }
  s += "</vt:vector></TitlesOfParts></Properties>";
  return s;
}

std::string TDocXLSXMinimal::GetWorkbookRelsAsXML() const {
  std::string s = kDeclarationStandalone;
  s += "<Relationships xmlns=\"";
  s += kNsPackageRelationships;
  s += "\">";
  // The sheets are rId1, rId2, …; the style part comes after them.
  for (int32_t sheet = 1; sheet <= SheetCount(); ++sheet) {
    s += "<Relationship Id=\"rId";
    AppendInt(s, sheet);
    s += "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"";
    s += std::string_view(SheetPartName(sheet)).substr(3);
    s += "\"/>";
  }
  if (StyleFileRequired()) {
    s += "<Relationship Id=\"rId";
    AppendInt(s, SheetCount() + 1);
    s += "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
         "Target=\"styles.xml\"/>";
  }
  s += "</Relationships>";
  return s;
}

std::string TDocXLSXMinimal::GetWorkbookAsXML() const {
  std::string s = kDeclaration;
  s += "<workbook xmlns=\"";
  s += kNsMain;
  s += "\" xmlns:r=\"";
  s += kNsRelationships;
  s += "\"><bookViews><workbookView/></bookViews><sheets>";
  for (int32_t sheet = 1; sheet <= SheetCount(); ++sheet) {
    s += "<sheet name=\"";
    s += Escaped(SheetNameForFile(sheet));
    s += "\" sheetId=\"";
    AppendInt(s, sheet);
    s += "\" r:id=\"rId";
    AppendInt(s, sheet);
    s += "\" />";
  }
  s += "</sheets></workbook>";
  return s;
}

std::string TDocXLSXMinimal::GetStyleAsXML() const {
  std::string s = kDeclarationStandalone;
  s += "<styleSheet xmlns=\"";
  s += kNsMain;
  s += "\">"
       "<numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"0.00%\"/></numFmts>"
       "<fonts count=\"1\"><font /> </fonts>"
       "<fills count=\"1\"><fill><patternFill patternType=\"none\"/></fill></fills>"
       "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
       "<cellStyleXfs count=\"1\"><xf /></cellStyleXfs>"
       "<cellXfs count=\"6\"><xf />"
       "<xf applyAlignment=\"1\"><alignment horizontal=\"left\"/></xf>"
       "<xf applyAlignment=\"1\"><alignment horizontal=\"center\"/></xf>"
       "<xf applyAlignment=\"1\"><alignment horizontal=\"right\"/></xf>"
       "<xf applyAlignment=\"1\"><alignment horizontal=\"justify\"/></xf>"
       "<xf numFmtId=\"164\" applyNumberFormat=\"1\"/></cellXfs>"
       "</styleSheet>";
  return s;
}

std::string TDocXLSXMinimal::GetSheetRelsAsXML() const {
  std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
  s += "<Relationships xmlns=\"";
  s += kNsPackageRelationships;
  s += "\">";
  for (size_t i = 0; i < FLinks.size(); ++i) {
    s += "<Relationship Id=\"rId";
    AppendInt(s, static_cast<int64_t>(i) + 1);
    s += "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink\" Target=\"";
    // Blanks are not allowed in a URI; a quote or "&" would break the attribute.
    AppendMarkupEscaped(s, StringReplaceFast(FLinks[i].Str2, " ", "%20"));
    s += "\" TargetMode=\"External\"/>";
  }
  s += "</Relationships>";
  return s;
}

std::string TDocXLSXMinimal::SheetPartName(int32_t sheet) {
  return "xl/worksheets/sheet" + std::to_string(sheet) + ".xml";
}

std::string TDocXLSXMinimal::GetContentAsXML(int32_t sheet) {
  return TextWrittenBy([this, sheet](TTextBuffer& out) { WriteContentXML(out, sheet); });
}

void TDocXLSXMinimal::WriteContentXML(TTextBuffer& out, int32_t sheet) { WriteSheetXML(out, sheet, ColumnsXML()); }

std::string TDocXLSXMinimal::ColumnsXML() const {
  const int32_t columns = ColumnCountOfContent();
  const bool colSection = DynamicColumnWidth || ColumnSpecifications().ContainsColumnsWidthSpecifications() ||
                          ColumnSpecifications().ContainsColumnsAlignmentSpecifications();
  std::string s;
  // An empty cols element is not allowed; a table without columns gets none.
  if (colSection && columns > 0) {
    s += "<cols>";
    for (int32_t c = 0; c < columns; ++c) {
      s += "<col min=\"";
      AppendInt(s, c + 1);
      s += "\" max=\"";
      AppendInt(s, c + 1);
      s += '"';
      double width = 0;
      const TCSWidthType type = ColumnWidthType(c, width);
      if (type != csWidthDefault) {
        s += " width=\"";
        AppendInt(s, ColumnWidthChars(type, width, type == csWidthDynamic ? LongestTextInColumn(c) : 0));
        s += "\" customWidth=\"1\"";
      }
      s += "/>";
    }
    s += "</cols>";
  }
  return s;
}

void TDocXLSXMinimal::WriteSheetXML(TTextBuffer& w, int32_t sheet, const std::string& columnsXML) {
  FLinks.clear();
  const int32_t columns = ColumnCountOfContent();
  std::string s = kDeclaration;
  s += "<worksheet xmlns=\"";
  s += kNsMain;
  s += "\" xmlns:r=\"";
  s += kNsRelationships;
  s += "\">";

  if (FreezePositionVertical > 0 || FreezePositionHorizontal > 0 || Zoom > 0) {
    // Only the first sheet is selected: several selected sheets are edited together.
    s += sheet <= 1 ? "<sheetViews><sheetView tabSelected=\"1\" zoomScale=\"" : "<sheetViews><sheetView zoomScale=\"";
    AppendInt(s, Zoom);
    s += "\" zoomScaleNormal=\"";
    AppendInt(s, Zoom);
    s += "\" workbookViewId=\"0\"";
    if (FreezePositionVertical > 0 || FreezePositionHorizontal > 0) {
      s += "><pane xSplit=\"";
      AppendInt(s, FreezePositionHorizontal);
      s += "\" ySplit=\"";
      AppendInt(s, FreezePositionVertical);
      s += "\" topLeftCell=\"";
      s += GetSpreadsheetFieldStrFromInts(std::max(FreezePositionHorizontal, 0) + 1,
                                          std::max(FreezePositionVertical, 0) + 1);
      s += "\" activePane=\"bottomRight\" state=\"frozen\"/></sheetView></sheetViews>";
    } else {
      s += "/></sheetViews>";
    }
  }

  // Rows carry their numbers where the columns are described.
  const bool numberedRows = !columnsXML.empty();
  s += columnsXML;
  s += "<sheetData>";
  w.Put(s);

  TCSDataTypeArr types;
  TCSAlignmentArr alignments;
  GetDataTypeArrForColumns(types);
  GetAlignmentArrForColumns(alignments);
  std::vector<std::string> letters(static_cast<size_t>(columns));
  for (int32_t c = 0; c < columns; ++c) letters[static_cast<size_t>(c)] = GetSpreadsheetFieldStrFromInt(c + 1);

  static const std::string kEmpty;
  std::string number, linked;
  char rowNumber[24];
  TCellLink link;
  int64_t rowOfSheet = 0;
  ForEachRowOfSheet(sheet, [&](const TStrArray& row) {
    size_t bound = 64;
    for (const auto& cell : row) bound += MarkupEscapedBound(std::max<size_t>(cell.size(), 32)) + 96;
    bound += 96 * (static_cast<size_t>(columns) - std::min(row.size(), static_cast<size_t>(columns)));
    w.Room(bound);
    const size_t rowNumberLength =
        static_cast<size_t>(std::to_chars(rowNumber, rowNumber + sizeof rowNumber, ++rowOfSheet).ptr - rowNumber);
    const std::string_view rowText(rowNumber, rowNumberLength);
    if (numberedRows) {
      w.Put("<row r=\"");
      w.Put(rowText);
      w.Put("\" spans=\"1:");
      w.PutInt(columns);
      w.Put("\">");
    } else {
      w.Put("<row>");
    }
    for (size_t c = 0; c < static_cast<size_t>(columns); ++c) {
      // Cells past the end of a short row are empty.
      const std::string* text = c < row.size() ? &row[c] : &kEmpty;
      const TCSDataType type = c < types.size() ? types[c] : csDataDefault;
      std::string_view t = "inlineStr";
      int style = c < alignments.size() ? static_cast<int>(alignments[c]) : 0;
      if (style < 1 || style > 4) style = 0;
      bool isLink = false;
      if (CreateLinks && SplitCellLink(*text, link)) {
        linked = link.Before + link.LinkText + link.After;
        text = &linked;
        isLink = true;
        // The joined text is longer than nothing the bound counted on.
        w.Room(MarkupEscapedBound(linked.size()) + 96);
      }
      if (!isLink) {
        switch (type) {
          case csDataDynamic: {
            int32_t v = 0;
            if (!text->empty() && TryStrToInt(*text, v)) t = "n";
            break;
          }
          case csDataNumber:
            // A value that is no number would make the file unreadable.
            if (IsSpreadsheetNumber(*text)) t = "n";
            break;
          case csDataPercentage:
            if (GetCellValuePercentage(*text, number)) {
              t = "n";
              style = kStylePercent;
              text = &number;
            }
            break;
          case csDataBoolean:
            if (*text == "true" || *text == "1") {
              t = "b";
              number = "1";
              text = &number;
            } else if (*text == "false" || *text == "0") {
              t = "b";
              number = "0";
              text = &number;
            }
            break;
          case csDataFormula: t = "str"; break;
          default: break;
        }
      }
      w.Put("<c r=\"");
      w.Put(letters[c]);
      w.Put(rowText);
      w.Put("\" t=\"");
      w.Put(t);
      w.Put("\"");
      if (style != 0) {
        w.Put(" s=\"");
        w.PutInt(style);
        w.Put("\"");
      }
      if (t[0] == 'i') {
        w.Put("><is>");
        PutInlineStringText(w, *text);
        w.Put("</is></c>");
      } else if (t[0] == 's') {
        w.Put("><f>");
        w.PutEscaped(*text);
        w.Put("</f></c>");
      } else {
        w.Put("><v>");
        w.PutEscaped(*text);
        w.Put("</v></c>");
      }
      if (isLink) FLinks.push_back({letters[c] + std::string(rowText), link.Target});
    }
    w.Put("</row>");
    w.Checkpoint();
  });
  s = "</sheetData>";
  if (CreateLinks && !FLinks.empty()) {
    s += "<hyperlinks>";
    for (size_t i = 0; i < FLinks.size(); ++i) {
      s += "<hyperlink ref=\"";
      s += FLinks[i].Str1;
      s += "\" r:id=\"rId";
      AppendInt(s, static_cast<int64_t>(i) + 1);
      s += "\"/>";
    }
    s += "</hyperlinks>";
  }
  s += "</worksheet>";
  w.Put(s);
}

bool TDocXLSXMinimal::HasLinkCells(int32_t sheet) const {
  TCellLink link;
  bool found = false;
  ForEachRowOfSheet(sheet, [&](const TStrArray& row) {
    for (const std::string& cell : row)
      if (!found && SplitCellLink(cell, link)) found = true;
  });
  return found;
}

bool TDocXLSXMinimal::SaveToFile(const std::string& fileName) {
  TOfficePackage package;
  package.AddPart("[Content_Types].xml", GetContentTypesAsXML());
  package.AddPart("_rels/.rels", GetPackageRelsAsXML());
  package.AddPart("docProps/core.xml", GetCorePropertiesAsXML());
  package.AddPart("docProps/app.xml", GetAppPropertiesAsXML());
  package.AddPart("xl/_rels/workbook.xml.rels", GetWorkbookRelsAsXML());
  package.AddPart("xl/workbook.xml", GetWorkbookAsXML());
  if (StyleFileRequired()) package.AddPart("xl/styles.xml", GetStyleAsXML());
  // The column widths look at every row of the table: worked out once for all sheets.
  const std::string columnsXML = ColumnsXML();
  for (int32_t sheet = 1; sheet <= SheetCount(); ++sheet) {
    // A worksheet is compressed as it is written; its links are known once it is through.
    const std::string part = SheetPartName(sheet);
    package.AddStreamedPart(part,
                            [this, sheet, &columnsXML](TTextBuffer& out) { WriteSheetXML(out, sheet, columnsXML); });
    if (CreateLinks && HasLinkCells(sheet))
      package.AddStreamedPart("xl/worksheets/_rels/" + part.substr(14) + ".rels",
                              [this](TTextBuffer& out) { out.Put(GetSheetRelsAsXML()); });
  }
  return package.SaveToFile(fileName);
}
