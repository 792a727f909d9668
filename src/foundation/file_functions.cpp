#include "foundation/file_functions.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <thread>

#include "foundation/doc_ini.h"
#include "foundation/posix_files.h"

namespace fs = std::filesystem;

namespace {

bool IsHiddenName(const std::string& name) { return !name.empty() && name[0] == '.'; }

// One entry of a folder, read before anything below it is visited so that a
// deep walk keeps only one folder open at a time.
struct Entry {
  std::string name;
  fs::path path;
  bool isFolder = false;  // a folder, or a link to one
  bool isLink = false;
  int64_t size = 0;
};

bool ListFolder(const fs::path& folder, bool includeHidden, std::vector<Entry>& entries) {
  std::error_code ec;
  fs::directory_iterator it(folder, fs::directory_options::none, ec);
  if (ec) return false;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    Entry e;
    e.path = it->path();
    e.name = e.path.filename().string();
    if (!includeHidden && IsHiddenName(e.name)) continue;
    std::error_code sec;
    e.isLink = it->is_symlink(sec);
    fs::file_status st = it->status(sec);  // follows links
    if (sec) {
      // A dangling link: a file of its own with nothing to count.
      entries.push_back(std::move(e));
      continue;
    }
    e.isFolder = fs::is_directory(st);
    if (!e.isFolder && fs::is_regular_file(st)) {
      auto n = fs::file_size(e.path, sec);
      if (!sec) e.size = static_cast<int64_t>(n);
    }
    entries.push_back(std::move(e));
  }
  return true;
}

struct Stats {
  int64_t files = 0;
  int64_t folders = 0;
  int64_t size = 0;
  int32_t depth = 0;
};

// direct, when given, receives the counts of the folder's own entries alone.
bool Walk(const fs::path& folder, bool recursive, bool includeHidden, Stats& out, Stats* direct = nullptr) {
  std::vector<Entry> entries;
  if (!ListFolder(folder, includeHidden, entries)) return false;
  for (const auto& e : entries) {
    if (!e.isFolder) {
      ++out.files;
      out.size += e.size;
      if (direct) {
        ++direct->files;
        direct->size += e.size;
      }
      continue;
    }
    ++out.folders;
    if (direct) ++direct->folders;
    int32_t subDepth = 0;
    if (recursive && !e.isLink) {
      Stats sub;
      if (Walk(e.path, recursive, includeHidden, sub)) {
        out.files += sub.files;
        out.folders += sub.folders;
        out.size += sub.size;
        subDepth = sub.depth;
      }
    }
    out.depth = std::max(out.depth, subDepth + 1);
  }
  return true;
}

int32_t Clamp32(int64_t v) { return static_cast<int32_t>(std::min<int64_t>(v, std::numeric_limits<int32_t>::max())); }

[[noreturn]] void Raise(const char* what, const std::string& path) {
  throw std::runtime_error(std::string(what) + " \"" + path + "\"");
}

// Removes the temporary copy unless it was renamed into place.
class TempFile {
 public:
  explicit TempFile(std::string path) : FPath(std::move(path)) {}
  ~TempFile() {
    if (!FPath.empty()) ::unlink(FPath.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return FPath; }
  void Release() { FPath.clear(); }

 private:
  std::string FPath;
};

}  // namespace

bool DirHasSubDirs(const std::string& folder) {
  std::error_code ec;
  fs::directory_iterator it(folder, fs::directory_options::none, ec);
  if (ec) return false;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return false;
    if (IsHiddenName(it->path().filename().string())) continue;
    std::error_code sec;
    if (it->is_directory(sec)) return true;
  }
  return false;
}

TDirInfoRecArr FindAllSubDirectoriesLevel1(const std::string& folder) {
  TDirInfoRecArr result;
  std::vector<Entry> entries;
  if (!ListFolder(folder, false, entries)) return result;
  for (const auto& e : entries) {
    if (!e.isFolder) continue;
    std::string path = e.path.string();
    result.push_back({e.name, path, DirHasSubDirs(path)});
  }
  return result;
}

