#include "fileinfo/apev2_tag.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string_view>

#include "fileinfo/read_ahead_stream.h"
#include "foundation/code_pages.h"
#include "foundation/paths.h"
#include "foundation/utf8.h"

namespace {

uint32_t LE32(const uint8_t* p) {
  return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

std::string WithoutTrailingControls(std::string text) {
  size_t n = text.size();
  while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= 32) --n;
  text.resize(n);
  return text;
}

// Untagged 8-bit text: valid UTF-8 stays as it is, anything else is read as
// Windows-1252 (this platform has no system ANSI code page).
std::string DecodeUTF8OrWindows1252(const std::string& bytes) {
  if (!bytes.empty() && UTF8IsValid(bytes)) return bytes;
  return Latin1BytesToUTF8(bytes);
}

constexpr int64_t kMaxTagBytes = int64_t{256} << 20;

// Keys of the items that fill the text fields, in the order of ReadProperties.
constexpr const char* kPropertyKeys[] = {"ARTIST", "TITLE", "ALBUM", "TRACK", "GENRE", "YEAR", "COMMENT", "DISCNUMBER"};

// The index in kPropertyKeys of a key compared upper-cased (a to z); -1 for
// other keys.
int32_t PropertyIndex(std::string_view key) {
  if (key.size() < 4 || key.size() > 10) return -1;
  char upper[10];
  for (size_t k = 0; k < key.size(); ++k)
    upper[k] = key[k] >= 'a' && key[k] <= 'z' ? static_cast<char>(key[k] - 'a' + 'A') : key[k];
  const std::string_view u(upper, key.size());
  for (size_t i = 0; i < std::size(kPropertyKeys); ++i)
    if (u == kPropertyKeys[i]) return static_cast<int32_t>(i);
  return -1;
}

// Real tags hold some dozens of items with keys of a few letters.
constexpr size_t kMaxKeptFrames = 4096;
constexpr size_t kMaxKeyBytes = 65536;
// Keys up to this long are read with their item's head.
constexpr int64_t kShortKey = 64;

std::string BinaryText(int64_t size) { return "BINARY " + FileSizeBestUnit(size); }

}  // namespace

std::unique_ptr<TStream> OpenAudioFile(const std::string& fileName) {
  std::error_code ec;
  if (fileName.empty() || !std::filesystem::is_regular_file(fileName, ec)) return nullptr;
  return OpenStreamForReading(fileName);
}

std::string TAPEv2Frame::GetAsText() {
  if (Format == 2) return BinaryText(Stream.GetSize());
  if (Stream.GetSize() == 0) return "";
  Stream.SetPosition(0);
  return WithoutTrailingControls(DecodeUTF8OrWindows1252(Stream.Data()));
}

std::string TAPEv2Frame::GetAsTextANSI() {
  Stream.SetPosition(0);
  return WithoutTrailingControls(Latin1BytesToUTF8(Stream.Data()));
}

bool TAPEv2Frame::SetAsText(const std::string& text) {
  Stream = TMemoryStream(text);
  Stream.SetPosition(0);
  Format = 1;
  return true;
}

void TAPEv2Tag::Clear() {
  DeleteAllFrames();
  FileName.clear();
  Genre.clear();
  Title.clear();
  Track.clear();
  DiscNumber.clear();
  Year.clear();
  Album.clear();
  Artist.clear();
  Comment.clear();
  Exists = false;
  TagVersion = 0;
  TagFlags = 0;
  TagSize = 0;
  FileSize = 0;
  Duration = 0;
}

TAPEv2Frame* TAPEv2Tag::AddFrame(const std::string& name) {
  auto frame = std::make_unique<TAPEv2Frame>(this);
  frame->Name = name;
  frame->Index = Count();
  Frames.push_back(std::move(frame));
  return Frames.back().get();
}

bool APEv2ValidTag(TStream& stream) {
  char preamble[8] = {};
  try {
    if (stream.Read(preamble, 8) != 8) return false;
  } catch (const std::exception&) {
    return false;
  }
  return std::memcmp(preamble, "APETAGEX", 8) == 0;
}

