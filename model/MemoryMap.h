#pragma once
// The memory map of the radio, declared once. Every part of the program names
// the fields it reads or writes from here instead of using raw offsets.

#include "model/Image.h"
#include "model/Text.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace radio::mm {

// A field is `size` bytes at `offset`; for one-byte fields `mask` selects the
// bits the field owns (the other bits of that byte are always preserved).
struct Field {
    std::string_view name;
    std::uint16_t offset;
    std::uint16_t size;
    std::uint8_t mask; // 0xFF for whole bytes and multi-byte fields
};

constexpr std::uint16_t end(const Field& f) {
    return std::uint16_t(f.offset + f.size);
}

// ---- header row
inline constexpr Field Header{RADIO_TEXT("MemoryMap", "header"), 0x000, 16, 0xFF};

// ---- channel records: channel n (1..16) at n x 16, 16 bytes each
inline constexpr std::uint16_t kChannelCount = 16;
inline constexpr std::uint16_t kRecordSize = 16;
inline constexpr Field Channels{RADIO_TEXT("MemoryMap", "channel records"), 0x010, 16 * 16, 0xFF};
constexpr std::uint16_t channelOffset(int n) {
    return std::uint16_t(n * kRecordSize);
}

// Bytes inside a channel record (offsets relative to the record).
namespace rec {
inline constexpr Field RxFrequency{RADIO_TEXT("MemoryMap", "receive frequency"), 0, 4, 0xFF};
inline constexpr Field TxFrequency{RADIO_TEXT("MemoryMap", "transmit frequency"), 4, 4, 0xFF};
inline constexpr Field RxTone{RADIO_TEXT("MemoryMap", "receive tone"), 8, 2, 0xFF};
inline constexpr Field TxTone{RADIO_TEXT("MemoryMap", "transmit tone"), 10, 2, 0xFF};
inline constexpr Field BusyLock{RADIO_TEXT("MemoryMap", "busy lock"), 12, 1, 0x18};
inline constexpr Field Power{RADIO_TEXT("MemoryMap", "power"), 13, 1, 0x20};
inline constexpr Field Width{RADIO_TEXT("MemoryMap", "bandwidth"), 13, 1, 0x10};
inline constexpr Field CompanderOff{RADIO_TEXT("MemoryMap", "compander off"), 14, 1, 0x10};
inline constexpr Field Scrambler{RADIO_TEXT("MemoryMap", "scrambler"), 14, 1, 0x0F};
// Most significant byte of each frequency: 0x00 or 0xFF marks it absent.
inline constexpr std::uint16_t kRxMsb = 3;
inline constexpr std::uint16_t kTxMsb = 7;
} // namespace rec

// ---- radio-wide options
inline constexpr Field VoiceAnnunciation{RADIO_TEXT("MemoryMap", "voice annunciation"), 0x12F, 1,
                                         0xFF};
inline constexpr Field TimeOutTimer{RADIO_TEXT("MemoryMap", "time-out timer"), 0x130, 1, 0x7F};
inline constexpr Field TotPreAlert{RADIO_TEXT("MemoryMap", "time-out pre-alert"), 0x131, 1, 0x0F};
inline constexpr Field SquelchLevel{RADIO_TEXT("MemoryMap", "squelch level"), 0x134, 1, 0x0F};
inline constexpr Field BatterySaver{RADIO_TEXT("MemoryMap", "battery saver"), 0x135, 1, 0x01};
inline constexpr Field KeyBeep{RADIO_TEXT("MemoryMap", "key beep"), 0x136, 1, 0x01};
inline constexpr Field VoxGain{RADIO_TEXT("MemoryMap", "VOX gain level"), 0x13A, 1, 0x1F};
inline constexpr Field VoxDelay{RADIO_TEXT("MemoryMap", "VOX delay time"), 0x13B, 1, 0x07};
inline constexpr Field CallKey{RADIO_TEXT("MemoryMap", "call key function"), 0x13F, 1, 0xFF};
// The printed report reads narrower masks of two option bytes than the dialog.
inline constexpr Field PrintedTimeOutTimer{RADIO_TEXT("MemoryMap", "time-out timer as printed"),
                                           0x130, 1, 0x3F};
inline constexpr Field PrintedVoiceAnnunciation{
    RADIO_TEXT("MemoryMap", "voice annunciation as printed"), 0x12F, 1, 0x03};

// ---- scan settings
inline constexpr Field ScanPriorityMode{RADIO_TEXT("MemoryMap", "scan priority mode"), 0x160, 1,
                                        0xFF};
inline constexpr Field PriorityChannel{RADIO_TEXT("MemoryMap", "priority channel"), 0x161, 1, 0xFF};
inline constexpr Field LookBackA{RADIO_TEXT("MemoryMap", "look-back time A"), 0x162, 1, 0xFF};
inline constexpr Field LookBackB{RADIO_TEXT("MemoryMap", "look-back time B"), 0x163, 1, 0xFF};
inline constexpr Field RevertChannel{RADIO_TEXT("MemoryMap", "revert channel"), 0x164, 1, 0xFF};
inline constexpr Field DropoutDelay{RADIO_TEXT("MemoryMap", "dropout delay time"), 0x165, 2,
                                    0xFF}; // low byte first
inline constexpr Field TxDwellTime{RADIO_TEXT("MemoryMap", "transmit dwell time"), 0x167, 2,
                                   0xFF}; // low byte first
inline constexpr Field ScanAddLow{RADIO_TEXT("MemoryMap", "scan-add bits of channels 1..8"), 0x17E,
                                  1, 0xFF};
