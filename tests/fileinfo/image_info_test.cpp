#include "fileinfo/image_info.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cmath>

#include "fileinfo/buffered_stream.h"
#include "image_fixtures.h"

using namespace fixtures;

namespace {

// ------------------------------------------------------------------ builders

struct TApp0 {
  int Units, DX, DY;
};

std::string Jpeg(int w, int h, int components, const TApp0* app0 = nullptr, const std::string& exifTiff = "",
                 int sofMarker = 0xC0) {
  std::string s = Bytes({0xFF, 0xD8});
  if (app0)
    s += Bytes({0xFF, 0xE0}) + BE16(16) + std::string("JFIF\0\x01\x01", 7) + Bytes({app0->Units}) + BE16(app0->DX) +
         BE16(app0->DY) + Bytes({0, 0});
  if (!exifTiff.empty()) {
    std::string payload = std::string("Exif\0\0", 6) + exifTiff;
    s += Bytes({0xFF, 0xE1}) + BE16(static_cast<uint32_t>(payload.size() + 2)) + payload;
  }
  s += Bytes({0xFF, 0xDB}) + BE16(4) + Bytes({0, 1});
  s += Bytes({0xFF, sofMarker}) + BE16(static_cast<uint32_t>(8 + 3 * components)) + Bytes({8}) + BE16(h) + BE16(w) +
       Bytes({components});
  for (int c = 0; c < components; ++c) s += Bytes({c + 1, 0x11, 0});
  s += Bytes({0xFF, 0xDA}) + BE16(8) + std::string(6, '\0') + std::string(64, '\x55') + Bytes({0xFF, 0xD9});
  return s;
}

std::string Bmp(int32_t w, int32_t h, int bits, uint32_t headerSize, int32_t ppm, const std::string& csType = "") {
  std::string info = LE32(headerSize) + LE32(static_cast<uint32_t>(w)) + LE32(static_cast<uint32_t>(h)) + LE16(1) +
                     LE16(bits) + LE32(0) + LE32(0) + LE32(static_cast<uint32_t>(ppm)) +
                     LE32(static_cast<uint32_t>(ppm)) + LE32(0) + LE32(0);
  if (headerSize > 40) info += std::string(16, '\0') + csType + std::string(headerSize - 60, '\0');
  return "BM" + LE32(0) + LE32(0) + LE32(14 + headerSize) + info + std::string(16, '\0');
}

std::string GifHeader(int w, int h, int packed) {
  std::string s = "GIF89a" + LE16(w) + LE16(h) + Bytes({packed, 0, 0});
  if (packed & 0x80) s += std::string(3 * (1 << ((packed & 7) + 1)), '\0');
  return s;
}

std::string GifImage(int left, const std::string& data) {
  std::string s = Bytes({0x2C}) + LE16(left) + LE16(0) + LE16(4) + LE16(4) + Bytes({0}) + Bytes({2});
  for (size_t i = 0; i < data.size(); i += 255) {
    std::string part = data.substr(i, 255);
    s += Bytes({static_cast<int>(part.size())}) + part;
  }
  return s + Bytes({0});
}

std::string GifGraphicControl() { return Bytes({0x21, 0xF9, 4, 0, 10, 0, 0, 0}); }

std::string IcoImagePng(int size) { return Png(static_cast<uint32_t>(size), static_cast<uint32_t>(size), 8, 6); }
std::string IcoImageBmp(int size, int bits) {
  return LE32(40) + LE32(static_cast<uint32_t>(size)) + LE32(static_cast<uint32_t>(2 * size)) + LE16(1) + LE16(bits) +
         std::string(24, '\0');
}

// An icon or cursor file: every image's data follows the directory.
std::string Ico(int type, const std::vector<std::pair<int, std::string>>& images) {
  std::string dir, data;
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (const auto& [size, bytes] : images) {
    dir += Bytes({size & 0xFF, size & 0xFF, 0, 0}) + LE16(1) + LE16(32) + LE32(static_cast<uint32_t>(bytes.size())) +
           LE32(offset);
    data += bytes;
    offset += static_cast<uint32_t>(bytes.size());
  }
  return Bytes({0, 0, type, 0}) + LE16(static_cast<uint32_t>(images.size())) + dir + data;
}

std::string Psd(uint32_t w, uint32_t h, int depth, int mode) {
  return "8BPS" + BE16(1) + std::string(6, '\0') + BE16(3) + BE32(h) + BE32(w) + BE16(depth) + BE16(mode) +
         std::string(20, '\0');
}

std::string Tga(int type, int w, int h, int depth) {
  return Bytes({0, 0, type, 0, 0, 0, 0, 0}) + LE16(0) + LE16(0) + LE16(w) + LE16(h) + Bytes({depth, 0}) +
         std::string(20, '\0');
}

std::string Riff(const std::string& chunk) {
  std::string body = "WEBP" + chunk;
  while (body.size() < 40) body.push_back('\0');
  return "RIFF" + LE32(static_cast<uint32_t>(body.size())) + body;
}
std::string WebpLossy(int w, int h) {
  return Riff("VP8 " + LE32(20) + Bytes({0, 0, 0, 0x9D, 0x01, 0x2A}) + LE16(w | 0x4000) + LE16(h | 0x8000));
}
std::string WebpLossless(uint32_t w, uint32_t h) {
  return Riff("VP8L" + LE32(10) + Bytes({0x2F}) + LE32((w - 1) | (h - 1) << 14 | 1u << 28));
}
std::string WebpExtended(uint32_t w, uint32_t h) {
  auto u24 = [](uint32_t v) { return Bytes({int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF)}); };
  return Riff("VP8X" + LE32(10) + LE32(0x10) + u24(w - 1) + u24(h - 1));
}

std::string Box(const std::string& type, const std::string& content) {
  return BE32(static_cast<uint32_t>(content.size() + 8)) + type + content;
}

std::string Jp2(const std::string& brand, const std::string& jp2h, const std::string& more = "") {
  return Bytes({0, 0, 0, 0x0C}) + "jP  " + Bytes({0x0D, 0x0A, 0x87, 0x0A}) + Box("ftyp", brand + BE32(0) + brand) +
         Box("jp2h", jp2h) + more + Box("jp2c", std::string(40, '\0'));
}
std::string Jp2Ihdr(uint32_t w, uint32_t h, int bpc) {
  return Box("ihdr", BE32(h) + BE32(w) + BE16(3) + Bytes({bpc, 7, 0, 0}));
}
std::string Jp2Colr(uint32_t cs) { return Box("colr", Bytes({1, 0, 0}) + BE32(cs)); }
std::string Jp2Res(int num, int den, int exp) {
  return Box("res ", Box("resc", BE16(num) + BE16(den) + BE16(num) + BE16(den) + Bytes({exp & 0xFF, exp & 0xFF})));
}

// JPEG XL size headers, written least significant bit first.
class TBitWriter {
 public:
  void Put(uint32_t value, int bits) {
    for (int i = 0; i < bits; ++i, ++FBit) {
      if (FBit % 8 == 0) FBytes.push_back('\0');
      if (value >> i & 1) FBytes.back() = static_cast<char>(FBytes.back() | 1 << (FBit % 8));
    }
  }
  std::string Bytes() const { return FBytes + std::string(8, '\0'); }

 private:
  std::string FBytes;
  int FBit = 0;
};

