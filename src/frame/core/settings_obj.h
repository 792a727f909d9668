// The settings model of a program: the declared tabs and controls with their
// current values, the managed controls of the main window, the settings files
// (start file, profiles, chosen files) and the reset to defaults.
//
// The main window declares every setting once and reads it by its setting ID
// whenever it needs it. Everything runs on the GUI thread.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/code_pages.h"
#include "foundation/config_files.h"
#include "frame/core/settings_types.h"
#include "text/language_constants.h"

// Declaring a setting ID that is already in use: a programming error of the caller.
class ESettingsObjError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TSettingsObj {
 public:
  TSettingsObj();
  ~TSettingsObj();
  TSettingsObj(const TSettingsObj&) = delete;
  TSettingsObj& operator=(const TSettingsObj&) = delete;

  // --- Published state --------------------------------------------------------
  std::string ProgName;
  std::string ProgNameDE;
  std::string ProgID;
  std::string ProgVersionAsYYMMDD;
  const std::string& ProgFileExtSettings() const { return FProgFileExtSettings; }
  std::string ProgURLRef;
  std::string ProgWebsiteDE, ProgWebsiteEN, ProgWebsiteES, ProgWebsiteFR;
  int32_t Language() const { return FLanguage; }
  TLanguageSet Languages;
  bool EnableParameterTray = false;
  bool EnableBatchProcessor = false;
  bool BatchMode = false;
  bool BatchLoadStartSettingsInBatchMode = false;
  int32_t CodePage = cpUTF8;
  bool CodePageWriteBOM = false;
  const TStrArray& FileExtensions() const { return FFileExtensions; }
  bool FileExtensionSettings = true;
  bool TabCodePage = false;
  bool TabLanguage = true;
  bool TabSaveSettings = true;
  bool TabFileAssociations = false;
  bool TabContextMenu = false;
  bool TabProgramShortCut = false;
  bool TabAutoStart = false;
  bool SaveToAppDir() const { return FSaveToAppDir; }
  bool SaveWindowSize() const { return FSaveWindowSize; }
  bool SaveNoDefaultValues = true;
  bool LoadDefaultValueIfNoKey = true;
  int32_t CustomTabCount() const { return GetCustomTabCount(); }
  bool AutoSaveOnExit() const { return FAutoSaveOnExit; }
  int32_t ControlArrangementStartPositionLeft = 12;
  int32_t ControlArrangementStartPositionTop = 16;
  int32_t ControlArrangementSpaceVertical = 12;
  int32_t ControlArrangementSpaceVerticalBetweenControls = 7;
  uint32_t ColorLinks = 0xB57254;
  bool ProgObjInitialized = false;

  TLanguageChangeNotification OnLanguageChange;
  TCodePageChangeNotification OnCodePageChange;
  TSettingsObjChangeNotification OnSaveSettingsChange;
  TSettingsObjChangeNotification OnProfilesChange;
  TSettingsButtonClickNotification OnButtonClick;
  TSettingsLoadOrSaveNotification OnSaveSettings;
  TSettingsLoadOrSaveNotification OnLoadSettings;
  TNotifyEvent OnResetSettings;
  TTabCustomControlChangeNotification OnCustomControlChange;

  // --- What the settings object reaches through others ---------------------
  // Not owned; nullptr answers every question with "cancelled" and shows nothing.
  void SetUserDialogs(TSettingsUserDialogs* dialogs);
  TSettingsUserDialogs& UserDialogs() const;
  TSOWindowHooks WindowHooks;
  TSystemIntegrationDialogs SystemIntegrationDialogs;
  // The folder that counts as the application's folder (with a trailing "/");
  // "" means the folder of the running executable.
  void SetApplicationFolder(const std::string& folder);
  std::string ApplicationFolder() const;
  std::string ConfigFolder() const;

