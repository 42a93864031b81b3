// The population settings dialog: SET, DEFAULT and CANCEL, what the axis
// then shows, and the SETs it refuses.

#include "tests/windows/population/PopulationTestSupport.h"

namespace {

class PopSettingsTest : public PopulationWindowTest {
  protected:
    // Equal weight on the values 3 and 7: mean 5, SD 2.
    void SetUp() override {
        PopulationWindowTest::SetUp();
        settings->show();
        g_popCurve[1 + 15] = g_popCurve[1 + 35] = 170;
        RecomputePopulationParameters();
        population->RedrawCurve();
    }
    void Set(const QString& mean, const QString& sd) {
        TypeInto(settings->MeanField(), mean);
        TypeInto(settings->SdField(), sd);
        Click(IDC_SETTINGS_SET);
    }
    void Click(int id) { QTest::mouseClick(settings->Button(id), Qt::LeftButton); }
    static std::vector<float> Transform() {
        return {g_dispFromMean, g_dispScale, g_dispToMean, g_dispShift};
    }
};

TEST_F(PopSettingsTest, SetCancelAndDefault) {
    ASSERT_EQ(g_popSD, 2.0f);
    const int ciRedraws = views.ciRedraws, repaints = views.populationRepaints;
    Set(QStringLiteral("100"), QStringLiteral("15"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(g_dispScale, 7.5f);
    EXPECT_EQ(ShownValue(7.0f), 115.0f);
    EXPECT_GT(views.ciRedraws, ciRedraws);
    EXPECT_GT(views.samplesRedraws, 0);
    EXPECT_GT(views.populationRepaints, repaints);

    const std::vector<LabelPiece> axis = MeasurementAxisLabels();
    EXPECT_EQ(Texts(axis).join(' '), QStringLiteral("62.5 77.5 92.5 107.5 122.5 137.5"));
    const QFontMetrics metrics(g_fontArial7_5);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(axis[k].x + metrics.horizontalAdvance(axis[k].text) / 2, 50 + 40 * k);
        bool ink = false; // some ink of the label below the axis at its x
        for (int y = 272; y < 285; ++y)
            for (int x = 50 + 40 * k - 8; x <= 50 + 40 * k + 8; ++x)
                ink |= qGray(g_popMemDC.pixel(x, y)) < 128;
        EXPECT_TRUE(ink) << "label " << k;
    }
    EXPECT_TRUE(Texts(MarkerLabels(300)).contains(QStringLiteral("15.000")));
    SaveSnapshot(population->grab().toImage(), "settings-set-100-15");
    SaveSnapshot(settings->grab().toImage(), "settings-dialog");

    // CANCEL after typing, without SET, puts back what is shown.
    TypeInto(settings->MeanField(), QStringLiteral("abc"));
    Click(IDC_SETTINGS_CANCEL);
    EXPECT_EQ(settings->MeanField()->text(), QStringLiteral("100.00"));
    EXPECT_EQ(g_dispScale, 7.5f);
    // DEFAULT: the internal scale again.
    Click(IDC_SETTINGS_DEFAULT);
    EXPECT_EQ(settings->MeanField()->text(), QStringLiteral("5.00"));
    EXPECT_EQ(settings->SdField()->text(), QStringLiteral("2.000"));
    EXPECT_EQ(g_dispScale, 1.0f);
    EXPECT_EQ(Texts(MeasurementAxisLabels()).size(), 11);

    // The population's own values change nothing; an empty SD collapses the axis.
    Set(QString::number(g_popMean, 'g', 9), QString::number(g_popSD, 'g', 9));
    EXPECT_EQ(g_dispScale, 1.0f);
    Set(QStringLiteral("50"), QString());
    EXPECT_EQ(Texts(MeasurementAxisLabels()), QStringList(6, QStringLiteral("50.0")));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PopSettingsTest, RefusedSetsKeepTheTransform) {
    Set(QStringLiteral("100"), QStringLiteral("15"));
    const std::vector<float> set = Transform();
    const char* cases[][3] = {
        {"100", "abc", kMsgSettingsNotNumbers}, {"x1", "15", kMsgSettingsNotNumbers},
        {"100", "inf", kMsgSettingsNotNumbers}, {"nan", "15", kMsgSettingsNotNumbers},
        {"100", "1e999", kMsgSettingsTooLarge}, {"-1e40", "15", kMsgSettingsTooLarge}};
    for (const auto& c : cases) {
        messages.clear();
        Set(QString::fromLatin1(c[0]), QString::fromLatin1(c[1]));
        EXPECT_EQ(messages, QStringList(QString::fromLatin1(c[2]))) << c[0] << " " << c[1];
        EXPECT_EQ(Transform(), set);
        EXPECT_TRUE(ShowsNoNonNumber(MeasurementAxisLabels()));
    }
    // Text after a number is ignored, as the C conversion reads it.
    messages.clear();
    Set(QStringLiteral("  +20 units"), QStringLiteral("4xyz"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(g_dispScale, 2.0f);

    // No spread: an empty population, and one with all its weight in one column.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
    const std::vector<float> identity = Transform();
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) g_popCurve[1 + 25] = 100, RecomputePopulationParameters();
        messages.clear();
        Set(QStringLiteral("100"), QStringLiteral("15"));
        EXPECT_EQ(messages, QStringList(QString::fromLatin1(kMsgNoSpread)));
        EXPECT_EQ(Transform(), identity);
        EXPECT_TRUE(ShowsNoNonNumber(MarkerLabels(300)));
    }
}

} // namespace
