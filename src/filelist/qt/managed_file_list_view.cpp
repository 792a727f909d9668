#include "filelist/qt/managed_file_list_view.h"

void TManagedFileListView::SetLanguage(uint32_t) {
  // The view reads the text store, which the frame has filled for the language.
  if (FView) FView->SetLanguage();
}

void TManagedFileListView::SettingsSave(TConfigSaver& document, const std::string& section, bool onlyNonDefault,
                                        bool withColumnWidths) {
  if (FView) FView->SettingsSave(document, withColumnWidths, section, onlyNonDefault);
}

void TManagedFileListView::SettingsLoad(TConfigSaver& document, const std::string& section, bool defaultIfNoKey,
                                        bool scaleToScreen) {
  if (FView) FView->SettingsLoad(document, section, defaultIfNoKey, scaleToScreen);
}

void TManagedFileListView::ResetValuesToDefault() {
  if (FView) FView->SettingsResetToDefault();
}

void TManagedFileListView::ExecuteColumnsDialog() {
  if (FView) FView->ExecuteColumnsDialog();
}

void TManagedFileListView::StartBatchMode() {
  if (FView) FView->StartBatchMode();
}

void TManagedFileListView::SetShowFileSearchProgressDialog(bool value) {
  if (FView) FView->ShowFileSearchProgressDialog = value;
}

void TManagedFileListView::SetShowFileIcons(bool value) {
  if (FView) FView->SetShowFileIcons(value);
}

int32_t TManagedFileListView::AddFile(const std::string& fileName, bool flag) {
  return FView ? static_cast<int32_t>(FView->AddFile(fileName, flag)) : -1;
}

void TManagedFileListView::AddFilesAndFoldersFromFolder(const std::string& folder) {
  if (FView) FView->AddFilesAndFoldersFromFolder(folder);
}

// The name filter compiles its expression for text, kind and case together.
void TManagedFileListView::SetNameFilter(const std::string& filterStr) {
  if (!FView) return;
  TFileNameFilterObj& f = *FView->FileNameFilter;
  f.SetFilter(filterStr, f.FilterStrIsRegex, f.FilterStrMatchCase);
}

void TManagedFileListView::SetFilterStrIsRegex(bool value) {
  if (!FView) return;
  TFileNameFilterObj& f = *FView->FileNameFilter;
  f.SetFilter(f.FilterStr, value, f.FilterStrMatchCase);
}

void TManagedFileListView::SetFilterStrMatchCase(bool value) {
  if (!FView) return;
  TFileNameFilterObj& f = *FView->FileNameFilter;
  f.SetFilter(f.FilterStr, f.FilterStrIsRegex, value);
}

void TManagedFileListView::SetCurrentExtensionsFromString(const std::string& text, const std::string& separator,
                                                          bool clearFirst) {
  if (FView) FView->FileExtensionFilter->SetCurrentExtensionsFromString(text, separator, clearFirst);
}

void TManagedFileListView::SetFilterFileType(const std::string& text) {
  if (FView) FView->FileExtensionFilter->SetFilterFileType(text);
}

void TManagedFileListView::SetAddFiles(bool value) {
  if (FView) FView->AddFiles = value;
}

void TManagedFileListView::SetAddFolders(bool value) {
  if (FView) FView->AddFolders = value;
}

void TManagedFileListView::SetSearchSubDirectories(bool value) {
  if (FView) FView->SearchSubDirectories = value;
}

void TManagedFileListView::SetAddHiddenFiles(bool value) {
  if (FView) FView->AddHiddenFiles = value;
}

void TManagedFileListView::SetAddOnlyTextFiles(bool value) {
  if (FView) FView->AddOnlyTextFiles = value;
}

void TManagedFileListView::SetSaveBaseDir(bool value) {
  if (FView) FView->SaveBaseDir = value;
}
