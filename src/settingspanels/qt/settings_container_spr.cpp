#include "settingspanels/qt/settings_container_spr.h"

#include <QLabel>

#include "controls/caption_panels.h"
#include "controls/column_labels.h"
#include "controls/directory_chooser.h"
#include "controls/edit_with_button.h"
#include "controls/encoding_pickers.h"
#include "controls/id_combo_box.h"
#include "controls/list_box.h"
#include "controls/list_view.h"
#include "controls/multiline_check.h"
#include "controls/padding_button.h"
#include "controls/value_pickers.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/str_transform.h"
#include "frame/qt/html_panel.h"
#include "frame/qt/widget_tags.h"
#include "settingspanels/qt/action_list_editor.h"
#include "settingspanels/qt/action_list_new_action_dialog.h"
#include "settingspanels/qt/settings_container_memo_dialog.h"
#include "text/localised_names.h"
#include "text/text_store.h"

namespace {

// Check boxes, radios and panel captions show "&" as written.
QString Literal(const std::string& text) { return ToQString(StringReplaceFast(text, "&", "&&")); }

}  // namespace

TSettingsContainerSpr::TSettingsContainerSpr(QWidget* parent) : TSettingsContainer(parent) {
  OnGetTranslation = [this](int32_t slot) { return GetTranslation(slot); };
  OnRefreshTranslationOfControl = [this](int32_t index) { RefreshTranslationOfControl(index); };
  OnShowMemoDialog = [this](int32_t index, const std::string& caption, const std::string& text,
                            const std::string& fontName,
                            int32_t fontSize) { ShowMemoDialogSpr(index, caption, text, fontName, fontSize); };
  OnSetActionList = [this](int32_t index, int32_t listType, const std::string& name) {
    SetActionList(index, listType, name);
  };
}

std::string TSettingsContainerSpr::GetTranslation(int32_t slot) const {
  if (slot < 0 || slot > 0xFFFF) return std::string();
  return SprText(static_cast<StrResGlobal>(slot));
}

void TSettingsContainerSpr::Initialize() {
  const bool wasInitialized = Initialized;
  TSettingsContainer::Initialize();
  if (wasInitialized) return;
  for (int32_t i = 0; IsRecordIndex(i); ++i) {
    QWidget* control = GetControlRef(i);
    switch (ControlRecords[i].Kind) {
      case sckCodePageComboBox:
        if (auto* box = qobject_cast<TCodePageComboBox*>(control))
          box->ItemCaptionFunc = [](int32_t codePage, bool longForm) { return CodePageToStrSpr(codePage, longForm); };
        break;
      case sckLineBreakComboBox:
        if (auto* box = qobject_cast<TLineBreakComboBox*>(control))
          box->ItemCaptionFunc = [](int32_t kind, bool longForm) {
            return LineBreakToStrSpr(static_cast<uint32_t>(kind), longForm);
          };
        break;
      case sckAdvancedLineBreakComboBox:
        if (auto* box = qobject_cast<TAdvancedLineBreakComboBox*>(control))
          box->ItemCaptionFunc = [](int32_t kind, bool longForm) {
            return LineBreakToStrSpr(static_cast<uint32_t>(kind), longForm);
          };
        break;
      case sckCSVParamComboBox:
        if (auto* box = qobject_cast<TCSVParamComboBox*>(control))
          box->ItemCaptionFunc = [](int32_t param) { return CsvParamToStrSpr(param); };
        break;
      case sckFolderEdit:
        if (auto* edit = qobject_cast<TEditWithButton*>(control))
          edit->OnButtonClick = [this](QObject* sender) { DirSelectEditButtonClickSpr(sender); };
        break;
      case sckActionList: BindActionListHandlers(i); break;
      default: break;
    }
  }
}

void TSettingsContainerSpr::RefreshTranslationOfControl(int32_t index) {
  if (!IsRecordIndex(index)) return;
  const TSettingsContainerControl& r = ControlRecords[index];
  if (r.Kind != sckIDComboBox && r.Kind != sckIDComboBoxTextTop) return;
  auto* box = qobject_cast<TIDComboBox*>(GetControlRef(index));
  if (!box) return;
  for (int32_t item = 0; item < box->GetCount(); ++item) {
    const int32_t slot = box->GetSprId(item);
    box->setItemText(item, ToQString(slot >= 0 ? GetTranslation(slot) : box->GetFixedString(item)));
  }
  if (r.Param % 2 == 0) box->SetSorted(true);
}

void TSettingsContainerSpr::ShowMemoDialogSpr(int32_t index, const std::string& caption, const std::string& text,
                                              const std::string& fontName, int32_t fontSize) {
  // The dialog may outlive the container; then it has nobody left to tell.
  QPointer<TSettingsContainerSpr> self = this;
  ShowSettingsContainerMemoDialogSpr(
      index, caption, text, fontName, fontSize,
      [self](QObject* sender, int32_t controlIndex, const std::string& value) {
        if (self) self->ProcMemoDialogChange(sender, controlIndex, value);
      },
      this);
}

