// Layout, bin widths, the visible axis, rebinning and the axis scroll bar of
// the Dorvane window.

#include "windows/sampdist/SampDistModel.h"

#include "core/AxisTicks.h"
#include "core/NumberText.h"
#include "core/Random.h"
#include "core/SamplingEngine.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "core/Statistic.h"
#include "windows/sampdist/SampDistText.h"

#include <algorithm>
#include <cmath>

using sampdist::TruncPixel;

namespace {

// Pixels per unit of the statistic at zoom 1 before the window's scale:
// proportions are spread ten times wider than means.
double UnitsToDesignPixels() {
    return g_isBinomial ? 350.0 : 35.0;
}

} // namespace

void SetSamplingDistLayout(int clientWidth, int clientHeight) {
    // Width / 624 and height / 446, so the design size gives exactly 1.
    g_sdScaleX = static_cast<float>(clientWidth / double{kSdDesignWidth});
    g_sdScaleY = static_cast<float>(clientHeight / double{kSdDesignHeight});
    const float sx = g_sdScaleX;
    const float sy = g_sdScaleY;
    g_histRect = Rect{Px(sx, 200), Px(sy, 2), Px(sx, 618), Px(sy, 425)};
    g_sdAxisLeft = g_histRect.left + Px(sx, 51);
    g_sdAxisRight = g_histRect.right - Px(sx, 2);
    g_sdPlotTop = g_histRect.top + Px(sy, 18);
    g_sdAxisY = g_histRect.bottom - Px(sy, 32);
    g_histMaxHeight = g_histRect.bottom - Px(sy, 50) - g_histRect.top;
    g_pixelsPerUnit = Px(sx, 35);
}

std::string InitSamplingDistState() {
    g_speed = 2;
    g_seedCarry = Rand();
    g_sdZoom = 0;
    g_drawFinished = 1;
    g_binWidthWide = 0;
    g_binWidthMedium = 1;
    g_binWidthNarrow = g_binWidthFinest = 0;
    g_showNormalOutline = g_showPopOutline = 0;
    g_histNeedsRescale = 1;
    g_sdSampleSize = 1;
    g_sdScrollMax = 151;
    return FormatNumber("%.4f", g_popSD);
}

BinWidth CurrentBinWidth() {
    // Tested in table order; a later flag overrides an earlier one.
    BinWidth width = BinWidth::Medium;
    if (g_binWidthWide) width = BinWidth::Wide;
    if (g_binWidthMedium) width = BinWidth::Medium;
    if (g_binWidthNarrow) width = BinWidth::Narrow;
    if (g_binWidthFinest) width = BinWidth::Finest;
    return width;
}

BinWidthInfo BinWidthInfoFor(BinWidth width) {
    BinWidthInfo info{};
    switch (width) {
    case BinWidth::Wide:
        info = BinWidthInfo{0.5f, 2, 1, 0.2f, 21, false, 0};
        break;
    case BinWidth::Medium:
        info = BinWidthInfo{0.2f, 5, 1, 0.2f, 51, false, 0};
        break;
    case BinWidth::Narrow:
        info = BinWidthInfo{0.1f, 10, 2, 0.1f, 101, true, 51};
        break;
    case BinWidth::Finest:
        info = BinWidthInfo{0.05f, 20, 4, 0.05f, 201, true, 151};
        break;
    }
    if (g_isBinomial) {
        // Proportions: ten times more bins per unit on a ten times shorter scale.
        info.width *= 0.1f;
        info.multiplier *= 10;
        info.scrollStep *= 0.1f;
    }
    return info;
}

BinWidthInfo CurrentBinWidthInfo() {
    return BinWidthInfoFor(CurrentBinWidth());
}

int EffectiveScrollPos(int scrollPos) {
    const BinWidthInfo info = CurrentBinWidthInfo();
    if (!info.scrolls) return 1;
    return std::clamp(scrollPos, 1, info.scrollMax);
}

float VisibleAxisStart(int scrollPos) {
    const BinWidthInfo info = CurrentBinWidthInfo();
    if (!info.scrolls) return 0.0f;
    return static_cast<float>((EffectiveScrollPos(scrollPos) - 1) *
                              static_cast<double>(info.scrollStep));
}

