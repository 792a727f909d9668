#include <gtest/gtest.h>

#include <QLineEdit>

#include "controls/text_combo_box.h"
#include "controls/value_pickers.h"
#include "controls_test_app.h"
#include "text/text_store.h"

namespace {

TStrArray Lines(const QComboBox& box) {
  TStrArray lines;
  for (int i = 0; i < box.count(); ++i) lines.push_back(box.itemText(i).toStdString());
  return lines;
}

class PickersTest : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
};

TEST_F(PickersTest, AlignmentPickersLinesWordsAndPicks) {
  TAlignmentComboBox h;
  EXPECT_EQ(Lines(h), (TStrArray{"Left", "Right", "Center"}));
  struct TCase {
    std::string Word;
    TAlignment Value;
    int Line;
  };
  for (const TCase& c :
       {TCase{"right", taRightJustify, 1}, TCase{"center", taCenter, 2}, TCase{"left", taLeftJustify, 0}}) {
    h.SetAlignmentFromText(c.Word);
    EXPECT_EQ(h.Alignment(), c.Value);
    EXPECT_EQ(h.currentIndex(), c.Line);
    EXPECT_EQ(h.GetAlignmentAsText(), c.Word);
  }
  h.SetAlignmentFromText("Left");
  h.SetAlignment(taCenter);
  h.SetAlignmentFromText("Left");
  EXPECT_EQ(h.Alignment(), taCenter);
  h.SetStrings("Links", "Rechts", "Mitte");
  EXPECT_EQ(Lines(h), (TStrArray{"Links", "Rechts", "Mitte"}));
  EXPECT_EQ(h.StrAlignLeft(), "Left");
  std::vector<std::string> events;
  h.OnSelectionChange = [&](QObject*, TAlignment a) { events.push_back("sel " + std::to_string(a)); };
  h.OnChange = [&](QObject*) { events.push_back("change"); };
  h.SetAlignment(taLeftJustify);
  EXPECT_TRUE(events.empty());
  h.setCurrentIndex(1);
  h.Change();
  EXPECT_EQ(events, (std::vector<std::string>{"sel 1", "change"}));

  TAlignmentVerticalComboBox v;
  EXPECT_EQ(Lines(v), (TStrArray{"Top", "Bottom", "Center"}));
  v.setCurrentIndex(1);
  v.Change();
  EXPECT_EQ(v.Alignment(), tavBottom);
  EXPECT_EQ(v.GetAlignmentAsText(), "bottom");
  EXPECT_EQ(StrToAlignmentVertical("center", tavTop), tavCenter);
  EXPECT_EQ(StrToAlignmentVertical("Center", tavBottom), tavBottom);
  EXPECT_EQ(IntToAlignmentVertical(1), tavCenter);
  EXPECT_EQ(IntToAlignmentVertical(9), tavTop);
}

TEST_F(PickersTest, SizeUnitAndFontStylePickers) {
  TSizeTypeComboBox s;
  EXPECT_EQ(Lines(s), (TStrArray{"Best Unit", "Byte", "KB", "MB", "GB", "TB"}));
  s.SetSizeTypeFromString("MB");
  EXPECT_EQ(s.SizeType(), sizeTypeMB);
  EXPECT_EQ(s.currentIndex(), 3);
  s.SetSizeTypeFromString("kb");
  EXPECT_EQ(s.SizeType(), sizeTypeBestUnit);
  EXPECT_EQ(s.GetSizeTypeAsString(), "BestUnit");
  s.SetStrBestUnit("Beste Einheit");
  EXPECT_EQ(Lines(s)[0], "Beste Einheit");

  TFontStyleComboBox f;
  EXPECT_EQ(Lines(f), (TStrArray{"Regular", "Bold", "Italic", "Bold Italic"}));
  f.SetFrontStyleTypeFromString("bold-italic");
  EXPECT_EQ(f.currentIndex(), 3);
  EXPECT_EQ(f.GetFontStyleTypeAsString(), "bold-italic");
  EXPECT_EQ(f.GetFontStyleTypeAsInt(), 3);
  f.SetFrontStyleTypeFromInt(7);
  EXPECT_EQ(f.currentIndex(), 0);
  EXPECT_EQ(f.FontStyleType(), fstRegular);

  SetSprResGlobal(0);
  TFontStyleComboBoxSpr spr;
  spr.setItemText(3, "x");
  spr.SetLanguage();
  EXPECT_EQ(Lines(spr)[3], SprText(609) + " " + SprText(610));
  EXPECT_EQ(Lines(spr)[3], "Bold Italic");
}

