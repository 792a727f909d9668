#include "filelist/core/file_list_items.h"

#include <algorithm>

#include "foundation/apply_order.h"

uint32_t TInternedTexts::Id(std::string_view text) {
  if (text.empty()) return 0;
  const auto it = FIds.find(std::string(text));
  if (it != FIds.end()) return it->second;
  const auto id = static_cast<uint32_t>(FTexts.size());
  FTexts.emplace_back(text);
  FIds.emplace(FTexts.back(), id);
  return id;
}

void TInternedTexts::Clear() {
  FTexts.assign(1, std::string());
  FIds.clear();
}

// --- Entries -----------------------------------------------------------------

void TFileListViewItemStore::clear() {
  FItems.clear();
  FSortKeyInts.clear();
  FSortKeyFloats.clear();
  FKeys.Clear();
  FExts.Clear();
  FBaseDirs.Clear();
  FExtras.clear();
  FFreeExtras.clear();
  FDropped = 0;
}

TFileListViewItemStore::TExtra& TFileListViewItemStore::MakeExtra(TPacked& p) {
  if (p.Extra != 0) return FExtras[p.Extra - 1];
  if (!FFreeExtras.empty()) {
    p.Extra = FFreeExtras.back() + 1;
    FFreeExtras.pop_back();
    FExtras[p.Extra - 1] = TExtra();
  } else {
    FExtras.emplace_back();
    p.Extra = static_cast<uint32_t>(FExtras.size());
  }
  return FExtras[p.Extra - 1];
}

void TFileListViewItemStore::DropExtra(TPacked& p) {
  if (p.Extra == 0) return;
  FExtras[p.Extra - 1] = TExtra();
  FFreeExtras.push_back(p.Extra - 1);
  p.Extra = 0;
}

void TFileListViewItemStore::Pack(const TFileListViewItem& item, TPacked& p) {
  if (FTexts->View(p.FileName) != item.FileName) {
    FDropped += FTexts->View(p.FileName).size();
    p.FileName = FTexts->AddShared(item.FileName);
  }
  p.ID = item.ID;
  p.Ext = FExts.Id(item.Ext);
  p.BaseDir = FBaseDirs.Id(item.BaseDir);
  p.SortKeyStr = item.SortKeyStr.empty() ? 0 : FKeys.Add(item.SortKeyStr);
  p.PathLength = item.PathLength;
  p.FolderLevel = item.FolderLevel;
  p.Size = item.Size;
  p.Date = item.Date;
  p.IconIndex = item.IconIndex;
  p.Info[0] = item.FolderInfoIndex;
  p.Info[1] = item.VolumeInfoIndex;
  p.Info[2] = item.TextInfoIndex;
  p.Info[3] = item.AudioInfoIndex;
  p.Info[4] = item.VideoInfoIndex;
  p.Info[5] = item.ImageInfoIndex;
  p.Info[6] = item.DocumentInfoIndex;
  p.Info[7] = item.AttributeInfoIndex;
  p.Info[8] = item.CheckSumInfoIndex;
  p.FileType = item.FileType;
  p.Status = item.Status;
  p.OriginalIndex = item.OriginalIndex;
  p.Flags = static_cast<uint8_t>((item.Hidden ? kHidden : 0) | (item.IsFolder ? kIsFolder : 0) |
                                 (item.Checked ? kChecked : 0));
  // The name is nearly always the tail of the path, which holds its bytes.
  const bool nameIsTail =
      item.FileName.size() - item.Name.size() < kNameElsewhere && std::string_view(item.FileName).ends_with(item.Name);
  p.NameStart = nameIsTail ? static_cast<uint16_t>(item.FileName.size() - item.Name.size()) : kNameElsewhere;
  if (nameIsTail && item.CustomStrValues.empty() && item.CustomIntValues.empty()) {
    DropExtra(p);
    return;
  }
  TExtra& extra = MakeExtra(p);
  extra.HasName = !nameIsTail;
  extra.Name = nameIsTail ? std::string() : item.Name;
  extra.CustomStrValues = item.CustomStrValues;
  extra.CustomIntValues = item.CustomIntValues;
}

