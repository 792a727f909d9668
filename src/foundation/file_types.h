// Fourteen coarse kinds of files, found from the extension, with their ids
// and English names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/types.h"

enum : int32_t {
  ftFolder = 0,
  ftText = 1,
  ftImage = 2,
  ftAudio = 3,
  ftVideo = 4,
  ftDocument = 5,
  ftSpreadsheet = 6,
  ftWebsite = 7,
  ftFont = 8,
  ftExecutable = 9,
  ftArchive = 10,
  ftPlaylist = 11,
  ftSourceCode = 12,
  ftOther = 13,
};
constexpr int32_t kFileTypeCount = 14;

// Type of an extension given without the dot, compared after ASCII
// upper-casing; ftOther for anything unknown, "" included. Folders are never
// derived from an extension.
int32_t GetFileTypeFromFileExtension(std::string_view extension);
// "" for a number outside 0..13.
std::string FileTypeToStringEN(int32_t fileType, bool plural);
std::string FileTypeToStringID(int32_t fileType);
// Exact, case-sensitive; -1 for an unknown id.
int32_t StringIDToFileType(std::string_view id);
// Splits at the separator, trims each part and keeps the known ids' numbers in
// order (repeats included).
TIntArray StringIDsToFileTypeArr(std::string_view text, char separator);

// The upper-case extensions of one type (empty for folder and other).
const TStrArray& FileTypeExtensions(int32_t fileType);
