#include "filelist/core/file_list_columns_catalogue.h"

#include "foundation/number_format.h"
#include "text/text_store.h"

namespace {

constexpr TFileListViewInfoKinds kNeedsFolder = InfoKindBit(TFileListViewInfoKind::Folder);
constexpr TFileListViewInfoKinds kNeedsVolume = InfoKindBit(TFileListViewInfoKind::Volume);
constexpr TFileListViewInfoKinds kNeedsText = InfoKindBit(TFileListViewInfoKind::Text);
constexpr TFileListViewInfoKinds kNeedsAudio = InfoKindBit(TFileListViewInfoKind::Audio);
constexpr TFileListViewInfoKinds kNeedsVideo = InfoKindBit(TFileListViewInfoKind::Video);
constexpr TFileListViewInfoKinds kNeedsImage = InfoKindBit(TFileListViewInfoKind::Image);
constexpr TFileListViewInfoKinds kNeedsDocument = InfoKindBit(TFileListViewInfoKind::Document);
constexpr TFileListViewInfoKinds kNeedsAttribute = InfoKindBit(TFileListViewInfoKind::Attribute);
constexpr TFileListViewInfoKinds kNeedsCheckSum = InfoKindBit(TFileListViewInfoKind::CheckSum);

// clang-format off
constexpr TFileListViewColumnTypeInfo kCatalogue[] = {
    {flvColNone, "none", TColumnCategory::Unknown, "", 0, taLeftJustify, 0},  // 0
    {flvColName, "name", TColumnCategory::FileName, "Name", 150, taLeftJustify, 0},  // 1
    {flvColExt, "ext", TColumnCategory::FileName, "Format", 80, taLeftJustify, 0},  // 2
    {flvColType, "type", TColumnCategory::FileProperty, "Type", 90, taLeftJustify, 0},  // 3
    {flvColSize, "size", TColumnCategory::FileProperty, "Size", 100, taRightJustify, 0},  // 4
    {flvColDate, "date", TColumnCategory::FileDate, "Date", 160, taLeftJustify, 0},  // 5
    {flvColPath, "path", TColumnCategory::FileName, "Path", 300, taLeftJustify, 0},  // 6
    {flvColFolder, "folder", TColumnCategory::Folder, "Folder", 90, taLeftJustify, 0},  // 7
    {flvColNumbering, "numbering", TColumnCategory::General, "Number", 90, taRightJustify, 0},  // 8
    {flvColFileCountDirect, "filecount_direct", TColumnCategory::Folder, "File Count Direct", 90, taRightJustify, kNeedsFolder},  // 9
    {flvColFolderCountDirect, "foldercount_direct", TColumnCategory::Folder, "Folder Count Direct", 90, taRightJustify, kNeedsFolder},  // 10
    {flvColFileCountAll, "filecount_all", TColumnCategory::Folder, "File Count", 90, taRightJustify, kNeedsFolder},  // 11
    {flvColFolderCountAll, "foldercount_all", TColumnCategory::Folder, "Folder Count", 90, taRightJustify, kNeedsFolder},  // 12
    {flvColFolderSizeDirect, "foldersize_direct", TColumnCategory::Folder, "Folder Size Direct", 90, taRightJustify, kNeedsFolder},  // 13
    {flvColPathLength, "path_length", TColumnCategory::FileName, "Path Length", 90, taRightJustify, 0},  // 14
    {flvColFolderLevel, "folder_level", TColumnCategory::Folder, "Folder Level", 90, taRightJustify, 0},  // 15
    {flvColFolderDeepness, "folder_deepness", TColumnCategory::Folder, "Deepness", 90, taRightJustify, kNeedsFolder},  // 16
    {flvColVolumeName, "volume_name", TColumnCategory::DataMedium, "Volume Name", 110, taLeftJustify, kNeedsVolume},  // 17
    {flvColDateModified, "date_modified", TColumnCategory::FileDate, "Modified", 160, taLeftJustify, kNeedsAttribute},  // 18
    {flvColDateAccessed, "date_accessed", TColumnCategory::FileDate, "Accessed", 160, taLeftJustify, kNeedsAttribute},  // 19
    {flvColDateCreated, "date_created", TColumnCategory::FileDate, "Created", 160, taLeftJustify, kNeedsAttribute},  // 20
    {flvColDateAttrChanged, "date_attrchanged", TColumnCategory::FileDate, "Attribute Change", 160, taLeftJustify, kNeedsAttribute},  // 21
    {flvColTextEncoding, "text_encoding", TColumnCategory::TextFile, "Encoding", 110, taLeftJustify, kNeedsText},  // 22
    {flvColTextBOM, "text_bom", TColumnCategory::TextFile, "BOM", 45, taLeftJustify, kNeedsText},  // 23
    {flvColTextEncodingWithBOM, "text_encodingwithbom", TColumnCategory::TextFile, "Encoding", 110, taLeftJustify, kNeedsText},  // 24
    {flvColTextLineBreakType, "text_linebreaktype", TColumnCategory::TextFile, "Line Break", 95, taLeftJustify, kNeedsText},  // 25
    {flvColTextLineCount, "text_linecount", TColumnCategory::TextFile, "Lines", 70, taRightJustify, kNeedsText},  // 26
    {flvColTextCharCount, "text_charcount", TColumnCategory::TextFile, "Characters", 70, taRightJustify, kNeedsText},  // 27
    {flvColTextWordCount, "text_wordcount", TColumnCategory::TextFile, "Words", 70, taRightJustify, kNeedsText},  // 28
    {flvColTextFirstChars, "text_firstchars", TColumnCategory::TextFile, "First Characters", 100, taLeftJustify, kNeedsText},  // 29
    {flvColImageWidth, "image_width", TColumnCategory::Image, "Width", 80, taRightJustify, kNeedsImage},  // 30
    {flvColImageHeight, "image_height", TColumnCategory::Image, "Height", 80, taRightJustify, kNeedsImage},  // 31
    {flvColImageAspectRatio, "image_aspectratio", TColumnCategory::Image, "Aspect Ratio", 110, taRightJustify, kNeedsImage},  // 32
    {flvColImageColorDepth, "image_colordepth", TColumnCategory::Image, "Color Depth", 80, taRightJustify, kNeedsImage},  // 33
    {flvColImageColorSpace, "image_colorspace", TColumnCategory::Image, "Color Space", 100, taLeftJustify, kNeedsImage},  // 34
    {flvColImageResHoriz, "image_reshoriz", TColumnCategory::Image, "Horizontal Resolution", 80, taRightJustify, kNeedsImage},  // 35
    {flvColImageResVert, "image_resvert", TColumnCategory::Image, "Vertical Resolution", 80, taRightJustify, kNeedsImage},  // 36
    {flvColImageImgCount, "image_imgcount", TColumnCategory::Image, "Image Count", 80, taRightJustify, kNeedsImage},  // 37
    {flvColAudioArtist, "audio_artist", TColumnCategory::Audio, "Artist", 100, taLeftJustify, kNeedsAudio},  // 38
    {flvColAudioTitle, "audio_title", TColumnCategory::Audio, "Title", 120, taLeftJustify, kNeedsAudio},  // 39
    {flvColAudioAlbum, "audio_album", TColumnCategory::Audio, "Album", 120, taLeftJustify, kNeedsAudio},  // 40
    {flvColAudioTrack, "audio_track", TColumnCategory::Audio, "Track", 60, taLeftJustify, kNeedsAudio},  // 41
    {flvColAudioDiscNumber, "audio_discnumber", TColumnCategory::Audio, "Disc Number", 60, taLeftJustify, kNeedsAudio},  // 42
    {flvColAudioDuration, "audio_duration", TColumnCategory::Audio, "Duration", 70, taRightJustify, kNeedsAudio},  // 43
    {flvColAudioYear, "audio_year", TColumnCategory::Audio, "Year", 60, taLeftJustify, kNeedsAudio},  // 44
    {flvColAudioGenre, "audio_genre", TColumnCategory::Audio, "Genre", 90, taLeftJustify, kNeedsAudio},  // 45
    {flvColAudioComment, "audio_comment", TColumnCategory::Audio, "Comment", 120, taLeftJustify, kNeedsAudio},  // 46
    {flvColAudioSampleRate, "audio_samplerate", TColumnCategory::Audio, "SampleRate", 75, taRightJustify, kNeedsAudio},  // 47
    {flvColAudioBitRate, "audio_bitrate", TColumnCategory::Audio, "BitRate", 75, taRightJustify, kNeedsAudio},  // 48
    {flvColAudioChannels, "audio_channels", TColumnCategory::Audio, "Channels", 75, taLeftJustify, kNeedsAudio},  // 49
    {flvColVideoWidth, "video_width", TColumnCategory::Video, "Width", 80, taRightJustify, kNeedsVideo},  // 50
    {flvColVideoHeight, "video_height", TColumnCategory::Video, "Height", 80, taRightJustify, kNeedsVideo},  // 51
    {flvColVideoAspectRatio, "video_aspectratio", TColumnCategory::Video, "Aspect Ratio", 110, taRightJustify, kNeedsVideo},  // 52
    {flvColVideoDuration, "video_duration", TColumnCategory::Video, "Duration", 70, taRightJustify, kNeedsVideo},  // 53
    {flvColVideoFPS, "video_fps", TColumnCategory::Video, "FPS", 60, taRightJustify, kNeedsVideo},  // 54
    {flvColVideoBitrate, "video_bitrate", TColumnCategory::Video, "BitRate", 75, taRightJustify, kNeedsVideo},  // 55
    {flvColDocumentAuthor, "document_author", TColumnCategory::Document, "Author", 120, taLeftJustify, kNeedsDocument},  // 56
    {flvColDocumentTitle, "document_title", TColumnCategory::Document, "Title", 120, taLeftJustify, kNeedsDocument},  // 57
    {flvColDocumentPageCount, "document_pagecount", TColumnCategory::Document, "Page Count", 75, taRightJustify, kNeedsDocument},  // 58
    {flvColAttributeHidden, "attribute_hidden", TColumnCategory::FileAttribute, "Hidden", 110, taLeftJustify, kNeedsAttribute},  // 59
    {flvColAttributeReadOnly, "attribute_readonly", TColumnCategory::FileAttribute, "ReadOnly", 110, taLeftJustify, kNeedsAttribute},  // 60
    {flvColAttributeLink, "attribute_link", TColumnCategory::FileAttribute, "Link", 150, taLeftJustify, kNeedsAttribute},  // 61
    {flvColAttributeHiddenExt, "attribute_hiddenext", TColumnCategory::FileAttribute, "Hidden Extension", 75, taRightJustify, kNeedsAttribute},  // 62
    {flvColCheckSumMD5, "checksum_md5", TColumnCategory::CheckSum, "MD5", 90, taLeftJustify, kNeedsCheckSum},  // 63
    {flvColCheckSumCRC32, "checksum_crc32", TColumnCategory::CheckSum, "CRC32", 90, taLeftJustify, kNeedsCheckSum},  // 64
    {flvColCheckSumCRC32B, "checksum_crc32b", TColumnCategory::CheckSum, "CRC32B", 90, taLeftJustify, kNeedsCheckSum},  // 65
    {flvColCheckSumSHA1, "checksum_sha1", TColumnCategory::CheckSum, "SHA1", 90, taLeftJustify, kNeedsCheckSum},  // 66
    {flvColCheckSumSHA2_224, "checksum_sha224", TColumnCategory::CheckSum, "SHA224", 90, taLeftJustify, kNeedsCheckSum},  // 67
    {flvColCheckSumSHA2_256, "checksum_sha256", TColumnCategory::CheckSum, "SHA256", 90, taLeftJustify, kNeedsCheckSum},  // 68
    {flvColCheckSumSHA2_384, "checksum_sha384", TColumnCategory::CheckSum, "SHA384", 90, taLeftJustify, kNeedsCheckSum},  // 69
    {flvColCheckSumSHA2_512, "checksum_sha512", TColumnCategory::CheckSum, "SHA512", 90, taLeftJustify, kNeedsCheckSum},  // 70
    {flvColCombinedWidth, "combined_width", TColumnCategory::Unknown, "Width", 80, taRightJustify, kNeedsVideo | kNeedsImage},  // 71
    {flvColCombinedHeight, "combined_height", TColumnCategory::Unknown, "Height", 80, taRightJustify, kNeedsVideo | kNeedsImage},  // 72
    {flvColCombinedAspectRatio, "combined_aspectratio", TColumnCategory::Unknown, "Aspect Ratio", 110, taRightJustify, kNeedsVideo | kNeedsImage},  // 73
    {flvColCombinedDuration, "combined_duration", TColumnCategory::Unknown, "Duration", 70, taRightJustify, kNeedsVideo | kNeedsAudio},  // 74
    {flvColStatus, "status", TColumnCategory::Status, "Status", 110, taLeftJustify, 0},  // 75
    {flvColCustomStr, "str", TColumnCategory::Dynamic, "", 0, taLeftJustify, 0},  // 76
    {flvColCustomInt, "int", TColumnCategory::Dynamic, "", 0, taLeftJustify, 0},  // 77
    {flvColCustomDynamicContent, "dyn", TColumnCategory::Dynamic, "", 0, taLeftJustify, 0},  // 78
    {flvColMax, "unknown", TColumnCategory::Unknown, "", 0, taLeftJustify, 0},  // 79
};
// clang-format on
static_assert(std::size(kCatalogue) == flvColMax + 1);

constexpr bool CatalogueInOrder() {
  for (size_t i = 0; i < std::size(kCatalogue); ++i) {
    if (kCatalogue[i].ColumnType != static_cast<TFileListViewColumnType>(i)) return false;
  }
  return true;
}
static_assert(CatalogueInOrder());

// The slots of a category's text; a second slot is joined with a blank.
struct TCategoryText {
  TColumnCategory Category;
  StrResGlobal Slot;
  StrResGlobal SecondSlot;
};

constexpr TCategoryText kCategoryTexts[] = {
    {TColumnCategory::FileName, 296, 0},   {TColumnCategory::Folder, 255, 0},
    {TColumnCategory::FileDate, 299, 0},   {TColumnCategory::FileProperty, 300, 0},
    {TColumnCategory::DataMedium, 317, 0}, {TColumnCategory::TextFile, 577, 335},
    {TColumnCategory::Image, 596, 335},    {TColumnCategory::Video, 745, 335},
    {TColumnCategory::Audio, 730, 335},    {TColumnCategory::Document, 590, 335},
    {TColumnCategory::CheckSum, 363, 0},   {TColumnCategory::FileAttribute, 343, 0},
    {TColumnCategory::Status, 247, 0},     {TColumnCategory::General, 14, 0},
    {TColumnCategory::Dynamic, 661, 0},    {TColumnCategory::Unknown, 240, 0},
};

}  // namespace

