#include "filelist/qt/file_filter_options_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "controls/dialogs.h"
#include "controls/options_panel.h"
#include "filelist/core/file_extension_filter.h"
#include "filelist/core/file_types_spr.h"
#include "filelist_qt_test_app.h"
#include "foundation/file_types.h"
#include "foundation/qt/qt_strings.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

static_assert(kModalResultOK == 1 && kModalResultCancel == 2);
static_assert(anaOptAlways == 0 && anaOptNever == 1 && anaOptAsk == 2);

class FileFilterOptionsDialog : public ::testing::Test {
 protected:
  void SetUp() override { FileListQtTestApp(); }
  void TearDown() override { SetSprResGlobal(0); }
};

std::string Text(const QAbstractButton* b) { return FromQString(b->text()); }

TStrArray Captions(const TOptionsPanel* grid) {
  TStrArray captions;
  for (const TOptionsPanelOption& o : grid->Options()) captions.push_back(o.Caption);
  return captions;
}

void SetAll(TOptionsPanel* grid, bool checked) {
  for (const TOptionsPanelOption& o : grid->Options()) o.Control->setChecked(checked);
}

TEST(FilterOptionsGeometry, ScaledAndFittedIntoTheScreen) {
  EXPECT_EQ(FilterOptionsDialogGeometry(false, 96, 1920, 1080), (TFilterOptionsGeometry{400, 550, 250, 350, 1.0}));
  EXPECT_EQ(FilterOptionsDialogGeometry(true, 96, 1920, 1080), (TFilterOptionsGeometry{400, 550, 250, 500, 1.0}));
  // 144 pixels per inch: everything 1.5 times, then 1.4 inches (202 pixels)
  // kept free of the screen's height.
  EXPECT_EQ(FilterOptionsDialogGeometry(false, 144, 1000, 800), (TFilterOptionsGeometry{600, 598, 375, 525, 1.5}));
  // A small screen at 96: the margin is 134 pixels in both directions.
  EXPECT_EQ(FilterOptionsDialogGeometry(false, 96, 500, 600), (TFilterOptionsGeometry{366, 466, 250, 350, 1.0}));
  EXPECT_EQ(FilterOptionsDialogGeometry(false, 96, 534, 684), (TFilterOptionsGeometry{400, 550, 250, 350, 1.0}));
}

TEST_F(FileFilterOptionsDialog, Defaults) {
  TFileFilterOptionsDialog d;
  EXPECT_TRUE(d.SearchSubDirs);
  EXPECT_FALSE(d.ApplyFilterForSingleFiles);
  EXPECT_FALSE(d.AddHiddenFiles);
  EXPECT_FALSE(d.AddOnlyTextFiles);
  EXPECT_FALSE(d.ShowOptionOnlyTextFiles);
  EXPECT_FALSE(d.ShowFilterFileType);
  EXPECT_EQ(d.FilterNameStr, "");
  EXPECT_TRUE(d.FilterNameMatchCase);
  EXPECT_FALSE(d.FilterNameIsRegEx);
  EXPECT_EQ(d.FilterExtensionCurrent, "");
  EXPECT_EQ(d.FilterExtensionGeneral, "");
  EXPECT_EQ(d.FilterFileType, "all");
  EXPECT_EQ(d.UpdateFileListAfterFilterChange, anaOptAsk);
  EXPECT_EQ(d.BidiMode, Qt::LeftToRight);
  const std::pair<const std::string*, const char*> texts[] = {
      {&d.StrCaption, ""},
      {&d.StrOk, "OK"},
      {&d.StrCancel, "Cancel"},
      {&d.StrSearchSubDirs, "Search Subfolders"},
      {&d.StrOptionen, "Options"},
      {&d.StrName, "Name"},
      {&d.StrExtension, "Extension"},
      {&d.StrFormat, "Format"},
      {&d.StrFileType, "File Type"},
      {&d.StrFonts, "Fonts"},
      {&d.StrImages, "Images"},
      {&d.StrVideos, "Videos"},
      {&d.StrAudioFiles, "Audio Files"},
      {&d.StrTextFiles, "Text Files"},
      {&d.StrDocuments, "Documents"},
      {&d.StrArchives, "Archives"},
      {&d.StrOthers, "Others"},
      {&d.StrMatchCase, "Match Case"},
      {&d.StrInterpretAsRegex, "Interpret as Regular Expression"},
      {&d.StrIncludeHiddenFilesAndFolders, "Include Hidden Files and Folders"},
      {&d.StrOnlyTextFiles, "Only Text Files"},
      {&d.StrApplyFilterOnlyForFolderSearch, ""},
      {&d.StrApplyFilterAlsoForSingleFiles, ""},
      {&d.StrExtensionFilterDesc, ""},
      {&d.StrUpdateFileListAfterFilterChange, "Update File List after Filter Change"},
      {&d.StrAlways, "Always"},
      {&d.StrNever, "Never"},
      {&d.StrAsk, "Ask"},
      {&d.StrSettings, "Settings"},
      {&d.StrUpdateN, "Update"},
      {&d.StrApplicationApply, "Application"},
      {&d.StrActivateAll, "Activate All"},
      {&d.StrDeactivateAll, "Deactivate All"},
  };
  for (const auto& [text, expected] : texts) EXPECT_EQ(*text, expected);
  EXPECT_EQ(d.Window(), nullptr);
}

