// The file list view: a report-style list over the entries of its store
// (filelist/core/file_list_view_store.h). The list control holds no rows of
// its own; it asks the store for the texts of the rows it paints.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QPointer>
#include <QTreeView>

#include "filelist/core/file_list_view_core.h"
#include "foundation/config_files.h"

class QMenu;
class TFileListViewModel;
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
  void ShowListPropertiesDialog();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
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

 private:
  void OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

  void InitMenuAndKeys();

  TFileListViewModel* FModel;
  TSysIconsImageList* FSysIcons;
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
