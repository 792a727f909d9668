// Reader of the ISO base media file format and its relatives (MP4, M4A,
// QuickTime, 3GP, HEIF/HEIC, AVIF, Canon CR3): accepts a file by the major brand
// of its leading "ftyp" box, walks the few boxes that carry play time, picture
// size, frame rate, audio format, bit rate, image count, colour depth,
// resolution and the iTunes-style texts, and seeks over everything else.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "fileinfo/audio_values.h"
#include "fileinfo/buffered_stream.h"

class TMediaInfoMP4 {
 public:
  TMediaInfoMP4();
  ~TMediaInfoMP4();
  TMediaInfoMP4(const TMediaInfoMP4&) = delete;
  TMediaInfoMP4& operator=(const TMediaInfoMP4&) = delete;

  // Reset, Open and Read; false when the file is missing, not a regular file,
  // too short, not led by "ftyp" or of an unknown brand. A regular file that
  // exists but cannot be opened raises EStreamError.
  bool GetData(const std::string& FileName);
  // Closes the file and clears every result but ReadMetaData and Tag.
  void Reset();
  bool Open(const std::string& FileName);
  bool Read();

  // iTunes genre code 1..80 → the ID3v1 genre name of code − 1; "" otherwise.
  static std::string GetID3Genre(int32_t code);

  int32_t MediaKind = 3;  // 0 video, 1 audio, 2 image, 3 unknown
  std::string MajorBrand;
  int32_t Duration = 0;
  double DurationExact = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  bool SwapDimensions = false;
  uint32_t SampleCount = 0;
  double VideoFramesPerSecond = 0;
  TAudioInfoChannels AudioChannels = aicUnknown;
  int32_t AudioSampleRate = 0;
  int32_t ImageCount = 0;
  int32_t Bitrate = 0;  // kbit/s
  int32_t ColorDepth = 0;
  int32_t ResolutionX = 0;
  int32_t ResolutionY = 0;
  uint64_t MediaDataSize = 0;
  int32_t CurrentTrackKind = 3;  // 0 video, 1 audio, 3 other
  bool ReadMetaData = true;
  std::string Artist;
  std::string Title;
  std::string Album;
  std::string Track;
  std::string Year;
  std::string Genre;
  std::string DiscNumber;
  std::string Comment;
  int32_t Tag = 0;

 private:
  // Reads up to count bytes at the current position into a zero-filled
  // buffer and moves on by what was read; returns how many bytes arrived.
  size_t ReadAt(uint8_t* buffer, size_t count);
  uint64_t Remaining() const { return FPosition < FFileSize ? FFileSize - FPosition : 0; }
  void WalkBoxes(uint64_t start, uint64_t end, const std::string& parentPath, int depth);
  void ReadMovieHeader();
  void ReadTrackHeader();
  void ReadSampleDescriptions();
  void ReadSampleSizeBox();
  void ReadCompactSampleSizeBox();
  void ReadImageSpatialExtents();
  void ReadPixelInformation();
  void ReadMetaDataBox();

  std::unique_ptr<TStream> FStream;
  bool FOpened = false;
  uint64_t FFileSize = 0;
  uint64_t FPosition = 0;
};
