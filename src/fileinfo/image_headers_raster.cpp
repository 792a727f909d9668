// BMP, GIF, TIFF, ICO and CUR, PSD, TGA and WebP headers.
#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

#include "fileinfo/image_headers_common.h"
#include "fileinfo/image_info.h"

using namespace image_headers;

namespace {

constexpr uint32_t kBmpCoreHeaderSize = 12;

}  // namespace

bool TImageInfo::GetImageDataFromBMP(const std::string& fileName) {
  TReaderFile file(fileName, false);
  uint8_t h[74];
  if (file.Read(h, 14) < 14 || h[0] != 'B' || h[1] != 'M') return false;
  // The OS/2 and Windows 2 core header is 12 bytes of 16-bit fields: width,
  // height, planes and bit count. It carries no resolution and no colour space.
  if (file.Read(h + 14, 4) == 4 && LE32(h + 14) == kBmpCoreHeaderSize) {
    if (file.Read(h + 18, 8) < 8) return false;
    Width = LE16(h + 18);
    Height = LE16(h + 20);
    ColorDepth = LE16(h + 24);
    FFormat = iifBMP;
    ImageCount = 1;
    Quality = 100;
    ColorSpace = iicsRGB;
    return true;
  }
  if (file.Read(h + 18, 36) < 36) return false;
  Width = static_cast<int32_t>(LE32(h + 18));
  const int32_t height = static_cast<int32_t>(LE32(h + 22));
  // The absolute value of the most negative height does not fit; it keeps
  // its low 32 bits, as every other value stored into a 32-bit field.
  Height = static_cast<int32_t>(height < 0 ? 0u - static_cast<uint32_t>(height) : static_cast<uint32_t>(height));
  ColorDepth = LE16(h + 28);
  FFormat = iifBMP;
  ImageCount = 1;
  Quality = 100;
  const uint32_t headerSize = LE32(h + 14);
  if (headerSize > 16) {
    const int32_t ppmX = static_cast<int32_t>(LE32(h + 38));
    const int32_t ppmY = static_cast<int32_t>(LE32(h + 42));
    if (ppmX > 0) {
      ResolutionX = RoundToInt32(ppmX / 39.3701L);
      ResolutionUnit = resolutionUnitInch;
    }
    if (ppmY > 0) {
      ResolutionY = RoundToInt32(ppmY / 39.3701L);
      ResolutionUnit = resolutionUnitInch;
    }
  }
  if (headerSize <= 40) {
    ColorSpace = iicsRGB;
    return true;
  }
  // Only the version 4 and 5 headers (108 and 124 bytes) name a colour space;
  // 52 and 56 bytes add colour masks to the 40 of Windows. OS/2 2.x headers
  // (up to 64 bytes) hold halftoning fields at that place, and no colour space.
  if (headerSize < 108) {
    if (headerSize == 52 || headerSize == 56) ColorSpace = iicsRGB;
    return true;
  }
  if (file.Read(h + 54, 20) < 20) return false;
  const uint8_t* cs = h + 70;
  if (SameBytes(cs, "\0\0\0\0", 4))
    ColorSpace = iicsCalibratedRGB;
  else if (SameBytes(cs, "KNIL", 4))
    ColorSpace = iicsProfileLinked;
  else if (SameBytes(cs, "DEBM", 4))
    ColorSpace = iicsProfileEmbedded;
  else if (SameBytes(cs, " niW", 4))
    ColorSpace = iicsWindowsColorSpace;
  else if (SameBytes(cs, "BGRs", 4))
    ColorSpace = iicsRGB;
  return true;
}

namespace {

// The bytes of a GIF for the block walk. The start of the file is read in
// one piece, as large as the budget of 64 KiB allows once one length byte
// per 256-byte block of the rest is set aside; beyond it only the length
// bytes themselves are read. A kilobyte stays spare for the header and the
// image descriptors beyond the window.
class TGifBytes {
 public:
  static constexpr int64_t kBudget = 63 * 1024;

