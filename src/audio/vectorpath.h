// The vector code of the render: which instruction sets are compiled in (none when
// QUILLON_NO_VECTORS is defined), and which path a render takes. Every path gives the
// same bits; the fastest the processor runs is the default, and tests run each in turn.
#pragma once
#include <vector>

#if defined(__SSE2__) && !defined(QUILLON_NO_VECTORS)
#define QUILLON_SSE2 1
#endif
#if defined(QUILLON_SSE2) && defined(__x86_64__) && defined(__GNUC__)
#define QUILLON_AVX 1
#endif

enum class VectorPath { Plain, Sse2, Avx };

// The fastest path the processor runs.
VectorPath fastestpath();
// Every path the processor runs, the plain one first.
std::vector<VectorPath> availablepaths();
const char* pathname(VectorPath path);