const TFileListViewColumnTypeInfo& FLVColumnTypeInfo(TFileListViewColumnType type) {
  if (type < flvColNone || type > flvColMax) return kCatalogue[flvColNone];
  return kCatalogue[type];
}

bool IsCustomColumnType(TFileListViewColumnType type) {
  return type == flvColCustomStr || type == flvColCustomInt || type == flvColCustomDynamicContent;
}

std::string FLVColumnTypeToStrId(TFileListViewColumnType AType, int32_t ACustomIndex) {
  const TFileListViewColumnTypeInfo& info = FLVColumnTypeInfo(AType);
  if (IsCustomColumnType(AType)) return std::string(info.StrId) + IntToStr(ACustomIndex);
  return info.StrId;
}

bool StrIdToFLVColumnType(const std::string& AStrId, TFileListViewColumnType& AType, int32_t& ACustomIndex) {
  ACustomIndex = 0;
  for (const TFileListViewColumnTypeInfo& info : kCatalogue) {
    if (info.ColumnType == flvColMax || IsCustomColumnType(info.ColumnType)) continue;
    if (AStrId == info.StrId) {
      AType = info.ColumnType;
      return true;
    }
  }
  const std::string prefix = AStrId.substr(0, 3);
  const std::string rest = AStrId.size() > 3 ? AStrId.substr(3) : std::string();
  // A valid number converts alike whatever the fallback.
  const int32_t number = StrToIntDef(rest, 0);
  if (rest.empty() || number != StrToIntDef(rest, 1)) {
    AType = flvColNone;
    return false;
  }
  ACustomIndex = number;
  if (prefix == "str") {
    AType = flvColCustomStr;
  } else if (prefix == "int") {
    AType = flvColCustomInt;
  } else if (prefix == "dyn") {
    AType = flvColCustomDynamicContent;
  } else {
    AType = flvColNone;
    return false;
  }
  return true;
}

std::string GetCategoryOfColumnTypeAsText(TFileListViewColumnType AType) { return "NOT IMPLEMENTED"; }

std::string GetCategoryOfColumnTypeAsTextSpr(TFileListViewColumnType AType) {
  const TColumnCategory category = AType >= flvColName && AType <= flvColCustomDynamicContent
                                       ? FLVColumnTypeInfo(AType).Category
                                       : TColumnCategory::Unknown;
  for (const TCategoryText& t : kCategoryTexts) {
    if (t.Category != category) continue;
    if (t.SecondSlot == 0) return SprText(t.Slot);
    return SprText(t.Slot) + " " + SprText(t.SecondSlot);
  }
  return SprText(240);
}