std::string JxlSmall(int h8, int ratio, int w8 = 0) {
  TBitWriter b;
  b.Put(1, 1);
  b.Put(static_cast<uint32_t>(h8 - 1), 5);
  b.Put(static_cast<uint32_t>(ratio), 3);
  if (ratio == 0) b.Put(static_cast<uint32_t>(w8 - 1), 5);
  return Bytes({0xFF, 0x0A}) + b.Bytes();
}
std::string JxlLarge(uint32_t h, int ratio, uint32_t w = 0) {
  TBitWriter b;
  b.Put(0, 1);
  b.Put(1, 2);  // 13 bits
  b.Put(h - 1, 13);
  b.Put(static_cast<uint32_t>(ratio), 3);
  if (ratio == 0) {
    b.Put(2, 2);  // 18 bits
    b.Put(w - 1, 18);
  }
  return Bytes({0xFF, 0x0A}) + b.Bytes();
}
std::string JxlContainer(const std::string& codestream, const char* codestreamBox = "jxlc") {
  std::string content = codestream;
  if (std::string(codestreamBox) == "jxlp") content = BE32(0x80000000u) + codestream;
  return Bytes({0, 0, 0, 0x0C}) + "JXL " + Bytes({0x0D, 0x0A, 0x87, 0x0A}) + Box("ftyp", "jxl " + BE32(0) + "jxl ") +
         Box(codestreamBox, content);
}

// An image file whose meta box names its items, their references and the
// properties of each, as libheif writes them.
struct THeifItem {
  uint16_t Id;
  std::string Type;
  bool Hidden;
  std::vector<int> Props;  // indexes into the property list, from 1
};
std::string HeifItems(const std::string& brand, uint16_t primary, const std::vector<THeifItem>& items,
                      const std::string& properties, const std::string& references) {
  std::string iinf = BE32(0) + BE16(static_cast<uint32_t>(items.size()));
  std::string ipma = BE32(0) + BE32(static_cast<uint32_t>(items.size()));
  for (const auto& it : items) {
    iinf += Box("infe", Bytes({2, 0, 0, it.Hidden ? 1 : 0}) + BE16(it.Id) + BE16(0) + it.Type + "name" + '\0');
    ipma += BE16(it.Id) + Bytes({static_cast<int>(it.Props.size())});
    for (int p : it.Props) ipma += Bytes({p});
  }
  std::string meta =
      Box("meta", BE32(0) + Box("hdlr", BE32(0) + BE32(0) + "pict" + std::string(13, '\0')) +
                      Box("pitm", BE32(0) + BE16(primary)) + Box("iinf", iinf) + Box("iref", BE32(0) + references) +
                      Box("iprp", Box("ipco", properties) + Box("ipma", ipma)));
  return Box("ftyp", brand + BE32(0) + "mif1" + brand) + meta + Box("mdat", std::string(40, '\0'));
}
// The same file with its "pitm" box renamed into one that nothing reads.
std::string NoPrimary(std::string heif) {
  const size_t at = heif.find("pitm");
  if (at != std::string::npos) heif.replace(at, 4, "free");
  return heif;
}
std::string Ispe(uint32_t w, uint32_t h) { return Box("ispe", BE32(0) + BE32(w) + BE32(h)); }
std::string Pixi(std::initializer_list<int> bits) {
  std::string b = BE32(0) + Bytes({static_cast<int>(bits.size())});
  for (int v : bits) b += Bytes({v});
  return Box("pixi", b);
}
std::string Ref(const std::string& type, uint16_t from, std::initializer_list<uint16_t> to) {
  std::string b = BE16(from) + BE16(static_cast<uint32_t>(to.size()));
  for (uint16_t t : to) b += BE16(t);
  return Box(type, b);
}

// An image file of one image item per extent, all at the primary level,
// each with its extent and the one depth; the first is the primary item.
std::string Heif(const std::string& brand, const std::vector<std::pair<uint32_t, uint32_t>>& extents, int bits = 8) {
  std::string ipco;
  std::vector<THeifItem> items;
  const int depth = static_cast<int>(extents.size()) + 1;
  for (const auto& [w, h] : extents) {
    ipco += Ispe(w, h);
    const int index = static_cast<int>(items.size()) + 1;
    items.push_back({static_cast<uint16_t>(index), "hvc1", false, {index, depth}});
  }
  ipco += Pixi({bits, bits, bits});
  return HeifItems(brand, 1, items, ipco, "");
}

std::string IcnsElement(const std::string& type, const std::string& data) {
  return type + BE32(static_cast<uint32_t>(data.size() + 8)) + data;
}
std::string Icns(const std::string& elements) {
  return "icns" + BE32(static_cast<uint32_t>(elements.size() + 8)) + elements;
}

// ------------------------------------------------------------------- tables

struct TExpect {
  const char* Name;
  std::string Bytes;
  bool Result;
  TImageInfoFormat Format;
  int32_t Width, Height, Depth;
  TImageInfoColorSpace Space;
  int32_t ResX, ResY;
  TResolutionUnit Unit;
  int32_t Count;
  int32_t Quality;
};

void Check(const TExpect& e) {
  TTempDir dir("img");
  const std::string path = dir / e.Name;
  WriteFile(path, e.Bytes);
  TImageInfo info;
  EXPECT_EQ(info.GetImageData(path), e.Result) << e.Name;
  EXPECT_EQ(info.Format(), e.Format) << e.Name;
  EXPECT_EQ(info.Width, e.Width) << e.Name;
  EXPECT_EQ(info.Height, e.Height) << e.Name;
  EXPECT_EQ(info.ColorDepth, e.Depth) << e.Name;
  EXPECT_EQ(info.ColorSpace, e.Space) << e.Name;
  EXPECT_EQ(info.ResolutionX, e.ResX) << e.Name;
  EXPECT_EQ(info.ResolutionY, e.ResY) << e.Name;
  EXPECT_EQ(info.ResolutionUnit, e.Unit) << e.Name;
  EXPECT_EQ(info.ImageCount, e.Count) << e.Name;
  EXPECT_EQ(info.Quality, e.Quality) << e.Name;
  EXPECT_EQ(info.Error, "") << e.Name;
  EXPECT_EQ(info.FileName, path) << e.Name;
}

int32_t JpegQuality(size_t fileSize, int w, int h) {
  return static_cast<int32_t>(std::nearbyint(static_cast<long double>(fileSize) / ((w * h) / 1.7L) * 100.0L));
}

