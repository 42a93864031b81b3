// What the Dorvane window shows beside and over the columns stands for the
// current series: the population outline at the height the columns have at
// every width, the preview before any sample fitted into the plot, no
// expected count below 0, and no figures of a series that was discarded.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include <QTest>
#include <algorithm>
#include <cmath>

namespace {

const QRgb kPurple = Rgb(160, 2, 190);

// Topmost pixel of the colour in column x of the plot, or -1.
int TopOf(QRgb colour, int x) {
    for (int y = g_histRect.top + 1; y < g_sdAxisY; ++y)
        if (SdPixel(x, y) == colour) return y;
    return -1;
}

// Topmost pixel of the normal curve (its blue, the mean line left out).
int CurveTop() {
    int top = g_sdAxisY + 1;
    const int meanX = AxisMarkX(g_popMean, 1);
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x) {
        if (std::abs(x - meanX) <= 1) continue;
        const int y = TopOf(kBlue, x);
        if (y >= 0) top = std::min(top, y);
    }
    return top;
}

// Blue pixels below the axis line inside the plot, the mean line left out.
int BlueBelowTheAxis() {
    int blue = 0;
    const int meanX = AxisMarkX(g_popMean, 1);
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        for (int y = g_sdAxisY + 1; y < g_histRect.bottom - 20; ++y)
            blue += std::abs(x - meanX) > 1 && SdPixel(x, y) == kBlue;
    return blue;
}

using CurvesAndFigures = DorvaneWindow;

TEST_F(CurvesAndFigures, ThePopulationOutlineStandsWhereTheColumnsDoAtEveryWidth) {
    // Continuous UNIFORM, samples of one value: a column of width w holds
    // about N w / 10.2 samples, which is what the outline must show: the
    // share 1 / 51 of a 0.2 wide population column, times w / 0.2.
    ApplyPreset(PresetShape::Uniform);
    Click(IDC_SD_POP_OUTLINE);
    Draw(1, 10000);
    const std::pair<int, double> widths[] = {{IDC_SD_BIN_WIDE, 0.5},
                                             {IDC_SD_BIN_MEDIUM, 0.2},
                                             {IDC_SD_BIN_NARROW, 0.1},
                                             {IDC_SD_BIN_FINEST, 0.05}};
    for (const auto& [button, w] : widths) {
        Click(button);
        const double expectedSamples = 10000.0 * w / 10.2;
        // Where the outline stands above the middle of the visible axis.
        const int x = (g_sdAxisLeft + g_sdAxisRight) / 2 + 2;
        const int top = TopOf(kPurple, x);
        ASSERT_GE(top, 0) << w;
        const double outlineSamples = (g_sdAxisY - top) / g_histCountScale;
        EXPECT_NEAR(outlineSamples / expectedSamples, 1.0, 0.03) << "width " << w;
        // And the columns away from the axis' ends stand as high, on average.
        int shown = 0;
        while (shown < kSdColumnSlots && g_sdColumnBin[shown + 1] != 0)
            ++shown;
        double sum = 0;
        int columns = 0;
        for (int slot = 4; slot <= shown - 4; ++slot) {
            sum += g_meanHistogram[g_sdColumnBin[slot]];
            ++columns;
        }
        EXPECT_NEAR(sum / columns / outlineSamples, 1.0, 0.1) << "width " << w;
    }
    SaveSnapshot(dorvane->grab().toImage(), "sd-outline-finest");
}

TEST_F(CurvesAndFigures, AfterTheSeriesIsDiscardedTheCurvesStandForTheNumberAsked) {
    Click(IDC_SD_POP_OUTLINE);
    Click(IDC_SD_NORMAL_OUTLINE);
    Draw(5, 10000);
    // A new sample size ends the series; 300 samples are asked for next.
    Type(IDC_SD_SAMPLE_SIZE, "25");
    Type(IDC_SD_NUM_SAMPLES, "300");
    ASSERT_EQ(g_samplesDrawn, 0);
    // The outline's tallest vertex: the largest column share of the
    // population, as 300 samples of one value would fill a 0.2 column.
    double largest = 0;
    int widest = 0;
    for (int c = 0; c < 51; ++c) {
        const double q = double(g_popCumShare[c + 1]) - g_popCumShare[c];
        if (q > largest) largest = q, widest = c;
    }
    const int x = AxisMarkX(0.2f * widest, 1);
    const int top = std::min(TopOf(kPurple, x), TopOf(kPurple, x + 1));
    EXPECT_NEAR((g_sdAxisY - top) / g_histCountScale, 300 * largest, 2.5);
    EXPECT_GT(top, g_histRect.top + 2); // inside the plot, not cut by its frame
    // The curve's central column holds about 300 x P(|z| < 0.1 / se).
    const double se = g_popSD / 5.0;
    const double central = 300 * std::erf(0.1 / se / std::sqrt(2.0));
    EXPECT_NEAR((g_sdAxisY - CurveTop()) / g_histCountScale, central, 3.0);
}

