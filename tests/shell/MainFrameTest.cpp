// The main frame's menus as a student uses them: start-up, the Window menu,
// the Measurement switches and what a discarded series leaves, Population
// Settings and the Options as the Dorvane window then shows them, and Exit.
#include "tests/shell/ShellTestSupport.h"

#include <QScreen>

namespace {

using MainFrame = ShellTest;

TEST_F(MainFrame, StartsLinedUpAndMarkedAndTheWindowMenuShowsRaisesAndHidesTheOneUsedLast) {
    EXPECT_TRUE(
        QGuiApplication::primaryScreen()->availableGeometry().contains(Frame().frameGeometry()));
    EXPECT_EQ(g_activeWindowTag, "CONT_SETTINGS"); // the last start-up command
    EXPECT_EQ(g_popCurve[26], g_popBaseline);      // the population still empty
    // The others on the Population window's right edge, in this order.
    const QRect pop = g_populationWnd->ToolGeometry();
    EXPECT_EQ(pop.topLeft(), QPoint(2, 2));
    const std::pair<CToolWindow*, const char*> lined[] = {
        {Sd(), "CLT"}, {g_samplesWnd, "SAMPLE"}, {Ci(), "CI"}, {g_popSettingsWnd, "CONT_SETTINGS"}};
    const QList<QMdiSubWindow*> stack = Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder);
    CToolWindow* below = g_populationWnd;
    for (const auto& [window, tag] : lined) {
        SCOPED_TRACE(tag);
        EXPECT_STREQ(window->Tag(), tag);
        EXPECT_EQ(window->IsToolVisible(), window != g_popSettingsWnd);
        EXPECT_LE(window->geometry().bottom(), window->Frame()->rect().bottom());
        EXPECT_EQ(window->ToolGeometry().topLeft(), QPoint(pop.right() + 1, 0));
        if (window->IsToolVisible()) {
            EXPECT_LT(stack.indexOf(below->Frame()), stack.indexOf(window->Frame()));
        }
        below = window;
    }
    // The other windows' fields start as the Dorvane window's.
    EXPECT_EQ(Field(g_samplesWnd, IDC_SAMPLES_SAMPLE_SIZE)->text(), Sd()->SampleSizeText());
    EXPECT_EQ(Field(Ci(), IDC_CI_NUM_SAMPLES)->text(), Sd()->NumberOfSamplesText());
    // The items checked at start-up, those not, and those that cannot be chosen.
    for (int id : {ID_MEASUREMENT_CONTINUOUS, ID_OPTIONS_OBSERVED, ID_OPTIONS_PROPORTION_BELOW,
                   ID_OPTIONS_ONE_SLIDER})
        EXPECT_TRUE(ItemWhenOpened(id)->isChecked()) << id;
    for (int id : {ID_MEASUREMENT_DISCRETE, ID_MEASUREMENT_BINOMIAL, ID_OPTIONS_Z_VALUES,
                   ID_OPTIONS_T_VALUES, ID_OPTIONS_PROPORTION_ABOVE, ID_OPTIONS_TWO_SLIDERS_TANDEM,
                   ID_OPTIONS_POSSIBLE_MU, ID_OPTIONS_COLOUR_BLIND})
        EXPECT_FALSE(ItemWhenOpened(id)->isChecked()) << id;
    for (int id : {ID_FILE_PRINT, ID_OPTIONS_DISPLAY_SAMPLES, ID_OPTIONS_NO_DISPLAY_SAMPLES})
        EXPECT_FALSE(Choose(id)) << id;

