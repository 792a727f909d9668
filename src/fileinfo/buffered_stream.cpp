#include "fileinfo/buffered_stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "foundation/code_pages.h"

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count > 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

// ---------------------------------------------------------------- file stream

namespace {
thread_local int64_t tlsFileBytesRead = 0;
thread_local TReadStopRequest tlsReadStopRequest;
// Small enough that a stop request is seen within a fraction of a second,
// large enough that asking costs nothing beside the read.
constexpr int64_t kStopCheckBytes = int64_t{4} << 20;
}  // namespace

int64_t FileStreamBytesReadOnThisThread() { return tlsFileBytesRead; }

TReadStopScope::TReadStopScope(TReadStopRequest stopRequested) : FPrevious(std::move(tlsReadStopRequest)) {
  tlsReadStopRequest = std::move(stopRequested);
}

TReadStopScope::~TReadStopScope() { tlsReadStopRequest = std::move(FPrevious); }

bool ReadStopRequestedOnThisThread() { return tlsReadStopRequest && tlsReadStopRequest(); }

std::unique_ptr<TFileStream> TFileStream::OpenRead(const std::string& fileName) {
  if (fileName.empty() || fileName.find('\0') != std::string::npos) return nullptr;
  // Without O_NONBLOCK, opening a pipe waits for a writer and some devices
  // wait for a carrier; the type check below refuses them right after.
  int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return std::unique_ptr<TFileStream>(new TFileStream(fd, static_cast<int64_t>(st.st_size)));
}

TFileStream::~TFileStream() { ::close(FFd); }

int64_t TFileStream::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  auto* target = static_cast<char*>(buffer);
  while (count > 0) {
    if (ReadStopRequestedOnThisThread()) break;
    size_t chunk = static_cast<size_t>(std::min<int64_t>(count, kStopCheckBytes));
    ssize_t got = ::pread(FFd, target + done, chunk, static_cast<off_t>(FPosition));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += got;
    count -= got;
    FPosition += got;
  }
  FBytesRead += done;
  tlsFileBytesRead += done;
  return done;
}

int64_t TFileStream::Write(const void*, int64_t) { return 0; }

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = origin == TSeekOrigin::Beginning ? 0 : origin == TSeekOrigin::Current ? FPosition : FSize;
  // A sum beyond the 64-bit range cannot be a place in a file.
  int64_t target;
  if (__builtin_add_overflow(base, offset, &target) || target < 0) return FPosition;
  FPosition = target;
  return FPosition;
}

void TFileStream::SetSize(int64_t) { throw EStreamError("Stream is read-only"); }

// -------------------------------------------------------------- memory stream

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  int64_t size = GetSize();
  if (count <= 0 || FPosition >= size) return 0;
  int64_t n = std::min(count, size - FPosition);
  std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  int64_t end = FPosition + count;
  if (end > GetSize()) FData.resize(static_cast<size_t>(end), '\0');
  std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
  FPosition = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = origin == TSeekOrigin::Beginning ? 0 : origin == TSeekOrigin::Current ? FPosition : GetSize();
  int64_t target;
  if (__builtin_add_overflow(base, offset, &target) || target < 0) return FPosition;
  FPosition = target;
  return FPosition;
}

void TMemoryStream::SetSize(int64_t newSize) {
  if (newSize < 0) throw EStreamError("Invalid stream size");
  FData.resize(static_cast<size_t>(newSize), '\0');
  FPosition = std::min(FPosition, newSize);
}

// ---------------------------------------------------------------------- opener

namespace {

std::mutex& OpenerMutex() {
  static std::mutex m;
  return m;
}

TStreamOpener& CurrentOpener() {
  static TStreamOpener opener;
  return opener;
}

}  // namespace

TStreamOpener SetStreamOpener(TStreamOpener opener) {
  std::lock_guard<std::mutex> lock(OpenerMutex());
  TStreamOpener previous = std::move(CurrentOpener());
  CurrentOpener() = std::move(opener);
  return previous;
}

