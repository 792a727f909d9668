#include "documents/dif_writer.h"

#include <algorithm>

#include "foundation/number_format.h"
#include "foundation/text_files.h"

namespace {

// A DIF string value: quotes doubled, and every line break a blank, because
// a DIF reader takes the value from one line only.
void AppendDIFString(std::string& out, const std::string& text) {
  out += '"';
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      out += "\"\"";
    } else if (c == '\r') {
      out += ' ';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += ' ';
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace

void TDocDIF::SetContent(const TStrArray2D& table) {
  FContent.clear();
  AddContent(table);
}

void TDocDIF::UseContent(const TStrArray2D& table) {
  FContent.clear();
  FTable = &table;
}

void TDocDIF::AddContent(const TStrArray2D& table) {
  if (FTable != &FContent) {
    FContent = *FTable;
    FTable = &FContent;
  }
  FContent.insert(FContent.end(), table.begin(), table.end());
  size_t widest = 0;
  for (const auto& row : FContent) widest = std::max(widest, row.size());
  for (auto& row : FContent)
    if (row.size() < widest) row.resize(widest);
}

std::string TDocDIF::AsText() const {
  size_t columns = 0;
  for (const auto& row : *FTable) columns = std::max(columns, row.size());
  std::string out = "TABLE\n0,1\n";
  AppendDIFString(out, SheetName);
  out += "\nVECTORS\n0,";
  out += IntToStr(static_cast<int64_t>(columns));
  out += "\n\"\"\nTUPLES\n0,";
  out += IntToStr(static_cast<int64_t>(FTable->size()));
  out += "\n\"\"\nDATA\n0,0\n\"\"\n";
  static const std::string kEmpty;
  for (const auto& row : *FTable) {
    out += "-1,0\nBOT\n";
    for (size_t c = 0; c < columns; ++c) {
      out += "1,0\n";
      // Cells past the end of a short row are empty.
      AppendDIFString(out, c < row.size() ? row[c] : kEmpty);
      out += '\n';
    }
  }
  out += "-1,0\nEOD";
  return out;
}

bool TDocDIF::SaveToFile(const std::string& fileName) const {
  try {
    return SaveString(AsText(), fileName, Encoding, false, false);
  } catch (const EFileError&) {
    // The old file is intact; the caller learns of the failure from the result.
    return false;
  }
}
