#include "core/VectorState.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>

namespace {
__attribute__((target("avx"))) void ZeroUpper() {
    _mm256_zeroupper();
}
} // namespace

void ClearUpperVectorState() {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) ZeroUpper();
}
#else
void ClearUpperVectorState() {}
#endif
