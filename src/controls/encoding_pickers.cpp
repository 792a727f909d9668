#include "controls/encoding_pickers.h"

#include <QSignalBlocker>

#include "foundation/code_pages.h"
#include "foundation/csv_params.h"
#include "foundation/letter_case.h"
#include "foundation/line_breaks.h"
#include "foundation/qt/qt_strings.h"

std::string LineBreakIsoString(int32_t lineBreak) {
  switch (lineBreak) {
    case lbkAutoDetect: return "auto";
    case lbkKeep: return "keep";
    case lbkSystem: return "system";
    case lbkBinary: return "binary";
    case lbkNoChar: return "nochar";
    case lbkTab: return "tab";
    case lbkLF: return "lf";
    case lbkVT: return "vt";
    case lbkFF: return "ff";
    case lbkCR: return "cr";
    case lbkNL: return "nl";
    case lbkNEL: return "nel";
    case lbkCRLF: return "crlf";
    case lbkLS: return "ls";
    case lbkPS: return "ps";
    default: return "unknown";
  }
}

std::string LineBreakDisplayString(int32_t lineBreak) {
  switch (lineBreak) {
    case lbkAutoDetect: return "AUTO";
    case lbkKeep: return "KEEP";
    case lbkSystem: return "SYSTEM";
    case lbkBinary: return "BINARY";
    case lbkNoChar: return "NO LINEBREAK";
    case lbkTab:
    case lbkLF:
    case lbkVT:
    case lbkFF:
    case lbkCR:
    case lbkNL:
    case lbkNEL:
    case lbkCRLF:
    case lbkLS:
    case lbkPS: return LineBreakToStr(static_cast<uint32_t>(lineBreak), true);
    default: return "UNKOWN";
  }
}

namespace {

void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size())) {
    text.replace(at, what.size(), with);
  }
}

}  // namespace

// --- TCodePageComboBox -------------------------------------------------------

TCodePageComboBox::TCodePageComboBox(QWidget* parent) : QComboBox(parent) {
  ItemCaptionFunc = [](int32_t codePage, bool longForm) { return CodePageToStr(codePage, longForm); };
  connect(this, &QComboBox::activated, this, [this] { Change(); });
  CreateItems();
}

void TCodePageComboBox::CreateItems() {
  QSignalBlocker blocker(this);
  setUpdatesEnabled(false);
  clear();
  FLineTable.clear();
  auto add = [&](int32_t codePage, std::string caption) {
    addItem(ToQString(caption));
    FLineTable.push_back(codePage);
  };
  if (FShowItemAutoDetect) add(cpAutoDetect, ItemCaptionFunc(cpAutoDetect, true));
  if (FShowItemKeep) add(cpKeep, ItemCaptionFunc(cpKeep, true));
  // The leading entries are never selected here.
  int selected = -1;
  for (int32_t codePage : CodePagesAvailable()) {
    std::string caption = ItemCaptionFunc(codePage, true);
    ReplaceAll(caption, "WINDOWS", "WIN");
    add(codePage, caption);
    if (codePage == FCodePage) selected = count() - 1;
  }
  setCurrentIndex(selected);
  setMaxVisibleItems(count());
  setUpdatesEnabled(true);
}

void TCodePageComboBox::SetCodePage(int32_t value) {
  if (value == FCodePage) return;
  for (size_t i = 0; i < FLineTable.size(); ++i) {
    if (FLineTable[i] == value) {
      QSignalBlocker blocker(this);
      setCurrentIndex(static_cast<int>(i));
      FCodePage = value;
      return;
    }
  }
}

std::string TCodePageComboBox::GetCodePageAsStrId() const { return CodePageToStrID(FCodePage); }
std::string TCodePageComboBox::GetCodePageAsIsoString() const { return CodePageToISOStr(FCodePage, true, true); }
std::string TCodePageComboBox::GetCodePageAsString() const { return CodePageToStr(FCodePage, false); }
void TCodePageComboBox::SetCodePageFromString(const std::string& text) { SetCodePage(StrToCodePage(text)); }

void TCodePageComboBox::SetShowItemAutoDetect(bool value) {
  if (value == FShowItemAutoDetect) return;
  FShowItemAutoDetect = value;
  CreateItems();
}

