// What a teacher in front of a class asks of the main frame: a window's
// picture on the clipboard (from the Edit menu, and from Ctrl+C unless a text
// field holds text the student selected), the whole screen and back, the colour-blind safe pair
// instead of red and green and back, and a frame that stays on the screen
// with a workspace that scrolls to windows that do not fit and lays them out
// for the screen; a message leaves DRAW SAMPLES readable.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/Selection.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "ui/DrawingResources.h"
#include "ui/DrawnTexts.h"
#include "ui/FocusRing.h"
#include "ui/MessageBox.h"
#include "ui/ToolWindow.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/StripGeometry.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/samples/SamplesDlg.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <string>
#include <vector>

namespace {

const QRgb kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 100), kBlue = Rgb(0, 0, 255);
const QRgb kSafeOrange = Rgb(230, 159, 0), kSafeSkyBlue = Rgb(86, 180, 233);

class Classroom : public ShellTest {
  protected:
    static CConfIntervalDlg* Ci() { return g_confIntervalWnd; }
    static void Press(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    }
    // A series of 1000 samples of 25 drawn at speed F from the Confidence
    // Intervals window, and the Dorvane window's slider dragged to the middle
    // of the columns, so those on its left are counted.
    void Draw() {
        ApplyPreset(PresetShape::SkewedPlus);
        Press(Ci()->Control(IDC_CI_SPEED_F));
        TypeInto(qobject_cast<QLineEdit*>(Ci()->Control(IDC_CI_SAMPLE_SIZE)), "25");
        TypeInto(qobject_cast<QLineEdit*>(Ci()->Control(IDC_CI_NUM_SAMPLES)), "1000");
        Press(Ci()->Control(IDC_CI_DRAW_SAMPLES));
        ASSERT_EQ(g_samplesDrawn, 1000);
        int first = 0, last = 0;
        for (int slot = 1; slot <= kSdColumnSlots; ++slot)
            if (!g_sdColumnRect[slot].IsEmpty() && g_sdColumnRect[slot].top < g_sdAxisY - 1)
                last = slot, first = first ? first : slot;
        ASSERT_GT(last, first);
        const int x = (g_sdColumnRect[first].left + g_sdColumnRect[last].right) / 2;
        CSamplingDistDlg* dorvane = g_samplingDistWnd;
        const QPoint grip = Centre(g_leftSliderRect);
        QTest::mousePress(dorvane, Qt::LeftButton, Qt::NoModifier, grip);
        SendMove(dorvane, QPoint(x, grip.y()), Qt::LeftButton);
        QTest::mouseRelease(dorvane, Qt::LeftButton, Qt::NoModifier, QPoint(x, grip.y()));
    }
    // A point on the axis's bottom row of a column whose colour is the given
    // one, or (-1, -1).
    static QPoint ColumnOfColour(QRgb colour) {
        for (int slot = 1; slot <= kSdColumnSlots; ++slot) {
            const Rect& r = g_sdColumnRect[slot];
            if (r.IsEmpty() || r.top >= g_sdAxisY - 1) continue;
            const QPoint at((r.left + r.right) / 2, g_sdAxisY - 1);
            if (PixelOf(g_sdMemDC, at.x(), at.y()) == colour) return at;
        }
        return QPoint(-1, -1);
    }
    // The left end of the first interval on the page that misses the mean.
    static QPoint MissedInterval() {
        for (int row = g_ciFirstSample; row <= LastRowOnPage(); ++row) {
            const Interval interval = IntervalOf(25, row);
            if (interval.contains) continue;
            const RowLine line = LineOfRow(interval, row);
            if (line.drawLine) return QPoint(line.xLow, line.y);
        }
        return QPoint(-1, -1);
    }
    static QImage ClipboardImage() { return QGuiApplication::clipboard()->image(); }
};

