// The SHA-1, SHA-256 and SHA-512 compression functions: the portable ones and
// those that use the processor's SHA extensions or vector registers where it
// has them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hashes/cpu_features.h"

// One 64-byte block (SHA-1) or count of them in a row (SHA-256) into the
// state words. Only to be called when HasSHAExtensions() is true.
void SHA1CompressHardware(uint32_t* state, const uint8_t* block);
void SHA256CompressHardware(uint32_t* state, const uint8_t* blocks, size_t count);

void SHA256CompressPortable(uint32_t* state, const uint8_t* block);

// Blocks of 128 bytes into the eight state words of SHA-384 and SHA-512.
void SHA512CompressPortable(uint64_t* state, const uint8_t* blocks, size_t count);
// The same with the message schedule of two blocks at a time in vector
// registers, worked out between the rounds of the first. Only to be called
// when HasAVX2() (HasAVX512VL() for the second) is true.
void SHA512CompressAVX2(uint64_t* state, const uint8_t* blocks, size_t count);
void SHA512CompressAVX512(uint64_t* state, const uint8_t* blocks, size_t count);
// The fastest of the above this processor runs.
void SHA512Compress(uint64_t* state, const uint8_t* blocks, size_t count);
