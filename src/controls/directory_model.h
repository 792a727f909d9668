// The file-system side of the folder tree, without widgets: one level of
// sub-folders at a time (never a walk of the whole disk), links that point
// back into their own ancestors marked so that the tree never follows them,
// and the path arithmetic between tree nodes and absolute paths.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/types.h"

struct TDirTreeEntry {
  std::string Name;
  std::string Path;
  bool HasSubDirs = false;
  // A link to the folder itself or to one of its ancestors: shown, never
  // expanded, so a link loop cannot nest without end.
  bool LoopLink = false;
};

struct TDirTreeListing {
  bool Readable = false;  // false: missing, no folder, or not readable
  std::vector<TDirTreeEntry> Entries;
};

// The direct sub-folders of folder whose names do not start with a period,
// in the order the listing gives them. Reads one level (and one probe per
// child for the expand mark); never throws.
TDirTreeListing ListDirTreeLevel(const std::string& folder);

// Path with exactly one trailing "/".
std::string WithTrailingDelimiter(const std::string& path);

// The names below root that lead to path: "/r" and "/r/a/b" give {a, b};
// the root itself gives {}. False when path is not below (or at) root.
// Both are absolute; "." and ".." parts are resolved lexically.
bool DirTreePathParts(const std::string& root, const std::string& path, TStrArray& parts);
