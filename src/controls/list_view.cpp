#include "controls/list_view.h"

#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <algorithm>

#include "controls/drag_answer.h"
#include "controls/list_view_model.h"
#include "foundation/qt/qt_strings.h"

TVirtualListView::TVirtualListView(QWidget* parent) : QTreeView(parent), FModel(new TVirtualListViewModel(this)) {
  FSender = this;
  const QColor highlight = palette().color(QPalette::Highlight);
  ColorHighlight = RGBToColor(static_cast<uint8_t>(highlight.red()), static_cast<uint8_t>(highlight.green()),
                              static_cast<uint8_t>(highlight.blue()));
  Display.Number = GlobalNumberFormat();
  const QLocale locale = QLocale::system();
  Display.ShortDateFormat = FromQString(locale.dateFormat(QLocale::ShortFormat));
  Display.LongTimeFormat = FromQString(locale.timeFormat(QLocale::LongFormat));
  setModel(FModel);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAllColumnsShowFocus(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  header()->setSectionsClickable(true);
  header()->setSectionsMovable(false);
  header()->setStretchLastSection(false);
  SetAllowItemRearranging(true);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TVirtualListView::OnSelectionChanged);
  connect(header(), &QHeaderView::sectionClicked, this, [this](int section) { ColClick(section); });
  connect(header(), &QHeaderView::sectionPressed, this, [this](int) { FreeEditables(); });
}

TVirtualListView::~TVirtualListView() {
  // The store part is gone before the tree view's own destruction runs.
  ++FQuietSelection;
  selectionModel()->disconnect(this);
  header()->disconnect(this);
}

void TVirtualListView::SetShowIcons(bool value) {
  if (FShowIcons == value) return;
  FShowIcons = value;
  PlatformRepaint();
}

