#include "fileinfo/audio_codecs.h"

namespace {

struct TCodecName {
  const char* Key;
  const char* Name;
};

template <size_t N>
const char* Lookup(const TCodecName (&table)[N], const std::string& key) {
  for (const TCodecName& row : table)
    if (key == row.Key) return row.Name;
  return nullptr;
}

// Codes and ids are printable ASCII; anything else names no codec.
bool Printable(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}

}  // namespace

std::string WaveFormatTagCodecName(uint32_t tag) {
  switch (tag) {
    case 0x0001: return "PCM";
    case 0x0002: return "MS ADPCM";
    case 0x0003: return "PCM (float)";
    case 0x0006: return "A-law";
    case 0x0007: return "\xC2\xB5-law";
    case 0x000A: return "WMA Voice";
    case 0x0011: return "IMA ADPCM";
    case 0x0031: return "GSM 6.10";
    case 0x0050: return "MP2";
    case 0x0055: return "MP3";
    case 0x00FF:
    case 0x1610:
    case 0x4143:
    case 0x706D: return "AAC";
    case 0x0160: return "WMA 1";
    case 0x0161: return "WMA 2";
    case 0x0162: return "WMA Pro";
    case 0x0163: return "WMA Lossless";
    case 0x2000: return "AC-3";
    case 0x2001: return "DTS";
    case 0xF1AC: return "FLAC";
    default: return "";
  }
}

std::string MatroskaCodecName(const std::string& codecId) {
  static const TCodecName kExact[] = {
      {"A_VORBIS", "Vorbis"},
      {"A_OPUS", "Opus"},
      {"A_FLAC", "FLAC"},
      {"A_MPEG/L3", "MP3"},
      {"A_MPEG/L2", "MP2"},
      {"A_MPEG/L1", "MP1"},
      {"A_AC3", "AC-3"},
      {"A_EAC3", "E-AC-3"},
      {"A_DTS", "DTS"},
      {"A_TRUEHD", "TrueHD"},
      {"A_ALAC", "ALAC"},
      {"A_WAVPACK4", "WavPack"},
      {"A_TTA1", "TTA"},
      {"A_MS/ACM", "ACM"},
      {"A_REAL/COOK", "Cook"},
      {"A_REAL/SIPR", "Sipro"},
      {"A_REAL/ATRC", "ATRAC3"},
      {"A_REAL/14_4", "RealAudio 14.4"},
      {"A_REAL/28_8", "RealAudio 28.8"},
  };
  if (!Printable(codecId)) return "";
  if (const char* name = Lookup(kExact, codecId)) return name;
  // AAC ids carry the profile ("A_AAC/MPEG4/LC"), PCM ids the sample layout.
  if (codecId.rfind("A_AAC", 0) == 0) return "AAC";
  if (codecId.rfind("A_PCM/", 0) == 0) return "PCM";
  return codecId;
}

std::string IsoSampleEntryCodecName(const std::string& format, uint8_t objectType) {
  if (!Printable(format)) return "";
  if (format == "mp4a") {
    // Object types of the MPEG-4 systems registry.
    if (objectType == 0x40 || (objectType >= 0x66 && objectType <= 0x68)) return "AAC";
    if (objectType == 0x69 || objectType == 0x6B) return "MP3";
    if (objectType == 0xA9) return "DTS";
    if (objectType == 0xA5) return "AC-3";
    if (objectType == 0xA6) return "E-AC-3";
    if (objectType == 0xDD) return "Vorbis";
    if (objectType == 0xAD) return "Opus";
    return "AAC";
  }
  static const TCodecName kEntries[] = {
      {"alac", "ALAC"},   {"Opus", "Opus"},        {"fLaC", "FLAC"},        {"ac-3", "AC-3"},
      {"ec-3", "E-AC-3"}, {".mp3", "MP3"},         {"samr", "AMR"},         {"sawb", "AMR-WB"},
      {"lpcm", "PCM"},    {"sowt", "PCM"},         {"twos", "PCM"},         {"in24", "PCM"},
      {"in32", "PCM"},    {"fl32", "PCM (float)"}, {"fl64", "PCM (float)"}, {"ulaw", "\xC2\xB5-law"},
      {"alaw", "A-law"},  {"ima4", "IMA ADPCM"},   {"dtsc", "DTS"},         {"mlpa", "TrueHD"},
  };
  if (const char* name = Lookup(kEntries, format)) return name;
  return format;
}

std::string RealAudioCodecName(const std::string& fourCC) {
  static const TCodecName kCodes[] = {{"lpcJ", "RealAudio 14.4"},
                                      {"28_8", "RealAudio 28.8"},
                                      {"cook", "Cook"},
                                      {"sipr", "Sipro"},
                                      {"atrc", "ATRAC3"},
                                      {"dnet", "AC-3"},
                                      {"raac", "AAC"},
                                      {"racp", "AAC"},
                                      {"ralf", "RealAudio Lossless"}};
  if (!Printable(fourCC)) return "";
  if (const char* name = Lookup(kCodes, fourCC)) return name;
  return fourCC;
}
