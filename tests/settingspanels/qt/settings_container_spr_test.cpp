// The localised settings container: captions and default texts in the
// current language, the language switch, the folder chooser and screenshots.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "controls/caption_panels.h"
#include "controls/encoding_pickers.h"
#include "controls/id_combo_box.h"
#include "controls/list_box.h"
#include "controls/list_view.h"
#include "controls/multiline_check.h"
#include "controls/padding_button.h"
#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"
#include "settingspanels/qt/settings_container_spr.h"
#include "settingspanels_test_app.h"
#include "text/language_constants.h"
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

}  // namespace
