// The file list's list files and its stored settings on arbitrary bytes: a
// list names only existing files; a settings section leaves every shown
// column customizable and listed once.
#include <sys/stat.h>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "filelist/core/file_list_settings.h"
#include "filelist/core/file_list_view_store.h"

namespace {

void CheckListText(const std::string& bytes) {
  TStrArray files;
  ReadFileListText(bytes, files);
  for (const std::string& f : files) {
    struct stat st {};
    if (f.empty() || ::stat(f.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) std::abort();
  }
}

void CheckSettings(const std::string& text) {
  TConfigSaver settings;
  settings.LoadFromString(text);
  TFileListViewStore view;
  view.AllowColumnCustomization = true;
  view.ShowFilterFileType = true;
  view.ShowFilterOptOnlyTextFiles = true;
  int32_t order = 0;
  for (TFileListViewColumnType type : {flvColName, flvColSize, flvColDate, flvColAudioArtist, flvColCustomStr}) {
    TFileListViewColumnInfo& c = view.ColumnInfos[static_cast<size_t>(view.GetColumnInfoIndex(type, 0, true))];
    c.Customizable = true;
    c.OrderInitial = order++;
  }
  TFileListViewColumnVisInfoArray initial;
  view.GetColumnCustomizableVisInfoInitial(initial);
  view.SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(initial, true, true);
  std::string lastDir;
  FileListViewSettingsLoad(view, lastDir, settings, "s", true, true);
  std::vector<bool> seen(view.ColumnInfos.size(), false);
  for (int32_t d : view.ColumnsCustomizable()) {
    if (d < 0 || static_cast<size_t>(d) >= seen.size() || seen[static_cast<size_t>(d)] ||
        !view.ColumnInfos[static_cast<size_t>(d)].Customizable)
      std::abort();
    seen[static_cast<size_t>(d)] = true;
  }
  for (int32_t d : view.ColumnsVisible()) {
    if (d < 0 || static_cast<size_t>(d) >= seen.size() || !seen[static_cast<size_t>(d)]) std::abort();
  }
  // What was loaded saves and loads again to the same columns.
  TConfigSaver again;
  FileListViewSettingsSave(view, lastDir, again, true, "s", false);
  TFileListViewStore other;
  other.AllowColumnCustomization = true;
  for (const TFileListViewColumnInfo& c : view.ColumnInfos) {
    TFileListViewColumnInfo& o =
        other.ColumnInfos[static_cast<size_t>(other.GetColumnInfoIndex(c.ColumnType, c.CustomIndex, true))];
    o.Customizable = c.Customizable;
    o.OrderInitial = c.OrderInitial;
  }
  other.GetColumnCustomizableVisInfoInitial(initial);
  other.SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(initial, true, true);
  FileListViewSettingsLoad(other, lastDir, again, "s", true, false);
  if (other.ColumnsVisible().size() != view.ColumnsVisible().size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] & 1) {
    CheckSettings(bytes);
  } else {
    CheckListText(bytes);
  }
  return 0;
}
