#pragma once
// The whole configuration checked with the rules a user's typing and the
// dialogs meet: programmed channels inside the band and on the raster, tones
// from the tone list, every radio-wide value one of its choices, and the
// model and band naming an entry of the settings file. Run before every
// write to a radio and when a file opens; a configuration the editors made
// always passes.

#include "model/Band.h"
#include "model/Image.h"
#include "model/Text.h"

#include <string>
#include <vector>

namespace radio::check {

// The settings file's models ("Type1", ...) in order, each with its bands
// ("Field1" split at "|").
struct Product {
    std::string model;
    std::vector<std::string> bands;
};
struct Settings {
    bool found = false; // false: there was no settings file to check against
    std::vector<Product> products;
};

struct Problem {
    int channel = 0;    // 1..16, or 0 for a radio-wide value
    int gridColumn = 0; // the grid column of a channel's problem (ColRx...), else 0
    std::string column; // the grid column or dialog label, translated
    std::string value;  // as the window shows it, or the stored number
    std::string reason; // translated
};

std::vector<Problem> checkConfiguration(const Image& image, const Settings& settings,
                                        const Translate& translate);

// The programmed channels alone, against `band` (null: the raster only).
std::vector<Problem> checkChannels(const Image& image, const BandLimits* band,
                                   const Translate& translate);

// "Channel 3, Rx Frequency, 471.00000: ..." or "Squelch Level, 12: ...".
std::string describe(const Problem& problem, const Translate& translate);
// One line per problem: the first `shown`, then how many more.
std::string describeAll(const std::vector<Problem>& problems, const Translate& translate,
                        std::size_t shown = kListedLines);

} // namespace radio::check
