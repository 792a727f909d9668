// The list settings in a settings document (save, load, reset, a round trip
// through a file that python's configparser reads alike) and the list files
// (export and read back, code pages, awkward names).
#include "filelist/core/file_list_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "file_list_test_items.h"
#include "filelist/core/file_list_columns_catalogue.h"
#include "foundation/code_pages.h"
#include "foundation/text_files.h"
#include "test_support.h"

namespace {

using testsupport::TempDir;

const TFileListViewColumnType kCustomizable[] = {flvColName, flvColSize, flvColDate, flvColAudioArtist};

// Name, Size and Date shown, Artist hidden, all four customizable.
void MakeCustomizable(TFileListViewStore& view) {
  view.AllowColumnCustomization = true;
  int32_t order = 0;
  for (TFileListViewColumnType type : kCustomizable) {
    TFileListViewColumnInfo& c = view.ColumnInfos[static_cast<size_t>(view.GetColumnInfoIndex(type, 0, true))];
    c.Customizable = true;
    c.OrderInitial = order++;
    c.VisibleInitial = type != flvColAudioArtist;
  }
  TFileListViewColumnVisInfoArray initial;
  view.GetColumnCustomizableVisInfoInitial(initial);
  view.SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(initial, true, true);
}

// The shown columns by their ids.
std::string ShownIds(const TFileListViewStore& view) {
  std::string ids;
  for (int32_t d : view.ColumnsVisible()) {
    const TFileListViewColumnInfo& c = view.ColumnInfos[static_cast<size_t>(d)];
    ids += (ids.empty() ? "" : " ") + FLVColumnTypeToStrId(c.ColumnType, c.CustomIndex);
  }
  return ids;
}

int32_t WidthOf(TFileListViewStore& view, TFileListViewColumnType type) {
  return view.ColumnInfos[static_cast<size_t>(view.GetColumnInfoIndex(type, 0, false))].WidthCurrent;
}

void SetWidth(TFileListViewStore& view, TFileListViewColumnType type, int32_t width) {
  view.ColumnInfos[static_cast<size_t>(view.GetColumnInfoIndex(type, 0, false))].WidthCurrent = width;
  view.RefreshColumns(false, true, false);
}

// The keys of section in file order, "key=value" each.
TStrArray Keys(const TConfigSaver& settings, const std::string& section) {
  TStrArray keys;
  for (const char* key : {"filter_name", "filter_name_matchcase", "filter_name_regex", "filter_extension",
                          "filter_filetype", "onlytextfiles", "subdirectories", "hiddenfiles", "filtersinglefiles",
                          "initialdir_search", "columns", "columnwidths"}) {
    std::string value;
    if (settings.ReadStringIfKeyExists(section, key, value)) keys.push_back(std::string(key) + "=" + value);
  }
  return keys;
}

// Every setting of the view changed from its default.
void ChangeEverything(TTestFileListView& view, std::string& lastDir, const std::string& folder) {
  view.ShowFilterFileType = true;
  view.ShowFilterOptOnlyTextFiles = true;
  MakeCustomizable(view);
  view.FileNameFilter->SetFilter("^a b.*", true, false);
  view.FileExtensionFilter->SetCurrentExtensionsFromCSVString("txt,md");
  view.FileExtensionFilter->SetFilterFileType("1,2");
  view.AddOnlyTextFiles = true;
  view.SearchSubDirectories = false;
  view.AddHiddenFiles = true;
  view.ApplyFilterForSingleFiles = true;
  lastDir = folder;
  const int32_t size = view.GetColumnInfoIndex(flvColSize, 0, false);
  const int32_t name = view.GetColumnInfoIndex(flvColName, 0, false);
  const int32_t date = view.GetColumnInfoIndex(flvColDate, 0, false);
  const int32_t artist = view.GetColumnInfoIndex(flvColAudioArtist, 0, false);
  view.SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(
      {{artist, true}, {size, true}, {name, false}, {date, true}}, true, true);
  SetWidth(view, flvColSize, 222);
}

TEST(FileListSettings, OnlyChangedValuesAtTheDefaultsWriteTheColumnsAlone) {
  TTestFileListView view;
  std::string lastDir;
  TConfigSaver settings;
  FileListViewSettingsSave(view, lastDir, settings, true, "list", true);
  EXPECT_TRUE(Keys(settings, "list").empty());
  MakeCustomizable(view);
  FileListViewSettingsSave(view, lastDir, settings, true, "list", true);
  EXPECT_EQ(Keys(settings, "list"), (TStrArray{"columns=name=1|size=1|date=1|audio_artist=0"}));
  // Widths only after a change, and only when asked for.
  SetWidth(view, flvColName, 300);
  TConfigSaver withoutWidths;
  FileListViewSettingsSave(view, lastDir, withoutWidths, false, "list", true);
  EXPECT_EQ(Keys(withoutWidths, "list").size(), 1u);
  TConfigSaver withWidths;
  FileListViewSettingsSave(view, lastDir, withWidths, true, "list", true);
  EXPECT_EQ(Keys(withWidths, "list").back(), "columnwidths=name=300");
}

TEST(FileListSettings, EveryKeyInItsOrderWithoutOnlyChangedValues) {
  TTestFileListView view;
  std::string lastDir;
  TConfigSaver settings;
  FileListViewSettingsSave(view, lastDir, settings, true, "list", false);
  EXPECT_EQ(Keys(settings, "list"), (TStrArray{"filter_name=", "filter_name_matchcase=1", "filter_name_regex=0",
                                               "filter_extension=", "subdirectories=1", "hiddenfiles=0",
                                               "filtersinglefiles=0", "initialdir_search="}));
  view.ShowFilterFileType = true;
  view.ShowFilterOptOnlyTextFiles = true;
  TConfigSaver more;
  FileListViewSettingsSave(view, lastDir, more, false, "list", false);
  EXPECT_EQ(Keys(more, "list")[4], "filter_filetype=all");
  EXPECT_EQ(Keys(more, "list")[5], "onlytextfiles=0");
}

TEST(FileListSettings, RoundTripThroughASettingsFile) {
  TempDir dir;
  TTestFileListView view;
  std::string lastDir;
  ChangeEverything(view, lastDir, dir.str());
  TConfigSaver settings;
  FileListViewSettingsSave(view, lastDir, settings, true, "filelist", true);
  ASSERT_TRUE(settings.SaveToFile(dir.file("start.sxs")));

  TConfigSaver loaded;
  ASSERT_TRUE(loaded.LoadFromFile(dir.file("start.sxs")));
  TTestFileListView other;
  other.ShowFilterFileType = true;
  other.ShowFilterOptOnlyTextFiles = true;
  MakeCustomizable(other);
  std::string otherDir = "/";
  FileListViewSettingsLoad(other, otherDir, loaded, "filelist", true, true);
  EXPECT_EQ(other.FileNameFilter->FilterStr, "^a b.*");
  EXPECT_TRUE(other.FileNameFilter->FilterStrIsRegex);
  EXPECT_FALSE(other.FileNameFilter->FilterStrMatchCase);
  EXPECT_EQ(other.FileExtensionFilter->GetCurrentExtensionsAsCSVString(","), "TXT,MD");
  EXPECT_EQ(other.FileExtensionFilter->FilterFileType(), "1,2");
  EXPECT_TRUE(other.AddOnlyTextFiles);
  EXPECT_FALSE(other.SearchSubDirectories);
  EXPECT_TRUE(other.AddHiddenFiles);
  EXPECT_TRUE(other.ApplyFilterForSingleFiles);
  EXPECT_EQ(otherDir, dir.str());
  EXPECT_EQ(ShownIds(other), "audio_artist size date");
  EXPECT_EQ(other.ColumnsCustomizable(), view.ColumnsCustomizable());
  EXPECT_EQ(WidthOf(other, flvColSize), 222);
  // The header shows what was loaded.
  ASSERT_EQ(other.GuiColumns().size(), 3u);
  EXPECT_EQ(other.GuiColumns()[1].Width, 222);
  // Reading the artists' column asks for audio information.
  EXPECT_TRUE(other.ReadOutAudioInfo());
  // Saving again gives the same keys.
  TConfigSaver again;
  FileListViewSettingsSave(other, otherDir, again, true, "filelist", true);
  EXPECT_EQ(Keys(again, "filelist"), Keys(settings, "filelist"));
}

TEST(ToolCheckFileListSettings, ConfigParserReadsTheKeysAsWritten) {
  TempDir dir;
  TTestFileListView view;
  std::string lastDir;
  ChangeEverything(view, lastDir, dir.str());
  view.FileNameFilter->SetFilter("[a-z]+ = x ; # \"q\" 'p'", true, true);
  TConfigSaver settings;
  FileListViewSettingsSave(view, lastDir, settings, true, "filelist", false);
  ASSERT_TRUE(settings.SaveToFile(dir.file("s.sxs")));
  const testsupport::CommandResult read = testsupport::ReadWithConfigParser(dir.file("s.sxs"));
  ASSERT_EQ(read.exitCode, 0);
  std::string expected;
  for (const std::string& key : Keys(settings, "filelist")) expected += "filelist|" + key + "\n";
  EXPECT_EQ(read.out, expected);
}

TEST(FileListSettings, MissingKeysGiveDefaultsOrKeepTheValues) {
  TempDir dir;
  for (bool defaults : {true, false}) {
    TTestFileListView view;
    std::string lastDir;
    ChangeEverything(view, lastDir, dir.str());
    const std::string shown = ShownIds(view);
    TConfigSaver empty;
    FileListViewSettingsLoad(view, lastDir, empty, "filelist", defaults, false);
    EXPECT_EQ(view.FileNameFilter->FilterStr, defaults ? "" : "^a b.*");
    EXPECT_EQ(view.FileNameFilter->FilterStrIsRegex, !defaults);
    EXPECT_EQ(view.FileNameFilter->FilterStrMatchCase, defaults);
    EXPECT_EQ(view.FileExtensionFilter->GetCurrentExtensionsAsCSVString(","), defaults ? "" : "TXT,MD");
    EXPECT_EQ(view.FileExtensionFilter->FilterFileType(), defaults ? "all" : "1,2");
    EXPECT_EQ(view.AddOnlyTextFiles, !defaults);
    EXPECT_EQ(view.SearchSubDirectories, defaults);
    EXPECT_EQ(view.AddHiddenFiles, !defaults);
    EXPECT_EQ(view.ApplyFilterForSingleFiles, !defaults);
    EXPECT_EQ(lastDir, defaults ? "" : dir.str());
    // Columns and widths stay as they are either way.
    EXPECT_EQ(ShownIds(view), shown);
    EXPECT_EQ(WidthOf(view, flvColSize), 222);
  }
}

TEST(FileListSettings, MalformedColumnPartsAreSkippedOneByOne) {
  const struct {
    const char* columns;
    const char* shown;
    const char* order;
  } cases[] = {
      {"size=1|name=0|bogus=1|path=x", "size date", "size name date audio_artist"},
      {"audio_artist=1", "audio_artist name size date", "audio_artist name size date"},
      // Path is not customizable; "=1", "size", "date=" and "name=1x" are malformed.
      {"path=1|=1|size|date=|name=1x|date=0", "name size", "date name size audio_artist"},
      {"size=2|size=1", "name date", "size name date audio_artist"},
      {"", "name size date", "name size date audio_artist"},
  };
  for (const auto& c : cases) {
    TTestFileListView view;
    MakeCustomizable(view);
    std::string lastDir;
    TConfigSaver settings;
    settings.Add("s", "columns", c.columns);
    FileListViewSettingsLoad(view, lastDir, settings, "s", true, false);
    EXPECT_EQ(ShownIds(view), c.shown) << c.columns;
    std::string order;
    for (size_t k = 0; k < view.ColumnsCustomizable().size(); ++k) {
      const TFileListViewColumnInfo& info = view.ColumnInfos[static_cast<size_t>(view.ColumnsCustomizable()[k])];
      order += (order.empty() ? "" : " ") + FLVColumnTypeToStrId(info.ColumnType, info.CustomIndex);
      EXPECT_EQ(info.OrderCurrent, static_cast<int32_t>(k));
    }
    EXPECT_EQ(order, c.order) << c.columns;
  }
  // Without column customisation the key is not read.
  TTestFileListView view;
  std::string lastDir;
  TConfigSaver settings;
  settings.Add("s", "columns", "size=1|name=0");
  FileListViewSettingsLoad(view, lastDir, settings, "s", true, false);
  EXPECT_EQ(ShownIds(view), "name date size path");
}

TEST(FileListSettings, WidthsAreLogicalPixelsAndMalformedPartsAreSkipped) {
  for (bool scale : {true, false}) {
    TTestFileListView view;
    std::string lastDir;
    TConfigSaver settings;
    // Path is not customizable: widths apply to every definition.
    settings.Add("s", "columnwidths", "name=300|size=|date=abc|bogus=5|path=410|size");
    const int32_t sizeBefore = WidthOf(view, flvColSize);
    const int32_t dateBefore = WidthOf(view, flvColDate);
    FileListViewSettingsLoad(view, lastDir, settings, "s", true, scale);
    EXPECT_EQ(WidthOf(view, flvColName), 300);
    EXPECT_EQ(WidthOf(view, flvColPath), 410);
    EXPECT_EQ(WidthOf(view, flvColSize), sizeBefore);
    EXPECT_EQ(WidthOf(view, flvColDate), dateBefore);
    EXPECT_EQ(view.GuiColumns()[0].Width, 300);
  }
}

TEST(FileListSettings, StoredSearchFolderMustExist) {
  TempDir dir;
  const struct {
    const char* stored;  // nullptr: no key
    bool defaults;
    std::string expected;
  } cases[] = {
      {"/no/such/folder", true, "/old"}, {"", true, "/old"},        {nullptr, true, ""},
      {nullptr, false, "/old"},          {"HERE", true, dir.str()}, {"HERE/file", true, "/old"},
  };
  testsupport::WriteFileBytes(dir.file("file"), "x");
  for (const auto& c : cases) {
    TTestFileListView view;
    std::string lastDir = "/old";
    TConfigSaver settings;
    if (c.stored) {
      std::string stored = c.stored;
      if (stored.rfind("HERE", 0) == 0) stored = dir.str() + stored.substr(4);
      settings.Add("s", "initialdir_search", stored);
    }
    FileListViewSettingsLoad(view, lastDir, settings, "s", c.defaults, false);
    EXPECT_EQ(lastDir, c.expected) << (c.stored ? c.stored : "(none)");
  }
}

// What the user set comes back from the file as it was: the white list whose
// first item begins with "-", black lists, and search folders whose names are
// not UTF-8 (the file itself is read as UTF-8).
TEST(FileListSettings, ExtensionListsAndSearchFoldersComeBackAsWritten) {
  TempDir dir;
  const struct {
    const char* typed;
    const char* current;    // the list's text after the round trip
    const char* blacklist;  // the black list after the round trip
  } lists[] = {
      {",-y", ",-Y", ""},       {"-y", "-Y", "Y"},        {"-y,z", "-Y,Z", "Y,Z"},
      {"txt,-y", "TXT,-Y", ""}, {";-y;-z", ",-Y,-Z", ""}, {"", "", ""},
  };
  const std::string folders[] = {"plain", "bad\376dir", "%41 and blanks", "\xC3\xA4rger", "file:x"};
  for (const auto& l : lists) {
    for (const std::string& name : folders) {
      const std::string folder = dir.file(name);
      std::filesystem::create_directories(folder);
      TTestFileListView view;
      view.FileExtensionFilter->SetCurrentExtensionsFromCSVString(l.typed);
      TConfigSaver settings;
      FileListViewSettingsSave(view, folder, settings, false, "s", false);
      ASSERT_TRUE(settings.SaveToFile(dir.file("list.sxs")));
      TConfigSaver loaded;
      ASSERT_TRUE(loaded.LoadFromFile(dir.file("list.sxs")));
      TTestFileListView other;
      std::string lastDir = "/";
      FileListViewSettingsLoad(other, lastDir, loaded, "s", true, false);
      EXPECT_EQ(other.FileExtensionFilter->GetGeneralExtensionsAsCSVString(","), "");
      EXPECT_EQ(other.FileExtensionFilter->GetBlacklistedExtensionsAsCSVString(","), l.blacklist) << l.typed;
      EXPECT_EQ(other.FileExtensionFilter->GetCurrentExtensionsAsCSVString(","), l.current) << l.typed;
      // A white list item "-Y" allows that extension and nothing else.
      if (std::string(l.typed) == ",-y") {
        EXPECT_TRUE(other.FileExtensionFilter->ExtensionAllowedU("-Y", false));
        EXPECT_FALSE(other.FileExtensionFilter->ExtensionAllowedU("Z", false));
      }
      EXPECT_EQ(lastDir, folder);
    }
  }
  // A folder stored before, as plain text, still reads as it stands.
  TConfigSaver old;
  old.Add("s", "initialdir_search", dir.str());
  TTestFileListView view;
  std::string lastDir;
  FileListViewSettingsLoad(view, lastDir, old, "s", true, false);
  EXPECT_EQ(lastDir, dir.str());
}

TEST(FileListSettings, ResetRestoresTheInitialSettings) {
  TempDir dir;
  TTestFileListView view;
  view.FileNameFilter->SetFilterInitial("init", false, true);
  std::string lastDir;
  ChangeEverything(view, lastDir, dir.str());
  view.SaveBaseDir = true;
  std::string baseDir = "/base";
  FileListViewSettingsResetToDefault(view, baseDir);
  EXPECT_EQ(view.FileNameFilter->FilterStr, "init");
  EXPECT_FALSE(view.FileNameFilter->FilterStrIsRegex);
  // The name filter's own reset keeps its match-case choice.
  EXPECT_FALSE(view.FileNameFilter->FilterStrMatchCase);
  EXPECT_EQ(view.FileExtensionFilter->GetCurrentExtensionsAsCSVString(","), "");
  // The file-type choice is not part of the reset.
  EXPECT_EQ(view.FileExtensionFilter->FilterFileType(), "1,2");
  EXPECT_FALSE(view.AddOnlyTextFiles);
  EXPECT_TRUE(view.SearchSubDirectories);
  EXPECT_FALSE(view.AddHiddenFiles);
  EXPECT_FALSE(view.ApplyFilterForSingleFiles);
  EXPECT_FALSE(view.SaveBaseDir);
  EXPECT_EQ(baseDir, "");
  EXPECT_EQ(lastDir, dir.str());
  EXPECT_EQ(ShownIds(view), "name size date");
  for (const TFileListViewColumnInfo& c : view.ColumnInfos) EXPECT_EQ(c.WidthCurrent, c.WidthInitial);
  EXPECT_EQ(view.GuiColumns()[1].Width, WidthOf(view, flvColSize));
}

// --- List files ------------------------------------------------------------------

// 1,000 files whose names hold blanks (also at both ends), quotes, shell and
// INI characters, bytes that are not UTF-8 and decomposed (NFD) accents.
TStrArray MakeAwkwardFiles(const TempDir& dir) {
  const char* const shapes[] = {
      "plain%d.txt",   " lead%d.txt",       "trail%d.txt ",    "in ner %d .txt",      "quote\"%d\".txt",
      "apos'%d'.txt",  "bad\xff\xfe%d.txt", "latin\xe9%d.txt", "nfd e\xcc\x81%d.txt", "mix; #=%d\\|.txt",
      "tab\t%d.txt\t", "\xe6\x96\x87%d.md", "  %d  ",          "dots...%d",           "%d",
  };
  TStrArray paths;
  std::filesystem::create_directories(dir.path() / "sub dir");
  for (int i = 0; i < 1000; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, shapes[i % std::size(shapes)], i);
    const std::string path = (i % 3 == 0 ? dir.str() + "/sub dir/" : dir.str() + "/") + name;
    testsupport::WriteFileBytes(path, std::to_string(i));
    paths.push_back(path);
  }
  return paths;
}

