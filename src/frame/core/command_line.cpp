#include "frame/core/command_line.h"

#include <filesystem>

#include "foundation/paths.h"
#include "foundation/str_transform.h"

namespace {

bool IsFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::string WithoutTrailingDelimiter(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string OptionValue(const TKeyValueArrayObj& options, const std::string& key) {
  return Trim(options.GetValueOrDefaultIfKeyNotExist(key, ""));
}

std::string KeepIfEmpty(const std::string& value) { return value.empty() || value == "keep" ? "<keep>" : value; }

std::string CommasForFilterSeparators(std::string text) {
  for (char& c : text)
    if (c == '-' || c == ';') c = ',';
  return text;
}

}  // namespace

TKeyValueArrayObj CreateBatchKeyValues() {
  TKeyValueArrayObj list;
  list.Add("save", "");
  list.Add("save-folder", "keep");
  list.Add("save-name", "keep");
  list.Add("save-ext", "keep");
  list.Add("save-format", "keep");
  list.Add("search-subdirs", "1");
  list.Add("keep-subdirs", "0");
  list.Add("filter-ext", "");
  list.Add("filter-name", "");
  list.Add("filter-name-matchcase", "0");
  list.Add("filter-name-regex", "0");
  list.Add("filter-hiddenfiles", "0");
  list.Add("filter-onlytextfiles", "0");
  list.Add("openfile", "0");
  list.Add("delfile", "0");
  return list;
}

TCommandLineArguments ClassifyCommandLine(const TStrArray& arguments, const THandleParamsContext& context) {
  TCommandLineArguments result;
  result.Options.Add(context.BatchKeyValues);
  for (const std::string& a : arguments) {
    if (FileHasExtension(a, context.SettingsExtension)) {
      result.Loaded = context.LoadSettings ? context.LoadSettings(a) : false;
    } else if (IsFolderAndExists(a)) {
      result.Folders.push_back(WithoutTrailingDelimiter(a));
    } else if (IsFile(a)) {
      result.Files.push_back(a);
    } else if (a == "-batch" || a == "-cl") {
      // Batch mode itself was decided before the arguments are read.
    } else if (size_t eq = a.find('='); eq != std::string::npos) {
      const std::string key = a.substr(0, eq);
      const std::string value = a.substr(eq + 1);
      result.Options.AddOrUpdate(key, value);
      result.Given.AddOrAppend(key, value);
    } else {
      result.Parameters.push_back(a);
    }
  }
  return result;
}

void HandleParams(const TStrArray& arguments, bool batch, const THandleParamsContext& context) {
  const TCommandLineArguments args = ClassifyCommandLine(arguments, context);
  const TKeyValueArrayObj& options = args.Options;

  if (!batch) {
    if (context.OnOpenFiles && (!args.Files.empty() || !args.Folders.empty()))
      context.OnOpenFiles(args.Files, args.Folders);
    return;
  }

  if (TBatchFileListView* view = context.FileListView) {
    view->SetShowFileSearchProgressDialog(false);
    view->SetShowFileIcons(false);
    for (const std::string& file : args.Files) view->AddFile(file, false);
    if (!args.Folders.empty()) {
      const std::string nameFilter = OptionValue(options, "filter-name");
      const std::string extFilter = CommasForFilterSeparators(OptionValue(options, "filter-ext"));
      const std::string typeFilter = CommasForFilterSeparators(OptionValue(options, "filter-type"));
      const std::string addFiles = OptionValue(options, "add-files");
      const std::string addFolders = OptionValue(options, "add-folders");
      if (!nameFilter.empty()) view->SetNameFilter(nameFilter);
      if (!extFilter.empty()) view->SetCurrentExtensionsFromString(extFilter, ",", true);
      if (!typeFilter.empty()) view->SetFilterFileType(typeFilter);
      if (!addFiles.empty()) view->SetAddFiles(addFiles == "1");
      if (!addFolders.empty()) view->SetAddFolders(addFolders == "1");
      auto is1 = [&](const char* key) { return options.GetValueOrDefaultIfKeyNotExist(key, "") == "1"; };
      view->SetFilterStrIsRegex(is1("filter-name-regex"));
      view->SetFilterStrMatchCase(is1("filter-name-matchcase"));
      view->SetSearchSubDirectories(is1("search-subdirs"));
      view->SetAddHiddenFiles(is1("filter-hiddenfiles"));
      view->SetAddOnlyTextFiles(is1("filter-onlytextfiles"));
      view->SetSaveBaseDir(is1("keep-subdirs"));
      for (const std::string& folder : args.Folders) view->AddFilesAndFoldersFromFolder(folder);
    }
  }

  if (TBatchSaveSettingsContainer* panel = context.SaveSettingsContainer) {
    // Options of a settings file named on the command line are kept unless
    // the command line gives them again.
    auto applies = [&](std::initializer_list<const char*> keys) {
      if (!args.Loaded) return true;
      for (const char* k : keys)
        if (args.Given.ContainsKey(k)) return true;
      return false;
    };
    if (applies({"save-folder"})) panel->SetValFolder(KeepIfEmpty(OptionValue(options, "save-folder")));
    if (applies({"save-name"})) panel->SetValName(KeepIfEmpty(OptionValue(options, "save-name")));
    if (applies({"save-ext", "save-format"})) {
      const std::string ext = KeepIfEmpty(OptionValue(options, "save-ext"));
      std::string format = KeepIfEmpty(OptionValue(options, "save-format"));
      if (format == "<keep>") format = ext;
      panel->SetValFormat(format);
    }
    if (applies({"date"}))
      panel->SetOptKeepDateOfOriginalFile(options.GetValueOrDefaultIfKeyNotExist("date", "auto") == "keep");
    if (applies({"openfile"}))
      panel->SetOptOpenFileAfterCreating(options.GetValueOrDefaultIfKeyNotExist("openfile", "") == "1");
    if (applies({"delfile"}))
      panel->SetOptDeleteOriginalFile(options.GetValueOrDefaultIfKeyNotExist("delfile", "") == "1");
    if (applies({"keep-subdirs"}))
      panel->SetOptKeepSubDirs(options.GetValueOrDefaultIfKeyNotExist("keep-subdirs", "") == "1");
    if (applies({"save"})) {
      const std::string save = OptionValue(options, "save");
      if (!save.empty()) panel->ValsFromFilePath(save);
    }
  }

  if (context.OnBatchProcess &&
      (!args.Files.empty() || !args.Folders.empty() || !args.Parameters.empty() || options.Count() > 0)) {
    try {
      context.OnBatchProcess(args.Files, args.Folders, args.Parameters, options);
    } catch (...) {
      // A failing batch job must not take the start-up with it.
    }
  }
}

TInstanceManager::TInstanceManager(const std::string& progID, intptr_t windowHandle) : FWindowHandle(windowHandle) {
  std::string id;
  for (char c : progID)
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))
      id += c;
    else if (c >= 'a' && c <= 'z')
      id += static_cast<char>(c - 'a' + 'A');
  // The suffix keeps the lock names apart from other programs' names.
  const std::string suffix = "SyllabrixSingleInst";
  FLockNameMain = "Pwq" + id + "M" + suffix;
  FLockNameFirst = "Pwq" + id + "F" + suffix;
}

bool TInstanceManager::Execute() { return false; }

bool TInstanceManager::BringWindowToForeground(intptr_t) { return false; }

void TInstanceManager::HandleParamsProcInternal(const TStrArray& params, bool batch) {
  if (OnNewInstanceParams) OnNewInstanceParams(params, batch);
}

void TInstanceManager::HandleNewInstanceProcInternal() {
  if (OnNewInstanceNotification) OnNewInstanceNotification();
}
