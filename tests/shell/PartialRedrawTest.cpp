// A window drawn again in part shows what a whole redraw of the same state
// paints, device pixel for device pixel at the screen's scale (this test is
// built for 1, 1.5 and 2): the Dorvane window after slider drags, the
// Confidence Intervals and Samples windows after steps of their scroll bars,
// the Samples grid view after a new series.
#include "tests/shell/ShellTestSupport.h"

#include <QtMath>

namespace {

using PartialRedraw = ShellTest;

QImage PictureOf(const QImage& surface, const QWidget* window) {
    const qreal ratio = surface.devicePixelRatio();
    return surface.copy(0, 0, qCeil(window->width() * ratio), qCeil(window->height() * ratio));
}

TEST_F(PartialRedraw, ShowsWhatAWholeRedrawOfTheSameStatePaints) {
    // Skewed to the left: the mean stands right of the axis' middle.
    ApplyPreset(PresetShape::SkewedMinus);
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLES));
    ASSERT_TRUE(Choose(ID_WINDOW_CONF_INTERVALS));
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    DrawAtF(25, 1000);
    // A selected interval with its possible means in the strip; tandem
    // sliders, whose mirrored partner a drag can push past the axis' end.
    QTest::mouseClick(Ci(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(g_ciGraphRect.left + 60, RowY(g_ciFirstSample + 40)));
    ASSERT_TRUE(g_sampleSelected);
    ASSERT_TRUE(Choose(ID_OPTIONS_POSSIBLE_MU));
    ASSERT_TRUE(Choose(ID_OPTIONS_TWO_SLIDERS_TANDEM));

    auto drag = [](int dx) {
        return [dx] {
            const QPoint grip = Centre(g_leftSliderRect);
            QTest::mousePress(Sd(), Qt::LeftButton, Qt::NoModifier, grip);
            SendMove(Sd(), grip + QPoint(dx, 0), Qt::LeftButton);
            QTest::mouseRelease(Sd(), Qt::LeftButton, Qt::NoModifier, grip + QPoint(dx, 0));
        };
    };
    auto step = [](QWidget* bar, QAbstractSlider::SliderAction action) {
        return [bar, action] { qobject_cast<QScrollBar*>(bar)->triggerAction(action); };
    };
    const std::function<void()> wholeSd = [] { Sd()->BringUpToDate(); };
    // The grid view's scale follows a new series as a count made afresh does.
    const std::function<void()> gridAfterNewSeries = [] {
        DrawAtF(25, 2);
        Press(g_samplesWnd->Control(IDC_SAMPLES_VIEW_TOGGLE));
        DrawAtF(25, 2);
    };
    const std::function<void()> freshSamples = [] {
        ++g_sampleStoreGeneration;
        g_samplesWnd->RedrawSamplesWindow();
    };
    struct Case {
        const char* name;
        std::function<void()> partial, whole;
        const QImage* surface;
        const QWidget* window;
    };
    const Case cases[] = {
        {"sd-drag-right", drag(35), wholeSd, &g_sdMemDC, Sd()},
        // Far left: the mirrored right slider would stand past the axis' end.
        {"sd-drag-far-left", drag(-400), wholeSd, &g_sdMemDC, Sd()},
        {"ci-page-back", step(Ci()->Control(IDC_CI_SCROLL), QAbstractSlider::SliderPageStepSub),
         [] { Ci()->RedrawConfIntervalWindow(); }, &g_ciMemDC, Ci()},
        {"samples-step-back",
         step(g_samplesWnd->Control(IDC_SAMPLES_SCROLL), QAbstractSlider::SliderSingleStepSub),
         [] { g_samplesWnd->RedrawSamplesWindow(); }, &g_samplesMemDC, g_samplesWnd},
        {"samples-grid-new-series", gridAfterNewSeries, freshSamples, &g_samplesMemDC,
         g_samplesWnd},
    };
    for (const Case& c : cases) {
        c.partial();
        const QImage partial = PictureOf(*c.surface, c.window);
        c.whole();
        const bool same = partial == PictureOf(*c.surface, c.window);
        EXPECT_TRUE(same) << c.name;
        if (!same) SaveSnapshot(partial, QStringLiteral("partial-%1").arg(c.name));
    }
}

} // namespace
