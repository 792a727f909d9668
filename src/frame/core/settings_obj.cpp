#include "frame/core/settings_obj.h"

#include <cmath>
#include <filesystem>
#include <limits>

#include "foundation/code_pages.h"
#include "foundation/number_format.h"
#include "foundation/paths.h"
#include "foundation/program_args.h"
#include "foundation/str_arrays.h"
#include "foundation/str_transform.h"
#include "text/text_store.h"

namespace {

// Answers every question as if the user had cancelled it.
class TNoUserDialogs : public TSettingsUserDialogs {
 public:
  void MessageBox(TSOMessageKind, const std::string&, const std::string&) override {}
  std::string InputEdit(const std::string&, const std::string&, const std::string&, const std::string&,
                        const std::string&) override {
    return NulMarker();
  }
  std::string InputComboBox(const std::string&, const std::string&, const std::string&, const std::string&,
                            const std::string&, const TStrArray&) override {
    return NulMarker();
  }
  std::string SaveFileDialog(const std::string&, const std::string&, const std::string&, const std::string&) override {
    return std::string();
  }
  std::string OpenFileDialog(const std::string&, const std::string&, const std::string&) override {
    return std::string();
  }
  void ShowText(const std::string&) override {}
};

std::string Slot(int32_t slot) {
  if (slot < 0 || slot > std::numeric_limits<StrResGlobal>::max()) return std::string();
  return SprText(static_cast<StrResGlobal>(slot));
}

std::string ExePath() { return ApplicationPath() + std::filesystem::path(ProgramName0()).filename().string(); }

}  // namespace

bool SOIsWholeNumber(const std::string& text, int32_t& value) {
  const std::string t = Trim(text);
  return !t.empty() && TryStrToInt(t, value);
}

TSettingsObj::TSettingsObj() : FNoDialogs(std::make_unique<TNoUserDialogs>()) {}

TSettingsObj::~TSettingsObj() = default;

void TSettingsObj::SetUserDialogs(TSettingsUserDialogs* dialogs) { FUserDialogs = dialogs; }

TSettingsUserDialogs& TSettingsObj::UserDialogs() const { return FUserDialogs ? *FUserDialogs : *FNoDialogs; }

void TSettingsObj::SetApplicationFolder(const std::string& folder) {
  FApplicationFolder = folder;
  if (!FApplicationFolder.empty() && FApplicationFolder.back() != '/') FApplicationFolder += '/';
}

std::string TSettingsObj::ApplicationFolder() const {
  return FApplicationFolder.empty() ? ApplicationPath() : FApplicationFolder;
}

std::string TSettingsObj::ConfigFolder() const { return GetConfigPwqConfigDir(ProgName); }

// --- Declarations --------------------------------------------------------------

int32_t TSettingsObj::AddTab(int32_t caption, const std::string& section) {
  TSOTabRecord tab;
  tab.CaptionText = caption;
  tab.MenuHeaderText = caption;
  tab.MenuDivider = false;
  tab.IniSection = section;
  FTabs.push_back(std::move(tab));
  return static_cast<int32_t>(FTabs.size()) - 1;
}

int32_t TSettingsObj::AddControlToTabGeneral(int32_t tab, int32_t captionText, bool isInput, const std::string& iniKey,
                                             int32_t defaultInt, const std::string& defaultValue, int32_t id,
                                             bool placeBeside, int32_t left, int32_t width) {
  const size_t length = FControls.size();
  size_t index;
  if (id == -1) {
    index = length;
    FControls.emplace_back();
  } else {
    // IDs below -1 lie outside the model; refusing them keeps the table's
    // index arithmetic sound.
    if (id < -1)
      throw ESettingsObjError("SO-CONTROL-ID " + std::to_string(id) +
                              " ALREADY IN USE - LEN=" + std::to_string(length) + " - INIKEY=" + iniKey);
    index = static_cast<size_t>(id);
    if (index < length && FControls[index].InUse)
      throw ESettingsObjError("SO-CONTROL-ID " + std::to_string(id) +
                              " ALREADY IN USE - LEN=" + std::to_string(length) + " - INIKEY=" + iniKey);
    if (index >= length) FControls.resize(index + 1);
  }
  TSOControlRecord& r = FControls[index];
  r = TSOControlRecord();
  r.InUse = true;
  r.TabID = tab;
  r.CaptionText = captionText;
  r.IsInput = isInput;
  r.IniKey = iniKey;
  r.PlaceBeside = placeBeside;
  r.Left = left;
  r.Width = width;
  r.IntID = static_cast<int32_t>(index);
  r.GroupID = -1;
  r.DescriptionText = 0;
  r.TargetID = -1;
  r.ValueInt = defaultInt;
  r.DefaultInt = defaultInt;
  r.Value = defaultValue;
  r.DefaultValue = defaultValue;
  return static_cast<int32_t>(index);
}

