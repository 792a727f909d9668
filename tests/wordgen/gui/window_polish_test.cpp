// The windows around the main window as a user meets them in every language:
// the direction of every kind of window in Arabic, no internal names on
// screen, Qt's own texts, the keys of every Qt desktop and texts that fit.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/dialogs.h"
#include "controls/edit_with_button.h"
#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"
#include "frame/qt/info_dialog.h"
#include "frame/qt/settings_window.h"
#include "qt_test_support.h"
#include "text/language_constants.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "wordgen/gui/settings_ids.h"
#include "wordgen_gui_test_app.h"

namespace {

class WindowPolish : public TWordGenFixture {
 protected:
  // The user's choice of a language in the settings window.
  static void SwitchLanguage(Tprog& window, int32_t language) {
    window.SP().SettingsObj().SetLanguage(language);
    window.SP().SettingsObj().OnLanguageChange(language);
    ASSERT_EQ(window.SP().Language(), language);
  }
  static TSOWindow* OpenSettings(Tprog& window, int32_t tab) {
    window.SP().ShowSettings(tab);
    QApplication::processEvents();
    return window.SP().SettingsWindowHost().SettingsWindow();
  }
};

// Runs inspect on the next modal window once it shows, then closes it.
void InspectNextModal(std::function<void(QWidget*)> inspect) {
  OnNextModal([inspect = std::move(inspect)](QWidget* modal) {
    inspect(modal);
    if (auto* box = qobject_cast<QMessageBox*>(modal))
      box->button(QMessageBox::Ok)->click();
    else if (auto* ok = modal->findChild<QPushButton*>(kDialogOkButtonName))
      ok->click();
  });
}

// Every menu of the window with the path of titles that leads to it.
void CollectMenus(QMenu* menu, const std::string& path, std::vector<std::pair<QMenu*, std::string>>& out) {
  out.push_back({menu, path});
  for (QAction* a : menu->actions())
    if (a->menu()) CollectMenus(a->menu(), path + " > " + FromQString(a->menu()->title()), out);
}

TEST_F(WindowPolish, EveryWindowKindIsRightToLeftInArabic) {
  Tprog w(Options());
  w.resize(515, 610);
  SwitchLanguage(w, SprLangArabic);
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(w.layoutDirection(), Qt::RightToLeft);
  w.show();
  QApplication::processEvents();
  SaveScreenshot(&w, "rtl_main_window");

  TSOWindow* settings = OpenSettings(w, 0);
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(settings->layoutDirection(), Qt::RightToLeft);
  SaveScreenshot(settings, "rtl_settings_window");
  settings->close();

  w.SP().InfoDialogObj().ShowInfoDialog(5000);
  QWidget* info = w.SP().InfoDialogObj().Form();
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->layoutDirection(), Qt::RightToLeft);
  QCoreApplication::processEvents();
  SaveScreenshot(info, "rtl_info_dialog");
  info->close();

  // The window's own popup and the context menu of a text field.
  QMenu* popup = w.Popup("pm_counter_out");
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->layoutDirection(), Qt::RightToLeft);
  popup->adjustSize();
  SaveScreenshot(popup, "rtl_popup_menu");
  std::unique_ptr<QMenu> fieldMenu(w.m_counter_in()->createStandardContextMenu());
  EXPECT_EQ(fieldMenu->layoutDirection(), Qt::RightToLeft);
  fieldMenu->adjustSize();
  SaveScreenshot(fieldMenu.get(), "rtl_text_field_menu");
  QMenu* file = w.findChild<QMenu*>("m_file");
  EXPECT_EQ(file->layoutDirection(), Qt::RightToLeft);
  file->adjustSize();
  SaveScreenshot(file, "rtl_menu_bar_menu");

  // The program's real dialogs: a message, the number-range question and the "saved" notice.
  TQtProgDialogs real(&w);
  Qt::LayoutDirection boxDirection = Qt::LeftToRight;
  QString okText;
  InspectNextModal([&](QWidget* modal) {
    boxDirection = modal->layoutDirection();
    okText = static_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->text();
    SaveScreenshot(modal, "rtl_message_box");
  });
  real.MessageBox(TMessageKind::Information, SprText(1), SprLocalText(41));
  EXPECT_EQ(boxDirection, Qt::RightToLeft);
  EXPECT_NE(okText.remove('&'), QStringLiteral("OK"));

  Qt::LayoutDirection inputDirection = Qt::LeftToRight;
  bool okRightOfCancel = false;
  InspectNextModal([&](QWidget* modal) {
    inputDirection = modal->layoutDirection();
    okRightOfCancel = modal->findChild<QPushButton*>(kDialogOkButtonName)->x() >
                      modal->findChild<QPushButton*>(kDialogCancelButtonName)->x();
    SaveScreenshot(modal, "rtl_input_dialog");
  });
  real.InputEdit(SprLocalText(22), SprText(403) + ":", SprText(192), SprText(200), "1-100");
  EXPECT_EQ(inputDirection, Qt::RightToLeft);
  EXPECT_TRUE(okRightOfCancel);

  Qt::LayoutDirection noticeDirection = Qt::LeftToRight;
  InspectNextModal([&](QWidget* modal) {
    noticeDirection = modal->layoutDirection();
    SaveScreenshot(modal, "rtl_notice");
  });
  NotificationDialog(SprText(1), SprText(809), SprText(192));
  EXPECT_EQ(noticeDirection, Qt::RightToLeft);

  SwitchLanguage(w, SprLangEnglish);
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
  EXPECT_EQ(popup->layoutDirection(), Qt::LeftToRight);
}

