#include "core/SampleBatch.h"

#include "core/Random.h"
#include "core/SimulationState.h"

#include <algorithm>
#include <bit>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define DORVANE_BATCH_AVX2 1
#endif

namespace {

constexpr int kLongestSample = 4 * kMaxSampleSize; // numbers of the generator

// Every jump a batch needs, 0 .. kLongestSample + 3 steps and a block of
// eight values past the end (the scan looks that far), made once; and the
// same jumps by thirds (every third one from 0, 1 or 2 steps on), multipliers
// and increments apart, for the column-0 scan to load eight at a time.
constexpr int kJumps = kLongestSample + 32;
constexpr int kThirds = kJumps / 3 + 1;
struct JumpTable {
    RandJump jumps[kJumps];
    std::uint32_t thirdMultipliers[3][kThirds];
    std::uint32_t thirdIncrements[3][kThirds];
    JumpTable() {
        RandJump jump;
        for (int k = 0; k < 3 * kThirds; ++k) {
            if (k < kJumps) jumps[k] = jump;
            thirdMultipliers[k % 3][k / 3] = jump.multiplier;
            thirdIncrements[k % 3][k / 3] = jump.increment;
            jump = {jump.multiplier * kRandMultiplier,
                    jump.increment * kRandMultiplier + kRandIncrement};
        }
    }
};
const JumpTable& Jumps() {
    static const JumpTable table;
    return table;
}

// The values of a continuous sample that fall into column 0, whose numbers
// are 0..zeroLast. Value j's column is the second number after the value's
// start, and starts follow each other by three numbers, four after a value of
// column 0. A block of eight values is tested at once on the assumption that
// none of them is of column 0; the first that is ends the block, and the next
// block starts one number later. hitsOf(offset) gives the block's hits as
// bits, value i's number being jump offset + 3 i + 2 from the start.
template <class HitsOf> int CountColumnZero(int n, HitsOf hitsOf) {
    int zeros = 0;
    int offset = 0; // numbers taken before value j
    for (int j = 0; j < n;) {
        const int block = std::min(8, n - j);
        const unsigned hits = hitsOf(offset) & ((1u << block) - 1);
        if (hits == 0) {
            j += block;
            offset += 3 * block;
            continue;
        }
        const int first = std::countr_zero(hits);
        j += first + 1;
        offset += 3 * (first + 1) + 1;
        ++zeros;
    }
    return zeros;
}

int ColumnZeroValues(std::uint32_t start, int n, int zeroLast) {
    const JumpTable& table = Jumps();
    return CountColumnZero(n, [&](int offset) {
        unsigned hits = 0;
        for (int i = 0; i < 8; ++i) {
            const std::uint32_t state = table.jumps[offset + 3 * i + 2].Apply(start);
            hits |= static_cast<unsigned>(RandOutput(state) <= zeroLast) << i;
        }
        return hits;
    });
}

#ifdef DORVANE_BATCH_AVX2
// The eight samples of a batch in the eight lanes of the vector registers:
// every step below is the scalar one of core/ValueDraw done in each lane, in
// the same single and double precision and without fused multiply-adds, so
// each lane's results are bit for bit the scalar ones.
namespace avx2 {

#define DORVANE_AVX2 __attribute__((target("avx2")))

DORVANE_AVX2 inline __m256i Step(__m256i state, const RandJump& jump) {
    return _mm256_add_epi32(_mm256_mullo_epi32(state, _mm256_set1_epi32(int(jump.multiplier))),
                            _mm256_set1_epi32(int(jump.increment)));
}
DORVANE_AVX2 inline __m256i Output(__m256i state) {
    return _mm256_and_si256(_mm256_srli_epi32(state, 16), _mm256_set1_epi32(0x7fff));
}
// UnitFromRand in each lane: r / 32767 in single precision, at most 1.
DORVANE_AVX2 inline __m256 Unit(__m256i state) {
    const __m256 u = _mm256_mul_ps(_mm256_cvtepi32_ps(Output(state)), _mm256_set1_ps(kInvRandMax));
    return _mm256_min_ps(u, _mm256_set1_ps(1.0f));
}
DORVANE_AVX2 inline __m256d Low(__m256 x) {
    return _mm256_cvtps_pd(_mm256_castps256_ps128(x));
}
DORVANE_AVX2 inline __m256d High(__m256 x) {
    return _mm256_cvtps_pd(_mm256_extractf128_ps(x, 1));
}
DORVANE_AVX2 inline __m256 Join(__m256d low, __m256d high) {
    return _mm256_insertf128_ps(_mm256_castps128_ps256(_mm256_cvtpd_ps(low)), _mm256_cvtpd_ps(high),
                                1);
}
DORVANE_AVX2 inline __m256d IntLow(__m256i x) {
    return _mm256_cvtepi32_pd(_mm256_castsi256_si128(x));
}
DORVANE_AVX2 inline __m256d IntHigh(__m256i x) {
    return _mm256_cvtepi32_pd(_mm256_extracti128_si256(x, 1));
}

// ContinuousValue for one half of the lanes, in double precision.
DORVANE_AVX2 inline __m256d MainValue(__m256d column, __m256d u2) {
    const __m256d fifth = _mm256_set1_pd(0.2);
    const __m256d centre = _mm256_mul_pd(
        _mm256_sub_pd(_mm256_add_pd(column, _mm256_set1_pd(1.0)), _mm256_set1_pd(0.5)), fifth);
    return _mm256_sub_pd(centre, _mm256_mul_pd(u2, fifth));
}
DORVANE_AVX2 inline __m256d ColumnZeroValue(__m256d u3, __m256d u4) {
    const __m256d tenth = _mm256_set1_pd(0.1);
    const __m256d low = _mm256_cmp_pd(u3, _mm256_set1_pd(0.8), _CMP_LT_OQ);
    const __m256d base = _mm256_blendv_pd(_mm256_set1_pd(0.2), tenth, low);
    return _mm256_sub_pd(base, _mm256_mul_pd(u4, tenth));
}

// One continuous value in every lane, from the state after its column's
// number; the state moves on by one number, or two for column 0.
DORVANE_AVX2 inline __m256 ContinuousValues(__m256i column, __m256i& state) {
    const RandJump one = RandJumpOf(1);
    const __m256i next = Step(state, one);
    const __m256 u = Unit(next);
    __m256d low = MainValue(IntLow(column), Low(u));
    __m256d high = MainValue(IntHigh(column), High(u));
    const __m256i zero = _mm256_cmpeq_epi32(column, _mm256_setzero_si256());
    if (_mm256_testz_si256(zero, zero)) {
        state = next;
    } else {
        const __m256i after = Step(next, one);
        const __m256 u4 = Unit(after);
        const __m256d zeroLow = ColumnZeroValue(Low(u), Low(u4));
        const __m256d zeroHigh = ColumnZeroValue(High(u), High(u4));
        const __m256i zeroLowMask = _mm256_cvtepi32_epi64(_mm256_castsi256_si128(zero));
        const __m256i zeroHighMask = _mm256_cvtepi32_epi64(_mm256_extracti128_si256(zero, 1));
        low = _mm256_blendv_pd(low, zeroLow, _mm256_castsi256_pd(zeroLowMask));
        high = _mm256_blendv_pd(high, zeroHigh, _mm256_castsi256_pd(zeroHighMask));
        state = _mm256_blendv_epi8(next, after, zero);
    }
    __m256 value = Join(low, high);
    const __m256 floor = _mm256_setzero_ps();
    const __m256 ceiling = _mm256_set1_ps(10.0f);
    value = _mm256_blendv_ps(value, floor, _mm256_cmp_ps(value, floor, _CMP_LT_OQ));
    value = _mm256_blendv_ps(value, ceiling, _mm256_cmp_ps(value, ceiling, _CMP_GT_OQ));
    return value;
}

// TallyColumn in every lane: trunc(2 v + 1) in double precision.
DORVANE_AVX2 inline __m256i TallyColumns(__m256 value) {
    const __m256d two = _mm256_set1_pd(2.0);
    const __m256d one = _mm256_set1_pd(1.0);
    const __m128i low = _mm256_cvttpd_epi32(_mm256_add_pd(_mm256_mul_pd(two, Low(value)), one));
    const __m128i high = _mm256_cvttpd_epi32(_mm256_add_pd(_mm256_mul_pd(two, High(value)), one));
    return _mm256_insertf128_si256(_mm256_castsi128_si256(low), high, 1);
}

// sum + v and sumSq + v * v in double precision, stored in single.
DORVANE_AVX2 inline void Accumulate(__m256& sum, __m256& sumSq, __m256 value) {
    const __m256d vLow = Low(value), vHigh = High(value);
    sum = Join(_mm256_add_pd(Low(sum), vLow), _mm256_add_pd(High(sum), vHigh));
    sumSq = Join(_mm256_add_pd(Low(sumSq), _mm256_mul_pd(vLow, vLow)),
                 _mm256_add_pd(High(sumSq), _mm256_mul_pd(vHigh, vHigh)));
}

DORVANE_AVX2 void DrawBatch(Kind kind, SampleRow* const rows[], SampleSums sums[],
                            const std::uint32_t starts[], int n, const ValueTables& tables) {
    const RandJump two = RandJumpOf(2); // the thrown-away number and the column's
    const int* const columnBytes = reinterpret_cast<const int*>(tables.columnOfRand);
    __m256i state = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(starts));
    __m256 sum = _mm256_setzero_ps();
    __m256 sumSq = _mm256_setzero_ps();
    alignas(32) float values[kSampleBatch];
    alignas(32) int columns[kSampleBatch];
    for (int j = 1; j <= n; ++j) {
        state = Step(state, two);
        const __m256i column = _mm256_and_si256(
            _mm256_i32gather_epi32(columnBytes, Output(state), 1), _mm256_set1_epi32(0xff));
        __m256 value;
        __m256i tally;
        switch (kind) {
        case Kind::Binomial:
            value = _mm256_cvtepi32_ps(column);
            tally = _mm256_add_epi32(column, _mm256_set1_epi32(1));
            break;
        case Kind::Discrete:
            value = _mm256_i32gather_ps(tables.discreteValue, column, 4);
            tally = _mm256_i32gather_epi32(tables.discreteColumn, column, 4);
            break;
        case Kind::Continuous:
        default:
            value = ContinuousValues(column, state);
            tally = TallyColumns(value);
            break;
        }
        Accumulate(sum, sumSq, value);
        _mm256_store_ps(values, value);
        _mm256_store_si256(reinterpret_cast<__m256i*>(columns), tally);
        for (int s = 0; s < kSampleBatch; ++s) {
            rows[s]->values[j] = values[s];
            rows[s]->columnCounts[columns[s]] += 1;
        }
    }
    alignas(32) float sumOut[kSampleBatch];
    alignas(32) float sumSqOut[kSampleBatch];
    _mm256_store_ps(sumOut, sum);
    _mm256_store_ps(sumSqOut, sumSq);
    for (int s = 0; s < kSampleBatch; ++s)
        sums[s] = SampleSums{sumOut[s], sumSqOut[s]};
}

// Which of the eight values from jump offset are of column 0, as bits.
DORVANE_AVX2 unsigned ColumnZeroHits(std::uint32_t start, int zeroLast, int offset) {
    const JumpTable& table = Jumps();
    const int third = (offset + 2) % 3, first = (offset + 2) / 3;
    const __m256i multipliers = _mm256_loadu_si256(
        reinterpret_cast<const __m256i*>(table.thirdMultipliers[third] + first));
    const __m256i increments = _mm256_loadu_si256(
        reinterpret_cast<const __m256i*>(table.thirdIncrements[third] + first));
    const __m256i state = _mm256_add_epi32(
        _mm256_mullo_epi32(_mm256_set1_epi32(int(start)), multipliers), increments);
    const __m256i hit = _mm256_cmpgt_epi32(_mm256_set1_epi32(zeroLast + 1), Output(state));
    return static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(hit)));
}

