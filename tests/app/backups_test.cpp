#include "app/Backups.h"
#include "model/SafeFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using namespace radio;

namespace {

std::tm at(int year, int month, int day, int h, int m, int s) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = h;
    t.tm_min = m;
    t.tm_sec = s;
    return t;
}

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class BackupFolder : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("radio_backups_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

} // namespace

TEST(BackupName, DateTimeModelAndBandMadeSafe) {
    const std::tm t = at(2026, 3, 4, 5, 6, 7);
    EXPECT_EQ(backups::backupFileName(t, "FL-400U", "400-470"),
              "2026-03-04_050607_FL-400U_400-470.dat");
    EXPECT_EQ(backups::backupFileName(t, "FL-400U", "400-470", 3),
              "2026-03-04_050607_FL-400U_400-470-3.dat");
    EXPECT_EQ(backups::safeNamePart("a/b\\c:d*e?f\"g<h>i|j k.l\tm"), "a_b_c_d_e_f_g_h_i_j_k_l_m");
    EXPECT_EQ(backups::safeNamePart("..\\..\\etc"), "______etc");
    EXPECT_EQ(backups::safeNamePart(""), "unknown");
    EXPECT_EQ(backups::safeNamePart("野联-400"), "野联-400");
    // Cut to 40 bytes without splitting a character (3 bytes each here).
    const std::string longName = backups::safeNamePart(std::string(39, 'x') + "野");
    EXPECT_EQ(longName, std::string(39, 'x'));
}

TEST_F(BackupFolder, WritesTheImageAndNeverOverwritesAnOlderBackup) {
    Image first = newDocumentImage();
    Image second = first;
    second[0x20] = 0x42;
    const std::tm t = at(2026, 1, 2, 3, 4, 5);

    // The folder is created on first use.
    const Result<std::string> r1 = backups::writeBackup(dir.string(), first, "M/1", "400-470", t);
    ASSERT_TRUE(r1.ok());
    EXPECT_EQ(fs::path(r1.value()).filename(), "2026-01-02_030405_M_1_400-470.dat");
    EXPECT_EQ(slurp(r1.value()), std::string(first.begin(), first.end()));

    // Same second, same radio: a new name; the first keeps its bytes.
    const Result<std::string> r2 = backups::writeBackup(dir.string(), second, "M/1", "400-470", t);
    ASSERT_TRUE(r2.ok());
    EXPECT_EQ(fs::path(r2.value()).filename(), "2026-01-02_030405_M_1_400-470-2.dat");
    EXPECT_EQ(slurp(r2.value()), std::string(second.begin(), second.end()));
    EXPECT_EQ(slurp(r1.value()), std::string(first.begin(), first.end()));

    // A file the user put there under the next name is skipped, not replaced.
    std::ofstream(dir / "2026-01-02_030405_M_1_400-470-3.dat") << "mine";
    const Result<std::string> r3 = backups::writeBackup(dir.string(), first, "M/1", "400-470", t);
    ASSERT_TRUE(r3.ok());
    EXPECT_EQ(fs::path(r3.value()).filename(), "2026-01-02_030405_M_1_400-470-4.dat");
    EXPECT_EQ(slurp(dir / "2026-01-02_030405_M_1_400-470-3.dat"), "mine");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4);
}

TEST_F(BackupFolder, ReportsAFolderThatCannotBeMade) {
    fs::create_directories(dir);
    std::ofstream(dir / "file") << "x";
    const Result<std::string> r = backups::writeBackup((dir / "file").string(), newDocumentImage(),
                                                       "M", "B", at(2026, 1, 1, 0, 0, 0));
    ASSERT_FALSE(r.ok());
    EXPECT_FALSE(failureText(r.failure(), untranslated()).empty());
    EXPECT_EQ(slurp(dir / "file"), "x");
}

