// Monkey's Audio and WavPack headers from hand-made bytes: no encoder of
// either format is packaged for this platform.
#include <gtest/gtest.h>

#include <cmath>

#include "audio_fixtures.h"
#include "fileinfo/monkeys_audio.h"
#include "fileinfo/wavpack.h"
#include "test_support.h"

using namespace audiofixtures;

namespace {

// A Monkey's Audio file of version 3980 or later: descriptor and header.
std::string MacNew(uint16_t version, uint16_t level, uint16_t bits, uint16_t channels, uint32_t rate,
                   uint32_t blocksPerFrame, uint32_t finalBlocks, uint32_t frames) {
  std::string descriptor = LE16(0) + LE32(52) + LE32(24) + std::string(20, '\0') + std::string(16, '\0');
  std::string header = LE16(level) + LE16(0) + LE32(blocksPerFrame) + LE32(finalBlocks) + LE32(frames) + LE16(bits) +
                       LE16(channels) + LE32(rate);
  return "MAC " + LE16(version) + descriptor + header;
}

// The old layout, before version 3980.
std::string MacOld(uint16_t version, uint16_t level, uint16_t flags, uint16_t channels, uint32_t rate, uint32_t frames,
                   uint32_t finalBlocks, uint32_t peak = 0) {
  return "MAC " + LE16(version) + LE16(level) + LE16(flags) + LE16(channels) + LE32(rate) + LE32(0) + LE32(0) +
         LE32(frames) + LE32(finalBlocks) + LE32(peak);
}

std::string WvBlock(uint32_t totalSamples, uint32_t blockSamples, uint32_t flags, uint32_t blockSize = 24,
                    const std::string& payload = "") {
  std::string block = "wvpk" + LE32(blockSize) + LE16(0x0410) + std::string(2, '\0') + LE32(totalSamples) + LE32(0) +
                      LE32(blockSamples) + LE32(flags) + LE32(0);
  return block + payload;
}

uint32_t RateIndex(uint32_t index) { return index << 23; }

struct TFiles {
  testsupport::TempDir dir;
  std::string Write(const std::string& name, const std::string& bytes) {
    testsupport::WriteFileBytes(dir.file(name), bytes);
    return dir.file(name);
  }
};

}  // namespace

TEST(TMonkeysAudioTag, NewLayoutHeader) {
  TFiles f;
  std::string bytes =
      MacNew(3990, 2000, 16, 2, 44100, 73728, 1000, 10) + std::string(1000, 'a') + ApeTag({{"Artist", "M"}});
  TMonkeysAudioTag mac(f.Write("a.ape", bytes));
  EXPECT_EQ(mac.FileName, f.dir.file("a.ape"));
  EXPECT_EQ(mac.TotalSamples, 664552);
  EXPECT_NEAR(mac.Duration, 15.069, 0.001);
  EXPECT_EQ(mac.VersionStr, "3.99");
  EXPECT_EQ(mac.CompressionModeStr, "Normal");
  EXPECT_EQ(mac.Bits, 16);
  EXPECT_EQ(mac.GetChannelsAsAIC(), aicStereo);
  EXPECT_EQ(mac.Artist, "M");
  EXPECT_EQ(mac.Bitrate, static_cast<int64_t>(std::nearbyint(static_cast<float>(44100) *
                                                             static_cast<float>(bytes.size() * 8) / 664552.0f)));
}

TEST(TMonkeysAudioTag, OldLayoutBitsAndBlocksPerFrame) {
  struct {
    uint16_t version, level, flags;
    int32_t bits;
    int64_t samples;  // of 2 frames with 100 blocks in the last
  } cases[] = {{3970, 3000, 8, 24, 294912 + 100}, {3970, 3000, 9, 24, 294912 + 100}, {3970, 3000, 1, 8, 294912 + 100},
               {3900, 3000, 0, 16, 73728 + 100},  {3800, 4000, 0, 16, 73728 + 100},  {3800, 3000, 0, 16, 9216 + 100}};
  TFiles f;
  for (const auto& c : cases) {
    TMonkeysAudioTag mac;
    ASSERT_TRUE(mac.ReadFromFile(f.Write("o.ape", MacOld(c.version, c.level, c.flags, 1, 22050, 2, 100)))) << c.version;
    EXPECT_EQ(mac.Bits, c.bits) << c.version << " " << c.flags;
    EXPECT_EQ(mac.TotalSamples, c.samples) << c.version << " " << c.level;
    EXPECT_EQ(mac.GetChannelsAsAIC(), aicMono);
  }
  TMonkeysAudioTag peak;
  ASSERT_TRUE(peak.ReadFromFile(f.Write("p.ape", MacOld(3970, 2500, 4 | 16, 6, 44100, 2, 100, 16384))));
  EXPECT_TRUE(peak.HasPeakLevel);
  EXPECT_TRUE(peak.HasSeekElements);
  EXPECT_EQ(peak.PeakLevel, 16384u);
  EXPECT_DOUBLE_EQ(peak.PeakLevelRatio, 16384.0 / 65536 * 0.5 * 100);
  EXPECT_EQ(peak.CompressionModeStr, "2500");
  EXPECT_EQ(peak.GetChannelsAsAIC(), aicMultiChannel);
}

