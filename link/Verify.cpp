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

namespace {

// The read-back is a read to the engine and a check to the user: its phases
// say so, everything else passes through.
class VerifyingSink : public TransferSink {
public:
    explicit VerifyingSink(TransferSink& inner) : m_inner(inner) {}
    void setRange(int maximum) override { m_inner.setRange(maximum); }
    void step() override { m_inner.step(); }
    int position() const override { return m_inner.position(); }
    void setText(const std::string& text) override { m_inner.setText(text); }
    void setPhase(TransferPhase phase) override {
        m_inner.setPhase(phase == TransferPhase::Connecting ? TransferPhase::ConnectingToVerify
                                                            : TransferPhase::Verifying);
    }
    void pump() override { m_inner.pump(); }
    bool cancelled() const override { return m_inner.cancelled(); }
    Answer askRetry(int stringId) override { return m_inner.askRetry(stringId); }
    void showMessage(int stringId, const std::string& detail) override {
        m_inner.showMessage(stringId, detail);
    }

private:
    TransferSink& m_inner;
};

} // namespace

VerifyOutcome verifyWrite(const std::string& portName, bool factory, Port& port, Clock& clock,
                          TransferSink& sink, const Image& written) {
    VerifyOutcome outcome;
    // A read only fills the scratch copy once every block arrived.
    Image readBack = written;
    VerifyingSink verifying(sink);
    outcome.read =
        runTransfer({portName, Direction::Read, factory}, port, clock, verifying, readBack);
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