    // The Window menu shows and raises; Close Window hides the one used last.
    struct Row {
        int command;
        CToolWindow* window;
        int* shownFlag;
    };
    const Row rows[] = {{ID_WINDOW_POP_SETTINGS, g_popSettingsWnd, nullptr}, // keeps no flag
                        {ID_WINDOW_SAMPLING_DIST, Sd(), &g_samplingDistWndVisible},
                        {ID_WINDOW_SAMPLES, g_samplesWnd, &g_samplesWndVisible},
                        {ID_WINDOW_CONF_INTERVALS, Ci(), &g_confIntervalWndVisible},
                        {ID_WINDOW_POPULATION, g_populationWnd, &g_populationWndVisible}};
    auto shown = [](const Row& row, bool on) {
        EXPECT_EQ(row.window->IsToolVisible(), on);
        EXPECT_TRUE(!row.shownFlag || *row.shownFlag == (on ? 1 : 0));
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.window->Tag());
        const Row& other = &row == &rows[1] ? rows[2] : rows[1];
        ASSERT_TRUE(Choose(row.command));
        shown(row, true);
        EXPECT_EQ(g_activeWindowTag, row.window->Tag());
        EXPECT_EQ(Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder).last(),
                  row.window->Frame());
        ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
        shown(row, false);
        shown(other, true);
        EXPECT_EQ(g_activeWindowTag, row.window->Tag()); // Close Window keeps the tag
        // Moved, a window is the one used last; its close box hides it only.
        ASSERT_TRUE(Choose(row.command));
        g_activeWindowTag = "";
        row.window->Frame()->move(row.window->Frame()->pos() + QPoint(7, 5));
        EXPECT_EQ(g_activeWindowTag, row.shownFlag ? row.window->Tag() : "");
        row.window->Frame()->close();
        shown(row, false);
        ASSERT_TRUE(Choose(row.command));
    }
    // A click in a window makes it the one used last.
    QTest::mouseClick(g_samplesWnd, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(g_activeWindowTag, "SAMPLE");
    QTest::mouseClick(Ci(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 300));
    EXPECT_EQ(g_activeWindowTag, "CI");
    // Shown again after a series drawn hidden, its last interval yellow.
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    ApplyPreset(PresetShape::Normal);
    ASSERT_EQ(Links().RunDrawSamples(50, 10).status, DrawResult::Status::Drawn);
    ASSERT_TRUE(Choose(ID_WINDOW_CONF_INTERVALS));
    double mean = 0.0;
    for (int j = 1; j <= 10; ++j)
        mean += g_sampleStore[50].values[j] / 10.0;
    EXPECT_EQ(PixelOf(g_ciMemDC, GraphX(float(mean)), RowY(50)), Rgb(255, 255, 0));
    // The workspace scrolls to the Dorvane window past its right edge, which
    // moves no window in the student's sense.
    QScrollBar* bar = Frame().MdiArea()->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    g_activeWindowTag = "POP";
    const QRect before = Sd()->ToolGeometry();
    bar->setValue(bar->maximum());
    EXPECT_EQ(Sd()->ToolGeometry().x(), before.x() - bar->maximum());
    EXPECT_EQ(g_activeWindowTag, "POP");
    EXPECT_LE(Sd()->ToolGeometry().right(), Frame().MdiArea()->viewport()->width() + 1);
    // Alt with the arrows scrolls it from the keyboard.
    QApplication::setActiveWindow(&Frame());
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_LT(bar->value(), bar->maximum());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    bar->setValue(0);
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    ASSERT_TRUE(Choose(ID_WINDOW_ARRANGE));
    ExpectArrangedForTheView();
    ASSERT_TRUE(Choose(ID_APP_EXIT));
    EXPECT_FALSE(Frame().isVisible());
}

