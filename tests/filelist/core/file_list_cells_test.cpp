// What the rows of the file list show, column type by column type.
#include <gtest/gtest.h>

#include "file_list_test_items.h"

namespace {

// Six entries: an audio file, a picture, a video, a document with text
// statistics, a folder with every other kind, and a file with nothing read.
class FileListCells : public ::testing::Test {
 protected:
  void SetUp() override {
    view.Locale.Number = NumberFormat{".", ","};
    view.DateFormat = "dd.mm.yyyy hh:nn:ss";
    view.Locale.ShortDateFormat = "dd.MM.yyyy";
    view.Locale.LongTimeFormat = "HH:mm:ss";
    TDateTime day = 0;
    TDateTime time = 0;
    TryEncodeDate(2024, 3, 7, day);
    TryEncodeTime(15, 4, 5, 0, time);
    date = day + time;

    TFileListViewItem song = MakeFileItem("/data/music/Artist - Song.mp3", 1536, date);
    TFileListViewAudioInfo audio;
    audio.Read = true;
    audio.Artist = "Ann";
    audio.Title = "Song";
    audio.Track = "3/12";
    audio.Year = "1999";
    audio.Genre = "Pop";
    audio.Comment = "fine";
    audio.Duration = 3907.4;
    audio.SampleRate = 44100;
    audio.BitRate = 320;
    audio.Channels = aicStereo;
    song.AudioInfoIndex = view.AudioInfos.Put(-1, audio);
    view.AppendItem(song);

    TFileListViewItem photo = MakeFileItem("/data/pics/photo.jpg", 3 * 1048576, date);
    TFileListViewImageInfo image;
    image.Width = 3000;
    image.Height = 2000;
    image.AspectRatio = 1.5;
    image.ColorDepth = 24;
    image.ColorSpace = "RGB";
    image.ImageCount = 1;
    image.ResolutionHoriz = 300;
    image.ResolutionVert = 300;
    image.ResolutionUnit = resolutionUnitInch;
    photo.ImageInfoIndex = view.ImageInfos.Put(-1, image);
    view.AppendItem(photo);

    TFileListViewItem clip = MakeFileItem("/data/video/clip.mkv", 0, date);
    TFileListViewVideoInfo video;
    video.Width = 1920;
    video.Height = 1080;
    video.Duration = 307.9;
    video.AspectRatio = 1.78;
    video.FPS = 23.976;
    video.Bitrate = 5000;
    clip.VideoInfoIndex = view.VideoInfos.Put(-1, video);
    view.AppendItem(clip);

    TFileListViewItem report = MakeFileItem("/data/docs/report.pdf", 100, date);
    TFileListViewDocumentInfo doc;
    doc.Author = "Bo";
    doc.Title = "Report";
    doc.PageCount = 12;
    report.DocumentInfoIndex = view.DocumentInfos.Put(-1, doc);
    TFileListViewTextInfo text;
    text.Encoding = 65001;
    text.LineBreak = 10;
    text.Lines = 3;
    text.Chars = 40;
    text.Words = 7;
    text.BOM = true;
    text.FirstChars = "  Hello\n\tworld  again ";
    report.TextInfoIndex = view.TextInfos.Put(-1, text);
    report.CustomStrValues = {"a", "b"};
    report.CustomIntValues = {5, 3725, 1536, 7};
    view.AppendItem(report);

    TFileListViewItem folder = MakeFileItem("/data/folder", 5000, date);
    folder.Ext = "DIR";
    folder.FileType = 0;
    folder.IsFolder = true;
    folder.FolderInfoIndex = static_cast<int32_t>(view.FolderInfos.Append({10, 4, 3, 1, 2, 2048}));
    TFileListViewAttributeInfo attributes;
    attributes.Hidden = true;
    attributes.HiddenExt = true;
    attributes.Link = "/target";
    attributes.DateModified = date;
    folder.AttributeInfoIndex = view.AttributeInfos.Put(-1, attributes);
    folder.VolumeInfoIndex = view.VolumeInfos.Put(-1, {true, "/data/folder", "Disk"});
    TFileListViewCheckSumInfo sums;
    sums[0] = "AB12";
    sums[7] = "FF";
    folder.CheckSumInfoIndex = view.CheckSumInfos.Put(-1, sums);
    view.AppendItem(folder);

    TFileListViewItem plain = MakeFileItem("/data/plain.xyz", 1, date);
    plain.Hidden = true;
    plain.Status = 99;
    // Information that was never requested, or does not apply.
    plain.AudioInfoIndex = kInfoNotRequested;
    plain.ImageInfoIndex = kInfoNone;
    view.AppendItem(plain);
    view.RefreshItemCount();
  }

