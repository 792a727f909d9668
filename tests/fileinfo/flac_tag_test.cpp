#include "fileinfo/flac_tag.h"

#include <gtest/gtest.h>

#include <cmath>

#include "audio_fixtures.h"
#include "test_support.h"

using namespace audiofixtures;

namespace {

std::string BE24(uint32_t v) { return {static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)}; }

std::string BlockHeader(int type, bool last, uint32_t length) {
  return std::string(1, static_cast<char>((last ? 0x80 : 0) | type)) + BE24(length);
}

// STREAMINFO data: sample rate, channels, bits per sample and total samples.
std::string StreamInfo(uint32_t rate, int channels, int bits, uint32_t samples) {
  std::string d(34, '\0');
  d[10] = static_cast<char>(rate >> 12);
  d[11] = static_cast<char>(rate >> 4);
  d[12] = static_cast<char>((rate & 0xF) << 4 | (channels - 1) << 1 | (bits - 1) >> 4);
  d[13] = static_cast<char>(((bits - 1) & 0xF) << 4);
  d[14] = static_cast<char>(samples >> 24);
  d[15] = static_cast<char>(samples >> 16);
  d[16] = static_cast<char>(samples >> 8);
  d[17] = static_cast<char>(samples);
  return d;
}

std::string Comments(const std::vector<std::string>& fields) {
  std::string c = LE32(6) + "vendor" + LE32(static_cast<uint32_t>(fields.size()));
  for (const auto& f : fields) c += LE32(static_cast<uint32_t>(f.size())) + f;
  return c;
}

std::string Block(int type, bool last, const std::string& data) {
  return BlockHeader(type, last, static_cast<uint32_t>(data.size())) + data;
}

std::string Native(const std::string& blocks, bool streamInfoLast = false, uint32_t rate = 44100) {
  return "fLaC" + Block(0, streamInfoLast, StreamInfo(rate, 2, 16, 441000)) + blocks;
}

std::string OggPage(const std::string& data) {
  std::string lacing;
  size_t left = data.size();
  while (left >= 255) {
    lacing += '\xFF';
    left -= 255;
  }
  lacing += static_cast<char>(left);
  return "OggS" + std::string(22, '\0') + static_cast<char>(lacing.size()) + lacing + data;
}

struct TFile {
  testsupport::TempDir dir;
  std::string Write(const std::string& bytes) {
    testsupport::WriteFileBytes(dir.file("a.flac"), bytes);
    return dir.file("a.flac");
  }
};

}  // namespace

TEST(TFlacTag, NativeStreamWithCommentsAndPadding) {
  TFile f;
  const std::string audio(20000, 'a');
  const std::string bytes =
      Native(Block(6, false, std::string(300, 'p')) +
             Block(4, false, Comments({"artist=A", "TITLE=B", "ARTIST=second", "COMMENT=x\ty\r\nz", "novalue"})) +
             Block(1, true, std::string(100, '\0'))) +
      audio;
  TFlacTag tag;
  ASSERT_TRUE(tag.ReadFromFile(f.Write(bytes)));
  EXPECT_EQ(tag.StreamKind, 1);
  EXPECT_DOUBLE_EQ(tag.GetPlayTime(), 10.0);
  EXPECT_EQ(tag.SampleRate, 44100);
  EXPECT_EQ(tag.BitsPerSample, 16);
  EXPECT_EQ(tag.GetChannelsAsAIC(), aicStereo);
  EXPECT_EQ(tag.Artist, "A");  // the first of two wins; names are upper-cased
  EXPECT_EQ(tag.Title, "B");
  EXPECT_EQ(tag.Comment, "x y\r\nz");
  EXPECT_EQ(tag.VendorString, "vendor");
  EXPECT_EQ(tag.Frames.size(), 4u);  // the field without "=" is passed over
  EXPECT_TRUE(tag.MetadataComplete);
  EXPECT_TRUE(tag.PaddingLast);
  EXPECT_EQ(tag.PaddingIndex, 3);
  EXPECT_EQ(tag.VorbisIndex, 2);
  EXPECT_EQ(tag.OtherBlocksSize, 304);
  EXPECT_EQ(tag.AudioOffset, static_cast<int64_t>(bytes.size() - audio.size()));
  EXPECT_EQ(tag.BitRate, static_cast<int32_t>(std::nearbyint(audio.size() / 1000.0 * 8 / 10)));
}

TEST(TFlacTag, BehindAnId3v2Tag) {
  TFile f;
  std::string id3 = "ID3\x03" + std::string(2, '\0') + std::string("\x00\x00\x01\x00", 4) + std::string(128, '\0');
  TFlacTag tag;
  ASSERT_TRUE(tag.ReadFromFile(f.Write(id3 + Native(Block(4, true, Comments({"ALBUM=X"}))))));
  EXPECT_EQ(tag.Album, "X");
}

