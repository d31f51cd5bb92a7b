#include "app/ChannelSets.h"
#include "model/Codecs.h"
#include "model/Image.h"
#include "model/MemoryMap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

namespace fs = std::filesystem;
using namespace radio;

namespace {

const std::string kBuiltIn = (fs::path(TEST_SOURCE_DIR) / "res" / "channel-sets").string();

// The regulators' tables, in 10 Hz units, written out independently of the files.
std::vector<std::int64_t> table(std::int64_t first, std::int64_t step, int count) {
    std::vector<std::int64_t> out;
    for (int n = 0; n < count; ++n)
        out.push_back(first + step * n);
    return out;
}

std::vector<std::int64_t> frsTable() {
    std::vector<std::int64_t> t = table(46256250, 2500, 7); // 1-7
    for (auto f : table(46756250, 2500, 7))                 // 8-14
        t.push_back(f);
    for (auto f : table(46255000, 2500, 8)) // 15-22
        t.push_back(f);
    return t;
}

} // namespace

TEST(ChannelSets, BuiltInSetsFillNewConfigurationsWithTheirTablesAndRules) {
    const std::map<std::string, std::vector<std::int64_t>> expected = {
        {"CN409", table(40975000, 1250, 20)},
        {"FRS", frsTable()},
        {"LPD433", table(43307500, 2500, 69)},
        {"PMR446", table(44600625, 1250, 16)},
    };
    const auto sets = sets::listSets(kBuiltIn, "");
    ASSERT_EQ(sets.size(), expected.size());
    for (const auto& set : sets) {
        SCOPED_TRACE(set.name);
        ASSERT_TRUE(set.error.empty()) << set.error;
        const auto& freqs = expected.at(set.name);
        EXPECT_TRUE(set.builtIn);
        EXPECT_EQ(set.channels, int(freqs.size()));
        EXPECT_TRUE(sets::fits(set, 40000000, 47000000));
        EXPECT_FALSE(sets::fits(set, 13600000, 17400000));
        EXPECT_NE(set.description.find("Source:"), std::string::npos);
        EXPECT_FALSE(set.descriptionChinese.empty());
        EXPECT_TRUE(set.rules.lowPower);

        std::string csv;
        std::ifstream in(set.path, std::ios::binary);
        csv.assign(std::istreambuf_iterator<char>(in), {});
        const auto list = interchange::readList(csv, 40000000, 47000000);
        // Sixteen at a time, as the radio holds them, each into a new configuration.
        for (std::size_t first = 0; first < freqs.size(); first += 16) {
            std::vector<std::size_t> chosen;
            for (std::size_t i = first; i < std::min(freqs.size(), first + 16); ++i)
                chosen.push_back(i);
            Image img = newDocumentImage();
            interchange::Import imp =
                interchange::place(list, chosen, 1, imageToTable(img, Language::English));
            ASSERT_TRUE(imp.ok) << imp.error;
            sets::applyRules(set.rules, imp);
            interchange::apply(imp, img);
            const ChannelTable t = imageToTable(img, Language::English);
            for (std::size_t k = 0; k < chosen.size(); ++k) {
                const auto& row = t[k + 1];
                EXPECT_EQ(frequencyUnits(row[ColRx]), freqs[first + k]) << "row " << first + k;
                EXPECT_EQ(row[ColTx], row[ColRx]);
                EXPECT_EQ(row[ColPower], "Low");
                if (set.rules.narrow) {
                    EXPECT_EQ(row[ColWidth], "Narrow");
                }
            }
        }
    }
    const auto* pmr = sets::findSet(sets, "pmr446");
    ASSERT_NE(pmr, nullptr);
    EXPECT_EQ(sets::rulesText(*pmr), "PMR446: at most 0.5 W; channels set to Low power and Narrow");
    EXPECT_EQ(sets::bandText(*pmr), "446.00625-446.19375 MHz");
}

TEST(ChannelSets, UsersSetsAreNamedAfterTheirFiles) {
    const fs::path dir = fs::temp_directory_path() / "radio_channel_sets_user";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "Customer A.csv") << "Location,Frequency\r\n1,150.0\r\n2,151.0\r\n";
    std::ofstream(dir / "broken.csv") << "Name\r\nx\r\n";
    std::ofstream(dir / "notes.txt") << "not a set";
    const auto sets = sets::listSets(kBuiltIn, dir.string());
    ASSERT_EQ(sets.size(), 6u);
    const auto* mine = sets::findSet(sets, "customer a");
    ASSERT_NE(mine, nullptr);
    EXPECT_FALSE(mine->builtIn);
    EXPECT_EQ(sets::titleOf(*mine, Language::Chinese), "Customer A");
    EXPECT_EQ(mine->channels, 2);
    EXPECT_EQ(sets::bandText(*mine), "150-151 MHz");
    EXPECT_TRUE(sets::rulesText(*mine).empty());
    EXPECT_FALSE(sets::fits(*sets::findSet(sets, "broken"), 0, 99999999));

    EXPECT_EQ(sets::checkUserName("Customer B", sets), "");
    for (const char* bad : {"", " x", "a/b", "..", "a:b", "FRS"})
        EXPECT_NE(sets::checkUserName(bad, sets), "") << bad;
    EXPECT_EQ(fs::path(sets::userSetPath(dir.string(), "Customer B")), dir / "Customer B.csv");
    fs::remove_all(dir);
}