  // The text a row shows in one column of the given type and custom index.
  std::string Cell(int32_t row, TFileListViewColumnType type, int32_t customIndex = 0) {
    const int32_t d = view.GetColumnInfoIndex(type, customIndex, true);
    view.SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray({{d, true}}, false, false);
    return view.GetCellDisplayText(view.GetIndexOfListItem(row), 0);
  }

  TTestFileListView view;
  TDateTime date = 0;
};

struct TCellCase {
  int32_t Row;
  TFileListViewColumnType Type;
  int32_t CustomIndex;
  const char* Text;
};

TEST_F(FileListCells, EveryColumnType) {
  const TCellCase cases[] = {
      // The entry itself.
      {0, flvColName, 0, "Artist - Song.mp3"},
      {0, flvColExt, 0, "MP3"},
      {4, flvColExt, 0, "DIR"},
      {0, flvColSize, 0, "1.500 KB"},
      {1, flvColSize, 0, "3.000 MB"},
      {4, flvColSize, 0, "4.883 KB"},
      {0, flvColDate, 0, "07.03.2024 15:04:05"},
      {0, flvColPath, 0, "/data/music/Artist - Song.mp3"},
      {0, flvColFolder, 0, "music"},
      {3, flvColNumbering, 0, "4"},
      {0, flvColPathLength, 0, "29"},
      {0, flvColFolderLevel, 0, "2"},
      {0, flvColStatus, 0, "New"},
      {5, flvColStatus, 0, "?"},
      // Folder information.
      {4, flvColFileCountDirect, 0, "4"},
      {4, flvColFolderCountDirect, 0, "1"},
      {4, flvColFileCountAll, 0, "10"},
      {4, flvColFolderCountAll, 0, "3"},
      {4, flvColFolderSizeDirect, 0, "2.000 KB"},
      {4, flvColFolderDeepness, 0, "2"},
      {0, flvColFileCountAll, 0, " "},
      // Volume, dates and attributes.
      {4, flvColVolumeName, 0, "Disk"},
      {0, flvColVolumeName, 0, " "},
      {4, flvColDateModified, 0, "07.03.2024 15:04:05"},
      {4, flvColDateCreated, 0, "30.12.1899 00:00:00"},
      {0, flvColDateAccessed, 0, " "},
      {4, flvColAttributeHidden, 0, "Yes"},
      {0, flvColAttributeHidden, 0, "No"},
      {5, flvColAttributeHidden, 0, "Yes"},  // not read: the entry's own flag
      {4, flvColAttributeReadOnly, 0, "No"},
      {4, flvColAttributeHiddenExt, 0, "Yes"},
      {4, flvColAttributeLink, 0, "/target"},
      {5, flvColAttributeReadOnly, 0, " "},
      {5, flvColAttributeLink, 0, " "},
      // Text information, and what a file without it shows.
      {3, flvColTextEncoding, 0, "UTF-8"},
      {3, flvColTextEncodingWithBOM, 0, "UTF-8 BOM"},
      {3, flvColTextBOM, 0, "Yes"},
      {3, flvColTextLineBreakType, 0, "LF"},
      {3, flvColTextLineCount, 0, "3"},
      {3, flvColTextCharCount, 0, "40"},
      {3, flvColTextWordCount, 0, "7"},
      {3, flvColTextFirstChars, 0, "Hello world again"},
      {5, flvColTextEncoding, 0, "BINARY"},
      {5, flvColTextEncodingWithBOM, 0, "BINARY"},
      {5, flvColTextBOM, 0, "0"},
      {5, flvColTextLineBreakType, 0, "UNKNOWN"},
      {5, flvColTextLineCount, 0, "0"},
      {5, flvColTextCharCount, 0, "0"},
      {5, flvColTextWordCount, 0, "0"},
      {5, flvColTextFirstChars, 0, " "},
      // Images.
      {1, flvColImageWidth, 0, "3000"},
      {1, flvColImageHeight, 0, "2000"},
      {1, flvColImageAspectRatio, 0, "3:2"},
      {1, flvColImageColorDepth, 0, "24"},
      {1, flvColImageColorSpace, 0, "RGB"},
      {1, flvColImageResHoriz, 0, "300"},
      {1, flvColImageResVert, 0, "300"},
      {1, flvColImageImgCount, 0, "1"},
      {5, flvColImageWidth, 0, " "},
      // Audio.
      {0, flvColAudioArtist, 0, "Ann"},
      {0, flvColAudioTitle, 0, "Song"},
      {0, flvColAudioAlbum, 0, ""},
      {0, flvColAudioTrack, 0, "3/12"},
      {0, flvColAudioDiscNumber, 0, ""},
      {0, flvColAudioDuration, 0, "1:05:07"},
      {0, flvColAudioYear, 0, "1999"},
      {0, flvColAudioGenre, 0, "Pop"},
      {0, flvColAudioComment, 0, "fine"},
      {0, flvColAudioSampleRate, 0, "44100 Hz"},
      {0, flvColAudioBitRate, 0, "320 kb/s"},
      {0, flvColAudioChannels, 0, "Stereo"},
      {5, flvColAudioArtist, 0, " "},
      // Video.
      {2, flvColVideoWidth, 0, "1920"},
      {2, flvColVideoHeight, 0, "1080"},
      {2, flvColVideoAspectRatio, 0, "16:9"},
      {2, flvColVideoDuration, 0, "5:07"},
      {2, flvColVideoFPS, 0, "23.98"},
      {2, flvColVideoBitrate, 0, "5000"},
      {0, flvColVideoWidth, 0, " "},
      // Documents and check sums.
      {3, flvColDocumentAuthor, 0, "Bo"},
      {3, flvColDocumentTitle, 0, "Report"},
      {3, flvColDocumentPageCount, 0, "12"},
      {0, flvColDocumentPageCount, 0, " "},
      {4, flvColCheckSumMD5, 0, "AB12"},
      {4, flvColCheckSumCRC32, 0, ""},
      {4, flvColCheckSumSHA2_512, 0, "FF"},
      {0, flvColCheckSumSHA1, 0, " "},
      // Combined: the picture's or the audio's value, else the video's.
      {1, flvColCombinedWidth, 0, "3000"},
      {2, flvColCombinedHeight, 0, "1080"},
      {1, flvColCombinedAspectRatio, 0, "3:2"},
      {2, flvColCombinedAspectRatio, 0, "16:9"},
      {0, flvColCombinedDuration, 0, "1:05:07"},
      {2, flvColCombinedDuration, 0, "5:07"},
      {5, flvColCombinedWidth, 0, " "},
      {5, flvColCombinedDuration, 0, " "},
      // Custom columns; entries whose custom cells are empty show nothing.
      {3, flvColCustomStr, 1, "b"},
      {3, flvColCustomInt, 3, "7"},
      {0, flvColCustomStr, 1, ""},
      {0, flvColCustomInt, 0, ""},
      {3, flvColCustomDynamicContent, 4, "?"},
      {0, flvColNone, 0, ""},
      {0, flvColMax, 0, ""},
  };
  for (const TCellCase& c : cases) {
    EXPECT_EQ(Cell(c.Row, c.Type, c.CustomIndex), c.Text) << "row " << c.Row << ", type " << c.Type;
  }
  EXPECT_EQ(Cell(0, flvColType), view.StrRes.StrFileTypeNames[ftAudio]);
  EXPECT_EQ(Cell(4, flvColType), view.StrRes.StrFileTypeNames[ftFolder]);
}

TEST_F(FileListCells, DisplayOptions) {
  view.ShowEncodingAlternatives = true;
  view.TextInfos.Set(0, [&] {
    TFileListViewTextInfo t = view.TextInfos.Get(0);
    t.Encoding = 0;
    return t;
  }());
  EXPECT_EQ(Cell(3, flvColTextEncoding), "US-ASCII/UTF-8");
  view.ShowEncodingAlternatives = false;
  EXPECT_EQ(Cell(3, flvColTextEncoding), "US-ASCII");
  view.ExportFormat.EncodingShowBOM = true;
  EXPECT_EQ(Cell(3, flvColTextEncoding), "US-ASCII BOM");
  view.ExportFormat.FirstCharsCount = 6;
  EXPECT_EQ(Cell(3, flvColTextFirstChars), "Hello");  // "Hello ", trimmed after the cut

  view.ExportFormat.ColorDepthFormat = 1;
  EXPECT_EQ(Cell(1, flvColImageColorDepth), "16777216");
  view.ExportFormat.ColorDepthIncludeUnit = true;
  EXPECT_EQ(Cell(1, flvColImageColorDepth), "16777216 Colors");
  view.ExportFormat.ColorDepthFormat = 2;
  EXPECT_EQ(Cell(1, flvColImageColorDepth), "True Color");
  TFileListViewImageInfo image = view.ImageInfos.Get(0);
  for (const auto& [depth, text] : std::vector<std::pair<int32_t, const char*>>{
           {8, "8 bit"}, {1, "Monochrom"}, {16, "High Color"}, {48, "Deep Color"}}) {
    image.ColorDepth = depth;
    view.ImageInfos.Set(0, image);
    EXPECT_EQ(Cell(1, flvColImageColorDepth), text);
  }
  view.ExportFormat.ColorDepthFormat = 0;
  EXPECT_EQ(Cell(1, flvColImageColorDepth), "48 bit");

  // 3000 pixels at 300 dots per inch.
  const std::pair<int32_t, const char*> horizontal[] = {{0, "300"}, {1, "300"}, {2, "118"}, {3, "10.00"}, {4, "25.40"}};
  for (const auto& [format, text] : horizontal) {
    view.ExportFormat.ResolutionHorizFormat = format;
    EXPECT_EQ(Cell(1, flvColImageResHoriz), text) << format;
  }
  view.ExportFormat.ResolutionHorizIncludeUnit = true;
  view.ExportFormat.ResolutionHorizFormat = 3;
  EXPECT_EQ(Cell(1, flvColImageResHoriz), "10.00 in");
  view.ExportFormat.ResolutionHorizFormat = 0;
  EXPECT_EQ(Cell(1, flvColImageResHoriz), "300 dpi");
  image.ResolutionUnit = resolutionUnitCentimeter;
  view.ImageInfos.Set(0, image);
  view.ExportFormat.ResolutionHorizFormat = 1;
  EXPECT_EQ(Cell(1, flvColImageResHoriz), "762 dpi");
  view.ExportFormat.ResolutionHorizFormat = 0;
  EXPECT_EQ(Cell(1, flvColImageResHoriz), "300 dpc");
  image.ResolutionUnit = 7;
  view.ImageInfos.Set(0, image);
  EXPECT_EQ(Cell(1, flvColImageResHoriz), "");
  image.ResolutionHoriz = 0;
  view.ImageInfos.Set(0, image);
  EXPECT_EQ(Cell(1, flvColImageResHoriz), " ");

  view.ExportFormat.TrackNumberOnly = true;
  EXPECT_EQ(Cell(0, flvColAudioTrack), "3");
  view.ExportFormat.SampleRateIncludeUnit = false;
  view.ExportFormat.AudioBitRateIncludeUnit = false;
  EXPECT_EQ(Cell(0, flvColAudioSampleRate), "44100");
  EXPECT_EQ(Cell(0, flvColAudioBitRate), "320");
  view.ExportFormat.VideoBitRateIncludeUnit = true;
  EXPECT_EQ(Cell(2, flvColVideoBitrate), "5000 kb/s");
  view.ExportFormat.AudioDurationFormat = "hh:mm:ss";
  EXPECT_EQ(Cell(0, flvColAudioDuration), "01:05:07");
  // The combined column keeps its own format.
  EXPECT_EQ(Cell(0, flvColCombinedDuration), "1:05:07");
  view.ExportFormat.FolderNameLevel = 1;
  EXPECT_EQ(Cell(0, flvColFolder), "data");

  // 59.9 seconds are whole seconds, not rounded up; 25 frames show no decimals.
  TFileListViewVideoInfo video = view.VideoInfos.Get(0);
  video.Duration = 59.9;
  video.FPS = 25.0;
  view.VideoInfos.Set(0, video);
  EXPECT_EQ(Cell(2, flvColVideoDuration), "0:59");
  EXPECT_EQ(Cell(2, flvColVideoFPS), "25");
  view.Locale.Number = NumberFormat{",", "."};
  video.FPS = 29.5;
  view.VideoInfos.Set(0, video);
  EXPECT_EQ(Cell(2, flvColVideoFPS), "29,5");
  EXPECT_EQ(Cell(0, flvColSize), "1,500 KB");
}

TEST_F(FileListCells, CustomColumnsAndFormats) {
  const TStrArray options = {"zero", "one", "two"};
  struct TFormatCase {
    int32_t CustomIndex;
    TFileListViewFormatType Format;
    const char* Text;
  };
  // The entry's custom integers are 5, 3725, 1536 and 7.
  const TFormatCase cases[] = {
      {0, flvFormatDefault, "5"},
      {0, flvFormatShowOption, "5"},
      {3, flvFormatShowOption, "7"},
      {1, flvFormatSecToHMS, "01:02:05"},
      {1, flvFormatSecToMSorHMS, "01:02:05"},
      {0, flvFormatSecToMSorHMS, "00:05"},
      {2, flvFormatBytesToBestUnit, "1.500 KB"},
      {0, flvFormatLeadingZeros2, "05"},
      {1, flvFormatLeadingZeros3, "3725"},
      {0, flvFormatLeadingZeros4, "0005"},
      {0, flvFormatPercentFromInt, "5 %"},
  };
  for (const TFormatCase& c : cases) {
    view.SetColumnInfo(flvColCustomInt, c.CustomIndex, "I", 50, 0, taRightJustify, flvEditNone, c.Format, options,
                       false, false);
    EXPECT_EQ(Cell(3, flvColCustomInt, c.CustomIndex), c.Text) << c.Format;
  }
  TFileListViewItem report = view.GetItem(3);
  report.CustomIntValues[0] = 1;
  view.SetItem(3, report);
  view.SetColumnInfo(flvColCustomInt, 0, "I", 50, 0, taRightJustify, flvEditNone, flvFormatShowOption, options, false,
                     false);
  EXPECT_EQ(Cell(3, flvColCustomInt, 0), "one");
  // A file date: the locale's date and time, the time left out at midnight.
  TDateTime local = 0;
  ASSERT_TRUE(UnixTimeToLocalDateTime(0, local));
  view.SetColumnInfo(flvColCustomInt, 0, "I", 50, 0, taRightJustify, flvEditNone, flvFormatFileDate, {}, false, false);
  EXPECT_EQ(Cell(3, flvColCustomInt, 0).substr(0, 6), FormatDateAndTime(local, "dd.MM.yyyy", "HH:mm:ss").substr(0, 6));

  // The dynamic column asks the host for every cell, and the host may change the ID.
  int calls = 0;
  view.OnFetchDynamicColumnContent = [&](TFileListView*, int32_t index, int32_t fetchID, const std::string& fileName,
                                         int32_t& id, std::string& content) {
    ++calls;
    content = fileName.substr(fileName.rfind('/') + 1) + "#" + std::to_string(fetchID) + "#" + std::to_string(index);
    id = 77;
  };
  EXPECT_EQ(Cell(1, flvColCustomDynamicContent, 9), "photo.jpg#9#1");
  EXPECT_EQ(Cell(1, flvColCustomDynamicContent, 9), "photo.jpg#9#1");
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(view.Items().ID(1), 77);
}

TEST_F(FileListCells, RowsThroughTheFilter) {
  view.SetCheckboxes(true);
  view.SetItemChecked(3, true);
  view.SetColumns(flvColNumbering, flvColName, flvColSize);
  TFileListViewFilterRec f;
  f.Column = flvColPath;
  f.Text = "Pics";
  f.MatchMode = kFlvFilterContains;
  f.IgnoreCase = true;
  view.AddFilter(f);
  f.Text = "DOCS";
  view.AddFilter(f);
  view.SetFilterOn(true);
  // Rows show the items' own numbers: the filter leaves gaps.
  EXPECT_EQ(ShownTexts(view, 0), (TStrArray{"2", "4"}));
  TFileListViewRowData row;
  ASSERT_TRUE(view.DataProc(1, row));
  EXPECT_EQ(row.Caption, "4");
  EXPECT_EQ(row.SubItems, (TStrArray{"report.pdf", "100 Byte"}));
  EXPECT_TRUE(row.HasCheckState);
  EXPECT_TRUE(row.Checked);
  EXPECT_FALSE(view.DataProc(2, row));
  EXPECT_FALSE(view.DataProc(-1, row));
}

TEST_F(FileListCells, PlainCellTexts) {
  view.SetColumns(flvColName, flvColImageWidth, flvColSize);
  EXPECT_EQ(view.GetCellContentAsString(1, 0), "photo.jpg");
  EXPECT_EQ(view.GetCellContentAsString(1, 1), "?");
  EXPECT_EQ(view.GetCellContentAsString(4, 2), " ");  // a folder's size
  EXPECT_EQ(view.GetCellContentAsString(0, 2), "1.500 KB");
  EXPECT_EQ(view.GetCellContentAsString(0, 3), "");
  EXPECT_EQ(view.GetCellContentAsString(6, 0), "");
  EXPECT_EQ(view.GetCellContentAsString(0, flvColDate, 0), "07.03.2024 15:04:05");
  EXPECT_EQ(view.GetCellContentAsString(0, flvColAudioTrack, 0), "3/12");
  EXPECT_EQ(view.GetCellContentAsString(5, flvColAudioArtist, 0), "");
  EXPECT_EQ(view.GetCellContentAsString(5, flvColVolumeName, 0), "");
  EXPECT_EQ(view.GetCellContentAsString(4, flvColVolumeName, 0), "Disk");
  EXPECT_EQ(view.GetCellContentAsString(3, flvColCustomInt, 1), "3725");
  EXPECT_EQ(view.GetCellContentAsString(3, flvColCustomStr, 0), "a");
  EXPECT_EQ(view.GetCellContentAsString(0, flvColCustomStr, 0), "");
  EXPECT_EQ(view.GetCellContentAsString(3, flvColCustomDynamicContent, 0), "?");
  EXPECT_EQ(view.GetCellContentAsString(2, flvColNumbering, 0), "3");
}

}  // namespace
