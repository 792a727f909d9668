#include "foundation/doc_ini.h"

#include <cerrno>
#include <filesystem>
#include <map>
#include <system_error>
#include <unordered_map>

#include "foundation/code_pages.h"
#include "foundation/number_format.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"
#include "foundation/text_files.h"

namespace {

bool HoldsEscapeSequence(const std::string& v) {
  for (size_t i = 0; i + 1 < v.size(); ++i)
    if (v[i] == '\\' && (v[i + 1] == 'r' || v[i + 1] == 'n')) return true;
  return false;
}

bool NeedsEscape(const std::string& v) {
  return !v.empty() && (v.find_first_of("\r\n") != std::string::npos || HoldsEscapeSequence(v));
}

std::string Escape(const std::string& v) {
  if (!NeedsEscape(v)) return v;
  std::string out;
  out.reserve(v.size() + v.size() / 8 + 2);
  for (char c : v) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else
      out.push_back(c);
  }
  return out;
}

std::string Unescape(const std::string& v) {
  // A stored value without "\r" and "\n" was never escaped; its backslashes
  // are its own (paths, patterns) and stay as they are.
  if (!HoldsEscapeSequence(v)) return v;
  std::string out;
  out.reserve(v.size());
  for (size_t i = 0; i < v.size(); ++i) {
    char c = v[i];
    if (c == '\\' && i + 1 < v.size()) {
      char n = v[i + 1];
      if (n == '\\' || n == 'r' || n == 'n') {
        out.push_back(n == '\\' ? '\\' : n == 'r' ? '\r' : '\n');
        ++i;
        continue;
      }
    }
    out.push_back(c);
  }
  return out;
}

bool IsHeader(const std::string& trimmed) {
  return trimmed.size() > 2 && trimmed.front() == '[' && trimmed.find(']') == trimmed.size() - 1;
}

std::string TableCellKey(const std::string& key, size_t row, size_t column) {
  return key + "|" + IntToStr(static_cast<int64_t>(row)) + "|" + IntToStr(static_cast<int64_t>(column));
}

std::string TableRowKey(const std::string& key, size_t row) { return key + "|" + IntToStr(static_cast<int64_t>(row)); }

void AppendCommentLine(std::string& cell, const std::string& line) {
  if (!cell.empty()) cell.push_back('\n');
  cell += line;
}

}  // namespace

TDocINI::TDocINI(const std::string& fileName) { LoadFromFile(fileName); }

struct TDocINI::TNameIndex {
  std::unordered_map<std::string, size_t> FirstSection;
  std::unordered_map<std::string, size_t> Block;

  explicit TNameIndex(const TDocINI& doc) {
    for (size_t i = 0; i < doc.Sections.size(); ++i) FirstSection.emplace(doc.Sections[i].Name, i);
    for (size_t b = 0; b < doc.Blocks.size(); ++b) Block.emplace(doc.Blocks[b].Name, b);
  }
};

size_t TDocINI::FindOrAppendBlock(const std::string& blockName) {
  int32_t b = ContainsBlock(blockName);
  if (b >= 0) return static_cast<size_t>(b);
  Blocks.push_back({blockName, {}});
  return Blocks.size() - 1;
}

int32_t TDocINI::AppendSection(std::string name, TNameIndex* index) {
  const size_t idx = Sections.size();
  Sections.push_back({name, {}});
  if (index) index->FirstSection.emplace(name, idx);
  size_t bar = name.find('|');
  if (bar != std::string::npos) {
    // The new index cannot be listed yet, so it is appended without a search
    // through the sections or the block's list.
    std::string blockName = name.substr(0, bar);
    size_t b;
    if (!index) {
      b = FindOrAppendBlock(blockName);
    } else if (auto it = index->Block.find(blockName); it != index->Block.end()) {
      b = it->second;
    } else {
      Blocks.push_back({blockName, {}});
      b = Blocks.size() - 1;
      index->Block.emplace(std::move(blockName), b);
    }
    Blocks[b].SectionIndexes.push_back(static_cast<int32_t>(idx));
  }
  return static_cast<int32_t>(idx);
}

