#pragma once
// What a window asks of the rest of the program, all through this one
// interface: starting a run, keeping the three windows' shared fields alike,
// showing one selected sample in all of them, and bringing another window's
// picture up to date. What the core tells the windows goes the other way,
// through SampleDisplay (core/SamplingEngine.h). The shell installs the
// implementation at start-up; without one a run draws into no window and the
// requests that need another window reach nobody, so a window can be built and
// tested on its own.

#include "core/SamplingEngine.h"

#include <string>

// The three windows that carry the Sample Size and Number of Samples fields.
enum class SeriesWindow { Dorvane, Samples, ConfIntervals };

// The pictures of other windows that a window may ask to be brought up to date.
enum class OtherPicture {
    Population,          // the plot band and the name box
    SamplesWindow,       // the whole Samples window
    DorvaneWhole,        // the whole Dorvane window, while shown
    DorvaneHistogram,    // the Dorvane window's histogram rectangle, at once
    ConfIntervalsWindow, // the whole Confidence Intervals window
};

class WindowLinks {
  public:
    virtual ~WindowLinks() = default;

    // --- The run ------------------------------------------------------------
    // DRAW SAMPLES, pressed in any window, ends in the Dorvane window's
    // DrawSamples: it reads its own fields, starts the run below and writes
    // the run's results back into them.
    virtual void DrawSamplesInDorvane() {}
    // The one way a run starts: DrawSamples with g_runInProgress set for its
    // length. The shell's run has the installed displays as its display and
    // lets the speed buttons and STOP act during it; without the shell the
    // run shows nothing.
    virtual DrawResult RunDrawSamples(int count, int n);

    // --- The shared fields --------------------------------------------------
    // The Dorvane window's texts, which a new window copies into its own.
    virtual std::string DorvaneSampleSizeText() { return "1"; }
    virtual std::string DorvaneNumberOfSamplesText() { return "1"; }
    // An accepted edit of one window's field goes into the other two windows'
    // fields as a plain copy: no handler runs, so one edit gives one message.
    virtual void CopySampleSizeText(SeriesWindow from, const std::string& text) {
        (void)from;
        (void)text;
    }
    virtual void CopyNumberOfSamplesText(SeriesWindow from, const std::string& text) {
        (void)from;
        (void)text;
    }

    // --- Other windows brought up to date -------------------------------------
    // Goes to the installed displays (Displays()), the way the core's own
    // requests for the same pictures go.
    void Repaint(OtherPicture picture);

    // --- The selected sample (core/Selection) -----------------------------------
    // Dorvane window: place the highlight of g_selectedPos in its columns and,
    // while shown, repaint it whole.
    virtual void MarkSelectionInDorvane() {}
    // Samples window: show the selected sample (SyncToSelection) and redraw.
    virtual void SyncSamplesToSelection() {}
    // Confidence Intervals window: g_ciFirstSample or g_ciScrollPos moved, so
    // its scroll bar follows, and it is redrawn while shown.
    virtual void ShowCiPage() {}
};

// The installed links (a window-less set when none is installed).
WindowLinks& Links();
// Installs links; nullptr restores the window-less set.
void SetWindowLinks(WindowLinks* links);
