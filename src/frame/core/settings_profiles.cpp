// The roads by which settings reach and leave the disk around SaveSettings and
// LoadSettings: the start file, command-line files, profiles and chosen files,
// the window sizes of managed panels, and the reset to defaults.
#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "foundation/letter_case.h"
#include "foundation/paths.h"
#include "foundation/program_args.h"
#include "foundation/str_transform.h"
#include "frame/core/settings_obj.h"
#include "text/localised_names.h"
#include "text/text_store.h"

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) { return UTF8LowerCase(a) < UTF8LowerCase(b); }

// The regular files directly in the folder whose extension is ext, any case.
void AddMatchingFiles(const std::string& folder, const std::string& ext, TStrArray& paths) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const std::string name = it->path().filename().string();
    if (name.size() > ext.size() + 1 && FileHasExtension(name, ext)) paths.push_back(it->path().string());
  }
}

// "Syllabrix Settings (*.sxs)|*.sxs", the word owned by the program's name as the
// language says it ("Syllabrix-Einstellungen", "Paramètres Syllabrix", "إعدادات Syllabrix").
std::string SettingsFileFilter(const std::string& progName, const std::string& ext, int32_t language) {
  return SprCombineWordWithOwnerName(SprText(11), progName, static_cast<uint32_t>(language)) + " (*." + ext + ")|*." +
         ext;
}

}  // namespace

TConfigSaveLocation TSettingsObj::StartFileLocation() const { return FSaveToAppDir ? cslAppDir : cslConfigDir; }

bool TSettingsObj::LoadStartOrParameterSettings() { return LoadStartOrParameterSettings(ProgramArguments()); }

bool TSettingsObj::LoadStartOrParameterSettings(const TStrArray& arguments) {
  bool result = true;
  if (!BatchMode || BatchLoadStartSettingsInBatchMode) result = LoadSettings(FStartFileName, false);
  for (const std::string& argument : arguments)
    if (FileHasExtension(argument, FProgFileExtSettings)) result = LoadSettings(argument, false);
  return result;
}

bool TSettingsObj::IsValidProfileName(const std::string& name) const {
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos ||
      name.find("..") != std::string::npos || name.find('\0') != std::string::npos)
    return false;
  return name + "." + FProgFileExtSettings != FStartFileName;
}

void TSettingsObj::SaveTabButtonClickSaveSettings(const std::string& buttonName) {
  if (buttonName == "bt_save_save_start") {
    SaveSettings(StartFileLocation(), FStartFileName, true);
  } else if (buttonName == "bt_save_save_profile") {
    const std::string name = UserDialogs().InputEdit(SprText(813), SprText(814), SprText(204), SprText(200), "");
    if (IsNulMarker(name) || Trim(name).empty()) return;
    if (!IsValidProfileName(name)) {
      // Same report as a name the file system refuses; nothing is written.
      ShowSaveResult(false, name, 0);
    } else {
      SaveSettings(StartFileLocation(), name + "." + FProgFileExtSettings, true);
    }
    if (OnProfilesChange) OnProfilesChange();
  } else if (buttonName == "bt_save_save_file") {
    const std::string ext = FProgFileExtSettings;
    const std::string path =
        UserDialogs().SaveFileDialog(SprText(574), SprText(11), ext, SettingsFileFilter(ProgName, ext, FLanguage));
    if (!path.empty() && !IsNulMarker(path)) SaveSettings(cslFileName, path, true);
  }
}

void TSettingsObj::SaveTabButtonClickLoadSettings(const std::string& buttonName) {
  if (buttonName == "bt_save_load_start") {
    LoadSettings(FStartFileName, true);
  } else if (buttonName == "bt_save_load_profile") {
    const TStrArray names = GetSavedProfileNames(true, true);
    if (names.empty()) {
      UserDialogs().MessageBox(TSOMessageKind::Error, SprText(7), SprText(817));
      return;
    }
    const std::string choice =
        UserDialogs().InputComboBox(SprText(815), SprText(816), SprText(224), SprText(200), " ", names);
    // A single blank is the untouched initial text: confirmed without a choice.
    if (IsNulMarker(choice) || choice == " " || choice.empty()) return;
    LoadSettings(choice + "." + FProgFileExtSettings, true);
  } else if (buttonName == "bt_save_load_file") {
    const std::string ext = FProgFileExtSettings;
    const std::string path =
        UserDialogs().OpenFileDialog(SprText(575), ext, SettingsFileFilter(ProgName, ext, FLanguage));
    if (!path.empty() && !IsNulMarker(path)) LoadSettings(path, true);
  }
}

TStrArray TSettingsObj::GetSavedProfileFiles(bool appDir, bool configDir) const {
  TStrArray paths;
  if (configDir) AddMatchingFiles(ConfigFolder(), FProgFileExtSettings, paths);
  if (appDir) AddMatchingFiles(ApplicationFolder(), FProgFileExtSettings, paths);
  std::erase_if(paths,
                [&](const std::string& p) { return std::filesystem::path(p).filename().string() == FStartFileName; });
  std::stable_sort(paths.begin(), paths.end(), LessIgnoringCase);
  return paths;
}