// The mutators copy their text arguments first: a caller may pass a name,
// key or value that lives in this very document, which the change would free.

void TDocINI::Add(const std::string& section, bool newSection) {
  if (newSection || ContainsInt(section) < 0) AppendSection(section);
}

void TDocINI::Add(const std::string& section, const std::string& key, const std::string& text) {
  std::string sec = section, k = key, value = Escape(text);
  size_t si, ki;
  if (FindKey(sec, k, si, ki)) {
    Sections[si].Items[ki].Value = std::move(value);
    return;
  }
  int32_t idx = ContainsInt(sec);
  if (idx < 0) idx = AppendSection(sec);
  Sections[static_cast<size_t>(idx)].Items.push_back({std::move(k), std::move(value)});
}

void TDocINI::Add(const std::string& section, const std::string& key, const char* text) {
  Add(section, key, std::string(text ? text : ""));
}

void TDocINI::Add(const std::string& section, const std::string& key, bool value) {
  Add(section, key, std::string(value ? "1" : "0"));
}

void TDocINI::Add(const std::string& section, const std::string& key, int32_t value) {
  Add(section, key, IntToStr(value));
}

void TDocINI::AddStrArray2D(const std::string& sectionArg, const std::string& keyArg, const TStrArray2D& table) {
  const std::string section = sectionArg, key = keyArg, prefix = key + "|";
  DeleteAllKeysWithKeyStartingWith(section, prefix);
  if (table.empty()) return;
  // The first section of that name now holds no cell of this table; when no
  // later section of that name holds one either, every cell is new and is
  // appended there directly instead of being searched for cell by cell.
  int32_t first = ContainsInt(section);
  bool direct = true;
  for (size_t s = first < 0 ? Sections.size() : static_cast<size_t>(first) + 1; s < Sections.size() && direct; ++s) {
    if (Sections[s].Name != section) continue;
    for (const auto& item : Sections[s].Items) direct &= item.Key.compare(0, prefix.size(), prefix) != 0;
  }
  if (first < 0) first = AppendSection(section);
  auto add = [&](std::string cellKey, const std::string& value) {
    if (direct)
      Sections[static_cast<size_t>(first)].Items.push_back({std::move(cellKey), Escape(value)});
    else
      Add(section, cellKey, value);
  };
  for (size_t r = 0; r < table.size(); ++r) {
    if (table[r].empty()) add(TableRowKey(key, r), std::string());
    for (size_t c = 0; c < table[r].size(); ++c) add(TableCellKey(key, r, c), table[r][c]);
  }
}

void TDocINI::AddBlock(const std::string& blockNameArg, const std::string& rest) {
  const std::string blockName = blockNameArg, full = blockNameArg + "|" + rest;
  TIntArray& list = Blocks[FindOrAppendBlock(blockName)].SectionIndexes;
  for (size_t i = 0; i < Sections.size(); ++i) {
    if (Sections[i].Name != full) continue;
    int32_t idx = static_cast<int32_t>(i);
    bool listed = false;
    for (int32_t x : list) listed |= x == idx;
    if (!listed) list.push_back(idx);
  }
}

int32_t TDocINI::SetSection(const std::string& section, const TKeyValueArrayObj& pairs, bool newSection) {
  return ReplaceItems(section, pairs.Items, newSection);
}

int32_t TDocINI::ReplaceItems(const std::string& section, std::vector<TDocINIItem> items, bool newSection,
                              TNameIndex* index) {
  int32_t idx = -1;
  if (!newSection) {
    if (!index) {
      idx = ContainsInt(section);
    } else if (auto it = index->FirstSection.find(section); it != index->FirstSection.end()) {
      idx = static_cast<int32_t>(it->second);
    }
  }
  if (idx < 0) idx = AppendSection(section, index);
  Sections[static_cast<size_t>(idx)].Items = std::move(items);
  return idx;
}

