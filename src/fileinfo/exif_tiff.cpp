#include "fileinfo/exif_tiff.h"

#include <set>

#include "foundation/code_pages.h"
#include "foundation/number_format.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {

uint32_t TypeSize(uint16_t dataType) {
  switch (dataType) {
    case 3:
    case 8: return 2;
    case 4:
    case 9:
    case 11: return 4;
    case 5:
    case 10:
    case 12: return 8;
    default: return 1;
  }
}

uint16_t Get16(const uint8_t* p, bool bigEndian) {
  return bigEndian ? static_cast<uint16_t>(p[0] << 8 | p[1]) : static_cast<uint16_t>(p[1] << 8 | p[0]);
}

uint32_t Get32(const uint8_t* p, bool bigEndian) {
  if (bigEndian)
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
           p[3];
  return static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 |
         p[0];
}

// Reads exactly count bytes at position; false when the stream ends first.
bool ReadAt(TStream& stream, int64_t position, void* buffer, int64_t count) {
  stream.Seek(position, TSeekOrigin::Beginning);
  return stream.Read(buffer, count) == count;
}

}  // namespace

TExifReader::TExifReader() { Reset(); }

TExifReader::~TExifReader() {
  Items.clear();
  Directories.clear();
}

void TExifReader::Reset() {
  Items.clear();
  Directories.clear();
  ImageDescription.clear();
  ImageWidth = ImageLength = Orientation = 0;
  Make.clear();
  Model.clear();
  XResolution = YResolution = 0.0;
  ResolutionUnit = 0;
  DateTime.clear();
  Software.clear();
  Copyright.clear();
  Artist.clear();
  UnhandledTags.clear();
}

std::string TExifReader::GetResolutionUnitAsString() const { return ResolutionUnit == 3 ? "dpc" : "dpi"; }

TResolutionUnit TExifReader::GetResolutionUnitAsTResolutionUnit() const {
  return ResolutionUnit == 3 ? resolutionUnitCentimeter : resolutionUnitInch;
}

int32_t TExifReader::AddEntry(int64_t entryOffset, uint16_t directoryIndex, uint16_t tag, uint16_t dataType,
                              uint32_t valueCount, uint32_t valueOrOffset) {
  TExifItem item;
  item.EntryOffset = entryOffset;
  item.DirectoryIndex = directoryIndex;
  item.Tag = tag;
  item.DataType = dataType;
  item.ValueCount = valueCount;
  item.ValueOrOffset = valueOrOffset;
  item.ByteSize = static_cast<int32_t>(valueCount * TypeSize(dataType));
  Items.push_back(std::move(item));
  return static_cast<int32_t>(Items.size()) - 1;
}

bool TExifReader::ReadFromStream(TStream& stream, int64_t offset) {
  const int64_t size = stream.GetSize();
  int64_t position = offset;
  stream.Seek(position, TSeekOrigin::Beginning);
  if (!SkipExifHeader) {
    uint8_t header[6];
    if (size - position < 6 || !ReadAt(stream, position, header, 6)) return false;
    if (std::string(reinterpret_cast<char*>(header), 6) != std::string("Exif\0\0", 6)) return false;
    position += 6;
  }
  if (!SkipTiffHeader) {
    uint8_t header[8];
    if (size - position < 8 || !ReadAt(stream, position, header, 8)) return false;
    if (std::string(reinterpret_cast<char*>(header), 8) == std::string("II\x2A\0\x08\0\0\0", 8))
      SwapBytes = false;
    else if (std::string(reinterpret_cast<char*>(header), 8) == std::string("MM\0\x2A\0\0\0\x08", 8))
      SwapBytes = true;
    else
      return false;
    position += 8;
  }
  // Directory offsets count from the start of the TIFF structure, which
  // follows the six bytes of the "Exif" header when there is one.
  const int64_t chainBase = offset + (SkipExifHeader ? 0 : 6);
  std::set<int64_t> visited;
  // Directories of a sound file do not overlap, so their entries together
  // cannot outnumber the file's 12-byte slots; a chain that claims more is
  // made of overlapping or repeated directories and ends there.
  int64_t entriesLeft = size / 12;
  for (;;) {
    if (size - position < 2) return false;
    TDirectoryItem dir;
    dir.Offset = position;
    uint8_t countBytes[2];
    if (!ReadAt(stream, position, countBytes, 2)) return false;
    uint16_t count = Get16(countBytes, SwapBytes);
    dir.EntryCount = count;
    dir.Size = static_cast<uint32_t>(count) * 12 + 6;
    Directories.push_back(dir);
    visited.insert(position);
    position += 2;
    if (size - position < static_cast<int64_t>(count) * 12) return false;
    if (count > entriesLeft) break;
    entriesLeft -= count;
    std::vector<uint8_t> entries(static_cast<size_t>(count) * 12);
    if (count > 0 && !ReadAt(stream, position, entries.data(), static_cast<int64_t>(entries.size()))) return false;
    const uint16_t dirIndex = static_cast<uint16_t>(Directories.size() - 1);
    for (uint16_t i = 0; i < count; ++i) {
      const uint8_t* e = entries.data() + static_cast<size_t>(i) * 12;
      AddEntry(position + static_cast<int64_t>(i) * 12, dirIndex, Get16(e, SwapBytes), Get16(e + 2, SwapBytes),
               Get32(e + 4, SwapBytes), Get32(e + 8, SwapBytes));
    }
    position += static_cast<int64_t>(count) * 12;
    if (ReadOnlyFirstIFD) break;
    uint8_t nextBytes[4] = {};
    stream.Seek(position, TSeekOrigin::Beginning);
    stream.Read(nextBytes, 4);
    uint32_t next = Get32(nextBytes, SwapBytes);
    Directories.back().NextOffset = next;
    if (next == 0 || next > size) break;
    position = static_cast<int64_t>(next) + chainBase;
    if (visited.count(position) || Directories.size() >= kMaxDirectories) break;
  }
  ReadEntryData(stream, offset);
  return GetCount() != 0 && GetDirectoryCount() != 0;
}

