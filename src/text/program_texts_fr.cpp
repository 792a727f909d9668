// clang-format off
// Data only: the French program texts (program text number, text) that the
// French program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_FR() { return {}; }