TEST_F(MainFrame, AnotherKindKeepsOrClearsWhatItShouldAndADiscardedSeriesLeavesNoFigure) {
    auto Curve = [] { return std::vector<int>(g_popCurve + 1, g_popCurve + 52); };
    auto CurveIsEmpty = [&] { return Curve() == std::vector<int>(51, g_popBaseline); };
    auto TransformIsIdentity = [] {
        return g_dispScale == 1.0f && g_dispShift == 0.0f && g_dispFromMean == g_dispToMean;
    };
    // A continuous NORMAL shown on another scale, the settings open, a series.
    ApplyPreset(PresetShape::Normal);
    ASSERT_TRUE(SetDisplayTarget(100.0f, 15.0f));
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    auto draw = [] { ASSERT_EQ(Links().RunDrawSamples(5, 4).status, DrawResult::Status::Drawn); };
    draw();
    // Continuous again: shape, transform and open dialog all stay.
    const std::vector<int> shape = Curve();
    ASSERT_TRUE(Choose(ID_MEASUREMENT_CONTINUOUS));
    EXPECT_EQ(Curve(), shape);
    EXPECT_FLOAT_EQ(g_dispToMean, 100.0f);
    EXPECT_TRUE(g_popSettingsWnd->IsToolVisible());
    EXPECT_EQ(g_samplesDrawn, 0);
    // Binomial takes the Population window's place; the settings go.
    draw();
    g_populationWnd->MoveToolTo(QPoint(30, 40));
    ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
    CToolWindow* binomial = g_binomialWnd;
    ASSERT_NE(binomial, nullptr);
    EXPECT_EQ(g_isBinomial + 2 * g_isContinuous + 4 * g_isDiscrete, 1);
    EXPECT_TRUE(binomial->IsToolVisible() && !g_populationWnd->IsToolVisible());
    EXPECT_FALSE(g_popSettingsWnd->IsToolVisible());
    EXPECT_EQ(binomial->ToolGeometry().topLeft(), QPoint(30, 40));
    EXPECT_TRUE(CurveIsEmpty() && TransformIsIdentity());
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_TRUE(ItemWhenOpened(ID_MEASUREMENT_BINOMIAL)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_WINDOW_POP_SETTINGS)->isEnabled());
    // Window > Population raises it; Close Window with "POP" hides it only.
    ASSERT_TRUE(Choose(ID_WINDOW_POPULATION));
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    EXPECT_TRUE(binomial->IsToolVisible());
    EXPECT_EQ(g_populationWndVisible, 0);
    // Binomial again keeps p but ends the series.
    SetBinomialP(0.5f);
    draw();
    ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
    EXPECT_FLOAT_EQ(g_popMean, 0.5f);
    EXPECT_EQ(g_samplesDrawn, 0);
    // Discrete: the Population window where the binomial one stood; mu 10 p.
    binomial->MoveToolTo(QPoint(12, 8));
    SetBinomialP(0.35f);
    ASSERT_TRUE(Choose(ID_MEASUREMENT_DISCRETE));
    EXPECT_NEAR(g_ciPopMean, 3.5f, 0.1f);
    EXPECT_FALSE(binomial->IsToolVisible());
    EXPECT_EQ(g_populationWnd->ToolGeometry().topLeft(), QPoint(12, 8));
    EXPECT_TRUE(CurveIsEmpty() && TransformIsIdentity());
    EXPECT_EQ(g_populationWnd->PopulationName(), "DISTRIBUTION");
    EXPECT_TRUE(ItemWhenOpened(ID_MEASUREMENT_DISCRETE)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_MEASUREMENT_CONTINUOUS)->isChecked());
    EXPECT_FALSE(Choose(ID_WINDOW_POP_SETTINGS));
    // Discrete again: the shape stays, the transform goes back to identity.
    ApplyPreset(PresetShape::Normal);
    const std::vector<int> discreteNormal = Curve();
    draw();
    ASSERT_TRUE(SetDisplayTarget(50.0f, 10.0f));
    ASSERT_TRUE(Choose(ID_MEASUREMENT_DISCRETE));
    EXPECT_EQ(Curve(), discreteNormal);
    EXPECT_TRUE(TransformIsIdentity());
    EXPECT_EQ(g_samplesDrawn + g_samplesExist, 0);
    ASSERT_TRUE(Choose(ID_MEASUREMENT_CONTINUOUS));
    EXPECT_TRUE(CurveIsEmpty() && ItemWhenOpened(ID_WINDOW_POP_SETTINGS)->isEnabled());

    // A series discarded leaves no figure, and without a theory no theory's.
    auto typeSampleSize = [](const char* n) { TypeInto(Field(Sd(), IDC_SD_SAMPLE_SIZE), n); };
    auto choose = [this](int id) { return [this, id] { ASSERT_TRUE(Choose(id)); }; };
    const auto normal = [] { ApplyPreset(PresetShape::Normal); };
    const auto p40 = [] { SetBinomialP(0.4f); };
    using Act = std::function<void()>;
    // What, the kind chosen and how it is filled before the series is drawn,
    // how the series is discarded, and whether a theory is left after it.
    const std::tuple<const char*, int, Act, Act, bool> cases[] = {
        {"binomial", ID_MEASUREMENT_CONTINUOUS, normal, choose(ID_MEASUREMENT_BINOMIAL), false},
        {"discrete", ID_MEASUREMENT_BINOMIAL, p40, choose(ID_MEASUREMENT_DISCRETE), false},
        {"continuous", ID_MEASUREMENT_DISCRETE, normal, choose(ID_MEASUREMENT_CONTINUOUS), false},
        {"preset", ID_MEASUREMENT_CONTINUOUS, normal, [] { ApplyPreset(PresetShape::Uniform); },
         true},
        {"sample size 7", ID_MEASUREMENT_CONTINUOUS, normal, [&] { typeSampleSize("7"); }, true},
        {"sample size 0", ID_MEASUREMENT_CONTINUOUS, normal, [&] { typeSampleSize("0"); }, false},
        {"emptied", ID_MEASUREMENT_CONTINUOUS, normal, [] { ClearPopulation(); }, false},
        {"sigma 0", ID_MEASUREMENT_BINOMIAL, p40, [] { Press(g_binomialWnd->Button(21)); }, false},
    };
    for (const auto& [what, kind, populate, discard, theory] : cases) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(Choose(kind));
        populate();
        DrawAtF(5, 300);
        ASSERT_EQ(Readout(Ci(), IDC_CI_TOTAL_DRAWN), "300");
        ASSERT_NE(Readout(Sd(), IDC_SD_Z_PROPORTION), "");
        discard();
        for (int id : {IDC_SD_TOTAL_DRAWN, IDC_SD_MEAN_OF_MEANS, IDC_SD_SD_OF_MEANS,
                       IDC_SD_MEAN_OF_SDS, IDC_SD_SD_OF_SDS})
            EXPECT_EQ(Readout(Sd(), id), "") << id;
        EXPECT_EQ(Readout(Ci(), IDC_CI_TOTAL_DRAWN), "");
        for (int id : {IDC_SD_Z_NUMBER, IDC_SD_Z_PROPORTION, IDC_SD_T_NUMBER, IDC_SD_T_PROPORTION})
            EXPECT_EQ(Readout(Sd(), id).isEmpty(), !theory) << id;
    }
}

