#include "fileinfo/wavpack.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "fileinfo/media_rounding.h"
#include "fileinfo/read_ahead_stream.h"

namespace {

uint16_t LE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t LE32(const uint8_t* p) {
  return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

// Head of a metadata sub-block: its id, and flags for a 3-byte length and for
// a length one byte short of the words it counts.
constexpr uint8_t kSubBlockId = 0x3F;
constexpr uint8_t kSubBlockLarge = 0x80;
constexpr uint8_t kSubBlockOddSize = 0x40;
constexpr uint8_t kIdChannelInfo = 0x0D;
constexpr uint8_t kIdSampleRate = 0x27;

constexpr int32_t kSampleRates[15] = {6000,  8000,  9600,  11025, 12000, 16000, 22050, 24000,
                                      32000, 44100, 48000, 64000, 88200, 96000, 192000};

std::string Version3Encoder(uint16_t bits, uint16_t flags) {
  if (bits > 0) {
    if (flags & 0x400) {
      std::string s = "hybrid";
      s += (flags & 0x80) ? " lossless" : " lossy";
      if (flags & 0x8000) s += " (high)";
      return s;
    }
    std::string s = std::to_string(bits + 3) + "-bit lossy";
    if (flags & (0x2 | 0x10)) s += (flags & 0x10) ? " high" : " fast";
    return s;
  }
  if (!(flags & 0x10)) return "lossless (fast mode)";
  if (flags & 0x8000) return "lossless (high mode)";
  return "lossless";
}

}  // namespace

TWavePackTag::TWavePackTag(const std::string& fileName) {
  if (!fileName.empty()) ReadFromFile(fileName);
}

TAudioInfoChannels TWavePackTag::GetChannelsAsAIC() const {
  return FChannelCount == 1 ? aicMono : FChannelCount == 2 ? aicStereo : aicMultiChannel;
}

bool TWavePackTag::ReadFromFile(const std::string& fileName) {
  Clear();
  std::unique_ptr<TStream> stream = OpenAudioFile(fileName);
  if (!stream) return false;
  ReadTagDataFromStream(*stream);
  // The header decides: a file without an APE tag is still a readable file.
  if (!ReadAudioDataFromStream(*stream)) return false;
  FileName = fileName;
  return true;
}

bool TWavePackTag::ReadAudioDataFromStream(TStream& stream) {
  char magic[4] = {};
  stream.SetPosition(0);
  stream.Read(magic, 4);
  stream.SetPosition(0);
  if (std::memcmp(magic, "RIFF", 4) == 0) return ReadAudioDataFromStream_WavePackHeaderVersion3(stream);
  if (std::memcmp(magic, "wvpk", 4) == 0) return ReadAudioDataFromStream_WavePackHeaderVersion4(stream);
  return false;
}

bool TWavePackTag::ReadAudioDataFromStream_WavePackHeaderVersion3(TStream& stream) {
  bool result = false;
  stream.SetPosition(0);
  uint8_t riff[12] = {};
  if (stream.Read(riff, 12) < 12 || std::memcmp(riff + 8, "WAVE", 4) != 0) return false;
  bool formatRead = false;
  const int64_t size = stream.GetSize();
  // Every chunk moves the walk forward by at least its 8-byte header.
  while (stream.GetPosition() < size) {
    uint8_t chunk[8] = {};
    if (stream.Read(chunk, 8) < 8) break;
    const uint32_t dataSize = LE32(chunk + 4);
    if (dataSize == 0) break;
    const int64_t dataStart = stream.GetPosition();
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      uint8_t fmt[16] = {};
      if (dataSize < 16 || stream.Read(fmt, 16) < 16) break;
      result = true;
      FValid = true;
      formatRead = true;
      FormatTag = LE16(fmt);
      FChannelCount = LE16(fmt + 2);
      SampleRate = static_cast<int32_t>(LE32(fmt + 4));
      Bitrate = RoundToInt32(LE32(fmt + 8) / 125.0);
      Bits = LE16(fmt + 14);
      stream.SetPosition(dataStart + dataSize);
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!formatRead) break;
      uint8_t header[36] = {};
      stream.Read(header, 36);
      if (std::memcmp(header, "wvpk", 4) != 0) break;
      result = true;
      FValid = true;
      Version = LE16(header + 8);
      const uint16_t bits = LE16(header + 10);
      const uint16_t flags = LE16(header + 12);
      FChannelCount = (flags & 1) ? 1 : 2;
      Samples = LE32(header + 16);
      Encoder = Version3Encoder(bits, flags);
      if (SampleRate <= 0) SampleRate = 44100;
      Duration = static_cast<double>(Samples) / SampleRate;
      if (Duration > 0)
        Bitrate = RoundToInt32(static_cast<double>(FileSize - GetSizeOfAllTags() - LE32(header + 4)) * 8 / Duration);
      break;
    } else {
      break;
    }
  }
  return result;
}

