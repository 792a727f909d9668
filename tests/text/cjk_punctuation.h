// Chinese and Japanese texts set their punctuation in full width: an ASCII
// comma, colon, question mark, quote or parenthesis against a Chinese or
// Japanese character was left over from the English text. Literal examples
// written in Latin letters ("A|E>B|C|D", "&auml;") and a character quoted on
// its own keep theirs.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/utf8.h"
#include "text/translations.h"

inline bool IsCJKCodePoint(char32_t c) {
  return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

inline void ExpectFullWidthPunctuation(std::string_view text, const std::string& where) {
  std::vector<char32_t> cps;
  for (size_t pos = 0; pos < text.size();) cps.push_back(UTF8DecodeAt(text, pos));
  for (size_t i = 0; i < cps.size(); ++i) {
    const char32_t c = cps[i];
    // A character quoted on its own (「?」) is the literal character meant.
    if (i > 0 && i + 1 < cps.size() && cps[i - 1] == U'「' && cps[i + 1] == U'」') continue;
    const bool cjkBefore = i > 0 && IsCJKCodePoint(cps[i - 1]);
    const bool cjkAfter = i + 1 < cps.size() && IsCJKCodePoint(cps[i + 1]);
    // A mark that closes or follows a phrase sits after it (the menu ellipsis
    // "..." stays as English writes it); quotes and an opening parenthesis
    // touch the text on either side.
    const bool after = std::u32string_view(U",:;?!)").find(c) != std::u32string_view::npos && cjkBefore;
    const bool around = (c == U'"' || c == U'(' || c == U'\'') && (cjkBefore || cjkAfter);
    EXPECT_FALSE(after || around) << where << ": ASCII \"" << static_cast<char>(c) << "\" in " << text;
  }
}

inline void ExpectFullWidthPunctuationInTables(std::span<const TSprSlotText> library,
                                               std::span<const TSprProgramText> program) {
  for (const TSprSlotText& t : library) ExpectFullWidthPunctuation(t.Text, "slot " + std::to_string(t.Slot));
  for (const TSprProgramText& t : program)
    ExpectFullWidthPunctuation(t.Text, "program text " + std::to_string(t.Index));
}
