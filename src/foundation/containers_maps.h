// Container objects for named values: an ordered key/value list (the
// attributes of markup nodes, options, dictionaries), an ordered key-to-list
// map (the word generator's readability rules) and a table of strings that
// grows on demand.
//
// Each object owns its public Items, which callers may read and write directly.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/keyed_items.h"
#include "foundation/types.h"

struct TKeyValueArrayObjItem {
  std::string Key;
  std::string Value;
  bool operator==(const TKeyValueArrayObjItem&) const = default;
};
using TKeyValueArrayObjItems = std::vector<TKeyValueArrayObjItem>;

// Pairs keep their insertion order and a key may occur more than once; every
// lookup reports the first pair. Keys compare byte for byte except in the
// …CaseInsensitive operations, which compare lower-cased forms.
class TKeyValueArrayObj {
 public:
  TKeyValueArrayObjItems Items;

  // Appends the pair even when the key exists; returns its index.
  int32_t Add(std::string_view Key, std::string_view Value);
  // The number as plain decimal text.
  int32_t Add(std::string_view Key, int32_t Value);
  // Appends copies of all pairs of Other in order (Other may be this list).
  void Add(const TKeyValueArrayObj& Other);
  // The first pair with the key takes Value, else the pair is appended.
  int32_t AddOrUpdate(std::string_view Key, std::string_view Value);
  // The same with the case-insensitive key lookup; the stored key is kept.
  int32_t AddOrUpdateCaseInsensitive(std::string_view Key, std::string_view Value);
  // Value is appended to the first such pair's value, else the pair is appended.
  int32_t AddOrAppend(std::string_view Key, std::string_view Value);
  // Sets the value of the first pair with the key; -1 and no change when missing.
  int32_t SetValue(std::string_view Key, std::string_view Value);

  // "" when Index is out of range.
  std::string GetKey(int32_t Index) const;
  std::string GetValue(int32_t Index) const;
  // True and the value of the first pair with the key; false and Default when missing.
  bool GetValue(std::string_view Key, std::string& Value, std::string_view Default) const;
  bool GetValueCaseInsensitive(std::string_view Key, std::string& Value, std::string_view Default) const;
  std::string GetValueOrDefaultIfKeyNotExist(std::string_view Key, std::string_view Default) const;
  // Key of the first pair whose value equals Value, else Default.
  std::string GetFirstKeyWithValue(std::string_view Value, std::string_view Default) const;
  int32_t GetIndexOfKey(std::string_view Key) const;
  int32_t GetIndexOfKeyCaseInsensitive(std::string_view Key) const;
  bool ContainsKey(std::string_view Key) const;
  bool ContainsKeyValuePair(std::string_view Key, std::string_view Value) const;
  int32_t Count() const { return static_cast<int32_t>(Items.size()); }

  // key="value" for each pair, separated by one blank. The characters & < > "
  // of values are written as entities, so each value reads back as one
  // attribute; keys are written as stored.
  std::string AsXMLAttributeString() const;
  // Appends one pair per attribute of the attribute text of a start tag.
  // Values decode the five XML entities and numeric character references, so
  // every value written above reads back byte for byte; other text after an
  // ampersand stays as written. Both quote kinds delimit values; an unclosed
  // value runs to the end of the text.
  void AddFromXMLAttributeString(std::string_view Text);
};

struct TKeyStrArrayArrayObjItem {
  std::string Key;
  TStrArray Values;
  bool operator==(const TKeyStrArrayArrayObjItem&) const = default;
};
using TKeyStrArrayArrayObjItems = std::vector<TKeyStrArrayArrayObjItem>;

// Keys in the order of first occurrence, each once when filled through Add
// and AddKey, each with its own list of values. Key lookups use a hash index
// kept by Items, which follows direct changes of Items (see TKeyedItems).
class TKeyStrArrayArrayObj {
 private:
  struct TKeyOf {
    std::string_view operator()(const TKeyStrArrayArrayObjItem& e) const { return e.Key; }
  };

 public:
  TKeyedItems<TKeyStrArrayArrayObjItem, TKeyOf, TKeyStrArrayArrayObj> Items;

  // Index of the entry with that key; appends an empty entry when there is none.
  int32_t AddKey(std::string_view Key);
  // AddKey, then appends all Values to that key's list; returns the key's index.
  int32_t Add(std::string_view Key, const TStrArray& Values);
  // -1 when none.
  int32_t GetIndexOfKey(std::string_view Key) const;
  int32_t Count_Keys() const { return static_cast<int32_t>(Items.size()); }
  // 0 when KeyIndex is out of range.
  int32_t Count_Values_Key(int32_t KeyIndex) const;
  // The value at that place; the caller keeps both indexes in range (out of
  // range gives "").
  std::string GetValueWithoutCheck(int32_t KeyIndex, int32_t ValueIndex) const;
  void Clear();
};

class TStrArray2DObj {
 public:
  TStrArray2D Items;
  // With it, reaching a cell lengthens every row to the same length.
  bool ExpandLinesToSameLength = true;

  // Makes cell (Line, Column) exist: rows are added up to Line; then every
  // row (with ExpandLinesToSameLength) or only row Line that is too short
  // grows to Column + 1 cells. Negative positions change nothing.
  void ExpandForPosition(int32_t Line, int32_t Column);
  int32_t GetLineCount() const { return static_cast<int32_t>(Items.size()); }
  int32_t LineCount() const { return GetLineCount(); }
  // Number of cells, over all rows, that hold a non-empty string.
  int32_t Count_ValuesNotEmpty() const;
  void Clear();
};
