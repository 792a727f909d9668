// clang-format off
// Data only: the Danish program texts (program text number, text) that the
// Danish program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_DA() { return {}; }
