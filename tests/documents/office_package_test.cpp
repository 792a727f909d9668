#include "documents/office_package.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "documents/docx_writer.h"
#include "documents/html_writer.h"
#include "documents/odt_writer.h"
#include "documents/rtf_writer.h"
#include "documents/table_export.h"
#include "documents/table_export_buffer.h"
#include "documents_test_support.h"
#include "foundation/code_pages.h"
#include "foundation/text_files.h"
#include "test_support.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

uint16_t Le16(const std::string& bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                               (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

TEST(OfficePackage, EntriesKeepTheirOrderAndTheFirstCanBeStored) {
  TempDir dir;
  TOfficePackage package;
  package.StoreFirstFileUncompressed = true;
  package.AddPart("mimetype", "application/vnd.oasis.opendocument.text");
  package.AddPart("content.xml", std::string(2000, 'a'));
  package.AddPart("META-INF/manifest.xml", "<m></m>");
  const std::string target = dir.file("a.odt");
  ASSERT_TRUE(package.SaveToFile(target));

  const auto entries = documentstest::ReadZip(target);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Name, "mimetype");
  EXPECT_EQ(entries[1].Name, "content.xml");
  EXPECT_EQ(entries[2].Name, "META-INF/manifest.xml");
  EXPECT_EQ(entries[0].Method, ZIP_CM_STORE);
  EXPECT_EQ(entries[1].Method, ZIP_CM_DEFLATE);
  EXPECT_EQ(entries[2].Method, ZIP_CM_DEFLATE);
  EXPECT_EQ(entries[1].Data, std::string(2000, 'a'));

  // The stored mimetype right after the first local header, with no extra field.
  const std::string bytes = ReadFileBytes(target);
  ASSERT_GT(bytes.size(), 38u + 39u);
  EXPECT_EQ(bytes.substr(0, 4), "PK\x03\x04");
  EXPECT_EQ(Le16(bytes, 8), 0);   // method: stored
  EXPECT_EQ(Le16(bytes, 26), 8);  // name length
  EXPECT_EQ(Le16(bytes, 28), 0);  // extra length
  EXPECT_EQ(bytes.substr(30, 8), "mimetype");
  EXPECT_EQ(bytes.substr(38, 39), "application/vnd.oasis.opendocument.text");
}

TEST(OfficePackage, ReplacesAnExistingTargetAndKeepsItsMode) {
  TempDir dir;
  const std::string target = dir.file("b.docx");
  WriteFileBytes(target, "old content");
  ::chmod(target.c_str(), 0640);
  TOfficePackage package;
  package.AddPart("[Content_Types].xml", "<Types></Types>");
  ASSERT_TRUE(package.SaveToFile(target));
  const auto entries = documentstest::ReadZip(target);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Method, ZIP_CM_DEFLATE);
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  // Nothing else is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(OfficePackage, ALinkedTargetReplacesTheFileItPointsTo) {
  TempDir dir;
  WriteFileBytes(dir.file("real.docx"), "old");
  std::filesystem::create_symlink(dir.file("real.docx"), dir.file("link.docx"));
  TOfficePackage package;
  package.AddPart("a.xml", "<a></a>");
  ASSERT_TRUE(package.SaveToFile(dir.file("link.docx")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.docx")));
  EXPECT_EQ(documentstest::ZipEntryData(dir.file("real.docx"), "a.xml"), "<a></a>");
  std::filesystem::create_symlink(dir.file("gone.docx"), dir.file("dangling.docx"));
  EXPECT_FALSE(package.SaveToFile(dir.file("dangling.docx")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("gone.docx")));
}

TEST(OfficePackage, FailuresReturnFalseAndLeaveTheTargetAlone) {
  TempDir dir;
  TOfficePackage empty;
  EXPECT_FALSE(empty.SaveToFile(dir.file("none.docx")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("none.docx")));

  TOfficePackage package;
  package.AddPart("a.xml", "<a></a>");
  EXPECT_FALSE(package.SaveToFile(dir.file("missing/folder/x.docx")));
  std::filesystem::create_directory(dir.file("folder.docx"));
  EXPECT_FALSE(package.SaveToFile(dir.file("folder.docx")));
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.docx")));

  EXPECT_FALSE(package.AddFileFromDisk("word/media/image3.png", dir.file("nope.png")));
  EXPECT_FALSE(package.AddFileFromDisk("x", dir.str()));
  EXPECT_EQ(package.Count(), 1);
}

TEST(ZipperFilelist, EntryNamesLoseTheFirstOccurrenceOfTheBaseFolder) {
  TempDir dir;
  const std::string base = dir.file("a.docx.temp");
  std::filesystem::create_directories(base + "/word/a.docx.temp");
  WriteFileBytes(base + "/[Content_Types].xml", "types");
  WriteFileBytes(base + "/word/document.xml", "doc");
  // The base folder text appears a second time inside this path.
  WriteFileBytes(base + "/word/a.docx.temp/x.xml", "x");
  TZipperFilelist zipper({base + "/[Content_Types].xml", base + "/word/document.xml", base + "/word/a.docx.temp/x.xml"},
                         dir.file("a.docx"));
  EXPECT_EQ(zipper.BaseDir(), base + "/");
  zipper.SetBaseDir(base);
  EXPECT_EQ(zipper.BaseDir(), base + "/");
  ASSERT_TRUE(zipper.Execute());
  const auto entries = documentstest::ReadZip(dir.file("a.docx"));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Name, "[Content_Types].xml");
  EXPECT_EQ(entries[1].Name, "word/document.xml");
  EXPECT_EQ(entries[2].Name, "word/a.docx.temp/x.xml");
  EXPECT_EQ(entries[1].Data, "doc");
}

TEST(ZipperFilelist, AMissingFileFailsAndKeepsTheOldArchive) {
  TempDir dir;
  const std::string target = dir.file("t.odt");
  WriteFileBytes(target, "old");
  WriteFileBytes(dir.file("mimetype"), "m");
  TZipperFilelist zipper({dir.file("mimetype"), dir.file("content.xml")}, target);
  zipper.StoreFirstFileUncompressed = true;
  EXPECT_FALSE(zipper.Execute());
  EXPECT_EQ(ReadFileBytes(target), "old");
}

// A streamed part is compressed as it is written, in pieces, between the
// parts held in memory, and reads back whole.
TEST(OfficePackage, StreamedPartsReadBackWhole) {
  TempDir dir;
  std::string expected;
  for (int i = 0; i < 200000; ++i) expected += "<row r=\"" + std::to_string(i) + "\"/>";
  TOfficePackage package;
  package.StoreFirstFileUncompressed = true;
  package.AddPart("mimetype", "application/x-test");
  package.AddStreamedPart("big.xml", [](TTextBuffer& out) {
    for (int i = 0; i < 200000; ++i) {
      out.Put("<row r=\"");
      out.PutInt(i);
      out.Put("\"/>");
      out.Checkpoint();
    }
  });
  package.AddStreamedPart("empty.xml", [](TTextBuffer&) {});
  package.AddPart("last.xml", "<last/>");
  ASSERT_TRUE(package.SaveToFile(dir.file("s.zip")));
  const auto entries = documentstest::ReadZip(dir.file("s.zip"));
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].Method, ZIP_CM_STORE);
  EXPECT_EQ(entries[1].Name, "big.xml");
  EXPECT_EQ(entries[1].Method, ZIP_CM_DEFLATE);
  EXPECT_EQ(entries[1].Data, expected);
  EXPECT_EQ(entries[2].Data, "");
  EXPECT_EQ(entries[3].Data, "<last/>");
  EXPECT_LT(ReadFileBytes(dir.file("s.zip")).size(), expected.size() / 4);
}

