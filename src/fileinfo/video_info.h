// Pixel size, duration, frame rate, aspect and an estimated bit rate of a
// video file. The container reader is chosen by the file's extension, with the
// file's leading bytes as the fallback.
#pragma once

#include <cstdint>
#include <string>

#include "fileinfo/media_rounding.h"

enum TVideoInfoFormat : int32_t {
  vifUnknown = 0,
  vifAVI,
  vifMP4,
  vifFLV,
  vifMKV,
  vifWMV,
  vifOGV,
  vifRM,
  vifMPG,
};

// The container told by the first 16 bytes; vifUnknown for a missing file or
// one under 20 bytes. A file that exists but cannot be opened raises.
TVideoInfoFormat GuessVideoInfoFormat(const std::string& FileName);

class TVideoInfo {
 public:
  explicit TVideoInfo(const std::string& FileName = "");

  void Reset();
  // True when a container reader accepted the file. An exception of a reader
  // is reported in Error, never raised.
  bool GetVideoData(const std::string& FileName);

  bool GetVideoDataFromAVI(const std::string& FileName);
  bool GetVideoDataFromFLV(const std::string& FileName);
  bool GetVideoDataFromMPG(const std::string& FileName);
  bool GetVideoDataFromMKV(const std::string& FileName);
  bool GetVideoDataFromMP4(const std::string& FileName);
  bool GetVideoDataFromWMV(const std::string& FileName);
  bool GetVideoDataFromOGV(const std::string& FileName);
  bool GetVideoDataFromRM(const std::string& FileName);

  TVideoInfoFormat Format = vifUnknown;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Duration = 0;
  double DurationExact = 0;
  double FramesPerSecond = 0;
  int32_t Tag = 0;
  double AspectRatioFactor = 0;
  std::string AspectRatioStr;
  // Counts the blocks of every cluster to give a frame rate; reads the whole file.
  bool ReadFramesPerSecondMKV = false;
  int32_t Bitrate = 0;  // units of 1024 bits per second
  std::string Error;
};

// Helpers shared by the container readers of this class.
namespace video_info_detail {
bool IsExistingFile(const std::string& fileName);
}  // namespace video_info_detail
