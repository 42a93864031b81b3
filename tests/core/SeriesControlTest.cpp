#include "core/SeriesControl.h"
#include "core/Messages.h"
#include "core/Population.h"
#include "core/Random.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "core/ViewHooks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class RecordingViews : public ViewHooks {
  public:
    std::vector<std::string> calls;
    void RepaintDorvaneWhole() override {
        // The Dorvane window repaints with the histogram already emptied.
        calls.push_back("RepaintDorvaneWhole samples=" + std::to_string(g_samplesDrawn));
    }
    void RedrawConfIntervalWindow() override { calls.push_back("RedrawConfIntervalWindow"); }
    void RedrawSamplesWindow() override { calls.push_back("RedrawSamplesWindow"); }
};

class SeriesControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetSecondsClock([] { return std::int64_t{1700000000}; });
        SetPopulationGeometry(300, 432);
        g_sdScaleY = 1.0f;
        SetViewHooks(&views);
    }
    void TearDown() override {
        SetViewHooks(nullptr);
        SetSecondsClock({});
    }
    // A series of `count` samples of one value each, drawn by the engine.
    void DrawSeries(int count) {
        ApplyPreset(PresetShape::Uniform);
        ASSERT_EQ(DrawSamples(count, 1, quiet).drawn, count);
        views.calls.clear();
    }

    RecordingViews views;
    SampleDisplay quiet; // nothing to show; speed 2 has no pauses
};

TEST_F(SeriesControlTest, ResetSeriesEmptiesTheSeriesAndRepaintsTheShownWindows) {
    DrawSeries(40);
    g_sdScaleY = 1.5f;
    g_selectedPos = 7;
    g_sdSelectionRect = Rect{1, 2, 30, 40};
    g_ciInCount = 30;
    g_histTickCount = 4;
    const float firstMean = g_sampleStore[1].mean;
    g_samplingDistWndVisible = g_confIntervalWndVisible = g_samplesWndVisible = 1;
    ResetSeries();

    EXPECT_EQ(std::count(g_meanHistogram, g_meanHistogram + kHistogramBins + 1, 0),
              kHistogramBins + 1);
    for (int value :
         {g_samplesExist, g_seriesSampleSize, g_samplesDrawn, g_selectedPos, g_ciInCount})
        EXPECT_EQ(value, 0);
    EXPECT_TRUE(g_sumOfMeans + g_sumOfSDs == 0.0f && g_sdSelectionRect.IsEmpty());
    EXPECT_EQ(g_histCountScale, 4.0f); // not multiplied by the window's scale
    EXPECT_EQ(g_histTickCount, 3);
    EXPECT_EQ(g_sampleStore[1].mean, firstMean); // rows wait to be overwritten
    EXPECT_EQ(views.calls,
              (std::vector<std::string>{"RepaintDorvaneWhole samples=0", "RedrawConfIntervalWindow",
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
    const Case cases[] = {
        {NumberOfSamplesEdited, "20000", "10000", kMsgTooManySamples},
        {NumberOfSamplesEdited, "10000", "10000", ""},
        {NumberOfSamplesEdited, "", "", ""},
        {SampleSizeEdited, "1001", "1000", kMsgSampleSizeTooLarge},
        // Too many digits for an int: held at the limit, never wrapped.
        {SampleSizeEdited, "99999999999999999999", "1000", kMsgSampleSizeTooLarge},
        {SampleSizeEdited, "1000", "1000", ""},
        {SampleSizeEdited, "0", "0", ""}, // too small is refused when drawing, not while typing
    };
    for (const Case& c : cases) {
        const FieldOutcome out = c.edited(c.typed);
        EXPECT_EQ(out.text, c.shown) << c.typed;
        EXPECT_EQ(out.message, c.message) << c.typed;
        EXPECT_EQ(out.corrected, c.shown != c.typed) << c.typed;
    }
}

TEST_F(SeriesControlTest, AddMoreAtNineThousandTakesOnlyWhatFitsAndTheToggleFollows) {
    DrawSeries(9000);
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
    EXPECT_EQ(CheckDrawEntry("10", "5").message, kMsgEmptyPopulation); // nothing drawn yet
    g_isContinuous = 0;
    g_isBinomial = 1;
    SetBinomialP(0.4f);
    ClearPopulation(); // a cleared binomial population is empty too
    DrawEntry entry = CheckDrawEntry("10", "5");
    EXPECT_FALSE(entry.proceed);
    EXPECT_EQ(entry.message, kMsgEmptyPopulation);

    SetBinomialP(0.4f);
    for (const char* size : {"0", "", "-3", "x", "1001"}) {
        entry = CheckDrawEntry("10", size);
        EXPECT_FALSE(entry.proceed) << size;
        EXPECT_EQ(entry.message,
                  size == std::string("1001") ? kMsgSampleSizeTooLarge : kMsgSampleSizeTooSmall)
            << size;
    }
    entry = CheckDrawEntry("10", "1");
    EXPECT_TRUE(entry.proceed);
    EXPECT_EQ(entry.numberText + "|" + entry.message, "10|");
}

} // namespace