void TSettingsContainerSpr::DirSelectEditButtonClickSpr(QObject* sender) {
  auto* edit = qobject_cast<TEditWithButton*>(sender);
  if (!edit) return;
  const int32_t index = GetTag(edit);
  if (!IsRecordIndex(index) || GetControlRef(index) != edit) return;
  TDirSelectDialogSpr chooser(false);
  chooser.InitialDir = ControlRecords[index].StrValue;
  if (!chooser.Execute()) return;
  ControlRecords[index].StrValue = chooser.SelectedDir;
  edit->SetValue(chooser.SelectedDir);
}

void TSettingsContainerSpr::ResetValuesToDefault() {
  for (TSettingsContainerControl& r : ControlRecords)
    if (r.DefaultValueTextSlot != -1) r.DefaultStrValue = GetTranslation(r.DefaultValueTextSlot);
  TSettingsContainer::ResetValuesToDefault();
}

void TSettingsContainerSpr::SetLanguage(uint32_t language) {
  FLanguage = language;
  if (SprResGlobalArr.empty()) return;
  SetStrCaptionOptionButtons(GetTranslation(26));
  for (int32_t tab = 0; tab < GetTabCount(); ++tab)
    if (Tabs[tab].CaptionTextSlot != -1) SetCaption(tab, GetTranslation(Tabs[tab].CaptionTextSlot));
  for (int32_t i = 0; IsRecordIndex(i); ++i) {
    const TSettingsContainerControl& r = ControlRecords[i];
    if (r.CaptionTextSlot == -1 && r.DefaultValueTextSlot == -1)
      SetBuiltInTexts(i);
    else
      SetDeclaredTexts(i);
    if (r.Kind == sckIDComboBox || r.Kind == sckIDComboBoxTextTop) {
      if (auto* box = qobject_cast<TIDComboBox*>(GetControlRef(i))) {
        box->BeginUpdate();
        if (OnRefreshTranslationOfControl) OnRefreshTranslationOfControl(i);
        box->EndUpdate();
      }
    }
  }
  RefreshShowNumberOfCheckedTabs();
  for (const auto& editor : FEditors)
    if (editor) editor->SetLanguage(language);
  for (const auto& dialog : FNewActionDialogs)
    if (dialog) dialog->SetLanguage(language);
  CaptionActionListPopupMenu();
}

void TSettingsContainerSpr::SetDefaultText(int32_t index) {
  const TSettingsContainerControl& r = ControlRecords[index];
  if (r.DefaultValueTextSlot < 0) return;
  if (TakeDefaultText(index, GetTranslation(r.DefaultValueTextSlot))) ShowTextInControl(index, r.StrValue);
}

