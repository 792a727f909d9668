#include "filelist/core/file_list_language.h"

#include "filelist/core/file_types_spr.h"
#include "foundation/file_types.h"
#include "foundation/str_transform.h"
#include "text/text_store.h"

namespace {

// A column's caption: one slot, or two joined by a blank.
struct TCaptionSlots {
  TFileListViewColumnType ColumnType;
  StrResGlobal Slot;
  StrResGlobal SecondSlot;
};

// clang-format off
constexpr TCaptionSlots kColumnCaptions[] = {
    {flvColName, 241, 0}, {flvColExt, 304, 0}, {flvColType, 242, 0}, {flvColSize, 246, 0}, {flvColDate, 115, 0},
    {flvColPath, 249, 0}, {flvColFolder, 255, 0}, {flvColNumbering, 677, 0}, {flvColFileCountDirect, 10, 383},
    {flvColFolderCountDirect, 257, 383}, {flvColFileCountAll, 310, 0}, {flvColFolderCountAll, 311, 0},
    {flvColFolderSizeDirect, 312, 383}, {flvColPathLength, 313, 0}, {flvColFolderLevel, 314, 0},
    {flvColFolderDeepness, 315, 0}, {flvColVolumeName, 318, 0}, {flvColDateModified, 340, 0},
    {flvColDateAccessed, 341, 0}, {flvColDateCreated, 339, 0}, {flvColDateAttrChanged, 346, 0},
    {flvColTextEncoding, 305, 0}, {flvColTextEncodingWithBOM, 305, 0}, {flvColTextLineBreakType, 131, 0},
    {flvColTextLineCount, 135, 0}, {flvColTextCharCount, 407, 0}, {flvColTextWordCount, 412, 0},
    {flvColTextFirstChars, 410, 0}, {flvColImageWidth, 646, 0}, {flvColVideoWidth, 646, 0},
    {flvColCombinedWidth, 646, 0}, {flvColImageHeight, 647, 0}, {flvColVideoHeight, 647, 0},
    {flvColCombinedHeight, 647, 0}, {flvColImageAspectRatio, 648, 0}, {flvColVideoAspectRatio, 648, 0},
    {flvColCombinedAspectRatio, 648, 0}, {flvColImageColorDepth, 654, 0}, {flvColImageColorSpace, 655, 0},
    {flvColImageResHoriz, 657, 0}, {flvColImageResVert, 658, 0}, {flvColImageImgCount, 659, 0},
    {flvColAudioArtist, 732, 0}, {flvColAudioTitle, 733, 0}, {flvColDocumentTitle, 733, 0},
    {flvColAudioAlbum, 734, 0}, {flvColAudioTrack, 735, 0}, {flvColAudioDiscNumber, 736, 0},
    {flvColAudioDuration, 737, 0}, {flvColVideoDuration, 737, 0}, {flvColCombinedDuration, 737, 0},
    {flvColAudioYear, 491, 0}, {flvColAudioGenre, 738, 0}, {flvColAudioComment, 739, 0},
    {flvColAudioSampleRate, 740, 0}, {flvColAudioBitRate, 741, 0}, {flvColVideoBitrate, 741, 0},
    {flvColAudioChannels, 742, 0}, {flvColDocumentAuthor, 748, 0}, {flvColDocumentPageCount, 640, 0},
    {flvColAttributeHidden, 349, 0}, {flvColAttributeReadOnly, 348, 0}, {flvColAttributeLink, 583, 0},
    {flvColStatus, 247, 0},
};
// clang-format on

// The captions of the display options that are fixed texts in every language.
constexpr std::pair<TFileListViewColumnType, const char*> kFixedExportCaptions[] = {
    {flvColTextBOM, "BOM"},
    {flvColVideoFPS, "FPS"},
    {flvColCheckSumMD5, "MD5"},
    {flvColCheckSumCRC32, "CRC32"},
    {flvColCheckSumCRC32B, "CRC32B"},
    {flvColCheckSumSHA1, "SHA1"},
    {flvColCheckSumSHA2_224, "SHA224"},
    {flvColCheckSumSHA2_256, "SHA256"},
    {flvColCheckSumSHA2_384, "SHA384"},
    {flvColCheckSumSHA2_512, "SHA512"},
};

std::string Caption(const TCaptionSlots& c) {
  if (c.SecondSlot == 0) return SprText(c.Slot);
  return SprText(c.Slot) + " " + SprText(c.SecondSlot);
}

void SetTexts(TFileListViewStrRes& s) {
  s.StrOK = SprText(192);
  s.StrCancel = SprText(200);
  s.StrClose = SprText(227);
  s.StrYes = SprText(193);
  s.StrNo = SprText(194);
  s.StrReset = SprText(125);
  s.StrResetToDefault = SprText(126);
  s.StrActivateAll = SprText(51);
  s.StrDeactivateAll = SprText(52);
  s.StrFile = SprText(9);
  s.StrFiles = SprText(10);
  s.StrFileList = SprText(261);
  s.StrFileLists = SprText(262);
  s.StrFileType = SprText(243);
  s.StrFileTypes = SprText(244);
  s.StrFileFormats = SprText(303);
  s.StrText = SprText(576);
  s.StrLine = SprText(134);
  s.StrLines = SprText(135);
  s.StrCharacter = SprText(406);
  s.StrCharacters = SprText(407);
  s.StrWord = SprText(411);
  s.StrWords = SprText(412);
  s.StrSearchSubfolders = SprText(282);
  s.StrSearchFolder = SprText(525);
  s.StrAddFilesFromFolder = SprText(530);
  s.StrAddFiles = SprText(523);
  s.StrAddFilesDialogTitle = SprText(523);
  s.StrError = SprText(7);
  s.StrDirectoryNotFound = SprText(181);
  s.StrFileCouldNotBeCreated = SprText(170);
  s.StrCurrentFile = SprText(535);
  s.StrCurrentFolder = SprText(536);
  s.StrSearchedFiles = SprText(537);
  s.StrSearchedFolders = SprText(538);
  s.StrTargetFile = SprText(276);
  s.StrFound = SprText(539);
  s.StrLastFound = SprText(540);
  s.StrNumber = SprText(379);
  s.StrTotal = SprText(377);
  s.StrPercentage = SprText(386);
  s.StrNote = SprText(4);
  s.StrFilesNotMatchingFilter = SprText(360);
  s.StrRemoveThoseFiles = SprText(361);
  s.StrOpen = SprText(225);
  s.StrOpenContainingFolder = SprText(283);
  s.StrImportFileList = SprText(270);
  s.StrExportFileList = SprText(271);
  s.StrRemoveAll = SprText(54);
  s.StrRemoveSelected = SprText(62);
  s.StrRemoveNotSelected = SprText(63);
  s.StrRemoveNonexistentFiles = SprText(59);
  s.StrRemoveBinaryFiles = SprText(60);
  s.StrRemoveFilesWithStatus = SprText(56);
  s.StrRemoveFilesWithNotStatus = SprText(57);
  s.StrCopyFilesToClipboard = SprText(559);
  s.StrCopyFilePathsToClipboard = SprText(560);
  s.StrCopyAs = SprText(563);
  s.StrFilter = SprText(93);
  s.StrName = SprText(241);
  s.StrFileExtension = SprText(307);
  s.StrFormat = SprText(304);
  s.StrOptions = SprText(26);
  s.StrFileProperties = SprText(301);
  s.StrListProperties = SprText(336);
  s.StrInterpretAsRegex = SprText(111);
  s.StrFilterHint = SprText(95) + "\n" + SprText(97);
  s.StrIncludeHidden = SprText(357);
  s.StrApplyFilterOnlyWhenSearchingFolders = SprText(358);
  s.StrApplyFilterForSingleFiles = SprText(359);
  s.StrMatchCase = SprText(108);
  s.StrOnlyTextFiles = SprText(579);
  s.StrUpdateAfterFilterChange = SprText(98);
  s.StrAlways = SprText(197);
  s.StrAsk = SprText(199);
  s.StrNever = SprText(198);
  s.StrSettings = SprText(11);
  s.StrUpdate = SprText(34);
  s.StrApplication = SprText(71);
  s.StrColors = SprText(618);
  s.StrColumn = SprText(588);
  s.StrColumns = SprText(589);
  s.StrCategory = SprText(248);
  s.StrDocuments = SprText(591);
  s.StrImages = SprText(597);
  s.StrCheckSums = SprText(362);
  s.StrTextFile = SprText(577);
  s.StrTextFiles = SprText(578);
  s.StrVideos = SprText(746);
  s.StrAudioFiles = SprText(729);
  s.StrAllFiles = SprText(598);
  s.StrAttributes = SprText(345);
  s.StrFolderDialogTitle.clear();
}

}  // namespace

