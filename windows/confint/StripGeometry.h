#pragma once
// The bottom strip of the Confidence Intervals window, computed outside the
// painting: the selected interval enlarged on the strip's own axis with its
// texts, and the possible-mu display (the sampling distribution of the mean
// for a hypothesised mean, its acceptance region as an outline of points,
// the critical bounds and where its three lines of text stand).
//
// Strip axis: x(v) = trunc(70 sx) + trunc(W x v) for an internal value v,
// W = g_ciStripPixelsPerUnit.

#include "core/Geometry.h"
#include "windows/confint/IntervalSeries.h"

#include <string>
#include <vector>

// Pixel x of an internal value on the strip axis.
int StripX(double value);

// Rows of the strip that move down by g_possibleMuExtra while Possible Mu is on.
int StripShift();

// --- The selected interval ------------------------------------------------------

struct SelectedStrip {
    bool shown = false;     // a sample of the series is selected
    Interval interval;      // internal scale (binomial x 10)
    bool showLow = false;   // the low end is drawn (two-sided, or low end only)
    bool showHigh = false;  // the high end is drawn (two-sided, or high end only)
    std::string lowText;    // "low = 4.21" ("%.3f" binomial)
    std::string highText;   // "high = 5.87"
    std::string centreText; // "5.04"
    std::string sText;      // "s = 1.42"; "s =" for a sample of one value

    int baseY = 0;       // yb: client bottom - 15 units
    int endTextY = 0;    // top of the two end texts
    int centreTextY = 0; // top of the centre text
    int xCentre = 0;
    int xLow = 0, xHigh = 0; // x(low), x(high)
    int barY = 0;            // the bar and the centre mark: yb - 25
    int barLeft = 0, barRight = 0;
    int centreMarkHalf = 0; // the centre mark reaches this far either side
    // The bar lies wholly under the centre mark (a very low level): its
    // colour is drawn again over the mark's middle, so it still shows.
    bool barUnderMark = false;
    int trueX = 0; // the true value's tick, yb - 15 up to yb - 30
    int axisLeft = 0, axisRight = 0, axisY = 0;
    int labelTop = 0; // top of the axis labels
    int sTextX = 0, sTextY = 0;
};

// The selected interval's figures for a Sample Size of n. Sets g_ciSelLow,
// g_ciSelHigh (the shown ends that are drawn) and g_ciSelHasEnds.
SelectedStrip ComputeSelectedStrip(int n);

// Left edges of the texts of the given pixel widths.
int LowTextLeft(const SelectedStrip& strip, int textWidth);
int HighTextLeft(const SelectedStrip& strip, int textWidth);
int CentreTextLeft(const SelectedStrip& strip, int textWidth);

// --- The possible mean -------------------------------------------------------------

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct PossibleMuFigure {
    bool hasCurve = false; // a standard error to draw a curve with
    bool verdict = false;  // a selected interval judges the possible mean
    double m = 0.0;        // the possible mean on the internal scale (binomial x 10)
    int xCentre = 0;       // c_x
    int baseY = 0;         // the curve's base line
    double sePixels = 0.0; // A: pixels per standard error
    int halfWidth = 0;     // D: critical value x standard error in pixels
    int peakY = 0;         // top of the curve at c_x
    int regionStep = 0;    // pixel steps of the outline and of the curve
    int curveStep = 0;
    std::vector<PixelPoint> outline; // the acceptance region, closed along the base
    std::vector<PixelPoint> curve;   // the curve across the strip
    // A one-sided interval's region runs out to the strip's edge on its open
    // side, which then has no bound.
    bool hasLeftBound = true, hasRightBound = true;
    int leftBoundX = 0, rightBoundX = 0;
    int leftBoundTop = 0, rightBoundTop = 0;
    int boundBottom = 0;
    std::string muText; // "μ = 5.00" (the shown value)
    int muTextTop = 0;
    int textLineY[3] = {0, 0, 0};
    const char* textLines[3] = {"", "", ""}; // by g_ciPlausible, or no verdict
};

// Height of the curve above its base at pixel offset d from its centre.
int CurveHeight(const PossibleMuFigure& figure, int d);

// The standard error (internal scale, binomial x 10) the possible mean's
// curve is drawn with: the selected interval's own, so the shaded region, its
// bounds and the verdict stand on one standard error and one critical value;
// with no interval selected, the population's sigma over root n.
double PossibleMuStandardError(int n);

// The whole display for the possible mean g_ciPopMean: runs IsPlausible,
// builds the acceptance region and the curve for a Sample Size of n. The
// region holds the means whose interval would contain the possible mean:
// within the critical value either side, or, one-sided, out to the edge on
// the side the interval is open to.
PossibleMuFigure ComputePossibleMu(int n);

// Pixels the column of text keeps clear of the acceptance region: the focus
// ring drawn around it reaches 3 out, and 3 more keep the letters apart.
constexpr int kPlausibilityClearance = 6;

// Left edge of the column of the three text lines, thirdLineWidth wide,
// kept clear of the acceptance region and the curve's middle (2 standard
// errors either side): left of it while it stays more than 5 units off the
// window's left edge, else right of it; a one-sided region's open side is
// taken last.
int PlausibilityColumnLeft(const PossibleMuFigure& figure, int thirdLineWidth);

// One drag step of the possible mean to pixel x (it stays on the axis).
void DragPossibleMuTo(int x);

// --- The possible mean by the keyboard --------------------------------------------

// A move by whole pixels of the strip's axis, as a drag by as many: a key
// step moves it by one (ten with Shift).
void MovePossibleMuByPixels(int pixels);
// A number typed on the scale its label shows (the window read it from
// the field), held to the axis and put there exactly.
void SetPossibleMuToShown(double shown);
// The number of its label ("5.00").
std::string PossibleMuNumberText();
// Where the mouse grabs it (the acceptance region, or the centre line when
// there is no curve), and where its label of textWidth x textHeight stands.
Rect PossibleMuGrabRect(const PossibleMuFigure& figure);
Rect PossibleMuLabelRect(const PossibleMuFigure& figure, int textWidth, int textHeight);
