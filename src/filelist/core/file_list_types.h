// The records of the file list view: column types, formats and editors, the
// entry record, the information records of each kind, column definitions,
// cell descriptors, row filters, the view's texts and display options.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fileinfo/audio_values.h"
#include "foundation/dates.h"
#include "foundation/number_format.h"
#include "foundation/paths.h"
#include "foundation/types.h"

// What a column shows; the numbers are those of the catalogue
// (file_list_columns_catalogue.h) and never change.
enum TFileListViewColumnType : int32_t {
  flvColNone,
  flvColName,
  flvColExt,
  flvColType,
  flvColSize,
  flvColDate,
  flvColPath,
  flvColFolder,
  flvColNumbering,
  flvColFileCountDirect,
  flvColFolderCountDirect,
  flvColFileCountAll,
  flvColFolderCountAll,
  flvColFolderSizeDirect,
  flvColPathLength,
  flvColFolderLevel,
  flvColFolderDeepness,
  flvColVolumeName,
  flvColDateModified,
  flvColDateAccessed,
  flvColDateCreated,
  flvColDateAttrChanged,
  flvColTextEncoding,
  flvColTextBOM,
  flvColTextEncodingWithBOM,
  flvColTextLineBreakType,
  flvColTextLineCount,
  flvColTextCharCount,
  flvColTextWordCount,
  flvColTextFirstChars,
  flvColImageWidth,
  flvColImageHeight,
  flvColImageAspectRatio,
  flvColImageColorDepth,
  flvColImageColorSpace,
  flvColImageResHoriz,
  flvColImageResVert,
  flvColImageImgCount,
  flvColAudioArtist,
  flvColAudioTitle,
  flvColAudioAlbum,
  flvColAudioTrack,
  flvColAudioDiscNumber,
  flvColAudioDuration,
  flvColAudioYear,
  flvColAudioGenre,
  flvColAudioComment,
  flvColAudioSampleRate,
  flvColAudioBitRate,
  flvColAudioChannels,
  flvColVideoWidth,
  flvColVideoHeight,
  flvColVideoAspectRatio,
  flvColVideoDuration,
  flvColVideoFPS,
  flvColVideoBitrate,
  flvColDocumentAuthor,
  flvColDocumentTitle,
  flvColDocumentPageCount,
  flvColAttributeHidden,
  flvColAttributeReadOnly,
  flvColAttributeLink,
  flvColAttributeHiddenExt,
  flvColCheckSumMD5,
  flvColCheckSumCRC32,
  flvColCheckSumCRC32B,
  flvColCheckSumSHA1,
  flvColCheckSumSHA2_224,
  flvColCheckSumSHA2_256,
  flvColCheckSumSHA2_384,
  flvColCheckSumSHA2_512,
  flvColCombinedWidth,
  flvColCombinedHeight,
  flvColCombinedAspectRatio,
  flvColCombinedDuration,
  flvColStatus,
  flvColCustomStr,
  flvColCustomInt,
  flvColCustomDynamicContent,
  flvColMax,
};
using TFileListViewColumnTypeArr = std::vector<TFileListViewColumnType>;

enum TFileListViewFormatType : int32_t {
  flvFormatDefault,
  flvFormatShowOption,
  flvFormatSecToHMS,
  flvFormatSecToMSorHMS,
  flvFormatBytesToBestUnit,
  flvFormatFileDate,
  flvFormatLeadingZeros2,
  flvFormatLeadingZeros3,
  flvFormatLeadingZeros4,
  flvFormatPercentFromInt,
};

enum TFileListViewEditType : int32_t { flvEditNone, flvEditText, flvEditDropDown, flvEditDropDownList };

// The nine kinds of information an entry may point to, in the order of the
// entry's index fields.
enum class TFileListViewInfoKind : int32_t { Folder, Volume, Text, Audio, Video, Image, Document, Attribute, CheckSum };
inline constexpr int32_t kFileListViewInfoKindCount = 9;

