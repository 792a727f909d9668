// The items of the syllable-list language menu: the list codes in menu order
// and their captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "foundation/letter_case.h"

// The 41 codes of the built-in lists in the order of the menu (by the
// languages' own names). The menu item of a code is named "m_silben_" + code.
inline constexpr std::array<std::string_view, 41> kSyllableMenuCodes = {
    "af", "ba", "be", "ca", "ce", "cy", "da", "de", "ee", "en", "es", "sp", "fr", "ir",
    "ga", "gr", "he", "hi", "hr", "id", "is", "it", "ki", "la", "lv", "nl", "ma", "mk",
    "mn", "fj", "no", "pl", "po", "ru", "fi", "se", "sq", "ta", "tu", "uk", "vi"};

// The caption of the language item of a code: the language's own name, for
// most languages followed by its name in German (germanUI) or English in
// brackets. Empty for an unknown code.
std::string SyllableMenuCaption(std::string_view code, bool germanUI);

// The letter case that the words of a built-in list are written in: the
// Turkish list pairs I with ı and İ with i.
TLetterCaseRules SyllableListCaseRules(std::string_view code);
