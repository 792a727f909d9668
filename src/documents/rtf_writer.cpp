#include "documents/rtf_writer.h"

#include <iconv.h>

#include <cerrno>
#include <cmath>
#include <cstdio>

#include "foundation/code_pages.h"
#include "foundation/numeral_systems.h"
#include "foundation/text_files.h"
#include "foundation/utf8.h"

namespace {

std::string Twips(double cm) { return CmToTwipsString(cm); }

std::string HalfPoints(double points) { return std::to_string(static_cast<long long>(std::nearbyint(points * 2))); }

std::string Int(int64_t value) { return std::to_string(value); }

// The code page of the document's \ansi: a reader that does not know "\u"
// shows the fallback byte after it, read in this code page.
constexpr int32_t kDocumentCodePage = cpWindows1252;

void AppendHexByte(std::string& out, unsigned char b) {
  static const char kHex[] = "0123456789abcdef";
  out += "\\'";
  out += kHex[b >> 4];
  out += kHex[b & 0x0F];
}

// One UTF-16 unit as RTF's signed 16-bit parameter (at least four digits),
// then its fallback as a hex byte. Every reader skips a "\'" byte as the one
// character "\uc1" announces; after a literal "?" there some readers (pandoc,
// unrtf) drop the letter that follows as well.
void AppendUnit(std::string& out, uint16_t unit, unsigned char fallback) {
  const int value = unit >= 0x8000 ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
  char buf[16];
  std::snprintf(buf, sizeof buf, value < 0 ? "\\u-%04d" : "\\u%04d", value < 0 ? -value : value);
  out += buf;
  AppendHexByte(out, fallback);
}

// The character in the document's code page, or "?" where it has none.
unsigned char FallbackByte(char32_t cp) {
  const std::string b = UTF8ToCodePageBytes(UTF8Encode(cp), kDocumentCodePage);
  return b.size() == 1 ? static_cast<unsigned char>(b[0]) : static_cast<unsigned char>('?');
}

}  // namespace

std::string RtfUnicodeEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool announced = false;
  // Stated before the first "\u" of the text: its group then skips one
  // fallback character after each, whatever the reader's default.
  const auto announce = [&] {
    if (!announced) out += "\\uc1";
    announced = true;
  };
  size_t pos = 0;
  while (pos < text.size()) {
    const auto b = static_cast<unsigned char>(text[pos]);
    if (b < 0x80) {
      ++pos;
      if (b == 0) continue;
      // RTF readers skip TAB, CR and LF in the text; they take the control
      // words (one line break for CR LF as for CR or LF alone).
      if (b == '\t') {
        out += "\\tab ";
        continue;
      }
      if (b == '\r' || b == '\n') {
        if (b == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
        out += "\\line ";
        continue;
      }
      if (b == ' ' && pos < text.size() && text[pos] == ' ') {
        // LibreOffice reads a run of blanks that reaches it in one piece as
        // six-per-em spaces; every second blank written as \u32 keeps each
        // piece one blank long, and every reader takes \u32 for a blank.
        bool literal = true;
        for (--pos; pos < text.size() && text[pos] == ' '; ++pos, literal = !literal) {
          if (literal) {
            out += ' ';
            continue;
          }
          announce();
          AppendUnit(out, ' ', ' ');
        }
        continue;
      }
      if (b == '\\' || b == '{' || b == '}') out += '\\';
      out += static_cast<char>(b);
      continue;
    }
    const char32_t cp = UTF8DecodeAt(text, pos);
    announce();
    if (cp >= 0x10000) {
      const char32_t v = cp - 0x10000;
      AppendUnit(out, static_cast<uint16_t>(0xD800 + (v >> 10)), '?');
      AppendUnit(out, static_cast<uint16_t>(0xDC00 + (v & 0x3FF)), '?');
    } else {
      AppendUnit(out, static_cast<uint16_t>(cp), FallbackByte(cp));
    }
  }
  return out;
}

