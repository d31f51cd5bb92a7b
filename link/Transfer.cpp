#include "link/Transfer.h"

#include "model/MemoryMap.h"
#include "model/StringTable.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace radio::link {

void SystemClock::sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::vector<Range> transferRanges(Direction direction, bool factory) {
    // The radio keeps 0x3F1 onwards to itself: nothing past the call tone moves.
    const Range full{mm::Header.offset, mm::NeverTransferred.offset};
    if (direction == Direction::Read || factory)
        return {full};
    // A normal write leaves the radio's calibration alone: the factory-only
    // row, the parameter adjustment values (which end with the emphasis
    // switches) and the power adjustment values.
    return {
        {mm::Header.offset, mm::FactoryBlock.offset},
        {mm::end(mm::FactoryBlock), mm::ParamAdjust.offset},
        {mm::end(mm::Emphasis), mm::PowerAdjust.offset},
        {mm::CallTone.offset, mm::end(mm::CallTone)},
    };
}

std::vector<Block> blockPlan(const std::vector<Range>& ranges) {
    std::vector<Block> blocks;
    for (const Range& r : ranges) {
        unsigned at = r.start;
        while (at < r.end) {
            const unsigned length = std::min(8u - at % 8u, unsigned(r.end) - at);
            blocks.push_back({std::uint16_t(at), std::uint8_t(length)});
            at += length;
        }
    }
    return blocks;
}

int transferBytes(Direction direction, bool factory) {
    int bytes = 0;
    for (const Range& r : transferRanges(direction, factory))
        bytes += r.end - r.start;
    return bytes;
}

std::array<std::uint8_t, 4> blockCommand(std::uint8_t command, const Block& block) {
    return {command, std::uint8_t(block.address >> 8), std::uint8_t(block.address & 0xFF),
            block.length};
}

bool replyHeaderMatches(const std::uint8_t* header, const Block& block) {
    // The radio answers with the block as a write frame would carry it; an
    // echo of the read command names the same block.
    const auto expected = blockCommand(kWriteCommand, block);
    return (header[0] == kWriteCommand || header[0] == kReadCommand) &&
           std::equal(expected.begin() + 1, expected.end(), header + 1);
}

void copyTransferredRange(const Image& from, Image& to) {
    const std::size_t end = mm::NeverTransferred.offset;
    std::copy(from.begin(), from.begin() + end, to.begin());
}

namespace {

// Unwinds the transfer from any depth once it is over.
struct Ended {
    TransferStatus status;
    int messageId;
};

class Session {
public:
    Session(const TransferRequest& request, Port& port, Clock& clock, TransferSink& sink)
        : m_request(request), m_port(port), m_clock(clock), m_sink(sink) {}

    TransferResult run(Image& image) {
        TransferResult result;
        if (!m_port.open(m_request.portName)) {
            result.status = TransferStatus::OpenFailed;
            result.messageId = IDS_OPEN_PORT_FAIL;
            result.detail = m_port.openErrorText();
            m_sink.showMessage(IDS_OPEN_PORT_FAIL, result.detail);
            return result;
        }
        m_port.configure();
        m_sink.setPhase(TransferPhase::Connecting);
        const auto blocks = blockPlan(transferRanges(m_request.direction, m_request.factory));
        m_sink.setRange(int(blocks.size()));
        try {
            handshake();
            m_sink.setPhase(m_request.direction == Direction::Write ? TransferPhase::Writing
                                                                    : TransferPhase::Reading);
            if (m_request.direction == Direction::Write) {
                writeBlocks(blocks, image);
            } else {
                // The radio's bytes land in a scratch copy first, so a read
                // that breaks off never leaves a document half radio, half old.
                Image scratch = image;
                readBlocks(blocks, scratch);
                copyTransferredRange(scratch, image);
            }
            result.status = TransferStatus::Success;
        } catch (const Ended& e) {
            result.status = e.status;
            result.messageId = e.messageId;
        }
        result.blocksDone = m_blocksDone;
        result.identification = m_identification;
        m_port.close();
        return result;
    }

private:
    // Lets the window run; a cancel request ends the transfer without a message.
    void pump() {
        m_sink.pump();
        if (m_sink.cancelled())
            throw Ended{TransferStatus::Cancelled, 0};
    }

    // A failure that follows a cancel request is the cancel taking effect
    // (a port may cut a wait short on cancel): no message then.
    [[noreturn]] void interrupt() {
        if (m_sink.cancelled())
            throw Ended{TransferStatus::Cancelled, 0};
        m_sink.showMessage(IDS_INTERRUPT, {});
        throw Ended{TransferStatus::Interrupted, IDS_INTERRUPT};
    }

    void writeByte(std::uint8_t b) { m_port.write(&b, 1); }

