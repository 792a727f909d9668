#include "settingspanels/core/action_list.h"

#include "foundation/number_format.h"
#include "foundation/str_arrays.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"
#include "text/text_store.h"

namespace {

constexpr uint32_t kWordIndexBuckets = 256;
constexpr char kLetters[kActionListLetterCount + 1] = "crawi";
constexpr int32_t kCommentSlot = 739;

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// In each piece between the escaped forms, the escape becomes the control
// character; the pieces are joined again with the escape itself.
std::string DecodeOne(const std::string& text, const char* escaped, const char* escape, const char* control) {
  if (!Contains(text, escaped)) return StringReplaceFast(text, escape, control);
  TStrArray pieces;
  Explode(pieces, escaped, text);
  for (std::string& piece : pieces) piece = StringReplaceFast(piece, escape, control);
  return Implode(pieces, escape);
}

}  // namespace

std::string ActionListSlotText(int32_t slot) {
  if (slot < 0 || static_cast<size_t>(slot) >= SprResGlobalArr.size()) return std::string();
  return SprText(static_cast<StrResGlobal>(slot));
}

TBaseActionList::TBaseActionList() : WordIndex(kWordIndexBuckets) {}

// --- The host's vocabulary ----------------------------------------------------------

int32_t TBaseActionList::AddDefinition(const TActionListActionDefinitionRecord& definition) {
  Definitions.push_back(definition);
  const int32_t index = GetActionDefinitionsCount() - 1;
  if (!WordIndex.ContainsKey(definition.Name)) WordIndex.AddOrUpdate(definition.Name, index);
  return index;
}

int32_t TBaseActionList::AddGroup(int32_t captionSlot, int32_t displayStyle) {
  Groups.push_back({captionSlot, displayStyle});
  return static_cast<int32_t>(Groups.size()) - 1;
}

// --- Parsing ------------------------------------------------------------------------

void TBaseActionList::ClearActions() {
  Actions.clear();
  FNumbersHeld = 0;
}

bool TBaseActionList::LoadFromString(const std::string& text, bool decode) {
  ClearActions();
  DecodeEscapes = decode;
  TStrArray lines;
  ExplodeAtCRLF_CR_LF_LineBreaks(lines, text);
  bool added = false;
  TStrArray tokens;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    tokens.clear();
    ExplodeWithQuotes(tokens, line, " ", "\"");
    if (decode)
      for (size_t i = 1; i < tokens.size(); ++i) tokens[i] = ActionListDecodeEscapes(tokens[i]);
    if (AddAction(tokens) >= 0) added = true;
  }
  return added;
}

int32_t TBaseActionList::AddAction(const TStrArray& tokens) {
  if (tokens.empty()) return -1;
  const int32_t d = StrToAction(tokens[0]);
  if (d < 0) {
    const int32_t comment = GetActionDefinitionIndexOfComment();
    if (comment < 0) return -1;
    return AddAction(comment, Implode(tokens, " "), "", "", "");
  }
  const TActionListActionDefinitionRecord& def = Definitions[d];
  std::string scope, param1, param2, options;
  size_t next = 1;
  auto take = [&](std::string& part) {
    if (next < tokens.size()) part = tokens[next++];
  };
  if (def.ScopeType == alScopeComment) {
    // A comment's whole line is its text: written as one quoted token, it
    // reads back as that token, and words typed without quotes all stay.
    if (def.Param1Type != alParamNone && tokens.size() > 1) {
      TStrArray rest(tokens.begin() + 1, tokens.end());
      param1 = Implode(rest, " ");
    }
    return AddAction(d, param1, "", "", "");
  }
  if (def.ScopeType != alScopeNone) take(scope);
  if (def.Param1Type != alParamNone) take(param1);
  if (def.Param2Type != alParamNone) take(param2);
  if ((def.OptionSet & kActionListLetterOptions) != 0) take(options);
  return AddAction(d, param1, param2, scope, options);
}

TIntArray TBaseActionList::ReadNumbers(const std::string& text) {
  const size_t room = kActionListMaxNumbersHeld - FNumbersHeld;
  // The text counts from 1, the model from 0.
  TIntArray numbers = CreateIntArrayFromNumberAndRangeStr(text, false, false, -1, 0, room);
  FNumbersHeld += numbers.size();
  return numbers;
}

void TBaseActionList::ParseScope(TActionListActionRecord& action, int32_t partCount) {
  TStrArray parts;
  if (partCount == 1) {
    parts.push_back(action.Scope);
  } else if (partCount == 2) {
    const auto [first, second] = ActionListScopeParts(action.Scope);
    parts.push_back(Trim(first));
    parts.push_back(Trim(second));
  }
  for (const std::string& part : parts) {
    const bool all = part == "ALL";
    const bool selected = part == "SELECTED";
    action.ScopeIsAll.push_back(all ? 1 : 0);
    action.ScopeIsSelected.push_back(selected ? 1 : 0);
    if (all || selected) {
      action.ScopeTexts.emplace_back();
      action.ScopeNumbers.emplace_back();
    } else {
      action.ScopeTexts.push_back(part);
      action.ScopeNumbers.push_back(ReadNumbers(part));
    }
  }
}