void TSettingsContainerSpr::SetDeclaredTexts(int32_t index) {
  const TSettingsContainerControl& r = ControlRecords[index];
  QWidget* control = GetControlRef(index);
  auto* label = qobject_cast<QLabel*>(GetCaptionControlRef(index));
  const bool hasCaption = r.CaptionTextSlot != -1;
  const std::string caption = hasCaption ? GetTranslation(r.CaptionTextSlot) : std::string();
  auto labelText = [&](const std::string& text) {
    if (hasCaption && label) label->setText(ToQString(text));
  };
  switch (r.Kind) {
    case sckLabelHeading:
    case sckLabel:
      if (auto* own = qobject_cast<QLabel*>(control); own && hasCaption) own->setText(ToQString(caption));
      break;
    case sckColumnLabel:
      if (auto* own = qobject_cast<TColumnLabel*>(control); own && hasCaption) own->SetCaption(caption);
      break;
    case sckHTMLPanel:
      if (auto* panel = qobject_cast<THTMLPanel*>(control)) {
        panel->URLAppendix = URLAppendix;
        panel->URLAppendixForURLPart = URLAppendixForURLPart;
        if (hasCaption) panel->SetHTML(caption);
      }
      break;
    case sckCheckPanel:
      if (auto* panel = qobject_cast<TCheckPanel*>(control); panel && hasCaption)
        panel->SetCaption(FromQString(Literal(caption)));
      break;
    case sckCollapsiblePanel:
      if (auto* panel = qobject_cast<TCollapsiblePanel*>(control); panel && hasCaption)
        panel->SetCaption(FromQString(Literal(caption)));
      break;
    case sckEdit:
    case sckMemo: SetDefaultText(index); break;
    case sckEditTextTop:
    case sckMemoTextTop:
      labelText(caption + ":");
      if (r.Kind == sckMemoTextTop && control)
        if (auto* panel = qobject_cast<TExpandablePanel*>(control->parentWidget()))
          panel->HintButtonPlus = GetTranslation(101);
      SetDefaultText(index);
      break;
    case sckEditTextRight:
      labelText(caption);
      SetDefaultText(index);
      break;
    case sckEditMultiLabel:
      if (auto* multi = qobject_cast<TMultiLabel*>(GetCaptionControlRef(index)); multi && hasCaption) {
        multi->SetCaptionLeft(GetTranslation(r.IntArrayValue.size() > 0 ? r.IntArrayValue[0] : -1) + ":");
        multi->SetCaptionCenter("");
        multi->SetCaptionRight(GetTranslation(r.IntArrayValue.size() > 1 ? r.IntArrayValue[1] : -1));
      }
      SetDefaultText(index);
      break;
    case sckButton:
      if (auto* button = qobject_cast<TPaddingButton*>(control); button && hasCaption)
        button->SetCaption(ToQString(r.Param == 1 ? caption + "..." : caption));
      break;
    case sckCheckBox:
      if (auto* box = qobject_cast<TCheckBoxML*>(control); box && hasCaption) box->SetCaption(Literal(caption));
      break;
    case sckRadioButton:
    case sckRadioButtonGroupItem:
      if (auto* radio = qobject_cast<TRadioButtonML*>(control); radio && hasCaption)
        radio->SetCaption(Literal(caption));
      break;
    case sckRadioButtonGroup:
    case sckIDComboBoxTextTop:
    case sckComboBoxTextTop:
    case sckNumberComboBoxTextTop:
    case sckDateTimeEditTextTop:
    case sckFolderEdit: labelText(caption + ":"); break;
    case sckFileFormatComboBoxTextTop:
      labelText(caption + ":");
      if (auto* box = qobject_cast<TFileFormatComboBox*>(control)) box->SetLanguage(FLanguage);
      break;
    case sckAlignmentComboBox:
      labelText(caption + ":");
      if (auto* box = qobject_cast<TAlignmentComboBox*>(control))
        box->SetStrings(GetTranslation(624), GetTranslation(625), GetTranslation(633));
      break;
    case sckSizeTypeComboBox:
      labelText(caption + ":");
      if (auto* box = qobject_cast<TSizeTypeComboBox*>(control)) box->SetStrBestUnit(GetTranslation(375));
      break;
    case sckCodePageComboBox:
      labelText(caption + ":");
      if (auto* box = qobject_cast<TCodePageComboBox*>(control)) box->RefreshItems();
      break;
    case sckLineBreakComboBox:
      labelText(caption + ":");
      if (auto* box = qobject_cast<TLineBreakComboBox*>(control)) box->RefreshItems();
      break;
    case sckAdvancedLineBreakComboBox:
      labelText(caption + ":");
      if (auto* box = qobject_cast<TAdvancedLineBreakComboBox*>(control)) box->RefreshItems();
      break;
    case sckCSVParamComboBox:
      labelText(caption + ":");
      if (auto* box = qobject_cast<TCSVParamComboBox*>(control)) box->RefreshItems();
      break;
    default: break;
  }
}

void TSettingsContainerSpr::SetBuiltInTexts(int32_t index) {
  const TSettingsContainerControl& r = ControlRecords[index];
  QWidget* control = GetControlRef(index);
  switch (r.Kind) {
    case sckVirtualListView:
      if (auto* view = qobject_cast<TVirtualListView*>(control)) {
        for (size_t j = 0; j < r.Items.size(); ++j)
          if (IsRecordIndex(r.Items[j]))
            view->SetColumnCaption(vlvColCustomStr, static_cast<int32_t>(j),
                                   GetTranslation(ControlRecords[r.Items[j]].CaptionTextSlot));
        view->viewport()->update();
      }
      break;
    case sckVirtualListViewButtonPanel:
      if (control) {
        for (auto* button : control->findChildren<TPaddingButton*>(Qt::FindDirectChildrenOnly)) {
          switch (GetTag(button)) {
            case 1: button->SetCaption(ToQString(GetTranslation(529) + "...")); break;
            case 2: button->SetCaption(ToQString(GetTranslation(30) + "...")); break;
            case 3: button->SetCaption(ToQString(GetTranslation(55))); break;
            case 4: button->SetCaption(ToQString(GetTranslation(53))); break;
            default: break;
          }
        }
      }
      break;
    case sckOrderListBox:
    case sckOrderListBoxAlt:
      if (auto* box = qobject_cast<TVirtualListBox*>(control)) {
        for (TVirtualListBoxItem& item : box->Items)
          if (item.TextSlot >= 0) item.Caption = GetTranslation(item.TextSlot);
        box->viewport()->update();
      }
      break;
    case sckActionList: SetActionListTexts(index); break;
    default: break;
  }
}
