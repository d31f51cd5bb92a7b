#include "model/RowClipboard.h"

#include "model/CellCommit.h"

#include <algorithm>

namespace radio::clipboard {

namespace {

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(sep, start);
        out.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos)
            return out;
        start = end + 1;
    }
}

// The entry of a list column in the table's language, or false when the text
// is no entry in either language.
bool entryIn(int column, const std::string& text, Language language, std::string& out) {
    const Language other = language == Language::Chinese ? Language::English : Language::Chinese;
    for (const Language lang : {language, other}) {
        const auto& entries = columnEntries(column, lang);
        const auto it = std::find(entries.begin(), entries.end(), text);
        if (it != entries.end()) {
            out = columnEntries(column, language)[std::size_t(it - entries.begin())];
            return true;
        }
    }
    return false;
}

} // namespace

std::string copyRows(const ChannelTable& table, const std::vector<int>& rows) {
    std::string out;
    for (int r : rows) {
        if (r < 1 || r >= kGridRows)
            continue;
        for (int c = 0; c < kGridCols; ++c)
            out += (c ? "\t" : "") + table[r][c];
        out += "\n";
    }
    return out;
}

Paste pasteRows(const std::string& text, const ChannelTable& current, int firstRow,
                std::int64_t bandLow, std::int64_t bandHigh, Language language) {
    Paste result;
    result.table = current;
    std::vector<std::string> lines = split(text, '\n');
    // A spreadsheet ends the last line too.
    while (!lines.empty() && (lines.back().empty() || lines.back() == "\r"))
        lines.pop_back();
    int row = std::max(firstRow, 1);
    for (std::string line : lines) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (row >= kGridRows) {
            result.rejected.push_back({row, 0, 0, line});
            ++row;
            continue;
        }
        std::vector<std::string> cells = split(line, '\t');
        if (cells.size() == kGridCols)
            cells.erase(cells.begin());
        if (cells.size() != kGridCols - 1) {
            result.rejected.push_back({row, 0, 0, line});
            ++row;
            continue;
        }
        // The line replaces the row, committed as typed: frequencies first,
        // so a new channel's defaults can be overridden by the list cells.
        std::array<std::string, kGridCols> cellsOut{};
        cellsOut[ColChannel] = current[row][ColChannel];
        bool refused = false;
        for (int c = ColRx; c <= ColScrambler; ++c) {
            std::string value = cells[std::size_t(c - 1)];
            if (c >= ColDecode) {
                const bool noFrequencies = cellsOut[ColRx].empty() && cellsOut[ColTx].empty();
                if (value.empty() && noFrequencies)
                    continue;
                if (!entryIn(c, value, language, value)) {
                    result.rejected.push_back({row, c, 0, cells[std::size_t(c - 1)]});
                    refused = true;
                    continue;
                }
            } else if (c == ColTx && cellsOut[ColRx].empty()) {
                continue; // a cleared row has no transmit frequency
            }
            const CommitResult commit = commitCell(cellsOut, c, value, bandLow, bandHigh, language);
            if (commit.message != 0) {
                result.rejected.push_back({row, c, commit.message, value});
                refused = true;
            }
            cellsOut = commit.row;
        }
        if (!refused)
            result.table[row] = cellsOut;
        result.rows.push_back(row);
        ++row;
    }
    result.ok = result.rejected.empty() && !result.rows.empty();
    if (!result.ok)
        result.table = current;
    return result;
}

} // namespace radio::clipboard
