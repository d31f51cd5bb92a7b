#include "model/ChannelTable.h"
#include "model/Diff.h"
#include "model/MemoryMap.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

using namespace radio;

namespace {

// Channel 3 on 446.00625 simplex, no tones, High, scanned.
Image withChannel3() {
    Image img = newDocumentImage();
    const std::uint8_t ch[16] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x30, 0x10, 0xFF};
    std::copy(ch, ch + 16, &img[mm::channelOffset(3)]);
    img[mm::ScanAddLow.offset] = 0x04;
    return img;
}

const diff::Change* find(const diff::Report& r, const std::string& group,
                         const std::string& label) {
    for (const auto& c : r.changes)
        if (c.group == group && c.label == label)
            return &c;
    return nullptr;
}

} // namespace

TEST(Diff, IdenticalImagesAreEqual) {
    const Image img = withChannel3();
    const diff::Report r = diff::compare(img, img, {});
    EXPECT_TRUE(r.equal());
    EXPECT_EQ(diff::formatReport(r, untranslated()), "The configurations are the same.\n");
    EXPECT_EQ(diff::formatReport(r, ts::chineseCatalogue()), "两个配置相同。\n");
}

TEST(Diff, NamesKnownDifferencesByWhatTheUserSees) {
    const Image a = withChannel3();
    Image b = a;
    // Channel 3: transmit 446.01250, Low power, not scanned.
    mm::recordByte(b, 3, mm::rec::TxFrequency, 0) = 0x50;
    mm::recordByte(b, 3, mm::rec::TxFrequency, 1) = 0x12;
    mm::recordByte(b, 3, mm::rec::Power) &= std::uint8_t(~mm::rec::Power.mask);
    b[mm::ScanAddLow.offset] = 0x00;
    mm::set(b, mm::TimeOutTimer, 5);      // 60s -> 75s
    mm::set16(b, mm::TxDwellTime, 300);   // 48 -> 300
    mm::set(b, mm::CallKey, 1);           // Off -> Emergency Alert
    b[mm::PowerAdjust.offset + 3] = 0x64; // segment 2 high power 160 -> 100
    b[0x200] = 0x12;                      // a byte no dialog shows

    diff::Options o;
    o.a = o.b = {"FL-400U", "400-470"};
    const diff::Report r = diff::compare(a, b, o);
    EXPECT_EQ(diff::formatReport(r, untranslated()), "Channel 3\n"
                                                     "    Tx Frequency: 446.00625 -> 446.01250\n"
                                                     "    Power: High -> Low\n"
                                                     "    Scan Add: Yes -> No\n"
                                                     "Optional Features\n"
                                                     "    Time-Out Timer: 60s -> 75s\n"
                                                     "    Call Key Define: Off -> Emergency Alert\n"
                                                     "Scan Info\n"
                                                     "    Tx Dwell Time: 48 -> 300\n"
                                                     "Power Adjustment\n"
                                                     "    410 High Power: 160 -> 100\n"
                                                     "Other bytes\n"
                                                     "    0x200: FF -> 12\n");

    diff::Options zhOptions = o;
    zhOptions.language = Language::Chinese;
    zhOptions.translate = ts::chineseCatalogue();
    const diff::Report zh = diff::compare(a, b, zhOptions);
    const diff::Change* power = find(zh, "信道3", "功率");
    ASSERT_NE(power, nullptr);
    EXPECT_EQ(power->a, "高");
    EXPECT_EQ(power->b, "低");
    EXPECT_NE(find(zh, "可选功能", "超时定时器"), nullptr);
    EXPECT_NE(
        diff::formatReport(zh, ts::chineseCatalogue()).find("其他字节\n    0x200: FF -> 12\n"),
        std::string::npos);
}

TEST(Diff, BitsNoShownValueCoversAreStillReported) {
    const Image a = withChannel3();
    // Bit 7 of the time-out timer byte belongs to no control.
    Image b = a;
    b[mm::TimeOutTimer.offset] ^= 0x80;
    diff::Report r = diff::compare(a, b, {});
    EXPECT_TRUE(r.changes.empty());
    ASSERT_EQ(r.otherBytes.size(), 1u);
    EXPECT_EQ(r.otherBytes[0].address, mm::TimeOutTimer.offset);

    // Both the timer and its spare bit: the timer is named and the byte still listed.
    mm::set(b, mm::TimeOutTimer, 8);
    r = diff::compare(a, b, {});
    ASSERT_EQ(r.changes.size(), 1u);
    EXPECT_EQ(r.changes[0].label, "Time-Out Timer");
    ASSERT_EQ(r.otherBytes.size(), 1u);

    // Option bits of a channel that is empty on both sides show as blanks.
    Image c = a;
    Image d = a;
    mm::recordByte(d, 5, mm::rec::Power) = 0x00;
    EXPECT_TRUE(diff::compare(c, d, {}).changes.empty());
    EXPECT_EQ(diff::compare(c, d, {}).otherBytes.size(), 1u);

    // Two different values outside a list both show "no selection".
    c[mm::CallTone.offset] = 0x40;
    d = c;
    d[mm::CallTone.offset] = 0x41;
    r = diff::compare(c, d, {});
    EXPECT_TRUE(r.changes.empty());
    ASSERT_EQ(r.otherBytes.size(), 1u);
    EXPECT_EQ(r.otherBytes[0].address, mm::CallTone.offset);
}

