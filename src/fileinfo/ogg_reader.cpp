#include "fileinfo/ogg_reader.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "fileinfo/apev2_tag.h"
#include "foundation/number_format.h"

namespace {

uint32_t LE32(const uint8_t* p) {
  return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
uint32_t BE(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | p[i];
  return v;
}

int64_t Remaining(TStream& s) { return s.GetSize() - s.GetPosition(); }

int32_t ReadInt32LE(TStream& s) {
  uint8_t b[4];
  s.ReadBuffer(b, 4);
  return static_cast<int32_t>(LE32(b));
}

bool StartsWith(const TMemoryStream& s, const char* prefix, size_t n) {
  return s.Data().size() >= n && std::memcmp(s.Data().data(), prefix, n) == 0;
}

int32_t RoundHalfEven(double v) {
  if (!(v == v) || v >= 2147483647.0 || v <= -2147483648.0) return 0;
  return static_cast<int32_t>(std::nearbyint(v));
}

// The size of a cover picture in the largest unit below 1024, two decimals.
std::string CoverSizeText(int64_t n) {
  if (n < 1024) return std::to_string(n) + " Byte";
  static const char* const kUnits[] = {" KB", " MB", " GB", " TB", " PB", " EB", " ZB", " YB"};
  double v = static_cast<double>(n);
  int unit = -1;
  while (v >= 1024 && unit < 7) {
    v /= 1024;
    ++unit;
  }
  return FormatFloatFixed(v, 2, GlobalNumberFormat()) + kUnits[unit];
}

// Pages beyond this are no header pages: the Theora identification is looked
// for in the first pages only.
constexpr int kTheoraPages = 17;
// The last page starts in the file's tail: 40,960 positions are looked at.
constexpr int64_t kTailPositions = 40960;

}  // namespace

bool TOGGHeader::HasCapturePattern() const { return std::memcmp(Bytes.data(), "OggS", 4) == 0; }

int64_t TOGGHeader::GranulePosition() const {
  return static_cast<int64_t>(static_cast<uint64_t>(LE32(Bytes.data() + 10)) << 32 | LE32(Bytes.data() + 6));
}

int64_t TOGGHeader::DataSize() const {
  int64_t n = 0;
  for (int i = 0; i < Segments(); ++i) n += Bytes[27 + static_cast<size_t>(i)];
  return n;
}

TOGGStream::TOGGStream(TStream& stream) : Stream(stream) {
  try {
    const int64_t position = Stream.GetPosition();
    Stream.Read(FirstHeader.Bytes.data(), 282);
    Stream.SetPosition(position);
  } catch (const std::exception&) {
    FirstHeader = TOGGHeader();
  }
}

bool TOGGStream::GetNextPageData(TStream& target) {
  try {
    TOGGHeader h;
    if (Stream.Read(h.Bytes.data(), 27) < 27) return false;
    if (Stream.Read(h.Bytes.data() + 27, h.Segments()) < h.Segments()) return false;
    const int64_t size = h.DataSize();
    if (size > Remaining(Stream)) return false;
    if (size > 0) {
      std::string data(static_cast<size_t>(size), '\0');
      Stream.ReadBuffer(data.data(), size);
      const int64_t position = target.GetPosition();
      target.Seek(0, TSeekOrigin::End);
      target.WriteBuffer(data.data(), size);
      target.SetPosition(position);
    }
    ++Count;
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool TOGGStream::GetNextPageHeader(TOGGHeader& header, TStream* target) {
  try {
    header = TOGGHeader();
    const int64_t start = Stream.GetPosition();
    if (Stream.Read(header.Bytes.data(), 27) < 27 || !header.HasCapturePattern()) {
      Stream.SetPosition(start);
      return false;
    }
    if (Stream.Read(header.Bytes.data() + 27, header.Segments()) < header.Segments()) return false;
    const int64_t pageSize = 27 + header.Segments() + header.DataSize();
    if (pageSize > Stream.GetSize() - start) return false;
    Stream.SetPosition(start);
    if (target) {
      std::string page(static_cast<size_t>(pageSize), '\0');
      Stream.ReadBuffer(page.data(), pageSize);
      target->WriteBuffer(page.data(), pageSize);
    } else {
      Stream.SetPosition(start + pageSize);
    }
    ++Count;
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

std::string TVorbisTagFrame::GetAsText() {
  if (Format == 1) return Stream.Data();
  if (Format == 2) return "COVER ART BINARY " + CoverSizeText(Stream.GetSize());
  return "";
}

void TMediaInfoOGG::Clear() {
  DeleteAllFrames();
  FileName.clear();
  VendorString.clear();
  Valid = false;
  FileSize = 0;
}

TVorbisTagFrame* TMediaInfoOGG::AddFrame(const std::string& name) {
  auto f = std::make_unique<TVorbisTagFrame>();
  f->Name = name;
  f->Index = static_cast<int32_t>(Frames.size());
  Frames.push_back(std::move(f));
  return Frames.back().get();
}

std::string TMediaInfoOGG::ReadFrameByNameAsText(const std::string& name) {
  auto upper = [](std::string s) {
    for (char& c : s)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
  };
  const std::string wanted = upper(name);
  for (auto& f : Frames)
    if (upper(f->Name) == wanted) return f->GetAsText();
  return "";
}

void TMediaInfoOGG::SetTagItem(const std::string& text, const std::string& valueBytes) {
  const size_t eq = text.find('=');
  if (eq == std::string::npos) return;
  std::string name = text.substr(0, eq);
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  TVorbisTagFrame* f = AddFrame(name);
  const size_t valueStart = valueBytes.find('=');
  if (valueStart != std::string::npos && valueStart + 1 < valueBytes.size())
    f->Stream = TMemoryStream(valueBytes.substr(valueStart + 1));
  f->Format = name == "METADATA_BLOCK_PICTURE" ? 2 : 1;
}

bool TMediaInfoOGG::ReadFromFile(const std::string& fileName) {
  Clear();
  Valid = false;
  Codec = kOggCodecNone;
  std::unique_ptr<TStream> stream = OpenAudioFile(fileName);
  if (!stream) return false;
  if (ReadFromStream(*stream) != 0) return false;
  FileName = fileName;
  return true;
}

int32_t TMediaInfoOGG::ReadFromStream(TStream& stream) {
  Valid = false;
  Codec = kOggCodecNone;
  Clear();
  int64_t position = 0;
  try {
    FileSize = stream.GetSize();
    position = stream.GetPosition();
    stream.SetPosition(0);
    Valid = GetInfo(stream);
    stream.SetPosition(position);
  } catch (const std::exception&) {
    try {
      stream.SetPosition(position);
    } catch (const std::exception&) {
    }
    Valid = false;
    return 65535;
  }
  return Valid ? 0 : 65535;
}

void TMediaInfoOGG::ReadCodecHeader(TStream& stream, int64_t firstPage, uint8_t* target, int64_t size) {
  const int64_t position = stream.GetPosition();
  std::memset(target, 0, static_cast<size_t>(size));
  stream.SetPosition(firstPage + 28);
  stream.Read(target, size);
  stream.SetPosition(position);
}

bool TMediaInfoOGG::GetInfo(TStream& stream) {
  uint8_t id3[10] = {};
  stream.SetPosition(0);
  stream.Read(id3, 10);
  ID3v2Size = 0;
  if (std::memcmp(id3, "ID3", 3) == 0) {
    const int64_t size = 10 + ((id3[6] & 0x7F) << 21 | (id3[7] & 0x7F) << 14 | (id3[8] & 0x7F) << 7 | (id3[9] & 0x7F));
    ID3v2Size = size > stream.GetSize() ? 0 : static_cast<int32_t>(size);
  }
  StreamSize = stream.GetSize();
  stream.SetPosition(ID3v2Size);
  TOGGStream pages(stream);
  if (!pages.FirstHeader.HasCapturePattern()) return false;
  FirstPacket = TMemoryStream();
  pages.GetNextPageData(FirstPacket);
  FirstPacket.SetPosition(0);
  AudioDataStart = stream.GetPosition();
  TMemoryStream packets;
  pages.GetNextPageData(packets);
  packets.SetPosition(0);

  bool result = false;
  if (StartsWith(packets, "OpusTags", 8)) {
    Codec = kOggCodecOpus;
    ReadCodecHeader(stream, ID3v2Size, OpusHeader.data(), 19);
    packets.SetPosition(8);
    ReadTag(packets, pages);
    result = true;
  } else if (StartsWith(packets, "\x03vorbis", 7)) {
    Codec = kOggCodecVorbis;
    ReadCodecHeader(stream, ID3v2Size, VorbisIdentification.data(), 30);
    packets.SetPosition(7);
    ReadTag(packets, pages);
    result = true;
  } else if (StartsWith(FirstPacket, "Speex   ", 8)) {
    Codec = kOggCodecSpeex;
    ReadCodecHeader(stream, ID3v2Size, SpeexHeader.data(), 80);
    packets.SetPosition(0);
    ReadTag(packets, pages);
    result = true;
  } else {
    stream.SetPosition(ID3v2Size);
    for (int i = 0; i < kTheoraPages; ++i) {
      packets = TMemoryStream();
      if (!pages.GetNextPageData(packets)) break;
      if (StartsWith(packets, "\x80theora", 7)) {
        Codec = kOggCodecTheora;
        std::memset(TheoraIdentification.data(), 0, TheoraIdentification.size());
        std::memcpy(TheoraIdentification.data(), packets.Data().data(),
                    std::min(packets.Data().size(), TheoraIdentification.size()));
        result = true;
      }
    }
  }
  if (ParsePlayTime && result) {
    Samples = GetSamples(stream);
    PlayTime = GetPlayTime();
    if (Codec != kOggCodecTheora) {
      if (Codec == kOggCodecVorbis && VorbisNominalBitrate() != 0) {
        Bitrate = VorbisNominalBitrate() / 1000;
      } else if (PlayTime == 0) {
        Bitrate = 0;
      } else if (!DeepBitrateScan) {
        Bitrate = RoundHalfEven(static_cast<double>(StreamSize - AudioDataStart) / PlayTime / 125);
      } else {
        stream.SetPosition(AudioDataStart);
        TOGGStream scan(stream);
        TOGGHeader h;
        int64_t sum = 0;
        while (scan.GetNextPageHeader(h, nullptr)) sum += h.DataSize();
        Bitrate = RoundHalfEven(static_cast<double>(sum) / PlayTime / 125);
      }
    }
  }
  return result;
}

void TMediaInfoOGG::ReadTag(TMemoryStream& packets, TOGGStream& pages) {
  const int32_t vendorLength = ReadInt32LE(packets);
  if (vendorLength < 0 || vendorLength > Remaining(packets)) throw EReadError("Stream read error");
  VendorString.assign(packets.Data(), static_cast<size_t>(packets.GetPosition()), static_cast<size_t>(vendorLength));
  packets.Seek(vendorLength, TSeekOrigin::Current);
  CommentCount = ReadInt32LE(packets);
  // Fetches pages until the packet data holds n more bytes; at the end of the
  // file the reading fails instead of waiting for data that never comes.
  auto fetch = [&](int64_t n) {
    while (Remaining(packets) < n) {
      const int64_t before = packets.GetSize();
      if (!pages.GetNextPageData(packets) || packets.GetSize() == before) throw EReadError("Stream read error");
    }
  };
  for (int32_t i = 0; i < CommentCount; ++i) {
    fetch(4);
    const int32_t length = ReadInt32LE(packets);
    if (length < 0) throw EReadError("Stream read error");
    fetch(length);
    const std::string bytes =
        packets.Data().substr(static_cast<size_t>(packets.GetPosition()), static_cast<size_t>(length));
    packets.Seek(length, TSeekOrigin::Current);
    SetTagItem(bytes, bytes);
  }
  AudioDataStart = pages.Stream.GetPosition();
  Album = ReadFrameByNameAsText("ALBUM");
  Artist = ReadFrameByNameAsText("ARTIST");
  Comment = ReadFrameByNameAsText("COMMENT");
  Genre = ReadFrameByNameAsText("GENRE");
  Title = ReadFrameByNameAsText("TITLE");
  Date = ReadFrameByNameAsText("DATE");
  Track = ReadFrameByNameAsText("TRACKNUMBER");
  DiscNumber = ReadFrameByNameAsText("DISCNUMBER");
}

int64_t TMediaInfoOGG::GetSamples(TStream& stream) {
  // The tail is read once and searched backwards in memory.
  const int64_t size = stream.GetSize();
  const int64_t tailStart = std::max<int64_t>(0, size - 3 - kTailPositions);
  std::string tail(static_cast<size_t>(size - tailStart), '\0');
  stream.SetPosition(tailStart);
  tail.resize(static_cast<size_t>(std::max<int64_t>(stream.Read(tail.data(), static_cast<int64_t>(tail.size())), 0)));
  for (int64_t p = static_cast<int64_t>(tail.size()) - 4; p >= 0; --p) {
    if (std::memcmp(tail.data() + p, "OggS", 4) == 0) {
      TOGGHeader h;
      std::memcpy(h.Bytes.data(), tail.data() + p, std::min<size_t>(27, tail.size() - static_cast<size_t>(p)));
      return h.GranulePosition();
    }
  }
  return 0;
}

int32_t TMediaInfoOGG::VorbisSampleRate() const { return static_cast<int32_t>(LE32(VorbisIdentification.data() + 12)); }
int32_t TMediaInfoOGG::VorbisNominalBitrate() const {
  return static_cast<int32_t>(LE32(VorbisIdentification.data() + 20));
}

double TMediaInfoOGG::GetPlayTime() const {
  switch (Codec) {
    case kOggCodecVorbis:
      if (Samples > 0) return VorbisSampleRate() > 0 ? static_cast<double>(Samples) / VorbisSampleRate() : 0;
      // Without a last granule the play time follows from the nominal rate.
      if (VorbisNominalBitrate() > 0 && VorbisChannels() > 0)
        return static_cast<double>(StreamSize - ID3v2Size) * 8 / VorbisNominalBitrate();
      return 0;
    case kOggCodecOpus: return Samples > 0 ? static_cast<double>(Samples) / 48000 : 0;
    case kOggCodecSpeex: {
      const int32_t rate = static_cast<int32_t>(LE32(SpeexHeader.data() + 36));
      return Samples > 0 && rate > 0 ? static_cast<double>(Samples) / rate : 0;
    }
    default: return 0;
  }
}

int32_t TMediaInfoOGG::GetAudioSampleRate() const {
  switch (Codec) {
    case kOggCodecVorbis: return VorbisSampleRate();
    case kOggCodecOpus: return static_cast<int32_t>(LE32(OpusHeader.data() + 12));
    case kOggCodecSpeex: return static_cast<int32_t>(LE32(SpeexHeader.data() + 36));
    default: return 0;
  }
}

TAudioInfoChannels TMediaInfoOGG::GetAudioChannels() const {
  int32_t channels;
  switch (Codec) {
    case kOggCodecVorbis: channels = VorbisChannels(); break;
    case kOggCodecOpus: channels = OpusHeader[9]; break;
    case kOggCodecSpeex: channels = static_cast<int32_t>(LE32(SpeexHeader.data() + 48)); break;
    default: return aicUnknown;
  }
  if (channels == 0) return aicUnknown;
  return channels == 1 ? aicMono : channels == 2 ? aicStereo : aicMultiChannel;
}

// The picture size fields give the visible picture; the frame size in
// macroblocks is rounded up to multiples of 16.
int32_t TMediaInfoOGG::GetVideoWidth() const { return static_cast<int32_t>(BE(TheoraIdentification.data() + 14, 3)); }
int32_t TMediaInfoOGG::GetVideoHeight() const { return static_cast<int32_t>(BE(TheoraIdentification.data() + 17, 3)); }

double TMediaInfoOGG::GetVideoFrameRate() const {
  const uint32_t n = BE(TheoraIdentification.data() + 22, 4);
  const uint32_t d = BE(TheoraIdentification.data() + 26, 4);
  return n > 0 && d > 0 ? static_cast<double>(n) / d : 0;
}