void TCodePageComboBox::SetShowItemKeep(bool value) {
  if (value == FShowItemKeep) return;
  FShowItemKeep = value;
  CreateItems();
}

void TCodePageComboBox::ShowItems(bool autoDetect, bool keep) {
  FShowItemAutoDetect = autoDetect;
  FShowItemKeep = keep;
  CreateItems();
}

void TCodePageComboBox::RefreshItems() {
  int index = currentIndex();
  CreateItems();
  QSignalBlocker blocker(this);
  setCurrentIndex(index < count() ? index : -1);
}

void TCodePageComboBox::Change() {
  int index = currentIndex();
  if (index < 0 || static_cast<size_t>(index) >= FLineTable.size()) return;
  FCodePage = FLineTable[static_cast<size_t>(index)];
  if (OnSelectionChange) OnSelectionChange(this, FCodePage);
  if (OnChange) OnChange(this);
}

// --- TLineBreakComboBox ------------------------------------------------------

TLineBreakComboBox::TLineBreakComboBox(QWidget* parent) : QComboBox(parent) {
  ItemCaptionFunc = [](int32_t kind, bool longForm) { return LineBreakToStr(static_cast<uint32_t>(kind), longForm); };
  connect(this, &QComboBox::activated, this, [this] { Change(); });
  CreateItems();
}

void TLineBreakComboBox::CreateItems() {
  QSignalBlocker blocker(this);
  setUpdatesEnabled(false);
  clear();
  FLineTable.clear();
  auto add = [&](int32_t kind) {
    addItem(ToQString(ItemCaptionFunc(kind, true)));
    FLineTable.push_back(kind);
  };
  if (FShowItemAutoDetect) add(lbkAutoDetect);
  if (FShowItemKeep) add(lbkKeep);
  if (FShowItemSystem) add(lbkSystem);
  int selected = -1;
  for (int32_t kind : LineBreaksAvailable(FShowExtendedItems)) {
    add(kind);
    if (kind == FLineBreak) selected = count() - 1;
  }
  setCurrentIndex(selected);
  setMaxVisibleItems(count());
  setUpdatesEnabled(true);
}

void TLineBreakComboBox::SetLineBreak(int32_t value) {
  if (value == FLineBreak) return;
  for (size_t i = 0; i < FLineTable.size(); ++i) {
    if (FLineTable[i] == value) {
      QSignalBlocker blocker(this);
      setCurrentIndex(static_cast<int>(i));
      FLineBreak = value;
      return;
    }
  }
}

void TLineBreakComboBox::SetLineBreakFromIsoString(const std::string& text) {
  SetLineBreak(static_cast<int32_t>(StrToLineBreak(text)));
}

void TLineBreakComboBox::SetLineBreakFromString(const std::string& text) {
  SetLineBreak(static_cast<int32_t>(StrToLineBreak(text)));
}

void TLineBreakComboBox::SetShowItemAutoDetect(bool value) {
  if (value == FShowItemAutoDetect) return;
  FShowItemAutoDetect = value;
  CreateItems();
}

void TLineBreakComboBox::SetShowItemKeep(bool value) {
  if (value == FShowItemKeep) return;
  FShowItemKeep = value;
  CreateItems();
}

void TLineBreakComboBox::SetShowItemSystem(bool value) {
  if (value == FShowItemSystem) return;
  FShowItemSystem = value;
  CreateItems();
}

void TLineBreakComboBox::SetShowExtendedItems(bool value) {
  if (value == FShowExtendedItems) return;
  FShowExtendedItems = value;
  CreateItems();
}

void TLineBreakComboBox::ShowItems(bool autoDetect, bool keep, bool system, bool extended) {
  FShowItemAutoDetect = autoDetect;
  FShowItemKeep = keep;
  FShowItemSystem = system;
  FShowExtendedItems = extended;
  CreateItems();
}

void TLineBreakComboBox::RefreshItems() {
  int index = currentIndex();
  CreateItems();
  QSignalBlocker blocker(this);
  setCurrentIndex(index < count() ? index : -1);
}

void TLineBreakComboBox::Change() {
  int index = currentIndex();
  if (index < 0 || static_cast<size_t>(index) >= FLineTable.size()) return;
  FLineBreak = FLineTable[static_cast<size_t>(index)];
  if (OnSelectionChange) OnSelectionChange(this, FLineBreak);
  if (OnChange) OnChange(this);
}

