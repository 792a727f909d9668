// The item array of the virtual list view, packed: the scalar fields of each
// item in one small record, the cell texts in shared blocks (string_arena.h)
// and the integer cells in one flat array. A list of 10^6 items then holds
// about 50 bytes per item besides its texts, where the public record
// (TVirtualListViewItem) costs some 300.
//
// It reads like a std::vector of the public record: size, clear, iteration
// and operator[]. Writing through operator[] materialises the item's public
// record, which then stays the item's own (with every field a host may set)
// until the item is removed; the list's own code reads and writes the packed
// form through the accessors below and materialises nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/list_view_types.h"
#include "foundation/string_arena.h"

class TVirtualListViewItems {
 public:
  TVirtualListViewItems() = default;
  TVirtualListViewItems(const TVirtualListViewItems& other);
  TVirtualListViewItems& operator=(const TVirtualListViewItems& other);
  TVirtualListViewItems(TVirtualListViewItems&&) noexcept = default;
  TVirtualListViewItems& operator=(TVirtualListViewItems&&) noexcept = default;

  template <bool Const>
  class Iterator {
   public:
    using Owner = std::conditional_t<Const, const TVirtualListViewItems, TVirtualListViewItems>;
    using iterator_category = std::random_access_iterator_tag;
    using value_type = TVirtualListViewItem;
    using difference_type = std::ptrdiff_t;
    // A const iteration gives copies; a writable one the item's own record.
    using reference = std::conditional_t<Const, TVirtualListViewItem, TVirtualListViewItem&>;
    using pointer = TVirtualListViewItem*;

    Iterator() = default;
    Iterator(Owner* owner, difference_type index) : FOwner(owner), FIndex(index) {}
    reference operator*() const { return (*FOwner)[static_cast<size_t>(FIndex)]; }
    reference operator[](difference_type n) const { return (*FOwner)[static_cast<size_t>(FIndex + n)]; }
    pointer operator->() const requires(!Const) { return &(*FOwner)[static_cast<size_t>(FIndex)]; }
    Iterator& operator++() { return ++FIndex, *this; }
    Iterator operator++(int) { return Iterator(FOwner, FIndex++); }
    Iterator& operator--() { return --FIndex, *this; }
    Iterator operator--(int) { return Iterator(FOwner, FIndex--); }
    Iterator& operator+=(difference_type n) { return FIndex += n, *this; }
    Iterator& operator-=(difference_type n) { return FIndex -= n, *this; }
    friend Iterator operator+(Iterator it, difference_type n) { return it += n; }
    friend Iterator operator+(difference_type n, Iterator it) { return it += n; }
    friend Iterator operator-(Iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const Iterator& a, const Iterator& b) { return a.FIndex - b.FIndex; }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.FIndex == b.FIndex; }
    friend auto operator<=>(const Iterator& a, const Iterator& b) { return a.FIndex <=> b.FIndex; }

