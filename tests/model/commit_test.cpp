#include "model/CellCommit.h"
#include "model/MemoryMap.h"
#include "model/StringTable.h"

#include <gtest/gtest.h>

using namespace radio;

namespace {

using Row = std::array<std::string, kGridCols>;

constexpr std::int64_t kLow = 46000000; // band 460-470
constexpr std::int64_t kHigh = 47000000;

const Row kEmpty = {" 4", "", "", "", "", "", "", "", "", "", ""};
const Row kChannel = {" 4",  "462.50000", "463.00000", "88.5", "D023N", "Low",
                      "Yes", "Carrier",   "Narrow",    "On",   "5"};

CommitResult commit(const Row& row, int column, const std::string& text,
                    Language language = Language::English) {
    return commitCell(row, column, text, kLow, kHigh, language);
}

} // namespace

TEST(CommitRx, ChecksBandAndRasterOnTheTruncatedValue) {
    struct Case {
        const char* text;
        int message;
        const char* stored;
    };
    const Case cases[] = {
        {"470", 0, "470.00000"},          {"460", 0, "460.00000"},
        {"462.00625", 0, "462.00625"},    {"462.005", 0, "462.00500"},
        {"462.006251", 0, "462.00625"}, // truncated to 46200625 before the checks
        {" 465.125MHz", 0, "465.12500"},  {"470.00625", IDS_OUT_OF_RANGE, ""},
        {"459.99", IDS_OUT_OF_RANGE, ""}, {"462.001", IDS_STEP_ERROR, ""},
        {"462.0031", IDS_STEP_ERROR, ""}, {"abc", IDS_OUT_OF_RANGE, ""},
        {"1e999", IDS_OUT_OF_RANGE, ""},  {"-465", IDS_OUT_OF_RANGE, ""},
    };
    for (const Case& c : cases) {
        const CommitResult r = commit(kChannel, ColRx, c.text);
        EXPECT_EQ(r.message, c.message) << c.text;
        if (c.message == 0) {
            Row expected = kChannel;
            expected[ColRx] = c.stored;
            EXPECT_EQ(r.row, expected) << c.text; // an existing channel changes only Rx
        } else {
            EXPECT_EQ(r.row, kChannel) << c.text; // a rejected Rx keeps the channel
        }
    }
}

TEST(CommitRx, ZeroIsOutOfRangeEvenWithZeroLimits) {
    // Missing band settings give limits 0..0; text without a number must not
    // become a channel "0.00000".
    for (const char* text : {"0", "x", " ", "0.000001"}) {
        const CommitResult r = commitCell(kEmpty, ColRx, text, 0, 0, Language::English);
        EXPECT_EQ(r.message, IDS_OUT_OF_RANGE) << text;
        EXPECT_EQ(r.row, kEmpty);
        EXPECT_EQ(commitCell(kChannel, ColTx, text, 0, 0, Language::English).message,
                  IDS_OUT_OF_RANGE);
    }
    EXPECT_EQ(commitCell(kEmpty, ColRx, "465", 0, 0, Language::English).message, IDS_OUT_OF_RANGE);
}

TEST(CommitRx, NewChannelGetsDefaultsInTheCommitLanguage) {
    CommitResult r = commit(kEmpty, ColRx, "465.125");
    EXPECT_EQ(r.message, 0);
    EXPECT_EQ(r.row, (Row{" 4", "465.12500", "465.12500", "None", "None", "High", "No", "Off",
                          "Wide", "Off", "Off"}));
    r = commit(kEmpty, ColRx, "465.125", Language::Chinese);
    EXPECT_EQ(r.row, (Row{" 4", "465.12500", "465.12500", "无", "无", "高", "无", "关", "宽", "关",
                          "关"}));
    // A second value on the same row changes only Rx.
    const CommitResult again = commit(r.row, ColRx, "466");
    Row expected = r.row;
    expected[ColRx] = "466.00000";
    EXPECT_EQ(again.row, expected);
    // Emptying Rx deletes the channel.
    EXPECT_EQ(commit(kChannel, ColRx, "").row, kEmpty);
    EXPECT_EQ(commit(kChannel, ColRx, "").message, 0);
}

