#include "foundation/file_types.h"

#include <array>
#include <unordered_map>

#include "foundation/letter_case.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"

namespace {

struct TypeNames {
  const char* id;
  const char* singular;
  const char* plural;
};

constexpr std::array<TypeNames, kFileTypeCount> kNames = {{
    {"folder", "Folder", "Folders"},
    {"text", "Text", "Text Files"},
    {"image", "Image", "Images"},
    {"audio", "Audio", "Audio Files"},
    {"video", "Video", "Videos"},
    {"document", "Document", "Documents"},
    {"spreadsheet", "Spreadsheet", "Spreadsheets"},
    {"website", "Website", "Websites"},
    {"font", "Font", "Fonts"},
    {"executable", "Executable", "Executables"},
    {"archive", "Archive", "Archives"},
    {"playlist", "Playlist", "Playlists"},
    {"sourcecode", "Source Code", "Source Codes"},
    {"other", "Other", "Others"},
}};

const std::array<TStrArray, kFileTypeCount>& ExtensionTable() {
  static const std::array<TStrArray, kFileTypeCount> table = {{
      {},
      {"TXT"},
      {"BMP",  "JPG", "JPEG", "JPE", "JFIF", "JIF",  "PNG",  "MNG", "JNG",  "GIF",  "ICO", "CUR",
       "ICNS", "PSD", "PDD",  "SVG", "TIF",  "TIFF", "DIB",  "TGA", "WEBP", "AVIF", "PBM", "PGM",
       "PPM",  "PAM", "PNM",  "XBM", "XPM",  "HEIC", "HEIF", "XCF", "JXL",  "J2K",  "JP2", "JPG2",
       "JPX",  "JPF", "JPM",  "J2C", "JPC",  "CR2",  "CR3",  "DNG", "NEF",  "SRF",  "SR2", "ARW"},
      {"MP3", "WMA", "FLAC", "OGG", "OGA", "SPX", "SPEEX", "OPUS", "APE",  "WV",  "WAV", "WAVE", "MID", "AC3", "MKA",
       "M4A", "M4B", "AMR",  "BWF", "AAC", "VOC", "AU",    "RA",   "AIFF", "DSD", "DFF", "DSF",  "MP2", "DTS", "SND"},
      {"MP4", "AVI", "MPEG", "MPG",  "FLV", "F4V", "WMV",  "ASF",  "OGV",  "MKV", "M2TS", "TS",  "VOB",
       "M4V", "MOV", "QT",   "WEBM", "3GP", "3G2", "3GPP", "DIVX", "MP4V", "RM",  "RV",   "RMVB"},
      {"RTF", "DOC", "DOCX", "ODT", "PDF", "EPUB", "AZW3", "ODP", "PPT", "PPTX"},
      {"XLS", "XLSX", "XLSM", "ODS", "CSV"},
      {"HTM", "HTML"},
      {"TTF", "OTF", "FON", "FNT", "FOT", "TTC", "MMM", "PFM", "PFB", "PFA", "AFM", "DFONT", "WOFF"},
      {"EXE", "APP", "APK", "BAT", "SH", "VBS", "JAR", "CMD", "DLL", "COMMAND"},
      {"ZIP", "RAR", "7Z", "TAR", "GZ", "ACE", "ARC", "ISO", "DEB", "RPM", "DMG", "CAB", "LZH", "LHA"},
      {"M3U", "M3U8", "ASX", "PLS", "XSPF", "WPL", "EMP"},
      {"PAS", "LPR", "DPR", "LPI", "LFM", "PHP", "PHP4", "PHP5", "JS", "PY", "PL", "R", "C", "CPP", "JAVA", "CS", "GO",
       "RB", "SWIFT"},
      {},
  }};
  return table;
}

const std::unordered_map<std::string, int32_t>& ExtensionIndex() {
  static const auto index = [] {
    std::unordered_map<std::string, int32_t> m;
    const auto& table = ExtensionTable();
    for (int32_t t = 0; t < kFileTypeCount; ++t)
      for (const auto& ext : table[static_cast<size_t>(t)]) m.emplace(ext, t);
    return m;
  }();
  return index;
}

bool InRange(int32_t fileType) { return fileType >= 0 && fileType < kFileTypeCount; }

}  // namespace

int32_t GetFileTypeFromFileExtension(std::string_view extension) {
  const auto& index = ExtensionIndex();
  auto it = index.find(ASCIIUpperCase(extension));
  return it == index.end() ? ftOther : it->second;
}

std::string FileTypeToStringEN(int32_t fileType, bool plural) {
  if (!InRange(fileType)) return "";
  const auto& names = kNames[static_cast<size_t>(fileType)];
  return plural ? names.plural : names.singular;
}

std::string FileTypeToStringID(int32_t fileType) {
  return InRange(fileType) ? kNames[static_cast<size_t>(fileType)].id : "";
}

int32_t StringIDToFileType(std::string_view id) {
  for (int32_t t = 0; t < kFileTypeCount; ++t)
    if (id == kNames[static_cast<size_t>(t)].id) return t;
  return -1;
}

TIntArray StringIDsToFileTypeArr(std::string_view text, char separator) {
  TIntArray result;
  if (text.empty()) return result;
  TStrArray parts;
  ExplodeAtChar(parts, separator, text);
  for (const auto& part : parts) {
    int32_t t = StringIDToFileType(Trim(part));
    if (t >= 0) result.push_back(t);
  }
  return result;
}

const TStrArray& FileTypeExtensions(int32_t fileType) {
  static const TStrArray empty;
  return InRange(fileType) ? ExtensionTable()[static_cast<size_t>(fileType)] : empty;
}
