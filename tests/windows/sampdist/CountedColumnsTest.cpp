// The counted columns of the Dorvane window against counts made here over
// the Sample store: a slider standing on a possible proportion counts the
// samples at it and colours their column; with t values, samples beyond the
// plot are counted, marked at the end of the plot, and never lumped into the
// first column, and the columns split by the sliders are red in the share
// their samples are counted.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include "core/NumberText.h"
#include "windows/sampdist/HistogramDescription.h"

#include <QTest>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Pixels of a column, from the axis up, that are red.
int RedRows(const Rect& column) {
    const int x = (column.left + column.right) / 2;
    int red = 0;
    for (int y = g_sdAxisY - 1; y >= g_histRect.top; --y)
        red += SdPixel(x, y) == kRed;
    return red;
}

// Red text on the plot's white: its strokes, whatever the smoothing.
int ReddishPixels(const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = QColor::fromRgb(SdPixel(x, y));
            count += c.red() >= 200 && c.green() <= 120 && c.blue() <= 120;
        }
    return count;
}

class CountedColumns : public DorvaneWindow {
  protected:
    // Drags the only slider to pixel x of the axis.
    void DragSliderTo(int x) {
        const QPoint grip = Centre(g_leftSliderRect);
        QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip);
        SendMove(dorvane.get(), QPoint(x, grip.y()), Qt::LeftButton);
        QTest::mouseRelease(dorvane.get(), Qt::LeftButton, Qt::NoModifier, QPoint(x, grip.y()));
    }
};

TEST_F(CountedColumns, ASliderOnAPossibleProportionCountsTheSamplesAtIt) {
    // Binomial p = .3, samples of 10: the proportions are 0.0, 0.1, 0.2, ...
    g_isContinuous = 0;
    g_isBinomial = 1;
    SetBinomialP(0.3f);
    Draw(10, 10000);
    // 0.1 lies 35 pixels right of the axis start (350 pixels a unit).
    DragSliderTo(g_sdAxisLeft + 35);
    ASSERT_EQ(SliderLabelText(g_leftSliderZ, false), "p = 0.100");

    int atOrBelow = 0; // samples with at most one success
    for (int r = 1; r <= g_samplesDrawn; ++r)
        atOrBelow += std::lround(g_sampleStore[r].mean * 10.0) <= 1;
    ASSERT_GT(atOrBelow, 1000);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), atOrBelow);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_PROPORTION), QString::asprintf("%.4f", atOrBelow / 10000.0));
    // Proportions have no t row.
    for (int id : {IDC_SD_T_NUMBER, IDC_SD_T_PROPORTION}) {
        EXPECT_EQ(Text(id), "") << id;
        EXPECT_FALSE(dorvane->Control(id)->isVisible()) << id;
    }
    // The mean of p-hat reads like p (three decimals), its SD like the SE (four).
    double sum = 0.0, sumSq = 0.0;
    for (int r = 1; r <= g_samplesDrawn; ++r) {
        sum += g_sampleStore[r].mean;
        sumSq += static_cast<double>(g_sampleStore[r].mean) * g_sampleStore[r].mean;
    }
    const double mean = sum / 10000.0, sd = std::sqrt((sumSq - 10000.0 * mean * mean) / 9999.0);
    EXPECT_EQ(Text(IDC_SD_MEAN_OF_MEANS), QString::asprintf("%.3f", mean));
    EXPECT_EQ(Text(IDC_SD_SD_OF_MEANS), QString::asprintf("%.4f", sd));
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), "0.1449"); // sqrt(.3 x .7 / 10)
    // The columns of 0.0 and 0.1 (bins 1 and 6 at width 0.02) are red to the
    // top; that of 0.2 (bin 11) is green.
    for (int bin : {1, 6}) {
        const Rect column = g_sdColumnRect[bin];
        ASSERT_GT(g_meanHistogram[bin], 0);
        EXPECT_EQ(RedRows(column), g_sdAxisY - column.top) << bin;
    }
    EXPECT_EQ(RedRows(g_sdColumnRect[11]), 0);
    SaveSnapshot(dorvane->grab().toImage(), "sd-p-hat-0.100");

    // Above the slider: the others, and now only they are red.
    g_proportionAbove = 1;
    dorvane->BringUpToDate();
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), 10000 - atOrBelow);
    EXPECT_EQ(RedRows(g_sdColumnRect[6]), 0);
    EXPECT_EQ(RedRows(g_sdColumnRect[11]), g_sdAxisY - g_sdColumnRect[11].top);
}

