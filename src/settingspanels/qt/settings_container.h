// The settings container: a scrollable column of collapsible option groups
// whose controls are built from the declared records (about forty kinds),
// write the user's changes back into them and tell the host.
//
// A host declares tabs and records through the model, binds the events,
// calls Initialize once and then loads, saves and resets at any time.
#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QPointer>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "foundation/qt/scroll_box.h"
#include "settingspanels/core/settings_container_model.h"

// Kept out of this header: the controls' and the frame's notification types
// share a name, and hosts include the frame beside it.
class QMenu;
class TAdvancedMemo;
class TBaseActionList;
class TExpandablePanel;
class TIDComboBox;
class TPaddingButton;
class TRawPanel;
class TVirtualListBox;
class TVirtualListView;
struct TVirtualListViewCellInfo;

// One action-list control (a record of kind 39, whose LinkIndex names it):
// where its lists are stored, its widgets and the list it shows.
struct TSettingsContainerActionListWrapper {
  // Its record; negative: no selector is filled.
  int32_t ControlIndex = -1;
  // The folder of the list files below the folder of action-list folders,
  // and their extension without ".".
  std::string Folder;
  std::string Extension;
  QPointer<TIDComboBox> ComboBox;
  QPointer<TAdvancedMemo> Memo;
  QPointer<TVirtualListView> ListView;
  QPointer<TExpandablePanel> Panel;
  // The buttons of the row, numbered by their Tag and position.
  QPointer<TPaddingButton> Button2, Button1, Button4, Button3;
  // Handed to the dialogs as their group filter.
  int32_t ActionListKind = 0;
  // 0 the table is shown, 1 the text.
  int32_t ViewMode = 0;
  // A panel height from the settings, 0 once applied.
  int32_t StoredHeight = 0;
  // The shown list: its string id ("default" or a file name with extension),
  // its type (2 the default list, 3 a file) and its file.
  std::string ListName;
  int32_t ListType = 0;
  std::string ListFile;
  bool Modified = false;
  std::string PendingText;
  // The text of the built-in default list, stored under "default".
  std::string DefaultListText;
};
using TSettingsContainerActionListWrappers = std::vector<TSettingsContainerActionListWrapper>;

// The widgets of one tab: the header row over the content.
struct TSettingsContainerTabWidgets {
  QPointer<QWidget> Frame;
  QPointer<TRawPanel> HeaderPanel;
  // Shown only while the tab is open.
  QPointer<QWidget> ContentPanel;
  // A label (label tabs and section heads) or a check box (check-box tabs).
  QPointer<QWidget> HeaderControl;
  // The open/close marker or an options button.
  QPointer<QWidget> OpenControl;
};

class TSettingsContainer : public QWidget, public TSettingsContainerModel {
  Q_OBJECT
 public:
  explicit TSettingsContainer(QWidget* parent = nullptr);
  ~TSettingsContainer() override;

  // Builds every control once, then shows the values of the records.
  virtual void Initialize();
  // Refills an id list (kinds 17, 18) or plain list (19) from its list data.
  void RefreshComboBoxItems(int32_t index);
  void UpdateControlValuesInGUI() override;

  // The record's control and caption label; null before Initialize and for
  // indexes outside the records.
  QWidget* GetControlRef(int32_t index) const;
  QWidget* GetCaptionControlRef(int32_t index) const;
  const TSettingsContainerTabWidgets& TabWidgets(int32_t index) const { return FTabWidgets.at(index); }
  TScrollBox* ScrollBox() const { return FScrollBox; }

  // A menu item that opens and closes the tabs; its check mark shows whether any is open.
  void AssignMenuItem(QAction* item);
  QAction* MenuItem() const { return FMenuItem; }
  void ProcMenuItemClick();

  void SetTabOpen(int32_t index, bool open) override;
  void SetTabActive(int32_t index, bool active) override;
  void SetStrCaptionOptionButtons(const std::string& value) override;

  // --- Handlers; public so that subclasses and tests can replay them -----------
  void ProcCustomControlChange(QObject* sender);
  void ProcButtonClick(QObject* sender);
  void ProcHTMLPanelLinkClick(QObject* sender, int32_t linkID);
  void ProcOrderListBoxRearrangingDone(TVirtualListBox* sender);
  void ProcMemoButtonPlusClick(QObject* sender);
  void ProcMemoDialogChange(QObject* sender, int32_t index, const std::string& text);
  void ProcVirtualListViewButtonPanelPaddingButtonClick(QObject* sender);
  // Scrolls the whole container by a wheel turn (120 per notch).
  void ProcMouseWheel(int32_t wheelDelta);

