// Writer of one table as an Office Open XML spreadsheet (.xlsx): inline
// strings, typed cells by column, widths, alignments, frozen rows and
// columns, zoom and external links. A table longer than a sheet goes on on
// further worksheets.
#pragma once

#include <string>

#include "documents/spreadsheet_base.h"
#include "foundation/types.h"

class TTextBuffer;

class TDocXLSXMinimal : public TDocBaseSpreadsheetMinimal {
 public:
  // Cell style numbers, the order of cellXfs in the style part: 1 to 4 are
  // the alignments (the numbers of csAlignLeft to csAlignJustify).
  static constexpr int kStylePercent = 5;

  std::string GetContentTypesAsXML() const;
  std::string GetPackageRelsAsXML() const;
  std::string GetCorePropertiesAsXML() const;
  std::string GetAppPropertiesAsXML() const;
  std::string GetWorkbookRelsAsXML() const;
  std::string GetWorkbookAsXML() const;
  std::string GetStyleAsXML() const;
  // The worksheet number sheet (from 1); collects the links of its cells for
  // GetSheetRelsAsXML.
  std::string GetContentAsXML(int32_t sheet = 1);
  // The same written into a buffer, which may stream it on row by row.
  void WriteContentXML(TTextBuffer& out, int32_t sheet = 1);
  // The links of the worksheet written last.
  std::string GetSheetRelsAsXML() const;
  bool StyleFileRequired() const { return ColumnSpecifications().RequiresStylesMS(); }
  // (cell reference, target) of every link cell of the worksheet written last.
  const TStrStrArray& Links() const { return FLinks; }

  bool SaveToFile(const std::string& fileName);

 private:
  // "xl/worksheets/sheet<sheet>.xml".
  static std::string SheetPartName(int32_t sheet);
  // The cols element every worksheet carries; "" without one.
  std::string ColumnsXML() const;
  void WriteSheetXML(TTextBuffer& out, int32_t sheet, const std::string& columnsXML);
  // Some cell of the sheet holds a link that becomes a hyperlink.
  bool HasLinkCells(int32_t sheet) const;

  TStrStrArray FLinks;
};
