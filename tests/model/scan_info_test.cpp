#include "model/MemoryMap.h"
#include "model/ScanInfo.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

using namespace radio;
using namespace radio::scan;

namespace {

void programChannel(Image& img, int n) {
    img[mm::channelOffset(n) + 0] = 0x00;
    img[mm::channelOffset(n) + 1] = 0x00;
    img[mm::channelOffset(n) + 2] = 0x60;
    img[mm::channelOffset(n) + 3] = 0x44;
}

TEST(ScanInfo, NewDocumentOpening) {
    const Values v = decode(newDocumentImage());
    EXPECT_EQ(v.priority, PriorityNone);
    EXPECT_EQ(v.priorityChannel, "");
    EXPECT_EQ(formatSeconds(v.lookBackA), "0.9");
    EXPECT_EQ(formatSeconds(v.lookBackB), "1.5");
    EXPECT_EQ(v.revert, -1); // 0xFF
    EXPECT_EQ(v.dropout, 48);
    EXPECT_EQ(v.dwell, 48);
    EXPECT_FALSE(fixedControlsEnabled(v.priority));
    EXPECT_EQ(revertEntries(v.priority, Language::English),
              (std::vector<std::string>{"Selected", "Selected+Talk back"}));
}

TEST(ScanInfo, RevertListPerModeAndItsStoredValue) {
    EXPECT_EQ(revertEntries(PriorityFixed, Language::Chinese).size(), 4u);
    EXPECT_EQ(revertEntries(PriorityFixed, Language::Chinese)[3], "优先+当前通话");
    EXPECT_EQ(revertEntries(PrioritySelected, Language::English),
              (std::vector<std::string>{"Priority", "Priority+Talk back"}));
    EXPECT_EQ(revertEntries(-1, Language::English),
              revertEntries(PrioritySelected, Language::English));
    EXPECT_TRUE(fixedControlsEnabled(PriorityFixed));
    EXPECT_EQ(priorityEntries(), (std::vector<std::string>{"None", "Fixed", "Selected"}));

    Image img = newDocumentImage();
    Values v = decode(img);
    v.priority = PrioritySelected;
    v.revert = 1; // "Priority+Talk back"
    ASSERT_EQ(encode(img, v), OkResult::Stored);
    EXPECT_EQ(img[mm::RevertChannel.offset], 3);
    EXPECT_EQ(img[mm::ScanPriorityMode.offset], 2);
    EXPECT_EQ(decode(img).revert, 1);

    // A stored mode past the list shows the Priority entries, which store
    // 2 and 3 as in mode Selected; OK stores the mode without selection as 0xFF.
    img[mm::ScanPriorityMode.offset] = 7;
    v = decode(img);
    EXPECT_EQ(v.priority, -1);
    EXPECT_EQ(v.revert, 1);
    v.revert = 0;
    ASSERT_EQ(encode(img, v), OkResult::Stored);
    EXPECT_EQ(img[mm::RevertChannel.offset], 2);
    EXPECT_EQ(img[mm::ScanPriorityMode.offset], 0xFF);
    EXPECT_EQ(decode(img).priority, -1);

    // Fixed and None store the index itself; a list without selection stores
    // 0xFF in every mode, never a byte past the list.
    v.priority = PriorityNone;
    v.revert = 1;
    ASSERT_EQ(encode(img, v), OkResult::Stored);
    EXPECT_EQ(img[mm::RevertChannel.offset], 1);
    for (int mode : {int(PriorityNone), int(PrioritySelected), -1}) {
        img[mm::RevertChannel.offset] = 9;
        v.priority = mode;
        v.revert = -1;
        ASSERT_EQ(encode(img, v), OkResult::Stored);
        EXPECT_EQ(img[mm::RevertChannel.offset], 0xFF) << mode;
        EXPECT_EQ(decode(img).revert, -1) << mode;
    }
}

TEST(ScanInfo, LookBackGrid) {
    EXPECT_EQ(formatSeconds(lookBackLeave(1.23)), "1.2");
    EXPECT_EQ(formatSeconds(lookBackLeave(1.2)), "1.2"); // decimal product keeps it on the grid
    EXPECT_EQ(formatSeconds(lookBackLeave(0.33)), "0.5");
    EXPECT_EQ(formatSeconds(lookBackLeave(7)), "5");
    EXPECT_EQ(formatSeconds(lookBackUp(5.0)), "0.5");
    EXPECT_EQ(formatSeconds(lookBackDown(0.5)), "5");
    EXPECT_EQ(formatSeconds(lookBackUp(0.9)), "0.95");
    EXPECT_EQ(formatSeconds(lookBackDown(0.9)), "0.85");
    EXPECT_EQ(formatSeconds(lookBackDown(1.23)), "1.2"); // off-grid steps land on the grid
    // Every grid point steps up and down to its neighbours.
    double t = 0.5;
    for (int n = 1; n < 91; ++n) {
        const double up = lookBackUp(t);
        EXPECT_EQ(lookBackDown(up), lookBackLeave(t)) << n;
        t = up;
    }
    EXPECT_EQ(formatSeconds(t), "5");
}

TEST(ScanInfo, StoredLookBackAndCounters) {
    Image img = newDocumentImage();
    Values v = decode(img);
    v.lookBackA = 0.5;
    v.lookBackB = 5.0;
    v.dropout = 300;
    v.dwell = counterLeave(999);
    ASSERT_EQ(encode(img, v), OkResult::Stored);
    EXPECT_EQ(img[mm::LookBackA.offset], 1);
    EXPECT_EQ(img[mm::LookBackB.offset], 91);
    EXPECT_EQ(img[mm::DropoutDelay.offset], 0x2C);
    EXPECT_EQ(img[mm::DropoutDelay.offset + 1], 0x01);
    EXPECT_EQ(mm::get16(img, mm::TxDwellTime), 300u);
    // Every stored step, even one off the scale, reads back and stores unchanged;
    // so do counters past 300.
    img[mm::DropoutDelay.offset] = 0xFF;
    img[mm::DropoutDelay.offset + 1] = 0xFF;
    for (int n = 0; n <= 255; ++n) {
        img[mm::LookBackA.offset] = std::uint8_t(n);
        Values r = decode(img);
        ASSERT_EQ(encode(img, r), OkResult::Stored);
        EXPECT_EQ(img[mm::LookBackA.offset], n);
    }
    EXPECT_EQ(mm::get16(img, mm::DropoutDelay), 0xFFFFu);

    EXPECT_EQ(counterDown(0), 300);
    EXPECT_EQ(counterUp(300), 0);
    EXPECT_EQ(counterUp(47), 48);
    EXPECT_EQ(counterLeave(999), 300);
    EXPECT_EQ(counterLeave(-4), 0);
}

TEST(ScanInfo, FixedPriorityChannelMustBeProgrammed) {
    Image img = newDocumentImage();
    Values v = decode(img);
    v.priority = PriorityFixed;
    v.revert = 3;
    v.dropout = 10;
    v.priorityChannel = " 3";
    // The header row and the bytes after channel 16 look like programmed
    // records here: only the range check can refuse channels 0 and 17.
    for (int outside : {0, 17}) {
        img[mm::channelOffset(outside) + mm::rec::kRxMsb] = 0x44;
        img[mm::channelOffset(outside) + mm::rec::kTxMsb] = 0x44;
    }
    const Image before = img;
    EXPECT_EQ(encode(img, v), OkResult::ChannelNotProgrammed);
    EXPECT_EQ(img, before);
    for (const char* outside : {"0", "17", "99", "", "x", "-1"}) {
        v.priorityChannel = outside;
        EXPECT_EQ(encode(img, v), OkResult::ChannelNotProgrammed) << outside;
        EXPECT_EQ(img, before);
    }
    programChannel(img, 3);
    v.priorityChannel = " 3";
    ASSERT_EQ(encode(img, v), OkResult::Stored);
    EXPECT_EQ(img[mm::PriorityChannel.offset], 3);
    EXPECT_EQ(img[mm::RevertChannel.offset], 3);
    EXPECT_EQ(decode(img).priorityChannel, " 3");
    EXPECT_EQ(channelMessage(untranslated()), "Please select channel inputed");
    EXPECT_EQ(channelMessage(ts::chineseCatalogue()), "请选择已输入的信道");
}

TEST(ScanInfo, EditTextsParseLikeDataExchange) {
    EXPECT_EQ(parseSeconds(" 1.25 "), 1.25);
    EXPECT_FALSE(parseSeconds("1.2s"));
    EXPECT_FALSE(parseSeconds(""));
    EXPECT_FALSE(parseSeconds("nan"));
    EXPECT_FALSE(parseSeconds("1e999"));
    EXPECT_EQ(parseCounter("300"), 300);
    EXPECT_FALSE(parseCounter(""));
    EXPECT_FALSE(parseCounter("99999999999"));
}

} // namespace
