#include "model/BulkEdit.h"
#include "model/StringTable.h"

#include <gtest/gtest.h>

using namespace radio;

namespace {

constexpr std::int64_t kLow = 46000000; // band 460-470
constexpr std::int64_t kHigh = 47000000;

using Row = std::array<std::string, kGridCols>;

// Channel 1 and 3 programmed, 2 and 4.. empty.
ChannelTable sample() {
    ChannelTable t = imageToTable(newDocumentImage(), Language::English);
    t[1] = {" 1",  "462.56250", "467.56250", "67.0", "None", "Low",
            "Yes", "Off",       "Narrow",    "On",   "3"};
    t[3] = {" 3", "465.00000", "465.00000", "None", "None", "High",
            "No", "Off",       "Wide",      "Off",  "Off"};
    return t;
}

std::vector<bulk::Cell> column(int col, std::initializer_list<int> rows) {
    std::vector<bulk::Cell> cells;
    for (int r : rows)
        cells.push_back({r, col});
    return cells;
}

} // namespace

TEST(BulkEdit, FillDownCopiesTheTopCellLikeTyping) {
    const ChannelTable t = sample();
    // Power of channel 1 into channels 3 and 4: the empty channel 4 keeps
    // its list cells empty, as a typed value would leave them.
    bulk::Outcome o =
        bulk::fillDown(t, column(ColPower, {4, 1, 3}), kLow, kHigh, Language::English);
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(o.table[3][ColPower], "Low");
    EXPECT_EQ(o.table[4], t[4]);
    EXPECT_EQ(o.table[1], t[1]);

    // Whole rows: channel 1 copied onto empty rows through the frequency
    // commit (defaults first), then every list cell over the defaults.
    std::vector<bulk::Cell> rows;
    for (int r : {1, 2, 4})
        for (int c = ColRx; c <= ColScrambler; ++c)
            rows.push_back({r, c});
    o = bulk::fillDown(t, rows, kLow, kHigh, Language::English);
    ASSERT_TRUE(o.ok);
    for (int r : {2, 4}) {
        Row expected = t[1];
        expected[ColChannel] = t[std::size_t(r)][ColChannel];
        EXPECT_EQ(o.table[std::size_t(r)], expected) << "row " << r;
    }
    EXPECT_EQ(o.table[3], t[3]); // not selected

    // An empty top Rx deletes the channels below, as emptying Rx does.
    o = bulk::fillDown(t, column(ColRx, {2, 3}), kLow, kHigh, Language::English);
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(o.table[3], (Row{" 3", "", "", "", "", "", "", "", "", "", ""}));
}

TEST(BulkEdit, FillDownReadsValuesBeforeChangingAny) {
    ChannelTable t = sample();
    t[2] = {" 2", "461.00000", "461.00000", "None", "None", "High",
            "No", "Off",       "Wide",      "Off",  "Off"};
    // Column Rx rows 1..3 and column Tx rows 2..3: row 2 is a target of the
    // first and the source of the second; its Tx is read as it was.
    std::vector<bulk::Cell> cells = column(ColRx, {1, 2, 3});
    for (const bulk::Cell& c : column(ColTx, {2, 3}))
        cells.push_back(c);
    const bulk::Outcome o = bulk::fillDown(t, cells, kLow, kHigh, Language::English);
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(o.table[2][ColRx], "462.56250");
    EXPECT_EQ(o.table[2][ColTx], "461.00000");
    EXPECT_EQ(o.table[3][ColRx], "462.56250");
    EXPECT_EQ(o.table[3][ColTx], "461.00000");
}

TEST(BulkEdit, SetCellsRefusesAllOrNothing) {
    const ChannelTable t = sample();
    bulk::Outcome o = bulk::setCells(t, {1, 3}, ColTx, "466.0125", kLow, kHigh, Language::English);
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(o.table[1][ColTx], "466.01250");
    EXPECT_EQ(o.table[3][ColTx], "466.01250");

    // Out of the band: every row is refused with the typed value's message.
    o = bulk::setCells(t, {1, 2, 3}, ColRx, "480", kLow, kHigh, Language::English);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.table, t);
    ASSERT_EQ(o.refused.size(), 3u);
    EXPECT_EQ(o.refused[0].row, 1);
    EXPECT_EQ(o.refused[0].column, int(ColRx));
    EXPECT_EQ(o.refused[0].message, IDS_OUT_OF_RANGE);
    EXPECT_EQ(o.refused[2].row, 3);

    // Off the raster.
    o = bulk::setCells(t, {3}, ColTx, "462.001", kLow, kHigh, Language::English);
    EXPECT_FALSE(o.ok);
    ASSERT_EQ(o.refused.size(), 1u);
    EXPECT_EQ(o.refused[0].message, IDS_STEP_ERROR);

    // A list text that is no entry is refused where it would land only.
    o = bulk::setCells(t, {1, 2}, ColPower, "Medium", kLow, kHigh, Language::English);
    EXPECT_FALSE(o.ok);
    ASSERT_EQ(o.refused.size(), 1u);
    EXPECT_EQ(o.refused[0].row, 1);
    EXPECT_EQ(o.refused[0].message, 0);
    EXPECT_EQ(o.refused[0].value, "Medium");

    // Chinese entries in a Chinese table.
    const ChannelTable zh = imageToTable(newDocumentImage(), Language::Chinese);
    ChannelTable zt = zh;
    zt[5] = {" 5", "460.00000", "460.00000", "无", "无", "高", "无", "关", "宽", "关", "关"};
    o = bulk::setCells(zt, {5}, ColPower, "低", kLow, kHigh, Language::Chinese);
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(o.table[5][ColPower], "低");
}

TEST(BulkEdit, OneCopiedRowPastesOntoEverySelectedRow) {
    const ChannelTable t = sample();
    const std::string line = clipboard::copyRows(t, {1});
    clipboard::Paste p = bulk::pasteOntoRows(line, t, {4, 6, 9}, kLow, kHigh, Language::English);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.rows, (std::vector<int>{4, 6, 9}));
    for (int r : {4, 6, 9}) {
        Row expected = t[1];
        expected[ColChannel] = t[std::size_t(r)][ColChannel];
        EXPECT_EQ(p.table[std::size_t(r)], expected);
    }
    EXPECT_EQ(p.table[5], t[5]);

    // Two lines keep the ordinary paste from the first selected row down.
    p = bulk::pasteOntoRows(clipboard::copyRows(t, {1, 3}), t, {4, 9}, kLow, kHigh,
                            Language::English);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.rows, (std::vector<int>{4, 5}));
    EXPECT_EQ(p.table[9], t[9]);

    // A refused cell on one row pastes nothing anywhere; each row is named.
    const std::string outOfBand = "480\t\tNone\tNone\tHigh\tNo\tOff\tWide\tOff\tOff\n";
    p = bulk::pasteOntoRows(outOfBand, t, {2, 7}, kLow, kHigh, Language::English);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.table, t);
    ASSERT_EQ(p.rejected.size(), 2u);
    EXPECT_EQ(p.rejected[0].row, 2);
    EXPECT_EQ(p.rejected[1].row, 7);
}
