// The application-wide part of the user-interface language: the layout
// direction every window takes and Qt's own texts.
#include "controls/application_language.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <memory>
#include <string>

#include "controls/dialogs.h"
#include "controls/zoom_memo.h"
#include "controls_test_app.h"
#include "text/language_constants.h"

namespace {

class ApplicationLanguage : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
  void TearDown() override { SetApplicationLanguage(SprLangEnglish); }
};

QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

TEST_F(ApplicationLanguage, QtsOwnButtonsReadAsTheLanguageWritesThem) {
  struct TCase {
    int32_t Language;
    const char* Ok;
    const char* Cancel;
    const char* Yes;
  };
  const TCase cases[] = {
      {SprLangEnglish, "OK", "Cancel", "Yes"},
      {SprLangGerman, "OK", "Abbrechen", "Ja"},
      {SprLangArabic, "\xD8\xAD\xD8\xB3\xD9\x86\xD9\x8B\xD8\xA7", "\xD8\xA3\xD9\x84\xD8\xBA\xD9\x90",
       "\xD9\x86\xD8\xB9\xD9\x85"},
      {SprLangRussian, "OK", "\xD0\x9E\xD1\x82\xD0\xBC\xD0\xB5\xD0\xBD\xD0\xB0", "\xD0\x94\xD0\xB0"},
      // Qt has no Serbian texts: its own stay English.
      {SprLangSerbian, "OK", "Cancel", "Yes"},
  };
  for (const TCase& c : cases) {
    SetApplicationLanguage(c.Language);
    QMessageBox box(QMessageBox::Information, "t", "m", QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes);
    EXPECT_EQ(Plain(box.button(QMessageBox::Ok)->text()).toStdString(), c.Ok) << c.Language;
    EXPECT_EQ(Plain(box.button(QMessageBox::Cancel)->text()).toStdString(), c.Cancel) << c.Language;
    EXPECT_EQ(Plain(box.button(QMessageBox::Yes)->text()).toStdString(), c.Yes) << c.Language;
    EXPECT_EQ(box.layoutDirection(), c.Language == SprLangArabic ? Qt::RightToLeft : Qt::LeftToRight);
  }
  // Switching back brings Qt's English again.
  SetApplicationLanguage(SprLangEnglish);
  QMessageBox box(QMessageBox::Information, "t", "m", QMessageBox::Cancel);
  EXPECT_EQ(Plain(box.button(QMessageBox::Cancel)->text()).toStdString(), "Cancel");
  EXPECT_EQ(QtTranslationLocale(SprLangBrazilianPortuguese), "pt_BR");
  EXPECT_EQ(QtTranslationLocale(SprLangSimplifiedChinese), "zh_CN");
}

TEST_F(ApplicationLanguage, ArabicMessageBoxAndTextFieldMenuAreRightToLeft) {
  SetApplicationLanguage(SprLangArabic);
  QMessageBox box(QMessageBox::Information, "t", "\xD8\xAA\xD9\x85 \xD8\xA7\xD9\x84\xD8\xAD\xD9\x81\xD8\xB8",
                  QMessageBox::Ok | QMessageBox::Cancel);
  box.show();
  QApplication::processEvents();
  EXPECT_EQ(box.layoutDirection(), Qt::RightToLeft);
  // Icon at the right, the buttons in mirrored order.
  auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
  ASSERT_NE(icon, nullptr);
  EXPECT_GT(icon->x(), box.width() / 2);
  SaveScreenshot(&box, "message_box_arabic");
  box.hide();

  QLineEdit field;
  std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  EXPECT_EQ(menu->layoutDirection(), Qt::RightToLeft);
  bool english = false;
  for (QAction* a : menu->actions())
    if (Plain(a->text()).startsWith(QStringLiteral("Undo")) || Plain(a->text()).startsWith(QStringLiteral("Paste")))
      english = true;
  EXPECT_FALSE(english);
  menu->adjustSize();
  SaveScreenshot(menu.get(), "text_field_menu_arabic");
}

// The code-built dialogs place their parts by hand; in a right-to-left
// application they show them mirrored.
TEST_F(ApplicationLanguage, CodeBuiltDialogsAreMirroredInArabic) {
  struct TPlaces {
    int OkX = 0, CancelX = 0, InputX = 0, InputRight = 0, Width = 0;
    Qt::LayoutDirection Direction = Qt::LeftToRight;
  };
  auto inspect = [](int32_t language, const char* shot) {
    SetApplicationLanguage(language);
    TPlaces places;
    OnNextModal([&places, shot](QWidget* modal) {
      places.Direction = modal->layoutDirection();
      places.Width = modal->width();
      places.OkX = modal->findChild<QPushButton*>(kDialogOkButtonName)->x();
      places.CancelX = modal->findChild<QPushButton*>(kDialogCancelButtonName)->x();
      QWidget* input = modal->findChild<QWidget*>(kDialogInputName);
      places.InputX = input->x();
      places.InputRight = modal->width() - input->x() - input->width();
      if (shot) SaveScreenshot(modal, shot);
      modal->findChild<QPushButton*>(kDialogCancelButtonName)->click();
    });
    InputEdit("\xD8\xA3\xD8\xB1\xD9\x82\xD8\xA7\xD9\x85",
              "\xD9\x85\xD9\x86 - \xD8\xA5\xD9\x84\xD9\x89:", "\xD8\xAD\xD8\xB3\xD9\x86\xD9\x8B\xD8\xA7",
              "\xD8\xA5\xD9\x84\xD8\xBA\xD8\xA7\xD8\xA1", "1-100", false);
    return places;
  };
  const TPlaces ltr = inspect(SprLangEnglish, nullptr);
  const TPlaces rtl = inspect(SprLangArabic, "input_edit_arabic");
  EXPECT_EQ(ltr.Direction, Qt::LeftToRight);
  EXPECT_EQ(rtl.Direction, Qt::RightToLeft);
  ASSERT_EQ(ltr.Width, rtl.Width);
  EXPECT_LT(ltr.OkX, ltr.CancelX);
  EXPECT_GT(rtl.OkX, rtl.CancelX);
  EXPECT_EQ(rtl.InputRight, ltr.InputX);

  // The long-text window keeps its mirrored places when it is resized.
  SetApplicationLanguage(SprLangArabic);
  OnNextModal([](QWidget* modal) {
    auto* ok = modal->findChild<QPushButton*>(kDialogOkButtonName);
    auto* memo = modal->findChild<TAdvancedMemo*>(kDialogInputName);
    const int okRight = modal->width() - ok->x() - ok->width();
    const int memoRight = modal->width() - memo->x() - memo->width();
    EXPECT_LT(ok->x(), modal->width() / 2);
    modal->resize(modal->width() + 80, modal->height() + 40);
    QApplication::processEvents();
    EXPECT_EQ(modal->width() - ok->x() - ok->width(), okRight + 80);
    EXPECT_EQ(modal->width() - memo->x() - memo->width(), memoRight);
    SaveScreenshot(modal, "input_memo_arabic");
    ok->click();
  });
  InputMemo("t", "p", "OK", "Cancel", "a\nb");
}

}  // namespace
