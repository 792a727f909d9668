// A localised settings container as the program frame's settings object sees
// it: the frame loads, saves, resets, translates and sets it up.
#pragma once

#include <QPointer>
#include <cstdint>

#include "frame/core/settings_types.h"
#include "settingspanels/qt/settings_container_spr.h"

class TPwkProgObj;

class TManagedSettingsContainer : public TSOManagedControl {
 public:
  explicit TManagedSettingsContainer(TSettingsContainerSpr* container) : FContainer(container) {}
  bool Supports(TSOManagedControlType kind) const override { return kind == mcSettingsContainer && FContainer; }
  void SetLanguage(uint32_t language) override;
  // The container writes its own sections; the section argument is not used.
  void SettingsSave(TConfigSaver& document, const std::string& section, bool onlyNonDefault,
                    bool withColumnWidths) override;
  void SettingsLoad(TConfigSaver& document, const std::string& section, bool defaultIfNoKey,
                    bool scaleToScreen) override;
  void ResetValuesToDefault() override;
  void Initialize() override;
  void SetURLAppendix(const std::string& appendix, const std::string& urlPart) override;

 private:
  QPointer<TSettingsContainerSpr> FContainer;
};

// Hands the container to the frame, which from then on sets it up, saves,
// loads, resets and translates it with the settings. Returns its index among
// the frame's managed controls.
int32_t AddSettingsContainerToFrame(TPwkProgObj& frame, TSettingsContainerSpr* container);
