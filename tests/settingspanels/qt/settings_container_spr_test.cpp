// The localised settings container: captions and default texts in the
// current language, the language switch, the folder chooser and screenshots.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <functional>

#include "controls/caption_panels.h"
#include "controls/directory_tree.h"
#include "controls/edit_with_button.h"
#include "controls/encoding_pickers.h"
#include "controls/id_combo_box.h"
#include "controls/list_box.h"
#include "controls/list_view.h"
#include "controls/multiline_check.h"
#include "controls/padding_button.h"
#include "controls/value_pickers.h"
#include "controls/zoom_memo.h"
#include "foundation/doc_ini.h"
#include "foundation/qt/qt_strings.h"
#include "settingspanels/qt/settings_container_spr.h"
#include "settingspanels_test_app.h"
#include "test_support.h"
#include "text/language_constants.h"
#include "text/localised_names.h"
#include "text/text_store.h"

namespace {

class ContainerSpr : public ::testing::Test {
 protected:
  void SetUp() override {
    PanelsTestApp();
    SetSprResGlobal(0);
    C = std::make_unique<TSettingsContainerSpr>();
    K = DeclareEveryKind(*C);
  }
  void TearDown() override { SetSprResGlobal(0); }
  // Opens every tab and makes the container tall enough to show all of it.
  void ShowWhole(QWidget* window) {
    for (int32_t t = 0; t < C->TabCount(); ++t) C->OpenTab(t, true);
    window->resize(460, 600);
    window->show();
    QApplication::processEvents();
    const int height = C->ScrollBox()->widget()->sizeHint().height();
    window->resize(460, height + 4);
    QApplication::processEvents();
  }
  std::unique_ptr<TSettingsContainerSpr> C;
  TEveryKind K;
};

TEST_F(ContainerSpr, ScreenshotsInEnglishAndArabic) {
  for (int32_t language : {SprLangEnglish, SprLangArabic}) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    QWidget window;
    window.setLayoutDirection(language == SprLangArabic ? Qt::RightToLeft : Qt::LeftToRight);
    C = std::make_unique<TSettingsContainerSpr>(&window);
    K = DeclareEveryKind(*C);
    auto* column = new QVBoxLayout(&window);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(C.get());
    C->Initialize();
    C->SetLanguage(static_cast<uint32_t>(language));
    C->SetTabActive(K.Search, true);
    C->RefreshShowNumberOfCheckedTabs();
    ShowWhole(&window);
    EXPECT_EQ(C->ScrollBox()->verticalScrollBar()->maximum(), 0);
    SaveScreenshot(&window, language == SprLangArabic ? "container_ar" : "container_en");
    C.reset();
  }
}

// A language switch re-captions a default text the user left alone, keeps
// one the user changed, and raises no value events for its own writes.
TEST_F(ContainerSpr, LanguageSwitchKeepsTypedTextsAndTranslatesUntouchedDefaults) {
  C->Initialize();
  C->SetLanguage(SprLangEnglish);
  C->ExecuteValueChangeOnlyIfTabActive = false;
  const int32_t typed = K[sckEditTextTop];
  const int32_t loaded = K[sckMemoTextTop];
  auto* typedEdit = qobject_cast<QLineEdit*>(C->GetControlRef(typed));
  auto* loadedMemo = qobject_cast<TAdvancedMemo*>(C->GetControlRef(loaded));
  EXPECT_EQ(typedEdit->text(), "Replace");
  typedEdit->setText("Mine");
  // A settings file that stored the English default.
  TDocINI doc;
  doc.LoadFromString("[replace]\nreplacements=Replace with\n");
  C->SettingsLoad(doc, false, false);
  EXPECT_TRUE(C->ControlRecords[loaded].ValueSet);

  int events = 0;
  C->OnCustomTabValueChange = [&](TSettingsContainerModel*, int32_t, const std::string&, int32_t, double) { ++events; };
  SetSprResGlobal(SprLangGerman);
  C->SetLanguage(SprLangGerman);
  EXPECT_EQ(C->Language(), static_cast<uint32_t>(SprLangGerman));
  EXPECT_EQ(events, 0);
  EXPECT_EQ(typedEdit->text(), "Mine");
  EXPECT_EQ(C->ControlRecords[typed].StrValue, "Mine");
  EXPECT_EQ(C->ControlRecords[typed].DefaultStrValue, "Ersetzen");
  EXPECT_EQ(loadedMemo->Text(), "Ersetzen durch");
  EXPECT_EQ(C->ControlRecords[loaded].StrValue, "Ersetzen durch");
  EXPECT_EQ(qobject_cast<QLabel*>(C->GetCaptionControlRef(typed))->text(), "Suchen nach:");
  EXPECT_EQ(qobject_cast<QCheckBox*>(C->TabWidgets(K.Search).HeaderControl)->text(), "Suche");
  EXPECT_EQ(qobject_cast<QLabel*>(C->TabWidgets(K.Head).HeaderControl)->text(), "Einstellungen");
  EXPECT_EQ(C->StrCaptionOptionButtons(), SprText(26));

  // Untouched twice over: back in English the texts are English again.
  SetSprResGlobal(SprLangEnglish);
  C->SetLanguage(SprLangEnglish);
  EXPECT_EQ(loadedMemo->Text(), "Replace with");
  EXPECT_EQ(typedEdit->text(), "Mine");
  // A reset takes the default in the language shown.
  SetSprResGlobal(SprLangGerman);
  C->SetLanguage(SprLangGerman);
  C->ResetValuesToDefault();
  EXPECT_EQ(typedEdit->text(), "Ersetzen");
  EXPECT_FALSE(C->ControlRecords[typed].ValueSet);
  EXPECT_EQ(events, 0);
}

