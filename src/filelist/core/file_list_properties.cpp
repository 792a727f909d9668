#include "filelist/core/file_list_properties.h"

#include <algorithm>
#include <cmath>

#include "filelist/core/file_list_view_core.h"

namespace {

int64_t RoundHalfEven(double value) { return static_cast<int64_t>(std::nearbyint(value)); }

}  // namespace

TFileListViewListInfoCreator::TFileListViewListInfoCreator(TFileListViewCore& AFileListView, int32_t AListType)
    : FileListView(&AFileListView) {
  ListType = AListType != 0 ? AListType : GetBestListTypeForCurrentList();
  ClearData();
}

void TFileListViewListInfoCreator::ClearData() {
  RowKeys.clear();
  RowData.clear();
  TotalCount = 0;
  TotalSize = 0;
  TotalDuration = 0;
  TotalLines = 0;
  TotalChars = 0;
  TotalWords = 0;
}

int32_t TFileListViewListInfoCreator::GetBestListTypeForCurrentList() const {
  const TFileListViewItemStore& items = FileListView->Items();
  if (items.size() <= 1) return 1;
  for (size_t i = 1; i < items.size(); ++i) {
    if (items.FileType(i) != items.FileType(0)) return kListInfoByFileType;
  }
  for (size_t i = 1; i < items.size(); ++i) {
    if (items.Ext(i) != items.Ext(0)) return kListInfoByExtension;
  }
  return 1;
}

int32_t TFileListViewListInfoCreator::InitDataRow(int32_t AFileType, const std::string& AExt) {
  RowKeys.push_back({AFileType, AExt});
  RowData.emplace_back();
  return static_cast<int32_t>(RowKeys.size()) - 1;
}

void TFileListViewListInfoCreator::PrepareList() {
  const TFileListViewCore& view = *FileListView;
  const TFileListViewItemStore& items = view.Items();
  const bool byExt = ListType == kListInfoByExtension;
  if (Sort) {
    if (byExt) {
      for (const std::string& ext : view.GetAllExtensionsInList(true)) InitDataRow(0, ext);
    } else {
      for (const TIntStr& type : view.GetAllFileTypesInList(true)) InitDataRow(type.Int, "");
    }
  }
  for (size_t i = 0; i < items.size(); ++i) {
    const std::string ext = byExt ? std::string(items.Ext(i)) : std::string();
    const int32_t type = items.FileType(i);
    int32_t row = -1;
    for (size_t r = 0; r < RowKeys.size() && row < 0; ++r) {
      if (byExt ? RowKeys[r].Ext == ext : RowKeys[r].FileType == type) row = static_cast<int32_t>(r);
    }
    if (row < 0) row = byExt ? InitDataRow(0, ext) : InitDataRow(type, "");
    TFileListViewListInfoDataRec& d = RowData[static_cast<size_t>(row)];
    d.Count += 1;
    d.Size += items.Size(i);
    const int32_t audio = items.InfoIndex(i, TFileListViewInfoKind::Audio);
    if (audio >= 0 && static_cast<size_t>(audio) < view.AudioInfos.size()) {
      d.Duration += view.AudioInfos[static_cast<size_t>(audio)].Duration;
    }
    const int32_t video = items.InfoIndex(i, TFileListViewInfoKind::Video);
    if (video >= 0 && static_cast<size_t>(video) < view.VideoInfos.size()) {
      d.Duration += view.VideoInfos[static_cast<size_t>(video)].Duration;
    }
    const int32_t text = items.InfoIndex(i, TFileListViewInfoKind::Text);
    if (text >= 0 && static_cast<size_t>(text) < view.TextInfos.size()) {
      const auto& t = view.TextInfos[static_cast<size_t>(text)];
      d.Lines += t.Lines;
      d.Chars += t.Chars;
      d.Words += t.Words;
    }
  }
  for (const TFileListViewListInfoDataRec& d : RowData) {
    TotalCount += d.Count;
    TotalSize += d.Size;
    TotalDuration += d.Duration;
    TotalLines += d.Lines;
    TotalChars += d.Chars;
    TotalWords += d.Words;
  }
}

TFileListViewListInfoTable TFileListViewListInfoCreator::BuildTable(int32_t listType) {
  const TFileListViewCore& view = *FileListView;
  auto caption = [&view](TFileListViewColumnType type) {
    return view.ExportFormat.ColumnCaptions[static_cast<size_t>(type - 1)].Caption;
  };
  ClearData();
  ListType = listType;
  TFileListViewListInfoTable table;
  table.FirstCaption = caption(listType == kListInfoByExtension ? flvColExt : flvColType);
  PrepareList();
  const bool duration = TotalDuration > 0;
  const bool texts = TotalChars > 0;
  table.Columns.push_back({view.StrRes.StrNumber, 0, 75, TListInfoFormat::Default});
  table.Columns.push_back({caption(flvColSize), 1, 100, TListInfoFormat::FileSize});
  if (duration) {
    table.Columns.push_back({caption(flvColAudioDuration), 2, 100, TListInfoFormat::MsToTime});
    table.WindowWidth += 100;
  }
  if (texts) {
    table.Columns.push_back({caption(flvColTextLineCount), 3, 80, TListInfoFormat::Default});
    table.Columns.push_back({caption(flvColTextCharCount), 4, 80, TListInfoFormat::Default});
    table.Columns.push_back({caption(flvColTextWordCount), 5, 80, TListInfoFormat::Default});
    table.WindowWidth += 240;
  }
  table.Columns.push_back({view.StrRes.StrPercentage, 6, 80, TListInfoFormat::Percent});

  for (size_t r = 0; r < RowData.size(); ++r) {
    const TFileListViewListInfoDataRec& d = RowData[r];
    TFileListViewListInfoRow row;
    row.Caption = listType == kListInfoByExtension ? RowKeys[r].Ext : view.GetFileTypeStr(RowKeys[r].FileType, true);
    row.Values = {d.Count,
                  d.Size,
                  duration ? RoundHalfEven(d.Duration * 1000) : 0,
                  texts ? d.Lines : 0,
                  texts ? d.Chars : 0,
                  texts ? d.Words : 0,
                  TotalCount > 0 ? RoundHalfEven(static_cast<double>(d.Count) / TotalCount * 10000) : 0};
    table.Rows.push_back(std::move(row));
  }
  table.Rows.push_back({view.StrRes.StrTotal,
                        {TotalCount, TotalSize, duration ? RoundHalfEven(TotalDuration * 1000) : 0,
                         texts ? TotalLines : 0, texts ? TotalChars : 0, texts ? TotalWords : 0, 10000}});
  return table;
}

std::string GetPreferredTimeFormatStr(const TFileListViewStore& view) {
  const TFileListViewExportFormatInfo& f = view.ExportFormat;
  const bool audio = view.IsColumnVisible(flvColAudioDuration);
  const bool video = view.IsColumnVisible(flvColVideoDuration);
  if (view.IsColumnVisible(flvColCombinedDuration) || (audio && video)) return f.CombinedDurationFormat;
  if (audio) return f.AudioDurationFormat;
  if (video) return f.VideoDurationFormat;
  return f.CombinedDurationFormat;
}
