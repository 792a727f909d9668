// Sorting of the item array by one cell, with the library's quicksort and an
// optional pass that gives equal keys their previous order back.
#include <algorithm>

#include "controls/list_view_items.h"
#include "foundation/hoare_quicksort.h"
#include "foundation/letter_case.h"

void TVirtualListViewStore::SortUp(TVirtualListViewColumnType ColumnType, int32_t ValueIndex) {
  SortInternal(ColumnType, ValueIndex, false);
}

void TVirtualListViewStore::SortDown(TVirtualListViewColumnType ColumnType, int32_t ValueIndex) {
  SortInternal(ColumnType, ValueIndex, true);
}

void TVirtualListViewStore::SortInternal(TVirtualListViewColumnType ColumnType, int32_t ValueIndex, bool Descending) {
  const size_t n = VirtualItems.size();
  if (n < 2) return;
  const bool byString = ColumnType == vlvColCustomStr;
  if (!byString && ColumnType != vlvColCustomInt) return;
  TVirtualListViewItems& items = VirtualItems;
  const auto cell = static_cast<size_t>(ValueIndex);
  if (byString) items.ResetSortKeyStrs();
  for (size_t i = 0; i < n; ++i) {
    if (byString) {
      items.SetSortKeyStr(i, ValueIndex >= 0 && cell < items.StrCount(i) ? UTF8UpperCase(items.Str(i, cell)) : "");
    } else {
      items.SetSortKeyInt(i, ValueIndex >= 0 && cell < items.IntCount(i) ? items.Int(i, cell) : 0);
    }
  }

  // The selection and the focus stay with their items.
  TIntArray selectedItems;
  for (int32_t row : PlatformSelectedRows()) selectedItems.push_back(GetItemIndexForListItem(row));
  const int32_t focusedItem = GetItemIndexForListItem(PlatformFocusedRow());

  if (SortStable) {
    for (size_t i = 0; i < n; ++i) items.SetPositionBeforeSort(i, static_cast<int32_t>(i));
  }
  std::vector<int32_t> order(n);
  for (size_t i = 0; i < n; ++i) order[i] = static_cast<int32_t>(i);
  // Fixed rows at the bottom stay; as many as there are items fixes them all.
  const size_t fixed = std::min(n, static_cast<size_t>(std::max(FixedRowsBottom, 0)));
  const size_t sorted = n - fixed;
  if (byString) {
    HoareSortOrder(
        order, sorted, [&items](int32_t i) { return items.SortKeyStr(static_cast<size_t>(i)); }, Descending);
  } else {
    HoareSortOrder(
        order, sorted, [&items](int32_t i) { return items.SortKeyInt(static_cast<size_t>(i)); }, Descending);
  }
  if (SortStable) {
    auto sameKey = [&](size_t a, size_t b) {
      const auto x = static_cast<size_t>(order[a]);
      const auto y = static_cast<size_t>(order[b]);
      return byString ? items.SortKeyStr(x) == items.SortKeyStr(y) : items.SortKeyInt(x) == items.SortKeyInt(y);
    };
    // The position before the sort is the item's old index, which order holds.
    size_t runStart = 0;
    for (size_t i = 1; i <= n; ++i) {
      if (i < n && sameKey(runStart, i)) continue;
      if (i - runStart >= 2)
        std::sort(order.begin() + static_cast<ptrdiff_t>(runStart), order.begin() + static_cast<ptrdiff_t>(i));
      runStart = i;
    }
  }
  items.Permute(order);

  std::vector<int32_t> newIndex(n);
  for (size_t k = 0; k < n; ++k) newIndex[static_cast<size_t>(order[k])] = static_cast<int32_t>(k);
  if (FFilterOn) {
    FilterRefresh();
  } else {
    PlatformRepaint();
  }
  TIntArray rows;
  for (int32_t item : selectedItems) {
    if (item < 0 || static_cast<size_t>(item) >= n) continue;
    const int32_t row = GetRowForItemIndex(newIndex[static_cast<size_t>(item)]);
    if (row >= 0) rows.push_back(row);
  }
  if (!selectedItems.empty()) PlatformSelectRows(rows);
  if (focusedItem >= 0 && static_cast<size_t>(focusedItem) < n) {
    PlatformSetFocusedRow(GetRowForItemIndex(newIndex[static_cast<size_t>(focusedItem)]));
  }
  Notify(OnSortingDone);
  Notify(OnChange);
}
