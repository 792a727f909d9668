// A modal folder chooser built in code: a folder tree under a path edit and,
// in the file-search variant, a side panel of search options and filters.
// It searches nothing itself; it collects the chosen folder(s) and the option
// values for its caller.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <cstdint>
#include <string>

#include "controls/directory_tree.h"
#include "controls/options_panel.h"
#include "foundation/types.h"

enum TDirSelectDialogFilterOptions { dsfoNone = 0, dsfoCollapsible = 1, dsfoVisible = 2 };

class TDirSelectDialog {
 public:
  explicit TDirSelectDialog(bool fileSearch);
  virtual ~TDirSelectDialog();
  TDirSelectDialog(const TDirSelectDialog&) = delete;
  TDirSelectDialog& operator=(const TDirSelectDialog&) = delete;

  // True when the window closed with OK.
  bool Execute();
  // The open window (tests drive it); null outside Execute.
  QDialog* Window() const { return FForm; }

  bool FileSearchDialog = false;
  // One value: the start folder before Execute, the chosen one after it.
  std::string SelectedDir;
  std::string& InitialDir = SelectedDir;
  TStrArray SelectedDirs;
  bool MultiSelect = false;
  char MultiSelectSeparator = '|';
  bool SearchSubDirs = true;
  bool AddHiddenFiles = false;
  bool AddOnlyTextFiles = false;
  bool ShowOptionOnlyTextFiles = false;
  bool ShowFilterFileType = false;
  std::string FilterNameStr;
  bool FilterNameMatchCase = true;
  bool FilterNameIsRegEx = false;
  std::string FilterExtensionCurrent;
  std::string FilterExtensionGeneral;
  std::string FilterFileType = "all";
  TDirSelectDialogFilterOptions FilterOptions = dsfoNone;
  int32_t NumberOfFilters = 0;
  Qt::LayoutDirection BiDiMode = Qt::LeftToRight;

  std::string StrCaption,
      StrOk = "OK", StrCancel = "Cancel", StrSearchSubDirs = "Search Subfolders", StrFilter = "Filter",
      StrOptionen = "Options", StrName = "Name", StrExtension = "Extension", StrFileType = "File Type",
      StrFormat = "Format", StrMatchCase = "Match Case", StrInterpretAsRegex = "Interpret as Regular Expression",
      StrIncludeHiddenFilesAndFolders = "Include Hidden Files and Folders", StrExtensionFilterDesc,
      StrOnlyTextFiles = "Only Text Files", StrFonts = "Fonts", StrImages = "Images", StrVideos = "Videos",
      StrAudioFiles = "Audio Files", StrTextFiles = "Text Files", StrDocuments = "Documents", StrArchives = "Archives",
      StrOthers = "Others", StrActivateAll = "Activate All", StrDeactivateAll = "Deactivate All";

  // Parts of the window, for tests that drive it.
  QLineEdit* PathEdit() const { return FPathEdit; }
  TDirTreeView* Tree() const { return FTree; }
  QWidget* SidePanel() const { return FSide; }
  QCheckBox* TopSubDirsCheck() const { return FTopSubDirs; }
  QCheckBox* SideSubDirsCheck() const { return FSideSubDirs; }
  QPushButton* FilterButton() const { return FFilterButton; }
  QPushButton* OkButton() const { return FOk; }
  QPushButton* CancelButton() const { return FCancel; }
  TOptionsPanel* ExtensionPanel() const { return FExtPanel; }
  TOptionsPanel* FileTypePanel() const { return FTypePanel; }
  void ProcChange(QObject* sender);
  void SelectInDirTreeView(const std::string& text);
  void FilterButtonClick();

 private:
  void BuildWindow();
  void OnShow();
  void TreeSelectionChanged();
  void SetPathsFromText(const std::string& text);

  QPointer<QDialog> FForm;
  QLineEdit* FPathEdit = nullptr;
  TDirTreeView* FTree = nullptr;
  QWidget* FSide = nullptr;
  QCheckBox* FTopSubDirs = nullptr;
  QCheckBox* FSideSubDirs = nullptr;
  QCheckBox* FMatchCase = nullptr;
  QCheckBox* FRegex = nullptr;
  QCheckBox* FHidden = nullptr;
  QCheckBox* FOnlyText = nullptr;
  QLineEdit* FNameEdit = nullptr;
  QLineEdit* FExtEdit = nullptr;
  TOptionsPanel* FExtPanel = nullptr;
  TOptionsPanel* FTypePanel = nullptr;
  QPushButton* FOk = nullptr;
  QPushButton* FCancel = nullptr;
  QPushButton* FFilterButton = nullptr;
  bool FShown = false;
};

class TDirSelectDialogSpr : public TDirSelectDialog {
 public:
  explicit TDirSelectDialogSpr(bool fileSearch);
  void SetLanguage();
};
