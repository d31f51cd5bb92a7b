#include "model/SafeFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using namespace radio;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void spit(const fs::path& p, const std::string& text) {
    std::ofstream out(p, std::ios::binary);
    out << text;
}

class SafeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("safefile_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        files::failWriteForTesting(0, 0);
        fs::remove_all(dir);
    }
    std::string at(const std::string& name) const { return (dir / fs::u8path(name)).u8string(); }
    // Every entry of the folder, so a left-over temporary file shows.
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
    fs::path dir;
};

TEST_F(SafeFileTest, WriteReplacesTheTargetAndLeavesNoTemporaryFile) {
    const std::string out = at("out.csv");
    ASSERT_TRUE(files::writeAtomically(out, std::string("first")).ok);
    const files::Result r = files::writeAtomically(out, std::string("second\r\n"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(slurp(out), "second\r\n"); // bytes as given, no text-mode translation
    EXPECT_EQ(entries(), 1u);
    // Writing into a folder that does not exist names the path and the reason.
    const files::Result missing = files::writeAtomically(at("nowhere/out.csv"), std::string("x"));
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("nowhere"), std::string::npos) << missing.error;
    EXPECT_NE(missing.error.find(std::strerror(ENOENT)), std::string::npos) << missing.error;
}

TEST_F(SafeFileTest, FailedWriteKeepsTheOldFileAndNamesPathAndReason) {
    const std::string out = at("keep.dat");
    spit(out, "old contents");
    for (int nth : {1, 2}) {
        files::failWriteForTesting(nth, ENOSPC);
        // Large enough to need more than one write call.
        const files::Result r = files::writeAtomically(out, std::string(3u << 20, 'x'));
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.code, ENOSPC);
        EXPECT_NE(r.error.find(out), std::string::npos) << r.error;
        EXPECT_NE(r.error.find(std::strerror(ENOSPC)), std::string::npos) << r.error;
        EXPECT_EQ(slurp(out), "old contents");
        EXPECT_EQ(entries(), 1u) << "the temporary file stays behind";
    }
}

TEST_F(SafeFileTest, CreateNewNeverOverwritesAndCleansUpAfterAFailure) {
    const std::string name = at("备份.dat"); // UTF-8 names reach the system intact
    ASSERT_TRUE(files::createNew(name, "abc", 3).ok);
    const files::Result again = files::createNew(name, "xyz", 3);
    EXPECT_FALSE(again.ok);
    EXPECT_EQ(again.code, EEXIST);
    EXPECT_EQ(slurp(fs::u8path(name)), "abc");
    EXPECT_TRUE(fs::exists(dir / fs::u8path("备份.dat")));

    files::failWriteForTesting(1, ENOSPC);
    const files::Result full = files::createNew(at("second.dat"), "abc", 3);
    EXPECT_FALSE(full.ok);
    EXPECT_EQ(full.code, ENOSPC);
    EXPECT_FALSE(fs::exists(at("second.dat"))) << "a partial backup stays behind";

    // The atomic write takes the same names.
    ASSERT_TRUE(files::writeAtomically(name, std::string("new")).ok);
    EXPECT_EQ(slurp(fs::u8path(name)), "new");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SafeFileTest, AppendingKeepsEarlierBytesAndWritesTheHeaderOnce) {
    const std::string log = at("record.csv");
    ASSERT_TRUE(files::appendTo(log, {}).ok) << "checking creates the file";
    ASSERT_TRUE(files::appendTo(log, "row 1\r\n", "head\r\n").ok);
    ASSERT_TRUE(files::appendTo(log, "row 2\r\n", "head\r\n").ok);
    EXPECT_EQ(slurp(log), "head\r\nrow 1\r\nrow 2\r\n");

    files::failWriteForTesting(1, ENOSPC);
    const files::Result full = files::appendTo(log, "row 3\r\n", "head\r\n");
    EXPECT_FALSE(full.ok);
    EXPECT_NE(full.error.find(std::strerror(ENOSPC)), std::string::npos) << full.error;
    EXPECT_EQ(slurp(log), "head\r\nrow 1\r\nrow 2\r\n");

    fs::create_directories(dir / "folder");
    EXPECT_FALSE(files::appendTo(at("folder"), "x").ok);
}

