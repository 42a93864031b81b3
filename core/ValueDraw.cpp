#include "core/ValueDraw.h"

#include <cmath>

namespace {

// A random result of the program's generator can be one of only 32,768
// numbers, so at the start of a run the column each of them falls into is
// worked out once. Drawing a value is then a table look-up instead of a scan
// over the cumulative shares, with exactly the same outcome.
std::int8_t columnOfRand[kRandMax + 1];

// Fills columnOfRand for the current population. A number u falls into
// column m when S[m] < u <= S[m+1]; the shares only grow, so walking them
// alongside the (growing) u finds the same column as a scan.
void BuildColumnTable(Kind kind) {
    const float* share = g_popCumShare;
    const int columns = ColumnsOf(kind);

    if (kind == Kind::Binomial) {
        for (int r = 0; r <= kRandMax; ++r)
            columnOfRand[r] = (UnitFromRand(r) > share[1] && share[2] > 0.0f) ? 1 : 0;
        return;
    }

    int firstWeighted = -1;
    int lastWeighted = 0;
    for (int m = 0; m < columns; ++m) {
        if (share[m + 1] > share[m]) {
            if (firstWeighted < 0) firstWeighted = m;
            lastWeighted = m;
        }
    }
    if (firstWeighted < 0) firstWeighted = 0;

    int j = 1;
    for (int r = 0; r <= kRandMax; ++r) {
        const float u = UnitFromRand(r);
        while (j <= columns && share[j] < u)
            ++j;
        int column;
        if (j > columns) {
            // Rounding left the last share short of 1: such a u belongs to
            // the last column that has any weight, never to no column at all.
            column = lastWeighted;
        } else if (j > 1) {
            column = j - 1;
        } else if (kind == Kind::Discrete || share[1] > 0.0f) {
            // u <= S[1]: column 0. The discrete rule takes it even when
            // column 0 has no weight (only reachable with u exactly 0).
            column = 0;
        } else {
            // Continuous u == 0 with an empty column 0: the first column
            // that has weight, rather than no value at all.
            column = firstWeighted;
        }
        columnOfRand[r] = static_cast<std::int8_t>(column);
    }
}

} // namespace

void PrepareValueTables(Kind kind, ValueTables& tables) {
    BuildColumnTable(kind);
    tables.columnOfRand = columnOfRand;
    tables.columnsInOrder = true;
    int bounded = 0; // columns below this one have their bound
    for (int r = 0; r <= kRandMax; ++r) {
        const int column = columnOfRand[r];
        if (column < bounded) tables.columnsInOrder = false;
        for (; bounded < column; ++bounded)
            tables.columnBounds[bounded] = static_cast<std::uint16_t>(r);
    }
    for (; bounded < 64; ++bounded)
        tables.columnBounds[bounded] = 0xffff;
    if (kind != Kind::Discrete) return;
    for (int m = 0; m <= 10; ++m) {
        float v = static_cast<float>(g_discreteValue[m]);
        if (v < 0.0f) v = static_cast<float>(g_discreteValue[0]);
        if (v > 10.0f) v = static_cast<float>(g_discreteValue[10]);
        tables.discreteValue[m] = v;
        tables.discreteColumn[m] = TallyColumn(v);
    }
}

bool PopulationIsEmpty() {
    const float last = g_popCumShare[ColumnsOf(CurrentKind())];
    return !(g_popWeightTotal > 0.0f) || !(last > 0.0f) || !std::isfinite(last);
}
