#include "FakeLink.h"
#include "tests/Patterned.h"

#include "model/MemoryMap.h"
#include "model/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace radio;
using namespace radio::link;
using namespace radio::link::test;
using testsupport::patterned;

namespace {

std::vector<std::uint8_t> bytes(std::initializer_list<int> list) {
    std::vector<std::uint8_t> v;
    for (int b : list)
        v.push_back(std::uint8_t(b));
    return v;
}

const std::vector<std::uint8_t> kHandshakeWire =
    bytes({0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02, 0x06});

int countProgramRequests(const std::vector<std::uint8_t>& wire) {
    int n = 0;
    for (std::size_t i = 0; i + 8 <= wire.size(); ++i)
        n += std::equal(kHandshakeWire.begin(), kHandshakeWire.begin() + 8, wire.begin() + i);
    return n;
}

struct Rig {
    VirtualRadio radio{patterned(0x11)};
    RecordingPort port{radio};
    FakeClock clock;
    RecordingSink sink;
    Image doc = patterned(0x80);

    TransferResult run(Direction d, bool factory = false) {
        return runTransfer({kVirtualRadioPortName, d, factory}, port, clock, sink, doc);
    }
};

} // namespace

TEST(BlockPlan, ReadAndFactoryWriteCoverEverythingUpToTheCallTone) {
    for (const auto& plan : {blockPlan(transferRanges(Direction::Read, false)),
                             blockPlan(transferRanges(Direction::Read, true)),
                             blockPlan(transferRanges(Direction::Write, true))}) {
        ASSERT_EQ(plan.size(), 127u);
        for (std::size_t i = 0; i < 126; ++i) {
            EXPECT_EQ(plan[i].address, i * 8);
            EXPECT_EQ(plan[i].length, 8);
        }
        EXPECT_EQ(plan[126].address, 0x3F0);
        EXPECT_EQ(plan[126].length, 1);
    }
}

TEST(BlockPlan, NormalWriteSkipsCalibrationAndNeverCrossesEightByteRows) {
    const auto plan = blockPlan(transferRanges(Direction::Write, false));
    ASSERT_EQ(plan.size(), 122u);
    std::vector<Block> expected;
    for (int a = 0x000; a < 0x330; a += 8)
        expected.push_back({std::uint16_t(a), 8});
    for (int a = 0x340; a < 0x3D0; a += 8)
        expected.push_back({std::uint16_t(a), 8});
    expected.push_back({0x3DB, 5});
    expected.push_back({0x3F0, 1});
    ASSERT_EQ(plan.size(), expected.size());
    int total = 0;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(plan[i].address, expected[i].address) << i;
        EXPECT_EQ(plan[i].length, expected[i].length) << i;
        EXPECT_EQ(plan[i].address / 8, (plan[i].address + plan[i].length - 1) / 8);
        total += plan[i].length;
    }
    EXPECT_EQ(total, 966);
    EXPECT_EQ(blockCommand(kWriteCommand, {0x3DB, 5}),
              (std::array<std::uint8_t, 4>{0x57, 0x03, 0xDB, 0x05}));
}

TEST(Transfer, ReadPutsExactBytesOnTheWireAndFillsTheDocument) {
    Rig rig;
    const Image before = rig.doc;
    const auto result = rig.run(Direction::Read);
    ASSERT_EQ(result.status, TransferStatus::Success);
    EXPECT_EQ(result.blocksDone, 127);

    std::vector<std::uint8_t> expected = kHandshakeWire;
    for (int a = 0; a < 0x3F0; a += 8) {
        const auto block = bytes({0x52, a >> 8, a & 0xFF, 8, 0x06});
        expected.insert(expected.end(), block.begin(), block.end());
    }
    const auto last = bytes({0x52, 0x03, 0xF0, 0x01, 0x06});
    expected.insert(expected.end(), last.begin(), last.end());
    EXPECT_EQ(rig.port.wire, expected);

    // The handshake, step by step, then the first block.
    const std::vector<std::string> head = {
        "open",  "configure", "purgeAll", "purge", "w:02",  "purge", "w:50",
        "purge", "w:52",      "purge",    "w:4F",  "purge", "w:47",  "purge",
        "w:52",  "purge",     "w:41",     "purge", "w:4D",  "r1",    "purge",
        "w:02",  "r8",        "purge",    "w:06",  "r1",    "purge", "w:52 00 00 08",
        "r4",    "r8",        "purge",    "w:06",  "r1"};
    ASSERT_GE(rig.port.events.size(), head.size());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), rig.port.events.begin()));
    EXPECT_EQ(rig.port.events.back(), "close");
    EXPECT_EQ(rig.clock.slept,
              (std::vector<int>{1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1}));

    for (std::size_t i = 0; i < 0x3F1; ++i)
        ASSERT_EQ(rig.doc[i], rig.radio.memory()[i]) << i;
    for (std::size_t i = 0x3F1; i < 0x400; ++i)
        ASSERT_EQ(rig.doc[i], before[i]) << i;

    EXPECT_EQ(rig.sink.ranges, std::vector<int>{127});
    EXPECT_EQ(rig.sink.pos, 127);
    EXPECT_EQ(rig.sink.texts.front(), "1");
    EXPECT_EQ(rig.sink.texts.back(), "127");
    EXPECT_EQ(rig.sink.pumps, 6 + 127 * 9);
    EXPECT_TRUE(rig.sink.messages.empty());
}

