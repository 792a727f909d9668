#include "fileinfo/audio_info.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <limits>
#include <memory>

#include "fileinfo/apev2_tag.h"
#include "fileinfo/asf_reader.h"
#include "fileinfo/audio_codecs.h"
#include "fileinfo/buffered_stream.h"
#include "fileinfo/flac_tag.h"
#include "fileinfo/id3_tags.h"
#include "fileinfo/iso_media_boxes.h"
#include "fileinfo/matroska_elements.h"
#include "fileinfo/media_rounding.h"
#include "fileinfo/monkeys_audio.h"
#include "fileinfo/mpeg_audio.h"
#include "fileinfo/ogg_reader.h"
#include "fileinfo/reader_errors.h"
#include "fileinfo/realmedia_reader.h"
#include "fileinfo/riff_wave.h"
#include "fileinfo/wavpack.h"
#include "foundation/paths.h"
#include "foundation/str_transform.h"

namespace {

// Folders are no files; pipes and devices are, and are then reported as
// files that cannot be opened, at once and without waiting on them.
bool IsFile(const std::string& name) {
  std::error_code ec;
  return !name.empty() && std::filesystem::exists(name, ec) && !std::filesystem::is_directory(name, ec);
}

// A regular file for reading; one that exists but cannot be opened raises.
std::unique_ptr<TStream> OpenExisting(const std::string& name) {
  std::unique_ptr<TStream> s = OpenStreamForReading(name);
  if (!s) throw EStreamError("Cannot open file \"" + name + "\"");
  return s;
}

std::string ZeroAsEmpty(const std::string& s) { return s == "0" ? "" : s; }

std::string FileNameTitle(const std::string& fileName) { return ExtractFileNameWithoutPathAndExt(fileName); }

std::string UpperASCII(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

}  // namespace

TAudioInfoFormat GuessAudioInfoFormat(const std::string& FileName) {
  if (!IsFile(FileName)) return aifUnknow;
  std::unique_ptr<TStream> s = OpenExisting(FileName);
  if (s->GetSize() < 20) return aifUnknow;
  uint8_t b[16] = {};
  s->Read(b, 16);
  static const uint8_t kAsf[16] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                   0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
  auto at = [&](size_t offset, const char* text) { return std::memcmp(b + offset, text, std::strlen(text)) == 0; };
  if (at(0, "ID3")) return aifMP3;
  if (at(0, "fLaC")) return aifFLAC;
  if (at(0, "OggS")) return aifOGG;
  if (std::memcmp(b, kAsf, 16) == 0) return aifWMA;
  if (at(0, "RIFF") && at(8, "WAVE")) return aifWAV;
  if (at(0, "MAC ")) return aifAPE;
  if (at(0, "wvpk")) return aifWV;
  if (at(0, "MThd")) return aifMIDI;
  if (b[0] == 0x1A && b[1] == 0x45 && b[2] == 0xDF && b[3] == 0xA3) return aifMKA;
  if (b[0] == 0 && at(4, "ftyp") && (at(8, "M4A") || at(8, "iso") || at(8, "dash"))) return aifM4A;
  if (b[0] == 0xFF && (b[1] == 0xF0 || b[1] == 0xF1 || b[1] == 0xF8 || b[1] == 0xF9)) return aifAAC;
  if (b[0] == 0xFF && b[1] == 0xFB) return aifMP3;
  if (at(0, ".RMF")) return aifRM;
  if (b[0] == 0x0B && b[1] == 0x77) return aifAC3;
  return aifUnknow;
}

TAudioInfo::TAudioInfo(const std::string& FileName) {
  Reset();
  if (!FileName.empty()) GetAudioData(FileName);
}

void TAudioInfo::Reset() {
  FileName.clear();
  Format = aifUnknow;
  Artist.clear();
  Title.clear();
  Album.clear();
  Year.clear();
  Genre.clear();
  Track.clear();
  DiscNumber.clear();
  Comment.clear();
  Duration = 0;
  DurationExact = 0;
  BitRate = 0;
  Channels = aicUnknown;
  Codec = "Unknown";
  SampleRate = 0;
  Error.clear();
}

void TAudioInfo::TakeCodec(const std::string& name) {
  if (!name.empty()) Codec = name;
}

void TAudioInfo::SetDuration(double seconds) {
  DurationExact = seconds;
  Duration = RoundToInt32(seconds);
}

bool TAudioInfo::GetAudioData(const std::string& name) {
  bool result = false;
  Reset();
  if (!IsFile(name)) return false;
  FileName = name;
  using TMethod = bool (TAudioInfo::*)(const std::string&);
  struct TRow {
    const char* Ext;
    TMethod Method;
  };
  static const TRow kByExtension[] = {
      {"MP3", &TAudioInfo::GetAudioDataFromMP3},     {"MP2", &TAudioInfo::GetAudioDataFromMP3},
      {"MP1", &TAudioInfo::GetAudioDataFromMP3},     {"FLAC", &TAudioInfo::GetAudioDataFromFLAC},
      {"M4A", &TAudioInfo::GetAudioDataFromMP4},     {"M4B", &TAudioInfo::GetAudioDataFromMP4},
      {"WAV", &TAudioInfo::GetAudioDataFromWAV},     {"WAVE", &TAudioInfo::GetAudioDataFromWAV},
      {"BWF", &TAudioInfo::GetAudioDataFromWAV},     {"OGG", &TAudioInfo::GetAudioDataFromVorbis},
      {"OPUS", &TAudioInfo::GetAudioDataFromVorbis}, {"SPX", &TAudioInfo::GetAudioDataFromVorbis},
      {"WMA", &TAudioInfo::GetAudioDataFromWMA},     {"RA", &TAudioInfo::GetAudioDataFromRM},
      {"APE", &TAudioInfo::GetAudioDataFromMonkey},  {"WV", &TAudioInfo::GetAudioDataFromWavPack},
      {"AAC", &TAudioInfo::GetAudioDataFromAAC},     {"AC3", &TAudioInfo::GetAudioDataFromAC3}};
  const std::string ext = UpperASCII(ExtractFileExtWithoutExtensionSeparator(name));
  try {
    TMethod method = &TAudioInfo::GetAudioDataFromFileName;
    for (const TRow& row : kByExtension)
      if (ext == row.Ext) method = row.Method;
    result = (this->*method)(name);
    if (!result) {
      TMethod guessed = nullptr;
      switch (GuessAudioInfoFormat(name)) {
        case aifMP3: guessed = &TAudioInfo::GetAudioDataFromMP3; break;
        case aifFLAC: guessed = &TAudioInfo::GetAudioDataFromFLAC; break;
        case aifOGG:
        case aifOPUS:
        case aifSPX: guessed = &TAudioInfo::GetAudioDataFromVorbis; break;
        case aifWMA: guessed = &TAudioInfo::GetAudioDataFromWMA; break;
        case aifWAV: guessed = &TAudioInfo::GetAudioDataFromWAV; break;
        case aifAPE: guessed = &TAudioInfo::GetAudioDataFromMonkey; break;
        case aifWV: guessed = &TAudioInfo::GetAudioDataFromWavPack; break;
        case aifMIDI: guessed = &TAudioInfo::GetAudioDataFromMIDI; break;
        case aifMKA: guessed = &TAudioInfo::GetAudioDataFromMKA; break;
        case aifM4A: guessed = &TAudioInfo::GetAudioDataFromMP4; break;
        case aifAAC: guessed = &TAudioInfo::GetAudioDataFromAAC; break;
        case aifRM: guessed = &TAudioInfo::GetAudioDataFromRM; break;
        case aifAC3: guessed = &TAudioInfo::GetAudioDataFromAC3; break;
        case aifUnknow: break;
      }
      if (guessed) result = (this->*guessed)(name);
    }
    SanitizeCharsInResult(true, RemoveLineBreaks, true);
  } catch (const std::exception& e) {
    Error = ReaderErrorText(e);
    Artist = Title = Album = Error;
    result = false;
  }
  return result;
}

bool TAudioInfo::GetAudioDataFromFileName(const std::string& name) {
  const std::string base = FileNameTitle(name);
  const size_t dash = base.find(" - ");
  if (dash != std::string::npos) {
    Artist = Trim(base.substr(0, dash));
    Title = Trim(base.substr(dash + 3));
  } else {
    Artist.clear();
    Title = base;
  }
  return false;
}

bool TAudioInfo::GetAudioDataFromMP3(const std::string& name) {
  if (!IsFile(name)) return false;
  TMpegInfo mpeg;
  TID3v2Tag v2;
  TID3v1Tag v1;
  TAPEv2Tag ape;
  bool apeRead = false;
  {
    std::unique_ptr<TStream> s = OpenExisting(name);
    v1.ReadFromStream(*s);
    // An APE tag stands before the ID3v1 tag; neither is audio.
    apeRead = ape.ReadTagDataFromStream(*s) == kApeTagRead;
    int64_t audioEnd = s->GetSize() - (v1.Exists ? 128 : 0);
    if (apeRead) {
      audioEnd -= static_cast<int64_t>(ape.TagSize);
      // The tag's size leaves out the header that APE 2.0 puts before it.
      char preamble[8] = {};
      if (audioEnd >= 32) {
        s->SetPosition(audioEnd - 32);
        if (s->Read(preamble, 8) == 8 && std::memcmp(preamble, "APETAGEX", 8) == 0) audioEnd -= 32;
      }
    }
    s->SetPosition(0);
    v2.ReadFromStream(*s);
    s->SetPosition(v2.Exists ? v2.Size : 0);
    mpeg.AudioEnd = std::max<int64_t>(audioEnd, 0);
    mpeg.LoadFromStream(*s);
  }
  if (mpeg.FirstFramePosition == -1) return GetAudioDataFromFileName(name);
  // ID3v2 first, then the APE tag, then ID3v1; a tag that is missing gives
  // nothing (a missing ID3v1 tag is no genre "Blues" and no track "0").
  auto pick = [&](const std::string& fromV2, const std::string& fromApe, const std::string& fromV1) {
    std::string t = Trim(fromV2);
    if (t.empty() && apeRead) t = Trim(fromApe);
    if (t.empty() && v1.Exists) t = Trim(fromV1);
    return t;
  };
  Artist = pick(v2.GetArtist(), ape.Artist, v1.Artist);
  Title = pick(v2.GetTitle(), ape.Title, v1.Title);
  Album = pick(v2.GetAlbum(), ape.Album, v1.Album);
  Year = pick(v2.GetYear(), ape.Year, v1.Year);
  Genre = pick(v2.GetGenre(), ape.Genre, v1.GetGenre());
  // Only ID3v1.1 has a track field; a version 1.0 tag names no track.
  Track = pick(v2.GetTrack(), ape.Track, v1.IsVersion11 ? v1.GetTrack() : "");
  Comment = pick(v2.GetStandardComment(), ape.Comment, v1.Comment);
  DiscNumber = pick(v2.GetDiscNumber(), ape.DiscNumber, "");
  SetDuration(mpeg.Duration);
  SampleRate = mpeg.SampleRate;
  BitRate = mpeg.BitRate;
  Channels = mpeg.GetChannelsAsAIC();
  Codec = mpeg.Layer == 1 ? "MP1" : mpeg.Layer == 2 ? "MP2" : "MP3";
  Format = aifMP3;
  return true;
}

bool TAudioInfo::GetAudioDataFromFLAC(const std::string& name) {
  if (!IsFile(name)) return false;
  TFlacTag flac;
  if (!flac.ReadFromFile(name)) return GetAudioDataFromFileName(name);
  Artist = Trim(flac.Artist);
  Title = Trim(flac.Title);
  if (Title.empty()) Title = FileNameTitle(name);
  Album = Trim(flac.Album);
  Genre = Trim(flac.Genre);
  Comment = Trim(flac.Comment);
  Year = Trim(flac.Date);
  Track = ZeroAsEmpty(Trim(flac.TrackNumber));
  DiscNumber = Trim(flac.DiscNumber);
  SetDuration(flac.GetPlayTime());
  SampleRate = flac.SampleRate;
  BitRate = flac.BitRate;
  Channels = flac.GetChannelsAsAIC();
  Codec = "FLAC";
  Format = aifFLAC;
  return true;
}

bool TAudioInfo::GetAudioDataFromVorbis(const std::string& name) {
  if (!IsFile(name)) return false;
  TMediaInfoOGG ogg;
  if (!ogg.ReadFromFile(name)) return GetAudioDataFromFileName(name);
  Artist = Trim(ogg.Artist);
  Title = Trim(ogg.Title);
  if (Title.empty()) Title = FileNameTitle(name);
  Album = Trim(ogg.Album);
  Genre = Trim(ogg.Genre);
  Comment = Trim(ogg.Comment);
  Year = Trim(ogg.Date);
  Track = ZeroAsEmpty(Trim(ogg.Track));
  DiscNumber = Trim(ogg.DiscNumber);
  SetDuration(ogg.GetPlayTime());
  SampleRate = ogg.GetAudioSampleRate();
  BitRate = ogg.GetAudioBitrate();
  Channels = ogg.GetAudioChannels();
  static const char* const kOggCodecs[] = {"Unknown", "Vorbis", "Opus", "Theora", "Speex", "FLAC"};
  if (ogg.Codec >= 0 && ogg.Codec < static_cast<int32_t>(std::size(kOggCodecs))) Codec = kOggCodecs[ogg.Codec];
  Format = aifOGG;
  return true;
}

bool TAudioInfo::GetAudioDataFromWMA(const std::string& name) {
  if (!IsFile(name)) return false;
  TMediaInfoASF asf;
  if (!asf.ReadFromFile(name)) return GetAudioDataFromFileName(name);
  Artist = Trim(asf.Artist);
  Title = asf.Title.empty() ? FileNameTitle(name) : asf.Title;
  Album = Trim(asf.Album);
  Genre = Trim(asf.Genre);
  Comment = Trim(asf.Comment);
  Year = Trim(asf.Year);
  Track = Trim(ZeroAsEmpty(std::to_string(asf.Track)));
  DiscNumber = Trim(asf.DiscNumber);
  SetDuration(asf.Duration);
  SampleRate = asf.SampleRate;
  BitRate = asf.Bitrate;
  Channels = asf.GetAudioChannelsAsAIC();
  TakeCodec(WaveFormatTagCodecName(asf.FormatTag));
  Format = aifWMA;
  return true;
}

// Container readers with the shared public results (Matroska, MP4, RealMedia).
template <typename TReader>
void TAudioInfo::TakeContainerResults(const TReader& r, const std::string& name) {
  Artist = Trim(r.Artist);
  Title = Trim(r.Title);
  if (Title.empty()) Title = FileNameTitle(name);
  Album = Trim(r.Album);
  Genre = Trim(r.Genre);
  Comment = Trim(r.Comment);
  Year = Trim(r.Year);
  Track = ZeroAsEmpty(Trim(r.Track));
  DiscNumber = Trim(r.DiscNumber);
  SetDuration(r.DurationExact);
  SampleRate = r.AudioSampleRate;
  BitRate = r.Bitrate;
  Channels = r.AudioChannels;
  TakeCodec(r.AudioCodec);
}

bool TAudioInfo::GetAudioDataFromMKA(const std::string& name) {
  if (!IsFile(name)) return false;
  TMediaInfoMatroska mka;
  if (!mka.GetData(name)) return GetAudioDataFromFileName(name);
  TakeContainerResults(mka, name);
  Format = aifMKA;
  return true;
}

bool TAudioInfo::GetAudioDataFromRM(const std::string& name) {
  if (!IsFile(name)) return false;
  TMediaInfoRM rm;
  if (!rm.GetData(name)) return GetAudioDataFromFileName(name);
  TakeContainerResults(rm, name);
  Format = aifRM;
  return true;
}

namespace {

// The texts of the APE tag readers (WavPack, Monkey's Audio), mapped alike.
template <typename TReader>
void TakeApeTexts(TAudioInfo& info, TReader& r, const std::string& name) {
  info.Artist = Trim(r.Artist);
  info.Title = Trim(r.Title.empty() ? ExtractFileNameWithoutPathAndExt(name) : r.Title);
  info.Album = Trim(r.Album);
  info.Genre = Trim(r.Genre);
  info.Comment = Trim(r.Comment);
  info.Year = Trim(r.Year);
  info.Track = Trim(r.Track == "0" ? std::string() : r.Track);
  info.DiscNumber = Trim(r.DiscNumber);
}

}  // namespace

bool TAudioInfo::GetAudioDataFromWavPack(const std::string& name) {
  if (!IsFile(name)) return false;
  TWavePackTag wv;
  if (!wv.ReadFromFile(name)) return GetAudioDataFromFileName(name);
  TakeApeTexts(*this, wv, name);
  SetDuration(wv.Duration);
  SampleRate = wv.SampleRate;
  // These readers give bits per second; kbit/s are taken by 1024 here.
  BitRate = RoundToInt32(wv.Bitrate / 1024.0);
  Channels = wv.GetChannelsAsAIC();
  Codec = "WavPack";
  Format = aifWV;
  return true;
}

bool TAudioInfo::GetAudioDataFromMonkey(const std::string& name) {
  if (!IsFile(name)) return false;
  TMonkeysAudioTag mac;
  if (!mac.ReadFromFile(name)) return GetAudioDataFromFileName(name);
  TakeApeTexts(*this, mac, name);
  SetDuration(mac.Duration);
  SampleRate = static_cast<int32_t>(std::min<uint32_t>(mac.SampleRate, std::numeric_limits<int32_t>::max()));
  BitRate = RoundToInt32(static_cast<double>(mac.Bitrate) / 1024.0);
  Channels = mac.GetChannelsAsAIC();
  Codec = "Monkey's Audio";
  Format = aifAPE;
  return true;
}

bool TAudioInfo::GetAudioDataFromWAV(const std::string& name) {
  if (!IsFile(name)) return false;
  TWAVTag wav;
  if (!wav.ReadFromFile(name)) return GetAudioDataFromFileName(name);
  Artist = Trim(wav.Artist);
  Title = Trim(wav.Title.empty() ? FileNameTitle(name) : wav.Title);
  Album = Trim(wav.Album);
  Genre = Trim(wav.Genre);
  Comment = Trim(wav.Comment);
  Year = Trim(wav.Year);
  Track = ZeroAsEmpty(Trim(wav.Track));
  SetDuration(wav.Duration);
  SampleRate = wav.SampleRate;
  BitRate = RoundToInt32(wav.BitRate / 1024.0);
  Channels = wav.GetChannelsAsAIC();
  TakeCodec(WaveFormatTagCodecName(wav.FormatTag));
  Format = aifWAV;
  return true;
}

bool TAudioInfo::GetAudioDataFromMP4(const std::string& name) {
  if (!IsFile(name)) return false;
  TMediaInfoMP4 mp4;
  if (!mp4.GetData(name)) return GetAudioDataFromFileName(name);
  TakeContainerResults(mp4, name);
  Format = aifM4A;
  return true;
}

bool TAudioInfo::GetAudioDataFromMIDI(const std::string& name) {
  if (!IsFile(name)) return false;
  std::unique_ptr<TStream> s = OpenExisting(name);
  char head[4] = {};
  if (s->GetSize() < 22 || s->Read(head, 4) < 4 || std::memcmp(head, "MThd", 4) != 0) return false;
  Codec = "MIDI";
  Format = aifMIDI;
  return true;
}

bool TAudioInfo::GetAudioDataFromAAC(const std::string& name) {
  if (!IsFile(name)) return false;
  std::unique_ptr<TStream> file = OpenExisting(name);
  // Every frame header is read: through a buffer, as they are small.
  TBufferedStream s(*file);
  static const int32_t kRates[13] = {96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                     22050, 16000, 12000, 11025, 8000,  7350};
  const int64_t size = s.GetSize();
  int32_t sampleRate = 0, channelConfig = 0;
  int64_t payload = 0;
  double duration = 0;
  int64_t position = 0;
  while (size - position >= 7) {
    uint8_t h[7];
    s.SetPosition(position);
    if (s.Read(h, 7) < 7) break;
    if (h[0] != 0xFF || (h[1] & 0xF0) != 0xF0 || (h[1] & 0x06) != 0) break;
    const int64_t frameLength = (h[3] & 0x03) << 11 | h[4] << 3 | h[5] >> 5;
    if (frameLength < 7) break;
    const int rateIndex = (h[2] >> 2) & 0x0F;
    if (rateIndex <= 12) sampleRate = kRates[rateIndex];
    channelConfig = (h[2] & 0x01) << 2 | h[3] >> 6;
    const int blocks = (h[6] & 0x03) + 1;
    if (sampleRate > 0) duration += blocks * 1024.0 / sampleRate;
    payload += frameLength - 7;
    position += frameLength;
  }
  if (duration <= 0) return false;
  SetDuration(duration);
  BitRate = RoundToInt32(static_cast<double>(payload) * 8 / (duration * 1000));
  SampleRate = sampleRate;
  Channels = IntToChannels(channelConfig);
  Codec = "AAC";
  Format = aifAAC;
  return true;
}

bool TAudioInfo::GetAudioDataFromAC3(const std::string& name) {
  if (!IsFile(name)) return false;
  std::unique_ptr<TStream> s = OpenExisting(name);
  uint8_t h[7] = {};
  if (s->GetSize() < 7 || s->Read(h, 7) < 7 || h[0] != 0x0B || h[1] != 0x77) return false;
  static const int32_t kRates[4] = {48000, 44100, 32000, 0};
  static const int32_t kBitRates[19] = {32,  40,  48,  56,  64,  80,  96,  112, 128, 160,
                                        192, 224, 256, 320, 384, 448, 512, 576, 640};
  static const int32_t kChannels[8] = {2, 1, 2, 3, 3, 4, 4, 5};
  SampleRate = kRates[h[4] >> 6];
  const int code = h[4] & 0x3F;
  const int32_t bitRate = code < 38 ? kBitRates[code / 2] : 0;
  if (bitRate > 0) {
    SetDuration(static_cast<double>(s->GetSize()) * 8 / (bitRate * 1000.0));
    BitRate = bitRate;
  }
  Channels = IntToChannels(kChannels[h[6] >> 5]);
  Codec = "AC-3";
  Format = aifAC3;
  return true;
}

void TAudioInfo::SanitizeCharsInResult(bool replaceNul, bool replaceLineBreaks, bool replaceTabs) {
  for (std::string* text : {&Artist, &Title, &Album, &Year, &Genre, &Track, &Comment, &Codec}) {
    if (text->empty()) continue;
    for (char& c : *text) {
      if ((replaceNul && c == '\0') || (replaceLineBreaks && (c == '\r' || c == '\n')) || (replaceTabs && c == '\t'))
        c = ' ';
    }
    if (text->find("  ") != std::string::npos) *text = RemoveDoubleSpaces(*text);
  }
}
