// The save-target panel without its widgets: where and how an output file is
// written (folder, name pattern, format and five options), what the user's
// changes do to those values, the preset lists of the storage profiles and
// the panel's section of a settings document.
//
// The GUI panel derives from this class and overrides the virtual steps that
// touch widgets. Everything runs on the GUI thread.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "foundation/dates.h"
#include "foundation/doc_ini.h"
#include "foundation/file_name_creator.h"
#include "foundation/types.h"

// The preset lists in force. The odd ones (…FromFile) derive the output from
// an existing file, the even ones from 2 on (…New) create new files.
enum TSaveSettingsContainerStorageProfile : int32_t {
  spCustom,
  spImgDefFromFile,
  spImgDefNew,
  spImgAllFromFile,
  spImgAllNew,
  spTextDefFromFile,
  spTextDefNew,
  spTextAndImgDefFromFile,
  spTextAndImgDefNew,
  spTextImgSpreadsheetDefFromFile,
  spTextImgSpreadsheetDefNew,
  spTextDocImgSpreadsheetDefFromFile,
  spTextDocImgSpreadsheetDefNew,
};
inline constexpr int32_t kSaveTargetProfileCount = 13;

// The panel's three lists.
enum TSaveTargetList : int32_t { stlFolder, stlName, stlFormat };
inline constexpr int32_t kSaveTargetListCount = 3;

// The five options, in the order their keys stand in a settings section.
enum TSaveTargetOption : int32_t {
  stoOverwriteFile,
  stoDeleteOriginalFile,
  stoOpenFileAfterCreating,
  stoSaveOnlyInCaseOfChange,
  stoKeepDateOfOriginalFile,
};
inline constexpr int32_t kSaveTargetOptionCount = 5;

// The settings key of an option.
const char* SaveTargetOptionKey(TSaveTargetOption option);

// The value that keeps the source file's folder, name or extension.
inline constexpr const char* kSaveTargetKeep = "<keep>";
// How many entries a list shows when dropped down.
inline constexpr int32_t kSaveTargetDropDownCount = 16;
inline constexpr int32_t kSaveTargetImageDropDownCount = 25;

// One list as a profile fills it; ItemIndex -1 selects nothing.
struct TSaveTargetListFill {
  TStrArray Items;
  int32_t ItemIndex = -1;
};

// What a storage profile puts into the lists.
struct TSaveTargetProfileLists {
  std::array<TSaveTargetListFill, kSaveTargetListCount> Lists;
  bool AllowCustomFormat = true;
  int32_t FormatDropDownCount = kSaveTargetDropDownCount;
};

// The lists of a profile other than spCustom (which changes no list).
TSaveTargetProfileLists SaveTargetProfileLists(TSaveSettingsContainerStorageProfile profile);

class TSaveSettingsContainerModel;
using TSaveTargetChangeNotification = std::function<void(TSaveSettingsContainerModel* Sender)>;

class TSaveSettingsContainerModel {
 public:
  TSaveSettingsContainerModel() = default;
  virtual ~TSaveSettingsContainerModel() = default;
  TSaveSettingsContainerModel(const TSaveSettingsContainerModel&) = delete;
  TSaveSettingsContainerModel& operator=(const TSaveSettingsContainerModel&) = delete;

  // --- Values -----------------------------------------------------------------
  const std::string& ValFolder() const { return FVal[stlFolder]; }
  const std::string& ValName() const { return FVal[stlName]; }
  const std::string& ValFormat() const { return FVal[stlFormat]; }
  // A different text is stored and shown in its list; the same text does nothing.
  virtual void SetValFolder(const std::string& text) { SetVal(stlFolder, text); }
  virtual void SetValName(const std::string& text) { SetVal(stlName, text); }
  virtual void SetValFormat(const std::string& text) { SetVal(stlFormat, text); }
  const std::string& Val(TSaveTargetList list) const { return FVal[list]; }

  bool OptOverwriteFile() const { return Opt(stoOverwriteFile); }
  bool OptDeleteOriginalFile() const { return Opt(stoDeleteOriginalFile); }
  bool OptOpenFileAfterCreating() const { return Opt(stoOpenFileAfterCreating); }
  bool OptSaveOnlyInCaseOfChange() const { return Opt(stoSaveOnlyInCaseOfChange); }
  bool OptKeepDateOfOriginalFile() const { return Opt(stoKeepDateOfOriginalFile); }
  // A different flag is stored and shown by its radio button or check box.
  virtual void SetOptOverwriteFile(bool flag) { SetOpt(stoOverwriteFile, flag); }
  virtual void SetOptDeleteOriginalFile(bool flag) { SetOpt(stoDeleteOriginalFile, flag); }
  virtual void SetOptOpenFileAfterCreating(bool flag) { SetOpt(stoOpenFileAfterCreating, flag); }
  virtual void SetOptSaveOnlyInCaseOfChange(bool flag) { SetOpt(stoSaveOnlyInCaseOfChange, flag); }
  virtual void SetOptKeepDateOfOriginalFile(bool flag) { SetOpt(stoKeepDateOfOriginalFile, flag); }
  bool Opt(TSaveTargetOption option) const { return FOpt[option]; }

