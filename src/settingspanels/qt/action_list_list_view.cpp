#include "settingspanels/qt/action_list_list_view.h"

#include <algorithm>
#include <vector>

#include "controls/list_view.h"
#include "foundation/letter_case.h"
#include "foundation/str_transform.h"
#include "text/text_store.h"

namespace {

const std::string& Cell(const TVirtualListViewItem& item, int32_t cell) {
  static const std::string empty;
  return static_cast<size_t>(cell) < item.StrValues.size() ? item.StrValues[static_cast<size_t>(cell)] : empty;
}

void SetCell(TVirtualListViewItem& item, int32_t cell, const std::string& text) {
  if (static_cast<size_t>(cell) < item.StrValues.size()) item.StrValues[static_cast<size_t>(cell)] = text;
}

// The item indexes of the selected rows, in item order.
std::vector<size_t> SelectedItems(const TVirtualListView& view) {
  std::vector<size_t> items;
  for (int32_t row : view.GetSelectedRows()) {
    const int32_t index = view.GetItemIndexForListItem(row);
    if (index >= 0 && static_cast<size_t>(index) < view.VirtualItems.size())
      items.push_back(static_cast<size_t>(index));
  }
  std::sort(items.begin(), items.end());
  return items;
}

std::vector<size_t> AllItems(const TVirtualListView& view) {
  std::vector<size_t> items(view.VirtualItems.size());
  for (size_t i = 0; i < items.size(); ++i) items[i] = i;
  return items;
}

// The rows a row operation works on: the selected ones, else all.
std::vector<size_t> ConsideredItems(const TVirtualListView& view) {
  std::vector<size_t> items = SelectedItems(view);
  return items.empty() ? AllItems(view) : items;
}

// A row whose option letters count: its action is no named option, or the
// option it names has letter options.
bool RowTakesLetters(const TBaseActionList& list, int32_t d, const TVirtualListViewItem& item) {
  return list.Definitions[static_cast<size_t>(d)].Param1Type != alParamNamedOption ||
         list.ActionOptionHasOptions(d, Cell(item, alCellParam1));
}

}  // namespace

int32_t ActionListRowDefinition(const TVirtualListView& view, int32_t itemIndex, const TBaseActionList& list) {
  if (itemIndex < 0 || static_cast<size_t>(itemIndex) >= view.VirtualItems.size()) return -1;
  const int32_t d = view.VirtualItems[static_cast<size_t>(itemIndex)].ExtraValue;
  return list.IsDefinitionIndex(d) ? d : -1;
}

void AddActionListToListView(TVirtualListView& view, TBaseActionList& list, const std::string& text, bool clearFirst) {
  list.LoadFromString(text, false);
  view.BeginUpdate();
  int32_t firstID = 1;
  if (clearFirst)
    view.RemoveAllWithoutDeletionDoneNotification();
  else
    firstID = view.GetNextFreeID(1);
  TStrArray cells;
  for (size_t i = 0; i < list.Actions.size(); ++i) {
    TActionListActionRecord& a = list.Actions[i];
    if (!list.IsDefinitionIndex(a.DefinitionIndex)) continue;
    // The parts move out of the actions, which are cleared below: a long
    // parameter is copied once, into the row, not twice.
    cells.clear();
    cells.push_back(list.Definitions[static_cast<size_t>(a.DefinitionIndex)].Name);
    cells.push_back(ActionListHasDisplayScope(list, a.DefinitionIndex)
                        ? ActionListScopeDisplayText(list, a.DefinitionIndex)
                        : std::move(a.Scope));
    cells.push_back(std::move(a.Param1));
    cells.push_back(std::move(a.Param2));
    cells.push_back(std::move(a.OptionsText));
    view.AddItem(firstID + static_cast<int32_t>(i), a.DefinitionIndex, cells, {});
  }
  view.EndUpdate();
  list.ClearActions();
}

void GetActionListFromListView(std::string& text, const TVirtualListView& view, const TBaseActionList& list,
                               bool onlySelected) {
  text.clear();
  for (size_t i : onlySelected ? SelectedItems(view) : AllItems(view)) {
    const TVirtualListViewItem& item = view.VirtualItems[i];
    const int32_t d = ActionListRowDefinition(view, static_cast<int32_t>(i), list);
    if (d < 0) continue;
    text += ActionListLine(list, d, Cell(item, alCellScope), Cell(item, alCellParam1), Cell(item, alCellParam2),
                           Cell(item, alCellOptions), TActionListLineForm::Row);
    text += '\n';
  }
}

bool SettingsContainerActionListListViewHasSwapableItems(const TVirtualListView& view, const TBaseActionList& list) {
  for (size_t i : ConsideredItems(view)) {
    const int32_t d = ActionListRowDefinition(view, static_cast<int32_t>(i), list);
    if (d >= 0 && list.Definitions[static_cast<size_t>(d)].ParamsSwapable) return true;
  }
  return false;
}

int32_t SettingsContainerActionListListViewSwapSwapableItems(TVirtualListView& view, const TBaseActionList& list) {
  int32_t changed = 0;
  for (size_t i : ConsideredItems(view)) {
    const int32_t d = ActionListRowDefinition(view, static_cast<int32_t>(i), list);
    if (d < 0 || !list.Definitions[static_cast<size_t>(d)].ParamsSwapable) continue;
    TVirtualListViewItem& item = view.VirtualItems[i];
    const std::string p1 = Cell(item, alCellParam1);
    SetCell(item, alCellParam1, Cell(item, alCellParam2));
    SetCell(item, alCellParam2, p1);
    ++changed;
  }
  if (changed > 0) view.viewport()->update();
  return changed;
}

