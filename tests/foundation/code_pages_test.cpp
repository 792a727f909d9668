#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/code_pages.h"
#include "foundation/utf8.h"

// The tests below name code pages by their constants; these are the numbers
// that settings files store for them.
static_assert(cpASCII == 0 && cpAutoDetect == 2 && cpKeep == 3 && cpBinary == 5 && cpUTF1 == 100 && cpSCSU == 101 &&
              cpBOCU1 == 102 && cpUTFEBCDIC == 103 && cpUTF16LE == 1200 && cpUTF16BE == 1201 && cpWindows1250 == 1250 &&
              cpWindows1251 == 1251 && cpWindows1252 == 1252 && cpWindows1253 == 1253 && cpUTF32LE == 12000 &&
              cpUTF32BE == 12001 && cpGB18030 == 54936 && cpUTF7ANSI == 64999 && cpUTF7 == 65000 && cpUTF8 == 65001 &&
              cpUTF8BOM == 65002 && cpISO88591 == 88591 && cpISO88592 == 88592);

namespace {

struct NameRow {
  int32_t id;
  const char* longName;
  const char* shortName;
  const char* strID;
  const char* isoName;
};

const NameRow kTable[] = {
    {cpASCII, "ASCII (7 BIT)", "ASCII", "ascii", "US-ASCII"},
    {cpAutoDetect, "Auto Detect", "AUTO", "auto", "AUTO"},
    {cpKeep, "Keep", "KEEP", "keep", "KEEP"},
    {cpBinary, "BINARY", "BINARY", "binary", "BINARY"},
    {cpUTF1, "UTF-1", "UTF-1", "utf1", "UTF-1"},
    {cpSCSU, "SCSU", "SCSU", "scsu", "SCSU"},
    {cpBOCU1, "BOCU-1", "BOCU-1", "bocu1", "BOCU-1"},
    {cpUTFEBCDIC, "UTF-EBCDIC", "UTF-EBCDIC", "utf-ebcdic", "UTF-EBCDIC"},
    {cpUTF16LE, "UTF-16 Little Endian", "UTF-16 LE", "utf16le", "UTF-16LE"},
    {cpUTF16BE, "UTF-16 Big Endian", "UTF-16 BE", "utf16be", "UTF-16BE"},
    {cpWindows1250, "WINDOWS-1250 (Central European)", "WINDOWS-1250", "win1250", "WIN-1250"},
    {cpWindows1251, "WINDOWS-1251 (Cyrillic)", "WINDOWS-1251", "win1251", "WIN-1251"},
    {cpWindows1252, "WINDOWS-1252 (Western European)", "WINDOWS-1252", "win1252", "WIN-1252"},
    {cpWindows1253, "WINDOWS-1253 (Greek)", "WINDOWS-1253", "win1253", "WIN-1253"},
    {cpUTF32LE, "UTF-32 Little Endian", "UTF-32 LE", "utf32le", "UTF-32LE"},
    {cpUTF32BE, "UTF-32 Big Endian", "UTF-32 BE", "utf32be", "UTF-32BE"},
    {cpGB18030, "GB-18030", "GB-18030", "gb18030", "GB-18030"},
    {cpUTF7ANSI, "UTF-7 ANSI", "UTF-7 ANSI", "utf7", "UTF-7"},
    {cpUTF7, "UTF-7", "UTF-7", "utf7", "UTF-7"},
    {cpUTF8, "UTF-8", "UTF-8", "utf8", "UTF-8"},
    {cpUTF8BOM, "UTF-8 BOM", "UTF-8 BOM", "utf8", "UTF-8"},
    {cpISO88591, "LATIN-1 (ISO 8859-1)", "LATIN-1", "latin1", "ISO-8859-1"},
    {cpISO88592, "LATIN-2 (ISO 8859-2)", "LATIN-2", "latin2", "ISO-8859-2"},
};

std::string UTF7(const std::string& utf8) { return WideStringToUTF7(UTF8ToUTF16(utf8)); }
std::string FromUTF7(const std::string& utf7) { return UTF16ToUTF8(UTF7ToWideString(utf7)); }

}  // namespace