  // Which options have a control; a hidden option is neither saved, loaded nor reset.
  bool ShowOverwriteFile() const { return Show(stoOverwriteFile); }
  bool ShowDeleteOriginalFile() const { return Show(stoDeleteOriginalFile); }
  bool ShowOpenFileAfterCreating() const { return Show(stoOpenFileAfterCreating); }
  bool ShowSaveOnlyInCaseOfChange() const { return Show(stoSaveOnlyInCaseOfChange); }
  bool ShowKeepDateOfOriginalFile() const { return Show(stoKeepDateOfOriginalFile); }
  void SetShowOverwriteFile(bool flag) { SetShow(stoOverwriteFile, flag); }
  void SetShowDeleteOriginalFile(bool flag) { SetShow(stoDeleteOriginalFile, flag); }
  void SetShowOpenFileAfterCreating(bool flag) { SetShow(stoOpenFileAfterCreating, flag); }
  void SetShowSaveOnlyInCaseOfChange(bool flag) { SetShow(stoSaveOnlyInCaseOfChange, flag); }
  void SetShowKeepDateOfOriginalFile(bool flag) { SetShow(stoKeepDateOfOriginalFile, flag); }
  bool Show(TSaveTargetOption option) const { return FShow[option]; }

  // The defaults that a reset, a load with defaults and a save without defaults use.
  bool DefaultOptOverwriteFile = false;
  bool DefaultOptDeleteOriginalFile = false;
  bool DefaultOptOpenFileAfterCreating = false;
  bool DefaultOptSaveOnlyInCaseOfChange = false;
  bool DefaultOptKeepDateOfOriginalFile = false;
  bool DefaultOpt(TSaveTargetOption option) const;

  // Kept for the code that writes the files; the panel has no control for them.
  bool OptKeepSubDirs = false;
  std::string FileInfoBaseDir;
  int32_t FileInfoFileNumber = 1;
  int32_t FileInfoFileCount = 1;
  bool ShowOldFileNamePlaceholders = true;
  bool CreateFolderIfNotExists = true;
  bool RemoveDisallowedChars = true;
  std::string RemovedDisallowedCharReplacement = "_";

  // Gaps of the layout, in logical pixels.
  int32_t VerticalControlDistanceSmall = 3;
  int32_t VerticalControlDistanceLarge = 8;

  // The format list takes typed text (true) or only its entries (false).
  bool AllowCustomFormat() const { return FAllowCustomFormat; }
  void SetAllowCustomFormat(bool flag);

  TSaveSettingsContainerStorageProfile StorageProfile() const { return FStorageProfile; }
  // Fills the lists with the profile's presets; spCustom keeps them. The
  // values themselves stay as they are.
  void SetStorageProfile(TSaveSettingsContainerStorageProfile profile);

  const std::string& CaptionFolder() const { return FCaption[stlFolder]; }
  const std::string& CaptionName() const { return FCaption[stlName]; }
  const std::string& CaptionFormat() const { return FCaption[stlFormat]; }
  // The label widths follow at the next indent run.
  void SetCaptionFolder(const std::string& text) { SetCaption(stlFolder, text); }
  void SetCaptionName(const std::string& text) { SetCaption(stlName, text); }
  void SetCaptionFormat(const std::string& text) { SetCaption(stlFormat, text); }
  const std::string& Caption(TSaveTargetList list) const { return FCaption[list]; }

  // Raised after the user changed any value.
  TSaveTargetChangeNotification OnChange;

  // --- Operations ---------------------------------------------------------------
  // Folder, name and format from "/folder/name.ext", or name and format from
  // "name.ext" (folder kept); false, changing nothing, for any other text.
  virtual bool ValsFromFilePath(const std::string& path);
  // The shown options take their defaults; the lists' values stay.
  virtual void ResetValuesToDefault();
  // "folder", "name" and "format" always, then the shown options (all of them,
  // or only those that differ from their defaults).
  virtual void SettingsSave(TDocINI& document, const std::string& section, bool skipDefaultValues);
  // The keys that exist; with useDefaults a shown option whose key is missing
  // takes its default. Hidden options are not read.
  virtual void SettingsLoad(const TDocINI& document, const std::string& section, bool useDefaults);

  // What the user's changes do: a list's text becomes its value (a format
  // entry only its extension), a control's check state its option.
  void ListTextChanged(TSaveTargetList list, const std::string& text);
  void OptionChanged(TSaveTargetOption option, bool checked);

  // --- File names -----------------------------------------------------------------
  // The file-name creator holding the panel's choices for one source file.
  TFileNameCreatorObj FileNameCreator(const std::string& sourceFile) const;
  // The full path the choices give for the source file at that moment; ""
  // when they give no usable file name.
  std::string TargetFileName(const std::string& sourceFile, TDateTime moment) const;

 protected:
  // The steps that reach the widgets; the model alone only stores.
  virtual void ShowListText(TSaveTargetList list, const std::string& text) {}
  virtual void ShowOptionChecked(TSaveTargetOption option, bool checked) {}
  // Shows or hides an option's control and lays the panel out again.
  virtual void ShowOptionControl(TSaveTargetOption option, bool visible) {}
  virtual void ShowAllowCustomFormat(bool allow) {}
  virtual void ShowCaption(TSaveTargetList list, const std::string& text) {}
  virtual void FillLists(const TSaveTargetProfileLists& lists) {}

  void SetVal(TSaveTargetList list, const std::string& text);
  void SetOpt(TSaveTargetOption option, bool flag);
  void SetShow(TSaveTargetOption option, bool flag);
  void SetCaption(TSaveTargetList list, const std::string& text);
  // The option's own setter, so that subclasses see every change.
  void CallOptSetter(TSaveTargetOption option, bool flag);
  void RaiseChange();

 private:
  std::array<std::string, kSaveTargetListCount> FVal{kSaveTargetKeep, "%name%-1", kSaveTargetKeep};
  std::array<bool, kSaveTargetOptionCount> FOpt{};
  std::array<bool, kSaveTargetOptionCount> FShow{true, true, true, true, true};
  std::array<std::string, kSaveTargetListCount> FCaption{"Folder:", "Name:", "Format:"};
  bool FAllowCustomFormat = true;
  TSaveSettingsContainerStorageProfile FStorageProfile = spCustom;
};
