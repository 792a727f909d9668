// The PDF reader on hand-made files: classic tables and cross-reference
// streams with PNG prediction, object streams, the /Prev chain, strings,
// dates, XMP and the page-object scan that stands in for a missing tree.
#include "fileinfo/pdf_info.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "support/test_support.h"

namespace {

std::string Deflate(const std::string& data) {
  uLongf len = compressBound(static_cast<uLong>(data.size()));
  std::string out(len, '\0');
  compress(reinterpret_cast<Bytef*>(out.data()), &len, reinterpret_cast<const Bytef*>(data.data()),
           static_cast<uLong>(data.size()));
  out.resize(len);
  return out;
}

// Objects 1.. with a classic table and trailer (or none).
std::string ClassicPdf(const std::vector<std::string>& objects, const std::string& trailer,
                       const std::string& tail = "\n%%EOF\n") {
  std::string out = "%PDF-1.4\n";
  std::vector<size_t> offsets;
  for (size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(out.size());
    out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const size_t xref = out.size();
  out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (size_t o : offsets) {
    char line[32];
    snprintf(line, sizeof line, "%010zu 00000 n \n", o);
    out += line;
  }
  out += "trailer\n" + trailer + "\nstartxref\n" + std::to_string(xref) + tail;
  return out;
}

// Objects 1..n plain, object stream n+1 holding the compressed ones, and a
// cross-reference stream with /W [1 2 1], PNG Up prediction (predictor 12).
std::string XRefStreamPdf(const std::vector<std::string>& plain, const std::vector<std::string>& compressed,
                          const std::string& trailerKeys, bool predict) {
  std::string out = "%PDF-1.5\n";
  std::vector<size_t> offsets;
  for (size_t i = 0; i < plain.size(); ++i) {
    offsets.push_back(out.size());
    out += std::to_string(i + 1) + " 0 obj\n" + plain[i] + "\nendobj\n";
  }
  const int firstCompressed = static_cast<int>(plain.size()) + 2;
  const int streamNumber = static_cast<int>(plain.size()) + 1;
  std::string header, body;
  for (size_t i = 0; i < compressed.size(); ++i) {
    header += std::to_string(firstCompressed + static_cast<int>(i)) + " " + std::to_string(body.size()) + " ";
    body += compressed[i] + "\n";
  }
  const std::string objstm = Deflate(header + body);
  const size_t objstmOffset = out.size();
  out += std::to_string(streamNumber) + " 0 obj\n<< /Type /ObjStm /N " + std::to_string(compressed.size()) +
         " /First " + std::to_string(header.size()) + " /Length " + std::to_string(objstm.size()) +
         " /Filter /FlateDecode >>\nstream\n" + objstm + "\nendstream\nendobj\n";
  const int xrefNumber = firstCompressed + static_cast<int>(compressed.size());
  const size_t xrefOffset = out.size();
  std::vector<std::string> rows;
  auto row = [](int type, size_t f2, int f3) {
    return std::string{static_cast<char>(type), static_cast<char>(f2 >> 8), static_cast<char>(f2),
                       static_cast<char>(f3)};
  };
  rows.push_back(row(0, 0, 0));
  for (size_t o : offsets) rows.push_back(row(1, o, 0));
  rows.push_back(row(1, objstmOffset, 0));
  for (size_t i = 0; i < compressed.size(); ++i)
    rows.push_back(row(2, static_cast<size_t>(streamNumber), static_cast<int>(i)));
  rows.push_back(row(1, xrefOffset, 0));
  std::string data, prev(4, '\0');
  for (const std::string& r : rows) {
    if (predict) {
      data += '\x02';
      for (int c = 0; c < 4; ++c) data += static_cast<char>(r[c] - prev[c]);
    } else {
      data += r;
    }
    prev = r;
  }
  const std::string z = Deflate(data);
  out += std::to_string(xrefNumber) + " 0 obj\n<< /Type /XRef /Size " + std::to_string(rows.size()) + " /W [1 2 1] " +
         trailerKeys + " /Length " + std::to_string(z.size()) + " /Filter /FlateDecode" +
         (predict ? " /DecodeParms << /Columns 4 /Predictor 12 >>" : "") + " >>\nstream\n" + z +
         "\nendstream\nendobj\nstartxref\n" + std::to_string(xrefOffset) + "\n%%EOF\n";
  return out;
}

std::string Write(const testsupport::TempDir& dir, const std::string& bytes) {
  testsupport::WriteFileBytes(dir.file("t.pdf"), bytes);
  return dir.file("t.pdf");
}

}  // namespace

TEST(PDFInfo, ClassicTableInfoAndPageTree) {
  testsupport::TempDir dir;
  const std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Kids [3 0 R] /Count 7 >>",
      "<< /Type /Page /Parent 2 0 R >>",
      "<< /Trapped /False /Title (A \\(b\\) \\\\ c\\101\\\n d) /Author <FEFF 00C4 0020 D83D DE00> "
      "/Subject <41 4 2> /Keywords (\\200\\224) /CreationDate (D:20240517093000+02'00') /ModDate (D:2024x) >>",
  };
  // White space after %%EOF does not hide the last section.
  const std::string file = ClassicPdf(objects, "<< /Size 5 /Root 1 0 R /Info 4 0 R >>", "\n%%EOF\n\n\n   \n");
  TDocumentInfoPDF pdf(Write(dir, file));
  EXPECT_EQ(pdf.PDFVersion, "1.4");
  EXPECT_EQ(pdf.PageCount, 7);  // from the tree, not from the one page object
  EXPECT_EQ(pdf.MetaTitle, "A (b) \\ cA d");
  EXPECT_EQ(pdf.MetaAuthor, "\xC3\x84 \xF0\x9F\x98\x80");
  EXPECT_EQ(pdf.MetaSubject, "AB");
  EXPECT_EQ(pdf.MetaKeywords, "\xE2\x80\xA2\xEF\xAC\x82");
  EXPECT_EQ(pdf.MetaCreated, "2024-05-17 09:30:00");
  EXPECT_EQ(pdf.MetaModified, "");
  EXPECT_GT(pdf.GetMetaCreatedAsDateTime(), 45000);
  EXPECT_EQ(pdf.GetMetaModifiedAsDateTime(), 0);

