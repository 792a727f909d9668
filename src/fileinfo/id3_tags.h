// The two tag formats of MP3 files: ID3v1 (the last 128 bytes, with the v1.1
// track number) and ID3v2 (versions 2.2 to 2.4 at the start of a file), the
// genre list both use, and the result codes they share with the MPEG reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fileinfo/buffered_stream.h"

enum TMP3Error : int32_t {
  mp3eNone = 0,
  mp3eReadError = 6,
  mp3eNoTag = 9,
  mp3eUnsupportedVersion = 10,
  mp3eGeneralError = 11,
  mp3eNoFrame = 12,
};

using TBuffer = std::vector<uint8_t>;

// The 126 genre names, index 0 to 125 (index 12 is empty).
const std::vector<std::string>& Genres();
// The 21 texts of the ID3v2 picture types.
extern const char* const PICTURE_TYPES[21];

class TID3v1Tag {
 public:
  TID3v1Tag() { Clear(); }
  void Clear();
  // Reads the last 128 bytes; the position afterwards is not restored.
  TMP3Error ReadFromStream(TStream& stream);
  std::string GetGenre() const;
  std::string GetTrack() const { return std::to_string(Track); }

  // 30 bytes each, zero bytes and blanks kept; texts that are not valid UTF-8
  // are read as Windows-1252.
  std::string Title;
  std::string Artist;
  std::string Album;
  std::string Comment;
  uint8_t Track = 0;
  std::string Year;
  uint8_t GenreID = 0;
  bool Exists = false;
  bool IsVersion11 = false;
};

struct TID3v2Frame {
  std::string ID;
  int32_t Size = 0;
  TBuffer Header;
  TBuffer Data;
};

class TID3v2Tag {
 public:
  TID3v2Tag() { Clear(); }
  void Clear();
  TMP3Error ReadFromStream(TStream& stream);
  TMP3Error ReadHeader(TStream& stream);
  TMP3Error ReadFrames(int64_t startPosition, TStream& stream);

  std::string GetFrameIDString(int32_t kind) const;
  // The last frame of the kind; -1 when none.
  int32_t GetFrameIndex(int32_t kind) const;
  // The first frame of the kind passing the language and description filters
  // ("*" switches a filter off).
  int32_t GetFrameIndex(int32_t kind, const std::string& language, const std::string& description) const;
  std::string GetDescription(const TID3v2Frame& frame) const;
  static std::string GetConvertedUnicodeText(const TBuffer& bytes, int64_t offset, uint8_t encoding, int64_t length);
  static std::string ReadComment(const TBuffer& bytes, int64_t offset, uint8_t encoding, int64_t length);
  std::string GetTextFrame(int32_t kind) const;
  std::string GetDescribedTextFrame(int32_t kind, const std::string& language, const std::string& description) const;
  static std::string ParseID3v2Genre(const std::string& text);

  std::string GetArtist() const { return GetTextFrame(0); }
  std::string GetTitle() const { return GetTextFrame(1); }
  std::string GetAlbum() const { return GetTextFrame(2); }
  std::string GetYear() const { return GetTextFrame(3); }
  // The genre name; a reference "(17)" names the list's genre, and so does a
  // plain number in version 2.4.
  std::string GetGenre() const;
  std::string GetTrack() const { return GetTextFrame(6); }
  std::string GetDiscNumber() const { return GetTextFrame(22); }
  std::string GetStandardComment() const { return GetDescribedTextFrame(5, "*", ""); }

  bool Exists = false;
  uint8_t Version = 3;
  uint8_t Revision = 0;
  bool Unsynchronisation = false;
  bool ExtendedHeader = false;
  bool Experimental = false;
  bool FooterPresent = false;
  int32_t PaddingSize = 0;
  int32_t Size = 0;
  bool PaddingReached = true;
  std::vector<TID3v2Frame> Frames;
};
