#pragma once
// What the AVX-512 code of core shares: the intrinsics and the target its
// functions are built for, where the compiler and the processor family have
// them. Which processor runs them is decided at run time (HasAvx512).

#if defined(__GNUC__) && defined(__x86_64__)
#define DORVANE_HAS_AVX512 1

// GCC 12's AVX-512 header returns self-initialised placeholders for lanes an
// operation leaves undefined, and -Wuninitialized reports them wherever they
// are inlined (GCC bug 105593).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop

// Every step is the scalar one of core/ValueDraw in each lane, in the same
// single and double precision. The core library is built without contraction
// of multiply and add (this target has fused multiply-adds, which round once
// where the scalar code rounds twice).
#define DORVANE_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl")))
#endif
