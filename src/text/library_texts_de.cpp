// clang-format off
// Data only: the German library texts (slot, text) that the German setter
// writes over the English ones. Slots the table leaves out show English.
#include "text/translations.h"

std::span<const TSprSlotText> SprLibraryTexts_DE() { return {}; }