// An information index: a record's position, or one of these.
inline constexpr int32_t kInfoNone = -1;          // the kind does not apply, or its switch was off
inline constexpr int32_t kInfoNotRequested = -2;  // the kind applies; its switch was off

// The status codes of an entry (indexes of StatusTexts).
inline constexpr int32_t kFileStatusNew = 0;
inline constexpr int32_t kFileStatusCount = 11;

struct TFileListViewItem {
  int32_t ID = 0;
  std::string Name;
  std::string FileName;
  std::string Ext;
  std::string BaseDir;
  std::string SortKeyStr;
  int32_t PathLength = 0;
  int32_t FolderLevel = 0;
  int64_t Size = 0;
  int64_t SortKeyInt = 0;
  TDateTime Date = 0;
  double SortKeyFloat = 0;
  int32_t IconIndex = -1;
  TStrArray CustomStrValues;
  TInt64Array CustomIntValues;
  int32_t FolderInfoIndex = kInfoNone;
  int32_t VolumeInfoIndex = kInfoNone;
  int32_t TextInfoIndex = kInfoNone;
  int32_t AudioInfoIndex = kInfoNone;
  int32_t VideoInfoIndex = kInfoNone;
  int32_t ImageInfoIndex = kInfoNone;
  int32_t DocumentInfoIndex = kInfoNone;
  int32_t AttributeInfoIndex = kInfoNone;
  int32_t CheckSumInfoIndex = kInfoNone;
  int32_t FileType = 0;
  bool Hidden = false;
  int32_t Status = kFileStatusNew;
  bool IsFolder = false;
  int32_t OriginalIndex = 0;
  bool Checked = false;
  bool operator==(const TFileListViewItem&) const = default;
};

struct TFileListViewFolderInfo {
  int32_t FileCountAll = 0;
  int32_t FileCountDirect = 0;
  int32_t FolderCountAll = 0;
  int32_t FolderCountDirect = 0;
  int32_t Deepness = 0;
  int64_t SizeDirect = 0;
  bool operator==(const TFileListViewFolderInfo&) const = default;
};

struct TFileListViewVolumeInfo {
  bool Read = false;
  std::string FileName;
  std::string VolumeName;
  bool operator==(const TFileListViewVolumeInfo&) const = default;
};

struct TFileListViewTextInfo {
  bool Read = false;
  uint32_t Encoding = 0;
  uint32_t LineBreak = 0;
  int32_t Lines = 0;
  int32_t Chars = 0;
  int32_t Words = 0;
  bool BOM = false;
  std::string FirstChars;
  std::string FileName;
  bool operator==(const TFileListViewTextInfo&) const = default;
};

struct TFileListViewAudioInfo {
  bool Read = false;
  std::string Artist;
  std::string Title;
  std::string Album;
  std::string Track;
  std::string DiscNumber;
  std::string Year;
  std::string Genre;
  std::string Comment;
  TAudioInfoChannels Channels = aicUnknown;
  int32_t SampleRate = 0;
  int32_t BitRate = 0;
  double Duration = 0;
  std::string FileName;
  bool operator==(const TFileListViewAudioInfo&) const = default;
};

struct TFileListViewImageInfo {
  bool Read = false;
  int32_t Width = 0;
  int32_t Height = 0;
  double AspectRatio = 0;
  int32_t ColorDepth = 0;
  std::string ColorSpace;
  int32_t ImageCount = 0;
  int32_t ResolutionHoriz = 0;
  int32_t ResolutionVert = 0;
  int32_t ResolutionUnit = resolutionUnitUnknown;
  std::string FileName;
  bool operator==(const TFileListViewImageInfo&) const = default;
};

struct TFileListViewVideoInfo {
  bool Read = false;
  int32_t Width = 0;
  int32_t Height = 0;
  double Duration = 0;
  double AspectRatio = 0;
  double FPS = 0;
  int32_t Bitrate = 0;
  std::string FileName;
  bool operator==(const TFileListViewVideoInfo&) const = default;
};

