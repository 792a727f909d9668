// One table of awkward texts written in every format and read back by the
// readers people use for that format: Python's csv module for CSV, pandas and
// openpyxl for XLSX, pandas and odfpy for ODS, html5lib for HTML, python-docx
// for DOCX, odfpy for ODT, pandoc and unrtf for RTF, and LibreOffice for every
// format it opens (XLSX, ODS and DIF saved by it as CSV, ODT and RTF saved by
// it as ODT and read by odfpy). What comes back is the text as written, or
// the text changed by a limit of the format or of the reader, which Expected
// states and explains.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/docx_writer.h"
#include "documents/html_writer.h"
#include "documents/odt_writer.h"
#include "documents/rtf_writer.h"
#include "documents/table_export.h"
#include "documents_test_support.h"
#include "test_support.h"

namespace {

using testsupport::Python3;
using testsupport::RunCommand;
using testsupport::ShellQuote;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

std::string LongText() {
  // 10,000 characters: words with an umlaut, then digits to fill up.
  std::string s;
  size_t characters = 0;
  while (characters + 7 <= 9990) {
    s += "word \xC3\xA4 ";
    characters += 7;
  }
  return s + std::string(10000 - characters, '9');
}

const std::vector<std::string>& Texts() {
  static const std::vector<std::string> texts = {
      "  both ends  ",
      "double  blank",
      "tab\there",
      "\tlead tab",
      "cr\rinside",
      "lf\ninside",
      "crlf\r\ninside",
      "a_x000D_b",
      "a_x005F_b",
      "&<>\"'",
      "\xF0\x9F\x98\x80 emoji",
      "e\xCC\x81 combining",
      "\xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7 \xD8\xA8\xD8\xA7\xD9\x84\xD8\xB9\xD8\xA7\xD9\x84\xD9\x85",
      "\xF0\xA0\x80\x80\xF0\xAA\x9A\xA5",
      LongText(),
      "",
      " ",
      "=1+1",
      "+1",
      "-1",
      "@x",
      "ctl\x01x",
      // Generated words: letters after a character beyond ASCII, one the
      // document's code page holds and one it lacks.
      "k\xC3\xA4mewirau",
      "nb\xC5\xA0sp",
      "\xE4\xB8\xAD\xE6\x96\x87z",
  };
  return texts;
}

enum class TRoute {
  Exact,
  // XML 1.0 has no way to write most control characters; the spreadsheet
  // and HTML writers put a blank in their place.
  XmlBlank,
  // The document writers drop such a character.
  XmlDropped,
  // A word processor has one kind of line break: CR, LF and CR LF in a
  // paragraph all come back as LF.
  OneLineBreak,
  // The same in a spreadsheet cell's paragraph, which has a blank in place
  // of a control character.
  OneLineBreakBlank,
  // pandas' ODS reader joins the pieces of a cell's paragraph and skips the
  // text:tab and text:line-break elements, whoever wrote the file.
  PandasOds,
  // LibreOffice turns CR LF inside a cell into LF.
  LibreOfficeCell,
  // A DIF value is one line: the writer puts a blank for each line break.
  Dif,
  // pandoc's document model holds words and single blanks: a TAB and a run
  // of blanks are one blank, blanks at the ends of a line go; each unit of a
  // surrogate pair reads as U+FFFD (pandoc 2.17).
  Pandoc,
  // unrtf writes a TAB as no-break spaces up to the next multiple of eight
  // columns, drops control characters, and writes each unit of a surrogate
  // pair as a reference of its own, which HTML readers take for U+FFFD.
  Unrtf,
};

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
  return s;
}

// Each character beyond U+FFFF as two U+FFFD.
std::string SurrogatesReplaced(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) < 0xF0) {
      out += text[i];
      continue;
    }
    out += "\xEF\xBF\xBD\xEF\xBF\xBD";
    i += 3;
  }
  return out;
}

std::string PandocText(const std::string& text) {
  std::string out;
  bool blank = false;
  for (char c : Replace(Replace(text, "\r\n", "\n"), "\r", "\n")) {
    if (c == ' ' || c == '\t') {
      blank = true;
      continue;
    }
    if (blank && !out.empty() && out.back() != '\n' && c != '\n') out += ' ';
    blank = false;
    out += c;
  }
  return SurrogatesReplaced(out);
}

