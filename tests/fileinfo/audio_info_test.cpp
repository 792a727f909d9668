#include "fileinfo/audio_info.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "audio_fixtures.h"
#include "fileinfo/buffered_stream.h"
#include "test_support.h"

using namespace audiofixtures;

namespace {

std::string BE24(uint32_t v) { return {static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)}; }

std::string FlacWithComments(const std::vector<std::string>& fields) {
  std::string info(34, '\0');
  info[10] = static_cast<char>(44100 >> 12);
  info[11] = static_cast<char>((44100 >> 4) & 0xFF);
  info[12] = static_cast<char>((44100 & 0xF) << 4 | 1 << 1);
  info[13] = static_cast<char>(15 << 4);
  info[16] = static_cast<char>((441000 >> 8) & 0xFF);
  info[17] = static_cast<char>(441000 & 0xFF);
  info[15] = static_cast<char>((441000 >> 16) & 0xFF);
  std::string c = LE32(1) + "v" + LE32(static_cast<uint32_t>(fields.size()));
  for (const auto& f : fields) c += LE32(static_cast<uint32_t>(f.size())) + f;
  return "fLaC" + std::string(1, '\0') + BE24(34) + info + std::string(1, '\x84') +
         BE24(static_cast<uint32_t>(c.size())) + c + std::string(1000, 'a');
}

std::string Mp3Frames(int count) {
  std::string frame = std::string("\xFF\xFB\x90\x40", 4) + std::string(413, '\0');
  std::string all;
  for (int i = 0; i < count; ++i) all += frame;
  return all;
}

std::string Id3v1Record(const std::string& title, const std::string& track) {
  std::string r = "TAG" + title + std::string(30 - title.size(), ' ') + std::string(30, '\0') + std::string(30, '\0') +
                  "2000" + std::string(28, '\0') + '\0' + track + static_cast<char>(17);
  return r;
}

struct TDir {
  testsupport::TempDir dir;
  std::string Write(const std::string& name, const std::string& bytes) {
    testsupport::WriteFileBytes(dir.file(name), bytes);
    return dir.file(name);
  }
};

}  // namespace

TEST(TAudioInfo, FileNameAndGuess) {
  TDir d;
  TAudioInfo a;
  EXPECT_FALSE(a.GetAudioData(d.Write("Singer - Song.xyz", std::string(100, 'z'))));
  EXPECT_EQ(a.Artist, "Singer");
  EXPECT_EQ(a.Title, "Song");
  EXPECT_EQ(a.Format, aifUnknow);

  EXPECT_TRUE(a.GetAudioData(d.Write("Song.mid", "MThd" + std::string(40, '\0'))));
  EXPECT_EQ(a.Artist, "");
  EXPECT_EQ(a.Title, "Song");
  EXPECT_EQ(a.Format, aifMIDI);

  // A FLAC file with a wrong extension is read through the guess.
  EXPECT_TRUE(a.GetAudioData(d.Write("x.dat", FlacWithComments({"ARTIST=A", "TRACKNUMBER=0"}))));
  EXPECT_EQ(a.Format, aifFLAC);
  EXPECT_EQ(a.Artist, "A");
  EXPECT_EQ(a.Title, "x");
  EXPECT_EQ(a.Track, "");  // "0" becomes empty
  EXPECT_EQ(a.Duration, 10);
  EXPECT_EQ(a.SampleRate, 44100);
  EXPECT_EQ(a.Channels, aicStereo);

  EXPECT_FALSE(a.GetAudioData(d.dir.file("missing.mp3")));
  EXPECT_EQ(a.Error, "");
  EXPECT_EQ(a.Codec, "Unknown");
}

