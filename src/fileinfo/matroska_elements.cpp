#include "fileinfo/matroska_elements.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "fileinfo/audio_codecs.h"
#include "fileinfo/media_rounding.h"
#include "fileinfo/read_ahead_stream.h"

namespace {

// The deepest regular nesting is a few levels (Segment, Tags, Tag, SimpleTag
// and nested SimpleTags); a file may nest masters without end.
constexpr int32_t kMaxDepth = 32;

// The target level of a Tag that names none.
constexpr int32_t kDefaultTargetTypeValue = 50;
// Codec ids are short ASCII texts ("A_AAC/MPEG4/LC").
constexpr int64_t kMaxCodecIdBytes = 256;

}  // namespace

void TMediaInfoBaseClass::Reset() {
  FileName.clear();
  Opened = HasAudio = HasVideo = false;
  MediaType = 3;
  Stream.reset();
  Duration = 0;
  DurationExact = 0;
  Width = Height = 0;
  AudioSampleRate = 0;
  ImageCount = 0;
  ColorDepth = 0;
  AudioChannels = aicUnknown;
  AudioCodec.clear();
  Artist.clear();
  Title.clear();
  Album.clear();
  Track.clear();
  Year.clear();
  Genre.clear();
  DiscNumber.clear();
  Comment.clear();
}

bool TMediaInfoBaseClass::Open(const std::string& fileName) {
  if (Opened) Reset();
  std::error_code ec;
  if (fileName.empty() || !std::filesystem::exists(fileName, ec) || std::filesystem::is_directory(fileName, ec))
    return false;
  FileName = fileName;
  std::unique_ptr<TStream> file = OpenStreamForReading(fileName);
  if (!file) throw EStreamError("Cannot open file \"" + fileName + "\"");
  // The walk reads element heads of a few bytes each, one after another.
  Stream = std::make_unique<TReadAheadStream>(std::move(file));
  if (Stream->GetSize() < 24) return false;
  Opened = true;
  return true;
}

bool TMediaInfoMatroska::GetData(const std::string& fileName) {
  Reset();
  if (!Open(fileName)) return false;
  return Read();
}

bool TMediaInfoMatroska::Open(const std::string& fileName) {
  const bool result = TMediaInfoBaseClass::Open(fileName);
  if (Stream) {
    uint8_t magic[4] = {};
    Stream->SetPosition(0);
    if (Stream->Read(magic, 4) == 4 && magic[0] == 0x1A && magic[1] == 0x45 && magic[2] == 0xDF && magic[3] == 0xA3)
      Stream->SetPosition(0);
  }
  return result;
}

int64_t TMediaInfoMatroska::ReadLen(int32_t& sizeLength) {
  uint8_t b[8] = {};
  const int64_t start = Stream->GetPosition();
  Stream->Read(b, 8);
  if (b[0] == 0) {
    sizeLength = 9;
    Stream->SetPosition(start + 8);
    return 0;
  }
  int32_t length = 1;
  while (!(b[0] & (0x80 >> (length - 1)))) ++length;
  b[0] = static_cast<uint8_t>(b[0] & ~(0x80 >> (length - 1)));
  uint64_t value = 0;
  for (int32_t i = 0; i < length; ++i) value = value << 8 | b[i];
  Stream->SetPosition(start + length);
  sizeLength = length;
  return static_cast<int64_t>(value);
}

bool TMediaInfoMatroska::ReadNextElementID(uint64_t& id, int32_t& sizeLength, int64_t& size, int64_t& elementStart,
                                           int64_t& dataStart, int64_t& elementEnd) {
  // The ID (up to 9 bytes counted) and the size (up to 8) in one read; bytes
  // beyond the end of the stream count as 0, as ReadLen takes them.
  elementStart = Stream->GetPosition();
  uint8_t b[17] = {};
  Stream->Read(b, sizeof b);
  int32_t idLength = 9;
  if (b[0] != 0) {
    idLength = 1;
    while (!(b[0] & (0x80 >> (idLength - 1)))) ++idLength;
  }
  id = 0;
  if (idLength <= 8)
    for (int32_t i = 0; i < idLength; ++i) id = id << 8 | b[i];
  uint8_t* v = b + idLength;
  if (v[0] == 0) {
    sizeLength = 9;
    size = 0;
    dataStart = elementStart + idLength + 8;
  } else {
    int32_t length = 1;
    while (!(v[0] & (0x80 >> (length - 1)))) ++length;
    uint64_t value = v[0] & ~(0x80u >> (length - 1)) & 0xFF;
    for (int32_t i = 1; i < length; ++i) value = value << 8 | v[i];
    sizeLength = length;
    size = static_cast<int64_t>(value);
    dataStart = elementStart + idLength + length;
  }
  Stream->SetPosition(dataStart);
  // Sizes are at most 56 bits, so the end never overflows.
  elementEnd = dataStart + size;
  return true;
}