TEST_F(MainFrame, PopulationSettingsReExpressTheFiguresOfTheSeries) {
    ApplyPreset(PresetShape::SkewedPlus);
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    DrawAtF(5, 300);
    // The mean and SD of the means recounted from the samples.
    double mean = 0.0, squares = 0.0;
    for (int r = 1; r <= 300; ++r)
        mean += g_sampleStore[r].mean / 300.0;
    for (int r = 1; r <= 300; ++r)
        squares += std::pow(g_sampleStore[r].mean - mean, 2.0);
    auto value = [](int id) { return Readout(Sd(), id).remove(QLatin1Char(',')).toDouble(); };
    // Shown with mean 1000 and SD 150 after SET, then as drawn after DEFAULT.
    for (const bool set : {true, false}) {
        g_popSettingsWnd->MeanField()->setText(QStringLiteral("1000"));
        g_popSettingsWnd->SdField()->setText(QStringLiteral("150"));
        Press(g_popSettingsWnd->Button(set ? IDC_SETTINGS_SET : IDC_SETTINGS_DEFAULT));
        const double scale = set ? 150.0 / g_popSD : 1.0;
        EXPECT_NEAR(value(IDC_SD_MEAN_OF_MEANS), set ? (mean - g_popMean) * scale + 1000 : mean,
                    0.006)
            << set;
        EXPECT_NEAR(value(IDC_SD_SD_OF_MEANS), std::sqrt(squares / 299.0) * scale, 0.0015) << set;
    }
}

