#include "fileinfo/mpeg_audio.h"

#include <algorithm>
#include <cstring>

namespace {

// [version 1..3][layer 1..3][index]
constexpr uint16_t MPEG_BIT_RATES[4][4][16] = {
    {},
    {{},
     {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0}},
    {{},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}},
    {{},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}}};

constexpr uint16_t SAMPLE_RATES[4][4] = {
    {}, {44100, 48000, 32000, 0}, {22050, 24000, 16000, 0}, {11025, 12000, 8000, 0}};

// Samples of one frame divided by 8: the bytes per kbit/s and kHz.
int32_t SamplesPerFrameOver8(int32_t version, int32_t layer) {
  if (layer == 1) return 48;
  if (layer == 2 || version == 1) return 144;
  return 72;
}

// Two frames of the largest kind (layer 1 at 448 kbit/s and 32 kHz, with
// padding) and the third frame's sync fit into this much behind a candidate.
constexpr int64_t kLookAhead = 8192;
constexpr int64_t kWindow = 65536;

uint32_t BE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         p[3];
}

}  // namespace

const char* const CHANNEL_MODES[4] = {"Stereo", "Joint stereo", "Dual channel (Stereo)", "Single channel (Mono)"};
const char* const EXTENSIONS[12] = {"bands 4 to 31",  "bands 8 to 32", "bands 12 to 31", "bands 16 to 31",
                                    "bands 4 to 31",  "bands 8 to 32", "bands 12 to 31", "bands 16 to 31",
                                    "IS:off, MS:off", "IS:on, MS:off", "IS:off, MS:on",  "IS:on, MS:on"};
const char* const EMPHASIS_VALUES[4] = {"None", "50/15ms", "reserved", "CCIT J.17"};

int32_t TMpegInfo::GetFrameLength(int32_t version, int32_t layer, int32_t bitRate, int32_t sampleRate, bool padding) {
  if (sampleRate <= 0) return 0;
  const int32_t p = padding ? 1 : 0;
  const int64_t br = static_cast<int64_t>(bitRate) * 1000;
  if (layer == 1) return static_cast<int32_t>((12 * br / sampleRate + p) * 4);
  if (version == 1) return static_cast<int32_t>(144 * br / sampleRate + p);
  return static_cast<int32_t>(72 * br / sampleRate + p);
}

TMpegHeader TMpegInfo::GetValidatedHeader(const uint8_t* b, size_t length, size_t o) {
  TMpegHeader h;
  if (o + 3 >= length) return h;
  if (b[o] != 0xFF || b[o + 1] < 0xE0) return h;
  static constexpr uint8_t kVersions[4] = {3, 0, 2, 1};
  h.Version = kVersions[(b[o + 1] >> 3) & 3];
  h.Layer = static_cast<uint8_t>(4 - ((b[o + 1] >> 1) & 3));
  h.Protected = (b[o + 1] & 1) == 0;
  if (h.Version == 0 || h.Layer == 4) return h;
  const int bitRateIndex = b[o + 2] >> 4;
  if (bitRateIndex == 15) return h;
  h.BitRate = MPEG_BIT_RATES[h.Version][h.Layer][bitRateIndex];
  h.SampleRate = SAMPLE_RATES[h.Version][(b[o + 2] >> 2) & 3];
  h.Padding = (b[o + 2] >> 1) & 1;
  h.ChannelMode = b[o + 3] >> 6;
  h.ModeExtension = (b[o + 3] >> 4) & 3;
  h.Copyright = (b[o + 3] >> 3) & 1;
  h.Original = (b[o + 3] >> 2) & 1;
  h.Emphasis = b[o + 3] & 3;
  if (h.Layer == 2) {
    const int32_t br = h.BitRate;
    if ((br == 32 || br == 48 || br == 56 || br == 80) && h.ChannelMode != 3) return h;
    if ((br == 224 || br == 256 || br == 320 || br == 384) && h.ChannelMode == 3) return h;
  }
  if (h.SampleRate == 0) return h;
  const int32_t fl = GetFrameLength(h.Version, h.Layer, h.BitRate, h.SampleRate, h.Padding);
  h.FrameLength = static_cast<uint16_t>(fl);
  h.Valid = fl > 0;
  return h;
}

TXingHeader TMpegInfo::GetXingHeader(const TMpegHeader& h, const uint8_t* b, size_t length, size_t o) {
  TXingHeader x;
  const bool mono = h.ChannelMode == 3;
  const size_t d = h.Version == 1 ? (mono ? 21 : 36) : (mono ? 13 : 21);
  if (o + d + 11 >= length) return x;
  x.ConstantRate = std::memcmp(b + o + d, "Info", 4) == 0;
  if (std::memcmp(b + o + d, "Xing", 4) != 0 && !x.ConstantRate) return x;
  x.Frames = (b[o + d + 7] & 1) ? static_cast<int32_t>(BE32(b + o + d + 8)) : 0;
  x.FirstFrameLength = h.FrameLength;
  x.Valid = true;
  return x;
}

