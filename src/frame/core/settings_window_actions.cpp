// The settings window's handlers that work on the settings object alone.
#include <filesystem>

#include "foundation/code_pages.h"
#include "foundation/str_split.h"
#include "foundation/text_files.h"
#include "frame/core/settings_obj.h"
#include "frame/core/settings_window_rules.h"
#include "text/text_store.h"

bool TSettingsObj::LanguageTabButtonClickSaveLanguage() {
  const std::string content = SOLangCfgContent(FLanguage);
  const std::string folder = FSaveToAppDir ? ApplicationFolder() : ConfigFolder();
  const std::string path = folder + "lang.cfg";
  bool ok = false;
  int reason = 0;
  if (!ProgName.empty() || FSaveToAppDir) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    try {
      ok = SaveString(content, path, cpASCII, false, false) && std::filesystem::is_regular_file(path, ec);
      reason = LastFileWriteError();
    } catch (const EFileError& e) {
      reason = e.ErrorNumber;
    } catch (const std::exception&) {
      ok = false;
    }
  }
  if (ok)
    UserDialogs().MessageBox(TSOMessageKind::Information, SprText(1), SprText(185));
  else
    UserDialogs().MessageBox(TSOMessageKind::Error, SprText(7), FileFailureText(SprText(158), path, reason));
  return ok;
}

bool TSettingsObj::SaveTabButtonClickDeleteSettings() {
  const bool ok = DeleteProgConfig(ProgName);
  if (ok) {
    UserDialogs().MessageBox(TSOMessageKind::Information, SprText(1), SprText(182));
    if (OnProfilesChange) OnProfilesChange();
  } else {
    UserDialogs().MessageBox(TSOMessageKind::Error, SprText(7), SprText(183));
  }
  return ok;
}

void TSettingsObj::ActionButtonClickSetToDefault(int32_t id) {
  if (!InTable(id)) return;
  TIntArray targets;
  ExplodeToIntArray(targets, ",", FControls[id].Value);
  for (int32_t target : targets) SetValueToDefault(target);
}

void TSettingsObj::ButtonClick(int32_t id) {
  if (InTable(id) && OnButtonClick) OnButtonClick(id);
}