TEST(ImageHeaders, JpegPngMngJng) {
  const TApp0 jfif72{1, 72, 72}, noUnits{0, 1, 1};
  const std::string exif300 =
      Tiff(false, {{282, 5, 1, Long(false, 50)}, {283, 5, 1, Long(false, 58)}, {296, 3, 1, Short(false, 2)}}, 0,
           LE32(300) + LE32(1) + LE32(300) + LE32(1));
  const std::string exifCm =
      Tiff(true, {{282, 5, 1, Long(true, 50)}, {283, 5, 1, Long(true, 58)}, {296, 3, 1, Short(true, 3)}}, 0,
           BE32(118) + BE32(1) + BE32(118) + BE32(1));
  const std::string baseline = Jpeg(640, 480, 3, &jfif72);
  const std::string viaExif = Jpeg(640, 480, 3, &noUnits, exif300);
  const std::string cm = Jpeg(100, 50, 1, nullptr, exifCm);
  const std::string arithmetic = Jpeg(640, 480, 3, &jfif72, "", 0xC9);
  const std::string mng = PngSignature().replace(0, 4, "\x8AMNG") + BE32(28) + "MHDR" + BE32(70000) + BE32(300) +
                          BE32(1000) + BE32(1) + BE32(7) + std::string(12, '\0');
  const std::string jng =
      "\x8BJNG\r\n\x1A\n" + BE32(16) + "JHDR" + BE32(320) + BE32(200) + Bytes({14, 8, 8, 0}) + std::string(16, '\0');
  const TExpect cases[] = {
      {"a.jpg", baseline, true, iifJPG, 640, 480, 24, iicsUnknown, 72, 72, resolutionUnitInch, 1,
       JpegQuality(baseline.size(), 640, 480)},
      {"b.jpeg", viaExif, true, iifJPG, 640, 480, 24, iicsUnknown, 300, 300, resolutionUnitInch, 1,
       JpegQuality(viaExif.size(), 640, 480)},
      {"c.jpg", cm, true, iifJPG, 100, 50, 8, iicsUnknown, 118, 118, resolutionUnitCentimeter, 1,
       JpegQuality(cm.size(), 100, 50)},
      // Arithmetic coding: a frame header as any other.
      {"d.jpg", arithmetic, true, iifJPG, 640, 480, 24, iicsUnknown, 72, 72, resolutionUnitInch, 1,
       JpegQuality(arithmetic.size(), 640, 480)},
      {"e.jpg", Jpeg(0, 480, 3, nullptr), true, iifJPG, 0, 480, 24, iicsUnknown, 0, 0, resolutionUnitUnknown, 1, 0},
      {"rgba.png", Png(100, 20, 8, 6), true, iifPNG, 100, 20, 32, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 0},
      {"pal.png", Png(10, 10, 4, 3, PngChunk("pHYs", BE32(3780) + BE32(3780) + Bytes({1}))), true, iifPNG, 10, 10, 4,
       iicsPalette, 96, 96, resolutionUnitInch, 1, 0},
      {"ga16.png", Png(10, 10, 16, 4, PngChunk("pHYs", BE32(5) + BE32(5) + Bytes({0}))), true, iifPNG, 10, 10, 32,
       iicsGrayScale, 0, 0, resolutionUnitUnknown, 1, 0},
      {"rgb.png", Png(7, 9, 16, 2), true, iifPNG, 7, 9, 48, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 0},
      {"short.png", Png(7, 9, 8, 2).substr(0, 19), false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, resolutionUnitUnknown,
       0, 0},
      // A chunk that claims to run past the end ends the walk after IHDR.
      {"cut.png", PngSignature() + PngIHDR(5, 6, 1, 0) + BE32(1000000) + "IDAT" + "xx", true, iifPNG, 5, 6, 1,
       iicsGrayScale, 0, 0, resolutionUnitUnknown, 1, 0},
      {"a.mng", mng, true, iifMNG, 4464, 300, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 7, 0},
      {"a.jng", jng, true, iifJNG, 320, 200, 8, iicsYCbCr, 0, 0, resolutionUnitUnknown, 1, 100},
  };
  for (const auto& c : cases) Check(c);
}

TEST(ImageHeaders, BmpGifPsdTgaWebp) {
  const std::string gifAnim = GifHeader(16, 8, 0xF7) + GifGraphicControl() + GifImage(0, "ab") + GifGraphicControl() +
                              GifImage(5, std::string("\x2C\0\0\x2C\0\0", 6)) + GifImage(0, std::string(600, 'x')) +
                              Bytes({0x3B});
  const TExpect cases[] = {
      {"a.bmp", Bmp(640, 480, 24, 40, 2835), true, iifBMP, 640, 480, 24, iicsRGB, 72, 72, resolutionUnitInch, 1, 100},
      {"td.bmp", Bmp(640, -480, 8, 40, 0), true, iifBMP, 640, 480, 8, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 100},
      {"srgb.bmp", Bmp(4, 4, 32, 124, 0, "BGRs"), true, iifBMP, 4, 4, 32, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 100},
      {"mbed.bmp", Bmp(4, 4, 32, 124, 0, "DEBM"), true, iifBMP, 4, 4, 32, iicsProfileEmbedded, 0, 0,
       resolutionUnitUnknown, 1, 100},
      {"cal.bmp", Bmp(4, 4, 32, 108, 0, std::string(4, '\0')), true, iifBMP, 4, 4, 32, iicsCalibratedRGB, 0, 0,
       resolutionUnitUnknown, 1, 100},
      {"win.bmp", Bmp(4, 4, 32, 124, 0, " niW"), true, iifBMP, 4, 4, 32, iicsWindowsColorSpace, 0, 0,
       resolutionUnitUnknown, 1, 100},
      // The OS/2 2.x header of 64 bytes names no colour space; its fields
      // where a version 4 header keeps one are no colour space either.
      {"os2.bmp", Bmp(4, 4, 24, 64, 0, std::string(4, '\0')), true, iifBMP, 4, 4, 24, iicsUnknown, 0, 0,
       resolutionUnitUnknown, 1, 100},
      // The OS/2 core header of 12 bytes holds 16-bit fields and no
      // resolution; a file of one pixel is shorter than the larger header.
      {"core.bmp",
       "BM" + LE32(0) + LE32(0) + LE32(26) + LE32(12) + LE16(3) + LE16(5) + LE16(1) + LE16(24) +
           std::string(40, '\x01'),
       true, iifBMP, 3, 5, 24, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 100},
      {"tiny.bmp", "BM" + LE32(30) + LE32(0) + LE32(26) + LE32(12) + LE16(1) + LE16(1) + LE16(1) + LE16(24) + "abcd",
       true, iifBMP, 1, 1, 24, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 100},
      {"cutcore.bmp", "BM" + LE32(30) + LE32(0) + LE32(26) + LE32(12) + LE16(1), false, iifUnknow, 0, 0, 0, iicsUnknown,
       0, 0, resolutionUnitUnknown, 0, 0},
      // The 124-byte header announced, the file ends before the colour space.
      {"trunc.bmp", Bmp(300, 200, 24, 124, 2835, "BGRs").substr(0, 60), false, iifBMP, 300, 200, 24, iicsUnknown, 72,
       72, resolutionUnitInch, 1, 100},
      // Three image descriptors, one of them at left position 5, and image
      // data holding the separator's bytes: three images.
      {"anim.gif", gifAnim, true, iifGIF, 16, 8, 8, iicsRGB, 0, 0, resolutionUnitUnknown, 3, 100},
      {"plain.gif", GifHeader(3, 2, 0x00) + GifImage(0, "z") + Bytes({0x3B}), true, iifGIF, 3, 2, 1, iicsRGB, 0, 0,
       resolutionUnitUnknown, 1, 100},
      // Cut inside the first image's data: the descriptor counts.
      {"cut.gif", (GifHeader(3, 2, 0x80) + GifImage(0, std::string(300, 'q'))).substr(0, 50), true, iifGIF, 3, 2, 1,
       iicsRGB, 0, 0, resolutionUnitUnknown, 1, 100},
      {"rgb.psd", Psd(300, 200, 8, 3), true, iifPSD, 300, 200, 8, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 0},
      {"lab.psd", Psd(3, 2, 16, 9), true, iifPSD, 3, 2, 16, iicsLab, 0, 0, resolutionUnitUnknown, 1, 0},
      {"rle.tga", Tga(10, 64, 32, 32), true, iifTGA, 64, 32, 32, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 100},
      {"pal.tga", Tga(1, 8, 8, 8), true, iifTGA, 8, 8, 8, iicsPalette, 0, 0, resolutionUnitUnknown, 1, 100},
      {"grey.tga", Tga(11, 0, 8, 8), true, iifTGA, 0, 8, 8, iicsGrayScale, 0, 0, resolutionUnitUnknown, 1, 100},
      {"lossy.webp", WebpLossy(400, 300), true, iifWEBP, 400, 300, 24, iicsYCbCr, 0, 0, resolutionUnitUnknown, 1, 100},
      {"one.webp", WebpLossless(1, 1), true, iifWEBP, 1, 1, 24, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 100},
      {"big.webp", WebpLossless(16384, 3), true, iifWEBP, 16384, 3, 24, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 100},
      {"ext.webp", WebpExtended(4000, 3000), true, iifWEBP, 4000, 3000, 24, iicsUnknown, 0, 0, resolutionUnitUnknown, 1,
       100},
  };
  for (const auto& c : cases) Check(c);
}

