// What a teacher in front of a class asks: a window's picture on the
// clipboard, the colour-blind safe pair instead of red and green, numbers
// whole and apart whatever the mean and SD, a DRAW SAMPLES readable behind a
// message, and controls and pictures that say what they are.
#include "tests/shell/ShellTestSupport.h"

#include "ui/DrawnTexts.h"
#include "ui/MessageBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStyle>

namespace {

const QRgb kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 100);
const QRgb kSafeOrange = Rgb(230, 159, 0), kSafeSkyBlue = Rgb(86, 180, 233);

class Classroom : public ShellTest {
  protected:
    // 1000 samples of 25 drawn at F from the Confidence Intervals window, and
    // the Dorvane window's slider dragged to the middle of the columns.
    void Draw() {
        ApplyPreset(PresetShape::SkewedPlus);
        Press(Ci()->Control(IDC_CI_SPEED_F));
        TypeInto(Field(Ci(), IDC_CI_SAMPLE_SIZE), "25");
        TypeInto(Field(Ci(), IDC_CI_NUM_SAMPLES), "1000");
        Press(Ci()->Control(IDC_CI_DRAW_SAMPLES));
        ASSERT_EQ(g_samplesDrawn, 1000);
        int first = 0, last = 0;
        for (int slot = 1; slot <= kSdColumnSlots; ++slot)
            if (!g_sdColumnRect[slot].IsEmpty() && g_sdColumnRect[slot].top < g_sdAxisY - 1)
                last = slot, first = first ? first : slot;
        ASSERT_GT(last, first);
        const int x = (g_sdColumnRect[first].left + g_sdColumnRect[last].right) / 2;
        const QPoint grip = Centre(g_leftSliderRect);
        QTest::mousePress(Sd(), Qt::LeftButton, Qt::NoModifier, grip);
        SendMove(Sd(), QPoint(x, grip.y()), Qt::LeftButton);
        QTest::mouseRelease(Sd(), Qt::LeftButton, Qt::NoModifier, QPoint(x, grip.y()));
    }
    // A point on the axis's bottom row of a column of the given colour.
    static QPoint ColumnOfColour(QRgb colour) {
        for (int slot = 1; slot <= kSdColumnSlots; ++slot) {
            const Rect& r = g_sdColumnRect[slot];
            const QPoint at((r.left + r.right) / 2, g_sdAxisY - 1);
            if (!r.IsEmpty() && r.top < g_sdAxisY - 1 &&
                PixelOf(g_sdMemDC, at.x(), at.y()) == colour)
                return at;
        }
        return QPoint(-1, -1);
    }
    static QImage ClipboardImage() { return QGuiApplication::clipboard()->image(); }
};

TEST_F(Classroom, CopyPictureAndCtrlCCopyTheWindowUsedLastUnlessTheStudentSelectedText) {
    QApplication::setActiveWindow(&Frame());
    QApplication::processEvents();
    Draw();
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST)); // used last
    ASSERT_TRUE(Choose(ID_EDIT_COPY_PICTURE));
    // The plot at the window's resolution, as its surface shows it.
    const QImage picture = ClipboardImage();
    EXPECT_EQ(picture.size(), QSize(624, 446) * Sd()->devicePixelRatioF());
    EXPECT_EQ(PixelOf(picture, g_histRect.left, g_histRect.top + 20), Rgb(0, 0, 0));
    const QPoint counted = ColumnOfColour(kRed);
    ASSERT_NE(counted.x(), -1);
    EXPECT_EQ(PixelOf(picture, counted.x(), counted.y()), kRed);
    int differ = 0;
    for (int y = g_histRect.top; y < g_histRect.bottom; ++y)
        for (int x = g_histRect.left; x < g_histRect.right; ++x)
            differ += PixelOf(picture, x, y) != PixelOf(g_sdMemDC, x, y);
    EXPECT_EQ(differ, 0);

    // Ctrl+C in a raised window (its first control focused, its text
    // selected for typing over) copies the window, says so, without the ring.
    const std::pair<CToolWindow*, const char*> steps[] = {
        {Ci(), "Copied the Confidence Intervals picture, 509 \u00d7 540"},
        {Sd(), "Copied the Dorvane picture, 624 \u00d7 446"}};
    for (const auto& [window, said] : steps) {
        SCOPED_TRACE(said);
        QTest::keyClick(&Frame(), Qt::Key_Shift); // a keyboard user: the ring shows
        ASSERT_TRUE(Choose(window == Sd() ? ID_WINDOW_SAMPLING_DIST : ID_WINDOW_CONF_INTERVALS));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_EQ(focus->parentWidget(), window);
        auto* field = qobject_cast<QLineEdit*>(focus); // selected for typing over
        EXPECT_TRUE(!field || field->selectedText() == field->text());
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
        const QImage copied = ClipboardImage();
        EXPECT_EQ(copied.size(), window->size());
        EXPECT_EQ(Frame().MessagePane()->text(), QString::fromUtf8(said));
        const QRect r = focus->geometry();
        for (const QPoint& ring :
             {QPoint(r.left() - 2, r.center().y()), QPoint(r.center().x(), r.top() - 2)})
            EXPECT_NE(PixelOf(copied, ring.x(), ring.y()), Rgb(20, 20, 20));
        EXPECT_NE(ShownFocusRing(), nullptr); // still there on the screen
    }
    // Text the student selects is copied as text, and only that; a field with
    // no selection leaves the key to the picture.
    ASSERT_TRUE(Choose(ID_WINDOW_CONF_INTERVALS));
    QGuiApplication::clipboard()->clear();
    QLineEdit* field = Field(Ci(), IDC_CI_CONF_LEVEL);
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), field->text());
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardImage().size(), Ci()->size());

    // A hidden window is never copied.
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    EXPECT_TRUE(!Frame().PictureWindow() || Frame().PictureWindow()->IsToolVisible());
}

