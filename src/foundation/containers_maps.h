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
  int32_t Add(std::string_view key, std::string_view value);
  // The number as plain decimal text.
  int32_t Add(std::string_view key, int32_t value);
  // Appends copies of all pairs of other in order (other may be this list).
  void Add(const TKeyValueArrayObj& other);
  // The first pair with the key takes value, else the pair is appended.
  int32_t AddOrUpdate(std::string_view key, std::string_view value);
  // The same with the case-insensitive key lookup; the stored key is kept.
  int32_t AddOrUpdateCaseInsensitive(std::string_view key, std::string_view value);
  // value is appended to the first such pair's value, else the pair is appended.
  int32_t AddOrAppend(std::string_view key, std::string_view value);
  // Sets the value of the first pair with the key; -1 and no change when missing.
  int32_t SetValue(std::string_view key, std::string_view value);

  // "" when index is out of range.
  std::string GetKey(int32_t index) const;
  std::string GetValue(int32_t index) const;
  // True and the value of the first pair with the key; false and defaultValue when missing.
  bool GetValue(std::string_view key, std::string& value, std::string_view defaultValue) const;
  bool GetValueCaseInsensitive(std::string_view key, std::string& value, std::string_view defaultValue) const;
  std::string GetValueOrDefaultIfKeyNotExist(std::string_view key, std::string_view defaultValue) const;
  // Key of the first pair whose value equals value, else defaultValue.
  std::string GetFirstKeyWithValue(std::string_view value, std::string_view defaultValue) const;
  int32_t GetIndexOfKey(std::string_view key) const;
  int32_t GetIndexOfKeyCaseInsensitive(std::string_view key) const;
  bool ContainsKey(std::string_view key) const;
  bool ContainsKeyValuePair(std::string_view key, std::string_view value) const;
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
  void AddFromXMLAttributeString(std::string_view attributeText);
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
  int32_t AddKey(std::string_view key);
  // AddKey, then appends all values to that key's list; returns the key's index.
  int32_t Add(std::string_view key, const TStrArray& values);
  // -1 when none.
  int32_t GetIndexOfKey(std::string_view key) const;
  int32_t Count_Keys() const { return static_cast<int32_t>(Items.size()); }
  // 0 when keyIndex is out of range.
  int32_t Count_Values_Key(int32_t keyIndex) const;
  // The value at that place; the caller keeps both indexes in range (out of
  // range gives "").
  std::string GetValueWithoutCheck(int32_t keyIndex, int32_t valueIndex) const;
  void Clear();
};

class TStrArray2DObj {
 public:
  TStrArray2D Items;
  // With it, reaching a cell lengthens every row to the same length.
  bool ExpandLinesToSameLength = true;

  // Makes cell (line, column) exist: rows are added up to line; then every
  // row (with ExpandLinesToSameLength) or only row line that is too short
  // grows to column + 1 cells. Negative positions change nothing.
  void ExpandForPosition(int32_t line, int32_t column);
  int32_t GetLineCount() const { return static_cast<int32_t>(Items.size()); }
  int32_t LineCount() const { return GetLineCount(); }
  // Number of cells, over all rows, that hold a non-empty string.
  int32_t Count_ValuesNotEmpty() const;
  void Clear();
};
