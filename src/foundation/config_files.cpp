#include "foundation/config_files.h"

#include <pwd.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "foundation/code_pages.h"
#include "foundation/paths.h"
#include "foundation/str_split.h"
#include "foundation/text_files.h"

namespace {

std::string UserConfigHome() {
  // A relative or empty XDG_CONFIG_HOME is invalid and ignored.
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  std::string h = home && home[0] ? home : "";
  if (h.empty()) {
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) h = pw->pw_dir;
  }
  return h + "/.config";
}

bool WriteConfigFile(const std::string& folder, const std::string& fileName, const std::string& content) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) fs::create_directories(folder, ec);
  if (!fs::is_directory(folder, ec)) return false;
  const std::string path = folder + fileName;
  try {
    if (!SaveString(content, path, cpASCII, false, false)) return false;
  } catch (const EFileError&) {
    return false;
  }
  return fs::exists(path, ec);
}

std::string ReadConfigFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::string();
  return LoadString(path);
}

std::string FindConfigLine(const std::string& text, const std::string& key) {
  const std::string lead = key + "=";
  TStrArray lines;
  ExplodeAtEveryLineBreak(lines, text);
  for (const auto& line : lines)
    if (line.compare(0, lead.size(), lead) == 0) return line.substr(lead.size());
  return std::string();
}

}  // namespace

std::string GetConfigPwqConfigDir(const std::string& programName) {
  std::string base = UserConfigHome();
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  if (base == "/") base.clear();
  return base + "/Pellwick/" + programName + "/";
}

bool SaveConfigToAppConfigDir(const std::string& programName, const std::string& fileName, const std::string& content) {
  if (programName.empty() || fileName.empty()) return false;
  return WriteConfigFile(GetConfigPwqConfigDir(programName), fileName, content);
}

bool SaveConfigToAppDir(const std::string& fileName, const std::string& content) {
  if (fileName.empty()) return false;
  return WriteConfigFile(ApplicationPath(), fileName, content);
}

std::string LoadConfigFromAppConfigDir(const std::string& programName, const std::string& fileName) {
  if (programName.empty() || fileName.empty()) return std::string();
  return ReadConfigFile(GetConfigPwqConfigDir(programName) + fileName);
}

std::string LoadConfigFromAppDir(const std::string& fileName) {
  if (fileName.empty()) return std::string();
  return ReadConfigFile(ApplicationPath() + fileName);
}

std::string LoadConfigLineFromAppConfigDir(const std::string& programName, const std::string& fileName,
                                           const std::string& key) {
  if (key.empty()) return std::string();
  return FindConfigLine(LoadConfigFromAppConfigDir(programName, fileName), key);
}

std::string LoadConfigLineFromAppDir(const std::string& fileName, const std::string& key) {
  if (key.empty()) return std::string();
  return FindConfigLine(LoadConfigFromAppDir(fileName), key);
}

std::string LoadConfigLineFromAppDirOrAppConfigDir(const std::string& programName, const std::string& fileName,
                                                   const std::string& key, bool preferAppDir) {
  std::string value = preferAppDir ? LoadConfigLineFromAppDir(fileName, key)
                                   : LoadConfigLineFromAppConfigDir(programName, fileName, key);
  if (!value.empty()) return value;
  return preferAppDir ? LoadConfigLineFromAppConfigDir(programName, fileName, key)
                      : LoadConfigLineFromAppDir(fileName, key);
}

bool DeleteProgConfig(const std::string& programName) {
  // The system reads a path only up to a zero byte, so a name holding one
  // would reach another program's folder or the maker folder itself.
  if (programName.empty() || programName == "." || programName.find('/') != std::string::npos ||
      programName.find("..") != std::string::npos || programName.find('\0') != std::string::npos)
    return false;
  namespace fs = std::filesystem;
  std::error_code ec;
  // Without the trailing "/", so that a symbolic link in its place is removed
  // itself rather than followed.
  std::string dir = GetConfigPwqConfigDir(programName);
  dir.pop_back();
  const fs::path folder = dir;
  if (!fs::exists(fs::symlink_status(folder, ec))) return true;
  fs::remove_all(folder, ec);
  if (ec) return false;
  return !fs::exists(fs::symlink_status(folder, ec));
}

bool TConfigSaver::SaveToConfigDir(const std::string& fileName, const std::string& programName) const {
  return SaveToFile(GetConfigPwqConfigDir(programName) + fileName);
}

bool TConfigSaver::SaveToAppDir(const std::string& fileName) const { return SaveToFile(ApplicationPath() + fileName); }

bool TConfigSaver::LoadFromConfigDir(const std::string& fileName, const std::string& programName) {
  return LoadFromFile(GetConfigPwqConfigDir(programName) + fileName);
}

bool TConfigSaver::LoadFromAppDir(const std::string& fileName) { return LoadFromFile(ApplicationPath() + fileName); }

bool TConfigSaver::LoadFromAppDirOrConfigDir(const std::string& fileName, const std::string& programName,
                                             bool preferAppDir) {
  if (preferAppDir) return LoadFromAppDir(fileName) || LoadFromConfigDir(fileName, programName);
  return LoadFromConfigDir(fileName, programName) || LoadFromAppDir(fileName);
}
