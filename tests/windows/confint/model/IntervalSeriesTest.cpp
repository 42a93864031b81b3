// The Confidence Intervals window's numbers without the window: the normal
// table against scipy, the critical value from the settings (z against
// norm.ppf, t against t.ppf), the interval of one sample against figures
// worked out by hand, the coverage counts and their texts, the selection kept
// across the two row orders, and one large run whose 95 % intervals cover
// about 95 % of the time.
#include "windows/confint/IntervalSeries.h"
#include "core/Population.h"
#include "core/Random.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/NormalTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// round(norm.cdf(k / 100) * 10000) from scipy 1.10 for k = 0 .. 329; the table
// reads the largest k whose entry is at most p. Beyond k = 321 only the
// hand-written entries are reached.
constexpr int kScipyRoundedPhi[] = {
    5000, 5040, 5080, 5120, 5160, 5199, 5239, 5279, 5319, 5359, 5398, 5438, 5478, 5517, 5557, 5596,
    5636, 5675, 5714, 5753, 5793, 5832, 5871, 5910, 5948, 5987, 6026, 6064, 6103, 6141, 6179, 6217,
    6255, 6293, 6331, 6368, 6406, 6443, 6480, 6517, 6554, 6591, 6628, 6664, 6700, 6736, 6772, 6808,
    6844, 6879, 6915, 6950, 6985, 7019, 7054, 7088, 7123, 7157, 7190, 7224, 7257, 7291, 7324, 7357,
    7389, 7422, 7454, 7486, 7517, 7549, 7580, 7611, 7642, 7673, 7704, 7734, 7764, 7794, 7823, 7852,
    7881, 7910, 7939, 7967, 7995, 8023, 8051, 8078, 8106, 8133, 8159, 8186, 8212, 8238, 8264, 8289,
    8315, 8340, 8365, 8389, 8413, 8438, 8461, 8485, 8508, 8531, 8554, 8577, 8599, 8621, 8643, 8665,
    8686, 8708, 8729, 8749, 8770, 8790, 8810, 8830, 8849, 8869, 8888, 8907, 8925, 8944, 8962, 8980,
    8997, 9015, 9032, 9049, 9066, 9082, 9099, 9115, 9131, 9147, 9162, 9177, 9192, 9207, 9222, 9236,
    9251, 9265, 9279, 9292, 9306, 9319, 9332, 9345, 9357, 9370, 9382, 9394, 9406, 9418, 9429, 9441,
    9452, 9463, 9474, 9484, 9495, 9505, 9515, 9525, 9535, 9545, 9554, 9564, 9573, 9582, 9591, 9599,
    9608, 9616, 9625, 9633, 9641, 9649, 9656, 9664, 9671, 9678, 9686, 9693, 9699, 9706, 9713, 9719,
    9726, 9732, 9738, 9744, 9750, 9756, 9761, 9767, 9772, 9778, 9783, 9788, 9793, 9798, 9803, 9808,
    9812, 9817, 9821, 9826, 9830, 9834, 9838, 9842, 9846, 9850, 9854, 9857, 9861, 9864, 9868, 9871,
    9875, 9878, 9881, 9884, 9887, 9890, 9893, 9896, 9898, 9901, 9904, 9906, 9909, 9911, 9913, 9916,
    9918, 9920, 9922, 9925, 9927, 9929, 9931, 9932, 9934, 9936, 9938, 9940, 9941, 9943, 9945, 9946,
    9948, 9949, 9951, 9952, 9953, 9955, 9956, 9957, 9959, 9960, 9961, 9962, 9963, 9964, 9965, 9966,
    9967, 9968, 9969, 9970, 9971, 9972, 9973, 9974, 9974, 9975, 9976, 9977, 9977, 9978, 9979, 9979,
    9980, 9981, 9981, 9982, 9982, 9983, 9984, 9984, 9985, 9985, 9986, 9986, 9987, 9987, 9987, 9988,
    9988, 9989, 9989, 9989, 9990, 9990, 9990, 9991, 9991, 9991, 9992, 9992, 9992, 9992, 9993, 9993,
    9993, 9993, 9994, 9994, 9994,
};

