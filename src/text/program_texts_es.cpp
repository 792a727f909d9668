// clang-format off
// Data only: the Spanish program texts (program text number, text) that the
// Spanish program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_ES() { return {}; }