TEST(Transfer, NormalWriteSendsBlocksWithDataAndLeavesCalibrationInTheRadio) {
    Rig rig;
    const Image radioBefore = rig.radio.memory();
    const Image doc = rig.doc;
    const auto result = rig.run(Direction::Write);
    ASSERT_EQ(result.status, TransferStatus::Success);
    EXPECT_EQ(result.blocksDone, 122);
    EXPECT_EQ(rig.doc, doc);

    // Spot checks of the wire: first block, the 5-byte block, the last block.
    const auto& w = rig.port.wire;
    ASSERT_EQ(w.size(), 10u + 122 * 4 + 966);
    EXPECT_TRUE(std::equal(kHandshakeWire.begin(), kHandshakeWire.end(), w.begin()));
    EXPECT_EQ(std::vector<std::uint8_t>(w.begin() + 10, w.begin() + 14),
              bytes({0x57, 0x00, 0x00, 0x08}));
    EXPECT_TRUE(std::equal(w.begin() + 14, w.begin() + 22, doc.begin()));
    const std::size_t tail = w.size() - (4 + 5) - (4 + 1);
    EXPECT_EQ(std::vector<std::uint8_t>(w.begin() + long(tail), w.begin() + long(tail) + 4),
              bytes({0x57, 0x03, 0xDB, 0x05}));
    EXPECT_TRUE(
        std::equal(w.begin() + long(tail) + 4, w.begin() + long(tail) + 9, doc.begin() + 0x3DB));
    EXPECT_EQ(std::vector<std::uint8_t>(w.end() - 5, w.end()),
              bytes({0x57, 0x03, 0xF0, 0x01, doc[0x3F0]}));
    // Command and data go in two write calls.
    const auto it = std::find(rig.port.events.begin(), rig.port.events.end(), "w:57 03 DB 05");
    ASSERT_NE(it, rig.port.events.end());
    EXPECT_EQ(*(it - 1), "purge");
    EXPECT_EQ((it + 1)->size(), std::string("w:00 00 00 00 00").size());
    EXPECT_EQ(*(it + 2), "r1");

    const auto& mem = rig.radio.memory();
    for (std::size_t i = 0; i < 0x400; ++i) {
        const bool kept = (i >= 0x330 && i < 0x340) || (i >= 0x3D0 && i < 0x3DB) ||
                          (i >= 0x3E0 && i < 0x3F0) || i >= 0x3F1;
        ASSERT_EQ(mem[i], kept ? radioBefore[i] : doc[i]) << std::hex << i;
    }
}

TEST(Transfer, FactoryWriteAlsoSendsTheCalibrationBytes) {
    Rig rig;
    const Image radioBefore = rig.radio.memory();
    const auto result = rig.run(Direction::Write, true);
    ASSERT_EQ(result.status, TransferStatus::Success);
    EXPECT_EQ(result.blocksDone, 127);
    EXPECT_EQ(rig.sink.ranges, std::vector<int>{127});
    EXPECT_EQ(rig.port.wire.size(), 10u + 127 * 4 + 1009);
    const auto& mem = rig.radio.memory();
    for (std::size_t i = 0; i < 0x400; ++i)
        ASSERT_EQ(mem[i], i < 0x3F1 ? rig.doc[i] : radioBefore[i]) << std::hex << i;
}