  explicit TGifBytes(TReaderFile& file) : FFile(file), FSize(file.Size()) {
    const int64_t window = std::clamp<int64_t>((kBudget * 256 - FSize) / 255, 0, std::min(FSize, kBudget));
    FWindow.resize(static_cast<size_t>(window));
    FFile.Seek(0);
    FWindow.resize(static_cast<size_t>(FFile.Read(FWindow.data(), window)));
  }
  int64_t Size() const { return FSize; }
  // Reads count bytes at pos; false when the file ends first.
  bool At(int64_t pos, uint8_t* out, int64_t count) {
    if (pos >= 0 && pos + count <= static_cast<int64_t>(FWindow.size())) {
      std::memcpy(out, FWindow.data() + pos, static_cast<size_t>(count));
      return true;
    }
    FFile.Seek(pos);
    return FFile.Read(out, count) == count;
  }

 private:
  TReaderFile& FFile;
  int64_t FSize;
  std::vector<uint8_t> FWindow;
};

}  // namespace

// Images are counted by walking the blocks of the data stream (image
// descriptors, extensions and their sub-blocks) rather than by searching
// for the bytes of an image separator: those bytes also occur inside
// compressed data and in descriptors at any left position. Only the length
// byte of each sub-block is needed, so a large file costs a few bytes per
// 256-byte block.
bool TImageInfo::GetImageDataFromGIF(const std::string& fileName) {
  TReaderFile file(fileName, false);
  uint8_t h[13];
  file.Read(h, 13);
  if (!SameBytes(h, "GIF89a", 6) && !SameBytes(h, "GIF87a", 6)) return false;
  const uint8_t packed = h[10];
  ColorDepth = (packed & 7) + 1;
  Width = LE16(h + 6);
  Height = LE16(h + 8);
  int64_t pos = 13;
  if (packed & 0x80) pos += 3 * (int64_t{1} << ((packed & 7) + 1));
  ColorSpace = iicsRGB;
  Quality = 100;
  ImageCount = 0;
  TGifBytes bytes(file);
  const int64_t fileSize = bytes.Size();
  auto skipSubBlocks = [&](int64_t at) -> int64_t {
    // Each step moves at least one byte forward.
    while (at < fileSize) {
      uint8_t len = 0;
      if (!bytes.At(at, &len, 1)) return fileSize;
      at += 1;
      if (len == 0) return at;
      at += len;
    }
    return fileSize;
  };
  while (pos < fileSize) {
    uint8_t introducer = 0;
    if (!bytes.At(pos, &introducer, 1)) break;
    if (introducer == 0x2C) {
      uint8_t d[10];
      if (!bytes.At(pos + 1, d, 9)) break;
      ++ImageCount;
      pos += 10;
      if (d[8] & 0x80) pos += 3 * (int64_t{1} << ((d[8] & 7) + 1));
      pos = skipSubBlocks(pos + 1);  // past the code size byte
    } else if (introducer == 0x21) {
      pos = skipSubBlocks(pos + 2);
    } else {
      break;  // the trailer, or bytes that belong to no block
    }
  }
  if (Width > 0 && Height > 0) {
    FFormat = iifGIF;
    return true;
  }
  return false;
}

namespace {

// The TIFF walk: one open file, its byte order, and the directories on the
// way down so that sub-directories pointing back end the recursion.
class TTiffWalk {
 public:
  static constexpr int kMaxDepth = 16;

  TTiffWalk(TReaderFile& file, bool bigEndian, TImageInfo& info) : FFile(file), FBig(bigEndian), FInfo(info) {}

  uint16_t U16(const uint8_t* p) const { return FBig ? BE16(p) : LE16(p); }
  uint32_t U32(const uint8_t* p) const { return FBig ? BE32(p) : LE32(p); }
  uint32_t Read32() {
    uint8_t b[4];
    FFile.Read(b, 4);
    return U32(b);
  }
  uint16_t Read16() {
    uint8_t b[2];
    FFile.Read(b, 2);
    return U16(b);
  }

