// The two panels with which a user composes one action without typing its
// line: a chooser of the host's action types, and a configuration panel that
// shows exactly the fields the chosen type has (scope, parameters, option
// letters), fills them from a row, checks them and turns them into a row of
// an action-list table or a line of the text format. The editor window and
// the new-action dialog stack the two and forward the chooser's changes.
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settingspanels/core/action_list.h"

class QLabel;
class QBoxLayout;
class TAdvancedEdit;
class TAdvancedMemo;
class TCheckBoxML;
class TIDComboBox;
class TRadioButtonML;
class TRawPanel;
class TVirtualListView;

// The notifications of the action-list windows.
using TSettingsContainerActionListDialogsSprIntChangeNotification =
    std::function<void(QObject* Sender, int32_t ANewValue)>;
using TSettingsContainerActionListDialogsSprChangeNotification =
    std::function<void(QObject* Sender, int32_t AControlIndex)>;
using TSettingsContainerActionListDialogsSprActionListChangeNotification =
    std::function<void(QObject* Sender, int32_t AControlIndex, bool AActionListNameChange)>;
using TSettingsContainerActionListDialogsSprStringTransfer =
    std::function<void(QObject* Sender, int32_t AControlIndex, const std::string& AString)>;

// The host's action types as a drop-down list, or as radio buttons for a
// group whose display style asks for them.
class TSettingsContainerActionListDialogActionTypeContainer : public QWidget {
  Q_OBJECT
 public:
  // Placed at position top of parent's column (when it has one).
  TSettingsContainerActionListDialogActionTypeContainer(
      QWidget* parent, int32_t top, int32_t leftMargin, int32_t rightMargin,
      TSettingsContainerActionListDialogsSprIntChangeNotification onChange);

  // Offers the definitions of the group filter (0 or less: all), and those
  // without a group; the first one becomes the selected action.
  void Init(TBaseActionList* list, int32_t groupFilter);
  std::string GetActionTitle(int32_t definitionIndex) const;
  // Selects without raising OnChange; an index no choice carries marks none.
  void SetSelectedAction(int32_t definitionIndex);
  void SetLanguage(uint32_t language);

  int32_t SelectedAction = -1;
  TSettingsContainerActionListDialogsSprIntChangeNotification OnChange;

  // 1 drop-down list, 2 radio buttons.
  int32_t DisplayStyle() const { return FDisplayStyle; }
  TIDComboBox* DropDown() const;
  const std::vector<QPointer<TRadioButtonML>>& RadioButtons() const { return FRadios; }
  // What a pick of the user runs.
  void Choose(int32_t definitionIndex);

 private:
  void ClearChoices();

  TBaseActionList* FActionList = nullptr;
  int32_t FGroupFilter = 0;
  int32_t FDisplayStyle = 1;
  uint32_t FLanguage = 0;
  QPointer<TIDComboBox> FDropDown;
  std::vector<QPointer<TRadioButtonML>> FRadios;
  QBoxLayout* FColumn;
  bool FQuiet = false;
};

// The fields of one action.
class TSettingsContainerActionListDialogActionConfigContainer : public QWidget {
  Q_OBJECT
 public:
  TSettingsContainerActionListDialogActionConfigContainer(QWidget* parent, int32_t top, int32_t leftMargin,
                                                          int32_t rightMargin);

