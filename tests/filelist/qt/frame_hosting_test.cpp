// A localised file list view hosted by the program frame: loaded from the
// start settings file, translated, saved, reset and loaded again with the
// program's settings, and fed the command line's files in batch mode.
//
// This file stays apart from the controls' headers: the frame and the
// controls each name a notification type TNotifyEvent.
#include <gtest/gtest.h>

#include <QMenu>
#include <QPushButton>
#include <filesystem>

#include "filelist/core/file_list_columns_catalogue.h"
#include "filelist/core/file_list_popup_menu.h"
#include "filelist/qt/managed_file_list_view.h"
#include "filelist_qt_test_app.h"
#include "foundation/config_files.h"
#include "foundation/program_args.h"
#include "foundation/qt/qt_strings.h"
#include "frame/core/frame_core_fixture.h"
#include "frame/qt/pwk_prog_obj.h"
#include "frame/qt/settings_window.h"
#include "test_support.h"
#include "text/language_constants.h"

namespace {

class FileListFrameHosting : public TSettingsFixture {
 protected:
  void SetUp() override {
    FileListQtTestApp();
    TSettingsFixture::SetUp();
    SetArguments({});
  }
  void TearDown() override {
    SetArguments({});
    TSettingsFixture::TearDown();
    SetSprResGlobal(0);
  }
  void SetArguments(const std::vector<std::string>& args) {
    FArgs = {"filelist_qt_tests"};
    FArgs.insert(FArgs.end(), args.begin(), args.end());
    FArgv.clear();
    for (std::string& a : FArgs) FArgv.push_back(a.data());
    FArgv.push_back(nullptr);
    CaptureProgramArguments(static_cast<int>(FArgs.size()), FArgv.data());
  }
  void Prepare(TPwkProgObj& frame) {
    frame.SetProgName("SyllabrixFileListTest");
    frame.SetProgFileExtSettings("sxs");
    frame.SettingsObj().SetApplicationFolder(AppDir.str());
    frame.SetUserDialogs(&Dialogs);
    frame.SplashScreenAutoShow = false;
    frame.SetLanguages(TLanguageSet::AllLanguages());
  }
  // Name, Size, Date and Path may be chosen; Name, Size and Date show.
  static void MakeCustomizable(TFileListViewSpr& view) {
    view.AllowColumnCustomization = true;
    int32_t order = 0;
    for (TFileListViewColumnType type : {flvColName, flvColSize, flvColDate, flvColPath}) {
      TFileListViewColumnInfo& c = view.ColumnInfos[static_cast<size_t>(view.GetColumnInfoIndex(type, 0, true))];
      c.Customizable = true;
      c.OrderInitial = order++;
      c.VisibleInitial = type != flvColPath;
    }
    view.SettingsResetToDefault();
  }
  static std::string Shown(const TFileListViewSpr& view) {
    std::string ids;
    for (int32_t d : view.ColumnsVisible()) {
      const TFileListViewColumnInfo& c = view.ColumnInfos[static_cast<size_t>(d)];
      ids += (ids.empty() ? "" : " ") + FLVColumnTypeToStrId(c.ColumnType, c.CustomIndex);
    }
    return ids;
  }

