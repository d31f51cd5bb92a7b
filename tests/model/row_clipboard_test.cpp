#include "model/RowClipboard.h"
#include "model/StringTable.h"

#include <gtest/gtest.h>

using namespace radio;

namespace {

constexpr std::int64_t kLow = 40000000; // band 400-470
constexpr std::int64_t kHigh = 47000000;

using Row = std::array<std::string, kGridCols>;

ChannelTable sampleTable(Language language) {
    ChannelTable t = imageToTable(newDocumentImage(), language);
    if (language == Language::Chinese)
        t[2] = {" 2", "446.00625", "446.00500", "D023N", "88.5", "低",
                "有", "载波",      "窄",        "开",    "3"};
    else
        t[2] = {" 2",  "446.00625", "446.00500", "D023N", "88.5", "Low",
                "Yes", "Carrier",   "Narrow",    "On",    "3"};
    return t;
}

} // namespace

TEST(RowClipboard, CopiedRowsPasteBackIntoOtherRowsAndLanguages) {
    const ChannelTable en = sampleTable(Language::English);
    const std::string text = clipboard::copyRows(en, {2, 3});
    EXPECT_EQ(text, " 2\t446.00625\t446.00500\tD023N\t88.5\tLow\tYes\tCarrier\tNarrow\tOn\t3\n"
                    " 3\t\t\t\t\t\t\t\t\t\t\n");

    // Into rows 7 and 8 of a Chinese grid, as a spreadsheet hands it back (CRLF).
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ChannelTable zh = sampleTable(Language::Chinese);
    zh[8][1] = zh[8][2] = "430.00000"; // pasting the empty row clears it
    const clipboard::Paste p = clipboard::pasteRows(crlf, zh, 7, kLow, kHigh, Language::Chinese);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.rows, (std::vector<int>{7, 8}));
    EXPECT_EQ(p.table[7], (Row{" 7", "446.00625", "446.00500", "D023N", "88.5", "低", "有", "载波",
                               "窄", "开", "3"}));
    EXPECT_EQ(p.table[8], (Row{" 8", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(p.table[2], zh[2]);

    // Ten cells without the channel number work too; a blank Tx transmits on Rx.
    const clipboard::Paste q =
        clipboard::pasteRows("430.0125\t\tNone\tNone\tHigh\tNo\tOff\tWide\tOff\tOff", en, 16, kLow,
                             kHigh, Language::English);
    ASSERT_TRUE(q.ok);
    EXPECT_EQ(q.table[16][1], "430.01250");
    EXPECT_EQ(q.table[16][2], "430.01250");
}

TEST(RowClipboard, RefusedCellsPasteNothing) {
    const ChannelTable en = sampleTable(Language::English);
    const clipboard::Paste p =
        clipboard::pasteRows("480.0\t\tNone\tNone\tHigh\tNo\tOff\tWide\tOff\tOff\n"
                             "446.003\t\tNone\tNone\tHigh\tNo\tOff\tWide\tOff\tOff\n"
                             "446.1\t446.2\t67.1\tNone\tMax\tNo\tOff\tWide\tOff\tOff\n"
                             "just text\n"
                             "446.1\t\tNone\tNone\tHigh\tNo\tOff\tWide\tOff\tOff\n",
                             en, 12, kLow, kHigh, Language::English);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.table, en);
    ASSERT_EQ(p.rejected.size(), 5u);
    EXPECT_EQ(p.rejected[0].row, 12);
    EXPECT_EQ(p.rejected[0].message, IDS_OUT_OF_RANGE);
    EXPECT_EQ(p.rejected[1].message, IDS_STEP_ERROR);
    EXPECT_EQ(p.rejected[2].column, ColDecode);
    EXPECT_EQ(p.rejected[2].value, "67.1");
    EXPECT_EQ(p.rejected[3].column, ColPower);
    EXPECT_EQ(p.rejected[4].row, 15);
    EXPECT_EQ(p.rejected[4].column, 0); // not a channel row
    // A line past row 16 has nowhere to go.
    EXPECT_FALSE(clipboard::pasteRows(clipboard::copyRows(en, {1, 2}), en, 16, kLow, kHigh,
                                      Language::English)
                     .ok);
}
