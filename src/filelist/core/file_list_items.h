// The entries and information records of a file list, packed. A list of 10^6
// files keeps each entry in a 128-byte record with its path in shared text
// blocks (string_arena.h); the name is the tail of the path, extensions and
// base folders are kept once each, and an information record refers to the
// same path bytes as its entry. The public records of file_list_types.h are
// made on request (Get) and taken back whole (Set).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "filelist/core/file_list_types.h"
#include "foundation/string_arena.h"

// Texts kept once, each under a small number (0 is the empty text).
class TInternedTexts {
 public:
  uint32_t Id(std::string_view text);
  std::string_view Text(uint32_t id) const { return FTexts[id]; }
  void Clear();

 private:
  std::vector<std::string> FTexts{std::string()};
  std::unordered_map<std::string, uint32_t> FIds;
};

class TFileListViewItemStore {
 public:
  // Strings go to the given blocks, which the information arrays share.
  explicit TFileListViewItemStore(TStringArena& texts) : FTexts(&texts) {}
  TFileListViewItemStore(const TFileListViewItemStore&) = delete;
  TFileListViewItemStore& operator=(const TFileListViewItemStore&) = delete;

  size_t size() const { return FItems.size(); }
  bool empty() const { return FItems.empty(); }
  void clear();
  void reserve(size_t count) { FItems.reserve(count); }

  TFileListViewItem Get(size_t i) const;
  void Set(size_t i, const TFileListViewItem& item);
  size_t Append(const TFileListViewItem& item);
  // Copies the whole entry at from over the one at to.
  void CopyItem(size_t from, size_t to);
  // Keeps the entries whose flag is 0, in their order.
  void Keep(const std::vector<uint8_t>& drop);
  // Entry k afterwards is entry order[k] before.
  void Permute(const std::vector<int32_t>& order);

  int32_t ID(size_t i) const { return FItems[i].ID; }
  void SetID(size_t i, int32_t value) { FItems[i].ID = value; }
  std::string_view Name(size_t i) const;
  std::string_view FileName(size_t i) const { return FTexts->View(FItems[i].FileName); }
  TArenaStr FileNameRef(size_t i) const { return FItems[i].FileName; }
  std::string_view Ext(size_t i) const { return FExts.Text(FItems[i].Ext); }
  std::string_view BaseDir(size_t i) const { return FBaseDirs.Text(FItems[i].BaseDir); }
  int32_t PathLength(size_t i) const { return FItems[i].PathLength; }
  int32_t FolderLevel(size_t i) const { return FItems[i].FolderLevel; }
  int64_t Size(size_t i) const { return FItems[i].Size; }
  void SetSize(size_t i, int64_t value) { FItems[i].Size = value; }
  TDateTime Date(size_t i) const { return FItems[i].Date; }
  int32_t IconIndex(size_t i) const { return FItems[i].IconIndex; }
  int32_t InfoIndex(size_t i, TFileListViewInfoKind kind) const { return FItems[i].Info[static_cast<size_t>(kind)]; }
  void SetInfoIndex(size_t i, TFileListViewInfoKind kind, int32_t value) {
    FItems[i].Info[static_cast<size_t>(kind)] = value;
  }
  int32_t FileType(size_t i) const { return FItems[i].FileType; }
  bool Hidden(size_t i) const { return (FItems[i].Flags & kHidden) != 0; }
  int32_t Status(size_t i) const { return FItems[i].Status; }
  void SetStatus(size_t i, int32_t value) { FItems[i].Status = value; }
  bool IsFolder(size_t i) const { return (FItems[i].Flags & kIsFolder) != 0; }
  int32_t OriginalIndex(size_t i) const { return FItems[i].OriginalIndex; }
  void SetOriginalIndex(size_t i, int32_t value) { FItems[i].OriginalIndex = value; }
  bool Checked(size_t i) const { return (FItems[i].Flags & kChecked) != 0; }
  void SetChecked(size_t i, bool value);

  // The custom cells; out of range gives "" and 0 and writes nothing.
  size_t CustomStrCount(size_t i) const;
  std::string_view CustomStr(size_t i, size_t k) const;
  bool SetCustomStr(size_t i, size_t k, std::string_view value);
  size_t CustomIntCount(size_t i) const;
  int64_t CustomInt(size_t i, size_t k) const;
  bool SetCustomInt(size_t i, size_t k, int64_t value);