bool CopyFileShareDenyNone(const std::string& source, const std::string& target, bool raiseErrors,
                           TCopyFileFlags flags) {
  struct stat srcInfo {};
  if (source.empty() || target.empty() || ::stat(source.c_str(), &srcInfo) != 0 || !S_ISREG(srcInfo.st_mode))
    return false;

  // A link as target keeps being a link: its referent is what gets replaced.
  std::error_code ec;
  fs::path targetPath(target);
  struct stat dstInfo {};
  if (::lstat(targetPath.c_str(), &dstInfo) == 0 && S_ISLNK(dstInfo.st_mode)) {
    targetPath = fs::weakly_canonical(targetPath, ec);
    if (ec) return false;
  }
  bool targetExists = ::stat(targetPath.c_str(), &dstInfo) == 0;
  if (targetExists) {
    if (!(flags & cffOverwriteFile)) return false;
    // Copying a file onto itself would destroy it.
    if (dstInfo.st_dev == srcInfo.st_dev && dstInfo.st_ino == srcInfo.st_ino) return false;
    // A folder, pipe or device cannot take the content; renaming over it
    // would remove it instead.
    if (!S_ISREG(dstInfo.st_mode)) {
      if (raiseErrors) Raise("Unable to create file", target);
      return false;
    }
  }

  fs::path folder = targetPath.parent_path();
  if (folder.empty()) folder = ".";
  if ((flags & cffCreateTargetFolder) && !fs::is_directory(folder, ec)) {
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) return false;
  }

  TFileDescriptor in;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
      in.Reset(fd);
      break;
    }
  }
  struct stat openedInfo {};
  if (in.get() < 0 || ::fstat(in.get(), &openedInfo) != 0 || !S_ISREG(openedInfo.st_mode)) {
    if (raiseErrors) Raise("Unable to open file", source);
    return false;
  }
  // Not blocking mattered only while the source might have been a pipe.
  int inFlags = ::fcntl(in.get(), F_GETFL);
  if (inFlags >= 0) ::fcntl(in.get(), F_SETFL, inFlags & ~O_NONBLOCK);

  std::string tempName;
  TFileDescriptor out(CreateTempFileBeside(folder, targetPath.filename().string(), tempName));
  if (!out.valid()) {
    if (raiseErrors) Raise("Unable to create file", target);
    return false;
  }
  TempFile temp(tempName);

  std::vector<char> block(65536);
  int64_t copied = 0;
  for (;;) {
    ssize_t r = ::read(in.get(), block.data(), block.size());
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) {
      if (raiseErrors) Raise("Unable to open file", source);
      return false;
    }
    if (r == 0) break;
    if (!WriteAllToFd(out.get(), std::string_view(block.data(), static_cast<size_t>(r)))) {
      if (raiseErrors) Raise("Unable to write to file", target);
      return false;
    }
    copied += r;
  }

  if (targetExists) {
    // Best effort: the replacement keeps the old target's permissions and owner.
    // (Owner first: a change of owner clears set-user-ID bits.)
    [[maybe_unused]] int ignored = ::fchown(out.get(), dstInfo.st_uid, dstInfo.st_gid);
    ::fchmod(out.get(), dstInfo.st_mode & 07777);
  }
  if (flags & cffPreserveTime) {
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1] = openedInfo.st_mtim;
    ::futimens(out.get(), times);
  }
  if (!out.SyncAndClose()) {
    if (raiseErrors) Raise("Unable to write to file", target);
    return false;
  }

  // Only a complete copy replaces the target.
  struct stat endInfo {};
  if (::fstat(in.get(), &endInfo) != 0 || endInfo.st_size != copied) return false;
  in.Close();
  if (::rename(temp.path().c_str(), targetPath.c_str()) != 0) {
    if (raiseErrors) Raise("Unable to create file", target);
    return false;
  }
  temp.Release();
  return true;
}

bool FileSizeAndNumberOfFilesInDirectoryWithDeepness(const std::string& folder, int32_t& files, int32_t& folders,
                                                     int64_t& size, int32_t& depth, bool recursive,
                                                     bool includeHidden) {
  files = folders = depth = 0;
  size = 0;
  std::error_code ec;
  if (folder.empty() || !fs::is_directory(folder, ec)) return false;
  Stats s;
  if (!Walk(folder, recursive, includeHidden, s)) return false;
  files = Clamp32(s.files);
  folders = Clamp32(s.folders);
  size = s.size;
  depth = s.depth;
  return true;
}

