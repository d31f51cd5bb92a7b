// radio-cli clone against several radio-cli virtual-radio processes, each on
// its own pseudo-terminal, end to end.

#include "CliFixture.h"
#include "Spawn.h"
#include "link/ProgrammingRecord.h"
#include "model/Image.h"
#include "tests/Patterned.h"

#include <gtest/gtest.h>

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

bool calibration(std::size_t i) {
    return (i >= 0x330 && i < 0x340) || (i >= 0x3D0 && i < 0x3DB) || (i >= 0x3E0 && i < 0x3F0);
}

struct CloneRun {
    int status = -1;
    std::string out, err;
    std::chrono::milliseconds took{0};
};

class CloneCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("clone_cli_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        // Backups go below the test's folder.
        setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
        ASSERT_TRUE(radio::saveDat((dir / "radio.dat").string(), patterned(3)).ok());
        ASSERT_TRUE(radio::saveDat((dir / "fleet.dat").string(), patterned(200)).ok());
    }
    void TearDown() override {
        for (std::size_t i = 0; i < pids.size(); ++i) {
            kill(pids[i], SIGTERM);
            EXPECT_EQ(waitBounded(pids[i], 5s), 0);
        }
        pids.clear();
        fs::remove_all(dir);
    }

    // A virtual radio named `name`, linked at dir/name, saving to dir/name.saved.
    std::string startRadio(const std::string& name, std::vector<std::string> extra = {}) {
        const std::string link = (dir / name).string();
        std::vector<std::string> args = {RADIO_CLI, "virtual-radio",
                                         "--link",  link,
                                         "--image", (dir / "radio.dat").string(),
                                         "--save",  (dir / (name + ".saved")).string()};
        args.insert(args.end(), extra.begin(), extra.end());
        const pid_t pid =
            spawn(args, (dir / (name + ".out")).string(), (dir / (name + ".err")).string());
        EXPECT_GT(pid, 0);
        pids.push_back(pid);
        for (int i = 0; i < 500 && !fs::is_symlink(link); ++i)
            std::this_thread::sleep_for(10ms);
        EXPECT_TRUE(fs::is_symlink(link)) << slurp(dir / (name + ".err"));
        return link;
    }
    void stopRadios() {
        for (pid_t p : pids) {
            kill(p, SIGTERM); // saves the memory as it exits
            EXPECT_EQ(waitBounded(p, 5s), 0);
        }
        pids.clear();
    }

    pid_t startClone(std::vector<std::string> args) {
        // The patterned file holds values no editor would accept: cloned by request.
        args.insert(args.begin(), {RADIO_CLI, "clone", "--force"});
        return spawn(args, (dir / "clone.out").string(), (dir / "clone.err").string());
    }
    CloneRun finish(pid_t pid, std::chrono::milliseconds limit = 60s) {
        const auto start = std::chrono::steady_clock::now();
        CloneRun r;
        r.status = waitBounded(pid, limit);
        r.took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        r.out = slurp(dir / "clone.out");
        r.err = slurp(dir / "clone.err");
        return r;
    }
    CloneRun clone(std::vector<std::string> args) { return finish(startClone(std::move(args))); }

    radio::Image saved(const std::string& name) {
        radio::Image img{};
        EXPECT_TRUE(radio::loadDat((dir / (name + ".saved")).string(), img).ok()) << name;
        return img;
    }
    // The radio holds the fleet file in the written ranges, its own bytes elsewhere.
    void expectProgrammed(const std::string& name) {
        const radio::Image got = saved(name), file = patterned(200), before = patterned(3);
        for (std::size_t i = 0; i < 1024; ++i)
            ASSERT_EQ(got[i], i < 0x3F1 && !calibration(i) ? file[i] : before[i])
                << name << " " << std::hex << i;
    }

    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> out;
        std::istringstream in(text);
        for (std::string l; std::getline(in, l);)
            out.push_back(l);
        return out;
    }

    fs::path dir;
    std::vector<pid_t> pids;
};

} // namespace

