#include "controls/owner_data_model.h"

#include <algorithm>

void TOwnerDataModel::SetRows(int rows) {
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

void TOwnerDataModel::SetColumns(int columns) {
  if (columns > FColumns) {
    beginInsertColumns(QModelIndex(), FColumns, columns - 1);
    FColumns = columns;
    endInsertColumns();
  } else if (columns < FColumns) {
    beginRemoveColumns(QModelIndex(), columns, FColumns - 1);
    FColumns = columns;
    endRemoveColumns();
  }
  if (FColumns > 0) emit headerDataChanged(Qt::Horizontal, 0, FColumns - 1);
}

void TOwnerDataModel::Repaint() {
  if (FRows > 0 && FColumns > 0) emit dataChanged(index(0, 0), index(FRows - 1, FColumns - 1));
}

TIntArray TOwnerDataModel::RowsOf(const QItemSelection& selection) {
  TIntArray rows;
  for (const QItemSelectionRange& range : selection) {
    for (int r = range.top(); r <= range.bottom(); ++r) rows.push_back(r);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void TOwnerDataModel::SelectRows(QItemSelectionModel* selectionModel, const TIntArray& Rows) const {
  TIntArray rows = Rows;
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  QItemSelection selection;
  for (size_t i = 0; i < rows.size() && FColumns > 0;) {
    size_t j = i;
    while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) ++j;
    if (rows[i] >= 0 && rows[j] < FRows) selection.select(index(rows[i], 0), index(rows[j], FColumns - 1));
    i = j + 1;
  }
  selectionModel->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
