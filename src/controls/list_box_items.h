// The items of the virtual list box and the order operations on them. Plain
// C++, used by the widget and tested without a window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/types.h"

struct TVirtualListBoxItem {
  int32_t TextSlot = 0;
  std::string StrID;
  int32_t IntID = 0;
  std::string Caption;
  bool Enabled = true;
};
using TVirtualListBoxItems = std::vector<TVirtualListBoxItem>;

// Item k becomes the former item NewOrder[k]; false (and no change) when the
// lengths differ or NewOrder is no permutation of the item indexes.
bool VlbApplyOrder(TVirtualListBoxItems& items, const TIntArray& NewOrder);
// Index of the first item with the id, else -1.
int32_t VlbIndexOfIntID(const TVirtualListBoxItems& items, int32_t IntID);
// Reconciles IDs with the items (see SetItemOrderFromIntIDs) and applies the
// order; IDs is left reconciled in both outcomes.
bool VlbSetOrderFromIntIDs(TVirtualListBoxItems& items, TIntArray& IDs);
// The order after dropping the selected rows on row target (-1: no row):
// the unselected rows before target, the selected rows, the rest.
TIntArray VlbDropOrder(const std::vector<uint8_t>& selected, int32_t target);