// Every text lands on its control; a typed blacklist comes back unchanged
// and works as one once applied.
TEST_F(FileFilterOptionsDialog, FreeTextExtensionAndTexts) {
  TFileFilterOptionsDialog d;
  d.StrCaption = "Filter";
  d.StrExtensionFilterDesc = "txt, doc or -exe";
  d.StrApplyFilterOnlyForFolderSearch = "Folder search only";
  d.StrApplyFilterAlsoForSingleFiles = "Also single files";
  d.StrMatchCase = "Match & Case";
  d.FilterNameStr = "report";
  d.FilterExtensionCurrent = "txt";
  bool checked = false;
  OnNextModal([&](QWidget* modal) {
    EXPECT_EQ(modal, d.Window());
    EXPECT_EQ(FromQString(modal->windowTitle()), "Filter");
    EXPECT_EQ(modal->minimumHeight(), 350);
    EXPECT_EQ(modal->minimumWidth(), 250);
    ASSERT_EQ(d.Pages()->count(), 2);
    EXPECT_EQ(FromQString(d.Pages()->tabText(0)), "Filter");
    EXPECT_EQ(FromQString(d.Pages()->tabText(1)), "Settings");
    EXPECT_EQ(FromQString(d.NameEdit()->text()), "report");
    ASSERT_NE(d.ExtensionEdit(), nullptr);
    EXPECT_EQ(d.ExtensionGrid(), nullptr);
    EXPECT_EQ(d.FileTypeGrid(), nullptr);
    EXPECT_EQ(FromQString(d.ExtensionEdit()->toolTip()), "txt, doc or -exe");
    EXPECT_EQ(Text(d.MatchCaseCheck()), "Match && Case");
    EXPECT_EQ(Text(d.RegexCheck()), "Interpret as Regular Expression");
    EXPECT_EQ(Text(d.SubDirsCheck()), "Search Subfolders");
    EXPECT_EQ(Text(d.HiddenCheck()), "Include Hidden Files and Folders");
    EXPECT_FALSE(d.OnlyTextCheck()->isVisibleTo(modal));
    EXPECT_EQ(Text(d.FolderSearchOnlyRadio()), "Folder search only");
    EXPECT_EQ(Text(d.SingleFilesRadio()), "Also single files");
    EXPECT_EQ(Text(d.AlwaysRadio()), "Always");
    EXPECT_EQ(Text(d.NeverRadio()), "Never");
    EXPECT_EQ(Text(d.AskRadio()), "Ask");
    EXPECT_EQ(Text(d.OkButton()), "OK");
    EXPECT_EQ(Text(d.CancelButton()), "Cancel");
    EXPECT_TRUE(d.OkButton()->isDefault());
    EXPECT_EQ(modal->focusWidget(), d.OkButton());
    // The bold headings of each page, from the top.
    std::vector<std::string> headings;
    for (int page = 0; page < d.Pages()->count(); ++page) {
      std::vector<std::pair<int, std::string>> onPage;
      for (QLabel* label : d.Pages()->widget(page)->findChildren<QLabel*>())
        if (label->font().bold()) onPage.emplace_back(label->y(), FromQString(label->text()));
      std::sort(onPage.begin(), onPage.end());
      for (const auto& heading : onPage) headings.push_back(heading.second);
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"Name", "Extension", "Options", "Application", "Update"}));
    d.ExtensionEdit()->setText("  -exe ");
    d.NameEdit()->setText(" annual ");
    d.MatchCaseCheck()->setChecked(false);
    checked = true;
    d.OkButton()->click();
  });
  EXPECT_EQ(d.ShowModal(), kModalResultOK);
  ASSERT_TRUE(checked);
  EXPECT_EQ(d.FilterExtensionCurrent, "-exe");
  EXPECT_EQ(d.FilterNameStr, " annual ");  // not trimmed
  EXPECT_FALSE(d.FilterNameMatchCase);
  EXPECT_EQ(d.FilterFileType, "all");
  TFileExtensionFilterObj filter;
  filter.SetCurrentExtensionsFromCSVString(d.FilterExtensionCurrent);
  EXPECT_EQ(filter.BlacklistedExtensions(), (TStrArray{"EXE"}));
}

