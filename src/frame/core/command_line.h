// The program's command line: settings files are loaded, existing files and
// folders collected, "key=value" arguments become batch options and the rest
// are passed on as parameters. In batch mode the collected paths and options
// go to a hosted file list view and save-target panel and to the program's
// batch handler; otherwise the files and folders are offered to its open
// handler.
//
// Also the single-instance manager, which on this platform never finds
// another instance.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "foundation/containers_maps.h"
#include "foundation/types.h"

using TProgObjOpenFilesNotification = std::function<void(const TStrArray& AFiles, const TStrArray& AFolders)>;
using TProgObjBatchProcessProc = std::function<void(const TStrArray& AFiles, const TStrArray& AFolders,
                                                    const TStrArray& AParameters, const TKeyValueArrayObj& AKeyValues)>;
using TProgObjNewInstanceProc = std::function<void(const TStrArray& AParams, bool ABatchProcess)>;

// A file list view that a program hosts to receive command-line files in batch mode.
class TBatchFileListView {
 public:
  virtual ~TBatchFileListView() = default;
  virtual void StartBatchMode() = 0;
  virtual void SetShowFileSearchProgressDialog(bool value) = 0;
  virtual void SetShowFileIcons(bool value) = 0;
  virtual int32_t AddFile(const std::string& fileName, bool flag) = 0;
  virtual void AddFilesAndFoldersFromFolder(const std::string& folder) = 0;
  virtual void SetNameFilter(const std::string& filterStr) = 0;
  virtual void SetCurrentExtensionsFromString(const std::string& text, const std::string& separator,
                                              bool clearFirst) = 0;
  virtual void SetFilterFileType(const std::string& text) = 0;
  virtual void SetAddFiles(bool value) = 0;
  virtual void SetAddFolders(bool value) = 0;
  virtual void SetFilterStrIsRegex(bool value) = 0;
  virtual void SetFilterStrMatchCase(bool value) = 0;
  virtual void SetSearchSubDirectories(bool value) = 0;
  virtual void SetAddHiddenFiles(bool value) = 0;
  virtual void SetAddOnlyTextFiles(bool value) = 0;
  virtual void SetSaveBaseDir(bool value) = 0;
};

// A save-target panel that a program hosts to receive the batch save options.
class TBatchSaveSettingsContainer {
 public:
  virtual ~TBatchSaveSettingsContainer() = default;
  virtual void SetValFolder(const std::string& value) = 0;
  virtual void SetValName(const std::string& value) = 0;
  virtual void SetValFormat(const std::string& value) = 0;
  virtual void SetOptKeepDateOfOriginalFile(bool value) = 0;
  virtual void SetOptOpenFileAfterCreating(bool value) = 0;
  virtual void SetOptDeleteOriginalFile(bool value) = 0;
  virtual void SetOptKeepSubDirs(bool value) = 0;
  virtual bool ValsFromFilePath(const std::string& path) = 0;
};

// The batch options with their defaults, in their fixed order.
TKeyValueArrayObj CreateBatchKeyValues();

struct THandleParamsContext {
  std::string SettingsExtension;
  TKeyValueArrayObj BatchKeyValues;
  // Loads a settings file named on the command line; true when it was read.
  std::function<bool(const std::string& fileName)> LoadSettings;
  TBatchFileListView* FileListView = nullptr;
  TBatchSaveSettingsContainer* SaveSettingsContainer = nullptr;
  TProgObjOpenFilesNotification OnOpenFiles;
  TProgObjBatchProcessProc OnBatchProcess;
};

// What the arguments are, in their order.
struct TCommandLineArguments {
  TStrArray Files;
  TStrArray Folders;
  TStrArray Parameters;
  TKeyValueArrayObj Options;  // the defaults with the given options over them
  TKeyValueArrayObj Given;    // the options as given
  bool Loaded = false;        // the last settings file named was read
};

// The first rule that fits decides: a settings file (loaded), an existing
// folder (without trailing "/"), an existing file, "-batch" or "-cl"
// (dropped), "key=value", anything else a parameter.
TCommandLineArguments ClassifyCommandLine(const TStrArray& arguments, const THandleParamsContext& context);

void HandleParams(const TStrArray& arguments, bool batch, const THandleParamsContext& context);

using TNewInstanceParamsProc = std::function<void(const TStrArray& AParams, bool ABatchProcess)>;
using TNewInstanceNotificationProc = std::function<void()>;

// Keeps a program to one instance where the platform allows it; here every
// start is the first instance.
class TInstanceManager {
 public:
  TInstanceManager(const std::string& progID, intptr_t windowHandle);

  TNewInstanceParamsProc OnNewInstanceParams;
  TNewInstanceNotificationProc OnNewInstanceNotification;
  intptr_t HandleOfFirstInstance() const { return FHandleOfFirstInstance; }
  bool SetFirstInstanceToForeground = true;
  bool SendParamsToFistInstanceAutomatically = true;
  bool EnableNewInstanceNotifyProc = false;
  bool DisableNewInstanceNotifyProcForBatchVersion = true;

  // True when another instance exists and has been told; never here.
  bool Execute();
  bool BringWindowToForeground(intptr_t windowHandle);
  void HandleParamsProcInternal(const TStrArray& params, bool batch);
  void HandleNewInstanceProcInternal();
  const std::string& LockNameMain() const { return FLockNameMain; }

 private:
  std::string FLockNameMain;
  std::string FLockNameFirst;
  intptr_t FWindowHandle = 0;
  intptr_t FHandleOfFirstInstance = 0;
};
