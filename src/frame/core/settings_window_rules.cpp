#include "frame/core/settings_window_rules.h"

#include <cmath>

#include "foundation/letter_case.h"
#include "foundation/letters.h"
#include "frame/core/info_page_texts.h"
#include "frame/core/settings_obj.h"
#include "text/language_constants.h"

std::string SOTabNameFromID(int32_t tabID) {
  switch (tabID) {
    case kSOTabCodePage: return "tab_codepage";
    case kSOTabLanguage: return "tab_lang";
    case kSOTabSaveSettings: return "tab_save";
    case kSOTabSystemIntegration: return "tab_systemintegration";
    default: return "tab" + std::to_string(tabID);
  }
}

TSOLanguageColumns SOLanguageColumns(int32_t languageCount) {
  if (languageCount < 5) return {languageCount, false};
  return {(languageCount + 1) / 2, true};
}

int32_t SOLanguageSecondColumnLeft(double pixelsPerInch) {
  return static_cast<int32_t>(std::nearbyint(pixelsPerInch / 96.0)) * 200;
}

int32_t SOWholeNumberOrDefault(const std::string& text, int32_t def) {
  int32_t value = 0;
  return SOIsWholeNumber(text, value) ? value : def;
}

std::string SOToggleChars(const std::string& target, const std::string& chars, bool checked) {
  return checked ? AddCharToStringIfCharIsNotInString(target, chars) : RemoveCharsFromString(target, chars);
}

bool SOToggleCharsShownChecked(const std::string& target, const std::string& chars) {
  return StringContainsAllChars(target, chars);
}

std::string SOLangCfgContent(int32_t language) { return "lang=" + UTF8LowerCase(SprConstToString(language)); }

std::string SOAlignmentText(int32_t alignment) {
  switch (alignment) {
    case 1: return "right";
    case 2: return "center";
    default: return "left";
  }
}

std::string SOAlignmentVerticalText(int32_t alignment) {
  switch (alignment) {
    case 1: return "center";
    case 2: return "bottom";
    default: return "top";
  }
}

std::vector<TMenuEntrySpec> SettingsMenuEntries(const TSettingsMenuOptions& o) {
  using A = TMenuEntryAction;
  std::vector<TMenuEntrySpec> e;
  int32_t n = 0;
  for (int32_t tab = 0; tab < o.CustomTabCount; ++tab) {
    const std::string name = "m_settings_tab" + std::to_string(tab);
    e.push_back({name, tab, A::OpenSettings});
    ++n;
    if (o.CustomMenuDivider && o.CustomMenuDivider(tab)) {
      e.push_back({name + "_divider", 0, A::Divider});
      ++n;
    }
  }
  if (o.TabCodePage) {
    e.push_back({"m_settings_codepage", kSOTabCodePage, A::OpenSettings});
    ++n;
  }
  if (n > 0 && o.TabLanguage) {
    e.push_back({"m_settings_divider1", 0, A::Divider});
    n = 0;
  }
  if (o.TabFileAssociations || o.TabAutoStart || o.TabContextMenu || o.TabProgramShortCut) {
    e.push_back({"m_settings_systemintegeration", kSOTabSystemIntegration, A::OpenSettings});
    ++n;
    if (o.TabFileAssociations)
      e.push_back({o.TabContextMenu ? "m_settings_filefolderassociations" : "m_settings_fileassociations",
                   kSOTabSystemIntegration, A::OpenSettings});
  }
  if (n > 0 && o.TabLanguage) {
    e.push_back({"m_settings_divider2", 0, A::Divider});
    n = 0;
  }
  if (o.TabLanguage) {
    e.push_back({"m_settings_language", kSOTabLanguage, A::OpenSettings});
    ++n;
  }
  if (n > 0 && (o.TabSaveSettings || o.ShowReset)) {
    e.push_back({"m_settings_divider3", 0, A::Divider});
    n = 0;
  }
  if (o.TabSaveSettings) e.push_back({"m_settings_save", kSOTabSaveSettings, A::OpenSettings});
  if (o.ShowReset) e.push_back({"m_settings_reset", 0, A::ResetSettings});
  return e;
}

std::vector<TMenuEntrySpec> SoftwareMenuEntries() {
  using A = TMenuEntryAction;
  // Entry 19 and its divider would open the left-out page of the maker's other programs.
  return {{"m_software21", 0, A::BrowseToCaptionURL}, {"m_software22", 0, A::BrowseToCaptionURL}};
}

std::vector<TMenuEntrySpec> InfoMenuEntries() {
  using A = TMenuEntryAction;
  std::vector<TMenuEntrySpec> e;
  // Only the pages the dialog shows get an entry ("m_info" + the page's offset from the first).
  for (int32_t page : kInfoPagesShown)
    e.push_back({"m_info" + std::to_string(page - kInfoPageHelp), page, A::OpenInfoDialog});
  e.push_back({"m_info6", 0, A::Divider});
  for (int32_t i = 9; i <= 17; ++i) e.push_back({"m_info" + std::to_string(i), 0, A::BrowseToCaptionURL});
  return e;
}
