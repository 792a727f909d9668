// A localised settings container hosted by the program frame: set up at
// start, loaded from the start settings file, translated, saved and reset
// with the program's settings.
//
// This file stays apart from the controls' headers: the frame and the
// controls each name a notification type TNotifyEvent.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <filesystem>

#include "foundation/config_files.h"
#include "foundation/program_args.h"
#include "frame/core/frame_core_fixture.h"
#include "frame/qt/pwk_prog_obj.h"
#include "settingspanels/qt/managed_settings_container.h"
#include "settingspanels_test_app.h"
#include "test_support.h"
#include "text/language_constants.h"

namespace {

// Its own application and configuration folders, as the frame's tests have.
class FrameHosting : public TSettingsFixture {
 protected:
  void SetUp() override {
    PanelsTestApp();
    TSettingsFixture::SetUp();
    static char name[] = "settingspanels_qt_tests";
    static char* argv[] = {name, nullptr};
    CaptureProgramArguments(1, argv);
  }
  void TearDown() override {
    TSettingsFixture::TearDown();
    SetSprResGlobal(0);
  }
  void Prepare(TPwkProgObj& frame) {
    frame.SetProgName("SyllabrixPanelsTest");
    frame.SetProgFileExtSettings("sxs");
    frame.SettingsObj().SetApplicationFolder(AppDir.str());
    frame.SetUserDialogs(&Dialogs);
    frame.SplashScreenAutoShow = false;
    frame.SetLanguages(TLanguageSet::AllLanguages());
  }
};

TEST_F(FrameHosting, TheFrameSetsUpLoadsTranslatesSavesAndResetsTheContainer) {
  const std::string configDir = GetConfigPwqConfigDir("SyllabrixPanelsTest");
  std::filesystem::create_directories(configDir);
  testsupport::WriteFileBytes(configDir + "start.sxs", "[search]\nactive=1\nopen=1\nsearchfor=From the file\n");
  testsupport::WriteFileBytes(AppDir.file("lang.cfg"), "lang=de");

  QWidget main;
  TPwkProgObj frame(&main);
  Prepare(frame);
  auto* container = new TSettingsContainerSpr(&main);
  const TEveryKind k = DeclareEveryKind(*container);
  EXPECT_EQ(AddSettingsContainerToFrame(frame, container), 0);
  ASSERT_TRUE(frame.Initialize());

  EXPECT_TRUE(container->Initialized);
  EXPECT_EQ(container->Language(), static_cast<uint32_t>(SprLangGerman));
  EXPECT_TRUE(container->Tabs[k.Search].TabActive);
  EXPECT_TRUE(container->Tabs[k.Search].TabOpen);
  auto* searchFor = qobject_cast<QLineEdit*>(container->GetControlRef(k[sckEditTextTop]));
  EXPECT_EQ(searchFor->text(), "From the file");
  EXPECT_EQ(qobject_cast<QLabel*>(container->TabWidgets(k.Head).HeaderControl)->text(), "Einstellungen (1)");
  // The start-up load gave every missing key its (English) default; the
  // language then shows the untouched ones in German.
  EXPECT_EQ(container->ControlRecords[k[sckMemoTextTop]].StrValue, "Ersetzen durch");
  EXPECT_EQ(container->URLAppendixForURLPart, "pellwick");

  const std::string saved = AppDir.file("profile.sxs");
  ASSERT_TRUE(frame.SettingsObj().SaveSettings(cslFileName, saved, false));
  TConfigSaver doc;
  ASSERT_TRUE(doc.LoadFromFile(saved));
  EXPECT_EQ(doc.ReadString("search", "active", ""), "1");
  EXPECT_EQ(doc.ReadString("search", "searchfor", ""), "From the file");
  EXPECT_FALSE(doc.Contains("replace"));  // nothing there differs from its default

  frame.SettingsObj().ResetSettings();
  EXPECT_EQ(searchFor->text(), "Ersetzen");
  EXPECT_FALSE(container->Tabs[k.Search].TabActive);

  frame.SetLanguage(SprLangEnglish);
  EXPECT_EQ(searchFor->text(), "Replace");
  EXPECT_EQ(qobject_cast<QLabel*>(container->TabWidgets(k.Head).HeaderControl)->text(), "Settings");

  ASSERT_TRUE(frame.SettingsObj().LoadSettings(saved, false));
  EXPECT_EQ(searchFor->text(), "From the file");
  EXPECT_TRUE(container->Tabs[k.Search].TabActive);

  // A container gone before the frame is simply skipped.
  delete container;
  frame.SettingsObj().ResetSettings();
  EXPECT_TRUE(frame.SettingsObj().SaveSettings(cslFileName, saved, false));
}

}  // namespace