  std::string_view SortKeyStr(size_t i) const { return FKeys.View(FItems[i].SortKeyStr); }
  // Forgets every text key, before a sort writes them all anew.
  void ResetSortKeyStrs();
  void SetSortKeyStr(size_t i, std::string_view key) { FItems[i].SortKeyStr = FKeys.Add(key); }
  int64_t SortKeyInt(size_t i) const { return FSortKeyInts.empty() ? 0 : FSortKeyInts[i]; }
  void SetSortKeyInt(size_t i, int64_t key);
  double SortKeyFloat(size_t i) const { return FSortKeyFloats.empty() ? 0 : FSortKeyFloats[i]; }
  void SetSortKeyFloat(size_t i, double key);

  // Every path reference, for a compaction of the shared blocks.
  template <typename Fn>
  void ForEachTextRef(Fn&& fn) {
    for (TPacked& p : FItems) fn(p.FileName);
  }
  // Bytes of texts no entry refers to any more (an estimate: information
  // records may still share them).
  size_t DroppedTextBytes() const { return FDropped; }
  void ResetDroppedTextBytes() { FDropped = 0; }

 private:
  static constexpr uint8_t kHidden = 1;
  static constexpr uint8_t kIsFolder = 2;
  static constexpr uint8_t kChecked = 4;
  static constexpr uint16_t kNameElsewhere = UINT16_MAX;

  struct TPacked {
    int64_t Size = 0;
    TDateTime Date = 0;
    TArenaStr FileName = 0;
    TArenaStr SortKeyStr = 0;
    int32_t ID = 0;
    int32_t PathLength = 0;
    int32_t FolderLevel = 0;
    int32_t IconIndex = -1;
    int32_t FileType = 0;
    int32_t Status = 0;
    int32_t OriginalIndex = 0;
    int32_t Info[kFileListViewInfoKindCount] = {kInfoNone, kInfoNone, kInfoNone, kInfoNone, kInfoNone,
                                                kInfoNone, kInfoNone, kInfoNone, kInfoNone};
    uint32_t Ext = 0;
    uint32_t BaseDir = 0;
    // 1 + the index of the entry's rare parts, 0 for none.
    uint32_t Extra = 0;
    // Where the name starts in the path, when it is the path's tail.
    uint16_t NameStart = 0;
    uint8_t Flags = 0;
  };
  // What few entries have: a name that is not the path's tail, custom cells.
  struct TExtra {
    bool HasName = false;
    std::string Name;
    TStrArray CustomStrValues;
    TInt64Array CustomIntValues;
  };

  void Pack(const TFileListViewItem& item, TPacked& p);
  const TExtra* ExtraOf(size_t i) const { return FItems[i].Extra == 0 ? nullptr : &FExtras[FItems[i].Extra - 1]; }
  TExtra& MakeExtra(TPacked& p);
  void DropExtra(TPacked& p);

  std::vector<TPacked> FItems;
  // The number and date keys, made by the first sort of their kind (a list
  // sorted only by texts never holds them).
  std::vector<int64_t> FSortKeyInts;
  std::vector<double> FSortKeyFloats;
  TStringArena* FTexts;
  TStringArena FKeys;
  TInternedTexts FExts;
  TInternedTexts FBaseDirs;
  std::vector<TExtra> FExtras;
  std::vector<uint32_t> FFreeExtras;
  size_t FDropped = 0;
};