TFileListViewItem TFileListViewItemStore::Get(size_t i) const {
  const TPacked& p = FItems[i];
  TFileListViewItem item;
  item.ID = p.ID;
  item.Name = std::string(Name(i));
  item.FileName = std::string(FileName(i));
  item.Ext = std::string(Ext(i));
  item.BaseDir = std::string(BaseDir(i));
  item.SortKeyStr = std::string(SortKeyStr(i));
  item.PathLength = p.PathLength;
  item.FolderLevel = p.FolderLevel;
  item.Size = p.Size;
  item.SortKeyInt = SortKeyInt(i);
  item.Date = p.Date;
  item.SortKeyFloat = SortKeyFloat(i);
  item.IconIndex = p.IconIndex;
  if (const TExtra* extra = ExtraOf(i)) {
    item.CustomStrValues = extra->CustomStrValues;
    item.CustomIntValues = extra->CustomIntValues;
  }
  item.FolderInfoIndex = p.Info[0];
  item.VolumeInfoIndex = p.Info[1];
  item.TextInfoIndex = p.Info[2];
  item.AudioInfoIndex = p.Info[3];
  item.VideoInfoIndex = p.Info[4];
  item.ImageInfoIndex = p.Info[5];
  item.DocumentInfoIndex = p.Info[6];
  item.AttributeInfoIndex = p.Info[7];
  item.CheckSumInfoIndex = p.Info[8];
  item.FileType = p.FileType;
  item.Hidden = Hidden(i);
  item.Status = p.Status;
  item.IsFolder = IsFolder(i);
  item.OriginalIndex = p.OriginalIndex;
  item.Checked = Checked(i);
  return item;
}

void TFileListViewItemStore::Set(size_t i, const TFileListViewItem& item) {
  Pack(item, FItems[i]);
  SetSortKeyInt(i, item.SortKeyInt);
  SetSortKeyFloat(i, item.SortKeyFloat);
}

size_t TFileListViewItemStore::Append(const TFileListViewItem& item) {
  FItems.emplace_back();
  if (!FSortKeyInts.empty()) FSortKeyInts.push_back(0);
  if (!FSortKeyFloats.empty()) FSortKeyFloats.push_back(0);
  Set(FItems.size() - 1, item);
  return FItems.size() - 1;
}

void TFileListViewItemStore::SetSortKeyInt(size_t i, int64_t key) {
  if (FSortKeyInts.empty()) {
    if (key == 0) return;
    FSortKeyInts.assign(FItems.size(), 0);
  }
  FSortKeyInts[i] = key;
}

void TFileListViewItemStore::SetSortKeyFloat(size_t i, double key) {
  if (FSortKeyFloats.empty()) {
    if (key == 0) return;
    FSortKeyFloats.assign(FItems.size(), 0);
  }
  FSortKeyFloats[i] = key;
}

void TFileListViewItemStore::CopyItem(size_t from, size_t to) {
  if (from == to) return;
  TPacked& target = FItems[to];
  DropExtra(target);
  const uint32_t keepExtra = target.Extra;
  target = FItems[from];
  target.Extra = keepExtra;
  if (!FSortKeyInts.empty()) FSortKeyInts[to] = FSortKeyInts[from];
  if (!FSortKeyFloats.empty()) FSortKeyFloats[to] = FSortKeyFloats[from];
  if (const TExtra* extra = ExtraOf(from)) {
    const TExtra copy = *extra;
    MakeExtra(target) = copy;
  }
}

