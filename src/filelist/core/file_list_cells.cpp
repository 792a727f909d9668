// What the rows show: the text of every column type, the row's icon and
// check mark, and the plain cell text that editing works with.
#include <cmath>

#include "filelist/core/file_list_view_store.h"
#include "foundation/code_pages.h"
#include "foundation/file_types.h"
#include "foundation/line_breaks.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {

using InfoKind = TFileListViewInfoKind;

// A blank marks a cell whose information is missing.
const std::string kMissing = " ";

const char* LineBreakName(uint32_t kind) {
  switch (kind) {
    case lbkAutoDetect: return "AUTO";
    case lbkKeep: return "KEEP";
    case lbkSystem: return "SYSTEM";
    case lbkBinary: return "BINARY";
    case lbkNoChar: return "NOCHAR";
    case lbkTab: return "TAB";
    case lbkLF: return "LF";
    case lbkVT: return "VT";
    case lbkFF: return "FF";
    case lbkCR: return "CR";
    case lbkNL: return "NL";
    case lbkNEL: return "NEL";
    case lbkCRLF: return "CRLF";
    case lbkLS: return "LS";
    case lbkPS: return "PS";
    default: return "UNKNOWN";
  }
}

// A number with at most two decimals, trailing zeros dropped ("#.##").
std::string UpToTwoDecimals(double value, const NumberFormat& fmt) {
  std::string text = FormatFloatFixed(value, 2, fmt);
  const size_t separator = text.rfind(fmt.DecimalSeparator);
  if (separator == std::string::npos || fmt.DecimalSeparator.empty()) return text;
  while (text.size() > separator + fmt.DecimalSeparator.size() && text.back() == '0') text.pop_back();
  if (text.size() == separator + fmt.DecimalSeparator.size()) text.erase(separator);
  return text;
}

}  // namespace

std::string TFileListViewStore::FileSizeText(int64_t size) const {
  return FileSizeToStr(size, FileSizeType, FileSizeDecimalPlaces, FileSizeIncludeUnit, true, Locale.Number);
}

std::string TFileListViewStore::EncodingName(uint32_t encoding) const {
  if (ShowEncodingAlternatives && encoding == 0) return "US-ASCII/UTF-8";
  return CodePageToISOStr(static_cast<int32_t>(encoding), true, true);
}

std::string TFileListViewStore::ColorDepthText(int32_t depth) const {
  switch (ExportFormat.ColorDepthFormat) {
    case 0: return IntToStr(depth) + (ExportFormat.ColorDepthIncludeUnit ? " bit" : "");
    case 1: {
      // Depths beyond what 64 bits count show as they are.
      const std::string colours = depth >= 0 && depth <= 62 ? IntToStr(int64_t{1} << depth) : IntToStr(depth);
      return ExportFormat.ColorDepthIncludeUnit ? colours + " " + StrRes.StrColors : colours;
    }
    case 2:
      switch (depth) {
        case 1: return "Monochrom";
        case 15:
        case 16: return "High Color";
        case 24: return "True Color";
        case 30:
        case 32:
        case 36:
        case 42:
        case 48: return "Deep Color";
        default: return IntToStr(depth) + " bit";
      }
    default: return std::string();
  }
}

