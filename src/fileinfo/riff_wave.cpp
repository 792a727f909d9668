#include "fileinfo/riff_wave.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "fileinfo/apev2_tag.h"
#include "foundation/code_pages.h"
#include "foundation/paths.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {

uint16_t LE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t LE32(const uint8_t* p) {
  return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

constexpr uint16_t kFormatExtensible = 0xFFFE;

}  // namespace

void TWAVTag::ResetData() {
  SampleRate = 0;
  Duration = 0;
  BitRate = 0;
  FormatTag = 0;
  Title.clear();
  Artist.clear();
  Album.clear();
  Track.clear();
  Year.clear();
  Genre.clear();
  Comment.clear();
}

TAudioInfoChannels TWAVTag::GetChannelsAsAIC() const {
  return FChannelCount == 0   ? aicUnknown
         : FChannelCount == 1 ? aicMono
         : FChannelCount == 2 ? aicStereo
                              : aicMultiChannel;
}

bool TWAVTag::SetMetaTag(const std::string& id, const std::string& text) {
  std::string* field = id == "INAM"   ? &Title
                       : id == "IART" ? &Artist
                       : id == "IPRD" ? &Album
                       : id == "IPRT" ? &Track
                       : id == "ICRD" ? &Year
                       : id == "IGNR" ? &Genre
                       : id == "ICMT" ? &Comment
                                      : nullptr;
  if (!field) return false;
  *field = text;
  return true;
}

bool TWAVTag::ReadFromFile(const std::string& fileName) {
  std::error_code ec;
  if (!std::filesystem::exists(fileName, ec)) return false;
  const std::string name = ExtractFileNameWithoutPathAndExt(fileName);
  const size_t dash = name.find(" - ");
  if (dash == std::string::npos) {
    Artist.clear();
    Title = name;
  } else {
    Artist = Trim(name.substr(0, dash));
    Title = Trim(name.substr(dash + 3));
  }
  std::unique_ptr<TStream> stream = OpenAudioFile(fileName);
  if (!stream) {
    if (std::filesystem::is_regular_file(fileName, ec)) throw EStreamError("Cannot open file \"" + fileName + "\"");
    return false;
  }
  const int64_t size = stream->GetSize();
  uint8_t head[12] = {};
  if (size < 36 || stream->Read(head, 12) < 12 || std::memcmp(head, "RIFF", 4) != 0 ||
      std::memcmp(head + 8, "WAVE", 4) != 0)
    return false;
  bool formatFound = false, dataFound = false;
  // The 16 bytes of every format, and the extensible format's own 24.
  uint8_t fmt[40] = {};
  uint32_t dataSize = 0;
  int64_t chunkStart = 12;
  while (size - chunkStart >= 8) {
    uint8_t chunk[8];
    stream->SetPosition(chunkStart);
    if (stream->Read(chunk, 8) < 8 || chunk[0] == 0) break;
    const int32_t chunkSize = static_cast<int32_t>(LE32(chunk + 4));
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      std::memset(fmt, 0, sizeof fmt);
      stream->Read(fmt, chunkSize >= 40 ? 40 : 16);
      formatFound = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      // A writer that cannot seek back (one writing to a pipe) leaves the
      // size at 0xFFFFFFFF: no data chunk holds more than the file.
      const int64_t available = size - (chunkStart + 8);
      dataSize = static_cast<uint32_t>(std::min<int64_t>(LE32(chunk + 4), std::max<int64_t>(available, 0)));
      dataFound = true;
    } else if (std::memcmp(chunk, "LIST", 4) == 0) {
      char listType[4] = {};
      stream->Read(listType, 4);
      // Lists of other types ("adtl", say) carry nothing we show; they are
      // stepped over like any other chunk.
      if (std::memcmp(listType, "INFO", 4) == 0 && chunkSize > 0) {
        const int64_t listEnd = chunkStart + 8 + chunkSize;
        int64_t entry = chunkStart + 12;
        while (entry + 8 <= listEnd && entry + 8 <= size) {
          uint8_t entryHead[8];
          stream->SetPosition(entry);
          if (stream->Read(entryHead, 8) < 8) break;
          const int32_t entrySize = static_cast<int32_t>(LE32(entryHead + 4));
          if (entrySize < 0) throw EStreamError("Invalid INFO entry size");
          if (entry + 8 + entrySize > size) break;
          std::string text(static_cast<size_t>(entrySize), '\0');
          text.resize(static_cast<size_t>(std::max<int64_t>(stream->Read(text.data(), entrySize), 0)));
          // Untagged text: valid UTF-8 as it is, anything else as Windows-1252.
          if (!UTF8IsValid(text)) text = Latin1BytesToUTF8(text);
          SetMetaTag(std::string(reinterpret_cast<const char*>(entryHead), 4), Trim(text));
          entry += 8 + entrySize + (entrySize & 1);
        }
      }
    }
    // A negative size would lead back to a chunk already read.
    if (chunkSize <= 0) break;
    chunkStart += 8 + static_cast<int64_t>(chunkSize) + (chunkSize & 1);
  }
  if (!(formatFound && dataFound)) return false;
  FChannelCount = LE16(fmt + 2);
  // The extensible format names the real one in its sub-format's first bytes.
  FormatTag = LE16(fmt) == kFormatExtensible ? LE16(fmt + 24) : LE16(fmt);
  SampleRate = static_cast<int32_t>(LE32(fmt + 4));
  const uint32_t averageBytes = LE32(fmt + 8);
  BitRate = static_cast<int32_t>(static_cast<uint64_t>(averageBytes) * 8 > INT32_MAX ? INT32_MAX : averageBytes * 8);
  if (dataSize > 0 && averageBytes > 0)
    Duration = static_cast<double>(static_cast<uint64_t>(dataSize) * 1000 / averageBytes) / 1000;
  return true;
}
