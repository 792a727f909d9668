// clang-format off
// Data only: the Danish library texts (slot, text) that the Danish setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_DA() { return {}; }
