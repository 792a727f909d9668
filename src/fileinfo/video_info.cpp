#include "fileinfo/video_info.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>

#include "fileinfo/asf_reader.h"
#include "fileinfo/buffered_stream.h"
#include "fileinfo/iso_media_boxes.h"
#include "fileinfo/ogg_reader.h"
#include "fileinfo/reader_errors.h"
#include "fileinfo/realmedia_reader.h"
#include "foundation/paths.h"

namespace video_info_detail {

// Folders are no files; pipes and devices are, and then fail to open at once.
bool IsExistingFile(const std::string& fileName) {
  std::error_code ec;
  return !fileName.empty() && std::filesystem::exists(fileName, ec) && !std::filesystem::is_directory(fileName, ec);
}

}  // namespace video_info_detail

using video_info_detail::IsExistingFile;

namespace {

std::string UpperASCII(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// Positions holding 0 in the pattern are not compared.
bool MaskedEquals(const uint8_t* data, const uint8_t* pattern, size_t count) {
  for (size_t i = 0; i < count; ++i)
    if (pattern[i] != 0 && data[i] != pattern[i]) return false;
  return true;
}

int64_t FileSizeOf(const std::string& fileName) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(fileName, ec);
  return ec ? 0 : static_cast<int64_t>(size);
}

}  // namespace

TVideoInfoFormat GuessVideoInfoFormat(const std::string& FileName) {
  if (!IsExistingFile(FileName)) return vifUnknown;
  std::unique_ptr<TStream> s = OpenStreamForReadingOrRaise(FileName);
  if (s->GetSize() < 20) return vifUnknown;
  uint8_t b[16] = {};
  s->Read(b, 16);
  static const uint8_t kMKV[] = {0x1A, 0x45, 0xDF, 0xA3};
  static const uint8_t kRM[] = {0x2E, 0x52, 0x4D, 0x46};
  static const uint8_t kASF[] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                 0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
  static const uint8_t kFLV[] = {0x46, 0x4C, 0x56};
  static const uint8_t kOGG[] = {0x4F, 0x67, 0x67, 0x53};
  static const uint8_t kAVI[] = {0x52, 0x49, 0x46, 0x46, 0, 0, 0, 0, 0x41, 0x56, 0x49, 0x20};
  switch (b[0]) {
    case 0x1A: return std::memcmp(b, kMKV, sizeof kMKV) == 0 ? vifMKV : vifUnknown;
    case 0x2E: return MaskedEquals(b, kRM, sizeof kRM) ? vifRM : vifUnknown;
    case 0x30: return MaskedEquals(b, kASF, sizeof kASF) ? vifWMV : vifUnknown;
    case 0x46: return std::memcmp(b, kFLV, sizeof kFLV) == 0 ? vifFLV : vifUnknown;
    case 0x4F: return std::memcmp(b, kOGG, sizeof kOGG) == 0 ? vifOGV : vifUnknown;
    case 0x52: return MaskedEquals(b, kAVI, sizeof kAVI) ? vifAVI : vifUnknown;
    case 0x00: {
      struct TBrand {
        char Key;
        uint8_t Pattern[8];
      };
      static const TBrand kBrands[] = {
          {'4', {0x66, 0x74, 0x79, 0x70, 0x4D, 0x34, 0x56, 0x00}},
          {'S', {0x66, 0x74, 0x79, 0x70, 0x4D, 0x53, 0x4E, 0x56}},
          {'g', {0x66, 0x74, 0x79, 0x70, 0x33, 0x67, 0x00, 0x00}},
          {'p', {0x66, 0x74, 0x79, 0x70, 0x6D, 0x70, 0x34, 0x00}},
          {'s', {0x66, 0x74, 0x79, 0x70, 0x69, 0x73, 0x6F, 0x00}},
          {'t', {0x66, 0x74, 0x79, 0x70, 0x71, 0x74, 0x20, 0x20}},
      };
      if (b[4] == 'f')
        for (const TBrand& brand : kBrands)
          if (b[9] == static_cast<uint8_t>(brand.Key))
            return MaskedEquals(b + 4, brand.Pattern, 8) ? vifMP4 : vifUnknown;
      return b[2] == 0x01 ? vifMPG : vifUnknown;
    }
    default: return vifUnknown;
  }
}

TVideoInfo::TVideoInfo(const std::string& FileName) {
  Tag = 0;
  ReadFramesPerSecondMKV = false;
  Reset();
  if (!FileName.empty()) GetVideoData(FileName);
}

void TVideoInfo::Reset() {
  Format = vifUnknown;
  Width = Height = Duration = 0;
  DurationExact = FramesPerSecond = 0;
  AspectRatioFactor = 0;
  AspectRatioStr.clear();
  Bitrate = 0;
  Error.clear();
}

