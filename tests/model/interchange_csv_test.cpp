#include "model/CellCommit.h"
#include "model/ChannelTable.h"
#include "model/InterchangeCsv.h"
#include "model/MemoryMap.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

using namespace radio;

namespace {

constexpr std::int64_t kLow = 40000000; // band 400-470
constexpr std::int64_t kHigh = 47000000;

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

using Row = std::array<std::string, kGridCols>;

// Channels typed into the grid, one per tone combination the layout names.
Image typedImage() {
    Image img = newDocumentImage();
    ChannelTable t = imageToTable(img, Language::English);
    const auto type = [&t](int ch, const std::vector<std::string>& cells) {
        Row row = t[ch];
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const CommitResult r =
                commitCell(row, int(c) + 1, cells[c], kLow, kHigh, Language::English);
            ASSERT_EQ(r.message, 0) << "channel " << ch << " column " << c + 1;
            row = r.row;
        }
        t[ch] = row;
    };
    type(1, {"446.00625", "446.00625", "None", "None", "High", "Yes", "Off", "Wide", "Off", "Off"});
    type(2, {"440.00000", "445.00000", "None", "88.5", "Low", "No", "Off", "Narrow", "Off", "Off"});
    type(3,
         {"445.00000", "440.00000", "100.0", "100.0", "High", "Yes", "Off", "Wide", "Off", "Off"});
    type(5,
         {"430.02500", "430.02500", "D023I", "D023N", "High", "No", "Off", "Wide", "Off", "Off"});
    type(6, {"430.05000", "430.05000", "D754N", "67.0", "High", "No", "Off", "Wide", "Off", "Off"});
    type(7, {"430.07500", "430.07500", "None", "D125I", "High", "No", "Off", "Wide", "Off", "Off"});
    type(8, {"430.10000", "430.10000", "254.1", "None", "High", "No", "Off", "Wide", "Off", "Off"});
    type(9,
         {"430.12500", "430.12500", "D023N", "D025N", "High", "Yes", "Off", "Wide", "Off", "Off"});
    type(16,
         {"469.99375", "400.00000", "71.9", "D023N", "Low", "Yes", "Off", "Narrow", "Off", "Off"});
    tableToImage(t, img);
    return img;
}

interchange::Import import(const std::string& csv, const Image& img = newDocumentImage()) {
    return interchange::importCsv(csv, imageToTable(img, Language::English), kLow, kHigh);
}

} // namespace

TEST(InterchangeExport, WritesTheLayoutsColumnsAndValues) {
    const std::string csv = interchange::exportCsv(typedImage());
    ASSERT_EQ(csv.substr(0, kHeader.size()), kHeader);
    const auto has = [&csv](const std::string& line) {
        return csv.find("\r\n" + line + "\r\n") != std::string::npos;
    };
    EXPECT_TRUE(has("1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,High,,,,,"));
    EXPECT_TRUE(
        has("2,,440.000000,+,5.000000,Tone,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,Low,,,,,"));
    EXPECT_TRUE(
        has("3,,445.000000,-,5.000000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,"));
    EXPECT_TRUE(
        has("5,,430.025000,,0.000000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,5.00,S,High,,,,,"));
    EXPECT_TRUE(
        has("6,,430.050000,,0.000000,Cross,67.0,88.5,023,NN,754,Tone->DTCS,FM,5.00,S,High,,,,,"));
    EXPECT_TRUE(
        has("7,,430.075000,,0.000000,Cross,88.5,88.5,125,RN,023,DTCS->,FM,5.00,S,High,,,,,"));
    EXPECT_TRUE(
        has("8,,430.100000,,0.000000,Cross,88.5,254.1,023,NN,023,->Tone,FM,5.00,S,High,,,,,"));
    EXPECT_EQ(csv.find("\r\n4,"), std::string::npos); // empty channels have no row
}

TEST(InterchangeImport, RoundTripRestoresEveryChannel) {
    const Image original = typedImage();
    const interchange::Import imp = import(interchange::exportCsv(original));
    ASSERT_TRUE(imp.ok) << (imp.rejected.empty() ? imp.error
                                                 : interchange::describe(imp.rejected[0]));
    Image img = newDocumentImage();
    interchange::apply(imp, img);
    EXPECT_EQ(imageToTable(img, Language::English), imageToTable(original, Language::English));
    // The exported channels' records and scan bits byte for byte.
    for (int ch : {1, 2, 3, 5, 6, 7, 8, 9, 16}) {
        ASSERT_TRUE(imp.listed[ch]);
        for (int i = 0; i < mm::kRecordSize; ++i)
            EXPECT_EQ(img[mm::channelOffset(ch) + i], original[mm::channelOffset(ch) + i])
                << "channel " << ch << " byte " << i;
    }
    EXPECT_EQ(img[mm::ScanAddLow.offset], original[mm::ScanAddLow.offset]);
    EXPECT_EQ(img[mm::ScanAddHigh.offset], original[mm::ScanAddHigh.offset]);
    EXPECT_FALSE(imp.listed[4]);
}

