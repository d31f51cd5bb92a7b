#pragma once
// The channel grid as CSV (RFC 4180, UTF-8): export of the table, and an
// import that runs every cell through the same commit rules as the grid.

#include "model/ChannelTable.h"
#include "model/Image.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace radio {

// One field quoted when it holds a comma, a quote, CR or LF.
std::string csvField(const std::string& text);
// Rows 1..16 of `table` under the English header row, CRLF line ends.
std::string tableToCsv(const ChannelTable& table);

struct CsvRecord {
    int line = 0; // line number where the record starts, from 1
    std::vector<std::string> fields;
};
struct CsvParse {
    bool ok = false;
    std::string error;
    std::vector<CsvRecord> records;
};
// RFC 4180 with LF or CRLF line ends; a leading UTF-8 byte order mark is
// skipped and blank lines are dropped.
CsvParse parseCsv(const std::string& text);
// parseCsv for a file to import, whose first line names the columns: an
// empty file fails too, with a message that says so.
CsvParse parseImportCsv(const std::string& text);

struct CsvImport {
    bool ok = false;
    std::string error;                     // a problem with the file's shape, if any
    std::vector<std::string> rejected;     // "row N, column NAME: message text"
    ChannelTable table;                    // the committed table (after a shape error: empty)
    std::array<bool, kGridRows> listed{};  // channels that had a row
    std::array<bool, kGridRows> refused{}; // channels with a rejected cell (never applied)
};
// Commits the CSV's cells into `current` (an English table of the image) as
// the grid would: per row Rx, then Tx, then the list columns. Columns may
// come in any order and any may be missing except "CH"; channels without a
// row keep their texts.
// Rejections name the broken limit, through `translate`.
CsvImport importCsv(const std::string& csvText, const ChannelTable& current, std::int64_t bandLow,
                    std::int64_t bandHigh, const Translate& translate = untranslated());
// Writes the channels that had a row and no rejected cell (records and
// scan-add bits) into `image`; every other byte stays as it is. Whether a file
// with rejected cells is applied at all is the caller's choice.
void applyImport(const CsvImport& import, Image& image);

} // namespace radio
