// The audio reader against ffprobe, mediainfo and python3's mutagen, on
// fixtures that the Debian encoders make: play time, sample rate, channels,
// the bit rate where the definitions agree, and the common tags.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "fileinfo/audio_info.h"
#include "probe_output.h"
#include "support/test_support.h"

using testsupport::RunCommand;
using testsupport::ShellQuote;

namespace {

TProbe Probe(const std::string& dir, const std::vector<std::string>& files) {
  std::vector<std::string> paths;
  for (const auto& f : files) paths.push_back(dir + "/" + f);
  return RunProbeScript("probe_audio.py", paths);
}

}  // namespace

TEST(ToolCheckAudioInfo, AgreesWithFfprobeMediainfoAndMutagen) {
  testsupport::TempDir dir;
  auto made =
      RunCommand("bash " + ShellQuote(std::string(SYLLABRIX_SOURCE_TESTS) + "/fileinfo/make_audio_fixtures.sh") + " " +
                 ShellQuote(dir.str()) + " 2>&1");
  ASSERT_EQ(made.exitCode, 0) << made.out;

  struct TCase {
    const char* file;
    TAudioInfoFormat format;
    bool tags;        // title and artist are compared with mutagen
    int bitRateKind;  // 0 not compared, 1 kbit/s as ffprobe's, 2 bits per second over 1024
  };
  const TCase cases[] = {
      {"cbr.mp3", aifMP3, true, 1},      {"notag_noxing.mp3", aifMP3, false, 1},
      {"vbr.mp3", aifMP3, true, 0},      {"mpeg2.mp3", aifMP3, false, 1},
      {"mpeg25.mp3", aifMP3, false, 1},  {"joint.mp3", aifMP3, false, 1},
      {"layer2.mp2", aifMP3, false, 1},  {"id3v23.mp3", aifMP3, true, 1},
      {"id3v24.mp3", aifMP3, true, 1},   {"a.flac", aifFLAC, true, 0},
      {"nopad.flac", aifFLAC, false, 0}, {"picture.flac", aifFLAC, false, 0},
      {"a.ogg", aifOGG, true, 0},        {"a.opus", aifOGG, true, 0},
      {"a.spx", aifOGG, true, 0},        {"a.wv", aifWV, true, 0},
      {"tone.wav", aifWAV, false, 2},    {"float.wav", aifWAV, false, 2},
      {"six.wav", aifWAV, false, 2},     {"info.wav", aifWAV, true, 2},
      {"a.m4a", aifM4A, true, 0},
  };
  std::vector<std::string> files;
  for (const auto& c : cases) files.push_back(c.file);
  const TProbe probe = Probe(dir.str(), files);

  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    TAudioInfo info;
    ASSERT_TRUE(info.GetAudioData(dir.file(c.file))) << info.Error;
    EXPECT_EQ(info.Format, c.format);
    const auto& p = probe.at(c.file);
    // Play time: a constant-rate MP3 counts the tags and the Info frame as
    // audio, so a few per cent are allowed.
    const double ffDuration = ProbeNumber(p, "ffprobe_duration");
    EXPECT_NEAR(info.DurationExact, ffDuration, std::max(0.1, ffDuration * 0.03));
    // mediainfo takes a WavPack file's length from its first block alone.
    if (ProbeNumber(p, "mediainfo_duration") > 0 && c.format != aifWV) {
      EXPECT_NEAR(info.DurationExact, ProbeNumber(p, "mediainfo_duration"), std::max(0.1, ffDuration * 0.03));
    }
    // Opus reports the rate of the input it was made from; the tools report
    // the 48 kHz that every Opus stream decodes to.
    const double expectedRate = std::string(c.file) == "a.opus" ? 44100 : ProbeNumber(p, "ffprobe_sample_rate");
    EXPECT_EQ(info.SampleRate, static_cast<int32_t>(expectedRate));
    EXPECT_EQ(info.Channels, IntToChannels(static_cast<int32_t>(ProbeNumber(p, "ffprobe_channels"))));
    if (ProbeNumber(p, "mutagen_channels") > 0) {
      EXPECT_EQ(info.Channels, IntToChannels(static_cast<int32_t>(ProbeNumber(p, "mutagen_channels"))));
    }
    if (c.bitRateKind == 1) {
      EXPECT_EQ(info.BitRate, static_cast<int32_t>(ProbeNumber(p, "ffprobe_bit_rate") / 1000));
    }
    if (c.bitRateKind == 2) {
      // These readers divide bits per second by 1024, not by 1000.
      EXPECT_NEAR(info.BitRate * 1024.0, ProbeNumber(p, "ffprobe_bit_rate"), ProbeNumber(p, "ffprobe_bit_rate") * 0.01);
    }
    if (c.tags) {
      // mutagen reads no RIFF INFO texts; ffprobe does.
      const std::string tool = c.format == aifWAV ? "ffprobe_" : "mutagen_";
      EXPECT_EQ(info.Title, p.count(tool + "title") ? p.at(tool + "title") : "");
      EXPECT_EQ(info.Artist, p.count(tool + "artist") ? p.at(tool + "artist") : "");
    }
  }
}
