#include "fileinfo/asf_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "fileinfo/apev2_tag.h"
#include "fileinfo/buffered_stream.h"
#include "fileinfo/read_ahead_stream.h"
#include "foundation/number_format.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {

using TGuid = std::array<uint8_t, 16>;

constexpr TGuid kHeaderObject = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                 0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
constexpr TGuid kFileProperties = {0xA1, 0xDC, 0xAB, 0x8C, 0x47, 0xA9, 0xCF, 0x11,
                                   0x8E, 0xE4, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};
constexpr TGuid kStreamProperties = {0x91, 0x07, 0xDC, 0xB7, 0xB7, 0xA9, 0xCF, 0x11,
                                     0x8E, 0xE6, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};
constexpr TGuid kAudioMedia = {0x40, 0x9E, 0x69, 0xF8, 0x4D, 0x5B, 0xCF, 0x11,
                               0xA8, 0xFD, 0x00, 0x80, 0x5F, 0x5C, 0x44, 0x2B};
constexpr TGuid kVideoMedia = {0xC0, 0xEF, 0x19, 0xBC, 0x4D, 0x5B, 0xCF, 0x11,
                               0xA8, 0xFD, 0x00, 0x80, 0x5F, 0x5C, 0x44, 0x2B};
constexpr TGuid kContentDescription = {0x33, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                       0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
constexpr TGuid kExtendedContentDescription = {0x40, 0xA4, 0xD0, 0xD2, 0x07, 0xE3, 0xD2, 0x11,
                                               0x97, 0xF0, 0x00, 0xA0, 0xC9, 0x5E, 0xA8, 0x50};

// Reads exactly n bytes or raises: every read past the end fails the header.
class TReader {
 public:
  explicit TReader(TStream& s) : FStream(s) {}
  void Bytes(void* target, int64_t n) { FStream.ReadBuffer(target, n); }
  void Skip(int64_t n) {
    if (n > FStream.GetSize() - FStream.GetPosition()) throw EReadError("Stream read error");
    FStream.Seek(n, TSeekOrigin::Current);
  }
  uint64_t LE(int bytes) {
    uint8_t b[8] = {};
    Bytes(b, bytes);
    uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[i];
    return v;
  }
  TGuid Guid() {
    TGuid g;
    Bytes(g.data(), 16);
    return g;
  }
  // The first L / 2 UTF-16 units, at most 250; the rest of the field is skipped.
  std::string Text(int64_t length) {
    const int64_t units = std::min<int64_t>(length / 2, 250);
    std::u16string text;
    for (int64_t i = 0; i < units; ++i) text.push_back(static_cast<char16_t>(LE(2)));
    Skip(length - units * 2);
    return UTF16ToUTF8(text);
  }
  int64_t Position() { return FStream.GetPosition(); }
  void Seek(int64_t p) { FStream.SetPosition(p); }

 private:
  TStream& FStream;
};

std::string UpperASCII(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

}  // namespace

void TMediaInfoASF::ResetData() {
  Valid = false;
  FileSize = 0;
  Channels = 0;
  SampleRate = Bitrate = Height = Width = Track = 0;
  FormatTag = 0;
  Duration = 0;
  Title.clear();
  Artist.clear();
  Album.clear();
  Year.clear();
  Genre.clear();
  Comment.clear();
  DiscNumber.clear();
}

TAudioInfoChannels TMediaInfoASF::GetAudioChannelsAsAIC() const {
  return Channels == 0 ? aicUnknown : Channels == 1 ? aicMono : Channels == 2 ? aicStereo : aicMultiChannel;
}

bool TMediaInfoASF::ReadFromFile(const std::string& fileName) {
  ResetData();
  std::unique_ptr<TStream> stream = OpenAudioFile(fileName);
  if (!stream) return false;
  int64_t fileSize = stream->GetSize();
  int32_t maxBitRate = 0;
  uint16_t channels = 0, formatTag = 0;
  int32_t sampleRate = 0, averageBytes = 0, width = 0, height = 0;
  uint64_t playDuration = 0, preroll = 0;
  bool hasAudio = false, hasVideo = false;
  std::string tags[8];
  std::string trackNumber;
  try {
    TReadAheadStream buffered(*stream);
    TReader r(buffered);
    if (r.Guid() != kHeaderObject) return false;
    r.Skip(8);
    const int32_t count = static_cast<int32_t>(r.LE(4));
    r.Skip(2);
    for (int32_t i = 0; i < count; ++i) {
      const int64_t start = r.Position();
      const TGuid guid = r.Guid();
      const int64_t size = static_cast<int64_t>(r.LE(4));
      if (guid == kFileProperties) {
        r.Skip(4 + 40);
        playDuration = r.LE(8);
        r.LE(8);  // send duration
        preroll = r.LE(8);
        r.Skip(12);
        maxBitRate = static_cast<int32_t>(r.LE(4));
      } else if (guid == kStreamProperties) {
        r.Skip(4);
        const TGuid type = r.Guid();
        r.Skip(38);
        if (type == kAudioMedia) {
          formatTag = static_cast<uint16_t>(r.LE(2));
          channels = static_cast<uint16_t>(r.LE(2));
          sampleRate = static_cast<int32_t>(r.LE(4));
          averageBytes = static_cast<int32_t>(r.LE(4));
          hasAudio = true;
        } else if (type == kVideoMedia) {
          width = static_cast<int32_t>(r.LE(4));
          height = static_cast<int32_t>(r.LE(4));
          hasVideo = true;
        }
      } else if (guid == kContentDescription) {
        r.Skip(4);
        int64_t lengths[5];
        for (auto& l : lengths) l = static_cast<int64_t>(r.LE(2));
        std::string texts[5];
        for (int k = 0; k < 5; ++k)
          if (lengths[k] != 0) texts[k] = r.Text(lengths[k]);
        tags[0] = texts[0];
        tags[1] = texts[1];
        tags[6] = texts[3];
      } else if (guid == kExtendedContentDescription) {
        r.Skip(4);
        const int64_t descriptors = static_cast<int64_t>(r.LE(2));
        static const char* const kNames[8] = {"WM/TITLE", "WM/AUTHOR", "WM/ALBUMTITLE",  "WM/TRACK",
                                              "WM/YEAR",  "WM/GENRE",  "WM/DESCRIPTION", "WM/PARTOFSET"};
        for (int64_t d = 0; d < descriptors; ++d) {
          const std::string name = UpperASCII(Trim(r.Text(static_cast<int64_t>(r.LE(2)))));
          const uint64_t type = r.LE(2);
          const int64_t valueLength = static_cast<int64_t>(r.LE(2));
          // The track number of today's writers, as a text or as a number
          // (DWORD, QWORD or WORD); it counts from 1 where WM/Track counts
          // from 0, and wins over it.
          if (name == "WM/TRACKNUMBER") {
            if (type == 0) {
              trackNumber = Trim(r.Text(valueLength));
            } else if ((type == 3 && valueLength == 4) || (type == 4 && valueLength == 8) ||
                       (type == 5 && valueLength == 2)) {
              trackNumber = std::to_string(r.LE(static_cast<int>(valueLength)));
            } else {
              r.Skip(valueLength);
            }
            continue;
          }
          if (type != 0) {
            r.Skip(valueLength);
            continue;
          }
          const std::string value = r.Text(valueLength);
          for (int k = 0; k < 8; ++k)
            if (name == kNames[k]) tags[k] = value;
        }
      }
      // An object shorter than its own header would lead back to itself.
      if (size < 24) break;
      r.Seek(start + size);
    }
  } catch (const std::exception&) {
    return false;
  }
  // WMA Pro streams reach eight channels, 192 kHz and more than 40,000 bytes
  // per second; a video needs no audio stream at all.
  const bool audioPlausible =
      hasAudio && channels >= 1 && channels <= 8 && sampleRate >= 8000 && sampleRate <= 192000 && averageBytes > 0;
  if (!(maxBitRate > 0 && (audioPlausible || hasVideo))) return false;
  Valid = true;
  FileSize = fileSize;
  Channels = static_cast<uint8_t>(channels & 0xFF);
  SampleRate = sampleRate;
  Bitrate = static_cast<int32_t>(static_cast<int64_t>(averageBytes) * 8 / 1000);
  Height = height;
  Width = width;
  Duration = static_cast<double>(playDuration) / 10000000.0;
  if (preroll != 0) Duration -= static_cast<double>(preroll) / 1000;
  Title = Trim(tags[0]);
  Artist = Trim(tags[1]);
  Album = Trim(tags[2]);
  Year = Trim(tags[4]);
  Genre = Trim(tags[5]);
  Comment = Trim(tags[6]);
  DiscNumber = Trim(tags[7]);
  FormatTag = formatTag;
  int32_t track = 0;
  Track = TryStrToInt(Trim(tags[3]), track) ? track : 0;
  // "3/12" names track 3.
  const size_t digits = trackNumber.find_first_not_of("0123456789");
  if (!trackNumber.empty() && digits != 0 && TryStrToInt(trackNumber.substr(0, std::min<size_t>(digits, 9)), track))
    Track = track;
  return true;
}