TEST_F(MainFrame, OptionsNameTheSidesCountTheChosenSideRebinAndGrowTheIntervalsWindow) {
    auto sides = [this] {
        return ItemWhenOpened(ID_OPTIONS_PROPORTION_ABOVE)->text() + "|" +
               ItemWhenOpened(ID_OPTIONS_PROPORTION_BELOW)->text();
    };
    EXPECT_EQ(sides(), "Proportion &Above|Proportion &Below");
    ApplyPreset(PresetShape::Normal); // mean 5 on the internal scale
    g_leftSliderZ = 0.0f;
    RecomputeSliderValues();
    DrawAtF(16, 1000);
    // The means counted afresh between two numbers.
    auto between = [](double low, double high) {
        int count = 0;
        for (int r = 1; r <= 1000; ++r)
            count += g_sampleStore[r].mean > low && g_sampleStore[r].mean <= high;
        return count;
    };
    // The side checked (again keeps it) is the side counted.
    for (int id :
         {ID_OPTIONS_PROPORTION_ABOVE, ID_OPTIONS_PROPORTION_ABOVE, ID_OPTIONS_PROPORTION_BELOW}) {
        ASSERT_TRUE(Choose(id));
        const bool above = id == ID_OPTIONS_PROPORTION_ABOVE;
        EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_PROPORTION_ABOVE)->isChecked(), above);
        EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_PROPORTION_BELOW)->isChecked(), !above);
        EXPECT_EQ(Readout(Sd(), IDC_SD_ACTUAL_NUMBER).toInt(),
                  above ? between(5.0, 1e9) : between(-1e9, 5.0));
    }
    // Tandem from +1.5 standard errors: -1.5 too, 0.8664 between (scipy).
    const float se = g_popSD / 4.0f;
    g_leftSliderZ = 1.5f;
    g_leftSliderValue = ShownValue(5.0f + 1.5f * se);
    ASSERT_TRUE(Choose(ID_OPTIONS_TWO_SLIDERS_TANDEM));
    EXPECT_EQ(sides(), "Proportion &Outside|Proportion &Between");
    EXPECT_NEAR(g_leftSliderValue, 5.0f - 1.5f * se, 1e-5);
    EXPECT_NEAR(g_rightSliderValue, 5.0f + 1.5f * se, 1e-5);
    EXPECT_NEAR(Readout(Sd(), IDC_SD_Z_PROPORTION).toDouble(), 0.8664, 0.002);
    // T values rebin the series even while the Dorvane window is hidden.
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    ASSERT_TRUE(Choose(ID_OPTIONS_T_VALUES));
    ApplyPreset(PresetShape::SkewedPlus);
    Sd()->SetSampleSizeText(QStringLiteral("16"));
    Sd()->SetNumberOfSamplesText(QStringLiteral("200"));
    Sd()->DrawSamples();
    ASSERT_EQ(g_samplesDrawn, 200);
    // Binned afresh: t on the means' scale (the series' n), or the means.
    auto expectBinned = [](bool t) {
        std::vector<int> expected(kHistogramBins, 0);
        for (int r = 1; r <= 200; ++r) {
            const SampleRow& row = g_sampleStore[r];
            const double x =
                !t ? row.mean : g_popMean + (row.mean - g_popMean) / (row.sd / 4.0) * g_popSD / 4.0;
            if (const int bin = HistogramBin(float(x))) ++expected[bin - 1];
        }
        EXPECT_EQ(std::vector<int>(g_meanHistogram + 1, g_meanHistogram + kHistogramBins + 1),
                  expected)
            << (t ? "t" : "means");
    };
    expectBinned(true);
    // Z values are the means labelled anew: one item checked at a time.
    const int items[] = {ID_OPTIONS_OBSERVED, ID_OPTIONS_Z_VALUES, ID_OPTIONS_T_VALUES};
    for (int chosen : {ID_OPTIONS_Z_VALUES, ID_OPTIONS_T_VALUES, ID_OPTIONS_OBSERVED}) {
        ASSERT_TRUE(Choose(chosen));
        for (int id : items)
            EXPECT_EQ(ItemWhenOpened(id)->isChecked(), id == chosen) << chosen << " " << id;
        expectBinned(chosen == ID_OPTIONS_T_VALUES);
    }
    EXPECT_EQ(g_samplesDrawn, 200); // the series itself stays
    // Possible Mu grows the intervals window by its strip where it stands.
    const QMdiArea* area = Frame().MdiArea();
    auto placed = [&] {
        return Ci()->ToolGeometry().translated(area->horizontalScrollBar()->value(),
                                               area->verticalScrollBar()->value());
    };
    const QRect before = placed();
    for (const int height : {640, 540}) {
        ASSERT_TRUE(Choose(ID_OPTIONS_POSSIBLE_MU));
        EXPECT_EQ(Ci()->height(), height);
        EXPECT_EQ(g_ciStripRect.bottom, height);
        EXPECT_EQ(placed(), before.adjusted(0, 0, 0, height - 540));
    }
}

} // namespace
