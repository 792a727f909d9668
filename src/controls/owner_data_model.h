// A Qt table model that holds no cells: the control it serves keeps its own
// rows and answers data() itself. The model only tracks how many rows and
// columns the view is told about, so that growing or shrinking the control's
// arrays costs nothing per row.
#pragma once

#include <QAbstractTableModel>
#include <QItemSelectionModel>

#include "foundation/types.h"

class TOwnerDataModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : FRows; }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : FColumns; }

  // Brings the model's row and column counts to the control's.
  void SetRows(int rows);
  void SetColumns(int columns);
  // Every shown cell and the header captions changed.
  void Repaint();

  // The rows a selection covers, ascending, each once.
  static TIntArray RowsOf(const QItemSelection& selection);
  // Selects exactly the given rows, whole, in as few ranges as they allow;
  // rows outside the model are left out.
  void SelectRows(QItemSelectionModel* selection, const TIntArray& rows) const;

 private:
  int FRows = 0;
  int FColumns = 0;
};

// A cell's or header's alignment, vertically centred.
inline Qt::Alignment QtAlignmentOf(TAlignment a) {
  switch (a) {
    case taRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}
