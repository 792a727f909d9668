// The file list view's settings in one section of a settings document (the
// filters, search options, the folder last searched, the customizable
// columns and the column widths), and the file list files: one full path per
// line.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/config_files.h"
#include "foundation/types.h"

class TFileListViewStore;

// Writes the keys into section. With onlyChangedValues a key is left out
// while its value is the default; column widths are written only when asked.
void FileListViewSettingsSave(TFileListViewStore& view, const std::string& lastDir, TConfigSaver& settings,
                              bool includeColumnWidths, const std::string& section, bool onlyChangedValues);
// Reads and applies the keys of section. A missing key gives its default
// with defaultsForMissingKeys, else the current value stays. Widths are
// stored in logical pixels, which Qt scales itself, so scaleWidthsToScreen
// leaves them as they are.
void FileListViewSettingsLoad(TFileListViewStore& view, std::string& lastDir, const TConfigSaver& settings,
                              const std::string& section, bool defaultsForMissingKeys, bool scaleWidthsToScreen);
// The options, filters, widths and customizable columns back to their
// initial values; the folder last searched stays.
void FileListViewSettingsResetToDefault(TFileListViewStore& view, std::string& currentBaseDir);

// The list file's text: every entry's path as found on disk, in list order,
// each followed by a line feed. A path holding a line break is written as a
// "file://" address with its bytes escaped, which the reader reads back.
std::string FileListExportText(const TFileListViewStore& view);
// Writes it as UTF-8 without a mark, replacing the file; the writer's result.
bool FileListExportToFile(const TFileListViewStore& view, const std::string& fileName);

// The files a list file names, in order. Lines are read in the detected code
// page; a line names a file when it does as it stands (a name may end in a
// blank), or after trimming blanks and control characters, or, in a file
// without a byte-order mark, as the bytes stand (a path that is not UTF-8).
// Empty lines, folders and missing files are skipped. False when the list
// file does not exist.
bool ReadFileListFile(const std::string& fileName, TStrArray& files);
// The same for a list file's bytes.
void ReadFileListText(const std::string& bytes, TStrArray& files);
