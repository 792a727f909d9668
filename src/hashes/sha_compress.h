// The SHA-1 and SHA-256 compression functions: the portable SHA-256 one and
// the ones that use the processor's SHA extensions where it has them.
#pragma once

#include <cstdint>

#include "hashes/cpu_features.h"

// One 64-byte block into the state words. Only to be called when
// HasSHAExtensions() is true.
void SHA1CompressHardware(uint32_t* state, const uint8_t* block);
void SHA256CompressHardware(uint32_t* state, const uint8_t* block);

void SHA256CompressPortable(uint32_t* state, const uint8_t* block);
