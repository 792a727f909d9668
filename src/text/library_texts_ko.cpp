// clang-format off
// Data only: the Korean library texts (slot, text) that the Korean setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_KO() { return {}; }