    void handshake() {
        int attempt = 1;
        for (;;) {
            switch (handshakeAttempt(attempt)) {
            case AttemptResult::Success:
                return;
            case AttemptResult::Again:
                continue;
            case AttemptResult::Interrupt:
                interrupt();
            case AttemptResult::Ask:
                if (m_sink.cancelled())
                    throw Ended{TransferStatus::Cancelled, 0};
                if (m_sink.askRetry(IDS_COMM_ERROR) == TransferSink::Answer::Cancel)
                    throw Ended{TransferStatus::CommError, IDS_COMM_ERROR};
                attempt = 1;
                break;
            }
        }
    }

    enum class AttemptResult { Success, Again, Ask, Interrupt };

    AttemptResult handshakeAttempt(int& attempt) {
        for (int i = 0; i < kHandshakePumps; ++i) {
            pump();
            m_clock.sleepMs(1);
        }
        m_port.purgeAll();
        for (std::uint8_t b : kProgramRequest) {
            m_clock.sleepMs(2);
            m_port.purge();
            writeByte(b);
        }
        std::uint8_t answer[1] = {0};
        if (m_port.read(answer, 1) < 0) {
            // A dead read call (as opposed to silence) is retried without asking.
            m_clock.sleepMs(2);
            ++attempt;
            return attempt <= kMaxSilentAttempts ? AttemptResult::Again : AttemptResult::Ask;
        }
        m_clock.sleepMs(1);
        m_port.purge();
        writeByte(kIdentRequest);
        m_clock.sleepMs(1);
        std::uint8_t ident[kIdentReplySize];
        const int identSize = m_port.read(ident, sizeof ident);
        if (identSize < 0)
            return AttemptResult::Ask;
        m_identification.assign(ident, ident + identSize);
        // Purge only before sending: a purge after the confirm byte throws
        // away the answer of a radio that replies at once.
        m_port.purge();
        writeByte(kAck);
        m_clock.sleepMs(1);
        std::uint8_t confirm[1] = {0};
        if (m_port.read(confirm, 1) == 1 && confirm[0] == kAck)
            return AttemptResult::Success;
        return attempt > kInterruptAfter ? AttemptResult::Interrupt : AttemptResult::Ask;
    }

    void blockDone() {
        m_sink.step();
        ++m_blocksDone;
        m_sink.setText(std::to_string(m_sink.position()));
        for (int i = 0; i < kBlockPumps; ++i)
            pump();
    }

    bool radioAcknowledged() {
        std::uint8_t ack[1] = {0};
        return m_port.read(ack, 1) == 1 && ack[0] == kAck;
    }

    void writeBlocks(const std::vector<Block>& blocks, const Image& image) {
        for (const Block& block : blocks) {
            m_port.purge();
            const auto command = blockCommand(kWriteCommand, block);
            m_port.write(command.data(), command.size());
            m_port.write(&image[block.address], block.length);
            if (!radioAcknowledged())
                interrupt();
            blockDone();
        }
    }

    void readBlocks(const std::vector<Block>& blocks, Image& scratch) {
        for (const Block& block : blocks) {
            m_port.purge();
            const auto command = blockCommand(kReadCommand, block);
            m_port.write(command.data(), command.size());
            // The reply must name the block asked for: after a stray byte
            // every later byte is shifted, and the data would land at the
            // wrong address. A mismatch is a broken reply like a short one.
            std::uint8_t header[kBlockHeaderSize];
            if (m_port.read(header, sizeof header) != int(sizeof header) ||
                !replyHeaderMatches(header, block))
                interrupt();
            std::uint8_t data[8] = {0};
            const int got = m_port.read(data, block.length);
            if (got < int(block.length))
                interrupt();
            std::memcpy(&scratch[block.address], data, block.length);
            m_port.purge();
            writeByte(kAck);
            if (!radioAcknowledged())
                interrupt();
            blockDone();
        }
    }

    const TransferRequest& m_request;
    Port& m_port;
    Clock& m_clock;
    TransferSink& m_sink;
    int m_blocksDone = 0;
    std::vector<std::uint8_t> m_identification;
};

} // namespace

TransferResult runTransfer(const TransferRequest& request, Port& port, Clock& clock,
                           TransferSink& sink, Image& image) {
    return Session(request, port, clock, sink).run(image);
}

Result<void> transferOutcome(const TransferResult& result, TransferStage stage) {
    // The three codes of each failure follow each other: main, backup, verify.
    const auto staged = [stage](FailureCode main) { return FailureCode(int(main) + int(stage)); };
    switch (result.status) {
    case TransferStatus::Success:
        return {};
    case TransferStatus::OpenFailed:
        return Failure{staged(FailureCode::PortNotOpened), {result.detail}};
    case TransferStatus::CommError:
        return Failure{staged(FailureCode::CommunicationError), {}};
    case TransferStatus::Interrupted:
        return Failure{staged(FailureCode::Interrupted), {}};
    case TransferStatus::Cancelled:
        break;
    }
    return Failure{FailureCode::Cancelled, {}};
}

} // namespace radio::link