void TDocINI::RebuildLists(int32_t sectionIndex) {
  if (sectionIndex < 0 || static_cast<size_t>(sectionIndex) >= Sections.size()) return;
  std::map<std::string, int64_t> counters;
  for (auto& item : Sections[static_cast<size_t>(sectionIndex)].Items) {
    size_t bar = item.Key.find('|');
    if (bar == std::string::npos) continue;
    std::string prefix = item.Key.substr(0, bar);
    item.Key = prefix + "|" + IntToStr(counters[prefix]++);
  }
}

bool TDocINI::FindKey(const std::string& section, const std::string& key, size_t& sectionIndex,
                      size_t& itemIndex) const {
  for (size_t s = 0; s < Sections.size(); ++s) {
    if (Sections[s].Name != section) continue;
    const auto& items = Sections[s].Items;
    for (size_t k = 0; k < items.size(); ++k) {
      if (items[k].Key == key) {
        sectionIndex = s;
        itemIndex = k;
        return true;
      }
    }
  }
  return false;
}

std::string TDocINI::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  std::string value;
  return ReadStringIfKeyExists(section, key, value) ? value : def;
}

bool TDocINI::ReadStringIfKeyExists(const std::string& section, const std::string& key, std::string& value) const {
  size_t s, k;
  if (!FindKey(section, key, s, k)) {
    value.clear();
    return false;
  }
  value = Unescape(Sections[s].Items[k].Value);
  return true;
}

bool TDocINI::ReadBoolean(const std::string& section, const std::string& key, bool def) const {
  const std::string* found = nullptr;
  for (const auto& sec : Sections) {
    if (sec.Name != section) continue;
    for (const auto& item : sec.Items) {
      if (item.Key == key) {
        found = &item.Value;
        break;
      }
    }
  }
  if (!found) return def;
  std::string v = Unescape(*found);
  return v == "1" ? true : v == "0" ? false : def;
}

bool TDocINI::ReadBooleanIfKeyExists(const std::string& section, const std::string& key, bool& value) const {
  std::string text;
  bool exists = ReadStringIfKeyExists(section, key, text);
  value = exists && text == "1";
  return exists;
}

bool TDocINI::ReadIntIfKeyExists(const std::string& section, const std::string& key, int32_t& value) const {
  std::string text;
  value = 0;
  if (!ReadStringIfKeyExists(section, key, text)) return false;
  int32_t v;
  if (!TryStrToInt(text, v)) return false;
  value = v;
  return true;
}

TStrArray2D TDocINI::ReadStrArray2D(const std::string& section, const std::string& key) const {
  // One pass over the keys (first occurrence wins, as ReadString finds it),
  // so that large tables are read in linear time.
  const std::string prefix = key + "|";
  std::unordered_map<std::string, const std::string*> cells;
  for (const auto& sec : Sections) {
    if (sec.Name != section) continue;
    for (const auto& item : sec.Items)
      if (item.Key.compare(0, prefix.size(), prefix) == 0) cells.emplace(item.Key, &item.Value);
  }
  TStrArray2D table;
  for (size_t r = 0;; ++r) {
    auto first = cells.find(TableCellKey(key, r, 0));
    if (first == cells.end()) {
      if (cells.count(TableRowKey(key, r)) == 0) break;
      table.emplace_back();
      continue;
    }
    TStrArray row;
    for (size_t c = 0;; ++c) {
      auto it = c == 0 ? first : cells.find(TableCellKey(key, r, c));
      if (it == cells.end()) break;
      row.push_back(Unescape(*it->second));
    }
    table.push_back(std::move(row));
  }
  return table;
}

bool TDocINI::ReadStrArray2DIfKeyExists(const std::string& section, const std::string& key, TStrArray2D& table) const {
  table = ReadStrArray2D(section, key);
  return !table.empty();
}

std::string& TDocINI::CommentCell(size_t row, size_t cell) {
  if (Comments.Items.size() <= row) Comments.Items.resize(row + 1);
  if (Comments.Items[row].size() <= cell) Comments.Items[row].resize(cell + 1);
  return Comments.Items[row][cell];
}