TEST_F(Classroom, CopyPictureCopiesTheWindowUsedLastAtItsResolution) {
    Draw();
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST)); // used last
    ASSERT_TRUE(Choose(ID_EDIT_COPY_PICTURE));
    const QImage picture = ClipboardImage();
    const qreal ratio = g_samplingDistWnd->devicePixelRatioF();
    EXPECT_EQ(picture.size(), QSize(624, 446) * ratio);
    // The plot as the window shows it: its frame black, its columns and
    // counted columns as on the window's surface.
    EXPECT_EQ(PixelOf(picture, g_histRect.left, g_histRect.top + 20), Rgb(0, 0, 0));
    const QPoint counted = ColumnOfColour(kRed);
    ASSERT_NE(counted.x(), -1);
    EXPECT_EQ(PixelOf(picture, counted.x(), counted.y()), kRed);
    int differ = 0;
    for (int y = g_histRect.top; y < g_histRect.bottom; ++y)
        for (int x = g_histRect.left; x < g_histRect.right; ++x)
            differ += PixelOf(picture, x, y) != PixelOf(g_sdMemDC, x, y);
    EXPECT_EQ(differ, 0);

    // A hidden window is never copied.
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    const CToolWindow* shown = Frame().PictureWindow();
    EXPECT_NE(shown, g_samplingDistWnd);
    EXPECT_TRUE(!shown || shown->IsToolVisible());
}

TEST_F(Classroom, CtrlCCopiesTheActiveWindowsPictureUnlessTheStudentSelectedText) {
    QApplication::setActiveWindow(&Frame());
    QApplication::processEvents();
    // Raising a window focuses one of its controls (the Confidence Intervals
    // window's Sample Size field, its text selected for typing over): Ctrl+C
    // copies that window's picture, says so, and leaves the ring out.
    struct Step {
        int command;
        CToolWindow* (*window)();
        const char* said;
    };
    const Step steps[] = {
        {ID_WINDOW_SAMPLING_DIST, []() -> CToolWindow* { return g_samplingDistWnd; },
         "Copied the Dorvane picture, 624 \u00d7 446"},
        {ID_WINDOW_CONF_INTERVALS, []() -> CToolWindow* { return g_confIntervalWnd; },
         "Copied the Confidence Intervals picture, 509 \u00d7 540"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.said);
        QTest::keyClick(&Frame(), Qt::Key_Shift); // a keyboard user: the ring shows
        ASSERT_TRUE(Choose(step.command));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        ASSERT_EQ(focus->parentWidget(), step.window());
        ASSERT_NE(ShownFocusRing(), nullptr);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
        const QImage picture = ClipboardImage();
        EXPECT_EQ(picture.size(), step.window()->size());
        EXPECT_EQ(Frame().MessagePane()->text(), QString::fromUtf8(step.said));
        const QRect r = focus->geometry();
        for (const QPoint& ring :
             {QPoint(r.left() - 2, r.center().y()), QPoint(r.center().x(), r.top() - 2)})
            EXPECT_NE(PixelOf(picture, ring.x(), ring.y()), Rgb(20, 20, 20));
        EXPECT_NE(ShownFocusRing(), nullptr); // still there on the screen
    }
    auto* size = qobject_cast<QLineEdit*>(Ci()->Control(IDC_CI_SAMPLE_SIZE));
    ASSERT_EQ(QApplication::focusWidget(), size);
    EXPECT_EQ(size->selectedText(), size->text());

    // Text the student selects is copied as text, and only that.
    QGuiApplication::clipboard()->clear();
    auto* field = qobject_cast<QLineEdit*>(Ci()->Control(IDC_CI_CONF_LEVEL));
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), field->text());
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());
    // A field with no selection leaves the key to the picture.
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardImage().size(), Ci()->size());
}

TEST_F(Classroom, DrawSamplesKeepsItsFaceBehindAMessage) {
    // The population is empty: each DRAW SAMPLES says so, and behind the
    // message the button still reads as itself, orange-red, not grey.
    const std::vector<QWidget*> buttons = {Ci()->Control(IDC_CI_DRAW_SAMPLES),
                                           g_samplingDistWnd->Control(IDC_SD_DRAW_SAMPLES),
                                           g_samplesWnd->Control(IDC_SAMPLES_DRAW_SAMPLES)};
    for (QWidget* button : buttons) {
        int orange = -1;
        SetMessageHandler([&](QWidget*, const QString& text) {
            messages << text;
            const QImage face = button->grab().toImage();
            orange = 0;
            for (int y = 0; y < face.height(); ++y)
                for (int x = 0; x < face.width(); ++x)
                    orange += PixelOf(face, x, y) == Rgb(255, 75, 0);
        });
        messages.clear();
        Press(button);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains("empty")) << messages[0].toStdString();
        EXPECT_GT(orange, button->width() * button->height() / 3);
    }
}

