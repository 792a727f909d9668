#include "fileinfo/riff_wave.h"

#include <gtest/gtest.h>

#include "audio_fixtures.h"
#include "test_support.h"

using namespace audiofixtures;

namespace {

std::string Fmt(uint16_t channels, uint32_t rate, uint32_t averageBytes) {
  return "fmt " + LE32(16) + LE16(1) + LE16(channels) + LE32(rate) + LE32(averageBytes) + LE16(4) + LE16(16);
}
std::string Data(uint32_t size) { return "data" + LE32(size) + std::string(size, '\0') + std::string(size & 1, '\0'); }
std::string Info(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string body = "INFO";
  for (const auto& [id, text] : entries)
    body += id + LE32(static_cast<uint32_t>(text.size())) + text + (text.size() & 1 ? std::string(1, '\0') : "");
  return "LIST" + LE32(static_cast<uint32_t>(body.size())) + body;
}
std::string Riff(const std::string& chunks) {
  return "RIFF" + LE32(static_cast<uint32_t>(chunks.size() + 4)) + "WAVE" + chunks;
}

}  // namespace

TEST(TWAVTag, FormatDataAndInfoTexts) {
  testsupport::TempDir dir;
  std::string path = dir.file("Some Artist - Some Title - Live.wav");
  testsupport::WriteFileBytes(path, Riff(Fmt(2, 44100, 176400) + Data(17640) +
                                         Info({{"INAM", " Name "}, {"IART", "Caf\xE9"}, {"ICRD", "2001"}})));
  TWAVTag wav;
  ASSERT_TRUE(wav.ReadFromFile(path));
  EXPECT_EQ(wav.BitRate, 1411200);
  EXPECT_DOUBLE_EQ(wav.Duration, 0.1);
  EXPECT_EQ(wav.SampleRate, 44100);
  EXPECT_EQ(wav.GetChannelsAsAIC(), aicStereo);
  EXPECT_EQ(wav.Title, "Name");
  EXPECT_EQ(wav.Artist, "Caf\xC3\xA9");  // not UTF-8: read as Windows-1252
  EXPECT_EQ(wav.Year, "2001");
}

TEST(TWAVTag, NamesFromTheFileName) {
  testsupport::TempDir dir;
  struct {
    const char* name;
    const char* artist;
    const char* title;
  } cases[] = {{"Artist - Title.wav", "Artist", "Title"},
               {"A - B - C.wav", "A", "B - C"},
               {"Just a title.wav", "", "Just a title"}};
  for (const auto& c : cases) {
    testsupport::WriteFileBytes(dir.file(c.name), Riff(Fmt(1, 8000, 8000) + Data(8000)));
    TWAVTag wav;
    ASSERT_TRUE(wav.ReadFromFile(dir.file(c.name)));
    EXPECT_EQ(wav.Artist, c.artist);
    EXPECT_EQ(wav.Title, c.title);
    EXPECT_EQ(wav.GetChannelsAsAIC(), aicMono);
  }
}

TEST(TWAVTag, ChunkWalk) {
  testsupport::TempDir dir;
  std::string path = dir.file("w.wav");
  TWAVTag wav;
  // Odd data size, a pad byte, then the texts.
  testsupport::WriteFileBytes(path, Riff(Fmt(1, 8000, 3) + Data(1001) + Info({{"ICMT", "odd"}, {"ICRD", "1999"}})));
  ASSERT_TRUE(wav.ReadFromFile(path));
  EXPECT_DOUBLE_EQ(wav.Duration, 333.666);
  EXPECT_EQ(wav.Comment, "odd");
  EXPECT_EQ(wav.Year, "1999");
  // A list of another type before the data is stepped over.
  std::string adtl = "LIST" + LE32(8) + "adtl" + "xxxx";
  testsupport::WriteFileBytes(path, Riff(Fmt(6, 48000, 576000) + adtl + Data(576000)));
  ASSERT_TRUE(wav.ReadFromFile(path));
  EXPECT_DOUBLE_EQ(wav.Duration, 1.0);
  EXPECT_EQ(wav.GetChannelsAsAIC(), aicMultiChannel);
  // No data chunk, too short, not RIFF, a missing file.
  testsupport::WriteFileBytes(path, Riff(Fmt(1, 8000, 8000) + std::string(40, '\0')));
  EXPECT_FALSE(wav.ReadFromFile(path));
  testsupport::WriteFileBytes(path, "RIFF1234WAVE");
  EXPECT_FALSE(wav.ReadFromFile(path));
  testsupport::WriteFileBytes(path, std::string(64, 'x'));
  EXPECT_FALSE(wav.ReadFromFile(path));
  EXPECT_FALSE(wav.ReadFromFile(dir.file("none.wav")));
  // A chunk with a negative size ends the walk instead of going back.
  testsupport::WriteFileBytes(path, Riff(Fmt(1, 8000, 8000) + "junk" + LE32(0xFFFFFF00) + Data(8000)));
  EXPECT_FALSE(wav.ReadFromFile(path));
}

TEST(TWAVTag, DataSizeOfAStreamedFileIsBoundedByTheFile) {
  // A writer on a pipe cannot go back to write the size: it leaves
  // 0xFFFFFFFF, and the data runs to the end of the file.
  testsupport::TempDir dir;
  std::string path = dir.file("piped.wav");
  testsupport::WriteFileBytes(path, Riff(Fmt(2, 44100, 176400)) + "data" + LE32(0xFFFFFFFF) + std::string(352800, 'x'));
  TWAVTag wav;
  ASSERT_TRUE(wav.ReadFromFile(path));
  EXPECT_DOUBLE_EQ(wav.Duration, 2.0);
  EXPECT_EQ(wav.FormatTag, 1);
}