TEST(NumberLinesTest, RangeIntervalAndCap) {
  EXPECT_EQ(NumberComboBoxLines(1, 6, 2), (TStrArray{"1", "3", "5"}));
  EXPECT_EQ(NumberComboBoxLines(20, 10, 1), (TStrArray{"20"}));
  EXPECT_EQ(NumberComboBoxLines(1, 5, 0), (TStrArray{"1"}));
  EXPECT_EQ(NumberComboBoxLines(1, 5, -3), (TStrArray{"1"}));
  EXPECT_EQ(NumberComboBoxLines(0, 2000000000, 1).size(), static_cast<size_t>(kNumberComboBoxMaxLines));
  TStrArray top = NumberComboBoxLines(2147483600, 2147483647, 40);
  EXPECT_EQ(top, (TStrArray{"2147483600", "2147483640"}));
}

TEST_F(PickersTest, NumberPickerBoundsIntervalAndTyping) {
  TNumberComboBox n;
  EXPECT_EQ(n.count(), 11);
  EXPECT_EQ(n.currentText(), "0");
  n.SetValueMin(1);
  n.SetValueMax(5);
  EXPECT_EQ(Lines(n), (TStrArray{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(n.currentIndex(), -1);
  EXPECT_EQ(n.Value(), 0);
  n.SetValue(3);
  EXPECT_EQ(n.currentText(), "3");
  n.SetValue(7);
  EXPECT_EQ(n.Value(), 3);
  n.SetValueMax(6);
  n.SetValueInterval(2);
  EXPECT_EQ(Lines(n), (TStrArray{"1", "3", "5"}));
  // A bound that would invert the range is refused; both stay changeable.
  n.SetValueMin(20);
  EXPECT_EQ(n.ValueMin(), 1);
  n.SetValueMax(0);
  EXPECT_EQ(n.ValueMax(), 6);
  n.SetValueMax(9);
  EXPECT_EQ(n.ValueMax(), 9);
  n.SetValueInterval(0);
  EXPECT_EQ(Lines(n), (TStrArray{"1"}));

  int changes = 0;
  n.OnChange = [&](QObject*) { ++changes; };
  n.SetAllowEditing(true);
  n.lineEdit()->setText("42");
  EXPECT_EQ(n.Value(), 42);
  n.lineEdit()->setText("4x");
  EXPECT_EQ(n.Value(), 42);
  EXPECT_EQ(changes, 2);
  n.SetValueFromString("x");
  EXPECT_EQ(n.Value(), 42);
}

TEST_F(PickersTest, FileFormatProfilesExtensionsAndLanguages) {
  EXPECT_EQ(FileFormatComboBoxLines(ffpCustom).size(), 0u);
  EXPECT_EQ(FileFormatComboBoxLines(ffpImgDefNew),
            (TStrArray{"JPG - JPEG-Image", "PNG - Portable Network Graphics", "BMP - Bitmap"}));
  EXPECT_EQ(FileFormatComboBoxLines(ffpImgAllFromFile).size(), 29u);
  EXPECT_EQ(FileFormatComboBoxLines(ffpTextDefFromFile), (TStrArray{"TXT", "LOG", "DAT"}));

  TFileFormatComboBox f;
  f.SetProfile(ffpImgAllNew);
  EXPECT_EQ(f.maxVisibleItems(), 25);
  f.SetExtension("png");
  EXPECT_EQ(f.GetExtension(), "PNG");
  f.SetExtension("tiff");
  EXPECT_EQ(f.currentText(), "TIFF - Tagged Image File Format");
  f.SetExtension("md");
  EXPECT_EQ(f.GetExtension(), "TIFF");
  f.SetLanguage(1);
  EXPECT_EQ(f.currentIndex(), 0);
  EXPECT_EQ(f.itemText(0), "JPG - JPEG-Bild");
  EXPECT_EQ(f.itemText(2), "BMP - Bitmap");
  f.SetLanguage(4);
  EXPECT_EQ(f.itemText(0), "JPG - Imagen JPEG");

  TFileFormatComboBox t;
  t.SetProfileFromInt(5);
  EXPECT_TRUE(t.isEditable());
  t.SetExtension("md");
  EXPECT_EQ(t.GetExtension(), "md");
  t.SetProfileFromInt(9);
  EXPECT_EQ(t.Profile(), ffpTextDefFromFile);
}

TEST(TextPlaceholdersTest, ReplacedRawAndLanguageRewrite) {
  TTextReplaceSwitches on;
  EXPECT_EQ(TextRawToTextReplaced("<SPACE>a<Leer>", on), " a");
  EXPECT_EQ(TextRawToTextReplaced("a<zeilenumbruch>b<tab>c", on), "a\nb\tc");
  EXPECT_EQ(TextReplacedToTextRaw("", on, 6), "<vide>");
  EXPECT_EQ(TextReplacedToTextRaw(" ", on, 6), "<espace>");
  EXPECT_EQ(TextReplacedToTextRaw("\t", on, 6), "<tab>");
  EXPECT_EQ(TextReplacedToTextRaw("a\r\nb", on, 0), "a\r<linebreak>b");
  EXPECT_EQ(TextRawToTextRawOfLanguage("<space>", on, 1, false, ","), "<leerzeichen>");
  EXPECT_EQ(TextRawToTextRawOfLanguage("<space>", on, 4, false, ","), "<espacio>");
  EXPECT_EQ(TextRawToTextRawOfLanguage("1.5", on, 1, true, ","), "1,5");
  EXPECT_EQ(TextRawToTextRawOfLanguage("1.5", on, 0, true, ","), "1.5");
  EXPECT_EQ(TextRawToTextRawOfLanguage("1,5", on, 0, true, ","), "1.5");
  EXPECT_EQ(TextRawToTextRawOfLanguage("1.5", on, 1, false, ","), "1.5");
  TTextReplaceSwitches noEmpty;
  noEmpty.ReplaceEmpty = false;
  EXPECT_EQ(TextReplacedToTextRaw("", noEmpty, 0), "");
  EXPECT_EQ(TextRawToTextReplaced("x<empty>", noEmpty), "x<empty>");
}

TEST_F(PickersTest, TextComboBoxLanguageAndChangeEvents) {
  TTextComboBox box;
  box.addItems({"<space>", "<linebreak>"});
  box.SetTextRaw("<space>");
  std::vector<std::pair<std::string, std::string>> events;
  box.OnSelectionChange = [&](QObject*, const std::string& raw, const std::string& replaced) {
    events.emplace_back(raw, replaced);
  };
  box.SetLanguage(1);
  EXPECT_EQ(box.GetTextRaw(), "<leerzeichen>");
  EXPECT_EQ(box.itemText(1), "<zeilenumbruch>");
  EXPECT_TRUE(events.empty());
  box.lineEdit()->setText("a<tab>b");
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].first, "a<tab>b");
  EXPECT_EQ(events[0].second, "a\tb");
  box.setCurrentIndex(0);
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events.back().second, " ");
}

}  // namespace
