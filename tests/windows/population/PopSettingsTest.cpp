// The population settings dialog: SET, DEFAULT and CANCEL, what the axis
// then shows, and the SETs it refuses.

#include "core/Population.h"
#include "resources/Resource.h"
#include "tests/windows/population/PopulationTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

class PopSettingsTest : public PopulationWindowTest {
  protected:
    void SetUp() override {
        PopulationWindowTest::SetUp();
        settings->show();
    }
    static void Type(QLineEdit* field, const QString& text) { TypeInto(field, text); }
    void Set(const QString& mean, const QString& sd) {
        Type(settings->MeanField(), mean);
        Type(settings->SdField(), sd);
        Click(IDC_SETTINGS_SET);
    }
    void Click(int id) { QTest::mouseClick(settings->Button(id), Qt::LeftButton); }
    // Equal weight on the values 3 and 7: mean 5, SD 2.
    void MakeMeanFiveSdTwo() {
        ClearPopulationCurveForTest();
        g_popCurve[1 + 15] = 170;
        g_popCurve[1 + 35] = 170;
        RecomputePopulationParameters();
        ResetDisplayTransform();
        population->RedrawCurve();
    }
    struct Transform {
        float from, scale, to, shift;
        bool operator==(const Transform&) const = default;
    };
    static Transform Current() { return {g_dispFromMean, g_dispScale, g_dispToMean, g_dispShift}; }
};

