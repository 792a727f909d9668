// The audio reader against ffprobe, mediainfo and python3's mutagen, on
// fixtures that the Debian encoders make: play time, sample rate, channels,
// the codec, the bit rate where the definitions agree, and the common tags.
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

const testsupport::TempDir& Fixtures() { return MadeFixtures("make_audio_fixtures.sh"); }

TProbe Probe(const std::string& dir, const std::vector<std::string>& files) {
  std::vector<std::string> paths;
  for (const auto& f : files) paths.push_back(dir + "/" + f);
  return RunProbeScript("probe_audio.py", paths);
}

// ffprobe's codec names and the reader's.
std::string CodecOfFfprobe(const std::string& name) {
  static const std::map<std::string, std::string> kNames = {{"mp3", "MP3"},         {"mp2", "MP2"},
                                                            {"flac", "FLAC"},       {"vorbis", "Vorbis"},
                                                            {"opus", "Opus"},       {"speex", "Speex"},
                                                            {"wavpack", "WavPack"}, {"pcm_s16le", "PCM"},
                                                            {"pcm_s24le", "PCM"},   {"pcm_f32le", "PCM (float)"},
                                                            {"aac", "AAC"},         {"alac", "ALAC"},
                                                            {"wmav2", "WMA 2"},     {"real_144", "RealAudio 14.4"}};
  auto it = kNames.find(name);
  return it == kNames.end() ? "?" + name : it->second;
}

}  // namespace

