// The benchmark program: a headless application with the drawing resources
// in place, so engine and window benchmarks run side by side. Its offscreen
// platform has two screens, at device-pixel ratios 1 and 2 (a projector at
// QT_SCALE_FACTOR 2), so each redraw is measured at both in one run.

#include "ui/DrawingResources.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // No screen needed: windows draw into their off-screen surfaces.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen:configfile=" DORVANE_BENCH_SCREENS, 1);
    QApplication app(argc, argv);
    CreatePensAndBrushes();
    CreateFonts();
    CreateOffscreenSurfaces();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
