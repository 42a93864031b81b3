#include "core/SeriesControl.h"

#include "core/Messages.h"
#include "core/SamplingEngine.h"
#include "core/Selection.h"
#include "core/SimulationState.h"
#include "core/TypedNumber.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsBlankText(const std::string& text) {
    return std::all_of(text.begin(), text.end(), IsBlank);
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

// What a count field takes when a run would use it: a whole number from
// least to most. Anything else is put right, with the message that says why.
struct FieldRule {
    int least;
    int most; // below least when nothing more fits (a full series in ADD MORE)
    const char* tooSmall;
    const char* notWhole;
    const char* tooLarge;
};

FieldOutcome CheckCountField(const std::string& text, const FieldRule& rule) {
    FieldOutcome outcome{text, {}, false};
    const std::optional<double> typed = ReadTypedNumber(text);
    const int reading = ReadWholeNumber(text);
    const char* message = nullptr;
    if (rule.most < rule.least || reading > rule.most)
        message = rule.tooLarge; // what the series still takes, if anything
    else if (typed ? *typed != std::trunc(*typed) : !IsBlankText(text))
        message = rule.notWhole; // "2.5", "abc", "12x"
    else if (reading < rule.least)
        message = rule.tooSmall; // blank, 0, negative
    if (!message) return outcome;
    outcome.message = message;
    const int held = rule.most < rule.least ? std::max(rule.most, 0)
                                            : std::clamp(reading, rule.least, rule.most);
    outcome.text = IntText(held);
    outcome.corrected = outcome.text != text;
    return outcome;
}

} // namespace

void ResetSeries() {
    std::fill(std::begin(g_meanHistogram), std::end(g_meanHistogram), 0);
    g_samplesExist = 0;
    g_seriesSampleSize = 0;
    g_samplesDrawn = 0;
    ++g_sampleStoreGeneration;
    g_sumOfMeans = g_sumOfSDs = 0.0f;
    DropSelection();

    g_histNeedsRescale = 1;
    g_histCountScale = 4.0f;
    g_histTickCount = 3;
    g_histTickStep = 25;

    if (g_samplingDistWndVisible) Displays().RepaintDorvaneWhole();

    g_ciOutCount = g_ciInCount = 0;
    g_seriesSampleSize = 0;

    if (g_confIntervalWndVisible) Displays().RedrawConfIntervalWindow();
    if (g_samplesWndVisible) Displays().RedrawSamplesWindow();
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
    // The longest number at the start: digits, a point with digits, and an
    // exponent only when digits follow its letter, so "1e9" is a billion and
    // "1e" is still 1 while it is being typed.
    const std::size_t start = i;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i > from;
    };
    bool any = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        any = digits() || any;
    }
    if (!any) return 0;
    std::size_t end = i;
    bool tinyExponent = false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) tinyExponent = text[i++] == '-';
        if (digits())
            end = i;
        else
            tinyExponent = false;
    }
    double value = 0.0;
    const auto [stop, error] = std::from_chars(text.data() + start, text.data() + end, value);
    (void)stop;
    // Beyond a double's range: far beyond every limit, or a hair above 0.
    if (error == std::errc::result_out_of_range) value = tinyExponent ? 0.0 : 1e300;
    const double whole = std::trunc(negative ? -value : value);
    return static_cast<int>(std::clamp<double>(whole, INT_MIN, INT_MAX));
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
    entry.sampleSizeText = sampleSizeText;
    if (PopulationIsEmpty()) {
        entry.proceed = false;
        entry.message = kMsgEmptyPopulation;
        return entry;
    }
    const FieldRule sizeRule{1, kMaxSampleSize, kMsgSampleSizeTooSmall, kMsgSampleSizeNotWhole,
                             kMsgSampleSizeTooLarge};
    const FieldOutcome size = CheckCountField(sampleSizeText, sizeRule);
    if (!size.message.empty()) {
        // A sample size is never stretched to fit: the student draws again.
        entry.proceed = false;
        entry.message = size.message;
        entry.sampleSizeText = size.text;
        entry.sampleSizeCorrected = size.corrected;
        return entry;
    }
    const FieldRule countRule{1, SamplesAllowed(), kMsgNumberOfSamplesTooSmall,
                              kMsgNumberOfSamplesNotWhole, kMsgTooManySamples};
    const FieldOutcome count = CheckCountField(numberText, countRule);
    entry.numberText = count.text;
    entry.message = count.message;
    entry.corrected = count.corrected;
    // Too many is drawn as what still fits; anything else that was corrected
    // would draw nothing, or not what was typed, so no run starts and the
    // series stays as it is.
    if (!count.message.empty() && count.message != kMsgTooManySamples) entry.proceed = false;
    if (ReadWholeNumber(entry.numberText) < 1) entry.proceed = false;
    return entry;
}
