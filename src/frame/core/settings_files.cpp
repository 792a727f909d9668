// Writing every known setting into one INI document and reading them back.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "foundation/code_pages.h"
#include "foundation/str_arrays.h"
#include "foundation/str_transform.h"
#include "foundation/text_files.h"
#include "frame/core/settings_obj.h"
#include "text/text_store.h"

namespace {

constexpr const char* kSectionTextFiles = "textfiles";
constexpr const char* kSectionSettings = "settings";

// Why a settings file could not be read: the system's reason, EISDIR for a
// folder, 0 when the file opens (it holds no settings then).
int ReasonNotRead(const std::string& path) {
  if (path.find('\0') != std::string::npos) return EINVAL;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno;
  if (S_ISDIR(st.st_mode)) return EISDIR;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno;
  ::close(fd);
  return 0;
}

// Only a regular file counts: a folder of that name is no settings file. A
// file saved with every setting at its default may be empty; it is read all
// the same, so that loading it brings the defaults back.
bool LoadDocument(TConfigSaver& document, const std::string& path) {
  std::error_code ec;
  // The system reads a path only up to a zero byte, which would name another file.
  if (path.empty() || path.find('\0') != std::string::npos || !std::filesystem::is_regular_file(path, ec)) return false;
  if (document.LoadFromFile(path)) return true;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return bytes.empty() || bytes == "\xEF\xBB\xBF";
}

int32_t AlignmentFromText(const std::string& t) {
  if (t == "right") return 1;
  if (t == "center") return 2;
  return 0;
}

int32_t AlignmentVerticalFromText(const std::string& t) {
  if (t == "center") return tavCenter;
  if (t == "bottom") return tavBottom;
  return tavTop;
}

}  // namespace

bool TSettingsObj::SaveSettings(TConfigSaveLocation location, const std::string& fileName, bool showMessage) {
  TConfigSaver document;
  const bool snd = SaveNoDefaultValues;

  for (const TSOManagedControlRecord& m : FManagedControls) {
    if (!m.Control) continue;
    switch (m.ManagedType) {
      case mcSettingsContainer: m.Control->SettingsSave(document, "", snd, false); break;
      case mcFileListView: m.Control->SettingsSave(document, m.IniSection, snd, FSaveWindowSize); break;
      case mcSaveSettingsContainer: m.Control->SettingsSave(document, m.IniSection, snd, false); break;
      case mcCheckBox:
      case mcRadioButton: {
        const int32_t state = m.Control->GetChecked() ? 1 : 0;
        if (!snd || state != m.DefaultInt) document.Add(m.IniSection, m.IniKey, state == 1);
        break;
      }
      case mcComboBox:
      case mcTextComboBox: {
        const std::string text = m.Control->GetText();
        if (!snd || text != m.DefaultValue) document.Add(m.IniSection, m.IniKey, text);
        break;
      }
      case mcVirtualListView:
        document.AddStrArray2D(m.IniSection, m.IniKey,
                               m.Control->GetContentAsStrArray(m.SaveItemIDs, m.SaveCheckStates, false));
        break;
      default: break;
    }
  }

  for (int32_t tab = 0; tab < GetCustomTabCount(); ++tab) {
    const std::string& section = FTabs[tab].IniSection;
    for (const TSOControlRecord& r : FControls)
      if (r.InUse && r.TabID == tab && r.IsInput && !(snd && r.Value == r.DefaultValue))
        document.Add(section, r.IniKey, r.Value);
  }

  if (TabCodePage) {
    document.Add(kSectionTextFiles, "codepage", CodePageToStr(CodePage, false));
    document.Add(kSectionTextFiles, "bom", CodePageWriteBOM);
  }

  if (TabSaveSettings) {
    if (!snd || FAutoSaveOnExit) document.Add(kSectionSettings, "autosave", FAutoSaveOnExit);
    if (!snd || FSaveToAppDir) document.Add(kSectionSettings, "location", FSaveToAppDir);
    if (!snd || !FSaveWindowSize) document.Add(kSectionSettings, "windowsize", FSaveWindowSize);
    for (const TSOControlRecord& r : FControls)
      if (r.InUse && r.TabID == kSOTabSaveSettings && r.IsInput && !(snd && r.Value == r.DefaultValue))
        document.Add(kSectionSettings, r.IniKey, r.Value);
  }

  if (OnSaveSettings) OnSaveSettings(document);

  std::string path;
  switch (location) {
    case cslAppDir: path = ApplicationFolder() + fileName; break;
    case cslConfigDir: path = ConfigFolder() + fileName; break;
    case cslFileName: path = fileName; break;
    default: break;
  }
  bool ok = false;
  int reason = EINVAL;
  if (!fileName.empty() && !path.empty() && path.find('\0') == std::string::npos) {
    std::error_code ec;
    ok = document.SaveToFile(path) && std::filesystem::is_regular_file(path, ec);
    reason = ok ? 0 : LastFileWriteError();
  }

  if (showMessage) ShowSaveResult(ok, path.find('\0') == std::string::npos ? path : fileName, reason);
  return ok;
}

