// The settings container without its widgets: the declared tabs and option
// records with their values, the counts of ticked and open tabs, the section
// heads' captions, how a changed value reaches its record and the host, and
// the storage of everything in a settings document, section by section.
//
// The GUI container derives from this class and overrides the virtual steps
// that touch widgets. Everything runs on the GUI thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/doc_ini.h"
#include "settingspanels/core/settings_container_types.h"

class TSettingsContainerModel {
 public:
  TSettingsContainerModel() = default;
  virtual ~TSettingsContainerModel() = default;
  TSettingsContainerModel(const TSettingsContainerModel&) = delete;
  TSettingsContainerModel& operator=(const TSettingsContainerModel&) = delete;

  // --- Properties -------------------------------------------------------------
  // Memos of kinds 11 and 12 take this font (name when not empty, size when > 0).
  bool FontMemoMonospace = false;
  std::string FontMonospaceName;
  int32_t FontMonospaceSize = 0;
  // What a tab declared from now on takes.
  TSettingsContainerTabType DefaultTabType = scTabTypeCheckBox;
  bool DefaultTabOpen = false;
  TGraphicsColor ColorTabContentBackground = 0xFFFFFF;
  bool ShowOptionButtons = true;
  bool OpenWithCheckBox = true;
  // Link colour of the markup panels (blue in the high byte).
  TGraphicsColor ColorLinks = 0xB57254;
  bool ShowNumberOfCheckedTabs() const { return FShowNumberOfCheckedTabs; }
  void SetShowNumberOfCheckedTabs(bool value);
  // Value events only for active tabs.
  bool ExecuteValueChangeOnlyIfTabActive = true;
  const std::string& StrCaptionOptionButtons() const { return FStrCaptionOptionButtons; }
  virtual void SetStrCaptionOptionButtons(const std::string& value);
  int32_t TabActiveCount() const { return GetTabActiveCount(); }
  int32_t TabCount() const { return GetTabCount(); }
  std::string URLAppendix;
  std::string URLAppendixForURLPart;

  TSettingsContainerCustomTabValueChangeNotification OnCustomTabValueChange;
  TSettingsContainerStandardTabValueChangeNotification OnStandardTabValueChange;
  TSettingsContainerTabActivationChangeNotification OnTabActivationChange;
  TSettingsContainerButtonClick OnButtonClick;

  // --- State --------------------------------------------------------------------
  bool Initialized = false;
  // Set while the container writes values itself; change handling is skipped.
  bool Updating = false;
  // Set while a localised container fills an action list.
  bool SettingActionList = false;
  std::vector<TSettingsContainerTab> Tabs;
  std::vector<TSettingsContainerControl> ControlRecords;
  std::vector<TSettingsContainerListInitializationData> ListInitializationData;
  std::vector<TSettingsContainerVirtualListViewColumnDefinition> ColumnDefinitions;

  TSettingsContainerGetTranslation OnGetTranslation;
  TSettingsContainerRefreshTranslationOfControl OnRefreshTranslationOfControl;
  TSettingsContainerShowMemoDialog OnShowMemoDialog;
  TSettingsContainerSetActionList OnSetActionList;

  // --- Declaring ---------------------------------------------------------------
  // A tab of the given kind (scTabTypeDefault: DefaultTabType) in the section
  // of the head sectionIndex (-1: none); it takes the container's defaults for
  // its open state and header. Label tabs are active. Returns its index.
  int32_t AddTab(const std::string& caption, int32_t captionSlot, const std::string& section,
                 TSettingsContainerTabType tabType, int32_t sectionIndex = -1);
  // A section head; the tabs declared with its index lie in it.
  int32_t AddSectionHead(const std::string& caption, int32_t captionSlot, const std::string& section = "");
  // One record; its value and default are defaultValue, its number the whole
  // number defaultValue reads as (else 0). Stored when it has a key.
  int32_t AddControl(int32_t tab, int32_t kind, const std::string& caption, int32_t captionSlot,
                     const std::string& iniKey, const std::string& defaultValue);
  // A radio group whose default is the item with those ids.
  int32_t AddRadioButtonGroup(int32_t tab, const std::string& caption, int32_t captionSlot, const std::string& iniKey,
                              const std::string& defaultItemStrId, int32_t defaultItemIntId);
  // A radio of the group; checked when it is the group's default.
  int32_t AddRadioButtonGroupItem(int32_t group, const std::string& caption, int32_t captionSlot,
                                  const std::string& itemStrId, int32_t itemIntId);
  // An item of an order list box, appended to its order and default order.
  int32_t AddOrderListItem(int32_t orderList, const std::string& caption, int32_t captionSlot,
                           const std::string& itemStrId);
  // A column of a list view, shown as the column definition says.
  int32_t AddVirtualListViewColumn(int32_t listView, int32_t columnDefinition, int32_t captionSlot);
  int32_t AddListInitializationData(const TSettingsContainerListInitializationData& items);
  int32_t AddColumnDefinition(int32_t columnType, int32_t textSlot);

