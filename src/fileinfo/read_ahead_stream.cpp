#include "fileinfo/read_ahead_stream.h"

#include <algorithm>
#include <cstring>

TReadAheadStream::TReadAheadStream(TStream& source) : FSource(&source), FSize(source.GetSize()) {
  FPosition = source.GetPosition();
}

TReadAheadStream::TReadAheadStream(std::unique_ptr<TStream> source)
    : FOwned(std::move(source)), FSource(FOwned.get()), FSize(FSource->GetSize()) {
  FPosition = FSource->GetPosition();
}

void TReadAheadStream::Fill(int64_t position) {
  // A read right where the last block ended continues a walk: the next block
  // grows, and keeps the last bytes of the one before, as walks step back a
  // few bytes after reading ahead. Any other place starts again with a small
  // block.
  const int64_t blockEnd = FBlockStart + static_cast<int64_t>(FBlock.size());
  const bool continues = !FBlock.empty() && position == blockEnd;
  FNextBlock = continues ? std::min(FNextBlock * 2, kMaxBlock) : kMinBlock;
  const int64_t kept = continues ? std::min<int64_t>(kBackMargin, static_cast<int64_t>(FBlock.size())) : 0;
  if (kept > 0) std::memmove(FBlock.data(), FBlock.data() + (FBlock.size() - static_cast<size_t>(kept)), kept);
  const int64_t wanted = std::min(FNextBlock, std::max<int64_t>(FSize - position, 0));
  FBlock.resize(static_cast<size_t>(kept + wanted));
  FSource->Seek(position, TSeekOrigin::Beginning);
  const int64_t got = wanted > 0 ? FSource->Read(FBlock.data() + kept, wanted) : 0;
  FBlock.resize(static_cast<size_t>(kept + std::max<int64_t>(got, 0)));
  FBlockStart = position - kept;
}

int64_t TReadAheadStream::Read(void* buffer, int64_t count) {
  if (count <= 0 || FPosition >= FSize) return 0;
  auto* target = static_cast<uint8_t*>(buffer);
  int64_t done = 0;
  while (count > 0 && FPosition < FSize) {
    const int64_t blockEnd = FBlockStart + static_cast<int64_t>(FBlock.size());
    if (FPosition < FBlockStart || FPosition >= blockEnd) {
      // A large read goes straight to the source.
      if (count >= kMaxBlock) {
        FSource->Seek(FPosition, TSeekOrigin::Beginning);
        const int64_t got = FSource->Read(target, count);
        if (got <= 0) break;
        FPosition += got;
        done += got;
        break;
      }
      Fill(FPosition);
      if (FBlock.empty()) break;
      continue;
    }
    const int64_t n = std::min(count, blockEnd - FPosition);
    std::memcpy(target, FBlock.data() + (FPosition - FBlockStart), static_cast<size_t>(n));
    FPosition += n;
    target += n;
    done += n;
    count -= n;
  }
  return done;
}

int64_t TReadAheadStream::Write(const void*, int64_t) { return 0; }

int64_t TReadAheadStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t base = origin == TSeekOrigin::Beginning ? 0 : origin == TSeekOrigin::Current ? FPosition : FSize;
  int64_t target;
  if (__builtin_add_overflow(base, offset, &target) || target < 0) return FPosition;
  FPosition = target;
  return FPosition;
}

void TReadAheadStream::SetSize(int64_t) { throw EStreamError("Stream is read-only"); }
