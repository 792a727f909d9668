// The last right-to-left and Japanese corners of the windows: where the popup
// menus open, the language tab after a live switch, and the Japanese info
// dialog and length hint.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <cstdlib>
#include <string>

#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"
#include "frame/core/settings_types.h"
#include "frame/qt/info_dialog.h"
#include "frame/qt/settings_window.h"
#include "qt_test_support.h"
#include "text/language_constants.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "wordgen_gui_test_app.h"

namespace {

class WindowDetails : public TWordGenFixture {
 protected:
  static void SwitchLanguage(Tprog& window, int32_t language) {
    window.SP().SettingsObj().SetLanguage(language);
    window.SP().SettingsObj().OnLanguageChange(language);
    ASSERT_EQ(window.SP().Language(), language);
  }
};

// Right-clicked at a point of a field, the popup opens as Qt opens menus in a
// right-to-left window: its right edge at the cursor, in a field with a
// scrollbar as in one without.
TEST_F(WindowDetails, ArabicPopupsOpenToTheLeftOfTheCursor) {
  Tprog w(Options());
  w.resize(760, 560);
  SwitchLanguage(w, SprLangArabic);
  std::string lines;
  for (int i = 0; i < 200; ++i) lines += std::to_string(i) + " ab\n";
  w.m_silben()->setPlainText(ToQString(lines));
  w.show();
  QApplication::processEvents();
  ASSERT_TRUE(w.m_silben()->verticalScrollBar()->isVisible());

  const struct {
    TAdvancedMemo* Field;
    const char* Menu;
    const char* Shot;
  } kFields[] = {
      {w.m_silben(), "pm_silben", "rtl_popup_syllable_list"},
      {w.m_creator_out(), "pm_creator_out", "rtl_popup_creator_output"},
  };
  for (const auto& f : kFields) {
    QMenu* menu = w.Popup(f.Menu);
    ASSERT_NE(menu, nullptr) << f.Menu;
    const QPoint inViewport(f.Field->viewport()->width() / 2, 30);
    const QPoint cursor = f.Field->viewport()->mapToGlobal(inViewport);
    // The menu opens at the mouse, as after a right click there.
    QCursor::setPos(cursor);
    QRect shown;
    QTimer::singleShot(0, menu, [&, menu] {
      shown = menu->geometry();
      SaveScreenshotWithMenu(&w, menu, f.Shot);
      menu->close();
    });
    // Bounded: the timer closes the menu as soon as exec() runs its loop.
    emit f.Field->customContextMenuRequested(inViewport);
    ASSERT_TRUE(shown.isValid()) << f.Menu;
    EXPECT_LE(std::abs(shown.right() + 1 - cursor.x()), 2)
        << f.Menu << " right " << shown.right() << " cursor " << cursor.x();
    EXPECT_LE(std::abs(shown.top() - cursor.y()), 2) << f.Menu;
  }
}

// The "save language" button stays inside the page after a live switch to
// Arabic, where it is placed as when the window opens in Arabic.
TEST_F(WindowDetails, LanguageTabButtonStaysInsideThePageAfterALiveSwitch) {
  Tprog w(Options());
  auto buttonGeometry = [&](const char* shot) {
    TSOWindow* settings = w.SP().SettingsWindowHost().SettingsWindow();
    EXPECT_NE(settings, nullptr);
    if (!settings) return QRect();
    QApplication::processEvents();
    auto* button = settings->findChild<QWidget*>("bt_savelanguage");
    EXPECT_NE(button, nullptr);
    if (!button) return QRect();
    const QWidget* page = button->parentWidget();
    EXPECT_GE(button->x(), 0) << shot;
    EXPECT_LE(button->geometry().right(), page->width() - 1) << shot;
    SaveScreenshot(settings, shot);
    return button->geometry();
  };
  SwitchLanguage(w, SprLangArabic);
  w.SP().ShowSettings(kSOTabLanguage);
  const QRect opened = buttonGeometry("rtl_language_tab_opened");
  const int openedGap =
      w.SP().SettingsWindowHost().SettingsWindow()->findChild<QWidget*>("bt_savelanguage")->parentWidget()->width() -
      opened.right();
  w.SP().SettingsWindowHost().SettingsWindow()->close();
  QApplication::processEvents();

  SwitchLanguage(w, SprLangEnglish);
  w.SP().ShowSettings(kSOTabLanguage);
  QApplication::processEvents();
  SwitchLanguage(w, SprLangArabic);
  const QRect switched = buttonGeometry("rtl_language_tab_live_switch");
  // As wide as when the window opens in Arabic, and as far from the page's right edge.
  const QWidget* page =
      w.SP().SettingsWindowHost().SettingsWindow()->findChild<QWidget*>("bt_savelanguage")->parentWidget();
  EXPECT_EQ(switched.width(), opened.width());
  EXPECT_EQ(page->width() - switched.right(), openedGap);
  w.SP().SettingsWindowHost().SettingsWindow()->close();
}

// The Japanese info dialog and the hint for the length field, looked at.
TEST_F(WindowDetails, JapaneseInfoDialogAndLengthHint) {
  Tprog w(Options());
  SwitchLanguage(w, SprLangJapanese);
  w.SP().InfoDialogObj().ShowInfoDialog(5000);
  QWidget* info = w.SP().InfoDialogObj().Form();
  ASSERT_NE(info, nullptr);
  QApplication::processEvents();
  SaveScreenshot(info, "ja_info_dialog");
  info->close();

  TQtProgDialogs real(&w);
  QString shown;
  OnNextModal([&](QWidget* modal) {
    shown = static_cast<QMessageBox*>(modal)->text();
    SaveScreenshot(modal, "ja_length_hint");
    static_cast<QDialog*>(modal)->reject();
  });
  real.MessageBox(TMessageKind::Error, SprText(7), SprLocalText(40));
  EXPECT_TRUE(shown.contains(QStringLiteral("1〜3"))) << FromQString(shown);
}

}  // namespace