  void ReadTIFFDirectory(int64_t offset, int depth) {
    if (depth > kMaxDepth || !FWalked.insert(offset).second) return;
    FFile.Seek(offset);
    uint8_t countBytes[2];
    if (FFile.Read(countBytes, 2) < 2) return;
    const uint16_t count = U16(countBytes);
    for (uint16_t i = 0; i < count; ++i) {
      uint8_t e[12];
      if (FFile.Read(e, 12) < 12) return;
      const uint16_t tag = U16(e), type = U16(e + 2);
      const uint32_t valueCount = U32(e + 4);
      const uint8_t* field = e + 8;
      uint32_t scalar = 0;
      if (type == 3) scalar = U16(field);
      if (type == 4) scalar = U32(field);
      if (type == 5) {
        const int64_t back = FFile.Position();
        FFile.Seek(U32(field));
        uint8_t r[8];
        if (FFile.Read(r, 8) == 8 && U32(r + 4) != 0)
          scalar = static_cast<uint32_t>(RoundToInt32(static_cast<long double>(U32(r)) / U32(r + 4)));
        FFile.Seek(back);
      }
      const auto value = static_cast<int32_t>(scalar);
      switch (tag) {
        case 256: FInfo.Width = value; break;
        case 257: FInfo.Height = value; break;
        case 258: AddBitsPerSample(type, valueCount, field, value); break;
        case 262:
          switch (scalar) {
            case 0:
            case 1: FInfo.ColorSpace = iicsBlackAndWhite; break;
            case 2: FInfo.ColorSpace = iicsRGB; break;
            case 3: FInfo.ColorSpace = iicsPalette; break;
            case 4: FInfo.ColorSpace = iicsTransparencyMask; break;
            case 5: FInfo.ColorSpace = iicsCMYK; break;
            case 6: FInfo.ColorSpace = iicsYCbCr; break;
            case 8:
            case 9:
            case 10: FInfo.ColorSpace = iicsLab; break;
            default: break;
          }
          break;
        case 282: FInfo.ResolutionX = value; break;
        case 283: FInfo.ResolutionY = value; break;
        case 296:
          if (scalar == 2) FInfo.ResolutionUnit = resolutionUnitInch;
          if (scalar == 3) FInfo.ResolutionUnit = resolutionUnitCentimeter;
          break;
        case 330:
          if (valueCount == 1) {
            const int64_t back = FFile.Position();
            ReadTIFFDirectory(scalar, depth + 1);
            FFile.Seek(back);
          }
          break;
        default: break;
      }
    }
  }

 private:
  void AddBitsPerSample(uint16_t type, uint32_t n, const uint8_t* field, int32_t scalar) {
    if (n == 1) {
      FInfo.ColorDepth = scalar;
      return;
    }
    if (n == 0) return;
    uint32_t typeSize = 0;
    switch (type) {
      case 1:
      case 2:
      case 6:
      case 7: typeSize = 1; break;
      case 3:
      case 8: typeSize = 2; break;
      case 4:
      case 9:
      case 11: typeSize = 4; break;
      case 5:
      case 10:
      case 12: typeSize = 8; break;
      default: break;
    }
    const uint64_t dataSize = static_cast<uint64_t>(n) * typeSize;
    std::vector<uint8_t> data;
    if (dataSize > 4) {
      // Only what the file holds is read; values beyond it count nothing.
      const int64_t offset = U32(field);
      const int64_t available = std::max<int64_t>(0, FFile.Size() - offset);
      data.resize(static_cast<size_t>(std::min<uint64_t>(dataSize, static_cast<uint64_t>(available))));
      const int64_t back = FFile.Position();
      FFile.Seek(offset);
      data.resize(static_cast<size_t>(FFile.Read(data.data(), static_cast<int64_t>(data.size()))));
      FFile.Seek(back);
    } else {
      data.assign(field, field + dataSize);
    }
    // Each value is taken as a 16-bit number; values whose two bytes lie
    // beyond the data count nothing.
    uint32_t sum = static_cast<uint32_t>(FInfo.ColorDepth);
    for (uint64_t i = 0; i < n && (i + 1) * 2 <= data.size(); ++i) sum += U16(data.data() + i * 2) & 0xFF;
    FInfo.ColorDepth = static_cast<int32_t>(sum);
  }

