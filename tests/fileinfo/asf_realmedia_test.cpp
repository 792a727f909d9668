// ASF (WMA, WMV) and RealMedia headers from hand-made bytes, as tables of the
// cases their readers tell apart.
#include <gtest/gtest.h>

#include "audio_fixtures.h"
#include "fileinfo/asf_reader.h"
#include "fileinfo/realmedia_reader.h"
#include "test_support.h"

using namespace audiofixtures;

namespace {

std::string LE64(uint64_t v) { return LE32(static_cast<uint32_t>(v)) + LE32(static_cast<uint32_t>(v >> 32)); }
std::string G(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}
const std::string kHeader =
    G({0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11, 0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C});
const std::string kFileProps =
    G({0xA1, 0xDC, 0xAB, 0x8C, 0x47, 0xA9, 0xCF, 0x11, 0x8E, 0xE4, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65});
const std::string kStreamProps =
    G({0x91, 0x07, 0xDC, 0xB7, 0xB7, 0xA9, 0xCF, 0x11, 0x8E, 0xE6, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65});
const std::string kAudio =
    G({0x40, 0x9E, 0x69, 0xF8, 0x4D, 0x5B, 0xCF, 0x11, 0xA8, 0xFD, 0x00, 0x80, 0x5F, 0x5C, 0x44, 0x2B});
const std::string kVideo =
    G({0xC0, 0xEF, 0x19, 0xBC, 0x4D, 0x5B, 0xCF, 0x11, 0xA8, 0xFD, 0x00, 0x80, 0x5F, 0x5C, 0x44, 0x2B});
const std::string kContent =
    G({0x33, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11, 0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C});
const std::string kExtended =
    G({0x40, 0xA4, 0xD0, 0xD2, 0x07, 0xE3, 0xD2, 0x11, 0x97, 0xF0, 0x00, 0xA0, 0xC9, 0x5E, 0xA8, 0x50});

std::string Object(const std::string& guid, const std::string& body) { return guid + LE64(24 + body.size()) + body; }
std::string U16(const std::string& ascii) {
  std::string s;
  for (char c : ascii) s += std::string(1, c) + '\0';
  return s;
}
std::string FileProps(uint64_t play, uint64_t preroll, uint32_t maxBitRate) {
  return Object(kFileProps, std::string(40, '\0') + LE64(play) + LE64(0) + LE64(preroll) + std::string(12, '\0') +
                                LE32(maxBitRate));
}
std::string AudioStream(int channels, uint32_t rate, uint32_t averageBytes) {
  return Object(kStreamProps, kAudio + std::string(38, '\0') + LE16(0x161) + LE16(channels) + LE32(rate) +
                                  LE32(averageBytes) + std::string(8, '\0'));
}
std::string VideoStream(uint32_t w, uint32_t h) {
  return Object(kStreamProps, kVideo + std::string(38, '\0') + LE32(w) + LE32(h) + std::string(8, '\0'));
}
std::string Content(const std::string& title, const std::string& author, const std::string& description) {
  const std::string t = U16(title), a = U16(author), d = U16(description);
  return Object(kContent, LE16(t.size()) + LE16(a.size()) + LE16(0) + LE16(d.size()) + LE16(0) + t + a + d);
}
std::string Extended(const std::vector<std::tuple<std::string, int, std::string>>& items) {
  std::string body = LE16(items.size());
  for (const auto& [name, type, value] : items) {
    const std::string n = U16(name);
    body += LE16(n.size()) + n + LE16(type) + LE16(value.size()) + value;
  }
  return Object(kExtended, body);
}
std::string Asf(const std::vector<std::string>& objects) {
  std::string all;
  for (const auto& o : objects) all += o;
  return kHeader + LE64(30 + all.size()) + LE32(static_cast<uint32_t>(objects.size())) + std::string("\x01\x02", 2) +
         all;
}

}  // namespace