TEST_F(WindowPolish, EveryRowOfACountTableRunsInTheWindowsDirection) {
  Tprog w(Options());
  // Lines that begin with a letter, with the Arabic comma and with a combining mark.
  const std::string text =
      "\xD9\x83\xD8\xAA\xD8\xA7\xD8\xA8 \xD9\x82\xD9\x84\xD9\x85\n"
      "\xD8\x8C \xD9\x83\xD8\xAA\xD8\xA7\xD8\xA8\n"
      "\xD9\x8E\xD9\x82\xD9\x84\xD9\x85 abc 12\n"
      "abc \xD9\x83\xD8\xAA\xD8\xA7\xD8\xA8";
  for (int32_t language : {SprLangArabic, SprLangEnglish}) {
    SwitchLanguage(w, language);
    w.pc()->setCurrentWidget(w.tab_counter());
    w.m_counter_in()->setPlainText(ToQString(text));
    w.bt_countClick(nullptr);
    const Qt::LayoutDirection expected = language == SprLangArabic ? Qt::RightToLeft : Qt::LeftToRight;
    QTextDocument* table = w.m_counter_out()->document();
    ASSERT_GT(table->blockCount(), 3);
    for (QTextBlock b = table->begin(); b.isValid(); b = b.next())
      EXPECT_EQ(b.textDirection(), expected) << language << ": " << b.text().toStdString();
    if (language == SprLangArabic) {
      w.show();
      QApplication::processEvents();
      SaveScreenshot(&w, "rtl_count_table");
    }
  }
}

TEST_F(WindowPolish, NoMenuShowsAnObjectName) {
  Tprog w(Options());
  const QRegularExpression internal(QStringLiteral("^(m|pm|Mac)[_A-Za-z0-9]*_[A-Za-z0-9_]*$"));
  for (int32_t language : {SprLangEnglish, SprLangGerman, SprLangRussian}) {
    SwitchLanguage(w, language);
    std::vector<std::pair<QMenu*, std::string>> menus;
    for (QAction* top : w.menuBar()->actions())
      if (top->menu()) CollectMenus(top->menu(), FromQString(top->menu()->title()), menus);
    for (QMenu* popup : w.findChildren<QMenu*>())
      if (popup->objectName().startsWith("pm_")) CollectMenus(popup, FromQString(popup->objectName()), menus);
    ASSERT_GE(menus.size(), 10u);
    for (const auto& [menu, path] : menus) {
      for (QAction* a : menu->actions()) {
        const QString text = a->isSeparator() ? a->text() : a->text().remove('&');
        if (a->isSeparator()) {
          EXPECT_TRUE(text.isEmpty()) << language << " " << path << ": divider " << FromQString(a->objectName());
          continue;
        }
        EXPECT_FALSE(text.isEmpty()) << language << " " << path << ": " << FromQString(a->objectName());
        EXPECT_NE(text, a->objectName()) << language << " " << path;
        EXPECT_FALSE(internal.match(text).hasMatch()) << language << " " << path << ": " << FromQString(text);
      }
    }
  }
}

