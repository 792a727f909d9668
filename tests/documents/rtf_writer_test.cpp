#include "documents/rtf_writer.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

TDateTime March5() {
  TDateTime date = 0, time = 0;
  EXPECT_TRUE(TryEncodeDate(2024, 3, 5, date));
  EXPECT_TRUE(TryEncodeTime(14, 7, 9, 0, time));
  return ComposeDateTime(date, time);
}

// The example document: no company, creator or editor, fixed dates.
void MakeExample(TDocRTF& doc) {
  doc.DocumentCompany.clear();
  doc.DocumentCreator.clear();
  doc.DocumentLastModifiedBy.clear();
  doc.DocumentCreationDate = March5();
  doc.DocumentLastModificationDate = March5();
}

std::string Line(const std::string& text, int index) {
  size_t start = 0;
  for (int i = 0; i < index; ++i) start = text.find('\n', start) + 1;
  return text.substr(start, text.find('\n', start) - start);
}

TEST(RtfWriter, ExampleLines) {
  TDocRTF doc;
  MakeExample(doc);
  doc.Page().AddParagraph("abc", -1);
  doc.Page().AddParagraph("def", -1);
  EXPECT_EQ(doc.GetPlainText(),
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Times New Roman;}}\n"
            "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue255;}\n"
            "{\\stylesheet{\\s0\\f0\\fs24\\cf0\\ql Standard;}}\n"
            "{\\info{\\title Title}{\\subject Subject}{\\keywords Keywords}{\\doccomm Description}"
            "{\\creatim\\yr2024\\mo03\\dy05\\hr14\\min07\\sec09}{\\revtim\\yr2024\\mo03\\dy05\\hr14\\min07\\sec09}"
            "{\\edmins0}{\\version1}{\\vern1}}\n"
            "\\paperw11905\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\n"
            "\\pard\\plain\\f0\\fs24\\cf0\\ql{\\pard abc\\par}{\\pard def\\par}\n"
            "}");
  TDocRTF fresh;
  EXPECT_NE(fresh.GetInfoGroupAsString().find("{\\author Pellwick RTF Creator - "), std::string::npos);
}

TEST(RtfWriter, UnicodeEscapes) {
  struct Case {
    const char* text;
    const char* rtf;
  } cases[] = {
      // The fallback is the character in code page 1252, where it has one.
      {"\xC3\xA9", "\\uc1\\u0233\\'e9"},
      {"\xE2\x82\xAC", "\\uc1\\u8364\\'80"},
      {"\xC5\xA0", "\\uc1\\u0352\\'8a"},
      {"\xE4\xB8\xAD", "\\uc1\\u20013\\'3f"},
      // Above U+7FFF the unit is written as a negative 16-bit number.
      {"\xE8\xAF\xAD", "\\uc1\\u-29715\\'3f"},
      // Letters after the escape are not taken for its fallback.
      {"k\xC3\xA4mewirau", "k\\uc1\\u0228\\'e4mewirau"},
      {"\xC3\x84r\xC3\xA4", "\\uc1\\u0196\\'c4r\\u0228\\'e4"},
      // Beyond U+FFFF: the surrogate pair, each unit with its own fallback.
      {"\xF0\x9F\x98\x80", "\\uc1\\u-10179\\'3f\\u-8704\\'3f"},
      // A no-break space is in the code page as well.
      {"nb\xC2\xA0sp", "nb\\uc1\\u0160\\'a0sp"},
      {"a{b}c\\d", "a\\{b\\}c\\\\d"},
      {"", ""},
      // RTF readers skip these characters as they stand; the control words keep them.
      {"tab\there", "tab\\tab here"},
      {"a\nb\r\nc\rd", "a\\line b\\line c\\line d"},
      {"\t lead", "\\tab  lead"},
      // Runs of blanks alternate with \u32, or LibreOffice reads other
      // spaces; its fallback is a blank.
      {"a  b   c", "a \\uc1\\u0032\\'20b \\u0032\\'20 c"},
      {"double  blank", "double \\uc1\\u0032\\'20blank"},
      // A broken byte stands for U+FFFD; the text after it is kept.
      {"a\xFF"
       "b",
       "a\\uc1\\u-0003\\'3fb"},
  };
  for (const auto& c : cases) EXPECT_EQ(RtfUnicodeEscape(c.text), c.rtf) << c.text;
  EXPECT_EQ(RtfUnicodeEscape(std::string("x\0y", 3)), "xy");
}

TEST(RtfWriter, FontNamesInGB2312) {
  EXPECT_EQ(RtfUnicodeEscapeGB2312("\xE5\xAE\x8B\xE4\xBD\x93"), "\\'cb\\'ce\\'cc\\'e5");
  EXPECT_EQ(RtfUnicodeEscapeGB2312("A"), "\\'41");
  TDocRTF doc;
  doc.Fonts().AddFont("\xE5\xAE\x8B\xE4\xBD\x93");
  doc.Fonts().AddFont("M\xC3\xBCller");
  const std::string table = doc.GetFontTableAsString();
  EXPECT_EQ(table,
            "{\\fonttbl{\\f0\\fnil Times New Roman;}{\\f1\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"
            "{\\f2\\fnil\\fcharset134 \\'4d\\'a8\\'b9\\'6c\\'6c\\'65\\'72;}}");
  // A character outside the code page: one "?" for it.
  EXPECT_EQ(RtfUnicodeEscapeGB2312("a\xF0\x9F\x98\x80"
                                   "b"),
            "\\'61\\'3f\\'62");
}

