// Sorting, the row filter, selection and drag re-ordering of the file list,
// and the packed entries behind them.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "file_list_test_items.h"

namespace {

void AddNamed(TFileListViewStore& view, const TStrArray& names) {
  for (const std::string& n : names) view.AppendItem(MakeFileItem("/d/" + n));
  view.RefreshItemCount();
}

TFileListViewAudioInfo Audio(const std::string& artist, const std::string& track, int32_t sampleRate) {
  TFileListViewAudioInfo a;
  a.Read = true;
  a.Artist = artist;
  a.Title = "T " + artist;
  a.Track = track;
  a.SampleRate = sampleRate;
  return a;
}

TEST(FileListSort, EqualKeysKeepTheirOrderBothWays) {
  TFileListViewStore view;
  AddNamed(view, {"b", "abc", "ABC", "a", "Abc"});
  int done = 0;
  view.OnSortingDone = [&](TFileListView*) { ++done; };
  view.SortUp(flvColName, 0);
  EXPECT_EQ(ItemNames(view), (TStrArray{"a", "abc", "ABC", "Abc", "b"}));
  view.SortDown(flvColName, 0);
  EXPECT_EQ(ItemNames(view), (TStrArray{"b", "abc", "ABC", "Abc", "a"}));
  EXPECT_EQ(view.Items().SortKeyStr(0), "B");
  EXPECT_EQ(view.Items().OriginalIndex(1), 1);
  EXPECT_EQ(done, 2);
  // The numbering column keeps the order; so do two equal keys, and a run at the end.
  view.SortUp(flvColNumbering, 0);
  EXPECT_EQ(ItemNames(view), (TStrArray{"b", "abc", "ABC", "Abc", "a"}));
  TFileListViewStore two;
  AddNamed(two, {"x", "X"});
  two.SortDown(flvColName, 0);
  EXPECT_EQ(ItemNames(two), (TStrArray{"x", "X"}));
  // Fewer than two entries or no column: nothing, no event.
  TFileListViewStore one;
  AddNamed(one, {"x"});
  one.OnSortingDone = [&](TFileListView*) { ++done; };
  one.SortUp(flvColName, 0);
  view.SortUp(flvColNone, 0);
  view.SortUp(flvColMax, 0);
  EXPECT_EQ(done, 3);
}

TEST(FileListSort, KeysOfInformationColumns) {
  TFileListViewStore view;
  const std::pair<const char*, TFileListViewAudioInfo> songs[] = {
      {"a.mp3", Audio("Ann", "10", 44100)}, {"b.mp3", Audio("Bob", "2", 48000)}, {"c.mp3", Audio("Cy", "9", 8000)}};
  for (const auto& [name, audio] : songs) {
    TFileListViewItem item = MakeFileItem(std::string("/m/") + name);
    item.AudioInfoIndex = view.AudioInfos.Put(-1, audio);
    view.AppendItem(item);
  }
  TFileListViewItem noAudio = MakeFileItem("/m/d.mp3");
  noAudio.AudioInfoIndex = kInfoNotRequested;
  view.AppendItem(noAudio);
  TFileListViewItem picture = MakeFileItem("/m/e.png");
  TFileListViewImageInfo image;
  image.Width = 5;
  picture.ImageInfoIndex = view.ImageInfos.Put(-1, image);
  view.AppendItem(picture);
  TFileListViewItem other = MakeFileItem("/m/f.zzz");
  view.AppendItem(other);
  view.RefreshItemCount();
  // Tracks sort as texts: 10 before 2.
  view.SortUp(flvColAudioTrack, 0);
  EXPECT_EQ(ItemNames(view), (TStrArray{"d.mp3", "e.png", "f.zzz", "a.mp3", "b.mp3", "c.mp3"}));
  // Without audio information the sample rate's key is 0: first when ascending.
  view.SortUp(flvColAudioSampleRate, 0);
  EXPECT_EQ(ItemNames(view), (TStrArray{"d.mp3", "e.png", "f.zzz", "c.mp3", "a.mp3", "b.mp3"}));
  view.SortDown(flvColAudioSampleRate, 0);
  EXPECT_EQ(ItemNames(view), (TStrArray{"b.mp3", "a.mp3", "c.mp3", "d.mp3", "e.png", "f.zzz"}));
  // Without image information the width's key is -1.
  view.SortDown(flvColImageWidth, 0);
  EXPECT_EQ(ItemNames(view).front(), "e.png");
  EXPECT_EQ(view.Items().SortKeyInt(5), -1);
  // Files of type "other" after the typed ones ascending, before them descending.
  view.SortUp(flvColType, 0);
  EXPECT_EQ(ItemNames(view).back(), "f.zzz");
  view.SortDown(flvColType, 0);
  EXPECT_EQ(ItemNames(view).front(), "f.zzz");
  // Float keys: the date.
  TFileListViewStore dates;
  for (int day : {3, 1, 2}) dates.AppendItem(MakeFileItem("/x/" + std::to_string(day), 0, day));
  dates.SortUp(flvColDate, 0);
  EXPECT_EQ(ItemNames(dates), (TStrArray{"1", "2", "3"}));
  EXPECT_EQ(dates.Items().SortKeyFloat(2), 3.0);
}

TEST(FileListSort, AutomaticSortByCustomColumnZero) {
  TFileListViewStore view;
  view.SetCustomColumnCounts(1, 0);
  for (const char* key : {"m", "K", "z"}) {
    TFileListViewItem item = MakeFileItem(std::string("/c/") + key + ".txt");
    item.CustomStrValues = {key};
    view.AppendItem(item);
  }
  view.SortAccordingToAutoSortSettings();
  EXPECT_EQ(ItemNames(view), (TStrArray{"m.txt", "K.txt", "z.txt"}));
  view.AutoSortColumn = flvColCustomStr;
  view.AutoSortOrder = soDescending;
  view.SortAccordingToAutoSortSettings();
  EXPECT_EQ(ItemNames(view), (TStrArray{"z.txt", "m.txt", "K.txt"}));
}

TEST(FileListSort, StableOnInputsFullOfTies) {
  std::mt19937 rng(11);
  for (TFileListViewColumnType type : {flvColName, flvColSize, flvColDate}) {
    for (bool descending : {false, true}) {
      for (int round = 0; round < 10; ++round) {
        TFileListViewStore view;
        const int n = 2 + static_cast<int>(rng() % 400);
        for (int i = 0; i < n; ++i) {
          TFileListViewItem item = MakeFileItem("/t/" + std::string(1, "aAbBc"[rng() % 5]), rng() % 4, rng() % 3);
          item.ID = i;
          view.AppendItem(item);
        }
        std::vector<TFileListViewItem> expected;
        for (int i = 0; i < n; ++i) expected.push_back(view.GetItem(i));
        auto key = [type](const TFileListViewItem& x) {
          if (type == flvColName) return static_cast<double>(std::toupper(static_cast<unsigned char>(x.Name[0])));
          return type == flvColSize ? static_cast<double>(x.Size) : x.Date;
        };
        std::stable_sort(expected.begin(), expected.end(),
                         [&](const auto& x, const auto& y) { return descending ? key(y) < key(x) : key(x) < key(y); });
        view.SortInternal(type, 0, descending);
        for (int i = 0; i < n; ++i) ASSERT_EQ(view.Items().ID(static_cast<size_t>(i)), expected[i].ID) << i;
      }
    }
  }
}

TEST(FileListFilter, RecordsAndTheirModes) {
  TFileListViewStore view;
  const char* paths[] = {"/Music/Song One.mp3", "/music/song two.MP3", "/docs/Note1.TXT", "/docs/x.txt"};
  for (const char* p : paths) view.AppendItem(MakeFileItem(p));
  TFileListViewItem withAudio = view.GetItem(0);
  withAudio.AudioInfoIndex = view.AudioInfos.Put(-1, Audio("Ann", "1", 0));
  view.SetItem(0, withAudio);
  view.RefreshItemCount();
  auto shown = [&] {
    TIntArray rows;
    for (int32_t r = 0; r < view.RowCount(); ++r) rows.push_back(view.GetIndexOfListItem(r));
    return rows;
  };
  // No records: nothing shown; off again: everything.
  view.SetFilterOn(true);
  EXPECT_EQ(view.RowCount(), 0);
  view.SetFilterOn(false);
  EXPECT_EQ(view.RowCount(), 4);
  struct TCase {
    TFileListViewColumnType Column;
    const char* Text;
    int32_t Mode;
    bool IgnoreCase;
    TIntArray Rows;
  };
  const TCase cases[] = {
      {flvColPath, "music", kFlvFilterContains, true, {0, 1}},
      {flvColPath, "music", kFlvFilterContains, false, {1}},
      {flvColPath, "/docs/x.txt", kFlvFilterEqual, false, {3}},
      {flvColPath, "/DOCS/X.TXT", kFlvFilterEqual, true, {3}},
      {flvColPath, "/docs", kFlvFilterBeginsWith, false, {2, 3}},
      // The expression as given: \w and \d stay, letter case by the option.
      {flvColPath, R"(/docs/\w+\d\.txt)", kFlvFilterRegex, true, {2}},
      {flvColPath, R"(/docs/\w+\d\.txt)", kFlvFilterRegex, false, {}},
      {flvColPath, "docs", kFlvFilterRegex, false, {}},  // the whole value must match
      {flvColAudioArtist, "Ann", kFlvFilterEqual, false, {0}},
      {flvColAudioArtist, "", kFlvFilterContains, false, {0}},  // no audio information: no match
      {flvColName, "x.txt", kFlvFilterEqual, false, {}},        // a column without a tested value
      {flvColPath, "x", 7, false, {}},
  };
  for (const TCase& c : cases) {
    view.ClearFilters();
    view.AddFilter({c.Column, c.Text, c.Mode, c.IgnoreCase, kFlvFilterKindText});
    view.SetFilterOn(true);
    view.FilterRefresh();
    EXPECT_EQ(shown(), c.Rows) << c.Text << " mode " << c.Mode;
  }
  // Two records are alternatives; a record of another kind matches nothing.
  view.ClearFilters();
  view.AddFilter({flvColPath, "x.txt", kFlvFilterContains, false, 1});
  view.AddFilter({flvColPath, "Note", kFlvFilterContains, false, kFlvFilterKindText});
  view.AddFilter({flvColPath, "one", kFlvFilterContains, true, kFlvFilterKindText});
  view.FilterRefresh();
  EXPECT_EQ(shown(), (TIntArray{0, 2}));
  // Switching to the current value does nothing (no rebuild).
  view.AddFilter({flvColPath, "two", kFlvFilterContains, false, kFlvFilterKindText});
  view.SetFilterOn(true);
  EXPECT_EQ(shown(), (TIntArray{0, 2}));
  // Sorting rebuilds the list with the new positions.
  view.SortDown(flvColName, 0);
  EXPECT_EQ(ItemNames(view), (TStrArray{"x.txt", "song two.MP3", "Song One.mp3", "Note1.TXT"}));
  EXPECT_EQ(shown(), (TIntArray{1, 2, 3}));
}

TEST(FileListFilter, SelectionReportsTheEntry) {
  TFileListViewStore view;
  AddNamed(view, {"a.txt", "b.doc", "c.txt"});
  view.AddFilter({flvColPath, ".txt", kFlvFilterContains, false, kFlvFilterKindText});
  view.SetFilterOn(true);
  std::vector<std::tuple<int32_t, bool, int32_t, std::string>> events;
  view.OnSelectFileListItem = [&](TFileListView*, TFileListViewListItem item, bool selected, int32_t index, int32_t,
                                  const std::string& fileName) {
    events.emplace_back(item, selected, index, fileName);
  };
  view.SelectItemProc(1, true);
  EXPECT_EQ(view.LastSelectedIndex(), 2);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0], std::make_tuple(1, true, 2, std::string("/d/c.txt")));
  view.SelectItemProc(-1, false);
  EXPECT_EQ(view.LastSelectedIndex(), -1);
  EXPECT_EQ(events.size(), 1u);
}