void TDocINI::EraseItem(size_t sectionIndex, size_t itemIndex) {
  auto& items = Sections[sectionIndex].Items;
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(itemIndex));
  // The comment lines that followed the removed key move up to the line
  // before it, and later keys keep their own comments.
  size_t row = sectionIndex + 1, cell = itemIndex + 1;
  if (row < Comments.Items.size() && cell < Comments.Items[row].size()) {
    std::string moved = std::move(Comments.Items[row][cell]);
    Comments.Items[row].erase(Comments.Items[row].begin() + static_cast<std::ptrdiff_t>(cell));
    if (!moved.empty()) AppendCommentLine(Comments.Items[row][cell - 1], moved);
  }
}

bool TDocINI::DeleteKey(const std::string& section, const std::string& keyArg) {
  const std::string key = keyArg;
  size_t s, k;
  if (!FindKey(section, key, s, k)) return false;
  EraseItem(s, k);
  size_t bar = key.rfind('|');
  if (bar == std::string::npos) return true;
  const std::string group = key.substr(0, bar + 1);
  int64_t counter = 0;
  for (auto& item : Sections[s].Items) {
    if (item.Key.compare(0, group.size(), group) != 0) continue;
    if (item.Key.find('|', group.size()) != std::string::npos) continue;
    item.Key = group + IntToStr(counter++);
  }
  return true;
}

bool TDocINI::DeleteAllKeysWithKeyStartingWith(const std::string& section, const std::string& prefixArg) {
  const std::string prefix = prefixArg;
  int32_t idx = ContainsInt(section);
  if (idx < 0) return false;
  // One pass, so that replacing a large table stays linear. The comment
  // lines of a removed key join those of the line before it, as EraseItem
  // does for a single key.
  const size_t s = static_cast<size_t>(idx), row = s + 1;
  auto& items = Sections[s].Items;
  const bool hasComments = row < Comments.Items.size() && !Comments.Items[row].empty();
  std::vector<TDocINIItem> kept;
  TStrArray cells;
  if (hasComments) cells.push_back(std::move(Comments.Items[row][0]));
  for (size_t k = 0; k < items.size(); ++k) {
    const bool remove = items[k].Key.compare(0, prefix.size(), prefix) == 0;
    if (!remove) kept.push_back(std::move(items[k]));
    if (!hasComments || k + 1 >= Comments.Items[row].size()) continue;
    std::string& cell = Comments.Items[row][k + 1];
    if (!remove)
      cells.push_back(std::move(cell));
    else if (!cell.empty())
      AppendCommentLine(cells.back(), cell);
  }
  if (hasComments) {
    for (size_t c = items.size() + 1; c < Comments.Items[row].size(); ++c)
      cells.push_back(std::move(Comments.Items[row][c]));
    Comments.Items[row] = std::move(cells);
  }
  items = std::move(kept);
  return true;
}

std::string TDocINI::AsString() const {
  bool writeComments = false;
  if (KeepComments)
    for (const auto& row : Comments.Items)
      for (const auto& cell : row) writeComments |= !cell.empty();
  auto comment = [&](size_t row, size_t cell) -> const std::string* {
    const TStrArray2D& cells = Comments.Items;
    if (!writeComments || row >= cells.size() || cell >= cells[row].size() || cells[row][cell].empty()) return nullptr;
    return &cells[row][cell];
  };
  std::string out;
  if (auto c = comment(0, 0)) out += *c + "\n";
  for (size_t s = 0; s < Sections.size(); ++s) {
    out += "[" + Sections[s].Name + "]\n";
    if (auto c = comment(s + 1, 0)) out += *c + "\n";
    const auto& items = Sections[s].Items;
    for (size_t k = 0; k < items.size(); ++k) {
      // A value set through SetSection with a bare line break would split the
      // line; it is written escaped, which reads back as the same text.
      const std::string& v = items[k].Value;
      out += items[k].Key + "=" + (v.find_first_of("\r\n") == std::string::npos ? v : Escape(v)) + "\n";
      if (auto c = comment(s + 1, k + 1)) out += *c + "\n";
    }
  }
  return out;
}

