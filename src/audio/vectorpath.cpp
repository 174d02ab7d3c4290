// The processor's vector paths (see vectorpath.h).
#include "audio/vectorpath.h"

VectorPath fastestpath() {
#if defined(QUILLON_AVX)
  static const bool avx = (__builtin_cpu_init(), __builtin_cpu_supports("avx"));
  if (avx) return VectorPath::Avx;
#endif
#if defined(QUILLON_SSE2)
  return VectorPath::Sse2;
#else
  return VectorPath::Plain;
#endif
}

std::vector<VectorPath> availablepaths() {
  std::vector<VectorPath> paths;
  for (VectorPath p : {VectorPath::Plain, VectorPath::Sse2, VectorPath::Avx})
    if (p <= fastestpath()) paths.push_back(p);
  return paths;
}

const char* pathname(VectorPath path) {
  switch (path) {
    case VectorPath::Avx: return "Avx";
    case VectorPath::Sse2: return "Sse2";
    case VectorPath::Plain: break;
  }
  return "Plain";
}
