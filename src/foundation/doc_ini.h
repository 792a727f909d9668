// The INI document: ordered sections of ordered key=value pairs held in
// memory, read from and written to UTF-8 text, with comment lines kept in
// place, line breaks escaped in values, and helpers for Booleans, integers,
// numbered section blocks and two-dimensional tables.
//
// Text format: a header is a line that, trimmed, is longer than 2 characters,
// starts with "[" and has its first "]" as its last character. A key line
// follows a header, does not start with "#" and has its first "=" at the
// second character or later; nothing is trimmed, further "=" belong to the
// value. Other lines of 2 or more characters that are not blank are comments.
// Lines are written ending in LF, without byte-order mark.
//
// Values are held escaped. A value that holds a CR, an LF, or a backslash
// followed by "r" or "n" is stored with every backslash doubled, CR as "\r"
// and LF as "\n"; reading decodes "\\", "\r" and "\n" in one pass whenever
// the stored value holds "\r" or "\n", so every text reads back unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/containers_maps.h"
#include "foundation/types.h"

// Key and value (the value in its escaped form).
using TDocINIItem = TKeyValueArrayObjItem;

struct TDocINISection {
  std::string Name;
  std::vector<TDocINIItem> Items;
};

// The sections whose names have the form Name + "|" + rest.
struct TDocINIBlock {
  std::string Name;
  TIntArray SectionIndexes;
};

class TDocINI {
 public:
  TDocINI() = default;
  // An empty document, then LoadFromFile.
  explicit TDocINI(const std::string& fileName);
  virtual ~TDocINI() = default;

  std::vector<TDocINISection> Sections;
  std::vector<TDocINIBlock> Blocks;
  bool KeepComments = true;
  // Row 0, cell 0: lines before the first section. Row s + 1: cell 0 the
  // lines after the header of section s, cell k + 1 those after its key k.
  // Several lines in one cell are joined with LF.
  TStrArray2DObj Comments;
  char CommentChar = '#';

  // Appends an empty section unless one of that name exists and newSection
  // is false.
  void Add(const std::string& section, bool newSection);
  // Sets the key where a section of that name holds it, else appends it to
  // the first section of that name (made when missing). The value is escaped.
  void Add(const std::string& section, const std::string& key, const std::string& text);
  void Add(const std::string& section, const std::string& key, const char* text);
  void Add(const std::string& section, const std::string& key, bool value);
  void Add(const std::string& section, const std::string& key, int32_t value);
  // Replaces the keys key|row|column. An empty row is stored as key|row with
  // an empty value so that it survives the round trip.
  void AddStrArray2D(const std::string& section, const std::string& key, const TStrArray2D& table);
  void AddBlock(const std::string& blockName, const std::string& rest);
  // Replaces the items of the first section of that name (made when missing)
  // or of a new one; values are stored as given. Returns the section's index.
  int32_t SetSection(const std::string& section, const TKeyValueArrayObj& pairs, bool newSection);
  // Renumbers every key of the section that contains "|" as its part before
  // the first "|" + "|" + a counter per such part.
  void RebuildLists(int32_t sectionIndex);

  // From the first section of that name that holds the key.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  bool ReadStringIfKeyExists(const std::string& section, const std::string& key, std::string& value) const;
  // From the last section of that name that holds the key; "1" true, "0" false.
  bool ReadBoolean(const std::string& section, const std::string& key, bool def) const;
  bool ReadBooleanIfKeyExists(const std::string& section, const std::string& key, bool& value) const;
  bool ReadIntIfKeyExists(const std::string& section, const std::string& key, int32_t& value) const;
  TStrArray2D ReadStrArray2D(const std::string& section, const std::string& key) const;
  bool ReadStrArray2DIfKeyExists(const std::string& section, const std::string& key, TStrArray2D& table) const;

  // Removes the key from the section that holds it. A key with "|" closes the
  // gap in its own numbered group (the keys that share its text up to its
  // last "|"); other lists and tables of the section keep their numbers.
  bool DeleteKey(const std::string& section, const std::string& key);
  // Deletes the keys of the first section of that name that begin with the
  // prefix; false when there is no such section.
  bool DeleteAllKeysWithKeyStartingWith(const std::string& section, const std::string& prefix);

  std::string AsString() const;
  // Creates missing folders and writes safely (temporary file renamed over
  // the target) in UTF-8 without byte-order mark, unless the text itself
  // begins with U+FEFF, which LoadFromFile would take for the mark. True when
  // the file was written.
  bool SaveToFile(const std::string& fileName) const;
  // Adds the text's sections to the document; false for the empty text.
  bool LoadFromString(const std::string& text);
  // False when the file does not exist.
  bool LoadFromFile(const std::string& fileName);

  int32_t ContainsInt(const std::string& section) const;
  // Index of the key within the first section of that name that holds it.
  int32_t ContainsInt(const std::string& section, const std::string& key) const;
  int32_t ContainsBlock(const std::string& blockName) const;
  bool Contains(const std::string& section) const;

 private:
  // Section and block names to their first index, built once for a long run
  // of appends (a parse), so that each header costs one lookup.
  struct TNameIndex;
  int32_t AppendSection(std::string name, TNameIndex* index = nullptr);
  size_t FindOrAppendBlock(const std::string& blockName);
  int32_t ReplaceItems(const std::string& section, std::vector<TDocINIItem> items, bool newSection,
                       TNameIndex* index = nullptr);
  // Section and item index of the key in the first section of that name that
  // holds it; false when none does.
  bool FindKey(const std::string& section, const std::string& key, size_t& sectionIndex, size_t& itemIndex) const;
  void EraseItem(size_t sectionIndex, size_t itemIndex);
  std::string& CommentCell(size_t row, size_t cell);
};
