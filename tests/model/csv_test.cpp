#include "model/CellCommit.h"
#include "model/Codecs.h"
#include "model/Csv.h"
#include "model/MemoryMap.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

using namespace radio;

namespace {

constexpr std::int64_t kLow = 40000000; // band 400-470
constexpr std::int64_t kHigh = 47000000;

const std::string kHeader = "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Power,Scan "
                            "Add,Busy Lock,W/N,Compand,Scrambler\r\n";

CsvImport import(const std::string& csv, const Image& img) {
    return importCsv(csv, imageToTable(img, Language::English), kLow, kHigh);
}

Image sampleImage() {
    Image img = newDocumentImage();
    const std::uint8_t ch2[16] = {0x25, 0x06, 0x60, 0x44, 0x00, 0x05, 0x60, 0x44,
                                  0x13, 0x28, 0x75, 0x03, 0x08, 0x30, 0x13, 0x77};
    const std::uint8_t ch9[16] = {0x00, 0x50, 0x00, 0x45, 0x00, 0x50, 0x00, 0x45,
                                  0xFF, 0xFF, 0xEC, 0xA9, 0xF8, 0x00, 0x44, 0x00};
    std::copy(ch2, ch2 + 16, &img[mm::channelOffset(2)]);
    std::copy(ch9, ch9 + 16, &img[mm::channelOffset(9)]);
    img[mm::ScanAddHigh.offset] = 0x01; // channel 9
    return img;
}

} // namespace

