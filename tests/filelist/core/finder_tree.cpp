#include "finder_tree.h"

#include <dirent.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "test_support.h"

const std::string kCafeComposedName = "Caf\xC3\xA9.txt";
const std::string kCafeDecomposedName = "Cafe\xCC\x81.txt";

namespace {
void Touch(const std::string& path, const std::string& bytes = "") { testsupport::WriteFileBytes(path, bytes); }
}  // namespace

void BuildFinderTree(const std::string& root) {
  namespace fs = std::filesystem;
  const std::string r = root.back() == '/' ? root : root + "/";
  Touch(r + "a.txt", "hello");
  Touch(r + "b.TXT", "B");
  Touch(r + "c.jpg", std::string("\xFF\xD8\x00\x01", 4));
  Touch(r + "noext", "n");
  Touch(r + ".hidden.txt", "h");
  Touch(r + "..dots.txt", "d");
  fs::create_directories(r + "sub1/deeper");
  Touch(r + "sub1/x.txt", "x");
  Touch(r + "sub1/y.md", "y");
  Touch(r + "sub1/deeper/z.txt", "z");
  fs::create_directory_symlink("..", r + "sub1/up");
  fs::create_directory(r + ".hiddendir");
  Touch(r + ".hiddendir/h.txt", "h");
  fs::create_symlink("a.txt", r + "linkfile.txt");
  fs::create_directory_symlink("sub1", r + "linkdir");
  fs::create_symlink("missing", r + "broken.txt");
  fs::create_directory_symlink(".", r + "loop");
  Touch(r + kCafeComposedName, "composed");
  Touch(r + kCafeDecomposedName, "decomposed");
  fs::create_directory(r + "locked");
  Touch(r + "locked/secret.txt", "s");
  fs::create_directory(r + "many");
  for (int i = 0; i < 10000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "f%05d.%s", i, i % 2 ? "dat" : "txt");
    Touch(r + "many/" + name);
  }
}

namespace {
void Walk(const std::string& folder, bool includeHidden, bool folders, int depthLeft, TStrArray& out) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  std::vector<std::pair<std::string, bool>> entries;
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    if (!includeHidden && name.size() > 1 && name[0] == '.' && name[1] != '.') continue;
    struct stat st {};
    ::lstat((folder + name).c_str(), &st);
    entries.emplace_back(name, S_ISDIR(st.st_mode));
  }
  ::closedir(dir);
  for (const auto& [name, isDir] : entries) {
    if (isDir == folders) out.push_back(folder + name);
    if (isDir && depthLeft != 1) Walk(folder + name + "/", includeHidden, folders, depthLeft - 1, out);
  }
}
}  // namespace

TStrArray ReferenceWalk(const std::string& root, bool includeHidden, bool folders, int maxDepth) {
  TStrArray out;
  Walk(root, includeHidden, folders, maxDepth, out);
  return out;
}

TNoPermissionOverride::TNoPermissionOverride() {
  if (::geteuid() != 0) return;
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  if (::syscall(SYS_capget, &header, data) != 0) return;
  FSaved[0] = data[0].effective;
  FSaved[1] = data[1].effective;
  data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
  FChanged = ::syscall(SYS_capset, &header, data) == 0;
}

TNoPermissionOverride::~TNoPermissionOverride() {
  if (!FChanged) return;
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  ::syscall(SYS_capget, &header, data);
  data[0].effective = FSaved[0];
  data[1].effective = FSaved[1];
  ::syscall(SYS_capset, &header, data);
}
