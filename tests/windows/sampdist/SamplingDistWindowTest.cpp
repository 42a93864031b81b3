// The Dorvane window driven as a student drives it: its start, DRAW SAMPLES
// at two speeds, the fields with their limits and messages, the series mode
// and the refusals of the DRAW SAMPLES entry.
#include "tests/windows/sampdist/SampDistTestSupport.h"

#include "core/Messages.h"
#include "core/SamplingEngine.h"
#include "shell/DialogTemplate.h"
#include "shell/DrawSamplesButton.h"

#include <QEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using SamplingDistWindow = SampDistTest;

TEST_F(SamplingDistWindow, StartsWithBothFieldsOneAndTheScrollBarHidden) {
    EXPECT_EQ(Text(IDC_SD_SAMPLE_SIZE), "1");
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "1");
    // n = 1: the standard error is the population SD.
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD));
    EXPECT_EQ(Text(IDC_SD_SERIES_MODE), "NEW\nSERIES");
    EXPECT_EQ(g_binWidthMedium, 1);
    EXPECT_FALSE(dorvane->Control(IDC_SD_AXIS_SCROLL)->isVisible());
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(dorvane->size(), QSize(624, 446));
    EXPECT_FLOAT_EQ(g_sdScaleX, 1.0f);
    EXPECT_FLOAT_EQ(g_sdScaleY, 1.0f);
    // The speed "4" stands pressed; the histogram is white and empty.
    EXPECT_TRUE(qobject_cast<QPushButton*>(dorvane->Control(IDC_SD_SPEED_4))->isChecked());
    EXPECT_EQ(SdPixel(g_sdAxisLeft + 20, g_sdAxisY - 5), kPlotWhite);
    SaveSnapshot(dorvane->grab().toImage(), "sd-start");
}

TEST_F(SamplingDistWindow, SpeedFAndSpeed4LeaveTheSameHistogram) {
    struct Outcome {
        std::vector<int> histogram;
        std::array<QString, 5> fields;
    };
    auto run = [&](int speedButton) {
        g_seedCarry = 0; // the same clock and carry give the same stream
        ChooseSpeed(speedButton);
        Draw(25, 400);
        Outcome out{std::vector<int>(g_meanHistogram, g_meanHistogram + kHistogramBins + 1),
                    {Text(IDC_SD_TOTAL_DRAWN), Text(IDC_SD_MEAN_OF_MEANS), Text(IDC_SD_SD_OF_MEANS),
                     Text(IDC_SD_MEAN_OF_SDS), Text(IDC_SD_SD_OF_SDS)}};
        return out;
    };
    const Outcome fast = run(IDC_SD_SPEED_F);
    EXPECT_EQ(g_speed, 1);
    const QImage fastPicture = g_sdMemDC.copy(ToQRect(g_histRect));
    const Outcome animated = run(IDC_SD_SPEED_4);
    EXPECT_EQ(g_speed, 2);
    EXPECT_EQ(fast.histogram, animated.histogram);
    EXPECT_EQ(fast.fields, animated.fields);
    EXPECT_EQ(fastPicture, g_sdMemDC.copy(ToQRect(g_histRect)));
    EXPECT_EQ(g_samplesDrawn, 400);
    EXPECT_EQ(g_drawFinished, 1);
    EXPECT_EQ(g_runInProgress, 0);

    // The fields say what the core computed.
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "400");
    EXPECT_EQ(Text(IDC_SD_MEAN_OF_MEANS), QString::asprintf("%.2f", ShownValue(g_meanOfMeans)));
    EXPECT_EQ(Text(IDC_SD_SD_OF_MEANS), QString::asprintf("%.3f", g_dispScale * g_sdOfMeans));
    EXPECT_EQ(Text(IDC_SD_MEAN_OF_SDS), QString::asprintf("%.3f", g_dispScale * g_meanOfSDs));
    EXPECT_EQ(Text(IDC_SD_SD_OF_SDS), QString::asprintf("%.3f", g_dispScale * g_sdOfSDs));
    // The standard error of the mean of 25 values, and the spread of the means near it.
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / 5.0));
    EXPECT_NEAR(g_sdOfMeans, g_popSD / 5.0, 0.15 * g_popSD / 5.0);
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "400");
    SaveSnapshot(dorvane->grab().toImage(), "sd-after-400-of-25");
}

namespace {
// Notes, whenever a watched widget paints in the middle of a run, whether the
// DRAW SAMPLES button had its pressed look then.
class RunWatcher : public QObject {
  public:
    explicit RunWatcher(COwnerDrawButton* button) : m_button(button) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && g_runInProgress) {
            ++paintsDuringRun;
            if (!m_button->PressedLook()) ++unpressedDuringRun;
        }
        return QObject::eventFilter(watched, event);
    }
    int paintsDuringRun = 0;
    int unpressedDuringRun = 0;

  private:
    COwnerDrawButton* m_button;
};
} // namespace

