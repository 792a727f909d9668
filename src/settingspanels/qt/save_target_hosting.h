// A localised save-target panel as the program frame sees it: the settings
// object loads, saves, resets and translates it with the program's settings,
// and in batch mode the frame hands it the command line's save options.
#pragma once

#include <QPointer>
#include <cstdint>
#include <string>

#include "frame/core/command_line.h"
#include "frame/core/settings_types.h"
#include "settingspanels/qt/save_target_panel_spr.h"

class TPwkProgObj;

class TManagedSaveSettingsContainer : public TSOManagedControl, public TBatchSaveSettingsContainer {
 public:
  explicit TManagedSaveSettingsContainer(TSaveSettingsContainerSpr* panel) : FPanel(panel) {}

  // --- The settings object's calls --------------------------------------------
  bool Supports(TSOManagedControlType kind) const override { return kind == mcSaveSettingsContainer && FPanel; }
  void SetLanguage(uint32_t language) override;
  void SettingsSave(TConfigSaver& document, const std::string& section, bool onlyNonDefault,
                    bool withColumnWidths) override;
  void SettingsLoad(TConfigSaver& document, const std::string& section, bool defaultIfNoKey,
                    bool scaleToScreen) override;
  void ResetValuesToDefault() override;

  // --- The frame's batch hand-over ------------------------------------------------
  void SetValFolder(const std::string& value) override;
  void SetValName(const std::string& value) override;
  void SetValFormat(const std::string& value) override;
  void SetOptKeepDateOfOriginalFile(bool value) override;
  void SetOptOpenFileAfterCreating(bool value) override;
  void SetOptDeleteOriginalFile(bool value) override;
  void SetOptKeepSubDirs(bool value) override;
  bool ValsFromFilePath(const std::string& path) override;

 private:
  QPointer<TSaveSettingsContainerSpr> FPanel;
};

// Hands the panel to the frame, which from then on saves, loads, resets and
// translates it with the settings in the given section and gives it the save
// options of a batch run. Returns its index among the frame's managed controls.
int32_t AddSaveSettingsContainerToFrame(TPwkProgObj& frame, TSaveSettingsContainerSpr* panel,
                                        const std::string& section);