TEST_F(PopSettingsTest, SetCancelAndDefault) {
    ASSERT_EQ(settings->size(), QSize(280, 136));
    EXPECT_EQ(settings->windowTitle(), QStringLiteral("Dialog"));
    MakeMeanFiveSdTwo();
    ASSERT_EQ(g_popMean, 5.0f);
    ASSERT_EQ(g_popSD, 2.0f);

    const int ciRedraws = views.ciRedraws, repaints = views.populationRepaints;
    Set(QStringLiteral("100"), QStringLiteral("15"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(g_dispScale, 7.5f);
    EXPECT_EQ(g_dispToMean, 100.0f);
    EXPECT_EQ(g_dispShift, 95.0f);
    EXPECT_EQ(ShownValue(7.0f), 115.0f);
    EXPECT_GT(views.ciRedraws, ciRedraws);
    EXPECT_GT(views.samplesRedraws, 0);
    EXPECT_GT(views.populationRepaints, repaints);

    const std::vector<LabelPiece> axis = MeasurementAxisLabels();
    EXPECT_EQ(Texts(axis), QStringList({"62.5", "77.5", "92.5", "107.5", "122.5", "137.5"}));
    const QFontMetrics metrics(g_fontArial7_5);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(axis[k].x + metrics.horizontalAdvance(axis[k].text) / 2, 50 + 40 * k);
        EXPECT_EQ(axis[k].top, 272);
    }
    // Some ink of each label below the axis at its x.
    for (int k = 0; k < 6; ++k) {
        bool ink = false;
        for (int y = 272; y < 285; ++y)
            for (int x = 50 + 40 * k - 8; x <= 50 + 40 * k + 8; ++x)
                ink |= qGray(g_popMemDC.pixel(x, y)) < 128;
        EXPECT_TRUE(ink) << "label " << k;
    }
    const QStringList markers = Texts(MarkerLabels(300));
    EXPECT_TRUE(markers.contains(QStringLiteral("100.00")));
    EXPECT_TRUE(markers.contains(QStringLiteral("15.000")));
    SaveSnapshot(population->grab().toImage(), "settings-set-100-15");
    SaveSnapshot(settings->grab().toImage(), "settings-dialog");

    // CANCEL after typing, without SET, puts back what is shown.
    Type(settings->MeanField(), QStringLiteral("abc"));
    Type(settings->SdField(), QStringLiteral("3"));
    Click(IDC_SETTINGS_CANCEL);
    EXPECT_EQ(settings->MeanField()->text(), QStringLiteral("100.00"));
    EXPECT_EQ(settings->SdField()->text(), QStringLiteral("15.000"));
    EXPECT_EQ(g_dispScale, 7.5f);

    // DEFAULT: the internal scale again.
    Click(IDC_SETTINGS_DEFAULT);
    EXPECT_EQ(settings->MeanField()->text(), QStringLiteral("5.00"));
    EXPECT_EQ(settings->SdField()->text(), QStringLiteral("2.000"));
    EXPECT_EQ(g_dispScale, 1.0f);
    EXPECT_EQ(g_dispShift, 0.0f);
    EXPECT_EQ(Texts(MeasurementAxisLabels()).size(), 11);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PopSettingsTest, OwnValuesKeepWholeNumbersAndAnEmptySdCollapses) {
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_NORMAL));
    // The preset's own texts: the SD rounded to three decimals differs.
    ASSERT_EQ(settings->MeanText(), QStringLiteral("  5.00"));
    Click(IDC_SETTINGS_SET);
    const QStringList oneDecimal = Texts(MeasurementAxisLabels());
    ASSERT_EQ(oneDecimal.size(), 6);
    for (const QString& text : oneDecimal)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^-?\\d+\\.\\d$")).match(text).hasMatch())
            << text.toStdString();
    EXPECT_EQ(oneDecimal[5], QStringLiteral("10.0"));
    // Exactly the population's own floats: nothing changes.
    Set(QString::number(g_popMean, 'g', 9), QString::number(g_popSD, 'g', 9));
    EXPECT_EQ(g_dispScale, 1.0f);
    EXPECT_EQ(g_dispShift, 0.0f);
    EXPECT_EQ(Texts(MeasurementAxisLabels()).first(), QStringLiteral("0"));

    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_UNIFORM));
    Set(QStringLiteral("50"), QString());
    EXPECT_EQ(g_dispScale, 0.0f);
    EXPECT_EQ(Texts(MeasurementAxisLabels()), QStringList(6, QStringLiteral("50.0")));
    Click(IDC_SETTINGS_DEFAULT);
    EXPECT_EQ(settings->MeanField()->text(), QStringLiteral("5.00"));
    EXPECT_EQ(settings->SdField()->text(), QStringLiteral("2.944"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PopSettingsTest, RefusedSetsKeepTheTransform) {
    MakeMeanFiveSdTwo();
    Set(QStringLiteral("100"), QStringLiteral("15"));
    const Transform set = Current();

    struct Case {
        const char* mean;
        const char* sd;
        const char* message;
    };
    const Case cases[] = {
        {"100", "abc", kMsgSettingsNotNumbers}, {"x1", "15", kMsgSettingsNotNumbers},
        {"100", "inf", kMsgSettingsNotNumbers}, {"nan", "15", kMsgSettingsNotNumbers},
        {"100", "1e999", kMsgSettingsTooLarge}, {"-1e40", "15", kMsgSettingsTooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sd);
        messages.clear();
        Set(QString::fromLatin1(c.mean), QString::fromLatin1(c.sd));
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages.first(), QString::fromLatin1(c.message));
        EXPECT_TRUE(Current() == set);
        EXPECT_TRUE(ShowsNoNonNumber(MeasurementAxisLabels()));
        EXPECT_TRUE(ShowsNoNonNumber(MarkerLabels(300)));
    }
    // Text after a number is ignored, as the C conversion reads it.
    messages.clear();
    Set(QStringLiteral("  +20 units"), QStringLiteral("4xyz"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(g_dispToMean, 20.0f);
    EXPECT_EQ(g_dispScale, 2.0f);

    // No spread: an empty population, and one with all its weight in one column.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
    const Transform identity = Current();
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            g_popCurve[1 + 25] = 100;
            RecomputePopulationParameters();
            ASSERT_EQ(g_popSD, 0.0f);
        }
        messages.clear();
        Set(QStringLiteral("100"), QStringLiteral("15"));
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages.first(), QString::fromLatin1(kMsgNoSpread));
        EXPECT_TRUE(Current() == identity);
        EXPECT_TRUE(ShowsNoNonNumber(MarkerLabels(300)));
    }
}

} // namespace
