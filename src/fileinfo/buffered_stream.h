// Streams for the file-information readers: the abstract stream they read
// through, a read-only file stream that never blocks on pipes or devices, a
// memory stream, and a stream that buffers another one in 1024-byte blocks so
// that many tiny header reads cost one system read per kilobyte.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Failures of a stream; the readers' guards report the class name.
class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
// A file that does not open as a regular file for reading.
class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

enum class TSeekOrigin { Beginning, Current, End };

class TStream {
 public:
  // A buffering stream flushes pending bytes when it is freed and reports a
  // failed flush; its destructor may therefore throw.
  virtual ~TStream() noexcept(false) = default;

  virtual int64_t GetSize() = 0;
  // Bytes actually read; fewer than count at the end of the data.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // From the end, as for any stream, the target is size + offset.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  virtual void SetSize(int64_t newSize) = 0;

  int64_t GetPosition() { return Seek(0, TSeekOrigin::Current); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::Beginning); }
  // All count bytes or EReadError ("Stream read error").
  void ReadBuffer(void* buffer, int64_t count);
  // All count bytes or EWriteError ("Stream write error").
  void WriteBuffer(const void* buffer, int64_t count);
};

// A regular file opened for reading. Folders, pipes, sockets and devices are
// refused at once, without waiting for a writer or a device.
class TFileStream : public TStream {
 public:
  // nullptr when the path is no regular file or cannot be opened.
  static std::unique_ptr<TFileStream> OpenRead(const std::string& fileName);
  ~TFileStream() override;

  int64_t GetSize() override { return FSize; }
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;  // read-only: 0
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;  // read-only: EStreamError
  // All bytes this stream has read from the file so far.
  int64_t BytesRead() const { return FBytesRead; }

 private:
  TFileStream(int fd, int64_t size) : FFd(fd), FSize(size) {}
  int FFd;
  int64_t FSize;
  int64_t FPosition = 0;
  int64_t FBytesRead = 0;
};

// Everything the file streams of the calling thread have read so far, for
// checking that the readers read headers only.
int64_t FileStreamBytesReadOnThisThread();

// A worker that may have to give up on a file while a reader reads all of it
// names its stop request for the readers it runs on its thread. While a scope
// is alive, every file stream of this thread asks the request before each
// piece of a few megabytes it reads; once it answers true the streams give
// no more bytes, so a reader ends as at the end of its file. What the reader
// then holds is incomplete: the worker must drop it.
using TReadStopRequest = std::function<bool()>;
class TReadStopScope {
 public:
  explicit TReadStopScope(TReadStopRequest stopRequested);
  ~TReadStopScope();
  TReadStopScope(const TReadStopScope&) = delete;
  TReadStopScope& operator=(const TReadStopScope&) = delete;

 private:
  TReadStopRequest FPrevious;
};
// True when the stop request of this thread's scope answers true.
bool ReadStopRequestedOnThisThread();

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string data) : FData(std::move(data)) {}

  int64_t GetSize() override { return static_cast<int64_t>(FData.size()); }
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;
  const std::string& Data() const { return FData; }

 private:
  std::string FData;
  int64_t FPosition = 0;
};

// Opens files for the readers of this library. Tests replace the opener to
// simulate files that exist but cannot be opened (the tests run as root, where
// permissions do not stop a read). The replacement returns the previous one;
// an empty function restores the plain file opener.
using TStreamOpener = std::function<std::unique_ptr<TStream>(const std::string& fileName)>;
TStreamOpener SetStreamOpener(TStreamOpener opener);
// nullptr when the file cannot be opened or is no regular file.
std::unique_ptr<TStream> OpenStreamForReading(const std::string& fileName);
// The same, raising EFOpenError ("Cannot open file "<name>"") in place of nullptr.
std::unique_ptr<TStream> OpenStreamForReadingOrRaise(const std::string& fileName);
// The bytes from the stream's position to its end, read in pieces as long as
// they come in full: the size at opening is only a first guess, and no room is
// taken for bytes that are never read. "" once a stop request of the thread
// has ended the reading.
std::string ReadToEnd(TStream& stream);
// The whole file as text in UTF-8, in the code page detected as the
// foundation's LoadString detects it, read through the opener above (so a
// stop request of the thread ends it early). codePage and hasBOM get the
// detected code page and mark. A declared code page (declared(the file's
// first bytes) other than 0, as a web page's charset) takes the place of the
// detection. Raises EFOpenError when it cannot be opened.
std::string LoadTextForReading(const std::string& fileName, int32_t& codePage, bool& hasBOM,
                               const std::function<int32_t(std::string_view head)>& declared = nullptr);

// Write-back buffer of 1024 bytes over another stream, which it neither owns
// nor closes. Unlike other streams, seeking from the end counts a positive
// offset back from the end: Seek(100, End) on 3000 bytes gives 2900.
class TBufferedStream : public TStream {
 public:
  static constexpr int32_t kBufferSize = 1024;

  explicit TBufferedStream(TStream& source);
  // Writes pending bytes; a failure is raised unless an exception is already
  // on its way, when it would end the program.
  ~TBufferedStream() noexcept(false) override;

  int64_t GetSize() override { return StreamSize; }
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;
  using TStream::WriteBuffer;
  // Flush: hands the buffered bytes to the source.
  void WriteBuffer();

  uint8_t Buffer[kBufferSize] = {};
  int32_t BufferPos = 0;
  int32_t BufferCount = 0;
  TStream* Source;
  int64_t BufferStart = 0;
  int64_t StreamSize = 0;
  bool Dirty = false;

 private:
  void FlushPending();
  void EmptyBuffer() { BufferPos = BufferCount = 0; }
};