TEST(ToolCheckAudioInfo, AgreesWithFfprobeMediainfoAndMutagen) {
  const testsupport::TempDir& dir = Fixtures();

  struct TCase {
    const char* file;
    TAudioInfoFormat format;
    const char* tagTool;  // whose title and artist are compared; nullptr: none
    int bitRateKind;      // 0 not compared, 1 kbit/s as ffprobe's, 2 bits per second over 1024
    // The files whose ffprobe durations add up to the play time; nullptr: the
    // file itself, also checked against mediainfo.
    const char* durationFrom = nullptr;
  };
  const TCase cases[] = {
      {"cbr.mp3", aifMP3, "mutagen_", 1},
      {"notag_noxing.mp3", aifMP3, nullptr, 1},
      {"vbr.mp3", aifMP3, "mutagen_", 0},
      {"mpeg2.mp3", aifMP3, nullptr, 1},
      {"mpeg25.mp3", aifMP3, nullptr, 1},
      {"joint.mp3", aifMP3, nullptr, 1},
      {"layer2.mp2", aifMP3, nullptr, 1},
      {"id3v23.mp3", aifMP3, "mutagen_", 1},
      {"id3v24.mp3", aifMP3, "mutagen_", 1},
      // ffprobe counts an APE tag behind the audio as audio (65 s here); the
      // Info frame counts the frames, as mediainfo and mutagen do.
      {"cbr_ape.mp3", aifMP3, "mutagen_", 1, "cbr.mp3"},
      // Without an Info frame the tools count the tag too (and mutagen does
      // not read APE tags): the reader gives the play time of the file
      // without its tag, and the APE texts that mediainfo shows.
      {"notag_ape.mp3", aifMP3, "mediainfo_", 1, "notag_noxing.mp3"},
      // ffprobe counts the ID3v1 tag's 128 bytes as audio.
      {"v1_only.mp3", aifMP3, "mutagen_", 1, "notag_noxing.mp3"},
      {"vbri.mp3", aifMP3, nullptr, 0},
      {"id3v24_unsync.mp3", aifMP3, "mutagen_", 1},
      {"id3v24_genre.mp3", aifMP3, "mutagen_", 1},
      {"a.flac", aifFLAC, "mutagen_", 0},
      {"nopad.flac", aifFLAC, nullptr, 0},
      {"picture.flac", aifFLAC, nullptr, 0},
      {"long36.flac", aifFLAC, nullptr, 0},
      {"a.ogg", aifOGG, "mutagen_", 0},
      {"a.opus", aifOGG, "mutagen_", 0},
      {"a.spx", aifOGG, "mutagen_", 0},
      {"oggflac.ogg", aifOGG, nullptr, 0},
      {"muxed.ogg", aifOGG, "mutagen_", 0},
      {"av.ogg", aifOGG, nullptr, 0},
      // ffprobe and mediainfo give a chained file's first link (or less); the
      // reader gives the play time of all links, each at its own rate.
      {"chained.ogg", aifOGG, "mutagen_", 0, "chain_a.ogg chain_b.ogg"},
      {"a.wv", aifWV, "mutagen_", 0},
      {"hi.wv", aifWV, nullptr, 0},
      {"six.wv", aifWV, nullptr, 0},
      {"tone.wav", aifWAV, nullptr, 2},
      {"float.wav", aifWAV, nullptr, 2},
      {"six.wav", aifWAV, nullptr, 2},
      {"info.wav", aifWAV, "ffprobe_", 2},
      {"piped.wav", aifWAV, nullptr, 2},
      {"a.m4a", aifM4A, "mutagen_", 0},
      {"aac96.m4a", aifM4A, nullptr, 0},
      {"mono.m4a", aifM4A, nullptr, 0},
      {"six.m4a", aifM4A, nullptr, 0},
      {"alac192.m4a", aifM4A, nullptr, 0},
      {"book.m4b", aifM4A, nullptr, 0},
      {"frag.m4a", aifM4A, nullptr, 0},
      {"a.mka", aifMKA, "ffprobe_", 0},
      {"track.wma", aifWMA, "ffprobe_", 1},
      // Several tracks: the first audio track is reported, as ffprobe's
      // first audio stream and mediainfo's first audio track.
      {"multi.mka", aifMKA, nullptr, 0},
      {"multi.m4a", aifM4A, nullptr, 0},
      {"multi.mkv", aifMKA, nullptr, 0},
      {"bigpages.oga", aifOGG, nullptr, 0},
      // The comments end at the damage; the stream information stands.
      {"damaged.flac", aifFLAC, nullptr, 0},
      {"id3v23_zlib.mp3", aifMP3, "mutagen_", 1},
      {"id3v24_zlib.mp3", aifMP3, "mutagen_", 1},
  };
  std::vector<std::string> files = {"chain_a.ogg", "chain_b.ogg"};
  for (const auto& c : cases) files.push_back(c.file);
  const TProbe probe = Probe(dir.str(), files);

  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    TAudioInfo info;
    ASSERT_TRUE(info.GetAudioData(dir.file(c.file))) << info.Error;
    EXPECT_EQ(info.Format, c.format);
    const auto& p = probe.at(c.file);
    const std::string name = c.file;
    const bool isM4A = c.format == aifM4A, isWavPack = c.format == aifWV;
    // mediainfo orders the streams of an Ogg file by their (random) serial
    // numbers: its first audio stream of a multiplexed file is either one.
    const bool mediainfoAudio = name != "muxed.ogg";
    // Play time: a few per cent are allowed for the encoder delay that
    // mutagen and mediainfo take off some files.
    double expected = ProbeNumber(p, "ffprobe_duration");
    if (c.durationFrom) {
      expected = 0;
      std::istringstream parts(c.durationFrom);
      std::string part;
      while (parts >> part) expected += ProbeNumber(probe.at(part), "ffprobe_duration");
    }
    EXPECT_NEAR(info.DurationExact, expected, std::max(0.1, expected * 0.03));
    // mediainfo takes a WavPack file's length from its first block alone.
    if (!c.durationFrom && ProbeNumber(p, "mediainfo_duration") > 0 && !isWavPack && mediainfoAudio) {
      EXPECT_NEAR(info.DurationExact, ProbeNumber(p, "mediainfo_duration"), std::max(0.1, expected * 0.03));
    }
    // Opus reports the rate of the input it was made from; the tools report
    // the 48 kHz that every Opus stream decodes to.
    const double expectedRate = name == "a.opus" ? 44100 : ProbeNumber(p, "ffprobe_sample_rate");
    EXPECT_EQ(info.SampleRate, static_cast<int32_t>(expectedRate));
    EXPECT_EQ(info.Channels, IntToChannels(static_cast<int32_t>(ProbeNumber(p, "ffprobe_channels"))));
    if (ProbeNumber(p, "mediainfo_channels") > 0 && mediainfoAudio) {
      EXPECT_EQ(info.Channels, IntToChannels(static_cast<int32_t>(ProbeNumber(p, "mediainfo_channels"))));
    }
    // mutagen takes an M4A file's channels from the sample entry (2 for mono
    // AAC) and a WavPack file's from its first block's flags (2 for six).
    if (ProbeNumber(p, "mutagen_channels") > 0 && !isM4A && !isWavPack) {
      EXPECT_EQ(info.Channels, IntToChannels(static_cast<int32_t>(ProbeNumber(p, "mutagen_channels"))));
    }
    EXPECT_EQ(info.Codec, CodecOfFfprobe(p.at("ffprobe_codec")));
    if (c.bitRateKind == 1) {
      EXPECT_EQ(info.BitRate, static_cast<int32_t>(ProbeNumber(p, "ffprobe_bit_rate") / 1000));
    }
    if (c.bitRateKind == 2) {
      // These readers divide bits per second by 1024, not by 1000.
      EXPECT_NEAR(info.BitRate * 1024.0, ProbeNumber(p, "ffprobe_bit_rate"), ProbeNumber(p, "ffprobe_bit_rate") * 0.01);
    }
    if (c.tagTool) {
      const std::string tool = c.tagTool;
      EXPECT_EQ(info.Title, p.count(tool + "title") ? p.at(tool + "title") : "");
      EXPECT_EQ(info.Artist, p.count(tool + "artist") ? p.at(tool + "artist") : "");
    }
    // MP3 genres and tracks as mutagen reads them: none where no tag names one.
    if (c.format == aifMP3 && name != "v1_only.mp3") {
      EXPECT_EQ(info.Genre, p.count("mutagen_genre") ? p.at("mutagen_genre") : "");
      EXPECT_EQ(info.Track, p.count("mutagen_tracknumber") ? p.at("mutagen_tracknumber") : "");
    }
  }
}

