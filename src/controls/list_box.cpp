#include "controls/list_box.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "controls/drag_answer.h"
#include "foundation/qt/qt_strings.h"

namespace {

TGraphicsColor FromQColor(const QColor& c) {
  return RGBToColor(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
}
QColor ToQColor(TGraphicsColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

}  // namespace

Qt::ItemFlags TVirtualListBoxModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Draggable ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  if (Draggable) f |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
  return f;
}

void TVirtualListBoxModel::SetRows(int rows) {
  if (rows == FRows) return;
  if (rows > FRows) {
    beginInsertRows(QModelIndex(), FRows, rows - 1);
    FRows = rows;
    endInsertRows();
  } else {
    beginRemoveRows(QModelIndex(), rows, FRows - 1);
    FRows = rows;
    endRemoveRows();
  }
}

TVirtualListBoxDelegate::TVirtualListBoxDelegate(TVirtualListBox* list) : QStyledItemDelegate(list), FList(list) {}

void TVirtualListBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
  const QRect r = option.rect;
  painter->save();
  if (option.state & QStyle::State_Selected) painter->fillRect(r, ToQColor(FList->ColorHighlight));
  const int row = index.row();
  if (row >= 0 && static_cast<size_t>(row) < FList->Items.size()) {
    const TVirtualListBoxItem& item = FList->Items[static_cast<size_t>(row)];
    const QString caption = ToQString(item.Caption);
    const QFontMetrics metrics(option.font);
    const int h = r.height();
    int x = r.left() + h / 4;
    if (FList->layoutDirection() == Qt::RightToLeft) x = r.right() - metrics.horizontalAdvance(caption) - h / 4;
    // Enabled items are black and disabled ones grey, selected or not.
    painter->setPen(item.Enabled ? QColor(0, 0, 0) : QColor(128, 128, 128));
    painter->setFont(option.font);
    const int y = r.top() + (h - metrics.height()) / 2;
    painter->drawText(QPoint(x, y + metrics.ascent()), caption);
  }
  painter->restore();
}

QSize TVirtualListBoxDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return QSize(option.rect.width(), FList->RowHeight());
}

TVirtualListBox::TVirtualListBox(QWidget* parent) : QListView(parent), FModel(new TVirtualListBoxModel(this)) {
  ColorHighlight = FromQColor(palette().color(QPalette::Highlight));
  ColorFontHighlightEnabled = FromQColor(palette().color(QPalette::HighlightedText));
  ColorFontHighlightDisabled = ColorFontHighlightEnabled;
  setModel(FModel);
  setItemDelegate(new TVirtualListBoxDelegate(this));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  SetAllowItemRearranging(true);
}

TVirtualListBox::~TVirtualListBox() = default;

