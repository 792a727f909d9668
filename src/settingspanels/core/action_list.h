// An action list: a small script of text lines, one action per line, read
// against the vocabulary a host gives (groups, action definitions, named
// options and option letters), and the rules by which a line is written back.
//
// The text format. Lines are split at one kind of break (CR LF, else LF,
// else CR); empty lines are skipped. A line's tokens are split at blanks,
// with double quotes around a token that holds a blank or is empty and
// doubled quotes inside one. The first token is the action word; after a
// known word follow, each only when the definition has that part, the scope,
// parameter 1, parameter 2 and the options token ("-" and letters c, r, a, w,
// i). An unknown word makes the line a comment when the host defines one.
// Line breaks inside a parameter travel as the escapes "\r" and "\n" (a
// literal backslash before r or n is doubled). A written list is its lines,
// each followed by LF.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "foundation/hash_table.h"
#include "foundation/types.h"
#include "settingspanels/core/action_list_types.h"

// All the numbers of scope parts and number parameters that one list holds
// at a time: ranges beyond them give no numbers, so that no list text, however
// written, makes the model hold more than this.
inline constexpr size_t kActionListMaxNumbersHeld = 1000000;

class TBaseActionList {
 public:
  TBaseActionList();
  TBaseActionList(const TBaseActionList&) = delete;
  TBaseActionList& operator=(const TBaseActionList&) = delete;

  TActionListActionRecordArr Actions;
  // Index 0 means no group.
  std::vector<TActionListGroupRecord> Groups;
  std::vector<TActionListActionDefinitionRecord> Definitions;
  // Action word -> definition index, exact case.
  TStrIntHashTable WordIndex;
  bool DecodeEscapes = false;

  // --- The host's vocabulary -------------------------------------------------
  // Appends a definition and enters its word into WordIndex unless an earlier
  // definition has that word. Returns the new index.
  int32_t AddDefinition(const TActionListActionDefinitionRecord& definition);
  int32_t AddGroup(int32_t captionSlot, int32_t displayStyle);

  // --- Parsing ----------------------------------------------------------------
  // Empties Actions and reads every line of text; with decode, escapes are
  // decoded in every token after the action word. True when an action resulted.
  bool LoadFromString(const std::string& text, bool decode);
  // One line's tokens; the new action's index, or -1 when nothing was added.
  int32_t AddAction(const TStrArray& tokens);
  // Appends one action from its parts; -1 for an invalid definition index.
  int32_t AddAction(int32_t definitionIndex, std::string param1, std::string param2, std::string scope,
                    std::string options);
  void ClearActions();

  // --- Lookups ------------------------------------------------------------------
  static TActionListOptionTypes StrToOptions(const std::string& text);
  // c, r, a, w, i for the letter options, the character 0 otherwise.
  static char OptionToChar(TActionListOptionType option);
  // Members 0-4 with lettersOnly, else 0-8.
  static void GetAllAvailableOptions(TActionListOptionTypeArr& options, bool lettersOnly);
  int32_t StrToAction(const std::string& word) const;
  std::string GetActionStrOfActionIndex(int32_t actionIndex) const;
  // Members 0-11 in the set, without 5-8 (scope) and 9-11 (flags) when asked.
  static int32_t GetNumberOfOptions(TActionListOptionTypes options, bool leaveOutScope, bool leaveOutFlags);
  bool GetParamsForActionOption(int32_t definitionIndex, const std::string& optionName, int32_t& kind,
                                int32_t& param2CaptionSlot) const;
  int32_t GetIndexOfActionOption(int32_t definitionIndex, const std::string& optionName) const;
  int32_t GetActionDefinitionIndexOfComment() const;
  bool ActionOptionNeedsParam2(int32_t definitionIndex, const std::string& optionName) const;
  bool ActionOptionHasOptions(int32_t definitionIndex, const std::string& optionName) const;
  int32_t GetCount() const { return static_cast<int32_t>(Actions.size()); }
  int32_t GetActionDefinitionsCount() const { return static_cast<int32_t>(Definitions.size()); }

  bool IsDefinitionIndex(int32_t index) const { return index >= 0 && static_cast<size_t>(index) < Definitions.size(); }
  // True when the definition lets its first named option be left out of a
  // line: parameter 1 a named option, a parameter 2, at least one option and
  // the flag alOptTypeFirstOptOmit.
  bool CanOmitFirstOption(int32_t definitionIndex) const;
  // The numbers of scope parts and number parameters Actions holds.
  size_t NumbersHeld() const { return FNumbersHeld; }

 private:
  TIntArray ReadNumbers(const std::string& text);
  void ParseScope(TActionListActionRecord& action, int32_t partCount);

  size_t FNumbersHeld = 0;
};

// The two parts of a two-part scope token, untrimmed: "ALL" stands for
// "ALL:ALL", "SELECTED" for "SELECTED:SELECTED", a token without ":" for the
// token followed by ":ALL"; the token is cut at its first ":".
std::pair<std::string, std::string> ActionListScopeParts(const std::string& token);

// --- Escapes --------------------------------------------------------------------

// Turns "\r" and "\n" back into CR and LF, and "\\r" and "\\n" into "\r" and
// "\n"; texts without either escape pass unchanged.
std::string ActionListDecodeEscapes(const std::string& text);
// The reverse (LineBreakConvert_LineBreaksToInlineFormat).
std::string ActionListEncodeEscapes(const std::string& text);

// --- Writing lines ----------------------------------------------------------------

// How a writer treats the parts it is given.
enum class TActionListLineForm {
  // The cells of a list-view row: scope and options as they stand.
  Row,
  // The fields of the configuration panel: the scope and the options trimmed,
  // the options only for an action with letter options, and every parameter
  // escaped to one line.
  Fields,
};

// One line of the text format (without its line break) for the definition
// and the parts; "" for an invalid definition. The first option is left out
// where the definition allows it. An empty parameter that something follows
// keeps its place as "", so that the tokens after it are read where they were.
std::string ActionListLine(const TBaseActionList& list, int32_t definitionIndex, const std::string& scope,
                           std::string param1, std::string param2, const std::string& options,
                           TActionListLineForm form);

// The scope cell a row shows for an action without scope ("All", or the
// definition's own caption for it) and for a comment ("Comment"); empty for
// other definitions.
std::string ActionListScopeDisplayText(const TBaseActionList& list, int32_t definitionIndex);
// True when the definition's scope is shown in place of a scope token.
bool ActionListHasDisplayScope(const TBaseActionList& list, int32_t definitionIndex);

// The text of a text-store slot; "" for a slot outside the store.
std::string ActionListSlotText(int32_t slot);

// The name a list file shows: the file name without every "." + extension at
// its end ("x.lst.lst" reads "x"; "x.lstart.lst" reads "x.lstart").
std::string ActionListCaptionOfFile(const std::string& fileName, const std::string& extension);
