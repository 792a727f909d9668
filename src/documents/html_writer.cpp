#include "documents/html_writer.h"

#include <algorithm>
#include <charconv>

#include "documents/html_writer_escape.h"
#include "documents/table_export_buffer.h"
#include "foundation/code_pages.h"
#include "foundation/numeral_systems.h"
#include "foundation/posix_files.h"
#include "foundation/text_files.h"
#include "foundation/utf8.h"

namespace {

std::string Num(double value, const char* unit) { return CreateUnitString(value, unit, '.'); }

// The pages that hold one byte per character; a character they lack is
// written as a reference.
bool IsSingleBytePage(int32_t codePage) {
  switch (codePage) {
    case cpASCII:
    case cpISO88591:
    case cpISO88592:
    case cpWindows1250:
    case cpWindows1251:
    case cpWindows1252:
    case cpWindows1253: return true;
    default: return false;
  }
}

// Without its mark a UTF-16 page cannot be read: the charset label inside it
// cannot be found before the encoding is known.
std::string HtmlMark(int32_t codePage, bool writeBOM) {
  codePage = HtmlCodePage(codePage);
  const bool wide = codePage == cpUTF16LE || codePage == cpUTF16BE;
  return (writeBOM || wide) ? CodePageBOM(codePage) : std::string();
}

}  // namespace

int32_t HtmlCodePage(int32_t codePage) {
  switch (codePage) {
    case cpUTF7ANSI:
    case cpUTF7:
    case cpUTF32LE:
    case cpUTF32BE: return cpUTF8;
    default: return codePage;
  }
}

std::string HtmlCharsetName(int32_t codePage) {
  switch (HtmlCodePage(codePage)) {
    case cpASCII: return "us-ascii";
    case cpISO88591: return "iso-8859-1";
    case cpISO88592: return "iso-8859-2";
    case cpWindows1250: return "windows-1250";
    case cpWindows1251: return "windows-1251";
    case cpWindows1252: return "windows-1252";
    case cpWindows1253: return "windows-1253";
    case cpUTF16LE: return "utf-16le";
    case cpUTF16BE: return "utf-16be";
    case cpGB18030: return "gb18030";
    default: return "UTF-8";
  }
}

void AppendHtmlBytes(std::string& out, std::string_view text, int32_t codePage, bool& inStyle) {
  codePage = HtmlCodePage(codePage);
  if (!IsSingleBytePage(codePage)) {
    // UTF-8, UTF-16 and GB 18030 hold every character.
    if (codePage == cpUTF16LE || codePage == cpUTF16BE || codePage == cpGB18030)
      out += UTF8ToCodePageBytes(text, codePage);
    else
      out += text;
    return;
  }
  size_t pos = 0;
  while (pos < text.size()) {
    const auto b = static_cast<unsigned char>(text[pos]);
    if (b < 0x80) {
      // Markup is ASCII; a style sheet is where references are not read.
      if (b == '<') {
        if (text.substr(pos, 6) == "<style") inStyle = true;
        if (text.substr(pos, 7) == "</style") inStyle = false;
      }
      out += static_cast<char>(b);
      ++pos;
      continue;
    }
    const size_t start = pos;
    const char32_t cp = UTF8DecodeAt(text, pos);
    if (cp >= 0x80 && cp <= 0x9F && !inStyle) {
      // HTML readers take a reference from 128 to 159, and the bytes 0x80 to
      // 0x9F under the labels iso-8859-1 and us-ascii, for characters of
      // windows-1252 ("&#133;" reads as an ellipsis); the windows pages lack
      // most C1 controls. In a single-byte page one is a blank, like the
      // other controls.
      out += ' ';
      continue;
    }
    const std::string_view character = text.substr(start, pos - start);
    const std::string bytes = UTF8ToCodePageBytes(character, codePage);
    if (bytes != "?") {
      out += bytes;
    } else if (inStyle) {
      // The escape of CSS, ended by a blank.
      char hex[8];
      const auto end = std::to_chars(hex, hex + sizeof hex, static_cast<uint32_t>(cp), 16).ptr;
      out += '\\';
      out.append(hex, end);
      out += ' ';
    } else {
      out += "&#";
      out += std::to_string(static_cast<uint32_t>(cp));
      out += ';';
    }
  }
}

std::string HtmlFileBytes(const std::string& text, int32_t codePage, bool writeBOM) {
  std::string out = HtmlMark(codePage, writeBOM);
  bool inStyle = false;
  AppendHtmlBytes(out, text, codePage, inStyle);
  return out;
}

TDocHTML::TDocHTML() {
  DocumentCreator = std::string("Pellwick HTML Creator - ") + kDocumentMakerWebDomain;
  DocumentLastModifiedBy = DocumentCreator;
  SetPageMargins(0.7, 0.7, 0.7, 0.7);
}

bool TDocHTML::SaveToFile(const std::string& fileName) const { return SavePage(fileName, nullptr); }

bool TDocHTML::SaveToFileWithTable(const TStrArray2D& rows, const std::string& fileName) const {
  return SavePage(fileName, &rows);
}

bool TDocHTML::SavePage(const std::string& fileName, const TStrArray2D* rows) const {
  const std::string& le = LineEndingHTML;
  const std::string head = "<!DOCTYPE html>" + le + "<head>" + le + GetHeadAsString() + le + "</head>" + le + "<body>" +
                           le + GetBodyAsString();
  const std::string tail = le + "</body>" + le + "</html>" + le;
  const auto write = [&](int fd) {
    bool inStyle = false;
    std::string bytes = HtmlMark(Encoding, WriteBOM);
    const auto drain = [&](std::string_view piece) {
      AppendHtmlBytes(bytes, piece, Encoding, inStyle);
      const bool written = WriteAllToFd(fd, bytes);
      bytes.clear();
      return written;
    };
    if (!drain(head)) return false;
    if (rows) {
      std::string buffer;
      TTextBuffer out(buffer, drain);
      WriteTableRows(out, *rows);
      out.Finish();
      if (out.Failed()) return false;
    }
    return drain(tail);
  };
  return WriteFileSafelyBy(fileName, write) == TFileWriteResult::Written;
}

void TDocHTML::WriteTableRows(TTextBuffer& out, const TStrArray2D& rows) {
  size_t columns = 0;
  for (const TStrArray& row : rows) columns = std::max(columns, row.size());
  out.Put("<table style=\"width:100%\">");
  for (const TStrArray& row : rows) {
    out.Put("<tr>");
    for (size_t c = 0; c < columns; ++c) {
      out.Put("<td>");
      // Cells past the end of a short row are empty.
      if (c < row.size()) out.PutEscaped(row[c], true);
      out.Put("</td>");
    }
    out.Put("</tr>");
    out.Checkpoint();
  }
  out.Put("</table>");
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