TEST(Diff, ProductAndCalibrationWithoutSettingsShowIndexesAndRows) {
    const Image a = newDocumentImage();
    Image b = a;
    mm::set(b, mm::ModelType, 1);
    b[mm::PowerAdjust.offset + 14] = 0x30; // row 8 low power
    b[mm::ParamAdjust.offset + 9] = 200;   // Limit, compander on
    mm::set(b, mm::PreEmphasis, 0);
    const diff::Report r = diff::compare(a, b, {});
    const diff::Change* type = find(r, "Product Information", "Type");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->a, "255");
    EXPECT_EQ(type->b, "1");
    const diff::Change* row8 = find(r, "Power Adjustment", "Row 8 Low Power");
    ASSERT_NE(row8, nullptr);
    EXPECT_EQ(row8->a, "39");
    EXPECT_EQ(row8->b, "48");
    const diff::Change* limit = find(r, "Param Adjust", "Limit (Compand On)");
    ASSERT_NE(limit, nullptr);
    EXPECT_EQ(limit->b, "200");
    EXPECT_NE(find(r, "Param Adjust", "Pre-emphasis"), nullptr);
    EXPECT_TRUE(r.otherBytes.empty());
}

TEST(Diff, EveryDifferingByteIsAccountedFor) {
    // Whatever changes, a difference is never lost: each differing byte is
    // either named or listed.
    const Image a = withChannel3();
    for (std::size_t i = 0; i < kImageSize; ++i) {
        Image b = a;
        b[i] ^= 0x01;
        const diff::Report r = diff::compare(a, b, {});
        ASSERT_TRUE(!r.equal() || r.emptyChannelForm) << "offset " << i;
    }
}

TEST(Diff, NamesItsSidesAndTheBytesTheMemoryMapKnows) {
    const Image a = withChannel3();
    Image b = a;
    b[0x3F5] = std::uint8_t(~a[0x3F5]);           // never transferred
    mm::recordByte(b, 3, mm::rec::Power) ^= 0x01; // in no shown value
    b[mm::channelOffset(5) + 15] ^= 0x01;         // no record field owns it
    b[mm::DeEmphasis.offset] ^= 0x80;             // beside two switches
    b[0x200] = std::uint8_t(~a[0x200]);           // nothing the map knows
    diff::Options o;
    o.nameA = "Channel Information";
    o.nameB = "other.dat";
    const diff::Report r = diff::compare(a, b, o);
    ASSERT_EQ(r.otherBytes.size(), 5u);
    const std::string text = diff::formatReport(r, untranslated());
    EXPECT_EQ(text.rfind("From: Channel Information\nTo: other.dat\nOther bytes\n", 0), 0u) << text;
    EXPECT_NE(text.find("\n    Channel 3, power 0x03D: "), std::string::npos) << text;
    EXPECT_NE(text.find("\n    Channel 5 0x05F: "), std::string::npos) << text;
    EXPECT_NE(text.find("\n    0x200: "), std::string::npos) << text;
    EXPECT_NE(text.find("\n    emphasis switches 0x3DA: "), std::string::npos) << text;
    EXPECT_NE(text.find("\n    never transferred 0x3F5: "), std::string::npos) << text;

    diff::Options zh = o;
    zh.translate = ts::chineseCatalogue();
    const std::string chinese = diff::formatReport(diff::compare(a, b, zh), ts::chineseCatalogue());
    EXPECT_EQ(chinese.rfind("原配置：Channel Information\n对比配置：other.dat\n其他字节\n", 0), 0u)
        << chinese;
    EXPECT_NE(chinese.find("\n    信道3，功率 0x03D: "), std::string::npos) << chinese;
    EXPECT_NE(chinese.find("\n    不传输的字节 0x3F5: "), std::string::npos) << chinese;

    // Unnamed sides add no heading: the report reads as before.
    EXPECT_EQ(diff::formatReport(diff::compare(a, a, {}), untranslated()),
              "The configurations are the same.\n");
}

// A file as a radio leaves empty channels, against the same configuration as
// this program writes it (what an unchanged window holds): no difference,
// said once. Real differences in and around empty channels still count.
TEST(Diff, EmptyChannelsInThisProgramsFormAreNoDifference) {
    Image radioForm = withChannel3();
    for (int n = 1; n <= mm::kChannelCount; ++n)
        if (n != 3)
            for (int i = 8; i < 15; ++i)
                radioForm[mm::channelOffset(n) + i] = 0x00;
    radioForm[mm::ScanAddHigh.offset] = 0xFF;
    Image programForm = radioForm;
    tableToImage(imageToTable(radioForm, Language::English), programForm);
    ASSERT_NE(programForm, radioForm);

    diff::Report r = diff::compare(programForm, radioForm, {});
    EXPECT_TRUE(r.equal());
    EXPECT_TRUE(r.emptyChannelForm);
    const std::string note = "Empty channels are written in this program's form; bytes that "
                             "differ only by it are not listed.\n";
    EXPECT_EQ(diff::formatReport(r, untranslated()), "The configurations are the same.\n" + note);
    EXPECT_NE(diff::formatReport(r, ts::chineseCatalogue()).find("空信道"), std::string::npos);

    Image other = radioForm;
    other[mm::channelOffset(7) + 15] ^= 0x01;         // kept as it is by every write
    mm::recordByte(other, 3, mm::rec::Power) ^= 0x01; // a programmed channel
    other[mm::ScanAddLow.offset] ^= 0x04;             // channel 3 is scanned no more
    r = diff::compare(programForm, other, {});
    EXPECT_EQ(r.otherBytes.size(), 2u);
    EXPECT_EQ(r.changes.size(), 1u);
    const std::string text = diff::formatReport(r, untranslated());
    EXPECT_EQ(text.find(note), text.size() - note.size()) << text;
}
