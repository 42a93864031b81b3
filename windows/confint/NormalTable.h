#pragma once
// The program's own normal table: the z value for a cumulative probability
// given in ten-thousandths, as a printed table with two decimals reads it,
// together with the entries where the table was written by hand.

// p = cumulative probability x 10000, held to 5000..10000. The largest z of
// 0.00, 0.01, ..., 4.99 whose Phi(z) x 10000, rounded, is at most p, except
// for the hand-written entries; a few of those draw one number of the
// program's random stream (core/Random) to pick between two neighbours.
float ZFromPercentile(int p);

// Range of p the table covers.
constexpr int kPercentileLow = 5000;
constexpr int kPercentileHigh = 10000;
