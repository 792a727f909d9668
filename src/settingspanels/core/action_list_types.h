// The records of an action list: the host's vocabulary (groups, action
// definitions with their named options, the option letters and flags) and
// the actions parsed from a list's text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/types.h"

// The option letters and flags an action allows; the member's number is its
// bit in TActionListOptionTypes.
enum TActionListOptionType : int32_t {
  alOptTypeCase,                    // c: match case
  alOptTypeRegex,                   // r: the parameter is a regular expression
  alOptTypeMatchAll,                // a: the whole text must match
  alOptTypeRepeat,                  // w: repeat
  alOptTypeInclude,                 // i: include
  alOptTypeScopeAll1,               // scope part 1 offers "all"
  alOptTypeScopeAll2,               // scope part 2 offers "all"
  alOptTypeScopeSelected1,          // scope part 1 offers "selected"
  alOptTypeScopeSelected2,          // scope part 2 offers "selected"
  alOptTypeFirstOptOmit,            // the first named option may be left out of a line
  alOptTypeParam1CanBeEmptyString,  // parameter 1 may be empty
  alOptTypeParam2CanBeEmptyString,  // parameter 2 may be empty
  alOptTypeCount,
};
using TActionListOptionTypes = uint32_t;
using TActionListOptionTypeArr = std::vector<TActionListOptionType>;

constexpr TActionListOptionTypes ActionListOptionBit(TActionListOptionType t) { return 1u << t; }
constexpr bool ActionListHasOption(TActionListOptionTypes set, TActionListOptionType t) {
  return (set & ActionListOptionBit(t)) != 0;
}
// The letter options c, r, a, w and i.
inline constexpr TActionListOptionTypes kActionListLetterOptions = 0x1F;
inline constexpr int32_t kActionListLetterCount = 5;

// Parameter kinds (Param1Type, Param2Type).
inline constexpr int32_t alParamNone = 0;
inline constexpr int32_t alParamText = 1;
inline constexpr int32_t alParamMultiLineText = 2;
inline constexpr int32_t alParamWholeNumber = 3;
inline constexpr int32_t alParamNumbersAndRanges = 4;
inline constexpr int32_t alParamDecimalNumber = 5;
inline constexpr int32_t alParamNamedOption = 6;

// Scope types (ScopeType); 1 reads like 2 and 3 like 4.
inline constexpr int32_t alScopeNone = 0;
inline constexpr int32_t alScopeOnePart = 1;
inline constexpr int32_t alScopeOnePartToo = 2;
inline constexpr int32_t alScopeTwoParts = 3;
inline constexpr int32_t alScopeTwoPartsToo = 4;
inline constexpr int32_t alScopeComment = 5;

// What choosing a named option means for parameter 2 and the letter options.
inline constexpr int32_t alOptKindAsDefinition = 0;  // parameter 2 as the definition says
inline constexpr int32_t alOptKindParam1Only = 1;    // no parameter 2, no letter options
inline constexpr int32_t alOptKindParam2 = 2;        // parameter 2, no letter options
inline constexpr int32_t alOptKindParam2AndLetters = 3;

// Groups: DisplayStyle 1 shows the group's actions in a drop-down list.
inline constexpr int32_t alGroupDropDown = 1;

// The layout orders of the configuration panel's blocks.
inline constexpr int32_t alLayoutParamsFirst = 0;
inline constexpr int32_t alLayoutScopeFirst = 1;

struct TActionListGroupRecord {
  int32_t CaptionSlot = -1;
  int32_t DisplayStyle = 0;
};

struct TActionListOptionDefinitionRecord {
  int32_t ParamNo = 1;
  std::string Name;
  std::string Caption;
  int32_t CaptionSlot = -1;
  int32_t Kind = alOptKindAsDefinition;
  int32_t Param2CaptionSlot = -1;
};

struct TActionListActionDefinitionRecord {
  std::string Name;
  int32_t GroupIndex = 0;
  int32_t ScopePartCount = 0;
  int32_t ScopeType = alScopeNone;
  int32_t Param1Type = alParamNone;
  int32_t Param2Type = alParamNone;
  std::vector<TActionListOptionDefinitionRecord> Options;
  bool ParamsSwapable = false;
  TActionListOptionTypes OptionSet = 0;
  int32_t LayoutOrder = alLayoutParamsFirst;
  int32_t CaptionSlot = -1;
  int32_t Param1CaptionSlot = -1;
  int32_t Param2CaptionSlot = -1;
  int32_t Scope1CaptionSlot = -1;
  int32_t ScopeAll1CaptionSlot = -1;
  int32_t ScopeSelected1CaptionSlot = -1;
  int32_t Scope2CaptionSlot = -1;
  int32_t ScopeAll2CaptionSlot = -1;
  int32_t ScopeSelected2CaptionSlot = -1;
};

// One parsed action.
struct TActionListActionRecord {
  int32_t DefinitionIndex = -1;
  int32_t GroupIndex = 0;
  std::string Param1;
  std::string Param2;
  int32_t Param1Int = 0;
  int32_t Param2Int = 0;
  double Param1Float = 0;
  double Param2Float = 0;
  TIntArray Param1Numbers;
  TIntArray Param2Numbers;
  std::string Scope;
  TIntArray2D ScopeNumbers;
  TStrArray ScopeTexts;
  TBooleanArray ScopeIsAll;
  TBooleanArray ScopeIsSelected;
  std::string OptionsText;
  TActionListOptionTypes Options = 0;
};
using TActionListActionRecordArr = std::vector<TActionListActionRecord>;