TEST_F(Classroom, ColourBlindSafeColoursSwapThePairsAndBack) {
    Draw();
    const QPoint counted = ColumnOfColour(kRed), column = ColumnOfColour(kGreen);
    const QPoint missed = MissedInterval();
    ASSERT_NE(counted.x(), -1);
    ASSERT_NE(column.x(), -1);
    ASSERT_NE(missed.x(), -1);
    EXPECT_FALSE(ItemWhenOpened(ID_OPTIONS_COLOUR_BLIND)->isChecked());

    struct Look {
        QRgb counted, column, missed;
        bool checked;
    };
    const Look looks[] = {{kSafeOrange, kSafeSkyBlue, kSafeOrange, true},
                          {kRed, kGreen, kRed, false}};
    for (const Look& look : looks) {
        ASSERT_TRUE(Choose(ID_OPTIONS_COLOUR_BLIND));
        EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_COLOUR_BLIND)->isChecked(), look.checked);
        EXPECT_EQ(PixelOf(g_sdMemDC, counted.x(), counted.y()), look.counted);
        EXPECT_EQ(PixelOf(g_sdMemDC, column.x(), column.y()), look.column);
        EXPECT_EQ(PixelOf(g_ciMemDC, missed.x(), missed.y()), look.missed);
        SaveSnapshot(Frame().grab().toImage(),
                     look.checked ? "classroom-colour-blind-safe" : "classroom-program-colours");
    }

    // The possible-mu fill takes the pair too.
    QTest::mouseClick(Ci(), Qt::LeftButton, Qt::NoModifier, QPoint(250, RowY(900)));
    ASSERT_EQ(g_sampleSelected, 1);
    ASSERT_TRUE(Choose(ID_OPTIONS_POSSIBLE_MU));
    const QPoint fill(StripX(g_ciPopMean) + 1, g_ciStripRect.top + 75);
    const QRgb programFill = PixelOf(g_ciMemDC, fill.x(), fill.y());
    ASSERT_TRUE(programFill == kBlue || programFill == kRed);
    ASSERT_TRUE(Choose(ID_OPTIONS_COLOUR_BLIND));
    EXPECT_EQ(PixelOf(g_ciMemDC, fill.x(), fill.y()),
              programFill == kBlue ? kSafeSkyBlue : kSafeOrange);
}

// Every text drawn since the record started lies whole on its surface, and no
// two texts on one row overlap: a number cut at an edge or two labels run
// into one fail here. Every readout and field shows its whole text.
void ExpectWholeAndApart(const std::vector<QWidget*>& windows, const std::string& what) {
    const std::vector<DrawnText>& drawn = DrawnTexts();
    // Each surface is as large as the screen; its window shows the top left.
    const std::pair<const QImage*, QWidget*> surfaces[] = {{&g_popMemDC, g_populationWnd},
                                                           {&g_sdMemDC, g_samplingDistWnd},
                                                           {&g_samplesMemDC, g_samplesWnd},
                                                           {&g_ciMemDC, g_confIntervalWnd}};
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const DrawnText& t = drawn[i];
        for (const auto& [surface, window] : surfaces) {
            if (t.device != surface) continue;
            EXPECT_TRUE(window->rect().contains(t.rect))
                << what << ": \"" << t.text.toStdString() << "\" leaves the window at "
                << t.rect.x() << ", " << t.rect.y();
            for (QScrollBar* bar : window->findChildren<QScrollBar*>())
                EXPECT_FALSE(bar->isVisible() && bar->geometry().intersects(t.rect))
                    << what << ": \"" << t.text.toStdString() << "\" lies under a scroll bar";
        }
        for (std::size_t j = i + 1; j < drawn.size(); ++j) {
            const DrawnText& u = drawn[j];
            if (u.device != t.device || u.rect.top() != t.rect.top()) continue;
            if (u.rect == t.rect && u.text == t.text) continue; // drawn again
            EXPECT_FALSE(u.rect.intersects(t.rect))
                << what << ": \"" << t.text.toStdString() << "\" runs into \""
                << u.text.toStdString() << "\"";
        }
    }
    for (QWidget* window : windows) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().contains(QLatin1Char('\n'))) continue;
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width())
                << what << ": readout \"" << label->text().toStdString() << "\" is cut";
        }
        for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
            if (!field->isVisible()) continue;
            const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()),
                      field->width() - 2 * frame - 4)
                << what << ": field \"" << field->text().toStdString() << "\" is cut";
        }
    }
}

