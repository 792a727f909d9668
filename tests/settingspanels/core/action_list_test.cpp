// The action-list model and its text format: reading lines against a
// vocabulary, the lookups, writing lines byte for byte, and round trips of
// random lists.
#include <gtest/gtest.h>

#include <random>

#include "foundation/str_transform.h"
#include "heap_peak.h"
#include "settingspanels/core/action_list.h"
#include "settingspanels/core/action_list_vocabulary.h"
#include "text/text_store.h"

namespace {

class ActionList : public ::testing::Test {
 protected:
  void SetUp() override {
    SetSprResGlobal(0);
    FillTestVocabulary(L);
  }
  const TActionListActionRecord& Only(const std::string& text, bool decode = false) {
    EXPECT_TRUE(L.LoadFromString(text, decode)) << text;
    EXPECT_EQ(L.GetCount(), 1) << text;
    return L.Actions.at(0);
  }
  std::string Line(int32_t d, const std::string& scope, const std::string& p1, const std::string& p2,
                   const std::string& options, TActionListLineForm form = TActionListLineForm::Row) {
    return ActionListLine(L, d, scope, p1, p2, options, form);
  }
  TBaseActionList L;
};

TEST_F(ActionList, EmptyTextsAndEmptyLinesYieldNothing) {
  for (const char* text : {"", "\n", "\r\n\r\n", "\r\r\r"}) {
    EXPECT_FALSE(L.LoadFromString(text, false)) << text;
    EXPECT_EQ(L.GetCount(), 0);
  }
  // A new load replaces what the last one read.
  ASSERT_TRUE(L.LoadFromString("clear\nclear", false));
  EXPECT_EQ(L.GetCount(), 2);
  EXPECT_FALSE(L.LoadFromString("", false));
  EXPECT_EQ(L.GetCount(), 0);
}

TEST_F(ActionList, LinesSplitAtOneKindOfBreak) {
  // CR LF wins when the text holds any; the lone LF then stays inside a line,
  // which makes "clear\nrepeat" an unknown word and so a comment.
  ASSERT_TRUE(L.LoadFromString("clear\r\nclear\nrepeat 2\r\n", false));
  ASSERT_EQ(L.GetCount(), 2);
  EXPECT_EQ(L.Actions[0].DefinitionIndex, taClear);
  EXPECT_EQ(L.Actions[1].DefinitionIndex, taComment);
  EXPECT_EQ(L.Actions[1].Param1, "clear\nrepeat 2");
  ASSERT_TRUE(L.LoadFromString("clear\rrepeat 3\r", false));
  ASSERT_EQ(L.GetCount(), 2);
  EXPECT_EQ(L.Actions[1].Param1Int, 3);
}

TEST_F(ActionList, AKnownWordAloneLeavesEveryPartEmpty) {
  const TActionListActionRecord& a = Only("replace");
  EXPECT_EQ(a.DefinitionIndex, taReplace);
  EXPECT_EQ(a.GroupIndex, 1);
  EXPECT_EQ(a.Scope, "");
  EXPECT_EQ(a.Param1, "");
  EXPECT_EQ(a.Param2, "");
  EXPECT_EQ(a.OptionsText, "");
  EXPECT_EQ(a.Options, 0u);
  ASSERT_EQ(a.ScopeTexts.size(), 1u);
  EXPECT_EQ(a.ScopeTexts[0], "");
  EXPECT_TRUE(a.ScopeNumbers[0].empty());
}

TEST_F(ActionList, TokensSplitAtBlanksWithQuotes) {
  struct TCase {
    const char* Line;
    const char* Scope;
    const char* Param1;
    const char* Param2;
    const char* Options;
  };
  const TCase cases[] = {
      {"replace 1 a b -c", "1", "a", "b", "-c"},
      {"replace  a b", "", "a", "b", ""},                // two blanks: an empty scope
      {"replace 1 \"x y\" z", "1", "x y", "z", ""},      // a quoted blank
      {"replace 1 \"a\"\"b\" c", "1", "a\"b", "c", ""},  // a doubled quote
      {"replace 1 \"\" b", "1", "", "b", ""},            // an empty quoted token
      {"replace 1 a b -c extra tokens", "1", "a", "b", "-c"},
      {"replace 1 a", "1", "a", "", ""},
  };
  for (const TCase& c : cases) {
    const TActionListActionRecord& a = Only(c.Line);
    EXPECT_EQ(a.Scope, c.Scope) << c.Line;
    EXPECT_EQ(a.Param1, c.Param1) << c.Line;
    EXPECT_EQ(a.Param2, c.Param2) << c.Line;
    EXPECT_EQ(a.OptionsText, c.Options) << c.Line;
  }
}

TEST_F(ActionList, OneAndTwoPartScopes) {
  const TActionListActionRecord& all = Only("replace ALL a");
  EXPECT_EQ(all.ScopeIsAll, TBooleanArray({1}));
  EXPECT_EQ(all.ScopeIsSelected, TBooleanArray({0}));
  EXPECT_EQ(all.ScopeTexts, TStrArray({""}));
  const TActionListActionRecord& lower = Only("replace all a");
  EXPECT_EQ(lower.ScopeIsAll, TBooleanArray({0}));
  EXPECT_EQ(lower.ScopeTexts, TStrArray({"all"}));
  EXPECT_TRUE(lower.ScopeNumbers[0].empty());
  const TActionListActionRecord& numbers = Only("replace 1-3,7;-2 a");
  EXPECT_EQ(numbers.ScopeNumbers[0], TIntArray({0, 1, 2, 6, -2}));
  EXPECT_EQ(numbers.ScopeTexts[0], "1-3,7;-2");

  struct TCase {
    const char* Token;
    TBooleanArray All, Selected;
    TStrArray Texts;
    TIntArray2D Numbers;
  };
  const TCase cases[] = {
      {"3", {0, 1}, {0, 0}, {"3", ""}, {{2}, {}}},
      {"ALL", {1, 1}, {0, 0}, {"", ""}, {{}, {}}},
      {"SELECTED", {0, 0}, {1, 1}, {"", ""}, {{}, {}}},
      {"\" 2 : SELECTED\"", {0, 0}, {0, 1}, {"2", ""}, {{1}, {}}},
      {"1-2:4:5", {0, 0}, {0, 0}, {"1-2", "4:5"}, {{0, 1}, {}}},
      {":", {0, 0}, {0, 0}, {"", ""}, {{}, {}}},
  };
  for (const TCase& c : cases) {
    const TActionListActionRecord& a = Only(std::string("replacelines ") + c.Token + " x");
    EXPECT_EQ(a.ScopeIsAll, c.All) << c.Token;
    EXPECT_EQ(a.ScopeIsSelected, c.Selected) << c.Token;
    EXPECT_EQ(a.ScopeTexts, c.Texts) << c.Token;
    EXPECT_EQ(a.ScopeNumbers, c.Numbers) << c.Token;
  }
  // Without scope the per-part arrays stay empty.
  const TActionListActionRecord& none = Only("repeat 2");
  EXPECT_TRUE(none.ScopeTexts.empty());
  EXPECT_TRUE(none.ScopeIsAll.empty());
}

TEST_F(ActionList, ParametersAreReadByTheirKind) {
  const TActionListActionRecord& whole = Only("repeat 12");
  EXPECT_EQ(whole.Param1Int, 12);
  EXPECT_EQ(Only("repeat x12").Param1Int, 0);
  EXPECT_EQ(Only("repeat \" -7\"").Param1Int, -7);
  EXPECT_EQ(Only("repeat 99999999999").Param1Int, 0);

  const TActionListActionRecord& pick = Only("pick ALL 2,4-5 1,5");
  EXPECT_EQ(pick.Param1Numbers, TIntArray({1, 3, 4}));
  EXPECT_DOUBLE_EQ(pick.Param2Float, 1.5);
  EXPECT_EQ(pick.Param1Int, 0);
  EXPECT_DOUBLE_EQ(Only("pick ALL 1 3/4").Param2Float, 0.75);
  EXPECT_DOUBLE_EQ(Only("pick ALL 1 2.5").Param2Float, 2.5);
  EXPECT_DOUBLE_EQ(Only("pick ALL 1 x").Param2Float, 0);
  EXPECT_TRUE(Only("pick ALL x,y").Param1Numbers.empty());
}

TEST_F(ActionList, OptionLettersAnywhereInTheToken) {
  EXPECT_EQ(Only("replace 1 a b -CR").Options, 0u);
  EXPECT_EQ(Only("replace 1 a b cr").Options, ActionListOptionBit(alOptTypeCase) | ActionListOptionBit(alOptTypeRegex));
  EXPECT_EQ(TBaseActionList::StrToOptions("-iwarc"), kActionListLetterOptions);
  EXPECT_EQ(TBaseActionList::StrToOptions("xyz-"), 0u);
  // An action without letter options reads no options token.
  EXPECT_EQ(Only("repeat 2 -c").OptionsText, "");
}

TEST_F(ActionList, EscapesAreDecodedOnlyWhenAsked) {
  EXPECT_EQ(Only("replace 1 a\\nb", false).Param1, "a\\nb");
  EXPECT_EQ(Only("replace 1 a\\nb", true).Param1, "a\nb");
  EXPECT_EQ(Only("replace 1 a\\\\nb", true).Param1, "a\\nb");
  EXPECT_EQ(Only("replace 1 a\\r\\nb\\\\r", true).Param1, "a\r\nb\\r");
  // The action word itself is never decoded.
  EXPECT_EQ(Only("x\\ny", true).Param1, "x\\ny");
  EXPECT_EQ(ActionListDecodeEscapes("C:\\dir"), "C:\\dir");
  for (const char* text : {"a\nb", "\\n\n\\r\r", "line1\r\nline2", "plain", ""})
    EXPECT_EQ(ActionListDecodeEscapes(ActionListEncodeEscapes(text)), text) << text;
}

TEST_F(ActionList, UnknownWordsBecomeCommentsOrAreDropped) {
  const TActionListActionRecord& a = Only("Replace  \"these words\" here");
  EXPECT_EQ(a.DefinitionIndex, taComment);
  EXPECT_EQ(a.Param1, "Replace  these words here");
  EXPECT_EQ(a.Scope, "");

  // A comment typed without quotes keeps every word of its line.
  EXPECT_EQ(Only("# two words").Param1, "two words");
  EXPECT_EQ(Only("# \"two words\"").Param1, "two words");

  TBaseActionList noComments;
  TActionListActionDefinitionRecord clear;
  clear.Name = "clear";
  noComments.AddDefinition(clear);
  EXPECT_FALSE(noComments.LoadFromString("unknown line\nanother", false));
  EXPECT_TRUE(noComments.LoadFromString("unknown\nclear", false));
  EXPECT_EQ(noComments.GetCount(), 1);
  EXPECT_EQ(noComments.AddAction(TStrArray{}), -1);
}

TEST_F(ActionList, TheFirstOptionMayBeLeftOut) {
  const TActionListActionRecord& omitted = Only("insert hello");
  EXPECT_EQ(omitted.Param1, "before");
  EXPECT_EQ(omitted.Param2, "hello");
  const TActionListActionRecord& named = Only("insert after hello");
  EXPECT_EQ(named.Param1, "after");
  EXPECT_EQ(named.Param2, "hello");
  EXPECT_EQ(Line(taInsert, "", "before", "hello", ""), "insert hello");
  // Parameter 2 moved into parameter 1's place keeps its own place empty, so
  // the options still stand where they are read.
  EXPECT_EQ(Line(taInsert, "", "before", "hello", "-c"), "insert hello \"\" -c");
  const TActionListActionRecord& withOptions = Only("insert hello \"\" -c");
  EXPECT_EQ(withOptions.Param1, "before");
  EXPECT_EQ(withOptions.Param2, "hello");
  EXPECT_EQ(withOptions.OptionsText, "-c");
  EXPECT_EQ(Line(taInsert, "", "after", "hello", ""), "insert after hello");
  EXPECT_EQ(Line(taInsert, "", "before", "", ""), "insert");
  EXPECT_EQ(Only("insert").Param1, "before");
}

TEST_F(ActionList, AParameterNamingAnOptionKeepsTheFirstOption) {
  // Leaving "before" out here would make "after" read as the option.
  EXPECT_EQ(Line(taInsert, "", "before", "after", ""), "insert before after");
  const TActionListActionRecord& a = Only("insert before after");
  EXPECT_EQ(a.Param1, "before");
  EXPECT_EQ(a.Param2, "after");
}

TEST_F(ActionList, Lookups) {
  EXPECT_EQ(L.StrToAction("replace"), taReplace);
  EXPECT_EQ(L.StrToAction("Replace"), -1);
  EXPECT_EQ(TBaseActionList::OptionToChar(alOptTypeCase), 'c');
  EXPECT_EQ(TBaseActionList::OptionToChar(alOptTypeInclude), 'i');
  EXPECT_EQ(TBaseActionList::OptionToChar(alOptTypeScopeAll1), '\0');
  TActionListOptionTypeArr options;
  TBaseActionList::GetAllAvailableOptions(options, true);
  EXPECT_EQ(options.size(), 5u);
  TBaseActionList::GetAllAvailableOptions(options, false);
  EXPECT_EQ(options.size(), 9u);
  EXPECT_EQ(options.back(), alOptTypeScopeSelected2);

  const TActionListOptionTypes everything = (1u << alOptTypeCount) - 1;
  EXPECT_EQ(TBaseActionList::GetNumberOfOptions(everything, false, false), 12);
  EXPECT_EQ(TBaseActionList::GetNumberOfOptions(everything, true, false), 8);
  EXPECT_EQ(TBaseActionList::GetNumberOfOptions(everything, false, true), 9);
  EXPECT_EQ(TBaseActionList::GetNumberOfOptions(everything, true, true), 5);

  int32_t kind = 9, slot = 9;
  EXPECT_TRUE(L.GetParamsForActionOption(taInsert, "before", kind, slot));
  EXPECT_EQ(kind, alOptKindParam2AndLetters);
  EXPECT_EQ(slot, 627);
  EXPECT_FALSE(L.GetParamsForActionOption(taInsert, "nothing", kind, slot));
  EXPECT_EQ(kind, 0);
  EXPECT_EQ(slot, -1);
  EXPECT_FALSE(L.GetParamsForActionOption(taCount, "before", kind, slot));
  EXPECT_EQ(L.GetIndexOfActionOption(taInsert, "line"), 2);
  EXPECT_EQ(L.GetIndexOfActionOption(-1, "line"), -1);
  EXPECT_EQ(L.GetActionDefinitionIndexOfComment(), taComment);

  EXPECT_TRUE(L.ActionOptionNeedsParam2(taInsert, "before"));
  EXPECT_TRUE(L.ActionOptionNeedsParam2(taInsert, "after"));
  EXPECT_FALSE(L.ActionOptionNeedsParam2(taInsert, "line"));
  EXPECT_TRUE(L.ActionOptionNeedsParam2(taInsert, "keep"));  // as the definition says
  EXPECT_FALSE(L.ActionOptionNeedsParam2(taInsert, "unknown"));
  EXPECT_TRUE(L.ActionOptionHasOptions(taInsert, "before"));
  EXPECT_FALSE(L.ActionOptionHasOptions(taInsert, "after"));

  ASSERT_TRUE(L.LoadFromString("clear\nrepeat 1", false));
  EXPECT_EQ(L.GetActionStrOfActionIndex(1), "repeat");
  EXPECT_EQ(L.GetActionStrOfActionIndex(L.GetCount()), "");
  EXPECT_EQ(L.GetActionStrOfActionIndex(-1), "");
  L.Actions[0].DefinitionIndex = 99;
  EXPECT_EQ(L.GetActionStrOfActionIndex(0), "");
  EXPECT_EQ(L.AddAction(L.GetActionDefinitionsCount(), "", "", "", ""), -1);
  L.ClearActions();
  EXPECT_EQ(L.GetCount(), 0);
  EXPECT_EQ(L.GetActionDefinitionsCount(), taCount);
}

TEST_F(ActionList, LinesForEveryKindOfActionByteForByte) {
  struct TCase {
    int32_t Definition;
    const char* Scope;
    const char* Param1;
    const char* Param2;
    const char* Options;
    const char* Line;
  };
  const TCase cases[] = {
      {taComment, "Comment", "a note, with \"quotes\"", "", "", "# \"a note, with \"\"quotes\"\"\""},
      {taReplace, "ALL", "a", "b", "-cr", "replace ALL a b -cr"},
      {taReplace, "1-3", "two words", "", "-w", "replace 1-3 \"two words\" \"\" -w"},
      {taReplace, "1", "", "b", "", "replace 1 \"\" b"},
      {taReplace, "1", "a", "", "", "replace 1 a"},
      {taReplace, "", "", "", "", "replace \"\""},
      {taReplaceLines, "2:SELECTED", "x\\ny", "", "-i", "replacelines 2:SELECTED x\\ny \"\" -i"},
      {taRepeat, "All", "3", "", "", "repeat 3"},
      {taPick, "SELECTED", "1,4-6", "0.5", "", "pick SELECTED 1,4-6 0.5"},
      {taInsert, "All", "line", "", "", "insert line"},
      {taInsert, "All", "after", "x", "-c", "insert after x -c"},
      {taClear, "All", "", "", "", "clear"},
      {taClear, "All", "ignored", "ignored", "-c", "clear -c"},
      {taCount, "", "", "", "", ""},
      {-1, "", "", "", "", ""},
  };
  for (const TCase& c : cases) EXPECT_EQ(Line(c.Definition, c.Scope, c.Param1, c.Param2, c.Options), c.Line) << c.Line;
}

TEST_F(ActionList, AwkwardCharactersSurviveALine) {
  const std::string texts[] = {"\"",       "\"\"",       " ",       "a\tb", "ünï cødé 文字 مرحبا", "\\",
                               "\\\\n",    "-c",         "ALL",     "#",    "trailing ",           " leading",
                               "a\"b c\"", "\"quoted\"", "x:y,1-2", ";"};
  for (const std::string& t : texts) {
    const std::string line = Line(taReplace, t, t, t, "-c");
    const TActionListActionRecord& a = Only(line);
    EXPECT_EQ(a.Scope, t) << line;
    EXPECT_EQ(a.Param1, t) << line;
    EXPECT_EQ(a.Param2, t) << line;
  }
}

TEST_F(ActionList, TheFieldsFormTrimsAndEscapes) {
  const auto fields = TActionListLineForm::Fields;
  EXPECT_EQ(Line(taReplaceLines, " ALL ", "one\ntwo", "C:\\new", " -c ", fields),
            "replacelines ALL one\\ntwo C:\\\\new -c");
  // Options of an action without letters are not written.
  EXPECT_EQ(Line(taRepeat, "", "2", "", "-c", fields), "repeat 2");
  // A line break that reaches a row cell is escaped, never written raw.
  EXPECT_EQ(Line(taReplace, "1", "a\nb", "", ""), "replace 1 a\\nb");
}

// Random texts from characters that the format treats specially.
class TRandomTexts {
 public:
  explicit TRandomTexts(uint32_t seed) : FGen(seed) {}
  std::string Text(bool lineBreaks) {
    static const std::vector<std::string> pieces = {"a", "Z", " ",   "\"", "\\", "r",  "n",  ":", ",",        "-",
                                                    "1", "9", "ALL", "c",  "é",  "文", "\t", ";", "SELECTED", "#"};
    std::string s;
    const int n = Pick(7);
    for (int i = 0; i < n; ++i) {
      if (lineBreaks && Pick(6) == 0) {
        // A backslash right before a line break has no escaped form.
        if (!s.empty() && s.back() == '\\') s += "x";
        s += Pick(2) ? "\n" : "\r\n";
      } else {
        s += pieces[static_cast<size_t>(Pick(static_cast<int>(pieces.size())))];
      }
    }
    return s;
  }
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(FGen); }