void TVirtualListView::SetMultiSelect(bool value) {
  FMultiSelect = value;
  setSelectionMode(value ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TVirtualListView::SetAllowItemRearranging(bool value) {
  TVirtualListViewStore::SetAllowItemRearranging(value);
  setDragEnabled(value);
  setAcceptDrops(value);
  viewport()->setAcceptDrops(value);
  setDropIndicatorShown(value);
  setDragDropMode(value ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
}

void TVirtualListView::SetCheckboxes(bool value) {
  TVirtualListViewStore::SetCheckboxes(value);
  PlatformRepaint();
}

// --- Platform hooks ----------------------------------------------------------------

void TVirtualListView::PlatformRowCountChanged(int32_t OldCount, int32_t NewCount) {
  ++FQuietSelection;
  FModel->SetRows(NewCount);
  --FQuietSelection;
}

void TVirtualListView::PlatformRepaint() {
  viewport()->update();
  header()->viewport()->update();
}

void TVirtualListView::PlatformColumnsChanged() {
  ++FQuietSelection;
  FModel->ColumnsChanged();
  --FQuietSelection;
}

void TVirtualListView::PlatformSetColumnWidth(int32_t Position, int32_t Width) {
  if (Position < FModel->columnCount()) header()->resizeSection(Position, std::max(Width, 0));
}

int32_t TVirtualListView::PlatformClientWidth() const { return width(); }

TIntArray TVirtualListView::PlatformSelectedRows() const {
  return TOwnerDataModel::RowsOf(selectionModel()->selection());
}

void TVirtualListView::PlatformSelectRows(const TIntArray& Rows) {
  ++FQuietSelection;
  FModel->SelectRows(selectionModel(), Rows);
  --FQuietSelection;
}

int32_t TVirtualListView::PlatformFocusedRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() : -1;
}

void TVirtualListView::PlatformSetFocusedRow(int32_t Row) {
  ++FQuietSelection;
  selectionModel()->setCurrentIndex(Row >= 0 ? FModel->index(Row, 0) : QModelIndex(), QItemSelectionModel::NoUpdate);
  --FQuietSelection;
}

void TVirtualListView::OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  if (FQuietSelection > 0) return;
  auto raise = [this](const QItemSelection& selection, bool state) {
    for (int32_t row : TOwnerDataModel::RowsOf(selection)) SelectItemProc(row, state);
  };
  raise(deselected, false);
  raise(selected, true);
}

// --- Keys, mouse, drag ---------------------------------------------------------------------

void TVirtualListView::keyPressEvent(QKeyEvent* e) {
  const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
  if (mods == Qt::ControlModifier) {
    if (e->key() == Qt::Key_A) {
      selectAll();
      e->accept();
      return;
    }
    // The list copies and pastes nothing itself: the host does, on request.
    if (e->key() == Qt::Key_C) {
      if (OnCopy) OnCopy(this);
      e->accept();
      return;
    }
    if (e->key() == Qt::Key_V) {
      if (OnPaste) OnPaste(this);
      e->accept();
      return;
    }
  }
  if (e->key() == Qt::Key_Delete && AllowDelKey) RemoveSelected();
  QTreeView::keyPressEvent(e);
}

void TVirtualListView::mousePressEvent(QMouseEvent* e) {
  FreeEditables();
  QTreeView::mousePressEvent(e);
}

void TVirtualListView::mouseDoubleClickEvent(QMouseEvent* e) {
  FreeEditables();
  const QPoint p = e->position().toPoint();
  const TVirtualListViewCellInfo cell = GetCellAt(p.x(), p.y());
  if (cell.EditType != vlvEditNone && cell.ListItem >= 0) {
    BeginCellEdit(cell);
    emit doubleClicked(FModel->index(cell.ListItem, std::max(cell.ColumnPosition, 0)));
    return;
  }
  QTreeView::mouseDoubleClickEvent(e);
}

void TVirtualListView::resizeEvent(QResizeEvent* e) {
  QTreeView::resizeEvent(e);
  if (ColumnAutoSize()) RefreshColumns(false, true);
}

void TVirtualListView::scrollContentsBy(int dx, int dy) {
  if (FEditing) FreeEditables();
  QTreeView::scrollContentsBy(dx, dy);
}

bool TVirtualListView::DragOverProc(const QObject* Source) const {
  return AllowItemRearranging() && Source != nullptr && (Source == this || Source == viewport());
}

void TVirtualListView::DragDropProc(const QObject* Source, const QPoint& ViewportPos) {
  if (!DragOverProc(Source)) return;
  const TVirtualListViewCellInfo cell = GetCellAt(ViewportPos.x(), ViewportPos.y());
  DropSelectedOnRow(cell.ListItem);
}

void TVirtualListView::dragEnterEvent(QDragEnterEvent* e) { AnswerDrag(e, DragOverProc(e->source())); }

void TVirtualListView::dragMoveEvent(QDragMoveEvent* e) {
  QTreeView::dragMoveEvent(e);
  AnswerDrag(e, DragOverProc(e->source()));
}

void TVirtualListView::dropEvent(QDropEvent* e) {
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

// --- Cells and editing ------------------------------------------------------------------

TVirtualListViewCellInfo TVirtualListView::GetCellAt(int X, int Y) const {
  QModelIndex index = indexAt(QPoint(X, Y));
  if (index.isValid()) return GetCellInfo(GetItemIndexForListItem(index.row()), index.column());
  if (FModel->columnCount() == 0) return GetEmptyCellInfo();
  // Right of all columns: the row without a column.
  index = indexAt(QPoint(header()->sectionViewportPosition(0) + 1, Y));
  if (!index.isValid()) return GetEmptyCellInfo();
  return GetCellInfo(GetItemIndexForListItem(index.row()), -1);
}

QRect TVirtualListView::GetCellRect(int32_t ItemIndex, int32_t Position, bool MakeVisible) {
  const int32_t row = GetRowForItemIndex(ItemIndex);
  if (row < 0 || Position < 0 || Position >= FModel->columnCount()) return {};
  const QModelIndex index = FModel->index(row, Position);
  if (MakeVisible) scrollTo(index);
  return visualRect(index);
}

void TVirtualListView::BeginCellEdit(const TVirtualListViewCellInfo& Cell) {
  if (Cell.EditType == vlvEditNone || Cell.ListItem < 0) return;
  if (Cell.ItemIndex < 0 || Cell.ItemIndex >= GetItemCount()) return;
  if (!VirtualItems.Editable(static_cast<size_t>(Cell.ItemIndex))) return;
  std::string value = GetCellContentAsString(Cell.ItemIndex, Cell.ColumnPosition);
  bool canChange = true;
  bool showEditInput = true;
  if (OnCellChangeInit) OnCellChangeInit(this, Cell, Cell.ItemIndex, Cell.ItemID, value, canChange, showEditInput);
  if (IsNulMarker(value) || !canChange) return;
  if (!showEditInput) {
    if (value == Cell.Content) return;
    if (OnCellChange) OnCellChange(this, Cell, Cell.ItemIndex, Cell.ItemID, Cell.Content, value, canChange);
    if (!canChange) return;
    SetCellContentFromString(Cell.ItemIndex, Cell.ColumnPosition, value);
    PlatformRepaint();
    if (OnCellChangeDone) OnCellChangeDone(this);
    if (OnChange) OnChange(this);
    return;
  }
  std::string text = value;
  if (Cell.FormatType == vlvFormatShowOption) {
    if (Cell.ColumnType == vlvColCustomInt) {
      int32_t n = -1;
      if (!TryStrToInt(value, n)) n = -1;
      text = GetOptionStr(n, Cell.ColumnInfoIndex, false);
    } else if (Cell.ColumnType == vlvColCustomStr || Cell.ColumnType == vlvColCustomStrDynamic) {
      text = GetOptionStr(value, Cell.ColumnInfoIndex);
    } else {
      text.clear();
    }
  }
  FreeEditables();
  QWidget* editor = nullptr;
  const auto& d = ColumnInfos()[static_cast<size_t>(Cell.ColumnInfoIndex)];
  if (Cell.EditType == vlvEditText) {
    auto* edit = new QLineEdit(viewport());
    edit->setText(ToQString(text));
    edit->setAlignment(d.Alignment == taRightJustify ? Qt::AlignRight
                       : d.Alignment == taCenter     ? Qt::AlignHCenter
                                                     : Qt::AlignLeft);
    FTextEditor = edit;
    editor = edit;
  } else {
    auto* combo = new QComboBox(viewport());
    combo->setMaxVisibleItems(16);
    combo->setEditable(Cell.EditType == vlvEditDropDown);
    for (const std::string& option : d.Options) combo->addItem(ToQString(option));
    const int found = combo->findText(ToQString(text));
    if (found >= 0) combo->setCurrentIndex(found);
    if (combo->isEditable()) combo->setEditText(ToQString(text));
    if (combo->lineEdit() != nullptr) combo->lineEdit()->installEventFilter(this);
    FDropDownEditor = combo;
    editor = combo;
  }
  editor->installEventFilter(this);
  editor->setGeometry(GetCellRect(Cell.ItemIndex, Cell.ColumnPosition, true));
  editor->show();
  editor->setFocus(Qt::OtherFocusReason);
  FEditCell = Cell;
  FEditing = true;
}

void TVirtualListView::EndCellEditProc() {
  if (!FEditing) return;
  std::string newText = NulMarker();
  const std::string old = FEditCell.Content;
  bool canChange = true;
  if (FEditCell.EditType == vlvEditText && FTextEditor) newText = FromQString(FTextEditor->text());
  if (FEditCell.EditType != vlvEditText && FDropDownEditor) newText = FromQString(FDropDownEditor->currentText());
  if (FEditCell.FormatType == vlvFormatShowOption) {
    if (FEditCell.ColumnType == vlvColCustomInt) {
      const int32_t n = GetValueFromOptionStr(newText, FEditCell.ColumnInfoIndex);
      newText = n == -1 ? NulMarker() : IntToStr(n);
    } else {
      newText = GetValueFromStrOptionStr(newText, FEditCell.ColumnInfoIndex);
      if (IsNulMarker(newText)) newText.clear();
    }
  }
  const TVirtualListViewCellInfo cell = FEditCell;
  if (!IsNulMarker(newText) && newText != old) {
    if (OnCellChange) OnCellChange(this, cell, cell.ItemIndex, cell.ItemID, old, newText, canChange);
    if (canChange) SetCellContentFromString(cell.ItemIndex, cell.ColumnPosition, newText);
  }
  if (canChange) {
    if (OnCellChangeDone) OnCellChangeDone(this);
    if (OnChange) OnChange(this);
  }
}

void TVirtualListView::FreeEditables() {
  if (!FEditing) return;
  bool hadFocus = false;
  auto drop = [this, &hadFocus](QWidget* editor) {
    if (editor == nullptr) return;
    hadFocus = hadFocus || editor->isAncestorOf(QApplication::focusWidget()) || editor->hasFocus();
    editor->removeEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo != nullptr && combo->lineEdit() != nullptr) {
      combo->lineEdit()->removeEventFilter(this);
    }
    editor->hide();
    editor->deleteLater();
  };
  drop(FTextEditor);
  drop(FDropDownEditor);
  FTextEditor = nullptr;
  FDropDownEditor = nullptr;
  FEditCell = GetEmptyCellInfo();
  FEditing = false;
  if (hadFocus) setFocus(Qt::OtherFocusReason);
  PlatformRepaint();
}

bool TVirtualListView::eventFilter(QObject* watched, QEvent* e) {
  const bool isEditor = FEditing && watched != nullptr &&
                        (watched == FTextEditor || watched == FDropDownEditor ||
                         (FDropDownEditor && watched == FDropDownEditor->lineEdit()));
  if (!isEditor) return QTreeView::eventFilter(watched, e);
  if (e->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(e);
    switch (key->key()) {
      case Qt::Key_Escape: FreeEditables(); return true;
      case Qt::Key_Return:
      case Qt::Key_Enter: EditorEnter(); return true;
      case Qt::Key_Tab: EditorTab((key->modifiers() & Qt::ShiftModifier) != 0); return true;
      case Qt::Key_Backtab: EditorTab(true); return true;
      default: break;
    }
  } else if (e->type() == QEvent::FocusOut) {
    auto* focus = static_cast<QFocusEvent*>(e);
    // Moving between the drop-down box, its text field and its popup is no exit.
    const QWidget* now = QApplication::focusWidget();
    const bool inside =
        now != nullptr && FDropDownEditor && (now == FDropDownEditor || FDropDownEditor->isAncestorOf(now));
    if (focus->reason() != Qt::PopupFocusReason && !inside) EndCellEditProc();
  }
  return QTreeView::eventFilter(watched, e);
}

void TVirtualListView::EditorEnter() {
  const TVirtualListViewCellInfo next = GetCellUnder(FEditCell);
  EndCellEditProc();
  FreeEditables();
  PlatformRepaint();
  if (next.ListItem < 0) return;
  const int32_t row = next.ListItem + 1 < FModel->rowCount() ? next.ListItem + 1 : next.ListItem;
  scrollTo(FModel->index(row, 0));
  BeginCellEdit(GetCellInfo(next.ItemIndex, next.ColumnPosition));
}

void TVirtualListView::EditorTab(bool backwards) {
  const int32_t row = FEditCell.ListItem;
  TVirtualListViewCellInfo cell = FEditCell;
  auto step = [this, backwards](const TVirtualListViewCellInfo& c) {
    return backwards ? GetCellLeft(c) : GetCellRight(c);
  };
  do {
    cell = step(cell);
  } while (cell.EditType == vlvEditNone && cell.ListItem >= 0);
  EndCellEditProc();
  FreeEditables();
  PlatformRepaint();
  if (cell.ListItem < 0) {
    if (!backwards && row + 1 < RowCount()) {
      cell = GetCellFirstOfRow(GetItemIndexForListItem(row + 1));
    } else if (backwards && row > 0) {
      cell = GetCellLastOfRow(GetItemIndexForListItem(row - 1));
    } else {
      return;
    }
    while (cell.ListItem >= 0 && cell.EditType == vlvEditNone) cell = step(cell);
  }
  if (cell.ListItem >= 0) BeginCellEdit(GetCellInfo(cell.ItemIndex, cell.ColumnPosition));
}