std::string TFileListViewStore::ResolutionText(int32_t resolution, int32_t pixels, int32_t unit, int32_t format,
                                               bool withUnit) const {
  if (resolution == 0) return kMissing;
  const double r = resolution;
  switch (format) {
    case 0: {
      if (!withUnit) return IntToStr(resolution);
      if (unit == resolutionUnitUnknown) return IntToStr(resolution);
      if (unit == resolutionUnitInch) return IntToStr(resolution) + " dpi";
      if (unit == resolutionUnitCentimeter) return IntToStr(resolution) + " dpc";
      return std::string();
    }
    case 1: {
      const double dpi = unit == resolutionUnitCentimeter ? std::nearbyint(r * 2.54) : r;
      return IntToStr(static_cast<int64_t>(dpi)) + (withUnit ? " dpi" : "");
    }
    case 2: {
      const double dpc = unit == resolutionUnitInch ? std::nearbyint(r / 2.54) : r;
      return IntToStr(static_cast<int64_t>(dpc)) + (withUnit ? " dpc" : "");
    }
    case 3: {
      if (pixels <= 0 || resolution <= 0) return "0";
      double inches = pixels / r;
      if (unit == resolutionUnitCentimeter) inches /= 2.54;
      return FormatFloatFixed(inches, 2, Locale.Number) + (withUnit ? " in" : "");
    }
    case 4: {
      if (pixels <= 0 || resolution <= 0) return "0";
      double centimetres = pixels / r;
      if (unit == resolutionUnitInch) centimetres *= 2.54;
      return FormatFloatFixed(centimetres, 2, Locale.Number) + (withUnit ? " cm" : "");
    }
    default: return std::string();
  }
}

std::string TFileListViewStore::CustomIntText(int64_t value, const TFileListViewColumnInfo& d) const {
  switch (d.FormatType) {
    case flvFormatDefault: return IntToStr(value);
    case flvFormatShowOption:
      return value >= 0 && static_cast<uint64_t>(value) < d.DropDownValues.size()
                 ? d.DropDownValues[static_cast<size_t>(value)]
                 : IntToStr(value);
    case flvFormatSecToHMS: return SecondsToHHxMMxSSTime(value, ":");
    case flvFormatSecToMSorHMS: return SecondsToMMxSSorHHxMMxSSTime(value, ":");
    case flvFormatBytesToBestUnit: return FileSizeText(value);
    case flvFormatFileDate: {
      TDateTime date = 0;
      if (!UnixTimeToLocalDateTime(value, date)) return IntToStr(value);
      return FormatDateAndTime(date, Locale.ShortDateFormat, Locale.LongTimeFormat);
    }
    case flvFormatLeadingZeros2: return RightPadding(IntToStr(value), '0', 2);
    case flvFormatLeadingZeros3: return RightPadding(IntToStr(value), '0', 3);
    case flvFormatLeadingZeros4: return RightPadding(IntToStr(value), '0', 4);
    case flvFormatPercentFromInt: return IntToStr(value) + " %";
  }
  return IntToStr(value);
}

std::string TFileListViewStore::DynamicContent(size_t index, int32_t fetchID) {
  if (!OnFetchDynamicColumnContent) return "?";
  std::string content;
  int32_t id = FItems.ID(index);
  const std::string fileName(FItems.FileName(index));
  OnFetchDynamicColumnContent(FSender, static_cast<int32_t>(index), fetchID, fileName, id, content);
  // The handler may have changed the list.
  if (index < FItems.size()) FItems.SetID(index, id);
  return content;
}

