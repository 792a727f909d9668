// Ogg files (RFC 3533): the first codec (Vorbis, Opus, Speex audio or Theora
// video), its technical data and the comment header.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fileinfo/audio_values.h"
#include "fileinfo/buffered_stream.h"

// One page header as held in memory: 27 bytes and up to 255 lacing values.
struct TOGGHeader {
  std::array<uint8_t, 282> Bytes{};
  bool HasCapturePattern() const;
  int64_t GranulePosition() const;
  int32_t Segments() const { return Bytes[26]; }
  int64_t DataSize() const;
};

// Reads the pages of an Ogg stream one after another.
class TOGGStream {
 public:
  // Reads the first page header at the stream's position and goes back there.
  explicit TOGGStream(TStream& stream);
  // Appends the data of the page at the stream's position to target; false at
  // the end of the stream or when the page runs past it.
  bool GetNextPageData(TStream& target);
  // Reads the header of the page at the stream's position, then copies the
  // whole page to target (or skips it without one); false when the page does
  // not begin with "OggS" (the stream stays where it was) or runs past the end.
  bool GetNextPageHeader(TOGGHeader& header, TStream* target);

  TStream& Stream;
  int64_t Count = 0;
  TOGGHeader FirstHeader;
  // When set, GetNextPageData steps over the pages of other logical streams.
  int64_t Serial = -1;
};

class TVorbisTagFrame {
 public:
  // The value as UTF-8, or "COVER ART BINARY <size>" for a picture.
  std::string GetAsText();

  std::string Name;
  int32_t Format = 0;  // 0 not set, 1 text, 2 cover picture
  TMemoryStream Stream;
  int32_t Index = 0;
};

// Codecs the reader recognises.
constexpr int32_t kOggCodecNone = 0;
constexpr int32_t kOggCodecVorbis = 1;
constexpr int32_t kOggCodecOpus = 2;
constexpr int32_t kOggCodecTheora = 3;
constexpr int32_t kOggCodecSpeex = 4;
constexpr int32_t kOggCodecFLAC = 5;

class TMediaInfoOGG {
 public:
  TMediaInfoOGG() { Clear(); }
  TMediaInfoOGG(const TMediaInfoOGG&) = delete;
  TMediaInfoOGG& operator=(const TMediaInfoOGG&) = delete;

  bool ReadFromFile(const std::string& fileName);
  // 0 when a codec was recognised, 65535 otherwise; the position is kept.
  int32_t ReadFromStream(TStream& stream);
  bool GetInfo(TStream& stream);
  void ReadTag(TMemoryStream& packets, TOGGStream& pages);
  void SetTagItem(const std::string& text, const std::string& valueBytes);
  std::string ReadFrameByNameAsText(const std::string& name);
  TVorbisTagFrame* AddFrame(const std::string& name);
  void DeleteAllFrames() { Frames.clear(); }
  void Clear();
  // The granule position of the last page, found in the file's last 40 KB;
  // with a serial number, of the last page of that stream (-1 when the tail
  // holds pages, but none of that stream).
  int64_t GetSamples(TStream& stream, int64_t serial = -1);

  double GetPlayTime() const;
  // The play time of the Theora stream where one stands beside the audio
  // stream that GetPlayTime reports; GetPlayTime otherwise.
  double GetVideoPlayTime() const;
  int32_t GetAudioBitrate() const { return Bitrate; }
  int32_t GetAudioSampleRate() const;
  TAudioInfoChannels GetAudioChannels() const;
  int32_t GetVideoWidth() const;
  int32_t GetVideoHeight() const;
  double GetVideoFrameRate() const;

  std::string Album, Artist, Comment;
  int64_t FileSize = 0;
  std::string Genre, Title, Track, Date, DiscNumber;
  std::string FileName;
  bool Valid = false;
  std::vector<std::unique_ptr<TVorbisTagFrame>> Frames;
  std::array<uint8_t, 19> OpusHeader{};
  int32_t CommentCount = 0;
  std::array<uint8_t, 80> SpeexHeader{};
  std::array<uint8_t, 30> VorbisIdentification{};
  std::array<uint8_t, 42> TheoraIdentification{};
  // The first packet of Ogg FLAC: its mapping head and STREAMINFO.
  std::array<uint8_t, 51> FlacIdentification{};
  int64_t StreamSize = 0;
  int32_t ID3v2Size = 0;
  int64_t AudioDataStart = 0;
  int64_t Samples = 0;
  double PlayTime = 0;
  int32_t Bitrate = 0;
  std::string VendorString;
  TMemoryStream FirstPacket;
  bool ParsePlayTime = true;
  bool DeepBitrateScan = false;
  int32_t Codec = kOggCodecNone;

 private:
  // Play time of one stream from its first packet and its last granule.
  static double LinkPlayTime(int32_t codec, const std::string& firstPacket, int64_t granule);
  // Play time of a chained file: the sum over its links.
  double WalkLinks(TStream& stream);
  int32_t VorbisChannels() const { return VorbisIdentification[11]; }
  int32_t VorbisSampleRate() const;
  int32_t VorbisNominalBitrate() const;

  double FLinkPlayTime = -1;
  double FVideoPlayTime = -1;
  std::vector<uint32_t> FTailSerials;
};
