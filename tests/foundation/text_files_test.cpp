#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <future>
#include <iostream>
#include <thread>

#include "foundation/code_pages.h"
#include "foundation/posix_files.h"
#include "foundation/text_files.h"
#include "foundation/utf8.h"
#include "support/failing_folders.h"
#include "support/test_support.h"

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

namespace {

size_t EntriesIn(const TempDir& dir) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++n;
  return n;
}

// A text each code page can hold.
std::string TextFor(int32_t cp) {
  switch (cp) {
    case cpASCII: return "Hello, world!\r\nLine 2\t~";
    case cpISO88591: return "Gr\u00FC\u00DFe, caf\u00E9 \u00BD \u00FF";
    case cpISO88592: return "Za\u017C\u00F3\u0142\u0107 g\u0119\u015Bl\u0105 ja\u017A\u0144";
    case cpWindows1250: return "P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148 \u20AC";
    case cpWindows1251: return "\u041F\u0440\u0438\u0432\u0435\u0442, \u043C\u0438\u0440 \u20AC \u0451";
    case cpWindows1252: return "Gr\u00FC\u00DFe \u20AC \u201Cquotes\u201D \u0153 \u2122";
    case cpWindows1253: return "\u0393\u03B5\u03B9\u03AC \u03C3\u03BF\u03C5 \u03BA\u03CC\u03C3\u03BC\u03B5 \u20AC";
    // Unicode code pages: ASCII letters among the rest, so that the zero-byte
    // pattern of UTF-16/32 text without mark is there to be detected.
    default: return "Hello w\u00F6rld \u65E5\u672C\u8A9E \U0001F60A a+b -x- \u2262";
  }
}

// The code page detection reports for a file written without mark, where it can tell.
int32_t DetectedWithoutMark(int32_t cp) {
  switch (cp) {
    case cpASCII:
    case cpISO88591:
    case cpUTF8:
    case cpUTF16LE:
    case cpUTF16BE:
    case cpUTF32LE:
    case cpUTF32BE: return cp;
    default: return -1;
  }
}

int32_t DetectedWithMark(int32_t cp) {
  switch (cp) {
    case cpUTF7:
    case cpUTF8:
    case cpUTF16LE:
    case cpUTF16BE:
    case cpUTF32LE:
    case cpUTF32BE: return cp;
    default: return DetectedWithoutMark(cp);
  }
}

}  // namespace

TEST(TextFileDetection, FilesMadeInTheTest) {
  TempDir dir;
  std::string ascii750(760, 'a');
  std::string lateLatin1 = ascii750;
  lateLatin1[751] = '\xE9';
  // UTF-16-like zeros after a non-ASCII byte past index 750 are not counted.
  std::string lateWithZeros = lateLatin1 + std::string("b\0c\0d\0e\0", 8);
  std::string earlyWithZeros = ascii750;
  earlyWithZeros[700] = '\xE9';
  earlyWithZeros += std::string("b\0c\0d\0e\0", 8);
  // Index 750 itself is not past 750: the scan goes on.
  std::string at750WithZeros = ascii750;
  at750WithZeros[750] = '\xE9';
  at750WithZeros += std::string("b\0c\0d\0e\0", 8);
  struct Case {
    const char* name;
    std::string bytes;
    int32_t cp;
    bool bom;
  } cases[] = {
      {"empty", "", cpASCII, false},
      {"one byte", "\xFF", cpASCII, false},
      {"FF FE alone", "\xFF\xFE", cpUTF16LE, true},
      {"FF FE 00", std::string("\xFF\xFE\x00", 3), cpUTF16LE, true},
      {"FF FE 00 00", std::string("\xFF\xFE\x00\x00", 4), cpUTF32LE, true},
      {"UTF-32 BE mark", std::string("\x00\x00\xFE\xFF\x00\x00\x00\x41", 8), cpUTF32BE, true},
      {"FE FF", "\xFE\xFF\x00\x41", cpUTF16BE, true},
      {"UTF-8 mark", "\xEF\xBB\xBFx", cpUTF8, true},
      {"UTF-7 mark 8", "+/v8-abc", cpUTF7, true},
      {"UTF-7 mark 9", "+/v9", cpUTF7, true},
      {"UTF-7 mark +", "+/v+", cpUTF7, true},
      {"UTF-7 mark /", "+/v/", cpUTF7, true},
      {"not a UTF-7 mark", "+/vA", cpASCII, false},
      {"UTF-1", "\xF7\x64\x4C", cpUTF1, true},
      {"SCSU", "\x0E\xFE\xFF", cpSCSU, true},
      {"BOCU-1", "\xFB\xEE\x28", cpBOCU1, true},
      {"UTF-EBCDIC", "\xDD\x73\x66\x73", cpUTFEBCDIC, true},
      {"GB18030", "\x84\x31\x95\x33", cpGB18030, true},
      {"ASCII", "plain text\n", cpASCII, false},
      {"ASCII plus E9", "caf\xE9 au lait", cpISO88591, false},
      {"ASCII plus C3 A9", "caf\xC3\xA9 au lait", cpUTF8, false},
      {"truncated UTF-8 at the end", "caf\xC3", cpISO88591, false},
      {"continuation byte alone", "a\x80", cpISO88591, false},
      {"four-byte sequence", "x\xF0\x9F\x98\x8A", cpUTF8, false},
      {"UTF-16LE without mark", std::string("H\0i\0!\0", 6), cpUTF16LE, false},
      {"UTF-16BE without mark", std::string("\0H\0i\0!", 6), cpUTF16BE, false},
      {"UTF-32LE without mark", std::string("H\0\0\0i\0\0\0", 8), cpUTF32LE, false},
      {"UTF-32BE without mark", std::string("\0\0\0H\0\0\0i", 8), cpUTF32BE, false},
      {"non-ASCII past 750 stops the zero scan", lateWithZeros, cpISO88591, false},
      {"non-ASCII before 750 does not", earlyWithZeros, cpUTF16LE, false},
      {"non-ASCII at 750 does not", at750WithZeros, cpUTF16LE, false},
  };
  int n = 0;
  for (const auto& c : cases) {
    std::string f = dir.file("d" + std::to_string(n++));
    WriteFileBytes(f, c.bytes);
    EXPECT_EQ(GetCodePage(f, false), c.cp) << c.name;
    EXPECT_EQ(GetCodePage(f, true), c.bom ? c.cp + 100000 : c.cp) << c.name;
    int32_t cp = -1;
    bool bom = !c.bom;
    EXPECT_TRUE(GetCodePageAndBOM(f, cp, bom));
    EXPECT_EQ(cp, c.cp) << c.name;
    EXPECT_EQ(bom, c.bom) << c.name;
  }
}

