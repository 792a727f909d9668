// The first MPEG audio frame of an MP3 (MP2, MP1) stream, confirmed by the two
// frames after it, and what it tells of sample rate, bit rate, channel mode
// and play time; a "Xing" header gives the frame count of VBR files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fileinfo/audio_values.h"
#include "fileinfo/buffered_stream.h"
#include "fileinfo/id3_tags.h"

struct TMpegHeader {
  uint8_t Version = 0;  // 1 MPEG-1, 2 MPEG-2, 3 MPEG-2.5, 0 reserved
  uint8_t Layer = 0;
  bool Protected = false;
  int32_t BitRate = 0;  // kbit/s
  int32_t SampleRate = 0;
  uint8_t ChannelMode = 0;  // 0 stereo, 1 joint stereo, 2 dual channel, 3 single channel
  uint8_t ModeExtension = 0;
  bool Copyright = false;
  bool Original = false;
  uint8_t Emphasis = 0;
  bool Padding = false;
  uint16_t FrameLength = 0;
  bool Valid = false;
};

struct TXingHeader {
  int32_t Frames = 0;
  int32_t FirstFrameLength = 0;
  bool Valid = false;
  // The "Info" form that encoders write into constant-rate files.
  bool ConstantRate = false;
};

// The Fraunhofer encoder's header in the first frame of a VBR file.
struct TVbriHeader {
  int32_t Frames = 0;
  int32_t Bytes = 0;
  bool Valid = false;
};

extern const char* const CHANNEL_MODES[4];
extern const char* const EXTENSIONS[12];
extern const char* const EMPHASIS_VALUES[4];

class TMpegInfo {
 public:
  // Scans from the stream's position for the first confirmed frame. Play time
  // and bit rate count the bytes up to AudioEnd (where the tags at the end of
  // the file begin; -1: the stream's end).
  TMP3Error LoadFromStream(TStream& stream);
  static TMpegHeader GetValidatedHeader(const uint8_t* bytes, size_t length, size_t offset);
  // A "Xing" header, or its "Info" form, of the frame at offset.
  static TXingHeader GetXingHeader(const TMpegHeader& header, const uint8_t* bytes, size_t length, size_t offset);
  static TVbriHeader GetVbriHeader(const uint8_t* bytes, size_t length, size_t offset);
  static int32_t GetFrameLength(int32_t version, int32_t layer, int32_t bitRate, int32_t sampleRate, bool padding);
  TAudioInfoChannels GetChannelsAsAIC() const { return ChannelMode == 3 ? aicMono : aicStereo; }

  int64_t FileSize = 0;
  int32_t Version = 0;
  int32_t Layer = 0;
  bool Protected = false;
  uint16_t BitRate = 0;
  int32_t SampleRate = 0;
  uint8_t ChannelMode = 0;
  uint8_t ModeExtension = 0;
  bool Copyright = false;
  bool Original = false;
  uint8_t Emphasis = 0;
  int32_t FrameCount = 0;
  double Duration = 0;
  bool VBR = false;
  bool Valid = false;
  int64_t FirstFramePosition = 0;
  int64_t AudioEnd = -1;
};