int ValueToAxisPixel(float value, int scrollPos) {
    // (value - lo) x 35 x Z x sx, with lo x 35 x Z written as the 7 pixels of
    // each scroll position, so a rounded lo never costs a pixel.
    const BinWidthInfo info = CurrentBinWidthInfo();
    const int pos = EffectiveScrollPos(scrollPos);
    return g_sdAxisLeft +
           TruncPixel((info.zoom * UnitsToDesignPixels() * value - 7.0 * (pos - 1)) * g_sdScaleX);
}

float AxisPixelToValue(int x, int scrollPos) {
    const BinWidthInfo info = CurrentBinWidthInfo();
    const float lo = VisibleAxisStart(scrollPos);
    if (!(g_sdScaleX > 0.0f)) return lo;
    double units = (x - g_sdAxisLeft) / (35.0 * g_sdScaleX) / info.zoom;
    if (g_isBinomial) units *= 0.1;
    return static_cast<float>(units + lo);
}

double AxisPositionOfValue(double value, int scrollPos) {
    const BinWidthInfo info = CurrentBinWidthInfo();
    double units = value - VisibleAxisStart(scrollPos);
    if (g_isBinomial) units *= 10.0;
    return g_sdAxisLeft + units * 35.0 * g_sdScaleX * info.zoom;
}

int AxisMarkX(float value, int scrollPos) {
    const BinWidthInfo info = CurrentBinWidthInfo();
    const int pos = EffectiveScrollPos(scrollPos);
    return g_sdAxisLeft + TruncPixel((3.0 - 7.0 * (pos - 1)) * g_sdScaleX +
                                     info.zoom * UnitsToDesignPixels() * value * g_sdScaleX);
}

int FirstVisibleBin(int scrollPos) {
    return EffectiveScrollPos(scrollPos);
}

int LastVisibleBin(int scrollPos) {
    const BinWidthInfo info = CurrentBinWidthInfo();
    if (!info.scrolls) return info.lastBin;
    return std::min(EffectiveScrollPos(scrollPos) + 51, info.lastBin);
}

void ComputeMuPixelX() {
    g_muPixelX = TruncPixel((g_popMean * UnitsToDesignPixels() + 3.0) * g_sdScaleX + g_sdAxisLeft);
}

std::vector<AxisTick> AxisTicksOf(int scrollPos,
                                  const std::function<double(const std::string&)>& widthOf) {
    const BinWidthInfo info = CurrentBinWidthInfo();
    const int pos = EffectiveScrollPos(scrollPos);
    const float sx = g_sdScaleX;
    if (!(sx > 0.0f)) return {};
    // Where AxisMarkX puts a value, without its truncation, and back.
    const double start = (3.0 - 7.0 * (pos - 1)) * sx;
    const double perUnit = info.zoom * UnitsToDesignPixels() * sx;
    auto valueAt = [&](double x) { return (x - g_sdAxisLeft - start) / perUnit; };
    AxisLabelRoom room;
    room.xOf = [&](double v) { return g_sdAxisLeft + start + perUnit * v; };
    room.widthOf = widthOf;
    room.minX = g_histRect.left + Px(sx, 2);
    room.maxX = g_histRect.right - Px(sx, 2);
    room.gap = Px(sx, 4);
    // The values the axis reaches, and no further than its statistic goes.
    const double top = g_isBinomial ? 1.0 : 10.0;
    const double lo = std::max(0.0, valueAt(g_sdAxisLeft - 2.0 * Px(sx, 3)));
    const double hi = std::min(top, valueAt(g_sdAxisRight));
    if (g_showZValues || g_showTValues) {
        // Standard errors from the mean, on the same footing as the sliders'
        // z, so a slider standing on a label shows the label's number.
        const double se = g_isBinomial ? g_standardError * 0.1 : g_standardError;
        if (!(se > 0.0)) return {};
        return LinearAxisTicks(lo, hi, 1.0 / se, -g_popMean / se, room);
    }
    if (g_isBinomial) return LinearAxisTicks(lo, hi, 1.0, 0.0, room);
    const Statistic s = ShownStatisticKind();
    if (s == Statistic::Mean || s == Statistic::Median) return ShownAxisTicks(lo, hi, room);
    // A spread from 0: shown = axis / scale x the transform's factor.
    return LinearAxisTicks(lo, hi, ShownOfAxis(1.0), 0.0, room);
}