void TFileListViewItemStore::Keep(const std::vector<uint8_t>& drop) {
  size_t w = 0;
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (drop[i]) {
      FDropped += FileName(i).size();
      DropExtra(FItems[i]);
      continue;
    }
    if (w != i) {
      FItems[w] = FItems[i];
      if (!FSortKeyInts.empty()) FSortKeyInts[w] = FSortKeyInts[i];
      if (!FSortKeyFloats.empty()) FSortKeyFloats[w] = FSortKeyFloats[i];
    }
    ++w;
  }
  FItems.resize(w);
  if (!FSortKeyInts.empty()) FSortKeyInts.resize(w);
  if (!FSortKeyFloats.empty()) FSortKeyFloats.resize(w);
}

void TFileListViewItemStore::Permute(const std::vector<int32_t>& order) {
  ApplyOrderToVector(FItems, order);
  if (!FSortKeyInts.empty()) ApplyOrderToVector(FSortKeyInts, order);
  if (!FSortKeyFloats.empty()) ApplyOrderToVector(FSortKeyFloats, order);
}

std::string_view TFileListViewItemStore::Name(size_t i) const {
  const TPacked& p = FItems[i];
  if (p.NameStart == kNameElsewhere) return ExtraOf(i)->Name;
  return FileName(i).substr(p.NameStart);
}

void TFileListViewItemStore::SetChecked(size_t i, bool value) {
  uint8_t& flags = FItems[i].Flags;
  flags = static_cast<uint8_t>(value ? flags | kChecked : flags & ~kChecked);
}

size_t TFileListViewItemStore::CustomStrCount(size_t i) const {
  const TExtra* extra = ExtraOf(i);
  return extra ? extra->CustomStrValues.size() : 0;
}

std::string_view TFileListViewItemStore::CustomStr(size_t i, size_t k) const {
  const TExtra* extra = ExtraOf(i);
  return extra && k < extra->CustomStrValues.size() ? std::string_view(extra->CustomStrValues[k]) : std::string_view();
}

bool TFileListViewItemStore::SetCustomStr(size_t i, size_t k, std::string_view value) {
  if (k >= CustomStrCount(i)) return false;
  FExtras[FItems[i].Extra - 1].CustomStrValues[k] = std::string(value);
  return true;
}

size_t TFileListViewItemStore::CustomIntCount(size_t i) const {
  const TExtra* extra = ExtraOf(i);
  return extra ? extra->CustomIntValues.size() : 0;
}

int64_t TFileListViewItemStore::CustomInt(size_t i, size_t k) const {
  const TExtra* extra = ExtraOf(i);
  return extra && k < extra->CustomIntValues.size() ? extra->CustomIntValues[k] : 0;
}

bool TFileListViewItemStore::SetCustomInt(size_t i, size_t k, int64_t value) {
  if (k >= CustomIntCount(i)) return false;
  FExtras[FItems[i].Extra - 1].CustomIntValues[k] = value;
  return true;
}

void TFileListViewItemStore::ResetSortKeyStrs() {
  FKeys.Clear();
  for (TPacked& p : FItems) p.SortKeyStr = 0;
}

// --- Information records ---------------------------------------------------------

TFileListViewFolderInfo PackInfo(const TFileListViewFolderInfo& r, TStringArena&) { return r; }
TFileListViewFolderInfo UnpackInfo(const TFileListViewFolderInfo& p, const TStringArena&) { return p; }

TPackedVolumeInfo PackInfo(const TFileListViewVolumeInfo& r, TStringArena& texts) {
  TPackedVolumeInfo p;
  p.Read = r.Read;
  p.FileName = texts.AddShared(r.FileName);
  p.VolumeName = texts.Add(r.VolumeName);
  return p;
}

TFileListViewVolumeInfo UnpackInfo(const TPackedVolumeInfo& p, const TStringArena& texts) {
  TFileListViewVolumeInfo r;
  r.Read = p.Read;
  r.FileName = texts.Str(p.FileName);
  r.VolumeName = texts.Str(p.VolumeName);
  return r;
}

