// ICNS, JPEG 2000, JPEG XL and ISO base media image headers: formats built of
// typed, length-prefixed boxes.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "fileinfo/image_headers_common.h"
#include "fileinfo/image_info.h"
#include "fileinfo/iso_media_boxes.h"

using namespace image_headers;

namespace {

struct TICNSType {
  const char* Type;
  int32_t Size;   // width and height
  int32_t Depth;  // 0: an embedded PNG or JPEG 2000 image
};

const TICNSType kICNSTypes[] = {
    {"ICON", 32, 1},  {"ICN#", 32, 1},   {"icm#", 16, 1},  {"icm4", 16, 4},  {"icm8", 16, 8},  {"ics#", 16, 1},
    {"ics4", 16, 4},  {"ics8", 16, 8},   {"is32", 16, 24}, {"s8mk", 16, 8},  {"icl4", 32, 4},  {"icl8", 32, 8},
    {"il32", 32, 24}, {"l8mk", 32, 8},   {"ich#", 48, 1},  {"ich4", 48, 4},  {"ich8", 48, 8},  {"ih32", 48, 24},
    {"h8mk", 48, 8},  {"it32", 128, 24}, {"t8mk", 128, 8}, {"icp4", 16, 0},  {"ic04", 16, 0},  {"icsb", 18, 0},
    {"sb24", 24, 0},  {"icp5", 32, 0},   {"ic05", 32, 0},  {"ic11", 32, 0},  {"icsB", 36, 0},  {"icp6", 48, 0},
    {"SB24", 48, 0},  {"ic12", 64, 0},   {"ic07", 128, 0}, {"ic08", 256, 0}, {"ic13", 256, 0}, {"ic09", 512, 0},
    {"ic14", 512, 0}, {"ic10", 1024, 0},
};

// The icon's height for "icm#", "icm4" and "icm8" differs from its width.
int32_t ICNSHeight(const TICNSType& t) {
  return t.Type[0] == 'i' && t.Type[1] == 'c' && t.Type[2] == 'm' ? 12 : t.Size;
}

// The row of an element type; none for the table of contents and unknown
// types. Looked up by the type's four bytes as one number, as a file may hold
// millions of elements.
const TICNSType* FindICNSType(const uint8_t* type) {
  static const std::vector<std::pair<uint32_t, const TICNSType*>> kByCode = [] {
    std::vector<std::pair<uint32_t, const TICNSType*>> v;
    for (const TICNSType& t : kICNSTypes) v.emplace_back(BE32(reinterpret_cast<const uint8_t*>(t.Type)), &t);
    std::sort(v.begin(), v.end());
    return v;
  }();
  const uint32_t code = BE32(type);
  const auto it =
      std::lower_bound(kByCode.begin(), kByCode.end(), std::make_pair(code, static_cast<const TICNSType*>(nullptr)));
  return it != kByCode.end() && it->first == code ? it->second : nullptr;
}

}  // namespace

// The elements are evaluated as they are listed, in the same order, so that
// a file of millions of elements costs no list of them.
bool TImageInfo::GetImageDataFromICNS(const std::string& fileName) {
  TReaderFile file(fileName, true);
  const int64_t size = file.Size();
  if (size < 16) return false;
  uint8_t h[16];
  file.Read(h, 16);
  if (!SameBytes(h, "icns", 4)) return false;
  auto evaluate = [&](const uint8_t* type, int64_t offset) {
    const TICNSType* t = FindICNSType(type);
    if (!t) return;
    const int32_t w = t->Size, hgt = ICNSHeight(*t);
    int32_t d = t->Depth;
    if (t->Depth == 0 && size > offset + 40) {
      uint8_t png[31];
      file.Seek(offset + 8);
      file.Read(png, 31);
      if (SameBytes(png, "\x89PNG\r\n\x1A\n", 8)) {
        const int32_t bits = png[24];
        switch (png[25]) {
          case 0:
          case 3: d = bits; break;
          case 2: d = bits * 3; break;
          case 4: d = bits * 2; break;
          case 6: d = bits * 4; break;
          default: break;
        }
        switch (png[25]) {
          case 0:
          case 4: ColorSpace = iicsGrayScale; break;
          case 2:
          case 3:
          case 6: ColorSpace = iicsRGB; break;
          default: break;
        }
      }
    }
    Width = std::max(Width, w);
    Height = std::max(Height, hgt);
    ColorDepth = std::max(ColorDepth, d);
    ++ImageCount;
  };
  if (SameBytes(h + 8, "TOC ", 4)) {
    const int64_t tocLength = BE32(h + 12);
    const int64_t n = (tocLength - 8) / 8;
    int64_t elementOffset = tocLength + 8;
    int64_t entry = 16;
    for (int64_t i = 0; i < n && size - entry >= 8; ++i, entry += 8) {
      uint8_t e[8];
      file.Seek(entry);
      file.Read(e, 8);
      evaluate(e, elementOffset);
      elementOffset += BE32(e + 4);
    }
  } else {
    int64_t start = 8;
    for (;;) {
      file.Seek(start);
      uint8_t e[8];
      file.Read(e, 8);
      evaluate(e, start);
      const int64_t length = BE32(e + 4);
      // An element shorter than its own header would be met again and again.
      if (size <= start + length || length < 8) break;
      start += length;
    }
  }
  FFormat = iifICNS;
  return true;
}

