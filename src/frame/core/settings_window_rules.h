// The rules of the settings window and the frame's menus that need no
// widget: names of standard tabs, the language columns, the value a typed
// text stores, the toggle-characters rule, the language file's content and
// the entries of the frame's menus.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The component name of a tab of the settings window.
std::string SOTabNameFromID(int32_t tabID);

// How the language radio buttons stand: the first column holds FirstColumn
// buttons, the rest stand in a second column (none with fewer than 5 languages).
struct TSOLanguageColumns {
  int32_t FirstColumn = 0;
  bool TwoColumns = false;
};
TSOLanguageColumns SOLanguageColumns(int32_t languageCount);
// The left edge of the second column: 200 per whole multiple of 96 pixels per inch.
int32_t SOLanguageSecondColumnLeft(double pixelsPerInch);

// The number a typed text stores: its whole-number value once trimmed, else def.
int32_t SOWholeNumberOrDefault(const std::string& text, int32_t def);

// The target text after a toggle check box was checked or unchecked.
std::string SOToggleChars(const std::string& target, const std::string& chars, bool checked);
// Whether a toggle check box shows checked: every character of chars occurs in target.
bool SOToggleCharsShownChecked(const std::string& target, const std::string& chars);

// "lang=" and the language's code in lower case ("lang=ptbr").
std::string SOLangCfgContent(int32_t language);

// The stored words of the alignment lists.
std::string SOAlignmentText(int32_t alignment);
std::string SOAlignmentVerticalText(int32_t alignment);

// One entry of a frame menu.
enum class TMenuEntryAction { OpenSettings, Divider, ResetSettings, OpenInfoDialog, BrowseToCaptionURL };
struct TMenuEntrySpec {
  std::string Name;
  int32_t Tag = 0;
  TMenuEntryAction Action = TMenuEntryAction::OpenSettings;
  bool operator==(const TMenuEntrySpec&) const = default;
};

struct TSettingsMenuOptions {
  int32_t CustomTabCount = 0;
  std::function<bool(int32_t tabID)> CustomMenuDivider;
  bool TabCodePage = false;
  bool TabLanguage = false;
  bool TabSaveSettings = false;
  bool ShowReset = false;
  bool TabFileAssociations = false;
  bool TabContextMenu = false;
  bool TabProgramShortCut = false;
  bool TabAutoStart = false;
};
std::vector<TMenuEntrySpec> SettingsMenuEntries(const TSettingsMenuOptions& options);
// The software menu: the entries that open the maker's product pages are left
// out; the overview, a divider and the two offers remain.
std::vector<TMenuEntrySpec> SoftwareMenuEntries();
std::vector<TMenuEntrySpec> InfoMenuEntries();
