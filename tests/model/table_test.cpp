#include "model/ChannelTable.h"
#include "model/Codecs.h"
#include "model/MemoryMap.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

#include <random>

using namespace radio;

namespace {

void putRecord(Image& img, int ch, std::initializer_list<int> bytes) {
    int i = 0;
    for (int b : bytes)
        img[mm::channelOffset(ch) + i++] = std::uint8_t(b);
}

} // namespace

TEST(ImageToTable, NewDocumentShowsOnlyHeadersAndNumbers) {
    for (const Language language : {Language::English, Language::Chinese}) {
        const ChannelTable t = imageToTable(newDocumentImage(), language);
        // Row 0 keeps the English names the CSV files use, in either language.
        EXPECT_EQ(t[0], columnHeaders());
        EXPECT_EQ(t[0], columnHeaders(untranslated()));
        EXPECT_EQ(columnHeaders(ts::chineseCatalogue()),
                  (std::array<std::string, kGridCols>{"信道", "接收频率", "发射频率", "QT/DQT解码",
                                                      "QT/DQT编码", "功率", "扫描添加", "繁忙锁定",
                                                      "宽/窄", "压扩", "扰频"}));
        for (int n = 1; n <= 16; ++n) {
            EXPECT_EQ(t[n][0], (n < 10 ? " " : "") + std::to_string(n));
            for (int c = 1; c < kGridCols; ++c)
                EXPECT_EQ(t[n][c], "") << n << "," << c;
        }
    }
}

TEST(ImageToTable, ShowsProgrammedAndEmptyChannels) {
    Image img = newDocumentImage();
    putRecord(img, 1,
              {0x25, 0x06, 0x60, 0x44, 0x00, 0x05, 0x60, 0x44, 0x13, 0x28, 0x75, 0x03, 0x08, 0x30,
               0x13, 0x00});
    // Receive frequency only: still an empty channel, but its frequency shows.
    putRecord(img, 2, {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x75, 0x03});
    // Digits in bytes 0-2 but a 00 most significant pair: empty and blank.
    putRecord(img, 3, {0x25, 0x06, 0x60, 0x00, 0x00, 0x05, 0x60, 0x44});
    putRecord(img, 12,
              {0x00, 0x50, 0x00, 0x45, 0x00, 0x50, 0x00, 0x45, 0xFF, 0xFF, 0xEC, 0xA9, 0x18, 0x00,
               0x09, 0x00});
    img[mm::ScanAddLow.offset] = 0x07;  // channels 1..3, 2 and 3 being empty
    img[mm::ScanAddHigh.offset] = 0x08; // channel 12
    const ChannelTable en = imageToTable(img, Language::English);
    EXPECT_EQ(en[1],
              (std::array<std::string, kGridCols>{" 1", "446.00625", "446.00500", "D023N", "88.5",
                                                  "High", "Yes", "Carrier", "Wide", "Off", "3"}));
    EXPECT_EQ(en[2], (std::array<std::string, kGridCols>{" 2", "446.00625", "", "", "88.5", "", "",
                                                         "", "", "", ""}));
    EXPECT_EQ(en[3], (std::array<std::string, kGridCols>{" 3", "", "446.00500", "", "", "", "", "",
                                                         "", "", ""}));
    EXPECT_EQ(en[12],
              (std::array<std::string, kGridCols>{"12", "450.05000", "450.05000", "None", "D754I",
                                                  "Low", "Yes", "QT/DQT", "Narrow", "On", ""}));
    const ChannelTable zh = imageToTable(img, Language::Chinese);
    EXPECT_EQ(zh[12][3], "无");
    EXPECT_EQ(zh[12][7], "QT/DQT");
    EXPECT_EQ(zh[12][9], "开");
}

