#include "fileinfo/apev2_tag.h"

#include <cstring>
#include <filesystem>

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
    // The items are read from memory: everything from the first item to the
    // end of the stream, which bounds every key and value by the real file.
    std::string bytes(static_cast<size_t>(FileSize - firstItem), '\0');
    stream.SetPosition(firstItem);
    bytes.resize(
        static_cast<size_t>(std::max<int64_t>(stream.Read(bytes.data(), static_cast<int64_t>(bytes.size())), 0)));
    size_t pos = 0;
    for (uint32_t i = 0; i < itemCount; ++i) {
      if (bytes.size() - pos < 8) throw EReadError("Stream read error");
      const uint32_t valueSize = LE32(reinterpret_cast<const uint8_t*>(bytes.data() + pos));
      const uint32_t flags = LE32(reinterpret_cast<const uint8_t*>(bytes.data() + pos + 4));
      pos += 8;
      if (flags & ~7u) marked7 = true;
      if (valueSize > TagSize) {
        stream.SetPosition(entryPosition);
        return kApeTagItemTooLarge;
      }
      const size_t zero = bytes.find('\0', pos);
      if (zero == std::string::npos) throw EReadError("Stream read error");
      const std::string key = DecodeUTF8OrWindows1252(bytes.substr(pos, zero - pos));
      pos = zero + 1;
      if (bytes.size() - pos < valueSize) throw EReadError("Stream read error");
      const int32_t valueType = static_cast<int32_t>((flags >> 1) & 3);
      if (valueType == 0 || valueType == 1) {
        TAPEv2Frame* frame = AddFrame(key);
        frame->Stream = TMemoryStream(bytes.substr(pos, valueSize));
        frame->Format = valueType == 0 ? 1 : 2;
      } else if (valueType == 3) {
        marked7 = true;
      }
      pos += valueSize;
      Exists = true;
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
  for (auto& frame : Frames) {
    std::string key = frame->Name;
    for (char& c : key)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    std::string* field = nullptr;
    if (key == "ARTIST")
      field = &Artist;
    else if (key == "TITLE")
      field = &Title;
    else if (key == "ALBUM")
      field = &Album;
    else if (key == "TRACK")
      field = &Track;
    else if (key == "GENRE")
      field = &Genre;
    else if (key == "YEAR")
      field = &Year;
    else if (key == "COMMENT")
      field = &Comment;
    else if (key == "DISCNUMBER")
      field = &DiscNumber;
    if (field) *field = frame->GetAsText();
  }
}