TEST_F(CloneCommand, ProgramsEveryRadioAndRecordsEachOneAcrossRuns) {
    const std::string a = startRadio("a", {"--baud", "0", "--ident", "RADIO-A"});
    const std::string b = startRadio("b", {"--baud", "0", "--ident", "SERIAL-NUMBER-B"});
    const std::string c = startRadio("c", {"--baud", "0"});
    const std::string log = (dir / "record.csv").string();
    const std::string trace = (dir / "trace.txt").string();
    CloneRun r = clone({(dir / "fleet.dat").string(), "--port", a, "--port", b, "--port", c,
                        "--verify", "--log", log, "--trace", trace});
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_NE(r.out.find("3 of 3 radios programmed"), std::string::npos) << r.out;
    for (const std::string& port : {a, b, c})
        EXPECT_NE(r.out.find(port + ": programmed, "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("verified: yes"), std::string::npos);
    // Not a terminal: plain lines at phase changes.
    EXPECT_NE(r.err.find(a + ": writing\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c + ": verifying\n"), std::string::npos) << r.err;

    const std::string first = slurp(log);
    auto rows = lines(first);
    ASSERT_EQ(rows.size(), 4u) << first;
    EXPECT_EQ(rows[0] + "\n", radio::link::recordHeader() + "\r\n");
    char crc[16];
    std::snprintf(crc, sizeof crc, "%08X",
                  unsigned(radio::link::writtenChecksum(patterned(200), false)));
    const auto rowOf = [&](const std::string& port) {
        for (const auto& row : rows)
            if (row.find("," + port + ",") != std::string::npos)
                return row;
        return std::string();
    };
    EXPECT_NE(rowOf(a).find(",52 41 44 49 4F 2D 41 20,RADIO-A ,fleet.dat," + std::string(crc) +
                            ",programmed,yes,"),
              std::string::npos)
        << rowOf(a);
    EXPECT_NE(rowOf(b).find(",53 45 52 49 41 4C 2D 4E,SERIAL-N,"), std::string::npos) << rowOf(b);
    EXPECT_NE(rowOf(c).find(",56 52 41 44 31 36 00 01,VRAD16..,"), std::string::npos) << rowOf(c);

    const std::string traced = slurp(trace);
    for (const std::string& port : {a, b, c}) {
        EXPECT_NE(traced.find(" " + port + " sent 02\n"), std::string::npos);
        EXPECT_NE(traced.find(" " + port + " received 06\n"), std::string::npos);
        EXPECT_NE(traced.find(" " + port + " result: success, 122 blocks\n"), std::string::npos);
    }

    // A second run appends; the earlier rows stay byte for byte.
    r = clone({(dir / "fleet.dat").string(), "--port", a, "--log", log});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string both = slurp(log);
    EXPECT_EQ(both.substr(0, first.size()), first);
    rows = lines(both);
    EXPECT_EQ(rows.size(), 5u);
    EXPECT_NE(rows.back().find(",programmed,-,"), std::string::npos) << rows.back();

    stopRadios();
    for (const char* name : {"a", "b", "c"})
        expectProgrammed(name);
}

TEST_F(CloneCommand, OneRadioFailingLeavesTheOthersProgrammed) {
    const std::string a = startRadio("a", {"--baud", "0"});
    const std::string b = startRadio("b", {"--baud", "0"});
    // A line where nobody answers.
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string silent = ptsname(master);
    const std::string trace = (dir / "trace.txt").string();
    const CloneRun r = clone({(dir / "fleet.dat").string(), "--port", a, "--port", silent, "--port",
                              b, "--retries", "0", "--trace", trace});
    close(master);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.out.find("2 of 3 radios programmed; " + silent + " failed: Communication Error"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(silent + ": failed: Communication Error, "), std::string::npos);
    const std::string traced = slurp(trace);
    EXPECT_NE(traced.find(" " + silent + " received time-out (0 of 1)\n"), std::string::npos);
    EXPECT_NE(traced.find(" " + silent +
                          " Communication Error,Please check all the connections and the radio "
                          "power -> give up\n"),
              std::string::npos)
        << traced;
    EXPECT_NE(traced.find(" " + silent + " result: Communication Error"), std::string::npos);
    stopRadios();
    expectProgrammed("a");
    expectProgrammed("b");

    // A port that cannot be opened says why on its own line, not only in the trace.
    const std::string absent = (dir / "absent").string();
    const CloneRun missing = clone({(dir / "fleet.dat").string(), "--port", absent});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find(absent + ": failed: Could not Open the Port: The port " + absent +
                               " does not exist."),
              std::string::npos)
        << missing.out;
}

TEST_F(CloneCommand, BackupKeepsEveryRadiosMemoryBeforeItIsWritten) {
    const std::string a = startRadio("a", {"--baud", "0"});
    const std::string b = startRadio("b", {"--baud", "0"});
    const std::string c = startRadio("c", {"--baud", "0"});
    const CloneRun r =
        clone({(dir / "fleet.dat").string(), "--port", a, "--port", b, "--port", c, "--backup"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<fs::path> backups;
    for (const auto& e : fs::recursive_directory_iterator(dir / "data"))
        if (e.path().extension() == ".dat")
            backups.push_back(e.path());
    ASSERT_EQ(backups.size(), 3u) << r.out;
    for (const auto& p : backups) {
        EXPECT_NE(r.out.find(p.string()), std::string::npos) << r.out;
        radio::Image img{};
        ASSERT_TRUE(radio::loadDat(p.string(), img).ok());
        for (std::size_t i = 0; i < 0x3F1; ++i)
            ASSERT_EQ(img[i], patterned(3)[i]) << p;
    }
}

TEST_F(CloneCommand, VerifyFindsARadioThatDidNotKeepABlock) {
    const std::string a = startRadio("a", {"--baud", "0"});
    const std::string bad = startRadio("bad", {"--baud", "0", "--ignore-write-at", "256"});
    const CloneRun r =
        clone({(dir / "fleet.dat").string(), "--port", a, "--port", bad, "--verify"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find(a + ": programmed, "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(bad + ": failed: verify found 8 differing bytes, "), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("verified: no"), std::string::npos);
    EXPECT_NE(r.out.find("1 of 2 radios programmed"), std::string::npos);
}

TEST_F(CloneCommand, InterruptCancelsEveryPortPromptly) {
    // Paced radios: a write takes seconds, so the interrupt lands mid-transfer.
    const std::string a = startRadio("a");
    const std::string b = startRadio("b");
    const std::string c = startRadio("c");
    const std::string trace = (dir / "trace.txt").string();
    const pid_t pid = startClone(
        {(dir / "fleet.dat").string(), "--port", a, "--port", b, "--port", c, "--trace", trace});
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(700ms);
    kill(pid, SIGINT);
    const CloneRun r = finish(pid, 10s);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_LT(r.took, 3s);
    EXPECT_NE(r.out.find("cancelled; 0 of 3 radios programmed"), std::string::npos) << r.out;
    const std::string traced = slurp(trace);
    for (const std::string& port : {a, b, c}) {
        // Every port was closed, then the session ended as cancelled.
        const auto closed = traced.rfind(" " + port + " close\n");
        const auto result = traced.find(" " + port + " result: cancelled");
        ASSERT_NE(closed, std::string::npos) << port;
        ASSERT_NE(result, std::string::npos) << port;
        EXPECT_LT(closed, result);
    }
    // The ports are free again: a read gets through.
    const pid_t again = spawn({RADIO_CLI, "read", "--port", a, (dir / "after.dat").string()},
                              (dir / "after.out").string(), (dir / "after.err").string());
    EXPECT_EQ(waitBounded(again, 30s), 0) << slurp(dir / "after.err");
}

TEST_F(CloneCommand, BadInputIsRefusedBeforeAnyRadioIsTouched) {
    const std::string a = startRadio("a", {"--baud", "0"});
    const std::string fleet = (dir / "fleet.dat").string();
    EXPECT_EQ(clone({fleet, "--port", a, "--port", a}).status, 2);
    EXPECT_NE(slurp(dir / "clone.err").find("is given twice"), std::string::npos);
    // "pts/N" opens /dev/pts/N, whatever the current folder: the same port.
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    const std::string pts = ptsname(master);
    const CloneRun twice = clone({fleet, "--port", pts.substr(5), "--port", pts});
    close(master);
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find("port \"" + pts + "\" is given twice"), std::string::npos)
        << twice.err;
    EXPECT_EQ(clone({fleet}).status, 2);
    EXPECT_EQ(clone({(dir / "absent.dat").string(), "--port", a}).status, 2);
    EXPECT_EQ(clone({fleet, "--port", a, "--retries", "x"}).status, 2);
    EXPECT_EQ(clone({fleet, "--port", a, "--log", (dir / "no" / "r.csv").string()}).status, 2);
    stopRadios();
    EXPECT_FALSE(fs::exists(dir / "a.saved")); // nothing was written
}
