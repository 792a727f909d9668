// Writer of one table as an Office Open XML spreadsheet (.xlsx) with a single
// worksheet: inline strings, typed cells by column, widths, alignments,
// frozen rows and columns, zoom and external links.
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
  // The worksheet; collects the links of the cells for GetSheetRelsAsXML.
  std::string GetContentAsXML();
  // The same written into a buffer, which may stream it on row by row.
  void WriteContentXML(TTextBuffer& out);
  std::string GetSheetRelsAsXML() const;
  bool StyleFileRequired() const { return ColumnSpecifications().RequiresStylesMS(); }
  // (cell reference, target) of every link cell found by the last GetContentAsXML.
  const TStrStrArray& Links() const { return FLinks; }

  bool SaveToFile(const std::string& fileName);

 private:
  // Some cell holds a link that becomes a hyperlink.
  bool HasLinkCells() const;

  TStrStrArray FLinks;
};