// The hand-written entries: (first p, last p, z).
struct Fixed {
    int first, last;
    float z;
};
constexpr Fixed kFixed[] = {
    {7500, 7500, 0.674f}, {7501, 7516, 0.68f},  {9000, 9000, 1.282f}, {9001, 9013, 1.285f},
    {9014, 9014, 1.29f},  {9500, 9500, 1.645f}, {9501, 9504, 1.65f},  {9754, 9755, 1.97f},
    {9900, 9900, 2.326f}, {9932, 9932, 2.46f},  {9950, 9950, 2.576f}, {9987, 9988, 3.0f},
    {9989, 9989, 3.05f},  {9990, 9990, 3.09f},  {9994, 9994, 3.24f},  {9995, 9995, 3.291f},
    {9996, 9996, 3.35f},  {9997, 9997, 3.45f},  {9998, 9998, 3.55f},
};
constexpr int kPairs[][3] = {{9974, 279, 280}, {9977, 283, 284}, {9979, 286, 287},
                             {9981, 289, 290}, {9982, 291, 292}, {9984, 294, 295},
                             {9985, 296, 297}, {9986, 298, 299}};

bool HandWritten(int p) {
    for (const Fixed& f : kFixed)
        if (p >= f.first && p <= f.last) return true;
    for (const auto& pair : kPairs)
        if (pair[0] == p) return true;
    return p >= 9999;
}

float ScipyRule(int p) {
    int k = 0;
    for (int i = 0; i < static_cast<int>(std::size(kScipyRoundedPhi)); ++i)
        if (kScipyRoundedPhi[i] <= p) k = i;
    return static_cast<float>(k) / 100.0f;
}

class IntervalSeriesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetConfIntervalLayout(509, 540);
        SetSecondsClock([] { return std::int64_t{1700000000}; });
    }
    void TearDown() override { SetSecondsClock({}); }

    // A series of samples stored as the engine stores them: rows in drawing
    // order, the means sorted with a new mean before equal ones.
    static void SetSeries(const std::vector<std::pair<float, float>>& meanAndSd) {
        g_samplesDrawn = 0;
        for (const auto& [mean, sd] : meanAndSd) {
            const int r = ++g_samplesDrawn;
            g_sampleStore[r].mean = mean;
            g_sampleStore[r].sd = sd;
            int k = 1;
            while (k < r && g_sortedMeans[k] < mean)
                ++k;
            for (int j = r; j > k; --j) {
                g_sortedMeans[j] = g_sortedMeans[j - 1];
                g_sortedMeanSampleNo[j] = g_sortedMeanSampleNo[j - 1];
            }
            g_sortedMeans[k] = mean;
            g_sortedMeanSampleNo[k] = r;
        }
    }
    static std::string Critical(const char* n, const char* level) {
        return ComputeCriticalValue(ReadWholeNumber(n), ReadWholeNumber(level));
    }
};

} // namespace

// --- The normal table -------------------------------------------------------------------

TEST_F(IntervalSeriesTest, NormalTableFollowsScipyWhereNotWrittenByHand) {
    for (int p = kPercentileLow; p <= kPercentileHigh; ++p)
        if (!HandWritten(p)) {
            EXPECT_EQ(ZFromPercentile(p), ScipyRule(p)) << p;
        }
    // The checks of the rule itself.
    const std::pair<int, float> checks[] = {{5000, 0.0f},  {5039, 0.0f},  {5040, 0.01f},
                                            {9749, 1.95f}, {9750, 1.96f}, {9973, 2.78f},
                                            {9993, 3.21f}};
    for (const auto& [p, z] : checks)
        EXPECT_EQ(ZFromPercentile(p), z) << p;
}

TEST_F(IntervalSeriesTest, NormalTableHandWrittenEntriesAndTheirRandomChoices) {
    for (const Fixed& f : kFixed)
        for (int p = f.first; p <= f.last; ++p)
            EXPECT_EQ(ZFromPercentile(p), f.z) << p;
    // The generator's first two numbers after Srand(1) are 41 and 18467: one
    // on each side of the middle 16383.
    for (const auto& pair : kPairs) {
        Srand(1);
        EXPECT_EQ(ZFromPercentile(pair[0]), pair[1] / 100.0f) << pair[0];
        EXPECT_EQ(ZFromPercentile(pair[0]), pair[2] / 100.0f) << pair[0];
    }
    // The far tail runs from 3.6 by one random step each.
    Srand(1);
    EXPECT_NEAR(ZFromPercentile(9999), 3.6 + 41 * 0.000042735042, 1e-6);
    EXPECT_NEAR(ZFromPercentile(10000), 3.6 + 18467 * 0.000042735042, 1e-6);
    // p is held to the table's range.
    EXPECT_EQ(ZFromPercentile(4000), 0.0f);
    EXPECT_EQ(ZFromPercentile(-7), 0.0f);
    const float far = ZFromPercentile(1 << 30);
    EXPECT_TRUE(far >= 3.6f && far <= 5.01f) << far;
}

