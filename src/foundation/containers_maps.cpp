#include "foundation/containers_maps.h"

#include <utility>

#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

// --- TKeyValueArrayObj -------------------------------------------------------

int32_t TKeyValueArrayObj::Add(std::string_view key, std::string_view value) {
  Items.push_back({std::string(key), std::string(value)});
  return Count() - 1;
}

int32_t TKeyValueArrayObj::Add(std::string_view key, int32_t value) { return Add(key, IntToStr(value)); }

void TKeyValueArrayObj::Add(const TKeyValueArrayObj& other) {
  if (&other == this) {
    // Appending to the list being read would read the copies again.
    const TKeyValueArrayObjItems copy = other.Items;
    Items.insert(Items.end(), copy.begin(), copy.end());
    return;
  }
  Items.insert(Items.end(), other.Items.begin(), other.Items.end());
}

int32_t TKeyValueArrayObj::AddOrUpdate(std::string_view key, std::string_view value) {
  const int32_t i = GetIndexOfKey(key);
  if (i < 0) return Add(key, value);
  Items[i].Value = value;
  return i;
}

int32_t TKeyValueArrayObj::AddOrUpdateCaseInsensitive(std::string_view key, std::string_view value) {
  const int32_t i = GetIndexOfKeyCaseInsensitive(key);
  if (i < 0) return Add(key, value);
  Items[i].Value = value;
  return i;
}

int32_t TKeyValueArrayObj::AddOrAppend(std::string_view key, std::string_view value) {
  const int32_t i = GetIndexOfKey(key);
  if (i < 0) return Add(key, value);
  Items[i].Value += value;
  return i;
}

int32_t TKeyValueArrayObj::SetValue(std::string_view key, std::string_view value) {
  const int32_t i = GetIndexOfKey(key);
  if (i >= 0) Items[i].Value = value;
  return i;
}

std::string TKeyValueArrayObj::GetKey(int32_t index) const {
  if (index < 0 || index >= Count()) return {};
  return Items[index].Key;
}

std::string TKeyValueArrayObj::GetValue(int32_t index) const {
  if (index < 0 || index >= Count()) return {};
  return Items[index].Value;
}

bool TKeyValueArrayObj::GetValue(std::string_view key, std::string& value, std::string_view defaultValue) const {
  const int32_t i = GetIndexOfKey(key);
  if (i < 0) {
    value = defaultValue;
    return false;
  }
  value = Items[i].Value;
  return true;
}

bool TKeyValueArrayObj::GetValueCaseInsensitive(std::string_view key, std::string& value,
                                                std::string_view defaultValue) const {
  const int32_t i = GetIndexOfKeyCaseInsensitive(key);
  if (i < 0) {
    value = defaultValue;
    return false;
  }
  value = Items[i].Value;
  return true;
}

std::string TKeyValueArrayObj::GetValueOrDefaultIfKeyNotExist(std::string_view key,
                                                              std::string_view defaultValue) const {
  const int32_t i = GetIndexOfKey(key);
  return i < 0 ? std::string(defaultValue) : Items[i].Value;
}

std::string TKeyValueArrayObj::GetFirstKeyWithValue(std::string_view value, std::string_view defaultValue) const {
  for (const auto& item : Items)
    if (item.Value == value) return item.Key;
  return std::string(defaultValue);
}

int32_t TKeyValueArrayObj::GetIndexOfKey(std::string_view key) const {
  for (size_t i = 0; i < Items.size(); ++i)
    if (Items[i].Key == key) return static_cast<int32_t>(i);
  return -1;
}

int32_t TKeyValueArrayObj::GetIndexOfKeyCaseInsensitive(std::string_view key) const {
  const std::string lower = UTF8LowerCase(key);
  for (size_t i = 0; i < Items.size(); ++i)
    if (UTF8LowerCase(Items[i].Key) == lower) return static_cast<int32_t>(i);
  return -1;
}

bool TKeyValueArrayObj::ContainsKey(std::string_view key) const { return GetIndexOfKey(key) >= 0; }

bool TKeyValueArrayObj::ContainsKeyValuePair(std::string_view key, std::string_view value) const {
  for (const auto& item : Items)
    if (item.Key == key && item.Value == value) return true;
  return false;
}

namespace {

void AppendAttributeValue(std::string& out, std::string_view value) {
  for (char c : value) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
}

// The code point of a numeric character reference body ("#65", "#x41"); 0
// when it is not one that names a character XML allows to be written.
char32_t CharacterReference(std::string_view body) {
  if (body.size() < 2 || body[0] != '#') return 0;
  const bool hex = body[1] == 'x' || body[1] == 'X';
  const std::string_view digits = body.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 8) return 0;
  uint32_t value = 0;
  for (char c : digits) {
    uint32_t d;
    if (c >= '0' && c <= '9') {
      d = static_cast<uint32_t>(c - '0');
    } else if (hex && c >= 'a' && c <= 'f') {
      d = static_cast<uint32_t>(c - 'a' + 10);
    } else if (hex && c >= 'A' && c <= 'F') {
      d = static_cast<uint32_t>(c - 'A' + 10);
    } else {
      return 0;
    }
    value = value * (hex ? 16 : 10) + d;
  }
  if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return static_cast<char32_t>(value);
}