TEST_F(CurvesAndFigures, ThePreviewOfALargeNumberFitsThePlot) {
    Type(IDC_SD_SAMPLE_SIZE, "25");
    Type(IDC_SD_NUM_SAMPLES, "10000");
    SliderAtMean();
    Click(IDC_SD_NORMAL_OUTLINE);
    SaveSnapshot(dorvane->grab().toImage(), "sd-preview-10000");
    // The whole curve shows, its peak inside the plot and filling most of it;
    // the count axis is that of the preview.
    const int top = CurveTop();
    EXPECT_GT(top, g_sdPlotTop - 2);
    EXPECT_GT(g_sdAxisY - top, g_histMaxHeight / 2);
    const double se = g_popSD / 5.0;
    const double central = 10000 * std::erf(0.1 / se / std::sqrt(2.0));
    EXPECT_NEAR((g_sdAxisY - top) / g_histCountScale, central, 0.02 * central);
    EXPECT_GE(g_histTickCount * g_histTickStep, central * 0.9);
    // The counted tail, red under the curve, reaches up to it.
    const int meanX = AxisMarkX(g_popMean, 1);
    EXPECT_EQ(SdPixel(meanX - 4, (top + g_sdAxisY) / 2), kRed);
}

TEST_F(CurvesAndFigures, ANegativeNumberOfSamplesAsksForNone) {
    Type(IDC_SD_SAMPLE_SIZE, "25");
    SliderAtMean();
    Click(IDC_SD_NORMAL_OUTLINE);
    for (const char* count : {"-5", "-1000000000"}) {
        Type(IDC_SD_NUM_SAMPLES, count);
        EXPECT_EQ(Text(IDC_SD_Z_NUMBER), "0") << count;
        EXPECT_EQ(Text(IDC_SD_T_NUMBER), "0") << count;
        EXPECT_EQ(BlueBelowTheAxis(), 0) << count; // no curve upside down
        ExpectNoNonNumbers(count);
    }
    // A sample size of 1000 makes the curve as narrow as it gets.
    Type(IDC_SD_SAMPLE_SIZE, "1000");
    EXPECT_EQ(Text(IDC_SD_Z_NUMBER), "0");
    EXPECT_EQ(BlueBelowTheAxis(), 0);
}

TEST_F(CurvesAndFigures, TheFiguresOfADiscardedSeriesAreEmptied) {
    const int figures[] = {IDC_SD_TOTAL_DRAWN, IDC_SD_MEAN_OF_MEANS, IDC_SD_SD_OF_MEANS,
                           IDC_SD_MEAN_OF_SDS, IDC_SD_SD_OF_SDS};
    auto allEmpty = [&] {
        QString all;
        for (int id : figures)
            all += Text(id);
        return all;
    };
    // A new sample size, and a new population.
    for (int change = 0; change < 2; ++change) {
        Draw(5, 500);
        ASSERT_EQ(Text(IDC_SD_TOTAL_DRAWN), "500");
        ASSERT_FALSE(Text(IDC_SD_SD_OF_SDS).isEmpty());
        if (change == 0)
            Type(IDC_SD_SAMPLE_SIZE, "25");
        else
            ApplyPreset(PresetShape::Bimodal);
        EXPECT_EQ(allEmpty(), "") << change;
        // The standard error stays: it describes the sample size, not the series.
        EXPECT_FALSE(Text(IDC_SD_INTERVAL_WIDTH).isEmpty());
    }
    // The next series fills them again.
    Draw(25, 40);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "40");
}

} // namespace
