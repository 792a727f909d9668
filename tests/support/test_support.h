// Helpers shared by the test binaries: temporary folders, files, and running
// outside tools for the checks against them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed on destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
// A file of the given size whose bytes all read as zero, made without writing
// them (a sparse file: it takes next to no room on disk). False on failure.
bool WriteSparseFile(const std::string& path, uint64_t size);
std::string ReadFileBytes(const std::string& path);

struct CommandResult {
  int exitCode = -1;
  std::string out;
};
// Runs a shell command line (our own fixed test commands only) and captures stdout.
CommandResult RunCommand(const std::string& commandLine);

// Quotes a path for the fixed test command lines above.
std::string ShellQuote(const std::string& s);

// The Debian python3, which has the standard modules the checks use.
std::string Python3();

// Every section and key of an INI file as python's configparser reads it,
// one "section|key=value" line each, in file order.
CommandResult ReadWithConfigParser(const std::string& path);

}  // namespace testsupport
