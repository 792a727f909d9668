// Trees of files for the finder's tests, a reference listing of them, and a
// guard that takes root's right to read every folder away for a while.
#pragma once

#include <string>
#include <vector>

#include "foundation/types.h"

// Builds under root (which exists):
//   a.txt (5 bytes)  b.TXT  c.jpg  noext  .hidden.txt  ..dots.txt
//   sub1/ x.txt  y.md  deeper/ z.txt  up -> ..       (a link loop)
//   .hiddendir/ h.txt
//   linkfile.txt -> a.txt   linkdir -> sub1   broken.txt -> missing
//   loop -> .
//   Café.txt twice: composed and decomposed
//   locked/ secret.txt     (the test makes it unreadable where it needs to)
//   many/ f00000.txt ... f09999.dat (10,000 files, every second one .txt)
void BuildFinderTree(const std::string& root);

extern const std::string kCafeComposedName;
extern const std::string kCafeDecomposedName;

// The files a walk in the file system's own order finds below root (a path
// ending in "/"), depth first, links never entered: an independent
// transcription of the finder's order for the tests to compare with.
// maxDepth 1 lists only root's own entries.
TStrArray ReferenceWalk(const std::string& root, bool includeHidden, bool folders, int maxDepth = -1);

// While it lives, this thread (and threads it starts) cannot override file
// permissions even when running as root.
class TNoPermissionOverride {
 public:
  TNoPermissionOverride();
  ~TNoPermissionOverride();
  TNoPermissionOverride(const TNoPermissionOverride&) = delete;
  TNoPermissionOverride& operator=(const TNoPermissionOverride&) = delete;

 private:
  bool FChanged = false;
  unsigned FSaved[2] = {0, 0};
};
