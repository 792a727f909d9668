// Header of a Monkey's Audio file ("MAC "): version, compression level,
// sample format, length, play time and bit rate, plus the APE tag at its end.
#pragma once

#include <cstdint>
#include <string>

#include "fileinfo/apev2_tag.h"
#include "fileinfo/audio_values.h"

class TMonkeysAudioTag : public TAPEv2Tag {
 public:
  explicit TMonkeysAudioTag(const std::string& fileName = "");

  // True, with FileName set, when the audio header was read; the APE tag is
  // read too when the file has one.
  bool ReadFromFile(const std::string& fileName);
  bool ReadAudioDataFromStream(TStream& stream);
  TAudioInfoChannels GetChannelsAsAIC() const;

  int32_t Version = 0;
  std::string VersionStr;
  uint32_t PeakLevel = 0;
  double PeakLevelRatio = 0;
  int64_t TotalSamples = 0;
  int32_t CompressionMode = 0;
  std::string CompressionModeStr;
  int32_t FormatFlags = 0;
  bool HasPeakLevel = false;
  bool HasSeekElements = false;
  bool WavNotStored = false;
  int32_t Bits = 0;
  uint32_t SampleRate = 0;
  int64_t Bitrate = 0;

 private:
  uint16_t FChannelCount = 0;
};
