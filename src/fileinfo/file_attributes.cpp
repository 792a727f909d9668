#include "fileinfo/file_attributes.h"

#include <sys/stat.h>

#include "foundation/file_functions.h"
#include "foundation/paths.h"

TAttributeInfo::TAttributeInfo(const std::string& fileName) {
  Tag = 0;
  Reset();
  if (!fileName.empty()) GetAttributes(fileName);
}

void TAttributeInfo::Reset() {
  FileName.clear();
  Link.clear();
  Rating = 0;
  AttributeHiddenMac = AttributeLockedMac = AttributeExtHiddenMac = false;
  DateCreatedMac = DateAccessedUnix = DateAttrChangedUnix = DateModifiedUnix = 0;
}

bool TAttributeInfo::GetAttributes(const std::string& fileName) {
  Reset();
  FileName = fileName;
  struct stat st {};
  if (fileName.empty() || ::stat(fileName.c_str(), &st) != 0) return false;
  GetAttributesStatUnix(fileName);
  GetAttributesMac(fileName);
  std::string ext = ExtractFileExtWithoutExtensionSeparator(fileName);
  for (char& c : ext)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (ext == "LNK") {
    GetAttributesOfShortcuts(fileName);
  } else if (ext == "URL") {
    GetAttributesOfURL(fileName);
  } else {
    static const char* const kRated[] = {"JPG", "AVI", "JFIF", "MP3",  "M4A", "M4B",
                                         "MOV", "MP4", "TIF",  "TIFF", "WMA", "WMV"};
    for (const char* rated : kRated)
      if (ext == rated) {
        GetAttributesRating(fileName);
        break;
      }
  }
  return true;
}

bool TAttributeInfo::GetAttributesStatUnix(const std::string& fileName) {
  DateAccessedUnix = DateModifiedUnix = DateAttrChangedUnix = 0;
  struct stat st {};
  if (fileName.empty() || ::stat(fileName.c_str(), &st) != 0) return false;
  DateAccessedUnix = NSDateToDateTime(static_cast<double>(st.st_atim.tv_sec));
  DateModifiedUnix = NSDateToDateTime(static_cast<double>(st.st_mtim.tv_sec));
  DateAttrChangedUnix = NSDateToDateTime(static_cast<double>(st.st_ctim.tv_sec));
  return true;
}

bool TAttributeInfo::GetAttributesMac(const std::string& fileName) {
  const TMacFileAttributes a = MacGetFileAttributes(fileName);
  AttributeHiddenMac = a.Hidden;
  AttributeLockedMac = a.Immutable;
  AttributeExtHiddenMac = a.ExtensionHidden;
  DateCreatedMac = a.CreationDate;
  return true;
}

bool TAttributeInfo::GetAttributesOfShortcuts(const std::string& fileName) {
  Link = GetLinkedFileOfShortcut(fileName);
  return true;
}

bool TAttributeInfo::GetAttributesOfURL(const std::string& fileName) {
  Link = GetLinkedURLOfURLFile(fileName);
  return true;
}

bool TAttributeInfo::GetAttributesRating(const std::string&) { return true; }

TVolumeInfo::TVolumeInfo(const std::string& fileName) {
  Tag = 0;
  Reset();
  if (!fileName.empty()) GetData(fileName);
}

bool TVolumeInfo::GetData(const std::string& fileName) {
  if (fileName.empty()) return false;
  Reset();
  VolumeName = GetVolumeName(fileName[0]);
  return true;
}
