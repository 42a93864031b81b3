// The program on a screen scaled for a projector (QT_SCALE_FACTOR 2 or 1.5 as
// the executable was built): surfaces of the screen's device pixels, a design
// line over the device pixels of its design pixel, text rendered at the larger
// size rather than stretched, the window and Copy Picture pixel for pixel, and
// a frame on the screen whose workspace scrolls to what does not fit.
#include "tests/shell/ShellTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>

namespace {

class ScaledScreen : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ratio = qApp->devicePixelRatio();
        ASSERT_GT(ratio, 1.0) << "QT_SCALE_FACTOR was not applied";
        ApplyPreset(PresetShape::Normal);
        g_speed = 1;
        ASSERT_EQ(RunDrawSamples(500, 16).status, DrawResult::Status::Drawn);
    }
    // The first device pixel of design pixel d, and the one past its last.
    int First(int d) const { return static_cast<int>(std::lround(d * ratio)); }
    int PastLast(int d) const { return First(d + 1); }
    qreal ratio = 1.0;
};

TEST_F(ScaledScreen, PicturesHaveTheScreensDevicePixelsOnTheSurfaceTheWindowAndTheClipboard) {
    for (const QImage* surface : {&g_popMemDC, &g_sdMemDC, &g_samplesMemDC, &g_ciMemDC}) {
        EXPECT_EQ(surface->devicePixelRatio(), ratio);
        EXPECT_GE(surface->width(), 624 * ratio);
        EXPECT_GE(surface->height(), 640 * ratio);
    }
    // The plot's top and left edges: one design pixel, black, between the
    // grey panel and the white plot.
    const int top = g_histRect.top, left = g_histRect.left, y = First(top + 40);
    for (int x = First(left + 30); x < PastLast(g_histRect.right - 30); x += 7) {
        for (int dy = First(top); dy < PastLast(top); ++dy)
            EXPECT_EQ(PixelOf(g_sdMemDC, x, dy), Rgb(0, 0, 0)) << x << ", " << dy;
        EXPECT_EQ(PixelOf(g_sdMemDC, x, First(top) - 1), Rgb(190, 190, 190)) << x;
        EXPECT_EQ(PixelOf(g_sdMemDC, x, PastLast(top)), Rgb(250, 250, 250)) << x;
    }
    for (int x = First(left); x < PastLast(left); ++x)
        EXPECT_EQ(PixelOf(g_sdMemDC, x, y), Rgb(0, 0, 0)) << x;
    EXPECT_NE(PixelOf(g_sdMemDC, First(left) - 1, y), Rgb(0, 0, 0));
    EXPECT_NE(PixelOf(g_sdMemDC, PastLast(left), y), Rgb(0, 0, 0));
    if (ratio == 2.0) {
        EXPECT_EQ(PastLast(top) - First(top), 2);
        EXPECT_EQ(First(top), 2 * top);
    }
    // In the plot's title a stretched picture would repeat each design pixel
    // over its device pixels; text drawn at the larger size shades them apart.
    const int centre = (g_histRect.left + 10 + g_histRect.right) / 2;
    int uneven = 0;
    for (int dy = top + 2; dy < top + 14; ++dy)
        for (int dx = centre - 80; dx < centre + 80; ++dx) {
            const QRgb first = PixelOf(g_sdMemDC, First(dx), First(dy));
            bool same = true;
            for (int y = First(dy); y < PastLast(dy); ++y)
                for (int x = First(dx); x < PastLast(dx); ++x)
                    same = same && PixelOf(g_sdMemDC, x, y) == first;
            uneven += !same;
        }
    EXPECT_GT(uneven, 50);
    // The window shows its surface pixel for pixel, Copy Picture likewise.
    const QImage shown = Sd()->grab().toImage();
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    ASSERT_TRUE(Choose(ID_EDIT_COPY_PICTURE));
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(shown.devicePixelRatio(), ratio);
    EXPECT_EQ(copied.size(), QSize(624, 446) * ratio);
    int differ = 0;
    for (int y = First(g_histRect.top); y < PastLast(g_sdAxisY); ++y)
        for (int x = First(g_histRect.left); x < PastLast(g_histRect.right - 1); ++x)
            differ += (PixelOf(shown, x, y) != PixelOf(g_sdMemDC, x, y)) +
                      (PixelOf(copied, x, y) != PixelOf(g_sdMemDC, x, y));
    EXPECT_EQ(differ, 0);
    SaveSnapshot(shown, QStringLiteral("scaled-dorvane-%1").arg(ratio));
}

TEST_F(ScaledScreen, TheFrameStaysOnTheScreenAndTheWorkspaceScrolls) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(Frame().frameGeometry()))
        << Frame().width() << " x " << Frame().height() << " on " << screen.width() << " x "
        << screen.height();
    // Scrolled to its far corner the workspace shows the Dorvane window's
    // right edge.
    QScrollBar* across = Frame().MdiArea()->horizontalScrollBar();
    QScrollBar* down = Frame().MdiArea()->verticalScrollBar();
    ASSERT_GT(across->maximum(), 0);
    ASSERT_GT(down->maximum(), 0);
    across->setValue(across->maximum());
    down->setValue(down->maximum());
    const QRect dorvane = Sd()->ToolGeometry();
    EXPECT_LE(dorvane.x() + dorvane.width(), Frame().MdiArea()->viewport()->width() + 1);
    // From the keyboard: Alt with the arrows and pages scrolls the workspace.
    QApplication::setActiveWindow(&Frame());
    QApplication::processEvents();
    const std::tuple<Qt::Key, QScrollBar*, bool> scrolls[] = {{Qt::Key_Left, across, false},
                                                              {Qt::Key_Up, down, false},
                                                              {Qt::Key_Right, across, true},
                                                              {Qt::Key_PageUp, down, false},
                                                              {Qt::Key_PageDown, down, true}};
    for (const auto& [key, bar, forward] : scrolls) {
        const int before = bar->value();
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        EXPECT_TRUE(forward ? bar->value() > before : bar->value() < before) << key;
    }
    // A control the focus moves to, and the box its value is typed in, come
    // into view with their ring.
    const QRect view = Frame().MdiArea()->viewport()->rect();
    auto inView = [&](const QWidget* w) {
        const QRect r(w->mapTo(Frame().MdiArea()->viewport(), QPoint(0, 0)), w->size());
        return view.contains(r.adjusted(-3, -3, 3, 3));
    };
    across->setValue(0);
    down->setValue(0);
    ApplyPreset(PresetShape::Normal);
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    QWidget* slider = Sd()->SliderSpot(true);
    for (QWidget* control : {Sd()->Control(IDC_SD_AXIS_SCROLL), slider}) {
        if (!control->isVisible()) continue;
        control->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(inView(control)) << control->accessibleName().toStdString();
    }
    QTest::keyClick(slider, Qt::Key_Return);
    QWidget* typed = QApplication::focusWidget();
    ASSERT_NE(typed, slider);
    EXPECT_TRUE(inView(typed));
    QTest::keyClick(typed, Qt::Key_Escape);
    // Laid out for this screen: every window that fits shows whole.
    ASSERT_TRUE(Choose(ID_WINDOW_ARRANGE));
    ExpectArrangedForTheView();
    SaveSnapshot(Frame().grab().toImage(), QStringLiteral("scaled-arranged-%1").arg(ratio));
}

} // namespace
