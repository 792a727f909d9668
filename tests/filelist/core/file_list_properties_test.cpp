// The list properties: rows by file type and by extension, their sums and
// shares, the optional columns and the window width, the best grouping and
// the duration format.
#include "filelist/core/file_list_properties.h"

#include <gtest/gtest.h>

#include "file_list_test_items.h"
#include "filelist/core/file_list_view_core.h"

namespace {

void Add(TFileListViewCore& view, const std::string& path, int64_t size) { view.AppendItem(MakeFileItem(path, size)); }

void AddText(TFileListViewCore& view, const std::string& path, int64_t size, int32_t lines, int32_t chars,
             int32_t words) {
  TFileListViewItem item = MakeFileItem(path, size);
  TFileListViewTextInfo info;
  info.Lines = lines;
  info.Chars = chars;
  info.Words = words;
  item.TextInfoIndex = static_cast<int32_t>(view.TextInfos.Append(info));
  view.AppendItem(item);
}

void AddMedia(TFileListViewCore& view, const std::string& path, int64_t size, double audio, double video) {
  TFileListViewItem item = MakeFileItem(path, size);
  if (audio >= 0) {
    TFileListViewAudioInfo info;
    info.Duration = audio;
    item.AudioInfoIndex = static_cast<int32_t>(view.AudioInfos.Append(info));
  }
  if (video >= 0) {
    TFileListViewVideoInfo info;
    info.Duration = video;
    item.VideoInfoIndex = static_cast<int32_t>(view.VideoInfos.Append(info));
  }
  view.AppendItem(item);
}

std::string Row(const TFileListViewListInfoRow& row) {
  std::string text = row.Caption;
  for (int64_t v : row.Values) text += " " + std::to_string(v);
  return text;
}

TStrArray Rows(const TFileListViewListInfoTable& table) {
  TStrArray rows;
  for (const TFileListViewListInfoRow& r : table.Rows) rows.push_back(Row(r));
  return rows;
}

TStrArray Captions(const TFileListViewListInfoTable& table) {
  TStrArray captions = {table.FirstCaption};
  for (const TFileListViewListInfoColumn& c : table.Columns) captions.push_back(c.Caption);
  return captions;
}

TFileListViewCore& EnglishTexts(TFileListViewCore& view) {
  view.StrRes.StrNumber = "Number";
  view.StrRes.StrPercentage = "Percentage";
  view.StrRes.StrTotal = "Total";
  return view;
}

TEST(FileListProperties, ThreeTextFilesAndAPicture) {
  TFileListViewCore view;
  EnglishTexts(view);
  Add(view, "/d/a.txt", 10);
  Add(view, "/d/p.png", 1000);
  Add(view, "/d/b.txt", 20);
  Add(view, "/d/c.TXT", 30);
  TFileListViewListInfoCreator creator(view, 0);
  EXPECT_EQ(creator.ListType, kListInfoByFileType);
  const std::string texts = view.GetFileTypeStr(1, true);
  const std::string images = view.GetFileTypeStr(2, true);
  ASSERT_LT(images, texts);
  const TFileListViewListInfoTable types = creator.BuildTable(kListInfoByFileType);
  EXPECT_EQ(Rows(types),
            (TStrArray{images + " 1 1000 0 0 0 0 2500", texts + " 3 60 0 0 0 0 7500", "Total 4 1060 0 0 0 0 10000"}));
  EXPECT_EQ(types.WindowWidth, 480);
  EXPECT_EQ(Captions(types), (TStrArray{"Type", "Number", "Size", "Percentage"}));
  // Extensions are compared as the items hold them, upper case.
  const TFileListViewListInfoTable exts = creator.BuildTable(kListInfoByExtension);
  EXPECT_EQ(Rows(exts), (TStrArray{"PNG 1 1000 0 0 0 0 2500", "TXT 3 60 0 0 0 0 7500", "Total 4 1060 0 0 0 0 10000"}));
}

TEST(FileListProperties, MixedFilesWithDurationsAndTextCounts) {
  TFileListViewCore view;
  EnglishTexts(view);
  view.ExportFormat.ColumnCaptions[flvColType - 1].Caption = "Type";
  view.ExportFormat.ColumnCaptions[flvColExt - 1].Caption = "Format";
  view.ExportFormat.ColumnCaptions[flvColSize - 1].Caption = "Size";
  view.ExportFormat.ColumnCaptions[flvColAudioDuration - 1].Caption = "Duration";
  view.ExportFormat.ColumnCaptions[flvColTextLineCount - 1].Caption = "Lines";
  view.ExportFormat.ColumnCaptions[flvColTextCharCount - 1].Caption = "Characters";
  view.ExportFormat.ColumnCaptions[flvColTextWordCount - 1].Caption = "Words";
  Add(view, "/d/zz.unknownext", 5);
  AddText(view, "/d/a.txt", 100, 3, 90, 20);
  AddMedia(view, "/d/s.mp3", 4000, 61.5, -1);
  // A file with both kinds of information adds both durations.
  AddMedia(view, "/d/v.mp4", 9000, 1.25, 2.0);
  AddText(view, "/d/b.md", 50, 2, 10, 4);
  Add(view, "/d/x.unknownext", 7);
  TFileListViewItem folder = MakeFileItem("/d/sub");
  folder.IsFolder = true;
  folder.FileType = 0;
  folder.Ext = "DIR";
  folder.Size = 11;
  view.AppendItem(folder);

  TFileListViewListInfoCreator creator(view, 0);
  const TFileListViewListInfoTable types = creator.BuildTable(kListInfoByFileType);
  EXPECT_EQ(types.WindowWidth, 820);
  EXPECT_EQ(Captions(types),
            (TStrArray{"Type", "Number", "Size", "Duration", "Lines", "Characters", "Words", "Percentage"}));
  // Sorted by plural name, "other" (13, here with the Markdown file) last.
  ASSERT_EQ(types.Rows.size(), 6u);
  EXPECT_EQ(types.Rows[4].Caption, view.GetFileTypeStr(13, true));
  EXPECT_EQ(Row(types.Rows[4]).substr(types.Rows[4].Caption.size()), " 3 62 0 2 10 4 4286");
  for (size_t r = 1; r + 2 < types.Rows.size(); ++r) {
    EXPECT_LE(types.Rows[r - 1].Caption, types.Rows[r].Caption);
  }
  EXPECT_EQ(Row(types.Rows.back()), "Total 7 13173 64750 5 100 24 10000");

  const TFileListViewListInfoTable exts = creator.BuildTable(kListInfoByExtension);
  EXPECT_EQ(Captions(exts)[0], "Format");
  EXPECT_EQ(Rows(exts), (TStrArray{"DIR 1 11 0 0 0 0 1429", "MD 1 50 0 2 10 4 1429", "MP3 1 4000 61500 0 0 0 1429",
                                   "MP4 1 9000 3250 0 0 0 1429", "TXT 1 100 0 3 90 20 1429",
                                   "UNKNOWNEXT 2 12 0 0 0 0 2857", "Total 7 13173 64750 5 100 24 10000"}));

  // Without sorting, rows come in the order the items first show their key.
  creator.Sort = false;
  const TFileListViewListInfoTable unsorted = creator.BuildTable(kListInfoByExtension);
  EXPECT_EQ(unsorted.Rows[0].Caption, "UNKNOWNEXT");
  EXPECT_EQ(unsorted.Rows[1].Caption, "TXT");
  EXPECT_EQ(unsorted.Rows[6].Caption, "Total");
}

TEST(FileListProperties, OptionalColumnsAndWidths) {
  const struct {
    double duration;
    int32_t chars;
    int32_t width;
    size_t columns;
  } cases[] = {{0, 0, 480, 3}, {2.5, 0, 580, 4}, {0, 1, 720, 6}, {2.5, 1, 820, 7}};
  for (const auto& c : cases) {
    TFileListViewCore view;
    AddMedia(view, "/d/a.mp3", 1, c.duration, -1);
    // Lines without characters show no text columns.
    AddText(view, "/d/a.txt", 1, 9, c.chars, 9);
    TFileListViewListInfoCreator creator(view, 0);
    for (int32_t type : {kListInfoByFileType, kListInfoByExtension}) {
      const TFileListViewListInfoTable table = creator.BuildTable(type);
      EXPECT_EQ(table.WindowWidth, c.width);
      EXPECT_EQ(table.Columns.size(), c.columns);
      EXPECT_EQ(table.Rows.back().Values[3], c.chars > 0 ? 9 : 0);
    }
  }
}

TEST(FileListProperties, SharesRoundHalvesToEven) {
  const struct {
    int files;
    int ofType;
    int64_t share;
  } cases[] = {{3, 1, 3333}, {3, 2, 6667}, {32, 1, 312}, {32, 3, 938}, {8, 1, 1250}};
  for (const auto& c : cases) {
    TFileListViewCore view;
    for (int i = 0; i < c.files; ++i) Add(view, i < c.ofType ? "/d/a.png" : "/d/b.txt", 1);
    TFileListViewListInfoCreator creator(view, kListInfoByExtension);
    const TFileListViewListInfoTable table = creator.BuildTable(kListInfoByExtension);
    EXPECT_EQ(table.Rows[0].Values[6], c.share) << c.files << " " << c.ofType;
  }
}

TEST(FileListProperties, BestListType) {
  const struct {
    TStrArray paths;
    int32_t type;
  } cases[] = {
      {{"/d/a.txt"}, 1},
      {{"/d/a.txt", "/d/b.png"}, 2},
      {{"/d/a.png", "/d/b.jpg"}, 3},
      {{"/d/a.txt", "/d/b.txt"}, 1},
  };
  for (const auto& c : cases) {
    TFileListViewCore view;
    for (const std::string& p : c.paths) Add(view, p, 1);
    EXPECT_EQ(TFileListViewListInfoCreator(view, 0).ListType, c.type) << c.paths.size();
    EXPECT_EQ(TFileListViewListInfoCreator(view, 2).ListType, 2);
  }
}

TEST(FileListProperties, PreferredTimeFormat) {
  TFileListViewCore view;
  view.ExportFormat.AudioDurationFormat = "audio";
  view.ExportFormat.VideoDurationFormat = "video";
  view.ExportFormat.CombinedDurationFormat = "combined";
  const struct {
    TFileListViewColumnTypeArr columns;
    const char* format;
  } cases[] = {
      {{flvColName}, "combined"},
      {{flvColName, flvColVideoDuration}, "video"},
      {{flvColAudioDuration}, "audio"},
      {{flvColAudioDuration, flvColVideoDuration}, "combined"},
      {{flvColCombinedDuration, flvColAudioDuration}, "combined"},
  };
  for (const auto& c : cases) {
    view.SetColumns(c.columns);
    EXPECT_EQ(GetPreferredTimeFormatStr(view), c.format);
  }
}

}  // namespace
