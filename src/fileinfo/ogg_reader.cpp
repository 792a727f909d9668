#include "fileinfo/ogg_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "fileinfo/apev2_tag.h"
#include "fileinfo/read_ahead_stream.h"
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
// Blocks in which the search for the last page goes on before the tail.
constexpr int64_t kBackwardBlock = 65536;
// Logical streams that the first pages and the tail are looked at for.
constexpr size_t kMaxStreams = 64;

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
    int64_t size = 0;
    // Pages of other streams are stepped over; each moves on by 27 bytes or more.
    while (true) {
      if (Stream.Read(h.Bytes.data(), 27) < 27) return false;
      if (Stream.Read(h.Bytes.data() + 27, h.Segments()) < h.Segments()) return false;
      size = h.DataSize();
      if (size > Remaining(Stream)) return false;
      if (Serial < 0 || LE32(h.Bytes.data() + 14) == static_cast<uint32_t>(Serial)) break;
      Stream.Seek(size, TSeekOrigin::Current);
    }
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

namespace {

constexpr uint8_t kPageBeginsStream = 0x02;

uint32_t PageSerial(const TOGGHeader& h) { return LE32(h.Bytes.data() + 14); }

// The codec told by a stream's first packet.
int32_t CodecOfFirstPacket(const std::string& packet) {
  auto starts = [&](const char* magic, size_t n) { return packet.size() >= n && packet.compare(0, n, magic, n) == 0; };
  if (starts("\x01vorbis", 7)) return kOggCodecVorbis;
  if (starts("OpusHead", 8)) return kOggCodecOpus;
  if (starts("Speex   ", 8)) return kOggCodecSpeex;
  if (starts("\x80theora", 7)) return kOggCodecTheora;
  if (starts("\x7F"
             "FLAC",
             5))
    return kOggCodecFLAC;
  return kOggCodecNone;
}

bool IsAudioCodec(int32_t codec) {
  return codec == kOggCodecVorbis || codec == kOggCodecOpus || codec == kOggCodecSpeex || codec == kOggCodecFLAC;
}

// Reads the page at the stream's position: its header and up to maxData bytes
// of its data; the stream then stands at the page's end. False at the end of
// the stream, for a page without "OggS" and for one that runs past the end.
bool ReadPage(TStream& s, TOGGHeader& h, std::string* data, int64_t maxData) {
  h = TOGGHeader();
  const int64_t start = s.GetPosition();
  if (s.Read(h.Bytes.data(), 27) < 27 || !h.HasCapturePattern()) return false;
  if (s.Read(h.Bytes.data() + 27, h.Segments()) < h.Segments()) return false;
  const int64_t dataStart = start + 27 + h.Segments();
  const int64_t size = h.DataSize();
  if (size > s.GetSize() - dataStart) return false;
  if (data) {
    data->assign(static_cast<size_t>(std::min(size, maxData)), '\0');
    s.ReadBuffer(data->data(), static_cast<int64_t>(data->size()));
  }
  s.SetPosition(dataStart + size);
  return true;
}

// Bytes of a first packet that the codec records hold.
constexpr int64_t kFirstPacketBytes = 80;

}  // namespace