TEST_F(FileFilterOptionsDialog, ExtensionAndFileTypeGrids) {
  TFileFilterOptionsDialog d;
  d.FilterExtensionGeneral = "txt; md ,html";
  d.FilterExtensionCurrent = "md";
  d.ShowFilterFileType = true;
  d.FilterFileType = "image,audio";
  d.StrImages = "Bilder, Grafiken";
  std::string allTicked, noneTicked;
  OnNextModal([&](QWidget* modal) {
    EXPECT_EQ(modal->minimumHeight(), 500);
    EXPECT_EQ(d.ExtensionEdit(), nullptr);
    TOptionsPanel* ext = d.ExtensionGrid();
    ASSERT_NE(ext, nullptr);
    EXPECT_EQ(ext->Columns(), 4);
    EXPECT_EQ(Captions(ext), (TStrArray{"txt", "md", "html"}));
    EXPECT_EQ(ext->GetCheckedStringValuesAsCSVString(","), "md");
    TOptionsPanel* types = d.FileTypeGrid();
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->Columns(), 3);
    // A caption may hold a comma; it is no list of captions.
    EXPECT_EQ(Captions(types), (TStrArray{"Audio Files", "Text Files", "Archives", "Videos", "Documents", "Executables",
                                          "Bilder, Grafiken", "Spreadsheets", "Source Codes", "Fonts", "Websites",
                                          "Playlists", "Others"}));
    TStrArray values;
    for (const TOptionsPanelOption& o : types->Options()) values.push_back(o.Value);
    EXPECT_EQ(values, (TStrArray{"audio", "text", "archive", "video", "document", "executable", "image", "spreadsheet",
                                 "sourcecode", "font", "website", "playlist", "other"}));
    EXPECT_EQ(types->GetCheckedStringValuesAsCSVString(","), "audio,image");
    ASSERT_NE(types->PopupMenu(), nullptr);
    SetAll(ext, true);
    allTicked = ext->GetCheckedStringValuesAsCSVString(",");
    SetAll(ext, false);
    noneTicked = ext->GetCheckedStringValuesAsCSVString(",");
    types->Options()[1].Control->setChecked(true);
    types->Options()[0].Control->setChecked(false);
    d.OkButton()->click();
  });
  EXPECT_EQ(d.ShowModal(), kModalResultOK);
  EXPECT_EQ(allTicked, "all");
  EXPECT_EQ(noneTicked, "");
  EXPECT_EQ(d.FilterExtensionCurrent, "");
  EXPECT_EQ(d.FilterFileType, "text,image");
  // Unticking every extension and ticking all of them mean the same: every
  // general extension is allowed.
  for (const std::string& result : {allTicked, noneTicked}) {
    TFileExtensionFilterObj filter("", d.FilterExtensionGeneral, "");
    filter.SetCurrentExtensionsFromCSVString(result);
    EXPECT_TRUE(filter.CurrentExtensions().empty()) << result;
    for (const char* ext : {"TXT", "MD", "HTML"}) EXPECT_TRUE(filter.ExtensionAllowedU(ext, false)) << ext;
    EXPECT_FALSE(filter.ExtensionAllowedU("DOC", false));
  }
}