TEST_F(SafeFileTest, FoldersAreRefusedAsOutputsAndInputs) {
    fs::create_directories(dir / "sub");
    const files::Result w = files::writeAtomically(at("sub"), std::string("x"));
    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.error.find("is a folder"), std::string::npos) << w.error;
    EXPECT_TRUE(fs::is_directory(dir / "sub"));
    std::string text;
    const files::Result r = files::readInput(at("sub"), text, 100);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("is a folder"), std::string::npos) << r.error;
    EXPECT_FALSE(files::checkOutput(at("sub")).ok);
    EXPECT_TRUE(files::checkOutput(at("not-yet.csv")).ok);
}

TEST_F(SafeFileTest, InputsAreReadOnlyUpToTheLimit) {
    spit(dir / "big.csv", std::string(5000, 'a'));
    std::string text = "unchanged";
    const files::Result tooBig = files::readInput(at("big.csv"), text, 4096);
    EXPECT_FALSE(tooBig.ok);
    EXPECT_NE(tooBig.error.find("too large"), std::string::npos) << tooBig.error;
    EXPECT_EQ(text, "unchanged");
    // Exact mode takes the first bytes of a longer file, and a shorter file whole.
    ASSERT_TRUE(files::readInput(at("big.csv"), text, 1024, true).ok);
    EXPECT_EQ(text.size(), 1024u);
    spit(dir / "small.csv", "a,b\r\n");
    ASSERT_TRUE(files::readInput(at("small.csv"), text, 4096).ok);
    EXPECT_EQ(text, "a,b\r\n");
    const files::Result missing = files::readInput(at("missing.csv"), text, 4096);
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find(std::strerror(ENOENT)), std::string::npos) << missing.error;
}

TEST(SafeFileText, ControlCharactersAreEscapedAndLongTextIsCut) {
    EXPECT_EQ(files::printable("plain text"), "plain text");
    EXPECT_EQ(files::printable("a\x1b[2Jb\tc\x7f"), "a\\x1B[2Jb\\x09c\\x7F");
    // C1 controls and bytes that are not UTF-8 are escaped; Chinese is kept.
    EXPECT_EQ(files::printable("\xC2\x9B"
                               "1m"),
              "\\xC2\\x9B1m");
    EXPECT_EQ(files::printable("\xFF\xE4\xBF"), "\\xFF\\xE4\\xBF");
    EXPECT_EQ(files::printable("信道信息"), "信道信息");
    EXPECT_EQ(files::printable(std::string(60, 'x')), std::string(60, 'x'));
    EXPECT_EQ(files::printable(std::string(61, 'x')), std::string(60, 'x') + "…");
    // The cut counts characters, not bytes, and never splits one.
    std::string chinese;
    for (int i = 0; i < 70; ++i)
        chinese += "信";
    const std::string cut = files::printable(chinese);
    EXPECT_EQ(cut.size(), 60u * 3 + std::string("…").size());
    EXPECT_EQ(files::quoted("a\nb"), "\"a\\x0Ab\"");
}

#ifdef _WIN32

TEST_F(SafeFileTest, PosixOnlyFileKinds) {
    GTEST_SKIP() << "symbolic links, FIFOs, devices and permission bits are POSIX things";
}

#else