// --- The critical value -------------------------------------------------------------------

TEST_F(IntervalSeriesTest, ZCriticalValuesMatchNormPpf) {
    struct Case {
        int oneSided, lowEnd;
        const char* level;
        double ppf; // norm.ppf of the cumulative probability
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "95", 1.959963984540054, "1.960"},   {0, 0, "90", 1.6448536269514722, "1.645"},
        {0, 0, "99", 2.5758293035489004, "2.576"},  {1, 0, "90", 1.2815515655446004, "1.282"},
        {1, 0, "95", 1.6448536269514722, "1.645"},  {1, 0, "99", 2.3263478740408408, "2.326"},
        {1, 1, "90", 1.2815515655446004, "-1.282"},
    };
    for (const Case& c : cases) {
        g_ciOneSided = c.oneSided;
        g_ciLowEnd = c.lowEnd;
        EXPECT_EQ(Critical("10", c.level), c.text) << c.level;
        EXPECT_NEAR(g_ciCriticalValue, c.ppf, 0.0006) << c.level;
    }
    g_ciOneSided = 0;
    Critical("10", "95");
    EXPECT_EQ(g_ciPercentile, 9750);
    g_ciOneSided = 1;
    Critical("10", "95");
    EXPECT_EQ(g_ciPercentile, 9500);
    // A level of 50 one-sided is z = 0: no "-0.000" with a low end.
    g_ciLowEnd = 1;
    EXPECT_EQ(Critical("10", "50"), "0.000");
}

TEST_F(IntervalSeriesTest, TCriticalValuesMatchTPpf) {
    g_ciUseZ = 0;
    struct Case {
        int oneSided;
        const char* n;
        const char* level;
        double ppf; // t.ppf(q, n - 1)
    };
    const Case cases[] = {
        {0, "10", "95", 2.2621571627409915}, {0, "25", "95", 2.0638985616280205},
        {0, "30", "99", 2.756385903670335},  {0, "25", "90", 1.7108820799094275},
        {1, "10", "95", 1.8331129326536335}, {1, "5", "80", 0.94096457719753},
        {1, "15", "30", 0.5365521798074555}, {0, "2", "95", 12.706204736432095},
    };
    for (const Case& c : cases) {
        g_ciOneSided = c.oneSided;
        Critical(c.n, c.level);
        EXPECT_NEAR(g_ciCriticalValue, c.ppf, 0.0015) << c.n << " " << c.level;
        EXPECT_EQ(g_ciDegreesOfFreedom, std::atoi(c.n) - 1);
    }
    g_ciOneSided = 0;
    EXPECT_EQ(Critical("10", "95"), "2.262");
    EXPECT_FLOAT_EQ(g_ciAlpha, 0.025f);
    // With one value per sample there is no t: nothing to show, the value
    // in use stays.
    for (const char* n : {"1", "0", "", "x"}) {
        EXPECT_EQ(Critical(n, "99"), "") << n;
        EXPECT_NEAR(g_ciCriticalValue, 2.262157, 0.0015) << n;
    }
    // A binomial population always uses z.
    g_isBinomial = 1;
    EXPECT_EQ(Critical("10", "95"), "1.960");
    EXPECT_EQ(g_ciUseZ, 1);
}

