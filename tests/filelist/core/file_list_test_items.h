// Entries and a headless view for the file list tests.
#pragma once

#include <string>
#include <vector>

#include "filelist/core/file_list_view_store.h"
#include "foundation/file_types.h"
#include "foundation/letter_case.h"
#include "foundation/paths.h"
#include "foundation/utf8.h"

// An entry as adding a file makes it: name, upper-case extension and file
// type from the path, no information records.
inline TFileListViewItem MakeFileItem(const std::string& path, int64_t size = 0, TDateTime date = 0) {
  TFileListViewItem item;
  item.FileName = path;
  item.Name = path.substr(path.rfind('/') + 1);
  item.Ext = UTF8UpperCase(ExtractFileExtWithoutExtensionSeparator(path));
  item.FileType = GetFileTypeFromFileExtension(item.Ext);
  item.PathLength = static_cast<int32_t>(UTF8Length(path));
  item.FolderLevel = GetFolderLevel(path);
  item.Size = size;
  item.Date = date;
  return item;
}

// The store with its platform calls counted and its reading-out requests
// recorded.
class TTestFileListView : public TFileListViewStore {
 public:
  int ColumnsChanged = 0;
  int Repaints = 0;
  std::vector<std::pair<TFileListViewInfoKind, bool>> ReadOutRequests;

 protected:
  void PlatformColumnsChanged() override { ++ColumnsChanged; }
  void PlatformRepaint() override { ++Repaints; }
  void ReadOutMissing(TFileListViewInfoKind kind, bool fromStart) override {
    ReadOutRequests.emplace_back(kind, fromStart);
  }
};

inline TStrArray ShownTexts(TFileListViewStore& view, int32_t position) {
  TStrArray texts;
  for (int32_t row = 0; row < view.RowCount(); ++row) {
    texts.push_back(view.GetCellDisplayText(view.GetIndexOfListItem(row), position));
  }
  return texts;
}

inline TStrArray ItemNames(const TFileListViewStore& view) {
  TStrArray names;
  for (size_t i = 0; i < view.Items().size(); ++i) names.emplace_back(view.Items().Name(i));
  return names;
}
