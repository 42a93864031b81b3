#pragma once
// What the three series windows (Dorvane, Samples, Confidence Intervals) do
// with their Sample Size and Number of Samples fields, the series-mode button
// and DRAW SAMPLES: the core's rule decides, the window that was used owns the
// message, and an accepted text is copied into the other two windows' fields.
// Each returns the text the window's field holds afterwards.

#include "core/SeriesControl.h"
#include "ui/WindowLinks.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// What the series controls say of themselves, alike in the three windows.
inline constexpr char kSampleSizeTip[] =
    QT_TRANSLATE_NOOP("Shell", "Values in each sample, 1 to 1000; Enter draws");
inline constexpr char kNumberOfSamplesTip[] =
    QT_TRANSLATE_NOOP("Shell", "Samples to draw, at most 10,000 in a series; Enter draws");
inline constexpr char kSeriesModeTip[] = QT_TRANSLATE_NOOP(
    "Shell", "Switch between starting a new series with each draw and adding more samples to it");
inline constexpr char kDrawSamplesTip[] =
    QT_TRANSLATE_NOOP("Shell", "Draw the samples (Enter in a field does the same); during a run it "
                               "reads STOP and stops it, as Esc does");

QString SampleSizeEditedIn(QWidget* owner, SeriesWindow window, const QString& text);
QString NumberOfSamplesEditedIn(QWidget* owner, SeriesWindow window, const QString& text);

// The series-mode button: flips the mode, holding the Number of Samples to
// what fits.
QString ToggleSeriesModeIn(QWidget* owner, SeriesWindow window, const QString& numberText);

// The check of a DRAW SAMPLES press before the run; `number` and
// `sampleSize` become what the fields should read (the Number of Samples to
// draw with). False: no run may start, and nothing of the series is lost.
bool DrawEntryIn(QWidget* owner, SeriesWindow window, QString& number, QString& sampleSize);
