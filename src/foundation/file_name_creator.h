// The settings from which an output file name is made out of an input file
// name: the old name in parts, the new folder, name pattern and extension, a
// running number and the rules for sub-folders and disallowed characters.
// Turning them into a target path is the job of the component that holds them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TFileNameCreatorObj {
 public:
  TFileNameCreatorObj();

  // Empties every name and folder, sets FileNumber and FileCount to 1 and
  // KeepSubDirs to false; the character and extension options keep their values.
  void Reset();

  const std::string& FileNameOld() const { return FFileNameOld; }
  // Stores the name and splits it into folder, name and extension.
  void SetFileNameOld(const std::string& fileName);
  const std::string& FolderOld() const { return FFolderOld; }
  const std::string& NameOld() const { return FNameOld; }
  const std::string& ExtensionOld() const { return FExtensionOld; }

  // These three trim blanks and control characters from both ends and change
  // nothing else (an extension keeps its period and its case).
  const std::string& FolderNew() const { return FFolderNew; }
  void SetFolderNew(std::string_view value);
  const std::string& NameNew() const { return FNameNew; }
  void SetNameNew(std::string_view value);
  const std::string& ExtensionNew() const { return FExtensionNew; }
  void SetExtensionNew(std::string_view value);

  // Kept with a trailing path delimiter ("/" alone for an empty folder).
  const std::string& KeepSubDirsBaseDir() const { return FKeepSubDirsBaseDir; }
  void SetKeepSubDirsBaseDir(const std::string& folder);

  int32_t FileNumber = 1;
  int32_t FileCount = 1;
  bool ExtensionAlwaysLowerCase = true;
  bool KeepSubDirs = false;
  bool RemoveDisallowedChars = true;
  std::string DisallowedCharReplacement = "_";

 private:
  std::string FFileNameOld;
  std::string FFolderOld;
  std::string FNameOld;
  std::string FExtensionOld;
  std::string FFolderNew;
  std::string FNameNew;
  std::string FExtensionNew;
  std::string FKeepSubDirsBaseDir;
};

// Rewrites the placeholder that stands for keeping the old value ("<keep>",
// "<beibehalten>", "<preservar>", "<conserver>") into the form of language, a
// user-interface language constant (1 German, 4 Spanish, 6 French; every other
// value uses "<keep>"), so that a pattern typed in one language keeps working
// in another. Exact and case-sensitive.
std::string FileNameChangeCustomPlaceholdersToLanguage(std::string_view text, int32_t language);
