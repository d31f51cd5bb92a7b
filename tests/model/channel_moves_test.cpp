#include "model/ChannelMoves.h"

#include "model/Codecs.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace radio;
using moves::Order;

namespace {

// Channels 1..10 programmed with the receive frequencies below (MHz), 11..16
// empty; every record carries its channel number in bits no grid column
// shows, the odd channels are in the scan list, channel 4 is the priority one.
const char* const kRx[] = {"465", "462.5", "467", "461",   "466",
                           "461", "463",   "464", "460.5", "462"};

Image sample() {
    Image img = newDocumentImage();
    for (int n = 1; n <= 10; ++n) {
        const FreqBytes f = ParseFrequency(kRx[n - 1]);
        for (int i = 0; i < 4; ++i) {
            mm::recordByte(img, n, mm::rec::RxFrequency, i) = f[std::size_t(i)];
            mm::recordByte(img, n, mm::rec::TxFrequency, i) = f[std::size_t(i)];
        }
    }
    for (int n = 1; n <= 16; ++n)
        img[mm::channelOffset(n) + 15] = std::uint8_t(n);
    mm::set(img, mm::ScanAddLow, 0x55);
    mm::set(img, mm::ScanAddHigh, 0x55);
    mm::set(img, mm::PriorityChannel, 4);
    return img;
}

// Which old channel each slot holds now, read from the marker byte (0: erased).
Order holders(const Image& img) {
    Order o;
    for (int n = 1; n <= 16; ++n)
        o[std::size_t(n - 1)] =
            img[mm::channelOffset(n) + 15] == 0xFF ? 0 : img[mm::channelOffset(n) + 15];
    return o;
}

bool scanAdd(const Image& img, int n) {
    return (img[(n <= 8 ? mm::ScanAddLow : mm::ScanAddHigh).offset] >> ((n - 1) % 8)) & 1;
}

Order order(std::initializer_list<int> head) {
    Order o = moves::identity();
    std::copy(head.begin(), head.end(), o.begin());
    return o;
}

} // namespace

TEST(ChannelMoves, MoveKeepsTheBlockAndStopsAtTheEdges) {
    EXPECT_EQ(moves::moveBy({3, 4}, -1), order({1, 3, 4, 2}));
    EXPECT_EQ(moves::moveBy({3, 4}, 1), order({1, 2, 5, 3, 4}));
    // A block with a gap keeps it; the others close up in their order.
    EXPECT_EQ(moves::moveBy({2, 4}, 2), order({1, 3, 5, 2, 6, 4}));
    // At the first channel nothing moves; a long drag stops at the last.
    EXPECT_EQ(moves::moveBy({1, 3}, -1), moves::identity());
    Order down = moves::identity();
    std::rotate(down.begin() + 13, down.begin() + 14, down.end());
    EXPECT_EQ(moves::moveBy({14}, 9), down);
    EXPECT_EQ(moves::moveBy({}, 1), moves::identity());
}

TEST(ChannelMoves, ApplyMovesWholeRecordsWithTheirScanBitAndPriority) {
    const Image img = sample();
    const Image moved = moves::apply(img, moves::moveBy({3, 4}, -1));
    EXPECT_EQ(holders(moved), order({1, 3, 4, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    for (int slot = 1; slot <= 16; ++slot) {
        const int from = holders(moved)[std::size_t(slot - 1)];
        EXPECT_EQ(0,
                  std::memcmp(&moved[mm::channelOffset(slot)], &img[mm::channelOffset(from)], 16))
            << "slot " << slot;
        EXPECT_EQ(scanAdd(moved, slot), scanAdd(img, from)) << "slot " << slot;
    }
    EXPECT_EQ(mm::get(moved, mm::PriorityChannel), 3u);
    // Undone: every byte as it was; a priority channel chosen since stays.
    Image back = moved;
    moves::restorePlan(img, moved, back);
    EXPECT_EQ(back, img);
    back = moved;
    mm::set(back, mm::PriorityChannel, 9);
    moves::restorePlan(img, moved, back);
    EXPECT_EQ(mm::get(back, mm::PriorityChannel), 9u);
    mm::set(back, mm::PriorityChannel, 4);
    EXPECT_EQ(back, img);
}

TEST(ChannelMoves, SortByRxKeepsEmptySlotsAndTies) {
    Image img = sample();
    // Channel 3 emptied: its slot stays empty.
    std::memset(&img[mm::channelOffset(3)], 0xFF, 15);
    const Order all = moves::sortByRx(img, {});
    EXPECT_EQ(all, order({9, 4, 3, 6, 10, 2, 7, 8, 1, 5}));
    EXPECT_EQ(moves::sortByRx(img, {7}), all); // one channel is no selection
    // The selection only: 1, 2 and 5 among themselves.
    EXPECT_EQ(moves::sortByRx(img, {1, 2, 5}), order({2, 1, 3, 4, 5}));
    EXPECT_EQ(holders(moves::apply(img, all))[9], 5);
}

TEST(ChannelMoves, InsertMakesRoomDownToTheFirstEmptyChannelDeleteClosesUp) {
    const Image img = sample();
    const auto inserted = moves::insertEmpty(img, 9);
    ASSERT_TRUE(inserted);
    EXPECT_EQ(*inserted, order({1, 2, 3, 4, 5, 6, 7, 8, 11, 9, 10, 12}));
    EXPECT_TRUE(mm::channelEmpty(moves::apply(img, *inserted), 9));
    EXPECT_EQ(moves::insertEmpty(img, 12), moves::identity()); // already empty
    Image full = img;
    for (int n = 11; n <= 16; ++n)
        std::memcpy(&full[mm::channelOffset(n)], &img[mm::channelOffset(1)], 8);
    EXPECT_FALSE(moves::insertEmpty(full, 2)); // no room

    const Order removed = moves::remove({2, 4});
    const Image after = moves::apply(img, removed);
    EXPECT_EQ(holders(after), order({1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0, 0}));
    for (int n : {15, 16}) {
        EXPECT_TRUE(mm::channelEmpty(after, n));
        EXPECT_FALSE(scanAdd(after, n));
    }
    EXPECT_EQ(mm::get(after, mm::PriorityChannel), 4u); // the deleted priority channel's number
}
