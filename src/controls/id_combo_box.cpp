#include "controls/id_combo_box.h"

#include <QSignalBlocker>
#include <QVBoxLayout>

#include "controls/sort_by_key.h"
#include "foundation/letter_case.h"
#include "foundation/letters.h"
#include "foundation/qt/qt_strings.h"

std::string IDComboBoxSortKey(const std::string& caption) { return DiacriticsToLetters(UTF8UpperCase(caption)); }

namespace {

constexpr int kDropDownCount = 16;

// Takes each line's shown caption as the key, sorts elements and lines alike.
template <typename TItem>
void SortElements(std::vector<TItem>& items, QComboBox* list) {
  if (items.size() < 2 || static_cast<size_t>(list->count()) != items.size()) return;
  std::vector<std::string> keys;
  for (size_t i = 0; i < items.size(); ++i) {
    items[i].SortText = FromQString(list->itemText(static_cast<int>(i)));
    keys.push_back(IDComboBoxSortKey(items[i].SortText));
  }
  SortByKeyHoare(items, keys);
  QSignalBlocker blocker(list);
  for (size_t i = 0; i < items.size(); ++i) list->setItemText(static_cast<int>(i), ToQString(items[i].SortText));
}

}  // namespace

// --- TIDComboBox -------------------------------------------------------------

TIDComboBox::TIDComboBox(QWidget* parent) : QComboBox(parent) {
  setMaxVisibleItems(kDropDownCount);
  setEditable(true);
  connect(this, &QComboBox::activated, this, [this] { Change(); });
}

int32_t TIDComboBox::AddElementInternal(int32_t sprId, const std::string& fixedString, const std::string& strId,
                                        int32_t intId) {
  FItems.push_back({sprId, strId, intId, fixedString, ""});
  QSignalBlocker blocker(this);
  addItem(QString());
  // Qt selects the first line added to an empty list; an added element is
  // never selected by itself.
  if (count() == 1) setCurrentIndex(-1);
  return static_cast<int32_t>(FItems.size()) - 1;
}

int32_t TIDComboBox::AddElement(const std::string& caption, const std::string& strId, int32_t intId) {
  int32_t index = AddElementInternal(-1, caption, strId, intId);
  QSignalBlocker blocker(this);
  setItemText(index, ToQString(caption));
  return index;
}

int32_t TIDComboBox::AddElement(int32_t sprId, const std::string& strId, int32_t intId) {
  return AddElementInternal(sprId, "", strId, intId);
}

bool TIDComboBox::DeleteElement(const std::string& strId, int32_t intId) {
  bool deleted = false;
  for (int32_t i = GetCount() - 1; i >= 0; --i) {
    if (FItems[static_cast<size_t>(i)].StrId == strId && FItems[static_cast<size_t>(i)].IntId == intId) {
      deleted = DeleteElementInternal(i) || deleted;
    }
  }
  return deleted;
}

bool TIDComboBox::DeleteElementInternal(int32_t index) {
  if (index < 0 || index >= GetCount()) return false;
  bool wasSelected = index == currentIndex();
  FItems.erase(FItems.begin() + index);
  {
    QSignalBlocker blocker(this);
    removeItem(index);
  }
  // Only losing the selected element moves the selection (and tells the
  // owner); any other element goes without touching it.
  if (wasSelected && !FItems.empty()) {
    int32_t next = std::min(index, GetCount() - 1);
    {
      QSignalBlocker blocker(this);
      setCurrentIndex(next);
    }
    Change();
  }
  return true;
}

void TIDComboBox::BeginUpdate() { setUpdatesEnabled(false); }

void TIDComboBox::EndUpdate() {
  setUpdatesEnabled(true);
  update();
}

void TIDComboBox::ClearElements() {
  FItems.clear();
  QSignalBlocker blocker(this);
  clear();
  FSelectedIntId = -1;
  FSelectedStrId = NulMarker();
}

int32_t TIDComboBox::SelectFirstElement() {
  if (FItems.empty()) return -1;
  SetSelectedIntId(FItems[0].IntId);
  return FItems[0].IntId;
}

void TIDComboBox::SetSelectedIntId(int32_t value) {
  if (value == FSelectedIntId) return;
  int32_t index = GetIndexOfIntId(value);
  if (index < 0) return;
  QSignalBlocker blocker(this);
  setCurrentIndex(index);
  FSelectedIntId = value;
  FSelectedStrId = FItems[static_cast<size_t>(index)].StrId;
}

