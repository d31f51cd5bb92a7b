#pragma once
// One channel as typed values, read from and written to its 16-byte record
// (and its scan-add bit) in one place. The grid texts, the files and the
// rules that need a channel's value all start from this record.

#include "model/Codecs.h"
#include "model/Image.h"
#include "model/Text.h"

#include <cstdint>
#include <string>

namespace radio {

enum class BusyLock : std::uint8_t { Off = 0, Carrier = 1, Tone = 2 };

struct Channel {
    std::int64_t rxHz = 0; // 0: no frequency
    std::int64_t txHz = 0;
    Tone rxTone; // decode
    Tone txTone; // encode
    bool highPower = false;
    bool scanAdd = false;
    BusyLock busyLock = BusyLock::Off;
    bool wide = false;
    bool compander = true;
    std::uint8_t scrambler = 0; // 0 off, 1..8 a code; 9..15 are stored but offered by no list

    // Empty to the radio: the most significant byte of either frequency is
    // 0x00 or 0xFF. Read from the bytes; writeChannel stores the frequencies,
    // which decide it anew.
    bool empty = true;

    bool operator==(const Channel& o) const;
    bool operator!=(const Channel& o) const { return !(*this == o); }
};

// Channel n (1..16) of the image.
Channel readChannel(const Image& img, int n);
// Writes every owned bit of channel n's record and its scan-add bit; the
// record's other bits and every other byte stay as they are.
void writeChannel(Image& img, int n, const Channel& channel);

// The grid row of a channel (columns 1..10 of a ChannelTable row) in one
// language: an empty channel shows its frequencies and a stored tone, but no
// "None" and no list setting.
struct ChannelTexts {
    std::string rx, tx, decode, encode, power, scanAdd, busyLock, width, compand, scrambler;
};
ChannelTexts channelTexts(const Channel& channel, Language language);
// The channel a row of texts (English or Chinese) stands for, as the grid
// stores it: a busy lock text other than Off or Carrier is QT/DQT, Compand
// is On unless Off, the scrambler is the text's leading number; the other
// lists are their first entry only for that entry's text.
Channel channelFromTexts(const ChannelTexts& texts);

} // namespace radio
