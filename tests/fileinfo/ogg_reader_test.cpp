#include "fileinfo/ogg_reader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "audio_fixtures.h"
#include "test_support.h"

using namespace audiofixtures;

namespace {

std::string LE64(uint64_t v) { return LE32(static_cast<uint32_t>(v)) + LE32(static_cast<uint32_t>(v >> 32)); }
std::string BE16(uint32_t v) { return {static_cast<char>(v >> 8), static_cast<char>(v)}; }
std::string BE24(uint32_t v) { return {static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)}; }
std::string BE32(uint32_t v) { return BE16(v >> 16) + BE16(v & 0xFFFF); }

// One page whose data is the given packet bytes (continued packets are simply
// split over pages, as the reader joins page data).
std::string Page(const std::string& data, uint64_t granule = 0) {
  std::string lacing;
  size_t left = data.size();
  while (left >= 255) {
    lacing += '\xFF';
    left -= 255;
  }
  lacing += static_cast<char>(left);
  return "OggS" + std::string(2, '\0') + LE64(granule) + LE32(1) + LE32(0) + LE32(0) +
         static_cast<char>(lacing.size()) + lacing + data;
}

std::string CommentHeader(const std::string& magic, const std::vector<std::string>& comments) {
  std::string c = magic + LE32(3) + "lib" + LE32(static_cast<uint32_t>(comments.size()));
  for (const auto& x : comments) c += LE32(static_cast<uint32_t>(x.size())) + x;
  return c;
}

std::string VorbisId(int channels, uint32_t rate, uint32_t nominal) {
  return std::string("\x01vorbis") + LE32(0) + static_cast<char>(channels) + LE32(rate) + LE32(0) + LE32(nominal) +
         LE32(0) + "\xB8\x01";
}

}  // namespace

TEST(TMediaInfoOGG, VorbisFileWithComments) {
  std::string comments = CommentHeader("\x03vorbis", {"artist=First", "ARTIST=Second", "TITLE=" + std::string(500, 't'),
                                                      "METADATA_BLOCK_PICTURE=" + std::string(1536, 'Q'), "junk"});
  std::string bytes = Page(VorbisId(2, 44100, 128000)) + Page(comments.substr(0, 200)) + Page(comments.substr(200)) +
                      Page(std::string(3000, 'a'), 441000);
  TMemoryStream s(bytes);
  TMediaInfoOGG ogg;
  ASSERT_EQ(ogg.ReadFromStream(s), 0);
  EXPECT_EQ(ogg.Codec, kOggCodecVorbis);
  EXPECT_EQ(ogg.Artist, "First");
  ASSERT_EQ(ogg.Frames.size(), 4u);
  EXPECT_EQ(ogg.Frames[1]->Name, "ARTIST");
  EXPECT_EQ(ogg.Title, std::string(500, 't'));
  EXPECT_EQ(ogg.Frames[3]->GetAsText(), "COVER ART BINARY 1.50 KB");
  EXPECT_EQ(ogg.VendorString, "lib");
  EXPECT_EQ(ogg.GetAudioSampleRate(), 44100);
  EXPECT_EQ(ogg.GetAudioChannels(), aicStereo);
  EXPECT_DOUBLE_EQ(ogg.GetPlayTime(), 10.0);
  EXPECT_EQ(ogg.GetAudioBitrate(), 128);
}

TEST(TMediaInfoOGG, VorbisWithoutNominalRateOrLastGranule) {
  std::string head = Page(VorbisId(1, 8000, 0)) + Page(CommentHeader("\x03vorbis", {}));
  TMemoryStream measured(head + Page(std::string(10000, 'a'), 80000));
  TMediaInfoOGG ogg;
  ASSERT_EQ(ogg.ReadFromStream(measured), 0);
  EXPECT_DOUBLE_EQ(ogg.GetPlayTime(), 10.0);
  const int64_t audioBytes = static_cast<int64_t>(measured.GetSize()) - ogg.AudioDataStart;
  EXPECT_EQ(ogg.GetAudioBitrate(), static_cast<int32_t>(std::nearbyint(audioBytes / 10.0 / 125)));
  EXPECT_EQ(ogg.GetAudioChannels(), aicMono);

  // No audio page names a granule position: the play time follows from the
  // nominal bit rate, as bytes × 8 over bits per second.
  std::string far = Page(VorbisId(2, 44100, 64000)) + Page(CommentHeader("\x03vorbis", {})) +
                    Page(std::string(200, 'a'), ~uint64_t{0}) + std::string(50000, 'x');
  TMemoryStream s(far);
  ASSERT_EQ(ogg.ReadFromStream(s), 0);
  EXPECT_EQ(ogg.Samples, 0);
  EXPECT_DOUBLE_EQ(ogg.GetPlayTime(), far.size() * 8 / 64000.0);
}

