// clang-format off
// Data only: the Polish program texts (program text number, text) that the
// Polish program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_PL() { return {}; }