 private:
  std::vector<std::string> FArgs;
  std::vector<char*> FArgv;
};

TEST_F(FileListFrameHosting, StartFileRestoresColumnsAndOptionsAndTheFrameKeepsThem) {
  const std::string configDir = GetConfigPwqConfigDir("SyllabrixFileListTest");
  std::filesystem::create_directories(configDir);
  testsupport::WriteFileBytes(configDir + "start.sxs",
                              "[files]\ncolumns=path=1|size=1|name=0\ncolumnwidths=path=333|size=77\n"
                              "filter_name=*.txt\nsubdirectories=0\n");
  testsupport::WriteFileBytes(AppDir.file("lang.cfg"), "lang=de");

  QWidget main;
  TPwkProgObj frame(&main);
  Prepare(frame);
  auto* view = new TFileListViewSpr(&main);
  MakeCustomizable(*view);
  view->SetShowStandardPopupMenu(true);
  EXPECT_EQ(AddFileListViewToFrame(frame, view, "files"), 0);
  ASSERT_TRUE(frame.Initialize());

  // The start file's columns in their order, with their widths (logical
  // pixels: the same at start-up as later), and the options.
  EXPECT_EQ(Shown(*view), "path size date");
  ASSERT_EQ(view->GuiColumns().size(), 3u);
  EXPECT_EQ(view->GuiColumns()[0].Width, 333);
  EXPECT_EQ(view->GuiColumns()[1].Width, 77);
  EXPECT_EQ(view->FileNameFilter->FilterStr, "*.txt");
  EXPECT_FALSE(view->SearchSubDirectories);
  // The frame's language reached the view and its menu.
  EXPECT_EQ(view->GuiColumns()[1].Caption, view->ExportFormat.ColumnCaptions[flvColSize - 1].Caption);
  EXPECT_NE(view->StrRes.StrRemoveAll, "Remove all");
  QAction* removeAll = nullptr;
  for (QAction* a : view->StandardPopUpMenu()->actions()) {
    if (a->property("flvTag").toInt() == kPopupRemoveAll) removeAll = a;
  }
  ASSERT_NE(removeAll, nullptr);
  EXPECT_EQ(FromQString(removeAll->text()), view->StrRes.StrRemoveAll);

  const std::string saved = AppDir.file("profile.sxs");
  ASSERT_TRUE(frame.SettingsObj().SaveSettings(cslFileName, saved, false));
  TConfigSaver doc;
  ASSERT_TRUE(doc.LoadFromFile(saved));
  EXPECT_EQ(doc.ReadString("files", "columns", ""), "path=1|size=1|name=0|date=1");
  EXPECT_EQ(doc.ReadString("files", "columnwidths", ""), "size=77|path=333");
  EXPECT_EQ(doc.ReadString("files", "subdirectories", ""), "0");

  frame.SettingsObj().ResetSettings();
  EXPECT_EQ(Shown(*view), "name size date");
  EXPECT_TRUE(view->SearchSubDirectories);
  EXPECT_EQ(view->FileNameFilter->FilterStr, "");

  frame.SetLanguage(SprLangEnglish);
  EXPECT_EQ(FromQString(removeAll->text()), view->StrRes.StrRemoveAll);
  ASSERT_TRUE(frame.SettingsObj().LoadSettings(saved, false));
  EXPECT_EQ(Shown(*view), "path size date");
  EXPECT_EQ(view->GuiColumns()[0].Width, 333);
  EXPECT_FALSE(view->SearchSubDirectories);

  // A view gone before the frame is simply skipped.
  delete view;
  frame.SettingsObj().ResetSettings();
  EXPECT_TRUE(frame.SettingsObj().SaveSettings(cslFileName, saved, false));
}

TEST_F(FileListFrameHosting, TheColumnsButtonOfTheSettingsWindowOpensTheColumnsDialog) {
  QWidget main;
  TPwkProgObj frame(&main);
  Prepare(frame);
  auto* view = new TFileListViewSpr(&main);
  MakeCustomizable(*view);
  const int32_t managed = AddFileListViewToFrame(frame, view, "files");
  TSettingsObj& so = frame.SettingsObj();
  const int32_t tab = so.AddTab(19, "tab");
  const int32_t id = so.AddControlToTabGeneral(tab, 19, false, "", 0, "", -1, false, 0, 0);
  so.Controls()[static_cast<size_t>(id)].ControlType = ctActionButtonConfigureFileListViewColumns;
  so.Controls()[static_cast<size_t>(id)].LinkedObject = so.ManagedControls()[static_cast<size_t>(managed)].Control;
  ASSERT_TRUE(frame.Initialize());
  frame.ShowSettings(tab);
  ASSERT_NE(frame.SettingsWindowHost().SettingsWindow(), nullptr);
  auto* button = frame.SettingsWindowHost().SettingsWindow()->findChild<QPushButton*>("bt" + QString::number(id));
  ASSERT_NE(button, nullptr);
  std::string title;
  OnNextModal([&title](QWidget* modal) {
    title = FromQString(modal->windowTitle());
    modal->close();
  });
  button->click();
  EXPECT_EQ(title, view->StrRes.StrColumns);
  frame.SettingsWindowHost().SettingsWindow()->close();
}

TEST_F(FileListFrameHosting, BatchModeHandsTheCommandLineFilesToTheView) {
  testsupport::TempDir files;
  const std::string single = files.file("single.md");
  testsupport::WriteFileBytes(single, "s");
  std::filesystem::create_directories(files.path() / "folder" / "deeper");
  testsupport::WriteFileBytes(files.file("folder/a.txt"), "a");
  testsupport::WriteFileBytes(files.file("folder/b.doc"), "b");
  testsupport::WriteFileBytes(files.file("folder/deeper/c.txt"), "c");
  SetArguments({"-batch", single, files.file("folder"), "filter-ext=txt", "search-subdirs=0"});

  QWidget main;
  TPwkProgObj frame(&main);
  Prepare(frame);
  frame.EnableBatchProcessor = true;
  auto* view = new TFileListViewSpr(&main);
  AddFileListViewToFrame(frame, view, "files");
  EXPECT_FALSE(frame.Initialize());
  EXPECT_TRUE(frame.BatchMode);
  EXPECT_FALSE(view->UseThreads);
  EXPECT_FALSE(view->ShowFileIcons());
  EXPECT_FALSE(view->ShowFileSearchProgressDialog);
  EXPECT_FALSE(view->SearchSubDirectories);
  TStrArray names;
  for (size_t i = 0; i < view->Items().size(); ++i) names.emplace_back(view->Items().FileName(i));
  EXPECT_EQ(names, (TStrArray{single, files.file("folder/a.txt")}));
}

}  // namespace
