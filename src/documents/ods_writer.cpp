#include "documents/ods_writer.h"

#include <charconv>

#include "documents/html_writer_escape.h"
#include "documents/odf_text.h"
#include "documents/office_package.h"
#include "documents/table_export_buffer.h"
#include "foundation/code_pages.h"
#include "foundation/dates.h"
#include "foundation/number_format.h"
#include "foundation/str_transform.h"

namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr const char* kMimeType = "application/vnd.oasis.opendocument.spreadsheet";
constexpr const char* kNsOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr const char* kNsXLink = "http://www.w3.org/1999/xlink";

void AppendInt(std::string& out, int64_t value) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, res.ptr);
}

// Widths and the like, written for the file: "." and at most 15 digits.
std::string FileNumber(double value) {
  static const NumberFormat fmt{".", ","};
  return FormatFloatGeneral(value, fmt);
}

void ConfigItem(std::string& s, const char* name, const char* type, int64_t value) {
  s += "<config:config-item config:name=\"";
  s += name;
  s += "\" config:type=\"";
  s += type;
  s += "\">";
  AppendInt(s, value);
  s += "</config:config-item>";
}

const char* AlignmentStyleName(TCSAlignment a) {
  switch (a) {
    case csAlignLeft: return "cellalleft";
    case csAlignCenter: return "cellalcenter";
    case csAlignRight: return "cellalright";
    case csAlignJustify: return "cellaljustify";
    default: return nullptr;
  }
}

// An attribute value: a TAB, LF or CR as character references, which XML
// readers keep, where they turn the characters themselves into blanks.
void PutAttributeValue(TTextBuffer& s, std::string_view value) {
  for (size_t at = value.find_first_of("\t\n\r"); at != std::string_view::npos; at = value.find_first_of("\t\n\r")) {
    s.PutEscaped(value.substr(0, at));
    s.Put(value[at] == '\t' ? "&#9;" : value[at] == '\n' ? "&#10;" : "&#13;");
    value.remove_prefix(at + 1);
  }
  s.PutEscaped(value);
}

// The text a cell shows, as its paragraph: readers that do not look at the
// value attributes (pandas, odfpy's text extraction) read this.
void PutCellParagraph(TTextBuffer& s, std::string_view shown) {
  s.Put("<text:p>");
  WriteODFParagraphText(
      shown, [&s](std::string_view markup) { s.Put(markup); }, [&s](std::string_view text) { s.PutEscaped(text); });
  s.Put("</text:p>");
}

// A cell with its value type, the attribute that carries the value, and the
// text it shows.
void AppendValueCell(TTextBuffer& s, std::string_view valueType, std::string_view valueAttribute,
                     std::string_view value, std::string_view shown) {
  s.Put("<table:table-cell office:value-type=\"");
  s.Put(valueType);
  s.Put("\" ");
  s.Put(valueAttribute);
  s.Put("=\"");
  PutAttributeValue(s, value);
  s.Put("\">");
  PutCellParagraph(s, shown);
  s.Put("</table:table-cell>");
}

void AppendStringCell(TTextBuffer& s, std::string_view text) {
  AppendValueCell(s, "string", "office:string-value", text, text);
}

}  // namespace

std::string TDocODSMinimal::GetManifestMinimal() const {
  std::string s = kDeclaration;
  s += "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">";
  s += "<manifest:file-entry manifest:media-type=\"";
  s += kMimeType;
  s += "\" manifest:version=\"1.2\" manifest:full-path=\"/\"></manifest:file-entry>";
  s +=
      "<manifest:file-entry manifest:media-type=\"text/xml\" manifest:full-path=\"content.xml\"></manifest:file-entry>";
  if (RequiresSettingsXML())
    s += "<manifest:file-entry manifest:media-type=\"text/xml\" manifest:full-path=\"settings.xml\">"
         "</manifest:file-entry>";
  s += "</manifest:manifest>";
  return s;
}

