// The packed item array behind VirtualItems.
#include "controls/list_view_item_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

TVirtualListViewItems Three() {
  TVirtualListViewItems items;
  items.SetCellCounts(2, 1);
  for (int32_t id : {1, 2, 3}) {
    const size_t i = items.Append(id);
    items.SetStr(i, 0, "name " + std::to_string(id));
    items.SetStr(i, 1, std::string(30, static_cast<char>('a' + id)));
    items.SetInt(i, 0, id * 100);
  }
  return items;
}

TEST(ListViewItemStore, ReadsAsPublicRecordsWithoutMaterialising) {
  const TVirtualListViewItems items = Three();
  EXPECT_EQ(items.size(), 3u);
  const TVirtualListViewItem second = items[1];
  EXPECT_EQ(second.ID, 2);
  EXPECT_EQ(second.StrValues, (TStrArray{"name 2", std::string(30, 'c')}));
  EXPECT_EQ(second.IntValues, (TInt64Array{200}));
  EXPECT_TRUE(second.Editable);
  EXPECT_EQ(second.ImageIndex, -1);
  TStrArray names;
  for (const auto& item : items) names.push_back(item.StrValues[0]);
  EXPECT_EQ(names, (TStrArray{"name 1", "name 2", "name 3"}));
  EXPECT_EQ(items.at(2).StrValues[0], "name 3");
  EXPECT_THROW(items.at(3), std::out_of_range);
  EXPECT_EQ(items.MaterialisedCount(), 0u);
  // Checked access for writing: only that item gets its record.
  TVirtualListViewItems writable = Three();
  writable.at(0).ID = 9;
  EXPECT_EQ(writable[0].ID, 9);
  EXPECT_EQ(writable.MaterialisedCount(), 1u);
  EXPECT_THROW(writable.at(3), std::out_of_range);
}

TEST(ListViewItemStore, WrittenRecordsStayTheItemsOwnThroughMovesAndGrowth) {
  TVirtualListViewItems items = Three();
  TVirtualListViewItem& b = items[1];
  b.StrValues[0] = "changed";
  b.CellFontColors = {7};
  b.Editable = false;
  EXPECT_EQ(items.MaterialisedCount(), 1u);
  EXPECT_EQ(items.Str(1, 0), "changed");
  EXPECT_EQ(items.CellFontColor(1, 0), 7u);
  EXPECT_FALSE(items.Editable(1));
  // Reversed: the record moves with its item.
  items.Permute({2, 1, 0});
  items.Permute({1, 2, 0});
  EXPECT_EQ(items.ID(0), 2);
  EXPECT_EQ(items.Str(0, 0), "changed");
  EXPECT_EQ(items[0].StrValues[0], "changed");
  items.SetCellCounts(3, 2);
  EXPECT_EQ(items.StrCount(0), 3u);
  EXPECT_EQ(items.Str(0, 2), "");
  EXPECT_EQ(items.Int(2, 1), 0);
  EXPECT_EQ(items.Str(2, 0), "name 3");
  // Dropping the item frees its record.
  items.Keep({1, 0, 0});
  EXPECT_EQ(items.MaterialisedCount(), 0u);
  EXPECT_EQ(items.ID(0), 1);
  EXPECT_EQ(items.ID(1), 3);
}

TEST(ListViewItemStore, ReplacedTextsAreReclaimed) {
  TVirtualListViewItems items;
  items.SetCellCounts(1, 0);
  for (int32_t i = 0; i < 100; ++i) items.SetStr(items.Append(i), 0, "initial");
  // Far more replaced text than live text: compaction keeps the store small.
  for (int round = 0; round < 2000; ++round) {
    for (size_t i = 0; i < items.size(); ++i) items.SetStr(i, 0, std::string(100, static_cast<char>('a' + round % 26)));
  }
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items.Str(i, 0), std::string(100, 'a' + 1999 % 26));
  EXPECT_LT(items.TextBytesHeld(), 4u << 20);
}

TEST(ListViewItemStore, CopiesSortLikeVectors) {
  TVirtualListViewItems items = Three();
  items[0].StrValues[0] = "zz";
  TVirtualListViewItems copy = items;
  std::stable_sort(copy.begin(), copy.end(),
                   [](const auto& x, const auto& y) { return x.StrValues[0] > y.StrValues[0]; });
  EXPECT_EQ(copy[0].ID, 1);
  EXPECT_EQ(copy[1].ID, 3);
  EXPECT_EQ(copy[2].ID, 2);
  // The original is untouched.
  EXPECT_EQ(items.ID(0), 1);
  EXPECT_EQ(items.Str(2, 0), "name 3");
}

}  // namespace
