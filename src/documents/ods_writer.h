// Writer of one table as an OpenDocument spreadsheet (.ods, ODF 1.2): typed
// cells, column widths and alignments as automatic styles, links as text
// links, zoom and frozen rows and columns in the settings part. A table
// longer than a sheet goes on on further sheets.
#pragma once

#include <string>

#include "documents/spreadsheet_base.h"

class TTextBuffer;

class TDocODSMinimal : public TDocBaseSpreadsheetMinimal {
 public:
  bool RequiresSettingsXML() const { return FreezePositionVertical > 0 || FreezePositionHorizontal > 0 || Zoom > 0; }
  std::string GetContentAsXML() const;
  // The same written into a buffer, which may stream it on row by row.
  void WriteContentXML(TTextBuffer& out) const;
  std::string GetManifestMinimal() const;
  std::string GetSettingsXML() const;

  bool SaveToFile(const std::string& fileName) const;

 private:
  // One table row; number and link are room the cells share.
  void WriteRow(TTextBuffer& out, const TStrArray& row, int32_t columns, const TCSDataTypeArr& types,
                std::string& number, TCellLink& link) const;
};
