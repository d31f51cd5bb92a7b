// radio-cli's diff, interchange CSV, backups of reads and write --verify, run as a
// real process on real files.

#include "model/ChannelTable.h"
#include "model/Image.h"
#include "model/MemoryMap.h"

#include "CliFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;
using namespace radio;
using clitest::CliResult;
using clitest::quoted;
using clitest::slurp;

namespace {

class DiffInterchangeBackup : public clitest::CliTest {
protected:
    DiffInterchangeBackup() : CliTest("radio_cli_diff_", clitest::kTwoModelSettings) {}
};

// Model 1, band 400-470; channel 1 on 446.00625 / 446.00500, D023N / 88.5.
Image sampleImage() {
    Image img = newDocumentImage();
    const std::uint8_t ch1[16] = {0x25, 0x06, 0x60, 0x44, 0x00, 0x05, 0x60, 0x44,
                                  0x13, 0x28, 0x75, 0x03, 0x00, 0x30, 0x10, 0xFF};
    std::copy(ch1, ch1 + 16, &img[mm::channelOffset(1)]);
    img[mm::ScanAddLow.offset] = 0x01;
    mm::set(img, mm::ModelType, 0);
    mm::set(img, mm::BandIndex, 0);
    return img;
}

} // namespace

TEST_F(DiffInterchangeBackup, DiffReportsKnownDifferencesAndItsExitStatus) {
    const Image a = sampleImage();
    Image b = a;
    mm::recordByte(b, 1, mm::rec::Width) &= std::uint8_t(~mm::rec::Width.mask);
    mm::set(b, mm::SquelchLevel, 9);
    mm::set(b, mm::BandIndex, 1);
    b[0x3F5] = 0x00;
    ASSERT_TRUE(saveDat(path("a.dat"), a).ok());
    ASSERT_TRUE(saveDat(path("b.dat"), b).ok());

    CliResult r = run({"diff", path("a.dat"), path("a.dat")});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string sides = "From: " + path("a.dat") + "\nTo: " + path("b.dat") + "\n";
    EXPECT_EQ(r.out, "From: " + path("a.dat") + "\nTo: " + path("a.dat") +
                         "\nThe configurations are the same.\n");

    r = run({"diff", path("a.dat"), path("b.dat")});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, sides + "Channel 1\n"
                             "    W/N: Wide -> Narrow\n"
                             "Optional Features\n"
                             "    Squelch Level: 4 -> 9\n"
                             "Product Information\n"
                             "    Frequency: 400-470 -> 450-470\n"
                             "Other bytes\n"
                             "    never transferred 0x3F5: FF -> 00\n");

    // The same configuration as the window saves it: empty channels in the
    // program's form are no difference, said once.
    Image saved = a;
    tableToImage(imageToTable(a, Language::English), saved);
    ASSERT_TRUE(saveDat(path("saved.dat"), saved).ok());
    r = run({"diff", path("a.dat"), path("saved.dat")});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("The configurations are the same.\nEmpty channels are written in this "
                         "program's form"),
              std::string::npos)
        << r.out;

    r = run({"diff", path("a.dat"), path("b.dat"), "--lang", "Chinese"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("信道1\n    宽/窄: 宽 -> 窄\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("    静噪电平: 4 -> 9\n"), std::string::npos);
    EXPECT_EQ(r.out.rfind("原配置：" + path("a.dat") + "\n对比配置：" + path("b.dat") + "\n", 0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("其他字节\n    不传输的字节 0x3F5: FF -> 00\n"), std::string::npos);

    // A file name that could drive the terminal is shown escaped.
    const std::string odd = path("b\x1b[2J.dat");
    fs::copy_file(path("b.dat"), odd);
    r = run({"diff", path("a.dat"), odd});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
    EXPECT_NE(r.out.find("\nTo: " + dir.string() + "/b\\x1B[2J.dat\n"), std::string::npos) << r.out;

    // Bad input is status 2 with a message, never a report.
    std::ofstream(dir / "short.dat") << "abc";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"diff", path("a.dat")},
          {"diff", path("a.dat"), path("short.dat")},
          {"diff", path("a.dat"), path("missing.dat")},
          {"diff", path("a.dat"), path("b.dat"), "--lang", "French"}}) {
        r = run(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("radio-cli: "), std::string::npos);
    }
}

