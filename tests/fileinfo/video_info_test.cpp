// The video reader on hand-made containers: the leading-byte guess, the AVI,
// FLV, MPEG and Matroska readers with their edge cases, and the facade's
// aspect, bit rate and error handling.
#include "fileinfo/video_info.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fileinfo/buffered_stream.h"
#include "fileinfo/matroska_video.h"
#include "fileinfo/video_containers.h"
#include "support/test_support.h"

namespace {

std::string LE32(uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
std::string BE64Double(double d) {
  uint64_t bits;
  std::memcpy(&bits, &d, 8);
  std::string s;
  for (int i = 7; i >= 0; --i) s += static_cast<char>(bits >> (8 * i));
  return s;
}
std::string Pad(std::string s, size_t size) {
  s.resize(std::max(s.size(), size), '\0');
  return s;
}

std::string Avi(uint32_t usPerFrame, uint32_t frames, uint32_t w, uint32_t h, const std::string& afterHeader) {
  std::string avih = "avih" + LE32(56) + LE32(usPerFrame) + LE32(0) + LE32(0) + LE32(0) + LE32(frames) + LE32(0) +
                     LE32(1) + LE32(0) + LE32(w) + LE32(h) + std::string(16, '\0');
  std::string hdrl = "hdrl" + avih + afterHeader;
  return Pad("RIFF" + LE32(0) + "AVI " + "LIST" + LE32(static_cast<uint32_t>(hdrl.size())) + hdrl, 200);
}

std::string AmfKey(const std::string& key, double v) {
  return std::string(1, '\0') + static_cast<char>(key.size()) + key + '\0' + BE64Double(v);
}

std::string Flv(uint8_t flags, const std::string& script) {
  const uint32_t n = static_cast<uint32_t>(script.size());
  std::string tag = std::string("\x12", 1) + static_cast<char>(n >> 16) + static_cast<char>(n >> 8) +
                    static_cast<char>(n) + std::string(7, '\0');
  return Pad(std::string("FLV\x01", 4) + static_cast<char>(flags) + std::string("\0\0\0\x09\0\0\0\0", 8) + tag + script,
             13 + 11 + script.size() + 80);
}

// EBML helpers: an element of ID bytes and data with a one- to eight-byte size.
std::string El(const std::string& id, const std::string& data) {
  std::string size;
  const uint64_t n = data.size();
  if (n < 0x7F) {
    size = std::string(1, static_cast<char>(0x80 | n));
  } else {
    size = std::string("\x01", 1);
    for (int i = 6; i >= 0; --i) size += static_cast<char>(n >> (8 * i));
  }
  return id + size + data;
}
std::string UInt(uint64_t v, int bytes) {
  std::string s;
  for (int i = bytes - 1; i >= 0; --i) s += static_cast<char>(v >> (8 * i));
  return s;
}
const std::string kEBML("\x1A\x45\xDF\xA3", 4), kSegment("\x18\x53\x80\x67", 4), kInfo("\x15\x49\xA9\x66", 4),
    kTracks("\x16\x54\xAE\x6B", 4), kCluster("\x1F\x43\xB6\x75", 4), kSeekHead("\x11\x4D\x9B\x74", 4);

std::string VideoTrack(uint32_t w, uint32_t h) {
  return El("\xAE", El("\xD7", UInt(1, 1)) + El("\xE0", El("\xB0", UInt(w, 2)) + El("\xBA", UInt(h, 2))));
}

std::string Mkv(const std::string& segmentContent) {
  return El(kEBML, El("\x42\x82", "webm")) + El(kSegment, segmentContent) + std::string(16, '\0');
}

class VideoInfoTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir.file(name);
    testsupport::WriteFileBytes(path, bytes);
    return path;
  }
  testsupport::TempDir dir;
};

}  // namespace

