// What the processor offers beyond the portable code paths, found out once
// per process.
#pragma once

// SHA extensions with SSSE3 and SSE4.1.
bool HasSHAExtensions();
// Carry-less multiplication (PCLMULQDQ) with SSE4.1.
bool HasCarrylessMultiply();
