#include "wordgen/gui/syllable_menu.h"

namespace {

struct TSyllableMenuRow {
  std::string_view Code;
  std::string_view GermanUI;
  std::string_view OtherUI;
};

// In menu order, the same order as kSyllableMenuCodes.
constexpr TSyllableMenuRow kSyllableMenuRows[] = {
    {"af", "Afrikaans", "Afrikaans"},
    {"ba", "Bahasa Indonesia (Indonesisch)", "Bahasa Indonesia (Indonesian)"},
    {"be", "Беларуская (Weißrussisch)", "Беларуская (Belorussian)"},
    {"ca", "Català (Katalanisch)", "Català (Catalan)"},
    {"ce", "Čeština (Tschechisch)", "Čeština (Czech)"},
    {"cy", "Cymraeg (Walisisch)", "Cymraeg (Welsh)"},
    {"da", "Dansk (Dänisch)", "Dansk (Danish)"},
    {"de", "Deutsch", "Deutsch (German)"},
    {"ee", "Eesti (Estnisch)", "Eesti (Estonian)"},
    {"en", "English (Englisch)", "English"},
    {"es", "Esperanto", "Esperanto"},
    {"sp", "Español (Spanisch)", "Español (Spanish)"},
    {"fr", "Français (Französisch)", "Français (French)"},
    {"ir", "Gaeilge (Irisch)", "Gaeilge (Irish)"},
    {"ga", "Galego (Galicisch)", "Galego (Galician)"},
    {"gr", "Ελληνικά (Griechisch)", "Ελληνικά (Greek)"},
    {"he", "עברית (Hebräisch)", "עברית (Hebrew)"},
    {"hi", "हिन्दी (Hindi)", "हिन्दी (Hindi)"},
    {"hr", "Hrvatski (Kroatisch)", "Hrvatski (Croatian)"},
    {"id", "Ido", "Ido"},
    {"is", "Íslenska (Isländisch)", "Íslenska (Icelandic)"},
    {"it", "Italiano (Italienisch)", "Italiano (Italian)"},
    {"ki", "Kiswahili (Suaheli)", "Kiswahili (Swahili)"},
    {"la", "Latina (Latein)", "Latina (Latin)"},
    {"lv", "Latviešu (Lettisch)", "Latviešu (Latvian)"},
    {"nl", "Nederlands (Niederländisch)", "Nederlands (Dutch)"},
    {"ma", "Malagasy", "Malagasy"},
    {"mk", "Македонски (Mazedonisch)", "Македонски (Macedonian)"},
    {"mn", "Монгол (Mongolisch)", "Монгол (Mongolian)"},
    {"fj", "Na Vosa Vakaviti (Fidschi)", "Na Vosa Vakaviti (Fijian)"},
    {"no", "Norsk (Norwegisch)", "Norsk (Norwegian)"},
    {"pl", "Polski (Polnisch)", "Polski (Polish)"},
    {"po", "Português (Portugisisch)", "Português (Portuguese)"},
    {"ru", "Русский (Russisch)", "Русский (Russian)"},
    {"fi", "Suomi (Finnisch)", "Suomi (Finnish)"},
    {"se", "Svenska (Schwedisch)", "Svenska (Swedish)"},
    {"sq", "Shqip (Albanisch)", "Shqip (Albanian)"},
    {"ta", "Tagalog (Philippinisch)", "Tagalog (Philippines)"},
    {"tu", "Türkçe (Türkisch)", "Türkçe (Turkish)"},
    {"uk", "Українська (Ukrainisch)", "Українська (Ukrainian)"},
    {"vi", "Việt (Vietnamesisch)", "Việt (Vietnamese)"},
};

static_assert(std::size(kSyllableMenuRows) == kSyllableMenuCodes.size());

constexpr bool RowsFollowMenuOrder() {
  for (size_t i = 0; i < kSyllableMenuCodes.size(); ++i)
    if (kSyllableMenuRows[i].Code != kSyllableMenuCodes[i]) return false;
  return true;
}
static_assert(RowsFollowMenuOrder());

}  // namespace

std::string SyllableMenuCaption(std::string_view code, bool germanUI) {
  for (const TSyllableMenuRow& row : kSyllableMenuRows)
    if (row.Code == code) return std::string(germanUI ? row.GermanUI : row.OtherUI);
  return {};
}

TLetterCaseRules SyllableListCaseRules(std::string_view code) {
  return code == "tu" ? TLetterCaseRules::Turkic : TLetterCaseRules::Common;
}
