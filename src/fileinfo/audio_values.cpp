#include "fileinfo/audio_values.h"

#include "foundation/str_transform.h"

std::string ChannelsToStr(TAudioInfoChannels channels) {
  switch (channels) {
    case aicMono: return "Mono";
    case aicStereo: return "Stereo";
    case aicMultiChannel: return "MultiChannel";
    case aicUnknown: break;
  }
  return "Unknown";
}

TAudioInfoChannels IntToChannels(int32_t count) {
  switch (count) {
    case 0: return aicUnknown;
    case 1: return aicMono;
    case 2: return aicStereo;
    default: return aicMultiChannel;
  }
}

std::string BitrateToStr(int32_t bitrate, bool withUnit) {
  return withUnit ? std::to_string(bitrate) + " kb/s" : std::to_string(bitrate);
}

std::string SampleRateToStr(int32_t sampleRate, bool withUnit) {
  return withUnit ? std::to_string(sampleRate) + " Hz" : std::to_string(sampleRate);
}

std::string TrackToStr(std::string_view track, bool onlyTheNumber) {
  if (!onlyTheNumber) return std::string(track);
  if (track.empty()) return "";
  return ExtractFirstNumberFromString(track);
}