std::string UnrtfText(const std::string& text) {
  std::string out;
  size_t column = 0;
  for (char c : Replace(Replace(Replace(text, "\x01", ""), "\r\n", "\n"), "\r", "\n")) {
    if (c == '\t') {
      do {
        out += "\xC2\xA0";
      } while (++column % 8 != 0);
      continue;
    }
    out += c;
    if (c == '\n') column = 0;
    // Counted in characters: continuation bytes add none.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && c != '\n') ++column;
  }
  return SurrogatesReplaced(out);
}

std::string Expected(const std::string& text, TRoute route) {
  switch (route) {
    case TRoute::Exact: return text;
    case TRoute::XmlBlank: return Replace(text, "\x01", " ");
    case TRoute::XmlDropped: return Replace(text, "\x01", "");
    case TRoute::OneLineBreak: return Replace(Replace(Replace(text, "\x01", ""), "\r\n", "\n"), "\r", "\n");
    case TRoute::OneLineBreakBlank: return Replace(Replace(Replace(text, "\x01", " "), "\r\n", "\n"), "\r", "\n");
    case TRoute::PandasOds: return Replace(Replace(Replace(Replace(text, "\x01", " "), "\t", ""), "\r", ""), "\n", "");
    case TRoute::LibreOfficeCell: return Replace(Replace(text, "\x01", " "), "\r\n", "\n");
    case TRoute::Dif: return Replace(Replace(Replace(text, "\r\n", " "), "\r", " "), "\n", " ");
    case TRoute::Pandoc: return PandocText(text);
    case TRoute::Unrtf: return UnrtfText(text);
  }
  return text;
}

std::string PythonList(const std::vector<std::string>& texts) {
  std::string s = "[";
  for (const auto& t : texts) s += documentstest::PythonText(t) + ",";
  return s + "]";
}

// How a reader hands back the paragraphs of a document.
enum class TShape {
  // One text per paragraph.
  Paragraphs,
  // pandoc keeps no empty paragraph.
  WithoutEmpty,
  // unrtf ends a line break as it ends a paragraph: the lines of all
  // paragraphs one after the other.
  Lines,
};

struct TCheck {
  std::string Name;
  std::string Reader;
  std::string File;
  TRoute Route;
  TShape Shape = TShape::Paragraphs;
};

std::vector<std::string> Shaped(const std::vector<std::string>& texts, TShape shape) {
  std::vector<std::string> out;
  for (const std::string& t : texts) {
    if (shape == TShape::WithoutEmpty && t.empty()) continue;
    if (shape != TShape::Lines) {
      out.push_back(t);
      continue;
    }
    size_t start = 0;
    for (size_t lf = t.find('\n'); lf != std::string::npos; start = lf + 1, lf = t.find('\n', start))
      out.push_back(t.substr(start, lf - start));
    out.push_back(t.substr(start));
  }
  return out;
}

// The readers: each gives the texts of the first column, or the paragraphs.
const char* const kReaders = R"PY(
import csv, re, sys, warnings
warnings.simplefilter('ignore')

def first_column_csv(f):
    with open(f, newline='', encoding='utf-8') as h:
        return [row[0] if row else '' for row in csv.reader(h)]

def pandas_xlsx(f):
    import pandas as pd
    return pd.read_excel(f, engine='openpyxl', header=None, dtype=str, keep_default_na=False)[0].tolist()

def openpyxl_cells(f):
    import openpyxl
    ws = openpyxl.load_workbook(f).active
    return ['' if r[0].value is None else r[0].value for r in ws.iter_rows()]

def pandas_ods(f):
    import pandas as pd
    return pd.read_excel(f, engine='odf', header=None, dtype=str, keep_default_na=False)[0].tolist()

def ods_cells(f):
    from odf.opendocument import load
    from odf.table import TableRow, TableCell
    return [row.getElementsByType(TableCell)[0] for row in load(f).spreadsheet.getElementsByType(TableRow)]

def odfpy_value(f):
    return [c.getAttribute('stringvalue') for c in ods_cells(f)]

def odfpy_text(f):
    from odf import text, teletype
    return ['\n'.join(teletype.extractText(p) for p in c.getElementsByType(text.P)) for c in ods_cells(f)]

