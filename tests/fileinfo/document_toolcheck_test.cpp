// The document and PDF readers on files that LibreOffice, qpdf and hand-made
// scripts write (tests/fileinfo/make_document_fixtures.sh), against a table of
// expected fields and against pdfinfo and exiftool.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fileinfo/document_info.h"
#include "fileinfo/pdf_info.h"
#include "probe_output.h"
#include "support/test_support.h"

using testsupport::RunCommand;
using testsupport::ShellQuote;

namespace {

const testsupport::TempDir& DocumentFixtures() {
  static testsupport::TempDir dir;
  static const bool made = [] {
    const auto r =
        RunCommand("bash " + ShellQuote(std::string(SYLLABRIX_SOURCE_TESTS) + "/fileinfo/make_document_fixtures.sh") +
                   " " + ShellQuote(dir.str()) + " 2>&1");
    EXPECT_EQ(r.exitCode, 0) << r.out;
    return true;
  }();
  (void)made;
  return dir;
}

std::string Fact(const std::map<std::string, std::string>& facts, const std::string& key) {
  auto it = facts.find(key);
  return it == facts.end() ? std::string() : it->second;
}

// exiftool writes dates as "2024:05:17 09:30:00" (and a "Z" where the file
// names UTC); the readers' normalised form is "2024-05-17 09:30:00".
std::string NormalDate(std::string exif) {
  if (exif.size() >= 10) {
    exif[4] = '-';
    exif[7] = '-';
  }
  return exif.substr(0, 19);
}

}  // namespace

// The words "stream" and "endobj" inside strings, every kind of encryption
// qpdf writes with object streams, damaged cross-reference data, and dates
// out of range.
TEST(ToolCheckPDFInfo, InfoDictionariesEncryptionAndRepairAgreeWithPdfinfo) {
  struct TCase {
    const char* File;
    int32_t Pages;
    bool Meta;  // the information dictionary is read
  };
  const TCase cases[] = {
      {"p_words.pdf", 2, true},   {"p_objstm.pdf", 2, true},  {"p_rc4_40.pdf", 2, true},
      {"p_rc4_128.pdf", 2, true}, {"p_aes_128.pdf", 2, true}, {"p_aes_256.pdf", 2, true},
      {"p_badxref.pdf", 2, true}, {"p_notable.pdf", 2, true}, {"p_objstm_badxref.pdf", 2, true},
      {"p_locked.pdf", 0, false},
  };
  std::vector<std::string> paths;
  for (const auto& c : cases) paths.push_back(DocumentFixtures().file(c.File));
  const TProbe probe = RunProbeScript("probe_documents.py", paths);
  const auto& plain = probe.at("p_words.pdf");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.File);
    TDocumentInfoPDF pdf;
    ASSERT_TRUE(pdf.ReadFromFile(DocumentFixtures().file(c.File)));
    EXPECT_EQ(pdf.PageCount, c.Pages);
    const std::string title = c.Meta ? "Mainstream Upstream Report" : "";
    EXPECT_EQ(pdf.MetaTitle, title);
    EXPECT_EQ(pdf.MetaAuthor, c.Meta ? "Ann (endobj) Example" : "");
    EXPECT_EQ(pdf.MetaSubject, c.Meta ? "ends at endobj, starts a stream" : "");
    EXPECT_EQ(pdf.MetaKeywords, c.Meta ? "endobj" : "");
    EXPECT_EQ(pdf.MetaCreated, c.Meta ? "2024-05-17 09:30:00" : "");
    const auto& p = probe.count(c.File) ? probe.at(c.File) : plain;
    if (Fact(p, "pdfinfo_ok") != "1") {
      // pdfinfo refuses a file that asks for a password, and repairs no
      // cross-reference stream; the reader gives the same as for the file
      // before its startxref was broken.
      if (c.Meta) {
        EXPECT_EQ(pdf.MetaTitle, Fact(plain, "pdfinfo_Title"));
        EXPECT_EQ(pdf.PageCount, ProbeNumber(plain, "pdfinfo_Pages"));
      }
      continue;
    }
    EXPECT_EQ(pdf.PageCount, ProbeNumber(p, "pdfinfo_Pages"));
    EXPECT_EQ(pdf.MetaTitle, Fact(p, "pdfinfo_Title"));
    EXPECT_EQ(pdf.MetaAuthor, Fact(p, "pdfinfo_Author"));
    EXPECT_EQ(pdf.MetaSubject, Fact(p, "pdfinfo_Subject"));
    EXPECT_EQ(pdf.MetaKeywords, Fact(p, "pdfinfo_Keywords"));
    EXPECT_EQ(pdf.MetaApplication, Fact(p, "pdfinfo_Creator"));
    EXPECT_EQ(pdf.MetaCreatedWith, Fact(p, "pdfinfo_Producer"));
    // pdfinfo adds the zone; the reader keeps the written time.
    std::string created = Fact(p, "pdfinfo_CreationDate").substr(0, 19);
    if (created.size() == 19) created[10] = ' ';
    EXPECT_EQ(pdf.MetaCreated, created);
  }

  // pdfinfo prints a date of 30 February at 24:61:61 as written; the reader
  // gives no date for fields out of range and keeps the valid one.
  TDocumentInfoPDF dates(DocumentFixtures().file("p_baddate.pdf"));
  const TProbe d = RunProbeScript("probe_documents.py", {DocumentFixtures().file("p_baddate.pdf")});
  EXPECT_EQ(Fact(d.at("p_baddate.pdf"), "pdfinfo_CreationDate"), "2024-02-30T24:61:61Z");
  EXPECT_EQ(dates.MetaCreated, "");
  EXPECT_EQ(dates.MetaModified, "2024-02-29 23:59:59");
}

