// clang-format off
// Data only: the Simplified Chinese library texts (slot, text) that the Simplified Chinese setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_ZHSIMP() { return {}; }