TEST_F(Classroom, ColourBlindSafeColoursSwapEveryRedAndGreenAndBack) {
    Draw();
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLES));
    const QPoint counted = ColumnOfColour(kRed), column = ColumnOfColour(kGreen);
    ASSERT_NE(counted.x(), -1);
    ASSERT_NE(column.x(), -1);
    // The left end of the first interval on the page that misses the mean,
    // found by a recount of its sample.
    QPoint missed(-1, -1);
    for (int row = g_ciFirstSample; row <= LastRowOnPage() && missed.x() < 0; ++row)
        if (!recount::Covers(row, 25, 1.959964, true))
            missed = QPoint(LineOfRow(IntervalOf(25, row), row).xLow, RowY(row));
    ASSERT_NE(missed.x(), -1);
    // Pure red and green, give or take a blended edge; not DRAW SAMPLES' orange.
    auto redAndGreen = [](QWidget* window) {
        const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        bool red = false, green = false;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb c = picture.pixel(x, y);
                red = red || (qRed(c) >= 200 && qGreen(c) <= 40 && qBlue(c) <= 60);
                green = green || (qGreen(c) >= 200 && qRed(c) <= 60 && qBlue(c) <= 140);
            }
        return std::pair{red, green};
    };
    // Off, the Population window (median between quartiles), the Samples
    // window (bars and spread) and the Dorvane window each hold both; on, none.
    for (const bool safe : {false, true, false}) {
        SCOPED_TRACE(safe);
        if (safe || ItemWhenOpened(ID_OPTIONS_COLOUR_BLIND)->isChecked()) {
            ASSERT_TRUE(Choose(ID_OPTIONS_COLOUR_BLIND));
        }
        EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_COLOUR_BLIND)->isChecked(), safe);
        EXPECT_EQ(PixelOf(g_sdMemDC, counted.x(), counted.y()), safe ? kSafeOrange : kRed);
        EXPECT_EQ(PixelOf(g_sdMemDC, column.x(), column.y()), safe ? kSafeSkyBlue : kGreen);
        EXPECT_EQ(PixelOf(g_ciMemDC, missed.x(), missed.y()), safe ? kSafeOrange : kRed);
        for (QWidget* w :
             {static_cast<QWidget*>(g_populationWnd), static_cast<QWidget*>(g_samplesWnd),
              static_cast<QWidget*>(Sd()), static_cast<QWidget*>(Ci())}) {
            const auto [red, green] = redAndGreen(w);
            if (w != Ci()) {
                EXPECT_EQ(red && green, !safe) << w->metaObject()->className();
            }
            if (safe) {
                EXPECT_FALSE(red || green) << w->metaObject()->className();
            }
        }
        SaveSnapshot(Frame().grab().toImage(),
                     safe ? "classroom-colour-blind-safe" : "classroom-program-colours");
    }
}