TEST(InterchangeImport, FindsColumnsByNameInOlderAndShortFiles) {
    // Only Location and Frequency, counted from 0, columns reordered and in other case.
    interchange::Import imp = import("frequency,LOCATION\r\n446.00625,0\r\n430.05,15\r\n");
    ASSERT_TRUE(imp.ok) << imp.error;
    EXPECT_TRUE(imp.listed[1]);
    EXPECT_TRUE(imp.listed[16]);
    EXPECT_EQ(imp.table[1], (Row{" 1", "446.00625", "446.00625", "None", "None", "High", "No",
                                 "Off", "Wide", "Off", "Off"}));
    EXPECT_EQ(imp.table[16][ColRx], "430.05000");

    // Counted from 1, location 16 is the last channel.
    imp = import("Location,Frequency\n1,446.00625\n16,430.05\n");
    ASSERT_TRUE(imp.ok);
    EXPECT_TRUE(imp.listed[1] && imp.listed[16]);

    // An older file: no RxDtcsCode or CrossMode; DTCS uses one code both ways.
    imp = import("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                 "DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL\n"
                 "3,Base,446.00625,split,440.5,DTCS,88.5,88.5,23,RN,NFM,12.50,,note,,,\n");
    ASSERT_TRUE(imp.ok) << (imp.rejected.empty() ? imp.error
                                                 : interchange::describe(imp.rejected[0]));
    EXPECT_EQ(imp.table[3], (Row{" 3", "446.00625", "440.50000", "D023N", "D023I", "High", "Yes",
                                 "Off", "Narrow", "Off", "Off"}));

    // A column of a newer layout is ignored; a channel without a row keeps its texts.
    const Image current = typedImage();
    imp = import("Location,Frequency,Bank\n4,446.1,A\n", current);
    ASSERT_TRUE(imp.ok);
    EXPECT_EQ(imp.table[1], imageToTable(current, Language::English)[1]);
    Image img = current;
    interchange::apply(imp, img);
    EXPECT_EQ(imageToTable(img, Language::English)[2], imageToTable(current, Language::English)[2]);
    EXPECT_EQ(imageToTable(img, Language::English)[4][ColRx], "446.10000");
}

TEST(InterchangeImport, ListsEveryRejectedRowByLineAndAppliesNothing) {
    const std::string csv =
        kHeader + "1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,,,,,,,,\r\n"
                  "2,,480.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,,,,,,,,\r\n"
                  "3,\"two\nlines\",446.003000,,0,,,,,,,,FM,,,,,,,,\r\n"
                  "4,,446.1,off,0,,,,,,,,FM,,,,,,,,\r\n"
                  "5,,446.1,+,30,Tone,69.4,,,,,,AM,,X,max,,,,,\r\n"
                  "1,,446.2,,0,,,,,,,,FM,,,,,,,,\r\n"
                  "17,,446.2,,0,,,,,,,,FM,,,,,,,,\r\n"
                  "x,,446.2,,0,,,,,,,,FM,,,,,,,,\r\n"
                  "9,,446.1,,0,Cross,,,23,NN,,DTCS->Tone,FM,,,,,,,,\r\n";
    const Image current = typedImage();
    const interchange::Import imp = import(csv, current);
    EXPECT_FALSE(imp.ok);
    std::vector<std::string> lines;
    for (const auto& r : imp.rejected)
        lines.push_back(interchange::describe(r));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "line 3: Frequency 480.000000: 480 MHz is outside the band 400-470 MHz");
    EXPECT_EQ(lines[1],
              "line 4: Frequency 446.003000: 446.003 MHz is not on the 5 kHz or 6.25 kHz raster");
    EXPECT_EQ(lines[2].substr(0, 21), "line 6: Duplex \"off\" ");
    EXPECT_EQ(lines[3],
              "line 7: transmit frequency 476.100000: 476.1 MHz is outside the band "
              "400-470 MHz; "
              "rToneFreq \"69.4\" is not a tone the radio offers; Power \"max\" is "
              "not High, Low or a number of watts; Mode \"AM\" is not FM or NFM; Skip \"X\" is not "
              "\"\", S or P");
    EXPECT_EQ(lines[4], "line 8: Location 1 already had a row on line 2");
    EXPECT_EQ(lines[5], "line 9: Location 17 is not one of the radio's channels (1 to 16)");
    EXPECT_EQ(lines[6], "line 10: Location \"x\" is not a whole number");
    EXPECT_EQ(lines[7], "line 11: cToneFreq \"\" is not a tone the radio offers");
    // Only the good row 1 is accepted; the caller decides whether to take it.
    for (int ch = 1; ch <= 16; ++ch)
        EXPECT_EQ(imp.listed[ch], ch == 1) << ch;
    // The accepted row got the settings the layout cannot carry by default, and says so.
    EXPECT_EQ(imp.notice, "Busy lock, compander and scrambler are not in this layout: the imported "
                          "channels have them Off.");
    const interchange::Import zh = interchange::importCsv(
        csv, imageToTable(current, Language::English), kLow, kHigh, ts::chineseCatalogue());
    ASSERT_EQ(zh.rejected.size(), 8u);
    EXPECT_EQ(interchange::describe(zh.rejected[0]),
              "line 3: Frequency 480.000000: 480 MHz 超出频段 400-470 MHz");
    EXPECT_EQ(zh.notice, "此格式不含繁忙锁定、压扩和扰频：导入的信道均设为关。");
    auto expected = imageToTable(current, Language::English);
    expected[1][ColRx] = expected[1][ColTx] = "446.00625";
    EXPECT_EQ(imp.table, expected);
}

