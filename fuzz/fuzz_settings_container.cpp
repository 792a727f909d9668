// A settings container loading any settings file: every stored value and
// order decodes without fault, an order names only its own members, and
// the values saved load back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/doc_ini.h"
#include "settingspanels/core/settings_container_model.h"

namespace {

// Order-list members with numeric string ids that collide with record indexes.
void Declare(TSettingsContainerModel& m) {
  const int32_t tab = m.AddTab("T", -1, "t", scTabTypeCheckBox);
  const int32_t labels = m.AddTab("L", -1, "l", scTabTypeLabel);
  m.AddControl(tab, sckEdit, "", -1, "edit", "x");
  m.AddControl(tab, sckCodePageComboBox, "", -1, "cp", "utf8");
  m.AddControl(tab, sckLineBreakComboBox, "", -1, "lb", "crlf");
  m.AddControl(labels, sckAlignmentComboBox, "", -1, "al", "left");
  m.AddControl(labels, sckSizeTypeComboBox, "", -1, "st", "KB");
  const int32_t group = m.AddRadioButtonGroup(labels, "", -1, "rg", "a", 1);
  m.AddRadioButtonGroupItem(group, "", -1, "a", 1);
  m.AddRadioButtonGroupItem(group, "", -1, "9", 2);
  const int32_t order = m.AddControl(labels, sckOrderListBox, "", -1, "ol", "");
  for (const char* id : {"11", "x", "12", "13", "", "|"}) m.AddOrderListItem(order, "", -1, id);
}

bool IsMember(const TSettingsContainerControl& list, int32_t index) {
  for (int32_t m : list.Items)
    if (m == index) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  TDocINI doc;
  doc.LoadFromString(text);
  // The text also stands as each value itself.
  for (const char* key : {"edit", "cp", "lb"}) doc.Add("t", key, text);
  for (const char* key : {"al", "st", "rg", "ol"}) doc.Add(size % 2 ? "l" : "t", key, text);

  for (bool defaults : {false, true}) {
    TSettingsContainerModel m;
    Declare(m);
    m.SettingsLoad(doc, defaults, true);
    for (const TSettingsContainerControl& r : m.ControlRecords) {
      if (r.Kind != sckOrderListBox) continue;
      if (r.IntArrayValue.size() != r.DefaultIntArrayValue.size()) std::abort();
      for (int32_t i : r.IntArrayValue)
        if (!IsMember(r, i)) std::abort();
    }
    TDocINI saved;
    m.SettingsSave(saved, defaults);
    TSettingsContainerModel again;
    Declare(again);
    again.SettingsLoad(saved, true, true);
    for (size_t i = 0; i < m.ControlRecords.size(); ++i) {
      const TSettingsContainerControl& a = m.ControlRecords[i];
      const TSettingsContainerControl& b = again.ControlRecords[i];
      // Numeric string ids may read back as another member's index, so an
      // order need not come back the same; it only stays a permutation.
      if (!a.Stored || a.IniKey.empty() || a.Kind == sckOrderListBox) continue;
      if (a.StrValue != b.StrValue || a.IntValue != b.IntValue) std::abort();
    }
  }
  return 0;
}
