#include "core/SampleBatchAvx512.h"

#include "core/Avx512.h"

#ifdef DORVANE_HAS_AVX512

#include <algorithm>

bool HasAvx512() {
    static const bool has = __builtin_cpu_supports("avx512f") &&
                            __builtin_cpu_supports("avx512bw") &&
                            __builtin_cpu_supports("avx512vl");
    return has;
}

namespace avx512 {
namespace {

constexpr int kBlock = 8; // values of every sample drawn in one block

DORVANE_AVX512 inline __m256i Jump(__m256i state, const RandJump& jump) {
    return _mm256_add_epi32(_mm256_mullo_epi32(state, _mm256_set1_epi32(int(jump.multiplier))),
                            _mm256_set1_epi32(int(jump.increment)));
}
// RandOutput: bits 16..30 of the state.
DORVANE_AVX512 inline __m256i Number(__m256i state) {
    return _mm256_srli_epi32(_mm256_slli_epi32(state, 1), 17);
}
// UnitFromRand, widened to double.
DORVANE_AVX512 inline __m512d Unit(__m256i state) {
    const __m256 u = _mm256_mul_ps(_mm256_cvtepi32_ps(Number(state)), _mm256_set1_ps(kInvRandMax));
    return _mm512_cvtps_pd(_mm256_min_ps(u, _mm256_set1_ps(1.0f)));
}

// The columns of 32 numbers (16-bit lanes): how many bounds are at most the
// number, by binary search over the 64 sorted bounds.
DORVANE_AVX512 inline __m512i Columns(__m512i numbers, __m512i boundsLow, __m512i boundsHigh) {
    __m512i found = _mm512_setzero_si512();
    for (int step = 32; step >= 1; step /= 2) {
        const __m512i probe = _mm512_add_epi16(found, _mm512_set1_epi16(short(step - 1)));
        const __m512i bound = _mm512_permutex2var_epi16(boundsLow, probe, boundsHigh);
        const __mmask32 below = _mm512_cmple_epu16_mask(bound, numbers);
        found = _mm512_mask_add_epi16(found, below, found, _mm512_set1_epi16(short(step)));
    }
    return found;
}

// Rows of eight floats become columns: r[i][s] goes to r[s][i].
DORVANE_AVX512 inline void Transpose(__m256 r[8]) {
    __m256 t[8];
    for (int i = 0; i < 8; i += 2) {
        t[i] = _mm256_unpacklo_ps(r[i], r[i + 1]);
        t[i + 1] = _mm256_unpackhi_ps(r[i], r[i + 1]);
    }
    __m256 q[8];
    for (int i = 0; i < 8; i += 4) {
        q[i] = _mm256_shuffle_ps(t[i], t[i + 2], 0x44);
        q[i + 1] = _mm256_shuffle_ps(t[i], t[i + 2], 0xee);
        q[i + 2] = _mm256_shuffle_ps(t[i + 1], t[i + 3], 0x44);
        q[i + 3] = _mm256_shuffle_ps(t[i + 1], t[i + 3], 0xee);
    }
    for (int i = 0; i < 4; ++i) {
        r[i] = _mm256_permute2f128_ps(q[i], q[i + 4], 0x20);
        r[i + 4] = _mm256_permute2f128_ps(q[i], q[i + 4], 0x31);
    }
}

// The tally column counts of the eight samples, kept as bit planes so that a
// block's 64 counts are a few logic operations instead of 64 increments in
// memory: bit t of plane k in lane s is bit k of sample s's count of column
// t. A block adds eight marks, one bit each, per lane.
struct TallyCounter {
    __m256i ones{}, twos{}, fours{};
    __m256i eights[7]{}; // counts up to 1023, above the largest sample

