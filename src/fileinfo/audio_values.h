// The channel layout every audio reader reports, and the texts the file list
// shows for audio values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum TAudioInfoChannels : int32_t { aicMono = 0, aicStereo = 1, aicMultiChannel = 2, aicUnknown = 3 };

// "Mono", "Stereo", "MultiChannel" or "Unknown".
std::string ChannelsToStr(TAudioInfoChannels channels);
// 0 → unknown, 1 → mono, 2 → stereo, anything else (negative counts too) → multi-channel.
TAudioInfoChannels IntToChannels(int32_t count);
// "128" or, with the unit, "128 kb/s".
std::string BitrateToStr(int32_t bitrate, bool withUnit);
// "44100" or, with the unit, "44100 Hz".
std::string SampleRateToStr(int32_t sampleRate, bool withUnit);
// The track text as it is, or only its first run of digits ("3/12" → "3").
std::string TrackToStr(std::string_view track, bool onlyTheNumber);
