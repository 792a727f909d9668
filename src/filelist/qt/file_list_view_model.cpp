#include "filelist/qt/file_list_view_model.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>

#include "controls/directory_tree.h"
#include "filelist/qt/file_list_view.h"
#include "foundation/qt/qt_strings.h"

TFileListViewModel::TFileListViewModel(TFileListView* view) : TOwnerDataModel(view), FView(view) {}

QVariant TFileListViewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int32_t item = FView->GetIndexOfListItem(index.row());
  if (item < 0 || item >= FView->GetFileCount()) return {};
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole: {
      const QString text = ToQString(FView->GetCellDisplayText(item, column));
      // In a mirrored view each cell keeps the direction of its own text:
      // paths, sizes and dates read left to right, Arabic names right to left.
      if (FView->layoutDirection() != Qt::RightToLeft || text.isEmpty()) return text;
      return QChar(0x2068) + text + QChar(0x2069);
    }
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
