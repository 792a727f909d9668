// The frame component that the main window embeds: the program's identity
// and switches, the settings object it owns, and the start-up sequence
// (Initialize) with start language, title, settings files, splash screen,
// command line, window size and the language switch.
//
// Menus, web links, the tray icon and the info dialog are added by their own
// modules through the virtual steps below; until then those steps do nothing.
#pragma once

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/code_pages.h"
#include "frame/core/command_line.h"
#include "frame/core/settings_obj.h"
#include "frame/core/settings_variant.h"
#include "frame/core/url_rules.h"
#include "frame/qt/info_dialog.h"
#include "frame/qt/settings_window.h"
#include "text/language_constants.h"
#include "text/text_store.h"

class TPwkProgObj : public QObject {
  Q_OBJECT
 public:
  // The owner is normally the main window; its close and show events are hooked by Initialize.
  explicit TPwkProgObj(QObject* owner);
  ~TPwkProgObj() override;

  // --- Identity and switches ----------------------------------------------------
  std::string ProgID = "XX";
  const std::string& ProgName() const { return FProgName; }
  void SetProgName(const std::string& value);
  std::string ProgNameDE;
  std::string ProgWebsiteDE = "www.pellwick.de/prog";
  std::string ProgWebsiteEN = "www.pellwick.com/prog";
  std::string ProgWebsiteES = "www.pellwick.com/es/prog";
  std::string ProgWebsiteFR = "www.pellwick.com/fr/prog";
  std::string ProgYear = "2008";
  // The build date as YYYY/MM/DD.
  const std::string& ProgCompilationDate() const { return FProgCompilationDate; }
  std::string ProgCompilationYear() const { return GetProgCompilationYear(); }
  std::string ProgVersion() const { return GetProgVersion(); }
  const std::string& ProgFileExtSettings() const { return FProgFileExtSettings; }
  void SetProgFileExtSettings(const std::string& value);
  bool ShowWarningIfAppIsNotExtracted = true;
  int32_t CodePage() const { return FCodePage; }
  bool CodePageWriteBOM() const { return FCodePageWriteBOM; }
  int32_t Language() const { return FLanguage; }
  const TLanguageSet& Languages() const { return FLanguages; }
  void SetLanguages(const TLanguageSet& value);
  bool SplashScreenAutoShow = true;
  int32_t SplashScreenDuration = 2500;
  QPixmap ImgSplashScreenEN, ImgSplashScreenDE, ImgHeaderEN, ImgHeaderDE;
  uint32_t ColorLinks = 0x00B57254;
  bool AllowMultipleInstances = true;
  bool EnableParameterHide = false;
  bool EnableParameterTray() const { return FEnableParameterTray; }
  void SetEnableParameterTray(bool value);
  bool EnableBatchProcessor = false;
  bool EnableAutoMaximizeIfProgIsTooBigForScreen = true;
  bool BatchMode = false;
  bool BatchLoadStartSettingsInBatchMode = false;
  bool InstanceWillBeClosed = false;

  TProgObjOpenFilesNotification OnOpenFiles;
  TProgObjBatchProcessProc OnBatchProcess;
  TProgObjNewInstanceProc OnNewInstance;
  TLanguageChangeNotification OnLanguageChange;
  TCodePageChangeNotification OnCodePageChange;
  TTabCustomControlChangeNotification OnSettingsCustomInputChange;
  TSettingsLoadOrSaveNotification OnSettingsSave;
  TSettingsLoadOrSaveNotification OnSettingsLoad;
  TNotifyEvent OnSettingsReset;
  TSettingsButtonClickNotification OnSettingsButtonClick;
  TWindowSizeLoadOrSaveNotification OnWindowSizeSave;
  TWindowSizeLoadOrSaveNotification OnWindowSizeLoad;

