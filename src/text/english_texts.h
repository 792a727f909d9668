// The English and language-neutral texts as constant data (slot, text).
#pragma once

#include <span>
#include <string_view>

#include "text/text_store.h"

struct TSprSlotText {
  StrResGlobal Slot;
  std::string_view Text;
};

// The library slots the English step writes, ascending.
std::span<const TSprSlotText> SprEnglishLibraryTexts();
// The library slots that read the same in every language (922..927, 934, 935).
std::span<const TSprSlotText> SprNeutralLibraryTexts();
// Program texts 0..127 by local index; the derived texts 115..122 are empty.
std::span<const std::string_view> SprEnglishProgramTexts();