TEST(CodePageNames, EveryFormOfTheTable) {
  for (const auto& r : kTable) {
    EXPECT_EQ(CodePageToStr(r.id, true), r.longName) << r.id;
    EXPECT_EQ(CodePageToStr(r.id, false), r.shortName) << r.id;
    EXPECT_EQ(CodePageToStrID(r.id), r.strID) << r.id;
    EXPECT_EQ(CodePageToISOStr(r.id, true, true), r.isoName) << r.id;
  }
  for (int32_t unknown : {-1, 1, 4, 6, 1254, 65003, 165001}) {
    EXPECT_EQ(CodePageToStr(unknown, true), "Unknown");
    EXPECT_EQ(CodePageToStr(unknown, false), "UNKOWN");
    EXPECT_EQ(CodePageToStrID(unknown), "unknown");
    EXPECT_EQ(CodePageToISOStr(unknown, true, true), "UNKOWN");
  }
  EXPECT_EQ(CodePageToISOStr(cpWindows1252, false, false), "win1252");
  EXPECT_EQ(CodePageToISOStr(cpISO88591, false, true), "iso-8859-1");
  EXPECT_EQ(CodePageToISOStr(cpUTF16LE, true, false), "UTF16LE");
}

TEST(CodePageNames, StrToCodePageMapsEveryNameFormBack) {
  for (const auto& r : kTable) {
    for (const char* form : {r.longName, r.shortName, r.strID, r.isoName}) {
      int32_t expected = r.id;
      // The shared string id and ISO name belong to the plain variant.
      if (r.id == cpUTF7ANSI && (form == r.strID || form == r.isoName)) expected = cpUTF7;
      if (r.id == cpUTF8BOM && (form == r.strID || form == r.isoName)) expected = cpUTF8;
      EXPECT_EQ(StrToCodePage(form), expected) << form;
    }
  }
}

TEST(CodePageNames, StrToCodePageCleansTheInput) {
  struct Case {
    const char* text;
    int32_t id;
  } cases[] = {
      {"  WINDOWS-1252 (Western European)  ", cpWindows1252},
      {"\twin_1251\n", cpWindows1251},
      {"wInDoWs-1253 (gReEk)", cpWindows1253},
      {"Latin 2", cpISO88592},
      {"iso_8859-1", cpISO88591},
      {"utf-16-be", cpUTF16BE},
      {"Utf 32 Little Endian", cpUTF32LE},
      {"AUTO-DETECT", cpAutoDetect},
      {"", cpUTF8},
      {"klingon", cpUTF8},
      {"WINDOWS-1254", cpUTF8},
      {"UTF-7 ANSI", cpUTF7ANSI},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToCodePage(c.text), c.id) << c.text;
}

TEST(CodePageNames, AvailableList) {
  EXPECT_EQ(CodePagesAvailable(),
            (TIntArray{cpASCII, cpISO88591, cpISO88592, cpWindows1250, cpWindows1251, cpWindows1252, cpWindows1253,
                       cpUTF7, cpUTF8, cpUTF16LE, cpUTF16BE, cpUTF32LE, cpUTF32BE}));
}

TEST(UTF7, RFCVectors) {
  struct Case {
    const char* text;
    const char* utf7;
  } cases[] = {
      {"A\u2262\u0391.", "A+ImIDkQ."},
      {"Hi Mom -\u263A-!", "Hi Mom -+Jjo--!"},
      {"\u65E5\u672C\u8A9E", "+ZeVnLIqe"},
      {"a+b", "a+-b"},
      {"+", "+-"},
      {"", ""},
      {"Item 3 is \u00A31.", "Item 3 is +AKM-1."},
      {"a\u00E9", "a+AOk"},    // a run at the end stays open
      {"\u00E9-", "+AOk--"},   // "-" after a run needs the closing "-"
      {"\u00E9 x", "+AOk x"},  // a blank ends the run by itself
      {"~\\", "+AH4AXA"},      // neither is in the direct sets
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UTF7(c.text), c.utf7) << c.text;
    EXPECT_EQ(FromUTF7(c.utf7), c.text) << c.utf7;
  }
}

TEST(UTF7, DecoderIsLenient) {
  EXPECT_EQ(FromUTF7("+-"), "+");
  EXPECT_EQ(FromUTF7("a+-b+-"), "a+b+");
  EXPECT_EQ(FromUTF7("+"), "");
  EXPECT_EQ(FromUTF7("x+-"), "x+");
  EXPECT_EQ(FromUTF7("+ZeVnLIqe-x"), "\u65E5\u672C\u8A9Ex");
  EXPECT_EQ(FromUTF7("+A-b"), "b");  // too few bits for a unit: nothing
  EXPECT_EQ(FromUTF7("+AOk.x"), "\u00E9.x");
  // Bytes that UTF-7 never holds do not pass through as broken UTF-8.
  EXPECT_EQ(FromUTF7("a\xE9z"), "a\uFFFDz");
}