TEST(TMediaInfoOGG, LastPageBeforeTheTailIsSearchedBackwards) {
  // Ogg FLAC puts a whole frame on one page: the last page starts more than
  // 40,960 bytes before the end, behind a page without a granule position.
  const std::string head = Page(VorbisId(2, 44100, 0)) + Page(CommentHeader("\x03vorbis", {}));
  struct TCase {
    const char* Name;
    std::string Bytes;
    double PlayTime;
  };
  const TCase cases[] = {
      {"bigLastPage", head + Page(std::string(50000, 'a'), 441000), 10.0},
      {"junkBehind", head + Page(std::string(200, 'a'), 441000) + std::string(50000, 'x'), 10.0},
      {"noGranuleLast",
       head + Page(std::string(60000, 'a'), 220500) + Page(std::string(65000, 'b'), 441000) +
           Page(std::string(60000, 'c'), ~uint64_t{0}),
       10.0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TMemoryStream s(c.Bytes);
    TMediaInfoOGG ogg;
    ASSERT_EQ(ogg.ReadFromStream(s), 0);
    EXPECT_DOUBLE_EQ(ogg.GetPlayTime(), c.PlayTime);
  }
}

TEST(TMediaInfoOGG, OpusSpeexAndTheora) {
  std::string opusHead =
      std::string("OpusHead") + '\x01' + '\x02' + std::string(2, '\0') + LE32(44100) + std::string(2, '\0') + '\0';
  TMemoryStream opus(Page(opusHead) + Page(CommentHeader("OpusTags", {"TITLE=o"})) + Page("aaaa", 96000));
  TMediaInfoOGG ogg;
  ASSERT_EQ(ogg.ReadFromStream(opus), 0);
  EXPECT_EQ(ogg.Codec, kOggCodecOpus);
  EXPECT_EQ(ogg.GetAudioSampleRate(), 44100);
  EXPECT_DOUBLE_EQ(ogg.GetPlayTime(), 2.0);
  EXPECT_EQ(ogg.Title, "o");

  std::string speex = "Speex   " + std::string(20, '\0') + LE32(1) + LE32(80) + LE32(16000) + LE32(1) + LE32(4) +
                      LE32(1) + LE32(0) + LE32(320) + LE32(0) + LE32(1) + LE32(0) + LE32(0) + LE32(0);
  TMemoryStream sp(Page(speex) + Page(CommentHeader("", {"ALBUM=s"})) + Page("aaaa", 32000));
  ASSERT_EQ(ogg.ReadFromStream(sp), 0);
  EXPECT_EQ(ogg.Codec, kOggCodecSpeex);
  EXPECT_EQ(ogg.GetAudioSampleRate(), 16000);
  EXPECT_DOUBLE_EQ(ogg.GetPlayTime(), 2.0);
  EXPECT_EQ(ogg.Album, "s");
  EXPECT_EQ(ogg.GetAudioChannels(), aicMono);

  std::string theora = std::string("\x80theora") + "\x03\x02\x01" + BE16(40) + BE16(23) + BE24(640) + BE24(360) +
                       std::string(2, '\0') + BE32(30000) + BE32(1001) + BE24(1) + BE24(1) + '\0' + BE24(0) +
                       std::string(2, '\0');
  ASSERT_EQ(theora.size(), 42u);
  TMemoryStream th(Page(theora) + Page("\x81theora comments") + Page("video"));
  ASSERT_EQ(ogg.ReadFromStream(th), 0);
  EXPECT_EQ(ogg.Codec, kOggCodecTheora);
  EXPECT_EQ(ogg.GetVideoWidth(), 640);
  EXPECT_EQ(ogg.GetVideoHeight(), 360);  // the picture, not the 368 lines of whole macroblocks
  EXPECT_NEAR(ogg.GetVideoFrameRate(), 29.97, 0.001);
  EXPECT_EQ(ogg.GetPlayTime(), 0);
}

TEST(TMediaInfoOGG, FailuresAndId3Prefix) {
  TMediaInfoOGG ogg;
  struct {
    const char* name;
    std::string bytes;
  } bad[] = {
      {"empty", ""},
      {"no Ogg", std::string(100, 'x')},
      {"unknown codec", Page("hello") + Page("world")},
      {"comment longer than the file",
       Page(VorbisId(2, 44100, 0)) + Page("\x03vorbis" + LE32(0) + LE32(1) + LE32(1000000) + "short")},
      {"negative comment length",
       Page(VorbisId(2, 44100, 0)) + Page("\x03vorbis" + LE32(0) + LE32(1) + LE32(0xFFFFFFFF))},
  };
  for (const auto& b : bad) {
    TMemoryStream s(b.bytes);
    EXPECT_EQ(ogg.ReadFromStream(s), 65535) << b.name;
    EXPECT_FALSE(ogg.Valid) << b.name;
  }
  std::string id3 = std::string("ID3\x03\x00\x00", 6) + std::string("\x00\x00\x07\x5E", 4) + std::string(990, '\0');
  testsupport::TempDir dir;
  testsupport::WriteFileBytes(dir.file("a.ogg"), id3 + Page(VorbisId(2, 44100, 96000)) +
                                                     Page(CommentHeader("\x03vorbis", {"GENRE=g"})) + Page("a", 44100));
  ASSERT_TRUE(ogg.ReadFromFile(dir.file("a.ogg")));
  EXPECT_EQ(ogg.ID3v2Size, 1000);
  EXPECT_EQ(ogg.Genre, "g");
  EXPECT_FALSE(ogg.ReadFromFile(dir.file("missing.ogg")));
}

namespace {

// A page of one logical stream; flag 2 begins the stream.
std::string StreamPage(const std::string& data, uint32_t serial, uint8_t flags, uint64_t granule = 0) {
  std::string page = Page(data, granule);
  page[5] = static_cast<char>(flags);
  page.replace(14, 4, LE32(serial));
  return page;
}

// A Theora identification: 3.2.1, 320 × 240, frame rate num/den, key frame
// granule shift 6.
std::string TheoraId(uint32_t num, uint32_t den) {
  std::string id = std::string("\x80theora") + "\x03\x02\x01" + BE16(20) + BE16(15) + BE24(320) + BE24(240) +
                   std::string(2, '\0') + BE32(num) + BE32(den) + BE24(1) + BE24(1) + '\0' + BE24(0) +
                   static_cast<char>(6 >> 3) + static_cast<char>((6 & 7) << 5);
  return id;
}

std::string FlacFirstPacket(uint32_t rate, int channels, uint32_t samples) {
  std::string info(34, '\0');
  info[10] = static_cast<char>(rate >> 12);
  info[11] = static_cast<char>(rate >> 4);
  info[12] = static_cast<char>((rate & 0xF) << 4 | (channels - 1) << 1);
  info[13] = static_cast<char>(15 << 4);
  info.replace(14, 4, BE32(samples));
  return std::string(
             "\x7F"
             "FLAC\x01\x00",
             7) +
         BE16(1) + "fLaC" + std::string("\x00\x00\x00\x22", 4) + info;
}

}  // namespace

TEST(TMediaInfoOGG, TheoraPlayTimeFromItsGranule) {
  // Key frame 90 and 9 frames after it: 99 frames at 29.97 per second.
  const uint64_t granule = (uint64_t{90} << 6) + 9;
  TMemoryStream th(StreamPage(TheoraId(30000, 1001), 5, 2) + StreamPage("\x81theora", 5, 0) +
                   StreamPage("video", 5, 4, granule));
  TMediaInfoOGG ogg;
  ASSERT_EQ(ogg.ReadFromStream(th), 0);
  EXPECT_EQ(ogg.Codec, kOggCodecTheora);
  EXPECT_NEAR(ogg.GetPlayTime(), 99 * 1001.0 / 30000, 1e-9);
}

TEST(TMediaInfoOGG, MultiplexedStreamsReportTheAudioAndTheVideoApart) {
  // Theora first, then Vorbis: the audio stream is reported, its comments on
  // the pages of its own serial number; the video runs longer.
  const std::string bytes =
      StreamPage(TheoraId(15, 1), 7, 2) + StreamPage(VorbisId(2, 44100, 0), 9, 2) +
      StreamPage("\x81theora comments", 7, 0) + StreamPage(CommentHeader("\x03vorbis", {"TITLE=Muxed"}), 9, 0) +
      StreamPage(std::string(4000, 'a'), 9, 0, 88200) + StreamPage(std::string(4000, 'v'), 7, 0, (54 << 6) + 6) +
      StreamPage(std::string(100, 'v'), 7, 4, (54 << 6) + 6);
  TMemoryStream s(bytes);
  TMediaInfoOGG ogg;
  ASSERT_EQ(ogg.ReadFromStream(s), 0);
  EXPECT_EQ(ogg.Codec, kOggCodecVorbis);
  EXPECT_EQ(ogg.Title, "Muxed");
  EXPECT_DOUBLE_EQ(ogg.GetPlayTime(), 2.0);
  EXPECT_EQ(ogg.GetAudioSampleRate(), 44100);
  EXPECT_DOUBLE_EQ(ogg.GetVideoPlayTime(), 4.0);
  EXPECT_EQ(ogg.GetVideoWidth(), 320);
}

TEST(TMediaInfoOGG, ChainedLinksAddUpAtTheirOwnRates) {
  const std::string first = StreamPage(VorbisId(2, 44100, 0), 1, 2) +
                            StreamPage(CommentHeader("\x03vorbis", {"TITLE=One"}), 1, 0) +
                            StreamPage(std::string(3000, 'a'), 1, 4, 132300);
  const std::string second = StreamPage(VorbisId(1, 22050, 0), 2, 2) +
                             StreamPage(CommentHeader("\x03vorbis", {"TITLE=Two"}), 2, 0) +
                             StreamPage(std::string(3000, 'b'), 2, 4, 55125);
  TMemoryStream s(first + second);
  TMediaInfoOGG ogg;
  ASSERT_EQ(ogg.ReadFromStream(s), 0);
  EXPECT_EQ(ogg.Title, "One");
  EXPECT_DOUBLE_EQ(ogg.GetPlayTime(), 3.0 + 2.5);
  EXPECT_EQ(ogg.GetAudioSampleRate(), 44100);
}

TEST(TMediaInfoOGG, FlacInOgg) {
  const std::string comments = CommentHeader("", {"TITLE=Ogg FLAC", "ARTIST=A"});
  const std::string block = std::string(1, '\x84') + BE24(static_cast<uint32_t>(comments.size())) + comments;
  TMemoryStream s(StreamPage(FlacFirstPacket(44100, 2, 88200), 3, 2) + StreamPage(block, 3, 0) +
                  StreamPage(std::string(5000, 'f'), 3, 4, 88200));
  TMediaInfoOGG ogg;
  ASSERT_EQ(ogg.ReadFromStream(s), 0);
  EXPECT_EQ(ogg.Codec, kOggCodecFLAC);
  EXPECT_EQ(ogg.Title, "Ogg FLAC");
  EXPECT_EQ(ogg.Artist, "A");
  EXPECT_EQ(ogg.GetAudioSampleRate(), 44100);
  EXPECT_EQ(ogg.GetAudioChannels(), aicStereo);
  EXPECT_DOUBLE_EQ(ogg.GetPlayTime(), 2.0);
}
