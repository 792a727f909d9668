#include "filelist/core/file_name_filter.h"

#include "filelist/core/nfc_key.h"
#include "foundation/letter_case.h"
#include "foundation/regex.h"
#include "foundation/str_arrays.h"
#include "foundation/wildcard.h"

namespace {

// Only "/" separates folders here: a backslash is an ordinary character of a
// file name on this platform.
std::string_view NameWithoutFolderAndExt(std::string_view fileName) {
  const size_t slash = fileName.rfind('/');
  std::string_view name = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? name : name.substr(0, dot);
}

}  // namespace

TFileNameFilterObj::TFileNameFilterObj(const std::string& filterStr, bool isRegex, bool matchCase) {
  SetFilterInitial(filterStr, isRegex, matchCase);
}

TFileNameFilterObj::~TFileNameFilterObj() = default;

void TFileNameFilterObj::SetFilter(const std::string& filterStr, bool isRegex, bool matchCase) {
  if (filterStr.empty()) {
    AllowAllNames = ExcludedFileNames.empty();
    FilterStr.clear();
    FFilterStrUpper.clear();
  } else {
    AllowAllNames = false;
    FilterStr = filterStr;
    FFilterStrUpper = UTF8UpperCase(FilterKey());
  }
  FilterStrIsRegex = isRegex;
  FilterStrMatchCase = matchCase;
  FFilterActive = !FilterStr.empty();
  if (FilterStrIsRegex && !FilterStr.empty())
    SetRegex(FilterStr);
  else
    FRegex.reset();
}

void TFileNameFilterObj::SetFilterInitial(const std::string& filterStr, bool isRegex, bool matchCase) {
  SetFilter(filterStr, isRegex, matchCase);
  FInitialFilterStr = filterStr;
  FInitialFilterStrIsRegex = isRegex;
}

void TFileNameFilterObj::ResetToInitialFilter() {
  SetFilter(FInitialFilterStr, FInitialFilterStrIsRegex, FilterStrMatchCase);
}

void TFileNameFilterObj::ApplyFilter(const TFileNameFilterObj& source) {
  // Copies first, so that a filter may apply itself.
  const std::string text = source.FilterStr;
  SetFilter(text, source.FilterStrIsRegex, source.FilterStrMatchCase);
}

bool TFileNameFilterObj::SetRegex(const std::string& expression) {
  FRegex.reset();
  if (expression.empty()) return false;
  auto regex = std::make_unique<TRegex>(expression, !FilterStrMatchCase, TRegexPath::Unicode);
  if (!regex->OK()) {
    FilterStrIsRegex = false;
    return false;
  }
  FRegex = std::move(regex);
  return true;
}

const std::string& TFileNameFilterObj::FilterKey() {
  if (FilterStr != FFilterKeySource) {
    FFilterKeySource = FilterStr;
    FFilterKey = NFCKey(FilterStr);
  }
  return FFilterKey;
}

bool TFileNameFilterObj::NameAllowed(std::string_view fileName) {
  if (AllowAllNames) return true;
  bool allowed = true;
  if (FFilterActive) {
    const std::string name = NFCKey(NameWithoutFolderAndExt(fileName));
    if (FilterStrIsRegex && FRegex) {
      allowed = FRegex->Matches(FilterStrMatchCase ? name : UTF8UpperCase(name));
    } else if (FilterStr.find_first_of("*?") != std::string::npos) {
      allowed = FilterStrMatchCase ? MatchesWildcard(name, FilterKey(), true)
                                   : MatchesWildcard(UTF8UpperCase(name), FFilterStrUpper, true);
    } else {
      allowed = FilterStrMatchCase ? name.find(FilterKey()) != std::string::npos
                                   : UTF8UpperCase(name).find(FFilterStrUpper) != std::string::npos;
    }
  }
  if (allowed && ExcludeFileNames) allowed = InStrArray(ExcludedFileNames, UTF8UpperCase(fileName)) < 0;
  return allowed;
}
