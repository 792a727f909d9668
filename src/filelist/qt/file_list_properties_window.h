// The list properties window of a file list view: two pages, the files by
// file type and by format, each a table with a totals row, and buttons that
// copy the table in front as text, CSV or TSV.
#pragma once

#include <QDialog>

#include "filelist/core/file_list_properties.h"

class QPushButton;
class QTabWidget;
class TVirtualListView;

// The buttons' numbers (their tags).
inline constexpr int32_t kListInfoButtonClose = 1;
inline constexpr int32_t kListInfoButtonTSV = 2;
inline constexpr int32_t kListInfoButtonCSV = 3;
inline constexpr int32_t kListInfoButtonText = 4;

class TFileListViewListInfoWindow : public QDialog {
  Q_OBJECT
 public:
  TFileListViewListInfoWindow(TFileListViewListInfoCreator& creator, QWidget* parent);

  TVirtualListView* FileTypesList() const { return FFileTypesList; }
  TVirtualListView* FileFormatsList() const { return FFileFormatsList; }
  QTabWidget* Pages() const { return FPages; }
  QPushButton* Button(int32_t tag) const;

  // Copies the table in front to the clipboard by the button's number.
  void ListButtonClickProc(QObject* Sender);
  // Notes which page is in front.
  void ListPageControlChangeProc(QObject* Sender);

 private:
  TVirtualListView* BuildPage(int32_t listType);

  TFileListViewListInfoCreator& FCreator;
  QTabWidget* FPages;
  TVirtualListView* FFileTypesList = nullptr;
  TVirtualListView* FFileFormatsList = nullptr;
  QList<QPushButton*> FButtons;
};

// Shows the window modally and frees it when it closes.
void ShowFileListViewListInfoWindow(TFileListViewListInfoCreator& creator, QWidget* parent);