TEST(TableToImage, EncodesRowsAndRebuildsScanAddBytes) {
    Image img = newDocumentImage();
    img[mm::ScanAddLow.offset] = 0xFF;
    img[mm::ScanAddHigh.offset] = 0xFF;
    ChannelTable t = imageToTable(img, Language::English);
    t[8] = {" 8", "462.00625", "462.50000", "D411N", "254.1", "高",
            "有", "关",        "Narrow",    "On",    "8"};
    t[16] = {"16", "136.005", "174", "None", "None", "Low", "Yes", "QT/DQT", "宽", "关", "Off"};
    t[9] = {" 9", "", "", "", "", "", "Yes", "", "", "", ""}; // nothing stops a bare "Yes" here
    tableToImage(t, img);
    const Image fresh = newDocumentImage();
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool channelBytes = i >= mm::channelOffset(1) && i < mm::channelOffset(17);
        if (!channelBytes && i != mm::ScanAddLow.offset && i != mm::ScanAddHigh.offset) {
            EXPECT_EQ(img[i], fresh[i]) << "offset " << i;
        }
    }
    const std::uint8_t* r8 = &img[mm::channelOffset(8)];
    EXPECT_EQ(std::vector<int>(r8, r8 + 16),
              (std::vector<int>{0x25, 0x06, 0x20, 0x46, 0x00, 0x00, 0x25, 0x46, 0x09, 0x29, 0xED,
                                0x09, 0xE7, 0xEF, 0xE8, 0xFF}));
    const std::uint8_t* r16 = &img[mm::channelOffset(16)];
    EXPECT_EQ(std::vector<int>(r16, r16 + 16),
              (std::vector<int>{0x00, 0x05, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17, 0xFF, 0xFF, 0xFF,
                                0xFF, 0xF7, 0xDF, 0xF0, 0xFF}));
    // Empty rows: no frequencies or tones, busy lock QT/DQT, Low, Narrow, compander on.
    const std::uint8_t* r1 = &img[mm::channelOffset(1)];
    EXPECT_EQ(std::vector<int>(r1, r1 + 16),
              (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                0xFF, 0xF7, 0xCF, 0xE0, 0xFF}));
    EXPECT_EQ(img[mm::ScanAddLow.offset], 0x80);
    EXPECT_EQ(img[mm::ScanAddHigh.offset], 0x81);
}

TEST(ColumnEntries, HoldEveryTextTheDecoderShows) {
    EXPECT_EQ(columnEntries(ColScrambler, Language::Chinese)[0], "关");
    // Every decoded option text of a programmed channel is one of its column's entries.
    Image img = newDocumentImage();
    for (int n = 1; n <= 16; ++n)
        putRecord(img, n,
                  {0x00, 0x00, 0x00, 0x45, 0x00, 0x00, 0x00, 0x45, 0xFF, 0xFF, 0xFF, 0xFF, n * 8,
                   n * 16, n});
    for (const Language language : {Language::English, Language::Chinese}) {
        const ChannelTable t = imageToTable(img, language);
        for (int n = 1; n <= 8; ++n)
            for (int c = ColDecode; c <= ColScrambler; ++c) {
                const auto& e = columnEntries(c, language);
                EXPECT_NE(std::find(e.begin(), e.end(), t[n][c]), e.end()) << n << "," << c;
            }
    }
}

namespace {

// A channel the grid can hold exactly: packed decimal frequencies, a listed
// tone or none, busy lock other than 11, scrambler 0..8, any kept bits.
void validChannel(Image& img, int n, std::mt19937& rng) {
    const auto u = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const auto bcd = [](int v) { return std::uint8_t((v / 10) * 16 + v % 10); };
    std::uint8_t* r = &img[mm::channelOffset(n)];
    for (int f = 0; f < 2; ++f) {
        for (int k = 0; k < 3; ++k)
            r[f * 4 + k] = bcd(u(0, 99));
        r[f * 4 + 3] = bcd(u(1, 99));
    }
    const auto& tones = toneList(Language::English);
    for (int t = 0; t < 2; ++t) {
        const ToneBytes b = ParseTone(tones[u(0, 264)]);
        r[8 + 2 * t] = b[0];
        r[9 + 2 * t] = b[1];
    }
    r[12] = std::uint8_t((u(0, 255) & ~0x18) | (u(0, 2) << 3));
    r[13] = std::uint8_t(u(0, 255));
    r[14] = std::uint8_t((u(0, 255) & ~0x0F) | u(0, 8));
    r[15] = std::uint8_t(u(0, 255));
}

} // namespace