void TSettingsObj::ShowSaveResult(bool ok, const std::string& path, int errorNumber) {
  if (ok)
    UserDialogs().MessageBox(TSOMessageKind::Information, SprText(1), SprText(185));
  else
    UserDialogs().MessageBox(TSOMessageKind::Error, SprText(7), FileFailureText(SprText(158), path, errorNumber));
}

bool TSettingsObj::LoadSettings(const std::string& fileName, bool showMessage) {
  TConfigSaver document;
  bool read = LoadDocument(document, fileName);
  if (!read && !fileName.empty()) {
    const std::string app = ApplicationFolder();
    const std::string config = ConfigFolder();
    read = LoadDocument(document, app + fileName) || LoadDocument(document, config + fileName);
    if (!read) {
      const std::string withExt = fileName + "." + FProgFileExtSettings;
      read = LoadDocument(document, app + withExt) || LoadDocument(document, config + withExt);
    }
  }

  if (read) {
    const bool defaults = LoadDefaultValueIfNoKey;
    const bool scale = !ProgObjInitialized;
    for (const TSOManagedControlRecord& m : FManagedControls) {
      if (!m.Control) continue;
      std::string text;
      int32_t number = 0;
      switch (m.ManagedType) {
        case mcSettingsContainer: m.Control->SettingsLoad(document, "", defaults, scale); break;
        case mcFileListView: m.Control->SettingsLoad(document, m.IniSection, defaults, scale); break;
        case mcSaveSettingsContainer: m.Control->SettingsLoad(document, m.IniSection, defaults, false); break;
        case mcCheckBox:
        case mcRadioButton:
          if (document.ReadStringIfKeyExists(m.IniSection, m.IniKey, text))
            m.Control->SetChecked(text == "1");
          else if (defaults)
            m.Control->SetChecked(m.DefaultInt == 1);
          break;
        case mcComboBox:
        case mcTextComboBox:
          if (document.ReadStringIfKeyExists(m.IniSection, m.IniKey, text))
            m.Control->SetText(text);
          else if (defaults)
            m.Control->SetText(m.DefaultValue);
          else
            break;
          if (m.ManagedType == mcTextComboBox) m.Control->SetLanguage(static_cast<uint32_t>(FLanguage));
          break;
        case mcVirtualListView: {
          TStrArray2D table;
          if (document.ReadStrArray2DIfKeyExists(m.IniSection, m.IniKey, table))
            m.Control->SetContentFromStrArray(table, m.SaveItemIDs, m.SaveCheckStates, true);
          break;
        }
        case mcSplitterPanelPosition:
        case mcCollapsibleSplitterPanelPosition:
          if (document.ReadIntIfKeyExists(m.IniSection, m.IniKey, number))
            AddManagedControlAdjustmentInMainFormShow(m.Control, m.ManagedType, number, "");
          break;
        case mcCollapsibleSplitterPanelState:
          if (document.ReadIntIfKeyExists(m.IniSection, m.IniKey, number))
            AddManagedControlAdjustmentInMainFormShow(m.Control, m.ManagedType, number, "");
          else if (defaults)
            AddManagedControlAdjustmentInMainFormShow(m.Control, m.ManagedType, m.DefaultInt, "");
          break;
        default: break;
      }
    }

    for (int32_t tab = 0; tab < GetCustomTabCount(); ++tab) {
      const std::string section = FTabs[tab].IniSection;
      for (size_t id = 0; id < FControls.size(); ++id) {
        TSOControlRecord& r = FControls[id];
        if (!r.InUse || r.TabID != tab || !r.IsInput) continue;
        std::string s;
        if (!document.ReadStringIfKeyExists(section, r.IniKey, s)) {
          if (!defaults) continue;
          s = r.DefaultValue;
        }
        r.Value = s;
        const std::string t = Trim(s);
        int32_t whole = 0;
        if (SOIsWholeNumber(s, whole)) {
          r.ValueInt = whole;
          continue;
        }
        switch (r.ControlType) {
          case ctRadioButtonGroup:
            r.ValueInt = GetRadioButtonGroupItemIntIDFromStrID(static_cast<int32_t>(id), t, r.DefaultInt);
            break;
          case ctCodePageComboBoxTextTop:
          case ctCodePageComboBoxTextRight: r.ValueInt = StrToCodePage(t); break;
          case ctAlignmentComboBoxTextTop:
          case ctAlignmentComboBoxTextRight: r.ValueInt = AlignmentFromText(t); break;
          case ctAlignmentVerticalComboBoxTextTop:
          case ctAlignmentVerticalComboBoxTextRight: r.ValueInt = AlignmentVerticalFromText(t); break;
          case ctFontStyleComboBoxTextTop:
          case ctFontStyleComboBoxTextRight: r.ValueInt = FontStyleTypeToInt(StrToFontStyleType(t)); break;
          default: r.ValueInt = 0; break;
        }
      }
    }

    if (TabCodePage) {
      CodePage = StrToCodePage(document.ReadString(kSectionTextFiles, "codepage", CodePageToStr(CodePage, false)));
      CodePageWriteBOM = document.ReadBoolean(kSectionTextFiles, "bom", CodePageWriteBOM);
    }

    if (TabSaveSettings) {
      FAutoSaveOnExit = document.ReadBoolean(kSectionSettings, "autosave", defaults ? false : FAutoSaveOnExit);
      FSaveToAppDir = document.ReadBoolean(kSectionSettings, "location", defaults ? false : FSaveToAppDir);
      FSaveWindowSize = document.ReadBoolean(kSectionSettings, "windowsize", defaults ? true : FSaveWindowSize);
      for (TSOControlRecord& r : FControls) {
        if (!r.InUse || r.TabID != kSOTabSaveSettings || !r.IsInput) continue;
        std::string s;
        if (!document.ReadStringIfKeyExists(kSectionSettings, r.IniKey, s)) {
          if (!defaults) continue;
          s = r.DefaultValue;
        }
        r.Value = s;
        int32_t whole = 0;
        if (SOIsWholeNumber(s, whole)) r.ValueInt = whole;
      }
      if (OnSaveSettingsChange) OnSaveSettingsChange();
    }

    if (OnLoadSettings) OnLoadSettings(document);
    UpdateControlValuesInGUI();
  }

  if (showMessage) {
    if (read) {
      UserDialogs().MessageBox(TSOMessageKind::Information, SprText(1), SprText(186));
    } else if (fileName == FStartFileName) {
      UserDialogs().MessageBox(TSOMessageKind::Error, SprText(7), SprText(817));
    } else {
      // A bare profile name was looked for in the configuration folder.
      const std::string path = fileName.find('/') == std::string::npos ? ConfigFolder() + fileName : fileName;
      UserDialogs().MessageBox(TSOMessageKind::Error, SprText(7),
                               FileFailureText(SprText(159), path, ReasonNotRead(path)));
    }
  }
  return read;
}
