// Whether a file may enter a list by its name: the name without its folder
// and without its last extension, tested against a substring, a wildcard
// pattern ("*", "?") or a regular expression, with or without letter case.
// A regular expression must match the whole name from its first character:
// the first match has to cover it all; no anchors are added to the pattern.
//
// Names are compared by their composed Unicode form (nfc_key.h), so that a
// name stored decomposed on disk still matches the name the user typed.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "foundation/types.h"

class TRegex;

class TFileNameFilterObj {
 public:
  // Hosts pass an empty text, isRegex false and matchCase true.
  explicit TFileNameFilterObj(const std::string& filterStr = "", bool isRegex = false, bool matchCase = true);
  ~TFileNameFilterObj();
  TFileNameFilterObj(const TFileNameFilterObj&) = delete;
  TFileNameFilterObj& operator=(const TFileNameFilterObj&) = delete;

  // Plain fields: assigning one changes only that field. The upper-case copy,
  // the expression and AllowAllNames follow only through SetFilter.
  bool AllowAllNames = true;
  std::string FilterStr;
  bool FilterStrIsRegex = false;
  bool FilterStrMatchCase = true;

  // Upper-cased (UTF-8) full paths that are refused while ExcludeFileNames is
  // set; nothing of the program fills them, they are there for hosts.
  TStrArray ExcludedFileNames;
  bool ExcludeFileNames = false;

  // An expression that does not compile turns FilterStrIsRegex off: the same
  // text then works as a substring or wildcard pattern. Nothing is raised.
  void SetFilter(const std::string& filterStr, bool isRegex, bool matchCase);
  void SetFilterInitial(const std::string& filterStr, bool isRegex, bool matchCase);
  // The initial text and regular-expression flag; the match-case flag stays.
  void ResetToInitialFilter();
  // Text and both flags of source; the exclusions do not travel.
  void ApplyFilter(const TFileNameFilterObj& source);
  // Compiles the expression for the current match-case flag; true when it
  // compiled. Failing, the filter has no expression and FilterStrIsRegex is
  // off.
  bool SetRegex(const std::string& expression);

  // fileName: a full path or a bare name, as found on disk.
  bool NameAllowed(std::string_view fileName);

  const std::string& InitialFilterStr() const { return FInitialFilterStr; }
  bool InitialFilterStrIsRegex() const { return FInitialFilterStrIsRegex; }
  bool FilterActive() const { return FFilterActive; }
  bool HasRegex() const { return FRegex != nullptr; }

 private:
  // The composed form of FilterStr, recomputed when the field was assigned.
  const std::string& FilterKey();

  std::string FFilterStrUpper;  // composed and upper-cased at the last SetFilter
  std::string FInitialFilterStr;
  bool FInitialFilterStrIsRegex = false;
  std::unique_ptr<TRegex> FRegex;
  bool FFilterActive = false;
  std::string FFilterKeySource;
  std::string FFilterKey;
};
