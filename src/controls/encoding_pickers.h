// Pickers for the text-file parameters: code page, line-break kind, and the
// advanced line-break and CSV parameters with a typed value.
#pragma once

#include <QComboBox>
#include <cstdint>
#include <functional>
#include <string>

#include "controls/id_combo_box.h"
#include "foundation/code_pages.h"
#include "foundation/line_breaks.h"
#include "foundation/types.h"

// Caption of an entry from its number (and the long-form flag, always true).
using TItemCaptionFuncLong = std::function<std::string(int32_t number, bool longForm)>;
using TItemCaptionFunc = std::function<std::string(int32_t number)>;

// The parameter word and display name of a line-break kind ("unknown" and
// "UNKOWN" for a number that names none).
std::string LineBreakIsoString(int32_t lineBreak);
std::string LineBreakDisplayString(int32_t lineBreak);

using TCodePageComboBoxChangeNotification = std::function<void(QObject* Sender, int32_t ACodePage)>;
using TLineBreakComboBoxChangeNotification = std::function<void(QObject* Sender, int32_t ALineBreak)>;

class TCodePageComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TCodePageComboBox(QWidget* parent = nullptr);

  int32_t CodePage() const { return FCodePage; }
  void SetCodePage(int32_t value);
  std::string GetCodePageAsStrId() const;
  std::string GetCodePageAsIsoString() const;
  std::string GetCodePageAsString() const;
  // Every name, id or alias of a code page selects it; anything else UTF-8.
  void SetCodePageFromString(const std::string& text);

  bool ShowItemAutoDetect() const { return FShowItemAutoDetect; }
  void SetShowItemAutoDetect(bool value);
  bool ShowItemKeep() const { return FShowItemKeep; }
  void SetShowItemKeep(bool value);
  void ShowItems(bool autoDetect, bool keep);
  void RefreshItems();
  // The code page of each line.
  const TIntArray& LineTable() const { return FLineTable; }

  TItemCaptionFuncLong ItemCaptionFunc;
  TCodePageComboBoxChangeNotification OnSelectionChange;
  TIDNotifyEvent OnChange;

  void Change();

 private:
  void CreateItems();

  int32_t FCodePage = cpUTF8;
  bool FShowItemAutoDetect = false;
  bool FShowItemKeep = false;
  TIntArray FLineTable;
};

class TLineBreakComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TLineBreakComboBox(QWidget* parent = nullptr);

  int32_t LineBreak() const { return FLineBreak; }
  void SetLineBreak(int32_t value);
  std::string GetLineBreakAsIsoString() const { return LineBreakIsoString(FLineBreak); }
  std::string GetLineBreakAsString() const { return LineBreakDisplayString(FLineBreak); }
  // Select the kind the text names, as the code-page picker does.
  void SetLineBreakFromIsoString(const std::string& text);
  void SetLineBreakFromString(const std::string& text);

  bool ShowItemAutoDetect() const { return FShowItemAutoDetect; }
  void SetShowItemAutoDetect(bool value);
  bool ShowItemKeep() const { return FShowItemKeep; }
  void SetShowItemKeep(bool value);
  bool ShowItemSystem() const { return FShowItemSystem; }
  void SetShowItemSystem(bool value);
  bool ShowExtendedItems() const { return FShowExtendedItems; }
  void SetShowExtendedItems(bool value);
  void ShowItems(bool autoDetect, bool keep, bool system, bool extended);
  void RefreshItems();
  const TIntArray& LineTable() const { return FLineTable; }

  TItemCaptionFuncLong ItemCaptionFunc;
  TLineBreakComboBoxChangeNotification OnSelectionChange;
  TIDNotifyEvent OnChange;

  void Change();

 private:
  void CreateItems();

  int32_t FLineBreak = lbkCRLF;
  bool FShowItemAutoDetect = false;
  bool FShowItemKeep = false;
  bool FShowItemSystem = false;
  bool FShowExtendedItems = true;
  TIntArray FLineTable;
};

// The twelve switches of the advanced line-break picker, in their order.
struct TAdvancedLineBreakItems {
  bool ShowItemAutoDetect = false;
  bool ShowItemKeep = false;
  bool ShowItemSystem = false;
  bool ShowItemsStandard = true;
  bool ShowItemsExtended = true;
  bool ShowItemTab = false;
  bool ShowItemCustomStr = false;
  bool ShowItemCustomStrs = false;
  bool ShowItemCustomCP = false;
  bool ShowItemCustomCPs = false;
  bool ShowItemFixedLineLength = false;
  bool ShowItemNoChar = false;
  bool operator==(const TAdvancedLineBreakItems&) const = default;
};

class TAdvancedLineBreakComboBox : public TIDComboBoxWithEdit {
  Q_OBJECT
 public:
  explicit TAdvancedLineBreakComboBox(QWidget* parent = nullptr);

  const TAdvancedLineBreakItems& Switches() const { return FSwitches; }
  // Each switch setter rebuilds the list when the value changes.
  void SetSwitch(bool TAdvancedLineBreakItems::*which, bool value);
  void ShowItems(const TAdvancedLineBreakItems& switches);
  void RefreshItems();

  TItemCaptionFuncLong ItemCaptionFunc;

 private:
  void CreateItems();

  TAdvancedLineBreakItems FSwitches;
};

// The eleven switches of the CSV parameter picker, in their order.
struct TCSVParamItems {
  bool ShowItemAutoDetect = false;
  bool ShowItemKeep = false;
  bool ShowItemFieldSeparatorSystem = false;
  bool ShowItemsFieldSeparators = true;
  bool ShowItemsQuotes = false;
  bool ShowItemCustomStr = false;
  bool ShowItemCustomStrs = false;
  bool ShowItemCustomCP = false;
  bool ShowItemCustomCPs = false;
  bool ShowItemFixedLength = false;
  bool ShowItemNoChar = false;
  bool operator==(const TCSVParamItems&) const = default;
};

class TCSVParamComboBox : public TIDComboBoxWithEdit {
  Q_OBJECT
 public:
  explicit TCSVParamComboBox(QWidget* parent = nullptr);

  const TCSVParamItems& Switches() const { return FSwitches; }
  void SetSwitch(bool TCSVParamItems::*which, bool value);
  void ShowItems(const TCSVParamItems& switches);
  void RefreshItems();

  TItemCaptionFunc ItemCaptionFunc;

 private:
  void CreateItems();

  TCSVParamItems FSwitches;
};