double TMediaInfoOGG::LinkPlayTime(int32_t codec, const std::string& firstPacket, int64_t granule) {
  if (granule <= 0) return 0;
  const auto* p = reinterpret_cast<const uint8_t*>(firstPacket.data());
  const size_t n = firstPacket.size();
  switch (codec) {
    case kOggCodecVorbis: {
      const uint32_t rate = n >= 16 ? LE32(p + 12) : 0;
      return rate > 0 ? static_cast<double>(granule) / rate : 0;
    }
    case kOggCodecOpus: return static_cast<double>(granule) / 48000;
    case kOggCodecSpeex: {
      const uint32_t rate = n >= 40 ? LE32(p + 36) : 0;
      return rate > 0 ? static_cast<double>(granule) / rate : 0;
    }
    case kOggCodecFLAC: {
      const uint32_t rate = n >= 30 ? (p[27] << 12 | p[28] << 4 | p[29] >> 4) : 0;
      return rate > 0 ? static_cast<double>(granule) / rate : 0;
    }
    case kOggCodecTheora: {
      if (n < 42) return 0;
      const uint32_t num = BE(p + 22, 4), den = BE(p + 26, 4);
      if (num == 0 || den == 0) return 0;
      // The granule holds the last key frame's number above the shift and the
      // frames since it below; before version 3.2.1 it counted from 0.
      const int shift = (p[40] & 0x03) << 3 | p[41] >> 5;
      const uint64_t g = static_cast<uint64_t>(granule);
      const uint64_t frames = (g >> shift) + (g & ((uint64_t{1} << shift) - 1));
      const bool fromZero = BE(p + 7, 3) < 0x030201;
      return static_cast<double>(frames + (fromZero ? 1 : 0)) * den / num;
    }
    default: return 0;
  }
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
  FLinkPlayTime = -1;
  FVideoPlayTime = -1;
  stream.SetPosition(ID3v2Size);
  TOGGStream pages(stream);
  if (!pages.FirstHeader.HasCapturePattern()) return false;

  // The streams of the first link begin with their first pages, one after
  // another; the first page begins one in any case.
  struct TLogicalStream {
    uint32_t Serial;
    int32_t Codec;
    std::string FirstPacket;
  };
  std::vector<TLogicalStream> streams;
  TOGGHeader h;
  std::string data;
  int64_t afterFirstPages = ID3v2Size;
  while (streams.size() < kMaxStreams && ReadPage(stream, h, &data, 65536)) {
    if (!streams.empty() && !(h.Bytes[5] & kPageBeginsStream)) break;
    if (streams.empty()) {
      FirstPacket = TMemoryStream(data);
      FirstPacket.SetPosition(0);
    }
    streams.push_back({PageSerial(h), CodecOfFirstPacket(data), data.substr(0, kFirstPacketBytes)});
    afterFirstPages = stream.GetPosition();
  }
  if (streams.empty()) return false;
  AudioDataStart = afterFirstPages;
  // The first audio stream is the one reported; a video alone is Theora's.
  const TLogicalStream* primary = nullptr;
  for (const auto& ls : streams)
    if (!primary && IsAudioCodec(ls.Codec)) primary = &ls;
  for (const auto& ls : streams) {
    if (ls.Codec != kOggCodecTheora) continue;
    std::memset(TheoraIdentification.data(), 0, TheoraIdentification.size());
    std::memcpy(TheoraIdentification.data(), ls.FirstPacket.data(),
                std::min(ls.FirstPacket.size(), TheoraIdentification.size()));
    if (!primary) primary = &ls;
    break;
  }
  bool result = false;
  if (primary) {
    Codec = primary->Codec;
    auto copy = [&](uint8_t* target, size_t size) {
      std::memset(target, 0, size);
      std::memcpy(target, primary->FirstPacket.data(), std::min(primary->FirstPacket.size(), size));
    };
    switch (Codec) {
      case kOggCodecVorbis: copy(VorbisIdentification.data(), VorbisIdentification.size()); break;
      case kOggCodecOpus: copy(OpusHeader.data(), OpusHeader.size()); break;
      case kOggCodecSpeex: copy(SpeexHeader.data(), SpeexHeader.size()); break;
      case kOggCodecFLAC: copy(FlacIdentification.data(), FlacIdentification.size()); break;
      default: break;
    }
    result = true;
    // The comments are the stream's second packet, on the pages of its own
    // serial number; Theora's are not read.
    if (Codec != kOggCodecTheora) {
      stream.SetPosition(afterFirstPages);
      pages.Serial = primary->Serial;
      TMemoryStream packets;
      if (pages.GetNextPageData(packets)) {
        packets.SetPosition(0);
        if (Codec == kOggCodecOpus && StartsWith(packets, "OpusTags", 8)) {
          packets.SetPosition(8);
          ReadTag(packets, pages);
        } else if (Codec == kOggCodecVorbis && StartsWith(packets, "\x03vorbis", 7)) {
          packets.SetPosition(7);
          ReadTag(packets, pages);
        } else if (Codec == kOggCodecSpeex) {
          ReadTag(packets, pages);
        } else if (Codec == kOggCodecFLAC && packets.GetSize() >= 4 && (packets.Data()[0] & 0x7F) == 4) {
          // A metadata block of type VORBIS_COMMENT behind its 4-byte head.
          packets.SetPosition(4);
          ReadTag(packets, pages);
        } else {
          AudioDataStart = stream.GetPosition();
        }
      }
      pages.Serial = -1;
    }
  } else {
    // Streams whose first pages do not say so: a Theora identification may
    // stand on any of the first pages.
    stream.SetPosition(ID3v2Size);
    for (int i = 0; i < kTheoraPages; ++i) {
      TMemoryStream packets;
      if (!pages.GetNextPageData(packets)) break;
      if (StartsWith(packets, "\x80theora", 7)) {
        Codec = kOggCodecTheora;
        std::memset(TheoraIdentification.data(), 0, TheoraIdentification.size());
        std::memcpy(TheoraIdentification.data(), packets.Data().data(),
                    std::min(packets.Data().size(), TheoraIdentification.size()));
        result = true;
      }
    }
    if (result) streams.push_back({0, kOggCodecTheora, std::string()});
  }
  if (ParsePlayTime && result) {
    const uint32_t serial = primary ? primary->Serial : 0;
    Samples = GetSamples(stream, primary ? static_cast<int64_t>(serial) : -1);
    // A page of a stream the first link does not hold belongs to a later link
    // of a chained file; a primary stream missing from the tail is multiplexed
    // with one that ends later. Both need the walk over all pages.
    bool tailHasOtherLink = false;
    for (uint32_t tailSerial : FTailSerials) {
      bool known = false;
      for (const auto& ls : streams) known = known || ls.Serial == tailSerial;
      tailHasOtherLink = tailHasOtherLink || !known;
    }
    if (primary && (tailHasOtherLink || Samples < 0)) {
      FLinkPlayTime = WalkLinks(stream);
      if (Samples < 0) Samples = 0;
    }
    if (Samples < 0) Samples = 0;
    PlayTime = GetPlayTime();
    // A video beside the audio stream runs as long as its own last frame.
    FVideoPlayTime = -1;
    for (const auto& ls : streams) {
      if (ls.Codec != kOggCodecTheora || &ls == primary) continue;
      const int64_t granule = GetSamples(stream, ls.Serial);
      if (granule > 0) FVideoPlayTime = LinkPlayTime(kOggCodecTheora, ls.FirstPacket, granule);
      break;
    }
    if (Codec != kOggCodecTheora) {
      if (Codec == kOggCodecVorbis && VorbisNominalBitrate() != 0 && FLinkPlayTime < 0) {
        Bitrate = VorbisNominalBitrate() / 1000;
      } else if (PlayTime == 0) {
        Bitrate = 0;
      } else if (!DeepBitrateScan) {
        Bitrate = RoundHalfEven(static_cast<double>(StreamSize - AudioDataStart) / PlayTime / 125);
      } else {
        stream.SetPosition(AudioDataStart);
        TOGGStream scan(stream);
        TOGGHeader page;
        int64_t sum = 0;
        while (scan.GetNextPageHeader(page, nullptr)) sum += page.DataSize();
        Bitrate = RoundHalfEven(static_cast<double>(sum) / PlayTime / 125);
      }
    }
  }
  return result;
}

