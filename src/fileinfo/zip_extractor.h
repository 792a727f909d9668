// One entry of a ZIP archive as a string, taken out in memory. Entries are
// selected by name without regard to letter case; entries that would inflate
// beyond a sane size (a deflate bomb) are refused.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "fileinfo/buffered_stream.h"

// A file that is no readable archive, or an entry that cannot be read or is
// refused for its size.
class EZipError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Entries larger than this, or larger than kZipMaxRatio times their stored
// size, are refused.
constexpr int64_t kZipMaxEntrySize = int64_t{64} * 1024 * 1024;
constexpr int64_t kZipMaxRatio = 100;
// Small entries of repetitive text compress beyond that ratio honestly and
// cost nothing to hold: the ratio applies only above this size.
constexpr int64_t kZipRatioFreeSize = int64_t{1024} * 1024;

class TZipFileExtractor {
 public:
  explicit TZipFileExtractor(const std::string& archiveFileName);
  ~TZipFileExtractor();

  // The entry's bytes unchanged; empty when the archive holds no such entry.
  // Opens the archive anew on every call; raises EZipError for a file that is
  // no readable archive and for a refused entry.
  std::string GetFileFromZipAsString(const std::string& entryName);

  // The output of one entry: a new memory stream before it is written, its
  // bytes moved into the collecting buffer after.
  void DoCreateOutZipStream(std::unique_ptr<TMemoryStream>& stream);
  void DoDoneOutZipStream(std::unique_ptr<TMemoryStream>& stream);

 private:
  std::string FFileName;
  std::string FBuffer;
};
