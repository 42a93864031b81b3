// The program on a screen scaled for a projector (QT_SCALE_FACTOR, 2 or 1.5
// as the executable was built): the surfaces have the screen's device pixels,
// a one-pixel design line covers the device pixels of its design pixel (two
// at ratio 2, at twice its design position), text is rendered at the larger
// size rather than stretched, the window shows its surface pixel for pixel,
// Copy Picture gives the full resolution, and the frame stays on the screen
// while the workspace scrolls to the windows that do not fit: from the
// keyboard, to the control the focus moves to, and laid out for the screen.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/Run.h"
#include "ui/DrawingResources.h"
#include "ui/FocusSpot.h"
#include "ui/ToolWindow.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <cmath>

namespace {

const QRgb kBlack = Rgb(0, 0, 0);

class ScaledScreen : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ratio = qApp->devicePixelRatio();
        ASSERT_GT(ratio, 1.0) << "QT_SCALE_FACTOR was not applied";
        ApplyPreset(PresetShape::Normal);
        g_speed = 1; // F: the pictures once, at the end
        ASSERT_EQ(Links().RunDrawSamples(500, 16).status, DrawResult::Status::Drawn);
    }
    // The first device pixel of design pixel d, and the one past its last.
    int First(int d) const { return static_cast<int>(std::lround(d * ratio)); }
    int PastLast(int d) const { return First(d + 1); }
    qreal ratio = 1.0;
};

TEST_F(ScaledScreen, SurfacesHaveTheScreensDevicePixels) {
    for (const QImage* surface : {&g_popMemDC, &g_sdMemDC, &g_samplesMemDC, &g_ciMemDC}) {
        EXPECT_EQ(surface->devicePixelRatio(), ratio);
        EXPECT_GE(surface->width(), 624 * ratio);
        EXPECT_GE(surface->height(), 640 * ratio);
    }
}

TEST_F(ScaledScreen, ADesignLineCoversTheDevicePixelsOfItsDesignPixel) {
    // The plot's top edge: one design pixel high, white below, the grey panel
    // above.
    const int top = g_histRect.top;
    for (int x = First(g_histRect.left + 30); x < PastLast(g_histRect.right - 30); x += 7) {
        for (int y = First(top); y < PastLast(top); ++y)
            EXPECT_EQ(PixelOf(g_sdMemDC, x, y), kBlack) << x << ", " << y;
        EXPECT_EQ(PixelOf(g_sdMemDC, x, First(top) - 1), Rgb(190, 190, 190)) << x;
        EXPECT_EQ(PixelOf(g_sdMemDC, x, PastLast(top)), Rgb(250, 250, 250)) << x;
    }
    // Its left edge likewise, across.
    const int left = g_histRect.left, y = First(g_histRect.top + 40);
    for (int x = First(left); x < PastLast(left); ++x)
        EXPECT_EQ(PixelOf(g_sdMemDC, x, y), kBlack) << x;
    EXPECT_NE(PixelOf(g_sdMemDC, First(left) - 1, y), kBlack);
    EXPECT_NE(PixelOf(g_sdMemDC, PastLast(left), y), kBlack);
    if (ratio == 2.0) {
        EXPECT_EQ(PastLast(top) - First(top), 2);
        EXPECT_EQ(First(top), 2 * top);
    }
}

TEST_F(ScaledScreen, TextIsRenderedAtTheLargerSizeNotStretched) {
    // In the plot's title a stretched picture would repeat each design pixel
    // over its device pixels; text drawn at the larger size shades them apart.
    const int centre = (g_histRect.left + 10 + g_histRect.right) / 2;
    const int top = g_histRect.top + 2;
    int uneven = 0;
    for (int dy = top; dy < top + 12; ++dy)
        for (int dx = centre - 80; dx < centre + 80; ++dx) {
            const QRgb first = PixelOf(g_sdMemDC, First(dx), First(dy));
            bool same = true;
            for (int y = First(dy); y < PastLast(dy); ++y)
                for (int x = First(dx); x < PastLast(dx); ++x)
                    same = same && PixelOf(g_sdMemDC, x, y) == first;
            uneven += !same;
        }
    EXPECT_GT(uneven, 50);
}

