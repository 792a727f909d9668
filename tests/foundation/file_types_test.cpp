#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "foundation/file_types.h"

TEST(FileTypes, EveryExtensionMapsToExactlyOneType) {
  std::map<std::string, int32_t> seen;
  size_t total = 0;
  for (int32_t t = 0; t < kFileTypeCount; ++t) {
    for (const auto& ext : FileTypeExtensions(t)) {
      ++total;
      auto [it, fresh] = seen.emplace(ext, t);
      EXPECT_TRUE(fresh) << ext << " listed for types " << it->second << " and " << t;
      EXPECT_EQ(GetFileTypeFromFileExtension(ext), t) << ext;
    }
  }
  EXPECT_EQ(total, 1u + 48 + 30 + 25 + 10 + 5 + 2 + 13 + 10 + 14 + 7 + 19);
  EXPECT_TRUE(FileTypeExtensions(ftFolder).empty());
  EXPECT_TRUE(FileTypeExtensions(ftOther).empty());
  EXPECT_EQ(FileTypeExtensions(ftText), (TStrArray{"TXT"}));
}

// The extension table as published, independent of the one the code keeps.
TEST(FileTypes, PublishedTable) {
  const std::pair<int32_t, const char*> rows[] = {
      {ftText, "TXT"},
      {ftImage,
       "BMP JPG JPEG JPE JFIF JIF PNG MNG JNG GIF ICO CUR ICNS PSD PDD SVG TIF TIFF DIB TGA WEBP AVIF PBM PGM PPM "
       "PAM PNM XBM XPM HEIC HEIF XCF JXL J2K JP2 JPG2 JPX JPF JPM J2C JPC CR2 CR3 DNG NEF SRF SR2 ARW"},
      {ftAudio,
       "MP3 WMA FLAC OGG OGA SPX SPEEX OPUS APE WV WAV WAVE MID AC3 MKA M4A M4B AMR BWF AAC VOC AU RA AIFF DSD DFF "
       "DSF MP2 DTS SND"},
      {ftVideo,
       "MP4 AVI MPEG MPG FLV F4V WMV ASF OGV MKV M2TS TS VOB M4V MOV QT WEBM 3GP 3G2 3GPP DIVX MP4V RM RV RMVB"},
      {ftDocument, "RTF DOC DOCX ODT PDF EPUB AZW3 ODP PPT PPTX"},
      {ftSpreadsheet, "XLS XLSX XLSM ODS CSV"},
      {ftWebsite, "HTM HTML"},
      {ftFont, "TTF OTF FON FNT FOT TTC MMM PFM PFB PFA AFM DFONT WOFF"},
      {ftExecutable, "EXE APP APK BAT SH VBS JAR CMD DLL COMMAND"},
      {ftArchive, "ZIP RAR 7Z TAR GZ ACE ARC ISO DEB RPM DMG CAB LZH LHA"},
      {ftPlaylist, "M3U M3U8 ASX PLS XSPF WPL EMP"},
      {ftSourceCode, "PAS LPR DPR LPI LFM PHP PHP4 PHP5 JS PY PL R C CPP JAVA CS GO RB SWIFT"},
  };
  for (const auto& [type, list] : rows) {
    TStrArray expected;
    std::string all(list);
    for (size_t pos = 0; pos < all.size();) {
      size_t end = std::min(all.find(' ', pos), all.size());
      expected.push_back(all.substr(pos, end - pos));
      pos = end + 1;
    }
    EXPECT_EQ(FileTypeExtensions(type), expected) << type;
    for (std::string ext : expected) {
      EXPECT_EQ(GetFileTypeFromFileExtension(ext), type) << ext;
      for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_EQ(GetFileTypeFromFileExtension(ext), type) << ext;
    }
  }
}

TEST(FileTypes, LookupIgnoresAsciiCase) {
  struct Case {
    const char* ext;
    int32_t type;
  } cases[] = {
      {"jpeg", ftImage},      {"Jpg", ftImage},          {"JPG", ftImage},    {"Mp3", ftAudio},
      {"csv", ftSpreadsheet}, {"htm", ftWebsite},        {"r", ftSourceCode}, {"7z", ftArchive},
      {"3gp", ftVideo},       {"command", ftExecutable}, {"", ftOther},       {".txt", ftOther},
      {"md", ftOther},        {"txt ", ftOther},         {"TXTX", ftOther},   {"ẞ", ftOther},
  };
  for (const auto& c : cases) EXPECT_EQ(GetFileTypeFromFileExtension(c.ext), c.type) << c.ext;
}

TEST(FileTypes, NamesAndIds) {
  EXPECT_EQ(FileTypeToStringEN(1, true), "Text Files");
  EXPECT_EQ(FileTypeToStringEN(12, false), "Source Code");
  EXPECT_EQ(FileTypeToStringEN(12, true), "Source Codes");
  EXPECT_EQ(FileTypeToStringEN(14, false), "");
  EXPECT_EQ(FileTypeToStringEN(-1, true), "");
  EXPECT_EQ(FileTypeToStringID(14), "");
  EXPECT_EQ(StringIDToFileType("Image"), -1);
  EXPECT_EQ(StringIDToFileType("image"), 2);
  EXPECT_EQ(StringIDToFileType(" image"), -1);
  EXPECT_EQ(StringIDToFileType(""), -1);
  const char* ids[] = {"folder",  "text", "image",      "audio",   "video",    "document",   "spreadsheet",
                       "website", "font", "executable", "archive", "playlist", "sourcecode", "other"};
  for (int32_t t = 0; t < kFileTypeCount; ++t) {
    EXPECT_EQ(FileTypeToStringID(t), ids[t]);
    EXPECT_EQ(StringIDToFileType(FileTypeToStringID(t)), t);
    EXPECT_FALSE(FileTypeToStringEN(t, false).empty());
  }
}

TEST(FileTypes, IdListToNumbers) {
  EXPECT_EQ(StringIDsToFileTypeArr("image, audio,,bogus,image", ','), (TIntArray{2, 3, 2}));
  EXPECT_EQ(StringIDsToFileTypeArr("", ','), TIntArray{});
  EXPECT_EQ(StringIDsToFileTypeArr("folder;other\t", ';'), (TIntArray{0, 13}));
  EXPECT_EQ(StringIDsToFileTypeArr("Video", ','), TIntArray{});
}