TEST(TextFileRoundTrip, EveryAvailableCodePageWithAndWithoutMark) {
  TempDir dir;
  for (int32_t cp : CodePagesAvailable()) {
    for (bool bom : {false, true}) {
      SCOPED_TRACE(std::to_string(cp) + (bom ? " with mark" : " without mark"));
      const std::string text = TextFor(cp);
      const std::string f = dir.file(std::to_string(cp) + (bom ? "b" : ""));
      ASSERT_TRUE(SaveString(text, f, cp, bom, false));
      const std::string bytes = ReadFileBytes(f);
      const std::string mark = cp == cpUTF7 ? "" : CodePageBOM(cp);
      EXPECT_EQ(bytes.substr(0, mark.size()) == mark && !mark.empty(), bom && !mark.empty());
      EXPECT_EQ(LoadString(f, cp), text);
      int32_t expected = bom ? DetectedWithMark(cp) : DetectedWithoutMark(cp);
      std::string detected = LoadString(f);
      EXPECT_TRUE(UTF8IsValid(detected));
      if (expected >= 0) {
        EXPECT_EQ(GetCodePage(f, false), expected);
        EXPECT_EQ(detected, text);
      }
    }
  }
}

TEST(TextFileRoundTrip, UTF7MarkIsNotReadAsText) {
  TempDir dir;
  // After the mark a direct character, a base64 character and a character of
  // a run give three different shapes of the mark's last digit.
  for (const char* text : {" blank first", "A first", "\u00E9 first", ""}) {
    std::string f = dir.file("u7");
    ASSERT_TRUE(SaveString(text, f, cpUTF7, true, false));
    EXPECT_EQ(ReadFileBytes(f).substr(0, 3), "+/v");
    EXPECT_EQ(LoadString(f), text);
    EXPECT_EQ(LoadString(f, cpUTF7), text);
  }
  // UTF-7 ANSI never writes a mark.
  std::string f = dir.file("ansi");
  ASSERT_TRUE(SaveString("\u00E9", f, cpUTF7ANSI, true, false));
  EXPECT_EQ(ReadFileBytes(f), "+AOk");
}

