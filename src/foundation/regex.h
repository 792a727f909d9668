// The library's single entry to regular expressions, on PCRE2.
//
// Patterns follow the library's own syntax and defaults, which our translator
// turns into PCRE2 syntax: the dot also matches line breaks, ^ and $ anchor
// at the very start and the very end of the whole text, greedy quantifiers,
// the Cyrillic ranges а-я and А-Я also take ё and Ё, at most 14 reported
// groups, and the inline modifier group "(?irsgmx-irsgmx)" that switches
// modifiers for the rest of the pattern.
//
// Two paths share one syntax:
// - the byte path ("A" functions) works on the bytes of the text; word
//   characters are 0-9, a-z and A-Z (no underscore); case-insensitive
//   matching folds ASCII letters only;
// - the Unicode path ("W" functions) works on characters; word characters are
//   0-9, a-z, A-Z, the underscore and äöüßÄÖÜ; case-insensitive matching folds
//   every letter with a simple case mapping.
// The functions without suffix take the Unicode path when the pattern needs it
// (RequiresUnicodeRegex) or the text holds a non-ASCII character, so that a
// character is never cut into bytes.
//
// Positions are 1-based byte positions in the UTF-8 text on both paths.
// A pattern that does not compile never raises: it matches nothing, and the
// optional ok flag of each function reports false.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/types.h"

// True when the text holds a byte of 128 or more, or a control character
// other than TAB, LF, CR and SUB.
bool RequiresUnicodeRegex(std::string_view text);

enum class TRegexPath { Auto, Byte, Unicode };

class TRegexEngine;

// One pattern, compiled at most once per path, for any number of texts. The
// free functions below build one per call; callers that test many texts with
// the same pattern (filters, the counter) keep one instead.
class TRegex {
 public:
  // caseInsensitive starts with the i modifier on; an inline "(?-i)" in the
  // pattern can still switch it off.
  explicit TRegex(std::string_view regex, bool caseInsensitive = false, TRegexPath path = TRegexPath::Auto);
  ~TRegex();
  TRegex(const TRegex&) = delete;
  TRegex& operator=(const TRegex&) = delete;

  // Whether the pattern compiles on the path its own characters choose (or
  // the fixed path).
  bool OK();

  // Byte position (1-based) of the first match, 0 when there is none.
  int32_t Pos(std::string_view text);
  // True when the first match covers the whole text.
  bool Matches(std::string_view text);
  // True when one of the successive matches ends at the end of a non-empty text.
  bool EndsWith(std::string_view text);
  // The texts of all successive matches.
  TStrArray FindText(std::string_view text);
  // Per match the texts of its groups: only group 1 (even empty), or groups
  // 1, 2, … up to the first empty one.
  TStrArray FindTextFromBrackets(std::string_view text, bool onlyFirstBracket);
  // `text` with every match replaced by the expanded replacement ("$n", "${n}",
  // "$&", backslash escapes).
  std::string Replace(std::string_view text, std::string_view replacement);

  // Whether the last operation ran on a compiled pattern.
  bool LastOK() const { return FLastOK; }

 private:
  TRegexEngine* EngineFor(std::string_view text, std::string_view extra = {});

  std::string FRegex;
  bool FCaseInsensitive;
  TRegexPath FPath;
  bool FPatternNeedsUnicode;
  std::unique_ptr<TRegexEngine> FByte;
  std::unique_ptr<TRegexEngine> FUnicode;
  bool FLastOK = true;
};

// Every function takes an optional ok flag that receives false when the
// pattern does not compile (the result is then that of a pattern that matches
// nothing).

std::string RegReplaceWithRegex(std::string_view text, std::string_view regex, std::string_view replacement,
                                bool* ok = nullptr);
std::string RegReplaceWithRegexW(std::string_view text, std::string_view regex, std::string_view replacement,
                                 bool* ok = nullptr);
std::string RegReplaceWithRegexA(std::string_view text, std::string_view regex, std::string_view replacement,
                                 bool* ok = nullptr);

TStrArray RegFindTextFromRegex(std::string_view text, std::string_view regex, bool* ok = nullptr);
TStrArray RegFindTextFromRegexW(std::string_view text, std::string_view regex, bool* ok = nullptr);
TStrArray RegFindTextFromRegexA(std::string_view text, std::string_view regex, bool* ok = nullptr);

TStrArray RegFindTextFromRegexFromBrackets(std::string_view text, std::string_view regex, bool onlyFirstBracket,
                                           bool* ok = nullptr);
TStrArray RegFindTextFromRegexFromBracketsW(std::string_view text, std::string_view regex, bool onlyFirstBracket,
                                            bool* ok = nullptr);
TStrArray RegFindTextFromRegexFromBracketsA(std::string_view text, std::string_view regex, bool onlyFirstBracket,
                                            bool* ok = nullptr);

int32_t RegPos(std::string_view text, std::string_view regex, bool* ok = nullptr);
int32_t RegPosW(std::string_view text, std::string_view regex, bool* ok = nullptr);
int32_t RegPosA(std::string_view text, std::string_view regex, bool* ok = nullptr);

bool RegMatches(std::string_view text, std::string_view regex, bool matchCase, bool* ok = nullptr);
bool RegMatchesW(std::string_view text, std::string_view regex, bool matchCase, bool* ok = nullptr);
bool RegMatchesA(std::string_view text, std::string_view regex, bool matchCase, bool* ok = nullptr);

bool StrEndsWithRegex(std::string_view text, std::string_view regex, bool* ok = nullptr);
bool StrEndsWithRegexW(std::string_view text, std::string_view regex, bool* ok = nullptr);
bool StrEndsWithRegexA(std::string_view text, std::string_view regex, bool* ok = nullptr);