  TDocumentInfoPDF pagesOnly("", false);
  ASSERT_TRUE(pagesOnly.ReadFromFile(Write(dir, file)));
  EXPECT_EQ(pagesOnly.PageCount, 7);
  EXPECT_TRUE(pagesOnly.MetaTitle.empty());
}

TEST(PDFInfo, CrossReferenceAndObjectStreams) {
  testsupport::TempDir dir;
  for (bool predict : {true, false}) {
    SCOPED_TRACE(predict);
    const std::string file =
        XRefStreamPdf({"<< /Type /Catalog /Pages 3 0 R >>"},
                      {"<< /Type /Pages /Kids [4 0 R] /Count 2 >>", "<< /Type /Page /Parent 3 0 R >>",
                       "<< /Title (In a stream) /Producer <FEFF0051> >>"},
                      "/Root 1 0 R /Info 5 0 R", predict);
    TDocumentInfoPDF pdf(Write(dir, file));
    EXPECT_EQ(pdf.PageCount, 2);
    EXPECT_EQ(pdf.MetaTitle, "In a stream");
    EXPECT_EQ(pdf.MetaCreatedWith, "Q");
  }
}

TEST(PDFInfo, XmpFillsWhatTheInfoDictionaryLeavesEmpty) {
  testsupport::TempDir dir;
  const std::string xmp =
      "<?xpacket begin=\"\"?><x:xmpmeta><rdf:RDF><rdf:Description><dc:title><rdf:Alt><rdf:li>X &amp; Y</rdf:li>"
      "</rdf:Alt></dc:title><dc:creator><rdf:Seq><rdf:li>Ann</rdf:li><rdf:li>Bob</rdf:li></rdf:Seq></dc:creator>"
      "<xmp:CreateDate>2023-01-02T03:04:05+01:00</xmp:CreateDate></rdf:Description></rdf:RDF></x:xmpmeta>";
  const std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages 2 0 R /Metadata 3 0 R >>",
      "<< /Type /Pages /Count 1 >>",
      "<< /Type /Metadata /Subtype /XML /Length " + std::to_string(xmp.size()) + " >>\nstream\n" + xmp + "\nendstream",
      "<< /Author (Info wins) >>",
  };
  TDocumentInfoPDF pdf(Write(dir, ClassicPdf(objects, "<< /Root 1 0 R /Info 4 0 R >>")));
  EXPECT_EQ(pdf.MetaTitle, "X & Y");
  EXPECT_EQ(pdf.MetaAuthor, "Info wins");
  EXPECT_EQ(pdf.MetaCreated, "2023-01-02 03:04:05");
}