TEST_F(FileFilterOptionsDialog, FileTypesLeftAloneWhenNotShown) {
  TFileFilterOptionsDialog d;
  d.FilterFileType = "text";
  OnNextModal([&](QWidget*) {
    EXPECT_EQ(d.FileTypeGrid(), nullptr);
    d.OkButton()->click();
  });
  EXPECT_EQ(d.ShowModal(), kModalResultOK);
  EXPECT_EQ(d.FilterFileType, "text");
}

TEST_F(FileFilterOptionsDialog, SettingsPageAndCancel) {
  TFileFilterOptionsDialog d;
  d.ApplyFilterForSingleFiles = true;
  d.UpdateFileListAfterFilterChange = anaOptNever;
  d.ShowOptionOnlyTextFiles = true;
  d.AddOnlyTextFiles = true;
  OnNextModal([&](QWidget* modal) {
    EXPECT_TRUE(d.OnlyTextCheck()->isVisibleTo(modal));
    EXPECT_TRUE(d.OnlyTextCheck()->isChecked());
    EXPECT_TRUE(d.SingleFilesRadio()->isChecked());
    EXPECT_FALSE(d.FolderSearchOnlyRadio()->isChecked());
    EXPECT_TRUE(d.NeverRadio()->isChecked());
    // The two groups are separate: a choice in one leaves the other.
    d.AlwaysRadio()->click();
    EXPECT_TRUE(d.SingleFilesRadio()->isChecked());
    EXPECT_FALSE(d.NeverRadio()->isChecked());
    d.FolderSearchOnlyRadio()->click();
    EXPECT_TRUE(d.AlwaysRadio()->isChecked());
    d.SubDirsCheck()->setChecked(false);
    d.HiddenCheck()->setChecked(true);
    d.OnlyTextCheck()->setChecked(false);
    d.RegexCheck()->setChecked(true);
    d.CancelButton()->click();
  });
  EXPECT_EQ(d.ShowModal(), kModalResultCancel);
  // Cancel, too, copies the controls into the properties; only the caller's
  // look at the result keeps them from being applied.
  EXPECT_FALSE(d.ApplyFilterForSingleFiles);
  EXPECT_EQ(d.UpdateFileListAfterFilterChange, anaOptAlways);
  EXPECT_FALSE(d.SearchSubDirs);
  EXPECT_TRUE(d.AddHiddenFiles);
  EXPECT_FALSE(d.AddOnlyTextFiles);
  EXPECT_TRUE(d.FilterNameIsRegEx);
}

TEST_F(FileFilterOptionsDialog, SecondShowUsesTheSameWindow) {
  TFileFilterOptionsDialog d;
  d.FilterNameStr = "first";
  OnNextModal([&](QWidget* modal) { modal->close(); });  // closing counts as Cancel
  EXPECT_EQ(d.ShowModal(), kModalResultCancel);
  QDialog* window = d.Window();
  ASSERT_NE(window, nullptr);
  d.FilterNameStr = "second";
  OnNextModal([&](QWidget* modal) {
    EXPECT_EQ(modal, window);
    EXPECT_EQ(FromQString(d.NameEdit()->text()), "first");
    d.OkButton()->click();
  });
  EXPECT_EQ(d.ShowModal(), kModalResultOK);
  EXPECT_EQ(d.FilterNameStr, "first");
}