    // sum, carry = the sum bit and carry of sum + a + b.
    DORVANE_AVX512 static void Add3(__m256i& carry, __m256i& sum, __m256i a, __m256i b) {
        const __m256i s = sum;
        sum = _mm256_ternarylogic_epi32(s, a, b, 0x96);
        carry = _mm256_ternarylogic_epi32(s, a, b, 0xe8);
    }
    DORVANE_AVX512 void Add(const __m256i marks[kBlock]) {
        __m256i twosA, twosB, foursA, foursB, carry;
        Add3(twosA, ones, marks[0], marks[1]);
        Add3(twosB, ones, marks[2], marks[3]);
        Add3(foursA, twos, twosA, twosB);
        Add3(twosA, ones, marks[4], marks[5]);
        Add3(twosB, ones, marks[6], marks[7]);
        Add3(foursB, twos, twosA, twosB);
        Add3(carry, fours, foursA, foursB);
        for (__m256i& plane : eights) {
            const __m256i next = _mm256_and_si256(plane, carry);
            plane = _mm256_xor_si256(plane, carry);
            carry = next;
        }
    }
    DORVANE_AVX512 void Store(SampleRow* const rows[]) const {
        constexpr int kPlanes = 10;
        alignas(32) std::uint32_t planes[kPlanes][kLanes];
        _mm256_store_si256(reinterpret_cast<__m256i*>(planes[0]), ones);
        _mm256_store_si256(reinterpret_cast<__m256i*>(planes[1]), twos);
        _mm256_store_si256(reinterpret_cast<__m256i*>(planes[2]), fours);
        for (int k = 0; k < 7; ++k)
            _mm256_store_si256(reinterpret_cast<__m256i*>(planes[3 + k]), eights[k]);
        for (int s = 0; s < kLanes; ++s) {
            for (int t = 0; t <= kTallyColumns; ++t) {
                int count = 0;
                for (int k = 0; k < kPlanes; ++k)
                    count |= static_cast<int>((planes[k][s] >> t) & 1u) << k;
                rows[s]->columnCounts[t] = count;
            }
        }
    }
};

// The generator's side of a block: each value's column and (continuous) the
// state of its first uniform number. A block is worked out one block ahead
// of its values, so the latency of the column search hides behind the
// values before it.
struct BlockStart {
    __m256i unitStates[kBlock];
    alignas(64) std::uint16_t columns[kBlock * kLanes];
};

// Two vectors of numbers as one of 16-bit numbers.
DORVANE_AVX512 inline __m256i Words(__m256i low, __m256i high) {
    return _mm256_inserti128_si256(_mm256_castsi128_si256(_mm256_cvtepi32_epi16(low)),
                                   _mm256_cvtepi32_epi16(high), 1);
}

template <Kind kKind, bool kCommonZero>
DORVANE_AVX512 inline void Prepare(BlockStart& block, __m256i& state, __m512i boundsLow,
                                   __m512i boundsHigh, __m256i zeroEnd) {
    constexpr RandJump two = RandJumpOf(2), three = RandJumpOf(3), four = RandJumpOf(4);
    __m256i numbers[kBlock];
    for (int i = 0; i < kBlock; ++i) {
        const __m256i columnState = Jump(state, two); // after the thrown-away number
        numbers[i] = Number(columnState);
        if (kKind != Kind::Continuous) {
            state = columnState;
            continue;
        }
        // A value of column 0 takes one number more.
        const __mmask8 zero = _mm256_cmpgt_epi32_mask(zeroEnd, numbers[i]);
        const __m256i next = Jump(state, three);
        block.unitStates[i] = next;
        if (kCommonZero || zero)
            state = _mm256_mask_blend_epi32(zero, next, Jump(state, four));
        else
            state = next;
    }
    for (int half = 0; half < 2; ++half) {
        const __m256i* quarter = numbers + 4 * half;
        const __m256i low = Words(quarter[0], quarter[1]);
        const __m256i high = Words(quarter[2], quarter[3]);
        const __m512i words = _mm512_inserti64x4(_mm512_castsi256_si512(low), high, 1);
        _mm512_store_si512(block.columns + 32 * half, Columns(words, boundsLow, boundsHigh));
    }
}

// ContinuousValue in every lane, from the state of the value's first uniform
// number.
template <bool kCommonZero>
DORVANE_AVX512 inline __m256 ContinuousValues(__m256i column, __m256i unitState) {
    constexpr RandJump one = RandJumpOf(1);
    const __m512d fifth = _mm512_set1_pd(0.2);
    const __m512d tenth = _mm512_set1_pd(0.1);
    const __m512d u = Unit(unitState);
    // (column + 1 - 0.5) is exact in double, as column + 0.5.
    const __m512d centre =
        _mm512_mul_pd(_mm512_add_pd(_mm512_cvtepi32_pd(column), _mm512_set1_pd(0.5)), fifth);
    __m512d value = _mm512_sub_pd(centre, _mm512_mul_pd(u, fifth));
    const __mmask8 zero = _mm256_cmpeq_epi32_mask(column, _mm256_setzero_si256());
    if (kCommonZero || zero) {
        const __m512d u4 = Unit(Jump(unitState, one));
        const __mmask8 low = _mm512_cmp_pd_mask(u, _mm512_set1_pd(0.8), _CMP_LT_OQ);
        const __m512d base = _mm512_mask_blend_pd(low, _mm512_set1_pd(0.2), tenth);
        value = _mm512_mask_blend_pd(zero, value, _mm512_sub_pd(base, _mm512_mul_pd(u4, tenth)));
    }
    // max and min keep their second operand unless the first wins, as the
    // scalar tests do (a -0.0 stays -0.0).
    const __m256 single = _mm512_cvtpd_ps(value);
    return _mm256_min_ps(_mm256_set1_ps(10.0f), _mm256_max_ps(_mm256_setzero_ps(), single));
}

// kCommonZero: column 0 is common enough that a branch on it would often
// go the wrong way, so both ways are worked out and blended.
template <Kind kKind, bool kCommonZero = false>
DORVANE_AVX512 void Draw(SampleRow* const rows[], SampleSums sums[], const std::uint32_t starts[],
                         int n, const ValueTables& tables) {
    const __m512i boundsLow = _mm512_loadu_si512(tables.columnBounds);
    const __m512i boundsHigh = _mm512_loadu_si512(tables.columnBounds + 32);
    const __m256i zeroEnd = _mm256_set1_epi32(tables.columnBounds[0]);
    const __m256 discreteLow = _mm256_loadu_ps(tables.discreteValue);
    const __m256 discreteHigh = _mm256_loadu_ps(tables.discreteValue + 3); // entries 3..10
    const __m256i tallyLow =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(tables.discreteColumn));
    const __m256i tallyHigh =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(tables.discreteColumn + 3));
    const __m256i one = _mm256_set1_epi32(1);