void TVirtualListBox::SetAllowItemRearranging(bool value) {
  FAllowItemRearranging = value;
  FModel->Draggable = value;
  setDragEnabled(value);
  setAcceptDrops(value);
  viewport()->setAcceptDrops(value);
  setDropIndicatorShown(value);
  setDragDropMode(value ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
}

void TVirtualListBox::SetMultiSelect(bool value) {
  FMultiSelect = value;
  setSelectionMode(value ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TVirtualListBox::SetItemHeight(int32_t value) {
  if (FItemHeight == value) return;
  FItemHeight = value;
  doItemsLayout();
  updateGeometry();
}

int32_t TVirtualListBox::RowHeight() const {
  return FItemHeight > 0 ? FItemHeight : QFontMetrics(font()).boundingRect(QStringLiteral("Wg")).height();
}

int32_t TVirtualListBox::AddItem(const std::string& Caption, int32_t IntID, const std::string& StrID, bool Enabled,
                                 int32_t TextSlot) {
  TVirtualListBoxItem item;
  item.Caption = Caption;
  item.IntID = IntID;
  item.StrID = StrID;
  item.Enabled = Enabled;
  item.TextSlot = TextSlot;
  Items.push_back(std::move(item));
  RefreshItemCount();
  return static_cast<int32_t>(Items.size()) - 1;
}

void TVirtualListBox::RefreshItemCount() {
  const auto count = static_cast<int>(Items.size());
  if (FModel->rowCount() == count) return;
  FModel->SetRows(count);
  updateGeometry();
  viewport()->update();
}

TIntArray TVirtualListBox::SelectedRows() const {
  TIntArray rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void TVirtualListBox::SetSelectedRows(const TIntArray& Rows) {
  QItemSelection selection;
  for (int32_t r : Rows) {
    if (r >= 0 && r < FModel->rowCount()) selection.select(FModel->index(r), FModel->index(r));
  }
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void TVirtualListBox::RemoveSelected() {
  const TIntArray selected = SelectedRows();
  if (selected.empty()) return;
  if (selected.size() == Items.size() && !OnDeleteItem) {
    RemoveAll();
    return;
  }
  std::vector<uint8_t> isSelected(Items.size(), 0);
  for (int32_t r : selected) {
    if (r >= 0 && static_cast<size_t>(r) < Items.size()) isSelected[static_cast<size_t>(r)] = 1;
  }
  TVirtualListBoxItems kept;
  for (size_t i = 0; i < Items.size(); ++i) {
    bool del = isSelected[i] != 0;
    if (OnDeleteItem && del) OnDeleteItem(this, static_cast<int32_t>(i), Items[i].IntID, Items[i].StrID, del);
    if (!del) kept.push_back(std::move(Items[i]));
  }
  selectionModel()->clearSelection();
  Items = std::move(kept);
  RefreshItemCount();
  viewport()->update();
  if (OnDeletionDone) OnDeletionDone(this);
}

void TVirtualListBox::RemoveAll() {
  Items.clear();
  RefreshItemCount();
  if (OnDeletionDone) OnDeletionDone(this);
}

bool TVirtualListBox::SetItemOrder(TIntArray& NewOrder) {
  if (!VlbApplyOrder(Items, NewOrder)) return false;
  viewport()->update();
  return true;
}

bool TVirtualListBox::SetItemOrderFromIntIDs(TIntArray& IDs) {
  const bool ok = VlbSetOrderFromIntIDs(Items, IDs);
  if (ok) viewport()->update();
  return ok;
}

TIntArray TVirtualListBox::GetItemOrderAsIntIDs() const {
  TIntArray ids;
  ids.reserve(Items.size());
  for (const auto& item : Items) ids.push_back(item.IntID);
  return ids;
}

int32_t TVirtualListBox::GetItemIndexFromIntID(int32_t IntID) const { return VlbIndexOfIntID(Items, IntID); }

int32_t TVirtualListBox::PreferredHeight() const { return (static_cast<int32_t>(Items.size()) + 1) * RowHeight(); }

QSize TVirtualListBox::sizeHint() const { return QSize(QListView::sizeHint().width(), PreferredHeight()); }

void TVirtualListBox::keyPressEvent(QKeyEvent* e) {
  const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
  if (FMultiSelect && mods == Qt::ControlModifier && e->key() == Qt::Key_A) selectAll();
  if (e->key() == Qt::Key_Delete && AllowDelKey) RemoveSelected();
  QListView::keyPressEvent(e);
}

void TVirtualListBox::changeEvent(QEvent* e) {
  QListView::changeEvent(e);
  if (e->type() == QEvent::LayoutDirectionChange) viewport()->update();
}

bool TVirtualListBox::DragOverProc(const QObject* Source) const {
  return FAllowItemRearranging && Source != nullptr && (Source == this || Source == viewport());
}

void TVirtualListBox::DragDropProc(const QObject* Source, const QPoint& ViewportPos) {
  if (!DragOverProc(Source)) return;
  const QModelIndex at = indexAt(ViewportPos);
  const int32_t target = at.isValid() ? at.row() : -1;
  std::vector<uint8_t> selected(Items.size(), 0);
  for (int32_t r : SelectedRows()) {
    if (r >= 0 && static_cast<size_t>(r) < Items.size()) selected[static_cast<size_t>(r)] = 1;
  }
  TIntArray order = VlbDropOrder(selected, target);
  bool canRearrange = true;
  if (OnRearrangingInit) OnRearrangingInit(this, order, canRearrange);
  if (!canRearrange) return;
  SetItemOrder(order);
  if (OnRearrangingDone) OnRearrangingDone(this);
}

void TVirtualListBox::dragEnterEvent(QDragEnterEvent* e) { AnswerDrag(e, DragOverProc(e->source())); }

void TVirtualListBox::dragMoveEvent(QDragMoveEvent* e) {
  QListView::dragMoveEvent(e);
  AnswerDrag(e, DragOverProc(e->source()));
}

void TVirtualListBox::dropEvent(QDropEvent* e) {
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
