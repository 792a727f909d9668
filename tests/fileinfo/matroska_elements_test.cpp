#include "fileinfo/matroska_elements.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>

#include "test_support.h"

namespace {

// An element: the ID bytes, an 8-byte size (0x01 marker) and the data.
std::string El(const std::string& id, const std::string& data) {
  std::string size(8, '\0');
  uint64_t n = data.size();
  for (int i = 7; i >= 1; --i, n >>= 8) size[static_cast<size_t>(i)] = static_cast<char>(n & 0xFF);
  size[0] = 0x01;
  return id + size + data;
}
std::string UInt(uint64_t v, int bytes) {
  std::string s(static_cast<size_t>(bytes), '\0');
  for (int i = bytes - 1; i >= 0; --i, v >>= 8) s[static_cast<size_t>(i)] = static_cast<char>(v & 0xFF);
  return s;
}
std::string Double(double d) {
  uint64_t bits;
  std::memcpy(&bits, &d, 8);
  return UInt(bits, 8);
}
std::string Float(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, 4);
  return UInt(bits, 4);
}

const std::string kEbml = "\x1A\x45\xDF\xA3", kSegment = "\x18\x53\x80\x67", kInfo = "\x15\x49\xA9\x66",
                  kTracks = "\x16\x54\xAE\x6B", kTags = "\x12\x54\xC3\x67", kCluster = "\x1F\x43\xB6\x75";

std::string AudioTrack(int channels, float rate) {
  return El("\xAE", El("\x83", UInt(2, 1)) + El("\xE1", El("\x9F", UInt(channels, 1)) + El("\xB5", Float(rate))));
}
std::string VideoTrack(int w, int h) {
  return El("\xAE", El("\x83", UInt(1, 1)) + El("\xE0", El("\xB0", UInt(w, 2)) + El("\xBA", UInt(h, 2))));
}
std::string SimpleTag(const std::string& name, const std::string& value) {
  return El("\x67\xC8", El("\x45\xA3", name) + El("\x44\x87", value));
}
std::string Tag(int target, const std::string& simple) {
  return El("\x73\x73", (target ? El("\x63\xC0", El("\x68\xCA", UInt(target, 1))) : "") + simple);
}

struct TFile {
  testsupport::TempDir dir;
  std::string Write(const std::string& bytes) {
    testsupport::WriteFileBytes(dir.file("a.mka"), bytes);
    return dir.file("a.mka");
  }
};

}  // namespace

TEST(TMediaInfoMatroska, AudioTrackDurationBitrateAndTags) {
  const std::string tags =
      El(kTags, Tag(50, SimpleTag("TITLE", "Album") + SimpleTag("PART_NUMBER", "2")) +
                    Tag(30, SimpleTag("TITLE", std::string("Song\0\0", 6)) + SimpleTag("ARTIST", "Band")) +
                    Tag(0, SimpleTag("TITLE", "Untargeted") + SimpleTag("GENRE", "Jazz")));
  const std::string segment =
      El(kSegment, El(kInfo, El("\x2A\xD7\xB1", UInt(1000000, 3)) + El("\x44\x89", Double(10000.0))) +
                       El(kTracks, AudioTrack(2, 48000.0f)) + tags + El(kCluster, std::string(624995, 'c')) +
                       El(kCluster, std::string(624995, 'c')));
  TFile f;
  const std::string path = f.Write(El(kEbml, El("\x42\x82", "matroska")) + segment + std::string(16, '\0'));
  TMediaInfoMatroska m;
  ASSERT_TRUE(m.GetData(path));
  EXPECT_TRUE(m.HasAudio);
  EXPECT_EQ(m.MediaType, 1);
  EXPECT_EQ(m.AudioChannels, aicStereo);
  EXPECT_EQ(m.AudioSampleRate, 48000);
  EXPECT_DOUBLE_EQ(m.DurationExact, 10.0);
  EXPECT_EQ(m.Duration, 10);
  // Cluster sizes are counted with their data size − 10 each.
  EXPECT_EQ(m.Bitrate, static_cast<int32_t>(std::nearbyint((624995.0 - 10) * 2 * 8 / 10000)));
  // A Tag without a TargetTypeValue stands at the album level (50).
  EXPECT_EQ(m.Album, "Untargeted");
  EXPECT_EQ(m.DiscNumber, "2");
  EXPECT_EQ(m.Title, std::string("Song\0\0", 6));
  EXPECT_EQ(m.Artist, "Band");
  EXPECT_EQ(m.Genre, "Jazz");

  TMediaInfoMatroska noTags;
  noTags.ReadMetaData = false;
  ASSERT_TRUE(noTags.GetData(path));
  EXPECT_EQ(noTags.Artist, "");
}

