// The sliders and the marks over letters, as pixels: a slider label is whole
// and stays inside the plot wherever the slider is dragged, so a drag
// changes nothing outside it; a slider always stands on the axis; the bar of
// x-bar and the hat of p-hat stand over their letter, apart from it.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include "core/NumberText.h"

#include <QTest>
#include <algorithm>
#include <vector>

namespace {

// A pixel of text or of a stroke: dark, whatever the smoothing of the text.
bool Ink(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

struct Component {
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1, pixels = 0;
};

// The 8-connected ink components inside the area.
std::vector<Component> InkComponents(const QImage& image, const QRect& area) {
    std::vector<char> seen(area.width() * area.height(), 0);
    std::vector<Component> out;
    for (int y0 = area.top(); y0 <= area.bottom(); ++y0)
        for (int x0 = area.left(); x0 <= area.right(); ++x0) {
            auto index = [&](int x, int y) {
                return (y - area.top()) * area.width() + x - area.left();
            };
            if (seen[index(x0, y0)] || !Ink(image, x0, y0)) continue;
            Component c;
            std::vector<QPoint> stack{QPoint(x0, y0)};
            seen[index(x0, y0)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                c.left = std::min(c.left, p.x()), c.right = std::max(c.right, p.x());
                c.top = std::min(c.top, p.y()), c.bottom = std::max(c.bottom, p.y());
                ++c.pixels;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q(p.x() + dx, p.y() + dy);
                        if (!area.contains(q) || seen[index(q.x(), q.y())] ||
                            !Ink(image, q.x(), q.y()))
                            continue;
                        seen[index(q.x(), q.y())] = 1;
                        stack.push_back(q);
                    }
            }
            out.push_back(c);
        }
    return out;
}

class SliderLabels : public DorvaneWindow {
  protected:
    // Presses on the slider's handle and moves to x with the left button held.
    void DragTo(bool left, int x) {
        const QPoint grip = Centre(left ? g_leftSliderRect : g_rightSliderRect);
        QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip);
        SendMove(dorvane.get(), QPoint(x, grip.y()), Qt::LeftButton);
        QTest::mouseRelease(dorvane.get(), Qt::LeftButton, Qt::NoModifier, QPoint(x, grip.y()));
    }
    // The window's picture outside the plot, in the rows of the slider labels.
    static QImage BesideThePlot(bool leftSide) {
        const int top = g_sdAxisY, height = g_histRect.bottom - g_sdAxisY;
        return leftSide ? g_sdMemDC.copy(0, top, g_histRect.left, height)
                        : g_sdMemDC.copy(g_histRect.right, top, 624 - g_histRect.right, height);
    }
};

TEST_F(SliderLabels, LabelsStayWholeInsideThePlotWhereverTheSliderGoes) {
    Draw(25, 200);
    TwoSlidersSeparate();
    g_showZValues = 1;
    dorvane->RebinForOptions();
    g_leftSliderZ = -1.0f;
    g_rightSliderZ = 1.0f;
    RecomputeSliderValues();
    dorvane->BringUpToDate();
    const QImage left = BesideThePlot(true), right = BesideThePlot(false);
    // The left slider to the axis start, the right one near the far end.
    DragTo(true, g_sdAxisLeft);
    DragTo(false, g_sdAxisRight - 20);
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-labels-at-the-ends");
    EXPECT_EQ(BesideThePlot(true), left);
    EXPECT_EQ(BesideThePlot(false), right);
    for (bool isLeft : {true, false}) {
        const Rect box = dorvane->Plot().SliderLabelBox(isLeft);
        EXPECT_GT(box.left, g_histRect.left) << isLeft;
        EXPECT_LT(box.right, g_histRect.right) << isLeft;
        // Below the axis' tick labels (their tops 2 pixels under the axis),
        // which stay readable, and above the plot's frame.
        EXPECT_GE(box.top, g_sdAxisY + 2 + QFontMetrics(g_fontArial7_5).height()) << isLeft;
        EXPECT_LT(box.bottom, g_histRect.bottom) << isLeft;
    }
    // The right label reads its whole number: the box holds all of its text.
    const QString label = QString::fromStdString(SliderLabelText(g_rightSliderZ, false));
    ASSERT_TRUE(label.startsWith("z = ")) << label.toStdString();
    const Rect box = dorvane->Plot().SliderLabelBox(false);
    EXPECT_GE(box.Width(), QFontMetrics(g_fontArial7_5).horizontalAdvance(label));
}

