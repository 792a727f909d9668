// Descriptive data of an image file read from its headers, never from its
// pixels: size, depth, colour space, resolution, image count and the format.
// The reader is chosen by the extension, with the leading bytes as fallback.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/types.h"

enum TImageInfoFormat : int32_t {
  iifUnknow,
  iifJPG,
  iifPNG,
  iifBMP,
  iifGIF,
  iifTIFF,
  iifICO,
  iifCUR,
  iifPSD,
  iifTGA,
  iifWEBP,
  iifPBM,
  iifPGM,
  iifPPM,
  iifPAM,
  iifPFM,
  iifICNS,
  iifMNG,
  iifJNG,
  iifJ2K,
  iifJXL,
  iifXPM,
  iifXBM,
  iifAVIF,
  iifHEIC,
  iifHEIF,
  iifCR3,
};

enum TImageInfoColorSpace : int32_t {
  iicsUnknown,
  iicsRGB,
  iicsCMYK,
  iicsHSV,
  iicsLab,
  iicsYCbCr,
  iicsYCC,
  iicsGrayScale,
  iicsBlackAndWhite,
  iicsPalette,
  iicsTransparencyMask,
  iicsBitmap,
  iicsIndexed,
  iicsMultiChannel,
  iicsDuotone,
  iicsCalibratedRGB,
  iicsWindowsColorSpace,
  iicsProfileLinked,
  iicsProfileEmbedded,
};

class TImageInfo {
 public:
  // Reads fileName at once unless it is empty; the result is dropped.
  explicit TImageInfo(const std::string& fileName = "");

  void Reset();
  // True when a format reader succeeded. Errors of the file or the stream are
  // reported in Error, never thrown.
  bool GetImageData(const std::string& fileName);

  TImageInfoFormat Format() const { return FFormat; }
  int32_t Tag = 0;

  std::string FileName;
  TResolutionUnit ResolutionUnit = resolutionUnitUnknown;
  int32_t Width = 0;
  int32_t Height = 0;
  double AspectRatioFactor = 0.0;
  std::string AspectRatioStr;
  int32_t ColorDepth = 0;
  TImageInfoColorSpace ColorSpace = iicsUnknown;
  int32_t ResolutionX = 0;
  int32_t ResolutionY = 0;
  int32_t ImageCount = 0;
  int32_t Quality = 0;
  std::string Error;

  // The format readers: file name in, success out. They write straight into
  // the fields and do not reset them first.
  bool GetImageDataFromJPG(const std::string& fileName);
  bool GetImageDataFromPNG(const std::string& fileName);
  bool GetImageDataFromMNG(const std::string& fileName);
  bool GetImageDataFromJNG(const std::string& fileName);
  bool GetImageDataFromBMP(const std::string& fileName);
  bool GetImageDataFromGIF(const std::string& fileName);
  bool GetImageDataFromTIFF(const std::string& fileName);
  bool GetImageDataFromICO(const std::string& fileName);
  bool GetImageDataFromPSD(const std::string& fileName);
  bool GetImageDataFromTGA(const std::string& fileName);
  bool GetImageDataFromWEBP(const std::string& fileName);
  bool GetImageDataFromPNM(const std::string& fileName);
  bool GetImageDataFromXBM(const std::string& fileName);
  bool GetImageDataFromXPM(const std::string& fileName);
  bool GetImageDataFromICNS(const std::string& fileName);
  bool GetImageDataFromJ2K(const std::string& fileName);
  bool GetImageDataFromJXL(const std::string& fileName);
  bool GetImageDataFromISOBMFF(const std::string& fileName);

 private:
  TImageInfoFormat FFormat = iifUnknow;
};

// The format by the file's first 15 bytes; iifUnknow for shorter files.
// Raises EFOpenError when the file cannot be opened.
TImageInfoFormat GuessImageInfoFormat(const std::string& fileName);
std::string ColorSpaceToString(TImageInfoColorSpace colorSpace);

// Width and height of an image file, as the DOCX writer asks for them; both 0
// and false when the file cannot be read. The program registers it with the
// documents library's SetImagePixelSizeReader.
bool ReadImagePixelSize(const std::string& fileName, int32_t& width, int32_t& height);
