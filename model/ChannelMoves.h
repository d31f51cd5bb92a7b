#pragma once
// Rearranging the channels: moving them up or down (or dragged by some rows),
// sorting by receive frequency, inserting an empty channel and deleting
// channels. Each rearrangement is an order of the 16 records; applying it
// moves whole records in the image, so every byte of a channel (those no grid
// column shows included) goes with it, and so do its scan-add bit and its
// place as the fixed priority channel.

#include "model/Image.h"
#include "model/MemoryMap.h"

#include <array>
#include <optional>
#include <vector>

namespace radio::moves {

// from[i] is the channel (1..16) whose record lands in channel i + 1, or 0
// for a new empty channel there.
using Order = std::array<int, mm::kChannelCount>;

// Nothing moves.
Order identity();

// The channels in `selected` move `delta` rows down (negative: up) as one
// block that keeps its gaps; at the first or last channel it stops, and the
// channels in between close up behind it in their order.
Order moveBy(const std::vector<int>& selected, int delta);

// Sorts the programmed channels among the slots they hold, by receive
// frequency (equal ones keep their order); empty slots stay where they are.
// With two or more channels in `selected`, only those take part; else all.
Order sortByRx(const Image& img, const std::vector<int>& selected);

// An empty channel at `channel`: the channels from there down to the first
// empty one move down one row into it. Nothing when there is no empty
// channel at or below `channel` to make room.
std::optional<Order> insertEmpty(const Image& img, int channel);

// The channels in `selected` go; the ones below move up and empty channels
// fill the end.
Order remove(const std::vector<int>& selected);

// `img` rearranged by `from`: the records, their scan-add bits and the fixed
// priority channel's number. A new empty channel is erased (0xFF) and not in
// the scan list. Nothing else changes.
Image apply(const Image& img, const Order& from);

// Undo and redo: the bytes a rearrangement changes (the records, the scan-add
// bits, the priority channel) of `target` into `doc`, which held those of
// `current`. A priority channel chosen in a dialog since stays chosen;
// nothing else in `doc` changes.
void restorePlan(const Image& target, const Image& current, Image& doc);

} // namespace radio::moves
