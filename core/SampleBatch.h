#pragma once
// Several samples drawn side by side, for runs at speed F. A sample's values
// wait on two long chains, the generator's previous state and the previous
// float sum of the sample; the samples themselves are independent. Where each
// sample starts in the random stream follows from the lengths of the ones
// before it, so with the generator jumped ahead to every start the samples of
// a batch advance together while each still sees exactly its own numbers in
// its own order: the run is bit for bit the one drawn a sample at a time.

#include "core/ValueDraw.h"

#include <cstdint>

// Two groups of the vector kernel's eight lanes, drawn one after the other.
// The engine sorts a batch's means in at once, so the longer the batch the
// fewer times the old means move.
constexpr int kSampleBatch = 16;

// Drawing side by side beats one sample at a time here: the processor has the
// vector kernel (AVX-512) and the population's columns suit it.
bool SideBySidePays(const ValueTables& tables);

// How many numbers of the generator a sample of n values takes from state
// `start`: two a value (discrete, binomial), three a continuous value and one
// more for each value of column 0.
int SampleStreamLength(std::uint32_t start, int n, Kind kind, const ValueTables& tables);

// The generator's state after `steps` numbers from `state` (steps up to
// 4 x the largest sample size, the longest a sample can be).
std::uint32_t JumpAhead(std::uint32_t state, int steps);

// Draws the values of `count` (1..kSampleBatch) samples of n values into the
// rows, sample s from generator state starts[s], with their running sums.
// The rows' column counts must be zero.
void DrawSampleBatch(SampleRow* const rows[], SampleSums sums[], const std::uint32_t starts[],
                     int count, int n, Kind kind, const ValueTables& tables);