TEST(ImageHeaders, TiffDirectories) {
  const bool le = false, be = true;
  auto rgb = [](bool big, uint32_t next, const std::string& more) {
    // header 8 + 2 + 7 * 12 + 4 = 98: bits per sample, then the rationals.
    std::vector<TTiffEntry> e = {{256, 4, 1, Long(big, 256)}, {257, 3, 1, Short(big, 3)},  {258, 3, 3, Long(big, 98)},
                                 {262, 3, 1, Short(big, 2)},  {282, 5, 1, Long(big, 104)}, {283, 5, 1, Long(big, 112)},
                                 {296, 3, 1, Short(big, 2)}};
    auto u16 = [&](uint32_t v) { return big ? BE16(v) : LE16(v); };
    auto u32 = [&](uint32_t v) { return big ? BE32(v) : LE32(v); };
    return Tiff(big, e, next, u16(8) + u16(8) + u16(8) + u32(300) + u32(1) + u32(300) + u32(1) + more);
  };
  // Two further directories in the chain, at 120 and 138.
  const std::string chain = LE16(1) + LE16(256) + LE16(4) + LE32(1) + LE32(9) + LE32(138) + LE16(0) + LE32(0);
  const std::string loop = LE16(0) + LE32(120);  // points to itself
  std::vector<TTiffEntry> bw = {
      {256, 4, 1, Long(be, 2)}, {257, 4, 1, Long(be, 2)}, {258, 3, 1, Short(be, 4)}, {262, 3, 1, Short(be, 1)}};
  // A sub-directory (tag 330) that points back to the first directory.
  std::vector<TTiffEntry> sub = {{330, 4, 1, Long(le, 8)}, {256, 4, 1, Long(le, 4)}, {257, 4, 1, Long(le, 4)}};
  const TExpect cases[] = {
      {"le.tif", rgb(le, 0, ""), true, iifTIFF, 256, 3, 24, iicsRGB, 300, 300, resolutionUnitInch, 1, 0},
      {"be.tiff", rgb(be, 0, ""), true, iifTIFF, 256, 3, 24, iicsRGB, 300, 300, resolutionUnitInch, 1, 0},
      {"chain.tif", rgb(le, 120, std::string(120 - 98 - 22, '\0') + chain), true, iifTIFF, 256, 3, 24, iicsRGB, 300,
       300, resolutionUnitInch, 3, 0},
      {"loop.tif", rgb(le, 120, std::string(120 - 98 - 22, '\0') + loop), false, iifUnknow, 256, 3, 24, iicsRGB, 300,
       300, resolutionUnitInch, 2, 0},
      {"bw.tif", Tiff(be, bw), true, iifTIFF, 2, 2, 4, iicsBlackAndWhite, 0, 0, resolutionUnitUnknown, 1, 0},
      {"sub.tif", Tiff(le, sub), true, iifTIFF, 4, 4, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 1, 0},
      {"past.tif", Tiff(le, sub, 5000), true, iifTIFF, 4, 4, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 1, 0},
      {"bad.tif", std::string("II*\0", 4) + LE32(8) + std::string(20, '\0'), false, iifUnknow, 0, 0, 0, iicsUnknown, 0,
       0, resolutionUnitUnknown, 1, 0},
  };
  for (const auto& c : cases) Check(c);
}

TEST(ImageHeaders, IconsAndCursors) {
  const auto icons =
      Ico(1, {{16, IcoImageBmp(16, 4)}, {32, IcoImageBmp(32, 8)}, {48, IcoImageBmp(48, 32)}, {0, IcoImagePng(256)}});
  std::string cut = icons.substr(0, 40);
  const TExpect cases[] = {
      {"a.ico", icons, true, iifICO, 256, 256, 32, iicsUnknown, 0, 0, resolutionUnitUnknown, 4, 100},
      {"a.cur", Ico(2, {{32, IcoImageBmp(32, 1)}}), true, iifCUR, 32, 32, 1, iicsUnknown, 0, 0, resolutionUnitUnknown,
       1, 100},
      {"first.ico", Ico(1, {{32, IcoImageBmp(32, 8)}, {32, IcoImageBmp(32, 24)}}), true, iifICO, 32, 32, 8, iicsUnknown,
       0, 0, resolutionUnitUnknown, 2, 100},
      // A PNG named as an icon: the icon reader reads nothing and fails, and
      // the leading bytes lead to the PNG reader.
      {"png.ico", Png(9, 9, 8, 2), true, iifPNG, 9, 9, 24, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 0},
      {"cut.ico", cut, false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 0, 0},
      {"none.ico", Bytes({0, 0, 1, 0, 0, 0}) + std::string(20, '\0'), false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0,
       resolutionUnitUnknown, 0, 0},
  };
  for (const auto& c : cases) Check(c);
}

TEST(ImageHeaders, TextHeaders) {
  const std::string xpm =
      "/* XPM */\nstatic char *x[] = {\n\"16 16 3 1\",\n/* colours */\n\"a c #FF0000\",\n\"b c #00FF00\",\n\"  c "
      "None\",\n\"abab\"\n};\n";
  const std::string xpmNames =
      "/* XPM */\nstatic char *x[] = {\n\"16 16 2 1\",\n\"a c red\",\n\"b c blue\",\n\"abab\"\n};\n";
  const TExpect cases[] = {
      {"a.ppm", "P6\n# made by hand\n640 480\n255\n" + std::string(20, '\0'), true, iifPPM, 640, 480, 24, iicsRGB, 0, 0,
       resolutionUnitUnknown, 1, 100},
      {"b.ppm", "P6\n640 480\n65535\n" + std::string(20, '\0'), true, iifPPM, 640, 480, 48, iicsRGB, 0, 0,
       resolutionUnitUnknown, 1, 100},
      {"c.pgm", "P5 100 50 255\n" + std::string(20, '\0'), true, iifPGM, 100, 50, 8, iicsGrayScale, 0, 0,
       resolutionUnitUnknown, 1, 100},
      {"d.pbm", "P4\n100 50\n" + std::string(20, '\0'), true, iifPBM, 100, 50, 1, iicsBlackAndWhite, 0, 0,
       resolutionUnitUnknown, 1, 100},
      {"e.pfm", "Pf\n100 50\n-1.0\n" + std::string(20, '\0'), true, iifPFM, 100, 50, 32, iicsGrayScale, 0, 0,
       resolutionUnitUnknown, 1, 100},
      {"f.pfm", "PF\n100 50\n-1.0\n" + std::string(20, '\0'), true, iifPFM, 100, 50, 96, iicsRGB, 0, 0,
       resolutionUnitUnknown, 1, 100},
      {"g.pam", "P7\nWIDTH 227\nHEIGHT 149\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n", true, iifPAM, 227, 149,
       32, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 100},
      {"h.pnm", "P3\n#only a comment\n", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 0, 0},
      {"i.pnm", "PX 1 2 3 4 5 6", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 0, 0},
      {"a.xbm", "#define icon_width 16\n#define icon_height 16\nstatic char icon_bits[] = {\n0x00 };\n", true, iifXBM,
       16, 16, 1, iicsBlackAndWhite, 0, 0, resolutionUnitUnknown, 1, 100},
      {"two.xbm",
       "#define a_width 8\n#define a_height 4\nstatic char a_bits[] = {0};\n#define b_width 32\n#define b_height 32\n",
       true, iifXBM, 8, 4, 1, iicsBlackAndWhite, 0, 0, resolutionUnitUnknown, 2, 100},
      {"a.xpm", xpm, true, iifXPM, 16, 16, 32, iicsRGB, 0, 0, resolutionUnitUnknown, 1, 100},
      {"b.xpm", xpmNames, true, iifXPM, 16, 16, 0, iicsPalette, 0, 0, resolutionUnitUnknown, 1, 100},
      {"c.xpm", "! XPM2\n16 16 2 1\na c #FFFFFF\nb c #000000\nabab\n", true, iifXPM, 16, 16, 24, iicsRGB, 0, 0,
       resolutionUnitUnknown, 1, 100},
      {"d.xpm", "#define XFACE_format 1\n#define XFACE_width 48\n#define XFACE_height 32\n#define XFACE_ncolors 2\n",
       true, iifXPM, 48, 32, 0, iicsPalette, 0, 0, resolutionUnitUnknown, 1, 100},
      {"e.xpm", "/* XPM */\n\"%\"\n\"1 2\"\n", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 0,
       0},
  };
  for (const auto& c : cases) Check(c);
}

