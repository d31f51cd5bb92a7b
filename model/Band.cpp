#include "model/Band.h"

#include "model/Codecs.h"

#include <limits>

namespace radio {

namespace {

// The band edges are whole MHz; a number too large for 10 Hz units in 32 bits
// saturates instead of wrapping into a meaningless limit.
// Compared before multiplying: the product itself could overflow.
std::int32_t toUnits(long mhz) {
    constexpr long kUnitsPerMhz = 100000;
    if (mhz > std::numeric_limits<std::int32_t>::max() / kUnitsPerMhz)
        return std::numeric_limits<std::int32_t>::max();
    if (mhz < std::numeric_limits<std::int32_t>::min() / kUnitsPerMhz)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(mhz * kUnitsPerMhz);
}

} // namespace

BandLimits bandLimits(const std::string& bandText) {
    BandLimits limits;
    limits.low = toUnits(atoiC(bandText));
    const std::size_t dash = bandText.find('-');
    limits.high =
        dash == std::string::npos ? limits.low : toUnits(atoiC(bandText.substr(dash + 1)));
    return limits;
}

std::string bandDefect(const std::string& bandText, const Translate& translate) {
    if (bandText.find_first_not_of(" \t") == std::string::npos)
        return {};
    const BandLimits b = bandLimits(bandText);
    if (b.low < kMinStoredUnits)
        return translate("Band", "its low edge is below 10 MHz, which a channel cannot hold");
    if (b.high < b.low)
        return translate("Band", "its high edge is missing or below its low edge");
    if (b.high > kMaxStoredUnits)
        return translate("Band", "its high edge is above 999 MHz, which a channel cannot hold");
    return {};
}

BandLimits usableBandLimits(const std::string& bandText) {
    return bandDefect(bandText, untranslated()).empty() ? bandLimits(bandText) : BandLimits{};
}

} // namespace radio
