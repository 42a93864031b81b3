#pragma once
// The Dorvane window's picture in words, for a screen reader.

#include "core/PopulationDescription.h"
#include "windows/sampdist/SliderModel.h"

#include <string>

// --- The picture in words -----------------------------------------------------

// For a screen reader: "Histogram of 1,000 sample means: mean 5.01, SD
// 0.361", then what the sliders count ("; 51 of them (0.0510) lie above
// x = 5.50"). countedNumber and countedProportion are the window's readouts.
// The words go through translate (the window's language) before the
// figures are put in.
std::string HistogramDescription(const std::string& countedNumber,
                                 const std::string& countedProportion,
                                 const TextTranslator& translate = {});

// The words behind the mark of the samples beyond one end of the view: how
// many lie there and how many of them the readouts count ("1,305 samples lie
// right of the part of the axis in view; 20 of them are counted in Number
// Outside (red)"); "" when there are none.
std::string OffPlotTip(const OffPlot& side, bool leftEnd, const TextTranslator& translate = {});
// Samples with no statistic (a t value needs s > 0) and the base the counts
// and proportions then stand on, in two lines; "" when every sample has one.
// The words go through translate (the window's language) before the counts
// are put in.
std::string SamplesWithoutStatisticNote(const SliderSplit& split,
                                        const TextTranslator& translate = {});
