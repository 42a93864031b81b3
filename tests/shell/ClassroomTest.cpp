// What a teacher in front of a class asks: a picture on the clipboard, colours
// safe for the colour-blind, numbers whole and apart, every text translated,
// and controls and pictures that say what they are.
#include "tests/shell/ShellTestSupport.h"

#include "ui/DrawnTexts.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"

#include <QClipboard>
#include <QDir>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QStyle>
#include <QXmlStreamReader>

namespace {

using Classroom = ShellTest;

// The pixels of the image that meet the test.
int Count(const QImage& image, const std::function<bool(QRgb)>& test) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
    return int(std::count_if(pixels, pixels + rgb.width() * rgb.height(), test));
}

TEST_F(Classroom, CtrlCCopiesTheWindowUsedLastWithoutTheRingUnlessTheStudentSelectedText) {
    QApplication::setActiveWindow(&Frame());
    QApplication::processEvents();
    // In a raised window (its first field's text selected) the key copies the
    // window without the ring, and says so.
    const std::pair<CToolWindow*, const char*> steps[] = {
        {Ci(), "Copied the Confidence Intervals picture, 509 \u00d7 540"},
        {Sd(), "Copied the Dorvane picture, 624 \u00d7 446"}};
    for (const auto& [window, said] : steps) {
        SCOPED_TRACE(said);
        QTest::keyClick(&Frame(), Qt::Key_Shift); // a keyboard user: the ring shows
        ASSERT_TRUE(Choose(window == Sd() ? ID_WINDOW_SAMPLING_DIST : ID_WINDOW_CONF_INTERVALS));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_EQ(focus->parentWidget(), window);
        auto* field = qobject_cast<QLineEdit*>(focus);
        EXPECT_TRUE(!field || field->selectedText() == field->text());
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
        const QImage copied = QGuiApplication::clipboard()->image();
        EXPECT_EQ(copied.size(), window->size());
        EXPECT_EQ(Frame().MessagePane()->text(), QString::fromUtf8(said));
        const QRect r = focus->geometry();
        for (const QPoint& ring :
             {QPoint(r.left() - 2, r.center().y()), QPoint(r.center().x(), r.top() - 2)})
            EXPECT_NE(PixelOf(copied, ring.x(), ring.y()), Rgb(20, 20, 20));
        EXPECT_NE(ShownFocusRing(), nullptr); // still there on the screen
    }
    // Text the student selects is copied as text; else the picture.
    ASSERT_TRUE(Choose(ID_WINDOW_CONF_INTERVALS));
    QLineEdit* field = Field(Ci(), IDC_CI_CONF_LEVEL);
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), field->text());
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), Ci()->size());
    // A hidden window is never copied.
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    EXPECT_TRUE(!Frame().PictureWindow() || Frame().PictureWindow()->IsToolVisible());
}

// Every picture drawn afresh, its texts recorded until RecordDrawnTexts(false):
// each lies whole on its window, clear of the scroll bars, and no two on one
// row overlap; every readout and field shows its whole text.
void RedrawAndExpectWholeAndApart(const std::string& what) {
    RecordDrawnTexts(true);
    g_populationWnd->RedrawCurve();
    g_samplesWnd->RedrawSamplesWindow();
    g_samplingDistWnd->BringUpToDate();
    g_confIntervalWnd->RedrawConfIntervalWindow();
    const std::vector<DrawnText>& drawn = DrawnTexts();
    const std::pair<const QImage*, QWidget*> surfaces[] = {{&g_popMemDC, g_populationWnd},
                                                           {&g_sdMemDC, g_samplingDistWnd},
                                                           {&g_samplesMemDC, g_samplesWnd},
                                                           {&g_ciMemDC, g_confIntervalWnd},
                                                           {nullptr, g_popSettingsWnd}};
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
            EXPECT_TRUE(!u.rect.intersects(t.rect) || (u.rect == t.rect && u.text == t.text))
                << text << " runs into " << u.text.toStdString();
        }
    }
    const int frame = 2 * QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
    for (const auto& [surface, window] : surfaces) {
        for (QLabel* label : window->findChildren<QLabel*>())
            EXPECT_TRUE(!label->isVisible() || label->text().contains(QLatin1Char('\n')) ||
                        label->fontMetrics().horizontalAdvance(label->text()) <=
                            label->contentsRect().width())
                << what << ": readout \"" << label->text().toStdString() << "\" is cut";
        for (QLineEdit* field : window->findChildren<QLineEdit*>())
            EXPECT_TRUE(!field->isVisible() || field->fontMetrics().horizontalAdvance(
                                                   field->text()) <= field->width() - frame)
                << what << ": field \"" << field->text().toStdString() << "\" is cut";
    }
}

