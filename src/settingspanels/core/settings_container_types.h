// The declared rows of a settings container: its option groups (tabs), one
// record per option, the item lists of its list controls and the column kinds
// of its list views, with the notifications the container raises.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "foundation/colours.h"
#include "foundation/types.h"

enum TSettingsContainerTabType : int32_t {
  scTabTypeDefault,   // the container's DefaultTabType when declared
  scTabTypeLabel,     // a label heads the tab; always active
  scTabTypeCheckBox,  // a check box heads the tab and ticks it active
  scTabTypeHeader,    // a section head: its content holds the tabs of its section
};

enum TSettingsContainerStandardTabType : int32_t {
  scStandardTabNone,
  scStandardTabReplacement,
  scStandardTabMultiReplacements,
  scStandardTabTextEncoding,
  scStandardTabLineBreaks,
  scStandardTabWriting,
};

// The kinds of control a record can declare; the number is the record's Kind.
enum TSettingsContainerControlKind : int32_t {
  sckLabelHeading,                // 0: word-wrapping label
  sckLabel,                       // 1: word-wrapping label, built as kind 0
  sckColumnLabel,                 // 2: table label (rows at LF, cells at TAB)
  sckHTMLPanel,                   // 3: markup panel; numeric links raise OnButtonClick
  sckCheckPanel,                  // 4: check panel; level-1 records nest in it
  sckCollapsiblePanel,            // 5: collapsible panel; level-2 records nest in it
  sckEdit,                        // 6: edit without caption
  sckEditTextTop,                 // 7: edit with its caption above
  sckEditTextRight,               // 8: narrow edit with its caption at the side
  sckEditMultiLabel,              // 9: edit under a left and right caption
  sckButton,                      // 10: button; consecutive buttons share a row
  sckMemo,                        // 11: resizable memo without caption
  sckMemoTextTop,                 // 12: resizable memo with its caption above
  sckCheckBox,                    // 13: check box
  sckRadioButton,                 // 14: single radio button, stored like a check box
  sckRadioButtonGroup,            // 15: radio group; no control, Items are its radios
  sckRadioButtonGroupItem,        // 16: radio of the group named by LinkIndex
  sckIDComboBox,                  // 17: id list without caption
  sckIDComboBoxTextTop,           // 18: id list with its caption above
  sckComboBoxTextTop,             // 19: plain list of texts with its caption above
  sckNumberComboBox,              // 20: number list without caption
  sckNumberComboBoxTextTop,       // 21: number list with its caption above
  sckFileFormatComboBox,          // 22: file format list without caption
  sckFileFormatComboBoxTextTop,   // 23: file format list with its caption above
  sckAlignmentComboBox,           // 24: alignment list
  sckSizeTypeComboBox,            // 25: size unit list
  sckCodePageComboBox,            // 26: code-page list
  sckLineBreakComboBox,           // 27: line-break list
  sckAdvancedLineBreakComboBox,   // 28: line-break list with a typed value
  sckCSVParamComboBox,            // 29: CSV parameter list with a typed value
  sckDateTimeEdit,                // 30: date-time edit without caption
  sckDateTimeEditTextTop,         // 31: date-time edit with its caption above
  sckFolderEdit,                  // 32: edit with a folder button
  sckVirtualListView,             // 33: list view; Items are its column records
  sckVirtualListViewColumn,       // 34: a column of a list view (no control)
  sckVirtualListViewButtonPanel,  // 35: add/edit/remove buttons of the list view in IntValue
  sckOrderListBox,                // 36: list box whose order the user drags
  sckOrderListBoxAlt,             // 37: built as kind 36
  sckOrderListItem,               // 38: an item of an order list box (no control)
  sckActionList,                  // 39: action list
  sckCount,
};

// Where a record's control stands: in its tab or nested in the panel that the
// record just before it built.
enum TSettingsContainerParentLevel : int32_t {
  scParentTab,              // in the tab's content
  scParentCheckPanel,       // in the check panel of the record before
  scParentCollapsiblePanel  // in the collapsible panel of the record before
};

// The kinds of a list-view column definition.
enum TSettingsContainerColumnType : int32_t { scColumnOneLine, scColumnMultiLine, scColumnFlag };