std::unique_ptr<TStream> OpenStreamForReading(const std::string& fileName) {
  TStreamOpener opener;
  {
    std::lock_guard<std::mutex> lock(OpenerMutex());
    opener = CurrentOpener();
  }
  if (opener) return opener(fileName);
  return TFileStream::OpenRead(fileName);
}

std::unique_ptr<TStream> OpenStreamForReadingOrRaise(const std::string& fileName) {
  auto stream = OpenStreamForReading(fileName);
  if (!stream) throw EFOpenError("Cannot open file \"" + fileName + "\"");
  return stream;
}

std::string ReadToEnd(TStream& stream) {
  // The room grows with what is read, doubling up to the size the file had
  // when opened, from 64 MiB on: a read that is stopped early has not taken
  // (and need not give back) room for gigabytes first.
  constexpr size_t kFirstRoom = size_t{64} << 20;
  const auto expected = static_cast<size_t>(std::max<int64_t>(stream.GetSize() - stream.GetPosition(), 0));
  std::string bytes;
  ReserveLargeText(bytes, std::min(expected, kFirstRoom));
  for (;;) {
    const size_t old = bytes.size();
    if (bytes.capacity() == old && old < expected) ReserveLargeText(bytes, std::min(expected, old * 2));
    int64_t got = 0;
    if (bytes.capacity() > old) {
      const size_t want = std::min(static_cast<size_t>(kStopCheckBytes), bytes.capacity() - old);
      bytes.resize(old + want);
      got = std::max<int64_t>(stream.Read(bytes.data() + old, static_cast<int64_t>(want)), 0);
      bytes.resize(old + static_cast<size_t>(got));
    } else {
      // Full, or the file has grown since it was opened: grow only when
      // there really is more.
      char probe[65536];
      got = std::max<int64_t>(stream.Read(probe, sizeof probe), 0);
      bytes.append(probe, static_cast<size_t>(got));
    }
    if (got == 0) break;
  }
  // Part of a file is no use to a reader that has to stop: nothing is left
  // for it to work through.
  if (ReadStopRequestedOnThisThread()) return {};
  return bytes;
}

std::string LoadTextForReading(const std::string& fileName, int32_t& codePage, bool& hasBOM,
                               const std::function<int32_t(std::string_view head)>& declared) {
  std::string bytes = ReadToEnd(*OpenStreamForReadingOrRaise(fileName));
  if (declared) {
    constexpr size_t kHeadSize = 1024;
    const int32_t declaredCodePage = declared(std::string_view(bytes).substr(0, kHeadSize));
    if (declaredCodePage != 0) {
      codePage = declaredCodePage;
      hasBOM = false;
      return CodePageBytesToUTF8(std::move(bytes), codePage);
    }
  }
  // Fed in the pieces the foundation's detection reads, so that both decide alike.
  constexpr size_t kDetectPiece = size_t{1} << 18;
  TCodePageDetector detector;
  for (size_t at = 0; at < bytes.size() && !detector.Decided(); at += kDetectPiece) {
    detector.Feed(std::string_view(bytes).substr(at, kDetectPiece));
  }
  codePage = detector.Result(hasBOM);
  return CodePageBytesToUTF8(std::move(bytes), codePage);
}

// ------------------------------------------------------------- buffered stream

TBufferedStream::TBufferedStream(TStream& source) : Source(&source) {
  BufferStart = source.GetPosition();
  StreamSize = source.GetSize();
}

TBufferedStream::~TBufferedStream() noexcept(false) {
  if (!Dirty || BufferCount <= 0) return;
  if (std::uncaught_exceptions() > 0) {
    try {
      Source->WriteBuffer(Buffer, BufferCount);
    } catch (...) {
    }
    return;
  }
  Source->WriteBuffer(Buffer, BufferCount);
}

