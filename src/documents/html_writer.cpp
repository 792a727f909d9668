#include "documents/html_writer.h"

#include <iconv.h>

#include <cerrno>

#include "documents/html_writer_escape.h"
#include "foundation/code_pages.h"
#include "foundation/numeral_systems.h"
#include "foundation/text_files.h"
#include "foundation/utf8.h"

namespace {

constexpr int32_t kCodePageGB18030 = 54936;

std::string Num(double value, const char* unit) { return CreateUnitString(value, unit, '.'); }

// GB 18030 covers every character, so nothing is lost; the foundation's
// conversion leaves that code page as UTF-8, which would contradict the label.
std::string UTF8ToGB18030(const std::string& text) {
  const std::string in = UTF8Repair(text);
  std::string out;
  iconv_t cd = iconv_open("GB18030", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return in;
  char buf[16384];
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  while (inLeft > 0) {
    char* outPtr = buf;
    size_t outLeft = sizeof buf;
    const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buf, static_cast<size_t>(outPtr - buf));
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // Cannot happen after the repair; never loop on it.
    out += '?';
    ++inPtr;
    --inLeft;
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string HtmlCharsetName(int32_t codePage) {
  switch (codePage) {
    case 0: return "us-ascii";
    case 88591: return "iso-8859-1";
    case 88592: return "iso-8859-2";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1252: return "windows-1252";
    case 1253: return "windows-1253";
    case 1200: return "utf-16le";
    case 1201: return "utf-16be";
    case 12000: return "utf-32le";
    case 12001: return "utf-32be";
    case kCodePageGB18030: return "gb18030";
    case 64999:
    case 65000: return "utf-7";
    default: return "UTF-8";
  }
}

std::string HtmlFileBytes(const std::string& text, int32_t codePage, bool writeBOM) {
  if (codePage == kCodePageGB18030)
    return (writeBOM ? std::string("\x84\x31\x95\x33") : std::string()) + UTF8ToGB18030(text);
  // Without its mark a UTF-16 or UTF-32 page cannot be read: the charset
  // label inside it cannot be found before the encoding is known.
  const bool wide = codePage == 1200 || codePage == 1201 || codePage == 12000 || codePage == 12001;
  std::string out = (writeBOM || wide) ? CodePageBOM(codePage) : std::string();
  if (codePage == 65000 && writeBOM) return UTF8ToCodePageBytes("\xEF\xBB\xBF" + text, codePage);
  return out + UTF8ToCodePageBytes(text, codePage);
}

TDocHTML::TDocHTML() {
  DocumentCreator = std::string("Pellwick HTML Creator - ") + kDocumentMakerWebDomain;
  DocumentLastModifiedBy = DocumentCreator;
  SetPageMargins(0.7, 0.7, 0.7, 0.7);
}

bool TDocHTML::SaveToFile(const std::string& fileName) const {
  return WriteFileSafely(fileName, HtmlFileBytes(GetPlainText(), Encoding, WriteBOM)) == TFileWriteResult::Written;
}

std::string TDocHTML::GetPlainText() const {
  const std::string& le = LineEndingHTML;
  std::string s = "<!DOCTYPE html>" + le;
  s += "<head>" + le + GetHeadAsString() + le + "</head>" + le;
  s += "<body>" + le + GetBodyAsString() + le + "</body>" + le;
  s += "</html>" + le;
  return s;
}

std::string TDocHTML::GetHeadAsString() const {
  const std::string& le = LineEndingHTML;
  std::string s = "<meta charset=\"" + HtmlCharsetName(Encoding) + "\">" + le;
  // Escaped: a title holding "<" would otherwise end the element or start markup.
  if (!DocumentTitle.empty()) s += "<title>" + MarkupEscape(DocumentTitle, true) + "</title>" + le;
  s += "<style type=\"text/css\">" + GetCSSAsString() + "</style>";
  return s;
}

std::string TDocHTML::GetCSSAsString() const {
  const std::string& le = LineEndingHTML;
  const TDocParagraphStyle& page = Page().Style();
  std::string s = "*{margin:0px;padding:0px;border:0px;}";
  s += "body{padding:" + Num(PageMarginTop, "cm") + " " + Num(PageMarginRight(), "cm") + " " +
       Num(PageMarginBottom, "cm") + " " + Num(PageMarginLeft(), "cm") + ";";
  s += "color:#" + page.GetTextColorAsHex() + ";";
  s += "background-color:#" + page.GetBackgroundColorAsHex() + ";";
  s += "}" + le;
  s += "p,table{font-family:\"" + page.FontName() + "\";font-size:" + Num(page.FontSize, "pt") + "}" + le;
  for (int32_t level = 1; level <= 6; ++level) {
    const TDocParagraphStyle& h = Page().Heading(level);
    s += 'h';
    s += std::to_string(level);
    s += "{font-family:\"" + h.FontName() + "\";font-size:" + Num(h.FontSize, "pt") + "}" + le;
  }
  for (int32_t i = 0; i < Styles().Count(); ++i) {
    const TDocParagraphStyle& st = Styles().GetStyle(i);
    s += '.';
    s += st.StyleName;
    s += '{';
    s += GetParagraphStyleAsString(st);
    s += '}';
    s += le;
  }
  return s;
}

std::string TDocHTML::GetParagraphStyleAsString(const TDocParagraphStyle& style) const {
  std::string s = "font-family:\"" + style.FontName() + "\";";
  s += "font-size:" + Num(style.FontSize, "pt") + ";";
  s += "color:#" + style.GetTextColorAsHex() + ";";
  if (style.TextBackgroundColorID() != 1) s += "background-color:#" + style.GetTextBackgroundColorAsHex() + ";";
  if (style.FontBold) s += "font-weight:bold;";
  if (style.FontItalic) s += "font-style:italic;";
  if (style.FontUnderline) s += "text-decoration:underline;";
  if (style.FontStrikeThrough) s += "text-decoration:line-through;";
  switch (style.TextAlignmentHorz) {
    case docAlignHorzRight: s += "text-align:right;"; break;
    case docAlignHorzCenter: s += "text-align:center;"; break;
    case docAlignHorzJustify: s += "text-align:justify;"; break;
    default: s += "text-align:left;"; break;
  }
  if (style.MarginTop != 0) s += "padding-top:" + Num(style.MarginTop, "cm") + ";";
  if (style.MarginBottom != 0) s += "padding-bottom:" + Num(style.MarginBottom, "cm") + ";";
  if (style.MarginLeft != 0) s += "padding-left:" + Num(style.MarginLeft, "cm") + ";";
  if (style.MarginRight != 0) s += "padding-right:" + Num(style.MarginRight, "cm") + ";";
  return s;
}

std::string TDocHTML::GetBodyAsString() const { return GetSectionAsString(Page()); }

std::string TDocHTML::GetSectionAsString(const TDocumentSection& section) const {
  const std::string& le = LineEndingHTML;
  std::string s;
  for (const TDocContent& item : section.Contents()) {
    switch (item.ContentType) {
      case docContentText: AppendMarkupEscaped(s, item.Value, true); break;
      case docContentRawCode: s += item.Value; break;
      case docContentParagraph:
        // An index outside the style table is written as a plain paragraph.
        if (item.Param >= 0 && item.Param < Styles().Count())
          s += "<p class=\"" + MarkupEscape(Styles().GetStyle(item.Param).StyleName, true) + "\">";
        else
          s += "<p>";
        AppendMarkupEscaped(s, item.Value, true);
        s += "</p>" + le;
        break;
      case docContentHeading1:
      case docContentHeading2:
      case docContentHeading3:
      case docContentHeading4:
      case docContentHeading5:
      case docContentHeading6: {
        const std::string level = std::to_string(item.ContentType - docContentHeading1 + 1);
        s += "<h" + level + ">";
        AppendMarkupEscaped(s, item.Value, true);
        s += "</h" + level + ">" + le;
        break;
      }
      case docContentLineBreak: s += "<br>"; break;
      case docContentPageBreak: s += "<p></p>"; break;
      case docContentParagraphStart: s += "<p>"; break;
      case docContentParagraphEnd: s += "</p>"; break;
      case docContentBold: s += item.Param == 1 ? "<b>" : "</b>"; break;
      case docContentItalic: s += item.Param == 1 ? "<i>" : "</i>"; break;
      case docContentUnderline: s += item.Param == 1 ? "<u>" : "</u>"; break;
      case docContentStrikeThrough: s += item.Param == 1 ? "<strike>" : "</strike>"; break;
      case docContentTable:
        // A table item always names a table of its section; anything else is skipped.
        if (item.Param >= 0 && item.Param < section.Tables().Count())
          s += GetTableAsString(section.Tables().GetTable(item.Param));
        break;
      default: break;
    }
  }
  return s;
}

std::string TDocHTML::GetTableAsString(const TDocTable& table) const {
  std::string s = "<table style=\"width:100%\">";
  for (int32_t r = 0; r < table.RowCount(); ++r) {
    s += "<tr>";
    for (int32_t c = 0; c < table.ColumnCount(); ++c) {
      s += "<td>";
      s += GetSectionAsString(table.GetCell(r, c).Content);
      s += "</td>";
    }
    s += "</tr>";
  }
  s += "</table>";
  return s;
}