namespace {

// The JPEG 2000 box walks. A sub-box walk ends at the end of its super box:
// the boxes after it are top-level boxes, which the top-level walk reads. So
// every box is read once, and a file of millions of boxes costs one pass and
// nothing remembered. A box is at least as long as its header; a shorter
// length ends its walk.
class TJ2KWalk {
 public:
  TJ2KWalk(TReaderFile& file, TImageInfo& info) : FFile(file), FInfo(info), FSize(file.Size()) {}

  // The boxes from start up to end; false when a box header or a box content
  // named here comes short.
  bool SubBoxes(int64_t start, int64_t end) {
    for (int64_t t = start; t + 8 <= end;) {
      FFile.Seek(t);
      uint8_t head[8];
      if (!FFile.ReadAll(head, 8)) return false;
      const uint32_t length = BE32(head);
      const uint8_t* type = head + 4;
      if (SameBytes(type, "ihdr", 4)) {
        if (!ReadIHDR()) return false;
      } else if (SameBytes(type, "colr", 4)) {
        uint8_t c[7];
        if (!FFile.ReadAll(c, 7)) return false;
        if (c[0] == 1) {
          switch (BE32(c + 3)) {
            case 16: FInfo.ColorSpace = iicsRGB; break;
            case 17: FInfo.ColorSpace = iicsGrayScale; break;
            case 18: FInfo.ColorSpace = iicsYCC; break;
            default: break;
          }
        }
      } else if (SameBytes(type, "phdr", 4)) {
        uint8_t p[14];
        if (!FFile.ReadAll(p, 14)) return false;
        FInfo.Height = static_cast<int32_t>(BE32(p + 2));
        FInfo.Width = static_cast<int32_t>(BE32(p + 6));
      } else if (SameBytes(type, "res ", 4)) {
        uint8_t r[18];
        if (!FFile.ReadAll(r, 18)) return false;
        if (SameBytes(r + 4, "resc", 4) && BE32(r) > 26 && !FFile.ReadAll(r, 18)) return false;
        const uint8_t* d = r + 8;
        const auto vExp = static_cast<int8_t>(d[8]), hExp = static_cast<int8_t>(d[9]);
        FInfo.ResolutionX = Resolution(BE16(d + 4), BE16(d + 6), hExp);
        FInfo.ResolutionY = Resolution(BE16(d), BE16(d + 2), vExp);
        FInfo.ResolutionUnit = resolutionUnitInch;
      }
      if (FSize < t + static_cast<int64_t>(length) + 8 || length < 8) return true;
      t += length;
    }
    return true;
  }

  bool ReadIHDR() {
    uint8_t i[14];
    if (!FFile.ReadAll(i, 14)) return false;
    FInfo.Height = static_cast<int32_t>(BE32(i));
    FInfo.Width = static_cast<int32_t>(BE32(i + 4));
    if (i[10] != 0xFF) FInfo.ColorDepth = (i[10] & 0x7F) + 1;
    return true;
  }

  // The boxes after a page collection's page count, up to the end of its
  // header box, reading image headers.
  bool PageBoxes(int64_t start, int64_t end) {
    for (int64_t t = start; t + 8 <= end;) {
      FFile.Seek(t);
      uint8_t head[8];
      if (!FFile.ReadAll(head, 8)) return false;
      const uint32_t length = BE32(head);
      if (SameBytes(head + 4, "ihdr", 4) && !ReadIHDR()) return false;
      if (FSize < t + static_cast<int64_t>(length) + 8 || length < 8) return true;
      t += length;
    }
    return true;
  }