TEST(Transfer, ARadioThatAnswersAtOnceKeepsItsAnswers) {
    // Its answer to each byte is already waiting when the host purges: no
    // purge may come between sending a byte and reading the answer to it.
    struct Case {
        Direction direction;
        bool factory;
        int blocks;
    };
    for (const Case c : {Case{Direction::Read, false, 127}, Case{Direction::Write, false, 122},
                         Case{Direction::Write, true, 127}}) {
        Rig rig;
        rig.port.setAnswerAtOnce(true);
        const auto result = rig.run(c.direction, c.factory);
        EXPECT_EQ(result.status, TransferStatus::Success) << c.blocks << " " << c.factory;
        EXPECT_EQ(result.blocksDone, c.blocks);
        EXPECT_TRUE(rig.sink.questions.empty());
        EXPECT_EQ(countProgramRequests(rig.port.wire), 1);
        EXPECT_EQ(rig.radio.handshakes(), 1);
        if (c.direction == Direction::Read)
            EXPECT_TRUE(
                std::equal(rig.doc.begin(), rig.doc.begin() + 0x3F1, rig.radio.memory().begin()));
        else
            EXPECT_EQ(rig.radio.memory()[0x3F0], rig.doc[0x3F0]);
    }
}

TEST(TransferFailure, PortThatCannotBeOpenedShowsTheMessageWithTheReason) {
    Rig rig;
    rig.port.failOpen = true;
    const Image before = rig.doc;
    const auto result = rig.run(Direction::Read);
    EXPECT_EQ(result.status, TransferStatus::OpenFailed);
    EXPECT_EQ(rig.sink.messages, std::vector<int>{IDS_OPEN_PORT_FAIL});
    EXPECT_EQ(rig.sink.details, std::vector<std::string>{"Permission denied"});
    EXPECT_EQ(rig.port.events, std::vector<std::string>{"open"});
    EXPECT_EQ(rig.doc, before);
}

TEST(TransferFailure, MissingOrWrongConfirmAsksRetryOrCancel) {
    {
        // Never answered: asked after each attempt; Retry starts over with the pumps.
        Rig rig;
        rig.radio.faults().answerConfirm = false;
        rig.sink.answers = {TransferSink::Answer::Retry, TransferSink::Answer::Cancel};
        const Image before = rig.doc;
        const auto result = rig.run(Direction::Read);
        EXPECT_EQ(result.status, TransferStatus::CommError);
        EXPECT_EQ(rig.sink.questions, (std::vector<int>{IDS_COMM_ERROR, IDS_COMM_ERROR}));
        EXPECT_TRUE(rig.sink.messages.empty());
        EXPECT_EQ(countProgramRequests(rig.port.wire), 2);
        EXPECT_EQ(rig.sink.pumps, 12);
        EXPECT_EQ(rig.port.events.back(), "close");
        EXPECT_EQ(rig.doc, before);
    }
    {
        // A wrong answer, then Retry, then the radio gets it right.
        Rig rig;
        rig.radio.faults().wrongConfirmAnswers = 1;
        rig.sink.answers = {TransferSink::Answer::Retry};
        const auto result = rig.run(Direction::Read);
        EXPECT_EQ(result.status, TransferStatus::Success);
        EXPECT_EQ(rig.sink.questions, std::vector<int>{IDS_COMM_ERROR});
    }
    {
        // The identification read call failing asks too.
        Rig rig;
        rig.port.onRead = [](int, std::uint8_t*, std::size_t n) -> std::optional<int> {
            if (n == 8)
                return -1;
            return std::nullopt;
        };
        const auto result = rig.run(Direction::Write);
        EXPECT_EQ(result.status, TransferStatus::CommError);
        EXPECT_EQ(rig.sink.questions, std::vector<int>{IDS_COMM_ERROR});
    }
}