// --- TAdvancedLineBreakComboBox ----------------------------------------------

TAdvancedLineBreakComboBox::TAdvancedLineBreakComboBox(QWidget* parent) : TIDComboBoxWithEdit(parent) {
  CreateItems();
  SelectFirstElement();
}

void TAdvancedLineBreakComboBox::CreateItems() {
  const TAdvancedLineBreakItems& s = FSwitches;
  TLineBreakParamArray params;
  LineBreakGetParams(params, s.ShowItemAutoDetect, s.ShowItemKeep, s.ShowItemSystem, s.ShowItemsStandard,
                     s.ShowItemsExtended, s.ShowItemTab, s.ShowItemCustomStr, s.ShowItemCustomStrs, s.ShowItemCustomCP,
                     s.ShowItemCustomCPs, s.ShowItemFixedLineLength, s.ShowItemNoChar);
  BeginUpdate();
  ClearElements();
  for (const TLineBreakParam& p : params) {
    std::string caption;
    if (ItemCaptionFunc) caption = ItemCaptionFunc(static_cast<int32_t>(p.LineBreakType), true);
    if (caption.empty()) caption = p.Caption;
    if (p.NeedsValue) caption += ":";
    AddElement(caption, ASCIILowerCase(p.ParamStr), static_cast<int32_t>(p.LineBreakType), p.NeedsValue);
  }
  EndUpdate();
  List()->setMaxVisibleItems(std::max(1, GetCount()));
}

void TAdvancedLineBreakComboBox::SetSwitch(bool TAdvancedLineBreakItems::*which, bool value) {
  if (FSwitches.*which == value) return;
  FSwitches.*which = value;
  CreateItems();
}

void TAdvancedLineBreakComboBox::ShowItems(const TAdvancedLineBreakItems& switches) {
  FSwitches = switches;
  CreateItems();
}

void TAdvancedLineBreakComboBox::RefreshItems() {
  int index = List()->currentIndex();
  CreateItems();
  QSignalBlocker blocker(List());
  List()->setCurrentIndex(index < List()->count() ? index : -1);
}

// --- TCSVParamComboBox -------------------------------------------------------

TCSVParamComboBox::TCSVParamComboBox(QWidget* parent) : TIDComboBoxWithEdit(parent) {
  CreateItems();
  SelectFirstElement();
}

void TCSVParamComboBox::CreateItems() {
  const TCSVParamItems& s = FSwitches;
  TCSVParamArray params;
  CSVGetParams(params, s.ShowItemAutoDetect, s.ShowItemKeep, s.ShowItemFieldSeparatorSystem, s.ShowItemsFieldSeparators,
               s.ShowItemsQuotes, s.ShowItemCustomStr, s.ShowItemCustomStrs, s.ShowItemCustomCP, s.ShowItemCustomCPs,
               s.ShowItemFixedLength, s.ShowItemNoChar);
  BeginUpdate();
  ClearElements();
  for (const TCSVParam& p : params) {
    std::string caption;
    if (ItemCaptionFunc) caption = ItemCaptionFunc(static_cast<int32_t>(p.ParamType));
    if (caption.empty()) caption = p.Caption;
    // A blank and a tab would show as nothing.
    if (!p.Char.empty() && p.ParamType != 15 && p.ParamType != 16) caption += " " + p.Char;
    if (p.NeedsValue) caption += ":";
    AddElement(caption, p.ParamStr, static_cast<int32_t>(p.ParamType), p.NeedsValue);
  }
  EndUpdate();
}

void TCSVParamComboBox::SetSwitch(bool TCSVParamItems::*which, bool value) {
  if (FSwitches.*which == value) return;
  FSwitches.*which = value;
  CreateItems();
}

void TCSVParamComboBox::ShowItems(const TCSVParamItems& switches) {
  FSwitches = switches;
  CreateItems();
}

void TCSVParamComboBox::RefreshItems() {
  int index = List()->currentIndex();
  CreateItems();
  QSignalBlocker blocker(List());
  List()->setCurrentIndex(index < List()->count() ? index : -1);
}
