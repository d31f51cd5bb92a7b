#include "model/ChannelTable.h"

#include "model/Codecs.h"
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
    return text == "Yes" || text == "有";
}

} // namespace

const std::array<std::string, kGridCols>& columnHeaders(bool chinese) {
    static const std::array<std::string, kGridCols> english = {
        "CH",       "Rx Frequency", "Tx Frequency", "QT/DQT Dec", "QT/DQT Enc", "Power",
        "Scan Add", "Busy Lock",    "W/N",          "Compand",    "Scrambler"};
    static const std::array<std::string, kGridCols> chineseHeaders = {
        "信道",     "接收频率", "发射频率", "QT/DQT解码", "QT/DQT编码", "功率",
        "扫描添加", "繁忙锁定", "宽/窄",    "压扩",       "扰频"};
    return chinese ? chineseHeaders : english;
}

const std::vector<std::string>& columnEntries(int column, bool chinese) {
    using List = std::vector<std::string>;
    static const List none;
    static const List power[2] = {{"High", "Low"}, {"高", "低"}};
    static const List scanAdd[2] = {{"Yes", "No"}, {"有", "无"}};
    static const List busyLock[2] = {{"Off", "Carrier", "QT/DQT"}, {"关", "载波", "QT/DQT"}};
    static const List width[2] = {{"Wide", "Narrow"}, {"宽", "窄"}};
    static const List compand[2] = {{"On", "Off"}, {"开", "关"}};
    static const List scrambler[2] = {{"Off", "1", "2", "3", "4", "5", "6", "7", "8"},
                                      {"关", "1", "2", "3", "4", "5", "6", "7", "8"}};
    const int lang = chinese ? 1 : 0;
    switch (column) {
    case ColDecode:
    case ColEncode:
        return toneList(chinese);
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

ChannelTable imageToTable(const Image& img, bool chinese) {
    ChannelTable table;
    table[0] = columnHeaders(chinese);
    for (int n = 1; n <= mm::kChannelCount; ++n) {
        auto& row = table[n];
        char number[8];
        std::snprintf(number, sizeof number, "%2d", n);
        row[ColChannel] = number;
        const bool empty = mm::channelEmpty(img, n);
        row[ColRx] = FormatFrequency(recordFreq(img, n, mm::rec::RxFrequency));
        row[ColTx] = FormatFrequency(recordFreq(img, n, mm::rec::TxFrequency));
        row[ColDecode] = FormatTone(recordTone(img, n, mm::rec::RxTone), empty, chinese);
        row[ColEncode] = FormatTone(recordTone(img, n, mm::rec::TxTone), empty, chinese);
        OptionTexts o = decodeOptions(img, n, chinese);
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
