#include "settingspanels/qt/managed_settings_container.h"

#include <memory>

#include "frame/qt/pwk_prog_obj.h"

void TManagedSettingsContainer::SetLanguage(uint32_t language) {
  if (FContainer) FContainer->SetLanguage(language);
}

void TManagedSettingsContainer::SettingsSave(TConfigSaver& document, const std::string&, bool onlyNonDefault, bool) {
  if (FContainer) FContainer->SettingsSave(document, onlyNonDefault);
}

void TManagedSettingsContainer::SettingsLoad(TConfigSaver& document, const std::string&, bool defaultIfNoKey,
                                             bool scaleToScreen) {
  if (FContainer) FContainer->SettingsLoad(document, defaultIfNoKey, scaleToScreen);
}

void TManagedSettingsContainer::ResetValuesToDefault() {
  if (FContainer) FContainer->ResetValuesToDefault();
}

void TManagedSettingsContainer::Initialize() {
  if (FContainer) FContainer->Initialize();
}

void TManagedSettingsContainer::SetURLAppendix(const std::string& appendix, const std::string& urlPart) {
  if (!FContainer) return;
  FContainer->URLAppendix = appendix;
  FContainer->URLAppendixForURLPart = urlPart;
}

int32_t AddSettingsContainerToFrame(TPwkProgObj& frame, TSettingsContainerSpr* container) {
  return frame.SettingsAddManagedControl(std::make_unique<TManagedSettingsContainer>(container), mcSettingsContainer,
                                         "");
}
