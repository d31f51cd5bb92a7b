#pragma once
// Checking a write: after the write session ends, a read session fetches the
// radio's memory and the ranges the write covered are compared byte for
// byte. A radio that acknowledges a block but does not keep it is found here.

#include "link/Transfer.h"
#include "model/Image.h"
#include "model/Text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace radio::link {

struct VerifyOutcome {
    TransferResult read;                  // how the read session ended
    std::vector<std::uint16_t> differing; // addresses the radio does not hold as written
    bool verified() const { return read.status == TransferStatus::Success && differing.empty(); }
};

// Addresses in the ranges a write (normal or factory) covers where
// `readBack` differs from `written`, ascending.
std::vector<std::uint16_t> writtenDifferences(const Image& written, const Image& readBack,
                                              bool factory);

// The read session after a write on `portName`, compared with `written`.
VerifyOutcome verifyWrite(const std::string& portName, bool factory, Port& port, Clock& clock,
                          TransferSink& sink, const Image& written);

// The outcome for the user: "Verified: ..." or the differing addresses (at
// most `maxListed`, then a count of the rest), or why the read failed.
std::string verifyText(const VerifyOutcome& outcome, const Translate& translate,
                       std::size_t maxListed = 32);

} // namespace radio::link