uint64_t TMediaInfoMatroska::ReadDataUInt(int64_t size) {
  if (size < 1 || size > 8) return 0;
  uint8_t b[8] = {};
  Stream->Read(b, size);
  uint64_t v = 0;
  for (int64_t i = 0; i < size; ++i) v = v << 8 | b[i];
  return v;
}

double TMediaInfoMatroska::ReadDataFloat(int64_t size) {
  uint8_t b[8] = {};
  if (size == 4) {
    Stream->Read(b, 4);
    const uint32_t bits =
        static_cast<uint32_t>(b[0]) << 24 | static_cast<uint32_t>(b[1]) << 16 | static_cast<uint32_t>(b[2]) << 8 | b[3];
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
  }
  if (size == 8) {
    Stream->Read(b, 8);
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = bits << 8 | b[i];
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
  }
  return 0;
}

void TMediaInfoMatroska::ReadDataStr(std::string& text, int64_t size) {
  // Never more than the file still holds.
  const int64_t available = std::max<int64_t>(0, Stream->GetSize() - Stream->GetPosition());
  text.assign(static_cast<size_t>(std::clamp<int64_t>(size, 0, available)), '\0');
  if (!text.empty())
    text.resize(
        static_cast<size_t>(std::max<int64_t>(Stream->Read(text.data(), static_cast<int64_t>(text.size())), 0)));
}

namespace {

// The field a simple tag fills, by its name and its Tag's level (-1: none).
// A Tag that names no level stands at the album level, yet its PART_NUMBER
// is the track's number: ffmpeg writes a file's track number so, and
// ffprobe reads it back as such; a disc number comes only from an album
// level that a Tag names itself or from the names DISC and DISCNUMBER.
int32_t TagFieldOf(int32_t level, bool levelNamed, const std::string& name) {
  enum { kTitle, kAlbum, kTrack, kDisc, kArtist, kComment, kGenre, kYear };
  if (name == "TITLE") return level == 30 ? kTitle : level == 50 ? kAlbum : -1;
  if (name == "PART_NUMBER") {
    if (level == 30 || (level == 50 && !levelNamed)) return kTrack;
    return level == 50 ? kDisc : -1;
  }
  if (name == "DISC" || name == "DISCNUMBER") return kDisc;
  if (name == "ARTIST") return kArtist;
  if (name == "COMMENT") return kComment;
  if (name == "GENRE") return kGenre;
  if (name == "DATE_RECORDED") return kYear;
  return -1;
}

// A file's tags are a handful; texts aimed at tracks beyond this many are
// not kept while the walk looks for the reported track.
constexpr size_t kMaxTrackTagTexts = 256;

}  // namespace

void TMediaInfoMatroska::SetMetaData(int32_t targetTypeValue, const std::string& tagName, const std::string& value) {
  std::string* const fields[] = {&Title, &Album, &Track, &DiscNumber, &Artist, &Comment, &Genre, &Year};
  const int32_t field = TagFieldOf(targetTypeValue, true, tagName);
  if (field >= 0) *fields[field] = value;
}

void TMediaInfoMatroska::TakeTagText(TWalkState& state, const std::string& value) {
  // A Tag aimed at a track and naming no level describes that track.
  const int32_t level = state.TargetTypeNamed    ? state.TargetTypeValue
                        : state.TagTrackUID != 0 ? 30
                                                 : kDefaultTargetTypeValue;
  const int32_t field = TagFieldOf(level, state.TargetTypeNamed || state.TagTrackUID != 0, state.TagName);
  if (field < 0) return;
  const bool albumLevel = level >= kDefaultTargetTypeValue;
  if (state.TagTrackUID == 0) {
    state.Texts[albumLevel ? 0 : 1][field] = value;
  } else if (state.TrackTagTexts.size() < kMaxTrackTagTexts) {
    state.TrackTagTexts.push_back({state.TagTrackUID, static_cast<TTagField>(field), albumLevel, value});
  }
}

void TMediaInfoMatroska::TakeTrackEntry(TWalkState& state) {
  const TTrackEntry& t = state.Track;
  // The first audio track is reported, as the players and ffprobe take it.
  if (t.Type == 2 && !state.AudioTaken) {
    state.AudioTaken = true;
    state.AudioTrackUID = t.UID;
    AudioCodec = MatroskaCodecName(t.CodecID);
    AudioSampleRate = t.SampleRate;
    AudioChannels = t.Channels;
  }
  if (t.Width > 0 && t.Height > 0 && !state.VideoTaken) {
    state.VideoTaken = true;
    Width = t.Width;
    Height = t.Height;
  }
}