  // --- Declarations -----------------------------------------------------------
  int32_t AddTab(int32_t caption, const std::string& section);
  int32_t AddTextToTab(int32_t tab, int32_t text, bool heading, bool beside, int32_t left, int32_t width, int32_t id);
  int32_t AddInputCheckToTab(int32_t tab, int32_t caption, bool asRadioButton, const std::string& key, bool def,
                             int32_t id, bool beside, int32_t left);
  int32_t AddInputEditToTab(int32_t tab, int32_t caption, bool captionBeside, const std::string& key,
                            const std::string& def, int32_t id, bool beside, int32_t left, int32_t width);
  // The edit without caption.
  int32_t AddInputEditToTab(int32_t tab, const std::string& key, const std::string& def, int32_t id, bool beside,
                            int32_t left, int32_t width);
  int32_t AddInputFontNameEditToTab(int32_t tab, int32_t caption, bool captionBeside, const std::string& key,
                                    const std::string& def, int32_t id, bool beside, int32_t left, int32_t width);
  int32_t AddInputCodePageComboBoxToTab(int32_t tab, int32_t caption, bool captionBeside, const std::string& key,
                                        int32_t defaultCodePage, int32_t id, bool beside, int32_t left, int32_t width);
  int32_t AddInputRadioButtonGroupToTab(int32_t tab, const std::string& key, int32_t defaultItem, int32_t id);
  int32_t AddInputRadioButtonGroupItemToTab(int32_t tab, int32_t groupID, int32_t itemNumber,
                                            const std::string& itemStrID, int32_t caption, bool beside, int32_t left,
                                            int32_t width, int32_t id);
  int32_t AddInputMemoAsButtonWithDialogToTab(int32_t tab, int32_t caption, const std::string& key,
                                              const std::string& def, int32_t id, bool beside, int32_t left);
  int32_t AddActionButtonSetToDefault(int32_t tab, int32_t caption, int32_t targetID, bool beside, int32_t left,
                                      int32_t id);
  int32_t AddActionCheckBoxToggleCharsInInput(int32_t tab, int32_t caption, int32_t targetID, const std::string& chars,
                                              bool beside, int32_t left, int32_t id);
  bool AddDescriptionToCustomControl(int32_t id, int32_t text);
  // A combo box of the main window whose shown text is saved; returns its index.
  int32_t AddManagedControl(TSOManagedControl* comboBox, const std::string& section, const std::string& key,
                            const std::string& def);

  int32_t AddControlToTabGeneral(int32_t tab, int32_t captionText, bool isInput, const std::string& iniKey,
                                 int32_t defaultInt, const std::string& defaultValue, int32_t id, bool placeBeside,
                                 int32_t left, int32_t width);
  int32_t AddManagedControlGeneral(TSOManagedControl* control, TSOManagedControlType managedType,
                                   const std::string& section, const std::string& key, int32_t defaultInt,
                                   const std::string& defaultValue);
  int32_t AddManagedControlAdjustmentInMainFormShow(TSOManagedControl* control, TSOManagedControlType adjustmentType,
                                                    int32_t valueInt, const std::string& value);

  // --- Reading by setting ID -------------------------------------------------
  std::string ReadString(int32_t id, const std::string& def) const;
  bool ReadBoolean(int32_t id, bool def) const;
  // Whole numbers as they are, decimal numbers ("2.5", "3,5", "1/4") rounded
  // half to even, anything else the stored number.
  int32_t ReadInt(int32_t id, int32_t def) const;
  double ReadFloat(int32_t id, double def) const;

  // --- Tabs, texts and helpers -------------------------------------------------
  int32_t GetCustomTabCount() const;
  bool GetCustomMenuDivider(int32_t tabID) const;
  std::string GetCustomMenuHeader(int32_t tabID) const;
  std::string GetProgNameSpr() const;
  int32_t GetRadioButtonGroupItemIntIDFromStrID(int32_t groupID, const std::string& strID, int32_t def) const;
  std::string GetStrForCurrentLanguage(const std::string& en, const std::string& de, const std::string& es,
                                       const std::string& fr) const;

  // --- Setters ---------------------------------------------------------------
  void SetAutoSaveOnExit(bool value);
  void SetSaveToAppDir(bool value);
  void SetSaveWindowSize(bool value);
  void SetFileExtensions(const TStrArray& value);
  void SetProgFileExtSettings(const std::string& value);
  void InitializeStandardSettings();
  // Refills the text store when the language changes and re-captions the window.
  void SetLanguage(int32_t language);
  void SetLanguageOfManagedControls(uint32_t language);
  void SetURLAppendixOfManagedControls(const std::string& appendix, const std::string& urlPart);