TEST(TextFileRead, MarksAreSkippedAsTabled) {
  TempDir dir;
  struct Case {
    std::string bytes;
    int32_t cp;
    std::string text;
  } cases[] = {
      {"\xEF\xBB\xBF"
       "abc",
       cpUTF8, "abc"},
      {"\xEF\xBB\xBF"
       "abc",
       cpUTF8BOM, "abc"},
      {std::string("\xFF\xFE"
                   "A\0"
                   "B",
                   5),
       cpUTF16LE, "A"},  // odd last byte ignored
      {"\xFF\xFE"
       "A",
       cpUTF16LE, ""},
      {std::string("\xFE\xFF\0A", 4), cpUTF16BE, "A"},
      {std::string("\xFF\xFE\0\0A\0\0\0", 8), cpUTF32LE, "A"},
      {std::string("\0\0\xFE\xFF\0\0\0A\0\0", 10), cpUTF32BE, "A"},  // remainder ignored
      {"+/v8-abc", cpUTF7, "abc"},
      {"caf\xE9", cpASCII, "caf\u00E9"},
      {"\x84\x31\x95\x33\xD6\xD0", cpGB18030, "\u4E2D"},
      {"raw \xE9", cpSCSU, "raw \xE9"},
  };
  int n = 0;
  for (const auto& c : cases) {
    std::string f = dir.file("r" + std::to_string(n++));
    WriteFileBytes(f, c.bytes);
    EXPECT_EQ(LoadString(f, c.cp), c.text) << n;
  }
  std::string f = dir.file("gb");
  WriteFileBytes(f, "\x84\x31\x95\x33\xD6\xD0\xCE\xC4");
  EXPECT_EQ(LoadString(f), "\u4E2D\u6587");
  WriteFileBytes(f, "ok \xC3\xA9 then \xC3");
  EXPECT_EQ(LoadString(f), "ok \u00C3\u00A9 then \u00C3");  // not UTF-8 as a whole: Latin-1
  WriteFileBytes(f,
                 "\xEF\xBB\xBF"
                 "bad \xFF byte");
  EXPECT_EQ(LoadString(f), "bad \uFFFD byte");
}

TEST(TextFileWrite, AsciiWritesOneQuestionMarkPerCharacter) {
  TempDir dir;
  std::string f = dir.file("a.txt");
  ASSERT_TRUE(SaveString("Gr\u00FC\u00DFe", f, cpASCII, true, false));
  EXPECT_EQ(ReadFileBytes(f), "Gr??e");
}

TEST(TextFileWrite, NulInsideUTF16AndUTF32Text) {
  TempDir dir;
  const std::string text("x\0y", 3);
  for (int32_t cp : {cpUTF16LE, cpUTF16BE, cpUTF32LE, cpUTF32BE}) {
    std::string f = dir.file("n" + std::to_string(cp));
    ASSERT_TRUE(SaveString(text, f, cp, true, false));
    size_t unit = cp < cpUTF32LE ? 2 : 4;
    EXPECT_EQ(ReadFileBytes(f).size(), unit * 4) << cp;  // mark plus three units
    EXPECT_EQ(LoadString(f, cp), text) << cp;
    EXPECT_EQ(LoadString(f), text) << cp;
  }
}

TEST(TextFileWrite, NoMarkInTheMiddleOfAFile) {
  TempDir dir;
  std::string f = dir.file("append.txt");
  ASSERT_TRUE(SaveString("one\n", f, cpUTF8, true, true));
  ASSERT_TRUE(SaveString("two\n", f, cpUTF8, true, true));
  EXPECT_EQ(ReadFileBytes(f), "\xEF\xBB\xBFone\ntwo\n");
  std::string g = dir.file("append16.txt");
  ASSERT_TRUE(SaveString("a", g, cpUTF16LE, true, true));
  ASSERT_TRUE(SaveString("b", g, cpUTF16LE, true, true));
  EXPECT_EQ(ReadFileBytes(g), std::string("\xFF\xFE"
                                          "a\0b\0",
                                          6));
  std::string h = dir.file("append7.txt");
  ASSERT_TRUE(SaveString("a", h, cpUTF7, true, true));
  ASSERT_TRUE(SaveString("b", h, cpUTF7, true, true));
  EXPECT_EQ(LoadString(h), "ab");
  // An existing empty file still gets the mark.
  std::string e = dir.file("empty.txt");
  WriteFileBytes(e, "");
  ASSERT_TRUE(SaveString("x", e, cpUTF8, true, true));
  EXPECT_EQ(ReadFileBytes(e), "\xEF\xBB\xBFx");
}