std::string RtfUnicodeEscapeGB2312(std::string_view text) {
  const std::string in = UTF8Repair(text);
  std::string bytes;
  iconv_t cd = iconv_open("CP936", "UTF-8");
  if (cd != reinterpret_cast<iconv_t>(-1)) {
    char buf[4096];
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    while (inLeft > 0) {
      char* outPtr = buf;
      size_t outLeft = sizeof buf;
      const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
      bytes.append(buf, static_cast<size_t>(outPtr - buf));
      if (r != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) continue;
      // A character the code page lacks: one "?" for the whole character.
      size_t skip = UTF8SeqLen(static_cast<unsigned char>(*inPtr));
      if (skip == 0 || skip > inLeft) skip = 1;
      bytes += '?';
      inPtr += skip;
      inLeft -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
  } else {
    bytes = in;
  }
  std::string out;
  out.reserve(bytes.size() * 4);
  for (unsigned char b : bytes) AppendHexByte(out, b);
  return out;
}

std::string RtfDateString(TDateTime dateTime) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  if (!DecodeDateTime(dateTime, y, mo, d, h, mi, s, ms)) y = mo = d = h = mi = s = 0;
  char buf[64];
  std::snprintf(buf, sizeof buf, "\\yr%04d\\mo%02d\\dy%02d\\hr%02d\\min%02d\\sec%02d", y, mo, d, h, mi, s);
  return buf;
}

std::string RtfAlignmentHorzAsString(TDocAlignmentHorizontal alignment) {
  switch (alignment) {
    case docAlignHorzLeft: return "\\ql";
    case docAlignHorzRight: return "\\qr";
    case docAlignHorzCenter: return "\\qc";
    case docAlignHorzJustify: return "\\qj";
    default: return "";
  }
}

std::string RtfAlignmentVertAsString(TDocAlignmentVertical alignment) {
  switch (alignment) {
    case docAlignVertTop: return "\\clvertalt";
    case docAlignVertCenter: return "\\clvertalc";
    case docAlignVertBottom: return "\\clvertalb";
    default: return "";
  }
}

TDocRTF::TDocRTF() {
  DocumentCreator = std::string("Pellwick RTF Creator - ") + kDocumentMakerWebDomain;
  DocumentLastModifiedBy = DocumentCreator;
}

std::string TDocRTF::GetPlainText() const {
  std::string s = "{\\rtf1\\ansi\\deff0";
  s += GetFontTableAsString() + "\n";
  s += GetColorTableAsString() + "\n";
  if (Styles().Count() > 0) s += GetStyleTableAsString() + "\n";
  s += GetInfoGroupAsString() + "\n";
  s += GetPageAttributesAsString() + "\n";
  if (Header().HasContent()) s += "{\\header\\pard\\plain" + GetSectionAsString(Header()) + "\\par}\n";
  if (Footer().HasContent()) s += "{\\footer\\pard\\plain" + GetSectionAsString(Footer()) + "\\par}\n";
  s += "\\pard\\plain" + GetSectionAsString(Page()) + "\n";
  s += "}";
  return s;
}

bool TDocRTF::SaveToFile(const std::string& fileName) const {
  try {
    return SaveString(GetPlainText(), fileName, cpUTF8, false, false);
  } catch (const EFileError&) {
    // The old file is intact; the caller learns of the failure from the result.
    return false;
  }
}

std::string TDocRTF::GetFontTableAsString() const {
  std::string s = "{\\fonttbl";
  for (int32_t i = 0; i < Fonts().Count(); ++i) {
    const std::string name = Fonts().GetItem(i).FontName;
    if (RtfUnicodeEscape(name) == name)
      s += "{\\f" + Int(i) + "\\fnil " + name + ";}";
    else
      s += "{\\f" + Int(i) + "\\fnil\\fcharset134 " + RtfUnicodeEscapeGB2312(name) + ";}";
  }
  s += "}";
  return s;
}

std::string TDocRTF::GetColorTableAsString() const {
  std::string s = "{\\colortbl";
  for (int32_t i = 0; i < Colors().Count(); ++i) {
    const TRGBColor c = Colors().GetColorRGBFromID(i);
    s += "\\red" + Int(c.Red) + "\\green" + Int(c.Green) + "\\blue" + Int(c.Blue) + ";";
  }
  s += "}";
  return s;
}

std::string TDocRTF::GetStyleTableAsString() const {
  std::string s = "{\\stylesheet";
  for (int32_t i = 0; i < Styles().Count(); ++i) {
    const TDocParagraphStyle& st = Styles().GetStyle(i);
    s += "{\\s" + Int(i) + GetParagraphStyleAsString(st) + " " + RtfUnicodeEscape(st.StyleName) + ";}";
  }
  s += "}";
  return s;
}

