// The names of the file types of foundation/file_types.h in the current UI
// language, read from the text store at the moment of the call.
#pragma once

#include <cstdint>
#include <string>

// "" for a number outside 0..13.
std::string FileTypeToStringSingularSpr(int32_t fileType);
std::string FileTypeToStringPluralSpr(int32_t fileType);
