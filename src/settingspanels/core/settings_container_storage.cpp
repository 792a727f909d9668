// Loading, saving and resetting the values of a settings container.
#include <algorithm>

#include "foundation/code_pages.h"
#include "foundation/line_breaks.h"
#include "foundation/number_format.h"
#include "foundation/str_arrays.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"
#include "frame/core/settings_obj.h"
#include "settingspanels/core/settings_container_model.h"

namespace {

bool IsOrderListBox(int32_t kind) { return kind == sckOrderListBox || kind == sckOrderListBoxAlt; }

int32_t AlignmentOfText(const std::string& t) {
  if (t == "right") return 1;
  if (t == "center") return 2;
  return 0;
}

// Replaces the first occurrence only, as the stored order is decoded member by member.
void ReplaceFirst(std::string& text, const std::string& oldText, const std::string& newText) {
  const size_t at = text.find(oldText);
  if (at != std::string::npos) text.replace(at, oldText.size(), newText);
}

}  // namespace

int32_t TSettingsContainerModel::LoadedNumber(int32_t index, const std::string& text) {
  TSettingsContainerControl& r = ControlRecords[index];
  const std::string t = Trim(text);
  int32_t number = 0;
  if (SOIsWholeNumber(t, number)) return number;
  switch (r.Kind) {
    case sckRadioButtonGroup: return GetRadioButtonGroupItemIntIdFromStrId(index, t, r.DefaultIntValue);
    case sckAlignmentComboBox: return AlignmentOfText(t);
    case sckSizeTypeComboBox: return static_cast<int32_t>(StrToSizeType(t, sizeTypeBestUnit));
    case sckCodePageComboBox: return StrToCodePage(t);
    case sckLineBreakComboBox: return static_cast<int32_t>(StrToLineBreak(t));
    case sckOrderListBox:
    case sckOrderListBoxAlt: r.IntArrayValue = GetOrderListBoxStrIdOrderAsIntOrder(index, t); return r.IntValue;
    default: return 0;
  }
}

void TSettingsContainerModel::SettingsLoad(TDocINI& document, bool loadDefaults, bool scale) {
  Updating = true;
  for (int32_t tab = 0; tab < GetTabCount(); ++tab) {
    const std::string section = Tabs[tab].Section;
    if (section.empty()) continue;
    const bool activeFallback = loadDefaults ? false : Tabs[tab].TabActive;
    const bool openFallback = loadDefaults ? false : Tabs[tab].TabOpen;
    if (Tabs[tab].TabType == scTabTypeLabel)
      SetTabActive(tab, true);
    else
      SetTabActive(tab, document.ReadBoolean(section, "active", activeFallback));
    SetTabOpen(tab, document.ReadBoolean(section, "open", openFallback));

    for (int32_t i = 0; IsRecordIndex(i); ++i) {
      TSettingsContainerControl& r = ControlRecords[i];
      if (r.TabIndex != tab || !IsStored(r)) continue;
      if (r.Kind == sckActionList) LoadActionListSettings(i, document, section, loadDefaults, scale);
      std::string text;
      if (!document.ReadStringIfKeyExists(section, r.IniKey, text)) {
        if (!loadDefaults) continue;
        text = r.DefaultStrValue;
      }
      r.StrValue = text;
      r.ValueSet = true;
      r.IntValue = LoadedNumber(i, text);
    }
  }
  Updating = false;
  UpdateControlValuesInGUI();
}

