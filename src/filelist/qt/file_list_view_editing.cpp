// Cells under the mouse, the in-place editor over a cell with its keys, and
// the double click.
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include "filelist/qt/file_list_view.h"
#include "filelist/qt/file_list_view_model.h"
#include "foundation/paths.h"
#include "foundation/qt/desktop.h"
#include "foundation/qt/qt_strings.h"

namespace {

// The mark of "no value": one character with the code 0; it never reaches a cell.
const std::string kNoValue(1, '\0');

bool IsCustomColumn(TFileListViewColumnType t) { return t == flvColCustomInt || t == flvColCustomStr; }

}  // namespace

TFileListViewCellInfo TFileListView::GetCellAt(int32_t X, int32_t Y) const {
  QModelIndex index = indexAt(QPoint(X, Y));
  // Right of the last column the row is still there.
  if (!index.isValid() && X >= 0) index = indexAt(QPoint(0, Y));
  if (!index.isValid()) return GetEmptyCellInfo();
  // The header knows the scroll position and the sections' order.
  return GetCellInfo(index.row(), header()->logicalIndexAt(X));
}

QRect TFileListView::GetCellRect(int32_t Row, int32_t Column) const { return visualRect(FModel->index(Row, Column)); }

void TFileListView::BeginCellEdit(const TFileListViewCellInfo& Cell) {
  if (Cell.EditType == flvEditNone || Cell.ListItem < 0 || Cell.ColumnInfoIndex < 0) return;
  const int32_t item = GetIndexOfListItem(Cell.Row);
  if (item < 0 || item >= GetFileCount()) return;
  std::string value = GetCellContentAsString(item, Cell.Column);
  bool canChange = true;
  bool showEditor = true;
  if (OnCellChangeInit) OnCellChangeInit(FSender, Cell, item, Cell.ItemID, value, canChange, showEditor);
  if (value == kNoValue || !canChange) return;
  if (!showEditor) {
    if (value == Cell.Content) return;
    if (OnCellChange) OnCellChange(FSender, Cell, item, Cell.ItemID, Cell.Content, value, canChange);
    if (!canChange) return;
    SetCellContentFromString(Cell.Row, Cell.Column, value);
    PlatformRepaint();
    if (OnCellChangeDone) OnCellChangeDone(FSender);
    return;
  }
  FreeEditables();
  const TFileListViewColumnInfo& info = ColumnInfos[static_cast<size_t>(Cell.ColumnInfoIndex)];
  std::string display = value;
  if (Cell.FormatType == flvFormatShowOption) {
    if (IsCustomColumn(Cell.ColumnType)) {
      char* end = nullptr;
      const long n = std::strtol(value.c_str(), &end, 10);
      const bool number = !value.empty() && end == value.c_str() + value.size();
      // The cell may show the option's text already.
      if (number || GetValueFromOptionStr(value, Cell.ColumnInfoIndex) < 0) {
        display = GetOptionStr(number ? static_cast<int32_t>(n) : -1, Cell.ColumnInfoIndex);
      }
    } else {
      display.clear();
    }
  }
  QWidget* editor = nullptr;
  if (Cell.EditType == flvEditText) {
    FEditControl = new QLineEdit(viewport());
    FEditControl->setText(ToQString(display));
    FEditControl->setAlignment(info.Alignment == taRightJustify ? Qt::AlignRight
                               : info.Alignment == taCenter     ? Qt::AlignHCenter
                                                                : Qt::AlignLeft);
    editor = FEditControl;
  } else {
    FEditComboBox = new QComboBox(viewport());
    FEditComboBox->setEditable(Cell.EditType == flvEditDropDown);
    FEditComboBox->setMaxVisibleItems(16);
    for (const std::string& v : info.DropDownValues) FEditComboBox->addItem(ToQString(v));
    const int at = FEditComboBox->findText(ToQString(display));
    if (at >= 0) FEditComboBox->setCurrentIndex(at);
    if (FEditComboBox->isEditable()) FEditComboBox->setEditText(ToQString(display));
    if (FEditComboBox->lineEdit()) FEditComboBox->lineEdit()->installEventFilter(this);
    editor = FEditComboBox;
  }
  editor->installEventFilter(this);
  // Rows are lower than an editor wants to be: it keeps its own height,
  // centred on the row, so that its text is not cut.
  QRect rect = GetCellRect(Cell.Row, Cell.Column);
  const int height = std::max(rect.height(), editor->sizeHint().height());
  rect.setTop(rect.center().y() - height / 2);
  rect.setHeight(height);
  editor->setGeometry(rect);
  editor->show();
  editor->setFocus();
  FEditCell = Cell;
  FEditing = true;
}

