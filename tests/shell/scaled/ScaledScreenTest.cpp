// The program on a screen scaled for a projector (QT_SCALE_FACTOR 2 or 1.5 as
// the executable was built): surfaces of the screen's device pixels, the
// window and Copy Picture pixel for pixel, and the frame on the screen. How
// one figure covers its device pixels is the drawing primitives' own test,
// how windows are arranged the layout's.
#include "tests/shell/ShellTestSupport.h"

#include <QClipboard>
#include <QScreen>

namespace {

using ScaledScreen = ShellTest;

TEST_F(ScaledScreen, PicturesHaveTheScreensDevicePixelsOnTheSurfaceTheWindowAndTheClipboard) {
    const qreal ratio = qApp->devicePixelRatio();
    ASSERT_GT(ratio, 1.0) << "QT_SCALE_FACTOR was not applied";
    ApplyPreset(PresetShape::Normal);
    g_speed = 1;
    ASSERT_EQ(Links().RunDrawSamples(500, 16).status, DrawResult::Status::Drawn);
    for (const QImage* surface : {&g_popMemDC, &g_sdMemDC, &g_samplesMemDC, &g_ciMemDC})
        EXPECT_TRUE(surface->devicePixelRatio() == ratio && surface->width() >= 624 * ratio &&
                    surface->height() >= 640 * ratio);
    // The window shows its surface pixel for pixel, Copy Picture likewise.
    const QImage shown = Sd()->grab().toImage();
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    ASSERT_TRUE(Choose(ID_EDIT_COPY_PICTURE));
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(shown.devicePixelRatio(), ratio);
    EXPECT_EQ(copied.size(), QSize(624, 446) * ratio);
    const auto first = [ratio](int d) { return static_cast<int>(std::lround(d * ratio)); };
    int differ = 0;
    for (int y = first(g_histRect.top); y < first(g_sdAxisY + 1); ++y)
        for (int x = first(g_histRect.left); x < first(g_histRect.right); ++x)
            differ += (PixelOf(shown, x, y) != PixelOf(g_sdMemDC, x, y)) +
                      (PixelOf(copied, x, y) != PixelOf(g_sdMemDC, x, y));
    EXPECT_EQ(differ, 0);
    SaveSnapshot(shown, QStringLiteral("scaled-dorvane-%1").arg(ratio));
    // The frame stays on the screen.
    EXPECT_TRUE(
        QGuiApplication::primaryScreen()->availableGeometry().contains(Frame().frameGeometry()));
}

} // namespace
