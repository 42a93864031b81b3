// One lesson step: a series of SKEWED + samples of five seen as medians, as
// variances (n) and as means again, through the window's chooser. Expected
// columns and figures are recounted from the samples' own values.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include "ui/DrawnTexts.h"

#include <QMenu>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr int kN = 5, kSamples = 1000;

// The sample's median and variances (divisor n - 1), from its sorted values.
double MedianOf(int r) {
    std::vector<double> v(g_sampleStore[r].values + 1, g_sampleStore[r].values + 1 + kN);
    std::sort(v.begin(), v.end());
    return v[kN / 2];
}
double VarianceOf(int r) {
    const float* v = g_sampleStore[r].values + 1;
    double mean = 0, squares = 0;
    for (int i = 0; i < kN; ++i)
        mean += v[i] / double{kN};
    for (int i = 0; i < kN; ++i)
        squares += (v[i] - mean) * (v[i] - mean);
    return squares / (kN - 1);
}
// Bin of a place on the axis at the 0.2 width: bin 1 holds -0.1 .. 0.1.
int BinAt(double axis) {
    return static_cast<int>(std::floor((axis + 0.1) / 0.2)) + 1;
}
bool Drawn(const QString& text) {
    for (const DrawnText& t : DrawnTexts())
        if (t.text == text) return true;
    return false;
}

TEST_F(DorvaneWindow, MediansAndVariancesOfOneSeriesStandOnTheirOwnAxes) {
    g_seedCarry = 0;
    Draw(kN, kSamples);
    auto* chooser = dorvane->findChild<QPushButton*>("statistic");
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->accessibleName(), "Statistic");
    EXPECT_NE(chooser->focusPolicy() & Qt::TabFocus, 0);
    const std::vector<int> meanColumns(g_meanHistogram, g_meanHistogram + 52);

    // value of sample r, where the axis puts it (median: the population's
    // scale; variances: 10 axis units for 50), title, and the field's mean.
    struct Case {
        int index;
        std::function<double(int)> value;
        double axisPerUnit;
        QString title;
    };
    const double nShare = (kN - 1.0) / kN;
    const Case cases[] = {
        {1, MedianOf, 1.0, "Distribution of Sample Medians"},
        {4, [&](int r) { return nShare * VarianceOf(r); }, 0.2,
         "Distribution of Sample Variances (n)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        RecordDrawnTexts(true);
        chooser->menu()->actions()[c.index]->trigger();
        EXPECT_TRUE(Drawn(c.title));
        std::vector<int> expected(52, 0);
        double sum = 0;
        for (int r = 1; r <= kSamples; ++r) {
            const int bin = BinAt(c.value(r) * c.axisPerUnit);
            if (bin >= 1 && bin <= 51) ++expected[bin];
            sum += c.value(r);
        }
        EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + 52), expected);
        EXPECT_NEAR(Text(IDC_SD_MEAN_OF_MEANS).toDouble(), sum / kSamples, 0.0015);
        EXPECT_EQ(Number(IDC_SD_TOTAL_DRAWN), kSamples); // the series stayed
        EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), "");      // sigma / sqrt(n) is the mean's

        // A click at the foot of the tallest column selects the sample of that
        // column with the smallest value: the column stacks them in order.
        const int tallest =
            int(std::max_element(expected.begin(), expected.end()) - expected.begin());
        int slot = 1;
        while (slot < kSdColumnSlots && g_sdColumnBin[slot] != tallest)
            ++slot;
        const Rect column = g_sdColumnRect[slot];
        QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((column.left + column.right) / 2, g_sdAxisY - 1));
        ASSERT_NE(g_selectedSample, 0);
        const double picked = c.value(g_selectedSample);
        EXPECT_EQ(BinAt(picked * c.axisPerUnit), tallest);
        for (int r = 1; r <= kSamples; ++r) {
            if (BinAt(c.value(r) * c.axisPerUnit) == tallest) {
                EXPECT_GE(c.value(r), picked - 1e-6);
            }
        }
    }

    // Variance (n): its mean sits at (n - 1)/n of the variances' own mean,
    // and the blue mark of sigma squared stands at sigma^2 on its axis.
    double variances = 0;
    for (int r = 1; r <= kSamples; ++r)
        variances += VarianceOf(r);
    EXPECT_NEAR(Text(IDC_SD_MEAN_OF_MEANS).toDouble(), nShare * variances / kSamples, 0.0015);
    const double sigma2 = double{g_popSD} * g_popSD;
    EXPECT_TRUE(Drawn(QString::asprintf("\u03c3\u00b2 = %.2f", sigma2)));
    const int markX = g_sdAxisLeft + int((3.0 + 35.0 * 0.2 * sigma2) * g_sdScaleX);
    EXPECT_EQ(SdPixel(markX, g_sdPlotTop + 3), kBlue);
    SaveSnapshot(g_sdMemDC, "variance-n");

    // Back to the mean: the same columns as before, under the mean's title.
    chooser->menu()->actions()[0]->trigger();
    EXPECT_TRUE(Drawn("Distribution of Sample Means"));
    EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + 52), meanColumns);
    EXPECT_FALSE(Text(IDC_SD_INTERVAL_WIDTH).isEmpty());

    // Variances chosen before a run of single values: none has one, which is
    // said, counted out and left empty where the run wrote its means' figures.
    RecordDrawnTexts(true);
    chooser->menu()->actions()[3]->trigger();
    Draw(1, 40);
    EXPECT_TRUE(Drawn("40 samples of one value have no s\u00b2;"));
    RecordDrawnTexts(false);
    EXPECT_EQ(std::accumulate(g_meanHistogram, g_meanHistogram + kHistogramBins + 1, 0), 0);
    EXPECT_EQ(Text(IDC_SD_MEAN_OF_MEANS), "");
    ExpectNoNonNumbers("variance of n = 1");
}

} // namespace
