#include "fileinfo/iso_media_boxes.h"

#include "fileinfo/heif_items.h"
#include "fileinfo/id3_tags.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <vector>

#include "fileinfo/audio_codecs.h"
#include "fileinfo/id3_tags.h"
#include "fileinfo/read_ahead_stream.h"

namespace {

uint16_t BE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
uint32_t BE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         p[3];
}
uint64_t BE64(const uint8_t* p) { return static_cast<uint64_t>(BE32(p)) << 32 | BE32(p + 4); }

constexpr uint32_t FourCCValue(const char (&t)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(t[0])) << 24 |
         static_cast<uint32_t>(static_cast<uint8_t>(t[1])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(t[2])) << 8 | static_cast<uint8_t>(t[3]);
}

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
  static const char* const kVideo[] = {"MSNV", "mp42", "mp4v", "qt  ", "M4V ", "f4v "};
  // Audiobooks ("M4B "), protected music ("M4P ") and Adobe's audio brands.
  static const char* const kAudio[] = {"M4A ", "dash", "M4B ", "M4P ", "f4a ", "f4b "};
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
// Tracks whose timescales and fragments are followed.
constexpr size_t kMaxTracks = 64;
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
  FMovieTimescale = 0;
  FFragmentDuration = 0;
  FCurrentTrackId = 0;
  FVideoSeconds = 0;
  FAudioTaken = false;
  FTracks.clear();
  FFragment = TFragment();
  AudioCodec.clear();
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
  if (count == 0) return 0;
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
  std::unique_ptr<TStream> file = OpenStreamForReading(FileName);
  if (!file) throw EStreamError("Cannot open file \"" + FileName + "\"");
  // Box heads are read one after another: through a read-ahead block.
  FStream = std::make_unique<TReadAheadStream>(std::move(file));
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
  WalkBoxes(0, FFileSize, TBoxLevel::File, 0);
  // A fragmented file names its play time in the movie extends header, or
  // only through the durations of its fragments' samples.
  if (DurationExact == 0 && FMovieTimescale != 0 && FFragmentDuration > 0)
    DurationExact = static_cast<double>(FFragmentDuration) / FMovieTimescale;
  if (DurationExact == 0) {
    for (const TTrack& t : FTracks)
      if (t.Timescale != 0) DurationExact = std::max(DurationExact, static_cast<double>(t.FragmentEnd) / t.Timescale);
  }
  Duration = ClampToInt32(std::nearbyint(DurationExact));
  const double videoSeconds = FVideoSeconds > 0 ? FVideoSeconds : DurationExact;
  if (SampleCount != 0 && videoSeconds > 0) VideoFramesPerSecond = SampleCount / videoSeconds;
  if (SwapDimensions) std::swap(Width, Height);
  if (MediaDataSize != 0 && DurationExact > 0)
    Bitrate = ClampToInt32(static_cast<double>(MediaDataSize) / DurationExact / 125 + 0.5);
  return true;
}

