#include "fileinfo/flac_tag.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string_view>

#include "fileinfo/apev2_tag.h"

namespace {

uint32_t LE32(const uint8_t* p) {
  return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
uint32_t BE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         p[3];
}

// Fills the whole target with zeros first, so a short read leaves zeros.
int64_t Read2(TStream& s, void* target, int64_t count) {
  std::memset(target, 0, static_cast<size_t>(count));
  return s.Read(target, count);
}

int32_t ReadInt32LE(TStream& s) {
  uint8_t b[4];
  if (Read2(s, b, 4) < 4) throw EReadError("Stream read error");
  return static_cast<int32_t>(LE32(b));
}

// Reads count bytes, refusing lengths the rest of the stream cannot hold
// before anything is allocated.
std::string ReadBytes(TStream& s, int64_t count) {
  if (count > s.GetSize() - s.GetPosition()) throw EReadError("Stream read error");
  std::string bytes(static_cast<size_t>(count), '\0');
  s.ReadBuffer(bytes.data(), count);
  return bytes;
}

std::string UpperAZ(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// Real comment blocks hold some dozens of fields. Beyond this many, a field is
// kept only when it is the first of a name that a text field shows.
constexpr size_t kMaxKeptComments = 4096;

// Decides which fields are kept, in bounded memory and time per field.
class TCommentKeeper {
 public:
  explicit TCommentKeeper(const std::vector<std::unique_ptr<TVorbisComment>>& frames) : FFrames(frames) {}
  // The name as stored; it is compared upper-cased (a to z).
  bool Keep(std::string_view name) {
    if (FFrames.size() < kMaxKeptComments) return true;
    const int shown = ShownIndex(name);
    if (shown < 0) return false;
    if (!FPresentKnown) {
      for (const auto& f : FFrames) {
        const int i = ShownIndex(f->Name);
        if (i >= 0) FPresent[i] = true;
      }
      FPresentKnown = true;
    }
    if (FPresent[shown]) return false;
    FPresent[shown] = true;
    return true;
  }

 private:
  static int ShownIndex(std::string_view name) {
    static const std::string_view kShown[] = {"ALBUM", "ARTIST", "COMMENT",     "GENRE",
                                              "TITLE", "DATE",   "TRACKNUMBER", "DISCNUMBER"};
    for (int i = 0; i < 8; ++i) {
      if (name.size() != kShown[i].size()) continue;
      bool same = true;
      for (size_t k = 0; k < name.size() && same; ++k) {
        const char c = name[k] >= 'a' && name[k] <= 'z' ? static_cast<char>(name[k] - 'a' + 'A') : name[k];
        same = c == kShown[i][k];
      }
      if (same) return i;
    }
    return -1;
  }
  const std::vector<std::unique_ptr<TVorbisComment>>& FFrames;
  bool FPresent[8] = {};
  bool FPresentKnown = false;
};

int64_t LeadingId3v2Size(TStream& s) {
  uint8_t b[10];
  s.SetPosition(0);
  Read2(s, b, 10);
  if (std::memcmp(b, "ID3", 3) != 0) return 0;
  int64_t size = (b[6] & 0x7F) * (int64_t{1} << 21) + (b[7] & 0x7F) * (int64_t{1} << 14) + (b[8] & 0x7F) * 128 +
                 (b[9] & 0x7F) + 10;
  return size > s.GetSize() ? 0 : size;
}

}  // namespace

std::string TVorbisComment::GetAsText() {
  if (Format != 1) return "";
  std::string bytes = Stream.Data();
  for (char& c : bytes) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 32 && u != 10 && u != 13) c = ' ';
  }
  Stream.SetPosition(0);
  return bytes;
}

void TFlacTag::Clear() {
  FResetData(true, true);
  MetadataComplete = false;
  VendorString.clear();
}

void TFlacTag::FResetData(bool resetInformation, bool resetTags) {
  if (resetInformation) {
    OggFlacHeader.fill(0);
    PaddingSize = PaddingIndex = VorbisIndex = 0;
    VorbisPosition = AudioOffset = AudioSize = 0;
    Channels = 0;
    SampleRate = 0;
    BitsPerSample = 0;
    BitRate = 0;
    FileSize = Samples = 0;
    OtherBlocksSize = 0;
    StreamKind = 0;
    PaddingLast = ExtraPadding = false;
    MetaBlocksOther.clear();
  }
  if (resetTags) {
    VendorString.clear();
    VorbisSize = 0;
    HasTags = false;
    DeleteAllFrames();
  }
}

TVorbisComment* TFlacTag::AddTag(const std::string& name) {
  auto c = std::make_unique<TVorbisComment>(this);
  c->Name = name;
  c->Index = static_cast<int32_t>(Frames.size());
  Frames.push_back(std::move(c));
  return Frames.back().get();
}