TEST_F(ContainerSpr, CaptionsTakeTheirDecorations) {
  const int32_t tab = C->AddTab("T", 11, "t", scTabTypeCheckBox);
  const int32_t box = C->AddControl(tab, sckCheckBox, "", 792, "a", "0");
  const int32_t panel = C->AddControl(tab, sckCheckPanel, "", 792, "b", "0");
  const int32_t label = C->AddControl(tab, sckLabel, "", 792, "", "");
  const int32_t button = C->AddControl(tab, sckButton, "", 30, "", "");
  C->ControlRecords[button].Param = 1;
  const int32_t plainButton = C->AddControl(tab, sckButton, "", 125, "", "");
  const int32_t ownCaption = C->AddControl(tab, sckEditTextTop, "My own", -1, "c", "");
  C->ControlRecords[ownCaption].DefaultValueTextSlot = 84;
  const int32_t right = C->AddControl(tab, sckEditTextRight, "", 115, "d", "1");
  const int32_t align = C->AddControl(tab, sckAlignmentComboBox, "", 631, "e", "left");
  const int32_t unit = C->AddControl(tab, sckSizeTypeComboBox, "", 373, "f", "");
  C->Initialize();
  SetSprResGlobal(SprLangGerman);
  C->SetLanguage(SprLangGerman);
  EXPECT_EQ(qobject_cast<QCheckBox*>(C->GetControlRef(box))->text(), ToQString(SprText(792)).replace("&", "&&"));
  EXPECT_TRUE(qobject_cast<QCheckBox*>(C->GetControlRef(box))->text().contains("&&"));
  EXPECT_EQ(qobject_cast<TCheckPanel*>(C->GetControlRef(panel))->Caption(),
            FromQString(ToQString(SprText(792)).replace("&", "&&")));
  EXPECT_EQ(qobject_cast<QLabel*>(C->GetControlRef(label))->text(), ToQString(SprText(792)));
  EXPECT_EQ(qobject_cast<QPushButton*>(C->GetControlRef(button))->text(), ToQString(SprText(30) + "..."));
  EXPECT_EQ(qobject_cast<QPushButton*>(C->GetControlRef(plainButton))->text(), ToQString(SprText(125)));
  // Declaring only a default text leaves the caption as it is.
  EXPECT_EQ(qobject_cast<QLabel*>(C->GetCaptionControlRef(ownCaption))->text(), "My own");
  EXPECT_EQ(qobject_cast<QLineEdit*>(C->GetControlRef(ownCaption))->text(), "Suchen nach");
  EXPECT_EQ(qobject_cast<QLabel*>(C->GetCaptionControlRef(right))->text(), "Datum");
  EXPECT_EQ(qobject_cast<QLabel*>(C->GetCaptionControlRef(align))->text(), ToQString(SprText(631) + ":"));
  EXPECT_EQ(qobject_cast<QComboBox*>(C->GetControlRef(align))->itemText(0), ToQString(SprText(624)));
  EXPECT_EQ(qobject_cast<QComboBox*>(C->GetControlRef(unit))->itemText(0), ToQString(SprText(375)));
}

