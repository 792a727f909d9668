#include "fileinfo/monkeys_audio.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "foundation/number_format.h"

namespace {

uint16_t LE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t LE32(const uint8_t* p) {
  return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

constexpr int32_t kFlag8Bit = 1;
constexpr int32_t kFlagPeakLevel = 4;
constexpr int32_t kFlag24Bit = 8;
constexpr int32_t kFlagSeekElements = 16;
constexpr int32_t kFlagWavNotStored = 32;

// Half to even, held inside the 64-bit range that a damaged header can leave.
int64_t RoundToInt64(double v) {
  if (!(v == v)) return 0;
  if (v >= 9.2e18) return INT64_MAX;
  if (v <= -9.2e18) return INT64_MIN;
  return static_cast<int64_t>(std::nearbyint(v));
}

const char* const kMonkeyCompression[] = {"Unknown", "Fast", "Normal", "High", "Extra High", "Insane", "BrainDead"};

}  // namespace

TMonkeysAudioTag::TMonkeysAudioTag(const std::string& fileName) {
  if (!fileName.empty()) ReadFromFile(fileName);
}

TAudioInfoChannels TMonkeysAudioTag::GetChannelsAsAIC() const {
  return FChannelCount == 0   ? aicUnknown
         : FChannelCount == 1 ? aicMono
         : FChannelCount == 2 ? aicStereo
                              : aicMultiChannel;
}

bool TMonkeysAudioTag::ReadFromFile(const std::string& fileName) {
  Clear();
  std::unique_ptr<TStream> stream = OpenAudioFile(fileName);
  if (!stream) return false;
  ReadTagDataFromStream(*stream);
  // The header decides: a file without an APE tag is still a readable file.
  if (!ReadAudioDataFromStream(*stream)) return false;
  FileName = fileName;
  return true;
}

bool TMonkeysAudioTag::ReadAudioDataFromStream(TStream& stream) {
  try {
    stream.SetPosition(0);
    uint8_t head[6] = {};
    if (stream.Read(head, 6) < 6 || std::memcmp(head, "MAC ", 4) != 0) return false;
    Version = LE16(head + 4);
    NumberFormat point;
    point.DecimalSeparator = ".";
    VersionStr = FormatFloatFixed(Version / 1000.0, 2, point);
    while (VersionStr.size() < 4) VersionStr.insert(0, " ");
    uint32_t totalFrames = 0, blocksPerFrame = 0, finalFrameBlocks = 0;
    if (Version >= 3980) {
      uint8_t descriptor[46] = {};
      if (stream.Read(descriptor, 46) < 46) return false;
      const int64_t descriptorSize = LE32(descriptor + 2);
      const int64_t headerSize = LE32(descriptor + 6);
      if (descriptorSize != 52) stream.Seek(descriptorSize - 52, TSeekOrigin::Current);
      uint8_t header[24] = {};
      const int64_t wanted = std::min<int64_t>(headerSize, 24);
      if (stream.Read(header, wanted) < wanted) return false;
      CompressionMode = LE16(header);
      FormatFlags = LE16(header + 2);
      blocksPerFrame = LE32(header + 4);
      finalFrameBlocks = LE32(header + 8);
      totalFrames = LE32(header + 12);
      Bits = LE16(header + 16);
      FChannelCount = LE16(header + 18);
      SampleRate = LE32(header + 20);
    } else {
      uint8_t header[30] = {};
      if (stream.Read(header, 30) < 30) return false;
      CompressionMode = LE16(header);
      FormatFlags = LE16(header + 2);
      FChannelCount = LE16(header + 4);
      SampleRate = LE32(header + 6);
      totalFrames = LE32(header + 18);
      finalFrameBlocks = LE32(header + 22);
      Bits = (FormatFlags & kFlag24Bit) ? 24 : (FormatFlags & kFlag8Bit) ? 8 : 16;
      HasPeakLevel = FormatFlags & kFlagPeakLevel;
      HasSeekElements = FormatFlags & kFlagSeekElements;
      WavNotStored = FormatFlags & kFlagWavNotStored;
      if (HasPeakLevel) {
        PeakLevel = LE32(header + 26);
        PeakLevelRatio = PeakLevel / std::ldexp(1.0, Bits) * 0.5 * 100;
      }
      if (Version >= 3950)
        blocksPerFrame = 294912;
      else if (Version >= 3900 || (Version >= 3800 && CompressionMode == 4000))
        blocksPerFrame = 73728;
      else
        blocksPerFrame = 9216;
    }
    if (totalFrames != 0) {
      // A damaged header can claim more samples than 64 bits hold.
      int64_t samples = 0;
      if (__builtin_mul_overflow(static_cast<int64_t>(totalFrames) - 1, static_cast<int64_t>(blocksPerFrame),
                                 &samples) ||
          __builtin_add_overflow(samples, static_cast<int64_t>(finalFrameBlocks), &samples))
        samples = INT64_MAX;
      TotalSamples = samples;
    }
    if (CompressionMode % 1000 == 0 && CompressionMode <= 6000)
      CompressionModeStr = kMonkeyCompression[CompressionMode / 1000];
    else
      CompressionModeStr = std::to_string(CompressionMode);
    if (SampleRate > 0) Duration = static_cast<double>(TotalSamples) / SampleRate;
    if (TotalSamples > 0) {
      const float rate = static_cast<float>(SampleRate) *
                         static_cast<float>((FileSize - static_cast<int64_t>(GetSizeOfAllTags())) * 8) /
                         static_cast<float>(TotalSamples);
      Bitrate = RoundToInt64(rate);
    }
    return Bits > 0 && SampleRate > 0 && TotalSamples > 0 && FChannelCount > 0;
  } catch (const EStreamError&) {
    return false;
  }
}
