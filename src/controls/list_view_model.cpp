#include "controls/list_view_model.h"

#include <QColor>
#include <QFont>

#include "controls/layout_direction.h"
#include "controls/list_view.h"
#include "foundation/qt/qt_strings.h"

namespace {

QColor ToQColor(TGraphicsColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

}  // namespace

TVirtualListViewModel::TVirtualListViewModel(TVirtualListView* list) : TOwnerDataModel(list), FList(list) {}

QVariant TVirtualListViewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int32_t itemIndex = FList->GetItemIndexForListItem(index.row());
  if (itemIndex < 0 || itemIndex >= FList->GetItemCount()) return {};
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return CellTextInDirection(ToQString(FList->GetCellDisplayText(itemIndex, column)), FList->layoutDirection());
    case Qt::DecorationRole: {
      if (column != 0 || !FList->ShowIcons()) return {};
      const int32_t image = FList->VirtualItems.ImageIndex(static_cast<size_t>(itemIndex));
      if (image < 0 || image >= FList->Images.size()) return {};
      return FList->Images[image];
    }
    case Qt::CheckStateRole:
      if (column != 0 || !FList->Checkboxes()) return {};
      return FList->VirtualItems.Checked(static_cast<size_t>(itemIndex)) ? Qt::Checked : Qt::Unchecked;
    case Qt::ForegroundRole: {
      if (FList->DefaultDraw) return {};
      return ToQColor(FList->VirtualItems.CellFontColor(static_cast<size_t>(itemIndex), static_cast<size_t>(column)));
    }
    case Qt::FontRole: {
      if (FList->DefaultDraw) return {};
      const TVirtualListViewFontStyles style = FList->VirtualItems.FontStyle(static_cast<size_t>(itemIndex));
      if (style == 0) return {};
      QFont font = FList->font();
      font.setBold((style & kVlvFontBold) != 0);
      font.setItalic((style & kVlvFontItalic) != 0);
      font.setUnderline((style & kVlvFontUnderline) != 0);
      font.setStrikeOut((style & kVlvFontStrikeOut) != 0);
      return font;
    }
    case Qt::TextAlignmentRole: {
      if (column >= static_cast<int>(FList->VisibleColumns().size())) return {};
      const auto& d = FList->ColumnInfos()[static_cast<size_t>(FList->VisibleColumns()[static_cast<size_t>(column)])];
      return QVariant::fromValue(QtAlignmentOf(d.Alignment));
    }
    default: return {};
  }
}

bool TVirtualListViewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::CheckStateRole || index.column() != 0) return false;
  FList->ItemCheckedProc(index.row(), value.toInt() == Qt::Checked);
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

QVariant TVirtualListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(FList->VisibleColumns().size())) {
    return {};
  }
  const auto& d = FList->ColumnInfos()[static_cast<size_t>(FList->VisibleColumns()[static_cast<size_t>(section)])];
  if (role == Qt::DisplayRole) return ToQString(d.Caption);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(QtAlignmentOf(d.Alignment));
  return {};
}

Qt::ItemFlags TVirtualListViewModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return FList->AllowItemRearranging() ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  if (FList->AllowItemRearranging()) f |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
  if (index.column() == 0 && FList->Checkboxes()) f |= Qt::ItemIsUserCheckable;
  return f;
}

void TVirtualListViewModel::ColumnsChanged() { SetColumns(static_cast<int>(FList->VisibleColumns().size())); }
