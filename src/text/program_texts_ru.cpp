// clang-format off
// Data only: the Russian program texts (program text number, text) that the
// Russian program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_RU() { return {}; }
