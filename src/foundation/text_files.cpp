#include "foundation/text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "foundation/code_pages.h"
#include "foundation/str_transform.h"

namespace fs = std::filesystem;

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Returns false when closing reports an error (a deferred write error).
  bool Close() {
    if (fd_ < 0) return true;
    int r = ::close(fd_);
    fd_ = -1;
    return r == 0;
  }

 private:
  int fd_;
};

[[noreturn]] void RaiseFileError(const std::string& fileName, int err) {
  throw EFileError(fileName, fileName + ": " + std::strerror(err));
}

// Reads the whole file. false for a file that does not exist; raises
// EFileError for one that exists but cannot be read. Only regular files are
// read: a device or a pipe could deliver data without end.
bool ReadWholeFile(const std::string& fileName, std::string& bytes) {
  bytes.clear();
  FileDescriptor fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) {
    if (errno == ENOENT || errno == ENOTDIR) return false;
    RaiseFileError(fileName, errno);
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) RaiseFileError(fileName, errno);
  if (S_ISDIR(st.st_mode)) RaiseFileError(fileName, EISDIR);
  if (!S_ISREG(st.st_mode)) RaiseFileError(fileName, EINVAL);
  size_t size = static_cast<size_t>(st.st_size);
  bytes.resize(size);
  size_t got = 0;
  // The reported size is only a first guess (a file may shrink or grow while
  // it is read, and some report 0); what the reads deliver is what counts.
  for (;;) {
    if (got == bytes.size()) bytes.resize(got + (got < 65536 ? 65536 : got / 2));
    ssize_t r = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (r < 0) {
      if (errno == EINTR) continue;
      RaiseFileError(fileName, errno);
    }
    if (r == 0) break;
    got += static_cast<size_t>(r);
  }
  bytes.resize(got);
  bytes.shrink_to_fit();
  return true;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t w = ::write(fd, data.data(), data.size());
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(w));
  }
  return true;
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
    if (!WriteAll(to, std::string_view(buf, static_cast<size_t>(r)))) return false;
  }
}

// Opens a new, exclusive temporary file next to the target. The mode 0666 lets
// the process umask decide the permissions of a new file, as for a plain create.
int CreateTempFile(const fs::path& target, std::string& tempName) {
  static std::atomic<unsigned> counter{0};
  std::string base = target.filename().string();
  // Room for the suffix within the usual 255-byte name limit.
  if (base.size() > 200) base.resize(200);
  const auto stamp = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned n = counter.fetch_add(1);
    std::string name = "." + base + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(stamp % 1000000007ULL) +
                       "-" + std::to_string(n);
    fs::path p = target.parent_path() / name;
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      tempName = p.string();
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

}  // namespace

TFileWriteResult WriteFileSafely(const std::string& fileName, std::string_view bytes, bool append,
                                 bool createFolders) {
  if (fileName.empty()) return TFileWriteResult::CannotCreate;
  std::error_code ec;
  fs::path target(fileName);
  // Writing through a link keeps the link; renaming over it would replace it.
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    fs::path resolved = fs::weakly_canonical(target, ec);
    if (ec) return TFileWriteResult::CannotCreate;
    target = resolved;
  }
  if (target.parent_path().empty()) target = fs::path(".") / target;
  const fs::path folder = target.parent_path();
  if (!fs::exists(folder, ec)) {
    if (!createFolders) return TFileWriteResult::CannotCreate;
    fs::create_directories(folder, ec);
    if (ec) return TFileWriteResult::CannotCreate;
  }

  struct stat old {};
  bool hasOld = ::stat(target.c_str(), &old) == 0;
  if (hasOld && !S_ISREG(old.st_mode)) return TFileWriteResult::CannotCreate;

  FileDescriptor source(append && hasOld ? ::open(target.c_str(), O_RDONLY | O_CLOEXEC) : -1);
  if (append && hasOld && !source.valid()) return TFileWriteResult::CannotCreate;

  std::string tempName;
  FileDescriptor temp(CreateTempFile(target, tempName));
  if (!temp.valid()) return TFileWriteResult::CannotCreate;
  auto discard = [&](TFileWriteResult r) {
    temp.Close();
    ::unlink(tempName.c_str());
    return r;
  };
  if (hasOld) {
    // Best effort: the replacement keeps the old file's permissions and owner.
    ::fchmod(temp.get(), old.st_mode & 07777);
    [[maybe_unused]] int ignored = ::fchown(temp.get(), old.st_uid, old.st_gid);
  }
  if (source.valid() && !CopyFileContent(source.get(), temp.get())) return discard(TFileWriteResult::WriteError);
  if (!WriteAll(temp.get(), bytes)) return discard(TFileWriteResult::WriteError);
  if (!temp.Close()) {
    ::unlink(tempName.c_str());
    return TFileWriteResult::WriteError;
  }
  if (::rename(tempName.c_str(), target.c_str()) != 0) {
    ::unlink(tempName.c_str());
    return TFileWriteResult::CannotCreate;
  }
  return TFileWriteResult::Written;
}

std::string LoadString(const std::string& fileName) {
  std::string bytes;
  if (!ReadWholeFile(fileName, bytes)) return "";
  bool hasBOM = false;
  int32_t cp = DetectCodePage(bytes, hasBOM);
  return CodePageBytesToUTF8(std::move(bytes), cp);
}

std::string LoadString(const std::string& fileName, int32_t codePage) {
  std::string bytes;
  if (!ReadWholeFile(fileName, bytes)) return "";
  return CodePageBytesToUTF8(std::move(bytes), codePage);
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
  if (mark && codePage == 65000) {
    std::string withMark = "\xEF\xBB\xBF";
    withMark += text;
    out = UTF8ToCodePageBytes(withMark, codePage);
  } else {
    if (mark) out = CodePageBOM(codePage);
    if (out.empty()) out = UTF8ToCodePageBytes(text, codePage);
    else out += UTF8ToCodePageBytes(text, codePage);
  }
  switch (WriteFileSafely(fileName, out, append)) {
    case TFileWriteResult::Written: return true;
    case TFileWriteResult::CannotCreate: return false;
    case TFileWriteResult::WriteError: break;
  }
  throw EFileError(fileName, fileName + ": the file could not be written");
}

bool IsBinaryFile(const std::string& fileName) { return IsBinaryStr(LoadString(fileName)); }

int32_t GetCodePage(const std::string& fileName, bool addBOMFlag) {
  std::string bytes;
  if (!ReadWholeFile(fileName, bytes)) return 0;
  bool hasBOM = false;
  int32_t cp = DetectCodePage(bytes, hasBOM);
  return addBOMFlag && hasBOM ? cp + 100000 : cp;
}

bool GetCodePageAndBOM(const std::string& fileName, int32_t& codePage, bool& hasBOM) {
  int32_t v = GetCodePage(fileName, true);
  hasBOM = v > 100000;
  codePage = hasBOM ? v - 100000 : v;
  return true;
}
