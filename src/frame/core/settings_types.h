// The tables of the settings object, its notifications, and the interfaces
// through which it reaches what it does not own: controls on the main window,
// the settings window, and the user (messages, input and file dialogs).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "foundation/config_files.h"
#include "foundation/containers_maps.h"
#include "foundation/types.h"

// The kind of a declared control; the numbers are stored nowhere but order matters.
enum TSOControlType : int32_t {
  ctHeading,
  ctLabel,
  ctHTMLHelp,
  ctHTMLHelpSpaceAbove,
  ctCheckBox,
  ctRadioButton,
  ctEdit,
  ctEditTextTop,
  ctEditTextRight,
  ctComboBox,
  ctComboBoxTextTop,
  ctComboBoxTextRight,
  ctMemoAsButton,
  ctActionButton,
  ctRadioButtonGroup,
  ctRadioButtonGroupItem,
  ctColorEditTextTop,
  ctColorEditTextRight,
  ctFontNameEditTextTop,
  ctFontNameEditTextRight,
  ctCodePageComboBoxTextTop,
  ctCodePageComboBoxTextRight,
  ctFontStyleComboBoxTextRight,
  ctFontStyleComboBoxTextTop,
  ctAlignmentComboBoxTextTop,
  ctAlignmentComboBoxTextRight,
  ctAlignmentVerticalComboBoxTextTop,
  ctAlignmentVerticalComboBoxTextRight,
  ctActionButtonSetToDefault,
  ctActionButtonConfigureFileListViewColumns,
  ctActionCheckBoxToggleCharsInInput,
};

// The kind of a control that lives on the main window but is saved with the settings.
enum TSOManagedControlType : int32_t {
  mcSettingsContainer,
  mcFileListView,
  mcSaveSettingsContainer,
  mcCheckBox,
  mcRadioButton,
  mcComboBox,
  mcTextComboBox,
  mcSplitterPanelPosition,
  mcCollapsiblePanelState,
  mcCollapsibleSplitterPanelPosition,
  mcCollapsibleSplitterPanelState,
  mcRawPanel,
  mcVirtualListView,
};

// The standard tabs of the settings window; declared tabs count from 0.
inline constexpr int32_t kSOTabCodePage = 7000;
inline constexpr int32_t kSOTabLanguage = 7001;
inline constexpr int32_t kSOTabSaveSettings = 7002;
inline constexpr int32_t kSOTabSystemIntegration = 7003;

// Where SaveSettings writes.
enum TConfigSaveLocation : int32_t {
  cslAppDir,     // the folder that holds the application
  cslConfigDir,  // the program's per-user configuration folder
  cslFileName,   // the file name is a full path
};

// A control on the main window as the settings object sees it. The program's
// GUI layer wraps each registered control in one of these; hosted components
// (settings containers, a file list view, a save-target panel) implement it
// themselves. Every operation that does not apply to the control's class does
// nothing.
class TSOManagedControl {
 public:
  virtual ~TSOManagedControl() = default;
  // Whether the control is of the class that a managed kind needs.
  virtual bool Supports(TSOManagedControlType kind) const = 0;

  // Check boxes and radio buttons.
  virtual bool GetChecked() const { return false; }
  virtual void SetChecked(bool checked) {}
  // Combo boxes: the shown text; text combo boxes: the raw text with placeholders.
  virtual std::string GetText() const { return std::string(); }
  virtual void SetText(const std::string& text) {}
  // Text combo boxes, settings containers, the save-target panel, the file list view.
  virtual void SetLanguage(uint32_t language) {}
  // Splitter panels; the collapsible one answers with the position before a collapse.
  virtual int32_t GetSplitterPositionRelativeAsInt() const { return 0; }
  virtual bool SetSplitterPositionRelativeFromInt(int32_t value) { return false; }
  // Collapsible panels.
  virtual int32_t GetState() const { return 0; }
  virtual void SetState(int32_t state) {}
  // Virtual list views.
  virtual TStrArray2D GetContentAsStrArray(bool withIDs, bool withCheckState, bool withCaptionRow) const { return {}; }
  virtual void SetContentFromStrArray(const TStrArray2D& table, bool withIDs, bool withCheckState, bool clearFirst) {}
  virtual void Clear() {}
  // Hosted components save, load, reset and set up themselves. The section is
  // empty for settings containers, which write their own sections.
  virtual void SettingsSave(TConfigSaver& document, const std::string& section, bool onlyNonDefault,
                            bool withColumnWidths) {}
  virtual void SettingsLoad(TConfigSaver& document, const std::string& section, bool defaultIfNoKey,
                            bool scaleToScreen) {}
  virtual void ResetValuesToDefault() {}
  virtual void Initialize() {}
  virtual void SetURLAppendix(const std::string& appendix, const std::string& urlPart) {}
  // File list views: the dialog that chooses and orders their columns.
  virtual void ExecuteColumnsDialog() {}
  // Raw panels: mirror the children for the language's reading direction.
  virtual void FlipChildren(uint32_t language) {}
};