TEST(TMediaInfoMatroska, VideoAndAudioAndDurationRules) {
  TFile f;
  TMediaInfoMatroska m;
  // Without a TimecodeScale the duration counts as milliseconds.
  ASSERT_TRUE(m.GetData(f.Write(El(kEbml, "") +
                                El(kSegment, El(kInfo, El("\x44\x89", Float(5000.0f))) +
                                                 El(kTracks, VideoTrack(1920, 1080) + AudioTrack(6, 44100.0f))) +
                                std::string(16, '\0'))));
  EXPECT_EQ(m.MediaType, 0);
  EXPECT_EQ(m.Width, 1920);
  EXPECT_EQ(m.Height, 1080);
  EXPECT_EQ(m.AudioChannels, aicMultiChannel);
  EXPECT_DOUBLE_EQ(m.DurationExact, 5.0);
  EXPECT_EQ(m.Bitrate, 0);

  EXPECT_FALSE(m.GetData(f.Write(std::string(20, 'x'))));
  EXPECT_FALSE(m.GetData(f.dir.file("missing.mka")));
  EXPECT_TRUE(m.GetData(f.Write(std::string(64, 'x'))));  // no magic: read from offset 4, true
}

TEST(TMediaInfoMatroska, DeepNestingAndHugeSizesStayBounded) {
  std::string nested = El("\x44\x87", "x");
  for (int i = 0; i < 5000; ++i) nested = El("\x67\xC8", nested);
  TFile f;
  TMediaInfoMatroska m;
  EXPECT_TRUE(m.GetData(f.Write(El(kEbml, "") + El(kTags, nested) + std::string(16, '\0'))));
  // A string element claiming petabytes loads only what the file holds.
  std::string huge = "\x45\xA3\x01\x00\xFF\xFF\xFF\xFF\xFF\xFF" + std::string(100, 'n');
  EXPECT_TRUE(
      m.GetData(f.Write(El(kEbml, "") + El(kTags, El("\x73\x73", El("\x67\xC8", huge))) + std::string(16, '\0'))));
}

TEST(TMediaInfoMatroska, SegmentTitleCodecAndInfiniteDuration) {
  TFile f;
  TMediaInfoMatroska m;
  const std::string audio =
      El("\xAE", El("\x86", "A_AAC/MPEG4/LC") + El("\x83", UInt(2, 1)) + El("\xE1", El("\x9F", UInt(2, 1))));
  const std::string video = El("\xAE", El("\x83", UInt(1, 1)) + El("\x86", "V_VP9"));
  // The segment's title names the file; a duration of +inf is none.
  ASSERT_TRUE(m.GetData(f.Write(El(kEbml, "") +
                                El(kSegment, El(kInfo, El("\x7B\xA9", "Segment") + El("\x44\x89", Double(INFINITY))) +
                                                 El(kTracks, video + audio)) +
                                std::string(16, '\0'))));
  EXPECT_EQ(m.Title, "Segment");
  EXPECT_EQ(m.AudioCodec, "AAC");
  EXPECT_EQ(m.DurationExact, 0);
  EXPECT_EQ(m.Duration, 0);

  // A title tag of the track level names the file more closely.
  ASSERT_TRUE(m.GetData(
      f.Write(El(kEbml, "") +
              El(kSegment, El(kInfo, El("\x7B\xA9", "Segment")) + El(kTags, Tag(30, SimpleTag("TITLE", "Track")))) +
              std::string(16, '\0'))));
  EXPECT_EQ(m.Title, "Track");
}

TEST(TMediaInfoMatroska, UnknownSizeSegmentOfVoidsIsReadAhead) {
  // An unknown-size segment of two-byte Void elements: the walk reads the
  // file in blocks, not element by element.
  TFile f;
  std::string bytes = El(kEbml, "") + kSegment + "\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF";
  for (int i = 0; i < 200000; ++i) bytes += "\xEC\x80";
  const std::string path = f.Write(bytes + std::string(16, '\0'));
  TMediaInfoMatroska m;
  const int64_t before = FileStreamBytesReadOnThisThread();
  ASSERT_TRUE(m.GetData(path));
  // Every byte once, and a few blocks more.
  EXPECT_LT(FileStreamBytesReadOnThisThread() - before, static_cast<int64_t>(bytes.size()) + 4 * 65536);

  // Empty masters in a row hold no children: each is passed once, not
  // walked into with everything behind it (2^40 walks here).
  std::string empties;
  for (int i = 0; i < 40; ++i) empties += El(kTracks, "");
  ASSERT_TRUE(m.GetData(f.Write(El(kEbml, "") + El(kSegment, empties + El(kInfo, El("\x44\x89", Float(2000.0f)))) +
                                std::string(16, '\0'))));
  EXPECT_DOUBLE_EQ(m.DurationExact, 2.0);
}