// The packed twins of the information records.
struct TPackedVolumeInfo {
  TArenaStr FileName = 0;
  TArenaStr VolumeName = 0;
  bool Read = false;
};
struct TPackedTextInfo {
  TArenaStr FirstChars = 0;
  TArenaStr FileName = 0;
  uint32_t Encoding = 0;
  uint32_t LineBreak = 0;
  int32_t Lines = 0;
  int32_t Chars = 0;
  int32_t Words = 0;
  bool Read = false;
  bool BOM = false;
};
// The texts of an audio record, in one reference (TStringArena::AddParts).
enum TAudioText : size_t {
  atArtist,
  atTitle,
  atAlbum,
  atTrack,
  atDiscNumber,
  atYear,
  atGenre,
  atComment,
  kAudioTextCount
};
struct TPackedAudioInfo {
  TArenaStr Texts = 0;
  TArenaStr FileName = 0;
  double Duration = 0;
  TAudioInfoChannels Channels = aicUnknown;
  int32_t SampleRate = 0;
  int32_t BitRate = 0;
  bool Read = false;
};
struct TPackedImageInfo {
  double AspectRatio = 0;
  TArenaStr ColorSpace = 0;
  TArenaStr FileName = 0;
  int32_t Width = 0, Height = 0, ColorDepth = 0, ImageCount = 0, ResolutionHoriz = 0, ResolutionVert = 0;
  int32_t ResolutionUnit = 0;
  bool Read = false;
};
struct TPackedVideoInfo {
  double Duration = 0, AspectRatio = 0, FPS = 0;
  TArenaStr FileName = 0;
  int32_t Width = 0, Height = 0, Bitrate = 0;
  bool Read = false;
};
// Author and title, in one reference.
enum TDocumentText : size_t { dtAuthor, dtTitle, kDocumentTextCount };
struct TPackedDocumentInfo {
  TArenaStr Texts = 0, FileName = 0;
  int32_t PageCount = 0;
  bool Read = false;
};
struct TPackedAttributeInfo {
  TDateTime DateCreated = 0, DateAccessed = 0, DateAttrChanged = 0, DateModified = 0;
  TArenaStr Link = 0, FileName = 0;
  int32_t InfoIndex = 0;
  bool Read = false, Hidden = false, ReadOnly = false, HiddenExt = false;
};
// The eight digests, in one reference.
inline constexpr size_t kCheckSumCount = 8;
struct TPackedCheckSumInfo {
  TArenaStr Digests = 0;
};

// Packing and unpacking, and the text references of each packed record.
TFileListViewFolderInfo PackInfo(const TFileListViewFolderInfo& r, TStringArena& texts);
TFileListViewFolderInfo UnpackInfo(const TFileListViewFolderInfo& p, const TStringArena& texts);
template <typename Fn>
void ForEachInfoRef(TFileListViewFolderInfo&, Fn&&) {}
TPackedVolumeInfo PackInfo(const TFileListViewVolumeInfo& r, TStringArena& texts);
TFileListViewVolumeInfo UnpackInfo(const TPackedVolumeInfo& p, const TStringArena& texts);
TPackedTextInfo PackInfo(const TFileListViewTextInfo& r, TStringArena& texts);
TFileListViewTextInfo UnpackInfo(const TPackedTextInfo& p, const TStringArena& texts);
TPackedAudioInfo PackInfo(const TFileListViewAudioInfo& r, TStringArena& texts);
TFileListViewAudioInfo UnpackInfo(const TPackedAudioInfo& p, const TStringArena& texts);
TPackedImageInfo PackInfo(const TFileListViewImageInfo& r, TStringArena& texts);
TFileListViewImageInfo UnpackInfo(const TPackedImageInfo& p, const TStringArena& texts);
TPackedVideoInfo PackInfo(const TFileListViewVideoInfo& r, TStringArena& texts);
TFileListViewVideoInfo UnpackInfo(const TPackedVideoInfo& p, const TStringArena& texts);
TPackedDocumentInfo PackInfo(const TFileListViewDocumentInfo& r, TStringArena& texts);
TFileListViewDocumentInfo UnpackInfo(const TPackedDocumentInfo& p, const TStringArena& texts);
TPackedAttributeInfo PackInfo(const TFileListViewAttributeInfo& r, TStringArena& texts);
TFileListViewAttributeInfo UnpackInfo(const TPackedAttributeInfo& p, const TStringArena& texts);
TPackedCheckSumInfo PackInfo(const TFileListViewCheckSumInfo& r, TStringArena& texts);
TFileListViewCheckSumInfo UnpackInfo(const TPackedCheckSumInfo& p, const TStringArena& texts);
template <typename Fn>
void ForEachInfoRef(TPackedVolumeInfo& p, Fn&& fn) {
  fn(p.FileName), fn(p.VolumeName);
}
template <typename Fn>
void ForEachInfoRef(TPackedTextInfo& p, Fn&& fn) {
  fn(p.FirstChars), fn(p.FileName);
}
template <typename Fn>
void ForEachInfoRef(TPackedAudioInfo& p, Fn&& fn) {
  fn(p.Texts), fn(p.FileName);
}
template <typename Fn>
void ForEachInfoRef(TPackedImageInfo& p, Fn&& fn) {
  fn(p.ColorSpace), fn(p.FileName);
}
template <typename Fn>
void ForEachInfoRef(TPackedVideoInfo& p, Fn&& fn) {
  fn(p.FileName);
}
template <typename Fn>
void ForEachInfoRef(TPackedDocumentInfo& p, Fn&& fn) {
  fn(p.Texts), fn(p.FileName);
}
template <typename Fn>
void ForEachInfoRef(TPackedAttributeInfo& p, Fn&& fn) {
  fn(p.Link), fn(p.FileName);
}
template <typename Fn>
void ForEachInfoRef(TPackedCheckSumInfo& p, Fn&& fn) {
  fn(p.Digests);
}

