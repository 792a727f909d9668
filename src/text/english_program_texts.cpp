// clang-format off
// Data only: the English texts of the store, transcribed once and kept byte for byte.
// Non-ASCII bytes are written as \x escapes so that no editor can change them.
#include "text/english_texts.h"

namespace {

// Program texts 0..127, by local index. Texts 115..122 are language-neutral or
// made of other texts: the fill writes them, and they stand empty here.
constexpr std::string_view kEnglish[] = {
    "Counter",  // 0
    "Creator",  // 1
    "Use as Syllable List",  // 2
    "Use Result as Syllable List",  // 3
    "Copy Result to Clipboard as Text",  // 4
    "Copy Result to Clipboard as Table",  // 5
    "Copy to Clipboard as Text",  // 6
    "Copy to Clipboard as Table",  // 7
    "Readability",  // 8
    "Custom Syllable List",  // 9
    "Characters used for syllable list:",  // 10
    "Set all Syllables to equal Frequencies",  // 11
    "Set all Syllables to random Frequencies",  // 12
    "Counter Output",  // 13
    "Syllable List",  // 14
    "Syllable Lists",  // 15
    "Syllable List Settings",  // 16
    "Syllable Lists from Languages",  // 17
    "Load Syllable List",  // 18
    "Load Input",  // 19
    "Clear Input",  // 20
    "Random List Digits (0-9)",  // 21
    "Random List Numbers (from X to Y)",  // 22
    "Random List Latin Letters (A-Z)",  // 23
    "Random List Latin including \xC3\x84, \xC3\x9C, \xC3\x96 and \xC3\x9F",  // 24
    "Random List Cyrillic Letters (\xD0\x90-\xD0\xA6)",  // 25
    "Random List Greek Letters (\xCE\x91-\xCE\xA9)",  // 26
    "Random List Georgic Letters (\xE1\x83\x90-\xE1\x83\xB0)",  // 27
    "Custom Random List",  // 28
    "Length of Words",  // 29
    "Number of Words",  // 30
    "Used Syllables",  // 31
    "Using your current syllable list, it is not possible to create readable words.\n\nAdd further syllables to your syllable list or disable creating only readable words from \"Settings > Creator\".",  // 32
    "Using your current syllable list and your current settings, it is not possible to create words.\n\nAdd further syllables to your syllable list, change possible syllable positions or disable creating only readable words from \"Settings > Creator\".",  // 33
    "Your current syllable list does not contain a syllable for each position within the word.\n\nAdd syllables with other or without any positions to your syllable list or reduce your desired word length.\n\nMissing Positions: ",  // 34
    "Your current syllable list does not contain any frequencies.",  // 35
    "Your current syllable list contains syllables without a frequency.",  // 36
    "For creating words, only syllables with a frequency will be used from your syllable list.",  // 37
    "You can right click the syllable list in order to assign frequencies to your syllables.",  // 38
    "Please enter a number into the field \"Number of created words\".",  // 39
    "Please enter a number or a range in the form \"1-3\" into the field \"Length of created words\".",  // 40
    "To be able to use this function, you have to count a text before.",  // 41
    "Please load or create a syllable list to be able to create words.",  // 42
    "Please copy or load a text into the field \"Input\" first.",  // 43
    "Writing of created words",  // 44
    "Like in syllable list",  // 45
    "Write words next to each other",  // 46
    "Insert line break between the creation passes",  // 47
    "Character used between words",  // 48
    "Use character for line break",  // 49
    "Character from syllable list that stands for a line break",  // 50
    "Clear list before creating new words",  // 51
    "Create readable words",  // 52
    "Use every syllable only once per word",  // 53
    "Always allow syllables for which there are no rules defined",  // 54
    "Example: \"A|E>B|C|D\" means: After A and E the letters B, C or D are allowed.",  // 55
    "Edit Rules...",  // 56
    "Reset Rules to Default",  // 57
    "Adding Syllable Lists",  // 58
    "Add single letters",  // 59
    "Add two-piece syllables (digrams)",  // 60
    "Add three-piece syllables (trigrams)",  // 61
    "Delete old syllable list before adding",  // 62
    "Custom Random List",  // 63
    "The function \"Custom Random List\" will start with the following characters:",  // 64
    "Save Syllable List with Settings",  // 65
    "What should be counted?",  // 66
    "2-Pairs (Digrams)",  // 67
    "3-Pairs (Trigrams)",  // 68
    "4-Pairs (Quadgrams)",  // 69
    "5-Pairs (Quintgrams)",  // 70
    "6-Pairs (Hexagrams)",  // 71
    "Real Syllables",  // 72
    "Show Syllables",  // 73
    "Components of the Table",  // 74
    "Combinations of Letters",  // 75
    "Combine uppercase and lowercase letters (a -> A)",  // 76
    "Count alternative writing instead of umlaut (\xC3\x84 -> AE)",  // 77
    "Count equivalent letter instead of accents (\xC3\x80 -> A)",  // 78
    "Count double S instead of capital \xC3\x9F when combining uppercase and lowercase letters (\xC3\x9F -> SS)",  // 79
    "Always count small \xC3\x9F - also when combining uppercase and lowercase letters",  // 80
    "Count blanks as letters",  // 81
    "Count positions within a word",  // 82
    "The following characters will be excluded from counting:",  // 83
    "Only the following characters will be counted:",  // 84
    "Only count characters matching this regular expression:",  // 85
    "Reset Counter before each counting process",  // 86
    "Reset Counter",  // 87
    "In the regular expression, characters to be counted are within a bracket",  // 88
    "Latin Up",  // 89
    "Umlauts Up",  // 90
    "Cyrillic Up",  // 91
    "Greek Up",  // 92
    "Latin Low",  // 93
    "Umlauts Low",  // 94
    "Cyrillic Low",  // 95
    "Greek Low",  // 96
    "Georgic",  // 97
    "Total Number",  // 98
    "According to Character List",  // 99
    "Which characters should be counted?",  // 100
    "Exclusion Criteria",  // 101
    "Minimum frequency for items to be included in list",  // 102
    "Minimum frequency is specified percentage (not absolute)",  // 103
    "Calculate percentages on the basis of all items (also the excluded items)",  // 104
    "Minimum length for items to be included in list",  // 105
    "Always add characters from \"Only the following characters will be counted\"",  // 106
    "Only include items starting with these characters",  // 107
    "Only include items ending with these characters",  // 108
    "Only include items containing these characters",  // 109
    "This tool by Pellwick can be used to create new words and texts as well as to count characters, syllables and words from existing texts.",  // 110
    "New words can be created on the tab \"Creator\" in the main window by clicking on \"Create\". On the left, you can define the used syllables in the form \"frequency - space - syllable\".",  // 111
    "On the tab \"Counter\", you can find the counter. By clicking on \"Count\", you count the text entered in the left box.",  // 112
    "Tip: Right-click on the text boxes of the main window to get more options. ",  // 113
    "For a detailed explanation of all other functions as well as for additional information about writing systems and frequencies of letters and syllables in different languages, go to <a=www.pellwick.example/syllabrix>www.pellwick.example/syllabrix</a>.",  // 114
    "", "", "", "", "", "", "", "",  // 115..122
    "Words, counts or input that you have neither saved nor copied will be lost. Close anyway?",  // 123
    "Characters replaced by \"?\" because the encoding <E> cannot hold them: <N>. UTF-8 keeps every character.",  // 124
    "HTML web pages are saved in UTF-8 instead of UTF-7 or UTF-32, which browsers cannot read.",  // 125
    "The scopes and number parameters of this list hold more than 1,000,000 numbers in all; the ranges beyond "
    "them were not read.",  // 126
    "The table has more rows than a sheet can hold. It was saved on <N> sheets.",  // 127
};

}  // namespace

std::span<const std::string_view> SprEnglishProgramTexts() { return kEnglish; }