int32_t TSettingsObj::AddTextToTab(int32_t tab, int32_t text, bool heading, bool beside, int32_t left, int32_t width,
                                   int32_t id) {
  int32_t i = AddControlToTabGeneral(tab, text, false, "", 0, "", id, beside, left, width);
  FControls[i].ControlType = heading ? ctHeading : ctLabel;
  return i;
}

int32_t TSettingsObj::AddInputCheckToTab(int32_t tab, int32_t caption, bool asRadioButton, const std::string& key,
                                         bool def, int32_t id, bool beside, int32_t left) {
  int32_t i = AddControlToTabGeneral(tab, caption, true, key, def ? 1 : 0, def ? "1" : "0", id, beside, left, 0);
  FControls[i].ControlType = asRadioButton ? ctRadioButton : ctCheckBox;
  return i;
}

int32_t TSettingsObj::AddInputEditToTab(int32_t tab, int32_t caption, bool captionBeside, const std::string& key,
                                        const std::string& def, int32_t id, bool beside, int32_t left, int32_t width) {
  int32_t number = 0;
  if (!SOIsWholeNumber(def, number)) number = 0;
  int32_t i = AddControlToTabGeneral(tab, caption, true, key, number, def, id, beside, left, width);
  FControls[i].ControlType = captionBeside ? ctEditTextRight : ctEditTextTop;
  return i;
}

int32_t TSettingsObj::AddInputEditToTab(int32_t tab, const std::string& key, const std::string& def, int32_t id,
                                        bool beside, int32_t left, int32_t width) {
  int32_t number = 0;
  if (!SOIsWholeNumber(def, number)) number = 0;
  int32_t i = AddControlToTabGeneral(tab, 0, true, key, number, def, id, beside, left, width);
  FControls[i].ControlType = ctEdit;
  return i;
}

int32_t TSettingsObj::AddInputFontNameEditToTab(int32_t tab, int32_t caption, bool captionBeside,
                                                const std::string& key, const std::string& def, int32_t id, bool beside,
                                                int32_t left, int32_t width) {
  int32_t i = AddControlToTabGeneral(tab, caption, true, key, 0, def, id, beside, left, width);
  FControls[i].ControlType = captionBeside ? ctFontNameEditTextRight : ctFontNameEditTextTop;
  return i;
}

int32_t TSettingsObj::AddInputCodePageComboBoxToTab(int32_t tab, int32_t caption, bool captionBeside,
                                                    const std::string& key, int32_t defaultCodePage, int32_t id,
                                                    bool beside, int32_t left, int32_t width) {
  int32_t i = AddControlToTabGeneral(tab, caption, true, key, defaultCodePage, CodePageToStrID(defaultCodePage), id,
                                     beside, left, width);
  FControls[i].ControlType = captionBeside ? ctCodePageComboBoxTextRight : ctCodePageComboBoxTextTop;
  return i;
}

int32_t TSettingsObj::AddInputRadioButtonGroupToTab(int32_t tab, const std::string& key, int32_t defaultItem,
                                                    int32_t id) {
  int32_t i = AddControlToTabGeneral(tab, -1, true, key, defaultItem, std::to_string(defaultItem), id, false, 0, 0);
  FControls[i].ControlType = ctRadioButtonGroup;
  FControls[i].ItemIDs.clear();
  return i;
}

int32_t TSettingsObj::AddInputRadioButtonGroupItemToTab(int32_t tab, int32_t groupID, int32_t itemNumber,
                                                        const std::string& itemStrID, int32_t caption, bool beside,
                                                        int32_t left, int32_t width, int32_t id) {
  const bool chosen = InTable(groupID) && FControls[groupID].DefaultInt == itemNumber;
  int32_t i =
      AddControlToTabGeneral(tab, caption, false, "", chosen ? 1 : 0, chosen ? "1" : "0", id, beside, left, width);
  TSOControlRecord& r = FControls[i];
  r.ControlType = ctRadioButtonGroupItem;
  r.IntID = itemNumber;
  r.StrID = itemStrID;
  r.GroupID = groupID;
  if (InTable(groupID)) FControls[groupID].ItemIDs.push_back(i);
  return i;
}

int32_t TSettingsObj::AddInputMemoAsButtonWithDialogToTab(int32_t tab, int32_t caption, const std::string& key,
                                                          const std::string& def, int32_t id, bool beside,
                                                          int32_t left) {
  int32_t i = AddControlToTabGeneral(tab, caption, true, key, 0, def, id, beside, left, 0);
  FControls[i].ControlType = ctMemoAsButton;
  return i;
}

