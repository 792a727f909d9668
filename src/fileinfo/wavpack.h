// Audio properties of a WavPack file: the version 3 layout (a RIFF/WAVE file
// whose data chunk starts with a "wvpk" header) and the block layout of
// version 4, plus the APE tag at its end.
#pragma once

#include <cstdint>
#include <string>

#include "fileinfo/apev2_tag.h"
#include "fileinfo/audio_values.h"

class TWavePackTag : public TAPEv2Tag {
 public:
  explicit TWavePackTag(const std::string& fileName = "");

  // True, with FileName set, when an audio header was read; the APE tag is
  // read too when the file has one.
  bool ReadFromFile(const std::string& fileName);
  bool ReadAudioDataFromStream(TStream& stream);
  bool ReadAudioDataFromStream_WavePackHeaderVersion3(TStream& stream);
  bool ReadAudioDataFromStream_WavePackHeaderVersion4(TStream& stream);
  // Sum of the samples of the blocks from the start of the stream.
  int64_t GetSampleCountOfAllBlocks(TStream& stream);
  TAudioInfoChannels GetChannelsAsAIC() const;

  int32_t FormatTag = 0;
  std::string ChannelMode;
  double Ratio = 0;
  int32_t Version = 0;
  std::string Encoder;
  int64_t Samples = 0;
  int64_t BSamples = 0;
  int32_t Bits = 0;
  int32_t Bitrate = 0;
  int32_t SampleRate = 0;

 private:
  // Sample rate and channel count from the sub-blocks of the first block.
  void ReadFirstBlockMetadata(TStream& stream, int64_t blockSize);
  int32_t FChannelCount = 0;
  bool FValid = false;
};