int ColumnZeroValues(std::uint32_t start, int n, int zeroLast) {
    return CountColumnZero(n, [&](int offset) { return ColumnZeroHits(start, zeroLast, offset); });
}

#undef DORVANE_AVX2
} // namespace avx2

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#else
bool HasAvx2() {
    return false;
}
#endif

// A whole batch: every value index in turn for all samples, so the samples'
// generator and sum chains run side by side.
template <Kind kKind>
void DrawFullBatch(SampleRow* const rows[], SampleSums sums[], const std::uint32_t starts[], int n,
                   const ValueTables& tables) {
    RunStream streams[kSampleBatch];
    SampleSums local[kSampleBatch];
    for (int s = 0; s < kSampleBatch; ++s)
        streams[s].state = starts[s];
    for (int j = 1; j <= n; ++j) {
        for (int s = 0; s < kSampleBatch; ++s) {
            int c;
            const float v = DrawValue(kKind, tables, streams[s], c);
            AddValue(*rows[s], local[s], j, v, c);
        }
    }
    std::copy(local, local + kSampleBatch, sums);
}

template <Kind kKind>
void DrawBatchOf(SampleRow* const rows[], SampleSums sums[], const std::uint32_t starts[],
                 int count, int n, const ValueTables& tables) {
    if (count == kSampleBatch) {
#ifdef DORVANE_BATCH_AVX2
        if (HasAvx2()) {
            avx2::DrawBatch(kKind, rows, sums, starts, n, tables);
            return;
        }
#endif
        DrawFullBatch<kKind>(rows, sums, starts, n, tables);
        return;
    }
    // The last few samples of a run, one after another.
    for (int s = 0; s < count; ++s) {
        RunStream stream{starts[s]};
        DrawValuesQuietly<kKind>(*rows[s], sums[s], 1, n, tables, stream);
    }
}

} // namespace

int SampleStreamLength(std::uint32_t start, int n, Kind kind, const ValueTables& tables) {
    if (kind != Kind::Continuous) return 2 * n;
    if (tables.columnZeroLast < 0) return 3 * n;
#ifdef DORVANE_BATCH_AVX2
    if (HasAvx2()) return 3 * n + avx2::ColumnZeroValues(start, n, tables.columnZeroLast);
#endif
    return 3 * n + ColumnZeroValues(start, n, tables.columnZeroLast);
}

std::uint32_t JumpAhead(std::uint32_t state, int steps) {
    return Jumps().jumps[steps].Apply(state);
}

void DrawSampleBatch(SampleRow* const rows[], SampleSums sums[], const std::uint32_t starts[],
                     int count, int n, Kind kind, const ValueTables& tables) {
    switch (kind) {
    case Kind::Continuous:
        DrawBatchOf<Kind::Continuous>(rows, sums, starts, count, n, tables);
        break;
    case Kind::Discrete:
        DrawBatchOf<Kind::Discrete>(rows, sums, starts, count, n, tables);
        break;
    case Kind::Binomial:
        DrawBatchOf<Kind::Binomial>(rows, sums, starts, count, n, tables);
        break;
    }
}
