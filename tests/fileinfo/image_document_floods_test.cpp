// Crafted floods for the image, markup, document and PDF readers: files of
// millions of boxes, elements, tags or objects, made here. Each reader must
// give its result in time linear in the file and hold a bounded amount of
// memory beyond the file's text (counts and the fields it reports, not every
// item it passed). The time bounds are generous: they catch a reader a
// hundred times too slow, not a slow machine; the speed itself is measured
// in bench/.
#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <string>

#include "fileinfo/document_info.h"
#include "fileinfo/image_info.h"
#include "fileinfo/markup_tree.h"
#include "fileinfo/pdf_info.h"
#include "image_fixtures.h"
#include "heap_peak.h"

using namespace fixtures;

namespace {

constexpr int64_t kMiB = 1024 * 1024;

struct TRun {
  int64_t PeakBytes;
  double Seconds;
};

template <typename Fn>
TRun Measure(const Fn& fn) {
  const auto start = std::chrono::steady_clock::now();
  const int64_t peak = heappeak::PeakHeapGrowth(fn);
  return {peak, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

struct TImageFlood {
  TImageInfo Info;
  TRun Run;
};

// Reads an image flood: it succeeds, within a few megabytes and in time.
TImageFlood ReadImageFlood(const std::string& path) {
  TImageFlood read;
  bool ok = false;
  read.Run = Measure([&] { ok = read.Info.GetImageData(path); });
  EXPECT_TRUE(ok) << path;
  EXPECT_LT(read.Run.PeakBytes, 4 * kMiB) << path;
  EXPECT_LT(read.Run.Seconds, 60) << path;
  return read;
}

std::string Box(const std::string& type, const std::string& content) {
  return BE32(static_cast<uint32_t>(content.size() + 8)) + type + content;
}

}  // namespace

TEST(Floods, Jpeg2000OfTwoMillionBoxes) {
  TTempDir dir("flood");
  std::string file =
      Bytes({0, 0, 0, 0x0C}) + "jP  " + Bytes({0x0D, 0x0A, 0x87, 0x0A}) + Box("ftyp", "jp2 " + BE32(0) + "jp2 ");
  const std::string empty = Box("jp2h", "");
  file.reserve(file.size() + 2000000 * empty.size() + 64);
  for (int i = 0; i < 2000000; ++i) file += empty;
  file += Box("jp2h", Box("ihdr", BE32(5) + BE32(7) + BE16(3) + Bytes({7, 7, 0, 0})));
  WriteFile(dir / "flood.jp2", file);
  file.clear();
  file.shrink_to_fit();
  const TImageFlood read = ReadImageFlood(dir / "flood.jp2");
  EXPECT_EQ(read.Info.Width, 7);
  EXPECT_EQ(read.Info.Height, 5);
}

TEST(Floods, IconFamilyOfThreeMillionElements) {
  TTempDir dir("flood");
  std::string elements;
  elements.reserve(3000000 * 8);
  for (int i = 0; i < 3000000; ++i) elements += "is32" + BE32(8);
  WriteFile(dir / "flood.icns", "icns" + BE32(static_cast<uint32_t>(elements.size() + 8)) + elements);
  elements.clear();
  elements.shrink_to_fit();
  const TImageFlood read = ReadImageFlood(dir / "flood.icns");
  EXPECT_EQ(read.Info.ImageCount, 3000000);
  EXPECT_EQ(read.Info.Width, 16);
}

// Markup nested a million levels deep: the readers keep the few elements
// they report, not a node per tag.
TEST(Floods, MarkupNestedAMillionDeep) {
  constexpr int kDepth = 1000000;
  std::string nested;
  nested.reserve(kDepth * 11 + 256);
  for (int i = 0; i < kDepth; ++i) nested += "<div>";
  nested += "<meta name=\"keywords\" content=\"deep\">x";
  for (int i = 0; i < kDepth; ++i) nested += "</div>";

  TDocDOM dom;
  dom.KeptTagNames = {"dc:title", "meta"};
  const std::string xml = "<x:xmpmeta><dc:title>T</dc:title>" + nested + "</x:xmpmeta>";
  const TRun parse = Measure([&] { dom.LoadFromString(xml); });
  ASSERT_NE(dom.GetFirstNodeWithTagName("dc:title"), nullptr);
  EXPECT_EQ(dom.GetFirstNodeWithTagName("dc:title")->TextContent(), "T");
  EXPECT_EQ(dom.GetFirstNodeWithTagName("meta")->GetAttribute("content"), "deep");
  EXPECT_LT(parse.PeakBytes, 4 * kMiB);
  EXPECT_LT(parse.Seconds, 60);

  TTempDir dir("flood");
  const std::string page = "<html lang=\"en\"><head><title>Deep</title></head><body>" + nested + "</body></html>";
  WriteFile(dir / "deep.html", page);
  TDocumentInfo info;
  bool ok = false;
  const TRun read = Measure([&] { ok = info.GetDocumentData(dir / "deep.html"); });
  EXPECT_TRUE(ok);
  EXPECT_EQ(info.MetaTitle, "Deep");
  EXPECT_EQ(info.MetaKeywords, "deep");
  EXPECT_EQ(info.Language, "en");
  // The page's text is held while it is read (as bytes and as UTF-8); the
  // tree adds almost nothing to it.
  EXPECT_LT(read.PeakBytes, 5 * static_cast<int64_t>(page.size()) + 4 * kMiB);
  EXPECT_LT(read.Seconds, 60);
}

// A million objects in a classic table, and in a cross-reference stream:
// the information dictionary and the page tree lie beyond the entries the
// reader holds at once.
TEST(Floods, PdfOfAMillionObjects) {
  constexpr int kObjects = 1000000;
  TTempDir dir("flood");
  for (bool stream : {false, true}) {
    SCOPED_TRACE(stream);
    std::string out = "%PDF-1.5\n";
    std::vector<uint32_t> offsets;
    offsets.reserve(kObjects + 4);
    auto object = [&](const std::string& body) {
      offsets.push_back(static_cast<uint32_t>(out.size()));
      out += std::to_string(offsets.size()) + " 0 obj " + body + " endobj\n";
    };
    object("<< /Type /Catalog /Pages " + std::to_string(kObjects + 3) + " 0 R >>");
    for (int i = 0; i < kObjects; ++i) object("null");
    object("<< /Title (Far away) >>");
    object("<< /Type /Pages /Count 9 >>");
    const uint32_t xref = static_cast<uint32_t>(out.size());
    const std::string trailer = "/Root 1 0 R /Info " + std::to_string(kObjects + 2) + " 0 R";
    if (!stream) {
      out += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f\r\n";
      char line[24];
      for (uint32_t o : offsets) {
        std::snprintf(line, sizeof line, "%010u 00000 n\r\n", o);
        out += line;
      }
      out += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " " + trailer + " >>\n";
    } else {
      std::string rows = std::string{1, 0, 0, 0, 0, 0};
      for (uint32_t o : offsets)
        rows += std::string{
            1, static_cast<char>(o >> 24), static_cast<char>(o >> 16), static_cast<char>(o >> 8), static_cast<char>(o),
            0};
      rows += std::string{1,
                          static_cast<char>(xref >> 24),
                          static_cast<char>(xref >> 16),
                          static_cast<char>(xref >> 8),
                          static_cast<char>(xref),
                          0};
      uLongf len = compressBound(static_cast<uLong>(rows.size()));
      std::string z(len, '\0');
      compress(reinterpret_cast<Bytef*>(z.data()), &len, reinterpret_cast<const Bytef*>(rows.data()),
               static_cast<uLong>(rows.size()));
      z.resize(len);
      out += std::to_string(offsets.size() + 1) + " 0 obj << /Type /XRef /Size " + std::to_string(offsets.size() + 2) +
             " /W [1 4 1] " + trailer + " /Filter /FlateDecode /Length " + std::to_string(z.size()) + " >>\nstream\n" +
             z + "\nendstream\nendobj\n";
    }
    out += "startxref\n" + std::to_string(xref) + "\n%%EOF\n";
    WriteFile(dir / "flood.pdf", out);
    const size_t fileSize = out.size();
    out.clear();
    out.shrink_to_fit();
    TDocumentInfoPDF pdf;
    const TRun run = Measure([&] { pdf.ReadFromFile(dir / "flood.pdf"); });
    EXPECT_EQ(pdf.PageCount, 9);
    EXPECT_EQ(pdf.MetaTitle, "Far away");
    EXPECT_LT(run.PeakBytes, 8 * kMiB) << fileSize;
    EXPECT_LT(run.Seconds, 60);
  }
}
