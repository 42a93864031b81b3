#include "shell/DrawingResources.h"
#include "shell/Gdi.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
QImage White() {
    QImage image(30, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}
bool Black(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }
} // namespace

// Lines stop one pixel short of their end point and rectangles leave out
// their right and bottom edges; every window's geometry counts on both.
TEST(Gdi, LinesAndRectanglesKeepTheExclusiveEdge) {
    QImage image = White();
    {
        QPainter p(&image);
        GdiLine(p, 0, 1, 10, 1, QPen(Qt::black)); // a default pen has a square cap
        GdiLine(p, 2, 3, 2, 13, g_penBlack1);
        GdiFillRect(p, 20, 20, 25, 24, QBrush(Qt::black));
    }
    for (int x = 0; x < 10; ++x) EXPECT_TRUE(Black(image, x, 1)) << x;
    EXPECT_FALSE(Black(image, 10, 1));
    for (int y = 3; y < 13; ++y) EXPECT_TRUE(Black(image, 2, y)) << y;
    EXPECT_FALSE(Black(image, 2, 13));
    EXPECT_TRUE(Black(image, 24, 23));
    EXPECT_FALSE(Black(image, 25, 23));
    EXPECT_FALSE(Black(image, 24, 24));
}

TEST(Gdi, ThickHorizontalLineIsABandCentredOnIt) {
    QImage image = White();
    {
        QPainter p(&image);
        GdiLine(p, 5, 10, 15, 10, g_penRed2);
    }
    EXPECT_EQ(image.pixel(5, 9), QColor(255, 0, 0).rgb());
    EXPECT_EQ(image.pixel(14, 10), QColor(255, 0, 0).rgb());
    EXPECT_NE(image.pixel(5, 11), QColor(255, 0, 0).rgb());
    EXPECT_NE(image.pixel(15, 10), QColor(255, 0, 0).rgb());
}