TEST(TAudioInfo, Mp3TagsFromBothVersions) {
  TDir d;
  std::string v2body = "TIT2" + std::string("\0\0\0\x06\0\0", 6) + std::string("\0Title", 6);
  std::string v2 = std::string("ID3\x03\0\0\0\0\0", 9) + static_cast<char>(v2body.size()) + v2body;
  std::string bytes = v2 + Mp3Frames(30) + Id3v1Record("Old title", std::string(1, '\0'));
  TAudioInfo a;
  ASSERT_TRUE(a.GetAudioData(d.Write("a.mp3", bytes)));
  EXPECT_EQ(a.Format, aifMP3);
  EXPECT_EQ(a.Title, "Title");  // ID3v2 first
  EXPECT_EQ(a.Year, "2000");    // then ID3v1
  EXPECT_EQ(a.Genre, "Rock");
  EXPECT_EQ(a.Track, "");  // an ID3v1.0 tag has no track field
  EXPECT_EQ(a.BitRate, 128);
  EXPECT_EQ(a.SampleRate, 44100);
  EXPECT_EQ(a.Channels, aicStereo);
}

TEST(TAudioInfo, SanitizingTexts) {
  TDir d;
  TAudioInfo a;
  a.RemoveLineBreaks = true;
  ASSERT_TRUE(a.GetAudioData(d.Write("c.flac", FlacWithComments({"COMMENT=A\tB\r\nC"}))));
  EXPECT_EQ(a.Comment, "A B C");
  a.RemoveLineBreaks = false;
  ASSERT_TRUE(a.GetAudioData(d.dir.file("c.flac")));
  EXPECT_EQ(a.Comment, "A B\r\nC");
}

TEST(TAudioInfo, AdtsAndAc3) {
  TDir d;
  // Ten ADTS frames of 200 bytes at 44.1 kHz, stereo, one block each.
  std::string frame = {'\xFF',
                       '\xF1',
                       static_cast<char>(4 << 2),
                       static_cast<char>(2 << 6 | (200 >> 11)),
                       static_cast<char>((200 >> 3) & 0xFF),
                       static_cast<char>((200 & 7) << 5),
                       '\0'};
  frame.resize(200, 'x');
  std::string adts;
  for (int i = 0; i < 10; ++i) adts += frame;
  TAudioInfo a;
  ASSERT_TRUE(a.GetAudioData(d.Write("a.aac", adts)));
  EXPECT_EQ(a.Format, aifAAC);
  EXPECT_EQ(a.SampleRate, 44100);
  EXPECT_EQ(a.Channels, aicStereo);
  EXPECT_DOUBLE_EQ(a.DurationExact, 10 * 1024.0 / 44100);
  // A frame length below 7 ends the walk at once.
  std::string stuck = frame.substr(0, 7);
  stuck[3] = static_cast<char>(2 << 6);
  stuck[4] = 0;
  stuck[5] = 0;
  EXPECT_FALSE(a.GetAudioData(d.Write("b.aac", stuck + std::string(100, 'x'))));

  std::string ac3 = std::string("\x0B\x77\0\0", 4) + static_cast<char>(10) + '\0' + static_cast<char>(2 << 5);
  ac3.resize(384000, '\0');
  ASSERT_TRUE(a.GetAudioData(d.Write("a.ac3", ac3)));
  EXPECT_DOUBLE_EQ(a.DurationExact, 38.4);
  EXPECT_EQ(a.Duration, 38);
  EXPECT_EQ(a.BitRate, 80);
  EXPECT_EQ(a.SampleRate, 48000);
}

TEST(TAudioInfo, OtherReadersAndBitratesOver1024) {
  TDir d;
  std::string riff = "RIFF" + LE32(0) + "WAVE" + "fmt " + LE32(16) + LE16(1) + LE16(2) + LE32(44100) + LE32(176400) +
                     LE16(4) + LE16(16) + "data" + LE32(176400) + std::string(176400, '\0');
  TAudioInfo a;
  ASSERT_TRUE(a.GetAudioData(d.Write("Band - Tune.wav", riff)));
  EXPECT_EQ(a.Artist, "Band");
  EXPECT_EQ(a.Title, "Tune");
  EXPECT_EQ(a.BitRate, 1378);  // 1411200 / 1024, rounded
  EXPECT_EQ(a.Duration, 1);
  EXPECT_EQ(a.Format, aifWAV);
}

