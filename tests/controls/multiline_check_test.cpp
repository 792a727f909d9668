#include <gtest/gtest.h>

#include <QVBoxLayout>

#include "controls/multiline_check.h"
#include "controls_test_app.h"
#include "foundation/qt/qt_strings.h"

namespace {

// Every character 10 pixels wide, lines 16 high: "ww" reserves 20.
class TTenPixels : public TTextMeasurer {
 public:
  int32_t TextWidth(std::string_view text) const override { return 10 * static_cast<int32_t>(text.size()); }
  int32_t TextHeight(std::string_view) const override { return 16; }
};

}  // namespace

TEST(WrapCaption, ShortCaptionIsTrimmed) {
  TTenPixels m;
  TWrappedCaption w = WrapCaptionToWidth("  short  ", 200, true, m);
  EXPECT_EQ(w.Caption, "short");
  EXPECT_EQ(w.PreferredHeight, -1);
}

TEST(WrapCaption, LongCaptionGetsLineBreaksAndHeight) {
  TTenPixels m;
  // limit 100 - 20 = 80: "aaa bbb" is 70, "ccc" goes on the next line.
  TWrappedCaption w = WrapCaptionToWidth("aaa bbb ccc ddd", 100, true, m);
  EXPECT_EQ(w.Caption, "aaa bbb\nccc ddd");
  EXPECT_EQ(w.PreferredHeight, 2 * 16);
  // Wrapping the result again gives the same, without piling up breaks.
  EXPECT_EQ(WrapCaptionToWidth(w.Caption, 100, true, m).Caption, w.Caption);
  // A wider control puts it back on one line.
  EXPECT_EQ(WrapCaptionToWidth(w.Caption, 400, true, m).Caption, "aaa bbb ccc ddd");
}

TEST(WrapCaption, LineBreaksAreFlattenedFirst) {
  TTenPixels m;
  EXPECT_EQ(WrapCaptionToWidth("one\r\ntwo", 400, true, m).Caption, "one two");
  EXPECT_EQ(WrapCaptionToWidth("one\ntwo\rthree", 400, true, m).Caption, "one two three");
  // Runs of blanks are only halved by the one pass.
  EXPECT_EQ(WrapCaptionToWidth("a\r\n\r\nb", 400, true, m).Caption, "a  b");
}

TEST(WrapCaption, WithoutWordWrapNothingChanges) {
  TTenPixels m;
  TWrappedCaption w = WrapCaptionToWidth("  a\r\nvery long caption indeed  ", 30, false, m);
  EXPECT_EQ(w.Caption, "  a\r\nvery long caption indeed  ");
  EXPECT_EQ(w.PreferredHeight, -1);
  EXPECT_EQ(WrapCaptionToWidth("", 30, true, m).Caption, "");
}

TEST(CheckBoxML, WrapsToItsWidthAndRewrapsOnResize) {
  ControlsTestApp();
  TCheckBoxML box(QStringLiteral("Count the letters of every word, also of the words that appear twice"));
  box.resize(150, 20);
  box.show();
  QString wrapped = box.text();
  EXPECT_FALSE(wrapped.startsWith(QLatin1Char('\n')));
  int lines = static_cast<int>(wrapped.count(QLatin1Char('\n'))) + 1;
  EXPECT_GE(lines, 3);
  EXPECT_GE(box.height(), lines * QFontMetrics(box.font()).height());
  EXPECT_LE(box.height(), lines * QFontMetrics(box.font()).height() + 8);
  box.resize(1000, box.height());
  EXPECT_EQ(box.text(), QStringLiteral("Count the letters of every word, also of the words that appear twice"));
  box.SetWordWrap(false);
  box.setText(QStringLiteral("  kept\r\nas is  "));
  box.resize(30, 20);
  EXPECT_EQ(box.text(), QStringLiteral("  kept\r\nas is  "));

  TRadioButtonML radio;
  radio.SetCaption(QStringLiteral("  one line  "));
  radio.resize(400, 20);
  radio.show();
  EXPECT_EQ(radio.text(), QStringLiteral("one line"));
}

TEST(CheckBoxML, Screenshot) {
  ControlsTestApp();
  QWidget window;
  auto* column = new QVBoxLayout(&window);
  auto* box =
      new TCheckBoxML(QStringLiteral("Write every word in upper case and keep the letters that have no upper case"));
  auto* radio = new TRadioButtonML(QStringLiteral("Side by side, separated by one blank"));
  column->addWidget(box);
  column->addWidget(radio);
  column->addStretch(1);
  window.resize(220, 160);
  window.show();
  QApplication::processEvents();
  SaveScreenshot(&window, "multiline_check");
  EXPECT_GT(box->height(), QFontMetrics(box->font()).height());
}
