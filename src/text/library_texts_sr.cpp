// clang-format off
// Data only: the Serbian library texts (slot, text) that the Serbian setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_SR() { return {}; }