std::string TDocODSMinimal::GetSettingsXML() const {
  std::string s = kDeclaration;
  s += "<office:document-settings xmlns:office=\"";
  s += kNsOffice;
  s += "\" xmlns:xlink=\"";
  s += kNsXLink;
  s += "\" xmlns:config=\"urn:oasis:names:tc:opendocument:xmlns:config:1.0\" "
       "xmlns:ooo=\"http://openoffice.org/2004/office\" office:version=\"1.2\">"
       "<office:settings><config:config-item-set config:name=\"ooo:view-settings\">"
       "<config:config-item-map-indexed config:name=\"Views\"><config:config-item-map-entry>"
       "<config:config-item-map-named config:name=\"Tables\">";
  // Every sheet has the same view.
  for (int32_t sheet = 1; sheet <= SheetCount(); ++sheet) {
    s += "<config:config-item-map-entry config:name=\"";
    s += MarkupEscape(SheetNameForFile(sheet));
    s += "\">";
    ConfigItem(s, "CursorPositionX", "int", 0);
    ConfigItem(s, "CursorPositionY", "int", 0);
    ConfigItem(s, "HorizontalSplitMode", "short", FreezePositionHorizontal > 0 ? 2 : 0);
    ConfigItem(s, "VerticalSplitMode", "short", FreezePositionVertical > 0 ? 2 : 0);
    ConfigItem(s, "HorizontalSplitPosition", "int", FreezePositionHorizontal);
    ConfigItem(s, "VerticalSplitPosition", "int", FreezePositionVertical);
    ConfigItem(s, "PositionLeft", "int", 0);
    ConfigItem(s, "PositionRight", "int", FreezePositionHorizontal);
    ConfigItem(s, "PositionTop", "int", 0);
    ConfigItem(s, "PositionBottom", "int", FreezePositionVertical);
    ConfigItem(s, "ZoomType", "short", 0);
    ConfigItem(s, "ZoomValue", "int", Zoom);
    s += "</config:config-item-map-entry>";
  }
  s += "</config:config-item-map-named>"
       "<config:config-item config:name=\"ActiveTable\" config:type=\"string\">";
  s += MarkupEscape(SheetNameForFile());
  s += "</config:config-item></config:config-item-map-entry></config:config-item-map-indexed>"
       "</config:config-item-set></office:settings></office:document-settings>";
  return s;
}

std::string TDocODSMinimal::GetContentAsXML() const {
  return TextWrittenBy([this](TTextBuffer& out) { WriteContentXML(out); });
}

void TDocODSMinimal::WriteContentXML(TTextBuffer& w) const {
  const int32_t columns = ColumnCountOfContent();
  std::string s = kDeclaration;
  s += "<office:document-content office:version=\"1.2\" xmlns:office=\"";
  s += kNsOffice;
  s += "\" xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
       "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
       "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\"";
  if (CreateLinks) {
    s += " xmlns:xlink=\"";
    s += kNsXLink;
    s += '"';
  }
  s += " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\">";

  const bool alignSpecs = ColumnSpecifications().ContainsColumnsAlignmentSpecifications();
  const bool colSection =
      DynamicColumnWidth || ColumnSpecifications().ContainsColumnsWidthSpecifications() || alignSpecs;
  std::string tableColumns;
  if (colSection) {
    s += "<office:automatic-styles>";
    for (int32_t c = 0; c < columns; ++c) {
      s += "<style:style style:name=\"col";
      AppendInt(s, c + 1);
      s += "\" style:family=\"table-column\"><style:table-column-properties";
      double width = 0;
      const TCSWidthType type = ColumnWidthType(c, width);
      if (type == csWidthDynamic) {
        width = LongestTextInColumn(c) * 0.2;
        if (width < 2.5) width = 2.5;
      }
      if (type != csWidthDefault) {
        s += " style:column-width=\"";
        s += FileNumber(width);
        s += "cm\"";
      }
      if (type == csWidthDynamic) s += " style:use-optimal-column-width=\"true\"";
      s += "></style:table-column-properties></style:style>";

      tableColumns += "<table:table-column table:style-name=\"col";
      AppendInt(tableColumns, c + 1);
      tableColumns += '"';
      if (const char* name = AlignmentStyleName(ColumnSpecifications().GetColAlignment(c, csAlignDefault))) {
        tableColumns += " table:default-cell-style-name=\"";
        tableColumns += name;
        tableColumns += '"';
      }
      tableColumns += "></table:table-column>";
    }
    if (alignSpecs) {
      const char* const kStyles[4][2] = {
          {"cellalleft", "start"}, {"cellalcenter", "center"}, {"cellalright", "end"}, {"cellaljustify", "justify"}};
      for (const auto& st : kStyles) {
        s += "<style:style style:name=\"";
        s += st[0];
        s += "\" style:family=\"table-cell\"><style:paragraph-properties fo:text-align=\"";
        s += st[1];
        s += "\"></style:paragraph-properties></style:style>";
      }
    }
    s += "</office:automatic-styles>";
  }

  s += "<office:body><office:spreadsheet>";
  w.Put(s);

  TCSDataTypeArr types;
  GetDataTypeArrForColumns(types);
  std::string number;
  TCellLink link;
  for (int32_t sheet = 1; sheet <= SheetCount(); ++sheet) {
    w.Put("<table:table table:name=\"");
    w.PutEscaped(SheetNameForFile(sheet));
    w.Put("\">");
    w.Put(tableColumns);
    ForEachRowOfSheet(sheet, [&](const TStrArray& row) { WriteRow(w, row, columns, types, number, link); });
    w.Put("</table:table>");
  }
  w.Put("</office:spreadsheet></office:body></office:document-content>");
}

