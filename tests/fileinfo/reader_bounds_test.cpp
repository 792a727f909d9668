// The readers on files made to flood them: millions of tiny elements, boxes,
// items, comments and frames. Each is read in time linear in its size, with a
// bounded number of system reads and a bounded heap. The bounds are generous:
// they catch a reader that loads every item or reads element by element, not
// one that is a little slower.
#include <gtest/gtest.h>

#include <chrono>

#include "audio_fixtures.h"
#include "fileinfo/apev2_tag.h"
#include "fileinfo/audio_info.h"
#include "fileinfo/flac_tag.h"
#include "fileinfo/id3_tags.h"
#include "fileinfo/iso_media_boxes.h"
#include "fileinfo/matroska_elements.h"
#include "heap_peak.h"
#include "support/test_support.h"

using namespace audiofixtures;

namespace {

constexpr int64_t kMiB = 1 << 20;
// What a reader may hold beyond its results, with room for the sanitizers.
constexpr int64_t kHeapBound = 16 * kMiB;
// Seconds a flood may take in a sanitized debug build.
constexpr double kTimeBound = 60;

std::string BE32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

struct TFlood {
  testsupport::TempDir dir;
  std::string Write(const std::string& name, const std::string& bytes) {
    testsupport::WriteFileBytes(dir.file(name), bytes);
    return dir.file(name);
  }
};

// Runs the read and checks the heap it held and the system reads it made.
template <typename Fn>
void ExpectBounded(const char* what, int64_t fileSize, const Fn& read) {
  SCOPED_TRACE(what);
  const auto start = std::chrono::steady_clock::now();
  const int64_t callsBefore = heappeak::ReadCalls();
  const int64_t heap = heappeak::PeakHeapGrowth(read);
  const int64_t calls = heappeak::ReadCalls() - callsBefore;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(heap, 0);
  EXPECT_LT(heap, kHeapBound);
  // Blocks of a KiB at least: a reader that reads each element by itself
  // makes millions of calls here.
  EXPECT_LT(calls, fileSize / 1024 + 1000);
  EXPECT_LT(seconds, kTimeBound);
}

}  // namespace

TEST(ReaderBounds, MatroskaAudioOnAnUnknownSizeSegmentOfVoids) {
  TFlood f;
  std::string bytes = std::string("\x1A\x45\xDF\xA3\x80", 5) + "\x18\x53\x80\x67\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF";
  bytes.reserve(8 * kMiB + 64);
  while (bytes.size() < static_cast<size_t>(8 * kMiB)) bytes += "\xEC\x80";
  bytes += std::string("\x15\x49\xA9\x66\x87\x44\x89\x84\x45\x9C\x40\x00", 12) + std::string(16, '\0');
  const std::string path = f.Write("voids.mka", bytes);
  ExpectBounded("voids", static_cast<int64_t>(bytes.size()), [&] {
    TMediaInfoMatroska m;
    EXPECT_TRUE(m.GetData(path));
    EXPECT_DOUBLE_EQ(m.DurationExact, 5.0);  // 5000 in milliseconds, the Info behind the voids
  });
}

TEST(ReaderBounds, Mp4WalkOverManySmallBoxes) {
  TFlood f;
  const std::string ftyp = BE32(16) + "ftypM4A " + BE32(0);
  std::string boxes;
  boxes.reserve(16 * kMiB);
  const std::string freeBox = BE32(8) + "free";
  while (boxes.size() < static_cast<size_t>(16 * kMiB)) boxes += freeBox;
  const std::string mvhd = BE32(108) + "mvhd" + std::string(12, '\0') + BE32(1000) + BE32(7000) + std::string(80, '\0');
  const std::string bytes = ftyp + boxes + BE32(8 + 108) + "moov" + mvhd + std::string(24, '\0');
  const std::string path = f.Write("boxes.m4a", bytes);
  ExpectBounded("8-byte boxes", static_cast<int64_t>(bytes.size()), [&] {
    TMediaInfoMP4 r;
    EXPECT_TRUE(r.GetData(path));
    EXPECT_DOUBLE_EQ(r.DurationExact, 7.0);
  });
  // Boxes of 4 bytes are smaller than their header: the walk ends at the first.
  std::string tiny;
  while (tiny.size() < static_cast<size_t>(16 * kMiB)) tiny += BE32(4);
  const std::string tinyPath = f.Write("tiny.m4a", ftyp + tiny + std::string(24, '\0'));
  ExpectBounded("4-byte boxes", static_cast<int64_t>(tiny.size()), [&] {
    TMediaInfoMP4 r;
    EXPECT_TRUE(r.GetData(tinyPath));
  });
}

