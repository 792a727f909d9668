#include "fileinfo/id3_tags.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "fileinfo/read_ahead_stream.h"
#include "fileinfo/zlib_inflate.h"
#include "foundation/code_pages.h"
#include "foundation/number_format.h"
#include "foundation/utf8.h"

namespace {

const char* const kKnownID3v2_2_IDs[23] = {"TP1", "TT2", "TAL", "TYE", "TCO", "COM", "TRK", "ULT",
                                           "PIC", "TCM", "TOA", "TCR", "TEN", "TLA", "TSS", "TMT",
                                           "TLE", "TPB", "TOF", "TOL", "TOR", "TOT", "TPA"};
const char* const kKnownID3v2_3_IDs[23] = {"TPE1", "TIT2", "TALB", "TYER", "TCON", "COMM", "TRCK", "USLT",
                                           "APIC", "TCOM", "TOPE", "TCOP", "TENC", "TLAN", "TSSE", "TMED",
                                           "TLEN", "TPUB", "TOFN", "TOLY", "TORY", "TOAL", "TPOS"};
const char* const kKnownID3v2_4_IDs[23] = {"TPE1", "TIT2", "TALB", "TDRC", "TCON", "COMM", "TRCK", "USLT",
                                           "APIC", "TCOM", "TOPE", "TCOP", "TENC", "TLAN", "TSSE", "TMED",
                                           "TLEN", "TPUB", "TOFN", "TOLY", "TDOR", "TOAL", "TPOS"};

// Sizes are read with every byte taken whole, as the tags of this program's
// files have always been read.
uint32_t SynchsafeWhole(const uint8_t* b) {
  return static_cast<uint32_t>(b[0]) << 21 | static_cast<uint32_t>(b[1]) << 14 | static_cast<uint32_t>(b[2]) << 7 |
         b[3];
}
uint32_t BE32(const uint8_t* b) {
  return static_cast<uint32_t>(b[0]) << 24 | static_cast<uint32_t>(b[1]) << 16 | static_cast<uint32_t>(b[2]) << 8 |
         b[3];
}

std::string TrimControls(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

// Text that is not valid UTF-8 is read as Windows-1252.
std::string UTF8OrWindows1252(const std::string& bytes) {
  return UTF8IsValid(bytes) ? bytes : Latin1BytesToUTF8(bytes);
}

// Undoes unsynchronisation: a zero byte after 0xFF was inserted by the writer.
TBuffer Resynchronise(const TBuffer& in) {
  TBuffer out;
  out.reserve(in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    out.push_back(in[i]);
    if (in[i] == 0xFF && i + 1 < in.size() && in[i + 1] == 0x00) ++i;
  }
  return out;
}

bool IsFrameIdChar(uint8_t c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

}  // namespace

const std::vector<std::string>& Genres() {
  static const std::vector<std::string> kGenres = {"Blues",
                                                   "Classic Rock",
                                                   "Country",
                                                   "Dance",
                                                   "Disco",
                                                   "Funk",
                                                   "Grunge",
                                                   "Hip-Hop",
                                                   "Jazz",
                                                   "Metal",
                                                   "New Age",
                                                   "Oldies",
                                                   "",
                                                   "Pop",
                                                   "R&B",
                                                   "Rap",
                                                   "Reggae",
                                                   "Rock",
                                                   "Techno",
                                                   "Industrial",
                                                   "Alternative",
                                                   "Ska",
                                                   "Death Metal",
                                                   "Pranks",
                                                   "Soundtrack",
                                                   "Euro-Techno",
                                                   "Ambient",
                                                   "Trip-Hop",
                                                   "Vocal",
                                                   "Jazz+Funk",
                                                   "Fusion",
                                                   "Trance",
                                                   "Classical",
                                                   "Instrumental",
                                                   "Acid",
                                                   "House",
                                                   "Game",
                                                   "Sound Clip",
                                                   "Gospel",
                                                   "Noise",
                                                   "AlternRock",
                                                   "Bass",
                                                   "Soul",
                                                   "Punk",
                                                   "Space",
                                                   "Meditative",
                                                   "Instrumental Pop",
                                                   "Instrumental Rock",
                                                   "Ethnic",
                                                   "Gothic",
                                                   "Darkwave",
                                                   "Techno-Industrial",
                                                   "Electronic",
                                                   "Pop-Folk",
                                                   "Eurodance",
                                                   "Dream",
                                                   "Southern Rock",
                                                   "Comedy",
                                                   "Cult",
                                                   "Gangsta",
                                                   "Top 40",
                                                   "Christian Rap",
                                                   "Pop/Funk",
                                                   "Jungle",
                                                   "Native American",
                                                   "Cabaret",
                                                   "New Wave",
                                                   "Psychadelic",
                                                   "Rave",
                                                   "Showtunes",
                                                   "Trailer",
                                                   "Lo-Fi",
                                                   "Tribal",
                                                   "Acid Punk",
                                                   "Acid Jazz",
                                                   "Polka",
                                                   "Retro",
                                                   "Musical",
                                                   "Rock & Roll",
                                                   "Hard Rock",
                                                   "Folk",
                                                   "Folk-Rock",
                                                   "National Folk",
                                                   "Swing",
                                                   "Fast Fusion",
                                                   "Bebob",
                                                   "Latin",
                                                   "Revival",
                                                   "Celtic",
                                                   "Bluegrass",
                                                   "Avantgarde",
                                                   "Gothic Rock",
                                                   "Progessive Rock",
                                                   "Psychedelic Rock",
                                                   "Symphonic Rock",
                                                   "Slow Rock",
                                                   "Big Band",
                                                   "Chorus",
                                                   "Easy Listening",
                                                   "Acoustic",
                                                   "Humour",
                                                   "Speech",
                                                   "Chanson",
                                                   "Opera",
                                                   "Chamber Music",
                                                   "Sonata",
                                                   "Symphony",
                                                   "Booty Bass",
                                                   "Primus",
                                                   "Porn Groove",
                                                   "Satire",
                                                   "Slow Jam",
                                                   "Club",
                                                   "Tango",
                                                   "Samba",
                                                   "Folklore",
                                                   "Ballad",
                                                   "Power Ballad",
                                                   "Rhythmic Soul",
                                                   "Freestyle",
                                                   "Duet",
                                                   "Punk Rock",
                                                   "Drum Solo",
                                                   "A capella",
                                                   "Euro-House",
                                                   "Dance Hall"};
  return kGenres;
}

const char* const PICTURE_TYPES[21] = {"Other",
                                       "32x32 pixels file icon (PNG only)",
                                       "Other file icon",
                                       "Cover (front)",
                                       "Cover (back)",
                                       "Leaflet page",
                                       "Media (e.g. lable side of CD)",
                                       "Lead artist/lead performer/soloist",
                                       "Artist/performer",
                                       "Conductor",
                                       "Band/Orchestra",
                                       "Composer",
                                       "Lyricist/text writer",
                                       "Recording Location",
                                       "During recording",
                                       "During performance",
                                       "Movie/video screen capture",
                                       "A bright coloured fish",
                                       "Illustration",
                                       "Band/artist logotype",
                                       "Publisher/Studio logotype"};

// ------------------------------------------------------------------ ID3v1

void TID3v1Tag::Clear() {
  Title = Artist = Album = Comment = Year = std::string(30, '\0');
  Track = 0;
  GenreID = 0;
  Exists = false;
  IsVersion11 = false;
}

TMP3Error TID3v1Tag::ReadFromStream(TStream& stream) {
  Clear();
  try {
    uint8_t r[128] = {};
    if (stream.GetSize() < 128) return mp3eReadError;
    stream.SetPosition(stream.GetSize() - 128);
    if (stream.Read(r, 128) < 128) return mp3eReadError;
    if (std::memcmp(r, "TAG", 3) != 0) return mp3eNoTag;
    Exists = true;
    IsVersion11 = r[125] == 0 && r[126] != 0;
    auto field = [&](int offset, int length) {
      return UTF8OrWindows1252(std::string(reinterpret_cast<const char*>(r + offset), length));
    };
    Title = field(3, 30);
    Artist = field(33, 30);
    Album = field(63, 30);
    std::string year(reinterpret_cast<const char*>(r + 93), 4);
    while (!year.empty() && static_cast<unsigned char>(year.back()) <= 32) year.pop_back();
    Year = UTF8OrWindows1252(year);
    if (IsVersion11) {
      Comment = UTF8OrWindows1252(std::string(reinterpret_cast<const char*>(r + 97), 28) + std::string(2, '\0'));
      Track = r[126];
    } else {
      Comment = field(97, 30);
      Track = 0;
    }
    GenreID = r[127];
    return mp3eNone;
  } catch (const std::exception&) {
    return mp3eGeneralError;
  }
}

std::string TID3v1Tag::GetGenre() const { return GenreID <= 125 ? Genres()[GenreID] : ""; }

// ------------------------------------------------------------------ ID3v2

void TID3v2Tag::Clear() {
  Frames.clear();
  Version = 3;
  Revision = 0;
  Size = 0;
  Exists = false;
  PaddingReached = true;
}

TMP3Error TID3v2Tag::ReadFromStream(TStream& stream) {
  Clear();
  TMP3Error result = ReadHeader(stream);
  if (result == mp3eNone && Exists) result = ReadFrames(stream.GetPosition(), stream);
  return result;
}

TMP3Error TID3v2Tag::ReadHeader(TStream& stream) {
  Exists = false;
  Size = 0;
  Unsynchronisation = ExtendedHeader = Experimental = false;
  Revision = 0;
  PaddingSize = 0;
  Version = 3;
  try {
    uint8_t h[10] = {};
    stream.SetPosition(0);
    if (stream.Read(h, 10) < 10) return mp3eReadError;
    if (std::memcmp(h, "ID3", 3) != 0) return mp3eNoTag;
    if (h[3] < 2 || h[3] > 4) return mp3eUnsupportedVersion;
    Size = static_cast<int32_t>(SynchsafeWhole(h + 6) + 10);
    Exists = true;
    Unsynchronisation = h[5] & 0x80;
    if (h[3] >= 3) {
      ExtendedHeader = h[5] & 0x40;
      Experimental = h[5] & 0x20;
    }
    FooterPresent = h[3] == 4 && (h[5] & 0x10);
    if (FooterPresent) Size += 10;
    Version = h[3];
    Revision = h[4];
    if (ExtendedHeader) {
      uint8_t e[6] = {};
      if (stream.Read(e, 6) < 6) return mp3eReadError;
      const int64_t skip = Version == 4 ? static_cast<int64_t>(SynchsafeWhole(e)) - 6 : int64_t{BE32(e)} - 2;
      if (stream.GetPosition() + skip > stream.GetSize() || stream.GetPosition() + skip < 0) return mp3eReadError;
      stream.Seek(skip, TSeekOrigin::Current);
    }
    return mp3eNone;
  } catch (const EStreamError&) {
    return mp3eReadError;
  } catch (const std::exception&) {
    return mp3eGeneralError;
  }
}

namespace {

// The tag's bytes as the frames see them: read ahead in blocks, and in
// versions 2.2 and 2.3 with a whole-tag unsynchronisation the zero byte the
// writer put after each 0xFF taken out on the way, without holding the tag.
class TTagBytes {
 public:
  TTagBytes(TStream& source, int64_t start, bool resync) : FIn(source), FPosition(start), FResync(resync) {
    FIn.SetPosition(start);
  }
  // Where the next byte stands in the tag as the frames see it.
  int64_t Position() const { return FPosition; }
  bool AtEnd() { return FIn.GetPosition() >= FIn.GetSize(); }
  // An upper bound of the bytes still to come.
  int64_t Left() { return FIn.GetSize() - FIn.GetPosition(); }
  int64_t Read(uint8_t* target, int64_t count) {
    if (count <= 0) return 0;
    if (!FResync) {
      const int64_t got = FIn.Read(target, count);
      FPosition += std::max<int64_t>(got, 0);
      return got;
    }
    int64_t done = 0;
    while (done < count) {
      uint8_t b;
      if (FIn.Read(&b, 1) < 1) break;
      if (FAfterFF && b == 0x00) {
        FAfterFF = false;
        continue;
      }
      FAfterFF = b == 0xFF;
      target[done++] = b;
    }
    FPosition += done;
    return done;
  }
  bool Skip(int64_t count) {
    if (!FResync) {
      if (count > Left()) return false;
      FIn.Seek(count, TSeekOrigin::Current);
      FPosition += count;
      return true;
    }
    uint8_t scratch[4096];
    while (count > 0) {
      const int64_t n = std::min<int64_t>(count, sizeof scratch);
      if (Read(scratch, n) < n) return false;
      count -= n;
    }
    return true;
  }

 private:
  TReadAheadStream FIn;
  int64_t FPosition;
  bool FResync;
  bool FAfterFF = false;
};

// Version 2.4 frame format flags: bytes that stand before the frame's data.
constexpr uint8_t kFlag24Grouping = 0x40;
constexpr uint8_t kFlag24Encrypted = 0x04;
constexpr uint8_t kFlag24Unsynchronised = 0x02;
constexpr uint8_t kFlag24Compressed = 0x08;
constexpr uint8_t kFlag24DataLength = 0x01;
// Version 2.3 frame format flags.
constexpr uint8_t kFlag23Compressed = 0x80;
constexpr uint8_t kFlag23Encrypted = 0x40;
constexpr uint8_t kFlag23Grouping = 0x20;
// What the compressed frames of one tag may inflate to, together.
constexpr int64_t kMaxInflatedTagBytes = int64_t{16} << 20;

// Real tags hold some dozens of frames. Beyond this many, a frame is kept only
// when a getter reads it: the last frame of each text kind and the first
// comment without a description.
constexpr size_t kMaxKeptFrames = 4096;
constexpr int32_t kGetterTextKinds[] = {0, 1, 2, 3, 4, 6, 22};
constexpr int32_t kCommentKind = 5;

}  // namespace

TMP3Error TID3v2Tag::ReadFrames(int64_t startPosition, TStream& source) {
  PaddingReached = false;
  Frames.clear();
  try {
    TTagBytes in(source, startPosition, Unsynchronisation && Version < 4);
    const int headerLength = Version == 2 ? 6 : 10;
    const int idLength = Version == 2 ? 3 : 4;
    std::string textIds[std::size(kGetterTextKinds)];
    for (size_t k = 0; k < std::size(kGetterTextKinds); ++k) textIds[k] = GetFrameIDString(kGetterTextKinds[k]);
    const std::string commentId = GetFrameIDString(kCommentKind);
    int64_t lastOfKind[std::size(kGetterTextKinds)];
    std::fill(std::begin(lastOfKind), std::end(lastOfKind), -1);
    bool plainCommentKept = false;
    int64_t inflateBudget = kMaxInflatedTagBytes;
    while (in.Position() < Size - PaddingSize && !in.AtEnd()) {
      const int64_t headerPosition = in.Position();
      TBuffer header(static_cast<size_t>(headerLength));
      if (in.Read(header.data(), headerLength) < headerLength) return mp3eReadError;
      bool validId = true;
      for (int i = 0; i < idLength; ++i) validId = validId && IsFrameIdChar(header[static_cast<size_t>(i)]);
      if (!validId) {
        PaddingSize = static_cast<int32_t>(Size - headerPosition);
        PaddingReached = true;
        break;
      }
      int64_t dataSize;
      if (Version == 2)
        dataSize = header[3] << 16 | header[4] << 8 | header[5];
      else if (Version == 4)
        dataSize = static_cast<int32_t>(SynchsafeWhole(header.data() + 4));
      else
        dataSize = static_cast<int32_t>(BE32(header.data() + 4));
      TID3v2Frame frame;
      frame.ID.assign(reinterpret_cast<const char*>(header.data()), static_cast<size_t>(idLength));
      frame.Size = static_cast<int32_t>(dataSize);
      frame.Header = header;
      // Nothing is allocated for a size the rest of the file cannot hold.
      if (dataSize > in.Left()) return mp3eReadError;
      int32_t textSlot = -1;
      for (size_t k = 0; k < std::size(kGetterTextKinds); ++k)
        if (frame.ID == textIds[k]) textSlot = static_cast<int32_t>(k);
      const bool isComment = frame.ID == commentId;
      const bool kept = Frames.size() < kMaxKeptFrames || textSlot >= 0 || (isComment && !plainCommentKept);
      if (!kept) {
        if (dataSize > 0 && !in.Skip(dataSize)) return mp3eReadError;
        continue;
      }
      if (dataSize > 0) {
        frame.Data.resize(static_cast<size_t>(dataSize));
        if (in.Read(frame.Data.data(), dataSize) < dataSize) return mp3eReadError;
        // Version 2.2 frames have no flags.
        const uint8_t flags = Version >= 3 ? header[9] : 0;
        size_t extra = 0;
        bool compressed = false, encrypted = false;
        if (Version == 4) {
          // Group byte, encryption method and data length stand before the
          // frame's own bytes; the stored size counts the unsynchronised ones.
          if (flags & kFlag24Grouping) ++extra;
          if (flags & kFlag24Encrypted) ++extra;
          if (flags & kFlag24DataLength) extra += 4;
          compressed = flags & kFlag24Compressed;
          encrypted = flags & kFlag24Encrypted;
        } else if (Version == 3) {
          // The inflated size, encryption method and group byte, in this order.
          if (flags & kFlag23Compressed) extra += 4;
          if (flags & kFlag23Encrypted) ++extra;
          if (flags & kFlag23Grouping) ++extra;
          compressed = flags & kFlag23Compressed;
          encrypted = flags & kFlag23Encrypted;
        }
        frame.Data.erase(frame.Data.begin(),
                         frame.Data.begin() + static_cast<std::ptrdiff_t>(std::min(extra, frame.Data.size())));
        if (Version == 4 && (Unsynchronisation || (flags & kFlag24Unsynchronised)))
          frame.Data = Resynchronise(frame.Data);
        // zlib data (an encrypted frame cannot be inflated). A few bytes may
        // inflate to gigabytes: the whole tag inflates to a bounded size.
        if (compressed && !encrypted) {
          std::string inflated;
          const std::string_view packed(reinterpret_cast<const char*>(frame.Data.data()), frame.Data.size());
          if (!InflateBounded(packed, inflated, inflateBudget)) inflated.clear();
          inflateBudget -= static_cast<int64_t>(inflated.size());
          frame.Data.assign(inflated.begin(), inflated.end());
        }
      }
      if (Frames.size() >= kMaxKeptFrames) {
        if (textSlot >= 0 && lastOfKind[textSlot] >= 0) {
          Frames[static_cast<size_t>(lastOfKind[textSlot])] = std::move(frame);
          continue;
        }
        if (isComment && !GetDescription(frame).empty()) continue;
      }
      if (textSlot >= 0) lastOfKind[textSlot] = static_cast<int64_t>(Frames.size());
      if (isComment && GetDescription(frame).empty()) plainCommentKept = true;
      Frames.push_back(std::move(frame));
    }
    return mp3eNone;
  } catch (const EStreamError&) {
    return mp3eReadError;
  } catch (const std::exception&) {
    return mp3eGeneralError;
  }
}

std::string TID3v2Tag::GetFrameIDString(int32_t kind) const {
  if (kind < 0 || kind > 22) return "";
  switch (Version) {
    case 2: return kKnownID3v2_2_IDs[kind];
    case 3: return kKnownID3v2_3_IDs[kind];
    case 4: return kKnownID3v2_4_IDs[kind];
    default: return "";
  }
}

int32_t TID3v2Tag::GetFrameIndex(int32_t kind) const {
  const std::string id = GetFrameIDString(kind);
  if (id.empty()) return -1;
  for (int32_t i = static_cast<int32_t>(Frames.size()) - 1; i >= 0; --i)
    if (Frames[static_cast<size_t>(i)].ID == id) return i;
  return -1;
}

int32_t TID3v2Tag::GetFrameIndex(int32_t kind, const std::string& language, const std::string& description) const {
  const std::string id = GetFrameIDString(kind);
  if (id.empty()) return -1;
  for (size_t i = 0; i < Frames.size(); ++i) {
    const TID3v2Frame& f = Frames[i];
    if (f.ID != id) continue;
    if (language != "*" && !language.empty()) {
      if (f.Data.size() < 4 || std::string(reinterpret_cast<const char*>(f.Data.data() + 1), 3) != language) continue;
    }
    if (description != "*" && GetDescription(f) != description) continue;
    return static_cast<int32_t>(i);
  }
  return -1;
}

std::string TID3v2Tag::GetConvertedUnicodeText(const TBuffer& b, int64_t offset, uint8_t encoding, int64_t length) {
  if (length <= 0 || offset < 0) return "";
  const int64_t size = static_cast<int64_t>(b.size());
  auto byteAt = [&](int64_t i) -> uint8_t { return i >= 0 && i < size ? b[static_cast<size_t>(i)] : 0; };
  std::string text;
  switch (encoding) {
    case 0: {
      const int64_t n = std::min(length, size - offset);
      for (int64_t i = 0; i < n; ++i) UTF8Append(text, byteAt(offset + i));
      break;
    }
    case 1: {
      if (length <= 2) return "";
      if (!(size <= 2 || (b[b.size() - 1] == 0 && b[b.size() - 2] == 0))) length += 2;
      const int64_t n = length / 2 - 2;
      const bool bigEndian = byteAt(offset) == 0xFE && byteAt(offset + 1) == 0xFF;
      std::u16string units;
      for (int64_t k = 0; k < n && offset + 2 + 2 * k + 1 < size; ++k) {
        const uint8_t x = byteAt(offset + 2 + 2 * k), y = byteAt(offset + 3 + 2 * k);
        units.push_back(static_cast<char16_t>(bigEndian ? x << 8 | y : y << 8 | x));
      }
      text = UTF16ToUTF8(units);
      break;
    }
    case 2: {
      std::u16string units;
      for (int64_t k = 0; k < length / 2 && offset + 2 * k + 1 < size; ++k)
        units.push_back(static_cast<char16_t>(byteAt(offset + 2 * k) << 8 | byteAt(offset + 2 * k + 1)));
      text = UTF16ToUTF8(units);
      break;
    }
    case 3: {
      const int64_t n = std::min(length, size - offset);
      if (n > 0)
        text = UTF8Repair(std::string(reinterpret_cast<const char*>(b.data() + offset), static_cast<size_t>(n)));
      break;
    }
    default: return "";
  }
  return TrimControls(text);
}

std::string TID3v2Tag::GetDescription(const TID3v2Frame& frame) const {
  const TBuffer& d = frame.Data;
  if (d.empty()) return "";
  const uint8_t e = d[0];
  const size_t n = d.size();
  if (e == 1 || e == 2) {
    // UTF-16 terminators stand at even distances from the description's start;
    // an odd position would split a character such as U+0100.
    for (size_t p = 4; p + 1 < n; p += 2)
      if (d[p] == 0 && d[p + 1] == 0) return GetConvertedUnicodeText(d, 4, e, static_cast<int64_t>(p) - 4);
    return "";
  }
  for (size_t p = 4; p < n; ++p)
    if (d[p] == 0) return GetConvertedUnicodeText(d, 4, e, static_cast<int64_t>(p) - 4);
  return "";
}

std::string TID3v2Tag::ReadComment(const TBuffer& b, int64_t offset, uint8_t encoding, int64_t length) {
  const int64_t size = static_cast<int64_t>(b.size());
  if (offset < 0) return "";
  if (encoding == 1 || encoding == 2) {
    for (int64_t i = 0; offset + i + 1 < size; i += 2) {
      if (b[static_cast<size_t>(offset + i)] == 0 && b[static_cast<size_t>(offset + i + 1)] == 0) {
        if (i < length) return GetConvertedUnicodeText(b, offset + i + 2, encoding, length - i - 2);
        return "";
      }
    }
    return "";
  }
  for (int64_t i = 0; offset + i < size; ++i) {
    if (b[static_cast<size_t>(offset + i)] == 0) {
      if (i < length) return GetConvertedUnicodeText(b, offset + i, encoding, length - i);
      return "";
    }
  }
  return "";
}

std::string TID3v2Tag::GetTextFrame(int32_t kind) const {
  const int32_t i = GetFrameIndex(kind);
  if (i < 0) return "";
  const TBuffer& d = Frames[static_cast<size_t>(i)].Data;
  if (d.empty()) return "";
  return GetConvertedUnicodeText(d, 1, d[0], static_cast<int64_t>(d.size()) - 1);
}

std::string TID3v2Tag::GetDescribedTextFrame(int32_t kind, const std::string& language,
                                             const std::string& description) const {
  const int32_t i = GetFrameIndex(kind, language, description);
  if (i < 0) return "";
  const TBuffer& d = Frames[static_cast<size_t>(i)].Data;
  if (d.empty()) return "";
  return ReadComment(d, 4, d[0], static_cast<int64_t>(d.size()) - 4);
}

std::string TID3v2Tag::GetGenre() const {
  const std::string text = GetTextFrame(4);
  // Version 2.4 refers to a genre by its plain number ("17"); the first of
  // several values, which stand apart by zero characters, decides.
  if (Version == 4) {
    const std::string first = text.substr(0, text.find('\0'));
    int32_t number = -1;
    if (first.find_first_not_of("0123456789") == std::string::npos && TryStrToInt(first, number) && number >= 0 &&
        static_cast<size_t>(number) < Genres().size())
      return Genres()[static_cast<size_t>(number)];
  }
  return ParseID3v2Genre(text);
}

std::string TID3v2Tag::ParseID3v2Genre(const std::string& text) {
  const size_t open = text.find('(');
  const size_t close = text.find(')');
  const int64_t p1 = open == std::string::npos ? 0 : static_cast<int64_t>(open) + 1;
  const int64_t p2 = close == std::string::npos ? 0 : static_cast<int64_t>(close) + 1;
  if (p2 <= p1) return text;
  int32_t number = 255;
  if (!TryStrToInt(text.substr(static_cast<size_t>(p1), static_cast<size_t>(p2 - p1 - 1)), number)) number = 255;
  const uint32_t low = static_cast<uint32_t>(number) & 0xFF;
  return low < 126 ? Genres()[low] : text;
}