  bool SettingsTabCodePage() const { return FSettingsTabCodePage; }
  void SetSettingsTabCodePage(bool value);
  bool SettingsTabLanguage() const { return FSettingsTabLanguage; }
  void SetSettingsTabLanguage(bool value);
  bool SettingsTabSaveSettings() const { return FSettingsTabSaveSettings; }
  void SetSettingsTabSaveSettings(bool value);
  // The system-integration options; Initialize clears all four on this platform.
  bool SettingsTabFileAssociations = true;
  bool SettingsTabContextMenu = false;
  bool SettingsTabProgramShortCut = false;
  bool SettingsTabAutoStart = false;
  bool MenuSettings = true;
  bool MenuSettingsShowReset = true;
  bool MenuSoftware = true;
  bool MenuInfo = true;
  bool SettingsSaveToAppDir() const { return FSettingsSaveToAppDir; }
  void SetSettingsSaveToAppDir(bool value);
  bool SettingsAutoSaveOnExit() const { return FSettingsAutoSaveOnExit; }
  void SetSettingsAutoSaveOnExit(bool value);
  bool SettingsSaveWindowSize() const { return FSettingsSaveWindowSize; }
  void SetSettingsSaveWindowSize(bool value);
  bool SettingsSaveNoDefaultValues() const { return FSettingsSaveNoDefaultValues; }
  void SetSettingsSaveNoDefaultValues(bool value);
  bool SettingsLoadDefaultValueIfNoKey() const { return FSettingsLoadDefaultValueIfNoKey; }
  void SetSettingsLoadDefaultValueIfNoKey(bool value);
  bool TrayMinimizeToTrayIcon = false;
  bool TrayCloseToTrayIcon = false;
  bool TrayIconAlwaysVisible = false;
  TStrArray InfoThanks;
  const TStrArray& FileExtensions() const { return FFileExtensions; }
  void SetFileExtensions(const TStrArray& value);
  bool FileExtensionSettings() const { return FFileExtensionSettings; }
  void SetFileExtensionSettings(bool value);

  // Whether the program shows its main window; start switches and batch mode clear it.
  bool ApplicationShowMainForm = true;

  TSettingsObj& SettingsObj() { return *FSettingsObj; }
  QWidget* OwnerForm() const { return FOwnerForm; }
  // Everything the frame and the settings object ask the user; nullptr puts
  // the real windows back. Not owned.
  void SetUserDialogs(TSettingsUserDialogs* dialogs);

  // --- Hosting (idle until a program registers a component) -------------------
  void SetFileListView(TBatchFileListView* view) { FFileListView = view; }
  void SetSaveSettingsContainer(TBatchSaveSettingsContainer* panel) { FSaveSettingsContainer = panel; }

  // --- Start-up and running ------------------------------------------------------
  // True when the main window is to run normally.
  bool Initialize();
  bool Initialized() const { return FInitialized; }
  void ShowSettings(int32_t tabID);
  void CloseMainForm();
  void MaximizeIfOwnerFormIsTooBigForScreen();
  void ResetSettings();
  // Opens the donation page when clicked; its text follows the language.
  void AddDonateControl(QWidget* control);

  virtual void SetStartLanguage();
  virtual void SetApplicationTitle();
  virtual void SetLanguage(int32_t language);
  virtual void ShowSplashScreen();
  virtual void HandleParams(const TStrArray& arguments, bool batch);
  // Menus on the main window (entries are QActions, menus QMenus, found by name).
  virtual void CreateMenusOnOwnerForm();
  virtual void ResetAndCreateProfileMenusOnOwnerForm();
  virtual void CreateTrayIcon();
  virtual void ShowTrayIcon();
  virtual void InfoDialogSetUp();
  virtual void InfoDialogSetLanguage(int32_t language);
  virtual void DonateControlClick();
  virtual std::string GetURLRef(const std::string& place) const;
  virtual std::string GetURLForCurrentLanguage(TProgObjURL kind) const;
  // Opens an address through the browser call of url_rules.h; a non-empty
  // place adds the reference query for that place.
  void BrowseToURL(const std::string& address, const std::string& place);

  // Menu handlers; the sender is the menu entry.
  void MenuItemClickBrowseToCaptionURL(QObject* sender);
  void MenuItemClickOpenInfoDialog(QObject* sender);
  void MenuItemClickOpenSettings(QObject* sender);
  void MenuItemClickOpenProfile(QObject* sender);
  void TrayIconOnDblClick();
  void TrayIconOwnerFormWindowStateChange();

  TInfoDialogObj& InfoDialogObj() { return *FInfoDialogObj; }
  TSettingsWindowHost& SettingsWindowHost() { return *FSettingsWindowHost; }
  QMenuBar* MainMenu() const { return FMainMenu; }
  QSystemTrayIcon* TrayIcon() const { return FTrayIcon; }

  std::string GetStrForCurrentLanguage(const std::string& en, const std::string& de, const std::string& es,
                                       const std::string& fr) const;
  std::string GetProgCompilationYear() const;
  std::string GetProgVersion() const;
  std::string GetProgVersionAsYYMMDD() const;
  std::string TitleText() const;

