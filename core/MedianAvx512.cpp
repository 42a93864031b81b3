#include "core/MedianAvx512.h"

#include "core/Avx512.h"

#ifdef DORVANE_HAS_AVX512

#include "core/SimulationState.h"

#include <algorithm>
#include <limits>

namespace avx512 {
namespace {

constexpr int kWidth = 16;

inline __mmask16 FirstLanes(int count) {
    return count >= kWidth ? __mmask16(0xffff) : static_cast<__mmask16>((1u << count) - 1u);
}

// The values of v[0..m) below the pivot into below, those above into above
// (in their order); returns how many went to each. Compressed in a register
// and stored whole: the buffers have a vector's room beyond their end.
DORVANE_AVX512 void Split(const float* v, int m, float pivot, float* below, int& belowCount,
                          float* above, int& aboveCount) {
    const __m512 p = _mm512_set1_ps(pivot);
    int nb = 0, na = 0;
    for (int i = 0; i < m; i += kWidth) {
        const __mmask16 live = FirstLanes(m - i);
        const __m512 x = _mm512_maskz_loadu_ps(live, v + i);
        const __mmask16 lt = _mm512_mask_cmp_ps_mask(live, x, p, _CMP_LT_OQ);
        const __mmask16 gt = _mm512_mask_cmp_ps_mask(live, x, p, _CMP_GT_OQ);
        _mm512_storeu_ps(below + nb, _mm512_maskz_compress_ps(lt, x));
        _mm512_storeu_ps(above + na, _mm512_maskz_compress_ps(gt, x));
        nb += __builtin_popcount(lt);
        na += __builtin_popcount(gt);
    }
    belowCount = nb;
    aboveCount = na;
}

DORVANE_AVX512 float Largest(const float* v, int m) {
    __m512 high = _mm512_set1_ps(-std::numeric_limits<float>::infinity());
    for (int i = 0; i < m; i += kWidth)
        high = _mm512_max_ps(high, _mm512_mask_loadu_ps(high, FirstLanes(m - i), v + i));
    return _mm512_reduce_max_ps(high);
}

} // namespace

DORVANE_AVX512 void MedianAndRange(const float* v, int n, float& median, float& range) {
    __m512 low = _mm512_set1_ps(v[0]), high = low;
    for (int i = 0; i < n; i += kWidth) {
        const __mmask16 live = FirstLanes(n - i);
        low = _mm512_min_ps(low, _mm512_mask_loadu_ps(low, live, v + i));
        high = _mm512_max_ps(high, _mm512_mask_loadu_ps(high, live, v + i));
    }
    const float lowest = _mm512_reduce_min_ps(low), highest = _mm512_reduce_max_ps(high);
    range = highest - lowest;
    if (!(lowest < highest)) {
        median = lowest;
        return;
    }

    // Quickselect for the upper middle (the middle for odd n). Going above a
    // pivot leaves it the largest value below the ones left; the lower middle
    // for even n is the largest left below the upper middle, or else that one.
    alignas(64) float buffers[3][kMaxSampleSize + kWidth];
    const bool even = n % 2 == 0;
    const float* current = v;
    int currentBuffer = -1, m = n, k = n / 2;
    float belowLargest = -std::numeric_limits<float>::infinity();
    float upperMiddle = 0.0f, lowerMiddle = 0.0f;
    for (int round = 0;; ++round) {
        int free[3], f = 0; // in the first round all three buffers are free
        for (int b = 0; b < 3; ++b)
            if (b != currentBuffer) free[f++] = b;
        if (m <= 32 || round == 40) {
            // Few left, or the pivots keep missing: order the rest plainly.
            float* rest = buffers[free[0]];
            std::copy(current, current + m, rest);
            std::nth_element(rest, rest + k, rest + m);
            upperMiddle = rest[k];
            if (even) lowerMiddle = k > 0 ? Largest(rest, k) : belowLargest;
            break;
        }
        float a = current[0], b = current[m / 2], c = current[m - 1];
        const float pivot = std::max(std::min(a, b), std::min(std::max(a, b), c));
        int nb, na;
        Split(current, m, pivot, buffers[free[0]], nb, buffers[free[1]], na);
        const int equal = m - nb - na;
        if (k < nb) {
            current = buffers[free[0]], currentBuffer = free[0], m = nb;
        } else if (k < nb + equal) {
            upperMiddle = pivot;
            if (even)
                lowerMiddle = k > nb   ? pivot
                              : nb > 0 ? Largest(buffers[free[0]], nb)
                                       : belowLargest;
            break;
        } else {
            belowLargest = pivot;
            k -= nb + equal;
            current = buffers[free[1]], currentBuffer = free[1], m = na;
        }
    }
    median = even ? static_cast<float>((static_cast<double>(lowerMiddle) + upperMiddle) / 2.0)
                  : upperMiddle;
}

} // namespace avx512

#else

namespace avx512 {
void MedianAndRange(const float*, int, float&, float&) {}
} // namespace avx512

#endif