  // --- The settings window ---------------------------------------------------
  void ShowSettings(int32_t tabID);
  void UpdateControlValuesInGUI();

  // --- System-integration buttons ----------------------------------------------
  void ShowSettingsDialogContextMenu();
  void ShowSettingsDialogAutoStart();
  void ShowSettingsDialogFileAssociations();
  void ShowSettingsDialogProgramShortCut();

  // --- Handlers of the settings window that need no widget --------------------
  // Writes "lang.cfg" ("lang=" + code) for the current language where the
  // settings are kept and tells the user how it went; true when written.
  bool LanguageTabButtonClickSaveLanguage();
  // Deletes the per-user configuration folder at once; true when it is gone.
  bool SaveTabButtonClickDeleteSettings();
  // Resets the settings whose IDs the button's value lists ("3" or "3,5").
  void ActionButtonClickSetToDefault(int32_t id);
  // Raises OnButtonClick for an action button.
  void ButtonClick(int32_t id);

  // --- Settings files ----------------------------------------------------------
  bool SaveSettings(TConfigSaveLocation location, const std::string& fileName, bool showMessage);
  bool LoadSettings(const std::string& fileName, bool showMessage);

  // --- Start file, profiles, window sizes and reset ------------------------------
  const std::string& StartFileName() const { return FStartFileName; }
  bool LoadStartOrParameterSettings();
  bool LoadStartOrParameterSettings(const TStrArray& arguments);
  // The save-tab buttons, told apart by the button's name ("bt_save_save_start", …).
  void SaveTabButtonClickSaveSettings(const std::string& buttonName);
  void SaveTabButtonClickLoadSettings(const std::string& buttonName);
  // Full paths, sorted without regard to letter case.
  TStrArray GetSavedProfileFiles(bool appDir, bool configDir) const;
  // Names without folder and extension, sorted, each once without regard to letter case.
  TStrArray GetSavedProfileNames(bool appDir, bool configDir) const;
  bool SaveWindowSizeSettingsOfManagedControls(TConfigSaver& settings);
  bool LoadWindowSizeSettingsOfManagedControls(TConfigSaver& settings);
  bool LoadWindowSizeSettingsOfManagedControlsMainFormShow();
  void ProgShowProc();
  void ProgCloseQueryProc();
  void Initialize();
  void ResetSettings();
  void SetValueToDefault(int32_t id);

  // --- Tables (the settings window reads and writes them) -----------------------
  const std::vector<TSOTabRecord>& Tabs() const { return FTabs; }
  std::vector<TSOControlRecord>& Controls() { return FControls; }
  const std::vector<TSOControlRecord>& Controls() const { return FControls; }
  const std::vector<TSOManagedControlRecord>& ManagedControls() const { return FManagedControls; }
  const std::vector<TSOManagedControlAdjustmentRecord>& ManagedControlAdjustments() const {
    return FManagedControlAdjustments;
  }

 private:
  bool InTable(int32_t id) const { return id >= 0 && static_cast<size_t>(id) < FControls.size(); }
  TConfigSaveLocation StartFileLocation() const;
  // Refuses profile names that could leave the folder or replace the start file.
  bool IsValidProfileName(const std::string& name) const;
  // The failure names the file and the system's reason (errno, 0 for none).
  void ShowSaveResult(bool ok, const std::string& path = "", int errorNumber = 0);

  std::string FProgFileExtSettings = "cfg";
  int32_t FLanguage = 0;
  TStrArray FFileExtensions;
  bool FSaveToAppDir = false;
  bool FSaveWindowSize = true;
  bool FAutoSaveOnExit = false;
  std::string FStartFileName = "start.cfg";
  std::string FApplicationFolder;
  TSettingsUserDialogs* FUserDialogs = nullptr;
  std::unique_ptr<TSettingsUserDialogs> FNoDialogs;

  std::vector<TSOTabRecord> FTabs;
  std::vector<TSOControlRecord> FControls;
  std::vector<TSOManagedControlRecord> FManagedControls;
  std::vector<TSOManagedControlAdjustmentRecord> FManagedControlAdjustments;
};

// T is a whole number: not empty after trimming blanks and accepted in full by
// the 32-bit conversion.
bool SOIsWholeNumber(const std::string& text, int32_t& value);
