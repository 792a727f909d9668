#include "settingspanels/core/save_target_model.h"

#include "foundation/paths.h"
#include "foundation/str_transform.h"
#include "settingspanels/core/save_target_names.h"

namespace {

constexpr const char* kOptionKeys[kSaveTargetOptionCount] = {
    "overwrite_file", "delete_original_file", "open_file_after_creating", "save_only_in_case_of_change",
    "keep_file_date",
};

const TStrArray kFolderPresets = {kSaveTargetKeep, "%folder%/new", "%folder%/%yyyy%-%mm%-%tt%"};
const TStrArray kNamePresetsFromFile = {
    kSaveTargetKeep,        "%name%-1",        "%name%",           "%num%",          "%abs0num%",
    "%abs0num%-%abs%",      "%folder1%-%num%", "%yyyy%-%mm%-%tt%", "%hh%-%ii%-%ss%", "%date% %time%",
    "%name%_%date%_%time%",
};
const TStrArray kNamePresetsNew = {"%yyyy%-%mm%-%tt%", "%hh%-%ii%-%ss%", "%date% %time%"};

const TStrArray kImageFormatsDefault = {"JPG", "PNG", "BMP"};
const TStrArray kImageFormatsAll = {
    "JPG - JPEG-Image",
    "PNG - Portable Network Graphics",
    "BMP - Bitmap",
    "DIP - Bitmap",
    "GIF - Graphics Interchange Format",
    "TIF - Tagged Image File Format",
    "TIFF - Tagged Image File Format",
    "ICO - Windows Icon",
    "ICNS - MacOS Icon",
    "CUR - Windows Cursor",
    "PSD - Photoshop Document",
    "PDD - Photoshop Document",
    "JFIF - JPEG-Image",
    "JPEG - JPEG-Image",
    "JPE - JPEG-Image",
    "JIF - JPEG-Image",
    "MNG - Multiple-Image Network Graphics",
    "JNG - JPEG Network Graphics",
    "PGM - Portable Gray Map",
    "PPM - Portable Pixel Map",
    "PAM - Portable Arbitrary Map",
    "PFM - Portable Float Map",
    "JP2 - JPEG2000",
    "J2K - JPEG2000",
    "J2C - JPEG2000",
    "JPX - JPEG2000",
    "JPC - JPEG2000",
    "DDS - DirectDraw Surface",
    "TGA - TrueVision Targa Image",
};
const TStrArray kTextFormats = {"TXT", "DAT"};
const TStrArray kTextAndImageFormats = {"TXT", "DAT", "JPG", "PNG", "BMP"};
const TStrArray kTextImageSpreadsheetFormats = {"TXT", "DAT", "XLSX", "ODS", "JPG", "PNG", "BMP"};
const TStrArray kTextDocImageSpreadsheetFormats = {"TXT", "DAT", "DOCX", "ODT", "XLSX", "ODS", "JPG", "PNG", "BMP"};

const TStrArray& ProfileFormats(TSaveSettingsContainerStorageProfile profile) {
  switch (profile) {
    case spImgDefFromFile:
    case spImgDefNew: return kImageFormatsDefault;
    case spImgAllFromFile:
    case spImgAllNew: return kImageFormatsAll;
    case spTextDefFromFile:
    case spTextDefNew: return kTextFormats;
    case spTextAndImgDefFromFile:
    case spTextAndImgDefNew: return kTextAndImageFormats;
    case spTextImgSpreadsheetDefFromFile:
    case spTextImgSpreadsheetDefNew: return kTextImageSpreadsheetFormats;
    default: return kTextDocImageSpreadsheetFormats;
  }
}

}  // namespace

const char* SaveTargetOptionKey(TSaveTargetOption option) { return kOptionKeys[option]; }

TSaveTargetProfileLists SaveTargetProfileLists(TSaveSettingsContainerStorageProfile profile) {
  TSaveTargetProfileLists result;
  if (profile == spCustom) return result;
  const bool fromFile = profile % 2 == 1;
  result.AllowCustomFormat = profile >= spTextDefFromFile;
  if (profile == spImgAllFromFile || profile == spImgAllNew) result.FormatDropDownCount = kSaveTargetImageDropDownCount;

  TSaveTargetListFill& folder = result.Lists[stlFolder];
  TSaveTargetListFill& name = result.Lists[stlName];
  TSaveTargetListFill& format = result.Lists[stlFormat];
  if (fromFile) {
    folder.Items = kFolderPresets;
    folder.ItemIndex = 0;
    name.Items = kNamePresetsFromFile;
    name.ItemIndex = 1;
    format.Items.push_back(kSaveTargetKeep);
  } else {
    name.Items = kNamePresetsNew;
  }
  const TStrArray& formats = ProfileFormats(profile);
  format.Items.insert(format.Items.end(), formats.begin(), formats.end());
  if (!format.Items.empty()) format.ItemIndex = 0;
  return result;
}

bool TSaveSettingsContainerModel::DefaultOpt(TSaveTargetOption option) const {
  switch (option) {
    case stoOverwriteFile: return DefaultOptOverwriteFile;
    case stoDeleteOriginalFile: return DefaultOptDeleteOriginalFile;
    case stoOpenFileAfterCreating: return DefaultOptOpenFileAfterCreating;
    case stoSaveOnlyInCaseOfChange: return DefaultOptSaveOnlyInCaseOfChange;
    case stoKeepDateOfOriginalFile: return DefaultOptKeepDateOfOriginalFile;
  }
  return false;
}

void TSaveSettingsContainerModel::SetVal(TSaveTargetList list, const std::string& text) {
  if (FVal[list] == text) return;
  FVal[list] = text;
  ShowListText(list, text);
}