namespace {

// An Arabic count table reads as one table in a large window: each cell keeps
// its own direction (the per cent sign on one side in every row), a lone
// combining mark shows on a dotted circle, and the table sits at the right.
TEST_F(WindowDetails, ArabicCountTableReadsAsOneTable) {
  Tprog w(Options());
  w.resize(1600, 1000);
  SwitchLanguage(w, SprLangArabic);
  w.pc()->setCurrentWidget(w.tab_counter());
  // Letters, the Arabic comma and a tanwin (a combining mark counted alone).
  w.m_counter_in()->setPlainText(QStringLiteral("كتاب، قلمٌ كتابٌ، بيت"));
  w.bt_countClick(nullptr);
  w.show();
  QApplication::processEvents();
  const QString shown = w.m_counter_out()->toPlainText();
  const QStringList rows = shown.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_GT(rows.size(), 4);
  int percentRows = 0;
  for (const QString& row : rows) {
    if (!row.contains(QLatin1Char('%'))) continue;  // the total row
    ++percentRows;
    EXPECT_TRUE(row.endsWith(QStringLiteral("%\u2069"))) << FromQString(row);
    EXPECT_TRUE(row.startsWith(QChar(0x2068))) << FromQString(row);
  }
  EXPECT_GT(percentRows, 3);
  EXPECT_TRUE(shown.contains(QStringLiteral("\u2068\u25CC\u064C\u2069"))) << FromQString(shown);
  // The rows begin at the field's right edge: the first row's letter is drawn there.
  QPlainTextEdit* field = w.m_counter_out();
  const QRect start = field->cursorRect(QTextCursor(field->document()->firstBlock()));
  EXPECT_GT(start.left(), field->viewport()->width() * 3 / 4) << start.left();
  SaveScreenshot(&w, "rtl_count_table_isolated");
}

}  // namespace
