#include "foundation/text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "foundation/code_pages.h"
#include "foundation/posix_files.h"
#include "foundation/str_transform.h"

namespace fs = std::filesystem;

namespace {

[[noreturn]] void RaiseFileError(const std::string& fileName, int err) {
  throw EFileError(fileName, fileName + ": " + std::strerror(err), err);
}

// A file opened for reading. Open gives false for a file that does not
// exist and raises EFileError for one that exists but cannot be read. Only
// regular files are read: a device or a pipe could deliver data without end.
class InputFile {
 public:
  bool Open(const std::string& fileName) {
    FName = fileName;
    // Without O_NONBLOCK, opening a named pipe waits for a writer, for ever.
    FFd.Reset(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!FFd.valid()) {
      if (errno == ENOENT || errno == ENOTDIR) return false;
      RaiseFileError(fileName, errno);
    }
    struct stat st {};
    if (::fstat(FFd.get(), &st) != 0) RaiseFileError(fileName, errno);
    if (S_ISDIR(st.st_mode)) RaiseFileError(fileName, EISDIR);
    if (!S_ISREG(st.st_mode)) RaiseFileError(fileName, EINVAL);
    const int flags = ::fcntl(FFd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(FFd.get(), F_SETFL, flags & ~O_NONBLOCK) < 0) RaiseFileError(fileName, errno);
    FSizeHint = static_cast<size_t>(st.st_size);
    return true;
  }

  // The size when the file was opened; only a first guess, since a file may
  // shrink or grow while it is read. What the reads deliver is what counts.
  size_t SizeHint() const { return FSizeHint; }

  // Fills as much of the buffer as the file has left; 0 at the end.
  size_t Read(char* to, size_t n) {
    size_t got = 0;
    while (got < n) {
      ssize_t r = ::read(FFd.get(), to + got, n - got);
      if (r < 0) {
        if (errno == EINTR) continue;
        RaiseFileError(FName, errno);
      }
      if (r == 0) break;
      got += static_cast<size_t>(r);
    }
    return got;
  }

  // The first n bytes (fewer for a shorter file); the position is unchanged.
  std::string Head(size_t n) {
    std::string head(n, '\0');
    size_t got = 0;
    while (got < n) {
      ssize_t r = ::pread(FFd.get(), head.data() + got, n - got, static_cast<off_t>(got));
      if (r < 0) {
        if (errno == EINTR) continue;
        RaiseFileError(FName, errno);
      }
      if (r == 0) break;
      got += static_cast<size_t>(r);
    }
    head.resize(got);
    return head;
  }

  void Rewind(size_t position) {
    if (::lseek(FFd.get(), static_cast<off_t>(position), SEEK_SET) < 0) RaiseFileError(FName, errno);
  }

  // Everything from the current position.
  std::string ReadRest() {
    std::string bytes;
    ReserveLargeText(bytes, FSizeHint);
    bytes.resize(FSizeHint);
    bytes.resize(Read(bytes.data(), bytes.size()));
    char more[65536];
    while (size_t r = Read(more, sizeof more)) bytes.append(more, r);
    return bytes;
  }

