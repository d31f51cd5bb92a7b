#pragma once
// One value put into many channel cells at once (fill down, a value for the
// selected cells, one copied row pasted onto several rows). Every cell goes
// through the same commit as a typed value; when any would be refused, the
// outcome lists them all and the table stays as it was.

#include "model/ChannelTable.h"
#include "model/RowClipboard.h"

#include <cstdint>
#include <string>
#include <vector>

namespace radio::bulk {

struct Cell {
    int row = 0;    // 1..16
    int column = 0; // 1..10
};

struct Outcome {
    bool ok = false; // false: `refused` says why, `table` is the current one
    std::vector<clipboard::Rejected> refused;
    ChannelTable table;
};

// For each column among `cells`, the topmost selected cell's value goes into
// the column's other selected cells below it. Values are read before any
// cell changes; a row takes its cells in column order, so a new channel's
// defaults yield to list values filled alongside its frequency.
Outcome fillDown(const ChannelTable& current, const std::vector<Cell>& cells, std::int64_t bandLow,
                 std::int64_t bandHigh, Language language);

// `value` into `column` of every row in `rows`.
Outcome setCells(const ChannelTable& current, const std::vector<int>& rows, int column,
                 const std::string& value, std::int64_t bandLow, std::int64_t bandHigh,
                 Language language);

// A clipboard holding exactly one channel row, pasted onto each of `rows`;
// with any other text, or a single row, the paste is the ordinary one from
// the first row down.
clipboard::Paste pasteOntoRows(const std::string& text, const ChannelTable& current,
                               const std::vector<int>& rows, std::int64_t bandLow,
                               std::int64_t bandHigh, Language language);

} // namespace radio::bulk
