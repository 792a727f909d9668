// Character-level text functions that know about letters: letter, vowel and
// consonant tests (Latin, Cyrillic, Greek), accent removal, the German umlaut
// transcription, and the initial-capital and random mixed-case transforms.
//
// Case follows the library rule of foundation/letter_case.h. Texts are UTF-8
// and are walked one character (one UTF-8 sequence) at a time.
#pragma once

#include <string>
#include <string_view>

#include "foundation/letter_case.h"

class TRandomGenerator;

// A letter: its upper- and lower-case forms differ, or it is "ß". Letters
// without case (CJK ideographs), digits, punctuation and "" are no letters.
bool IsLetter(std::string_view text);
// Substring tests of the upper-cased text against the fixed vowel and consonant
// strings; callers pass one character. "ß" is a consonant.
bool IsVokal(std::string_view text);
bool IsKonsonant(std::string_view text);

// The vowel and consonant strings themselves (upper case).
const std::string& VokalChars();
const std::string& KonsonantChars();

// Accented Latin letters become their base letter, keeping case
// ("Ångström" -> "Angstrom"); ß, Þ and ı stay.
std::string DiacriticsToLetters(std::string_view text);
// ä ö ü ß become ae oe ue ss; Ä Ö Ü become AE OE UE, or with fitCase the
// transcription whose case fits the next character ("Äpfel" -> "Aepfel").
std::string DiacriticsToAlternative(std::string_view text, bool fitCase);
std::string UppercaseDiacriticsToFittingAlternative(std::string_view text);

// Every character that starts the text or follows a non-letter is upper-cased,
// every other one lower-cased: "hELLO wORLD-wide 3d" -> "Hello World-Wide 3D".
// A word that begins with "ß" begins with "Ss", and a sigma that ends a word
// is the final "ς", as the languages write them.
std::string UpperCaseBegin(std::string_view text, TLetterCaseRules rules = TLetterCaseRules::Common);
// One draw in [0, 2) per character, letters and non-letters alike: 0 writes the
// character upper-cased, 1 lower-cased; a small sigma that ends a word is the
// final "ς" here too. Draws from the program's generator unless one is given.
std::string MixedCase(std::string_view text);
std::string MixedCase(std::string_view text, TRandomGenerator& gen, TLetterCaseRules rules = TLetterCaseRules::Common);

// Text followed by each character of chars not yet in the result.
std::string AddCharToStringIfCharIsNotInString(std::string_view text, std::string_view chars);
// Text without every character that occurs in chars.
std::string RemoveCharsFromString(std::string_view text, std::string_view chars);
// True when every character of chars occurs in text (true for empty chars).
bool StringContainsAllChars(std::string_view text, std::string_view chars);