 private:
  static int32_t Resolution(uint16_t numerator, uint16_t denominator, int8_t exponent) {
    const double ratio = static_cast<double>(numerator) / static_cast<double>(denominator);
    return RoundToInt32(std::pow(10.0L, static_cast<long double>(exponent)) * ratio / 39.3701L);
  }

  TReaderFile& FFile;
  TImageInfo& FInfo;
  int64_t FSize;
};

// The end of a box that starts at start, within the file.
int64_t BoxEnd(int64_t start, uint32_t length, int64_t fileSize) {
  return length < 8 ? fileSize : std::min(fileSize, start + static_cast<int64_t>(length));
}

constexpr char kCodestreamStart[] = "\xFF\x4F\xFF\x51";  // SOC, then SIZ

// A raw codestream (".j2k", ".j2c", ".jpc") has no boxes: its image and tile
// size segment follows the start marker. The image is its reference grid less
// the image offset; depth is 0 when the components' bits differ.
bool ReadCodestreamSize(TReaderFile& file, int32_t& width, int32_t& height, int32_t& depth) {
  uint8_t siz[42];
  file.Seek(0);
  if (!file.ReadAll(siz, sizeof siz) || !SameBytes(siz, kCodestreamStart, 4)) return false;
  const uint32_t xsiz = BE32(siz + 8), ysiz = BE32(siz + 12), xosiz = BE32(siz + 16), yosiz = BE32(siz + 20);
  if (xosiz >= xsiz || yosiz >= ysiz) return false;
  const uint16_t length = BE16(siz + 4);
  const uint16_t components = BE16(siz + 40);
  depth = -1;
  for (uint32_t c = 0; c < components && 38 + 3 * (c + 1) <= length; ++c) {
    uint8_t comp[3];
    if (!file.ReadAll(comp, 3)) break;
    const int32_t bits = (comp[0] & 0x7F) + 1;
    depth = depth == -1 || depth == bits ? bits : 0;
  }
  if (depth < 0) depth = 0;
  width = static_cast<int32_t>(xsiz - xosiz);
  height = static_cast<int32_t>(ysiz - yosiz);
  return width > 0 && height > 0;
}

}  // namespace

bool TImageInfo::GetImageDataFromJ2K(const std::string& fileName) {
  TReaderFile file(fileName, true);
  const int64_t size = file.Size();
  if (size < 20) return false;
  uint8_t sig[12];
  file.Read(sig, 12);
  if (SameBytes(sig, kCodestreamStart, 4)) {
    int32_t w = 0, h = 0, depth = 0;
    if (!ReadCodestreamSize(file, w, h, depth)) return false;
    Width = w;
    Height = h;
    if (depth > 0) ColorDepth = depth;
    ImageCount = 1;
    Quality = 100;
    FFormat = iifJ2K;
    return true;
  }
  if (!SameBytes(sig, "\x00\x00\x00\x0C\x6A\x50\x20\x20\x0D\x0A\x87\x0A", 12)) return false;
  int kind = 0;
  TJ2KWalk walk(file, *this);
  int64_t s = 12;
  for (;;) {
    file.Seek(s);
    uint8_t head[8];
    if (!file.ReadAll(head, 8)) return false;
    const uint32_t length = BE32(head);
    const uint8_t* type = head + 4;
    if (SameBytes(type, "ftyp", 4)) {
      uint8_t brand[12];
      if (!file.ReadAll(brand, 12)) return false;
      if (SameBytes(brand, "jp2 ", 4)) kind = 1;
      if (SameBytes(brand, "jpx ", 4)) kind = 2;
      if (SameBytes(brand, "jpm ", 4)) kind = 6;
      if (kind == 0) return false;
    } else if (SameBytes(type, "jp2h", 4) || SameBytes(type, "page", 4)) {
      if (!walk.SubBoxes(s + 8, BoxEnd(s, length, size))) return false;
    } else if (SameBytes(type, "mhdr", 4)) {
      uint8_t pages[4];
      if (!file.ReadAll(pages, 4)) return false;
      ImageCount = static_cast<int32_t>(BE32(pages));
      if (!walk.PageBoxes(s + 12, BoxEnd(s, length, size))) return false;
    }
    if (size < s + static_cast<int64_t>(length) + 8 || length < 8) break;
    s += length;
  }
  if (Width > 0 && Height > 0) {
    if (kind == 1 || kind == 2) ImageCount = 1;
    Quality = 100;
    FFormat = iifJ2K;
    return true;
  }
  return false;
}

