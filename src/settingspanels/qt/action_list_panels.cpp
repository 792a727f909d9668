#include "settingspanels/qt/action_list_panels.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QSignalBlocker>

#include "controls/advanced_edit.h"
#include "controls/caption_panels.h"
#include "controls/control_helpers.h"
#include "controls/id_combo_box.h"
#include "controls/list_view.h"
#include "controls/multiline_check.h"
#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/str_transform.h"
#include "frame/qt/widget_tags.h"
#include "settingspanels/qt/action_list_list_view.h"
#include "settingspanels/qt/action_list_platform.h"
#include "text/text_store.h"

namespace {

constexpr int32_t kRequiredFieldsSlot = 105;
constexpr int32_t kErrorSlot = 7;
constexpr int32_t kOptionsSlot = 26;
// The captions of the letter check boxes c, r, a, w, i.
constexpr int32_t kLetterSlots[kActionListLetterCount] = {108, 111, 114, 33, 531};
constexpr const char* kLetterSuffixes[kActionListLetterCount] = {" (-c)", " (-r)", " (-a)", " (-w)", " (-i)"};
constexpr const char* kLetterDefaults[kActionListLetterCount] = {"cb_case", "cb_regex", "cb_matchall", "cb_repeat",
                                                                 "cb_include"};

// Check boxes show "&" as written.
QString Literal(const std::string& text) { return ToQString(StringReplaceFast(text, "&", "&&")); }

QVBoxLayout* NewColumn(QWidget* parent, int32_t left, int32_t right) {
  auto* column = new QVBoxLayout(parent);
  column->setContentsMargins(left, 0, right, 0);
  column->setSpacing(0);
  return column;
}

void PlaceAt(QWidget* panel, QWidget* parent, int32_t top) {
  panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  if (auto* column = parent ? qobject_cast<QBoxLayout*>(parent->layout()) : nullptr)
    column->insertWidget(std::clamp(top, 0, static_cast<int32_t>(column->count())), panel);
}

// A long caption must not widen the panel past its window.
void NarrowDropDown(QComboBox* box) {
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(8);
}

bool IsOnePartScope(int32_t type) { return type == alScopeOnePart || type == alScopeOnePartToo; }
bool IsTwoPartScope(int32_t type) { return type == alScopeTwoParts || type == alScopeTwoPartsToo; }

}  // namespace

void ActionListSetFixedWidthFont(QWidget* reference, QWidget* first, QWidget* second) {
  std::string name;
  int32_t size = 0;
  CHGetFontFixedWidthAndFontSize(reference, name, size);
  // Without any of the library's fixed-width fonts the system's own serves.
  const QString family =
      IsNulMarker(name) ? QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family() : ToQString(name);
  for (QWidget* target : {first, second}) {
    if (!target) continue;
    QFont font = target->font();
    font.setFamily(family);
    if (!IsNulMarker(name)) font.setPointSize(size);
    target->setFont(font);
  }
}

// --- The action type chooser ---------------------------------------------------------

TSettingsContainerActionListDialogActionTypeContainer::TSettingsContainerActionListDialogActionTypeContainer(
    QWidget* parent, int32_t top, int32_t leftMargin, int32_t rightMargin,
    TSettingsContainerActionListDialogsSprIntChangeNotification onChange)
    : QWidget(parent), OnChange(std::move(onChange)) {
  FColumn = NewColumn(this, leftMargin, rightMargin);
  PlaceAt(this, parent, top);
}

TIDComboBox* TSettingsContainerActionListDialogActionTypeContainer::DropDown() const { return FDropDown; }

void TSettingsContainerActionListDialogActionTypeContainer::ClearChoices() {
  delete FDropDown.data();
  for (const QPointer<TRadioButtonML>& radio : FRadios) delete radio.data();
  FRadios.clear();
}