TEST(CommitTx, CopiesRxWhenEmptiedAndKeepsTheRowWhenRefused) {
    EXPECT_EQ(commit(kChannel, ColTx, "").row[ColTx], "462.50000");
    EXPECT_EQ(commit(kEmpty, ColTx, "").row, kEmpty);
    CommitResult r = commit(kChannel, ColTx, "469.99375");
    EXPECT_EQ(r.message, 0);
    EXPECT_EQ(r.row[ColTx], "469.99375");
    // No transmit frequency without a receive frequency.
    r = commit(kEmpty, ColTx, "465");
    EXPECT_EQ(r.message, 0);
    EXPECT_EQ(r.row, kEmpty);
    for (const auto& [text, message] :
         {std::pair<const char*, int>{"471", IDS_OUT_OF_RANGE}, {"465.0011", IDS_STEP_ERROR}}) {
        r = commit(kChannel, ColTx, text);
        EXPECT_EQ(r.message, message) << text;
        EXPECT_EQ(r.row, kChannel) << text;
    }
}

TEST(CommitLists, TakeTheEntryOnlyOnRowsWithAFrequency) {
    for (int column = ColDecode; column <= ColScrambler; ++column) {
        CommitResult r = commit(kChannel, column, "X");
        EXPECT_EQ(r.message, 0);
        Row expected = kChannel;
        expected[column] = "X";
        EXPECT_EQ(r.row, expected);
        EXPECT_EQ(commit(kEmpty, column, "High").row, kEmpty) << column;
    }
    // One frequency alone holds no settings: the image would not keep them.
    Row txOnly = kEmpty;
    txOnly[ColTx] = "465.00000";
    EXPECT_EQ(commit(txOnly, ColPower, "Low").row, txOnly);
    // Column 0 and columns past the grid are not editable.
    EXPECT_EQ(commit(kChannel, ColChannel, "9").row, kChannel);
    EXPECT_EQ(commit(kChannel, 11, "9").row, kChannel);
}

TEST(CommitCell, LimitMessagesNameTheLimitThatWasBroken) {
    const auto said = [](const std::string& typed, std::int64_t low, std::int64_t high) {
        const CommitResult r = commitCell(kEmpty, ColRx, typed, low, high, Language::English);
        return limitMessage(r.message, typed, low, high, untranslated());
    };
    EXPECT_EQ(said("446.1", 13600000, 17400000), "446.1 MHz is outside the band 136-174 MHz");
    EXPECT_EQ(said("144.0001", 13600000, 17400000),
              "144.0001 MHz is not on the 5 kHz or 6.25 kHz raster");
    EXPECT_EQ(said("175", 13600000, 17450000), "175 MHz is outside the band 136-174.5 MHz");
    EXPECT_EQ(said("446.1", 0, 0), "446.1 MHz is outside the band: no band is set");
    EXPECT_EQ(said("abc", kLow, kHigh), "\"abc\" is not a frequency in MHz");
}

// Every kind of commit, accepted or refused, on every kind of row the image
// can show: the row afterwards is what saving it and showing it again gives.
TEST(CommitCell, TheGridShowsWhatASaveStores) {
    Image img = newDocumentImage();
    ChannelTable start = imageToTable(img, Language::English);
    start[1] = kChannel;
    start[1][ColChannel] = " 1";
    tableToImage(start, img);
    const std::uint8_t mhz465[4] = {0x00, 0x00, 0x50, 0x46};
    for (int i = 0; i < 4; ++i) {
        mm::recordByte(img, 2, mm::rec::RxFrequency, i) = mhz465[i]; // receive only: no channel
        mm::recordByte(img, 3, mm::rec::TxFrequency, i) = mhz465[i]; // transmit only
    }
    const ChannelTable shown = imageToTable(img, Language::English);
    const auto saved = [](const Row& row) {
        ChannelTable t = imageToTable(newDocumentImage(), Language::English);
        t[5] = row;
        Image out = newDocumentImage();
        tableToImage(t, out);
        return imageToTable(out, Language::English)[5];
    };
    const std::pair<int, const char*> commits[] = {
        {ColRx, "465.125"}, {ColRx, "999"},    {ColRx, "470.5"},    {ColRx, "446.00626"},
        {ColRx, ""},        {ColTx, "461"},    {ColTx, "999"},      {ColTx, "462.001"},
        {ColTx, ""},        {ColPower, "Low"}, {ColScanAdd, "Yes"}, {ColScrambler, "3"},
    };
    for (int n = 1; n <= 4; ++n) {
        Row row = shown[n];
        row[ColChannel] = " 5";
        ASSERT_EQ(saved(row), row) << "channel " << n;
        for (const auto& [column, text] : commits) {
            const CommitResult r = commit(row, column, text);
            EXPECT_EQ(saved(r.row), r.row)
                << "channel " << n << " column " << column << " " << text;
            if (r.message != 0) {
                EXPECT_EQ(r.row, row) << "channel " << n << " " << text;
            }
        }
    }
}
