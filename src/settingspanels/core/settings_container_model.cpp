#include "settingspanels/core/settings_container_model.h"

#include "foundation/types.h"
#include "frame/core/settings_obj.h"

// --- Declaring -------------------------------------------------------------------

int32_t TSettingsContainerModel::AddTab(const std::string& caption, int32_t captionSlot, const std::string& section,
                                        TSettingsContainerTabType tabType, int32_t sectionIndex) {
  TSettingsContainerTab t;
  t.Caption = caption;
  t.ShownCaption = caption;
  t.CaptionTextSlot = captionSlot;
  t.Section = section;
  if (tabType == scTabTypeDefault) tabType = DefaultTabType;
  if (tabType == scTabTypeDefault) tabType = scTabTypeCheckBox;
  t.TabType = tabType;
  t.Level = tabType == scTabTypeHeader ? 1 : 0;
  t.TabOpen = t.DefaultOpen = DefaultTabOpen;
  // A tab without a check box cannot be ticked, so it is always active.
  t.TabActive = t.DefaultActive = tabType != scTabTypeCheckBox;
  const bool isHead = sectionIndex >= 0 && sectionIndex < GetTabCount() && Tabs[sectionIndex].Level == 1;
  t.SectionIndex = isHead && t.Level == 0 ? sectionIndex : -1;
  t.ShowOptionButton = ShowOptionButtons;
  t.OpenWithCheckBox = OpenWithCheckBox;
  t.ColorContentBackground = ColorTabContentBackground;
  Tabs.push_back(std::move(t));
  return GetTabCount() - 1;
}

int32_t TSettingsContainerModel::AddSectionHead(const std::string& caption, int32_t captionSlot,
                                                const std::string& section) {
  return AddTab(caption, captionSlot, section, scTabTypeHeader);
}

int32_t TSettingsContainerModel::AddControl(int32_t tab, int32_t kind, const std::string& caption, int32_t captionSlot,
                                            const std::string& iniKey, const std::string& defaultValue) {
  TSettingsContainerControl r;
  r.TabIndex = tab;
  r.Kind = kind;
  r.Caption = caption;
  r.CaptionTextSlot = captionSlot;
  r.IniKey = iniKey;
  r.Stored = !iniKey.empty();
  r.StrValue = r.DefaultStrValue = defaultValue;
  ControlRecords.push_back(std::move(r));
  const int32_t index = static_cast<int32_t>(ControlRecords.size()) - 1;
  // The number of the default follows the rule a settings file's text follows.
  const int32_t number = LoadedNumber(index, defaultValue);
  ControlRecords[index].IntValue = ControlRecords[index].DefaultIntValue = number;
  return index;
}

int32_t TSettingsContainerModel::AddRadioButtonGroup(int32_t tab, const std::string& caption, int32_t captionSlot,
                                                     const std::string& iniKey, const std::string& defaultItemStrId,
                                                     int32_t defaultItemIntId) {
  const int32_t index = AddControl(tab, sckRadioButtonGroup, caption, captionSlot, iniKey, defaultItemStrId);
  ControlRecords[index].IntValue = ControlRecords[index].DefaultIntValue = defaultItemIntId;
  return index;
}

int32_t TSettingsContainerModel::AddRadioButtonGroupItem(int32_t group, const std::string& caption, int32_t captionSlot,
                                                         const std::string& itemStrId, int32_t itemIntId) {
  if (!IsRecordIndex(group)) return -1;
  const bool isDefault = ControlRecords[group].DefaultIntValue == itemIntId;
  const int32_t index = AddControl(ControlRecords[group].TabIndex, sckRadioButtonGroupItem, caption, captionSlot, "",
                                   isDefault ? "1" : "0");
  TSettingsContainerControl& r = ControlRecords[index];
  r.LinkIndex = group;
  r.ItemStrId = itemStrId;
  r.ItemIntId = itemIntId;
  r.ParentLevel = ControlRecords[group].ParentLevel;
  ControlRecords[group].Items.push_back(index);
  return index;
}

int32_t TSettingsContainerModel::AddOrderListItem(int32_t orderList, const std::string& caption, int32_t captionSlot,
                                                  const std::string& itemStrId) {
  if (!IsRecordIndex(orderList)) return -1;
  const int32_t index = AddControl(ControlRecords[orderList].TabIndex, sckOrderListItem, caption, captionSlot, "", "");
  ControlRecords[index].ItemStrId = itemStrId;
  ControlRecords[index].ItemIntId = index;
  TSettingsContainerControl& list = ControlRecords[orderList];
  list.Items.push_back(index);
  list.IntArrayValue.push_back(index);
  list.DefaultIntArrayValue.push_back(index);
  list.StrValue = list.DefaultStrValue = GetOrderListBoxIntOrderAsStrIdOrder(orderList);
  return index;
}

