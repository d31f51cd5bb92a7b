#pragma once
// Configurations from plausible to arbitrary, for round trips: one the
// editors could make (channels in the 400-470 MHz band of model 0, band 0,
// tones and options from their lists), then more and more bytes replaced by
// random ones, and every third one random throughout.

#include "model/Channel.h"
#include "model/ChannelTable.h"
#include "model/Codecs.h"
#include "model/Image.h"

#include <cstdio>
#include <random>
#include <string>

namespace testimages {

// A channel as typed into the grid: one frequency both ways, no tones, High,
// not in scan, no busy lock, Wide, compander on, no scrambler.
inline radio::ChannelTexts typedChannel(const std::string& mhz) {
    radio::ChannelTexts t;
    t.rx = t.tx = mhz;
    t.decode = t.encode = "None";
    t.power = "High";
    t.scanAdd = "No";
    t.busyLock = "Off";
    t.width = "Wide";
    t.compand = "On";
    t.scrambler = "Off";
    return t;
}

inline radio::Image randomImage(std::mt19937& rng, int i) {
    using namespace radio;
    const auto pick = [&rng](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    Image img = newDocumentImage();
    if (i % 3 == 2) {
        for (auto& b : img)
            b = std::uint8_t(pick(256));
        return img;
    }
    img[0x3DE] = 0;
    img[0x3DF] = 0;
    for (int n = 1; n <= 16; ++n) {
        if (pick(4) == 0)
            continue;
        ChannelTexts t;
        char mhz[16];
        // 400 to 470 MHz on the 6.25 kHz raster.
        std::snprintf(mhz, sizeof mhz, "%.5f", 400.0 + double(pick(11200)) * 0.00625);
        t.rx = t.tx = mhz;
        t.decode = toneList(Language::English)[pick(kToneCount)];
        t.encode = toneList(Language::English)[pick(kToneCount)];
        t.power = columnEntries(ColPower, Language::English)[pick(2)];
        t.scanAdd = columnEntries(ColScanAdd, Language::English)[pick(2)];
        t.busyLock = columnEntries(ColBusyLock, Language::English)[pick(3)];
        t.width = columnEntries(ColWidth, Language::English)[pick(2)];
        t.compand = columnEntries(ColCompand, Language::English)[pick(2)];
        t.scrambler = columnEntries(ColScrambler, Language::English)[pick(9)];
        writeChannel(img, n, channelFromTexts(t));
    }
    for (int k = 0; k < i % 40; ++k)
        img[pick(img.size())] = std::uint8_t(pick(256));
    return img;
}

} // namespace testimages
