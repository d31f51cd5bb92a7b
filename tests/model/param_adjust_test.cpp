#include "model/MemoryMap.h"
#include "model/ParamAdjust.h"

#include <gtest/gtest.h>

using namespace radio;
using namespace radio::param;

namespace {

TEST(ParamAdjust, NewDocumentIsCorrectedAndStoredBack) {
    Image img = newDocumentImage();
    img[mm::Emphasis.offset] = 0xFC;
    const Values v = load(img);
    store(img, v);
    const std::uint8_t expected[] = {0, 0, 1, 1, 0, 0, 1, 1, 0xFF, 0xFF};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(img[mm::ParamAdjust.offset + i], expected[i]) << i;
    EXPECT_EQ(img[mm::Emphasis.offset], 0xFC);
}

TEST(ParamAdjust, CorrectionsOnOpening) {
    Image img = newDocumentImage();
    const std::uint8_t stored[] = {7, 8, 0, 7, 3, 200, 9, 2, 0, 17};
    for (int i = 0; i < 10; ++i)
        img[mm::ParamAdjust.offset + i] = stored[i];
    const Values v = load(img);
    EXPECT_EQ(v.cell[0], (std::array<int, 2>{7, 0}));
    EXPECT_EQ(v.cell[1], (std::array<int, 2>{1, 7}));
    EXPECT_EQ(v.cell[2], (std::array<int, 2>{3, 0}));
    EXPECT_EQ(v.cell[3], (std::array<int, 2>{1, 2}));
    EXPECT_EQ(v.cell[4], (std::array<int, 2>{0, 17}));
}

TEST(ParamAdjust, TypedValuesAreReplaced) {
    EXPECT_EQ(committedValue(5, "300"), 0);
    EXPECT_EQ(committedValue(5, "200"), 200);
    EXPECT_EQ(committedValue(5, "abc"), 0);
    EXPECT_EQ(committedValue(2, "9"), 1);
    EXPECT_EQ(committedValue(4, "0"), 1);
    EXPECT_EQ(committedValue(2, "7"), 7);
    EXPECT_EQ(committedValue(1, "8"), 0);
    EXPECT_EQ(committedValue(3, "5"), 5);
    EXPECT_EQ(committedValue(3, ""), 0);
    EXPECT_EQ(editorForRow(1), IDC_LIST_0_TO_7);
    EXPECT_EQ(editorForRow(4), IDC_LIST_1_TO_7);
    EXPECT_EQ(editorForRow(5), IDC_LIMIT_EDIT);
    EXPECT_EQ(listEntries(IDC_LIST_1_TO_7).front(), "1");
    EXPECT_EQ(listEntries(IDC_LIST_0_TO_7).size(), 8u);
}

TEST(ParamAdjust, LimitAndEmphasisBits) {
    Image img = newDocumentImage();
    img[mm::Emphasis.offset] = 0xA9; // bit 0 set, bit 1 clear
    Values v = load(img);
    EXPECT_TRUE(v.deEmphasis);
    EXPECT_FALSE(v.preEmphasis);
    v.deEmphasis = false;
    v.preEmphasis = true;
    v.cell[4][0] = committedValue(5, "200");
    store(img, v);
    EXPECT_EQ(img[mm::Emphasis.offset], 0xAA);
    EXPECT_EQ(img[mm::ParamAdjust.offset + 8], 0xC8);
}

} // namespace
