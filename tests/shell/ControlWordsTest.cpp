// Every control of every window says what it is and what it does: one walk
// over the widget tree of each tool window. A control that takes the focus
// takes it by Tab and has an accessible name and a tooltip; a readout has a
// name even while it is empty; every picture has words that say what it
// shows, and they follow the picture.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/FocusSpot.h"
#include "ui/ToolWindow.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/samples/SamplesDlg.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <string>

namespace {

using ControlWords = ShellTest;

std::string Describe(const QWidget* w) {
    return std::string(w->metaObject()->className()) + " " + w->objectName().toStdString() + " \"" +
           w->accessibleName().toStdString() + "\"";
}

TEST_F(ControlWords, EveryControlOfEveryWindowHasANameAndATooltip) {
    ApplyPreset(PresetShape::Normal);
    struct Row {
        const char* window;
        CToolWindow* (*get)();
        int pictures; // spots that carry words for a picture
    };
    const Row rows[] = {
        {"Population", [] { return static_cast<CToolWindow*>(g_populationWnd); }, 2},
        {"Settings", [] { return static_cast<CToolWindow*>(g_popSettingsWnd); }, 0},
        {"Dorvane", [] { return static_cast<CToolWindow*>(g_samplingDistWnd); }, 2},
        {"Samples", [] { return static_cast<CToolWindow*>(g_samplesWnd); }, 1},
        {"Confidence Intervals", [] { return static_cast<CToolWindow*>(g_confIntervalWnd); }, 1},
        {"Binomial", [] { return static_cast<CToolWindow*>(g_binomialWnd); }, 1},
    };
    for (const Row& row : rows) {
        if (std::string(row.window) == "Binomial") {
            ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
        }
        CToolWindow* window = row.get();
        ASSERT_NE(window, nullptr) << row.window;
        int controls = 0, described = 0;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            SCOPED_TRACE(std::string(row.window) + ": " + Describe(w));
            const bool spot = qobject_cast<CFocusSpot*>(w) != nullptr;
            const bool control = spot || qobject_cast<QAbstractButton*>(w) ||
                                 qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSlider*>(w);
            if (control) {
                ++controls;
                EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus);
                EXPECT_FALSE(w->accessibleName().isEmpty());
                EXPECT_FALSE(w->toolTip().isEmpty());
                if (spot && w->isVisibleTo(window) && !w->accessibleDescription().isEmpty())
                    ++described;
            } else if (auto* label = qobject_cast<QLabel*>(w);
                       label && label->property("controlId").isValid()) {
                // A readout reads out what it holds; an empty one says what it is.
                EXPECT_FALSE(label->text().isEmpty() && label->accessibleName().isEmpty());
            } else {
                // Nothing else takes the focus.
                EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
            }
        }
        EXPECT_GT(controls, 0) << row.window;
        EXPECT_GE(described, row.pictures) << row.window;
    }
}

TEST_F(ControlWords, ThePicturesWordsFollowThePictures) {
    ApplyPreset(PresetShape::Normal);
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    CSamplingDistDlg* dorvane = g_samplingDistWnd;
    EXPECT_EQ(dorvane->ColumnsSpot()->accessibleDescription().toStdString(),
              "Histogram of sample means: no samples drawn yet");
    EXPECT_EQ(g_populationWnd->NameBoxSpot()->accessibleDescription(),
              QString::asprintf("Continuous population: mean 5.00, SD %.3f, median 5.00, "
                                "quartiles %.2f and %.2f",
                                g_popSD, g_popQ1, g_popQ3));
    g_speed = 1;
    TypeInto(qobject_cast<QLineEdit*>(dorvane->Control(IDC_SD_SAMPLE_SIZE)), "16");
    TypeInto(qobject_cast<QLineEdit*>(dorvane->Control(IDC_SD_NUM_SAMPLES)), "1000");
    QTest::mouseClick(dorvane->Control(IDC_SD_DRAW_SAMPLES), Qt::LeftButton);
    const QString words = dorvane->ColumnsSpot()->accessibleDescription();
    const QString mean = qobject_cast<QLabel*>(dorvane->Control(IDC_SD_MEAN_OF_MEANS))->text();
    const QString sd = qobject_cast<QLabel*>(dorvane->Control(IDC_SD_SD_OF_MEANS))->text();
    EXPECT_TRUE(words.startsWith(QStringLiteral("Histogram of 1,000 sample means: mean ") + mean +
                                 QStringLiteral(", SD ") + sd))
        << words.toStdString();
    EXPECT_TRUE(g_samplesWnd->PictureSpot()->accessibleDescription().startsWith(
        QStringLiteral("Sample 1,000 of 1,000 as a histogram of its 16 values: mean ")));
    EXPECT_TRUE(g_confIntervalWnd->GraphSpot()->accessibleDescription().startsWith(
        QStringLiteral("Graph of 95% confidence intervals of 1,000 samples, %1 to 1,000 shown: %2 "
                       "contain the population mean 5.00 and %3 miss it.")
            .arg(g_ciFirstSample)
            .arg(g_ciInCount)
            .arg(g_ciOutCount)))
        << g_confIntervalWnd->GraphSpot()->accessibleDescription().toStdString();
}

} // namespace
