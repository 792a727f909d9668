// clang-format off
// Data only: the Dutch program texts (program text number, text) that the
// Dutch program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_NL() { return {}; }