def html5lib_cells(f):
    import html5lib
    with open(f, 'rb') as h:
        doc = html5lib.parse(h.read(), namespaceHTMLElements=False)
    return [''.join(tr.find('td').itertext()) for tr in doc.iter('tr')]

def docx_paragraphs(f):
    import docx
    return [p.text for p in docx.Document(f).paragraphs]

def odfpy_paragraphs(f):
    from odf.opendocument import load
    from odf import text, teletype
    return [teletype.extractText(p) for p in load(f).text.getElementsByType(text.P)]

def pandoc_paragraphs(f):
    import json, subprocess
    doc = json.loads(subprocess.run(['pandoc', '-f', 'rtf', '-t', 'json', f], capture_output=True, check=True).stdout)
    def inlines(items):
        out = ''
        for x in items:
            t = x['t']
            if t == 'Str':
                out += x['c']
            elif t in ('Space', 'SoftBreak'):
                out += ' '
            elif t == 'LineBreak':
                out += '\n'
            elif t == 'Span':
                out += inlines(x['c'][1])
            else:
                out += inlines(x['c'])
        return out
    return [inlines(b['c']) for b in doc['blocks'] if b['t'] in ('Para', 'Plain')]

def unrtf_lines(f):
    # unrtf ends paragraphs and line breaks alike with <br>; the line ends of
    # its HTML source are no text.
    import subprocess, html5lib
    page = subprocess.run(['unrtf', '--html', f], capture_output=True, check=True).stdout
    # It writes the keywords of the information group into the head as text.
    page = re.sub(r'<head>.*</head>', '', page.decode('utf-8'), flags=re.S)
    body = html5lib.parse(page, namespaceHTMLElements=False).find('body')
    parts = []
    def walk(e):
        if e.tag == 'br':
            parts.append('\n')
        parts.append((e.text or '').replace('\n', ''))
        for c in e:
            walk(c)
            parts.append((c.tail or '').replace('\n', ''))
    walk(body)
    return ''.join(parts).split('\n')[:-1]

readers = {'pandoc': pandoc_paragraphs, 'unrtf': unrtf_lines, 'csv': first_column_csv, 'pandas_xlsx': pandas_xlsx, 'openpyxl': openpyxl_cells,
           'pandas_ods': pandas_ods, 'odfpy_value': odfpy_value, 'odfpy_text': odfpy_text,
           'html5lib': html5lib_cells, 'docx': docx_paragraphs, 'odfpy_odt': odfpy_paragraphs}

def short(s):
    return repr(s if len(s) < 60 else s[:30] + '...' + s[-20:])

for name, reader, f, expected in checks:
    try:
        got = readers[reader](f)
    except Exception as e:
        print('%s: %s' % (name, e))
        continue
    if len(got) != len(expected):
        print('%s: %d texts, expected %d' % (name, len(got), len(expected)))
    for i, (g, e) in enumerate(zip(got, expected)):
        if g != e:
            print('%s row %d: %s, expected %s' % (name, i, short(g), short(e)))
)PY";

