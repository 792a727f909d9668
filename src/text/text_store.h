// The one process-wide store of every user-visible text, addressed by slot.
//
// Slots 0..946 are the library's texts, 947..1074 the program's (program text n
// is slot 947 + n). SetSprResGlobal refills the whole store for one language in
// this order: language-neutral texts, English, the language's own setter,
// derived texts, then the program hook SprInitLocalProc (installed by
// InitSprResLocal, program_texts.h). Windows copy their texts out of the store
// after every fill. GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "foundation/types.h"

// A slot number of the store.
using StrResGlobal = uint16_t;

inline constexpr StrResGlobal SprLibrarySlotCount = 947;  // slots 0..946
inline constexpr StrResGlobal SprFirstProgramSlot = 947;  // program text 0
inline constexpr StrResGlobal SprProgramSlotCount = 128;  // program texts 0..127
inline constexpr StrResGlobal SprStoreLength = 1075;      // with the program texts

// The store itself: length 0 before the first fill, 947 with the library texts
// only, 1075 once the program hook has run.
extern TStrArray SprResGlobalArr;

// The text in slot, or the empty text when slot lies beyond the current store.
// The reference is valid until the next fill; copy the text to keep it.
const std::string& SprText(StrResGlobal slot);
// The text of program text localIndex (slot 947 + localIndex).
const std::string& SprLocalText(int32_t localIndex);

// The program hook, called with the language constant at the end of every fill.
using TSprInitLocalProc = std::function<void(uint32_t language)>;
extern TSprInitLocalProc SprInitLocalProc;

// Refills the store for language (unsigned: -1 arrives as 4294967295 and, like
// 0 and every value outside 1..14, gives English).
void SetSprResGlobal(uint32_t language);
// The language constant of the last fill (0 before the first and for every value
// that gives English), for texts composed by a language's own rules.
uint32_t SprStoreLanguage();
// The steps of that fill.
void SetSprResGlobal_All();           // slot 0 and the language-neutral slots
void SetSprResGlobal_EN();            // the English library texts
void SetSprResGlobal_Combinations();  // the slots derived from other slots
