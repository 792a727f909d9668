// clang-format off
// Data only: the Brazilian Portuguese program texts (program text number, text) that the
// Brazilian Portuguese program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_PTBR() { return {}; }