void TSettingsContainerActionListDialogActionTypeContainer::Init(TBaseActionList* list, int32_t groupFilter) {
  FActionList = list;
  FGroupFilter = groupFilter;
  if (!list) return;
  ClearChoices();
  SelectedAction = -1;
  const bool validGroup = groupFilter > 0 && static_cast<size_t>(groupFilter) < list->Groups.size();
  FDisplayStyle =
      groupFilter > 0 && (!validGroup || list->Groups[static_cast<size_t>(groupFilter)].DisplayStyle != alGroupDropDown)
          ? 2
          : 1;
  const QSignalBlocker quiet(this);
  if (FDisplayStyle == 1) {
    FDropDown = new TIDComboBox(this);
    FDropDown->setMaxVisibleItems(20);
    FDropDown->SetAllowEditing(false);
    NarrowDropDown(FDropDown);
    FColumn->addWidget(FDropDown);
  }
  for (int32_t d = 0; d < list->GetActionDefinitionsCount(); ++d) {
    const int32_t group = list->Definitions[static_cast<size_t>(d)].GroupIndex;
    if (group != 0 && groupFilter > 0 && group != groupFilter) continue;
    const std::string title = GetActionTitle(d);
    if (FDisplayStyle == 1) {
      FDropDown->AddElement(title, list->Definitions[static_cast<size_t>(d)].Name, d);
    } else {
      auto* radio = new TRadioButtonML(this);
      radio->SetCaption(Literal(title));
      SetTag(radio, d);
      FColumn->addWidget(radio);
      connect(radio, &QRadioButton::toggled, this, [this, radio](bool on) {
        if (on && !FQuiet) Choose(GetTag(radio));
      });
      FRadios.push_back(radio);
    }
    if (SelectedAction < 0) SelectedAction = d;
  }
  if (FDropDown) {
    FDropDown->OnChange = [this](QObject*) {
      if (!FQuiet) Choose(FDropDown->SelectedIntId());
    };
  }
  SetSelectedAction(SelectedAction);
}

std::string TSettingsContainerActionListDialogActionTypeContainer::GetActionTitle(int32_t definitionIndex) const {
  if (!FActionList || !FActionList->IsDefinitionIndex(definitionIndex)) return std::string();
  const TActionListActionDefinitionRecord& def = FActionList->Definitions[static_cast<size_t>(definitionIndex)];
  std::string title;
  if (FGroupFilter <= 0 && def.GroupIndex > 0 && static_cast<size_t>(def.GroupIndex) < FActionList->Groups.size())
    title = ActionListSlotText(FActionList->Groups[static_cast<size_t>(def.GroupIndex)].CaptionSlot) + " - ";
  const std::string caption = ActionListSlotText(def.CaptionSlot);
  // A definition without a caption of its own is named by its word alone.
  return title + (caption.empty() ? def.Name : caption + " (" + def.Name + ")");
}

void TSettingsContainerActionListDialogActionTypeContainer::SetSelectedAction(int32_t definitionIndex) {
  SelectedAction = definitionIndex;
  FQuiet = true;
  if (FDropDown) {
    const int32_t index = FDropDown->GetIndexOfIntId(definitionIndex);
    if (index >= 0) {
      FDropDown->SetSelectedIntId(definitionIndex);
    } else {
      const QSignalBlocker quiet(FDropDown.data());
      FDropDown->setCurrentIndex(-1);
    }
  }
  for (const QPointer<TRadioButtonML>& radio : FRadios) {
    if (!radio) continue;
    const bool on = GetTag(radio) == definitionIndex;
    if (radio->isChecked() == on) continue;
    // An exclusive radio cannot be unchecked, so exclusivity pauses meanwhile.
    radio->setAutoExclusive(false);
    radio->setChecked(on);
    radio->setAutoExclusive(true);
  }
  FQuiet = false;
}

void TSettingsContainerActionListDialogActionTypeContainer::Choose(int32_t definitionIndex) {
  SelectedAction = definitionIndex;
  if (OnChange) OnChange(this, definitionIndex);
}

void TSettingsContainerActionListDialogActionTypeContainer::SetLanguage(uint32_t language) {
  FLanguage = language;
  if (FDropDown) {
    for (int32_t i = 0; i < FDropDown->GetCount(); ++i) {
      const std::string title = GetActionTitle(FDropDown->GetIntId(i));
      FDropDown->SetFixedString(i, title);
      FDropDown->setItemText(i, ToQString(title));
    }
  }
  for (const QPointer<TRadioButtonML>& radio : FRadios)
    if (radio) radio->SetCaption(Literal(GetActionTitle(GetTag(radio))));
}

// --- The configuration panel -----------------------------------------------------------

TSettingsContainerActionListDialogActionConfigContainer::TSettingsContainerActionListDialogActionConfigContainer(
    QWidget* parent, int32_t top, int32_t leftMargin, int32_t rightMargin)
    : QWidget(parent), FLeftMargin(leftMargin), FRightMargin(rightMargin) {
  BuildGUI();
  PlaceAt(this, parent, top);
}

