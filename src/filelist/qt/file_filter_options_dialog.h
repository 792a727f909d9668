// The modal window in which a user edits the filters of a file list: the name
// filter with its match-case and regular-expression switches, the allowed
// extensions (typed, or ticked from the general list), the allowed file
// types, the folder-search options, whether the filter also applies to files
// added one by one, and what happens to the list after a filter change.
//
// The dialog edits only its own properties; the file list fills them, shows
// the dialog and applies the result on OK. Every text is a property with an
// English default.
#pragma once

#include <QPointer>
#include <Qt>
#include <cstdint>
#include <string>

#include "foundation/types.h"

class QDialog;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QTabWidget;
class TOptionsPanel;

// The window's size in logical pixels: designed for 96 pixels per inch,
// scaled to the screen's value, then kept 1.4 inches smaller than the screen
// (available area) in either direction.
struct TFilterOptionsGeometry {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t MinWidth = 0;
  int32_t MinHeight = 0;
  double Scale = 1;
  bool operator==(const TFilterOptionsGeometry&) const = default;
};
TFilterOptionsGeometry FilterOptionsDialogGeometry(bool showFilterFileType, double pixelsPerInch, int32_t screenWidth,
                                                   int32_t screenHeight);

class TFileFilterOptionsDialog {
 public:
  TFileFilterOptionsDialog();
  ~TFileFilterOptionsDialog();
  TFileFilterOptionsDialog(const TFileFilterOptionsDialog&) = delete;
  TFileFilterOptionsDialog& operator=(const TFileFilterOptionsDialog&) = delete;

  // Builds the window on the first call (later calls show the same window,
  // so properties changed since do not reach it) and shows it modally.
  // kModalResultOK from OK, kModalResultCancel otherwise. Every close, Cancel
  // included, copies the controls' values into the properties.
  int32_t ShowModal();

  bool SearchSubDirs = true;
  bool ApplyFilterForSingleFiles = false;
  bool AddHiddenFiles = false;
  bool AddOnlyTextFiles = false;
  bool ShowOptionOnlyTextFiles = false;
  bool ShowFilterFileType = false;
  std::string FilterNameStr;
  bool FilterNameMatchCase = true;
  bool FilterNameIsRegEx = false;
  // The current extensions (list text of the extension filter).
  std::string FilterExtensionCurrent;
  // The general extensions, separated by "," or ";"; when there are any, the
  // current ones are ticked from them instead of typed.
  std::string FilterExtensionGeneral;
  // File-type ids separated by ",", or "all".
  std::string FilterFileType = "all";
  TAlwaysNeverAskOption UpdateFileListAfterFilterChange = anaOptAsk;
  Qt::LayoutDirection BidiMode = Qt::LeftToRight;

  std::string StrCaption;
  std::string StrOk = "OK";
  std::string StrCancel = "Cancel";
  std::string StrSearchSubDirs = "Search Subfolders";
  std::string StrOptionen = "Options";
  std::string StrName = "Name";
  std::string StrExtension = "Extension";
  std::string StrFormat = "Format";
  std::string StrFileType = "File Type";
  std::string StrFonts = "Fonts";
  std::string StrImages = "Images";
  std::string StrVideos = "Videos";
  std::string StrAudioFiles = "Audio Files";
  std::string StrTextFiles = "Text Files";
  std::string StrDocuments = "Documents";
  std::string StrArchives = "Archives";
  std::string StrOthers = "Others";
  std::string StrMatchCase = "Match Case";
  std::string StrInterpretAsRegex = "Interpret as Regular Expression";
  std::string StrIncludeHiddenFilesAndFolders = "Include Hidden Files and Folders";
  std::string StrOnlyTextFiles = "Only Text Files";
  std::string StrApplyFilterOnlyForFolderSearch;
  std::string StrApplyFilterAlsoForSingleFiles;
  std::string StrExtensionFilterDesc;
  std::string StrUpdateFileListAfterFilterChange = "Update File List after Filter Change";
  std::string StrAlways = "Always";
  std::string StrNever = "Never";
  std::string StrAsk = "Ask";
  std::string StrSettings = "Settings";
  std::string StrUpdateN = "Update";
  std::string StrApplicationApply = "Application";
  std::string StrActivateAll = "Activate All";
  std::string StrDeactivateAll = "Deactivate All";

  // The window and its controls, for tests (null before the first
  // ShowModal, and where the window has no such control).
  QDialog* Window() const { return FForm; }
  QTabWidget* Pages() const { return FPages; }
  QLineEdit* NameEdit() const { return FNameEdit; }
  QCheckBox* MatchCaseCheck() const { return FMatchCase; }
  QCheckBox* RegexCheck() const { return FRegex; }
  QLineEdit* ExtensionEdit() const { return FExtensionEdit; }
  TOptionsPanel* ExtensionGrid() const { return FExtensionGrid; }
  TOptionsPanel* FileTypeGrid() const { return FFileTypeGrid; }
  QCheckBox* SubDirsCheck() const { return FSubDirs; }
  QCheckBox* HiddenCheck() const { return FHidden; }
  QCheckBox* OnlyTextCheck() const { return FOnlyText; }
  QRadioButton* FolderSearchOnlyRadio() const { return FFolderSearchOnly; }
  QRadioButton* SingleFilesRadio() const { return FSingleFiles; }
  QRadioButton* AlwaysRadio() const { return FAlways; }
  QRadioButton* NeverRadio() const { return FNever; }
  QRadioButton* AskRadio() const { return FAsk; }
  QPushButton* OkButton() const { return FOk; }
  QPushButton* CancelButton() const { return FCancel; }

 private:
  void BuildWindow();
  void ReadControls();

  QPointer<QDialog> FForm;
  QTabWidget* FPages = nullptr;
  QLineEdit* FNameEdit = nullptr;
  QCheckBox* FMatchCase = nullptr;
  QCheckBox* FRegex = nullptr;
  QLineEdit* FExtensionEdit = nullptr;
  TOptionsPanel* FExtensionGrid = nullptr;
  TOptionsPanel* FFileTypeGrid = nullptr;
  QCheckBox* FSubDirs = nullptr;
  QCheckBox* FHidden = nullptr;
  QCheckBox* FOnlyText = nullptr;
  QRadioButton* FFolderSearchOnly = nullptr;
  QRadioButton* FSingleFiles = nullptr;
  QRadioButton* FAlways = nullptr;
  QRadioButton* FNever = nullptr;
  QRadioButton* FAsk = nullptr;
  QPushButton* FOk = nullptr;
  QPushButton* FCancel = nullptr;
};
