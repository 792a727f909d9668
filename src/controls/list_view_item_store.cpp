#include "controls/list_view_item_store.h"

#include <stdexcept>
#include <string>

#include <algorithm>

#include "foundation/apply_order.h"

namespace {

// Compaction runs once the dropped texts outweigh the live ones and a MiB,
// so that its cost stays a fixed share of the texts written.
constexpr size_t kCompactionFloor = size_t{1} << 20;

}  // namespace

TVirtualListViewItems::TVirtualListViewItems(const TVirtualListViewItems& other) { *this = other; }

TVirtualListViewItems& TVirtualListViewItems::operator=(const TVirtualListViewItems& other) {
  if (this == &other) return *this;
  FSlots = other.FSlots;
  FStrCells = other.FStrCells;
  FIntCells = other.FIntCells;
  FStrCount = other.FStrCount;
  FIntCount = other.FIntCount;
  FTexts = other.FTexts;
  FKeys = other.FKeys;
  FGarbage = other.FGarbage;
  FFull.clear();
  for (const auto& full : other.FFull) {
    FFull.push_back(full ? std::make_unique<TVirtualListViewItem>(*full) : nullptr);
  }
  FFreeFull = other.FFreeFull;
  return *this;
}

void TVirtualListViewItems::clear() {
  FSlots.clear();
  FStrCells.clear();
  FIntCells.clear();
  FTexts.Clear();
  FKeys.Clear();
  FGarbage = 0;
  FFull.clear();
  FFreeFull.clear();
}

void TVirtualListViewItems::reserve(size_t count) {
  FSlots.reserve(count);
  FStrCells.reserve(count * FStrCount);
  FIntCells.reserve(count * FIntCount);
}

TVirtualListViewItem TVirtualListViewItems::Unpack(size_t i) const {
  if (const TVirtualListViewItem* full = FullOf(i)) return *full;
  const TSlot& s = FSlots[i];
  TVirtualListViewItem item;
  item.ImageIndex = s.ImageIndex;
  item.ID = s.ID;
  item.ExtraValue = s.ExtraValue;
  item.StrValues.reserve(FStrCount);
  for (size_t c = 0; c < FStrCount; ++c) item.StrValues.push_back(FTexts.Str(FStrCells[i * FStrCount + c]));
  item.IntValues.assign(FIntCells.begin() + static_cast<std::ptrdiff_t>(i * FIntCount),
                        FIntCells.begin() + static_cast<std::ptrdiff_t>((i + 1) * FIntCount));
  item.SortKeyStr = FKeys.Str(s.SortKeyStr);
  item.SortKeyInt = s.SortKeyInt;
  item.FontStyle = s.FontStyle;
  item.FontColor = s.FontColor;
  item.PositionBeforeSort = s.PositionBeforeSort;
  item.Editable = (s.Flags & kFlagEditable) != 0;
  item.Checked = (s.Flags & kFlagChecked) != 0;
  return item;
}

TVirtualListViewItem TVirtualListViewItems::operator[](size_t index) const { return Unpack(index); }

TVirtualListViewItem& TVirtualListViewItems::at(size_t index) {
  if (index >= size()) throw std::out_of_range("list view item " + std::to_string(index));
  return (*this)[index];
}

TVirtualListViewItem TVirtualListViewItems::at(size_t index) const {
  if (index >= size()) throw std::out_of_range("list view item " + std::to_string(index));
  return (*this)[index];
}

TVirtualListViewItem& TVirtualListViewItems::operator[](size_t index) {
  if (TVirtualListViewItem* full = FullOf(index)) return *full;
  auto made = std::make_unique<TVirtualListViewItem>(Unpack(index));
  ForgetCells(index);
  uint32_t f;
  if (!FFreeFull.empty()) {
    f = FFreeFull.back();
    FFreeFull.pop_back();
    FFull[f] = std::move(made);
  } else {
    f = static_cast<uint32_t>(FFull.size());
    FFull.push_back(std::move(made));
  }
  FSlots[index].Full = f;
  return *FFull[f];
}

void TVirtualListViewItems::ForgetCells(size_t i) {
  for (size_t c = 0; c < FStrCount; ++c) {
    TArenaStr& ref = FStrCells[i * FStrCount + c];
    FGarbage += FTexts.View(ref).size();
    ref = 0;
  }
}

void TVirtualListViewItems::DropFull(TSlot& slot) {
  if (slot.Full == kNoFull) return;
  FFull[slot.Full].reset();
  FFreeFull.push_back(slot.Full);
  slot.Full = kNoFull;
}