QLabel* TSettingsContainerActionListDialogActionConfigContainer::AddLabel(QBoxLayout* column, QWidget* parent,
                                                                          const std::string& text) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  column->addSpacing(10);
  column->addWidget(label);
  column->addSpacing(3);
  return label;
}

TSettingsContainerActionListDialogActionConfigContainer::TParamWidgets
TSettingsContainerActionListDialogActionConfigContainer::BuildParam(QWidget* parent, const std::string& caption) {
  TParamWidgets w{};
  w.Block = new TRawPanel(parent);
  QVBoxLayout* column = NewColumn(w.Block, FLeftMargin, FRightMargin);
  w.Label = AddLabel(column, w.Block, caption);
  w.Memo = new TAdvancedMemo(w.Block);
  // Tall enough for a few lines, small enough to leave the rest in view.
  w.Memo->setMinimumHeight(80);
  w.Memo->setMaximumHeight(140);
  w.Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  w.Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  w.Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  w.Edit = new TAdvancedEdit(w.Block);
  w.DropDown = new TIDComboBox(w.Block);
  w.DropDown->setMaxVisibleItems(20);
  w.DropDown->SetAllowEditing(false);
  NarrowDropDown(w.DropDown);
  for (QWidget* input :
       {static_cast<QWidget*>(w.Memo), static_cast<QWidget*>(w.Edit), static_cast<QWidget*>(w.DropDown)})
    column->addWidget(input);
  return w;
}

TSettingsContainerActionListDialogActionConfigContainer::TScopeWidgets
TSettingsContainerActionListDialogActionConfigContainer::BuildScope(QWidget* parent, const std::string& caption,
                                                                    const std::string& all,
                                                                    const std::string& selected) {
  TScopeWidgets w{};
  w.Block = new TRawPanel(parent);
  QVBoxLayout* column = NewColumn(w.Block, FLeftMargin, FRightMargin);
  w.Label = AddLabel(column, w.Block, caption);
  w.Edit = new TAdvancedEdit(w.Block);
  column->addWidget(w.Edit);
  w.All = new TCheckBoxML(w.Block);
  w.All->SetCaption(ToQString(all));
  w.Selected = new TCheckBoxML(w.Block);
  w.Selected->SetCaption(ToQString(selected));
  column->addSpacing(3);
  column->addWidget(w.All);
  column->addWidget(w.Selected);
  // "All" and "selected" of one part exclude each other; the edit stays usable.
  connect(w.All, &QCheckBox::toggled, this, [other = w.Selected](bool on) {
    if (on) other->setChecked(false);
  });
  connect(w.Selected, &QCheckBox::toggled, this, [other = w.All](bool on) {
    if (on) other->setChecked(false);
  });
  return w;
}

void TSettingsContainerActionListDialogActionConfigContainer::BuildGUI() {
  FColumn = NewColumn(this, 0, 0);
  FParamsBlock = new TRawPanel(this);
  QVBoxLayout* params = NewColumn(FParamsBlock, 0, 0);
  FParam1 = BuildParam(FParamsBlock, "Param 1");
  FParam2 = BuildParam(FParamsBlock, "Param 2");
  params->addWidget(FParam1.Block);
  params->addWidget(FParam2.Block);
  FParam1.DropDown->OnChange = [this](QObject*) { ApplyOptionVisibility(); };

  FLettersBlock = new TRawPanel(this);
  QVBoxLayout* letters = NewColumn(FLettersBlock, FLeftMargin, FRightMargin);
  FLettersLabel = AddLabel(letters, FLettersBlock, "");
  for (const char* caption : kLetterDefaults) {
    auto* box = new TCheckBoxML(FLettersBlock);
    box->SetCaption(ToQString(caption));
    letters->addWidget(box);
    FLetters.push_back(box);
  }

  FScopeBlock = new TRawPanel(this);
  QVBoxLayout* scope = NewColumn(FScopeBlock, 0, 0);
  FScope1 = BuildScope(FScopeBlock, "Scope 1", "cb_scope_all1", "cb_scope_selected1");
  FScope2 = BuildScope(FScopeBlock, "Scope 2", "cb_scope_all2", "cb_scope_selected2");
  scope->addWidget(FScope1.Block);
  scope->addWidget(FScope2.Block);

  for (QWidget* block : {FParamsBlock, FLettersBlock, FScopeBlock}) FColumn->addWidget(block);
  ActionListSetFixedWidthFont(FParam1.Label, FParam1.Memo, FParam2.Memo);
  for (QWidget* hidden :
       {static_cast<QWidget*>(FParamsBlock), static_cast<QWidget*>(FLettersBlock), static_cast<QWidget*>(FScopeBlock)})
    hidden->hide();
  hide();
}

