// Action lists as rows of a list view: the five cells of a row (action word,
// scope, parameter 1, parameter 2, options) with the definition index as the
// item's extra integer, the two conversions between text and rows, and the
// row operations of the context menus (swapping parameters, adding and
// removing option letters). The row operations work on the selected rows,
// or on all rows when none is selected.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "settingspanels/core/action_list.h"

class TVirtualListView;
struct TVirtualListViewCellInfo;

// The value indexes of a row's cells.
enum TActionListCell : int32_t { alCellAction, alCellScope, alCellParam1, alCellParam2, alCellOptions, alCellCount };

// Appends the actions of text as rows (escapes kept as written), clearing the
// rows first when asked; ids continue above the highest one in use, or start
// at 1 after clearing. The list's actions are emptied afterwards.
void AddActionListToListView(TVirtualListView& view, TBaseActionList& list, const std::string& text, bool clearFirst);
// The rows (all, or only the selected ones) as action-list text, each line
// followed by LF; rows without a valid definition are left out.
void GetActionListFromListView(std::string& text, const TVirtualListView& view, const TBaseActionList& list,
                               bool onlySelected);
bool SettingsContainerActionListListViewHasSwapableItems(const TVirtualListView& view, const TBaseActionList& list);
// Exchanges the parameters of every swappable row; returns how many changed.
int32_t SettingsContainerActionListListViewSwapSwapableItems(TVirtualListView& view, const TBaseActionList& list);
// (addable, present): with forAdding the options the rows' definitions allow
// that a row does not have yet, else all the options they allow; and the
// letter options that some row has.
std::pair<TActionListOptionTypes, TActionListOptionTypes> SettingsContainerActionListListViewGetOptionInfo(
    const TVirtualListView& view, const TBaseActionList& list, bool forAdding);
void SettingsContainerActionListListViewAddOption(TVirtualListView& view, const TBaseActionList& list,
                                                  TActionListOptionType option);
void SettingsContainerActionListListViewRemoveOption(TVirtualListView& view, const TBaseActionList& list,
                                                     TActionListOptionType option);

// The definition index a row keeps, -1 when it has none that is valid.
int32_t ActionListRowDefinition(const TVirtualListView& view, int32_t itemIndex, const TBaseActionList& list);
// Gives the scope cell of every row of an action without scope, or of a
// comment, its text in the current language.
void RefreshActionListScopeCells(TVirtualListView& view, const TBaseActionList& list);
// Defines the five text columns of an action-list table.
void DefineActionListColumns(TVirtualListView& view, const int32_t (&widths)[alCellCount]);
// Captions the five columns in the current language, with the given word for the scope.
void SetActionListColumnCaptions(TVirtualListView& view, const std::string& scopeCaption);
// Whether the cell may be edited in place: only a part the row's action has.
// Rows without a valid definition leave showEditInput as it is.
void ActionListCellChangeInit(const TVirtualListView& view, const TBaseActionList& list,
                              const TVirtualListViewCellInfo& cell, bool& showEditInput);
// The "<X>" of the menu entries that add or remove the option letter with
// that index (0 c, 1 r, 2 a, 3 w, 4 i): "-c (case)" and so on.
std::string ActionListOptionMenuText(int32_t letter);