TEST(RtfWriter, InfoGroupAndPage) {
  TDocRTF doc;
  MakeExample(doc);
  doc.DocumentEditingTime = 119;
  doc.DocumentVersion = -1;
  doc.DocumentTitle = "a{b}\\ \xC3\xA9";
  doc.DocumentSubject.clear();
  const std::string info = doc.GetInfoGroupAsString();
  EXPECT_NE(info.find("{\\edmins1}}"), std::string::npos);
  EXPECT_EQ(info.find("\\version"), std::string::npos);
  EXPECT_EQ(info.find("\\vern"), std::string::npos);
  EXPECT_EQ(info.find("subject"), std::string::npos);
  EXPECT_NE(info.find("{\\title a\\{b\\}\\\\ \\uc1\\u0233\\'e9}"), std::string::npos);

  doc.SetPageWidth(29.7);
  doc.PageHeight = 21;
  EXPECT_EQ(doc.GetPageAttributesAsString().rfind("\\landscape\\paperw16838\\paperh11905", 0), 0u);
  doc.SetPageWidth(21);
  EXPECT_EQ(doc.GetPageAttributesAsString().find("landscape"), std::string::npos);

  doc.Header().AddText("head");
  const std::string text = doc.GetPlainText();
  EXPECT_EQ(Line(text, 4), "\\paperw11905\\paperh11905\\margl1134\\margr1134\\margt1134\\margb1134\\headery1134");
  EXPECT_EQ(Line(text, 5), "{\\header\\pard\\plain\\f0\\fs24\\cf0\\ql head\\par}");
  EXPECT_EQ(Line(text, 6).rfind("\\pard\\plain", 0), 0u);
}

TEST(RtfWriter, SectionItems) {
  TDocRTF doc;
  doc.Page().AddText("x");
  doc.Page().SetFontBold(true);
  doc.Page().AddText("y");
  doc.Page().AddText("z");
  doc.Page().SetFontBold(false);
  doc.Page().SetFontSize(10.25f);
  doc.Page().AddParagraph("p", 0);
  doc.Page().AddText("after");
  EXPECT_EQ(doc.GetSectionAsString(doc.Page()),
            "\\f0\\fs24\\cf0\\ql x\\b yz\\b0\\fs20{\\pard\\s0\\f0\\fs24\\cf0\\ql p\\par} after");
  doc.PageColumnCount = 2;
  EXPECT_EQ(doc.GetSectionAsString(doc.Header()), "\\f0\\fs24\\cf0\\ql\\cols2");
}

TEST(RtfWriter, TableCellsAndBorders) {
  TDocRTF doc;
  TDocTable* table = doc.Page().Tables().Add({{"a", "b"}, {"c", "d"}});
  ASSERT_EQ(table->ColumnCount(), 2);
  EXPECT_DOUBLE_EQ(table->GetColumn(0).Width, 8.5);
  table->GetCell(0, 0).Borders.SetAll(true);
  table->GetCell(1, 1).Borders.Right = true;
  table->GetCell(1, 1).Borders.ColorRightID = 1;
  const std::string s = doc.GetTableAsString(*table);
  EXPECT_EQ(s,
            "\\pard\n"
            "{\\trowd\\clvertalt\\clbrdrt\\brdrw11\\brdrs\\clbrdrl\\brdrw11\\brdrs\\clbrdrb\\brdrw11\\brdrs"
            "\\clbrdrr\\brdrw11\\brdrs\\cellx4819\\clvertalt\\cellx9638"
            "\\pard\\intbl{\\f0\\fs24\\cf0\\ql a}\\cell\\pard\\intbl{\\f0\\fs24\\cf0\\ql b}\\cell\\row}\n"
            "{\\trowd\\clvertalt\\cellx4819\\clvertalt\\clbrdrr\\brdrw11\\brdrcf1\\brdrs\\cellx9638"
            "\\pard\\intbl{\\f0\\fs24\\cf0\\ql c}\\cell\\pard\\intbl{\\f0\\fs24\\cf0\\ql d}\\cell\\row}\n"
            "\\pard\n");
  EXPECT_NE(doc.GetSectionAsString(doc.Page()).find(s), std::string::npos);
}

TEST(RtfWriter, SavesAsciiOnly) {
  testsupport::TempDir dir;
  TDocRTF doc;
  doc.Page().AddParagraph("W\xC3\xB6rter \xE4\xB8\xAD\xE6\x96\x87", -1);
  ASSERT_TRUE(doc.SaveToFile(dir.file("w.rtf")));
  const std::string bytes = testsupport::ReadFileBytes(dir.file("w.rtf"));
  EXPECT_EQ(bytes, doc.GetPlainText());
  for (unsigned char c : bytes) ASSERT_LT(c, 0x80);
  EXPECT_FALSE(doc.SaveToFile(dir.file("w.rtf") + "/x.rtf"));
}

}  // namespace
