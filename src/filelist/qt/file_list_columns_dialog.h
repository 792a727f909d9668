// The modal window in which the user picks, orders and hides the customizable
// columns of a file list view: a list of columns with their categories, each
// with a check box for its visibility, ordered by dragging the rows.
#pragma once

#include <QDialog>
#include <QPointer>
#include <Qt>
#include <cstdint>
#include <string>
#include <vector>

#include "filelist/core/file_list_types.h"

class QPushButton;
class TFileListView;
class TVirtualListView;

struct TFileListViewColumnsDialogColInfoRec {
  int32_t ColumnInfoIndex = 0;
  TFileListViewColumnType ColumnType = flvColNone;
  std::string Caption;
  std::string Category;
  bool Visible = false;
};
using TFileListViewColumnsDialogColInfoArr = std::vector<TFileListViewColumnsDialogColInfoRec>;

class TFileListViewColumnsDialog {
 public:
  explicit TFileListViewColumnsDialog(TFileListView* AFileListView);
  ~TFileListViewColumnsDialog();
  TFileListViewColumnsDialog(const TFileListViewColumnsDialog&) = delete;
  TFileListViewColumnsDialog& operator=(const TFileListViewColumnsDialog&) = delete;

  std::string StrOk = "OK";
  std::string StrCancel = "Cancel";
  std::string StrColumns = "Columns";
  std::string StrColumn = "Column";
  std::string StrCategory = "Category";
  std::string StrReset = "Reset";
  std::string StrResetToDefault = "Reset to Default";
  Qt::LayoutDirection BidiMode = Qt::LeftToRight;

  // Rebuilds the rows (and the list, once the window exists).
  void SetColumns(const TFileListViewColumnVisInfoArray& AList);
  int32_t AddColumn(int32_t AColumnInfoIndex, TFileListViewColumnType AColumnType, bool AVisible,
                    const std::string& ACaption, const std::string& ACategory);
  // Builds the window on the first call and shows it modally;
  // kModalResultOK from OK, kModalResultCancel otherwise.
  int32_t ShowModal();
  // The list's rows in their current order with their check marks.
  void GetResult(TFileListViewColumnVisInfoArray& AList) const;
  void CreateListViewItems();
  // Reloads the default order and visibility; applies nothing.
  void ProcResetButtonClick();

  const TFileListViewColumnsDialogColInfoArr& Rows() const { return FRows; }
  // The window and its controls, for tests (null before the first ShowModal).
  QDialog* Window() const { return FForm; }
  TVirtualListView* List() const { return FList; }
  QPushButton* OkButton() const { return FOk; }
  QPushButton* CancelButton() const { return FCancel; }
  QPushButton* ResetButton() const { return FReset; }

 private:
  void BuildWindow();

  TFileListView* FFileListView;
  TFileListViewColumnsDialogColInfoArr FRows;
  QPointer<QDialog> FForm;
  TVirtualListView* FList = nullptr;
  QPushButton* FOk = nullptr;
  QPushButton* FCancel = nullptr;
  QPushButton* FReset = nullptr;
};