void TBufferedStream::WriteBuffer() {
  // Without pending writes the buffer holds bytes read ahead from the source,
  // whose position is already past them: writing them would copy them over
  // the following bytes of the source.
  if (!Dirty) return;
  Source->WriteBuffer(Buffer, BufferCount);
  BufferStart += BufferCount;
  EmptyBuffer();
}

void TBufferedStream::FlushPending() {
  if (Dirty && BufferCount > 0) WriteBuffer();
}

int64_t TBufferedStream::Read(void* buffer, int64_t count) {
  if (Dirty) {
    if (BufferCount > 0) Source->WriteBuffer(Buffer, BufferCount);
    Dirty = false;
    BufferStart += BufferPos;
    Source->Seek(BufferStart, TSeekOrigin::Beginning);
    EmptyBuffer();
  }
  int64_t result = 0;
  auto* target = static_cast<uint8_t*>(buffer);
  while (count > 0) {
    if (BufferPos == BufferCount) {
      BufferStart += BufferCount;
      EmptyBuffer();
      BufferCount = static_cast<int32_t>(std::clamp<int64_t>(Source->Read(Buffer, kBufferSize), 0, kBufferSize));
      if (BufferCount == 0) break;
    }
    int64_t n = std::min<int64_t>(BufferCount - BufferPos, count);
    std::memcpy(target, Buffer + BufferPos, static_cast<size_t>(n));
    BufferPos += static_cast<int32_t>(n);
    result += n;
    target += n;
    count -= n;
  }
  return result;
}

int64_t TBufferedStream::Write(const void* buffer, int64_t count) {
  if (!Dirty) {
    Dirty = true;
    BufferStart += BufferPos;
    Source->Seek(BufferStart, TSeekOrigin::Beginning);
    EmptyBuffer();
  }
  int64_t result = 0;
  auto* from = static_cast<const uint8_t*>(buffer);
  while (count > 0) {
    int64_t n = std::min<int64_t>(kBufferSize - BufferPos, count);
    std::memcpy(Buffer + BufferPos, from, static_cast<size_t>(n));
    BufferPos += static_cast<int32_t>(n);
    if (BufferPos > BufferCount) {
      BufferCount = BufferPos;
      if (BufferStart + BufferCount > StreamSize) StreamSize = BufferStart + BufferCount;
    }
    result += n;
    from += n;
    count -= n;
    if (BufferPos == kBufferSize) WriteBuffer();
  }
  return result;
}

int64_t TBufferedStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t target = 0;
  bool overflow = false;
  switch (origin) {
    case TSeekOrigin::Beginning: target = offset; break;
    case TSeekOrigin::Current: overflow = __builtin_add_overflow(BufferStart + BufferPos, offset, &target); break;
    case TSeekOrigin::End: overflow = __builtin_sub_overflow(StreamSize, offset, &target); break;
  }
  if (overflow) {
    bool towardsStart = origin == TSeekOrigin::End ? offset > 0 : offset < 0;
    target = towardsStart ? 0 : StreamSize;
  }
  target = std::clamp<int64_t>(target, 0, StreamSize);
  if (target >= BufferStart && target <= BufferStart + BufferCount) {
    BufferPos = static_cast<int32_t>(target - BufferStart);
    return target;
  }
  FlushPending();
  Source->Seek(target, TSeekOrigin::Beginning);
  BufferStart = target;
  EmptyBuffer();
  return target;
}

void TBufferedStream::SetSize(int64_t newSize) {
  if (newSize == StreamSize) return;
  if (Dirty && BufferCount > 0) Source->WriteBuffer(Buffer, BufferCount);
  Source->SetSize(newSize);
  // Later writes are flushed at the source's position, which must be the new end.
  Source->Seek(newSize, TSeekOrigin::Beginning);
  BufferStart = newSize;
  StreamSize = newSize;
  EmptyBuffer();
}
