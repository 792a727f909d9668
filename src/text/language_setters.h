// The per-language text setters and what each of them may write.
//
// A library setter (languages 1..14) writes its translations over the English
// library texts; a program setter (languages 1..13, none for Korean) writes its
// translations over the English program texts at base slot + local index. A
// setter writes only slots that the English step of its side writes, so a refill
// leaves nothing of an earlier language behind. Until a translation registers
// itself, every setter is a no-op and the language shows English.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "text/text_store.h"

using TSprLibrarySetter = std::function<void()>;
using TSprProgramSetter = std::function<void(int32_t baseSlot)>;

// Installs setter for language; an empty setter puts the no-op back. Returns
// false, installing nothing, for a language that has no setter on that side.
bool SprRegisterLibrarySetter(uint32_t language, TSprLibrarySetter setter);
bool SprRegisterProgramSetter(uint32_t language, TSprProgramSetter setter);

// Run the installed setter; nothing for a language without one (0, 15 and up;
// 14 on the program side).
void SprRunLibrarySetter(uint32_t language);
void SprRunProgramSetter(uint32_t language, int32_t baseSlot);

// The setter's name and the slots it writes when complete (absolute slots,
// ascending; program slots for base 947). Empty for a language without a setter.
struct TSprSetterContract {
  std::string Name;
  std::vector<StrResGlobal> Slots;
};
TSprSetterContract SprLibrarySetterContract(uint32_t language);
TSprSetterContract SprProgramSetterContract(uint32_t language);

// The slots the English steps write: 854 library slots, 115 program slots.
std::vector<StrResGlobal> SprEnglishLibrarySlots();
std::vector<StrResGlobal> SprEnglishProgramSlots();

// Runs the installed setter of language against a scratch store and returns the
// slots it changed, ascending; the real store is left as it was. This is how a
// translation is checked against its contract.
std::vector<StrResGlobal> SprSlotsWrittenByLibrarySetter(uint32_t language);
std::vector<StrResGlobal> SprSlotsWrittenByProgramSetter(uint32_t language);