int32_t TBaseActionList::AddAction(int32_t definitionIndex, const std::string& param1, const std::string& param2,
                                   const std::string& scope, const std::string& options) {
  if (!IsDefinitionIndex(definitionIndex)) return -1;
  const TActionListActionDefinitionRecord& def = Definitions[definitionIndex];
  TActionListActionRecord a;
  a.DefinitionIndex = definitionIndex;
  a.GroupIndex = def.GroupIndex;
  a.Param1 = param1;
  a.Param2 = param2;
  if (CanOmitFirstOption(definitionIndex) && a.Param2.empty() &&
      GetIndexOfActionOption(definitionIndex, a.Param1) < 0) {
    a.Param2 = a.Param1;
    a.Param1 = def.Options[0].Name;
  }
  a.Scope = scope;
  a.OptionsText = options;
  auto convert = [this](int32_t kind, const std::string& text, int32_t& whole, double& decimal, TIntArray& numbers) {
    if (kind == alParamWholeNumber) {
      if (!TryStrToInt(text, whole)) whole = 0;
    } else if (kind == alParamNumbersAndRanges) {
      numbers = ReadNumbers(text);
    } else if (kind == alParamDecimalNumber) {
      decimal = StrToFloat_AllSeparators(text, 0, true);
    }
  };
  convert(def.Param1Type, a.Param1, a.Param1Int, a.Param1Float, a.Param1Numbers);
  convert(def.Param2Type, a.Param2, a.Param2Int, a.Param2Float, a.Param2Numbers);
  ParseScope(a, def.ScopePartCount);
  a.Options = StrToOptions(options);
  Actions.push_back(std::move(a));
  return GetCount() - 1;
}

// --- Lookups ----------------------------------------------------------------------------

TActionListOptionTypes TBaseActionList::StrToOptions(const std::string& text) {
  TActionListOptionTypes set = 0;
  for (int32_t i = 0; i < kActionListLetterCount; ++i)
    if (text.find(kLetters[i]) != std::string::npos) set |= ActionListOptionBit(static_cast<TActionListOptionType>(i));
  return set;
}

char TBaseActionList::OptionToChar(TActionListOptionType option) {
  return option >= 0 && option < kActionListLetterCount ? kLetters[option] : '\0';
}

void TBaseActionList::GetAllAvailableOptions(TActionListOptionTypeArr& options, bool lettersOnly) {
  options.clear();
  const int32_t last = lettersOnly ? alOptTypeInclude : alOptTypeScopeSelected2;
  for (int32_t i = 0; i <= last; ++i) options.push_back(static_cast<TActionListOptionType>(i));
}

int32_t TBaseActionList::StrToAction(const std::string& word) const { return WordIndex.GetValue(word, -1); }

std::string TBaseActionList::GetActionStrOfActionIndex(int32_t actionIndex) const {
  if (actionIndex < 0 || actionIndex >= GetCount()) return std::string();
  const int32_t d = Actions[actionIndex].DefinitionIndex;
  return IsDefinitionIndex(d) ? Definitions[d].Name : std::string();
}

int32_t TBaseActionList::GetNumberOfOptions(TActionListOptionTypes options, bool leaveOutScope, bool leaveOutFlags) {
  int32_t n = 0;
  for (int32_t i = 0; i < alOptTypeCount; ++i) {
    if (!ActionListHasOption(options, static_cast<TActionListOptionType>(i))) continue;
    if (leaveOutScope && i >= alOptTypeScopeAll1 && i <= alOptTypeScopeSelected2) continue;
    if (leaveOutFlags && i >= alOptTypeFirstOptOmit) continue;
    ++n;
  }
  return n;
}

int32_t TBaseActionList::GetIndexOfActionOption(int32_t definitionIndex, const std::string& optionName) const {
  if (!IsDefinitionIndex(definitionIndex)) return -1;
  const auto& options = Definitions[definitionIndex].Options;
  for (size_t i = 0; i < options.size(); ++i)
    if (options[i].Name == optionName) return static_cast<int32_t>(i);
  return -1;
}

bool TBaseActionList::GetParamsForActionOption(int32_t definitionIndex, const std::string& optionName, int32_t& kind,
                                               int32_t& param2CaptionSlot) const {
  kind = 0;
  param2CaptionSlot = -1;
  const int32_t o = GetIndexOfActionOption(definitionIndex, optionName);
  if (o < 0) return false;
  const TActionListOptionDefinitionRecord& option = Definitions[definitionIndex].Options[o];
  kind = option.Kind;
  param2CaptionSlot = option.Param2CaptionSlot;
  return true;
}

int32_t TBaseActionList::GetActionDefinitionIndexOfComment() const {
  for (int32_t i = 0; i < GetActionDefinitionsCount(); ++i)
    if (Definitions[i].ScopeType == alScopeComment) return i;
  return -1;
}