  TReaderFile& FFile;
  bool FBig;
  TImageInfo& FInfo;
  std::set<int64_t> FWalked;
};

}  // namespace

bool TImageInfo::GetImageDataFromTIFF(const std::string& fileName) {
  Width = Height = ColorDepth = ResolutionX = ResolutionY = 0;
  ResolutionUnit = resolutionUnitUnknown;
  TReaderFile file(fileName, true);
  const int64_t fileSize = file.Size();
  uint8_t h[8];
  file.Read(h, 8);
  bool big;
  if (SameBytes(h, "II\x2A\0", 4))
    big = false;
  else if (SameBytes(h, "MM\0\x2A", 4))
    big = true;
  else
    return false;
  TTiffWalk walk(file, big, *this);
  walk.ReadTIFFDirectory(walk.U32(h + 4), 0);
  uint32_t next = walk.Read32();
  ImageCount = 1;
  // A chain that comes back to a directory it has passed would never end: it
  // fails like a chain that is too long. An offset past the end of the file
  // names no directory and ends the chain.
  std::set<uint32_t> chain;
  while (next != 0) {
    if (next >= fileSize) break;
    if (!chain.insert(next).second) return false;
    file.Seek(next);
    const uint16_t count = walk.Read16();
    file.Skip(static_cast<int64_t>(count) * 12);
    next = walk.Read32();
    ++ImageCount;
    if (ImageCount > 100000) return false;
  }
  if (Width > 0 && Height > 0) {
    FFormat = iifTIFF;
    return true;
  }
  return false;
}

namespace {

// Bits per pixel of one icon image, taken from its own header: a PNG header
// chunk or a bitmap information header; 0 when neither gives a known depth.
int32_t IconImageDepth(TReaderFile& file, uint32_t offset) {
  file.Seek(offset);
  uint8_t h[26];
  if (file.Read(h, 26) < 16) return 0;
  if (SameBytes(h, "\x89PNG\r\n\x1A\n", 8)) {
    const int32_t depth = h[24];
    switch (h[25]) {
      case 0:
      case 3: return depth;
      case 2: return depth * 3;
      case 4: return depth * 2;
      case 6: return depth * 4;
      default: return 0;
    }
  }
  switch (LE16(h + 14)) {
    case 1: return 1;
    case 4: return 4;
    case 8: return 8;
    case 15: return 15;
    case 16: return 16;
    case 24: return 24;
    case 32: return 32;
    default: return 0;
  }
}

}  // namespace

// Icons and cursors are read from their own header and directory; a file
// whose structure cannot hold its images counts as one that failed to load.
bool TImageInfo::GetImageDataFromICO(const std::string& fileName) {
  const TImageInfoFormat kind = GuessImageInfoFormat(fileName);
  if (kind != iifICO && kind != iifCUR) return false;
  TReaderFile file(fileName, true);
  const int64_t fileSize = file.Size();
  uint8_t h[6];
  if (file.Read(h, 6) < 6) return false;
  const uint16_t count = LE16(h + 4);
  if (count == 0 || 6 + static_cast<int64_t>(count) * 16 > fileSize) return false;
  int32_t bestIndex = -1, bestWidth = -1, bestHeight = 0;
  uint32_t bestOffset = 0;
  for (uint16_t i = 0; i < count; ++i) {
    uint8_t e[16];
    if (file.Read(e, 16) < 16) return false;
    const uint32_t size = LE32(e + 8), offset = LE32(e + 12);
    if (offset < 6 + static_cast<uint32_t>(count) * 16 || static_cast<int64_t>(offset) + size > fileSize) return false;
    const int32_t w = e[0] == 0 ? 256 : e[0];
    if (w > bestWidth) {
      bestIndex = i;
      bestWidth = w;
      bestHeight = e[1] == 0 ? 256 : e[1];
      bestOffset = offset;
    }
  }
  Width = bestWidth;
  Height = bestHeight;
  ColorDepth = IconImageDepth(file, bestOffset);
  FFormat = kind;
  ImageCount = count;
  Quality = 100;
  return bestIndex >= 0;
}

