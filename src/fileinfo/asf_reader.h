// The header object of an ASF file (WMA audio, WMV video): duration, audio
// parameters, the video frame size and the common text tags.
#pragma once

#include <cstdint>
#include <string>

#include "fileinfo/audio_values.h"

class TMediaInfoASF {
 public:
  TMediaInfoASF() { ResetData(); }
  void ResetData();
  // True when the header was read and its streams are plausible: an audio
  // stream of sane parameters, or a video stream.
  bool ReadFromFile(const std::string& fileName);
  TAudioInfoChannels GetAudioChannelsAsAIC() const;

  bool Valid = false;
  int64_t FileSize = 0;
  double Duration = 0;
  uint8_t Channels = 0;
  int32_t SampleRate = 0;
  int32_t Bitrate = 0;  // kbit/s of the audio stream
  int32_t Height = 0;
  int32_t Width = 0;
  std::string Title, Artist, Album;
  int32_t Track = 0;
  std::string Year, Genre, Comment, DiscNumber;
  // The audio stream's format tag, the numbers of WAVE files (0x0161 WMA 2).
  uint16_t FormatTag = 0;
};
