#include "model/Channel.h"

#include "model/DataTexts.h"
#include "model/MemoryMap.h"

namespace radio {

namespace {

FreqBytes readFreq(const Image& img, int n, const mm::Field& f) {
    FreqBytes b;
    for (int i = 0; i < 4; ++i)
        b[i] = mm::recordByte(img, n, f, i);
    return b;
}

ToneBytes readTone(const Image& img, int n, const mm::Field& f) {
    return {mm::recordByte(img, n, f, 0), mm::recordByte(img, n, f, 1)};
}

// The byte and bit holding channel n's scan-add flag.
std::uint16_t scanAddOffset(int n) {
    return n <= 8 ? mm::ScanAddLow.offset : mm::ScanAddHigh.offset;
}
std::uint8_t scanAddBit(int n) {
    return std::uint8_t(1u << ((n - 1) % 8));
}

unsigned recordBits(const Image& img, int n, const mm::Field& f) {
    return unsigned(mm::recordByte(img, n, f) & f.mask) >> mm::shiftOf(f.mask);
}

void setRecordBits(Image& img, int n, const mm::Field& f, unsigned value) {
    std::uint8_t& b = mm::recordByte(img, n, f);
    b = std::uint8_t((b & ~f.mask) | ((value << mm::shiftOf(f.mask)) & f.mask));
}

} // namespace

bool Channel::operator==(const Channel& o) const {
    return rxHz == o.rxHz && txHz == o.txHz && rxTone == o.rxTone && txTone == o.txTone &&
           highPower == o.highPower && scanAdd == o.scanAdd && busyLock == o.busyLock &&
           wide == o.wide && compander == o.compander && scrambler == o.scrambler &&
           empty == o.empty;
}

Channel readChannel(const Image& img, int n) {
    Channel c;
    c.rxHz = frequencyHz(readFreq(img, n, mm::rec::RxFrequency));
    c.txHz = frequencyHz(readFreq(img, n, mm::rec::TxFrequency));
    c.empty = mm::channelEmpty(img, n);
    c.rxTone = toneOf(readTone(img, n, mm::rec::RxTone));
    c.txTone = toneOf(readTone(img, n, mm::rec::TxTone));
    c.highPower = recordBits(img, n, mm::rec::Power) != 0;
    c.scanAdd = (img[scanAddOffset(n)] & scanAddBit(n)) != 0;
    const unsigned busy = recordBits(img, n, mm::rec::BusyLock);
    c.busyLock = busy == 0 ? BusyLock::Off : busy == 1 ? BusyLock::Carrier : BusyLock::Tone;
    c.wide = recordBits(img, n, mm::rec::Width) != 0;
    c.compander = recordBits(img, n, mm::rec::CompanderOff) == 0;
    c.scrambler = std::uint8_t(recordBits(img, n, mm::rec::Scrambler));
    return c;
}

namespace {

// The list settings of the record; scan add and the frequencies aside.
void writeOptionBits(Image& img, int n, const Channel& c) {
    setRecordBits(img, n, mm::rec::Power, c.highPower ? 1 : 0);
    setRecordBits(img, n, mm::rec::BusyLock, unsigned(c.busyLock));
    setRecordBits(img, n, mm::rec::Width, c.wide ? 1 : 0);
    setRecordBits(img, n, mm::rec::CompanderOff, c.compander ? 0 : 1);
    setRecordBits(img, n, mm::rec::Scrambler, c.scrambler);
}

} // namespace

void writeChannel(Image& img, int n, const Channel& c) {
    const FreqBytes rx = frequencyBytes(c.rxHz);
    const FreqBytes tx = frequencyBytes(c.txHz);
    for (int i = 0; i < 4; ++i) {
        mm::recordByte(img, n, mm::rec::RxFrequency, i) = rx[i];
        mm::recordByte(img, n, mm::rec::TxFrequency, i) = tx[i];
    }
    const ToneBytes dec = toneBytes(c.rxTone);
    const ToneBytes enc = toneBytes(c.txTone);
    for (int i = 0; i < 2; ++i) {
        mm::recordByte(img, n, mm::rec::RxTone, i) = dec[i];
        mm::recordByte(img, n, mm::rec::TxTone, i) = enc[i];
    }
    writeOptionBits(img, n, c);
    std::uint8_t& scan = img[scanAddOffset(n)];
    scan = std::uint8_t(c.scanAdd ? scan | scanAddBit(n) : scan & ~scanAddBit(n));
}

ChannelTexts channelTexts(const Channel& c, Language language) {
    const auto word = [language](data::Word w) { return data::text(w, language); };
    ChannelTexts t;
    t.rx = frequencyText(c.rxHz);
    t.tx = frequencyText(c.txHz);
    t.decode = toneText(c.rxTone, c.empty, language);
    t.encode = toneText(c.txTone, c.empty, language);
    if (c.empty)
        return t;
    t.power = word(c.highPower ? data::High : data::Low);
    t.scanAdd = word(c.scanAdd ? data::Yes : data::No);
    t.busyLock = c.busyLock == BusyLock::Off       ? word(data::Off)
                 : c.busyLock == BusyLock::Carrier ? word(data::Carrier)
                                                   : std::string("QT/DQT");
    t.width = word(c.wide ? data::Wide : data::Narrow);
    t.compand = word(c.compander ? data::On : data::Off);
    // 9..15 are no scrambler code the radio offers: shown blank.
    if (c.scrambler == 0)
        t.scrambler = word(data::Off);
    else if (c.scrambler <= 8)
        t.scrambler = std::to_string(c.scrambler);
    return t;
}

Channel channelFromTexts(const ChannelTexts& t) {
    Channel c;
    c.rxHz = frequencyTextHz(t.rx);
    c.txHz = frequencyTextHz(t.tx);
    c.empty = !frequencyPresent(c.rxHz) || !frequencyPresent(c.txHz);
    c.rxTone = toneFromText(t.decode);
    c.txTone = toneFromText(t.encode);
    c.highPower = data::is(t.power, data::High);
    c.scanAdd = data::is(t.scanAdd, data::Yes);
    c.busyLock = data::is(t.busyLock, data::Off)       ? BusyLock::Off
                 : data::is(t.busyLock, data::Carrier) ? BusyLock::Carrier
                                                       : BusyLock::Tone;
    c.wide = data::is(t.width, data::Wide);
    c.compander = !data::is(t.compand, data::Off);
    c.scrambler = std::uint8_t(unsigned(atoiC(t.scrambler)) & mm::rec::Scrambler.mask);
    return c;
}

OptionTexts decodeOptions(const Image& img, int channel, Language language) {
    ChannelTexts t = channelTexts(readChannel(img, channel), language);
    return {std::move(t.power), std::move(t.scanAdd), std::move(t.busyLock),
            std::move(t.width), std::move(t.compand), std::move(t.scrambler)};
}

void encodeOptions(Image& img, int channel, const OptionTexts& o) {
    ChannelTexts t;
    t.power = o.power;
    t.busyLock = o.busyLock;
    t.width = o.width;
    t.compand = o.compand;
    t.scrambler = o.scrambler;
    writeOptionBits(img, channel, channelFromTexts(t));
}

} // namespace radio