std::string TFileListViewStore::CellText(size_t i, const TFileListViewColumnInfo& d) {
  const TFileListViewItemStore& items = FItems;
  // The record of a kind, or null when the entry has none.
  auto record = [&](auto& array, InfoKind kind) -> decltype(&array[0]) {
    const int32_t k = items.InfoIndex(i, kind);
    return k >= 0 && static_cast<size_t>(k) < array.size() ? &array[static_cast<size_t>(k)] : nullptr;
  };
  auto yesNo = [this](bool value) { return value ? StrRes.StrYes : StrRes.StrNo; };
  auto ratio = [this](int32_t w, int32_t h, TRatioType type) {
    return RatioString(w, h, type, false, ":", Locale.Number);
  };
  switch (d.ColumnType) {
    case flvColName: return std::string(items.Name(i));
    case flvColExt: return std::string(items.Ext(i));
    case flvColType: return GetFileTypeStr(items.FileType(i), false);
    case flvColSize: return FileSizeText(items.Size(i));
    case flvColDate: return FormatDateTimeWith(DateFormat, items.Date(i));
    case flvColPath: return std::string(items.FileName(i));
    case flvColFolder: return ExtractFolderNameOfLevel(std::string(items.FileName(i)), ExportFormat.FolderNameLevel);
    case flvColNumbering: return IntToStr(static_cast<int64_t>(i) + 1);
    case flvColPathLength: return IntToStr(items.PathLength(i));
    case flvColFolderLevel: return IntToStr(items.FolderLevel(i));
    case flvColStatus: return GetFileStatusAsString(items.Status(i));

    case flvColFileCountDirect:
    case flvColFolderCountDirect:
    case flvColFileCountAll:
    case flvColFolderCountAll:
    case flvColFolderSizeDirect:
    case flvColFolderDeepness: {
      const TFileListViewFolderInfo* f = record(FolderInfos, InfoKind::Folder);
      if (!f) return kMissing;
      switch (d.ColumnType) {
        case flvColFileCountDirect: return IntToStr(f->FileCountDirect);
        case flvColFolderCountDirect: return IntToStr(f->FolderCountDirect);
        case flvColFileCountAll: return IntToStr(f->FileCountAll);
        case flvColFolderCountAll: return IntToStr(f->FolderCountAll);
        case flvColFolderSizeDirect: return FileSizeText(f->SizeDirect);
        default: return IntToStr(f->Deepness);
      }
    }

    case flvColVolumeName: {
      const TPackedVolumeInfo* v = record(VolumeInfos, InfoKind::Volume);
      return v ? std::string(VolumeInfos.Text(v->VolumeName)) : kMissing;
    }

    case flvColDateModified:
    case flvColDateAccessed:
    case flvColDateCreated:
    case flvColDateAttrChanged:
    case flvColAttributeHidden:
    case flvColAttributeReadOnly:
    case flvColAttributeHiddenExt:
    case flvColAttributeLink: {
      const TPackedAttributeInfo* a = record(AttributeInfos, InfoKind::Attribute);
      if (d.ColumnType == flvColAttributeHidden) return yesNo(a ? a->Hidden : items.Hidden(i));
      if (!a) return kMissing;
      switch (d.ColumnType) {
        case flvColDateModified: return FormatDateTimeWith(DateFormat, a->DateModified);
        case flvColDateAccessed: return FormatDateTimeWith(DateFormat, a->DateAccessed);
        case flvColDateCreated: return FormatDateTimeWith(DateFormat, a->DateCreated);
        case flvColDateAttrChanged: return FormatDateTimeWith(DateFormat, a->DateAttrChanged);
        case flvColAttributeReadOnly: return yesNo(a->ReadOnly);
        case flvColAttributeHiddenExt: return yesNo(a->HiddenExt);
        default: return std::string(AttributeInfos.Text(a->Link));
      }
    }

    case flvColTextEncoding:
    case flvColTextEncodingWithBOM:
    case flvColTextBOM:
    case flvColTextLineBreakType:
    case flvColTextLineCount:
    case flvColTextCharCount:
    case flvColTextWordCount:
    case flvColTextFirstChars: {
      const TPackedTextInfo* t = record(TextInfos, InfoKind::Text);
      switch (d.ColumnType) {
        case flvColTextEncoding:
          if (!t) return "BINARY";
          return EncodingName(t->Encoding) + (ExportFormat.EncodingShowBOM && t->BOM ? " BOM" : "");
        case flvColTextEncodingWithBOM:
          if (!t) return "BINARY";
          return EncodingName(t->Encoding) + (t->BOM ? " BOM" : "");
        case flvColTextBOM: return t ? yesNo(t->BOM) : "0";
        case flvColTextLineBreakType: return t ? LineBreakName(t->LineBreak) : "UNKNOWN";
        case flvColTextLineCount: return t ? IntToStr(t->Lines) : "0";
        case flvColTextCharCount: return t ? IntToStr(t->Chars) : "0";
        case flvColTextWordCount: return t ? IntToStr(t->Words) : "0";
        default: {
          if (!t) return kMissing;
          return ShortenedFirstChars(TextInfos.Text(t->FirstChars));
        }
      }
    }

    case flvColImageWidth:
    case flvColImageHeight:
    case flvColImageAspectRatio:
    case flvColImageColorDepth:
    case flvColImageColorSpace:
    case flvColImageResHoriz:
    case flvColImageResVert:
    case flvColImageImgCount: {
      const TPackedImageInfo* m = record(ImageInfos, InfoKind::Image);
      if (!m) return kMissing;
      switch (d.ColumnType) {
        case flvColImageWidth: return IntToStr(m->Width);
        case flvColImageHeight: return IntToStr(m->Height);
        case flvColImageAspectRatio: return ratio(m->Width, m->Height, ExportFormat.ImageAspectRatioType);
        case flvColImageColorDepth: return ColorDepthText(m->ColorDepth);
        case flvColImageColorSpace: return std::string(ImageInfos.Text(m->ColorSpace));
        case flvColImageResHoriz:
          return ResolutionText(m->ResolutionHoriz, m->Width, m->ResolutionUnit, ExportFormat.ResolutionHorizFormat,
                                ExportFormat.ResolutionHorizIncludeUnit);
        case flvColImageResVert:
          return ResolutionText(m->ResolutionVert, m->Height, m->ResolutionUnit, ExportFormat.ResolutionVertFormat,
                                ExportFormat.ResolutionVertIncludeUnit);
        default: return IntToStr(m->ImageCount);
      }
    }

    case flvColAudioArtist:
    case flvColAudioTitle:
    case flvColAudioAlbum:
    case flvColAudioTrack:
    case flvColAudioDiscNumber:
    case flvColAudioDuration:
    case flvColAudioYear:
    case flvColAudioGenre:
    case flvColAudioComment:
    case flvColAudioSampleRate:
    case flvColAudioBitRate:
    case flvColAudioChannels: {
      const TPackedAudioInfo* a = record(AudioInfos, InfoKind::Audio);
      if (!a) return kMissing;
      auto text = [&](TAudioText k) { return std::string(AudioInfos.Part(a->Texts, kAudioTextCount, k)); };
      switch (d.ColumnType) {
        case flvColAudioArtist: return text(atArtist);
        case flvColAudioTitle: return text(atTitle);
        case flvColAudioAlbum: return text(atAlbum);
        case flvColAudioTrack:
          return TrackToStr(AudioInfos.Part(a->Texts, kAudioTextCount, atTrack), ExportFormat.TrackNumberOnly);
        case flvColAudioDiscNumber: return text(atDiscNumber);
        case flvColAudioDuration: return SecondsToTime(a->Duration, ExportFormat.AudioDurationFormat);
        case flvColAudioYear: return text(atYear);
        case flvColAudioGenre: return text(atGenre);
        case flvColAudioComment: return text(atComment);
        case flvColAudioSampleRate: return SampleRateToStr(a->SampleRate, ExportFormat.SampleRateIncludeUnit);
        case flvColAudioBitRate: return BitrateToStr(a->BitRate, ExportFormat.AudioBitRateIncludeUnit);
        default: return ChannelsToStr(a->Channels);
      }
    }

    case flvColVideoWidth:
    case flvColVideoHeight:
    case flvColVideoAspectRatio:
    case flvColVideoDuration:
    case flvColVideoFPS:
    case flvColVideoBitrate: {
      const TPackedVideoInfo* v = record(VideoInfos, InfoKind::Video);
      if (!v) return kMissing;
      switch (d.ColumnType) {
        case flvColVideoWidth: return IntToStr(v->Width);
        case flvColVideoHeight: return IntToStr(v->Height);
        case flvColVideoAspectRatio: return ratio(v->Width, v->Height, ExportFormat.VideoAspectRatioType);
        case flvColVideoDuration: return SecondsToTime(v->Duration, ExportFormat.VideoDurationFormat);
        case flvColVideoFPS: return UpToTwoDecimals(v->FPS, Locale.Number);
        default: return BitrateToStr(v->Bitrate, ExportFormat.VideoBitRateIncludeUnit);
      }
    }

    case flvColDocumentAuthor:
    case flvColDocumentTitle:
    case flvColDocumentPageCount: {
      const TPackedDocumentInfo* doc = record(DocumentInfos, InfoKind::Document);
      if (!doc) return kMissing;
      if (d.ColumnType == flvColDocumentAuthor)
        return std::string(DocumentInfos.Part(doc->Texts, kDocumentTextCount, dtAuthor));
      if (d.ColumnType == flvColDocumentTitle)
        return std::string(DocumentInfos.Part(doc->Texts, kDocumentTextCount, dtTitle));
      return IntToStr(doc->PageCount);
    }

    case flvColCheckSumMD5:
    case flvColCheckSumCRC32:
    case flvColCheckSumCRC32B:
    case flvColCheckSumSHA1:
    case flvColCheckSumSHA2_224:
    case flvColCheckSumSHA2_256:
    case flvColCheckSumSHA2_384:
    case flvColCheckSumSHA2_512: {
      const TPackedCheckSumInfo* c = record(CheckSumInfos, InfoKind::CheckSum);
      if (!c) return kMissing;
      return std::string(CheckSumInfos.Part(c->Digests, kCheckSumCount, d.ColumnType - flvColCheckSumMD5));
    }

    case flvColCombinedWidth:
    case flvColCombinedHeight:
    case flvColCombinedAspectRatio: {
      const bool width = d.ColumnType == flvColCombinedWidth;
      const bool height = d.ColumnType == flvColCombinedHeight;
      if (const TPackedImageInfo* m = record(ImageInfos, InfoKind::Image)) {
        if (width) return IntToStr(m->Width);
        if (height) return IntToStr(m->Height);
        return ratio(m->Width, m->Height, ExportFormat.CombinedAspectRatioType);
      }
      if (const TPackedVideoInfo* v = record(VideoInfos, InfoKind::Video)) {
        if (width) return IntToStr(v->Width);
        if (height) return IntToStr(v->Height);
        return ratio(v->Width, v->Height, ExportFormat.CombinedAspectRatioType);
      }
      return kMissing;
    }
    case flvColCombinedDuration: {
      if (const TPackedAudioInfo* a = record(AudioInfos, InfoKind::Audio)) {
        return SecondsToTime(a->Duration, ExportFormat.CombinedDurationFormat);
      }
      if (const TPackedVideoInfo* v = record(VideoInfos, InfoKind::Video)) {
        return SecondsToTime(v->Duration, ExportFormat.CombinedDurationFormat);
      }
      return kMissing;
    }

    // An entry whose custom cells were never filled shows an empty cell.
    case flvColCustomStr:
      return d.CustomIndex >= 0 ? std::string(items.CustomStr(i, static_cast<size_t>(d.CustomIndex))) : "";
    case flvColCustomInt:
      if (d.CustomIndex < 0 || static_cast<size_t>(d.CustomIndex) >= items.CustomIntCount(i)) return std::string();
      return CustomIntText(items.CustomInt(i, static_cast<size_t>(d.CustomIndex)), d);
    case flvColCustomDynamicContent: return DynamicContent(i, d.CustomIndex);

    case flvColNone:
    case flvColMax: return std::string();
  }
  return std::string();
}

