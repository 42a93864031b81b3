// The counted columns of the Dorvane window against counts made here over
// the Sample store, red in the share counted, and what is drawn over and
// beside them: marks of the samples off the plot, the outlines, the slider
// labels, and the bar of x-bar and the hat of p-hat over their letters.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include <regex>
#include <string>
#include <vector>

namespace {

const QRgb kPurple = Rgb(160, 2, 190);

// Rows of dark ink in the area, from the first: '#' inked, '.' clear.
std::string InkRows(const QRect& area) {
    std::string rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool inked = false;
        for (int x = area.left(); x <= area.right(); ++x)
            inked = inked || qGray(g_sdMemDC.pixel(x, y)) < 128;
        if (inked || !rows.empty()) rows += inked ? '#' : '.';
    }
    return rows;
}
// The columns of the axis title's letter after `before`, as the font lays it out.
QRect TitleLetter(const QString& before, QChar letter) {
    const QFontMetrics m(g_fontArialBold9_5);
    const QString title = before + letter + " )";
    const int left = (g_histRect.left + g_histRect.right) / 2 - m.horizontalAdvance(title) / 2 +
                     m.horizontalAdvance(before) + m.boundingRect(letter).left();
    return QRect(left, g_histRect.bottom + 1, m.boundingRect(letter).width(), m.height());
}
// A hat (a stroke of up to three rows) or a bar (one row) over its letter
// with one or two clear rows between; a p has a descender below the line.
const std::regex kHat("#{1,3}\\.{1,2}#{7,}\\.*"), kBar("#\\.{1,2}#{4,}\\.*");

// Topmost pixel of the colour in column x of the plot, or -1.
int TopOf(QRgb colour, int x) {
    for (int y = g_histRect.top + 1; y < g_sdAxisY; ++y)
        if (SdPixel(x, y) == colour) return y;
    return -1;
}

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
        sum += g_sampleStore[r].mean, sumSq += std::pow(g_sampleStore[r].mean, 2);
    const double mean = sum / 10000.0, sd = std::sqrt((sumSq - 10000.0 * mean * mean) / 9999.0);
    EXPECT_EQ(Text(IDC_SD_MEAN_OF_MEANS) + " " + Text(IDC_SD_SD_OF_MEANS),
              QString::asprintf("%.3f %.4f", mean, sd));
    // The columns of 0.0 and 0.1 (bins 1 and 6 at width 0.02) are red to the
    // top, that of 0.2 (bin 11) green; "above" turns it round.
    for (int bin : {1, 6})
        EXPECT_EQ(RedRows(g_sdColumnRect[bin]), g_sdAxisY - g_sdColumnRect[bin].top) << bin;
    EXPECT_EQ(RedRows(g_sdColumnRect[11]), 0);
    // The hat stands over the p of the slider label and of the axis title.
    const Rect box = dorvane->Plot().SliderLabelBox(true);
    EXPECT_TRUE(
        std::regex_match(InkRows(QRect(box.left + 1, box.top + 1, 10, box.Height() - 2)), kHat));
    const QRect p = TitleLetter("Values of Sample Proportions ( ", 'p');
    EXPECT_TRUE(std::regex_match(InkRows(p), kHat)) << InkRows(p);
    SaveSnapshot(dorvane->grab().toImage(), "sd-p-hat-0.100");
    g_proportionAbove = 1;
    dorvane->BringUpToDate();
    EXPECT_EQ(Number(IDC_SD_ACTUAL_NUMBER), 10000 - atOrBelow);
    EXPECT_EQ(RedRows(g_sdColumnRect[6]), 0);
    EXPECT_EQ(RedRows(g_sdColumnRect[11]), g_sdAxisY - g_sdColumnRect[11].top);
}

