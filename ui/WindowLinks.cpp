#include "ui/WindowLinks.h"

#include "core/SimulationState.h"

namespace {
WindowLinks noLinks;
WindowLinks* links = &noLinks;
} // namespace

DrawResult WindowLinks::RunDrawSamples(int count, int n) {
    SampleDisplay quiet;
    g_runInProgress = 1;
    const DrawResult result = DrawSamples(count, n, quiet);
    g_runInProgress = 0;
    return result;
}

void WindowLinks::Repaint(OtherPicture picture) {
    SampleDisplay& displays = Displays();
    switch (picture) {
    case OtherPicture::Population:
        displays.RepaintPopulation();
        break;
    case OtherPicture::SamplesWindow:
        displays.RedrawSamplesWindow();
        break;
    case OtherPicture::DorvaneWhole:
        displays.RepaintDorvaneWhole();
        break;
    case OtherPicture::DorvaneHistogram:
        displays.InvalidateHistogram();
        break;
    case OtherPicture::ConfIntervalsWindow:
        displays.RedrawConfIntervalWindow();
        break;
    }
}

WindowLinks& Links() {
    return *links;
}

void SetWindowLinks(WindowLinks* installed) {
    links = installed ? installed : &noLinks;
}