std::pair<TActionListOptionTypes, TActionListOptionTypes> SettingsContainerActionListListViewGetOptionInfo(
    const TVirtualListView& view, const TBaseActionList& list, bool forAdding) {
  TActionListOptionTypes addable = 0;
  std::string seen;
  for (size_t i : ConsideredItems(view)) {
    const TVirtualListViewItem& item = view.VirtualItems[i];
    const int32_t d = ActionListRowDefinition(view, static_cast<int32_t>(i), list);
    if (d < 0 || !RowTakesLetters(list, d, item)) continue;
    const std::string letters = StringReplaceFast(Cell(item, alCellOptions), "-", "");
    seen += letters;
    const TActionListOptionTypes allowed = list.Definitions[static_cast<size_t>(d)].OptionSet;
    if (!forAdding) {
      addable |= allowed;
      continue;
    }
    for (int32_t t = 0; t < alOptTypeCount; ++t) {
      const auto option = static_cast<TActionListOptionType>(t);
      if (!ActionListHasOption(allowed, option)) continue;
      const char letter = TBaseActionList::OptionToChar(option);
      if (letter == '\0' || letters.find(letter) == std::string::npos) addable |= ActionListOptionBit(option);
    }
  }
  return {addable, TBaseActionList::StrToOptions(seen)};
}

void SettingsContainerActionListListViewAddOption(TVirtualListView& view, const TBaseActionList& list,
                                                  TActionListOptionType option) {
  const char letter = TBaseActionList::OptionToChar(option);
  if (letter == '\0') return;
  for (size_t i : ConsideredItems(view)) {
    TVirtualListViewItem& item = view.VirtualItems[i];
    const int32_t d = ActionListRowDefinition(view, static_cast<int32_t>(i), list);
    if (d < 0 || !ActionListHasOption(list.Definitions[static_cast<size_t>(d)].OptionSet, option) ||
        !RowTakesLetters(list, d, item))
      continue;
    const std::string options = Cell(item, alCellOptions);
    if (options.find(letter) != std::string::npos) continue;
    SetCell(item, alCellOptions, (options.empty() ? "-" : options) + letter);
  }
  view.viewport()->update();
}

void SettingsContainerActionListListViewRemoveOption(TVirtualListView& view, const TBaseActionList& list,
                                                     TActionListOptionType option) {
  const char letter = TBaseActionList::OptionToChar(option);
  if (letter == '\0') return;
  for (size_t i : ConsideredItems(view)) {
    TVirtualListViewItem& item = view.VirtualItems[i];
    std::string options = Cell(item, alCellOptions);
    if (options.find(letter) == std::string::npos) continue;
    std::erase(options, letter);
    SetCell(item, alCellOptions, options == "-" ? std::string() : options);
  }
  view.viewport()->update();
}

void RefreshActionListScopeCells(TVirtualListView& view, const TBaseActionList& list) {
  for (size_t i = 0; i < view.VirtualItems.size(); ++i) {
    const int32_t d = ActionListRowDefinition(view, static_cast<int32_t>(i), list);
    if (d >= 0 && ActionListHasDisplayScope(list, d))
      SetCell(view.VirtualItems[i], alCellScope, ActionListScopeDisplayText(list, d));
  }
  view.viewport()->update();
}

void DefineActionListColumns(TVirtualListView& view, const int32_t (&widths)[alCellCount]) {
  static const char* const captions[alCellCount] = {"Action", "Scope", "Parameter 1", "Parameter 2", "Options"};
  view.ClearDataAndDefinitions();
  for (int32_t c = 0; c < alCellCount; ++c)
    view.AddColumn(vlvColCustomStr, c, captions[c], widths[c], c, taLeftJustify,
                   c == alCellAction ? vlvEditNone : vlvEditText, vlvFormatDefault, {});
}

void SetActionListColumnCaptions(TVirtualListView& view, const std::string& scopeCaption) {
  const std::string parameter = SprText(723);
  const std::string captions[alCellCount] = {SprText(702), scopeCaption, parameter + " 1", parameter + " 2",
                                             SprText(26)};
  for (int32_t c = 0; c < alCellCount; ++c) view.SetColumnCaption(vlvColCustomStr, c, captions[c]);
  view.viewport()->update();
}

void ActionListCellChangeInit(const TVirtualListView& view, const TBaseActionList& list,
                              const TVirtualListViewCellInfo& cell, bool& showEditInput) {
  const int32_t d = cell.ExtraValue;
  const auto& columns = view.ColumnInfos();
  if (!list.IsDefinitionIndex(d) || cell.ColumnInfoIndex < 0 ||
      static_cast<size_t>(cell.ColumnInfoIndex) >= columns.size())
    return;
  const TVirtualListViewColumnInfo& column = columns[static_cast<size_t>(cell.ColumnInfoIndex)];
  if (column.ColumnType != vlvColCustomStr) return;
  const TActionListActionDefinitionRecord& def = list.Definitions[static_cast<size_t>(d)];
  switch (column.ValueIndex) {
    case alCellScope: showEditInput = def.ScopeType != alScopeNone && def.ScopeType != alScopeComment; break;
    case alCellParam1: showEditInput = def.Param1Type != alParamNone; break;
    case alCellParam2: showEditInput = def.Param2Type != alParamNone; break;
    case alCellOptions: showEditInput = (def.OptionSet & kActionListLetterOptions) != 0; break;
    default: break;
  }
}

std::string ActionListOptionMenuText(int32_t letter) {
  static const char* const texts[kActionListLetterCount] = {"-c (case)", "-r (regex)", "-a (match all)", "",
                                                            "-i (include)"};
  if (letter == alOptTypeRepeat) return "-w (" + UTF8LowerCase(SprText(33)) + ")";
  return letter >= 0 && letter < kActionListLetterCount ? texts[letter] : "";
}
