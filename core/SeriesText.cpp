#include "core/SeriesText.h"

#include "core/NumberText.h"

#include <charconv>
#include <cmath>

namespace {

template <class T> std::string Shortest(T value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) value = 0; // no "-0"
    char buffer[32];
    // Without a precision to_chars writes the shortest round-trip form, in
    // the "C" locale's notation whatever the program's locale is.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void AppendEscaped(std::string& out, const std::string& text) {
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
}

void AppendHtmlRow(std::string& out, const std::vector<std::string>& cells, const char* tag) {
    out += "<tr>";
    for (const std::string& cell : cells) {
        out += '<';
        out += tag;
        out += '>';
        AppendEscaped(out, cell);
        out += "</";
        out += tag;
        out += '>';
    }
    out += "</tr>\n";
}

void AppendTextRow(std::string& out, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) out += '\t';
        out += cells[i];
    }
    out += '\n';
}

std::string Optional(const std::optional<float>& value) {
    return value ? ExactNumber(*value) : std::string();
}

} // namespace

std::string ExactNumber(float value) {
    return Shortest(value);
}

std::string ExactNumber(double value) {
    return Shortest(value);
}

std::string TableAsText(const TextTable& table) {
    std::string out;
    // About ten characters a cell.
    out.reserve((table.rows.size() + 1) * (table.header.size() * 10 + 1));
    AppendTextRow(out, table.header);
    for (const auto& row : table.rows)
        AppendTextRow(out, row);
    return out;
}

std::string TableAsHtml(const TextTable& table) {
    std::string out;
    out.reserve((table.rows.size() + 1) * (table.header.size() * 20 + 10) + 100);
    out += "<html><head><meta charset=\"utf-8\"></head><body><table>\n";
    AppendHtmlRow(out, table.header, "th");
    for (const auto& row : table.rows)
        AppendHtmlRow(out, row, "td");
    out += "</table></body></html>\n";
    return out;
}

TextTable SeriesTable(const std::vector<SeriesTextRow>& rows, bool binomial) {
    TextTable table;
    // A proportion's sample has no median or range worth a column.
    if (binomial)
        table.header = {"sample", "n", "p_hat", "sd", "low", "high", "contains_mu"};
    else
        table.header = {"sample", "n",   "mean", "sd",         "median",
                        "range",  "low", "high", "contains_mu"};
    table.rows.reserve(rows.size());
    for (const SeriesTextRow& row : rows) {
        auto& cells = table.rows.emplace_back();
        cells.reserve(table.header.size());
        cells = {FormatInt(row.sample), FormatInt(row.n), ExactNumber(row.mean), Optional(row.sd)};
        if (!binomial) cells.insert(cells.end(), {Optional(row.median), Optional(row.range)});
        cells.insert(cells.end(), {Optional(row.low), Optional(row.high),
                                   row.hasInterval ? (row.containsMu ? "1" : "0") : ""});
    }
    return table;
}

TextTable SampleValuesTable(int sample, int samples, const std::vector<float>& values) {
    TextTable table;
    table.header = {"sample " + FormatInt(sample) + " of " + FormatInt(samples) +
                    ", n = " + FormatInt(static_cast<int>(values.size()))};
    table.rows.reserve(values.size());
    for (const float value : values)
        table.rows.push_back({ExactNumber(value)});
    return table;
}

TextTable PopulationTable(const std::vector<double>& values,
                          const std::vector<double>& probabilities,
                          const std::vector<NamedValue>& parameters) {
    TextTable table;
    table.header = {"value", "probability"};
    for (std::size_t i = 0; i < values.size(); ++i)
        table.rows.push_back({ExactNumber(values[i]),
                              i < probabilities.size() ? ExactNumber(probabilities[i]) : ""});
    for (const NamedValue& parameter : parameters)
        table.rows.push_back({parameter.name, ExactNumber(parameter.value)});
    return table;
}
