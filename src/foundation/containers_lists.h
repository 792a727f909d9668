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

  // When Index ≥ Count the list first grows to Index + 1 elements (new ones
  // 0); then the element becomes Value when it holds 0 (0 means unset, so a
  // negative Value replaces it too) or less than Value. A negative Index
  // changes nothing.
  void UpdateIfLarger(int32_t Index, int32_t Value);
  int32_t GetCount() const { return static_cast<int32_t>(Items.size()); }
  int32_t Count() const { return GetCount(); }
  // Sum of all elements in 32-bit arithmetic, wrapping around on overflow.
  int32_t GetSum() const;
  int32_t Sum() const { return GetSum(); }
};

class TStrArrayObj {
 public:
  TStrArray Items;

  // Appends every character of Text (one UTF-8 sequence each) as its own
  // element; stops at the end or at the first NUL character.
  void AddStringAsCharArray(std::string_view Text);
  // Index of the first element equal to Text, -1 when none; IgnoreCase
  // compares the upper-cased forms ("STRASSE" finds "straße").
  int32_t Contains(std::string_view Text, bool IgnoreCase) const;
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

  // Int of pair Index; 0 when Index is out of range.
  int32_t GetInt(int32_t Index) const;
  // Int of the first pair whose Str equals Str; Default when none.
  int32_t GetInt(std::string_view Str, int32_t Default) const;
  // Str of pair Index; "" when Index is out of range.
  std::string GetStr(int32_t Index) const;
  // Int of pair Index as plain decimal text; "" when Index is out of range.
  std::string GetIntAsStr(int32_t Index) const;

  // Appends (Value, Str) even when Str is present; returns its index.
  int32_t Add(int32_t Value, std::string_view Str);
  // Appends (Value, s) for every element s of List, duplicates kept.
  void Add(int32_t Value, const TStrArrayObj& List);
  void AddIfStringNotExists(int32_t Value, std::string_view Str);
  void AddIfStringNotExists(int32_t Value, const TStrArrayObj& List);
  // Merges Other pair by pair: an existing Str has its Int increased by
  // Other's Int, a new one is appended. Other is not changed (it may be this
  // list itself).
  void AddOrIncreaseIfStringExists(const TIntStrArrayObj& Other);

  // Adds By to pair Index (wrapping in 32 bits); Index ≥ Count inserts
  // (By, "") at Index, filling the gap with (0, "") pairs.
  void Inc(int32_t Index, int32_t By);
  // Adds By to the first pair with that Str, or appends (By, Str).
  void Inc(std::string_view Str, int32_t By);

  // Index of the first pair whose Str equals Str exactly; -1 when none.
  int32_t Contains(std::string_view Str) const;
  int32_t Count() const { return static_cast<int32_t>(Items.size()); }
  // Sum of all Int values in 32-bit arithmetic, wrapping around on overflow.
  int32_t Sum() const;
  void Clear();

  // Index < Count: inserts before pair Index. Index ≥ Count: the list grows
  // to Index + 1 pairs with (0, "") gap pairs and (Value, Str) at Index.
  void Insert(int32_t Index, int32_t Value, std::string_view Str);
  // Removes pair Index; an Index out of range does nothing.
  void Delete(int32_t Index);
  // Exchanges two pairs; indexes out of range do nothing.
  void Swap(int32_t Index1, int32_t Index2);

  // The deleting filters keep the surviving pairs in their order.
  void DeleteAllValuesSmallerThan(int32_t Limit);
  // Length in characters (code points).
  void DeleteAllStringsShorterThan(int32_t Limit);
  // Without MatchCase the plain tests compare upper-cased forms and the
  // regular-expression tests match case-insensitively. An empty Text deletes
  // every pair in the plain tests; a pattern that does not compile deletes
  // every pair in the regular-expression tests.
  void DeleteAllStringsNotStartingWith(std::string_view Text, bool MatchCase, bool IsRegex);
  void DeleteAllStringsNotEndingWith(std::string_view Text, bool MatchCase, bool IsRegex);
  void DeleteAllStringsNotContaining(std::string_view Text, bool MatchCase, bool IsRegex);

  // Unstable quicksorts (Hoare partition, middle pivot); pairs with equal
  // keys end in the order that exact procedure leaves them in. The string
  // sorts compare the upper-cased texts byte by byte.
  void SortIntUp();
  void SortIntDown();
  void SortStrUp();
  void SortStrDown();

 private:
  enum class TTextTest { StartsWith, EndsWith, Contains };
  int32_t Find(std::string_view Str) const;
  template <typename Keep>
  void KeepOnly(Keep keep);
  void KeepText(TTextTest Test, std::string_view Text, bool MatchCase, bool IsRegex);
};
