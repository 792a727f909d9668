// A localised file list view as the program frame sees it: the settings
// object loads, saves, resets and translates it, and in batch mode the frame
// hands it the files and folders of the command line.
#pragma once

#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>

#include "filelist/qt/file_list_view.h"
#include "frame/core/command_line.h"
#include "frame/core/settings_types.h"

class TManagedFileListView : public TSOManagedControl, public TBatchFileListView {
 public:
  explicit TManagedFileListView(TFileListViewSpr* view) : FView(view) {}

  // --- The settings object -----------------------------------------------------------
  bool Supports(TSOManagedControlType kind) const override { return kind == mcFileListView && FView; }
  void SetLanguage(uint32_t language) override;
  void SettingsSave(TConfigSaver& document, const std::string& section, bool onlyNonDefault,
                    bool withColumnWidths) override;
  void SettingsLoad(TConfigSaver& document, const std::string& section, bool defaultIfNoKey,
                    bool scaleToScreen) override;
  void ResetValuesToDefault() override;
  void ExecuteColumnsDialog() override;

  // --- The command line in batch mode ------------------------------------------------------
  void StartBatchMode() override;
  void SetShowFileSearchProgressDialog(bool value) override;
  void SetShowFileIcons(bool value) override;
  int32_t AddFile(const std::string& fileName, bool flag) override;
  void AddFilesAndFoldersFromFolder(const std::string& folder) override;
  void SetNameFilter(const std::string& filterStr) override;
  void SetCurrentExtensionsFromString(const std::string& text, const std::string& separator, bool clearFirst) override;
  void SetFilterFileType(const std::string& text) override;
  void SetAddFiles(bool value) override;
  void SetAddFolders(bool value) override;
  void SetFilterStrIsRegex(bool value) override;
  void SetFilterStrMatchCase(bool value) override;
  void SetSearchSubDirectories(bool value) override;
  void SetAddHiddenFiles(bool value) override;
  void SetAddOnlyTextFiles(bool value) override;
  void SetSaveBaseDir(bool value) override;

 private:
  QPointer<TFileListViewSpr> FView;
};

// Hands the view to the frame (the program's TPwkProgObj), which from then on
// loads, saves, resets and translates it with the settings (in section) and
// gives it the command line's files in batch mode. Returns its index among
// the managed controls. A template, so that the file list needs only the
// frame's interfaces, not the frame.
template <typename TFrame>
int32_t AddFileListViewToFrame(TFrame& frame, TFileListViewSpr* view, const std::string& section) {
  auto adapter = std::make_unique<TManagedFileListView>(view);
  TManagedFileListView* managed = adapter.get();
  const int32_t index = frame.SettingsAddManagedControl(std::move(adapter), mcFileListView, section);
  frame.SetFileListView(managed);
  return index;
}
