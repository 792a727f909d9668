#include "fileinfo/iso_media_boxes.h"

#include "fileinfo/heif_items.h"
#include "fileinfo/id3_tags.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

namespace {

uint16_t BE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
uint32_t BE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         p[3];
}
uint64_t BE64(const uint8_t* p) { return static_cast<uint64_t>(BE32(p)) << 32 | BE32(p + 4); }

// Four bytes as a text, cut at the first zero byte.
std::string FourCC(const uint8_t* p) {
  size_t n = 0;
  while (n < 4 && p[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(p), n);
}

int32_t ClampToInt32(double v) {
  if (!(v >= 0)) return 0;
  if (v >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(v);
}

int32_t MediaKindOfBrand(const std::string& brand) {
  static const char* const kVideo[] = {"MSNV", "mp42", "mp4v", "qt  ", "M4V "};
  static const char* const kAudio[] = {"M4A ", "dash"};
  static const char* const kImage[] = {"avif", "mif1", "heic", "heix", "hevc", "hevx",
                                       "heim", "heis", "hevm", "hevs", "msf1", "crx "};
  for (const char* b : kVideo)
    if (brand == b) return 0;
  for (const char* b : kAudio)
    if (brand == b) return 1;
  for (const char* b : kImage)
    if (brand == b) return 2;
  std::string_view three = std::string_view(brand).substr(0, 3);
  if (three == "iso" || three == "M4V" || three == "mp4") return 0;
  if (three == "M4A") return 1;
  std::string_view two = std::string_view(brand).substr(0, 2);
  if (two == "3G" || two == "3g" || two == "qt") return 0;
  return 3;
}

// The nesting of the paths the walk acts on is at most six boxes deep; the
// limit only guards against a path table that someone extends carelessly.
constexpr int kMaxDepth = 16;
// A metadata text longer than this is no real tag; it is not loaded.
constexpr uint64_t kMaxTextBytes = 16u << 20;

}  // namespace

TMediaInfoMP4::TMediaInfoMP4() { Reset(); }

TMediaInfoMP4::~TMediaInfoMP4() = default;

void TMediaInfoMP4::Reset() {
  FStream.reset();
  FOpened = false;
  FFileSize = 0;
  FPosition = 0;
  bool readMetaData = ReadMetaData;
  int32_t tag = Tag;
  MediaKind = 3;
  MajorBrand.clear();
  Duration = 0;
  DurationExact = 0;
  Width = 0;
  Height = 0;
  SwapDimensions = false;
  SampleCount = 0;
  VideoFramesPerSecond = 0;
  AudioChannels = aicUnknown;
  AudioSampleRate = 0;
  ImageCount = 0;
  Bitrate = 0;
  ColorDepth = 0;
  ResolutionX = 0;
  ResolutionY = 0;
  MediaDataSize = 0;
  CurrentTrackKind = 3;
  Artist.clear();
  Title.clear();
  Album.clear();
  Track.clear();
  Year.clear();
  Genre.clear();
  DiscNumber.clear();
  Comment.clear();
  ReadMetaData = readMetaData;
  Tag = tag;
}

bool TMediaInfoMP4::GetData(const std::string& FileName) {
  Reset();
  if (!Open(FileName)) return false;
  return Read();
}

size_t TMediaInfoMP4::ReadAt(uint8_t* buffer, size_t count) {
  std::memset(buffer, 0, count);
  FStream->SetPosition(static_cast<int64_t>(FPosition));
  int64_t got = FStream->Read(buffer, static_cast<int64_t>(count));
  size_t done = got > 0 ? static_cast<size_t>(got) : 0;
  FPosition += done;
  return done;
}

bool TMediaInfoMP4::Open(const std::string& FileName) {
  if (FOpened) Reset();
  std::error_code ec;
  // Only regular files: a pipe or a device would block the reader or never end.
  if (FileName.empty() || !std::filesystem::is_regular_file(FileName, ec)) return false;
  FStream = OpenStreamForReading(FileName);
  if (!FStream) throw EStreamError("Cannot open file \"" + FileName + "\"");
  FFileSize = static_cast<uint64_t>(std::max<int64_t>(FStream->GetSize(), 0));
  FPosition = 0;
  if (FFileSize < 24) return false;
  uint8_t head[12];
  ReadAt(head, sizeof head);
  if (std::memcmp(head + 4, "ftyp", 4) != 0) return false;
  MajorBrand = FourCC(head + 8);
  MediaKind = MediaKindOfBrand(MajorBrand);
  if (MediaKind == 3) return false;
  FOpened = true;
  return true;
}

bool TMediaInfoMP4::Read() {
  WalkBoxes(0, FFileSize, "file", 0);
  if (SampleCount != 0 && DurationExact > 0) VideoFramesPerSecond = SampleCount / DurationExact;
  if (SwapDimensions) std::swap(Width, Height);
  if (MediaDataSize != 0 && DurationExact > 0)
    Bitrate = ClampToInt32(static_cast<double>(MediaDataSize) / DurationExact / 125 + 0.5);
  return true;
}

// The walk of one level. Children are walked only inside their parent box
// (and never past the end of the file), so every box is read once per level
// and a file of many small boxes costs linear time.
void TMediaInfoMP4::WalkBoxes(uint64_t start, uint64_t end, const std::string& parentPath, int depth) {
  if (depth > kMaxDepth) return;
  end = std::min(end, FFileSize);
  uint64_t boxStart = start;
  while (boxStart < end) {
    FPosition = boxStart;
    if (Remaining() < 24) return;
    uint8_t header[16];
    ReadAt(header, 8);
    uint64_t size = BE32(header);
    std::string type = FourCC(header + 4);
    uint64_t headerSize = 8;
    if (size == 1) {
      ReadAt(header + 8, 8);
      size = BE64(header + 8);
      headerSize = 16;
    }
    const std::string path = parentPath + " > " + type;
    const uint64_t contentStart = boxStart + headerSize;
    const uint64_t boxEnd = size > FFileSize - boxStart ? FFileSize : boxStart + size;
    if (path == "file > moov" || path == "file > moov > trak" || path == "file > moov > trak > mdia" ||
        path == "file > moov > trak > mdia > minf" || path == "file > moov > trak > mdia > minf > stbl" ||
        path == "file > moov > udta" || path == "file > meta > iprp" || path == "file > meta > iprp > ipco") {
      WalkBoxes(contentStart, boxEnd, path, depth + 1);
    } else if (path == "file > meta") {
      // A full box: its version and flags come before the children.
      WalkBoxes(contentStart + 4, boxEnd, path, depth + 1);
      // An image file names its primary item: its size and depth, and the
      // images beside it, replace what the property walk found.
      if (MediaKind == 2) {
        const THEIFPrimaryImage primary = ReadHEIFPrimaryImage(*FStream, contentStart + 4, boxEnd);
        if (primary.HasPrimary) {
          Width = primary.Width;
          Height = primary.Height;
          ColorDepth = primary.Depth;
          ImageCount = primary.ImageCount;
        }
      }
    } else if (path == "file > moov > mvhd") {
      ReadMovieHeader();
    } else if (path == "file > moov > trak > tkhd") {
      ReadTrackHeader();
    } else if (path == "file > moov > trak > mdia > minf > stbl > stsd") {
      ReadSampleDescriptions();
    } else if (path == "file > moov > trak > mdia > minf > stbl > stsz") {
      ReadSampleSizeBox();
    } else if (path == "file > moov > trak > mdia > minf > stbl > stz2") {
      ReadCompactSampleSizeBox();
    } else if (path == "file > mdat") {
      if (size >= headerSize) MediaDataSize += size - headerSize;
    } else if (path == "file > moov > udta > meta") {
      ReadMetaDataBox();
    } else if (path == "file > meta > iprp > ipco > ispe") {
      ReadImageSpatialExtents();
    } else if (path == "file > meta > iprp > ipco > pixi") {
      ReadPixelInformation();
    }
    if (size == 0) return;
    if (size >= FFileSize - boxStart) return;
    boxStart += size;
  }
}

void TMediaInfoMP4::ReadMovieHeader() {
  if (Remaining() < 84) return;
  uint8_t versionAndFlags[4];
  ReadAt(versionAndFlags, 4);
  uint8_t b[80];
  uint32_t timescale = 0;
  uint64_t duration = 0;
  uint8_t rotation = 0;
  if (versionAndFlags[0] == 1) {
    ReadAt(b, 80);
    timescale = BE32(b + 16);
    duration = BE64(b + 20);
    rotation = b[57];
  } else if (versionAndFlags[0] == 0) {
    ReadAt(b, 68);
    timescale = BE32(b + 8);
    duration = BE32(b + 12);
    rotation = b[45];
  } else {
    return;
  }
  if (timescale != 0 && duration > 0) {
    DurationExact = static_cast<double>(duration) / timescale;
    Duration = ClampToInt32(std::nearbyint(DurationExact));
  }
  if (rotation != 0) SwapDimensions = true;
}

void TMediaInfoMP4::ReadTrackHeader() {
  if (Remaining() < 96) return;
  uint8_t versionAndFlags[4];
  ReadAt(versionAndFlags, 4);
  uint8_t b[92];
  uint16_t volume, width, height;
  uint8_t rotation;
  if (versionAndFlags[0] == 1) {
    ReadAt(b, 92);
    volume = BE16(b + 44);
    rotation = b[61];
    width = BE16(b + 84);
    height = BE16(b + 88);
  } else if (versionAndFlags[0] == 0) {
    ReadAt(b, 80);
    volume = BE16(b + 32);
    rotation = b[49];
    width = BE16(b + 72);
    height = BE16(b + 76);
  } else {
    return;
  }
  if (width > 0) Width = width;
  if (height > 0) Height = height;
  if (MediaKind == 2 && MajorBrand == "crx " && width > 0 && height > 0) ++ImageCount;
  if (width > 0 && height > 0 && rotation != 0) SwapDimensions = true;
  if (width > 0 && height > 0)
    CurrentTrackKind = 0;
  else if (volume > 0)
    CurrentTrackKind = 1;
  else
    CurrentTrackKind = 3;
}

void TMediaInfoMP4::ReadSampleDescriptions() {
  if (Remaining() < 42) return;
  uint8_t head[16];
  ReadAt(head, 16);
  const std::string format = FourCC(head + 12);
  if (CurrentTrackKind == 1 || (CurrentTrackKind == 3 && format == "mp4a")) {
    uint8_t b[26];
    size_t n = ReadAt(b, sizeof b);
    if (n >= 20 && BE16(b + 18) > 0 && n >= 26) AudioSampleRate = BE16(b + 24);
    if (n >= 18 && BE16(b + 16) > 0) AudioChannels = IntToChannels(BE16(b + 16));
    if (CurrentTrackKind == 3) CurrentTrackKind = 1;
  }
  if (CurrentTrackKind == 0 && MajorBrand != "crx ") {
    uint8_t b[36];
    size_t n = ReadAt(b, sizeof b);
    if (n >= 28 && BE16(b + 24) > 0 && BE16(b + 26) > 0) {
      Width = BE16(b + 24);
      Height = BE16(b + 26);
    }
  }
  if (format == "CRAW") {
    uint8_t b[82];
    size_t n = ReadAt(b, sizeof b);
    if (n >= 30) ResolutionX = BE16(b + 28);
    if (n >= 34) ResolutionY = BE16(b + 32);
    if (n >= 76) ColorDepth = BE16(b + 74);
  }
}

void TMediaInfoMP4::ReadSampleSizeBox() {
  if (Remaining() < 12) return;
  uint8_t b[12];
  ReadAt(b, 12);
  uint32_t count = BE32(b + 8);
  if (CurrentTrackKind == 0) SampleCount = count;
  if (MediaKind == 2 && MajorBrand != "crx ") ImageCount = static_cast<int32_t>(count);
}

void TMediaInfoMP4::ReadCompactSampleSizeBox() { ReadSampleSizeBox(); }

void TMediaInfoMP4::ReadImageSpatialExtents() {
  if (Remaining() < 12) return;
  uint8_t b[12];
  ReadAt(b, 12);
  int32_t width = static_cast<int32_t>(BE32(b + 4));
  int32_t height = static_cast<int32_t>(BE32(b + 8));
  if (width > Width || height > Height) {
    Width = width;
    Height = height;
  }
  ++ImageCount;
}

void TMediaInfoMP4::ReadPixelInformation() {
  uint8_t head[5];
  if (ReadAt(head, 5) < 5) return;
  uint8_t channels[255];
  size_t n = ReadAt(channels, head[4]);
  int32_t depth = 0;
  for (size_t i = 0; i < n; ++i) depth += channels[i];
  ColorDepth = depth;
}

void TMediaInfoMP4::ReadMetaDataBox() {
  if (!ReadMetaData || Remaining() < 24) return;
  const uint64_t contentStart = FPosition;
  uint8_t b[24];
  ReadAt(b, 24);
  const uint64_t handlerSize = BE32(b + 4);
  const uint64_t listBoxStart = contentStart + 4 + handlerSize;
  if (listBoxStart + 8 > FFileSize) return;
  FPosition = listBoxStart;
  uint8_t header[8];
  ReadAt(header, 8);
  if (FourCC(header + 4) != "ilst") return;
  const uint64_t listEnd = listBoxStart + BE32(header);
  uint64_t itemStart = listBoxStart + 8;
  while (itemStart + 24 <= FFileSize && itemStart < listEnd) {
    FPosition = itemStart;
    uint8_t item[24];
    ReadAt(item, 24);
    const uint64_t itemSize = BE32(item);
    if (itemSize == 0) break;
    if (itemSize > 24) {
      const uint64_t valueLength = itemSize - 24;
      if (itemStart + 24 + valueLength > FFileSize) break;
      const std::string id = item[4] == 0xA9 ? "\xA9" + std::string(reinterpret_cast<const char*>(item + 5), 3)
                                             : std::string(reinterpret_cast<const char*>(item + 4), 4);
      const uint32_t typeIndicator = BE32(item + 16);
      if (typeIndicator == 1) {
        std::string* field = nullptr;
        if (id ==
            "\xA9"
            "ART")
          field = &Artist;
        else if (id ==
                 "\xA9"
                 "nam")
          field = &Title;
        else if (id ==
                 "\xA9"
                 "alb")
          field = &Album;
        else if (id ==
                 "\xA9"
                 "day")
          field = &Year;
        else if (id ==
                 "\xA9"
                 "gen")
          field = &Genre;
        else if (id ==
                 "\xA9"
                 "cmt")
          field = &Comment;
        if (field && valueLength <= kMaxTextBytes) {
          std::string text(valueLength, '\0');
          size_t n = ReadAt(reinterpret_cast<uint8_t*>(text.data()), text.size());
          text.resize(n);
          *field = std::move(text);
        }
      } else if (typeIndicator == 0) {
        if (id == "trkn" || id == "disk") {
          uint8_t v[6];
          ReadAt(v, 6);
          const uint16_t number = BE16(v + 2);
          const uint16_t total = BE16(v + 4);
          std::string text = std::to_string(number);
          if (total > 0) text += "/" + std::to_string(total);
          (id == "trkn" ? Track : DiscNumber) = text;
        } else if (id == "gnre") {
          uint8_t v[2];
          ReadAt(v, 2);
          Genre = GetID3Genre(BE16(v));
        }
      }
    }
    const uint64_t next = itemStart + itemSize;
    if (next >= FFileSize || next >= listEnd) break;
    itemStart = next;
  }
}

std::string TMediaInfoMP4::GetID3Genre(int32_t code) {
  // iTunes codes are the ID3v1 genre numbers plus one; only the ID3 list's
  // empty entry 12 reads "Other" here.
  if (code < 1 || code > 80) return "";
  if (code == 13) return "Other";
  return Genres()[static_cast<size_t>(code - 1)];
}