int32_t TSettingsContainerModel::AddVirtualListViewColumn(int32_t listView, int32_t columnDefinition,
                                                          int32_t captionSlot) {
  if (!IsRecordIndex(listView)) return -1;
  const int32_t index =
      AddControl(ControlRecords[listView].TabIndex, sckVirtualListViewColumn, "", captionSlot, "", "");
  ControlRecords[index].Param = columnDefinition;
  ControlRecords[listView].Items.push_back(index);
  return index;
}

int32_t TSettingsContainerModel::AddListInitializationData(const TSettingsContainerListInitializationData& items) {
  ListInitializationData.push_back(items);
  return static_cast<int32_t>(ListInitializationData.size()) - 1;
}

int32_t TSettingsContainerModel::AddColumnDefinition(int32_t columnType, int32_t textSlot) {
  ColumnDefinitions.push_back({columnType, textSlot});
  return static_cast<int32_t>(ColumnDefinitions.size()) - 1;
}

// --- Tabs ------------------------------------------------------------------------

int32_t TSettingsContainerModel::GetTabActiveCount() const {
  int32_t n = 0;
  for (const TSettingsContainerTab& t : Tabs)
    if (t.TabActive && t.TabType == scTabTypeCheckBox) ++n;
  return n;
}

int32_t TSettingsContainerModel::GetTabActiveCountInSection(int32_t sectionIndex) const {
  int32_t n = 0;
  for (const TSettingsContainerTab& t : Tabs)
    if (t.TabActive && t.TabType == scTabTypeCheckBox && t.SectionIndex == sectionIndex) ++n;
  return n;
}

int32_t TSettingsContainerModel::GetTabOpenCount() const {
  int32_t n = 0;
  for (const TSettingsContainerTab& t : Tabs)
    if (t.TabOpen) ++n;
  return n;
}

void TSettingsContainerModel::CloseAllTabs() {
  for (int32_t i = 0; i < GetTabCount(); ++i) OpenTab(i, false);
}

void TSettingsContainerModel::OpenSectionsWithActiveTabs() {
  for (int32_t i = 0; i < GetTabCount(); ++i)
    if (Tabs[i].Level == 1 && GetTabActiveCountInSection(i) > 0) OpenTab(i, true);
}

void TSettingsContainerModel::SetTabOpen(int32_t index, bool open) { Tabs[index].TabOpen = open; }

void TSettingsContainerModel::SetTabActive(int32_t index, bool active) { Tabs[index].TabActive = active; }

void TSettingsContainerModel::SetCaption(int32_t index, const std::string& caption) {
  TSettingsContainerTab& t = Tabs[index];
  t.Caption = caption;
  const bool counted = t.Level == 1 && Initialized;
  ShowTabCaption(index, counted ? SectionHeadCaption(caption, GetTabActiveCountInSection(index)) : caption);
}

void TSettingsContainerModel::ShowTabCaption(int32_t index, const std::string& caption) {
  Tabs[index].ShownCaption = caption;
}

std::string TSettingsContainerModel::SectionHeadCaption(const std::string& caption, int32_t ticked) const {
  if (ticked > 0 && FShowNumberOfCheckedTabs) return caption + " (" + std::to_string(ticked) + ")";
  return caption;
}

void TSettingsContainerModel::RefreshShowNumberOfCheckedTabs() {
  if (!Initialized || Updating) return;
  for (int32_t i = 0; i < GetTabCount(); ++i) {
    if (Tabs[i].Level != 1) continue;
    // The count stands beside the declared caption, which is never cut.
    const std::string shown = SectionHeadCaption(Tabs[i].Caption, GetTabActiveCountInSection(i));
    if (shown != Tabs[i].ShownCaption) ShowTabCaption(i, shown);
  }
}

void TSettingsContainerModel::SetShowNumberOfCheckedTabs(bool value) {
  if (value == FShowNumberOfCheckedTabs) return;
  FShowNumberOfCheckedTabs = value;
  RefreshShowNumberOfCheckedTabs();
}

void TSettingsContainerModel::SetStrCaptionOptionButtons(const std::string& value) { FStrCaptionOptionButtons = value; }

double TSettingsContainerModel::GetScaleFactorForCurrentDPI(bool) const { return 1.0; }

// --- Values ------------------------------------------------------------------------

int32_t TSettingsContainerModel::NumberOfTypedText(const std::string& text, int32_t fallback) {
  int32_t number = 0;
  return SOIsWholeNumber(text, number) ? number : fallback;
}