TEST(ToolCheckAudioInfo, TagsOfTheirOwnKind) {
  const testsupport::TempDir& dir = Fixtures();
  const TProbe probe = Probe(dir.str(), {"v1_only.mp3", "tagged.mka", "track.wma"});

  // An ID3v1 tag without genre: no genre; its title as the tools read it.
  TAudioInfo v1;
  ASSERT_TRUE(v1.GetAudioData(dir.file("v1_only.mp3")));
  EXPECT_EQ(v1.Title, probe.at("v1_only.mp3").at("mutagen_title"));
  EXPECT_EQ(v1.Genre, "");

  // Matroska: the segment's title, and a tag without a target level taken at
  // the album level (50). mediainfo joins both into its title; ffprobe shows
  // the tag's TITLE as the title.
  TAudioInfo mka;
  ASSERT_TRUE(mka.GetAudioData(dir.file("tagged.mka")));
  EXPECT_EQ(mka.Title + " / " + mka.Album, probe.at("tagged.mka").at("mediainfo_title"));
  EXPECT_EQ(mka.Album, probe.at("tagged.mka").at("ffprobe_title"));
  EXPECT_EQ(mka.Artist, probe.at("tagged.mka").at("ffprobe_artist"));

  // Matroska with a tag per track: the first audio track's own artist, not
  // the second track's artist or genre; ffmpeg's track number stands in a
  // tag without Targets (ffprobe reads it as the track, not as a disc).
  const TProbe multi = Probe(dir.str(), {"multi.mka"});
  const auto& m = multi.at("multi.mka");
  TAudioInfo mkaMulti;
  ASSERT_TRUE(mkaMulti.GetAudioData(dir.file("multi.mka")));
  EXPECT_EQ(mkaMulti.Artist, m.at("ffprobe_stream_artist"));
  EXPECT_EQ(mkaMulti.Genre, "");
  EXPECT_EQ(mkaMulti.Track, m.at("ffprobe_track"));
  EXPECT_EQ(mkaMulti.DiscNumber, "");

  // A damaged comment block keeps the comments before the damage.
  TAudioInfo damaged;
  ASSERT_TRUE(damaged.GetAudioData(dir.file("damaged.flac")));
  EXPECT_EQ(damaged.Title, "Damaged");
  EXPECT_EQ(damaged.Artist, "Someone");
  EXPECT_EQ(damaged.SampleRate, 8000);

  // WMA: the track number of WM/TrackNumber.
  TAudioInfo wma;
  ASSERT_TRUE(wma.GetAudioData(dir.file("track.wma")));
  EXPECT_EQ(wma.Track, probe.at("track.wma").at("ffprobe_track"));
}
