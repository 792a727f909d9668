// Where a program keeps its configuration, and the small key=value files and
// settings documents it keeps there or next to the application.
//
// The per-user folder of program N is $XDG_CONFIG_HOME/Pellwick/N/ (or
// ~/.config/Pellwick/N/ when that variable is unset or not an absolute path).
// Small configuration files are written as plain ASCII (every character that
// ASCII cannot hold becomes "?") without byte-order mark and read with
// code-page detection.
#pragma once

#include <array>
#include <string>

#include "foundation/doc_ini.h"
#include "foundation/types.h"

// The folder with a trailing "/"; it is not created.
std::string GetConfigPwqConfigDir(const std::string& programName);

// False when a name is empty or the file could not be written.
bool SaveConfigToAppConfigDir(const std::string& programName, const std::string& fileName, const std::string& content);
bool SaveConfigToAppDir(const std::string& fileName, const std::string& content);
// The file's text, or "" when a name is empty or the file does not exist.
std::string LoadConfigFromAppConfigDir(const std::string& programName, const std::string& fileName);
std::string LoadConfigFromAppDir(const std::string& fileName);
// The text after the first "=" of the first line that starts with key + "="
// (exact case, nothing trimmed); "" when there is none.
std::string LoadConfigLineFromAppConfigDir(const std::string& programName, const std::string& fileName,
                                           const std::string& key);
std::string LoadConfigLineFromAppDir(const std::string& fileName, const std::string& key);
// The first non-empty answer of the two folders, the preferred one first.
std::string LoadConfigLineFromAppDirOrAppConfigDir(const std::string& programName, const std::string& fileName,
                                                   const std::string& key, bool preferAppDir);
// Deletes the program's configuration folder with everything in it. True when
// it is gone (or never existed). A program name that is empty, ".", or holds
// "/", ".." or a zero byte is refused with false: it could reach the maker
// folder or anything outside it.
bool DeleteProgConfig(const std::string& programName);

// A settings document that is saved to and loaded from the per-user
// configuration folder or the application folder.
class TConfigSaver : public TDocINI {
 public:
  TConfigSaver() { Switches.fill(true); }

  bool SaveToConfigDir(const std::string& fileName, const std::string& programName) const;
  bool SaveToAppDir(const std::string& fileName) const;
  bool LoadFromConfigDir(const std::string& fileName, const std::string& programName);
  bool LoadFromAppDir(const std::string& fileName);
  // The preferred folder first, the other when that load fails.
  bool LoadFromAppDirOrConfigDir(const std::string& fileName, const std::string& programName, bool preferAppDir);

  // Free for the program's own use while a settings file is handled; the
  // document itself never reads them.
  TStrArray Texts;
  std::array<bool, 12> Switches{};
};
