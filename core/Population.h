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

// Derives total, shares, mean, SD, median and quartiles for the current kind.
void RecomputePopulationParameters();

// Curve to the baseline, all parameters to 0, then the change sequence's
// window steps with empty settings fields and ResetSeries.
void ClearPopulation();

// Only the model part of a clear (no window steps, no ResetSeries); used by
// the measurement switches, which run their own sequence.
void ClearPopulationCurve();

// Fills the curve with a preset for the current kind (continuous or discrete)
// and runs the whole change sequence.
void ApplyPreset(PresetShape shape);

// Binomial proportion p in 0.05..1.00: sets both bars and recomputes.
void SetBinomialP(float p);

// The change sequence after the curve was written: recompute, identity
// transform, settings texts (empty when emptySettingsFields), repaint,
// ResetSeries, Dorvane refresh.
void RunPopulationChangeSequence(bool emptySettingsFields);

// Display transform. SetDisplayTarget refuses (returns false, transform
// unchanged) when the population has no spread.
bool SetDisplayTarget(float mean, float sd);
void ResetDisplayTransform();

// Settings-dialog texts for the current mean and SD: two spaces then "%.2f" / "%.3f".
std::string SettingsMeanText();
std::string SettingsSDText();