TEST(ToolCheckRoundTrip, EveryFormatReadsBackTheTexts) {
  TempDir dir;
  const std::vector<std::string>& texts = Texts();
  TStrArray2D table;
  for (size_t i = 0; i < texts.size(); ++i) table.push_back({texts[i], std::to_string(i)});

  // The window's table saves: a text column and a number column.
  TDocCSV hub;
  hub.UseTable(table);
  hub.SeparatorFields().Write().SetFromChar(",");
  hub.SpreadSheetExportDynamicCellFormat = true;
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataNumber, csWidthDynamic, csAlignDefault, 0);
  ASSERT_TRUE(hub.SaveToFileCSV(dir.file("t.csv")));
  ASSERT_TRUE(hub.SaveToFileXLSX(dir.file("t_xlsx.xlsx")));
  ASSERT_TRUE(hub.SaveToFileODS(dir.file("t_ods.ods")));
  ASSERT_TRUE(hub.SaveToFileDIF(dir.file("t_dif.dif")));
  for (int32_t codePage : {65001, 1252}) {
    TDocHTML page;
    page.DocumentTitle = "Syllabrix";
    page.Encoding = codePage;
    ASSERT_TRUE(page.SaveToFileWithTable(table, dir.file("t" + std::to_string(codePage) + ".html")));
  }
  // The window's word saves: one paragraph per word.
  TDocDOCX docx;
  TDocODT odt;
  TDocRTF rtf;
  for (const std::string& word : texts) {
    docx.Page().AddParagraph(word, -1);
    odt.Page().AddParagraph(word, -1);
    rtf.Page().AddParagraph(word, -1);
  }
  ASSERT_TRUE(docx.SaveToFile(dir.file("w.docx")));
  ASSERT_TRUE(odt.SaveToFile(dir.file("w_odt.odt")));
  ASSERT_TRUE(rtf.SaveToFile(dir.file("w_rtf.rtf")));

  // LibreOffice, in as few calls as its filters allow, with a profile of its own.
  const std::string out = dir.file("lo");
  ASSERT_EQ(documentstest::ConvertTablesToCsv(dir.str(), out, {dir.file("t_xlsx.xlsx"), dir.file("t_ods.ods")},
                                              {dir.file("t_dif.dif")}),
            "");
  auto r = RunCommand(documentstest::SofficeCommand(dir.str()) + "--convert-to odt --outdir " + ShellQuote(out) + " " +
                      ShellQuote(dir.file("w_odt.odt")) + " " + ShellQuote(dir.file("w_rtf.rtf")) + " 2>&1");
  ASSERT_EQ(r.exitCode, 0) << r.out;

  const std::vector<TCheck> checks = {
      {"CSV, Python's csv", "csv", dir.file("t.csv"), TRoute::Exact},
      {"XLSX, pandas", "pandas_xlsx", dir.file("t_xlsx.xlsx"), TRoute::XmlBlank},
      {"XLSX, openpyxl", "openpyxl", dir.file("t_xlsx.xlsx"), TRoute::XmlBlank},
      {"XLSX, LibreOffice", "csv", out + "/t_xlsx.csv", TRoute::LibreOfficeCell},
      {"ODS, pandas", "pandas_ods", dir.file("t_ods.ods"), TRoute::PandasOds},
      {"ODS, odfpy value", "odfpy_value", dir.file("t_ods.ods"), TRoute::XmlBlank},
      {"ODS, odfpy text", "odfpy_text", dir.file("t_ods.ods"), TRoute::OneLineBreakBlank},
      // LibreOffice takes the value attribute, which keeps CR LF.
      {"ODS, LibreOffice", "csv", out + "/t_ods.csv", TRoute::XmlBlank},
      {"DIF, LibreOffice", "csv", out + "/t_dif.csv", TRoute::Dif},
      {"HTML UTF-8, html5lib", "html5lib", dir.file("t65001.html"), TRoute::XmlBlank},
      {"HTML windows-1252, html5lib", "html5lib", dir.file("t1252.html"), TRoute::XmlBlank},
      {"DOCX, python-docx", "docx", dir.file("w.docx"), TRoute::OneLineBreak},
      {"ODT, odfpy", "odfpy_odt", dir.file("w_odt.odt"), TRoute::OneLineBreak},
      {"ODT, LibreOffice", "odfpy_odt", out + "/w_odt.odt", TRoute::OneLineBreak},
      {"RTF, LibreOffice", "odfpy_odt", out + "/w_rtf.odt", TRoute::OneLineBreak},
      {"RTF, pandoc", "pandoc", dir.file("w_rtf.rtf"), TRoute::Pandoc, TShape::WithoutEmpty},
      {"RTF, unrtf", "unrtf", dir.file("w_rtf.rtf"), TRoute::Unrtf, TShape::Lines},
  };
  std::string script = "checks = [\n";
  for (const TCheck& c : checks) {
    std::vector<std::string> expected;
    for (const std::string& t : texts) expected.push_back(Expected(t, c.Route));
    expected = Shaped(expected, c.Shape);
    script += "(" + documentstest::PythonText(c.Name) + ", '" + c.Reader + "', " + documentstest::PythonText(c.File) +
              ", " + PythonList(expected) + "),\n";
  }
  script += "]\n";
  script += kReaders;
  WriteFileBytes(dir.file("check.py"), script);
  r = RunCommand(Python3() + " " + ShellQuote(dir.file("check.py")) + " 2>&1");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "");
}

}  // namespace