TEST(ImageHeaders, BoxFormats) {
  const std::string png256 = Png(256, 256, 8, 6);
  const std::string icns =
      Icns(IcnsElement("ic07", Png(128, 128, 8, 2)) + IcnsElement("ic08", png256) +
           IcnsElement("is32", std::string(40, '\0')) + IcnsElement("s8mk", std::string(256, '\0')));
  // A table of contents listing three of the four elements that follow.
  const std::string listed = IcnsElement("il32", std::string(20, '\0')) + IcnsElement("ic10", std::string(50, '\0')) +
                             IcnsElement("ics#", std::string(8, '\0'));
  const std::string toc = Icns("TOC " + BE32(8 + 3 * 8) + "il32" + BE32(28) + "ic10" + BE32(58) + "ics#" + BE32(16) +
                               listed + IcnsElement("it32", std::string(8, '\0')));
  const std::string jp2 = Jp2("jp2 ", Jp2Ihdr(1024, 768, 7) + Jp2Colr(16) + Jp2Res(2835, 1, 0));
  const std::string jp2Exp = Jp2("jp2 ", Jp2Ihdr(1024, 768, 0xFF) + Jp2Colr(17) + Jp2Res(28346, 1, -1));
  const std::string jpm = Bytes({0, 0, 0, 0x0C}) + "jP  " + Bytes({0x0D, 0x0A, 0x87, 0x0A}) +
                          Box("ftyp", "jpm " + BE32(0) + "jpm ") + Box("mhdr", BE32(5) + BE32(0)) +
                          Box("page", Box("phdr", BE16(0) + BE32(600) + BE32(800) + BE16(0))) + std::string(20, '\0');
  const TExpect cases[] = {
      {"a.icns", icns, true, iifICNS, 256, 256, 32, iicsRGB, 0, 0, resolutionUnitUnknown, 4, 0},
      {"toc.icns", toc, true, iifICNS, 1024, 1024, 24, iicsUnknown, 0, 0, resolutionUnitUnknown, 3, 0},
      {"head.icns", "icns" + BE32(16) + "ih32" + BE32(500), true, iifICNS, 48, 48, 24, iicsUnknown, 0, 0,
       resolutionUnitUnknown, 1, 0},
      // An element shorter than its header ends the walk.
      {"zero.icns", "icns" + BE32(40) + "is32" + BE32(0) + std::string(30, '\0'), true, iifICNS, 16, 16, 24,
       iicsUnknown, 0, 0, resolutionUnitUnknown, 1, 0},
      {"a.jp2", jp2, true, iifJ2K, 1024, 768, 8, iicsRGB, 72, 72, resolutionUnitInch, 1, 100},
      {"b.jp2", jp2Exp, true, iifJ2K, 1024, 768, 0, iicsGrayScale, 72, 72, resolutionUnitInch, 1, 100},
      {"zero.jp2", Jp2("jp2 ", Jp2Ihdr(4, 4, 7) + Jp2Res(300, 0, 0)), true, iifJ2K, 4, 4, 8, iicsUnknown, 0, 0,
       resolutionUnitInch, 1, 100},
      {"a.jpm", jpm, true, iifJ2K, 800, 600, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 5, 100},
      {"brand.jp2", Jp2("abcd", Jp2Ihdr(4, 4, 7)), false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, resolutionUnitUnknown,
       0, 0},
      {"small.jxl", JxlSmall(8, 1), true, iifJXL, 64, 64, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 1, 0},
      {"wide.jxl", JxlLarge(1080, 5), true, iifJXL, 1920, 1080, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 1, 0},
      {"free.jxl", JxlLarge(750, 0, 1000), true, iifJXL, 1000, 750, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 1, 0},
      {"box.jxl", JxlContainer(JxlSmall(4, 0, 2)), true, iifJXL, 16, 32, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 1,
       0},
      {"part.jxl", JxlContainer(JxlSmall(2, 7), "jxlp"), true, iifJXL, 32, 16, 0, iicsUnknown, 0, 0,
       resolutionUnitUnknown, 1, 0},
      {"a.avif", Heif("avif", {{1920, 1080}}), true, iifAVIF, 1920, 1080, 24, iicsUnknown, 0, 0, resolutionUnitInch, 1,
       0},
      // HEVC brands are HEIC, the general image brand is HEIF.
      {"a.heic", Heif("heic", {{4032, 3024}, {512, 384}, {4032, 3024}}), true, iifHEIC, 4032, 3024, 24, iicsUnknown, 0,
       0, resolutionUnitInch, 3, 0},
      {"b.heic", Heif("mif1", {{64, 48}}, 10), true, iifHEIF, 64, 48, 30, iicsUnknown, 0, 0, resolutionUnitInch, 1, 0},
      // A video of the same box format is no image.
      {"video.heic", Heif("mp42", {{64, 48}}), false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 0,
       0},
  };
  for (const auto& c : cases) Check(c);
}

// Every frame header kind gives size and depth; a hierarchical file names
// its full size before its frames.
TEST(ImageHeaders, JpegFrameKinds) {
  for (int marker : {0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xC6, 0xC7, 0xC9, 0xCA, 0xCB, 0xCD, 0xCE, 0xCF}) {
    const std::string jpeg = Jpeg(300, 200, 1, nullptr, "", marker);
    Check({"k.jpg", jpeg, true, iifJPG, 300, 200, 8, iicsUnknown, 0, 0, resolutionUnitUnknown, 1,
           JpegQuality(jpeg.size(), 300, 200)});
  }
  // C4, C8 and CC are no frame headers: the walk passes them.
  std::string tables = Jpeg(30, 20, 3);
  tables.insert(2, Bytes({0xFF, 0xC4}) + BE16(4) + Bytes({0, 0}) + Bytes({0xFF, 0xCC}) + BE16(4) + Bytes({0, 0}) +
                       Bytes({0xFF, 0xC8}) + BE16(4) + Bytes({0, 0}));
  Check({"t.jpg", tables, true, iifJPG, 30, 20, 24, iicsUnknown, 0, 0, resolutionUnitUnknown, 1,
         JpegQuality(tables.size(), 30, 20)});
  std::string hierarchical = Jpeg(100, 80, 3, nullptr, "", 0xC5);
  hierarchical.insert(
      2, Bytes({0xFF, 0xDE}) + BE16(17) + Bytes({8}) + BE16(160) + BE16(200) + Bytes({3}) + std::string(9, '\x11'));
  Check({"h.jpg", hierarchical, true, iifJPG, 200, 160, 24, iicsUnknown, 0, 0, resolutionUnitUnknown, 1,
         JpegQuality(hierarchical.size(), 200, 160)});
}

TEST(ImageHeaders, JpegFillBytesAndMarkersWithoutLength) {
  const std::string plain = Jpeg(641, 479, 3);
  const size_t sof = plain.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  struct TCase {
    const char* Name;
    std::string Bytes;
  };
  const TCase cases[] = {
      // Any run of fill bytes before a marker, odd or even.
      {"oneFill", std::string(plain).insert(sof, "\xFF")},
      {"threeFills", std::string(plain).insert(sof, "\xFF\xFF\xFF")},
      {"twoFills", std::string(plain).insert(sof, "\xFF\xFF")},
      // TEM and a restart marker have no length: the next marker follows.
      {"tem", std::string(plain).insert(2, "\xFF\x01")},
      {"temAndRestart", std::string(plain).insert(2, "\xFF\x01\xFF\xFF\xD3")},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Check({"f.jpg", c.Bytes, true, iifJPG, 641, 479, 24, iicsUnknown, 0, 0, resolutionUnitUnknown, 1,
           JpegQuality(c.Bytes.size(), 641, 479)});
    TTempDir dir("img");
    WriteFile(dir / "f.jpg", c.Bytes);
    int32_t width = 0, height = 0;
    EXPECT_TRUE(ReadImagePixelSize(dir / "f.jpg", width, height));
    EXPECT_EQ(width, 641);
    EXPECT_EQ(height, 479);
  }
}