TEST(PDFInfo, DamagedFilesEndAndFallBackOnThePageScan) {
  testsupport::TempDir dir;
  const std::string pages =
      "%PDF-1.3\n1 0 obj<</Type/Page>>endobj 2 0 obj<</Type /Pages>>endobj 3 0 obj<</Type\n/Page >>endobj";
  TDocumentInfoPDF scan(Write(dir, pages));
  EXPECT_EQ(scan.PageCount, 2);
  EXPECT_EQ(scan.PDFVersion, "1.3");

  // A /Prev chain that returns to itself ends.
  const std::string looping =
      ClassicPdf({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Count 3 >>"}, "<< /Root 1 0 R /Prev 9 >>");
  const size_t xref = looping.find("xref");
  std::string patched = looping;
  patched.replace(patched.find("/Prev 9"), 7, "/Prev " + std::to_string(xref));
  TDocumentInfoPDF loop(Write(dir, patched));
  EXPECT_EQ(loop.PageCount, 3);

  // A stream /Length beyond the file and a count beyond any file's reach.
  const std::string bad = ClassicPdf({"<< /Type /Catalog /Pages 2 0 R /Metadata 3 0 R >>",
                                      "<< /Type /Pages /Count 999999999 >>", "<< /Length 99999999 >>\nstream\nx"},
                                     "<< /Root 1 0 R >>");
  TDocumentInfoPDF damaged(Write(dir, bad));
  EXPECT_EQ(damaged.PageCount, 0);
  EXPECT_FALSE(damaged.ReadFromFile(dir.file("missing.pdf")));
}

TEST(PDFInfo, StringsAndDates) {
  struct TCase {
    const char* In;
    const char* Out;
  };
  const TCase strings[] = {
      {"(plain)", "plain"},
      {"(a\\nb\\t\\(\\)\\\\)", "a\nb\t()\\"},
      {"(\\053\\53x)", "++x"},
      {"(line\\\ncontinued)", "linecontinued"},
      {"(\\351t\\351)", "\xC3\xA9t\xC3\xA9"},
      {"<FEFF004100DF>", "A\xC3\x9F"},
      {"<FE FF 00 41\n00 42>", "AB"},
      {"<414>", "A@"},
      {"/Name", "/Name"},
  };
  for (const auto& c : strings) EXPECT_EQ(TDocumentInfoPDF::EncodeStringFromPDFStringFormat(c.In), c.Out) << c.In;
  const TCase dates[] = {
      {"D:20240517093000+02'00'", "2024-05-17 09:30:00"},
      {"D:20240517093000Z", "2024-05-17 09:30:00"},
      {"20240517", "2024-05-17 00:00:00"},
      {"D:2024", "2024-01-01 00:00:00"},
      {"D:2024x517", ""},
      {"", ""},
      {"D:20245", ""},
      // Fields out of range make no date.
      {"D:20240230246161Z", ""},
      {"D:20240229235959Z", "2024-02-29 23:59:59"},
      {"D:20230229", ""},
      {"D:202413", ""},
      {"D:20240517240000", ""},
      {"D:00000101", ""},
  };
  for (const auto& c : dates) EXPECT_EQ(TDocumentInfoPDF::PDFDateToNormalDateStr(c.In), c.Out) << c.In;
}

// The object's text is read by its tokens: "stream" and "endobj" inside a
// string or a name end nothing.
TEST(PDFInfo, KeywordsInsideStringsEndNoObject) {
  testsupport::TempDir dir;
  const std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Count 1 >>",
      "<< /Title (Mainstream Upstream Report) /Subject (a \\) endobj \\( stream) /Author <656E646F626A>"
      " /Keywords (" +
          std::string(6000, 'k') + " stream) /Creator /endobj >>",
  };
  TDocumentInfoPDF pdf(Write(dir, ClassicPdf(objects, "<< /Root 1 0 R /Info 3 0 R >>")));
  EXPECT_EQ(pdf.MetaTitle, "Mainstream Upstream Report");
  EXPECT_EQ(pdf.MetaSubject, "a ) endobj ( stream");
  EXPECT_EQ(pdf.MetaAuthor, "endobj");
  EXPECT_EQ(pdf.MetaKeywords, std::string(6000, 'k') + " stream");
  EXPECT_EQ(pdf.PageCount, 1);
}

// Cross-reference data that lead nowhere: a scan of the objects finds them,
// and the last trailer (or, without one, the catalog and the information
// dictionary among the objects) names what to read.
TEST(PDFInfo, BrokenCrossReferencesAreRepairedByAScan) {
  testsupport::TempDir dir;
  const std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Count 4 >>",
      "<< /Title (Found) /Producer (P) >>",
  };
  const std::string good = ClassicPdf(objects, "<< /Root 1 0 R /Info 3 0 R >>");
  struct TCase {
    const char* Name;
    std::string Bytes;
  };
  std::string badOffset = good;
  badOffset.replace(badOffset.rfind("startxref\n") + 10, std::string::npos, "12\n%%EOF\n");
  std::string noStartxref = good.substr(0, good.rfind("startxref"));
  // Every table entry off by three bytes.
  std::string shifted = good;
  shifted.insert(shifted.find("1 0 obj"), "   ");
  std::string noTrailer = good.substr(0, good.find("xref"));
  const TCase cases[] = {
      {"offset", badOffset}, {"none", noStartxref}, {"shifted", shifted}, {"trailerless", noTrailer}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TDocumentInfoPDF pdf(Write(dir, c.Bytes));
    EXPECT_EQ(pdf.PageCount, 4);
    EXPECT_EQ(pdf.MetaTitle, "Found");
    EXPECT_EQ(pdf.MetaCreatedWith, "P");
  }
}

// More objects than the reader holds entries for: the ones it needs are
// found by a further pass over the table.
TEST(PDFInfo, ObjectsBeyondTheTableBound) {
  testsupport::TempDir dir;
  const int filler = static_cast<int>(kPDFMaxTableEntries) + 500;
  std::vector<std::string> objects = {"<< /Type /Catalog /Pages " + std::to_string(filler + 3) + " 0 R >>"};
  for (int i = 0; i < filler; ++i) objects.push_back("null");
  objects.push_back("<< /Title (Far) >>");
  objects.push_back("<< /Type /Pages /Count 3 >>");
  const std::string trailer = "<< /Root 1 0 R /Info " + std::to_string(filler + 2) + " 0 R >>";
  TDocumentInfoPDF pdf(Write(dir, ClassicPdf(objects, trailer)));
  EXPECT_EQ(pdf.PageCount, 3);
  EXPECT_EQ(pdf.MetaTitle, "Far");
}
