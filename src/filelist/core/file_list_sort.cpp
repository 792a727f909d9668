// Sorting the entries by the key of one column, with the library's quicksort
// and an optional pass that gives equal keys their previous order back.
#include <algorithm>
#include <cmath>

#include "filelist/core/file_list_view_store.h"
#include "foundation/file_types.h"
#include "foundation/hoare_quicksort.h"
#include "foundation/letter_case.h"

namespace {

using InfoKind = TFileListViewInfoKind;

enum TKeyKind { kKeyStr, kKeyInt, kKeyFloat };

// A float key that compares: not-a-number sorts as 0.
double FloatKey(double v) { return std::isnan(v) ? 0.0 : v; }

}  // namespace

void TFileListViewStore::SortUp(TFileListViewColumnType AColumnType, int32_t AIndex) {
  SortInternal(AColumnType, AIndex, false);
}

void TFileListViewStore::SortDown(TFileListViewColumnType AColumnType, int32_t AIndex) {
  SortInternal(AColumnType, AIndex, true);
}

void TFileListViewStore::SortAccordingToAutoSortSettings() {
  if (AutoSortColumn != flvColNone) SortInternal(AutoSortColumn, 0, AutoSortOrder == soDescending);
}

void TFileListViewStore::ComputeSortKeys(TFileListViewColumnType type, int32_t customIndex, int& keyKind) {
  TFileListViewItemStore& items = FItems;
  const size_t n = items.size();
  auto at = [&](auto& array, size_t i, InfoKind kind) -> decltype(&array[0]) {
    const int32_t k = items.InfoIndex(i, kind);
    return k >= 0 && static_cast<size_t>(k) < array.size() ? &array[static_cast<size_t>(k)] : nullptr;
  };
  auto strKeys = [&](auto&& key) {
    keyKind = kKeyStr;
    items.ResetSortKeyStrs();
    for (size_t i = 0; i < n; ++i) items.SetSortKeyStr(i, key(i));
  };
  auto intKeys = [&](auto&& key) {
    keyKind = kKeyInt;
    for (size_t i = 0; i < n; ++i) items.SetSortKeyInt(i, key(i));
  };
  auto floatKeys = [&](auto&& key) {
    keyKind = kKeyFloat;
    for (size_t i = 0; i < n; ++i) items.SetSortKeyFloat(i, FloatKey(key(i)));
  };
  auto audioText = [&](TAudioText part) {
    strKeys([&, part](size_t i) {
      const TPackedAudioInfo* a = at(AudioInfos, i, InfoKind::Audio);
      return a ? std::string(AudioInfos.Part(a->Texts, kAudioTextCount, part)) : std::string();
    });
  };
  auto imageInt = [&](int32_t TPackedImageInfo::*field) {
    intKeys([&, field](size_t i) -> int64_t {
      const TPackedImageInfo* m = at(ImageInfos, i, InfoKind::Image);
      return m ? m->*field : -1;
    });
  };
  auto textInt = [&](auto&& value) {
    intKeys([&](size_t i) -> int64_t {
      const TPackedTextInfo* t = at(TextInfos, i, InfoKind::Text);
      return t ? value(*t) : -1;
    });
  };
  auto folderInt = [&](auto&& value) {
    intKeys([&](size_t i) -> int64_t {
      const TFileListViewFolderInfo* f = at(FolderInfos, i, InfoKind::Folder);
      return f ? value(*f) : 0;
    });
  };
  auto attrDate = [&](TDateTime TPackedAttributeInfo::*field) {
    floatKeys([&, field](size_t i) {
      const TPackedAttributeInfo* a = at(AttributeInfos, i, InfoKind::Attribute);
      return a ? a->*field : 0.0;
    });
  };
  switch (type) {
    case flvColName: strKeys([&](size_t i) { return UTF8UpperCase(items.Name(i)); }); break;
    case flvColExt: strKeys([&](size_t i) { return UTF8UpperCase(items.Ext(i)); }); break;
    case flvColPath: strKeys([&](size_t i) { return UTF8UpperCase(items.FileName(i)); }); break;
    case flvColFolder:
      strKeys([&](size_t i) {
        return UTF8UpperCase(ExtractFolderNameOfLevel(std::string(items.FileName(i)), ExportFormat.FolderNameLevel));
      });
      break;
    case flvColType:
      // Typed files before the others when ascending.
      strKeys([&](size_t i) {
        return items.FileType(i) == ftOther ? std::string("1") : "0" + GetFileTypeStr(items.FileType(i), false);
      });
      break;
    case flvColCustomStr:
      strKeys([&](size_t i) {
        return customIndex >= 0 ? UTF8UpperCase(items.CustomStr(i, static_cast<size_t>(customIndex))) : std::string();
      });
      break;
    case flvColCustomDynamicContent:
      strKeys([&](size_t i) { return UTF8UpperCase(DynamicContent(i, customIndex)); });
      break;
    case flvColVolumeName:
      strKeys([&](size_t i) {
        const TPackedVolumeInfo* v = at(VolumeInfos, i, InfoKind::Volume);
        return v ? std::string(VolumeInfos.Text(v->VolumeName)) : std::string();
      });
      break;
    case flvColAudioArtist: audioText(atArtist); break;
    case flvColAudioTitle: audioText(atTitle); break;
    case flvColAudioAlbum: audioText(atAlbum); break;
    case flvColAudioTrack: audioText(atTrack); break;
    case flvColAudioDiscNumber: audioText(atDiscNumber); break;
    case flvColAudioYear: audioText(atYear); break;
    case flvColAudioGenre: audioText(atGenre); break;
    case flvColAudioComment: audioText(atComment); break;
    case flvColImageColorSpace:
      strKeys([&](size_t i) {
        const TPackedImageInfo* m = at(ImageInfos, i, InfoKind::Image);
        return m ? std::string(ImageInfos.Text(m->ColorSpace)) : std::string();
      });
      break;
    case flvColTextFirstChars:
      strKeys([&](size_t i) {
        const TPackedTextInfo* t = at(TextInfos, i, InfoKind::Text);
        return t ? ShortenedFirstChars(TextInfos.Text(t->FirstChars)) : std::string();
      });
      break;
    case flvColDocumentAuthor:
    case flvColDocumentTitle:
      strKeys([&](size_t i) {
        const TPackedDocumentInfo* doc = at(DocumentInfos, i, InfoKind::Document);
        if (!doc) return std::string();
        return std::string(
            DocumentInfos.Part(doc->Texts, kDocumentTextCount, type == flvColDocumentAuthor ? dtAuthor : dtTitle));
      });
      break;
    case flvColAttributeLink:
      strKeys([&](size_t i) {
        const TPackedAttributeInfo* a = at(AttributeInfos, i, InfoKind::Attribute);
        return a ? std::string(AttributeInfos.Text(a->Link)) : std::string();
      });
      break;
    case flvColCheckSumMD5:
    case flvColCheckSumCRC32:
    case flvColCheckSumCRC32B:
    case flvColCheckSumSHA1:
    case flvColCheckSumSHA2_224:
    case flvColCheckSumSHA2_256:
    case flvColCheckSumSHA2_384:
    case flvColCheckSumSHA2_512:
      strKeys([&](size_t i) {
        const TPackedCheckSumInfo* c = at(CheckSumInfos, i, InfoKind::CheckSum);
        return c ? std::string(CheckSumInfos.Part(c->Digests, kCheckSumCount, type - flvColCheckSumMD5))
                 : std::string();
      });
      break;

    // With a stable sort, the numbering keeps the order as it is.
    case flvColNumbering: intKeys([](size_t) { return int64_t{0}; }); break;
    case flvColPathLength: intKeys([&](size_t i) -> int64_t { return items.PathLength(i); }); break;
    case flvColFolderLevel: intKeys([&](size_t i) -> int64_t { return items.FolderLevel(i); }); break;
    case flvColStatus: intKeys([&](size_t i) -> int64_t { return items.Status(i); }); break;
    case flvColSize: intKeys([&](size_t i) { return items.Size(i); }); break;
    case flvColCustomInt:
      intKeys([&](size_t i) {
        return customIndex >= 0 ? items.CustomInt(i, static_cast<size_t>(customIndex)) : int64_t{0};
      });
      break;
    case flvColFileCountDirect: folderInt([](const TFileListViewFolderInfo& f) { return f.FileCountDirect; }); break;
    case flvColFolderCountDirect:
      folderInt([](const TFileListViewFolderInfo& f) { return f.FolderCountDirect; });
      break;
    case flvColFileCountAll: folderInt([](const TFileListViewFolderInfo& f) { return f.FileCountAll; }); break;
    case flvColFolderCountAll: folderInt([](const TFileListViewFolderInfo& f) { return f.FolderCountAll; }); break;
    case flvColFolderSizeDirect: folderInt([](const TFileListViewFolderInfo& f) { return f.SizeDirect; }); break;
    case flvColFolderDeepness: folderInt([](const TFileListViewFolderInfo& f) { return f.Deepness; }); break;
    case flvColAudioSampleRate:
    case flvColAudioBitRate:
    case flvColAudioChannels:
      intKeys([&](size_t i) -> int64_t {
        const TPackedAudioInfo* a = at(AudioInfos, i, InfoKind::Audio);
        if (type == flvColAudioChannels) return a ? static_cast<int64_t>(a->Channels) : -1;
        if (!a) return 0;
        return type == flvColAudioSampleRate ? a->SampleRate : a->BitRate;
      });
      break;
    case flvColVideoWidth:
    case flvColVideoHeight:
    case flvColVideoBitrate:
      intKeys([&](size_t i) -> int64_t {
        const TPackedVideoInfo* v = at(VideoInfos, i, InfoKind::Video);
        if (type == flvColVideoBitrate) return v ? v->Bitrate : 0;
        if (!v) return -1;
        return type == flvColVideoWidth ? v->Width : v->Height;
      });
      break;
    case flvColImageWidth: imageInt(&TPackedImageInfo::Width); break;
    case flvColImageHeight: imageInt(&TPackedImageInfo::Height); break;
    case flvColImageColorDepth: imageInt(&TPackedImageInfo::ColorDepth); break;
    case flvColImageResHoriz: imageInt(&TPackedImageInfo::ResolutionHoriz); break;
    case flvColImageResVert: imageInt(&TPackedImageInfo::ResolutionVert); break;
    case flvColImageImgCount: imageInt(&TPackedImageInfo::ImageCount); break;
    case flvColTextEncoding: textInt([](const TPackedTextInfo& t) -> int64_t { return t.Encoding; }); break;
    case flvColTextBOM: textInt([](const TPackedTextInfo& t) -> int64_t { return t.BOM ? 1 : 0; }); break;
    case flvColTextEncodingWithBOM:
      textInt([](const TPackedTextInfo& t) -> int64_t { return int64_t{t.Encoding} * 10 + (t.BOM ? 1 : 0); });
      break;
    case flvColTextLineBreakType: textInt([](const TPackedTextInfo& t) -> int64_t { return t.LineBreak; }); break;
    case flvColTextLineCount: textInt([](const TPackedTextInfo& t) -> int64_t { return t.Lines; }); break;
    case flvColTextCharCount: textInt([](const TPackedTextInfo& t) -> int64_t { return t.Chars; }); break;
    case flvColTextWordCount: textInt([](const TPackedTextInfo& t) -> int64_t { return t.Words; }); break;
    case flvColDocumentPageCount:
      intKeys([&](size_t i) -> int64_t {
        const TPackedDocumentInfo* doc = at(DocumentInfos, i, InfoKind::Document);
        return doc ? doc->PageCount : -1;
      });
      break;
    case flvColAttributeHidden:
    case flvColAttributeReadOnly:
    case flvColAttributeHiddenExt:
      intKeys([&](size_t i) -> int64_t {
        const TPackedAttributeInfo* a = at(AttributeInfos, i, InfoKind::Attribute);
        if (type == flvColAttributeHidden) return (a ? a->Hidden : items.Hidden(i)) ? 1 : 0;
        if (!a) return -1;
        return (type == flvColAttributeReadOnly ? a->ReadOnly : a->HiddenExt) ? 1 : 0;
      });
      break;
    case flvColCombinedWidth:
    case flvColCombinedHeight:
      intKeys([&](size_t i) -> int64_t {
        const bool width = type == flvColCombinedWidth;
        if (const TPackedImageInfo* m = at(ImageInfos, i, InfoKind::Image)) return width ? m->Width : m->Height;
        if (const TPackedVideoInfo* v = at(VideoInfos, i, InfoKind::Video)) return width ? v->Width : v->Height;
        return -1;
      });
      break;

    case flvColDate: floatKeys([&](size_t i) { return items.Date(i); }); break;
    case flvColDateModified: attrDate(&TPackedAttributeInfo::DateModified); break;
    case flvColDateAccessed: attrDate(&TPackedAttributeInfo::DateAccessed); break;
    case flvColDateCreated: attrDate(&TPackedAttributeInfo::DateCreated); break;
    case flvColDateAttrChanged: attrDate(&TPackedAttributeInfo::DateAttrChanged); break;
    case flvColAudioDuration:
      floatKeys([&](size_t i) {
        const TPackedAudioInfo* a = at(AudioInfos, i, InfoKind::Audio);
        return a ? a->Duration : 0.0;
      });
      break;
    case flvColVideoAspectRatio:
    case flvColVideoDuration:
    case flvColVideoFPS:
      floatKeys([&](size_t i) {
        const TPackedVideoInfo* v = at(VideoInfos, i, InfoKind::Video);
        if (!v) return 0.0;
        return type == flvColVideoAspectRatio ? v->AspectRatio : type == flvColVideoDuration ? v->Duration : v->FPS;
      });
      break;
    case flvColImageAspectRatio:
      floatKeys([&](size_t i) {
        const TPackedImageInfo* m = at(ImageInfos, i, InfoKind::Image);
        return m ? m->AspectRatio : 0.0;
      });
      break;
    case flvColCombinedAspectRatio:
      floatKeys([&](size_t i) {
        if (const TPackedImageInfo* m = at(ImageInfos, i, InfoKind::Image)) return m->AspectRatio;
        if (const TPackedVideoInfo* v = at(VideoInfos, i, InfoKind::Video)) return v->AspectRatio;
        return 0.0;
      });
      break;
    case flvColCombinedDuration:
      floatKeys([&](size_t i) {
        if (const TPackedAudioInfo* a = at(AudioInfos, i, InfoKind::Audio)) return a->Duration;
        if (const TPackedVideoInfo* v = at(VideoInfos, i, InfoKind::Video)) return v->Duration;
        return 0.0;
      });
      break;
    case flvColNone:
    case flvColMax: break;
  }
}

