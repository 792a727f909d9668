// The Qt model over the list view's item array: it copies no rows and asks
// the list for each cell it shows.
#pragma once

#include <QAbstractTableModel>

class TVirtualListView;

class TVirtualListViewModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TVirtualListViewModel(TVirtualListView* list);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Brings the model's row count to the list's.
  void SetRows(int oldRows, int newRows);
  // Re-reads the column definitions.
  void ColumnsChanged();
  void Repaint();

 private:
  TVirtualListView* FList;
  int FRows = 0;
  int FColumns = 0;
};