// UTF-7 leaves a run at the end of a text open; appending must not let the
// new text be read as part of it.
TEST(TextFileWrite, UTF7AppendClosesTheOpenRun) {
  TempDir dir;
  struct Case {
    std::string first, second;
    bool firstMark;
  } cases[] = {
      {"\u00E9", "b", false}, {"\u00E9", "\u00E9", false}, {"\u00E9", "-x", false}, {"\u00E9", " x", false},
      {"\u00E9", "+", false}, {"a", "b", false},           {"\u00E9", "bc", true},  {"x\u00E9", "\U0001F60A", true},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first + " then " + c.second);
    for (int32_t cp : {cpUTF7, cpUTF7ANSI}) {
      const std::string f = dir.file("u7-" + std::to_string(n++));
      ASSERT_TRUE(SaveString(c.first, f, cp, c.firstMark, true));
      ASSERT_TRUE(SaveString(c.second, f, cp, c.firstMark, true));
      EXPECT_EQ(LoadString(f, cp), c.first + c.second) << cp;
    }
  }
  const std::string f = dir.file("u7-bytes");
  ASSERT_TRUE(SaveString("\u00E9", f, cpUTF7, false, true));
  ASSERT_TRUE(SaveString("b", f, cpUTF7, false, true));
  EXPECT_EQ(ReadFileBytes(f), "+AOk-b");
  ASSERT_TRUE(SaveString(" c", f, cpUTF7, false, true));
  EXPECT_EQ(ReadFileBytes(f), "+AOk-b c");  // no run open: nothing added
}

// GB 18030 is written as GB 18030, with its mark when asked for; both files
// read back, and so does a file earlier versions wrote as UTF-8.
TEST(TextFileWrite, GB18030IsWrittenAsGB18030) {
  TempDir dir;
  const std::string text = "\u4E2D\u6587 caf\u00E9";
  const std::string bytes = "\xD6\xD0\xCE\xC4 caf\xA8\xA6";
  const std::string marked = dir.file("marked.txt"), plain = dir.file("plain.txt"), old = dir.file("old.txt");
  ASSERT_TRUE(SaveString(text, marked, cpGB18030, true, false));
  ASSERT_TRUE(SaveString(text, plain, cpGB18030, false, false));
  WriteFileBytes(old, text);
  EXPECT_EQ(ReadFileBytes(marked), "\x84\x31\x95\x33" + bytes);
  EXPECT_EQ(ReadFileBytes(plain), bytes);
  EXPECT_EQ(LoadString(marked), text);
  for (const std::string& f : {marked, plain, old}) EXPECT_EQ(LoadString(f, cpGB18030), text) << f;
}

TEST(TextFileWrite, ReplacesOrAppendsAndCreatesFolders) {
  TempDir dir;
  std::string f = dir.file("sub/deeper/t.txt");
  ASSERT_TRUE(SaveString("first", f, cpUTF8, false, false));
  ASSERT_TRUE(SaveString("second", f, cpUTF8, false, false));
  EXPECT_EQ(ReadFileBytes(f), "second");
  ASSERT_TRUE(SaveString("+more", f, cpUTF8, false, true));
  EXPECT_EQ(ReadFileBytes(f), "second+more");
  EXPECT_EQ(EntriesIn(dir), 1u);  // no temporary file left behind
}

TEST(TextFileWrite, KeepsPermissionsAndWritesThroughLinks) {
  TempDir dir;
  std::string f = dir.file("mode.txt");
  WriteFileBytes(f, "old");
  ASSERT_EQ(::chmod(f.c_str(), 0640), 0);
  ASSERT_TRUE(SaveString("new", f, cpUTF8, false, false));
  struct stat st {};
  ASSERT_EQ(::stat(f.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  std::string link = dir.file("link.txt");
  std::filesystem::create_symlink(f, link);
  ASSERT_TRUE(SaveString("via link", link, cpUTF8, false, false));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(f), "via link");
}

TEST(TextFileWrite, DanglingLinksCreateTheFileTheyPointTo) {
  namespace fs = std::filesystem;
  TempDir dir;
  fs::create_directory(dir.file("sub"));
  struct Case {
    std::string link;
    std::string pointsTo;  // as stored in the link
    std::string created;   // the file that must appear, "" when refused
  } cases[] = {
      {"abs.txt", dir.file("sub/abs-target.txt"), dir.file("sub/abs-target.txt")},
      {"rel.txt", "sub/rel-target.txt", dir.file("sub/rel-target.txt")},
      {"sub/up.txt", "../up-target.txt", dir.file("up-target.txt")},
      {"chain.txt", "abs2.txt", dir.file("sub/chain-target.txt")},
      {"nofolder.txt", "missing/x.txt", ""},
      {"loop.txt", "loop.txt", ""},
  };
  fs::create_symlink(dir.file("sub/chain-target.txt"), dir.file("abs2.txt"));
  for (const auto& c : cases) {
    const std::string link = dir.file(c.link);
    fs::create_symlink(c.pointsTo, link);
    EXPECT_EQ(SaveString("through", link, cpUTF8, false, false), !c.created.empty()) << c.link;
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link))) << c.link;
    EXPECT_EQ(fs::read_symlink(link), fs::path(c.pointsTo)) << c.link;
    if (!c.created.empty()) {
      EXPECT_EQ(ReadFileBytes(c.created), "through") << c.link;
    }
  }
  EXPECT_FALSE(fs::exists(dir.file("missing")));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.file("abs2.txt"))));
  // Appending through a dangling link starts the new file.
  const std::string appendLink = dir.file("append.txt");
  fs::create_symlink("sub/appended.txt", appendLink);
  ASSERT_TRUE(SaveString("one", appendLink, cpUTF8, false, true));
  ASSERT_TRUE(SaveString("two", appendLink, cpUTF8, false, true));
  EXPECT_EQ(ReadFileBytes(dir.file("sub/appended.txt")), "onetwo");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(appendLink)));
}