TEST(ReaderBounds, TwoMillionEmptyApeItems) {
  TFlood f;
  std::vector<TApeItem> items(2000000, TApeItem{"K", ""});
  items.push_back({"Title", "Last"});
  const std::string tag = ApeTag(items);
  items.clear();
  items.shrink_to_fit();
  const std::string path = f.Write("items.wv", std::string(1000, 'x') + tag);
  ExpectBounded("APE items", static_cast<int64_t>(tag.size()), [&] {
    std::unique_ptr<TStream> s = OpenAudioFile(path);
    TAPEv2Tag ape;
    EXPECT_EQ(ape.ReadTagDataFromStream(*s), kApeTagRead);
    EXPECT_EQ(ape.Title, "Last");
  });
}

TEST(ReaderBounds, SixteenMegabyteFlacCommentBlock) {
  TFlood f;
  std::string comments = LE32(1) + "v" + LE32(0);
  uint32_t count = 0;
  comments.reserve(16 * kMiB);
  while (comments.size() < static_cast<size_t>(16 * kMiB - 40)) {
    comments += LE32(2) + "A=";
    ++count;
  }
  comments += LE32(10) + "ARTIST=End";
  ++count;
  comments.replace(5, 4, LE32(count));
  std::string info(34, '\0');
  info[10] = static_cast<char>(44100 >> 12);
  info[11] = static_cast<char>((44100 >> 4) & 0xFF);
  info[12] = static_cast<char>((44100 & 0xF) << 4 | 1 << 1);
  info[13] = static_cast<char>(15 << 4);
  info[17] = 100;
  const uint32_t n = static_cast<uint32_t>(comments.size());
  const std::string bytes = "fLaC" + std::string(1, '\0') + std::string("\x00\x00\x22", 3) + info + "\x84" +
                            static_cast<char>(n >> 16) + static_cast<char>(n >> 8) + static_cast<char>(n) + comments;
  comments.clear();
  comments.shrink_to_fit();
  const std::string path = f.Write("comments.flac", bytes);
  ExpectBounded("FLAC comments", static_cast<int64_t>(bytes.size()), [&] {
    TFlacTag flac;
    EXPECT_TRUE(flac.ReadFromFile(path));
    EXPECT_EQ(flac.Artist, "End");
  });
}

TEST(ReaderBounds, OneMillionEmptyId3v2Frames) {
  TFlood f;
  std::string frames;
  frames.reserve(10 * kMiB + 64);
  for (int i = 0; i < 1000000; ++i) frames += std::string("TXXX\0\0\0\0\0\0", 10);
  frames += "TIT2" + BE32(5) + std::string(2, '\0') + std::string("\0Last", 5);
  const uint32_t size = static_cast<uint32_t>(frames.size());
  const std::string tag = std::string("ID3\x03\0\0", 6) + static_cast<char>((size >> 21) & 0x7F) +
                          static_cast<char>((size >> 14) & 0x7F) + static_cast<char>((size >> 7) & 0x7F) +
                          static_cast<char>(size & 0x7F) + frames;
  frames.clear();
  frames.shrink_to_fit();
  std::string audio;
  for (int i = 0; i < 20; ++i) audio += std::string("\xFF\xFB\x90\x40", 4) + std::string(413, '\0');
  const std::string path = f.Write("frames.mp3", tag + audio);
  ExpectBounded("ID3v2 frames", static_cast<int64_t>(tag.size()), [&] {
    TAudioInfo info;
    EXPECT_TRUE(info.GetAudioData(path));
    EXPECT_EQ(info.Title, "Last");
  });
}