// One LibreOffice document saved as ODT, DOCX, RTF and PDF, and one workbook
// as ODS and XLSX, read through the document facade; hand-written HTML. The
// fields agree with each other and with exiftool.
TEST(ToolCheckDocumentInfo, LibreOfficeFamiliesAndHtmlAgreeWithExiftool) {
  struct TCase {
    const char* File;
    TDocumentInfoFormat Format;
    const char* Title;
    const char* Author;
    const char* Keywords;
    const char* Created;  // nullptr: not compared
  };
  const TCase cases[] = {
      {"l_text.odt", difODT, "Plans & Notes", "Ann Example", "alpha, beta gamma", "2024-05-17T09:30:00"},
      {"l_text.docx", difDOCX, "Plans & Notes", "Ann Example", "alpha beta gamma", "2024-05-17T09:30:00Z"},
      {"l_text.pdf", difPDF, "Plans & Notes", "Ann Example", "alpha, beta gamma", nullptr},
      // LibreOffice writes the last editor as a second author group, which
      // exiftool reads as the reader does.
      {"l_text.rtf", difRTF, "Plans & Notes", "Bob Editor", "alpha, beta gamma", "2024-05-17 09:30:00"},
      {"l_sheet.ods", difODT, "Budget <2024>", "Ann Example", "money", nullptr},
      {"l_sheet.xlsx", difDOCX, "Budget <2024>", "Ann Example", "money", nullptr},
      {"h_upper.html", difHTML, "Caf\xC3\xA9 <!-- draft --> R\xC3\xA9sum\xC3\xA9 & plan", "Ren\xC3\xA9 & Co", "a, b",
       nullptr},
      {"h_cut.html", difHTML, "Quarterly report", "Ann", "", nullptr},
      // The info group holds a title in {\upr{...}{\*\ud{...}}}: the fields
      // behind it are read, and the title from its Unicode form.
      {"l_intl.rtf", difRTF, "\xC3\x84rger \xE2\x86\x92 \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
       "J\xC3\xB6rg M\xC3\xBCller", "Eins", "2024-05-17 09:30:00"},
      // Declared windows-1252: quotes and the euro sign; unquoted values.
      {"h_cp1252.html", difHTML, "\xE2\x80\x9CQ\xE2\x80\x9D \xE2\x82\xAC", "Bob", "", nullptr},
      {"h_equiv.html", difHTML, "\xE2\x80\x9CQ\xE2\x80\x9D \xE2\x82\xAC", "Bob", "", nullptr},
  };
  std::vector<std::string> paths;
  for (const auto& c : cases) paths.push_back(DocumentFixtures().file(c.File));
  const TProbe probe = RunProbeScript("probe_documents.py", paths);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.File);
    TDocumentInfo info;
    ASSERT_TRUE(info.GetDocumentData(DocumentFixtures().file(c.File))) << info.Error;
    EXPECT_EQ(info.Format, c.Format);
    EXPECT_EQ(info.MetaTitle, c.Title);
    EXPECT_EQ(info.MetaAuthor, c.Author);
    EXPECT_EQ(info.MetaKeywords, c.Keywords);
    if (c.Created) {
      EXPECT_EQ(info.MetaCreated, c.Created);
    }
    const auto& p = probe.count(c.File) ? probe.at(c.File) : std::map<std::string, std::string>{};
    const std::string ext = std::string(c.File).substr(std::string(c.File).rfind('.') + 1);
    if (ext == "pdf") continue;                                          // compared with pdfinfo above
    if (ext == "html" && std::string(c.File) == "h_cut.html") continue;  // exiftool reads no cut-off page
    // exiftool reads no title that LibreOffice wraps in {\upr ...}, and
    // knows a page's code page only from the http-equiv form (h_equiv.html).
    if (std::string(c.File) != "l_intl.rtf" && std::string(c.File) != "h_cp1252.html") {
      EXPECT_EQ(info.MetaTitle, Fact(p, "exiftool_Title"));
    }
    if (ext == "odt" || ext == "ods") {
      // OpenDocument: the initial creator, and each keyword an entry.
      EXPECT_EQ(info.MetaAuthor, Fact(p, "exiftool_Initial-creator"));
      EXPECT_EQ(info.MetaKeywords, Fact(p, "exiftool_Keyword"));
    } else if (ext == "docx" || ext == "xlsx") {
      EXPECT_EQ(info.MetaAuthor, Fact(p, "exiftool_Creator"));
      EXPECT_EQ(info.MetaKeywords, Fact(p, "exiftool_Keywords"));
    } else {
      EXPECT_EQ(info.MetaAuthor, Fact(p, "exiftool_Author"));
      EXPECT_EQ(info.MetaKeywords, Fact(p, "exiftool_Keywords"));
    }
    if (ext == "rtf") {
      EXPECT_EQ(info.MetaCreated, NormalDate(Fact(p, "exiftool_CreateDate")));
      EXPECT_EQ(info.MetaModified, NormalDate(Fact(p, "exiftool_ModifyDate")));
    }
  }
}
