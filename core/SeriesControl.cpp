#include "core/SeriesControl.h"

#include "core/Messages.h"
#include "core/SamplingEngine.h"
#include "core/Selection.h"
#include "core/SimulationState.h"
#include "core/ViewHooks.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string IntText(long long value) {
    return std::to_string(value);
}

// The largest Number of Samples the series still takes in the current mode.
int SamplesAllowed() {
    return g_addMoreMode ? kMaxSamples - g_samplesDrawn : kMaxSamples;
}

// Holds a Number of Samples to what the series takes; the same rule serves
// typing, the mode toggle and the ADD MORE check of DRAW SAMPLES.
FieldOutcome LimitNumberOfSamples(const std::string& text) {
    FieldOutcome outcome{text, {}, false};
    const long long asked = ReadWholeNumber(text);
    const long long total = g_addMoreMode ? asked + g_samplesDrawn : asked;
    if (total > kMaxSamples) {
        outcome.message = kMsgTooManySamples;
        outcome.text = IntText(SamplesAllowed());
        outcome.corrected = true;
    }
    return outcome;
}

} // namespace

void ResetSeries() {
    std::fill(std::begin(g_meanHistogram), std::end(g_meanHistogram), 0);
    g_samplesExist = 0;
    g_seriesSampleSize = 0;
    g_samplesDrawn = 0;
    g_sumOfMeans = g_sumOfSDs = 0.0f;
    DropSelection();

    g_histNeedsRescale = 1;
    g_histCountScale = 4.0f;
    g_histTickCount = 3;
    g_histTickStep = 25;

    if (g_samplingDistWndVisible) Views().RepaintDorvaneWhole();

    g_ciOutCount = g_ciInCount = 0;
    g_seriesSampleSize = 0;

    if (g_confIntervalWndVisible) Views().RedrawConfIntervalWindow();
    if (g_samplesWndVisible) Views().RedrawSamplesWindow();
}

int ReadWholeNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate with room to spare and stop growing once past the int range.
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

FieldOutcome NumberOfSamplesEdited(const std::string& text) {
    return LimitNumberOfSamples(text);
}

FieldOutcome SampleSizeEdited(const std::string& text) {
    FieldOutcome outcome{text, {}, false};
    if (ReadWholeNumber(text) > kMaxSampleSize) {
        outcome.message = kMsgSampleSizeTooLarge;
        outcome.text = IntText(kMaxSampleSize);
        outcome.corrected = true;
    }
    return outcome;
}

FieldOutcome ToggleSeriesMode(const std::string& numberText) {
    g_addMoreMode = g_addMoreMode ? 0 : 1;
    g_histNeedsRescale = g_addMoreMode ? 0 : 1;
    // Whichever window's button was pressed, all three read alike.
    g_seriesModeLabel = SeriesModeLabel();
    return LimitNumberOfSamples(numberText);
}

const char* SeriesModeLabel() {
    return g_addMoreMode ? "ADD\nMORE" : "NEW\nSERIES";
}

DrawEntry CheckDrawEntry(const std::string& numberText, const std::string& sampleSizeText) {
    DrawEntry entry;
    entry.numberText = numberText;
    if (PopulationIsEmpty()) {
        entry.proceed = false;
        entry.message = kMsgEmptyPopulation;
        return entry;
    }
    const int n = ReadWholeNumber(sampleSizeText);
    if (n < 1) {
        entry.proceed = false;
        entry.message = kMsgSampleSizeTooSmall;
        return entry;
    }
    if (n > kMaxSampleSize) {
        entry.proceed = false;
        entry.message = kMsgSampleSizeTooLarge;
        return entry;
    }
    if (g_addMoreMode) {
        const FieldOutcome limited = LimitNumberOfSamples(numberText);
        entry.numberText = limited.text;
        entry.message = limited.message;
        entry.corrected = limited.corrected;
    }
    return entry;
}