TEST_F(Classroom, AnyMeanAndSdShowsWholeNumbersApartInEveryWindow) {
    struct Case {
        const char* mean;
        const char* sd;
    };
    const Case cases[] = {{"250000", "40000"},     {"50000", "8000"},  {"10000", "1500"},
                          {"2000", "300"},         {"0", "100"},       {"0", "1"},
                          {"-1000000", "1000000"}, {"1000000", "0.5"}, {"-1000000", "0.5"}};
    ApplyPreset(PresetShape::SkewedPlus);
    Press(Ci()->Control(IDC_CI_SPEED_F));
    TypeInto(qobject_cast<QLineEdit*>(Ci()->Control(IDC_CI_SAMPLE_SIZE)), "25");
    TypeInto(qobject_cast<QLineEdit*>(Ci()->Control(IDC_CI_NUM_SAMPLES)), "200");
    const std::vector<QWidget*> windows = {g_populationWnd, g_samplesWnd, g_samplingDistWnd, Ci(),
                                           g_popSettingsWnd};
    for (const Case& c : cases) {
        const std::string what = std::string(c.mean) + " / " + c.sd;
        g_popSettingsWnd->MeanField()->setText(QString::fromLatin1(c.mean));
        g_popSettingsWnd->SdField()->setText(QString::fromLatin1(c.sd));
        QTest::keyClick(g_popSettingsWnd, Qt::Key_Return);
        ASSERT_TRUE(messages.isEmpty()) << what << ": " << messages.join(' ').toStdString();
        Press(Ci()->Control(IDC_CI_DRAW_SAMPLES));
        ASSERT_GT(g_samplesDrawn, 0) << what;
        SelectSampleNo(1);
        // Every window drawn whole, the Dorvane window on each of its axes,
        // the Samples window in both its views.
        for (int axis : {ID_OPTIONS_OBSERVED, ID_OPTIONS_Z_VALUES, ID_OPTIONS_T_VALUES}) {
            ASSERT_TRUE(Choose(axis));
            if (axis != ID_OPTIONS_Z_VALUES) Press(g_samplesWnd->Control(IDC_SAMPLES_VIEW_TOGGLE));
            RecordDrawnTexts(true);
            g_populationWnd->RedrawCurve();
            g_samplesWnd->RedrawSamplesWindow();
            g_samplingDistWnd->BringUpToDate();
            Ci()->RedrawConfIntervalWindow();
            ExpectWholeAndApart(windows, what);
            RecordDrawnTexts(false);
        }
        // The last pictures drawn, the Dorvane window on its t axis.
        const QString name = QStringLiteral("numbers-%1-%2-").arg(c.mean, c.sd);
        for (QWidget* w : windows)
            SaveSnapshot(w->grab().toImage(), name + w->metaObject()->className());
    }
}

// Every window as it shows itself, with the option off and on: off, the
// Population window (median between quartiles), the Samples window (bars and
// their spread) and the Dorvane window (columns, left slider, median) each
// hold a red and a green; on, no window holds either.
TEST_F(Classroom, ColourBlindSafeColoursLeaveNoRedBesideGreen) {
    Draw();
    WindowDisplays().RedrawSamplesWindow();
    // Pure red and green, give or take a blended edge; not DRAW SAMPLES' orange.
    auto isRed = [](QRgb c) { return qRed(c) >= 200 && qGreen(c) <= 40 && qBlue(c) <= 60; };
    auto isGreen = [](QRgb c) { return qGreen(c) >= 200 && qRed(c) <= 60 && qBlue(c) <= 140; };
    struct Seen {
        const char* window;
        bool red, green;
    };
    auto look = [&] {
        std::vector<Seen> seen;
        const std::pair<const char*, QWidget*> windows[] = {{"Population", g_populationWnd},
                                                            {"Samples", g_samplesWnd},
                                                            {"Dorvane", g_samplingDistWnd},
                                                            {"Confidence Intervals", Ci()}};
        for (const auto& [name, window] : windows) {
            const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            Seen s{name, false, false};
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x) {
                    const QRgb c = picture.pixel(x, y);
                    s.red = s.red || isRed(c);
                    s.green = s.green || isGreen(c);
                }
            seen.push_back(s);
        }
        return seen;
    };
    for (const Seen& s : look()) {
        if (std::string(s.window) != "Confidence Intervals")
            EXPECT_TRUE(s.red && s.green) << s.window << " should show the program's pair";
    }
    ASSERT_TRUE(Choose(ID_OPTIONS_COLOUR_BLIND));
    for (const Seen& s : look()) {
        EXPECT_FALSE(s.red) << s.window << " keeps a red";
        EXPECT_FALSE(s.green) << s.window << " keeps a green";
    }
    SaveSnapshot(Frame().grab().toImage(), "classroom-colour-blind-safe-every-window");
}

