// The Qt model over the list view's item array: it copies no rows and asks
// the list for each cell it shows.
#pragma once

#include "controls/owner_data_model.h"

class TVirtualListView;

class TVirtualListViewModel : public TOwnerDataModel {
  Q_OBJECT
 public:
  explicit TVirtualListViewModel(TVirtualListView* list);

  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Re-reads the column definitions.
  void ColumnsChanged();

 private:
  TVirtualListView* FList;
};
