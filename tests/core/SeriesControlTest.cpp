#include "core/SeriesControl.h"
#include "core/Messages.h"
#include "tests/core/CoreTestSupport.h"

namespace {

using SeriesControlTest = CoreTest;

TEST_F(SeriesControlTest, ResetSeriesEmptiesTheSeriesAndRepaintsTheShownWindows) {
    ApplyPreset(PresetShape::Uniform);
    DrawSamples(40, 1, quiet);
    views.calls.clear();
    g_sdScaleY = 1.5f;
    g_selectedPos = 7;
    g_sdSelectionRect = Rect{1, 2, 30, 40};
    g_ciInCount = 30;
    g_histTickCount = 4;
    g_samplingDistWndVisible = g_confIntervalWndVisible = g_samplesWndVisible = 1;
    ResetSeries();
    EXPECT_EQ(std::count(g_meanHistogram, g_meanHistogram + kHistogramBins + 1, 0),
              kHistogramBins + 1);
    EXPECT_EQ(g_samplesExist + g_seriesSampleSize + g_samplesDrawn + g_selectedPos + g_ciInCount,
              0);
    EXPECT_TRUE(g_sumOfMeans + g_sumOfSDs == 0.0f && g_sdSelectionRect.IsEmpty());
    EXPECT_EQ(g_histCountScale, 4.0f); // not multiplied by the window's scale
    EXPECT_EQ(g_histTickCount, 3);
    EXPECT_EQ(views.calls,
              (std::vector<std::string>{"RepaintDorvaneWhole(0)", "RedrawConfIntervalWindow",
                                        "RedrawSamplesWindow"}));
    // Hidden windows are not touched.
    g_samplingDistWndVisible = g_confIntervalWndVisible = g_samplesWndVisible = 0;
    views.calls.clear();
    ResetSeries();
    EXPECT_TRUE(views.calls.empty());
}

TEST_F(SeriesControlTest, FieldsAreHeldToTheirLimits) {
    struct Case {
        FieldOutcome (*edited)(const std::string&);
        std::string typed, shown, message;
    };
    // Too many digits for an int are held at the limit, never wrapped; an
    // exponent is read as one (a billion, not 1), "1e" is on its way to "1e4";
    // too small is refused when drawing, not while typing.
    const auto N = NumberOfSamplesEdited, n = SampleSizeEdited;
    // clang-format off
    const Case cases[] = {
        {N, "20000", "10000", kMsgTooManySamples}, {N, "10000", "10000", ""}, {N, "", "", ""},
        {n, "1001", "1000", kMsgSampleSizeTooLarge}, {n, "1000", "1000", ""}, {n, "0", "0", ""},
        {n, "99999999999999999999", "1000", kMsgSampleSizeTooLarge}, {N, "-5", "-5", ""},
        {N, "1e9", "10000", kMsgTooManySamples}, {n, "1e9", "1000", kMsgSampleSizeTooLarge},
        {n, "2E3", "1000", kMsgSampleSizeTooLarge}, {N, "1e", "1e", ""}};
    // clang-format on
    for (const Case& c : cases) {
        const FieldOutcome out = c.edited(c.typed);
        EXPECT_EQ(out.text, c.shown) << c.typed;
        EXPECT_EQ(out.message, c.message) << c.typed;
        EXPECT_EQ(out.corrected, c.shown != c.typed) << c.typed;
    }
}

TEST_F(SeriesControlTest, AddMoreAtNineThousandTakesOnlyWhatFitsAndTheToggleFollows) {
    ApplyPreset(PresetShape::Uniform);
    ASSERT_EQ(DrawSamples(9000, 1, quiet).drawn, 9000);
    g_addMoreMode = 1;
    FieldOutcome out = NumberOfSamplesEdited("2000");
    EXPECT_EQ(out.text + "|" + out.message, std::string("1000|") + kMsgTooManySamples);
    EXPECT_TRUE(NumberOfSamplesEdited("1000").message.empty());
    // 2,000 copied into the field without a check: DRAW SAMPLES corrects it.
    const DrawEntry entry = CheckDrawEntry("2000", "1");
    ASSERT_TRUE(entry.proceed && entry.corrected);
    EXPECT_EQ(entry.numberText + "|" + entry.message, std::string("1000|") + kMsgTooManySamples);
    EXPECT_EQ(DrawSamples(ReadWholeNumber(entry.numberText), 1, quiet).totalSamplesText, "10000");
    // NEW SERIES is not limited by the series already drawn; back to ADD
    // MORE with the series full, nothing more fits.
    out = ToggleSeriesMode("20000");
    EXPECT_EQ(g_seriesModeLabel, "NEW\nSERIES");
    EXPECT_EQ(g_histNeedsRescale, 1);
    EXPECT_EQ(out.text + "|" + out.message, std::string("10000|") + kMsgTooManySamples);
    EXPECT_EQ(CheckDrawEntry("10000", "1").numberText, "10000");
    out = ToggleSeriesMode("5");
    EXPECT_EQ(g_seriesModeLabel, "ADD\nMORE");
    EXPECT_EQ(g_histNeedsRescale, 0);
    EXPECT_EQ(out.text + "|" + out.message, std::string("0|") + kMsgTooManySamples);
}

TEST_F(SeriesControlTest, DrawEntryRefusesWhatCannotBeDrawn) {
    DrawEntry entry = CheckDrawEntry("10", "5");
    EXPECT_FALSE(entry.proceed);
    EXPECT_EQ(entry.message, kMsgEmptyPopulation); // nothing drawn yet
    UseKind('B');
    SetBinomialP(0.4f);
    // Typed (or copied in) texts: a number the field cannot take stops the
    // run with a message and the field put right; too many samples are held
    // to what fits and drawn.
    struct Case {
        const char *number, *size;
        bool proceed;
        const char *numberAfter, *sizeAfter, *message;
        int drawn; // the count the run reads from the field
    };
    // clang-format off
    const Case cases[] = {
        {"10", "1", true, "10", "1", "", 10},       {" +10 ", "25", true, " +10 ", "25", "", 10},
        {"1e3", "25", true, "1e3", "25", "", 1000},
        {"1e9", "25", true, "10000", "25", kMsgTooManySamples, 10000},
        {"", "25", false, "1", "25", kMsgNumberOfSamplesTooSmall, 1},
        {"0", "25", false, "1", "25", kMsgNumberOfSamplesTooSmall, 1},
        {"2.5", "25", false, "2", "25", kMsgNumberOfSamplesNotWhole, 2},
        {"abc", "25", false, "1", "25", kMsgNumberOfSamplesNotWhole, 1},
        {"12x", "25", false, "12", "25", kMsgNumberOfSamplesNotWhole, 12},
        {"10", "0", false, "10", "1", kMsgSampleSizeTooSmall, 10},
        {"10", "7.9", false, "10", "7", kMsgSampleSizeNotWhole, 10},
        {"10", "1001", false, "10", "1000", kMsgSampleSizeTooLarge, 10}};
    // clang-format on
    for (const Case& c : cases) {
        entry = CheckDrawEntry(c.number, c.size);
        SCOPED_TRACE(std::string(c.number) + " / " + c.size);
        EXPECT_EQ(entry.proceed, c.proceed);
        EXPECT_EQ(entry.numberText, c.numberAfter);
        EXPECT_EQ(entry.sampleSizeText, c.sizeAfter);
        EXPECT_EQ(entry.message, c.message);
        EXPECT_EQ(ReadWholeNumber(entry.numberText), c.drawn);
    }
    // A full series in ADD MORE mode takes no more, and 0 draws nothing.
    ASSERT_EQ(DrawSamples(10000, 1, quiet).drawn, 10000);
    g_addMoreMode = 1;
    entry = CheckDrawEntry("0", "1");
    EXPECT_FALSE(entry.proceed);
    EXPECT_EQ(entry.numberText + "|" + entry.message, std::string("0|") + kMsgTooManySamples);
}

} // namespace