// The walk of one level. Children are walked only inside their parent box
// (and never past the end of the file), so every box is read once per level
// and a file of many small boxes costs linear time.
void TMediaInfoMP4::WalkBoxes(uint64_t start, uint64_t end, TBoxLevel level, int depth) {
  if (depth > kMaxDepth) return;
  end = std::min(end, FFileSize);
  uint64_t boxStart = start;
  while (boxStart < end) {
    FPosition = boxStart;
    if (Remaining() < 24) return;
    uint8_t header[16];
    ReadAt(header, 8);
    uint64_t size = BE32(header);
    const uint32_t type = BE32(header + 4);
    uint64_t headerSize = 8;
    if (size == 1) {
      ReadAt(header + 8, 8);
      size = BE64(header + 8);
      headerSize = 16;
    }
    // A box smaller than its own header is no box: the level ends there.
    if (size != 0 && size < headerSize) return;
    const uint64_t contentStart = boxStart + headerSize;
    const uint64_t boxEnd = size == 0 || size > FFileSize - boxStart ? FFileSize : boxStart + size;
    auto walk = [&](TBoxLevel child) { WalkBoxes(contentStart, boxEnd, child, depth + 1); };
    switch (level) {
      case TBoxLevel::File:
        if (type == FourCCValue("moov"))
          walk(TBoxLevel::Moov);
        else if (type == FourCCValue("mdat") && size >= headerSize)
          MediaDataSize += size - headerSize;
        // A full box: its version and flags come before the children.
        else if (type == FourCCValue("meta")) {
          WalkBoxes(contentStart + 4, boxEnd, TBoxLevel::Meta, depth + 1);
          // An image file names its primary item: its size and depth, and the
          // images beside it, replace what the property walk found.
          // Without a primary item the file names no image to show (heif-info
          // refuses it so): the properties of every item are no result.
          if (MediaKind == 2) {
            const THEIFPrimaryImage primary = ReadHEIFPrimaryImage(*FStream, contentStart + 4, boxEnd);
            if (primary.HasPrimary || MajorBrand != "crx ") {
              Width = primary.Width;
              Height = primary.Height;
              ColorDepth = primary.Depth;
              ImageCount = primary.ImageCount;
            }
          }
        } else if (type == FourCCValue("moof"))
          walk(TBoxLevel::Moof);
        break;
      case TBoxLevel::Moov:
        if (type == FourCCValue("mvhd"))
          ReadMovieHeader();
        else if (type == FourCCValue("trak"))
          walk(TBoxLevel::Trak);
        else if (type == FourCCValue("udta"))
          walk(TBoxLevel::Udta);
        else if (type == FourCCValue("mvex"))
          walk(TBoxLevel::Mvex);
        break;
      case TBoxLevel::Trak:
        if (type == FourCCValue("tkhd"))
          ReadTrackHeader();
        else if (type == FourCCValue("mdia"))
          walk(TBoxLevel::Mdia);
        break;
      case TBoxLevel::Mdia:
        if (type == FourCCValue("mdhd"))
          ReadMediaHeader();
        else if (type == FourCCValue("minf"))
          walk(TBoxLevel::Minf);
        break;
      case TBoxLevel::Minf:
        if (type == FourCCValue("stbl")) walk(TBoxLevel::Stbl);
        break;
      case TBoxLevel::Stbl:
        if (type == FourCCValue("stsd"))
          ReadSampleDescriptions(boxEnd);
        else if (type == FourCCValue("stsz"))
          ReadSampleSizeBox();
        else if (type == FourCCValue("stz2"))
          ReadCompactSampleSizeBox();
        break;
      case TBoxLevel::Udta:
        if (type == FourCCValue("meta")) ReadMetaDataBox();
        break;
      case TBoxLevel::Meta:
        if (type == FourCCValue("iprp")) walk(TBoxLevel::Iprp);
        break;
      case TBoxLevel::Iprp:
        if (type == FourCCValue("ipco")) walk(TBoxLevel::Ipco);
        break;
      case TBoxLevel::Ipco:
        if (type == FourCCValue("ispe"))
          ReadImageSpatialExtents();
        else if (type == FourCCValue("pixi"))
          ReadPixelInformation();
        break;
      case TBoxLevel::Mvex:
        if (type == FourCCValue("mehd"))
          ReadMovieExtendsHeader();
        else if (type == FourCCValue("trex"))
          ReadTrackExtends();
        break;
      case TBoxLevel::Moof:
        if (type == FourCCValue("traf")) {
          FFragment = TFragment();
          walk(TBoxLevel::Traf);
          EndTrackFragment();
        }
        break;
      case TBoxLevel::Traf:
        if (type == FourCCValue("tfhd"))
          ReadTrackFragmentHeader();
        else if (type == FourCCValue("tfdt"))
          ReadTrackFragmentDecodeTime();
        else if (type == FourCCValue("trun"))
          ReadTrackRun(boxEnd);
        break;
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
  FMovieTimescale = timescale;
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
    FCurrentTrackId = BE32(b + 16);
    volume = BE16(b + 44);
    rotation = b[61];
    width = BE16(b + 84);
    height = BE16(b + 88);
  } else if (versionAndFlags[0] == 0) {
    ReadAt(b, 80);
    FCurrentTrackId = BE32(b + 8);
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

void TMediaInfoMP4::ReadSampleDescriptions(uint64_t boxEnd) {
  if (Remaining() < 42) return;
  uint8_t head[16];
  ReadAt(head, 16);
  const uint64_t entryStart = FPosition - 8;
  const uint64_t entryEnd = std::min<uint64_t>(boxEnd, entryStart + BE32(head + 8));
  const std::string format = FourCC(head + 12);
  if (CurrentTrackKind == 1 || (CurrentTrackKind == 3 && format == "mp4a")) {
    uint8_t b[26];
    size_t n = ReadAt(b, sizeof b);
    const uint16_t version = n >= 10 ? BE16(b + 8) : 0;
    int32_t channels = n >= 18 ? BE16(b + 16) : 0;
    int32_t rate = n >= 26 ? BE16(b + 24) : 0;
    // QuickTime's sound description of version 2 holds the rate as a double
    // and the channel count in 32 bits; version 1 adds 16 bytes.
    uint64_t children = entryStart + 36;
    if (version == 1) children += 16;
    if (version == 2) {
      uint8_t v2[36];
      if (ReadAt(v2, sizeof v2) == sizeof v2) {
        double r;
        const uint64_t bits = BE64(v2 + 4);
        std::memcpy(&r, &bits, 8);
        rate = r > 0 && r < 1e9 ? static_cast<int32_t>(std::nearbyint(r)) : 0;
        channels = static_cast<int32_t>(std::min<uint32_t>(BE32(v2 + 12), 65535));
      }
      children += 36;
    }
    // The decoder configuration knows the channels (the entry's count is a
    // fixed 2 for some writers) and the rates above 65535 Hz, which the
    // entry's 16-bit field cannot hold.
    const TAudioConfig config = ReadAudioConfig(children, entryEnd, 0);
    if (config.Channels > 0) channels = config.Channels;
    if (rate == 0) rate = config.SampleRate;
    if (rate == 0) rate = static_cast<int32_t>(std::min<uint32_t>(CurrentTrack().Timescale, INT32_MAX));
    // The first audio track is reported, as ffprobe and the players take it.
    if (!FAudioTaken) {
      FAudioTaken = true;
      if (n >= 20 && BE16(b + 18) > 0 && n >= 26) AudioSampleRate = rate;
      if (channels > 0) AudioChannels = IntToChannels(channels);
      AudioCodec = IsoSampleEntryCodecName(format, config.ObjectType);
    }
    if (CurrentTrackKind == 3) CurrentTrackKind = 1;
    FPosition = entryStart + 8 + 26;
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

// The boxes of an audio sample entry that configure its decoder: "esds"
// (AAC and the other MPEG-4 audio), "alac", "dOps" (Opus), "dfLa" (FLAC),
// "dac3" (AC-3), and QuickTime's "wave" box that holds them.
TMediaInfoMP4::TAudioConfig TMediaInfoMP4::ReadAudioConfig(uint64_t start, uint64_t end, int depth) {
  TAudioConfig config;
  end = std::min(end, FFileSize);
  uint64_t at = start;
  while (depth < 4 && at + 8 <= end) {
    FPosition = at;
    uint8_t h[8];
    ReadAt(h, 8);
    const uint64_t size = BE32(h);
    if (size < 8 || size > end - at) break;
    const uint32_t type = BE32(h + 4);
    const size_t length = static_cast<size_t>(std::min<uint64_t>(size - 8, 4096));
    std::vector<uint8_t> d(length);
    const size_t n = ReadAt(d.data(), length);
    d.resize(n);
    if (type == FourCCValue("esds")) {
      ReadElementaryStreamDescriptor(d, config);
    } else if (type == FourCCValue("alac") && n >= 28) {
      config.Channels = d[4 + 9];
      config.SampleRate = static_cast<int32_t>(std::min<uint32_t>(BE32(d.data() + 4 + 20), INT32_MAX));
    } else if (type == FourCCValue("dOps") && n >= 2) {
      config.Channels = d[1];
    } else if (type == FourCCValue("dfLa") && n >= 4 + 4 + 13) {
      const uint8_t* info = d.data() + 8;
      config.SampleRate = static_cast<int32_t>(info[10] << 12 | info[11] << 4 | info[12] >> 4);
      config.Channels = ((info[12] >> 1) & 7) + 1;
    } else if (type == FourCCValue("dac3") && n >= 3) {
      static const int32_t kFullChannels[8] = {2, 1, 2, 3, 3, 4, 4, 5};
      const uint32_t v = static_cast<uint32_t>(d[0]) << 16 | static_cast<uint32_t>(d[1]) << 8 | d[2];
      config.Channels = kFullChannels[(v >> 11) & 7] + static_cast<int32_t>((v >> 10) & 1);
    } else if (type == FourCCValue("wave")) {
      const TAudioConfig inner = ReadAudioConfig(at + 8, at + size, depth + 1);
      if (inner.Channels > 0) config.Channels = inner.Channels;
      if (inner.SampleRate > 0) config.SampleRate = inner.SampleRate;
      if (inner.ObjectType > 0) config.ObjectType = inner.ObjectType;
    }
    at += size;
  }
  return config;
}

void TMediaInfoMP4::ReadSampleSizeBox() {
  if (Remaining() < 12) return;
  uint8_t b[12];
  ReadAt(b, 12);
  uint32_t count = BE32(b + 8);
  if (CurrentTrackKind == 0) {
    SampleCount = count;
    // The frame rate is the video track's own: samples over its media's play
    // time. The movie's play time may hold a longer chapter or sound track,
    // or edits that leave out a part of the video.
    const TTrack& t = CurrentTrack();
    FVideoSeconds = t.Timescale != 0 ? static_cast<double>(t.MediaDuration) / t.Timescale : 0;
  }
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

namespace {

// The length of an MPEG-4 descriptor: up to four bytes of seven bits each.
bool DescriptorLength(const std::vector<uint8_t>& d, size_t& at, size_t& length) {
  length = 0;
  for (int i = 0; i < 4; ++i) {
    if (at >= d.size()) return false;
    const uint8_t b = d[at++];
    length = length << 7 | (b & 0x7F);
    if (!(b & 0x80)) return true;
  }
  return true;
}

// Reads bits of an AudioSpecificConfig, most significant first; 0 beyond it.
class TBitReader {
 public:
  TBitReader(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
  uint32_t Bits(int count) {
    uint32_t v = 0;
    for (int i = 0; i < count; ++i, ++FBit) {
      const size_t byte = FBit / 8;
      const uint32_t bit = byte < FSize ? (FData[byte] >> (7 - FBit % 8)) & 1 : 0;
      v = v << 1 | bit;
    }
    return v;
  }

 private:
  const uint8_t* FData;
  size_t FSize;
  size_t FBit = 0;
};

constexpr int32_t kAacRates[13] = {96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                   22050, 16000, 12000, 11025, 8000,  7350};

int32_t AacRate(TBitReader& r) {
  const uint32_t index = r.Bits(4);
  if (index == 15) return static_cast<int32_t>(r.Bits(24));
  return index < 13 ? kAacRates[index] : 0;
}

}  // namespace

void TMediaInfoMP4::ReadElementaryStreamDescriptor(const std::vector<uint8_t>& d, TAudioConfig& config) {
  // After the version and flags: ES descriptor (tag 3) → decoder config
  // descriptor (tag 4, with the object type) → decoder specific info (tag 5,
  // the AudioSpecificConfig of AAC).
  size_t at = 4;
  size_t length = 0;
  if (at >= d.size() || d[at++] != 3 || !DescriptorLength(d, at, length)) return;
  if (at + 3 > d.size()) return;
  const uint8_t esFlags = d[at + 2];
  at += 3;
  if (esFlags & 0x80) at += 2;
  if ((esFlags & 0x40) && at < d.size()) at += 1 + d[at];
  if (esFlags & 0x20) at += 2;
  if (at >= d.size() || d[at++] != 4 || !DescriptorLength(d, at, length)) return;
  if (at + 13 > d.size()) return;
  config.ObjectType = d[at];
  at += 13;
  if (at >= d.size() || d[at++] != 5 || !DescriptorLength(d, at, length)) return;
  if (config.ObjectType != 0x40 && !(config.ObjectType >= 0x66 && config.ObjectType <= 0x68)) return;
  TBitReader r(d.data() + at, std::min(length, d.size() - at));
  uint32_t objectType = r.Bits(5);
  if (objectType == 31) objectType = 32 + r.Bits(6);
  config.SampleRate = AacRate(r);
  const uint32_t channelConfig = r.Bits(4);
  // Spectral band replication names the rate of its output.
  if (objectType == 5 || objectType == 29) {
    const int32_t extended = AacRate(r);
    if (extended > 0) config.SampleRate = extended;
  }
  static const int32_t kChannels[16] = {0, 1, 2, 3, 4, 5, 6, 8, 0, 0, 0, 7, 8, 24, 8, 0};
  config.Channels = kChannels[channelConfig];
  // Parametric stereo makes two channels of one.
  if (objectType == 29 && config.Channels == 1) config.Channels = 2;
}

TMediaInfoMP4::TTrack& TMediaInfoMP4::CurrentTrack() { return TrackById(FCurrentTrackId); }

TMediaInfoMP4::TTrack& TMediaInfoMP4::TrackById(uint32_t id) {
  for (TTrack& t : FTracks)
    if (t.Id == id) return t;
  // A file names a handful of tracks; beyond kMaxTracks they share one entry.
  if (FTracks.size() >= kMaxTracks) return FTracks.back();
  FTracks.push_back(TTrack());
  FTracks.back().Id = id;
  return FTracks.back();
}

void TMediaInfoMP4::ReadMediaHeader() {
  uint8_t b[32];
  const size_t n = ReadAt(b, 32);
  if (n < 20) return;
  // Version 1: two 64-bit dates before the timescale and a 64-bit duration;
  // version 0: 32-bit ones.
  TTrack& t = CurrentTrack();
  if (b[0] == 1) {
    if (n < 24) return;
    t.Timescale = BE32(b + 20);
    t.MediaDuration = n >= 32 ? BE64(b + 24) : 0;
  } else {
    t.Timescale = BE32(b + 12);
    t.MediaDuration = BE32(b + 16);
  }
}

void TMediaInfoMP4::ReadMovieExtendsHeader() {
  uint8_t b[12];
  const size_t n = ReadAt(b, 12);
  if (n >= 12 && b[0] == 1)
    FFragmentDuration = BE64(b + 4);
  else if (n >= 8)
    FFragmentDuration = BE32(b + 4);
}

void TMediaInfoMP4::ReadTrackExtends() {
  uint8_t b[16];
  if (ReadAt(b, 16) < 16) return;
  TrackById(BE32(b + 4)).DefaultSampleDuration = BE32(b + 12);
}

void TMediaInfoMP4::ReadTrackFragmentHeader() {
  uint8_t b[8];
  if (ReadAt(b, 8) < 8) return;
  const uint32_t flags = BE32(b) & 0xFFFFFF;
  FFragment.TrackId = BE32(b + 4);
  FFragment.Known = true;
  FFragment.DefaultDuration = TrackById(FFragment.TrackId).DefaultSampleDuration;
  // Optional fields in this order: base data offset (8 bytes), sample
  // description index (4), default sample duration (4).
  uint8_t o[12];
  const size_t n = ReadAt(o, 12);
  size_t at = 0;
  if (flags & 0x01) at += 8;
  if (flags & 0x02) at += 4;
  if ((flags & 0x08) && at + 4 <= n) FFragment.DefaultDuration = BE32(o + at);
}

void TMediaInfoMP4::ReadTrackFragmentDecodeTime() {
  uint8_t b[12];
  const size_t n = ReadAt(b, 12);
  if (n >= 12 && b[0] == 1) {
    FFragment.DecodeTime = BE64(b + 4);
    FFragment.HasDecodeTime = true;
  } else if (n >= 8 && b[0] == 0) {
    FFragment.DecodeTime = BE32(b + 4);
    FFragment.HasDecodeTime = true;
  }
}

void TMediaInfoMP4::ReadTrackRun(uint64_t boxEnd) {
  uint8_t b[8];
  if (ReadAt(b, 8) < 8) return;
  const uint32_t flags = BE32(b) & 0xFFFFFF;
  const uint64_t count = BE32(b + 4);
  if (flags & 0x001) FPosition += 4;  // data offset
  if (flags & 0x004) FPosition += 4;  // first sample's flags
  if (!(flags & 0x100)) {
    FFragment.Duration += count * FFragment.DefaultDuration;
    return;
  }
  // Per sample: duration, size, flags and composition offset, as flagged.
  const uint64_t entrySize =
      4 * ((flags & 0x100 ? 1 : 0) + (flags & 0x200 ? 1 : 0) + (flags & 0x400 ? 1 : 0) + (flags & 0x800 ? 1 : 0));
  const uint64_t fits = FPosition < boxEnd ? (boxEnd - FPosition) / entrySize : 0;
  for (uint64_t i = 0; i < std::min(count, fits); ++i) {
    uint8_t e[16];
    if (ReadAt(e, static_cast<size_t>(entrySize)) < entrySize) break;
    FFragment.Duration += BE32(e);
  }
}

void TMediaInfoMP4::EndTrackFragment() {
  if (!FFragment.Known) return;
  TTrack& t = TrackById(FFragment.TrackId);
  const uint64_t start = FFragment.HasDecodeTime ? FFragment.DecodeTime : t.FragmentEnd;
  t.FragmentEnd = std::max(t.FragmentEnd, start + FFragment.Duration);
}

std::string TMediaInfoMP4::GetID3Genre(int32_t code) {
  // iTunes codes are the ID3v1 genre numbers plus one; only the ID3 list's
  // empty entry 12 reads "Other" here.
  if (code < 1 || code > 80) return "";
  if (code == 13) return "Other";
  return Genres()[static_cast<size_t>(code - 1)];
}
