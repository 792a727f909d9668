// The file list view: a report-style list over the entries of its store
// (filelist/core/file_list_view_store.h). The list control holds no rows of
// its own; it asks the store for the texts of the rows it paints. Adding,
// removing and reading out are the core's (file_list_view_core.h); this
// window adds the dialogs, the search progress window, one reader thread per
// kind of information, the desktop operations and the in-place editor.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QPointer>
#include <QTreeView>
#include <memory>

#include "filelist/core/file_list_view_core.h"
#include "foundation/config_files.h"

class QComboBox;
class QLineEdit;
class QMenu;
class TFileListViewModel;
class TFileListViewReaderThread;
class TFileSearchProgressObj;
class TSysIconsImageList;

class TFileListView : public QTreeView, public TFileListViewCore {
  Q_OBJECT
 public:
  explicit TFileListView(QWidget* parent = nullptr);
  ~TFileListView() override;

  // The system icons of files and folders; IconIndex of an entry points here.
  TSysIconsImageList* SysIcons() const { return FSysIcons; }
  bool MultiSelect() const { return selectionMode() == QAbstractItemView::ExtendedSelection; }
  void SetMultiSelect(bool value);
  void SetAllowItemRearranging(bool value) override;
  void SetShowFileIcons(bool value) override;
  void SetCheckboxes(bool value) override;

  // Whether a drag from source is taken (only the view's own rows), and the
  // drop at a point of the viewport.
  bool DragOverProc(const QObject* Source) const;
  void DragDropProc(const QObject* Source, const QPoint& ViewportPos);

  // Lets the user choose, order and hide the customizable columns.
  void ExecuteColumnsDialog();

  TFileListViewModel* Model() const { return FModel; }

  // --- Popup menu, keys and the host's controls (file_list_view_menu.cpp) -------------
  QMenu* StandardPopUpMenu() const { return FStandardPopUpMenu; }
  void SetShowStandardPopupMenu(bool Value);
  void CreateStandardPopupMenu();
  void RefreshStandardPopupMenuItemCaptions();
  void PopupOnPopupProc(QObject* Sender);
  void PopupItemClickProc(QObject* Sender);
  void PopupItemClickRemoveWithStatusProc(QObject* Sender);
  void PopupItemClickRemoveWithNotStatusProc(QObject* Sender);
  void KeyDown(int Key, Qt::KeyboardModifiers Shift);
  QAction* MenuItemExport() const { return FMenuItemExport; }
  QAction* MenuItemImport() const { return FMenuItemImport; }
  QAction* MenuItemAddFiles() const { return FMenuItemAddFiles; }
  QAction* MenuItemSearchFolder() const { return FMenuItemSearchFolder; }
  QAction* MenuItemRemoveAll() const { return FMenuItemRemoveAll; }
  QAction* MenuItemRemoveSelected() const { return FMenuItemRemoveSelected; }
  QAction* MenuItemRemoveNotSelected() const { return FMenuItemRemoveNotSelected; }
  QAbstractButton* ButtonAddFiles() const { return FButtonAddFiles; }
  QAbstractButton* ButtonSearchFolder() const { return FButtonSearchFolder; }
  QAbstractButton* ButtonRemoveAll() const { return FButtonRemoveAll; }
  QAbstractButton* ButtonFilter() const { return FButtonFilter; }
  void SetMenuItemExport(QAction* Value);
  void SetMenuItemImport(QAction* Value);
  void SetMenuItemAddFiles(QAction* Value);
  void SetMenuItemSearchFolder(QAction* Value);
  void SetMenuItemRemoveAll(QAction* Value);
  void SetMenuItemRemoveSelected(QAction* Value);
  void SetMenuItemRemoveNotSelected(QAction* Value);
  void SetButtonAddFiles(QAbstractButton* Value);
  void SetButtonSearchFolder(QAbstractButton* Value);
  void SetButtonRemoveAll(QAbstractButton* Value);
  void SetButtonFilter(QAbstractButton* Value);
  void ProcOnClickExport();
  void ProcOnClickImport();
  void ProcOnClickAddFiles();
  void ProcOnClickSearchFolder();
  void ProcOnClickRemoveAll();
  void ProcOnClickRemoveSelected();
  void ProcOnClickRemoveNotSelected();
  void ProcOnClickFilter();

  // --- List settings, list files and the list properties (file_list_view_lists.cpp) ----
  void SettingsSave(TConfigSaver& Settings, bool IncludeColumnWidths, const std::string& Section,
                    bool OnlyChangedValues);
  void SettingsLoad(TConfigSaver& Settings, const std::string& Section, bool DefaultsForMissingKeys,
                    bool ScaleWidthsToScreen);
  void SettingsResetToDefault();
  bool FileListExportToFile(const std::string& FileName);
  bool FileListImportFromFile(const std::string& FileName, bool Refresh) override;
  bool FileListImportFromStrings(const TStrArray& FileNames, bool Refresh);
  // The save dialog for a list file, and the open dialog for list files to import.
  void ExecuteFileListExportDialog();
  void ExecuteFileListImportDialog();
  void ShowListPropertiesDialog();