    __m256i state = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(starts));
    // float + float rounds the same whether done in float or in double and
    // rounded (double has more than twice float's precision), so the sum
    // needs no trip through double; the square's does.
    __m256 sum = _mm256_setzero_ps();
    __m512d sumSq = _mm512_setzero_pd();
    TallyCounter counter;
    BlockStart current, next;
    Prepare<kKind, kCommonZero>(next, state, boundsLow, boundsHigh, zeroEnd);
    for (int first = 1; first <= n; first += kBlock) {
        current = next;
        const int size = std::min(kBlock, n - first + 1);
        if (first + kBlock <= n)
            Prepare<kKind, kCommonZero>(next, state, boundsLow, boundsHigh, zeroEnd);
        __m256 values[kBlock];
        __m256i marks[kBlock];
        for (int i = 0; i < kBlock; ++i)
            marks[i] = _mm256_setzero_si256();
        for (int i = 0; i < size; ++i) {
            const __m256i column = _mm256_cvtepu16_epi32(
                _mm_load_si128(reinterpret_cast<const __m128i*>(current.columns + kLanes * i)));
            __m256 v;
            __m256i tally;
            if (kKind == Kind::Continuous) {
                v = ContinuousValues<kCommonZero>(column, current.unitStates[i]);
                // TallyColumn: 2 v is exact and v >= 0, so trunc(2 v + 1) is
                // trunc(2 v) + 1.
                tally = _mm256_add_epi32(_mm256_cvttps_epi32(_mm256_add_ps(v, v)), one);
            } else if (kKind == Kind::Discrete) {
                // Entries 8..10 come from the second load, which starts at 3.
                const __m256i high = _mm256_sub_epi32(column, _mm256_set1_epi32(3));
                const __mmask8 upper = _mm256_cmpgt_epi32_mask(column, _mm256_set1_epi32(7));
                v = _mm256_mask_permutexvar_ps(_mm256_permutexvar_ps(column, discreteLow), upper,
                                               high, discreteHigh);
                tally = _mm256_mask_permutexvar_epi32(_mm256_permutexvar_epi32(column, tallyLow),
                                                      upper, high, tallyHigh);
            } else {
                v = _mm256_cvtepi32_ps(column);
                tally = _mm256_add_epi32(column, one);
            }
            sum = _mm256_add_ps(sum, v);
            const __m512d wide = _mm512_cvtps_pd(v);
            sumSq =
                _mm512_cvtps_pd(_mm512_cvtpd_ps(_mm512_add_pd(sumSq, _mm512_mul_pd(wide, wide))));
            marks[i] = _mm256_sllv_epi32(one, tally);
            values[i] = v;
        }
        counter.Add(marks);
        if (size == kBlock) {
            Transpose(values);
            for (int s = 0; s < kLanes; ++s)
                _mm256_storeu_ps(rows[s]->values + first, values[s]);
        } else {
            alignas(32) float staged[kBlock][kLanes];
            for (int i = 0; i < size; ++i)
                _mm256_store_ps(staged[i], values[i]);
            for (int s = 0; s < kLanes; ++s)
                for (int i = 0; i < size; ++i)
                    rows[s]->values[first + i] = staged[i][s];
        }
    }
    counter.Store(rows);
    alignas(32) float sumOut[kLanes];
    alignas(32) float sumSqOut[kLanes];
    _mm256_store_ps(sumOut, sum);
    _mm256_store_ps(sumSqOut, _mm512_cvtpd_ps(sumSq));
    for (int s = 0; s < kLanes; ++s)
        sums[s] = SampleSums{sumOut[s], sumSqOut[s]};
}

} // namespace

void DrawBatch(Kind kind, SampleRow* const rows[], SampleSums sums[], const std::uint32_t starts[],
               int n, const ValueTables& tables) {
    switch (kind) {
    case Kind::Continuous:
        // One value in 64 or more of column 0: one step in eight or more has
        // one among its eight lanes.
        if (tables.columnBounds[0] >= (kRandMax + 1) / 64)
            Draw<Kind::Continuous, true>(rows, sums, starts, n, tables);
        else
            Draw<Kind::Continuous>(rows, sums, starts, n, tables);
        break;
    case Kind::Discrete:
        Draw<Kind::Discrete>(rows, sums, starts, n, tables);
        break;
    case Kind::Binomial:
        Draw<Kind::Binomial>(rows, sums, starts, n, tables);
        break;
    }
}

} // namespace avx512

#else

bool HasAvx512() {
    return false;
}

namespace avx512 {
void DrawBatch(Kind, SampleRow* const[], SampleSums[], const std::uint32_t[], int,
               const ValueTables&) {}
} // namespace avx512

#endif
