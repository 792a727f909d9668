#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPushButton>

#include "controls/date_time_format.h"
#include "controls/edit_with_button.h"
#include "controls/font_chooser.h"
#include "controls_test_app.h"
#include "foundation/qt/qt_strings.h"

namespace {

class Edits : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
};

void Type(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &e);
  }
}

}  // namespace

TEST_F(Edits, EditWithButtonValueAndRightToLeft) {
  TEditWithButton edit;
  int changes = 0, clicks = 0;
  edit.OnChange = [&](QObject*) { ++changes; };
  edit.OnButtonClick = [&](QObject*) { ++clicks; };
  edit.SetValue("/home");
  EXPECT_EQ(edit.Edit()->text(), QStringLiteral("/home"));
  EXPECT_EQ(edit.Edit()->toolTip(), QStringLiteral("/home"));
  EXPECT_EQ(changes, 1);
  edit.SetValue("/home");
  EXPECT_EQ(changes, 1);
  edit.Button()->click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(edit.Button()->text(), QStringLiteral("..."));

  edit.resize(200, edit.height());
  edit.show();
  QApplication::processEvents();
  EXPECT_GT(edit.Button()->x(), edit.Edit()->x());
  edit.setLayoutDirection(Qt::RightToLeft);
  QApplication::processEvents();
  EXPECT_EQ(edit.Button()->x(), 0);
  EXPECT_EQ(edit.Edit()->x(), edit.Button()->width() + 1);
  SaveScreenshot(&edit, "edit_with_button_rtl");
}

TEST_F(Edits, ColourEditNormalisesAndFilters) {
  TColorEdit edit;
  EXPECT_EQ(edit.Edit()->text(), QStringLiteral("#FFFFFF"));
  EXPECT_EQ(edit.GetHexColor(), "FFFFFF");
  EXPECT_EQ(edit.Edit()->palette().color(QPalette::Text), QColor(Qt::black));
  int changes = 0;
  edit.OnChange = [&](QObject*) { ++changes; };
  edit.SetHexColor("  000000  ");
  EXPECT_EQ(edit.GetTColor(), 0u);
  EXPECT_EQ(edit.Edit()->palette().color(QPalette::Text), QColor(Qt::white));
  EXPECT_EQ(edit.Edit()->palette().color(QPalette::Base), QColor(Qt::black));
  edit.SetHexColor("12345");
  EXPECT_EQ(edit.GetTColor(), 0u);

  // Typing: only hexadecimal digits arrive; six of them are taken at once.
  edit.Edit()->clear();
  changes = 0;
  Type(edit.Edit(), QStringLiteral("zq1a-2B 3c"));
  EXPECT_EQ(edit.Edit()->text(), QStringLiteral("#1A2B3C"));
  EXPECT_EQ(edit.GetTColor(), RGBToColor(0x1A, 0x2B, 0x3C));
  EXPECT_GT(changes, 0);
  // A pasted invalid text changes nothing and raises nothing.
  changes = 0;
  edit.Edit()->setText(QStringLiteral("#xyz"));
  EXPECT_EQ(edit.GetTColor(), RGBToColor(0x1A, 0x2B, 0x3C));
  EXPECT_EQ(changes, 0);

  TColorEdit::ColorDialog = [](QWidget*, TGraphicsColor& c) {
    c = RGBToColor(1, 2, 3);
    return true;
  };
  edit.Button()->click();
  TColorEdit::ColorDialog = nullptr;
  EXPECT_EQ(edit.GetHexColor(), "010203");
  edit.show();
  QApplication::processEvents();
  QImage image = edit.grab().toImage();
  EXPECT_EQ(image.pixel(edit.Edit()->width() - 6, edit.height() / 2), qRgb(1, 2, 3));
  SaveScreenshot(&edit, "colour_edit");
}