TEST_F(CountedColumns, ASliderReadingAPossibleMeanCountsTheSamplesAtIt) {
    // Discrete values, samples of 4: the means are quarters. A slider at
    // 5.4999 reads 5.50 and counts the samples at 5.5.
    g_isContinuous = 0;
    g_isDiscrete = 1;
    ApplyPreset(PresetShape::Uniform);
    Draw(4, 2000);
    auto atOrBelow = [](double mean) {
        int count = 0;
        for (int r = 1; r <= g_samplesDrawn; ++r)
            count += std::lround(g_sampleStore[r].mean * 4.0) <= std::lround(mean * 4.0);
        return count;
    };
    ASSERT_GT(atOrBelow(5.5) - atOrBelow(5.25), 50); // many samples at 5.5
    g_leftSliderZ = static_cast<float>((5.4999 - g_popMean) / g_standardError);
    RecomputeSliderValues();
    dorvane->BringUpToDate();
    ASSERT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 5.50");
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), atOrBelow(5.5));

    // z values: a slider a hair below the mean reads 0.00 and counts the
    // samples at the mean, 5.
    g_showZValues = 1;
    dorvane->RebinForOptions();
    g_leftSliderZ = -1e-6f;
    RecomputeSliderValues();
    dorvane->BringUpToDate();
    ASSERT_EQ(std::abs(std::atof(SliderLabelText(g_leftSliderZ, false).c_str() + 4)), 0.0);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), atOrBelow(5.0));
}

TEST_F(CountedColumns, TValuesBeyondThePlotAreCountedMarkedAndNotLumped) {
    // SKEWED +, samples of 5, t values, tandem sliders at t = -1.01 and 1.01,
    // counting the samples outside them.
    Draw(5, 10000);
    g_showTValues = 1;
    dorvane->RebinForOptions();
    TwoSlidersTandem();
    g_leftSliderZ = -1.01f;
    g_rightSliderZ = 1.01f;
    g_proportionAbove = 1;
    RecomputeSliderValues();
    dorvane->BringUpToDate();
    SaveSnapshot(dorvane->grab().toImage(), "sd-t-tandem");

    // Each sample's t value, and where it stands on the axis of the means:
    // column j (width 0.2) holds the values from (j - 1.5) / 5 up to (j - 0.5) / 5.
    const double mu = g_popMean, se = g_standardError;
    std::vector<int> inColumn(kHistogramBins + 1, 0), lowInColumn(kHistogramBins + 1, 0),
        highInColumn(kHistogramBins + 1, 0);
    int below = 0, beyond = 0, outside = 0, withT = 0;
    for (int r = 1; r <= g_samplesDrawn; ++r) {
        const SampleRow& row = g_sampleStore[r];
        if (!(row.sd > 0)) continue; // no t value
        ++withT;
        const double t = (row.mean - mu) / (row.sd / std::sqrt(5.0));
        outside += t <= -1.01 || t > 1.01;
        const double x = mu + t * se;
        const long long column = 1 + static_cast<long long>(std::floor(5 * x + 0.5));
        if (x < -0.1) {
            ++below;
        } else if (column > 51) {
            ++beyond;
        } else {
            ++inColumn[column];
            lowInColumn[column] += t <= -1.01;
            highInColumn[column] += t > 1.01;
        }
    }
    ASSERT_GT(below, 100); // a skewed population gives long left tails of t
    // Counted, and in the proportion of every sample with a t value.
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), outside);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_PROPORTION), QString::asprintf("%.4f", double(outside) / withT));
    // Not lumped into the first column: every column holds its own samples.
    for (int column = 1; column <= 51; ++column)
        ASSERT_EQ(g_meanHistogram[column], inColumn[column]) << column;

    // The columns split by the sliders are red in the share counted. Outside:
    // at the bottom beside the left slider, at the top beside the right one.
    const int left = 1 + static_cast<int>(std::floor(5 * (mu - 1.01 * se) + 0.5));
    const int right = 1 + static_cast<int>(std::floor(5 * (mu + 1.01 * se) + 0.5));
    auto expectRed = [&](int column, int counted, const char* mode) {
        ASSERT_GT(inColumn[column], 0);
        const Rect c = g_sdColumnRect[column];
        const int height = g_sdAxisY - c.top;
        EXPECT_NEAR(RedRows(c), height * counted / inColumn[column], 1) << mode << column;
    };
    ASSERT_TRUE(lowInColumn[left] > 0 && lowInColumn[left] < inColumn[left]);
    ASSERT_TRUE(highInColumn[right] > 0 && highInColumn[right] < inColumn[right]);
    expectRed(left, lowInColumn[left], "outside ");
    expectRed(right, highInColumn[right], "outside ");
    const Rect lc = g_sdColumnRect[left], rc = g_sdColumnRect[right];
    EXPECT_EQ(SdPixel((lc.left + lc.right) / 2, g_sdAxisY - 1), kRed);
    EXPECT_EQ(SdPixel((rc.left + rc.right) / 2, rc.top), kRed);

    // Between: the rest of those two columns, at the top on the left and at
    // the bottom on the right.
    g_proportionAbove = 0;
    dorvane->BringUpToDate();
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), withT - outside);
    expectRed(left, inColumn[left] - lowInColumn[left], "between ");
    expectRed(right, inColumn[right] - highInColumn[right], "between ");
    EXPECT_EQ(SdPixel((lc.left + lc.right) / 2, lc.top), kRed);
    EXPECT_EQ(SdPixel((rc.left + rc.right) / 2, g_sdAxisY - 1), kRed);
    g_proportionAbove = 1;
    dorvane->BringUpToDate();

    // The samples off the left end are shown there, in red as they are counted.
    const QRect corner(g_sdAxisLeft + 1, g_sdPlotTop, 150, 20);
    EXPECT_GT(ReddishPixels(corner), 10);
    const Rect mark = dorvane->Plot().OffPlotMark(true);
    EXPECT_FALSE(mark.IsEmpty());
    EXPECT_TRUE(corner.contains(ToQRect(mark)));
    EXPECT_EQ(dorvane->Plot().OffPlotMark(false).IsEmpty(), beyond == 0);
    // Its tooltip says what it counts, in words.
    EXPECT_EQ(dorvane->Plot().OffPlotMarkTip(true),
              std::to_string(below) + " samples lie left of the part of the axis in view; all "
                                      "of them are counted in Number Outside (red)");
}

