// JPEG, PNG, MNG and JNG headers.
#include "fileinfo/exif_tiff.h"
#include "fileinfo/image_headers_common.h"
#include "fileinfo/image_info.h"

using namespace image_headers;

namespace {

constexpr uint8_t kDefineHierarchicalProgression = 0xDE;

// Every frame header: baseline, extended, progressive and lossless, with
// Huffman or arithmetic coding, hierarchical or not. C4 (Huffman tables), C8
// (reserved) and CC (arithmetic conditioning) are other segments. A
// hierarchical file names its full size and components first, in a segment
// laid out as a frame header, before frames that may be smaller.
bool IsStartOfFrame(uint8_t marker) {
  return (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) ||
         marker == kDefineHierarchicalProgression;
}

}  // namespace

bool TImageInfo::GetImageDataFromJPG(const std::string& fileName) {
  TReaderFile file(fileName, true);
  const int64_t fileSize = file.Size();
  const int64_t limit = fileSize - 8;
  if (limit <= 0) return false;
  uint8_t soi[2];
  if (!file.ReadAll(soi, 2) || soi[0] != 0xFF || soi[1] != 0xD8) return false;
  uint8_t b = file.ReadByte();
  // Every segment moves the walk forward; a length that would move it back
  // (or keep it in place) ends the walk, as a broken file cannot be trusted.
  auto skipTo = [&](int64_t target) {
    if (target <= file.Position() - 1) return false;
    file.Seek(target);
    return true;
  };
  while (file.Position() < limit && b == 0xFF) {
    // Any number of fill bytes may stand before a marker.
    uint8_t m = file.ReadByte();
    while (m == 0xFF && file.Position() < limit) m = file.ReadByte();
    if (m == 0x01 || (m >= 0xD0 && m <= 0xD9)) {
      // TEM, the restart markers, SOI and EOI have no length: the next marker
      // follows directly.
      b = file.ReadByte();
    } else if (IsStartOfFrame(m)) {
      file.Skip(3);
      uint8_t sof[5];
      file.Read(sof, 5);
      Height = BE16(sof);
      Width = BE16(sof + 2);
      ColorDepth = sof[4] * 8;
      FFormat = iifJPG;
      ImageCount = 1;
      const int64_t pixels = static_cast<int64_t>(Height) * Width;
      Quality = pixels == 0 ? 0 : RoundToInt32(static_cast<long double>(fileSize) / (pixels / 1.7L) * 100.0L);
      return true;
    } else if (m == 0xE0) {
      const int64_t start = file.Position();
      uint16_t len = file.ReadBE16();
      file.Skip(7);
      uint8_t units = file.ReadByte();
      if (ResolutionUnit == resolutionUnitUnknown) {
        if (units == 1) ResolutionUnit = resolutionUnitInch;
        if (units == 2) ResolutionUnit = resolutionUnitCentimeter;
      }
      uint16_t dx = file.ReadBE16();
      if (ResolutionX == 0) ResolutionX = dx;
      uint16_t dy = file.ReadBE16();
      if (ResolutionY == 0) ResolutionY = dy;
      if (len < 14 || !skipTo(start + len)) return false;
      b = file.ReadByte();
    } else if (m == 0xE1) {
      const int64_t p = file.Position();
      if (ResolutionUnit == resolutionUnitUnknown || ResolutionX == 0 || ResolutionX == 1) {
        TExifReader exif;
        exif.ReadFromStream(file.S(), p + 2);
        if (exif.XResolution > 0) ResolutionX = RoundToInt32(exif.XResolution);
        if (exif.YResolution > 0) ResolutionY = RoundToInt32(exif.YResolution);
        if (exif.XResolution > 0 || exif.YResolution > 0) ResolutionUnit = exif.GetResolutionUnitAsTResolutionUnit();
      }
      file.Seek(p);
      uint16_t len = file.ReadBE16();
      if (len < 2 || !skipTo(p + len)) return false;
      b = file.ReadByte();
    } else {
      const int64_t start = file.Position();
      uint16_t len = file.ReadBE16();
      if (len < 2 || !skipTo(start + len)) return false;
      b = file.ReadByte();
    }
  }
  return false;
}

