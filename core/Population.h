#pragma once
// The population: its curve of column tops, the parameters derived from it,
// the presets, the binomial proportion and the display transform.

#include <string>

// The shapes of the pop-up menu and of the four picture buttons.
enum class PresetShape {
    Bimodal,
    Normal,
    SkewedMinus,
    SkewedPlus,
    Trimodal,
    UShaped,
    Uniform,
    Picture1003,
    Picture1002,
    Picture1004,
    Picture1005,
};

// Population name shown for a shape ("NORMAL", ... ; "DISTRIBUTION" for pictures).
const char* PresetName(PresetShape shape);

// Measures the Population window's client area once: scales, baseline, plot
// edges and the binomial bar top. Sets every curve slot to the baseline and
// zeroes the cumulative shares.
void SetPopulationGeometry(int clientWidth, int clientHeight);

// Column weight: baseline minus the column's top (slot c + 1).
int ColumnWeight(int column);

// Derives total, shares, mean, SD, median and quartiles for the current kind
// (binomial: two columns, no quartiles, then PlaceHandles).
void RecomputePopulationParameters();

// Curve to the baseline, all parameters to 0, PlaceHandles, then the change
// sequence with empty settings fields (which includes ResetSeries).
void ClearPopulation();

// Only the model part of a clear: columns 0 to 50 to the baseline, shares
// 0..51 and all parameters to 0 (no window steps, no ResetSeries); used by the
// measurement switches, which run their own sequence.
void ClearPopulationCurve();

// Fills the curve with a preset for the current kind (continuous or discrete),
// PlaceHandles, and runs the whole change sequence. Does nothing while the
// kind is binomial.
void ApplyPreset(PresetShape shape);

// The population is the continuous NORMAL preset as it was written: its
// curve is column for column the one the preset gave, so any edit since (a
// handle, a ramp, a clear, another shape or kind) makes it false.
bool PopulationIsNormalPreset();

// Binomial proportion p in 0.05..1.00: sets both bars (p is kept inside 0..1)
// and runs the binomial recompute, which ends with PlaceHandles. Needs only
// the geometry, no window.
void SetBinomialP(float p);

// The change sequence after the curve was written: recompute, identity
// transform, settings texts (empty when emptySettingsFields), repaint,
// ResetSeries, Dorvane refresh.
void RunPopulationChangeSequence(bool emptySettingsFields);

// Display transform. SetDisplayTarget refuses (returns false, transform
// unchanged) when the population has no spread.
bool SetDisplayTarget(float mean, float sd);
void ResetDisplayTransform();

// Settings-dialog texts: two spaces then the shown mean with two decimals /
// the shown SD with three (through the display transform, the identity after
// a preset), fewer decimals once the number is large (FormatFitted).
std::string SettingsMeanText();
std::string SettingsSDText();
