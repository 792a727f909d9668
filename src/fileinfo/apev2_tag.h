// The APE tag (versions 1.0 and 2.0) at the end of an audio file: its items as
// frames and eight common texts. The WavPack and Monkey's Audio readers derive
// from it and read their own audio header from the same stream.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fileinfo/buffered_stream.h"

class TAPEv2Tag;

class TAPEv2Frame {
 public:
  explicit TAPEv2Frame(TAPEv2Tag* parent) : Parent(parent) {}

  // "BINARY <size>" for binary values; otherwise the value as UTF-8 when it is
  // valid UTF-8, else read as Windows-1252; trailing bytes up to 32 removed.
  std::string GetAsText();
  // The value read as Windows-1252 only.
  std::string GetAsTextANSI();
  // Replaces the value by the text and marks it as text.
  bool SetAsText(const std::string& text);

  std::string Name;
  int32_t Format = 0;  // 0 not set, 1 text, 2 binary
  TMemoryStream Stream;
  int32_t Index = 0;
  TAPEv2Tag* Parent;
};

// Results of ReadTagDataFromStream.
constexpr int32_t kApeTagRead = 0;
constexpr int32_t kApeTagMissing = 1;
constexpr int32_t kApeTagItemTooLarge = 7;
constexpr int32_t kApeTagUnknownVersion = 8;
constexpr int32_t kApeTagFooterTooShort = 9;
constexpr int32_t kApeTagReadFailed = 65535;

class TAPEv2Tag {
 public:
  TAPEv2Tag() { Clear(); }
  virtual ~TAPEv2Tag() = default;
  // Frames point back to their tag.
  TAPEv2Tag(const TAPEv2Tag&) = delete;
  TAPEv2Tag& operator=(const TAPEv2Tag&) = delete;

  // Reads the tag whose footer ends the stream (or stands before a 128-byte
  // ID3v1 tag); the stream's position is kept. One of the results above.
  int32_t ReadTagDataFromStream(TStream& stream);
  // Copies ARTIST, TITLE, ALBUM, TRACK, GENRE, YEAR, COMMENT and DISCNUMBER
  // (keys compared upper-cased, the later item winning) into the text fields.
  void ReadProperties();
  TAPEv2Frame* AddFrame(const std::string& name);
  void DeleteAllFrames() { Frames.clear(); }
  void Clear();
  int32_t Count() const { return static_cast<int32_t>(Frames.size()); }
  // Always 0: the bit rates of the subclasses count the whole file.
  uint32_t GetSizeOfAllTags() const { return 0; }

  int64_t FileSize = 0;
  std::string Genre;
  std::string Title;
  std::string Track;
  std::string DiscNumber;
  std::string Year;
  std::string Album;
  std::string Artist;
  std::string Comment;
  double Duration = 0;
  std::string FileName;
  bool Exists = false;
  uint32_t TagVersion = 0;
  uint32_t TagFlags = 0;
  uint32_t TagSize = 0;
  std::vector<std::unique_ptr<TAPEv2Frame>> Frames;
};

// True when the next 8 bytes of the stream are "APETAGEX"; moves on by the
// bytes read.
bool APEv2ValidTag(TStream& stream);

// Opens a regular file for a header reader; nullptr when it is missing, no
// regular file or cannot be opened.
std::unique_ptr<TStream> OpenAudioFile(const std::string& fileName);