std::string TDocRTF::GetInfoGroupAsString() const {
  // Metadata is text like any other: a brace in a title must not end the group.
  auto group = [](const char* word, const std::string& text) {
    return text.empty() ? std::string() : std::string("{\\") + word + " " + RtfUnicodeEscape(text) + "}";
  };
  std::string s = "{\\info";
  s += group("title", DocumentTitle);
  s += group("subject", DocumentSubject);
  s += group("keywords", DocumentKeywords);
  s += group("doccomm", DocumentDescription);
  s += group("company", DocumentCompany);
  s += group("author", DocumentCreator);
  s += "{\\creatim" + RtfDateString(DocumentCreationDate) + "}";
  s += group("operator", DocumentLastModifiedBy);
  s += "{\\revtim" + RtfDateString(DocumentLastModificationDate) + "}";
  s += "{\\edmins" + Int(DocumentEditingTime / 60) + "}";
  if (DocumentVersion >= 0) s += "{\\version" + Int(DocumentVersion) + "}{\\vern" + Int(DocumentVersion) + "}";
  s += "}";
  return s;
}

std::string TDocRTF::GetPageAttributesAsString() const {
  std::string s;
  if (PageWidth() > PageHeight) s += "\\landscape";
  s += "\\paperw" + Twips(PageWidth()) + "\\paperh" + Twips(PageHeight);
  s += "\\margl" + Twips(PageMarginLeft()) + "\\margr" + Twips(PageMarginRight());
  s += "\\margt" + Twips(PageMarginTop) + "\\margb" + Twips(PageMarginBottom);
  if (Header().HasContent()) s += "\\headery" + Twips(PageMarginTop);
  if (Footer().HasContent()) s += "\\footery" + Twips(PageMarginBottom);
  return s;
}

std::string TDocRTF::GetParagraphStyleAsString(const TDocParagraphStyle& style) const {
  std::string s = "\\f" + Int(style.FontID()) + "\\fs" + HalfPoints(style.FontSize) + "\\cf" + Int(style.TextColorID());
  if (style.TextBackgroundColorID() != 1) {
    const std::string id = Int(style.TextBackgroundColorID());
    s += "\\chshdng0\\chcbpat" + id + "\\cb" + id;
  }
  s += RtfAlignmentHorzAsString(style.TextAlignmentHorz);
  if (style.FontBold) s += "\\b";
  if (style.FontItalic) s += "\\i";
  if (style.FontUnderline) s += "\\ul";
  if (style.FontStrikeThrough) s += "\\strike";
  if (style.MarginTop != 0) s += "\\sb" + Twips(style.MarginTop);
  if (style.MarginBottom != 0) s += "\\sa" + Twips(style.MarginBottom);
  if (style.MarginLeft != 0) s += "\\li" + Twips(style.MarginLeft);
  if (style.MarginRight != 0) s += "\\ri" + Twips(style.MarginRight);
  if (style.FirstLineIndent != 0) s += "\\fi" + Twips(style.FirstLineIndent);
  return s;
}

std::string TDocRTF::GetPageStyleAsString(int32_t index) const {
  return "\\s" + Int(index) + GetParagraphStyleAsString(Styles().GetStyle(index));
}

