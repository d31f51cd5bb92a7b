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

std::string verifyText(const VerifyOutcome& outcome, bool chinese, std::size_t maxListed) {
    if (outcome.read.status != TransferStatus::Success)
        return chinese ? "未能校验：写入后读回电台数据失败。"
                       : "Not verified: reading the radio back after the write failed.";
    if (outcome.differing.empty())
        return chinese ? "校验通过：电台中的数据与写入的一致。"
                       : "Verified: the radio holds what was written.";
    std::string text = chinese ? "校验失败：电台中有 " + std::to_string(outcome.differing.size()) +
                                     " 个字节与写入的不同，地址："
                               : "Verify failed: " + std::to_string(outcome.differing.size()) +
                                     " byte(s) in the radio differ from what was written, at ";
    for (std::size_t i = 0; i < outcome.differing.size() && i < maxListed; ++i) {
        char address[8];
        std::snprintf(address, sizeof address, "0x%03X", unsigned(outcome.differing[i]));
        text += (i ? ", " : "") + std::string(address);
    }
    if (outcome.differing.size() > maxListed)
        text += chinese ? " 等" : ", ...";
    return text;
}

} // namespace radio::link
