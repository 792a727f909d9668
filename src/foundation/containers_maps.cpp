#include "foundation/containers_maps.h"

#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/str_transform.h"

// --- TKeyValueArrayObj -------------------------------------------------------

int32_t TKeyValueArrayObj::Add(std::string_view Key, std::string_view Value) {
  Items.push_back({std::string(Key), std::string(Value)});
  return Count() - 1;
}

int32_t TKeyValueArrayObj::Add(std::string_view Key, int32_t Value) { return Add(Key, IntToStr(Value)); }

void TKeyValueArrayObj::Add(const TKeyValueArrayObj& Other) {
  if (&Other == this) {
    // Appending to the list being read would read the copies again.
    const TKeyValueArrayObjItems copy = Other.Items;
    Items.insert(Items.end(), copy.begin(), copy.end());
    return;
  }
  Items.insert(Items.end(), Other.Items.begin(), Other.Items.end());
}

int32_t TKeyValueArrayObj::AddOrUpdate(std::string_view Key, std::string_view Value) {
  const int32_t i = GetIndexOfKey(Key);
  if (i < 0) return Add(Key, Value);
  Items[i].Value = Value;
  return i;
}

int32_t TKeyValueArrayObj::AddOrUpdateCaseInsensitive(std::string_view Key, std::string_view Value) {
  const int32_t i = GetIndexOfKeyCaseInsensitive(Key);
  if (i < 0) return Add(Key, Value);
  Items[i].Value = Value;
  return i;
}

int32_t TKeyValueArrayObj::AddOrAppend(std::string_view Key, std::string_view Value) {
  const int32_t i = GetIndexOfKey(Key);
  if (i < 0) return Add(Key, Value);
  Items[i].Value += Value;
  return i;
}

int32_t TKeyValueArrayObj::SetValue(std::string_view Key, std::string_view Value) {
  const int32_t i = GetIndexOfKey(Key);
  if (i >= 0) Items[i].Value = Value;
  return i;
}

std::string TKeyValueArrayObj::GetKey(int32_t Index) const {
  if (Index < 0 || Index >= Count()) return {};
  return Items[Index].Key;
}

std::string TKeyValueArrayObj::GetValue(int32_t Index) const {
  if (Index < 0 || Index >= Count()) return {};
  return Items[Index].Value;
}

bool TKeyValueArrayObj::GetValue(std::string_view Key, std::string& Value, std::string_view Default) const {
  const int32_t i = GetIndexOfKey(Key);
  if (i < 0) {
    Value = Default;
    return false;
  }
  Value = Items[i].Value;
  return true;
}

bool TKeyValueArrayObj::GetValueCaseInsensitive(std::string_view Key, std::string& Value,
                                                std::string_view Default) const {
  const int32_t i = GetIndexOfKeyCaseInsensitive(Key);
  if (i < 0) {
    Value = Default;
    return false;
  }
  Value = Items[i].Value;
  return true;
}

std::string TKeyValueArrayObj::GetValueOrDefaultIfKeyNotExist(std::string_view Key, std::string_view Default) const {
  const int32_t i = GetIndexOfKey(Key);
  return i < 0 ? std::string(Default) : Items[i].Value;
}

std::string TKeyValueArrayObj::GetFirstKeyWithValue(std::string_view Value, std::string_view Default) const {
  for (const auto& item : Items)
    if (item.Value == Value) return item.Key;
  return std::string(Default);
}

int32_t TKeyValueArrayObj::GetIndexOfKey(std::string_view Key) const {
  for (size_t i = 0; i < Items.size(); ++i)
    if (Items[i].Key == Key) return static_cast<int32_t>(i);
  return -1;
}

int32_t TKeyValueArrayObj::GetIndexOfKeyCaseInsensitive(std::string_view Key) const {
  const std::string lower = UTF8LowerCase(Key);
  for (size_t i = 0; i < Items.size(); ++i)
    if (UTF8LowerCase(Items[i].Key) == lower) return static_cast<int32_t>(i);
  return -1;
}

bool TKeyValueArrayObj::ContainsKey(std::string_view Key) const { return GetIndexOfKey(Key) >= 0; }

bool TKeyValueArrayObj::ContainsKeyValuePair(std::string_view Key, std::string_view Value) const {
  for (const auto& item : Items)
    if (item.Key == Key && item.Value == Value) return true;
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

void TKeyValueArrayObj::AddFromXMLAttributeString(std::string_view Text) {
  // Text may be a text of Items, which every appended pair can move.
  const std::string copy(Text);
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
      if (valueStart != kUnset) Add(name, text.substr(valueStart, i - valueStart));
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
  if ((inDouble || inSingle) && valueStart != kUnset) Add(name, text.substr(valueStart));
}

// --- TKeyStrArrayArrayObj ----------------------------------------------------

int32_t TKeyStrArrayArrayObj::GetIndexOfKey(std::string_view Key) const {
  return index_.Find(Key, Items.size(), [this](size_t i) -> std::string_view { return Items[i].Key; });
}

int32_t TKeyStrArrayArrayObj::AddKey(std::string_view Key) {
  const int32_t i = GetIndexOfKey(Key);
  if (i >= 0) return i;
  Items.push_back({std::string(Key), {}});
  return Count_Keys() - 1;
}

int32_t TKeyStrArrayArrayObj::Add(std::string_view Key, const TStrArray& Values) {
  const int32_t i = GetIndexOfKey(Key);
  if (i < 0) {
    // Values may live in Items, which the new entry can move.
    TStrArray copy = Values;
    Items.push_back({std::string(Key), std::move(copy)});
    return Count_Keys() - 1;
  }
  TStrArray& list = Items[i].Values;
  if (&Values == &list) {
    const TStrArray copy = Values;
    list.insert(list.end(), copy.begin(), copy.end());
  } else {
    list.insert(list.end(), Values.begin(), Values.end());
  }
  return i;
}

int32_t TKeyStrArrayArrayObj::Count_Values_Key(int32_t KeyIndex) const {
  if (KeyIndex < 0 || KeyIndex >= Count_Keys()) return 0;
  return static_cast<int32_t>(Items[KeyIndex].Values.size());
}

std::string TKeyStrArrayArrayObj::GetValueWithoutCheck(int32_t KeyIndex, int32_t ValueIndex) const {
  // Reading outside the lists would read foreign memory; an empty text is harmless.
  if (KeyIndex < 0 || KeyIndex >= Count_Keys()) return {};
  const TStrArray& values = Items[KeyIndex].Values;
  if (ValueIndex < 0 || static_cast<size_t>(ValueIndex) >= values.size()) return {};
  return values[ValueIndex];
}

void TKeyStrArrayArrayObj::Clear() {
  Items.clear();
  index_.Invalidate();
}

// --- TStrArray2DObj ----------------------------------------------------------

void TStrArray2DObj::ExpandForPosition(int32_t Line, int32_t Column) {
  if (Line < 0 || Column < 0) return;
  if (static_cast<size_t>(Line) >= Items.size()) Items.resize(static_cast<size_t>(Line) + 1);
  const size_t width = static_cast<size_t>(Column) + 1;
  if (ExpandLinesToSameLength) {
    for (auto& row : Items)
      if (row.size() < width) row.resize(width);
  } else if (Items[Line].size() < width) {
    Items[Line].resize(width);
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