   private:
    Owner* FOwner = nullptr;
    difference_type FIndex = 0;
  };
  using iterator = Iterator<false>;
  using const_iterator = Iterator<true>;
  using value_type = TVirtualListViewItem;
  using size_type = size_t;

  // --- The public record ----------------------------------------------------
  size_t size() const { return FSlots.size(); }
  bool empty() const { return FSlots.empty(); }
  void clear();
  void reserve(size_t count);
  // The item's own record, made on the first call for the item.
  TVirtualListViewItem& operator[](size_t index);
  // A copy of the item as a public record.
  TVirtualListViewItem operator[](size_t index) const;
  // The same with the index checked (std::out_of_range), as a vector does.
  TVirtualListViewItem& at(size_t index);
  TVirtualListViewItem at(size_t index) const;
  iterator begin() { return iterator(this, 0); }
  iterator end() { return iterator(this, static_cast<std::ptrdiff_t>(size())); }
  const_iterator begin() const { return const_iterator(this, 0); }
  const_iterator end() const { return const_iterator(this, static_cast<std::ptrdiff_t>(size())); }
  // Items whose public record exists.
  size_t MaterialisedCount() const { return FFull.size() - FFreeFull.size(); }
  // Bytes of cell texts in the shared blocks, dropped ones included.
  size_t TextBytesHeld() const { return FTexts.BytesAdded(); }

  // --- The list's own access ---------------------------------------------------
  // The number of string and integer cells new items get; raising them gives
  // every item the new cells, empty and 0.
  void SetCellCounts(int32_t strCount, int32_t intCount);
  // A new item with empty cells, at the end or before the first item.
  size_t Append(int32_t id);
  void InsertFront(int32_t id);
  // Keeps the items whose flag is 0, in their order.
  void Keep(const std::vector<uint8_t>& drop);
  // Reorders the items: item k afterwards is the item order[k] before.
  void Permute(const std::vector<int32_t>& order);

  int32_t ID(size_t i) const;
  void SetID(size_t i, int32_t value);
  int32_t ExtraValue(size_t i) const;
  void SetExtraValue(size_t i, int32_t value);
  int32_t ImageIndex(size_t i) const;
  bool Checked(size_t i) const;
  void SetChecked(size_t i, bool value);
  bool Editable(size_t i) const;
  TVirtualListViewFontStyles FontStyle(size_t i) const;
  // The colour of one cell: its own colour, else the item's.
  TGraphicsColor CellFontColor(size_t i, size_t column) const;

  size_t StrCount(size_t i) const;
  // Valid until the item's cell is written again.
  std::string_view Str(size_t i, size_t cell) const;
  void SetStr(size_t i, size_t cell, std::string_view text);
  size_t IntCount(size_t i) const;
  int64_t Int(size_t i, size_t cell) const;
  void SetInt(size_t i, size_t cell, int64_t value);

  std::string_view SortKeyStr(size_t i) const;
  // Forgets every packed item's text key, before a sort writes them all anew.
  void ResetSortKeyStrs();
  void SetSortKeyStr(size_t i, std::string_view key);
  int64_t SortKeyInt(size_t i) const;
  void SetSortKeyInt(size_t i, int64_t key);
  void SetPositionBeforeSort(size_t i, int32_t position);

 private:
  static constexpr uint32_t kNoFull = UINT32_MAX;
  static constexpr uint8_t kFlagChecked = 1;
  static constexpr uint8_t kFlagEditable = 2;

  struct TSlot {
    int64_t SortKeyInt = 0;
    TArenaStr SortKeyStr = 0;
    int32_t ID = 0;
    int32_t ExtraValue = 0;
    int32_t ImageIndex = -1;
    int32_t PositionBeforeSort = 0;
    TGraphicsColor FontColor = 0;
    uint32_t Full = kNoFull;
    TVirtualListViewFontStyles FontStyle = 0;
    uint8_t Flags = kFlagEditable;
  };

  const TVirtualListViewItem* FullOf(size_t i) const {
    const uint32_t f = FSlots[i].Full;
    return f == kNoFull ? nullptr : FFull[f].get();
  }
  TVirtualListViewItem* FullOf(size_t i) {
    const uint32_t f = FSlots[i].Full;
    return f == kNoFull ? nullptr : FFull[f].get();
  }
  TVirtualListViewItem Unpack(size_t i) const;
  void DropFull(TSlot& slot);
  void ForgetCells(size_t i);
  void MaybeCompact();

  std::vector<TSlot> FSlots;
  // Cells by position: item i's cells at i * count.
  std::vector<TArenaStr> FStrCells;
  std::vector<int64_t> FIntCells;
  size_t FStrCount = 0;
  size_t FIntCount = 0;
  TStringArena FTexts;
  TStringArena FKeys;
  // Bytes of cell texts no item refers to any more.
  size_t FGarbage = 0;
  std::vector<std::unique_ptr<TVirtualListViewItem>> FFull;
  std::vector<uint32_t> FFreeFull;
};
