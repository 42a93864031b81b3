// How many values of a continuous sample fall into column 0, for the jump
// ahead to the next sample of a batch, without drawing the values.
#include "core/SampleBatchAvx512.h"

#include "core/Avx512.h"

#ifdef DORVANE_HAS_AVX512

#include <bit>

namespace avx512 {
namespace {

// Jumps to the column numbers of 16 values in a row (3 i + 2 numbers on).
struct ColumnJumps {
    DORVANE_AVX512 __m512i StatesFrom(std::uint32_t state) const {
        return _mm512_add_epi32(
            _mm512_mullo_epi32(_mm512_set1_epi32(int(state)), _mm512_load_si512(multipliers)),
            _mm512_load_si512(increments));
    }
    alignas(64) std::uint32_t multipliers[16];
    alignas(64) std::uint32_t increments[16];
    RandJump restarts[32]; // past i values and one of column 0
    ColumnJumps() {
        for (int i = 0; i < 16; ++i) {
            const RandJump jump = RandJumpOf(3 * i + 2);
            multipliers[i] = jump.multiplier;
            increments[i] = jump.increment;
        }
        for (int i = 0; i < 32; ++i)
            restarts[i] = RandJumpOf(3 * (i + 1) + 1);
    }
};

// 32 values are tested at once, on the assumption that none before is of
// column 0; the first that is ends the block, and the next block starts one
// number later than the assumption put it. Two vectors of 16 keep two
// chains of jumps going. Each value of column 0 costs a new start.
DORVANE_AVX512 int ByBlocks(std::uint32_t start, int n, int zeroEnd) {
    static const ColumnJumps table;
    constexpr RandJump sixteen = RandJumpOf(48), thirtyTwo = RandJumpOf(96);
    const __m512i end = _mm512_set1_epi32(zeroEnd);
    const __m512i multiplier = _mm512_set1_epi32(int(thirtyTwo.multiplier));
    const __m512i increment = _mm512_set1_epi32(int(thirtyTwo.increment));
    int zeros = 0;
    std::uint32_t state = start; // before value j
    __m512i low = table.StatesFrom(state);
    __m512i high = table.StatesFrom(sixteen.Apply(state));
    for (int j = 0; j < n;) {
        const __m512i lowNumbers = _mm512_srli_epi32(_mm512_slli_epi32(low, 1), 17);
        const __m512i highNumbers = _mm512_srli_epi32(_mm512_slli_epi32(high, 1), 17);
        std::uint32_t hits = _mm512_cmplt_epi32_mask(lowNumbers, end) |
                             std::uint32_t{_mm512_cmplt_epi32_mask(highNumbers, end)} << 16;
        if (n - j < 32) hits &= (std::uint32_t{1} << (n - j)) - 1;
        if (hits == 0) {
            j += 32;
            state = thirtyTwo.Apply(state);
            low = _mm512_add_epi32(_mm512_mullo_epi32(low, multiplier), increment);
            high = _mm512_add_epi32(_mm512_mullo_epi32(high, multiplier), increment);
            continue;
        }
        const int before = std::countr_zero(hits);
        ++zeros;
        j += before + 1;
        state = table.restarts[before].Apply(state);
        low = table.StatesFrom(state);
        high = table.StatesFrom(sixteen.Apply(state));
    }
    return zeros;
}

// Where column 0 is common: first a mark for every number of the sample's
// stretch that falls into column 0, kept by the number's place mod 3 (bit i
// of marks[o] for number 3 i + 2 + o), then a walk from one value of column
// 0 to the next. Between two of them the column numbers are three apart, so
// the next one is the next mark of the same class.
DORVANE_AVX512 int ByMarks(std::uint32_t start, int n, int zeroEnd) {
    static const ColumnJumps table;
    constexpr int kMaxWords = (4 * kMaxSampleSize + 2) / 3 / 64 + 2;
    constexpr RandJump sixteen = RandJumpOf(48);
    const __m512i multiplier = _mm512_set1_epi32(int(sixteen.multiplier));
    const __m512i increment = _mm512_set1_epi32(int(sixteen.increment));
    const __m512i end = _mm512_set1_epi32(zeroEnd);
    // The walk looks at numbers up to 4 n + 2 from the start.
    const int words = (4 * n + 2) / 3 / 64 + 2;
    std::uint64_t marks[3][kMaxWords];
    for (int o = 0; o < 3; ++o) {
        __m512i states = table.StatesFrom(RandJumpOf(o).Apply(start));
        for (int w = 0; w < words; ++w) {
            std::uint64_t word = 0;
            for (int quarter = 0; quarter < 4; ++quarter) {
                const __m512i numbers = _mm512_srli_epi32(_mm512_slli_epi32(states, 1), 17);
                word |= std::uint64_t{_mm512_cmplt_epi32_mask(numbers, end)} << (16 * quarter);
                states = _mm512_add_epi32(_mm512_mullo_epi32(states, multiplier), increment);
            }
            marks[o][w] = word;
        }
    }
    int zeros = 0;
    int o = 0, first = 0; // value j's column number is 3 first + 2 + o
    for (int j = 0; j < n;) {
        int w = first / 64;
        std::uint64_t word = marks[o][w] & (~std::uint64_t{0} << (first % 64));
        while (word == 0 && ++w < words)
            word = marks[o][w];
        if (word == 0) break;
        const int next = 64 * w + std::countr_zero(word);
        if (next - first >= n - j) break; // none among the values left
        j += next - first + 1;
        ++zeros;
        // The value of column 0 takes four numbers: 3 (next + 1) + o + 1.
        first = next + 1;
        if (++o == 3) o = 0, ++first;
    }
    return zeros;
}

} // namespace

int ColumnZeroValues(std::uint32_t start, int n, int zeroEnd) {
    // Making the marks costs about as much as 20 to 30 new starts.
    if (static_cast<long>(n) * zeroEnd > 24L * (kRandMax + 1)) return ByMarks(start, n, zeroEnd);
    return ByBlocks(start, n, zeroEnd);
}

} // namespace avx512

#else

namespace avx512 {
int ColumnZeroValues(std::uint32_t, int, int) {
    return 0;
}
} // namespace avx512

#endif