std::string Codestream(uint32_t w, uint32_t h, uint32_t xo, uint32_t yo, std::initializer_list<int> bits) {
  std::string comps;
  for (int b : bits) comps += Bytes({b, 1, 1});
  return Bytes({0xFF, 0x4F, 0xFF, 0x51}) + BE16(static_cast<uint32_t>(38 + comps.size())) + BE16(0) + BE32(w) +
         BE32(h) + BE32(xo) + BE32(yo) + BE32(w) + BE32(h) + BE32(0) + BE32(0) +
         BE16(static_cast<uint32_t>(bits.size())) + comps + Bytes({0xFF, 0x52}) + std::string(20, '\0');
}

// A raw JPEG 2000 codestream: the size from its image and tile size segment,
// by extension and by its leading bytes.
TEST(ImageHeaders, Jpeg2000Codestream) {
  const TExpect cases[] = {
      {"a.j2k", Codestream(640, 480, 0, 0, {7, 7, 7}), true, iifJ2K, 640, 480, 8, iicsUnknown, 0, 0,
       resolutionUnitUnknown, 1, 100},
      {"b.j2c", Codestream(110, 90, 10, 30, {11}), true, iifJ2K, 100, 60, 12, iicsUnknown, 0, 0, resolutionUnitUnknown,
       1, 100},
      {"mixed.jpc", Codestream(8, 8, 0, 0, {7, 3}), true, iifJ2K, 8, 8, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 1,
       100},
      {"noext", Codestream(33, 44, 0, 0, {7}), true, iifJ2K, 33, 44, 8, iicsUnknown, 0, 0, resolutionUnitUnknown, 1,
       100},
      // An offset beyond the grid: no image.
      {"bad.j2k", Codestream(8, 8, 9, 0, {7}), false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 0,
       0},
      {"cut.j2k", Codestream(8, 8, 0, 0, {7}).substr(0, 30), false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0,
       resolutionUnitUnknown, 0, 0},
  };
  for (const auto& c : cases) Check(c);
}

// Animated PNG and WebP files count their frames.
TEST(ImageHeaders, AnimationFrames) {
  const std::string apng = Png(20, 10, 8, 6, PngChunk("acTL", BE32(12) + BE32(0)));
  std::string frames;
  for (int i = 0; i < 5; ++i) frames += "ANMF" + LE32(17) + std::string(18, static_cast<char>('a' + i));
  auto u24 = [](uint32_t v) { return Bytes({int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF)}); };
  const std::string animated =
      Riff("VP8X" + LE32(10) + LE32(0x12) + u24(63) + u24(31) + "ANIM" + LE32(6) + std::string(6, '\0') + frames);
  const TExpect cases[] = {
      {"anim.png", apng, true, iifPNG, 20, 10, 32, iicsRGB, 0, 0, resolutionUnitUnknown, 12, 0},
      {"anim.webp", animated, true, iifWEBP, 64, 32, 24, iicsUnknown, 0, 0, resolutionUnitUnknown, 5, 100},
      // A frame that claims more than the file holds ends the count.
      {"cut.webp", animated.substr(0, animated.size() - 30), true, iifWEBP, 64, 32, 24, iicsUnknown, 0, 0,
       resolutionUnitUnknown, 4, 100},
  };
  for (const auto& c : cases) Check(c);
}

// The Netpbm headers: depth as bits per pixel, the arbitrary map by its
// keywords, and a header the file cuts off gives no result.
TEST(ImageHeaders, NetpbmHeaders) {
  const std::string raster(40, '\0');
  const auto none = resolutionUnitUnknown;
  const TExpect cases[] = {
      {"a.pam", "P7\nWIDTH 40\nHEIGHT 30\nDEPTH 1\nMAXVAL 65535\nTUPLTYPE GRAYSCALE\nENDHDR\n" + raster, true, iifPAM,
       40, 30, 16, iicsGrayScale, 0, 0, none, 1, 100},
      {"b.pam", "P7\n# comment\nHEIGHT 3\nWIDTH 2\nDEPTH 1\nMAXVAL 1\nTUPLTYPE BLACKANDWHITE\nENDHDR\n" + raster, true,
       iifPAM, 2, 3, 8, iicsBlackAndWhite, 0, 0, none, 1, 100},
      {"c.pam", "P7\nWIDTH 4\nHEIGHT 4\nDEPTH 3\nMAXVAL 255\nENDHDR\n" + raster, true, iifPAM, 4, 4, 24, iicsUnknown, 0,
       0, none, 1, 100},
      {"d.pgm", "P2 4 4 1023\n" + raster, true, iifPGM, 4, 4, 16, iicsGrayScale, 0, 0, none, 1, 100},
      // A comment longer than the first kilobyte read.
      {"long.ppm", "P6\n#" + std::string(3000, 'c') + "\n7 5\n255\n" + raster, true, iifPPM, 7, 5, 24, iicsRGB, 0, 0,
       none, 1, 100},
      // Cut before the height: no width read twice, no result.
      {"w.pam", "P7\nWIDTH 40\n", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, none, 0, 0},
      {"w.ppm", "P6\n40 ", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, none, 0, 0},
      {"cut.ppm", "P6\n40 30\n2", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, none, 0, 0},
      {"noend.pam", "P7\nWIDTH 4\nHEIGHT 4\nDEPTH 3\nMAXVAL 255\n", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, none,
       0, 0},
      {"max.pgm", "P5 4 4 70000\n" + raster, false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, none, 0, 0},
      {"zero.pbm", "P4 0 4\n" + raster, false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, none, 0, 0},
      {"scale.pfm", "PF 4 4 x\n" + raster, false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, none, 0, 0},
  };
  for (const auto& c : cases) Check(c);
}

// HEIF and AVIF: the primary item's size and depth, and the images at the
// primary level (not thumbnails, alpha planes, grid tiles or hidden items).
TEST(ImageHeaders, HeifPrimaryItem) {
  const std::string props = Ispe(64, 64) + Ispe(4000, 3000) + Pixi({8, 8, 8}) + Ispe(320, 240) + Pixi({8}) +
                            Pixi({10, 10, 10}) + Ispe(640, 480);
  // 1 and 2: hidden tiles of the grid 3 (the primary); 4: its thumbnail;
  // 5: its alpha plane; 6: a second image; 7: metadata.
  const std::vector<THeifItem> items = {
      {1, "hvc1", true, {1}},     {2, "hvc1", true, {1}},     {3, "grid", false, {2, 3}}, {4, "hvc1", false, {4, 3}},
      {5, "hvc1", false, {2, 5}}, {6, "hvc1", false, {7, 6}}, {7, "Exif", false, {}}};
  const std::string refs = Ref("dimg", 3, {1, 2}) + Ref("thmb", 4, {3}) + Ref("auxl", 5, {3});
  // A grid that states no depth takes its first tile's.
  const std::string noDepth = Ispe(64, 64) + Ispe(128, 64) + Pixi({8, 8});
  const std::vector<THeifItem> grid = {{1, "av01", true, {1, 3}}, {2, "av01", true, {1, 3}}, {3, "grid", false, {2}}};
  const std::string whole = HeifItems("heic", 3, items, props, refs);
  const std::string cutBeforeAssociations = whole.substr(0, whole.find("ipma") - 4);
  const TExpect cases[] = {
      {"a.heic", HeifItems("heic", 3, items, props, refs), true, iifHEIC, 4000, 3000, 24, iicsUnknown, 0, 0,
       resolutionUnitInch, 2, 0},
      {"b.heic", HeifItems("heic", 6, items, props, refs), true, iifHEIC, 640, 480, 30, iicsUnknown, 0, 0,
       resolutionUnitInch, 2, 0},
      {"c.avif", HeifItems("avif", 3, grid, noDepth, Ref("dimg", 3, {1, 2})), true, iifAVIF, 128, 64, 16, iicsUnknown,
       0, 0, resolutionUnitInch, 1, 0},
      // The primary item without a size: no result, whatever the other items.
      {"d.heic", HeifItems("heic", 7, items, props, refs), false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0,
       resolutionUnitUnknown, 0, 0},
      // A file cut inside its meta box, before the associations.
      {"cut.heic", cutBeforeAssociations, false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0, resolutionUnitUnknown, 0, 0},
      {"cut.avif", HeifItems("avif", 3, items, props, refs).substr(0, 200), false, iifUnknow, 0, 0, 0, iicsUnknown, 0,
       0, resolutionUnitUnknown, 0, 0},
      // No primary item: an invalid file, whatever its items and properties.
      {"nopitm.heic", NoPrimary(HeifItems("heic", 3, items, props, refs)), false, iifUnknow, 0, 0, 0, iicsUnknown, 0, 0,
       resolutionUnitUnknown, 0, 0},
  };
  for (const auto& c : cases) Check(c);
}