TEST(TextFileWrite, CannotCreateReturnsFalseAndKeepsWhatIsThere) {
  TempDir dir;
  std::string blocker = dir.file("plain");
  WriteFileBytes(blocker, "keep me");
  EXPECT_FALSE(SaveString("x", blocker + "/inside.txt", cpUTF8, false, false));
  EXPECT_EQ(ReadFileBytes(blocker), "keep me");
  std::filesystem::create_directory(dir.file("folder"));
  EXPECT_FALSE(SaveString("x", dir.file("folder"), cpUTF8, false, false));
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));
  EXPECT_FALSE(SaveString("x", "", cpUTF8, false, false));
  EXPECT_EQ(WriteFileSafely(dir.file("no/such/folder.txt"), "x", false, false), TFileWriteResult::CannotCreate);
  EXPECT_EQ(EntriesIn(dir), 2u);
}

// Every failed write leaves its reason for the caller's report; a success clears it.
TEST(TextFileWrite, FailuresNameTheSystemsReason) {
  TempDir dir;
  WriteFileBytes(dir.file("plain"), "keep me");
  std::filesystem::create_directory(dir.file("folder"));
  const struct {
    std::string File;
    bool CreateFolders;
    int Reason;
  } kCases[] = {
      {dir.file("no/such/folder.txt"), false, ENOENT},
      {dir.file("plain") + "/inside.txt", true, ENOTDIR},
      {dir.file("plain") + "/deeper/inside.txt", false, ENOTDIR},
      {dir.file("folder"), true, EISDIR},
      {"", true, ENOENT},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(WriteFileSafely(dir.file("ok.txt"), "fine"), TFileWriteResult::Written);
    EXPECT_EQ(LastFileWriteError(), 0);
    EXPECT_EQ(WriteFileSafely(c.File, "x", false, c.CreateFolders), TFileWriteResult::CannotCreate) << c.File;
    EXPECT_EQ(LastFileWriteError(), c.Reason) << c.File << ": " << FileErrorReason(LastFileWriteError());
  }
  // A write-protected target gives the permission's reason.
  WriteFileBytes(dir.file("protected.txt"), "old");
  ::chmod(dir.file("protected.txt").c_str(), 0444);
  EXPECT_EQ(WriteFileSafely(dir.file("protected.txt"), "x"), TFileWriteResult::CannotCreate);
  EXPECT_EQ(LastFileWriteError(), EACCES);
  // SaveString reports through the same record, and its exception carries the number.
  EXPECT_FALSE(SaveString("x", dir.file("plain") + "/x.txt", cpUTF8, false, false));
  EXPECT_EQ(LastFileWriteError(), ENOTDIR);
  EXPECT_EQ(ReadFileBytes(dir.file("plain")), "keep me");
}

TEST(TextFileWrite, ReadOnlyFolderAndFullDiskGiveTheirReasons) {
  {
    testsupport::TReadOnlyFolder locked;
    if (locked.Unavailable().empty()) {
      EXPECT_FALSE(SaveString("x", locked.Folder() + "t.txt", cpUTF8, false, false));
      EXPECT_EQ(LastFileWriteError(), EACCES) << FileErrorReason(LastFileWriteError());
    } else {
      std::cout << "[ SKIPPED ] read-only folder: " << locked.Unavailable() << "\n";
    }
  }
  testsupport::TFullFileSystem full;
  if (!full.Unavailable().empty()) GTEST_SKIP() << "full file system: " << full.Unavailable();
  int reason = 0;
  try {
    SaveString(std::string(100000, 'x'), full.Folder() + "t.txt", cpUTF8, false, false);
  } catch (const EFileError& e) {
    reason = e.ErrorNumber;
  }
  EXPECT_EQ(reason, ENOSPC) << FileErrorReason(reason);
  EXPECT_EQ(LastFileWriteError(), ENOSPC);
  EXPECT_FALSE(std::filesystem::exists(full.Folder() + "t.txt"));
}