TEST(TAudioInfo, AFileThatCannotBeOpenedIsReported) {
  TDir d;
  std::string path = d.Write("x.flac", FlacWithComments({}));
  TStreamOpener previous = SetStreamOpener([](const std::string&) { return std::unique_ptr<TStream>(); });
  TAudioInfo a;
  EXPECT_FALSE(a.GetAudioData(path));
  SetStreamOpener(previous);
  EXPECT_NE(a.Error.find("Error [EStreamError]: "), std::string::npos);
  EXPECT_EQ(a.Artist, a.Error);
  EXPECT_EQ(a.Title, a.Error);
  EXPECT_EQ(a.Album, a.Error);
  // A named pipe is answered at once, never waited on.
  std::string fifo = d.dir.file("pipe.mp3");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(a.GetAudioData(fifo));
  EXPECT_FALSE(a.Error.empty());
}

TEST(TAudioInfo, Mp3WithoutTagsAndWithAnApeTag) {
  TDir d;
  TAudioInfo a;
  // No tag at all: no genre "Blues" and no track "0" of a missing ID3v1 tag.
  ASSERT_TRUE(a.GetAudioData(d.Write("bare.mp3", Mp3Frames(30))));
  EXPECT_EQ(a.Genre, "");
  EXPECT_EQ(a.Track, "");
  EXPECT_EQ(a.Codec, "MP3");
  EXPECT_DOUBLE_EQ(a.DurationExact, 30 * 417 * 8 / 128000.0);

  // An APE tag and an ID3v1 tag behind the frames: the APE texts come before
  // the ID3v1 ones, and neither tag counts as play time.
  const std::string ape =
      ApeTag({{"Title", "Ape title"}, {"Track", "4/9"}, {"Cover", std::string(200000, 'c'), 2}}, 2000, true);
  ASSERT_TRUE(a.GetAudioData(d.Write("ape.mp3", Mp3Frames(30) + ape + Id3v1Record("V1 title", "\x07"))));
  EXPECT_EQ(a.Title, "Ape title");
  EXPECT_EQ(a.Track, "4/9");
  EXPECT_EQ(a.Year, "2000");  // from ID3v1, which the APE tag does not name
  EXPECT_DOUBLE_EQ(a.DurationExact, 30 * 417 * 8 / 128000.0);
  EXPECT_EQ(a.Duration, 1);
}

TEST(TAudioInfo, CodecNamedByEachFormat) {
  TDir d;
  std::string riff = "RIFF" + LE32(0) + "WAVE" + "fmt " + LE32(16) + LE16(3) + LE16(1) + LE32(8000) + LE32(32000) +
                     LE16(4) + LE16(32) + "data" + LE32(3200) + std::string(3200, '\0');
  std::string extensible = "RIFF" + LE32(0) + "WAVE" + "fmt " + LE32(40) + LE16(0xFFFE) + LE16(1) + LE32(8000) +
                           LE32(16000) + LE16(2) + LE16(16) + LE16(22) + LE16(16) + LE32(4) + LE16(1) +
                           std::string(14, 'g') + "data" + LE32(1600) + std::string(1600, '\0');
  std::string layer2 = std::string("\xFF\xFD\x80\x00", 4);  // MPEG-1 layer 2, 128 kbit/s, 44.1 kHz
  layer2.resize(417, '\0');
  std::string mp2;
  for (int i = 0; i < 10; ++i) mp2 += layer2;
  const struct {
    const char* name;
    std::string bytes;
    const char* codec;
  } cases[] = {
      {"a.flac", FlacWithComments({}), "FLAC"},
      {"float.wav", riff, "PCM (float)"},
      {"ext.wav", extensible, "PCM"},
      {"a.mp2", mp2, "MP2"},
      {"a.mid", "MThd" + std::string(40, '\0'), "MIDI"},
  };
  for (const auto& c : cases) {
    TAudioInfo a;
    ASSERT_TRUE(a.GetAudioData(d.Write(c.name, c.bytes))) << c.name;
    EXPECT_EQ(a.Codec, c.codec) << c.name;
  }
}
