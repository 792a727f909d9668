#include "fileinfo/iso_media_boxes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "test_support.h"

namespace {

std::string U16(uint32_t v) { return {static_cast<char>(v >> 8), static_cast<char>(v)}; }
std::string U32(uint32_t v) { return U16(v >> 16) + U16(v & 0xFFFF); }
std::string U64(uint64_t v) { return U32(static_cast<uint32_t>(v >> 32)) + U32(static_cast<uint32_t>(v)); }
std::string Zeros(size_t n) { return std::string(n, '\0'); }

std::string Box(const std::string& type, const std::string& content) {
  return U32(static_cast<uint32_t>(8 + content.size())) + type + content;
}
std::string Ftyp(const std::string& brand) { return Box("ftyp", brand + U32(0) + brand); }

// A version 0 movie header: timescale and duration at offsets 8 and 12 after
// the flags, rotation byte at 45.
std::string Mvhd(uint32_t timescale, uint32_t duration, uint8_t rotation = 0) {
  std::string b = Zeros(96);
  b.replace(4 + 8, 4, U32(timescale));
  b.replace(4 + 12, 4, U32(duration));
  b[4 + 45] = static_cast<char>(rotation);
  return Box("mvhd", b);
}

std::string Tkhd(uint16_t width, uint16_t height, uint16_t volume, uint8_t rotation = 0) {
  std::string b = Zeros(100);
  b.replace(4 + 32, 2, U16(volume));
  b[4 + 49] = static_cast<char>(rotation);
  b.replace(4 + 72, 2, U16(width));
  b.replace(4 + 76, 2, U16(height));
  return Box("tkhd", b);
}

std::string Stsz(uint32_t count) { return Box("stsz", Zeros(8) + U32(count) + Zeros(8)); }

std::string Stbl(const std::string& content) { return Box("mdia", Box("minf", Box("stbl", content))); }

std::string AudioStsd(uint16_t channels, uint16_t sampleSize, uint16_t rate) {
  std::string entry = Zeros(26);
  entry.replace(16, 2, U16(channels));
  entry.replace(18, 2, U16(sampleSize));
  entry.replace(24, 2, U16(rate));
  return Box("stsd", Zeros(8) + U32(36) + "mp4a" + entry + Zeros(16));
}

std::string DataItem(const std::string& id, uint32_t type, const std::string& value) {
  return U32(static_cast<uint32_t>(24 + value.size())) + id + U32(static_cast<uint32_t>(16 + value.size())) + "data" +
         U32(type) + U32(0) + value;
}

std::string UdtaMeta(const std::string& items) {
  std::string hdlr = Box("hdlr", Zeros(25));
  return Box("udta", Box("meta", U32(0) + hdlr + Box("ilst", items)));
}

std::string Ispe(uint32_t w, uint32_t h) { return Box("ispe", U32(0) + U32(w) + U32(h)); }

struct TFixture {
  testsupport::TempDir dir;
  std::string Write(const std::string& bytes) {
    std::string path = dir.file("f.mp4");
    testsupport::WriteFileBytes(path, bytes);
    return path;
  }
};

}  // namespace

TEST(TMediaInfoMP4, BrandsTellTheMediaKind) {
  struct {
    const char* brand;
    int32_t kind;
    bool accepted;
  } cases[] = {{"mp42", 0, true}, {"qt  ", 0, true}, {"M4A ", 1, true}, {"dash", 1, true}, {"heic", 2, true},
               {"mif1", 2, true}, {"avif", 2, true}, {"crx ", 2, true}, {"isom", 0, true}, {"M4Ax", 1, true},
               {"3gp4", 0, true}, {"qtxx", 0, true}, {"abcd", 3, false}};
  TFixture f;
  for (const auto& c : cases) {
    TMediaInfoMP4 r;
    EXPECT_EQ(r.GetData(f.Write(Ftyp(c.brand) + Zeros(16))), c.accepted) << c.brand;
    EXPECT_EQ(r.MediaKind, c.kind) << c.brand;
    EXPECT_EQ(r.MajorBrand, c.brand);
  }
}