void TSettingsContainerModel::SettingsSave(TDocINI& document, bool onlyNonDefault) {
  SaveModifiedActionLists();
  for (int32_t tab = 0; tab < GetTabCount(); ++tab) {
    const TSettingsContainerTab& t = Tabs[tab];
    if (t.Section.empty()) continue;
    // Only a closed or unticked tab counts as the default state.
    if (t.TabType != scTabTypeLabel && (t.TabActive || !onlyNonDefault)) document.Add(t.Section, "active", t.TabActive);
    if (t.TabOpen || !onlyNonDefault) document.Add(t.Section, "open", t.TabOpen);
    for (int32_t i = 0; IsRecordIndex(i); ++i) {
      const TSettingsContainerControl& r = ControlRecords[i];
      if (r.TabIndex != tab || !IsStored(r)) continue;
      const std::string value = IsOrderListBox(r.Kind) ? GetOrderListBoxIntOrderAsStrIdOrder(i) : r.StrValue;
      if (!onlyNonDefault || value != r.DefaultStrValue) document.Add(t.Section, r.IniKey, value);
      if (r.Kind == sckActionList) SaveActionListSettings(i, document, t.Section);
    }
  }
}

void TSettingsContainerModel::ResetValuesToDefault() {
  Updating = true;
  InitializeStandardSettings();
  for (int32_t tab = 0; tab < GetTabCount(); ++tab) {
    SetTabActive(tab, Tabs[tab].DefaultActive);
    SetTabOpen(tab, Tabs[tab].DefaultOpen);
  }
  for (TSettingsContainerControl& r : ControlRecords) {
    if (!r.Used) continue;
    r.StrValue = r.DefaultStrValue;
    r.IntValue = r.DefaultIntValue;
    r.IntArrayValue = r.DefaultIntArrayValue;
    r.ValueSet = false;
  }
  Updating = false;
  UpdateControlValuesInGUI();
}

void TSettingsContainerModel::UpdateControlValuesInGUI() { RefreshShowNumberOfCheckedTabs(); }

int32_t TSettingsContainerModel::GetRadioButtonGroupItemIntIdFromStrId(int32_t group, const std::string& strId,
                                                                       int32_t fallback) const {
  if (!IsRecordIndex(group)) return fallback;
  for (int32_t m : ControlRecords[group].Items)
    if (IsRecordIndex(m) && ControlRecords[m].ItemStrId == strId) return ControlRecords[m].ItemIntId;
  return fallback;
}

std::string TSettingsContainerModel::GetOrderListBoxIntOrderAsStrIdOrder(int32_t index) const {
  if (!IsRecordIndex(index)) return std::string();
  TStrArray ids;
  for (int32_t m : ControlRecords[index].IntArrayValue)
    if (IsRecordIndex(m)) ids.push_back(ControlRecords[m].ItemStrId);
  return Implode(ids, "|");
}

TIntArray TSettingsContainerModel::GetOrderListBoxStrIdOrderAsIntOrder(int32_t index, const std::string& text) const {
  TIntArray result;
  if (!IsRecordIndex(index)) return result;
  const TSettingsContainerControl& r = ControlRecords[index];
  // Each member's string id becomes its record index in place. A member whose
  // string id is itself a number can be taken for another member's index; the
  // stored format stays as files have it, so that case keeps this reading.
  std::string s = "|" + text + "|";
  for (int32_t m : r.Items) {
    if (!IsRecordIndex(m)) continue;
    ReplaceFirst(s, "|" + ControlRecords[m].ItemStrId + "|", "|" + std::to_string(m) + "|");
  }
  TStrArray parts;
  Explode(parts, "|", s);
  for (const std::string& part : parts) {
    int32_t m = 0;
    if (!TryStrToInt(part, m)) continue;
    // A number that names no member is an unknown id too: an index beyond the
    // records would be read when the order is saved.
    if (std::find(r.Items.begin(), r.Items.end(), m) == r.Items.end()) continue;
    if (std::find(result.begin(), result.end(), m) == result.end()) result.push_back(m);
  }
  if (result.size() != r.DefaultIntArrayValue.size()) {
    for (int32_t m : r.Items)
      if (std::find(result.begin(), result.end(), m) == result.end()) result.push_back(m);
    if (result.size() != r.DefaultIntArrayValue.size()) result = r.DefaultIntArrayValue;
  }
  return result;
}
