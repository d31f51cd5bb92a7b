#include "FakeLink.h"

#include "link/Verify.h"
#include "model/MemoryMap.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

using namespace radio;
using namespace radio::link;
using namespace radio::link::test;

namespace {

Image filled(std::uint8_t seed) {
    Image img;
    for (std::size_t i = 0; i < img.size(); ++i)
        img[i] = std::uint8_t(seed + i * 7);
    return img;
}

struct WriteThenVerify {
    VirtualRadio radio{filled(0x11)};
    VirtualRadioPort port{radio};
    FakeClock clock;
    RecordingSink sink;
    Image written = filled(0x80);

    VerifyOutcome run(bool factory = false) {
        const TransferResult w = runTransfer({kVirtualRadioPortName, Direction::Write, factory},
                                             port, clock, sink, written);
        EXPECT_EQ(w.status, TransferStatus::Success);
        return verifyWrite(kVirtualRadioPortName, factory, port, clock, sink, written);
    }
};

} // namespace

TEST(VerifyWrite, AHealthyRadioIsVerifiedOverTheWrittenRangesOnly) {
    WriteThenVerify rig;
    const VerifyOutcome outcome = rig.run();
    EXPECT_TRUE(outcome.verified());
    EXPECT_EQ(verifyText(outcome, untranslated()), "Verified: the radio holds what was written.");
    // A normal write leaves the calibration bytes alone: they differ from the
    // file, and that is not a failed write.
    EXPECT_NE(rig.radio.memory()[mm::ParamAdjust.offset], rig.written[mm::ParamAdjust.offset]);
}

TEST(VerifyWrite, FindsTheBlockASilentlyFaultyRadioDidNotKeep) {
    WriteThenVerify rig;
    rig.radio.faults().ignoreWriteAt = 0x120;
    const VerifyOutcome outcome = rig.run();
    EXPECT_FALSE(outcome.verified());
    std::vector<std::uint16_t> expected;
    for (std::uint16_t a = 0x120; a < 0x128; ++a)
        if (rig.written[a] != filled(0x11)[a])
            expected.push_back(a);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(outcome.differing, expected);
    const std::string text = verifyText(outcome, untranslated(), 2);
    EXPECT_EQ(text.rfind("Verify failed: " + std::to_string(expected.size()) + " byte(s)", 0), 0u);
    EXPECT_NE(text.find("0x120, 0x121, ..."), std::string::npos) << text;
    EXPECT_EQ(verifyText(outcome, ts::chineseCatalogue(), 2),
              "校验失败：电台中有 " + std::to_string(expected.size()) +
                  " 个字节与写入的不同，地址：0x120, 0x121 等");

    // In factory mode the calibration bytes are written and compared too.
    WriteThenVerify factory;
    factory.radio.faults().ignoreWriteAt = 0x3D0;
    const VerifyOutcome f = factory.run(true);
    ASSERT_FALSE(f.differing.empty());
    EXPECT_EQ(f.differing.front(), 0x3D0);
}

TEST(VerifyWrite, AFailedReadBackIsNotVerified) {
    WriteThenVerify rig;
    const TransferResult w = runTransfer({kVirtualRadioPortName, Direction::Write, false}, rig.port,
                                         rig.clock, rig.sink, rig.written);
    ASSERT_EQ(w.status, TransferStatus::Success);
    rig.radio.faults().silent = true; // switched off after the write
    const VerifyOutcome outcome =
        verifyWrite(kVirtualRadioPortName, false, rig.port, rig.clock, rig.sink, rig.written);
    EXPECT_FALSE(outcome.verified());
    EXPECT_TRUE(outcome.differing.empty());
    EXPECT_EQ(verifyText(outcome, untranslated()).substr(0, 13), "Not verified:");
}

TEST(VerifyWrite, TheReadBackReportsItselfAsVerifying) {
    WriteThenVerify rig;
    const TransferResult w = runTransfer({kVirtualRadioPortName, Direction::Write, false}, rig.port,
                                         rig.clock, rig.sink, rig.written);
    ASSERT_EQ(w.status, TransferStatus::Success);
    rig.sink.phases.clear();
    rig.sink.ranges.clear();
    ASSERT_TRUE(
        verifyWrite(kVirtualRadioPortName, false, rig.port, rig.clock, rig.sink, rig.written)
            .verified());
    // Never "Reading": the user asked for a check, not a read. The phase comes
    // before the bar starts again from 0.
    EXPECT_EQ(rig.sink.phases, (std::vector<TransferPhase>{TransferPhase::ConnectingToVerify,
                                                           TransferPhase::Verifying}));
    EXPECT_EQ(rig.sink.phaseAt.back().second, 1);
    EXPECT_EQ(rig.sink.ranges, std::vector<int>{127});
}
