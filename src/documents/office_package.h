// ZIP packages of office documents (DOCX, ODT, XLSX, ODS).
//
// A package is collected entry by entry in archive order, and then written in
// one go: the archive is built beside the target under a temporary name and
// renamed over it only when it is complete, so an existing target is never
// deleted or damaged by a save that fails. Nothing is created on disk besides
// that temporary file. Large parts are streamed: their text is compressed as
// it is made, never held whole in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "foundation/types.h"

class TTextBuffer;

// Writes the text of a part that is too large to build in memory; it is
// compressed as it is written.
using TOfficePartWriter = std::function<void(TTextBuffer& out)>;

struct TOfficePackageEntry {
  std::string Name;  // path inside the package, "/" between folders
  std::string Data;
  // Set for a streamed part, whose Data stays empty.
  TOfficePartWriter Writer;
};

class TOfficePackage {
 public:
  // The first entry is stored without compression and without extra fields
  // (OpenDocument's "mimetype"); every other entry is deflated at the default
  // level.
  bool StoreFirstFileUncompressed = false;

  // Appends an entry with the given bytes.
  void AddPart(std::string AEntryName, std::string AData);
  // Appends an entry whose text AWriter writes while the archive is written,
  // after the entries before it.
  void AddStreamedPart(std::string AEntryName, TOfficePartWriter AWriter);
  // Appends an entry with the bytes of a file read now; false, and nothing
  // added, when the file cannot be read (its reason in LastFileWriteError).
  bool AddFileFromDisk(std::string AEntryName, const std::string& APath);

  int32_t Count() const { return static_cast<int32_t>(FEntries.size()); }
  const TOfficePackageEntry& Entry(int32_t AIndex) const { return FEntries[static_cast<size_t>(AIndex)]; }

  // Writes the archive to AFileName through the safe write, replacing an
  // existing file only once the new one is complete and on the disk. False,
  // with the target untouched, when the package is empty, the target exists
  // but is no regular file or is write-protected, a link leads nowhere, the
  // folder is missing, or the archive cannot be written (an entry or the whole
  // archive beyond the 4 GB of a ZIP file without its 64-bit extension).
  // Every failure leaves its reason in LastFileWriteError (EISDIR for a
  // folder, EINVAL for any other target that is no regular file).
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