const TActionListActionDefinitionRecord* TSettingsContainerActionListDialogActionConfigContainer::Definition() const {
  if (!FActionList || !FActionList->IsDefinitionIndex(ActionType)) return nullptr;
  return &FActionList->Definitions[static_cast<size_t>(ActionType)];
}

void TSettingsContainerActionListDialogActionConfigContainer::Init(TBaseActionList* list, int32_t groupFilter,
                                                                   int32_t definitionIndex) {
  FActionList = list;
  FGroupFilter = groupFilter;
  SetActionType(definitionIndex);
}

std::string TSettingsContainerActionListDialogActionConfigContainer::OptionCaption(
    const TActionListOptionDefinitionRecord& option) const {
  if (option.CaptionSlot < 0) return option.Caption;
  return ActionListSlotText(option.CaptionSlot) + " (" + option.Name + ")";
}

void TSettingsContainerActionListDialogActionConfigContainer::ShowParam(const TParamWidgets& w, int32_t kind,
                                                                        int32_t paramNo) {
  w.Block->setVisible(kind != alParamNone);
  w.Memo->setVisible(kind == alParamMultiLineText);
  w.Edit->setVisible(kind == alParamText || kind == alParamWholeNumber || kind == alParamNumbersAndRanges ||
                     kind == alParamDecimalNumber);
  w.Edit->SetAllowedCharacters(kind == alParamWholeNumber ? acOnlyDigits : acAllowAll);
  w.DropDown->setVisible(kind == alParamNamedOption);
  if (kind != alParamNamedOption) return;
  const QSignalBlocker quiet(w.DropDown);
  w.DropDown->BeginUpdate();
  w.DropDown->ClearElements();
  const auto& options = Definition()->Options;
  for (size_t i = 0; i < options.size(); ++i)
    if (options[i].ParamNo == paramNo)
      w.DropDown->AddElement(OptionCaption(options[i]), options[i].Name, static_cast<int32_t>(i));
  w.DropDown->EndUpdate();
  w.DropDown->SelectFirstElement();
}

void TSettingsContainerActionListDialogActionConfigContainer::ShowLetters(bool shown) {
  const TActionListActionDefinitionRecord* def = Definition();
  FLettersShown = shown && def && (def->OptionSet & kActionListLetterOptions) != 0;
  FLettersBlock->setVisible(FLettersShown);
  for (int32_t i = 0; i < kActionListLetterCount; ++i)
    FLetters[static_cast<size_t>(i)]->setVisible(
        def && ActionListHasOption(def->OptionSet, static_cast<TActionListOptionType>(i)));
}

void TSettingsContainerActionListDialogActionConfigContainer::RefreshBlockVisibility() {
  const TActionListActionDefinitionRecord* def = Definition();
  const bool params = def && (def->Param1Type != alParamNone || FParam2Shown);
  FParamsBlock->setVisible(params);
  const bool scope = def && (IsOnePartScope(def->ScopeType) || IsTwoPartScope(def->ScopeType));
  FScopeBlock->setVisible(scope);
  setVisible(params || scope || FLettersShown);
  updateGeometry();
}

void TSettingsContainerActionListDialogActionConfigContainer::OrderBlocks() {
  const TActionListActionDefinitionRecord* def = Definition();
  std::vector<QWidget*> order = {FParamsBlock, FLettersBlock, FScopeBlock};
  if (def && def->LayoutOrder == alLayoutScopeFirst) order = {FScopeBlock, FParamsBlock, FLettersBlock};
  for (QWidget* block : order) FColumn->removeWidget(block);
  for (QWidget* block : order) FColumn->addWidget(block);
}