bool ApplyFileListViewLanguage(TFileListViewStore& view) {
  if (SprResGlobalArr.empty()) return false;
  view.SetColumnsRefreshLocked(true);
  for (const TCaptionSlots& c : kColumnCaptions) {
    const std::string caption = Caption(c);
    view.SetColumnCaption(c.ColumnType, caption);
    view.ExportFormat.ColumnCaptions[static_cast<size_t>(c.ColumnType - 1)].Caption = caption;
  }
  for (const auto& [type, caption] : kFixedExportCaptions) {
    view.ExportFormat.ColumnCaptions[static_cast<size_t>(type - 1)].Caption = caption;
  }

  TFileExtensionFilterObj& filter = *view.FileExtensionFilter;
  filter.StrAllFiles = SprText(598);
  filter.StrDocuments = SprText(591);
  filter.StrFiles = SprText(10);
  filter.StrFonts = SprText(602);
  filter.StrImages = SprText(597);
  filter.StrVideos = SprText(746);
  filter.StrAudioFiles = SprText(729);
  filter.StrTextFiles = SprText(578);
  filter.StrArchives = SprText(595);
  filter.StrOthers = SprText(673);

  SetTexts(view.StrRes);
  view.StrRes.StrFileTypeNames.clear();
  view.StrRes.StrFileTypeNamesPlural.clear();
  for (int32_t type = 0; type < kFileTypeCount; ++type) {
    view.StrRes.StrFileTypeNames.push_back(FileTypeToStringSingularSpr(type));
    view.StrRes.StrFileTypeNamesPlural.push_back(FileTypeToStringPluralSpr(type));
  }

  const std::string error = SprText(7);
  view.StatusTexts = {SprText(238),
                      SprText(340),
                      SprText(573),
                      SprText(544),
                      error,
                      error + " - " + StringReplaceFast(SprText(159), ".", ""),
                      error + " - " + SprText(152),
                      error + " - " + SprText(163),
                      error + " - " + SprText(154),
                      error + " - " + SprText(155),
                      error + " - " + SprText(156)};

  for (TFileListViewPopUpCustomItemRec& item : view.PopUpCustomItems) {
    if (item.TextSlot > 0 && item.TextSlot < static_cast<int32_t>(SprResGlobalArr.size())) {
      item.Caption = SprText(static_cast<StrResGlobal>(item.TextSlot));
    }
  }

  view.SetColumnsRefreshLocked(false);
  view.RefreshColumns(true, false, false);
  return true;
}
