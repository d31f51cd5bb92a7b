#pragma once
// The rules a cell editor's value must pass before it reaches the channel
// grid: band and 5 kHz / 6.25 kHz raster checks for frequencies, defaults for
// a new channel, no settings on a row without frequencies.

#include "model/ChannelTable.h"

#include <array>
#include <cstdint>
#include <string>

namespace radio {

struct CommitResult {
    std::array<std::string, kGridCols> row; // the row's texts after the commit
    int message = 0; // 0, IDS_OUT_OF_RANGE or IDS_STEP_ERROR (model/StringTable.h)
};

// Commits `editorText` into `column` (1..10) of `row`. For list columns the
// editor text is the selected entry's text. Band limits are inclusive, in
// 10 Hz units; `language` picks the language of a new channel's defaults.
// A refused frequency (message set) and a column outside 1..10 leave the row
// unchanged. A list cell holds a value only on a row with both frequencies.
CommitResult commitCell(const std::array<std::string, kGridCols>& row, int column,
                        const std::string& editorText, std::int64_t bandLow, std::int64_t bandHigh,
                        Language language);

// 0 when a frequency of `units` (10 Hz) may be stored, else the message that
// refuses it: IDS_OUT_OF_RANGE (outside the inclusive band, or 0, which text
// without a number gives) or IDS_STEP_ERROR (off the 5 kHz / 6.25 kHz raster).
int frequencyRule(std::int64_t units, std::int64_t bandLow, std::int64_t bandHigh);
// Whether `units` lies on the 5 kHz / 6.25 kHz raster.
bool onRaster(std::int64_t units);
// 10 Hz units as MHz without trailing zeros: 44610000 -> "446.1".
std::string megahertz(std::int64_t units);

// What an import tells about a frequency commitCell refused with `message`
// (IDS_OUT_OF_RANGE or IDS_STEP_ERROR), naming the broken limit: "446.1 MHz
// is outside the band 400-470 MHz", "446.002 MHz is not on the 5 kHz or
// 6.25 kHz raster". A number too large to read exactly shows as typed.
std::string limitMessage(int message, const std::string& typed, std::int64_t bandLow,
                         std::int64_t bandHigh, const Translate& translate);

} // namespace radio
