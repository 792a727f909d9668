// A read-only stream over another one that reads ahead in growing blocks: a
// walk over many small headers in a row costs one system read per block,
// while a walk that jumps over large payloads reads little beyond each header.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "fileinfo/buffered_stream.h"

class TReadAheadStream : public TStream {
 public:
  // The smallest and the largest block read at once.
  static constexpr int64_t kMinBlock = 4096;
  static constexpr int64_t kMaxBlock = 65536;
  // Bytes of a block that the next one keeps, for a step back.
  static constexpr int64_t kBackMargin = 64;

  // Reads through source, which must outlive this stream.
  explicit TReadAheadStream(TStream& source);
  // Reads through source and owns it.
  explicit TReadAheadStream(std::unique_ptr<TStream> source);

  int64_t GetSize() override { return FSize; }
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;  // read-only: 0
  // As for a file: from the end the target is size + offset; a target before
  // the start leaves the position where it was.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;  // read-only: EStreamError

 private:
  void Fill(int64_t position);

  std::unique_ptr<TStream> FOwned;
  TStream* FSource;
  int64_t FSize;
  int64_t FPosition = 0;
  std::vector<uint8_t> FBlock;
  int64_t FBlockStart = 0;
  int64_t FNextBlock = kMinBlock;
};
