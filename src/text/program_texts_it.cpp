// clang-format off
// Data only: the Italian program texts (program text number, text) that the
// Italian program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_IT() { return {}; }
