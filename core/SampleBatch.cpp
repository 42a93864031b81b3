#include "core/SampleBatch.h"

#include "core/Random.h"
#include "core/SampleBatchAvx512.h"
#include "core/SimulationState.h"

static_assert(kSampleBatch % avx512::kLanes == 0, "a batch is whole groups of the kernel's lanes");

namespace {

constexpr int kLongestSample = 4 * kMaxSampleSize; // numbers of the generator

// Every jump a batch needs, 0 .. kLongestSample steps, made once.
struct JumpTable {
    RandJump jumps[kLongestSample + 1];
    JumpTable() {
        RandJump jump;
        for (RandJump& entry : jumps) {
            entry = jump;
            jump = {jump.multiplier * kRandMultiplier,
                    jump.increment * kRandMultiplier + kRandIncrement};
        }
    }
};
const RandJump* Jumps() {
    static const JumpTable table;
    return table.jumps;
}

// The values of a continuous sample that fall into column 0, stepping
// through its numbers as drawing would.
int ColumnZeroValues(std::uint32_t start, int n, const std::int8_t* columnOfRand) {
    RunStream stream{start};
    int zeros = 0;
    for (int j = 0; j < n; ++j) {
        stream.Next(); // thrown away
        if (columnOfRand[stream.Next()] == 0) {
            ++zeros;
            stream.Next();
        }
        stream.Next();
    }
    return zeros;
}

bool VectorKernel(const ValueTables& tables) {
    return tables.columnsInOrder && HasAvx512();
}

} // namespace

bool SideBySidePays(const ValueTables& tables) {
    return VectorKernel(tables);
}

int SampleStreamLength(std::uint32_t start, int n, Kind kind, const ValueTables& tables) {
    if (kind != Kind::Continuous) return 2 * n;
    if (VectorKernel(tables))
        return 3 * n + avx512::ColumnZeroValues(start, n, tables.columnBounds[0]);
    return 3 * n + ColumnZeroValues(start, n, tables.columnOfRand);
}

std::uint32_t JumpAhead(std::uint32_t state, int steps) {
    return Jumps()[steps].Apply(state);
}

void DrawSampleBatch(SampleRow* const rows[], SampleSums sums[], const std::uint32_t starts[],
                     int count, int n, Kind kind, const ValueTables& tables) {
    int s = 0;
    if (VectorKernel(tables)) {
        for (; s + avx512::kLanes <= count; s += avx512::kLanes)
            avx512::DrawBatch(kind, rows + s, sums + s, starts + s, n, tables);
    }
    // The rest of a batch, or no vector kernel: one sample after another.
    for (; s < count; ++s) {
        RunStream stream{starts[s]};
        switch (kind) {
        case Kind::Continuous:
            DrawValuesQuietly<Kind::Continuous>(*rows[s], sums[s], 1, n, tables, stream);
            break;
        case Kind::Discrete:
            DrawValuesQuietly<Kind::Discrete>(*rows[s], sums[s], 1, n, tables, stream);
            break;
        case Kind::Binomial:
            DrawValuesQuietly<Kind::Binomial>(*rows[s], sums[s], 1, n, tables, stream);
            break;
        }
    }
}