void TDocODSMinimal::WriteRow(TTextBuffer& w, const TStrArray& row, int32_t columns, const TCSDataTypeArr& types,
                              std::string& number, TCellLink& link) const {
  static const std::string kEmpty;
  w.Put("<table:table-row>");
  for (size_t c = 0; c < static_cast<size_t>(columns); ++c) {
    // Cells past the end of a short row are empty.
    const std::string& text = c < row.size() ? row[c] : kEmpty;
    if (CreateLinks && HasLinkMarkers(text)) {
      if (SplitCellLink(text, link)) {
        w.Put("<table:table-cell office:value-type=\"string\"><text:p>");
        w.PutEscaped(link.Before);
        w.Put("<text:a xlink:href=\"");
        // Folder separators of the other systems; the rest escaped so that the attribute stays intact.
        w.PutEscaped(StringReplaceFast(link.Target, "\\", "/"));
        w.Put("\">");
        w.PutEscaped(link.LinkText);
        w.Put("</text:a>");
        w.PutEscaped(link.After);
        w.Put("</text:p></table:table-cell>");
      } else {
        AppendStringCell(w, text);
      }
      continue;
    }
    const TCSDataType type = c < types.size() ? types[c] : csDataDefault;
    switch (type) {
      case csDataDynamic: {
        int32_t v = 0;
        if (!text.empty() && TryStrToInt(text, v))
          AppendValueCell(w, "float", "office:value", text, text);
        else
          AppendStringCell(w, text);
        break;
      }
      case csDataNumber:
        // A value that is no number would make the file invalid.
        if (IsSpreadsheetNumber(text))
          AppendValueCell(w, "float", "office:value", text, text);
        else
          AppendStringCell(w, text);
        break;
      case csDataPercentage:
        if (GetCellValuePercentage(text, number))
          AppendValueCell(w, "percentage", "office:value", number, text);
        else
          AppendStringCell(w, text);
        break;
      case csDataDate:
        if (IsYYYYMMDDDate(text, '-'))
          AppendValueCell(w, "date", "office:date-value", text, text);
        else
          AppendStringCell(w, text);
        break;
      case csDataBoolean:
        if (text == "1" || text == "true")
          AppendValueCell(w, "boolean", "office:boolean-value", "true", "TRUE");
        else if (text == "0" || text == "false")
          AppendValueCell(w, "boolean", "office:boolean-value", "false", "FALSE");
        else
          AppendStringCell(w, text);
        break;
      // A formula column has no form of its own here; its text is kept as a string.
      default: AppendStringCell(w, text); break;
    }
  }
  w.Put("</table:table-row>");
  w.Checkpoint();
}

bool TDocODSMinimal::SaveToFile(const std::string& fileName) const {
  TOfficePackage package;
  package.StoreFirstFileUncompressed = true;
  package.AddPart("mimetype", kMimeType);
  // The table is compressed as it is written.
  package.AddStreamedPart("content.xml", [this](TTextBuffer& out) { WriteContentXML(out); });
  package.AddPart("META-INF/manifest.xml", GetManifestMinimal());
  if (RequiresSettingsXML()) package.AddPart("settings.xml", GetSettingsXML());
  return package.SaveToFile(fileName);
}
