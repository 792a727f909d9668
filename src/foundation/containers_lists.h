// List objects over the basic arrays: integers with a running maximum per
// position, strings with a character splitter, and (number, text) pairs used
// as a counter.
//
// Each object owns its public Items, which callers may read and write
// directly. Case-insensitive comparisons and sort keys use UpperCaseNarrow.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/keyed_items.h"
#include "foundation/types.h"

class TIntArrayObj {
 public:
  TIntArray Items;

  // When index ≥ Count the list first grows to index + 1 elements (new ones
  // 0); then the element becomes value when it holds 0 (0 means unset, so a
  // negative value replaces it too) or less than value. A negative index
  // changes nothing.
  void UpdateIfLarger(int32_t index, int32_t value);
  int32_t GetCount() const { return static_cast<int32_t>(Items.size()); }
  int32_t Count() const { return GetCount(); }
  // Sum of all elements in 32-bit arithmetic, wrapping around on overflow.
  int32_t GetSum() const;
  int32_t Sum() const { return GetSum(); }
};

class TStrArrayObj {
 public:
  TStrArray Items;

  // Appends every character of text (one UTF-8 sequence each) as its own
  // element; stops at the end or at the first NUL character.
  void AddStringAsCharArray(std::string_view text);
  // Index of the first element equal to text, -1 when none; ignoreCase
  // compares the upper-cased forms ("STRASSE" finds "straße").
  int32_t Contains(std::string_view text, bool ignoreCase) const;
  int32_t GetCount() const { return static_cast<int32_t>(Items.size()); }
  int32_t Count() const { return GetCount(); }
};

// The counter's result: each counted item with its count, in the order of
// first occurrence until a sort or a delete changes it.
//
// Every lookup by text (Inc, Contains, GetInt, AddIfStringNotExists, …) runs
// in constant average time through a hash index kept by Items and reports the
// first pair with that text, exactly as a scan from index 0 would, whatever
// callers did to Items directly (see TKeyedItems).
class TIntStrArrayObj {
 private:
  struct TStrOf {
    std::string_view operator()(const TIntStr& p) const { return p.Str; }
  };

 public:
  TKeyedItems<TIntStr, TStrOf, TIntStrArrayObj> Items;

  // Int of pair index; 0 when index is out of range.
  int32_t GetInt(int32_t index) const;
  // Int of the first pair whose Str equals str; defaultValue when none.
  int32_t GetInt(std::string_view str, int32_t defaultValue) const;
  // Str of pair index; "" when index is out of range.
  std::string GetStr(int32_t index) const;
  // Int of pair index as plain decimal text; "" when index is out of range.
  std::string GetIntAsStr(int32_t index) const;

  // Appends (value, str) even when str is present; returns its index.
  int32_t Add(int32_t value, std::string_view str);
  // Appends (value, s) for every element s of list, duplicates kept.
  void Add(int32_t value, const TStrArrayObj& list);
  void AddIfStringNotExists(int32_t value, std::string_view str);
  void AddIfStringNotExists(int32_t value, const TStrArrayObj& list);
  // Merges other pair by pair: an existing Str has its Int increased by
  // other's Int, a new one is appended. other is not changed (it may be this
  // list itself).
  void AddOrIncreaseIfStringExists(const TIntStrArrayObj& other);

  // Adds `by` to pair index (wrapping in 32 bits); index ≥ Count inserts
  // (`by`, "") at index, filling the gap with (0, "") pairs.
  void Inc(int32_t index, int32_t by);
  // Adds `by` to the first pair with that str, or appends (`by`, str).
  void Inc(std::string_view str, int32_t by);

  // Index of the first pair whose Str equals str exactly; -1 when none.
  int32_t Contains(std::string_view str) const;
  int32_t Count() const { return static_cast<int32_t>(Items.size()); }
  // Sum of all Int values in 32-bit arithmetic, wrapping around on overflow.
  int32_t Sum() const;
  void Clear();

  // index < Count: inserts before pair index. index ≥ Count: the list grows
  // to index + 1 pairs with (0, "") gap pairs and (value, str) at index.
  void Insert(int32_t index, int32_t value, std::string_view str);
  // Removes pair index; an index out of range does nothing.
  void Delete(int32_t index);
  // Exchanges two pairs; indexes out of range do nothing.
  void Swap(int32_t index1, int32_t index2);

  // The deleting filters keep the surviving pairs in their order.
  void DeleteAllValuesSmallerThan(int32_t limit);
  // Length in characters (code points).
  void DeleteAllStringsShorterThan(int32_t limit);
  // Without matchCase the plain tests compare upper-cased forms and the
  // regular-expression tests match case-insensitively. An empty text deletes
  // every pair in the plain tests; a pattern that does not compile deletes
  // every pair in the regular-expression tests.
  void DeleteAllStringsNotStartingWith(std::string_view text, bool matchCase, bool isRegex);
  void DeleteAllStringsNotEndingWith(std::string_view text, bool matchCase, bool isRegex);
  void DeleteAllStringsNotContaining(std::string_view text, bool matchCase, bool isRegex);

  // Unstable quicksorts (Hoare partition, middle pivot); pairs with equal
  // keys end in the order that exact procedure leaves them in. The string
  // sorts compare the upper-cased texts byte by byte.
  void SortIntUp();
  void SortIntDown();
  void SortStrUp();
  void SortStrDown();

 private:
  enum class TTextTest { StartsWith, EndsWith, Contains };
  int32_t Find(std::string_view str) const;
  template <typename Keep>
  void KeepOnly(Keep keep);
  void KeepText(TTextTest test, std::string_view text, bool matchCase, bool isRegex);
};
