// Writer of a table of texts as a DIF file (Data Interchange Format): every
// cell a string value, lines ending in LF, the text in a chosen code page.
#pragma once

#include <cstdint>
#include <string>

#include "documents/spreadsheet_base.h"
#include "foundation/types.h"

class TDocDIF {
 public:
  // Kept with the writer; DIF has no place for it.
  TColumnSpecificationObj& ColumnSpecifications() { return FColumnSpecifications; }
  int32_t Encoding = 65001;
  std::string SheetName = "Sheet";

  void SetContent(const TStrArray2D& table);
  // Appends the rows; every row is then padded to the longest one.
  void AddContent(const TStrArray2D& table);
  // Writes from the caller's rows without copying them; they must stay
  // unchanged until the save. Short rows count as padded with empty cells.
  void UseContent(const TStrArray2D& table);
  std::string AsText() const;
  // No byte-order mark is ever written.
  bool SaveToFile(const std::string& fileName) const;

 private:
  TColumnSpecificationObj FColumnSpecifications;
  TStrArray2D FContent;
  // FContent, or the caller's rows after UseContent.
  const TStrArray2D* FTable = &FContent;
};
