#include "filelist/qt/file_list_view.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QLocale>
#include <QScrollBar>
#include <algorithm>

#include "controls/dialogs.h"
#include "controls/directory_tree.h"
#include "controls/drag_answer.h"
#include "controls/progress_dialog.h"
#include "filelist/core/file_list_language.h"
#include "filelist/qt/file_list_columns_dialog.h"
#include "filelist/qt/file_list_reader_threads.h"
#include "filelist/qt/file_list_view_model.h"
#include "foundation/qt/qt_strings.h"

TFileListView::TFileListView(QWidget* parent)
    : QTreeView(parent), FModel(new TFileListViewModel(this)), FSysIcons(new TSysIconsImageList(this)) {
  FSender = this;
  Locale.Number = GlobalNumberFormat();
  const QLocale locale = QLocale::system();
  Locale.ShortDateFormat = FromQString(locale.dateFormat(QLocale::ShortFormat));
  Locale.LongTimeFormat = FromQString(locale.timeFormat(QLocale::LongFormat));
  DateFormat = FileListViewDateFormat(LocalePatternToDateFormat(Locale.ShortDateFormat, false),
                                      LocalePatternToDateFormat(Locale.LongTimeFormat, true));
  setModel(FModel);
  setItemDelegate(new TFileListViewDelegate(this));
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAllColumnsShowFocus(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  header()->setSectionsMovable(false);
  header()->setStretchLastSection(false);
  // The model elides the captions to their sections' widths.
  connect(header(), &QHeaderView::sectionResized, this,
          [this](int section) { FModel->headerDataChanged(Qt::Horizontal, section, section); });
  SetAllowItemRearranging(AllowItemRearranging());
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TFileListView::OnSelectionChanged);
  // Scrolling and resizing a column close the in-place editor.
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { FreeEditables(); });
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { FreeEditables(); });
  connect(header(), &QHeaderView::sectionResized, this, [this] { FreeEditables(); });
  // The store showed its first columns before the window existed.
  PlatformColumnsChanged();
  for (size_t i = 0; i < GuiColumns().size(); ++i) {
    PlatformSetColumnWidth(static_cast<int32_t>(i), GuiColumns()[i].Width);
  }
  InitMenuAndKeys();
}

TFileListView::~TFileListView() {
  // The workers end before anything they report to goes; batches still
  // queued for this view die with it.
  StopAndJoinReaders();
  FEditing = false;
  // The store part goes before the tree view's own destruction runs.
  ++FQuietSelection;
  selectionModel()->disconnect(this);
}

void TFileListView::SetMultiSelect(bool value) {
  setSelectionMode(value ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TFileListView::SetAllowItemRearranging(bool value) {
  TFileListViewStore::SetAllowItemRearranging(value);
  setDragEnabled(value);
  setAcceptDrops(value);
  viewport()->setAcceptDrops(value);
  setDropIndicatorShown(value);
  setDragDropMode(value ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
}

void TFileListView::SetShowFileIcons(bool value) {
  TFileListViewStore::SetShowFileIcons(value);
  PlatformRepaint();
}

void TFileListView::SetCheckboxes(bool value) {
  TFileListViewStore::SetCheckboxes(value);
  PlatformRepaint();
}

void TFileListView::ExecuteColumnsDialog() {
  TFileListViewColumnsDialog dialog(this);
  dialog.StrColumns = StrRes.StrColumns;
  dialog.StrColumn = StrRes.StrColumn;
  dialog.StrCategory = StrRes.StrCategory;
  dialog.StrOk = StrRes.StrOK;
  dialog.StrCancel = StrRes.StrCancel;
  dialog.StrReset = StrRes.StrReset;
  dialog.StrResetToDefault = StrRes.StrResetToDefault;
  dialog.BidiMode = layoutDirection();
  RefreshColumnInfosVisibleCurrentFromColumnsVisibleArray();
  TFileListViewColumnVisInfoArray list;
  GetColumnCustomizableVisInfoCurrent(list);
  dialog.SetColumns(list);
  if (dialog.ShowModal() != kModalResultOK) return;
  RefreshColumnWidthCurrentFromGUI();
  dialog.GetResult(list);
  SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(list, true, true);
}

// --- Platform hooks ----------------------------------------------------------------

void TFileListView::PlatformRowCountChanged(int32_t OldCount, int32_t NewCount) {
  ++FQuietSelection;
  FModel->SetRows(NewCount);
  --FQuietSelection;
}

void TFileListView::PlatformRepaint() {
  viewport()->update();
  header()->viewport()->update();
}

void TFileListView::PlatformColumnsChanged() {
  ++FQuietSelection;
  FModel->SetColumns(static_cast<int>(GuiColumns().size()));
  --FQuietSelection;
}

void TFileListView::PlatformSetColumnWidth(int32_t Position, int32_t Width) {
  if (Position < FModel->columnCount()) header()->resizeSection(Position, std::max(Width, 0));
}

int32_t TFileListView::PlatformColumnWidth(int32_t Position) const {
  if (Position < header()->count()) return header()->sectionSize(Position);
  return TFileListViewStore::PlatformColumnWidth(Position);
}

int32_t TFileListView::PlatformClientWidth() const { return width(); }

TIntArray TFileListView::PlatformSelectedRows() const { return TOwnerDataModel::RowsOf(selectionModel()->selection()); }

void TFileListView::PlatformSelectRows(const TIntArray& Rows) {
  ++FQuietSelection;
  FModel->SelectRows(selectionModel(), Rows);
  --FQuietSelection;
}

void TFileListView::OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  if (FQuietSelection > 0) return;
  auto raise = [this](const QItemSelection& selection, bool state) {
    for (int32_t row : TOwnerDataModel::RowsOf(selection)) SelectItemProc(row, state);
  };
  raise(deselected, false);
  raise(selected, true);
}

// --- Size and drag ------------------------------------------------------------------

void TFileListView::resizeEvent(QResizeEvent* e) {
  QTreeView::resizeEvent(e);
  ResizeInternal();
}

bool TFileListView::DragOverProc(const QObject* Source) const {
  return AllowItemRearranging() && Source != nullptr && (Source == this || Source == viewport());
}

void TFileListView::DragDropProc(const QObject* Source, const QPoint& ViewportPos) {
  if (!DragOverProc(Source)) return;
  const QModelIndex target = indexAt(ViewportPos);
  DropSelectedOnRow(target.isValid() ? target.row() : kNoFileListItem);
}

void TFileListView::dragEnterEvent(QDragEnterEvent* e) { AnswerDrag(e, DragOverProc(e->source())); }

void TFileListView::dragMoveEvent(QDragMoveEvent* e) {
  QTreeView::dragMoveEvent(e);
  AnswerDrag(e, DragOverProc(e->source()));
}

void TFileListView::dropEvent(QDropEvent* e) {
  if (!DragOverProc(e->source())) {
    e->ignore();
    return;
  }
  DragDropProc(e->source(), e->position().toPoint());
  AnswerDrag(e, true);
  stopAutoScroll();
  setState(NoState);
  viewport()->update();
}

// --- The localised view ------------------------------------------------------------

TFileListViewSpr::TFileListViewSpr(QWidget* parent) : TFileListView(parent) {
  CategoryOfColumnTypeProc = GetCategoryOfColumnTypeAsTextSpr;
}

void TFileListViewSpr::SetLanguage() {
  if (ApplyFileListViewLanguage(*this)) RefreshStandardPopupMenuItemCaptions();
}