TPackedTextInfo PackInfo(const TFileListViewTextInfo& r, TStringArena& texts) {
  TPackedTextInfo p;
  p.Read = r.Read;
  p.Encoding = r.Encoding;
  p.LineBreak = r.LineBreak;
  p.Lines = r.Lines;
  p.Chars = r.Chars;
  p.Words = r.Words;
  p.BOM = r.BOM;
  p.FileName = texts.AddShared(r.FileName);
  p.FirstChars = texts.Add(r.FirstChars);
  return p;
}

TFileListViewTextInfo UnpackInfo(const TPackedTextInfo& p, const TStringArena& texts) {
  TFileListViewTextInfo r;
  r.Read = p.Read;
  r.Encoding = p.Encoding;
  r.LineBreak = p.LineBreak;
  r.Lines = p.Lines;
  r.Chars = p.Chars;
  r.Words = p.Words;
  r.BOM = p.BOM;
  r.FirstChars = texts.Str(p.FirstChars);
  r.FileName = texts.Str(p.FileName);
  return r;
}

TPackedAudioInfo PackInfo(const TFileListViewAudioInfo& r, TStringArena& texts) {
  TPackedAudioInfo p;
  p.Read = r.Read;
  p.FileName = texts.AddShared(r.FileName);
  p.Texts = texts.AddParts({r.Artist, r.Title, r.Album, r.Track, r.DiscNumber, r.Year, r.Genre, r.Comment});
  p.Channels = r.Channels;
  p.SampleRate = r.SampleRate;
  p.BitRate = r.BitRate;
  p.Duration = r.Duration;
  return p;
}

TFileListViewAudioInfo UnpackInfo(const TPackedAudioInfo& p, const TStringArena& texts) {
  TFileListViewAudioInfo r;
  r.Read = p.Read;
  auto part = [&](TAudioText k) { return std::string(texts.Part(p.Texts, kAudioTextCount, k)); };
  r.Artist = part(atArtist);
  r.Title = part(atTitle);
  r.Album = part(atAlbum);
  r.Track = part(atTrack);
  r.DiscNumber = part(atDiscNumber);
  r.Year = part(atYear);
  r.Genre = part(atGenre);
  r.Comment = part(atComment);
  r.Channels = p.Channels;
  r.SampleRate = p.SampleRate;
  r.BitRate = p.BitRate;
  r.Duration = p.Duration;
  r.FileName = texts.Str(p.FileName);
  return r;
}

TPackedImageInfo PackInfo(const TFileListViewImageInfo& r, TStringArena& texts) {
  TPackedImageInfo p;
  p.Read = r.Read;
  p.FileName = texts.AddShared(r.FileName);
  p.Width = r.Width;
  p.Height = r.Height;
  p.AspectRatio = r.AspectRatio;
  p.ColorDepth = r.ColorDepth;
  p.ColorSpace = texts.Add(r.ColorSpace);
  p.ImageCount = r.ImageCount;
  p.ResolutionHoriz = r.ResolutionHoriz;
  p.ResolutionVert = r.ResolutionVert;
  p.ResolutionUnit = r.ResolutionUnit;
  return p;
}

TFileListViewImageInfo UnpackInfo(const TPackedImageInfo& p, const TStringArena& texts) {
  TFileListViewImageInfo r;
  r.Read = p.Read;
  r.Width = p.Width;
  r.Height = p.Height;
  r.AspectRatio = p.AspectRatio;
  r.ColorDepth = p.ColorDepth;
  r.ColorSpace = texts.Str(p.ColorSpace);
  r.ImageCount = p.ImageCount;
  r.ResolutionHoriz = p.ResolutionHoriz;
  r.ResolutionVert = p.ResolutionVert;
  r.ResolutionUnit = p.ResolutionUnit;
  r.FileName = texts.Str(p.FileName);
  return r;
}

