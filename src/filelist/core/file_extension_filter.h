// Whether a file may enter a list by its extension and its file type: a
// general list (what the host supports at all), a current list (what the user
// allows now, kept within the general list), a blacklist, and a selection of
// the file types of foundation/file_types.h. Also builds the open and save
// dialogs' filter text from the general list.
//
// List texts: items separated by "," or ";", blanks around the text and the
// items ignored, every "." removed, upper-cased (UTF-8), empty items dropped;
// "*" and "?" are wildcards. A current-list text of more than one character
// that starts with "-" is a blacklist instead.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/hash_table.h"
#include "foundation/types.h"

class TFileExtensionFilterObj {
 public:
  // Hosts pass three empty texts.
  TFileExtensionFilterObj(const std::string& current = "", const std::string& general = "",
                          const std::string& blacklisted = "");
  TFileExtensionFilterObj(const TFileExtensionFilterObj&) = delete;
  TFileExtensionFilterObj& operator=(const TFileExtensionFilterObj&) = delete;

  // No extension list restricts. Hosts may set it.
  bool AllowAllExtensions = true;
  bool AllowAllFileTypes() const { return FAllowAllFileTypes; }
  // AllowAllExtensions and AllowAllFileTypes together.
  bool GetAllowAll() const { return AllowAllExtensions && FAllowAllFileTypes; }
  bool AllowAll() const { return GetAllowAll(); }

  // These flags describe the lists as they were at the last rebuild of the
  // tables; SetCurrentExtensionsFromString changes a list without one.
  bool ContainsGeneralAllowedExtensions() const { return FContainsGeneral; }
  bool ContainsCurrentAllowedExtensions() const { return FContainsCurrent; }
  bool ContainsBlacklistedExtensions() const { return FContainsBlacklisted; }
  bool GeneralHasWildcards() const { return FGeneralHasWildcards; }
  bool CurrentHasWildcards() const { return FCurrentHasWildcards; }
  bool BlacklistHasWildcards() const { return FBlacklistHasWildcards; }

  const TStrArray& CurrentExtensions() const { return FCurrentExtensions; }
  const TStrArray& GeneralExtensions() const { return FGeneralExtensions; }
  const TStrArray& BlacklistedExtensions() const { return FBlacklistedExtensions; }

  // File-type ids joined by "," ("image,audio"), or "all".
  const std::string& FilterFileType() const { return FFilterFileType; }
  void SetFilterFileType(const std::string& value);

  // Replaces all three lists and rebuilds the tables.
  void SetFilter(const std::string& current, const std::string& general, const std::string& blacklisted);
  // Remembers the texts for ResetToInitialFilter, then SetFilter.
  void SetFilterInitial(const std::string& current, const std::string& general, const std::string& blacklisted);
  // The initial lists again; the file-type selection stays.
  void ResetToInitialFilter();
  // Replaces the current list and the blacklist from one text; the general
  // list stays.
  void SetCurrentExtensionsFromCSVString(const std::string& text);
  // Appends the parts of text split at separator to the current list exactly
  // as they are (not trimmed, not upper-cased, not checked) and sets
  // AllowAllExtensions by the current list. Nothing else changes: the tables
  // and flags keep their state, so ExtensionAllowedU sees the new items only
  // after the next rebuild (SetFilter, SetCurrentExtensionsFromCSVString,
  // ApplyFilter, ResetToInitialFilter).
  void SetCurrentExtensionsFromString(const std::string& text, const std::string& separator, bool clearFirst);
  // Takes the three lists of source (through their texts); the file-type
  // selection and the texts stay.
  void ApplyFilter(const TFileExtensionFilterObj& source);

  // The current list joined, or "-" and the blacklist joined when the current
  // list is empty and the blacklist is not, else "".
  std::string GetCurrentExtensionsAsCSVString(const std::string& separator) const;
  std::string GetGeneralExtensionsAsCSVString(const std::string& separator) const;
  std::string GetBlacklistedExtensionsAsCSVString(const std::string& separator) const;

  // Parses a list text and appends its items; with keepOnlyGeneral and a
  // non-empty general list only items that stand (exactly) in it.
  void CSVExtensionStringToStrArray(const std::string& text, TStrArray& list, bool keepOnlyGeneral) const;
  // Rebuilds the hash tables and every flag from the three lists.
  void RefreshExtensionTable();

  // extU: upper-case (UTF-8) and without the dot. generalOnly tests against
  // the general list instead of the current one. Remembers the file-type
  // answer per extension until the selection changes.
  bool ExtensionAllowedU(const std::string& extU, bool generalOnly);

  bool AllGeneralAllowedExtensionsAreCurrentlyAllowed() const;
  // Description and pattern entries separated by "|", one pair per kind of
  // extension in the general list, and "All Files|*.*" while no list
  // restricts.
  std::string GetFilterStringForOpenAndSaveDialogs() const;

  std::string StrAllFiles = "All Files";
  std::string StrDocuments = "Documents";
  std::string StrFiles = "Files";
  std::string StrFonts = "Fonts";
  std::string StrImages = "Images";
  std::string StrVideos = "Videos";
  std::string StrAudioFiles = "Audio Files";
  std::string StrTextFiles = "Text Files";
  std::string StrArchives = "Archives";
  std::string StrOthers = "Others";

 private:
  bool FAllowAllFileTypes = true;
  bool FContainsGeneral = false;
  bool FContainsCurrent = false;
  bool FContainsBlacklisted = false;
  bool FGeneralHasWildcards = false;
  bool FCurrentHasWildcards = false;
  bool FBlacklistHasWildcards = false;
  TStrArray FCurrentExtensions;
  TStrArray FGeneralExtensions;
  TStrArray FBlacklistedExtensions;
  TStrIntHashTable FAllowedTable;
  TStrIntHashTable FGeneralTable;
  TStrIntHashTable FBlacklistTable;
  std::string FInitialCurrent;
  std::string FInitialGeneral;
  std::string FInitialBlacklisted;
  std::string FFilterFileType = "all";
  TIntArray FFileTypes;
  TStrIntHashTable FFileTypeCache;
};