int32_t TAPEv2Tag::ReadTagDataFromStream(TStream& stream) {
  Clear();
  const int64_t entryPosition = stream.GetPosition();
  int32_t result = kApeTagReadFailed;
  bool marked7 = false;
  bool completed = false;
  try {
    FileSize = stream.GetSize();
    int64_t footerStart = FileSize - 32;
    if (FileSize >= 128) {
      char id3[3] = {};
      stream.SetPosition(FileSize - 128);
      if (stream.Read(id3, 3) == 3 && std::memcmp(id3, "TAG", 3) == 0) footerStart = FileSize - 160;
    }
    // A stream shorter than a footer is read from its start, as a seek before
    // the start lands there.
    if (footerStart < 0) footerStart = 0;
    stream.SetPosition(footerStart);
    if (!APEv2ValidTag(stream)) {
      stream.SetPosition(entryPosition);
      return kApeTagMissing;
    }
    uint8_t footer[24];
    if (stream.Read(footer, 24) < 24) {
      stream.SetPosition(entryPosition);
      return kApeTagFooterTooShort;
    }
    TagVersion = LE32(footer);
    TagSize = LE32(footer + 4);
    const uint32_t itemCount = LE32(footer + 8);
    TagFlags = LE32(footer + 12);
    if (TagVersion != 1000 && TagVersion != 2000) {
      stream.SetPosition(entryPosition);
      return kApeTagUnknownVersion;
    }
    const int64_t firstItem = footerStart + 32 - static_cast<int64_t>(TagSize);
    // A tag size reaching before the start of the stream is a damaged tag.
    if (firstItem < 0) throw EReadError("Stream read error");
    // Cover pictures make tags of some megabytes; a claimed size beyond this
    // is a damaged tag, not a reason to load a whole large file.
    if (FileSize - firstItem > kMaxTagBytes) throw EReadError("Stream read error");
    // The items are read ahead in blocks, each bounded by the real file: a
    // tag of millions of items is walked, not loaded.
    TReadAheadStream in(stream);
    in.SetPosition(firstItem);
    int32_t lastOfProperty[std::size(kPropertyKeys)];
    std::fill(std::begin(lastOfProperty), std::end(lastOfProperty), -1);
    for (uint32_t i = 0; i < itemCount; ++i) {
      // The item's head and, in most items, its whole key in one read.
      const int64_t itemStart = in.GetPosition();
      uint8_t head[8 + kShortKey];
      const int64_t got = in.Read(head, sizeof head);
      if (got < 8) throw EReadError("Stream read error");
      const uint32_t valueSize = LE32(head);
      const uint32_t flags = LE32(head + 4);
      if (flags & ~7u) marked7 = true;
      if (valueSize > TagSize) {
        stream.SetPosition(entryPosition);
        return kApeTagItemTooLarge;
      }
      // The key runs to its zero byte; a key without one fails the tag at the
      // end of the stream. Keys are short: beyond kMaxKeyBytes nothing is kept.
      std::string keyBytes;
      const auto* zero = static_cast<const uint8_t*>(std::memchr(head + 8, 0, static_cast<size_t>(got - 8)));
      if (zero) {
        keyBytes.assign(reinterpret_cast<const char*>(head + 8), static_cast<size_t>(zero - (head + 8)));
        in.SetPosition(itemStart + 8 + static_cast<int64_t>(keyBytes.size()) + 1);
      } else {
        in.SetPosition(itemStart + 8);
        while (true) {
          uint8_t c;
          in.ReadBuffer(&c, 1);
          if (c == 0) break;
          if (keyBytes.size() < kMaxKeyBytes) keyBytes.push_back(static_cast<char>(c));
        }
      }
      if (valueSize > in.GetSize() - in.GetPosition()) throw EReadError("Stream read error");
      const int32_t valueType = static_cast<int32_t>((flags >> 1) & 3);
      if (valueType == 3) marked7 = true;
      Exists = true;
      if (valueType != 0 && valueType != 1) {
        in.Seek(valueSize, TSeekOrigin::Current);
        continue;
      }
      // The keys of the text fields are ASCII: they are told before decoding.
      const int32_t property = PropertyIndex(keyBytes);
      // Beyond kMaxKeptFrames an item is kept only when it fills a text field:
      // it takes the place of the last kept item of its key.
      int32_t slot = -1;
      if (Frames.size() >= kMaxKeptFrames) {
        if (property < 0) {
          in.Seek(valueSize, TSeekOrigin::Current);
          continue;
        }
        slot = lastOfProperty[property];
      }
      const std::string key = DecodeUTF8OrWindows1252(keyBytes);
      std::string value(valueSize, '\0');
      in.ReadBuffer(value.data(), valueSize);
      TAPEv2Frame* frame;
      if (slot >= 0) {
        frame = Frames[static_cast<size_t>(slot)].get();
        frame->Name = key;
      } else {
        frame = AddFrame(key);
        if (property >= 0) lastOfProperty[property] = frame->Index;
      }
      frame->Stream = TMemoryStream(std::move(value));
      frame->Format = valueType == 0 ? 1 : 2;
    }
    completed = true;
  } catch (const std::exception&) {
    result = marked7 ? kApeTagItemTooLarge : kApeTagReadFailed;
  }
  try {
    stream.SetPosition(entryPosition);
  } catch (const std::exception&) {
  }
  if (!completed) return result;
  if (TagVersion == 1000) {
    for (auto& frame : Frames)
      if (frame->Format == 1) frame->SetAsText(frame->GetAsTextANSI());
  }
  ReadProperties();
  return kApeTagRead;
}

void TAPEv2Tag::ReadProperties() {
  std::string* const fields[] = {&Artist, &Title, &Album, &Track, &Genre, &Year, &Comment, &DiscNumber};
  for (auto& frame : Frames) {
    const int32_t property = PropertyIndex(frame->Name);
    if (property >= 0) *fields[property] = frame->GetAsText();
  }
}
