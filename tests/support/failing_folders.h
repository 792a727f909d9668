// Folders where a save fails for a reason the system names: one the test's
// process may not write into, and a small file system that is full. Both
// need rights the test may not have; each says why it is not there, so that
// the test can skip with that message.
#pragma once

#include <memory>
#include <string>

#include "test_support.h"

namespace testsupport {

// A folder without write permission for the process while the object lives.
// Root may write anywhere, so a root process acts as the user "nobody"
// (effective ids only, given back on destruction).
class TReadOnlyFolder {
 public:
  TReadOnlyFolder();
  ~TReadOnlyFolder();
  TReadOnlyFolder(const TReadOnlyFolder&) = delete;
  TReadOnlyFolder& operator=(const TReadOnlyFolder&) = delete;
  // "" when the folder is not writable for the process; else why not.
  const std::string& Unavailable() const { return FUnavailable; }
  // The folder with its final "/".
  std::string Folder() const { return FDir.str() + "/locked/"; }

 private:
  TempDir FDir;
  std::string FUnavailable;
  bool FSwitchedUser = false;
};

// A file system of 64 KiB mounted over an existing folder for the calling
// thread alone (the folder's own files are hidden while it lives). A test
// puts its files there, then makes it read-only or fills it: writes then fail
// for root too. Needs the right to mount (root or a user namespace).
class TSmallFileSystem {
 public:
  explicit TSmallFileSystem(const std::string& folder);
  ~TSmallFileSystem();
  TSmallFileSystem(const TSmallFileSystem&) = delete;
  TSmallFileSystem& operator=(const TSmallFileSystem&) = delete;
  // "" while it is mounted and did what was asked; else why not.
  const std::string& Unavailable() const { return FUnavailable; }
  bool MakeReadOnly();
  bool MakeWritable();
  // Fills it to the last block.
  bool Fill();

 private:
  bool Remount(unsigned long flags, const std::string& what);
  std::string FFolder;
  std::string FUnavailable;
  bool FMounted = false;
};

// A file system of 64 KiB, mounted for the calling thread alone and filled
// to the last block. Needs the right to mount (root or a user namespace).
class TFullFileSystem {
 public:
  TFullFileSystem();
  TFullFileSystem(const TFullFileSystem&) = delete;
  TFullFileSystem& operator=(const TFullFileSystem&) = delete;
  const std::string& Unavailable() const { return FSystem.Unavailable(); }
  std::string Folder() const { return FDir.str() + "/"; }

 private:
  TempDir FDir;
  TSmallFileSystem FSystem{FDir.str()};
};

}  // namespace testsupport