std::string TDocRTF::GetSectionAsString(const TDocumentSection& section) const {
  std::string s = GetParagraphStyleAsString(section.Style());
  if (PageColumnCount > 1) s += "\\cols" + Int(PageColumnCount);
  bool separate = true;
  for (const TDocContent& item : section.Contents()) {
    switch (item.ContentType) {
      case docContentText:
        if (separate) s += ' ';
        s += RtfUnicodeEscape(item.Value);
        break;
      case docContentRawCode: s += item.Value; break;
      case docContentParagraph:
        s += "{\\pard";
        if (item.Param >= 0 && item.Param < Styles().Count()) s += GetPageStyleAsString(item.Param);
        s += " " + RtfUnicodeEscape(item.Value) + "\\par}";
        break;
      case docContentLineBreak: s += "\\line"; break;
      case docContentPageBreak:
        s += "\n\\par\\pard\\page\\pard" + GetParagraphStyleAsString(section.Style()) + "\n";
        break;
      case docContentParagraphStart: s += "\\pard"; break;
      case docContentParagraphEnd: s += "\\par\n"; break;
      case docContentBold: s += item.Param == 1 ? "\\b" : "\\b0"; break;
      case docContentItalic: s += item.Param == 1 ? "\\i" : "\\i0"; break;
      case docContentUnderline: s += item.Param == 1 ? "\\ul" : "\\ul0"; break;
      case docContentStrikeThrough: s += item.Param == 1 ? "\\strike" : "\\strike0"; break;
      case docContentFontSize: s += "\\fs" + HalfPoints(item.Param / 1000.0); break;
      case docContentAlignLeft: s += "\\ql"; break;
      case docContentAlignRight: s += "\\qr"; break;
      case docContentAlignCenter: s += "\\qc"; break;
      case docContentAlignJustify: s += "\\qj"; break;
      case docContentPageNumber: s += "\\chpgn"; break;
      case docContentPageCount: s += "{\\field{\\*\\fldinst  NUMPAGES }}"; break;
      case docContentTextBox:
        if (item.Param >= 0 && item.Param < section.TextBoxes().Count())
          s += GetTextBoxAsString(section.TextBoxes().GetBox(item.Param));
        break;
      case docContentTable:
        if (item.Param >= 0 && item.Param < section.Tables().Count())
          s += GetTableAsString(section.Tables().GetTable(item.Param));
        break;
      default: break;
    }
    const TDocContentType t = item.ContentType;
    separate = !(t == docContentText || t == docContentPageBreak || t == docContentTextBox || t == docContentTable);
  }
  return s;
}

std::string TDocRTF::GetTableAsString(const TDocTable& table) const {
  std::string s = "\\pard\n";
  for (int32_t r = 0; r < table.RowCount(); ++r) {
    const TDocTableRow& row = table.GetRow(r);
    s += "{\\trowd";
    if (row.HeightMin > 0) s += "\\trrh" + Twips(row.HeightMin);
    if (row.HeightExact > 0) s += "\\trrh-" + Twips(row.HeightExact);
    double right = 0;
    for (int32_t c = 0; c < table.ColumnCount(); ++c) {
      const TDocTableCell& cell = table.GetCell(r, c);
      const TDocParagraphStyle& st = cell.Content.Style();
      s += RtfAlignmentVertAsString(st.TextAlignmentVert);
      if (st.BackgroundColorID() != 1) s += "\\clcbpat" + Int(st.BackgroundColorID());
      const TDocBorders& b = cell.Borders;
      if (b.Top) s += "\\clbrdrt" + GetBorderDefinitionAsString(b.WidthTop, b.ColorTopID);
      if (b.Left) s += "\\clbrdrl" + GetBorderDefinitionAsString(b.WidthLeft, b.ColorLeftID);
      if (b.Bottom) s += "\\clbrdrb" + GetBorderDefinitionAsString(b.WidthBottom, b.ColorBottomID);
      if (b.Right) s += "\\clbrdrr" + GetBorderDefinitionAsString(b.WidthRight, b.ColorRightID);
      right += table.GetColumn(c).Width;
      s += "\\cellx" + Twips(right);
    }
    for (int32_t c = 0; c < table.ColumnCount(); ++c)
      s += "\\pard\\intbl{" + GetSectionAsString(table.GetCell(r, c).Content) + "}\\cell";
    s += "\\row}\n";
  }
  s += "\\pard\n";
  return s;
}

std::string TDocRTF::GetTextBoxAsString(const TDocTextBox& box) const {
  std::string s = "\n{\\pard";
  s += box.AnchorToPage ? "\\phpg\\pvpg" : "\\phcol\\pvpara";
  s += "\\posx" + Twips(box.Left) + "\\posy" + Twips(box.Top) + "\\absw" + Twips(box.Width);
  if (box.Height > 0) s += "\\absh" + Twips(box.Height);
  if (box.Content.Style().BackgroundColorID() != 1) s += "\\cbpat" + Int(box.Content.Style().BackgroundColorID());
  s += "\n" + GetSectionAsString(box.Content) + "\\par}\n";
  return s;
}

std::string TDocRTF::GetBorderDefinitionAsString(float width, int32_t colorID) const {
  std::string s = "\\brdrw" + Twips(width);
  if (colorID != 0) s += "\\brdrcf" + Int(colorID);
  return s + "\\brdrs";
}
