// A RIFF WAVE file's format, data length and LIST INFO texts, with artist and
// title taken from the file name first ("Artist - Title.wav").
#pragma once

#include <cstdint>
#include <string>

#include "fileinfo/audio_values.h"

class TWAVTag {
 public:
  TWAVTag() { ResetData(); }

  void ResetData();
  // True when a "fmt " and a "data" chunk were found. A file that cannot be
  // opened, or an INFO entry of negative size, raises EStreamError.
  bool ReadFromFile(const std::string& fileName);
  // Stores the text under its INFO identifier; false for other identifiers.
  bool SetMetaTag(const std::string& id, const std::string& text);
  TAudioInfoChannels GetChannelsAsAIC() const;

  int32_t SampleRate = 0;
  double Duration = 0;
  int32_t BitRate = 0;
  // The format tag of the "fmt " chunk (1 PCM), the extensible format's
  // sub-format in its place.
  uint16_t FormatTag = 0;
  std::string Title;
  std::string Artist;
  std::string Album;
  std::string Track;
  std::string Year;
  std::string Genre;
  std::string Comment;

 private:
  uint16_t FChannelCount = 0;
};
