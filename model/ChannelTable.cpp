#include "model/ChannelTable.h"

#include "model/Channel.h"
#include "model/Codecs.h"
#include "model/DataTexts.h"
#include "model/MemoryMap.h"

#include <cstdio>

namespace radio {

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
        ChannelTexts t = channelTexts(readChannel(img, n), language);
        row[ColRx] = std::move(t.rx);
        row[ColTx] = std::move(t.tx);
        row[ColDecode] = std::move(t.decode);
        row[ColEncode] = std::move(t.encode);
        row[ColPower] = std::move(t.power);
        row[ColScanAdd] = std::move(t.scanAdd);
        row[ColBusyLock] = std::move(t.busyLock);
        row[ColWidth] = std::move(t.width);
        row[ColCompand] = std::move(t.compand);
        row[ColScrambler] = std::move(t.scrambler);
    }
    return table;
}

Channel rowChannel(const ChannelTable& table, int n) {
    const auto& row = table[std::size_t(n)];
    return channelFromTexts({row[ColRx], row[ColTx], row[ColDecode], row[ColEncode], row[ColPower],
                             row[ColScanAdd], row[ColBusyLock], row[ColWidth], row[ColCompand],
                             row[ColScrambler]});
}

void tableToImage(const ChannelTable& table, Image& img) {
    for (int n = 1; n <= mm::kChannelCount; ++n)
        writeChannel(img, n, rowChannel(table, n));
}

} // namespace radio
