#pragma once
// The common 21-column channel-list CSV that other programming tools read and
// write. Export maps each used channel to one row; import finds columns by
// header name and runs every row through the grid's own commit rules, so a
// file can never bring in a channel the grid would refuse.

#include "model/ChannelTable.h"
#include "model/Image.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace radio::interchange {

// The header row, in the order export writes it.
const std::vector<std::string>& columnNames();

// One row per programmed channel (both frequencies set), Location = channel
// number (1..16); UTF-8, RFC 4180 quoting, CRLF line ends.
std::string exportCsv(const Image& image);
// What the export cannot carry (busy lock, compander, scrambler), said once.
std::string exportNotice(const Translate& translate);

struct Rejected {
    int line = 0; // line of the file where the row starts, from 1
    std::string reason;
};

struct Import {
    bool ok = false;                      // no file error and no rejected row
    std::string error;                    // a problem with the file as a whole
    std::vector<Rejected> rejected;       // every rejected row, in file order
    ChannelTable table;                   // English texts: `current` with the accepted rows
    std::array<bool, kGridRows> listed{}; // channels of the accepted rows
    std::string notice; // the settings the accepted rows got by default; empty with none
};

// Reads the file against the current channels (an English table of the
// image) and the band limits (10 Hz units, inclusive). Nothing is applied
// here: with rejected rows the caller decides (the tool refuses the file,
// the window asks whether to take the accepted rows).
// Messages name the broken limit, through `translate`.
Import importCsv(const std::string& csvText, const ChannelTable& current, std::int64_t bandLow,
                 std::int64_t bandHigh, const Translate& translate = untranslated());

// Writes the accepted rows' channels (records and scan-add bits) into
// `image`; every other byte stays as it is. Nothing after a file error.
void apply(const Import& import, Image& image);

// "line 7: reason", for a list the user reads.
std::string describe(const Rejected& rejected);

} // namespace radio::interchange