// ---------------------------------------------------------------- the facade

TEST(ImageInfo, ChoosesByExtensionThenByLeadingBytes) {
  TTempDir dir("facade");
  WriteFile(dir / "png.jpg", Png(16, 9, 8, 2));
  WriteFile(dir / "noext", Png(16, 9, 8, 2));
  WriteFile(dir / "tiny.xyz", "P6 1 1 255");
  TImageInfo info;
  EXPECT_TRUE(info.GetImageData(dir / "png.jpg"));
  EXPECT_EQ(info.Format(), iifPNG);
  EXPECT_TRUE(info.GetImageData(dir / "noext"));
  EXPECT_EQ(info.Format(), iifPNG);
  EXPECT_EQ(info.AspectRatioStr, "16:9");
  EXPECT_FALSE(info.GetImageData(dir / "tiny.xyz"));
  EXPECT_EQ(info.Format(), iifUnknow);
  EXPECT_EQ(info.FileName, dir / "tiny.xyz");
}

TEST(ImageInfo, AspectRatio) {
  struct TCase {
    int W, H;
    double Factor;
    const char* Text;
  };
  const TCase cases[] = {{640, 480, 4.0 / 3.0, "4:3"},
                         {480, 640, 4.0 / 3.0, "4:3"},
                         {50, 50, 1.0, "1:1"},
                         {100, 3, 100.0 / 3.0, "100:3"},
                         {1080, 1920, 1920.0 / 1080.0, "16:9"}};
  TTempDir dir("aspect");
  for (const auto& c : cases) {
    WriteFile(dir / "a.png", Png(static_cast<uint32_t>(c.W), static_cast<uint32_t>(c.H), 8, 2));
    TImageInfo info(dir / "a.png");
    EXPECT_EQ(info.AspectRatioFactor, c.Factor);
    EXPECT_EQ(info.AspectRatioStr, c.Text);
  }
  // The aspect fields are filled even when the reader fails after the size.
  WriteFile(dir / "t.bmp", Bmp(300, 200, 24, 124, 0, "BGRs").substr(0, 60));
  TImageInfo info(dir / "t.bmp");
  EXPECT_EQ(info.AspectRatioFactor, 1.5);
  EXPECT_EQ(info.AspectRatioStr, "3:2");
}