TEST(TMonkeysAudioTag, TagOptionalHeaderRequired) {
  TFiles f;
  TMonkeysAudioTag mac;
  // Without an APE tag the file is still read.
  EXPECT_TRUE(mac.ReadFromFile(f.Write("n.ape", MacNew(3990, 1000, 16, 2, 44100, 73728, 10, 2))));
  // A tag of an unknown version does not stop the header.
  EXPECT_TRUE(mac.ReadFromFile(
      f.Write("v.ape", MacNew(3990, 1000, 16, 2, 44100, 73728, 10, 2) + ApeTag({{"Artist", "A"}}, 3000))));
  EXPECT_FALSE(mac.ReadFromFile(f.Write("w.ape", "MAX " + std::string(100, '\0'))));
  TMonkeysAudioTag noSamples;
  EXPECT_FALSE(noSamples.ReadFromFile(f.Write("s.ape", MacNew(3990, 1000, 16, 2, 44100, 73728, 10, 0))));
  EXPECT_FALSE(mac.ReadFromFile(f.dir.file("missing.ape")));
  EXPECT_FALSE(mac.ReadFromFile(f.dir.str()));
}

TEST(TWavePackTag, Version4Blocks) {
  TFiles f;
  const uint32_t stereo16 = 1 | RateIndex(9);
  std::string config = std::string(10, '\0') + "\x65\x02\x08";
  std::string bytes = WvBlock(441000, 441000, stereo16, 24 + static_cast<uint32_t>(config.size()), config) +
                      std::string(500, 'd') + ApeTag({{"Title", "W"}});
  TWavePackTag wv(f.Write("a.wv", bytes));
  EXPECT_EQ(wv.FileName, f.dir.file("a.wv"));
  EXPECT_DOUBLE_EQ(wv.Duration, 10.0);
  EXPECT_EQ(wv.Encoder, "lossless (high)");
  EXPECT_EQ(wv.Bits, 16);
  EXPECT_EQ(wv.SampleRate, 44100);
  EXPECT_EQ(wv.Bitrate, static_cast<int32_t>(std::nearbyint(bytes.size() * 8 / 10.0)));
  EXPECT_EQ(wv.GetChannelsAsAIC(), aicStereo);
  EXPECT_EQ(wv.Title, "W");

  struct {
    uint32_t flags;
    int32_t bits;
    int32_t rate;
    TAudioInfoChannels channels;
    const char* encoder;
  } cases[] = {{4 | 1 | RateIndex(9), 16, 44100, aicMono, "lossless"},
               {2 | RateIndex(10), 24, 48000, aicStereo, "lossless"},
               {8 | 1 | RateIndex(15), 16, 44100, aicStereo, "hybrid lossy"}};
  for (const auto& c : cases) {
    TWavePackTag t;
    ASSERT_TRUE(t.ReadFromFile(f.Write("c.wv", WvBlock(1000, 1000, c.flags))));
    EXPECT_EQ(t.Bits, c.bits);
    EXPECT_EQ(t.SampleRate, c.rate);
    EXPECT_EQ(t.GetChannelsAsAIC(), c.channels);
    EXPECT_EQ(t.Encoder, c.encoder);
  }
}

TEST(TWavePackTag, UnknownTotalAddsUpTheBlocks) {
  TFiles f;
  const uint32_t flags = 1 | RateIndex(9);
  std::string bytes = WvBlock(0xFFFFFFFF, 44100, flags) + WvBlock(0xFFFFFFFF, 44100, flags) +
                      WvBlock(0xFFFFFFFF, 22050, flags) + "junk";
  TWavePackTag wv;
  ASSERT_TRUE(wv.ReadFromFile(f.Write("u.wv", bytes)));
  EXPECT_DOUBLE_EQ(wv.Duration, 2.5);
}