 private:
  std::mt19937 FGen;
};

struct TParts {
  int32_t Definition;
  std::string Scope, Param1, Param2, Options;
};

// What the reader gives back for an action written from these parts: the
// parts a definition does not have are empty.
TParts Expected(const TBaseActionList& list, TParts p) {
  const TActionListActionDefinitionRecord& def = list.Definitions[static_cast<size_t>(p.Definition)];
  if (def.ScopeType == alScopeNone || def.ScopeType == alScopeComment) p.Scope.clear();
  if (def.Param1Type == alParamNone) p.Param1.clear();
  if (def.Param2Type == alParamNone) p.Param2.clear();
  if ((def.OptionSet & kActionListLetterOptions) == 0) p.Options.clear();
  return p;
}

TParts RandomParts(const TBaseActionList& list, TRandomTexts& r, bool lineBreaks) {
  TParts p;
  p.Definition = r.Pick(list.GetActionDefinitionsCount());
  const TActionListActionDefinitionRecord& def = list.Definitions[static_cast<size_t>(p.Definition)];
  p.Scope = r.Text(false);
  p.Param1 = r.Text(lineBreaks);
  p.Param2 = r.Text(lineBreaks);
  // The options token is read only by actions with letters, and an empty one is not written.
  if (r.Pick(2)) p.Options = "-" + r.Text(false);
  if (def.Param1Type == alParamNamedOption) p.Param1 = def.Options[static_cast<size_t>(r.Pick(4))].Name;
  return Expected(list, p);
}