TEST_F(SliderLabels, ASliderAlwaysStandsOnTheAxis) {
    Draw(25, 200);
    // Dragged to the right end, the slider stays there with its value.
    const QPoint grip = Centre(g_leftSliderRect);
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip);
    SendMove(dorvane.get(), QPoint(g_histRect.right, grip.y()), Qt::LeftButton);
    QTest::mouseRelease(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip);
    EXPECT_EQ(g_leftSliderHidden, 0);
    EXPECT_GT(g_leftSliderRect.left, g_sdAxisRight - 20);
    EXPECT_GT(SliderThreshold(g_leftSliderZ), 10.2f);
    // Its pointer is drawn there, red, and nothing of it at the axis start.
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

    // The finest width shows the axis up to about 10.1 at its last position:
    // the slider comes back to that end, its label and count with it.
    Click(IDC_SD_BIN_FINEST);
    const float end = AxisPixelToValue(g_sdAxisRight, 151);
    EXPECT_FLOAT_EQ(SliderThreshold(g_leftSliderZ), end);
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = " + FormatNumber("%.2f", end));
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER), "200");

    // A population whose scale leaves the slider far off: back on the axis.
    g_popMean = 0.3f;
    g_popSD = 0.1f;
    g_showZValues = 1;
    dorvane->BringUpToDate();
    const float threshold = SliderThreshold(g_leftSliderZ);
    EXPECT_TRUE(threshold >= 0.0f && threshold <= end) << threshold;
}

TEST_F(SliderLabels, TheBarOfXBarStandsOverTheXOfTheAxisTitle) {
    // The title under the plot, and the 1-pixel bar over one of its letters.
    const QRect title(g_histRect.left + 1, g_histRect.bottom + 1, g_histRect.Width() - 2,
                      446 - g_histRect.bottom - 2);
    const std::vector<Component> parts = InkComponents(g_sdMemDC, title);
    const Component* bar = nullptr;
    for (const Component& c : parts)
        if (c.top == c.bottom && c.right - c.left >= 4) bar = &c;
    ASSERT_NE(bar, nullptr);
    // The letter under it: the ink right below the bar's middle.
    const Component* letter = nullptr;
    for (const Component& c : parts)
        if (&c != bar && c.top > bar->bottom && c.left <= (bar->left + bar->right) / 2 &&
            c.right >= (bar->left + bar->right) / 2 && (!letter || c.top < letter->top))
            letter = &c;
    ASSERT_NE(letter, nullptr);
    // It spans the letter, with a clear row between them.
    EXPECT_NEAR(letter->left, bar->left, 1);
    EXPECT_NEAR(letter->right, bar->right, 1);
    EXPECT_GE(letter->top, bar->bottom + 2);
    EXPECT_LE(letter->top, bar->bottom + 3);
}

TEST_F(SliderLabels, TheHatOfPHatStandsApartOverThePInTheSliderLabel) {
    g_isContinuous = 0;
    g_isBinomial = 1;
    SetBinomialP(0.3f);
    Type(IDC_SD_SAMPLE_SIZE, "10");
    g_leftSliderZ = 0.0f;
    RecomputeSliderValues();
    dorvane->BringUpToDate();
    const Rect box = dorvane->Plot().SliderLabelBox(true);
    ASSERT_FALSE(box.IsEmpty());
    // Inside the box's frame: the components of the label's first letter.
    const QRect inside(box.left + 1, box.top + 1, 10, box.Height() - 2);
    std::vector<Component> parts = InkComponents(g_sdMemDC, inside);
    std::sort(parts.begin(), parts.end(),
              [](const Component& a, const Component& b) { return a.top < b.top; });
    ASSERT_GE(parts.size(), 2u); // the hat, and the letter apart from it
    const Component& hat = parts.front();
    const Component& p = parts[1];
    EXPECT_LE(hat.bottom + 2, p.top); // a clear row between them
    EXPECT_LT(hat.bottom - hat.top, 4);
    EXPECT_NEAR(hat.left, p.left, 1);
    EXPECT_NEAR(hat.right, p.right, 2);
    EXPECT_GT(p.bottom - p.top, 6); // the letter with its descender
}

} // namespace
