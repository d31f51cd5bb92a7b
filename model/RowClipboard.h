#pragma once
// Channel rows on the clipboard as tab-separated text, so they paste into a
// spreadsheet and back. Pasting runs every cell through the grid's commit
// rules, exactly as if the user had typed it.

#include "model/ChannelTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace radio::clipboard {

// The rows (1..16, ascending, each once) with all 11 cells, tab-separated,
// one line each ending in "\n".
std::string copyRows(const ChannelTable& table, const std::vector<int>& rows);

struct Rejected {
    int row = 0;       // grid row the pasted line was meant for
    int column = 0;    // grid column, 0 for the line as a whole
    int message = 0;   // string-table message (model/StringTable.h), or 0
    std::string value; // the refused text when message is 0
};

struct Paste {
    bool ok = false;
    std::vector<Rejected> rejected;
    std::vector<int> rows; // grid rows the lines land on
    ChannelTable table;    // `current` with the pasted rows when ok
};

// Pastes lines from `firstRow` down. A line holds the 10 channel cells, or
// 11 with the channel number first (ignored: rows land in order). List
// cells may be in either language and come out in the table's language.
// Nothing is pasted when any cell is refused or a line falls past row 16.
Paste pasteRows(const std::string& text, const ChannelTable& current, int firstRow,
                std::int64_t bandLow, std::int64_t bandHigh, Language language);

} // namespace radio::clipboard