TStrArray TSettingsObj::GetSavedProfileNames(bool appDir, bool configDir) const {
  TStrArray names;
  for (const std::string& path : GetSavedProfileFiles(appDir, configDir)) {
    const std::string name = ExtractFileNameWithoutPathAndExt(path);
    const std::string lower = UTF8LowerCase(name);
    if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return UTF8LowerCase(n) == lower; }))
      names.push_back(name);
  }
  std::stable_sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

bool TSettingsObj::SaveWindowSizeSettingsOfManagedControls(TConfigSaver& settings) {
  if (!FSaveWindowSize) return false;
  for (const TSOManagedControlRecord& m : FManagedControls) {
    if (!m.Control) continue;
    switch (m.ManagedType) {
      case mcSplitterPanelPosition:
      case mcCollapsibleSplitterPanelPosition: {
        const int32_t position = m.Control->GetSplitterPositionRelativeAsInt();
        if (position > 0) settings.Add(m.IniSection, m.IniKey, position);
        break;
      }
      case mcCollapsiblePanelState:
      case mcCollapsibleSplitterPanelState: {
        const int32_t state = m.Control->GetState();
        if (!(SaveNoDefaultValues && state == m.DefaultInt)) settings.Add(m.IniSection, m.IniKey, state);
        break;
      }
      default: break;
    }
  }
  return true;
}

bool TSettingsObj::LoadWindowSizeSettingsOfManagedControls(TConfigSaver& settings) {
  if (!FSaveWindowSize) return false;
  for (const TSOManagedControlRecord& m : FManagedControls) {
    if (!m.Control || m.ManagedType != mcCollapsiblePanelState) continue;
    int32_t state = 0;
    if (settings.ReadIntIfKeyExists(m.IniSection, m.IniKey, state))
      m.Control->SetState(state);
    else if (LoadDefaultValueIfNoKey)
      m.Control->SetState(m.DefaultInt);
  }
  return true;
}

bool TSettingsObj::LoadWindowSizeSettingsOfManagedControlsMainFormShow() {
  if (!FSaveWindowSize) return false;
  // Applying may load nothing new, but take the list first so that a control's
  // reaction cannot change it under the loop.
  std::vector<TSOManagedControlAdjustmentRecord> pending;
  pending.swap(FManagedControlAdjustments);
  for (const TSOManagedControlAdjustmentRecord& a : pending) {
    if (!a.Control) continue;
    switch (a.AdjustmentType) {
      case mcSplitterPanelPosition:
        if (a.Control->Supports(mcSplitterPanelPosition)) a.Control->SetSplitterPositionRelativeFromInt(a.ValueInt);
        break;
      case mcCollapsibleSplitterPanelPosition:
        if (a.Control->Supports(mcCollapsibleSplitterPanelPosition))
          a.Control->SetSplitterPositionRelativeFromInt(a.ValueInt);
        break;
      case mcCollapsibleSplitterPanelState:
        if (a.Control->Supports(mcCollapsibleSplitterPanelState)) a.Control->SetState(a.ValueInt);
        break;
      default: break;
    }
  }
  return true;
}

void TSettingsObj::ProgShowProc() {
  if (FSaveWindowSize) LoadWindowSizeSettingsOfManagedControlsMainFormShow();
}

void TSettingsObj::ProgCloseQueryProc() {
  if (FAutoSaveOnExit && !BatchMode) SaveSettings(StartFileLocation(), FStartFileName, false);
}

void TSettingsObj::Initialize() {
  for (const TSOManagedControlRecord& m : FManagedControls)
    if (m.Control && m.ManagedType == mcSettingsContainer) m.Control->Initialize();
}

void TSettingsObj::ResetSettings() {
  InitializeStandardSettings();
  for (TSOControlRecord& r : FControls) {
    r.Value = r.DefaultValue;
    r.ValueInt = r.DefaultInt;
  }
  for (const TSOManagedControlRecord& m : FManagedControls) {
    if (!m.Control) continue;
    switch (m.ManagedType) {
      case mcCheckBox:
      case mcRadioButton: m.Control->SetChecked(m.DefaultInt == 1); break;
      case mcComboBox: m.Control->SetText(m.DefaultValue); break;
      case mcTextComboBox:
        m.Control->SetText(m.DefaultValue);
        m.Control->SetLanguage(static_cast<uint32_t>(FLanguage));
        break;
      case mcCollapsiblePanelState:
      case mcCollapsibleSplitterPanelState: m.Control->SetState(m.DefaultInt); break;
      case mcVirtualListView: m.Control->Clear(); break;
      case mcSettingsContainer:
      case mcSaveSettingsContainer: m.Control->ResetValuesToDefault(); break;
      case mcFileListView: m.Control->ResetValuesToDefault(); break;
      default: break;
    }
  }
  UpdateControlValuesInGUI();
  if (OnResetSettings) OnResetSettings(this);
}

void TSettingsObj::SetValueToDefault(int32_t id) {
  if (!InTable(id)) return;
  FControls[id].Value = FControls[id].DefaultValue;
  FControls[id].ValueInt = FControls[id].DefaultInt;
  if (WindowHooks.ShowDefaultValue) WindowHooks.ShowDefaultValue(id);
}
