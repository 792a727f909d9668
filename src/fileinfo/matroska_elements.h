// Matroska and WebM files (EBML) read by a recursive walk over their elements:
// track kinds, picture size, audio format, duration, an estimated bit rate and
// the common tag texts. The base class holds the open file and the results
// that a container reader shares.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fileinfo/audio_values.h"
#include "fileinfo/buffered_stream.h"

class TMediaInfoBaseClass {
 public:
  TMediaInfoBaseClass() { Reset(); }
  virtual ~TMediaInfoBaseClass() = default;
  TMediaInfoBaseClass(const TMediaInfoBaseClass&) = delete;
  TMediaInfoBaseClass& operator=(const TMediaInfoBaseClass&) = delete;

  void Reset();
  // False for a missing file or one under 24 bytes; a regular file that
  // exists but cannot be opened raises EStreamError.
  bool Open(const std::string& fileName);
  void RefreshMediaType() { MediaType = HasVideo ? 0 : HasAudio ? 1 : 3; }

  std::unique_ptr<TStream> Stream;
  std::string FileName;
  bool Opened = false;
  int32_t MediaType = 3;  // 0 video, 1 audio, 3 unknown
  bool HasAudio = false;
  bool HasVideo = false;
  int32_t Duration = 0;
  double DurationExact = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  double VideoFramesPerSecond = 0;
  TAudioInfoChannels AudioChannels = aicUnknown;
  int32_t AudioSampleRate = 0;
  // The first audio track's codec; empty when none is named.
  std::string AudioCodec;
  int32_t ImageCount = 0;
  int32_t Bitrate = 0;  // kbit/s
  int32_t ColorDepth = 0;
  bool ReadMetaData = true;
  std::string Artist, Title, Album, Track, Year, Genre, DiscNumber, Comment;
  int32_t Tag = 0;
};

class TMediaInfoMatroska : public TMediaInfoBaseClass {
 public:
  bool GetData(const std::string& fileName);
  // Opens the file; without the EBML magic the walk starts at offset 4.
  bool Open(const std::string& fileName);
  bool Read();

  // One element header at the stream's position.
  bool ReadNextElementID(uint64_t& id, int32_t& sizeLength, int64_t& size, int64_t& elementStart, int64_t& dataStart,
                         int64_t& elementEnd);
  // One EBML variable-size integer.
  int64_t ReadLen(int32_t& sizeLength);
  uint64_t ReadDataUInt(int64_t size);
  double ReadDataFloat(int64_t size);
  void ReadDataStr(std::string& text, int64_t size);
  void SetMetaData(int32_t targetTypeValue, const std::string& tagName, const std::string& value);

 private:
  // The tag texts by field, in the order of the table of SetMetaData.
  enum TTagField { tfTitle, tfAlbum, tfTrack, tfDisc, tfArtist, tfComment, tfGenre, tfYear, tfCount };
  // One track entry as the walk met it.
  struct TTrackEntry {
    int32_t Type = 0;
    std::string CodecID;
    uint64_t UID = 0;
    int32_t SampleRate = 0;
    TAudioInfoChannels Channels = aicUnknown;
    int32_t Width = 0;
    int32_t Height = 0;
  };
  // A text of a tag aimed at a track; it counts once the reported track is known.
  struct TTrackTagText {
    uint64_t TrackUID = 0;
    TTagField Field = tfTitle;
    bool AlbumLevel = false;
    std::string Value;
  };
  struct TWalkState {
    int32_t TimecodeScale = 0;
    double SegmentDuration = 0;
    int32_t TargetTypeValue = 0;
    bool TargetTypeNamed = false;
    // The first track a Tag aims at; 0 when it aims at the whole file.
    uint64_t TagTrackUID = 0;
    std::string TagName;
    int64_t ClusterBytes = 0;
    std::string SegmentTitle;
    TTrackEntry Track;
    bool AudioTaken = false;
    bool VideoTaken = false;
    uint64_t AudioTrackUID = 0;
    // Album-level texts win over those of the track level, whatever the order.
    std::string Texts[2][tfCount];
    std::vector<TTrackTagText> TrackTagTexts;
  };
  void TakeTagText(TWalkState& state, const std::string& value);
  void TakeTrackEntry(TWalkState& state);
  void ReadElements(int64_t parentEnd, int32_t depth, TWalkState& state);
};