void TSettingsContainerActionListDialogActionConfigContainer::SetActionType(int32_t definitionIndex) {
  if (definitionIndex == ActionType || !FActionList || !FActionList->IsDefinitionIndex(definitionIndex)) return;
  setUpdatesEnabled(false);
  ActionType = definitionIndex;
  const TActionListActionDefinitionRecord& def = *Definition();
  ResetAllFields();
  FScope1.Block->hide();
  FScope2.Block->hide();
  const bool one = IsOnePartScope(def.ScopeType), two = IsTwoPartScope(def.ScopeType);
  if (one || two) {
    FScope1.Block->show();
    FScope1.All->setVisible(ActionListHasOption(def.OptionSet, alOptTypeScopeAll1));
    FScope1.Selected->setVisible(ActionListHasOption(def.OptionSet, alOptTypeScopeSelected1));
  }
  if (two) {
    FScope2.Block->show();
    FScope2.All->setVisible(ActionListHasOption(def.OptionSet, alOptTypeScopeAll2));
    FScope2.Selected->setVisible(ActionListHasOption(def.OptionSet, alOptTypeScopeSelected2));
  }
  ShowParam(FParam1, def.Param1Type, 1);
  ShowParam(FParam2, def.Param2Type, 2);
  FParam2Shown = def.Param2Type != alParamNone;
  ShowLetters(true);
  OrderBlocks();
  RefreshBlockVisibility();
  SetLanguage(FLanguage);
  if (def.Param1Type == alParamNamedOption) ApplyOptionVisibility();
  setUpdatesEnabled(true);
}

void TSettingsContainerActionListDialogActionConfigContainer::ApplyOptionVisibility() {
  const TActionListActionDefinitionRecord* def = Definition();
  if (!def || def->Param1Type != alParamNamedOption) return;
  int32_t kind = alOptKindAsDefinition, slot = -1;
  FActionList->GetParamsForActionOption(ActionType, FParam1.DropDown->SelectedStrId(), kind, slot);
  // An option that chose its own label for parameter 2 gives it back when
  // another option is chosen.
  FParam2.Label->setText(ToQString(ParamCaption(2)));
  switch (kind) {
    case alOptKindParam1Only: FParam2Shown = false; break;
    case alOptKindParam2:
    case alOptKindParam2AndLetters: FParam2Shown = true; break;
    default: FParam2Shown = def->Param2Type != alParamNone; break;
  }
  FParam1.Block->show();
  FParam2.Block->setVisible(FParam2Shown);
  ShowLetters(kind == alOptKindAsDefinition || kind == alOptKindParam2AndLetters);
  if ((kind == alOptKindParam2 || kind == alOptKindParam2AndLetters) && slot != -1)
    FParam2.Label->setText(ToQString(ActionListSlotText(slot) + ":"));
  RefreshBlockVisibility();
}

void TSettingsContainerActionListDialogActionConfigContainer::FillScopePart(const TScopeWidgets& w,
                                                                            const std::string& text) {
  const bool all = text == "ALL", selected = text == "SELECTED";
  w.All->setChecked(all);
  w.Selected->setChecked(selected);
  w.Edit->setText(all || selected ? QString() : ToQString(text));
}

void TSettingsContainerActionListDialogActionConfigContainer::SetActionParams(int32_t definitionIndex,
                                                                              const std::string& scope,
                                                                              const std::string& param1,
                                                                              const std::string& param2,
                                                                              const std::string& options) {
  SetActionType(definitionIndex);
  const TActionListActionDefinitionRecord* def = Definition();
  if (!def || ActionType != definitionIndex) return;
  if (IsOnePartScope(def->ScopeType)) {
    FillScopePart(FScope1, scope);
  } else if (IsTwoPartScope(def->ScopeType)) {
    const auto [first, second] = ActionListScopeParts(scope);
    FillScopePart(FScope1, first);
    FillScopePart(FScope2, second);
  }
  auto fill = [this](const TParamWidgets& w, int32_t kind, const std::string& text) {
    switch (kind) {
      case alParamNone:
        w.Memo->SetText("");
        w.Edit->clear();
        break;
      case alParamMultiLineText: w.Memo->SetText(ActionListDecodeEscapes(text)); break;
      case alParamNamedOption:
        if (w.DropDown->GetIndexOfStrId(text) >= 0) {
          const QSignalBlocker quiet(w.DropDown);
          w.DropDown->SetSelectedStrId(text);
        }
        break;
      default: w.Edit->setText(ToQString(text)); break;
    }
  };
  fill(FParam1, def->Param1Type, param1);
  fill(FParam2, def->Param2Type, param2);
  if (def->Param1Type == alParamNamedOption || def->Param2Type == alParamNamedOption) ApplyOptionVisibility();
  for (int32_t i = 0; i < kActionListLetterCount; ++i)
    FLetters[static_cast<size_t>(i)]->setChecked(
        options.find(TBaseActionList::OptionToChar(static_cast<TActionListOptionType>(i))) != std::string::npos);
}