void TMediaInfoMatroska::ReadElements(int64_t parentEnd, int32_t depth, TWalkState& state) {
  if (depth > kMaxDepth) return;
  const int64_t streamSize = Stream->GetSize();
  while (true) {
    // An element without data holds no children: reading on would walk the
    // elements after it once more at this level, and doubly so for each empty
    // master in a row.
    if (Stream->GetPosition() >= parentEnd) return;
    uint64_t id;
    int32_t sizeLength;
    int64_t size, elementStart, dataStart, elementEnd;
    ReadNextElementID(id, sizeLength, size, elementStart, dataStart, elementEnd);
    // A child ends where its parent ends at the latest: a master claiming
    // more would have its children walked again by every level around it.
    auto walkInto = [&] { ReadElements(std::min(elementEnd, parentEnd), depth + 1, state); };
    switch (id) {
      case 0xAE: {  // TrackEntry
        TTrackEntry outer = std::move(state.Track);
        state.Track = TTrackEntry();
        walkInto();
        TakeTrackEntry(state);
        state.Track = std::move(outer);
        break;
      }
      case 0x1A45DFA3:  // EBML header
      case 0x18538067:  // Segment
      case 0x1549A966:  // Info
      case 0x1654AE6B:  // Tracks
      case 0xE0:        // Video
      case 0xE1:        // Audio
      case 0x63C0:      // Targets
        walkInto();
        break;
      case 0x1254C367:  // Tags
        if (ReadMetaData) walkInto();
        break;
      case 0x7373:  // Tag
        // A Tag without a TargetTypeValue stands at the album level.
        state.TargetTypeValue = kDefaultTargetTypeValue;
        state.TargetTypeNamed = false;
        state.TagTrackUID = 0;
        walkInto();
        break;
      case 0x67C8:  // SimpleTag
        state.TagName.clear();
        walkInto();
        break;
      case 0x68CA:
        state.TargetTypeValue = static_cast<int32_t>(ReadDataUInt(size));
        state.TargetTypeNamed = true;
        break;
      case 0x63C5:  // TagTrackUID; 0 aims at every track
        if (state.TagTrackUID == 0) state.TagTrackUID = ReadDataUInt(size);
        break;
      case 0x73C5: state.Track.UID = ReadDataUInt(size); break;  // TrackUID
      case 0x45A3: ReadDataStr(state.TagName, size); break;
      case 0x4487: {
        std::string value;
        ReadDataStr(value, size);
        TakeTagText(state, value);
        break;
      }
      case 0x2AD7B1: state.TimecodeScale = static_cast<int32_t>(ReadDataUInt(size)); break;
      case 0x4489: state.SegmentDuration = ReadDataFloat(size); break;
      case 0x83: {
        const uint64_t type = ReadDataUInt(size);
        if (type == 1) HasVideo = true;
        if (type == 2) HasAudio = true;
        state.Track.Type = static_cast<int32_t>(type);
        break;
      }
      case 0x86: ReadDataStr(state.Track.CodecID, std::min<int64_t>(size, kMaxCodecIdBytes)); break;  // CodecID
      case 0x7BA9: ReadDataStr(state.SegmentTitle, size); break;                                      // Title of Info
      case 0xB0: state.Track.Width = static_cast<int32_t>(ReadDataUInt(size)); break;
      case 0xBA: state.Track.Height = static_cast<int32_t>(ReadDataUInt(size)); break;
      case 0xB5: state.Track.SampleRate = RoundToInt32(ReadDataFloat(size)); break;
      case 0x9F: state.Track.Channels = IntToChannels(static_cast<int32_t>(ReadDataUInt(size))); break;
      case 0x1F43B675: state.ClusterBytes += size - 10; break;  // Cluster
      default: break;
    }
    Stream->SetPosition(std::min(elementEnd, streamSize));
    if (elementEnd + 8 >= streamSize || elementEnd >= parentEnd) return;
  }
}

bool TMediaInfoMatroska::Read() {
  TWalkState state;
  ReadElements(Stream->GetSize(), 0, state);
  // A track's own texts count only for the track reported.
  for (const TTrackTagText& t : state.TrackTagTexts)
    if (state.AudioTaken && t.TrackUID == state.AudioTrackUID) state.Texts[t.AlbumLevel ? 0 : 1][t.Field] = t.Value;
  std::string* const fields[tfCount] = {&Title, &Album, &Track, &DiscNumber, &Artist, &Comment, &Genre, &Year};
  for (int32_t f = 0; f < tfCount; ++f) *fields[f] = !state.Texts[0][f].empty() ? state.Texts[0][f] : state.Texts[1][f];
  RefreshMediaType();
  // The segment's own title names the file; a title tag of the track level
  // (30) names it more closely.
  if (Title.empty()) Title = state.SegmentTitle;
  // A live stream's writer may store an infinite duration: no play time.
  if (std::isfinite(state.SegmentDuration) && state.SegmentDuration > 0) {
    DurationExact =
        state.TimecodeScale > 0 ? state.TimecodeScale * state.SegmentDuration / 1e9 : state.SegmentDuration / 1000;
    Duration = RoundToInt32(DurationExact);
  }
  if (DurationExact > 0) Bitrate = RoundToInt32(static_cast<double>(state.ClusterBytes) * 8 / (DurationExact * 1000));
  return true;
}