TEST(TransferFailure, FailedProgramAnswerReadsAreRetriedSilentlyThenCounted) {
    const auto failFirst = [](int count) {
        return [count](int call, std::uint8_t*, std::size_t) -> std::optional<int> {
            if (call <= count)
                return -1;
            return std::nullopt;
        };
    };
    {
        // Read calls that keep failing: 15 attempts without asking, then the question.
        Rig rig;
        rig.port.onRead = failFirst(1000);
        const auto result = rig.run(Direction::Read);
        EXPECT_EQ(result.status, TransferStatus::CommError);
        EXPECT_EQ(countProgramRequests(rig.port.wire), 15);
        EXPECT_EQ(rig.sink.questions, std::vector<int>{IDS_COMM_ERROR});
        EXPECT_EQ(std::count(rig.clock.slept.begin(), rig.clock.slept.end(), 2),
                  15 * 8 + 15); // 2 ms before each request byte, 2 ms after each failure
    }
    {
        // Five failed calls, then no confirm: the transfer is interrupted, no question.
        Rig rig;
        rig.port.onRead = failFirst(5);
        rig.radio.faults().answerConfirm = false;
        const Image before = rig.doc;
        const auto result = rig.run(Direction::Read);
        EXPECT_EQ(result.status, TransferStatus::Interrupted);
        EXPECT_EQ(rig.sink.messages, std::vector<int>{IDS_INTERRUPT});
        EXPECT_TRUE(rig.sink.questions.empty());
        EXPECT_EQ(rig.doc, before);
    }
    {
        // Four failed calls are still below the limit: the user is asked.
        Rig rig;
        rig.port.onRead = failFirst(4);
        rig.radio.faults().answerConfirm = false;
        const auto result = rig.run(Direction::Read);
        EXPECT_EQ(result.status, TransferStatus::CommError);
        EXPECT_EQ(rig.sink.questions, std::vector<int>{IDS_COMM_ERROR});
        EXPECT_TRUE(rig.sink.messages.empty());
    }
    {
        // Retry sets the counter back: four failures before and four after the
        // question are asked about twice, never interrupted.
        Rig rig;
        rig.radio.faults().answerConfirm = false;
        rig.port.onRead = [](int call, std::uint8_t*, std::size_t) -> std::optional<int> {
            if (call <= 4 || (call >= 8 && call <= 11))
                return -1;
            return std::nullopt;
        };
        rig.sink.answers = {TransferSink::Answer::Retry, TransferSink::Answer::Cancel};
        const auto result = rig.run(Direction::Read);
        EXPECT_EQ(result.status, TransferStatus::CommError);
        EXPECT_EQ(rig.sink.questions.size(), 2u);
        EXPECT_TRUE(rig.sink.messages.empty());
        EXPECT_EQ(countProgramRequests(rig.port.wire), 10);
    }
}

TEST(TransferFailure, WriteBlockWithoutAcknowledgementIsInterrupted) {
    Rig rig;
    rig.radio.faults().dropAckAt = 0x100;
    const auto result = rig.run(Direction::Write);
    EXPECT_EQ(result.status, TransferStatus::Interrupted);
    EXPECT_EQ(result.blocksDone, 0x100 / 8);
    EXPECT_EQ(rig.sink.messages, std::vector<int>{IDS_INTERRUPT});
    EXPECT_EQ(rig.radio.blocksWritten(), 0x100 / 8 + 1);
    EXPECT_EQ(rig.port.events.back(), "close");
    // Nothing after the unacknowledged block went out.
    EXPECT_EQ(rig.port.events[rig.port.events.size() - 2], "r1");
}