TEST_F(SamplingDistWindow, DrawSamplesButtonLooksPressedOnlyWhileTheRunLasts) {
    auto* button = qobject_cast<COwnerDrawButton*>(dorvane->Control(IDC_SD_DRAW_SAMPLES));
    RunWatcher watcher(button);
    population->installEventFilter(&watcher);
    ChooseSpeed(IDC_SD_SPEED_4);
    Draw(5, 10);
    population->removeEventFilter(&watcher);
    EXPECT_EQ(g_samplesDrawn, 10);
    EXPECT_GT(watcher.paintsDuringRun, 0);
    EXPECT_EQ(watcher.unpressedDuringRun, 0);
    EXPECT_FALSE(button->PressedLook());
    const QImage face = button->grab().toImage();
    EXPECT_EQ(face.pixel(face.width() / 2, face.height() - 5) & 0xFFFFFF, Rgb(255, 75, 0));

    ShowDrawSamplesPressed(button);
    const QImage pressed = button->grab().toImage();
    EXPECT_EQ(pressed.pixel(pressed.width() / 2, pressed.height() / 2) & 0xFFFFFF,
              Rgb(210, 210, 210));
    EndDrawSamplesPressed(button);
}

TEST_F(SamplingDistWindow, FieldLimitsShowTheirMessagesAndCorrectTheField) {
    Type(IDC_SD_SAMPLE_SIZE, "2000");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], kMsgSampleSizeTooLarge);
    EXPECT_EQ(Text(IDC_SD_SAMPLE_SIZE), "1000");
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / std::sqrt(1000.0)));

    messages.clear();
    Type(IDC_SD_NUM_SAMPLES, "20000");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], kMsgTooManySamples);
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "10000");

    // Within the limits nothing is said.
    messages.clear();
    Type(IDC_SD_SAMPLE_SIZE, "25");
    Type(IDC_SD_NUM_SAMPLES, "300");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "300");
}

TEST_F(SamplingDistWindow, ANewSampleSizeEndsTheSeries) {
    ChooseSpeed(IDC_SD_SPEED_F);
    Draw(10, 200);
    ASSERT_EQ(g_samplesDrawn, 200);
    Type(IDC_SD_SAMPLE_SIZE, "11");
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(g_seriesSampleSize, 0);
    // The histogram is empty at once: nothing green above the axis.
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        ASSERT_NE(SdPixel(x, g_sdAxisY - 1), kGreen) << x;
}

TEST_F(SamplingDistWindow, SeriesModeButtonSwitchesBetweenNewSeriesAndAddMore) {
    ChooseSpeed(IDC_SD_SPEED_F);
    Draw(4, 100);
    Click(IDC_SD_SERIES_MODE);
    EXPECT_EQ(g_addMoreMode, 1);
    EXPECT_EQ(Text(IDC_SD_SERIES_MODE), "ADD\nMORE");
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(g_samplesDrawn, 200);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "200");
    Click(IDC_SD_SERIES_MODE);
    EXPECT_EQ(g_addMoreMode, 0);
    EXPECT_EQ(Text(IDC_SD_SERIES_MODE), "NEW\nSERIES");
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(g_samplesDrawn, 100);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SamplingDistWindow, AddMoreAtNineThousandAskingForTwoThousandDrawsOneThousand) {
    ChooseSpeed(IDC_SD_SPEED_F);
    Draw(1, 9000);
    ASSERT_EQ(g_samplesDrawn, 9000);
    Click(IDC_SD_SERIES_MODE); // ADD MORE: 9000 more would not fit
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "1000");
    messages.clear();
    // Another window copies 2,000 into the field (no handler runs for a copy).
    dorvane->SetNumberOfSamplesText(QStringLiteral("2000"));
    Click(IDC_SD_DRAW_SAMPLES);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], kMsgTooManySamples);
    EXPECT_EQ(g_samplesDrawn, 10000);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "10000");
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "1000");

    // A full series in ADD MORE mode takes no more.
    messages.clear();
    Type(IDC_SD_NUM_SAMPLES, "5");
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "0");
    ASSERT_EQ(messages.size(), 1);
}

TEST_F(SamplingDistWindow, EmptyPopulationAndSampleSizeZeroAreRefused) {
    ClearPopulation();
    Click(IDC_SD_DRAW_SAMPLES);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], kMsgEmptyPopulation);
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "");

    ApplyPreset(PresetShape::Normal);
    messages.clear();
    Type(IDC_SD_SAMPLE_SIZE, "0");
    EXPECT_TRUE(messages.isEmpty()); // typing 0 is allowed ...
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), "");
    Click(IDC_SD_DRAW_SAMPLES); // ... drawing with it is not
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], kMsgSampleSizeTooSmall);
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_FALSE(
        qobject_cast<COwnerDrawButton*>(dorvane->Control(IDC_SD_DRAW_SAMPLES))->PressedLook());

    messages.clear();
    Type(IDC_SD_SAMPLE_SIZE, "");
    Click(IDC_SD_DRAW_SAMPLES);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], kMsgSampleSizeTooSmall);
}

TEST_F(SamplingDistWindow, CloseBoxHidesAndClearsTheFlag) {
    dorvane->OnCloseBox();
    EXPECT_FALSE(dorvane->isVisible());
    EXPECT_EQ(g_samplingDistWndVisible, 0);
    // Hidden, it is not painted by a run but its fields stay current.
    ChooseSpeed(IDC_SD_SPEED_4);
    Type(IDC_SD_SAMPLE_SIZE, "9");
    Type(IDC_SD_NUM_SAMPLES, "50");
    dorvane->OnDrawSamples();
    EXPECT_EQ(g_samplesDrawn, 50);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "50");

    QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    g_activeWindowTag.clear();
    dorvane->show();
    g_samplingDistWndVisible = 1;
    QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 440));
    EXPECT_EQ(g_activeWindowTag, "CLT");
}
