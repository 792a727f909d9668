// clang-format off
// Data only: the French library texts (slot, text) that the French setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_FR() { return {}; }