 private:
  std::string FName;
  TFileDescriptor FFd;
  size_t FSizeHint = 0;
};

constexpr size_t kPiece = size_t{1} << 18;

// Single-byte, UTF-16 and UTF-32 files are decoded piece by piece: the file
// is never held in memory beside its text.
std::string LoadInPieces(InputFile& file, int32_t codePage) {
  const size_t skip = CodePageMarkLength(file.Head(4), codePage);
  file.Rewind(skip);
  TCodePageDecoder decoder(codePage);
  std::string out;
  // Room that is never written costs no memory.
  ReserveLargeText(out, decoder.MaxOutputSize(file.SizeHint() > skip ? file.SizeHint() - skip : 0));
  std::unique_ptr<char[]> buffer(new char[kPiece]);
  while (size_t r = file.Read(buffer.get(), kPiece)) decoder.Feed(std::string_view(buffer.get(), r), out);
  decoder.Finish(out);
  return out;
}

// A character that a UTF-7 reader inside a base64 run takes as part of it.
bool ContinuesUTF7Run(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/' || c == '-';
}

bool CopyFileContent(int from, int to) {
  char buf[65536];
  for (;;) {
    ssize_t r = ::read(from, buf, sizeof buf);
    if (r < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (r == 0) return true;
    if (!WriteAllToFd(to, std::string_view(buf, static_cast<size_t>(r)))) return false;
  }
}

// Replaces path by the path that its chain of symbolic links ends at, whether
// that exists or not; false for a chain that loops or cannot be read.
bool FollowLinks(fs::path& path) {
  constexpr int kMaxLinks = 40;  // the kernel's own limit for one lookup
  std::error_code ec;
  for (int hops = 0; hops < kMaxLinks; ++hops) {
    const fs::file_status status = fs::symlink_status(path, ec);
    // A missing file is what a dangling link leads to; other errors refuse.
    if (!fs::is_symlink(status)) return status.type() != fs::file_type::none;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return false;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return false;
}

thread_local int tLastFileWriteError = 0;

// Why fs::exists did not find a folder: ENOENT, or ENOTDIR where a file
// stands on its path.
int MissingFolderReason(const fs::path& folder) {
  struct stat st {};
  return ::stat(folder.c_str(), &st) != 0 ? errno : ENOENT;
}

// WriteFileSafelyBy without its record of the reason: every failure leaves
// the reason in errno, from the call that failed or set where no call did.
TFileWriteResult WriteFileSafelyUnrecorded(const std::string& fileName, const TFileContentWriter& writeContent,
                                           bool append, bool createFolders) {
  if (fileName.empty()) {
    errno = ENOENT;
    return TFileWriteResult::CannotCreate;
  }
  std::error_code ec;
  fs::path target(fileName);
  // Writing through a link keeps the link; renaming over it would replace it.
  // A dangling link names the file to create, but never a folder to create.
  const bool viaLink = fs::is_symlink(fs::symlink_status(target, ec));
  if (viaLink && !FollowLinks(target)) return TFileWriteResult::CannotCreate;
  if (target.parent_path().empty()) target = fs::path(".") / target;
  const fs::path folder = target.parent_path();
  if (!fs::exists(folder, ec)) {
    if (!createFolders || viaLink) {
      errno = MissingFolderReason(folder);
      return TFileWriteResult::CannotCreate;
    }
    fs::create_directories(folder, ec);
    if (ec) {
      errno = ec.value();
      return TFileWriteResult::CannotCreate;
    }
  }

  struct stat old {};
  bool hasOld = ::stat(target.c_str(), &old) == 0;
  if (hasOld && !S_ISREG(old.st_mode)) {
    errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
    return TFileWriteResult::CannotCreate;
  }
  if (hasOld && IsWriteProtectedFile(target.c_str(), old)) return TFileWriteResult::CannotCreate;

  // O_NONBLOCK: should the target turn into a pipe after the check above,
  // opening it must not wait for a writer.
  TFileDescriptor source(append && hasOld ? ::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK) : -1);
  if (append && hasOld && !source.valid()) return TFileWriteResult::CannotCreate;
  if (source.valid()) {
    struct stat st {};
    if (::fstat(source.get(), &st) != 0 || !S_ISREG(st.st_mode)) return TFileWriteResult::CannotCreate;
    const int flags = ::fcntl(source.get(), F_GETFL);
    if (flags < 0 || ::fcntl(source.get(), F_SETFL, flags & ~O_NONBLOCK) < 0) return TFileWriteResult::CannotCreate;
  }

  std::string tempName;
  TFileDescriptor temp(CreateTempFileBeside(target.parent_path(), target.filename().string(), tempName));
  if (!temp.valid()) return TFileWriteResult::CannotCreate;
  // Removing the temporary file keeps the reason of the failure.
  auto discard = [&](TFileWriteResult r) {
    const int reason = errno;
    temp.Close();
    ::unlink(tempName.c_str());
    errno = reason;
    return r;
  };
  if (hasOld) {
    // Best effort: the replacement keeps the old file's permissions and owner.
    ::fchmod(temp.get(), old.st_mode & 07777);
    [[maybe_unused]] int ignored = ::fchown(temp.get(), old.st_uid, old.st_gid);
  }
  if (source.valid() && !CopyFileContent(source.get(), temp.get())) return discard(TFileWriteResult::WriteError);
  if (!writeContent(temp.get())) return discard(TFileWriteResult::WriteError);
  if (!temp.SyncAndClose()) return discard(TFileWriteResult::WriteError);
  if (::rename(tempName.c_str(), target.c_str()) != 0) return discard(TFileWriteResult::CannotCreate);
  return TFileWriteResult::Written;
}

}  // namespace

TFileWriteResult WriteFileSafely(const std::string& fileName, std::string_view bytes, bool append, bool createFolders) {
  return WriteFileSafelyBy(
      fileName, [bytes](int fd) { return WriteAllToFd(fd, bytes); }, append, createFolders);
}

TFileWriteResult WriteFileSafelyBy(const std::string& fileName, const TFileContentWriter& writeContent, bool append,
                                   bool createFolders) {
  errno = 0;
  const TFileWriteResult result = WriteFileSafelyUnrecorded(fileName, writeContent, append, createFolders);
  tLastFileWriteError = result == TFileWriteResult::Written ? 0 : errno;
  return result;
}

int LastFileWriteError() { return tLastFileWriteError; }

void SetLastFileWriteError(int errorNumber) { tLastFileWriteError = errorNumber; }

std::string FileErrorReason(int errorNumber) {
  if (errorNumber == 0) return std::string();
  char buffer[256];
  // The GNU strerror_r: thread-safe, and it returns the text, which need not be in buffer.
  return ::strerror_r(errorNumber, buffer, sizeof buffer);
}

std::string FileFailureText(std::string_view message, std::string_view fileName, int errorNumber) {
  std::string text(message);
  if (!fileName.empty()) {
    if (!text.empty()) text += "\n\n";
    text += fileName;
  }
  const std::string reason = FileErrorReason(errorNumber);
  if (!reason.empty()) {
    if (!text.empty()) text += '\n';
    text += reason;
  }
  return text;
}

std::string LoadString(const std::string& fileName) {
  InputFile file;
  if (!file.Open(fileName)) return "";
  // The file is read straight into what will be the text of a UTF-8 or ASCII
  // file while detection looks at it; once detection has decided on a code
  // page that is decoded piece by piece, the bytes read so far are dropped.
  TCodePageDetector detector;
  std::string bytes;
  ReserveLargeText(bytes, file.SizeHint());
  char probe[65536];
  for (;;) {
    const size_t old = bytes.size();
    size_t r = 0;
    if (bytes.capacity() > old) {
      const size_t want = std::min(kPiece, bytes.capacity() - old);
      bytes.resize(old + want);
      r = file.Read(bytes.data() + old, want);
      bytes.resize(old + r);
    } else {
      // The file has grown past its size at opening, or is just full: grow
      // only when there really is more.
      r = file.Read(probe, sizeof probe);
      bytes.append(probe, r);
    }
    if (r == 0) break;
    if (detector.Decided()) continue;
    detector.Feed(std::string_view(bytes).substr(old));
    bool hasBOM = false;
    if (detector.Decided() && TCodePageDecoder::DecodesInPieces(detector.Result(hasBOM))) {
      std::string().swap(bytes);
      return LoadInPieces(file, detector.Result(hasBOM));
    }
  }
  bool hasBOM = false;
  return CodePageBytesToUTF8(std::move(bytes), detector.Result(hasBOM));
}

std::string LoadString(const std::string& fileName, int32_t codePage) {
  InputFile file;
  if (!file.Open(fileName)) return "";
  if (TCodePageDecoder::DecodesInPieces(codePage)) return LoadInPieces(file, codePage);
  return CodePageBytesToUTF8(file.ReadRest(), codePage);
}

bool SaveString(std::string_view text, const std::string& fileName, int32_t codePage, bool writeBOM, bool append) {
  // A mark belongs at the start of a file only, never in the middle of one
  // that is appended to.
  bool atStart = true;
  if (append) {
    struct stat st {};
    if (::stat(fileName.c_str(), &st) == 0 && st.st_size > 0) atStart = false;
  }
  const bool mark = writeBOM && atStart;
  std::string out;
  if (mark && codePage == cpUTF7) {
    std::string withMark = "\xEF\xBB\xBF";
    withMark += text;
    out = UTF8ToCodePageBytes(withMark, codePage);
  } else {
    if (mark) out = CodePageBOM(codePage);
    if (out.empty())
      out = UTF8ToCodePageBytes(text, codePage);
    else
      out += UTF8ToCodePageBytes(text, codePage);
  }
  // UTF-7 leaves a base64 run at the end of a text open. Text appended to
  // such a file must close it first, or its first characters would be read
  // as part of the old run and the new text lost.
  if (!atStart && (codePage == cpUTF7ANSI || codePage == cpUTF7) && !out.empty() && ContinuesUTF7Run(out[0])) {
    try {
      InputFile old;
      if (old.Open(fileName) && UTF7EndsInRun(old.ReadRest())) out.insert(0, "-");
    } catch (const EFileError&) {
      // An old file that cannot be read cannot be appended to either; the
      // write below reports that.
    }
  }
  switch (WriteFileSafely(fileName, out, append)) {
    case TFileWriteResult::Written: return true;
    case TFileWriteResult::CannotCreate: return false;
    case TFileWriteResult::WriteError: break;
  }
  throw EFileError(fileName, fileName + ": the file could not be written", LastFileWriteError());
}

bool IsBinaryFile(const std::string& fileName) { return IsBinaryStr(LoadString(fileName)); }

int32_t GetCodePage(const std::string& fileName, bool addBOMFlag) {
  InputFile file;
  if (!file.Open(fileName)) return 0;
  TCodePageDetector detector;
  std::unique_ptr<char[]> buffer(new char[kPiece]);
  while (!detector.Decided()) {
    const size_t r = file.Read(buffer.get(), kPiece);
    if (r == 0) break;
    detector.Feed(std::string_view(buffer.get(), r));
  }
  bool hasBOM = false;
  const int32_t cp = detector.Result(hasBOM);
  return addBOMFlag && hasBOM ? cp + 100000 : cp;
}

bool GetCodePageAndBOM(const std::string& fileName, int32_t& codePage, bool& hasBOM) {
  int32_t v = GetCodePage(fileName, true);
  hasBOM = v > 100000;
  codePage = hasBOM ? v - 100000 : v;
  return true;
}