int32_t TSettingsObj::AddActionButtonSetToDefault(int32_t tab, int32_t caption, int32_t targetID, bool beside,
                                                  int32_t left, int32_t id) {
  int32_t i = AddControlToTabGeneral(tab, caption, false, "", targetID, std::to_string(targetID), id, beside, left, 0);
  FControls[i].ControlType = ctActionButtonSetToDefault;
  return i;
}

int32_t TSettingsObj::AddActionCheckBoxToggleCharsInInput(int32_t tab, int32_t caption, int32_t targetID,
                                                          const std::string& chars, bool beside, int32_t left,
                                                          int32_t id) {
  int32_t i = AddControlToTabGeneral(tab, caption, false, "", 0, chars, id, beside, left, 0);
  FControls[i].ControlType = ctActionCheckBoxToggleCharsInInput;
  FControls[i].TargetID = targetID;
  return i;
}

bool TSettingsObj::AddDescriptionToCustomControl(int32_t id, int32_t text) {
  if (!InTable(id)) return false;
  FControls[id].DescriptionText = text;
  return true;
}

int32_t TSettingsObj::AddManagedControl(TSOManagedControl* comboBox, const std::string& section, const std::string& key,
                                        const std::string& def) {
  return AddManagedControlGeneral(comboBox, mcComboBox, section, key, 0, def);
}

int32_t TSettingsObj::AddManagedControlGeneral(TSOManagedControl* control, TSOManagedControlType managedType,
                                               const std::string& section, const std::string& key, int32_t defaultInt,
                                               const std::string& defaultValue) {
  TSOManagedControlRecord r;
  r.Control = control;
  r.IniSection = section;
  r.IniKey = key;
  r.DefaultInt = defaultInt;
  r.DefaultValue = defaultValue;
  r.ManagedType = managedType;
  FManagedControls.push_back(std::move(r));
  return static_cast<int32_t>(FManagedControls.size()) - 1;
}

int32_t TSettingsObj::AddManagedControlAdjustmentInMainFormShow(TSOManagedControl* control,
                                                                TSOManagedControlType adjustmentType, int32_t valueInt,
                                                                const std::string& value) {
  FManagedControlAdjustments.push_back({control, adjustmentType, valueInt, value});
  return static_cast<int32_t>(FManagedControlAdjustments.size()) - 1;
}

// --- Reading -------------------------------------------------------------------

std::string TSettingsObj::ReadString(int32_t id, const std::string& def) const {
  return InTable(id) ? FControls[id].Value : def;
}

bool TSettingsObj::ReadBoolean(int32_t id, bool def) const { return InTable(id) ? FControls[id].ValueInt == 1 : def; }

int32_t TSettingsObj::ReadInt(int32_t id, int32_t def) const {
  if (!InTable(id)) return def;
  const TSOControlRecord& r = FControls[id];
  int32_t whole = 0;
  if (SOIsWholeNumber(r.Value, whole)) return whole;
  const double d =
      StrToFloat_AllSeparators(Trim(r.Value), std::numeric_limits<double>::quiet_NaN(), /*allowFraction=*/true);
  // A number beyond the 32-bit range has no integer to round to; the stored number stands.
  if (!std::isfinite(d)) return r.ValueInt;
  const double rounded = std::nearbyint(d);
  if (rounded < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<int32_t>::max()))
    return r.ValueInt;
  return static_cast<int32_t>(rounded);
}

double TSettingsObj::ReadFloat(int32_t id, double def) const {
  if (!InTable(id)) return def;
  return StrToFloat_AllSeparators(Trim(FControls[id].Value), def, /*allowFraction=*/true);
}

// --- Tabs, texts and helpers -----------------------------------------------------

int32_t TSettingsObj::GetCustomTabCount() const { return static_cast<int32_t>(FTabs.size()); }

bool TSettingsObj::GetCustomMenuDivider(int32_t tabID) const {
  if (tabID < 0 || tabID >= GetCustomTabCount()) return false;
  return FTabs[tabID].MenuDivider;
}

std::string TSettingsObj::GetCustomMenuHeader(int32_t tabID) const {
  if (tabID < 0 || tabID >= GetCustomTabCount()) return std::string();
  return Slot(FTabs[tabID].MenuHeaderText);
}

std::string TSettingsObj::GetProgNameSpr() const {
  return FLanguage == SprLangGerman && !ProgNameDE.empty() ? ProgNameDE : ProgName;
}

