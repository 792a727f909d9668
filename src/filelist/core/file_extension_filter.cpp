#include "filelist/core/file_extension_filter.h"

#include <algorithm>
#include <unordered_set>

#include "filelist/core/file_extension_types.h"
#include "foundation/file_types.h"
#include "foundation/letter_case.h"
#include "foundation/str_arrays.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"

namespace {

constexpr uint32_t kTableBuckets = 117;

bool HoldsWildcard(const TStrArray& list) {
  return std::any_of(list.begin(), list.end(),
                     [](const std::string& s) { return s.find_first_of("*?") != std::string::npos; });
}

bool IsBlacklistText(const std::string& text) { return text.size() > 1 && text[0] == '-'; }

void Fill(TStrIntHashTable& table, const TStrArray& list) {
  for (const std::string& item : list) table.AddOrUpdate(item, 1);
}

}  // namespace

TFileExtensionFilterObj::TFileExtensionFilterObj(const std::string& current, const std::string& general,
                                                 const std::string& blacklisted)
    : FAllowedTable(kTableBuckets),
      FGeneralTable(kTableBuckets),
      FBlacklistTable(kTableBuckets),
      FFileTypeCache(kTableBuckets) {
  SetFilterInitial(current, general, blacklisted);
}

void TFileExtensionFilterObj::SetFilterFileType(const std::string& value) {
  if (value == FFilterFileType) return;
  FFilterFileType = value;
  FAllowAllFileTypes = value == "all";
  FFileTypes.clear();
  FFileTypeCache.Clear();
  if (!FAllowAllFileTypes) FFileTypes = StringIDsToFileTypeArr(value, ',');
}

void TFileExtensionFilterObj::SetFilter(const std::string& current, const std::string& general,
                                        const std::string& blacklisted) {
  FCurrentExtensions.clear();
  FGeneralExtensions.clear();
  FBlacklistedExtensions.clear();
  std::string currentText = current;
  std::string blacklistText = blacklisted;
  if (IsBlacklistText(currentText)) {
    blacklistText = currentText.substr(1);
    currentText.clear();
  }
  CSVExtensionStringToStrArray(general, FGeneralExtensions, false);
  CSVExtensionStringToStrArray(currentText, FCurrentExtensions, true);
  CSVExtensionStringToStrArray(blacklistText, FBlacklistedExtensions, false);
  RefreshExtensionTable();
}

void TFileExtensionFilterObj::SetFilterInitial(const std::string& current, const std::string& general,
                                               const std::string& blacklisted) {
  FInitialCurrent = current;
  FInitialGeneral = general;
  FInitialBlacklisted = blacklisted;
  SetFilter(current, general, blacklisted);
}

void TFileExtensionFilterObj::ResetToInitialFilter() {
  SetFilter(FInitialCurrent, FInitialGeneral, FInitialBlacklisted);
}

void TFileExtensionFilterObj::SetCurrentExtensionsFromCSVString(const std::string& text) {
  FCurrentExtensions.clear();
  FBlacklistedExtensions.clear();
  if (IsBlacklistText(text))
    CSVExtensionStringToStrArray(text.substr(1), FBlacklistedExtensions, false);
  else
    CSVExtensionStringToStrArray(text, FCurrentExtensions, true);
  RefreshExtensionTable();
}

void TFileExtensionFilterObj::SetCurrentExtensionsFromString(const std::string& text, const std::string& separator,
                                                             bool clearFirst) {
  if (clearFirst) FCurrentExtensions.clear();
  Explode(FCurrentExtensions, separator, text);
  AllowAllExtensions = FCurrentExtensions.empty();
}

void TFileExtensionFilterObj::ApplyFilter(const TFileExtensionFilterObj& source) {
  // The texts are taken before anything changes, so a filter may apply itself.
  const std::string current = source.GetCurrentExtensionsAsCSVString(",");
  const std::string general = source.GetGeneralExtensionsAsCSVString(",");
  const std::string blacklisted = source.GetBlacklistedExtensionsAsCSVString(",");
  SetFilter(current, general, blacklisted);
}

std::string TFileExtensionFilterObj::GetCurrentExtensionsAsCSVString(const std::string& separator) const {
  if (!FCurrentExtensions.empty()) {
    std::string text = Implode(FCurrentExtensions, separator);
    // A white list whose first item begins with "-" would read back as a black list: a leading
    // empty item keeps its meaning (empty items are dropped when the text is read).
    if (IsBlacklistText(text)) text.insert(0, ",");
    return text;
  }
  if (!FBlacklistedExtensions.empty()) return "-" + Implode(FBlacklistedExtensions, separator);
  return "";
}

std::string TFileExtensionFilterObj::GetGeneralExtensionsAsCSVString(const std::string& separator) const {
  return Implode(FGeneralExtensions, separator);
}

std::string TFileExtensionFilterObj::GetBlacklistedExtensionsAsCSVString(const std::string& separator) const {
  return Implode(FBlacklistedExtensions, separator);
}