TEST(InterchangeImport, FileShapeErrors) {
    EXPECT_FALSE(import("").error.empty());
    EXPECT_NE(import("Location,Name\n1,x\n").error.find("Frequency"), std::string::npos);
    EXPECT_NE(import("Location,Frequency,location\n").error.find("twice"), std::string::npos);
    EXPECT_FALSE(import("Location,Frequency\n1,\"446\n").error.empty());
    // An empty Frequency clears the channel, like deleting its Rx cell.
    const interchange::Import imp = import("Location,Frequency\n2,\n", typedImage());
    ASSERT_TRUE(imp.ok);
    EXPECT_EQ(imp.table[2][ColRx], "");
    EXPECT_EQ(imp.table[2][ColPower], "");
}

TEST(InterchangeImport, HugeNumbersAreRefusedNotComputedWith) {
    const interchange::Import imp =
        import(kHeader + "1,,446.000000,+,100000000000000,,,,,,,,FM,,,,,,,,\r\n"
                         "2,,446.000000,-,99999999999999999999999,,,,,,,,FM,,,,,,,,\r\n"
                         "3,,99999999999999999999,,0,,,,,,,,FM,,,,,,,,\r\n"
                         "4,,446.000000,+,500.000000,,,,,,,,FM,,,,,,,,\r\n");
    ASSERT_EQ(imp.rejected.size(), 4u);
    EXPECT_EQ(interchange::describe(imp.rejected[0]),
              "line 2: Offset \"100000000000000\" is larger than any frequency of the radio");
    EXPECT_NE(interchange::describe(imp.rejected[1]).find("is larger than"), std::string::npos);
    // The message shows what the file says, not a number clamped on the way.
    EXPECT_EQ(interchange::describe(imp.rejected[2]),
              "line 4: Frequency 99999999999999999999: 99999999999999999999 MHz is outside the "
              "band 400-470 MHz");
    EXPECT_NE(interchange::describe(imp.rejected[3]).find("946.000000: 946 MHz is outside"),
              std::string::npos);
}