TEST_F(Classroom, AnyMeanAndSdShowsWholeNumbersApartInEveryWindow) {
    const std::pair<const char*, const char*> cases[] = {
        {"250000", "40000"},     {"50000", "8000"},  {"10000", "1500"},
        {"2000", "300"},         {"0", "100"},       {"0", "1"},
        {"-1000000", "1000000"}, {"1000000", "0.5"}, {"-1000000", "0.5"}};
    ApplyPreset(PresetShape::SkewedPlus);
    TypeInto(Field(Sd(), IDC_SD_SAMPLE_SIZE), "25");
    TypeInto(Field(Sd(), IDC_SD_NUM_SAMPLES), "200");
    g_speed = 1;
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
            RedrawAndExpectWholeAndApart(what);
            RecordDrawnTexts(false);
        }
        SaveSnapshot(Frame().grab().toImage(), QStringLiteral("numbers-%1-%2").arg(mean, sd));
    }
}

// Words no German or Spanish text has: a text holding one was left in English.
bool LeftInEnglish(const QString& text) {
    static const QRegularExpression english(
        QStringLiteral("\\b(the|of|and|to|is|by|with|samples?|mean|draw|drawn|values?|"
                       "series|intervals?|number|size|level|known|sided|percent|sort|new)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return english.match(text).hasMatch();
}
// A decimal point where the language writes a comma (a point before three
// digits groups thousands).
bool DecimalPoint(const QString& text) {
    static const QRegularExpression point(QStringLiteral("\\d\\.(\\d{1,2}|\\d{4,})(?!\\d)"));
    return point.match(text).hasMatch();
}

TEST_F(Classroom, EveryTextIsTranslatedAndWholeInGermanAndSpanish) {
    ApplyPreset(PresetShape::SkewedPlus);
    DrawAtF(25, 200);
    SelectSampleNo(3); // the pictures' words then speak of it too
    const std::vector<QWidget*> windows = {g_populationWnd, g_samplesWnd, Sd(), Ci(),
                                           g_popSettingsWnd};
    auto expectTranslated = [](const QString& text) {
        EXPECT_FALSE(LeftInEnglish(text) || DecimalPoint(text)) << text.toStdString();
    };
    for (const auto& [language, code] :
         {std::pair{UiLanguage::German, "de"}, {UiLanguage::Spanish, "es"}}) {
        SCOPED_TRACE(code);
        // Every text of every area has its translation.
        const QDir folder(QStringLiteral(DORVANE_SOURCE_DIR "/translations"));
        for (const QString& name : folder.entryList({QStringLiteral("*_%1.ts").arg(code)})) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            QXmlStreamReader ts(&file);
            QString source;
            while (!ts.atEnd()) {
                if (ts.readNext() != QXmlStreamReader::StartElement) continue;
                if (ts.name() == u"source") source = ts.readElementText();
                if (ts.name() != u"translation") continue;
                EXPECT_TRUE(ts.attributes().value(QLatin1String("type")).isEmpty() && // finished
                            !ts.readElementText().isEmpty())
                    << name.toStdString() << ": " << source.toStdString();
            }
        }
        SetUiLanguage(language);
        QCoreApplication::processEvents();
        // The core fills the settings' fields with a point, as after a change.
        g_popSettingsWnd->SetFieldTexts(QStringLiteral("4.00"), QStringLiteral("2.819"));
        // The pictures, then the DRAW SAMPLES faces.
        RedrawAndExpectWholeAndApart(code);
        for (const DrawnText& t : DrawnTexts())
            expectTranslated(t.text);
        RecordDrawnTexts(true);
        for (QWidget* button :
             {Ci()->Control(IDC_CI_DRAW_SAMPLES), Sd()->Control(IDC_SD_DRAW_SAMPLES),
              g_samplesWnd->Control(IDC_SAMPLES_DRAW_SAMPLES)})
            button->grab();
        ASSERT_EQ(DrawnTexts().size(), 6u);
        for (const DrawnText& t : DrawnTexts())
            EXPECT_TRUE(QRect(0, 0, t.device->width(), t.device->height()).contains(t.rect))
                << "cut: " << t.text.toStdString();
        RecordDrawnTexts(false);
        // Every control's text, name and tip, every window's title.
        for (QWidget* window : windows) {
            expectTranslated(window->windowTitle());
            for (QWidget* w : window->findChildren<QWidget*>()) {
                // Buttons', readouts' and fields' own texts too.
                for (const QString& words :
                     {w->accessibleName(), w->toolTip(), w->accessibleDescription(),
                      w->property("text").toString()})
                    expectTranslated(words);
                if (auto* button = qobject_cast<QPushButton*>(w)) {
                    for (const QString& line : button->text().remove('&').split('\n'))
                        EXPECT_LE(button->fontMetrics().horizontalAdvance(line),
                                  button->contentsRect().width() - 2)
                            << "cut: " << line.toStdString();
                }
            }
        }
        // The menus, and a message of the core.
        for (QAction* top : Frame().menuBar()->actions()) {
            expectTranslated(top->text());
            for (QAction* item : top->menu()->actions())
                expectTranslated(item->text());
        }
        messages.clear();
        g_popSettingsWnd->MeanField()->setText(QStringLiteral("abc"));
        QTest::keyClick(g_popSettingsWnd, Qt::Key_Return);
        ASSERT_EQ(messages.size(), 1);
        expectTranslated(messages[0]);
        SaveSnapshot(Frame().grab().toImage(), QStringLiteral("language-%1").arg(code));
    }
    SetUiLanguage(UiLanguage::English);
    QCoreApplication::processEvents();
    EXPECT_EQ(g_samplesDrawn, 200); // the series outlived every change of language
}

TEST_F(Classroom, ControlsAndPicturesSayWhatTheyAreInColoursSafeForTheColourBlindOnDemand) {
    // The population empty: each DRAW SAMPLES says so, orange-red behind it.
    for (QWidget* button : {Ci()->Control(IDC_CI_DRAW_SAMPLES), Sd()->Control(IDC_SD_DRAW_SAMPLES),
                            g_samplesWnd->Control(IDC_SAMPLES_DRAW_SAMPLES)}) {
        int orange = -1;
        SetMessageHandler([&](QWidget*, const QString& text) {
            messages << text;
            orange = Count(button->grab().toImage(),
                           [](QRgb c) { return (c & 0xFFFFFF) == Rgb(255, 75, 0); });
        });
        messages.clear();
        Press(button);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains("empty")) << messages[0].toStdString();
        EXPECT_GT(orange, button->width() * button->height() / 3);
    }
    // The loop's handler would outlive its variables.
    SetMessageHandler([this](QWidget*, const QString& text) { messages << text; });
    // A control takes the focus by Tab and has a name and a tooltip; a readout
    // has a name even while empty; each window has its pictures' words.
    ApplyPreset(PresetShape::Normal);
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
    // The graph's words count the intervals as a recount of the samples does.
    ASSERT_TRUE(Choose(ID_MEASUREMENT_CONTINUOUS));
    ApplyPreset(PresetShape::Normal);
    g_leftSliderZ = 0.0f; // red and green columns either side of the slider
    RecomputeSliderValues();
    DrawAtF(16, 1000);
    int in = 0;
    for (int s = 1; s <= 1000; ++s)
        in += recount::Covers(s, 16, 1.959964, true);
    const QString words = Ci()->GraphSpot()->accessibleDescription();
    EXPECT_TRUE(
        words.contains(QStringLiteral(": %1 contain the population mean 5.00 and %2 miss it.")
                           .arg(in)
                           .arg(1000 - in)))
        << words.toStdString();

    // The colour-blind safe pair replaces every red and green, and back.
    // Pure red and green, give or take a blended edge; not DRAW SAMPLES' orange.
    const auto red = [](QRgb c) { return qRed(c) >= 200 && qGreen(c) <= 40 && qBlue(c) <= 60; };
    const auto green = [](QRgb c) { return qGreen(c) >= 200 && qRed(c) <= 60 && qBlue(c) <= 140; };
    for (const bool safe : {false, true, false}) {
        SCOPED_TRACE(safe);
        ASSERT_TRUE(ItemWhenOpened(ID_OPTIONS_COLOUR_BLIND)->isChecked() == safe ||
                    Choose(ID_OPTIONS_COLOUR_BLIND));
        EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_COLOUR_BLIND)->isChecked(), safe);
        for (CToolWindow* w :
             std::initializer_list<CToolWindow*>{g_populationWnd, g_samplesWnd, Sd(), Ci()}) {
            const QImage picture = w->grab().toImage();
            const int reds = Count(picture, red), greens = Count(picture, green);
            EXPECT_EQ(reds > 0, !safe) << w->Tag();                // every window has something red
            EXPECT_EQ(greens > 0, !safe && w != Ci()) << w->Tag(); // the graph has no green
        }
        SaveSnapshot(Frame().grab().toImage(),
                     safe ? "classroom-colour-blind-safe" : "classroom-program-colours");
    }
}

} // namespace
