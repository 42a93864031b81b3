#include "shell/Gdi.h"
#include "shell/DrawingResources.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

// Lines stop one pixel short of their end point and rectangles leave out
// their right and bottom edges; every window's geometry counts on both.
TEST(Gdi, LinesAndRectanglesKeepTheExclusiveEdge) {
    QImage image(30, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        GdiLine(p, 0, 1, 10, 1, QPen(Qt::black)); // a default pen has a square cap
        GdiLine(p, 2, 3, 2, 13, g_penBlack1);
        GdiFillRect(p, 20, 20, 25, 24, QBrush(Qt::black));
        GdiLine(p, 5, 10, 15, 10, g_penRed2); // two pixels thick: a band centred on it
    }
    auto black = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    for (int x = 0; x < 10; ++x)
        EXPECT_TRUE(black(x, 1)) << x;
    EXPECT_FALSE(black(10, 1));
    for (int y = 3; y < 13; ++y)
        EXPECT_TRUE(black(2, y)) << y;
    EXPECT_FALSE(black(2, 13));
    EXPECT_TRUE(black(24, 23));
    EXPECT_FALSE(black(25, 23));
    EXPECT_FALSE(black(24, 24));
    const QRgb red = QColor(255, 0, 0).rgb();
    EXPECT_EQ(image.pixel(5, 9), red);
    EXPECT_EQ(image.pixel(14, 10), red);
    EXPECT_NE(image.pixel(5, 11), red);
    EXPECT_NE(image.pixel(15, 10), red);
}