TPackedVideoInfo PackInfo(const TFileListViewVideoInfo& r, TStringArena& texts) {
  TPackedVideoInfo p;
  p.Read = r.Read;
  p.FileName = texts.AddShared(r.FileName);
  p.Width = r.Width;
  p.Height = r.Height;
  p.Duration = r.Duration;
  p.AspectRatio = r.AspectRatio;
  p.FPS = r.FPS;
  p.Bitrate = r.Bitrate;
  return p;
}

TFileListViewVideoInfo UnpackInfo(const TPackedVideoInfo& p, const TStringArena& texts) {
  TFileListViewVideoInfo r;
  r.Read = p.Read;
  r.Width = p.Width;
  r.Height = p.Height;
  r.Duration = p.Duration;
  r.AspectRatio = p.AspectRatio;
  r.FPS = p.FPS;
  r.Bitrate = p.Bitrate;
  r.FileName = texts.Str(p.FileName);
  return r;
}

TPackedDocumentInfo PackInfo(const TFileListViewDocumentInfo& r, TStringArena& texts) {
  TPackedDocumentInfo p;
  p.Read = r.Read;
  p.FileName = texts.AddShared(r.FileName);
  p.PageCount = r.PageCount;
  p.Texts = texts.AddParts({r.Author, r.Title});
  return p;
}

TFileListViewDocumentInfo UnpackInfo(const TPackedDocumentInfo& p, const TStringArena& texts) {
  TFileListViewDocumentInfo r;
  r.Read = p.Read;
  r.PageCount = p.PageCount;
  r.Author = std::string(texts.Part(p.Texts, kDocumentTextCount, dtAuthor));
  r.Title = std::string(texts.Part(p.Texts, kDocumentTextCount, dtTitle));
  r.FileName = texts.Str(p.FileName);
  return r;
}

TPackedAttributeInfo PackInfo(const TFileListViewAttributeInfo& r, TStringArena& texts) {
  TPackedAttributeInfo p;
  p.Read = r.Read;
  p.FileName = texts.AddShared(r.FileName);
  p.Link = texts.Add(r.Link);
  p.Hidden = r.Hidden;
  p.ReadOnly = r.ReadOnly;
  p.HiddenExt = r.HiddenExt;
  p.DateCreated = r.DateCreated;
  p.DateAccessed = r.DateAccessed;
  p.DateAttrChanged = r.DateAttrChanged;
  p.DateModified = r.DateModified;
  p.InfoIndex = r.InfoIndex;
  return p;
}

TFileListViewAttributeInfo UnpackInfo(const TPackedAttributeInfo& p, const TStringArena& texts) {
  TFileListViewAttributeInfo r;
  r.Read = p.Read;
  r.Link = texts.Str(p.Link);
  r.Hidden = p.Hidden;
  r.ReadOnly = p.ReadOnly;
  r.HiddenExt = p.HiddenExt;
  r.DateCreated = p.DateCreated;
  r.DateAccessed = p.DateAccessed;
  r.DateAttrChanged = p.DateAttrChanged;
  r.DateModified = p.DateModified;
  r.FileName = texts.Str(p.FileName);
  r.InfoIndex = p.InfoIndex;
  return r;
}

TPackedCheckSumInfo PackInfo(const TFileListViewCheckSumInfo& r, TStringArena& texts) {
  TPackedCheckSumInfo p;
  p.Digests = texts.AddParts({r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7]});
  return p;
}

TFileListViewCheckSumInfo UnpackInfo(const TPackedCheckSumInfo& p, const TStringArena& texts) {
  TFileListViewCheckSumInfo r;
  for (size_t k = 0; k < r.size(); ++k) r[k] = std::string(texts.Part(p.Digests, kCheckSumCount, k));
  return r;
}

int32_t AddFileToFileListViewThreadList(TFileListViewThreadFileList& list, const std::string& fileName, int32_t index) {
  list.push_back({fileName, index});
  return static_cast<int32_t>(list.size()) - 1;
}
