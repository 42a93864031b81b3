// Edit > Copy ... as Text read back as another program reads the clipboard: split on
// tabs and newlines, numbers through from_chars, every figure checked against the store
// and an interval worked out anew; each copy's first line and rows for each kind of
// population, and what a new kind leaves to copy.
#include "tests/shell/ShellTestSupport.h"

#include <QClipboard>
#include <QMimeData>
#include <charconv>

namespace {

using Table = std::vector<std::vector<std::string>>;

Table Pasted() {
    QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    if (lines.last().isEmpty()) lines.removeLast(); // the newline that ends the last row
    Table table;
    for (const QString& line : lines)
        for (auto& cells = table.emplace_back(); const QString& cell : line.split('\t'))
            cells.push_back(cell.toStdString());
    return table;
}

// The whole cell as a float, or NaN when it is not one.
float Number(const std::string& cell) {
    float value = NAN;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    return error == std::errc() && end == cell.data() + cell.size() ? value : NAN;
}

// Values 1..n of stored sample s, smallest first.
std::vector<float> Sorted(int s, int n) {
    std::vector<float> v(g_sampleStore[s].values + 1, g_sampleStore[s].values + n + 1);
    std::sort(v.begin(), v.end());
    return v;
}

} // namespace

// Not TextCopy: that is the shell's copy, and two classes of one name break the program.
class TextCopies : public ShellTest {};