TEST(CsvText, QuotesAndParsesPerRfc4180) {
    EXPECT_EQ(csvField("plain"), "plain");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
    const CsvParse p =
        parseCsv("\xEF\xBB\xBFh1,h2\r\n\"a,b\",\"say \"\"hi\"\"\"\n\r\n\"x\ny\",\n,\n信道,z");
    ASSERT_TRUE(p.ok) << p.error;
    ASSERT_EQ(p.records.size(), 5u);
    EXPECT_EQ(p.records[0].fields, (std::vector<std::string>{"h1", "h2"}));
    EXPECT_EQ(p.records[1].fields, (std::vector<std::string>{"a,b", "say \"hi\""}));
    EXPECT_EQ(p.records[2].fields, (std::vector<std::string>{"x\ny", ""}));
    EXPECT_EQ(p.records[2].line, 4); // the blank line 3 is dropped
    EXPECT_EQ(p.records[3].fields, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(p.records[4].fields, (std::vector<std::string>{"信道", "z"}));
    for (const char* bad : {"a,\"open", "\"a\"b,c", "a\"b"})
        EXPECT_FALSE(parseCsv(bad).ok) << bad;
}

TEST(CsvExport, WritesTheEnglishGridUnderTheHeaderRow) {
    const std::string csv = tableToCsv(imageToTable(sampleImage(), Language::Chinese));
    EXPECT_EQ(csv.substr(0, kHeader.size()), kHeader);
    EXPECT_NE(csv.find("\r\n 2,446.00625,446.00500,D023N,88.5,高,无,载波,宽,关,3\r\n"),
              std::string::npos);
    const std::string en = tableToCsv(imageToTable(sampleImage(), Language::English));
    EXPECT_NE(en.find("\r\n 9,450.05000,450.05000,None,D754I,Low,Yes,QT/DQT,Narrow,On,4\r\n"),
              std::string::npos);
    EXPECT_NE(en.find("\r\n16,,,,,,,,,,\r\n"), std::string::npos);
}

TEST(CsvImport, ExportThenImportGivesBackTheSameBytes) {
    const Image img = sampleImage();
    Image out = img;
    const CsvImport r = import(tableToCsv(imageToTable(img, Language::English)), img);
    ASSERT_TRUE(r.ok) << r.error;
    applyImport(r, out);
    // Channel 9's busy lock 11 comes back as 10; the exported empty rows get
    // an empty channel's option bits.
    Image expected = img;
    expected[mm::channelOffset(9) + 12] = 0xF0;
    for (int n = 1; n <= 16; ++n) {
        if (n != 2 && n != 9) {
            expected[mm::channelOffset(n) + 12] = 0xF7;
            expected[mm::channelOffset(n) + 13] = 0xCF;
            expected[mm::channelOffset(n) + 14] = 0xE0;
        }
    }
    EXPECT_EQ(out, expected);

    // A scrambler the radio does not offer exports blank, which no list holds.
    Image odd = img;
    odd[mm::channelOffset(9) + 14] = 0x4C;
    const CsvImport rejected = import(tableToCsv(imageToTable(odd, Language::English)), odd);
    EXPECT_EQ(rejected.rejected,
              (std::vector<std::string>{
                  "row 9, column Scrambler: \"\" is not one of the column's entries"}));
}

TEST(CsvImport, CommitsRowsAsTheGridWouldInAnyColumnOrder) {
    Image img = sampleImage();
    const Image before = img;
    const std::string csv = "Scrambler, CH ,Power,Rx Frequency,QT/DQT Enc\n"
                            "7,5,Low,462.0125,D754I\n"  // a new channel: defaults, then the lists
                            "Off,2,高,446.00625,None\n" // Chinese entries are fine
                            ",9,,,\n";                  // deletes channel 9
    const CsvImport r = import(csv, img);
    ASSERT_TRUE(r.ok) << r.error << (r.rejected.empty() ? "" : r.rejected[0]);
    EXPECT_EQ(r.table[5],
              (std::array<std::string, kGridCols>{" 5", "462.01250", "462.01250", "None", "D754I",
                                                  "Low", "No", "Off", "Wide", "Off", "7"}));
    EXPECT_EQ(r.table[2][ColTx], "446.00500"); // Tx was not in the file
    EXPECT_EQ(r.table[2][ColPower], "高");
    EXPECT_EQ(r.table[9][ColRx], "");
    applyImport(r, img);
    EXPECT_EQ(FormatFrequency({img[0x50], img[0x51], img[0x52], img[0x53]}), "462.01250");
    EXPECT_EQ(img[mm::channelOffset(2) + 13] & 0x20, 0x20);
    EXPECT_EQ(img[mm::channelOffset(9) + 3], 0xFF);
    EXPECT_EQ(img[mm::ScanAddHigh.offset], 0x00);
    EXPECT_EQ(img[mm::channelOffset(2) + 15], 0x77);
    // Channels without a row keep their bytes exactly, even ones the grid would rewrite.
    for (int n : {1, 3, 4, 6, 16})
        for (int k = 0; k < 16; ++k)
            EXPECT_EQ(img[mm::channelOffset(n) + k], before[mm::channelOffset(n) + k]);
}

TEST(CsvImport, ReportsEveryRejectedCellByChannelAndColumn) {
    const std::string csv = kHeader + "3,471,,None,None,High,No,Off,Wide,Off,Off\n" +
                            "4,462.001,,None,None,High,No,Off,Wide,Off,Off\n" +
                            "5,465,499,none,None,Hi,No,Off,Wide,Off,9\n" +
                            "6,465,,None,None,,No,Off,Wide,Off,Off\n" + "7,,,None,None,Max,,,,,\n";
    const CsvImport r = import(csv, sampleImage());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.empty());
    EXPECT_EQ(r.rejected,
              (std::vector<std::string>{
                  "row 3, column Rx Frequency: 471 MHz is outside the band 400-470 MHz",
                  "row 4, column Rx Frequency: 462.001 MHz is not on the 5 kHz or 6.25 kHz raster",
                  "row 5, column Tx Frequency: 499 MHz is outside the band 400-470 MHz",
                  "row 5, column QT/DQT Dec: \"none\" is not one of the column's entries",
                  "row 5, column Power: \"Hi\" is not one of the column's entries",
                  "row 5, column Scrambler: \"9\" is not one of the column's entries",
                  "row 6, column Power: \"\" is not one of the column's entries",
                  "row 7, column Power: \"Max\" is not one of the column's entries",
              }));
    // Only rows without a rejected cell are ever applied (the window may ask
    // to take them); a refused row keeps its bytes, a row's Tx included.
    EXPECT_TRUE(r.refused[3] && r.refused[5] && r.refused[7]);
    const CsvImport mixed = import(kHeader + "3,465,,None,None,High,No,Off,Wide,Off,Off\n" +
                                       "9,465,499,None,None,High,No,Off,Wide,Off,Off\n",
                                   sampleImage());
    ASSERT_FALSE(mixed.ok);
    EXPECT_TRUE(mixed.listed[3] && !mixed.refused[3] && mixed.refused[9]);
    Image applied = sampleImage();
    applyImport(mixed, applied);
    EXPECT_EQ(FormatFrequency({applied[0x30], applied[0x31], applied[0x32], applied[0x33]}),
              "465.00000");
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(applied[mm::channelOffset(9) + k], sampleImage()[mm::channelOffset(9) + k]);

    // The same in Chinese, through the catalogue.
    const CsvImport zh = importCsv(csv, imageToTable(sampleImage(), Language::English), kLow, kHigh,
                                   ts::chineseCatalogue());
    ASSERT_EQ(zh.rejected.size(), r.rejected.size());
    EXPECT_EQ(zh.rejected[0], "第3行，Rx Frequency列：471 MHz 超出频段 400-470 MHz");
    EXPECT_EQ(zh.rejected[1], "第4行，Rx Frequency列：462.001 MHz 不在 5 kHz 或 6.25 kHz 步进上");
    EXPECT_EQ(zh.rejected[3], "第5行，QT/DQT Dec列：\"none\" 不是该列的选项");
}

TEST(CsvImport, RejectsFilesOfTheWrongShape) {
    const Image img = sampleImage();
    const struct {
        std::string csv;
        const char* expect;
    } cases[] = {
        {"", "empty"},
        {"CH,Rx Frequency,Color\n1,446,red\n", "unknown column \"Color\""},
        {"Rx Frequency\n446\n", "no \"CH\""},
        {"CH,CH\n1,1\n", "appears twice"},
        {"CH,Power\n1,High,extra\n", "line 2: 3 fields"},
        {"CH,Power\n17,High\n", "channel \"17\""},
        {"CH,Power\n0,High\n", "channel \"0\""},
        {"CH,Power\nx,High\n", "channel \"x\""},
        {"CH,Power\n3,High\n03,Low\n", "second row"},
        {"CH,Power\n\"3,High\n", "not closed"},
    };
    for (const auto& c : cases) {
        const CsvImport r = import(c.csv, img);
        EXPECT_FALSE(r.ok) << c.csv;
        EXPECT_NE(r.error.find(c.expect), std::string::npos) << c.csv << " -> " << r.error;
    }
    // A header alone changes nothing and is fine.
    const CsvImport header = import(kHeader, img);
    EXPECT_TRUE(header.ok);
    Image out = img;
    applyImport(header, out);
    EXPECT_EQ(out, img);
}
