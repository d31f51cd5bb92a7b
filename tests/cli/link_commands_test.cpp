// radio-cli read and write against radio-cli virtual-radio over a real
// pseudo-terminal, end to end.

#include "CliFixture.h"
#include "Spawn.h"
#include "model/Image.h"
#include "tests/Patterned.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

using clitest::slurp;
using clitest::spawn;
using clitest::waitBounded;
using testsupport::patterned;

struct CliRun {
    int status = -1;
    std::string err;
};

class LinkCommands : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("link_cli_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        stopRadio();
        fs::remove_all(dir);
    }

    CliRun cli(std::vector<std::string> args, std::chrono::milliseconds limit = 30s) {
        args.insert(args.begin(), RADIO_CLI);
        const std::string errFile = (dir / "stderr.txt").string();
        CliRun r;
        const pid_t pid = spawn(args, "/dev/null", errFile);
        EXPECT_GT(pid, 0);
        if (pid <= 0)
            return r;
        r.status = waitBounded(pid, limit);
        r.err = slurp(errFile);
        return r;
    }

    // Starts the virtual radio and waits until its link appears.
    void startRadio(const std::vector<std::string>& extra = {}) {
        link = (dir / "radio").string();
        std::vector<std::string> args = {RADIO_CLI, "virtual-radio", "--link", link};
        args.insert(args.end(), extra.begin(), extra.end());
        radioPid = spawn(args, "/dev/null", (dir / "radio-stderr.txt").string());
        ASSERT_GT(radioPid, 0);
        for (int i = 0; i < 500 && !fs::is_symlink(link); ++i)
            std::this_thread::sleep_for(10ms);
        ASSERT_TRUE(fs::is_symlink(link)) << slurp(dir / "radio-stderr.txt");
    }

    void stopRadio() {
        if (radioPid <= 0)
            return;
        kill(radioPid, SIGTERM);
        EXPECT_EQ(waitBounded(radioPid, 5s), 0);
        radioPid = -1;
    }

    radio::Image load(const fs::path& p) {
        radio::Image img{};
        EXPECT_TRUE(radio::loadDat(p.string(), img).ok()) << p;
        return img;
    }

    fs::path dir;
    std::string link;
    pid_t radioPid = -1;
};

} // namespace

