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

// One decoding step, in place: the escape (a backslash and the letter)
// becomes the control character, and the escaped escape (two backslashes and
// the letter) becomes the escape itself. The text only shrinks, so a text of
// many escapes costs no second copy.
void DecodeStep(std::string& text, char letter, char control) {
  size_t kept = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 2 < text.size() && text[i + 1] == '\\' && text[i + 2] == letter) {
      text[kept++] = '\\';
      text[kept++] = letter;
      i += 2;
    } else if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == letter) {
      text[kept++] = control;
      ++i;
    } else {
      text[kept++] = text[i];
    }
  }
  text.resize(kept);
}

void DecodeEscapesInPlace(std::string& text) {
  if (text.find('\\') == std::string::npos) return;
  DecodeStep(text, 'r', '\r');
  DecodeStep(text, 'n', '\n');
}

// ActionListScopeParts as views into the token.
std::pair<std::string_view, std::string_view> ScopePartsOf(std::string_view token) {
  if (token == "ALL" || token == "SELECTED") return {token, token};
  const size_t colon = token.find(':');
  if (colon == std::string_view::npos) return {token, "ALL"};
  return {token.substr(0, colon), token.substr(colon + 1)};
}

// Rules 3 to 5 of the format on the tokens of one line, which next hands out
// one at a time (false when none is left). Tokens are read only as far as the
// action needs them, and a comment's tokens are joined as they come, so that a
// line of many tokens costs no array of them; lineSize bounds the joined text.
template <class TNextToken>
int32_t AddActionOfTokens(TBaseActionList& list, TNextToken&& next, size_t lineSize) {
  std::string word;
  if (!next(word)) return -1;
  auto joinRest = [&next, lineSize](std::string& text, bool blankFirst) {
    text.reserve(lineSize);
    for (std::string token; next(token); blankFirst = true) {
      if (blankFirst) text += ' ';
      text += token;
    }
  };
  const int32_t d = list.StrToAction(word);
  if (d < 0) {
    const int32_t comment = list.GetActionDefinitionIndexOfComment();
    if (comment < 0) return -1;
    std::string text = std::move(word);
    joinRest(text, true);
    return list.AddAction(comment, std::move(text), "", "", "");
  }
  const TActionListActionDefinitionRecord& def = list.Definitions[static_cast<size_t>(d)];
  if (def.ScopeType == alScopeComment) {
    // A comment's whole line is its text: written as one quoted token, it
    // reads back as that token, and words typed without quotes all stay.
    std::string text;
    if (def.Param1Type != alParamNone) joinRest(text, false);
    return list.AddAction(d, std::move(text), "", "", "");
  }
  std::string scope, param1, param2, options;
  bool more = true;
  auto take = [&next, &more](std::string& part) {
    if (more) more = next(part);
    if (!more) part.clear();
  };
  if (def.ScopeType != alScopeNone) take(scope);
  if (def.Param1Type != alParamNone) take(param1);
  if (def.Param2Type != alParamNone) take(param2);
  if ((def.OptionSet & kActionListLetterOptions) != 0) take(options);
  return list.AddAction(d, std::move(param1), std::move(param2), std::move(scope), std::move(options));
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
  if (GetActionDefinitionIndexOfComment() >= 0) {
    // Then every line that is not empty is an action: the array is made at
    // its size once instead of growing by doubling, which would hold up to
    // three times the records for a moment.
    size_t lines = 0;
    ForEachLineAtCRLF_CR_LF_LineBreaks(text, [&lines](std::string_view line) { lines += line.empty() ? 0 : 1; });
    Actions.reserve(lines);
  }
  bool added = false;
  // Line by line and token by token: what a text holds besides its actions
  // (blanks, empty lines, tokens nothing reads) costs nothing to keep.
  ForEachLineAtCRLF_CR_LF_LineBreaks(text, [this, decode, &added](std::string_view line) {
    if (line.empty()) return;
    TQuotedFieldReader fields(line, ' ', '"');
    bool word = true;
    auto next = [&fields, &word, decode](std::string& token) {
      if (!fields.Next(token)) return false;
      if (decode && !word) DecodeEscapesInPlace(token);
      word = false;
      return true;
    };
    if (AddActionOfTokens(*this, next, line.size()) >= 0) added = true;
  });
  return added;
}

int32_t TBaseActionList::AddAction(const TStrArray& tokens) {
  size_t lineSize = 0;
  for (const std::string& token : tokens) lineSize += token.size() + 1;
  size_t i = 0;
  auto next = [&tokens, &i](std::string& token) {
    if (i >= tokens.size()) return false;
    token = tokens[i++];
    return true;
  };
  return AddActionOfTokens(*this, next, lineSize);
}

TIntArray TBaseActionList::ReadNumbers(const std::string& text) {
  const size_t room = kActionListMaxNumbersHeld - FNumbersHeld;
  // The text counts from 1, the model from 0.
  TIntArray numbers = CreateIntArrayFromNumberAndRangeStr(text, false, false, -1, 0, room);
  FNumbersHeld += numbers.size();
  return numbers;
}

void TBaseActionList::ParseScope(TActionListActionRecord& action, int32_t partCount) {
  auto addPart = [this, &action](std::string part) {
    const bool all = part == "ALL";
    const bool selected = part == "SELECTED";
    action.ScopeIsAll.push_back(all ? 1 : 0);
    action.ScopeIsSelected.push_back(selected ? 1 : 0);
    if (all || selected) {
      action.ScopeTexts.emplace_back();
      action.ScopeNumbers.emplace_back();
    } else {
      action.ScopeNumbers.push_back(ReadNumbers(part));
      action.ScopeTexts.push_back(std::move(part));
    }
  };
  if (partCount == 1) {
    addPart(action.Scope);
  } else if (partCount == 2) {
    const auto [first, second] = ScopePartsOf(action.Scope);
    addPart(Trim(first));
    addPart(Trim(second));
  }
}

int32_t TBaseActionList::AddAction(int32_t definitionIndex, std::string param1, std::string param2, std::string scope,
                                   std::string options) {
  if (!IsDefinitionIndex(definitionIndex)) return -1;
  const TActionListActionDefinitionRecord& def = Definitions[definitionIndex];
  TActionListActionRecord a;
  a.DefinitionIndex = definitionIndex;
  a.GroupIndex = def.GroupIndex;
  a.Param1 = std::move(param1);
  a.Param2 = std::move(param2);
  if (CanOmitFirstOption(definitionIndex) && a.Param2.empty() &&
      GetIndexOfActionOption(definitionIndex, a.Param1) < 0) {
    a.Param2 = std::move(a.Param1);
    a.Param1 = def.Options[0].Name;
  }
  a.Scope = std::move(scope);
  a.OptionsText = std::move(options);
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
  a.Options = StrToOptions(a.OptionsText);
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
  const auto [first, second] = ScopePartsOf(token);
  return {std::string(first), std::string(second)};
}

// --- Escapes ------------------------------------------------------------------------------

std::string ActionListDecodeEscapes(const std::string& text) {
  std::string decoded = text;
  DecodeEscapesInPlace(decoded);
  return decoded;
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
