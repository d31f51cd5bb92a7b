// radio-cli's file commands, run as a real process on real files.

#include "model/ChannelTable.h"
#include "model/Image.h"
#include "model/MemoryMap.h"

#include "CliFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace radio;
using clitest::CliResult;
using clitest::slurp;
using clitest::spit;

namespace {

class FileCommands : public clitest::CliTest {
protected:
    FileCommands() : CliTest("radio_cli_files_", clitest::kTwoModelSettings) {}
};

// Channel 1 on 446.00625 / 446.00500, D023N / 88.5, in scan; model and band unset.
Image sampleImage() {
    Image img{};
    EXPECT_TRUE(loadDat(TEST_SOURCE_DIR "/tests/data/one-channel.dat", img).ok());
    return img;
}

} // namespace

TEST_F(FileCommands, NewWritesTheNewDocumentImage) {
    const CliResult r = run({"new", path("n.dat")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(dir / "n.dat"), slurp(fs::path(TEST_SOURCE_DIR) / "tests/data/new.dat"));
}

TEST_F(FileCommands, DumpPrintsTheGridInEitherLanguage) {
    ASSERT_TRUE(saveDat(path("s.dat"), sampleImage()).ok());
    CliResult r = run({"dump", path("s.dat")});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::vector<std::string> got;
    for (std::string line; std::getline(lines, line);)
        got.push_back(line);
    ASSERT_EQ(got.size(), 17u);
    EXPECT_EQ(got[0], "CH\tRx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tPower\tScan "
                      "Add\tBusy Lock\tW/N\tCompand\tScrambler");
    EXPECT_EQ(got[1], " 1\t446.00625\t446.00500\tD023N\t88.5\tHigh\tYes\tCarrier\tWide\tOn\t3");
    EXPECT_EQ(got[2], " 2\t\t\t\t\t\t\t\t\t\t");
    EXPECT_EQ(got[16], "16\t\t\t\t\t\t\t\t\t\t");

    r = run({"dump", "--lang", "Chinese", path("s.dat")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n', r.out.find('\n') + 1) + 1),
              "信道\t接收频率\t发射频率\tQT/DQT解码\tQT/DQT编码\t功率\t扫描添加\t繁忙锁定\t宽/"
              "窄\t压扩\t扰频\n 1\t446.00625\t446.00500\tD023N\t88.5\t高\t有\t载波\t宽\t开\t3\n");
    EXPECT_EQ(run({"dump", "--lang=English", path("s.dat")}).out, run({"dump", path("s.dat")}).out);

    // Without the catalogue the headings stay English, and the tool says why.
    fs::remove(dir / "Chinese.qm");
    r = run({"dump", "--lang", "Chinese", path("s.dat")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("CH\tRx Frequency\t", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\t高\t有\t"), std::string::npos) << "values are the radio's own texts";
    EXPECT_NE(r.err.find("radio-cli: cannot read the Chinese catalogue"), std::string::npos)
        << r.err;
}

TEST_F(FileCommands, BadInputExitsTwoAndWritesNothing) {
    spit(dir / "short.dat", std::string(1023, '\x01'));
    spit(dir / "keep.csv", "previous");
    const std::vector<std::vector<std::string>> bad = {
        {"new"},
        {"new", path("x.dat"), "--force"},
        {"dump", path("missing.dat")},
        {"dump", path("short.dat")},
        {"dump", path("short.dat"), "--lang", "French"},
        {"dump", "--lang"},
        {"export-csv", path("short.dat"), path("x.csv")},
        {"export-csv", path("short.dat"), path("keep.csv")},
        {"export-csv", path("missing.dat")},
        {"import-csv", path("missing.csv"), path("x.dat")},
    };
    for (const auto& args : bad) {
        const CliResult r = run(args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_EQ(r.err.rfind("radio-cli: ", 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_FALSE(fs::exists(dir / "x.dat"));
    EXPECT_FALSE(fs::exists(dir / "x.csv"));
    EXPECT_EQ(slurp(dir / "keep.csv"), "previous");
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
}

TEST_F(FileCommands, ExportThenImportRestoresTheChannels) {
    Image img = sampleImage();
    mm::set(img, mm::ModelType, 0);
    mm::set(img, mm::BandIndex, 0); // 400-470
    ASSERT_TRUE(saveDat(path("a.dat"), img).ok());
    CliResult r = run({"export-csv", path("a.dat"), path("a.csv")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(dir / "a.csv"),
              slurp(fs::path(TEST_SOURCE_DIR) / "tests/data/one-channel.csv"));

    // Import into a file whose channels were all different.
    ASSERT_TRUE(saveDat(path("b.dat"), newDocumentImage()).ok());
    r = run({"import-csv", path("a.csv"), path("b.dat"), "--band", "400-470"});
    ASSERT_EQ(r.status, 0) << r.err;
    Image back{};
    ASSERT_TRUE(loadDat(path("b.dat"), back).ok());
    EXPECT_EQ(imageToTable(back, Language::English), imageToTable(img, Language::English));

    // Without --band the band comes from the image's model and band and Program.ini.
    r = run({"import-csv", path("a.csv"), path("a.dat")});
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST_F(FileCommands, RejectedImportReportsEachCellAndKeepsTheFile) {
    Image img = sampleImage();
    mm::set(img, mm::ModelType, 0);
    mm::set(img, mm::BandIndex, 1); // 450-470 from Program.ini
    ASSERT_TRUE(saveDat(path("a.dat"), img).ok());
    const std::string before = slurp(dir / "a.dat");
    spit(dir / "in.csv", "CH,Rx Frequency,Power\n4,446.00625,High\n2,455,Loud\n");
    CliResult r = run({"import-csv", path("in.csv"), path("a.dat")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "row 4, column Rx Frequency: 446.00625 MHz is outside the band 450-470 MHz\n"
                     "row 2, column Power: \"Loud\" is not one of the column's entries\n"
                     "radio-cli: 2 cell(s) rejected; \"" +
                         path("a.dat") + "\" is unchanged\n");
    EXPECT_EQ(slurp(dir / "a.dat"), before);

    // The same file passes in a band that holds 446.00625, given on the command line.
    spit(dir / "in.csv", "CH,Rx Frequency,Power\n4,446.00625,High\n");
    r = run({"import-csv", path("in.csv"), path("a.dat"), "--band", "400-470"});
    EXPECT_EQ(r.status, 0) << r.err;
    Image after{};
    ASSERT_TRUE(loadDat(path("a.dat"), after).ok());
    EXPECT_EQ(imageToTable(after, Language::English)[4][ColRx], "446.00625");

    // A model the settings file does not know, or a malformed band.
    mm::set(after, mm::ModelType, 7);
    ASSERT_TRUE(saveDat(path("a.dat"), after).ok());
    const std::string kept = slurp(dir / "a.dat");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"import-csv", path("in.csv"), path("a.dat")},
             {"import-csv", path("in.csv"), path("a.dat"), "--band", "470"},
             {"import-csv", path("in.csv"), path("a.dat"), "--band", "470-400"},
         }) {
        r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("band"), std::string::npos) << r.err;
    }
    EXPECT_EQ(slurp(dir / "a.dat"), kept);
}

TEST_F(FileCommands, EveryCommandHasHelp) {
    for (const char* name : {"new", "dump", "export-csv", "import-csv"}) {
        const CliResult r = run({name, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind(std::string("Usage: radio-cli ") + name, 0), 0u) << r.out;
    }
    const CliResult all = run({"--help"});
    EXPECT_NE(all.out.find("import-csv IN.csv FILE.dat"), std::string::npos);
}