TEST(TransferFailure, BrokenReadRepliesLeaveTheDocumentUntouched) {
    struct Case {
        const char* name;
        std::function<void(Rig&)> setup;
    };
    const Case cases[] = {
        {"short reply", [](Rig& r) { r.radio.faults().shortReplyAt = 0x200; }},
        {"no radio ack", [](Rig& r) { r.radio.faults().dropAckAt = 0x3F0; }},
        {"wrong radio ack",
         [](Rig& r) {
             r.port.onRead = [&r](int, std::uint8_t* b, std::size_t n) -> std::optional<int> {
                 if (n == 1 && r.sink.pos == 20) {
                     b[0] = 0x15;
                     return 1;
                 }
                 return std::nullopt;
             };
         }},
        {"data read call fails",
         [](Rig& r) {
             r.port.onRead = [&r](int, std::uint8_t*, std::size_t n) -> std::optional<int> {
                 if (n == 8 && r.sink.pos == 50)
                     return -1;
                 return std::nullopt;
             };
         }},
        {"flood of garbage after the handshake",
         [](Rig& r) {
             r.port.onRead = [](int call, std::uint8_t* b, std::size_t n) -> std::optional<int> {
                 if (call <= 3)
                     return std::nullopt;
                 std::fill(b, b + n, std::uint8_t(0xAA));
                 return int(n);
             };
         }},
    };
    for (const Case& c : cases) {
        Rig rig;
        c.setup(rig);
        rig.doc = newDocumentImage();
        const Image before = rig.doc;
        const auto result = rig.run(Direction::Read);
        EXPECT_EQ(result.status, TransferStatus::Interrupted) << c.name;
        EXPECT_EQ(rig.sink.messages, std::vector<int>{IDS_INTERRUPT}) << c.name;
        EXPECT_EQ(rig.doc, before) << c.name;
        EXPECT_EQ(rig.port.events.back(), "close") << c.name;
    }
}

TEST(TransferCancel, CancelDuringHandshakeOrBlocksEndsQuietly) {
    {
        Rig rig;
        rig.sink.cancelAtPump = 3;
        const Image before = rig.doc;
        const auto result = rig.run(Direction::Read);
        EXPECT_EQ(result.status, TransferStatus::Cancelled);
        EXPECT_TRUE(rig.port.wire.empty());
        EXPECT_EQ(rig.port.events.back(), "close");
        EXPECT_TRUE(rig.sink.messages.empty());
        EXPECT_EQ(rig.doc, before);
    }
    {
        // Seen within one block: at the first pump after block 10.
        Rig rig;
        rig.sink.cancelAtPump = 6 + 9 * 9 + 1;
        const Image before = rig.doc;
        const auto result = rig.run(Direction::Read);
        EXPECT_EQ(result.status, TransferStatus::Cancelled);
        EXPECT_EQ(result.blocksDone, 10);
        EXPECT_EQ(rig.radio.blocksRead(), 10);
        EXPECT_TRUE(rig.sink.messages.empty());
        EXPECT_EQ(rig.doc, before);
    }
    {
        // A port that cuts its wait short on cancel: the failure that follows is not reported.
        Rig rig;
        rig.port.onRead = [&rig](int, std::uint8_t*, std::size_t n) -> std::optional<int> {
            if (rig.sink.pos == 5 && n == 8) {
                rig.sink.cancel = true;
                return 0;
            }
            return std::nullopt;
        };
        const auto result = rig.run(Direction::Read);
        EXPECT_EQ(result.status, TransferStatus::Cancelled);
        EXPECT_TRUE(rig.sink.messages.empty());
    }
}

TEST(TransferPhase, ConnectingBeforeTheRangeThenTheDirectionOnceTheRadioAnswered) {
    for (const Direction d : {Direction::Read, Direction::Write}) {
        Rig rig;
        ASSERT_EQ(rig.run(d).status, TransferStatus::Success);
        const TransferPhase blocks =
            d == Direction::Read ? TransferPhase::Reading : TransferPhase::Writing;
        EXPECT_EQ(rig.sink.phases, (std::vector<TransferPhase>{TransferPhase::Connecting, blocks}));
        // Connecting comes before the bar is reset, the direction before any block.
        EXPECT_EQ(rig.sink.phaseAt[0], std::make_pair(0, 0));
        EXPECT_EQ(rig.sink.phaseAt[1], std::make_pair(0, 1));
    }
    {
        // A radio that never answers: the window never claims blocks are moving.
        Rig rig;
        rig.radio.faults().silent = true;
        EXPECT_EQ(rig.run(Direction::Read).status, TransferStatus::CommError);
        EXPECT_EQ(rig.sink.phases, std::vector<TransferPhase>{TransferPhase::Connecting});
    }
    {
        // Nothing opened: no phase at all.
        Rig rig;
        rig.port.failOpen = true;
        EXPECT_EQ(rig.run(Direction::Read).status, TransferStatus::OpenFailed);
        EXPECT_TRUE(rig.sink.phases.empty());
    }
}