int32_t TFlacTag::AddMetaDataOther(const std::array<uint8_t, 4>& header, TStream* source, int64_t size,
                                   int32_t blockType) {
  TMetaData m;
  m.BlockHeader = header;
  m.BlockType = blockType;
  m.Data = std::make_unique<TMemoryStream>();
  if (source && size > 0) {
    std::string data = ReadBytes(*source, size);
    m.Data->WriteBuffer(data.data(), size);
    m.Data->SetPosition(0);
  }
  MetaBlocksOther.push_back(std::move(m));
  return static_cast<int32_t>(MetaBlocksOther.size()) - 1;
}

std::string TFlacTag::ReadFrameByNameAsText(const std::string& name) {
  const std::string wanted = UpperAZ(name);
  for (auto& f : Frames)
    if (UpperAZ(f->Name) == wanted) return f->Format == 1 ? f->GetAsText() : "";
  return "";
}

bool TFlacTag::FIsValid() const {
  const bool marker = (StreamKind == 1 && std::memcmp(FlacHeader.data(), "fLaC", 4) == 0) ||
                      (StreamKind == 2 && std::memcmp(OggFlacHeader.data() + 9, "fLaC", 4) == 0);
  return marker && Channels > 0 && SampleRate > 0 && BitsPerSample > 0 && Samples > 0;
}

double TFlacTag::GetPlayTime() const {
  return FIsValid() && SampleRate > 0 ? static_cast<double>(Samples) / SampleRate : 0;
}

TAudioInfoChannels TFlacTag::GetChannelsAsAIC() const {
  if (!FIsValid()) return aicUnknown;
  return Channels == 1 ? aicMono : Channels == 2 ? aicStereo : aicMultiChannel;
}

void TFlacTag::TakeStreamInfo(const uint8_t* info) {
  SampleRate = static_cast<int32_t>(info[10] << 12 | info[11] << 4 | info[12] >> 4);
  Channels = static_cast<uint8_t>(((info[12] >> 1) & 7) + 1);
  BitsPerSample = static_cast<uint8_t>(((info[12] & 1) << 4 | info[13] >> 4) + 1);
  // The total is a 36-bit field: the low nibble of byte 13 holds its top bits.
  Samples = static_cast<int64_t>(info[13] & 0x0F) << 32 | BE32(info + 14);
}

void TFlacTag::ReadTag(TStream& r, bool parseTags, int64_t blockEnd) {
  // A damaged block (a count or a length past its end) keeps the comments
  // read before the damage; the stream information beside it stays valid.
  const int64_t end = std::min(blockEnd, r.GetSize());
  const auto fits = [&](int64_t count) { return count >= 0 && count <= end - r.GetPosition(); };
  std::string field;
  TCommentKeeper keeper(Frames);
  int32_t count = 0;
  if (fits(4)) {
    const int32_t vendorLength = ReadInt32LE(r);
    if (vendorLength >= 0 && fits(vendorLength)) {
      if (vendorLength > 0) VendorString = ReadBytes(r, vendorLength);
      if (fits(4)) count = ReadInt32LE(r);
    }
  }
  HasTags = count > 0;
  for (int32_t i = 0; i < count && fits(4); ++i) {
    const int32_t length = ReadInt32LE(r);
    // A negative length belongs to a damaged block: what follows would be read
    // from the wrong place, so the comments end here.
    if (length < 0 || !fits(length)) break;
    if (length == 0) continue;
    if (!parseTags) {
      r.Seek(length, TSeekOrigin::Current);
      continue;
    }
    // One buffer serves every field; beyond the kept ones nothing is copied.
    field.resize(static_cast<size_t>(length));
    r.ReadBuffer(field.data(), length);
    const size_t eq = field.find('=');
    if (eq == std::string::npos) continue;
    if (!keeper.Keep(std::string_view(field.data(), eq))) continue;
    TVorbisComment* c = AddTag(UpperAZ(field.substr(0, eq)));
    c->Stream = TMemoryStream(field.substr(eq + 1));
    c->Stream.SetPosition(0);
    c->Format = 1;
  }
  Album = ReadFrameByNameAsText("ALBUM");
  Artist = ReadFrameByNameAsText("ARTIST");
  Comment = ReadFrameByNameAsText("COMMENT");
  Genre = ReadFrameByNameAsText("GENRE");
  Title = ReadFrameByNameAsText("TITLE");
  Date = ReadFrameByNameAsText("DATE");
  TrackNumber = ReadFrameByNameAsText("TRACKNUMBER");
  DiscNumber = ReadFrameByNameAsText("DISCNUMBER");
}

