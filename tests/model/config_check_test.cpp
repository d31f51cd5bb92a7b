// The whole-configuration check that runs before every write and on open.
#include "model/CellCommit.h"
#include "model/ChannelTable.h"
#include "model/ConfigCheck.h"
#include "model/MemoryMap.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

#include <random>

using namespace radio;

namespace {

// FL-400U with two bands, FL-136V with one.
check::Settings settings() {
    return {true, {{"FL-400U", {"400-470", "450-470"}}, {"FL-136V", {"136-174"}}}};
}

// A configuration made the way the window makes one: model 0, band 0, and
// channels typed into the grid.
Image edited() {
    Image img = newDocumentImage();
    mm::set(img, mm::ModelType, 0);
    mm::set(img, mm::BandIndex, 0);
    ChannelTable t = imageToTable(img, Language::English);
    const std::pair<int, std::vector<std::string>> typed[] = {
        {1, {"446.00625", "", "D754I", "254.1", "Low", "Yes", "QT/DQT", "Narrow", "On", "8"}},
        {4, {"400", "470", "None", "67.0"}},
        {16, {"469.99375"}}};
    for (const auto& [channel, cells] : typed)
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const CommitResult r =
                commitCell(t[channel], int(c) + 1, cells[c], 40000000, 47000000, Language::English);
            EXPECT_EQ(r.message, 0) << channel << " " << c;
            t[channel] = r.row;
        }
    tableToImage(t, img);
    return img;
}

std::vector<std::string> described(const std::vector<check::Problem>& problems) {
    std::vector<std::string> out;
    for (const auto& p : problems)
        out.push_back(check::describe(p, untranslated()));
    return out;
}

} // namespace

TEST(ConfigCheck, WhatTheEditorsMakePasses) {
    EXPECT_TRUE(check::checkConfiguration(edited(), settings(), untranslated()).empty())
        << check::describeAll(check::checkConfiguration(edited(), settings(), untranslated()),
                              untranslated());
    // A fresh configuration once the window gave it a model (erased revert,
    // call key and priority channel included).
    Image fresh = newDocumentImage();
    mm::set(fresh, mm::ModelType, 1);
    mm::set(fresh, mm::BandIndex, 0);
    EXPECT_TRUE(check::checkConfiguration(fresh, settings(), untranslated()).empty());
}

TEST(ConfigCheck, ListsEveryValueNoEditorWouldAccept) {
    Image img = edited();
    const auto rec = [&img](int ch, int i) -> std::uint8_t& { return img[ch * 16 + i]; };
    rec(1, 3) = 0x47;  // Rx 476.00625: outside 400-470
    rec(4, 0) = 0x01;  // Rx 400.00001: off the raster
    rec(4, 5) = 0xA0;  // Tx digits that are no decimal number
    rec(16, 8) = 0x2F; // Decode 2974.3 Hz: 0x742F
    rec(16, 9) = 0x74;
    rec(16, 10) = 0x12; // Encode D022N: no standard code
    rec(16, 11) = 0x28;
    rec(1, 14) = std::uint8_t((rec(1, 14) & 0xF0) | 0x0C); // scrambler 12
    rec(5, 3) = 0x99; // channel 5 is not programmed (Tx absent): not checked
    mm::set(img, mm::TimeOutTimer, 0);
    mm::set(img, mm::SquelchLevel, 12);
    img[mm::VoiceAnnunciation.offset] = 7;
    mm::set(img, mm::ScanPriorityMode, 1); // Fixed on an empty channel, look-back A 0
    img[mm::PriorityChannel.offset] = 5;
    img[mm::LookBackA.offset] = 0;
    img[mm::RevertChannel.offset] = 9;
    mm::set16(img, mm::DropoutDelay, 301);

    const auto problems = check::checkConfiguration(img, settings(), untranslated());
    EXPECT_EQ(described(problems),
              (std::vector<std::string>{
                  "Channel 1, Rx Frequency, 476.00625: 476.00625 MHz is outside the band "
                  "400-470 MHz",
                  "Channel 1, Scrambler, 12: not one of the list's entries",
                  "Channel 4, Rx Frequency, 400.00001: 400.00001 MHz is not on the 5 kHz or "
                  "6.25 kHz raster",
                  "Channel 4, Tx Frequency, 470.10000: its stored digits are not a decimal "
                  "frequency",
                  "Channel 16, QT/DQT Dec, 2974.3: not a tone of the tone list",
                  "Channel 16, QT/DQT Enc, D000N: not a tone of the tone list",
                  "Time-Out Timer, 0: not one of the list's entries",
                  "Squelch Level, 12: not one of the list's entries",
                  "Voice Annunciation, 7: not one of the list's entries",
                  "Priority Channel, 5: not a programmed channel",
                  "Look Back Time A, 0: not a time from 0.50 to 5.00 seconds",
                  "Revert Channel, 9: not one of the list's entries",
                  "Dropout Delay Time, 301: not a number from 0 to 300",
              }));
    EXPECT_EQ(problems[0].channel, 1);
    EXPECT_EQ(problems[0].gridColumn, ColRx);
    // The same list in Chinese through the catalogues, cut after twenty lines.
    const auto zh = check::checkConfiguration(img, settings(), ts::chineseCatalogue());
    EXPECT_EQ(check::describe(zh[1], ts::chineseCatalogue()), "信道1，扰频，12：不是列表中的选项");
    EXPECT_EQ(check::describe(zh[6], ts::chineseCatalogue()), "超时定时器，0：不是列表中的选项");
    std::vector<check::Problem> many(25, problems[0]);
    const std::string all = check::describeAll(many, ts::chineseCatalogue());
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 20);
    EXPECT_NE(all.find("……另有 5 项"), std::string::npos) << all;
}

