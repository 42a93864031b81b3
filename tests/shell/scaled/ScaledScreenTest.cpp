// The program on a screen scaled for a projector (QT_SCALE_FACTOR 2 or 1.5 as
// the executable was built): surfaces of the screen's device pixels, a design
// line over the device pixels of its design pixel, the window and Copy Picture
// pixel for pixel, and the frame on the screen.
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
        ASSERT_EQ(Links().RunDrawSamples(500, 16).status, DrawResult::Status::Drawn);
    }
    // The first device pixel of design pixel d, and the one past its last.
    int First(int d) const { return static_cast<int>(std::lround(d * ratio)); }
    int PastLast(int d) const { return First(d + 1); }
    qreal ratio = 1.0;
};

TEST_F(ScaledScreen, PicturesHaveTheScreensDevicePixelsOnTheSurfaceTheWindowAndTheClipboard) {
    for (const QImage* surface : {&g_popMemDC, &g_sdMemDC, &g_samplesMemDC, &g_ciMemDC})
        EXPECT_TRUE(surface->devicePixelRatio() == ratio && surface->width() >= 624 * ratio &&
                    surface->height() >= 640 * ratio);
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
    // The frame stays on the screen; laid out for it, every window that fits
    // shows whole.
    EXPECT_TRUE(
        QGuiApplication::primaryScreen()->availableGeometry().contains(Frame().frameGeometry()));
    ASSERT_TRUE(Choose(ID_WINDOW_ARRANGE));
    ExpectArrangedForTheView();
}

} // namespace