  // The window-size section of a settings document.
  void SaveWindowSizeSettings(TConfigSaver& settings);
  void LoadWindowSizeSettings(TConfigSaver& settings);
  bool WindowSizeLoaded() const { return FWindowSizeLoaded; }
  // The header picture of the info dialog for a language; unchanged when neither picture is set.
  void InfoDialogFetchHeaderImage(int32_t language, QPixmap& headerImage) const;

  // --- Settings declarations (library texts by slot, program texts by number) ---
  int32_t SettingsAddTab(StrResGlobal caption, const std::string& section);
  int32_t SettingsAddTab(const TSettingsVariant& caption, const std::string& section);
  int32_t SettingsAddTextToTab(int32_t tab, StrResGlobal text, bool heading, bool beside, int32_t left, int32_t width,
                               int32_t id);
  int32_t SettingsAddTextToTab(int32_t tab, const TSettingsVariant& text, bool heading, bool beside, int32_t left,
                               int32_t width, int32_t id);
  int32_t SettingsAddInputCheckToTab(int32_t tab, StrResGlobal caption, bool asRadioButton, const std::string& key,
                                     bool def, int32_t id, bool beside, int32_t left);
  int32_t SettingsAddInputCheckToTab(int32_t tab, const TSettingsVariant& caption, bool asRadioButton,
                                     const std::string& key, bool def, int32_t id, bool beside, int32_t left);
  int32_t SettingsAddInputCheckBoxToTab(int32_t tab, StrResGlobal caption, const std::string& key, bool def, int32_t id,
                                        bool beside, int32_t left);
  int32_t SettingsAddInputRadioButtonGroupToTab(int32_t tab, const std::string& key, int32_t defaultItem, int32_t id);
  int32_t SettingsAddInputRadioButtonGroupItemToTab(int32_t tab, int32_t groupID, int32_t itemNumber,
                                                    const std::string& itemStrID, StrResGlobal caption, bool beside,
                                                    int32_t left, int32_t width);
  int32_t SettingsAddInputRadioButtonGroupItemToTab(int32_t tab, int32_t groupID, int32_t itemNumber,
                                                    const std::string& itemStrID, const TSettingsVariant& caption,
                                                    bool beside, int32_t left, int32_t width);
  int32_t SettingsAddInputEditToTab(int32_t tab, StrResGlobal caption, bool captionBeside, const std::string& key,
                                    const std::string& def, int32_t id, bool beside, int32_t left, int32_t width);
  int32_t SettingsAddInputEditToTab(int32_t tab, const TSettingsVariant& caption, bool captionBeside,
                                    const std::string& key, const std::string& def, int32_t id, bool beside,
                                    int32_t left, int32_t width);
  int32_t SettingsAddInputEditToTab(int32_t tab, const std::string& key, const std::string& def, int32_t id,
                                    bool beside, int32_t left, int32_t width);
  int32_t SettingsAddInputFontNameEditToTab(int32_t tab, StrResGlobal caption, bool captionBeside,
                                            const std::string& key, const std::string& def, int32_t id, bool beside,
                                            int32_t left, int32_t width);
  int32_t SettingsAddInputCodePageComboBoxToTab(int32_t tab, StrResGlobal caption, bool captionBeside,
                                                const std::string& key, int32_t defaultCodePage, int32_t id,
                                                bool beside, int32_t left, int32_t width);
  int32_t SettingsAddInputMemoAsButtonWithDialogToTab(int32_t tab, const TSettingsVariant& caption,
                                                      const std::string& key, const std::string& def, int32_t id,
                                                      bool beside, int32_t left);
  int32_t SettingsAddActionButtonSetToDefault(int32_t tab, const TSettingsVariant& caption, int32_t targetID,
                                              bool beside, int32_t left, int32_t id);
  int32_t SettingsAddActionCheckBoxToggleCharsInInput(int32_t tab, StrResGlobal caption, int32_t targetID,
                                                      const std::string& chars, bool beside, int32_t left, int32_t id);
  int32_t SettingsAddActionCheckBoxToggleCharsInInput(int32_t tab, const TSettingsVariant& caption, int32_t targetID,
                                                      const std::string& chars, bool beside, int32_t left, int32_t id);
  bool SettingsAddDescriptionToCustomControl(int32_t id, const TSettingsVariant& text);
  // The program texts of the info dialog's help page; arguments without a number are skipped.
  void InfoDialogSetHelpTexts(const TSettingsVariant& v1, const TSettingsVariant& v2 = {},
                              const TSettingsVariant& v3 = {}, const TSettingsVariant& v4 = {},
                              const TSettingsVariant& v5 = {});
  // The slots that InfoDialogSetHelpTexts chose, for the info dialog.
  TIntArray InfoDialogHelpTexts;
  // A combo box of the main window whose shown text is saved with the settings.
  int32_t SettingsAddManagedControl(QComboBox* comboBox, const std::string& section, const std::string& key,
                                    const std::string& def);
  // A hosted component (a settings container, a file list view, a save-target
  // panel) through the adapter that stands for it; the frame keeps the adapter.
  int32_t SettingsAddManagedControl(std::unique_ptr<TSOManagedControl> adapter, TSOManagedControlType kind,
                                    const std::string& section);
  std::string ReadString(int32_t id, const std::string& def) const { return FSettingsObj->ReadString(id, def); }
  bool ReadBoolean(int32_t id, bool def) const { return FSettingsObj->ReadBoolean(id, def); }
  int32_t ReadInt(int32_t id, int32_t def) const { return FSettingsObj->ReadInt(id, def); }
  double ReadFloat(int32_t id, double def) const { return FSettingsObj->ReadFloat(id, def); }

