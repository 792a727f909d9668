// Entries of ZIP archives made in the test with libzip: selection without
// regard to case, missing and empty entries, damaged archives and the limits
// that refuse a deflate bomb.
#include "fileinfo/zip_extractor.h"

#include <gtest/gtest.h>
#include <zip.h>

#include "support/test_support.h"

namespace {

void MakeZip(const std::string& path, const std::vector<std::pair<std::string, std::string>>& entries) {
  int err = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
  ASSERT_NE(z, nullptr);
  for (const auto& [name, data] : entries) {
    zip_source_t* s = zip_source_buffer(z, data.data(), data.size(), 0);
    ASSERT_GE(zip_file_add(z, name.c_str(), s, ZIP_FL_OVERWRITE), 0);
  }
  ASSERT_EQ(zip_close(z), 0);
}

}  // namespace

TEST(ZipExtractor, EntriesByNameWithoutCase) {
  testsupport::TempDir dir;
  const std::string core = "\xEF\xBB\xBF<cp:coreProperties><dc:title>T</dc:title></cp:coreProperties>";
  const std::string path = dir.file("a.docx");
  MakeZip(path, {{"docProps/core.xml", core}, {"empty.txt", ""}, {"Word/Document.xml", "<w/>"}});
  TZipFileExtractor zip(path);
  EXPECT_EQ(zip.GetFileFromZipAsString("docProps/core.xml"), core);
  EXPECT_EQ(zip.GetFileFromZipAsString("docProps/core.xml"), core);
  EXPECT_EQ(zip.GetFileFromZipAsString("word/document.XML"), "<w/>");
  EXPECT_EQ(zip.GetFileFromZipAsString("empty.txt"), "");
  EXPECT_EQ(zip.GetFileFromZipAsString("missing.xml"), "");
}

TEST(ZipExtractor, DamagedArchivesAndBombsRaise) {
  testsupport::TempDir dir;
  testsupport::WriteFileBytes(dir.file("bad.docx"), "PK\x03\x04 not really a zip archive at all");
  EXPECT_THROW(TZipFileExtractor(dir.file("bad.docx")).GetFileFromZipAsString("x"), EZipError);
  EXPECT_THROW(TZipFileExtractor(dir.file("missing.docx")).GetFileFromZipAsString("x"), EStreamError);

  // Two megabytes of one letter deflate to a few kilobytes: far beyond the
  // ratio an honest document entry has.
  const std::string path = dir.file("bomb.zip");
  MakeZip(path, {{"bomb.xml", std::string(2 * 1024 * 1024, 'a')}, {"ok.xml", std::string(5000, 'b')}});
  TZipFileExtractor zip(path);
  EXPECT_THROW(zip.GetFileFromZipAsString("bomb.xml"), EZipError);
  EXPECT_EQ(zip.GetFileFromZipAsString("ok.xml").size(), 5000u);
}