TEST(TWavePackTag, Version3Headers) {
  auto riff = [](const std::string& chunks) { return "RIFF" + LE32(0) + "WAVE" + chunks; };
  std::string fmt = "fmt " + LE32(16) + LE16(1) + LE16(2) + LE32(44100) + LE32(176400) + LE16(4) + LE16(16);
  auto data = [](uint16_t bits, uint16_t flags) {
    return "data" + LE32(36) + "wvpk" + LE32(1000) + LE16(3) + LE16(bits) + LE16(flags) + LE16(0) + LE32(441000) +
           std::string(16, '\0');
  };
  struct {
    uint16_t bits, flags;
    const char* encoder;
  } encoders[] = {{0, 0, "lossless (fast mode)"},
                  {0, 0x10, "lossless"},
                  {0, 0x10 | 0x8000, "lossless (high mode)"},
                  {5, 0, "8-bit lossy"},
                  {5, 0x10, "8-bit lossy high"},
                  {5, 0x2, "8-bit lossy fast"},
                  {5, 0x400 | 0x80 | 0x8000, "hybrid lossless (high)"},
                  {5, 0x400, "hybrid lossy"}};
  TFiles f;
  for (const auto& e : encoders) {
    TWavePackTag wv;
    std::string bytes = riff(fmt + data(e.bits, e.flags)) + std::string(2000, 'a');
    ASSERT_TRUE(wv.ReadFromFile(f.Write("3.wv", bytes)));
    EXPECT_EQ(wv.Encoder, e.encoder);
    EXPECT_EQ(wv.Version, 3);
    EXPECT_DOUBLE_EQ(wv.Duration, 10.0);
    EXPECT_EQ(wv.Bitrate, static_cast<int32_t>(std::nearbyint((bytes.size() - 1000) * 8 / 10.0)));
  }
  // A LIST chunk before the data ends the walk: the format alone was read.
  TWavePackTag listFirst;
  ASSERT_TRUE(listFirst.ReadFromFile(f.Write("l.wv", riff(fmt + "LIST" + LE32(4) + "INFO" + data(0, 0)))));
  EXPECT_EQ(listFirst.Samples, 0);
  EXPECT_EQ(listFirst.Duration, 0);
  EXPECT_EQ(listFirst.Bitrate, 1411);  // 176400 bytes/s as kbit/s
  TWavePackTag none;
  EXPECT_FALSE(none.ReadFromFile(f.Write("x.wv", std::string(64, 'x'))));
}

TEST(TMonkeysAudioTag, HugeFrameCountsDoNotOverflow) {
  TFiles f;
  TMonkeysAudioTag mac;
  EXPECT_TRUE(mac.ReadFromFile(f.Write("h.ape", MacNew(3990, 1000, 16, 2, 44100, 0xFFFF0000, 10, 0xFFFFFFFF))));
  EXPECT_EQ(mac.TotalSamples, INT64_MAX);
}

TEST(TWavePackTag, RatesAndChannelsFromSubBlocks) {
  // Sample-rate index 15 with a sample-rate sub-block (0x27, 3 bytes, odd
  // size), a channel-info sub-block (0x0D) of six channels with their mask,
  // and a large sub-block (0x80) stepped over before them.
  const std::string large = std::string("\x8A\x02\x00\x00", 4) + std::string(4, 'b');
  const std::string channels = std::string("\x0D\x02", 2) + std::string("\x06\x3F\x00\x00", 4);
  const std::string rate = std::string("\x67\x02", 2) + std::string("\x10\xB1\x02\x00", 4);  // 176400
  const std::string subBlocks = large + channels + rate;
  TFiles f;
  const std::string bytes =
      WvBlock(176400, 176400, RateIndex(15) | 1, static_cast<uint32_t>(24 + subBlocks.size()), subBlocks) +
      ApeTag({{"Title", "Hi"}});
  TWavePackTag wv;
  ASSERT_TRUE(wv.ReadFromFile(f.Write("hi.wv", bytes)));
  EXPECT_EQ(wv.SampleRate, 176400);
  EXPECT_DOUBLE_EQ(wv.Duration, 1.0);
  EXPECT_EQ(wv.GetChannelsAsAIC(), aicMultiChannel);

  // Without the sub-blocks: the table's rate and the mono flag.
  TWavePackTag plain;
  ASSERT_TRUE(plain.ReadFromFile(f.Write("plain.wv", WvBlock(44100, 44100, RateIndex(9) | 4 | 1) + ApeTag({}))));
  EXPECT_EQ(plain.SampleRate, 44100);
  EXPECT_EQ(plain.GetChannelsAsAIC(), aicMono);
}
