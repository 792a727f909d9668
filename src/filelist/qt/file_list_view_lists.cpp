// The file list view's settings, its list files and the list properties
// window it opens.
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

#include "controls/dialogs.h"
#include "filelist/core/file_list_properties.h"
#include "filelist/core/file_list_settings.h"
#include "filelist/qt/file_list_properties_window.h"
#include "filelist/qt/file_list_view.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/text_files.h"

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

namespace {

// Qt's form of description and pattern pairs; "*.*" stands for every file,
// also one without a dot.
QStringList NameFilters(std::initializer_list<std::pair<std::string, std::string>> pairs) {
  QStringList filters;
  for (const auto& [description, pattern] : pairs) {
    filters << ToQString(description + " (" + (pattern == "*.*" ? std::string("*") : pattern) + ")").trimmed();
  }
  return filters;
}

}  // namespace

void TFileListView::ExecuteFileListExportDialog() {
  QFileDialog dialog(this, ToQString(StrRes.StrExportFileList));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(NameFilters({{StrRes.StrFileList, "*." + FileListExportExt}, {StrRes.StrTextFile, "*.txt"}}));
  dialog.setDefaultSuffix(ToQString(FileListExportExt));
  dialog.selectFile(ToQString(StrRes.StrFileList));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const std::string fileName = FromQString(dialog.selectedFiles().front());
  SetLastFileWriteError(0);
  if (!FileListExportToFile(fileName)) {
    NotificationDialog(StrRes.StrError,
                       FileFailureText(StrRes.StrFileCouldNotBeCreated, fileName, LastFileWriteError()), StrRes.StrOK);
  }
}

void TFileListView::ExecuteFileListImportDialog() {
  QFileDialog dialog(this, ToQString(StrRes.StrImportFileList));
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setViewMode(QFileDialog::Detail);
  dialog.setNameFilters(NameFilters(
      {{StrRes.StrFileLists, "*." + FileListExportExt}, {StrRes.StrTextFiles, "*.txt"}, {StrRes.StrAllFiles, "*.*"}}));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  // A typed name that names no file imports nothing.
  if (!QFileInfo::exists(dialog.selectedFiles().front())) return;
  TStrArray files;
  for (const QString& f : dialog.selectedFiles()) files.push_back(FromQString(f));
  FileListImportFromStrings(files, true);
}

void TFileListView::ShowListPropertiesDialog() {
  if (GetFileCount() == 0) return;
  TFileListViewListInfoCreator creator(*this, 0);
  ShowFileListViewListInfoWindow(creator, this);
}