  void Init(TBaseActionList* list, int32_t groupFilter, int32_t definitionIndex);
  // Shows the empty fields of the definition.
  void SetActionType(int32_t definitionIndex);
  // Shows the fields of the definition filled from a row's cells.
  void SetActionParams(int32_t definitionIndex, const std::string& scope, const std::string& param1,
                       const std::string& param2, const std::string& options);
  // The fields as they stand; true when every required one is filled. With
  // showMessage a missing field is reported.
  bool GetActionParams(int32_t& definitionIndex, std::string& scope, std::string& param1, std::string& param2,
                       std::string& options, bool showMessage);
  // The fields as the five cells of a row (multi-line parameters escaped).
  bool GetActionParamsAsStrArrayForListView(int32_t& definitionIndex, TStrArray& cells);
  bool GetActionParamsAsLine(std::string& line);
  bool AddToMemo(TAdvancedMemo* memo);
  bool AddToListView(TVirtualListView* view);
  // Replaces the row with that id (adding it when missing); -1 adds a row.
  bool AddToOrUpdateInListView(TVirtualListView* view, int32_t itemID);
  void ResetAllFields();
  void SetLanguage(uint32_t language);

  int32_t ActionType = -1;

  // The parts, for the windows that lay them out and for tests.
  struct TParamWidgets {
    TRawPanel* Block;
    QLabel* Label;
    TAdvancedMemo* Memo;
    TAdvancedEdit* Edit;
    TIDComboBox* DropDown;
  };
  struct TScopeWidgets {
    TRawPanel* Block;
    QLabel* Label;
    TAdvancedEdit* Edit;
    TCheckBoxML* All;
    TCheckBoxML* Selected;
  };
  const TParamWidgets& Param(int32_t number) const { return number == 1 ? FParam1 : FParam2; }
  const TScopeWidgets& Scope(int32_t number) const { return number == 1 ? FScope1 : FScope2; }
  TRawPanel* ParamsBlock() const { return FParamsBlock; }
  TRawPanel* LettersBlock() const { return FLettersBlock; }
  TRawPanel* ScopeBlock() const { return FScopeBlock; }
  QLabel* LettersLabel() const { return FLettersLabel; }
  // The letter check boxes c, r, a, w, i.
  TCheckBoxML* Letter(int32_t index) const { return FLetters[static_cast<size_t>(index)]; }
  // What a change of parameter 1's drop-down runs.
  void ApplyOptionVisibility();

 private:
  void BuildGUI();
  QLabel* AddLabel(QBoxLayout* column, QWidget* parent, const std::string& text);
  TParamWidgets BuildParam(QWidget* parent, const std::string& caption);
  TScopeWidgets BuildScope(QWidget* parent, const std::string& caption, const std::string& all,
                           const std::string& selected);
  void ShowParam(const TParamWidgets& w, int32_t kind, int32_t paramNo);
  void FillScopePart(const TScopeWidgets& w, const std::string& text);
  std::string ReadScopePart(const TScopeWidgets& w) const;
  std::string ReadParam(const TParamWidgets& w, int32_t kind) const;
  void ShowLetters(bool shown);
  void RefreshBlockVisibility();
  void OrderBlocks();
  std::string ParamCaption(int32_t paramNo) const;
  std::string OptionCaption(const TActionListOptionDefinitionRecord& option) const;
  const TActionListActionDefinitionRecord* Definition() const;

  TBaseActionList* FActionList = nullptr;
  int32_t FGroupFilter = 0;
  uint32_t FLanguage = 0;
  int32_t FLeftMargin;
  int32_t FRightMargin;
  QBoxLayout* FColumn = nullptr;
  TRawPanel* FParamsBlock = nullptr;
  TRawPanel* FLettersBlock = nullptr;
  TRawPanel* FScopeBlock = nullptr;
  QLabel* FLettersLabel = nullptr;
  TParamWidgets FParam1{};
  TParamWidgets FParam2{};
  TScopeWidgets FScope1{};
  TScopeWidgets FScope2{};
  std::vector<TCheckBoxML*> FLetters;
  // What the chosen type and option show; widgets of a hidden window report
  // themselves hidden, so the panel keeps its own account.
  bool FParam2Shown = false;
  bool FLettersShown = false;
};

// Gives the controls a fixed-width font sized to the reference label's text.
void ActionListSetFixedWidthFont(QWidget* reference, QWidget* first, QWidget* second = nullptr);
