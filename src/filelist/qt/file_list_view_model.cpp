#include "filelist/qt/file_list_view_model.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>

#include "controls/directory_tree.h"
#include "controls/layout_direction.h"
#include "filelist/qt/file_list_view.h"
#include "foundation/qt/qt_strings.h"

TFileListViewModel::TFileListViewModel(TFileListView* view) : TOwnerDataModel(view), FView(view) {}

QVariant TFileListViewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int32_t item = FView->GetIndexOfListItem(index.row());
  if (item < 0 || item >= FView->GetFileCount()) return {};
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return CellTextInDirection(ToQString(FView->GetCellDisplayText(item, column)), FView->layoutDirection());
    case Qt::DecorationRole: {
      if (column != 0 || !FView->ShowFileIcons()) return {};
      const int32_t icon = FView->Items().IconIndex(static_cast<size_t>(item));
      if (icon < 0 || icon >= FView->SysIcons()->Count()) return {};
      return FView->SysIcons()->Icon(icon);
    }
    case Qt::CheckStateRole:
      if (column != 0 || !FView->Checkboxes()) return {};
      return FView->Items().Checked(static_cast<size_t>(item)) ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole: {
      if (column >= static_cast<int>(FView->GuiColumns().size())) return {};
      return QVariant::fromValue(QtAlignmentOf(FView->GuiColumns()[static_cast<size_t>(column)].Alignment));
    }
    default: return {};
  }
}

bool TFileListViewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::CheckStateRole || index.column() != 0) return false;
  FView->ItemCheckedProc(index.row(), value.toInt() == Qt::Checked);
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

QVariant TFileListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(FView->GuiColumns().size())) {
    return {};
  }
  const TFileListViewGuiColumn& c = FView->GuiColumns()[static_cast<size_t>(section)];
  if (role == Qt::DisplayRole) {
    // A caption wider than its column ends in an ellipsis rather than losing
    // its first letters under right alignment; the tooltip shows it whole.
    const QHeaderView* header = FView->header();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int room = header->sectionSize(section) - 2 * margin - 2;
    return QFontMetrics(header->font()).elidedText(ToQString(c.Caption), Qt::ElideRight, std::max(room, 0));
  }
  if (role == Qt::ToolTipRole) return ToQString(c.Caption);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(QtAlignmentOf(c.Alignment));
  return {};
}

Qt::ItemFlags TFileListViewModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return FView->AllowItemRearranging() ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  if (FView->AllowItemRearranging()) f |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
  if (index.column() == 0 && FView->Checkboxes()) f |= Qt::ItemIsUserCheckable;
  return f;
}

TFileListViewDelegate::TFileListViewDelegate(TFileListView* view) : QStyledItemDelegate(view), FView(view) {}

void TFileListViewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  const int column = index.column();
  // The first column draws a check box or an icon when it has one.
  bool plain = column > 0 && column < static_cast<int>(FView->GuiColumns().size());
  if (column == 0 && !FView->Checkboxes()) {
    const int32_t item = FView->GetIndexOfListItem(index.row());
    plain = !FView->ShowFileIcons() || item < 0 || item >= FView->GetFileCount() ||
            FView->Items().IconIndex(static_cast<size_t>(item)) < 0 ||
            FView->Items().IconIndex(static_cast<size_t>(item)) >= FView->SysIcons()->Count();
  }
  if (!plain || (option.state & QStyle::State_HasFocus)) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                     : (option.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
  const QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return;
  const QStyle* style = option.widget != nullptr ? option.widget->style() : FView->style();
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
  const QRect room = option.rect.adjusted(margin, 0, -margin, 0);
  const Qt::Alignment alignment = QStyle::visualAlignment(
      option.direction, QtAlignmentOf(FView->GuiColumns()[static_cast<size_t>(column)].Alignment));
  painter->save();
  painter->setLayoutDirection(option.direction);
  painter->setFont(option.font);
  painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  // The text is shaped once: measured and drawn from one layout.
  const QFontMetrics& metrics = option.fontMetrics;
  QTextLayout layout(text, option.font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  qreal width = line.naturalTextWidth();
  if (width > room.width()) {
    layout.setText(metrics.elidedText(text, option.textElideMode, room.width()));
    layout.beginLayout();
    line = layout.createLine();
    layout.endLayout();
    width = line.naturalTextWidth();
  }
  qreal x = room.left();
  if (alignment & Qt::AlignRight) x = room.right() + 1 - width;
  if (alignment & Qt::AlignHCenter) x = room.left() + (room.width() - width) / 2;
  const qreal y = room.top() + (room.height() - metrics.height()) / 2;
  layout.draw(painter, QPointF(x, y));
  painter->restore();
}
