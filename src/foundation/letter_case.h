// Letter case on Unicode properties (ICU), per code point.
//
// Two upper-casing rules live here:
// - UTF8UpperCase / UTF8LowerCase: the library's rule. Simple case mapping of
//   every code point; "ß" becomes "SS"; Georgian Mkhedruli letters
//   (U+10D0..U+10FF) keep their form when upper-cased.
// - UpperCaseNarrow: the rule of the counter and of the list containers.
//   a-z and characters of two UTF-8 bytes change, "ß" becomes "SS", characters
//   of three or four bytes stay as they are.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

char32_t CodePointUpper(char32_t c);  // simple mapping, Georgian kept, ß kept
char32_t CodePointLower(char32_t c);

// Whose letter case words are written in. Turkish and Azerbaijani pair the
// dotless and the dotted i apart: I with ı and İ with i ("IŞIK" is "ışık").
enum class TLetterCaseRules : uint8_t { Common, Turkic };
char32_t CodePointUpper(char32_t c, TLetterCaseRules rules);
char32_t CodePointLower(char32_t c, TLetterCaseRules rules);

std::string UTF8UpperCase(std::string_view s);
std::string UTF8LowerCase(std::string_view s);
// For words that are written out, not compared: Greek writes a small sigma
// that ends a word (a cased letter before it, none after it, characters
// without case skipped on both sides) as "ς". GreekFinalSigma applies that
// rule to lower-case text; UTF8LowerCaseWords is UTF8LowerCase with it.
std::string GreekFinalSigma(std::string_view s);
std::string UTF8LowerCaseWords(std::string_view s);
// The same under the rules of the words' language.
std::string UTF8UpperCase(std::string_view s, TLetterCaseRules rules);
std::string UTF8LowerCaseWords(std::string_view s, TLetterCaseRules rules);
std::string UpperCaseNarrow(std::string_view s);
// A-Z to a-z only: for matching words of our own file formats, where no other
// character may count as one of their letters (the Kelvin sign is no "k").
std::string ASCIILowerCase(std::string_view s);
// a-z to A-Z only, for the same reason (extension tables, dialog patterns).
std::string ASCIIUpperCase(std::string_view s);

// A letter is a character whose upper- and lower-case forms differ, by the
// full case mappings: "ß", "ΐ" and "և", whose upper case is several
// characters, are letters. Georgian Mkhedruli letters count as letters.
bool IsLetterCodePoint(char32_t c);
