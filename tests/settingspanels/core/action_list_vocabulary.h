// A host's vocabulary that uses every part of the action-list format once:
// a comment, one- and two-part scopes, actions without scope, every
// parameter kind, named options of every kind and every option letter.
#pragma once

#include "settingspanels/core/action_list.h"

// The definition indexes of TestVocabulary.
enum TTestAction : int32_t {
  taComment,       // "#": the comment
  taReplace,       // one-part scope, two texts, letters c r a w, swappable
  taReplaceLines,  // two-part scope, two multi-line texts, letters c i
  taRepeat,        // no scope, a whole number
  taPick,          // one-part scope, numbers and ranges, a decimal number
  taInsert,        // a named option (first one may be left out), a text, letters c r
  taClear,         // nothing but the word
  taCount,
};

inline void FillTestVocabulary(TBaseActionList& list) {
  list.AddGroup(-1, 0);                // 0: no group
  list.AddGroup(83, 2);                // 1: "Replace", radio buttons
  list.AddGroup(42, alGroupDropDown);  // 2: "Insert", a drop-down list

  TActionListActionDefinitionRecord comment;
  comment.Name = "#";
  comment.ScopeType = alScopeComment;
  comment.Param1Type = alParamText;
  comment.CaptionSlot = 739;
  comment.Param1CaptionSlot = 739;
  list.AddDefinition(comment);

  TActionListActionDefinitionRecord replace;
  replace.Name = "replace";
  replace.GroupIndex = 1;
  replace.ScopePartCount = 1;
  replace.ScopeType = alScopeOnePart;
  replace.Param1Type = alParamText;
  replace.Param2Type = alParamText;
  replace.ParamsSwapable = true;
  replace.OptionSet = ActionListOptionBit(alOptTypeCase) | ActionListOptionBit(alOptTypeRegex) |
                      ActionListOptionBit(alOptTypeMatchAll) | ActionListOptionBit(alOptTypeRepeat) |
                      ActionListOptionBit(alOptTypeScopeAll1) | ActionListOptionBit(alOptTypeScopeSelected1) |
                      ActionListOptionBit(alOptTypeParam2CanBeEmptyString);
  replace.CaptionSlot = 83;
  replace.Param1CaptionSlot = 84;
  replace.Param2CaptionSlot = 85;
  replace.Scope1CaptionSlot = 135;
  replace.ScopeAll1CaptionSlot = 382;
  replace.ScopeSelected1CaptionSlot = 61;
  list.AddDefinition(replace);

  TActionListActionDefinitionRecord lines;
  lines.Name = "replacelines";
  lines.GroupIndex = 1;
  lines.ScopePartCount = 2;
  lines.ScopeType = alScopeTwoParts;
  lines.Param1Type = alParamMultiLineText;
  lines.Param2Type = alParamMultiLineText;
  lines.OptionSet = ActionListOptionBit(alOptTypeCase) | ActionListOptionBit(alOptTypeInclude) |
                    ActionListOptionBit(alOptTypeScopeAll1) | ActionListOptionBit(alOptTypeScopeAll2) |
                    ActionListOptionBit(alOptTypeScopeSelected1) | ActionListOptionBit(alOptTypeScopeSelected2) |
                    ActionListOptionBit(alOptTypeParam2CanBeEmptyString);
  lines.LayoutOrder = alLayoutScopeFirst;
  lines.CaptionSlot = 100;
  lines.Param1CaptionSlot = 84;
  lines.Param2CaptionSlot = 85;
  lines.Scope1CaptionSlot = 135;
  lines.ScopeAll1CaptionSlot = 382;
  lines.ScopeSelected1CaptionSlot = 61;
  lines.Scope2CaptionSlot = 589;
  lines.ScopeAll2CaptionSlot = 382;
  lines.ScopeSelected2CaptionSlot = 61;
  list.AddDefinition(lines);

  TActionListActionDefinitionRecord repeat;
  repeat.Name = "repeat";
  repeat.Param1Type = alParamWholeNumber;
  repeat.CaptionSlot = 33;
  repeat.Param1CaptionSlot = 674;
  list.AddDefinition(repeat);

  TActionListActionDefinitionRecord pick;
  pick.Name = "pick";
  pick.ScopePartCount = 1;
  pick.ScopeType = alScopeOnePartToo;
  pick.Param1Type = alParamNumbersAndRanges;
  pick.Param2Type = alParamDecimalNumber;
  pick.OptionSet = ActionListOptionBit(alOptTypeScopeAll1);
  pick.CaptionSlot = 121;
  pick.Param1CaptionSlot = 379;
  pick.Param2CaptionSlot = 662;
  pick.Scope1CaptionSlot = 135;
  pick.ScopeAll1CaptionSlot = 382;
  list.AddDefinition(pick);

  TActionListActionDefinitionRecord insert;
  insert.Name = "insert";
  insert.GroupIndex = 2;
  insert.Param1Type = alParamNamedOption;
  insert.Param2Type = alParamText;
  insert.Options = {{1, "before", "Before", -1, alOptKindParam2AndLetters, 627},
                    {1, "after", "After", -1, alOptKindParam2, -1},
                    {1, "line", "", 134, alOptKindParam1Only, -1},
                    {1, "keep", "Keep", -1, alOptKindAsDefinition, -1}};
  insert.OptionSet = ActionListOptionBit(alOptTypeCase) | ActionListOptionBit(alOptTypeRegex) |
                     ActionListOptionBit(alOptTypeFirstOptOmit);
  insert.CaptionSlot = 42;
  insert.Param1CaptionSlot = 626;
  insert.Param2CaptionSlot = 320;
  list.AddDefinition(insert);

  TActionListActionDefinitionRecord clear;
  clear.Name = "clear";
  clear.GroupIndex = 2;
  clear.CaptionSlot = 48;
  list.AddDefinition(clear);
}