TEST_F(VideoInfoTest, GuessByLeadingBytes) {
  struct TCase {
    std::string Bytes;
    TVideoInfoFormat Expected;
  };
  const TCase cases[] = {
      {kEBML, vifMKV},
      {".RMF", vifRM},
      {std::string("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x77\xAA\x77\x62\xCE\x6C", 16), vifWMV},
      {"FLV", vifFLV},
      {"OggS", vifOGV},
      {"RIFFxxxxAVI ", vifAVI},
      {"RIFFxxxxWAVE", vifUnknown},
      {std::string("\0\0\0\x18", 4) + "ftypisom", vifMP4},
      {std::string("\0\0\0\x18", 4) + "ftypqt  ", vifMP4},
      {std::string("\0\0\0\x18", 4) + "ftyp3gp5", vifMP4},
      {std::string("\0\0\0\x18", 4) + "ftypavc1", vifUnknown},
      {std::string("\0\0\x01\xBA", 4), vifMPG},
      {std::string("\0\0\0\0", 4), vifUnknown},
      {"XYZ", vifUnknown},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Bytes);
    EXPECT_EQ(GuessVideoInfoFormat(Write("guess", Pad(c.Bytes, 32))), c.Expected);
  }
  EXPECT_EQ(GuessVideoInfoFormat(Write("short", Pad(kEBML, 19))), vifUnknown);
  EXPECT_EQ(GuessVideoInfoFormat(dir.file("missing")), vifUnknown);
}

TEST_F(VideoInfoTest, AviMainHeaderAndOpenDML) {
  TVideoInfo info;
  ASSERT_TRUE(info.GetVideoData(Write("a.avi", Avi(40000, 250, 640, 480, ""))));
  EXPECT_EQ(info.Format, vifAVI);
  EXPECT_DOUBLE_EQ(info.FramesPerSecond, 25);
  EXPECT_DOUBLE_EQ(info.DurationExact, 10);
  EXPECT_EQ(info.Duration, 10);
  EXPECT_EQ(info.Width, 640);
  EXPECT_EQ(info.AspectRatioStr, "4:3");

  // The extended header's frame count wins over the main header's.
  const std::string strl = "LIST" + LE32(8) + "strl" + "abcd";
  const std::string odml = "LIST" + LE32(16) + "odml" + "dmlh" + LE32(4) + LE32(500);
  ASSERT_TRUE(info.GetVideoData(Write("b.avi", Avi(40000, 250, 640, 480, strl + odml))));
  EXPECT_DOUBLE_EQ(info.DurationExact, 20);

  // A chunk that is no list ends the scan: the main header's count stays.
  ASSERT_TRUE(info.GetVideoData(Write("c.avi", Avi(40000, 250, 640, 480, "JUNK" + LE32(4) + "xxxx" + odml))));
  EXPECT_DOUBLE_EQ(info.DurationExact, 10);

  // A list whose size does not move forward ends the scan instead of looping.
  ASSERT_TRUE(info.GetVideoData(Write("d.avi", Avi(40000, 250, 640, 480, "LIST" + LE32(0) + "strl"))));
  ASSERT_TRUE(info.GetVideoData(Write("e.avi", Avi(40000, 250, 640, 480, "LIST" + LE32(0xFFFFFFF0u) + "strl"))));
  EXPECT_DOUBLE_EQ(info.DurationExact, 10);

  EXPECT_FALSE(info.GetVideoDataFromAVI(Write("short.avi", Avi(40000, 250, 640, 480, "").substr(0, 99))));
}

TEST_F(VideoInfoTest, FlvScriptData) {
  TVideoInfo info;
  const std::string meta = std::string("\x02\x00\x0AonMetaData\x08\0\0\0\x04", 18) + AmfKey("duration", 12.5) +
                           AmfKey("width", 320) + AmfKey("height", 240) + AmfKey("framerate", 29.97);
  ASSERT_TRUE(info.GetVideoData(Write("a.flv", Flv(0x05, meta))));
  EXPECT_EQ(info.Format, vifFLV);
  EXPECT_DOUBLE_EQ(info.DurationExact, 12.5);
  EXPECT_EQ(info.Duration, 12);  // halves go to the even neighbour
  EXPECT_EQ(info.Width, 320);
  EXPECT_EQ(info.Height, 240);
  EXPECT_DOUBLE_EQ(info.FramesPerSecond, 29.97);

  ASSERT_TRUE(info.GetVideoData(Write("b.flv", Flv(0x01, std::string(40, 'x')))));
  EXPECT_EQ(info.Width, 0);
  for (uint8_t flags : {0x00, 0x02}) EXPECT_FALSE(info.GetVideoDataFromFLV(Write("c.flv", Flv(flags, meta))));
}