void ExpectParts(const TActionListActionRecord& a, const TParts& p, const std::string& text) {
  EXPECT_EQ(a.DefinitionIndex, p.Definition) << text;
  EXPECT_EQ(a.Scope, p.Scope) << text;
  EXPECT_EQ(a.Param1, p.Param1) << text;
  EXPECT_EQ(a.Param2, p.Param2) << text;
  EXPECT_EQ(a.OptionsText, p.Options) << text;
}

TEST_F(ActionList, RandomListsRoundTripAsRows) {
  TRandomTexts r(4242);
  for (int round = 0; round < 300; ++round) {
    std::vector<TParts> parts;
    std::string text;
    for (int i = r.Pick(8); i >= 0; --i) {
      parts.push_back(RandomParts(L, r, false));
      const TParts& p = parts.back();
      text += Line(p.Definition, p.Scope, p.Param1, p.Param2, p.Options) + "\n";
    }
    ASSERT_TRUE(L.LoadFromString(text, false)) << text;
    ASSERT_EQ(L.GetCount(), static_cast<int32_t>(parts.size())) << text;
    for (size_t i = 0; i < parts.size(); ++i) ExpectParts(L.Actions[i], parts[i], text);
  }
}

TEST_F(ActionList, RandomListsWithLineBreaksRoundTripThroughEscapes) {
  TRandomTexts r(777);
  for (int round = 0; round < 300; ++round) {
    std::vector<TParts> parts;
    std::string text;
    for (int i = r.Pick(8); i >= 0; --i) {
      parts.push_back(RandomParts(L, r, true));
      TParts& p = parts.back();
      // The fields form trims the scope and the options.
      p.Scope = Trim(p.Scope);
      p.Options = Trim(p.Options);
      text += Line(p.Definition, p.Scope, p.Param1, p.Param2, p.Options, TActionListLineForm::Fields) + "\n";
    }
    ASSERT_TRUE(L.LoadFromString(text, true)) << text;
    ASSERT_EQ(L.GetCount(), static_cast<int32_t>(parts.size())) << text;
    for (size_t i = 0; i < parts.size(); ++i) ExpectParts(L.Actions[i], parts[i], text);
  }
}

