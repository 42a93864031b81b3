#pragma once
// The right side of the Dorvane window: the histogram of the chosen statistic
// with its frequency scale and value axis, the population marks, the counted
// columns in red, the normal curve with its theoretical tail fill, the
// population outline, the slider handles and the selected sample. Everything
// is drawn into the caller's painter on g_sdMemDC; the numbers come from the
// window's model (SampDistModel.h).

#include "core/Geometry.h"
#include "ui/LetterMark.h"

#include <functional>
#include <string>

class QPainter;
class QImage;
class QFont;
class QChar;
struct SliderSplit;
struct StatisticTheory;

// The window's own inputs to a paint of the plot.
struct PlotFields {
    int sampleSize = 0;      // the Sample Size field, read
    int numberOfSamples = 0; // the Number of Samples field, read
    int scrollPos = 1;       // the axis scroll bar's position
};

class CHistogramPlot {
  public:
    // The whole plot: frame, panel separators, scale, columns, counted columns
    // (once the draw has finished), FREQUENCY, tick labels, curve and tail
    // fill, population outline, selection, axis.
    void DrawHistogramGraph(QPainter& p, const PlotFields& fields);

    // Axis line and labels, title, mean and median marks.
    void DrawAxisScale(QPainter& p, int scrollPos);

    // One slider pointer under the axis at pixel x with its label box (only
    // the slider's letter when letterOnly); moves the handle rectangle in
    // from the plot's edges where it would leave it, and the box to the
    // handle's other side where it would leave the plot.
    void DrawSliderHandle(QPainter& p, int x, bool left, bool letterOnly);
    // The label box last drawn beside the left (or right) slider.
    const Rect& SliderLabelBox(bool left) const { return m_labelBox[left ? 0 : 1]; }
    // The marks of samples beyond the axis last drawn at its left and right
    // end (empty when there were none).
    const Rect& OffPlotMark(bool leftEnd) const { return m_offPlotMarks[leftEnd ? 0 : 1]; }
    // What such a mark means, in words, for its tooltip.
    const std::string& OffPlotMarkTip(bool leftEnd) const { return m_offPlotTips[leftEnd ? 0 : 1]; }
    // The note of samples without a t value last drawn (empty when none).
    const Rect& NoStatisticNote() const { return m_noteBox; }

    // During a draw: the previous latest column turns green again and the
    // column of the latest sample is drawn black. Paints on the surface and
    // asks repaint for each changed rectangle, with no painter active then.
    void GrowLatestColumn(QImage& surface, int scrollPos,
                          const std::function<void(const Rect&)>& repaint);

    // The latest column as last drawn by GrowLatestColumn (empty after a
    // whole paint of the graph).
    const Rect& LatestColumn() const { return m_latestColumn; }

  private:
    void DrawColumns(QPainter& p, int count);
    void RecolourCountedColumns(QPainter& p, int count, const SliderSplit& split);
    void DrawOffPlotMarks(QPainter& p, const SliderSplit& split);
    void DrawFrequencyScale(QPainter& p);
    void DrawNormalCurve(QPainter& p, const PlotFields& fields, bool withTailFill);
    // The chosen statistic's theory where the mean's normal curve does not
    // apply, and the name of its distribution.
    void DrawTheoryCurve(QPainter& p, const PlotFields& fields, bool withTailFill);
    void DrawTheoryName(QPainter& p, const StatisticTheory& theory);
    void DrawPopulationOutline(QPainter& p, const PlotFields& fields);
    void DrawSelectedSample(QPainter& p);

    Rect m_latestColumn;
    Rect m_labelBox[2];
    Rect m_offPlotMarks[2];
    std::string m_offPlotTips[2];
    Rect m_noteBox;
};