double TMediaInfoOGG::WalkLinks(TStream& source) {
  // Every page head of the file, in order; the data is stepped over. A page
  // that begins a stream after pages that did not begins a new link.
  TReadAheadStream s(source);
  s.SetPosition(ID3v2Size);
  struct TLink {
    uint32_t Serial = 0;
    int32_t Codec = kOggCodecNone;
    std::string FirstPacket;
    int64_t Granule = -1;
    bool Chosen = false;
  };
  double total = 0;
  TLink link;
  bool inFirstPages = false;
  auto close = [&]() {
    if (link.Chosen) total += LinkPlayTime(link.Codec, link.FirstPacket, link.Granule);
    link = TLink();
  };
  TOGGHeader h;
  std::string data;
  bool firstPage = true;
  while (ReadPage(s, h, &data, kFirstPacketBytes)) {
    const bool begins = (h.Bytes[5] & kPageBeginsStream) != 0 || firstPage;
    firstPage = false;
    if (begins && !inFirstPages) close();
    inFirstPages = begins;
    const uint32_t serial = PageSerial(h);
    if (begins) {
      const int32_t codec = CodecOfFirstPacket(data);
      // The first audio stream of the link, else its video.
      const bool better = !link.Chosen || (IsAudioCodec(codec) && !IsAudioCodec(link.Codec));
      if ((IsAudioCodec(codec) || codec == kOggCodecTheora) && better) {
        link.Serial = serial;
        link.Codec = codec;
        link.FirstPacket = data;
        link.Granule = -1;
        link.Chosen = true;
      }
    } else if (link.Chosen && serial == link.Serial && h.GranulePosition() != -1) {
      link.Granule = h.GranulePosition();
    }
  }
  close();
  return total;
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

int64_t TMediaInfoOGG::GetSamples(TStream& stream, int64_t serial) {
  // The tail is read once and searched backwards in memory.
  FTailSerials.clear();
  const int64_t size = stream.GetSize();
  const int64_t tailStart = std::max<int64_t>(0, size - 3 - kTailPositions);
  std::string tail(static_cast<size_t>(size - tailStart), '\0');
  stream.SetPosition(tailStart);
  tail.resize(static_cast<size_t>(std::max<int64_t>(stream.Read(tail.data(), static_cast<int64_t>(tail.size())), 0)));
  int64_t result = serial < 0 ? 0 : -1;
  bool pageFound = false;
  for (int64_t p = static_cast<int64_t>(tail.size()) - 4; p >= 0; --p) {
    if (std::memcmp(tail.data() + p, "OggS", 4) != 0) continue;
    TOGGHeader h;
    std::memcpy(h.Bytes.data(), tail.data() + p, std::min<size_t>(27, tail.size() - static_cast<size_t>(p)));
    if (serial < 0) return h.GranulePosition();
    // The serial numbers met in the tail tell chained and multiplexed files.
    if (tail.size() - static_cast<size_t>(p) >= 27 && FTailSerials.size() < kMaxStreams) {
      pageFound = true;
      const uint32_t pageSerial = PageSerial(h);
      if (std::find(FTailSerials.begin(), FTailSerials.end(), pageSerial) == FTailSerials.end())
        FTailSerials.push_back(pageSerial);
      if (result < 0 && pageSerial == static_cast<uint32_t>(serial) && h.GranulePosition() != -1)
        result = h.GranulePosition();
    }
  }
  if (result >= 0 && pageFound) return result;
  // A last page larger than the tail (Ogg FLAC puts a whole frame on one)
  // starts further back: the search goes on backwards block by block, every
  // byte looked at once, until a page of the stream that names a granule
  // position, or the start of the file.
  std::string block;
  std::string later = tail.substr(0, std::min<size_t>(tail.size(), 26));
  int64_t blockEnd = tailStart;
  while (blockEnd > 0) {
    const int64_t blockStart = std::max<int64_t>(0, blockEnd - kBackwardBlock);
    block.assign(static_cast<size_t>(blockEnd - blockStart), '\0');
    stream.SetPosition(blockStart);
    if (stream.Read(block.data(), static_cast<int64_t>(block.size())) != static_cast<int64_t>(block.size())) break;
    const size_t own = block.size();
    block += later;
    for (int64_t p = static_cast<int64_t>(std::min(own, block.size() - 3)) - 1; p >= 0; --p) {
      if (std::memcmp(block.data() + p, "OggS", 4) != 0) continue;
      TOGGHeader h;
      std::memcpy(h.Bytes.data(), block.data() + p, std::min<size_t>(27, block.size() - static_cast<size_t>(p)));
      if (serial < 0) return h.GranulePosition();
      if (block.size() - static_cast<size_t>(p) >= 27 && PageSerial(h) == static_cast<uint32_t>(serial) &&
          h.GranulePosition() != -1)
        return h.GranulePosition();
    }
    later = block.substr(0, std::min<size_t>(block.size(), 26));
    blockEnd = blockStart;
  }
  // A tail without any page tells nothing of the streams.
  if (result < 0 && FTailSerials.empty()) return 0;
  return result;
}

int32_t TMediaInfoOGG::VorbisSampleRate() const { return static_cast<int32_t>(LE32(VorbisIdentification.data() + 12)); }
int32_t TMediaInfoOGG::VorbisNominalBitrate() const {
  return static_cast<int32_t>(LE32(VorbisIdentification.data() + 20));
}

double TMediaInfoOGG::GetPlayTime() const {
  if (FLinkPlayTime >= 0) return FLinkPlayTime;
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
    case kOggCodecFLAC:
      return LinkPlayTime(Codec, std::string(FlacIdentification.begin(), FlacIdentification.end()), Samples);
    case kOggCodecTheora:
      return LinkPlayTime(Codec, std::string(TheoraIdentification.begin(), TheoraIdentification.end()), Samples);
    default: return 0;
  }
}

double TMediaInfoOGG::GetVideoPlayTime() const { return FVideoPlayTime >= 0 ? FVideoPlayTime : GetPlayTime(); }

int32_t TMediaInfoOGG::GetAudioSampleRate() const {
  switch (Codec) {
    case kOggCodecVorbis: return VorbisSampleRate();
    case kOggCodecOpus: return static_cast<int32_t>(LE32(OpusHeader.data() + 12));
    case kOggCodecSpeex: return static_cast<int32_t>(LE32(SpeexHeader.data() + 36));
    case kOggCodecFLAC: return FlacIdentification[27] << 12 | FlacIdentification[28] << 4 | FlacIdentification[29] >> 4;
    default: return 0;
  }
}

TAudioInfoChannels TMediaInfoOGG::GetAudioChannels() const {
  int32_t channels;
  switch (Codec) {
    case kOggCodecVorbis: channels = VorbisChannels(); break;
    case kOggCodecOpus: channels = OpusHeader[9]; break;
    case kOggCodecSpeex: channels = static_cast<int32_t>(LE32(SpeexHeader.data() + 48)); break;
    case kOggCodecFLAC: channels = ((FlacIdentification[29] >> 1) & 7) + 1; break;
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
