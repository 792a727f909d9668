// The header chunks of a RealMedia file (".RMF": RealAudio and RealVideo):
// duration, bit rate, audio format, video size and frame rate, and the texts
// of the content description.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "fileinfo/audio_values.h"
#include "fileinfo/buffered_stream.h"

class TMediaInfoRM {
 public:
  TMediaInfoRM() { Reset(); }
  TMediaInfoRM(const TMediaInfoRM&) = delete;
  TMediaInfoRM& operator=(const TMediaInfoRM&) = delete;

  void Reset();
  bool GetData(const std::string& fileName);
  // True for a file of at least 18 bytes that begins with ".RMF"; a file that
  // exists but cannot be opened raises EStreamError.
  bool Open(const std::string& fileName);
  bool Read();
  void ReadFilePropertiesHeader(int64_t chunkStart);
  void ReadMediaPropertiesHeader(int64_t chunkStart);
  void ReadContentDescriptionHeader(int64_t chunkStart);
  void ReadAudioData_RealAudio(int64_t position);
  void ReadVideoData_RealVideo(int64_t position);
  std::string ReadStringByteSize();
  std::string ReadStringWordSize();

  int32_t Duration = 0;
  double DurationExact = 0;
  TAudioInfoChannels AudioChannels = aicUnknown;
  int32_t AudioSampleRate = 0;
  // The name of the last RealAudio stream's codec; empty when none is named.
  std::string AudioCodec;
  int32_t Width = 0;
  int32_t Height = 0;
  double VideoFramesPerSecond = 0;
  int32_t Bitrate = 0;
  bool ReadMetaData = true;
  std::string Artist, Title, Album, Year, Genre, Track, DiscNumber, Comment, Copyright;
  int32_t Tag = 0;

 private:
  void ReadRealAudioCodec(int64_t position, uint32_t version);
  bool Fits(int64_t position, int64_t bytes) const;
  std::string ReadText(int64_t length);

  std::unique_ptr<TStream> FStream;
  bool FIsRealMedia = false;
};