struct TFileListViewDocumentInfo {
  bool Read = false;
  int32_t PageCount = 0;
  std::string Author;
  std::string Title;
  std::string FileName;
  bool operator==(const TFileListViewDocumentInfo&) const = default;
};

struct TFileListViewAttributeInfo {
  bool Read = false;
  std::string Link;
  bool Hidden = false;
  bool ReadOnly = false;
  bool HiddenExt = false;
  TDateTime DateCreated = 0;
  TDateTime DateAccessed = 0;
  TDateTime DateAttrChanged = 0;
  TDateTime DateModified = 0;
  std::string FileName;
  int32_t InfoIndex = 0;
  bool operator==(const TFileListViewAttributeInfo&) const = default;
};
using TFileListViewAttributeInfoArray = std::vector<TFileListViewAttributeInfo>;

// The digests in the order MD5, CRC32, CRC32B, SHA1, SHA2-224, SHA2-256,
// SHA2-384, SHA2-512.
using TFileListViewCheckSumInfo = std::array<std::string, 8>;

// One job of a reader: a file and the position of its record in the kind's
// information array.
struct TFileListViewThreadFileRec {
  std::string FileName;
  int32_t Index = 0;
};
using TFileListViewThreadFileList = std::vector<TFileListViewThreadFileRec>;
int32_t AddFileToFileListViewThreadList(TFileListViewThreadFileList& list, const std::string& fileName, int32_t index);

struct TFileListViewColumnInfo {
  int32_t Tag = 0;
  TFileListViewColumnType ColumnType = flvColNone;
  std::string Caption;
  int32_t CustomIndex = 0;
  int32_t WidthInitial = 0;
  int32_t WidthCurrent = 0;
  bool VisibleInitial = false;
  bool VisibleCurrent = false;
  int32_t OrderInitial = 0;
  int32_t OrderCurrent = 0;
  TAlignment Alignment = taLeftJustify;
  TFileListViewFormatType FormatType = flvFormatDefault;
  TFileListViewEditType EditType = flvEditNone;
  TStrArray DropDownValues;
  bool Customizable = false;
};
using TFileListViewColumnInfos = std::vector<TFileListViewColumnInfo>;

struct TFileListViewColumnVisInfoRec {
  int32_t ColumnInfoIndex = 0;
  bool Visible = false;
  bool operator==(const TFileListViewColumnVisInfoRec&) const = default;
};
using TFileListViewColumnVisInfoArray = std::vector<TFileListViewColumnVisInfoRec>;

struct TFileListViewColumnTypeIndexRec {
  TFileListViewColumnType ColumnType = flvColNone;
  int32_t Index = 0;
  bool operator==(const TFileListViewColumnTypeIndexRec&) const = default;
};
using TFileListViewColumnTypeIndexRecArr = std::vector<TFileListViewColumnTypeIndexRec>;

// The list control's item of a row is the row's number here; -1 is none.
using TFileListViewListItem = int32_t;
inline constexpr TFileListViewListItem kNoFileListItem = -1;

struct TFileListViewCellInfo {
  int32_t ItemID = -1;
  int32_t ColumnTag = -1;
  int32_t Row = -1;
  int32_t Column = -1;
  int32_t ColumnInfoIndex = -1;
  TFileListViewListItem ListItem = kNoFileListItem;
  TFileListViewColumnType ColumnType = flvColNone;
  TFileListViewEditType EditType = flvEditNone;
  TFileListViewFormatType FormatType = flvFormatDefault;
  std::string Content;
  bool operator==(const TFileListViewCellInfo&) const = default;
};

struct TFileListViewReadingOutStatusInfoRec {
  std::string Caption;
  int32_t FileCurrent = 0;
  int32_t FileCount = 0;
};
using TFileListViewReadingOutStatusInfoArray = std::vector<TFileListViewReadingOutStatusInfoRec>;