void TExifReader::ReadEntryData(TStream& stream, int64_t offset) {
  const int64_t size = stream.GetSize();
  // Many entries may point at the same large value; together they never
  // hold more text than the stream is long.
  int64_t textBudget = size;
  for (TExifItem& item : Items) {
    const uint64_t byteSize = static_cast<uint64_t>(item.ValueCount) * TypeSize(item.DataType);
    int64_t dataOffset;
    if (byteSize < 5)
      dataOffset = item.EntryOffset + 8;
    else
      dataOffset = static_cast<int64_t>(item.ValueOrOffset) + (DataValueOffsetsRelativeToIFD ? offset : 0) +
                   (SkipExifHeader ? 0 : 6);
    item.DataOffset = static_cast<int32_t>(static_cast<uint32_t>(dataOffset));
    const bool inStream = dataOffset >= 0 && byteSize <= static_cast<uint64_t>(size) &&
                          dataOffset <= size - static_cast<int64_t>(byteSize);
    switch (item.DataType) {
      case 1:
        item.IntValue = static_cast<int32_t>(item.ValueOrOffset);
        item.Text = IntToStr(item.IntValue);
        break;
      case 2: {
        if (!inStream || static_cast<int64_t>(byteSize) > textBudget) continue;
        textBudget -= static_cast<int64_t>(byteSize);
        std::string raw(static_cast<size_t>(byteSize), '\0');
        if (byteSize > 0 && !ReadAt(stream, dataOffset, raw.data(), static_cast<int64_t>(byteSize))) continue;
        raw = Trim(raw);
        item.Text = UTF8IsValid(raw) ? raw : Latin1BytesToUTF8(raw);
        break;
      }
      case 3: {
        uint32_t v = item.ValueOrOffset;
        if (SwapBytes) v = (v >> 16) | (v << 16);
        item.IntValue = static_cast<int32_t>(v);
        item.Text = IntToStr(item.IntValue);
        break;
      }
      case 4:
        item.IntValue = static_cast<int32_t>(item.ValueOrOffset);
        item.Text = IntToStr(item.IntValue);
        break;
      case 5:
      case 10: {
        if (!inStream) continue;
        uint8_t b[8];
        if (!ReadAt(stream, dataOffset, b, 8)) continue;
        uint32_t num = Get32(b, SwapBytes), den = Get32(b + 4, SwapBytes);
        if (den != 0) {
          item.FloatValue = item.DataType == 5
                                ? static_cast<double>(num) / den
                                : static_cast<double>(static_cast<int32_t>(num)) / static_cast<int32_t>(den);
        }
        item.Text = FormatFloatGeneral(item.FloatValue, GlobalNumberFormat());
        break;
      }
      default: item.Text = "UNKNOWN_DATA_TYPE:" + IntToStr(item.DataType); break;
    }
    switch (item.Tag) {
      case 256: ImageWidth = item.IntValue; break;
      case 257: ImageLength = item.IntValue; break;
      case 270: ImageDescription = item.Text; break;
      case 271: Make = item.Text; break;
      case 272: Model = item.Text; break;
      case 274: Orientation = item.IntValue; break;
      case 282: XResolution = item.FloatValue; break;
      case 283: YResolution = item.FloatValue; break;
      case 296: ResolutionUnit = item.IntValue; break;
      case 305: Software = item.Text; break;
      case 306: DateTime = item.Text; break;
      case 315: Artist = item.Text; break;
      case 33432: Copyright = item.Text; break;
      default: UnhandledTags += IntToStr(item.Tag) + " "; break;
    }
  }
}