TEST_F(Edits, FontNameEditTakesTheChoosersChoice) {
  TFontNameEditSpr edit;
  edit.SetFontName("DejaVu Sans");
  OnNextModal([](QWidget* modal) {
    auto* name = modal->findChild<QLineEdit*>(QStringLiteral("FontNameEdit"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), QStringLiteral("DejaVu Sans"));
    name->setText(QStringLiteral("DejaVu Serif"));
    modal->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
  });
  edit.Button()->click();
  EXPECT_EQ(edit.FontName(), "DejaVu Serif");
  OnNextModal([](QWidget* modal) {
    modal->findChild<QLineEdit*>(QStringLiteral("FontNameEdit"))->setText(QStringLiteral("Other"));
    modal->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
  });
  edit.FontDialogButtonClick();
  EXPECT_EQ(edit.FontName(), "DejaVu Serif");
}

TEST(DateTimeFormat, DerivedFromSystemFormats) {
  struct TCase {
    const char* date;
    const char* time;
    const char* format;
    const char* mask;
  } cases[] = {
      {"dd.MM.yyyy", "HH:mm:ss", "dd.mm.yyyy hh:nn:ss", "!99.99.9999 99:99:99;1;_"},
      {"d.M.yy", "H:mm:ss", "dd.mm.yyyy hh:nn:ss", "!99.99.9999 99:99:99;1;_"},
      {"M/d/yy", "h:mm:ss AP t", "mm/dd/yyyy hh:nn:ss", "!99/99/9999 99:99:99;1;_"},
      {"yyyy-MM-dd", "HH:mm", "yyyy-mm-dd hh:nn", "!9999-99-99 99:99;1;_"},
      {"dddd, d MMMM yyyy", "HH:mm:ss", "dd mm yyyy hh:nn:ss", "!99 99 9999 99:99:99;1;_"},
  };
  for (const TCase& c : cases) {
    std::string format = BuildDateTimeEditFormat(c.date, c.time);
    EXPECT_EQ(format, c.format) << c.date;
    EXPECT_EQ(DateTimeEditMask(format), c.mask);
  }
  EXPECT_EQ(DateTimeEditQtInputMask("dd.mm.yyyy hh:nn:ss"), "99.99.9999 99:99:99;_");
  TDateTime v = YYYYMMDDHHMMSSStringWithoutSeparatorToDateTime("20240131235958", 0);
  EXPECT_EQ(FormatDateTimeWith("dd.mm.yyyy hh:nn:ss", v), "31.01.2024 23:59:58");
}

TEST_F(Edits, DateTimeEditRoundTripAndTypedInput) {
  TDateTimeEdit edit("d.M.yy", "H:mm:ss");
  EXPECT_EQ(edit.DateTimeFormat(), "dd.mm.yyyy hh:nn:ss");
  EXPECT_EQ(edit.GetDateTimeAsYYYYMMDDHHIISS().size(), 14u);
  edit.SetDateTimeFromYYYYMMDDHHIISS("20240229123456");
  EXPECT_EQ(edit.GetDateTimeAsYYYYMMDDHHIISS(), "20240229123456");
  EXPECT_EQ(edit.text(), QStringLiteral("29.02.2024 12:34:56"));
  edit.SetDateTimeFromYYYYMMDDHHIISS("not a date");
  EXPECT_EQ(edit.GetDateTimeAsYYYYMMDDHHIISS(), "20240229123456");
  EXPECT_TRUE(edit.toolTip().startsWith(QStringLiteral("dd.mm.yyyy hh:nn:ss ")));

  std::vector<TDateTime> announced;
  int changes = 0, done = 0;
  edit.OnDateTimeChange = [&](QObject*, TDateTime v) { announced.push_back(v); };
  edit.OnChange = [&](QObject*) { ++changes; };
  edit.OnEditingDone = [&](QObject*) { ++done; };
  edit.setText(QStringLiteral("01.03.2025 08:09:10"));
  EXPECT_EQ(edit.GetDateTimeAsYYYYMMDDHHIISS(), "20250301080910");
  EXPECT_GT(changes, 0);
  edit.EditingDone();
  ASSERT_EQ(announced.size(), 1u);
  EXPECT_EQ(announced[0], edit.GetDateTime());
  EXPECT_EQ(done, 1);
  edit.EditingDone();  // nothing new
  EXPECT_EQ(announced.size(), 1u);
  // A value set by code is not announced.
  edit.SetDateTimeFromYYYYMMDDHHIISS("20200101000000");
  edit.EditingDone();
  EXPECT_EQ(announced.size(), 1u);
}