void TWavePackTag::ReadFirstBlockMetadata(TStream& source, int64_t blockSize) {
  const int64_t position = source.GetPosition();
  TReadAheadStream s(source);
  const int64_t end = std::min(blockSize, s.GetSize());
  int64_t at = 32;
  // Every sub-block moves on by at least its 2-byte head.
  while (at + 2 <= end) {
    s.SetPosition(at);
    uint8_t head[4] = {};
    if (s.Read(head, 2) < 2) break;
    int64_t words = head[1];
    int64_t headLength = 2;
    if (head[0] & kSubBlockLarge) {
      if (s.Read(head + 2, 2) < 2) break;
      words |= static_cast<int64_t>(head[2]) << 8 | static_cast<int64_t>(head[3]) << 16;
      headLength = 4;
    }
    const int64_t length = words * 2 - ((head[0] & kSubBlockOddSize) ? 1 : 0);
    const int64_t dataStart = at + headLength;
    uint8_t d[7] = {};
    const int64_t n = s.Read(d, std::clamp<int64_t>(length, 0, 7));
    switch (head[0] & kSubBlockId) {
      case kIdSampleRate:
        if (n >= 3 && (length == 3 || length == 4)) {
          SampleRate = static_cast<int32_t>(d[0] | d[1] << 8 | d[2] << 16);
          if (length == 4) SampleRate |= static_cast<int32_t>(d[3] & 0x7F) << 24;
        }
        break;
      case kIdChannelInfo:
        // Up to 5 bytes: the count and the channel mask; 6 or 7 bytes: a
        // 12-bit count less one, the stream count and the mask.
        if (length >= 6 && length <= 7 && n == length)
          FChannelCount = (d[0] | (d[2] & 0x0F) << 8) + 1;
        else if (length >= 1 && length <= 5 && n >= 1 && d[0] > 0)
          FChannelCount = d[0];
        break;
      default: break;
    }
    at = dataStart + std::max<int64_t>(length, 0) + (length & 1);
  }
  source.SetPosition(position);
}

int64_t TWavePackTag::GetSampleCountOfAllBlocks(TStream& source) {
  // Block headers are tiny and may sit close together: read through a buffer.
  TBufferedStream stream(source);
  const int64_t size = stream.GetSize();
  int64_t total = 0;
  int64_t blockStart = 0;
  stream.SetPosition(0);
  while (blockStart < size) {
    uint8_t header[32] = {};
    stream.SetPosition(blockStart);
    if (stream.Read(header, 32) < 4 || std::memcmp(header, "wvpk", 4) != 0) break;
    total += LE32(header + 20);
    blockStart += 8 + static_cast<int64_t>(LE32(header + 4));
  }
  return total;
}

bool TWavePackTag::ReadAudioDataFromStream_WavePackHeaderVersion4(TStream& stream) {
  stream.SetPosition(0);
  uint8_t header[32] = {};
  stream.Read(header, 32);
  if (std::memcmp(header, "wvpk", 4) != 0) return false;
  FValid = true;
  Version = header[9];
  const uint32_t flags = LE32(header + 24);
  FChannelCount = (flags & 4) ? 1 : 2;
  Bits = static_cast<int32_t>((flags & 3) + 1) * 8;
  Samples = LE32(header + 12);
  BSamples = LE32(header + 20);
  const uint32_t rateIndex = (flags >> 23) & 0x1F;
  SampleRate = rateIndex < 15 ? kSampleRates[rateIndex] : 44100;
  // Rates outside the table (176.4 kHz, say) and more than two channels are
  // named by metadata sub-blocks of the first block.
  ReadFirstBlockMetadata(stream, 8 + static_cast<int64_t>(LE32(header + 4)));
  Encoder = (flags & 8) ? "hybrid lossy" : "lossless";
  int64_t n = Samples;
  if (n == 0 || n == 0xFFFFFFFF) {
    const int64_t position = stream.GetPosition();
    n = GetSampleCountOfAllBlocks(stream) & 0xFFFFFFFF;
    stream.SetPosition(position);
  }
  Duration = n > 0 && SampleRate > 0 ? static_cast<double>(n) / SampleRate : 0;
  if (n > 0) Bitrate = RoundToInt32(static_cast<double>(FileSize - GetSizeOfAllTags()) * 8 * SampleRate / n);
  uint8_t following[4096] = {};
  stream.Read(following, sizeof following);
  for (int i = 0; i <= 4093; ++i) {
    if (following[i] == 0x65 && following[i + 1] == 0x02) {
      switch (following[i + 2]) {
        case 8: Encoder += " (high)"; break;
        case 0: Encoder += " (normal)"; break;
        case 2: Encoder += " (fast)"; break;
        case 6: Encoder += " (very fast)"; break;
        default: break;
      }
      break;
    }
  }
  return true;
}
