// clang-format off
// Data only: the Japanese program texts (program text number, text) that the
// Japanese program setter writes over the English ones.
#include "text/translations.h"

std::span<const TSprProgramText> SprProgramTexts_JA() { return {}; }