// The texts a language-aware host gives the dialog, from the store's slots
// in the current language.
void FillFromStore(TFileFilterOptionsDialog& d) {
  d.StrCaption = SprText(93);
  d.StrName = SprText(241);
  d.StrInterpretAsRegex = SprText(111);
  d.StrExtension = SprText(308);
  d.StrOptionen = SprText(26);
  d.StrIncludeHiddenFilesAndFolders = SprText(357);
  d.StrFormat = SprText(304);
  d.StrMatchCase = SprText(108);
  d.StrSearchSubDirs = SprText(282);
  d.StrOk = SprText(192);
  d.StrCancel = SprText(200);
  d.StrSettings = SprText(11);
  d.StrImages = FileTypeToStringPluralSpr(ftImage);
  d.StrAudioFiles = FileTypeToStringPluralSpr(ftAudio);
  d.StrTextFiles = FileTypeToStringPluralSpr(ftText);
  d.StrVideos = FileTypeToStringPluralSpr(ftVideo);
  d.StrDocuments = FileTypeToStringPluralSpr(ftDocument);
  d.StrArchives = FileTypeToStringPluralSpr(ftArchive);
  d.StrFonts = FileTypeToStringPluralSpr(ftFont);
  d.StrOthers = FileTypeToStringPluralSpr(ftOther);
}

// Lets pending layout requests run, as they do before a user sees a page.
void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Both pages of the window; check looks at the window first.
void Screenshots(TFileFilterOptionsDialog& d, const std::string& name,
                 const std::function<void(QWidget* modal)>& check = {}) {
  OnNextModal([&](QWidget* modal) {
    if (check) check(modal);
    SaveScreenshot(modal, name + "_filter");
    d.Pages()->setCurrentIndex(1);
    Settle();
    SaveScreenshot(modal, name + "_settings");
    d.OkButton()->click();
  });
  EXPECT_EQ(d.ShowModal(), kModalResultOK);
}

TEST_F(FileFilterOptionsDialog, Screenshots) {
  {
    TFileFilterOptionsDialog d;
    d.StrCaption = "Filter";
    d.StrApplyFilterOnlyForFolderSearch = "Apply Filter only when searching Folders";
    d.StrApplyFilterAlsoForSingleFiles = "Apply Filter also for single Files";
    d.FilterNameStr = "report";
    d.FilterExtensionGeneral = "txt,md,html,htm,rtf,doc,docx,odt,pdf";
    d.FilterExtensionCurrent = "txt,md";
    d.ShowFilterFileType = true;
    d.ShowOptionOnlyTextFiles = true;
    Screenshots(d, "filter_options_en");
  }
  {
    TFileFilterOptionsDialog d;
    d.StrCaption = "Filter";
    d.StrExtensionFilterDesc = "txt, doc";
    Screenshots(d, "filter_options_en_plain");
  }
  RegisterTranslations();
  SetSprResGlobal(1);
  {
    TFileFilterOptionsDialog d;
    FillFromStore(d);
    d.ShowFilterFileType = true;
    d.FilterFileType = "image,audio,video";
    Screenshots(d, "filter_options_de");
  }
  {
    // At its smallest the window wraps its captions and scrolls.
    TFileFilterOptionsDialog d;
    FillFromStore(d);
    d.ShowFilterFileType = true;
    d.ShowOptionOnlyTextFiles = true;
    d.FilterExtensionGeneral = "txt,md,html,htm,rtf,doc";
    OnNextModal([&](QWidget* modal) {
      modal->resize(modal->minimumSize());
      Settle();
      EXPECT_EQ(modal->size(), QSize(250, 500));
      SaveScreenshot(modal, "filter_options_de_smallest");
      d.OkButton()->click();
    });
    EXPECT_EQ(d.ShowModal(), kModalResultOK);
  }
  SetSprResGlobal(13);
  {
    TFileFilterOptionsDialog d;
    FillFromStore(d);
    d.BidiMode = Qt::RightToLeft;
    d.ShowFilterFileType = true;
    d.FilterExtensionGeneral = "txt,md,html";
    d.FilterExtensionCurrent = "txt";
    Screenshots(d, "filter_options_ar", [&](QWidget* modal) {
      EXPECT_EQ(modal->layoutDirection(), Qt::RightToLeft);
      // Mirrored: OK stands right of Cancel.
      EXPECT_GT(d.OkButton()->mapTo(modal, QPoint(0, 0)).x(), d.CancelButton()->mapTo(modal, QPoint(0, 0)).x());
    });
  }
}

}  // namespace
