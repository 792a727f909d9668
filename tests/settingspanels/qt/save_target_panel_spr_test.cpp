// The localised save-target panel: captions from the text store, the keep and
// date tokens of its lists in the language's form, its folder chooser and
// screenshots in English, German and Arabic.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "controls/advanced_combo_box.h"
#include "controls/directory_tree.h"
#include "controls/multiline_check.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/qt/text_measurer.h"
#include "settingspanels/qt/save_target_panel_spr.h"
#include "settingspanels_test_app.h"
#include "test_support.h"
#include "text/language_constants.h"
#include "text/text_store.h"

namespace {

TStrArray Items(const QComboBox* box) {
  TStrArray items;
  for (int i = 0; i < box->count(); ++i) items.push_back(FromQString(box->itemText(i)));
  return items;
}

class SaveTargetSpr : public ::testing::Test {
 protected:
  void SetUp() override {
    PanelsTestApp();
    SetSprResGlobal(0);
    P = std::make_unique<TSaveSettingsContainerSpr>();
    P->OnChange = [this](TSaveSettingsContainerModel*) { ++Changes; };
  }
  void TearDown() override { SetSprResGlobal(0); }
  void Switch(int32_t language) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    P->SetLanguage(static_cast<uint32_t>(language));
  }
  std::string Text(TSaveTargetList list) const { return P->ComboBox(list)->Text(); }
  std::unique_ptr<TSaveSettingsContainerSpr> P;
  int Changes = 0;
};

TEST_F(SaveTargetSpr, CaptionsInTwoLanguages) {
  EXPECT_EQ(P->Language(), 0u);
  EXPECT_EQ(P->CaptionFormatSpr(), capFormat);
  EXPECT_EQ(P->Label(stlFolder)->text(), "Folder:");  // English until the first switch
  EXPECT_EQ(P->RadioButtonOverwriteFile()->text(), "Overwrite File");

  Switch(SprLangGerman);
  EXPECT_EQ(P->Language(), static_cast<uint32_t>(SprLangGerman));
  EXPECT_EQ(P->RadioButtonOverwriteFile()->text().replace('\n', ' '), "Originaldatei überschreiben");
  EXPECT_EQ(P->RadioButtonSaveAsNewFile()->text().replace('\n', ' '), "Als neue Datei speichern:");
  EXPECT_EQ(P->CaptionFolder(), "Ordner:");
  EXPECT_EQ(P->Label(stlFolder)->text(), "Ordner:");
  EXPECT_EQ(P->Label(stlName)->text(), "Name:");
  EXPECT_EQ(P->Label(stlFormat)->text(), "Format:");
  const std::pair<TSaveTargetOption, const char*> german[] = {
      {stoOpenFileAfterCreating, "Datei nach dem Erstellen öffnen"},
      {stoDeleteOriginalFile, "Originaldatei löschen"},
      {stoSaveOnlyInCaseOfChange, "Nur bei einer Änderung speichern"},
      {stoKeepDateOfOriginalFile, "Datum der Originaldatei beibehalten"},
  };
  for (const auto& [option, caption] : german)
    EXPECT_EQ(P->CheckBox(option)->text().replace('\n', ' '), caption) << option;
  // The labels take the width of the new widest caption.
  EXPECT_GE(P->Label(stlName)->minimumWidth(), GetWidthForFont(P->font(), "Format:"));
  EXPECT_EQ(P->Label(stlName)->minimumWidth(), P->Label(stlFolder)->minimumWidth());

  Switch(SprLangEnglish);
  EXPECT_EQ(P->RadioButtonOverwriteFile()->text().replace('\n', ' '), "Overwrite original File");
  EXPECT_EQ(P->RadioButtonSaveAsNewFile()->text().replace('\n', ' '), "Save as new File:");
  EXPECT_EQ(P->CheckBox(stoKeepDateOfOriginalFile)->text().replace('\n', ' '), "Keep date of the original file");
  EXPECT_EQ(P->Label(stlFolder)->text(), "Folder:");
}

TEST_F(SaveTargetSpr, TheFormatLabelsWord) {
  struct TCase {
    int32_t Language;
    TCaptionFormatSpr Kind;
    std::string Label;
  };
  const TCase cases[] = {
      {SprLangEnglish, capFormat, "Format:"},
      {SprLangEnglish, capFileExtension, "File Extension:"},
      {SprLangEnglish, capFormatAndFileExt, "Format/File Extension:"},
      {SprLangGerman, capFileExtension, "Dateiendung:"},
      // "Extension de fichier" is longer than 17 bytes: the short word stands in.
      {SprLangFrench, capFileExtension, "Extension:"},
      {SprLangSpanish, capFormatAndFileExt, "Formato/Extensión:"},
  };
  for (const TCase& c : cases) {
    P->SetCaptionFormatSpr(c.Kind);
    EXPECT_EQ(P->Label(stlFormat)->text(), QString::fromStdString(P->CaptionFormat()));
    Switch(c.Language);
    EXPECT_EQ(P->CaptionFormat(), c.Label) << c.Language << " " << c.Kind;
    EXPECT_EQ(P->Label(stlFormat)->text(), QString::fromStdString(c.Label));
  }
}