// One growable array of information records of a kind, packed; Get and Set
// speak the public record.
template <typename Record, typename Packed>
class TFileListViewInfoArray {
 public:
  explicit TFileListViewInfoArray(TStringArena& texts) : FTexts(&texts) {}

  size_t size() const { return FRecords.size(); }
  bool empty() const { return FRecords.empty(); }
  void clear() {
    FRecords.clear();
    FDropped = 0;
  }
  Record Get(size_t i) const { return UnpackInfo(FRecords[i], *FTexts); }
  void Set(size_t i, const Record& r) {
    ForEachInfoRef(FRecords[i], [this](TArenaStr& ref) { FDropped += FTexts->View(ref).size(); });
    FRecords[i] = PackInfo(r, *FTexts);
  }
  size_t Append(const Record& r) {
    FRecords.push_back(PackInfo(r, *FTexts));
    return FRecords.size() - 1;
  }
  // Overwrites the record at index when it exists, else appends; the
  // record's position.
  int32_t Put(int32_t index, const Record& r) {
    if (index >= 0 && static_cast<size_t>(index) < FRecords.size()) {
      Set(static_cast<size_t>(index), r);
      return index;
    }
    return static_cast<int32_t>(Append(r));
  }
  // The packed record, for reading many fields fast.
  const Packed& operator[](size_t i) const { return FRecords[i]; }
  std::string_view Text(TArenaStr ref) const { return FTexts->View(ref); }
  std::string_view Part(TArenaStr ref, size_t count, size_t k) const { return FTexts->Part(ref, count, k); }
  template <typename Fn>
  void ForEachTextRef(Fn&& fn) {
    for (Packed& p : FRecords) ForEachInfoRef(p, fn);
  }
  // Bytes of the texts that overwritten records held (an estimate: the path
  // is shared with the entry).
  size_t DroppedTextBytes() const { return FDropped; }
  void ResetDroppedTextBytes() { FDropped = 0; }

 private:
  std::vector<Packed> FRecords;
  TStringArena* FTexts;
  size_t FDropped = 0;
};

using TFileListViewFolderInfos = TFileListViewInfoArray<TFileListViewFolderInfo, TFileListViewFolderInfo>;
using TFileListViewVolumeInfos = TFileListViewInfoArray<TFileListViewVolumeInfo, TPackedVolumeInfo>;
using TFileListViewTextInfos = TFileListViewInfoArray<TFileListViewTextInfo, TPackedTextInfo>;
using TFileListViewAudioInfos = TFileListViewInfoArray<TFileListViewAudioInfo, TPackedAudioInfo>;
using TFileListViewImageInfos = TFileListViewInfoArray<TFileListViewImageInfo, TPackedImageInfo>;
using TFileListViewVideoInfos = TFileListViewInfoArray<TFileListViewVideoInfo, TPackedVideoInfo>;
using TFileListViewDocumentInfos = TFileListViewInfoArray<TFileListViewDocumentInfo, TPackedDocumentInfo>;
using TFileListViewAttributeInfos = TFileListViewInfoArray<TFileListViewAttributeInfo, TPackedAttributeInfo>;
using TFileListViewCheckSumInfos = TFileListViewInfoArray<TFileListViewCheckSumInfo, TPackedCheckSumInfo>;