struct TSOTabRecord {
  int32_t CaptionText = 0;
  int32_t MenuHeaderText = 0;
  bool MenuDivider = false;
  std::string IniSection;
};

struct TSOControlRecord {
  int32_t TabID = 0;
  int32_t IntID = 0;
  std::string StrID;
  int32_t GroupID = 0;
  bool IsInput = false;
  int32_t CaptionText = 0;
  int32_t DescriptionText = 0;
  TSOControlType ControlType = ctHeading;
  int32_t TargetID = 0;
  // The file list view whose columns a button of kind 29 configures.
  TSOManagedControl* LinkedObject = nullptr;
  int32_t Left = 0;
  int32_t Width = 0;
  std::string IniKey;
  int32_t ValueInt = 0;
  int32_t DefaultInt = 0;
  std::string Value;
  std::string DefaultValue;
  bool PlaceBeside = false;
  // The settings window's control and caption label while the window exists.
  void* Control = nullptr;
  void* CaptionLabel = nullptr;
  TIntArray ItemIDs;
  TStrArray Items;
  bool InUse = false;
};

struct TSOManagedControlRecord {
  TSOManagedControl* Control = nullptr;
  std::string IniSection;
  std::string IniKey;
  int32_t DefaultInt = 0;
  std::string DefaultValue;
  TSOManagedControlType ManagedType = mcSettingsContainer;
  bool SaveItemIDs = false;
  bool SaveCheckStates = false;
};

struct TSOManagedControlAdjustmentRecord {
  TSOManagedControl* Control = nullptr;
  TSOManagedControlType AdjustmentType = mcSplitterPanelPosition;
  int32_t ValueInt = 0;
  std::string Value;
};

// Notifications.
using TCodePageChangeNotification = std::function<void(int32_t ANewCodePage, bool AWriteBOM)>;
using TSettingsObjChangeNotification = std::function<void()>;
using TSettingsButtonClickNotification = std::function<void(int32_t AControlID)>;
using TSettingsLoadOrSaveNotification = std::function<void(TConfigSaver& ASettings)>;
using TWindowSizeLoadOrSaveNotification =
    std::function<void(const std::string& APreferredSection, TConfigSaver& ASettings)>;
using TTabCustomControlChangeNotification =
    std::function<void(int32_t AControlID, const std::string& ANewValue, int32_t ANewValueInt)>;
using TNotifyEvent = std::function<void(void* Sender)>;

enum class TSOMessageKind { Information, Warning, Error };

// Everything the settings object and the frame ask the user. The program's
// GUI layer answers with real dialogs; tests answer from a script.
class TSettingsUserDialogs {
 public:
  virtual ~TSettingsUserDialogs() = default;
  // A message with one OK button.
  virtual void MessageBox(TSOMessageKind kind, const std::string& caption, const std::string& text) = 0;
  // The entered or chosen text, or the NUL marker when the dialog was cancelled.
  virtual std::string InputEdit(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                                const std::string& cancelCaption, const std::string& defaultText) = 0;
  virtual std::string InputComboBox(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                                    const std::string& cancelCaption, const std::string& defaultText,
                                    const TStrArray& items) = 0;
  // The chosen path, or "" when the dialog was cancelled. The filter has the
  // form "description (*.ext)|*.ext".
  virtual std::string SaveFileDialog(const std::string& title, const std::string& fileName,
                                     const std::string& defaultExt, const std::string& filter) = 0;
  virtual std::string OpenFileDialog(const std::string& title, const std::string& defaultExt,
                                     const std::string& filter) = 0;
  // Shows a text for inspection.
  virtual void ShowText(const std::string& text) = 0;
  // The edited multi-line text, or the NUL marker when the dialog was cancelled.
  virtual std::string InputMemo(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                                const std::string& cancelCaption, const std::string& defaultText) {
    return std::string(1, '\0');
  }
};

// The settings window, built by the GUI layer, registers these; each may stay empty.
struct TSOWindowHooks {
  // Builds the window when needed and shows the tab with that ID.
  std::function<void(int32_t tabID)> ShowSettings;
  // Re-captions the window, when it exists, for the language.
  std::function<void(int32_t language)> SetLanguage;
  // Shows every stored value in the window, when it exists.
  std::function<void()> UpdateControlValuesInGUI;
  // Shows the default of one setting in its control, when the window exists.
  std::function<void(int32_t settingID)> ShowDefaultValue;
};

// The dialogs of the system-integration buttons; idle until a program offers them.
enum TSystemIntegrationAutoStartOption : int32_t { siAutoStartOff, siAutoStartNormal, siAutoStartTray };
struct TSystemIntegrationDialogs {
  std::function<void(const std::string& displayName, const std::string& progName, const std::string& progNameDE,
                     const std::string& exePath)>
      ContextMenu;
  std::function<void(const std::string& progName, const std::string& exePath,
                     const std::vector<TSystemIntegrationAutoStartOption>& options, int32_t flag)>
      AutoStart;
  std::function<void(const std::string& progName, const std::string& exePath, TKeyValueArrayObj& pairs)>
      FileAssociations;
};
