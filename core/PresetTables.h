#pragma once
// Column heights of the preset shapes in design units (pixels at scale 1.0),
// columns 0 to 50 (continuous) or 0 to 10 (discrete). NORMAL and U-SHAPED
// continuous, and U-SHAPED and UNIFORM discrete, are computed, not tabled.

constexpr int kContinuousColumns = 51;
constexpr int kDiscreteColumns = 11;
constexpr int kPictureButtonCount = 4;

extern const int kContinuousBimodalHeights[kContinuousColumns];
extern const int kContinuousTrimodalHeights[kContinuousColumns];
extern const int kContinuousSkewPlusHeights[kContinuousColumns];
extern const int kContinuousSkewMinusHeights[kContinuousColumns];

extern const int kDiscreteBimodalHeights[kDiscreteColumns];
extern const int kDiscreteTrimodalHeights[kDiscreteColumns];
extern const int kDiscreteSkewPlusHeights[kDiscreteColumns];
extern const int kDiscreteSkewMinusHeights[kDiscreteColumns];
extern const int kDiscreteNormalHeights[kDiscreteColumns];

// Example populations of the picture buttons, in button order 1003, 1002,
// 1004, 1005 (left to right under the plot).
extern const int kPictureButtonIds[kPictureButtonCount];
extern const int kContinuousPictureHeights[kPictureButtonCount][kContinuousColumns];
extern const int kDiscretePictureHeights[kPictureButtonCount][kDiscreteColumns];
