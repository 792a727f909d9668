#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <filesystem>

#include "controls/dialogs.h"
#include "frame_qt_test_app.h"

namespace {

namespace fs = std::filesystem;

// Records the start-up steps as they run.
class TRecordingFrame : public TPwkProgObj {
 public:
  using TPwkProgObj::TPwkProgObj;
  std::vector<std::string> Steps;
  void SetStartLanguage() override {
    Steps.push_back("SetStartLanguage");
    TPwkProgObj::SetStartLanguage();
  }
  void SetApplicationTitle() override {
    Steps.push_back("SetApplicationTitle");
    TPwkProgObj::SetApplicationTitle();
  }
  void SetLanguage(int32_t l) override {
    Steps.push_back("SetLanguage" + std::to_string(l));
    TPwkProgObj::SetLanguage(l);
  }
  void ShowSplashScreen() override { Steps.push_back("ShowSplashScreen"); }
  void HandleParams(const TStrArray& a, bool b) override {
    Steps.push_back("HandleParams" + std::to_string(a.size()));
    TPwkProgObj::HandleParams(a, b);
  }
  void InfoDialogSetUp() override { Steps.push_back("InfoDialogSetUp"); }
  void CreateMenusOnOwnerForm() override { Steps.push_back("CreateMenusOnOwnerForm"); }
  void ResetAndCreateProfileMenusOnOwnerForm() override { Steps.push_back("ResetAndCreateProfileMenusOnOwnerForm"); }
  void CreateTrayIcon() override { Steps.push_back("CreateTrayIcon"); }
};

class Frame : public TFrameFixture {};

TEST_F(Frame, InitializeRunsItsStepsInOrder) {
  QMainWindow window;
  window.resize(300, 200);
  TRecordingFrame frame(&window);
  Prepare(frame);
  frame.SplashScreenAutoShow = true;
  frame.SettingsTabAutoStart = true;
  frame.SettingsTabFileAssociations = true;
  frame.SettingsTabContextMenu = true;
  frame.SettingsTabProgramShortCut = true;
  frame.SetSettingsTabCodePage(true);
  fs::create_directories(ConfigDir());
  testsupport::WriteFileBytes(ConfigDir() + "start.sxs", "[t]\nk=start\n");
  testsupport::WriteFileBytes(AppDir.file("cmd.sxs"), "[t]\nk=cmd\n");
  testsupport::WriteFileBytes(AppDir.file("lang.cfg"), "lang=de");
  SetArguments({AppDir.file("cmd.sxs"), "-batch", "word"});
  frame.SettingsObj().WindowHooks.SetLanguage = [&](int32_t l) {
    frame.Steps.push_back("SettingsObj.SetLanguage" + std::to_string(l));
  };
  frame.OnSettingsLoad = [&](TConfigSaver& d) { frame.Steps.push_back("Load:" + d.ReadString("t", "k", "")); };
  frame.SettingsAddTab(StrResGlobal{11}, "t");
  const int id = frame.SettingsAddInputEditToTab(0, "k", "default", -1, false, 0, 0);

  ASSERT_TRUE(frame.Initialize());
  const std::vector<std::string> expected = {
      "SetStartLanguage",
      "SetLanguage1",
      "SettingsObj.SetLanguage1",
      "SetApplicationTitle",
      "SettingsObj.SetLanguage1",  // the settings object's own set-up
      "Load:start",
      "Load:cmd",
      "ShowSplashScreen",
      "InfoDialogSetUp",
      "HandleParams3",
      "Load:cmd",
      "CreateMenusOnOwnerForm",
      "ResetAndCreateProfileMenusOnOwnerForm",
      "SetLanguage1",
      "SettingsObj.SetLanguage1",
  };
  EXPECT_EQ(frame.Steps, expected);
  EXPECT_TRUE(frame.Initialized());
  EXPECT_TRUE(frame.SettingsObj().ProgObjInitialized);
  EXPECT_FALSE(frame.BatchMode);  // batch mode is not enabled in this program
  EXPECT_EQ(frame.ReadString(id, ""), "cmd");
  // The system-integration options never reach the settings object here.
  EXPECT_FALSE(frame.SettingsTabAutoStart || frame.SettingsTabFileAssociations || frame.SettingsTabContextMenu ||
               frame.SettingsTabProgramShortCut);
  const TSettingsObj& so = frame.SettingsObj();
  EXPECT_FALSE(so.TabAutoStart || so.TabFileAssociations || so.TabContextMenu || so.TabProgramShortCut);
  EXPECT_TRUE(so.TabCodePage);
  EXPECT_EQ(so.ProgName, "SyllabrixFrameTest");
  EXPECT_EQ(so.StartFileName(), "start.sxs");
  EXPECT_EQ(so.ProgVersionAsYYMMDD, frame.GetProgVersionAsYYMMDD());
  EXPECT_EQ(frame.Language(), 1);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(Frame, OpenFilesOnlyWithFilesOrFolders) {
  TPwkProgObj frame(nullptr);
  Prepare(frame);
  int offers = 0;
  frame.OnOpenFiles = [&](const TStrArray& files, const TStrArray&) {
    ++offers;
    EXPECT_EQ(files, (TStrArray{AppDir.file("a.txt")}));
  };
  testsupport::WriteFileBytes(AppDir.file("a.txt"), "x");
  SetArguments({"x=1", "plain"});
  ASSERT_TRUE(frame.Initialize());
  EXPECT_EQ(offers, 0);
  TPwkProgObj second(nullptr);
  Prepare(second);
  second.OnOpenFiles = frame.OnOpenFiles;
  SetArguments({AppDir.file("a.txt")});
  ASSERT_TRUE(second.Initialize());
  EXPECT_EQ(offers, 1);
}

TEST_F(Frame, VersionTextsFollowTheBuildDate) {
  TPwkProgObj frame(nullptr);
  const std::string date = frame.ProgCompilationDate();
  ASSERT_EQ(date.size(), 10u);
  EXPECT_EQ(date[4], '/');
  EXPECT_EQ(frame.ProgCompilationYear(), date.substr(0, 4));
  EXPECT_EQ(frame.GetProgVersionAsYYMMDD(), date.substr(2, 2) + date.substr(5, 2) + date.substr(8, 2));
  EXPECT_EQ(frame.ProgVersion().substr(0, 3), date.substr(2, 2) + ".");
}

TEST_F(Frame, ProgramTextCaptions) {
  TPwkProgObj frame(nullptr);
  EXPECT_EQ(frame.SettingsAddTab(TSettingsVariant(int32_t{5}), "a"), 0);
  EXPECT_EQ(frame.SettingsObj().Tabs()[0].CaptionText, 952);
  EXPECT_EQ(frame.SettingsAddTab(TSettingsVariant(std::string("five")), "b"), -1);
  EXPECT_EQ(frame.SettingsObj().GetCustomTabCount(), 1);
  EXPECT_EQ(frame.SettingsAddTab(StrResGlobal{11}, "c"), 1);
  EXPECT_EQ(frame.SettingsObj().Tabs()[1].CaptionText, 11);
  const int id = frame.SettingsAddInputEditToTab(0, TSettingsVariant(uint8_t{3}), false, "k", "x", -1, false, 0, 0);
  EXPECT_EQ(frame.SettingsObj().Controls()[id].CaptionText, 950);
  EXPECT_EQ(frame.SettingsAddInputEditToTab(0, TSettingsVariant(), false, "k2", "x", -1, false, 0, 0), -1);
  EXPECT_TRUE(frame.SettingsAddDescriptionToCustomControl(id, TSettingsVariant(int64_t{7})));
  EXPECT_EQ(frame.SettingsObj().Controls()[id].DescriptionText, 954);
  EXPECT_FALSE(frame.SettingsAddDescriptionToCustomControl(id, TSettingsVariant(std::string("x"))));
  const int group = frame.SettingsAddInputRadioButtonGroupToTab(0, "g", 1, -1);
  const int item =
      frame.SettingsAddInputRadioButtonGroupItemToTab(0, group, 1, "one", TSettingsVariant(1.0), false, 0, 0);
  EXPECT_EQ(frame.SettingsObj().Controls()[item].CaptionText, 948);
  EXPECT_EQ(frame.SettingsObj().Controls()[group].ItemIDs, (TIntArray{item}));
  frame.InfoDialogSetHelpTexts(TSettingsVariant(int32_t{2}), TSettingsVariant(std::string("x")),
                               TSettingsVariant(int32_t{0}));
  EXPECT_EQ(frame.InfoDialogHelpTexts, (TIntArray{949, 947}));
}

TEST_F(Frame, WindowSizeKeys) {
  QMainWindow window;
  window.resize(320, 240);
  window.move(40, 30);
  TPwkProgObj frame(&window);
  Prepare(frame);
  TConfigSaver normal;
  frame.SaveWindowSizeSettings(normal);
  EXPECT_EQ(normal.AsString(), "[windowsize]\ntop=30\nleft=40\nwidth=320\nheight=240\n");
  frame.SetSettingsSaveNoDefaultValues(false);
  TConfigSaver all;
  frame.SaveWindowSizeSettings(all);
  EXPECT_EQ(all.AsString(), "[windowsize]\nmaximized=0\ntop=30\nleft=40\nwidth=320\nheight=240\n");
  window.setFixedSize(200, 100);
  TConfigSaver fixed;
  frame.SaveWindowSizeSettings(fixed);
  EXPECT_EQ(fixed.AsString(), "[windowsize]\nmaximized=0\ntop=30\nleft=40\n");
}

TEST_F(Frame, WindowSizeIsRestored) {
  QMainWindow window;
  window.resize(320, 240);
  TPwkProgObj frame(&window);
  Prepare(frame);
  std::vector<std::string> events;
  frame.OnWindowSizeLoad = [&](const std::string& section, TConfigSaver&) { events.push_back("size:" + section); };
  frame.OnSettingsLoad = [&](TConfigSaver&) { events.push_back("load"); };
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  testsupport::WriteFileBytes(AppDir.file("w.sxs"), "[windowsize]\ntop=20\nleft=" + std::to_string(screen.width()) +
                                                        "\nwidth=410\nheight=330\n");
  ASSERT_TRUE(frame.SettingsObj().LoadSettings(AppDir.file("w.sxs"), false));
  EXPECT_EQ(events, (std::vector<std::string>{"size:windowsize", "load"}));
  EXPECT_TRUE(frame.WindowSizeLoaded());
  EXPECT_EQ(window.size(), QSize(410, 330));
  EXPECT_EQ(window.y(), 20);
  EXPECT_NE(window.x(), screen.width());  // too close to the right edge on one monitor
  testsupport::WriteFileBytes(AppDir.file("m.sxs"), "[windowsize]\nmaximized=1\nwidth=100\n");
  ASSERT_TRUE(frame.SettingsObj().LoadSettings(AppDir.file("m.sxs"), false));
  EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(window.size().width() == 100, false);
  // Without keeping window sizes the section is neither read nor written.
  QMainWindow other;
  other.resize(300, 200);
  TPwkProgObj second(&other);
  Prepare(second);
  testsupport::WriteFileBytes(AppDir.file("off.sxs"), "[windowsize]\nwidth=410\n[settings]\nwindowsize=0\n");
  ASSERT_TRUE(second.SettingsObj().LoadSettings(AppDir.file("off.sxs"), false));
  EXPECT_FALSE(second.SettingsSaveWindowSize());
  EXPECT_EQ(other.size(), QSize(300, 200));
  ASSERT_TRUE(second.SettingsObj().SaveSettings(cslFileName, AppDir.file("none.sxs"), false));
  EXPECT_EQ(testsupport::ReadFileBytes(AppDir.file("none.sxs")).find("[windowsize]"), std::string::npos);
}

TEST_F(Frame, AutoMaximiseOnlyWhenTooBig) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  QMainWindow small, big;
  small.resize(200, 150);
  big.resize(screen.width() - 10, 200);
  TPwkProgObj smallFrame(&small), bigFrame(&big);
  smallFrame.MaximizeIfOwnerFormIsTooBigForScreen();
  bigFrame.MaximizeIfOwnerFormIsTooBigForScreen();
  EXPECT_FALSE(small.windowState() & Qt::WindowMaximized);
  EXPECT_TRUE(big.windowState() & Qt::WindowMaximized);
}

TEST_F(Frame, StartLanguageAndTitle) {
  QMainWindow window;
  TPwkProgObj frame(&window);
  Prepare(frame);
  frame.ProgNameDE = "Silbenmacher";
  fs::create_directories(ConfigDir());
  testsupport::WriteFileBytes(ConfigDir() + "lang.cfg", "lang=fr");
  testsupport::WriteFileBytes(AppDir.file("lang.cfg"), "lang=");
  ASSERT_TRUE(frame.Initialize());
  EXPECT_EQ(frame.Language(), 6);
  EXPECT_EQ(window.windowTitle().toStdString(), "SyllabrixFrameTest");
  frame.SettingsObjLanguageChange(1);
  EXPECT_EQ(window.windowTitle().toStdString(), "Silbenmacher");
  // The offered languages limit the choice.
  TPwkProgObj limited(nullptr);
  Prepare(limited);
  limited.SetLanguages({langEN, langDE});
  ASSERT_TRUE(limited.Initialize());
  EXPECT_EQ(limited.Language(), 0);
}

TEST_F(Frame, LanguageSwitchRecaptionsThenTellsTheMainWindow) {
  QMainWindow window;
  auto* settings = window.menuBar()->addMenu("x");
  settings->setObjectName("m_settings");
  auto* prefs = settings->addAction("x");
  prefs->setObjectName("MacPreferences");
  auto* tab = settings->addAction("x");
  tab->setObjectName("m_settings_tab0");
  auto* info = window.menuBar()->addMenu("x");
  info->setObjectName("m_info");
  auto* plain = settings->addAction("keep");
  plain->setObjectName("m_unknown");
  TPwkProgObj frame(&window);
  Prepare(frame);
  frame.SettingsAddTab(StrResGlobal{204}, "t");
  std::string titleWhenTold;
  int told = -1;
  frame.OnLanguageChange = [&](int32_t l) {
    told = l;
    titleWhenTold = prefs->text().toStdString();
  };
  frame.SetLanguage(0);
  EXPECT_EQ(prefs->text().toStdString(), "Preferences");
  EXPECT_EQ(settings->title().toStdString(), "Settings");
  EXPECT_EQ(tab->text().toStdString(), "Save");
  EXPECT_EQ(info->title().toStdString(), "Info && Help");
  EXPECT_EQ(plain->text().toStdString(), "keep");
  EXPECT_EQ(told, -1);  // the frame's own switch raises nothing
  // A choice in the settings window arrives through the settings object.
  frame.SettingsObj().SetLanguage(1);
  frame.SettingsObj().OnLanguageChange(1);
  EXPECT_EQ(told, 1);
  EXPECT_EQ(titleWhenTold, SprText(11));
  EXPECT_EQ(frame.Language(), 1);
}

TEST_F(Frame, ArabicFlipsTheLayoutAndBack) {
  QMainWindow window;
  auto* central = new QWidget(&window);
  window.setCentralWidget(central);
  window.resize(400, 300);
  central->resize(400, 300);
  auto* placed = new QPushButton("placed", central);
  placed->setGeometry(10, 10, 100, 30);
  TPwkProgObj frame(&window);
  Prepare(frame);
  frame.SetLanguage(13);
  EXPECT_EQ(window.layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(placed->layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(placed->x(), 400 - 10 - 100);
  frame.SetLanguage(13);  // mirrored once only
  EXPECT_EQ(placed->x(), 290);
  frame.SetLanguage(0);
  EXPECT_EQ(window.layoutDirection(), Qt::LeftToRight);
  EXPECT_EQ(placed->layoutDirection(), Qt::LeftToRight);
  EXPECT_EQ(placed->x(), 10);
  frame.SetLanguage(1);
  EXPECT_EQ(window.layoutDirection(), Qt::LeftToRight);
}

TEST_F(Frame, SaveOnExitWhenTheMainWindowCloses) {
  QMainWindow window;
  TPwkProgObj frame(&window);
  Prepare(frame);
  ASSERT_TRUE(frame.Initialize());
  window.show();
  window.close();
  EXPECT_FALSE(fs::exists(ConfigDir() + "start.sxs"));
  frame.SetSettingsAutoSaveOnExit(true);
  window.show();
  window.close();
  EXPECT_TRUE(fs::is_regular_file(ConfigDir() + "start.sxs"));
  EXPECT_FALSE(window.isVisible());
}

TEST_F(Frame, RelaysOfTheSettingsObject) {
  TPwkProgObj frame(nullptr);
  Prepare(frame);
  std::vector<std::string> got;
  frame.OnCodePageChange = [&](int32_t c, bool b) { got.push_back("cp" + std::to_string(c) + (b ? "b" : "")); };
  frame.OnSettingsCustomInputChange = [&](int32_t id, const std::string& v, int32_t n) {
    got.push_back("in" + std::to_string(id) + v + std::to_string(n));
  };
  frame.OnSettingsButtonClick = [&](int32_t id) { got.push_back("bt" + std::to_string(id)); };
  frame.OnSettingsReset = [&](void*) { got.push_back("reset"); };
  TSettingsObj& so = frame.SettingsObj();
  so.OnCodePageChange(1252, true);
  so.OnCustomControlChange(3, "x", 4);
  so.OnButtonClick(9);
  frame.ResetSettings();
  so.SetAutoSaveOnExit(true);
  EXPECT_EQ(got, (std::vector<std::string>{"cp1252b", "in3x4", "bt9", "reset"}));
  EXPECT_EQ(frame.CodePage(), 1252);
  EXPECT_TRUE(frame.CodePageWriteBOM());
  EXPECT_TRUE(frame.SettingsAutoSaveOnExit());
}

TEST_F(Frame, HeaderPictureByLanguage) {
  TPwkProgObj frame(nullptr);
  QPixmap header(5, 5);
  header.fill(Qt::red);
  QPixmap result;
  frame.InfoDialogFetchHeaderImage(1, result);
  EXPECT_TRUE(result.isNull());
  frame.ImgHeaderEN = QPixmap(3, 3);
  frame.InfoDialogFetchHeaderImage(1, result);
  EXPECT_EQ(result.width(), 3);
  frame.ImgHeaderDE = header;
  frame.InfoDialogFetchHeaderImage(1, result);
  EXPECT_EQ(result.width(), 5);
  frame.InfoDialogFetchHeaderImage(0, result);
  EXPECT_EQ(result.width(), 3);
}

}  // namespace

namespace {

// The controls' dialogs answered from a script.
struct TScriptedHandler : TDialogHandler {
  std::deque<std::string> Inputs;
  std::vector<std::string> Notes;
  void Notification(const std::string& caption, const std::string& message, const std::string&) override {
    Notes.push_back(caption + ": " + message);
  }
  int32_t Confirmation(const std::string&, const std::string&, const std::string&, const std::string&,
                       const std::string&, bool) override {
    return kModalResultCancel;
  }
  std::string Input(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&,
                    const TStrArray&, int32_t, bool) override {
    if (Inputs.empty()) return NulMarker();
    std::string s = Inputs.front();
    Inputs.pop_front();
    return s;
  }
};

class FrameWithRealDialogs : public TFrameFixture {};

TEST_F(FrameWithRealDialogs, CancelledNameDialogSavesNothing) {
  TScriptedHandler handler;
  TScopedDialogHandler scope(&handler);
  TPwkProgObj frame(nullptr);
  Prepare(frame);
  frame.SetUserDialogs(nullptr);  // the frame's own windows, through the controls' dialogs
  TSettingsObj& so = frame.SettingsObj();
  so.SaveTabButtonClickSaveSettings("bt_save_save_profile");
  EXPECT_FALSE(fs::exists(ConfigDir()));
  handler.Inputs = {"Work"};
  so.SaveTabButtonClickSaveSettings("bt_save_save_profile");
  EXPECT_TRUE(fs::is_regular_file(ConfigDir() + "Work.sxs"));
  EXPECT_EQ(handler.Notes, (std::vector<std::string>{"Information: The settings have been saved successfully."}));
  so.SaveTabButtonClickLoadSettings("bt_save_load_profile");  // cancelled
  handler.Inputs = {"Work"};
  so.SaveTabButtonClickLoadSettings("bt_save_load_profile");
  EXPECT_EQ(handler.Notes.back(), "Information: The settings have been loaded successfully.");
  EXPECT_EQ(handler.Notes.size(), 2u);
}

TEST_F(FrameWithRealDialogs, ManagedComboBoxes) {
  QMainWindow window;
  auto* list = new QComboBox(&window);
  list->addItems({"English", "German", "French"});
  auto* pattern = new QComboBox(&window);
  pattern->setEditable(true);
  TPwkProgObj frame(&window);
  Prepare(frame);
  frame.SettingsAddManagedControl(list, "main", "list", "German");
  frame.SettingsAddManagedControl(pattern, "main", "pattern", "<NAME>");
  list->setCurrentText("French");
  pattern->setCurrentText("word-<NAME>");
  ASSERT_TRUE(frame.SettingsObj().SaveSettings(cslFileName, AppDir.file("c.sxs"), false));
  TConfigSaver doc;
  ASSERT_TRUE(doc.LoadFromFile(AppDir.file("c.sxs")));
  EXPECT_EQ(doc.ReadString("main", "list", ""), "French");
  EXPECT_EQ(doc.ReadString("main", "pattern", ""), "word-<NAME>");
  frame.ResetSettings();
  EXPECT_EQ(list->currentText().toStdString(), "German");
  EXPECT_EQ(pattern->currentText().toStdString(), "<NAME>");
  ASSERT_TRUE(frame.SettingsObj().LoadSettings(AppDir.file("c.sxs"), false));
  EXPECT_EQ(list->currentText().toStdString(), "French");
  EXPECT_EQ(pattern->currentText().toStdString(), "word-<NAME>");
  // A list keeps its choice when the file names no item of it.
  testsupport::WriteFileBytes(AppDir.file("d.sxs"), "[main]\nlist=Klingon\n");
  ASSERT_TRUE(frame.SettingsObj().LoadSettings(AppDir.file("d.sxs"), false));
  EXPECT_EQ(list->currentText().toStdString(), "French");
}

TEST_F(FrameWithRealDialogs, SingleInstanceHandlingNeverEndsTheStart) {
  TPwkProgObj frame(nullptr);
  Prepare(frame);
  frame.AllowMultipleInstances = false;
  EXPECT_TRUE(frame.Initialize());
  EXPECT_FALSE(frame.InstanceWillBeClosed);
  EXPECT_TRUE(frame.ApplicationShowMainForm);
}

}  // namespace

namespace {

class FrameBatch : public TFrameFixture {};

TEST_F(FrameBatch, BatchModeOnlyWhenTheProgramAllowsIt) {
  testsupport::WriteFileBytes(AppDir.file("in.txt"), "x");
  SetArguments({"-batch", AppDir.file("in.txt"), "save-ext=csv"});
  TPwkProgObj frame(nullptr);
  Prepare(frame);
  frame.SplashScreenAutoShow = true;
  frame.EnableBatchProcessor = true;
  TStrArray files;
  std::string ext;
  frame.OnBatchProcess = [&](const TStrArray& f, const TStrArray&, const TStrArray&, const TKeyValueArrayObj& o) {
    files = f;
    ext = o.GetValueOrDefaultIfKeyNotExist("save-ext", "");
  };
  EXPECT_FALSE(frame.Initialize());
  EXPECT_TRUE(frame.BatchMode);
  EXPECT_TRUE(frame.SettingsObj().BatchMode);
  EXPECT_FALSE(frame.ApplicationShowMainForm);
  EXPECT_FALSE(frame.SplashScreenAutoShow);
  EXPECT_EQ(files, (TStrArray{AppDir.file("in.txt")}));
  EXPECT_EQ(ext, "csv");
  EXPECT_FALSE(frame.Initialized());
}

TEST_F(FrameBatch, HideSwitchOnlyWhenEnabled) {
  SetArguments({"-hide", "-tray"});
  TPwkProgObj frame(nullptr);
  Prepare(frame);
  ASSERT_TRUE(frame.Initialize());
  EXPECT_TRUE(frame.ApplicationShowMainForm);
  TPwkProgObj hidden(nullptr);
  Prepare(hidden);
  hidden.EnableParameterHide = true;
  ASSERT_TRUE(hidden.Initialize());
  EXPECT_FALSE(hidden.ApplicationShowMainForm);
}

}  // namespace
