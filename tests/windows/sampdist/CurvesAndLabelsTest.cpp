// What the Dorvane window draws over and beside the columns: the outlines at
// the height the columns have, for the current series or the number asked;
// the slider labels whole inside the plot and the sliders on the axis; the
// bar of x-bar over its letter.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include <algorithm>
#include <set>
#include <vector>

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
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        if (std::abs(x - AxisMarkX(g_popMean, 1)) > 1 && TopOf(kBlue, x) >= 0)
            top = std::min(top, TopOf(kBlue, x));
    return top;
}
// The share of a normal within 0.1 either side of its mean, at this SE.
double Central(double se) {
    return std::erf(0.1 / se / std::sqrt(2.0));
}

using CurvesAndLabels = DorvaneWindow;

TEST_F(CurvesAndLabels, TheOutlinesStandWhereTheColumnsDoOrWouldForTheNumberAsked) {
    // Continuous UNIFORM, samples of one value: a column of width w holds
    // about N w / 10.2 samples, and so must the population outline.
    ApplyPreset(PresetShape::Uniform);
    Click(IDC_SD_POP_OUTLINE);
    Draw(1, 10000);
    for (auto [button, w] : {std::pair{IDC_SD_BIN_WIDE, 0.5},
                             {IDC_SD_BIN_MEDIUM, 0.2},
                             {IDC_SD_BIN_NARROW, 0.1},
                             {IDC_SD_BIN_FINEST, 0.05}}) {
        Click(button);
        const int top = TopOf(kPurple, (g_sdAxisLeft + g_sdAxisRight) / 2 + 2);
        ASSERT_GE(top, 0) << w;
        const double outline = (g_sdAxisY - top) / g_histCountScale;
        EXPECT_NEAR(outline / (10000.0 * w / 10.2), 1.0, 0.03) << "width " << w;
        // The columns away from the axis' ends stand as high, on average.
        int shown = 0;
        while (shown < kSdColumnSlots && g_sdColumnBin[shown + 1] != 0)
            ++shown;
        double sum = 0;
        for (int slot = 4; slot <= shown - 4; ++slot)
            sum += g_meanHistogram[g_sdColumnBin[slot]];
        EXPECT_NEAR(sum / (shown - 7) / outline, 1.0, 0.1) << "width " << w;
    }
    Click(IDC_SD_BIN_MEDIUM);

    // After the series is discarded the curves stand for the 300 asked for:
    // the outline's tallest vertex at the largest column share of SKEWED +,
    // the curve's peak at 300 x P(|z| < 0.1 / se).
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
    EXPECT_NEAR((g_sdAxisY - CurveTop()) / g_histCountScale, 300 * Central(g_popSD / 5.0), 3.0);

    // The preview of 10,000 fits the plot, filling most of it, with the
    // counted tail red under the curve; the outlines off, no blue is left.
    Click(IDC_SD_POP_OUTLINE);
    Type(IDC_SD_NUM_SAMPLES, "10000");
    Sliders(0.0f);
    SaveSnapshot(dorvane->grab().toImage(), "sd-preview-10000");
    const double central = 10000 * Central(g_popSD / 5.0);
    const int peak = CurveTop();
    EXPECT_GT(peak, g_sdPlotTop - 2);
    EXPECT_GT(g_sdAxisY - peak, g_histMaxHeight / 2);
    EXPECT_NEAR((g_sdAxisY - peak) / g_histCountScale, central, 0.02 * central);
    EXPECT_GE(g_histTickCount * g_histTickStep, central * 0.9);
    const int meanX = AxisMarkX(g_popMean, 1);
    EXPECT_EQ(SdPixel(meanX - 4, (peak + g_sdAxisY) / 2), kRed);
    EXPECT_NE(SdPixel(meanX + 15, g_sdAxisY - 2), kRed);
    // A negative number of samples asks for none: no curve upside down.
    for (const char* count : {"-5", "-1000000000"}) {
        Type(IDC_SD_NUM_SAMPLES, count);
        EXPECT_EQ(Text(IDC_SD_Z_NUMBER) + Text(IDC_SD_T_NUMBER), "00") << count;
        EXPECT_EQ(BluePixels(true), 0) << count;
        ExpectNoNonNumbers(count);
    }
    Type(IDC_SD_SAMPLE_SIZE, "1000"); // the curve as narrow as it gets
    EXPECT_EQ(BluePixels(true), 0);
    Click(IDC_SD_NORMAL_OUTLINE);
    Type(IDC_SD_NUM_SAMPLES, "100");
    EXPECT_EQ(BluePixels(), 0);
}