TEST(TextFileWrite, FailureTextNamesFileAndReason) {
  EXPECT_EQ(FileErrorReason(0), "");
  EXPECT_EQ(FileErrorReason(ENOSPC), std::strerror(ENOSPC));
  EXPECT_EQ(FileFailureText("File could not be created.", "/a/b.txt", ENOENT),
            std::string("File could not be created.\n\n/a/b.txt\n") + std::strerror(ENOENT));
  EXPECT_EQ(FileFailureText("File could not be created.", "/a/b.txt", 0), "File could not be created.\n\n/a/b.txt");
  EXPECT_EQ(FileFailureText("", "/a/b.txt", EACCES), std::string("/a/b.txt\n") + std::strerror(EACCES));
}

// A file the user protected against writing is never replaced or appended to,
// not even by the super-user, whom the system itself would let write.
TEST(TextFileWrite, WriteProtectedTargetIsRefusedAndKeptAsItWas) {
  TempDir dir;
  const std::string f = dir.file("protected.txt");
  for (mode_t mode : {0444, 0400, 0000}) {
    WriteFileBytes(f, "old");
    ASSERT_EQ(::chmod(f.c_str(), mode), 0);
    EXPECT_FALSE(SaveString("new", f, cpUTF8, false, false)) << mode;
    EXPECT_FALSE(SaveString("more", f, cpUTF8, false, true)) << mode;
    EXPECT_EQ(WriteFileSafely(f, "new"), TFileWriteResult::CannotCreate) << mode;
    bool wrote = false;
    EXPECT_EQ(WriteFileSafelyBy(f, [&](int) { return wrote = true; }), TFileWriteResult::CannotCreate) << mode;
    EXPECT_FALSE(wrote) << mode;
    ::chmod(f.c_str(), 0600);
    EXPECT_EQ(ReadFileBytes(f), "old") << mode;
    ::chmod(f.c_str(), mode);
    struct stat st {};
    ASSERT_EQ(::stat(f.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode);
  }
  // Through a link the protection of the file it points to counts.
  const std::string link = dir.file("link.txt");
  std::filesystem::create_symlink(f, link);
  ::chmod(f.c_str(), 0444);
  EXPECT_FALSE(SaveString("new", link, cpUTF8, false, false));
  // Writable for someone is enough when that is the user.
  ::chmod(f.c_str(), 0200);
  EXPECT_TRUE(SaveString("new", f, cpUTF8, false, false));
  ::chmod(f.c_str(), 0600);
  EXPECT_EQ(ReadFileBytes(f), "new");
  EXPECT_EQ(EntriesIn(dir), 2u);
}

TEST(TextFileWrite, ContentWrittenPieceByPiece) {
  TempDir dir;
  const std::string f = dir.file("pieces.txt");
  WriteFileBytes(f, "old");
  EXPECT_EQ(WriteFileSafelyBy(f,
                              [](int fd) {
                                for (int i = 0; i < 3; ++i)
                                  if (!WriteAllToFd(fd, "piece" + std::to_string(i) + ";")) return false;
                                return true;
                              }),
            TFileWriteResult::Written);
  EXPECT_EQ(ReadFileBytes(f), "piece0;piece1;piece2;");
  // A writer that gives up half way leaves the old file and no temporary one.
  EXPECT_EQ(WriteFileSafelyBy(f,
                              [](int fd) {
                                WriteAllToFd(fd, "half");
                                return false;
                              }),
            TFileWriteResult::WriteError);
  EXPECT_EQ(ReadFileBytes(f), "piece0;piece1;piece2;");
  EXPECT_EQ(WriteFileSafelyBy(
                f, [](int fd) { return WriteAllToFd(fd, "+tail"); }, true),
            TFileWriteResult::Written);
  EXPECT_EQ(ReadFileBytes(f), "piece0;piece1;piece2;+tail");
  EXPECT_EQ(EntriesIn(dir), 1u);
}

// A write that fails half way (here: the file-size limit) must leave the old
// file as it was, not truncated or deleted.
TEST(TextFileWrite, OldFileKeptWhenTheWriteFails) {
  TempDir dir;
  std::string f = dir.file("precious.txt");
  WriteFileBytes(f, "old content");
  const std::string big(256 * 1024, 'x');

  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit limited = saved;
  limited.rlim_cur = 64 * 1024;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  bool raised = false;
  bool appendRaised = false;
  TFileWriteResult direct = TFileWriteResult::Written;
  try {
    SaveString(big, f, cpUTF8, false, false);
  } catch (const EFileError&) {
    raised = true;
  }
  try {
    SaveString(big, f, cpUTF8, false, true);
  } catch (const EFileError&) {
    appendRaised = true;
  }
  direct = WriteFileSafely(f, big);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_TRUE(raised);
  EXPECT_TRUE(appendRaised);
  EXPECT_EQ(direct, TFileWriteResult::WriteError);
  EXPECT_EQ(ReadFileBytes(f), "old content");
  EXPECT_EQ(EntriesIn(dir), 1u);
}

TEST(TextFileErrors, MissingAndUnreadableFiles) {
  TempDir dir;
  std::string missing = dir.file("missing.txt");
  EXPECT_EQ(LoadString(missing), "");
  EXPECT_EQ(LoadString(missing, cpWindows1252), "");
  EXPECT_EQ(GetCodePage(missing, true), cpASCII);
  EXPECT_FALSE(IsBinaryFile(missing));
  EXPECT_EQ(LoadString(dir.file("missing/below.txt")), "");

  // A folder where the file should be cannot be read, whoever runs the test.
  std::string folder = dir.file("a folder");
  std::filesystem::create_directory(folder);
  EXPECT_THROW(LoadString(folder), EFileError);
  EXPECT_THROW(LoadString(folder, cpUTF8), EFileError);
  EXPECT_THROW(GetCodePage(folder, false), EFileError);
  EXPECT_THROW(IsBinaryFile(folder), EFileError);
}

// A named pipe is no text file: reading it raises the file error at once
// instead of waiting for a writer that never comes.
TEST(TextFileErrors, NamedPipeIsRefusedWithoutWaiting) {
  TempDir dir;
  const std::string fifo = dir.file("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::promise<int> done;
  auto result = done.get_future();
  std::thread reader([&] {
    int raised = 0;
    auto expectRaise = [&](auto fn) {
      try {
        fn();
      } catch (const EFileError&) {
        ++raised;
      }
    };
    expectRaise([&] { LoadString(fifo); });
    expectRaise([&] { LoadString(fifo, cpWindows1252); });
    expectRaise([&] { GetCodePage(fifo, true); });
    expectRaise([&] { IsBinaryFile(fifo); });
    done.set_value(raised);
  });
  if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "reading a named pipe waits for a writer";
    // Release the reader: a writer that opens and closes at once.
    while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
      int w = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (w >= 0) ::close(w);
    }
  }
  reader.join();
  EXPECT_EQ(result.get(), 4);
  EXPECT_FALSE(SaveString("x", fifo, cpUTF8, false, true));
  EXPECT_FALSE(SaveString("x", fifo, cpUTF8, false, false));
}

