#include "fileinfo/mpeg_audio.h"

#include <gtest/gtest.h>

namespace {

// A frame header: version code (3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5), layer code (1
// layer 3, 2 layer 2, 3 layer 1), bit-rate index, sample-rate index, padding,
// channel mode.
std::string Header(int versionCode, int layerCode, int bitRateIndex, int rateIndex, bool padding, int mode) {
  return {'\xFF', static_cast<char>(0xE0 | versionCode << 3 | layerCode << 1 | 1),
          static_cast<char>(bitRateIndex << 4 | rateIndex << 2 | (padding ? 2 : 0)), static_cast<char>(mode << 6)};
}

std::string Frame(const std::string& header, size_t length, const std::string& content = "") {
  std::string f = header + content;
  f.resize(length, '\0');
  return f;
}

TMpegHeader Check(const std::string& h) {
  return TMpegInfo::GetValidatedHeader(reinterpret_cast<const uint8_t*>(h.data()), h.size(), 0);
}

std::string BE32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

}  // namespace

TEST(TMpegInfo, HeadersAndFrameLengths) {
  struct {
    std::string header;
    bool valid;
    int length;
  } cases[] = {
      {Header(3, 1, 9, 0, false, 0), true, 417},  // MPEG-1 layer 3, 128 kbit/s, 44.1 kHz
      {Header(3, 1, 9, 0, true, 0), true, 418},   // with padding
      {Header(3, 3, 1, 0, false, 0), true, 32},   // layer 1, 32 kbit/s: 8 slots of 4 bytes
      {Header(3, 3, 1, 0, true, 0), true, 36},
      {Header(2, 1, 8, 0, false, 3), true, 208},  // MPEG-2 layer 3, 64 kbit/s, 22.05 kHz
      {Header(3, 1, 15, 0, false, 0), false, 0},  // bit-rate index 15
      {Header(1, 1, 9, 0, false, 0), false, 0},   // reserved version
      {Header(3, 0, 9, 0, false, 0), false, 0},   // reserved layer
      {Header(3, 1, 9, 3, false, 0), false, 0},   // reserved sample rate
      {Header(3, 2, 1, 0, false, 0), false, 0},   // layer 2, 32 kbit/s in stereo
      {Header(3, 2, 1, 0, false, 3), true, 104},  // the same in single channel
      {Header(3, 2, 14, 0, false, 3), false, 0},  // layer 2, 384 kbit/s in single channel
      {Header(3, 1, 0, 0, false, 0), false, 0},   // free format without padding
      {std::string("\xFF\xD0\x90\x00", 4), false, 0},
  };
  for (const auto& c : cases) {
    TMpegHeader h = Check(c.header);
    EXPECT_EQ(h.Valid, c.valid);
    if (c.valid) {
      EXPECT_EQ(h.FrameLength, c.length);
    }
  }
  EXPECT_EQ(Check(Header(3, 1, 9, 0, false, 0)).BitRate, 128);
  EXPECT_EQ(Check(Header(3, 1, 9, 0, false, 0)).SampleRate, 44100);
}

TEST(TMpegInfo, ConstantBitRateStream) {
  const std::string h = Header(3, 1, 9, 0, false, 1);
  std::string junk = std::string(300, 'j') + "\xFF\xFB\x90\x00" + std::string(100, 'j');  // a stray sync
  std::string frames;
  for (int i = 0; i < 50; ++i) frames += Frame(h, 417);
  std::string bytes = junk + frames;
  TMemoryStream s(bytes);
  TMpegInfo info;
  ASSERT_EQ(info.LoadFromStream(s), mp3eNone);
  EXPECT_EQ(info.FirstFramePosition, static_cast<int64_t>(junk.size()));
  EXPECT_EQ(info.BitRate, 128);
  EXPECT_EQ(info.SampleRate, 44100);
  EXPECT_FALSE(info.VBR);
  EXPECT_EQ(info.FrameCount, 50);
  EXPECT_DOUBLE_EQ(info.Duration, frames.size() * 8 / 128000.0);
  EXPECT_EQ(info.GetChannelsAsAIC(), aicStereo);
}

