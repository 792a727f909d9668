// clang-format off
// Data only: the Japanese library texts (slot, text) that the Japanese setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_JA() { return {}; }