  // The relays of the settings object's notifications.
  void SettingsObjLanguageChange(int32_t language);
  void SettingsObjCodePageChange(int32_t codePage, bool writeBOM);
  void SettingsObjSaveTabChange();
  void SettingsObjProfilesChange();
  void SettingsObjCustomInputChange(int32_t controlID, const std::string& newValue, int32_t newValueInt);
  void SettingsObjButtonClick(int32_t controlID);
  void SettingsObjLoadSettings(TConfigSaver& settings);
  void SettingsObjSaveSettings(TConfigSaver& settings);
  void SettingsObjResetSettings(void* sender);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The main window's close request; CanClose false keeps it open.
  void MainFormCloseQueryProc(bool& canClose);
  void MainFormShowProc();
  // Another start of the program asked this one to come forward.
  void InstanceManagerNewInstanceNotification();
  // The stored width or height as it applies now (logical pixels need no scaling).
  int32_t ScaleToScreen(int32_t value) const { return value; }
  // Set by the tray module once its icon exists.
  bool TrayIconCreated = false;

 private:
  std::string FProgName = "ProgName";
  std::string FProgCompilationDate;
  std::string FProgFileExtSettings = "cfg";
  int32_t FCodePage = cpUTF8;
  bool FCodePageWriteBOM = false;
  int32_t FLanguage = 0;
  TLanguageSet FLanguages{langEN, langDE};
  bool FEnableParameterTray = false;
  bool FSettingsTabCodePage = false;
  bool FSettingsTabLanguage = true;
  bool FSettingsTabSaveSettings = true;
  bool FSettingsSaveToAppDir = false;
  bool FSettingsAutoSaveOnExit = false;
  bool FSettingsSaveWindowSize = true;
  bool FSettingsSaveNoDefaultValues = true;
  bool FSettingsLoadDefaultValueIfNoKey = true;
  TStrArray FFileExtensions;
  bool FFileExtensionSettings = true;

  QPointer<QWidget> FOwnerForm;
  std::unique_ptr<TSettingsObj> FSettingsObj;
  std::unique_ptr<TSettingsUserDialogs> FQtDialogs;
  TKeyValueArrayObj FBatchKeyValues;
  TBatchFileListView* FFileListView = nullptr;
  TBatchSaveSettingsContainer* FSaveSettingsContainer = nullptr;
  std::vector<QPointer<QWidget>> FDonateControls;
  std::vector<std::unique_ptr<TSOManagedControl>> FManagedControlAdapters;
  std::unique_ptr<TInstanceManager> FInstanceManager;
  std::unique_ptr<TInfoDialogObj> FInfoDialogObj;
  std::unique_ptr<TSettingsWindowHost> FSettingsWindowHost;
  QPointer<QMenuBar> FMainMenu;
  QPointer<QSystemTrayIcon> FTrayIcon;
  QPointer<QMenu> FTrayPopupMenu;
  QAction* FTrayMenuItemShow = nullptr;
  QAction* FTrayMenuItemClose = nullptr;
  bool FCloseFromTray = false;
  // The tray icon takes the main window's minimising.
  bool FTrayWatchesWindowState = false;
  bool FInitialized = false;
  bool FWindowSizeLoaded = false;
};