TEST_F(IntervalSeriesTest, ALevelOutsideOneToNinetyNineChangesNothingAndIsRefused) {
    EXPECT_EQ(Critical("25", "90"), "1.645");
    for (const char* typed : {"", "0", "100", "abc", "-5", "250", "1000000000000"}) {
        EXPECT_FALSE(ConfidenceLevelUsable(ReadWholeNumber(typed))) << typed;
        EXPECT_EQ(Critical("25", typed), "1.645") << typed;
        EXPECT_EQ(g_ciConfLevel, 90) << typed;
    }
    // The t search is never asked for a level it cannot reach.
    g_ciUseZ = 0;
    EXPECT_EQ(Critical("25", "100"), Critical("25", "90"));

    // A whole number outside 1..99 becomes the nearer of the two; anything
    // else keeps the level in force (here 90).
    const std::pair<const char*, const char*> refusals[] = {
        {"0", "1"},    {"-5", "1"},    {"100", "99"},   {"1000000000000", "99"}, {"", "90"},
        {"abc", "90"}, {"50.5", "90"}, {"95abc", "90"}, {"1e2", "90"},           {" ", "90"}};
    for (const auto& [typed, corrected] : refusals) {
        const FieldOutcome outcome = CheckConfidenceLevel(typed, 90);
        EXPECT_TRUE(outcome.corrected) << typed;
        EXPECT_EQ(outcome.text, corrected) << typed;
        EXPECT_EQ(outcome.message, "The confidence level must be a whole number from 1 to 99");
    }
    for (const auto& [fine, level] : {std::pair{"1", "1"}, std::pair{"99", "99"},
                                      std::pair{" 80 ", "80"}, std::pair{"+7", "7"}}) {
        const FieldOutcome outcome = CheckConfidenceLevel(fine, 90);
        EXPECT_FALSE(outcome.corrected) << fine;
        EXPECT_EQ(outcome.text, level) << fine;
        EXPECT_TRUE(outcome.message.empty()) << fine;
    }
}

// --- One interval ------------------------------------------------------------------------------

TEST_F(IntervalSeriesTest, IntervalsWithSigmaKnownUnknownAndBinomial) {
    g_popMean = 5.0f;
    g_popSD = 1.5f;
    g_ciCriticalValue = 1.96f;
    // sigma known: 5.2 -+ 1.96 x 1.5 / 5 = 5.2 -+ 0.588.
    Interval iv = IntervalOfSample(25, 5.2f, 1.3f);
    EXPECT_TRUE(iv.hasEnds);
    EXPECT_NEAR(iv.low, 4.612, 1e-5);
    EXPECT_NEAR(iv.high, 5.788, 1e-5);
    EXPECT_TRUE(iv.contains);
    EXPECT_FALSE(IntervalOfSample(25, 5.7f, 1.3f).contains); // 5.112 .. 6.288

    // sigma unknown: the sample's own s, 4.2 -+ 2 x 2 / 4.
    g_ciSigmaKnown = 0;
    g_ciCriticalValue = 2.0f;
    iv = IntervalOfSample(16, 4.2f, 2.0f);
    EXPECT_NEAR(iv.low, 3.2, 1e-6);
    EXPECT_NEAR(iv.high, 5.2, 1e-6);
    EXPECT_TRUE(iv.contains);
    // One value per sample: no interval, never containing, whatever the sides.
    for (int oneSided : {0, 1})
        for (int lowEnd : {0, 1}) {
            g_ciOneSided = oneSided;
            g_ciLowEnd = lowEnd;
            iv = IntervalOfSample(1, 5.0f, -1.0f);
            EXPECT_FALSE(iv.hasEnds || iv.contains) << oneSided << lowEnd;
            EXPECT_EQ(iv.centre, 5.0f);
        }
    // No sample size: no interval either, and no division by zero.
    g_ciOneSided = 0;
    g_ciSigmaKnown = 1;
    EXPECT_FALSE(IntervalOfSample(0, 5.0f, 1.0f).hasEnds);
    // t needs two values a sample, sigma known or not.
    g_ciUseZ = 0;
    EXPECT_FALSE(IntervalOfSample(1, 5.0f, -1.0f).hasEnds);
    EXPECT_TRUE(IntervalOfSample(2, 5.0f, 1.0f).hasEnds);
    g_ciUseZ = 1;

    // Binomial: p-hat 0.4 of 50, sigma from p-hat whatever the setting, all x 10:
    // 4 -+ 1.96 x sqrt(0.24 / 50) x 10 = 4 -+ 1.357928; the true p 0.5 is 5.
    g_isBinomial = 1;
    g_popMean = 0.5f;
    g_popSD = 0.5f;
    g_ciCriticalValue = 1.96f;
    for (int known : {0, 1}) {
        g_ciSigmaKnown = known;
        iv = IntervalOfSample(50, 0.4f, 0.49f);
        EXPECT_NEAR(iv.centre, 4.0, 1e-6);
        EXPECT_NEAR(iv.low, 2.642072, 1e-5);
        EXPECT_NEAR(iv.high, 5.357928, 1e-5);
        EXPECT_TRUE(iv.contains);
    }
    // A sample of all ones has no spread: a point at 10.
    iv = IntervalOfSample(50, 1.0f, 0.0f);
    EXPECT_EQ(iv.low, 10.0f);
    EXPECT_EQ(iv.high, 10.0f);
    EXPECT_FALSE(iv.contains);
}