std::string TSettingsContainerActionListDialogActionConfigContainer::ReadScopePart(const TScopeWidgets& w) const {
  if (w.All->isChecked()) return "ALL";
  if (w.Selected->isChecked()) return "SELECTED";
  return FromQString(w.Edit->text());
}

std::string TSettingsContainerActionListDialogActionConfigContainer::ReadParam(const TParamWidgets& w,
                                                                               int32_t kind) const {
  switch (kind) {
    case alParamNone: return std::string();
    case alParamMultiLineText: return w.Memo->Text();
    case alParamNamedOption: return w.DropDown->GetCount() > 0 ? w.DropDown->SelectedStrId() : std::string();
    default: return FromQString(w.Edit->text());
  }
}

bool TSettingsContainerActionListDialogActionConfigContainer::GetActionParams(int32_t& definitionIndex,
                                                                              std::string& scope, std::string& param1,
                                                                              std::string& param2, std::string& options,
                                                                              bool showMessage) {
  definitionIndex = ActionType;
  scope.clear();
  param1.clear();
  param2.clear();
  options.clear();
  const TActionListActionDefinitionRecord* def = Definition();
  bool filled = def != nullptr;
  if (def) {
    if (ActionListHasDisplayScope(*FActionList, ActionType)) {
      scope = ActionListScopeDisplayText(*FActionList, ActionType);
    } else if (IsOnePartScope(def->ScopeType)) {
      scope = ReadScopePart(FScope1);
      filled = !scope.empty();
    } else if (IsTwoPartScope(def->ScopeType)) {
      const std::string part1 = ReadScopePart(FScope1), part2 = ReadScopePart(FScope2);
      filled = !part1.empty() && !part2.empty();
      scope = part1 + ":" + part2;
      if (scope == "ALL:ALL") scope = "ALL";
      if (scope == "SELECTED:SELECTED") scope = "SELECTED";
    }
    param1 = ReadParam(FParam1, def->Param1Type);
    // A parameter 2 that the chosen option hides is not part of the action.
    param2 = FParam2Shown ? ReadParam(FParam2, def->Param2Type) : std::string();
    std::string letters;
    for (int32_t i = 0; i < kActionListLetterCount && FLettersShown; ++i) {
      const auto option = static_cast<TActionListOptionType>(i);
      if (ActionListHasOption(def->OptionSet, option) && FLetters[static_cast<size_t>(i)]->isChecked())
        letters += TBaseActionList::OptionToChar(option);
    }
    if (!letters.empty()) options = "-" + letters;
    const bool param1Filled = !param1.empty() || def->Param1Type == alParamNone ||
                              ActionListHasOption(def->OptionSet, alOptTypeParam1CanBeEmptyString);
    const bool param2Filled =
        !param2.empty() || def->Param2Type == alParamNone ||
        ActionListHasOption(def->OptionSet, alOptTypeParam2CanBeEmptyString) ||
        (def->Param1Type == alParamNamedOption && !FActionList->ActionOptionNeedsParam2(ActionType, param1));
    filled = filled && param1Filled && param2Filled;
  }
  if (!filled && showMessage) ActionListMessageBox(kErrorSlot, ActionListSlotText(kRequiredFieldsSlot));
  return filled;
}

bool TSettingsContainerActionListDialogActionConfigContainer::GetActionParamsAsStrArrayForListView(
    int32_t& definitionIndex, TStrArray& cells) {
  std::string scope, param1, param2, options;
  if (!GetActionParams(definitionIndex, scope, param1, param2, options, true)) return false;
  const TActionListActionDefinitionRecord& def = *Definition();
  if (def.Param1Type == alParamMultiLineText) param1 = ActionListEncodeEscapes(param1);
  if (def.Param2Type == alParamMultiLineText) param2 = ActionListEncodeEscapes(param2);
  cells = {def.Name, scope, param1, param2, options};
  return true;
}

bool TSettingsContainerActionListDialogActionConfigContainer::GetActionParamsAsLine(std::string& line) {
  int32_t d = -1;
  std::string scope, param1, param2, options;
  if (!GetActionParams(d, scope, param1, param2, options, true)) return false;
  line = ActionListLine(*FActionList, d, scope, param1, param2, options, TActionListLineForm::Fields);
  return true;
}

