#include "model/Codecs.h"
#include "model/MemoryMap.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace radio;

TEST(DecimalMultiply, GivesExactProductsWhereBinaryFallsShort) {
    // Binary floating point gives 13001249.999999998 and 0.9999999999999998 here.
    EXPECT_EQ(DecimalMultiply(130.0125, 100000), 13001250.0);
    EXPECT_EQ(DecimalMultiply(0.50 - 0.45, 20), 1.0);
    EXPECT_EQ(DecimalMultiply(446.00625, 100000), 44600625.0);
    EXPECT_EQ(DecimalMultiply(88.5, 10), 885.0);
    EXPECT_EQ(DecimalMultiply(-2.5, 0.1), -0.25);
    EXPECT_EQ(DecimalMultiply(0.0, 123.0), 0.0);
    // Only 15 significant digits of each operand count.
    EXPECT_EQ(DecimalMultiply(0.1234567890123456789, 10), 1.23456789012346);
    EXPECT_TRUE(std::isinf(DecimalMultiply(HUGE_VAL, 2)));
}

TEST(CRuntimeNumbers, ReadLeadingNumberLikeAtofAndAtoi) {
    EXPECT_EQ(atofC("  446.00625xyz"), 446.00625);
    EXPECT_EQ(atofC("\t-1.5e2MHz"), -150.0);
    EXPECT_EQ(atofC("+.5"), 0.5);
    EXPECT_EQ(atofC("7."), 7.0);
    EXPECT_EQ(atofC("12e"), 12.0); // an exponent without digits is not taken
    EXPECT_EQ(atofC("12e+x"), 12.0);
    EXPECT_EQ(atofC("abc"), 0.0);
    EXPECT_EQ(atofC("."), 0.0);
    EXPECT_EQ(atofC(""), 0.0);
    EXPECT_EQ(atofC("- 5"), 0.0);
    EXPECT_EQ(atofC("1,5"), 1.0); // never a locale's decimal comma
    EXPECT_TRUE(std::isinf(atofC("1e999")));
    EXPECT_EQ(atofC("1e-999"), 0.0);
    EXPECT_EQ(atoiC(" 023N"), 23);
    EXPECT_EQ(atoiC("-8x"), -8);
    EXPECT_EQ(atoiC("Off"), 0);
    EXPECT_EQ(atoiC("99999999999999999999999"), LONG_MAX);
    EXPECT_EQ(atoiC("-99999999999999999999999"), LONG_MIN);
}

TEST(Frequency, FormatsPackedDecimal) {
    EXPECT_EQ(FormatFrequency({0x25, 0x06, 0x60, 0x44}), "446.00625");
    EXPECT_EQ(FormatFrequency({0x00, 0x05, 0x00, 0x45}), "450.00500");
    EXPECT_EQ(FormatFrequency({0x00, 0x50, 0x00, 0x45}), "450.05000");
    EXPECT_EQ(FormatFrequency({0x00, 0x00, 0x00, 0x01}), "10.00000");
    // Absent when the most significant pair is 00 or FF, whatever the rest holds.
    EXPECT_EQ(FormatFrequency({0x25, 0x06, 0x60, 0x00}), "");
    EXPECT_EQ(FormatFrequency({0x25, 0x06, 0x60, 0xFF}), "");
    // Nibbles above 9 count with their value: 0x4A is 4*10 + 10 = 50.
    EXPECT_EQ(FormatFrequency({0x00, 0x00, 0x00, 0x4A}), "500.00000");
}