mode_t modeOf(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

TEST_F(SafeFileTest, ExistingPermissionsAreKeptAndNewFilesFollowTheUmask) {
    const std::string secret = at("secret.dat");
    spit(secret, "old");
    ::chmod(secret.c_str(), 0600);
    ASSERT_TRUE(files::writeAtomically(secret, std::string("new")).ok);
    EXPECT_EQ(modeOf(secret), 0600u);
    EXPECT_EQ(slurp(secret), "new");

    const mode_t old = ::umask(022);
    ASSERT_TRUE(files::writeAtomically(at("fresh.dat"), std::string("x")).ok);
    ::umask(old);
    EXPECT_EQ(modeOf(at("fresh.dat")), 0644u);
}

TEST_F(SafeFileTest, LinksAreWrittenThroughAndPlantedLinksAreNotFollowed) {
    const std::string real = at("real.csv");
    const std::string link = at("link.csv");
    spit(real, "old");
    fs::create_symlink(real, link);
    ASSERT_TRUE(files::writeAtomically(link, std::string("through")).ok);
    EXPECT_TRUE(fs::is_symlink(link)) << "the link was replaced by a file";
    EXPECT_EQ(slurp(real), "through");

    // Links waiting at every name a temporary file could be guessed to have.
    const std::string victim = at("victim");
    spit(victim, "precious");
    const std::string out = at("o.csv");
    for (const char* planted : {"o.csv.tmp~", "o.csv.tmp", ".o.csv.tmp", "o.csv~", ".o.csv.swp"})
        fs::create_symlink(victim, dir / planted);
    ASSERT_TRUE(files::writeAtomically(out, std::string("data")).ok);
    EXPECT_EQ(slurp(victim), "precious");
    EXPECT_EQ(slurp(out), "data");
    EXPECT_FALSE(fs::is_symlink(out));
}

TEST_F(SafeFileTest, DevicesAndFifosAreRefusedWithoutBlocking) {
    // An output that is a device stays a device.
    for (const char* device : {"/dev/null", "/dev/full"}) {
        const files::Result r = files::writeAtomically(device, std::string("x"));
        EXPECT_FALSE(r.ok) << device;
        EXPECT_NE(r.error.find("is a device"), std::string::npos) << r.error;
        struct stat st;
        ASSERT_EQ(::stat(device, &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode)) << device << " was replaced";
    }
    std::string text;
    const files::Result zero = files::readInput("/dev/zero", text, files::kMaxTextInput);
    EXPECT_FALSE(zero.ok);
    EXPECT_NE(zero.error.find("is a device"), std::string::npos) << zero.error;

    const std::string fifo = at("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Opening a FIFO to read waits for a writer: run it aside so a hang fails.
    auto reading = std::async(std::launch::async, [&] {
        std::string t;
        return files::readInput(fifo, t, 1024, true);
    });
    if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        const int unblock = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        ADD_FAILURE() << "reading a FIFO blocked";
        reading.wait();
        ::close(unblock);
    } else {
        const files::Result r = reading.get();
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find("FIFO"), std::string::npos) << r.error;
    }
    EXPECT_FALSE(files::writeAtomically(fifo, std::string("x")).ok);
    EXPECT_FALSE(files::checkOutput(fifo).ok);
    // A record or trace named as a FIFO would block its open as well.
    auto appending = std::async(std::launch::async, [&] { return files::appendTo(fifo, "x"); });
    ASSERT_EQ(appending.wait_for(std::chrono::seconds(5)), std::future_status::ready)
        << "appending to a FIFO blocked";
    EXPECT_FALSE(appending.get().ok);
}

TEST_F(SafeFileTest, SameFileSeesThroughDotsLinksAndHardLinks) {
    const std::string a = at("a.dat");
    spit(a, "x");
    spit(dir / "b.dat", "x");
    fs::create_symlink(a, dir / "a-link.dat");
    fs::create_hard_link(a, dir / "a-hard.dat");
    EXPECT_TRUE(files::sameFile(a, a));
    EXPECT_TRUE(files::sameFile(a, (dir / "." / "a.dat").string()));
    EXPECT_TRUE(files::sameFile(a, at("a-link.dat")));
    EXPECT_TRUE(files::sameFile(a, at("a-hard.dat")));
    EXPECT_FALSE(files::sameFile(a, at("b.dat")));
    EXPECT_FALSE(files::sameFile(a, at("missing.dat")));
}

#endif

} // namespace