TEST_F(CurvesAndLabels, SliderLabelsStayWholeInsideThePlotAndSlidersOnTheAxis) {
    Draw(25, 200);
    TwoSlidersSeparate();
    g_showZValues = 1;
    Options();
    Sliders(-1.0f, 1.0f);
    // A drag changes nothing beside the plot, in the rows of the labels.
    auto beside = [](bool leftSide) {
        const int top = g_sdAxisY, height = g_histRect.bottom - g_sdAxisY;
        return leftSide ? g_sdMemDC.copy(0, top, g_histRect.left, height)
                        : g_sdMemDC.copy(g_histRect.right, top, 624 - g_histRect.right, height);
    };
    const QImage left = beside(true), right = beside(false);
    DragSlider(true, g_sdAxisLeft);
    DragSlider(false, g_sdAxisRight - 20);
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-labels-at-the-ends");
    EXPECT_EQ(beside(true), left);
    EXPECT_EQ(beside(false), right);
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
        EXPECT_TRUE(label.startsWith("z = ")) << label.toStdString();
        EXPECT_GE(box.Width(), metrics.horizontalAdvance(label)) << label.toStdString();
    }

    // One slider dragged past the right end stays there, drawn red below
    // the axis there and nowhere at its start, counting every sample.
    g_showZValues = 0;
    Options();
    OneSlider();
    Sliders(0.0f);
    DragSlider(true, g_histRect.right);
    EXPECT_EQ(g_leftSliderHidden, 0);
    EXPECT_GT(SliderThreshold(g_leftSliderZ), 10.2f); // the axis ends at 365 / 35 = 10.43
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
    EXPECT_NEAR(SliderThreshold(g_leftSliderZ), 7.5 + 365.0 / 140, 0.004);
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 10.11");
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER), "200");
}

// The box of the 8-connected dark pixels of the area joined to `from`.
QRect InkBox(const QRect& area, QPoint from) {
    auto ink = [&](QPoint p) { return area.contains(p) && qGray(g_sdMemDC.pixel(p)) < 128; };
    QRect box(from, from);
    std::vector<QPoint> stack{from};
    std::set<std::pair<int, int>> seen{{from.x(), from.y()}};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        box |= QRect(p, p);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (const QPoint q = p + QPoint(dx, dy);
                    ink(q) && seen.insert({q.x(), q.y()}).second)
                    stack.push_back(q);
    }
    return box;
}

TEST_F(CurvesAndLabels, TheBarOfXBarStandsOverTheXOfTheAxisTitle) {
    const QRect title(g_histRect.left + 1, g_histRect.bottom + 1, g_histRect.Width() - 2,
                      446 - g_histRect.bottom - 2);
    QRect bar; // a 1-pixel stroke at least 4 wide
    for (int y = title.top(); y <= title.bottom() && bar.isNull(); ++y)
        for (int x = title.left(); x <= title.right() && bar.isNull(); ++x)
            if (qGray(g_sdMemDC.pixel(x, y)) < 128) {
                const QRect box = InkBox(title, QPoint(x, y));
                if (box.height() == 1 && box.width() >= 4) bar = box;
            }
    ASSERT_FALSE(bar.isNull());
    // The letter under it spans it, with a clear row between them.
    int y = bar.bottom() + 1;
    while (y <= title.bottom() && qGray(g_sdMemDC.pixel(bar.center().x(), y)) >= 128)
        ++y;
    ASSERT_LE(y, title.bottom());
    const QRect letter = InkBox(title, QPoint(bar.center().x(), y));
    EXPECT_NEAR(letter.left(), bar.left(), 1);
    EXPECT_NEAR(letter.right(), bar.right(), 1);
    EXPECT_GE(letter.top(), bar.bottom() + 2);
    EXPECT_LE(letter.top(), bar.bottom() + 3);
}

} // namespace
