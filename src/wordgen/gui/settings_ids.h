// The IDs of the main window's settings. Each is the place of the setting in
// the settings object's declaration table; headings, texts, radio items and
// action controls between them take the places in between, so the numbers
// must stay as they are.
#pragma once

#include <cstdint>

// Tab "general".
inline constexpr int32_t kSettingFont = 1;      // font
inline constexpr int32_t kSettingFontSize = 2;  // fontsize

// Tab "creator".
inline constexpr int32_t kSettingWriting = 4;                           // writing (radio group)
inline constexpr int32_t kSettingWordsBeside = 11;                      // wordsbeside
inline constexpr int32_t kSettingWordsBesideBetweenChar = 12;           // wordsbeside_betweenchar
inline constexpr int32_t kSettingInsertLineBreakBetweenCreations = 13;  // insert_linebreak_betweencreations
inline constexpr int32_t kSettingUseLineBreakChar = 14;                 // use_linebreakchar
inline constexpr int32_t kSettingLineBreakChar = 15;                    // linebreakchar
inline constexpr int32_t kSettingClearListBeforeCreation = 16;          // clearlist_beforecreation
inline constexpr int32_t kSettingReadableWords = 18;                    // readable_words
inline constexpr int32_t kSettingReadableIfNoRule = 19;                 // readable_ifnorule
inline constexpr int32_t kSettingSyllableOncePerWord = 20;              // syllableonceperword
inline constexpr int32_t kSettingReadabilityRules = 21;                 // readabilityrules

// Tab "syllablelist".
inline constexpr int32_t kSettingAddSingle = 24;         // add_single
inline constexpr int32_t kSettingAddDigrams = 25;        // add_digrams
inline constexpr int32_t kSettingAddTrigrams = 26;       // add_trigrams
inline constexpr int32_t kSettingAddDeleteOld = 27;      // add_deleteold
inline constexpr int32_t kSettingUserDefinedList = 29;   // userdefinedlist
inline constexpr int32_t kSettingSaveWithSettings = 31;  // savewithsettings

// Tab "counter".
inline constexpr int32_t kSettingCountType = 33;          // count_type (radio group)
inline constexpr int32_t kSettingCountBlanks = 43;        // count_blanks
inline constexpr int32_t kSettingCountPositions = 44;     // count_positions
inline constexpr int32_t kSettingCountResetCounter = 45;  // count_resetcounter

// Tab "countercharacters".
inline constexpr int32_t kSettingCountExclude = 47;            // count_exclude
inline constexpr int32_t kSettingCountExcludeChars = 48;       // count_exclude_chars
inline constexpr int32_t kSettingCountOnly = 49;               // count_only
inline constexpr int32_t kSettingCountOnlyChars = 50;          // count_only_chars
inline constexpr int32_t kSettingCountRegex = 61;              // count_regex
inline constexpr int32_t kSettingCountRegexExpr = 62;          // count_regex_expr
inline constexpr int32_t kSettingCountRegexBrackets = 63;      // count_regex_brackets
inline constexpr int32_t kSettingCountRegexShowMatches = 64;   // count_regex_showmatches
inline constexpr int32_t kSettingCombineLowUp = 66;            // combinelowup
inline constexpr int32_t kSettingReplaceUmlauts = 67;          // replaceumlauts
inline constexpr int32_t kSettingReplaceAccents = 68;          // replaceaccents
inline constexpr int32_t kSettingReplaceCapitalSharpS = 69;    // replacecapitalß
inline constexpr int32_t kSettingAlwaysCountSmallSharpS = 70;  // alwayscountsmallß

// Tab "counteroutput".
inline constexpr int32_t kSettingSorting = 72;                   // sorting (radio group)
inline constexpr int32_t kSettingShowNumber = 80;                // show_number
inline constexpr int32_t kSettingShowFrequency = 81;             // show_frequency
inline constexpr int32_t kSettingShowTotal = 82;                 // show_total
inline constexpr int32_t kSettingAddAllCountedChars = 83;        // add_all_counted_chars
inline constexpr int32_t kSettingMinLength = 85;                 // min_length
inline constexpr int32_t kSettingMinFrequence = 86;              // min_frequence
inline constexpr int32_t kSettingMinIsPercent = 87;              // min_is_percent
inline constexpr int32_t kSettingOnlyElementsStartingWith = 88;  // only_elements_starting_with
inline constexpr int32_t kSettingOnlyElementsEndingWith = 89;    // only_elements_ending_with
inline constexpr int32_t kSettingOnlyElementsContaining = 90;    // only_elements_containing
inline constexpr int32_t kSettingOnlyElementsCase = 91;          // only_elements_case
inline constexpr int32_t kSettingOnlyElementsRegex = 92;         // only_elements_regex
inline constexpr int32_t kSettingOldBasis = 94;                  // old_basis
inline constexpr int32_t kSettingPercentDecimalPlaces = 95;      // percent_decimalplaces

// Tab "storageformat".
inline constexpr int32_t kSettingEncoding = 97;               // encoding
inline constexpr int32_t kSettingBOM = 98;                    // bom
inline constexpr int32_t kSettingFieldSeparator = 100;        // fieldseparator
inline constexpr int32_t kSettingQuoteCharacter = 101;        // quotecharacter
inline constexpr int32_t kSettingQuoteOnlyIfNecessary = 103;  // quoteonlyifnecessary
