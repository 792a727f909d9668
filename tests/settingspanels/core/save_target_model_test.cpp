// The save-target panel without widgets: its values and setters, the lists of
// the storage profiles, the user's changes and its settings section.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/doc_ini.h"
#include "foundation/paths.h"
#include "settingspanels/core/save_target_model.h"

namespace {

static_assert(spCustom == 0 && spImgDefFromFile == 1 && spTextDefFromFile == 5 && spTextDocImgSpreadsheetDefNew == 12);

// Records every step that would reach a widget.
class TRecordingModel : public TSaveSettingsContainerModel {
 public:
  std::vector<std::string> Shown;

 protected:
  void ShowListText(TSaveTargetList list, const std::string& text) override {
    Shown.push_back("text" + std::to_string(list) + ":" + text);
  }
  void ShowOptionChecked(TSaveTargetOption option, bool checked) override {
    Shown.push_back("check" + std::to_string(option) + ":" + (checked ? "1" : "0"));
  }
  void ShowOptionControl(TSaveTargetOption option, bool visible) override {
    Shown.push_back("show" + std::to_string(option) + ":" + (visible ? "1" : "0"));
  }
  void ShowAllowCustomFormat(bool allow) override { Shown.push_back(std::string("custom:") + (allow ? "1" : "0")); }
  void ShowCaption(TSaveTargetList list, const std::string& text) override {
    Shown.push_back("caption" + std::to_string(list) + ":" + text);
  }
  void FillLists(const TSaveTargetProfileLists& lists) override {
    Shown.push_back("fill:" + std::to_string(lists.Lists[stlFormat].Items.size()));
  }
};

TEST(SaveTargetModel, ANewPanelHasTheInitialValues) {
  TSaveSettingsContainerModel m;
  EXPECT_EQ(m.ValFolder(), "<keep>");
  EXPECT_EQ(m.ValName(), "%name%-1");
  EXPECT_EQ(m.ValFormat(), "<keep>");
  for (int32_t i = 0; i < kSaveTargetOptionCount; ++i) {
    EXPECT_FALSE(m.Opt(static_cast<TSaveTargetOption>(i)));
    EXPECT_TRUE(m.Show(static_cast<TSaveTargetOption>(i)));
    EXPECT_FALSE(m.DefaultOpt(static_cast<TSaveTargetOption>(i)));
  }
  EXPECT_FALSE(m.OptKeepSubDirs);
  EXPECT_EQ(m.FileInfoBaseDir, "");
  EXPECT_EQ(m.FileInfoFileNumber, 1);
  EXPECT_EQ(m.FileInfoFileCount, 1);
  EXPECT_TRUE(m.AllowCustomFormat());
  EXPECT_TRUE(m.ShowOldFileNamePlaceholders);
  EXPECT_EQ(m.VerticalControlDistanceSmall, 3);
  EXPECT_EQ(m.VerticalControlDistanceLarge, 8);
  EXPECT_TRUE(m.CreateFolderIfNotExists);
  EXPECT_EQ(m.StorageProfile(), spCustom);
  EXPECT_EQ(m.CaptionFolder(), "Folder:");
  EXPECT_EQ(m.CaptionName(), "Name:");
  EXPECT_EQ(m.CaptionFormat(), "Format:");
  EXPECT_TRUE(m.RemoveDisallowedChars);
  EXPECT_EQ(m.RemovedDisallowedCharReplacement, "_");
  EXPECT_FALSE(m.OnChange);
}

TEST(SaveTargetModel, SettersShowOnlyWhatChanged) {
  TRecordingModel m;
  m.SetValFolder("<keep>");
  m.SetValFolder("/out");
  m.SetValName("%num%");
  m.SetValFormat("PNG");
  m.SetValFormat("PNG");
  m.SetOptOverwriteFile(false);
  m.SetOptOverwriteFile(true);
  m.SetOptDeleteOriginalFile(true);
  m.SetOptOpenFileAfterCreating(true);
  m.SetOptSaveOnlyInCaseOfChange(true);
  m.SetOptKeepDateOfOriginalFile(true);
  m.SetOptKeepDateOfOriginalFile(true);
  m.SetShowDeleteOriginalFile(false);
  m.SetShowDeleteOriginalFile(false);
  m.SetShowOverwriteFile(false);
  m.SetAllowCustomFormat(true);
  m.SetAllowCustomFormat(false);
  m.SetCaptionFolder("Folder:");
  m.SetCaptionFolder("Ordner:");
  m.SetCaptionName("N:");
  m.SetCaptionFormat("F:");
  EXPECT_EQ(m.Shown, (std::vector<std::string>{"text0:/out", "text1:%num%", "text2:PNG", "check0:1", "check1:1",
                                               "check2:1", "check3:1", "check4:1", "show1:0", "show0:0", "custom:0",
                                               "caption0:Ordner:", "caption1:N:", "caption2:F:"}));
  EXPECT_EQ(m.ValFolder(), "/out");
  EXPECT_TRUE(m.OptOverwriteFile() && m.OptDeleteOriginalFile() && m.OptOpenFileAfterCreating() &&
              m.OptSaveOnlyInCaseOfChange() && m.OptKeepDateOfOriginalFile());
  EXPECT_FALSE(m.ShowDeleteOriginalFile());
  EXPECT_FALSE(m.ShowOverwriteFile());
}

TEST(SaveTargetModel, SettersAndProfilesRaiseNoChange) {
  TSaveSettingsContainerModel m;
  int changes = 0;
  m.OnChange = [&](TSaveSettingsContainerModel*) { ++changes; };
  m.SetValFolder("/a");
  m.SetOptDeleteOriginalFile(true);
  m.SetStorageProfile(spImgAllNew);
  m.ResetValuesToDefault();
  EXPECT_TRUE(m.ValsFromFilePath("/x/y.png"));
  EXPECT_EQ(changes, 0);
}

TEST(SaveTargetModel, UserChangesStoreTheTextAndTellTheHost) {
  TSaveSettingsContainerModel m;
  std::vector<TSaveSettingsContainerModel*> senders;
  m.OnChange = [&](TSaveSettingsContainerModel* sender) { senders.push_back(sender); };
  m.ListTextChanged(stlFolder, " /out ");
  m.ListTextChanged(stlName, "%num% - x");
  m.ListTextChanged(stlFormat, "TIFF - Tagged Image File Format");
  m.OptionChanged(stoOverwriteFile, true);
  m.OptionChanged(stoKeepDateOfOriginalFile, true);
  EXPECT_EQ(m.ValFolder(), " /out ");   // folder and name as typed
  EXPECT_EQ(m.ValName(), "%num% - x");  // only the format is cut at " - "
  EXPECT_EQ(m.ValFormat(), "TIFF");
  EXPECT_TRUE(m.OptOverwriteFile());
  EXPECT_TRUE(m.OptKeepDateOfOriginalFile());
  EXPECT_EQ(senders, std::vector<TSaveSettingsContainerModel*>(5, &m));
}

TEST(SaveTargetModel, FormatOfAListText) {
  const std::pair<std::string, std::string> cases[] = {
      {"JPG - JPEG-Image", "JPG"},
      {" png ", "png"},
      {"TIFF - Tagged Image File Format", "TIFF"},
      {"a - b - c", "a"},
      {"X-Y", "X-Y"},
      {" - only description", ""},
      {"", ""},
      {"\tdat\t", "dat"},
      {"JP2 -JPEG2000", "JP2 -JPEG2000"},
  };
  for (const auto& [text, format] : cases) EXPECT_EQ(FileFormatExtensionOfText(text), format) << text;
}

TEST(SaveTargetModel, ValuesFromAFilePath) {
  struct TCase {
    std::string Path;
    bool Result;
    std::string Folder, Name, Format;
  };
  const TCase cases[] = {
      {"/home/u/out/report.final.PDF", true, "/home/u/out", "report.final", "PDF"},
      {"photo.jpg", true, "<keep>", "photo", "jpg"},  // no folder part: the folder stays
      {"/home/u/out/report", false, "<keep>", "%name%-1", "<keep>"},
      {"noextension", false, "<keep>", "%name%-1", "<keep>"},
      {"", false, "<keep>", "%name%-1", "<keep>"},
      {"/home/u.d/readme", false, "<keep>", "%name%-1", "<keep>"},  // the dot lies in a folder
  };
  for (const TCase& c : cases) {
    TSaveSettingsContainerModel m;
    EXPECT_EQ(m.ValsFromFilePath(c.Path), c.Result) << c.Path;
    EXPECT_EQ(m.ValFolder(), c.Folder) << c.Path;
    EXPECT_EQ(m.ValName(), c.Name) << c.Path;
    EXPECT_EQ(m.ValFormat(), c.Format) << c.Path;
  }
}

TEST(SaveTargetModel, EveryStorageProfileFillsItsLists) {
  const TStrArray folders = {"<keep>", "%folder%/new", "%folder%/%yyyy%-%mm%-%tt%"};
  const TStrArray namesFromFile = {"<keep>",
                                   "%name%-1",
                                   "%name%",
                                   "%num%",
                                   "%abs0num%",
                                   "%abs0num%-%abs%",
                                   "%folder1%-%num%",
                                   "%yyyy%-%mm%-%tt%",
                                   "%hh%-%ii%-%ss%",
                                   "%date% %time%",
                                   "%name%_%date%_%time%"};
  const TStrArray namesNew = {"%yyyy%-%mm%-%tt%", "%hh%-%ii%-%ss%", "%date% %time%"};
  struct TCase {
    TSaveSettingsContainerStorageProfile Profile;
    TStrArray Formats;  // without the "<keep>" of the …FromFile profiles
    bool Custom;
  };
  const TStrArray img = {"JPG", "PNG", "BMP"};
  const TCase cases[] = {
      {spImgDefFromFile, img, false},
      {spImgDefNew, img, false},
      {spTextDefFromFile, {"TXT", "DAT"}, true},
      {spTextDefNew, {"TXT", "DAT"}, true},
      {spTextAndImgDefFromFile, {"TXT", "DAT", "JPG", "PNG", "BMP"}, true},
      {spTextAndImgDefNew, {"TXT", "DAT", "JPG", "PNG", "BMP"}, true},
      {spTextImgSpreadsheetDefFromFile, {"TXT", "DAT", "XLSX", "ODS", "JPG", "PNG", "BMP"}, true},
      {spTextImgSpreadsheetDefNew, {"TXT", "DAT", "XLSX", "ODS", "JPG", "PNG", "BMP"}, true},
      {spTextDocImgSpreadsheetDefFromFile, {"TXT", "DAT", "DOCX", "ODT", "XLSX", "ODS", "JPG", "PNG", "BMP"}, true},
      {spTextDocImgSpreadsheetDefNew, {"TXT", "DAT", "DOCX", "ODT", "XLSX", "ODS", "JPG", "PNG", "BMP"}, true},
  };
  for (const TCase& c : cases) {
    const TSaveTargetProfileLists l = SaveTargetProfileLists(c.Profile);
    const bool fromFile = c.Profile % 2 == 1;
    TStrArray formats = c.Formats;
    if (fromFile) formats.insert(formats.begin(), "<keep>");
    EXPECT_EQ(l.Lists[stlFolder].Items, fromFile ? folders : TStrArray{}) << c.Profile;
    EXPECT_EQ(l.Lists[stlFolder].ItemIndex, fromFile ? 0 : -1) << c.Profile;
    EXPECT_EQ(l.Lists[stlName].Items, fromFile ? namesFromFile : namesNew) << c.Profile;
    EXPECT_EQ(l.Lists[stlName].ItemIndex, fromFile ? 1 : -1) << c.Profile;
    EXPECT_EQ(l.Lists[stlFormat].Items, formats) << c.Profile;
    EXPECT_EQ(l.Lists[stlFormat].ItemIndex, 0) << c.Profile;
    EXPECT_EQ(l.AllowCustomFormat, c.Custom) << c.Profile;
    EXPECT_EQ(l.FormatDropDownCount, 16) << c.Profile;
  }
  for (TSaveSettingsContainerStorageProfile p : {spImgAllFromFile, spImgAllNew}) {
    const TSaveTargetProfileLists l = SaveTargetProfileLists(p);
    const TStrArray& f = l.Lists[stlFormat].Items;
    const size_t offset = p == spImgAllFromFile ? 1 : 0;
    ASSERT_EQ(f.size(), 29 + offset);
    EXPECT_EQ(f[offset], "JPG - JPEG-Image");
    EXPECT_EQ(f[offset + 6], "TIFF - Tagged Image File Format");
    EXPECT_EQ(f[offset + 28], "TGA - TrueVision Targa Image");
    EXPECT_FALSE(l.AllowCustomFormat);
    EXPECT_EQ(l.FormatDropDownCount, 25);
  }
}

TEST(SaveTargetModel, StorageProfilesFillTheListsButLeaveTheValues) {
  TRecordingModel m;
  m.SetValName("mine");
  m.Shown.clear();
  m.SetStorageProfile(spImgDefNew);
  m.SetStorageProfile(spImgDefNew);
  m.SetStorageProfile(spCustom);
  m.SetStorageProfile(spTextDefFromFile);
  EXPECT_EQ(m.Shown, (std::vector<std::string>{"custom:0", "fill:3", "custom:1", "fill:3"}));
  EXPECT_EQ(m.StorageProfile(), spTextDefFromFile);
  EXPECT_EQ(m.ValFolder(), "<keep>");
  EXPECT_EQ(m.ValName(), "mine");
  EXPECT_EQ(m.ValFormat(), "<keep>");
  EXPECT_TRUE(m.AllowCustomFormat());
}

TEST(SaveTargetModel, ResetTouchesOnlyTheShownOptions) {
  TRecordingModel m;
  m.DefaultOptOpenFileAfterCreating = true;
  m.DefaultOptKeepDateOfOriginalFile = true;
  m.SetOptOverwriteFile(true);
  m.SetOptDeleteOriginalFile(true);
  m.SetValFolder("/out");
  m.SetShowDeleteOriginalFile(false);
  m.Shown.clear();
  m.ResetValuesToDefault();
  EXPECT_EQ(m.Shown, (std::vector<std::string>{"check0:0", "check2:1", "check4:1"}));
  EXPECT_TRUE(m.OptDeleteOriginalFile());  // hidden: left alone
  EXPECT_EQ(m.ValFolder(), "/out");
}

class SaveTargetStorage : public ::testing::Test {
 protected:
  std::string Saved(bool skipDefaults) {
    TDocINI doc;
    M.SettingsSave(doc, "target", skipDefaults);
    return doc.AsString();
  }
  TSaveSettingsContainerModel M;
};

TEST_F(SaveTargetStorage, KeysInTheirOrderWithOrWithoutDefaults) {
  EXPECT_EQ(Saved(true), "[target]\nfolder=<keep>\nname=%name%-1\nformat=<keep>\n");
  EXPECT_EQ(Saved(false),
            "[target]\nfolder=<keep>\nname=%name%-1\nformat=<keep>\noverwrite_file=0\ndelete_original_file=0\n"
            "open_file_after_creating=0\nsave_only_in_case_of_change=0\nkeep_file_date=0\n");
  M.SetOptKeepDateOfOriginalFile(true);
  M.DefaultOptOverwriteFile = true;
  M.SetValFormat("png");
  EXPECT_EQ(Saved(true), "[target]\nfolder=<keep>\nname=%name%-1\nformat=png\noverwrite_file=0\nkeep_file_date=1\n");
}

TEST_F(SaveTargetStorage, HiddenOptionsAreNeitherSavedNorLoaded) {
  M.SetShowOverwriteFile(false);
  M.SetShowSaveOnlyInCaseOfChange(false);
  EXPECT_EQ(Saved(false),
            "[target]\nfolder=<keep>\nname=%name%-1\nformat=<keep>\ndelete_original_file=0\n"
            "open_file_after_creating=0\nkeep_file_date=0\n");
  TDocINI doc;
  doc.LoadFromString("[target]\noverwrite_file=1\nsave_only_in_case_of_change=1\ndelete_original_file=1\n");
  M.SettingsLoad(doc, "target", true);
  EXPECT_FALSE(M.OptOverwriteFile());
  EXPECT_FALSE(M.OptSaveOnlyInCaseOfChange());
  EXPECT_TRUE(M.OptDeleteOriginalFile());
}

TEST_F(SaveTargetStorage, LoadingWithAndWithoutDefaults) {
  TDocINI empty;
  M.SetValFolder("/out");
  M.SetOptOpenFileAfterCreating(true);
  M.SettingsLoad(empty, "target", false);
  EXPECT_EQ(M.ValFolder(), "/out");
  EXPECT_TRUE(M.OptOpenFileAfterCreating());
  // Defaults reach the options only; a missing value key keeps its value.
  M.DefaultOptKeepDateOfOriginalFile = true;
  M.SettingsLoad(empty, "target", true);
  EXPECT_EQ(M.ValFolder(), "/out");
  EXPECT_FALSE(M.OptOpenFileAfterCreating());
  EXPECT_TRUE(M.OptKeepDateOfOriginalFile());

  TDocINI doc;
  doc.LoadFromString(
      "[target]\nfolder=%folder%/new\nname=\nformat=JPG\noverwrite_file=1\nopen_file_after_creating=yes\n"
      "keep_file_date=0\n[other]\ndelete_original_file=1\n");
  M.SettingsLoad(doc, "target", false);
  EXPECT_EQ(M.ValFolder(), "%folder%/new");
  EXPECT_EQ(M.ValName(), "");
  EXPECT_EQ(M.ValFormat(), "JPG");
  EXPECT_TRUE(M.OptOverwriteFile());
  EXPECT_FALSE(M.OptOpenFileAfterCreating());  // neither "1" nor "0" reads as unchecked
  EXPECT_FALSE(M.OptKeepDateOfOriginalFile());
  EXPECT_FALSE(M.OptDeleteOriginalFile());
  M.SetOptOpenFileAfterCreating(true);
  M.SettingsLoad(doc, "target", true);  // with defaults an unusable flag takes the default
  EXPECT_FALSE(M.OptOpenFileAfterCreating());
}

TEST_F(SaveTargetStorage, ARoundTripKeepsEveryValue) {
  M.SetValFolder("/home/u/out dir");
  M.SetValName("%name%\n=%num%");
  M.SetValFormat("DOCX");
  M.SetOptOverwriteFile(true);
  M.SetOptSaveOnlyInCaseOfChange(true);
  TDocINI doc;
  M.SettingsSave(doc, "target", true);
  TDocINI reread;
  ASSERT_TRUE(reread.LoadFromString(doc.AsString()));
  TSaveSettingsContainerModel back;
  back.SettingsLoad(reread, "target", true);
  EXPECT_EQ(back.ValFolder(), M.ValFolder());
  EXPECT_EQ(back.ValName(), M.ValName());
  EXPECT_EQ(back.ValFormat(), "DOCX");
  for (int32_t i = 0; i < kSaveTargetOptionCount; ++i)
    EXPECT_EQ(back.Opt(static_cast<TSaveTargetOption>(i)), M.Opt(static_cast<TSaveTargetOption>(i))) << i;
}

}  // namespace
