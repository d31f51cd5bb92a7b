#include "model/MemoryMap.h"
#include "model/OptionalFeatures.h"

#include <gtest/gtest.h>

using namespace radio;
using namespace radio::optional;

namespace {

TEST(OptionalFeatures, NewDocumentShowsTheFactoryChoices) {
    const Choices c = decode(newDocumentImage());
    const auto shown = [&](List l) {
        return entries(l, Language::English)[std::size_t(c.index[l])];
    };
    EXPECT_EQ(shown(TimeOutTimer), "60s");
    EXPECT_EQ(shown(TotPreAlert), "8");
    EXPECT_EQ(shown(SquelchLevel), "4");
    EXPECT_EQ(shown(VoxGainLevel), "5");
    EXPECT_EQ(shown(VoxDelayTime), "1.0");
    EXPECT_EQ(shown(CallTone), "Off");
    EXPECT_EQ(shown(VoiceAnnunciation), "Chinese");
    EXPECT_EQ(shown(CallKeyDefine), "Off"); // 0xFF
    EXPECT_TRUE(c.beep);
    EXPECT_TRUE(c.batterySaver);
}

TEST(OptionalFeatures, EntriesInBothLanguages) {
    EXPECT_EQ(entries(TimeOutTimer, Language::Chinese).size(), 40u);
    EXPECT_EQ(entries(TimeOutTimer, Language::Chinese).back(), "600s");
    EXPECT_EQ(entries(TotPreAlert, Language::Chinese).front(), "关");
    EXPECT_EQ(entries(TotPreAlert, Language::English).back(), "10");
    EXPECT_EQ(entries(VoxGainLevel, Language::Chinese).size(), 17u);
    EXPECT_EQ(entries(VoiceAnnunciation, Language::Chinese),
              (std::vector<std::string>{"关", "中文", "英文"}));
    EXPECT_EQ(entries(CallKeyDefine, Language::English),
              (std::vector<std::string>{"Off", "Call", "Emergency Alert"}));
    EXPECT_EQ(entries(VoxDelayTime, Language::Chinese), entries(VoxDelayTime, Language::English));
}

TEST(OptionalFeatures, StoredValuesThatDifferFromTheIndex) {
    Image img = newDocumentImage();
    Choices c = decode(img);
    c.index[TotPreAlert] = 0; // "Off"
    c.index[CallKeyDefine] = 0;
    encode(img, c);
    EXPECT_EQ(img[mm::TotPreAlert.offset] & 0x0F, 1);
    EXPECT_EQ(img[mm::CallKey.offset], 2); // 0xFF shown as "Off" comes back as 2

    c.index[TotPreAlert] = 10; // "10"
    c.index[CallKeyDefine] = 1;
    encode(img, c);
    EXPECT_EQ(img[mm::TotPreAlert.offset] & 0x0F, 11);
    EXPECT_EQ(img[mm::CallKey.offset], 0);
    EXPECT_EQ(decode(img).index[CallKeyDefine], 1);
    c.index[CallKeyDefine] = 2;
    encode(img, c);
    EXPECT_EQ(img[mm::CallKey.offset], 1);
    EXPECT_EQ(decode(img).index[CallKeyDefine], 2);
}

TEST(OptionalFeatures, BitsNoControlOwnsSurviveDecodeAndEncode) {
    for (int high : {0x00, 0xFF}) {
        Image img = newDocumentImage();
        const auto keep = [&](const mm::Field& f) {
            img[f.offset] = std::uint8_t((img[f.offset] & f.mask) | (high & ~f.mask));
        };
        for (const mm::Field* f : {&mm::TimeOutTimer, &mm::TotPreAlert, &mm::SquelchLevel,
                                   &mm::VoxGain, &mm::VoxDelay, &mm::KeyBeep, &mm::BatterySaver})
            keep(*f);
        const Image before = img;
        Choices c = decode(img);
        c.index[TimeOutTimer] = 39;
        c.index[SquelchLevel] = 9;
        c.index[VoxGainLevel] = 16;
        c.index[VoxDelayTime] = 5;
        c.beep = false;
        c.batterySaver = false;
        encode(img, c);
        for (const mm::Field* f : {&mm::TimeOutTimer, &mm::TotPreAlert, &mm::SquelchLevel,
                                   &mm::VoxGain, &mm::VoxDelay, &mm::KeyBeep, &mm::BatterySaver})
            EXPECT_EQ(img[f->offset] & ~f->mask, before[f->offset] & ~f->mask) << f->name;
        EXPECT_EQ(mm::get(img, mm::TimeOutTimer), 40);
        EXPECT_EQ(mm::get(img, mm::VoxGain), 16);
        EXPECT_EQ(mm::get(img, mm::KeyBeep), 0);
        // Only the option bytes moved.
        for (std::size_t i = 0; i < img.size(); ++i) {
            if (i < mm::VoiceAnnunciation.offset ||
                (i > mm::CallKey.offset && i != mm::CallTone.offset)) {
                EXPECT_EQ(img[i], before[i]) << i;
            }
        }
    }
}

TEST(OptionalFeatures, ValuesOutsideTheListsAndEmptyLists) {
    Image img = newDocumentImage();
    img[mm::TimeOutTimer.offset] = 0x80; // 0 in the timer bits
    img[mm::TotPreAlert.offset] = 0xAC;  // 12: past "10"
    img[mm::SquelchLevel.offset] = 0x3A; // 10
    img[mm::VoxGain.offset] = 0x51;      // 17
    img[mm::VoxDelay.offset] = 0x0E;     // 6
    img[mm::CallTone.offset] = 17;
    img[mm::VoiceAnnunciation.offset] = 3; // shows "Off"
    const Choices c = decode(img);
    for (List l : {TimeOutTimer, TotPreAlert, SquelchLevel, VoxGainLevel, VoxDelayTime, CallTone})
        EXPECT_EQ(c.index[l], -1) << l;
    EXPECT_EQ(c.index[VoiceAnnunciation], 0);

    const Image before = img;
    Choices none = c;
    none.index[VoiceAnnunciation] = -1;
    none.index[CallKeyDefine] = -1;
    encode(img, none);
    // Timer and pre-alert write 0 into their bits; the rest keep what they held.
    EXPECT_EQ(img[mm::TimeOutTimer.offset], 0x80);
    EXPECT_EQ(img[mm::TotPreAlert.offset], 0xA0);
    EXPECT_EQ(img[mm::SquelchLevel.offset], before[mm::SquelchLevel.offset]);
    EXPECT_EQ(img[mm::VoxGain.offset], before[mm::VoxGain.offset]);
    EXPECT_EQ(img[mm::VoxDelay.offset], before[mm::VoxDelay.offset]);
    EXPECT_EQ(img[mm::CallTone.offset], 17);
    EXPECT_EQ(img[mm::VoiceAnnunciation.offset], 0);
    EXPECT_EQ(img[mm::CallKey.offset], 2);
}

} // namespace