int32_t TSettingsObj::GetRadioButtonGroupItemIntIDFromStrID(int32_t groupID, const std::string& strID,
                                                            int32_t def) const {
  if (!InTable(groupID)) return def;
  for (int32_t item : FControls[groupID].ItemIDs)
    if (InTable(item) && FControls[item].StrID == strID) return FControls[item].IntID;
  return def;
}

std::string TSettingsObj::GetStrForCurrentLanguage(const std::string& en, const std::string& de, const std::string& es,
                                                   const std::string& fr) const {
  switch (FLanguage) {
    case SprLangGerman: return de;
    case SprLangSpanish: return es;
    case SprLangFrench: return fr;
    default: return en;
  }
}

// --- Setters -----------------------------------------------------------------------

void TSettingsObj::SetAutoSaveOnExit(bool value) {
  if (value == FAutoSaveOnExit) return;
  FAutoSaveOnExit = value;
  if (OnSaveSettingsChange) OnSaveSettingsChange();
}

void TSettingsObj::SetSaveToAppDir(bool value) {
  if (value == FSaveToAppDir) return;
  FSaveToAppDir = value;
  if (OnSaveSettingsChange) OnSaveSettingsChange();
}

void TSettingsObj::SetSaveWindowSize(bool value) {
  if (value == FSaveWindowSize) return;
  FSaveWindowSize = value;
  if (OnSaveSettingsChange) OnSaveSettingsChange();
}

void TSettingsObj::SetFileExtensions(const TStrArray& value) { FFileExtensions = value; }

void TSettingsObj::SetProgFileExtSettings(const std::string& value) {
  FProgFileExtSettings = value;
  FStartFileName = "start." + value;
}

void TSettingsObj::InitializeStandardSettings() {
  CodePage = cpUTF8;
  CodePageWriteBOM = false;
}

void TSettingsObj::SetLanguage(int32_t language) {
  if (language != FLanguage) SetSprResGlobal(static_cast<uint32_t>(language));
  FLanguage = language;
  if (WindowHooks.SetLanguage) WindowHooks.SetLanguage(language);
}

void TSettingsObj::SetLanguageOfManagedControls(uint32_t language) {
  for (const TSOManagedControlRecord& m : FManagedControls) {
    if (!m.Control) continue;
    switch (m.ManagedType) {
      case mcSettingsContainer:
      case mcFileListView:
      case mcSaveSettingsContainer:
      case mcTextComboBox: m.Control->SetLanguage(language); break;
      case mcRawPanel:
        if (m.SaveItemIDs) m.Control->FlipChildren(language);
        break;
      default: break;
    }
  }
}

void TSettingsObj::SetURLAppendixOfManagedControls(const std::string& appendix, const std::string& urlPart) {
  for (const TSOManagedControlRecord& m : FManagedControls)
    if (m.Control && m.ManagedType == mcSettingsContainer) m.Control->SetURLAppendix(appendix, urlPart);
}

void TSettingsObj::ShowSettings(int32_t tabID) {
  if (WindowHooks.ShowSettings) WindowHooks.ShowSettings(tabID);
}

void TSettingsObj::UpdateControlValuesInGUI() {
  if (WindowHooks.UpdateControlValuesInGUI) WindowHooks.UpdateControlValuesInGUI();
}

// --- System-integration buttons ------------------------------------------------------

void TSettingsObj::ShowSettingsDialogContextMenu() {
  if (SystemIntegrationDialogs.ContextMenu)
    SystemIntegrationDialogs.ContextMenu(GetProgNameSpr(), ProgName, ProgNameDE, ExePath());
}

void TSettingsObj::ShowSettingsDialogAutoStart() {
  std::vector<TSystemIntegrationAutoStartOption> options{siAutoStartOff, siAutoStartNormal};
  if (EnableParameterTray) options.push_back(siAutoStartTray);
  if (SystemIntegrationDialogs.AutoStart)
    SystemIntegrationDialogs.AutoStart(ProgName, ExePath(), options, EnableBatchProcessor ? 1 : 0);
}

void TSettingsObj::ShowSettingsDialogFileAssociations() {
  TKeyValueArrayObj pairs;
  if (FileExtensionSettings) pairs.Add(FProgFileExtSettings, SprText(11));
  for (const std::string& line : FFileExtensions) {
    const size_t bar = line.find('|');
    if (bar == std::string::npos) continue;
    pairs.Add(Trim(line.substr(0, bar)), Trim(line.substr(bar + 1)));
  }
  if (SystemIntegrationDialogs.FileAssociations) SystemIntegrationDialogs.FileAssociations(ProgName, ExePath(), pairs);
}

void TSettingsObj::ShowSettingsDialogProgramShortCut() {
  UserDialogs().ShowText("ShowSettingsDialogProgramShortCut  NOT IMPLEMENTED");
}