TEST_F(VideoInfoTest, MpegSequenceHeadersBehindPackAndPesHeaders) {
  struct TCase {
    const char* Name;
    std::string Bytes;
    int32_t Width, Height;
    double Fps;
  };
  const std::string seq352 = std::string("\0\0\x01\xB3\x16\x01\x20\x13\xFF\xFF", 10);
  const std::string seq1366 = std::string("\0\0\x01\xB3\x55\x63\x00\x34\xFF\xFF", 10);
  // MPEG-1 pack header (8 bytes after the code), MPEG-1 PES header with a
  // time stamp; MPEG-2 pack header with 2 stuffing bytes and a PES header
  // with 5 bytes of header data.
  const std::string pack1 = std::string("\0\0\x01\xBA\x21\0\x01\0\x01\x80\0\x01", 12);
  const std::string pes1 = std::string("\0\0\x01\xE0\x01\x00\x21\0\x01\0\x01", 11);
  const std::string pack2 = std::string("\0\0\x01\xBA\x44\0\x04\0\x04\x01\x01\x89\xC3\xFA\xFF\xFF", 16);
  const std::string pes2 = std::string("\0\0\x01\xE0\x01\x00\x81\x80\x05\x21\0\x01\0\x01", 14);
  const std::string system = std::string("\0\0\x01\xBB\x00\x02\xAA\xBB", 8);
  const TCase cases[] = {
      {"es", seq352, 352, 288, 25},
      {"size1366", seq1366, 1366, 768, 29.97003},
      {"mpeg1", pack1 + system + pes1 + seq352, 352, 288, 25},
      {"mpeg2", pack2 + system + pes2 + seq1366, 1366, 768, 29.97003},
      {"zeros", std::string(8, '\0'), 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TVideoInfo info;
    ASSERT_TRUE(info.GetVideoData(Write("v.mpg", Pad(c.Bytes, c.Bytes.size() + 64))));
    EXPECT_EQ(info.Format, vifMPG);
    EXPECT_EQ(info.Width, c.Width);
    EXPECT_EQ(info.Height, c.Height);
    EXPECT_DOUBLE_EQ(info.FramesPerSecond, c.Fps);
    EXPECT_EQ(info.Bitrate, 0);
  }
  TVideoInfo cut;
  EXPECT_FALSE(cut.GetVideoDataFromMPG(Write("cut.mpg", seq352.substr(0, 8))));
}

TEST_F(VideoInfoTest, MatroskaDurationScaleAndTracks) {
  const std::string dur5000 = El("\x44\x89", BE64Double(5000.0));
  struct TCase {
    const char* Name;
    std::string Segment;
    double Duration;
    int32_t Width, Height;
  };
  const TCase cases[] = {
      {"noScale", El(kInfo, dur5000) + El(kTracks, VideoTrack(1280, 720)), 5, 1280, 720},
      {"scale0", El(kInfo, El("\x2A\xD7\xB1", UInt(0, 1)) + dur5000), 5, 0, 0},
      {"float4", El(kInfo, El("\x44\x89", std::string("\x42\x7A\0\0", 4))), 0.0625, 0, 0},
      // The first video track gives the size, behind an audio track too.
      {"audioFirst",
       El(kTracks,
          El("\xAE", El("\xD7", UInt(1, 1)) + El("\xE1", El("\xB5", BE64Double(48000)))) + VideoTrack(640, 480)),
       0, 640, 480},
      {"voidBetweenEntries",
       El(kTracks,
          El("\xAE", El("\xD7", UInt(1, 1))) + El("\xEC", UInt(0, 3)) + VideoTrack(320, 240) + VideoTrack(1280, 720)),
       0, 320, 240},
      {"crcBeforeEntry", El(kTracks, El("\xBF", UInt(0, 4)) + VideoTrack(320, 240)), 0, 320, 240},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TVideoInfo info;
    ASSERT_TRUE(info.GetVideoData(Write("m.webm", Mkv(c.Segment))));
    EXPECT_EQ(info.Format, vifMKV);
    EXPECT_DOUBLE_EQ(info.DurationExact, c.Duration);
    EXPECT_EQ(info.Width, c.Width);
    EXPECT_EQ(info.Height, c.Height);
  }
}

TEST_F(VideoInfoTest, MatroskaSeekHeadAndBlockCount) {
  // Info and Tracks behind a cluster of unknown size, found through the index.
  const std::string info = El(kInfo, El("\x44\x89", BE64Double(10000.0)));
  const std::string tracks = El(kTracks, VideoTrack(800, 600));
  const std::string voidEl = El("\xEC", std::string(4, '\0'));
  std::string seekHead;
  const auto seek = [](const std::string& id, uint64_t pos) {
    return El("\x4D\xBB", El("\x53\xAB", id) + El("\x53\xAC", UInt(pos, 4)));
  };
  // Positions relative to the segment's data: the seek head has a fixed size.
  const size_t headSize = El(kSeekHead, voidEl + seek(kInfo, 0) + seek(kTracks, 0)).size();
  seekHead = El(kSeekHead, voidEl + seek(kInfo, headSize) + seek(kTracks, headSize + info.size()));
  TVideoInfo v;
  ASSERT_TRUE(v.GetVideoData(Write("seek.mkv", Mkv(seekHead + info + tracks))));
  EXPECT_EQ(v.Width, 800);
  EXPECT_DOUBLE_EQ(v.DurationExact, 10);

  std::string blocks;
  for (int i = 0; i < 250; ++i) blocks += El("\xA3", "v");
  for (int i = 0; i < 500; ++i) blocks += El("\xA0", "a");
  const std::string file = Mkv(info + tracks + El(kCluster, blocks));
  ASSERT_TRUE(v.GetVideoData(Write("blocks.mkv", file)));
  EXPECT_DOUBLE_EQ(v.FramesPerSecond, 0);
  v.ReadFramesPerSecondMKV = true;
  ASSERT_TRUE(v.GetVideoData(Write("blocks.mkv", file)));
  EXPECT_DOUBLE_EQ(v.FramesPerSecond, 75);
  EXPECT_TRUE(v.ReadFramesPerSecondMKV);

  // An element of unknown size (all value bits set) ends the walk.
  const std::string unknown = kCluster + std::string("\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8);
  ASSERT_TRUE(v.GetVideoData(Write("unknown.mkv", Mkv(unknown + info))));
  EXPECT_DOUBLE_EQ(v.DurationExact, 0);

  EXPECT_FALSE(v.GetVideoDataFromMKV(Write("nine.mkv", Pad(kEBML, 9))));
  EXPECT_EQ(matroska_video::CountLeadingZeros(0), 8);
  EXPECT_EQ(matroska_video::CountLeadingZeros(0x1A), 3);
  EXPECT_EQ(matroska_video::BytesToUInt(std::string("\x01\x02", 2)), 0x102u);
  EXPECT_EQ(matroska_video::BytesToUInt(std::string(9, '\x01')), 0u);
}

TEST_F(VideoInfoTest, FacadeExtensionsFallbackAspectAndBitrate) {
  const std::string avi = Avi(40000, 250, 1280, 720, "");
  for (const char* name : {"x.AVI", "x.avi", "x.Avi", "x.mp4", "noext", "x.unknown"}) {
    SCOPED_TRACE(name);
    TVideoInfo info;
    info.Tag = 7;
    ASSERT_TRUE(info.GetVideoData(Write(name, avi)));
    EXPECT_EQ(info.Format, vifAVI);
    EXPECT_EQ(info.Tag, 7);
    EXPECT_NEAR(info.AspectRatioFactor, 1280.0 / 720, 1e-12);
    EXPECT_EQ(info.AspectRatioStr, "16:9");
  }
  TVideoInfo portrait(Write("p.avi", Avi(40000, 250, 720, 1280, "")));
  EXPECT_EQ(portrait.AspectRatioStr, "9:16");
  EXPECT_NEAR(portrait.AspectRatioFactor, 1280.0 / 720, 1e-12);

  // 10,485,760 bytes over 80 seconds: 1024 units of 1024 bits per second.
  TVideoInfo rate(Write("r.avi", Pad(Avi(40000, 2000, 64, 48, ""), 10485760)));
  EXPECT_EQ(rate.Bitrate, 1024);

  TVideoInfo none;
  EXPECT_FALSE(none.GetVideoData(Write("tiny.xyz", std::string(19, 'x'))));
  EXPECT_EQ(none.Format, vifUnknown);
  EXPECT_FALSE(none.GetVideoData(dir.file("missing.avi")));
  EXPECT_TRUE(none.Error.empty());
}

TEST_F(VideoInfoTest, FileThatCannotBeOpenedReportsTheError) {
  const std::string path = Write("locked.avi", Avi(40000, 250, 64, 48, ""));
  const TStreamOpener previous = SetStreamOpener([](const std::string&) { return std::unique_ptr<TStream>(); });
  TVideoInfo info;
  const bool ok = info.GetVideoData(path);
  SetStreamOpener(previous);
  EXPECT_FALSE(ok);
  EXPECT_EQ(info.Error.rfind("Error [", 0), 0u) << info.Error;
}

TEST(VideoContainers, ByteConversions) {
  EXPECT_EQ(video_containers::BytesToUInt24(std::string("\x01\x02\x03", 3)), 0x010203u);
  EXPECT_EQ(video_containers::BytesToUInt24("ab"), 0u);
  EXPECT_DOUBLE_EQ(video_containers::BytesToDouble("x" + BE64Double(2.5), 1), 2.5);
  EXPECT_DOUBLE_EQ(video_containers::BytesToDouble(BE64Double(2.5), 1), 0);
}

namespace {

// An MPEG-2 pack header and a PES packet with a presentation time stamp.
const std::string kPack2 = std::string("\0\0\x01\xBA\x44\0\x04\0\x04\x01\x01\x89\xC3\xFA\xFF\xFF", 16);
std::string Pes(uint8_t streamId, int64_t pts, size_t payload = 100) {
  std::string header = std::string("\x81\x80\x05", 3);
  header += static_cast<char>(0x21 | ((pts >> 29) & 0x0E));
  header += static_cast<char>((pts >> 22) & 0xFF);
  header += static_cast<char>(((pts >> 14) & 0xFE) | 1);
  header += static_cast<char>((pts >> 7) & 0xFF);
  header += static_cast<char>(((pts << 1) & 0xFE) | 1);
  const size_t length = header.size() + payload;
  return std::string("\0\0\x01", 3) + static_cast<char>(streamId) + static_cast<char>(length >> 8) +
         static_cast<char>(length & 0xFF) + header + std::string(payload, 'p');
}
std::string PaddingPacket(size_t n) {
  return std::string("\0\0\x01\xBE", 4) + static_cast<char>(n >> 8) + static_cast<char>(n & 0xFF) +
         std::string(n, '\xFF');
}

}  // namespace

TEST_F(VideoInfoTest, ProgramStreamPlayTimeSpansItsTimeStamps) {
  std::string middle;
  for (int i = 0; i < 8; ++i) middle += kPack2 + PaddingPacket(60000);
  struct TCase {
    const char* Name;
    std::string Bytes;
    double Duration;
  } cases[] = {
      // Audio ends last here; time stamps of both streams count.
      {"span", kPack2 + Pes(0xE0, 90000) + middle + kPack2 + Pes(0xC0, 990000) + kPack2 + Pes(0xE0, 540000), 10.0},
      // The 33-bit clock wraps between the two ends.
      {"wrap", kPack2 + Pes(0xE0, (int64_t{1} << 33) - 45000) + middle + kPack2 + Pes(0xE0, 45000), 1.0},
      // A file so short that both ends are one stretch.
      {"shortWrap", kPack2 + Pes(0xE0, (int64_t{1} << 33) - 9000) + kPack2 + Pes(0xC0, 81000), 1.0},
      // Damaged bytes between the packets: the walk finds the next pack.
      {"junk", kPack2 + Pes(0xE0, 0) + "\0\0\x01\x42junk" + kPack2 + Pes(0xE0, 180000), 2.0},
      // A video elementary stream has no time stamps.
      {"es", std::string("\0\0\x01\xB3\x16\x01\x20\x13\xFF\xFF", 10) + std::string(100, '\0'), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TVideoInfo info;
    ASSERT_TRUE(info.GetVideoData(Write("p.mpg", c.Bytes)));
    EXPECT_DOUBLE_EQ(info.DurationExact, c.Duration);
  }
}

TEST_F(VideoInfoTest, MatroskaInfiniteDurationIsNone) {
  TVideoInfo info;
  ASSERT_TRUE(info.GetVideoData(
      Write("inf.webm", Mkv(El(kInfo, El("\x44\x89", BE64Double(INFINITY))) + El(kTracks, VideoTrack(640, 360))))));
  EXPECT_EQ(info.DurationExact, 0);
  EXPECT_EQ(info.Duration, 0);
  EXPECT_EQ(info.Bitrate, 0);
}
