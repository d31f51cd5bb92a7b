#include "model/RadioSettings.h"
#include "model/ScanInfo.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace radio;
using settings::Setting;

namespace {

Image randomImage(unsigned seed) {
    std::mt19937 rng(seed);
    Image img;
    for (auto& b : img)
        b = std::uint8_t(rng());
    return img;
}

// Only the bits of the setting's own field may differ.
void expectOnlyFieldChanged(const Setting& s, const Image& before, const Image& after) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool inField = i >= s.field.offset && i < mm::end(s.field);
        const std::uint8_t mask = inField ? s.field.mask : 0;
        EXPECT_EQ(after[i] & ~mask, before[i] & ~mask) << s.key << ", byte " << i;
    }
}

} // namespace

TEST(RadioSettings, EveryChoiceStoresAndReadsBackInBothLanguages) {
    std::set<std::string> keys;
    for (const Setting& s : settings::all()) {
        EXPECT_TRUE(keys.insert(s.key).second) << s.key;
        EXPECT_EQ(std::string(s.key).find_first_not_of("abcdefghijklmnopqrstuvwxyz_"),
                  std::string::npos);
        EXPECT_EQ(settings::find(s.key), &s);
        for (unsigned seed : {1u, 2u, 3u}) {
            const Image base = randomImage(seed);
            for (const Language language : {Language::English, Language::Chinese}) {
                const auto entries = s.entries(base, language);
                for (std::size_t i = 0; i < entries.size(); ++i) {
                    Image img = base;
                    ASSERT_TRUE(s.store(img, entries[i])) << s.key << " " << entries[i];
                    EXPECT_EQ(s.index(img), int(i)) << s.key << " " << entries[i];
                    EXPECT_EQ(s.value(img, language), entries[i]);
                    expectOnlyFieldChanged(s, base, img);
                }
            }
        }
        if (s.kind() == settings::Kind::Number) {
            // A value the window shows for a new document stores the same bits.
            Image img = newDocumentImage();
            img[mm::ScanPriorityMode.offset] = scan::PriorityFixed;
            img[mm::PriorityChannel.offset] = 3;
            const Image before = img;
            const auto text = s.value(img, Language::English);
            ASSERT_TRUE(text && s.store(img, *text)) << s.key;
            EXPECT_EQ(img, before) << s.key;
        }
    }
    EXPECT_EQ(settings::find("no_such_setting"), nullptr);
}

TEST(RadioSettings, RefusesWhatTheWindowCouldNotStoreAndShowsNoneForStrayBits) {
    const std::pair<const char*, const char*> refused[] = {
        {"time_out_timer", "601s"},     {"time_out_timer", ""},
        {"tot_pre_alert", "11"},        {"beep", "yes"},
        {"look_back_time_a", "0.52"},   {"look_back_time_a", "5.05"},
        {"look_back_time_b", "0.45"},   {"look_back_time_b", "nan"},
        {"dropout_delay_time", "301"},  {"tx_dwell_time", "-1"},
        {"tx_dwell_time", "1e2"},       {"priority_channel", "17"},
        {"priority_channel", "0"},      {"model", "256"},
        {"revert_channel", "Priority"}, {"priority", "Fixed "},
    };
    Image img = randomImage(9);
    img[mm::ScanPriorityMode.offset] = scan::PriorityNone; // offers the "Selected" reverts only
    for (const auto& [key, text] : refused) {
        const Image before = img;
        EXPECT_FALSE(settings::find(key)->store(img, text)) << key << " " << text;
        EXPECT_EQ(img, before) << key;
    }
    EXPECT_TRUE(settings::find("look_back_time_a")->store(img, " 0.55 "));
    EXPECT_EQ(img[mm::LookBackA.offset], 2);
    EXPECT_TRUE(settings::find("tx_dwell_time")->store(img, "300"));
    EXPECT_EQ(mm::get16(img, mm::TxDwellTime), 300u);

    const auto value = [&img](const char* key) {
        return settings::find(key)->value(img, Language::English);
    };
    img[mm::TimeOutTimer.offset] = 0x80; // timer bits 0
    img[mm::ScanPriorityMode.offset] = 7;
    img[mm::VoiceAnnunciation.offset] = 3;
    img[mm::CallKey.offset] = 9;
    EXPECT_EQ(value("time_out_timer"), std::nullopt);
    EXPECT_EQ(value("priority"), std::nullopt);
    EXPECT_EQ(value("priority_channel"), ""); // shown in mode Fixed only
    EXPECT_EQ(value("voice_annunciation"), "Off");
    EXPECT_EQ(value("call_key_define"), "Off");
}