bool TSettingsContainerActionListDialogActionConfigContainer::AddToMemo(TAdvancedMemo* memo) {
  std::string line;
  if (!memo || !GetActionParamsAsLine(line)) return false;
  std::string text = memo->Text();
  if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += '\n';
  memo->SetText(text + line + "\n");
  return true;
}

bool TSettingsContainerActionListDialogActionConfigContainer::AddToListView(TVirtualListView* view) {
  return AddToOrUpdateInListView(view, -1);
}

bool TSettingsContainerActionListDialogActionConfigContainer::AddToOrUpdateInListView(TVirtualListView* view,
                                                                                      int32_t itemID) {
  int32_t d = -1;
  TStrArray cells;
  if (!view || !GetActionParamsAsStrArrayForListView(d, cells)) return false;
  const int32_t index = itemID == -1 ? -1 : view->GetFirstItemIndexWithID(itemID);
  if (index < 0) {
    view->AddItem(itemID == -1 ? view->GetNextFreeID(1) : itemID, d, cells, {});
  } else {
    // The row may now hold an action of another type.
    view->VirtualItems[static_cast<size_t>(index)].ExtraValue = d;
    view->ReplaceItem(index, cells, {});
  }
  return true;
}

void TSettingsContainerActionListDialogActionConfigContainer::ResetAllFields() {
  for (const TParamWidgets* w : {&FParam1, &FParam2}) {
    w->Memo->SetText("");
    w->Edit->clear();
    const QSignalBlocker quiet(w->DropDown);
    w->DropDown->SelectFirstElement();
  }
  for (const TScopeWidgets* w : {&FScope1, &FScope2}) {
    w->Edit->clear();
    w->All->setChecked(false);
    w->Selected->setChecked(false);
  }
}

std::string TSettingsContainerActionListDialogActionConfigContainer::ParamCaption(int32_t paramNo) const {
  const TActionListActionDefinitionRecord* def = Definition();
  const int32_t slot = !def ? -1 : paramNo == 1 ? def->Param1CaptionSlot : def->Param2CaptionSlot;
  if (slot < 0) return paramNo == 1 ? "Param 1" : "Param 2";
  return ActionListSlotText(slot) + ":";
}

void TSettingsContainerActionListDialogActionConfigContainer::SetLanguage(uint32_t language) {
  FLanguage = language;
  if (SprResGlobalArr.empty()) return;
  if (const TActionListActionDefinitionRecord* def = Definition()) {
    auto label = [](QLabel* target, int32_t slot) {
      if (slot >= 0) target->setText(ToQString(ActionListSlotText(slot) + ":"));
    };
    auto box = [](TCheckBoxML* target, int32_t slot) {
      if (slot >= 0) target->SetCaption(Literal(ActionListSlotText(slot)));
    };
    label(FParam1.Label, def->Param1CaptionSlot);
    label(FParam2.Label, def->Param2CaptionSlot);
    label(FScope1.Label, def->Scope1CaptionSlot);
    label(FScope2.Label, def->Scope2CaptionSlot);
    box(FScope1.All, def->ScopeAll1CaptionSlot);
    box(FScope1.Selected, def->ScopeSelected1CaptionSlot);
    box(FScope2.All, def->ScopeAll2CaptionSlot);
    box(FScope2.Selected, def->ScopeSelected2CaptionSlot);
    for (const TParamWidgets* w : {&FParam1, &FParam2}) {
      for (int32_t i = 0; i < w->DropDown->GetCount(); ++i) {
        const int32_t o = w->DropDown->GetIntId(i);
        if (o < 0 || static_cast<size_t>(o) >= def->Options.size()) continue;
        const std::string caption = OptionCaption(def->Options[static_cast<size_t>(o)]);
        w->DropDown->SetFixedString(i, caption);
        w->DropDown->setItemText(i, ToQString(caption));
      }
    }
  }
  FLettersLabel->setText(ToQString(ActionListSlotText(kOptionsSlot)));
  for (int32_t i = 0; i < kActionListLetterCount; ++i)
    FLetters[static_cast<size_t>(i)]->SetCaption(Literal(ActionListSlotText(kLetterSlots[i]) + kLetterSuffixes[i]));
}
