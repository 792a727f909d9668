// Text files: reading a whole file into UTF-8 with code-page detection,
// writing UTF-8 text in a chosen code page, and the one safe way every module
// writes a file (temporary file in the same folder, renamed over the target).
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

// The file error: a file that exists but cannot be opened, read or written.
class EFileError : public std::runtime_error {
 public:
  EFileError(const std::string& fileName, const std::string& what, int errorNumber = 0)
      : std::runtime_error(what), FileName(fileName), ErrorNumber(errorNumber) {}
  std::string FileName;
  // The system's error number (errno) of the failed call; 0 when unknown.
  int ErrorNumber;
};

enum class TFileWriteResult {
  Written,       // the target now holds exactly the new content
  CannotCreate,  // the folder, the temporary file or the final rename failed
  WriteError,    // writing the content failed (disk full, size limit, I/O error)
};

// Writes bytes to fileName without ever destroying the old file first: the
// content goes to a temporary file in the target's folder, which is renamed
// over the target only when everything was written. With append the old
// content is copied in front of the new bytes. Missing parent folders are
// created when createFolders is set. An existing target keeps its permission
// bits; a symbolic link is written through to the file it points to and
// stays a link. A dangling link creates that file, but only in a folder that
// exists. On any failure the old file is left as it was and no temporary
// file stays behind.
// An existing target that is write-protected is refused (CannotCreate) and
// left as it was.
TFileWriteResult WriteFileSafely(const std::string& fileName, std::string_view bytes, bool append = false,
                                 bool createFolders = true);
// The same for content too large to hold in memory at once: writeContent
// writes it piece by piece to the descriptor of the temporary file (which it
// must not close) and returns false on any failure.
using TFileContentWriter = std::function<bool(int fd)>;
TFileWriteResult WriteFileSafelyBy(const std::string& fileName, const TFileContentWriter& writeContent,
                                   bool append = false, bool createFolders = true);

// Why the last WriteFileSafely or WriteFileSafelyBy of this thread (and so
// the last SaveString, and every writer built on them) failed: the system's
// error number (errno) of the step that failed, such as ENOENT, EACCES or
// ENOSPC; EACCES for a write-protected target, EISDIR or EINVAL for a target
// that is no regular file; 0 after a success or when the reason is unknown.
// Writers that fail before they reach the safe write record their reason
// with SetLastFileWriteError.
int LastFileWriteError();
void SetLastFileWriteError(int errorNumber);
// The system's text for an error number ("No such file or directory",
// "Permission denied", "No space left on device"); "" for 0.
std::string FileErrorReason(int errorNumber);
// A failure as the user reads it: message, an empty line, the file's name,
// and the reason on a line of its own (left out for 0).
std::string FileFailureText(std::string_view message, std::string_view fileName, int errorNumber);

// The file's text in UTF-8, read in the code page that GetCodePage detects.
// "" for a missing file; raises EFileError when the file cannot be read.
std::string LoadString(const std::string& fileName);
// The file's text in UTF-8, read in the given code page.
std::string LoadString(const std::string& fileName, int32_t codePage);

// Writes text (UTF-8) in the given code page, with its byte-order mark when
// writeBOM is set and the file is new or empty. false when the file cannot be
// created; raises EFileError when writing fails. The old file stays intact on
// both failures.
bool SaveString(std::string_view text, const std::string& fileName, int32_t codePage, bool writeBOM, bool append);

// True when the detected text holds a control byte that text files do not use.
bool IsBinaryFile(const std::string& fileName);

// The detected code page; plus 100000 when addBOMFlag is set and the file
// starts with a byte-order mark. 0 for a missing file.
int32_t GetCodePage(const std::string& fileName, bool addBOMFlag);
// Detects with the mark flag and splits the result; always true.
bool GetCodePageAndBOM(const std::string& fileName, int32_t& codePage, bool& hasBOM);
