// clang-format off
// Data only: the Brazilian Portuguese library texts (slot, text) that the Brazilian Portuguese setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_PTBR() { return {}; }
