// Descriptive data of one audio file: tag texts, play time, channels, sample
// rate, bit rate and format. The reader is chosen by the file's extension,
// with the file's leading bytes as the fallback.
#pragma once

#include <cstdint>
#include <string>

#include "fileinfo/audio_values.h"

enum TAudioInfoFormat : int32_t {
  aifUnknow = 0,
  aifMP3,
  aifFLAC,
  aifOGG,
  aifOPUS,
  aifSPX,
  aifWMA,
  aifWAV,
  aifAPE,
  aifWV,
  aifMIDI,
  aifMKA,
  aifM4A,
  aifAAC,
  aifRM,
  aifAC3,
};

// The format told by the first 16 bytes; aifUnknow for a missing file or one
// under 20 bytes. A file that exists but cannot be opened raises EStreamError.
TAudioInfoFormat GuessAudioInfoFormat(const std::string& FileName);

class TAudioInfo {
 public:
  explicit TAudioInfo(const std::string& FileName = "");

  void Reset();
  // True when a format reader accepted the file. Never raises: an error is
  // reported in Error (and in Artist, Title and Album).
  bool GetAudioData(const std::string& FileName);

  bool GetAudioDataFromMP3(const std::string& FileName);
  bool GetAudioDataFromFLAC(const std::string& FileName);
  bool GetAudioDataFromVorbis(const std::string& FileName);
  bool GetAudioDataFromWMA(const std::string& FileName);
  bool GetAudioDataFromWavPack(const std::string& FileName);
  bool GetAudioDataFromMonkey(const std::string& FileName);
  bool GetAudioDataFromWAV(const std::string& FileName);
  bool GetAudioDataFromMIDI(const std::string& FileName);
  bool GetAudioDataFromMKA(const std::string& FileName);
  bool GetAudioDataFromAAC(const std::string& FileName);
  bool GetAudioDataFromAC3(const std::string& FileName);
  bool GetAudioDataFromMP4(const std::string& FileName);
  bool GetAudioDataFromRM(const std::string& FileName);
  // Artist and title from "Artist - Title.ext"; always false.
  bool GetAudioDataFromFileName(const std::string& FileName);
  void SanitizeCharsInResult(bool replaceNul, bool replaceLineBreaks, bool replaceTabs);
  std::string GetTrackNumber() const { return TrackToStr(Track, true); }

  std::string FileName;
  TAudioInfoFormat Format = aifUnknow;
  std::string Artist;
  bool RemoveLineBreaks = false;
  std::string Title;
  std::string Album;
  std::string Year;
  std::string Genre;
  std::string Track;
  std::string DiscNumber;
  std::string Comment;
  int32_t Duration = 0;
  double DurationExact = 0;
  int32_t BitRate = 0;
  TAudioInfoChannels Channels = aicUnknown;
  // The codec as the container names it ("MP3", "Vorbis", "AAC", "WMA 2"…);
  // "Unknown" where it names none.
  std::string Codec = "Unknown";
  int32_t SampleRate = 0;
  int32_t Tag = 0;
  std::string Error;

 private:
  void SetDuration(double seconds);
  // Sets Codec unless the name is empty.
  void TakeCodec(const std::string& name);
  template <typename TReader>
  void TakeContainerResults(const TReader& r, const std::string& name);
};