TEST(TMediaInfoMatroska, ChildrenClaimingMoreThanTheirParentAreWalkedOnce) {
  // Each Tag holds a SimpleTag head that claims 127 bytes, beyond the Tag's
  // own 3: walked into up to that end, it would cover the Tags behind it,
  // which their parent then walks again, and so on for every level.
  std::string tags;
  for (int i = 0; i < 200; ++i) tags += std::string("\x73\x73\x83\x67\xC8\xFF", 6);
  TFile f;
  const std::string path = f.Write(El(kEbml, "") + El(kTags, tags) + std::string(200, '\0'));
  const auto start = std::chrono::steady_clock::now();
  TMediaInfoMatroska m;
  EXPECT_TRUE(m.GetData(path));
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 10.0);
}

TEST(TMediaInfoMatroska, FirstAudioTrackAndItsOwnTagsAreReported) {
  const auto audio = [](uint64_t uid, const std::string& codec, int channels, float rate) {
    return El("\xAE", El("\x73\xC5", UInt(uid, 8)) + El("\x83", UInt(2, 1)) + El("\x86", codec) +
                          El("\xE1", El("\x9F", UInt(channels, 1)) + El("\xB5", Float(rate))));
  };
  const auto trackTag = [](uint64_t uid, int target, const std::string& simple) {
    return El("\x73\x73",
              El("\x63\xC0", (target ? El("\x68\xCA", UInt(target, 1)) : "") + El("\x63\xC5", UInt(uid, 8))) + simple);
  };
  struct TCase {
    const char* Name;
    std::string Tracks, Tags;
    const char *Title, *Artist, *Album, *Track, *Disc;
  };
  const std::string subtitles = El("\xAE", El("\x83", UInt(17, 1)) + El("\x86", "S_TEXT/UTF8"));
  const TCase cases[] = {
      // Each track's tag names the track; only the reported one's counts.
      {"ownTagsOnly", audio(7, "A_VORBIS", 2, 48000) + audio(9, "A_FLAC", 1, 22050),
       trackTag(9, 0, SimpleTag("TITLE", "Second") + SimpleTag("ARTIST", "B")) +
           trackTag(7, 0, SimpleTag("TITLE", "First")),
       "First", "", "", "", ""},
      // Album-level texts first, the track's where the album has none.
      {"albumFirst", VideoTrack(320, 240) + audio(7, "A_VORBIS", 2, 48000),
       trackTag(7, 30, SimpleTag("ARTIST", "Track artist") + SimpleTag("GENRE", "Folk")) +
           Tag(50, SimpleTag("ARTIST", "Album artist") + SimpleTag("TITLE", "Record")),
       "", "Album artist", "Record", "", ""},
      // ffmpeg's track number stands in a Tag without Targets.
      {"partNumber", audio(7, "A_VORBIS", 2, 48000) + subtitles + audio(9, "A_FLAC", 1, 22050),
       Tag(0, SimpleTag("PART_NUMBER", "3")) + Tag(0, SimpleTag("DISC", "2")), "", "", "", "3", "2"},
      {"discAtAlbumLevel", audio(7, "A_VORBIS", 2, 48000), Tag(50, SimpleTag("PART_NUMBER", "4")), "", "", "", "", "4"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TFile f;
    TMediaInfoMatroska m;
    ASSERT_TRUE(m.GetData(
        f.Write(El(kEbml, "") + El(kSegment, El(kTracks, c.Tracks) + El(kTags, c.Tags)) + std::string(16, '\0'))));
    EXPECT_EQ(m.AudioSampleRate, 48000);
    EXPECT_EQ(m.AudioChannels, aicStereo);
    EXPECT_EQ(m.AudioCodec, "Vorbis");
    EXPECT_EQ(m.Title, c.Title);
    EXPECT_EQ(m.Artist, c.Artist);
    EXPECT_EQ(m.Album, c.Album);
    EXPECT_EQ(m.Track, c.Track);
    EXPECT_EQ(m.DiscNumber, c.Disc);
  }
  // The picture size is the first video track's, also behind an audio track.
  TFile f;
  TMediaInfoMatroska m;
  ASSERT_TRUE(m.GetData(f.Write(
      El(kEbml, "") + El(kSegment, El(kTracks, AudioTrack(2, 44100) + VideoTrack(320, 240) + VideoTrack(1920, 1080))) +
      std::string(16, '\0'))));
  EXPECT_EQ(m.Width, 320);
  EXPECT_EQ(m.Height, 240);
}
