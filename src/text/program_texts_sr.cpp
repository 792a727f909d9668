// clang-format off
// Data only: the Serbian program texts (program text number, text) that the
// Serbian program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_SR() { return {}; }
