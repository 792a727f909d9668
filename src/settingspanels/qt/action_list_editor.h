// The window in which a user edits one action list (a new one, the built-in
// default list, or a list stored as a file): actions are composed on the left
// with the type chooser and the configuration panel and shown on the right as
// rows or as text. Saving writes the file (or hands the default list's text
// back), keeps the host's list chooser in step and reports to the host.
//
// The window stays on top, is not modal and frees itself when closed.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <string>

#include "settingspanels/qt/action_list_panels.h"

class QLineEdit;
class QMenu;
class QPushButton;
class TAdvancedMemo;
class TCollapsiblePanel;
class TScrollBox;
class TSettingsContainerSpr;
class TSplitterPanel;
class TTabPanel;
class TVirtualListView;

// List types of the editor.
inline constexpr int32_t alListNew = 1;
inline constexpr int32_t alListDefault = 2;
inline constexpr int32_t alListFile = 3;
// What the control's views hand over instead of a stored list.
inline constexpr int32_t alListFromMemo = 6;
inline constexpr int32_t alListFromRows = 7;

// The right side's views.
inline constexpr int32_t alDialogModeRows = 0;
inline constexpr int32_t alDialogModeText = 1;

// What PrepareAndShow receives about the list.
struct TSettingsContainerActionListEditorSource {
  int32_t ListType = alListNew;
  // The default list's text, or the path of a list file.
  std::string TextOrPath;
  int32_t GroupFilter = 0;
  int32_t DialogMode = alDialogModeRows;
  uint32_t Language = 0;
};

class TSettingsContainerActionListEditorSpr : public QMainWindow {
  Q_OBJECT
 public:
  // Commands, kept in the Tag of menu entries and buttons.
  enum : int32_t {
    cmdSave = 10,
    cmdSaveAsNew = 11,
    cmdDiscard = 12,
    cmdClose = 14,
    cmdAdd = 20,
    cmdUpdate = 21,
    cmdViewList = 30,
    cmdViewText = 31,
    cmdCopy = 40,
    cmdPaste = 41,
    cmdRemoveSelected = 50,
    cmdRemoveNotSelected = 51,
    cmdRemoveAll = 52,
    cmdSwap = 60,
    cmdAddOption = 70,     // 70 to 74: c, r, a, w, i
    cmdRemoveOption = 80,  // 80 to 84
  };

  // CreateNew: built with the defaults, owned by nobody (it frees itself).
  TSettingsContainerActionListEditorSpr();
  ~TSettingsContainerActionListEditorSpr() override;

  void PrepareAndShow(int32_t hostIndex, int32_t controlID, TBaseActionList* list, const std::string& folderName,
                      const std::string& fileExtension, const TSettingsContainerActionListEditorSource& source);
  void SetParentSettingsContainer(QWidget* container);
  // Empties both views and shows the file's text; false when it does not exist.
  bool LoadActionListFromFile(const std::string& path);
  // Shows the text in the current view; clears the modified flag.
  void LoadActionListFromString(const std::string& text);
  bool AddOrUpdateActionFromGUI(int32_t itemID);
  bool SaveCurrentList();
  void ChangeDialogMode(int32_t mode);
  void ChangeDefaultListToCustomListDialog();
  void RefreshCaption();
  void SetVisibilityButtonUpdate(bool visible);
  void SetLanguage(uint32_t language);

  const std::string& ActionListFile() const { return FActionListFile; }
  int32_t ActionListType() const { return FActionListType; }
  int32_t DialogMode() const { return FDialogMode; }
  bool Modified() const { return FModified; }
  int32_t EditedRowID() const { return FEditedRowID; }
  // The list's file path for a name: the list folder, the name, "." and the extension.
  std::string ListPath(const std::string& name) const;
  // The list folder, with "/".
  std::string ListFolder() const;
  // The folder that holds the list folder (with "/"); the program's own or the user's.
  std::string RootFolder;

  TSettingsContainerActionListDialogsSprActionListChangeNotification OnActionListChange;
  TSettingsContainerActionListDialogsSprChangeNotification OnSettingsChange;
  TSettingsContainerActionListDialogsSprStringTransfer OnDefaultActionListChange;
  TSettingsContainerActionListDialogsSprChangeNotification OnUnregister;

  // The parts, for tests and for the host.
  TSettingsContainerActionListDialogActionTypeContainer* TypeChooser() const { return FTypeChooser; }
  TSettingsContainerActionListDialogActionConfigContainer* ConfigPanel() const { return FConfigPanel; }
  TVirtualListView* ListView() const { return FListView; }
  TAdvancedMemo* Memo() const { return FMemo; }
  QLineEdit* NameEdit() const { return FNameEdit; }
  TCollapsiblePanel* NamePanel() const { return FNamePanel; }
  TSplitterPanel* Splitter() const { return FSplitter; }
  TTabPanel* Tabs() const { return FTabs; }
  QPushButton* ButtonAdd() const { return FButtonAdd; }
  QPushButton* ButtonUpdate() const { return FButtonUpdate; }
  QPushButton* ButtonSave() const { return FButtonSave; }
  QPushButton* ButtonDiscard() const { return FButtonDiscard; }
  QAction* MenuItem(int32_t command) const;
  QMenu* PopupMenu() const { return FPopupMenu; }

  // The handlers; public so that tests can replay them.
  void ProcCommand(int32_t command);
  // Sets the context menu's entries for the rows; false when none is left.
  bool PreparePopupMenu();
  void ProcListSelect(int32_t itemIndex, bool selected);
  void ProcCopy();
  void ProcPaste();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void BuildGUI();
  QAction* AddMenuItem(QMenu* menu, int32_t command, const std::string& caption, const QString& shortcut = {});
  QPushButton* AddButton(QWidget* parent, int32_t command, const std::string& caption);
  void FitToScreen();
  void SetModified(bool value);
  std::string CurrentText() const;
  TSettingsContainerSpr* ParentContainer() const;
  void CaptionMenus();

  TBaseActionList* FActionList = nullptr;
  int32_t FGroupFilter = 0;
  int32_t FHostIndex = -1;
  int32_t FControlID = -1;
  std::string FFolderName = "actionlists";
  std::string FFileExtension = "al";
  std::string FActionListFile;
  int32_t FActionListType = alListDefault;
  int32_t FDialogMode = alDialogModeRows;
  bool FModified = false;
  bool FNewList = true;
  int32_t FEditedRowID = -1;
  uint32_t FLanguage = 0;
  bool FLoading = false;
  bool FClosing = false;
  QPointer<QWidget> FParentContainer;

  TSplitterPanel* FSplitter = nullptr;
  TCollapsiblePanel* FNamePanel = nullptr;
  QLineEdit* FNameEdit = nullptr;
  TCollapsiblePanel* FNewActionPanel = nullptr;
  TScrollBox* FScrollBox = nullptr;
  TSettingsContainerActionListDialogActionTypeContainer* FTypeChooser = nullptr;
  TSettingsContainerActionListDialogActionConfigContainer* FConfigPanel = nullptr;
  QPushButton* FButtonAdd = nullptr;
  QPushButton* FButtonUpdate = nullptr;
  TTabPanel* FTabs = nullptr;
  TVirtualListView* FListView = nullptr;
  TAdvancedMemo* FMemo = nullptr;
  QPushButton* FButtonSave = nullptr;
  QPushButton* FButtonDiscard = nullptr;
  QMenu* FMenuFile = nullptr;
  QMenu* FMenuView = nullptr;
  QMenu* FPopupMenu = nullptr;
};