TEST(TMediaInfoASF, AudioVideoAndTags) {
  testsupport::TempDir dir;
  const std::string path = dir.file("a.wma");
  testsupport::WriteFileBytes(
      path, Asf({FileProps(1000000000, 5000, 64000), AudioStream(1, 22050, 2000), Content("Title", "Author ", "Desc"),
                 Extended({{"WM/AlbumTitle", 0, U16("Album")},
                           {"WM/Track", 3, LE32(9)},
                           {"wm/track", 0, U16("7")},
                           {"WM/Genre", 0, U16(std::string(600, 'g'))}})}));
  TMediaInfoASF asf;
  ASSERT_TRUE(asf.ReadFromFile(path));
  EXPECT_EQ(asf.Channels, 1);
  EXPECT_EQ(asf.GetAudioChannelsAsAIC(), aicMono);
  EXPECT_EQ(asf.Bitrate, 16);
  EXPECT_DOUBLE_EQ(asf.Duration, 95.0);
  EXPECT_EQ(asf.Title, "Title");
  EXPECT_EQ(asf.Artist, "Author");
  EXPECT_EQ(asf.Comment, "Desc");
  EXPECT_EQ(asf.Album, "Album");
  EXPECT_EQ(asf.Track, 7);
  EXPECT_EQ(asf.Genre, std::string(250, 'g'));

  struct {
    const char* name;
    std::vector<std::string> objects;
    bool valid;
  } cases[] = {
      {"video and audio above 320 kbit/s",
       {FileProps(10, 0, 1000000), VideoStream(640, 480), AudioStream(2, 44100, 16000)},
       true},
      {"video without audio", {FileProps(10, 0, 1000000), VideoStream(640, 480)}, true},
      {"WMA Pro: 8 channels, 96 kHz, 48000 bytes/s", {FileProps(10, 0, 400000), AudioStream(8, 96000, 48000)}, true},
      {"no stream at all", {FileProps(10, 0, 64000)}, false},
      {"no bit rate", {FileProps(10, 0, 0), AudioStream(2, 44100, 16000)}, false},
      {"sample rate 4000", {FileProps(10, 0, 64000), AudioStream(2, 4000, 16000)}, false},
      {"track 7/12",
       {FileProps(10, 0, 64000), AudioStream(2, 44100, 16000), Extended({{"WM/TRACK", 0, U16("7/12")}})},
       true},
  };
  for (const auto& c : cases) {
    testsupport::WriteFileBytes(path, Asf(c.objects));
    EXPECT_EQ(asf.ReadFromFile(path), c.valid) << c.name;
    EXPECT_EQ(asf.Track, 0) << c.name;
  }
  testsupport::WriteFileBytes(path, Asf({FileProps(10, 0, 1000000), VideoStream(640, 480)}));
  ASSERT_TRUE(asf.ReadFromFile(path));
  EXPECT_EQ(asf.Width, 640);
  EXPECT_EQ(asf.Height, 480);
  // An object claiming to be smaller than its header ends the loop.
  std::string tiny = kStreamProps + LE64(4);
  testsupport::WriteFileBytes(path, kHeader + LE64(100) + LE32(1000000) + "\x01\x02" + tiny + std::string(40, '\0'));
  EXPECT_FALSE(asf.ReadFromFile(path));
  testsupport::WriteFileBytes(path, Asf({FileProps(10, 0, 64000), AudioStream(2, 44100, 16000)}).substr(0, 100));
  EXPECT_FALSE(asf.ReadFromFile(path));  // cut short
}

namespace {

std::string BE16(uint32_t v) { return {static_cast<char>(v >> 8), static_cast<char>(v)}; }
std::string BE32(uint32_t v) { return BE16(v >> 16) + BE16(v & 0xFFFF); }
std::string Chunk(const std::string& id, const std::string& body) {
  return id + BE32(10 + body.size()) + BE16(0) + body;
}
std::string Prop(uint32_t averageBitRate, uint32_t durationMs) {
  std::string b(40, '\0');
  b.replace(4, 4, BE32(averageBitRate));
  b.replace(20, 4, BE32(durationMs));
  return Chunk("PROP", b);
}
std::string Mdpr(const std::string& mime, const std::string& typeSpecific) {
  return Chunk("MDPR", std::string(30, '\0') + '\x06' + "stream" + static_cast<char>(mime.size()) + mime +
                           BE32(typeSpecific.size()) + typeSpecific);
}
std::string RealAudio(int version, uint32_t rate, uint32_t channels) {
  std::string d = std::string(".ra\xFD", 4) + BE16(version);
  d.resize(70, '\0');
  const size_t rateAt = version == 4 ? 52 : 58;
  d.replace(rateAt - 4, 2, BE16(rate));  // offsets count from the length field
  d.replace(rateAt + 2, 2, BE16(channels));
  return d;
}
std::string RealVideo(uint32_t w, uint32_t h, uint32_t fps) {
  std::string d(24, '\0');
  d.replace(12, 2, BE16(w));
  d.replace(14, 2, BE16(h));
  d.replace(22, 2, BE16(fps));
  return d;
}
std::string Cont(const std::string& title, const std::string& author) {
  return Chunk("CONT", BE16(title.size()) + title + BE16(author.size()) + author + BE16(1) + "c" + BE16(0));
}
std::string Rmf(const std::string& chunks) { return ".RMF" + std::string(14, '\0') + chunks; }

}  // namespace