// Match modes and kinds of a row filter record.
inline constexpr int32_t kFlvFilterEqual = 0;
inline constexpr int32_t kFlvFilterContains = 1;
inline constexpr int32_t kFlvFilterBeginsWith = 2;
inline constexpr int32_t kFlvFilterRegex = 3;
inline constexpr int32_t kFlvFilterKindText = 0;

struct TFileListViewFilterRec {
  TFileListViewColumnType Column = flvColNone;
  std::string Text;
  int32_t MatchMode = kFlvFilterEqual;
  bool IgnoreCase = false;
  int32_t Kind = kFlvFilterKindText;
};
using TFileListViewFilterArray = std::vector<TFileListViewFilterRec>;

// A popup entry of the host: its caption follows the language when TextSlot
// names a text of the store (above 0).
struct TFileListViewPopUpCustomItemRec {
  int32_t ID = 0;
  std::string Caption;
  int32_t TextSlot = 0;
  int32_t Position = 0;
  bool NeedsSelection = false;
  bool NeedsFiles = false;
};
using TFileListViewPopUpCustomItemArray = std::vector<TFileListViewPopUpCustomItemRec>;

struct TFileListViewStrRes {
  std::string StrOK = "OK";
  std::string StrCancel = "Cancel";
  std::string StrClose;
  std::string StrYes = "Yes";
  std::string StrNo = "No";
  std::string StrReset = "Reset";
  std::string StrResetToDefault = "Reset to Default";
  std::string StrActivateAll;
  std::string StrDeactivateAll;
  std::string StrFile;
  std::string StrFiles;
  std::string StrFileList;
  std::string StrFileLists;
  std::string StrFileType = "File Type";
  std::string StrFileTypes;
  std::string StrFileFormats;
  std::string StrText;
  std::string StrLine;
  std::string StrLines;
  std::string StrCharacter = "Character";
  std::string StrCharacters = "Characters";
  std::string StrWord = "Word";
  std::string StrWords = "Words";
  std::string StrSearchSubfolders = "Search Subfolders";
  std::string StrSearchFolder = "Search Folder";
  std::string StrAddFilesFromFolder = "Add Files from Folder";
  std::string StrAddFiles = "Add Files";
  std::string StrError = "Error";
  std::string StrDirectoryNotFound = "Directory not found.";
  std::string StrFileCouldNotBeCreated = "This file could not be created:";
  std::string StrCurrentFile = "Current File";
  std::string StrCurrentFolder = "Current Folder";
  std::string StrSearchedFiles = "Searched Files";
  std::string StrSearchedFolders = "Searched Folders";
  std::string StrTargetFile = "Target File";
  std::string StrFound = "Found";
  std::string StrLastFound = "Last Found";
  std::string StrNumber;
  std::string StrTotal;
  std::string StrPercentage;
  std::string StrNote = "Note";
  std::string StrFilesNotMatchingFilter;
  std::string StrRemoveThoseFiles;
  std::string StrOpen = "Open";
  std::string StrOpenContainingFolder = "Open containing Folder";
  std::string StrImportFileList = "Import File List";
  std::string StrExportFileList = "Export File List";
  std::string StrRemoveAll = "Remove all";
  std::string StrRemoveSelected = "Remove selected";
  std::string StrRemoveNotSelected = "Remove not selected";
  std::string StrRemoveNonexistentFiles = "Remove nonexistent Files";
  std::string StrRemoveBinaryFiles = "Remove Binary Files";
  std::string StrRemoveFilesWithStatus = "Remove Files with Status";
  std::string StrRemoveFilesWithNotStatus = "Remove Files with not Status";
  std::string StrCopyFilesToClipboard = "Copy Files to Clipboard";
  std::string StrCopyFilePathsToClipboard = "Copy File Paths to Clipboard";
  std::string StrCopyAs;
  std::string StrFilter;
  std::string StrName;
  std::string StrFileExtension;
  std::string StrFormat;
  std::string StrOptions;
  std::string StrFileProperties = "File Properties";
  std::string StrListProperties = "List Properties";
  std::string StrInterpretAsRegex;
  std::string StrFilterHint;
  std::string StrIncludeHidden;
  std::string StrApplyFilterOnlyWhenSearchingFolders;
  std::string StrApplyFilterForSingleFiles;
  std::string StrAddFilesDialogTitle = "Add Files";
  std::string StrFolderDialogTitle;
  std::string StrMatchCase;
  std::string StrAllowedFormats = "Allowed Formats";
  std::string StrOnlyTextFiles;
  std::string StrUpdateAfterFilterChange = "Update File List after Filter Change";
  std::string StrAlways = "Always";
  std::string StrAsk = "Ask";
  std::string StrNever = "Never";
  std::string StrSettings = "Settings";
  std::string StrUpdate = "Update";
  std::string StrApplication = "Application";
  std::string StrNotAllFilesAdded = "It was not possible to add all Files to the List.";
  std::string StrFileIs = "File is";
  std::string StrFilesAre = "Files are";
  std::string StrAlreadyInList = "already in the List.";
  std::string StrFileHas = "File has";
  std::string StrFilesHave = "Files have";
  std::string StrFormatNotAllowed = "a Format that is not allowed.";
  std::string StrColors = "Colors";
  std::string StrColumn;
  std::string StrColumns = "Columns";
  std::string StrCategory;
  std::string StrDocuments;
  std::string StrImages;
  std::string StrCheckSums;
  std::string StrDataMedium = "Data Medium";
  std::string StrTextFile;
  std::string StrTextFiles;
  std::string StrVideos;
  std::string StrAudioFiles;
  std::string StrAllFiles;
  std::string StrAttributes;
  // Indexed by file type 0..13.
  TStrArray StrFileTypeNames;
  TStrArray StrFileTypeNamesPlural;
};

