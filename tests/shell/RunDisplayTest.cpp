#include "core/Population.h"
#include "core/SimulationState.h"
#include "shell/DrawingResources.h"
#include "shell/WindowViews.h"
#include "tests/shell/ShellTestSupport.h"
#include "windows/population/PopulationDlg.h"

namespace {
class RunDisplayTest : public ShellTest {};

// The population picture as a fresh redraw leaves it.
QImage FreshPopulationPicture() {
    g_populationWnd->RedrawCurve();
    return g_popMemDC.copy(0, 0, 300, 345);
}
} // namespace

// Whatever the speed, a run leaves the population picture without the marks
// of its values, even though redraws that would change nothing are skipped.
TEST_F(RunDisplayTest, RunLeavesThePopulationPictureWithoutMarks) {
    ApplyPreset(PresetShape::Normal);
    const QImage before = FreshPopulationPicture();
    g_samplesWndVisible = 1; // marks are drawn only while the Samples window shows
    for (int speed : {1, 2}) {
        g_speed = speed;
        g_popMemDC.fill(Qt::black); // a stale picture must not survive the run
        RunDrawSamples(3, 5);
        EXPECT_EQ(g_popMemDC.copy(0, 0, 300, 345), before) << "speed " << speed;
    }
    g_samplesWndVisible = 0;
}
