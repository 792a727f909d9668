#include "settingspanels/qt/save_target_panel_spr.h"

#include <QSignalBlocker>
#include <QToolButton>

#include "controls/advanced_combo_box.h"
#include "controls/directory_chooser.h"
#include "controls/multiline_check.h"
#include "foundation/paths.h"
#include "foundation/qt/qt_strings.h"
#include "settingspanels/core/save_target_names.h"
#include "text/text_store.h"

namespace {

// Radio buttons and check boxes show "&" as written.
QString Literal(const std::string& text) { return ToQString(text).replace('&', QStringLiteral("&&")); }

std::string Slot(int32_t slot) { return SprText(static_cast<StrResGlobal>(slot)); }

}  // namespace

TSaveSettingsContainerSpr::TSaveSettingsContainerSpr(QWidget* parent) : TSaveSettingsContainer(parent) {
  connect(FolderButton(), &QToolButton::clicked, this, [this] { ProcFolderButtonClick(); });
}

std::string TSaveSettingsContainerSpr::TranslatePlaceholders(const std::string& text, uint32_t language) const {
  return TranslateSaveTargetPlaceholders(text, language);
}

void TSaveSettingsContainerSpr::TranslateComboBox(TSaveTargetList list, uint32_t language) {
  TAdvancedComboBox* box = ComboBox(list);
  const int32_t selected = SelectedIndex(list);
  const std::string text = TranslatePlaceholders(box->Text(), language);
  const bool wasUpdating = FUpdating;
  FUpdating = true;
  {
    const QSignalBlocker quiet(box);
    for (int32_t i = 0; i < box->count(); ++i)
      box->setItemText(i, ToQString(TranslatePlaceholders(FromQString(box->itemText(i)), language)));
    if (selected >= 0) {
      box->setCurrentIndex(selected);
    } else if (box->isEditable()) {
      // A typed text stays a typed text, not an entry.
      box->setCurrentIndex(-1);
      box->setEditText(ToQString(text));
    }
  }
  FUpdating = wasUpdating;
}

void TSaveSettingsContainerSpr::SetLanguage(uint32_t language) {
  FLanguage = language;
  if (!SprResGlobalArr.empty()) {
    RadioButtonOverwriteFile()->SetCaption(Literal(Slot(kSlotSaveTargetOverwrite)));
    RadioButtonSaveAsNewFile()->SetCaption(Literal(Slot(kSlotSaveTargetSaveAsNew) + ":"));
    SetCaptionFolder(Slot(kSlotSaveTargetFolder) + ":");
    SetCaptionName(Slot(kSlotSaveTargetName) + ":");
    std::string extensionWord = Slot(kSlotSaveTargetFileExtension);
    if (extensionWord.size() > kSaveTargetExtensionWordMaxBytes) extensionWord = Slot(kSlotSaveTargetExtension);
    switch (FCaptionFormatSpr) {
      case capFormat: SetCaptionFormat(Slot(kSlotSaveTargetFormat) + ":"); break;
      case capFileExtension: SetCaptionFormat(extensionWord + ":"); break;
      case capFormatAndFileExt: SetCaptionFormat(Slot(kSlotSaveTargetFormat) + "/" + extensionWord + ":"); break;
    }
    CheckBox(stoOpenFileAfterCreating)->SetCaption(Literal(Slot(kSlotSaveTargetOpenFile)));
    CheckBox(stoDeleteOriginalFile)->SetCaption(Literal(Slot(kSlotSaveTargetDeleteOriginal)));
    CheckBox(stoSaveOnlyInCaseOfChange)->SetCaption(Literal(Slot(kSlotSaveTargetSaveOnlyOnChange)));
    CheckBox(stoKeepDateOfOriginalFile)->SetCaption(Literal(Slot(kSlotSaveTargetKeepDate)));
  }
  for (TSaveTargetList list : {stlFolder, stlName, stlFormat}) TranslateComboBox(list, language);
  IndentControls();
}

void TSaveSettingsContainerSpr::ResetValuesToDefault() {
  TSaveSettingsContainer::ResetValuesToDefault();
  for (TSaveTargetList list : {stlFolder, stlName, stlFormat}) TranslateComboBox(list, FLanguage);
}

void TSaveSettingsContainerSpr::ProcFolderButtonClick() {
  TDirSelectDialogSpr chooser(false);
  chooser.SetLanguage();
  chooser.BiDiMode = layoutDirection();
  if (IsFolderAndExists(ValFolder())) chooser.InitialDir = ValFolder();
  // OK without a folder in the path field chooses nothing.
  if (!chooser.Execute() || chooser.SelectedDir.empty() || chooser.SelectedDir == ValFolder()) return;
  SetValFolder(chooser.SelectedDir);
  // Choosing a folder is the user's change like typing one.
  RaiseChange();
}
