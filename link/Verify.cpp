#include "link/Verify.h"

#include "model/StringTable.h"

#include <cstdio>

namespace radio::link {

std::vector<std::uint16_t> writtenDifferences(const Image& written, const Image& readBack,
                                              bool factory) {
    std::vector<std::uint16_t> out;
    for (const Range& r : transferRanges(Direction::Write, factory))
        for (unsigned a = r.start; a < r.end; ++a)
            if (written[a] != readBack[a])
                out.push_back(std::uint16_t(a));
    return out;
}

VerifyOutcome verifyWrite(const std::string& portName, bool factory, Port& port, Clock& clock,
                          TransferSink& sink, const Image& written) {
    VerifyOutcome outcome;
    // A read only fills the scratch copy once every block arrived.
    Image readBack = written;
    outcome.read = runTransfer({portName, Direction::Read, factory}, port, clock, sink, readBack);
    if (outcome.read.status == TransferStatus::Success)
        outcome.differing = writtenDifferences(written, readBack, factory);
    return outcome;
}

std::string verifyText(const VerifyOutcome& outcome, const Translate& translate,
                       std::size_t maxListed) {
    if (outcome.read.status != TransferStatus::Success)
        return translate("Verify", "Not verified: reading the radio back after the write failed.");
    if (outcome.differing.empty())
        return translate("Verify", "Verified: the radio holds what was written.");
    std::string text = textArg(
        translate("Verify",
                  "Verify failed: %1 byte(s) in the radio differ from what was written, at "),
        {std::to_string(outcome.differing.size())});
    for (std::size_t i = 0; i < outcome.differing.size() && i < maxListed; ++i) {
        char address[8];
        std::snprintf(address, sizeof address, "0x%03X", unsigned(outcome.differing[i]));
        text += (i ? ", " : "") + std::string(address);
    }
    if (outcome.differing.size() > maxListed)
        text += translate("Verify", ", ...");
    return text;
}

} // namespace radio::link