bool FileSizeAndNumberOfFilesInDirectorySubfolderSeparatedWithDeepness(const std::string& folder, int32_t& filesTotal,
                                                                       int32_t& filesTop, int32_t& foldersTotal,
                                                                       int32_t& foldersTop, int64_t& sizeTotal,
                                                                       int64_t& sizeTop, int32_t& depth,
                                                                       bool includeHidden) {
  filesTotal = filesTop = foldersTotal = foldersTop = depth = 0;
  sizeTotal = sizeTop = 0;
  std::error_code ec;
  if (folder.empty() || !fs::is_directory(folder, ec)) return false;
  Stats top, total;
  if (!Walk(folder, true, includeHidden, total, &top)) return false;
  filesTop = Clamp32(top.files);
  foldersTop = Clamp32(top.folders);
  sizeTop = top.size;
  filesTotal = Clamp32(total.files);
  foldersTotal = Clamp32(total.folders);
  sizeTotal = total.size;
  depth = total.depth;
  return true;
}

TMacFileAttributes MacGetFileAttributes(const std::string& path) {
  TMacFileAttributes a;
  if (path.empty()) return a;
  struct statx sx {};
  if (::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_TYPE | STATX_BTIME, &sx) != 0) return a;
  if (sx.stx_mask & STATX_BTIME)
    a.CreationDate = NSDateToDateTime(static_cast<double>(sx.stx_btime.tv_sec) + sx.stx_btime.tv_nsec / 1e9);
  if (S_ISREG(sx.stx_mode) || S_ISDIR(sx.stx_mode)) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW);
    if (fd >= 0) {
      int attrs = 0;
      if (::ioctl(fd, FS_IOC_GETFLAGS, &attrs) == 0) a.Immutable = (attrs & FS_IMMUTABLE_FL) != 0;
      ::close(fd);
    }
  }
  std::string name = path;
  while (name.size() > 1 && name.back() == '/') name.pop_back();
  a.Hidden = IsHiddenName(fs::path(name).filename().string());
  return a;
}

int32_t GetTimeZoneDifferenceAt(int64_t secondsSince1970) {
  auto t = static_cast<time_t>(secondsSince1970);
  struct tm local {};
  if (!::localtime_r(&t, &local)) return 0;
  return static_cast<int32_t>(local.tm_gmtoff);
}

int32_t GetNSTimeZoneDifference() { return GetTimeZoneDifferenceAt(static_cast<int64_t>(::time(nullptr))); }

TDateTime NSDateToDateTime(std::optional<double> secondsSince1970) {
  // The instants of 0001-01-01 and 9999-12-31 23:59:59 UTC, with a day to spare
  // for the time zone.
  constexpr double kFirst = -62135596800.0 + 86400.0;
  constexpr double kLast = 253402300799.0 - 86400.0;
  if (!secondsSince1970 || !std::isfinite(*secondsSince1970) || *secondsSince1970 < kFirst || *secondsSince1970 > kLast)
    return 0;
  double secs = *secondsSince1970;
  double local = secs + GetTimeZoneDifferenceAt(static_cast<int64_t>(std::floor(secs)));
  double days = std::floor(local / 86400.0);
  double timeOfDay = (local - days * 86400.0) / 86400.0;
  constexpr double kUnixEpochDay = 25569.0;  // 1970-01-01 as a date-time
  return ComposeDateTime(days + kUnixEpochDay, timeOfDay);
}

std::string GetSpecialFolderPath(TSpecialFolderType) { return ""; }
void CopyFilesToClipboard(const TStrArray&, TClipboardDropEffect) {}
std::string GetVolumeName(char drive) { return std::string(1, drive); }
std::string GetLinkedFileOfShortcut(const std::string&) { return ""; }
bool IsProgramRunningAsAdmin() { return false; }
void RestartProgramAsAdmin(const std::string&) {}

std::string GetLinkedURLOfURLFile(const std::string& path) {
  std::error_code ec;
  if (path.empty() || !fs::is_regular_file(path, ec)) return "";
  TDocINI ini;
  if (!ini.LoadFromFile(path)) return "";
  return ini.ReadString("InternetShortcut", "URL", "");
}