// Every text drawn lies whole on its window, clear of the scroll bars, and no
// two texts on one row overlap; every readout and field shows its whole text.
void ExpectWholeAndApart(const std::vector<QWidget*>& windows, const std::string& what) {
    const std::vector<DrawnText>& drawn = DrawnTexts();
    const std::pair<const QImage*, QWidget*> surfaces[] = {{&g_popMemDC, g_populationWnd},
                                                           {&g_sdMemDC, g_samplingDistWnd},
                                                           {&g_samplesMemDC, g_samplesWnd},
                                                           {&g_ciMemDC, g_confIntervalWnd}};
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const DrawnText& t = drawn[i];
        const std::string text = what + ": \"" + t.text.toStdString() + "\"";
        for (const auto& [surface, window] : surfaces) {
            if (t.device != surface) continue;
            EXPECT_TRUE(window->rect().contains(t.rect)) << text << " leaves the window";
            for (QScrollBar* bar : window->findChildren<QScrollBar*>())
                EXPECT_FALSE(bar->isVisible() && bar->geometry().intersects(t.rect))
                    << text << " lies under a scroll bar";
        }
        for (std::size_t j = i + 1; j < drawn.size(); ++j) {
            const DrawnText& u = drawn[j];
            if (u.device != t.device || u.rect.top() != t.rect.top()) continue;
            if (u.rect == t.rect && u.text == t.text) continue; // drawn again
            EXPECT_FALSE(u.rect.intersects(t.rect))
                << text << " runs into " << u.text.toStdString();
        }
    }
    for (QWidget* window : windows) {
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->isVisible() && !label->text().contains(QLatin1Char('\n'))) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                          label->contentsRect().width())
                    << what << ": readout \"" << label->text().toStdString() << "\" is cut";
            }
        for (QLineEdit* field : window->findChildren<QLineEdit*>())
            if (field->isVisible()) {
                EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()),
                          field->width() -
                              2 * field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4)
                    << what << ": field \"" << field->text().toStdString() << "\" is cut";
            }
    }
}

TEST_F(Classroom, AnyMeanAndSdShowsWholeNumbersApartInEveryWindow) {
    const std::pair<const char*, const char*> cases[] = {
        {"250000", "40000"},     {"50000", "8000"},  {"10000", "1500"},
        {"2000", "300"},         {"0", "100"},       {"0", "1"},
        {"-1000000", "1000000"}, {"1000000", "0.5"}, {"-1000000", "0.5"}};
    ApplyPreset(PresetShape::SkewedPlus);
    Press(Ci()->Control(IDC_CI_SPEED_F));
    TypeInto(Field(Ci(), IDC_CI_SAMPLE_SIZE), "25");
    TypeInto(Field(Ci(), IDC_CI_NUM_SAMPLES), "200");
    const std::vector<QWidget*> windows = {g_populationWnd, g_samplesWnd, Sd(), Ci(),
                                           g_popSettingsWnd};
    for (const auto& [mean, sd] : cases) {
        const std::string what = std::string(mean) + " / " + sd;
        g_popSettingsWnd->MeanField()->setText(QString::fromLatin1(mean));
        g_popSettingsWnd->SdField()->setText(QString::fromLatin1(sd));
        QTest::keyClick(g_popSettingsWnd, Qt::Key_Return);
        ASSERT_TRUE(messages.isEmpty()) << what << ": " << messages.join(' ').toStdString();
        Press(Ci()->Control(IDC_CI_DRAW_SAMPLES));
        ASSERT_GT(g_samplesDrawn, 0) << what;
        SelectSampleNo(1);
        // The Dorvane window on each of its axes, the Samples window in both views.
        for (int axis : {ID_OPTIONS_OBSERVED, ID_OPTIONS_Z_VALUES, ID_OPTIONS_T_VALUES}) {
            ASSERT_TRUE(Choose(axis));
            if (axis != ID_OPTIONS_Z_VALUES) Press(g_samplesWnd->Control(IDC_SAMPLES_VIEW_TOGGLE));
            RecordDrawnTexts(true);
            g_populationWnd->RedrawCurve();
            g_samplesWnd->RedrawSamplesWindow();
            Sd()->BringUpToDate();
            Ci()->RedrawConfIntervalWindow();
            ExpectWholeAndApart(windows, what);
            RecordDrawnTexts(false);
        }
        for (QWidget* w : windows)
            SaveSnapshot(w->grab().toImage(), QStringLiteral("numbers-%1-%2-").arg(mean, sd) +
                                                  w->metaObject()->className());
    }
}

