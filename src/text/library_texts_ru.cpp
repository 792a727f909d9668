// clang-format off
// Data only: the Russian library texts (slot, text) that the Russian setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_RU() { return {}; }
