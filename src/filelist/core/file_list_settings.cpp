#include "filelist/core/file_list_settings.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "filelist/core/file_list_columns_catalogue.h"
#include "filelist/core/file_list_view_store.h"
#include "foundation/code_pages.h"
#include "foundation/line_breaks.h"
#include "foundation/number_format.h"
#include "foundation/paths.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"
#include "foundation/text_files.h"
#include "foundation/utf8.h"

namespace {

const char* Bool01(bool value) { return value ? "1" : "0"; }

// Calls fn(definition, number) for each well-formed "id=number" part of a
// columns or widths value whose id names an existing definition; other parts
// are skipped one by one.
template <typename Fn>
void ForEachColumnPart(TFileListViewStore& view, const std::string& value, Fn&& fn) {
  TStrArray parts;
  ExplodeAtChar(parts, '|', value);
  for (const std::string& part : parts) {
    const size_t eq = part.find('=');
    if (eq == std::string::npos) continue;
    const std::string text = part.substr(eq + 1);
    int32_t number = 0;
    if (text.empty() || !TryStrToInt(text, number)) continue;
    TFileListViewColumnType type = flvColNone;
    int32_t customIndex = 0;
    if (!StrIdToFLVColumnType(part.substr(0, eq), type, customIndex)) continue;
    const int32_t d = view.GetColumnInfoIndex(type, customIndex, false);
    if (d >= 0) fn(static_cast<size_t>(d), number);
  }
}

std::string ColumnsValue(const TFileListViewStore& view) {
  std::string value;
  for (int32_t d : view.ColumnsCustomizable()) {
    if (d < 0 || static_cast<size_t>(d) >= view.ColumnInfos.size()) continue;
    const TFileListViewColumnInfo& c = view.ColumnInfos[static_cast<size_t>(d)];
    if (!value.empty()) value += '|';
    value += FLVColumnTypeToStrId(c.ColumnType, c.CustomIndex) + "=" + Bool01(c.VisibleCurrent);
  }
  return value;
}

std::string WidthsValue(const TFileListViewStore& view) {
  std::string value;
  for (const TFileListViewColumnInfo& c : view.ColumnInfos) {
    if (c.WidthCurrent == c.WidthInitial) continue;
    if (!value.empty()) value += '|';
    value += FLVColumnTypeToStrId(c.ColumnType, c.CustomIndex) + "=" + std::to_string(c.WidthCurrent);
  }
  return value;
}

// A path that a settings file or a list file cannot hold as it stands (not
// UTF-8 in a file read as UTF-8, or holding a line break in a file of lines)
// is stored as a "file://" address with every byte outside printable ASCII
// written as %XX. Paths of the list are absolute, so a stored path that does
// not begin with that prefix is read as it stands, as before.
const std::string kFileUriPrefix = "file://";

std::string PathAsFileUri(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string value = kFileUriPrefix;
  for (unsigned char c : path) {
    if (c > 0x20 && c < 0x7F && c != '%') {
      value.push_back(static_cast<char>(c));
    } else {
      value.push_back('%');
      value.push_back(kHex[c >> 4]);
      value.push_back(kHex[c & 15]);
    }
  }
  return value;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The path a "file://" address stands for; "" for any other text.
std::string PathFromFileUri(const std::string& value) {
  if (value.compare(0, kFileUriPrefix.size(), kFileUriPrefix) != 0) return std::string();
  std::string path;
  for (size_t i = kFileUriPrefix.size(); i < value.size(); ++i) {
    const int hi = value[i] == '%' && i + 2 < value.size() ? HexDigitValue(value[i + 1]) : -1;
    const int lo = hi >= 0 ? HexDigitValue(value[i + 2]) : -1;
    if (lo >= 0) {
      path.push_back(static_cast<char>(hi * 16 + lo));
      i += 2;
    } else {
      path.push_back(value[i]);
    }
  }
  return path;
}

}  // namespace

void FileListViewSettingsSave(TFileListViewStore& view, const std::string& lastDir, TConfigSaver& settings,
                              bool includeColumnWidths, const std::string& section, bool onlyChangedValues) {
  const bool all = !onlyChangedValues;
  const TFileNameFilterObj& name = *view.FileNameFilter;
  const TFileExtensionFilterObj& ext = *view.FileExtensionFilter;
  if (all || !name.FilterStr.empty()) settings.Add(section, "filter_name", name.FilterStr);
  if (all || !name.FilterStrMatchCase) settings.Add(section, "filter_name_matchcase", Bool01(name.FilterStrMatchCase));
  if (all || name.FilterStrIsRegex) settings.Add(section, "filter_name_regex", Bool01(name.FilterStrIsRegex));
  const std::string extensions = ext.GetCurrentExtensionsAsCSVString(",");
  if (all || !extensions.empty()) settings.Add(section, "filter_extension", extensions);
  if (view.ShowFilterFileType && (all || ext.FilterFileType() != "all")) {
    settings.Add(section, "filter_filetype", ext.FilterFileType());
  }
  if (view.ShowFilterOptOnlyTextFiles && (all || view.AddOnlyTextFiles != view.AddOnlyTextFilesDefault)) {
    settings.Add(section, "onlytextfiles", Bool01(view.AddOnlyTextFiles));
  }
  if (all || !view.SearchSubDirectories) settings.Add(section, "subdirectories", Bool01(view.SearchSubDirectories));
  if (all || view.AddHiddenFiles) settings.Add(section, "hiddenfiles", Bool01(view.AddHiddenFiles));
  if (all || view.ApplyFilterForSingleFiles) {
    settings.Add(section, "filtersinglefiles", Bool01(view.ApplyFilterForSingleFiles));
  }
  if (all || !lastDir.empty())
    settings.Add(section, "initialdir_search", UTF8IsValid(lastDir) ? lastDir : PathAsFileUri(lastDir));
  if (view.AllowColumnCustomization) {
    view.RefreshColumnInfosVisibleCurrentFromColumnsVisibleArray();
    const std::string columns = ColumnsValue(view);
    if (!columns.empty()) settings.Add(section, "columns", columns);
  }
  if (includeColumnWidths) {
    view.RefreshColumnWidthCurrentFromGUI();
    const std::string widths = WidthsValue(view);
    if (!widths.empty()) settings.Add(section, "columnwidths", widths);
  }
}

void FileListViewSettingsLoad(TFileListViewStore& view, std::string& lastDir, const TConfigSaver& settings,
                              const std::string& section, bool defaultsForMissingKeys, bool /*scaleWidthsToScreen*/) {
  auto readText = [&](const char* key, const std::string& def, std::string& value) {
    std::string text;
    if (settings.ReadStringIfKeyExists(section, key, text)) {
      value = text;
    } else if (defaultsForMissingKeys) {
      value = def;
    }
  };
  // "1" and "0" are the stored forms; anything else keeps the current value.
  auto readBool = [&](const char* key, bool def, bool& value) {
    std::string text;
    if (settings.ReadStringIfKeyExists(section, key, text)) {
      if (text == "1" || text == "0") value = text == "1";
    } else if (defaultsForMissingKeys) {
      value = def;
    }
  };

  TFileNameFilterObj& nameFilter = *view.FileNameFilter;
  TFileExtensionFilterObj& extFilter = *view.FileExtensionFilter;
  std::string name = nameFilter.FilterStr;
  bool regex = nameFilter.FilterStrIsRegex;
  bool matchCase = nameFilter.FilterStrMatchCase;
  std::string extensions = extFilter.GetCurrentExtensionsAsCSVString(",");
  readText("filter_name", "", name);
  readBool("filter_name_regex", false, regex);
  readBool("filter_name_matchcase", true, matchCase);
  readText("filter_extension", "", extensions);
  nameFilter.SetFilter(name, regex, matchCase);
  extFilter.SetCurrentExtensionsFromCSVString(extensions);

  readBool("subdirectories", true, view.SearchSubDirectories);
  readBool("hiddenfiles", false, view.AddHiddenFiles);
  readBool("filtersinglefiles", false, view.ApplyFilterForSingleFiles);

  std::string dir;
  if (settings.ReadStringIfKeyExists(section, "initialdir_search", dir)) {
    const std::string path = PathFromFileUri(dir);
    if (!path.empty()) dir = path;
    if (!dir.empty() && IsFolderAndExists(dir)) lastDir = dir;
  } else if (defaultsForMissingKeys) {
    lastDir.clear();
  }

  if (view.ShowFilterOptOnlyTextFiles) readBool("onlytextfiles", view.AddOnlyTextFilesDefault, view.AddOnlyTextFiles);
  if (view.ShowFilterFileType) {
    std::string fileType = extFilter.FilterFileType();
    readText("filter_filetype", "all", fileType);
    extFilter.SetFilterFileType(fileType);
  }

  bool columnsChanged = false;
  std::string columns;
  if (view.AllowColumnCustomization && settings.ReadStringIfKeyExists(section, "columns", columns) &&
      !columns.empty()) {
    TFileListViewColumnVisInfoArray list;
    std::vector<bool> listed(view.ColumnInfos.size(), false);
    ForEachColumnPart(view, columns, [&](size_t d, int32_t number) {
      if (listed[d] || !view.ColumnInfos[d].Customizable) return;
      listed[d] = true;
      list.push_back({static_cast<int32_t>(d), number == 1});
      columnsChanged = true;
    });
    for (size_t d = 0; d < view.ColumnInfos.size(); ++d) {
      if (view.ColumnInfos[d].Customizable && !listed[d]) {
        list.push_back({static_cast<int32_t>(d), view.ColumnInfos[d].VisibleCurrent});
      }
    }
    view.SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(list, false, true);
  }

  bool widthsChanged = false;
  std::string widths;
  if (settings.ReadStringIfKeyExists(section, "columnwidths", widths) && !widths.empty()) {
    ForEachColumnPart(view, widths, [&](size_t d, int32_t number) {
      view.ColumnInfos[d].WidthCurrent = number;
      widthsChanged = true;
    });
  }

  if (columnsChanged) {
    view.RefreshColumns(true, true, true);
  } else if (widthsChanged) {
    view.RefreshColumns(false, true, false);
  }
}

void FileListViewSettingsResetToDefault(TFileListViewStore& view, std::string& currentBaseDir) {
  view.SearchSubDirectories = true;
  view.AddHiddenFiles = false;
  view.ApplyFilterForSingleFiles = false;
  view.AddOnlyTextFiles = view.AddOnlyTextFilesDefault;
  view.SaveBaseDir = false;
  currentBaseDir.clear();
  view.FileExtensionFilter->ResetToInitialFilter();
  view.FileNameFilter->ResetToInitialFilter();
  bool widthsChanged = false;
  for (TFileListViewColumnInfo& c : view.ColumnInfos) {
    if (c.WidthCurrent != c.WidthInitial) widthsChanged = true;
    c.WidthCurrent = c.WidthInitial;
  }
  if (view.AllowColumnCustomization) {
    TFileListViewColumnVisInfoArray list;
    view.GetColumnCustomizableVisInfoInitial(list);
    view.SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(list, false, true);
    view.RefreshColumns(true, true, true);
  } else if (widthsChanged) {
    view.RefreshColumns(false, true, false);
  }
}

std::string FileListExportText(const TFileListViewStore& view) {
  std::string text;
  const TFileListViewItemStore& items = view.Items();
  for (size_t i = 0; i < items.size(); ++i) {
    const std::string_view name = items.FileName(i);
    if (name.find_first_of("\r\n") == std::string_view::npos) {
      text += name;
    } else {
      text += PathAsFileUri(std::string(name));
    }
    text += '\n';
  }
  return text;
}

bool FileListExportToFile(const TFileListViewStore& view, const std::string& fileName) {
  // UTF-8 goes out as it is, so a name that is not valid UTF-8 still names
  // its file when the list is read back.
  try {
    return SaveString(FileListExportText(view), fileName, cpUTF8, false, false);
  } catch (const EFileError& e) {
    if (e.ErrorNumber != 0) SetLastFileWriteError(e.ErrorNumber);
    return false;
  }
}

namespace {

bool IsExistingFile(const std::string& path) {
  struct stat st {};
  return !path.empty() && path.find('\0') == std::string::npos && ::stat(path.c_str(), &st) == 0 &&
         !S_ISDIR(st.st_mode);
}

// The first candidate that names a file, else "".
std::string FirstExisting(std::initializer_list<std::string> candidates) {
  for (const std::string& c : candidates) {
    if (IsExistingFile(c)) return c;
  }
  return std::string();
}

}  // namespace

bool ReadFileListFile(const std::string& fileName, TStrArray& files) {
  files.clear();
  if (!IsExistingFile(fileName)) return false;
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return true;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ReadFileListText(bytes, files);
  return true;
}

void ReadFileListText(const std::string& bytes, TStrArray& files) {
  files.clear();
  bool hasBOM = false;
  const int32_t codePage = DetectCodePage(bytes, hasBOM);
  const bool byteLines = !hasBOM && codePage != cpUTF16LE && codePage != cpUTF16BE &&
                         CodePageBytesToUTF8("\n", codePage) == "\n" && UTF8ToCodePageBytes("\n", codePage) == "\n";
  TStrArray lines;
  ExplodeAtAllTypesOfLineBreaks(lines, byteLines ? std::string_view(bytes) : CodePageBytesToUTF8(bytes, codePage));
  for (const std::string& line : lines) {
    std::string found;
    if (byteLines) {
      // The bytes first: paths are taken as they are on disk; a list written
      // in a single-byte code page is read in it after that.
      found = FirstExisting({line, Trim(line)});
      if (found.empty() && codePage != cpUTF8 && codePage != cpASCII) {
        const std::string decoded = CodePageBytesToUTF8(line, codePage);
        found = FirstExisting({decoded, Trim(decoded)});
      }
    } else {
      found = FirstExisting({line, Trim(line)});
    }
    // A name holding a line break was exported as a "file://" address.
    if (found.empty()) found = FirstExisting({PathFromFileUri(Trim(line))});
    if (!found.empty()) files.push_back(found);
  }
}