// A file the user protected against writing is not replaced.
TEST(OfficePackage, RefusalsLeaveTheirReason) {
  TempDir dir;
  TOfficePackage empty;
  SetLastFileWriteError(0);
  EXPECT_FALSE(empty.SaveToFile(dir.file("none.docx")));
  EXPECT_EQ(LastFileWriteError(), EINVAL);
  TOfficePackage package;
  package.AddPart("a.xml", "<a></a>");
  EXPECT_FALSE(package.SaveToFile(""));
  EXPECT_EQ(LastFileWriteError(), ENOENT);
  std::filesystem::create_symlink(dir.file("nowhere/x"), dir.file("dangling.docx"));
  EXPECT_FALSE(package.SaveToFile(dir.file("dangling.docx")));
  EXPECT_EQ(LastFileWriteError(), ENOENT);
  SetLastFileWriteError(0);
  EXPECT_FALSE(package.AddFileFromDisk("x", dir.file("nope.png")));
  EXPECT_EQ(LastFileWriteError(), ENOENT);
  EXPECT_FALSE(package.AddFileFromDisk("x", dir.str()));
  EXPECT_EQ(LastFileWriteError(), EISDIR);
}

// Every writer refuses a folder and a FIFO as its target with the reason;
// none waits on the FIFO for a reader, and both stay what they were.
TEST(OfficePackage, EveryWriterGivesTheReasonForAFolderOrAFifo) {
  TempDir dir;
  const std::string folder = dir.file("folder");
  const std::string fifo = dir.file("fifo");
  std::filesystem::create_directory(folder);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const TStrArray2D table = {{"a", "1"}};
  TDocCSV hub;
  hub.UseTable(table);
  TDocDOCX docx;
  TDocODT odt;
  TDocRTF rtf;
  TDocHTML html;
  for (TBaseDocument* document : std::initializer_list<TBaseDocument*>{&docx, &odt, &rtf, &html})
    document->Page().AddParagraph("a", -1);
  const std::vector<std::pair<std::string, std::function<bool(const std::string&)>>> writers = {
      {"DOCX", [&](const std::string& f) { return docx.SaveToFile(f); }},
      {"ODT", [&](const std::string& f) { return odt.SaveToFile(f); }},
      {"XLSX", [&](const std::string& f) { return hub.SaveToFileXLSX(f); }},
      {"ODS", [&](const std::string& f) { return hub.SaveToFileODS(f); }},
      {"RTF", [&](const std::string& f) { return rtf.SaveToFile(f); }},
      {"HTML", [&](const std::string& f) { return html.SaveToFileWithTable(table, f); }},
      {"CSV", [&](const std::string& f) { return hub.SaveToFileCSV(f); }},
      {"DIF", [&](const std::string& f) { return hub.SaveToFileDIF(f); }},
      {"TXT", [&](const std::string& f) { return SaveString("a", f, cpUTF8, false, false); }},
  };
  for (const auto& [name, save] : writers) {
    for (const auto& [target, reason] : {std::pair{folder, EISDIR}, std::pair{fifo, EINVAL}}) {
      SetLastFileWriteError(0);
      bool saved = true;
      try {
        saved = save(target);
      } catch (const EFileError& e) {
        saved = false;
        SetLastFileWriteError(e.ErrorNumber);
      }
      EXPECT_FALSE(saved) << name << " " << target;
      EXPECT_EQ(LastFileWriteError(), reason) << name << " " << target;
    }
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(OfficePackage, WriteProtectedTargetIsKept) {
  TempDir dir;
  const std::string target = dir.file("p.docx");
  WriteFileBytes(target, "old");
  ::chmod(target.c_str(), 0444);
  TOfficePackage package;
  package.AddPart("a.xml", "<a></a>");
  EXPECT_FALSE(package.SaveToFile(target));
  ::chmod(target.c_str(), 0644);
  EXPECT_EQ(ReadFileBytes(target), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
