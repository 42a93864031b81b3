#pragma once
// The batch kernels for processors with AVX-512 (core/SampleBatch picks them
// at run time). Each lane's results are bit for bit those of core/ValueDraw.

#include "core/ValueDraw.h"

#include <cstdint>

// The processor and the system can run the kernels below.
bool HasAvx512();

namespace avx512 {

constexpr int kLanes = 8;

// Eight whole samples of n values side by side, sample s from state starts[s]
// into rows[s] (every column count written). Needs tables.columnsInOrder.
void DrawBatch(Kind kind, SampleRow* const rows[], SampleSums sums[], const std::uint32_t starts[],
               int n, const ValueTables& tables);

// The values of column 0 in a continuous sample of n values from `start`,
// column 0 being the numbers below zeroEnd (columns in order); in
// core/ColumnZeroScanAvx512.cpp.
int ColumnZeroValues(std::uint32_t start, int n, int zeroEnd);

} // namespace avx512
