// ZIP packages of office documents (DOCX, ODT, XLSX, ODS).
//
// A package is collected in memory, entry by entry in archive order, and then
// written in one go: the archive is built beside the target under a temporary
// name and renamed over it only when it is complete, so an existing target is
// never deleted or damaged by a save that fails. Nothing is created on disk
// besides that temporary file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/types.h"

struct TOfficePackageEntry {
  std::string Name;  // path inside the package, "/" between folders
  std::string Data;
};

class TOfficePackage {
 public:
  // The first entry is stored without compression and without extra fields
  // (OpenDocument's "mimetype"); every other entry is deflated at the default
  // level.
  bool StoreFirstFileUncompressed = false;

  // Appends an entry with the given bytes.
  void AddPart(std::string AEntryName, std::string AData);
  // Appends an entry with the bytes of a file read now; false, and nothing
  // added, when the file cannot be read.
  bool AddFileFromDisk(std::string AEntryName, const std::string& APath);

  int32_t Count() const { return static_cast<int32_t>(FEntries.size()); }
  const TOfficePackageEntry& Entry(int32_t AIndex) const { return FEntries[static_cast<size_t>(AIndex)]; }

  // Writes the archive to AFileName, replacing an existing file only once the
  // new one is complete. False, with the target untouched, when the package is
  // empty, the target exists but is no regular file, or the archive cannot be
  // written.
  bool SaveToFile(const std::string& AFileName) const;

 private:
  std::vector<TOfficePackageEntry> FEntries;
};

// Zips a list of files on disk; the entry names are the paths with the base
// folder cut out.
class TZipperFilelist {
 public:
  bool StoreFirstFileUncompressed = false;

  // The base folder starts as the folder of the first file.
  TZipperFilelist(const TStrArray& AFiles, std::string AZipFileName);

  // Stored with a trailing "/".
  void SetBaseDir(const std::string& ADir);
  const std::string& BaseDir() const { return FBaseDir; }

  // Writes the archive (replacing an existing target only when complete).
  // Every listed file must be readable: a missing one means a part of the
  // document was not written, so the save fails and no archive is made.
  bool Execute();

 private:
  TStrArray FFiles;
  std::string FZipFileName;
  std::string FBaseDir;
};