namespace {

// Bits of a JPEG XL codestream, least significant bit of each byte first.
class TBitReader {
 public:
  TBitReader(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
  uint32_t Bits(int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i, ++FPos) {
      const size_t byte = FPos / 8;
      const uint32_t bit = byte < FSize ? (FData[byte] >> (FPos % 8)) & 1u : 0u;
      v |= bit << i;
    }
    return v;
  }
  // The distribution of the image dimensions: 9, 13, 18 or 30 bits, plus 1.
  uint32_t Dimension() {
    static const int kBits[] = {9, 13, 18, 30};
    return Bits(kBits[Bits(2)]) + 1;
  }

 private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPos = 0;
};

}  // namespace

bool TImageInfo::GetImageDataFromJXL(const std::string& fileName) {
  TReaderFile file(fileName, true);
  const int64_t size = file.Size();
  if (size < 10) return false;
  const uint8_t first = file.ReadByte();
  int64_t codestream = -1;
  if (first == 0xFF) {
    codestream = 0;
  } else if (first == 0x00) {
    int64_t start = 0;
    while (codestream < 0) {
      file.Seek(start);
      uint8_t head[8];
      if (!file.ReadAll(head, 8)) return false;
      const uint32_t length = BE32(head);
      if (SameBytes(head + 4, "ftyp", 4)) {
        uint8_t brand[12];
        if (!file.ReadAll(brand, 12) || !SameBytes(brand, "jxl ", 4)) return false;
      } else if (SameBytes(head + 4, "jxlc", 4)) {
        codestream = start + 8;
        break;
      } else if (SameBytes(head + 4, "jxlp", 4)) {
        // A codestream split into parts: the first part follows its 4-byte
        // part counter and holds the size header.
        codestream = start + 12;
        break;
      }
      if (size < start + static_cast<int64_t>(length) + 8 || length < 8) return false;
      start += length;
    }
  } else {
    return false;
  }
  file.Seek(codestream);
  uint8_t cs[2 + 12];
  const int64_t got = file.Read(cs, sizeof cs);
  if (got < 2 || cs[0] != 0xFF || cs[1] != 0x0A) return false;
  TBitReader bits(cs + 2, static_cast<size_t>(got - 2));
  const bool small = bits.Bits(1) != 0;
  const uint64_t height = small ? (bits.Bits(5) + 1) * 8ull : bits.Dimension();
  const uint32_t ratio = bits.Bits(3);
  uint64_t width;
  switch (ratio) {
    case 0: width = small ? (bits.Bits(5) + 1) * 8ull : bits.Dimension(); break;
    case 1: width = height; break;
    case 2: width = height * 12 / 10; break;
    case 3: width = height * 4 / 3; break;
    case 4: width = height * 3 / 2; break;
    case 5: width = height * 16 / 9; break;
    case 6: width = height * 5 / 4; break;
    default: width = height * 2; break;
  }
  Width = static_cast<int32_t>(static_cast<uint32_t>(width));
  Height = static_cast<int32_t>(static_cast<uint32_t>(height));
  if (Width > 0 && Height > 0) {
    ImageCount = 1;
    FFormat = iifJXL;
    return true;
  }
  return false;
}

// Only the image brands of the table count: a video or audio file of the same
// box format is no image of an unknown kind but no image at all.
bool TImageInfo::GetImageDataFromISOBMFF(const std::string& fileName) {
  TMediaInfoMP4 boxes;
  boxes.ReadMetaData = false;
  if (!boxes.GetData(fileName)) return false;
  const std::string& brand = boxes.MajorBrand;
  TImageInfoFormat format;
  if (brand == "avif") {
    format = iifAVIF;
  } else if (brand == "mif1" || brand == "msf1") {
    format = iifHEIF;
  } else if (brand == "heic" || brand == "heix" || brand == "hevc" || brand == "hevx" || brand == "heim" ||
             brand == "heis" || brand == "hevm" || brand == "hevs") {
    format = iifHEIC;
  } else if (brand == "crx ") {
    format = iifCR3;
  } else {
    return false;
  }
  // A file cut before the image's size is stated is no readable image.
  if (boxes.Width <= 0 || boxes.Height <= 0) return false;
  Width = boxes.Width;
  Height = boxes.Height;
  ImageCount = boxes.ImageCount;
  ColorDepth = boxes.ColorDepth;
  ResolutionX = boxes.ResolutionX;
  ResolutionY = boxes.ResolutionY;
  ResolutionUnit = resolutionUnitInch;
  FFormat = format;
  return true;
}