TEST(TMediaInfoMP4, RefusesWhatIsNoBoxFile) {
  TFixture f;
  TMediaInfoMP4 r;
  EXPECT_FALSE(r.GetData(f.dir.file("missing.mp4")));
  EXPECT_FALSE(r.GetData(f.Write(Box("moov", Zeros(40)))));      // no leading ftyp
  EXPECT_FALSE(r.GetData(f.Write(Ftyp("mp42").substr(0, 20))));  // under 24 bytes
  EXPECT_FALSE(r.GetData(f.dir.str()));                          // a folder
  std::string fifo = f.dir.file("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(r.GetData(fifo));  // returns at once instead of waiting for a writer
}

TEST(TMediaInfoMP4, AudioFileDurationChannelsRateAndTags) {
  TFixture f;
  std::string items = DataItem(
                          "\xA9"
                          "ART",
                          1, "Artist Ä") +
                      DataItem(
                          "\xA9"
                          "nam",
                          1, "Title") +
                      DataItem("trkn", 0, U16(0) + U16(3) + U16(12) + U16(0)) +
                      DataItem("disk", 0, U16(0) + U16(1) + U16(0)) + DataItem("gnre", 0, U16(18)) +
                      DataItem(
                          "\xA9"
                          "cmt",
                          1, "c");
  std::string file = Ftyp("M4A ") +
                     Box("moov", Mvhd(44100, 441000) + Box("trak", Tkhd(0, 0, 0x0100) + Stbl(AudioStsd(2, 16, 44100))) +
                                     UdtaMeta(items)) +
                     Box("mdat", Zeros(1000));
  TMediaInfoMP4 r;
  ASSERT_TRUE(r.GetData(f.Write(file)));
  EXPECT_EQ(r.MediaKind, 1);
  EXPECT_DOUBLE_EQ(r.DurationExact, 10.0);
  EXPECT_EQ(r.Duration, 10);
  EXPECT_EQ(r.AudioChannels, aicStereo);
  EXPECT_EQ(r.AudioSampleRate, 44100);
  EXPECT_EQ(r.Artist, "Artist Ä");
  EXPECT_EQ(r.Title, "Title");
  EXPECT_EQ(r.Track, "3/12");
  EXPECT_EQ(r.DiscNumber, "1");
  EXPECT_EQ(r.Genre, "Rock");
  EXPECT_EQ(r.Comment, "c");
  EXPECT_EQ(r.MediaDataSize, 1000u);
  EXPECT_EQ(r.Bitrate, 1);  // 1000 bytes over 10 s = 0.8 kbit/s, rounded half up

  TMediaInfoMP4 noMeta;
  noMeta.ReadMetaData = false;
  ASSERT_TRUE(noMeta.GetData(f.dir.file("f.mp4")));
  EXPECT_EQ(noMeta.Artist, "");
  EXPECT_FALSE(noMeta.ReadMetaData);  // survives the reset
}

TEST(TMediaInfoMP4, VideoSizeRotationFrameRateAndBitrate) {
  TFixture f;
  std::string file = Ftyp("isom") +
                     Box("moov", Mvhd(1000, 10000) + Box("trak", Tkhd(1920, 1080, 0, 0xFF) + Stbl(Stsz(300)))) +
                     Box("mdat", Zeros(1250000));
  TMediaInfoMP4 r;
  ASSERT_TRUE(r.GetData(f.Write(file)));
  EXPECT_EQ(r.Width, 1080);  // the matrix turns the picture by a quarter
  EXPECT_EQ(r.Height, 1920);
  EXPECT_DOUBLE_EQ(r.VideoFramesPerSecond, 30.0);
  EXPECT_EQ(r.Bitrate, 1000);
  EXPECT_EQ(r.CurrentTrackKind, 0);
}

TEST(TMediaInfoMP4, HeifSpatialExtentsAndPixelDepth) {
  TFixture f;
  std::string ipco = Ispe(4032, 3024) + Ispe(512, 384) + Ispe(4032, 3024) + Box("pixi", U32(0) + "\x03\x08\x08\x08");
  std::string file = Ftyp("heic") + Box("meta", U32(0) + Box("hdlr", Zeros(25)) + Box("iprp", Box("ipco", ipco))) +
                     Box("mdat", Zeros(32));
  TMediaInfoMP4 r;
  r.ReadMetaData = false;
  ASSERT_TRUE(r.GetData(f.Write(file)));
  EXPECT_EQ(r.MediaKind, 2);
  // Without a primary item ("pitm") no image is named: neither the largest
  // extent, the last depth nor a count of the property boxes is a result.
  EXPECT_EQ(r.Width, 0);
  EXPECT_EQ(r.Height, 0);
  EXPECT_EQ(r.ImageCount, 0);
  EXPECT_EQ(r.ColorDepth, 0);
}

TEST(TMediaInfoMP4, GenreCodes) {
  EXPECT_EQ(TMediaInfoMP4::GetID3Genre(1), "Blues");
  EXPECT_EQ(TMediaInfoMP4::GetID3Genre(18), "Rock");
  EXPECT_EQ(TMediaInfoMP4::GetID3Genre(68), "Psychadelic");
  EXPECT_EQ(TMediaInfoMP4::GetID3Genre(80), "Hard Rock");
  EXPECT_EQ(TMediaInfoMP4::GetID3Genre(13), "Other");
  EXPECT_EQ(TMediaInfoMP4::GetID3Genre(0), "");
  EXPECT_EQ(TMediaInfoMP4::GetID3Genre(81), "");
}

TEST(TMediaInfoMP4, BrokenStructuresEndTheWalk) {
  TFixture f;
  // An item of size 0 ends the list instead of being read again and again.
  std::string zeroItem = U32(0) +
                         std::string(
                             "\xA9"
                             "nam") +
                         Zeros(16);
  std::string file = Ftyp("M4A ") + Box("moov", UdtaMeta(DataItem("\xA9"
                                                                  "ART",
                                                                  1, "A") +
                                                         zeroItem +
                                                         DataItem("\xA9"
                                                                  "nam",
                                                                  1, "late")));
  TMediaInfoMP4 r;
  ASSERT_TRUE(r.GetData(f.Write(file)));
  EXPECT_EQ(r.Artist, "A");
  EXPECT_EQ(r.Title, "");
  // A box claiming more than the file holds, or size 0, ends its level.
  EXPECT_TRUE(r.GetData(f.Write(Ftyp("mp42") + U32(0xFFFFFFF0) + "moov" + Zeros(40))));
  EXPECT_TRUE(r.GetData(f.Write(Ftyp("mp42") + U32(1) + "mdat" + U64(~0ull) + Zeros(40))));
  EXPECT_EQ(r.Bitrate, 0);
}

TEST(TMediaInfoMP4, ManySmallBoxesAreWalkedInLinearTime) {
  // 200,000 tiny boxes inside moov: a walk that followed every child level to
  // the end of the file would need billions of box reads here.
  TFixture f;
  std::string traks;
  for (int i = 0; i < 200000; ++i) traks += Box("trak", "");
  TMediaInfoMP4 r;
  ASSERT_TRUE(r.GetData(f.Write(Ftyp("mp42") + Box("moov", traks) + Zeros(24))));
}

TEST(TMediaInfoMP4, AFileThatCannotBeOpenedRaises) {
  TFixture f;
  std::string path = f.Write(Ftyp("mp42") + Zeros(16));
  TStreamOpener previous = SetStreamOpener([](const std::string&) { return std::unique_ptr<TStream>(); });
  TMediaInfoMP4 r;
  EXPECT_THROW(r.GetData(path), EStreamError);
  SetStreamOpener(previous);
  EXPECT_TRUE(r.GetData(path));
}

namespace {

// An audio sample entry of version 0 with its child boxes.
std::string AudioEntry(const std::string& format, uint16_t channels, uint16_t rate, const std::string& children) {
  return U32(static_cast<uint32_t>(36 + children.size())) + format + Zeros(8) + Zeros(8) + U16(channels) + U16(16) +
         Zeros(4) + U16(rate) + U16(0) + children;
}
std::string Stsd(const std::string& entry) { return Box("stsd", U32(0) + U32(1) + entry); }

// An esds box for an object type with its decoder specific info.
std::string Esds(uint8_t objectType, const std::string& specific) {
  std::string config = std::string(1, static_cast<char>(objectType)) + "\x15" + Zeros(11) + "\x05" +
                       static_cast<char>(specific.size()) + specific;
  std::string es = U16(1) + '\0' + "\x04" + static_cast<char>(config.size()) + config;
  return Box("esds", U32(0) + "\x03" + static_cast<char>(es.size()) + es);
}

std::string AlacConfig(uint8_t channels, uint32_t rate) {
  std::string c = Zeros(24);
  c[9] = static_cast<char>(channels);
  c.replace(20, 4, U32(rate));
  return Box("alac", U32(0) + c);
}

std::string TkhdId(uint32_t id, uint16_t volume) {
  std::string t = Tkhd(0, 0, volume);
  t.replace(8 + 4 + 8, 4, U32(id));
  return t;
}
std::string Mdhd(uint32_t timescale) { return Box("mdhd", U32(0) + Zeros(8) + U32(timescale) + U32(0) + Zeros(4)); }

std::string AudioTrak(uint32_t id, uint32_t timescale, const std::string& entry) {
  return Box("trak", TkhdId(id, 0x0100) + Box("mdia", Mdhd(timescale) + Box("minf", Box("stbl", Stsd(entry)))));
}

}  // namespace

TEST(TMediaInfoMP4, DecoderConfigurationsNameChannelsRatesAndCodec) {
  struct {
    const char* name;
    std::string entry;
    uint32_t timescale;
    int32_t rate;
    TAudioInfoChannels channels;
    const char* codec;
  } cases[] = {
      // AAC-LC at 96 kHz, mono: the entry's rate field holds 0 and its count 2.
      {"aac96", AudioEntry("mp4a", 2, 0, Esds(0x40, "\x10\x08")), 96000, 96000, aicMono, "AAC"},
      // 5.1 at 48 kHz (channel configuration 6).
      {"aac51", AudioEntry("mp4a", 2, 48000, Esds(0x40, "\x11\xB0")), 48000, 48000, aicMultiChannel, "AAC"},
      {"alac", AudioEntry("alac", 2, 0, AlacConfig(1, 192000)), 192000, 192000, aicMono, "ALAC"},
      // No configuration that names a rate: the track's timescale.
      {"opus", AudioEntry("Opus", 2, 0, Box("dOps", std::string("\x00\x06", 2) + Zeros(9))), 48000, 48000,
       aicMultiChannel, "Opus"},
      {"mp3", AudioEntry("mp4a", 2, 44100, Esds(0x6B, "")), 44100, 44100, aicStereo, "MP3"},
  };
  TFixture f;
  for (const auto& c : cases) {
    TMediaInfoMP4 r;
    ASSERT_TRUE(r.GetData(f.Write(Ftyp("M4A ") + Box("moov", Mvhd(1000, 3000) + AudioTrak(1, c.timescale, c.entry)))))
        << c.name;
    EXPECT_EQ(r.AudioSampleRate, c.rate) << c.name;
    EXPECT_EQ(r.AudioChannels, c.channels) << c.name;
    EXPECT_EQ(r.AudioCodec, c.codec) << c.name;
  }
}

TEST(TMediaInfoMP4, FragmentedFilesAndBrands) {
  TFixture f;
  const std::string moov = Box("moov", Mvhd(1000, 0) + AudioTrak(1, 1000, AudioEntry("mp4a", 2, 44100, "")) +
                                           Box("mvex", Box("trex", U32(0) + U32(1) + U32(1) + U32(100) + Zeros(8))));
  // Ten samples of the default 100 from decode time 0, then four of 200 each.
  const std::string first =
      Box("moof", Box("traf", Box("tfhd", U32(0) + U32(1)) + Box("tfdt", U32(0x01000000) + U64(0)) +
                                  Box("trun", U32(0) + U32(10))));
  const std::string second =
      Box("moof", Box("traf", Box("tfhd", U32(0x08) + U32(1) + U32(50)) +
                                  Box("trun", U32(0x100) + U32(4) + U32(200) + U32(200) + U32(200) + U32(200))));
  TMediaInfoMP4 r;
  ASSERT_TRUE(r.GetData(f.Write(Ftyp("M4A ") + moov + first + Box("mdat", Zeros(100)) + second)));
  EXPECT_DOUBLE_EQ(r.DurationExact, 1.8);
  EXPECT_EQ(r.Duration, 2);

  // The movie extends header names the whole play time, in the movie's scale.
  const std::string withMehd = Box("moov", Mvhd(1000, 0) + Box("mvex", Box("mehd", U32(0) + U32(2500))));
  ASSERT_TRUE(r.GetData(f.Write(Ftyp("M4A ") + withMehd + first)));
  EXPECT_DOUBLE_EQ(r.DurationExact, 2.5);

  for (const char* brand : {"M4B ", "M4P ", "f4a "}) {
    ASSERT_TRUE(r.GetData(f.Write(Ftyp(brand) + Zeros(16)))) << brand;
    EXPECT_EQ(r.MediaKind, 1) << brand;
  }
  ASSERT_TRUE(r.GetData(f.Write(Ftyp("f4v ") + Zeros(16))));
  EXPECT_EQ(r.MediaKind, 0);
}

TEST(TMediaInfoMP4, ABoxSmallerThanItsHeaderEndsItsLevel) {
  TFixture f;
  TMediaInfoMP4 r;
  ASSERT_TRUE(r.GetData(f.Write(Ftyp("M4A ") + U32(4) + "junk" + Box("moov", Mvhd(1000, 5000)) + Zeros(24))));
  EXPECT_EQ(r.DurationExact, 0);
  ASSERT_TRUE(r.GetData(f.Write(Ftyp("M4A ") + Box("free", "") + Box("moov", Mvhd(1000, 5000)) + Zeros(24))));
  EXPECT_DOUBLE_EQ(r.DurationExact, 5.0);
}

TEST(TMediaInfoMP4, FirstAudioTrackAndTheVideoTracksOwnFrameRate) {
  TFixture f;
  // Two sound tracks: the first one's format is reported.
  TMediaInfoMP4 r;
  ASSERT_TRUE(r.GetData(
      f.Write(Ftyp("M4A ") +
              Box("moov", Mvhd(1000, 3000) + AudioTrak(1, 48000, AudioEntry("mp4a", 2, 48000, Esds(0x40, "\x11\x90"))) +
                              AudioTrak(2, 22050, AudioEntry("mp4a", 1, 22050, Esds(0x40, "\x13\x88")))))));
  EXPECT_EQ(r.AudioSampleRate, 48000);
  EXPECT_EQ(r.AudioChannels, aicStereo);

  // 100 frames in 4 s of the video's own timescale (12800 per second) beside
  // a chapter track that makes the movie 5 s long: 25 frames per second.
  const auto videoTrak = [](uint32_t timescale, uint32_t duration, uint32_t samples) {
    std::string mdhd = Box("mdhd", U32(0) + Zeros(8) + U32(timescale) + U32(duration) + Zeros(4));
    return Box("trak", Tkhd(320, 240, 0) + Box("mdia", mdhd + Box("minf", Box("stbl", Stsz(samples)))));
  };
  ASSERT_TRUE(r.GetData(f.Write(Ftyp("isom") + Box("moov", Mvhd(1000, 5000) + videoTrak(12800, 51200, 100) +
                                                               Box("trak", Tkhd(0, 0, 0) + Stbl(Stsz(3)))))));
  EXPECT_DOUBLE_EQ(r.VideoFramesPerSecond, 25.0);
  EXPECT_DOUBLE_EQ(r.DurationExact, 5.0);
}