TEST(FileListFiles, ExportAndReadBackAThousandAwkwardNames) {
  TempDir dir;
  const TStrArray paths = MakeAwkwardFiles(dir);
  TTestFileListView view;
  std::string expected;
  for (const std::string& p : paths) {
    view.AppendItem(MakeFileItem(p));
    expected += p + "\n";
  }
  const std::string list = dir.file("out/list.filelist");
  ASSERT_TRUE(FileListExportToFile(view, list));
  // Paths as found on disk, byte for byte, each ended by a line feed.
  EXPECT_EQ(testsupport::ReadFileBytes(list), expected);
  TStrArray read;
  ASSERT_TRUE(ReadFileListFile(list, read));
  EXPECT_EQ(read, paths);
}

// Names that a line of a list cannot hold as they stand, and the name that
// ends in a blank beside the one without it: each comes back as itself.
TEST(FileListFiles, NamesWithLineBreaksAndTrailingBlanksComeBackWhole) {
  TempDir dir;
  const TStrArray names = {"x.txt",  "x.txt ",     "line\nbreak.txt", "cr\rname.txt", "end\r",
                           "\nlead", "bad\xff\nx", "b.txt",           "break.txt"};
  TTestFileListView view;
  TStrArray paths;
  for (const std::string& name : names) {
    const std::string path = dir.file(name);
    testsupport::WriteFileBytes(path, name);
    paths.push_back(path);
    if (name != "b.txt" && name != "break.txt") view.AppendItem(MakeFileItem(path));
  }
  const std::string list = dir.file("list.filelist");
  ASSERT_TRUE(FileListExportToFile(view, list));
  TStrArray read;
  ASSERT_TRUE(ReadFileListFile(list, read));
  EXPECT_EQ(read, TStrArray(paths.begin(), paths.end() - 2));
  // Lists written before: a blank-padded line still finds the trimmed name,
  // and a line as written wins over its trimmed form.
  ReadFileListText("  " + dir.file("b.txt") + "  \n" + dir.file("x.txt ") + "\n", read);
  EXPECT_EQ(read, (TStrArray{dir.file("b.txt"), dir.file("x.txt ")}));
}

