// clang-format off
// Data only: the Italian library texts (slot, text) that the Italian setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_IT() { return {}; }