TEST(TextFileErrors, BinaryFiles) {
  TempDir dir;
  std::string f = dir.file("b");
  WriteFileBytes(f,
                 "text\twith\x15"
                 "allowed\x1A"
                 "controls\r\n");
  EXPECT_FALSE(IsBinaryFile(f));
  WriteFileBytes(f, std::string("a\0b", 3));
  EXPECT_TRUE(IsBinaryFile(f));
  WriteFileBytes(f, std::string("a\0b\0", 4));  // UTF-16 text: no zero left after decoding
  EXPECT_FALSE(IsBinaryFile(f));
  WriteFileBytes(f, "esc\x1B");
  EXPECT_TRUE(IsBinaryFile(f));
}

// --- Checks against iconv --------------------------------------------------------

namespace {

std::string Iconv(const std::string& from, const std::string& to, const std::string& file, bool dropInvalid = false) {
  auto r = testsupport::RunCommand("iconv " + std::string(dropInvalid ? "-c " : "") + "-f " + from + " -t " + to + " " +
                                   testsupport::ShellQuote(file) + " 2>/dev/null");
  if (!dropInvalid) {
    EXPECT_EQ(r.exitCode, 0) << from << " -> " << to;
  }
  return r.out;
}

std::string WithoutReplacementChars(const std::string& s) {
  std::string out;
  size_t pos = 0;
  while (pos < s.size()) {
    size_t start = pos;
    if (UTF8DecodeAt(s, pos) != 0xFFFD) out.append(s, start, pos - start);
  }
  return out;
}

}  // namespace

