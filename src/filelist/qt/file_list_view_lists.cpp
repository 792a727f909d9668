// The file list view's settings, its list files and the list properties
// window it opens.
#include <algorithm>

#include "filelist/core/file_list_properties.h"
#include "filelist/core/file_list_settings.h"
#include "filelist/qt/file_list_properties_window.h"
#include "filelist/qt/file_list_view.h"

void TFileListView::SettingsSave(TConfigSaver& Settings, bool IncludeColumnWidths, const std::string& Section,
                                 bool OnlyChangedValues) {
  FileListViewSettingsSave(*this, LastDir, Settings, IncludeColumnWidths, Section, OnlyChangedValues);
}

void TFileListView::SettingsLoad(TConfigSaver& Settings, const std::string& Section, bool DefaultsForMissingKeys,
                                 bool ScaleWidthsToScreen) {
  FileListViewSettingsLoad(*this, LastDir, Settings, Section, DefaultsForMissingKeys, ScaleWidthsToScreen);
}

void TFileListView::SettingsResetToDefault() { FileListViewSettingsResetToDefault(*this, CurrentBaseDir); }

bool TFileListView::FileListExportToFile(const std::string& FileName) {
  return ::FileListExportToFile(*this, FileName);
}

bool TFileListView::FileListImportFromFile(const std::string& FileName, bool Refresh) {
  TStrArray files;
  if (!ReadFileListFile(FileName, files)) return false;
  if (std::find(FImportingLists.begin(), FImportingLists.end(), FileName) == FImportingLists.end()) {
    FImportingLists.push_back(FileName);
    for (const std::string& file : files) AddFile(file, false);
    FImportingLists.pop_back();
  }
  if (Refresh) RefreshItemCountAndInitAddingDoneIfNotInUpdateState();
  return true;
}

bool TFileListView::FileListImportFromStrings(const TStrArray& FileNames, bool Refresh) {
  if (FileNames.empty()) return false;
  for (const std::string& name : FileNames) FileListImportFromFile(name, false);
  if (Refresh) RefreshItemCountAndInitAddingDoneIfNotInUpdateState();
  return true;
}

void TFileListView::ShowListPropertiesDialog() {
  if (GetFileCount() == 0) return;
  TFileListViewListInfoCreator creator(*this, 0);
  ShowFileListViewListInfoWindow(creator, this);
}