TEST_F(CountedColumns, TValuesSplitTheirColumnsRedAndThoseBeyondThePlotAreMarked) {
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
    int below = 0, beyond = 0;
    for (int r = 1; r <= g_samplesDrawn; ++r) {
        const SampleRow& row = g_sampleStore[r];
        if (!(row.sd > 0)) continue; // no t value
        const double t = (row.mean - mu) / (row.sd / std::sqrt(5.0));
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
    expectRed(lc, left, inColumn[left] - low[left], false);
    expectRed(rc, right, inColumn[right] - high[right], true);
    g_proportionAbove = 1;
    dorvane->BringUpToDate();

    // The samples off the left end are shown there in red, as they are
    // counted, with a tooltip that says so in words.
    const QRect mark = ToQRect(dorvane->Plot().OffPlotMark(true));
    EXPECT_TRUE(QRect(g_sdAxisLeft + 1, g_sdPlotTop, 150, 20).contains(mark));
    int reddish = 0;
    for (int y = mark.top(); y <= mark.bottom(); ++y)
        for (int x = mark.left(); x <= mark.right(); ++x) {
            const QColor c = QColor::fromRgb(SdPixel(x, y));
            reddish += c.red() >= 200 && c.green() <= 120 && c.blue() <= 120;
        }
    EXPECT_GT(reddish, 10);
    EXPECT_EQ(dorvane->Plot().OffPlotMark(false).IsEmpty(), beyond == 0);
    EXPECT_EQ(dorvane->Plot().OffPlotMarkTip(true),
              std::to_string(below) + " samples lie left of the part of the axis in view; all "
                                      "of them are counted in Number Outside (red)");
}

TEST_F(CountedColumns, TheOutlinesStandWhereTheColumnsDoOrWouldForTheNumberAsked) {
    // Continuous UNIFORM, samples of one value: a column of width w holds
    // about N w / 10.2 samples, and so must the population outline.
    ApplyPreset(PresetShape::Uniform);
    Click(IDC_SD_POP_OUTLINE);
    Draw(1, 10000);
    for (auto [button, w] : {std::pair{IDC_SD_BIN_WIDE, 0.5}, {IDC_SD_BIN_FINEST, 0.05}}) {
        Click(button);
        const int top = TopOf(kPurple, (g_sdAxisLeft + g_sdAxisRight) / 2 + 2);
        ASSERT_GE(top, 0) << w;
        const double outline = (g_sdAxisY - top) / g_histCountScale;
        EXPECT_NEAR(outline / (10000.0 * w / 10.2), 1.0, 0.03) << "width " << w;
    }
    Click(IDC_SD_BIN_MEDIUM);

    // After the series is discarded the outline stands for the 300 asked
    // for: its tallest vertex at the largest column share of SKEWED +.
    ApplyPreset(PresetShape::SkewedPlus);
    Click(IDC_SD_NORMAL_OUTLINE);
    Draw(5, 10000);
    Type(IDC_SD_SAMPLE_SIZE, "25");
    Type(IDC_SD_NUM_SAMPLES, "300");
    ASSERT_EQ(g_samplesDrawn, 0);
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

    // The preview of 10,000 fits the plot, filling most of it, with the
    // counted tail red under the curve.
    Click(IDC_SD_POP_OUTLINE);
    Type(IDC_SD_NUM_SAMPLES, "10000");
    Sliders(0.0f);
    SaveSnapshot(dorvane->grab().toImage(), "sd-preview-10000");
    int peak = g_sdAxisY + 1; // the curve's top: its blue, the mean line left out
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        if (std::abs(x - AxisMarkX(g_popMean, 1)) > 1 && TopOf(kBlue, x) >= 0)
            peak = std::min(peak, TopOf(kBlue, x));
    EXPECT_GT(g_sdAxisY - peak, g_histMaxHeight / 2);
    const int meanX = AxisMarkX(g_popMean, 1);
    EXPECT_EQ(SdPixel(meanX - 4, (peak + g_sdAxisY) / 2), kRed);
    EXPECT_NE(SdPixel(meanX + 15, g_sdAxisY - 2), kRed);
    // A negative number of samples asks for none: no curve upside down.
    Type(IDC_SD_NUM_SAMPLES, "-1000000000");
    EXPECT_EQ(Text(IDC_SD_Z_NUMBER) + Text(IDC_SD_T_NUMBER), "00");
    int blueBelow = 0;
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        for (int y = g_sdAxisY + 1; y < g_histRect.bottom - 20; ++y)
            blueBelow += SdPixel(x, y) == kBlue;
    EXPECT_EQ(blueBelow, 0);
    ExpectNoNonNumbers("negative count");
}

TEST_F(CountedColumns, SliderLabelsStayWholeInsideThePlotAndSlidersOnTheAxis) {
    Draw(25, 200);
    TwoSlidersSeparate();
    g_showZValues = 1;
    Options();
    Sliders(-1.0f, 1.0f);
    // A drag changes nothing beside the plot, in the rows of the labels.
    auto beside = [] {
        const int top = g_sdAxisY, height = g_histRect.bottom - g_sdAxisY;
        return std::pair(g_sdMemDC.copy(0, top, g_histRect.left, height),
                         g_sdMemDC.copy(g_histRect.right, top, 624 - g_histRect.right, height));
    };
    const auto before = beside();
    DragSlider(true, g_sdAxisLeft);
    DragSlider(false, g_sdAxisRight - 20);
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-labels-at-the-ends");
    EXPECT_TRUE(beside() == before);
    const QFontMetrics metrics(g_fontArial7_5);
    for (bool isLeft : {true, false}) {
        const Rect box = dorvane->Plot().SliderLabelBox(isLeft);
        EXPECT_GT(box.left, g_histRect.left) << isLeft;
        EXPECT_LT(box.right, g_histRect.right) << isLeft;
        // Below the axis' tick labels (their tops 2 pixels under the axis),
        // above the plot's frame, and wide enough for the whole text.
        EXPECT_GE(box.top, g_sdAxisY + 2 + metrics.height()) << isLeft;
        EXPECT_LT(box.bottom, g_histRect.bottom) << isLeft;
        const QString label =
            QString::fromStdString(SliderLabelText(isLeft ? g_leftSliderZ : g_rightSliderZ, false));
        EXPECT_GE(box.Width(), metrics.horizontalAdvance(label)) << label.toStdString();
    }

    // One slider dragged past the right end stays there, drawn red below
    // the axis there and nowhere at its start, counting every sample; the
    // axis title's x carries its bar.
    g_showZValues = 0;
    Options();
    OneSlider();
    Sliders(0.0f);
    const QRect x = TitleLetter("Values of Sample Means ( ", 'x');
    EXPECT_TRUE(std::regex_match(InkRows(x), kBar)) << InkRows(x);
    DragSlider(true, g_histRect.right);
    auto redBelowTheAxis = [](int from, int to) {
        int red = 0;
        for (int x = from; x < to; ++x)
            for (int y = g_sdAxisY + 1; y < g_sdAxisY + 8; ++y)
                red += SdPixel(x, y) == kRed;
        return red;
    };
    EXPECT_GT(redBelowTheAxis(g_sdAxisRight - 12, g_histRect.right), 5);
    EXPECT_EQ(redBelowTheAxis(g_histRect.left + 1, g_sdAxisLeft + 20), 0);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER), "200");
    // The finest width at its last position shows 7.5 + 365 / 140 = 10.107
    // at the axis' end: the slider comes back there, label and count with it.
    Click(IDC_SD_BIN_FINEST);
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 10.11");
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER), "200");
}

} // namespace
