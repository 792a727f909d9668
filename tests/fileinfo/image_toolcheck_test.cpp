// Images made with Debian's image tools: what the reader finds in each, and
// how that agrees with exiftool, ImageMagick's identify and icns2png.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

#include "fileinfo/image_info.h"
#include "foundation/str_split.h"
#include "image_fixtures.h"

using namespace fixtures;

namespace {

// The tools' own paths, so that nothing placed earlier in PATH answers.
const char* const kMakeFixtures = R"SH(
set -e
C=/usr/bin/convert
B="-size 40x30 gradient:red-blue"
$C $B -depth 8 PNG24:rgb8.png
$C $B -alpha set -channel A -evaluate set 50% +channel -depth 8 PNG32:rgba8.png
$C $B -colorspace Gray -depth 8 -define png:color-type=0 gray8.png
$C $B -colorspace Gray -depth 16 -define png:color-type=0 gray16.png
$C $B -colorspace Gray -alpha set -define png:color-type=4 -depth 8 graya8.png
$C $B -colors 16 -define png:color-type=3 -depth 4 pal4.png
$C $B -depth 16 PNG48:rgb16.png
$C $B -interlace PNG -density 72 -units PixelsPerInch PNG24:inter72.png
$C $B -density 38 -units PixelsPerCentimeter PNG24:cm38.png
$C rgb8.png -quality 85 -density 72 -units PixelsPerInch base.jpg
$C rgb8.png -colorspace Gray -quality 90 gray.jpg
$C rgb8.png -interlace JPEG -quality 80 prog.jpg
$C rgb8.png -colorspace CMYK -quality 80 cmyk.jpg
cp base.jpg exif_le.jpg
/usr/bin/exiftool -q -overwrite_original -ExifByteOrder=II -XResolution=300 -YResolution=300 -ResolutionUnit=inches -Make=Maker exif_le.jpg
$C rgb8.png -density 1 -units undefined -quality 85 nodpi.jpg
cp nodpi.jpg exif_be.jpg
/usr/bin/exiftool -q -overwrite_original -ExifByteOrder=MM -XResolution=118 -YResolution=118 -ResolutionUnit=cm -Model=M exif_be.jpg
$C rgb8.png ppm:- | /usr/bin/cjpeg -quality 75 > cjpeg.jpg
/usr/bin/jpegtran -arithmetic base.jpg > arith.jpg
/usr/bin/jpegtran -arithmetic -progressive base.jpg > arithprog.jpg
$C rgb8.png -define png:exclude-chunks=date,time \( rgb8.png -flop \) \( rgb8.png -flip \) -delay 10 APNG:anim.apng
$C rgb8.png -colors 64 single.gif
$C -delay 10 rgb8.png \( rgb8.png -flop \) \( rgb8.png -flip \) -colors 32 anim.gif
$C rgb8.png -colors 64 -interlace GIF inter.gif
$C rgb8.png -type TrueColor BMP3:rgb24.bmp
$C rgb8.png BMP2:os2.bmp
$C rgb8.png -type TrueColor -density 72 -units PixelsPerInch BMP3:dpi72.bmp
$C rgba8.png BMP:rgba32.bmp
$C rgb8.png -colors 16 -type Palette BMP3:pal8.bmp
$C rgb8.png -monochrome BMP3:mono.bmp
$C rgb8.png -density 300 -units PixelsPerInch -compress none le.tif
$C rgb8.png -define tiff:endian=msb -compress lzw be.tif
$C rgb8.png \( rgb8.png -flop \) \( rgb8.png -flip \) pages.tif
$C rgb8.png -colorspace Gray -depth 16 gray16.tif
$C rgb8.png -colorspace CMYK cmyk.tif
$C -size 16x16 xc:red PNG32:i16.png
$C -size 32x32 xc:green PNG32:i32.png
$C -size 48x48 xc:blue PNG32:i48.png
$C -size 128x128 gradient:red-blue PNG32:i128.png
$C -size 256x256 gradient:red-blue PNG32:i256.png
$C i16.png i32.png i48.png i256.png multi.ico
/usr/bin/png2icns multi.icns i16.png i32.png i128.png i256.png > /dev/null
rm i16.png i32.png i48.png i128.png i256.png
$C rgb8.png rgb.psd
$C rgb8.png -colorspace Gray gray.psd
$C rgb8.png -colorspace CMYK cmyk.psd
$C rgb8.png rgb.tga
$C rgb8.png -compress RLE rle.tga
$C rgb8.png -colorspace Gray gray.tga
/usr/bin/cwebp -quiet -q 80 rgb8.png -o lossy.webp
/usr/bin/cwebp -quiet -lossless rgb8.png -o lossless.webp
/usr/bin/cwebp -quiet -q 80 rgba8.png -o alpha.webp
/usr/bin/img2webp -loop 0 rgb8.png -d 100 rgba8.png -d 100 rgb8.png -o anim.webp > /dev/null 2>&1
$C rgb8.png -monochrome -compress none p1.pbm
$C rgb8.png -monochrome p4.pbm
$C rgb8.png -colorspace Gray -compress none p2.pgm
$C rgb8.png -colorspace Gray p5.pgm
$C rgb8.png -compress none p3.ppm
$C rgb8.png p6.ppm
$C rgb8.png -depth 16 p6_16.ppm
/usr/bin/pamtopnm < p6.ppm > netpbm.ppm
$C rgba8.png rgba.pam
$C rgb8.png -depth 16 rgb16.pam
$C rgb8.png -colorspace Gray gray.pam
$C rgb8.png rgb.pfm
$C rgb8.png -colorspace Gray gray.pfm
$C rgb8.png -monochrome mono.xbm
$C rgb8.png -colors 8 col.xpm
$C rgb8.png -delay 10 \( rgb8.png -flop \) anim.mng
$C rgb8.png rgb.jng
/usr/bin/opj_compress -i rgb8.png -o rgb.jp2 -n 2 > /dev/null
/usr/bin/opj_compress -i rgb8.png -o raw.j2k -n 2 > /dev/null
/usr/bin/opj_compress -i rgb8.png -o raw.jpc -n 2 > /dev/null
/usr/bin/cjxl rgb8.png code.jxl -q 90 > /dev/null 2>&1
/usr/bin/cjxl rgb8.png box.jxl -q 90 --container=1 > /dev/null 2>&1
$C -size 64x48 gradient:red-blue PNG24:h.png
/usr/bin/heif-enc h.png -o img.heic > /dev/null
/usr/bin/heif-enc -A h.png -o img.avif > /dev/null
$C -size 64x48 gradient:red-blue PNG32:ha.png
$C -size 64x48 gradient:red-blue -depth 16 PNG48:h16.png
/usr/bin/heif-enc ha.png -o alpha.heic > /dev/null
/usr/bin/heif-enc -A ha.png -o alpha.avif > /dev/null
/usr/bin/heif-enc -t 32 h.png -o thumb.heic > /dev/null
/usr/bin/heif-enc h.png rgb8.png -o two.heic > /dev/null
/usr/bin/heif-enc -b 10 h16.png -o ten.heic > /dev/null
head -c 400 img.heic > cut.heic
head -c 120 img.avif > cut.avif
rm h.png ha.png h16.png
head -c 30 rgb8.png > cut.png
head -c 20 le.tif > cut.tif
head -c 10 p6.ppm > cut.ppm
printf 'P7\nWIDTH 40\n' > cut.pam
printf 'GIF89a\005' > cut.gif
printf '\377\330\377\340\000\002' > bad.jpg
head -c 40 /dev/zero >> bad.jpg
# JPEG with an odd run of fill bytes before its frame header, and one with a
# TEM marker (no length) before it; HEIF without its primary item ("pitm"
# renamed); an OS/2 2.x bitmap with its 64-byte header.
$C -size 641x479 gradient:red-blue -quality 85 big.jpg
/usr/bin/python3 - <<'PY'
import struct
j = open("big.jpg", "rb").read()
sof = j.find(b"\xff\xc0")
open("fill.jpg", "wb").write(j[:sof] + b"\xff\xff\xff" + j[sof:])
open("tem.jpg", "wb").write(j[:2] + b"\xff\x01" + j[2:])
h = bytearray(open("img.heic", "rb").read())
at = h.find(b"pitm")
h[at:at + 4] = b"free"
open("nopitm.heic", "wb").write(bytes(h))
w, ht = 4, 3
row = (b"\x00\x80\xff" * w).ljust((w * 3 + 3) // 4 * 4, b"\0")
info = struct.pack("<IiiHHIIiiII", 64, w, ht, 1, 24, 0, len(row) * ht, 2835, 2835, 0, 0) + bytes(24)
open("os2v2.bmp", "wb").write(b"BM" + struct.pack("<IHHI", 14 + 64 + len(row) * ht, 0, 0, 14 + 64) + info + row * ht)
PY
)SH";

// The folder of fixtures, made once per run of the test program and removed
// when it ends.
const TTempDir& Fixtures() {
  static TTempDir dir("toolimg");
  static const bool made = [] {
    const std::string script = dir.Path() + ".sh";
    WriteFile(script, kMakeFixtures);
    int rc = 0;
    const std::string log = RunCommand("cd '" + dir.Path() + "' && bash '" + script + "' 2>&1", &rc);
    std::filesystem::remove(script);
    EXPECT_EQ(rc, 0) << "making the fixtures failed: " << log;
    return rc == 0;
  }();
  (void)made;
  return dir;
}

std::vector<std::string> FixtureNames() {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(Fixtures().Path())) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

std::string QuotedPaths(const std::vector<std::string>& names) {
  std::string s;
  for (const auto& n : names) s += " '" + Fixtures() / n + "'";
  return s;
}

// Lines "name|field|field…" of a tool's answer, by name.
std::map<std::string, TStrArray> Table(const std::string& output) {
  std::map<std::string, TStrArray> rows;
  std::istringstream in(output);
  std::string line;
  while (std::getline(in, line)) {
    TStrArray fields;
    Explode(fields, "|", line);
    if (fields.size() > 1 && !rows.count(fields[0])) rows[fields[0]] = fields;
  }
  return rows;
}

int ToInt(const std::string& s) { return s.empty() || s == "-" ? -1 : static_cast<int>(std::lround(std::stod(s))); }

struct TFixtureExpect {
  const char* Name;
  bool Result;
  TImageInfoFormat Format;
  int32_t Width, Height, Depth;
  TImageInfoColorSpace Space;
  int32_t ResX;
  TResolutionUnit Unit;
  int32_t Count;
  int32_t Quality;  // -1: the JPEG estimate from the file size
};

TEST(ToolCheckImageFixtures, FieldsOfEveryFormatAndVariant) {
  const auto inch = resolutionUnitInch, none = resolutionUnitUnknown, cm = resolutionUnitCentimeter;
  const TFixtureExpect cases[] = {
      {"rgb8.png", true, iifPNG, 40, 30, 24, iicsRGB, 0, none, 1, 0},
      {"rgba8.png", true, iifPNG, 40, 30, 32, iicsRGB, 0, none, 1, 0},
      {"gray8.png", true, iifPNG, 40, 30, 8, iicsGrayScale, 0, none, 1, 0},
      {"gray16.png", true, iifPNG, 40, 30, 16, iicsGrayScale, 0, none, 1, 0},
      {"graya8.png", true, iifPNG, 40, 30, 16, iicsGrayScale, 0, none, 1, 0},
      {"pal4.png", true, iifPNG, 40, 30, 4, iicsPalette, 0, none, 1, 0},
      {"rgb16.png", true, iifPNG, 40, 30, 48, iicsRGB, 0, none, 1, 0},
      {"inter72.png", true, iifPNG, 40, 30, 24, iicsRGB, 72, inch, 1, 0},
      {"cm38.png", true, iifPNG, 40, 30, 24, iicsRGB, 97, inch, 1, 0},
      {"cut.png", true, iifPNG, 40, 30, 24, iicsRGB, 0, none, 1, 0},
      {"base.jpg", true, iifJPG, 40, 30, 24, iicsUnknown, 72, inch, 1, -1},
      {"gray.jpg", true, iifJPG, 40, 30, 8, iicsUnknown, 1, none, 1, -1},
      {"prog.jpg", true, iifJPG, 40, 30, 24, iicsUnknown, 1, none, 1, -1},
      {"cmyk.jpg", true, iifJPG, 40, 30, 32, iicsUnknown, 0, none, 1, -1},
      {"exif_le.jpg", true, iifJPG, 40, 30, 24, iicsUnknown, 300, inch, 1, -1},
      {"exif_be.jpg", true, iifJPG, 40, 30, 24, iicsUnknown, 118, cm, 1, -1},
      {"nodpi.jpg", true, iifJPG, 40, 30, 24, iicsUnknown, 1, none, 1, -1},
      {"cjpeg.jpg", true, iifJPG, 40, 30, 24, iicsUnknown, 1, none, 1, -1},
      {"arith.jpg", true, iifJPG, 40, 30, 24, iicsUnknown, 72, inch, 1, -1},
      {"arithprog.jpg", true, iifJPG, 40, 30, 24, iicsUnknown, 72, inch, 1, -1},
      {"anim.apng", true, iifPNG, 40, 30, 24, iicsRGB, 0, none, 3, 0},
      {"bad.jpg", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, none, 0, 0},
      {"single.gif", true, iifGIF, 40, 30, 5, iicsRGB, 0, none, 1, 100},
      {"anim.gif", true, iifGIF, 40, 30, 5, iicsRGB, 0, none, 3, 100},
      {"inter.gif", true, iifGIF, 40, 30, 5, iicsRGB, 0, none, 1, 100},
      {"cut.gif", false, iifUnknow, 5, 0, 1, iicsRGB, 0, none, 0, 100},
      {"rgb24.bmp", true, iifBMP, 40, 30, 24, iicsRGB, 0, none, 1, 100},
      {"os2.bmp", true, iifBMP, 40, 30, 24, iicsRGB, 0, none, 1, 100},
      {"dpi72.bmp", true, iifBMP, 40, 30, 24, iicsRGB, 72, inch, 1, 100},
      {"rgba32.bmp", true, iifBMP, 40, 30, 32, iicsRGB, 0, none, 1, 100},
      {"pal8.bmp", true, iifBMP, 40, 30, 4, iicsRGB, 0, none, 1, 100},
      {"mono.bmp", true, iifBMP, 40, 30, 1, iicsRGB, 0, none, 1, 100},
      {"le.tif", true, iifTIFF, 40, 30, 24, iicsRGB, 300, inch, 1, 0},
      {"be.tif", true, iifTIFF, 40, 30, 24, iicsRGB, 0, none, 1, 0},
      {"pages.tif", true, iifTIFF, 40, 30, 24, iicsRGB, 0, none, 3, 0},
      {"gray16.tif", true, iifTIFF, 40, 30, 16, iicsBlackAndWhite, 0, none, 1, 0},
      {"cmyk.tif", true, iifTIFF, 40, 30, 32, iicsCMYK, 0, none, 1, 0},
      {"cut.tif", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, none, 1, 0},
      {"multi.ico", true, iifICO, 256, 256, 8, iicsUnknown, 0, none, 4, 100},
      {"multi.icns", true, iifICNS, 256, 256, 24, iicsUnknown, 0, none, 7, 0},
      {"rgb.psd", true, iifPSD, 40, 30, 8, iicsRGB, 0, none, 1, 0},
      {"gray.psd", true, iifPSD, 40, 30, 8, iicsGrayScale, 0, none, 1, 0},
      {"cmyk.psd", true, iifPSD, 40, 30, 8, iicsCMYK, 0, none, 1, 0},
      {"rgb.tga", true, iifTGA, 40, 30, 24, iicsRGB, 0, none, 1, 100},
      {"rle.tga", true, iifTGA, 40, 30, 24, iicsRGB, 0, none, 1, 100},
      {"gray.tga", true, iifTGA, 40, 30, 8, iicsGrayScale, 0, none, 1, 100},
      {"lossy.webp", true, iifWEBP, 40, 30, 24, iicsYCbCr, 0, none, 1, 100},
      {"lossless.webp", true, iifWEBP, 40, 30, 24, iicsRGB, 0, none, 1, 100},
      {"alpha.webp", true, iifWEBP, 40, 30, 24, iicsUnknown, 0, none, 1, 100},
      {"anim.webp", true, iifWEBP, 40, 30, 24, iicsUnknown, 0, none, 3, 100},
      {"p1.pbm", true, iifPBM, 40, 30, 1, iicsBlackAndWhite, 0, none, 1, 100},
      {"p4.pbm", true, iifPBM, 40, 30, 1, iicsBlackAndWhite, 0, none, 1, 100},
      {"p2.pgm", true, iifPGM, 40, 30, 8, iicsGrayScale, 0, none, 1, 100},
      {"p5.pgm", true, iifPGM, 40, 30, 8, iicsGrayScale, 0, none, 1, 100},
      {"p3.ppm", true, iifPPM, 40, 30, 24, iicsRGB, 0, none, 1, 100},
      {"p6.ppm", true, iifPPM, 40, 30, 24, iicsRGB, 0, none, 1, 100},
      {"netpbm.ppm", true, iifPPM, 40, 30, 24, iicsRGB, 0, none, 1, 100},
      {"p6_16.ppm", true, iifPPM, 40, 30, 48, iicsRGB, 0, none, 1, 100},
      {"cut.ppm", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, none, 0, 0},
      {"rgba.pam", true, iifPAM, 40, 30, 32, iicsRGB, 0, none, 1, 100},
      {"rgb16.pam", true, iifPAM, 40, 30, 48, iicsRGB, 0, none, 1, 100},
      {"gray.pam", true, iifPAM, 40, 30, 8, iicsGrayScale, 0, none, 1, 100},
      {"cut.pam", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, none, 0, 0},
      {"rgb.pfm", true, iifPFM, 40, 30, 96, iicsRGB, 0, none, 1, 100},
      {"gray.pfm", true, iifPFM, 40, 30, 32, iicsGrayScale, 0, none, 1, 100},
      {"mono.xbm", true, iifXBM, 40, 30, 1, iicsBlackAndWhite, 0, none, 1, 100},
      {"col.xpm", true, iifXPM, 40, 30, 24, iicsRGB, 0, none, 1, 100},
      {"anim.mng", true, iifMNG, 40, 30, 0, iicsUnknown, 0, none, 0, 0},
      {"rgb.jng", true, iifJNG, 40, 30, 8, iicsYCbCr, 0, none, 1, 100},
      {"rgb.jp2", true, iifJ2K, 40, 30, 8, iicsRGB, 0, none, 1, 100},
      {"raw.j2k", true, iifJ2K, 40, 30, 8, iicsUnknown, 0, none, 1, 100},
      {"raw.jpc", true, iifJ2K, 40, 30, 8, iicsUnknown, 0, none, 1, 100},
      {"code.jxl", true, iifJXL, 40, 30, 0, iicsUnknown, 0, none, 1, 0},
      {"box.jxl", true, iifJXL, 40, 30, 0, iicsUnknown, 0, none, 1, 0},
      {"img.avif", true, iifAVIF, 64, 48, 24, iicsUnknown, 0, inch, 1, 0},
      {"alpha.avif", true, iifAVIF, 64, 48, 24, iicsUnknown, 0, inch, 1, 0},
      {"cut.avif", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, none, 0, 0},
      {"img.heic", true, iifHEIC, 64, 48, 24, iicsUnknown, 0, inch, 1, 0},
      {"alpha.heic", true, iifHEIC, 64, 48, 24, iicsUnknown, 0, inch, 1, 0},
      {"thumb.heic", true, iifHEIC, 64, 48, 24, iicsUnknown, 0, inch, 1, 0},
      {"two.heic", true, iifHEIC, 64, 48, 24, iicsUnknown, 0, inch, 2, 0},
      {"ten.heic", true, iifHEIC, 64, 48, 30, iicsUnknown, 0, inch, 1, 0},
      {"cut.heic", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, none, 0, 0},
      // No primary item: heif-info refuses the file ("No 'pitm' box").
      {"nopitm.heic", false, iifUnknow, 0, 0, 0, iicsUnknown, 0, none, 0, 0},
      // Fill bytes and TEM before the frame header.
      {"big.jpg", true, iifJPG, 641, 479, 24, iicsUnknown, 1, none, 1, -1},
      {"fill.jpg", true, iifJPG, 641, 479, 24, iicsUnknown, 1, none, 1, -1},
      {"tem.jpg", true, iifJPG, 641, 479, 24, iicsUnknown, 1, none, 1, -1},
      {"os2v2.bmp", true, iifBMP, 4, 3, 24, iicsUnknown, 72, inch, 1, 100},
  };
  size_t checked = 0;
  for (const auto& c : cases) {
    const std::string path = Fixtures() / c.Name;
    ASSERT_TRUE(std::filesystem::exists(path)) << c.Name;
    TImageInfo info;
    EXPECT_EQ(info.GetImageData(path), c.Result) << c.Name;
    EXPECT_EQ(info.Format(), c.Format) << c.Name;
    EXPECT_EQ(info.Width, c.Width) << c.Name;
    EXPECT_EQ(info.Height, c.Height) << c.Name;
    EXPECT_EQ(info.ColorDepth, c.Depth) << c.Name;
    EXPECT_EQ(info.ColorSpace, c.Space) << c.Name;
    EXPECT_EQ(info.ResolutionX, c.ResX) << c.Name;
    EXPECT_EQ(info.ResolutionY, c.ResX) << c.Name;
    EXPECT_EQ(info.ResolutionUnit, c.Unit) << c.Name;
    EXPECT_EQ(info.ImageCount, c.Count) << c.Name;
    const int32_t quality =
        c.Quality >= 0
            ? c.Quality
            : static_cast<int32_t>(std::nearbyint(static_cast<long double>(std::filesystem::file_size(path)) /
                                                  ((c.Width * c.Height) / 1.7L) * 100.0L));
    EXPECT_EQ(info.Quality, quality) << c.Name;
    ++checked;
  }
  EXPECT_EQ(checked, FixtureNames().size()) << "every fixture has a row";
}

// Channels of a PNG colour type, as exiftool reports the type.
int PngChannels(int colourType) {
  switch (colourType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
  }
}

TEST(ToolCheckImages, AgreeWithExiftool) {
  const auto names = FixtureNames();
  const std::string out = RunCommand(
      "/usr/bin/exiftool -n -f -q -q -p "
      "'${FileName}|${ImageWidth}|${ImageHeight}|${BitsPerSample}|${ColorComponents}|${BitDepth}|${ColorType}|"
      "${BitsPerPixel}|${FrameCount}|${PhotometricInterpretation}|${ColorMode}|${PixelsPerMeterX}|${FileType}|"
      "${AnimationFrames}'" +
      QuotedPaths(names) + " 2>/dev/null");
  const auto rows = Table(out);
  int compared = 0;
  for (const auto& name : names) {
    TImageInfo info;
    info.GetImageData(Fixtures() / name);
    auto it = rows.find(name);
    if (it == rows.end() || info.Width <= 0) continue;
    // exiftool reads the OS/2 2.x header's 32-bit sizes as 16-bit fields
    // (a height of 0 here); identify agrees with the reader.
    if (name == "os2v2.bmp") continue;
    const TStrArray& f = it->second;
    const std::string type = f[12];
    // Icons: exiftool names the first image, the reader the widest one.
    // HEIC and AVIF: both name the primary item.
    if (type != "ICO" && ToInt(f[1]) > 0) {
      EXPECT_EQ(info.Width, ToInt(f[1])) << name;
      EXPECT_EQ(info.Height, ToInt(f[2])) << name;
      ++compared;
    }
    if (type == "JPEG") {
      EXPECT_EQ(info.ColorDepth, ToInt(f[3]) * ToInt(f[4])) << name;
    }
    if (type == "PNG" && ToInt(f[5]) > 0) {
      const int ct = ToInt(f[6]);
      EXPECT_EQ(info.ColorDepth, ct == 3 ? ToInt(f[5]) : ToInt(f[5]) * PngChannels(ct)) << name;
      EXPECT_EQ(info.ColorSpace, ct == 3 ? iicsPalette : (ct == 0 || ct == 4) ? iicsGrayScale : iicsRGB) << name;
      // An animated PNG names its frames.
      EXPECT_EQ(info.ImageCount, ToInt(f[13]) > 0 ? ToInt(f[13]) : 1) << name;
    }
    if (type == "BMP" || type == "PSD" || type == "JNG") {
      EXPECT_EQ(info.ColorDepth, ToInt(f[5])) << name;
    }
    if (type == "GIF") {
      EXPECT_EQ(info.ColorDepth, ToInt(f[7])) << name;
      EXPECT_EQ(info.ImageCount, ToInt(f[8]) > 0 ? ToInt(f[8]) : 1) << name;
    }
    if (type == "TIFF") {
      TStrArray bits;
      Explode(bits, " ", f[3]);
      int sum = 0;
      for (const auto& b : bits) sum += ToInt(b);
      EXPECT_EQ(info.ColorDepth, sum) << name;
      const int photometric = ToInt(f[9]);
      const TImageInfoColorSpace expected = photometric <= 1   ? iicsBlackAndWhite
                                            : photometric == 2 ? iicsRGB
                                            : photometric == 5 ? iicsCMYK
                                                               : info.ColorSpace;
      EXPECT_EQ(info.ColorSpace, expected) << name;
    }
    if (type == "PSD") {
      const int mode = ToInt(f[10]);
      EXPECT_EQ(info.ColorSpace, mode == 1   ? iicsGrayScale
                                 : mode == 3 ? iicsRGB
                                 : mode == 4 ? iicsCMYK
                                             : info.ColorSpace)
          << name;
    }
    if (type == "BMP") {
      const int ppm = ToInt(f[11]);
      EXPECT_EQ(info.ResolutionX, ppm > 0 ? static_cast<int>(std::nearbyint(ppm / 39.3701)) : 0) << name;
    }
  }
  EXPECT_GT(compared, 50);
}

TEST(ToolCheckImages, AgreeWithIdentify) {
  const auto names = FixtureNames();
  const std::string out =
      RunCommand("/usr/bin/identify -ping -format '%f|%w|%h|%n|%x|%y|%U|%m\\n'" + QuotedPaths(names) + " 2>/dev/null");
  // identify lists every frame; the widest and the count.
  std::map<std::string, std::pair<TStrArray, int>> widest;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) {
    TStrArray f;
    Explode(f, "|", line);
    if (f.size() < 8) continue;
    auto& w = widest[f[0]];
    if (w.first.empty() || ToInt(f[1]) > ToInt(w.first[1])) w.first = f;
    ++w.second;
  }
  int compared = 0;
  for (const auto& name : names) {
    TImageInfo info;
    if (!info.GetImageData(Fixtures() / name) || info.Width <= 0) continue;
    auto it = widest.find(name);
    if (it == widest.end()) continue;
    const TStrArray& f = it->second.first;
    const std::string magick = f[7];
    EXPECT_EQ(info.Width, ToInt(f[1])) << name;
    EXPECT_EQ(info.Height, ToInt(f[2])) << name;
    ++compared;
    // Frames, pages and icon sizes; identify counts the layers of a PSD and
    // the decoded frames of an MNG, which the headers do not give.
    if (magick == "GIF" || magick == "TIFF" || magick == "ICO" || magick == "WEBP") {
      EXPECT_EQ(info.ImageCount, ToInt(f[3])) << name;
    }
    // Resolution where the file states a unit; identify gives centimetres as
    // stored, the reader converts them to inches for PNG.
    const std::string unit = f[6];
    if ((magick == "JPEG" || magick == "TIFF" || magick == "PNG") && unit != "Undefined") {
      const double x = std::stod(f[4]);
      if (magick == "PNG" && unit == "PixelsPerCentimeter") {
        EXPECT_EQ(info.ResolutionX, static_cast<int>(std::nearbyint(x * 2.54))) << name;
      } else {
        EXPECT_EQ(info.ResolutionX, static_cast<int>(std::nearbyint(x))) << name;
        EXPECT_EQ(info.ResolutionUnit, unit == "PixelsPerInch" ? resolutionUnitInch : resolutionUnitCentimeter) << name;
      }
    }
  }
  EXPECT_GT(compared, 45);
}