TEST(FileListDrag, MovesTheSelectedBlock) {
  auto drop = [](const TIntArray& selected, int32_t target) {
    TFileListViewStore view;
    AddNamed(view, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    int done = 0;
    view.OnRearrangingDone = [&](TFileListView*) { ++done; };
    view.SetSelectedRows(selected);
    view.DropSelectedOnRow(target);
    EXPECT_EQ(done, 1);
    EXPECT_TRUE(view.GetSelectedRows().empty());
    EXPECT_EQ(view.RowCount(), 10);
    return ItemNames(view);
  };
  EXPECT_EQ(drop({2, 3}, 6), (TStrArray{"0", "1", "4", "5", "6", "2", "3", "7", "8", "9"}));
  EXPECT_EQ(drop({6}, 2), (TStrArray{"0", "1", "6", "2", "3", "4", "5", "7", "8", "9"}));
  EXPECT_EQ(drop({1, 4}, -1), (TStrArray{"0", "2", "3", "5", "6", "7", "8", "9", "1", "4"}));
  EXPECT_EQ(drop({1, 4}, 10), (TStrArray{"0", "2", "3", "5", "6", "7", "8", "9", "1", "4"}));
  // Dropped on itself with a selected row above and nothing unselected
  // below: the block goes to the end, never past it.
  EXPECT_EQ(drop({7, 9}, 9), (TStrArray{"0", "1", "2", "3", "4", "5", "6", "8", "7", "9"}));
  EXPECT_EQ(drop({8, 9}, 9), (TStrArray{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
  // Not allowed: nothing moves.
  TFileListViewStore view;
  AddNamed(view, {"a", "b"});
  view.SetAllowItemRearranging(false);
  view.SetSelectedRows({1});
  view.DropSelectedOnRow(0);
  EXPECT_EQ(ItemNames(view), (TStrArray{"a", "b"}));
}

TEST(FileListDrag, WithTheFilterOnRowsNameTheirEntries) {
  TFileListViewStore view;
  AddNamed(view, {"a.txt", "b.doc", "c.txt", "d.doc", "e.txt", "f.doc", "g.txt"});
  view.AddFilter({flvColPath, ".txt", kFlvFilterContains, false, kFlvFilterKindText});
  view.SetFilterOn(true);
  // Rows a, c, e, g: drag e (row 2) onto a (row 0).
  view.SetSelectedRows({2});
  view.DropSelectedOnRow(0);
  EXPECT_EQ(ItemNames(view), (TStrArray{"e.txt", "a.txt", "b.doc", "c.txt", "d.doc", "f.doc", "g.txt"}));
  EXPECT_EQ(ShownTexts(view, 0), (TStrArray{"e.txt", "a.txt", "c.txt", "g.txt"}));
  // Drag a and c (rows 1, 2) onto g (row 3), the last row.
  view.SetSelectedRows({1, 2});
  view.DropSelectedOnRow(3);
  EXPECT_EQ(ItemNames(view), (TStrArray{"e.txt", "b.doc", "d.doc", "f.doc", "g.txt", "a.txt", "c.txt"}));
  EXPECT_EQ(view.FilteredIndexes(), (TIntArray{0, 4, 5, 6}));
  // Below the last row: to the end of all entries.
  view.SetSelectedRows({0});
  view.DropSelectedOnRow(-1);
  EXPECT_EQ(ItemNames(view).back(), "e.txt");
  EXPECT_EQ(view.RowCount(), 4);
}

TEST(FileListItems, PackedEntriesKeepEveryField) {
  TFileListViewStore view;
  TFileListViewItem item = MakeFileItem("/a/b/Caf\xC3\xA9.txt", 1234, 45000.5);
  item.ID = 7;
  item.BaseDir = "/a";
  item.SortKeyStr = "KEY";
  item.SortKeyInt = -5;
  item.SortKeyFloat = 2.5;
  item.IconIndex = 3;
  item.CustomStrValues = {"x", ""};
  item.CustomIntValues = {1, 2};
  item.FolderInfoIndex = 4;
  item.CheckSumInfoIndex = kInfoNotRequested;
  item.Hidden = true;
  item.Status = 9;
  item.OriginalIndex = 11;
  item.Checked = true;
  const int32_t a = view.AppendItem(item);
  EXPECT_EQ(view.GetItem(a), item);
  // A name that is not the path's tail is kept too.
  TFileListViewItem odd = MakeFileItem("/q/r.txt");
  odd.Name = "something else";
  const int32_t b = view.AppendItem(odd);
  EXPECT_EQ(view.GetItem(b), odd);
  odd.Name = "r.txt";
  odd.FileName = "/z/r.txt";
  view.SetItem(b, odd);
  EXPECT_EQ(view.GetItem(b), odd);
  EXPECT_EQ(view.GetItem(a), item);
  // Information records read back as they were written, the path shared.
  TFileListViewAudioInfo audio = Audio("Ann", "3", 44100);
  audio.FileName = item.FileName;
  audio.Channels = aicMultiChannel;
  audio.Duration = 1.25;
  const int32_t k = view.AudioInfos.Put(-1, audio);
  EXPECT_EQ(view.AudioInfos.Get(static_cast<size_t>(k)), audio);
  audio.Album = "Album";
  EXPECT_EQ(view.AudioInfos.Put(k, audio), k);
  EXPECT_EQ(view.AudioInfos.Get(static_cast<size_t>(k)), audio);
  TFileListViewAttributeInfo attributes;
  attributes.Link = "/l";
  attributes.DateAccessed = 3.5;
  attributes.InfoIndex = 2;
  EXPECT_EQ(view.AttributeInfos.Get(view.AttributeInfos.Append(attributes)), attributes);
  TFileListViewCheckSumInfo sums;
  sums[3] = "SHA";
  EXPECT_EQ(view.CheckSumInfos.Get(view.CheckSumInfos.Append(sums)), sums);
}

TEST(FileListItems, DroppedTextsAreReclaimedAndTheEmptyListFreesAll) {
  TFileListViewStore view;
  for (int i = 0; i < 100; ++i) {
    TFileListViewItem item = MakeFileItem("/keep/" + std::to_string(i));
    TFileListViewTextInfo text;
    text.FileName = item.FileName;
    item.TextInfoIndex = view.TextInfos.Put(-1, text);
    view.AppendItem(item);
  }
  // Readers overwrite the records again and again.
  for (int round = 0; round < 1000; ++round) {
    for (size_t k = 0; k < view.TextInfos.size(); ++k) {
      TFileListViewTextInfo text = view.TextInfos.Get(k);
      text.FirstChars = std::string(100, static_cast<char>('a' + round % 26));
      view.TextInfos.Set(k, text);
    }
    view.RefreshItemCount();
  }
  for (size_t i = 0; i < view.Items().size(); ++i) {
    EXPECT_EQ(view.Items().FileName(i), "/keep/" + std::to_string(i));
    const TFileListViewTextInfo text =
        view.TextInfos.Get(static_cast<size_t>(view.Items().InfoIndex(i, TFileListViewInfoKind::Text)));
    EXPECT_EQ(text.FirstChars, std::string(100, 'a' + 999 % 26));
    EXPECT_EQ(text.FileName, "/keep/" + std::to_string(i));
  }
  // Without compaction 10 MB of dropped texts would be held.
  EXPECT_LT(view.TextBytesHeld(), 4u << 20);
}

}  // namespace
