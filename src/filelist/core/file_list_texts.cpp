// The view's English texts, status texts, column captions of the display
// options and its date format.
#include <cctype>

#include "filelist/core/file_list_view_store.h"
#include "foundation/file_types.h"

namespace {

// The first occurrence of from becomes to, unless the text holds to already.
void WidenFirst(std::string& text, const std::string& from, const std::string& to) {
  if (text.find(to) != std::string::npos) return;
  const size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
}

}  // namespace

std::string FileListViewDateFormat(const std::string& shortDateFormat, const std::string& longTimeFormat) {
  std::string format = shortDateFormat + " " + longTimeFormat;
  for (char& c : format) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  WidenFirst(format, "d", "dd");
  WidenFirst(format, "m", "mm");
  WidenFirst(format, "yy", "yyyy");
  WidenFirst(format, "y", "yyyy");
  return format;
}

std::string LocalePatternToDateFormat(const std::string& pattern, bool isTime) {
  std::string out;
  bool quoted = false;
  for (char c : pattern) {
    if (c == '\'') {
      quoted = !quoted;
      continue;
    }
    const bool letter = std::isalpha(static_cast<unsigned char>(c)) != 0;
    if (quoted) {
      // Letters in literal text would read as fields.
      if (!letter) out += c;
      continue;
    }
    if (!letter) {
      out += c;
    } else if (!isTime && (c == 'd' || c == 'y')) {
      out += c;
    } else if (!isTime && c == 'M') {
      out += 'm';
    } else if (isTime && (c == 'h' || c == 'H')) {
      out += 'h';
    } else if (isTime && c == 'm') {
      out += 'n';
    } else if (isTime && c == 's') {
      out += 's';
    }
  }
  // Separators left behind by a dropped field ("h:mm:ss AP").
  auto isField = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  while (!out.empty() && !isField(out.back())) out.pop_back();
  while (!out.empty() && !isField(out.front())) out.erase(out.begin());
  return out;
}

void TFileListViewStore::FillEnglishTexts() {
  StrRes = TFileListViewStrRes();
  StrRes.StrFileTypeNames.clear();
  StrRes.StrFileTypeNamesPlural.clear();
  for (int32_t type = 0; type < kFileTypeCount; ++type) {
    StrRes.StrFileTypeNames.push_back(FileTypeToStringEN(type, false));
    StrRes.StrFileTypeNamesPlural.push_back(FileTypeToStringEN(type, true));
  }
  StatusTexts = {"New",
                 "Changed",
                 "Not Changed",
                 "Processed",
                 "Error",
                 "Error - File not found",
                 "Error - Invalid Filename",
                 "Error - File already exists",
                 "Error - Loading Failed",
                 "Error - Processing Failed",
                 "Error - Saving Failed"};
  ExportFormat = TFileListViewExportFormatInfo();
  for (int32_t type = flvColName; type < flvColMax; ++type) {
    const auto t = static_cast<TFileListViewColumnType>(type);
    ExportFormat.ColumnCaptions[static_cast<size_t>(type - 1)].Caption =
        t == flvColAttributeReadOnly ? "Locked" : FLVColumnTypeInfo(t).Caption;
  }
}

std::string TFileListViewStore::GetFileTypeStr(int32_t AFileType, bool APlural) const {
  const TStrArray& names = APlural ? StrRes.StrFileTypeNamesPlural : StrRes.StrFileTypeNames;
  if (AFileType < 0 || static_cast<size_t>(AFileType) >= names.size()) return std::string();
  return names[static_cast<size_t>(AFileType)];
}

std::string TFileListViewStore::GetFileStatusAsString(int32_t AStatus) const {
  if (AStatus < 0 || static_cast<size_t>(AStatus) >= StatusTexts.size()) return "?";
  return StatusTexts[static_cast<size_t>(AStatus)];
}
