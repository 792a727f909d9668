// The program's own texts, slots 947..1074 (program text n is slot 947 + n).
//
// InitSprResLocal installs SetSprResLocal as the store's hook, so that every
// later SetSprResGlobal also fills the program slots, and installs the setters
// of the further languages. Call it once at start, before the first fill.
#pragma once

#include <cstdint>
#include <string>

void InitSprResLocal();

// The hook body: grows the store to 1075 and fills the program slots.
void SetSprResLocal(uint32_t language);
// The steps of that fill; baseSlot is always 947.
void SetSprResLocal_All(uint32_t baseSlot, uint32_t language);           // "CSV" (text 115)
void SetSprResLocal_EN(int32_t baseSlot);                                // texts 0..114, 123..127
void SetSprResLocal_Combinations(uint32_t baseSlot, uint32_t language);  // texts 116..122

// Addresses (host and path, no scheme) of the program's web page and of its
// syllable-list page in the language group of language (German, Spanish,
// French, else English).
std::string SprProgramWebPage();
std::string SprSyllableListWebPage(uint32_t language);