TEST_F(SaveTargetSpr, ListsShowTheTokensOfTheLanguage) {
  P->SetStorageProfile(spImgDefNew);
  P->ComboBox(stlName)->setCurrentIndex(0);
  Switch(SprLangGerman);
  EXPECT_EQ(Text(stlName), "%jjjj%-%mm%-%tt%");
  EXPECT_EQ(Items(P->ComboBox(stlName)), (TStrArray{"%jjjj%-%mm%-%tt%", "%hh%-%ii%-%ss%", "%date% %time%"}));
  EXPECT_EQ(P->SelectedIndex(stlName), 0);
  Switch(SprLangEnglish);
  EXPECT_EQ(Text(stlName), "%yyyy%-%mm%-%dd%");
  EXPECT_EQ(P->SelectedIndex(stlName), 0);

  P->SetStorageProfile(spTextDefFromFile);
  P->ComboBox(stlFolder)->setCurrentIndex(2);
  Switch(SprLangSpanish);
  EXPECT_EQ(Items(P->ComboBox(stlFolder)), (TStrArray{"<preservar>", "%folder%/new", "%folder%/%yyyy%-%mm%-%dd%"}));
  EXPECT_EQ(P->SelectedIndex(stlFolder), 2);
  EXPECT_EQ(Items(P->ComboBox(stlFormat)), (TStrArray{"<preservar>", "TXT", "DAT"}));
  EXPECT_EQ(P->SelectedIndex(stlFormat), 0);
  EXPECT_EQ(Text(stlFormat), "<preservar>");
  Switch(SprLangFrench);
  EXPECT_EQ(Text(stlFormat), "<conserver>");
  // The translation changes what the lists show, not the values.
  EXPECT_EQ(P->ValFormat(), "<keep>");
  EXPECT_EQ(Changes, 0);
}

TEST_F(SaveTargetSpr, ATypedTextIsTranslatedAndStaysTyped) {
  P->SetStorageProfile(spTextDefFromFile);
  QWidget* window = P.get();
  window->resize(300, 260);
  window->show();
  QApplication::processEvents();
  P->ComboBox(stlName)->lineEdit()->selectAll();
  QTest::keyClicks(P->ComboBox(stlName)->lineEdit(), "<keep>_%yyyy%%t%");
  EXPECT_EQ(P->ValName(), "<keep>_%yyyy%%t%");
  EXPECT_EQ(P->SelectedIndex(stlName), -1);
  Switch(SprLangGerman);
  EXPECT_EQ(Text(stlName), "<beibehalten>_%jjjj%%t%");
  EXPECT_EQ(P->SelectedIndex(stlName), -1);
  EXPECT_EQ(P->ComboBox(stlName)->currentIndex(), -1);
  EXPECT_EQ(Items(P->ComboBox(stlName))[0], "<beibehalten>");
  // A pattern chosen in German and stored that way reads as English later.
  Switch(SprLangEnglish);
  EXPECT_EQ(Text(stlName), "<keep>_%yyyy%%d%");
}

TEST_F(SaveTargetSpr, ResetShowsTheListsInTheLanguage) {
  Switch(SprLangGerman);
  P->SetValName("%yyyy%-%tt%");
  P->SetValFolder("<keep>");
  P->SetOptDeleteOriginalFile(true);
  EXPECT_EQ(Text(stlName), "%yyyy%-%tt%");
  P->ResetValuesToDefault();
  EXPECT_FALSE(P->OptDeleteOriginalFile());
  EXPECT_FALSE(P->CheckBox(stoDeleteOriginalFile)->isChecked());
  EXPECT_EQ(Text(stlName), "%jjjj%-%tt%");
  EXPECT_EQ(P->ValName(), "%yyyy%-%tt%");
}

TEST_F(SaveTargetSpr, AnEmptyTextStoreKeepsTheCaptions) {
  Switch(SprLangGerman);
  const TStrArray saved = SprResGlobalArr;
  SprResGlobalArr.clear();
  P->SetStorageProfile(spImgDefFromFile);
  P->SetLanguage(SprLangFrench);
  SprResGlobalArr = saved;
  EXPECT_EQ(P->Language(), static_cast<uint32_t>(SprLangFrench));
  EXPECT_EQ(P->Label(stlFolder)->text(), "Ordner:");
  EXPECT_EQ(Text(stlFolder), "<conserver>");
}

