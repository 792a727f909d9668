// File names on this platform are byte strings: two files may be called
// "Café" once with a composed "é" and once with "e" and a combining accent.
// Filters compare names by their composed form (Unicode normalisation form C),
// but that form is only ever a comparison key: the path handed to the file
// system is always the name as it stands on disk.
#pragma once

#include <string>
#include <string_view>

// The composed form of a UTF-8 text. ASCII is returned as it is without
// calling into ICU; invalid UTF-8 sequences become U+FFFD first, so that the
// key of any byte string is valid UTF-8.
std::string NFCKey(std::string_view text);
