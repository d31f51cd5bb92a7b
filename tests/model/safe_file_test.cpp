#include "model/SafeFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
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
    // A disk that fills up halfway through a row: the part written goes again.
    files::failWriteForTesting(2, ENOSPC);
    EXPECT_FALSE(files::appendTo(log, std::string(3u << 20, 'x') + "\r\n").ok);
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
    // Files still to be written: the same name in the same folder, however reached.
    fs::create_symlink(dir / "new.csv", dir / "new-link.csv");
    EXPECT_TRUE(files::sameFile(at("new.csv"), (dir / "." / "new.csv").string()));
    EXPECT_TRUE(files::sameFile(at("new-link.csv"), at("new.csv")));
    EXPECT_FALSE(files::sameFile(at("new.csv"), at("other.csv")));
}

// Runs `check` as an ordinary user: in a child that gives up root when the
// tests run as root. Returns what failed, empty when nothing did.
std::string asOrdinaryUser(const fs::path& dir, const std::function<std::string()>& check) {
    if (::geteuid() != 0)
        return check();
    fs::permissions(dir, fs::perms::all);
    int out[2];
    if (::pipe(out) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        std::string failure = "cannot become nobody";
        if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)
            failure = check();
        if (::write(out[1], failure.data(), failure.size()) < 0)
            ::_exit(2);
        ::_exit(0);
    }
    ::close(out[1]);
    std::string failure;
    char buf[512];
    for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;)
        failure.append(buf, std::size_t(n));
    ::close(out[0]);
    ::waitpid(child, nullptr, 0);
    return failure;
}

TEST_F(SafeFileTest, ProtectionWriteProtectedFilesAreNeverReplaced) {
    const std::string ro = at("ro.dat");
    spit(ro, "kept");
    ::chmod(ro.c_str(), 0444);
    if (::geteuid() == 0 && ::chown(ro.c_str(), 65534, 65534) != 0)
        GTEST_SKIP() << "cannot hand the file to nobody";
    // The folder is writable: only the file's own bits may stop the rename.
    const std::string failure = asOrdinaryUser(dir, [&]() -> std::string {
        const files::Result w = files::writeAtomically(ro, std::string("new"));
        if (w.ok || w.code != EACCES || w.error.find(ro) == std::string::npos ||
            w.error.find("write-protected") == std::string::npos)
            return "write: " + w.error;
        if (files::checkOutput(ro).ok || files::appendTo(ro, "x").ok)
            return "check or append let it through";
        return slurp(ro) == "kept" ? "" : "the file changed";
    });
    EXPECT_EQ(failure, "");
    EXPECT_EQ(slurp(ro), "kept");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SafeFileTest, LinksDanglingLinksLeadToTheirTargetAndLoopsAreRefused) {
    fs::create_directories(dir / "sub");
    fs::create_symlink(dir / "sub" / "made.csv", dir / "abs.csv");
    fs::create_symlink("sub/rel.csv", dir / "rel.csv");
    for (const char* name : {"abs.csv", "rel.csv"}) {
        const files::Result r = files::writeAtomically(at(name), std::string(name));
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_TRUE(fs::is_symlink(dir / name)) << name << " was replaced by a file";
        EXPECT_EQ(slurp(dir / name), name);
    }
    EXPECT_EQ(slurp(dir / "sub" / "made.csv"), "abs.csv");
    EXPECT_EQ(slurp(dir / "sub" / "rel.csv"), "rel.csv");

    fs::create_symlink("loop-b", dir / "loop-a");
    fs::create_symlink("loop-a", dir / "loop-b");
    fs::create_symlink("nowhere/x.csv", dir / "no-folder.csv");
    for (const char* name : {"loop-a", "no-folder.csv"}) {
        const files::Result r = files::writeAtomically(at(name), std::string("x"));
        EXPECT_FALSE(r.ok) << name;
        EXPECT_NE(r.error.find(at(name)), std::string::npos) << r.error;
        EXPECT_TRUE(fs::is_symlink(dir / name)) << name;
    }
    EXPECT_NE(files::checkOutput(at("loop-a")).error.find("loop"), std::string::npos);
    EXPECT_FALSE(files::appendTo(at("loop-b"), "x").ok);
    EXPECT_EQ(entries(), 6u) << "a temporary file was left behind";
}

TEST_F(SafeFileTest, LockingUpdatesOfOneFileTakeTurns) {
    const std::string cfg = at("cfg.dat");
    spit(cfg, "v1");
    auto first = std::make_unique<files::UpdateLock>();
    ASSERT_TRUE(first->acquire(cfg, 0).ok);
    files::UpdateLock refused;
    const files::Result busy = refused.acquire(cfg, 100);
    EXPECT_FALSE(busy.ok);
    EXPECT_NE(busy.error.find("being changed by another program"), std::string::npos) << busy.error;

    // The holder replaces the file while another waits: the waiter must end
    // up holding the new file, not the old one nobody reads any more.
    files::UpdateLock second;
    auto waiting = std::async(std::launch::async, [&] { return second.acquire(cfg, 5000); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(files::writeAtomically(cfg, std::string("v2")).ok);
    first.reset();
    ASSERT_TRUE(waiting.get().ok);
    files::UpdateLock third;
    EXPECT_FALSE(third.acquire(cfg, 50).ok) << "the lock was taken on the replaced file";
    EXPECT_TRUE(third.acquire(at("missing.dat"), 0).ok) << "nothing to lock yet";
}

// A child that writes `out` over and over, as a long export would.
pid_t keepWriting(const std::string& out, bool cleanUp) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (cleanUp)
            files::removeTemporaryOnSignals();
        const std::string data(8u << 20, 'x');
        for (;;)
            files::writeAtomically(out, data);
    }
    return child;
}

std::size_t temporariesIn(const fs::path& dir) {
    std::size_t n = 0;
    for (const auto& e : fs::directory_iterator(dir))
        n += e.path().filename() != "big.csv";
    return n;
}

TEST_F(SafeFileTest, SignalsLeaveNoTemporaryAndLeftoversAreClearedAfterADay) {
    const std::string out = at("big.csv");
    for (int delay : {30, 60, 90, 120, 150}) {
        const pid_t child = keepWriting(out, true);
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        ::kill(child, delay % 60 ? SIGTERM : SIGINT);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status)) << "the signal did not end the process";
        EXPECT_EQ(temporariesIn(dir), 0u) << "after " << delay << " ms";
    }
    // SIGKILL cannot be caught: the next write of the file removes what it
    // left once that is a day old, and not before.
    for (int tries = 0; tries < 10 && temporariesIn(dir) == 0; ++tries) {
        const pid_t child = keepWriting(out, false);
        std::this_thread::sleep_for(std::chrono::milliseconds(50 + 20 * tries));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    if (temporariesIn(dir) == 0)
        GTEST_SKIP() << "no write was caught in the middle";
    ASSERT_TRUE(files::writeAtomically(out, std::string("short")).ok);
    EXPECT_EQ(temporariesIn(dir), 1u) << "a fresh temporary may be another write's";
    for (const auto& e : fs::directory_iterator(dir))
        fs::last_write_time(e.path(), fs::last_write_time(e.path()) - std::chrono::hours(25));
    ASSERT_TRUE(files::writeAtomically(out, std::string("short")).ok);
    EXPECT_EQ(temporariesIn(dir), 0u);

    // A name as long as the system allows still leaves room for the temporary.
    const std::string longest = at(std::string(255, 'n'));
    const files::Result r = files::writeAtomically(longest, std::string("x"));
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(slurp(longest), "x");
}

#endif

} // namespace
