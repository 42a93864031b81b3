#pragma once
// Every text the program shows the user in a message box, in one place, in
// English; the windows show it translated (ui/CoreText.h).

#include "core/Translatable.h"

inline constexpr char kMsgTooManySamples[] =
    DV_TEXT("Core", "The total number of samples cannot exceed 10,000");
inline constexpr char kMsgSampleSizeTooLarge[] =
    DV_TEXT("Core", "The sample size cannot be greater than 1000");
inline constexpr char kMsgSampleSizeTooSmall[] =
    DV_TEXT("Core", "The sample size must be at least 1");
inline constexpr char kMsgSampleSizeNotWhole[] =
    DV_TEXT("Core", "The sample size must be a whole number from 1 to 1000");
inline constexpr char kMsgNumberOfSamplesTooSmall[] =
    DV_TEXT("Core", "The number of samples must be at least 1");
inline constexpr char kMsgNumberOfSamplesNotWhole[] =
    DV_TEXT("Core", "The number of samples must be a whole number from 1 to 10,000");
inline constexpr char kMsgEmptyPopulation[] =
    DV_TEXT("Core", "The population is empty. Choose or draw a population first.");
inline constexpr char kMsgConfidenceLevel[] =
    DV_TEXT("Core", "The confidence level must be a whole number from 1 to 99");

// Refusals of SET in the population settings dialog.
inline constexpr char kMsgNoSpread[] =
    DV_TEXT("Core", "The population has no spread, so its standard deviation cannot be set.");
inline constexpr char kMsgNegativeSD[] =
    DV_TEXT("Core", "A standard deviation cannot be negative. Type 0 or a positive number.");
inline constexpr char kMsgSettingsNotNumbers[] =
    DV_TEXT("Core", "Type a number for the mean and a number for the standard deviation.");
inline constexpr char kMsgSettingsTooLarge[] = DV_TEXT(
    "Core", "These numbers are too large to show. Type a smaller mean or standard deviation.");

// A value typed over a slider's, a limit's or the possible mean's label.
inline constexpr char kMsgTypedNotANumber[] =
    DV_TEXT("Core", "Type a number, such as 5.5 or -1.96.");
