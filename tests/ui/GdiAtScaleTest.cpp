// At device-pixel ratios above 1 a figure covers exactly the device pixels of
// the design pixels it covers at ratio 1, and a slanted line keeps its course.
#include "tests/support/GuiTestSupport.h"

#include "ui/DrawingResources.h"
#include "ui/Gdi.h"

#include <QPainter>
#include <cmath>
#include <functional>

namespace {

constexpr int kDesignSize = 24;

QImage Drawn(qreal ratio, const std::function<void(QPainter&)>& draw) {
    const int pixels = static_cast<int>(std::ceil(kDesignSize * ratio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(kBackgroundWhite);
    QPainter p(&image);
    draw(p);
    return image;
}

// The design pixel that covers device pixel x.
int DesignPixel(int x, qreal ratio) {
    int d = 0;
    while (std::lround((d + 1) * ratio) <= x)
        ++d;
    return d;
}

TEST(Gdi, AxisFiguresCoverTheDevicePixelsOfTheirDesignPixels) {
    const std::pair<const char*, std::function<void(QPainter&)>> figures[] = {
        {"AdjacentFills",
         [](QPainter& p) {
             GdiFillRect(p, 1, 1, 4, 7, g_brushRed);
             GdiFillRect(p, 4, 1, 7, 7, g_brushBlue);
             GdiFillRect(p, 7, 1, 8, 7, g_brushGreen);
         }},
        {"Frame2", [](QPainter& p) { GdiFrameRect(p, 5, 3, 20, 18, g_penPurple2); }},
        {"Rectangle", [](QPainter& p) { GdiRectangle(p, 1, 5, 9, 13, g_penBlue1, g_brushGreen); }},
        {"Lines",
         [](QPainter& p) {
             GdiLine(p, 2, 5, 13, 5, g_penBlack1);    // rightward
             GdiLine(p, 13, 7, 2, 7, g_penBlack1);    // leftward
             GdiLine(p, 4, 9, 4, 20, g_penBlack1);    // downward
             GdiLine(p, 9, 20, 9, 9, g_penBlack1);    // upward
             GdiLine(p, 11, 22, 20, 22, g_penBlack2); // wide, across
             GdiLine(p, 15, 19, 15, 10, g_penBlack4);
         }},
    };
    for (qreal ratio : {1.5, 2.0})
        for (const auto& [name, draw] : figures) {
            const QImage design = Drawn(1.0, draw), scaled = Drawn(ratio, draw);
            int mismatches = 0;
            for (int y = 0; y < scaled.height(); ++y)
                for (int x = 0; x < scaled.width(); ++x) {
                    const int dx = DesignPixel(x, ratio), dy = DesignPixel(y, ratio);
                    if (dx >= kDesignSize || dy >= kDesignSize) continue;
                    if (PixelOf(scaled, x, y) != PixelOf(design, dx, dy) && ++mismatches <= 3)
                        ADD_FAILURE() << name << " at " << ratio << ": device (" << x << ", " << y
                                      << ") of design (" << dx << ", " << dy << ")";
                }
            EXPECT_EQ(mismatches, 0) << name << " at " << ratio;
        }
}

// Slanted lines and a curve at ratio 2: no ink lies farther than one design
// pixel from a pixel the design-scale figure covers, and every covered design
// pixel but the first of each stroke (it starts at its centre) holds ink.
TEST(Gdi, SlantedLinesFollowTheirDesignCourseAtFullResolution) {
    const QPoint curve[] = {QPoint(2, 18), QPoint(6, 9), QPoint(10, 5), QPoint(15, 8),
                            QPoint(21, 20)};
    const auto draw = [&curve](QPainter& p) {
        GdiLine(p, 2, 3, 20, 12, g_penRed1);
        GdiLine(p, 20, 3, 4, 21, g_penBlue2);
        GdiPolyline(p, curve, 5, g_penBlack1);
    };
    const QImage design = Drawn(1.0, draw), scaled = Drawn(2.0, draw);
    const auto inkAt = [](const QImage& image, int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
               PixelOf(image, x, y) != (kBackgroundWhite.rgb() & 0xFFFFFF);
    };
    // Per design pixel: ink on its four device pixels; design ink on it or a neighbour.
    int stray = 0, covered = 0, inked = 0;
    for (int y = 0; y < kDesignSize; ++y)
        for (int x = 0; x < kDesignSize; ++x) {
            bool ink = false, near = false;
            for (int d = 0; d < 9; ++d)
                near = near || inkAt(design, x + d % 3 - 1, y + d / 3 - 1);
            for (int d = 0; d < 4; ++d)
                ink = ink || inkAt(scaled, 2 * x + d % 2, 2 * y + d / 2);
            stray += ink && !near;
            covered += inkAt(design, x, y);
            inked += ink && inkAt(design, x, y);
        }
    EXPECT_EQ(stray, 0);
    EXPECT_GE(inked, covered - 3);
    EXPECT_GT(covered, 40);
}

} // namespace
