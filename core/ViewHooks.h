#pragma once
// What the population model and the series control ask of the windows when
// the shared state changes under them. The shell installs one implementation
// that forwards to the real windows; without one, every call does nothing, so
// the core runs (and is tested) with no windows at all.

#include <string>

class ViewHooks {
public:
    virtual ~ViewHooks() = default;

    // Population window: recompute the edit-handle rectangles.
    virtual void PlaceHandles() {}
    // Population settings dialog: show these texts in its mean and SD fields.
    virtual void SetSettingsFieldTexts(const std::string& mean, const std::string& sd) {
        (void)mean;
        (void)sd;
    }
    // Population window: repaint the plot band and the name box.
    virtual void RepaintPopulation() {}
    // Dorvane window, when shown: recompute and repaint after a population change.
    virtual void RefreshDorvaneForPopulation() {}
    // Dorvane window: PaintWhole, invalidate, repaint at once, RefreshPanel.
    virtual void RepaintDorvaneWhole() {}
    virtual void RedrawConfIntervalWindow() {}
    virtual void RedrawSamplesWindow() {}
};

// The installed hooks (a do-nothing set when none is installed).
ViewHooks& Views();
// Installs hooks; nullptr restores the do-nothing set.
void SetViewHooks(ViewHooks* hooks);