TEST_F(ScaledScreen, TheWindowShowsItsSurfacePixelForPixel) {
    const QImage shown = g_samplingDistWnd->grab().toImage();
    EXPECT_EQ(shown.devicePixelRatio(), ratio);
    int differ = 0;
    for (int y = First(g_histRect.top); y < PastLast(g_sdAxisY); ++y)
        for (int x = First(g_histRect.left); x < PastLast(g_histRect.right - 1); ++x)
            differ += PixelOf(shown, x, y) != PixelOf(g_sdMemDC, x, y);
    EXPECT_EQ(differ, 0);
    SaveSnapshot(shown, QStringLiteral("scaled-dorvane-%1").arg(ratio));
}

TEST_F(ScaledScreen, CopyPictureIsAtFullDeviceResolution) {
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    ASSERT_TRUE(Choose(ID_EDIT_COPY_PICTURE));
    const QImage picture = QGuiApplication::clipboard()->image();
    EXPECT_EQ(picture.size(), QSize(624, 446) * ratio);
    EXPECT_EQ(PixelOf(picture, First(g_histRect.left + 20), First(g_histRect.top)), kBlack);
    EXPECT_EQ(PixelOf(picture, First(g_histRect.left + 20), PastLast(g_histRect.top) - 1), kBlack);
}

TEST_F(ScaledScreen, TheFrameStaysOnTheScreenAndTheWorkspaceScrolls) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(Frame().frameGeometry()))
        << Frame().width() << " x " << Frame().height() << " on " << screen.width() << " x "
        << screen.height();
    // The windows do not fit; scrolled to its far corner the workspace shows
    // the Dorvane window's right edge.
    QScrollBar* across = Frame().MdiArea()->horizontalScrollBar();
    QScrollBar* down = Frame().MdiArea()->verticalScrollBar();
    ASSERT_GT(across->maximum(), 0);
    ASSERT_GT(down->maximum(), 0);
    across->setValue(across->maximum());
    down->setValue(down->maximum());
    const QRect dorvane = g_samplingDistWnd->ToolGeometry();
    EXPECT_LE(dorvane.x() + dorvane.width(), Frame().MdiArea()->viewport()->width() + 1);
    SaveSnapshot(Frame().grab().toImage(), QStringLiteral("scaled-frame-%1").arg(ratio));

    // From the keyboard: Alt with the arrows and pages scrolls the workspace.
    QApplication::setActiveWindow(&Frame());
    QApplication::processEvents();
    struct Scroll {
        Qt::Key key;
        QScrollBar* bar;
        bool forward;
    };
    for (const Scroll& s :
         {Scroll{Qt::Key_Left, across, false}, Scroll{Qt::Key_Up, down, false},
          Scroll{Qt::Key_Right, across, true}, Scroll{Qt::Key_PageUp, down, false},
          Scroll{Qt::Key_PageDown, down, true}}) {
        const int before = s.bar->value();
        QTest::keyClick(QApplication::focusWidget(), s.key, Qt::AltModifier);
        EXPECT_TRUE(s.forward ? s.bar->value() > before : s.bar->value() < before) << s.key;
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
    QWidget* axis = g_samplingDistWnd->Control(IDC_SD_AXIS_SCROLL);
    ApplyPreset(PresetShape::Normal);
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    QWidget* slider = g_samplingDistWnd->SliderSpot(true);
    for (QWidget* control : {axis, slider}) {
        if (!control->isVisible()) continue;
        control->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), control);
        EXPECT_TRUE(inView(control)) << control->accessibleName().toStdString();
    }
    QTest::keyClick(slider, Qt::Key_Return);
    QWidget* typed = QApplication::focusWidget();
    ASSERT_NE(typed, slider);
    EXPECT_TRUE(inView(typed));
    QTest::keyClick(typed, Qt::Key_Escape);

    // Laid out for this screen: every window that fits shows whole, the
    // taller ones from the workspace's top.
    ASSERT_TRUE(Choose(ID_WINDOW_ARRANGE));
    ExpectArrangedForTheView();
    SaveSnapshot(Frame().grab().toImage(), QStringLiteral("scaled-arranged-%1").arg(ratio));
}

} // namespace
