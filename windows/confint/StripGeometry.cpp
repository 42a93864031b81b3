#include "windows/confint/StripGeometry.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"
#include "windows/confint/IntervalGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
// The peak of the possible-mean curve, in design units above its base.
constexpr double kCurvePeak = 75.0;

// Shown value of an internal value on the strip: a proportion when binomial.
double StripShown(float value) {
    return g_isBinomial ? ShownValue(value) * 0.1 : ShownValue(value);
}
int AxisEnd() {
    return g_ciGraphRect.right - CiX(10);
}
} // namespace

int StripX(double value) {
    return CiX(70) + TruncPixel(g_ciStripPixelsPerUnit * value);
}

int StripShift() {
    return g_possibleMu ? g_possibleMuExtra : 0;
}

// --- The selected interval ----------------------------------------------------------------

SelectedStrip ComputeSelectedStrip(int n) {
    SelectedStrip s;
    const int bottom = g_ciStripRect.bottom;
    s.baseY = bottom - CiY(15);
    s.endTextY = g_ciGraphRect.bottom + CiY(5) + StripShift();
    s.centreTextY = g_ciGraphRect.bottom + CiY(22) + StripShift();
    s.barY = s.baseY - CiY(25);
    s.centreMarkHalf = CiX(3);
    s.trueX = StripX(TrueValue());
    s.axisLeft = StripX(0);
    s.axisRight = AxisEnd();
    s.axisY = s.baseY - CiY(15);
    s.labelTop = s.baseY - CiY(5);
    s.sTextX = CiX(5);
    s.sTextY = bottom - CiY(40);
    if (!SelectedRowValid()) return s;

    s.shown = true;
    const int row = g_selectedSampleNo;
    const Interval& iv = s.interval = IntervalOf(n, row);
    const float sd = StoredSample(SampleOfRow(row)).sd;
    s.xCentre = StripX(iv.centre);
    s.centreText = ShownEndText(StripShown(iv.centre));
    // A sample of one value has no standard deviation to show.
    s.sText = sd < 0.0f ? "s ="
                        : "s = " + FormatFitted(g_isBinomial ? sd : g_dispScale * sd, 2,
                                                kShownValueChars);

    g_ciSelHasEnds = iv.hasEnds ? 1 : 0;
    if (!iv.hasEnds) return s;

    s.showLow = !g_ciOneSided || g_ciLowEnd;
    s.showHigh = !g_ciOneSided || !g_ciLowEnd;
    s.xLow = StripX(iv.low);
    s.xHigh = StripX(iv.high);
    if (s.showLow) {
        g_ciSelLow = static_cast<float>(StripShown(iv.low));
        s.lowText = "low = " + ShownEndText(g_ciSelLow);
    }
    if (s.showHigh) {
        g_ciSelHigh = static_cast<float>(StripShown(iv.high));
        s.highText = "high = " + ShownEndText(g_ciSelHigh);
    }

    s.barLeft =
        iv.low < 0.0f
            ? CiX(70)
            : CiX(70) + TruncPixel(g_ciStripPixelsPerUnit * double(iv.low) + 2.0 * g_ciScaleX);
    s.barRight = iv.high > 10.0f ? AxisEnd() : s.xHigh;
    if (g_ciOneSided && g_ciLowEnd) s.barRight = AxisEnd(); // reaches up without limit
    if (g_ciOneSided && !g_ciLowEnd) s.barLeft = CiX(70);   // reaches down without limit
    s.barUnderMark =
        s.barLeft >= s.xCentre - s.centreMarkHalf && s.barRight <= s.xCentre + s.centreMarkHalf;
    return s;
}

int LowTextLeft(const SelectedStrip& strip, int textWidth) {
    // Beside its end, but never out of the window's left edge: a long number
    // would lose its first digits there.
    if (strip.interval.low < 0.0f) return 2;
    return std::max(2, strip.xLow - CiX(2) - textWidth);
}

int HighTextLeft(const SelectedStrip& strip, int textWidth) {
    const int start = strip.xHigh;
    if (strip.interval.high > 10.0f || start + textWidth + CiX(10) > g_ciGraphRect.right - CiX(2))
        return g_ciGraphRect.right - CiX(12) - textWidth;
    return start;
}

