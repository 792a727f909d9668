// File-system and desktop services for the rest of the program: sub-folder
// listings, a robust file copy, recursive folder statistics, file attributes
// and dates, the internet-shortcut reader, and the fixed answers for desktop
// facilities this platform does not have.
//
// Recursive walks never enter symbolic links to folders, so a link loop ends.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "foundation/dates.h"
#include "foundation/types.h"

struct TDirInfoRec {
  std::string Name;  // the last path element
  std::string Path;  // the full path
  bool HasSubDirs = false;
  bool operator==(const TDirInfoRec&) const = default;
};
using TDirInfoRecArr = std::vector<TDirInfoRec>;

// True when the folder holds a sub-folder (or a link to one) whose name does
// not start with a period.
bool DirHasSubDirs(const std::string& folder);
// The direct, not hidden sub-folders in the order the folder listing gives
// them; empty when the folder does not exist.
TDirInfoRecArr FindAllSubDirectoriesLevel1(const std::string& folder);

enum TCopyFileFlag : uint32_t {
  cffOverwriteFile = 1,       // replace an existing target
  cffCreateTargetFolder = 2,  // create the target's folder with its parents
  cffPreserveTime = 4,        // give the target the source's modification time
};
using TCopyFileFlags = uint32_t;

// Copies a regular file while other programs may keep it open. The copy is
// written to a temporary file in the target's folder and renamed over the
// target only when complete, so a failure never leaves a truncated target.
// False, without touching anything, when the source is missing or no regular
// file, when the target exists and cffOverwriteFile is not set, or when the
// target is the source itself. A target that exists but is no regular file (a
// folder, a pipe, a device) is never replaced: that counts as failing to create
// it. A new target gets the permissions of any newly created file; a replaced
// one keeps its own. Opening the source is tried three times, 10 ms apart.
// With raiseErrors the failures to open, create or write throw
// std::runtime_error ("Unable to open file "<source>"", "Unable to create file
// "<target>"", "Unable to write to file "<target>""); otherwise they give false.
bool CopyFileShareDenyNone(const std::string& source, const std::string& target, bool raiseErrors,
                           TCopyFileFlags flags);

// Files, folders and summed file sizes below a folder, and the depth of its
// deepest sub-folder (0 without sub-folders). Names starting with a period
// count only with includeHidden. A link to a file counts as a file with the
// size of its target; a link to a folder counts as a folder but is never
// entered. False (all outputs 0) when the folder does not exist.
bool FileSizeAndNumberOfFilesInDirectoryWithDeepness(const std::string& folder, int32_t& files, int32_t& folders,
                                                     int64_t& size, int32_t& depth, bool recursive, bool includeHidden);
// The same, always recursive, with the entries directly in the folder also
// counted on their own.
bool FileSizeAndNumberOfFilesInDirectorySubfolderSeparatedWithDeepness(const std::string& folder, int32_t& filesTotal,
                                                                       int32_t& filesTop, int32_t& foldersTotal,
                                                                       int32_t& foldersTop, int64_t& sizeTotal,
                                                                       int64_t& sizeTop, int32_t& depth,
                                                                       bool includeHidden);

struct TMacFileAttributes {
  TDateTime CreationDate = 0;  // local time; 0 when unknown
  bool Hidden = false;         // the name starts with a period
  bool Immutable = false;      // the file system's immutable flag
  bool ExtensionHidden = false;
};
// Every field stays 0 or false when the path cannot be read. A symbolic link
// is described itself, not its target.
TMacFileAttributes MacGetFileAttributes(const std::string& path);

// Offset of local time from UTC in seconds, now and at a given instant
// (daylight saving time included).
int32_t GetNSTimeZoneDifference();
int32_t GetTimeZoneDifferenceAt(int64_t secondsSince1970);
// Local date-time of an instant given in seconds since 1970-01-01 00:00 UTC,
// with the UTC offset valid at that instant; 0 for no date or an instant
// outside the years 1 to 9999.
TDateTime NSDateToDateTime(std::optional<double> secondsSince1970);

// Desktop facilities without a meaning on this platform.
enum class TSpecialFolderType { Desktop, Documents, AppData, Programs, Temp };
enum class TClipboardDropEffect { Copy, Move };
std::string GetSpecialFolderPath(TSpecialFolderType kind);                       // always ""
void CopyFilesToClipboard(const TStrArray& files, TClipboardDropEffect effect);  // does nothing
std::string GetVolumeName(char drive);                                           // the drive character itself
std::string GetLinkedFileOfShortcut(const std::string& path);                    // always ""
bool IsProgramRunningAsAdmin();                                                  // always false
void RestartProgramAsAdmin(const std::string& parameters);                       // does nothing

// The value of key "URL" in section "InternetShortcut" of an internet-shortcut
// file; "" when the file does not exist or has no such key.
std::string GetLinkedURLOfURLFile(const std::string& path);