TEST_F(SaveTargetSpr, ACaptionWithAnAmpersandShowsIt) {
  Switch(SprLangEnglish);
  SprResGlobalArr[kSlotSaveTargetDeleteOriginal] = "Delete & forget";
  P->SetLanguage(SprLangEnglish);
  EXPECT_EQ(P->CheckBox(stoDeleteOriginalFile)->text().replace('\n', ' '), "Delete && forget");
}

TEST_F(SaveTargetSpr, TheFolderButtonOpensTheChooser) {
  Switch(SprLangGerman);
  testsupport::TempDir start, chosen;
  P->resize(300, 260);
  P->show();
  QApplication::processEvents();

  // "<keep>" names no folder: the chooser starts at its own place; Cancel keeps the value.
  std::string shownPath = "unset", title;
  OnNextModal([&](QWidget* modal) {
    title = FromQString(modal->windowTitle());
    shownPath = FromQString(modal->findChild<QLineEdit*>()->text());
    for (auto* b : modal->findChildren<QPushButton*>())
      if (b->text() == ToQString(SprText(200))) b->click();
  });
  QTest::mouseClick(P->FolderButton(), Qt::LeftButton);
  EXPECT_EQ(title, SprText(520));
  EXPECT_EQ(shownPath, "");
  EXPECT_EQ(P->ValFolder(), "<keep>");
  EXPECT_EQ(Changes, 0);

  // An existing folder is where the chooser starts; OK takes the chosen one.
  P->SetValFolder(start.str());
  OnNextModal([&](QWidget* modal) {
    auto* tree = modal->findChild<TDirTreeView*>();
    ASSERT_NE(tree, nullptr);
    WaitFor([&] { return !tree->IsLoading() && tree->GetPath() == start.str(); });
    shownPath = FromQString(modal->findChild<QLineEdit*>()->text());
    modal->findChild<QLineEdit*>()->setText(ToQString(chosen.str()));
    WaitFor([&] { return !tree->IsLoading() && tree->GetPath() == chosen.str(); });
    for (auto* b : modal->findChildren<QPushButton*>())
      if (b->text() == ToQString(SprText(192))) b->click();
  });
  P->FolderButton()->click();
  EXPECT_EQ(shownPath, start.str());
  EXPECT_EQ(P->ValFolder(), chosen.str());
  EXPECT_EQ(Text(stlFolder), chosen.str());
  EXPECT_EQ(Changes, 1);
}

TEST_F(SaveTargetSpr, ScreenshotsInEnglishGermanAndArabic) {
  for (int32_t language : {SprLangEnglish, SprLangGerman, SprLangArabic}) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    QWidget window;
    const bool arabic = language == SprLangArabic;
    window.setLayoutDirection(arabic ? Qt::RightToLeft : Qt::LeftToRight);
    auto* column = new QVBoxLayout(&window);
    column->setContentsMargins(8, 8, 8, 8);
    auto* panel = new TSaveSettingsContainerSpr(&window);
    column->addWidget(panel);
    panel->SetCaptionFormatSpr(capFormatAndFileExt);
    panel->SetStorageProfile(spImgAllFromFile);
    panel->SetOptDeleteOriginalFile(true);
    panel->SetLanguage(static_cast<uint32_t>(language));
    window.resize(340, 300);
    window.show();
    QApplication::processEvents();
    window.resize(340, window.sizeHint().height());
    QApplication::processEvents();
    EXPECT_GE(window.height(), panel->sizeHint().height());
    for (TSaveTargetList list : {stlFolder, stlName, stlFormat}) {
      // Every label shows its whole caption, and the lists start in one line.
      QLabel* label = panel->Label(list);
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << language;
      auto leading = [arabic](QWidget* w) { return arabic ? w->geometry().right() : w->x(); };
      EXPECT_EQ(leading(panel->ComboBox(list)), leading(panel->ComboBox(stlFolder))) << language;
      if (arabic) {
        EXPECT_GT(label->x(), panel->ComboBox(list)->x());
      }
    }
    if (arabic) {
      EXPECT_EQ(panel->Label(stlFolder)->text(), QString::fromStdString(SprText(255) + ":"));
      EXPECT_TRUE(panel->RadioButtonOverwriteFile()->isRightToLeft());
    }
    const char* names[] = {"save_target_spr_en", "save_target_spr_de", "save_target_spr_ar"};
    SaveScreenshot(&window, names[language == SprLangEnglish ? 0 : language == SprLangGerman ? 1 : 2]);
  }
}

}  // namespace
