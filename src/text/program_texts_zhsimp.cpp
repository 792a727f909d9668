// clang-format off
// Data only: the Simplified Chinese program texts (program text number, text) that the
// Simplified Chinese program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_ZHSIMP() { return {}; }
