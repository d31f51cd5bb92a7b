#pragma once
// Field codecs: conversions between the bytes of a channel record and the
// texts of the channel grid. Pure functions, no window system.

#include "model/Image.h"
#include "model/Text.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace radio {

// Reads a leading decimal number like the C runtime's atof/atoi: leading
// blanks skipped, stops at the first character that does not fit, no number
// gives 0. Locale-independent.
double atofC(const std::string& text);
long atoiC(const std::string& text);

// Digits with at most one decimal point and nothing else (no blanks, sign or
// exponent): what a frequency cell of a file must hold. atof alone reads
// "446,125" as 446 and "abc" as 0.
bool isPlainDecimal(const std::string& text);

// Product of a and b in decimal arithmetic: each operand rounded to 15
// significant digits, multiplied exactly, converted to the nearest double.
// 130.0125 x 100000 is exactly 13001250 here (binary gives one less).
double DecimalMultiply(double a, double b);

using FreqBytes = std::array<std::uint8_t, 4>; // b0 least significant pair
using ToneBytes = std::array<std::uint8_t, 2>; // {L, H}

std::string FormatFrequency(const FreqBytes& b);   // "" when absent, else "%3.5f" MHz
FreqBytes ParseFrequency(const std::string& text); // 0 / no number -> FF FF FF FF
// Frequency text -> integer count of 10 Hz (truncated DecimalMultiply x 100000).
std::int64_t frequencyUnits(const std::string& text);
// The text a cell stores for a typed frequency: the truncated 10 Hz count
// (frequencyUnits) written with five decimals, so the stored value is the
// value that was checked.
std::string formatFrequencyText(const std::string& text);

std::string FormatTone(const ToneBytes& lh, bool channelEmpty, Language language);
ToneBytes ParseTone(const std::string& text);

// The same conversions through typed values. A frequency is whole hertz, 0
// for none; its bytes are BCD of the 10 Hz count (nibbles above 9 read as
// they are), FF FF FF FF for none.
std::int64_t frequencyHz(const FreqBytes& b);
FreqBytes frequencyBytes(std::int64_t hz);
// The most significant byte it stores is neither 0x00 nor 0xFF: below
// 10 MHz a frequency is stored as none.
bool frequencyPresent(std::int64_t hz);
std::string frequencyText(std::int64_t hz);            // "%3.5f" MHz, "" for 0
std::int64_t frequencyTextHz(const std::string& text); // as ParseFrequency reads it

// A tone as the radio stores it. CTCSS keeps the stored word (tenths of a
// hertz); DCS keeps the 9-bit code value, whose code number (octal digits)
// the text shows, "D000" when no standard code has that value.
struct Tone {
    enum class Kind : std::uint8_t { None, Ctcss, Dcs, DcsInverted };
    Kind kind = Kind::None;
    std::int64_t value = 0;
    bool operator==(const Tone& o) const { return kind == o.kind && value == o.value; }
    bool operator!=(const Tone& o) const { return !(*this == o); }
};
Tone toneOf(const ToneBytes& lh);
ToneBytes toneBytes(const Tone& tone);
std::string toneText(const Tone& tone, bool channelEmpty, Language language);
Tone toneFromText(const std::string& text); // as ParseTone reads it

// The tone list: 265 texts; entry 0 is data::None.
const std::vector<std::string>& toneList(Language language);
constexpr int kToneCount = 265;

// Option texts of a channel, decoded from a record (and the scan-add bit);
// both go through the channel record (model/Channel.h).
struct OptionTexts {
    std::string power, scanAdd, busyLock, width, compand, scrambler;
};
OptionTexts decodeOptions(const Image& img, int channel, Language language);
// Encodes the option texts (English or Chinese accepted) into the record's bits,
// except the scan-add flag, which the grid conversion handles for all channels.
void encodeOptions(Image& img, int channel, const OptionTexts& texts);

} // namespace radio