void TFileListView::EndCellEditProc() {
  std::string newText = kNoValue;
  bool canChange = true;
  if (FEditCell.EditType == flvEditText && FEditControl) {
    newText = FromQString(FEditControl->text());
  } else if ((FEditCell.EditType == flvEditDropDown || FEditCell.EditType == flvEditDropDownList) && FEditComboBox) {
    newText = FromQString(FEditComboBox->currentText());
  }
  if (FEditCell.FormatType == flvFormatShowOption && IsCustomColumn(FEditCell.ColumnType) && newText != kNoValue) {
    const int32_t n = GetValueFromOptionStr(newText, FEditCell.ColumnInfoIndex);
    newText = n == -1 ? kNoValue : std::to_string(n);
  }
  if (newText != kNoValue && newText != FEditCell.Content) {
    const int32_t item = GetIndexOfListItem(FEditCell.Row);
    if (OnCellChange) OnCellChange(FSender, FEditCell, item, FEditCell.ItemID, FEditCell.Content, newText, canChange);
    // A second commit of the same editor compares with what was stored.
    if (canChange && SetCellContentFromString(FEditCell.Row, FEditCell.Column, newText)) FEditCell.Content = newText;
  }
  if (canChange && OnCellChangeDone) OnCellChangeDone(FSender);
}

void TFileListView::FreeEditables() {
  if (!FEditing) return;
  // Leaving the editor commits; closing it must not.
  FEditing = false;
  for (QWidget* w : {static_cast<QWidget*>(FEditControl), static_cast<QWidget*>(FEditComboBox)}) {
    if (!w) continue;
    w->removeEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
      combo->lineEdit()->removeEventFilter(this);
    w->hide();
    w->deleteLater();
  }
  FEditControl = nullptr;
  FEditComboBox = nullptr;
  FEditCell = GetEmptyCellInfo();
  setFocus();
  PlatformRepaint();
}

bool TFileListView::eventFilter(QObject* watched, QEvent* event) {
  const bool ours =
      FEditing && watched != nullptr &&
      (watched == FEditControl || watched == FEditComboBox || (FEditComboBox && watched == FEditComboBox->lineEdit()));
  if (!ours) return QTreeView::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Escape: FreeEditables(); return true;
      case Qt::Key_Return:
      case Qt::Key_Enter: EditorKey(Qt::Key_Return, false); return true;
      case Qt::Key_Tab: EditorKey(Qt::Key_Tab, false); return true;
      case Qt::Key_Backtab: EditorKey(Qt::Key_Tab, true); return true;
      default: break;
    }
  } else if (event->type() == QEvent::FocusOut) {
    // Focus moving inside the drop-down (to its list) is not leaving it.
    QWidget* now = QApplication::focusWidget();
    const bool inside = now && FEditComboBox && (now == FEditComboBox || FEditComboBox->isAncestorOf(now));
    if (!inside && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) EndCellEditProc();
  }
  return QTreeView::eventFilter(watched, event);
}

void TFileListView::EditorKey(int key, bool shift) {
  if (key == Qt::Key_Return) {
    const TFileListViewCellInfo next = GetCellUnder(FEditCell);
    EndCellEditProc();
    FreeEditables();
    if (next.ListItem < 0) return;
    const int32_t shown = next.Row + 1 < RowCount() ? next.Row + 1 : next.Row;
    scrollTo(FModel->index(shown, std::max(next.Column, 0)));
    BeginCellEdit(next);
    return;
  }
  auto step = [&](TFileListViewCellInfo c) {
    while (c.ListItem >= 0 && c.Column >= 0 && c.EditType == flvEditNone) c = shift ? GetCellLeft(c) : GetCellRight(c);
    return c;
  };
  const int32_t row = FEditCell.Row;
  TFileListViewCellInfo target = step(shift ? GetCellLeft(FEditCell) : GetCellRight(FEditCell));
  EndCellEditProc();
  FreeEditables();
  if (target.ListItem < 0) {
    if (!shift && row + 1 < RowCount()) target = step(GetCellFirstOfRow(row + 1));
    if (shift && row > 0) target = step(GetCellLastOfRow(row - 1));
  }
  if (target.ListItem < 0) return;
  scrollTo(FModel->index(target.Row, std::max(target.Column, 0)));
  BeginCellEdit(target);
}

void TFileListView::mousePressEvent(QMouseEvent* e) {
  FreeEditables();
  QTreeView::mousePressEvent(e);
}

void TFileListView::mouseDoubleClickEvent(QMouseEvent* e) {
  FreeEditables();
  QTreeView::mouseDoubleClickEvent(e);
  const QPoint pos = e->position().toPoint();
  const TFileListViewCellInfo cell = GetCellAt(pos.x(), pos.y());
  const bool edit = cell.EditType != flvEditNone && cell.ListItem >= 0;
  const TIntArray rows = GetSelectedRows();
  const int32_t row = rows.empty() ? kNoFileListItem : rows.front();
  const int32_t item = GetIndexOfListItem(row);
  const bool hasItem = row >= 0 && item >= 0 && item < GetFileCount();
  if (edit) {
    BeginCellEdit(cell);
  } else if (OpenFileOnDoubleClick && hasItem) {
    const auto k = static_cast<size_t>(item);
    const std::string name(Items().FileName(k));
    if (Items().IsFolder(k) ? IsFolderAndExists(name) : QFileInfo::exists(ToQString(name))) OpenDirectory(name);
  }
  if (OnDblClickItem && hasItem) {
    OnDblClickItem(FSender, row, item, Items().ID(static_cast<size_t>(item)),
                   std::string(Items().FileName(static_cast<size_t>(item))));
  }
}