int32_t TFlacTag::GetInfo(TStream& stream, bool buffered, bool parseTags) {
  int32_t result = 65535;
  std::unique_ptr<TBufferedStream> buffer;
  if (buffered) buffer = std::make_unique<TBufferedStream>(stream);
  TStream& s = buffered ? *buffer : stream;
  FResetData(true, false);
  // Runs whatever way the reading ends, also when a read failure passes.
  auto finish = [&]() {
    if (FIsValid()) {
      AudioOffset = s.GetPosition();
      AudioSize = FileSize - AudioOffset;
      const double rate = (static_cast<double>(FileSize - AudioOffset) / 1000 * 8) / GetPlayTime();
      BitRate = rate >= std::numeric_limits<int32_t>::max() || !(rate == rate)
                    ? 0
                    : static_cast<int32_t>(std::nearbyint(rate));
    }
    if (!FIsValid() && result == 65535) result = kFlacNotFound;
  };
  if (s.GetSize() == 0) return kFlacEmpty;
  try {
    FileSize = s.GetSize();
    const int64_t t = LeadingId3v2Size(s);
    s.SetPosition(t);
    Read2(s, FlacHeader.data(), 42);

    // The metadata blocks, from a stream that the Ogg case refills page by page.
    auto walk = [&](TStream& m, const std::function<bool(int64_t)>& ensure) {
      int32_t n = 0;
      bool paddingSeen = false;
      while (true) {
        if (!ensure(4)) return;
        std::array<uint8_t, 4> header{};
        if (Read2(m, header.data(), 4) < 4) return;
        ++n;
        const int32_t type = header[0] & 0x7F;
        const bool last = header[0] & 0x80;
        const int64_t length = header[1] << 16 | header[2] << 8 | header[3];
        if (length == 0) {
          OtherBlocksSize += 4;
        } else if (type > 6) {
          result = kFlacRead;
          return;
        } else {
          if (!ensure(length)) return;
          const int64_t dataStart = m.GetPosition();
          if (type == 4) {
            VorbisPosition = dataStart;
            VorbisSize = length;
            VorbisIndex = n;
            ReadTag(m, parseTags, dataStart + length);
            m.SetPosition(dataStart + length);
          } else if (length > m.GetSize() - dataStart) {
            return;  // a block running past the end of the file
          } else if (type == 1 && !paddingSeen) {
            paddingSeen = true;
            PaddingSize = static_cast<int32_t>(length);
            PaddingLast = last;
            PaddingIndex = n;
            m.Seek(length, TSeekOrigin::Current);
          } else {
            if (type == 1) ExtraPadding = true;
            if (type == 6) {
              m.Seek(length, TSeekOrigin::Current);
            } else {
              AddMetaDataOther(header, &m, length, type);
            }
            OtherBlocksSize += static_cast<int32_t>(length + 4);
          }
        }
        if (last) {
          MetadataComplete = true;
          result = kFlacRead;
          return;
        }
      }
    };

    if (std::memcmp(FlacHeader.data(), "fLaC", 4) == 0) {
      StreamKind = 1;
      TakeStreamInfo(FlacHeader.data() + 8);
      if (FlacHeader[4] & 0x80) {
        result = kFlacOnlyStreamInfo;
      } else {
        walk(s, [](int64_t) { return true; });
        // A file that ends inside its metadata was read as far as it goes.
        if (result == 65535) result = kFlacRead;
      }
    } else {
      uint8_t page[282];
      s.SetPosition(t);
      Read2(s, page, 282);
      if (std::memcmp(page, "OggS", 4) != 0) {
        result = kFlacNotFound;
      } else {
        s.SetPosition(t + 28);
        Read2(s, OggFlacHeader.data(), 51);
        const uint8_t* h = OggFlacHeader.data();
        if (h[0] != 0x7F || std::memcmp(h + 1, "FLAC", 4) != 0 || h[5] != 1 || std::memcmp(h + 9, "fLaC", 4) != 0) {
          result = h[5] != 1 ? kFlacNotOggFlacVersion1 : kFlacNotFound;
        } else {
          StreamKind = 2;
          TakeStreamInfo(h + 17);
          if (h[13] & 0x80) {
            result = kFlacOnlyStreamInfo;
          } else {
            TOGGStream pages(s);
            TMemoryStream m;
            pages.GetNextPageData(m);
            m.SetPosition(0);
            walk(m, [&](int64_t needed) {
              while (m.GetSize() - m.GetPosition() < needed) {
                const int64_t before = m.GetSize();
                const int64_t position = m.GetPosition();
                if (!pages.GetNextPageData(m) || m.GetSize() == before) return false;
                m.SetPosition(position);
              }
              return true;
            });
            if (result == 65535) result = kFlacRead;
          }
        }
      }
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
  return result;
}

bool TFlacTag::ReadFromFile(const std::string& fileName) {
  Clear();
  std::unique_ptr<TStream> stream = OpenAudioFile(fileName);
  if (!stream) return false;
  const int32_t result = GetInfo(*stream, true, true);
  // A file whose only metadata block is its stream information is complete.
  return result == kFlacRead || result == kFlacOnlyStreamInfo;
}