TEST_F(Classroom, ControlsAndPicturesSayWhatTheyAreAndDrawSamplesStaysReadable) {
    // The population is empty: each DRAW SAMPLES says so, and behind the
    // message the button still reads as itself, orange-red, not grey.
    for (QWidget* button : {Ci()->Control(IDC_CI_DRAW_SAMPLES), Sd()->Control(IDC_SD_DRAW_SAMPLES),
                            g_samplesWnd->Control(IDC_SAMPLES_DRAW_SAMPLES)}) {
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

    // A control that takes the focus takes it by Tab and has a name and a
    // tooltip; a readout has a name even while empty; nothing else takes the
    // focus; each window has its pictures' words.
    ApplyPreset(PresetShape::Normal);
    EXPECT_EQ(Sd()->ColumnsSpot()->accessibleDescription().toStdString(),
              "Histogram of sample means: no samples drawn yet");
    ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
    const std::pair<CToolWindow*, int> rows[] = {
        {g_populationWnd, 2}, {g_popSettingsWnd, 0}, {Sd(), 2}, {g_samplesWnd, 1}, {Ci(), 1},
        {g_binomialWnd, 1}};
    for (const auto& [window, pictures] : rows) {
        int controls = 0, described = 0;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            SCOPED_TRACE(std::string(window->Tag()) + ": " + w->metaObject()->className() + " " +
                         w->accessibleName().toStdString());
            const bool spot = qobject_cast<CFocusSpot*>(w) != nullptr;
            auto* label = qobject_cast<QLabel*>(w);
            if (spot || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                qobject_cast<QAbstractSlider*>(w)) {
                ++controls;
                EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus);
                EXPECT_FALSE(w->accessibleName().isEmpty());
                EXPECT_FALSE(w->toolTip().isEmpty());
                described += spot && !w->accessibleDescription().isEmpty();
            } else if (label && label->property("controlId").isValid()) {
                EXPECT_FALSE(label->text().isEmpty() && label->accessibleName().isEmpty());
            } else {
                EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
            }
        }
        EXPECT_GT(controls, 0) << window->Tag();
        EXPECT_GE(described, pictures) << window->Tag();
    }

    // The words follow the pictures, and a readout's name carries its number.
    ASSERT_TRUE(Choose(ID_MEASUREMENT_CONTINUOUS));
    ApplyPreset(PresetShape::Normal);
    EXPECT_EQ(g_populationWnd->NameBoxSpot()->accessibleDescription(),
              QString::asprintf("Continuous population: mean 5.00, SD %.3f, median 5.00, "
                                "quartiles %.2f and %.2f",
                                g_popSD, g_popQ1, g_popQ3));
    DrawAtF(16, 1000);
    const QString words = Sd()->ColumnsSpot()->accessibleDescription();
    EXPECT_TRUE(words.startsWith(QStringLiteral("Histogram of 1,000 sample means: mean ") +
                                 Readout(Sd(), IDC_SD_MEAN_OF_MEANS) + QStringLiteral(", SD ") +
                                 Readout(Sd(), IDC_SD_SD_OF_MEANS)))
        << words.toStdString();
    EXPECT_TRUE(g_samplesWnd->PictureSpot()->accessibleDescription().startsWith(
        QStringLiteral("Sample 1,000 of 1,000 as a histogram of its 16 values: mean ")));
    int in = 0;
    for (int s = 1; s <= 1000; ++s)
        in += recount::Covers(s, 16, 1.959964, true);
    EXPECT_TRUE(Ci()->GraphSpot()->accessibleDescription().startsWith(
        QStringLiteral("Graph of 95% confidence intervals of 1,000 samples, 841 "
                       "to 1,000 shown: "
                       "%1 contain the population mean 5.00 and %2 miss it.")
            .arg(in)
            .arg(1000 - in)))
        << Ci()->GraphSpot()->accessibleDescription().toStdString();
}

} // namespace
