// Action lists as list-view rows: text to rows and back, the row operations
// of the context menus and which cells may be edited in place.
#include <gtest/gtest.h>

#include "controls/list_view.h"
#include "settingspanels/core/action_list_vocabulary.h"
#include "settingspanels/qt/action_list_list_view.h"
#include "settingspanels_test_app.h"
#include "text/text_store.h"

namespace {

constexpr int32_t kWidths[alCellCount] = {130, 140, 165, 165, 100};

class ActionListRows : public ::testing::Test {
 protected:
  void SetUp() override {
    PanelsTestApp();
    SetSprResGlobal(0);
    FillTestVocabulary(L);
    DefineActionListColumns(View, kWidths);
  }
  std::string Text(bool onlySelected = false) {
    std::string text;
    GetActionListFromListView(text, View, L, onlySelected);
    return text;
  }
  TStrArray Row(int32_t i) const { return View.VirtualItems[static_cast<size_t>(i)].StrValues; }
  struct TAppFirst {
    TAppFirst() { PanelsTestApp(); }
  } AppFirst;
  TBaseActionList L;
  TVirtualListView View;
};

TEST_F(ActionListRows, TextBecomesRowsAndComesBackTheSame) {
  const std::string text =
      "# \"A list with every kind of action\"\n"
      "replace ALL a b -cr\n"
      "replace 1-3 \"two words\" \"\" -w\n"
      "replacelines \" 2:SELECTED\" x\\ny \"\" -i\n"
      "repeat 3\n"
      "pick SELECTED 1,4-6 0,5\n"
      "insert line\n"
      "insert after \"a \"\"quoted\"\" text\" -c\n"
      "insert hello \"\" -r\n"
      "clear\n";
  AddActionListToListView(View, L, text, true);
  ASSERT_EQ(View.GetItemCount(), 10);
  EXPECT_EQ(L.GetCount(), 0);  // the rows are the only copy
  EXPECT_EQ(Row(0), TStrArray({"#", "Comment", "A list with every kind of action", "", ""}));
  EXPECT_EQ(Row(3), TStrArray({"replacelines", " 2:SELECTED", "x\\ny", "", "-i"}));
  EXPECT_EQ(Row(4), TStrArray({"repeat", "All", "3", "", ""}));
  EXPECT_EQ(Row(8), TStrArray({"insert", "All", "before", "hello", "-r"}));
  EXPECT_EQ(View.VirtualItems[4].ExtraValue, taRepeat);
  EXPECT_EQ(Text(), text);
}

TEST_F(ActionListRows, IdsStartAtOneWhenClearedAndContinueWhenAppended) {
  AddActionListToListView(View, L, "clear\nclear\nclear\nclear\nclear\nclear\nclear", true);
  View.VirtualItems[6].ID = 7;
  AddActionListToListView(View, L, "repeat 1\nrepeat 2", false);
  ASSERT_EQ(View.GetItemCount(), 9);
  EXPECT_EQ(View.VirtualItems[7].ID, 8);
  EXPECT_EQ(View.VirtualItems[8].ID, 9);
  AddActionListToListView(View, L, "repeat 1\nrepeat 2\nrepeat 3", true);
  ASSERT_EQ(View.GetItemCount(), 3);
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(View.VirtualItems[static_cast<size_t>(i)].ID, i + 1);
}

TEST_F(ActionListRows, UnknownWordsBecomeCommentRows) {
  AddActionListToListView(View, L, "Remove the blanks here", true);
  ASSERT_EQ(View.GetItemCount(), 1);
  EXPECT_EQ(Row(0), TStrArray({"#", "Comment", "Remove the blanks here", "", ""}));
  EXPECT_EQ(Text(), "# \"Remove the blanks here\"\n");
}

TEST_F(ActionListRows, AnEmptyParameterKeepsItsPlace) {
  // The definition of "replace" does not allow an empty parameter 1; left out,
  // "b" would be read as parameter 1 and "-c" as parameter 2.
  View.AddItem(1, taReplace, {"replace", "ALL", "", "b", "-c"}, {});
  View.AddItem(2, taReplace, {"replace", "ALL", "a", "", "-c"}, {});
  View.AddItem(3, taReplace, {"replace", "ALL", "", "", ""}, {});
  const std::string text = Text();
  EXPECT_EQ(text, "replace ALL \"\" b -c\nreplace ALL a \"\" -c\nreplace ALL\n");
  TVirtualListView again;
  DefineActionListColumns(again, kWidths);
  AddActionListToListView(again, L, text, true);
  ASSERT_EQ(again.GetItemCount(), 3);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(again.VirtualItems[i].StrValues, View.VirtualItems[i].StrValues) << i;
}

TEST_F(ActionListRows, RowsWithoutAValidDefinitionAreLeftOut) {
  View.AddItem(1, -1, {"replace", "ALL", "a", "b", ""}, {});
  View.AddItem(2, 99, {"replace", "ALL", "a", "b", ""}, {});
  View.AddItem(3, taClear, {"clear", "All", "", "", ""}, {});
  EXPECT_EQ(Text(), "clear\n");
}

TEST_F(ActionListRows, SwappingAndOptionLettersWorkOnTheSelectedRowsElseOnAll) {
  AddActionListToListView(View, L, "replace ALL a b\nreplace ALL c d -c\nrepeat 2\ninsert line\ninsert before x", true);
  EXPECT_TRUE(SettingsContainerActionListListViewHasSwapableItems(View, L));
  View.SetSelectedRows({2});
  EXPECT_FALSE(SettingsContainerActionListListViewHasSwapableItems(View, L));
  EXPECT_EQ(SettingsContainerActionListListViewSwapSwapableItems(View, L), 0);
  View.SetSelectedRows({0});
  EXPECT_EQ(SettingsContainerActionListListViewSwapSwapableItems(View, L), 1);
  EXPECT_EQ(Row(0)[alCellParam1], "b");
  EXPECT_EQ(Row(1)[alCellParam1], "c");

  SettingsContainerActionListListViewAddOption(View, L, alOptTypeRegex);
  EXPECT_EQ(Row(0)[alCellOptions], "-r");
  EXPECT_EQ(Row(1)[alCellOptions], "-c");
  SettingsContainerActionListListViewRemoveOption(View, L, alOptTypeRegex);
  EXPECT_EQ(Row(0)[alCellOptions], "");

  View.SetSelectedRows({});
  SettingsContainerActionListListViewAddOption(View, L, alOptTypeRegex);
  EXPECT_EQ(Row(0)[alCellOptions], "-r");
  EXPECT_EQ(Row(1)[alCellOptions], "-cr");
  EXPECT_EQ(Row(2)[alCellOptions], "");    // "repeat" has no letters
  EXPECT_EQ(Row(3)[alCellOptions], "");    // "line" is an option without letters
  EXPECT_EQ(Row(4)[alCellOptions], "-r");  // "before" has letters
  SettingsContainerActionListListViewAddOption(View, L, alOptTypeScopeAll1);
  EXPECT_EQ(Row(0)[alCellOptions], "-r");
  // Removing a letter no row holds changes nothing.
  SettingsContainerActionListListViewRemoveOption(View, L, alOptTypeInclude);
  EXPECT_EQ(Row(1)[alCellOptions], "-cr");
  SettingsContainerActionListListViewRemoveOption(View, L, alOptTypeCase);
  EXPECT_EQ(Row(1)[alCellOptions], "-r");
}

TEST_F(ActionListRows, OptionInfoNamesTheAddableAndThePresentLetters) {
  AddActionListToListView(View, L, "replace ALL a b -cw\nreplacelines ALL x", true);
  const auto [addable, present] = SettingsContainerActionListListViewGetOptionInfo(View, L, true);
  EXPECT_EQ(addable & kActionListLetterOptions,
            ActionListOptionBit(alOptTypeRegex) | ActionListOptionBit(alOptTypeMatchAll) |
                ActionListOptionBit(alOptTypeCase) | ActionListOptionBit(alOptTypeInclude));
  EXPECT_EQ(present, ActionListOptionBit(alOptTypeCase) | ActionListOptionBit(alOptTypeRepeat));
  const auto all = SettingsContainerActionListListViewGetOptionInfo(View, L, false);
  EXPECT_EQ(all.first, L.Definitions[taReplace].OptionSet | L.Definitions[taReplaceLines].OptionSet);
}

TEST_F(ActionListRows, OnlyThePartsAnActionHasAreEditedInPlace) {
  AddActionListToListView(View, L, "repeat 2\nreplace ALL a b\n# note", true);
  auto editable = [this](int32_t item, int32_t column) {
    bool show = true;
    ActionListCellChangeInit(View, L, View.GetCellInfo(item, column), show);
    return show;
  };
  EXPECT_FALSE(editable(0, alCellScope));
  EXPECT_TRUE(editable(0, alCellParam1));
  EXPECT_FALSE(editable(0, alCellParam2));
  EXPECT_FALSE(editable(0, alCellOptions));
  EXPECT_TRUE(editable(1, alCellScope));
  EXPECT_TRUE(editable(1, alCellOptions));
  EXPECT_FALSE(editable(2, alCellScope));
  // A row without a definition keeps the list view's default.
  View.VirtualItems[0].ExtraValue = -1;
  bool show = false;
  ActionListCellChangeInit(View, L, View.GetCellInfo(0, alCellScope), show);
  EXPECT_FALSE(show);
  show = true;
  ActionListCellChangeInit(View, L, View.GetCellInfo(0, alCellScope), show);
  EXPECT_TRUE(show);
}

TEST_F(ActionListRows, ScopeCellsFollowTheLanguage) {
  AddActionListToListView(View, L, "repeat 2\n# note\nreplace 3 a", true);
  SetSprResGlobal(1);
  RefreshActionListScopeCells(View, L);
  EXPECT_EQ(Row(0)[alCellScope], "All");  // "repeat" names no caption of its own
  EXPECT_EQ(Row(1)[alCellScope], SprText(739));
  EXPECT_NE(Row(1)[alCellScope], "Comment");
  EXPECT_EQ(Row(2)[alCellScope], "3");
  SetSprResGlobal(0);
}

}  // namespace
