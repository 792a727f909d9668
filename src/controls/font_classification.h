// Classifying an installed font by rendering a capital "D" and counting ink.
#pragma once

#include <string>

#include "controls/font_manager.h"

// Renders "D" at 50 points without antialiasing and scans its middle row and
// the column just left of its first stroke; never reads outside the bitmap.
TFontInfo GetFontInfo(const std::string& fontName);
// The same, remembered per family for the whole process: classifying every
// installed family is slow, and choosers open often.
TFontInfo GetFontInfoCached(const std::string& fontName);
// The installed font families, as Qt lists them.
TStrArray InstalledFontFamilies();
