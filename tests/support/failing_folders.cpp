#include "failing_folders.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace testsupport {

namespace {

constexpr uid_t kNobody = 65534;

std::string Reason(const std::string& what) { return what + ": " + std::strerror(errno); }

}  // namespace

TReadOnlyFolder::TReadOnlyFolder() {
  // The way down must stay open to the other user.
  ::chmod(FDir.str().c_str(), 0755);
  const std::string locked = FDir.str() + "/locked";
  if (::mkdir(locked.c_str(), 0555) != 0) {
    FUnavailable = Reason("mkdir " + locked);
    return;
  }
  if (::geteuid() == 0) {
    if (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0) {
      FUnavailable = Reason("acting as the user nobody");
      ::setegid(0);
      return;
    }
    FSwitchedUser = true;
  }
  if (::faccessat(AT_FDCWD, locked.c_str(), W_OK, AT_EACCESS) == 0)
    FUnavailable = "the process may write into a folder of mode 0555";
}

TReadOnlyFolder::~TReadOnlyFolder() {
  if (FSwitchedUser) {
    [[maybe_unused]] int user = ::seteuid(0);
    [[maybe_unused]] int group = ::setegid(0);
  }
  ::chmod((FDir.str() + "/locked").c_str(), 0755);
}

TSmallFileSystem::TSmallFileSystem(const std::string& folder) : FFolder(folder) {
  // A mount namespace of this thread's own: nothing is seen or left outside it.
  if (::unshare(CLONE_NEWNS) != 0) {
    FUnavailable = Reason("a mount namespace of its own");
    return;
  }
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    FUnavailable = Reason("making the mounts private");
    return;
  }
  if (::mount("syllabrix-test", FFolder.c_str(), "tmpfs", 0, "size=64k,mode=0777") != 0) {
    FUnavailable = Reason("mounting a 64 KiB tmpfs");
    return;
  }
  FMounted = true;
}

TSmallFileSystem::~TSmallFileSystem() {
  if (FMounted) ::umount2(FFolder.c_str(), MNT_DETACH);
}

bool TSmallFileSystem::Remount(unsigned long flags, const std::string& what) {
  if (!FMounted) return false;
  if (::mount(nullptr, FFolder.c_str(), nullptr, MS_REMOUNT | flags, nullptr) != 0) {
    FUnavailable = Reason(what);
    return false;
  }
  return true;
}

bool TSmallFileSystem::MakeReadOnly() {
  if (!Remount(MS_RDONLY, "remounting read-only")) return false;
  const int probe = ::open((FFolder + "/probe").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (probe < 0) return true;
  ::close(probe);
  ::unlink((FFolder + "/probe").c_str());
  FUnavailable = "a file system remounted read-only still takes new files";
  return false;
}

bool TSmallFileSystem::MakeWritable() { return Remount(0, "remounting writable"); }

bool TSmallFileSystem::Fill() {
  if (!FMounted) return false;
  const std::string filler = FFolder + "/filler";
  const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    FUnavailable = Reason("creating " + filler);
    return false;
  }
  const std::vector<char> block(4096, 'x');
  while (true) {
    const ssize_t written = ::write(fd, block.data(), block.size());
    if (written > 0) continue;
    if (written < 0 && errno == EINTR) continue;
    break;
  }
  ::close(fd);
  const int probe = ::open((FFolder + "/probe").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (probe >= 0) {
    if (::write(probe, "x", 1) == 1 && ::fsync(probe) == 0) FUnavailable = "the file system does not fill";
    ::close(probe);
    ::unlink((FFolder + "/probe").c_str());
  }
  return FUnavailable.empty();
}

TFullFileSystem::TFullFileSystem() { FSystem.Fill(); }

}  // namespace testsupport