bool TDocINI::SaveToFile(const std::string& fileName) const {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path folder = fs::path(fileName).parent_path();
  if (!folder.empty()) {
    std::error_code created;
    if (!fs::is_directory(folder, ec)) fs::create_directories(folder, created);
    if (!fs::is_directory(folder, ec)) {
      // The caller's report names the reason, as for a failed write.
      SetLastFileWriteError(created ? created.value() : ENOTDIR);
      return false;
    }
  }
  // A failed write leaves the old file as it was; callers learn of it by the result.
  // A text that begins with U+FEFF gets a mark in front: the reader skips one
  // mark, which would otherwise be the text's own character.
  const std::string text = AsString();
  const bool needsMark = text.starts_with("\xEF\xBB\xBF");
  try {
    if (!SaveString(text, fileName, cpUTF8, needsMark, false)) return false;
  } catch (const EFileError&) {
    return false;
  }
  return fs::exists(fileName, ec);
}

bool TDocINI::LoadFromString(const std::string& text) {
  if (text.empty()) return false;
  TStrArray lines;
  ExplodeAtEveryLineBreak(lines, text);

  const bool startedEmpty = Sections.empty();
  TNameIndex index(*this);
  bool inSection = false;
  std::string current;
  std::vector<TDocINIItem> pending;
  std::string headerComment;
  TStrArray keyComments;
  // Where the comments of a section without keys go, since that section is
  // not kept: after the last line that was stored before it.
  size_t lastRow = 0, lastCell = 0;

  auto flush = [&] {
    if (!pending.empty()) {
      const size_t count = pending.size();
      size_t idx = static_cast<size_t>(ReplaceItems(current, std::move(pending), startedEmpty, &index));
      if (KeepComments) {
        if (!headerComment.empty()) AppendCommentLine(CommentCell(idx + 1, 0), headerComment);
        for (size_t k = 0; k < keyComments.size(); ++k)
          if (!keyComments[k].empty()) AppendCommentLine(CommentCell(idx + 1, k + 1), keyComments[k]);
      }
      lastRow = idx + 1;
      lastCell = count;
    } else if (inSection && KeepComments && !headerComment.empty()) {
      AppendCommentLine(CommentCell(lastRow, lastCell), headerComment);
    }
    pending.clear();
    keyComments.clear();
    headerComment.clear();
  };

  for (const auto& line : lines) {
    if (line.size() < 2) continue;
    std::string trimmed = Trim(line);
    if (trimmed.empty()) continue;
    if (IsHeader(trimmed)) {
      flush();
      current = trimmed.substr(1, trimmed.size() - 2);
      inSection = true;
      continue;
    }
    size_t eq = line.find('=');
    if (inSection && eq != std::string::npos && eq >= 1 && line[0] != CommentChar) {
      pending.push_back({line.substr(0, eq), line.substr(eq + 1)});
      keyComments.emplace_back();
      continue;
    }
    if (!KeepComments) continue;
    if (!inSection)
      AppendCommentLine(CommentCell(0, 0), line);
    else if (pending.empty())
      AppendCommentLine(headerComment, line);
    else
      AppendCommentLine(keyComments.back(), line);
  }
  flush();
  return true;
}

bool TDocINI::LoadFromFile(const std::string& fileName) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(fileName, ec)) return false;
  return LoadFromString(LoadString(fileName, cpUTF8));
}

int32_t TDocINI::ContainsInt(const std::string& section) const {
  for (size_t s = 0; s < Sections.size(); ++s)
    if (Sections[s].Name == section) return static_cast<int32_t>(s);
  return -1;
}

int32_t TDocINI::ContainsInt(const std::string& section, const std::string& key) const {
  size_t s, k;
  return FindKey(section, key, s, k) ? static_cast<int32_t>(k) : -1;
}

int32_t TDocINI::ContainsBlock(const std::string& blockName) const {
  for (size_t b = 0; b < Blocks.size(); ++b)
    if (Blocks[b].Name == blockName) return static_cast<int32_t>(b);
  return -1;
}

bool TDocINI::Contains(const std::string& section) const { return ContainsInt(section) >= 0; }
