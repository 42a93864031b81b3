// The counted columns of the Dorvane window against counts made here over
// the Sample store: a slider standing on a possible proportion counts the
// samples at it and colours their column; with t values, samples beyond the
// plot are counted, marked at its end and never lumped into the first
// column, and the columns split by the sliders are red in the share counted.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include <string>
#include <vector>

namespace {

using CountedColumns = DorvaneWindow;

TEST_F(CountedColumns, ProportionsAreCountedAtTheSlidersLabelAndDrawnAsPHat) {
    // Binomial p = .3, samples of 10: the proportions are 0.0, 0.1, 0.2, ...
    g_isContinuous = 0;
    g_isBinomial = 1;
    SetBinomialP(0.3f);
    Draw(10, 10000);
    DragSlider(true, g_sdAxisLeft + 35); // 0.1 at 350 pixels a unit
    ASSERT_EQ(SliderLabelText(g_leftSliderZ, false), "p = 0.100");
    const int atOrBelow =
        CountOf([](const SampleRow& s) { return std::lround(s.mean * 10.0) <= 1; });
    ASSERT_GT(atOrBelow, 1000);
    EXPECT_EQ(Number(IDC_SD_ACTUAL_NUMBER), atOrBelow);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_PROPORTION), QString::asprintf("%.4f", atOrBelow / 10000.0));
    for (int id : {IDC_SD_T_NUMBER, IDC_SD_T_PROPORTION}) { // proportions have no t row
        EXPECT_EQ(Text(id), "") << id;
        EXPECT_FALSE(dorvane->Control(id)->isVisible()) << id;
    }
    // The mean of p-hat reads like p (three decimals), its SD like the SE (four).
    double sum = 0.0, sumSq = 0.0;
    for (int r = 1; r <= g_samplesDrawn; ++r)
        sum += g_sampleStore[r].mean,
            sumSq += double(g_sampleStore[r].mean) * g_sampleStore[r].mean;
    const double mean = sum / 10000.0, sd = std::sqrt((sumSq - 10000.0 * mean * mean) / 9999.0);
    EXPECT_EQ(Text(IDC_SD_MEAN_OF_MEANS), QString::asprintf("%.3f", mean));
    EXPECT_EQ(Text(IDC_SD_SD_OF_MEANS), QString::asprintf("%.4f", sd));
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), "0.1449"); // sqrt(.3 x .7 / 10)
    // The columns of 0.0 and 0.1 (bins 1 and 6 at width 0.02) are red to the
    // top, that of 0.2 (bin 11) green; "above" turns it round.
    for (int bin : {1, 6})
        EXPECT_EQ(RedRows(g_sdColumnRect[bin]), g_sdAxisY - g_sdColumnRect[bin].top) << bin;
    EXPECT_EQ(RedRows(g_sdColumnRect[11]), 0);
    SaveSnapshot(dorvane->grab().toImage(), "sd-p-hat-0.100");
    g_proportionAbove = 1;
    dorvane->BringUpToDate();
    EXPECT_EQ(Number(IDC_SD_ACTUAL_NUMBER), 10000 - atOrBelow);
    EXPECT_EQ(RedRows(g_sdColumnRect[6]), 0);
    EXPECT_EQ(RedRows(g_sdColumnRect[11]), g_sdAxisY - g_sdColumnRect[11].top);

    // The hat of p-hat in the slider label stands over the p, apart from it:
    // the topmost ink of the label's first letter is a short stroke, then a
    // clear row, then the p with its descender.
    const Rect box = dorvane->Plot().SliderLabelBox(true);
    ASSERT_FALSE(box.IsEmpty());
    std::vector<int> inkRows; // rows of the first 10 pixels inside the frame
    for (int y = box.top + 1; y < box.bottom; ++y)
        for (int x = box.left + 1; x < box.left + 11; ++x)
            if (qGray(g_sdMemDC.pixel(x, y)) < 128) {
                inkRows.push_back(y);
                break;
            }
    ASSERT_GE(inkRows.size(), 8u);
    int gap = 1;
    while (gap < int(inkRows.size()) && inkRows[gap] == inkRows[gap - 1] + 1)
        ++gap;
    ASSERT_LT(gap, int(inkRows.size())) << "no clear row under the hat";
    EXPECT_LT(gap, 4);                             // the hat: at most 3 rows
    EXPECT_GT(inkRows.back() - inkRows[gap], 6);   // the p with its descender
    EXPECT_LE(inkRows[gap] - inkRows[gap - 1], 3); // close over it
}