TVbriHeader TMpegInfo::GetVbriHeader(const uint8_t* b, size_t length, size_t o) {
  // It stands 32 bytes behind the frame header, whatever the version and mode:
  // "VBRI", version, delay and quality (2 bytes each), bytes, frames.
  TVbriHeader v;
  const size_t at = o + 36;
  if (at + 18 > length || std::memcmp(b + at, "VBRI", 4) != 0) return v;
  v.Bytes = static_cast<int32_t>(BE32(b + at + 10));
  v.Frames = static_cast<int32_t>(BE32(b + at + 14));
  v.Valid = true;
  return v;
}

TMP3Error TMpegInfo::LoadFromStream(TStream& stream) {
  Valid = false;
  FirstFramePosition = -1;
  FileSize = stream.GetSize();
  const int64_t audioEnd = AudioEnd >= 0 ? std::min(AudioEnd, FileSize) : FileSize;
  const int64_t start = stream.GetPosition();
  // A window that always holds the candidate and the two frames behind it,
  // so that every byte of the file is read about once.
  std::vector<uint8_t> window;
  int64_t windowStart = start;
  auto load = [&](int64_t from) {
    window.assign(static_cast<size_t>(std::min<int64_t>(kWindow, std::max<int64_t>(FileSize - from, 0))), 0);
    stream.SetPosition(from);
    int64_t got = window.empty() ? 0 : stream.Read(window.data(), static_cast<int64_t>(window.size()));
    window.resize(static_cast<size_t>(std::max<int64_t>(got, 0)));
    windowStart = from;
  };
  load(start);
  for (int64_t p = start; p + 3 < FileSize; ++p) {
    if (p - windowStart + kLookAhead > static_cast<int64_t>(window.size()) &&
        windowStart + static_cast<int64_t>(window.size()) < FileSize)
      load(p);
    const size_t i = static_cast<size_t>(p - windowStart);
    if (i + 3 >= window.size()) break;  // the file ended early
    const TMpegHeader h1 = GetValidatedHeader(window.data(), window.size(), i);
    if (!h1.Valid) continue;
    const int64_t fl1 = h1.FrameLength;
    if (p + fl1 + 3 >= FileSize) continue;
    const TXingHeader xing = GetXingHeader(h1, window.data(), window.size(), i);
    const TMpegHeader h2 = GetValidatedHeader(window.data(), window.size(), i + static_cast<size_t>(fl1));
    if (!h2.Valid) continue;
    const int64_t fl2 = h2.FrameLength;
    if (p + fl1 + fl2 + 3 > FileSize) continue;
    const size_t third = i + static_cast<size_t>(fl1 + fl2);
    if (third + 1 >= window.size() || window[third] != 0xFF || window[third + 1] < 0xE0) continue;

    Version = h1.Version;
    Layer = h1.Layer;
    Protected = h1.Protected;
    SampleRate = h1.SampleRate;
    ChannelMode = h1.ChannelMode;
    ModeExtension = h1.ModeExtension;
    Copyright = h1.Copyright;
    Original = h1.Original;
    Emphasis = h1.Emphasis;
    const TVbriHeader vbri = GetVbriHeader(window.data(), window.size(), i);
    // Each frame holds the samples of its version and layer: 384 for layer
    // 1, 576 for layer 3 of MPEG-2 and 2.5, 1152 otherwise.
    const int32_t perFrame = SamplesPerFrameOver8(h1.Version, h1.Layer);
    // Bytes of audio from this frame on, without the tags at the end.
    const int64_t audioBytes = std::max<int64_t>(audioEnd - p, 0);
    if (xing.Valid && xing.ConstantRate && xing.Frames > 0) {
      // An "Info" frame counts the frames of a constant-rate file: the play
      // time holds whatever else the file carries behind its audio.
      FrameCount = xing.Frames;
      BitRate = static_cast<uint16_t>(h1.BitRate);
      if (BitRate == 0) continue;
      VBR = false;
      Duration = static_cast<double>(xing.Frames) * perFrame * 8 / SampleRate;
    } else if ((xing.Valid && !xing.ConstantRate) || vbri.Valid) {
      const int32_t frames = xing.Valid ? xing.Frames : vbri.Frames;
      if (frames <= 0) continue;
      const double a = static_cast<double>(audioBytes - (xing.Valid ? xing.FirstFrameLength : fl1));
      BitRate = static_cast<uint16_t>(static_cast<int64_t>(a * (SampleRate / 1000.0) / (frames * double(perFrame))));
      if (BitRate == 0) continue;
      VBR = true;
      Duration = static_cast<double>(frames) * perFrame * 8 / SampleRate;
      FrameCount = frames;
    } else {
      FrameCount = static_cast<int32_t>(audioBytes / fl1);
      BitRate = static_cast<uint16_t>(h2.BitRate);
      if (BitRate == 0) continue;
      VBR = false;
      Duration = static_cast<double>(audioBytes) * 8 / (BitRate * 1000.0);
    }
    Valid = true;
    FirstFramePosition = p;
    return mp3eNone;
  }
  return mp3eNoFrame;
}