TEST(TFlacTag, ResultsOfTheWalk) {
  TFlacTag tag;
  struct {
    const char* name;
    std::string bytes;
    int32_t result;
    bool complete;
  } cases[] = {
      {"empty", "", kFlacEmpty, false},
      {"no marker", std::string(400, 'x'), kFlacNotFound, false},
      {"stream information only", Native("", true), kFlacOnlyStreamInfo, false},
      {"unknown block type", Native(Block(127, false, "zz") + Block(4, true, Comments({"ARTIST=no"}))), kFlacRead,
       false},
      {"file ends inside the metadata", Native(Block(2, false, "appl")), kFlacRead, false},
      {"block longer than the file", Native(Block(3, false, "seek").substr(0, 6)), kFlacRead, false},
  };
  for (const auto& c : cases) {
    TMemoryStream s(c.bytes);
    EXPECT_EQ(tag.GetInfo(s, true, true), c.result) << c.name;
    EXPECT_EQ(tag.MetadataComplete, c.complete) << c.name;
    EXPECT_EQ(tag.Artist, "") << c.name;
    tag.Clear();
  }
  TFile f;
  EXPECT_TRUE(tag.ReadFromFile(f.Write(Native("", true))));  // the stream information alone is a readable file
  EXPECT_FALSE(tag.ReadFromFile(f.Write(std::string(400, 'x'))));
  EXPECT_FALSE(tag.ReadFromFile(f.dir.file("missing.flac")));

  TMemoryStream zeroRate(Native(Block(1, true, "pp"), false, 0));
  tag.GetInfo(zeroRate, false, true);
  EXPECT_FALSE(tag.FIsValid());
  EXPECT_EQ(tag.GetPlayTime(), 0);
  EXPECT_EQ(tag.GetChannelsAsAIC(), aicUnknown);
  EXPECT_EQ(tag.BitRate, 0);
}

TEST(TFlacTag, DamagedCommentBlockKeepsTheStreamInformation) {
  // A count or a length past the block's end: the comments end at the
  // damage, the stream information stands. Audio frames follow the block.
  const std::string audio(4000, '\xF8');
  struct TCase {
    const char* Name;
    std::string Block;
    const char* Artist;
  };
  const TCase cases[] = {
      {"countPastTheEnd", LE32(6) + "vendor" + LE32(1000) + LE32(8) + "ARTIST=A", "A"},
      {"lengthPastTheEnd", LE32(6) + "vendor" + LE32(2) + LE32(8) + "ARTIST=A" + LE32(100000) + "TITLE=T", "A"},
      {"lengthPastTheFile", LE32(6) + "vendor" + LE32(1) + LE32(0x7FFFFFF0) + "ARTIST=A", ""},
      {"vendorPastTheEnd", LE32(5000) + "vendor", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TFile f;
    TFlacTag tag;
    ASSERT_TRUE(tag.ReadFromFile(f.Write(Native(Block(4, true, c.Block)) + audio)));
    EXPECT_EQ(tag.SampleRate, 44100);
    EXPECT_DOUBLE_EQ(tag.GetPlayTime(), 10.0);
    EXPECT_EQ(tag.Artist, c.Artist);
    EXPECT_EQ(tag.Title, "");
    EXPECT_GT(tag.BitRate, 0);
  }
}

TEST(TFlacTag, OggFlacWithCommentsAcrossPages) {
  std::string first = std::string("\x7F") + "FLAC" + '\x01' + '\x00' + std::string("\x00\x01", 2) + "fLaC" +
                      BlockHeader(0, false, 34) + StreamInfo(48000, 1, 24, 96000);
  ASSERT_EQ(first.size(), 51u);
  std::string comment = Block(4, true, Comments({"TITLE=" + std::string(600, 't'), "GENRE=G"}));
  std::string bytes =
      OggPage(first) + OggPage(comment.substr(0, 300)) + OggPage(comment.substr(300)) + OggPage(std::string(5000, 'a'));
  TMemoryStream s(bytes);
  TFlacTag tag;
  EXPECT_EQ(tag.GetInfo(s, true, true), kFlacRead);
  EXPECT_EQ(tag.StreamKind, 2);
  EXPECT_EQ(tag.SampleRate, 48000);
  EXPECT_EQ(tag.BitsPerSample, 24);
  EXPECT_EQ(tag.GetChannelsAsAIC(), aicMono);
  EXPECT_DOUBLE_EQ(tag.GetPlayTime(), 2.0);
  EXPECT_EQ(tag.Title, std::string(600, 't'));
  EXPECT_EQ(tag.Genre, "G");

  std::string notFlac = first;
  notFlac[5] = 2;
  TMemoryStream v2(OggPage(notFlac) + std::string(300, '\0'));
  EXPECT_EQ(tag.GetInfo(v2, true, true), kFlacNotOggFlacVersion1);
}

TEST(TFlacTag, TotalSamplesHaveThirtySixBits) {
  // 6 h 13 min at 192 kHz: more samples than 32 bits hold.
  std::string info = StreamInfo(192000, 2, 24, 0);
  const uint64_t total = uint64_t{192000} * (6 * 3600 + 13 * 60);
  info[13] = static_cast<char>(info[13] | (total >> 32));
  for (int i = 0; i < 4; ++i) info[14 + i] = static_cast<char>(total >> (24 - 8 * i));
  TMemoryStream s("fLaC" + Block(0, true, info) + std::string(100, 'a'));
  TFlacTag flac;
  flac.GetInfo(s, true, true);
  EXPECT_EQ(flac.Samples, static_cast<int64_t>(total));
  EXPECT_DOUBLE_EQ(flac.GetPlayTime(), 6 * 3600 + 13 * 60);
}

TEST(TFlacTag, ManyCommentsKeepTheShownOnesOnly) {
  // Beyond some thousands of fields only the first of each shown name is
  // kept; the texts are those of all fields.
  std::vector<std::string> fields(20000, "X=1");
  fields.push_back("ARTIST=Late");
  fields.push_back("ARTIST=Later");
  fields.push_back("OTHER=y");
  TMemoryStream s(Native(Block(4, true, Comments(fields))));
  TFlacTag flac;
  EXPECT_EQ(flac.GetInfo(s, true, true), kFlacRead);
  EXPECT_EQ(flac.Artist, "Late");
  EXPECT_LE(flac.Frames.size(), 4096u + 8u);
  EXPECT_TRUE(flac.HasTags);
}