int CentreTextLeft(const SelectedStrip& strip, int textWidth) {
    return strip.xCentre - TruncPixel(textWidth / 2.0 + 3.0 * g_ciScaleX);
}

// --- The possible mean ----------------------------------------------------------------------

int CurveHeight(const PossibleMuFigure& figure, int d) {
    if (!figure.hasCurve) return 0;
    const double a = figure.sePixels;
    const double dd = static_cast<double>(d);
    return TruncPixel(kCurvePeak * std::exp(-dd * dd / (2.0 * a * a)) * g_ciScaleY);
}

PossibleMuFigure ComputePossibleMu(int n) {
    PossibleMuFigure f;
    // A mean left from another kind of population comes back onto the axis.
    g_ciPopMean = ClampPossibleMu(g_ciPopMean);
    IsPlausible();
    const double w = g_ciStripPixelsPerUnit;
    // A proportion's possible mean sits on the axis as the intervals do: x 10.
    const double unit = g_isBinomial ? 10.0 : 1.0;
    f.m = g_ciPopMean * unit;
    f.xCentre = TruncPixel(w * f.m + 70.0 * g_ciScaleX);
    f.baseY = g_ciStripRect.top + CiY(80);
    const double se = PossibleMuStandardError(n);
    const double critical = g_ciCriticalValue;
    f.sePixels = w * se;
    f.hasCurve = f.sePixels > 0.0 && std::isfinite(f.sePixels);
    f.halfWidth = TruncPixel(w * critical * se);
    // Steps of at least one pixel, however small the window.
    f.regionStep = std::max(1, TruncPixel(w / 20.0));
    f.curveStep = std::max(1, TruncPixel(w / 10.0));
    f.peakY = f.baseY - (f.hasCurve ? CurveHeight(f, 0) : CiY(kCurvePeak));

    // A low end's interval reaches up without limit, so it holds the possible
    // mean for every smaller sample mean: the region runs out to the left.
    f.hasLeftBound = !g_ciOneSided || !g_ciLowEnd;
    f.hasRightBound = !g_ciOneSided || g_ciLowEnd;
    if (f.hasCurve) {
        const int first =
            f.hasLeftBound ? f.xCentre - f.halfWidth : std::min(g_ciStripRect.left + 1, f.xCentre);
        const int end = f.hasRightBound ? f.xCentre + f.halfWidth
                                        : std::max(g_ciStripRect.right - 1, f.xCentre);
        f.outline.push_back({first, f.baseY});
        int last = first;
        for (int x = first; x <= end; x += f.regionStep) {
            f.outline.push_back({x, f.baseY - CurveHeight(f, x - f.xCentre)});
            last = x;
        }
        f.outline.push_back({last, f.baseY});
        for (int x = g_ciStripRect.left + 1; x <= g_ciStripRect.right - 1; x += f.curveStep)
            f.curve.push_back({x, f.baseY - CurveHeight(f, x - f.xCentre)});
    }

    f.leftBoundX = f.xCentre - f.halfWidth;
    f.rightBoundX = f.xCentre + TruncPixel(w * critical * se + 2.0 * g_ciScaleX);
    f.leftBoundTop = f.baseY - CurveHeight(f, f.leftBoundX - f.xCentre) + CiY(3);
    f.rightBoundTop = f.baseY - CurveHeight(f, f.rightBoundX - f.xCentre) + CiY(3);
    f.boundBottom = g_ciStripRect.bottom - CiY(32);

    // The label reads in the units of the axis below it.
    const double shown = g_isBinomial ? g_ciPopMean : ShownValue(g_ciPopMean);
    f.muText = "\u03bc = " + FormatFitted(shown, 2, kShownValueChars);
    f.muTextTop = f.baseY + CiY(1);

    const int top = g_ciGraphRect.bottom;
    f.textLineY[0] = top + CiY(10);
    f.textLineY[1] = top + CiY(25);
    f.textLineY[2] = top + CiY(40);
    static const char* const kPlausible[3] = {"PLAUSIBLE", "SAMPLING", "DISTRIBUTION"};
    static const char* const kNotPlausible[3] = {"SAMPLING", "DISTRIBUTION", "NOT PLAUSIBLE"};
    // Only a selected interval can judge the possible mean; the ends of an
    // interval shown before (perhaps of another series) judge nothing.
    static const char* const kNoVerdict[3] = {"", "SAMPLING", "DISTRIBUTION"};
    f.verdict = SelectedRowValid();
    for (int i = 0; i < 3; ++i)
        f.textLines[i] = !f.verdict      ? kNoVerdict[i]
                         : g_ciPlausible ? kPlausible[i]
                                         : kNotPlausible[i];
    return f;
}

