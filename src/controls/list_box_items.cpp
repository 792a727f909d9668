#include "controls/list_box_items.h"

#include <algorithm>
#include <cstddef>

bool VlbApplyOrder(TVirtualListBoxItems& items, const TIntArray& NewOrder) {
  if (NewOrder.size() != items.size()) return false;
  // Anything but a permutation would duplicate or lose items.
  std::vector<uint8_t> used(items.size(), 0);
  for (int32_t index : NewOrder) {
    if (index < 0 || static_cast<size_t>(index) >= items.size() || used[static_cast<size_t>(index)]) return false;
    used[static_cast<size_t>(index)] = 1;
  }
  TVirtualListBoxItems result;
  result.reserve(items.size());
  for (int32_t index : NewOrder) result.push_back(std::move(items[static_cast<size_t>(index)]));
  items = std::move(result);
  return true;
}

int32_t VlbIndexOfIntID(const TVirtualListBoxItems& items, int32_t IntID) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].IntID == IntID) return static_cast<int32_t>(i);
  }
  return -1;
}

bool VlbSetOrderFromIntIDs(TVirtualListBoxItems& items, TIntArray& IDs) {
  if (IDs.size() > items.size()) {
    for (size_t k = IDs.size(); k-- > 0;) {
      if (VlbIndexOfIntID(items, IDs[k]) < 0) IDs.erase(IDs.begin() + static_cast<ptrdiff_t>(k));
    }
  } else if (IDs.size() < items.size()) {
    for (const auto& item : items) {
      if (std::find(IDs.begin(), IDs.end(), item.IntID) == IDs.end()) IDs.push_back(item.IntID);
    }
  }
  if (IDs.size() != items.size()) return false;
  TIntArray order;
  order.reserve(IDs.size());
  std::vector<uint8_t> used(items.size(), 0);
  for (int32_t id : IDs) {
    const int32_t index = VlbIndexOfIntID(items, id);
    if (index < 0 || used[static_cast<size_t>(index)]) return false;
    used[static_cast<size_t>(index)] = 1;
    order.push_back(index);
  }
  return VlbApplyOrder(items, order);
}

TIntArray VlbDropOrder(const std::vector<uint8_t>& selected, int32_t target) {
  TIntArray order;
  const auto n = static_cast<int32_t>(selected.size());
  const int32_t limit = target < 0 ? n : target;
  for (int32_t i = 0; i < n; ++i) {
    if (!selected[static_cast<size_t>(i)] && i < limit) order.push_back(i);
  }
  for (int32_t i = 0; i < n; ++i) {
    if (selected[static_cast<size_t>(i)]) order.push_back(i);
  }
  for (int32_t i = limit; i < n; ++i) {
    if (!selected[static_cast<size_t>(i)]) order.push_back(i);
  }
  return order;
}