  // --- Dialogs ----------------------------------------------------------------------------
  // The folder search dialog; without FileSearchDialog a plain folder chooser
  // that adds nothing.
  void ExecuteFileFinderDialog() { ExecuteDirSelectDialogInternal(true); }
  void ExecuteDirSelectDialogInternal(bool FileSearchDialog);
  void ExecuteOpenDialog();
  void ShowFileFilterOptionsDialog();
  void ShowFilesNotMatchingAnymoreDialogIfContainsFilesNotMatchingCurrentFileFilter();
  // The search progress window while a search runs (null otherwise).
  TFileSearchProgressObj* FileSearchProgress() const { return FFileSearchProgress.get(); }

  // --- The desktop ------------------------------------------------------------------------
  void OpenSelected();
  void OpenContainingFolderOfSelected();
  void CopyToClipboardSelected_Files();
  void CopyToClipboardSelected_Paths();
  void ShowSystemPropertiesDialogOfFile(int32_t Index);
  void ShowSystemPropertiesDialogOfSelected();

  // --- Cells and the in-place editor ----------------------------------------------------------
  // The cell at a point of the viewport; right of the last column the cell
  // has a row but no column.
  TFileListViewCellInfo GetCellAt(int32_t X, int32_t Y) const;
  QRect GetCellRect(int32_t Row, int32_t Column) const;
  void BeginCellEdit(const TFileListViewCellInfo& Cell);
  // Commits the open editor's value; the editor stays open.
  void EndCellEditProc();
  // Closes the editor without committing.
  void FreeEditables();
  bool Editing() const { return FEditing; }
  const TFileListViewCellInfo& EditCell() const { return FEditCell; }
  QLineEdit* EditControl() const { return FEditControl; }
  QComboBox* EditComboBox() const { return FEditComboBox; }

  // Stands in for the library's readers in every reader thread made after
  // the call (tests).
  void SetReaderForTests(std::function<TFileListViewInfoRecord(TFileListViewInfoKind, const TFileListViewReadJob&)> r) {
    FTestReader = std::move(r);
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void StartReaderThread(TFileListViewInfoKind Kind, TFileListViewReadJobs&& Jobs,
                         const TFileListViewHashRequests& Hashes, uint64_t Epoch) override;
  void StopReaderThread(TFileListViewInfoKind Kind) override;
  void FolderSearchEnded() override;
  bool ProgressWindowCanceled() const override;
  void ProgressWindowShow(const std::string& Caption) override;
  bool ProgressWindowReport(const std::string* CurrentFile, const std::string* CurrentFolder, int32_t SearchedFiles,
                            int32_t SearchedFolders) override;
  void ProgressWindowFree() override;
  int32_t PlatformIconIndex(const std::string& FileName, bool IsFolder) override;
  void PlatformBeginUpdate() override;
  void PlatformEndUpdate() override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  void resizeEvent(QResizeEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

  void PlatformRowCountChanged(int32_t OldCount, int32_t NewCount) override;
  void PlatformRepaint() override;
  void PlatformColumnsChanged() override;
  void PlatformSetColumnWidth(int32_t Position, int32_t Width) override;
  int32_t PlatformColumnWidth(int32_t Position) const override;
  int32_t PlatformClientWidth() const override;
  TIntArray PlatformSelectedRows() const override;
  void PlatformSelectRows(const TIntArray& Rows) override;

 private slots:
  // Hands the reader threads' batches over, on this view's thread.
  void TakeReaderBatches();

 private:
  void OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

  // Enter, Tab and Shift+Tab in the editor: commit and move on.
  void EditorKey(int key, bool shift);
  void StopAndJoinReaders();
  void InitMenuAndKeys();

  TFileListViewModel* FModel;
  TSysIconsImageList* FSysIcons;
  std::unique_ptr<TFileListViewReaderThread> FReaders[kFileListViewInfoKindCount];
  std::function<TFileListViewInfoRecord(TFileListViewInfoKind, const TFileListViewReadJob&)> FTestReader;
  std::unique_ptr<TFileSearchProgressObj> FFileSearchProgress;
  int FUpdateDepth = 0;
  bool FBatchesWaiting = false;
  bool FEditing = false;
  TFileListViewCellInfo FEditCell;
  QLineEdit* FEditControl = nullptr;
  QComboBox* FEditComboBox = nullptr;
  QMenu* FStandardPopUpMenu = nullptr;
  QPointer<QAction> FMenuItemExport, FMenuItemImport, FMenuItemAddFiles, FMenuItemSearchFolder, FMenuItemRemoveAll,
      FMenuItemRemoveSelected, FMenuItemRemoveNotSelected;
  QPointer<QAbstractButton> FButtonAddFiles, FButtonSearchFolder, FButtonRemoveAll, FButtonFilter;
  // The list files being read by enclosing imports: a list that names
  // itself is read once.
  TStrArray FImportingLists;
  // Selection changes made by the view itself raise no selection event.
  int FQuietSelection = 0;
};

// The view with its texts and column categories in the current UI language.
class TFileListViewSpr : public TFileListView {
  Q_OBJECT
 public:
  explicit TFileListViewSpr(QWidget* parent = nullptr);
  // Takes every text from the text store; nothing while the store is empty.
  void SetLanguage();
};
