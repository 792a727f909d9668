// The Qt model of the file list view: rows, header and check marks straight
// from the view's store.
#pragma once

#include <QStyledItemDelegate>

#include "controls/owner_data_model.h"

class TFileListView;

class TFileListViewModel : public TOwnerDataModel {
  Q_OBJECT
 public:
  explicit TFileListViewModel(TFileListView* view);

  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  TFileListView* FView;
};

// Paints the plain text cells without the style's full item drawing, which
// asks the model for every role of every cell; the first column (check box
// and icon) and the focused cell keep it.
class TFileListViewDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit TFileListViewDelegate(TFileListView* view);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  TFileListView* FView;
};
