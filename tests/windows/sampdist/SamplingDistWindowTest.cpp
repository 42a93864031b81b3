// The Dorvane window driven as a student drives it: DRAW SAMPLES at two
// speeds, the fields with their limits and messages, the series mode and the
// refusals of the DRAW SAMPLES entry.
#include "tests/windows/sampdist/SampDistTestSupport.h"

#include "core/Messages.h"
#include "shell/DialogTemplate.h"
#include "shell/DrawSamplesButton.h"
#include "shell/Gdi.h"

#include <QEvent>
#include <cmath>
#include <vector>

using SamplingDistWindow = SampDistTest;

TEST_F(SamplingDistWindow, SpeedFAndSpeed4LeaveTheSameHistogramAndFields) {
    EXPECT_EQ(Text(IDC_SD_SERIES_MODE), "NEW\nSERIES");
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD)); // n = 1
    EXPECT_FALSE(dorvane->Control(IDC_SD_AXIS_SCROLL)->isVisible());
    auto run = [&](int speedButton) {
        g_seedCarry = 0; // the same clock and carry give the same stream
        Draw(25, 400, speedButton);
        QStringList fields;
        for (int id : {IDC_SD_TOTAL_DRAWN, IDC_SD_MEAN_OF_MEANS, IDC_SD_SD_OF_MEANS,
                       IDC_SD_MEAN_OF_SDS, IDC_SD_SD_OF_SDS})
            fields << Text(id);
        return std::make_pair(fields, g_sdMemDC.copy(ToQRect(g_histRect)));
    };
    const auto fast = run(IDC_SD_SPEED_F);
    EXPECT_EQ(g_speed, 1);
    const std::vector<int> histogram(g_meanHistogram, g_meanHistogram + kHistogramBins + 1);
    const auto animated = run(IDC_SD_SPEED_4);
    EXPECT_EQ(g_speed, 2);
    EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + kHistogramBins + 1), histogram);
    EXPECT_EQ(fast.first, animated.first);
    EXPECT_EQ(fast.second, animated.second);
    EXPECT_EQ(g_samplesDrawn, 400);
    EXPECT_EQ(g_runInProgress, 0);

    // The fields say what the core computed.
    EXPECT_EQ(fast.first, QStringList({"400", QString::asprintf("%.2f", ShownValue(g_meanOfMeans)),
                                       QString::asprintf("%.3f", g_dispScale * g_sdOfMeans),
                                       QString::asprintf("%.3f", g_dispScale * g_meanOfSDs),
                                       QString::asprintf("%.3f", g_dispScale * g_sdOfSDs)}));
    // The standard error of the mean of 25 values, and the spread of the means near it.
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / 5.0));
    EXPECT_NEAR(g_sdOfMeans, g_popSD / 5.0, 0.15 * g_popSD / 5.0);
    SaveSnapshot(dorvane->grab().toImage(), "sd-after-400-of-25");

    // A new sample size ends the series: the histogram is empty at once.
    Type(IDC_SD_SAMPLE_SIZE, "11");
    EXPECT_EQ(g_samplesDrawn, 0);
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        ASSERT_NE(SdPixel(x, g_sdAxisY - 1), kGreen) << x;
}

namespace {
// Counts the paints of a watched widget in the middle of a run at which the
// DRAW SAMPLES button did not have its pressed look.
struct RunWatcher : QObject {
    explicit RunWatcher(COwnerDrawButton* button) : button(button) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && g_runInProgress) {
            ++paints;
            unpressed += !button->PressedLook();
        }
        return QObject::eventFilter(watched, event);
    }
    COwnerDrawButton* button;
    int paints = 0, unpressed = 0;
};
} // namespace

TEST_F(SamplingDistWindow, DrawSamplesButtonLooksPressedOnlyWhileTheRunLasts) {
    auto* button = qobject_cast<COwnerDrawButton*>(dorvane->Control(IDC_SD_DRAW_SAMPLES));
    RunWatcher watcher(button);
    population->installEventFilter(&watcher);
    Draw(5, 10, IDC_SD_SPEED_4);
    population->removeEventFilter(&watcher);
    EXPECT_EQ(g_samplesDrawn, 10);
    EXPECT_GT(watcher.paints, 0);
    EXPECT_EQ(watcher.unpressed, 0);
    EXPECT_FALSE(button->PressedLook());
    const QImage face = button->grab().toImage();
    EXPECT_EQ(PixelOf(face, face.width() / 2, face.height() - 5), Rgb(255, 75, 0));
}

TEST_F(SamplingDistWindow, FieldLimitsShowTheirMessagesAndCorrectTheField) {
    Type(IDC_SD_SAMPLE_SIZE, "2000");
    EXPECT_EQ(messages, QStringList(kMsgSampleSizeTooLarge));
    EXPECT_EQ(Text(IDC_SD_SAMPLE_SIZE), "1000");
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / std::sqrt(1000.0)));
    messages.clear();
    Type(IDC_SD_NUM_SAMPLES, "20000");
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples));
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "10000");
    // Within the limits nothing is said.
    messages.clear();
    Type(IDC_SD_SAMPLE_SIZE, "25");
    Type(IDC_SD_NUM_SAMPLES, "300");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SamplingDistWindow, AddMoreAtNineThousandAskingForTwoThousandDrawsOneThousand) {
    Draw(4, 100);
    Click(IDC_SD_SERIES_MODE);
    EXPECT_EQ(Text(IDC_SD_SERIES_MODE), "ADD\nMORE");
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "200");
    Click(IDC_SD_SERIES_MODE);
    EXPECT_EQ(Text(IDC_SD_SERIES_MODE), "NEW\nSERIES");
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(g_samplesDrawn, 100);
    EXPECT_TRUE(messages.isEmpty());

    Draw(1, 9000);
    Click(IDC_SD_SERIES_MODE); // ADD MORE: 9000 more would not fit
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "1000");
    messages.clear();
    // Another window copies 2,000 into the field (no handler runs for a copy).
    dorvane->SetNumberOfSamplesText(QStringLiteral("2000"));
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples));
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "10000");
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "1000");
    // A full series in ADD MORE mode takes no more.
    Type(IDC_SD_NUM_SAMPLES, "5");
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "0");
}

TEST_F(SamplingDistWindow, EmptyPopulationAndSampleSizeZeroAreRefused) {
    ClearPopulation();
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(messages, QStringList(kMsgEmptyPopulation));
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "");

    ApplyPreset(PresetShape::Normal);
    for (const char* n : {"0", ""}) {
        messages.clear();
        Type(IDC_SD_SAMPLE_SIZE, n);
        EXPECT_TRUE(messages.isEmpty()); // typing it is allowed ...
        EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), "");
        Click(IDC_SD_DRAW_SAMPLES); // ... drawing with it is not
        EXPECT_EQ(messages, QStringList(kMsgSampleSizeTooSmall));
    }
    EXPECT_EQ(g_samplesDrawn, 0);
}

TEST_F(SamplingDistWindow, HiddenByItsCloseBoxItKeepsItsFieldsCurrent) {
    dorvane->OnCloseBox();
    EXPECT_FALSE(dorvane->isVisible());
    EXPECT_EQ(g_samplingDistWndVisible, 0);
    Type(IDC_SD_SAMPLE_SIZE, "9");
    Type(IDC_SD_NUM_SAMPLES, "50");
    dorvane->OnDrawSamples();
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "50");
    dorvane->show();
    QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 440));
    EXPECT_EQ(g_activeWindowTag, "CLT");
}