std::string ReadSampleSize(int n) {
    std::string intervalWidthText;
    if (n >= 1) {
        const float se = static_cast<float>(g_popSD / std::sqrt(static_cast<double>(n)));
        g_standardError = g_isBinomial ? 10.0f * se : se;
        intervalWidthText = g_isBinomial ? FormatNumber("%.4f", se)
                                         : FormatFitted(g_dispScale * se, 3, kShownValueChars);
    }

    if (!g_showZValues && !g_showTValues) {
        // Observed values: the sliders stay where they stand on the value axis.
        // Without a standard error (or a display scale) they cannot be put in
        // standard errors, so they keep the z they have.
        auto zFromValue = [](float value, float& z) {
            const double inner = (value - g_dispToMean) / static_cast<double>(g_dispScale);
            const double newZ = (inner - g_popMean + g_dispFromMean) / g_standardError;
            if (g_standardError > 0.0f && std::isfinite(newZ))
                z = sampdist::PlainZero(static_cast<float>(newZ));
        };
        zFromValue(g_leftSliderValue, g_leftSliderZ);
        if (!g_oneSlider) zFromValue(g_rightSliderValue, g_rightSliderZ);
    } else {
        // z and t values: the sliders keep their z.
        g_leftSliderValue = SliderShownValue(g_leftSliderZ);
        if (!g_oneSlider) g_rightSliderValue = SliderShownValue(g_rightSliderZ);
    }
    return intervalWidthText;
}

float SampleStatistic(int r) {
    if (r < 1 || r > kMaxSamples) return NAN;
    // t values take the Sample Size field's n; any other statistic is the
    // series' own.
    if (g_statistic == Statistic::Mean) return AxisStatisticOfSample(r, g_sdSampleSize);
    return AxisStatisticOfSample(r, g_seriesSampleSize);
}

void Rebin(int sampleSize) {
    g_sdSampleSize = sampleSize;
    std::fill(std::begin(g_meanHistogram), std::end(g_meanHistogram), 0);
    const int drawn = std::min(g_samplesDrawn, kMaxSamples);
    for (int r = 1; r <= drawn; ++r) {
        // The engine's own binning: a statistic without a bin is left out.
        const int bin = HistogramBin(SampleStatistic(r));
        if (bin > 0) g_meanHistogram[bin] += 1;
    }
}

AxisScrollBarState ChooseBinWidth(BinWidth width, int scrollPos, int sampleSize) {
    AxisScrollBarState state{false, g_sdScrollMax, scrollPos, false};
    switch (width) {
    case BinWidth::Wide:
    case BinWidth::Medium:
        state.visible = false;
        break;
    case BinWidth::Narrow:
        // One position of the finest width is a third of one here.
        if (g_sdZoom == 2) scrollPos /= 3;
        g_sdScrollMax = 51;
        g_sdZoom = 1;
        state = AxisScrollBarState{true, 51, std::clamp(scrollPos, 1, 51), true};
        break;
    case BinWidth::Finest:
        g_sdScrollMax = 151;
        if (g_sdZoom == 1) scrollPos = std::min(scrollPos * 3, 151);
        g_sdZoom = 2;
        state = AxisScrollBarState{true, 151, std::clamp(scrollPos, 1, 151), false};
        break;
    }
    g_binWidthWide = width == BinWidth::Wide;
    g_binWidthMedium = width == BinWidth::Medium;
    g_binWidthNarrow = width == BinWidth::Narrow;
    g_binWidthFinest = width == BinWidth::Finest;
    g_binWidthChanged = 1;
    Rebin(sampleSize);
    return state;
}

