// The placeholders of the save-target panel: their language forms and the
// file names that folder, name and format patterns give for a source file.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/dates.h"
#include "foundation/file_name_creator.h"
#include "foundation/str_split.h"
#include "foundation/utf8.h"
#include "settingspanels/core/save_target_model.h"
#include "settingspanels/core/save_target_names.h"
#include "text/language_constants.h"

namespace {

TDateTime Moment(int year, int month, int day, int hour, int minute, int second) {
  TDateTime date = 0, time = 0;
  EXPECT_TRUE(TryEncodeDate(year, month, day, date));
  EXPECT_TRUE(TryEncodeTime(hour, minute, second, 0, time));
  return ComposeDateTime(date, time);
}

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

TEST(SaveTargetPlaceholders, LanguageForms) {
  struct TCase {
    std::string Text;
    int32_t Language;
    std::string Shown;
  };
  const TCase cases[] = {
      {"%folder%/%yyyy%-%mm%-%tt%", SprLangEnglish, "%folder%/%yyyy%-%mm%-%dd%"},
      {"%folder%/%yyyy%-%mm%-%tt%", SprLangGerman, "%folder%/%jjjj%-%mm%-%tt%"},
      {"%yyyy%-%mm%-%tt%", SprLangFrench, "%yyyy%-%mm%-%dd%"},
      {"%jjjj%-%mm%-%tt%", SprLangEnglish, "%yyyy%-%mm%-%dd%"},
      {"%jj%%t%", SprLangSpanish, "%yy%%d%"},
      {"%yy%%d%", SprLangGerman, "%jj%%t%"},
      {"<keep>", SprLangFrench, "<conserver>"},
      {"<keep>", SprLangSpanish, "<preservar>"},
      {"<conserver>", SprLangGerman, "<beibehalten>"},
      {"<beibehalten>", SprLangArabic, "<keep>"},
      {"<Keep>", SprLangGerman, "<Keep>"},
      {"%dossier%/nouveau", SprLangEnglish, "%folder%/new"},
      {"%dossier%/nouveau", SprLangGerman, "%folder%/new"},
      {"%carpeta%/nuevo", SprLangSpanish, "%folder%/new"},
      {"%ordner%/neu", SprLangFrench, "%folder%/new"},
      {"%ordner1%-%num%", SprLangGerman, "%folder1%-%num%"},
      {"%hh%-%ii%-%ss%", SprLangGerman, "%hh%-%ii%-%ss%"},
      {"<keep>_%tt%", SprLangGerman, "<beibehalten>_%tt%"},
      {"tt", SprLangEnglish, "tt"},
      {"", SprLangGerman, ""},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(TranslateSaveTargetPlaceholders(c.Text, static_cast<uint32_t>(c.Language)), c.Shown)
        << c.Text << " " << c.Language;
}

class SaveTargetNames : public ::testing::Test {
 protected:
  std::string Name(const std::string& folder, const std::string& name, const std::string& ext) {
    C.SetFolderNew(folder);
    C.SetNameNew(name);
    C.SetExtensionNew(ext);
    return CreateSaveTargetFileName(C, When);
  }
  void SetUp() override {
    C.SetFileNameOld("/home/u/photos/Holiday 2024.JPG");
    C.FileNumber = 7;
    C.FileCount = 120;
    When = Moment(2024, 2, 29, 13, 5, 9);
  }
  TFileNameCreatorObj C;
  TDateTime When = 0;
};

TEST_F(SaveTargetNames, EveryPresetAndToken) {
  struct TCase {
    std::string Folder, Name, Ext, Result;
  };
  const TCase cases[] = {
      // The presets of the lists.
      {"<keep>", "%name%-1", "<keep>", "/home/u/photos/Holiday 2024-1.JPG"},
      {"%folder%/new", "%name%", "PNG", "/home/u/photos/new/Holiday 2024.png"},
      {"%folder%/%yyyy%-%mm%-%tt%", "<keep>", "<keep>", "/home/u/photos/2024-02-29/Holiday 2024.JPG"},
      {"/out", "%num%", "jpg", "/out/7.jpg"},
      {"/out", "%abs0num%", "jpg", "/out/007.jpg"},
      {"/out", "%abs0num%-%abs%", "jpg", "/out/007-120.jpg"},
      {"/out", "%folder1%-%num%", "jpg", "/out/photos-7.jpg"},
      {"/out", "%yyyy%-%mm%-%tt%", "TXT", "/out/2024-02-29.txt"},
      {"/out", "%hh%-%ii%-%ss%", "TXT", "/out/13-05-09.txt"},
      {"/out", "%date% %time%", "TXT", "/out/2024-02-29 13-05-09.txt"},
      {"/out", "%name%_%date%_%time%", "TXT", "/out/Holiday 2024_2024-02-29_13-05-09.txt"},
      // Every language's form is understood.
      {"<beibehalten>", "<conserver>", "<preservar>", "/home/u/photos/Holiday 2024.JPG"},
      {"%ordner%/neu", "%jjjj%%mm%%tt%", "<keep>", "/home/u/photos/new/20240229.JPG"},
      {"%dossier%/x", "%jj%.%t%", "<keep>", "/home/u/photos/x/24.29.JPG"},
      {"%carpeta%/nuevo", "%yy%-%d%", "<keep>", "/home/u/photos/new/24-29.JPG"},
      // Keep, empty and relative patterns stay by the source.
      {"", "", "", "/home/u/photos/Holiday 2024.JPG"},
      {"  ", " %num% ", " png ", "/home/u/photos/7.png"},
      {"converted", "%name%", "<keep>", "/home/u/photos/converted/Holiday 2024.JPG"},
      {"<keep>/small", "<keep>-small", "<keep>", "/home/u/photos/small/Holiday 2024-small.JPG"},
      {"/", "%num%", "", "/7.JPG"},
      {"/out//", "%num%", "", "/out/7.JPG"},
      // Extensions lose their dots and are written in lower case.
      {"/out", "%num%", ".PNG", "/out/7.png"},
      {"/out", "%num%", "..Tar.GZ", "/out/7.tar.gz"},
      {"/out", "%num%", "ÄÖÜ", "/out/7.äöü"},
      // Unknown tokens and lone percent signs stay as typed.
      {"/out", "%foo%-%num%", "txt", "/out/%foo%-7.txt"},
      {"/out", "100%%num%%", "txt", "/out/100%7%.txt"},
      {"/out", "%Name%", "txt", "/out/%Name%.txt"},
  };
  for (const TCase& c : cases) EXPECT_EQ(Name(c.Folder, c.Name, c.Ext), c.Result) << c.Folder << " " << c.Name;
}

TEST_F(SaveTargetNames, CountersAndDates) {
  const TDateTime early = Moment(2009, 3, 5, 7, 8, 9);
  struct TCase {
    int32_t Number, Count;
    std::string Name, Result;
  };
  const TCase cases[] = {
      {1, 1, "%abs0num%", "/o/1.x"},
      {3, 9, "%abs0num%", "/o/3.x"},
      {3, 10, "%abs0num%", "/o/03.x"},
      {12, 1000, "%abs0num%-%abs%", "/o/0012-1000.x"},
      {123, 5, "%abs0num%", "/o/123.x"},
      {-4, 100, "%abs0num%_%num%", "/o/-004_-4.x"},
      {1, 1, "%d%.%dd%.%mm%.%yy%.%yyyy%", "/o/5.05.03.09.2009.x"},
      {1, 1, "%t%-%tt%-%jj%-%jjjj%", "/o/5-05-09-2009.x"},
      {1, 1, "%date%T%time%", "/o/2009-03-05T07-08-09.x"},
  };
  for (const TCase& c : cases) {
    C.FileNumber = c.Number;
    C.FileCount = c.Count;
    C.SetFolderNew("/o");
    C.SetNameNew(c.Name);
    C.SetExtensionNew("x");
    EXPECT_EQ(CreateSaveTargetFileName(C, early), c.Result) << c.Name;
  }
  EXPECT_EQ(CreateSaveTargetFileName(C, 1e9), "");  // beyond year 9999
}

TEST_F(SaveTargetNames, CharactersThatNamesMayNotHold) {
  C.SetFileNameOld("/in/a:b*c.txt");
  EXPECT_EQ(Name("/out", "%name%", "<keep>"), "/out/a_b_c.txt");
  EXPECT_EQ(Name("/out", "x?y\"z<1>|2\\3", "<keep>"), "/out/x_y_z_1__2_3.txt");
  EXPECT_EQ(Name("/out", "../../etc/passwd", "<keep>"), "/out/.._.._etc_passwd.txt");
  EXPECT_EQ(Name("/out/%name%", "%num%", "t/x:t"), "/out/a_b_c/7.t_x_t");
  // Values put into a folder are cleaned; the typed folder keeps its own characters.
  EXPECT_EQ(Name("/out:1/%name%", "n", "<keep>"), "/out:1/a_b_c/n.txt");
  C.DisallowedCharReplacement = "-";
  EXPECT_EQ(Name("/out", "%name%", "<keep>"), "/out/a-b-c.txt");
  C.DisallowedCharReplacement = "/:";  // a replacement cannot bring them back
  EXPECT_EQ(Name("/out", "%name%", "<keep>"), "/out/abc.txt");
  C.DisallowedCharReplacement = "_";
  C.RemoveDisallowedChars = false;
  EXPECT_EQ(Name("/out", "%name%", "<keep>"), "/out/a:b*c.txt");
  EXPECT_EQ(Name("/out", "x/y", "<keep>"), "/out/x_y.txt");  // "/" never stays in a name
  EXPECT_EQ(Name("/out", std::string("a\0b", 3), "<keep>"), "/out/a_b.txt");
}

TEST_F(SaveTargetNames, NoUsableName) {
  C.SetFileNameOld("/in/README");
  EXPECT_EQ(Name("/out", "<keep>", "<keep>"), "/out/README");
  EXPECT_EQ(Name("/out", "..", "<keep>"), "");
  EXPECT_EQ(Name("/out", ".", ""), "");
  EXPECT_EQ(Name("/out", "%folder9%", "<keep>"), "/out/%folder9%");
  // A pattern that comes to nothing would give a hidden file; only a source
  // without a name keeps one.
  C.SetFileNameOld("/top.txt");
  EXPECT_EQ(Name("/out", "%folder1%", "<keep>"), "");
  C.SetFileNameOld("/home/u/.profile");
  EXPECT_EQ(Name("/out", "<keep>", "<keep>"), "/out/.profile");
  C.SetFileNameOld("/in/");
  EXPECT_EQ(Name("/out", "<keep>", "<keep>"), "");
}

TEST_F(SaveTargetNames, SubFoldersBelowTheBaseFolder) {
  C.SetFileNameOld("/data/in/2024/march/a.png");
  C.KeepSubDirs = true;
  C.SetKeepSubDirsBaseDir("/data/in");
  EXPECT_EQ(Name("/out", "%name%", "<keep>"), "/out/2024/march/a.png");
  EXPECT_EQ(Name("/out/%yyyy%", "%name%", "<keep>"), "/out/2024/2024/march/a.png");
  // A pattern that names the source's folder already keeps its place.
  EXPECT_EQ(Name("<keep>", "%name%-1", "<keep>"), "/data/in/2024/march/a-1.png");
  EXPECT_EQ(Name("%folder%/new", "%name%", "<keep>"), "/data/in/2024/march/new/a.png");
  C.SetKeepSubDirsBaseDir("/data/in/2024/march");
  EXPECT_EQ(Name("/out", "%name%", "<keep>"), "/out/a.png");
  C.SetKeepSubDirsBaseDir("/data/input");  // not a folder above the source
  EXPECT_EQ(Name("/out", "%name%", "<keep>"), "/out/a.png");
  C.KeepSubDirs = false;
  C.SetKeepSubDirsBaseDir("/data/in");
  EXPECT_EQ(Name("/out", "%name%", "<keep>"), "/out/a.png");
}

TEST(SaveTargetModelNames, ThePanelsChoicesGoThroughTheFileNameCreator) {
  TSaveSettingsContainerModel m;
  m.SetValFolder("  /out/%folder1%  ");
  m.SetValName("%abs0num%_%name%");
  m.SetValFormat("PNG");
  m.FileInfoFileNumber = 4;
  m.FileInfoFileCount = 12;
  m.OptKeepSubDirs = true;
  m.FileInfoBaseDir = "/data";
  m.RemovedDisallowedCharReplacement = "~";
  const TFileNameCreatorObj c = m.FileNameCreator("/data/shots/x:y.bmp");
  EXPECT_EQ(c.FolderNew(), "/out/%folder1%");
  EXPECT_EQ(c.NameNew(), "%abs0num%_%name%");
  EXPECT_EQ(c.ExtensionNew(), "PNG");
  EXPECT_EQ(c.NameOld(), "x:y");
  EXPECT_EQ(c.KeepSubDirsBaseDir(), "/data/");
  EXPECT_EQ(m.TargetFileName("/data/shots/x:y.bmp", Moment(2024, 1, 2, 3, 4, 5)), "/out/shots/shots/04_x~y.png");
  m.OptKeepSubDirs = false;
  m.FileInfoBaseDir.clear();
  EXPECT_EQ(m.FileNameCreator("/a/b.c").KeepSubDirsBaseDir(), "");
  EXPECT_EQ(m.TargetFileName("/a/b.c", Moment(2024, 1, 2, 3, 4, 5)), "/out/a/04_b.png");

  // The panel's default name pattern on the longest name a folder may hold.
  TSaveSettingsContainerModel fresh;
  const std::string longest(255, 'z');
  EXPECT_EQ(fresh.TargetFileName("/in/" + longest, Moment(2024, 1, 2, 3, 4, 5)), "/in/" + longest.substr(2) + "-1");
}

// The folder a source lies in, as its target's root for patterns that start
// from it: "/" for a file in the root, "" for a name without a folder.
std::string SourceFolderOf(const std::string& source) {
  const size_t slash = source.rfind('/');
  if (slash == std::string::npos) return std::string();
  return slash == 0 ? "/" : source.substr(0, slash);
}

std::filesystem::path LexicallyNormal(const std::string& path) {
  std::filesystem::path normal = std::filesystem::path(path.empty() ? "." : path).lexically_normal();
  if (!normal.has_filename() && normal.has_relative_path()) normal = normal.parent_path();
  return normal;
}

// Why path does not lie inside root, "" when it does: below root as written,
// with no part "", "." or ".." and none longer than a name may be, and below
// it again after lexical normalisation.
std::string OutsideReason(const std::string& path, const std::string& root, bool checkUTF8) {
  std::string rest;
  if (root.empty()) {
    if (path.starts_with('/')) return "absolute";
    rest = path;
  } else {
    const std::string prefix = root == "/" ? root : root + "/";
    if (!path.starts_with(prefix)) return "not below " + root;
    rest = path.substr(prefix.size());
  }
  TStrArray parts;
  ExplodeAtChar(parts, '/', rest);
  for (const std::string& part : parts) {
    if (part.empty() || part == "." || part == "..") return "a part \"" + part + "\"";
    if (part.size() > 255) return "a part of " + std::to_string(part.size()) + " bytes";
    if (checkUTF8 && !UTF8IsValid(part)) return "a part cut inside a character";
  }
  const std::filesystem::path relative = LexicallyNormal(path).lexically_relative(LexicallyNormal(root));
  if (relative.empty() || *relative.begin() == "..") return "outside " + root + " once normalised";
  return std::string();
}

TEST_F(SaveTargetNames, PlaceholdersNeverLeadOutOfTheFolder) {
  struct TCase {
    std::string Source, Folder, Name, Result;
  };
  const TCase cases[] = {
      // A folder that a value makes "." or ".." gives no target.
      {"/src/a/...txt", "/out/%name%", "%yyyy%-%mm%-%tt%", ""},
      {"/src/a/..jpg", "/out/.%name%", "%date%", ""},
      {"/src/a/..jpg", "/out/%name%%name%", "%date%", ""},
      {"/src/a/..jpg", "%name%%name%", "%date%", ""},
      {"/src/a/..jpg", "/out/%name%", "x", ""},
      {"/src/a/b.txt", "/out/..%folder9%%name%", "x", "/out/..%folder9%b/x.txt"},
      {"/top.txt", "/out/..%folder1%", "x", ""},
      {"/a/./b.txt", "<keep>.", "<keep>", ""},
      // Dots within a longer name are ordinary.
      {"/src/a/...txt", "/out/x%name%", "%num%", "/out/x../7.txt"},
      {"/src/a/...txt", "/out", "%name%", "/out/...txt"},
      {"/src/a/..jpg", "/out", ".%name%", "/out/...jpg"},
      // The folder holding a source named through ".." is the one it leads to.
      {"/src/x/../y.txt", "/out", "%folder1%-%num%", "/out/src-7.txt"},
      {"/src/x/../y.txt", "/out/%folder1%", "%name%", "/out/src/y.txt"},
      // The source's folder as the pattern's start stays as given: the file
      // lands beside its source. Put in elsewhere, it cannot climb.
      {"/src/x/../y.txt", "<keep>", "%name%-1", "/src/x/../y-1.txt"},
      {"/src/x/../../../etc/passwd", "/out/%folder%", "<keep>", "/out/etc/passwd"},
      {"/src/x/../../../etc/passwd", "/out/x%folder%", "<keep>", "/out/x/etc/passwd"},
      {"../../up.txt", "/out/%folder%/%name%", "<keep>", "/out/up/up.txt"},
      {"/home/u/photos/a.jpg", "%folder%_old", "<keep>", "/home/u/photos_old/a.jpg"},
      {"/home/u/photos/a.jpg", "/out/%folder1%/%name%%folder9%", "x", "/out/photos/a%folder9%/x.jpg"},
      // A value that gives nothing leaves no empty folder behind.
      {"/top.txt", "/out/%folder1%/x", "%name%", "/out/x/top.txt"},
      // A source in the root has the root as its folder, and a relative
      // source's folder is not put in front of itself.
      {"/top.txt", "<keep>", "%name%-1", "/top-1.txt"},
      {"/top.txt", "converted", "%name%", "/converted/top.txt"},
      {"rel/dir/a.txt", "%folder%/new", "%name%", "rel/dir/new/a.txt"},
      {"rel/dir/a.txt", "new", "%name%", "rel/dir/new/a.txt"},
      {"a.txt", "<keep>", "%name%-1", "a-1.txt"},
  };
  for (const TCase& c : cases) {
    C.SetFileNameOld(c.Source);
    EXPECT_EQ(Name(c.Folder, c.Name, "<keep>"), c.Result) << c.Source << " " << c.Folder << " " << c.Name;
  }
  // A replacement of dots cannot make a dot folder either.
  C.SetFileNameOld("/src/:/a.txt");
  C.DisallowedCharReplacement = "..";
  EXPECT_EQ(Name("/out/%folder1%", "%name%", "<keep>"), "");
  EXPECT_EQ(Name("/out/x%folder1%", "%name%", "<keep>"), "/out/x../a.txt");
}

TEST_F(SaveTargetNames, KeptSubFoldersAreNormalised) {
  C.KeepSubDirs = true;
  struct TCase {
    std::string Base, Source, Result;
  };
  const TCase cases[] = {
      // Not below the base once normalised: the file goes straight into the target.
      {"/src", "/src/x/../../../etc/passwd", "/tgt/passwd"}, {"/src", "/src/x/../y.txt", "/tgt/y.txt"},
      {"/src", "/src/a/b/../c/f.txt", "/tgt/a/c/f.txt"},     {"/src", "/src/./a//b/f.txt", "/tgt/a/b/f.txt"},
      {"/src/x/..", "/src/a/f.txt", "/tgt/a/f.txt"},         {"/", "/src/x/../../../etc/f.txt", "/tgt/etc/f.txt"},
      {"rel", "rel/a/../../../f.txt", "/tgt/f.txt"},         {"..", "../../f.txt", "/tgt/f.txt"},
  };
  for (const TCase& c : cases) {
    C.SetKeepSubDirsBaseDir(c.Base);
    C.SetFileNameOld(c.Source);
    EXPECT_EQ(Name("/tgt", "<keep>", "<keep>"), c.Result) << c.Base << " " << c.Source;
  }
}

TEST_F(SaveTargetNames, LongNamesAreCutToFit) {
  const std::string n254(254, 'n');
  const std::string smile = "\xf0\x9f\x98\x80";
  const std::string aUmlaut = "\xc3\xa4";
  struct TCase {
    std::string Source, Folder, Name, Ext, Result;
  };
  const TCase cases[] = {
      // The value gives way, the pattern's own text stays: never the source's own name.
      {"/in/" + n254, "/out", "%name%-1", "<keep>", "/out/" + std::string(253, 'n') + "-1"},
      {"/in/" + std::string(251, 'n') + ".txt", "<keep>", "%name%-1", "<keep>",
       "/in/" + std::string(249, 'n') + "-1.txt"},
      {"/in/" + Repeat(smile, 63) + ".md", "/out", "%name%-1", "<keep>", "/out/" + Repeat(smile, 62) + "-1.md"},
      {"/in/" + Repeat(aUmlaut, 125) + ".txt", "/out", "%name%%name%", "<keep>",
       "/out/" + Repeat(aUmlaut, 124) + ".txt"},
      // Typed text alone too long: its end goes.
      {"/in/a.txt", "/out", std::string(300, 'x'), "<keep>", "/out/" + std::string(251, 'x') + ".txt"},
      // An extension that leaves no room for the name is cut itself.
      {"/in/" + n254, "/out", "a", "%name%", "/out/a." + std::string(253, 'n')},
      // Folders made by values are cut as well.
      {"/in/" + n254, "/out/%name%%name%", "x", "<keep>", "/out/" + std::string(255, 'n') + "/x"},
      {"/in/" + Repeat(aUmlaut, 120) + "/x.txt", "/out/%folder1%%folder1%", "%name%", "<keep>",
       "/out/" + Repeat(aUmlaut, 127) + "/x.txt"},
      // What fits stays whole.
      {"/in/" + std::string(251, 'n') + ".txt", "/out", "<keep>", "<keep>", "/out/" + std::string(251, 'n') + ".txt"},
  };
  for (const TCase& c : cases) {
    C.SetFileNameOld(c.Source);
    EXPECT_EQ(Name(c.Folder, c.Name, c.Ext), c.Result) << c.Source.size() << " " << c.Folder << " " << c.Name;
  }
}

// Every placeholder, in folder, name and extension, against sources whose
// names are dots, hold dots, backslashes or disallowed characters, climb
// through "..", or come near the longest name: each target that comes out
// lies inside the folder its pattern names.
TEST(SaveTargetNamesAwkward, EveryTargetStaysInsideItsFolder) {
  struct TFolderCase {
    std::string Pattern;
    std::string Root;  // "" for the source's own folder
  };
  const TFolderCase folders[] = {
      {"<keep>", ""},
      {"", ""},
      {"%folder%", ""},
      {"%ordner%/neu", ""},
      {"<keep>/%name%", ""},
      {"%name%", ""},
      {".%name%", ""},
      {"%name%%name%", ""},
      {"..%name%", ""},
      {"%name%..", ""},
      {"%folder1%", ""},
      {".%folder1%", ""},
      {"sub/%folder1%/%name%", ""},
      {"%folder%/%folder%", ""},
      {"<keep>/<keep>", ""},
      {"%num%%abs%%abs0num%/%yyyy%%yy%%mm%%tt%%d%%t%/%hh%%ii%%ss%", ""},
      {"%date%/%time%/%jjjj%%jj%", ""},
      {"/out", "/out"},
      {"/out/", "/out"},
      {"/out/%name%", "/out"},
      {"/out/.%name%", "/out"},
      {"/out/%name%%name%", "/out"},
      {"/out/..%name%", "/out"},
      {"/out/%name%..", "/out"},
      {"/out/%folder1%", "/out"},
      {"/out/.%folder1%%folder1%", "/out"},
      {"/out/%folder%", "/out"},
      {"/out/<keep>", "/out"},
      {"/out/x%folder%y", "/out"},
      {"/out/%folder%/%name%/%folder1%", "/out"},
      {"/out/%date% %time%/%num%", "/out"},
      {"/%name%", "/"},
      {"/%folder1%/%folder%", "/"},
  };
  const std::string names[] = {
      "<keep>",
      "%name%-1",
      ".%name%",
      "%name%%name%",
      "%folder1%",
      "%folder%",
      "%num%-%abs%-%abs0num%",
      "%date% %time% %yyyy%%yy%%mm%%dd%%d%%hh%%ii%%ss%",
      "..",
      "%name%/%folder1%",
  };
  const std::string extensions[] = {"<keep>", "..", "%name%"};
  const std::string sources[] = {
      "/src/a/..jpg",
      "/src/a/...txt",
      "/src/a/.txt",
      "/src/a/..",
      "/src/a/.",
      "/src/a/...",
      "/src/a/",
      "/src/a/b..c.txt",
      "/src/a/.hidden",
      "/src/x/../y.txt",
      "/src/./b.txt",
      "/src/x/../../../etc/passwd",
      "/src/a/..\\x.txt",
      "/src/a/\\..\\.txt",
      "/src/..\\../x.txt",
      "/src/:/a.txt",
      "/src/|/..txt",
      "/top.txt",
      "/..txt",
      "//a.txt",
      "rel/../../up.txt",
      "../x.txt",
      "plain.txt",
      "",
      "/src/a/" + std::string(254, 'n'),
      "/src/a/" + std::string(250, 'n') + ".jpg",
      "/src/a/" + Repeat("\xc3\xa4", 125) + ".txt",
      "/src/a/" + Repeat("\xe6\x97\xa5", 83) + ".txt",
      "/src/a/" + Repeat("\xf0\x9f\x98\x80", 63) + ".md",
      "/src/" + Repeat("\xc3\xb6", 120) + "/x.txt",
      "/src/a/x." + std::string(250, 'e'),
      "/src/a/\xff\xfe.txt",
  };
  // The options that change what a value gives take turns, so that each
  // pair of source and folder pattern meets each of them.
  struct TOptions {
    bool KeepSubDirs;
    std::string BaseDir;
    bool RemoveDisallowedChars;
    std::string Replacement;
  };
  const TOptions options[] = {
      {false, "", true, "_"}, {true, "/src", true, ".."}, {true, "/src/x/..", false, "."}, {true, "/", true, ""}};
  const TDateTime when = Moment(2024, 2, 29, 13, 5, 9);

  int64_t checked = 0, produced = 0, failures = 0;
  for (const std::string& source : sources)
    for (const TFolderCase& folder : folders)
      for (size_t n = 0; n < std::size(names); ++n)
        for (size_t e = 0; e < std::size(extensions); ++e) {
          const TOptions& o = options[(n + e) % std::size(options)];
          TFileNameCreatorObj c;
          c.SetFileNameOld(source);
          c.SetFolderNew(folder.Pattern);
          c.SetNameNew(names[n]);
          c.SetExtensionNew(extensions[e]);
          c.FileNumber = 7;
          c.FileCount = 120;
          c.KeepSubDirs = o.KeepSubDirs;
          if (o.KeepSubDirs) c.SetKeepSubDirsBaseDir(o.BaseDir);
          c.RemoveDisallowedChars = o.RemoveDisallowedChars;
          c.DisallowedCharReplacement = o.Replacement;
          const std::string path = CreateSaveTargetFileName(c, when);
          ++checked;
          if (path.empty()) continue;
          ++produced;
          const std::string root = folder.Root.empty() ? SourceFolderOf(source) : folder.Root;
          const std::string why = OutsideReason(path, root, UTF8IsValid(source));
          if (!why.empty() && ++failures <= 20)
            ADD_FAILURE() << why << ": \"" << path << "\" from \"" << source << "\" with \"" << folder.Pattern
                          << "\", \"" << names[n] << "\", \"" << extensions[e] << "\", sub-folders "
                          << (o.KeepSubDirs ? "below \"" + o.BaseDir + "\"" : "not kept") << ", replacement \""
                          << o.Replacement << "\"";
        }
  EXPECT_EQ(failures, 0) << "of " << checked << " cases";
  // Refusing is left for the names that have no safe form.
  EXPECT_GT(produced, checked * 3 / 4);
}

}  // namespace