bool TBaseActionList::ActionOptionNeedsParam2(int32_t definitionIndex, const std::string& optionName) const {
  int32_t kind = 0, slot = -1;
  if (!GetParamsForActionOption(definitionIndex, optionName, kind, slot)) return false;
  switch (kind) {
    case alOptKindAsDefinition: return Definitions[definitionIndex].Param2Type != alParamNone;
    case alOptKindParam2:
    case alOptKindParam2AndLetters: return true;
    default: return false;
  }
}

bool TBaseActionList::ActionOptionHasOptions(int32_t definitionIndex, const std::string& optionName) const {
  int32_t kind = 0, slot = -1;
  return GetParamsForActionOption(definitionIndex, optionName, kind, slot) && kind == alOptKindParam2AndLetters;
}

bool TBaseActionList::CanOmitFirstOption(int32_t definitionIndex) const {
  if (!IsDefinitionIndex(definitionIndex)) return false;
  const TActionListActionDefinitionRecord& def = Definitions[definitionIndex];
  return def.Param1Type == alParamNamedOption && def.Param2Type != alParamNone && !def.Options.empty() &&
         ActionListHasOption(def.OptionSet, alOptTypeFirstOptOmit);
}

std::pair<std::string, std::string> ActionListScopeParts(const std::string& token) {
  std::string t = token;
  if (t == "ALL")
    t = "ALL:ALL";
  else if (t == "SELECTED")
    t = "SELECTED:SELECTED";
  else if (t.find(':') == std::string::npos)
    t += ":ALL";
  const size_t colon = t.find(':');
  return {t.substr(0, colon), t.substr(colon + 1)};
}

// --- Escapes ------------------------------------------------------------------------------

std::string ActionListDecodeEscapes(const std::string& text) {
  if (!Contains(text, "\\r") && !Contains(text, "\\n")) return text;
  return DecodeOne(DecodeOne(text, "\\\\r", "\\r", "\r"), "\\\\n", "\\n", "\n");
}

std::string ActionListEncodeEscapes(const std::string& text) { return LineBreakConvert_LineBreaksToInlineFormat(text); }

// --- Writing lines ------------------------------------------------------------------------

std::string ActionListLine(const TBaseActionList& list, int32_t definitionIndex, const std::string& scope,
                           std::string param1, std::string param2, const std::string& options,
                           TActionListLineForm form) {
  if (!list.IsDefinitionIndex(definitionIndex)) return std::string();
  const TActionListActionDefinitionRecord& def = list.Definitions[definitionIndex];
  // A parameter 2 that names an option would be read as parameter 1, so the
  // first option then stays in the line.
  if (list.CanOmitFirstOption(definitionIndex) && param1 == def.Options[0].Name &&
      list.GetIndexOfActionOption(definitionIndex, param2) < 0) {
    param1 = param2;
    param2.clear();
  }
  const bool fields = form == TActionListLineForm::Fields;
  TStrArray tokens{def.Name};
  if (def.ScopeType != alScopeNone && def.ScopeType != alScopeComment) tokens.push_back(fields ? Trim(scope) : scope);
  const size_t fixed = tokens.size();
  if (def.Param1Type != alParamNone) tokens.push_back(param1);
  if (def.Param2Type != alParamNone) tokens.push_back(param2);
  const std::string letters = fields ? Trim(options) : options;
  if (!letters.empty() && (!fields || (def.OptionSet & kActionListLetterOptions) != 0)) tokens.push_back(letters);
  while (tokens.size() > fixed && tokens.back().empty()) tokens.pop_back();
  for (size_t i = 1; i < tokens.size(); ++i) {
    // Fields are read back with their escapes decoded. Rows hold their
    // parameters escaped already, and a raw line break, which would end the
    // line and start another action, can only come from a cell set by program.
    if (fields || tokens[i].find_first_of("\r\n") != std::string::npos) tokens[i] = ActionListEncodeEscapes(tokens[i]);
  }
  return ImplodeWithQuotes(tokens, ' ', '"', true);
}

bool ActionListHasDisplayScope(const TBaseActionList& list, int32_t definitionIndex) {
  if (!list.IsDefinitionIndex(definitionIndex)) return false;
  const int32_t type = list.Definitions[definitionIndex].ScopeType;
  return type == alScopeNone || type == alScopeComment;
}

std::string ActionListScopeDisplayText(const TBaseActionList& list, int32_t definitionIndex) {
  if (!ActionListHasDisplayScope(list, definitionIndex)) return std::string();
  const TActionListActionDefinitionRecord& def = list.Definitions[definitionIndex];
  if (def.ScopeType == alScopeComment) return ActionListSlotText(kCommentSlot);
  const int32_t slot = def.ScopeAll1CaptionSlot;
  if (slot >= 0 && static_cast<size_t>(slot) < SprResGlobalArr.size()) return ActionListSlotText(slot);
  return "All";
}

std::string ActionListCaptionOfFile(const std::string& fileName, const std::string& extension) {
  const std::string suffix = "." + extension;
  std::string caption = fileName;
  while (!extension.empty() && caption.size() >= suffix.size() &&
         caption.compare(caption.size() - suffix.size(), suffix.size(), suffix) == 0)
    caption.erase(caption.size() - suffix.size());
  return caption;
}