TEST_F(IntervalSeriesTest, OneSidedIntervalsAndEndsEqualToTheMean) {
    g_popMean = 5.0f;
    g_popSD = 2.5f;            // standard error 0.5 with n = 25
    g_ciCriticalValue = 0.25f; // half-width 0.125, exact in binary
    struct Case {
        int oneSided, lowEnd;
        float mean;
        bool contains;
    };
    const Case cases[] = {
        {0, 0, 5.125f, true}, // low end equals the mean: inside
        {0, 0, 4.875f, true}, // high end equals the mean: inside
        {0, 0, 5.126f, false}, {0, 0, 4.874f, false}, {1, 0, 4.875f, true}, // high end only, equal
        {1, 0, 4.0f, false},   {1, 0, 9.0f, true},                          // no low end
        {1, 1, 5.125f, true},                                               // low end only, equal
        {1, 1, 6.0f, false},   {1, 1, 1.0f, true},                          // no high end
    };
    for (const Case& c : cases) {
        g_ciOneSided = c.oneSided;
        g_ciLowEnd = c.lowEnd;
        EXPECT_EQ(IntervalOfSample(25, c.mean, 1.0f).contains, c.contains)
            << c.oneSided << c.lowEnd << " " << c.mean;
    }
    // Through the settings: 20 % two-sided is z = 0.25.
    g_ciOneSided = 0;
    Critical("25", "20");
    EXPECT_EQ(g_ciCriticalValue, 0.25f);
}

// --- Coverage
// -------------------------------------------------------------------------------------

TEST_F(IntervalSeriesTest, CoverageCountsAndTheirTexts) {
    CoverageTexts texts = UpdateCoverageCounts(25);
    EXPECT_EQ(texts.numIn + "|" + texts.numOut + "|" + texts.pctIn + "|" + texts.pctOut,
              "0|0|0%|0%");

    g_popMean = 5.0f;
    g_popSD = 2.5f;
    g_ciCriticalValue = 0.25f;
    // In: 5.0, 5.125 (end equal), 4.9; out: 6.0, 3.0, 5.2. Sorting does not
    // change the count.
    SetSeries({{5.0f, 1}, {6.0f, 1}, {5.125f, 1}, {3.0f, 1}, {4.9f, 1}, {5.2f, 1}});
    for (int sorted : {0, 1}) {
        g_sortByMeans = sorted;
        texts = UpdateCoverageCounts(25);
        EXPECT_EQ(g_ciInCount, 3);
        EXPECT_EQ(g_ciOutCount, 3);
        EXPECT_EQ(texts.pctIn + "|" + texts.pctOut, "50%|50%");
    }
    // Seven samples: 3 of 7 is 42.857 %, shown without decimals.
    SetSeries({{5.0f, 1}, {6.0f, 1}, {5.125f, 1}, {3.0f, 1}, {4.9f, 1}, {5.2f, 1}, {9.0f, 1}});
    texts = UpdateCoverageCounts(25);
    EXPECT_EQ(texts.numIn + "|" + texts.numOut + "|" + texts.pctIn + "|" + texts.pctOut,
              "3|4|43%|57%");

    // sigma unknown with one value per sample: nothing is covered.
    g_ciSigmaKnown = 0;
    SetSeries({{5.0f, -1}, {5.1f, -1}});
    texts = UpdateCoverageCounts(1);
    EXPECT_EQ(texts.numIn + "|" + texts.numOut + "|" + texts.pctIn + "|" + texts.pctOut,
              "0|2|0%|100%");
}

// --- Row order and selection
// -----------------------------------------------------------------------