  // --- Action lists ----------------------------------------------------------------
  // The host's action types; set before an action-list control is used.
  TBaseActionList* ActionListDefinitions = nullptr;
  TSettingsContainerActionListWrappers ActionListWrappers;
  QPointer<QMenu> ActionListPopupMenu;
  // Declares an action-list control: a record of kind 39 (its value is the
  // string id of the chosen list) and its wrapper. Returns the record index.
  int32_t AddActionList(int32_t tab, const std::string& caption, int32_t captionSlot, const std::string& iniKey,
                        const std::string& defaultValue, const std::string& folder, const std::string& extension,
                        int32_t actionListKind);
  // The folder (with "/") that holds the action-list folders; by default the
  // program's own folder when it can be written to, else the user's data folder.
  std::string ActionListRootFolder() const;
  void SetActionListRootFolder(const std::string& folder) { FActionListRootFolder = folder; }
  // Fills every list selector with "Default List" and the list files.
  void LoadActionLists();
  // Writes the pending text of the wrapper's list; false for an index out of
  // range, another list type or a failed write (which keeps the text pending).
  bool SaveActionList(int32_t wrapperIndex);
  // The shown view of an action-list record (table or memo), else null.
  QWidget* GetCurrentActionListViewControlRef(int32_t index) const;
  // The wrapper of an action-list record, null for any other record.
  TSettingsContainerActionListWrapper* ActionListWrapperOfRecord(int32_t index);
  // Sets the shared context menu's entries for the control it is opened on;
  // false when no entry is left.
  bool ProcActionListWrapperPopup(QObject* sender);
  void ProcActionListWrapperPopupMenuItemClick(QObject* sender);
  void ProcActionListWrapperListChangeInit(TVirtualListView* sender, const TVirtualListViewCellInfo& cellInfo,
                                           int32_t index, int32_t id, std::string& value, bool& canChange,
                                           bool& showEditInput);
  // The record of the control the shared context menu was opened on.
  int32_t ActionListPopupRecord() const { return FActionListPopupRecord; }

 protected:
  void ShowTabCaption(int32_t index, const std::string& caption) override;
  // The action-list control builds itself into parent here.
  virtual void BuildActionListControl(int32_t index, QWidget* parent);
  void SaveModifiedActionLists() override;
  void LoadActionListSettings(int32_t index, const TDocINI& document, const std::string& section, bool loadDefaults,
                              bool scale) override;
  void SaveActionListSettings(int32_t index, TDocINI& document, const std::string& section) override;
  // Shows the chosen list of an action-list record after its value changed.
  void UpdateActionListControl(int32_t index);
  bool eventFilter(QObject* watched, QEvent* e) override;
  void changeEvent(QEvent* e) override;

  // Lines unwrapped, and the monospace font when the container asks for one.
  void SetUpMemo(TAdvancedMemo* memo) const;
  // Writes a text into a record's edit or memo without raising its change.
  void ShowTextInControl(int32_t index, const std::string& text);

 private:
  // Where the next control of a parent goes: the gap to the one above is the
  // larger of that one's bottom spacing and this one's top spacing.
  struct TPlacement {
    QSpacerItem* LastSpacer = nullptr;
    int32_t LastBottom = 0;
  };
  void BuildTab(int32_t index);
  void BuildControl(int32_t index, QWidget* parent);
  QWidget* CaptionLabel(int32_t index, QWidget* parent);
  // A control that holds a value, with its caption label above it when asked.
  void PlaceValueControl(int32_t index, QWidget* parent, QWidget* control, bool captionAbove, int32_t top);
  // Returns the spacing item above the control.
  QSpacerItem* Place(QWidget* parent, QWidget* control, int32_t top, int32_t bottom = 3);
  // The parent's column, made when missing.
  QVBoxLayout* Column(QWidget* parent);
  void BindWheel(QWidget* control);
  void BindChange(QWidget* control, int32_t index);
  void SetControls(int32_t index, QWidget* control, QWidget* captionControl);
  int32_t TopSpacing(int32_t index) const;
  void ApplyTabState(int32_t index);
  void TabHeaderClicked(int32_t index);
  void TabCheckBoxToggled(int32_t index, bool checked);

  struct TControlWidgets {
    QPointer<QWidget> Control;
    QPointer<QWidget> CaptionControl;
  };
  std::vector<TControlWidgets> FControls;
  std::vector<TSettingsContainerTabWidgets> FTabWidgets;
  std::map<int32_t, QButtonGroup*> FRadioGroups;
  std::map<QWidget*, TPlacement> FPlacements;
  std::set<QObject*> FWheelControls;
  TScrollBox* FScrollBox;
  QWidget* FScrollContent;
  QPointer<QAction> FMenuItem;
  QPointer<TRawPanel> FLastButtonRow;
  QSpacerItem* FLastButtonRowSpacer = nullptr;
  int32_t FIndent = 0;
  std::string FActionListRootFolder;
  int32_t FActionListPopupRecord = -1;
};
