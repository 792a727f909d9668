// Reader of the ISO base media file format and its relatives (MP4, M4A,
// QuickTime, 3GP, HEIF/HEIC, AVIF, Canon CR3): accepts a file by the major brand
// of its leading "ftyp" box, walks the few boxes that carry play time, picture
// size, frame rate, audio format, bit rate, image count, colour depth,
// resolution and the iTunes-style texts, and seeks over everything else.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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
  // The first audio track's codec; empty when there is none.
  std::string AudioCodec;
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
  // The levels of the box tree that the walk acts on.
  enum class TBoxLevel { File, Moov, Trak, Mdia, Minf, Stbl, Udta, Meta, Iprp, Ipco, Mvex, Moof, Traf };
  // What the decoder configuration of an audio sample entry tells; 0 where
  // it tells nothing.
  struct TAudioConfig {
    int32_t Channels = 0;
    int32_t SampleRate = 0;
    uint8_t ObjectType = 0;
  };
  // A track as the fragments need it: its timescale, the default duration of
  // its samples and the end of its last fragment (in its timescale).
  struct TTrack {
    uint32_t Id = 0;
    uint32_t Timescale = 0;
    uint64_t MediaDuration = 0;  // from "mdhd", in the track's timescale
    uint32_t DefaultSampleDuration = 0;
    uint64_t FragmentEnd = 0;
  };
  // The track fragment being read.
  struct TFragment {
    bool Known = false;
    uint32_t TrackId = 0;
    uint32_t DefaultDuration = 0;
    bool HasDecodeTime = false;
    uint64_t DecodeTime = 0;
    uint64_t Duration = 0;
  };

  // Reads up to count bytes at the current position into a zero-filled
  // buffer and moves on by what was read; returns how many bytes arrived.
  size_t ReadAt(uint8_t* buffer, size_t count);
  uint64_t Remaining() const { return FPosition < FFileSize ? FFileSize - FPosition : 0; }
  void WalkBoxes(uint64_t start, uint64_t end, TBoxLevel level, int depth);
  void ReadMovieHeader();
  void ReadTrackHeader();
  void ReadMediaHeader();
  void ReadSampleDescriptions(uint64_t boxEnd);
  TAudioConfig ReadAudioConfig(uint64_t start, uint64_t end, int depth);
  static void ReadElementaryStreamDescriptor(const std::vector<uint8_t>& content, TAudioConfig& config);
  void ReadMovieExtendsHeader();
  void ReadTrackExtends();
  void ReadTrackFragmentHeader();
  void ReadTrackFragmentDecodeTime();
  void ReadTrackRun(uint64_t boxEnd);
  void EndTrackFragment();
  TTrack& CurrentTrack();
  TTrack& TrackById(uint32_t id);
  void ReadSampleSizeBox();
  void ReadCompactSampleSizeBox();
  void ReadImageSpatialExtents();
  void ReadPixelInformation();
  void ReadMetaDataBox();

  std::unique_ptr<TStream> FStream;
  bool FOpened = false;
  uint64_t FFileSize = 0;
  uint64_t FPosition = 0;
  uint32_t FMovieTimescale = 0;
  uint64_t FFragmentDuration = 0;
  uint32_t FCurrentTrackId = 0;
  // The play time of the video track that gave SampleCount; 0 when unknown.
  double FVideoSeconds = 0;
  // An audio sample entry was read: later audio tracks are not reported.
  bool FAudioTaken = false;
  std::vector<TTrack> FTracks;
  TFragment FFragment;
};