TEST_F(LinkCommands, ReadFetchesTheRadioMemoryIntoANewFile) {
    const radio::Image radioMemory = patterned(5);
    ASSERT_TRUE(radio::saveDat((dir / "radio.dat").string(), radioMemory).ok());
    startRadio({"--image", (dir / "radio.dat").string()});

    const auto out = dir / "out.dat";
    const CliRun r = cli({"read", "--port", link, out.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(fs::file_size(out), 1024u);
    const radio::Image got = load(out);
    const radio::Image fresh = radio::newDocumentImage();
    for (std::size_t i = 0; i < 1024; ++i)
        ASSERT_EQ(got[i], i < 0x3F1 ? radioMemory[i] : fresh[i]) << i;
}

TEST_F(LinkCommands, WriteStoresTheFileAndLeavesCalibrationUnlessFactory) {
    const radio::Image radioMemory = patterned(5);
    ASSERT_TRUE(radio::saveDat((dir / "radio.dat").string(), radioMemory).ok());
    const auto saved = dir / "saved.dat";
    startRadio({"--image", (dir / "radio.dat").string(), "--save", saved.string()});

    const radio::Image file = patterned(99);
    ASSERT_TRUE(radio::saveDat((dir / "in.dat").string(), file).ok());
    // A patterned file holds values no editor would accept: written by request.
    CliRun r = cli({"write", "--force", "--port", link, (dir / "in.dat").string()});
    ASSERT_EQ(r.status, 0) << r.err;

    // Reading back through the link shows what the radio holds now.
    r = cli({"read", "--port", link, (dir / "back.dat").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const radio::Image back = load(dir / "back.dat");
    for (std::size_t i = 0; i < 0x3F1; ++i) {
        const bool calibration =
            (i >= 0x330 && i < 0x340) || (i >= 0x3D0 && i < 0x3DB) || (i >= 0x3E0 && i < 0x3F0);
        ASSERT_EQ(back[i], calibration ? radioMemory[i] : file[i]) << std::hex << i;
    }

    r = cli({"write", "--factory", "--force", "--port", link, (dir / "in.dat").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    stopRadio(); // saves the memory as it exits
    const radio::Image stored = load(saved);
    for (std::size_t i = 0; i < 1024; ++i)
        ASSERT_EQ(stored[i], i < 0x3F1 ? file[i] : radioMemory[i]) << std::hex << i;
}

TEST_F(LinkCommands, WriteAndCloneTakeOnlyAConfigurationThatPassesTheChecks) {
    // The port does not exist: a command that got as far as the radio exits 1.
    const std::string nowhere = (dir / "nowhere").string();
    const auto file = dir / "cfg.dat";
    const auto tryBoth = [&](std::vector<std::string> extra) {
        std::vector<int> status;
        for (const char* command : {"write", "clone"}) {
            std::vector<std::string> args = {command, "--port", nowhere, file.string()};
            args.insert(args.end(), extra.begin(), extra.end());
            status.push_back(cli(args).status);
        }
        return status;
    };
    for (const std::string& bytes :
         {std::string(1023, '\0'), std::string(1025, '\xFF'), std::string(2048, 'x')}) {
        clitest::spit(file, bytes);
        EXPECT_EQ(tryBoth({"--force"}), (std::vector<int>{2, 2})) << bytes.size();
    }
    EXPECT_NE(cli({"write", "--port", nowhere, file.string()}).err.find("exactly 1024"),
              std::string::npos);

    // Text of exactly 1024 bytes: refused with its problems listed, twenty and a count.
    clitest::spit(file, std::string(1024, '7'));
    EXPECT_EQ(tryBoth({}), (std::vector<int>{2, 2}));
    const CliRun r = cli({"write", "--port", nowhere, file.string()});
    EXPECT_NE(r.err.find("Channel 1, Rx Frequency, 373.73737: 373.73737 MHz is not on the 5 kHz"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("... and "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("nothing was written (--force writes anyway)"), std::string::npos);
    EXPECT_EQ(tryBoth({"--force"}), (std::vector<int>{1, 1}));

    // What the window makes passes and goes out unchanged.
    radio::Image good = radio::newDocumentImage();
    good[0x3DE] = 0;
    good[0x3DF] = 0;
    const std::uint8_t channel[16] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                      0xFF, 0xFF, 0xFF, 0xFF, 0xE7, 0xF0, 0xF0, 0xFF};
    std::copy(channel, channel + 16, &good[16]);
    ASSERT_TRUE(radio::saveDat(file.string(), good).ok());
    const auto saved = dir / "saved.dat";
    startRadio({"--save", saved.string()});
    const CliRun ok = cli({"write", "--port", link, file.string()});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_EQ(ok.err.find("Channel"), std::string::npos) << ok.err;
    stopRadio();
    const radio::Image stored = load(saved);
    EXPECT_TRUE(std::equal(good.begin(), good.begin() + 0x330, stored.begin()));
}

TEST_F(LinkCommands, FailuresReportTheMessageAndWriteNoFile) {
    const auto out = dir / "keep.dat";
    const radio::Image previous = patterned(1);
    ASSERT_TRUE(radio::saveDat(out.string(), previous).ok());

    // No such port: message 61453 with the reason; the old file stays as it was.
    CliRun r = cli({"read", "--port", (dir / "missing").string(), out.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Could not Open the Port,Please check whether the Port are occupied or "
                         "the device are ok"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("does not exist"), std::string::npos) << r.err;
    EXPECT_EQ(load(out), previous);

    // A line where nobody answers: the communication error after the retries.
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string silent = ptsname(master);
    r = cli({"read", "--retries", "0", "--port", silent, out.string()});
    close(master);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Communication Error,Please check all the connections and the radio "
                         "power"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(load(out), previous);
    EXPECT_FALSE(fs::exists(out.string() + ".tmp~"));
}

TEST_F(LinkCommands, BadArgumentsAreUsageErrors) {
    EXPECT_EQ(cli({"read", (dir / "x.dat").string()}).status, 2); // no --port
    EXPECT_EQ(cli({"write", "--port", "com1", (dir / "absent.dat").string()}).status, 2);
    EXPECT_EQ(cli({"read", "--port", "com1", "--retries", "-1", (dir / "x.dat").string()}).status,
              2);
    EXPECT_EQ(cli({"read", "--port", "com1", (dir / "no-dir" / "x.dat").string()}).status, 2);
    EXPECT_EQ(cli({"virtual-radio"}).status, 2);
    EXPECT_FALSE(fs::exists(dir / "x.dat"));
}

TEST_F(LinkCommands, AnUnpacedRadioIsReadEveryTimeOnABusyMachine) {
    // A radio that answers the confirm byte at once must not lose that answer
    // to a purge, however the scheduler interleaves the two ends.
    startRadio({"--baud", "0"});
    std::atomic<bool> stop{false};
    std::vector<std::thread> load;
    for (int i = 0; i < 2; ++i)
        load.emplace_back([&stop] {
            volatile unsigned long spin = 0;
            while (!stop.load(std::memory_order_relaxed))
                spin = spin + 1;
        });
    const auto start = std::chrono::steady_clock::now();
    int failures = 0;
    std::string firstError;
    for (int i = 0; i < 30 && std::chrono::steady_clock::now() - start < 50s; ++i) {
        const CliRun r = cli({"read", "--retries", "0", "--port", link,
                              (dir / ("r" + std::to_string(i) + ".dat")).string()});
        if (r.status != 0) {
            ++failures;
            if (firstError.empty())
                firstError = r.err;
        }
    }
    stop = true;
    for (auto& t : load)
        t.join();
    EXPECT_EQ(failures, 0) << firstError;
    EXPECT_TRUE(fs::exists(dir / "r29.dat")) << "not all 30 reads ran within the time";
}