TEST(ToolCheckImages, IconFamilyAgreesWithIcns2png) {
  const std::string out = RunCommand("/usr/bin/icns2png -l '" + Fixtures() / "multi.icns" + "' 2>&1");
  int elements = 0, widest = 0;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) {
    const size_t quote = line.find("' ");
    if (line.find("  '") != 0 || quote == std::string::npos) continue;
    ++elements;
    widest = std::max(widest, std::stoi(line.substr(quote + 2)));
  }
  TImageInfo info(Fixtures() / "multi.icns");
  EXPECT_EQ(info.ImageCount, elements);
  EXPECT_EQ(info.Width, widest);
}

// The OS/2 2.x header holds no colour space; exiftool names its version.
TEST(ToolCheckImages, Os2BitmapVersion2HasNoColourSpace) {
  const std::string path = Fixtures() / "os2v2.bmp";
  EXPECT_EQ(RunCommand("/usr/bin/exiftool -s3 -BMPVersion '" + path + "' 2>/dev/null"), "OS/2 V2\n");
  TImageInfo info;
  ASSERT_TRUE(info.GetImageData(path));
  EXPECT_EQ(info.Width, 4);
  EXPECT_EQ(info.Height, 3);
  EXPECT_EQ(info.ColorDepth, 24);
  EXPECT_EQ(info.ColorSpace, iicsUnknown);
}

