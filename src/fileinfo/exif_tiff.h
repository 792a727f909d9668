// Image file directories of an EXIF block or a TIFF structure: every entry
// with its raw and decoded value, the directory list, and thirteen tags of the
// first directory as typed results.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fileinfo/buffered_stream.h"
#include "foundation/types.h"

struct TExifItem {
  int64_t EntryOffset = 0;
  uint16_t Tag = 0;
  uint16_t DataType = 0;
  uint32_t ValueCount = 0;
  uint32_t ValueOrOffset = 0;
  int32_t ByteSize = 0;
  int32_t DataOffset = 0;
  std::string Text;
  int32_t IntValue = 0;
  double FloatValue = 0.0;
  uint32_t DirectoryIndex = 0;
};
using TExifItemArray = std::vector<TExifItem>;

struct TDirectoryItem {
  int64_t Offset = 0;
  uint32_t Size = 0;
  uint16_t EntryCount = 0;
  uint32_t NextOffset = 0;
};
using TDirectoryArray = std::vector<TDirectoryItem>;

class TExifReader {
 public:
  // A chain of directories never runs longer than this, whatever the file
  // says; directories already read are never read again.
  static constexpr size_t kMaxDirectories = 1000;

  TExifReader();
  ~TExifReader();

  void Reset();
  // Reads from offset; true when at least one entry and one directory were
  // read. Appends to the arrays; does not reset.
  bool ReadFromStream(TStream& stream, int64_t offset);
  int32_t AddEntry(int64_t entryOffset, uint16_t directoryIndex, uint16_t tag, uint16_t dataType, uint32_t valueCount,
                   uint32_t valueOrOffset);
  void ReadEntryData(TStream& stream, int64_t offset);

  std::string GetResolutionUnitAsString() const;  // "dpc" for 3, else "dpi"
  TResolutionUnit GetResolutionUnitAsTResolutionUnit() const;
  int32_t GetCount() const { return static_cast<int32_t>(Items.size()); }
  int32_t GetDirectoryCount() const { return static_cast<int32_t>(Directories.size()); }

  TExifItemArray Items;
  TDirectoryArray Directories;
  std::string ImageDescription;
  int32_t ImageWidth = 0;
  int32_t ImageLength = 0;
  int32_t Orientation = 0;
  std::string Make;
  std::string Model;
  double XResolution = 0.0;
  double YResolution = 0.0;
  int32_t ResolutionUnit = 0;
  std::string DateTime;
  std::string Software;
  std::string Copyright;
  std::string Artist;
  std::string UnhandledTags;
  bool SkipExifHeader = false;
  bool SkipTiffHeader = false;
  bool SwapBytes = false;
  bool DataValueOffsetsRelativeToIFD = true;
  bool ReadOnlyFirstIFD = true;
};