TEST(ConfigCheck, ModelAndBandMustNameAUsableEntryOfTheSettings) {
    Image img = edited();
    const auto first = [&img](const check::Settings& s) {
        const auto p = check::checkConfiguration(img, s, untranslated());
        return p.empty() ? std::string() : check::describe(p.back(), untranslated());
    };
    mm::set(img, mm::BandIndex, 2);
    EXPECT_EQ(first(settings()),
              "Frequency, 2: names no band of the model FL-400U in the settings file");
    mm::set(img, mm::ModelType, 0xFF);
    EXPECT_EQ(first(settings()), "Type, 255: names no model of the settings file");
    EXPECT_EQ(first(check::Settings{}),
              "Type, Program.ini: there is no settings file to check the model and band against");
    // A band the records cannot hold is named by its key; channels are then
    // only checked for the raster, not once more per channel against no band.
    mm::set(img, mm::ModelType, 0);
    mm::set(img, mm::BandIndex, 0);
    for (const char* band : {"-470", "400-", "5-470", "400-1000"}) {
        check::Settings s = settings();
        s.products[0].bands[0] = band;
        const auto p = check::checkConfiguration(img, s, untranslated());
        ASSERT_EQ(p.size(), 1u) << band;
        EXPECT_NE(check::describe(p[0], untranslated()).find("settings key Field1 cannot be used"),
                  std::string::npos)
            << band;
        EXPECT_NE(bandDefect(band, untranslated()), "") << band;
        EXPECT_EQ(usableBandLimits(band).high, 0) << band;
    }
    EXPECT_EQ(bandDefect("400-470", untranslated()), "");
    EXPECT_EQ(usableBandLimits("136-174").low, 13600000);
}

TEST(ConfigCheck, ANewBandNamesTheChannelsOutsideItAndRandomBytesNeverCrash) {
    const BandLimits vhf = bandLimits("136-174");
    std::vector<int> outside;
    for (const auto& p : check::checkChannels(edited(), &vhf, untranslated()))
        outside.push_back(p.channel);
    EXPECT_EQ(outside, (std::vector<int>{1, 1, 4, 4, 16, 16}));

    std::mt19937 random(22);
    for (int run = 0; run < 300; ++run) {
        Image img;
        for (auto& b : img)
            b = std::uint8_t(random());
        const auto p = check::checkConfiguration(img, settings(), untranslated());
        EXPECT_FALSE(p.empty());
        check::describeAll(p, untranslated());
    }
}
