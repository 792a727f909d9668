// clang-format off
// Data only: the Dutch library texts (slot, text) that the Dutch setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_NL() { return {}; }
