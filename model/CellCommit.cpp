#include "model/CellCommit.h"

#include "model/Codecs.h"
#include "model/DataTexts.h"
#include "model/SafeFile.h"
#include "model/StringTable.h"

#include <limits>

namespace radio {

namespace {

using Row = std::array<std::string, kGridCols>;

void clearRow(Row& row) {
    for (int c = ColRx; c <= ColScrambler; ++c)
        row[c].clear();
}

// A row is a channel only with both frequencies: the image holds nothing
// else of a row that lacks one, so neither may the grid.
bool programmed(const Row& row) {
    return !row[ColRx].empty() && !row[ColTx].empty();
}

// A new channel's settings, columns 3..10.
std::array<std::string, 8> newChannelDefaults(Language language) {
    using namespace data;
    std::array<std::string, 8> out;
    const Word words[8] = {None, None, High, No, Off, Wide, Off, Off};
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = text(words[i], language);
    return out;
}

} // namespace

std::string megahertz(std::int64_t units) {
    std::string text = std::to_string(units / 100000);
    std::string fraction = std::to_string(units % 100000);
    fraction.insert(0, 5 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return fraction.empty() ? text : text + "." + fraction;
}

bool onRaster(std::int64_t units) {
    return units % 500 == 0 || units % 625 == 0;
}

int frequencyRule(std::int64_t units, std::int64_t bandLow, std::int64_t bandHigh) {
    // 0 is what text without a number gives; it is never a frequency, even
    // when missing band settings leave the limits at 0..0.
    if (units == 0 || units < bandLow || units > bandHigh)
        return IDS_OUT_OF_RANGE;
    if (!onRaster(units))
        return IDS_STEP_ERROR;
    return 0;
}

std::string limitMessage(int message, const std::string& typed, std::int64_t bandLow,
                         std::int64_t bandHigh, const Translate& translate) {
    const std::int64_t value = frequencyUnits(typed);
    if (value <= 0)
        return textArg(translate("CellCommit", "\"%1\" is not a frequency in MHz"), {typed});
    // A reading that saturated is no value anybody typed: show the text itself.
    const std::size_t first = typed.find_first_not_of(" \t");
    const std::string bare =
        typed.substr(first, typed.find_last_not_of(" \t") - first + 1); // value > 0: not blank
    const bool exact = value < std::numeric_limits<std::int64_t>::max() && isPlainDecimal(bare);
    const std::string shown = exact ? megahertz(value) : files::printable(bare);
    if (message == IDS_STEP_ERROR)
        return textArg(translate("CellCommit", "%1 MHz is not on the 5 kHz or 6.25 kHz raster"),
                       {shown});
    if (bandLow <= 0 && bandHigh <= 0)
        return textArg(translate("CellCommit", "%1 MHz is outside the band: no band is set"),
                       {shown});
    return textArg(translate("CellCommit", "%1 MHz is outside the band %2-%3 MHz"),
                   {shown, megahertz(bandLow), megahertz(bandHigh)});
}

CommitResult commitCell(const std::array<std::string, kGridCols>& row, int column,
                        const std::string& editorText, std::int64_t bandLow, std::int64_t bandHigh,
                        Language language) {
    CommitResult result{row, 0};
    auto& out = result.row;
    const std::string& rx = row[ColRx];

    // A refused frequency leaves the row exactly as it was: the message asks
    // for the value again, and a typo must not cost the channel.
    const bool frequency = column == ColRx || column == ColTx;
    if (frequency && !editorText.empty()) {
        result.message = frequencyRule(frequencyUnits(editorText), bandLow, bandHigh);
        if (result.message != 0)
            return result;
    }

    if (column == ColRx) {
        if (editorText.empty()) {
            clearRow(out);
            return result;
        }
        const std::string text = formatFrequencyText(editorText);
        out[ColRx] = text;
        if (rx.empty()) // a new channel
            out[ColTx] = text;
    } else if (column == ColTx) {
        if (editorText.empty())
            out[ColTx] = rx; // transmits on its receive frequency
        else
            out[ColTx] = rx.empty() ? std::string() : formatFrequencyText(editorText);
    } else if (column >= ColDecode && column <= ColScrambler) {
        out[column] = programmed(row) ? editorText : std::string();
        return result;
    } else {
        return result;
    }

    // A row that just became a channel gets the new channel's settings (a
    // new receive frequency all of them, a completed row those it lacks), so
    // what the grid shows is what a save stores.
    if (programmed(out) && !programmed(row)) {
        const auto defaults = newChannelDefaults(language);
        for (int c = ColDecode; c <= ColScrambler; ++c)
            if (rx.empty() || out[c].empty())
                out[c] = defaults[c - ColDecode];
    }
    return result;
}

} // namespace radio
