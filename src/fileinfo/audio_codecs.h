// Names of audio codecs as the containers name them, for TAudioInfo::Codec:
// WAVE format tags (WAV, ASF), Matroska codec ids, the sample entries of the
// ISO base media format and RealAudio's four-character codes. Ids that are no
// printable ASCII name no codec: "".
#pragma once

#include <cstdint>
#include <string>

// "" for a tag without a name.
std::string WaveFormatTagCodecName(uint32_t tag);
// Matroska's CodecID ("A_VORBIS"); an id without a name of its own is given
// as it stands.
std::string MatroskaCodecName(const std::string& codecId);
// An ISO sample entry ("mp4a", "alac"), with the object type of its decoder
// configuration for "mp4a" (0 when there is none); other entries as they stand.
std::string IsoSampleEntryCodecName(const std::string& format, uint8_t objectType);
// RealAudio's four-character code ("cook"); other codes as they stand.
std::string RealAudioCodecName(const std::string& fourCC);