TEST(UTF7, CharactersBeyondTheBMPRoundTrip) {
  for (const char* text : {"\U0001F60A", "x\U0001D11Ey", "\U0010FFFF\U00010000\U00010001"}) {
    std::string encoded = UTF7(text);
    EXPECT_EQ(FromUTF7(encoded), text);
    EXPECT_EQ(UTF8ToCodePageBytes(text, cpUTF7), encoded);
    EXPECT_EQ(CodePageBytesToUTF8(encoded, cpUTF7), text);
  }
  EXPECT_EQ(UTF7("\U0001F600"), "+2D3eAA");
}

TEST(UTF7, EverySixteenBitUnitRoundTrips) {
  std::u16string all;
  for (char32_t u = 0; u < 0x10000; ++u) all.push_back(static_cast<char16_t>(u));
  EXPECT_EQ(UTF7ToWideString(WideStringToUTF7(all)), all);
}

TEST(CodePageHelpers, SmallConversions) {
  EXPECT_EQ(Latin1BytesToUTF8(std::string("\x80\x41\x00", 3)), "\u20ACA");
  EXPECT_EQ(Latin1BytesToUTF8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(Latin1BytesToUTF8("\x9F\xA0\xFF"), "\u0178\u00A0\u00FF");
  EXPECT_EQ(ConvertFromUTF32(0x110000), u"?");
  EXPECT_EQ(ConvertFromUTF32(0xD800), u"?");
  EXPECT_EQ(ConvertFromUTF32(0xDFFF), u"?");
  EXPECT_EQ(ConvertFromUTF32(0x41), u"A");
  EXPECT_EQ(ConvertFromUTF32(0x1F60A), u"\U0001F60A");
  EXPECT_EQ(HiByte(0x12AB), 0x12);
  EXPECT_EQ(LoByte(0x12AB), 0xAB);
  std::u16string units{u'A', 0, 0x1234};
  StrSwapByteOrder(units);
  EXPECT_EQ(units, (std::u16string{0x4100, 0, 0x3412}));
}

TEST(CodePageConversion, NulInsideUTF16AndUTF32TextIsKept) {
  const std::string text("a\0b\0", 4);
  struct Case {
    int32_t cp;
    std::string bytes;
  } cases[] = {
      {cpUTF16LE, std::string("a\0\0\0b\0\0\0", 8)},
      {cpUTF16BE, std::string("\0a\0\0\0b\0\0", 8)},
      {cpUTF32LE, std::string("a\0\0\0\0\0\0\0b\0\0\0\0\0\0\0", 16)},
      {cpUTF32BE, std::string("\0\0\0a\0\0\0\0\0\0\0b\0\0\0\0", 16)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UTF8ToCodePageBytes(text, c.cp), c.bytes) << c.cp;
    EXPECT_EQ(CodePageBytesToUTF8(c.bytes, c.cp), text) << c.cp;
  }
}

TEST(CodePageConversion, AsciiWritesOneQuestionMarkPerCharacter) {
  EXPECT_EQ(UTF8ToCodePageBytes("Gr\u00FC\u00DFe", cpASCII), "Gr??e");
  EXPECT_EQ(UTF8ToCodePageBytes("\u65E5\U0001F60A!", cpASCII),
            "?"
            "?!");
  EXPECT_EQ(UTF8ToCodePageBytes("Gr\u00FC\u00DFe \u20AC", cpWindows1252),
            "Gr\xFC\xDF"
            "e \x80");
  EXPECT_EQ(UTF8ToCodePageBytes("\u65E5x\U0001F60A", cpWindows1252), "?x?");
}

// The count of characters a save writes as "?" agrees with the "?" the
// conversion writes, for every kind of code page.
TEST(CodePageConversion, CountsTheCharactersTheCodePageCannotHold) {
  const struct {
    const char* Text;
    int32_t CodePage;
    int64_t NotHeld;
  } kCases[] = {
      {"k\u00E4\u65E5\u672Cm\u00FC", cpISO88591, 2},
      {"k\u00E4\u65E5\u672Cm\u00FC", cpASCII, 4},
      {"k\u00E4\u65E5\u672Cm\u00FC", cpUTF8, 0},
      {"k\u00E4\u65E5\u672Cm\u00FC", cpUTF16LE, 0},
      {"k\u00E4\u65E5\u672Cm\u00FC", cpUTF7, 0},
      {"Gr\u00FC\u00DFe \u20AC\U0001F60A", cpWindows1252, 1},
      {"Gr\u00FC\u00DFe \u20AC\U0001F60A", cpISO88591, 2},
      {"\u0416\u00E4", cpWindows1251, 1},
      {"a?b", cpISO88591, 0},
      {"", cpASCII, 0},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(CharsNotInCodePage(c.Text, c.CodePage), c.NotHeld) << c.Text << " in " << c.CodePage;
    if (c.CodePage == cpASCII || c.CodePage == cpISO88591 || c.CodePage == cpWindows1251 ||
        c.CodePage == cpWindows1252) {
      const std::string bytes = UTF8ToCodePageBytes(c.Text, c.CodePage);
      const std::string_view original(c.Text);
      const auto marks =
          std::count(bytes.begin(), bytes.end(), '?') - std::count(original.begin(), original.end(), '?');
      EXPECT_EQ(marks, c.NotHeld) << c.Text << " in " << c.CodePage;
    }
  }
}

TEST(CodePageConversion, InvalidBytesNeverReachTheProgram) {
  // Text read as UTF-8 is repaired; undefined bytes of a code page read as U+FFFD.
  EXPECT_EQ(CodePageBytesToUTF8("\xEF\xBB\xBF"
                                "a\xE9z",
                                cpUTF8),
            "a\uFFFDz");
  EXPECT_EQ(CodePageBytesToUTF8("a\xC3\xA9", cpUTF8BOM), "a\u00E9");
  EXPECT_EQ(CodePageBytesToUTF8("\x81\x80", cpWindows1252), "\uFFFD\u20AC");
  EXPECT_TRUE(UTF8IsValid(CodePageBytesToUTF8("\xD8\x00\x41\x00", cpUTF16LE)));
  EXPECT_EQ(CodePageBytesToUTF8(std::string("\x00\xD8\x41\x00", 4), cpUTF16LE), "\uFFFDA");
  EXPECT_EQ(CodePageBytesToUTF8(std::string("\x00\x00\x11\x00\x41\x00\x00\x00", 8), cpUTF32LE), "?A");
  // An id without a conversion hands the bytes over unchanged.
  EXPECT_EQ(CodePageBytesToUTF8("a\xE9z", 6), "a\xE9z");
  EXPECT_EQ(UTF8ToCodePageBytes("a\xE9z", cpBinary), "a\xE9z");
}

TEST(CodePageConversion, GB18030IsDecodedThroughIconvWhenMarked) {
  EXPECT_EQ(CodePageBytesToUTF8("\x84\x31\x95\x33"
                                "\xD6\xD0\xCE\xC4"
                                "A",
                                cpGB18030),
            "\u4E2D\u6587A");
  EXPECT_EQ(CodePageBytesToUTF8("\x84\x31\x95\x33"
                                "\xD6",
                                cpGB18030),
            "\uFFFD");
  // Without the mark GB 18030 is decoded too; text that is valid UTF-8 is
  // what earlier versions wrote for this id and stays as it is.
  EXPECT_EQ(CodePageBytesToUTF8("\xD6\xD0\xCE\xC4"
                                "A",
                                cpGB18030),
            "\u4E2D\u6587A");
  EXPECT_EQ(CodePageBytesToUTF8("\u4E2D\u6587A", cpGB18030), "\u4E2D\u6587A");
}

// Writing converts every character, those beyond U+FFFF included; a byte
// that is no UTF-8 stands for U+FFFD.
TEST(CodePageConversion, GB18030IsWrittenAsGB18030) {
  EXPECT_EQ(UTF8ToCodePageBytes("\u4E2D\u6587A", cpGB18030),
            "\xD6\xD0\xCE\xC4"
            "A");
  EXPECT_EQ(UTF8ToCodePageBytes("\u00E9\U0001F600", cpGB18030), "\xA8\xA6\x94\x39\xFC\x36");
  EXPECT_EQ(UTF8ToCodePageBytes("a\xFF", cpGB18030), "a\x84\x31\xA4\x37");
  EXPECT_EQ(CodePageBOM(cpGB18030), "\x84\x31\x95\x33");
  EXPECT_EQ(CharsNotInCodePage("\U0001F600", cpGB18030), 0);
}

TEST(UTF7, EndsInRun) {
  struct Case {
    const char* text;
    bool inRun;
  } cases[] = {
      {"", false},     {"abc", false}, {"+AOk", true},   {"+AOk-", false},   {"+AOk x", false}, {"a+-", false},
      {"a+-b", false}, {"+", true},    {"+-+AOk", true}, {"+AOk+AOk", true}, {"+AOk.", false},  {"x+ZeVnLIqe", true},
  };
  for (const auto& c : cases) EXPECT_EQ(UTF7EndsInRun(c.text), c.inRun) << c.text;
}

TEST(CodePageConversion, SingleByteTables) {
  struct Case {
    int32_t cp;
    std::string text, bytes;
  } cases[] = {
      {cpISO88591, "\u00E9\u00FF\u0080", "\xE9\xFF\x80"},    {cpISO88592, "\u0105\u0142\u017C", "\xB1\xB3\xBF"},
      {cpWindows1250, "\u0161\u20AC\u0105", "\x9A\x80\xB9"}, {cpWindows1251, "\u0416\u0451", "\xC6\xB8"},
      {cpWindows1252, "\u0153\u2122\u00FF", "\x9C\x99\xFF"}, {cpWindows1253, "\u03A9\u03AC", "\xD9\xDC"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UTF8ToCodePageBytes(c.text, c.cp), c.bytes) << c.cp;
    EXPECT_EQ(CodePageBytesToUTF8(c.bytes, c.cp), c.text) << c.cp;
  }
}

TEST(CodePageConversion, UnicodeDecoderTakesAnySplit) {
  const std::string text = "a\U0001F60A\u00E9\u65E5z";
  for (int32_t cp : {cpUTF16LE, cpUTF16BE, cpUTF32LE, cpUTF32BE}) {
    // A stray odd byte at the end is not part of the text.
    const std::string bytes = UTF8ToCodePageBytes(text, cp) + "\x01";
    for (size_t cut1 = 0; cut1 <= bytes.size(); ++cut1) {
      for (size_t cut2 = cut1; cut2 <= bytes.size(); ++cut2) {
        TCodePageDecoder d(cp);
        std::string out;
        d.Feed(std::string_view(bytes).substr(0, cut1), out);
        d.Feed(std::string_view(bytes).substr(cut1, cut2 - cut1), out);
        d.Feed(std::string_view(bytes).substr(cut2), out);
        d.Finish(out);
        ASSERT_EQ(out, text) << cp << " " << cut1 << " " << cut2;
        ASSERT_LE(out.size(), d.MaxOutputSize(bytes.size()));
      }
    }
  }
  // A high surrogate with nothing after it.
  TCodePageDecoder d(cpUTF16LE);
  std::string out;
  d.Feed(std::string("A\0\x3D\xD8", 4), out);
  d.Finish(out);
  EXPECT_EQ(out, "A\uFFFD");
}

TEST(CodePageDetection, PiecesGiveTheSameResultAsTheWhole) {
  std::string late(760, 'a');
  late[751] = '\xE9';
  std::string lateUTF8(760, 'a');
  lateUTF8.replace(752, 3, "\xE2\x82\xAC");
  const std::string samples[] = {
      "",
      "\xFF",
      "\xFF\xFE",
      std::string("\xFF\xFE\x00\x00", 4),
      "+/v8-",
      "caf\xC3\xA9!",
      "caf\xC3",
      "caf\xE9",
      "x\xF0\x9F\x98\x8A",
      std::string("H\0i\0", 4),
      std::string("\0\0\0H", 4),
      late,
      lateUTF8,
      late + std::string("b\0c\0", 4),
      "\xEF\xBB\xBFz",
      "a\xF8z",
      "12345678\xC3\xA9"
      "12345678",
  };
  for (const auto& bytes : samples) {
    bool wholeBOM = false;
    const int32_t whole = DetectCodePage(bytes, wholeBOM);
    for (size_t cut = 0; cut <= bytes.size(); ++cut) {
      TCodePageDetector d;
      d.Feed(std::string_view(bytes).substr(0, cut));
      const bool decidedEarly = d.Decided();
      bool earlyBOM = false;
      const int32_t early = d.Result(earlyBOM);
      d.Feed(std::string_view(bytes).substr(cut));
      bool bom = false;
      EXPECT_EQ(d.Result(bom), whole) << cut;
      EXPECT_EQ(bom, wholeBOM) << cut;
      if (decidedEarly) {
        EXPECT_EQ(early, whole) << cut;
      }
    }
  }
}