// A screen reader hears a readout's number in its name (the bus walk of
// scripts/check-accessibility hears it change).
TEST_F(Classroom, ReadoutsTellAScreenReaderTheirNumbers) {
    Draw();
    struct Case {
        QWidget* window;
        int id;
        const char* name;
    };
    const Case cases[] = {
        {g_samplingDistWnd, IDC_SD_TOTAL_DRAWN, "Total samples drawn: 1000"},
        {Ci(), IDC_CI_TOTAL_DRAWN, "Total samples drawn: 1000"},
        {Ci(), IDC_CI_CRITICAL_VALUE, "Critical value: 1.960"},
        {g_samplingDistWnd, IDC_SD_MEAN_OF_MEANS, "Mean of the sample means: "},
        {Ci(), IDC_CI_NUM_IN, "Number of intervals that contain the population mean: "},
    };
    for (const Case& c : cases) {
        QWidget* label = c.window->findChild<QWidget*>(QStringLiteral("id%1").arg(c.id));
        ASSERT_NE(label, nullptr) << c.name;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(reader, nullptr);
        const QString heard = reader->text(QAccessible::Name);
        EXPECT_TRUE(heard.startsWith(QString::fromUtf8(c.name))) << heard.toStdString();
        // The number itself, not only what it is.
        EXPECT_TRUE(heard.contains(QRegularExpression(QStringLiteral(": \\d"))))
            << heard.toStdString();
    }
}

TEST_F(Classroom, FullScreenAndBack) {
    const QRect normal = Frame().geometry();
    EXPECT_FALSE(ItemWhenOpened(ID_WINDOW_FULL_SCREEN)->isChecked());
    EXPECT_EQ(ItemWhenOpened(ID_WINDOW_FULL_SCREEN)->shortcut(), QKeySequence(Qt::Key_F11));
    ASSERT_TRUE(Choose(ID_WINDOW_FULL_SCREEN));
    EXPECT_TRUE(Frame().isFullScreen());
    EXPECT_TRUE(ItemWhenOpened(ID_WINDOW_FULL_SCREEN)->isChecked());
    ASSERT_TRUE(Choose(ID_WINDOW_FULL_SCREEN));
    EXPECT_FALSE(Frame().isFullScreen());
    EXPECT_FALSE(ItemWhenOpened(ID_WINDOW_FULL_SCREEN)->isChecked());
    EXPECT_EQ(Frame().geometry(), normal);
}

TEST_F(Classroom, TheFrameFitsTheScreenAndTheWorkspaceScrolls) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(Frame().frameGeometry())) << Frame().frameGeometry().width();
    // The Dorvane window reaches past the workspace's right edge on this
    // screen; the workspace scrolls to it, and scrolling moves no window in
    // the student's sense: the window used last stays the same.
    QScrollBar* bar = Frame().MdiArea()->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    g_activeWindowTag = "POP";
    const QRect before = g_samplingDistWnd->ToolGeometry();
    bar->setValue(bar->maximum());
    EXPECT_EQ(g_samplingDistWnd->ToolGeometry().x(), before.x() - bar->maximum());
    EXPECT_EQ(g_activeWindowTag, "POP");
    EXPECT_LE(g_samplingDistWnd->ToolGeometry().right(),
              Frame().MdiArea()->viewport()->width() + 1);

    // Laid out for this screen, every window that fits shows whole.
    bar->setValue(0);
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    ASSERT_TRUE(Choose(ID_WINDOW_ARRANGE));
    ExpectArrangedForTheView();
    SaveSnapshot(Frame().grab().toImage(), "classroom-arranged");
}

} // namespace
