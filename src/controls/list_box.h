// The virtual list box: one column of captions drawn by the control from its
// own item array; Delete removes (the host may refuse each item) and drag
// re-orders (the host may refuse the new order).
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>
#include <functional>
#include <string>

#include "controls/list_box_items.h"
#include "foundation/colours.h"

class TVirtualListBox;

using TVirtualListBoxNotifyEvent = std::function<void(TVirtualListBox* Sender)>;
using TVirtualListBoxDeleteItemProc = std::function<void(TVirtualListBox* Sender, int32_t AItemIndex, int32_t AIntID,
                                                         const std::string& AStrID, bool& ACanDelete)>;
using TVirtualListBoxRearrangingInitProc =
    std::function<void(TVirtualListBox* Sender, const TIntArray& ANewOrder, bool& ACanRearrange)>;

// One empty row per item, so that the view's rows, selection and scrolling
// follow the item array.
class TVirtualListBoxModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit TVirtualListBoxModel(QObject* parent) : QAbstractListModel(parent) {}
  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : FRows; }
  QVariant data(const QModelIndex&, int) const override { return {}; }
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  void SetRows(int rows);
  bool Draggable = true;

 private:
  int FRows = 0;
};

class TVirtualListBoxDelegate : public QStyledItemDelegate {
 public:
  explicit TVirtualListBoxDelegate(TVirtualListBox* list);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  TVirtualListBox* FList;
};

class TVirtualListBox : public QListView {
  Q_OBJECT
 public:
  explicit TVirtualListBox(QWidget* parent = nullptr);
  ~TVirtualListBox() override;

  TVirtualListBoxItems Items;

  bool AllowDelKey = true;
  bool AllowItemRearranging() const { return FAllowItemRearranging; }
  void SetAllowItemRearranging(bool value);
  TGraphicsColor ColorHighlight;
  TGraphicsColor ColorFontEnabled = RGBToColor(0, 0, 0);
  TGraphicsColor ColorFontDisabled = RGBToColor(128, 128, 128);
  TGraphicsColor ColorFontHighlightEnabled;
  TGraphicsColor ColorFontHighlightDisabled;
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  // Row height in pixels; 0 or less uses the height of the text "Wg".
  int32_t ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int32_t value);
  int32_t RowHeight() const;

  TVirtualListBoxDeleteItemProc OnDeleteItem;
  TVirtualListBoxNotifyEvent OnDeletionDone;
  TVirtualListBoxRearrangingInitProc OnRearrangingInit;
  TVirtualListBoxNotifyEvent OnRearrangingDone;

  int32_t AddItem(const std::string& Caption, int32_t IntID, const std::string& StrID, bool Enabled, int32_t TextSlot);
  void RemoveSelected();
  void RemoveAll();
  bool SetItemOrder(TIntArray& NewOrder);
  bool SetItemOrderFromIntIDs(TIntArray& IDs);
  TIntArray GetItemOrderAsIntIDs() const;
  int32_t GetItemIndexFromIntID(int32_t IntID) const;
  void RefreshItemCount();

  TIntArray SelectedRows() const;
  void SetSelectedRows(const TIntArray& Rows);
  // The preferred height: one row more than there are items.
  int32_t PreferredHeight() const;
  QSize sizeHint() const override;

  bool DragOverProc(const QObject* Source) const;
  void DragDropProc(const QObject* Source, const QPoint& ViewportPos);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void changeEvent(QEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  TVirtualListBoxModel* FModel;
  bool FAllowItemRearranging = true;
  bool FMultiSelect = false;
  int32_t FItemHeight = 0;
};