inline constexpr Field ScanAddHigh{RADIO_TEXT("MemoryMap", "scan-add bits of channels 9..16"),
                                   0x17F, 1, 0xFF};

// ---- fixed tag of a new image, never read
inline constexpr Field NewImageTag{RADIO_TEXT("MemoryMap", "new image tag"), 0x1B8, 8, 0xFF};

// ---- factory-only and calibration areas
inline constexpr Field FactoryBlock{RADIO_TEXT("MemoryMap", "factory-only bytes"), 0x330, 16, 0xFF};
inline constexpr Field VoxFunction{RADIO_TEXT("MemoryMap", "VOX function switch"), 0x3C7, 1, 0x01};
inline constexpr Field ScanFunction{RADIO_TEXT("MemoryMap", "scan function switch"), 0x3C7, 1,
                                    0x02};
inline constexpr Field ParamAdjust{RADIO_TEXT("MemoryMap", "parameter adjustment values"), 0x3D0,
                                   10, 0xFF};
inline constexpr Field Emphasis{RADIO_TEXT("MemoryMap", "emphasis switches"), 0x3DA, 1, 0x03};
inline constexpr Field DeEmphasis{RADIO_TEXT("MemoryMap", "de-emphasis"), 0x3DA, 1, 0x01};
inline constexpr Field PreEmphasis{RADIO_TEXT("MemoryMap", "pre-emphasis"), 0x3DA, 1, 0x02};
inline constexpr Field ModelType{RADIO_TEXT("MemoryMap", "model type index"), 0x3DE, 1, 0xFF};
inline constexpr Field BandIndex{RADIO_TEXT("MemoryMap", "band index"), 0x3DF, 1, 0xFF};
inline constexpr Field PowerAdjust{RADIO_TEXT("MemoryMap", "power adjustment values"), 0x3E0, 16,
                                   0xFF};
inline constexpr Field CallTone{RADIO_TEXT("MemoryMap", "call tone"), 0x3F0, 1, 0xFF};
inline constexpr Field NeverTransferred{RADIO_TEXT("MemoryMap", "never transferred"), 0x3F1, 15,
                                        0xFF};

// Every named field of the image (channel record fields are relative and
// listed separately in `rec`).
inline constexpr std::array<Field, 36> kAll = {
    Header,
    Channels,
    VoiceAnnunciation,
    TimeOutTimer,
    TotPreAlert,
    SquelchLevel,
    BatterySaver,
    KeyBeep,
    VoxGain,
    VoxDelay,
    CallKey,
    ScanPriorityMode,
    PriorityChannel,
    LookBackA,
    LookBackB,
    RevertChannel,
    DropoutDelay,
    TxDwellTime,
    ScanAddLow,
    ScanAddHigh,
    NewImageTag,
    FactoryBlock,
    VoxFunction,
    ScanFunction,
    ParamAdjust,
    Emphasis,
    DeEmphasis,
    PreEmphasis,
    ModelType,
    BandIndex,
    PowerAdjust,
    CallTone,
    NeverTransferred,
    Field{RADIO_TEXT("MemoryMap", "unused 0x110"), 0x110, 31, 0xFF},
    Field{RADIO_TEXT("MemoryMap", "unused 0x132"), 0x132, 2, 0xFF},
    Field{RADIO_TEXT("MemoryMap", "unused 0x3DB"), 0x3DB, 3, 0xFF}};

// Bit position of the lowest set bit of a mask.
constexpr int shiftOf(std::uint8_t mask) {
    int s = 0;
    while (s < 8 && !(mask & (1u << s)))
        ++s;
    return s;
}

// Reads a one-byte field's bits, shifted down to start at bit 0.
inline std::uint8_t get(const Image& img, const Field& f) {
    return std::uint8_t((img[f.offset] & f.mask) >> shiftOf(f.mask));
}
// Writes a one-byte field's bits; the byte's other bits are kept.
inline void set(Image& img, const Field& f, unsigned value) {
    const std::uint8_t bits = std::uint8_t((value << shiftOf(f.mask)) & f.mask);
    img[f.offset] = std::uint8_t((img[f.offset] & ~f.mask) | bits);
}
// 16-bit little-endian fields.
inline unsigned get16(const Image& img, const Field& f) {
    return img[f.offset] | (unsigned(img[f.offset + 1]) << 8);
}
inline void set16(Image& img, const Field& f, unsigned value) {
    img[f.offset] = std::uint8_t(value & 0xFF);
    img[f.offset + 1] = std::uint8_t((value >> 8) & 0xFF);
}

// Writes all `f.size` bytes of a field, low byte first, regardless of its
// mask: for building an image from scratch, where no other bits need keeping.
inline void setWhole(Image& img, const Field& f, unsigned value) {
    for (std::uint16_t i = 0; i < f.size && i < sizeof value; ++i)
        img[f.offset + i] = std::uint8_t((value >> (8 * i)) & 0xFF);
}

// Byte of a channel record.
inline std::uint8_t& recordByte(Image& img, int channel, const Field& f, int i = 0) {
    return img[channelOffset(channel) + f.offset + i];
}
inline std::uint8_t recordByte(const Image& img, int channel, const Field& f, int i = 0) {
    return img[channelOffset(channel) + f.offset + i];
}

// A channel is empty when the most significant byte of either frequency is 0x00 or 0xFF.
inline bool channelEmpty(const Image& img, int channel) {
    const std::uint8_t rx = img[channelOffset(channel) + rec::kRxMsb];
    const std::uint8_t tx = img[channelOffset(channel) + rec::kTxMsb];
    return rx == 0x00 || rx == 0xFF || tx == 0x00 || tx == 0xFF;
}

} // namespace radio::mm