void TSettingsContainerModel::ControlValueChanged(int32_t index, const std::string& text, int32_t number,
                                                  double dateTime) {
  if (Updating || !IsRecordIndex(index)) return;
  TSettingsContainerControl& r = ControlRecords[index];
  r.ValueSet = true;
  if (IsNulMarker(text)) return;
  if ((r.Kind == sckRadioButton || r.Kind == sckRadioButtonGroupItem) && number == 0) {
    // A radio unchecked by its neighbour reports nothing; a single radio still
    // keeps what it shows, or it would be saved as checked.
    if (r.Kind == sckRadioButton) {
      r.StrValue = "0";
      r.IntValue = 0;
    }
    return;
  }
  r.StrValue = text;
  r.IntValue = number;

  std::string reportedText = text;
  int32_t reportedNumber = number;
  int32_t reportedID = index;
  if (r.Kind == sckRadioButtonGroupItem && IsRecordIndex(r.LinkIndex)) {
    reportedText = r.ItemStrId;
    reportedNumber = r.ItemIntId;
    reportedID = r.LinkIndex;
    TSettingsContainerControl& group = ControlRecords[r.LinkIndex];
    group.StrValue = reportedText;
    group.IntValue = reportedNumber;
    group.ValueSet = true;
  }

  const int32_t tabIndex = ControlRecords[index].TabIndex;
  if (tabIndex < 0 || tabIndex >= GetTabCount()) return;
  const TSettingsContainerTab& t = Tabs[tabIndex];
  if (ExecuteValueChangeOnlyIfTabActive && !t.TabActive && !t.AlwaysNotify) return;
  if (t.StandardTabType != scStandardTabNone) {
    if (OnStandardTabValueChange) OnStandardTabValueChange(this, tabIndex, t.StandardTabType);
  } else if (OnCustomTabValueChange) {
    OnCustomTabValueChange(this, reportedID, reportedText, reportedNumber, dateTime);
  }
}

void TSettingsContainerModel::OrderListBoxRearranged(int32_t index, const TIntArray& order) {
  if (!IsRecordIndex(index)) return;
  ControlRecords[index].IntArrayValue = order;
  if (OnCustomTabValueChange) OnCustomTabValueChange(this, index, "", 0, 0.0);
}

void TSettingsContainerModel::ButtonClicked(int32_t controlID) {
  if (OnButtonClick) OnButtonClick(this, controlID);
}

std::string TSettingsContainerModel::Translation(int32_t slot) const {
  return OnGetTranslation && slot >= 0 ? OnGetTranslation(slot) : std::string();
}

std::string TSettingsContainerModel::MemoDialogTitle(int32_t index) const {
  if (!IsRecordIndex(index)) return std::string();
  const TSettingsContainerControl& r = ControlRecords[index];
  if (!OnGetTranslation) return r.Caption;
  std::string part;
  if (r.CaptionTextSlot >= 0) {
    part = Translation(r.CaptionTextSlot);
  } else if (r.ParentLevel == scParentCheckPanel && index > 0 && ControlRecords[index - 1].Kind == sckCheckPanel &&
             ControlRecords[index - 1].CaptionTextSlot >= 0) {
    part = Translation(ControlRecords[index - 1].CaptionTextSlot);
  }
  if (r.TabIndex < 0 || r.TabIndex >= GetTabCount()) return part;
  // A tab declared without a slot still has its caption to name it.
  const TSettingsContainerTab& t = Tabs[r.TabIndex];
  std::string title = t.CaptionTextSlot >= 0 ? Translation(t.CaptionTextSlot) : t.Caption;
  if (!part.empty()) title = title.empty() ? part : title + " - " + part;
  return title;
}

std::vector<TSettingsContainerVirtualListViewDialogControl> TSettingsContainerModel::RowEditorFields(
    int32_t buttonRow, TIntArray& columnPositions) const {
  std::vector<TSettingsContainerVirtualListViewDialogControl> fields;
  columnPositions.clear();
  if (!IsRecordIndex(buttonRow)) return fields;
  const int32_t listView = ControlRecords[buttonRow].IntValue;
  if (!IsRecordIndex(listView)) return fields;
  const TIntArray& members = ControlRecords[listView].Items;
  for (size_t j = 0; j < members.size(); ++j) {
    if (!IsRecordIndex(members[j])) continue;
    const int32_t d = ControlRecords[members[j]].Param;
    if (d < 0 || static_cast<size_t>(d) >= ColumnDefinitions.size()) continue;
    int32_t kind = -1;
    switch (ColumnDefinitions[d].ColumnType) {
      case scColumnOneLine: kind = scdOneLine; break;
      case scColumnMultiLine: kind = scdMultiLine; break;
      case scColumnFlag: kind = scdFlag; break;
      default: continue;
    }
    fields.push_back({kind, Translation(ColumnDefinitions[d].TextSlot), "1"});
    columnPositions.push_back(static_cast<int32_t>(j));
  }
  return fields;
}

bool TSettingsContainerModel::TakeDefaultText(int32_t index, const std::string& text) {
  if (!IsRecordIndex(index)) return false;
  TSettingsContainerControl& r = ControlRecords[index];
  if (r.DefaultValueTextSlot < 0) return false;
  // A value still equal to the default of the language shown before is one
  // the user never changed, whether or not a settings file brought it.
  const bool untouched = !r.ValueSet || r.StrValue == r.DefaultStrValue;
  r.DefaultStrValue = text;
  if (!untouched) return false;
  r.StrValue = text;
  return true;
}