bool TImageInfo::GetImageDataFromPNG(const std::string& fileName) {
  // Chunks lie far apart behind the image data: unbuffered, one small read
  // per chunk header.
  TReaderFile file(fileName, false);
  const int64_t fileSize = file.Size();
  if (fileSize < 20) return false;
  uint8_t sig[8];
  if (!file.ReadAll(sig, 8) || !SameBytes(sig, "\x89PNG\r\n\x1A\n", 8)) return false;
  uint32_t frames = 0;
  for (;;) {
    const int64_t start = file.Position();
    uint8_t head[8];
    if (!file.ReadAll(head, 8)) break;
    const uint32_t length = BE32(head);
    if (SameBytes(head + 4, "IHDR", 4)) {
      uint8_t ihdr[13];
      if (!file.ReadAll(ihdr, 13)) break;
      Width = static_cast<int32_t>(BE32(ihdr));
      Height = static_cast<int32_t>(BE32(ihdr + 4));
      const int32_t depth = ihdr[8];
      switch (ihdr[9]) {
        case 2: ColorDepth = depth * 3; break;
        case 4: ColorDepth = depth * 2; break;
        case 6: ColorDepth = depth * 4; break;
        default: ColorDepth = depth; break;
      }
      switch (ihdr[9]) {
        case 0:
        case 4: ColorSpace = iicsGrayScale; break;
        case 2:
        case 6: ColorSpace = iicsRGB; break;
        case 3: ColorSpace = iicsPalette; break;
        default: break;
      }
    } else if (SameBytes(head + 4, "acTL", 4)) {
      // An animated PNG names its frame count before the image data.
      uint8_t actl[8];
      if (!file.ReadAll(actl, 8)) break;
      frames = BE32(actl);
    } else if (SameBytes(head + 4, "pHYs", 4)) {
      uint8_t phys[9];
      if (!file.ReadAll(phys, 9)) break;
      if (phys[8] == 1) {
        ResolutionUnit = resolutionUnitInch;
        ResolutionX = RoundToInt32(BE32(phys) * 0.0254L);
        ResolutionY = RoundToInt32(BE32(phys + 4) * 0.0254L);
      }
    }
    // Every step moves at least 12 bytes forward, so the walk ends within
    // the file.
    if (fileSize < start + static_cast<int64_t>(length) + 12) break;
    file.Seek(start + static_cast<int64_t>(length) + 12);
  }
  if (Width > 0 && Height > 0) {
    ImageCount = frames > 0 && frames <= INT32_MAX ? static_cast<int32_t>(frames) : 1;
    FFormat = iifPNG;
    return true;
  }
  return false;
}

bool TImageInfo::GetImageDataFromMNG(const std::string& fileName) {
  TReaderFile file(fileName, false);
  uint8_t head[36];
  if (file.Read(head, 8) < 8 || !SameBytes(head, "\x8AMNG\r\n\x1A\n", 8)) return false;
  // Bytes past the end of a short file stay zero.
  file.Read(head + 8, 28);
  Width = BE16(head + 18);
  Height = BE16(head + 22);
  ImageCount = BE16(head + 34);
  if (Width > 0 && Height > 0) {
    FFormat = iifMNG;
    return true;
  }
  return false;
}

bool TImageInfo::GetImageDataFromJNG(const std::string& fileName) {
  TReaderFile file(fileName, false);
  uint8_t head[32];
  if (file.Read(head, 8) < 8 || !SameBytes(head, "\x8BJNG\r\n\x1A\n", 8)) return false;
  if (file.Read(head + 8, 24) < 24 || !SameBytes(head + 12, "JHDR", 4)) return false;
  Width = static_cast<int32_t>(BE32(head + 16));
  Height = static_cast<int32_t>(BE32(head + 20));
  ColorDepth = head[25];
  switch (head[24]) {
    case 8:
    case 12: ColorSpace = iicsGrayScale; break;
    case 10:
    case 14: ColorSpace = iicsYCbCr; break;
    default: break;
  }
  ImageCount = 1;
  Quality = 100;
  if (Width > 0 && Height > 0) {
    FFormat = iifJNG;
    return true;
  }
  return false;
}
