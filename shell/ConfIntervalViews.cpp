// The forwards of CWindowViews that reach the Confidence Intervals window.
#include "shell/WindowViews.h"

// The Confidence Intervals window is not part of the program yet; until it
// is, these reach no window.
void CWindowViews::RedrawConfIntervalWindow() {}
void CWindowViews::ClearCiResultFields() {}
void CWindowViews::ComputeCriticalValue() {}
void CWindowViews::DrawIntervalGraph() {}
void CWindowViews::ClearCiGraph() {}
void CWindowViews::DrawInterval(int, int) {}
void CWindowViews::InvalidateCiGraph() {}
void CWindowViews::SetCiScrollBar(int, int) {}
void CWindowViews::UpdateCoverageCounts() {}
void CWindowViews::ShowCiPage() {}
void CWindowViews::CopySampleSizeToCi(const std::string&) {}
void CWindowViews::CopyNumberOfSamplesToCi(const std::string&) {}
void CWindowViews::ShowCiSampleCount(int) {}