  // --- Tabs ----------------------------------------------------------------------
  int32_t GetTabCount() const { return static_cast<int32_t>(Tabs.size()); }
  // Active check-box tabs.
  int32_t GetTabActiveCount() const;
  int32_t GetTabActiveCountInSection(int32_t sectionIndex) const;
  int32_t GetTabOpenCount() const;
  bool HasOpenTabs() const { return GetTabOpenCount() > 0; }
  // The index must be a tab's.
  void OpenTab(int32_t index, bool open) { SetTabOpen(index, open); }
  void CloseAllTabs();
  // Opens the section heads whose sections hold an active check-box tab.
  void OpenSectionsWithActiveTabs();
  virtual void SetTabOpen(int32_t index, bool open);
  virtual void SetTabActive(int32_t index, bool active);
  // The declared caption; a section head adds its count to it.
  virtual void SetCaption(int32_t index, const std::string& caption);
  // Shows each section head's declared caption, followed by " (n)" when n of
  // its check-box tabs are ticked and counts are shown.
  void RefreshShowNumberOfCheckedTabs();
  // The caption a section head shows with n ticked tabs.
  std::string SectionHeadCaption(const std::string& caption, int32_t ticked) const;

  // Stored sizes are logical pixels, which the platform scales to the screen
  // itself, so they are never converted: always 1.0.
  double GetScaleFactorForCurrentDPI(bool scale) const;

  // --- Values ----------------------------------------------------------------------
  bool IsRecordIndex(int32_t index) const { return index >= 0 && static_cast<size_t>(index) < ControlRecords.size(); }
  // The number a typed text stands for: the trimmed text as a whole number,
  // else the fallback.
  static int32_t NumberOfTypedText(const std::string& text, int32_t fallback);
  // A control of record index reported a new value (text, number and, for
  // date-times, the date-time): stores it, moves a radio's value to its group
  // and tells the host. The NUL marker as text means the control has no value.
  void ControlValueChanged(int32_t index, const std::string& text, int32_t number, double dateTime);
  // An order list box was re-ordered by the user.
  void OrderListBoxRearranged(int32_t index, const TIntArray& order);
  // A button or a numeric markup link was clicked.
  void ButtonClicked(int32_t controlID);
  // The title of the memo dialog of record index.
  std::string MemoDialogTitle(int32_t index) const;
  // The inputs of the row editor of the list view served by button row
  // buttonRow, and the column position each one fills.
  std::vector<TSettingsContainerVirtualListViewDialogControl> RowEditorFields(int32_t buttonRow,
                                                                              TIntArray& columnPositions) const;
  // The text of a slot through OnGetTranslation, "" when it is not bound.
  std::string Translation(int32_t slot) const;
  // A language switch offers a record its default text: taken (true) while
  // the user has left the value at its default, kept otherwise.
  bool TakeDefaultText(int32_t index, const std::string& text);

  // --- Storage ----------------------------------------------------------------------
  void SettingsLoad(TDocINI& document, bool loadDefaults, bool scale);
  void SettingsSave(TDocINI& document, bool onlyNonDefault);
  virtual void ResetValuesToDefault();
  int32_t GetRadioButtonGroupItemIntIdFromStrId(int32_t group, const std::string& strId, int32_t fallback) const;
  std::string GetOrderListBoxIntOrderAsStrIdOrder(int32_t index) const;
  TIntArray GetOrderListBoxStrIdOrderAsIntOrder(int32_t index, const std::string& text) const;

  // Writes every value into its control; the model alone only recounts.
  virtual void UpdateControlValuesInGUI();
  // A hook for subclasses that keep standard settings; runs before a reset.
  virtual void InitializeStandardSettings() {}

 protected:
  // What the header of a tab shows; the model only keeps the text.
  virtual void ShowTabCaption(int32_t index, const std::string& caption);
  // Action-list records keep more than their value in their section (the list
  // text and panel height); the action-list control fills these in.
  virtual void SaveModifiedActionLists() {}
  virtual void LoadActionListSettings(int32_t index, const TDocINI& document, const std::string& section,
                                      bool loadDefaults, bool scale) {}
  virtual void SaveActionListSettings(int32_t index, TDocINI& document, const std::string& section) {}

 private:
  bool IsStored(const TSettingsContainerControl& r) const { return r.Used && r.Stored && !r.IniKey.empty(); }
  int32_t LoadedNumber(int32_t index, const std::string& text);

  bool FShowNumberOfCheckedTabs = true;
  std::string FStrCaptionOptionButtons = "Options";
};