TEST_F(IntervalSeriesTest, SwitchingTheOrderKeepsTheSelectedSample) {
    // Means 5, 3, 7, 3: sorted 3 (sample 4, the newer first), 3 (2), 5 (1), 7 (3).
    SetSeries({{5, 1}, {3, 1}, {7, 1}, {3, 1}});
    EXPECT_EQ(std::vector<int>(g_sortedMeanSampleNo + 1, g_sortedMeanSampleNo + 5),
              (std::vector<int>{4, 2, 1, 3}));
    for (int sample = 1; sample <= 4; ++sample) {
        g_sortByMeans = 0;
        SelectRow(sample);
        EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], sample);
        SetSortByMeans(1);
        EXPECT_EQ(SampleOfRow(g_selectedSampleNo), sample);
        EXPECT_EQ(g_sortedMeans[g_selectedSampleNo], g_sampleStore[sample].mean);
        SetSortByMeans(0);
        EXPECT_EQ(g_selectedSampleNo, sample);
    }
    // A row picked in the sorted order is its sorted position.
    SetSortByMeans(1);
    SelectRow(3);
    EXPECT_EQ(g_selectedPos, 3);
    EXPECT_EQ(SampleOfRow(3), 1);
    EXPECT_EQ(IntervalOf(25, 3).centre, 5.0f);
    SetSortByMeans(0);
    EXPECT_EQ(g_selectedSampleNo, 1);
    EXPECT_TRUE(SelectedRowValid());
    g_samplesDrawn = 0; // the series ended under the selection
    EXPECT_FALSE(SelectedRowValid());
}

TEST_F(IntervalSeriesTest, PossibleMuIsPlausibleInsideTheSelectedInterval) {
    g_ciSelLow = 4.0f;
    g_ciSelHigh = 6.0f;
    struct Case {
        int oneSided, lowEnd;
        float m;
        int plausible;
    };
    const Case cases[] = {{0, 0, 5.0f, 1},  {0, 0, 4.0f, 1}, {0, 0, 6.0f, 1},
                          {0, 0, 6.01f, 0}, {0, 0, 3.9f, 0}, {1, 0, 1.0f, 1},
                          {1, 0, 6.5f, 0},  {1, 1, 9.0f, 1}, {1, 1, 3.0f, 0}};
    for (const Case& c : cases) {
        g_ciOneSided = c.oneSided;
        g_ciLowEnd = c.lowEnd;
        g_ciPopMean = c.m;
        IsPlausible();
        EXPECT_EQ(g_ciPlausible, c.plausible) << c.oneSided << c.lowEnd << " " << c.m;
    }
    // The shown scale decides: shown = (x - 5) x 10 + 100.
    g_ciOneSided = 0;
    g_dispFromMean = 5.0f;
    g_dispScale = 10.0f;
    g_dispToMean = 100.0f;
    g_ciSelLow = 95.0f;
    g_ciSelHigh = 105.0f;
    g_ciPopMean = 5.4f; // shown 104
    IsPlausible();
    EXPECT_EQ(g_ciPlausible, 1);
    // Judged as shown: ends 1.114 and 2.056 read 1.11 and 2.06, and a
    // possible mean typed as either lies inside.
    g_dispScale = 1.0f;
    g_dispFromMean = g_dispToMean = 0.0f;
    g_ciSelLow = 1.114f;
    g_ciSelHigh = 2.056f;
    for (const auto& [m, plausible] :
         {std::pair{2.06f, 1}, std::pair{1.11f, 1}, std::pair{2.07f, 0}, std::pair{1.10f, 0}}) {
        g_ciPopMean = m;
        IsPlausible();
        EXPECT_EQ(g_ciPlausible, plausible) << m;
    }
    // A selected sample without an interval holds no mean.
    g_ciSelHasEnds = 0;
    IsPlausible();
    EXPECT_EQ(g_ciPlausible, 0);
}

// --- One large run
// ------------------------------------------------------------------------------------

TEST_F(IntervalSeriesTest, NinetyFivePercentIntervalsCoverAboutNinetyFivePercent) {
    SetPopulationGeometry(300, 432);
    ApplyPreset(PresetShape::Normal);
    SampleDisplay quiet;
    g_speed = 1;
    ASSERT_EQ(DrawSamples(kMaxSamples, 25, quiet).drawn, kMaxSamples);
    EXPECT_EQ(Critical("25", "95"), "1.960");
    const CoverageTexts texts = UpdateCoverageCounts(25);
    const double covered = 100.0 * g_ciInCount / kMaxSamples;
    EXPECT_GE(covered, 94.4);
    EXPECT_LE(covered, 95.6);
    EXPECT_EQ(g_ciInCount + g_ciOutCount, kMaxSamples);
    EXPECT_EQ(texts.pctIn, "95%");
}
