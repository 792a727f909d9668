// The virtual list view: a flat report-style tree view over the list's own
// item array (owner data). The rows live in TVirtualListViewStore; the view
// only knows the row count and asks for the cells it paints.
#pragma once

#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QTreeView>

#include "controls/list_view_items.h"

class TVirtualListViewModel;

class TVirtualListView : public QTreeView, public TVirtualListViewStore {
  Q_OBJECT
 public:
  explicit TVirtualListView(QWidget* parent = nullptr);
  ~TVirtualListView() override;

  // The list's own image list; ImageIndex of an item points into it.
  QList<QIcon> Images;
  bool ShowIcons() const { return FShowIcons; }
  void SetShowIcons(bool value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  void SetAllowItemRearranging(bool value) override;
  void SetCheckboxes(bool value) override;

  // In-place editing.
  void BeginCellEdit(const TVirtualListViewCellInfo& Cell);
  void EndCellEditProc();
  void FreeEditables();
  TVirtualListViewCellInfo GetCellAt(int X, int Y) const;
  QRect GetCellRect(int32_t ItemIndex, int32_t Position, bool MakeVisible);
  void MakeColumnVisible(int32_t Position) {}
  // The editor while a cell is edited (one of them), else null.
  QLineEdit* TextEditor() const { return FTextEditor; }
  QComboBox* DropDownEditor() const { return FDropDownEditor; }
  const TVirtualListViewCellInfo& EditCell() const { return FEditCell; }

  // Drag re-ordering: whether a drag from source is taken, and the drop at a
  // point of the viewport.
  bool DragOverProc(const QObject* Source) const;
  void DragDropProc(const QObject* Source, const QPoint& ViewportPos);

  TVirtualListViewModel* Model() const { return FModel; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

  void PlatformRowCountChanged(int32_t OldCount, int32_t NewCount) override;
  void PlatformRepaint() override;
  void PlatformColumnsChanged() override;
  void PlatformSetColumnWidth(int32_t Position, int32_t Width) override;
  int32_t PlatformClientWidth() const override;
  TIntArray PlatformSelectedRows() const override;
  void PlatformSelectRows(const TIntArray& Rows) override;
  int32_t PlatformFocusedRow() const override;
  void PlatformSetFocusedRow(int32_t Row) override;

 private:
  void EditorEnter();
  void EditorTab(bool backwards);
  void OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

  TVirtualListViewModel* FModel;
  bool FShowIcons = false;
  bool FMultiSelect = false;
  // Selection changes made by the list itself raise no selection event.
  int FQuietSelection = 0;
  QPointer<QLineEdit> FTextEditor;
  QPointer<QComboBox> FDropDownEditor;
  TVirtualListViewCellInfo FEditCell;
};