TEST(FileListFiles, CodePagesLineBreaksBlanksAndSkippedLines) {
  TempDir dir;
  const std::string a = dir.file("a file.txt");
  const std::string e = dir.file("caf\xc3\xa9.txt");
  testsupport::WriteFileBytes(a, "a");
  testsupport::WriteFileBytes(e, "e");
  const std::string utf8 = a + "\n" + e + "\n";
  const struct {
    const char* name;
    std::string bytes;
    TStrArray files;
  } cases[] = {
      {"UTF-8 with LF", utf8, {a, e}},
      {"UTF-16 with mark and CRLF", "\xff\xfe" + UTF8ToCodePageBytes(a + "\r\n" + e + "\r\n", cpUTF16LE), {a, e}},
      {"UTF-8 with mark and CR", "\xef\xbb\xbf" + a + "\r" + e, {a, e}},
      {"Windows-1252", a + "\r\n" + dir.str() + "/caf\xe9.txt\r\n", {a, e}},
      {"blanks and tabs around", "  \t" + a + " \t\n\n   \n" + e, {a, e}},
      {"folders, missing files and text", dir.str() + "\n" + dir.file("missing") + "\nhello\n" + a, {a}},
      {"the same file twice", a + "\n" + a + "\n", {a, a}},
      {"empty", "", {}},
  };
  for (const auto& c : cases) {
    const std::string list = dir.file("list.filelist");
    testsupport::WriteFileBytes(list, c.bytes);
    TStrArray read = {"stale"};
    EXPECT_TRUE(ReadFileListFile(list, read)) << c.name;
    EXPECT_EQ(read, c.files) << c.name;
  }
  TStrArray read;
  EXPECT_FALSE(ReadFileListFile(dir.file("no.filelist"), read));
  EXPECT_FALSE(ReadFileListFile(dir.str(), read));
}

TEST(FileListFiles, ExportOfAnEmptyListAndAFailedWrite) {
  TempDir dir;
  TTestFileListView view;
  ASSERT_TRUE(FileListExportToFile(view, dir.file("empty.filelist")));
  EXPECT_EQ(testsupport::ReadFileBytes(dir.file("empty.filelist")), "");
  testsupport::WriteFileBytes(dir.file("plain"), "x");
  EXPECT_FALSE(FileListExportToFile(view, dir.file("plain/list.filelist")));
  // The reason stays for the message the window shows.
  EXPECT_NE(LastFileWriteError(), 0);
  EXPECT_FALSE(FileListExportToFile(view, dir.str()));
  EXPECT_NE(LastFileWriteError(), 0);
}

}  // namespace