struct TFileListViewExportColumnFormatInfo {
  std::string Caption;
};

// How cells show their values. The view sets these defaults and nothing else
// in it changes them; hosts may.
struct TFileListViewExportFormatInfo {
  int32_t FolderNameLevel = -1;
  bool EncodingShowBOM = false;
  int32_t FirstCharsCount = 60;
  TRatioType ImageAspectRatioType = ratioTypeAuto;
  // 0 bits, 1 number of colours, 2 name.
  int32_t ColorDepthFormat = 0;
  bool ColorDepthIncludeUnit = false;
  // 0 as stored, 1 dpi, 2 dpc, 3 print size in inches, 4 in centimetres.
  int32_t ResolutionHorizFormat = 0;
  int32_t ResolutionVertFormat = 0;
  bool ResolutionHorizIncludeUnit = false;
  bool ResolutionVertIncludeUnit = false;
  bool SampleRateIncludeUnit = true;
  bool AudioBitRateIncludeUnit = true;
  bool TrackNumberOnly = false;
  std::string AudioDurationFormat = "H:Mm:ss";
  TRatioType VideoAspectRatioType = ratioTypeAuto;
  std::string VideoDurationFormat = "H:Mm:ss";
  bool VideoBitRateIncludeUnit = false;
  TRatioType CombinedAspectRatioType = ratioTypeAuto;
  std::string CombinedDurationFormat = "H:Mm:ss";
  // One per column type from flvColName to flvColMax (index = type - 1).
  std::vector<TFileListViewExportColumnFormatInfo> ColumnCaptions =
      std::vector<TFileListViewExportColumnFormatInfo>(flvColMax);
};

// The system's way of writing numbers and dates, which the "locale's default"
// texts follow; the window fills it from the system locale.
struct TFileListViewLocale {
  NumberFormat Number;
  // Patterns in the system locale's syntax (FormatDateTimePattern).
  std::string ShortDateFormat = "yyyy-MM-dd";
  std::string LongTimeFormat = "HH:mm:ss";
};