// Chinese names from end to end: the folder, the model in the backup's name
// and a document saved twice over itself, then backed up twice in one second.
TEST_F(BackupFolder, ChineseNamesSaveAndBackUpTwiceInOneSecond) {
    const fs::path folder = dir / fs::u8path("备份");
    fs::create_directories(folder);
    const std::string doc = (folder / fs::u8path("备份.dat")).u8string();
    Image image = newDocumentImage();
    ASSERT_TRUE(saveDat(doc, image).ok());
    image[0x20] = 0x11;
    ASSERT_TRUE(saveDat(doc, image).ok()); // replaces the existing file
    Image loaded{};
    ASSERT_TRUE(loadDat(doc, loaded).ok());
    EXPECT_EQ(loaded, image);

    const std::tm t = at(2026, 3, 14, 15, 30, 12);
    const Result<std::string> r1 =
        backups::writeBackup(folder.u8string(), image, "对讲机", "400-470", t);
    const Result<std::string> r2 =
        backups::writeBackup(folder.u8string(), image, "对讲机", "400-470", t);
    ASSERT_TRUE(r1.ok());
    ASSERT_TRUE(r2.ok());
    EXPECT_NE(r1.value(), r2.value());
    EXPECT_EQ(fs::u8path(r2.value()).filename().u8string(),
              "2026-03-14_153012_对讲机_400-470-2.dat");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
}

TEST_F(BackupFolder, AFailedBackupLeavesNoFileAndSaysWhy) {
    radio::files::failWriteForTesting(1, ENOSPC);
    const Result<std::string> r =
        backups::writeBackup(dir.string(), newDocumentImage(), "M", "B", at(2026, 1, 1, 0, 0, 0));
    radio::files::failWriteForTesting(0, 0);
    ASSERT_FALSE(r.ok());
    const std::string why = failureText(r.failure(), untranslated());
    EXPECT_NE(why.find(std::strerror(ENOSPC)), std::string::npos) << why;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 0);
}

namespace {

// An environment of the given variables only; the others are unset.
backups::Environment env(std::map<std::string, std::string> vars) {
    return [vars](const char* name) {
        const auto it = vars.find(name);
        return it == vars.end() ? std::string() : it->second;
    };
}

} // namespace

TEST(DataLocation, FollowsEachPlatformsRule) {
    using backups::Platform;
    using backups::userDataLocation;
    EXPECT_EQ(userDataLocation(Platform::Unix, env({{"HOME", "/home/ann"}})),
              "/home/ann/.local/share");
    EXPECT_EQ(userDataLocation(Platform::Unix,
                               env({{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "/data/ann"}})),
              "/data/ann");
    // A relative or empty XDG_DATA_HOME is not a location: the home rule applies.
    EXPECT_EQ(userDataLocation(Platform::Unix,
                               env({{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "rel/data"}})),
              "/home/ann/.local/share");
    EXPECT_EQ(userDataLocation(Platform::Unix, env({{"HOME", "/home/ann"}, {"XDG_DATA_HOME", ""}})),
              "/home/ann/.local/share");
    // HOME is cleaned as a path; without it the root stands in.
    EXPECT_EQ(userDataLocation(Platform::Unix, env({{"HOME", "/home//ann/./x/../"}})),
              "/home/ann/.local/share");
    EXPECT_EQ(userDataLocation(Platform::Unix, env({})), "//.local/share");

    EXPECT_EQ(
        userDataLocation(Platform::Windows, env({{"LOCALAPPDATA", "C:\\Users\\ann\\AppData\\Local"},
                                                 {"XDG_DATA_HOME", "/ignored"}})),
        "C:/Users/ann/AppData/Local");
    EXPECT_EQ(userDataLocation(Platform::MacOS, env({{"HOME", "/Users/ann"}})),
              "/Users/ann/Library/Application Support");
}

TEST(DataLocation, BackupsFolderNameStaysInsideTheLocation) {
    EXPECT_EQ(backups::backupsFolder("/d", "Radio Tool"), "/d/Radio Tool/backups");
    EXPECT_EQ(backups::backupsFolder("/d/", "野联"), "/d/野联/backups");
    EXPECT_EQ(backups::backupsFolder("/d", "../../etc"), "/d/.._.._etc/backups");
    EXPECT_EQ(backups::backupsFolder("/d", "a\\b"), "/d/a_b/backups");
    for (const char* unnamed : {"", ".", ".."})
        EXPECT_EQ(backups::backupsFolder("/d", unnamed), "/d/RadioProgrammer/backups") << unnamed;
    EXPECT_EQ(backups::backupsFolder("/", "X"), "/X/backups");
}
