#include "model/ChannelTable.h"

#include "model/Codecs.h"
#include "model/DataTexts.h"
#include "model/MemoryMap.h"

#include <cstdio>

namespace radio {

namespace {

FreqBytes recordFreq(const Image& img, int channel, const mm::Field& f) {
    FreqBytes b;
    for (int i = 0; i < 4; ++i)
        b[i] = mm::recordByte(img, channel, f, i);
    return b;
}

ToneBytes recordTone(const Image& img, int channel, const mm::Field& f) {
    return {mm::recordByte(img, channel, f, 0), mm::recordByte(img, channel, f, 1)};
}

bool isYes(const std::string& text) {
    return data::is(text, data::Yes);
}

} // namespace

const std::array<std::string, kGridCols>& columnHeaders() {
    static const std::array<std::string, kGridCols> english = {
        RADIO_TEXT("ChannelTable", "CH"),           RADIO_TEXT("ChannelTable", "Rx Frequency"),
        RADIO_TEXT("ChannelTable", "Tx Frequency"), RADIO_TEXT("ChannelTable", "QT/DQT Dec"),
        RADIO_TEXT("ChannelTable", "QT/DQT Enc"),   RADIO_TEXT("ChannelTable", "Power"),
        RADIO_TEXT("ChannelTable", "Scan Add"),     RADIO_TEXT("ChannelTable", "Busy Lock"),
        RADIO_TEXT("ChannelTable", "W/N"),          RADIO_TEXT("ChannelTable", "Compand"),
        RADIO_TEXT("ChannelTable", "Scrambler")};
    return english;
}

std::array<std::string, kGridCols> columnHeaders(const Translate& translate) {
    std::array<std::string, kGridCols> out;
    for (int c = 0; c < kGridCols; ++c)
        out[c] = translate("ChannelTable", columnHeaders()[c].c_str());
    return out;
}

const std::vector<std::string>& columnEntries(int column, Language language) {
    using List = std::vector<std::string>;
    // Both languages at once: [0] English, [1] Chinese.
    static const auto build = [](std::initializer_list<data::Word> words) {
        std::array<List, 2> lists;
        for (const Language l : {Language::English, Language::Chinese}) {
            List& list = lists[l == Language::Chinese ? 1 : 0];
            for (const data::Word w : words)
                list.push_back(data::text(w, l));
        }
        return lists;
    };
    static const List none;
    static const auto power = build({data::High, data::Low});
    static const auto scanAdd = build({data::Yes, data::No});
    static const auto busyLock = [] {
        auto lists = build({data::Off, data::Carrier});
        for (List& l : lists)
            l.push_back("QT/DQT");
        return lists;
    }();
    static const auto width = build({data::Wide, data::Narrow});
    static const auto compand = build({data::On, data::Off});
    static const auto scrambler = [] {
        auto lists = build({data::Off});
        for (List& l : lists)
            for (int n = 1; n <= 8; ++n)
                l.push_back(std::to_string(n));
        return lists;
    }();
    const int lang = language == Language::Chinese ? 1 : 0;
    switch (column) {
    case ColDecode:
    case ColEncode:
        return toneList(language);
    case ColPower:
        return power[lang];
    case ColScanAdd:
        return scanAdd[lang];
    case ColBusyLock:
        return busyLock[lang];
    case ColWidth:
        return width[lang];
    case ColCompand:
        return compand[lang];
    case ColScrambler:
        return scrambler[lang];
    default:
        return none;
    }
}

ChannelTable imageToTable(const Image& img, Language language) {
    ChannelTable table;
    table[0] = columnHeaders();
    for (int n = 1; n <= mm::kChannelCount; ++n) {
        auto& row = table[n];
        char number[8];
        std::snprintf(number, sizeof number, "%2d", n);
        row[ColChannel] = number;
        const bool empty = mm::channelEmpty(img, n);
        row[ColRx] = FormatFrequency(recordFreq(img, n, mm::rec::RxFrequency));
        row[ColTx] = FormatFrequency(recordFreq(img, n, mm::rec::TxFrequency));
        row[ColDecode] = FormatTone(recordTone(img, n, mm::rec::RxTone), empty, language);
        row[ColEncode] = FormatTone(recordTone(img, n, mm::rec::TxTone), empty, language);
        OptionTexts o = decodeOptions(img, n, language);
        row[ColPower] = std::move(o.power);
        row[ColScanAdd] = std::move(o.scanAdd);
        row[ColBusyLock] = std::move(o.busyLock);
        row[ColWidth] = std::move(o.width);
        row[ColCompand] = std::move(o.compand);
        row[ColScrambler] = std::move(o.scrambler);
    }
    return table;
}

void tableToImage(const ChannelTable& table, Image& img) {
    for (int n = 1; n <= mm::kChannelCount; ++n) {
        const auto& row = table[n];
        const FreqBytes rx = ParseFrequency(row[ColRx]);
        const FreqBytes tx = ParseFrequency(row[ColTx]);
        for (int i = 0; i < 4; ++i) {
            mm::recordByte(img, n, mm::rec::RxFrequency, i) = rx[i];
            mm::recordByte(img, n, mm::rec::TxFrequency, i) = tx[i];
        }
        const ToneBytes dec = ParseTone(row[ColDecode]);
        const ToneBytes enc = ParseTone(row[ColEncode]);
        for (int i = 0; i < 2; ++i) {
            mm::recordByte(img, n, mm::rec::RxTone, i) = dec[i];
            mm::recordByte(img, n, mm::rec::TxTone, i) = enc[i];
        }
        OptionTexts o;
        o.power = row[ColPower];
        o.scanAdd = row[ColScanAdd];
        o.busyLock = row[ColBusyLock];
        o.width = row[ColWidth];
        o.compand = row[ColCompand];
        o.scrambler = row[ColScrambler];
        encodeOptions(img, n, o);
    }
    // Scan-add bits live outside the records: both bytes are rebuilt from the column.
    unsigned low = 0;
    unsigned high = 0;
    for (int n = 1; n <= 8; ++n)
        if (isYes(table[n][ColScanAdd]))
            low |= 1u << (n - 1);
    for (int n = 9; n <= 16; ++n)
        if (isYes(table[n][ColScanAdd]))
            high |= 1u << (n - 9);
    mm::set(img, mm::ScanAddLow, low);
    mm::set(img, mm::ScanAddHigh, high);
}

} // namespace radio
