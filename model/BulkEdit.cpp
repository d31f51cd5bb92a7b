#include "model/BulkEdit.h"

#include "model/CellCommit.h"

#include <algorithm>
#include <map>

namespace radio::bulk {

namespace {

using Row = std::array<std::string, kGridCols>;

bool isListColumn(int column) {
    return column >= ColDecode && column <= ColScrambler;
}

bool isEntry(int column, const std::string& value, Language language) {
    const auto& entries = columnEntries(column, language);
    return std::find(entries.begin(), entries.end(), value) != entries.end();
}

// Commits `value` into `row` as the editor would; false with the refusal
// added when the row would not take it. A list cell of a row with
// frequencies takes only one of its entries (the editor offers nothing
// else); a row without frequencies keeps its list cells empty, as typed.
bool commitInto(Row& row, int rowIndex, int column, const std::string& value, std::int64_t bandLow,
                std::int64_t bandHigh, Language language,
                std::vector<clipboard::Rejected>& refused) {
    if (isListColumn(column) && !(row[ColRx].empty() && row[ColTx].empty()) &&
        !isEntry(column, value, language)) {
        refused.push_back({rowIndex, column, 0, value});
        return false;
    }
    const CommitResult r = commitCell(row, column, value, bandLow, bandHigh, language);
    if (r.message != 0) {
        refused.push_back({rowIndex, column, r.message, value});
        return false;
    }
    row = r.row;
    return true;
}

// Commits the per-row values (column -> value) in column order.
Outcome apply(const ChannelTable& current, const std::map<int, std::map<int, std::string>>& edits,
              std::int64_t bandLow, std::int64_t bandHigh, Language language) {
    Outcome out;
    out.table = current;
    for (const auto& [row, values] : edits) {
        Row cells = current[std::size_t(row)];
        for (const auto& [column, value] : values)
            commitInto(cells, row, column, value, bandLow, bandHigh, language, out.refused);
        out.table[std::size_t(row)] = cells;
    }
    out.ok = out.refused.empty();
    if (!out.ok)
        out.table = current;
    return out;
}

bool validCell(int row, int column) {
    return row >= 1 && row < kGridRows && column >= ColRx && column <= ColScrambler;
}

} // namespace

Outcome fillDown(const ChannelTable& current, const std::vector<Cell>& cells, std::int64_t bandLow,
                 std::int64_t bandHigh, Language language) {
    std::map<int, int> top; // column -> topmost selected row
    for (const Cell& c : cells) {
        if (!validCell(c.row, c.column))
            continue;
        auto it = top.find(c.column);
        if (it == top.end() || c.row < it->second)
            top[c.column] = c.row;
    }
    std::map<int, std::map<int, std::string>> edits;
    for (const Cell& c : cells) {
        if (!validCell(c.row, c.column) || c.row == top[c.column])
            continue;
        edits[c.row][c.column] = current[std::size_t(top[c.column])][std::size_t(c.column)];
    }
    return apply(current, edits, bandLow, bandHigh, language);
}

Outcome setCells(const ChannelTable& current, const std::vector<int>& rows, int column,
                 const std::string& value, std::int64_t bandLow, std::int64_t bandHigh,
                 Language language) {
    std::map<int, std::map<int, std::string>> edits;
    for (int row : rows)
        if (validCell(row, column))
            edits[row][column] = value;
    return apply(current, edits, bandLow, bandHigh, language);
}

clipboard::Paste pasteOntoRows(const std::string& text, const ChannelTable& current,
                               const std::vector<int>& rows, std::int64_t bandLow,
                               std::int64_t bandHigh, Language language) {
    const int first = rows.empty() ? 1 : *std::min_element(rows.begin(), rows.end());
    clipboard::Paste single =
        clipboard::pasteRows(text, current, first, bandLow, bandHigh, language);
    // One line landed (or was refused cell by cell) on one row: a one-row clipboard.
    const bool oneLine = single.rows.size() == 1 &&
                         std::none_of(single.rejected.begin(), single.rejected.end(),
                                      [](const clipboard::Rejected& r) { return r.column == 0; });
    if (rows.size() < 2 || !oneLine)
        return single;
    clipboard::Paste all;
    all.table = current;
    for (int row : rows) {
        const clipboard::Paste p =
            clipboard::pasteRows(text, all.table, row, bandLow, bandHigh, language);
        all.rows.insert(all.rows.end(), p.rows.begin(), p.rows.end());
        all.rejected.insert(all.rejected.end(), p.rejected.begin(), p.rejected.end());
        if (p.ok)
            all.table = p.table;
    }
    all.ok = all.rejected.empty() && !all.rows.empty();
    if (!all.ok)
        all.table = current;
    return all;
}

} // namespace radio::bulk
