// The list view's item store without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "controls/list_view_items.h"
#include "foundation/proportional_widths.h"
#include "test_support.h"

namespace {

// Three string columns and one integer column.
void DefineColumns(TVirtualListViewStore& s) {
  s.AddColumn(vlvColCustomStr, 0, "Name", 100, 10, taLeftJustify, vlvEditText, vlvFormatDefault, {});
  s.AddColumn(vlvColCustomStr, 1, "Kind", 80, 11, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  s.AddColumn(vlvColCustomStr, 2, "Note", 80, 12, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  s.AddColumn(vlvColCustomInt, 0, "Size", 60, 13, taRightJustify, vlvEditText, vlvFormatDefault, {});
}

TStrArray Names(const TVirtualListViewStore& s, size_t cell = 0) {
  TStrArray names;
  for (const auto& item : s.VirtualItems) names.push_back(item.StrValues[cell]);
  return names;
}

TStrArray ShownNames(const TVirtualListViewStore& s) {
  TStrArray names;
  for (int32_t r = 0; r < s.RowCount(); ++r) names.push_back(s.VirtualItems[s.GetItemIndexForListItem(r)].StrValues[0]);
  return names;
}

void AddNamed(TVirtualListViewStore& s, const TStrArray& names) {
  s.BeginUpdate();
  int32_t id = 1;
  for (const auto& n : names) s.AddItem(id++, {n}, {});
  s.EndUpdate();
}

TEST(ListViewStore, ColumnsDefineCells) {
  TVirtualListViewStore s;
  EXPECT_EQ(s.AddColumn(vlvColNone, 0, "x", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {}), -1);
  EXPECT_TRUE(s.VisibleColumns().empty());
  s.AddItem(1, TStrArray{}, TIntArray{});
  EXPECT_EQ(s.AddColumn(vlvColCustomInt, 2, "Int", 50, 7, taLeftJustify, vlvEditNone, vlvFormatDefault, {}), 0);
  EXPECT_EQ(s.VirtualItems[0].IntValues.size(), 3u);  // existing items grow too
  s.AddItem(2, TStrArray{}, TIntArray{});
  EXPECT_EQ(s.VirtualItems[1].IntValues.size(), 3u);
  // The same (type, value index) again: a second list column over one definition.
  EXPECT_EQ(s.AddColumn(vlvColCustomInt, 2, "Again", 70, 8, taRightJustify, vlvEditNone, vlvFormatLeadingZeros3, {}),
            1);
  ASSERT_EQ(s.ColumnInfos().size(), 1u);
  EXPECT_EQ(s.VisibleColumns(), (TIntArray{0, 0}));
  s.VirtualItems[0].IntValues[2] = 5;
  EXPECT_EQ(s.GetCellDisplayText(0, 0), "005");
  EXPECT_EQ(s.GetCellDisplayText(0, 1), "005");
  TVirtualListViewColumnType type;
  int32_t valueIndex;
  EXPECT_TRUE(s.GetColumnTypeAndIndex(1, type, valueIndex));
  EXPECT_EQ(type, vlvColCustomInt);
  EXPECT_EQ(valueIndex, 2);
  EXPECT_FALSE(s.GetColumnTypeAndIndex(2, type, valueIndex));
  EXPECT_EQ(type, vlvColNone);
  EXPECT_EQ(valueIndex, 0);
}

TEST(ListViewStore, AddingFillsCellsByTheCountRules) {
  TVirtualListViewStore s;
  DefineColumns(s);
  s.AddItem(1, {"a", "b"}, {});
  EXPECT_EQ(s.VirtualItems[0].StrValues, (TStrArray{"a", "b", ""}));
  s.AddItem(2, {"a", "b", "c", "d"}, {1, 2});  // too many of both: no cell filled
  EXPECT_EQ(s.VirtualItems[1].StrValues, (TStrArray{"", "", ""}));
  EXPECT_EQ(s.VirtualItems[1].IntValues, (TInt64Array{0}));
  s.AddItem64(3, {int64_t{1} << 40, 9}, {"a", "b", "c", "d"});
  EXPECT_EQ(s.VirtualItems[2].StrValues, (TStrArray{"a", "b", "c"}));
  EXPECT_EQ(s.VirtualItems[2].IntValues, (TInt64Array{int64_t{1} << 40}));
  s.AddItem(4, {"-"}, {-7});
  EXPECT_EQ(s.VirtualItems[3].IntValues[0], -7);
  EXPECT_EQ(s.AddItem(5, {"top"}, {}, true), 0);
  EXPECT_EQ(s.VirtualItems[1].ID, 1);
  EXPECT_EQ(s.GetItemCount(), 5);
  EXPECT_EQ(s.RowCount(), 5);

  // Six strings: S4 not given leaves cells 3 to 5 alone even with S5 and S6.
  TVirtualListViewStore six;
  for (int i = 0; i < 6; ++i) {
    six.AddColumn(vlvColCustomStr, i, "c", 10, i, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  }
  six.AddItem(true, 9, "1", "2", "3", NulMarker(), "5", "6");
  EXPECT_EQ(six.VirtualItems[0].StrValues, (TStrArray{"1", "2", "3", "", "", ""}));
  EXPECT_TRUE(six.VirtualItems[0].Checked);
  six.AddItem(false, 9, "1", NulMarker(), "3", "4", "5", "6");
  EXPECT_EQ(six.VirtualItems[1].StrValues, (TStrArray{"1", "", "3", "4", "5", "6"}));
  // A host with fewer string cells than strings loses the extra texts, nothing more.
  TVirtualListViewStore two;
  two.AddColumn(vlvColCustomStr, 1, "c", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  two.AddItem(false, 1, "a", "b", "c", "d", "e", "f");
  EXPECT_EQ(two.VirtualItems[0].StrValues, (TStrArray{"a", "b"}));
}

TEST(ListViewStore, AddingEventsOutsideUpdateOnly) {
  TVirtualListViewStore s;
  DefineColumns(s);
  std::vector<std::string> log;
  s.OnAddingDone = [&](TVirtualListView*, const TIntArray& added) {
    log.push_back("added " + std::to_string(added.size()) + ":" + std::to_string(added[0]) + " extra " +
                  std::to_string(s.VirtualItems[added[0]].ExtraValue));
  };
  s.OnChange = [&](TVirtualListView*) { log.push_back("change"); };
  s.AddItem(1, 42, {"x"}, {}, false);
  s.AddItem(2, {"y"}, {}, true);
  EXPECT_EQ(log, (std::vector<std::string>{"added 1:0 extra 42", "change", "added 1:0 extra 0", "change"}));
  log.clear();
  s.BeginUpdate();
  s.AddItem(3, {"z"}, {});
  s.AddItem64(4, {}, {"w"});
  EXPECT_EQ(s.RowCount(), 2);  // the row count waits for EndUpdate
  s.EndUpdate();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(s.RowCount(), 4);
  s.AddItem(false, 5, "six");  // the six-string form raises nothing
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(s.RowCount(), 5);
}

TEST(ListViewStore, ReplaceAndIds) {
  TVirtualListViewStore s;
  DefineColumns(s);
  EXPECT_EQ(s.GetNextFreeID(1), 1);
  s.AddItem(5, {"a"}, {1});
  s.AddItem(3, {"b"}, {2});
  EXPECT_EQ(s.GetNextFreeID(1), 6);
  EXPECT_EQ(s.GetNextFreeID(10), 10);
  std::vector<int32_t> replaced;
  s.OnReplacingDone = [&](TVirtualListView*, int32_t index) { replaced.push_back(index); };
  EXPECT_FALSE(s.ReplaceItem(2, {"x"}, {}));
  EXPECT_TRUE(s.ReplaceItem(1, {"x"}, {-9}));
  EXPECT_EQ(s.VirtualItems[1].StrValues, (TStrArray{"x", "", ""}));
  EXPECT_EQ(s.VirtualItems[1].IntValues[0], -9);
  EXPECT_EQ(s.ReplaceItemWithID(5, {"y", "z"}, {}, false), 0);
  EXPECT_EQ(s.ReplaceItemWithID(77, {"new"}, {}, false), -1);
  EXPECT_EQ(s.ReplaceItemWithID(77, {"new"}, {}, true), 2);
  EXPECT_EQ(replaced, (std::vector<int32_t>{1, 0}));
  EXPECT_EQ(s.GetFirstItemIndexWithID(77), 2);
}

TEST(ListViewStore, RemovalWithAndWithoutHandler) {
  TVirtualListViewStore s;
  DefineColumns(s);
  AddNamed(s, {"a", "b", "c", "d"});
  int done = 0;
  int changes = 0;
  s.OnDeletionDone = [&](TVirtualListView*) { ++done; };
  s.OnChange = [&](TVirtualListView*) { ++changes; };
  s.RemoveSelected();  // nothing selected, no handler: nothing at all
  EXPECT_EQ(done + changes, 0);
  s.RemoveNotSelected();  // nothing selected: everything goes
  EXPECT_EQ(s.GetItemCount(), 0);
  EXPECT_EQ(done, 1);

  AddNamed(s, {"a", "b", "c", "d", "e"});
  std::vector<std::string> asked;
  s.OnDeleteItem = [&](TVirtualListView*, TVirtualListViewListItem row, int32_t index, int32_t id, bool& del,
                       bool& all) {
    asked.push_back(std::to_string(row) + "/" + std::to_string(index) + "/" + std::to_string(id));
    del = false;  // keep the first one asked about, and all later ones
    all = true;
  };
  done = changes = 0;
  s.RemoveSelected();  // with a handler the events come although nothing is removed
  EXPECT_EQ(done, 1);
  EXPECT_EQ(changes, 1);
  s.SetSelectedRows({1, 3, 4});
  s.RemoveSelected();
  EXPECT_EQ(asked, (std::vector<std::string>{"1/1/2"}));
  EXPECT_EQ(Names(s), (TStrArray{"a", "b", "c", "d", "e"}));
  EXPECT_TRUE(s.GetSelectedRows().empty());

  s.OnDeleteItem = [&](TVirtualListView*, TVirtualListViewListItem, int32_t, int32_t id, bool& del, bool&) {
    del = id != 4;
  };
  s.SetSelectedRows({1, 3, 4});
  s.RemoveSelected();
  EXPECT_EQ(Names(s), (TStrArray{"a", "c", "d"}));
  s.SetSelectedRows({1});
  s.RemoveNotSelected();  // the handler still keeps ID 4
  EXPECT_EQ(Names(s), (TStrArray{"c", "d"}));
  EXPECT_EQ(s.RowCount(), 2);
}

TEST(ListViewStore, ItemLimitRemovesThroughTheRemovalPath) {
  TVirtualListViewStore s;
  DefineColumns(s);
  AddNamed(s, {"a", "b", "c", "d", "e"});
  s.SetSelectedRows({1, 4});
  int done = 0;
  s.OnDeletionDone = [&](TVirtualListView*) { ++done; };
  s.SetItemLimit(10);
  EXPECT_EQ(done, 0);
  s.SetItemLimit(3);
  EXPECT_EQ(Names(s), (TStrArray{"a", "b", "c"}));
  EXPECT_EQ(s.RowCount(), 3);
  EXPECT_EQ(done, 1);
  for (int32_t row : s.GetSelectedRows()) EXPECT_LT(row, 3);
  s.AddItem(9, {"f"}, {});  // the limit is not enforced when adding
  EXPECT_EQ(s.GetItemCount(), 4);
}

TEST(ListViewStore, ProportionalColumnWidths) {
  EXPECT_EQ(ProportionalWidths({100, 300}, 430 - 30), (TIntArray{100, 300}));
  EXPECT_EQ(ProportionalWidths({100, 300}, 830 - 30), (TIntArray{200, 600}));
  // A total of 0 divides the room equally instead of dividing by zero.
  EXPECT_EQ(ProportionalWidths({0, 0}, 400), (TIntArray{200, 200}));
  EXPECT_EQ(ProportionalWidths({100, 300}, 0), (TIntArray{100, 300}));
}

TEST(ListViewStore, OptionsOfIntegerAndStringColumns) {
  TVirtualListViewStore s;
  s.AddColumn(vlvColCustomInt, 0, "Flag", 50, 0, taLeftJustify, vlvEditDropDownList, vlvFormatShowOption,
              {"No", "Yes"});
  s.AddColumn(vlvColCustomStr, 0, "Greek", 50, 1, taLeftJustify, vlvEditDropDown, vlvFormatShowOption,
              {" a = Alpha", "b"});
  for (int64_t v : {1, 2, -1}) s.AddItem64(0, {v}, {});
  EXPECT_EQ(s.GetCellDisplayText(0, 0), "Yes");
  EXPECT_EQ(s.GetCellDisplayText(1, 0), "2");
  EXPECT_EQ(s.GetCellDisplayText(2, 0), "-1");
  s.VirtualItems[0].StrValues[0] = "a";
  s.VirtualItems[1].StrValues[0] = "b";
  s.VirtualItems[2].StrValues[0] = "z";
  EXPECT_EQ(s.GetCellDisplayText(0, 1), "Alpha");
  EXPECT_EQ(s.GetCellDisplayText(1, 1), "b");
  EXPECT_EQ(s.GetCellDisplayText(2, 1), "z");
  EXPECT_EQ(s.GetCellContentAsString(0, 1), "a");  // the raw text
  const int32_t str = s.GetColumnInfoIndex(vlvColCustomStr, 0, false);
  EXPECT_EQ(s.ColumnInfos()[str].Options, (TStrArray{"Alpha", "b"}));
  EXPECT_EQ(s.GetValueFromStrOptionStr("Alpha", str), "a");
  EXPECT_TRUE(IsNulMarker(s.GetValueFromStrOptionStr("Beta", str)));
  const int32_t flag = s.GetColumnInfoIndex(vlvColCustomInt, 0, false);
  EXPECT_EQ(s.GetValueFromOptionStr("Yes", flag), 1);
  EXPECT_EQ(s.GetValueFromOptionStr("yes", flag), -1);
  // Integer cells take whole 32-bit numbers only.
  EXPECT_TRUE(s.SetCellContentFromString(0, 0, " 12 "));
  EXPECT_EQ(s.VirtualItems[0].IntValues[0], 12);
  EXPECT_FALSE(s.SetCellContentFromString(0, 0, "1x"));
  EXPECT_FALSE(s.SetCellContentFromString(0, 0, "3000000000"));
  EXPECT_EQ(s.VirtualItems[0].IntValues[0], 12);
  EXPECT_FALSE(s.SetCellContentFromString(0, 5, "1"));
  EXPECT_EQ(s.GetCellContentAsString(0, 5), "");
}

TEST(ListViewStore, DynamicColumnsAskTheHost) {
  TVirtualListViewStore s;
  s.AddColumn(vlvColCustomStrDynamic, 1, "Dyn", 50, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  s.AddItem(4, {"stored", "cell"}, {});
  s.OnFetchDynamicStrColumnContent = [](TVirtualListView*, int32_t index, int32_t strColumn, int32_t& id,
                                        std::string& content) {
    content = content + "/" + std::to_string(index) + "/" + std::to_string(strColumn) + "/" + std::to_string(id);
    id = 40;
  };
  EXPECT_EQ(s.GetCellDisplayText(0, 0), "cell/0/1/4");
  EXPECT_EQ(s.VirtualItems[0].ID, 40);
  EXPECT_EQ(s.VirtualItems[0].StrValues[1], "cell");  // shown, not stored
}

// --- Sorting -------------------------------------------------------------------

TEST(ListViewSort, UpperCasedKeysAndTieOrder) {
  TVirtualListViewStore s;
  DefineColumns(s);
  AddNamed(s, {"b", "A", "a", "B"});
  int sorted = 0;
  s.OnSortingDone = [&](TVirtualListView*) { ++sorted; };
  s.SortUp(vlvColCustomStr, 0);
  EXPECT_EQ(Names(s), (TStrArray{"A", "a", "b", "B"}));
  s.VirtualItems.clear();
  AddNamed(s, {"b", "A", "a", "B"});
  s.SortDown(vlvColCustomStr, 0);
  EXPECT_EQ(Names(s), (TStrArray{"b", "B", "A", "a"}));
  EXPECT_EQ(sorted, 2);
  // Dynamic columns, one item: no sort and no event.
  s.SortUp(vlvColCustomStrDynamic, 0);
  TVirtualListViewStore one;
  DefineColumns(one);
  one.OnSortingDone = [&](TVirtualListView*) { ++sorted; };
  AddNamed(one, {"x"});
  one.SortUp(vlvColCustomStr, 0);
  EXPECT_EQ(sorted, 2);
}

TEST(ListViewSort, IntegerKeysAndFixedBottomRows) {
  TVirtualListViewStore s;
  DefineColumns(s);
  s.BeginUpdate();
  for (int v : {10, 9, -1, 0, 3}) s.AddItem(v, {std::to_string(v)}, {v});
  s.EndUpdate();
  s.SortUp(vlvColCustomInt, 0);
  EXPECT_EQ(Names(s), (TStrArray{"-1", "0", "3", "9", "10"}));
  s.SortDown(vlvColCustomInt, 0);
  EXPECT_EQ(Names(s), (TStrArray{"10", "9", "3", "0", "-1"}));
  s.FixedRowsBottom = 2;
  s.SortUp(vlvColCustomInt, 0);
  EXPECT_EQ(Names(s), (TStrArray{"3", "9", "10", "0", "-1"}));
  // As many fixed rows as items, or more: nothing moves and nothing is read past the end.
  for (int32_t fixed : {5, 6, 1000}) {
    s.FixedRowsBottom = fixed;
    s.SortDown(vlvColCustomInt, 0);
    EXPECT_EQ(Names(s), (TStrArray{"3", "9", "10", "0", "-1"}));
  }
  // Sorting by the string cell sorts the texts, not the numbers.
  s.FixedRowsBottom = 0;
  s.SortUp(vlvColCustomStr, 0);
  EXPECT_EQ(Names(s), (TStrArray{"-1", "0", "10", "3", "9"}));
}

TEST(ListViewSort, StableOnInputsFullOfTies) {
  std::mt19937 rng(7);
  for (bool descending : {false, true}) {
    for (int round = 0; round < 20; ++round) {
      TVirtualListViewStore s;
      DefineColumns(s);
      const int n = 1 + static_cast<int>(rng() % 300);
      s.BeginUpdate();
      for (int i = 0; i < n; ++i) {
        const std::string key(1, static_cast<char>("aAbBc"[rng() % 5]));
        s.AddItem(i, {key}, {static_cast<int32_t>(rng() % 4)});
      }
      s.EndUpdate();
      // The reference: a stable sort by the same keys.
      auto expected = s.VirtualItems;
      auto upper = [](const std::string& t) {
        std::string u = t;
        for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return u;
      };
      std::stable_sort(expected.begin(), expected.end(), [&](const auto& x, const auto& y) {
        return descending ? upper(y.StrValues[0]) < upper(x.StrValues[0])
                          : upper(x.StrValues[0]) < upper(y.StrValues[0]);
      });
      s.SortInternal(vlvColCustomStr, 0, descending);
      for (int i = 0; i < n; ++i) ASSERT_EQ(s.VirtualItems[i].ID, expected[i].ID) << "row " << i;
      // Then by the integer cell: ties keep the order of the string sort.
      auto expectedInt = s.VirtualItems;
      std::stable_sort(expectedInt.begin(), expectedInt.end(), [&](const auto& x, const auto& y) {
        return descending ? y.IntValues[0] < x.IntValues[0] : x.IntValues[0] < y.IntValues[0];
      });
      s.SortInternal(vlvColCustomInt, 0, descending);
      for (int i = 0; i < n; ++i) ASSERT_EQ(s.VirtualItems[i].ID, expectedInt[i].ID) << "row " << i;
    }
  }
}

TEST(ListViewSort, UnstableSortStillOrders) {
  TVirtualListViewStore s;
  DefineColumns(s);
  s.SortStable = false;
  AddNamed(s, {"d", "b", "a", "c", "b", "a"});
  s.SortUp(vlvColCustomStr, 0);
  EXPECT_EQ(Names(s), (TStrArray{"a", "a", "b", "b", "c", "d"}));
}

TEST(ListViewSort, SelectionAndFocusFollowTheItems) {
  TVirtualListViewStore s;
  DefineColumns(s);
  AddNamed(s, {"d", "c", "b", "a"});
  s.SetSelectedRows({0, 2});  // d and b
  s.SetFocusedRow(1);         // c
  s.SortUp(vlvColCustomStr, 0);
  EXPECT_EQ(s.GetSelectedRows(), (TIntArray{1, 3}));
  EXPECT_EQ(s.GetFocusedRow(), 2);
  // Header clicks alternate the direction over all columns and clear the selection.
  s.ColClick(0);
  EXPECT_EQ(Names(s), (TStrArray{"a", "b", "c", "d"}));
  EXPECT_TRUE(s.GetSelectedRows().empty());
  s.ColClick(1);  // another column continues with descending
  s.ColClick(0);
  EXPECT_EQ(Names(s), (TStrArray{"a", "b", "c", "d"}));
  s.ColClick(0);
  EXPECT_EQ(Names(s), (TStrArray{"d", "c", "b", "a"}));
  s.AllowSortingColumnHeaders = false;
  s.SetSelectedRows({1});
  s.ColClick(0);
  EXPECT_EQ(Names(s), (TStrArray{"d", "c", "b", "a"}));
  EXPECT_TRUE(s.GetSelectedRows().empty());
}

// --- Filter ---------------------------------------------------------------------

TVirtualListViewFilterRec StrFilter(int32_t mode, const std::string& text, int32_t cell = 1) {
  TVirtualListViewFilterRec f;
  f.ColumnType = vlvColCustomStr;
  f.ValueIndex = cell;
  f.FilterText = text;
  f.CompareMode = mode;
  f.FilterKind = kVlvFilterKindString;
  return f;
}

void AddKinds(TVirtualListViewStore& s) {
  s.BeginUpdate();
  const char* rows[][2] = {{"a", "fruit"}, {"b", "tool"}, {"c", "fruitcake"}, {"d", "tool"}, {"e", "fruit"}};
  int32_t id = 1;
  for (const auto& r : rows) s.AddItem(id, {r[0], r[1]}, {id}), ++id;
  s.EndUpdate();
}

TEST(ListViewFilter, RecordsAndTheirCombination) {
  TVirtualListViewStore s;
  DefineColumns(s);
  AddKinds(s);
  s.SetFilterOn(true);
  EXPECT_EQ(s.RowCount(), 0);  // no records: nothing passes
  s.SetFilterOn(false);
  EXPECT_EQ(s.RowCount(), 5);
  struct Case {
    std::vector<TVirtualListViewFilterRec> filters;
    TStrArray shown;
  };
  TVirtualListViewFilterRec intEq;
  intEq.ColumnType = vlvColCustomInt;
  intEq.FilterKind = kVlvFilterKindInteger;
  intEq.FilterValue = 4;
  TVirtualListViewFilterRec intNe = intEq;
  intNe.CompareMode = kVlvFilterNotEqual;
  TVirtualListViewFilterRec mismatched = StrFilter(kVlvFilterEqual, "tool");
  mismatched.FilterKind = kVlvFilterKindInteger;  // kind and type disagree: not applicable
  const Case cases[] = {
      {{StrFilter(kVlvFilterEqual, "fruit")}, {"a", "e"}},
      {{StrFilter(kVlvFilterNotEqual, "fruit")}, {"b", "c", "d"}},
      {{StrFilter(kVlvFilterContains, "ui")}, {"a", "c", "e"}},
      {{StrFilter(kVlvFilterStartsWith, "fruitc")}, {"c"}},
      {{StrFilter(kVlvFilterContains, "")}, {}},
      {{StrFilter(kVlvFilterStartsWith, "")}, {}},
      {{StrFilter(kVlvFilterContains, "UI")}, {}},
      {{intEq}, {"d"}},
      {{intNe}, {"a", "b", "c", "e"}},
      // The last applicable record decides.
      {{StrFilter(kVlvFilterEqual, "tool"), StrFilter(kVlvFilterEqual, "fruit")}, {"a", "e"}},
      {{StrFilter(kVlvFilterEqual, "tool"), mismatched}, {"b", "d"}},
      {{StrFilter(kVlvFilterEqual, "tool"), StrFilter(7, "x")}, {"b", "d"}},
  };
  for (const auto& c : cases) {
    s.ClearFilters();
    for (const auto& f : c.filters) s.AddFilter(f);
    EXPECT_EQ(s.FilterCount(), static_cast<int32_t>(c.filters.size()));
    s.SetFilterOn(true);
    s.FilterRefresh();
    EXPECT_EQ(ShownNames(s), c.shown);
    s.SetFilterOn(false);
  }
}

TEST(ListViewFilter, RowOperationsTouchTheShownItems) {
  TVirtualListViewStore s;
  DefineColumns(s);
  AddKinds(s);
  s.AddFilter(StrFilter(kVlvFilterEqual, "tool"));
  s.SetFilterOn(true);
  ASSERT_EQ(ShownNames(s), (TStrArray{"b", "d"}));
  EXPECT_EQ(s.GetItemIndexForListItem(1), 3);
  EXPECT_EQ(s.GetItemIndexForListItem(2), -1);
  EXPECT_EQ(s.GetRowForItemIndex(3), 1);
  EXPECT_EQ(s.GetRowForItemIndex(0), -1);

  // Editing row 1 edits item d.
  const TVirtualListViewCellInfo cell = s.GetCellInfo(s.GetItemIndexForListItem(1), 0);
  EXPECT_EQ(cell.ItemID, 4);
  EXPECT_EQ(cell.ListItem, 1);
  EXPECT_TRUE(s.SetCellContentFromString(cell.ItemIndex, 0, "D"));
  EXPECT_EQ(s.VirtualItems[3].StrValues[0], "D");
  EXPECT_EQ(s.GetCellUnder(s.GetCellInfo(1, 0)).ItemIndex, 3);
  EXPECT_EQ(s.GetCellUnder(s.GetCellInfo(3, 0)).ItemIndex, -1);

  // Removing shown row 0 removes item b, keeps the items the filter hides.
  std::vector<int32_t> askedIndexes;
  s.OnDeleteItem = [&](TVirtualListView*, TVirtualListViewListItem, int32_t index, int32_t, bool&, bool&) {
    askedIndexes.push_back(index);
  };
  s.SetSelectedRows({0});
  s.RemoveSelected();
  EXPECT_EQ(askedIndexes, (std::vector<int32_t>{1}));
  EXPECT_EQ(Names(s), (TStrArray{"a", "c", "D", "e"}));
  EXPECT_EQ(ShownNames(s), (TStrArray{"D"}));

  // Dragging under the filter moves the item shown in the row.
  s.ClearFilters();
  s.AddFilter(StrFilter(kVlvFilterStartsWith, "fruit"));
  s.FilterRefresh();
  ASSERT_EQ(ShownNames(s), (TStrArray{"a", "c", "e"}));
  s.SetSelectedRows({2});  // e
  s.DropSelectedOnRow(0);  // onto a
  EXPECT_EQ(Names(s), (TStrArray{"e", "a", "c", "D"}));
  EXPECT_EQ(ShownNames(s), (TStrArray{"e", "a", "c"}));

  // Check boxes and selection events report the item behind the row.
  std::vector<std::string> log;
  s.OnCheckItem = [&](TVirtualListView*, TVirtualListViewListItem row, bool checked, int32_t index, int32_t id) {
    log.push_back("check " + std::to_string(row) + " " + std::to_string(checked) + " " + std::to_string(index) + " " +
                  std::to_string(id));
  };
  s.OnSelectVirtualListItem = [&](TVirtualListView*, TVirtualListViewListItem row, bool selected, int32_t index,
                                  int32_t id) {
    log.push_back("select " + std::to_string(row) + " " + std::to_string(selected) + " " + std::to_string(index) + " " +
                  std::to_string(id));
  };
  s.ItemCheckedProc(2, true);
  s.SelectItemProc(1, true);
  s.SelectItemProc(7, true);  // no such row: no event
  EXPECT_TRUE(s.VirtualItems[2].Checked);
  EXPECT_EQ(log, (std::vector<std::string>{"check 2 1 2 3", "select 1 1 1 1"}));

  // Adding while the filter is on keeps the rows pointing at passing items.
  s.AddItem(9, {"top", "fruity"}, {}, true);
  EXPECT_EQ(ShownNames(s), (TStrArray{"top", "e", "a", "c"}));
}

// --- Drag re-ordering -------------------------------------------------------------------

TEST(ListViewDrag, BlocksLandAfterTargetsBelowAndBeforeTargetsAbove) {
  struct Case {
    TIntArray selected;
    int32_t target;
    TStrArray result;
  };
  const Case cases[] = {
      {{0}, 2, {"B", "K", "A", "D"}},
      {{3}, 1, {"A", "D", "B", "K"}},
      {{0, 1}, -1, {"K", "D", "A", "B"}},
      {{1}, 99, {"A", "K", "D", "B"}},
      {{0, 2}, 3, {"B", "D", "A", "K"}},
      {{}, 1, {"A", "B", "K", "D"}},
      // Onto a selected row at the end: the block stays inside the array.
      {{2, 3}, 3, {"A", "B", "K", "D"}},
      {{1, 2, 3}, 3, {"A", "B", "K", "D"}},
  };
  for (const auto& c : cases) {
    TVirtualListViewStore s;
    DefineColumns(s);
    AddNamed(s, {"A", "B", "K", "D"});
    std::vector<std::string> log;
    s.OnRearrangingDone = [&](TVirtualListView*) { log.push_back("rearranged"); };
    s.OnChange = [&](TVirtualListView*) { log.push_back("change"); };
    s.SetSelectedRows(c.selected);
    s.DropSelectedOnRow(c.target);
    EXPECT_EQ(Names(s), c.result);
    EXPECT_TRUE(s.GetSelectedRows().empty());
    EXPECT_EQ(log, (std::vector<std::string>{"rearranged", "change"}));
  }
  TVirtualListViewStore off;
  DefineColumns(off);
  AddNamed(off, {"A", "B"});
  off.SetAllowItemRearranging(false);
  off.SetSelectedRows({0});
  off.DropSelectedOnRow(1);
  EXPECT_EQ(Names(off), (TStrArray{"A", "B"}));
}

// --- Content transfer and exports ----------------------------------------------------------

TEST(ListViewContent, SavedCellsLoadBack) {
  TVirtualListViewStore s;
  s.AddColumn(vlvColCustomStr, 0, "S0", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  s.AddColumn(vlvColCustomStr, 1, "S1", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  s.AddColumn(vlvColCustomInt, 0, "I0", 10, 0, taLeftJustify, vlvEditNone, vlvFormatFileSize, {});
  s.AddItem(7, 2, {"x", "y"}, {42});
  s.VirtualItems[0].Checked = true;
  s.AddItem64(8, {3000000000}, {"big", ""});
  const TStrArray2D saved = s.GetContentAsStrArray(true, true, false);
  EXPECT_EQ(saved, (TStrArray2D{{"7", "2", "1", "x", "y", "42"}, {"8", "0", "0", "big", "", "3000000000"}}));
  EXPECT_EQ(s.GetContentAsStrArray(false, false, true),
            (TStrArray2D{{"S0", "S1", "I0"}, {"x", "y", "42"}, {"big", "", "3000000000"}}));

  TVirtualListViewStore t;
  t.AddColumn(vlvColCustomStr, 0, "S0", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  t.AddColumn(vlvColCustomStr, 1, "S1", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  t.AddColumn(vlvColCustomInt, 0, "I0", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  int events = 0;
  t.OnChange = [&](TVirtualListView*) { ++events; };
  t.OnAddingDone = [&](TVirtualListView*, const TIntArray&) { ++events; };
  t.SetContentFromStrArray(saved, true, true, true);
  ASSERT_EQ(t.GetItemCount(), 2);
  EXPECT_EQ(t.RowCount(), 2);
  EXPECT_EQ(t.VirtualItems[0].ID, 7);
  EXPECT_EQ(t.VirtualItems[0].ExtraValue, 2);
  EXPECT_TRUE(t.VirtualItems[0].Checked);
  EXPECT_EQ(t.VirtualItems[0].StrValues, (TStrArray{"x", "y"}));
  // 64-bit cells load as 64 bits.
  EXPECT_EQ(t.VirtualItems[1].IntValues[0], 3000000000);
  EXPECT_EQ(t.GetContentAsStrArray(true, true, false), saved);
  // Appending; short rows skipped; only "1" is checked; bad numbers load as 0.
  t.SetContentFromStrArray({{"x", "", "true", "a", "b", "1"},
                            {"1", "2", "01", "c", "d", "zz"},
                            {"3", "4", "1", "short"},
                            {"5", "6", "1", "e", "f", "-9223372036854775808"}},
                           true, true, false);
  ASSERT_EQ(t.GetItemCount(), 5);
  EXPECT_EQ(t.VirtualItems[2].ID, 0);
  EXPECT_FALSE(t.VirtualItems[2].Checked);
  EXPECT_FALSE(t.VirtualItems[3].Checked);
  EXPECT_EQ(t.VirtualItems[3].IntValues[0], 0);
  EXPECT_TRUE(t.VirtualItems[4].Checked);
  EXPECT_EQ(t.VirtualItems[4].IntValues[0], INT64_MIN);
  EXPECT_EQ(events, 0);
}

TEST(ListViewContent, CaptionsBeyondTheCellsAreIgnored) {
  TVirtualListViewStore s;
  s.AddColumn(vlvColCustomStr, 0, "A", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  s.AddColumn(vlvColCustomStr, 0, "B", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  s.AddColumn(vlvColCustomStr, 0, "C", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  s.AddItem(1, {"v"}, {});
  // Three list columns over one cell: one caption has a place (the last definition's).
  EXPECT_EQ(s.GetContentAsStrArray(false, true, true), (TStrArray2D{{"", "C"}, {"0", "v"}}));
}

class ListViewExport : public ::testing::Test {
 protected:
  void SetUp() override {
    s.AddColumn(vlvColCustomStr, 0, "Name", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
    s.AddColumn(vlvColCustomInt, 0, "Size", 10, 0, taRightJustify, vlvEditNone, vlvFormatBytesToBestUnit, {});
    s.AddColumn(vlvColCustomStr, 1, "Kind", 10, 0, taCenter, vlvEditNone, vlvFormatShowOption, {"t=Text", "p=Picture"});
    s.AddColumn(vlvColCustomStrDynamic, 2, "Dyn", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
    s.OnFetchDynamicStrColumnContent = [](TVirtualListView*, int32_t, int32_t, int32_t&, std::string& c) {
      c = "shown";
    };
    s.AddItem(1, {"a;b", "t", "dyn"}, {1500});
    s.AddItem(2, {"say \"hi\"", "p", ""}, {12});
    s.AddItem(3, {"total", "x", ""}, {1512});
  }
  TVirtualListViewStore s;
};

TEST_F(ListViewExport, TabSeparated) {
  EXPECT_EQ(s.ExportAsTSV(true, false),
            "Name\tSize\tKind\tDyn\n"
            "a;b\t1500\tt\t\n"
            "\"say \"\"hi\"\"\"\t12\tp\t\n"
            "total\t1512\tx\t");
  EXPECT_EQ(s.ExportAsTSV(false, true),
            "a;b\t1.465 KB\tt\t\n"
            "\"say \"\"hi\"\"\"\t12 Byte\tp\t\n"
            "total\t1.477 KB\tx\t");
}

TEST_F(ListViewExport, CsvSeparatorFollowsTheNumberFormat) {
  EXPECT_EQ(s.ExportAsCSV(false, false, NumberFormat{".", ","}),
            "a;b,1500,t,\n"
            "\"say \"\"hi\"\"\",12,p,\n"
            "total,1512,x,");
  s.Display.Number = NumberFormat{",", "."};
  EXPECT_EQ(s.ExportAsCSV(true, true),
            "Name;Size;Kind;Dyn\n"
            "\"a;b\";1,465 KB;t;\n"
            "\"say \"\"hi\"\"\";12 Byte;p;\n"
            "total;1,477 KB;x;");
}

TEST_F(ListViewExport, PlainTextTableWithDividers) {
  s.FixedRowsBottom = 1;
  EXPECT_EQ(s.ExportAsTXT(true, true),
            "Name          Size  Kind  Dyn\n"
            "=============================\n"
            "a;b       1.465 KB   t       \n"
            "say \"hi\"   12 Byte   p       \n"
            "=============================\n"
            "total     1.477 KB   x       \n");
}

}  // namespace

namespace {

std::string Hex(const std::string& s) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : s) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out.empty() ? "-" : out;
}

// Python's csv module reads the export back into the same cells.
TEST(ToolCheckListViewExport, PythonCsvReadsTheCells) {
  TVirtualListViewStore s;
  s.AddColumn(vlvColCustomStr, 0, "Name", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  s.AddColumn(vlvColCustomStr, 1, "Text", 10, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  s.AddColumn(vlvColCustomInt, 0, "Size", 10, 0, taRightJustify, vlvEditNone, vlvFormatBytesToBestUnit, {});
  s.AddItem(1, {"plain", "a,b;c"}, {1500});
  s.AddItem(2, {"quote \"x\"", "two\nlines"}, {12});
  s.AddItem(3, {"", "Grüße ✓"}, {-1});
  for (const NumberFormat& format : {NumberFormat{".", ","}, NumberFormat{",", "."}}) {
    s.Display.Number = format;
    testsupport::TempDir dir;
    testsupport::WriteFileBytes(dir.file("t.csv"), s.ExportAsCSV(true, true, format));
    const std::string delimiter = format.DecimalSeparator == "," ? ";" : ",";
    const std::string script =
        "import csv,sys\n"
        "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
        "  for row in csv.reader(f, delimiter=sys.argv[2]):\n"
        "    print(' '.join(c.encode().hex() or '-' for c in row))\n";
    testsupport::WriteFileBytes(dir.file("read.py"), script);
    const auto result =
        testsupport::RunCommand(testsupport::Python3() + " " + testsupport::ShellQuote(dir.file("read.py")) + " " +
                                testsupport::ShellQuote(dir.file("t.csv")) + " " + testsupport::ShellQuote(delimiter));
    ASSERT_EQ(result.exitCode, 0);
    std::string expected;
    for (const TStrArray& row : s.GetContentVisible(true, true)) {
      for (size_t i = 0; i < row.size(); ++i) expected += (i ? " " : "") + Hex(row[i]);
      expected += "\n";
    }
    EXPECT_EQ(result.out, expected) << "decimal separator " << format.DecimalSeparator;
  }
}

}  // namespace

namespace {

// Random sequences of every row operation keep the rows, the filter's map and
// the selection inside the item array.
TEST(ListViewStoreRandom, RowsStayConsistent) {
  std::mt19937 rng(2101);
  TVirtualListViewStore s;
  DefineColumns(s);
  TVirtualListViewFilterRec f;
  f.ColumnType = vlvColCustomStr;
  f.ValueIndex = 1;
  f.FilterText = "k1";
  s.AddFilter(f);
  s.OnDeleteItem = [&](TVirtualListView*, TVirtualListViewListItem, int32_t index, int32_t, bool& del, bool& all) {
    ASSERT_LT(index, s.GetItemCount());
    del = rng() % 3 != 0;
    all = rng() % 5 == 0;
  };
  for (int step = 0; step < 3000; ++step) {
    const int32_t rows = s.RowCount();
    TIntArray selection;
    for (int32_t r = 0; r < rows; ++r) {
      if (rng() % 4 == 0) selection.push_back(r);
    }
    s.SetSelectedRows(selection);
    switch (rng() % 12) {
      case 0:
      case 1:
      case 2:
        s.AddItem(step, {"n" + std::to_string(rng() % 50), "k" + std::to_string(rng() % 3)},
                  {static_cast<int32_t>(rng() % 7)}, rng() % 2 == 0);
        break;
      case 3: s.RemoveSelected(); break;
      case 4: s.RemoveNotSelected(); break;
      case 5: s.SortInternal(rng() % 2 ? vlvColCustomStr : vlvColCustomInt, 0, rng() % 2 == 0); break;
      case 6: s.SetFilterOn(!s.FilterOn()); break;
      case 7: s.DropSelectedOnRow(static_cast<int32_t>(rng() % (rows + 2)) - 1); break;
      case 8: s.SetItemLimit(static_cast<int32_t>(rng() % 40)); break;
      case 9: s.FixedRowsBottom = static_cast<int32_t>(rng() % 6) - 1; break;
      case 10: s.ColClick(static_cast<int32_t>(rng() % 5)); break;
      case 11: s.SetContentFromStrArray(s.GetContentAsStrArray(true, true, false), true, true, rng() % 4 != 0); break;
    }
    const int32_t count = s.GetItemCount();
    if (s.FilterOn()) {
      ASSERT_EQ(s.RowCount(), static_cast<int32_t>(s.IndexMap().size()));
      for (size_t i = 0; i < s.IndexMap().size(); ++i) {
        ASSERT_LT(s.IndexMap()[i], count);
        if (i > 0) {
          ASSERT_LT(s.IndexMap()[i - 1], s.IndexMap()[i]);
        }
        ASSERT_EQ(s.VirtualItems[s.IndexMap()[i]].StrValues[1], "k1");
      }
    } else {
      ASSERT_EQ(s.RowCount(), count);
    }
    for (int32_t r : s.GetSelectedRows()) ASSERT_LT(r, s.RowCount());
    for (int32_t r = 0; r < s.RowCount(); ++r) {
      ASSERT_EQ(s.GetCellDisplayText(s.GetItemIndexForListItem(r), 0),
                s.VirtualItems[s.GetItemIndexForListItem(r)].StrValues[0]);
    }
  }
}

}  // namespace
