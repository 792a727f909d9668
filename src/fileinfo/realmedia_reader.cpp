#include "fileinfo/realmedia_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "fileinfo/audio_codecs.h"
#include "fileinfo/media_rounding.h"
#include "foundation/code_pages.h"

namespace {

uint32_t BE(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | p[i];
  return v;
}

}  // namespace

void TMediaInfoRM::Reset() {
  FStream.reset();
  FIsRealMedia = false;
  Duration = 0;
  DurationExact = 0;
  Width = Height = 0;
  VideoFramesPerSecond = 0;
  AudioSampleRate = 0;
  Bitrate = 0;
  AudioChannels = aicUnknown;
  AudioCodec.clear();
  for (std::string* s : {&Artist, &Title, &Album, &Year, &Genre, &Track, &DiscNumber, &Comment, &Copyright}) s->clear();
}

bool TMediaInfoRM::GetData(const std::string& fileName) {
  Reset();
  if (!Open(fileName)) return false;
  return Read();
}

bool TMediaInfoRM::Open(const std::string& fileName) {
  if (FIsRealMedia) Reset();
  std::error_code ec;
  if (fileName.empty() || !std::filesystem::exists(fileName, ec) || std::filesystem::is_directory(fileName, ec))
    return false;
  FStream = OpenStreamForReading(fileName);
  if (!FStream) throw EStreamError("Cannot open file \"" + fileName + "\"");
  char head[4] = {};
  if (FStream->GetSize() < 18 || FStream->Read(head, 4) < 4 || std::memcmp(head, ".RMF", 4) != 0) return false;
  FIsRealMedia = true;
  return true;
}

bool TMediaInfoRM::Fits(int64_t position, int64_t bytes) const {
  return position >= 0 && bytes >= 0 && FStream->GetSize() - position >= bytes;
}

std::string TMediaInfoRM::ReadText(int64_t length) {
  if (length <= 0) return "";
  if (!Fits(FStream->GetPosition(), length)) throw EReadError("Stream read error");
  std::string bytes(static_cast<size_t>(length), '\0');
  FStream->ReadBuffer(bytes.data(), length);
  return Latin1BytesToUTF8(bytes);
}

std::string TMediaInfoRM::ReadStringByteSize() {
  uint8_t n = 0;
  FStream->ReadBuffer(&n, 1);
  return ReadText(n);
}

std::string TMediaInfoRM::ReadStringWordSize() {
  uint8_t n[2] = {};
  FStream->ReadBuffer(n, 2);
  return ReadText(BE(n, 2));
}

bool TMediaInfoRM::Read() {
  const int64_t size = FStream->GetSize();
  int64_t start = 18;
  while (size - start >= 10) {
    uint8_t header[10];
    FStream->SetPosition(start);
    FStream->ReadBuffer(header, 10);
    if (std::memcmp(header, "PROP", 4) == 0)
      ReadFilePropertiesHeader(start);
    else if (std::memcmp(header, "MDPR", 4) == 0)
      ReadMediaPropertiesHeader(start);
    else if (std::memcmp(header, "CONT", 4) == 0)
      ReadContentDescriptionHeader(start);
    const int64_t chunkSize = BE(header + 4, 4);
    // A chunk smaller than its own header would be read again and again.
    if (chunkSize < 10) break;
    start += chunkSize;
  }
  return true;
}

void TMediaInfoRM::ReadFilePropertiesHeader(int64_t s) {
  if (!Fits(s, 50)) return;
  uint8_t b[50];
  FStream->SetPosition(s);
  FStream->ReadBuffer(b, 50);
  DurationExact = BE(b + 30, 4) / 1000.0;
  Duration = RoundToInt32(DurationExact);
  Bitrate = RoundToInt32(BE(b + 14, 4) / 1000.0);
}

void TMediaInfoRM::ReadMediaPropertiesHeader(int64_t s) {
  if (!Fits(s, 40)) return;
  FStream->SetPosition(s + 40);
  ReadStringByteSize();  // stream name
  const std::string mime = ReadStringByteSize();
  const int64_t typeSpecific = FStream->GetPosition();
  if (mime == "audio/x-pn-realaudio" || mime == "audio/x-pn-multirate-realaudio")
    ReadAudioData_RealAudio(typeSpecific);
  else if (mime == "video/x-pn-realvideo")
    ReadVideoData_RealVideo(typeSpecific);
}

void TMediaInfoRM::ReadAudioData_RealAudio(int64_t p) {
  if (!Fits(p, 10)) return;
  uint8_t b[66] = {};
  FStream->SetPosition(p);
  FStream->ReadBuffer(b, 10);
  if (std::memcmp(b + 4, ".ra\xFD", 4) != 0) return;
  const uint32_t version = BE(b + 8, 2);
  ReadRealAudioCodec(p, version);
  const int64_t needed = version == 4 ? 60 : version == 5 ? 66 : 0;
  if (needed == 0 || !Fits(p, needed)) return;
  FStream->SetPosition(p);
  FStream->ReadBuffer(b, needed);
  const int rateAt = version == 4 ? 52 : 58;
  AudioSampleRate = static_cast<int32_t>(BE(b + rateAt, 2));
  AudioChannels = IntToChannels(static_cast<int32_t>(BE(b + rateAt + 6, 2)));
}

void TMediaInfoRM::ReadRealAudioCodec(int64_t p, uint32_t version) {
  // The codec's four-character code: at a fixed place in version 5, after
  // the interleaver's name in version 4, after the four texts in version 3.
  // All of it lies within the type-specific data.
  uint8_t lengthField[4] = {};
  FStream->SetPosition(p);
  if (FStream->Read(lengthField, 4) < 4) return;
  const int64_t available = std::min<int64_t>(BE(lengthField, 4), 256);
  if (!Fits(p + 4, available)) return;
  std::string d(static_cast<size_t>(available), '\0');
  FStream->ReadBuffer(d.data(), available);
  // Offsets from here count from ".ra".
  auto str8 = [&](size_t& at) -> std::string {
    if (at >= d.size()) return "";
    const size_t n = static_cast<uint8_t>(d[at]);
    const std::string text = d.substr(at + 1, n);
    at += 1 + n;
    return text;
  };
  std::string code;
  if (version == 5 && d.size() >= 70) {
    code = d.substr(66, 4);
  } else if (version == 4) {
    size_t at = 56;
    str8(at);
    code = str8(at);
  } else if (version == 3) {
    size_t at = 22;
    for (int i = 0; i < 4; ++i) str8(at);
    ++at;
    code = str8(at);
  }
  if (code.size() == 4) AudioCodec = RealAudioCodecName(code);
}

void TMediaInfoRM::ReadVideoData_RealVideo(int64_t p) {
  if (!Fits(p, 28)) return;
  uint8_t b[28];
  FStream->SetPosition(p);
  FStream->ReadBuffer(b, 28);
  Width = static_cast<int32_t>(BE(b + 16, 2));
  Height = static_cast<int32_t>(BE(b + 18, 2));
  VideoFramesPerSecond = BE(b + 26, 2);
}

void TMediaInfoRM::ReadContentDescriptionHeader(int64_t s) {
  if (!ReadMetaData || !Fits(s, 10)) return;
  uint8_t header[10];
  FStream->SetPosition(s);
  FStream->ReadBuffer(header, 10);
  if (!Fits(s + 10, BE(header + 4, 4))) return;
  Title = ReadStringWordSize();
  Artist = ReadStringWordSize();
  Copyright = ReadStringWordSize();
  Comment = ReadStringWordSize();
}