TEST_F(ActionList, RangesNeverMakeTheModelHoldMoreThanItsLimit) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "pick 1-900000 1-900000 1\n";
  ASSERT_TRUE(L.LoadFromString(text, false));
  EXPECT_EQ(L.GetCount(), 5000);
  EXPECT_LE(L.NumbersHeld(), kActionListMaxNumbersHeld);
  // The parameters are read before the scope.
  EXPECT_EQ(L.Actions[0].Param1Numbers.size(), 900000u);
  EXPECT_TRUE(L.Actions[0].ScopeNumbers[0].empty());
  EXPECT_TRUE(L.Actions.back().Param1Numbers.empty());
  EXPECT_EQ(L.Actions.back().ScopeTexts[0], "1-900000");
  // A new load has the whole room again.
  ASSERT_TRUE(L.LoadFromString("pick 5-6", false));
  EXPECT_EQ(L.Actions[0].ScopeNumbers[0], TIntArray({4, 5}));
}

// Texts of about size bytes made of one piece again and again, after a head.
std::string Repeated(const std::string& head, const std::string& piece, size_t size) {
  std::string text = head;
  text.reserve(size + piece.size());
  while (text.size() < size) text += piece;
  return text;
}

TEST_F(ActionList, ReadingHoldsASmallMultipleOfTheText) {
  // A 10 MB line of blanks once took 55 times its size; the other shapes are
  // smaller, as the multiple does not depend on the size.
  constexpr size_t kLine = 10 * 1024 * 1024;
  constexpr size_t kSize = 2 * 1024 * 1024;
  struct TCase {
    const char* Name;
    std::string Text;
    bool Decode;
    int32_t Actions;
  };
  const TCase cases[] = {
      {"a line of blanks", std::string(kLine, ' '), false, 1},
      {"a line of blanks, decoded", std::string(kLine, ' '), true, 1},
      {"empty quoted tokens", Repeated("x", " \"\"", kSize), true, 1},
      {"a token of quotes", Repeated("x ", "\"", kSize), false, 1},
      {"empty lines", std::string(kSize, '\n'), false, 0},
      {"empty CR LF lines", Repeated("", "\r\n", kSize), false, 0},
      {"short tokens", Repeated("a", " a", kSize), false, 1},
      {"tokens nothing reads", Repeated("clear", " a", kSize), false, 1},
      {"a scope of separators", Repeated("pick ", ",;", kSize), false, 1},
      {"a two-part scope of separators", Repeated("replacelines ", ",,", kSize) + ":;;", false, 1},
      {"numbers and ranges of separators", Repeated("pick ALL ", ",", kSize), false, 1},
      {"escapes", Repeated("# ", "\\r\\\\n", kSize), true, 1},
      {"short lines", Repeated("", "x\n", kSize / 16), false, static_cast<int32_t>(kSize / 32)},
  };
  for (const TCase& c : cases) {
    size_t growth = 0;
    {
      THeapPeak peak;
      TBaseActionList list;
      FillTestVocabulary(list);
      list.LoadFromString(c.Text, c.Decode);
      EXPECT_EQ(list.GetCount(), c.Actions) << c.Name;
      growth = peak.Growth();
    }
    // Each action has its record; besides, a few copies of the text at most.
    const size_t records = static_cast<size_t>(c.Actions) * (sizeof(TActionListActionRecord) + 16);
    EXPECT_LE(growth, 3 * c.Text.size() + records) << c.Name << ": " << c.Text.size() << " bytes read";
  }
}

