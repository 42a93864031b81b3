// The forwards of CWindowViews that reach the Samples window.
#include "shell/WindowViews.h"

// The Samples window is not part of the program yet; until it is, these
// reach no window.
void CWindowViews::RedrawSamplesWindow() {}
void CWindowViews::DrawSampleHistogram(int, int, int) {}
void CWindowViews::SetSamplesScrollBar(int, int) {}
void CWindowViews::SyncSamplesToSelection() {}
void CWindowViews::CopySampleSizeToSamples(const std::string&) {}
void CWindowViews::CopyNumberOfSamplesToSamples(const std::string&) {}
