// What the file system knows about one file or folder (dates, hidden and
// immutable flags, the birth time, the target of an internet shortcut), and
// the name of a path's volume.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/dates.h"

class TAttributeInfo {
 public:
  // Reads fileName at once unless it is empty; the result is dropped.
  explicit TAttributeInfo(const std::string& fileName = "");

  void Reset();
  // True when a file or folder of that name exists. FileName is set either way.
  bool GetAttributes(const std::string& fileName);

  // The steps of GetAttributes; each returns whether it found its data.
  bool GetAttributesStatUnix(const std::string& fileName);
  bool GetAttributesMac(const std::string& fileName);
  bool GetAttributesOfShortcuts(const std::string& fileName);
  bool GetAttributesOfURL(const std::string& fileName);
  bool GetAttributesRating(const std::string& fileName);

  std::string FileName;
  std::string Link;
  int32_t Rating = 0;
  bool AttributeHiddenMac = false;  // the name starts with a period
  bool AttributeLockedMac = false;  // the file system's immutable flag
  bool AttributeExtHiddenMac = false;
  TDateTime DateCreatedMac = 0;  // birth time where the file system records it
  TDateTime DateAccessedUnix = 0;
  TDateTime DateAttrChangedUnix = 0;
  TDateTime DateModifiedUnix = 0;
  int32_t Tag = 0;
};

class TVolumeInfo {
 public:
  explicit TVolumeInfo(const std::string& fileName = "");

  void Reset() { VolumeName.clear(); }
  // An empty name changes nothing and gives false; otherwise VolumeName is the
  // first character of the name ("/" for every absolute path) and the result true.
  bool GetData(const std::string& fileName);

  std::string VolumeName;
  int32_t Tag = 0;
};
