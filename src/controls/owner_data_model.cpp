#include "controls/owner_data_model.h"

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