TEST_F(CountedColumns, TValuesBeyondThePlotAreCountedMarkedAndNotLumped) {
    // SKEWED +, samples of 5, t values, tandem sliders at t = -1.01 and 1.01,
    // counting the samples outside them.
    Draw(5, 10000);
    g_showTValues = 1;
    Options();
    TwoSlidersTandem();
    g_proportionAbove = 1;
    Sliders(-1.01f, 1.01f);
    SaveSnapshot(dorvane->grab().toImage(), "sd-t-tandem");
    // Each sample's t value, where it stands on the axis of the means, and
    // its column j (width 0.2) of the values (j - 1.5) / 5 up to (j - 0.5) / 5.
    const double mu = g_popMean, se = g_standardError;
    std::vector<int> inColumn(kHistogramBins + 1, 0), low(kHistogramBins + 1, 0),
        high(kHistogramBins + 1, 0);
    int below = 0, beyond = 0, outside = 0, withT = 0, borderline = 0;
    for (int r = 1; r <= g_samplesDrawn; ++r) {
        const SampleRow& row = g_sampleStore[r];
        if (!(row.sd > 0)) continue; // no t value
        ++withT;
        const double t = (row.mean - mu) / (row.sd / std::sqrt(5.0));
        outside += t <= -1.01 || t > 1.01;
        borderline += std::abs(std::abs(t) - 1.01) < 1e-5; // float rounding decides
        const double x = mu + t * se;
        const long long column = 1 + static_cast<long long>(std::floor(5 * x + 0.5));
        if (x < -0.1) {
            ++below;
        } else if (column > 51) {
            ++beyond;
        } else {
            ++inColumn[column];
            low[column] += t <= -1.01;
            high[column] += t > 1.01;
        }
    }
    ASSERT_GT(below, 100); // a skewed population gives long left tails of t
    EXPECT_NEAR(Number(IDC_SD_ACTUAL_NUMBER), outside, borderline);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_PROPORTION), // of the samples with a t value
              QString::asprintf("%.4f", double(Number(IDC_SD_ACTUAL_NUMBER)) / withT));
    for (int column = 1; column <= 51; ++column) // every column holds its own samples
        ASSERT_EQ(g_meanHistogram[column], inColumn[column]) << column;

    // The columns split by the sliders are red in the share counted: outside,
    // at the bottom beside the left slider and at the top beside the right
    // one; between, the rest of each.
    const int left = 1 + static_cast<int>(std::floor(5 * (mu - 1.01 * se) + 0.5));
    const int right = 1 + static_cast<int>(std::floor(5 * (mu + 1.01 * se) + 0.5));
    ASSERT_TRUE(low[left] > 0 && low[left] < inColumn[left]);
    ASSERT_TRUE(high[right] > 0 && high[right] < inColumn[right]);
    const Rect lc = g_sdColumnRect[left], rc = g_sdColumnRect[right];
    auto expectRed = [&](const Rect& c, int column, int counted, bool atFoot) {
        EXPECT_NEAR(RedRows(c), (g_sdAxisY - c.top) * counted / inColumn[column], 1) << column;
        EXPECT_EQ(SdPixel((c.left + c.right) / 2, atFoot ? g_sdAxisY - 1 : c.top), kRed) << column;
    };
    expectRed(lc, left, low[left], true);
    expectRed(rc, right, high[right], false);
    g_proportionAbove = 0;
    dorvane->BringUpToDate();
    EXPECT_NEAR(Number(IDC_SD_ACTUAL_NUMBER), withT - outside, borderline);
    expectRed(lc, left, inColumn[left] - low[left], false);
    expectRed(rc, right, inColumn[right] - high[right], true);
    g_proportionAbove = 1;
    dorvane->BringUpToDate();

    // The samples off the left end are shown there in red, as they are
    // counted, with a tooltip that says so in words.
    const QRect corner(g_sdAxisLeft + 1, g_sdPlotTop, 150, 20);
    int reddish = 0;
    for (int y = corner.top(); y <= corner.bottom(); ++y)
        for (int x = corner.left(); x <= corner.right(); ++x) {
            const QColor c = QColor::fromRgb(SdPixel(x, y));
            reddish += c.red() >= 200 && c.green() <= 120 && c.blue() <= 120;
        }
    EXPECT_GT(reddish, 10);
    EXPECT_TRUE(corner.contains(ToQRect(dorvane->Plot().OffPlotMark(true))));
    EXPECT_EQ(dorvane->Plot().OffPlotMark(false).IsEmpty(), beyond == 0);
    EXPECT_EQ(dorvane->Plot().OffPlotMarkTip(true),
              std::to_string(below) + " samples lie left of the part of the axis in view; all "
                                      "of them are counted in Number Outside (red)");
}

TEST_F(CountedColumns, SamplesWithoutATValueAreSaidOnThePlot) {
    // Discrete U-SHAPED, samples of 2: a pair of equal values has s = 0.
    g_isContinuous = 0;
    g_isDiscrete = 1;
    ApplyPreset(PresetShape::UShaped);
    Draw(2, 2000);
    g_showTValues = 1;
    Options();
    const int withT = CountOf([](const SampleRow& s) { return s.sd > 0; });
    ASSERT_LT(withT, 1800);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_PROPORTION),
              QString::asprintf("%.4f", double(Number(IDC_SD_ACTUAL_NUMBER)) / withT));
    EXPECT_FALSE(dorvane->Plot().NoStatisticNote().IsEmpty());
    SaveSnapshot(dorvane->grab().toImage(), "sd-u-shaped-t-of-2");
    g_showTValues = 0; // observed values leave nobody out
    Options();
    EXPECT_TRUE(dorvane->Plot().NoStatisticNote().IsEmpty());
}

} // namespace
