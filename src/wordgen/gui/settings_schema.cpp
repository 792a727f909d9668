#include "wordgen/gui/settings_schema.h"

#include <array>
#include <string_view>

#include "foundation/code_pages.h"
#include "frame/qt/pwk_prog_obj.h"
#include "wordgen/counter/counter.h"
#include "wordgen/engine/create_command.h"
#include "wordgen/engine/readability.h"
#include "wordgen/gui/settings_ids.h"

namespace {

// Elements without an ID of their own go to the next free place.
constexpr int32_t kNextPlace = -1;

// The layout values of the declarations.
constexpr int32_t kIndent = 18;
constexpr int32_t kSecondColumn = 225;
constexpr int32_t kThirdColumn = 450;
constexpr int32_t kFrameWidth = 0;     // the frame's default width
constexpr int32_t kStretchWidth = -1;  // as wide as the tab
constexpr int32_t kFontFieldWidth = 120;
constexpr int32_t kStorageFieldWidth = 200;
constexpr int32_t kToggleColumns = 5;
constexpr int32_t kToggleColumnWidth = 135;

// A program text by its number.
TSettingsVariant Prog(int32_t number) { return TSettingsVariant(number); }
// A library text by its slot.
constexpr StrResGlobal Lib(StrResGlobal slot) { return slot; }

void DeclareGeneral(TPwkProgObj& sp, const TSettingsSchemaDefaults& defaults) {
  const int32_t tab = sp.SettingsAddTab(Lib(14), "general");
  sp.SettingsAddTextToTab(tab, Lib(601), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputFontNameEditToTab(tab, Lib(601), true, "font", defaults.FontName, kSettingFont, false, 0,
                                       kFontFieldWidth);
  sp.SettingsAddInputEditToTab(tab, Lib(604), true, "fontsize", std::to_string(defaults.FontSize), kSettingFontSize,
                               false, 0, kFontFieldWidth);
}

int32_t DeclareCreator(TPwkProgObj& sp) {
  const int32_t tab = sp.SettingsAddTab(Prog(1), "creator");
  sp.SettingsAddTextToTab(tab, Prog(44), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputRadioButtonGroupToTab(tab, "writing", kWritingAsListed, kSettingWriting);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingWriting, kWritingAsListed, "likelist", Prog(45), false, 0,
                                               kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingWriting, kWritingUpperCase, "uppercase", Lib(415), true,
                                               kSecondColumn, kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingWriting, kWritingMixedCase, "random", Lib(421), true,
                                               kThirdColumn, kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingWriting, kWritingInitialCapitals, "firstuppercase",
                                               Lib(414), false, 0, kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingWriting, kWritingLowerCase, "lowercase", Lib(416), true,
                                               kSecondColumn, kFrameWidth);

  sp.SettingsAddTextToTab(tab, Lib(669), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputCheckToTab(tab, Prog(46), false, "wordsbeside", false, kSettingWordsBeside, false, 0);
  sp.SettingsAddInputEditToTab(tab, Prog(48), true, "wordsbeside_betweenchar", " ", kSettingWordsBesideBetweenChar,
                               false, kIndent, kFrameWidth);
  sp.SettingsAddInputCheckToTab(tab, Prog(47), false, "insert_linebreak_betweencreations", false,
                                kSettingInsertLineBreakBetweenCreations, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(49), false, "use_linebreakchar", false, kSettingUseLineBreakChar, false, 0);
  sp.SettingsAddInputEditToTab(tab, Prog(50), true, "linebreakchar", "/nl", kSettingLineBreakChar, false, kIndent,
                               kFrameWidth);
  sp.SettingsAddInputCheckToTab(tab, Prog(51), false, "clearlist_beforecreation", false,
                                kSettingClearListBeforeCreation, false, 0);

  sp.SettingsAddTextToTab(tab, Prog(8), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputCheckToTab(tab, Prog(52), false, "readable_words", true, kSettingReadableWords, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(54), false, "readable_ifnorule", true, kSettingReadableIfNoRule, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(53), false, "syllableonceperword", false, kSettingSyllableOncePerWord, false,
                                0);
  sp.SettingsAddInputMemoAsButtonWithDialogToTab(tab, Prog(56), "readabilityrules", DefaultReadabilityRules(),
                                                 kSettingReadabilityRules, false, 0);
  sp.SettingsAddDescriptionToCustomControl(kSettingReadabilityRules, Prog(55));
  sp.SettingsAddActionButtonSetToDefault(tab, Prog(57), kSettingReadabilityRules, true, 0, kNextPlace);
  return tab;
}

int32_t DeclareSyllableList(TPwkProgObj& sp) {
  const int32_t tab = sp.SettingsAddTab(Prog(14), "syllablelist");
  sp.SettingsAddTextToTab(tab, Prog(14), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputCheckToTab(tab, Prog(59), false, "add_single", true, kSettingAddSingle, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(60), false, "add_digrams", false, kSettingAddDigrams, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(61), false, "add_trigrams", false, kSettingAddTrigrams, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(62), false, "add_deleteold", true, kSettingAddDeleteOld, false, 0);

  sp.SettingsAddTextToTab(tab, Prog(63), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputEditToTab(tab, Prog(64), false, "userdefinedlist", "ABCDEF", kSettingUserDefinedList, false, 0,
                               kStretchWidth);

  sp.SettingsAddTextToTab(tab, Lib(231), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputCheckToTab(tab, Prog(65), false, "savewithsettings", false, kSettingSaveWithSettings, false, 0);
  return tab;
}

int32_t DeclareCounter(TPwkProgObj& sp) {
  const int32_t tab = sp.SettingsAddTab(Prog(0), "counter");
  sp.SettingsAddTextToTab(tab, Prog(66), true, false, 0, kFrameWidth, kNextPlace);
  // Three columns, filled row by row: letters, quadgrams, syllables / digrams,
  // quintgrams, words / trigrams, hexagrams.
  sp.SettingsAddInputRadioButtonGroupToTab(tab, "count_type", ctLetters, kSettingCountType);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingCountType, ctLetters, "letters", Lib(405), false, 0,
                                               kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingCountType, ctQuadgrams, "quadgrams", Prog(69), true,
                                               kSecondColumn, kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingCountType, ctSyllables, "syllables", Prog(72), true,
                                               kThirdColumn, kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingCountType, ctDigrams, "digrams", Prog(67), false, 0,
                                               kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingCountType, ctQuintgrams, "quintgrams", Prog(70), true,
                                               kSecondColumn, kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingCountType, ctWords, "words", Lib(412), true, kThirdColumn,
                                               kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingCountType, ctTrigrams, "trigrams", Prog(68), false, 0,
                                               kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingCountType, ctHexagrams, "hexagrams", Prog(71), true,
                                               kSecondColumn, kFrameWidth);

  sp.SettingsAddTextToTab(tab, Lib(26), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputCheckToTab(tab, Prog(81), false, "count_blanks", false, kSettingCountBlanks, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(82), false, "count_positions", false, kSettingCountPositions, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(86), false, "count_resetcounter", true, kSettingCountResetCounter, false, 0);
  return tab;
}

// The check boxes that add or remove a whole alphabet in count_only_chars, in
// five columns.
struct TToggleChars {
  int32_t ProgramText;  // -1: the library's "Digits"
  std::string_view Chars;
};

constexpr std::array<TToggleChars, 10> kToggleChars = {{
    {89, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
    {90, "ÄÖÜ"},
    {91, "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"},
    {92, "ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ"},
    {97, "აბგდევზთიკლმნოპჟრსტუფქღყშჩცძწჭხჯჰ"},
    {93, "abcdefghijklmnopqrstuvwxyz"},
    {94, "äöü"},
    {95, "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
    {96, "αβγδεζηθικλμνξοπρσςτυφχψω"},
    {-1, "0123456789"},
}};
constexpr StrResGlobal kDigitsCaption = 401;

void DeclareCounterCharacters(TPwkProgObj& sp) {
  const int32_t tab = sp.SettingsAddTab(Prog(120), "countercharacters");
  sp.SettingsAddTextToTab(tab, Prog(100), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputCheckToTab(tab, Prog(83), false, "count_exclude", true, kSettingCountExclude, false, 0);
  sp.SettingsAddInputEditToTab(tab, "count_exclude_chars", CountExcludeCharsDefault(), kSettingCountExcludeChars, false,
                               kIndent, kStretchWidth);
  sp.SettingsAddInputCheckToTab(tab, Prog(84), false, "count_only", false, kSettingCountOnly, false, 0);
  sp.SettingsAddInputEditToTab(tab, "count_only_chars", std::string(kCountOnlyCharsDefault), kSettingCountOnlyChars,
                               false, kIndent, kStretchWidth);
  for (size_t i = 0; i < kToggleChars.size(); ++i) {
    const int32_t column = static_cast<int32_t>(i) % kToggleColumns;
    const bool beside = column > 0;
    const int32_t left = kIndent + kToggleColumnWidth * column;
    const TToggleChars& t = kToggleChars[i];
    const std::string chars(t.Chars);
    if (t.ProgramText >= 0)
      sp.SettingsAddActionCheckBoxToggleCharsInInput(tab, Prog(t.ProgramText), kSettingCountOnlyChars, chars, beside,
                                                     left, kNextPlace);
    else
      sp.SettingsAddActionCheckBoxToggleCharsInInput(tab, Lib(kDigitsCaption), kSettingCountOnlyChars, chars, beside,
                                                     left, kNextPlace);
  }
  sp.SettingsAddInputCheckToTab(tab, Prog(85), false, "count_regex", false, kSettingCountRegex, false, 0);
  sp.SettingsAddInputEditToTab(tab, "count_regex_expr", "", kSettingCountRegexExpr, false, kIndent, kStretchWidth);
  sp.SettingsAddInputCheckToTab(tab, Prog(88), false, "count_regex_brackets", true, kSettingCountRegexBrackets, false,
                                kIndent);
  sp.SettingsAddInputCheckBoxToTab(tab, Lib(90), "count_regex_showmatches", false, kSettingCountRegexShowMatches, false,
                                   kIndent);

  sp.SettingsAddTextToTab(tab, Prog(75), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputCheckToTab(tab, Prog(76), false, "combinelowup", true, kSettingCombineLowUp, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(77), false, "replaceumlauts", false, kSettingReplaceUmlauts, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(78), false, "replaceaccents", false, kSettingReplaceAccents, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(79), false, "replacecapitalß", false, kSettingReplaceCapitalSharpS, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(80), false, "alwayscountsmallß", false, kSettingAlwaysCountSmallSharpS, false,
                                0);
}

void DeclareCounterOutput(TPwkProgObj& sp, bool decimalComma) {
  const int32_t tab = sp.SettingsAddTab(Prog(121), "counteroutput");
  sp.SettingsAddTextToTab(tab, Lib(675), true, false, 0, kFrameWidth, kNextPlace);
  // Three columns, filled row by row: ascending by letters and frequency,
  // occurrence / descending by letters and frequency, character list.
  sp.SettingsAddInputRadioButtonGroupToTab(tab, "sorting", csCharUp, kSettingSorting);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingSorting, csCharUp, "char_up", Prog(116), false, 0,
                                               kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingSorting, csFreqUp, "freq_up", Prog(118), true,
                                               kSecondColumn, kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingSorting, csOccurence, "occurence", Lib(397), true,
                                               kThirdColumn, kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingSorting, csCharDown, "char_down", Prog(117), false, 0,
                                               kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingSorting, csFreqDown, "freq_down", Prog(119), true,
                                               kSecondColumn, kFrameWidth);
  sp.SettingsAddInputRadioButtonGroupItemToTab(tab, kSettingSorting, csCharList, "char_list", Prog(99), true,
                                               kThirdColumn, kFrameWidth);

  sp.SettingsAddTextToTab(tab, Prog(74), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputCheckBoxToTab(tab, Lib(379), "show_number", true, kSettingShowNumber, false, 0);
  sp.SettingsAddInputCheckBoxToTab(tab, Lib(394), "show_frequency", true, kSettingShowFrequency, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(98), false, "show_total", true, kSettingShowTotal, false, 0);
  sp.SettingsAddInputCheckToTab(tab, Prog(106), false, "add_all_counted_chars", false, kSettingAddAllCountedChars,
                                false, 0);

  sp.SettingsAddTextToTab(tab, Prog(101), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputEditToTab(tab, Prog(105), true, "min_length", "1", kSettingMinLength, false, 0, kFrameWidth);
  sp.SettingsAddInputEditToTab(tab, Prog(102), true, "min_frequence", decimalComma ? "0,00" : "0.00",
                               kSettingMinFrequence, false, 0, kFrameWidth);
  sp.SettingsAddInputCheckToTab(tab, Prog(103), false, "min_is_percent", true, kSettingMinIsPercent, false, 0);
  sp.SettingsAddInputEditToTab(tab, Prog(107), true, "only_elements_starting_with", "",
                               kSettingOnlyElementsStartingWith, false, 0, kFrameWidth);
  sp.SettingsAddInputEditToTab(tab, Prog(108), true, "only_elements_ending_with", "", kSettingOnlyElementsEndingWith,
                               false, 0, kFrameWidth);
  sp.SettingsAddInputEditToTab(tab, Prog(109), true, "only_elements_containing", "", kSettingOnlyElementsContaining,
                               false, 0, kFrameWidth);
  sp.SettingsAddInputCheckBoxToTab(tab, Lib(109), "only_elements_case", true, kSettingOnlyElementsCase, false, 0);
  sp.SettingsAddInputCheckBoxToTab(tab, Lib(111), "only_elements_regex", false, kSettingOnlyElementsRegex, false, 0);

  sp.SettingsAddTextToTab(tab, Lib(398), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputCheckToTab(tab, Prog(104), false, "old_basis", true, kSettingOldBasis, false, 0);
  sp.SettingsAddInputEditToTab(tab, Lib(399), true, "percent_decimalplaces", "2", kSettingPercentDecimalPlaces, false,
                               0, kFrameWidth);
}

void DeclareStorageFormat(TPwkProgObj& sp, bool decimalComma) {
  const int32_t tab = sp.SettingsAddTab(Lib(232), "storageformat");
  sp.SettingsAddTextToTab(tab, Lib(578), true, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputCodePageComboBoxToTab(tab, Lib(305), true, "encoding", cpUTF8, kSettingEncoding, false, 0,
                                           kStorageFieldWidth);
  sp.SettingsAddInputCheckBoxToTab(tab, Lib(321), "bom", false, kSettingBOM, false, 0);

  sp.SettingsAddTextToTab(tab, Prog(115), true, false, 0, kFrameWidth, kNextPlace);
  // A field separator that differs from the decimal separator keeps numbers in one field.
  sp.SettingsAddInputEditToTab(tab, Lib(687), true, "fieldseparator", decimalComma ? ";" : ",", kSettingFieldSeparator,
                               false, 0, kStorageFieldWidth);
  sp.SettingsAddInputEditToTab(tab, Lib(689), true, "quotecharacter", "\"", kSettingQuoteCharacter, false, 0,
                               kStorageFieldWidth);
  sp.SettingsAddTextToTab(tab, Lib(688), false, false, 0, kFrameWidth, kNextPlace);
  sp.SettingsAddInputCheckBoxToTab(tab, Lib(690), "quoteonlyifnecessary", true, kSettingQuoteOnlyIfNecessary, false, 0);
  // A tab shows its elements in the order of their places, and the settings'
  // IDs fix the places up to 103: the note on the encoding can only close the tab.
  sp.SettingsAddTextToTab(tab, Prog(125), false, false, 0, kFrameWidth, kNextPlace);
}

}  // namespace

TSettingsSchemaTabs DeclareSettingsSchema(TPwkProgObj& sp, const TSettingsSchemaDefaults& defaults) {
  const bool decimalComma = defaults.DecimalSeparator == ",";
  TSettingsSchemaTabs tabs;
  DeclareGeneral(sp, defaults);
  tabs.Creator = DeclareCreator(sp);
  tabs.SyllableList = DeclareSyllableList(sp);
  tabs.Counter = DeclareCounter(sp);
  DeclareCounterCharacters(sp);
  DeclareCounterOutput(sp, decimalComma);
  DeclareStorageFormat(sp, decimalComma);
  return tabs;
}