TEST_F(ContainerSpr, ListsAndPickersFollowTheLanguage) {
  C->Initialize();
  SetSprResGlobal(SprLangGerman);
  C->SetLanguage(SprLangGerman);
  // The list view's columns, its buttons and the order list's items.
  auto* view = qobject_cast<TVirtualListView*>(C->GetControlRef(K[sckVirtualListView]));
  ASSERT_EQ(view->ColumnInfos().size(), 3u);
  EXPECT_EQ(view->ColumnInfos()[1].Caption, SprText(739));
  EXPECT_EQ(view->ColumnInfos()[2].Caption, SprText(366));
  auto* order = qobject_cast<TVirtualListBox*>(C->GetControlRef(K[sckOrderListBox]));
  EXPECT_EQ(order->Items[1].Caption, "Größe");
  QStringList buttons;
  for (auto* b : C->GetControlRef(K[sckVirtualListViewButtonPanel])->findChildren<TPaddingButton*>())
    buttons << b->text();
  EXPECT_EQ(buttons, (QStringList{ToQString(SprText(529) + "..."), ToQString(SprText(30) + "..."),
                                  ToQString(SprText(55)), ToQString(SprText(53))}));

  // An id list with an odd Param keeps the order of its data; an even one is sorted.
  auto items = [&](int32_t index) {
    QStringList shown;
    auto* box = qobject_cast<QComboBox*>(C->GetControlRef(index));
    for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
    return shown;
  };
  EXPECT_EQ(items(K[sckIDComboBox]), (QStringList{"Kopieren", "Ausschneiden", "Einfügen", "Fixed text"}));
  EXPECT_EQ(items(K[sckIDComboBoxTextTop]), (QStringList{"Ausschneiden", "Einfügen", "Fixed text", "Kopieren"}));
  EXPECT_EQ(qobject_cast<TIDComboBox*>(C->GetControlRef(K[sckIDComboBoxTextTop]))->SelectedStrId(), "paste");

  // The encoding pickers name their items in the language.
  auto* codePages = qobject_cast<TCodePageComboBox*>(C->GetControlRef(K[sckCodePageComboBox]));
  const int index = codePages->currentIndex();
  EXPECT_EQ(codePages->itemText(0), ToQString(CodePageToStrSpr(codePages->LineTable()[0], true)));
  EXPECT_EQ(codePages->currentIndex(), index);
}

TEST_F(ContainerSpr, AnEmptyTextStoreLeavesEveryText) {
  C->Initialize();
  C->SetLanguage(SprLangEnglish);
  const TStrArray saved = SprResGlobalArr;
  SprResGlobalArr.clear();
  C->SetLanguage(SprLangGerman);
  SprResGlobalArr = saved;
  EXPECT_EQ(C->Language(), static_cast<uint32_t>(SprLangGerman));
  EXPECT_EQ(qobject_cast<QCheckBox*>(C->TabWidgets(K.Search).HeaderControl)->text(), "Search");
}

TEST_F(ContainerSpr, FolderButtonOpensTheChooser) {
  testsupport::TempDir dir;
  C->Initialize();
  C->ExecuteValueChangeOnlyIfTabActive = false;
  auto* edit = qobject_cast<TEditWithButton*>(C->GetControlRef(K[sckFolderEdit]));
  std::string started;
  OnNextModal([&](QWidget* modal) {
    // The folder tree lists in the background; the chooser is ready once it
    // stands on the start folder, and follows a typed path after that.
    auto* tree = modal->findChild<TDirTreeView*>();
    ASSERT_NE(tree, nullptr);
    WaitFor([&] { return !tree->IsLoading() && tree->GetPath() == "/tmp"; });
    started = FromQString(modal->findChild<QLineEdit*>()->text());
    modal->findChild<QLineEdit*>()->setText(ToQString(dir.str()));
    WaitFor([&] { return !tree->IsLoading() && tree->GetPath() == dir.str(); });
    for (auto* b : modal->findChildren<QPushButton*>())
      if (b->text() == "OK") b->click();
  });
  edit->Button()->click();
  EXPECT_EQ(started, "/tmp");
  EXPECT_EQ(edit->Value(), dir.str());
  EXPECT_EQ(C->ControlRecords[K[sckFolderEdit]].StrValue, dir.str());

  OnNextModal([&](QWidget* modal) {
    for (auto* b : modal->findChildren<QPushButton*>())
      if (b->text() == "Cancel") b->click();
  });
  edit->Button()->click();
  EXPECT_EQ(edit->Value(), dir.str());
}

}  // namespace
