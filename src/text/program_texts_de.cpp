// clang-format off
// Data only: the German program texts (program text number, text) that the
// German program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_DE() { return {}; }
