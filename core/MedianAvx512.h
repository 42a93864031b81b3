#pragma once
// The median and the range of a sample on processors with AVX-512
// (core/Statistic picks it at run time, where HasAvx512 says so). The
// selection is exact, so the results are those of any other exact way.

namespace avx512 {

// Of v[0..n), n >= 1, left as it is: the middle value (for even n the mean of
// the middle two, summed in double and rounded once) and largest minus
// smallest.
void MedianAndRange(const float* v, int n, float& median, float& range);

} // namespace avx512
