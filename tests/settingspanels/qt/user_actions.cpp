// What a user does to every stored control of the full container.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "controls/advanced_combo_box.h"
#include "controls/caption_panels.h"
#include "controls/edit_with_button.h"
#include "controls/encoding_pickers.h"
#include "controls/id_combo_box.h"
#include "controls/list_box.h"
#include "controls/value_pickers.h"
#include "controls/zoom_memo.h"
#include "settingspanels/qt/settings_container.h"
#include "settingspanels_test_app.h"

namespace {

template <class T>
T* Ctl(TSettingsContainer& c, int32_t index) {
  return qobject_cast<T*>(c.GetControlRef(index));
}

void Pick(QComboBox* box, int index) {
  box->setCurrentIndex(index);
  emit box->activated(index);
}

int IndexOf(const TIntArray& table, int32_t value) {
  return static_cast<int>(std::find(table.begin(), table.end(), value) - table.begin());
}

}  // namespace

void ChangeEveryStoredValue(TSettingsContainer& c, const TEveryKind& k) {
  Ctl<TCheckPanel>(c, k[sckCheckPanel])->CheckBox()->click();
  Ctl<QLineEdit>(c, k.NestedEdit)->setText("nested = value");
  Ctl<QCheckBox>(c, k.NestedCheck)->click();
  Ctl<QLineEdit>(c, k[sckEditTextTop])->setText("Fünf # ; [x]");
  Ctl<QLineEdit>(c, k[sckEditTextRight])->setText("7");
  Ctl<QLineEdit>(c, k[sckEditMultiLabel])->setText("13:30");
  Ctl<TAdvancedMemo>(c, k[sckMemo])->SetText("first line\nsecond line\\n");
  Ctl<TAdvancedMemo>(c, k[sckMemoTextTop])->SetText("ä|ö|ü");
  Ctl<QCheckBox>(c, k[sckCheckBox])->click();
  Ctl<QRadioButton>(c, k[sckRadioButton])->click();
  Ctl<QRadioButton>(c, k.Radios[2])->click();
  Pick(Ctl<QComboBox>(c, k[sckIDComboBox]), 2);
  Pick(Ctl<QComboBox>(c, k[sckIDComboBoxTextTop]), 0);
  Ctl<TAdvancedComboBox>(c, k[sckComboBoxTextTop])->SetText("typed");
  emit Ctl<TAdvancedComboBox>(c, k[sckComboBoxTextTop])->lineEdit()->textEdited("typed");
  Pick(Ctl<QComboBox>(c, k[sckNumberComboBox]), 9);
  Pick(Ctl<QComboBox>(c, k[sckNumberComboBoxTextTop]), 3);
  Pick(Ctl<QComboBox>(c, k[sckFileFormatComboBox]), 0);
  Pick(Ctl<QComboBox>(c, k[sckFileFormatComboBoxTextTop]), 2);
  Pick(Ctl<QComboBox>(c, k[sckAlignmentComboBox]), 1);
  Pick(Ctl<QComboBox>(c, k[sckSizeTypeComboBox]), 5);
  auto* codePages = Ctl<TCodePageComboBox>(c, k[sckCodePageComboBox]);
  Pick(codePages, IndexOf(codePages->LineTable(), 88592));
  auto* lineBreaks = Ctl<TLineBreakComboBox>(c, k[sckLineBreakComboBox]);
  Pick(lineBreaks, IndexOf(lineBreaks->LineTable(), 13));
  auto* advanced = Ctl<TAdvancedLineBreakComboBox>(c, k[sckAdvancedLineBreakComboBox]);
  Pick(advanced->List(), advanced->GetIndexOfStrId("tab"));
  auto* csv = Ctl<TCSVParamComboBox>(c, k[sckCSVParamComboBox]);
  Pick(csv->List(), csv->GetIndexOfStrId("comma"));
  Ctl<TDateTimeEdit>(c, k[sckDateTimeEdit])->SetDateTimeFromYYYYMMDDHHIISS("20231105174501");
  Ctl<TDateTimeEdit>(c, k[sckDateTimeEditTextTop])->SetDateTimeFromYYYYMMDDHHIISS("19700101000000");
  Ctl<TEditWithButton>(c, k[sckFolderEdit])->Edit()->setText("/srv/Daten und mehr");
  for (int32_t kind : {sckOrderListBox, sckOrderListBoxAlt}) {
    auto* box = Ctl<TVirtualListBox>(c, k[kind]);
    TIntArray reversed;
    for (int32_t i = static_cast<int32_t>(box->Items.size()) - 1; i >= 0; --i) reversed.push_back(i);
    box->SetItemOrder(reversed);
    c.ProcOrderListBoxRearrangingDone(box);
  }
}
