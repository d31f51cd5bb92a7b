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
// The same for `channels` only, in that order; with `renumber` the rows get
// Locations 1, 2, ... (a channel set), else their channel numbers.
std::string exportCsv(const Image& image, const std::vector<int>& channels, bool renumber);
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

// ---- Lists longer than the radio: every row read on its own, then chosen.

// One row of a channel list, read against this radio.
struct FileRow {
    int line = 0;         // line of the file where the row starts
    std::string location; // as written
    long number = -1;     // Location as a whole number, -1 when it is none
    std::string name;     // Name and Comment, which the radio cannot keep
    std::string comment;
    std::string power;                          // the Power cell as written
    std::int64_t rx = 0, tx = 0;                // 10 Hz units as read, 0 when unreadable
    bool usable = false;                        // the row can go into this radio
    bool shapeError = false;                    // more fields than the first line names
    std::string reason;                         // why not, when not usable
    std::array<std::string, kGridCols> cells{}; // the channel in English texts, CH empty
};

struct ListFile {
    std::string error; // a problem with the file as a whole
    std::vector<FileRow> rows;
    bool zeroBased = false; // some Location is 0
    // Columns this radio reads that the file lacks: their settings took defaults.
    std::vector<std::string> missingColumns;
};

// Every row of the file, checked as importCsv checks it (Location aside).
ListFile readList(const std::string& csvText, std::int64_t bandLow, std::int64_t bandHigh,
                  const Translate& translate = untranslated());

// The list goes into the radio as it stands, Location = channel: no more
// rows than channels and every whole-number Location one of the channels.
// Otherwise the rows must be chosen (rowsInRange, place).
bool fitsByLocation(const ListFile& list);

// What the radio does with a watt figure ("0.5W", "5 W", "2.0"): at most
// 1 W is Low, above it High. False when `text` is no number of watts.
bool wattsArePower(const std::string& text, bool& high);

// The rows whose Location number lies in from..to, in file order; Locations
// missing in the range are simply not there.
std::vector<std::size_t> rowsInRange(const ListFile& list, long from, long to);
// "A-B" (or one number) -> from, to. False when it is not that.
bool parseRange(const std::string& text, long& from, long& to);

// The chosen rows into consecutive channels from `firstChannel` on. A chosen
// row the radio cannot take is rejected with its line and reason; more rows
// than channels from `firstChannel` is an error. Nothing is written here.
Import place(const ListFile& list, const std::vector<std::size_t>& chosen, int firstChannel,
             const ChannelTable& current, const Translate& translate = untranslated());

// What an import of `chosen` rows should tell the user once: the settings
// that got defaults, the missing columns, how watts were mapped, and the
// names and comments the radio has nowhere to keep. One line each.
std::string importNotice(const ListFile& list, const std::vector<std::size_t>& chosen,
                         const Translate& translate = untranslated());

// Writes the accepted rows' channels (records and scan-add bits) into
// `image`; every other byte stays as it is. Nothing after a file error.
void apply(const Import& import, Image& image);

// "line 7: reason", for a list the user reads.
std::string describe(const Rejected& rejected);

} // namespace radio::interchange
