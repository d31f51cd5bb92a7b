// A typed frequency with more than five decimals is checked after truncation
// to 10 Hz; what is stored must be that checked value, never the typed number
// rounded (which can land off the raster or outside the band). Every way a
// frequency enters the grid is covered: typing, pasting and both CSV imports.
#include "model/CellCommit.h"
#include "model/Codecs.h"
#include "model/Csv.h"
#include "model/InterchangeCsv.h"
#include "model/MemoryMap.h"
#include "model/RowClipboard.h"

#include <gtest/gtest.h>

using namespace radio;

namespace {

constexpr std::int64_t k400 = 40000000;
constexpr std::int64_t k460 = 46000000;
constexpr std::int64_t k470 = 47000000;

struct Case {
    const char* typed;
    std::int64_t low;
    const char* stored;
};
// 446.006258 passes the 6.25 kHz raster as 446.00625 and rounds to 446.00626;
// 470.000009 passes band 460-470 as 470.00000 and rounds to 470.00001.
const Case kCases[] = {{"446.006258", k400, "446.00625"},
                       {"446.006259", k400, "446.00625"},
                       {"470.000009", k460, "470.00000"}};

std::int64_t storedUnits(const Image& img, int channel, const mm::Field& field) {
    const auto byte = [&](int i) { return mm::recordByte(img, channel, field, i); };
    return frequencyUnits(FormatFrequency({byte(0), byte(1), byte(2), byte(3)}));
}

} // namespace

TEST(StoredFrequency, TypingStoresTheTruncatedValueInRxAndTx) {
    const ChannelTable t = imageToTable(newDocumentImage(), Language::English);
    for (const Case& c : kCases) {
        const CommitResult rx = commitCell(t[3], ColRx, c.typed, c.low, k470, Language::English);
        ASSERT_EQ(rx.message, 0) << c.typed;
        EXPECT_EQ(rx.row[ColRx], c.stored) << c.typed;
        EXPECT_EQ(rx.row[ColTx], c.stored) << c.typed; // a new channel copies Rx
        const CommitResult tx = commitCell(rx.row, ColTx, c.typed, c.low, k470, Language::English);
        ASSERT_EQ(tx.message, 0) << c.typed;
        EXPECT_EQ(tx.row[ColTx], c.stored) << c.typed;
    }
    EXPECT_EQ(formatFrequencyText("-446.006258"), "-446.00625");
    EXPECT_EQ(formatFrequencyText("x"), "0.00000");
}

TEST(StoredFrequency, PastedRowsStoreTheTruncatedValue) {
    const ChannelTable t = imageToTable(newDocumentImage(), Language::English);
    for (const Case& c : kCases) {
        const std::string line =
            std::string(c.typed) + "\t" + c.typed + "\tNone\tNone\tHigh\tNo\tOff\tWide\tOff\tOff";
        const clipboard::Paste p = clipboard::pasteRows(line, t, 5, c.low, k470, Language::English);
        ASSERT_TRUE(p.ok) << c.typed;
        EXPECT_EQ(p.table[5][ColRx], c.stored) << c.typed;
        EXPECT_EQ(p.table[5][ColTx], c.stored) << c.typed;
    }
}

TEST(StoredFrequency, BothCsvImportsWriteOnRasterInBandBytes) {
    for (const Case& c : kCases) {
        const std::int64_t expected = frequencyUnits(c.stored);

        Image grid = newDocumentImage();
        const CsvImport g = importCsv(std::string("CH,Rx Frequency,Tx Frequency\n1,") + c.typed +
                                          "," + c.typed + "\n",
                                      imageToTable(grid, Language::English), c.low, k470);
        ASSERT_TRUE(g.ok) << c.typed << " " << g.error;
        EXPECT_EQ(g.table[1][ColRx], c.stored);
        applyImport(g, grid);
        EXPECT_EQ(storedUnits(grid, 1, mm::rec::RxFrequency), expected) << c.typed;
        EXPECT_EQ(storedUnits(grid, 1, mm::rec::TxFrequency), expected) << c.typed;

        Image other = newDocumentImage();
        const interchange::Import i =
            interchange::importCsv(std::string("Location,Frequency,Duplex,Offset\n2,") + c.typed +
                                       ",split," + c.typed + "\n",
                                   imageToTable(other, Language::English), c.low, k470);
        ASSERT_TRUE(i.ok) << c.typed << " " << i.error
                          << (i.rejected.empty() ? "" : i.rejected[0].reason);
        interchange::apply(i, other);
        EXPECT_EQ(storedUnits(other, 2, mm::rec::RxFrequency), expected) << c.typed;
        EXPECT_EQ(storedUnits(other, 2, mm::rec::TxFrequency), expected) << c.typed;
    }
}
