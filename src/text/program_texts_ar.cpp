// clang-format off
// Data only: the Arabic program texts (program text number, text) that the
// Arabic program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_AR() { return {}; }