void TVirtualListViewItems::MaybeCompact() {
  const size_t added = FTexts.BytesAdded();
  if (FGarbage < kCompactionFloor || FGarbage * 2 < added) return;
  FTexts.Compact(
      [this](auto&& fn) {
        for (TArenaStr& ref : FStrCells) fn(ref);
      },
      false);
  FGarbage = 0;
}

void TVirtualListViewItems::SetCellCounts(int32_t strCount, int32_t intCount) {
  const auto newStr = static_cast<size_t>(std::max(strCount, 0));
  const auto newInt = static_cast<size_t>(std::max(intCount, 0));
  const size_t n = FSlots.size();
  if (newStr != FStrCount) {
    std::vector<TArenaStr> cells(n * newStr, 0);
    for (size_t i = 0; i < n; ++i) {
      for (size_t c = 0; c < FStrCount; ++c) {
        TArenaStr ref = FStrCells[i * FStrCount + c];
        if (c < newStr) {
          cells[i * newStr + c] = ref;
        } else {
          FGarbage += FTexts.View(ref).size();
        }
      }
    }
    FStrCells = std::move(cells);
    FStrCount = newStr;
  }
  if (newInt != FIntCount) {
    std::vector<int64_t> cells(n * newInt, 0);
    for (size_t i = 0; i < n; ++i) {
      for (size_t c = 0; c < std::min(FIntCount, newInt); ++c) cells[i * newInt + c] = FIntCells[i * FIntCount + c];
    }
    FIntCells = std::move(cells);
    FIntCount = newInt;
  }
  for (auto& full : FFull) {
    if (!full) continue;
    full->StrValues.resize(FStrCount);
    full->IntValues.resize(FIntCount, 0);
  }
}

size_t TVirtualListViewItems::Append(int32_t id) {
  TSlot slot;
  slot.ID = id;
  FSlots.push_back(slot);
  FStrCells.resize(FStrCells.size() + FStrCount, 0);
  FIntCells.resize(FIntCells.size() + FIntCount, 0);
  return FSlots.size() - 1;
}

void TVirtualListViewItems::InsertFront(int32_t id) {
  TSlot slot;
  slot.ID = id;
  FSlots.insert(FSlots.begin(), slot);
  FStrCells.insert(FStrCells.begin(), FStrCount, 0);
  FIntCells.insert(FIntCells.begin(), FIntCount, 0);
}

void TVirtualListViewItems::Keep(const std::vector<uint8_t>& drop) {
  size_t w = 0;
  for (size_t i = 0; i < FSlots.size(); ++i) {
    if (drop[i]) {
      ForgetCells(i);
      DropFull(FSlots[i]);
      continue;
    }
    if (w != i) {
      FSlots[w] = FSlots[i];
      std::copy_n(FStrCells.begin() + static_cast<std::ptrdiff_t>(i * FStrCount), FStrCount,
                  FStrCells.begin() + static_cast<std::ptrdiff_t>(w * FStrCount));
      std::copy_n(FIntCells.begin() + static_cast<std::ptrdiff_t>(i * FIntCount), FIntCount,
                  FIntCells.begin() + static_cast<std::ptrdiff_t>(w * FIntCount));
    }
    ++w;
  }
  FSlots.resize(w);
  FStrCells.resize(w * FStrCount);
  FIntCells.resize(w * FIntCount);
  if (w == 0) {
    clear();
    return;
  }
  MaybeCompact();
}

void TVirtualListViewItems::Permute(const std::vector<int32_t>& order) {
  ApplyOrderToVector(FSlots, order);
  ApplyOrderToVector(FStrCells, order, FStrCount);
  ApplyOrderToVector(FIntCells, order, FIntCount);
}

// --- Fields ------------------------------------------------------------------

int32_t TVirtualListViewItems::ID(size_t i) const {
  const TVirtualListViewItem* full = FullOf(i);
  return full ? full->ID : FSlots[i].ID;
}

void TVirtualListViewItems::SetID(size_t i, int32_t value) {
  if (TVirtualListViewItem* full = FullOf(i)) {
    full->ID = value;
  } else {
    FSlots[i].ID = value;
  }
}

int32_t TVirtualListViewItems::ExtraValue(size_t i) const {
  const TVirtualListViewItem* full = FullOf(i);
  return full ? full->ExtraValue : FSlots[i].ExtraValue;
}

void TVirtualListViewItems::SetExtraValue(size_t i, int32_t value) {
  if (TVirtualListViewItem* full = FullOf(i)) {
    full->ExtraValue = value;
  } else {
    FSlots[i].ExtraValue = value;
  }
}

