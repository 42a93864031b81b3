#pragma once
// The figures of a series, of one sample and of the population as a table
// another program reads: tab-separated text (what R's read.delim and a
// spreadsheet's paste take) and an HTML table of the same rows (what a paste
// into a spreadsheet or a word processor turns into a table). Every number is
// written in the shortest form that reads back as the very float or double it
// came from, with a dot whatever the locale. Nothing here reads the state.

#include <optional>
#include <string>
#include <vector>

// The shortest text that reads back as value; empty when it is not finite,
// "0" for a negative zero.
std::string ExactNumber(float value);
std::string ExactNumber(double value);

// A header row and rows of cells, each row as wide as the header or narrower.
struct TextTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// Tab between cells, a newline after every row, the header first.
std::string TableAsText(const TextTable& table);
// A whole HTML document holding one table: the header in <th> cells, the
// text escaped.
std::string TableAsHtml(const TextTable& table);

// One sample of a series as the Confidence Intervals window has its interval.
struct SeriesTextRow {
    int sample = 0;
    int n = 0;
    float mean = 0.0f;                  // the sample proportion for a binomial population
    std::optional<float> sd;            // none for a sample of one value
    std::optional<float> median, range; // a measurement population's only
    bool hasInterval = false;
    std::optional<float> low, high; // a one-sided interval has one end
    bool containsMu = false;
};

// sample, n, mean (p_hat when binomial), sd, median and range (not when
// binomial), low, high, contains_mu (1 or 0, empty where the sample has no
// interval).
TextTable SeriesTable(const std::vector<SeriesTextRow>& rows, bool binomial);

// "sample 17 of 1000, n = 25" over one value a row.
TextTable SampleValuesTable(int sample, int samples, const std::vector<float>& values);

// value and probability a row, then a row for each named parameter.
struct NamedValue {
    const char* name;
    float value;
};
TextTable PopulationTable(const std::vector<double>& values,
                          const std::vector<double>& probabilities,
                          const std::vector<NamedValue>& parameters);