// The inverse of AppendAttributeValue, also for what other writers produce:
// the five named entities and numeric references. Anything else, including
// an ampersand that starts no complete reference, stays as written.
std::string DecodeAttributeValue(std::string_view value) {
  if (value.find('&') == std::string_view::npos) return std::string(value);
  static constexpr std::pair<std::string_view, char> kEntities[] = {
      {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
  std::string out;
  out.reserve(value.size());
  size_t i = 0;
  while (i < value.size()) {
    const size_t amp = value.find('&', i);
    if (amp == std::string_view::npos) break;
    out.append(value.substr(i, amp - i));
    i = amp + 1;
    const size_t semi = value.find(';', i);
    // No reference body is longer than "#x" and eight digits.
    if (semi == std::string_view::npos || semi - i > 10) {
      out += '&';
      continue;
    }
    const std::string_view body = value.substr(i, semi - i);
    bool decoded = false;
    for (const auto& [name, ch] : kEntities) {
      if (body == name) {
        out += ch;
        decoded = true;
        break;
      }
    }
    if (!decoded) {
      if (const char32_t cp = CharacterReference(body); cp != 0) {
        UTF8Append(out, cp);
        decoded = true;
      }
    }
    if (decoded) {
      i = semi + 1;
    } else {
      out += '&';
    }
  }
  out.append(value.substr(i));
  return out;
}

}  // namespace

std::string TKeyValueArrayObj::AsXMLAttributeString() const {
  std::string out;
  for (size_t i = 0; i < Items.size(); ++i) {
    if (i > 0) out += ' ';
    out += Items[i].Key;
    out += "=\"";
    AppendAttributeValue(out, Items[i].Value);
    out += '"';
  }
  return out;
}

void TKeyValueArrayObj::AddFromXMLAttributeString(std::string_view attributeText) {
  // attributeText may be a text of Items, which every appended pair can move.
  const std::string copy(attributeText);
  const std::string_view text = copy;
  constexpr size_t kUnset = std::string_view::npos;
  bool inDouble = false;
  bool inSingle = false;
  size_t nameStart = 0;
  size_t valueStart = kUnset;
  std::string name;
  // One quote kind opens and closes values; the other is ordinary text inside them.
  auto quote = [&](size_t i, bool& inThis) {
    if (!inThis) {
      valueStart = i + 1;
    } else {
      if (valueStart != kUnset) Add(name, DecodeAttributeValue(text.substr(valueStart, i - valueStart)));
      nameStart = i + 1;
    }
    inThis = !inThis;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"' && !inSingle) {
      quote(i, inDouble);
    } else if (c == '\'' && !inDouble) {
      quote(i, inSingle);
    } else if (c == '=' && !inDouble && !inSingle && nameStart != kUnset) {
      name = Trim(text.substr(nameStart, i - nameStart));
      nameStart = kUnset;
    }
  }
  if ((inDouble || inSingle) && valueStart != kUnset) Add(name, DecodeAttributeValue(text.substr(valueStart)));
}

// --- TKeyStrArrayArrayObj ----------------------------------------------------

int32_t TKeyStrArrayArrayObj::GetIndexOfKey(std::string_view key) const { return Items.Find(key); }

int32_t TKeyStrArrayArrayObj::AddKey(std::string_view key) {
  const int32_t i = GetIndexOfKey(key);
  if (i >= 0) return i;
  Items.push_back({std::string(key), {}});
  return Count_Keys() - 1;
}

int32_t TKeyStrArrayArrayObj::Add(std::string_view key, const TStrArray& values) {
  const int32_t i = GetIndexOfKey(key);
  if (i < 0) {
    // values may live in Items, which the new entry can move.
    TStrArray copy = values;
    Items.push_back({std::string(key), std::move(copy)});
    return Count_Keys() - 1;
  }
  TStrArray& list = Items.Keyed()[i].Values;
  if (&values == &list) {
    const TStrArray copy = values;
    list.insert(list.end(), copy.begin(), copy.end());
  } else {
    list.insert(list.end(), values.begin(), values.end());
  }
  return i;
}

int32_t TKeyStrArrayArrayObj::Count_Values_Key(int32_t keyIndex) const {
  if (keyIndex < 0 || keyIndex >= Count_Keys()) return 0;
  return static_cast<int32_t>(Items[keyIndex].Values.size());
}

std::string TKeyStrArrayArrayObj::GetValueWithoutCheck(int32_t keyIndex, int32_t valueIndex) const {
  // Reading outside the lists would read foreign memory; an empty text is harmless.
  if (keyIndex < 0 || keyIndex >= Count_Keys()) return {};
  const TStrArray& values = Items[keyIndex].Values;
  if (valueIndex < 0 || static_cast<size_t>(valueIndex) >= values.size()) return {};
  return values[valueIndex];
}

void TKeyStrArrayArrayObj::Clear() { Items.clear(); }

// --- TStrArray2DObj ----------------------------------------------------------

void TStrArray2DObj::ExpandForPosition(int32_t line, int32_t column) {
  if (line < 0 || column < 0) return;
  if (static_cast<size_t>(line) >= Items.size()) Items.resize(static_cast<size_t>(line) + 1);
  const size_t width = static_cast<size_t>(column) + 1;
  if (ExpandLinesToSameLength) {
    for (auto& row : Items)
      if (row.size() < width) row.resize(width);
  } else if (Items[line].size() < width) {
    Items[line].resize(width);
  }
}

int32_t TStrArray2DObj::Count_ValuesNotEmpty() const {
  int32_t n = 0;
  for (const auto& row : Items)
    for (const auto& cell : row)
      if (!cell.empty()) ++n;
  return n;
}

void TStrArray2DObj::Clear() {
  for (auto& row : Items) row.clear();
  Items.clear();
}
