#include "fileinfo/image_info.h"

#include <sys/stat.h>

#include <cstdlib>
#include <exception>
#include <typeinfo>

#include "fileinfo/image_headers_common.h"
#include "fileinfo/reader_errors.h"
#include "foundation/paths.h"

namespace {

std::string AsciiUpper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// Folders do not count as files; pipes and devices do, so that they are
// reported as files that cannot be opened rather than silently skipped.
bool FileExists(const std::string& fileName) {
  struct stat st {};
  return !fileName.empty() && ::stat(fileName.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

using TReader = bool (TImageInfo::*)(const std::string&);

TReader ReaderByExtension(const std::string& ext) {
  struct TRow {
    const char* Ext;
    TReader Reader;
  };
  static const TRow kRows[] = {
      {"JPG", &TImageInfo::GetImageDataFromJPG},      {"JPEG", &TImageInfo::GetImageDataFromJPG},
      {"JPE", &TImageInfo::GetImageDataFromJPG},      {"JFIF", &TImageInfo::GetImageDataFromJPG},
      {"JIF", &TImageInfo::GetImageDataFromJPG},      {"PNG", &TImageInfo::GetImageDataFromPNG},
      {"MNG", &TImageInfo::GetImageDataFromMNG},      {"JNG", &TImageInfo::GetImageDataFromJNG},
      {"GIF", &TImageInfo::GetImageDataFromGIF},      {"BMP", &TImageInfo::GetImageDataFromBMP},
      {"DIP", &TImageInfo::GetImageDataFromBMP},      {"TIF", &TImageInfo::GetImageDataFromTIFF},
      {"TIFF", &TImageInfo::GetImageDataFromTIFF},    {"CR2", &TImageInfo::GetImageDataFromTIFF},
      {"DNG", &TImageInfo::GetImageDataFromTIFF},     {"ICO", &TImageInfo::GetImageDataFromICO},
      {"CUR", &TImageInfo::GetImageDataFromICO},      {"ICNS", &TImageInfo::GetImageDataFromICNS},
      {"PSD", &TImageInfo::GetImageDataFromPSD},      {"PDD", &TImageInfo::GetImageDataFromPSD},
      {"WEBP", &TImageInfo::GetImageDataFromWEBP},    {"HEIF", &TImageInfo::GetImageDataFromISOBMFF},
      {"HEIC", &TImageInfo::GetImageDataFromISOBMFF}, {"AVIF", &TImageInfo::GetImageDataFromISOBMFF},
      {"CR3", &TImageInfo::GetImageDataFromISOBMFF},  {"TGA", &TImageInfo::GetImageDataFromTGA},
      {"PBM", &TImageInfo::GetImageDataFromPNM},      {"PGM", &TImageInfo::GetImageDataFromPNM},
      {"PPM", &TImageInfo::GetImageDataFromPNM},      {"PAM", &TImageInfo::GetImageDataFromPNM},
      {"PFM", &TImageInfo::GetImageDataFromPNM},      {"PNM", &TImageInfo::GetImageDataFromPNM},
      {"JP2", &TImageInfo::GetImageDataFromJ2K},      {"JPX", &TImageInfo::GetImageDataFromJ2K},
      {"J2K", &TImageInfo::GetImageDataFromJ2K},      {"J2C", &TImageInfo::GetImageDataFromJ2K},
      {"JPC", &TImageInfo::GetImageDataFromJ2K},      {"JPM", &TImageInfo::GetImageDataFromJ2K},
      {"JXL", &TImageInfo::GetImageDataFromJXL},      {"XPM", &TImageInfo::GetImageDataFromXPM},
      {"XBM", &TImageInfo::GetImageDataFromXBM},
  };
  for (const auto& row : kRows)
    if (ext == row.Ext) return row.Reader;
  return nullptr;
}

TReader ReaderByFormat(TImageInfoFormat format) {
  switch (format) {
    case iifJPG: return &TImageInfo::GetImageDataFromJPG;
    case iifPNG: return &TImageInfo::GetImageDataFromPNG;
    case iifBMP: return &TImageInfo::GetImageDataFromBMP;
    case iifGIF: return &TImageInfo::GetImageDataFromGIF;
    case iifTIFF: return &TImageInfo::GetImageDataFromTIFF;
    case iifICO:
    case iifCUR: return &TImageInfo::GetImageDataFromICO;
    case iifPSD: return &TImageInfo::GetImageDataFromPSD;
    case iifTGA: return &TImageInfo::GetImageDataFromTGA;
    case iifWEBP: return &TImageInfo::GetImageDataFromWEBP;
    case iifPBM:
    case iifPGM:
    case iifPPM:
    case iifPAM:
    case iifPFM: return &TImageInfo::GetImageDataFromPNM;
    case iifICNS: return &TImageInfo::GetImageDataFromICNS;
    case iifMNG: return &TImageInfo::GetImageDataFromMNG;
    case iifJNG: return &TImageInfo::GetImageDataFromJNG;
    case iifJ2K: return &TImageInfo::GetImageDataFromJ2K;
    case iifJXL: return &TImageInfo::GetImageDataFromJXL;
    case iifXPM: return &TImageInfo::GetImageDataFromXPM;
    case iifXBM: return &TImageInfo::GetImageDataFromXBM;
    case iifAVIF:
    case iifHEIC:
    case iifHEIF:
    case iifCR3: return &TImageInfo::GetImageDataFromISOBMFF;
    case iifUnknow: break;
  }
  return nullptr;
}

// The leading-byte rules. Each comparison runs byte by byte; the first
// difference ends the whole guess with what was found so far.
class TGuess {
 public:
  explicit TGuess(const uint8_t* head) : FHead(head) {}
  // Compares bytes [from, from + n) with the pattern; on a difference the
  // guess is over.
  bool Match(int from, const char* pattern, int n) {
    for (int i = 0; i < n; ++i)
      if (FHead[from + i] != static_cast<uint8_t>(pattern[i])) {
        Done = true;
        return false;
      }
    return true;
  }
  bool Done = false;

 private:
  const uint8_t* FHead;
};

TImageInfoFormat GuessFromHead(const uint8_t* h) {
  TGuess g(h);
  TImageInfoFormat found = iifUnknow;
  switch (h[0]) {
    case 0x00:
      if (h[2] == 0x01) {
        if (!g.Match(0, "\x00\x00\x01\x00", 4)) return found;
        found = iifICO;
      } else if (h[2] == 0x02) {
        if (!g.Match(0, "\x00\x00\x02\x00", 4)) return found;
        found = iifCUR;
      }
      if (h[4] == 'J') {
        if (!g.Match(0, "\x00\x00\x00\x0C\x4A\x58\x4C\x20\x0D\x0A\x87\x0A", 12)) return found;
        found = iifJXL;
      } else if (h[4] == 'j') {
        if (!g.Match(0, "\x00\x00\x00\x0C\x6A\x50\x20\x20\x0D\x0A\x87\x0A", 12)) return found;
        found = iifJ2K;
      }
      switch (h[8]) {
        case 'a':
          if (!g.Match(4, "ftypavif", 8)) return found;
          return iifAVIF;
        case 'c':
          if (!g.Match(4, "ftypcrx ", 8)) return found;
          return iifCR3;
        // HEVC-coded images are HEIC; "mif1" names the general image format.
        case 'h':
          if (!g.Match(4, "ftypheic", 8)) return found;
          return iifHEIC;
        case 'm':
          if (!g.Match(4, "ftypmif1", 8)) return found;
          return iifHEIF;
        default: return found;
      }
    case '!': return g.Match(0, "! XPM2", 6) ? iifXPM : iifUnknow;
    case '/': return g.Match(0, "/* XPM */", 9) ? iifXPM : iifUnknow;
    case '8': return g.Match(0, "8BPS", 4) ? iifPSD : iifUnknow;
    case 'B': return g.Match(0, "BM", 2) ? iifBMP : iifUnknow;
    case 'G':
      if (!g.Match(0, "GIF8", 4)) return iifUnknow;
      if (h[4] != '7' && h[4] != '9') return iifUnknow;
      return h[5] == 'a' ? iifGIF : iifUnknow;
    case 'I': return g.Match(0, "\x49\x49\x2A\x00", 4) ? iifTIFF : iifUnknow;
    case 'M': return g.Match(0, "\x4D\x4D\x00\x2A", 4) ? iifTIFF : iifUnknow;
    case 'P':
      switch (h[1]) {
        case '1':
        case '4': return iifPBM;
        case '2':
        case '5': return iifPGM;
        case '3':
        case '6': return iifPPM;
        case '7': return iifPAM;
        case 'F':
        case 'f': return iifPFM;
        default: return iifUnknow;
      }
    case 'R':
      if (!g.Match(0, "RIFF", 4)) return iifUnknow;
      return g.Match(8, "WEBP", 4) ? iifWEBP : iifUnknow;
    case 'i': return g.Match(0, "icns", 4) ? iifICNS : iifUnknow;
    case 0x89: return g.Match(0, "\x89\x50\x4E\x47\x0D\x0A\x1A\x0A", 8) ? iifPNG : iifUnknow;
    case 0x8A: return g.Match(0, "\x8A\x4D\x4E\x47\x0D\x0A\x1A\x0A", 8) ? iifMNG : iifUnknow;
    case 0x8B: return g.Match(0, "\x8B\x4A\x4E\x47\x0D\x0A\x1A\x0A", 8) ? iifJNG : iifUnknow;
    case 0xFF:
      if (h[1] == 0x0A) return iifJXL;
      if (h[1] == 0xD8) return iifJPG;
      // A raw JPEG 2000 codestream: its start marker, then its size segment.
      if (h[1] == 0x4F) return g.Match(0, "\xFF\x4F\xFF\x51", 4) ? iifJ2K : iifUnknow;
      return iifUnknow;
    default: return iifUnknow;
  }
}

}  // namespace

TImageInfoFormat GuessImageInfoFormat(const std::string& fileName) {
  image_headers::TReaderFile file(fileName, false);
  if (file.Size() < 15) return iifUnknow;
  uint8_t head[15];
  file.Read(head, 15);
  return GuessFromHead(head);
}

std::string ColorSpaceToString(TImageInfoColorSpace colorSpace) {
  static const char* const kTexts[] = {"Unknown",
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
  int32_t v = static_cast<int32_t>(colorSpace);
  if (v < 1 || v > 18) return "Unknown";
  return kTexts[v];
}

TImageInfo::TImageInfo(const std::string& fileName) {
  Tag = 0;
  Reset();
  if (!fileName.empty()) GetImageData(fileName);
}

void TImageInfo::Reset() {
  FileName.clear();
  ResolutionUnit = resolutionUnitUnknown;
  Width = Height = 0;
  AspectRatioFactor = 0.0;
  AspectRatioStr.clear();
  ColorDepth = 0;
  ColorSpace = iicsUnknown;
  FFormat = iifUnknow;
  ResolutionX = ResolutionY = 0;
  ImageCount = 0;
  Quality = 0;
  Error.clear();
}

bool TImageInfo::GetImageData(const std::string& fileName) {
  bool result = false;
  Reset();
  std::string ext = AsciiUpper(ExtractFileExtWithoutExtensionSeparator(fileName));
  if (!FileExists(fileName)) return false;
  FileName = fileName;
  try {
    if (TReader reader = ReaderByExtension(ext)) result = (this->*reader)(fileName);
    if (!result) {
      if (TReader reader = ReaderByFormat(GuessImageInfoFormat(fileName))) result = (this->*reader)(fileName);
    }
    if (Width > 0 && Height > 0) {
      AspectRatioFactor = Width > Height ? static_cast<double>(Width) / Height : static_cast<double>(Height) / Width;
      AspectRatioStr = RatioString(Width, Height, ratioTypeInteger, true, ":");
    }
  } catch (const std::exception& e) {
    Error = ReaderErrorText(e);
    result = false;
  }
  return result;
}

bool ReadImagePixelSize(const std::string& fileName, int32_t& width, int32_t& height) {
  TImageInfo info(fileName);
  const bool known = info.Width > 0 && info.Height > 0;
  width = known ? info.Width : 0;
  height = known ? info.Height : 0;
  return known;
}