TEST_F(WindowPolish, WindowsFitTheirTextsInEveryLanguage) {
  Tprog w(Options());
  w.resize(515, 610);
  w.show();
  for (int32_t language = 0; language < SprLanguageCount; ++language) {
    if (language == SprLangKorean) continue;  // not offered
    SwitchLanguage(w, language);
    QApplication::processEvents();
    const std::string lang = SprConstToString(language);
    // Buttons are as wide as their text and the style's margins, with room beside the text.
    for (QPushButton* b : w.findChildren<QPushButton*>())
      if (b->isVisibleTo(&w)) {
        EXPECT_GE(b->width(), b->sizeHint().width() + 16) << lang << " " << FromQString(b->objectName());
      }
    // The info dialog's tab titles all stay in view.
    w.SP().InfoDialogObj().ShowInfoDialog(5000);
    QWidget* info = w.SP().InfoDialogObj().Form();
    QApplication::processEvents();
    auto* pc = info->findChild<QTabWidget*>("pc");
    EXPECT_LE(pc->tabBar()->sizeHint().width(), pc->width()) << lang;
    if (language == SprLangRussian || language == SprLangSimplifiedChinese || language == SprLangJapanese ||
        language == SprLangBrazilianPortuguese || language == SprLangItalian || language == SprLangDutch ||
        language == SprLangDanish)
      SaveScreenshot(info, "info_dialog_" + SprConstTo2CharString(language, false));
    info->close();
    // No check box or radio button of the settings window overlaps another, on any tab.
    TSOWindow* settings = OpenSettings(w, 0);
    QTabWidget* tabs = settings->FPageControl;
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      QApplication::processEvents();
      std::vector<QAbstractButton*> checks;
      for (QAbstractButton* b : tabs->widget(i)->findChildren<QAbstractButton*>())
        if ((qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b)) && b->isVisibleTo(tabs->widget(i)))
          checks.push_back(b);
      for (QAbstractButton* b : checks) {
        EXPECT_GE(b->width(), b->sizeHint().width()) << lang << " tab " << i << " " << FromQString(b->text());
        for (QAbstractButton* other : checks)
          if (other != b) {
            EXPECT_FALSE(b->geometry().intersects(other->geometry()))
                << lang << " tab " << i << ": \"" << FromQString(b->text()) << "\" overlaps \""
                << FromQString(other->text()) << "\"";
          }
      }
      for (QPushButton* b : tabs->widget(i)->findChildren<QPushButton*>())
        if (b->isVisibleTo(tabs->widget(i))) {
          EXPECT_GE(b->width(), b->sizeHint().width()) << lang << " tab " << i << " " << FromQString(b->text());
        }
      if (language == SprLangRussian || language == SprLangGerman || language == SprLangArabic ||
          language == SprLangSimplifiedChinese || language == SprLangJapanese ||
          language == SprLangBrazilianPortuguese || language == SprLangItalian || language == SprLangDutch ||
          language == SprLangDanish)
        SaveScreenshot(settings, "settings_" + SprConstTo2CharString(language, false) + "_tab" + std::to_string(i));
    }
    // The window grows to its tab titles, as far as the screen allows.
    const int screenWidth = settings->screen()->availableGeometry().width();
    if (tabs->tabBar()->sizeHint().width() + 24 <= screenWidth)
      EXPECT_LE(tabs->tabBar()->sizeHint().width(), tabs->width()) << lang;
    else
      EXPECT_EQ(settings->width(), screenWidth) << lang;
    settings->close();
    QApplication::processEvents();
  }
}

TEST_F(WindowPolish, TheFontFieldShowsTheFontInUse) {
  Tprog w(Options());
  TSOWindow* settings = OpenSettings(w, 0);
  ASSERT_NE(settings, nullptr);
  auto* field = settings->findChild<TFontNameEditSpr*>(QStringLiteral("fe%1").arg(kSettingFont));
  ASSERT_NE(field, nullptr);
  EXPECT_FALSE(field->FontName().empty());
  EXPECT_EQ(field->FontName(), FromQString(QFontInfo(w.m_silben()->font()).family()));
  EXPECT_EQ(field->Edit()->text(), ToQString(field->FontName()));
  // The whole name is in view.
  EXPECT_GE(field->Edit()->width(), field->Edit()->fontMetrics().horizontalAdvance(field->Edit()->text()));
  EXPECT_GE(field->width(), field->WidthToShowText());
  SaveScreenshot(settings, "settings_general_font");
}

}  // namespace
