#pragma once
// The clone protocol: copies the radio memory image between a document and a
// radio over a byte-stream port. A fixed handshake, then blocks of at most
// 8 bytes, each acknowledged with 0x06. Host-driven and half-duplex.

#include "link/Port.h"
#include "model/Image.h"
#include "model/Result.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace radio::link {

enum class Direction { Read, Write };

// A half-open range [start, end) of image offsets.
struct Range {
    std::uint16_t start;
    std::uint16_t end;
};

struct Block {
    std::uint16_t address;
    std::uint8_t length; // 1..8
};

// What a transfer covers: a read or a factory write covers 0x000-0x3F0, a
// normal write skips the calibration and factory-only areas.
std::vector<Range> transferRanges(Direction direction, bool factory);
// Blocks of at most 8 bytes that never cross an 8-byte boundary, ascending.
std::vector<Block> blockPlan(const std::vector<Range>& ranges);

// Frames on the wire. Addresses go high byte first.
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kIdentRequest = 0x02;
inline constexpr std::array<std::uint8_t, 8> kProgramRequest = {0x02, 'P', 'R', 'O',
                                                                'G',  'R', 'A', 'M'};
inline constexpr std::size_t kIdentReplySize = 8;
inline constexpr std::size_t kBlockHeaderSize = 4;
std::array<std::uint8_t, 4> blockCommand(std::uint8_t command, const Block& block);
inline constexpr std::uint8_t kReadCommand = 'R';
inline constexpr std::uint8_t kWriteCommand = 'W';
// Whether the 4-byte header of a read block reply names `block`: command
// 'W' (or 'R'), the block's address and its length.
bool replyHeaderMatches(const std::uint8_t* header, const Block& block);

// Handshake attempts whose program-answer read call failed are retried
// silently up to this count; a wrong confirm answer after more than
// kInterruptAfter attempts ends the transfer instead of asking.
inline constexpr int kMaxSilentAttempts = 15;
inline constexpr int kInterruptAfter = 5;
inline constexpr int kHandshakePumps = 6;
inline constexpr int kBlockPumps = 9;

// What a transfer is doing, for a window that says so. The read-back that
// checks a write is a read to the engine; Verify reports it as the last two.
enum class TransferPhase { Connecting, Reading, Writing, ConnectingToVerify, Verifying };

// The progress dialog as the transfer sees it (or a terminal, or a test).
class TransferSink {
public:
    enum class Answer { Retry, Cancel };

    virtual ~TransferSink() = default;
    virtual void setRange(int maximum) = 0; // 0..maximum
    virtual void step() = 0;                // position + 1
    virtual int position() const = 0;
    virtual void setText(const std::string& text) = 0; // the block counter
    // Connecting once the port is open, before the range is set; then the
    // direction once the radio answered. Sinks without a phase line ignore it.
    virtual void setPhase(TransferPhase /*phase*/) {}
    // Lets the window handle one waiting event; a sink on another thread than
    // the window has nothing to do here.
    virtual void pump() = 0;
    virtual bool cancelled() const = 0;
    // Message 61451 with Retry and Cancel.
    virtual Answer askRetry(int stringId) = 0;
    // A message with an OK button; `detail` is the system's reason, may be empty.
    virtual void showMessage(int stringId, const std::string& detail) = 0;
};

enum class TransferStatus {
    Success,
    OpenFailed,  // message 61453 shown
    CommError,   // message 61451 answered with Cancel
    Interrupted, // message 61454 shown
    Cancelled,   // the user cancelled, no message
};

struct TransferResult {
    TransferStatus status = TransferStatus::Cancelled;
    int messageId = 0;  // the message shown at the end, 0 for none
    std::string detail; // the system's reason for a failed open
    int blocksDone = 0;
    // The radio's identification reply from the last handshake attempt (up
    // to 8 bytes; fewer when the radio sent fewer). Not examined here.
    std::vector<std::uint8_t> identification;
};

struct TransferRequest {
    std::string portName;
    Direction direction = Direction::Read;
    bool factory = false;
};

// Runs a whole transfer: open, configure, handshake, blocks, close. Every way
// out closes the port. A write only reads `image`. A read fills a scratch copy
// and, only once every block arrived, copies the transferred range into
// `image` (0x3F1-0x3FF keep their values); any other outcome leaves `image`
// byte for byte unchanged.
TransferResult runTransfer(const TransferRequest& request, Port& port, Clock& clock,
                           TransferSink& sink, Image& image);

// Which session of a longer run a transfer was: its failure says so.
enum class TransferStage { Main, BackupRead, VerifyRead };
// Success, or the failure the transfer ended with (Cancelled for a cancel),
// the system's reason for a failed open as its argument.
Result<void> transferOutcome(const TransferResult& result,
                             TransferStage stage = TransferStage::Main);

// How many bytes a transfer moves: the sum of its ranges (a read 1009).
int transferBytes(Direction direction, bool factory);

// Copies the bytes a read transfers from `from` into `to`; the rest of `to` stays.
void copyTransferredRange(const Image& from, Image& to);

} // namespace radio::link
