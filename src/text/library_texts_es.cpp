// clang-format off
// Data only: the Spanish library texts (slot, text) that the Spanish setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_ES() { return {}; }
