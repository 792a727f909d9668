// The list as tables of text: the shown columns for the exports, and every
// cell for saving and loading a list's content.
#include <algorithm>

#include "controls/list_view_items.h"
#include "foundation/csv_params.h"
#include "foundation/doc_txt.h"
#include "foundation/str_arrays.h"
#include "foundation/str_split.h"

namespace {
// The CSV parameter "system": the list separator that goes with the decimal separator.
constexpr uint32_t kCSVSystemSeparator = 10;
}  // namespace

TStrArray2D TVirtualListViewStore::GetContentVisible(bool Captions, bool Formatted) const {
  TStrArray2D table;
  table.reserve(VirtualItems.size() + (Captions ? 1 : 0));
  if (Captions) {
    TStrArray row;
    for (int32_t index : FVisibleColumns) row.push_back(FColumnInfos[static_cast<size_t>(index)].Caption);
    table.push_back(std::move(row));
  }
  const TVirtualListViewItems& items = VirtualItems;
  for (size_t i = 0; i < items.size(); ++i) {
    TStrArray row;
    row.reserve(FVisibleColumns.size());
    for (int32_t index : FVisibleColumns) {
      const TVirtualListViewColumnInfo& d = FColumnInfos[static_cast<size_t>(index)];
      const bool hasCell = d.ValueIndex >= 0;
      const auto cell = static_cast<size_t>(d.ValueIndex);
      if (d.ColumnType == vlvColCustomStr && hasCell && cell < items.StrCount(i)) {
        row.emplace_back(items.Str(i, cell));
      } else if (d.ColumnType == vlvColCustomInt && hasCell && cell < items.IntCount(i)) {
        const int64_t v = items.Int(i, cell);
        row.push_back(Formatted && d.FormatType != vlvFormatDefault
                          ? VlvFormatIntCell(v, d.FormatType, d.Options, Display)
                          : IntToStr(v));
      } else {
        row.emplace_back();
      }
    }
    table.push_back(std::move(row));
  }
  return table;
}

std::string TVirtualListViewStore::ExportAsTSV(bool Captions, bool Formatted) const {
  return ImplodeWithQuotes(GetContentVisible(Captions, Formatted), "\n", "\t", '"', false);
}

std::string TVirtualListViewStore::ExportAsCSV(bool Captions, bool Formatted, const NumberFormat& Format) const {
  const std::string separator = CSVTypeToChar(kCSVSystemSeparator, csvFieldSeparator, Format);
  return ImplodeWithQuotes(GetContentVisible(Captions, Formatted), "\n", separator, '"', false);
}

std::string TVirtualListViewStore::ExportAsTXT(bool Captions, bool Formatted) const {
  const TStrArray2D table = GetContentVisible(Captions, Formatted);
  TDocTXT doc;
  for (size_t i = 0; i < FVisibleColumns.size(); ++i) {
    doc.SetColAlignment(static_cast<int32_t>(i), FColumnInfos[static_cast<size_t>(FVisibleColumns[i])].Alignment);
  }
  TIntArray dividers;
  if (Captions) dividers.push_back(1);
  if (FixedRowsBottom > 0) {
    const int64_t row = static_cast<int64_t>(table.size()) - FixedRowsBottom;
    if (row >= 0) dividers.push_back(static_cast<int32_t>(row));
  }
  std::sort(dividers.begin(), dividers.end());
  dividers.erase(std::unique(dividers.begin(), dividers.end()), dividers.end());
  doc.SetDividers(dividers);
  doc.AddTable(table);
  return doc.AsText;
}

TStrArray2D TVirtualListViewStore::GetContentAsStrArray(bool IDs, bool Checked, bool Captions) const {
  const size_t head = (IDs ? 2 : 0) + (Checked ? 1 : 0);
  const size_t width = head + static_cast<size_t>(FStrColCount) + static_cast<size_t>(FIntColCount);
  TStrArray2D table;
  table.reserve(VirtualItems.size() + (Captions ? 1 : 0));
  if (Captions) {
    TStrArray row(width);
    for (size_t k = 0; k < FVisibleColumns.size(); ++k) {
      // More list columns than cells: the surplus captions have no place.
      if (head + k < width) row[head + k] = FColumnInfos[static_cast<size_t>(FVisibleColumns[k])].Caption;
    }
    table.push_back(std::move(row));
  }
  const TVirtualListViewItems& items = VirtualItems;
  for (size_t i = 0; i < items.size(); ++i) {
    TStrArray row;
    row.reserve(width);
    if (IDs) {
      row.push_back(IntToStr(items.ID(i)));
      row.push_back(IntToStr(items.ExtraValue(i)));
    }
    if (Checked) row.push_back(BoolToIntStr(items.Checked(i)));
    for (size_t c = 0; c < static_cast<size_t>(FStrColCount); ++c) {
      row.push_back(c < items.StrCount(i) ? std::string(items.Str(i, c)) : std::string());
    }
    for (size_t c = 0; c < static_cast<size_t>(FIntColCount); ++c) {
      row.push_back(c < items.IntCount(i) ? IntToStr(items.Int(i, c)) : std::string("0"));
    }
    table.push_back(std::move(row));
  }
  return table;
}

void TVirtualListViewStore::SetContentFromStrArray(const TStrArray2D& Content, bool IDs, bool Checked, bool Clear) {
  if (Clear) VirtualItems.clear();
  const size_t width =
      (IDs ? 2 : 0) + (Checked ? 1 : 0) + static_cast<size_t>(FStrColCount) + static_cast<size_t>(FIntColCount);
  const bool wasUpdating = FUpdating;
  FUpdating = true;
  for (const TStrArray& row : Content) {
    if (row.size() < width) continue;
    const auto index = static_cast<size_t>(NewItem(0, false));
    size_t c = 0;
    if (IDs) {
      VirtualItems.SetID(index, StrToIntDef(row[c++], 0));
      VirtualItems.SetExtraValue(index, StrToIntDef(row[c++], 0));
    }
    if (Checked) VirtualItems.SetChecked(index, row[c++] == "1");
    for (size_t k = 0; k < static_cast<size_t>(FStrColCount); ++k) VirtualItems.SetStr(index, k, row[c++]);
    // Integer cells hold 64 bits and load as such.
    for (size_t k = 0; k < static_cast<size_t>(FIntColCount); ++k) {
      VirtualItems.SetInt(index, k, StrToInt64Def(row[c++], 0));
    }
  }
  FUpdating = wasUpdating;
  if (!FUpdating) RefreshItemCount();
}