void TFileListViewStore::SortInternal(TFileListViewColumnType AColumnType, int32_t AIndex, bool ADescending) {
  const size_t n = FItems.size();
  if (n < 2 || AColumnType < flvColName || AColumnType > flvColCustomDynamicContent) return;
  int keyKind = kKeyInt;
  ComputeSortKeys(AColumnType, AIndex, keyKind);
  // The dynamic column's handler may have emptied the list.
  if (FItems.size() != n) return;
  if (SortStable) {
    for (size_t i = 0; i < n; ++i) FItems.SetOriginalIndex(i, static_cast<int32_t>(i));
  }
  std::vector<int32_t> order(n);
  for (size_t i = 0; i < n; ++i) order[i] = static_cast<int32_t>(i);
  const TFileListViewItemStore& items = FItems;
  switch (keyKind) {
    case kKeyStr:
      HoareSortOrder(
          order, n, [&items](int32_t i) { return items.SortKeyStr(static_cast<size_t>(i)); }, ADescending);
      break;
    case kKeyInt:
      HoareSortOrder(
          order, n, [&items](int32_t i) { return items.SortKeyInt(static_cast<size_t>(i)); }, ADescending);
      break;
    default:
      HoareSortOrder(
          order, n, [&items](int32_t i) { return items.SortKeyFloat(static_cast<size_t>(i)); }, ADescending);
      break;
  }
  if (SortStable) {
    auto sameKey = [&](size_t a, size_t b) {
      const auto x = static_cast<size_t>(order[a]);
      const auto y = static_cast<size_t>(order[b]);
      switch (keyKind) {
        case kKeyStr: return items.SortKeyStr(x) == items.SortKeyStr(y);
        case kKeyInt: return items.SortKeyInt(x) == items.SortKeyInt(y);
        default: return items.SortKeyFloat(x) == items.SortKeyFloat(y);
      }
    };
    // Every run of equal keys in the order before the sort, in both
    // directions; the old position is the entry's number in order.
    size_t runStart = 0;
    for (size_t i = 1; i <= n; ++i) {
      if (i < n && sameKey(runStart, i)) continue;
      if (i - runStart >= 2) {
        std::sort(order.begin() + static_cast<ptrdiff_t>(runStart), order.begin() + static_cast<ptrdiff_t>(i));
      }
      runStart = i;
    }
  }
  FItems.Permute(order);
  if (FFilterOn) {
    FilterRefresh();
  } else {
    PlatformRepaint();
  }
  Notify(OnSortingDone);
}