bool TImageInfo::GetImageDataFromPSD(const std::string& fileName) {
  TReaderFile file(fileName, false);
  if (file.Size() < 26) return false;
  uint8_t h[26];
  if (file.Read(h, 26) < 26 || !SameBytes(h, "8BPS", 4)) return false;
  Height = static_cast<int32_t>(BE32(h + 14));
  Width = static_cast<int32_t>(BE32(h + 18));
  ColorDepth = BE16(h + 22);
  switch (BE16(h + 24)) {
    case 0: ColorSpace = iicsBitmap; break;
    case 1: ColorSpace = iicsGrayScale; break;
    case 2: ColorSpace = iicsIndexed; break;
    case 3: ColorSpace = iicsRGB; break;
    case 4: ColorSpace = iicsCMYK; break;
    case 7: ColorSpace = iicsMultiChannel; break;
    case 8: ColorSpace = iicsDuotone; break;
    case 9: ColorSpace = iicsLab; break;
    default: break;
  }
  ImageCount = 1;
  FFormat = iifPSD;
  return true;
}

bool TImageInfo::GetImageDataFromTGA(const std::string& fileName) {
  TReaderFile file(fileName, false);
  uint8_t h[18];
  if (file.Read(h, 18) < 18) return false;
  Width = LE16(h + 12);
  Height = LE16(h + 14);
  ColorDepth = h[16];
  FFormat = iifTGA;
  ImageCount = 1;
  Quality = 100;
  switch (h[2]) {
    case 1:
    case 9:
    case 32:
    case 33: ColorSpace = iicsPalette; break;
    case 2:
    case 10: ColorSpace = iicsRGB; break;
    case 3:
    case 11: ColorSpace = iicsGrayScale; break;
    default: break;
  }
  return true;
}

namespace {

constexpr uint8_t kWebPAnimationFlag = 0x02;

// The frames of an animated WebP: its "ANMF" chunks, walked by their headers
// from the chunk after the extended header. Every chunk is padded to an even
// size, and every step moves at least a chunk header forward.
int32_t CountWebPFrames(TReaderFile& file, int64_t start) {
  const int64_t size = file.Size();
  int32_t frames = 0;
  for (int64_t pos = start; pos + 8 <= size && frames < INT32_MAX;) {
    file.Seek(pos);
    uint8_t chunk[8];
    if (!file.ReadAll(chunk, 8)) break;
    if (SameBytes(chunk, "ANMF", 4)) ++frames;
    const int64_t length = LE32(chunk + 4);
    pos += 8 + length + (length & 1);
  }
  return frames;
}

}  // namespace

bool TImageInfo::GetImageDataFromWEBP(const std::string& fileName) {
  TReaderFile file(fileName, true);
  if (file.Size() < 32) return false;
  uint8_t h[32];
  if (file.Read(h, 32) < 32) return false;
  if (!SameBytes(h, "RIFF", 4) || LE32(h + 4) == 0 || !SameBytes(h + 8, "WEBP", 4)) return false;
  int32_t frames = 0;
  if (SameBytes(h + 12, "VP8 ", 4)) {
    Width = LE16(h + 26) & 0x3FFF;
    Height = LE16(h + 28) & 0x3FFF;
    ColorSpace = iicsYCbCr;
  } else if (SameBytes(h + 12, "VP8L", 4)) {
    Width = static_cast<int32_t>(LE32(h + 21) & 0x3FFF) + 1;
    Height = static_cast<int32_t>((LE32(h + 22) >> 6) & 0x3FFF) + 1;
    ColorSpace = iicsRGB;
  } else if (SameBytes(h + 12, "VP8X", 4)) {
    Width = static_cast<int32_t>(h[24] | h[25] << 8 | h[26] << 16) + 1;
    Height = static_cast<int32_t>(h[27] | h[28] << 8 | h[29] << 16) + 1;
    if (h[20] & kWebPAnimationFlag) frames = CountWebPFrames(file, 12 + 8 + LE32(h + 16));
  } else {
    return false;
  }
  ColorDepth = 24;
  Quality = 100;
  FFormat = iifWEBP;
  ImageCount = frames > 0 ? frames : 1;
  return true;
}
