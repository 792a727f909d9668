// The file list view: a report-style list over the entries of its store
// (filelist/core/file_list_view_store.h). The list control holds no rows of
// its own; it asks the store for the texts of the rows it paints.
#pragma once

#include <QPointer>
#include <QTreeView>

#include "filelist/core/file_list_view_store.h"

class TFileListViewModel;
class TSysIconsImageList;

class TFileListView : public QTreeView, public TFileListViewStore {
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

 protected:
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

  TFileListViewModel* FModel;
  TSysIconsImageList* FSysIcons;
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
