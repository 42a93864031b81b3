#pragma once
// Drawing one value from the population: the tally column of a value, the
// column each random number falls into, and the rules of the three kinds.
// Inline, because the engine's innermost loop runs through these.

#include "core/Random.h"
#include "core/SimulationState.h"

#include <cstdint>

enum class Kind { Continuous, Discrete, Binomial };

inline Kind CurrentKind() {
    if (g_isBinomial) return Kind::Binomial;
    if (g_isDiscrete) return Kind::Discrete;
    return Kind::Continuous;
}

inline int ColumnsOf(Kind kind) {
    switch (kind) {
    case Kind::Continuous:
        return 51;
    case Kind::Discrete:
        return 11;
    case Kind::Binomial:
        return 2;
    }
    return 51;
}

// The float nearest 1/32767: every uniform number is a Rand result times it.
constexpr float kInvRandMax = 1.0f / 32767.0f;

inline float UnitFromRand(int r) {
    const float u = static_cast<float>(r) * kInvRandMax;
    return u > 1.0f ? 1.0f : u;
}

// The generator's state lives in a register for the length of a run. The
// formula is the program's fixed generator (core/Random); the state is handed
// back at the end, so the stream goes on exactly as if Rand had been called
// for every number.
struct RunStream {
    std::uint32_t state;

    int Next() {
        state = RandStep(state);
        return RandOutput(state);
    }
};

// Tally column of a value: half-unit columns 1..21.
inline int TallyColumn(float v) {
    return static_cast<int>(2.0 * v + 1.0);
}

// What a run looks values up in: the population column of every random
// number, and the value and tally column of every discrete column.
struct ValueTables {
    const std::int8_t* columnOfRand = nullptr;
    // The columns grow with the number (the table is built that way). Then
    // columnBounds[k] is the first number of a column above k (0xffff: none),
    // and a number's column is how many bounds are at most the number: a
    // search the vector lanes can do without the byte table.
    bool columnsInOrder = false;
    std::uint16_t columnBounds[64] = {};
    float discreteValue[11] = {};
    int discreteColumn[11] = {};
};

// Fills the tables for the current population of this kind. The column table
// is one program-wide table, rebuilt at the start of every run.
void PrepareValueTables(Kind kind, ValueTables& tables);

// One value of a continuous population, with the rand calls it takes beyond
// the two that chose the column.
inline float ContinuousValue(int column, RunStream& stream) {
    double v;
    if (column > 0) {
        const float u2 = UnitFromRand(stream.Next());
        v = (column + 1 - 0.5) * 0.2 - static_cast<double>(u2) * 0.2;
    } else {
        const float u3 = UnitFromRand(stream.Next());
        const float u4 = UnitFromRand(stream.Next());
        // Column 0 must not reach below 0: four draws in five land in
        // [0, 0.1], the rest in [0.1, 0.2].
        v = u3 < 0.8 ? 0.1 - static_cast<double>(u4) * 0.1 : 0.2 - static_cast<double>(u4) * 0.1;
    }
    float value = static_cast<float>(v);
    if (value < 0.0f) value = 0.0f;
    if (value > 10.0f) value = 10.0f;
    return value;
}

// Draws one value and its tally column c.
inline float DrawValue(Kind kind, const ValueTables& tables, RunStream& stream, int& c) {
    stream.Next(); // the first number of every value is thrown away
    const int column = tables.columnOfRand[stream.Next()];
    switch (kind) {
    case Kind::Binomial:
        c = column + 1;
        return static_cast<float>(column);
    case Kind::Discrete:
        c = tables.discreteColumn[column];
        return tables.discreteValue[column];
    case Kind::Continuous:
        break;
    }
    const float v = ContinuousValue(column, stream);
    c = TallyColumn(v);
    return v;
}

// The running sums of one sample, single precision as stored.
struct SampleSums {
    float sum = 0.0f;
    float sumSq = 0.0f;
};

inline void AddValue(SampleRow& row, SampleSums& sums, int j, float v, int c) {
    sums.sum = static_cast<float>(static_cast<double>(sums.sum) + v);
    sums.sumSq = static_cast<float>(static_cast<double>(sums.sumSq) +
                                    static_cast<double>(v) * static_cast<double>(v));
    row.columnCounts[c] += 1;
    row.values[j] = v;
}

// The values of one sample with no drawing per value (hidden Samples window
// or speed F): one loop per kind so the kind test stays out of it.
// The state and the sums are copied in and out: the row's stores might alias
// them, which would put both long chains through memory at every value.
template <Kind kKind>
void DrawValuesQuietly(SampleRow& row, SampleSums& sums, int from, int n, const ValueTables& tables,
                       RunStream& stream) {
    RunStream local = stream;
    SampleSums running = sums;
    for (int j = from; j <= n; ++j) {
        int c;
        const float v = DrawValue(kKind, tables, local, c);
        AddValue(row, running, j, v, c);
    }
    stream = local;
    sums = running;
}

// True when the current population has no weight to draw from (nothing
// drawn yet, cleared, or a cleared binomial population).
bool PopulationIsEmpty();
