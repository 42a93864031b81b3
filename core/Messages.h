#pragma once
// Every text the program shows the user in a message box, in one place.

inline constexpr char kMsgTooManySamples[] = "The total number of samples cannot exceed 10,000";
inline constexpr char kMsgSampleSizeTooLarge[] = "The sample size cannot be greater than 1000";
inline constexpr char kMsgSampleSizeTooSmall[] = "The sample size must be at least 1";
inline constexpr char kMsgEmptyPopulation[] =
    "The population is empty. Choose or draw a population first.";
