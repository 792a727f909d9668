// What the processor offers beyond the portable code paths, found out once
// per process.
#pragma once

// SHA extensions with SSSE3 and SSE4.1.
bool HasSHAExtensions();
// Carry-less multiplication (PCLMULQDQ) with SSE4.1.
bool HasCarrylessMultiply();
// AVX2 with BMI1 and BMI2, and the operating system saving the registers.
bool HasAVX2();
// The above with AVX-512F and AVX-512VL (rotations and three-way logic on
// 256-bit registers), the operating system saving the AVX-512 state.
bool HasAVX512VL();