int ScrollAxis(ScrollRequest request, int thumbPos, int currentPos) {
    const int maxPos = std::max(1, g_sdScrollMax);
    int pos = currentPos;
    switch (request) {
    case ScrollRequest::LineBack:
        if (pos > 1) pos -= 1;
        break;
    case ScrollRequest::LineForward:
        if (pos < maxPos) pos += 1;
        break;
    case ScrollRequest::PageBack:
        if (pos > 1) pos -= 20;
        break;
    case ScrollRequest::PageForward:
        if (pos < maxPos) pos += 20;
        break;
    case ScrollRequest::Thumb:
        pos = thumbPos;
        break;
    case ScrollRequest::Other:
        break;
    }
    pos = std::clamp(pos, 1, maxPos);
    if (!CurrentBinWidthInfo().scrolls) pos = 1;

    // The highlight travels with its column: 7 design pixels per position.
    const int oldPos = EffectiveScrollPos(currentPos);
    const int shift = TruncPixel((oldPos - pos) * 7.0 * g_sdScaleX);
    if (!g_sdSelectionRect.IsEmpty()) {
        g_sdSelectionRect.left += shift;
        g_sdSelectionRect.right += shift;
    }
    return pos;
}

Statistic ShownStatisticKind() {
    return g_isBinomial ? Statistic::Mean : g_statistic;
}

std::string StandardErrorShown(const std::string& text) {
    return ShownStatisticKind() == Statistic::Mean ? text : std::string();
}

bool SelectStatistic(Statistic statistic) {
    if (g_isBinomial && statistic != Statistic::Mean) return false;
    if (statistic != Statistic::Mean) g_showZValues = g_showTValues = 0;
    ChooseStatistic(statistic);
    return true;
}

bool StatisticAxisIsOfValues() {
    const Statistic s = ShownStatisticKind();
    return s == Statistic::Mean || s == Statistic::Median;
}

double ShownOfAxis(double axisValue) {
    const Statistic s = ShownStatisticKind();
    if (g_isBinomial) return axisValue;
    if (s == Statistic::Mean) return ShownValue(static_cast<float>(axisValue));
    return ShownStatistic(s, axisValue / StatisticAxisScale(s));
}

double AxisOfShown(double shown) {
    const Statistic s = ShownStatisticKind();
    if (g_isBinomial) return shown;
    return InternalStatistic(s, shown) * StatisticAxisScale(s);
}

const char* StatisticLetter() {
    if (g_isBinomial) return "p";
    switch (g_statistic) {
    case Statistic::Mean:
        return "x";
    case Statistic::Median:
        return "M";
    case Statistic::StandardDeviation:
        return "s";
    case Statistic::Variance:
        return "s\u00b2";
    case Statistic::VarianceN:
        return "s\u00b2(n)";
    case Statistic::Range:
        return "R";
    }
    return "x";
}

std::optional<double> ParameterOnAxis() {
    const Statistic s = ShownStatisticKind();
    const std::optional<double> value = PopulationValueOf(s);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return *value * StatisticAxisScale(s);
}

StatisticSummary SummaryOfStatistic() {
    StatisticSummary out;
    const Statistic s = ShownStatisticKind();
    if (s == Statistic::Mean || g_samplesDrawn < 1) return out;
    const SortedStatistics sorted = SortedStatisticsOf(s);
    out.withoutValue = sorted.withoutValue;
    if (sorted.count < 1) return out;
    double sum = 0.0;
    for (int k = 1; k <= sorted.count; ++k)
        sum += sorted.values[k];
    const double mean = sum / sorted.count;
    // Decimals as the means' summary has them: two for a value, three for a spread.
    const int decimals = s == Statistic::Median ? 2 : 3;
    out.mean = FormatFitted(ShownStatistic(s, mean), decimals, kShownValueChars);
    if (sorted.count < 2) return out;
    double squares = 0.0;
    for (int k = 1; k <= sorted.count; ++k)
        squares += (sorted.values[k] - mean) * (sorted.values[k] - mean);
    const double sd = std::sqrt(squares / (sorted.count - 1));
    // A spread of the statistic scales as the statistic does, without the shift.
    const double spreadScale = ShownStatistic(s, mean + 1.0) - ShownStatistic(s, mean);
    out.sd = FormatFitted(std::fabs(spreadScale) * sd, 3, kShownValueChars);
    return out;
}