TEST(TMpegInfo, XingFrameCounts) {
  struct {
    int versionCode, rateIndex, mode;
    size_t distance;
    int samples;
    int sampleRate;
  } cases[] = {
      {3, 0, 0, 36, 1152, 44100}, {3, 0, 3, 21, 1152, 44100}, {2, 0, 0, 21, 576, 22050}, {2, 0, 3, 13, 576, 22050}};
  for (const auto& c : cases) {
    const std::string h = Header(c.versionCode, 1, 9, c.rateIndex, false, c.mode);
    const int length = Check(h).FrameLength;
    std::string xing(c.distance - 4, '\0');
    xing += "Xing" + BE32(1) + BE32(1000);
    std::string bytes = Frame(h, static_cast<size_t>(length), xing);
    for (int i = 0; i < 20; ++i) bytes += Frame(h, static_cast<size_t>(length));
    TMemoryStream s(bytes);
    TMpegInfo info;
    ASSERT_EQ(info.LoadFromStream(s), mp3eNone) << c.distance;
    EXPECT_TRUE(info.VBR);
    EXPECT_EQ(info.FrameCount, 1000);
    EXPECT_DOUBLE_EQ(info.Duration, 1000.0 * c.samples / c.sampleRate);
    EXPECT_EQ(info.GetChannelsAsAIC(), c.mode == 3 ? aicMono : aicStereo);
  }
  // A Xing header without its frame count: that candidate is passed over.
  const std::string h = Header(3, 1, 9, 0, false, 0);
  std::string noCount = std::string(32, '\0') + "Xing" + BE32(0) + BE32(0);
  std::string bytes = Frame(h, 417, noCount) + Frame(h, 417) + Frame(h, 417) + Frame(h, 417);
  TMemoryStream s(bytes);
  TMpegInfo info;
  ASSERT_EQ(info.LoadFromStream(s), mp3eNone);
  EXPECT_EQ(info.FirstFramePosition, 417);
  EXPECT_FALSE(info.VBR);
}

TEST(TMpegInfo, NothingToFind) {
  for (const std::string& bytes : {std::string(), std::string("\xFF\xFB\x90", 3), std::string(200000, '\xFF')}) {
    TMemoryStream s(bytes);
    TMpegInfo info;
    EXPECT_EQ(info.LoadFromStream(s), mp3eNoFrame);
    EXPECT_EQ(info.FirstFramePosition, -1);
  }
}

TEST(TMpegInfo, InfoAndVbriHeadersCountTheFrames) {
  const std::string h = Header(3, 1, 9, 0, false, 0);  // 128 kbit/s, 44.1 kHz, 417 bytes
  std::string audio;
  for (int i = 0; i < 30; ++i) audio += Frame(h, 417);
  // Whatever stands behind the audio (a tag of a megabyte, say) is no play
  // time once the Info frame names the frame count.
  const std::string behind(1000000, 'T');
  const std::string info = std::string(32, '\0') + "Info" + BE32(1) + BE32(30);
  TMemoryStream infoFile(Frame(h, 417, info) + audio + behind);
  TMpegInfo cbr;
  ASSERT_EQ(cbr.LoadFromStream(infoFile), mp3eNone);
  EXPECT_FALSE(cbr.VBR);
  EXPECT_EQ(cbr.FrameCount, 30);
  EXPECT_EQ(cbr.BitRate, 128);
  EXPECT_DOUBLE_EQ(cbr.Duration, 30 * 1152.0 / 44100);

  // VBRI stands 32 bytes behind the header in every mode: version, delay,
  // quality, bytes, frames.
  const std::string vbri =
      std::string(32, '\0') + "VBRI" + std::string("\x00\x01\x00\x00\x00\x4B", 6) + BE32(417 * 31) + BE32(30);
  TMemoryStream vbriFile(Frame(h, 417, vbri) + audio);
  TMpegInfo vbr;
  ASSERT_EQ(vbr.LoadFromStream(vbriFile), mp3eNone);
  EXPECT_TRUE(vbr.VBR);
  EXPECT_EQ(vbr.FrameCount, 30);
  EXPECT_DOUBLE_EQ(vbr.Duration, 30 * 1152.0 / 44100);
  // The bytes behind the VBRI frame over its frames, truncated as for Xing.
  EXPECT_EQ(vbr.BitRate, static_cast<int>(30 * 417 * 44.1 / (30 * 144)));

  // An Info frame without a frame count is a plain constant-rate file.
  TMemoryStream noCount(Frame(h, 417, std::string(32, '\0') + "Info" + BE32(0) + BE32(0)) + audio);
  TMpegInfo plain;
  ASSERT_EQ(plain.LoadFromStream(noCount), mp3eNone);
  EXPECT_EQ(plain.FirstFramePosition, 0);
  EXPECT_DOUBLE_EQ(plain.Duration, 31 * 417 * 8 / 128000.0);
}

TEST(TMpegInfo, TagsBehindTheAudioAreNoPlayTime) {
  const std::string h = Header(3, 1, 9, 0, false, 0);
  std::string audio;
  for (int i = 0; i < 40; ++i) audio += Frame(h, 417);
  TMemoryStream s(audio + std::string(5000, 'A'));
  TMpegInfo info;
  info.AudioEnd = static_cast<int64_t>(audio.size());
  ASSERT_EQ(info.LoadFromStream(s), mp3eNone);
  EXPECT_EQ(info.FrameCount, 40);
  EXPECT_DOUBLE_EQ(info.Duration, audio.size() * 8 / 128000.0);
}