TEST_F(ActionList, LongLinesReadAsBefore) {
  // A line of n blanks is n + 1 empty tokens, which the comment joins again.
  ASSERT_TRUE(L.LoadFromString(std::string(100000, ' '), true));
  EXPECT_EQ(L.Actions.at(0).Param1, std::string(100000, ' '));
  const std::string quoted = Repeated("x", " \"\"", 1000);
  ASSERT_TRUE(L.LoadFromString(quoted, false));
  EXPECT_EQ(L.Actions.at(0).Param1, "x" + std::string((quoted.size() - 1) / 3, ' '));
  ASSERT_TRUE(L.LoadFromString("x \"\"\"\"\"", false));
  EXPECT_EQ(L.Actions.at(0).Param1, "x \"\"");
  ASSERT_TRUE(L.LoadFromString("# a\\rb \\\\n\\n", true));
  EXPECT_EQ(L.Actions.at(0).Param1, "a\rb \\n\n");
  ASSERT_TRUE(L.LoadFromString("pick ,;5;,2-3, ALL", false));
  EXPECT_EQ(L.Actions.at(0).ScopeNumbers.at(0), TIntArray({4, 1, 2}));
  EXPECT_EQ(L.Actions.at(0).Param1, "ALL");
  ASSERT_TRUE(L.LoadFromString("replacelines \" 2 ;: SELECTED\"", false));
  EXPECT_EQ(L.Actions.at(0).ScopeTexts, TStrArray({"2 ;", ""}));
  EXPECT_EQ(L.Actions.at(0).ScopeNumbers.at(0), TIntArray({1}));
  EXPECT_EQ(L.Actions.at(0).ScopeIsSelected, TBooleanArray({0, 1}));
}

}  // namespace
