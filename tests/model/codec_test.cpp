#include "model/Codecs.h"
#include "model/MemoryMap.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace radio;

TEST(DecimalMultiply, GivesExactProductsWhereBinaryFallsShort) {
    // Binary floating point gives 13001249.999999998 and 0.9999999999999998.
    EXPECT_EQ(DecimalMultiply(130.0125, 100000), 13001250.0);
    EXPECT_EQ(DecimalMultiply(0.50 - 0.45, 20), 1.0);
    EXPECT_EQ(DecimalMultiply(-2.5, 0.1), -0.25);
    EXPECT_EQ(DecimalMultiply(0.1234567890123456789, 10), 1.23456789012346); // 15 digits
    EXPECT_TRUE(std::isinf(DecimalMultiply(HUGE_VAL, 2)));
}

TEST(CRuntimeNumbers, ReadTheLeadingNumberOnly) {
    EXPECT_EQ(atofC("  446.00625xyz"), 446.00625);
    EXPECT_EQ(atofC("\t-1.5e2MHz"), -150.0);
    EXPECT_EQ(atofC("+.5"), 0.5);
    EXPECT_EQ(atofC("12e+x"), 12.0); // an exponent without digits is not taken
    EXPECT_EQ(atofC("1,5"), 1.0);    // never a locale's decimal comma
    for (const char* none : {"abc", ".", "", "- 5"})
        EXPECT_EQ(atofC(none), 0.0) << none;
    EXPECT_TRUE(std::isinf(atofC("1e999")));
    EXPECT_EQ(atofC("1e-999"), 0.0);
    EXPECT_EQ(atoiC(" 023N"), 23);
    EXPECT_EQ(atoiC("-8x"), -8);
    EXPECT_EQ(atoiC("99999999999999999999999"), LONG_MAX); // saturates, no overflow
}

TEST(CRuntimeNumbers, ExponentsBeyondALongSaturate) {
    // The exponent itself saturates; adding the mantissa's order must not overflow.
    const std::string maxExp = std::to_string(LONG_MAX), minExp = std::to_string(LONG_MIN);
    EXPECT_TRUE(std::isinf(atofC("10e" + maxExp)));
    EXPECT_TRUE(std::isinf(atofC("123.4e" + maxExp + "0")));
    EXPECT_EQ(atofC("-10e" + maxExp), -HUGE_VAL);
    EXPECT_EQ(atofC("0.01e" + minExp), 0.0);
    EXPECT_EQ(atofC("0.01e-" + maxExp + "9"), 0.0);
}

TEST(Frequency, FormatsAndParsesPackedDecimal) {
    EXPECT_EQ(FormatFrequency({0x25, 0x06, 0x60, 0x44}), "446.00625");
    EXPECT_EQ(FormatFrequency({0x00, 0x05, 0x00, 0x45}), "450.00500");
    EXPECT_EQ(FormatFrequency({0x25, 0x06, 0x60, 0x00}), ""); // absent whatever the rest holds
    EXPECT_EQ(FormatFrequency({0x25, 0x06, 0x60, 0xFF}), "");
    EXPECT_EQ(FormatFrequency({0x00, 0x00, 0x00, 0x4A}), "500.00000"); // nibble A counts as 10
    EXPECT_EQ(ParseFrequency("446.00625"), (FreqBytes{0x25, 0x06, 0x60, 0x44}));
    EXPECT_EQ(ParseFrequency("446.005"), (FreqBytes{0x00, 0x05, 0x60, 0x44}));
    EXPECT_EQ(ParseFrequency("130.0125"), (FreqBytes{0x50, 0x12, 0x00, 0x13}));
    for (const char* none : {"", "0", "0.000001", "abc"})
        EXPECT_EQ(ParseFrequency(none), (FreqBytes{0xFF, 0xFF, 0xFF, 0xFF})) << none;
    EXPECT_EQ(frequencyUnits("1e999"), INT64_MAX);
    EXPECT_EQ(formatFrequencyText("462.006251"), "462.00625");
}

TEST(Tone, FormatsAndParsesEveryKind) {
    const struct {
        ToneBytes bytes;
        const char* text;
    } pairs[] = {{{0x13, 0x28}, "D023N"}, {{0x13, 0xA8}, "D023I"}, {{0x09, 0x29}, "D411N"},
                 {{0xEC, 0xA9}, "D754I"}, {{0x75, 0x03}, "88.5"},  {{0xED, 0x09}, "254.1"},
                 {{0xE8, 0x03}, "100.0"}, {{0xFF, 0xFF}, "None"}};
    for (const auto& p : pairs) {
        EXPECT_EQ(FormatTone(p.bytes, false, Language::English), p.text);
        EXPECT_EQ(ParseTone(p.text), p.bytes) << p.text;
    }
    EXPECT_EQ(FormatTone({0x12, 0x28}, false, Language::English),
              "D000N"); // octal 022 is no standard code
    EXPECT_EQ(ParseTone("D999N"), (ToneBytes{0x00, 0x29}));
    EXPECT_EQ(FormatTone({0xFF, 0xFF}, false, Language::Chinese), "无");
    EXPECT_EQ(ParseTone("无"), (ToneBytes{0xFF, 0xFF}));
    EXPECT_EQ(FormatTone({0xFF, 0xFF}, true, Language::English), "");
    EXPECT_EQ(FormatTone({0x75, 0x03}, true, Language::English),
              "88.5"); // shown even in an empty channel

    const auto& en = toneList(Language::English);
    ASSERT_EQ(en.size(), 265u);
    EXPECT_EQ(en[51], "D017N");
    EXPECT_EQ(en[157], "D754N");
    EXPECT_EQ(en[158], "D017I");
    EXPECT_EQ(en[264], "D754I");
    for (std::size_t i = 1; i < en.size(); ++i)
        EXPECT_EQ(FormatTone(ParseTone(en[i]), false, Language::English), en[i]);
}

TEST(Options, EncodeKeepsForeignBitsAndMapsOddValues) {
    Image img = newDocumentImage();
    const int base = mm::channelOffset(3);
    const std::uint8_t rec[16] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xCF, 0xE9, 0x5A};
    std::copy(rec, rec + 16, &img[base]);
    const OptionTexts t = decodeOptions(img, 3, Language::English);
    EXPECT_EQ(t.busyLock, "QT/DQT"); // bits 11
    EXPECT_EQ(t.scrambler, "");      // nibble 9
    encodeOptions(img, 3, t);
    EXPECT_EQ(img[base + 12], 0xF7); // busy lock stored back as 10
    EXPECT_EQ(img[base + 13], 0xCF);
    EXPECT_EQ(img[base + 14], 0xE0); // scrambler 0, bits 5-7 kept
    EXPECT_EQ(img[base + 15], 0x5A);
    encodeOptions(img, 3, {"高", "有", "载波", "宽", "关", "7"});
    EXPECT_EQ(img[base + 12], 0xEF);
    EXPECT_EQ(img[base + 13], 0xFF);
    EXPECT_EQ(img[base + 14], 0xF7);
    encodeOptions(img, 3, {"high", "", "off", "wide", "off", "12"}); // exact texts only
    EXPECT_EQ(img[base + 12], 0xF7);
    EXPECT_EQ(img[base + 13], 0xCF);
    EXPECT_EQ(img[base + 14], 0xEC); // atoi("12") & 0x0F
}