TEST(InterchangeExport, AChannelWithoutTxIsNotExportedAsReceiveOnly) {
    // Channel 4 holds an Rx frequency but no Tx: the radio counts it empty.
    Image original = typedImage();
    const std::uint8_t rxOnly[8] = {0x00, 0x50, 0x12, 0x44, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(rxOnly, rxOnly + 8, &original[mm::channelOffset(4)]);
    const std::string csv = interchange::exportCsv(original);
    EXPECT_EQ(csv.find("off"), std::string::npos);
    EXPECT_EQ(csv.find("\r\n4,"), std::string::npos);
    // Its own import takes every row back and gives the same channels.
    const interchange::Import imp = import(csv, original);
    ASSERT_TRUE(imp.ok) << (imp.rejected.empty() ? imp.error
                                                 : interchange::describe(imp.rejected[0]));
    Image back = original;
    interchange::apply(imp, back);
    EXPECT_EQ(back, original);
}

TEST(InterchangeImport, LongListsChosenByLocationIntoConsecutiveChannels) {
    // The older 17-column form, CRLF, a name on every row, power in watts, 40
    // rows at locations 50..89 with 60 missing and 70 out of the band.
    std::string csv = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                      "DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL\r\n";
    for (int loc = 50; loc < 90; ++loc) {
        if (loc == 60)
            continue;
        const std::string mhz = loc == 70 ? "480.000000" : "446." + std::to_string(loc) + "0000";
        csv += std::to_string(loc) + ",CH" + std::to_string(loc) + "," + mhz +
               ",,0,Tone,88.5,88.5,023,NN,NFM,12.50,,,,,\r\n";
    }
    const interchange::ListFile list = interchange::readList(csv, kLow, kHigh);
    ASSERT_TRUE(list.error.empty()) << list.error;
    ASSERT_EQ(list.rows.size(), 39u);
    EXPECT_EQ(list.missingColumns, (std::vector<std::string>{"RxDtcsCode", "CrossMode", "Power"}));
    EXPECT_FALSE(list.rows[19].usable); // location 70
    // Only a list whose Locations are channels goes in as it stands.
    EXPECT_FALSE(interchange::fitsByLocation(list));
    EXPECT_TRUE(interchange::fitsByLocation(
        interchange::readList("Location,Frequency\n0,1\n15,1\n", kLow, kHigh)));
    EXPECT_FALSE(interchange::fitsByLocation(
        interchange::readList("Location,Frequency\n0,1\n16,1\n", kLow, kHigh)));
    EXPECT_FALSE(interchange::fitsByLocation(
        interchange::readList("Location,Frequency\n71,1\n", kLow, kHigh)));
    EXPECT_EQ(list.rows[19].line, 21);

    long from = 0, to = 0;
    EXPECT_FALSE(interchange::parseRange("9-5", from, to));
    EXPECT_FALSE(interchange::parseRange("a-5", from, to));
    ASSERT_TRUE(interchange::parseRange("58-63", from, to));
    const auto chosen = interchange::rowsInRange(list, from, to);
    ASSERT_EQ(chosen.size(), 5u); // 60 is missing

    const ChannelTable current = imageToTable(typedImage(), Language::English);
    interchange::Import imp = interchange::place(list, chosen, 3, current);
    ASSERT_TRUE(imp.ok);
    for (int ch = 1; ch <= 16; ++ch)
        EXPECT_EQ(imp.listed[ch], ch >= 3 && ch <= 7) << ch;
    EXPECT_EQ(imp.table[3], (Row{" 3", "446.58000", "446.58000", "None", "88.5", "High", "Yes",
                                 "Off", "Narrow", "Off", "Off"}));
    EXPECT_EQ(imp.table[5][ColRx], "446.61000");
    EXPECT_EQ(imp.table[8], current[8]);
    // Said once: the defaults, the missing columns, the names.
    EXPECT_NE(imp.notice.find("no columns RxDtcsCode, CrossMode, Power"), std::string::npos);
    EXPECT_NE(imp.notice.find("no channel names"), std::string::npos);

    // A bad chosen row is named by its line; too many rows for the room is refused.
    imp = interchange::place(list, interchange::rowsInRange(list, 68, 72), 1, current);
    ASSERT_EQ(imp.rejected.size(), 1u);
    EXPECT_EQ(interchange::describe(imp.rejected[0]),
              "line 21: Frequency 480.000000: 480 MHz is outside the band 400-470 MHz");
    imp = interchange::place(list, chosen, 13, current);
    EXPECT_EQ(imp.error, "5 rows are chosen, but channels 13 to 16 are only 4.");
}

TEST(InterchangeImport, PowerInWattsMapsToTheTwoLevels) {
    bool high = true;
    for (const char* low : {"0.5W", "1W", "1.000 W", "0.1"}) {
        EXPECT_TRUE(interchange::wattsArePower(low, high)) << low;
        EXPECT_FALSE(high) << low;
    }
    for (const char* hi : {"2.0W", "5W", "1.01w"}) {
        EXPECT_TRUE(interchange::wattsArePower(hi, high)) << hi;
        EXPECT_TRUE(high) << hi;
    }
    for (const char* no : {"", "W", "-1W", "1e3W", "High"})
        EXPECT_FALSE(interchange::wattsArePower(no, high)) << no;

    const interchange::Import imp =
        import("Location,Frequency,Power\r\n1,446.1,0.5W\r\n2,446.2,5W\r\n3,446.3,0.5W\r\n");
    ASSERT_TRUE(imp.ok);
    EXPECT_EQ(imp.table[1][ColPower], "Low");
    EXPECT_EQ(imp.table[2][ColPower], "High");
    EXPECT_NE(imp.notice.find("(0.5W -> Low, 5W -> High)"), std::string::npos) << imp.notice;
}