TEST(Frequency, ParsesTextToPackedDecimal) {
    EXPECT_EQ(ParseFrequency("446.00625"), (FreqBytes{0x25, 0x06, 0x60, 0x44}));
    EXPECT_EQ(ParseFrequency("446.005"), (FreqBytes{0x00, 0x05, 0x60, 0x44}));
    EXPECT_EQ(ParseFrequency("130.0125"), (FreqBytes{0x50, 0x12, 0x00, 0x13}));
    EXPECT_EQ(ParseFrequency(" 462.006251"), (FreqBytes{0x25, 0x06, 0x20, 0x46}));
    for (const char* none : {"", "0", "0.000001", "abc", "None"})
        EXPECT_EQ(ParseFrequency(none), (FreqBytes{0xFF, 0xFF, 0xFF, 0xFF})) << none;
    EXPECT_EQ(frequencyUnits("470"), 47000000);
    EXPECT_EQ(frequencyUnits("1e999"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(formatFrequencyText("462.006251"), "462.00625");
    EXPECT_EQ(formatFrequencyText("470"), "470.00000");
    EXPECT_EQ(formatFrequencyText("x"), "0.00000");
}

TEST(Frequency, EveryRasterValueRoundTrips) {
    // Every 6.25 kHz and 5 kHz step of a wide range survives text and back.
    for (std::int64_t v = 10000000; v <= 99999375; v += 625 * 97) {
        for (std::int64_t w : {v, v - v % 500}) {
            FreqBytes b{};
            std::int64_t rest = w;
            for (int k = 0; k < 4; ++k) {
                const int pair = int(rest % 100);
                rest /= 100;
                b[k] = std::uint8_t((pair / 10) * 16 + pair % 10);
            }
            const std::string text = FormatFrequency(b);
            ASSERT_EQ(ParseFrequency(text), b) << text;
            ASSERT_EQ(frequencyUnits(text), w) << text;
        }
    }
}

TEST(Tone, FormatsEveryKind) {
    EXPECT_EQ(FormatTone({0x13, 0x28}, false, false), "D023N");
    EXPECT_EQ(FormatTone({0x13, 0xA8}, false, false), "D023I");
    EXPECT_EQ(FormatTone({0x09, 0x29}, false, false), "D411N");
    EXPECT_EQ(FormatTone({0xEC, 0xA9}, false, false), "D754I");
    EXPECT_EQ(FormatTone({0x12, 0x28}, false, false), "D000N"); // octal 022 is no standard code
    EXPECT_EQ(FormatTone({0x12, 0xA9}, false, false), "D000I");
    EXPECT_EQ(FormatTone({0x75, 0x03}, false, false), "88.5");
    EXPECT_EQ(FormatTone({0xED, 0x09}, false, false), "254.1");
    EXPECT_EQ(FormatTone({0xE8, 0x03}, false, false), "100.0");
    EXPECT_EQ(FormatTone({0xFF, 0xFF}, false, false), "None");
    EXPECT_EQ(FormatTone({0xFF, 0xFF}, false, true), "无");
    EXPECT_EQ(FormatTone({0x12, 0x00}, false, false), "None");
    EXPECT_EQ(FormatTone({0xFF, 0xFF}, true, false), "");
    // A present tone shows even in an empty channel.
    EXPECT_EQ(FormatTone({0x75, 0x03}, true, false), "88.5");
}

TEST(Tone, ParsesEveryKind) {
    EXPECT_EQ(ParseTone("D023N"), (ToneBytes{0x13, 0x28}));
    EXPECT_EQ(ParseTone("D754I"), (ToneBytes{0xEC, 0xA9}));
    EXPECT_EQ(ParseTone("D411N"), (ToneBytes{0x09, 0x29}));
    EXPECT_EQ(ParseTone("D999N"), (ToneBytes{0x00, 0x29}));
    EXPECT_EQ(ParseTone("D000N"), (ToneBytes{0x00, 0x28}));
    EXPECT_EQ(ParseTone("88.5"), (ToneBytes{0x75, 0x03}));
    EXPECT_EQ(ParseTone("254.1"), (ToneBytes{0xED, 0x09}));
    for (const char* none : {"None", "无", "", "0"})
        EXPECT_EQ(ParseTone(none), (ToneBytes{0xFF, 0xFF})) << none;
}

TEST(Tone, ListHasAllEntriesAndEachRoundTrips) {
    const auto& en = toneList(false);
    const auto& zh = toneList(true);
    ASSERT_EQ(en.size(), 265u);
    ASSERT_EQ(zh.size(), 265u);
    EXPECT_EQ(en[0], "None");
    EXPECT_EQ(zh[0], "无");
    EXPECT_EQ(en[1], "67.0");
    EXPECT_EQ(en[50], "254.1");
    EXPECT_EQ(en[51], "D017N");
    EXPECT_EQ(en[157], "D754N");
    EXPECT_EQ(en[158], "D017I");
    EXPECT_EQ(en[264], "D754I");
    for (std::size_t i = 1; i < en.size(); ++i) {
        EXPECT_EQ(zh[i], en[i]);
        EXPECT_EQ(FormatTone(ParseTone(en[i]), false, false), en[i]);
    }
}

namespace {
Image recordImage(std::uint8_t b12, std::uint8_t b13, std::uint8_t b14) {
    Image img;
    img.fill(0xFF);
    const int ch = 3;
    const std::uint8_t rec[16] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                  0xFF, 0xFF, 0xFF, 0xFF, b12,  b13,  b14,  0x5A};
    for (int i = 0; i < 16; ++i)
        img[mm::channelOffset(ch) + i] = rec[i];
    return img;
}
} // namespace

TEST(Options, DecodeEveryValue) {
    OptionTexts t = decodeOptions(recordImage(0x00, 0x30, 0x00), 3, false);
    EXPECT_EQ(t.power, "High");
    EXPECT_EQ(t.width, "Wide");
    EXPECT_EQ(t.busyLock, "Off");
    EXPECT_EQ(t.compand, "On");
    EXPECT_EQ(t.scrambler, "Off");
    EXPECT_EQ(t.scanAdd, "Yes"); // 0xFF scan-add byte
    t = decodeOptions(recordImage(0x08, 0x00, 0x18), 3, true);
    EXPECT_EQ(t.power, "低");
    EXPECT_EQ(t.width, "窄");
    EXPECT_EQ(t.busyLock, "载波");
    EXPECT_EQ(t.compand, "关");
    EXPECT_EQ(t.scrambler, "8");
    EXPECT_EQ(decodeOptions(recordImage(0x10, 0, 0), 3, false).busyLock, "QT/DQT");
    EXPECT_EQ(decodeOptions(recordImage(0x18, 0, 0), 3, false).busyLock, "QT/DQT");
    EXPECT_EQ(decodeOptions(recordImage(0x18, 0, 0x09), 3, false).scrambler, "");
    EXPECT_EQ(decodeOptions(recordImage(0x18, 0, 0x0F), 3, false).scrambler, "");
    // An empty channel shows nothing at all.
    Image empty = recordImage(0, 0x30, 0);
    empty[mm::channelOffset(3) + mm::rec::kTxMsb] = 0x00;
    t = decodeOptions(empty, 3, false);
    EXPECT_EQ(t.power + t.scanAdd + t.busyLock + t.width + t.compand + t.scrambler, "");
}

TEST(Options, EncodeKeepsForeignBitsAndMapsOddValues) {
    Image img = recordImage(0xE7 | 0x18, 0xCF, 0xE9);
    OptionTexts t = decodeOptions(img, 3, false);
    EXPECT_EQ(t.busyLock, "QT/DQT");
    EXPECT_EQ(t.scrambler, "");
    encodeOptions(img, 3, t);
    const int base = mm::channelOffset(3);
    EXPECT_EQ(img[base + 12], 0xE7 | 0x10); // busy lock 11 is stored as 10
    EXPECT_EQ(img[base + 13], 0xCF);        // kept bits 0-3 and 6-7
    EXPECT_EQ(img[base + 14], 0xE0);        // scrambler 9 shown blank and stored 0; bits 5-7 kept
    EXPECT_EQ(img[base + 15], 0x5A);

    encodeOptions(img, 3, {"高", "有", "关", "宽", "关", "7"});
    EXPECT_EQ(img[base + 12], 0xE7);
    EXPECT_EQ(img[base + 13], 0xFF);
    EXPECT_EQ(img[base + 14], 0xF7);
    encodeOptions(img, 3, {"Low", "No", "Carrier", "Narrow", "On", "Off"});
    EXPECT_EQ(img[base + 12], 0xEF);
    EXPECT_EQ(img[base + 13], 0xCF);
    EXPECT_EQ(img[base + 14], 0xE0);
    // Blank texts (an empty row) give QT/DQT, Low, Narrow, compander on, scrambler off.
    encodeOptions(img, 3, {});
    EXPECT_EQ(img[base + 12], 0xF7);
    EXPECT_EQ(img[base + 13], 0xCF);
    EXPECT_EQ(img[base + 14], 0xE0);
    // Texts are compared exactly.
    encodeOptions(img, 3, {"high", "", "off", "wide", "off", "12"});
    EXPECT_EQ(img[base + 12], 0xF7);
    EXPECT_EQ(img[base + 13], 0xCF);
    EXPECT_EQ(img[base + 14], 0xEC); // atoi("12") & 0x0F
}
