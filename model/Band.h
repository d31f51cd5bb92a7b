#pragma once
// The radio's band as the settings file writes it ("400-470", whole MHz) and
// the limits the channel editor, the imports and the write check use.

#include "model/Text.h"

#include <cstdint>
#include <string>

namespace radio {

// Band limits in 10 Hz units.
struct BandLimits {
    std::int32_t low = 0, high = 0;
};

// "400-470" -> 40000000 / 47000000; without "-" both take the first number;
// "" -> 0 / 0. Each number is read like atoi (leading blanks, stops at the
// first non-digit, none gives 0).
BandLimits bandLimits(const std::string& bandText);

// A frequency a channel record can hold: eight packed decimal digits whose
// top pair is neither 00 nor FF, so 10.00000 to 999.99999 MHz.
constexpr std::int64_t kMinStoredUnits = 1000000;
constexpr std::int64_t kMaxStoredUnits = 99999999;

// Why a channel record cannot hold the band's frequencies ("-470", "400-",
// an edge below 10 MHz or above 999 MHz), translated; empty when it can.
// An empty text (no band) has no defect here.
std::string bandDefect(const std::string& bandText, const Translate& translate);

// bandLimits for a band without a defect; 0 / 0 (nothing passes) otherwise,
// so no import or edit can store a value the image cannot encode.
BandLimits usableBandLimits(const std::string& bandText);

} // namespace radio
