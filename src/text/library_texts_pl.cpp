// clang-format off
// Data only: the Polish library texts (slot, text) that the Polish setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_PL() { return {}; }