void TFileExtensionFilterObj::CSVExtensionStringToStrArray(const std::string& text, TStrArray& list,
                                                           bool keepOnlyGeneral) const {
  const std::string whole = Trim(text);
  if (whole.empty()) return;
  const bool restrict = keepOnlyGeneral && !FGeneralExtensions.empty();
  std::unordered_set<std::string> general;
  if (restrict) general.insert(FGeneralExtensions.begin(), FGeneralExtensions.end());
  TStrArray parts;
  ExplodeAtMultipleChars(parts, CharSet(",;"), whole);
  for (const std::string& part : parts) {
    std::string item = Trim(part);
    item.erase(std::remove(item.begin(), item.end(), '.'), item.end());
    if (item.empty()) continue;
    item = UTF8UpperCase(item);
    if (restrict && general.count(item) == 0) continue;
    list.push_back(std::move(item));
  }
}

void TFileExtensionFilterObj::RefreshExtensionTable() {
  FAllowedTable.Clear();
  FGeneralTable.Clear();
  FBlacklistTable.Clear();
  Fill(FAllowedTable, FCurrentExtensions.empty() ? FGeneralExtensions : FCurrentExtensions);
  Fill(FGeneralTable, FGeneralExtensions);
  Fill(FBlacklistTable, FBlacklistedExtensions);
  AllowAllExtensions = FCurrentExtensions.empty() && FGeneralExtensions.empty() && FBlacklistedExtensions.empty();
  FContainsGeneral = !FGeneralExtensions.empty();
  FContainsCurrent = !FCurrentExtensions.empty();
  FContainsBlacklisted = !FBlacklistedExtensions.empty();
  FGeneralHasWildcards = HoldsWildcard(FGeneralExtensions);
  FCurrentHasWildcards = HoldsWildcard(FCurrentExtensions);
  FBlacklistHasWildcards = HoldsWildcard(FBlacklistedExtensions);
}

bool TFileExtensionFilterObj::ExtensionAllowedU(const std::string& extU, bool generalOnly) {
  bool allowed = true;
  // The list tests go by the flags of the last rebuild, not by the lists
  // themselves: raw appends take effect only once the tables are rebuilt.
  if (!AllowAllExtensions) {
    if (FContainsCurrent || FContainsGeneral) {
      if (!generalOnly) {
        allowed = FAllowedTable.ContainsKey(extU);
        // Only the current list's patterns, even when the table holds the
        // general list.
        if (!allowed && FCurrentHasWildcards) allowed = InStrArrayWildcard(FCurrentExtensions, extU, false, true) >= 0;
      } else if (!FContainsGeneral) {
        allowed = true;
      } else {
        allowed = FGeneralTable.ContainsKey(extU) ||
                  (FGeneralHasWildcards && InStrArrayWildcard(FGeneralExtensions, extU, false, true) >= 0);
      }
    }
    if (allowed && FContainsBlacklisted)
      allowed = !FBlacklistTable.ContainsKey(extU) &&
                !(FBlacklistHasWildcards && InStrArrayWildcard(FBlacklistedExtensions, extU, false, true) >= 0);
  }
  if (allowed && !FAllowAllFileTypes) {
    int32_t cached = 0;
    if (FFileTypeCache.GetValueIfKeyExists(extU, cached)) return cached == 1;
    const int32_t type = GetFileTypeFromFileExtension(extU);
    allowed = std::find(FFileTypes.begin(), FFileTypes.end(), type) != FFileTypes.end();
    FFileTypeCache.AddOrUpdate(extU, allowed ? 1 : 0);
  }
  return allowed;
}

bool TFileExtensionFilterObj::AllGeneralAllowedExtensionsAreCurrentlyAllowed() const {
  if (!FContainsGeneral) return true;
  if (FCurrentExtensions.size() != FGeneralExtensions.size()) return false;
  return std::all_of(FCurrentExtensions.begin(), FCurrentExtensions.end(),
                     [this](const std::string& ext) { return InStrArray(FGeneralExtensions, ext) >= 0; });
}

std::string TFileExtensionFilterObj::GetFilterStringForOpenAndSaveDialogs() const {
  TStrArray lines;
  for (const TFileExtensionFileTypeRec& group : GetFileExtensionsByType(FGeneralExtensions)) {
    const std::string* description = &StrFiles;
    switch (group.FileExtensionType) {
      case fetText: description = &StrTextFiles; break;
      case fetImage: description = &StrImages; break;
      case fetAudio: description = &StrAudioFiles; break;
      case fetVideo: description = &StrVideos; break;
      case fetDocument: description = &StrDocuments; break;
      case fetFont: description = &StrFonts; break;
      // Web pages have no text of their own; they are plain files here.
      case fetWebsite:
      case fetOther: description = &StrFiles; break;
    }
    lines.push_back(GetFileExtensionFilterStringLine(*description, group.Extensions));
  }
  if (AllowAllExtensions) lines.push_back(StrAllFiles + "|*.*");
  return Implode(lines, "|");
}