void TSaveSettingsContainerModel::SetOpt(TSaveTargetOption option, bool flag) {
  if (FOpt[option] == flag) return;
  FOpt[option] = flag;
  ShowOptionChecked(option, flag);
}

void TSaveSettingsContainerModel::CallOptSetter(TSaveTargetOption option, bool flag) {
  switch (option) {
    case stoOverwriteFile: SetOptOverwriteFile(flag); break;
    case stoDeleteOriginalFile: SetOptDeleteOriginalFile(flag); break;
    case stoOpenFileAfterCreating: SetOptOpenFileAfterCreating(flag); break;
    case stoSaveOnlyInCaseOfChange: SetOptSaveOnlyInCaseOfChange(flag); break;
    case stoKeepDateOfOriginalFile: SetOptKeepDateOfOriginalFile(flag); break;
  }
}

void TSaveSettingsContainerModel::SetShow(TSaveTargetOption option, bool flag) {
  if (FShow[option] == flag) return;
  FShow[option] = flag;
  ShowOptionControl(option, flag);
}

void TSaveSettingsContainerModel::SetCaption(TSaveTargetList list, const std::string& text) {
  if (FCaption[list] == text) return;
  FCaption[list] = text;
  ShowCaption(list, text);
}

void TSaveSettingsContainerModel::SetAllowCustomFormat(bool flag) {
  if (FAllowCustomFormat == flag) return;
  FAllowCustomFormat = flag;
  ShowAllowCustomFormat(flag);
}

void TSaveSettingsContainerModel::SetStorageProfile(TSaveSettingsContainerStorageProfile profile) {
  if (profile == FStorageProfile) return;
  FStorageProfile = profile;
  if (profile == spCustom) return;
  const TSaveTargetProfileLists lists = SaveTargetProfileLists(profile);
  SetAllowCustomFormat(lists.AllowCustomFormat);
  FillLists(lists);
}

void TSaveSettingsContainerModel::RaiseChange() {
  if (OnChange) OnChange(this);
}

bool TSaveSettingsContainerModel::ValsFromFilePath(const std::string& path) {
  if (path.empty()) return false;
  std::string folder, name, ext;
  if (DividePathFileNameAndExt(path, folder, name, ext)) {
    SetValFolder(folder);
    SetValName(name);
    SetValFormat(ext);
    return true;
  }
  if (DivideFileNameAndExtension(path, name, ext)) {
    SetValName(name);
    SetValFormat(ext);
    return true;
  }
  return false;
}

void TSaveSettingsContainerModel::ResetValuesToDefault() {
  for (int32_t i = 0; i < kSaveTargetOptionCount; ++i) {
    const auto option = static_cast<TSaveTargetOption>(i);
    if (Show(option)) CallOptSetter(option, DefaultOpt(option));
  }
}

void TSaveSettingsContainerModel::SettingsSave(TDocINI& document, const std::string& section, bool skipDefaultValues) {
  document.Add(section, "folder", ValFolder());
  document.Add(section, "name", ValName());
  document.Add(section, "format", ValFormat());
  for (int32_t i = 0; i < kSaveTargetOptionCount; ++i) {
    const auto option = static_cast<TSaveTargetOption>(i);
    if (!Show(option)) continue;
    if (skipDefaultValues && Opt(option) == DefaultOpt(option)) continue;
    document.Add(section, SaveTargetOptionKey(option), Opt(option));
  }
}

void TSaveSettingsContainerModel::SettingsLoad(const TDocINI& document, const std::string& section, bool useDefaults) {
  std::string text;
  if (document.ReadStringIfKeyExists(section, "folder", text)) SetValFolder(text);
  if (document.ReadStringIfKeyExists(section, "name", text)) SetValName(text);
  if (document.ReadStringIfKeyExists(section, "format", text)) SetValFormat(text);
  for (int32_t i = 0; i < kSaveTargetOptionCount; ++i) {
    const auto option = static_cast<TSaveTargetOption>(i);
    if (!Show(option)) continue;
    const char* key = SaveTargetOptionKey(option);
    if (useDefaults) {
      CallOptSetter(option, document.ReadBoolean(section, key, DefaultOpt(option)));
    } else if (bool flag = false; document.ReadBooleanIfKeyExists(section, key, flag)) {
      CallOptSetter(option, flag);
    }
  }
}

void TSaveSettingsContainerModel::ListTextChanged(TSaveTargetList list, const std::string& text) {
  // The list already shows the text, so it is stored without writing it back.
  FVal[list] = list == stlFormat ? FileFormatExtensionOfText(text) : text;
  RaiseChange();
}

void TSaveSettingsContainerModel::OptionChanged(TSaveTargetOption option, bool checked) {
  FOpt[option] = checked;
  RaiseChange();
}

TFileNameCreatorObj TSaveSettingsContainerModel::FileNameCreator(const std::string& sourceFile) const {
  TFileNameCreatorObj creator;
  creator.SetFileNameOld(sourceFile);
  creator.SetFolderNew(ValFolder());
  creator.SetNameNew(ValName());
  creator.SetExtensionNew(ValFormat());
  creator.FileNumber = FileInfoFileNumber;
  creator.FileCount = FileInfoFileCount;
  creator.KeepSubDirs = OptKeepSubDirs;
  // Without a base folder there is no sub-folder structure to keep.
  if (!FileInfoBaseDir.empty()) creator.SetKeepSubDirsBaseDir(FileInfoBaseDir);
  creator.RemoveDisallowedChars = RemoveDisallowedChars;
  creator.DisallowedCharReplacement = RemovedDisallowedCharReplacement;
  return creator;
}

std::string TSaveSettingsContainerModel::TargetFileName(const std::string& sourceFile, TDateTime moment) const {
  return CreateSaveTargetFileName(FileNameCreator(sourceFile), moment);
}
