// The readers on files made to flood them: millions of tiny elements, boxes,
// items, comments and frames. Each is read in time linear in its size, with a
// bounded number of system reads and a bounded heap. The bounds are generous:
// they catch a reader that loads every item or reads element by element, not
// one that is a little slower.
#include <gtest/gtest.h>

#include <chrono>

#include "fileinfo/apev2_tag.h"
#include "fileinfo/audio_info.h"
#include "fileinfo/flac_tag.h"
#include "fileinfo/id3_tags.h"
#include "fileinfo/iso_media_boxes.h"
#include "fileinfo/matroska_elements.h"
#include "flood_files.h"
#include "heap_peak.h"
#include "support/test_support.h"

namespace {

constexpr int64_t kMiB = 1 << 20;
// What a reader may hold beyond its results, with room for the sanitizers.
constexpr int64_t kHeapBound = 16 * kMiB;
// Seconds a flood may take in a sanitized debug build.
constexpr double kTimeBound = 60;

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
  const std::string bytes = floodfiles::MatroskaVoids(8 * kMiB);
  const std::string path = f.Write("voids.mka", bytes);
  ExpectBounded("voids", static_cast<int64_t>(bytes.size()), [&] {
    TMediaInfoMatroska m;
    EXPECT_TRUE(m.GetData(path));
    EXPECT_DOUBLE_EQ(m.DurationExact, 5.0);  // 5000 in milliseconds, the Info behind the voids
  });
}

TEST(ReaderBounds, Mp4WalkOverManySmallBoxes) {
  TFlood f;
  const std::string bytes = floodfiles::Mp4Boxes(16 * kMiB, 8);
  const std::string path = f.Write("boxes.m4a", bytes);
  ExpectBounded("8-byte boxes", static_cast<int64_t>(bytes.size()), [&] {
    TMediaInfoMP4 r;
    EXPECT_TRUE(r.GetData(path));
    EXPECT_DOUBLE_EQ(r.DurationExact, 7.0);
  });
  // Boxes of 4 bytes are smaller than their header: the walk ends at the first.
  const std::string tiny = floodfiles::Mp4Boxes(16 * kMiB, 4);
  const std::string tinyPath = f.Write("tiny.m4a", tiny);
  ExpectBounded("4-byte boxes", static_cast<int64_t>(tiny.size()), [&] {
    TMediaInfoMP4 r;
    EXPECT_TRUE(r.GetData(tinyPath));
    EXPECT_EQ(r.DurationExact, 0);
  });
}

TEST(ReaderBounds, TwoMillionEmptyApeItems) {
  TFlood f;
  const std::string bytes = floodfiles::ApeItems(2000000);
  const std::string path = f.Write("items.wv", bytes);
  ExpectBounded("APE items", static_cast<int64_t>(bytes.size()), [&] {
    std::unique_ptr<TStream> s = OpenAudioFile(path);
    TAPEv2Tag ape;
    EXPECT_EQ(ape.ReadTagDataFromStream(*s), kApeTagRead);
    EXPECT_EQ(ape.Title, "Last");
  });
}

TEST(ReaderBounds, SixteenMegabyteFlacCommentBlock) {
  TFlood f;
  const std::string bytes = floodfiles::FlacComments(16 * kMiB - 1);
  const std::string path = f.Write("comments.flac", bytes);
  ExpectBounded("FLAC comments", static_cast<int64_t>(bytes.size()), [&] {
    TFlacTag flac;
    EXPECT_TRUE(flac.ReadFromFile(path));
    EXPECT_EQ(flac.Artist, "End");
  });
}

TEST(ReaderBounds, OneMillionEmptyId3v2Frames) {
  TFlood f;
  const std::string bytes = floodfiles::Id3v2Frames(1000000);
  const std::string path = f.Write("frames.mp3", bytes);
  ExpectBounded("ID3v2 frames", static_cast<int64_t>(bytes.size()), [&] {
    TAudioInfo info;
    EXPECT_TRUE(info.GetAudioData(path));
    EXPECT_EQ(info.Title, "Last");
  });
}
