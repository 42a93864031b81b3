#pragma once
// The Confidence Intervals window's pictures in words, for a screen reader:
// the interval graph with its coverage and the selected interval, and the
// possible-mean display.

#include "core/PopulationDescription.h"

#include <string>

// "95% confidence intervals of 1,000 samples, 790 to 1,000 shown: 951
// contain the population mean 5.00 and 49 miss it. Selected sample 12:
// low = 4.21, high = 5.87, centre 5.04; it contains the population mean."
// n: the Sample Size the window reads. The words go through translate (the
// window's language) before the figures are put in.
std::string IntervalGraphDescription(int n, const TextTranslator& translate = {});

// "Sampling distribution of the mean for a possible mean μ = 5.00: plausible".
std::string PossibleMuDescription(int n, const TextTranslator& translate = {});