TEST(TransferPhase, BytesMovedAreTheSumOfTheRanges) {
    EXPECT_EQ(transferBytes(Direction::Read, false), 0x3F1);
    EXPECT_EQ(transferBytes(Direction::Write, true), 0x3F1);
    int blocks = 0;
    for (const Block& b : blockPlan(transferRanges(Direction::Write, false)))
        blocks += b.length;
    EXPECT_EQ(transferBytes(Direction::Write, false), blocks);
    EXPECT_LT(transferBytes(Direction::Write, false), 0x3F1);
}

TEST(VirtualRadio, ServesItsMemoryAndIgnoresCommandsOutsideIt) {
    VirtualRadio radio(patterned(3));
    const auto send = [&radio](std::vector<std::uint8_t> b) {
        return radio.receive(b.data(), b.size());
    };
    // Nothing before the handshake.
    EXPECT_TRUE(send(bytes({0x52, 0x00, 0x00, 0x08})).empty());
    EXPECT_EQ(send(std::vector<std::uint8_t>(kHandshakeWire.begin(), kHandshakeWire.begin() + 8)),
              bytes({0x06}));
    EXPECT_EQ(send(bytes({0x02})).size(), 8u);
    EXPECT_EQ(send(bytes({0x06})), bytes({0x06}));
    auto reply = send(bytes({0x52, 0x03, 0xF8, 0x08}));
    ASSERT_EQ(reply.size(), 12u);
    EXPECT_TRUE(std::equal(reply.begin() + 4, reply.end(), radio.memory().begin() + 0x3F8));
    EXPECT_EQ(send(bytes({0x06})), bytes({0x06}));
    // Past the end of memory: no answer, and the radio is still in step.
    EXPECT_TRUE(send(bytes({0x52, 0x03, 0xFC, 0x08})).empty());
    EXPECT_TRUE(send(bytes({0x57, 0x03, 0xFF, 0x02})).empty());
    EXPECT_EQ(send(bytes({0x57, 0x00, 0x10, 0x02, 0xAB, 0xCD})), bytes({0x06}));
    EXPECT_EQ(radio.memory()[0x10], 0xAB);
    EXPECT_EQ(radio.memory()[0x11], 0xCD);
}

TEST(VirtualRadio, SampleImageHasProgrammedChannelsAndAModel) {
    const Image img = VirtualRadio::sampleImage();
    int programmed = 0;
    for (int ch = 1; ch <= 16; ++ch)
        programmed += !mm::channelEmpty(img, ch);
    EXPECT_EQ(programmed, 4);
    EXPECT_EQ(mm::get(img, mm::ModelType), 0);
    EXPECT_EQ(mm::get(img, mm::BandIndex), 0);
}

TEST(TransferFailure, AReplyHeaderThatNamesAnotherBlockFailsTheRead) {
    struct Case {
        const char* name;
        std::function<void(std::uint8_t*)> spoil; // on the header of the reply to 0x100
    };
    const Case cases[] = {
        // One stray byte ahead of the reply shifts everything after it.
        {"stray byte",
         [](std::uint8_t* h) {
             std::copy_backward(h, h + 3, h + 4);
             h[0] = 0x00;
         }},
        {"other address", [](std::uint8_t* h) { h[2] = 0x08; }},
        {"other length", [](std::uint8_t* h) { h[3] = 7; }},
        {"unknown command", [](std::uint8_t* h) { h[0] = 0x06; }},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.port.onRead = [&rig, &c](int, std::uint8_t* b, std::size_t n) -> std::optional<int> {
            if (n == kBlockHeaderSize && rig.sink.pos == 0x100 / 8)
                c.spoil(b);
            return std::nullopt;
        };
        const Image before = rig.doc;
        const auto result = rig.run(Direction::Read);
        EXPECT_EQ(result.status, TransferStatus::Interrupted) << c.name;
        EXPECT_EQ(result.blocksDone, 0x100 / 8) << c.name;
        EXPECT_EQ(rig.sink.messages, std::vector<int>{IDS_INTERRUPT}) << c.name;
        EXPECT_EQ(rig.doc, before) << c.name;
    }
    // A radio that echoes the read command names the block as well.
    std::uint8_t echo[4] = {kReadCommand, 0x01, 0x00, 8};
    EXPECT_TRUE(replyHeaderMatches(echo, {0x100, 8}));
    EXPECT_FALSE(replyHeaderMatches(echo, {0x108, 8}));
}
