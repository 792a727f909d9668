// Small POSIX file helpers shared by the writers that replace a file safely:
// a descriptor closed on every path, a temporary file beside the target, and
// complete writes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

class TFileDescriptor {
 public:
  explicit TFileDescriptor(int fd = -1) : FFd(fd) {}
  ~TFileDescriptor() { Close(); }
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  int get() const { return FFd; }
  bool valid() const { return FFd >= 0; }
  void Reset(int fd) {
    Close();
    FFd = fd;
  }
  // False when closing reports an error (a deferred write error).
  bool Close() {
    if (FFd < 0) return true;
    int r = ::close(FFd);
    FFd = -1;
    return r == 0;
  }
  // Flushes the content to the disk, then closes: a file about to be renamed
  // over another must be complete on the disk first, or a crash could leave an
  // empty file where the old one was.
  bool SyncAndClose();

 private:
  int FFd;
};

// Opens a new, exclusive file in folder under a hidden name derived from
// targetName (mode 0666, so the umask decides, as for any new file). -1 when
// none can be created.
int CreateTempFileBeside(const std::filesystem::path& folder, const std::string& targetName, std::string& tempName);

// Writes all of data; false on any error.
bool WriteAllToFd(int fd, std::string_view data);

// True when the existing file at path (with its stat result) is write-protected:
// the user may not write to it, or it carries no write permission at all. A
// writer that renames a new file over it would silently replace a file the
// user protected, so such a target is refused; errno is then EACCES.
bool IsWriteProtectedFile(const char* path, const struct stat& info);
