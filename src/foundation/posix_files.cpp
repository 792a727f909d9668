#include "foundation/posix_files.h"

#include <fcntl.h>
#include <atomic>
#include <cerrno>
#include <chrono>

bool TFileDescriptor::SyncAndClose() {
  if (FFd < 0) return true;
  bool synced = ::fsync(FFd) == 0 || errno == EINVAL || errno == EROFS;
  return Close() && synced;
}

int CreateTempFileBeside(const std::filesystem::path& folder, const std::string& targetName, std::string& tempName) {
  static std::atomic<unsigned> counter{0};
  // Short enough for any file-name length limit, whatever the target's name.
  const std::string stem = targetName.substr(0, 100);
  const auto stamp = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "." + stem + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(stamp % 1000000007ULL) +
                       "-" + std::to_string(counter.fetch_add(1));
    std::string path = (folder / name).string();
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd >= 0) {
      tempName = path;
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

bool WriteAllToFd(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t w = ::write(fd, data.data(), data.size());
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    data.remove_prefix(static_cast<size_t>(w));
  }
  return true;
}

bool IsWriteProtectedFile(const char* path, const struct stat& info) {
  // The permission bits decide for the owner, the group and everyone else
  // alike; the super-user, whom access() never refuses, included.
  const bool protectedFile = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path, W_OK) != 0;
  if (protectedFile) errno = EACCES;
  return protectedFile;
}