int32_t TVirtualListViewItems::ImageIndex(size_t i) const {
  const TVirtualListViewItem* full = FullOf(i);
  return full ? full->ImageIndex : FSlots[i].ImageIndex;
}

bool TVirtualListViewItems::Checked(size_t i) const {
  const TVirtualListViewItem* full = FullOf(i);
  return full ? full->Checked : (FSlots[i].Flags & kFlagChecked) != 0;
}

void TVirtualListViewItems::SetChecked(size_t i, bool value) {
  if (TVirtualListViewItem* full = FullOf(i)) {
    full->Checked = value;
    return;
  }
  uint8_t& flags = FSlots[i].Flags;
  flags = static_cast<uint8_t>(value ? flags | kFlagChecked : flags & ~kFlagChecked);
}

bool TVirtualListViewItems::Editable(size_t i) const {
  const TVirtualListViewItem* full = FullOf(i);
  return full ? full->Editable : (FSlots[i].Flags & kFlagEditable) != 0;
}

TVirtualListViewFontStyles TVirtualListViewItems::FontStyle(size_t i) const {
  const TVirtualListViewItem* full = FullOf(i);
  return full ? full->FontStyle : FSlots[i].FontStyle;
}

TGraphicsColor TVirtualListViewItems::CellFontColor(size_t i, size_t column) const {
  const TVirtualListViewItem* full = FullOf(i);
  if (!full) return FSlots[i].FontColor;
  return column < full->CellFontColors.size() ? full->CellFontColors[column] : full->FontColor;
}

size_t TVirtualListViewItems::StrCount(size_t i) const {
  const TVirtualListViewItem* full = FullOf(i);
  return full ? full->StrValues.size() : FStrCount;
}

std::string_view TVirtualListViewItems::Str(size_t i, size_t cell) const {
  if (const TVirtualListViewItem* full = FullOf(i)) return full->StrValues[cell];
  return FTexts.View(FStrCells[i * FStrCount + cell]);
}

void TVirtualListViewItems::SetStr(size_t i, size_t cell, std::string_view text) {
  if (TVirtualListViewItem* full = FullOf(i)) {
    full->StrValues[cell] = std::string(text);
    return;
  }
  TArenaStr& ref = FStrCells[i * FStrCount + cell];
  const std::string_view old = FTexts.View(ref);
  if (old == text) return;
  FGarbage += old.size();
  ref = FTexts.Add(text);
  MaybeCompact();
}

size_t TVirtualListViewItems::IntCount(size_t i) const {
  const TVirtualListViewItem* full = FullOf(i);
  return full ? full->IntValues.size() : FIntCount;
}

int64_t TVirtualListViewItems::Int(size_t i, size_t cell) const {
  if (const TVirtualListViewItem* full = FullOf(i)) return full->IntValues[cell];
  return FIntCells[i * FIntCount + cell];
}

void TVirtualListViewItems::SetInt(size_t i, size_t cell, int64_t value) {
  if (TVirtualListViewItem* full = FullOf(i)) {
    full->IntValues[cell] = value;
  } else {
    FIntCells[i * FIntCount + cell] = value;
  }
}

std::string_view TVirtualListViewItems::SortKeyStr(size_t i) const {
  if (const TVirtualListViewItem* full = FullOf(i)) return full->SortKeyStr;
  return FKeys.View(FSlots[i].SortKeyStr);
}

void TVirtualListViewItems::ResetSortKeyStrs() {
  FKeys.Clear();
  for (TSlot& slot : FSlots) slot.SortKeyStr = 0;
}

void TVirtualListViewItems::SetSortKeyStr(size_t i, std::string_view key) {
  if (TVirtualListViewItem* full = FullOf(i)) {
    full->SortKeyStr = std::string(key);
  } else {
    FSlots[i].SortKeyStr = FKeys.Add(key);
  }
}

int64_t TVirtualListViewItems::SortKeyInt(size_t i) const {
  const TVirtualListViewItem* full = FullOf(i);
  return full ? full->SortKeyInt : FSlots[i].SortKeyInt;
}

void TVirtualListViewItems::SetSortKeyInt(size_t i, int64_t key) {
  if (TVirtualListViewItem* full = FullOf(i)) {
    full->SortKeyInt = key;
  } else {
    FSlots[i].SortKeyInt = key;
  }
}

void TVirtualListViewItems::SetPositionBeforeSort(size_t i, int32_t position) {
  if (TVirtualListViewItem* full = FullOf(i)) {
    full->PositionBeforeSort = position;
  } else {
    FSlots[i].PositionBeforeSort = position;
  }
}
