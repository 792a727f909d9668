#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>

#include "controls/advanced_combo_box.h"
#include "controls/advanced_edit.h"
#include "controls/padding_button.h"
#include "controls/style_splitter.h"
#include "controls_test_app.h"

TEST(AdvancedEditFilter, OnlyDigitsBackspaceAndDelete) {
  for (char32_t ch : {U'0', U'5', U'9', char32_t(8), char32_t(127)}) {
    EXPECT_TRUE(AdvancedEditAcceptsChar(acOnlyDigits, ch));
  }
  for (char32_t ch : {U'a', U' ', U'-', U'.', U',', U'+', U'\u0663'}) {
    EXPECT_FALSE(AdvancedEditAcceptsChar(acOnlyDigits, ch));
    EXPECT_TRUE(AdvancedEditAcceptsChar(acAllowAll, ch));
  }
}

TEST(AdvancedEditFilter, TypedKeysAreFilteredPasteIsNot) {
  ControlsTestApp();
  TAdvancedEdit edit;
  edit.SetAllowedCharacters(acOnlyDigits);
  auto type = [&](const QString& text, int key = 0) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&edit, &e);
  };
  for (const char* s : {"1", "a", "2", " ", "-", ".", "3"}) type(QString::fromLatin1(s), 'A');
  EXPECT_EQ(edit.text(), QStringLiteral("123"));
  type(QStringLiteral("\b"), Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), QStringLiteral("12"));
  edit.insert(QStringLiteral("x-1"));  // pasted text passes
  EXPECT_EQ(edit.text(), QStringLiteral("12x-1"));
  edit.SetAllowedCharacters(acAllowAll);
  type(QStringLiteral("z"), 'Z');
  EXPECT_EQ(edit.text(), QStringLiteral("12x-1z"));
}

TEST(AdvancedComboBox, TypingAndPickingRaiseChangesSettingDoesNot) {
  ControlsTestApp();
  TAdvancedComboBox box;
  box.SetItems({"alpha", "beta"});
  box.SetDropDownCount(15);
  EXPECT_EQ(box.DropDownCount(), 15);
  int changes = 0;
  box.OnChange = [&](QObject*) { ++changes; };
  box.SetText("typed by code");
  EXPECT_EQ(box.Text(), "typed by code");
  EXPECT_EQ(changes, 0);
  QKeyEvent key(QEvent::KeyPress, 'X', Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(box.lineEdit(), &key);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(box.Text(), "typed by codex");
  box.setCurrentIndex(1);
  emit box.activated(1);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(box.Text(), "beta");
  // A typed text never joins the list, and new items keep the shown text.
  box.SetText("gamma");
  box.SetItems({"one"});
  EXPECT_EQ(box.count(), 1);
  EXPECT_EQ(box.Text(), "gamma");
}

TEST(AdvancedComboBox, TypingStillReportsAfterTheListWasChooseOnly) {
  ControlsTestApp();
  TAdvancedComboBox box;
  box.SetItems({"alpha", "beta"});
  int changes = 0;
  box.OnChange = [&](QObject*) { ++changes; };
  box.SetEditable(false);
  EXPECT_FALSE(box.isEditable());
  EXPECT_EQ(changes, 0);
  box.SetEditable(true);
  box.SetEditable(true);
  ASSERT_NE(box.lineEdit(), nullptr);
  QKeyEvent key(QEvent::KeyPress, 'X', Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(box.lineEdit(), &key);
  EXPECT_EQ(changes, 1);
  box.SetText("typed");
  box.SetItems({"one"});
  EXPECT_EQ(box.count(), 1);  // a typed text still never joins the list
}

TEST(PaddingButton, PreferredSizeAndHeightCap) {
  EXPECT_EQ(PaddingButtonPreferredSize(50, 16, 12, 3, true), QSize(74, 20));
  EXPECT_EQ(PaddingButtonPreferredSize(50, 16, 12, 3, false), QSize(74, 22));
  EXPECT_EQ(PaddingButtonPreferredSize(50, 12, 12, 3, true), QSize(74, 18));
  ControlsTestApp();
  TPaddingButton button(QStringLiteral("Choose…"));
  QFontMetrics metrics(button.font());
  int w = metrics.horizontalAdvance(QStringLiteral("Choose…"));
  EXPECT_EQ(button.width(), w + 24);
  EXPECT_EQ(button.height(), std::min(20, metrics.height() + 6));
  button.SetPaddingHorizontal(20);
  EXPECT_EQ(button.width(), w + 40);
  button.SetAutoSize(false);
  EXPECT_EQ(button.sizeHint().height(), metrics.height() + 6);
  button.SetAutoSize(true);
  button.SetCaption(QStringLiteral("A much longer caption"));
  EXPECT_EQ(button.width(), metrics.horizontalAdvance(QStringLiteral("A much longer caption")) + 40);
  SaveScreenshot(&button, "padding_button");
}

TEST(StyleSplitter, DotsAndLineGeometry) {
  auto column = StyleSplitterDotPositions(QRect(0, 0, 6, 100), true);
  EXPECT_EQ(column, (std::vector<QPoint>{{3, 44}, {3, 47}, {3, 50}, {3, 53}, {3, 56}}));
  auto row = StyleSplitterDotPositions(QRect(0, 0, 100, 6), false);
  EXPECT_EQ(row, (std::vector<QPoint>{{44, 3}, {47, 3}, {50, 3}, {53, 3}, {56, 3}}));
  TStyleSplitterLine line = StyleSplitterOrthLine(QRect(0, 0, 6, 100), true);
  EXPECT_EQ(line.From, QPoint(0, 45));
  EXPECT_EQ(line.To, QPoint(6, 45));
  line = StyleSplitterOrthLine(QRect(0, 0, 100, 6), false);
  EXPECT_EQ(line.From, QPoint(45, 0));
  EXPECT_EQ(line.To, QPoint(45, 6));
}

TEST(StyleSplitter, HandlesPaintTheirStyle) {
  ControlsTestApp();
  TStyleSplitter splitter(Qt::Horizontal);
  splitter.addWidget(new QWidget);
  splitter.addWidget(new QWidget);
  splitter.setHandleWidth(6);
  splitter.resize(200, 100);
  splitter.Style = ssStyleDots;
  splitter.show();
  QApplication::processEvents();
  QSplitterHandle* handle = splitter.handle(1);
  QImage image = handle->grab().toImage();
  QColor shadow = handle->palette().color(QPalette::Dark);
  for (const QPoint& dot : StyleSplitterDotPositions(handle->rect(), true)) {
    EXPECT_EQ(image.pixel(dot), shadow.rgb());
  }
  EXPECT_NE(image.pixel(QPoint(0, 0)), shadow.rgb());
  SaveScreenshot(&splitter, "style_splitter_dots");
}