std::string TFileListViewStore::ShortenedFirstChars(std::string_view text) const {
  const std::string collapsed = Trim(RemoveAllWhitespaceButKeepWordSeparations(text));
  const size_t count = static_cast<size_t>(std::max(ExportFormat.FirstCharsCount, 0));
  return Trim(std::string_view(collapsed).substr(0, UTF8CharToByteIndex(collapsed, count)));
}

std::string TFileListViewStore::GetCellDisplayText(int32_t index, int32_t position) {
  if (index < 0 || index >= GetFileCount()) return std::string();
  if (position < 0 || static_cast<size_t>(position) >= FColumnsVisible.size()) return std::string();
  const int32_t d = FColumnsVisible[static_cast<size_t>(position)];
  if (d < 0 || static_cast<size_t>(d) >= ColumnInfos.size()) return std::string();
  // The handler of a dynamic column may change the definitions: it works on a copy.
  const TFileListViewColumnInfo definition = ColumnInfos[static_cast<size_t>(d)];
  return CellText(static_cast<size_t>(index), definition);
}

bool TFileListViewStore::DataProc(TFileListViewListItem Item, TFileListViewRowData& Data) {
  const int32_t index = GetIndexOfListItem(Item);
  if (index < 0 || index >= GetFileCount() || FColumnsVisible.empty()) return false;
  const auto i = static_cast<size_t>(index);
  Data.ImageIndex = FItems.IconIndex(i);
  Data.Caption = GetCellDisplayText(index, 0);
  Data.SubItems.clear();
  for (size_t p = 1; p < FColumnsVisible.size(); ++p) {
    Data.SubItems.push_back(GetCellDisplayText(index, static_cast<int32_t>(p)));
  }
  Data.HasCheckState = FCheckboxes;
  if (index < GetFileCount()) Data.Checked = FCheckboxes && FItems.Checked(i);
  return true;
}

