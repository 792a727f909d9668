#include "filelist/core/file_extension_filter.h"

#include <gtest/gtest.h>

#include "filelist/core/file_extension_types.h"
#include "foundation/file_types.h"

namespace {

static_assert(fetText == 0 && fetImage == 1 && fetAudio == 2 && fetVideo == 3 && fetDocument == 4 && fetWebsite == 5 &&
              fetFont == 6 && fetOther == 7);

// The extension kinds of the dialog filter text, transcribed on their own.
struct TKindCase {
  TFileExtensionType Kind;
  std::vector<std::string> Extensions;
};
const TKindCase kKinds[] = {
    {fetText, {"TXT"}},
    {fetImage, {"BMP", "JPG", "JPEG", "PNG", "GIF", "TIF", "TIFF", "ICO", "ICNS", "PSD", "SVG"}},
    {fetAudio, {"MP3", "WMA", "FLAC", "OGG", "OGA", "WAV", "M4A", "RA"}},
    {fetVideo, {"MP4", "AVI", "MPEG", "FLV", "MKV", "WEBM", "DIVX", "MOV", "3GP", "OGV", "WMV", "RM", "RV", "RMVB"}},
    {fetDocument, {"RTF", "DOC", "DOCX", "ODT"}},
    {fetWebsite, {"HTM", "HTML"}},
    {fetFont, {"TTF", "OTF", "FON", "FNT", "FOT", "TTC", "MMM", "PFM", "PFB", "PFA", "AFM", "DFONT"}},
};

TEST(FileExtensionTypes, TableByKind) {
  size_t count = 0;
  for (const TKindCase& c : kKinds) {
    for (const std::string& ext : c.Extensions) {
      EXPECT_EQ(GetFileExtensionTypeFromFileExtension(ext), c.Kind) << ext;
      std::string lower = ext;
      for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      EXPECT_EQ(GetFileExtensionTypeFromFileExtension(lower), c.Kind) << lower;
      ++count;
    }
  }
  EXPECT_EQ(count, 52u);
  for (const char* other : {"", "PDF", "XLSX", "ZIP", "MPG", "WEBP", ".TXT", "TXT ", "T\xC3\x9CT"})
    EXPECT_EQ(GetFileExtensionTypeFromFileExtension(other), fetOther) << other;
}

// The dialog's kinds and the file types of the file-type selection are two
// classifications that differ on purpose; neither follows the other.
TEST(FileExtensionTypes, DiffersFromTheFileTypes) {
  EXPECT_EQ(GetFileExtensionTypeFromFileExtension("PDF"), fetOther);
  EXPECT_EQ(GetFileTypeFromFileExtension("PDF"), ftDocument);
  EXPECT_EQ(GetFileExtensionTypeFromFileExtension("MPG"), fetOther);
  EXPECT_EQ(GetFileTypeFromFileExtension("MPG"), ftVideo);
  EXPECT_EQ(GetFileExtensionTypeFromFileExtension("WEBP"), fetOther);
  EXPECT_EQ(GetFileTypeFromFileExtension("WEBP"), ftImage);
  EXPECT_EQ(GetFileExtensionTypeFromFileExtension("CSV"), fetOther);
  EXPECT_EQ(GetFileTypeFromFileExtension("CSV"), ftSpreadsheet);
}

TEST(FileExtensionTypes, GroupsAndFilterLines) {
  const TFileExtensionFileTypeRecArr groups = GetFileExtensionsByType({"PNG", "TXT", "xyz", "JPG", "MP3", "ZIP"});
  const TFileExtensionFileTypeRecArr expected = {
      {fetImage, {"PNG", "JPG"}}, {fetText, {"TXT"}}, {fetOther, {"xyz", "ZIP"}}, {fetAudio, {"MP3"}}};
  EXPECT_EQ(groups, expected);
  EXPECT_TRUE(GetFileExtensionsByType({}).empty());
  EXPECT_EQ(GetFileExtensionFilterStringLine("Images", {"PNG", "JPG"}), "Images (*.png;*.jpg)|*.png;*.jpg");
  EXPECT_EQ(GetFileExtensionFilterStringLine("Files", {}), "Files (*.*)|*.*");
  // Only ASCII letters are lower-cased in the patterns.
  EXPECT_EQ(GetFileExtensionFilterStringLine("X", {"\xC3\x9C"
                                                   "B"}),
            "X (*.\xC3\x9C"
            "b)|*.\xC3\x9C"
            "b");
}

TEST(FileExtensionFilter, FreshFilterAllowsEverything) {
  TFileExtensionFilterObj f;
  EXPECT_TRUE(f.AllowAllExtensions);
  EXPECT_TRUE(f.AllowAllFileTypes());
  EXPECT_TRUE(f.GetAllowAll());
  EXPECT_EQ(f.FilterFileType(), "all");
  for (const char* ext : {"", "TXT", "EXE", "\xC3\x9C"}) EXPECT_TRUE(f.ExtensionAllowedU(ext, false)) << ext;
  EXPECT_EQ(f.GetCurrentExtensionsAsCSVString(","), "");
  EXPECT_EQ(f.GetFilterStringForOpenAndSaveDialogs(), "All Files|*.*");
  EXPECT_EQ(f.StrAllFiles, "All Files");
  EXPECT_EQ(f.StrDocuments, "Documents");
  EXPECT_EQ(f.StrFiles, "Files");
  EXPECT_EQ(f.StrFonts, "Fonts");
  EXPECT_EQ(f.StrImages, "Images");
  EXPECT_EQ(f.StrVideos, "Videos");
  EXPECT_EQ(f.StrAudioFiles, "Audio Files");
  EXPECT_EQ(f.StrTextFiles, "Text Files");
  EXPECT_EQ(f.StrArchives, "Archives");
  EXPECT_EQ(f.StrOthers, "Others");
}

TEST(FileExtensionFilter, ListTextFormat) {
  TFileExtensionFilterObj f;
  TStrArray list{"KEEP"};
  f.CSVExtensionStringToStrArray("  .txt ; t.x.t,,Md , ;\xC3\xA4rt, *.h?  ", list, false);
  EXPECT_EQ(list, (TStrArray{"KEEP", "TXT", "TXT", "MD", "\xC3\x84RT", "*H?"}));
  f.SetFilter("", "TXT,HTML", "");
  list.clear();
  f.CSVExtensionStringToStrArray("txt;md;html", list, true);
  EXPECT_EQ(list, (TStrArray{"TXT", "HTML"}));
  list.clear();
  f.CSVExtensionStringToStrArray("txt;md", list, false);
  EXPECT_EQ(list, (TStrArray{"TXT", "MD"}));
}

struct TAllowCase {
  const char* Current;
  const char* General;
  const char* Blacklist;
  const char* Ext;
  bool GeneralOnly;
  bool Allowed;
};

TEST(FileExtensionFilter, ExtensionAllowedTable) {
  const TAllowCase cases[] = {
      // The general list applies while the current list is empty.
      {"", "TXT,HTML", "", "HTM", false, false},
      {"", "TXT,HTML", "", "HTML", false, true},
      // The current list is kept within the general list.
      {"txt;md", "TXT,HTML", "", "TXT", false, true},
      {"txt;md", "TXT,HTML", "", "MD", false, false},
      {"txt;md", "TXT,HTML", "", "HTML", false, false},
      {"txt;md", "TXT,HTML", "", "HTML", true, true},
      {"txt;md", "", "", "MD", true, true},
      // Blacklists, from the current text or given as such.
      {"-exe,bat", "", "", "EXE", false, false},
      {"-exe,bat", "", "", "TXT", false, true},
      {"", "", "exe", "EXE", true, false},
      {"-exe", "", "txt", "TXT", false, true},
      {"-exe", "", "txt", "EXE", false, false},
      {"txt,exe", "", "exe", "EXE", false, false},
      // Wildcards of the current list.
      {"HT*", "", "", "HTM", false, true},
      {"HT*", "", "", "HTML", false, true},
      {"HT*", "", "", "XHTML", false, false},
      {"?X?", "", "", "EXE", false, true},
      {"-D*", "", "", "DOC", false, false},
      {"-D*", "", "", "ODT", false, true},
      // A general pattern counts only for the general-only test.
      {"", "HT*", "", "HTM", false, false},
      {"", "HT*", "", "HTM", true, true},
      {"", "HT*", "", "HT*", false, true},
      // A single "-" is no blacklist but an extension of its own.
      {"-", "", "", "-", false, true},
      {"-", "", "", "EXE", false, false},
      // Items are compared exactly after upper-casing.
      {"\xC3\xA4rt", "", "", "\xC3\x84RT", false, true},
      {"\xC3\xA4rt", "", "", "\xC3\xA4RT", false, false},
  };
  for (const TAllowCase& c : cases) {
    TFileExtensionFilterObj f(c.Current, c.General, c.Blacklist);
    EXPECT_EQ(f.ExtensionAllowedU(c.Ext, c.GeneralOnly), c.Allowed)
        << c.Current << " | " << c.General << " | " << c.Blacklist << " : " << c.Ext << " " << c.GeneralOnly;
  }
}

TEST(FileExtensionFilter, ListsAndFlagsAfterSetFilter) {
  TFileExtensionFilterObj f;
  f.SetFilter("-exe,bat", "", "");
  EXPECT_TRUE(f.CurrentExtensions().empty());
  EXPECT_EQ(f.BlacklistedExtensions(), (TStrArray{"EXE", "BAT"}));
  EXPECT_EQ(f.GetCurrentExtensionsAsCSVString(","), "-EXE,BAT");
  EXPECT_EQ(f.GetBlacklistedExtensionsAsCSVString(";"), "EXE;BAT");
  EXPECT_FALSE(f.AllowAllExtensions);
  EXPECT_TRUE(f.ContainsBlacklistedExtensions());
  EXPECT_FALSE(f.ContainsCurrentAllowedExtensions());

  // An explicit blacklist gives way to one in the current text.
  f.SetFilter("-exe", "", "bat");
  EXPECT_EQ(f.BlacklistedExtensions(), (TStrArray{"EXE"}));

  f.SetFilter("txt;md", "TXT,HTML", "");
  EXPECT_EQ(f.CurrentExtensions(), (TStrArray{"TXT"}));
  EXPECT_EQ(f.GetGeneralExtensionsAsCSVString(","), "TXT,HTML");
  EXPECT_TRUE(f.ContainsGeneralAllowedExtensions());
  EXPECT_TRUE(f.ContainsCurrentAllowedExtensions());
  EXPECT_FALSE(f.GeneralHasWildcards());

  f.SetFilter("a?c", "*", "x*");
  EXPECT_TRUE(f.GeneralHasWildcards());
  EXPECT_FALSE(f.CurrentHasWildcards());  // not in the general list, so dropped
  EXPECT_TRUE(f.BlacklistHasWildcards());

  f.SetFilter("", "", "");
  EXPECT_TRUE(f.AllowAllExtensions);
  EXPECT_FALSE(f.ContainsBlacklistedExtensions());
}

TEST(FileExtensionFilter, CurrentFromCSVStringKeepsTheGeneralList) {
  TFileExtensionFilterObj f("", "TXT,HTML,MD", "");
  f.SetCurrentExtensionsFromCSVString("md;rtf");
  EXPECT_EQ(f.CurrentExtensions(), (TStrArray{"MD"}));
  EXPECT_FALSE(f.ExtensionAllowedU("TXT", false));
  EXPECT_TRUE(f.ExtensionAllowedU("TXT", true));
  f.SetCurrentExtensionsFromCSVString("-md");
  EXPECT_TRUE(f.CurrentExtensions().empty());
  EXPECT_EQ(f.BlacklistedExtensions(), (TStrArray{"MD"}));
  EXPECT_EQ(f.GeneralExtensions(), (TStrArray{"TXT", "HTML", "MD"}));
  EXPECT_TRUE(f.ExtensionAllowedU("TXT", false));
  EXPECT_FALSE(f.ExtensionAllowedU("MD", false));

  // "-" alone makes no blacklist: without a general list it is the one
  // allowed extension, so every real extension is refused.
  TFileExtensionFilterObj g;
  g.SetCurrentExtensionsFromCSVString("-");
  EXPECT_EQ(g.CurrentExtensions(), (TStrArray{"-"}));
  EXPECT_TRUE(g.BlacklistedExtensions().empty());
  EXPECT_FALSE(g.ExtensionAllowedU("TXT", false));
}

// A raw append changes the list but not the tables or flags: the tests keep
// answering from the state of the last rebuild until one happens.
TEST(FileExtensionFilter, RawAppendLeavesFlagsStaleUntilRebuild) {
  TFileExtensionFilterObj f;
  f.SetCurrentExtensionsFromString("txt,md", ",", true);
  EXPECT_EQ(f.CurrentExtensions(), (TStrArray{"txt", "md"}));
  EXPECT_EQ(f.GetCurrentExtensionsAsCSVString(","), "txt,md");
  EXPECT_FALSE(f.AllowAllExtensions);
  EXPECT_FALSE(f.GetAllowAll());
  EXPECT_FALSE(f.ContainsCurrentAllowedExtensions());
  EXPECT_TRUE(f.ExtensionAllowedU("EXE", false));
  EXPECT_TRUE(f.ExtensionAllowedU("TXT", false));

  // Appending again without clearing keeps the earlier raw items; dots stay.
  f.SetCurrentExtensionsFromString(" .Doc", ";", false);
  EXPECT_EQ(f.CurrentExtensions(), (TStrArray{"txt", "md", " .Doc"}));
  // An empty text appends one empty item.
  f.SetCurrentExtensionsFromString("", ",", false);
  EXPECT_EQ(f.CurrentExtensions().size(), 4u);

  // A filter that takes the lists over sees them normalised and effective.
  TFileExtensionFilterObj g;
  g.ApplyFilter(f);
  EXPECT_EQ(g.CurrentExtensions(), (TStrArray{"TXT", "MD", "DOC"}));
  EXPECT_TRUE(g.ContainsCurrentAllowedExtensions());
  EXPECT_FALSE(g.ExtensionAllowedU("EXE", false));
  EXPECT_TRUE(g.ExtensionAllowedU("DOC", false));

  // So does the filter itself after a rebuild.
  f.ApplyFilter(f);
  EXPECT_TRUE(f.ContainsCurrentAllowedExtensions());
  EXPECT_FALSE(f.ExtensionAllowedU("EXE", false));
  EXPECT_TRUE(f.ExtensionAllowedU("MD", false));
}

TEST(FileExtensionFilter, RawAppendAfterARebuiltListKeepsOldAnswers) {
  TFileExtensionFilterObj f("txt", "", "");
  f.SetCurrentExtensionsFromString("md", ",", true);
  // The table still holds TXT and the flag still says there is a list.
  EXPECT_TRUE(f.ContainsCurrentAllowedExtensions());
  EXPECT_TRUE(f.ExtensionAllowedU("TXT", false));
  EXPECT_FALSE(f.ExtensionAllowedU("MD", false));
  EXPECT_EQ(f.GetCurrentExtensionsAsCSVString(","), "md");
  f.RefreshExtensionTable();
  // The raw item is compared as it stands: lower case matches nothing.
  EXPECT_FALSE(f.ExtensionAllowedU("TXT", false));
  EXPECT_FALSE(f.ExtensionAllowedU("MD", false));
  EXPECT_TRUE(f.ExtensionAllowedU("md", false));
}

TEST(FileExtensionFilter, ResetAndInitialFilter) {
  TFileExtensionFilterObj f("txt", "TXT,MD", "exe");
  f.SetFilterFileType("text");
  f.SetFilter("", "", "");
  EXPECT_TRUE(f.AllowAllExtensions);
  f.ResetToInitialFilter();
  EXPECT_EQ(f.CurrentExtensions(), (TStrArray{"TXT"}));
  EXPECT_EQ(f.GeneralExtensions(), (TStrArray{"TXT", "MD"}));
  EXPECT_EQ(f.BlacklistedExtensions(), (TStrArray{"EXE"}));
  EXPECT_EQ(f.FilterFileType(), "text");  // the selection is not part of the reset
  f.SetFilterInitial("md", "", "");
  f.SetFilter("txt", "", "");
  f.ResetToInitialFilter();
  EXPECT_EQ(f.CurrentExtensions(), (TStrArray{"MD"}));
}

TEST(FileExtensionFilter, ApplyFilterCarriesOnlyTheLists) {
  TFileExtensionFilterObj source("txt", "TXT,MD", "exe");
  source.SetFilterFileType("image");
  source.StrImages = "Bilder";
  TFileExtensionFilterObj target;
  target.ApplyFilter(source);
  EXPECT_EQ(target.CurrentExtensions(), (TStrArray{"TXT"}));
  EXPECT_EQ(target.GeneralExtensions(), (TStrArray{"TXT", "MD"}));
  EXPECT_EQ(target.BlacklistedExtensions(), (TStrArray{"EXE"}));
  EXPECT_EQ(target.FilterFileType(), "all");
  EXPECT_EQ(target.StrImages, "Images");
  // A blacklist-only source travels as "-" text.
  TFileExtensionFilterObj black("-exe,bat", "", "");
  target.ApplyFilter(black);
  EXPECT_TRUE(target.CurrentExtensions().empty());
  EXPECT_EQ(target.BlacklistedExtensions(), (TStrArray{"EXE", "BAT"}));
}

TEST(FileExtensionFilter, FileTypeSelection) {
  TFileExtensionFilterObj f;
  f.SetFilterFileType("image, audio");
  EXPECT_FALSE(f.AllowAllFileTypes());
  EXPECT_FALSE(f.GetAllowAll());
  EXPECT_TRUE(f.AllowAllExtensions);
  EXPECT_TRUE(f.ExtensionAllowedU("PNG", false));
  EXPECT_TRUE(f.ExtensionAllowedU("MP3", false));
  EXPECT_FALSE(f.ExtensionAllowedU("TXT", false));
  // The answer is remembered per extension; asking twice gives the same.
  EXPECT_TRUE(f.ExtensionAllowedU("PNG", true));
  EXPECT_FALSE(f.ExtensionAllowedU("TXT", true));
  f.SetFilterFileType("all");
  EXPECT_TRUE(f.AllowAllFileTypes());
  EXPECT_TRUE(f.ExtensionAllowedU("TXT", false));
  // A new selection clears the remembered answers.
  f.SetFilterFileType("text");
  EXPECT_TRUE(f.ExtensionAllowedU("TXT", false));
  EXPECT_FALSE(f.ExtensionAllowedU("PNG", false));
  // Nothing selected, or only unknown ids: nothing is allowed.
  f.SetFilterFileType("");
  EXPECT_FALSE(f.ExtensionAllowedU("TXT", false));
  f.SetFilterFileType("Image,pictures");
  EXPECT_FALSE(f.ExtensionAllowedU("PNG", false));
  // Unknown extensions are of type other.
  f.SetFilterFileType("other");
  EXPECT_TRUE(f.ExtensionAllowedU("QQQ", false));
  EXPECT_FALSE(f.ExtensionAllowedU("PNG", false));
  // Lists and types both have to agree.
  f.SetFilter("png,txt", "", "");
  f.SetFilterFileType("text");
  EXPECT_TRUE(f.ExtensionAllowedU("TXT", false));
  EXPECT_FALSE(f.ExtensionAllowedU("PNG", false));
  EXPECT_FALSE(f.ExtensionAllowedU("MD", false));
}

TEST(FileExtensionFilter, AllGeneralAllowedExtensionsAreCurrentlyAllowed) {
  TFileExtensionFilterObj f;
  EXPECT_TRUE(f.AllGeneralAllowedExtensionsAreCurrentlyAllowed());
  f.SetFilter("", "TXT,MD", "");
  EXPECT_FALSE(f.AllGeneralAllowedExtensionsAreCurrentlyAllowed());
  f.SetFilter("md,txt", "TXT,MD", "");
  EXPECT_TRUE(f.AllGeneralAllowedExtensionsAreCurrentlyAllowed());
  f.SetFilter("md", "TXT,MD", "");
  EXPECT_FALSE(f.AllGeneralAllowedExtensionsAreCurrentlyAllowed());
  f.SetFilter("md,md", "TXT,MD", "");
  EXPECT_TRUE(f.AllGeneralAllowedExtensionsAreCurrentlyAllowed());
}

TEST(FileExtensionFilter, DialogFilterText) {
  TFileExtensionFilterObj f("", "TXT, PNG, JPG, DOCX", "");
  EXPECT_EQ(f.GetFilterStringForOpenAndSaveDialogs(),
            "Text Files (*.txt)|*.txt|Images (*.png;*.jpg)|*.png;*.jpg|Documents (*.docx)|*.docx");
  // Audio gets its own text; web pages and the rest are files.
  f.SetFilter("", "mp3,htm,zip,ttf,avi", "");
  EXPECT_EQ(f.GetFilterStringForOpenAndSaveDialogs(),
            "Audio Files (*.mp3)|*.mp3|Files (*.htm)|*.htm|Files (*.zip)|*.zip|Fonts (*.ttf)|*.ttf|"
            "Videos (*.avi)|*.avi");
  // A blacklist alone keeps "All Files" out, as it restricts.
  f.SetFilter("-exe", "", "");
  EXPECT_EQ(f.GetFilterStringForOpenAndSaveDialogs(), "");
  f.SetFilter("", "", "");
  f.StrAllFiles = "Alle Dateien";
  EXPECT_EQ(f.GetFilterStringForOpenAndSaveDialogs(), "Alle Dateien|*.*");
}

}  // namespace