TEST_F(DiffInterchangeBackup, InterchangeExportImportRoundTrip) {
    ASSERT_TRUE(saveDat(path("a.dat"), sampleImage()).ok());
    CliResult r = run({"export-csv", path("a.dat"), path("list.csv"), "--format", "interchange"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "radio-cli: Busy lock, compander and scrambler are not in this layout: the "
                     "file does not keep them.\n");
    const std::string csv = slurp(dir / "list.csv");
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
              "RPT2CALL,DVCODE");
    EXPECT_NE(csv.find("\r\n1,,446.006250,-,0.001250,Cross,88.5,88.5,023,NN,023,Tone->DTCS,FM,"),
              std::string::npos)
        << csv;

    // Into a new configuration of the same model and band: the same channel.
    Image target = newDocumentImage();
    mm::set(target, mm::ModelType, 0);
    mm::set(target, mm::BandIndex, 0);
    ASSERT_TRUE(saveDat(path("t.dat"), target).ok());
    r = run({"import-csv", path("list.csv"), path("t.dat"), "--format=interchange"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("the imported channels have them Off."), std::string::npos) << r.err;
    Image back{};
    ASSERT_TRUE(loadDat(path("t.dat"), back).ok());
    // The layout has no busy lock, compander or scrambler: new-channel defaults.
    auto expected = imageToTable(sampleImage(), Language::English)[1];
    expected[ColBusyLock] = "Off";
    expected[ColCompand] = "Off";
    expected[ColScrambler] = "Off";
    EXPECT_EQ(imageToTable(back, Language::English)[1], expected);

    EXPECT_EQ(run({"export-csv", path("a.dat"), path("x.csv"), "--format", "columns"}).status, 2);
    EXPECT_FALSE(fs::exists(dir / "x.csv"));
}

TEST_F(DiffInterchangeBackup, InterchangeImportListsRejectedRowsAndChangesNothing) {
    ASSERT_TRUE(saveDat(path("a.dat"), sampleImage()).ok());
    const std::string before = slurp(dir / "a.dat");
    std::ofstream(dir / "in.csv") << "Location,Frequency,Mode\n"
                                     "2,446.1,FM\n"
                                     "3,146.52,FM\n"
                                     "4,446.1,DV\n";
    CliResult r = run({"import-csv", path("in.csv"), path("a.dat"), "--format", "interchange"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("line 3: Frequency 146.52: 146.52 MHz is outside the band 400-470 MHz\n"
                         "line 4: Mode \"DV\" is not FM or NFM\n"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("2 row(s) rejected"), std::string::npos);
    EXPECT_EQ(slurp(dir / "a.dat"), before);

    // The band from --band decides: 136-174 takes the VHF row and refuses the others.
    std::ofstream(dir / "in.csv") << "Location,Frequency\n3,146.52\n";
    r = run({"import-csv", path("in.csv"), path("a.dat"), "--format", "interchange", "--band",
             "136-174"});
    EXPECT_EQ(r.status, 0) << r.err;
    Image after{};
    ASSERT_TRUE(loadDat(path("a.dat"), after).ok());
    EXPECT_EQ(imageToTable(after, Language::English)[3][ColRx], "146.52000");
    EXPECT_EQ(imageToTable(after, Language::English)[1],
              imageToTable(sampleImage(), Language::English)[1]);
}

TEST_F(DiffInterchangeBackup, ImportRefusesABandTheRecordsCannotHoldAndShortensLongLists) {
    ASSERT_TRUE(saveDat(path("a.dat"), sampleImage()).ok());
    const std::string before = slurp(dir / "a.dat");
    // Thousands of bad rows: one line that counts them, not a line for each.
    std::string csv = "Location,Frequency\n";
    for (int i = 0; i < 3000; ++i)
        csv += "3,146.52\n";
    std::ofstream(dir / "in.csv") << csv;
    CliResult r = run({"import-csv", path("in.csv"), path("a.dat"), "--format", "interchange"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("holds 3000 rows"), std::string::npos) << r.err.substr(0, 2000);
    EXPECT_LT(r.err.size(), 3000u);

    for (const char* band : {"-470", "400-", "5-470"}) {
        std::ofstream(dir / "Program.ini")
            << "[Setup]\nAppName=Test\nType1=M1\nField1=" << band << "\n";
        std::ofstream(dir / "in.csv") << "Location,Frequency\n3,446.1\n";
        for (const char* format : {"interchange", "grid"}) {
            r = run({"import-csv", path("in.csv"), path("a.dat"), "--format", format});
            EXPECT_EQ(r.status, 2) << band;
            EXPECT_NE(r.err.find("key Field1 in section Setup of Program.ini cannot be used"),
                      std::string::npos)
                << r.err;
        }
        EXPECT_EQ(run({"import-csv", path("in.csv"), path("a.dat"), "--band", band}).status, 2);
    }
    EXPECT_EQ(slurp(dir / "a.dat"), before);
}

TEST_F(DiffInterchangeBackup, EveryReadKeepsABackupBesideNoOther) {
    const fs::path backups = dir / "data" / "Test" / "backups";
    CliResult r = run({"read", "--port", "Virtual radio", path("one.dat")});
    ASSERT_EQ(r.status, 0) << r.err;
    r = run({"read", "--port", "Virtual radio", path("two.dat")});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<fs::path> kept;
    for (const auto& e : fs::directory_iterator(backups))
        kept.push_back(e.path());
    ASSERT_EQ(kept.size(), 2u);
    for (const auto& p : kept) {
        EXPECT_EQ(p.extension(), ".dat");
        EXPECT_EQ(slurp(p), slurp(dir / "one.dat"));
        EXPECT_NE(r.out.find("Backup: "), std::string::npos);
    }
    // A failed read keeps nothing.
    r = run({"read", "--port", path("no-such-port"), path("three.dat")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(backups), fs::directory_iterator()), 2);
}

TEST_F(DiffInterchangeBackup, WriteVerifyFindsARadioThatIgnoresABlock) {
    using namespace std::chrono_literals;
    const Image file = sampleImage();
    ASSERT_TRUE(saveDat(path("in.dat"), file).ok());
    const auto verifyAgainst = [&](const std::vector<std::string>& radioArgs) {
        const std::string link = path("radio");
        std::vector<std::string> args = {cli.string(), "virtual-radio", "--link", link};
        args.insert(args.end(), radioArgs.begin(), radioArgs.end());
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        for (int i = 0; i < 500 && !fs::is_symlink(link); ++i)
            std::this_thread::sleep_for(10ms);
        const CliResult r = run({"write", "--verify", "--port", link, path("in.dat")});
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        return r;
    };

    CliResult r = verifyAgainst({});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Verified: the radio holds what was written.\n");

    // Channel 1's record lies at 16: the faulty radio acknowledges it and keeps its own.
    r = verifyAgainst({"--ignore-write-at", "16"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("radio-cli: Verify failed: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("0x010"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("0x018"), std::string::npos) << r.err;

    EXPECT_EQ(run({"read", "--verify", "--port", "Virtual radio", path("x.dat")}).status, 2);
}
