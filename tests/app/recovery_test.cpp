#include "app/Recovery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace radio;
using namespace radio::recovery;

namespace {

fs::path tempFolder(const char* name) {
    const fs::path dir = fs::temp_directory_path() /
                         ("recovery-test-" + std::string(name) + "-" +
                          std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(dir);
    return dir;
}

} // namespace

TEST(Recovery, EntriesRoundTripAndDamageIsRefused) {
    Entry e;
    e.path = "/home/u/a\\b\nc.dat"; // any name a file system allows
    e.title = "From the radio, 2026-03-14 15:30";
    for (std::size_t i = 0; i < e.image.size(); ++i)
        e.image[i] = std::uint8_t(i * 7);
    const std::string bytes = encode(e);
    Entry back;
    ASSERT_TRUE(decode(bytes, back));
    EXPECT_EQ(back.path, e.path);
    EXPECT_EQ(back.title, e.title);
    EXPECT_EQ(back.image, e.image);
    // A cut file, a byte too many or another header is no configuration.
    EXPECT_FALSE(decode(bytes.substr(0, bytes.size() - 1), back));
    EXPECT_FALSE(decode(bytes + "x", back));
    EXPECT_FALSE(decode("X" + bytes.substr(1), back));
    EXPECT_EQ(recoveryFolder("/data", "Tool/x"), "/data/Tool_x/recovery");
}

TEST(Recovery, OnlyFoldersOfEndedProgramsAreOrphans) {
    const fs::path root = tempFolder("orphans");
    Entry first, second;
    first.title = "one";
    second.title = "two";
    std::string livePath;
    {
        Session ended;
        ASSERT_TRUE(ended.open(root.u8string()));
        ASSERT_TRUE(ended.keep(12, second).ok);
        ASSERT_TRUE(ended.keep(3, first).ok);
        Session live;
        ASSERT_TRUE(live.open(root.u8string()));
        ASSERT_TRUE(live.keep(1, first).ok);
        livePath = live.path();
        Claim again; // the running program's claim cannot be taken
        EXPECT_FALSE(again.take((fs::u8path(live.path()) / "lock").u8string()));

        // What a killed program leaves: its entries, no claim on them.
        fs::create_directory(root / "killed");
        for (const char* name : {"3.rcv", "12.rcv"})
            fs::copy_file(fs::u8path(ended.path()) / name, root / "killed" / name);
        std::ofstream(root / "killed" / "9.rcv") << "damaged";
        fs::create_directory(root / "empty");

        std::vector<Orphan> found = orphans(root.u8string(), "");
        ASSERT_EQ(found.size(), 1u); // the live one is not, the empty one is removed
        EXPECT_FALSE(fs::exists(root / "empty"));
        EXPECT_EQ(found[0].folder, (root / "killed").u8string());
        ASSERT_EQ(found[0].entries.size(), 2u);
        EXPECT_EQ(found[0].entries[0].title, "one"); // in the order kept
        EXPECT_EQ(found[0].entries[1].title, "two");
        // While one program looks at them, another start does not see them.
        EXPECT_TRUE(orphans(root.u8string(), "").empty());
        const std::vector<Entry> entries = found[0].entries;
        drop(found[0], entries[0]);
        EXPECT_TRUE(fs::exists(root / "killed"));
        drop(found[0], entries[1]);
        EXPECT_FALSE(fs::exists(root / "killed"));

        live.forget(1);
        EXPECT_FALSE(fs::exists(fs::u8path(live.path()) / "1.rcv"));
    }
    // Sessions that end normally leave nothing.
    EXPECT_FALSE(fs::exists(fs::u8path(livePath)));
    EXPECT_TRUE(fs::is_empty(root));
    fs::remove_all(root);
}