TEST_F(TextCopies, EachCopyNamesItsColumnsAndHoldsItsRows) {
    ApplyPreset(PresetShape::Normal);
    const char* const kSeriesColumns = "sample\tn\tmean\tsd\tmedian\trange\tlow\thigh\tcontains_mu";
    struct Case {
        const char* what;
        std::function<void()> setUp;
        int command;
        std::string first;
        std::size_t rows;
        std::function<void(const Table&)> check;
    };
    const Case cases[] = {
        {"selected sample", [&] { DrawAtF(25, 40), SelectSampleNo(17); },
         ID_EDIT_COPY_SAMPLE_VALUES, "sample 17 of 40, n = 25", 26,
         [](const Table& t) {
             for (int i = 1; i <= 25; ++i)
                 EXPECT_EQ(Number(t[i][0]), g_sampleStore[17].values[i]) << i;
         }},
        {"continuous population", [] { ApplyPreset(PresetShape::Uniform); },
         ID_EDIT_COPY_POPULATION_TEXT, "value\tprobability", 57,
         [](const Table& t) {
             // 51 equal columns 0.2 apart: mean 5, SD sqrt((51^2 - 1) / 12) / 5.
             EXPECT_EQ(t[4][0], "0.6");
             EXPECT_EQ(t[51][0], "10");
             EXPECT_NEAR(Number(t[26][1]), 1.0 / 51, 1e-9);
             EXPECT_EQ(t[52][0], "mu");
             EXPECT_NEAR(Number(t[52][1]), 5.0, 1e-5);
             EXPECT_NEAR(Number(t[53][1]), 2.9439202887759492, 1e-5);
             // The columns where the cumulative share reaches 50, 25 and 75 %.
             EXPECT_EQ(t[54][1] + " " + t[55][1] + " " + t[56][1], "5 2.4 7.6");
         }},
        // An even n: the median is the mean of the middle two; in the units
        // Population Settings set, a median moves and scales, a range scales.
        {"series in shown units",
         [&] { ApplyPreset(PresetShape::SkewedPlus), DrawAtF(6, 20), SetDisplayTarget(100, 15); },
         ID_EDIT_COPY_SERIES_TEXT, kSeriesColumns, 21,
         [](const Table& t) {
             const double scale = 15.0 / g_popSD;
             for (int s = 1; s <= 20; ++s) {
                 const std::vector<float> v = Sorted(s, 6);
                 EXPECT_NEAR(Number(t[s][4]), 100 + ((v[2] + v[3]) / 2.0 - g_popMean) * scale, 1e-3)
                     << s;
                 EXPECT_NEAR(Number(t[s][5]), (v[5] - v[0]) * scale, 1e-3) << s;
             }
         }},
        {"binomial series",
         [&] { Choose(ID_MEASUREMENT_BINOMIAL), SetBinomialP(0.3f), DrawAtF(40, 50); },
         ID_EDIT_COPY_SERIES_TEXT, "sample\tn\tp_hat\tsd\tlow\thigh\tcontains_mu", 51,
         [](const Table& t) {
             for (int s = 1; s <= 50; ++s) {
                 const double p = Number(t[s][2]), z = 1.959963984540054; // norm.ppf(0.975)
                 EXPECT_EQ(p, g_sampleStore[s].mean);
                 EXPECT_NEAR(Number(t[s][4]), p - z * std::sqrt(p * (1 - p) / 40), 1e-5) << s;
             }
         }},
        {"binomial population", [&] { Choose(ID_MEASUREMENT_BINOMIAL), SetBinomialP(0.3f); },
         ID_EDIT_COPY_POPULATION_TEXT, "value\tprobability", 5,
         [](const Table& t) {
             EXPECT_EQ(t[2][0] + " " + t[3][0] + " " + t[4][0], "1 mu sigma");
             EXPECT_NEAR(Number(t[2][1]), 0.3, 0.01);
         }},
        {"series at 90 % with t",
         [&] {
             ApplyPreset(PresetShape::SkewedPlus);
             TypeInto(Field(Ci(), IDC_CI_CONF_LEVEL), "90");
             Press(Ci()->Control(IDC_CI_SIGMA)); // unknown, and t with 24 degrees of freedom
             Press(Ci()->Control(IDC_CI_Z_OR_T));
             DrawAtF(25, 300);
         },
         ID_EDIT_COPY_SERIES_TEXT, kSeriesColumns, 301,
         [this](const Table& pasted) {
             EXPECT_EQ(Frame().MessagePane()->text(), "Copied 300 samples as text");
             const double t = 1.7108820799094275; // scipy: t.ppf(0.95, 24)
             int in = 0;
             for (int s = 1; s <= 300; ++s) {
                 const auto& row = pasted[static_cast<std::size_t>(s)];
                 ASSERT_EQ(row.size(), 9u) << s;
                 EXPECT_EQ(row[0], std::to_string(s));
                 EXPECT_EQ(row[1], "25");
                 // The very floats the store holds.
                 EXPECT_EQ(Number(row[2]), g_sampleStore[s].mean) << row[2];
                 EXPECT_EQ(Number(row[3]), g_sampleStore[s].sd) << row[3];
                 const std::vector<float> v = Sorted(s, 25);
                 EXPECT_EQ(Number(row[4]), v[12]) << s;
                 EXPECT_EQ(Number(row[5]), v[24] - v[0]) << s;
                 double mean = 0, sd = 0;
                 recount::MeanAndSd(s, 25, mean, sd);
                 EXPECT_NEAR(Number(row[6]), mean - t * sd / 5, 2e-4) << s;
                 EXPECT_NEAR(Number(row[7]), mean + t * sd / 5, 2e-4) << s;
                 EXPECT_EQ(row[8], recount::Covers(s, 25, t, false) ? "1" : "0") << s;
                 in += row[8] == "1";
             }
             EXPECT_EQ(QString::number(in), Readout(Ci(), IDC_CI_NUM_IN));
             EXPECT_GT(in, 240); // about 90% of 300
             const QString html = QGuiApplication::clipboard()->mimeData()->html();
             EXPECT_TRUE(html.contains("<th>contains_mu</th>")) << html.left(200).toStdString();
             EXPECT_EQ(html.count("<tr>"), 301);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.setUp();
        ASSERT_TRUE(Choose(c.command));
        EXPECT_EQ(QGuiApplication::clipboard()->text().section('\n', 0, 0).toStdString(), c.first);
        const Table pasted = Pasted();
        ASSERT_EQ(pasted.size(), c.rows);
        c.check(pasted);
        // A new kind starts a new series: nothing of the old one is left to copy.
        Choose(ID_MEASUREMENT_CONTINUOUS);
        EXPECT_FALSE(ItemWhenOpened(ID_EDIT_COPY_SERIES_TEXT)->isEnabled());
        EXPECT_FALSE(ItemWhenOpened(ID_EDIT_COPY_SAMPLE_VALUES)->isEnabled());
    }
}
