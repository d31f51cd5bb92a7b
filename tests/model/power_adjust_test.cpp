#include "model/MemoryMap.h"
#include "model/PowerAdjust.h"

#include <gtest/gtest.h>

using namespace radio;
using namespace radio::power;

namespace {

TEST(PowerAdjust, SegmentsOfABand) {
    EXPECT_EQ(segments(400, 480), (std::vector<int>{400, 410, 420, 430, 440, 450, 460, 470}));
    EXPECT_EQ(segments(400, 470), (std::vector<int>{400, 410, 420, 430, 440, 450, 460}));
    EXPECT_EQ(segments(136, 174), (std::vector<int>{136, 140, 150, 160, 170, 174}));
    EXPECT_EQ(segmentsFromLimits(40000000, 47000000), segments(400, 470));
    // More than eight segments: only the first eight, so nothing past 0x3EF.
    EXPECT_EQ(segments(136, 480), (std::vector<int>{136, 140, 150, 160, 170, 180, 190, 200}));
    EXPECT_EQ(segments(0, 2000000000).size(), 8u);
    EXPECT_TRUE(segments(0, 0).empty());
}

TEST(PowerAdjust, OutOfRangeBecomesTheMaximum) {
    EXPECT_EQ(committedLow("200"), 155);
    EXPECT_EQ(committedLow("3"), 155);
    EXPECT_EQ(committedLow("5"), 5);
    EXPECT_EQ(committedLow(""), 155);
    EXPECT_EQ(committedHigh("99"), 250);
    EXPECT_EQ(committedHigh("120"), 120);
    EXPECT_EQ(committedHigh("251"), 250);
}

TEST(PowerAdjust, LoadsAndStoresExactlyTheRowsShown) {
    Image img = newDocumentImage();
    std::vector<Row> rows = load(img, segments(400, 470).size());
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].low, 47);
    EXPECT_EQ(rows[0].high, 160);
    EXPECT_EQ(rows[6].high, 160);
    for (Row& r : rows) {
        r.low = 0x101; // low 8 bits stored
        r.high = 100;
    }
    const Image before = img;
    store(img, rows);
    for (std::size_t i = 0; i < img.size(); ++i) {
        if (i >= mm::PowerAdjust.offset && i < mm::PowerAdjust.offset + 14u)
            EXPECT_EQ(img[i], (i - mm::PowerAdjust.offset) % 2 ? 100 : 1) << i;
        else
            EXPECT_EQ(img[i], before[i]) << i;
    }
    // A longer list never reaches past the sixteen bytes.
    store(img, std::vector<Row>(12, Row{9, 9}));
    EXPECT_EQ(img[mm::CallTone.offset], before[mm::CallTone.offset]);
    EXPECT_EQ(load(img, 12).size(), 8u);
}

} // namespace