double PossibleMuStandardError(int n) {
    if (SelectedRowValid()) {
        const Interval iv = IntervalOf(n, g_selectedSampleNo);
        if (iv.hasEnds) return iv.se;
    }
    const double unit = g_isBinomial ? 10.0 : 1.0;
    return n >= 1 ? unit * g_popSD / std::sqrt(static_cast<double>(n)) : 0.0;
}

int PlausibilityColumnLeft(const PossibleMuFigure& figure, int thirdLineWidth) {
    // Clear of the middle of the curve, of the region and of its bounds.
    const int middle = TruncPixel(2.0 * figure.sePixels);
    const int reachLeft =
        std::max(middle, figure.hasLeftBound ? figure.xCentre - figure.leftBoundX : 0);
    const int reachRight =
        std::max(middle, figure.hasRightBound ? figure.rightBoundX - figure.xCentre : 0);
    const int leftSide = figure.xCentre - reachLeft - kPlausibilityClearance - thirdLineWidth;
    const int rightSide = figure.xCentre + reachRight + kPlausibilityClearance;
    const bool leftFits = leftSide > CiX(5);
    const bool rightFits = rightSide + thirdLineWidth < g_ciStripRect.right - CiX(5);
    // The open side of a one-sided region is shaded out to the edge.
    if (!figure.hasLeftBound) return rightFits || !leftFits ? rightSide : leftSide;
    if (leftFits) return leftSide;
    return rightSide;
}

void DragPossibleMuTo(int x) {
    if (g_ciStripPixelsPerUnit < 1) return;
    MovePossibleMuByPixels(x - g_ciDragLastX);
    g_ciDragLastX = x;
}

void MovePossibleMuByPixels(int pixels) {
    const int w = g_ciStripPixelsPerUnit;
    if (w < 1) return;
    const double unit = g_isBinomial ? 10.0 : 1.0;
    const double moved = static_cast<double>(pixels) / (w * unit);
    g_ciPopMean = ClampPossibleMu(static_cast<float>(g_ciPopMean + moved));
}

void SetPossibleMuToShown(double shown) {
    // A proportion's label reads the proportion itself.
    const double mean = g_isBinomial ? shown : InternalValue(shown);
    const float top = g_isBinomial ? 1.0f : 10.0f;
    g_ciPopMean = ClampPossibleMu(static_cast<float>(std::clamp(mean, 0.0, double(top))));
}

std::string PossibleMuNumberText() {
    return FormatFitted(g_isBinomial ? g_ciPopMean : ShownValue(g_ciPopMean), 2, kShownValueChars);
}

Rect PossibleMuGrabRect(const PossibleMuFigure& figure) {
    if (figure.hasCurve && !figure.outline.empty()) {
        Rect r{figure.outline.front().x, figure.outline.front().y, figure.outline.front().x,
               figure.outline.front().y};
        for (const PixelPoint& point : figure.outline) {
            r.left = std::min(r.left, point.x);
            r.right = std::max(r.right, point.x + 1);
            r.top = std::min(r.top, point.y);
            r.bottom = std::max(r.bottom, point.y + 1);
        }
        if (!r.IsEmpty()) return r;
    }
    return Rect{figure.xCentre - CiX(3), figure.peakY, figure.xCentre + CiX(3) + 1, figure.baseY};
}

Rect PossibleMuLabelRect(const PossibleMuFigure& figure, int textWidth, int textHeight) {
    // Centred on the curve's centre, as the window writes it.
    const int left = figure.xCentre - textWidth / 2;
    return Rect{left, figure.muTextTop, left + textWidth, figure.muTextTop + textHeight};
}
