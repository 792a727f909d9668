#include "settingspanels/qt/save_target_hosting.h"

#include <memory>

#include "frame/qt/pwk_prog_obj.h"

void TManagedSaveSettingsContainer::SetLanguage(uint32_t language) {
  if (FPanel) FPanel->SetLanguage(language);
}

void TManagedSaveSettingsContainer::SettingsSave(TConfigSaver& document, const std::string& section,
                                                 bool onlyNonDefault, bool) {
  if (FPanel) FPanel->SettingsSave(document, section, onlyNonDefault);
}

void TManagedSaveSettingsContainer::SettingsLoad(TConfigSaver& document, const std::string& section,
                                                 bool defaultIfNoKey, bool) {
  if (FPanel) FPanel->SettingsLoad(document, section, defaultIfNoKey);
}

void TManagedSaveSettingsContainer::ResetValuesToDefault() {
  if (FPanel) FPanel->ResetValuesToDefault();
}

void TManagedSaveSettingsContainer::SetValFolder(const std::string& value) {
  if (FPanel) FPanel->SetValFolder(value);
}

void TManagedSaveSettingsContainer::SetValName(const std::string& value) {
  if (FPanel) FPanel->SetValName(value);
}

void TManagedSaveSettingsContainer::SetValFormat(const std::string& value) {
  if (FPanel) FPanel->SetValFormat(value);
}

void TManagedSaveSettingsContainer::SetOptKeepDateOfOriginalFile(bool value) {
  if (FPanel) FPanel->SetOptKeepDateOfOriginalFile(value);
}

void TManagedSaveSettingsContainer::SetOptOpenFileAfterCreating(bool value) {
  if (FPanel) FPanel->SetOptOpenFileAfterCreating(value);
}

void TManagedSaveSettingsContainer::SetOptDeleteOriginalFile(bool value) {
  if (FPanel) FPanel->SetOptDeleteOriginalFile(value);
}

void TManagedSaveSettingsContainer::SetOptKeepSubDirs(bool value) {
  if (FPanel) FPanel->OptKeepSubDirs = value;
}

bool TManagedSaveSettingsContainer::ValsFromFilePath(const std::string& path) {
  return FPanel && FPanel->ValsFromFilePath(path);
}

int32_t AddSaveSettingsContainerToFrame(TPwkProgObj& frame, TSaveSettingsContainerSpr* panel,
                                        const std::string& section) {
  auto adapter = std::make_unique<TManagedSaveSettingsContainer>(panel);
  frame.SetSaveSettingsContainer(adapter.get());
  return frame.SettingsAddManagedControl(std::move(adapter), mcSaveSettingsContainer, section);
}