TEST(TableRoundTrip, RandomImagesKeepWhatMustBeKept) {
    std::mt19937 rng(20240611);
    for (int iteration = 0; iteration < 3000; ++iteration) {
        Image img;
        for (auto& b : img)
            b = std::uint8_t(rng());
        std::array<bool, 17> valid{};
        for (int n = 1; n <= 16; ++n) {
            const int kind = int(rng() % 3);
            if (kind == 0) {
                validChannel(img, n, rng);
                valid[n] = true;
            } else if (kind == 1) {
                img[mm::channelOffset(n) + (rng() % 2 ? mm::rec::kRxMsb : mm::rec::kTxMsb)] =
                    rng() % 2 ? 0x00 : 0xFF; // an empty channel with leftovers
            }
        }
        const Language language = iteration % 2 == 1 ? Language::Chinese : Language::English;
        Image out = img;
        tableToImage(imageToTable(img, language), out);
        for (std::size_t i = 0; i < kImageSize; ++i) {
            const int n = int(i / 16);
            const int k = int(i % 16);
            if (n < 1 || n > 16) {
                if (i != mm::ScanAddLow.offset && i != mm::ScanAddHigh.offset) {
                    ASSERT_EQ(out[i], img[i]) << "offset " << i;
                }
                continue;
            }
            const std::uint8_t kept = k == 12   ? 0xE7
                                      : k == 13 ? 0xCF
                                      : k == 14 ? 0xE0
                                      : k == 15 ? 0xFF
                                                : 0;
            ASSERT_EQ(out[i] & kept, img[i] & kept) << "channel " << n << " byte " << k;
            if (valid[n]) {
                ASSERT_EQ(out[i], img[i]) << "valid channel " << n << " byte " << k;
            }
        }
        for (int n = 1; n <= 16; ++n) {
            const mm::Field& scan = n <= 8 ? mm::ScanAddLow : mm::ScanAddHigh;
            const unsigned bit = 1u << ((n - 1) % 8);
            const bool expected = !mm::channelEmpty(img, n) && (img[scan.offset] & bit);
            ASSERT_EQ(bool(out[scan.offset] & bit), expected) << "scan-add of channel " << n;
            if (mm::channelEmpty(img, n)) {
                const std::uint8_t* r = &out[mm::channelOffset(n)];
                ASSERT_EQ(r[12] & 0x18, 0x10);
                ASSERT_EQ(r[13] & 0x30, 0x00);
                ASSERT_EQ(r[14] & 0x1F, 0x00);
            }
        }
        // What the grid shows survives a second pass for every channel whose
        // frequencies are packed decimal (other nibbles cannot be stored back)
        // and whose scrambler is not 9..15 (shown blank, stored as 0).
        const ChannelTable first = imageToTable(img, language);
        const ChannelTable second = imageToTable(out, language);
        for (int n = 1; n <= 16; ++n) {
            bool digits = true;
            for (int k = 0; k < 8; ++k) {
                const std::uint8_t b = img[mm::channelOffset(n) + k];
                digits = digits && (b >> 4) <= 9 && (b & 0x0F) <= 9;
            }
            if (digits && (img[mm::channelOffset(n) + 14] & 0x0F) <= 8) {
                ASSERT_EQ(second[n], first[n]) << "channel " << n << ", iteration " << iteration;
            }
        }
    }
}

// The record owns bytes 0..11, bits 0x18, 0x30 and 0x1F of bytes 12..14 and
// the channel's scan-add bit; writing what was read keeps every other bit,
// gives back a grid-exact channel byte for byte, and any channel's values
// survive a second pass.
TEST(ChannelRecord, RandomImagesRoundTripThroughTheRecord) {
    std::mt19937 rng(1157);
    const std::uint8_t owned[16] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF, 0xFF, 0x18, 0x30, 0x1F, 0x00};
    for (int iteration = 0; iteration < 2000; ++iteration) {
        Image img;
        for (auto& b : img)
            b = std::uint8_t(rng());
        std::array<bool, 17> valid{};
        for (int n = 1; n <= 16; ++n)
            if ((valid[n] = rng() % 2 == 0))
                validChannel(img, n, rng);
        Image out = img;
        for (int n = 1; n <= 16; ++n)
            writeChannel(out, n, readChannel(img, n));
        for (std::size_t i = 0; i < img.size(); ++i) {
            const bool inRecords = i >= mm::Channels.offset && i < mm::end(mm::Channels);
            const std::uint8_t mask = inRecords ? owned[i % 16] : 0;
            ASSERT_EQ(out[i] & ~mask, img[i] & ~mask) << "byte " << i;
            if (inRecords && valid[i / 16]) {
                ASSERT_EQ(out[i], img[i]) << "byte " << i << ", iteration " << iteration;
            }
        }
        Image again = out;
        for (int n = 1; n <= 16; ++n) {
            const Channel c = readChannel(out, n);
            if (valid[n]) {
                ASSERT_EQ(c, readChannel(img, n));
            }
            writeChannel(again, n, c);
            ASSERT_EQ(readChannel(again, n), c) << "channel " << n << ", iteration " << iteration;
        }
    }
}