bool TVideoInfo::GetVideoData(const std::string& FileName) {
  bool result = false;
  Reset();
  const std::string ext = UpperASCII(ExtractFileExtWithoutExtensionSeparator(FileName));
  if (!IsExistingFile(FileName)) return false;
  try {
    using TReader = bool (TVideoInfo::*)(const std::string&);
    struct TExtReader {
      const char* Ext;
      TReader Reader;
    };
    static const TExtReader kByExtension[] = {
        {"AVI", &TVideoInfo::GetVideoDataFromAVI},  {"FLV", &TVideoInfo::GetVideoDataFromFLV},
        {"MP4", &TVideoInfo::GetVideoDataFromMP4},  {"M4V", &TVideoInfo::GetVideoDataFromMP4},
        {"MP4V", &TVideoInfo::GetVideoDataFromMP4}, {"F4V", &TVideoInfo::GetVideoDataFromMP4},
        {"MOV", &TVideoInfo::GetVideoDataFromMP4},  {"3GP", &TVideoInfo::GetVideoDataFromMP4},
        {"3G2", &TVideoInfo::GetVideoDataFromMP4},  {"3GPP", &TVideoInfo::GetVideoDataFromMP4},
        {"DIVX", &TVideoInfo::GetVideoDataFromMP4}, {"MKV", &TVideoInfo::GetVideoDataFromMKV},
        {"WEBM", &TVideoInfo::GetVideoDataFromMKV}, {"WMV", &TVideoInfo::GetVideoDataFromWMV},
        {"OGV", &TVideoInfo::GetVideoDataFromOGV},  {"RM", &TVideoInfo::GetVideoDataFromRM},
        {"RV", &TVideoInfo::GetVideoDataFromRM},    {"RMVB", &TVideoInfo::GetVideoDataFromRM},
        {"MPG", &TVideoInfo::GetVideoDataFromMPG},  {"MPEG", &TVideoInfo::GetVideoDataFromMPG},
    };
    for (const TExtReader& entry : kByExtension)
      if (ext == entry.Ext) {
        result = (this->*entry.Reader)(FileName);
        break;
      }
    if (!result) {
      static const TReader kByFormat[] = {nullptr,
                                          &TVideoInfo::GetVideoDataFromAVI,
                                          &TVideoInfo::GetVideoDataFromMP4,
                                          &TVideoInfo::GetVideoDataFromFLV,
                                          &TVideoInfo::GetVideoDataFromMKV,
                                          &TVideoInfo::GetVideoDataFromWMV,
                                          &TVideoInfo::GetVideoDataFromOGV,
                                          &TVideoInfo::GetVideoDataFromRM,
                                          &TVideoInfo::GetVideoDataFromMPG};
      const TVideoInfoFormat guess = GuessVideoInfoFormat(FileName);
      if (guess != vifUnknown) result = (this->*kByFormat[guess])(FileName);
    }
    if (Width > 0 && Height > 0) {
      AspectRatioFactor = static_cast<double>(std::max(Width, Height)) / std::min(Width, Height);
      AspectRatioStr = RatioString(Width, Height, ratioTypeInteger, false, ":");
    }
    if (DurationExact > 0)
      Bitrate = RoundToInt32(static_cast<double>(FileSizeOf(FileName)) / 1024.0 / DurationExact * 8.0);
  } catch (const std::exception& e) {
    Error = ReaderErrorText(e);
  }
  return result;
}

bool TVideoInfo::GetVideoDataFromMP4(const std::string& FileName) {
  if (!IsExistingFile(FileName)) return false;
  auto reader = std::make_unique<TMediaInfoMP4>();
  reader->ReadMetaData = false;
  if (!reader->GetData(FileName)) return false;
  DurationExact = reader->DurationExact;
  Duration = RoundToInt32(DurationExact);
  Width = reader->Width;
  Height = reader->Height;
  FramesPerSecond = reader->VideoFramesPerSecond;
  Format = vifMP4;
  return true;
}

bool TVideoInfo::GetVideoDataFromWMV(const std::string& FileName) {
  if (!IsExistingFile(FileName)) return false;
  auto reader = std::make_unique<TMediaInfoASF>();
  if (!reader->ReadFromFile(FileName)) return false;
  DurationExact = reader->Duration;
  Duration = RoundToInt32(DurationExact);
  Width = reader->Width;
  Height = reader->Height;
  Format = vifWMV;
  return true;
}

bool TVideoInfo::GetVideoDataFromOGV(const std::string& FileName) {
  if (!IsExistingFile(FileName)) return false;
  auto reader = std::make_unique<TMediaInfoOGG>();
  if (!reader->ReadFromFile(FileName)) return false;
  DurationExact = reader->GetVideoPlayTime();
  Duration = RoundToInt32(DurationExact);
  Width = reader->GetVideoWidth();
  Height = reader->GetVideoHeight();
  FramesPerSecond = reader->GetVideoFrameRate();
  Format = vifOGV;
  return true;
}

bool TVideoInfo::GetVideoDataFromRM(const std::string& FileName) {
  if (!IsExistingFile(FileName)) return false;
  auto reader = std::make_unique<TMediaInfoRM>();
  reader->ReadMetaData = false;
  if (!reader->GetData(FileName)) return false;
  DurationExact = reader->DurationExact;
  Duration = RoundToInt32(DurationExact);
  Width = reader->Width;
  Height = reader->Height;
  FramesPerSecond = reader->VideoFramesPerSecond;
  Format = vifRM;
  return true;
}