std::string TFileListViewStore::GetCellContentAsString(int32_t ARow, int32_t ACol) const {
  TFileListViewColumnType type;
  int32_t customIndex;
  if (!GetColumnTypeAndIndex(ACol, type, customIndex)) return std::string();
  return GetCellContentAsString(ARow, type, customIndex);
}

std::string TFileListViewStore::GetCellContentAsString(int32_t ARow, TFileListViewColumnType AColumnType,
                                                       int32_t AIndex) const {
  if (ARow < 0 || ARow >= GetFileCount()) return std::string();
  const auto i = static_cast<size_t>(ARow);
  const TFileListViewItemStore& items = FItems;
  const int32_t audio = items.InfoIndex(i, InfoKind::Audio);
  const TPackedAudioInfo* a =
      audio >= 0 && static_cast<size_t>(audio) < AudioInfos.size() ? &AudioInfos[static_cast<size_t>(audio)] : nullptr;
  auto audioText = [&](TAudioText k) {
    return a ? std::string(AudioInfos.Part(a->Texts, kAudioTextCount, k)) : std::string();
  };
  switch (AColumnType) {
    case flvColName: return std::string(items.Name(i));
    case flvColExt: return std::string(items.Ext(i));
    case flvColType: return GetFileTypeStr(items.FileType(i), false);
    case flvColSize: return items.IsFolder(i) ? kMissing : FileSizeText(items.Size(i));
    case flvColDate: return FormatDateAndTime(items.Date(i), Locale.ShortDateFormat, Locale.LongTimeFormat);
    case flvColPath: return std::string(items.FileName(i));
    case flvColFolder: return ExtractFolderNameOfLevel(std::string(items.FileName(i)), ExportFormat.FolderNameLevel);
    case flvColNumbering: return IntToStr(ARow + 1);
    case flvColPathLength: return IntToStr(items.PathLength(i));
    case flvColFolderLevel: return IntToStr(items.FolderLevel(i));
    case flvColStatus: return GetFileStatusAsString(items.Status(i));
    case flvColVolumeName: {
      const int32_t v = items.InfoIndex(i, InfoKind::Volume);
      if (v < 0 || static_cast<size_t>(v) >= VolumeInfos.size()) return std::string();
      return std::string(VolumeInfos.Text(VolumeInfos[static_cast<size_t>(v)].VolumeName));
    }
    case flvColAudioArtist: return audioText(atArtist);
    case flvColAudioTitle: return audioText(atTitle);
    case flvColAudioAlbum: return audioText(atAlbum);
    case flvColAudioTrack: return audioText(atTrack);
    case flvColAudioDiscNumber: return audioText(atDiscNumber);
    case flvColAudioYear: return audioText(atYear);
    case flvColAudioGenre: return audioText(atGenre);
    case flvColAudioComment: return audioText(atComment);
    case flvColCustomStr: return AIndex >= 0 ? std::string(items.CustomStr(i, static_cast<size_t>(AIndex))) : "";
    case flvColCustomInt:
      if (AIndex < 0 || static_cast<size_t>(AIndex) >= items.CustomIntCount(i)) return std::string();
      return IntToStr(items.CustomInt(i, static_cast<size_t>(AIndex)));
    default: return "?";
  }
}