TEST(ImageInfo, MissingFilesFoldersPipesAndDevices) {
  TTempDir dir("missing");
  TImageInfo info;
  info.Tag = 42;
  EXPECT_FALSE(info.GetImageData(dir / "nothing.png"));
  EXPECT_EQ(info.FileName, "");
  EXPECT_EQ(info.Error, "");
  EXPECT_FALSE(info.GetImageData(dir.Path()));
  EXPECT_EQ(info.FileName, "");
  ASSERT_EQ(mkfifo((dir / "pipe.png").c_str(), 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(info.GetImageData(dir / "pipe.png"));
  EXPECT_EQ(info.Error, "Error [EFOpenError]: Cannot open file \"" + dir / "pipe.png" + "\"");
  EXPECT_FALSE(info.GetImageData("/dev/zero"));
  EXPECT_NE(info.Error, "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(info.Tag, 42);
}

TEST(ImageInfo, FileThatCannotBeOpened) {
  TTempDir dir("locked");
  WriteFile(dir / "a.png", Png(16, 9, 8, 2));
  auto previous = SetStreamOpener([](const std::string&) -> std::unique_ptr<TStream> { return nullptr; });
  TImageInfo info(dir / "a.png");
  SetStreamOpener(previous);
  EXPECT_EQ(info.Error, "Error [EFOpenError]: Cannot open file \"" + dir / "a.png" + "\"");
  EXPECT_EQ(info.FileName, dir / "a.png");
  EXPECT_EQ(info.Width, 0);
}

TEST(ImageInfo, CreateWithoutNameAndReset) {
  TImageInfo info;
  EXPECT_EQ(info.Tag, 0);
  EXPECT_EQ(info.Format(), iifUnknow);
  EXPECT_EQ(info.ColorSpace, iicsUnknown);
  EXPECT_EQ(info.ResolutionUnit, resolutionUnitUnknown);
  TTempDir dir("reset");
  WriteFile(dir / "a.gif", GifHeader(3, 2, 0) + GifImage(0, "z"));
  ASSERT_TRUE(info.GetImageData(dir / "a.gif"));
  info.Tag = 7;
  info.Reset();
  EXPECT_EQ(info.Width, 0);
  EXPECT_EQ(info.FileName, "");
  EXPECT_EQ(info.AspectRatioStr, "");
  EXPECT_EQ(info.Format(), iifUnknow);
  EXPECT_EQ(info.Tag, 7);
}

TEST(ImageInfo, PixelSizeForTheDocumentWriter) {
  TTempDir dir("pixels");
  WriteFile(dir / "a.png", Png(640, 480, 8, 2));
  WriteFile(dir / "b.png", Png(0, 480, 8, 2));
  int32_t w = -1, h = -1;
  EXPECT_TRUE(ReadImagePixelSize(dir / "a.png", w, h));
  EXPECT_EQ(w, 640);
  EXPECT_EQ(h, 480);
  EXPECT_FALSE(ReadImagePixelSize(dir / "b.png", w, h));
  EXPECT_EQ(w, 0);
  EXPECT_EQ(h, 0);
  EXPECT_FALSE(ReadImagePixelSize(dir / "missing.png", w, h));
}

TEST(ImageInfo, ColourSpaceTexts) {
  const char* const texts[] = {"Unknown",
                               "RGB",
                               "CMYK",
                               "HSV",
                               "Lab",
                               "YCbCr",
                               "YCC",
                               "GrayScale",
                               "BlackAndWhite",
                               "Palette",
                               "TransparencyMask",
                               "Bitmap",
                               "Indexed",
                               "MultiChannel",
                               "Duotone",
                               "CalibratedRGB",
                               "WindowsColorSpace",
                               "ProfileLinked",
                               "ProfileEmbedded"};
  for (int i = 0; i < 19; ++i) EXPECT_EQ(ColorSpaceToString(static_cast<TImageInfoColorSpace>(i)), texts[i]);
  EXPECT_EQ(ColorSpaceToString(static_cast<TImageInfoColorSpace>(19)), "Unknown");
  EXPECT_EQ(ColorSpaceToString(static_cast<TImageInfoColorSpace>(-1)), "Unknown");
}

TEST(ImageInfo, GuessByLeadingBytes) {
  struct TCase {
    std::string Head;
    TImageInfoFormat Format;
  };
  const std::string pad(16, '\0');
  const TCase cases[] = {
      {Bytes({0, 0, 1, 0, 1, 0}), iifICO},
      {Bytes({0, 0, 2, 0, 1, 0}), iifCUR},
      {Bytes({0, 0, 1, 1}), iifUnknow},
      {Bytes({0, 0, 0, 0x0C}) + "JXL " + Bytes({0x0D, 0x0A, 0x87, 0x0A}), iifJXL},
      {Bytes({0, 0, 0, 0x0C}) + "jP  " + Bytes({0x0D, 0x0A, 0x87, 0x0A}), iifJ2K},
      {Bytes({0, 0, 0, 0x0C}) + "jP  " + Bytes({0x0D, 0x0A, 0x87, 0x0B}), iifUnknow},
      {Bytes({0, 0, 0, 0x1C}) + "ftypavif", iifAVIF},
      {Bytes({0, 0, 0, 0x1C}) + "ftypcrx ", iifCR3},
      {Bytes({0, 0, 0, 0x1C}) + "ftypheic", iifHEIC},
      {Bytes({0, 0, 0, 0x1C}) + "ftypmif1", iifHEIF},
      {Bytes({0, 0, 0, 0x1C}) + "ftypmsf1", iifUnknow},
      {Bytes({0, 0, 0, 0x1C}) + "ftypheix", iifUnknow},
      // A later group that fails keeps what an earlier one found.
      {Bytes({0, 0, 1, 0}) + "ftypmxxx", iifICO},
      {"! XPM2", iifXPM},
      {"/* XPM */", iifXPM},
      {"8BPS", iifPSD},
      {"BM", iifBMP},
      {"GIF87a", iifGIF},
      {"GIF89a", iifGIF},
      {"GIF88a", iifUnknow},
      {"GIF89b", iifUnknow},
      {std::string("II*\0", 4), iifTIFF},
      {std::string("MM\0*", 4), iifTIFF},
      {"P1", iifPBM},
      {"P4", iifPBM},
      {"P2", iifPGM},
      {"P5", iifPGM},
      {"P3", iifPPM},
      {"P6", iifPPM},
      {"P7", iifPAM},
      {"PF", iifPFM},
      {"Pf", iifPFM},
      {"P8", iifUnknow},
      {"RIFFxxxxWEBP", iifWEBP},
      {"RIFFxxxxWAVE", iifUnknow},
      {"icns", iifICNS},
      {PngSignature(), iifPNG},
      {"\x8AMNG\r\n\x1A\n", iifMNG},
      {"\x8BJNG\r\n\x1A\n", iifJNG},
      {Bytes({0xFF, 0x0A}), iifJXL},
      {Bytes({0xFF, 0xD8}), iifJPG},
      {Bytes({0xFF, 0xD9}), iifUnknow},
      {"Z", iifUnknow},
  };
  TTempDir dir("guess");
  for (const auto& c : cases) {
    std::string bytes = c.Head + pad;
    WriteFile(dir / "f", bytes);
    EXPECT_EQ(GuessImageInfoFormat(dir / "f"), c.Format) << c.Head;
  }
  WriteFile(dir / "short", std::string(PngSignature() + "123456").substr(0, 14));
  EXPECT_EQ(GuessImageInfoFormat(dir / "short"), iifUnknow);
  EXPECT_THROW(GuessImageInfoFormat(dir / "missing"), EFOpenError);
}

// Structures that point back at themselves, or claim more than the file
// holds, end quickly with what could be read.
TEST(ImageInfo, BoundedWalksOnBrokenFiles) {
  std::string manyBoxes;
  for (int i = 0; i < 20000; ++i) manyBoxes += Box("jp2h", "");
  const std::string jp2 = Bytes({0, 0, 0, 0x0C}) + "jP  " + Bytes({0x0D, 0x0A, 0x87, 0x0A}) +
                          Box("ftyp", "jp2 " + BE32(0) + "jp2 ") + manyBoxes + Box("jp2h", Jp2Ihdr(7, 5, 7));
  std::string tinyBoxes = Bytes({0, 0, 0, 0x0C}) + "JXL " + Bytes({0x0D, 0x0A, 0x87, 0x0A});
  for (int i = 0; i < 20000; ++i) tinyBoxes += BE32(1) + "free";
  const std::string hugeBits =
      Tiff(false, {{256, 4, 1, Long(false, 3)}, {257, 4, 1, Long(false, 2)}, {258, 3, 0x7FFFFFFFu, Long(false, 8)}});
  std::string jpegZeroLength = Bytes({0xFF, 0xD8, 0xFF, 0xE2, 0, 0}) + std::string(40, '\0');
  std::string jpegOneLength = Bytes({0xFF, 0xD8, 0xFF, 0xE1, 0, 1}) + std::string(40, '\0');
  std::string icnsLoop = "icns" + BE32(64) + "TOC " + BE32(0x7FFFFFF8u) + std::string(48, '\0');
  struct TCase {
    const char* Name;
    std::string Bytes;
    bool Result;
    int32_t Width;
  };
  const TCase cases[] = {{"many.jp2", jp2, true, 7},           {"tiny.jxl", tinyBoxes, false, 0},
                         {"bits.tif", hugeBits, true, 3},      {"zero.jpg", jpegZeroLength, false, 0},
                         {"one.jpg", jpegOneLength, false, 0}, {"toc.icns", icnsLoop, true, 0}};
  TTempDir dir("bounded");
  for (const auto& c : cases) {
    WriteFile(dir / c.Name, c.Bytes);
    const auto start = std::chrono::steady_clock::now();
    TImageInfo info;
    EXPECT_EQ(info.GetImageData(dir / c.Name), c.Result) << c.Name;
    EXPECT_EQ(info.Width, c.Width) << c.Name;
    EXPECT_EQ(info.Error, "") << c.Name;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.Name;
  }
}

// Headers only: a large file costs the reader a few kilobytes at most.
TEST(ImageInfo, ReadsHeadersOnly) {
  std::string png = PngSignature() + PngIHDR(2000, 1000, 8, 2);
  for (int i = 0; i < 64; ++i) png += PngChunk("IDAT", std::string(8192, static_cast<char>(i)));
  png += PngChunk("IEND", "");
  std::string gif = GifHeader(2000, 1000, 0xF7);
  for (int i = 0; i < 3; ++i) gif += GifGraphicControl() + GifImage(0, std::string(150000, 'g'));
  gif += Bytes({0x3B});
  std::string jpegExif = Tiff(false, {{282, 5, 1, Long(false, 26)}}, 0, LE32(300) + LE32(1));
  std::string jpeg = Jpeg(100, 100, 3, nullptr, jpegExif + std::string(60000, '\0'));
  jpeg.insert(2, Bytes({0xFF, 0xE2}) + BE16(65000) + std::string(64998, 'i'));
  struct TCase {
    const char* Name;
    std::string Bytes;
    int32_t Count;
  };
  const TCase cases[] = {{"big.png", png, 1}, {"big.gif", gif, 3}, {"big.jpg", jpeg, 1}};
  TTempDir dir("headers");
  for (const auto& c : cases) {
    WriteFile(dir / c.Name, c.Bytes);
    const int64_t before = FileStreamBytesReadOnThisThread();
    TImageInfo info(dir / c.Name);
    const int64_t read = FileStreamBytesReadOnThisThread() - before;
    EXPECT_EQ(info.ImageCount, c.Count) << c.Name;
    EXPECT_GT(info.Width, 0) << c.Name;
    EXPECT_LT(read, 64 * 1024) << c.Name << " of " << c.Bytes.size();
  }
}

}  // namespace