// libheif's own lister names the images at the primary level, the primary
// one first with its size; identify gives the bits of one channel, which the
// reader adds up over the three colour channels.
TEST(ToolCheckImages, HeifAndAvifAgreeWithHeifInfoAndIdentify) {
  int compared = 0;
  for (const auto& name : FixtureNames()) {
    const std::string ext = name.substr(name.rfind('.') + 1);
    if (ext != "heic" && ext != "avif") continue;
    SCOPED_TRACE(name);
    const std::string path = Fixtures() / name;
    TImageInfo info;
    const bool ok = info.GetImageData(path);
    int rc = 0;
    const std::string listing = RunCommand("/usr/bin/heif-info '" + path + "' 2>/dev/null", &rc);
    int images = 0, primaryWidth = 0, primaryHeight = 0;
    std::istringstream in(listing);
    std::string line;
    while (std::getline(in, line)) {
      if (line.rfind("image: ", 0) != 0) continue;
      ++images;
      if (line.find("primary") != std::string::npos)
        std::sscanf(line.c_str(), "image: %dx%d", &primaryWidth, &primaryHeight);
    }
    // A file that libheif cannot list is no readable image to the reader.
    EXPECT_EQ(ok, rc == 0 && images > 0);
    if (!ok) continue;
    EXPECT_EQ(info.ImageCount, images);
    EXPECT_EQ(info.Width, primaryWidth);
    EXPECT_EQ(info.Height, primaryHeight);
    const std::string depth = RunCommand("/usr/bin/identify -ping -format '%z' '" + path + "' 2>/dev/null");
    if (!depth.empty()) {
      EXPECT_EQ(info.ColorDepth, 3 * ToInt(depth));
    }
    ++compared;
  }
  EXPECT_GE(compared, 6);
}

}  // namespace