// One option group. The GUI layer keeps the widgets of each tab beside it.
struct TSettingsContainerTab {
  // The caption as declared (or set by a language switch); a section head
  // shows it followed by the number of its ticked tabs.
  std::string Caption;
  // What the header shows now.
  std::string ShownCaption;
  int32_t CaptionTextSlot = -1;
  // INI section of the tab's values; empty: the tab is not stored.
  std::string Section;
  bool TabOpen = false;
  bool TabActive = false;
  TSettingsContainerTabType TabType = scTabTypeCheckBox;
  // 1 marks a section head.
  int32_t Level = 0;
  TSettingsContainerStandardTabType StandardTabType = scStandardTabNone;
  // The section head this tab belongs to, -1 for none.
  int32_t SectionIndex = -1;
  bool DefaultActive = false;
  bool DefaultOpen = false;
  // Value changes of this tab raise events even when it is not active.
  bool AlwaysNotify = false;
  // Header shape, taken from the container when the tab is declared.
  bool ShowOptionButton = true;
  bool OpenWithCheckBox = true;
  TGraphicsColor ColorContentBackground = 0xFFFFFF;
};

// One declared option; its position in ControlRecords is its control ID.
struct TSettingsContainerControl {
  int32_t TabIndex = 0;
  // False: ignored by building, loading, saving, reset and refresh.
  bool Used = true;
  // Kind 16: its group record; kind 39: its action-list wrapper.
  int32_t LinkIndex = -1;
  // Ids of the record as a member (radio item, order list item).
  int32_t ItemIntId = 0;
  std::string ItemStrId;
  int32_t Kind = sckLabel;
  // Key in the tab's section; empty: not stored.
  std::string IniKey;
  int32_t IntValue = 0;
  // Also the number of a typed text that is no whole number.
  int32_t DefaultIntValue = 0;
  // The stored form of the value.
  std::string StrValue;
  std::string DefaultStrValue;
  int32_t DefaultValueTextSlot = -1;
  // Kind parameters at build time; the current order of an order list; for
  // kind 9 the slots of its left and right caption.
  TIntArray IntArrayValue;
  TIntArray DefaultIntArrayValue;
  int32_t ListIndex = -1;
  bool Stored = true;
  bool AllowEditing = false;
  std::string Caption;
  int32_t CaptionTextSlot = -1;
  // Format profile (kinds 22, 23), sort switch of id lists (even: sorted),
  // column definition of a column record, "..." after a button caption (1).
  int32_t Param = 0;
  // Member records: radios of a group, items of an order list, columns.
  TIntArray Items;
  // Set by the user or a settings file; cleared by a reset.
  bool ValueSet = false;
  // 11 pixels of space above the control instead of 3.
  bool SpaceAbove = false;
  int32_t ParentLevel = scParentTab;
};

// One item of the list data of kinds 17 to 19.
struct TSettingsContainerListInitializationDataRec {
  int32_t IntId = 0;
  std::string StrId;
  // Negative: none; Caption is shown instead.
  int32_t TextSlot = -1;
  std::string Caption;
};
using TSettingsContainerListInitializationData = std::vector<TSettingsContainerListInitializationDataRec>;

struct TSettingsContainerVirtualListViewColumnDefinition {
  int32_t ColumnType = scColumnOneLine;
  int32_t TextSlot = -1;
};

// One input of the row editor: 0 multi-line text, 1 one-line text, 2 on/off
// flag ("1" is on). Other kinds show nothing.
enum TSettingsContainerDialogControlKind : int32_t { scdMultiLine, scdOneLine, scdFlag };
struct TSettingsContainerVirtualListViewDialogControl {
  int32_t Kind = scdOneLine;
  std::string Caption;
  std::string Value;
};

class TSettingsContainerModel;

using TSettingsContainerCustomTabValueChangeNotification =
    std::function<void(TSettingsContainerModel* Sender, int32_t AControlID, const std::string& ANewValue,
                       int32_t ANewValueInt, double ANewValueDouble)>;
using TSettingsContainerStandardTabValueChangeNotification =
    std::function<void(TSettingsContainerModel* Sender, int32_t ATabID, TSettingsContainerStandardTabType ATabType)>;
using TSettingsContainerTabActivationChangeNotification =
    std::function<void(TSettingsContainerModel* Sender, int32_t ATabID, bool ANewState)>;
using TSettingsContainerButtonClick = std::function<void(TSettingsContainerModel* Sender, int32_t AControlID)>;

// The hooks a localised container binds.
using TSettingsContainerGetTranslation = std::function<std::string(int32_t ATextSlot)>;
using TSettingsContainerRefreshTranslationOfControl = std::function<void(int32_t AControlID)>;
using TSettingsContainerShowMemoDialog =
    std::function<void(int32_t AControlID, const std::string& ATitle, const std::string& AValue,
                       const std::string& AFontName, int32_t AFontSize)>;
using TSettingsContainerSetActionList =
    std::function<void(int32_t AControlID, int32_t AListType, const std::string& AListName)>;