TEST(TMediaInfoRM, ChunksOfAudioAndVideo) {
  testsupport::TempDir dir;
  const std::string path = dir.file("a.ra");
  testsupport::WriteFileBytes(path, Rmf(Prop(44100, 200500) + Mdpr("audio/x-pn-realaudio", RealAudio(5, 22050, 2)) +
                                        Cont("Caf\xE9", "Someone") + Chunk("DATA", std::string(500, 'd'))));
  TMediaInfoRM rm;
  ASSERT_TRUE(rm.GetData(path));
  EXPECT_DOUBLE_EQ(rm.DurationExact, 200.5);
  EXPECT_EQ(rm.Duration, 200);
  EXPECT_EQ(rm.Bitrate, 44);
  EXPECT_EQ(rm.AudioSampleRate, 22050);
  EXPECT_EQ(rm.AudioChannels, aicStereo);
  EXPECT_EQ(rm.Title, "Caf\xC3\xA9");
  EXPECT_EQ(rm.Artist, "Someone");
  EXPECT_EQ(rm.Copyright, "c");
  EXPECT_EQ(rm.Comment, "");

  testsupport::WriteFileBytes(path, Rmf(Prop(64000, 1000) + Mdpr("audio/x-pn-realaudio", RealAudio(4, 8000, 1)) +
                                        Mdpr("video/x-pn-realvideo", RealVideo(320, 240, 29))));
  rm.ReadMetaData = false;
  ASSERT_TRUE(rm.GetData(path));
  EXPECT_EQ(rm.AudioSampleRate, 8000);
  EXPECT_EQ(rm.AudioChannels, aicMono);
  EXPECT_EQ(rm.Width, 320);
  EXPECT_EQ(rm.Height, 240);
  EXPECT_DOUBLE_EQ(rm.VideoFramesPerSecond, 29);

  testsupport::WriteFileBytes(path, Rmf(Prop(8000, 1000) + Mdpr("audio/x-pn-realaudio", RealAudio(3, 8000, 1))));
  ASSERT_TRUE(rm.GetData(path));
  EXPECT_EQ(rm.AudioSampleRate, 0);
  EXPECT_EQ(rm.AudioChannels, aicUnknown);
  EXPECT_EQ(rm.Bitrate, 8);

  // A CONT chunk claiming more than the file holds gives no text; a chunk
  // smaller than its header ends the walk.
  rm.ReadMetaData = true;
  std::string cont = Cont("T", "A");
  cont.replace(4, 4, BE32(100000));
  testsupport::WriteFileBytes(path, Rmf(cont + std::string(20, '\0')));
  ASSERT_TRUE(rm.GetData(path));
  EXPECT_EQ(rm.Title, "");
  testsupport::WriteFileBytes(path, Rmf("PROP" + BE32(4) + BE16(0) + std::string(60, '\0')));
  EXPECT_TRUE(rm.GetData(path));
  testsupport::WriteFileBytes(path, "RIFF" + std::string(40, '\0'));
  EXPECT_FALSE(rm.GetData(path));
  EXPECT_FALSE(rm.GetData(dir.file("none.ra")));
}

TEST(TMediaInfoASF, TrackNumberAndFormatTag) {
  testsupport::TempDir dir;
  const std::string path = dir.file("t.wma");
  struct {
    std::vector<std::tuple<std::string, int, std::string>> items;
    int32_t track;
  } cases[] = {
      // WM/TrackNumber counts from 1 and wins over WM/Track, as a text or a
      // number; "3/12" names track 3.
      {{{"WM/Track", 0, U16("4")}, {"WM/TrackNumber", 0, U16("5")}}, 5},
      {{{"WM/TrackNumber", 3, LE32(6)}, {"WM/Track", 0, U16("4")}}, 6},
      {{{"WM/TrackNumber", 0, U16("3/12")}}, 3},
      {{{"WM/Track", 0, U16("4")}}, 4},
      {{{"WM/TrackNumber", 0, U16("x")}, {"WM/Track", 0, U16("4")}}, 4},
  };
  for (const auto& c : cases) {
    testsupport::WriteFileBytes(path,
                                Asf({FileProps(10000000, 0, 64000), AudioStream(2, 44100, 16000), Extended(c.items)}));
    TMediaInfoASF asf;
    ASSERT_TRUE(asf.ReadFromFile(path));
    EXPECT_EQ(asf.Track, c.track);
    EXPECT_EQ(asf.FormatTag, 0x161);
  }
}

TEST(TMediaInfoRM, CodecOfTheRealAudioStream) {
  testsupport::TempDir dir;
  const std::string path = dir.file("c.ra");
  // Version 5 names the codec at a fixed place; version 4 after the
  // interleaver's name; zero bytes name none.
  std::string v5 = RealAudio(5, 44100, 2);
  v5.replace(66, 4, "cook");
  std::string v4 = RealAudio(4, 8000, 1);
  v4.replace(56, 10, std::string("\x04Int0\x04lpcJ", 10));
  const struct {
    std::string typeSpecific;
    const char* codec;
  } cases[] = {{v5, "Cook"}, {v4, "RealAudio 14.4"}, {RealAudio(5, 44100, 2), ""}};
  for (const auto& c : cases) {
    testsupport::WriteFileBytes(path, Rmf(Prop(64000, 1000) + Mdpr("audio/x-pn-realaudio", c.typeSpecific)));
    TMediaInfoRM rm;
    ASSERT_TRUE(rm.GetData(path));
    EXPECT_EQ(rm.AudioCodec, c.codec);
  }
}
