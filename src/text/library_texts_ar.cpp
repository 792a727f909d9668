// clang-format off
// Data only: the Arabic library texts (slot, text) that the Arabic setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_AR() { return {}; }