TEST(ToolCheckIconv, SingleByteCodePagesMatchIconvOnTheirWholeRepertoire) {
  TempDir dir;
  struct Page {
    int32_t cp;
    const char* name;
  } pages[] = {{cpISO88591, "ISO-8859-1"},      {cpISO88592, "ISO-8859-2"},      {cpWindows1250, "WINDOWS-1250"},
               {cpWindows1251, "WINDOWS-1251"}, {cpWindows1252, "WINDOWS-1252"}, {cpWindows1253, "WINDOWS-1253"}};
  std::string allBytes;
  for (int b = 1; b < 256; ++b) allBytes.push_back(static_cast<char>(b));
  const std::string allFile = dir.file("all-bytes");
  WriteFileBytes(allFile, allBytes);
  for (const auto& p : pages) {
    SCOPED_TRACE(p.name);
    // The characters iconv knows in this code page, as UTF-8.
    const std::string repertoire = Iconv(p.name, "UTF-8", allFile, true);
    ASSERT_GT(UTF8Length(repertoire), 200u);
    EXPECT_EQ(WithoutReplacementChars(LoadString(allFile, p.cp)), repertoire);

    const std::string utf8File = dir.file(std::string(p.name) + ".utf8");
    WriteFileBytes(utf8File, repertoire + "\n" + TextFor(p.cp));
    const std::string ours = dir.file(std::string(p.name) + ".ours");
    ASSERT_TRUE(SaveString(repertoire + "\n" + TextFor(p.cp), ours, p.cp, true, false));
    EXPECT_EQ(ReadFileBytes(ours), Iconv("UTF-8", p.name, utf8File));
  }
  // ASCII: the 7-bit text as it is.
  const std::string ascii = dir.file("ascii.utf8");
  WriteFileBytes(ascii, TextFor(cpASCII));
  ASSERT_TRUE(SaveString(TextFor(cpASCII), dir.file("ascii.ours"), cpASCII, true, false));
  EXPECT_EQ(ReadFileBytes(dir.file("ascii.ours")), Iconv("UTF-8", "ASCII", ascii));
}

TEST(ToolCheckIconv, UTF16AndUTF32MatchIconv) {
  TempDir dir;
  struct Page {
    int32_t cp;
    const char* name;
  } pages[] = {{cpUTF16LE, "UTF-16LE"}, {cpUTF16BE, "UTF-16BE"}, {cpUTF32LE, "UTF-32LE"}, {cpUTF32BE, "UTF-32BE"}};
  const std::string text = TextFor(cpUTF8) + std::string("\0nul\n", 5) + "\U0010FFFD \u00A0\uFFFD";
  const std::string utf8File = dir.file("text.utf8");
  WriteFileBytes(utf8File, text);
  for (const auto& p : pages) {
    SCOPED_TRACE(p.name);
    const std::string expected = Iconv("UTF-8", p.name, utf8File);
    for (bool bom : {false, true}) {
      const std::string f = dir.file(std::string(p.name) + (bom ? ".bom" : ""));
      ASSERT_TRUE(SaveString(text, f, p.cp, bom, false));
      const std::string mark = bom ? CodePageBOM(p.cp) : "";
      const std::string bytes = ReadFileBytes(f);
      EXPECT_EQ(bytes.substr(0, mark.size()), mark);
      EXPECT_EQ(bytes.substr(mark.size()), expected);
    }
    // And iconv's bytes read back as the text.
    const std::string theirs = dir.file(std::string(p.name) + ".iconv");
    WriteFileBytes(theirs, expected);
    EXPECT_EQ(LoadString(theirs, p.cp), text);
  }
}

TEST(ToolCheckIconv, UTF7BothWays) {
  TempDir dir;
  const char* texts[] = {
      "A\u2262\u0391.",
      "Hi Mom -\u263A-!",
      "\u65E5\u672C\u8A9E",
      "a+b +- ++ -+",
      "direct and optional: !\"#$%&*;<=>@[]^_`{|} and ~\\ end",
      "\u00E9-\u00E9.\u00E9a\u00E9 \u00E9\t\u00E9\r\n\u00E9",
      "beyond the BMP: \U0001F60A\U00010000\U0010FFFD x",
      "",
  };
  int n = 0;
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    const std::string ours = dir.file("ours" + std::to_string(n));
    ASSERT_TRUE(SaveString(text, ours, cpUTF7, false, false));
    EXPECT_EQ(Iconv("UTF-7", "UTF-8", ours), text);

    const std::string utf8File = dir.file("src" + std::to_string(n));
    WriteFileBytes(utf8File, text);
    const std::string theirs = dir.file("theirs" + std::to_string(n));
    WriteFileBytes(theirs, Iconv("UTF-8", "UTF-7", utf8File));
    EXPECT_EQ(LoadString(theirs, cpUTF7), text);
    ++n;
  }
}

TEST(TextFileRead, LargeUnicodeFilesAcrossPieces) {
  TempDir dir;
  // Long enough to be read in several pieces, with pairs straddling piece borders.
  std::string text;
  while (text.size() < 400000) text += "ab\U0001F60A\u00E9";
  for (int32_t cp : {cpUTF16LE, cpUTF16BE, cpUTF32LE, cpUTF32BE}) {
    std::string f = dir.file("big" + std::to_string(cp));
    ASSERT_TRUE(SaveString(text, f, cp, true, false));
    EXPECT_TRUE(LoadString(f) == text) << cp;
    EXPECT_TRUE(LoadString(f, cp) == text) << cp;
  }
}
