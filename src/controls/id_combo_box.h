// Drop-down lists whose entries carry an integer id and a string id beside
// their caption, so that a choice is stored by id and captions can be
// translated and re-sorted freely. The second control adds an edit for
// entries that take a typed value ("customstr-" followed by the text).
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "foundation/types.h"

struct TIDComboBoxItem {
  int32_t SprId = -1;
  std::string StrId;
  int32_t IntId = 0;
  std::string FixedString;
  std::string SortText;
};
using TIDComboBoxItems = std::vector<TIDComboBoxItem>;

struct TIDComboBoxWithEditItem {
  int32_t SprId = -1;
  std::string StrId;
  int32_t IntId = 0;
  std::string FixedString;
  std::string SortText;
  bool HasCustomValue = false;
  std::string CustomValue;
};
using TIDComboBoxWithEditItems = std::vector<TIDComboBoxWithEditItem>;

// The sort key of a caption: upper case, then diacritics to their base letters.
std::string IDComboBoxSortKey(const std::string& caption);

using TIDComboBoxChangeNotification =
    std::function<void(QObject* Sender, const std::string& AElementStrID, int32_t AElementIntID)>;
using TIDNotifyEvent = std::function<void(QObject* Sender)>;

class TIDComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TIDComboBox(QWidget* parent = nullptr);

  int32_t AddElement(const std::string& caption, const std::string& strId, int32_t intId);
  int32_t AddElement(int32_t sprId, const std::string& strId, int32_t intId);
  // Deletes every element with both ids; true when one was deleted.
  bool DeleteElement(const std::string& strId, int32_t intId);
  bool DeleteElementInternal(int32_t index);
  void BeginUpdate();
  void EndUpdate();
  void ClearElements();
  int32_t SelectFirstElement();

  const std::string& SelectedStrId() const { return FSelectedStrId; }
  void SetSelectedStrId(const std::string& value);
  int32_t SelectedIntId() const { return FSelectedIntId; }
  void SetSelectedIntId(int32_t value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  void Sort();
  bool GetAllowEditing() const { return isEditable(); }
  void SetAllowEditing(bool value) { setEditable(value); }

  int32_t GetIndexOfIntId(int32_t intId) const;
  int32_t GetIndexOfStrId(const std::string& strId) const;
  int32_t GetIndexOfIntIdAndStrId(int32_t intId, const std::string& strId) const;
  int32_t GetSprId(int32_t index) const;
  int32_t GetIntId(int32_t index) const;
  std::string GetFixedString(int32_t index) const;
  void SetFixedString(int32_t index, const std::string& text);
  int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
  const TIDComboBoxItems& Items() const { return FItems; }

  TIDComboBoxChangeNotification OnSelectionChange;
  TIDNotifyEvent OnChange;

  // What a pick of the user runs; public so that owners and tests can replay it.
  void Change();

 private:
  int32_t AddElementInternal(int32_t sprId, const std::string& fixedString, const std::string& strId, int32_t intId);

  TIDComboBoxItems FItems;
  int32_t FSelectedIntId = -1;
  std::string FSelectedStrId = NulMarker();
  bool FSorted = false;
};

class TIDComboBoxWithEdit : public QWidget {
  Q_OBJECT
 public:
  explicit TIDComboBoxWithEdit(QWidget* parent = nullptr);

  int32_t AddElement(const std::string& caption, const std::string& strId, int32_t intId, bool hasCustomValue);
  void BeginUpdate();
  void EndUpdate();
  void ClearElements();
  int32_t SelectFirstElement();

  const std::string& SelectedStrId() const { return FSelectedStrId; }
  void SetSelectedStrId(const std::string& value);
  int32_t SelectedIntId() const { return FSelectedIntId; }
  void SetSelectedIntId(int32_t value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  void Sort();
  int32_t ControlSpacing() const { return FControlSpacing; }
  void SetControlSpacing(int32_t value);
  bool CaseSensitiveStrIds = false;

  int32_t GetIndexOfIntId(int32_t intId) const;
  int32_t GetIndexOfStrId(const std::string& strId) const;
  int32_t GetIndexOfIntIdAndStrId(int32_t intId, const std::string& strId) const;
  int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
  const TIDComboBoxWithEditItems& Items() const { return FItems; }

  QComboBox* List() const { return FList; }
  QLineEdit* Edit() const { return FEdit; }

  TIDNotifyEvent OnChange;

  // The change handler of both inner controls.
  void ProcChange(QObject* sender);

 private:
  bool StrIdMatches(const TIDComboBoxWithEditItem& item, const std::string& strId) const;
  void SetEditTextQuietly(const std::string& text);

  QComboBox* FList;
  QLineEdit* FEdit;
  TIDComboBoxWithEditItems FItems;
  int32_t FSelectedIntId = -1;
  std::string FSelectedStrId = NulMarker();
  bool FSorted = false;
  int32_t FControlSpacing = 5;
};
