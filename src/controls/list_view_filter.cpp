// The row filter: which items the list shows while the filter is on.
#include "controls/list_view_items.h"

int32_t TVirtualListViewStore::AddFilter(const TVirtualListViewFilterRec& Filter) {
  FFilters.push_back(Filter);
  return static_cast<int32_t>(FFilters.size()) - 1;
}

void TVirtualListViewStore::ClearFilters() { FFilters.clear(); }

bool TVirtualListViewStore::ItemPassesFilter(size_t item) const {
  const TVirtualListViewItems& items = VirtualItems;
  // Each applicable record decides anew, so the last applicable one counts.
  bool pass = false;
  for (const auto& f : FFilters) {
    if (f.FilterKind == kVlvFilterKindString && f.ColumnType == vlvColCustomStr) {
      if (f.ValueIndex < 0 || static_cast<size_t>(f.ValueIndex) >= items.StrCount(item)) continue;
      const std::string_view s = items.Str(item, static_cast<size_t>(f.ValueIndex));
      switch (f.CompareMode) {
        case kVlvFilterEqual: pass = s == f.FilterText; break;
        case kVlvFilterNotEqual: pass = s != f.FilterText; break;
        case kVlvFilterContains: pass = !f.FilterText.empty() && s.find(f.FilterText) != std::string_view::npos; break;
        case kVlvFilterStartsWith: pass = !f.FilterText.empty() && s.starts_with(f.FilterText); break;
        default: break;
      }
    } else if (f.FilterKind == kVlvFilterKindInteger && f.ColumnType == vlvColCustomInt) {
      if (f.ValueIndex < 0 || static_cast<size_t>(f.ValueIndex) >= items.IntCount(item)) continue;
      const int64_t v = items.Int(item, static_cast<size_t>(f.ValueIndex));
      if (f.CompareMode == kVlvFilterEqual) pass = v == f.FilterValue;
      if (f.CompareMode == kVlvFilterNotEqual) pass = v != f.FilterValue;
    }
  }
  return pass;
}

void TVirtualListViewStore::RebuildIndexMap() {
  FIndexMap.clear();
  for (size_t i = 0; i < VirtualItems.size(); ++i) {
    if (ItemPassesFilter(i)) FIndexMap.push_back(static_cast<int32_t>(i));
  }
}

void TVirtualListViewStore::FilterRefresh() {
  RebuildIndexMap();
  if (!FFilterOn) return;
  SetRowCount(static_cast<int32_t>(FIndexMap.size()));
  PlatformRepaint();
}
