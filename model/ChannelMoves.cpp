#include "model/ChannelMoves.h"

#include "model/Channel.h"
#include "model/Codecs.h"

#include <algorithm>
#include <cstring>

namespace radio::moves {

namespace {

constexpr int kCount = mm::kChannelCount;

bool inRange(int channel) {
    return channel >= 1 && channel <= kCount;
}

std::array<bool, kCount + 1> membership(const std::vector<int>& selected) {
    std::array<bool, kCount + 1> in{};
    for (int c : selected)
        if (inRange(c))
            in[std::size_t(c)] = true;
    return in;
}

std::int64_t rxUnits(const Image& img, int channel) {
    return readChannel(img, channel).rxHz / 10;
}

bool scanAdded(const Image& img, int channel) {
    return readChannel(img, channel).scanAdd;
}

} // namespace

Order identity() {
    Order o;
    for (int i = 0; i < kCount; ++i)
        o[std::size_t(i)] = i + 1;
    return o;
}

Order moveBy(const std::vector<int>& selected, int delta) {
    const auto in = membership(selected);
    int first = 0, last = 0;
    for (int c = 1; c <= kCount; ++c)
        if (in[std::size_t(c)]) {
            first = first ? first : c;
            last = c;
        }
    if (!first)
        return identity();
    delta = std::clamp(delta, 1 - first, kCount - last);
    Order o{};
    for (int c = first; c <= last; ++c)
        if (in[std::size_t(c)])
            o[std::size_t(c + delta - 1)] = c;
    // The others keep their order in the slots the block left free.
    std::size_t slot = 0;
    for (int c = 1; c <= kCount; ++c) {
        if (in[std::size_t(c)])
            continue;
        while (o[slot] != 0)
            ++slot;
        o[slot] = c;
    }
    return o;
}

Order sortByRx(const Image& img, const std::vector<int>& selected) {
    auto in = membership(selected);
    if (std::count(in.begin(), in.end(), true) < 2)
        in.fill(true);
    std::vector<int> slots;
    for (int c = 1; c <= kCount; ++c)
        if (in[std::size_t(c)] && !mm::channelEmpty(img, c))
            slots.push_back(c);
    std::vector<int> sorted = slots;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&img](int a, int b) { return rxUnits(img, a) < rxUnits(img, b); });
    Order o = identity();
    for (std::size_t i = 0; i < slots.size(); ++i)
        o[std::size_t(slots[i] - 1)] = sorted[i];
    return o;
}

std::optional<Order> insertEmpty(const Image& img, int channel) {
    if (!inRange(channel))
        return std::nullopt;
    int room = channel;
    while (room <= kCount && !mm::channelEmpty(img, room))
        ++room;
    if (room > kCount)
        return std::nullopt;
    // The empty record comes up to `channel`, the rest of the run shifts down.
    Order o = identity();
    o[std::size_t(channel - 1)] = room;
    for (int c = channel + 1; c <= room; ++c)
        o[std::size_t(c - 1)] = c - 1;
    return o;
}

Order remove(const std::vector<int>& selected) {
    const auto in = membership(selected);
    Order o{};
    std::size_t slot = 0;
    for (int c = 1; c <= kCount; ++c)
        if (!in[std::size_t(c)])
            o[slot++] = c;
    return o;
}

Image apply(const Image& img, const Order& from) {
    Image out = img;
    unsigned low = 0, high = 0;
    for (int slot = 1; slot <= kCount; ++slot) {
        const int src = from[std::size_t(slot - 1)];
        std::uint8_t* dst = &out[mm::channelOffset(slot)];
        if (inRange(src))
            std::memcpy(dst, &img[mm::channelOffset(src)], mm::kRecordSize);
        else
            std::memset(dst, 0xFF, mm::kRecordSize);
        if (inRange(src) && scanAdded(img, src))
            (slot <= 8 ? low : high) |= 1u << ((slot - 1) % 8);
    }
    mm::set(out, mm::ScanAddLow, low);
    mm::set(out, mm::ScanAddHigh, high);
    // The priority channel follows its channel; a deleted one leaves the number as it was.
    const int priority = mm::get(img, mm::PriorityChannel);
    for (int slot = 1; slot <= kCount; ++slot)
        if (inRange(priority) && from[std::size_t(slot - 1)] == priority)
            mm::set(out, mm::PriorityChannel, unsigned(slot));
    return out;
}

void restorePlan(const Image& target, const Image& current, Image& doc) {
    for (const mm::Field* f : {&mm::Channels, &mm::ScanAddLow, &mm::ScanAddHigh})
        std::memcpy(&doc[f->offset], &target[f->offset], f->size);
    if (doc[mm::PriorityChannel.offset] == current[mm::PriorityChannel.offset])
        doc[mm::PriorityChannel.offset] = target[mm::PriorityChannel.offset];
}

} // namespace radio::moves