TEST_F(CountedColumns, SamplesWithoutATValueAreSaidAndLeftOutOfTheBase) {
    // Discrete U-SHAPED, samples of 2: a pair of equal values has s = 0 and
    // no t value.
    g_isContinuous = 0;
    g_isDiscrete = 1;
    ApplyPreset(PresetShape::UShaped);
    Draw(2, 10000);
    g_showTValues = 1;
    dorvane->RebinForOptions();
    SliderAtMean();
    int withoutT = 0, atOrBelow = 0;
    for (int r = 1; r <= g_samplesDrawn; ++r) {
        const SampleRow& row = g_sampleStore[r];
        if (!(row.sd > 0)) {
            ++withoutT;
            continue;
        }
        atOrBelow += row.mean <= g_popMean;
    }
    ASSERT_GT(withoutT, 1000);
    const int base = 10000 - withoutT;
    SaveSnapshot(dorvane->grab().toImage(), "sd-u-shaped-t-of-2");
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "10000");
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), atOrBelow);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_PROPORTION), QString::asprintf("%.4f", double(atOrBelow) / base));
    // The plot says how many have no t value and on what base the rest stand.
    EXPECT_FALSE(dorvane->Plot().NoStatisticNote().IsEmpty());
    SliderSplit split;
    SplitBySliders(split);
    EXPECT_EQ(SamplesWithoutStatisticNote(split),
              FormatGroupedInt(withoutT) +
                  " samples with s = 0 have no t value;\ncounts and proportions are of the other " +
                  FormatGroupedInt(base));
    // Observed values leave nobody out.
    g_showTValues = 0;
    dorvane->RebinForOptions();
    dorvane->BringUpToDate();
    EXPECT_TRUE(dorvane->Plot().NoStatisticNote().IsEmpty());
}

} // namespace
