#include "fileinfo/exif_tiff.h"

#include <gtest/gtest.h>

#include "image_fixtures.h"

using namespace fixtures;

namespace {

const std::string kExif("Exif\0\0", 6);

// An EXIF block whose first directory holds the resolution tags; the two
// rationals follow the directory. Offsets count from the TIFF header.
std::string ResolutionBlock(bool big, uint32_t unit, uint32_t unitType = 3) {
  // header 8 + count 2 + 3 entries * 12 + next 4 = 50: the rationals start there.
  auto r = [&](uint32_t n, uint32_t d) { return Long(big, n) + Long(big, d); };
  std::vector<TTiffEntry> entries = {
      {282, 5, 1, Long(big, 50)},
      {283, 5, 1, Long(big, 58)},
      {296, static_cast<uint16_t>(unitType), 1, unitType == 3 ? Short(big, unit) : Long(big, unit)},
  };
  return kExif + Tiff(big, entries, 0, r(72, 1) + r(72, 1));
}

TEST(ExifReader, ResolutionInBothByteOrders) {
  for (bool big : {false, true}) {
    TMemoryStream s(ResolutionBlock(big, 2));
    TExifReader r;
    EXPECT_TRUE(r.ReadFromStream(s, 0)) << big;
    EXPECT_EQ(r.XResolution, 72.0);
    EXPECT_EQ(r.YResolution, 72.0);
    EXPECT_EQ(r.ResolutionUnit, 2);
    EXPECT_EQ(r.GetResolutionUnitAsString(), "dpi");
    EXPECT_EQ(r.GetResolutionUnitAsTResolutionUnit(), resolutionUnitInch);
    EXPECT_EQ(r.SwapBytes, big);
    EXPECT_EQ(r.GetCount(), 3);
    EXPECT_EQ(r.GetDirectoryCount(), 1);
    EXPECT_EQ(r.Items[0].Text, "72");
    EXPECT_EQ(r.Items[0].DataOffset, 56);  // 50 + the six bytes of "Exif"
    EXPECT_EQ(r.Directories[0].Offset, 14);
    EXPECT_EQ(r.Directories[0].Size, 3u * 12 + 6);
  }
}

TEST(ExifReader, ResolutionUnitTexts) {
  struct TCase {
    uint32_t Unit;
    uint16_t Type;
    const char* Text;
    TResolutionUnit Kind;
  };
  const TCase cases[] = {{3, 3, "dpc", resolutionUnitCentimeter},
                         {1, 3, "dpi", resolutionUnitInch},
                         {2, 4, "dpi", resolutionUnitInch},
                         {3, 4, "dpc", resolutionUnitCentimeter}};
  for (const auto& c : cases)
    for (bool big : {false, true}) {
      TMemoryStream s(ResolutionBlock(big, c.Unit, c.Type));
      TExifReader r;
      ASSERT_TRUE(r.ReadFromStream(s, 0));
      EXPECT_EQ(r.ResolutionUnit, static_cast<int32_t>(c.Unit));
      EXPECT_EQ(r.GetResolutionUnitAsString(), c.Text);
      EXPECT_EQ(r.GetResolutionUnitAsTResolutionUnit(), c.Kind);
    }
}

TEST(ExifReader, RejectedHeadersDecodeNothing) {
  std::string wrongOffset = ResolutionBlock(false, 2);
  wrongOffset[6 + 4] = 10;  // first directory at 10
  std::string noExif = ResolutionBlock(false, 2);
  noExif[0] = 'e';
  const std::string cases[] = {wrongOffset, noExif, kExif + "II*", "Exif"};
  for (const auto& bytes : cases) {
    TMemoryStream s(bytes);
    TExifReader r;
    EXPECT_FALSE(r.ReadFromStream(s, 0));
    EXPECT_EQ(r.XResolution, 0.0);
    EXPECT_EQ(r.GetCount(), 0);
  }
}

TEST(ExifReader, TextsInTheValueFieldOrAtTheirOffset) {
  for (bool big : {false, true}) {
    // header 8 + 2 + 2*12 + 4 = 38: the long text starts there.
    std::vector<TTiffEntry> entries = {{271, 2, 4, std::string("Abc\0", 4)}, {272, 2, 8, Long(big, 38)}};
    TMemoryStream s(kExif + Tiff(big, entries, 0, std::string(" Model7\0", 8)));
    TExifReader r;
    ASSERT_TRUE(r.ReadFromStream(s, 0));
    EXPECT_EQ(r.Make, "Abc");
    EXPECT_EQ(r.Model, "Model7");
    EXPECT_EQ(r.Items[0].DataOffset, 6 + 10 + 8);  // the entry's own value field
  }
}

TEST(ExifReader, UnknownTypesAndUnhandledTags) {
  std::vector<TTiffEntry> entries = {{34665, 4, 1, Long(false, 100)},
                                     {37500, 7, 2, std::string("ab\0\0", 4)},
                                     {274, 3, 1, Short(false, 6)},
                                     {256, 4, 1, Long(false, 640)},
                                     {257, 3, 1, Short(false, 480)}};
  TMemoryStream s(kExif + Tiff(false, entries));
  TExifReader r;
  ASSERT_TRUE(r.ReadFromStream(s, 0));
  EXPECT_EQ(r.UnhandledTags, "34665 37500 ");
  EXPECT_EQ(r.Items[1].Text, "UNKNOWN_DATA_TYPE:7");
  EXPECT_EQ(r.Orientation, 6);
  EXPECT_EQ(r.ImageWidth, 640);
  EXPECT_EQ(r.ImageLength, 480);
}

TEST(ExifReader, EmptyFirstDirectoryIsNoSuccess) {
  TMemoryStream s(kExif + Tiff(false, {}));
  TExifReader r;
  EXPECT_FALSE(r.ReadFromStream(s, 0));
  EXPECT_EQ(r.GetCount(), 0);
  EXPECT_EQ(r.GetDirectoryCount(), 1);
}

TEST(ExifReader, ValuesBeyondTheStreamAreSkipped) {
  // The directory ends at 8 + 2 + 6 * 12 + 4 = 86, where the two rationals
  // follow: 7 / 0 and the signed -1 / 2.
  std::vector<TTiffEntry> entries = {{270, 2, 20, Long(false, 5000)},       {282, 5, 1, Long(false, 90000)},
                                     {283, 5, 1, Long(false, 86)},          {33432, 10, 1, Long(false, 94)},
                                     {315, 2, 0xFFFFFFFFu, Long(false, 0)}, {305, 2, 4, std::string("SW1\0", 4)}};
  std::string extra = LE32(7) + LE32(0) + LE32(static_cast<uint32_t>(-1)) + LE32(2);
  TMemoryStream s(kExif + Tiff(false, entries, 0, extra));
  TExifReader r;
  ASSERT_TRUE(r.ReadFromStream(s, 0));
  EXPECT_EQ(r.ImageDescription, "");
  EXPECT_EQ(r.Items[0].Text, "");
  EXPECT_EQ(r.Items[1].Text, "");
  EXPECT_EQ(r.XResolution, 0.0);
  EXPECT_EQ(r.Items[2].Text, "0");
  EXPECT_EQ(r.YResolution, 0.0);
  EXPECT_EQ(r.Items[3].FloatValue, -0.5);
  EXPECT_EQ(r.Items[3].Text, "-0.5");
  EXPECT_EQ(r.Copyright, "-0.5");
  EXPECT_EQ(r.Artist, "");
  EXPECT_EQ(r.Software, "SW1");
  // Skipped items are not mapped, so their tags are not listed either.
  EXPECT_EQ(r.UnhandledTags, "");
}

TEST(ExifReader, DirectoryChainsEndOnLoops) {
  // Directory 0 at 8 points to itself: the chain is read once.
  std::vector<TTiffEntry> entries = {{256, 4, 1, Long(false, 5)}};
  for (bool skipExif : {false, true}) {
    TMemoryStream s((skipExif ? "" : kExif) + Tiff(false, entries, 8));
    TExifReader r;
    r.ReadOnlyFirstIFD = false;
    r.SkipExifHeader = skipExif;
    EXPECT_TRUE(r.ReadFromStream(s, 0));
    EXPECT_EQ(r.GetDirectoryCount(), 1);
  }
}

TEST(ExifReader, ChainOffsetsCountFromTheTiffHeader) {
  // Two directories: the second at offset 26 of the TIFF structure. Without an
  // "Exif" header in front, the offset must not be moved by six bytes.
  std::string second = LE16(1) + LE16(257) + LE16(4) + LE32(1) + LE32(99) + LE32(0);
  std::vector<TTiffEntry> entries = {{256, 4, 1, Long(false, 5)}};
  for (bool skipExif : {false, true}) {
    std::string bytes = (skipExif ? "" : kExif) + Tiff(false, entries, 26, second);
    TMemoryStream s(bytes);
    TExifReader r;
    r.ReadOnlyFirstIFD = false;
    r.SkipExifHeader = skipExif;
    EXPECT_TRUE(r.ReadFromStream(s, 0));
    EXPECT_EQ(r.GetDirectoryCount(), 2) << skipExif;
    EXPECT_EQ(r.ImageLength, 99) << skipExif;
    EXPECT_EQ(r.Directories[0].NextOffset, 26u);
  }
}

TEST(ExifReader, OffsetsCountFromTheBlockInsideALargerStream) {
  std::string block = ResolutionBlock(true, 3);
  TMemoryStream s("JUNK....." + block);
  TExifReader r;
  ASSERT_TRUE(r.ReadFromStream(s, 9));
  EXPECT_EQ(r.XResolution, 72.0);
  EXPECT_EQ(r.GetResolutionUnitAsString(), "dpc");
  // A second read appends and keeps the results.
  s.SetPosition(0);
  ASSERT_TRUE(r.ReadFromStream(s, 9));
  EXPECT_EQ(r.GetCount(), 6);
  r.Reset();
  EXPECT_EQ(r.GetCount(), 0);
  EXPECT_EQ(r.XResolution, 0.0);
  EXPECT_TRUE(r.SwapBytes);  // the switches survive a reset
}

TEST(ExifReader, ByteSizeKeepsItsLowBits) {
  TExifReader r;
  r.AddEntry(0, 0, 1, 4, 0x40000001u, 0);
  r.AddEntry(0, 0, 1, 99, 3, 0);
  r.AddEntry(0, 0, 1, 12, 2, 0);
  EXPECT_EQ(r.Items[0].ByteSize, 4);
  EXPECT_EQ(r.Items[1].ByteSize, 3);
  EXPECT_EQ(r.Items[2].ByteSize, 16);
}

}  // namespace