void TIDComboBox::SetSelectedStrId(const std::string& value) {
  if (value == FSelectedStrId) return;
  int32_t index = GetIndexOfStrId(value);
  if (index < 0) return;
  QSignalBlocker blocker(this);
  setCurrentIndex(index);
  FSelectedStrId = value;
  FSelectedIntId = FItems[static_cast<size_t>(index)].IntId;
}

void TIDComboBox::Sort() {
  SortElements(FItems, this);
  int32_t index = GetIndexOfIntIdAndStrId(FSelectedIntId, FSelectedStrId);
  if (index >= 0) {
    QSignalBlocker blocker(this);
    setCurrentIndex(index);
  }
}

void TIDComboBox::SetSorted(bool value) {
  if (value) Sort();
  FSorted = value;
}

int32_t TIDComboBox::GetIndexOfIntId(int32_t intId) const {
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (FItems[i].IntId == intId) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t TIDComboBox::GetIndexOfStrId(const std::string& strId) const {
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (FItems[i].StrId == strId) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t TIDComboBox::GetIndexOfIntIdAndStrId(int32_t intId, const std::string& strId) const {
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (FItems[i].IntId == intId && FItems[i].StrId == strId) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t TIDComboBox::GetSprId(int32_t index) const {
  return index >= 0 && index < GetCount() ? FItems[static_cast<size_t>(index)].SprId : -1;
}

int32_t TIDComboBox::GetIntId(int32_t index) const {
  return index >= 0 && index < GetCount() ? FItems[static_cast<size_t>(index)].IntId : -1;
}

std::string TIDComboBox::GetFixedString(int32_t index) const {
  return index >= 0 && index < GetCount() ? FItems[static_cast<size_t>(index)].FixedString : std::string();
}

void TIDComboBox::SetFixedString(int32_t index, const std::string& text) {
  if (index < 0 || index >= GetCount()) return;
  FItems[static_cast<size_t>(index)].FixedString = text;
  QSignalBlocker blocker(this);
  setItemText(index, ToQString(text));
  if (FItems[static_cast<size_t>(index)].IntId == FSelectedIntId && isEditable()) setEditText(ToQString(text));
}

void TIDComboBox::Change() {
  int32_t index = currentIndex();
  if (index < 0 || index >= GetCount()) return;
  const TIDComboBoxItem& item = FItems[static_cast<size_t>(index)];
  FSelectedIntId = item.IntId;
  FSelectedStrId = item.StrId;
  // Copies: a handler may change the elements.
  std::string strId = item.StrId;
  int32_t intId = item.IntId;
  if (OnSelectionChange) OnSelectionChange(this, strId, intId);
  if (OnChange) OnChange(this);
}

// --- TIDComboBoxWithEdit -----------------------------------------------------

TIDComboBoxWithEdit::TIDComboBoxWithEdit(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  FList = new QComboBox(this);
  FList->setMaxVisibleItems(kDropDownCount);
  FEdit = new QLineEdit(this);
  FEdit->hide();
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(FControlSpacing);
  column->addWidget(FList);
  column->addWidget(FEdit);
  column->addStretch(1);
  setFocusProxy(FList);
  connect(FList, &QComboBox::activated, this, [this] { ProcChange(FList); });
  connect(FEdit, &QLineEdit::textChanged, this, [this] { ProcChange(FEdit); });
  resize(100, sizeHint().height());
}

int32_t TIDComboBoxWithEdit::AddElement(const std::string& caption, const std::string& strId, int32_t intId,
                                        bool hasCustomValue) {
  FItems.push_back({-1, strId, intId, caption, "", hasCustomValue, ""});
  QSignalBlocker blocker(FList);
  FList->addItem(ToQString(caption));
  if (FList->count() == 1) FList->setCurrentIndex(-1);
  return static_cast<int32_t>(FItems.size()) - 1;
}

void TIDComboBoxWithEdit::BeginUpdate() { FList->setUpdatesEnabled(false); }

void TIDComboBoxWithEdit::EndUpdate() {
  FList->setUpdatesEnabled(true);
  update();
}

void TIDComboBoxWithEdit::ClearElements() {
  FItems.clear();
  QSignalBlocker blocker(FList);
  FList->clear();
  FSelectedIntId = -1;
  FSelectedStrId = NulMarker();
}

int32_t TIDComboBoxWithEdit::SelectFirstElement() {
  if (FItems.empty()) return -1;
  SetSelectedIntId(FItems[0].IntId);
  return FItems[0].IntId;
}

void TIDComboBoxWithEdit::SetSelectedIntId(int32_t value) {
  if (value == FSelectedIntId) return;
  int32_t index = GetIndexOfIntId(value);
  if (index < 0) return;
  QSignalBlocker blocker(FList);
  FList->setCurrentIndex(index);
  FSelectedIntId = value;
  FSelectedStrId = FItems[static_cast<size_t>(index)].StrId;
}

void TIDComboBoxWithEdit::SetEditTextQuietly(const std::string& text) {
  QSignalBlocker blocker(FEdit);
  FEdit->setText(ToQString(text));
}

void TIDComboBoxWithEdit::SetSelectedStrId(const std::string& value) {
  if (value == FSelectedStrId) return;
  int32_t index = GetIndexOfStrId(value);
  if (index < 0) return;
  TIDComboBoxWithEditItem& item = FItems[static_cast<size_t>(index)];
  {
    QSignalBlocker blocker(FList);
    FList->setCurrentIndex(index);
  }
  FSelectedIntId = item.IntId;
  FSelectedStrId = value;
  FEdit->setVisible(item.HasCustomValue);
  if (item.HasCustomValue) {
    // The id matched by its prefix, in any letter case.
    std::string custom = value;
    std::string lowerValue = UTF8LowerCase(value);
    std::string lowerPrefix = UTF8LowerCase(item.StrId);
    if (lowerValue.size() == value.size() && lowerPrefix.size() == item.StrId.size()) {
      size_t at = lowerValue.find(lowerPrefix);
      if (at != std::string::npos) custom.erase(at, item.StrId.size());
    } else if (value.compare(0, item.StrId.size(), item.StrId) == 0) {
      custom.erase(0, item.StrId.size());
    }
    // The loaded value is the element's value too, so that picking the entry
    // again keeps it.
    item.CustomValue = custom;
    SetEditTextQuietly(custom);
  }
}

void TIDComboBoxWithEdit::Sort() {
  SortElements(FItems, FList);
  int32_t index = GetIndexOfIntIdAndStrId(FSelectedIntId, FSelectedStrId);
  if (index >= 0) {
    QSignalBlocker blocker(FList);
    FList->setCurrentIndex(index);
  }
}

void TIDComboBoxWithEdit::SetSorted(bool value) {
  if (value) Sort();
  FSorted = value;
}

void TIDComboBoxWithEdit::SetControlSpacing(int32_t value) {
  if (value == FControlSpacing) return;
  FControlSpacing = value;
  if (auto* column = qobject_cast<QVBoxLayout*>(layout())) column->setSpacing(value);
}

bool TIDComboBoxWithEdit::StrIdMatches(const TIDComboBoxWithEditItem& item, const std::string& strId) const {
  std::string id = CaseSensitiveStrIds ? item.StrId : UTF8LowerCase(item.StrId);
  std::string s = CaseSensitiveStrIds ? strId : UTF8LowerCase(strId);
  if (item.HasCustomValue) return s.compare(0, id.size(), id) == 0;
  return s == id;
}

int32_t TIDComboBoxWithEdit::GetIndexOfIntId(int32_t intId) const {
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (FItems[i].IntId == intId) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t TIDComboBoxWithEdit::GetIndexOfStrId(const std::string& strId) const {
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (StrIdMatches(FItems[i], strId)) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t TIDComboBoxWithEdit::GetIndexOfIntIdAndStrId(int32_t intId, const std::string& strId) const {
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (FItems[i].IntId == intId && StrIdMatches(FItems[i], strId)) return static_cast<int32_t>(i);
  }
  return -1;
}

void TIDComboBoxWithEdit::ProcChange(QObject* sender) {
  int32_t index = FList->currentIndex();
  if (index < 0 || index >= GetCount()) return;
  TIDComboBoxWithEditItem& item = FItems[static_cast<size_t>(index)];
  FSelectedIntId = item.IntId;
  if (item.HasCustomValue) {
    if (sender == FEdit) {
      item.CustomValue = FromQString(FEdit->text());
    } else {
      SetEditTextQuietly(item.CustomValue);
    }
    FSelectedStrId = item.StrId + item.CustomValue;
  } else {
    FSelectedStrId = item.StrId;
  }
  FEdit->setVisible(item.HasCustomValue);
  if (OnChange) OnChange(this);
}
