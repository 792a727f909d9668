// Stream information and Vorbis comments of FLAC files, native ("fLaC",
// possibly behind an ID3v2 tag) and carried in Ogg pages.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fileinfo/audio_values.h"
#include "fileinfo/buffered_stream.h"
#include "fileinfo/ogg_reader.h"

class TFlacTag;

class TVorbisComment {
 public:
  explicit TVorbisComment(TFlacTag* parent) : Parent(parent) {}
  // The value as UTF-8, control characters other than CR and LF shown as blanks.
  std::string GetAsText();

  std::string Name;
  int32_t Format = 0;  // 0 not set, 1 text
  TMemoryStream Stream;
  int32_t Index = 0;
  TFlacTag* Parent;
};

struct TMetaData {
  std::array<uint8_t, 4> BlockHeader{};
  std::unique_ptr<TMemoryStream> Data;
  int32_t BlockType = 0;
};

// Results of GetInfo.
constexpr int32_t kFlacRead = 0;
constexpr int32_t kFlacOnlyStreamInfo = 1;
constexpr int32_t kFlacEmpty = 4;
constexpr int32_t kFlacNotOggFlacVersion1 = 7;
constexpr int32_t kFlacNotFound = 8;

class TFlacTag {
 public:
  TFlacTag() { FResetData(true, true); }
  TFlacTag(const TFlacTag&) = delete;
  TFlacTag& operator=(const TFlacTag&) = delete;

  void Clear();
  void FResetData(bool resetInformation, bool resetTags);
  void DeleteAllFrames() { Frames.clear(); }
  // True when the stream information was read (with or without further
  // metadata blocks).
  bool ReadFromFile(const std::string& fileName);
  int32_t GetInfo(TStream& stream, bool buffered, bool parseTags);
  // Reads one comment block, from the stream's position to blockEnd; the
  // comments end where a count or length runs past the block.
  void ReadTag(TStream& stream, bool parseTags, int64_t blockEnd);
  TVorbisComment* AddTag(const std::string& name);
  int32_t AddMetaDataOther(const std::array<uint8_t, 4>& header, TStream* source, int64_t size, int32_t blockType);
  std::string ReadFrameByNameAsText(const std::string& name);
  bool FIsValid() const;
  double GetPlayTime() const;
  TAudioInfoChannels GetChannelsAsAIC() const;

  std::array<uint8_t, 42> FlacHeader{};
  std::array<uint8_t, 51> OggFlacHeader{};
  int32_t PaddingIndex = 0;
  bool PaddingLast = false;
  bool ExtraPadding = false;
  int32_t VorbisIndex = 0;
  int32_t PaddingSize = 0;
  int64_t VorbisPosition = 0;
  int64_t AudioOffset = 0;
  int64_t AudioSize = 0;
  uint8_t Channels = 0;
  int32_t SampleRate = 0;
  uint8_t BitsPerSample = 0;
  int32_t BitRate = 0;
  int64_t FileSize = 0;
  int64_t Samples = 0;
  int64_t VorbisSize = 0;
  int32_t OtherBlocksSize = 0;
  bool HasTags = false;
  std::string Album, Artist, Comment, Genre, Title, Date, TrackNumber, DiscNumber;
  std::vector<std::unique_ptr<TVorbisComment>> Frames;
  std::string VendorString;
  bool MetadataComplete = false;
  std::vector<TMetaData> MetaBlocksOther;
  int32_t StreamKind = 0;  // 0 nothing, 1 native FLAC, 2 Ogg FLAC

 private:
  void TakeStreamInfo(const uint8_t* info);
};
